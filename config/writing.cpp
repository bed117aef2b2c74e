#include "writing.h"

#include "keycount.h"
#include "kv3rapi.h"
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

// One keystroke sequence: where its values come from, where it goes, and
// the box that shows its count.
struct SequenceRule {
    Field delay;
    Field firstCode;
    int firstSlot;
    int16_t (*send)(WalkParms *);
    const char *operation;
    QLineEdit *FormControls::*countBox;
};

constexpr std::array<SequenceRule, 2> kSequences = {{
    {InterKeyDelay, AwayCode1, kWalkAwaySlot0, SetWalkAwayParms, "USB SetWalkAway", &FormControls::KeyCount},
    {InterKeyDelayUp, UpCode1, kWalkUpSlot0, SetWalkUpParms, "USB SetWalkUp", &FormControls::KeyCountUp},
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

// True when the call succeeded; otherwise reports it by its operation name.
bool succeeded(int16_t status, const char *operation, const ErrorReporter &report)
{
    if (status != 0)
        return true;
    if (report)
        report(QString::fromLatin1(operation));
    return false;
}

bool sendIdle(const FormControls &controls, const FieldValues &values, const ErrorReporter &report)
{
    IdleParms idle{};
    idle.PressRate = values[PressRate];
    idle.KeyMods = static_cast<int16_t>(modifierMask(controls.keystrokes[kIdleSlot]));
    idle.KeyCode = values[IdleCode];
    return succeeded(SetIdleParms(&idle), "USB SetIdleParms", report);
}

// The sonar record goes back with the reserved words the sensor gave. When
// the sensor's record cannot be fetched it is not sent at all: zeros in
// place of the reserved words would overwrite what the sensor keeps there.
bool sendSonar(const FormControls &controls, const FieldValues &values, const ErrorReporter &report)
{
    SonarParms sonar{};
    if (!succeeded(GetSonarParms(&sonar), "USB getSonarParms", report))
        return false;
    sonar.LedFlags = static_cast<int16_t>(ledMask(controls));
    sonar.MaxDist = values[MaxDist];
    sonar.ORDBTm = values[ORDBTm];
    sonar.IRDBTm = values[IRDBTm];
    sonar.StartDly = values[StartDly];
    return succeeded(SetSonarParms(&sonar), "USB SetSonarParms", report);
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

    bool allSent = sendIdle(controls, values, report);
    allSent = sendSonar(controls, values, report) && allSent;

    std::array<int16_t, kSequences.size()> counts{};
    for (std::size_t i = 0; i < kSequences.size(); ++i) {
        WalkParms walk = packSequence(controls, values, kSequences[i]);
        counts[i] = walk.KeyCount;
        allSent = succeeded(kSequences[i].send(&walk), kSequences[i].operation, report) && allSent;
    }

    // The count boxes follow what was sent, so that change detection compares
    // them with the counts the sensor now holds.
    for (std::size_t i = 0; i < kSequences.size(); ++i)
        (controls.*kSequences[i].countBox)->setText(decimalText(counts[i]));

    // Only a write that fully reached the sensor and was committed there
    // makes the window agree with it; after a failed step the window still
    // differs, and a failed commit is lost at the sensor's next power-up.
    const bool committed = succeeded(WriteCfg(), "USB WriteCfg", report);
    state.DeviceUpdated = allSent && committed;
    controls.ConfigChanged->setChecked(!state.DeviceUpdated);
    return std::nullopt;
}

} // namespace config
