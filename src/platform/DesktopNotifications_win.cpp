#include "platform/DesktopNotifications.h"
#include <QCoreApplication>

// Windows: the tray icon's message. Windows 10 and 11 turn it into a toast in the action centre,
// with no AppUserModelID or Start-menu shortcut to register, so the portable zip shows it too.
// Its one action is the click, which brings Zib forward; a toast's buttons would need the
// registration and a COM activator that only the installer could provide.
struct DesktopNotifications::Impl
{
};

DesktopNotifications::DesktopNotifications(QString desktopEntry, QObject *parent)
    : QObject(parent)
    , m_desktopEntry(std::move(desktopEntry))
    , m_impl(std::make_unique<Impl>())
{
}

DesktopNotifications::~DesktopNotifications() = default;

void DesktopNotifications::setTrayMessage(TrayMessage show)
{
    m_trayMessage = std::move(show);
}

void DesktopNotifications::probe()
{
    setAvailable(bool(m_trayMessage));
}

void DesktopNotifications::show(const Note &note)
{
    if (!m_trayMessage) {
        setAvailable(false);
        emit failed(QCoreApplication::translate("DesktopNotifications_win", "no notification area"));
        return;
    }
    setAvailable(true);
    m_trayMessage(note.title, note.body);
    emit shown();
}

void DesktopNotifications::onTrayMessageClicked()
{
    emit activated();
}

void DesktopNotifications::setAvailable(bool available)
{
    const bool changed = m_available != available;
    m_available = available;
    if (changed)
        emit availabilityKnown(available);
}

void DesktopNotifications::onActionInvoked(uint, const QString &)
{
}

void DesktopNotifications::onNotificationClosed(uint, uint)
{
}
