// Quick configuration presets: the sensor back to its factory defaults and
// the keystroke slots filled for an operating system's logon screen.
#include "form1.h"

#include "exchange.h"
#include "keylist.h"
#include "numbers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace {

// One keystroke as a preset sets it: the text the list displays (set as
// text, so no list handler runs) and the code.
struct PresetKey {
    const char *listText;
    int code;
};

struct Preset {
    std::array<PresetKey, 5> walkAway;
    std::array<PresetKey, 5> walkUp;
    // Modifier boxes of walk-away keystroke 1 and walk-up keystroke 1 that
    // the preset sets and clears; all other boxes keep their state.
    int walkAwaySet;
    int walkAwayClear;
    int walkUpSet;
    int walkUpClear;
};

constexpr PresetKey kNone = {"NONE", 0};

// "Windows 2000" and "Windows XP Classic": Ctrl+Alt+Delete, "k", Backspace,
// Escape on walking away; Ctrl+Alt+Delete on walking up. "BCKSPC" is shown
// as it stands, although the list's own row reads "BKSPC".
constexpr Preset kClassicLogon = {
    {{{"DELETE", 76}, {"k", 14}, {"BCKSPC", 42}, {"ESC", 41}, kNone}},
    {{{"DELETE", 76}, kNone, kNone, kNone, kNone}},
    config::LeftCtrl | config::LeftAlt,
    config::LeftGui,
    config::LeftCtrl | config::LeftAlt,
    0,
};

// "XP Welcome Screen": GUI+L on walking away, nothing on walking up.
constexpr Preset kWelcomeScreen = {
    {{{"L", 15}, kNone, kNone, kNone, kNone}},
    {{kNone, kNone, kNone, kNone, kNone}},
    config::LeftGui,
    config::LeftCtrl | config::LeftAlt,
    0,
    config::LeftCtrl | config::LeftAlt,
};

// Sets and clears the modifier boxes of one slot named by the two masks.
void applyModifiers(const config::KeystrokeSlot &slot, int set, int clear)
{
    for (std::size_t i = 0; i < config::kModifiers.size(); ++i) {
        const int bit = config::kModifiers[i].bit;
        if (set & bit)
            slot.mods[i]->setChecked(true);
        if (clear & bit)
            slot.mods[i]->setChecked(false);
    }
}

// The list shows the preset's name, and its selected row is the one of the
// preset's code, so that the keyboard goes on from the key shown ("BCKSPC"
// and "L" are no row names: the code decides the row).
void applyKey(const config::KeystrokeSlot &slot, const PresetKey &key)
{
    slot.codeText->setText(config::decimalText(key.code));
    qobject_cast<ui::KeyList *>(slot.list)->showKey(QString::fromLatin1(key.listText), key.code);
}

void applyPreset(const config::FormControls &c, const Preset &preset)
{
    applyModifiers(c.keystrokes[config::kWalkAwaySlot0], preset.walkAwaySet, preset.walkAwayClear);
    for (int i = 0; i < config::kKeystrokesPerSequence; ++i)
        applyKey(c.keystrokes[config::kWalkAwaySlot0 + i], preset.walkAway[i]);
    applyModifiers(c.keystrokes[config::kWalkUpSlot0], preset.walkUpSet, preset.walkUpClear);
    for (int i = 0; i < config::kKeystrokesPerSequence; ++i)
        applyKey(c.keystrokes[config::kWalkUpSlot0 + i], preset.walkUp[i]);
}

// The sensor goes back to its factory defaults (a failure is reported and
// the preset fills the window all the same); then the window is compared
// with the reset sensor.
void applyQuickConfiguration(Form1 &form, const config::FormControls &c, const Preset &preset,
                             const config::ErrorReporter &report)
{
    exchange::window::resetFactory(report);
    applyPreset(c, preset);
    form.CheckUpdate();
}

} // namespace

void Form1::Option1_Click()
{
    applyQuickConfiguration(*this, c_, kClassicLogon, errorReporter());
}

void Form1::Option2_Click()
{
    Option1_Click();
}

void Form1::Option3_Click()
{
    applyQuickConfiguration(*this, c_, kWelcomeScreen, errorReporter());
}
