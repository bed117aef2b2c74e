#include "writing.h"

#include "exchange.h"
#include "keycount.h"
#include "masks.h"
#include "numbers.h"

#include <QCheckBox>
#include <QLineEdit>

#include <vector>

namespace config {

namespace {

// A text a write reads, where its value goes, and what a message calls it.
// A numeric setting's value must lie within its bounds.
struct WrittenText {
    QLineEdit *text;
    Reading reading;
    const char *caption;
    Page page;
    int16_t *word;
    const Bounds *bounds = nullptr;
};

// The numeric settings that the record holds.
template <typename Record>
void addNumbers(std::vector<WrittenText> &texts, const FormControls &c, Configuration &packed,
                Record Configuration::*record)
{
    forEachNumberIn(record, [&](const NumberSetting &field) {
        texts.push_back({c.number(field), field.write, field.caption, field.page, &field.word(packed),
                         &field.bounds});
    });
}

void addCode(std::vector<WrittenText> &texts, const FormControls &c, int slot, int16_t &code)
{
    const SlotSetting &setting = kSlots[slot];
    texts.push_back({c.keystrokes[slot].codeText, setting.write, setting.caption, setting.page, &code});
}

// The texts in the order of the write: idle, sonar, walk-away, walk-up, each
// record's numbers before its key codes.
std::vector<WrittenText> writtenTexts(const FormControls &c, Configuration &packed)
{
    std::vector<WrittenText> texts;
    addNumbers(texts, c, packed, &Configuration::idle);
    addCode(texts, c, kIdleKey.slot, packed.idle.KeyCode);
    addNumbers(texts, c, packed, &Configuration::sonar);
    for (const SequenceSetting &sequence : kKeySequences) {
        addNumbers(texts, c, packed, sequence.walk);
        for (int i = 0; i < kKeystrokesPerSequence; ++i)
            addCode(texts, c, sequence.firstSlot + i, (packed.*sequence.walk).KeyCode[i]);
    }
    return texts;
}

// The value the write sends; empty when the text cannot be read, or when
// its value lies outside the setting's bounds. The checks as the user types
// read the leading number with "." as decimal point, the write may read the
// whole text in the user's locale: under German "255,5" passes the check as
// 255 but is written as 256, which a 0-255 field cannot hold.
std::optional<int16_t> readText(const WrittenText &written)
{
    const QString text = written.text->text();
    const std::optional<int16_t> value =
        written.reading == Reading::Strict ? strictWholeNumber(text) : leadingNumberRounded(text);
    if (value && written.bounds && !written.bounds->holds(*value))
        return std::nullopt;
    return value;
}

// A caption or a page as messages name it: without the blank that ends some.
QString named(const char *text)
{
    return QString::fromLatin1(text).trimmed();
}

// Reads every text into `packed` before anything is sent. Returns the first
// text that cannot be read.
std::optional<UnreadableField> readTexts(const FormControls &c, Configuration &packed)
{
    for (const WrittenText &written : writtenTexts(c, packed)) {
        const std::optional<int16_t> value = readText(written);
        if (!value)
            return UnreadableField{written.text->objectName(), named(written.caption),
                                   named(pageCaption(written.page)), written.text->text(),
                                   written.caption, pageCaption(written.page)};
        *written.word = *value;
    }
    return std::nullopt;
}

// The check boxes: the LED switches and every modifier mask; each
// sequence's count follows its keys.
void packBoxes(const FormControls &c, Configuration &packed)
{
    packed.sonar.LedFlags = static_cast<int16_t>(ledMask(c));
    packed.idle.KeyMods = static_cast<int16_t>(modifierMask(c.keystrokes[kIdleKey.slot]));
    for (const SequenceSetting &sequence : kKeySequences) {
        WalkParms &walk = packed.*sequence.walk;
        for (int i = 0; i < kKeystrokesPerSequence; ++i)
            walk.KeyMods[i] = static_cast<int16_t>(modifierMask(c.keystrokes[sequence.firstSlot + i]));
        walk.KeyCount = keystrokesInUse(walk);
    }
}

// The window's sonar values over the record the sensor gave, whose reserved
// words go back as they are.
void packSonar(const Configuration &packed, SonarParms &sonar)
{
    Configuration sent{};
    sent.sonar = sonar;
    sent.sonar.LedFlags = packed.sonar.LedFlags;
    forEachNumberIn(&Configuration::sonar, [&](const NumberSetting &field) {
        field.word(sent) = valueIn(field, &Configuration::sonar, packed.sonar);
    });
    sonar = sent.sonar;
}

} // namespace

std::optional<UnreadableField> writeConfig(const FormControls &controls, FormState &state,
                                           const ErrorReporter &report)
{
    Configuration packed{};
    if (std::optional<UnreadableField> unreadable = readTexts(controls, packed))
        return unreadable;
    packBoxes(controls, packed);

    const bool written = exchange::window::write(
        {packed.idle, [&packed](SonarParms &sonar) { packSonar(packed, sonar); }, packed.walkAway, packed.walkUp},
        report);

    // The count boxes follow what was sent, so that change detection compares
    // them with the counts the sensor now holds.
    for (const SequenceSetting &sequence : kKeySequences)
        controls.keyCount(sequence)->setText(decimalText((packed.*sequence.walk).KeyCount));

    // Only a write that fully reached the sensor and was committed there
    // makes the window agree with it; after a failed step the window still
    // differs.
    state.DeviceUpdated = written;
    controls.ConfigChanged->setChecked(!state.DeviceUpdated);
    return std::nullopt;
}

} // namespace config
