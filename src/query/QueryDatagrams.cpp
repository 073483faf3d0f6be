#include "query/QueryDatagrams.h"

#include "model/GameServer.h"
#include "model/mdlZibProcessing.h"
#include "platform/text/TextCodec.h"

namespace QueryDatagrams {

namespace {

constexpr qsizetype typeOffset = 4;
constexpr qsizetype countOffset = 5;
constexpr qsizetype firstPlayerOffset = 6;
// Bytes after a player's name: frag count and connection time, both skipped unread.
constexpr qsizetype playerTailSize = 8;
constexpr char playersType = 'D';
constexpr char infoType = 'C';
constexpr char binaryInfoType = 'I';
constexpr char detailsType = 'm';
constexpr char challengeType = 'A';
constexpr qsizetype challengeSize = 4;
// The binary info reply: a protocol byte before the name, a 16-bit app id before the player bytes.
constexpr qsizetype binaryInfoNameOffset = 6;
constexpr qsizetype appIdSize = 2;
const QByteArray header("\xFF\xFF\xFF\xFF", 4);
const QByteArray splitHeader("\xFE\xFF\xFF\xFF", 4);

// One zero-terminated string starting at p: its text and the offset just past its terminator,
// or nothing when the datagram ends before a terminator. The text is decoded from the field's
// own bytes alone, so a broken sequence in it can neither reach into the next field nor cost
// the rest of the name.
struct Field
{
    QString text;
    qsizetype next = 0;
    QByteArrayView raw;
};

std::optional<qsizetype> terminatorFrom(QByteArrayView bytes, qsizetype p)
{
    if (p >= bytes.size())
        return std::nullopt;
    const qsizetype zero = bytes.indexOf('\0', p);
    if (zero < 0)
        return std::nullopt;
    return zero;
}

std::optional<Field> stringAt(QByteArrayView bytes, qsizetype p)
{
    const auto zero = terminatorFrom(bytes, p);
    if (!zero)
        return std::nullopt;
    const QByteArrayView raw = bytes.sliced(p, *zero - p);
    return Field{TextCodec::decode(raw), *zero + 1, raw};
}

PlayersReply parsePlayers(QByteArrayView bytes)
{
    PlayersReply reply;
    reply.activePlayers = static_cast<quint8>(bytes[countOffset]);
    const qsizetype last = bytes.size() - 1;
    qsizetype p = firstPlayerOffset;
    while (p <= last) {
        // A record whose name has no terminator inside the datagram was cut: it and whatever
        // follows are not names.
        const auto name = stringAt(bytes, p + 1);
        if (!name)
            break;
        reply.playerNames.append(name->text);
        p = name->next + playerTailSize;
    }
    return reply;
}

// The 'C' walk; the older detailed reply 'm' starts with the same fields and goes through it too.
std::optional<InfoReply> parseInfo(QByteArrayView bytes)
{
    // Past the first zero byte of the datagram: the header, the type and the server's own address.
    const auto ownAddressEnd = terminatorFrom(bytes, 0);
    if (!ownAddressEnd)
        return std::nullopt;
    const auto name = stringAt(bytes, *ownAddressEnd + 1);
    if (!name)
        return std::nullopt;
    const auto map = stringAt(bytes, name->next);
    if (!map)
        return std::nullopt;
    const auto gameDirectory = terminatorFrom(bytes, map->next);
    if (!gameDirectory)
        return std::nullopt;
    const auto description = terminatorFrom(bytes, *gameDirectory + 1);
    if (!description)
        return std::nullopt;
    // Past the current number of players.
    const qsizetype maxPlayersOffset = *description + 2;
    if (maxPlayersOffset >= bytes.size())
        return std::nullopt;
    const auto maxPlayers = static_cast<qint16>(static_cast<quint8>(bytes[maxPlayersOffset]) - 1);
    return InfoReply{name->text, map->text, maxPlayers, bytes[typeOffset], name->raw.toByteArray()};
}

// All or nothing, as with 'C': a reply cut before its maximum-players byte stores nothing.
std::optional<InfoReply> parseBinaryInfo(QByteArrayView bytes)
{
    const auto name = stringAt(bytes, binaryInfoNameOffset);
    if (!name)
        return std::nullopt;
    const auto map = stringAt(bytes, name->next);
    if (!map)
        return std::nullopt;
    const auto folder = terminatorFrom(bytes, map->next);
    if (!folder)
        return std::nullopt;
    const auto game = terminatorFrom(bytes, *folder + 1);
    if (!game)
        return std::nullopt;
    // Past the app id and the current number of players.
    const qsizetype maxPlayersOffset = *game + 1 + appIdSize + 1;
    if (maxPlayersOffset >= bytes.size())
        return std::nullopt;
    // Here the byte is the real capacity: nothing is taken off it.
    const auto maxPlayers = static_cast<qint16>(static_cast<quint8>(bytes[maxPlayersOffset]));
    return InfoReply{name->text, map->text, maxPlayers, binaryInfoType, name->raw.toByteArray()};
}

std::optional<ChallengeReply> parseChallenge(QByteArrayView bytes)
{
    if (bytes.size() < typeOffset + 1 + challengeSize)
        return std::nullopt;
    return ChallengeReply{bytes.sliced(typeOffset + 1, challengeSize).toByteArray()};
}

} // namespace

QByteArray buildRequest(const QString &packetType)
{
    qsizetype length = 0;
    if (packetType == playersRequest)
        length = 13;
    else if (packetType == infoRequest)
        length = 10;
    else
        return {};
    // Zero-filled: the word's terminator and the extra zero byte after it come from here.
    QByteArray bytes(length, '\0');
    const QByteArray word = packetType.toLatin1();
    for (qsizetype i = 0; i < word.size(); ++i)
        bytes[typeOffset + i] = word[i];
    for (qsizetype i = 0; i < typeOffset; ++i)
        bytes[i] = '\xFF';
    return bytes;
}

QByteArray a2sInfoRequest(const Challenge &challenge)
{
    QByteArray bytes = header;
    bytes.append('T');
    bytes.append("Source Engine Query");
    bytes.append('\0');
    if (challenge.size() == challengeSize)
        bytes.append(challenge);
    return bytes;
}

QByteArray a2sPlayerRequest(const Challenge &challenge)
{
    QByteArray bytes = header;
    bytes.append('U');
    bytes.append(challenge.size() == challengeSize ? challenge : noChallenge);
    return bytes;
}

bool isSplitPart(QByteArrayView datagram)
{
    return datagram.startsWith(splitHeader);
}

Reply parseReply(QByteArrayView datagram)
{
    // Six bytes or fewer is what a server with nobody on it sends: nothing to read.
    if (datagram.size() <= firstPlayerOffset)
        return {};
    // Byte 4 of a split part is a byte of its packet id, whatever letter it happens to be.
    if (isSplitPart(datagram))
        return {};
    switch (datagram[typeOffset]) {
    case playersType:
        return parsePlayers(datagram);
    case infoType:
    case detailsType:
        if (auto info = parseInfo(datagram))
            return std::move(*info);
        return {};
    case binaryInfoType:
        if (auto info = parseBinaryInfo(datagram))
            return std::move(*info);
        return {};
    case challengeType:
        if (auto challenge = parseChallenge(datagram))
            return std::move(*challenge);
        return {};
    default:
        return {};
    }
}

void applyReply(GameServer &server, const Reply &reply)
{
    if (const auto *players = std::get_if<PlayersReply>(&reply)) {
        server.setPlayerNames(players->playerNames);
        server.setActivePlayers(players->activePlayers);
    } else if (const auto *info = std::get_if<InfoReply>(&reply)) {
        server.setLearnedName(info->name, info->nameBytes);
        server.setMapName(info->mapName);
        server.setMaxPlayers(info->maxPlayers);
    }
}

qint16 handleReply(QByteArrayView datagram, const QString &senderAddress, qint32 senderPort)
{
    const Reply reply = parseReply(datagram);
    if (std::holds_alternative<std::monostate>(reply) || std::holds_alternative<ChallengeReply>(reply))
        return 0;
    const qint16 number = mdlZibProcessing::findServerNumber(senderAddress, senderPort);
    const auto server = mdlZibProcessing::serverAt(number);
    if (!server)
        return 0;
    applyReply(*server, reply);
    return number;
}

} // namespace QueryDatagrams
