// From a clean state file: start, edit, apply, close; start again and find
// the edits on the sensor.
#include "fakemessageboxes.h"
#include "form1.h"
#include "kv3sim.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

class TestEndToEnd : public QObject {
    Q_OBJECT

private slots:
    void editsSurviveARestart();
};

void TestEndToEnd::editsSurviveARestart()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    kv3sim::Settings settings;
    settings.statePath = dir.filePath(QStringLiteral("sensor.bin")).toStdString();
    settings.heldRange = 30;

    FakeMessageBoxes boxes;
    kv3sim::reset(settings);
    {
        Form1 form(boxes);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QVERIFY(boxes.shown.isEmpty());

        // The detection range, typed and left with Tab.
        auto *range = form.findChild<QLineEdit *>(QStringLiteral("MaxDist"));
        range->setFocus();
        range->selectAll();
        QTest::keyClicks(range, QStringLiteral("30"));
        QTest::keyClick(range, Qt::Key_Tab);

        // Walk-away keystroke 2: "ESC", chosen from its list.
        auto *combo = form.findChild<QComboBox *>(QStringLiteral("Combo2"));
        combo->showPopup();
        combo->view()->setCurrentIndex(combo->model()->index(48, 0));
        QTest::keyClick(combo->view(), Qt::Key_Return);

        // The "Transition Yellow" LED off.
        form.findChild<QCheckBox *>(QStringLiteral("bNoShowXtLED"))->click();
        QVERIFY(form.findChild<QCheckBox *>(QStringLiteral("ConfigChanged"))->isChecked());

        boxes.setNextAnswer(ui::MsgAnswer::Yes);
        form.findChild<QPushButton *>(QStringLiteral("Command4"))->click();
        QVERIFY(!form.findChild<QCheckBox *>(QStringLiteral("ConfigChanged"))->isChecked());
        form.findChild<QPushButton *>(QStringLiteral("Command2"))->click();
        QVERIFY(!form.isVisible());
        QCOMPARE(boxes.shown.size(), 1); // the Apply confirmation only
    }

    boxes.clear();
    kv3sim::reset(settings);
    Form1 again(boxes);
    QVERIFY(boxes.shown.isEmpty());
    QCOMPARE(again.findChild<QLineEdit *>(QStringLiteral("MaxDist"))->text(), QStringLiteral("30"));
    QCOMPARE(again.findChild<QLineEdit *>(QStringLiteral("Key2Code"))->text(), QStringLiteral("41"));
    QCOMPARE(again.findChild<QComboBox *>(QStringLiteral("Combo2"))->currentText(),
             QStringLiteral("ESC"));
    QVERIFY(again.findChild<QCheckBox *>(QStringLiteral("bNoShowXtLED"))->isChecked());
    QVERIFY(!again.findChild<QCheckBox *>(QStringLiteral("ConfigChanged"))->isChecked());
    again.CheckUpdate();
    QVERIFY(!again.findChild<QCheckBox *>(QStringLiteral("ConfigChanged"))->isChecked());
}

QTEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
