#pragma once

#include "notify/Delivery.h"
#include "platform/DesktopNotifications.h"

#include <QDateTime>
#include <QObject>

namespace notify {

// Every channel an alert goes to besides the pop-up: the desktop's notifications and the
// services over HTTP, set up from the "ZIB NOTIFY" settings.
class Notifier final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Notifier)

public:
    /// `desktopEntry`: the program's menu entry, which the desktop shows the note under.
    explicit Notifier(const QString &desktopEntry, QObject *parent = nullptr);

    void applySettings(const NotifySettings &settings);
    /// One alert that the throttle let through, to every channel that is on.
    void alert(const AlertMessage &message);
    void sendDesktopTest();

    Delivery &delivery() { return m_delivery; }
    DesktopNotifications &desktop() { return m_desktop; }
    /// The desktop channel's line in the Notifications window.
    QString desktopStatus() const;

signals:
    void desktopStatusChanged();

private:
    void showOnDesktop(const AlertMessage &message);

    Delivery m_delivery;
    DesktopNotifications m_desktop;
    bool m_desktopOn = false;
    QString m_desktopOutcome;
    QDateTime m_desktopTime;
};

} // namespace notify
