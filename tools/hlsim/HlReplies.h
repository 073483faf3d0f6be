#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <utility>

// The replies a Half-Life server gives to the text queries ("players", "info", "details",
// "rules") and to the binary ones (A2S_INFO, A2S_PLAYER with its challenge), built from a
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
    QList<std::pair<QByteArray, QByteArray>> rules{{"mp_timelimit", "30"}, {"sv_gravity", "800"}};
};

/// Which queries a server answers and how.
struct Protocol
{
    enum class Mode
    {
        Legacy, ///< the text queries only, as servers did before the binary ones
        Modern, ///< the binary queries only, as current servers do
        Both,
    };
    Mode mode = Mode::Legacy;
    /// A2S_INFO is answered only when it carries the current challenge (otherwise with 'A').
    bool infoNeedsChallenge = false;
    /// In modern mode, "details" is still answered (with 'm').
    bool answersDetails = false;
    /// A2S_INFO is answered with the older 'm' reply instead of 'I'.
    bool infoAsDetails = false;
    /// What the server hands out and wants back on A2S_PLAYER.
    QByteArray challenge = QByteArray("\x5A\x1B\x9C\x3D", 4);
};

/// 'D' reply: header, type, player count, then per player index (from 1), name, frags and time.
QByteArray playersReply(const ServerDescription &server);
/// 'C' reply: header, type, own address, name, map, directory, description, players, max, protocol.
QByteArray infoReply(const ServerDescription &server, const QByteArray &ownAddress);
/// 'm' reply, the answer to "details": the 'C' fields, then server type, system, password, mod,
/// secure and bots.
QByteArray detailsReply(const ServerDescription &server, const QByteArray &ownAddress);
/// 'E' reply, the answer to "rules": a 16-bit count, then name and value strings.
QByteArray rulesReply(const ServerDescription &server);
/// 'I' reply, the answer to A2S_INFO: protocol, name, map, folder, game, app id, players, max, ...
QByteArray binaryInfoReply(const ServerDescription &server);
/// 'A' reply: the challenge a binary request has to carry.
QByteArray challengeReply(const QByteArray &challenge);

/// A reply grown to `size` bytes: a players reply gets more player records (the last one cut
/// to fit), anything else trailing zero bytes.
QByteArray padded(QByteArray reply, qsizetype size);

/// Which request a datagram is: "players", "info", "details", "rules", "A2S_INFO", "A2S_PLAYER",
/// or empty for anything else.
QString requestKind(const QByteArray &datagram);

/// The reply to a request, or empty when it gets none. The one place a new kind of request is
/// taught to the simulator.
QByteArray replyTo(const QByteArray &request, const ServerDescription &server, const QByteArray &ownAddress,
                   const Protocol &protocol = {});

/// One reply cut into split parts (header FE FF FF FF, the id, then part number and count in one
/// byte) of at most partPayload bytes of reply each; a reply that fits goes out whole.
QList<QByteArray> splitReply(const QByteArray &reply, qsizetype partPayload, quint32 id);

} // namespace HlReplies
