// The window's accessibility interfaces: text boxes that answer every text
// query as Qt's own interface does (and at the end offset, where Qt's never
// answers), text attributes in one run over the whole text, key lists that
// give their shown key as value and text, and names cut off in a closed
// list given whole; what the window tells assistive technology of its
// ranges, its state, its presets and Apply. (That changes are told to
// assistive technology is checked through AT-SPI, tests/a11y.)
#include "accessibility.h"
#include "announcer.h"
#include "fakemessageboxes.h"
#include "form1.h"
#include "keylist.h"
#include "kv3sim.h"
#include "sensorfixture.h"
#include "settings.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <utility>

#include <memory>

using fixture::box;
using fixture::list;
using fixture::text;

namespace {

constexpr QAccessible::TextBoundaryType kBoundaries[] = {
    QAccessible::CharBoundary,      QAccessible::WordBoundary, QAccessible::SentenceBoundary,
    QAccessible::ParagraphBoundary, QAccessible::LineBoundary, QAccessible::NoBoundary};

// Qt's own interface for a control: made while the window's factory is out
// of the way.
QAccessibleInterface *qtsOwnInterface(QWidget *control)
{
    QAccessible::removeFactory(ui::windowAccessible);
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(control);
    QAccessible::installFactory(ui::windowAccessible);
    return iface;
}

// Everything a text query answers, as one text.
QString answer(const QString &text, int start, int end)
{
    return QStringLiteral("'%1' %2-%3").arg(text).arg(start).arg(end);
}

// Every query about the text, the caret and the selection, and every text
// query at every offset, as lines of text; the word and sentence at the end
// offset, where Qt's own interface never answers, only with `atEnd`.
QStringList textAnswers(QAccessibleInterface *iface, bool atEnd)
{
    QAccessibleTextInterface *t = iface->textInterface();
    QStringList answers;
    const int length = t->characterCount();
    answers << QStringLiteral("count %1 caret %2 selections %3")
                   .arg(length)
                   .arg(t->cursorPosition())
                   .arg(t->selectionCount());
    int start = 0;
    int end = 0;
    t->selection(0, &start, &end);
    answers << QStringLiteral("selection %1-%2").arg(start).arg(end);
    for (int offset = -2; offset <= length + 1; ++offset) {
        answers << QStringLiteral("text %1: ").arg(offset) + t->text(0, offset) + QLatin1Char('/') +
                       t->text(offset, length);
        const QRect r = t->characterRect(offset);
        answers << QStringLiteral("rect %1: %2,%3 %4x%5")
                       .arg(offset)
                       .arg(r.x())
                       .arg(r.y())
                       .arg(r.width())
                       .arg(r.height());
        for (QAccessible::TextBoundaryType type : kBoundaries) {
            const QString where = QStringLiteral("%1/%2: ").arg(offset).arg(type);
            QString s = t->textBeforeOffset(offset, type, &start, &end);
            answers << QStringLiteral("before ") + where + answer(s, start, end);
            s = t->textAfterOffset(offset, type, &start, &end);
            answers << QStringLiteral("after ") + where + answer(s, start, end);
            // -2 stands for the caret, -1 for the end.
            const int at = offset == -2 ? t->cursorPosition() : offset == -1 ? length : offset;
            const bool qtHangsHere =
                length > 0 && at == length &&
                (type == QAccessible::WordBoundary || type == QAccessible::SentenceBoundary);
            if (qtHangsHere && !atEnd)
                continue;
            s = t->textAtOffset(offset, type, &start, &end);
            answers << QStringLiteral("at ") + where + answer(s, start, end);
        }
    }
    return answers;
}

QString describe(QAccessibleInterface *iface)
{
    QAccessible::State s = iface->state();
    QByteArray bits(reinterpret_cast<const char *>(&s), sizeof s);
    return QStringLiteral("role %1 name '%2' value '%3' description '%4' states %5")
        .arg(iface->role())
        .arg(iface->text(QAccessible::Name), iface->text(QAccessible::Value),
             iface->text(QAccessible::Description), QString::fromLatin1(bits.toHex()));
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void textBoxesAnswerAsQtDoes_data();
    void textBoxesAnswerAsQtDoes();
    void theWordAtTheEndIsAnswered_data();
    void theWordAtTheEndIsAnswered();
    void everyTextBoxOfTheWindowAnswers();
    void textBoxesOutOfSightKeepTheirText();
    void keyListsGiveTheirShownKey();
    void namesCutOffAreGivenWhole_data();
    void namesCutOffAreGivenWhole();
    void optionButtonsAnswerAsQtDoes_data();
    void optionButtonsAnswerAsQtDoes();
    void toggleChoosesTheOption();
    void attributesCoverTheWholeText_data();
    void attributesCoverTheWholeText();
    void numberBoxesDescribeTheirRange();
    void buttonsDescribeTheWindowsState();
    void presetsAreAnnounced_data();
    void presetsAreAnnounced();
    void applyTellsItsOutcome_data();
    void applyTellsItsOutcome();

private:
    QString announced() const;

    FakeMessageBoxes boxes_;
    std::unique_ptr<Form1> form_;
};

void TestAccessibility::init()
{
    form_ = fixture::openWindow(boxes_);
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
}

void TestAccessibility::cleanup()
{
    form_.reset();
}

void TestAccessibility::textBoxesAnswerAsQtDoes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");
    QTest::addColumn<int>("selectionLength"); // selected from the caret on
    QTest::addColumn<bool>("readOnly");

    QTest::newRow("empty") << "" << 0 << 0 << false;
    QTest::newRow("a number") << "36" << 2 << 0 << false;
    QTest::newRow("the status") << "Ok 0" << 1 << 2 << true;
    QTest::newRow("the firmware") << "v  0 1. 1 0" << 4 << 0 << true;
    QTest::newRow("sentences") << "Ab cd. Ef gh! " << 0 << 5 << false;
    QTest::newRow("a trailing blank") << "12 " << 3 << 0 << false;
}

void TestAccessibility::textBoxesAnswerAsQtDoes()
{
    QFETCH(QString, text);
    QFETCH(int, caret);
    QFETCH(int, selectionLength);
    QFETCH(bool, readOnly);

    // Two boxes alike in the window, one presented by Qt. (Qt makes a box's
    // interface as soon as the box reports a change.)
    QLineEdit ours(form_.get());
    QLineEdit qts(form_.get());
    QAccessibleInterface *mine = QAccessible::queryAccessibleInterface(&ours);
    QAccessibleInterface *qt = qtsOwnInterface(&qts);
    for (QLineEdit *edit : {&ours, &qts}) {
        edit->setGeometry(10, 10, 120, 24);
        edit->setText(text);
        edit->setReadOnly(readOnly);
        edit->setToolTip(QStringLiteral("tip"));
        edit->setAccessibleName(QStringLiteral("box"));
        edit->setCursorPosition(caret);
        if (selectionLength)
            edit->setSelection(caret, selectionLength);
        edit->show();
    }
    QVERIFY(ui::isWindowAccessible(mine));
    QVERIFY(!ui::isWindowAccessible(qt));

    QCOMPARE(describe(mine), describe(qt));
    QCOMPARE(textAnswers(mine, false), textAnswers(qt, false));
    const QPoint inside = ours.mapToGlobal(QPoint(12, 12));
    QCOMPARE(mine->textInterface()->offsetAtPoint(inside),
             qt->textInterface()->offsetAtPoint(qts.mapToGlobal(QPoint(12, 12))));

    // Editing through the interface.
    for (QAccessibleInterface *iface : {mine, qt}) {
        iface->editableTextInterface()->insertText(0, QStringLiteral("x "));
        iface->editableTextInterface()->replaceText(1, 2, QStringLiteral("yz"));
        iface->editableTextInterface()->deleteText(0, 1);
        iface->textInterface()->setSelection(0, 1, 2);
        iface->setText(QAccessible::Value, iface->text(QAccessible::Value) + QLatin1Char('!'));
    }
    QCOMPARE(ours.text(), qts.text());
    QCOMPARE(describe(mine), describe(qt));
}

void TestAccessibility::theWordAtTheEndIsAnswered_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("boundary");
    QTest::addColumn<QString>("expected");

    // Nothing lies at the end of a word; blanks after the last word are
    // what lies there.
    QTest::newRow("a number, word") << "36" << int(QAccessible::WordBoundary) << "'' 2-2";
    QTest::newRow("the status, sentence")
        << "Ok 0" << int(QAccessible::SentenceBoundary) << "'' 4-4";
    QTest::newRow("a trailing blank, word") << "12 " << int(QAccessible::WordBoundary) << "' ' 2-3";
    QTest::newRow("empty, word") << "" << int(QAccessible::WordBoundary) << "'' -1--1";
}

void TestAccessibility::theWordAtTheEndIsAnswered()
{
    QFETCH(QString, text);
    QFETCH(int, boundary);
    QFETCH(QString, expected);

    QLineEdit edit(text, form_.get());
    QAccessibleTextInterface *t = QAccessible::queryAccessibleInterface(&edit)->textInterface();
    int start = 0;
    int end = 0;
    const QString found =
        t->textAtOffset(int(text.size()), QAccessible::TextBoundaryType(boundary), &start, &end);
    QCOMPARE(answer(found, start, end), expected);
    // The caret stands for its offset.
    edit.setCursorPosition(int(text.size()));
    const QString atCaret =
        t->textAtOffset(-2, QAccessible::TextBoundaryType(boundary), &start, &end);
    QCOMPARE(answer(atCaret, start, end), expected);
}

void TestAccessibility::everyTextBoxOfTheWindowAnswers()
{
    // Shown or not, in sight or out of it, the preset's edit parts included.
    form_->findChild<QRadioButton *>(QStringLiteral("Option3"))->click();
    const QList<QLineEdit *> boxes = form_->findChildren<QLineEdit *>();
    QVERIFY(boxes.size() > 30);
    for (QLineEdit *box : boxes) {
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(box);
        QVERIFY2(ui::isWindowAccessible(iface), qPrintable(box->objectName()));
        QVERIFY(!textAnswers(iface, true).isEmpty());
    }
}

void TestAccessibility::textBoxesOutOfSightKeepTheirText()
{
    for (const char *name : {"PressRate", "Key6Mods", "Text4(5)"}) {
        QLineEdit *box = text(form_.get(), QLatin1String(name));
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(box);
        QVERIFY2(iface->state().invisible && iface->state().offscreen, name);
        QVERIFY(!iface->state().focusable);
        QCOMPARE(iface->textInterface()->text(0, 10), box->text());
        QCOMPARE(iface->role(), QAccessible::EditableText);
    }
    QAccessibleInterface *inSight =
        QAccessible::queryAccessibleInterface(text(form_.get(), "MaxDist"));
    QVERIFY(!inSight->state().invisible && inSight->state().focusable);
}

void TestAccessibility::keyListsGiveTheirShownKey()
{
    QComboBox *combo = list(form_.get(), 1);
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(combo);
    QCOMPARE(iface->role(), QAccessible::ComboBox);
    QCOMPARE(combo->accessibleName(), QStringLiteral("Walk-away keystroke 1 key"));
    QCOMPARE(combo->objectName(), QStringLiteral("Combo1"));
    QCOMPARE(iface->text(QAccessible::Value), QStringLiteral("DELETE"));
    QCOMPARE(iface->textInterface()->text(0, 100), QStringLiteral("DELETE"));
    QCOMPARE(iface->textInterface()->characterCount(), 6);
    // The key shown is selected as a whole: the list's chosen value.
    int start = -1;
    int end = -1;
    QCOMPARE(iface->textInterface()->selectionCount(), 1);
    iface->textInterface()->selection(0, &start, &end);
    QCOMPARE(std::make_pair(start, end), std::make_pair(0, 6));
    QCOMPARE(iface->childCount(), 1); // the pop-up list

    form_->findChild<QRadioButton *>(QStringLiteral("Option3"))->click();
    QCOMPARE(iface->text(QAccessible::Value), QStringLiteral("L"));
    QCOMPARE(iface->textInterface()->text(0, 100), QStringLiteral("L"));
    QCOMPARE(iface->childCount(), 2); // and the edit part showing "L"

    // Out of sight, but still a key list.
    QAccessibleInterface *idle = QAccessible::queryAccessibleInterface(list(form_.get(), 6));
    QVERIFY(idle->state().invisible);
    QCOMPARE(idle->textInterface()->text(0, 100), QStringLiteral("DELETE"));
}

void TestAccessibility::namesCutOffAreGivenWhole_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("cutOff");

    // At 96 dpi in the dialog font: the first three as a user reported them,
    // then the names nearest to the list's width on either side.
    QTest::newRow("; SEMICOLON") << "; SEMICOLON" << true;
    QTest::newRow("PRNTSCRN") << "PRNTSCRN" << true;
    QTest::newRow("KP ENTER") << "KP ENTER" << true;
    QTest::newRow(", COMMA") << ", COMMA" << true;
    QTest::newRow(": COLON") << ": COLON" << false;
    QTest::newRow("- MINUS") << "- MINUS" << false;
    QTest::newRow("k") << "k" << false;
}

void TestAccessibility::namesCutOffAreGivenWhole()
{
    QFETCH(QString, name);
    QFETCH(bool, cutOff);

    QComboBox *combo = list(form_.get(), 3);
    const QSize size = combo->size();
    combo->setCurrentIndex(combo->findText(name));
    QCOMPARE(combo->toolTip(), cutOff ? name : QString());
    QCOMPARE(QAccessible::queryAccessibleInterface(combo)->text(QAccessible::Value), name);
    QCOMPARE(combo->size(), size);

    // Shown by a preset, in the list's edit part, just the same.
    qobject_cast<ui::KeyList *>(combo)->showText(name);
    QCOMPARE(combo->toolTip(), cutOff ? name : QString());
}

void TestAccessibility::optionButtonsAnswerAsQtDoes_data()
{
    QTest::addColumn<bool>("checked");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("chosen") << true << true;
    QTest::newRow("not chosen") << false << true;
    QTest::newRow("disabled") << false << false;
}

void TestAccessibility::optionButtonsAnswerAsQtDoes()
{
    QFETCH(bool, checked);
    QFETCH(bool, enabled);

    // Each in a group of its own, as the window's options share a frame.
    QWidget ourGroup(form_.get());
    QWidget qtsGroup(form_.get());
    QRadioButton ours(&ourGroup);
    QRadioButton qts(&qtsGroup);
    QAccessibleInterface *mine = QAccessible::queryAccessibleInterface(&ours);
    QAccessibleInterface *qt = qtsOwnInterface(&qts);
    for (QRadioButton *option : {&ours, &qts}) {
        option->setText(QStringLiteral("Windows &2000"));
        option->setToolTip(QStringLiteral("tip"));
        option->setGeometry(5, 5, 140, 20);
        option->setChecked(checked);
        option->setEnabled(enabled);
        option->parentWidget()->setGeometry(10, 10, 150, 30);
        option->parentWidget()->show();
    }
    QVERIFY(ui::isWindowAccessible(mine));
    QVERIFY(!ui::isWindowAccessible(qt));

    QCOMPARE(describe(mine), describe(qt));
    QCOMPARE(mine->rect().size(), qt->rect().size());
    QCOMPARE(mine->rect().topLeft() - ours.mapToGlobal(QPoint()),
             qt->rect().topLeft() - qts.mapToGlobal(QPoint()));
    QCOMPARE(mine->actionInterface()->actionNames(), qt->actionInterface()->actionNames());
}

void TestAccessibility::toggleChoosesTheOption()
{
    // As a click does: the option is chosen and its preset applied.
    auto *option = form_->findChild<QRadioButton *>(QStringLiteral("Option3"));
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(option);
    iface->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QVERIFY(option->isChecked());
    QVERIFY(iface->state().checked);
    QCOMPARE(text(form_.get(), "Key1Code")->text(), QStringLiteral("15"));
    QCOMPARE(list(form_.get(), 1)->currentText(), QStringLiteral("L"));
}

QString TestAccessibility::announced() const
{
    return form_->findChild<ui::Announcer *>()->lastMessage();
}

void TestAccessibility::attributesCoverTheWholeText_data()
{
    QTest::addColumn<QString>("text");
    // Orca speaks the text that the runs cover: an empty run at each offset
    // cost a value its last character.
    QTest::newRow("a number") << "36";
    QTest::newRow("one digit") << "5";
    QTest::newRow("the status") << "USB Connect 3";
    QTest::newRow("empty") << "";
}

void TestAccessibility::attributesCoverTheWholeText()
{
    QFETCH(QString, text);

    QLineEdit edit(text, form_.get());
    ui::KeyList list(form_.get());
    list.showText(text);
    for (QWidget *control : {static_cast<QWidget *>(&edit), static_cast<QWidget *>(&list)}) {
        QAccessibleTextInterface *t = QAccessible::queryAccessibleInterface(control)->textInterface();
        QCOMPARE(t->characterCount(), int(text.size()));
        for (int offset = 0; offset <= text.size(); ++offset) {
            int start = -1;
            int end = -1;
            QCOMPARE(t->attributes(offset, &start, &end), QString());
            QCOMPARE(std::make_pair(start, end), std::make_pair(0, int(text.size())));
        }
    }
}

void TestAccessibility::numberBoxesDescribeTheirRange()
{
    QLineEdit *range = text(form_.get(), "MaxDist");
    QCOMPARE(QAccessible::queryAccessibleInterface(range)->text(QAccessible::Description),
             QStringLiteral("This is the distance that defines where the in-range and "
                            "out-of-range detection occurs. Accepts whole numbers from 14 to 60."));
    QCOMPARE(range->toolTip(), QStringLiteral("This is the distance that defines where the "
                                              "in-range and out-of-range detection occurs."));
    for (const config::NumberSetting &field : config::kNumbers) {
        const QString description = QAccessible::queryAccessibleInterface(
            text(form_.get(), QLatin1String(field.control)))->text(QAccessible::Description);
        QVERIFY2(description.endsWith(QStringLiteral("Accepts whole numbers from %1 to %2.")
                                          .arg(field.bounds.lower)
                                          .arg(field.bounds.upper)),
                 field.control);
    }
}

void TestAccessibility::buttonsDescribeTheWindowsState()
{
    const auto described = [](const QWidget *form) {
        QStringList descriptions;
        for (const char *name : {"Command2", "Command3", "Command4"})
            descriptions << form->findChild<QPushButton *>(QLatin1String(name))
                                ->accessibleDescription();
        descriptions.removeDuplicates();
        return descriptions.join(QLatin1Char('|'));
    };
    QCOMPARE(described(form_.get()),
             QStringLiteral("The window matches the sensor. The sensor is connected."));
    form_->findChild<QRadioButton *>(QStringLiteral("Option3"))->click();
    QCOMPARE(described(form_.get()),
             QStringLiteral("The window differs from the sensor. The sensor is connected."));

    form_ = fixture::openUnpluggedWindow(boxes_);
    QCOMPARE(described(form_.get()),
             QStringLiteral("The sensor is not connected. Nothing can be written to it."));
    QVERIFY(!box(form_.get(), "ConfigChanged")->isEnabled());
    QVERIFY(!box(form_.get(), "CheckCnct")->isEnabled());
}

void TestAccessibility::presetsAreAnnounced_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("message");

    // Modifier boxes that a preset leaves alone keep their state, and are
    // told: the sample's third walk-away keystroke holds both GUI keys.
    const QString classic = QStringLiteral(
        "Walk-away keystrokes: Ctrl+Alt+DELETE, k, GUI+Right GUI+BCKSPC, ESC. Walk-up "
        "keystrokes: Ctrl+Alt+DELETE. The window differs from the sensor.");
    QTest::newRow("Windows 2000") << "Option1" << "Windows 2000 is chosen. " + classic;
    QTest::newRow("Windows XP Classic") << "Option2" << "Windows XP Classic is chosen. " + classic;
    QTest::newRow("XP Welcome Screen")
        << "Option3"
        << "XP Welcome Screen is chosen. Walk-away keystrokes: GUI+L. No walk-up keystrokes. "
           "The window differs from the sensor.";
}

void TestAccessibility::presetsAreAnnounced()
{
    QFETCH(QString, option);
    QFETCH(QString, message);

    form_->findChild<QRadioButton *>(option)->click();
    QTRY_COMPARE(announced(), message);
}

void TestAccessibility::applyTellsItsOutcome_data()
{
    QTest::addColumn<bool>("plugged");
    QTest::addColumn<bool>("edited");
    QTest::addColumn<QString>("failing"); // a library call that fails once
    QTest::addColumn<int>("answer");      // to "Do you want to write the changes?"
    QTest::addColumn<QString>("message"); // announced after Apply

    const int yes = int(ui::MsgAnswer::Yes);
    const int no = int(ui::MsgAnswer::No);
    QTest::newRow("written") << true << true << "" << yes
                             << "The changes were written to the sensor.";
    QTest::newRow("nothing to write")
        << true << false << "" << yes << "Nothing to write: the window matches the sensor.";
    QTest::newRow("unplugged")
        << false << false << "" << yes << "Nothing was written: the sensor is not connected.";
    // The box says it all, as to everyone: nothing more is announced.
    QTest::newRow("write failed") << true << true << "SetSonarParms" << yes << "";
    QTest::newRow("not confirmed") << true << true << "" << no << "";
}

void TestAccessibility::applyTellsItsOutcome()
{
    QFETCH(bool, plugged);
    QFETCH(bool, edited);
    QFETCH(QString, failing);
    QFETCH(int, answer);
    QFETCH(QString, message);

    if (!plugged)
        form_ = fixture::openUnpluggedWindow(boxes_);
    QLineEdit *delay = text(form_.get(), "IRDBTm");
    if (edited)
        delay->setText(delay->text() == QLatin1String("7") ? QStringLiteral("8") : QStringLiteral("7"));
    form_->CheckUpdate();
    if (!failing.isEmpty())
        kv3sim::injectFailure({failing.toStdString(), 2, 1});
    boxes_.clear();
    boxes_.setNextAnswer(ui::MsgAnswer(answer));
    boxes_.setNextAnswer(ui::MsgAnswer::Ok); // an error box
    form_->findChild<QPushButton *>(QStringLiteral("Command4"))->click();
    if (message.isEmpty()) {
        QCoreApplication::processEvents(); // an announcement waits for no more
        QCOMPARE(announced(), QString());
    } else {
        QTRY_COMPARE(announced(), message);
    }
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
