#include "settings.h"
#include "keycount.h"
#include "keyrows.h"
#include "kv3sim.h"
#include "profile.h"
#include "profileschema.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QtTest>

#include <cstring>
#include <ctime>

using profile::Records;

namespace {

Records fromBytes(const std::array<uint8_t, kv3sim::kStoredSize> &bytes)
{
    const kv3sim::Configuration c = kv3sim::decode(bytes);
    return Records{c.sonar, c.idle, c.walkAway, c.walkUp};
}

std::array<uint8_t, kv3sim::kStoredSize> bytesOf(const Records &r)
{
    return kv3sim::encode(kv3sim::Configuration{r.sonar, r.idle, r.walkAway, r.walkUp});
}

Records randomBytes(QRandomGenerator &random)
{
    std::array<uint8_t, kv3sim::kStoredSize> bytes{};
    for (uint8_t &byte : bytes)
        byte = static_cast<uint8_t>(random.bounded(256));
    return fromBytes(bytes);
}

// Random stored bytes whose named values lie within the bounds and whose key
// counts agree with their keys; every other word is left random.
Records randomExportable(QRandomGenerator &random)
{
    Records r = randomBytes(random);
    for (const config::NumberSetting &field : config::kNumbers) {
        const config::Bounds bounds = field.bounds;
        field.word(r) = static_cast<int16_t>(random.bounded(bounds.lower, bounds.upper + 1));
    }
    const auto keystroke = [&random](int16_t &code, int16_t &mods) {
        const bool empty = random.bounded(3) == 0;
        code = empty ? 0 : static_cast<int16_t>(random.bounded(256));
        mods = empty ? 0 : static_cast<int16_t>(random.bounded(256));
    };
    keystroke(r.idle.KeyCode, r.idle.KeyMods);
    for (WalkParms *walk : {&r.walkAway, &r.walkUp}) {
        for (int i = 0; i < 5; ++i)
            keystroke(walk->KeyCode[i], walk->KeyMods[i]);
        walk->KeyCount = config::keystrokesInUse(*walk);
    }
    return r;
}

// A sensor that differs from factory defaults in every section.
Records sampleSensor()
{
    Records r;
    r.sonar = SonarParms{KV3_LED_NO_OUT_RANGE | 0x40, 11, -2, 13, 40, 9, 3, 1};
    r.idle = IdleParms{7, 12, 0, 0, 0, 0, 0, -1};
    r.walkAway.InterKeyDelay = 2;
    r.walkAway.KeyCode[0] = 4; // left-ctrl+a
    r.walkAway.KeyMods[0] = 1;
    r.walkAway.KeyCount = 1;
    r.walkUp.InterKeyDelay = 1;
    r.walkUp.KeyCode[0] = 40; // ENTER
    r.walkUp.KeyCount = 1;
    r.walkUp.KeyCode[5] = 99;
    return r;
}

QJsonObject withHeader(const QByteArray &fields)
{
    QJsonObject object = QJsonDocument::fromJson(fields).object();
    object[QStringLiteral("format")] = QStringLiteral("ostraval-profile");
    object[QStringLiteral("version")] = 1;
    return object;
}

QStringList differenceLines(const Records &from, const Records &to)
{
    QStringList lines;
    for (const profile::Difference &difference : profile::differences(from, to))
        lines << profile::differenceLine(difference);
    return lines;
}

} // namespace

class TestProfile : public QObject {
    Q_OBJECT

private slots:
    void roundTripReproducesStoredBytes_data();
    void roundTripReproducesStoredBytes();
    void partialProfileKeepsTheRest_data();
    void partialProfileKeepsTheRest();
    void textsTakenAsJson_data();
    void textsTakenAsJson();
    void gapsKeepTheirPlaces();
    void refusals_data();
    void refusals();
    void everyFaultIsNamed();
    void uniqueKeyNamesImportAsTheirCode();
    void keysExportByNameOrByCode();
    void hostileTextIsShownReadable_data();
    void hostileTextIsShownReadable();
    void refusingCostsInProportionToTheText();
    void outOfBoundsValueExportsWithWarning();
    void assignments_data();
    void assignments();
    void printedValuesAreAcceptedBack();
    void malformedAssignments_data();
    void malformedAssignments();
    void schemaFileFollowsTheTables();
};

void TestProfile::roundTripReproducesStoredBytes_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed = 1; seed <= 40; ++seed)
        QTest::addRow("random %u", seed) << seed;
}

// Export, then import onto a sensor in any state: the source's 96 bytes.
void TestProfile::roundTripReproducesStoredBytes()
{
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    for (int round = 0; round < 25; ++round) {
        const Records source = randomExportable(random);
        QStringList warnings;
        const QByteArray text = profile::profileText(profile::profileOf(source, &warnings));
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join('\n')));

        QJsonObject parsed;
        QVERIFY(profile::parseProfile(text, parsed).isEmpty());
        Records target = randomBytes(random);
        const QStringList refusals = profile::messagesOf(profile::applyProfile(parsed, target));
        QVERIFY2(refusals.isEmpty(), qPrintable(refusals.join('\n')));
        QCOMPARE(bytesOf(target), bytesOf(source));
    }
}

void TestProfile::partialProfileKeepsTheRest_data()
{
    QTest::addColumn<QByteArray>("fields");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("nothing") << QByteArray("{}") << QStringList();
    QTest::newRow("walk-away keys only")
        << QByteArray(R"({"walk_away": {"keys": [{"code": 76, "mods": ["left-ctrl", "left-alt"]}]}})")
        << QStringList{"walk_away.keys[0]: left-ctrl+a (4) -> left-ctrl+left-alt+DELETE (76)"};
    QTest::newRow("one LED") << QByteArray(R"({"leds": {"in_range": false}})")
                             << QStringList{"leds.in_range: true -> false"};
    QTest::newRow("key by name alone") << QByteArray(R"({"idle": {"key": {"name": "PGDN"}}})")
                                       << QStringList{"idle.key: none -> PGDN (78)"};
    QTest::newRow("name and code of one key") << QByteArray(R"({"idle": {"key": {"code": 175, "name": "("}}})")
                                              << QStringList{"idle.key: none -> ( (175)"};
    QTest::newRow("schema named") << QByteArray(R"({"$schema": "https://example.org/any"})") << QStringList();
    QTest::newRow("emptied sequence") << QByteArray(R"({"walk_up": {"keys": []}})")
                                      << QStringList{"walk_up.keys[0]: ENTER (40) -> none"};
    QTest::newRow("one reserved group") << QByteArray(R"({"reserved": {"sonar": [1, 2, 65535]}})")
                                        << QStringList{"reserved.sonar: [11,65534,13] -> [1,2,65535]"};
    QTest::newRow("numbers at their bounds")
        << QByteArray(R"({"detection_range": 14, "walk_up_delay": 255, "idle": {"rate": 0}})")
        << QStringList{"detection_range: 40 -> 14", "walk_up_delay: 3 -> 255", "idle.rate: 12 -> 0"};
}

void TestProfile::partialProfileKeepsTheRest()
{
    QFETCH(QByteArray, fields);
    QFETCH(QStringList, expected);
    const Records before = sampleSensor();
    Records after = before;
    const QStringList refusals = profile::messagesOf(profile::applyProfile(withHeader(fields), after));
    QVERIFY2(refusals.isEmpty(), qPrintable(refusals.join('\n')));
    QCOMPARE(differenceLines(before, after), expected);
}

void TestProfile::textsTakenAsJson_data()
{
    QTest::addColumn<QByteArray>("fields"); // after the header
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("number too small for a double") << QByteArray(R"("walk_away_delay": 1e-400)")
                                                   << QStringList{"walk_away_delay: 9 -> 0"};
    QTest::newRow("negative number too small for a double") << QByteArray(R"("reserved": {"sonar": [0, 0, -1e-400]})")
                                                            << QStringList{"reserved.sonar: [11,65534,13] -> [0,0,0]"};
    // "$schema" is not read, whatever it holds.
    QTest::newRow("huge number as the schema") << QByteArray(R"("$schema": 1e400)") << QStringList();
    QTest::newRow("anything as the schema")
        << QByteArray(R"("$schema": {"a": [-1e999, "\ud800", 1e-400, {"a": 1}], "b": "\u001b"})") << QStringList();
    QTest::newRow("escapes JSON has") << QByteArray(R"("idle": {"key": {"name": "\u0050G\u0044N", "mods": ["left\u002dctrl"]}})")
                                      << QStringList{"idle.key: none -> left-ctrl+PGDN (78)"};
    QTest::newRow("white space JSON has") << QByteArray("\t\"walk_up_delay\"\r\n:\t1 ") << QStringList{"walk_up_delay: 3 -> 1"};
}

// Texts that are JSON are read, each field checked as usual.
void TestProfile::textsTakenAsJson()
{
    QFETCH(QByteArray, fields);
    QFETCH(QStringList, expected);
    for (const QByteArray &start : {QByteArray(), QByteArray("\xEF\xBB\xBF")}) { // with a byte order mark too
        const QByteArray text = start + R"({"format": "ostraval-profile", "version": 1, )" + fields + "}";
        QJsonObject parsed;
        Records records = sampleSensor();
        QStringList refusals = profile::messagesOf(profile::parseProfile(text, parsed));
        if (refusals.isEmpty())
            refusals = profile::messagesOf(profile::applyProfile(parsed, records));
        QVERIFY2(refusals.isEmpty(), qPrintable(refusals.join('\n')));
        QCOMPARE(differenceLines(sampleSensor(), records), expected);
    }
}

void TestProfile::gapsKeepTheirPlaces()
{
    Records records = sampleSensor();
    const QJsonObject gap = withHeader(R"({"walk_up": {"keys": [null, null, {"code": 175}]}})");
    QVERIFY(profile::applyProfile(gap, records).isEmpty());
    QCOMPARE(records.walkUp.KeyCount, int16_t(1));
    QCOMPARE(records.walkUp.KeyCode[0], int16_t(0));
    QCOMPARE(records.walkUp.KeyCode[2], int16_t(175));
    QCOMPARE(records.walkUp.KeyCode[5], int16_t(99)); // the sixth keystroke is carried over

    // Exported again, the gap is still there and trailing positions are left out.
    const QJsonValue keys = profile::valueAt(profile::profileOf(records), QStringLiteral("walk_up.keys"));
    const QByteArray expected = "[null,null,{\"code\":175,\"mods\":[]}]";
    QCOMPARE(QJsonDocument(keys.toArray()).toJson(QJsonDocument::Compact), expected);
}

void TestProfile::refusals_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("expected");

    const auto row = [](const char *name, const char *fields, const char *expected) {
        QTest::newRow(name) << QJsonDocument(withHeader(fields)).toJson() << QString::fromUtf8(expected);
    };
    QTest::newRow("not JSON") << QByteArray("{\n  \"format\": \"ostraval-profile\",\n  \"version\": 1 x}")
                              << "not JSON: a comma or a closing brace is due at line 3, column 16, not \"x\"";
    // A strict reader: what RFC 8259 does not allow is not JSON, with its place.
    const auto notJson = [](const char *name, const QByteArray &text, const char *expected) {
        QTest::newRow(name) << text << "not JSON: " + QString::fromUtf8(expected);
    };
    notJson("escape JSON does not have", R"({"format": "ostraval-profil\e", "version": 1})",
            R"(\e at line 1, column 28 is not an escape that JSON has)");
    notJson("escape JSON does not have, in a member name", R"({"\D\E\L\E\T\E": 1})", R"(\D at line 1, column 3 is not)");
    notJson("escape with three hexadecimal digits", R"({"format": "\u12"})", R"(\u12" at line 1, column 13 is not)");
    notJson("tab in a string", "{\"format\": \"ostraval-profile\t\", \"version\": 1}",
            R"(the control character \x09 at line 1, column 29 stands in a string unescaped)");
    notJson("line break in a member name", "{\"a\nb\": 1}", R"(the control character \x0A at line 1, column 4)");
    notJson("bytes that are not UTF-8", "{\"format\": \"\xC0\xAF\"}", "the bytes at line 1, column 13 are not UTF-8 text");
    notJson("number ending in a point", R"({"version": 1.})", R"("1." at line 1, column 13 is not a number as JSON writes numbers)");
    notJson("number with a leading zero", R"({"version": 01})", R"("01" at line 1, column 13 is not a number)");
    notJson("NaN", R"({"version": NaN})", R"(a value is due at line 1, column 13, not "NaN")");
    notJson("comma before a closing brace", "{\"version\": 1,\n}",
            R"(a member name in double quotes is due at line 2, column 1, not "}")");
    notJson("more after the value", "{}\n{}", "more follows the value at line 2, column 1");
    notJson("text ending early", R"({"version": 1)", "the text ends at line 1, column 14 before its value does");
    notJson("string not closed", R"({"version)", "the string that starts at line 1, column 2 is not closed");
    notJson("nested too deeply", QByteArray(1025, '[') + QByteArray(1025, ']'),
            "lists and objects nest deeper than 1024 levels at line 1, column 1025");
    QTest::newRow("number JSON cannot hold") << QByteArray(R"({"format": "ostraval-profile", "detection_range": 1e400})")
                                             << "detection_range: 1e400 is a number JSON cannot hold (line 1, column 51)";
    QTest::newRow("number JSON cannot hold, in a list")
        << QByteArray("{\"reserved\": {\"sonar\": [0,\n -1e400, 0]}}")
        << "reserved.sonar[1]: -1e400 is a number JSON cannot hold (line 2, column 2)";
    QTest::newRow("number JSON cannot hold, before text that is not JSON")
        << QByteArray(R"({"detection_range": 1e400 "walk_up_delay": 1})") << "not JSON: a comma or a closing brace is due at line 1, column 27";
    QTest::newRow("number too small for a double, read as 0")
        << QByteArray(R"({"format": "ostraval-profile", "version": 1, "detection_range": -1e-400})")
        << "detection_range: 0 is not allowed: expected a whole number from 14 to 60";
    QTest::newRow("number too small for a double yet not 0")
        << QByteArray(R"({"format": "ostraval-profile", "version": 1, "walk_away_delay": 5e-324})")
        << "walk_away_delay: 5e-324 is not allowed: expected a whole number from 0 to 255";
    QTest::newRow("member named twice")
        << QByteArray("{\"format\": \"evil\",\n \"format\": \"ostraval-profile\", \"version\": 1}")
        << "format: named again on line 2 (first on line 1)";
    QTest::newRow("member with percent signs named twice") << QByteArray("{\"%1%2\": 1, \"%1%2\": 2}")
                                                           << "%1%2: named again on line 1 (first on line 1)";
    QTest::newRow("number JSON cannot hold, in a member with percent signs")
        << QByteArray("{\"%1\": 1e400}") << "%1: 1e400 is a number JSON cannot hold (line 1, column 8)";
    QTest::newRow("member named twice, once escaped")
        << QByteArray("{\"format\": \"ostraval-profile\", \"version\": 1,\n \"walk_away\": {\"keys\": [null,\n"
                      " {\"code\": 4, \"\\u0063ode\": 5}]}}")
        << "walk_away.keys[1].code: named again on line 3 (first on line 3)";
    QTest::newRow("not an object") << QByteArray("[1, 2]") << "not a profile";
    QTest::newRow("another format") << QByteArray(R"({"format": "other", "version": 1})")
                                    << R"(format: "other" is not allowed: expected "ostraval-profile")";
    QTest::newRow("no format") << QByteArray(R"({"version": 1})") << "format: missing";
    QTest::newRow("newer version") << QByteArray(R"({"format": "ostraval-profile", "version": 2})")
                                   << "version: 2 is newer than this program reads";
    row("unknown field", R"({"colour": "red"})", "colour: unknown field: allowed are format, version, detection_range");
    row("unknown section field", R"({"walk_away": {"delay": 1}})", "walk_away.delay: unknown field: allowed are key_delay, keys");
    row("text for a number", R"({"detection_range": "36"})",
        R"(detection_range: "36" is not allowed: expected a whole number from 14 to 60)");
    row("below the range", R"({"detection_range": 13})", "detection_range: 13 is not allowed: expected a whole number from 14 to 60");
    row("above the range", R"({"detection_range": 61})", "detection_range: 61 is not allowed");
    row("fraction", R"({"walk_away_delay": 2.5})", "walk_away_delay: 2.5 is not allowed: expected a whole number from 0 to 255");
    row("key delay above 255", R"({"walk_up": {"key_delay": 256}})", "walk_up.key_delay: 256 is not allowed");
    row("negative rate", R"({"idle": {"rate": -1}})", "idle.rate: -1 is not allowed");
    row("LED not a boolean", R"({"leds": {"transition": 1}})", "leds.transition: 1 is not allowed: expected true or false");
    row("section not an object", R"({"leds": true})", "leds: true is not allowed: expected an object");
    row("unknown key name", R"({"walk_away": {"keys": [null, {"name": "DEL"}]}})",
        R"(walk_away.keys[1].name: "DEL" is not allowed: expected a key name of the key table)");
    row("name of two keys", R"({"walk_away": {"keys": [{"name": "("}]}})",
        R"(walk_away.keys[0].name: "(" names 2 keys (codes 166 and 175): give its "code" instead)");
    row("name and code of two keys", R"({"walk_away": {"keys": [{"name": "b", "code": 15}]}})",
        R"(walk_away.keys[0]: the name "b" and the code 15 disagree: "b" is code 5, code 15 is "l")");
    row("unknown name with a code", R"({"idle": {"key": {"name": "NOSUCHKEY", "code": 15}}})",
        R"(idle.key.name: "NOSUCHKEY" is not allowed: expected a key name of the key table (for example "DELETE") for code 15, "l")");
    row("unknown modifier", R"({"walk_away": {"keys": [null, null, {"code": 4, "mods": ["left-cmd"]}]}})",
        R"(walk_away.keys[2].mods[0]: "left-cmd" is not allowed: expected one of left-ctrl, left-shift, left-alt, left-gui, right-ctrl, right-shift, right-alt, right-gui)");
    row("modifiers as a number", R"({"idle": {"key": {"code": 4, "mods": 5}}})", "idle.key.mods: 5 is not allowed: expected a list");
    row("key code above 255", R"({"idle": {"key": {"code": 256}}})", "idle.key.code: 256 is not allowed: expected a whole number from 0 to 255");
    row("keystroke without a key", R"({"idle": {"key": {"mods": []}}})", "idle.key: {\"mods\":[]} is not allowed: expected a keystroke with a key \"name\" or a \"code\"");
    row("unknown keystroke field", R"({"idle": {"key": {"code": 4, "shift": true}}})", "idle.key.shift: unknown field: allowed are code, name, mods");
    row("six keys", R"({"walk_up": {"keys": [null, null, null, null, null, null]}})",
        "walk_up.keys: [null,null,null,null,null,null] is not allowed: expected a list of at most 5 keystrokes");
    row("reserved words of the wrong count", R"({"reserved": {"idle": [0, 0]}})",
        "reserved.idle: [0,0] is not allowed: expected a list of 5 whole numbers from 0 to 65535");
    row("LED bits among the reserved ones", R"({"reserved": {"led_flags": 9}})", "reserved.led_flags: 9 is not allowed");
}

// A refused profile changes nothing and says where and why.
void TestProfile::refusals()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, expected);
    // Worded without a warning from Qt, such as an argument that its
    // message has no place for.
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
    const Records before = sampleSensor();
    Records records = before;
    QJsonObject parsed;
    QStringList messages = profile::messagesOf(profile::parseProfile(text, parsed));
    if (messages.isEmpty())
        messages = profile::messagesOf(profile::applyProfile(parsed, records));
    QVERIFY2(messages.join('\n').contains(expected), qPrintable(messages.join('\n')));
    QCOMPARE(bytesOf(records), bytesOf(before));
}

void TestProfile::everyFaultIsNamed()
{
    Records records = sampleSensor();
    const profile::Refusals refusals = profile::applyProfile(
        withHeader(R"({"detection_range": 99, "walk_away": {"keys": [{"name": "nope"}]}, "extra": 1})"), records);
    QCOMPARE(refusals.total(), 3);
    // Each names its place, what is there and what is allowed, for scripts.
    const profile::Refusal &range = refusals.listed().at(1);
    QCOMPARE(range.path, QString("detection_range"));
    QCOMPARE(range.value, QJsonValue(99));
    QCOMPARE(range.allowed, QString("a whole number from 14 to 60"));
}

void TestProfile::uniqueKeyNamesImportAsTheirCode()
{
    for (const config::KeyRow &row : config::standardKeyRows()) {
        const QString name = QString::fromUtf8(row.name);
        QJsonObject key{{QStringLiteral("name"), name}};
        Records records;
        const profile::Refusals refusals = profile::applyProfile(
            withHeader(QJsonDocument(QJsonObject{{"idle", QJsonObject{{"key", key}}}}).toJson()), records);
        if (name == QLatin1String("(") || name == QLatin1String(")")) {
            QVERIFY(!refusals.isEmpty());
            continue;
        }
        QVERIFY2(refusals.isEmpty(), qPrintable(name + ": " + profile::messagesOf(refusals).join('\n')));
        QCOMPARE(records.idle.KeyCode, int16_t(row.code));
    }
}

// A key goes out by the name that is its code's alone, so that editing the
// name is the edit that changes the key; other codes go out by number.
void TestProfile::keysExportByNameOrByCode()
{
    for (int code = 0; code <= 0xFF; ++code) {
        Records records;
        records.walkUp.KeyCode[0] = static_cast<int16_t>(code);
        records.walkUp.KeyMods[0] = 2;
        records.walkUp.KeyCount = 1;
        const QJsonObject key = profile::valueAt(profile::profileOf(records), "walk_up.keys[0]").toObject();
        // The row of the code, and how many rows bear its name.
        QString name;
        for (const config::KeyRow &row : config::standardKeyRows())
            if (row.code == code)
                name = QString::fromUtf8(row.name);
        const auto rows = std::count_if(config::standardKeyRows().begin(), config::standardKeyRows().end(),
                                        [&name](const config::KeyRow &row) { return name == row.name; });
        const bool byName = !name.isEmpty() && rows == 1;
        QCOMPARE(key.keys(), byName ? QStringList({"mods", "name"}) : QStringList({"code", "mods"}));
        if (byName)
            QCOMPARE(key.value("name").toString(), name);
    }
}

void TestProfile::hostileTextIsShownReadable_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("terminal escapes in a member name")
        << QByteArray("{\"\\u001b]0;owned\\u0007\\u001b[2J\\n\": 1}") << "\\x1B]0;owned\\x07\\x1B[2J\\x0A: unknown field";
    QTest::newRow("member name that looks like a list position")
        << QByteArray("{\"[0]\\u0000\\u001b[2J\": 1}") << "[0]\\x00\\x1B[2J: unknown field";
    QTest::newRow("escapes in a value") << QByteArray("{\"format\": \"\\u009b31m\\u202e\"}") << R"(format: "\x9B31m\u202E")";
    QTest::newRow("long member name") << "{\"" + QByteArray(100000, 'a') + "\": 1}"
                                      << QString(80, 'a') + "... (100000 characters): unknown field";
    QTest::newRow("deep path") << QByteArray("{\"a\": ").repeated(300) + "{\"b\": 1, \"b\": 2}" + QByteArray("}").repeated(300)
                               << "... (601 characters): named again on line 1";
    QTest::newRow("line break and escape in a value") << QByteArray(R"({"format": "a\n\"b\\\u001b"})")
                                                      << R"(format: "a\x0A\"b\\\x1B" is not allowed)";
    QTest::newRow("escapes in a list") << QByteArray(R"({"leds": ["\t\u001b"]})") << R"(leds: ["\x09\x1B"] is not allowed)";
    // Lengths count the characters a person sees, not UTF-16 units or the quotes.
    QTest::newRow("long value") << "{\"detection_range\": \"" + QByteArray(5000, 'b') + "\"}"
                                << "detection_range: \"" + QString(80, 'b') + "... (5000 characters) is not allowed";
    QTest::newRow("long value of emoji") << "{\"detection_range\": \"" + QByteArray("\xF0\x9F\x98\x80").repeated(100) + "\"}"
                                         << "detection_range: \"" + QString("\U0001F600").repeated(80) + "... (100 characters) is not allowed";
    QTest::newRow("long name of letters with combining accents")
        << "{\"" + QByteArray("e\xCC\x81").repeated(100) + "\": 1}" << QString("e\u0301").repeated(80) + "... (100 characters): unknown field";
    QTest::newRow("letter with a thousand combining accents")
        << "{\"e" + QByteArray("\xCC\x81").repeated(1000) + "\": 1}" << "\u0301... (1 characters): unknown field";
}

// Text from a profile comes back in messages as one short plain line.
void TestProfile::hostileTextIsShownReadable()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, expected);
    QJsonObject parsed;
    Records records = sampleSensor();
    profile::Refusals refusals = profile::parseProfile(text, parsed);
    if (refusals.isEmpty())
        refusals = profile::applyProfile(parsed, records);
    const QString messages = profile::messagesOf(refusals).join('\n');
    QVERIFY2(messages.contains(expected), qPrintable(messages));
    for (const profile::Refusal &refusal : refusals) {
        QVERIFY2(refusal.message.size() < 400, qPrintable(refusal.message.left(400)));
        for (const QChar c : refusal.message)
            QVERIFY2(c.category() != QChar::Other_Control && c.category() != QChar::Other_Format, qPrintable(refusal.message));
    }
}

namespace {

// The processor time this thread spends reading `text`, the least of a few
// readings; it stops early once a reading costs more than `enough`.
qint64 leastCost(const QByteArray &text, qint64 enough = std::numeric_limits<qint64>::max())
{
    const auto now = [] {
        timespec time{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &time);
        return qint64(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
    };
    qint64 least = std::numeric_limits<qint64>::max();
    for (int run = 0; run < 5 && (run == 0 || least <= enough); ++run) {
        const qint64 start = now();
        QJsonObject parsed;
        profile::parseProfile(text, parsed);
        least = std::min(least, now() - start);
    }
    return least;
}

} // namespace

// A deeply nested profile full of members named twice costs what a flat one
// of the same size costs: only the listed refusals are built, and a path
// only for them. The bound compares the two, so a busy machine moves both.
void TestProfile::refusingCostsInProportionToTheText()
{
    constexpr int kDepth = 1000;
    constexpr int kMembers = 8000;
    QByteArray inner = "{";
    for (int i = 0; i < kMembers; ++i)
        inner += "\"m" + QByteArray::number(i) + "\": 0, \"m" + QByteArray::number(i) + "\": 0,\n";
    inner.chop(2);
    inner += "}";
    const QByteArray deep = QByteArray("{\"a\": ").repeated(kDepth - 1) + inner + QByteArray("}").repeated(kDepth - 1);
    const QByteArray flat = QByteArray(deep.size() - inner.size(), ' ') + inner;
    QCOMPARE(flat.size(), deep.size());

    for (const QByteArray &text : {deep, flat}) {
        QJsonObject parsed;
        const profile::Refusals refusals = profile::parseProfile(text, parsed);
        QCOMPARE(refusals.total(), kMembers);
        QCOMPARE(refusals.listed().size(), profile::kListedRefusals);
        QVERIFY(refusals.listed().first().message.endsWith("named again on line 1 (first on line 1): each member may be named once"));
    }
    const qint64 flatCost = leastCost(flat);
    const qint64 deepCost = leastCost(deep, 4 * flatCost);
    QVERIFY2(deepCost <= 4 * flatCost, qPrintable(QStringLiteral("%1 ns deep, %2 ns flat").arg(deepCost).arg(flatCost)));
}

void TestProfile::outOfBoundsValueExportsWithWarning()
{
    Records records = sampleSensor();
    records.sonar.MaxDist = 70;
    records.walkAway.KeyCount = 4; // one key
    QStringList warnings;
    const QJsonObject exported = profile::profileOf(records, &warnings);
    QCOMPARE(exported.value("detection_range").toInt(), 70);
    QCOMPARE(warnings.size(), 2);
    QVERIFY(warnings[0].startsWith("detection_range: the sensor holds 70, outside 14 to 60"));
    QVERIFY(warnings[1].startsWith("walk_away: the sensor's key count 4 does not agree with its 1 keys"));

    Records target;
    QCOMPARE(profile::applyProfile(exported, target).listed().value(0).message,
             QStringLiteral("detection_range: 70 is not allowed: expected a whole number from 14 to 60"));
}

void TestProfile::assignments_data()
{
    QTest::addColumn<QStringList>("assignments");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("number") << QStringList{"detection_range=30"} << QStringList{"detection_range: 40 -> 30"};
    QTest::newRow("name keeps the modifiers")
        << QStringList{"walk_away.keys[0].name=DELETE"}
        << QStringList{"walk_away.keys[0]: left-ctrl+a (4) -> left-ctrl+DELETE (76)"};
    QTest::newRow("modifier list")
        << QStringList{"walk_away.keys[0].mods=left-alt,right-gui"}
        << QStringList{"walk_away.keys[0]: left-ctrl+a (4) -> left-alt+right-gui+a (4)"};
    QTest::newRow("two parts of one list")
        << QStringList{"walk_up.keys[2].code=175", "walk_up.keys[0]=null"}
        << QStringList{"walk_up.keys[0]: ENTER (40) -> none", "walk_up.keys[2]: none -> ( (175)"};
    QTest::newRow("JSON value") << QStringList{R"(idle.key={"name": "a", "mods": ["left-shift"]})"}
                                << QStringList{"idle.key: none -> left-shift+a (4)"};
    QTest::newRow("boolean") << QStringList{"leds.out_of_range=true"}
                             << QStringList{"leds.out_of_range: false -> true"};
    QTest::newRow("LEDs as show prints them") << QStringList{"leds.out_of_range=on", "leds.in_range=off"}
                                              << QStringList{"leds.in_range: true -> false", "leds.out_of_range: false -> true"};
    QTest::newRow("keystrokes as show prints them")
        << QStringList{"walk_away.keys[0]=none", "walk_up.keys[1]=right-alt+KP + (87)", "idle.key=left-ctrl++ (174)",
                       "walk_up.keys[2]=( (166)", "walk_up.keys[3]=code 50"}
        << QStringList{"idle.key: none -> left-ctrl++ (174)", "walk_away.keys[0]: left-ctrl+a (4) -> none",
                       "walk_up.keys[1]: none -> right-alt+KP + (87)", "walk_up.keys[2]: none -> ( (166)",
                       "walk_up.keys[3]: none -> code 50"};
}

void TestProfile::assignments()
{
    QFETCH(QStringList, assignments);
    QFETCH(QStringList, expected);
    const Records before = sampleSensor();
    const QJsonObject current = profile::profileOf(before, nullptr, profile::Layout::Full);
    QJsonObject partial;
    for (const QString &assignment : assignments)
        QVERIFY(!profile::addAssignment(partial, current, assignment));
    Records after = before;
    const QStringList refusals = profile::messagesOf(profile::applyProfile(partial, after, profile::Header::None));
    QVERIFY2(refusals.isEmpty(), qPrintable(refusals.join('\n')));
    QCOMPARE(differenceLines(before, after), expected);
}

// Every field path with the value that diff and show print for it, given to
// set, reproduces that configuration.
void TestProfile::printedValuesAreAcceptedBack()
{
    QRandomGenerator random(7);
    for (int round = 0; round < 200; ++round) {
        const Records target = randomExportable(random);
        const Records start = randomExportable(random);
        const QJsonObject printed = profile::profileOf(target, nullptr, profile::Layout::Full);
        const QJsonObject current = profile::profileOf(start, nullptr, profile::Layout::Full);
        QJsonObject partial;
        for (const QString &path : profile::fieldPaths()) {
            const QString assignment = path + '=' + profile::valueText(profile::valueAt(printed, path));
            QVERIFY2(!profile::addAssignment(partial, current, assignment), qPrintable(assignment));
        }
        Records after = start;
        const QStringList refusals = profile::messagesOf(profile::applyProfile(partial, after, profile::Header::None));
        QVERIFY2(refusals.isEmpty(), qPrintable(refusals.join('\n')));
        QCOMPARE(bytesOf(after), bytesOf(target));
    }
}

void TestProfile::malformedAssignments_data()
{
    QTest::addColumn<QString>("assignment");
    QTest::newRow("no value") << "detection_range";
    QTest::newRow("empty step") << "walk_away..keys=1";
    QTest::newRow("inside a number") << "detection_range.inches=3";
    QTest::newRow("index on a name") << "[0]=1";
}

void TestProfile::malformedAssignments()
{
    QFETCH(QString, assignment);
    QJsonObject partial;
    QVERIFY(profile::addAssignment(partial, profile::profileOf(sampleSensor(), nullptr, profile::Layout::Full),
                                   assignment));
}

// The repository's schema file says what the tables say; after a change to
// them: build/profile/ostraval-profile-schema > profile/ostraval-profile.schema.json
void TestProfile::schemaFileFollowsTheTables()
{
    QFile file(QStringLiteral(OSTRAVAL_SCHEMA_FILE));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), profile::profileSchemaText());
}

QTEST_GUILESS_MAIN(TestProfile)
#include "tst_profile.moc"
