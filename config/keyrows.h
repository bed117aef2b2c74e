// The key table: the 104 rows (name and key code) that every keystroke list holds.
//
// Key codes: 0 no key, 4..88 USB HID keyboard usage IDs, 128 + usage ID for the
// shifted key, 255 the row "NULL".
#pragma once

#include <array>

namespace config {

struct KeyRow {
    const char *name; // UTF-8
    int code;
};

constexpr int kKeyRowCount = 104;
using KeyRows = std::array<KeyRow, kKeyRowCount>;

// The rows in standard order.
const KeyRows &standardKeyRows();
// The order of the list of walk-up keystroke 5 (Combo11): the backslash row
// stands between ". PERIOD" and "/".
const KeyRows &combo11KeyRows();

} // namespace config
