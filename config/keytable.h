// The key table: the 104 rows (name and key code) that every keystroke list holds.
//
// Key codes: 0 no key, 4..88 USB HID keyboard usage IDs, 128 + usage ID for the
// shifted key, 255 the row "NULL".
#pragma once

#include <array>

class QComboBox;

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

// Appends the rows to the end of the list, each item carrying its code as
// data, and selects no row: the list's current index stays as it was, or is
// -1 for a list that was empty. No signal of the list is emitted.
void appendKeyRows(QComboBox *list, const KeyRows &rows);

// Makes the last row whose code equals `code` the list's selection (which
// runs the list's handler like a user's choice); a code that no row carries
// leaves the selection as it was.
void selectByCode(QComboBox *list, int code);

} // namespace config
