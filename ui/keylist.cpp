#include "keylist.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace ui {

KeyList::KeyList(QWidget *parent) : QComboBox(parent)
{
    setInsertPolicy(QComboBox::NoInsert);
    setMaxVisibleItems(16);
    connect(this, &QComboBox::currentIndexChanged, this, &KeyList::onCurrentIndexChanged);
    connect(this, &QComboBox::activated, this, &KeyList::onActivated);
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
}

void KeyList::startUserChoice()
{
    reportedRow_ = -1;
}

void KeyList::showPopup()
{
    startUserChoice();
    QComboBox::showPopup();
}

// Keys that move the selection choose a row; typed characters, which Qt
// would use to search the rows, choose none.
void KeyList::keyPressEvent(QKeyEvent *event)
{
    const QString typed = event->text();
    if (!typed.isEmpty() && typed.at(0).isPrint() && event->key() != Qt::Key_Space) {
        event->accept();
        return;
    }
    startUserChoice();
    QComboBox::keyPressEvent(event);
}

void KeyList::wheelEvent(QWheelEvent *event)
{
    startUserChoice();
    QComboBox::wheelEvent(event);
}

// A click on the displayed name opens the list, as a click on its arrow does.
bool KeyList::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lineEdit() && event->type() == QEvent::MouseButtonPress && isEnabled()) {
        showPopup();
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

} // namespace ui
