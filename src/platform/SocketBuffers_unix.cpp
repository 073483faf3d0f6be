#include "platform/SocketBuffers.h"

#include <QAbstractSocket>
#include <QVariant>

#include <sys/socket.h>

namespace SocketBuffers {

namespace {

bool forceReceiveBuffer([[maybe_unused]] qintptr descriptor, [[maybe_unused]] int bytes)
{
#if defined(Q_OS_LINUX) && defined(SO_RCVBUFFORCE)
    // The plain request is silently cut to net.core.rmem_max (about 208 KiB on a stock desktop),
    // which holds only part of a tick's replies from a thousand servers.
    return ::setsockopt(static_cast<int>(descriptor), SOL_SOCKET, SO_RCVBUFFORCE, &bytes, sizeof bytes) == 0;
#else
    return false;
#endif
}

} // namespace

qint64 growReceiveBuffer(QAbstractSocket &socket, int bytes)
{
    if (socket.socketDescriptor() < 0)
        return 0;
    if (!forceReceiveBuffer(socket.socketDescriptor(), bytes))
        socket.setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, bytes);
    return socket.socketOption(QAbstractSocket::ReceiveBufferSizeSocketOption).toLongLong();
}

} // namespace SocketBuffers
