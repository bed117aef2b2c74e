#include "outofsight.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace ui {

namespace {

const char *const kOutOfSight = "ostravalOutOfSight";

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
    control->setProperty(kOutOfSight, true);
    forgetInterface(control);
    for (QWidget *inside : control->findChildren<QWidget *>())
        forgetInterface(inside);
}

bool isOutOfSight(const QObject *object)
{
    for (const QObject *o = object; o; o = o->parent()) {
        if (o->property(kOutOfSight).toBool())
            return true;
    }
    return false;
}

void keepOutOfReach(QWidget *window)
{
    // Tab would otherwise let the user change what the window never shows.
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (w->property(kOutOfSight).toBool()) {
            w->setFocusPolicy(Qt::NoFocus);
            for (QWidget *inside : w->findChildren<QWidget *>())
                inside->setFocusPolicy(Qt::NoFocus);
        }
    }
}

} // namespace ui
