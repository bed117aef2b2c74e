// The stored count of a keystroke sequence.
#pragma once

#include "kv3rapi.h"

#include <cstdint>

namespace config {

// The positions that count: the sixth keystroke of the record never does.
constexpr int kCountedPositions = 5;

// The number of keystrokes among positions 1 to 5 that have a key code or a
// modifier. Empty keystrokes keep their places in the record, so a gap lowers
// the count wherever it stands.
constexpr int16_t keystrokesInUse(const WalkParms &walk)
{
    int16_t count = kCountedPositions;
    for (int i = 0; i < kCountedPositions; ++i)
        if (walk.KeyMods[i] == 0 && walk.KeyCode[i] == 0)
            --count;
    return count;
}

} // namespace config
