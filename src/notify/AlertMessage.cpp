#include "notify/AlertMessage.h"

#include "alerts/core/ClanMatching.h"
#include "model/mdlZibProcessing.h"
#include "platform/text/TextCodec.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace notify {

namespace {

const QString newline = QStringLiteral("\n");

// A name as it may be shown anywhere: no control character can add a line or reorder the text,
// and a very long one is cut, so the list and the join lines stay readable.
QString shown(const QString &name)
{
    QString text = TextCodec::forDisplay(name);
    if (text.size() > maxNameChars) {
        qsizetype cut = maxNameChars - 1;
        // Never between the halves of a surrogate pair.
        if (text.at(cut).isLowSurrogate())
            --cut;
        text = text.left(cut) + QChar(0x2026);
    }
    return text;
}

QString escaped(const QString &text, QString (*escape)(const QString &))
{
    const QString safe = shown(text);
    return escape ? escape(safe) : safe;
}

QByteArray compact(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

} // namespace

QString AlertMessage::connectCommand() const
{
    return QStringLiteral("connect %1:%2").arg(address).arg(port);
}

QString AlertMessage::steamLink() const
{
    return QStringLiteral("steam://connect/%1:%2").arg(address).arg(port);
}

AlertMessage alertMessage(qint16 serverNumber, qint16 clanFilterNumber)
{
    AlertMessage message;
    const auto server = mdlZibProcessing::serverAt(serverNumber);
    const auto filter = mdlZibProcessing::filterAt(clanFilterNumber);
    if (!server || !filter)
        return message;
    message.clanTag = filter->clanTag();
    message.trigger = filter->alertTrigger();
    message.serverName = server->name();
    message.mapName = server->mapName();
    message.players = server->activePlayers();
    message.capacity = server->maxPlayers();
    message.address = server->address();
    message.port = server->port();
    for (const QString &name : server->playerNames()) {
        if (ClanMatching::tagMatches(name, message.clanTag))
            message.matchingPlayers.append(name);
    }
    message.count = int(message.matchingPlayers.size());
    return message;
}

AlertMessage testMessage()
{
    AlertMessage message;
    message.clanTag = QStringLiteral("[X]");
    message.count = 3;
    message.trigger = 2;
    message.serverName = QCoreApplication::translate("AlertMessage", "Zib test message");
    message.mapName = QStringLiteral("crossfire");
    message.players = 7;
    message.capacity = 16;
    message.matchingPlayers = {QStringLiteral("[X]Alpha"), QStringLiteral("[X]Bravo"), QStringLiteral("[X]Charlie")};
    message.address = QStringLiteral("192.0.2.1");
    message.port = 27015;
    message.test = true;
    return message;
}

QString title(const AlertMessage &message, QString (*escape)(const QString &))
{
    const QString prefix = message.test ? QCoreApplication::translate("AlertMessage", "Test: ") : QString();
    return prefix
           + QCoreApplication::translate("AlertMessage", "%1 %2 of %3 on %4")
                 .arg(escaped(message.clanTag, escape))
                 .arg(message.count)
                 .arg(message.trigger)
                 .arg(escaped(message.serverName, escape));
}

QString bodyText(const AlertMessage &message, qsizetype maxChars, QString (*escape)(const QString &))
{
    const QString head = QCoreApplication::translate("AlertMessage", "Map %1, players %2/%3")
                             .arg(escaped(message.mapName, escape))
                             .arg(message.players)
                             .arg(message.capacity)
                         + newline;
    const QString join = message.connectCommand() + newline + message.steamLink();
    QString names;
    qsizetype listed = 0;
    const auto room = [&](qsizetype extra) { return head.size() + names.size() + extra + join.size(); };
    for (const QString &player : message.matchingPlayers) {
        const QString line = escaped(player, escape) + newline;
        const qsizetype left = message.matchingPlayers.size() - listed - 1;
        // Room is kept for the line that says how many were left out, should a later name not fit.
        const qsizetype reserve = left > 0 ? 16 : 0;
        if (room(line.size() + reserve) > maxChars)
            break;
        names += line;
        ++listed;
    }
    if (listed < message.matchingPlayers.size())
        names += QCoreApplication::translate("AlertMessage", "and %1 more").arg(message.matchingPlayers.size() - listed) + newline;
    return (head + names + join).left(maxChars);
}

QString escapeDiscord(const QString &text)
{
    static const QString special = QStringLiteral("\\*_~`|>#-[]()<:@");
    QString out;
    out.reserve(text.size() + 8);
    for (const QChar c : text) {
        if (special.contains(c))
            out += QLatin1Char('\\');
        out += c;
    }
    return out;
}

QString escapeMarkup(const QString &text)
{
    return text.toHtmlEscaped();
}

QByteArray discordBody(const AlertMessage &message)
{
    const QString first = title(message, escapeDiscord) + newline;
    QJsonObject body;
    body.insert(QStringLiteral("content"), first + bodyText(message, discordMaxChars - first.size(), escapeDiscord));
    // Nobody is pinged, whatever a name says; no link in a name becomes a preview.
    body.insert(QStringLiteral("allowed_mentions"), QJsonObject{{QStringLiteral("parse"), QJsonArray()}});
    body.insert(QStringLiteral("flags"), 4);
    return compact(body);
}

QByteArray telegramBody(const AlertMessage &message, const QString &chat)
{
    const QString first = title(message) + newline;
    QJsonObject body;
    body.insert(QStringLiteral("chat_id"), chat);
    body.insert(QStringLiteral("text"), first + bodyText(message, telegramMaxChars - first.size()));
    body.insert(QStringLiteral("disable_web_page_preview"), true);
    return compact(body);
}

QByteArray ntfyBody(const AlertMessage &message, const QString &topic)
{
    QJsonObject body;
    body.insert(QStringLiteral("topic"), topic);
    body.insert(QStringLiteral("title"), title(message));
    body.insert(QStringLiteral("message"), bodyText(message, telegramMaxChars));
    body.insert(QStringLiteral("click"), message.steamLink());
    body.insert(QStringLiteral("priority"), message.test ? 3 : 4);
    body.insert(QStringLiteral("tags"), QJsonArray{QStringLiteral("video_game")});
    return compact(body);
}

} // namespace notify
