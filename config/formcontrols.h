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
    // The controls of the settings table's rows: the numeric settings' text
    // boxes (kNumbers), the LED boxes (kLeds) and the hidden boxes of the
    // sequences' stored key counts (kKeySequences).
    std::array<QLineEdit *, kNumbers.size()> numbers{};
    std::array<QCheckBox *, kLeds.size()> leds{};
    std::array<QLineEdit *, kKeySequences.size()> keyCounts{};

    // The range read-out ("Initial Setup") and its hidden flags on the window.
    QLineEdit *wCurrRange = nullptr;
    QLineEdit *bInRange = nullptr;
    QLineEdit *bInRangePend = nullptr;
    QLineEdit *bOutRangePend = nullptr;

    std::array<QLineEdit *, 6> KeyMods{}; // hidden Key1Mods ... Key6Mods
    std::array<KeystrokeSlot, kSlotCount> keystrokes{}; // by slot index

    QCheckBox *ConfigChanged = nullptr;

    QLineEdit *number(Numeric which) const { return numbers[static_cast<std::size_t>(which)]; }
    QLineEdit *number(const NumberSetting &row) const { return numbers[indexOf(row)]; }
    QCheckBox *led(const LedSetting &row) const { return leds[static_cast<std::size_t>(&row - kLeds.data())]; }
    QLineEdit *keyCount(const SequenceSetting &sequence) const
    {
        return keyCounts[static_cast<std::size_t>(&sequence - kKeySequences.data())];
    }
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
