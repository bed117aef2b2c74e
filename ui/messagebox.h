// The one seam through which the window shows message boxes.
//
// The window describes each box (text, title, buttons, icon, default button)
// and asks a MessageBoxes object for the answer. The application uses
// QtMessageBoxes, a real modal QMessageBox; tests hand in a fake that records
// every box and answers as scripted.
#pragma once

#include <QString>

class QWidget;

namespace ui {

enum class MsgButtons { Ok, OkCancel, YesNo };
enum class MsgIcon { None, Stop };
enum class MsgAnswer { Ok, Cancel, Yes, No };

struct MessageBoxRequest {
    QString text;
    QString title;
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
    MsgAnswer defaultButton = MsgAnswer::Ok;

    bool operator==(const MessageBoxRequest &) const = default;
};

// An error or range box: OK and Cancel, the stop icon, Cancel the default.
MessageBoxRequest stopBox(const QString &text, const QString &title);
// A confirmation: Yes and No, the stop icon, No the default.
MessageBoxRequest confirmationBox(const QString &text, const QString &title);
// A plain notice: OK only, no icon.
MessageBoxRequest noticeBox(const QString &text, const QString &title);

// The application title, shown on the About page and heading the message
// boxes that name no title of their own.
QString applicationTitle();

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Shows the box modally over `parent` and returns the button pressed.
    virtual MsgAnswer ask(QWidget *parent, const MessageBoxRequest &request) = 0;
};

class QtMessageBoxes : public MessageBoxes {
public:
    MsgAnswer ask(QWidget *parent, const MessageBoxRequest &request) override;
};

} // namespace ui
