// The state file as one sensor on one USB port: one program at a time
// whatever becomes of the lock file, only a regular file of one name read,
// links kept, permission bits kept, no temporary files left behind by killed
// commits. The other program is sensorprocess.
#include "boundsocket.h"
#include "kv3rapi.h"
#include "kv3sim.h"
#include "statefiles.h"

#include <QtTest>

#include <csignal>
#include <random>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

using namespace statefiles;

// Everything in a folder, hidden files included.
QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

int16_t commitPressRate(int16_t rate)
{
    IdleParms idle{};
    if (GetIdleParms(&idle) != kOk)
        return kFailed;
    idle.PressRate = rate;
    if (SetIdleParms(&idle) != kOk)
        return kFailed;
    return WriteCfg();
}

// The other program, on the state file at `statePath`; in memory only when
// it is empty (without a state directory, so that no real one is touched).
class OtherProgram {
public:
    explicit OtherProgram(const QString &statePath)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        if (statePath.isEmpty()) {
            for (const char *variable : {"KV3RAPI_SIM_STATE", "XDG_STATE_HOME", "HOME"})
                env.remove(variable);
        } else {
            env.insert("KV3RAPI_SIM_STATE", statePath);
        }
        process_.setProcessEnvironment(env);
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start(QStringLiteral(SENSOR_PROCESS), {});
    }
    ~OtherProgram() { kill(); }

    // Sends a command and returns the answer line.
    QString ask(const QString &command)
    {
        process_.write((command + '\n').toUtf8());
        return answer();
    }

    QString answer()
    {
        while (!process_.canReadLine())
            if (!process_.waitForReadyRead(10'000))
                return QStringLiteral("<no answer>");
        return QString::fromUtf8(process_.readLine()).trimmed();
    }

    void kill()
    {
        if (process_.state() == QProcess::NotRunning)
            return;
        ::kill(pid_t(process_.processId()), SIGKILL);
        process_.waitForFinished(10'000);
    }

    QProcess &process() { return process_; }

private:
    QProcess process_;
};

} // namespace

class TestStateFile : public QObject {
    Q_OBJECT

private slots:
    void init() { kv3sim::reset(); }
    void cleanup() { kv3sim::reset(); }

    // The second program fails at once with 7 while the first holds the
    // sensor; it gets it after the first disconnects, and after the first
    // is killed while holding it.
    void oneProgramAtATime()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("sensor.bin");
        kv3sim::reset(stateIn(path));
        int32_t version = 0;
        QCOMPARE(USBConnect(&version), kOk);
        QVERIFY(QFile::exists(path + ".lock"));

        OtherProgram other(path);
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(other.ask("connect"), QStringLiteral("0 7"));
        QVERIFY(clock.elapsed() < 5000); // refused, not waiting
        QCOMPARE(other.ask("commit 40"), QStringLiteral("0 1"));

        QCOMPARE(USBDisconnect(), kOk);
        QCOMPARE(other.ask("connect"), QStringLiteral("1 0"));
        QCOMPARE(other.ask("commit 40"), QStringLiteral("1 0"));
        QCOMPARE(USBConnect(&version), kFailed);
        QCOMPARE(GetLastLibErr(), KV3_ERR_IN_USE);
        QVERIFY(!kv3sim::connected());

        other.kill();
        QCOMPARE(USBConnect(&version), kOk);
        QCOMPARE(kv3sim::working().idle.PressRate, int16_t(40));
    }

    // A link and the file it points at are one sensor: whichever name the
    // first program connects by, the second is refused by the other name,
    // and the lock file lies beside the file itself.
    void oneLockWhateverNameReachesTheFile_data()
    {
        QTest::addColumn<bool>("firstByLink");
        QTest::newRow("link first") << true;
        QTest::newRow("real path first") << false;
    }

    void oneLockWhateverNameReachesTheFile()
    {
        QFETCH(bool, firstByLink);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("real"));
        const QString real = dir.filePath("real/sensor.bin");
        const QString link = dir.filePath("desk.bin");
        QVERIFY(QFile::link("real/sensor.bin", link));

        kv3sim::reset(stateIn(firstByLink ? link : real));
        int32_t version = 0;
        QCOMPARE(USBConnect(&version), kOk);
        QVERIFY(QFile::exists(real + ".lock"));
        QVERIFY(!QFileInfo::exists(link + ".lock"));

        OtherProgram other(firstByLink ? real : link);
        QCOMPARE(other.ask("connect"), QStringLiteral("0 7"));
        QCOMPARE(USBDisconnect(), kOk);
        QCOMPARE(other.ask("connect"), QStringLiteral("1 0"));
    }

    void lockFileGoneWhileHeld_data()
    {
        QTest::addColumn<bool>("replaced"); // a new file in its place, else nothing
        QTest::addColumn<bool>("byLink");   // the state file is reached through a link
        QTest::newRow("deleted") << false << false;
        QTest::newRow("replaced by a new file") << true << false;
        QTest::newRow("deleted beside a link's target") << false << true;
    }

    // The lock file may be deleted or replaced at any time: while one
    // program has the sensor, the other is refused with 7 however often the
    // lock file goes, and gets the sensor once the first lets go. There is
    // no state file yet, so nothing but the lock stands in the way.
    void lockFileGoneWhileHeld()
    {
        QFETCH(bool, replaced);
        QFETCH(bool, byLink);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("real"));
        const QString real = dir.filePath("real/sensor.bin");
        const QString path = byLink ? dir.filePath("desk.bin") : real;
        if (byLink)
            QVERIFY(QFile::link("real/sensor.bin", path));

        kv3sim::reset(stateIn(path));
        int32_t version = 0;
        QCOMPARE(USBConnect(&version), kOk);
        OtherProgram other(path);
        for (int attempt = 0; attempt < 3; ++attempt) {
            QVERIFY(QFile::remove(real + ".lock"));
            if (replaced)
                writeFile(real + ".lock", "");
            QCOMPARE(other.ask("connect"), QStringLiteral("0 7"));
        }
        QCOMPARE(commitPressRate(21), kOk);
        QCOMPARE(USBDisconnect(), kOk);
        QCOMPARE(other.ask("connect"), QStringLiteral("1 0"));
        QCOMPARE(other.ask("commit 22"), QStringLiteral("1 0"));
    }

    // Two state files in one folder are two sensors, each one program's.
    void stateFilesInOneFolderAreSeparateSensors()
    {
        QTemporaryDir dir;
        kv3sim::reset(stateIn(dir.filePath("left.bin")));
        int32_t version = 0;
        QCOMPARE(USBConnect(&version), kOk);
        OtherProgram right(dir.filePath("right.bin"));
        QCOMPARE(right.ask("connect"), QStringLiteral("1 0"));
        OtherProgram left(dir.filePath("left.bin"));
        QCOMPARE(left.ask("connect"), QStringLiteral("0 7"));
    }

    void lockThatCannotBeTaken_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char *kind : {"directory", "link", "unopenable", "under a plain file", "loop of links"})
            QTest::newRow(kind) << kind;
    }

    // Without its lock nobody gets the sensor: USBConnect fails with 8 and
    // every later call with 1 (not connected), whatever stands in the way,
    // and the state file is left as it is.
    void lockThatCannotBeTaken()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        QString path = dir.filePath("sensor.bin");
        const QByteArray stored = bytesOf(kv3sim::factoryDefaults());
        if (kind == "directory") {
            writeFile(path, stored);
            QVERIFY(QDir(dir.path()).mkdir("sensor.bin.lock"));
        } else if (kind == "link") {
            writeFile(path, stored);
            writeFile(dir.filePath("elsewhere"), "");
            QVERIFY(QFile::link("elsewhere", path + ".lock"));
        } else if (kind == "unopenable") {
            if (::geteuid() == 0)
                QSKIP("root opens a file whatever its permission bits");
            writeFile(path, stored);
            writeFile(path + ".lock", "");
            QVERIFY(QFile::setPermissions(path + ".lock", QFileDevice::Permissions{}));
        } else if (kind == "under a plain file") {
            writeFile(dir.filePath("plain"), "");
            path = dir.filePath("plain/sensor.bin");
        } else {
            QVERIFY(QFile::link("loop", path));
            QVERIFY(QFile::link("sensor.bin", dir.filePath("loop")));
        }
        const QByteArray before = fileBytes(path);

        kv3sim::reset(stateIn(path));
        int32_t version = 0;
        QCOMPARE(USBConnect(&version), kFailed);
        QCOMPARE(GetLastLibErr(), KV3_ERR_LOCK);
        QVERIFY(!kv3sim::connected());
        QCOMPARE(commitPressRate(9), kFailed);
        QCOMPARE(GetLastLibErr(), KV3_ERR_NOT_CONNECTED);
        QCOMPARE(fileBytes(path), before);
    }

    // Without a state file every process has a sensor of its own.
    void memoryOnlySensorsAreSeparate()
    {
        int32_t version = 0;
        QCOMPARE(USBConnect(&version), kOk);
        OtherProgram other(QString{});
        QCOMPARE(other.ask("connect"), QStringLiteral("1 0"));
    }

    void refusedStateFile_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char *kind : {"FIFO", "socket", "device", "directory", "hard link"})
            QTest::newRow(kind) << kind;
    }

    // Anything but a regular file with one name is refused at once with 5,
    // never blocking, and left as it is: a file with a second hard link
    // could only be replaced by breaking the link. The other program starts
    // as the utility would: connect, then read.
    void refusedStateFile()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString path = dir.filePath("sensor.bin");
        const QByteArray native = QFile::encodeName(path);
        std::optional<BoundSocket> socket;
        if (kind == "FIFO") {
            QCOMPARE(::mkfifo(native.constData(), 0600), 0);
        } else if (kind == "socket") {
            socket.emplace(path);
            QVERIFY(socket->bound());
        } else if (kind == "device") {
            // A device node of its own (the null device): a link to /dev/null
            // would put the sensor's lock file beside /dev/null.
            if (::geteuid() != 0)
                QSKIP("making a device node needs root");
            QCOMPARE(::mknod(native.constData(), S_IFCHR | 0600, makedev(1, 3)), 0);
        } else if (kind == "hard link") {
            writeFile(dir.filePath("other.bin"), bytesOf(kv3sim::factoryDefaults()));
            QCOMPARE(::link(QFile::encodeName(dir.filePath("other.bin")).constData(), native.constData()), 0);
        } else {
            QVERIFY(QDir(dir.path()).mkdir("sensor.bin"));
        }
        struct stat before {};
        QCOMPARE(::stat(native.constData(), &before), 0);

        OtherProgram other(path);
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(other.ask("connect"), QStringLiteral("1 0"));
        QCOMPARE(other.ask("read"), QStringLiteral("0 5"));
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(other.ask("commit 9"), QStringLiteral("0 5"));

        struct stat after {};
        QCOMPARE(::stat(native.constData(), &after), 0);
        QCOMPARE(after.st_mode, before.st_mode);
        QCOMPARE(after.st_ino, before.st_ino);
        QCOMPARE(after.st_nlink, before.st_nlink);
    }

    void commitKeepsTheFile_data()
    {
        QTest::addColumn<QString>("link");   // where the state file's path points; empty: nowhere
        QTest::addColumn<bool>("existing");  // the file pointed at exists before the commit
        QTest::addColumn<int>("mode");

        QTest::newRow("plain file 0600") << QString() << true << 0600;
        QTest::newRow("plain file 0644") << QString() << true << 0644;
        QTest::newRow("relative link") << "../real/sensor.bin" << true << 0640;
        QTest::newRow("absolute link, no file yet") << "<absolute>" << false << 0;
        QTest::newRow("link to a link") << "second-link" << true << 0604;
    }

    // A linked state file stays a link and the file it points at takes the
    // commit; an existing file keeps its permission bits. No temporary
    // file is left in either folder.
    void commitKeepsTheFile()
    {
        QFETCH(QString, link);
        QFETCH(bool, existing);
        QFETCH(int, mode);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("real") && QDir(dir.path()).mkpath("used"));
        const QString target = dir.filePath("real/sensor.bin");
        const QString path = link.isEmpty() ? target : dir.filePath("used/sensor.bin");
        if (link == "<absolute>")
            link = target;
        if (link == "second-link") {
            QVERIFY(QFile::link(target, dir.filePath("used/second-link")));
        }
        if (!link.isEmpty())
            QCOMPARE(::symlink(QFile::encodeName(link).constData(), QFile::encodeName(path).constData()), 0);
        if (existing) {
            writeFile(target, bytesOf(kv3sim::factoryDefaults()));
            QCOMPARE(::chmod(QFile::encodeName(target).constData(), mode_t(mode)), 0);
        }

        kv3sim::reset(stateIn(path));
        int32_t version = 0;
        QCOMPARE(USBConnect(&version), kOk);
        QCOMPARE(commitPressRate(77), kOk);

        kv3sim::Configuration expected = kv3sim::factoryDefaults();
        expected.idle.PressRate = 77;
        QCOMPARE(fileBytes(target), bytesOf(expected));
        QCOMPARE(QFileInfo(path).isSymLink(), !link.isEmpty());
        QCOMPARE(QFileInfo(path).canonicalFilePath(), QFileInfo(target).canonicalFilePath());
        if (existing) {
            struct stat info {};
            QCOMPARE(::stat(QFile::encodeName(target).constData(), &info), 0);
            QCOMPARE(int(info.st_mode & 07777), mode);
        }
        const QStringList left = entries(dir.filePath("real")) + entries(dir.filePath("used"));
        QCOMPARE(left.filter(".tmp"), QStringList{});
    }

    // Commits killed at any moment leave at most one temporary file beside
    // the state file, which holds a whole configuration throughout; the
    // next commit takes the temporary file away.
    void killedCommitsLeaveOneTemporaryFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("sensor.bin");
        std::mt19937 random(7);
        std::uniform_int_distribution<int> delayMs(0, 15);
        for (int kill = 0; kill < 25; ++kill) {
            OtherProgram other(path);
            QCOMPARE(other.ask("connect"), QStringLiteral("1 0"));
            other.process().write("commit-forever\n");
            QCOMPARE(other.answer(), QStringLiteral("committing"));
            QThread::msleep(static_cast<unsigned long>(delayMs(random)));
            other.kill();
            QVERIFY(fileBytes(path) == "<missing>" || fileBytes(path).size() == 96);
        }
        QStringList left = entries(dir.path());
        QVERIFY2(left.size() <= 3, qPrintable(left.join(", ")));
        QCOMPARE(left.filter(QRegularExpression("^sensor\\.bin(\\.lock)?$")).size(), 2);

        kv3sim::reset(stateIn(path));
        int32_t version = 0;
        QCOMPARE(USBConnect(&version), kOk);
        QCOMPARE(commitPressRate(12), kOk);
        QCOMPARE(entries(dir.path()), (QStringList{"sensor.bin", "sensor.bin.lock"}));
    }
};

QTEST_GUILESS_MAIN(TestStateFile)
#include "tst_statefile.moc"
