// Change detection: "Config Changed" lights exactly when the window differs
// from what the sensor holds.
#include "fakemessageboxes.h"
#include "form1.h"
#include "sensorfixture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QtTest>

#include <memory>

using fixture::box;
using fixture::text;

class TestChangeDetection : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void inertUntilTheFirstReading();
    void agreementClearsTheIndicator();
    void differences_data();
    void differences();
    void editAndEditBack();
    void liveRangeIsNotCompared();
    void failedRead_data();
    void failedRead();

private:
    QCheckBox *configChanged() const { return box(form_.get(), "ConfigChanged"); }

    FakeMessageBoxes boxes_;
    std::unique_ptr<Form1> form_;
};

void TestChangeDetection::init()
{
    fixture::resetSensor();
    form_ = std::make_unique<Form1>(boxes_);
    boxes_.clear();
    kv3sim::clearTrace();
}

void TestChangeDetection::cleanup()
{
    form_.reset();
}

void TestChangeDetection::inertUntilTheFirstReading()
{
    kv3sim::Settings unplugged;
    unplugged.unplugged = true;
    fixture::reset(unplugged);
    FakeMessageBoxes boxes;
    Form1 form(boxes);
    kv3sim::clearTrace();

    box(&form, "bNoShowIRLED")->setChecked(true);
    form.CheckUpdate();
    QVERIFY(kv3sim::trace().empty());
    QVERIFY(!box(&form, "ConfigChanged")->isChecked());
    QVERIFY(form.DeviceUpdated());
}

void TestChangeDetection::agreementClearsTheIndicator()
{
    configChanged()->setChecked(true);
    form_->CheckUpdate();
    QVERIFY(!configChanged()->isChecked());
    QVERIFY(form_->DeviceUpdated());
    QCOMPARE(fixture::calledFunctions(), (QStringList{"GetIdleParms", "GetSonarParms",
                                                      "GetWalkAwayParms", "GetWalkUpParms"}));
}

void TestChangeDetection::differences_data()
{
    QTest::addColumn<QString>("control");
    // "toggle" for a check box; "{.}" stands for the decimal point of the
    // user's locale, in which the strict reading reads.
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("differs");

    // Stored values: see fixture::sampleConfiguration().
    QTest::newRow("PressRate 31") << "PressRate" << "31" << true;
    QTest::newRow("PressRate 30.0") << "PressRate" << "30{.}0" << false;
    QTest::newRow("PressRate 30.4") << "PressRate" << "30{.}4" << true;
    QTest::newRow("PressRate blanks") << "PressRate" << " 30 " << false;
    QTest::newRow("PressRate not a number") << "PressRate" << "abc" << true;
    QTest::newRow("MaxDist") << "MaxDist" << "41" << true;
    QTest::newRow("ORDBTm") << "ORDBTm" << "8" << true;
    QTest::newRow("IRDBTm") << "IRDBTm" << "4" << true;
    QTest::newRow("StartDly") << "StartDly" << "3" << true;
    QTest::newRow("Key6Code leading") << "Key6Code" << "76abc" << false;
    QTest::newRow("Key6Code") << "Key6Code" << "77" << true;
    QTest::newRow("KeyCount") << "KeyCount" << "3" << true;
    QTest::newRow("KeyCount strict") << "KeyCount" << "2x" << true;
    QTest::newRow("KeyCountUp leading") << "KeyCountUp" << "1x" << false;
    QTest::newRow("InterKeyDelay leading") << "InterKeyDelay" << "4 s" << false;
    QTest::newRow("InterKeyDelayUp") << "InterKeyDelayUp" << "3" << true;
    QTest::newRow("Key1Code") << "Key1Code" << "77" << true;
    QTest::newRow("Key5Code 50.0") << "Key5Code" << "50{.}0" << false;
    QTest::newRow("Text4(4)") << "Text4(4)" << "52" << true;
    QTest::newRow("Text4(0) not a number") << "Text4(0)" << "" << true;
    QTest::newRow("sixth code not compared") << "Text4(5)" << "0" << false;
    QTest::newRow("hidden mask text not compared") << "Key1Mods" << "0" << false;
    QTest::newRow("Out-of-Range Red") << "bNoShowORLED" << "toggle" << true;
    QTest::newRow("Transition Yellow") << "bNoShowXtLED" << "toggle" << true;
    QTest::newRow("In-Range Green") << "bNoShowIRLED" << "toggle" << true;
    QTest::newRow("walk-away mask") << "Key1Mods1(0)" << "toggle" << true;
    QTest::newRow("idle mask") << "Key1Mods128(5)" << "toggle" << true;
    QTest::newRow("walk-up mask") << "Key1Mods8(10)" << "toggle" << true;
    QTest::newRow("sixth mask not compared") << "Key1Mods2(11)" << "toggle" << false;
}

void TestChangeDetection::differences()
{
    QFETCH(QString, control);
    QFETCH(QString, value);
    QFETCH(bool, differs);
    value.replace(QLatin1String("{.}"), QLocale().decimalPoint());

    // Change the control without running its handler, compare, then put it
    // back and compare again.
    QWidget *w = form_->findChild<QWidget *>(control);
    QVERIFY(w);
    QSignalBlocker blocker(w);
    auto *check = qobject_cast<QCheckBox *>(w);
    auto *edit = qobject_cast<QLineEdit *>(w);
    const QString before = edit ? edit->text() : QString();
    if (check)
        check->toggle();
    else
        edit->setText(value);

    form_->CheckUpdate();
    QCOMPARE(configChanged()->isChecked(), differs);
    QCOMPARE(form_->DeviceUpdated(), !differs);

    if (check)
        check->toggle();
    else
        edit->setText(before);
    form_->CheckUpdate();
    QVERIFY(!configChanged()->isChecked());
}

void TestChangeDetection::editAndEditBack()
{
    QCheckBox *led = box(form_.get(), "bNoShowORLED");
    led->click();
    QVERIFY(configChanged()->isChecked());
    led->click();
    QVERIFY(!configChanged()->isChecked());
    QCOMPARE(fixture::callsOf("GetIdleParms"), 2);
}

void TestChangeDetection::liveRangeIsNotCompared()
{
    // The person in front of the sensor moves: the read-out no longer
    // matches the measurement, yet nothing was edited.
    text(form_.get(), "wCurrRange")->setText(QStringLiteral("99"));
    text(form_.get(), "bInRange")->setText(QStringLiteral("0"));
    text(form_.get(), "bInRangePend")->setText(QStringLiteral("1"));
    form_->CheckUpdate();
    QVERIFY(!configChanged()->isChecked());
    QCOMPARE(fixture::callsOf("GetObjRangeInfo"), 0);
}

void TestChangeDetection::failedRead_data()
{
    QTest::addColumn<QString>("function");
    QTest::addColumn<QString>("operation");
    QTest::newRow("idle") << "GetIdleParms" << "USB GetIdleParms";
    QTest::newRow("sonar") << "GetSonarParms" << "USB GetSonarParms";
    QTest::newRow("walk-away") << "GetWalkAwayParms" << "USB GetWalkAway";
    QTest::newRow("walk-up") << "GetWalkUpParms" << "USB GetWalkUp";
}

void TestChangeDetection::failedRead()
{
    QFETCH(QString, function);
    QFETCH(QString, operation);

    kv3sim::injectFailure({function.toStdString(), 9, 1});
    form_->CheckUpdate();

    // Reported by name; compared against a record of zeros, so the window
    // counts as changed; the later reads still run.
    QCOMPARE(boxes_.texts(),
             QStringList{fixture::errorPrompt(operation + QStringLiteral(" 9"))});
    QCOMPARE(text(form_.get(), "LastErr")->text(), operation + QStringLiteral(" 9"));
    QVERIFY(configChanged()->isChecked());
    QCOMPARE(fixture::calledFunctions().filter(QStringLiteral("Get")).size(), 5); // 4 reads + error
    QCOMPARE(fixture::callsOf("GetWalkUpParms"), 1);
}

QTEST_MAIN(TestChangeDetection)
#include "tst_changedetection.moc"
