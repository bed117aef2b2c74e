// The logon presets of the window's "Quick Configuration": the walk-away and
// walk-up keystrokes for an operating system's logon screen. The window's
// option buttons show them; ostraval-ctl's preset command offers the same
// keystrokes under the names given here.
#pragma once

#include "settings.h"

#include <array>

namespace config {

// One keystroke as a preset sets it: the text the window's list displays
// (set as text, so no list handler runs) and the code.
struct PresetKey {
    const char *listText;
    int code;
};

// The keystrokes of a logon preset. The window sets and clears only the
// modifier boxes named here, on walk-away keystroke 1 and walk-up keystroke
// 1; all other boxes keep their state.
struct LogonKeys {
    std::array<PresetKey, kKeystrokesPerSequence> walkAway;
    std::array<PresetKey, kKeystrokesPerSequence> walkUp;
    int walkAwaySet;
    int walkAwayClear;
    int walkUpSet;
    int walkUpClear;
};

inline constexpr PresetKey kNoPresetKey = {"NONE", 0};

// "Windows 2000" and "Windows XP Classic": Ctrl+Alt+Delete, "k", Backspace,
// Escape on walking away; Ctrl+Alt+Delete on walking up. "BCKSPC" is shown
// as it stands, although the list's own row reads "BKSPC".
inline constexpr LogonKeys kClassicLogon = {
    {{{"DELETE", 76}, {"k", 14}, {"BCKSPC", 42}, {"ESC", 41}, kNoPresetKey}},
    {{{"DELETE", 76}, kNoPresetKey, kNoPresetKey, kNoPresetKey, kNoPresetKey}},
    LeftCtrl | LeftAlt,
    LeftGui,
    LeftCtrl | LeftAlt,
    0,
};

// "XP Welcome Screen": GUI+L on walking away, nothing on walking up.
inline constexpr LogonKeys kWelcomeScreen = {
    {{{"L", 15}, kNoPresetKey, kNoPresetKey, kNoPresetKey, kNoPresetKey}},
    {{kNoPresetKey, kNoPresetKey, kNoPresetKey, kNoPresetKey, kNoPresetKey}},
    LeftGui,
    LeftCtrl | LeftAlt,
    0,
    LeftCtrl | LeftAlt,
};

struct LogonPreset {
    const char *name;    // ostraval-ctl's name for it
    const char *caption; // the window's option button
    const LogonKeys *keys;
};

// In the order of the window's option buttons Option1 to Option3.
inline constexpr std::array<LogonPreset, 3> kLogonPresets = {{
    {"windows-2000", QT_TRANSLATE_NOOP("Form1", "Windows 2000"), &kClassicLogon},
    {"windows-xp-classic", QT_TRANSLATE_NOOP("Form1", "Windows XP Classic"), &kClassicLogon},
    {"xp-welcome-screen", QT_TRANSLATE_NOOP("Form1", "XP Welcome Screen"), &kWelcomeScreen},
}};

// A keystroke as the sensor stores it.
struct Keystroke {
    int code = 0;
    int mods = 0;
};
using KeySequence = std::array<Keystroke, kKeystrokesPerSequence>;

// A logon preset's sequence as the sensor types it: the keys' codes, with
// the modifiers the preset sets on the first keystroke and none elsewhere.
constexpr KeySequence storedSequence(const std::array<PresetKey, kKeystrokesPerSequence> &keys, int firstMods)
{
    KeySequence sequence{};
    for (int i = 0; i < kKeystrokesPerSequence; ++i)
        sequence[i] = {keys[i].code, i == 0 ? firstMods : 0};
    return sequence;
}

} // namespace config
