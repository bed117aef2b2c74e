// ostraval-ctl as a process against the simulated sensor: exit statuses,
// messages, answers in JSON, output files, and the state file byte for byte.
#include "boundsocket.h"
#include "kv3sim.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <functional>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

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

// Sets up the tool's process before it starts: its standard streams, limits.
using Prepare = std::function<void(QProcess &)>;

// The one JSON object a line of output holds; empty when it holds anything else.
QJsonObject onlyObject(const QString &out)
{
    if (!out.endsWith('\n') || out.count('\n') != 1)
        return {};
    return QJsonDocument::fromJson(out.toUtf8()).object();
}

// The last message on standard error, without the program's name.
QString lastMessage(const QString &err)
{
    const QStringList lines = err.split('\n', Qt::SkipEmptyParts);
    return lines.isEmpty() ? QString() : lines.last().mid(QStringLiteral("ostraval-ctl: ").size());
}

// A small file system of its own, made full, for writes that find no room;
// empty when none can be mounted (it takes root).
class FullFileSystem {
public:
    explicit FullFileSystem(const QString &folder) : folder_(folder)
    {
        QDir().mkpath(folder);
        QProcess mount;
        mount.start(QStringLiteral("mount"), {"-t", "tmpfs", "-o", "size=64k", "tmpfs", folder});
        mounted_ = mount.waitForFinished(10000) && mount.exitStatus() == QProcess::NormalExit && mount.exitCode() == 0;
        why_ = QString::fromLocal8Bit(mount.readAllStandardError()).trimmed();
    }
    ~FullFileSystem()
    {
        if (mounted_)
            ::umount(QFile::encodeName(folder_).constData());
    }
    bool mounted() const { return mounted_; }
    QString why() const { return why_; }
    // Takes every byte left.
    void fill()
    {
        QFile filler(folder_ + "/filler");
        if (filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            while (filler.write(QByteArray(4096, 'x')) > 0) {
            }
    }

private:
    QString folder_;
    bool mounted_ = false;
    QString why_;
};

// Deletes a file again and again, from a thread of its own, while it lives.
class DeletedOverAndOver {
public:
    explicit DeletedOverAndOver(const QString &path)
        : path_(QFile::encodeName(path)), thread_([this] {
              while (!stop_) {
                  ::unlink(path_.constData());
                  std::this_thread::sleep_for(std::chrono::microseconds(100));
              }
          })
    {
    }
    ~DeletedOverAndOver()
    {
        stop_ = true;
        thread_.join();
    }
    DeletedOverAndOver(const DeletedOverAndOver &) = delete;
    DeletedOverAndOver &operator=(const DeletedOverAndOver &) = delete;

private:
    QByteArray path_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

} // namespace

class TestCtl : public QObject {
    Q_OBJECT

private slots:
    void init();
    void commandsThatChangeNothing_data();
    void commandsThatChangeNothing();
    void exportThenImportReproducesTheSensor();
    void diffNamesEachField();
    void changesAnsweredWithBeforeAndAfter_data();
    void changesAnsweredWithBeforeAndAfter();
    void refusedProfileNeverReachesTheSensor_data();
    void refusedProfileNeverReachesTheSensor();
    void editedKeyNameIsTaken_data();
    void editedKeyNameIsTaken();
    void profilePathThatCannotBeRead_data();
    void profilePathThatCannotBeRead();
    void failuresAnsweredInJson_data();
    void failuresAnsweredInJson();
    void standardOutputThatCannotBeWritten_data();
    void standardOutputThatCannotBeWritten();
    void outputFileIsWrittenWholeOrNotAtAll_data();
    void outputFileIsWrittenWholeOrNotAtAll();
    void printedPlacesAndValuesAreAcceptedBack();
    void failedCallLeavesTheStoreAsItWas_data();
    void failedCallLeavesTheStoreAsItWas();
    void unreachableSensor_data();
    void unreachableSensor();
    void setGetAndReset();
    void outOfBoundsValueExportsButIsRefused();
    void warningsAnsweredInJson_data();
    void warningsAnsweredInJson();
    void rangeWatchStopsOnCount();
    void rangeWatchEndsCleanlyOnInterrupt();
    void sensorInUseByAnotherProgram_data();
    void sensorInUseByAnotherProgram();
    void lockFileDeletedBesideConcurrentWriters();
    void hardLinkedStateFileIsRefused();
    void exportWritesStreamsInPlace_data();
    void exportWritesStreamsInPlace();
    void exportRefusesWhatCannotHoldAProfile_data();
    void exportRefusesWhatCannotHoldAProfile();
    void jsonAnswersInEveryLanguage_data();
    void jsonAnswersInEveryLanguage();
    void messagesInTheUsersLanguage();

private:
    Result run(const QStringList &arguments, const QStringList &environment = {}, const Prepare &prepare = {});
    QProcessEnvironment environment(const QStringList &extra) const;
    void writeState(const kv3sim::Configuration &config);
    void writeFile(const char *name, const QByteArray &bytes) const;
    QByteArray fileBytes(const QString &path) const;
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

Result TestCtl::run(const QStringList &arguments, const QStringList &extra, const Prepare &prepare)
{
    QFile::remove(path("calls.log"));
    QProcess process;
    process.setProcessEnvironment(environment(extra));
    if (prepare)
        prepare(process);
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

void TestCtl::writeFile(const char *name, const QByteArray &bytes) const
{
    QFile file(path(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray TestCtl::fileBytes(const QString &name) const
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray TestCtl::state() const
{
    return fileBytes(path("sensor.bin"));
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
    QTest::newRow("command -h") << QStringList{"set", "-h"} << QStringList() << 0
                                << "Usage: ostraval-ctl set FIELD=VALUE... [--check] [--json]" << "";
    QTest::newRow("help command") << QStringList{"help", "diff"} << QStringList() << 0
                                  << "Usage: ostraval-ctl diff FILE [--json]" << "";
    QTest::newRow("help an unknown command") << QStringList{"help", "frobnicate"} << QStringList() << 2 << ""
                                             << "ostraval-ctl: unknown command \"frobnicate\"";
    QTest::newRow("version") << QStringList{"--version"} << QStringList() << 0 << "ostraval-ctl 1.1" << "";
    QTest::newRow("version as JSON") << QStringList{"--version", "--json"} << QStringList() << 0
                                     << R"({"interface":2,"program":"ostraval-ctl","version":"1.1.)" << "";
    QTest::newRow("no command") << QStringList() << QStringList() << 2 << "" << "ostraval-ctl: a command is needed";
    QTest::newRow("unknown command") << QStringList{"frobnicate"} << QStringList() << 2 << ""
                                     << "ostraval-ctl: unknown command \"frobnicate\"";
    QTest::newRow("unknown option") << QStringList{"show", "--yes"} << QStringList() << 2 << ""
                                    << "ostraval-ctl: show: unknown option \"--yes\"";
    QTest::newRow("missing operand") << QStringList{"import"} << QStringList() << 2 << ""
                                     << "usage: ostraval-ctl import FILE";
    QTest::newRow("reset without --yes") << QStringList{"reset"} << QStringList() << 2 << "" << "give --yes";
    QTest::newRow("show") << QStringList{"show"} << QStringList{"KV3RAPI_SIM_RANGE=30"} << 0
                          << "Walk-away keys:            [0] left-ctrl+left-alt+DELETE (76), [1] none, [2] ( (175)\n"
                          << "";
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
    // Text repeated from the command line is escaped as everywhere else and
    // cut by the characters a person sees.
    QTest::newRow("set a terminal escape") << QStringList{"set", "walk_away.keys[0].name=\x1b[31m"} << QStringList() << 2 << ""
                                           << "ostraval-ctl: walk_away.keys[0].name: \"\\x1B[31m\" is not allowed";
    QTest::newRow("set a hundred emoji") << QStringList{"set", "walk_away_delay=" + QString("\U0001F600").repeated(100)}
                                         << QStringList() << 2 << ""
                                         << "walk_away_delay: \"" + QString("\U0001F600").repeated(80) + "... (100 characters) is not allowed";
    QTest::newRow("set a number too small for a double") << QStringList{"set", "walk_away_delay=1e-400", "--check"}
                                                         << QStringList() << 0 << "walk_away_delay: 5 -> 0\n" << "";
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
    writeFile("p.json", R"({"format": "ostraval-profile", "version": 1, "walk_away_delay": 10,
                            "walk_away": {"keys": [{"name": "DELETE", "mods": ["left-ctrl", "left-alt"]}]}})");

    const Result differs = run({"diff", path("p.json")});
    QCOMPARE(differs.exitCode, 1);
    QCOMPARE(differs.out, QString("walk_away_delay: 5 -> 10\nwalk_away.keys[2]: ( (175) -> none\n"));
    const Result differsJson = run({"diff", path("p.json"), "--json"});
    QCOMPARE(differsJson.exitCode, 1);
    QCOMPARE(differsJson.out, QString(R"({"changes":[{"after":10,"before":5,"path":"walk_away_delay"},)"
                                      R"({"after":null,"before":{"code":175,"mods":[]},"path":"walk_away.keys[2]"}],)"
                                      R"("differs":true})"
                                      "\n"));

    QCOMPARE(run({"import", path("p.json")}).exitCode, 0);
    const Result same = run({"diff", path("p.json")});
    QCOMPARE(same.exitCode, 0);
    QCOMPARE(same.out, QString());
    QCOMPARE(run({"diff", path("p.json"), "--json"}).out, QString("{\"changes\":[],\"differs\":false}\n"));
}

void TestCtl::changesAnsweredWithBeforeAndAfter_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("checkOnly"); // the options that ask what would change
    QTest::addColumn<QStringList>("really");    // the options that make the change
    QTest::newRow("import") << QStringList{"import", "{dir}/p.json"} << QStringList{"--check"} << QStringList();
    QTest::newRow("set") << QStringList{"set", "leds.transition=off", "walk_up.keys[0].name=ENTER"}
                         << QStringList{"--check"} << QStringList();
    QTest::newRow("reset") << QStringList{"reset"} << QStringList{"--check"} << QStringList{"--yes"};
}

// import, set and reset answer the changes and both whole configurations, as
// export writes them; with --check the same answer, and nothing is sent.
void TestCtl::changesAnsweredWithBeforeAndAfter()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, checkOnly);
    QFETCH(QStringList, really);
    arguments.replaceInStrings("{dir}", dir_->path());
    writeFile("p.json", R"({"format": "ostraval-profile", "version": 1, "leds": {"transition": false},
                            "walk_up": {"keys": [{"name": "ENTER"}]}})");
    const QJsonObject stored = QJsonDocument::fromJson(run({"export"}).out.toUtf8()).object();
    const QByteArray before = state();

    const Result checked = run(arguments + checkOnly + QStringList{"--json"});
    QCOMPARE(checked.exitCode, 0);
    QCOMPARE(state(), before);
    QVERIFY(calls().contains("GetWalkUpParms"));
    for (const QString &call : calls())
        QVERIFY2(!call.startsWith("Set") && call != "WriteCfg" && call != "ResetFactoryDflts", qPrintable(call));
    const QJsonObject wouldBe = onlyObject(checked.out);
    QCOMPARE(wouldBe.value("check"), QJsonValue(true));

    const Result done = run(arguments + really + QStringList{"--json"});
    QCOMPARE(done.exitCode, 0);
    QVERIFY(state() != before);
    const QJsonObject answer = onlyObject(done.out);
    QCOMPARE(answer.value("check"), QJsonValue(false));
    QCOMPARE(answer.value("changed"), QJsonValue(true));
    QCOMPARE(answer.value("before").toObject(), stored);
    QCOMPARE(answer.value("after").toObject(), QJsonDocument::fromJson(run({"export"}).out.toUtf8()).object());
    QVERIFY(!answer.value("changes").toArray().isEmpty());
    for (const QJsonValue &change : answer.value("changes").toArray())
        QCOMPARE(change.toObject().keys(), QStringList({"after", "before", "path"}));
    for (const char *member : {"changed", "changes", "before", "after"})
        QCOMPARE(wouldBe.value(member), answer.value(member));

    // Once more: nothing is left to change, and nothing is sent.
    const QJsonObject again = onlyObject(run(arguments + really + QStringList{"--json"}).out);
    QCOMPARE(again.value("changed"), QJsonValue(false));
    QCOMPARE(again.value("changes"), QJsonValue(QJsonArray()));
    QCOMPARE(again.value("before"), again.value("after"));
    QVERIFY(calls().contains("GetWalkUpParms"));
    QVERIFY(!calls().contains("WriteCfg") && !calls().contains("ResetFactoryDflts"));
}

void TestCtl::refusedProfileNeverReachesTheSensor_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("expected");
    const QByteArray header = R"({"format": "ostraval-profile", "version": 1,)";
    QTest::newRow("name of two keys") << header + R"( "walk_away": {"keys": [null, {"name": "("}]}})"
                                      << R"(p.json: walk_away.keys[1].name: "(" names 2 keys (codes 166 and 175))";
    QTest::newRow("member named twice") << QByteArray(R"({"format":"evil","format":"ostraval-profile","version":1})")
                                        << "p.json: format: named again on line 1 (first on line 1)";
    QTest::newRow("not JSON") << header + "\n \"walk_up_delay\": 3,,\n}" << "p.json: not JSON: ";
    QTest::newRow("escape JSON does not have") << QByteArray(R"({"format": "ostraval-profil\e", "version": 1})")
                                               << R"(p.json: not JSON: \e at line 1, column 28 is not an escape that JSON has)";
    QTest::newRow("number JSON cannot hold") << header + "\n \"walk_up_delay\": 1e400}"
                                             << "p.json: walk_up_delay: 1e400 is a number JSON cannot hold (line 2, column 19)";
    QTest::newRow("terminal escapes") << header + R"( "\u001b[2J\u0007\n": 1})"
                                      << "p.json: \\x1B[2J\\x07\\x0A: unknown field";
    QTest::newRow("long member name") << header + " \"" + QByteArray(100000, 'n') + "\": 1}"
                                      << "... (100000 characters): unknown field";
    QByteArray many = header;
    for (int i = 0; i < 50000; ++i)
        many += " \"m" + QByteArray::number(i) + "\": 1,";
    many.chop(1);
    QByteArray twice = "{";
    for (int i = 0; i < 2000; ++i)
        twice += "\"m" + QByteArray::number(i) + "\": 1, \"m" + QByteArray::number(i) + "\": 1,";
    twice.back() = '}';
    QTest::newRow("members named twice a thousand deep")
        << QByteArray("{\"a\": ").repeated(999) + twice + QByteArray("}").repeated(999)
        << "p.json: profile refused (2000 problems, the first 20 named); nothing was sent";
    QTest::newRow("fifty thousand unknown members")
        << many + "}" << "p.json: profile refused (50000 problems, the first 20 named); nothing was sent";
}

// A refused profile sends nothing and says why in a few plain, short lines,
// whatever it holds.
void TestCtl::refusedProfileNeverReachesTheSensor()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, expected);
    writeFile("p.json", text);
    const QByteArray before = state();
    const Result result = run({"import", path("p.json")});
    QCOMPARE(result.exitCode, 2);
    QVERIFY2(result.err.contains(expected), qPrintable(result.err.left(2000)));
    QCOMPARE(calls(), QStringList());
    QCOMPARE(state(), before);
    const QStringList lines = result.err.split('\n', Qt::SkipEmptyParts);
    QVERIFY2(lines.size() <= 22, qPrintable(QString::number(lines.size())));
    for (const QString &line : lines) {
        QVERIFY2(line.size() < 400, qPrintable(line.left(400)));
        for (const QChar c : line)
            QVERIFY2(c.category() != QChar::Other_Control, qPrintable(line));
    }
}

void TestCtl::editedKeyNameIsTaken_data()
{
    QTest::addColumn<QByteArray>("keystroke"); // in place of the exported "name": "DELETE"
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("expected");
    QTest::newRow("name edited") << QByteArray(R"("name": "b")") << 0
                                 << "walk_away.keys[0]: left-ctrl+left-alt+DELETE (76) -> left-ctrl+left-alt+b (5)";
    QTest::newRow("unknown name") << QByteArray(R"("name": "NOSUCHKEY")") << 2
                                  << R"(p.json: walk_away.keys[0].name: "NOSUCHKEY" is not allowed)";
    QTest::newRow("older export, name and code agreeing") << QByteArray(R"("code": 76, "name": "DELETE")") << 0
                                                          << "No change: the sensor already holds these values.";
    QTest::newRow("older export, name edited") << QByteArray(R"("code": 76, "name": "b")") << 2
                                               << R"(p.json: walk_away.keys[0]: the name "b" and the code 76 disagree)";
}

// An export names each key by its name where the name is its own, so that
// editing the name changes the key; a name that does not fit is refused.
void TestCtl::editedKeyNameIsTaken()
{
    QFETCH(QByteArray, keystroke);
    QFETCH(int, exitCode);
    QFETCH(QString, expected);
    QCOMPARE(run({"export", path("p.json")}).exitCode, 0);
    QByteArray text = fileBytes(path("p.json"));
    QVERIFY2(text.contains(R"({ "name": "DELETE", "mods": ["left-ctrl", "left-alt"] })"), text.constData());
    QVERIFY(!text.contains(R"("code": 76)"));
    writeFile("p.json", text.replace(R"("name": "DELETE")", keystroke));

    const QByteArray before = state();
    const Result result = run({"import", path("p.json")});
    QCOMPARE(result.exitCode, exitCode);
    QVERIFY2((exitCode == 0 ? result.out : result.err).contains(expected), qPrintable(result.out + result.err));
    if (exitCode != 0) {
        QCOMPARE(calls(), QStringList());
        QCOMPARE(state(), before);
    }
}

void TestCtl::profilePathThatCannotBeRead_data()
{
    QTest::addColumn<QString>("operand");
    QTest::addColumn<QString>("input"); // standard input: "" inherited, "folder", "closed"
    QTest::addColumn<QString>("expected");
    QTest::newRow("FIFO") << "{dir}/p.fifo" << "" << "{dir}/p.fifo: not a regular file";
    QTest::newRow("folder") << "{dir}" << "" << "{dir}: not a regular file";
    QTest::newRow("folder on standard input") << "-" << "folder" << "standard input: cannot read: Is a directory";
    QTest::newRow("closed standard input") << "-" << "closed" << "standard input: cannot read: Bad file descriptor";
}

// A path that is no file is refused at once, never waited on; standard input
// that cannot be read is said to be so.
void TestCtl::profilePathThatCannotBeRead()
{
    QFETCH(QString, operand);
    QFETCH(QString, input);
    QFETCH(QString, expected);
    QCOMPARE(::mkfifo(QFile::encodeName(path("p.fifo")).constData(), 0600), 0);
    const QString folder = dir_->path();
    const Result result = run({"import", operand.replace("{dir}", folder), "--check"}, {},
                              [&input, &folder](QProcess &process) {
                                  if (input == "folder")
                                      process.setStandardInputFile(folder);
                                  else if (input == "closed")
                                      process.setChildProcessModifier([] { ::close(STDIN_FILENO); });
                              });
    QCOMPARE(result.exitCode, 2);
    QCOMPARE(result.err, "ostraval-ctl: " + expected.replace("{dir}", folder) +
                             (input.isEmpty() ? ": a profile is read from a file, or from standard input given as -\n"
                                              : QString("\n")));
    QCOMPARE(calls(), QStringList());
}

void TestCtl::failuresAnsweredInJson_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("setting");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("call");         // with its errno, for a failed library call
    QTest::addColumn<int>("error");
    QTest::addColumn<QStringList>("problems"); // their paths
    QTest::newRow("usage") << QStringList{"import", "--json"} << "" << 2 << "" << 0 << QStringList();
    QTest::newRow("unknown option") << QStringList{"show", "--json", "--yes"} << "" << 2 << "" << 0 << QStringList();
    QTest::newRow("refused profile") << QStringList{"import", "{dir}/p.json", "--json"} << "" << 2 << "" << 0
                                     << QStringList{"colour", "detection_range"};
    QTest::newRow("refused values") << QStringList{"set", "detection_range=99", "idle.rate=x", "--json"} << "" << 2
                                    << "" << 0 << QStringList{"detection_range", "idle.rate"};
    QTest::newRow("malformed assignment") << QStringList{"set", "--json", "detection_range", "walk..x=1"} << "" << 2
                                          << "" << 0 << QStringList{"", "walk..x"};
    QTest::newRow("no sensor") << QStringList{"show", "--json"} << "KV3RAPI_SIM_UNPLUGGED=1" << 3 << "USBConnect" << 3
                               << QStringList();
    QTest::newRow("failed commit") << QStringList{"set", "detection_range=20", "--json"} << "KV3RAPI_SIM_FAIL=WriteCfg:6"
                                   << 3 << "WriteCfg" << 6 << QStringList();
    QTest::newRow("failed reset") << QStringList{"reset", "--yes", "--json"} << "KV3RAPI_SIM_FAIL=ResetFactoryDflts" << 3
                                  << "ResetFactoryDflts" << 2 << QStringList();
}

// With --json every failure is one object on standard output; the exit
// status and the message on standard error are as without it.
void TestCtl::failuresAnsweredInJson()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, setting);
    QFETCH(int, exitCode);
    QFETCH(QString, call);
    QFETCH(int, error);
    QFETCH(QStringList, problems);
    arguments.replaceInStrings("{dir}", dir_->path());
    writeFile("p.json", R"({"format": "ostraval-profile", "version": 1, "detection_range": 99, "colour": 1})");
    const QStringList environment = setting.isEmpty() ? QStringList() : QStringList{setting};
    const QByteArray before = state();

    const Result result = run(arguments, environment);
    QCOMPARE(result.exitCode, exitCode);
    const QJsonObject answer = onlyObject(result.out);
    QCOMPARE(answer.keys(), QStringList{"error"});
    const QJsonObject failure = answer.value("error").toObject();
    QCOMPARE(failure.value("status"), QJsonValue(exitCode));
    QCOMPARE(failure.value("message").toString(), lastMessage(result.err));
    QCOMPARE(failure.value("call").toString(), call);
    QCOMPARE(failure.value("errno"), call.isEmpty() ? QJsonValue(QJsonValue::Undefined) : QJsonValue(error));
    QStringList paths;
    for (const QJsonValue &problem : failure.value("problems").toArray()) {
        paths << problem.toObject().value("path").toString();
        QVERIFY(!problem.toObject().value("allowed").toString().isEmpty());
        if (paths.last() == "detection_range")
            QCOMPARE(problem.toObject().value("value"), QJsonValue(99));
    }
    QCOMPARE(paths, problems);
    QCOMPARE(state(), before);

    arguments.removeAll("--json");
    const Result plain = run(arguments, environment);
    QCOMPARE(plain.exitCode, exitCode);
    QCOMPARE(plain.out, QString());
    QCOMPARE(plain.err, result.err);
}

void TestCtl::standardOutputThatCannotBeWritten_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("closed"); // closed rather than full
    QTest::newRow("export") << QStringList{"export"} << false;
    QTest::newRow("export -") << QStringList{"export", "-"} << false;
    QTest::newRow("show") << QStringList{"show"} << false;
    QTest::newRow("get") << QStringList{"get", "walk_away.keys[0].mods"} << false;
    QTest::newRow("set") << QStringList{"set", "detection_range=20", "--json"} << false;
    QTest::newRow("diff") << QStringList{"diff", "{dir}/p.json"} << false;
    QTest::newRow("range") << QStringList{"range", "--watch", "--count", "2"} << false;
    QTest::newRow("closed") << QStringList{"get", "detection_range"} << true;
}

// Standard output is checked before the tool ends: a backup made with
// "export > desk.json" on a full disk is never taken for a good one.
void TestCtl::standardOutputThatCannotBeWritten()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, closed);
    arguments.replaceInStrings("{dir}", dir_->path());
    writeFile("p.json", R"({"format": "ostraval-profile", "version": 1, "walk_up_delay": 9})");
    const Result result = run(arguments, {}, [closed](QProcess &process) {
        if (closed)
            process.setChildProcessModifier([] { ::close(STDOUT_FILENO); });
        else
            process.setStandardOutputFile(QStringLiteral("/dev/full"));
    });
    QCOMPARE(result.exitCode, 4);
    QCOMPARE(lastMessage(result.err), QString("standard output: cannot write: ") +
                                          (closed ? "Bad file descriptor" : "No space left on device"));
}

void TestCtl::outputFileIsWrittenWholeOrNotAtAll_data()
{
    QTest::addColumn<bool>("fullDisk"); // else a file size limit
    QTest::addColumn<QString>("reason");
    QTest::newRow("full file system") << true << "No space left on device";
    QTest::newRow("file size limit") << false << "File too large";
}

// An export that cannot be written whole leaves the earlier backup as it was,
// says so and ends with status 4.
void TestCtl::outputFileIsWrittenWholeOrNotAtAll()
{
    QFETCH(bool, fullDisk);
    QFETCH(QString, reason);
    const QString folder = path("out");
    std::optional<FullFileSystem> disk;
    if (fullDisk) {
        disk.emplace(folder);
        if (!disk->mounted())
            QSKIP(qPrintable("a small tmpfs to fill cannot be mounted here (it needs root): " + disk->why()));
    } else {
        QVERIFY(QDir().mkpath(folder));
    }
    const QString desk = folder + "/desk.json";
    QCOMPARE(run({"export", desk}).exitCode, 0);
    const QByteArray backup = fileBytes(desk);
    QVERIFY(backup.size() > 500);

    kv3sim::Configuration changed = sampleConfiguration();
    changed.sonar.MaxDist = 20;
    writeState(changed);
    Prepare prepare;
    if (disk)
        disk->fill();
    else
        prepare = [](QProcess &process) {
            process.setChildProcessModifier([] {
                const rlimit limit{300, 300};
                ::setrlimit(RLIMIT_FSIZE, &limit);
                ::signal(SIGXFSZ, SIG_IGN);
            });
        };
    const Result result = run({"export", desk}, {}, prepare);
    QCOMPARE(result.exitCode, 4);
    QCOMPARE(result.err, "ostraval-ctl: " + desk + ": cannot write: " + reason + "; the file is as it was\n");
    QCOMPARE(fileBytes(desk), backup);
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System),
             disk ? QStringList({"desk.json", "filler"}) : QStringList{"desk.json"});
}

// The positions and values that show and diff print are what get and set
// take, unchanged.
void TestCtl::printedPlacesAndValuesAreAcceptedBack()
{
    const QString shown = run({"show"}).out;
    const auto lineOf = [&shown](const QString &label) {
        for (const QString &line : shown.split('\n'))
            if (line.startsWith(label))
                return line.mid(label.size()).trimmed();
        return QString();
    };
    QStringList assignments;
    static const QRegularExpression kPosition(R"(\[(\d)\] (.*?)(?=, \[\d\] |$))");
    for (const QRegularExpressionMatch &match : kPosition.globalMatch(lineOf("Walk-away keys:")))
        assignments << "walk_away.keys[" + match.captured(1) + "]=" + match.captured(2);
    static const QRegularExpression kLed(R"((\w+) (on|off))");
    for (const QRegularExpressionMatch &match : kLed.globalMatch(lineOf("LEDs:")))
        assignments << "leds." + match.captured(1) + "=" + match.captured(2);
    assignments << "idle.key=" + lineOf("Idle keystroke:") << "detection_range=" + lineOf("Detection range (inches):")
                << "walk_up.keys=" + lineOf("Walk-up keys:");
    QCOMPARE(assignments.size(), 9);
    for (const QString &assignment : assignments) {
        QCOMPARE(run({"get", assignment.section('=', 0, 0)}).exitCode, 0);
        const Result set = run({"set", assignment});
        QCOMPARE(set.exitCode, 0);
        QCOMPARE(set.out, QString("No change: the sensor already holds these values.\n"));
    }

    // A key count that disagrees with its keys: diff names it, get reads it,
    // and set mends it to what the keys say.
    kv3sim::Configuration miscounted = sampleConfiguration();
    miscounted.walkAway.KeyCount = 4;
    writeState(miscounted);
    QCOMPARE(run({"export", path("p.json")}).exitCode, 0);
    QCOMPARE(run({"diff", path("p.json")}).out, QString("walk_away.key_count: 4 -> 2\n"));
    QCOMPARE(run({"get", "walk_away.key_count"}).out, QString("4\n"));
    QCOMPARE(run({"set", "walk_away.key_count=3"}).exitCode, 2);
    QCOMPARE(run({"set", "walk_away.key_count=2"}).out,
             QString("walk_away.key_count: 4 -> 2\nChanged: 1 field(s) written and committed.\n"));
    QCOMPARE(run({"diff", path("p.json")}).exitCode, 0);
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
    QCOMPARE(QJsonDocument(onlyObject(set.out).value("changes").toArray()).toJson(QJsonDocument::Compact),
             QByteArray(R"([{"after":{"mods":["left-gui"],"name":"ENTER"},"before":null,"path":"walk_up.keys[1]"}])"));
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
    QCOMPARE(onlyObject(run({"reset", "--yes", "--json"}).out).value("changed"), QJsonValue(false));
    QVERIFY(!calls().contains("ResetFactoryDflts"));
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

void TestCtl::warningsAnsweredInJson_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("warned"); // of the detection range of 70 that stays
    QTest::newRow("show") << QStringList{"show"} << true;
    QTest::newRow("set leaves it") << QStringList{"set", "walk_away_delay=7"} << true;
    QTest::newRow("set leaves it, checking") << QStringList{"set", "walk_away_delay=7", "--check"} << true;
    QTest::newRow("import mends it") << QStringList{"import", "{dir}/p.json"} << false;
    QTest::newRow("reset mends it") << QStringList{"reset", "--yes"} << false;
}

// A stored value outside its bounds that the command leaves in place is
// warned of in the JSON answer, as on standard error.
void TestCtl::warningsAnsweredInJson()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, warned);
    arguments.replaceInStrings("{dir}", dir_->path());
    kv3sim::Configuration config = sampleConfiguration();
    config.sonar.MaxDist = 70;
    writeState(config);
    writeFile("p.json", R"({"format": "ostraval-profile", "version": 1, "detection_range": 40})");

    const Result result = run(arguments + QStringList{"--json"});
    QCOMPARE(result.exitCode, 0);
    const QJsonValue warnings = onlyObject(result.out).value("warnings");
    QVERIFY2(warnings.isArray(), qPrintable(result.out));
    const QString warning = QStringLiteral("detection_range: the sensor holds 70");
    QCOMPARE(warnings.toArray().size(), warned ? 1 : 0);
    QCOMPARE(result.err.contains("ostraval-ctl: warning: " + warning), warned);
    if (warned)
        QVERIFY2(warnings[0].toString().startsWith(warning), qPrintable(warnings[0].toString()));
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

void TestCtl::sensorInUseByAnotherProgram_data()
{
    QTest::addColumn<QString>("lockFile"); // what becomes of it while this process holds the sensor
    QTest::newRow("kept") << "kept";
    QTest::newRow("deleted") << "deleted";
    QTest::newRow("replaced") << "replaced";
}

// This process holds the sensor, as the window would, while the tool asks
// for it: refused, whatever became of the lock file, and nothing written.
void TestCtl::sensorInUseByAnotherProgram()
{
    QFETCH(QString, lockFile);
    kv3sim::Settings settings;
    settings.statePath = path("sensor.bin").toStdString();
    kv3sim::reset(settings);
    int32_t version = 0;
    QVERIFY(USBConnect(&version) != 0);
    if (lockFile != "kept")
        QVERIFY(QFile::remove(path("sensor.bin.lock")));
    if (lockFile == "replaced")
        writeFile("sensor.bin.lock", "");
    const QByteArray before = state();
    const Result shown = run({"show"});
    const Result set = run({"set", "walk_away_delay=33"});
    USBDisconnect();
    const QString inUse = "ostraval-ctl: cannot reach the sensor: USBConnect failed: sensor error 7 "
                          "(the sensor is in use by another program)\n";
    QCOMPARE(shown.exitCode, 3);
    QCOMPARE(shown.err, inUse);
    QCOMPARE(set.exitCode, 3);
    QCOMPARE(set.err, inUse);
    QCOMPARE(state(), before);
}

// Several set commands at once while the lock file is deleted over and over:
// each one that says it committed is in the state file, each other one was
// refused as in use and changed nothing. Each command sets a field of its
// own, so that a commit made over another's is seen.
void TestCtl::lockFileDeletedBesideConcurrentWriters()
{
    using Field = int16_t &(*)(kv3sim::Configuration &);
    const QList<QPair<QString, Field>> fields = {
        {"detection_range", [](kv3sim::Configuration &c) -> int16_t & { return c.sonar.MaxDist; }},
        {"walk_away_delay", [](kv3sim::Configuration &c) -> int16_t & { return c.sonar.ORDBTm; }},
        {"walk_up_delay", [](kv3sim::Configuration &c) -> int16_t & { return c.sonar.IRDBTm; }},
        {"power_up_delay", [](kv3sim::Configuration &c) -> int16_t & { return c.sonar.StartDly; }},
        {"idle.rate", [](kv3sim::Configuration &c) -> int16_t & { return c.idle.PressRate; }},
        {"walk_away.key_delay", [](kv3sim::Configuration &c) -> int16_t & { return c.walkAway.InterKeyDelay; }},
    };
    const auto stored = [this] {
        const QByteArray bytes = state();
        std::array<uint8_t, kv3sim::kStoredSize> stored{};
        if (bytes.size() == int(stored.size()))
            std::copy(bytes.begin(), bytes.end(), stored.begin());
        return kv3sim::decode(stored);
    };
    const DeletedOverAndOver lockFile(path("sensor.bin.lock"));
    const QString inUse = "sensor error 7 (the sensor is in use by another program)";
    int committed = 0;
    int refused = 0;
    QElapsedTimer clock;
    clock.start();
    for (int16_t value = 20; value < 40 && clock.elapsed() < 3000; ++value) {
        const kv3sim::Configuration before = stored();
        std::vector<std::unique_ptr<QProcess>> writers;
        for (const auto &field : fields) {
            writers.push_back(std::make_unique<QProcess>());
            writers.back()->setProcessEnvironment(environment({"KV3RAPI_SIM_LOG="}));
            writers.back()->start(QStringLiteral(OSTRAVAL_CTL), {"set", field.first + "=" + QString::number(value)});
        }
        for (auto &writer : writers)
            writer->waitForFinished(30000);
        kv3sim::Configuration after = stored();
        for (qsizetype i = 0; i < fields.size(); ++i) {
            QProcess &writer = *writers[std::size_t(i)];
            const QString err = QString::fromUtf8(writer.readAllStandardError());
            const int16_t now = fields[i].second(after);
            if (writer.exitStatus() == QProcess::NormalExit && writer.exitCode() == 0) {
                ++committed;
                QVERIFY2(now == value, qPrintable(fields[i].first + " committed " + QString::number(value) +
                                                  " but the state file holds " + QString::number(now)));
            } else {
                ++refused;
                QVERIFY2(writer.exitCode() == 3 && err.contains(inUse), qPrintable(fields[i].first + ": " + err));
                kv3sim::Configuration earlier = before;
                QCOMPARE(now, fields[i].second(earlier));
            }
        }
    }
    QVERIFY(committed > 0);
    qInfo("%d commits, %d refused as in use", committed, refused);
}

// A state file with a second name cannot be replaced without breaking the
// link: it is refused with 5 and a line that says why, and left as it is.
void TestCtl::hardLinkedStateFileIsRefused()
{
    QCOMPARE(::link(QFile::encodeName(path("sensor.bin")).constData(),
                    QFile::encodeName(path("second-name.bin")).constData()),
             0);
    const QByteArray before = state();
    for (const QStringList &arguments : {QStringList{"show"}, QStringList{"set", "detection_range=20"}}) {
        const Result result = run(arguments);
        QCOMPARE(result.exitCode, 3);
        QCOMPARE(result.err, "KV3RAPI: the state file \"" + path("sensor.bin") +
                                 "\" is refused (error 5): it has 2 hard links, and a commit would break them\n"
                                 "ostraval-ctl: cannot read the stored configuration: ReadCfg failed: sensor "
                                 "error 5 (the stored configuration is unreadable)\n");
    }
    QCOMPARE(state(), before);
    struct stat info {};
    QCOMPARE(::stat(QFile::encodeName(path("sensor.bin")).constData(), &info), 0);
    QCOMPARE(info.st_nlink, nlink_t(2));
}

void TestCtl::exportWritesStreamsInPlace_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message"); // the message on standard error; empty: none
    QTest::newRow("FIFO") << "FIFO" << 0 << "";
    QTest::newRow("link to a FIFO") << "link to a FIFO" << 0 << "";
    QTest::newRow("terminal") << "terminal" << 0 << "";
    QTest::newRow("standard output by name") << "/dev/stdout" << 0 << "";
    QTest::newRow("null device") << "null device" << 0 << "";
    QTest::newRow("full device") << "full device" << 4 << "{path}: cannot write: No space left on device";
    QTest::newRow("link to a file") << "link to a file" << 0 << "";
}

// A FIFO, a terminal or a character device is written in place, as standard
// output is, and stays what it was; a link is followed, and stays a link; a
// device that takes nothing ends the command with status 4.
void TestCtl::exportWritesStreamsInPlace()
{
    QFETCH(QString, kind);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    const QString profile = run({"export"}).out;
    QString output = path("out");
    const QByteArray native = QFile::encodeName(output);
    int readEnd = -1;   // where the test reads what was written
    int slaveEnd = -1;  // a terminal's own end, kept open
    if (kind == "FIFO" || kind == "link to a FIFO") {
        QCOMPARE(::mkfifo(QFile::encodeName(path("fifo")).constData(), 0600), 0);
        readEnd = ::open(QFile::encodeName(path("fifo")).constData(), O_RDONLY | O_NONBLOCK);
        if (kind == "link to a FIFO")
            QVERIFY(QFile::link("fifo", output));
        else
            output = path("fifo");
    } else if (kind == "terminal") {
        readEnd = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
        QVERIFY(readEnd >= 0 && ::grantpt(readEnd) == 0 && ::unlockpt(readEnd) == 0);
        output = QFile::decodeName(::ptsname(readEnd));
        slaveEnd = ::open(::ptsname(readEnd), O_RDWR | O_NOCTTY);
        termios mode {};
        QCOMPARE(::tcgetattr(slaveEnd, &mode), 0);
        ::cfmakeraw(&mode);
        QCOMPARE(::tcsetattr(slaveEnd, TCSANOW, &mode), 0);
    } else if (kind == "null device" || kind == "full device") {
        if (::geteuid() != 0)
            QSKIP("making a device node needs root");
        QCOMPARE(::mknod(native.constData(), S_IFCHR | 0600, makedev(1, kind == "null device" ? 3 : 7)), 0);
    } else if (kind == "link to a file") {
        writeFile("desk.json", "an older backup");
        QVERIFY(QFile::link("desk.json", output));
    } else {
        output = kind;
    }
    struct stat before {};
    QCOMPARE(::stat(QFile::encodeName(output).constData(), &before), 0);

    const Result result = run({"export", output});
    QCOMPARE(result.exitCode, exitCode);
    QCOMPARE(lastMessage(result.err), message.replace("{path}", output));

    QByteArray written;
    if (kind == "/dev/stdout") {
        written = result.out.toUtf8();
    } else if (kind == "link to a file") {
        QVERIFY(QFileInfo(output).isSymLink());
        written = fileBytes(path("desk.json"));
    } else if (readEnd >= 0) {
        char buffer[4096];
        for (ssize_t got; (got = ::read(readEnd, buffer, sizeof buffer)) > 0;)
            written.append(buffer, got);
    }
    struct stat after {};
    const int looked = ::stat(QFile::encodeName(output).constData(), &after);
    for (const int fd : {readEnd, slaveEnd})
        if (fd >= 0)
            ::close(fd);
    if (exitCode == 0 && kind != "null device")
        QCOMPARE(QString::fromUtf8(written), profile);
    QCOMPARE(looked, 0);
    QCOMPARE(after.st_mode & S_IFMT, before.st_mode & S_IFMT);
    if (kind != "link to a file") // a file is replaced; anything else is written in place
        QCOMPARE(after.st_ino, before.st_ino);
}

void TestCtl::exportRefusesWhatCannotHoldAProfile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message");
    QTest::newRow("directory") << "directory" << "{path}: cannot write a profile into a directory; nothing was written";
    QTest::newRow("socket") << "socket" << "{path}: cannot write a profile into a socket; nothing was written";
    QTest::newRow("block device") << "block device"
                                  << "{path}: cannot write a profile onto a block device; nothing was written";
}

// A directory, a socket or a block device is refused before the sensor is
// asked, and left as it was.
void TestCtl::exportRefusesWhatCannotHoldAProfile()
{
    QFETCH(QString, kind);
    QFETCH(QString, message);
    const QString output = path("out");
    const QByteArray native = QFile::encodeName(output);
    std::optional<BoundSocket> socket;
    if (kind == "directory") {
        QVERIFY(QDir(dir_->path()).mkdir("out"));
    } else if (kind == "socket") {
        socket.emplace(output);
        QVERIFY(socket->bound());
    } else {
        if (::geteuid() != 0)
            QSKIP("making a device node needs root");
        QCOMPARE(::mknod(native.constData(), S_IFBLK | 0600, makedev(7, 200)), 0);
    }
    struct stat before {};
    QCOMPARE(::stat(native.constData(), &before), 0);

    const Result result = run({"export", output});
    QCOMPARE(result.exitCode, 2);
    QCOMPARE(result.err, "ostraval-ctl: " + message.replace("{path}", output) + "\n");
    QCOMPARE(calls(), QStringList());
    struct stat after {};
    QCOMPARE(::stat(native.constData(), &after), 0);
    QCOMPARE(after.st_mode, before.st_mode);
    QCOMPARE(after.st_ino, before.st_ino);
    QCOMPARE(QDir(dir_->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
             (QStringList{"out", "sensor.bin"}));
}

QTEST_GUILESS_MAIN(TestCtl)
// Scripts read the same JSON on every desk: keys, values and messages stay
// English whatever the user's language, and so do the exit statuses.
void TestCtl::jsonAnswersInEveryLanguage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("setting");
    QTest::newRow("show") << QStringList{"show", "--json"} << QString();
    QTest::newRow("set --check") << QStringList{"set", "detection_range=20", "walk_away.key_delay=3", "--check", "--json"}
                                 << QString();
    QTest::newRow("refused values") << QStringList{"set", "detection_range=99", "leds.in_range=maybe", "--json"}
                                    << QString();
    QTest::newRow("reset without --yes") << QStringList{"reset", "--json"} << QString();
    QTest::newRow("unknown option") << QStringList{"show", "--colour", "--json"} << QString();
    QTest::newRow("profile that cannot be read") << QStringList{"diff", "{dir}/missing.json", "--json"} << QString();
    QTest::newRow("refused profile") << QStringList{"import", "{dir}/refused.json", "--json"} << QString();
    QTest::newRow("profile that is not JSON") << QStringList{"diff", "{dir}/cut.json", "--json"} << QString();
    QTest::newRow("refused assignments")
        << QStringList{"set", "detection_range", "walk_away..keys=1", "detection_range.x=1", "--json"} << QString();
    QTest::newRow("failed commit") << QStringList{"set", "detection_range=20", "--json"}
                                   << "KV3RAPI_SIM_FAIL=WriteCfg:6";
    QTest::newRow("no sensor") << QStringList{"show", "--json"} << "KV3RAPI_SIM_UNPLUGGED=1";
}

void TestCtl::jsonAnswersInEveryLanguage()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, setting);
    arguments.replaceInStrings("{dir}", dir_->path());
    // Refusals of every kind the profile reader words: an unknown member, a
    // value out of bounds, a wrong type, an unknown key name, a name and a
    // code that disagree, counted words; and a text that is not JSON.
    writeFile("refused.json", R"({"format": "ostraval-profile", "version": 2, "detection_range": 99, "colour": 1,
        "leds": {"in_range": "yes"}, "walk_away": {"keys": [{"name": "NO_SUCH_KEY"}, {"name": "DELETE", "code": 5}]},
        "reserved": {"led_flags": 1}})");
    writeFile("cut.json", R"({"format": "ostraval-profile", "version": )");
    const QStringList english = {"LC_ALL=C.UTF-8", "LANGUAGE=", setting};
    const Result expected = run(arguments, english);
    QVERIFY(!expected.out.isEmpty());

    for (const QStringList &language : {QStringList{"LC_ALL=de_DE.UTF-8", "LANGUAGE=de"},
                                        QStringList{"LC_ALL=C.UTF-8", "LANGUAGE=de"},
                                        QStringList{"LC_ALL=cs_CZ.UTF-8", "LANGUAGE="}}) {
        const Result result = run(arguments, language + QStringList{setting});
        QCOMPARE(result.exitCode, expected.exitCode);
        QCOMPARE(result.out, expected.out);
    }
}

// The catalogue of the user's language is found beside the program in the
// build tree; the message on standard error is translated, the JSON is not.
void TestCtl::messagesInTheUsersLanguage()
{
    const QStringList german = {"LC_ALL=C.UTF-8", "LANGUAGE=de"};
    const Result english = run({"reset", "--json"});
    const Result result = run({"reset", "--json"}, german);
    QCOMPARE(result.exitCode, 2);
    QCOMPARE(result.out, english.out);
    QVERIFY2(result.err.contains(QStringLiteral("Werkseinstellung")), qPrintable(result.err));

    const Result help = run({"--help"}, german);
    QCOMPARE(help.exitCode, 0);
    QVERIFY2(help.out.startsWith(QStringLiteral("Aufruf: ostraval-ctl")), qPrintable(help.out));
}

#include "tst_ctl.moc"
