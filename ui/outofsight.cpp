#include "outofsight.h"

#include "accessibility.h"

#include <QAccessible>
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

// Qt caches a control's interface as soon as the control reports a change
// (a name set, for example); one that Qt made before the control was marked
// is dropped, so that the next query makes the window's own, which knows
// the control is out of sight.
void forgetInterface(QWidget *widget)
{
    QAccessibleInterface *cached = QAccessible::queryAccessibleInterface(widget);
    if (cached && !isWindowAccessible(cached))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(cached));
}

} // namespace

// The factory is in place before the controls inside the marked one are
// created, so they get the out-of-sight interface from the start.
void markOutOfSight(QWidget *control)
{
    installAccessibility();
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
