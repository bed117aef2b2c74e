// The simulated sensor's settings from the environment.
#include "kv3sim.h"

#include <QtTest>

#include <sstream>

namespace {

const char *const kVariables[] = {
    "KV3RAPI_SIM_STATE", "KV3RAPI_SIM_UNPLUGGED", "KV3RAPI_SIM_FAIL",
    "KV3RAPI_SIM_FIRMWARE", "KV3RAPI_SIM_RANGE", "KV3RAPI_SIM_LOG",
};

QString describeFailures(const std::vector<kv3sim::Failure> &failures)
{
    QStringList entries;
    for (const kv3sim::Failure &f : failures)
        entries << QString("%1:%2:%3")
                       .arg(QString::fromStdString(f.function))
                       .arg(f.error)
                       .arg(f.count ? QString::number(*f.count) : "*");
    return entries.join(',');
}

QString describe(const kv3sim::Settings &s)
{
    return QString("state=%1 unplugged=%2 fail=%3 firmware=0x%4 range=%5 log=%6")
        .arg(QString::fromStdString(s.statePath))
        .arg(int(s.unplugged))
        .arg(describeFailures(s.failures))
        .arg(s.firmware, 0, 16)
        .arg(s.heldRange ? QString::number(*s.heldRange) : "-")
        .arg(QString::fromStdString(s.logPath));
}

const QString kDefaults =
    "state=/xdg/ostraval/sensor.bin unplugged=0 fail= firmware=0x110 range=- log=";

// The defaults with one part of the description replaced.
QString defaultsWith(const QString &from, const QString &to)
{
    return QString(kDefaults).replace(from, to);
}

QString warningFor(const char *variable, const char *value, const char *why)
{
    return QString("KV3RAPI: ignoring %1=\"%2\": %3\n").arg(variable, value, why);
}

} // namespace

class TestEnvironment : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        for (const char *variable : kVariables)
            qunsetenv(variable);
        qputenv("XDG_STATE_HOME", "/xdg");
        qputenv("HOME", "/home/tester");
    }

    void settings_data()
    {
        QTest::addColumn<QByteArray>("variable");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QString>("warning");

        const char *range = "not a whole number from 0 to 32767";
        const char *firmware = "not a whole number from 0 to 0xFFFF (decimal or 0x hex)";
        QTest::newRow("nothing set") << QByteArray() << QByteArray() << kDefaults << "";
        QTest::newRow("empty is unset") << QByteArray("KV3RAPI_SIM_RANGE") << QByteArray()
                                        << kDefaults << "";
        const struct {
            const char *tag, *variable, *value, *from, *to, *why;
        } rows[] = {
            {"state", "KV3RAPI_SIM_STATE", "/tmp/s.bin", "state=/xdg/ostraval/sensor.bin",
             "state=/tmp/s.bin", nullptr},
            {"state from HOME", "XDG_STATE_HOME", "", "/xdg/", "/home/tester/.local/state/",
             nullptr},
            {"relative XDG_STATE_HOME", "XDG_STATE_HOME", "rel", "/xdg/",
             "/home/tester/.local/state/", nullptr},
            {"log", "KV3RAPI_SIM_LOG", "/tmp/calls.log", "log=", "log=/tmp/calls.log", nullptr},
            {"unplugged", "KV3RAPI_SIM_UNPLUGGED", "1", "unplugged=0", "unplugged=1", nullptr},
            {"plugged", "KV3RAPI_SIM_UNPLUGGED", "0", "", "", nullptr},
            {"unplugged yes", "KV3RAPI_SIM_UNPLUGGED", "yes", "", "", "not 0 or 1"},
            {"range", "KV3RAPI_SIM_RANGE", "45", "range=-", "range=45", nullptr},
            {"range 0", "KV3RAPI_SIM_RANGE", "0", "range=-", "range=0", nullptr},
            {"range 32767", "KV3RAPI_SIM_RANGE", "32767", "range=-", "range=32767", nullptr},
            {"range 32768", "KV3RAPI_SIM_RANGE", "32768", "", "", range},
            {"range abc", "KV3RAPI_SIM_RANGE", "abc", "", "", range},
            {"range -1", "KV3RAPI_SIM_RANGE", "-1", "", "", range},
            {"range +5", "KV3RAPI_SIM_RANGE", "+5", "", "", range},
            {"range blank", "KV3RAPI_SIM_RANGE", " 5", "", "", range},
            {"range 4.5", "KV3RAPI_SIM_RANGE", "4.5", "", "", range},
            {"range hex", "KV3RAPI_SIM_RANGE", "0x10", "", "", range},
            {"firmware hex", "KV3RAPI_SIM_FIRMWARE", "0x0123", "0x110", "0x123", nullptr},
            {"firmware decimal", "KV3RAPI_SIM_FIRMWARE", "291", "0x110", "0x123", nullptr},
            {"firmware 0X", "KV3RAPI_SIM_FIRMWARE", "0XfFfF", "0x110", "0xffff", nullptr},
            {"firmware 0x", "KV3RAPI_SIM_FIRMWARE", "0x", "", "", firmware},
            {"firmware too big", "KV3RAPI_SIM_FIRMWARE", "0x10000", "", "", firmware},
            {"firmware 12a", "KV3RAPI_SIM_FIRMWARE", "12a", "", "", firmware},
            {"failures", "KV3RAPI_SIM_FAIL", "GetSonarParms:5:2,USBConnect", "fail=",
             "fail=GetSonarParms:5:2,USBConnect:2:*", nullptr},
            {"failures bogus", "KV3RAPI_SIM_FAIL", "USBConnect,Bogus", "", "",
             "unknown function \"Bogus\""},
        };
        for (const auto &row : rows) {
            const QString warning = row.why ? warningFor(row.variable, row.value, row.why) : "";
            QTest::newRow(row.tag) << QByteArray(row.variable) << QByteArray(row.value)
                                   << defaultsWith(row.from, row.to) << warning;
        }
        // A value cannot pass for a warning of its own: control characters
        // are shown as \xNN and the warning stays one line.
        QTest::newRow("line break in a value")
            << QByteArray("KV3RAPI_SIM_UNPLUGGED")
            << QByteArray("1\nKV3RAPI: ignoring KV3RAPI_SIM_RANGE=\"x\"\x1b[2J") << kDefaults
            << warningFor("KV3RAPI_SIM_UNPLUGGED", "1\\x0AKV3RAPI: ignoring KV3RAPI_SIM_RANGE=\"x\"\\x1B[2J",
                          "not 0 or 1");
        // A long value is cut, with its length.
        QTest::newRow("long value") << QByteArray("KV3RAPI_SIM_FIRMWARE") << QByteArray(5000, '7') << kDefaults
                                    << warningFor("KV3RAPI_SIM_FIRMWARE", (QByteArray(80, '7') + "... (5000 characters)").constData(),
                                                  firmware);
        // Characters are counted as people count them, not as bytes.
        const QByteArray emoji = "\xF0\x9F\x98\x80";
        QTest::newRow("long value of emoji") << QByteArray("KV3RAPI_SIM_FIRMWARE") << emoji.repeated(100) << kDefaults
                                             << warningFor("KV3RAPI_SIM_FIRMWARE", (emoji.repeated(80) + "... (100 characters)").constData(),
                                                           firmware);
        // The C1 control CSI starts an escape sequence on some terminals too.
        QTest::newRow("C1 control in a value") << QByteArray("KV3RAPI_SIM_UNPLUGGED") << QByteArray("\xC2\x9B" "2J") << kDefaults
                                               << warningFor("KV3RAPI_SIM_UNPLUGGED", "\\x9B2J", "not 0 or 1");
    }

    void settings()
    {
        QFETCH(QByteArray, variable);
        QFETCH(QByteArray, value);
        QFETCH(QString, settings);
        QFETCH(QString, warning);
        if (!variable.isEmpty())
            qputenv(variable.constData(), value);
        std::ostringstream warnings;
        QCOMPARE(describe(kv3sim::settingsFromEnvironment(warnings)), settings);
        QCOMPARE(QString::fromStdString(warnings.str()), warning);
    }

    void noStateDirectory()
    {
        qunsetenv("XDG_STATE_HOME");
        qunsetenv("HOME");
        std::ostringstream warnings;
        QCOMPARE(kv3sim::settingsFromEnvironment(warnings).statePath, std::string());
        QVERIFY(QString::fromStdString(warnings.str()).contains("in memory only"));
    }

    // Each malformed setting has its own line; the good ones still count.
    void severalMalformed()
    {
        qputenv("KV3RAPI_SIM_RANGE", "far");
        qputenv("KV3RAPI_SIM_UNPLUGGED", "2");
        qputenv("KV3RAPI_SIM_FIRMWARE", "0x0200");
        std::ostringstream warnings;
        const kv3sim::Settings settings = kv3sim::settingsFromEnvironment(warnings);
        QCOMPARE(settings.firmware, 0x0200);
        QCOMPARE(QString::fromStdString(warnings.str()).count('\n'), 2);
    }

    void parseFailures_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("result"); // the failures, or why not
        QTest::newRow("empty") << "" << true << "";
        QTest::newRow("name only") << "ReadCfg" << true << "ReadCfg:2:*";
        QTest::newRow("errno 0") << "ReadCfg:0" << true << "ReadCfg:0:*";
        QTest::newRow("two") << "ReadCfg:7:3,WriteCfg" << true << "ReadCfg:7:3,WriteCfg:2:*";
        QTest::newRow("largest") << "HaltKBSends:2147483647:2147483647" << true
                                 << "HaltKBSends:2147483647:2147483647";
        QTest::newRow("wrong case") << "readcfg" << false << "unknown function \"readcfg\"";
        QTest::newRow("trailing comma") << "ReadCfg," << false << "unknown function \"\"";
        QTest::newRow("blank") << "ReadCfg, WriteCfg" << false << "unknown function \" WriteCfg\"";
        QTest::newRow("errno word") << "ReadCfg:x" << false
                                    << "\"x\" is not an error number from 0 to 2147483647";
        QTest::newRow("errno negative") << "ReadCfg:-1" << false
                                        << "\"-1\" is not an error number from 0 to 2147483647";
        QTest::newRow("errno too big")
            << "ReadCfg:2147483648" << false
            << "\"2147483648\" is not an error number from 0 to 2147483647";
        QTest::newRow("count 0") << "ReadCfg:2:0" << false
                                 << "\"0\" is not a count from 1 to 2147483647";
        QTest::newRow("count empty") << "ReadCfg:2:" << false
                                     << "\"\" is not a count from 1 to 2147483647";
        QTest::newRow("four parts") << "ReadCfg:2:1:4" << false
                                    << "\"ReadCfg:2:1:4\" has more than Name:errno:count";
        QTest::newRow("GetLastLibErr") << "GetLastLibErr" << false << "GetLastLibErr never fails";
    }

    void parseFailures()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(QString, result);
        std::vector<kv3sim::Failure> failures{{"WriteCfg", 9, 9}};
        std::string why;
        QCOMPARE(kv3sim::parseFailures(text.toStdString(), failures, why), ok);
        if (ok) {
            QCOMPARE(describeFailures(failures), result);
        } else {
            QCOMPARE(QString::fromStdString(why), result);
            QCOMPARE(describeFailures(failures), "WriteCfg:9:9"); // left as it was
        }
    }
};

QTEST_GUILESS_MAIN(TestEnvironment)
#include "tst_environment.moc"
