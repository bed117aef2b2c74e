#include "captionfit.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace fixture {

namespace {

// The room a check box or option button leaves for its caption beside its
// indicator.
int captionRoom(QAbstractButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const auto element = qobject_cast<QRadioButton *>(button) ? QStyle::SE_RadioButtonContents
                                                               : QStyle::SE_CheckBoxContents;
    return button->style()->subElementRect(element, &option, button).width();
}

} // namespace

QString captionOf(QWidget *w)
{
    if (auto *label = qobject_cast<QLabel *>(w))
        return label->pixmap().isNull() ? label->text() : QString();
    if (auto *button = qobject_cast<QAbstractButton *>(w))
        return button->text();
    if (auto *frame = qobject_cast<QGroupBox *>(w))
        return frame->title();
    return {};
}

QString captionCut(QWidget *w)
{
    const QFontMetrics fm = w->fontMetrics();
    const QString text = captionOf(w);
    if (text.isEmpty())
        return {};
    int room = 0;
    if (auto *label = qobject_cast<QLabel *>(w)) {
        if (label->wordWrap())
            return label->heightForWidth(label->width()) <= label->height()
                       ? QString()
                       : QStringLiteral("wrapped text taller than its label");
        room = label->contentsRect().width();
    } else if (auto *button = qobject_cast<QAbstractButton *>(w)) {
        room = qobject_cast<QPushButton *>(w) ? button->width() : captionRoom(button);
    } else {
        room = w->width();
    }
    // The ink of the text, not its advance: a caption is cut when a drawn
    // stroke falls outside its room.
    const int needed = fm.boundingRect(text).width();
    return needed <= room
               ? QString()
               : QStringLiteral("\"%1\" needs %2 px, has %3").arg(text).arg(needed).arg(room);
}

} // namespace fixture
