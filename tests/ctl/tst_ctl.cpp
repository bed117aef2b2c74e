// ostraval-ctl as a process against the simulated sensor: exit statuses,
// messages, and the state file byte for byte.
#include "kv3sim.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

namespace {

struct Result {
    int exitCode = -1;
    QString out;
    QString err;
};

kv3sim::Configuration sampleConfiguration()
{
    kv3sim::Configuration c = kv3sim::factoryDefaults();
    c.sonar.Reserved2 = -7;
    c.sonar.LedFlags = 0x0102; // out-of-range LED off, one reserved bit
    c.idle.Reserved5 = 3;
    c.walkAway.KeyCode[0] = 76;
    c.walkAway.KeyMods[0] = 5;
    c.walkAway.KeyCode[2] = 175;
    c.walkAway.KeyCount = 2;
    c.walkUp.KeyCode[5] = 12;
    return c;
}

} // namespace

class TestCtl : public QObject {
    Q_OBJECT

private slots:
    void init();
    void commandsThatChangeNothing_data();
    void commandsThatChangeNothing();
    void exportThenImportReproducesTheSensor();
    void diffNamesEachField();
    void checkSendsNothing();
    void refusedProfileNeverReachesTheSensor();
    void failedCallLeavesTheStoreAsItWas_data();
    void failedCallLeavesTheStoreAsItWas();
    void unreachableSensor_data();
    void unreachableSensor();
    void setGetAndReset();
    void outOfBoundsValueExportsButIsRefused();
    void rangeWatchStopsOnCount();
    void rangeWatchEndsCleanlyOnInterrupt();
    void sensorInUseByAnotherProgram();

private:
    Result run(const QStringList &arguments, const QStringList &environment = {});
    QProcessEnvironment environment(const QStringList &extra) const;
    void writeState(const kv3sim::Configuration &config);
    QByteArray state() const;
    QStringList calls() const; // the call log's function names
    QString path(const char *name) const { return dir_->filePath(QString::fromLatin1(name)); }

    std::unique_ptr<QTemporaryDir> dir_;
};

void TestCtl::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    writeState(sampleConfiguration());
}

QProcessEnvironment TestCtl::environment(const QStringList &extra) const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"KV3RAPI_SIM_FAIL", "KV3RAPI_SIM_UNPLUGGED", "KV3RAPI_SIM_RANGE"})
        env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("KV3RAPI_SIM_STATE"), path("sensor.bin"));
    env.insert(QStringLiteral("KV3RAPI_SIM_LOG"), path("calls.log"));
    for (const QString &setting : extra)
        env.insert(setting.section('=', 0, 0), setting.section('=', 1));
    return env;
}

Result TestCtl::run(const QStringList &arguments, const QStringList &extra)
{
    QFile::remove(path("calls.log"));
    QProcess process;
    process.setProcessEnvironment(environment(extra));
    process.start(QStringLiteral(OSTRAVAL_CTL), arguments);
    process.closeWriteChannel();
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

void TestCtl::writeState(const kv3sim::Configuration &config)
{
    QFile file(path("sensor.bin"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    const auto bytes = kv3sim::encode(config);
    file.write(reinterpret_cast<const char *>(bytes.data()), bytes.size());
}

QByteArray TestCtl::state() const
{
    QFile file(path("sensor.bin"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList TestCtl::calls() const
{
    QFile file(path("calls.log"));
    QStringList names;
    if (file.open(QIODevice::ReadOnly))
        for (const QByteArray &line : file.readAll().split('\n'))
            if (!line.isEmpty())
                names << QString::fromLatin1(line.left(line.indexOf(' ')));
    return names;
}

void TestCtl::commandsThatChangeNothing_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");

    QTest::newRow("help") << QStringList{"--help"} << QStringList() << 0 << "Exit status: 0 success" << "";
    QTest::newRow("command help") << QStringList{"import", "--help"} << QStringList() << 0
                                  << "Usage: ostraval-ctl import FILE [--check] [--json]" << "";
    QTest::newRow("version") << QStringList{"--version"} << QStringList() << 0 << "ostraval-ctl 1.1" << "";
    QTest::newRow("no command") << QStringList() << QStringList() << 2 << "" << "ostraval-ctl: a command is needed";
    QTest::newRow("unknown command") << QStringList{"frobnicate"} << QStringList() << 2 << ""
                                     << "ostraval-ctl: unknown command \"frobnicate\"";
    QTest::newRow("unknown option") << QStringList{"show", "--yes"} << QStringList() << 2 << ""
                                    << "ostraval-ctl: show: unknown option \"--yes\"";
    QTest::newRow("missing operand") << QStringList{"import"} << QStringList() << 2 << ""
                                     << "usage: ostraval-ctl import FILE";
    QTest::newRow("reset without --yes") << QStringList{"reset"} << QStringList() << 2 << "" << "give --yes";
    QTest::newRow("show") << QStringList{"show"} << QStringList{"KV3RAPI_SIM_RANGE=30"} << 0
                          << "Walk-away keys:       1: left-ctrl+left-alt+DELETE (76), 2: none, 3: ( (175)" << "";
    QTest::newRow("show as JSON") << QStringList{"show", "--json"} << QStringList{"KV3RAPI_SIM_RANGE=30"} << 0
                                  << "\"range\":{\"in_range\":true,\"in_range_pending\":false,\"out_of_range_pending\":false,\"range\":30}"
                                  << "";
    QTest::newRow("get") << QStringList{"get", "walk_away.keys[0].mods"} << QStringList() << 0
                         << "[\"left-ctrl\",\"left-alt\"]\n" << "";
    QTest::newRow("get a name") << QStringList{"get", "walk_away.keys[2].name"} << QStringList() << 0 << "(\n" << "";
    QTest::newRow("get an unknown field") << QStringList{"get", "walk_away.colour"} << QStringList() << 2 << ""
                                          << "ostraval-ctl: no field \"walk_away.colour\"";
    QTest::newRow("range") << QStringList{"range"} << QStringList{"KV3RAPI_SIM_RANGE=50"} << 0
                           << "range 50 inches, in range: no" << "";
    QTest::newRow("set out of bounds") << QStringList{"set", "walk_away_delay=7", "detection_range=61"} << QStringList()
                                       << 2 << "" << "ostraval-ctl: detection_range: 61 is not allowed: expected a whole number from 14 to 60";
    QTest::newRow("set without a value") << QStringList{"set", "detection_range"} << QStringList() << 2 << ""
                                         << "\"detection_range\" is not FIELD=VALUE";
    QTest::newRow("import a missing file") << QStringList{"import", "/nonexistent/p.json"} << QStringList() << 2 << ""
                                           << "ostraval-ctl: /nonexistent/p.json: cannot read";
}

// Usage errors, refusals and read-only commands: their output, their exit
// status, and a state file that stays as it was.
void TestCtl::commandsThatChangeNothing()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, environment);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QFETCH(QString, err);
    const QByteArray before = state();
    const Result result = run(arguments, environment);
    QCOMPARE(result.exitCode, exitCode);
    QVERIFY2(result.out.contains(out), qPrintable(result.out));
    QVERIFY2(err.isEmpty() ? result.err.isEmpty() : result.err.startsWith("ostraval-ctl: ") && result.err.contains(err),
             qPrintable(result.err));
    QCOMPARE(state(), before);
    QVERIFY(!calls().contains("WriteCfg"));
}

void TestCtl::exportThenImportReproducesTheSensor()
{
    const QByteArray source = state();
    QCOMPARE(run({"export", path("p.json")}).exitCode, 0);

    writeState(kv3sim::factoryDefaults());
    const Result imported = run({"import", path("p.json"), "--json"});
    QCOMPARE(imported.exitCode, 0);
    QCOMPARE(QJsonDocument::fromJson(imported.out.toUtf8()).object().value("changed"), QJsonValue(true));
    QCOMPARE(state(), source);
    QCOMPARE(calls().mid(1, 10), (QStringList{"ReadCfg", "GetSonarParms", "GetIdleParms", "GetWalkAwayParms",
                                              "GetWalkUpParms", "SetSonarParms", "SetIdleParms", "SetWalkAwayParms",
                                              "SetWalkUpParms", "WriteCfg"}));

    // Again: nothing differs, so nothing is sent.
    const Result again = run({"import", path("p.json")});
    QCOMPARE(again.exitCode, 0);
    QCOMPARE(again.out, QString("No change: the sensor already holds these values.\n"));
    QVERIFY(!calls().contains("SetSonarParms") && !calls().contains("WriteCfg"));
}

void TestCtl::diffNamesEachField()
{
    QFile file(path("p.json"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(R"({"format": "ostraval-profile", "version": 1, "walk_away_delay": 10,
                   "walk_away": {"keys": [{"code": 76, "mods": ["left-ctrl", "left-alt"]}]}})");
    file.close();

    const Result differs = run({"diff", path("p.json")});
    QCOMPARE(differs.exitCode, 1);
    QCOMPARE(differs.out, QString("walk_away_delay: 5 -> 10\nwalk_away.keys[2]: ( (175) -> none\n"));
    const Result differsJson = run({"diff", path("p.json"), "--json"});
    QCOMPARE(differsJson.exitCode, 1);
    QCOMPARE(differsJson.out, QString(R"({"changes":[{"field":"walk_away_delay","from":5,"to":10},)"
                                      "{\"field\":\"walk_away.keys[2]\",\"from\":{\"code\":175,\"mods\":[],\"name\":\"(\"},"
                                      R"("to":null}],"differs":true})"
                                      "\n"));

    QCOMPARE(run({"import", path("p.json")}).exitCode, 0);
    const Result same = run({"diff", path("p.json")});
    QCOMPARE(same.exitCode, 0);
    QCOMPARE(same.out, QString());
    QCOMPARE(run({"diff", path("p.json"), "--json"}).out, QString("{\"changes\":[],\"differs\":false}\n"));
}

void TestCtl::checkSendsNothing()
{
    QFile file(path("p.json"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(R"({"format": "ostraval-profile", "version": 1, "leds": {"transition": false}})");
    file.close();

    const QByteArray before = state();
    for (const QStringList &arguments : {QStringList{"set", "detection_range=20", "--check", "--json"},
                                         QStringList{"import", path("p.json"), "--check", "--json"}}) {
        const Result result = run(arguments);
        QCOMPARE(result.exitCode, 0);
        const QJsonObject answer = QJsonDocument::fromJson(result.out.toUtf8()).object();
        QCOMPARE(answer.value("changed"), QJsonValue(true));
        QCOMPARE(answer.value("check"), QJsonValue(true));
        QCOMPARE(state(), before);
        QVERIFY(calls().contains("GetWalkUpParms"));
        for (const QString &call : calls())
            QVERIFY2(!call.startsWith("Set") && call != "WriteCfg", qPrintable(call));
    }
}

void TestCtl::refusedProfileNeverReachesTheSensor()
{
    QFile file(path("p.json"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(R"({"format": "ostraval-profile", "version": 1, "walk_away": {"keys": [null, {"name": "("}]}})");
    file.close();
    const Result result = run({"import", path("p.json")});
    QCOMPARE(result.exitCode, 2);
    QVERIFY2(result.err.contains("p.json: walk_away.keys[1].name: \"(\" names 2 keys (codes 166 and 175)"),
             qPrintable(result.err));
    QCOMPARE(calls(), QStringList());
}

void TestCtl::failedCallLeavesTheStoreAsItWas_data()
{
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("message");
    QTest::newRow("SetSonarParms") << "SetSonarParms" << "SetSonarParms failed: sensor error 2 (the sensor did not answer)";
    QTest::newRow("SetIdleParms") << "SetIdleParms:4" << "SetIdleParms failed: sensor error 4 (a record was missing)";
    QTest::newRow("SetWalkAwayParms") << "SetWalkAwayParms" << "SetWalkAwayParms failed: sensor error 2 (the sensor did not answer)";
    QTest::newRow("SetWalkUpParms") << "SetWalkUpParms" << "SetWalkUpParms failed: sensor error 2 (the sensor did not answer)";
    QTest::newRow("WriteCfg") << "WriteCfg:6" << "WriteCfg failed: sensor error 6 (the stored configuration could not be written)";
}

// Nothing half-written: the sensor takes its stored configuration back.
void TestCtl::failedCallLeavesTheStoreAsItWas()
{
    QFETCH(QString, failure);
    QFETCH(QString, message);
    const QByteArray before = state();
    const Result result = run({"set", "detection_range=20", "walk_up.keys[0].name=ENTER", "idle.rate=3"},
                              {"KV3RAPI_SIM_FAIL=" + failure});
    QCOMPARE(result.exitCode, 3);
    QCOMPARE(result.err, "ostraval-ctl: " + message +
                             "; nothing was committed: the stored configuration is as it was\n");
    QCOMPARE(state(), before);
    const QStringList log = calls();
    QCOMPARE(log.mid(log.size() - 2), (QStringList{"ReadCfg", "USBDisconnect"}));
    QVERIFY(log.count("WriteCfg") <= 1);
}

void TestCtl::unreachableSensor_data()
{
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QString>("message");
    QTest::newRow("not attached") << "KV3RAPI_SIM_UNPLUGGED=1"
                                  << "cannot reach the sensor: USBConnect failed: sensor error 3 (no sensor is attached)";
    QTest::newRow("store unreadable") << "KV3RAPI_SIM_FAIL=ReadCfg:5"
                                      << "cannot read the stored configuration: ReadCfg failed: sensor error 5";
    QTest::newRow("record not answered") << "KV3RAPI_SIM_FAIL=GetWalkUpParms"
                                         << "cannot read the stored configuration: GetWalkUpParms failed: sensor error 2";
}

void TestCtl::unreachableSensor()
{
    QFETCH(QString, setting);
    QFETCH(QString, message);
    const QByteArray before = state();
    for (const QStringList &arguments : {QStringList{"show"}, QStringList{"set", "detection_range=20"}}) {
        const Result result = run(arguments, {setting});
        QCOMPARE(result.exitCode, 3);
        QVERIFY2(result.err.startsWith("ostraval-ctl: " + message), qPrintable(result.err));
        QCOMPARE(result.out, QString());
    }
    QCOMPARE(state(), before);
}

void TestCtl::setGetAndReset()
{
    const Result set = run({"set", "walk_up.keys[1].name=ENTER", "walk_up.keys[1].mods=left-gui", "--json"});
    QCOMPARE(set.exitCode, 0);
    QCOMPARE(set.out, QString(R"({"changed":true,"changes":[{"field":"walk_up.keys[1]","from":null,)"
                              R"("to":{"code":40,"mods":["left-gui"],"name":"ENTER"}}],"check":false})"
                              "\n"));
    QCOMPARE(run({"get", "walk_up.keys[1].code"}).out, QString("40\n"));
    const kv3sim::Configuration written = kv3sim::decode(
        *reinterpret_cast<const std::array<uint8_t, kv3sim::kStoredSize> *>(state().constData()));
    QCOMPARE(written.walkUp.KeyCount, int16_t(1));
    QCOMPARE(written.walkUp.KeyCode[5], int16_t(12)); // carried over

    const Result reset = run({"reset", "--yes"});
    QCOMPARE(reset.exitCode, 0);
    QVERIFY(reset.out.endsWith("written and committed.\n"));
    const auto defaults = kv3sim::encode(kv3sim::factoryDefaults());
    QCOMPARE(state(), QByteArray(reinterpret_cast<const char *>(defaults.data()), defaults.size()));
    QCOMPARE(run({"reset", "--yes", "--json"}).out, QString("{\"changed\":false,\"changes\":[],\"check\":false}\n"));
}

void TestCtl::outOfBoundsValueExportsButIsRefused()
{
    kv3sim::Configuration config = sampleConfiguration();
    config.sonar.MaxDist = 70;
    writeState(config);
    const Result exported = run({"export", path("p.json")});
    QCOMPARE(exported.exitCode, 0);
    QVERIFY2(exported.err.startsWith("ostraval-ctl: warning: detection_range: the sensor holds 70"), qPrintable(exported.err));
    const Result imported = run({"import", path("p.json")});
    QCOMPARE(imported.exitCode, 2);
    QVERIFY(imported.err.contains("detection_range: 70 is not allowed"));
}

void TestCtl::rangeWatchStopsOnCount()
{
    const Result result = run({"range", "--watch", "--count", "2"}, {"KV3RAPI_SIM_RANGE=25"});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out.count("range 25 inches, in range: yes"), 2);
}

void TestCtl::rangeWatchEndsCleanlyOnInterrupt()
{
    QProcess process;
    process.setProcessEnvironment(environment({}));
    process.start(QStringLiteral(OSTRAVAL_CTL), {"range", "--watch"});
    QVERIFY(process.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(process.canReadLine() || process.waitForReadyRead(100), 10000);
    ::kill(static_cast<pid_t>(process.processId()), SIGINT);
    QVERIFY(process.waitForFinished(5000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
    QVERIFY(process.readAllStandardOutput().endsWith('\n'));
}

void TestCtl::sensorInUseByAnotherProgram()
{
    // This process holds the sensor while the tool asks for it.
    kv3sim::Settings settings;
    settings.statePath = path("sensor.bin").toStdString();
    kv3sim::reset(settings);
    int32_t version = 0;
    QVERIFY(USBConnect(&version) != 0);
    const Result result = run({"show"});
    USBDisconnect();
    QCOMPARE(result.exitCode, 3);
    QCOMPARE(result.err, QString("ostraval-ctl: cannot reach the sensor: USBConnect failed: sensor error 7 "
                                 "(the sensor is in use by another program)\n"));
}

QTEST_GUILESS_MAIN(TestCtl)
#include "tst_ctl.moc"
