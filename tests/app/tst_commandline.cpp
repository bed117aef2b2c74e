#include "commandline.h"

#include <QtTest>

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void arguments_data();
    void arguments();
};

void TestCommandLine::arguments_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status"); // -1: the window opens
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");

    const QString usageError = QStringLiteral("ostraval-config: %1 (try --help)\n");
    QTest::newRow("none") << QStringList{} << -1 << QString() << QString();
    QTest::newRow("version") << QStringList{"--version"} << 0
                             << QStringLiteral("ostraval-config 1.1.1\n") << QString();
    QTest::newRow("version, short") << QStringList{"-v"} << 0
                                    << QStringLiteral("ostraval-config 1.1.1\n") << QString();
    QTest::newRow("help wins over version") << QStringList{"--version", "--help"} << 0
                                            << QStringLiteral("Usage: ostraval-config [OPTION]\n")
                                            << QString();
    QTest::newRow("unknown option") << QStringList{"--bogus"} << 2 << QString()
                                    << usageError.arg("Unknown option 'bogus'.");
    QTest::newRow("unknown option with one dash, named whole")
        << QStringList{"-bogus"} << 2 << QString() << usageError.arg("Unknown option 'bogus'.");
    QTest::newRow("unknown option beside a known one")
        << QStringList{"--help", "-x"} << 2 << QString()
        << usageError.arg("Unknown option 'x'.");
    QTest::newRow("argument") << QStringList{"sensor.bin"} << 2 << QString()
                              << usageError.arg("unexpected argument 'sensor.bin'");
    QTest::newRow("value given to a switch") << QStringList{"--version=2"} << 2 << QString()
                                             << usageError.arg("Unexpected value after '--version'.");
}

void TestCommandLine::arguments()
{
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);

    QString outText, errText;
    QTextStream outStream(&outText), errStream(&errText);
    const auto result = app::handleCommandLine(QStringList{"ostraval-config"} + args,
                                               outStream, errStream);
    outStream.flush();
    errStream.flush();

    QCOMPARE(result.value_or(-1), status);
    // Of the help, only its first line is compared.
    if (out.startsWith(QLatin1String("Usage:")))
        QCOMPARE(outText.section('\n', 0, 0) + '\n', out);
    else
        QCOMPARE(outText, out);
    QCOMPARE(errText, err);
}

QTEST_APPLESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
