// Start-up in its three end states, the error-reporting routine, the
// firmware text, and the real message box behind the seam.
#include "fakemessageboxes.h"
#include "form1.h"
#include "kv3sim.h"
#include "sensorfixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

Q_DECLARE_METATYPE(kv3sim::Settings)

namespace {

kv3sim::Settings failing(const char *function, int32_t error)
{
    kv3sim::Settings settings;
    settings.failures.push_back({function, error, std::nullopt});
    return settings;
}

const QString kErrorTitle = QStringLiteral("Zelvora USB Device Error");

} // namespace

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void endStates_data();
    void endStates();
    void sensorInUseByAnotherProgram();
    void statusBoxIsInitialisedBeforeConnecting();
    void errorReportShowsNameAndNumber();
    void silentRangeFailure();
    void firmwareText_data();
    void firmwareText();
    void realMessageBox_data();
    void realMessageBox();
};

void TestStartup::endStates_data()
{
    QTest::addColumn<kv3sim::Settings>("settings");
    QTest::addColumn<QString>("status");
    QTest::addColumn<bool>("errorBox");
    QTest::addColumn<QString>("firmware");
    QTest::addColumn<QStringList>("calls");

    kv3sim::Settings connected;
    connected.firmware = 0x0103;
    QTest::newRow("connected and read")
        << connected << "Ok 0" << false << "v  0 1. 0 3"
        << QStringList{"GetLastLibErr", "USBConnect", "ReadCfg"};

    kv3sim::Settings readFails = failing("ReadCfg", 5);
    readFails.firmware = 0x1A2F;
    QTest::newRow("read failed") << readFails << "ReadCfg 5" << true << "v  1 10. 2 15"
                                 << QStringList{"GetLastLibErr", "USBConnect", "ReadCfg",
                                                "GetLastLibErr"};

    kv3sim::Settings unplugged;
    unplugged.unplugged = true;
    QTest::newRow("not connected")
        << unplugged << QStringLiteral("USB Connect %1").arg(KV3_ERR_NO_SENSOR) << true << ""
        << QStringList{"GetLastLibErr", "USBConnect", "GetLastLibErr"};

    QTest::newRow("connect fails without an error number")
        << failing("USBConnect", 0) << "USB Connect 0" << false << ""
        << QStringList{"GetLastLibErr", "USBConnect", "GetLastLibErr"};
}

void TestStartup::endStates()
{
    QFETCH(kv3sim::Settings, settings);
    QFETCH(QString, status);
    QFETCH(bool, errorBox);
    QFETCH(QString, firmware);
    QFETCH(QStringList, calls);

    fixture::reset(settings);
    FakeMessageBoxes boxes;
    Form1 form(boxes);

    QCOMPARE(fixture::text(&form, "LastErr")->text(), status);
    QCOMPARE(fixture::text(&form, "Text1")->text(), firmware);
    QVERIFY(form.findChild<QCheckBox *>(QStringLiteral("CheckCnct"))->isChecked());
    QVERIFY(!form.findChild<QCheckBox *>(QStringLiteral("ConfigChanged"))->isChecked());
    QCOMPARE(form.findChild<QLabel *>(QStringLiteral("lblTitle"))->text(), QStringLiteral("Ostraval"));
    QCOMPARE(form.findChild<QLabel *>(QStringLiteral("lblVersion"))->text(), QStringLiteral("1.1"));
    QCOMPARE(fixture::calledFunctions().mid(0, calls.size()), calls);

    if (errorBox) {
        QCOMPARE(boxes.shown.size(), 1);
        QCOMPARE(boxes.shown[0], ui::stopBox(fixture::errorPrompt(status), kErrorTitle));
    } else {
        QVERIFY(boxes.shown.isEmpty());
    }

    if (status != QLatin1String("Ok 0")) {
        // Not read: the window keeps its start contents and stays inert.
        QCOMPARE(form.FirstLoad(), int16_t{1});
        QCOMPARE(fixture::text(&form, "Key1Code")->text(), QStringLiteral("Text4"));
        for (int list = 1; list <= 12; ++list) {
            auto *combo = form.findChild<QComboBox *>(QStringLiteral("Combo%1").arg(list));
            QCOMPARE(combo->count(), 104);
            QCOMPARE(combo->currentIndex(), -1);
        }
    }
}

void TestStartup::sensorInUseByAnotherProgram()
{
    // Another program holds the sensor: its lock beside the state file.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    kv3sim::Settings settings;
    settings.statePath = dir.filePath(QStringLiteral("sensor.bin")).toStdString();
    const int lock = ::open(qPrintable(dir.filePath(QStringLiteral("sensor.bin.lock"))),
                            O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    QVERIFY(lock >= 0);
    QCOMPARE(::flock(lock, LOCK_EX | LOCK_NB), 0);

    fixture::reset(settings);
    FakeMessageBoxes boxes;
    Form1 form(boxes);
    ::close(lock);

    const QString status = QStringLiteral("USB Connect %1").arg(KV3_ERR_IN_USE);
    QCOMPARE(fixture::text(&form, "LastErr")->text(), status);
    QCOMPARE(boxes.shown.size(), 1);
    QCOMPARE(boxes.shown[0], ui::stopBox(fixture::errorPrompt(status), kErrorTitle));
    QCOMPARE(form.FirstLoad(), int16_t{1});
}

void TestStartup::statusBoxIsInitialisedBeforeConnecting()
{
    // An error number left over from before start-up is reported under "Ok"
    // before the connection is tried.
    fixture::reset();
    SonarParms ignored{};
    QCOMPARE(GetSonarParms(&ignored), int16_t{0}); // not connected yet
    kv3sim::clearTrace();

    FakeMessageBoxes boxes;
    Form1 form(boxes);
    QCOMPARE(fixture::calledFunctions().mid(0, 2), (QStringList{"GetLastLibErr", "USBConnect"}));
    QCOMPARE(boxes.shown.size(), 1);
    QCOMPARE(boxes.shown[0].text,
             fixture::errorPrompt(QStringLiteral("Ok %1").arg(KV3_ERR_NOT_CONNECTED)));
}

void TestStartup::errorReportShowsNameAndNumber()
{
    fixture::reset(failing("ReadCfg", 7));
    FakeMessageBoxes boxes;
    Form1 form(boxes);
    boxes.clear();

    QCOMPARE(ReadCfg(), int16_t{0});
    form.ErReason(QStringLiteral("USB GetSonarParms"));
    QCOMPARE(fixture::text(&form, "LastErr")->text(), QStringLiteral("USB GetSonarParms 7"));
    QCOMPARE(boxes.shown.size(), 1);
    QCOMPARE(boxes.shown[0], ui::stopBox(fixture::errorPrompt(QStringLiteral("USB GetSonarParms 7")),
                                         kErrorTitle));

    // After a call that succeeded the number is 0: the status box changes,
    // no box is shown.
    int32_t version = 0;
    QVERIFY(USBConnect(&version) != 0);
    boxes.clear();
    form.ErReason(QStringLiteral("USB reset"));
    QCOMPARE(fixture::text(&form, "LastErr")->text(), QStringLiteral("USB reset 0"));
    QVERIFY(boxes.shown.isEmpty());
}

void TestStartup::silentRangeFailure()
{
    fixture::reset(failing("ReadCfg", 7));
    FakeMessageBoxes boxes;
    Form1 form(boxes);
    boxes.clear();
    kv3sim::clearTrace();

    form.ErReason(QStringLiteral("USB range"));
    QCOMPARE(fixture::text(&form, "LastErr")->text(), QStringLiteral("ReadCfg 7"));
    QVERIFY(boxes.shown.isEmpty());
    QVERIFY(kv3sim::trace().empty());

    // The comparison is exact: another spelling is reported.
    form.ErReason(QStringLiteral("USB Range"));
    QCOMPARE(fixture::text(&form, "LastErr")->text(), QStringLiteral("USB Range 7"));
}

void TestStartup::firmwareText_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<QString>("text");
    QTest::newRow("0x0103") << 0x0103 << "v  0 1. 0 3";
    QTest::newRow("0x1A2F") << 0x1A2F << "v  1 10. 2 15";
    QTest::newRow("0") << 0 << "v  0 0. 0 0";
    QTest::newRow("high bits stay in the first digit") << 0x2F123 << "v  47 1. 2 3";
}

void TestStartup::firmwareText()
{
    QFETCH(int, version);
    QFETCH(QString, text);
    QCOMPARE(ui::firmwareText(version), text);
}

void TestStartup::realMessageBox_data()
{
    QTest::addColumn<ui::MessageBoxRequest>("request");
    QTest::addColumn<QMessageBox::Icon>("icon");
    QTest::addColumn<QList<QMessageBox::StandardButton>>("buttons");
    QTest::addColumn<QMessageBox::StandardButton>("defaultButton");

    QTest::newRow("error") << ui::stopBox("An error", "Zelvora USB Device Error")
                           << QMessageBox::Critical
                           << QList<QMessageBox::StandardButton>{QMessageBox::Ok, QMessageBox::Cancel}
                           << QMessageBox::Cancel;
    QTest::newRow("confirmation")
        << ui::confirmationBox("Write?", "Zelvora USB Write Parameters") << QMessageBox::Critical
        << QList<QMessageBox::StandardButton>{QMessageBox::Yes, QMessageBox::No} << QMessageBox::No;
    QTest::newRow("notice") << ui::noticeBox("Careful", "Ostraval") << QMessageBox::NoIcon
                            << QList<QMessageBox::StandardButton>{QMessageBox::Ok}
                            << QMessageBox::Ok;
}

void TestStartup::realMessageBox()
{
    QFETCH(ui::MessageBoxRequest, request);
    QFETCH(QMessageBox::Icon, icon);
    QFETCH(QList<QMessageBox::StandardButton>, buttons);
    QFETCH(QMessageBox::StandardButton, defaultButton);

    bool inspected = false;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        QCOMPARE(box->windowTitle(), request.title);
        QCOMPARE(box->text(), request.text);
        QCOMPARE(box->icon(), icon);
        QCOMPARE(box->buttons().size(), buttons.size());
        for (QMessageBox::StandardButton b : buttons)
            QVERIFY(box->button(b));
        QCOMPARE(box->defaultButton(), box->button(defaultButton));
        inspected = true;
        box->defaultButton()->click();
    });
    ui::QtMessageBoxes boxes;
    const ui::MsgAnswer answer = boxes.ask(nullptr, request);
    QVERIFY(inspected);
    QCOMPARE(answer, request.defaultButton);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
