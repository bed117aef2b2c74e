// The window's controls as the configuration code sees them.
//
// Reading, writing and change detection work on these widgets, which the
// window creates and owns; they never see the window itself. Failed library
// calls are reported through the ErrorReporter the window hands them.
#pragma once

#include "exchange.h"

#include <array>
#include <cstdint>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace config {

// Keystroke slot indexes: the element index of the modifier check-box arrays.
constexpr int kWalkAwaySlot0 = 0;  // walk-away keystrokes 1 to 5: slots 0 to 4
constexpr int kIdleSlot = 5;       // the idle keystroke
constexpr int kWalkUpSlot0 = 6;    // walk-up keystrokes 1 to 5: slots 6 to 10
constexpr int kSixthSlot = 11;     // "Keystroke 6", out of sight
constexpr int kSlotCount = 12;
constexpr int kKeystrokesPerSequence = 5;

// Modifier bit values, in the order of the check-box arrays Key1Mods1 ... Key1Mods128.
constexpr std::array<int, 8> kModifierBits = {1, 2, 4, 8, 16, 32, 64, 128};

// One keystroke slot: its list, its code text and its eight modifier boxes,
// mods[i] being the box of bit value kModifierBits[i].
struct KeystrokeSlot {
    QComboBox *list = nullptr;
    QLineEdit *codeText = nullptr;
    std::array<QCheckBox *, 8> mods{};
};

struct FormControls {
    // "Initial Setup"
    QLineEdit *MaxDist = nullptr;
    QLineEdit *wCurrRange = nullptr;
    QLineEdit *IRDBTm = nullptr;
    QLineEdit *ORDBTm = nullptr;
    QLineEdit *StartDly = nullptr;
    QCheckBox *bNoShowIRLED = nullptr;
    QCheckBox *bNoShowORLED = nullptr;
    QCheckBox *bNoShowXtLED = nullptr;

    // Hidden range flags on the window.
    QLineEdit *bInRange = nullptr;
    QLineEdit *bInRangePend = nullptr;
    QLineEdit *bOutRangePend = nullptr;

    // Keystroke pages.
    QLineEdit *InterKeyDelay = nullptr;
    QLineEdit *KeyCount = nullptr;         // hidden
    QLineEdit *InterKeyDelayUp = nullptr;
    QLineEdit *KeyCountUp = nullptr;       // hidden
    std::array<QLineEdit *, 6> KeyMods{};  // hidden Key1Mods ... Key6Mods

    // Idle keystroke rate (About page, out of sight).
    QLineEdit *PressRate = nullptr;

    std::array<KeystrokeSlot, kSlotCount> keystrokes{}; // by slot index

    QCheckBox *ConfigChanged = nullptr;
};

// The window's own variables that the configuration code reads and sets.
struct FormState {
    int16_t FirstLoad = 1;     // 1 until the first reading has finished
    bool DeviceUpdated = true; // no difference between window and sensor is known
};

// Reports a failed library call by its operation name, as the exchange with
// the sensor names it (for example "USB ReadSonarParms").
using ErrorReporter = exchange::window::FailureReport;

} // namespace config
