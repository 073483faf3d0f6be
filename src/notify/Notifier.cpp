#include "notify/Notifier.h"
#include <QCoreApplication>

namespace notify {

Notifier::Notifier(const QString &desktopEntry, QObject *parent)
    : QObject(parent)
    , m_delivery(this)
    , m_desktop(desktopEntry, this)
{
    connect(&m_desktop, &DesktopNotifications::availabilityKnown, this, &Notifier::desktopStatusChanged);
    connect(&m_desktop, &DesktopNotifications::shown, this, [this] {
        m_desktopOutcome = QCoreApplication::translate("Notifier", "Delivered");
        m_desktopTime = QDateTime::currentDateTime();
        emit desktopStatusChanged();
    });
    connect(&m_desktop, &DesktopNotifications::failed, this, [this](const QString &why) {
        m_desktopOutcome = why;
        m_desktopTime = QDateTime::currentDateTime();
        emit desktopStatusChanged();
    });
}

void Notifier::applySettings(const NotifySettings &settings)
{
    m_delivery.setSettings(settings);
    const bool wasOn = m_desktopOn;
    m_desktopOn = settings.desktop;
    // Switched on: the window can say at once whether anything will show the notes.
    if (m_desktopOn && !wasOn)
        m_desktop.probe();
    emit desktopStatusChanged();
}

void Notifier::alert(const AlertMessage &message)
{
    if (message.address.isEmpty())
        return;
    m_delivery.post(message);
    if (m_desktopOn)
        showOnDesktop(message);
}

void Notifier::sendDesktopTest()
{
    showOnDesktop(testMessage());
}

void Notifier::showOnDesktop(const AlertMessage &message)
{
    m_desktop.show({title(message), bodyText(message, telegramMaxChars), message.steamLink()});
}

QString Notifier::desktopStatus() const
{
    if (m_desktop.isAvailable() == false)
        return QCoreApplication::translate("Notifier", "No notification service answers on this desktop");
    if (!m_desktopOn)
        return QCoreApplication::translate("Notifier", "Off");
    if (m_desktopOutcome.isEmpty())
        return QCoreApplication::translate("Notifier", "On; nothing sent yet");
    return QCoreApplication::translate("Notifier", "Last: %1 at %2").arg(m_desktopOutcome, m_desktopTime.toString(QStringLiteral("HH:mm:ss")));
}

} // namespace notify
