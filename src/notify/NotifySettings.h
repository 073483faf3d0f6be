#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

#include <optional>

// Where alerts go besides the pop-up: the "ZIB NOTIFY" section of the settings file. Every
// channel is off until its values are given.
namespace notify {

struct NotifySettings
{
    bool desktop = false;
    QString discordWebhook;
    QString telegramToken;
    QString telegramChat;
    QString telegramApi;
    QString ntfyUrl;
    QString ntfyToken;

    friend bool operator==(const NotifySettings &, const NotifySettings &) = default;

    /// The Bot API's base URL, the public one when none is given.
    QString telegramApiOrDefault() const;
    /// Every value that must never be shown: tokens and the URLs that carry them.
    QStringList secrets() const;
    bool holdsSecret() const { return !secrets().isEmpty(); }
};

inline const QString notifySection = QStringLiteral("ZIB NOTIFY");
inline const QString defaultTelegramApi = QStringLiteral("https://api.telegram.org");

/// Why a URL cannot be used for a channel, or nothing when it can: any http:// or https://
/// address with a host. `what` names the field in the message.
std::optional<QString> urlProblem(const QString &url, const QString &what);

/// Every problem with the values as the user typed them, one line each; empty when all is well.
QStringList problems(const NotifySettings &settings);

/// ntfy's root URL and the topic, from the topic's URL (https://ntfy.sh/TOPIC).
struct NtfyTarget
{
    QUrl root;
    QString topic;
};
std::optional<NtfyTarget> ntfyTarget(const QString &topicUrl);

} // namespace notify
