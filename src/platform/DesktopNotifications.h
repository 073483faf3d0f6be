#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

// The desktop's own notifications. On Linux the freedesktop notification service over D-Bus,
// with a "Join Game" action where the service shows actions; on Windows the tray icon's message,
// which Windows 10 and 11 show as a toast. Nothing is asked of the desktop before the first use.
class DesktopNotifications final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DesktopNotifications)

public:
    struct Note
    {
        QString title;
        /// Plain text; escaped here where the service reads markup.
        QString body;
        /// steam://connect/ADDRESS:PORT, for the "Join Game" action.
        QString joinLink;
    };
    /// Shows a title and a text through the tray icon, where that is the desktop's way.
    using TrayMessage = std::function<void(const QString &title, const QString &body)>;

    /// `desktopEntry` is the name of the program's menu entry, without ".desktop".
    explicit DesktopNotifications(QString desktopEntry, QObject *parent = nullptr);
    ~DesktopNotifications() override;

    void setTrayMessage(TrayMessage show);
    /// The bus to find the service on, instead of the session's own (Linux; tests run a bus of
    /// their own).
    void setBusAddress(const QString &address) { m_busAddress = address; }
    /// Asks whether a notification service answers; `availabilityKnown` tells.
    void probe();
    /// Whether a service answered the last probe or note; unknown before either.
    std::optional<bool> isAvailable() const { return m_available; }
    void show(const Note &note);

public slots:
    /// The tray's message was clicked (Windows).
    void onTrayMessageClicked();

signals:
    void availabilityKnown(bool available);
    /// The user clicked the notification: the window should come forward.
    void activated();
    /// The user chose "Join Game" on the notification that carried this link.
    void joinRequested(const QString &joinLink);
    /// The service took a note.
    void shown();
    /// A note could not be shown, in the service's words.
    void failed(const QString &why);

private slots:
    // The freedesktop service's signals (Linux).
    void onActionInvoked(uint id, const QString &action);
    void onNotificationClosed(uint id, uint reason);

private:
    void setAvailable(bool available);

    struct Impl;
    QString m_desktopEntry;
    QString m_busAddress;
    TrayMessage m_trayMessage;
    std::optional<bool> m_available;
    std::unique_ptr<Impl> m_impl;
};
