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

} // namespace

void markOutOfSight(QWidget *control)
{
    control->setProperty(kOutOfSight, true);
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
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(outOfSightFactory);
        return true;
    }();
    (void)factoryInstalled;

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
