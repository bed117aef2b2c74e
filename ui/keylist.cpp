#include "keylist.h"

#include "keytable.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionComboBox>

#include <utility>

namespace ui {

KeyList::KeyList(QWidget *parent) : QComboBox(parent)
{
    setInsertPolicy(QComboBox::NoInsert);
    setMaxVisibleItems(16);
    connect(this, &QComboBox::currentIndexChanged, this, &KeyList::onCurrentIndexChanged);
    connect(this, &QComboBox::activated, this, &KeyList::onActivated);
    connect(this, &QComboBox::currentTextChanged, this, &KeyList::shownTextMayHaveChanged);
}

// The edit part is built on first need: most lists never show a text of
// their own, and twelve edit parts with their pop-ups would slow the start.
void KeyList::addEditPart()
{
    setEditable(true);
    setCompleter(nullptr);
    QLineEdit *edit = lineEdit();
    // The displayed name always comes from a chosen row or a preset: typed
    // text would show one key while the code text holds another.
    edit->setReadOnly(true);
    edit->installEventFilter(this);
    edit->setAccessibleName(accessibleName());
    // Typed text is only displayed: Qt would otherwise select a row whose
    // name matches the text when editing finishes.
    disconnect(edit, &QLineEdit::editingFinished, this, nullptr);
    disconnect(edit, &QLineEdit::returnPressed, this, nullptr);
    // A long name shows from its first character, not scrolled to its end.
    connect(edit, &QLineEdit::textChanged, edit, [edit] { edit->setCursorPosition(0); });
}

void KeyList::showText(const QString &text)
{
    if (!isEditable())
        addEditPart();
    setEditText(text);
    // A text set as text is not announced by the combo box itself.
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent event(this, text);
        QAccessible::updateAccessibility(&event);
    }
    shownTextMayHaveChanged();
}

void KeyList::showKey(const QString &text, int code)
{
    const int row = config::rowWithCode(this, code);
    if (row >= 0) {
        const QSignalBlocker blocker(this);
        setCurrentIndex(row);
    }
    showText(text);
}

void KeyList::startUserChoice()
{
    reportedRow_ = -1;
}

void KeyList::showPopup()
{
    startUserChoice();
    // Typing on the open list is searched here too, before the pop-up's own
    // search, which does not move on when a letter is typed again.
    view()->installEventFilter(this);
    QComboBox::showPopup();
}

namespace {

// Text typed without Ctrl, Alt or Meta; Space opens the list.
bool isTypedText(const QKeyEvent *event)
{
    const QString typed = event->text();
    const auto commandModifiers = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    return !typed.isEmpty() && typed.at(0).isPrint() && event->key() != Qt::Key_Space &&
           !(event->modifiers() & commandModifiers);
}

} // namespace

// Keys that move the selection choose a row, and so does typed text that
// names one. (Qt searches the rows itself only while the list has no edit
// part, and its edit part would take the text as typing.)
void KeyList::keyPressEvent(QKeyEvent *event)
{
    startUserChoice();
    if (isTypedText(event)) {
        searchRows(event->text());
        event->accept();
        return;
    }
    QComboBox::keyPressEvent(event);
}

// The row that typing `typed` finds, searching from the row `marked`: the
// next row whose name starts with the text typed in quick succession, or,
// while the same letter is typed again and again, the next row after
// `marked` starting with that letter. -1 when no row's name starts so.
int KeyList::rowFoundByTyping(const QString &typed, int marked)
{
    const bool goesOn =
        typingTimer_.isValid() && typingTimer_.elapsed() <= QApplication::keyboardInputInterval();
    typingTimer_.start();
    typed_ = goesOn ? typed_ + typed : typed;
    const bool sameLetter = typed_.count(typed_.front()) == typed_.size();
    const QString search = sameLetter ? typed_.left(1) : typed_;
    const int first = sameLetter ? marked + 1 : qMax(marked, 0);
    for (int i = 0; i < count(); ++i) {
        const int row = (first + i) % count();
        if (itemText(row).startsWith(search, Qt::CaseInsensitive))
            return row;
    }
    return -1;
}

// On a closed list the row found becomes the selected one.
void KeyList::searchRows(const QString &typed)
{
    const int found = rowFoundByTyping(typed, currentIndex());
    if (found >= 0 && found != currentIndex())
        setCurrentIndex(found);
}

void KeyList::wheelEvent(QWheelEvent *event)
{
    startUserChoice();
    QComboBox::wheelEvent(event);
}

// A click on the displayed name opens the list, as a click on its arrow does.
// Typing on the open list marks the row found, which Enter then chooses.
bool KeyList::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lineEdit() && event->type() == QEvent::MouseButtonPress && isEnabled()) {
        showPopup();
        return true;
    }
    // (The list's pop-up is made on first need: only the view's events come
    // from elsewhere than the edit part.)
    if (event->type() == QEvent::KeyPress && watched != lineEdit() && watched == view() &&
        isTypedText(static_cast<QKeyEvent *>(event))) {
        const int found =
            rowFoundByTyping(static_cast<QKeyEvent *>(event)->text(), view()->currentIndex().row());
        if (found >= 0)
            view()->setCurrentIndex(model()->index(found, modelColumn(), rootModelIndex()));
        return true;
    }
    return QComboBox::eventFilter(watched, event);
}

void KeyList::onCurrentIndexChanged(int row)
{
    reportedRow_ = row;
    emit rowChosen(row);
}

// Qt reports a user's choice as activated, after currentIndexChanged when the
// choice changed the row; a choice of the row already selected comes as
// activated alone.
void KeyList::onActivated(int row)
{
    const bool alreadyReported = reportedRow_ == row;
    reportedRow_ = -1;
    if (!alreadyReported)
        emit rowChosen(row);
}

// The name is drawn in the list's edit field, a pixel in from each side; an
// edit part fills the field and keeps two pixels clear on each side. A name
// wider than that is cut at its end.
bool KeyList::shownTextFits(const QString &text) const
{
    QStyleOptionComboBox option;
    initStyleOption(&option);
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    const int clearance = isEditable() ? 4 : 2;
    return fontMetrics().horizontalAdvance(text) <= field.width() - clearance;
}

// A name cut at its end is given whole as the tool tip; assistive
// technology, which reads the shown name as the list's text, is told of the
// change (the combo box announces a new row as a new value itself).
void KeyList::shownTextMayHaveChanged()
{
    const QString text = currentText();
    if (text == shownText_)
        return;
    const QString old = std::exchange(shownText_, text);
    setToolTip(shownTextFits(text) ? QString() : text);
    if (QAccessible::isActive()) {
        // The new name is inserted before the old one, which is then taken
        // away: a screen reader hears the name that arrives (selected, as the
        // chosen value is) and nothing of the one that goes.
        QAccessibleTextInsertEvent inserted(this, 0, text);
        QAccessible::updateAccessibility(&inserted);
        QAccessibleTextRemoveEvent removed(this, int(text.size()), old);
        QAccessible::updateAccessibility(&removed);
    }
}

} // namespace ui
