#include "singleinstance.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QWidget>

namespace app {

namespace {

// How long a second start waits for the running window to answer.
constexpr int kActivationTimeoutMs = 5000;

QString objectPath(const QString &appId)
{
    return QLatin1Char('/') + QString(appId).replace(QLatin1Char('.'), QLatin1Char('/'));
}

} // namespace

SingleInstance::SingleInstance(const QString &appId, QObject *parent)
    : QObject(parent), service_(appId), path_(objectPath(appId))
{
}

bool SingleInstance::claim()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    // Without a session bus there is no session to share: the window opens,
    // and the sensor's own lock keeps a second program off it.
    if (!bus.isConnected())
        return true;
    // The object comes first, so that a start racing this one finds it as
    // soon as the name is ours.
    bus.registerObject(path_, this, QDBusConnection::ExportScriptableSlots);
    if (bus.registerService(service_))
        return true;
    bus.unregisterObject(path_);

    QDBusMessage activate = QDBusMessage::createMethodCall(
        service_, path_, QStringLiteral("org.freedesktop.Application"),
        QStringLiteral("Activate"));
    activate << QVariantMap();
    bus.call(activate, QDBus::Block, kActivationTimeoutMs);
    return false;
}

void SingleInstance::raiseOnActivation(QWidget *window)
{
    connect(this, &SingleInstance::activationRequested, window,
            [window] { bringToFront(window); });
}

void SingleInstance::Activate(const QVariantMap &)
{
    emit activationRequested();
}

void SingleInstance::Open(const QStringList &, const QVariantMap &)
{
    emit activationRequested();
}

void SingleInstance::ActivateAction(const QString &, const QVariantList &, const QVariantMap &)
{
    emit activationRequested();
}

void bringToFront(QWidget *window)
{
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace app
