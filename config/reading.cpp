#include "reading.h"

#include "exchange.h"
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

void showIdle(const FormControls &c, const IdleParms &idle)
{
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

void showSonar(const FormControls &c, const SonarParms &sonar)
{
    showLedFlags(c, sonar.LedFlags);
    setNumber(c.MaxDist, sonar.MaxDist);
    setNumber(c.ORDBTm, sonar.ORDBTm);
    setNumber(c.IRDBTm, sonar.IRDBTm);
    setNumber(c.StartDly, sonar.StartDly);
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

void showWalkAway(const FormControls &c, const WalkParms &away)
{
    setNumber(c.KeyCount, away.KeyCount);
    setNumber(c.InterKeyDelay, away.InterKeyDelay);
    for (std::size_t i = 0; i < c.KeyMods.size(); ++i)
        setNumber(c.KeyMods[i], away.KeyMods[i]);
    for (int i = 0; i < kKeystrokesPerSequence; ++i)
        setNumber(c.keystrokes[kWalkAwaySlot0 + i].codeText, away.KeyCode[i]);
    showKeystrokes(c, kWalkAwaySlot0, away);
}

void showWalkUp(const FormControls &c, const WalkParms &up)
{
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
    // Each record's controls are filled right after it arrives, before the
    // next one is fetched.
    const FormControls &c = controls;
    exchange::window::read({[&c](const IdleParms &idle) { showIdle(c, idle); },
                            [&c](const SonarParms &sonar) { showSonar(c, sonar); },
                            [&c](const ObjRangeInfo &range) { showRange(c, range); },
                            [&c](const WalkParms &away) { showWalkAway(c, away); },
                            [&c](const WalkParms &up) { showWalkUp(c, up); }},
                           report);
    if (state.FirstLoad == 1)
        state.FirstLoad = 0;
}

} // namespace config
