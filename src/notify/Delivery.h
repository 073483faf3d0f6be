#pragma once

#include "notify/AlertMessage.h"
#include "notify/NotifySettings.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSslCertificate>
#include <QUrl>

#include <array>
#include <deque>
#include <memory>
#include <optional>

class QNetworkAccessManager;
class QNetworkReply;
class QTimer;

namespace notify {

/// The channels that go over HTTP; the desktop's notifications have a seam of their own.
enum class Channel { Discord, Telegram, Ntfy };
inline constexpr std::array<Channel, 3> httpChannels{Channel::Discord, Channel::Telegram, Channel::Ntfy};
QString channelName(Channel channel);

/// One HTTP call as a service wants it.
struct Request
{
    QUrl url;
    QList<std::pair<QByteArray, QByteArray>> headers;
    QByteArray body;
};
/// The call that carries `message` to `channel`, or nothing when the channel is not set up.
std::optional<Request> buildRequest(Channel channel, const NotifySettings &settings, const AlertMessage &message);

/// How long the waits are; tests shorten them.
struct Timing
{
    int transferTimeoutMs = 15'000;
    int firstRetryMs = 5'000;
    int longestRetryMs = 120'000;
    qint64 giveUpMs = 600'000;
    /// When a 429 names no wait.
    int rateLimitedMs = 5'000;
};

/// What the Notifications window shows of a channel.
struct ChannelStatus
{
    bool configured = false;
    /// A 400, 401, 403 or 404 stopped it until its settings change.
    bool stopped = false;
    /// "Delivered", or what the service or the network answered last.
    QString lastOutcome;
    QDateTime lastTime;
    int waiting = 0;
    /// Messages left out because too many waited.
    int dropped = 0;
};

// Sends each alert to every HTTP channel that is set up, in the background: one network access
// manager for all, one queue per channel, retries with a growing wait, and a channel that hangs
// or fails costs the program nothing else. Nothing is opened until a channel has something to send.
class Delivery final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Delivery)

public:
    static constexpr int maxWaiting = 20;

    explicit Delivery(QObject *parent = nullptr);
    ~Delivery() override;

    /// A channel whose settings changed starts afresh: its stop is lifted and what waited for
    /// the old address is dropped.
    void setSettings(const NotifySettings &settings);
    const NotifySettings &settings() const { return m_settings; }
    void setTiming(const Timing &timing) { m_timing = timing; }
    /// The certificate authorities trusted instead of the system's (tests bring their own).
    /// Certificates are always verified: there is no way to turn that off.
    void setTrustedAuthorities(const QList<QSslCertificate> &authorities);

    /// Queues the alert for every channel that is set up and not stopped.
    void post(const AlertMessage &message);
    /// Sends a test message now, ahead of waiting alerts, also to a stopped channel.
    void sendTest(Channel channel);

    ChannelStatus status(Channel channel) const;
    /// Whether a channel was ever set up (the network access manager exists); nothing is opened before.
    bool hasOpenedNetwork() const { return m_manager != nullptr; }

signals:
    void statusChanged(notify::Channel channel);
    /// A channel stopped: the service refused its settings. Emitted once per stop.
    void channelStopped(notify::Channel channel, const QString &answer);

private:
    struct Pending
    {
        Request request;
        QElapsedTimer since;
        int attempt = 0;
        bool test = false;
    };
    struct Queue
    {
        std::deque<Pending> pending;
        QPointer<QNetworkReply> inFlight;
        QTimer *retry = nullptr;
        QTimer *timeout = nullptr;
        bool timedOut = false;
        ChannelStatus status;
    };

    Queue &queue(Channel channel) { return m_queues[std::size_t(channel)]; }
    void enqueue(Channel channel, Pending pending, bool front);
    void pump(Channel channel);
    void onFinished(Channel channel, QNetworkReply *reply);
    void retryLater(Channel channel, const QString &why, qint64 waitMs, bool growing);
    void finishHead(Channel channel, const QString &outcome);
    void stop(Channel channel, const QString &answer);
    void abortAll(Channel channel);
    QString withoutSecrets(QString text) const;
    QNetworkAccessManager &manager();

    NotifySettings m_settings;
    Timing m_timing;
    std::optional<QList<QSslCertificate>> m_authorities;
    QNetworkAccessManager *m_manager = nullptr;
    std::array<Queue, httpChannels.size()> m_queues;
};

/// The service's answer as the user is shown it: the status and the service's own message
/// ("404 Unknown Webhook"), never the address.
QString serviceAnswer(int status, const QByteArray &body, const QString &reason);

} // namespace notify
