#include "notify/Delivery.h"

#include "platform/text/TextCodec.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslConfiguration>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <limits>

namespace notify {

namespace {

// The system's proxy settings (the environment's on Linux, the Internet options on Windows),
// for this manager only.
class SystemProxies final : public QNetworkProxyFactory
{
public:
    QList<QNetworkProxy> queryProxy(const QNetworkProxyQuery &query) override
    {
        return systemProxyForQuery(query);
    }
};

QByteArray json()
{
    return QByteArrayLiteral("application/json");
}

// Network failures in our own words: Qt's texts name the URL, and the URL holds the token.
QString networkFailure(QNetworkReply::NetworkError error)
{
    switch (error) {
    case QNetworkReply::ConnectionRefusedError:
        return QCoreApplication::translate("Delivery", "the connection was refused");
    case QNetworkReply::RemoteHostClosedError:
        return QCoreApplication::translate("Delivery", "the service closed the connection");
    case QNetworkReply::HostNotFoundError:
        return QCoreApplication::translate("Delivery", "the service's host was not found");
    case QNetworkReply::TimeoutError:
        return QCoreApplication::translate("Delivery", "the connection timed out");
    case QNetworkReply::SslHandshakeFailedError:
        return QCoreApplication::translate("Delivery", "the secure connection failed (the certificate was not trusted)");
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::NetworkSessionFailedError:
        return QCoreApplication::translate("Delivery", "the network is down");
    case QNetworkReply::ProxyConnectionRefusedError:
    case QNetworkReply::ProxyConnectionClosedError:
    case QNetworkReply::ProxyNotFoundError:
    case QNetworkReply::ProxyTimeoutError:
    case QNetworkReply::ProxyAuthenticationRequiredError:
        return QCoreApplication::translate("Delivery", "the proxy could not be used");
    default:
        return QCoreApplication::translate("Delivery", "network error %1").arg(int(error));
    }
}

// Retry-After as seconds (fractions allowed), or Discord's retry_after in the body.
std::optional<qint64> rateLimitWaitMs(QNetworkReply *reply, const QByteArray &body)
{
    bool ok = false;
    const double header = reply->rawHeader(QByteArrayLiteral("Retry-After")).trimmed().toDouble(&ok);
    if (ok && header >= 0)
        return qint64(std::ceil(header * 1000));
    const QJsonValue value = QJsonDocument::fromJson(body).object().value(QStringLiteral("retry_after"));
    if (value.isDouble() && value.toDouble() >= 0)
        return qint64(std::ceil(value.toDouble() * 1000));
    // Telegram: {"parameters": {"retry_after": 3}}
    const QJsonValue nested = QJsonDocument::fromJson(body)
                                  .object()
                                  .value(QStringLiteral("parameters"))
                                  .toObject()
                                  .value(QStringLiteral("retry_after"));
    if (nested.isDouble() && nested.toDouble() >= 0)
        return qint64(std::ceil(nested.toDouble() * 1000));
    return std::nullopt;
}

bool stopsChannel(int status)
{
    return status == 400 || status == 401 || status == 403 || status == 404;
}

} // namespace

QString channelName(Channel channel)
{
    switch (channel) {
    case Channel::Discord:
        return QStringLiteral("Discord");
    case Channel::Telegram:
        return QStringLiteral("Telegram");
    case Channel::Ntfy:
        return QStringLiteral("ntfy");
    }
    return {};
}

std::optional<Request> buildRequest(Channel channel, const NotifySettings &settings, const AlertMessage &message)
{
    if (!problems(settings).isEmpty()) {
        // One channel's bad value leaves the others working.
        NotifySettings only;
        if (channel == Channel::Discord)
            only.discordWebhook = settings.discordWebhook;
        if (channel == Channel::Telegram) {
            only.telegramToken = settings.telegramToken;
            only.telegramChat = settings.telegramChat;
            only.telegramApi = settings.telegramApi;
        }
        if (channel == Channel::Ntfy) {
            only.ntfyUrl = settings.ntfyUrl;
            only.ntfyToken = settings.ntfyToken;
        }
        if (!problems(only).isEmpty())
            return std::nullopt;
    }
    Request request;
    request.headers.append({QByteArrayLiteral("Content-Type"), json()});
    switch (channel) {
    case Channel::Discord:
        if (settings.discordWebhook.trimmed().isEmpty())
            return std::nullopt;
        request.url = QUrl(settings.discordWebhook.trimmed());
        request.body = discordBody(message);
        break;
    case Channel::Telegram: {
        if (settings.telegramToken.trimmed().isEmpty() || settings.telegramChat.trimmed().isEmpty())
            return std::nullopt;
        QUrl url(settings.telegramApiOrDefault());
        QString path = url.path();
        if (!path.endsWith(QLatin1Char('/')))
            path += QLatin1Char('/');
        url.setPath(path + QStringLiteral("bot") + settings.telegramToken.trimmed() + QStringLiteral("/sendMessage"));
        request.url = url;
        request.body = telegramBody(message, settings.telegramChat.trimmed());
        break;
    }
    case Channel::Ntfy: {
        const auto target = ntfyTarget(settings.ntfyUrl);
        if (settings.ntfyUrl.trimmed().isEmpty() || !target)
            return std::nullopt;
        request.url = target->root;
        request.body = ntfyBody(message, target->topic);
        if (!settings.ntfyToken.trimmed().isEmpty())
            request.headers.append(
                {QByteArrayLiteral("Authorization"), "Bearer " + settings.ntfyToken.trimmed().toUtf8()});
        break;
    }
    }
    return request;
}

QString serviceAnswer(int status, const QByteArray &body, const QString &reason)
{
    const QJsonObject object = QJsonDocument::fromJson(body).object();
    QString text;
    // Discord's "message", Telegram's "description", ntfy's "error".
    for (const char *key : {"message", "description", "error"}) {
        const QJsonValue value = object.value(QLatin1String(key));
        if (value.isString() && !value.toString().isEmpty()) {
            text = value.toString();
            break;
        }
    }
    if (text.isEmpty())
        text = reason;
    text = TextCodec::forDisplay(text.simplified());
    if (text.size() > 200)
        text = text.left(199) + QChar(0x2026);
    return text.isEmpty() ? QString::number(status) : QStringLiteral("%1 %2").arg(status).arg(text);
}

Delivery::Delivery(QObject *parent)
    : QObject(parent)
{
    for (std::size_t i = 0; i < m_queues.size(); ++i) {
        const Channel channel = httpChannels[i];
        Queue &q = m_queues[i];
        q.retry = new QTimer(this);
        q.retry->setSingleShot(true);
        connect(q.retry, &QTimer::timeout, this, [this, channel] { pump(channel); });
        q.timeout = new QTimer(this);
        q.timeout->setSingleShot(true);
        connect(q.timeout, &QTimer::timeout, this, [this, channel] {
            Queue &timed = queue(channel);
            if (timed.inFlight) {
                timed.timedOut = true;
                timed.inFlight->abort();
            }
        });
    }
}

Delivery::~Delivery()
{
    for (const Channel channel : httpChannels)
        abortAll(channel);
}

void Delivery::setSettings(const NotifySettings &settings)
{
    const NotifySettings old = m_settings;
    m_settings = settings;
    const AlertMessage probe = testMessage();
    for (const Channel channel : httpChannels) {
        const auto before = buildRequest(channel, old, probe);
        const auto after = buildRequest(channel, settings, probe);
        Queue &q = queue(channel);
        const bool same = before.has_value() == after.has_value()
                          && (!before || (before->url == after->url && before->headers == after->headers
                                          && before->body == after->body));
        if (same)
            continue;
        abortAll(channel);
        q.pending.clear();
        q.status = {};
        q.status.configured = after.has_value();
        // Made now rather than by the first alert, whose moment the user is waiting on.
        if (after)
            manager();
        emit statusChanged(channel);
    }
}

void Delivery::setTrustedAuthorities(const QList<QSslCertificate> &authorities)
{
    m_authorities = authorities;
}

void Delivery::post(const AlertMessage &message)
{
    for (const Channel channel : httpChannels) {
        if (queue(channel).status.stopped)
            continue;
        if (auto request = buildRequest(channel, m_settings, message)) {
            Pending pending{std::move(*request), {}, 0, false};
            pending.since.start();
            enqueue(channel, std::move(pending), false);
        }
    }
}

void Delivery::sendTest(Channel channel)
{
    auto request = buildRequest(channel, m_settings, testMessage());
    if (!request)
        return;
    Pending pending{std::move(*request), {}, 0, true};
    pending.since.start();
    enqueue(channel, std::move(pending), true);
    // A test is sent now, not after the wait of an alert that failed.
    Queue &q = queue(channel);
    if (q.retry->isActive()) {
        q.retry->stop();
        pump(channel);
    }
}

ChannelStatus Delivery::status(Channel channel) const
{
    ChannelStatus status = m_queues[std::size_t(channel)].status;
    status.configured = buildRequest(channel, m_settings, testMessage()).has_value();
    const Queue &q = m_queues[std::size_t(channel)];
    status.waiting = int(q.pending.size()) - (q.inFlight ? 1 : 0);
    return status;
}

void Delivery::enqueue(Channel channel, Pending pending, bool front)
{
    Queue &q = queue(channel);
    // The one being sent stays where it is.
    const std::size_t firstWaiting = q.inFlight ? 1 : 0;
    if (front)
        q.pending.insert(q.pending.begin() + qsizetype(std::min(firstWaiting, q.pending.size())), std::move(pending));
    else
        q.pending.push_back(std::move(pending));
    while (q.pending.size() - firstWaiting > std::size_t(maxWaiting)) {
        q.pending.erase(q.pending.begin() + qsizetype(firstWaiting));
        ++q.status.dropped;
    }
    emit statusChanged(channel);
    // Sent from the event loop: the alert that queued it goes on to its pop-up at once.
    QMetaObject::invokeMethod(this, [this, channel] { pump(channel); }, Qt::QueuedConnection);
}

QNetworkAccessManager &Delivery::manager()
{
    if (!m_manager) {
        m_manager = new QNetworkAccessManager(this);
        m_manager->setProxyFactory(new SystemProxies);
    }
    return *m_manager;
}

void Delivery::pump(Channel channel)
{
    Queue &q = queue(channel);
    if (q.inFlight || q.retry->isActive() || q.pending.empty())
        return;
    const Request &request = q.pending.front().request;
    QNetworkRequest call(request.url);
    for (const auto &[name, value] : request.headers)
        call.setRawHeader(name, value);
    QSslConfiguration ssl = QSslConfiguration::defaultConfiguration();
    if (m_authorities)
        ssl.setCaCertificates(*m_authorities);
    call.setSslConfiguration(ssl);
    // Our own timer ends the call: Qt's transfer timeout restarts with every byte a slow server
    // trickles.
    call.setTransferTimeout(0);
    q.timedOut = false;
    QNetworkReply *reply = manager().post(call, request.body);
    q.inFlight = reply;
    q.timeout->start(m_timing.transferTimeoutMs);
    connect(reply, &QNetworkReply::finished, this, [this, channel, reply] { onFinished(channel, reply); });
}

void Delivery::onFinished(Channel channel, QNetworkReply *reply)
{
    reply->deleteLater();
    Queue &q = queue(channel);
    if (q.inFlight != reply)
        return;
    q.inFlight = nullptr;
    q.timeout->stop();
    if (q.pending.empty())
        return;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QByteArray body = reply->isOpen() ? reply->readAll() : QByteArray();
    const QString reason = reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
    if (q.timedOut) {
        retryLater(channel,
                   QCoreApplication::translate("Delivery", "no answer within %1 seconds").arg(QString::number(m_timing.transferTimeoutMs / 1000.0)),
                   0, true);
        return;
    }
    if (status == 0) {
        retryLater(channel, networkFailure(reply->error()), 0, true);
        return;
    }
    const QString answer = withoutSecrets(serviceAnswer(status, body, reason));
    if (status >= 200 && status < 300) {
        q.status.stopped = false;
        finishHead(channel, QCoreApplication::translate("Delivery", "Delivered"));
    } else if (status == 429) {
        retryLater(channel, answer, rateLimitWaitMs(reply, body).value_or(m_timing.rateLimitedMs), false);
    } else if (status >= 500) {
        retryLater(channel, answer, 0, true);
    } else if (stopsChannel(status)) {
        stop(channel, answer);
    } else {
        // Anything else is about this message, not the channel: it goes, the next one is tried.
        finishHead(channel, answer);
    }
}

void Delivery::retryLater(Channel channel, const QString &why, qint64 waitMs, bool growing)
{
    Queue &q = queue(channel);
    Pending &head = q.pending.front();
    if (growing) {
        const double grown = double(m_timing.firstRetryMs) * std::pow(2.0, std::min(head.attempt, 20));
        waitMs = qint64(std::min(grown, double(m_timing.longestRetryMs)));
    }
    ++head.attempt;
    q.status.lastOutcome = withoutSecrets(why);
    q.status.lastTime = QDateTime::currentDateTime();
    if (head.since.elapsed() + waitMs > m_timing.giveUpMs) {
        finishHead(channel, QCoreApplication::translate("Delivery", "Given up: ") + q.status.lastOutcome);
        return;
    }
    q.retry->start(int(std::clamp<qint64>(waitMs, 0, std::numeric_limits<int>::max())));
    emit statusChanged(channel);
}

void Delivery::finishHead(Channel channel, const QString &outcome)
{
    Queue &q = queue(channel);
    q.pending.pop_front();
    q.status.lastOutcome = outcome;
    q.status.lastTime = QDateTime::currentDateTime();
    emit statusChanged(channel);
    pump(channel);
}

void Delivery::stop(Channel channel, const QString &answer)
{
    Queue &q = queue(channel);
    const bool wasStopped = q.status.stopped;
    q.pending.clear();
    q.retry->stop();
    q.status.stopped = true;
    q.status.lastOutcome = answer;
    q.status.lastTime = QDateTime::currentDateTime();
    emit statusChanged(channel);
    if (!wasStopped)
        emit channelStopped(channel, answer);
}

void Delivery::abortAll(Channel channel)
{
    Queue &q = queue(channel);
    q.retry->stop();
    q.timeout->stop();
    if (QNetworkReply *reply = q.inFlight.data()) {
        q.inFlight = nullptr;
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
}

QString Delivery::withoutSecrets(QString text) const
{
    for (const QString &secret : m_settings.secrets())
        text.replace(secret, QStringLiteral("\u2026"));
    return text;
}

} // namespace notify
