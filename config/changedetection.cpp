#include "changedetection.h"

#include "exchange.h"
#include "masks.h"
#include "numbers.h"

#include <QCheckBox>
#include <QLineEdit>

namespace config {

namespace {

// Compares controls with record fields; every difference clears
// DeviceUpdated. There is no early exit: all comparisons run.
class Comparison {
public:
    explicit Comparison(FormState &state) : state_(state) {}

    // Strict: text that is not a number differs from every value.
    void text(const QLineEdit *text, Reading reading, int field)
    {
        if (reading == Reading::Leading) {
            differsIf(leadingNumber(text->text()) != field);
            return;
        }
        const std::optional<double> value = strictNumber(text->text());
        differsIf(!value || *value != field);
    }

    void box(const QCheckBox *box, bool fieldSet) { differsIf(box->isChecked() != fieldSet); }

    void mask(const KeystrokeSlot &slot, int field) { differsIf(modifierMask(slot) != field); }

    // The numeric settings that the record holds.
    template <typename Record>
    void numbers(const FormControls &c, Record Configuration::*record, const Record &values)
    {
        forEachNumberIn(record, [&](const NumberSetting &field) {
            text(c.number(field), field.compare, valueIn(field, record, values));
        });
    }

private:
    void differsIf(bool differs)
    {
        if (differs)
            state_.DeviceUpdated = false;
    }

    FormState &state_;
};

void compareIdle(const FormControls &c, Comparison &cmp, const IdleParms &idle)
{
    const KeystrokeSlot &slot = c.keystrokes[kIdleKey.slot];
    cmp.numbers(c, &Configuration::idle, idle);
    cmp.mask(slot, idle.KeyMods);
    cmp.text(slot.codeText, kSlots[kIdleKey.slot].compare, idle.KeyCode);
}

void compareSonar(const FormControls &c, Comparison &cmp, const SonarParms &sonar)
{
    for (const LedSetting &led : kLeds)
        cmp.box(c.led(led), (sonar.LedFlags & led.offBit) != 0);
    cmp.numbers(c, &Configuration::sonar, sonar);
}

// The count and the delay, then the five masks and the five code texts.
void compareSequence(const FormControls &c, Comparison &cmp, const SequenceSetting &sequence,
                     const WalkParms &walk)
{
    cmp.text(c.keyCount(sequence), sequence.countCompare, walk.KeyCount);
    cmp.numbers(c, sequence.walk, walk);
    for (int i = 0; i < kKeystrokesPerSequence; ++i)
        cmp.mask(c.keystrokes[sequence.firstSlot + i], walk.KeyMods[i]);
    for (int i = 0; i < kKeystrokesPerSequence; ++i) {
        const int slot = sequence.firstSlot + i;
        cmp.text(c.keystrokes[slot].codeText, kSlots[slot].compare, walk.KeyCode[i]);
    }
}

} // namespace

void checkUpdate(const FormControls &controls, FormState &state, const ErrorReporter &report)
{
    state.DeviceUpdated = true;
    controls.ConfigChanged->setChecked(false);
    if (state.FirstLoad == 1)
        return;

    Comparison cmp(state);
    const FormControls &c = controls;
    exchange::window::readForComparison(
        {[&c, &cmp](const IdleParms &idle) { compareIdle(c, cmp, idle); },
         [&c, &cmp](const SonarParms &sonar) { compareSonar(c, cmp, sonar); },
         {},
         [&c, &cmp](const WalkParms &away) { compareSequence(c, cmp, kKeySequences[0], away); },
         [&c, &cmp](const WalkParms &up) { compareSequence(c, cmp, kKeySequences[1], up); }},
        report);
    controls.ConfigChanged->setChecked(!state.DeviceUpdated);
}

} // namespace config
