#include "focusleave.h"

#include <QApplication>
#include <QFocusEvent>
#include <QWidget>

namespace ui {

FocusLeaveWatcher::FocusLeaveWatcher(QWidget *box, std::function<void()> onLeave)
    : QObject(box), box_(box), onLeave_(std::move(onLeave))
{
    box->installEventFilter(this);
}

void FocusLeaveWatcher::leaveIfFocused()
{
    if (box_->window()->focusWidget() == box_)
        onLeave_();
}

namespace {

bool movesWithinWindow(Qt::FocusReason reason)
{
    switch (reason) {
    case Qt::MouseFocusReason:
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
    case Qt::OtherFocusReason:
        return true;
    default: // another window became active, a popup opened, ...
        return false;
    }
}

} // namespace

bool FocusLeaveWatcher::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == box_ && event->type() == QEvent::FocusOut &&
        movesWithinWindow(static_cast<QFocusEvent *>(event)->reason())) {
        // Qt names the widget that receives the focus before telling the
        // one that loses it.
        const QWidget *next = QApplication::focusWidget();
        if (next && next != box_ && next->window() == box_->window())
            onLeave_();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace ui
