#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The replies a Half-Life server gives to the "players" and "info" queries, built from a
// description of the server. Names are raw bytes so any byte a server might send can be sent.
namespace HlReplies {

struct ServerDescription
{
    QByteArray name = "Simulated Server";
    QByteArray mapName = "crossfire";
    QByteArray gameDirectory = "valve";
    QByteArray gameDescription = "Half-Life";
    quint8 maxPlayers = 16;
    QList<QByteArray> playerNames;
};

/// 'D' reply: header, type, player count, then per player index, name, frags and time.
QByteArray playersReply(const ServerDescription &server);
/// 'C' reply: header, type, own address, name, map, directory, description, players, max, protocol.
QByteArray infoReply(const ServerDescription &server, const QByteArray &ownAddress);

/// Which request a datagram is: "players", "info", or empty for anything else.
QString requestKind(const QByteArray &datagram);

/// The reply to a request of this kind, or empty when the kind gets none. The one place a new
/// kind of request is taught to the simulator.
QByteArray replyTo(const QString &kind, const ServerDescription &server, const QByteArray &ownAddress);

} // namespace HlReplies
