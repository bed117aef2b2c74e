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

    // Text that is not a number differs from every value.
    void strict(const QLineEdit *text, int field)
    {
        const std::optional<double> value = strictNumber(text->text());
        differsIf(!value || *value != field);
    }

    void leading(const QLineEdit *text, int field)
    {
        differsIf(leadingNumber(text->text()) != field);
    }

    void box(const QCheckBox *box, int fieldBit) { differsIf(box->isChecked() != (fieldBit != 0)); }

    void mask(const KeystrokeSlot &slot, int field) { differsIf(modifierMask(slot) != field); }

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
    const KeystrokeSlot &slot = c.keystrokes[kIdleSlot];
    cmp.strict(c.PressRate, idle.PressRate);
    cmp.mask(slot, idle.KeyMods);
    cmp.leading(slot.codeText, idle.KeyCode);
}

void compareSonar(const FormControls &c, Comparison &cmp, const SonarParms &sonar)
{
    cmp.box(c.bNoShowORLED, sonar.LedFlags & KV3_LED_NO_OUT_RANGE);
    cmp.box(c.bNoShowXtLED, sonar.LedFlags & KV3_LED_NO_TRANSITION);
    cmp.box(c.bNoShowIRLED, sonar.LedFlags & KV3_LED_NO_IN_RANGE);
    cmp.strict(c.MaxDist, sonar.MaxDist);
    cmp.strict(c.ORDBTm, sonar.ORDBTm);
    cmp.strict(c.IRDBTm, sonar.IRDBTm);
    cmp.strict(c.StartDly, sonar.StartDly);
}

// The five masks, then the five code texts, of one keystroke sequence.
void compareKeystrokes(const FormControls &c, int firstSlot, const WalkParms &walk,
                       Comparison &cmp)
{
    for (int i = 0; i < kKeystrokesPerSequence; ++i)
        cmp.mask(c.keystrokes[firstSlot + i], walk.KeyMods[i]);
    for (int i = 0; i < kKeystrokesPerSequence; ++i)
        cmp.strict(c.keystrokes[firstSlot + i].codeText, walk.KeyCode[i]);
}

void compareWalkAway(const FormControls &c, Comparison &cmp, const WalkParms &away)
{
    cmp.strict(c.KeyCount, away.KeyCount);
    cmp.leading(c.InterKeyDelay, away.InterKeyDelay);
    compareKeystrokes(c, kWalkAwaySlot0, away, cmp);
}

void compareWalkUp(const FormControls &c, Comparison &cmp, const WalkParms &up)
{
    cmp.leading(c.KeyCountUp, up.KeyCount);
    cmp.leading(c.InterKeyDelayUp, up.InterKeyDelay);
    compareKeystrokes(c, kWalkUpSlot0, up, cmp);
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
         [&c, &cmp](const WalkParms &away) { compareWalkAway(c, cmp, away); },
         [&c, &cmp](const WalkParms &up) { compareWalkUp(c, cmp, up); }},
        report);
    controls.ConfigChanged->setChecked(!state.DeviceUpdated);
}

} // namespace config
