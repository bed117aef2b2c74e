// A stand-in for the window's message boxes: records every box and answers
// as scripted, without showing anything.
#pragma once

#include "messagebox.h"

#include <QList>
#include <QStringList>

#include <deque>
#include <functional>

class FakeMessageBoxes : public ui::MessageBoxes {
public:
    ui::MsgAnswer ask(QWidget *parent, const ui::MessageBoxRequest &request) override;

    // The next box returns this answer; without one, a box returns its
    // default button.
    void setNextAnswer(ui::MsgAnswer answer) { answers_.push_back(answer); }

    // Called with each box as it is shown, to look at the window meanwhile.
    std::function<void(const ui::MessageBoxRequest &)> onShow;

    QList<ui::MessageBoxRequest> shown;
    QStringList texts() const;
    void clear();

private:
    std::deque<ui::MsgAnswer> answers_;
};
