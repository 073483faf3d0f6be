#include "HlReplies.h"

#include <QtEndian>

#include <cstring>

namespace HlReplies {

namespace {

const QByteArray header("\xFF\xFF\xFF\xFF", 4);
const QByteArray binaryInfoWord("TSource Engine Query", 20);
constexpr quint16 halfLifeAppId = 70;
constexpr qsizetype challengeSize = 4;
constexpr int maxSplitParts = 15;

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

void appendLittleEndian16(QByteArray &out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

char playerCount(const ServerDescription &server)
{
    return static_cast<char>(server.playerNames.size() & 0xFF);
}

bool isText(const QString &kind)
{
    return kind == QLatin1String("players") || kind == QLatin1String("info") || kind == QLatin1String("details")
        || kind == QLatin1String("rules");
}

// The challenge a binary request carries, or empty when it carries none.
QByteArray carriedChallenge(const QByteArray &request, qsizetype at)
{
    return request.size() >= at + challengeSize ? request.mid(at, challengeSize) : QByteArray();
}

} // namespace

QByteArray playersReply(const ServerDescription &server)
{
    QByteArray out = header;
    out.append('D');
    out.append(playerCount(server));
    // Real servers number their players from 1; some clients drop a whole list that starts at 0.
    quint32 index = 1;
    for (const QByteArray &name : server.playerNames) {
        out.append(static_cast<char>(index & 0xFF));
        appendString(out, name);
        appendLittleEndian(out, index * 3); // frags
        const float seconds = 60.0f * static_cast<float>(index);
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
    out.append(playerCount(server));
    out.append(static_cast<char>(server.maxPlayers));
    out.append(static_cast<char>(46)); // protocol version
    return out;
}

QByteArray detailsReply(const ServerDescription &server, const QByteArray &ownAddress)
{
    QByteArray out = infoReply(server, ownAddress);
    out[4] = 'm';
    out.back() = static_cast<char>(47); // protocol version
    out.append('d');                    // dedicated
    out.append('l');                    // Linux
    out.append('\0');                   // no password
    out.append('\0');                   // not a mod: no mod fields follow
    out.append('\1');                   // secure
    out.append('\0');                   // bots
    return out;
}

QByteArray rulesReply(const ServerDescription &server)
{
    QByteArray out = header;
    out.append('E');
    appendLittleEndian16(out, static_cast<quint16>(server.rules.size()));
    for (const auto &[name, value] : server.rules) {
        appendString(out, name);
        appendString(out, value);
    }
    return out;
}

QByteArray binaryInfoReply(const ServerDescription &server)
{
    QByteArray out = header;
    out.append('I');
    out.append(static_cast<char>(48)); // protocol
    appendString(out, server.name);
    appendString(out, server.mapName);
    appendString(out, server.gameDirectory);
    appendString(out, server.gameDescription);
    appendLittleEndian16(out, halfLifeAppId);
    out.append(playerCount(server));
    out.append(static_cast<char>(server.maxPlayers));
    out.append('\0'); // bots
    out.append('d');  // dedicated
    out.append('l');  // Linux
    out.append('\0'); // no password
    out.append('\1'); // secure
    appendString(out, "1.1.2.7");
    return out;
}

QByteArray challengeReply(const QByteArray &challenge)
{
    return header + 'A' + challenge.left(challengeSize);
}

QByteArray padded(QByteArray reply, qsizetype size)
{
    if (reply.size() > 4 && reply[4] == 'D') {
        for (quint32 index = 0; reply.size() < size; ++index) {
            reply.append(static_cast<char>(index & 0xFF));
            appendString(reply, "Padding player " + QByteArray::number(index));
            appendLittleEndian(reply, 0);
            appendLittleEndian(reply, 0);
        }
    }
    if (reply.size() < size)
        reply.append(QByteArray(size - reply.size(), '\0'));
    reply.truncate(size);
    return reply;
}

QString requestKind(const QByteArray &datagram)
{
    if (!datagram.startsWith(header))
        return {};
    if (datagram.mid(4, binaryInfoWord.size() + 1) == binaryInfoWord + '\0')
        return QStringLiteral("A2S_INFO");
    if (datagram.size() == 4 + 1 + challengeSize && datagram[4] == 'U')
        return QStringLiteral("A2S_PLAYER");
    const QByteArray word = datagram.mid(4).split('\0').value(0);
    const QString kind = QString::fromLatin1(word);
    return isText(kind) ? kind : QString();
}

QByteArray replyTo(const QByteArray &request, const ServerDescription &server, const QByteArray &ownAddress,
                   const Protocol &protocol)
{
    using Mode = Protocol::Mode;
    const QString kind = requestKind(request);
    const bool text = protocol.mode != Mode::Modern;
    const bool binary = protocol.mode != Mode::Legacy;
    if (kind == QLatin1String("players") && text)
        return playersReply(server);
    if (kind == QLatin1String("info") && text)
        return infoReply(server, ownAddress);
    if (kind == QLatin1String("rules") && text)
        return rulesReply(server);
    if (kind == QLatin1String("details") && (text || protocol.answersDetails))
        return detailsReply(server, ownAddress);
    if (kind == QLatin1String("A2S_INFO") && binary) {
        if (protocol.infoNeedsChallenge && carriedChallenge(request, 4 + binaryInfoWord.size() + 1) != protocol.challenge)
            return challengeReply(protocol.challenge);
        return protocol.infoAsDetails ? detailsReply(server, ownAddress) : binaryInfoReply(server);
    }
    if (kind == QLatin1String("A2S_PLAYER") && binary) {
        if (carriedChallenge(request, 5) != protocol.challenge)
            return challengeReply(protocol.challenge);
        return playersReply(server);
    }
    return {};
}

QList<QByteArray> splitReply(const QByteArray &reply, qsizetype partPayload, quint32 id)
{
    if (partPayload <= 0 || reply.size() <= partPayload)
        return {reply};
    const qsizetype wanted = (reply.size() + partPayload - 1) / partPayload;
    const int count = static_cast<int>(qMin<qsizetype>(wanted, maxSplitParts));
    // With more than fifteen parts' worth the last part takes the rest.
    QList<QByteArray> parts;
    for (int n = 0; n < count; ++n) {
        QByteArray part("\xFE\xFF\xFF\xFF", 4);
        appendLittleEndian(part, id);
        part.append(static_cast<char>((n << 4) | count));
        const qsizetype from = n * partPayload;
        part.append(n + 1 == count ? reply.mid(from) : reply.mid(from, partPayload));
        parts.append(part);
    }
    return parts;
}

} // namespace HlReplies
