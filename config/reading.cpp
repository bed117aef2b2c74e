#include "reading.h"

#include "keytable.h"
#include "masks.h"
#include "numbers.h"

#include <QComboBox>
#include <QLineEdit>

namespace config {

namespace {

void setNumber(QLineEdit *text, int value)
{
    text->setText(decimalText(value));
}

void readIdle(const FormControls &c, const ErrorReporter &report)
{
    IdleParms idle{};
    if (GetIdleParms(&idle) == 0)
        report(QStringLiteral("USB ReadIdleParms"));
    const KeystrokeSlot &slot = c.keystrokes[kIdleSlot];
    setNumber(c.PressRate, idle.PressRate);
    showModifierMask(slot, idle.KeyMods);
    selectByCode(slot.list, idle.KeyCode);
    // The idle code text is filled by its list's handler; a code that no row
    // carries goes in directly, so that the window always holds the code
    // the sensor has.
    if (slot.list->findData(int{idle.KeyCode}) < 0)
        setNumber(slot.codeText, idle.KeyCode);
}

void readSonar(const FormControls &c, const ErrorReporter &report)
{
    SonarParms sonar{};
    if (GetSonarParms(&sonar) == 0)
        report(QStringLiteral("USB ReadSonarParms"));
    showLedFlags(c, sonar.LedFlags);
    setNumber(c.MaxDist, sonar.MaxDist);
    setNumber(c.ORDBTm, sonar.ORDBTm);
    setNumber(c.IRDBTm, sonar.IRDBTm);
    setNumber(c.StartDly, sonar.StartDly);
}

void readRange(const FormControls &c, const ErrorReporter &report)
{
    ObjRangeInfo range{};
    if (GetObjRangeInfo(&range) == 0)
        report(QStringLiteral("USB Getrange"));
    showRange(c, range);
}

// Masks over the check boxes, position by position, then each list selects
// the row of the code its code text now holds.
void showKeystrokes(const FormControls &c, int firstSlot, const WalkParms &walk)
{
    for (int i = 0; i < kKeystrokesPerSequence; ++i)
        showModifierMask(c.keystrokes[firstSlot + i], walk.KeyMods[i]);
    for (int i = 0; i < kKeystrokesPerSequence; ++i) {
        const KeystrokeSlot &slot = c.keystrokes[firstSlot + i];
        selectByCode(slot.list, static_cast<int>(leadingNumber(slot.codeText->text())));
    }
}

void readWalkAway(const FormControls &c, const ErrorReporter &report)
{
    WalkParms away{};
    if (GetWalkAwayParms(&away) == 0)
        report(QStringLiteral("USB ReadWalkAway"));
    setNumber(c.KeyCount, away.KeyCount);
    setNumber(c.InterKeyDelay, away.InterKeyDelay);
    for (std::size_t i = 0; i < c.KeyMods.size(); ++i)
        setNumber(c.KeyMods[i], away.KeyMods[i]);
    for (int i = 0; i < kKeystrokesPerSequence; ++i)
        setNumber(c.keystrokes[kWalkAwaySlot0 + i].codeText, away.KeyCode[i]);
    showKeystrokes(c, kWalkAwaySlot0, away);
}

void readWalkUp(const FormControls &c, const ErrorReporter &report)
{
    WalkParms up{};
    if (GetWalkUpParms(&up) == 0)
        report(QStringLiteral("USB ReadWalkUp"));
    setNumber(c.KeyCountUp, up.KeyCount);
    setNumber(c.InterKeyDelayUp, up.InterKeyDelay);
    // Six code texts: the sixth keystroke's code goes to the frame out of sight.
    for (int i = 0; i <= kKeystrokesPerSequence; ++i)
        setNumber(c.keystrokes[kWalkUpSlot0 + i].codeText, up.KeyCode[i]);
    showKeystrokes(c, kWalkUpSlot0, up);
}

} // namespace

void showRange(const FormControls &controls, const ObjRangeInfo &range)
{
    setNumber(controls.wCurrRange, range.wCurrRange);
    setNumber(controls.bInRange, range.bInRange);
    setNumber(controls.bInRangePend, range.bInRangePend);
    setNumber(controls.bOutRangePend, range.bOutRangePend);
}

void readConfig(const FormControls &controls, FormState &state, const ErrorReporter &report)
{
    readIdle(controls, report);
    readSonar(controls, report);
    readRange(controls, report);
    readWalkAway(controls, report);
    readWalkUp(controls, report);
    if (state.FirstLoad == 1)
        state.FirstLoad = 0;
}

} // namespace config
