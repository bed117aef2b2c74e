// The simulated sensor through the device library's functions.
#include "kv3rapi.h"
#include "kv3sim.h"
#include "statefiles.h"

#include <QtTest>

#include <functional>
#include <iostream>
#include <sstream>

#include <unistd.h>

using LibCall = std::function<int16_t()>;
Q_DECLARE_METATYPE(LibCall)

namespace {

using namespace statefiles;

// A configuration unlike the factory defaults in every record.
kv3sim::Configuration customConfig()
{
    kv3sim::Configuration config;
    config.sonar = SonarParms{7, -1, 300, -32768, 48, 9, 4, 1};
    config.idle = IdleParms{5, 60, 0x81, 44, 6, 7, 8, -9};
    config.walkAway = WalkParms{2, 3, {1, 2, 4, 8, 16, 32}, 11, 12, {4, 5, 6, 7, 8, 9}};
    config.walkUp = WalkParms{5, 1, {0, 0, 0, 0, 128, 1}, -1, 0, {40, 41, 42, 43, 44, 255}};
    return config;
}

void connectSensor()
{
    int32_t version = 0;
    QCOMPARE(USBConnect(&version), kOk);
}

QString rangeReading()
{
    ObjRangeInfo info{-1, -1, -1, -1};
    if (GetObjRangeInfo(&info) != kOk)
        return "failed";
    return QString("%1,%2,%3,%4")
        .arg(info.wCurrRange)
        .arg(info.bInRange)
        .arg(info.bInRangePend)
        .arg(info.bOutRangePend);
}

void setSonar(int16_t maxDist, int16_t irdbTm, int16_t ordbTm)
{
    SonarParms sonar = kv3sim::working().sonar;
    sonar.MaxDist = maxDist;
    sonar.IRDBTm = irdbTm;
    sonar.ORDBTm = ordbTm;
    QCOMPARE(SetSonarParms(&sonar), kOk);
}

// Every library call that needs a connection, with valid arguments.
std::vector<std::pair<const char *, LibCall>> callsNeedingConnection()
{
    static SonarParms sonar{};
    static IdleParms idle{};
    static WalkParms walk{};
    static ObjRangeInfo range{};
    return {
        {"ReadCfg", [] { return ReadCfg(); }},
        {"WriteCfg", [] { return WriteCfg(); }},
        {"ResetFactoryDflts", [] { return ResetFactoryDflts(); }},
        {"GetSonarParms", [] { return GetSonarParms(&sonar); }},
        {"SetSonarParms", [] { return SetSonarParms(&sonar); }},
        {"GetIdleParms", [] { return GetIdleParms(&idle); }},
        {"SetIdleParms", [] { return SetIdleParms(&idle); }},
        {"GetWalkAwayParms", [] { return GetWalkAwayParms(&walk); }},
        {"SetWalkAwayParms", [] { return SetWalkAwayParms(&walk); }},
        {"GetWalkUpParms", [] { return GetWalkUpParms(&walk); }},
        {"SetWalkUpParms", [] { return SetWalkUpParms(&walk); }},
        {"GetObjRangeInfo", [] { return GetObjRangeInfo(&range); }},
        {"HaltKBSends", [] { return HaltKBSends(-1); }},
    };
}

// Every library call that takes a pointer, given a null one.
std::vector<std::pair<const char *, LibCall>> callsWithNullPointer()
{
    return {
        {"USBConnect", [] { return USBConnect(nullptr); }},
        {"GetSonarParms", [] { return GetSonarParms(nullptr); }},
        {"SetSonarParms", [] { return SetSonarParms(nullptr); }},
        {"GetIdleParms", [] { return GetIdleParms(nullptr); }},
        {"SetIdleParms", [] { return SetIdleParms(nullptr); }},
        {"GetWalkAwayParms", [] { return GetWalkAwayParms(nullptr); }},
        {"SetWalkAwayParms", [] { return SetWalkAwayParms(nullptr); }},
        {"GetWalkUpParms", [] { return GetWalkUpParms(nullptr); }},
        {"SetWalkUpParms", [] { return SetWalkUpParms(nullptr); }},
        {"GetObjRangeInfo", [] { return GetObjRangeInfo(nullptr); }},
    };
}

LibCall callNamed(const QString &name)
{
    if (name == "USBConnect")
        return [] {
            int32_t version = 0;
            return USBConnect(&version);
        };
    if (name == "USBDisconnect")
        return [] { return USBDisconnect(); };
    for (const auto &[callName, call] : callsNeedingConnection())
        if (name == callName)
            return call;
    return {};
}

} // namespace

class TestSimSensor : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // reset() comes before every test, so this must never be seen.
        qputenv("KV3RAPI_SIM_UNPLUGGED", "1");
    }
    void cleanupTestCase() { qunsetenv("KV3RAPI_SIM_UNPLUGGED"); }

    void init()
    {
        kv3sim::reset();
        kv3sim::setClock(0);
    }

    void connectReportsFirmware()
    {
        kv3sim::Settings settings;
        settings.firmware = 0x0234;
        kv3sim::reset(settings);
        int32_t version = -1;
        QCOMPARE(USBConnect(&version), kOk);
        QCOMPARE(version, 0x0234);
        QVERIFY(kv3sim::connected());
        QCOMPARE(GetLastLibErr(), KV3_ERR_NONE);
    }

    void unpluggedSensor()
    {
        kv3sim::Settings settings;
        settings.unplugged = true;
        kv3sim::reset(settings);
        int32_t version = -1;
        QCOMPARE(USBConnect(&version), kFailed);
        QCOMPARE(GetLastLibErr(), KV3_ERR_NO_SENSOR);
        QCOMPARE(version, -1);
        QVERIFY(!kv3sim::connected());
    }

    void notConnected_data()
    {
        QTest::addColumn<LibCall>("call");
        QTest::addColumn<bool>("afterDisconnect");
        for (const auto &[name, call] : callsNeedingConnection()) {
            QTest::addRow("%s before connect", name) << call << false;
            QTest::addRow("%s after disconnect", name) << call << true;
        }
    }

    void notConnected()
    {
        QFETCH(LibCall, call);
        QFETCH(bool, afterDisconnect);
        if (afterDisconnect) {
            connectSensor();
            QCOMPARE(USBDisconnect(), kOk);
        }
        const QByteArray before = bytesOf(kv3sim::working());
        QCOMPARE(call(), kFailed);
        QCOMPARE(GetLastLibErr(), KV3_ERR_NOT_CONNECTED);
        QCOMPARE(bytesOf(kv3sim::working()), before);
        QVERIFY(!kv3sim::keystrokesHalted());
    }

    void disconnectWhenNotConnectedIsQuiet()
    {
        QCOMPARE(USBDisconnect(), kOk);
        QCOMPARE(GetLastLibErr(), KV3_ERR_NONE);
    }

    void nullPointers_data()
    {
        QTest::addColumn<LibCall>("call");
        for (const auto &[name, call] : callsWithNullPointer())
            QTest::newRow(name) << call;
    }

    void nullPointers()
    {
        QFETCH(LibCall, call);
        if (!QByteArray(QTest::currentDataTag()).startsWith("USBConnect"))
            connectSensor();
        QCOMPARE(call(), kFailed);
        QCOMPARE(GetLastLibErr(), KV3_ERR_NULL_POINTER);
    }

    void lastErrorSemantics()
    {
        QCOMPARE(GetLastLibErr(), KV3_ERR_NONE);
        SonarParms sonar{};
        QCOMPARE(GetSonarParms(&sonar), kFailed);
        QCOMPARE(GetLastLibErr(), KV3_ERR_NOT_CONNECTED);
        QCOMPARE(GetLastLibErr(), KV3_ERR_NOT_CONNECTED); // asking does not clear it
        connectSensor();
        QCOMPARE(GetLastLibErr(), KV3_ERR_NONE);
    }

    void setKeepsEveryWord()
    {
        connectSensor();
        kv3sim::Configuration config = customConfig();
        QCOMPARE(SetSonarParms(&config.sonar), kOk);
        QCOMPARE(SetIdleParms(&config.idle), kOk);
        QCOMPARE(SetWalkAwayParms(&config.walkAway), kOk);
        QCOMPARE(SetWalkUpParms(&config.walkUp), kOk);
        QCOMPARE(bytesOf(kv3sim::working()), bytesOf(customConfig()));

        kv3sim::Configuration got;
        QCOMPARE(GetSonarParms(&got.sonar), kOk);
        QCOMPARE(GetIdleParms(&got.idle), kOk);
        QCOMPARE(GetWalkAwayParms(&got.walkAway), kOk);
        QCOMPARE(GetWalkUpParms(&got.walkUp), kOk);
        QCOMPARE(bytesOf(got), bytesOf(customConfig()));
    }

    // Set without WriteCfg is lost by ReadCfg; after WriteCfg it stays.
    void storedAndWorking()
    {
        connectSensor();
        kv3sim::Configuration config = customConfig();
        QCOMPARE(SetIdleParms(&config.idle), kOk);
        QCOMPARE(ReadCfg(), kOk);
        QCOMPARE(bytesOf(kv3sim::working()), bytesOf(kv3sim::factoryDefaults()));

        QCOMPARE(SetIdleParms(&config.idle), kOk);
        QCOMPARE(WriteCfg(), kOk);
        QCOMPARE(ReadCfg(), kOk);
        QCOMPARE(kv3sim::working().idle.KeyMods, int16_t(0x81));
        QCOMPARE(bytesOf(kv3sim::stored()), bytesOf(kv3sim::working()));
    }

    void connectLoadsStored()
    {
        kv3sim::setStored(customConfig());
        QCOMPARE(bytesOf(kv3sim::working()), bytesOf(kv3sim::factoryDefaults()));
        connectSensor();
        QCOMPARE(bytesOf(kv3sim::working()), bytesOf(customConfig()));
    }

    void resetFactoryDefaults()
    {
        kv3sim::setStored(customConfig());
        connectSensor();
        QCOMPARE(ResetFactoryDflts(), kOk);
        QCOMPARE(bytesOf(kv3sim::working()), bytesOf(kv3sim::factoryDefaults()));
        QCOMPARE(bytesOf(kv3sim::stored()), bytesOf(kv3sim::factoryDefaults()));
    }

    // Commit and reset reach the state file, which a later run reads.
    void stateFilePersists()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("nested/deeper/sensor.bin");
        kv3sim::reset(stateIn(path));
        connectSensor();
        kv3sim::Configuration config = customConfig();
        QCOMPARE(SetWalkUpParms(&config.walkUp), kOk);
        QCOMPARE(WriteCfg(), kOk);
        kv3sim::Configuration expected = kv3sim::factoryDefaults();
        expected.walkUp = config.walkUp;
        QCOMPARE(fileBytes(path), bytesOf(expected));
        QCOMPARE(QDir(dir.filePath("nested/deeper"))
                     .entryList(QDir::Files | QDir::Hidden | QDir::System),
                 (QStringList{"sensor.bin", "sensor.bin.lock"}));

        kv3sim::reset(stateIn(path)); // the next run
        connectSensor();
        QCOMPARE(bytesOf(kv3sim::working()), bytesOf(expected));

        QCOMPARE(ResetFactoryDflts(), kOk);
        QCOMPARE(fileBytes(path), bytesOf(kv3sim::factoryDefaults()));
    }

    void stateFileChangesAreSeen()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("sensor.bin");
        kv3sim::reset(stateIn(path));
        connectSensor();
        writeFile(path, bytesOf(customConfig()));
        QCOMPARE(ReadCfg(), kOk);
        QCOMPARE(bytesOf(kv3sim::working()), bytesOf(customConfig()));
    }

    void setStoredWritesStateFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("sensor.bin");
        kv3sim::reset(stateIn(path));
        kv3sim::setStored(customConfig());
        QCOMPARE(fileBytes(path), bytesOf(customConfig()));
        QCOMPARE(bytesOf(kv3sim::stored()), bytesOf(customConfig()));
    }

    void refusedStateFile_data()
    {
        QTest::addColumn<int>("size");
        for (int size : {0, 1, 95, 97, 192})
            QTest::addRow("%d bytes", size) << size;
    }

    // A state file of the wrong size is never read or overwritten.
    void refusedStateFile()
    {
        QFETCH(int, size);
        QTemporaryDir dir;
        const QString path = dir.filePath("sensor.bin");
        const QByteArray bytes(size, '\xAB');
        writeFile(path, bytes);
        kv3sim::reset(stateIn(path));
        connectSensor();
        QCOMPARE(bytesOf(kv3sim::working()), bytesOf(kv3sim::factoryDefaults()));
        SonarParms sonar = customConfig().sonar;
        QCOMPARE(SetSonarParms(&sonar), kOk);

        const LibCall storeCalls[] = {ReadCfg, WriteCfg, ResetFactoryDflts};
        for (const LibCall &call : storeCalls) {
            QCOMPARE(call(), kFailed);
            QCOMPARE(GetLastLibErr(), KV3_ERR_BAD_STORE);
        }
        QCOMPARE(kv3sim::working().sonar.Reserved3, int16_t(-32768)); // nothing undone
        QCOMPARE(fileBytes(path), bytes);
    }

    void unwritableStateFile()
    {
        // A folder in the place of the commit's temporary file: the sensor
        // (and its lock) can be had, but nothing can be committed.
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(".sensor.bin.tmp/inside"));
        kv3sim::reset(stateIn(dir.filePath("sensor.bin")));
        connectSensor();
        IdleParms idle = customConfig().idle;
        QCOMPARE(SetIdleParms(&idle), kOk);
        QCOMPARE(WriteCfg(), kFailed);
        QCOMPARE(GetLastLibErr(), KV3_ERR_STORE_WRITE);
        QCOMPARE(ResetFactoryDflts(), kFailed);
        QCOMPARE(GetLastLibErr(), KV3_ERR_STORE_WRITE);
        QCOMPARE(kv3sim::working().idle.PressRate, int16_t(60));
    }

    void injectedFailures_data()
    {
        QTest::addColumn<QString>("failures");
        QTest::addColumn<QString>("function");
        QTest::addColumn<QString>("statuses"); // of successive calls
        QTest::addColumn<QString>("errors");
        QTest::newRow("every call, default errno")
            << "GetSonarParms" << "GetSonarParms" << "0,0,0" << "2,2,2";
        QTest::newRow("errno and count")
            << "SetIdleParms:9:2" << "SetIdleParms" << "0,0,1" << "9,9,0";
        QTest::newRow("errno 0") << "ReadCfg:0:1" << "ReadCfg" << "0,1" << "0,0";
        QTest::newRow("entries in turn")
            << "WriteCfg:6:1,WriteCfg:7:1" << "WriteCfg" << "0,0,1" << "6,7,0";
        QTest::newRow("other functions unaffected")
            << "GetIdleParms:5" << "GetSonarParms" << "1,1" << "0,0";
        QTest::newRow("USBConnect") << "USBConnect:3:1" << "USBConnect" << "0,1" << "3,0";
        QTest::newRow("USBDisconnect") << "USBDisconnect:2:1" << "USBDisconnect" << "0,1" << "2,0";
        QTest::newRow("HaltKBSends") << "HaltKBSends:8:1" << "HaltKBSends" << "0,1" << "8,0";
    }

    void injectedFailures()
    {
        QFETCH(QString, failures);
        QFETCH(QString, function);
        QFETCH(QString, statuses);
        QFETCH(QString, errors);
        kv3sim::Settings settings;
        std::string why;
        QVERIFY(kv3sim::parseFailures(failures.toStdString(), settings.failures, why));
        kv3sim::reset(settings);
        if (function != "USBConnect")
            connectSensor();

        const LibCall call = callNamed(function);
        QStringList gotStatuses, gotErrors;
        for (int i = 0; i < statuses.count(',') + 1; ++i) {
            gotStatuses << QString::number(call());
            gotErrors << QString::number(GetLastLibErr());
        }
        QCOMPARE(gotStatuses.join(','), statuses);
        QCOMPARE(gotErrors.join(','), errors);
    }

    // A failed call leaves the caller's record and the sensor as they were.
    void injectedFailureChangesNothing()
    {
        kv3sim::Settings settings;
        std::string why;
        QVERIFY(kv3sim::parseFailures("USBConnect:2:1,GetWalkUpParms:2:1,SetSonarParms:2:1,"
                                      "ReadCfg:2:1,WriteCfg:2:1,ResetFactoryDflts:2:1,"
                                      "HaltKBSends:2:1",
                                      settings.failures, why));
        kv3sim::reset(settings);

        int32_t version = 0x5A5A;
        QCOMPARE(USBConnect(&version), kFailed);
        QCOMPARE(version, 0x5A5A);
        QVERIFY(!kv3sim::connected());
        connectSensor();

        WalkParms walk = customConfig().walkUp;
        QCOMPARE(GetWalkUpParms(&walk), kFailed);
        QCOMPARE(walk.KeyCode[5], int16_t(255));

        SonarParms sonar = customConfig().sonar;
        QCOMPARE(SetSonarParms(&sonar), kFailed);
        QCOMPARE(kv3sim::working().sonar.MaxDist, int16_t(36));

        QCOMPARE(SetSonarParms(&sonar), kOk);
        QCOMPARE(ReadCfg(), kFailed);
        QCOMPARE(WriteCfg(), kFailed);
        QCOMPARE(ResetFactoryDflts(), kFailed);
        QCOMPARE(bytesOf(kv3sim::stored()), bytesOf(kv3sim::factoryDefaults()));
        QCOMPARE(kv3sim::working().sonar.MaxDist, int16_t(48));

        QCOMPARE(HaltKBSends(-1), kFailed);
        QVERIFY(!kv3sim::keystrokesHalted());
    }

    // Only calls that reach the sensor count towards an injected failure.
    void refusedCallsDoNotCount()
    {
        kv3sim::Settings settings;
        settings.failures = {{"GetSonarParms", 7, 1}};
        kv3sim::reset(settings);
        SonarParms sonar{};
        QCOMPARE(GetSonarParms(&sonar), kFailed);
        QCOMPARE(GetLastLibErr(), KV3_ERR_NOT_CONNECTED);
        connectSensor();
        QCOMPARE(GetSonarParms(nullptr), kFailed);
        QCOMPARE(GetLastLibErr(), KV3_ERR_NULL_POINTER);
        QCOMPARE(GetSonarParms(&sonar), kFailed);
        QCOMPARE(GetLastLibErr(), 7);
        QCOMPARE(GetSonarParms(&sonar), kOk);
    }

    void haltKeystrokes_data()
    {
        QTest::addColumn<int>("halt");
        QTest::addColumn<bool>("halted");
        QTest::newRow("-1 stops") << -1 << true;
        QTest::newRow("0 resumes") << 0 << false;
        QTest::newRow("1 stops") << 1 << true;
        QTest::newRow("-32768 stops") << -32768 << true;
    }

    void haltKeystrokes()
    {
        QFETCH(int, halt);
        QFETCH(bool, halted);
        connectSensor();
        QCOMPARE(HaltKBSends(-1), kOk);
        QCOMPARE(HaltKBSends(int16_t(halt)), kOk);
        QCOMPARE(kv3sim::keystrokesHalted(), halted);
    }

    void rangeSettledAtReset_data()
    {
        QTest::addColumn<int>("held");
        QTest::addColumn<int>("maxDist");
        QTest::addColumn<QString>("reading");
        QTest::newRow("well within") << 20 << 36 << "20,1,0,0";
        QTest::newRow("at the edge") << 36 << 36 << "36,1,0,0";
        QTest::newRow("just beyond") << 37 << 36 << "37,0,0,0";
        QTest::newRow("MaxDist 60") << 50 << 60 << "50,1,0,0";
    }

    void rangeSettledAtReset()
    {
        QFETCH(int, held);
        QFETCH(int, maxDist);
        QFETCH(QString, reading);
        QTemporaryDir dir;
        kv3sim::Configuration config = kv3sim::factoryDefaults();
        config.sonar.MaxDist = int16_t(maxDist);
        writeFile(dir.filePath("sensor.bin"), bytesOf(config));
        kv3sim::Settings settings = stateIn(dir.filePath("sensor.bin"));
        settings.heldRange = int16_t(held);
        kv3sim::reset(settings); // the detector starts from the stored MaxDist
        kv3sim::setClock(0);
        connectSensor();
        kv3sim::advanceClock(60'000);
        QCOMPARE(rangeReading(), reading);
    }

    // The person stands at 30 inches; MaxDist moves the edge past them.
    void rangeFollowsDelays()
    {
        kv3sim::Settings settings;
        settings.heldRange = 30;
        kv3sim::reset(settings);
        kv3sim::setClock(0);
        connectSensor();
        struct Step {
            int16_t maxDist, irdbTm, ordbTm;
            int advanceMs;
            const char *reading;
        };
        const Step steps[] = {
            {36, 2, 5, 0, "30,1,0,0"},    {20, 2, 5, 0, "30,1,0,1"},  // leaving: pending
            {20, 2, 5, 4900, "30,1,0,1"}, {20, 2, 5, 100, "30,0,0,0"}, // after ORDBTm: out
            {40, 2, 5, 0, "30,0,1,0"},    {40, 2, 5, 1000, "30,0,1,0"}, // coming back
            {20, 2, 5, 0, "30,0,0,0"},                                 // gone again: cancelled
            {40, 2, 5, 1999, "30,0,1,0"}, {40, 2, 5, 1, "30,1,0,0"},   // after IRDBTm: in
            {20, 2, 0, 0, "30,0,0,0"},                                 // no delay: at once
        };
        for (const Step &step : steps) {
            setSonar(step.maxDist, step.irdbTm, step.ordbTm);
            kv3sim::advanceClock(step.advanceMs);
            QCOMPARE(rangeReading(), QString(step.reading));
            QCOMPARE(rangeReading(), QString(step.reading)); // a frozen clock reads the same
        }
    }

    // Without a held range a person walks to and fro; the flags follow.
    void walkingPerson()
    {
        connectSensor();
        setSonar(36, 3, 3);
        int nearest = 1000, farthest = -1, flips = 0;
        ObjRangeInfo previous{};
        QCOMPARE(GetObjRangeInfo(&previous), kOk);
        for (int t = 0; t < 200; ++t) {
            kv3sim::advanceClock(500);
            ObjRangeInfo info{};
            QCOMPARE(GetObjRangeInfo(&info), kOk);
            nearest = std::min<int>(nearest, info.wCurrRange);
            farthest = std::max<int>(farthest, info.wCurrRange);
            QVERIFY(!(info.bInRangePend && info.bOutRangePend));
            if (info.bInRangePend)
                QVERIFY(!info.bInRange && info.wCurrRange <= 36);
            if (info.bOutRangePend)
                QVERIFY(info.bInRange && info.wCurrRange > 36);
            if (info.bInRange != previous.bInRange) {
                ++flips; // a 3 s delay shows as pending in the reading before
                QVERIFY(info.bInRange ? previous.bInRangePend : previous.bOutRangePend);
            }
            previous = info;
        }
        QVERIFY2(nearest <= 22 && farthest >= 58,
                 qPrintable(QString("%1..%2").arg(nearest).arg(farthest)));
        QVERIFY(flips >= 2);
    }

    // One line per call, the same in the trace and the call log, which is
    // appended to and flushed at once.
    void traceAndLog()
    {
        QTemporaryDir dir;
        const QString logPath = dir.filePath("calls.log");
        writeFile(logPath, "earlier run\n");
        kv3sim::Settings settings;
        settings.logPath = logPath.toStdString();
        settings.heldRange = 30;
        kv3sim::reset(settings);
        kv3sim::setTraceEnabled(true);

        SonarParms sonar{};
        GetSonarParms(&sonar);
        GetLastLibErr();
        int32_t version = 0;
        USBConnect(&version);
        sonar = SonarParms{7, -1, 0, 0, 36, 5, 2, 0};
        SetSonarParms(&sonar);
        GetIdleParms(nullptr);
        ObjRangeInfo info{};
        GetObjRangeInfo(&info);
        HaltKBSends(-1);
        WriteCfg();
        USBDisconnect();

        const QStringList expected = {
            "GetSonarParms status=0 err=1 words=0,0,0,0,0,0,0,0",
            "GetLastLibErr status=1 err=1",
            "USBConnect status=1 err=0 version=0x0110",
            "SetSonarParms status=1 err=0 words=7,-1,0,0,36,5,2,0",
            "GetIdleParms status=0 err=4",
            "GetObjRangeInfo status=1 err=0 words=30,1,0,0",
            "HaltKBSends status=1 err=0 words=-1",
            "WriteCfg status=1 err=0",
            "USBDisconnect status=1 err=0",
        };
        QStringList traced;
        for (const std::string &line : kv3sim::trace())
            traced << QString::fromStdString(line);
        QCOMPARE(traced, expected);
        QCOMPARE(QString(fileBytes(logPath)), "earlier run\n" + expected.join('\n') + '\n');

        kv3sim::clearTrace();
        GetLastLibErr();
        QCOMPARE(kv3sim::trace(), std::vector<std::string>{"GetLastLibErr status=0 err=0"});
    }

    // A log that cannot be opened is named in one short plain line, whatever
    // its name holds.
    void unopenableLogNamedReadably()
    {
        QTemporaryDir dir;
        kv3sim::Settings settings;
        settings.logPath = (dir.filePath("missing/") + "\x1b]0;owned\x07\n" + QString(200, 'x')).toStdString();
        std::ostringstream said;
        std::streambuf *const standardError = std::cerr.rdbuf(said.rdbuf());
        kv3sim::reset(settings);
        std::cerr.rdbuf(standardError);
        const QString warning = QString::fromStdString(said.str());
        QVERIFY2(warning.startsWith("KV3RAPI: ignoring KV3RAPI_SIM_LOG=\"") && warning.count('\n') == 1,
                 qPrintable(warning));
        QVERIFY2(warning.contains("\\x1B]0;owned\\x07\\x0A") && warning.contains("characters)\": the file cannot"),
                 qPrintable(warning));
        QVERIFY(!warning.contains('\x1b') && !warning.contains('\x07') && warning.size() < 200);
    }

    // Kept only while switched on, and then only the last kTraceLimit calls.
    void traceSwitchedOnAndBounded()
    {
        connectSensor();
        QVERIFY(kv3sim::trace().empty());
        kv3sim::setTraceEnabled(true);
        SonarParms sonar{};
        for (std::size_t i = 0; i < kv3sim::kTraceLimit + 5; ++i)
            HaltKBSends(int16_t(i % 2));
        GetSonarParms(&sonar);
        const std::vector<std::string> trace = kv3sim::trace();
        QCOMPARE(trace.size(), kv3sim::kTraceLimit);
        QCOMPARE(QString::fromStdString(trace.front()), "HaltKBSends status=1 err=0 words=0");
        QCOMPARE(QString::fromStdString(trace.back()), "GetSonarParms status=1 err=0 words=0,0,0,0,36,5,2,0");

        kv3sim::setTraceEnabled(false);
        QVERIFY(kv3sim::trace().empty());
        GetSonarParms(&sonar);
        QVERIFY(kv3sim::trace().empty());
    }

    // Without a call log or a trace switched on, a long session does not
    // grow the process.
    void longSessionKeepsItsSize()
    {
        connectSensor();
        SonarParms sonar{};
        const auto residentBytes = [] {
            QFile statm("/proc/self/statm");
            if (!statm.open(QIODevice::ReadOnly))
                return qint64(-1);
            return statm.readAll().split(' ').value(1).toLongLong() * ::sysconf(_SC_PAGESIZE);
        };
        GetSonarParms(&sonar);
        const qint64 before = residentBytes();
        QVERIFY(before > 0);
        for (int i = 0; i < 500'000; ++i) {
            GetSonarParms(&sonar);
            GetLastLibErr();
        }
        const qint64 grown = residentBytes() - before;
        QVERIFY2(grown < 1024 * 1024, qPrintable(QString::number(grown)));
    }

    void environmentIgnoredAfterReset()
    {
        int32_t version = 0;
        QCOMPARE(USBConnect(&version), kOk);
    }
};

QTEST_GUILESS_MAIN(TestSimSensor)
#include "tst_simsensor.moc"
