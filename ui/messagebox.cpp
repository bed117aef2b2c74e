#include "messagebox.h"

#include <QMessageBox>

#include <utility>

namespace ui {

MessageBoxRequest stopBox(const QString &text, const QString &title)
{
    return {text, title, MsgButtons::OkCancel, MsgIcon::Stop, MsgAnswer::Cancel};
}

MessageBoxRequest confirmationBox(const QString &text, const QString &title)
{
    return {text, title, MsgButtons::YesNo, MsgIcon::Stop, MsgAnswer::No};
}

MessageBoxRequest noticeBox(const QString &text, const QString &title)
{
    return {text, title, MsgButtons::Ok, MsgIcon::None, MsgAnswer::Ok};
}

namespace {

// Each answer and the QMessageBox button that gives it.
constexpr std::pair<MsgAnswer, QMessageBox::StandardButton> kAnswerButtons[] = {
    {MsgAnswer::Ok, QMessageBox::Ok},
    {MsgAnswer::Cancel, QMessageBox::Cancel},
    {MsgAnswer::Yes, QMessageBox::Yes},
    {MsgAnswer::No, QMessageBox::No},
};

QMessageBox::StandardButton standardButton(MsgAnswer answer)
{
    for (const auto &[a, button] : kAnswerButtons)
        if (a == answer)
            return button;
    return QMessageBox::NoButton;
}

QMessageBox::StandardButtons standardButtons(MsgButtons buttons)
{
    switch (buttons) {
    case MsgButtons::Ok:
        return QMessageBox::Ok;
    case MsgButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MsgButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    }
    return QMessageBox::Ok;
}

// The answer a box gives when it is closed without a button (Esc or the
// close box): Cancel or No where the box has them, else OK.
MsgAnswer escapeAnswer(MsgButtons buttons)
{
    switch (buttons) {
    case MsgButtons::OkCancel:
        return MsgAnswer::Cancel;
    case MsgButtons::YesNo:
        return MsgAnswer::No;
    case MsgButtons::Ok:
        break;
    }
    return MsgAnswer::Ok;
}

} // namespace

MsgAnswer QtMessageBoxes::ask(QWidget *parent, const MessageBoxRequest &request)
{
    QMessageBox box(request.icon == MsgIcon::Stop ? QMessageBox::Critical : QMessageBox::NoIcon,
                    request.title, request.text, standardButtons(request.buttons), parent);
    box.setDefaultButton(standardButton(request.defaultButton));
    box.setEscapeButton(standardButton(escapeAnswer(request.buttons)));
    const int pressed = box.exec();
    for (const auto &[answer, button] : kAnswerButtons)
        if (button == pressed)
            return answer;
    return escapeAnswer(request.buttons);
}

} // namespace ui
