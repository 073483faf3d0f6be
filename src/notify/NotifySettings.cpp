#include "notify/NotifySettings.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace notify {

QString NotifySettings::telegramApiOrDefault() const
{
    const QString api = telegramApi.trimmed();
    return api.isEmpty() ? defaultTelegramApi : api;
}

QStringList NotifySettings::secrets() const
{
    QStringList list;
    for (const QString *value : {&discordWebhook, &telegramToken, &ntfyToken}) {
        if (!value->trimmed().isEmpty())
            list.append(value->trimmed());
    }
    // A webhook's last part is its token, which a service may repeat on its own.
    const QString token = QUrl(discordWebhook.trimmed()).path().section(QLatin1Char('/'), -1);
    if (token.size() >= 8)
        list.append(token);
    return list;
}

std::optional<QString> urlProblem(const QString &url, const QString &what)
{
    const QUrl parsed(url.trimmed(), QUrl::StrictMode);
    const QString scheme = parsed.scheme().toLower();
    if (!parsed.isValid() || (scheme != QStringLiteral("http") && scheme != QStringLiteral("https"))
        || parsed.host().isEmpty())
        return what + QCoreApplication::translate("NotifySettings", " must be an address starting with http:// or https://.");
    return std::nullopt;
}

QStringList problems(const NotifySettings &settings)
{
    QStringList list;
    if (!settings.discordWebhook.trimmed().isEmpty()) {
        if (const auto problem = urlProblem(settings.discordWebhook, QCoreApplication::translate("NotifySettings", "The Discord webhook")))
            list.append(*problem);
    }
    const bool token = !settings.telegramToken.trimmed().isEmpty();
    const bool chat = !settings.telegramChat.trimmed().isEmpty();
    if (token != chat)
        list.append(QCoreApplication::translate("NotifySettings", "Telegram needs both the bot's token and the chat."));
    // The token goes into the URL's path: a slash or a blank in it would reach another address.
    if (token && settings.telegramToken.trimmed().contains(QRegularExpression(QStringLiteral("[^A-Za-z0-9:_-]"))))
        list.append(QCoreApplication::translate("NotifySettings", "The Telegram token holds characters no bot token has."));
    if (!settings.telegramApi.trimmed().isEmpty()) {
        if (const auto problem = urlProblem(settings.telegramApi, QCoreApplication::translate("NotifySettings", "The Telegram Bot API address")))
            list.append(*problem);
    }
    if (!settings.ntfyUrl.trimmed().isEmpty()) {
        if (const auto problem = urlProblem(settings.ntfyUrl, QCoreApplication::translate("NotifySettings", "The ntfy topic")))
            list.append(*problem);
        else if (!ntfyTarget(settings.ntfyUrl))
            list.append(QCoreApplication::translate("NotifySettings", "The ntfy topic's address must end with the topic, as in https://ntfy.sh/TOPIC."));
    }
    return list;
}

std::optional<NtfyTarget> ntfyTarget(const QString &topicUrl)
{
    QUrl url(topicUrl.trimmed(), QUrl::StrictMode);
    QString path = url.path();
    while (path.endsWith(QLatin1Char('/')))
        path.chop(1);
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const QString topic = path.mid(slash + 1);
    if (!url.isValid() || topic.isEmpty())
        return std::nullopt;
    url.setPath(path.left(slash + 1));
    url.setQuery(QString());
    url.setFragment(QString());
    return NtfyTarget{url, topic};
}

} // namespace notify
