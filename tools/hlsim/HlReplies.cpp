#include "HlReplies.h"

#include <QtEndian>

#include <cstring>

namespace HlReplies {

namespace {

const QByteArray header("\xFF\xFF\xFF\xFF", 4);

void appendString(QByteArray &out, const QByteArray &text)
{
    out.append(text);
    out.append('\0');
}

void appendLittleEndian(QByteArray &out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

} // namespace

QByteArray playersReply(const ServerDescription &server)
{
    QByteArray out = header;
    out.append('D');
    out.append(static_cast<char>(server.playerNames.size() & 0xFF));
    quint32 index = 0;
    for (const QByteArray &name : server.playerNames) {
        out.append(static_cast<char>(index & 0xFF));
        appendString(out, name);
        appendLittleEndian(out, index * 3); // frags
        const float seconds = 60.0f * static_cast<float>(index + 1);
        quint32 secondsBits = 0;
        std::memcpy(&secondsBits, &seconds, sizeof seconds);
        appendLittleEndian(out, secondsBits);
        ++index;
    }
    return out;
}

QByteArray infoReply(const ServerDescription &server, const QByteArray &ownAddress)
{
    QByteArray out = header;
    out.append('C');
    appendString(out, ownAddress);
    appendString(out, server.name);
    appendString(out, server.mapName);
    appendString(out, server.gameDirectory);
    appendString(out, server.gameDescription);
    out.append(static_cast<char>(server.playerNames.size() & 0xFF));
    out.append(static_cast<char>(server.maxPlayers));
    out.append(static_cast<char>(46)); // protocol version
    return out;
}

QString requestKind(const QByteArray &datagram)
{
    if (!datagram.startsWith(header))
        return {};
    const QByteArray word = datagram.mid(4).split('\0').value(0);
    if (word == "players" || word == "info")
        return QString::fromLatin1(word);
    return {};
}

QByteArray replyTo(const QString &kind, const ServerDescription &server, const QByteArray &ownAddress)
{
    if (kind == QLatin1String("players"))
        return playersReply(server);
    if (kind == QLatin1String("info"))
        return infoReply(server, ownAddress);
    return {};
}

} // namespace HlReplies
