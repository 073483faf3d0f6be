#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The one message an alert sends, and how each service wants it written. Everything here is
// plain data in, bytes out: names come from game servers and are hostile, so every formatter is
// written to keep them from pinging, formatting, adding lines or reaching a header.
namespace notify {

struct AlertMessage
{
    QString clanTag;
    int count = 0;
    int trigger = 0;
    QString serverName;
    QString mapName;
    int players = 0;
    int capacity = 0;
    /// The players whose names carry the tag, as the server sent them.
    QStringList matchingPlayers;
    QString address;
    int port = 0;
    /// A "Send Test" message rather than an alert.
    bool test = false;

    QString connectCommand() const;
    /// steam://connect/ADDRESS:PORT
    QString steamLink() const;
};

/// The message for the alert the throttle let through; an empty message (no address) when the
/// server or the filter is gone.
AlertMessage alertMessage(qint16 serverNumber, qint16 clanFilterNumber);
/// A made-up alert that shows every part of a real one.
AlertMessage testMessage();

/// The first line, in every channel: the tag, its count against the trigger and the server.
QString title(const AlertMessage &message, QString (*escape)(const QString &) = nullptr);
/// The lines below the title, at most maxChars long: a long list of players is cut and says how
/// many it left out, and the way to join always stays. `escape` is applied to every text that
/// came from the network (names, the map) before it is measured.
QString bodyText(const AlertMessage &message, qsizetype maxChars, QString (*escape)(const QString &) = nullptr);

/// Markdown characters escaped for Discord, so a name shows as it is.
QString escapeDiscord(const QString &text);
/// <, > and & as entities, for notification servers that read a body as markup.
QString escapeMarkup(const QString &text);

inline constexpr qsizetype discordMaxChars = 2000;
inline constexpr qsizetype telegramMaxChars = 4096;
/// A name longer than this is cut where it is listed.
inline constexpr qsizetype maxNameChars = 64;

/// The JSON body of a Discord webhook call.
QByteArray discordBody(const AlertMessage &message);
/// The JSON body of a Bot API sendMessage call (plain text, no parse mode).
QByteArray telegramBody(const AlertMessage &message, const QString &chat);
/// The JSON body ntfy takes at its root, naming the topic inside it.
QByteArray ntfyBody(const AlertMessage &message, const QString &topic);

} // namespace notify
