// Reading the sensor's configuration into the window at start-up.
#include "fakemessageboxes.h"
#include "form1.h"
#include "sensorfixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

using fixture::box;
using fixture::list;
using fixture::modifierBox;
using fixture::text;

namespace {

// The bit values whose boxes are checked at a slot.
QList<int> checkedBits(const QWidget *form, int slot)
{
    QList<int> bits;
    for (int bit = 1; bit <= 128; bit *= 2)
        if (modifierBox(form, bit, slot)->isChecked())
            bits.append(bit);
    return bits;
}

QStringList texts(const QWidget *form, const QStringList &names)
{
    QStringList result;
    for (const QString &name : names)
        result.append(text(form, name)->text());
    return result;
}

} // namespace

class TestReading : public QObject {
    Q_OBJECT

private slots:
    void everyFieldReachesItsControl();
    void ledFlags_data();
    void ledFlags();
    void unknownCodes();
    void failedReads_data();
    void failedReads();
    void keyDelayAboveRangeIsResetWhileStarting();
};

void TestReading::everyFieldReachesItsControl()
{
    fixture::resetSensor();
    kv3sim::clearTrace();
    FakeMessageBoxes boxes;
    Form1 form(boxes);

    QVERIFY(boxes.shown.isEmpty());
    QCOMPARE(text(&form, "LastErr")->text(), QStringLiteral("Ok 0"));
    // The five reads, and nothing else: change detection stays quiet while
    // the handlers that reading sets off run.
    QCOMPARE(fixture::calledFunctions(),
             (QStringList{"GetLastLibErr", "USBConnect", "ReadCfg", "GetIdleParms", "GetSonarParms",
                          "GetObjRangeInfo", "GetWalkAwayParms", "GetWalkUpParms"}));
    QCOMPARE(form.FirstLoad(), int16_t{0});
    QVERIFY(!box(&form, "ConfigChanged")->isChecked());

    // Idle keystroke.
    QCOMPARE(text(&form, "PressRate")->text(), QStringLiteral("30"));
    QCOMPARE(checkedBits(&form, 5), (QList<int>{1, 128}));
    QCOMPARE(list(&form, 6)->currentText(), QStringLiteral("DELETE"));
    QCOMPARE(text(&form, "Key6Code")->text(), QStringLiteral("76"));

    // Sensor settings and range.
    QCOMPARE(texts(&form, {"MaxDist", "ORDBTm", "IRDBTm", "StartDly"}),
             (QStringList{"40", "7", "3", "2"}));
    QCOMPARE(texts(&form, {"wCurrRange", "bInRange", "bInRangePend", "bOutRangePend"}),
             (QStringList{"30", "1", "0", "0"}));

    // Walk-away: every position shown as stored, beyond the count too; the
    // sixth mask goes to the hidden Key6Mods.
    QCOMPARE(texts(&form, {"KeyCount", "InterKeyDelay"}), (QStringList{"2", "4"}));
    QCOMPARE(texts(&form, {"Key1Mods", "Key2Mods", "Key3Mods", "Key4Mods", "Key5Mods", "Key6Mods"}),
             (QStringList{"5", "0", "136", "0", "2", "9"}));
    QCOMPARE(texts(&form, {"Key1Code", "Key2Code", "Key3Code", "Key4Code", "Key5Code"}),
             (QStringList{"76", "14", "255", "0", "50"}));
    QCOMPARE(checkedBits(&form, 0), (QList<int>{1, 4}));
    QCOMPARE(checkedBits(&form, 1), QList<int>{});
    QCOMPARE(checkedBits(&form, 2), (QList<int>{8, 128}));
    QCOMPARE(checkedBits(&form, 4), QList<int>{2});
    QCOMPARE(list(&form, 1)->currentText(), QStringLiteral("DELETE"));
    QCOMPARE(list(&form, 2)->currentText(), QStringLiteral("k"));
    QCOMPARE(list(&form, 3)->currentIndex(), 103); // "NULL"
    QCOMPARE(list(&form, 4)->currentIndex(), 0);   // "NONE"
    QCOMPARE(list(&form, 5)->currentIndex(), -1);  // 50 is in no row

    // Walk-up: six codes, the sixth in the frame out of sight.
    QCOMPARE(texts(&form, {"KeyCountUp", "InterKeyDelayUp"}), (QStringList{"1", "2"}));
    QCOMPARE(texts(&form, {"Text4(0)", "Text4(1)", "Text4(2)", "Text4(3)", "Text4(4)", "Text4(5)"}),
             (QStringList{"175", "0", "49", "0", "51", "99"}));
    QCOMPARE(checkedBits(&form, 6), QList<int>{1});
    QCOMPARE(list(&form, 7)->currentIndex(), 65); // the second "("
    QCOMPARE(list(&form, 9)->currentIndex(), 56); // the backslash row
    QCOMPARE(list(&form, 11)->currentIndex(), 56); // "; SEMICOLON" in this list's order
    QCOMPARE(list(&form, 11)->currentText(), QStringLiteral("; SEMICOLON"));

    // Untouched: the sixth frame's list and boxes.
    QCOMPARE(list(&form, 12)->currentIndex(), -1);
    QCOMPARE(checkedBits(&form, 11), QList<int>{});
}

void TestReading::ledFlags_data()
{
    QTest::addColumn<int>("ledFlags");
    QTest::addColumn<bool>("outOfRange");
    QTest::addColumn<bool>("transition");
    QTest::addColumn<bool>("inRange");
    QTest::newRow("2") << 2 << true << false << false;
    QTest::newRow("4") << 4 << false << true << false;
    QTest::newRow("5") << 5 << false << true << true;
    QTest::newRow("7") << 7 << true << true << true;
    QTest::newRow("8: other bits ignored") << 8 << false << false << false;
}

void TestReading::ledFlags()
{
    QFETCH(int, ledFlags);
    QFETCH(bool, outOfRange);
    QFETCH(bool, transition);
    QFETCH(bool, inRange);

    kv3sim::Configuration config = fixture::sampleConfiguration();
    config.sonar.LedFlags = static_cast<int16_t>(ledFlags);
    fixture::resetSensor(config);
    FakeMessageBoxes boxes;
    Form1 form(boxes);
    QCOMPARE(box(&form, "bNoShowORLED")->isChecked(), outOfRange);
    QCOMPARE(box(&form, "bNoShowXtLED")->isChecked(), transition);
    QCOMPARE(box(&form, "bNoShowIRLED")->isChecked(), inRange);
}

void TestReading::unknownCodes()
{
    // A code that no row carries leaves the list without a selection; the
    // code text still holds the code, the idle one included, so that
    // writing finds a number there.
    kv3sim::Configuration config = fixture::sampleConfiguration();
    config.idle.KeyCode = 50;
    config.walkAway.KeyCode[0] = 83;
    config.walkUp.KeyCode[0] = 200;
    fixture::resetSensor(config);
    FakeMessageBoxes boxes;
    Form1 form(boxes);
    QCOMPARE(list(&form, 6)->currentIndex(), -1);
    QCOMPARE(text(&form, "Key6Code")->text(), QStringLiteral("50"));
    QCOMPARE(list(&form, 1)->currentIndex(), -1);
    QCOMPARE(text(&form, "Key1Code")->text(), QStringLiteral("83"));
    QCOMPARE(list(&form, 7)->currentIndex(), -1);
    QCOMPARE(text(&form, "Text4(0)")->text(), QStringLiteral("200"));
    QVERIFY(!box(&form, "ConfigChanged")->isChecked());
}

void TestReading::failedReads_data()
{
    QTest::addColumn<QString>("function");
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QStringList>("zeroed");

    QTest::newRow("idle") << "GetIdleParms" << "USB ReadIdleParms"
                          << QStringList{"PressRate", "Key6Code"};
    QTest::newRow("sonar") << "GetSonarParms" << "USB ReadSonarParms"
                           << QStringList{"MaxDist", "ORDBTm", "IRDBTm", "StartDly"};
    QTest::newRow("range") << "GetObjRangeInfo" << "USB Getrange"
                           << QStringList{"wCurrRange", "bInRange", "bInRangePend",
                                          "bOutRangePend"};
    QTest::newRow("walk-away") << "GetWalkAwayParms" << "USB ReadWalkAway"
                               << QStringList{"KeyCount", "InterKeyDelay", "Key1Code", "Key1Mods"};
    QTest::newRow("walk-up") << "GetWalkUpParms" << "USB ReadWalkUp"
                             << QStringList{"KeyCountUp", "InterKeyDelayUp", "Text4(0)", "Text4(5)"};
}

void TestReading::failedReads()
{
    QFETCH(QString, function);
    QFETCH(QString, operation);
    QFETCH(QStringList, zeroed);

    fixture::resetSensor(fixture::sampleConfiguration(),
                         {{function.toStdString(), KV3_ERR_IO, std::nullopt}});
    FakeMessageBoxes boxes;
    Form1 form(boxes);

    // Reported once, by name, and reading goes on with a record of zeros.
    const QString status = operation + QStringLiteral(" 2");
    QCOMPARE(boxes.texts(), QStringList{fixture::errorPrompt(status)});
    for (const QString &name : zeroed)
        QCOMPARE(text(&form, name)->text(), QStringLiteral("0"));
    QCOMPARE(fixture::callsOf("GetWalkUpParms"), 1);
    QCOMPARE(form.FirstLoad(), int16_t{0});
    QVERIFY(!box(&form, "ConfigChanged")->isChecked());
    if (function == QLatin1String("GetIdleParms")) {
        QVERIFY(!modifierBox(&form, 1, 5)->isChecked());
        QVERIFY(!modifierBox(&form, 128, 5)->isChecked());
        QCOMPARE(list(&form, 6)->currentText(), QStringLiteral("NONE"));
    }
}

void TestReading::keyDelayAboveRangeIsResetWhileStarting()
{
    kv3sim::Configuration config = fixture::sampleConfiguration();
    config.walkUp.InterKeyDelay = 300;
    fixture::resetSensor(config);
    FakeMessageBoxes boxes;
    Form1 form(boxes);
    QCOMPARE(boxes.shown, (QList<ui::MessageBoxRequest>{ui::noticeBox(
                              "Delay must be in the range of 0-255 seconds!", "Ostraval")}));
    QCOMPARE(text(&form, "InterKeyDelayUp")->text(), QStringLiteral("0"));
    QVERIFY(!box(&form, "ConfigChanged")->isChecked());
}

QTEST_MAIN(TestReading)
#include "tst_reading.moc"
