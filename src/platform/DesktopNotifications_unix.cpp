#include "platform/DesktopNotifications.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QHash>
#include <QStringList>
#include <QVariantMap>

#include <deque>
#include <optional>

// Linux: org.freedesktop.Notifications on the session bus. Every call is asynchronous, so a
// service that is slow or missing never holds the window.
namespace {

const QString service = QStringLiteral("org.freedesktop.Notifications");
const QString objectPath = QStringLiteral("/org/freedesktop/Notifications");
const QString interface = QStringLiteral("org.freedesktop.Notifications");
const QString defaultAction = QStringLiteral("default");
const QString joinAction = QStringLiteral("join");
// Links kept for notes still on screen; a service that never says a note closed cannot make
// the list grow without end.
constexpr qsizetype keptLinks = 64;

} // namespace

struct DesktopNotifications::Impl
{
    // A connection of our own, made at the first use: the bus is looked for then, not before.
    QString connectionName;
    std::optional<QDBusConnection> bus;
    bool probing = false;
    bool connected = false;
    QStringList capabilities;
    std::deque<Note> waiting;
    QHash<uint, QString> links;
    std::deque<uint> order;
};

DesktopNotifications::DesktopNotifications(QString desktopEntry, QObject *parent)
    : QObject(parent)
    , m_desktopEntry(std::move(desktopEntry))
    , m_impl(std::make_unique<Impl>())
{
}

DesktopNotifications::~DesktopNotifications()
{
    if (m_impl->bus)
        QDBusConnection::disconnectFromBus(m_impl->connectionName);
}

void DesktopNotifications::setTrayMessage(TrayMessage show)
{
    m_trayMessage = std::move(show);
}

void DesktopNotifications::probe()
{
    if (m_impl->probing)
        return;
    if (!m_impl->bus || !m_impl->bus->isConnected()) {
        if (m_impl->bus)
            QDBusConnection::disconnectFromBus(m_impl->connectionName);
        m_impl->connectionName = QStringLiteral("zib-notifications-%1").arg(quintptr(this));
        m_impl->bus = m_busAddress.isEmpty()
                          ? QDBusConnection::connectToBus(QDBusConnection::SessionBus, m_impl->connectionName)
                          : QDBusConnection::connectToBus(m_busAddress, m_impl->connectionName);
        m_impl->connected = false;
    }
    QDBusConnection &bus = *m_impl->bus;
    if (!bus.isConnected()) {
        setAvailable(false);
        std::deque<Note> waiting;
        waiting.swap(m_impl->waiting);
        for (std::size_t i = 0; i < waiting.size(); ++i)
            emit failed(QCoreApplication::translate("DesktopNotifications_unix", "no session bus"));
        return;
    }
    if (!m_impl->connected) {
        m_impl->connected = true;
        bus.connect(service, objectPath, interface, QStringLiteral("ActionInvoked"), this,
                    SLOT(onActionInvoked(uint, QString)));
        bus.connect(service, objectPath, interface, QStringLiteral("NotificationClosed"), this,
                    SLOT(onNotificationClosed(uint, uint)));
    }
    m_impl->probing = true;
    const QDBusMessage call =
        QDBusMessage::createMethodCall(service, objectPath, interface, QStringLiteral("GetCapabilities"));
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *done) {
        done->deleteLater();
        m_impl->probing = false;
        const QDBusPendingReply<QStringList> reply = *done;
        const bool answered = !reply.isError();
        m_impl->capabilities = answered ? reply.value() : QStringList();
        setAvailable(answered);
        std::deque<Note> waiting;
        waiting.swap(m_impl->waiting);
        for (const Note &note : waiting) {
            if (answered)
                show(note);
            else
                emit failed(reply.error().message());
        }
    });
}

void DesktopNotifications::show(const Note &note)
{
    // The capabilities decide the note's form: learnt once, before the first one.
    if (!m_available.value_or(false)) {
        if (m_impl->waiting.size() < 20)
            m_impl->waiting.push_back(note);
        probe();
        return;
    }
    const bool markup = m_impl->capabilities.contains(QStringLiteral("body-markup"));
    const bool actions = m_impl->capabilities.contains(QStringLiteral("actions"));
    QStringList actionList;
    if (actions) {
        actionList << defaultAction << QCoreApplication::translate("DesktopNotifications_unix", "Show Zib");
        if (!note.joinLink.isEmpty())
            actionList << joinAction << QCoreApplication::translate("DesktopNotifications_unix", "Join Game");
    }
    QVariantMap hints;
    hints.insert(QStringLiteral("desktop-entry"), m_desktopEntry);
    hints.insert(QStringLiteral("urgency"), QVariant::fromValue(uchar(1)));
    QDBusMessage call = QDBusMessage::createMethodCall(service, objectPath, interface, QStringLiteral("Notify"));
    call << QStringLiteral("Zib") << uint(0) << QStringLiteral("zib") << note.title
         << (markup ? note.body.toHtmlEscaped() : note.body) << actionList << hints << int(-1);
    auto *watcher = new QDBusPendingCallWatcher(m_impl->bus->asyncCall(call), this);
    const QString link = note.joinLink;
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, link](QDBusPendingCallWatcher *done) {
        done->deleteLater();
        const QDBusPendingReply<uint> reply = *done;
        if (reply.isError()) {
            // The service went away: the next note asks again.
            setAvailable(false);
            emit failed(reply.error().message());
            return;
        }
        emit shown();
        const uint id = reply.value();
        m_impl->links.insert(id, link);
        m_impl->order.push_back(id);
        while (qsizetype(m_impl->order.size()) > keptLinks) {
            m_impl->links.remove(m_impl->order.front());
            m_impl->order.pop_front();
        }
    });
}

void DesktopNotifications::onTrayMessageClicked()
{
    emit activated();
}

void DesktopNotifications::onActionInvoked(uint id, const QString &action)
{
    // Signals of other programs' notes come to us too: only our own ids count.
    const auto link = m_impl->links.constFind(id);
    if (link == m_impl->links.constEnd())
        return;
    if (action == defaultAction)
        emit activated();
    else if (action == joinAction && !link->isEmpty())
        emit joinRequested(*link);
}

void DesktopNotifications::onNotificationClosed(uint id, uint)
{
    m_impl->links.remove(id);
    std::erase(m_impl->order, id);
}

void DesktopNotifications::setAvailable(bool available)
{
    const bool changed = m_available != available;
    m_available = available;
    if (changed)
        emit availabilityKnown(available);
}
