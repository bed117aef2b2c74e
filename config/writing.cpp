#include "writing.h"

#include "exchange.h"
#include "keycount.h"
#include "masks.h"
#include "numbers.h"

#include <QCheckBox>
#include <QLineEdit>

#include <array>
#include <cstddef>

namespace config {

namespace {

// The texts a write reads, in the order of the write: idle, sonar, walk-away, walk-up.
enum Field : std::size_t {
    PressRate,
    IdleCode,
    MaxDist,
    ORDBTm,
    IRDBTm,
    StartDly,
    InterKeyDelay,
    AwayCode1, // Key1Code ... Key5Code follow
    InterKeyDelayUp = AwayCode1 + kKeystrokesPerSequence,
    UpCode1,   // Text4(0) ... Text4(4) follow
    kFieldCount = UpCode1 + kKeystrokesPerSequence,
};

enum class Reading { StrictWhole, LeadingRounded };

constexpr const char *kAboutPage = "About";
constexpr const char *kSetupPage = "Initial Setup";
constexpr const char *kWalkAwayPage = "Walk-Away Keystrokes";
constexpr const char *kWalkUpPage = "Walk-Up Keystrokes";

// Where a field's text is and how it is read. A field without a text box of
// its own is the code text of a keystroke slot.
struct FieldRule {
    QLineEdit *FormControls::*text;
    int slot;
    Reading reading;
    const char *caption;
    const char *page;
};

constexpr Reading kStrict = Reading::StrictWhole;
constexpr Reading kRounded = Reading::LeadingRounded;

constexpr std::array<FieldRule, kFieldCount> kFields = {{
    {&FormControls::PressRate, -1, kStrict, "Keep Alive Rate (0-255)", kAboutPage},
    {nullptr, kIdleSlot, kStrict, "Idle Keystroke", kAboutPage},
    {&FormControls::MaxDist, -1, kRounded, "Detection range (24-42 inches)", kSetupPage},
    {&FormControls::ORDBTm, -1, kRounded, "Walk-Away Delay before sending keystrokes", kSetupPage},
    {&FormControls::IRDBTm, -1, kRounded, "Walk-Up Delay before sending keystrokes", kSetupPage},
    {&FormControls::StartDly, -1, kRounded, "Power-up Delay", kSetupPage},
    {&FormControls::InterKeyDelay, -1, kStrict, "Key delay", kWalkAwayPage},
    {nullptr, kWalkAwaySlot0 + 0, kStrict, "Keystroke 1", kWalkAwayPage},
    {nullptr, kWalkAwaySlot0 + 1, kStrict, "Keystroke 2", kWalkAwayPage},
    {nullptr, kWalkAwaySlot0 + 2, kStrict, "Keystroke 3", kWalkAwayPage},
    {nullptr, kWalkAwaySlot0 + 3, kStrict, "Keystroke 4", kWalkAwayPage},
    {nullptr, kWalkAwaySlot0 + 4, kStrict, "Keystroke 5", kWalkAwayPage},
    {&FormControls::InterKeyDelayUp, -1, kStrict, "Key delay", kWalkUpPage},
    {nullptr, kWalkUpSlot0 + 0, kRounded, "Keystroke 1", kWalkUpPage},
    {nullptr, kWalkUpSlot0 + 1, kRounded, "Keystroke 2", kWalkUpPage},
    {nullptr, kWalkUpSlot0 + 2, kRounded, "Keystroke 3", kWalkUpPage},
    {nullptr, kWalkUpSlot0 + 3, kRounded, "Keystroke 4", kWalkUpPage},
    {nullptr, kWalkUpSlot0 + 4, kRounded, "Keystroke 5", kWalkUpPage},
}};
static_assert(kFields.back().caption != nullptr, "a row for every field");

using FieldValues = std::array<int16_t, kFieldCount>;

// One keystroke sequence: where its values come from and the box that
// shows its count.
struct SequenceRule {
    Field delay;
    Field firstCode;
    int firstSlot;
    QLineEdit *FormControls::*countBox;
};

constexpr std::array<SequenceRule, 2> kSequences = {{
    {InterKeyDelay, AwayCode1, kWalkAwaySlot0, &FormControls::KeyCount},
    {InterKeyDelayUp, UpCode1, kWalkUpSlot0, &FormControls::KeyCountUp},
}};

QLineEdit *fieldText(const FormControls &controls, const FieldRule &rule)
{
    return rule.text ? controls.*rule.text : controls.keystrokes[rule.slot].codeText;
}

std::optional<int16_t> readField(const QLineEdit *text, Reading reading)
{
    return reading == Reading::StrictWhole ? strictWholeNumber(text->text())
                                           : leadingNumberRounded(text->text());
}

// Reads every field into `values` before anything is sent. Returns the
// first field that cannot be read.
std::optional<UnreadableField> readFields(const FormControls &controls, FieldValues &values)
{
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        const QLineEdit *text = fieldText(controls, kFields[i]);
        const std::optional<int16_t> value = readField(text, kFields[i].reading);
        if (!value)
            return UnreadableField{text->objectName(), QString::fromLatin1(kFields[i].caption),
                                   QString::fromLatin1(kFields[i].page), text->text()};
        values[i] = *value;
    }
    return std::nullopt;
}

IdleParms packIdle(const FormControls &controls, const FieldValues &values)
{
    IdleParms idle{};
    idle.PressRate = values[PressRate];
    idle.KeyMods = static_cast<int16_t>(modifierMask(controls.keystrokes[kIdleSlot]));
    idle.KeyCode = values[IdleCode];
    return idle;
}

// The window's sonar values over the record the sensor gave, whose reserved
// words go back as they are.
void packSonar(const FormControls &controls, const FieldValues &values, SonarParms &sonar)
{
    sonar.LedFlags = static_cast<int16_t>(ledMask(controls));
    sonar.MaxDist = values[MaxDist];
    sonar.ORDBTm = values[ORDBTm];
    sonar.IRDBTm = values[IRDBTm];
    sonar.StartDly = values[StartDly];
}

WalkParms packSequence(const FormControls &controls, const FieldValues &values, const SequenceRule &rule)
{
    WalkParms walk{};
    walk.InterKeyDelay = values[rule.delay];
    for (int i = 0; i < kKeystrokesPerSequence; ++i) {
        walk.KeyMods[i] = static_cast<int16_t>(modifierMask(controls.keystrokes[rule.firstSlot + i]));
        walk.KeyCode[i] = values[rule.firstCode + i];
    }
    walk.KeyCount = keystrokesInUse(walk);
    return walk;
}

} // namespace

std::optional<UnreadableField> writeConfig(const FormControls &controls, FormState &state,
                                           const ErrorReporter &report)
{
    FieldValues values{};
    if (std::optional<UnreadableField> unreadable = readFields(controls, values))
        return unreadable;

    const exchange::window::Records records{
        packIdle(controls, values),
        [&controls, &values](SonarParms &sonar) { packSonar(controls, values, sonar); },
        packSequence(controls, values, kSequences[0]),
        packSequence(controls, values, kSequences[1]),
    };
    const bool written = exchange::window::write(records, report);

    // The count boxes follow what was sent, so that change detection compares
    // them with the counts the sensor now holds.
    const std::array<const WalkParms *, kSequences.size()> sent = {&records.walkAway, &records.walkUp};
    for (std::size_t i = 0; i < kSequences.size(); ++i)
        (controls.*kSequences[i].countBox)->setText(decimalText(sent[i]->KeyCount));

    // Only a write that fully reached the sensor and was committed there
    // makes the window agree with it; after a failed step the window still
    // differs.
    state.DeviceUpdated = written;
    controls.ConfigChanged->setChecked(!state.DeviceUpdated);
    return std::nullopt;
}

} // namespace config
