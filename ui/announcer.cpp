#include "announcer.h"

#include "keylist.h"
#include "outofsight.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QHash>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

#include <algorithm>
#include <utility>
#include <vector>

namespace ui {

Announcer::Announcer(QWidget *window) : QWidget(window)
{
    setGeometry(0, 0, 0, 0);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
    window->installEventFilter(this);
}

void Announcer::announce(const QString &message)
{
    pending_ = message;
    if (window()->isActiveWindow())
        tell();
    else
        waiting_ = true; // until the window is active again
}

bool Announcer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == window() && event->type() == QEvent::WindowActivate && waiting_) {
        waiting_ = false;
        tellSoon();
    }
    return QWidget::eventFilter(watched, event);
}

// After the events now queued: the focus a closing box gives back is told
// first, so that it does not cut the message short.
void Announcer::tellSoon()
{
    QTimer::singleShot(0, this, [this] { tell(); });
}

// Shown anew, the notification is spoken with its new name.
void Announcer::tell()
{
    if (pending_.isEmpty())
        return;
    hide();
    setAccessibleName(std::exchange(pending_, QString()));
    show();
}

namespace {

// What a held control showed when the action began.
struct Before {
    bool checked = false;
    QString text;
};

struct Hold {
    int depth = 0;
    QHash<QObject *, Before> before;        // the window's controls at the start
    std::vector<QPointer<QObject>> changed; // in the order their first event came
};

Hold &hold()
{
    static Hold h;
    return h;
}

QAccessible::UpdateHandler previousHandler = nullptr;

void holdOrPass(QAccessibleEvent *event);

void passOn(QAccessibleEvent *event)
{
    if (previousHandler) {
        previousHandler(event);
        return;
    }
    // Qt's own handling (the platform's bridge) runs while no handler is set.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(holdOrPass);
}

// The events that tell of a control's value; showing, hiding, focus and the
// tree's structure always pass at once.
bool toldOfValue(QAccessible::Event type)
{
    switch (type) {
    case QAccessible::StateChanged:
    case QAccessible::ValueChanged:
    case QAccessible::NameChanged:
    case QAccessible::TextInserted:
    case QAccessible::TextRemoved:
    case QAccessible::TextUpdated:
    case QAccessible::TextCaretMoved:
    case QAccessible::TextSelectionChanged:
    case QAccessible::TextAttributeChanged:
        return true;
    default:
        return false;
    }
}

// The held control an event tells of: the control itself, or the key list
// whose edit part it is.
QObject *heldControl(QObject *object)
{
    if (!object)
        return nullptr;
    if (hold().before.contains(object))
        return object;
    QObject *parent = object->parent();
    if (qobject_cast<KeyList *>(parent) && hold().before.contains(parent))
        return parent;
    return nullptr;
}

void holdOrPass(QAccessibleEvent *event)
{
    if (hold().depth > 0 && toldOfValue(event->type())) {
        QObject *control = heldControl(event->object());
        if (control && control != QApplication::focusWidget()) {
            const auto &changed = hold().changed;
            if (std::find(changed.begin(), changed.end(), control) == changed.end())
                hold().changed.emplace_back(control);
            return;
        }
    }
    passOn(event);
}

bool heldKind(const QWidget *widget)
{
    if (auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->isCheckable();
    if (qobject_cast<const QLineEdit *>(widget))
        return !qobject_cast<const QComboBox *>(widget->parent()); // a list's edit part goes with it
    return qobject_cast<const QComboBox *>(widget) != nullptr;
}

Before now(const QWidget *widget)
{
    if (auto *button = qobject_cast<const QAbstractButton *>(widget))
        return {button->isChecked(), {}};
    if (auto *list = qobject_cast<const QComboBox *>(widget))
        return {false, list->currentText()};
    return {false, static_cast<const QLineEdit *>(widget)->text()};
}

void tellChange(QObject *object, const Before &before)
{
    if (auto *button = qobject_cast<QAbstractButton *>(object)) {
        if (button->isChecked() == before.checked)
            return;
        QAccessible::State checked;
        checked.checked = true;
        QAccessibleStateChangeEvent event(button, checked);
        passOn(&event);
        return;
    }
    if (auto *list = qobject_cast<QComboBox *>(object)) {
        // On Linux a list's name is the key it shows; its text is told as
        // the key list tells a new shown name itself.
        const QString shown = list->currentText();
        if (shown == before.text)
            return;
        QAccessibleEvent name(list, QAccessible::NameChanged);
        passOn(&name);
        QAccessibleTextInsertEvent inserted(list, 0, shown);
        passOn(&inserted);
        QAccessibleTextRemoveEvent removed(list, int(shown.size()), before.text);
        passOn(&removed);
        return;
    }
    auto *edit = static_cast<QLineEdit *>(object);
    if (edit->text() == before.text || !edit->isVisible() || isOutOfSight(edit))
        return;
    QAccessibleTextUpdateEvent event(edit, 0, before.text, edit->text());
    passOn(&event);
}

} // namespace

ChangesToldOnce::ChangesToldOnce(QWidget *window)
{
    if (hold().depth++ > 0 || !QAccessible::isActive())
        return;
    for (QWidget *widget : window->findChildren<QWidget *>())
        if (heldKind(widget))
            hold().before.insert(widget, now(widget));
}

ChangesToldOnce::~ChangesToldOnce()
{
    if (--hold().depth > 0)
        return;
    const std::vector<QPointer<QObject>> changed = std::move(hold().changed);
    const QHash<QObject *, Before> before = std::move(hold().before);
    hold().changed.clear();
    hold().before.clear();
    for (const QPointer<QObject> &control : changed)
        if (control)
            tellChange(control, before.value(control));
}

void ChangesToldOnce::install()
{
    static const bool installed = [] {
        previousHandler = QAccessible::installUpdateHandler(holdOrPass);
        return true;
    }();
    (void)installed;
}

} // namespace ui
