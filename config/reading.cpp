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

// The numeric settings that the record holds, into their boxes.
template <typename Record>
void showNumbers(const FormControls &c, Record Configuration::*record, const Record &values)
{
    forEachNumberIn(record, [&](const NumberSetting &field) {
        setNumber(c.number(field), valueIn(field, record, values));
    });
}

void showIdle(const FormControls &c, const IdleParms &idle)
{
    const KeystrokeSlot &slot = c.keystrokes[kIdleKey.slot];
    showNumbers(c, &Configuration::idle, idle);
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
    showNumbers(c, &Configuration::sonar, sonar);
}

// A sequence's count and delay, its five code texts, then its keystrokes:
// masks over the check boxes, position by position, then each list selects
// the row of the code its code text now holds.
void showSequence(const FormControls &c, const SequenceSetting &sequence, const WalkParms &walk)
{
    setNumber(c.keyCount(sequence), walk.KeyCount);
    showNumbers(c, sequence.walk, walk);
    for (int i = 0; i < kKeystrokesPerSequence; ++i)
        setNumber(c.keystrokes[sequence.firstSlot + i].codeText, walk.KeyCode[i]);
    for (int i = 0; i < kKeystrokesPerSequence; ++i)
        showModifierMask(c.keystrokes[sequence.firstSlot + i], walk.KeyMods[i]);
    for (int i = 0; i < kKeystrokesPerSequence; ++i) {
        const KeystrokeSlot &slot = c.keystrokes[sequence.firstSlot + i];
        selectByCode(slot.list, static_cast<int>(leadingNumber(slot.codeText->text())));
    }
}

void showWalkAway(const FormControls &c, const WalkParms &away)
{
    // The window also keeps the six walk-away masks in hidden boxes.
    for (std::size_t i = 0; i < c.KeyMods.size(); ++i)
        setNumber(c.KeyMods[i], away.KeyMods[i]);
    showSequence(c, kKeySequences[0], away);
}

void showWalkUp(const FormControls &c, const WalkParms &up)
{
    // The sixth walk-up keystroke's code goes to the frame out of sight.
    setNumber(c.keystrokes[kSixthSlot].codeText, up.KeyCode[kKeystrokesPerSequence]);
    showSequence(c, kKeySequences[1], up);
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
