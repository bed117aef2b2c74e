// The window's command line as a user types it: Qt's own options are taken,
// --help and --version need no display, anything else is refused whole.
#include <QProcess>
#include <QtTest>

class TestQtOptions : public QObject {
    Q_OBJECT
private slots:
    void commandLine_data();
    void commandLine();
};

void TestQtOptions::commandLine_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QStringList>("environment"); // "NAME=value"; "NAME" alone removes it
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out"); // the start of standard output
    QTest::addColumn<QString>("err");

    const QString bogus = QStringLiteral("ostraval-config: Unknown option '%1'. (try --help)\n");
    const QStringList noDisplay = {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"};
    QTest::newRow("Qt's options are taken, an unknown one named whole")
        << QStringList{"-style", "Fusion", "-reverse", "-session", "1234_5", "-stylesheet", "none.qss", "-bogus"}
        << QStringList() << 2 << QString() << bogus.arg("-bogus");
    QTest::newRow("X11's options pass on another platform")
        << QStringList{"-platform", "offscreen", "-display", ":99", "-geometry", "10x10", "--bogus"}
        << QStringList() << 2 << QString() << bogus.arg("--bogus");
    QTest::newRow("--version without a display") << QStringList{"--version"} << noDisplay << 0
                                                 << QStringLiteral("ostraval-config " OSTRAVAL_RELEASE_VERSION "\n") << QString();
    QTest::newRow("--help without a display") << QStringList{"-h"} << noDisplay << 0
                                              << QStringLiteral("Usage: ostraval-config [OPTION]\n") << QString();
    QTest::newRow("--help beside Qt's options") << QStringList{"-style", "Fusion", "--help"} << QStringList() << 0
                                                << QStringLiteral("Usage: ostraval-config [OPTION]\n") << QString();
    // Our catalogue translates the unknown option, Qt's own the parser's
    // other errors.
    QTest::newRow("errors in the user's language")
        << QStringList{"-bogus"} << QStringList{"LANGUAGE=de"} << 2 << QString()
        << QStringLiteral("ostraval-config: Unbekannte Option '-bogus'. (siehe --help)\n");
    QTest::newRow("Qt's own errors in the user's language")
        << QStringList{"--version=2"} << QStringList{"LANGUAGE=de"} << 2 << QString()
        << QStringLiteral("ostraval-config: Wert unerwartet nach '--version'. (siehe --help)\n");
}

void TestQtOptions::commandLine()
{
    QFETCH(QStringList, args);
    QFETCH(QStringList, environment);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString &setting : environment) {
        if (setting.contains('='))
            env.insert(setting.section('=', 0, 0), setting.section('=', 1));
        else
            env.remove(setting);
    }
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(OSTRAVAL_CONFIG), args);
    QVERIFY(process.waitForFinished(30000));

    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), status);
    QVERIFY2(QString::fromUtf8(process.readAllStandardOutput()).startsWith(out), qPrintable(out));
    const QString errText = QString::fromUtf8(process.readAllStandardError());
    // Qt's own notes (a missing runtime folder) may come first.
    QVERIFY2(err.isEmpty() ? !errText.contains(QStringLiteral("ostraval-config:")) : errText.endsWith(err),
             qPrintable(errText));
}

QTEST_GUILESS_MAIN(TestQtOptions)
#include "tst_qtoptions.moc"
