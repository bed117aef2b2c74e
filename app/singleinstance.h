// One window per user and session: the window claims the application's name
// on the session's D-Bus, and a second start asks the holder to show its
// window instead of opening one of its own.
#pragma once

#include <QObject>
#include <QString>
#include <QVariantMap>

class QWidget;

namespace app {

class SingleInstance : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")

public:
    // `appId` is the application's reverse-DNS name, which becomes its bus
    // name and (dots as slashes) its object path.
    explicit SingleInstance(const QString &appId, QObject *parent = nullptr);

    // True when this process may open the window: it now holds the name,
    // or there is no session bus to share it on. False when another process
    // of the session holds it; that one has been asked to come to the front.
    bool claim();

    // Shows, raises and activates `window` whenever another start asks.
    void raiseOnActivation(QWidget *window);

public slots:
    // The freedesktop application interface: every call brings the window
    // to the front; the window opens no files and has no actions.
    Q_SCRIPTABLE void Activate(const QVariantMap &platformData);
    Q_SCRIPTABLE void Open(const QStringList &uris, const QVariantMap &platformData);
    Q_SCRIPTABLE void ActivateAction(const QString &name, const QVariantList &parameters,
                                     const QVariantMap &platformData);

signals:
    void activationRequested();

private:
    QString service_;
    QString path_;
};

// Brings `window` to the front: restored if minimised, shown, raised and
// given the focus.
void bringToFront(QWidget *window);

} // namespace app
