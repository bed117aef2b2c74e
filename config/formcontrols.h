// The window's controls as the configuration code sees them.
//
// Reading, writing and change detection work on these widgets, which the
// window creates and owns; they never see the window itself. Failed library
// calls are reported through the ErrorReporter the window hands them.
#pragma once

#include "exchange.h"
#include "settings.h"

#include <array>
#include <cstdint>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace config {

// One keystroke slot (settings.h: kSlots): its list, its code text and its
// eight modifier boxes, mods[i] being the box of bit value kModifiers[i].bit.
struct KeystrokeSlot {
    QComboBox *list = nullptr;
    QLineEdit *codeText = nullptr;
    std::array<QCheckBox *, kModifiers.size()> mods{};
};

struct FormControls {
    // The text boxes of the numeric settings, by their rows of kNumbers.
    std::array<QLineEdit *, kNumbers.size()> numbers{};

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
