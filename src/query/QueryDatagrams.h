#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

class GameServer;

// The Half-Life query wire format: the text requests every server gets, the binary
// (challenge-based) requests that current servers answer instead, and the replies to both.
// Pure functions over bytes; nothing here touches a socket.
namespace QueryDatagrams {

inline const QString playersRequest = QStringLiteral("players");
inline const QString infoRequest = QStringLiteral("info");

/// The request datagram of a kind ("players": 13 bytes, "info": 10 bytes); empty for any other kind.
QByteArray buildRequest(const QString &packetType);

/// A challenge as servers hand it out: four bytes, echoed back as they came.
using Challenge = QByteArray;
/// What a binary player request carries before any challenge is known.
inline const Challenge noChallenge("\xFF\xFF\xFF\xFF", 4);

/// The binary info request, 25 bytes; with a 4-byte challenge appended, 29.
QByteArray a2sInfoRequest(const Challenge &challenge = {});
/// The binary player request, 9 bytes: the header, 'U' and the challenge (noChallenge when none).
QByteArray a2sPlayerRequest(const Challenge &challenge);

/// True for one part of a reply split over several datagrams (header FE FF FF FF). Such a part is
/// never a reply of its own; parseReply gives nothing for it.
bool isSplitPart(QByteArrayView datagram);

/// What a 'D' reply carries.
struct PlayersReply
{
    qint16 activePlayers = 0;
    QStringList playerNames;
};

/// What a complete info reply carries: a text-query 'C', or one of the binary replies 'I' and 'm'.
struct InfoReply
{
    QString name;
    QString mapName;
    qint16 maxPlayers = 0;
    /// The type byte it came with: only a 'C' proves that the server answers the text queries.
    char type = 'C';
    /// The name's bytes as the server sent them, which the settings file keeps as they are.
    QByteArray nameBytes;
};

/// An 'A' reply: the server wants this challenge echoed before it answers.
struct ChallengeReply
{
    Challenge challenge;
};

/// Nothing to store (too short, an unknown type, a split part, or an info reply cut before its
/// maximum-players byte).
using Reply = std::variant<std::monostate, PlayersReply, InfoReply, ChallengeReply>;

/// Walks one datagram. Never reads past its end and always ends, whatever the bytes are.
/// A players reply cut inside a name keeps the names completed before the cut.
Reply parseReply(QByteArrayView datagram);

/// Stores a parsed reply into one record: a players reply replaces the player list and count,
/// an info reply the name, map and capacity. Nothing else is touched (a challenge changes no record).
void applyReply(GameServer &server, const Reply &reply);

/// The whole reply handler: parses the datagram and folds it into the first listed server whose
/// address and port equal the sender's. Returns the number of the server that changed, or 0.
qint16 handleReply(QByteArrayView datagram, const QString &senderAddress, qint32 senderPort);

} // namespace QueryDatagrams
