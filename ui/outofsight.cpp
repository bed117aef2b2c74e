#include "outofsight.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSet>
#include <QWidget>

namespace ui {

namespace {

// The marked controls. (A set rather than a dynamic property: the check runs
// for every control Qt makes an accessibility interface for, and a property
// lookup searches the meta-objects by name first.)
QSet<const QObject *> &markedControls()
{
    static QSet<const QObject *> marked;
    return marked;
}

QAccessible::Role roleOf(const QWidget *widget)
{
    if (qobject_cast<const QComboBox *>(widget))
        return QAccessible::ComboBox;
    if (qobject_cast<const QLineEdit *>(widget))
        return QAccessible::EditableText;
    if (qobject_cast<const QCheckBox *>(widget))
        return QAccessible::CheckBox;
    if (qobject_cast<const QGroupBox *>(widget))
        return QAccessible::Grouping;
    if (qobject_cast<const QLabel *>(widget))
        return QAccessible::StaticText;
    return QAccessible::Client;
}

// What assistive technology sees of a control out of sight: its role and
// name as usual, but neither visible nor showing, and not focusable.
class OutOfSightAccessible : public QAccessibleWidget {
public:
    explicit OutOfSightAccessible(QWidget *widget) : QAccessibleWidget(widget, roleOf(widget)) {}

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.invisible = true;
        s.offscreen = true;
        s.focusable = false;
        s.focused = false;
        return s;
    }
};

QAccessibleInterface *outOfSightFactory(const QString &, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    return widget && isOutOfSight(widget) ? new OutOfSightAccessible(widget) : nullptr;
}

// Qt caches a control's interface as soon as the control reports a change
// (a name set, for example), active assistive technology or not; one made
// before the control was marked is dropped, so that the next query makes
// the out-of-sight one.
void forgetInterface(QWidget *widget)
{
    QAccessibleInterface *cached = QAccessible::queryAccessibleInterface(widget);
    if (cached && !dynamic_cast<OutOfSightAccessible *>(cached))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(cached));
}

void installFactory()
{
    static const bool installed = [] {
        QAccessible::installFactory(outOfSightFactory);
        return true;
    }();
    (void)installed;
}

} // namespace

// The factory is in place before the controls inside the marked one are
// created, so they get the out-of-sight interface from the start.
void markOutOfSight(QWidget *control)
{
    installFactory();
    markedControls().insert(control);
    QObject::connect(control, &QObject::destroyed,
                     [control] { markedControls().remove(control); });
    forgetInterface(control);
    for (QWidget *inside : control->findChildren<QWidget *>())
        forgetInterface(inside);
}

bool isOutOfSight(const QObject *object)
{
    for (const QObject *o = object; o; o = o->parent()) {
        if (markedControls().contains(o))
            return true;
    }
    return false;
}

void keepOutOfReach(QWidget *window)
{
    // Tab would otherwise let the user change what the window never shows.
    for (const QObject *marked : markedControls()) {
        auto *w = const_cast<QWidget *>(qobject_cast<const QWidget *>(marked));
        if (!w || w->window() != window)
            continue;
        w->setFocusPolicy(Qt::NoFocus);
        for (QWidget *inside : w->findChildren<QWidget *>())
            inside->setFocusPolicy(Qt::NoFocus);
    }
}

} // namespace ui
