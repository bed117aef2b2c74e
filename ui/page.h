// What the window's pages share: the window's services their handlers use,
// and the handlers of the controls that stand on more than one page (the
// keystroke slots, and the boxes checked when the focus leaves them).
//
// Every edit keeps its slot's code text in step with the list, holds the
// ranged boxes inside their ranges, and ends with one CheckUpdate.
//
// How the window's events map to Qt:
// - a check box's click handler runs on toggled, so setting it in code runs
//   it too (setting it to the value it already has runs nothing);
// - a key list's click handler runs on KeyList::rowChosen: a selection set
//   in code, or any row the user chooses, the selected one included; setting
//   the list's displayed text and typing run nothing;
// - a key delay's change handler runs on textChanged, so setting the text in
//   code runs it too, nested inside the assignment;
// - a validate handler runs when the focus leaves its box for another
//   control of the window (FocusLeaveWatcher).
#pragma once

#include "formcontrols.h"
#include "messagebox.h"
#include "settings.h"

#include <QObject>
#include <QString>

#include <functional>
#include <vector>

namespace ui {

class FocusLeaveWatcher;

// What a page's handlers need from the window, which holds it for as long
// as it lives.
struct PageServices {
    const config::FormControls *controls = nullptr;
    std::function<void()> compareWithSensor; // the window's CheckUpdate
    std::function<MsgAnswer(const MessageBoxRequest &)> ask;
    std::vector<FocusLeaveWatcher *> *watchers = nullptr; // the window's boxes checked on leaving
};

// A page of the window. It is a child of the window, so that its handlers
// go with the window's controls.
class Page : public QObject {
public:
    Page(QObject *window, const PageServices &services);

protected:
    const config::FormControls &controls() const { return *services_.controls; }
    const PageServices &services() const { return services_; }

    // The page's text boxes that the settings table checks when the focus
    // leaves them.
    void bindLeavingChecks(config::Page page);

private:
    void checkRange(QLineEdit *box, const config::NumberSetting &field);

    const PageServices &services_;
};

// A keystroke slot's handlers: each modifier box compares the window with
// the sensor; the list, where it has one, first puts the chosen key's code
// into the slot's code text. `owner` is the page (or the window) that
// holds the slot; `services` must live as long as it.
void bindKeystrokeSlot(QObject *owner, const PageServices &services, int slot, bool withList);

// A check's message, its bounds put in.
QString rangeMessage(const config::NumberSetting &field);

} // namespace ui
