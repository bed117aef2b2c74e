// Quick configuration presets: the sensor back to its factory defaults and
// the keystroke slots filled for an operating system's logon screen.
#include "form1.h"

#include "announcer.h"
#include "exchange.h"
#include "keylist.h"
#include "masks.h"
#include "numbers.h"
#include "presets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>

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

// The modifiers as a keystroke is spoken, in the order of their bits.
struct SpokenModifier {
    int bit;
    const char *name;
};

constexpr std::array<SpokenModifier, 8> kSpokenModifiers = {{
    {config::LeftCtrl, QT_TRANSLATE_NOOP("Form1", "Ctrl")},
    {config::LeftShift, QT_TRANSLATE_NOOP("Form1", "Shift")},
    {config::LeftAlt, QT_TRANSLATE_NOOP("Form1", "Alt")},
    {config::LeftGui, QT_TRANSLATE_NOOP("Form1", "GUI")},
    {config::RightCtrl, QT_TRANSLATE_NOOP("Form1", "Right Ctrl")},
    {config::RightShift, QT_TRANSLATE_NOOP("Form1", "Right Shift")},
    {config::RightAlt, QT_TRANSLATE_NOOP("Form1", "Right Alt")},
    {config::RightGui, QT_TRANSLATE_NOOP("Form1", "Right GUI")},
}};

// A slot's keystroke as spoken, "Ctrl+Alt+DELETE"; empty for no key.
QString spokenKeystroke(const config::KeystrokeSlot &slot)
{
    if (config::leadingNumber(slot.codeText->text()) == 0)
        return QString();
    QStringList parts;
    const int mask = config::modifierMask(slot);
    for (const SpokenModifier &modifier : kSpokenModifiers)
        if (mask & modifier.bit)
            parts << QCoreApplication::translate("Form1", modifier.name);
    parts << slot.list->currentText();
    return parts.join(QLatin1Char('+'));
}

QStringList spokenSequence(const config::FormControls &c, const config::SequenceSetting &sequence)
{
    QStringList keys;
    for (int i = 0; i < config::kKeystrokesPerSequence; ++i) {
        const QString key = spokenKeystroke(c.keystrokes[sequence.firstSlot + i]);
        if (!key.isEmpty())
            keys << key;
    }
    return keys;
}

} // namespace

// What the preset set, in whole sentences: the option chosen, the walk-away
// and walk-up keystrokes, and whether the window now differs from the
// sensor. (The option keeps the focus, and the announcement cuts short what
// the screen reader was saying of it, so it names the option again.)
void Form1::tellPreset()
{
    QStringList sentences;
    for (const QRadioButton *option : {w_.Option1, w_.Option2, w_.Option3})
        if (option->isChecked())
            sentences << tr("%1 is chosen.").arg(option->text());
    const QStringList away = spokenSequence(c_, config::kKeySequences[0]);
    sentences << (away.isEmpty() ? tr("No walk-away keystrokes.")
                                 : tr("Walk-away keystrokes: %1.")
                                       .arg(QLocale().createSeparatedList(away)));
    const QStringList up = spokenSequence(c_, config::kKeySequences[1]);
    sentences << (up.isEmpty() ? tr("No walk-up keystrokes.")
                               : tr("Walk-up keystrokes: %1.")
                                     .arg(QLocale().createSeparatedList(up)));
    sentences << stateSentence();
    announcer_->announce(sentences.join(QLatin1Char(' ')));
}

// Assistive technology hears the preset announced first, then of each
// changed control once.
void Form1::Option1_Click()
{
    const ui::ChangesToldOnce once(this);
    applyQuickConfiguration(*this, c_, *config::kLogonPresets[0].keys, errorReporter());
    tellPreset();
}

void Form1::Option2_Click()
{
    Option1_Click();
}

void Form1::Option3_Click()
{
    const ui::ChangesToldOnce once(this);
    applyQuickConfiguration(*this, c_, *config::kLogonPresets[2].keys, errorReporter());
    tellPreset();
}
