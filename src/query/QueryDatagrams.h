#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

class GameServer;

// The Half-Life query wire format: the two requests we send and the two replies we read.
// Pure functions over bytes; nothing here touches a socket.
namespace QueryDatagrams {

inline const QString playersRequest = QStringLiteral("players");
inline const QString infoRequest = QStringLiteral("info");

/// The request datagram of a kind ("players": 13 bytes, "info": 10 bytes); empty for any other kind.
QByteArray buildRequest(const QString &packetType);

/// What a 'D' reply carries.
struct PlayersReply
{
    qint16 activePlayers = 0;
    QStringList playerNames;
};

/// What a complete 'C' reply carries.
struct InfoReply
{
    QString name;
    QString mapName;
    qint16 maxPlayers = 0;
};

/// Nothing to store (too short, an unknown type, or an info reply cut before its maximum-players byte).
using Reply = std::variant<std::monostate, PlayersReply, InfoReply>;

/// Walks one datagram. Never reads past its end and always ends, whatever the bytes are.
/// A players reply cut inside a name keeps the names completed before the cut.
Reply parseReply(QByteArrayView datagram);

/// Stores a parsed reply into one record: a players reply replaces the player list and count,
/// an info reply the name, map and capacity. Nothing else is touched.
void applyReply(GameServer &server, const Reply &reply);

/// The whole reply handler: parses the datagram and folds it into the first listed server whose
/// address and port equal the sender's. Returns the number of the server that changed, or 0.
qint16 handleReply(QByteArrayView datagram, const QString &senderAddress, qint32 senderPort);

} // namespace QueryDatagrams
