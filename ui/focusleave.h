// Runs a box's validate handler when the focus is about to leave it.
#pragma once

#include <QObject>

#include <functional>

class QWidget;

namespace ui {

// Watches one box and calls `onLeave` when the user sends the focus from it
// to another control of the same window (Tab, a click, a shortcut). The
// focus going to another window or to a message box, or Enter, is no leave.
class FocusLeaveWatcher : public QObject {
    Q_OBJECT
public:
    FocusLeaveWatcher(QWidget *box, std::function<void()> onLeave);

    // Something acts on the window's values without taking the focus (a
    // button pressed by assistive technology, the close box) while the box
    // is the window's focus widget: its edit is checked as if the focus were
    // leaving it. The window need not be the active one.
    void leaveIfFocused();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *box_;
    std::function<void()> onLeave_;
};

} // namespace ui
