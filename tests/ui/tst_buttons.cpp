// The command buttons, "Disable keystrokes" and closing the window.
#include "fakemessageboxes.h"
#include "form1.h"
#include "sensorfixture.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

using fixture::box;
using fixture::text;

Q_DECLARE_METATYPE(ui::MsgAnswer)

namespace {

const QString kWriteTitle = QStringLiteral("Zelvora USB Write Parameters");
const QString kOkPrompt = QStringLiteral("The changes were not written to the device.  Do you want "
                                         "to write the changes and continue ?");
const QString kCancelPrompt = QStringLiteral("The changes were not written to the device.  Do you "
                                             "want to leave without writing the changes and "
                                             "continue ?");
const QString kApplyPrompt = QStringLiteral("The changes are about to be written to the device.  "
                                            "Do you want to write the changes?");

} // namespace

class TestButtons : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void confirmations_data();
    void confirmations();
    void nothingChanged_data();
    void nothingChanged();
    void closeBoxBehavesAsCancel();
    void closeBoxChecksAnEditStillInItsBox();
    void closeBoxWithNothingChanged();
    void pressedWithoutTakingTheFocus_data();
    void pressedWithoutTakingTheFocus();
    void readNow();
    void readNowFailing();
    void advancedShowsThenHidesThePowerUpDelay();
    void factoryReset();
    void factoryResetFailing();
    void disableKeystrokes();
    void unreadableTextRefusesTheWrite();
    void failedWriteLeavesTheIndicatorChecked_data();
    void failedWriteLeavesTheIndicatorChecked();
    void writeRefreshesTheKeystrokeCounts();

private:
    void click(const char *button) { form_->findChild<QPushButton *>(button)->click(); }
    QCheckBox *configChanged() const { return box(form_.get(), "ConfigChanged"); }
    void changeSomething();

    FakeMessageBoxes boxes_;
    std::unique_ptr<Form1> form_;
};

void TestButtons::init()
{
    form_ = fixture::openWindow(boxes_);
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
}

void TestButtons::cleanup()
{
    form_.reset();
}

void TestButtons::changeSomething()
{
    box(form_.get(), "bNoShowORLED")->click();
    QVERIFY(configChanged()->isChecked());
    kv3sim::clearTrace();
}

void TestButtons::confirmations_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<ui::MsgAnswer>("answer");
    QTest::addColumn<bool>("writes");
    QTest::addColumn<bool>("closes");

    const auto yes = ui::MsgAnswer::Yes;
    const auto no = ui::MsgAnswer::No;
    QTest::newRow("OK, Yes") << "Command2" << kOkPrompt << yes << true << true;
    QTest::newRow("OK, No") << "Command2" << kOkPrompt << no << false << false;
    QTest::newRow("Cancel, Yes") << "Command3" << kCancelPrompt << yes << false << true;
    QTest::newRow("Cancel, No") << "Command3" << kCancelPrompt << no << false << false;
    QTest::newRow("Apply, Yes") << "Command4" << kApplyPrompt << yes << true << false;
    QTest::newRow("Apply, No") << "Command4" << kApplyPrompt << no << false << false;
}

void TestButtons::confirmations()
{
    QFETCH(QString, button);
    QFETCH(QString, prompt);
    QFETCH(ui::MsgAnswer, answer);
    QFETCH(bool, writes);
    QFETCH(bool, closes);

    changeSomething();
    boxes_.setNextAnswer(answer);
    click(button.toLatin1().constData());

    QCOMPARE(boxes_.shown, (QList<ui::MessageBoxRequest>{ui::confirmationBox(prompt, kWriteTitle)}));
    QCOMPARE(fixture::callsOf("WriteCfg"), writes ? 1 : 0);
    QCOMPARE(fixture::callsOf("USBDisconnect"), closes ? 1 : 0);
    QCOMPARE(form_->isVisible(), !closes);
    if (writes) {
        QVERIFY(!configChanged()->isChecked());
        QCOMPARE(kv3sim::stored().sonar.LedFlags, int16_t{7});
        QCOMPARE(fixture::calledFunctions().last(), closes ? "USBDisconnect" : "WriteCfg");
    } else if (!closes) {
        QVERIFY(configChanged()->isChecked());
    }
}

void TestButtons::nothingChanged_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("closes");
    QTest::newRow("OK") << "Command2" << true;
    QTest::newRow("Cancel") << "Command3" << true;
    QTest::newRow("Apply") << "Command4" << false;
}

void TestButtons::nothingChanged()
{
    QFETCH(QString, button);
    QFETCH(bool, closes);

    click(button.toLatin1().constData());
    QVERIFY(boxes_.shown.isEmpty());
    QCOMPARE(fixture::calledFunctions(), closes ? QStringList{"USBDisconnect"} : QStringList{});
    QCOMPARE(form_->isVisible(), !closes);
}

void TestButtons::closeBoxBehavesAsCancel()
{
    changeSomething();
    boxes_.setNextAnswer(ui::MsgAnswer::No);
    QVERIFY(!form_->close());
    QCOMPARE(boxes_.shown, (QList<ui::MessageBoxRequest>{
                               ui::confirmationBox(kCancelPrompt, kWriteTitle)}));
    QVERIFY(form_->isVisible());
    QCOMPARE(fixture::callsOf("USBDisconnect"), 0);

    boxes_.setNextAnswer(ui::MsgAnswer::Yes);
    QVERIFY(form_->close());
    QCOMPARE(fixture::calledFunctions(), QStringList{"USBDisconnect"});
    QVERIFY(kv3sim::stored().sonar.LedFlags == fixture::sampleConfiguration().sonar.LedFlags);
}

void TestButtons::closeBoxChecksAnEditStillInItsBox()
{
    // The close box takes no focus from the box being edited.
    QLineEdit *range = text(form_.get(), "MaxDist");
    range->setFocus();
    QTRY_VERIFY(range->hasFocus());
    range->selectAll();
    QTest::keyClicks(range, QStringLiteral("30"));
    QVERIFY(!configChanged()->isChecked());

    boxes_.setNextAnswer(ui::MsgAnswer::No);
    QVERIFY(!form_->close());
    QCOMPARE(boxes_.shown, (QList<ui::MessageBoxRequest>{
                               ui::confirmationBox(kCancelPrompt, kWriteTitle)}));
    QVERIFY(configChanged()->isChecked());
    QCOMPARE(range->text(), QStringLiteral("30"));
}

void TestButtons::closeBoxWithNothingChanged()
{
    QVERIFY(form_->close());
    QVERIFY(boxes_.shown.isEmpty());
    QCOMPARE(fixture::calledFunctions(), QStringList{"USBDisconnect"});
}

void TestButtons::pressedWithoutTakingTheFocus_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message"); // empty: the value passes
    QTest::addColumn<int>("written");

    const QString rangeMessage = QStringLiteral("The value must be between 14 and 60!");
    const QString byteMessage = QStringLiteral("The value must be between 0 and 255!");
    QTest::newRow("Apply, range 99") << "Command4" << kApplyPrompt << "MaxDist" << "99" << rangeMessage << 36;
    QTest::newRow("OK, range 99") << "Command2" << kOkPrompt << "MaxDist" << "99" << rangeMessage << 36;
    QTest::newRow("Apply, walk-away 1000") << "Command4" << kApplyPrompt << "ORDBTm" << "1000" << byteMessage << 0;
    QTest::newRow("Apply, range 30") << "Command4" << kApplyPrompt << "MaxDist" << "30" << "" << 30;
}

// A screen reader's press action clicks a button without moving the focus:
// the edit still in its box is checked and compared first, with the message
// a click would bring, and only the checked value is written.
void TestButtons::pressedWithoutTakingTheFocus()
{
    QFETCH(QString, button);
    QFETCH(QString, prompt);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(int, written);

    QLineEdit *edit = text(form_.get(), field);
    edit->setFocus();
    QTRY_VERIFY(edit->hasFocus());
    edit->selectAll();
    QTest::keyClicks(edit, typed);
    QVERIFY(!configChanged()->isChecked());

    if (!message.isEmpty())
        boxes_.setNextAnswer(ui::MsgAnswer::Ok);
    boxes_.setNextAnswer(ui::MsgAnswer::Yes);
    auto *pressed = form_->findChild<QPushButton *>(button);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(pressed);
    QVERIFY(accessible && accessible->actionInterface());
    accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());

    QList<ui::MessageBoxRequest> expected;
    if (!message.isEmpty())
        expected << ui::stopBox(message, QStringLiteral("Zelvora Parameter"));
    expected << ui::confirmationBox(prompt, kWriteTitle);
    QTRY_COMPARE(boxes_.shown, expected);
    QCOMPARE(fixture::callsOf("WriteCfg"), 1);
    const kv3sim::Configuration stored = kv3sim::stored();
    QCOMPARE(field == "MaxDist" ? stored.sonar.MaxDist : stored.sonar.ORDBTm, int16_t(written));
}

void TestButtons::readNow()
{
    kv3sim::setHeldRange(52);
    click("Command5");
    QCOMPARE(text(form_.get(), "wCurrRange")->text(), QStringLiteral("52"));
    QCOMPARE(fixture::calledFunctions(), QStringList{"GetObjRangeInfo"});
    QVERIFY(boxes_.shown.isEmpty());
    QVERIFY(!configChanged()->isChecked());
}

void TestButtons::readNowFailing()
{
    kv3sim::injectFailure({"GetObjRangeInfo", 2, 1});
    click("Command5");
    QCOMPARE(boxes_.texts(), QStringList{fixture::errorPrompt(QStringLiteral("USB Getrange 2"))});
    for (const char *name : {"wCurrRange", "bInRange", "bInRangePend", "bOutRangePend"})
        QCOMPARE(text(form_.get(), name)->text(), QStringLiteral("0"));
}

void TestButtons::advancedShowsThenHidesThePowerUpDelay()
{
    auto *label = form_->findChild<QLabel *>(QStringLiteral("Label18"));
    QLineEdit *delay = text(form_.get(), "StartDly");

    click("Command6");
    QCOMPARE(boxes_.shown,
             (QList<ui::MessageBoxRequest>{ui::noticeBox(
                 "Enter Power-up delay is rarely required.  Setting this when not needed will "
                 "cause problems with the USB registration process.  Proceed with Caution!",
                 "Ostraval")}));
    QVERIFY(label->isVisible());
    QVERIFY(delay->isVisible());

    click("Command6");
    QCOMPARE(boxes_.shown.size(), 1);
    QVERIFY(label->isHidden());
    QVERIFY(delay->isHidden());
    QVERIFY(kv3sim::trace().empty());
}

void TestButtons::factoryReset()
{
    click("Command1");
    // The controls keep their values; the indicator now tells that the
    // sensor holds something else.
    QCOMPARE(text(form_.get(), "MaxDist")->text(), QStringLiteral("40"));
    QCOMPARE(fixture::calledFunctions().first(), QStringLiteral("ResetFactoryDflts"));
    QCOMPARE(kv3sim::stored().sonar.MaxDist, kv3sim::factoryDefaults().sonar.MaxDist);
    QVERIFY(configChanged()->isChecked());
    QVERIFY(boxes_.shown.isEmpty());
}

void TestButtons::factoryResetFailing()
{
    kv3sim::injectFailure({"ResetFactoryDflts", 2, 1});
    click("Command1");
    QCOMPARE(boxes_.texts(), QStringList{fixture::errorPrompt(QStringLiteral("USB reset 2"))});
    QVERIFY(!configChanged()->isChecked()); // nothing was reset
    QCOMPARE(fixture::callsOf("GetIdleParms"), 1);
}

void TestButtons::disableKeystrokes()
{
    QCheckBox *halt = box(form_.get(), "Check1");
    halt->click();
    QVERIFY(kv3sim::keystrokesHalted());
    halt->click();
    QVERIFY(!kv3sim::keystrokesHalted());
    const auto trace = kv3sim::trace();
    QCOMPARE(trace.size(), std::size_t{2});
    QVERIFY(QString::fromStdString(trace[0]).endsWith(QLatin1String("words=-1")));
    QVERIFY(QString::fromStdString(trace[1]).endsWith(QLatin1String("words=0")));

    kv3sim::injectFailure({"HaltKBSends", 6, 1});
    halt->click();
    QCOMPARE(boxes_.texts(), QStringList{fixture::errorPrompt(QStringLiteral("USB Halt Keyboard 6"))});
}

void TestButtons::unreadableTextRefusesTheWrite()
{
    text(form_.get(), "Key2Code")->setText(QStringLiteral("abc"));
    changeSomething();
    boxes_.setNextAnswer(ui::MsgAnswer::Yes);
    click("Command2");

    QCOMPARE(boxes_.shown.size(), 2);
    const ui::MessageBoxRequest refusal = boxes_.shown[1];
    QVERIFY2(refusal.text.contains(QLatin1String("\"abc\"")) &&
                 refusal.text.contains(QLatin1String("Keystroke 2")) &&
                 refusal.text.contains(QLatin1String("Walk-Away Keystrokes")),
             qPrintable(refusal.text));
    QCOMPARE(refusal.icon, ui::MsgIcon::Stop);
    QCOMPARE(fixture::calledFunctions(), QStringList{}); // nothing sent, no disconnect
    QVERIFY(form_->isVisible());
    QVERIFY(configChanged()->isChecked());
}

void TestButtons::failedWriteLeavesTheIndicatorChecked_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("function");
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("status");
    QTest::addColumn<bool>("closes");

    QTest::newRow("Apply, SetSonarParms fails")
        << "Command4" << "SetSonarParms" << 2 << "USB SetSonarParms 2" << false;
    QTest::newRow("Apply, the commit fails")
        << "Command4" << "WriteCfg" << 6 << "USB WriteCfg 6" << false;
    QTest::newRow("OK, the commit fails") << "Command2" << "WriteCfg" << 6 << "USB WriteCfg 6" << true;
}

// The failure is shown, the window still differs from the sensor, and "OK"
// still disconnects and closes after it. A failed commit leaves the
// sensor's stored configuration as it was.
void TestButtons::failedWriteLeavesTheIndicatorChecked()
{
    QFETCH(QString, button);
    QFETCH(QString, function);
    QFETCH(int, error);
    QFETCH(QString, status);
    QFETCH(bool, closes);

    const auto before = kv3sim::encode(kv3sim::stored());
    changeSomething();
    kv3sim::injectFailure({function.toStdString(), error, 1});
    boxes_.setNextAnswer(ui::MsgAnswer::Yes);
    click(qPrintable(button));

    QCOMPARE(boxes_.texts().last(), fixture::errorPrompt(status));
    QCOMPARE(text(form_.get(), "LastErr")->text(), status);
    QVERIFY(configChanged()->isChecked());
    QVERIFY(!form_->DeviceUpdated());
    QStringList calls = fixture::calledFunctions();
    calls.removeAll(QStringLiteral("GetLastLibErr")); // the error reports
    if (closes)
        QCOMPARE(calls.takeLast(), QStringLiteral("USBDisconnect"));
    QCOMPARE(calls.last(), QStringLiteral("WriteCfg"));
    QCOMPARE(form_->isVisible(), !closes);
    if (function == QLatin1String("WriteCfg"))
        QVERIFY(kv3sim::encode(kv3sim::stored()) == before);
}

void TestButtons::writeRefreshesTheKeystrokeCounts()
{
    // The stored walk-away count (2) is below the keystrokes the window
    // holds (4), the walk-up one (1) below its 3: after the write both count
    // boxes agree with the sensor.
    changeSomething();
    boxes_.setNextAnswer(ui::MsgAnswer::Yes);
    click("Command4");
    QCOMPARE(text(form_.get(), "KeyCount")->text(), QStringLiteral("4"));
    QCOMPARE(text(form_.get(), "KeyCountUp")->text(), QStringLiteral("3"));
    form_->CheckUpdate();
    QVERIFY(!configChanged()->isChecked());
}

QTEST_MAIN(TestButtons)
#include "tst_buttons.moc"
