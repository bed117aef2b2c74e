// The window's controls: names, kinds, captions, tool tips, visibility,
// enabled state and the order of the tab pages.
#include "fakemessageboxes.h"
#include "form1.h"
#include "kv3sim.h"
#include "sensorfixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

#include <memory>

class TestWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void control_data();
    void control();
    void keystrokeSlots_data();
    void keystrokeSlots();
    void codeTextsStartWithPlaceholder();
    void tabPages();
    void outOfSightControlsLieOutsideTheirContainer();
    void noButtonIsBoundToEnterOrEsc();
    void tabNeverReachesControlsOutOfSight_data();
    void tabNeverReachesControlsOutOfSight();

private:
    FakeMessageBoxes boxes_;
    std::unique_ptr<Form1> form_;

    QWidget *find(const QString &name) const
    {
        return form_->findChild<QWidget *>(name);
    }
};

void TestWindow::initTestCase()
{
    form_ = fixture::openUnpluggedWindow(boxes_);
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
}

void TestWindow::cleanupTestCase()
{
    form_.reset();
}

namespace {

// The caption a control shows, whatever its kind.
QString captionOf(QWidget *w)
{
    if (auto *label = qobject_cast<QLabel *>(w))
        return label->text();
    if (auto *button = qobject_cast<QAbstractButton *>(w))
        return button->text();
    if (auto *frame = qobject_cast<QGroupBox *>(w))
        return frame->title();
    if (auto *text = qobject_cast<QLineEdit *>(w))
        return text->text();
    return {};
}

const char *const kLedTip = "Disables the LED on the unit.  The device is still operational, but "
                            "no visual indication is given.";

} // namespace

void TestWindow::control_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<bool>("hidden");
    QTest::addColumn<bool>("enabled");

    auto row = [](const char *name, const char *kind, const char *caption, const char *tip = "",
                  bool hidden = false, bool enabled = true) {
        QTest::newRow(name) << QString::fromLatin1(kind) << QString::fromUtf8(caption)
                            << QString::fromLatin1(tip) << hidden << enabled;
    };
    row("Label7", "QLabel", "Ostraval\u00AE Configuration Utility");
    row("CheckCnct", "QCheckBox", "Connect USB Device", "", false, false);
    row("Label10", "QLabel", "Status");
    row("ConfigChanged", "QCheckBox", "Config Changed", "", false, false);
    row("Command2", "QPushButton", "OK");
    row("Command3", "QPushButton", "Cancel");
    row("Command4", "QPushButton", "Apply");
    row("bInRange", "QLineEdit", "", "", true);
    row("bInRangePend", "QLineEdit", "", "", true);
    row("bOutRangePend", "QLineEdit", "", "", true);
    row("Key6Code", "QLineEdit", "Text4", "", true);

    row("Label13", "QLabel", "Proximity Range");
    row("Label5", "QLabel", "Timing Delays (0-255 seconds)");
    row("Label22", "QLabel", "Disable LED");
    row("Label23", "QLabel", "Developer Mode");
    row("Label1", "QLabel", "Quick Configuration");
    row("Label2", "QLabel", "Detection range (24-42 inches)");
    row("MaxDist", "QLineEdit", "",
        "This is the distance that defines where the in-range and out-of-range detection occurs.");
    row("Label19", "QLabel", "Last range detected");
    row("wCurrRange", "QLineEdit", "", "Not being dynamically read.");
    row("Command5", "QPushButton", "Read Now");
    row("Label3", "QLabel", "Walk-Up Delay before sending keystrokes",
        "May be set between 0 and 255.");
    row("IRDBTm", "QLineEdit", "",
        "This delay (0-255) is between when the user is detected as being in-range, and when the "
        "keystrokes are actually sent.");
    row("Label4", "QLabel", "Walk-Away Delay before sending keystrokes",
        "May be set between 0 and 255.");
    row("ORDBTm", "QLineEdit", "",
        "This delay (0-255) is between when the user is detected as being out-of-range, and when "
        "the keystrokes are actually sent.");
    row("Command6", "QPushButton", "Advanced");
    row("Label18", "QLabel", "Power-up Delay ",
        "Leave set to '0' unless you have a PC power-up problem with the USB device.", true);
    row("StartDly", "QLineEdit", "",
        "Some computers may need to have the device in an off state while booting up.", true);
    row("bNoShowORLED", "QCheckBox", "Out-of-Range Red", kLedTip);
    row("bNoShowXtLED", "QCheckBox", "Transition Yellow", kLedTip);
    row("bNoShowIRLED", "QCheckBox", "In-Range Green", kLedTip);
    row("Label24", "QLabel", "Select when using Korvane' software developer's kit.");
    row("Check1", "QCheckBox", "Disable keystrokes",
        "Disable to use with the software developer's kit");
    row("Frame1", "QGroupBox", "Operating System");
    row("Option1", "QRadioButton", "Windows 2000", "Sets keystrokes for W 2k OS");
    row("Option2", "QRadioButton", "Windows XP Classic", "Sets keystrokes for W XP Classic Logon");
    row("Option3", "QRadioButton", "XP Welcome Screen",
        "Sets keystrokes for W XP Welcom Screen Logon");
    row("Command1", "QPushButton", "Reset to Factory Defaults",
        "Resets all configurtation parameters to factory settings");

    row("Label9", "QLabel", "Key delay");
    row("InterKeyDelay", "QLineEdit", "");
    row("Label8", "QLabel", "KeyCount", "", true);
    row("KeyCount", "QLineEdit", "", "", true);
    row("Key1Mods", "QLineEdit", "", "", true);
    row("Key2Mods", "QLineEdit", "", "", true, false);
    row("Key5Mods", "QLineEdit", "", "", true, false);
    row("Label21", "QLabel", "Key delay");
    row("InterKeyDelayUp", "QLineEdit", "");
    row("Label20", "QLabel", "KeyCount", "", true);
    row("KeyCountUp", "QLineEdit", "", "", true);

    row("Label14", "QLabel", "Firmware");
    row("Text1", "QLineEdit", "", "", false, false);
    row("lblTitle", "QLabel", "Ostraval");
    row("lblVersion", "QLabel", "1.1");
    row("Label16", "QLabel",
        "The purpose of the Idle Keystroke is to prevent a screensaver from launching while a "
        "person is within the defined proximity zone.  The defined Idle Keystroke is sent at the "
        "periodic rate entered below.  The keystroke should be defined so as to not interfere "
        "with other applications.");
    row("Label15", "QLabel", "If the rate is set to zero, this feature is disabled.");
    row("Label17", "QLabel", "Keep Alive Rate (0-255)");
    row("PressRate", "QLineEdit", "");
    row("Key6Mods", "QLineEdit", "", "", true, false);
}

void TestWindow::control()
{
    QFETCH(QString, kind);
    QFETCH(QString, caption);
    QFETCH(QString, toolTip);
    QFETCH(bool, hidden);
    QFETCH(bool, enabled);

    QWidget *w = find(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY2(w, "no control of that name");
    QCOMPARE(QString::fromLatin1(w->metaObject()->className()), kind);
    if (!qobject_cast<QLineEdit *>(w) || !caption.isEmpty())
        QCOMPARE(captionOf(w), caption);
    QCOMPARE(w->toolTip(), toolTip);
    QCOMPARE(w->isHidden(), hidden);
    QCOMPARE(w->isEnabled(), enabled);
}

void TestWindow::keystrokeSlots_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("page"); // -1: on the window
    QTest::addColumn<QString>("codeText");
    QTest::addColumn<bool>("codeEnabled");

    QTest::newRow("walk-away 1") << 0 << "Frame2" << "Keystroke 1" << 1 << "Key1Code" << false;
    QTest::newRow("walk-away 2") << 1 << "Frame3" << "Keystroke 2" << 1 << "Key2Code" << true;
    QTest::newRow("walk-away 3") << 2 << "Frame4" << "Keystroke 3" << 1 << "Key3Code" << true;
    QTest::newRow("walk-away 4") << 3 << "Frame5" << "Keystroke 4" << 1 << "Key4Code" << true;
    QTest::newRow("walk-away 5") << 4 << "Frame6(0)" << "Keystroke 5" << 1 << "Key5Code" << true;
    QTest::newRow("idle") << 5 << "Frame7" << "Idle Keystroke" << 3 << "Key6Code" << true;
    QTest::newRow("walk-up 1") << 6 << "Frame6(1)" << "Keystroke 1" << 2 << "Text4(0)" << true;
    QTest::newRow("walk-up 2") << 7 << "Frame6(2)" << "Keystroke 2" << 2 << "Text4(1)" << false;
    QTest::newRow("walk-up 3") << 8 << "Frame6(3)" << "Keystroke 3" << 2 << "Text4(2)" << false;
    QTest::newRow("walk-up 4") << 9 << "Frame6(4)" << "Keystroke 4" << 2 << "Text4(3)" << false;
    QTest::newRow("walk-up 5") << 10 << "Frame6(5)" << "Keystroke 5" << 2 << "Text4(4)" << false;
    QTest::newRow("sixth") << 11 << "Frame6(6)" << "Keystroke 6" << -1 << "Text4(5)" << false;
}

void TestWindow::keystrokeSlots()
{
    QFETCH(int, slot);
    QFETCH(QString, frame);
    QFETCH(QString, caption);
    QFETCH(int, page);
    QFETCH(QString, codeText);
    QFETCH(bool, codeEnabled);

    auto *box = form_->findChild<QGroupBox *>(frame);
    QVERIFY(box);
    QCOMPARE(box->title(), caption);
    auto *tabs = form_->findChild<QTabWidget *>(QStringLiteral("SSTab1"));
    QWidget *container = page < 0 ? form_.get() : tabs->widget(page);
    QCOMPARE(box->parentWidget(), container);

    auto *list = box->findChild<QComboBox *>(QStringLiteral("Combo%1").arg(slot + 1));
    QVERIFY(list);
    QCOMPARE(list->count(), 104);
    QCOMPARE(list->currentIndex(), -1);

    auto *code = form_->findChild<QLineEdit *>(codeText);
    QVERIFY(code);
    QCOMPARE(code->isEnabled(), codeEnabled);

    const struct {
        int bit;
        const char *caption;
    } boxes[] = {{1, "Ctrl"}, {2, "Shft"}, {4, "Alt"}, {8, "GUI"},
                 {16, ""},    {32, ""},    {64, ""},    {128, ""}};
    for (const auto &b : boxes) {
        const QString name = QStringLiteral("Key1Mods%1(%2)").arg(b.bit).arg(slot);
        auto *check = box->findChild<QCheckBox *>(name);
        QVERIFY2(check, qPrintable(name));
        QCOMPARE(check->text(), QString::fromLatin1(b.caption));
        QVERIFY(!check->isChecked());
    }
    QCOMPARE(box->findChild<QLabel *>(QStringLiteral("Label11(%1)").arg(slot))->text(),
             QStringLiteral("Left"));
    QCOMPARE(box->findChild<QLabel *>(QStringLiteral("Label12(%1)").arg(slot))->text(),
             QStringLiteral("Right"));
}

void TestWindow::codeTextsStartWithPlaceholder()
{
    for (const char *name : {"Key1Code", "Key5Code", "Key6Code", "Text4(0)", "Text4(5)"})
        QCOMPARE(form_->findChild<QLineEdit *>(QLatin1String(name))->text(), QStringLiteral("Text4"));
    for (const char *name : {"MaxDist", "PressRate", "InterKeyDelay", "wCurrRange"})
        QVERIFY2(form_->findChild<QLineEdit *>(QLatin1String(name))->text().isEmpty(), name);
    for (int list = 1; list <= 12; ++list)
        QVERIFY(form_->findChild<QComboBox *>(QStringLiteral("Combo%1").arg(list))
                    ->currentText()
                    .isEmpty());
}

void TestWindow::tabPages()
{
    auto *tabs = form_->findChild<QTabWidget *>(QStringLiteral("SSTab1"));
    QVERIFY(tabs);
    const QStringList captions = {"Initial Setup", "Walk-Away Keystrokes", "Walk-Up Keystrokes ",
                                  "About"};
    QCOMPARE(tabs->count(), captions.size());
    for (int i = 0; i < tabs->count(); ++i)
        QCOMPARE(tabs->tabText(i), captions[i]);
    QCOMPARE(tabs->currentIndex(), 0);
    QCOMPARE(form_->windowTitle(), QStringLiteral("Ostraval Configuration Utility"));
}

void TestWindow::outOfSightControlsLieOutsideTheirContainer()
{
    auto *tabs = form_->findChild<QTabWidget *>(QStringLiteral("SSTab1"));
    // Pages share one size; only the current one has been laid out.
    const int aboutPageHeight = tabs->currentWidget()->height();
    for (const char *name : {"Label16", "Frame7", "Label15", "Label17", "PressRate"})
        QVERIFY2(find(QLatin1String(name))->geometry().top() >= aboutPageHeight,
                 qPrintable(QStringLiteral("%1 at %2, page %3 high")
                                .arg(name)
                                .arg(find(QLatin1String(name))->geometry().top())
                                .arg(aboutPageHeight)));
    QVERIFY(find(QStringLiteral("Frame6(6)"))->geometry().top() >= form_->height());
}

void TestWindow::noButtonIsBoundToEnterOrEsc()
{
    for (auto *button : form_->findChildren<QPushButton *>()) {
        QVERIFY2(!button->isDefault(), qPrintable(button->objectName()));
        QVERIFY2(!button->autoDefault(), qPrintable(button->objectName()));
        QVERIFY2(button->shortcut().isEmpty(), qPrintable(button->objectName()));
    }
}

void TestWindow::tabNeverReachesControlsOutOfSight_data()
{
    QTest::addColumn<int>("page");
    for (int page = 0; page < 4; ++page)
        QTest::addRow("page %d", page) << page;
}

void TestWindow::tabNeverReachesControlsOutOfSight()
{
    QFETCH(int, page);
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    auto *tabs = form_->findChild<QTabWidget *>(QStringLiteral("SSTab1"));
    tabs->setCurrentIndex(page);
    const QList<QWidget *> outOfSight = {find(QStringLiteral("Frame7")),
                                         find(QStringLiteral("Frame6(6)")),
                                         find(QStringLiteral("PressRate"))};
    find(QStringLiteral("Command2"))->setFocus();
    for (int step = 0; step < 150; ++step) {
        QWidget *focused = QApplication::focusWidget();
        QVERIFY(focused);
        for (QWidget *hidden : outOfSight)
            QVERIFY2(focused != hidden && !hidden->isAncestorOf(focused),
                     qPrintable(focused->objectName()));
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    tabs->setCurrentIndex(0);
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
