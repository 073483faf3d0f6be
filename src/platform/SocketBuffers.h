#pragma once

#include <QtGlobal>

class QAbstractSocket;

// Socket buffer sizes beyond what an ordinary request gets where the system allows it.
namespace SocketBuffers {

/// Asks for a receive buffer of `bytes` on a bound socket. On Linux a process allowed to
/// (CAP_NET_ADMIN) is not held to net.core.rmem_max; everyone else gets what the ordinary
/// request grants. Returns the size the system reports afterwards (0 for an unbound socket).
qint64 growReceiveBuffer(QAbstractSocket &socket, int bytes);

} // namespace SocketBuffers
