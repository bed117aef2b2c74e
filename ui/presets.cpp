// Quick configuration presets: the sensor back to its factory defaults and
// the keystroke slots filled for an operating system's logon screen.
#include "form1.h"

#include "exchange.h"
#include "keylist.h"
#include "numbers.h"
#include "presets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace {

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
void applyKey(const config::KeystrokeSlot &slot, const config::PresetKey &key)
{
    slot.codeText->setText(config::decimalText(key.code));
    qobject_cast<ui::KeyList *>(slot.list)->showKey(QString::fromLatin1(key.listText), key.code);
}

void applyPreset(const config::FormControls &c, const config::LogonKeys &preset)
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
void applyQuickConfiguration(Form1 &form, const config::FormControls &c,
                             const config::LogonKeys &preset,
                             const config::ErrorReporter &report)
{
    exchange::window::resetFactory(report);
    applyPreset(c, preset);
    form.CheckUpdate();
}

} // namespace

void Form1::Option1_Click()
{
    applyQuickConfiguration(*this, c_, *config::kLogonPresets[0].keys, errorReporter());
}

void Form1::Option2_Click()
{
    Option1_Click();
}

void Form1::Option3_Click()
{
    applyQuickConfiguration(*this, c_, *config::kLogonPresets[2].keys, errorReporter());
}
