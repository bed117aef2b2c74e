#include "keylist.h"

#include <QEvent>
#include <QLineEdit>

namespace ui {

KeyList::KeyList(QWidget *parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    // The displayed name always comes from a chosen row or a preset: typed
    // text would show one key while the code text holds another.
    lineEdit()->setReadOnly(true);
    lineEdit()->installEventFilter(this);
    setMaxVisibleItems(16);
    // Typed text is only displayed: Qt would otherwise select a row whose
    // name matches the text when editing finishes.
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    disconnect(lineEdit(), &QLineEdit::returnPressed, this, nullptr);
    connect(this, &QComboBox::currentIndexChanged, this, &KeyList::onCurrentIndexChanged);
    connect(this, &QComboBox::activated, this, &KeyList::onActivated);
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

void KeyList::keyPressEvent(QKeyEvent *event)
{
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
