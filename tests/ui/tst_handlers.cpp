// Field handlers: list choices, range validation when the focus leaves a
// box, the key-delay checks, and one CheckUpdate at the end of every run.
#include "fakemessageboxes.h"
#include "form1.h"
#include "keylist.h"
#include "sensorfixture.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

#include <memory>

using fixture::list;
using fixture::modifierBox;
using fixture::text;

Q_DECLARE_METATYPE(ui::MsgAnswer)

namespace {

// The user opens the list and chooses a row with the keyboard.
void chooseRow(QComboBox *combo, int row)
{
    combo->showPopup();
    QAbstractItemView *view = combo->view();
    QTRY_VERIFY(view->isVisible());
    view->setCurrentIndex(view->model()->index(row, 0));
    QTest::keyClick(view, Qt::Key_Return);
    QTRY_VERIFY(!view->isVisible());
}

// One CheckUpdate makes one GetIdleParms call.
int checkUpdates()
{
    return fixture::callsOf("GetIdleParms");
}

} // namespace

class TestHandlers : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void choosingARowCopiesItsCode_data();
    void choosingARowCopiesItsCode();
    void choosingTheSelectedRowAgainCopiesItsCode();
    void typingFindsAKey_data();
    void typingFindsAKey();
    void typingOnAnOpenListMarksTheKeyEnterChooses_data();
    void typingOnAnOpenListMarksTheKeyEnterChooses();
    void clickingTheNameOpensTheList_data();
    void clickingTheNameOpensTheList();
    void longNamesShowFromTheirStart_data();
    void longNamesShowFromTheirStart();
    void noRowSelectedKeepsTheCodeText();
    void validation_data();
    void validation();
    void validationRunsOnlyWhenTheFocusMovesOn();
    void keyDelay_data();
    void keyDelay();
    void keyDelayResetComparesBeforeTheMessage();

private:
    void leaveWithTab(QLineEdit *box, const QString &typed);

    FakeMessageBoxes boxes_;
    std::unique_ptr<Form1> form_;
};

void TestHandlers::init()
{
    form_ = fixture::openWindow(boxes_);
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
}

void TestHandlers::cleanup()
{
    form_.reset();
}

void TestHandlers::leaveWithTab(QLineEdit *box, const QString &typed)
{
    box->setFocus();
    QTRY_VERIFY(box->hasFocus());
    box->selectAll();
    QTest::keyClicks(box, typed);
    QTest::keyClick(box, Qt::Key_Tab);
    QTRY_VERIFY(!box->hasFocus());
}

void TestHandlers::choosingARowCopiesItsCode_data()
{
    QTest::addColumn<int>("list");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("codeText");
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("slot");

    QTest::newRow("END in Combo1") << 1 << 92 << "Key1Code" << "77" << 0;
    QTest::newRow("NONE in Combo3") << 3 << 0 << "Key3Code" << "0" << 2;
    QTest::newRow("ESC in Combo6") << 6 << 48 << "Key6Code" << "41" << 5;
    QTest::newRow("second ( in Combo8") << 8 << 65 << "Text4(1)" << "175" << 7;
    QTest::newRow("backslash in Combo11") << 11 << 61 << "Text4(4)" << "49" << 10;
}

void TestHandlers::choosingARowCopiesItsCode()
{
    QFETCH(int, list);
    QFETCH(int, row);
    QFETCH(QString, codeText);
    QFETCH(QString, code);
    QFETCH(int, slot);

    modifierBox(form_.get(), 16, slot)->setChecked(true);
    kv3sim::clearTrace();
    chooseRow(fixture::list(form_.get(), list), row);

    QCOMPARE(text(form_.get(), codeText)->text(), code);
    QVERIFY(modifierBox(form_.get(), 16, slot)->isChecked());
    QCOMPARE(checkUpdates(), 1);
}

void TestHandlers::choosingTheSelectedRowAgainCopiesItsCode()
{
    // As a preset does: only the displayed text and the code text change.
    QComboBox *combo = list(form_.get(), 2);
    QCOMPARE(combo->currentIndex(), 11); // "k", code 14
    qobject_cast<ui::KeyList *>(combo)->showText(QStringLiteral("BCKSPC"));
    text(form_.get(), "Key2Code")->setText(QStringLiteral("42"));
    QCOMPARE(checkUpdates(), 0);

    chooseRow(combo, 11);
    QCOMPARE(text(form_.get(), "Key2Code")->text(), QStringLiteral("14"));
    QCOMPARE(combo->currentText(), QStringLiteral("k"));
    QCOMPARE(checkUpdates(), 1);
}

void TestHandlers::typingFindsAKey_data()
{
    QTest::addColumn<int>("list");
    QTest::addColumn<QString>("preset"); // a preset's name shown first, or empty
    QTest::addColumn<QString>("typed");  // typed in quick succession
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("codeText");
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("checkUpdates");

    // The sample holds DELETE in Combo1, NULL in Combo3, NONE in Combo4, the
    // second "(" in Combo7, and a code of no row (99) in Combo12.
    QTest::newRow("a letter") << 4 << "" << "e" << "e" << "Key4Code" << "8" << 1;
    QTest::newRow("a word") << 3 << "" << "del" << "DELETE" << "Key3Code" << "76" << 2;
    QTest::newRow("a letter again moves on") << 4 << "" << "ff" << "F1" << "Key4Code" << "58" << 2;
    QTest::newRow("past the end to the top") << 1 << "" << "a" << "a" << "Key1Code" << "4" << 1;
    QTest::newRow("the other row of that name") << 7 << "" << "(" << "(" << "Text4(0)" << "166" << 1;
    QTest::newRow("no key starts so") << 1 << "" << "{" << "DELETE" << "Key1Code" << "76" << 0;
    QTest::newRow("after a preset") << 1 << "L" << "m" << "m" << "Key1Code" << "16" << 1;
    QTest::newRow("the sixth keystroke has no handler")
        << 12 << "" << "e" << "e" << "Text4(5)" << "99" << 0;
}

void TestHandlers::typingFindsAKey()
{
    QFETCH(int, list);
    QFETCH(QString, preset);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, codeText);
    QFETCH(QString, code);
    QFETCH(int, checkUpdates);

    auto *combo = qobject_cast<ui::KeyList *>(fixture::list(form_.get(), list));
    if (!preset.isEmpty())
        combo->showKey(preset, 15);
    combo->setFocus();
    QTest::keyClicks(combo, typed);

    QVERIFY(!combo->view()->isVisible());
    QCOMPARE(combo->currentText(), shown);
    QCOMPARE(combo->itemText(combo->currentIndex()), shown);
    QCOMPARE(text(form_.get(), codeText)->text(), code);
    QCOMPARE(::checkUpdates(), checkUpdates);
}

void TestHandlers::typingOnAnOpenListMarksTheKeyEnterChooses_data()
{
    QTest::addColumn<QString>("preset"); // a preset's name shown first, or empty
    QTest::newRow("a row's name") << QString();
    QTest::newRow("a preset's name") << "BCKSPC";
}

void TestHandlers::typingOnAnOpenListMarksTheKeyEnterChooses()
{
    QFETCH(QString, preset);
    auto *combo = qobject_cast<ui::KeyList *>(list(form_.get(), 3));
    if (!preset.isEmpty())
        combo->showKey(preset, 42);
    combo->showPopup();
    QAbstractItemView *view = combo->view();
    QTRY_VERIFY(view->isVisible());

    QTest::keyClicks(view, QStringLiteral("del"));
    QCOMPARE(view->currentIndex().data().toString(), QStringLiteral("DELETE"));
    QCOMPARE(::checkUpdates(), 0);

    QTest::keyClick(view, Qt::Key_Return);
    QTRY_VERIFY(!view->isVisible());
    QCOMPARE(combo->currentText(), QStringLiteral("DELETE"));
    QCOMPARE(text(form_.get(), "Key3Code")->text(), QStringLiteral("76"));
    QCOMPARE(::checkUpdates(), 1);
}

void TestHandlers::clickingTheNameOpensTheList_data()
{
    QTest::addColumn<bool>("presetText");
    QTest::newRow("a row's name") << false;
    QTest::newRow("a preset's text") << true;
}

void TestHandlers::clickingTheNameOpensTheList()
{
    QFETCH(bool, presetText);
    auto *combo = qobject_cast<ui::KeyList *>(list(form_.get(), 3));
    if (presetText)
        combo->showText(QStringLiteral("BCKSPC"));
    QWidget *name = presetText ? static_cast<QWidget *>(combo->lineEdit()) : combo;
    QTest::mouseClick(name, Qt::LeftButton, {}, QPoint(5, name->height() / 2));
    QTRY_VERIFY(combo->view()->isVisible());
    combo->hidePopup();
    QCOMPARE(checkUpdates(), 0);
}

void TestHandlers::longNamesShowFromTheirStart_data()
{
    QTest::addColumn<QString>("presetText"); // empty: no preset first
    QTest::addColumn<int>("row");            // -1: none chosen after it
    QTest::addColumn<QString>("shown");
    QTest::newRow("chosen") << QString() << 86 << "PRNTSCRN";
    QTest::newRow("set by a preset") << "_ UNDERSCORE" << -1 << "_ UNDERSCORE";
    QTest::newRow("chosen after a preset") << "BCKSPC" << 63 << "_ UNDERSCORE";
}

void TestHandlers::longNamesShowFromTheirStart()
{
    QFETCH(QString, presetText);
    QFETCH(int, row);
    QFETCH(QString, shown);
    auto *combo = qobject_cast<ui::KeyList *>(list(form_.get(), 2));
    if (!presetText.isEmpty())
        combo->showText(presetText);
    if (row >= 0)
        chooseRow(combo, row);

    QCOMPARE(combo->currentText(), shown);
    // A list without an edit part draws its name from the left; an edit
    // part shows from its cursor, which must stand at the start.
    if (combo->lineEdit())
        QCOMPARE(combo->lineEdit()->cursorPosition(), 0);
}

void TestHandlers::noRowSelectedKeepsTheCodeText()
{
    list(form_.get(), 1)->setCurrentIndex(-1);
    QCOMPARE(text(form_.get(), "Key1Code")->text(), QStringLiteral("76"));
    QCOMPARE(checkUpdates(), 1);
}

void TestHandlers::validation_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message"); // empty: passes silently
    QTest::addColumn<ui::MsgAnswer>("answer");
    QTest::addColumn<QString>("result");

    const QString byte = QStringLiteral("The value must be between 0 and 255!");
    const QString range = QStringLiteral("The value must be between 14 and 60!");
    const auto ok = ui::MsgAnswer::Ok;
    const auto cancel = ui::MsgAnswer::Cancel;
    QTest::newRow("IRDBTm 300, OK") << "IRDBTm" << "300" << byte << ok << "0";
    QTest::newRow("IRDBTm 300, Cancel") << "IRDBTm" << "300" << byte << cancel << "0";
    QTest::newRow("ORDBTm 255") << "ORDBTm" << "255" << "" << ok << "255";
    QTest::newRow("ORDBTm -1") << "ORDBTm" << "-1" << byte << ok << "0";
    QTest::newRow("PressRate abc reads 0") << "PressRate" << "abc" << "" << ok << "abc";
    QTest::newRow("PressRate 12.5") << "PressRate" << "12.5" << "" << ok << "12.5";
    QTest::newRow("StartDly 256") << "StartDly" << "256" << byte << cancel << "0";
    QTest::newRow("MaxDist 13") << "MaxDist" << "13" << range << ok << "36";
    QTest::newRow("MaxDist 61") << "MaxDist" << "61" << range << cancel << "36";
    QTest::newRow("MaxDist 14") << "MaxDist" << "14" << "" << ok << "14";
    QTest::newRow("MaxDist 60") << "MaxDist" << "60" << "" << ok << "60";
    QTest::newRow("MaxDist 60.5") << "MaxDist" << "60.5" << range << ok << "36";
    QTest::newRow("MaxDist abc") << "MaxDist" << "abc" << range << ok << "36";
    QTest::newRow("MaxDist 40abc reads 40") << "MaxDist" << "40abc" << "" << ok << "40abc";
}

void TestHandlers::validation()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(ui::MsgAnswer, answer);
    QFETCH(QString, result);

    QLineEdit *edit = text(form_.get(), box);
    edit->show(); // the power-up delay is shown by "Advanced"
    boxes_.setNextAnswer(answer);
    leaveWithTab(edit, typed);

    if (message.isEmpty())
        QVERIFY(boxes_.shown.isEmpty());
    else
        QCOMPARE(boxes_.shown, (QList<ui::MessageBoxRequest>{
                                   ui::stopBox(message, QStringLiteral("Zelvora Parameter"))}));
    QCOMPARE(edit->text(), result);
    QCOMPARE(checkUpdates(), 1);
    QVERIFY(!edit->hasFocus()); // the focus went where the user sent it
}

void TestHandlers::validationRunsOnlyWhenTheFocusMovesOn()
{
    QLineEdit *edit = text(form_.get(), "IRDBTm");
    edit->setFocus();
    QTRY_VERIFY(edit->hasFocus());
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("300"));
    QTest::keyClick(edit, Qt::Key_Return);
    edit->setText(QStringLiteral("400"));

    // Another window takes the focus.
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    form_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    QTRY_VERIFY(edit->hasFocus());
    QVERIFY(boxes_.shown.isEmpty());
    QCOMPARE(checkUpdates(), 0);

    QTest::keyClick(edit, Qt::Key_Tab);
    QCOMPARE(boxes_.shown.size(), 1);
    QCOMPARE(edit->text(), QStringLiteral("0"));
}

void TestHandlers::keyDelay_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("rejected");
    QTest::addColumn<QString>("result");

    QTest::newRow("minus sign alone reads 0") << "InterKeyDelay" << "-" << false << "-";
    QTest::newRow("-5") << "InterKeyDelay" << "-5" << true << "0";
    QTest::newRow("255") << "InterKeyDelayUp" << "255" << false << "255";
    QTest::newRow("256") << "InterKeyDelayUp" << "256" << true << "0";
    QTest::newRow("255.5") << "InterKeyDelayUp" << "255.5" << true << "0";
}

void TestHandlers::keyDelay()
{
    QFETCH(QString, box);
    QFETCH(QString, value);
    QFETCH(bool, rejected);
    QFETCH(QString, result);

    text(form_.get(), box)->setText(value);

    if (rejected)
        QCOMPARE(boxes_.shown,
                 (QList<ui::MessageBoxRequest>{ui::noticeBox(
                     QStringLiteral("Delay must be in the range of 0-255 seconds!"),
                     QStringLiteral("Ostraval"))}));
    else
        QVERIFY(boxes_.shown.isEmpty());
    QCOMPARE(text(form_.get(), box)->text(), result);
    // The reset runs the handler again, nested, with its own CheckUpdate.
    QCOMPARE(checkUpdates(), rejected ? 2 : 1);
}

void TestHandlers::keyDelayResetComparesBeforeTheMessage()
{
    int comparedBeforeMessage = -1;
    boxes_.onShow = [&](const ui::MessageBoxRequest &) { comparedBeforeMessage = checkUpdates(); };
    QLineEdit *delay = text(form_.get(), "InterKeyDelay");
    delay->setFocus();
    delay->selectAll();
    QTest::keyClicks(delay, QStringLiteral("999"));
    boxes_.onShow = nullptr;

    // "9" and "99" pass; "999" is reset: its nested run compares, then the
    // message, then the outer run compares.
    QCOMPARE(comparedBeforeMessage, 3);
    QCOMPARE(checkUpdates(), 4);
    QCOMPARE(delay->text(), QStringLiteral("0"));
}

QTEST_MAIN(TestHandlers)
#include "tst_handlers.moc"
