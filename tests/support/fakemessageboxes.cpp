#include "fakemessageboxes.h"

ui::MsgAnswer FakeMessageBoxes::ask(QWidget *, const ui::MessageBoxRequest &request)
{
    shown.append(request);
    if (onShow)
        onShow(request);
    if (answers_.empty())
        return request.defaultButton;
    const ui::MsgAnswer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

QStringList FakeMessageBoxes::texts() const
{
    QStringList result;
    for (const auto &box : shown)
        result.append(box.text);
    return result;
}

void FakeMessageBoxes::clear()
{
    shown.clear();
    answers_.clear();
}
