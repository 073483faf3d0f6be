#include "platform/SocketBuffers.h"

#include <QAbstractSocket>
#include <QVariant>

namespace SocketBuffers {

qint64 growReceiveBuffer(QAbstractSocket &socket, int bytes)
{
    if (socket.socketDescriptor() < 0)
        return 0;
    // Windows grants an ordinary process what it asks for; its default for UDP is small.
    socket.setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, bytes);
    return socket.socketOption(QAbstractSocket::ReceiveBufferSizeSocketOption).toLongLong();
}

} // namespace SocketBuffers
