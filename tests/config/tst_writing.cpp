#include "formcontrols.h"
#include "kv3sim.h"
#include "writing.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QtTest>

#include <cstring>
#include <functional>
#include <map>
#include <memory>

namespace {

// The controls a write reads, as plain widgets named like the window's,
// holding texts that every reading accepts.
class Controls {
public:
    Controls()
    {
        config::FormControls &f = form;
        const std::map<QString, const char *> texts = {
            {QStringLiteral("PressRate"), "0"}, {QStringLiteral("MaxDist"), "36"},
            {QStringLiteral("ORDBTm"), "5"},    {QStringLiteral("IRDBTm"), "2"},
            {QStringLiteral("StartDly"), "0"},  {QStringLiteral("InterKeyDelay"), "1"},
            {QStringLiteral("InterKeyDelayUp"), "1"}};
        for (const config::NumberSetting &field : config::kNumbers)
            f.numbers[config::indexOf(field)] = addText(QString::fromLatin1(field.control), texts.at(QString::fromLatin1(field.control)));
        for (std::size_t i = 0; i < config::kLeds.size(); ++i)
            f.leds[i] = addBox(QString::fromLatin1(config::kLeds[i].control));
        for (std::size_t i = 0; i < config::kKeySequences.size(); ++i)
            f.keyCounts[i] = addText(QString::fromLatin1(config::kKeySequences[i].countControl), "9");
        f.ConfigChanged = addBox("ConfigChanged");
        f.ConfigChanged->setChecked(true);
        for (int slot = 0; slot < config::kSlotCount; ++slot) {
            const QString code = slot < config::kWalkUpSlot0 ? QStringLiteral("Key%1Code").arg(slot + 1)
                                                             : QStringLiteral("Text4(%1)").arg(slot - config::kWalkUpSlot0);
            f.keystrokes[slot].codeText = addText(code, "0");
            for (std::size_t i = 0; i < config::kModifiers.size(); ++i)
                f.keystrokes[slot].mods[i] = addBox(QStringLiteral("Key1Mods%1(%2)").arg(config::kModifiers[i].bit).arg(slot));
        }
    }

    QLineEdit *text(const QString &name) const { return m_parent.findChild<QLineEdit *>(name); }
    QCheckBox *box(const QString &name) const { return m_parent.findChild<QCheckBox *>(name); }

    // Checks the boxes of a slot whose bit is set in `mask`.
    void setModifiers(int slot, int mask)
    {
        for (std::size_t i = 0; i < config::kModifiers.size(); ++i)
            form.keystrokes[slot].mods[i]->setChecked((mask & config::kModifiers[i].bit) != 0);
    }

    config::FormControls form;

private:
    QLineEdit *addText(const QString &name, const char *text)
    {
        auto *edit = new QLineEdit(QString::fromLatin1(text), &m_parent);
        edit->setObjectName(name);
        return edit;
    }
    QCheckBox *addBox(const QString &name)
    {
        auto *box = new QCheckBox(&m_parent);
        box->setObjectName(name);
        return box;
    }

    QWidget m_parent;
};

// The record's words as the trace shows them: "0,0,0,0,36,5,2,0".
template <typename Record>
QString words(const Record &record)
{
    std::array<int16_t, sizeof(Record) / 2> values{};
    std::memcpy(values.data(), &record, sizeof(Record));
    QStringList texts;
    for (int16_t value : values)
        texts << QString::number(value);
    return texts.join(u',');
}

QString words(const kv3sim::Configuration &c)
{
    return QStringList{words(c.sonar), words(c.idle), words(c.walkAway), words(c.walkUp)}.join(u" | ");
}

// A stored configuration with a distinct value in every word, reserved words included.
kv3sim::Configuration everyWordSet()
{
    kv3sim::Configuration c;
    c.sonar = {7, 11, 22, 33, 30, 6, 3, 1};
    c.idle = {41, 42, 43, 44, 45, 46, 47, 48};
    c.walkAway = {4, 2, {1, 2, 3, 4, 5, 6}, 51, 52, {10, 11, 12, 13, 14, 15}};
    c.walkUp = {3, 1, {8, 7, 6, 5, 4, 3}, 61, 62, {20, 21, 22, 23, 24, 25}};
    return c;
}

// A fresh sensor holding `stored`, connected and read; the trace starts empty.
void connectSensor(const kv3sim::Configuration &stored, std::vector<kv3sim::Failure> failures = {})
{
    kv3sim::Settings settings;
    settings.failures = std::move(failures);
    kv3sim::reset(settings);
    kv3sim::setTraceEnabled(true);
    kv3sim::setStored(stored);
    int32_t version = 0;
    QVERIFY(USBConnect(&version) != 0);
    QVERIFY(ReadCfg() != 0);
    kv3sim::clearTrace();
}

QStringList calledFunctions()
{
    QStringList names;
    for (const std::string &line : kv3sim::trace())
        names << QString::fromStdString(line).section(u' ', 0, 0);
    return names;
}

const QStringList kCallOrder = {"SetIdleParms", "GetSonarParms", "SetSonarParms",
                                "SetWalkAwayParms", "SetWalkUpParms", "WriteCfg"};

// The value that a write sent for a control, as the sensor now holds it.
int sentFor(const QString &control)
{
    using Get = std::function<int(const kv3sim::Configuration &)>;
    static const std::map<QString, Get> fields = {
        {"PressRate", [](const auto &c) { return c.idle.PressRate; }},
        {"Key6Code", [](const auto &c) { return c.idle.KeyCode; }},
        {"MaxDist", [](const auto &c) { return c.sonar.MaxDist; }},
        {"ORDBTm", [](const auto &c) { return c.sonar.ORDBTm; }},
        {"IRDBTm", [](const auto &c) { return c.sonar.IRDBTm; }},
        {"StartDly", [](const auto &c) { return c.sonar.StartDly; }},
        {"InterKeyDelay", [](const auto &c) { return c.walkAway.InterKeyDelay; }},
        {"Key1Code", [](const auto &c) { return c.walkAway.KeyCode[0]; }},
        {"InterKeyDelayUp", [](const auto &c) { return c.walkUp.InterKeyDelay; }},
        {"Text4(0)", [](const auto &c) { return c.walkUp.KeyCode[0]; }},
        {"Text4(1)", [](const auto &c) { return c.walkUp.KeyCode[1]; }},
    };
    return fields.at(control)(kv3sim::working());
}

} // namespace

class TestWriting : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void keyCount_data();
    void keyCount();
    void idleModifierMask_data();
    void idleModifierMask();
    void ledFlags_data();
    void ledFlags();
    void readings_data();
    void readings();
    void sentRecordsAreCommitted();
    void unreadableTextRefusesWrite_data();
    void unreadableTextRefusesWrite();
    void writeReadingOutsideBounds_data();
    void writeReadingOutsideBounds();
    void failedCalls_data();
    void failedCalls();

private:
    std::optional<config::UnreadableField> write();

    std::unique_ptr<Controls> m_controls;
    config::FormState m_state;
    QStringList m_reported;
};

void TestWriting::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestWriting::init()
{
    m_controls = std::make_unique<Controls>();
    m_state = config::FormState{};
    m_state.FirstLoad = 0;
    m_state.DeviceUpdated = false;
    m_reported.clear();
    connectSensor(everyWordSet());
}

std::optional<config::UnreadableField> TestWriting::write()
{
    return config::writeConfig(m_controls->form, m_state,
                               [this](const QString &operation) { m_reported << operation; });
}

void TestWriting::keyCount_data()
{
    QTest::addColumn<bool>("walkUp");
    QTest::addColumn<QList<int>>("masks");
    QTest::addColumn<QList<int>>("codes");
    QTest::addColumn<int>("count");

    struct Case {
        const char *name;
        QList<int> masks;
        QList<int> codes;
        int count;
    };
    const Case cases[] = {
        {"all empty", {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, 0},
        {"only third empty", {0, 0, 0, 0, 0}, {4, 5, 0, 7, 8}, 4},
        {"first and third set", {1, 0, 0, 0, 0}, {4, 0, 6, 0, 0}, 2},
        {"modifiers without code", {0, 2, 0, 0, 0}, {0, 0, 0, 0, 0}, 1},
        {"code without modifiers", {0, 0, 0, 0, 0}, {0, 0, 0, 0, 9}, 1},
        {"mask 0x81", {0x81, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, 1},
    };
    for (const Case &c : cases) {
        QTest::addRow("walk-away: %s", c.name) << false << c.masks << c.codes << c.count;
        QTest::addRow("walk-up: %s", c.name) << true << c.masks << c.codes << c.count;
    }
}

// Empty keystrokes lower the count but keep their places.
void TestWriting::keyCount()
{
    QFETCH(bool, walkUp);
    QFETCH(QList<int>, masks);
    QFETCH(QList<int>, codes);
    QFETCH(int, count);

    const int firstSlot = walkUp ? config::kWalkUpSlot0 : config::kWalkAwaySlot0;
    for (int i = 0; i < config::kKeystrokesPerSequence; ++i) {
        m_controls->setModifiers(firstSlot + i, masks[i]);
        m_controls->form.keystrokes[firstSlot + i].codeText->setText(QString::number(codes[i]));
    }

    QVERIFY(!write());

    const WalkParms sent = walkUp ? kv3sim::working().walkUp : kv3sim::working().walkAway;
    QCOMPARE(sent.KeyCount, count);
    for (int i = 0; i < config::kKeystrokesPerSequence; ++i) {
        QCOMPARE(sent.KeyMods[i], masks[i]);
        QCOMPARE(sent.KeyCode[i], codes[i]);
    }
    const QLineEdit *countBox = m_controls->form.keyCounts[walkUp ? 1 : 0];
    QCOMPARE(countBox->text(), QString::number(count));
}

void TestWriting::idleModifierMask_data()
{
    QTest::addColumn<QStringList>("checked");
    QTest::addColumn<int>("keyMods");

    QTest::newRow("none") << QStringList{} << 0;
    QTest::newRow("left Ctrl and left Alt") << QStringList{"Key1Mods1(5)", "Key1Mods4(5)"} << 5;
    QTest::newRow("left Ctrl and right GUI") << QStringList{"Key1Mods1(5)", "Key1Mods128(5)"} << 129;
    QTest::newRow("right Shift") << QStringList{"Key1Mods32(5)"} << 32;
}

// The idle keystroke's boxes are summed by their bit values; other slots play no part.
void TestWriting::idleModifierMask()
{
    QFETCH(QStringList, checked);
    QFETCH(int, keyMods);

    m_controls->setModifiers(config::kIdleSlot - 1, 0xFF);
    m_controls->setModifiers(config::kIdleSlot + 1, 0xFF);
    for (const QString &name : checked)
        m_controls->box(name)->setChecked(true);

    QVERIFY(!write());
    QCOMPARE(kv3sim::working().idle.KeyMods, keyMods);
}

void TestWriting::ledFlags_data()
{
    QTest::addColumn<bool>("noInRange");
    QTest::addColumn<bool>("noOutRange");
    QTest::addColumn<bool>("noTransition");
    QTest::addColumn<int>("ledFlags");

    QTest::newRow("all shown") << false << false << false << 0;
    QTest::newRow("in-range off") << true << false << false << 1;
    QTest::newRow("out-of-range and transition off") << false << true << true << 6;
    QTest::newRow("all off") << true << true << true << 7;
}

// The whole word is replaced: bits the sensor held beyond the three LEDs go as zero.
void TestWriting::ledFlags()
{
    QFETCH(bool, noInRange);
    QFETCH(bool, noOutRange);
    QFETCH(bool, noTransition);
    QFETCH(int, ledFlags);

    kv3sim::Configuration held = everyWordSet();
    held.sonar.LedFlags = 0x7FF8;
    connectSensor(held);
    m_controls->box(QStringLiteral("bNoShowIRLED"))->setChecked(noInRange);
    m_controls->box(QStringLiteral("bNoShowORLED"))->setChecked(noOutRange);
    m_controls->box(QStringLiteral("bNoShowXtLED"))->setChecked(noTransition);

    QVERIFY(!write());
    QCOMPARE(kv3sim::working().sonar.LedFlags, ledFlags);
}

void TestWriting::readings_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("sent");

    QTest::newRow("MaxDist half to even, down") << "MaxDist" << "36.5" << 36;
    QTest::newRow("MaxDist half to even, up") << "MaxDist" << "37.5" << 38;
    QTest::newRow("MaxDist leading number") << "MaxDist" << "40 in" << 40;
    QTest::newRow("ORDBTm no number") << "ORDBTm" << "abc" << 0;
    QTest::newRow("IRDBTm exponent") << "IRDBTm" << "1e1" << 10;
    QTest::newRow("StartDly blanks") << "StartDly" << "  3" << 3;
    QTest::newRow("PressRate half to even") << "PressRate" << "2.5" << 2;
    QTest::newRow("PressRate blanks around") << "PressRate" << " 3.5 " << 4;
    QTest::newRow("Key6Code") << "Key6Code" << "40" << 40;
    QTest::newRow("InterKeyDelay") << "InterKeyDelay" << "7" << 7;
    QTest::newRow("Key1Code") << "Key1Code" << "-4" << -4;
    QTest::newRow("InterKeyDelayUp") << "InterKeyDelayUp" << "1.5" << 2;
    QTest::newRow("walk-up code empty") << "Text4(0)" << "" << 0;
    QTest::newRow("walk-up code leading number") << "Text4(1)" << "12.5x" << 12;
}

void TestWriting::readings()
{
    QFETCH(QString, control);
    QFETCH(QString, text);
    QFETCH(int, sent);

    m_controls->text(control)->setText(text);
    QVERIFY(!write());
    QCOMPARE(sentFor(control), sent);
}

// Every word sent and committed: the sonar record's reserved words come back
// from the sensor, every other word the window does not fill goes as zero,
// slot 11 is not written, and the window's texts keep their form.
void TestWriting::sentRecordsAreCommitted()
{
    Controls &c = *m_controls;
    c.text("PressRate")->setText("60");
    c.setModifiers(config::kIdleSlot, 0x05);
    c.text("Key6Code")->setText("69");
    c.box(QStringLiteral("bNoShowORLED"))->setChecked(true);
    c.text("MaxDist")->setText("36.5");
    c.text("ORDBTm")->setText("8");
    c.text("IRDBTm")->setText("4");
    c.text("StartDly")->setText("2");
    c.text("InterKeyDelay")->setText("3");
    c.setModifiers(0, 0x08);
    c.text("Key1Code")->setText("15");
    c.text("InterKeyDelayUp")->setText("1");
    c.text("Text4(1)")->setText("40");
    c.setModifiers(config::kSixthSlot, 0xFF);
    c.text("Text4(5)")->setText("99");

    QVERIFY(!write());

    kv3sim::Configuration expected;
    expected.sonar = {2, 11, 22, 33, 36, 8, 4, 2};
    expected.idle = {0, 60, 5, 69, 0, 0, 0, 0};
    expected.walkAway = {1, 3, {8, 0, 0, 0, 0, 0}, 0, 0, {15, 0, 0, 0, 0, 0}};
    expected.walkUp = {1, 1, {0, 0, 0, 0, 0, 0}, 0, 0, {0, 40, 0, 0, 0, 0}};
    QCOMPARE(words(kv3sim::working()), words(expected));
    QCOMPARE(words(kv3sim::stored()), words(expected));
    QCOMPARE(c.text("MaxDist")->text(), QStringLiteral("36.5"));
}

void TestWriting::unreadableTextRefusesWrite_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("laterControl"); // also unreadable, later in the write
    QTest::addColumn<QString>("laterText");

    QTest::newRow("PressRate trailing letters")
        << "PressRate" << "12abc" << "Keep Alive Rate (0-255)" << "About" << "MaxDist" << "70000";
    QTest::newRow("idle code empty")
        << "Key6Code" << "" << "Idle Keystroke" << "About" << "Key1Code" << "";
    QTest::newRow("MaxDist too large")
        << "MaxDist" << "70000" << "Detection range (24-42 inches)" << "Initial Setup" << "InterKeyDelayUp" << "";
    QTest::newRow("StartDly too small")
        << "StartDly" << "-40000" << "Power-up Delay" << "Initial Setup" << "" << "";
    QTest::newRow("InterKeyDelay not a number")
        << "InterKeyDelay" << "abc" << "Key delay" << "Walk-Away Keystrokes" << "Key2Code" << "x";
    QTest::newRow("Key1Code empty")
        << "Key1Code" << "" << "Keystroke 1" << "Walk-Away Keystrokes" << "Text4(4)" << "40000";
    QTest::newRow("InterKeyDelayUp not a number")
        << "InterKeyDelayUp" << "1 2" << "Key delay" << "Walk-Up Keystrokes" << "" << "";
    QTest::newRow("PressRate group separator")
        << "PressRate" << "1,000" << "Keep Alive Rate (0-255)" << "About" << "" << "";
    QTest::newRow("InterKeyDelay group separator")
        << "InterKeyDelay" << "1,000" << "Key delay" << "Walk-Away Keystrokes" << "" << "";
    QTest::newRow("InterKeyDelayUp group separator")
        << "InterKeyDelayUp" << "1,000" << "Key delay" << "Walk-Up Keystrokes" << "" << "";
    QTest::newRow("walk-up code too large")
        << "Text4(2)" << "1e9" << "Keystroke 3" << "Walk-Up Keystrokes" << "" << "";
}

// Nothing reaches the sensor and nothing in the window changes; the first
// unreadable field in the order of the write is named.
void TestWriting::unreadableTextRefusesWrite()
{
    QFETCH(QString, control);
    QFETCH(QString, text);
    QFETCH(QString, caption);
    QFETCH(QString, page);
    QFETCH(QString, laterControl);
    QFETCH(QString, laterText);

    m_controls->text(control)->setText(text);
    if (!laterControl.isEmpty())
        m_controls->text(laterControl)->setText(laterText);
    const QString before = words(everyWordSet());

    const std::optional<config::UnreadableField> refused = write();

    QVERIFY(refused);
    QCOMPARE(refused->control, control);
    QCOMPARE(refused->caption, caption);
    QCOMPARE(refused->page, page);
    QCOMPARE(refused->text, text);
    QCOMPARE(calledFunctions(), QStringList{});
    QCOMPARE(m_reported, QStringList{});
    QCOMPARE(words(kv3sim::working()), before);
    QCOMPARE(words(kv3sim::stored()), before);
    QCOMPARE(m_state.DeviceUpdated, false);
    QVERIFY(m_controls->form.ConfigChanged->isChecked());
    QCOMPARE(m_controls->text(QStringLiteral("KeyCount"))->text(), QStringLiteral("9"));
    QCOMPARE(m_controls->text(QStringLiteral("KeyCountUp"))->text(), QStringLiteral("9"));
}

// The checks as the user types read the leading number with "." as decimal
// point; the write may read the whole text in the user's locale. A value
// whose write reading falls outside its field's bounds is refused before
// the first library call, whatever the check made of it.
void TestWriting::writeReadingOutsideBounds_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("written"); // -1: refused

    QTest::newRow("de: 255,5 rounds to 256") << "de_DE" << "InterKeyDelay" << "255,5" << -1;
    QTest::newRow("cs: 255,5 rounds to 256") << "cs_CZ" << "InterKeyDelayUp" << "255,5" << -1;
    QTest::newRow("de: 254,5 rounds to 254") << "de_DE" << "InterKeyDelay" << "254,5" << 254;
    QTest::newRow("de: -0,5 rounds to 0") << "de_DE" << "InterKeyDelayUp" << "-0,5" << 0;
    QTest::newRow("de: 3,5 rounds to 4") << "de_DE" << "PressRate" << "3,5" << 4;
    QTest::newRow("en: 255.5 rounds to 256") << "en_US" << "InterKeyDelay" << "255.5" << -1;
    QTest::newRow("en: leading 60.5 rounds to 60") << "en_US" << "MaxDist" << "60.5" << 60;
    QTest::newRow("en: leading 61 lies outside") << "en_US" << "MaxDist" << "61abc" << -1;
    QTest::newRow("de: leading 13,9 reads 13") << "de_DE" << "MaxDist" << "13,9" << -1;
}

void TestWriting::writeReadingOutsideBounds()
{
    QFETCH(QString, locale);
    QFETCH(QString, control);
    QFETCH(QString, text);
    QFETCH(int, written);

    QLocale::setDefault(QLocale(locale));
    const auto restore = qScopeGuard([] { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); });
    m_controls->text(control)->setText(text);
    const QString before = words(everyWordSet());

    const std::optional<config::UnreadableField> refused = write();

    if (written < 0) {
        QVERIFY(refused);
        QCOMPARE(refused->control, control);
        QCOMPARE(refused->text, text);
        QCOMPARE(calledFunctions(), QStringList{});
        QCOMPARE(words(kv3sim::stored()), before);
        return;
    }
    QVERIFY(!refused);
    const config::NumberSetting *field = nullptr;
    for (const config::NumberSetting &row : config::kNumbers)
        if (QLatin1String(row.control) == control)
            field = &row;
    QVERIFY(field);
    config::Configuration stored = kv3sim::stored();
    QCOMPARE(int(field->word(stored)), written);
}

void TestWriting::failedCalls_data()
{
    QTest::addColumn<QString>("function");
    QTest::addColumn<QStringList>("reported");
    QTest::addColumn<bool>("committed");

    QTest::newRow("none") << QString() << QStringList{} << true;
    QTest::newRow("SetIdleParms") << "SetIdleParms" << QStringList{"USB SetIdleParms"} << false;
    QTest::newRow("GetSonarParms") << "GetSonarParms" << QStringList{"USB getSonarParms"} << false;
    QTest::newRow("SetSonarParms") << "SetSonarParms" << QStringList{"USB SetSonarParms"} << false;
    QTest::newRow("SetWalkAwayParms") << "SetWalkAwayParms" << QStringList{"USB SetWalkAway"} << false;
    QTest::newRow("SetWalkUpParms") << "SetWalkUpParms" << QStringList{"USB SetWalkUp"} << false;
    QTest::newRow("WriteCfg") << "WriteCfg" << QStringList{"USB WriteCfg"} << false;
}

// A failed call is reported once by its name and the write goes on to
// WriteCfg; only a write that fully reached the sensor marks the window as
// agreeing with it. Without the sensor's own sonar record the sonar record
// is not sent: its reserved words would be lost.
void TestWriting::failedCalls()
{
    QFETCH(QString, function);
    QFETCH(QStringList, reported);
    QFETCH(bool, committed);

    std::vector<kv3sim::Failure> failures;
    if (!function.isEmpty())
        failures.push_back({function.toStdString(), KV3_ERR_IO, std::nullopt});
    connectSensor(everyWordSet(), failures);
    m_controls->text("InterKeyDelayUp")->setText("6");
    // Start from agreement, so that a failure has to mark the difference.
    m_state.DeviceUpdated = true;
    m_controls->form.ConfigChanged->setChecked(false);

    QVERIFY(!write());

    QCOMPARE(m_reported, reported);
    QStringList calls = kCallOrder;
    if (function == QLatin1String("GetSonarParms"))
        calls.removeOne(QStringLiteral("SetSonarParms"));
    QCOMPARE(calledFunctions(), calls);
    QCOMPARE(kv3sim::working().walkUp.InterKeyDelay, function == "SetWalkUpParms" ? 1 : 6);
    QCOMPARE(m_state.DeviceUpdated, committed);
    QCOMPARE(m_controls->form.ConfigChanged->isChecked(), !committed);
}

QTEST_MAIN(TestWriting)
#include "tst_writing.moc"
