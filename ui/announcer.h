// What reaches assistive technology beyond what each control tells of
// itself: a sentence announced to the screen reader, and the changes of one
// user action told once, when the action is over.
#pragma once

#include <QString>
#include <QWidget>

namespace ui {

// An accessible object with the notification role, of no size: announcing
// sets its name and shows it again, which screen readers speak. It draws
// nothing and takes no focus, so the window looks and behaves as before.
//
// Qt 6.4 has no call that asks a screen reader to speak a text, and Orca 43
// does not speak a changed name or description of the control that keeps
// the focus (Qt sends the object itself as the event's data, which Orca
// refuses as "bad content sent to speak()"); a notification that is shown
// is spoken.
class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget *window);

    // Announces `message` now when the window is active; otherwise once it
    // is active again and the events of that moment have been handled:
    // after a message box closes, the screen reader first hears the focus
    // come back, then the message.
    void announce(const QString &message);

    // The last message announced.
    QString lastMessage() const { return accessibleName(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void tellSoon();
    void tell();

    QString pending_;
    bool waiting_ = false;
};

// While one lives, the changes of the window's check boxes, option buttons,
// text boxes and key lists are held back from assistive technology, except
// those of the control with the focus; when the last one ends, each control
// that changed is told once, of its change as a whole: a check box that was
// cleared and set again is not told at all. Text boxes out of view are not
// told (screen readers keep no text of them); key lists and check boxes are,
// since screen readers keep their names and states.
//
// A preset, or one comparison with the sensor, otherwise sends the screen
// reader a hundred events from controls on hidden pages and flips "Config
// Changed" up to twelve times; the screen reader falls seconds behind.
class ChangesToldOnce {
public:
    explicit ChangesToldOnce(QWidget *window);
    ~ChangesToldOnce();
    ChangesToldOnce(const ChangesToldOnce &) = delete;
    ChangesToldOnce &operator=(const ChangesToldOnce &) = delete;

    // Puts the hold in place among Qt's accessibility updates (once; with
    // the window's interfaces).
    static void install();
};

} // namespace ui
