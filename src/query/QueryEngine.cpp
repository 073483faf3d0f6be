#include "query/QueryEngine.h"

#include "model/mdlZibProcessing.h"
#include "query/QueryDatagrams.h"

#include <QHostAddress>
#include <QNetworkDatagram>

QueryEngine::QueryEngine(quint16 localPort, QObject *parent)
    : QObject(parent)
    , m_localPort(localPort)
{
    // Until a check speed is set the query tick stays silent: a zero-interval QTimer would fire
    // on every pass of the event loop instead.
    m_tmrQuery.setInterval(0);
    m_chkTimer.setInterval(matchingInterval);
    m_chkTimer.start();
    connect(&m_tmrQuery, &QTimer::timeout, this, &QueryEngine::onQueryTick);
    connect(&m_chkTimer, &QTimer::timeout, this, &QueryEngine::onMatchingTick);
    connect(&m_networkIO, &QUdpSocket::readyRead, this, &QueryEngine::onReadyRead);
}

QueryEngine::~QueryEngine() = default;

quint16 QueryEngine::localPort() const
{
    return m_networkIO.state() == QAbstractSocket::BoundState ? m_networkIO.localPort() : m_localPort;
}

void QueryEngine::enableChecking()
{
    mdlZibProcessing::checkingEnabled = true;
    emit checkingChanged(true);
}

void QueryEngine::disableChecking()
{
    mdlZibProcessing::checkingEnabled = false;
    emit checkingChanged(false);
}

void QueryEngine::queryAllServers()
{
    // A copy of the list: a reload while we send must not pull records out from under the loop.
    const mdlZibProcessing::ServerList servers = mdlZibProcessing::gameServers;
    for (const auto &server : servers) {
        sendHalflifeQuery(server->address(), server->port(), QueryDatagrams::playersRequest);
        sendHalflifeQuery(server->address(), server->port(), QueryDatagrams::infoRequest);
    }
}

void QueryEngine::sendHalflifeQuery(const QString &address, qint32 portNumber, const QString &packetType)
{
    const QByteArray request = QueryDatagrams::buildRequest(packetType);
    // Leave from our own port. When it cannot be had the send still goes out, from whatever
    // port the system gives, and the replies come back to that port of this same socket.
    if (m_networkIO.state() == QAbstractSocket::UnconnectedState)
        bindSocket();
    const QHostAddress destination(address);
    if (request.isEmpty() || destination.isNull() || portNumber < 0 || portNumber > 0xFFFF)
        return;
    m_networkIO.writeDatagram(request, destination, static_cast<quint16>(portNumber));
}

void QueryEngine::closeSocket()
{
    m_networkIO.close();
}

QString QueryEngine::bindSocket()
{
    // No address sharing: on Windows this is an exclusive bind, and elsewhere no SO_REUSEADDR,
    // so a port another program holds is reported instead of silently shared with it.
    if (!m_networkIO.bind(QHostAddress::AnyIPv4, m_localPort, QAbstractSocket::DontShareAddress)) {
        return tr("Zib cannot listen on UDP port %1: %2. Checking stays off until the port is free.")
            .arg(m_localPort)
            .arg(m_networkIO.errorString());
    }
    growReceiveBuffer();
    return {};
}

void QueryEngine::growReceiveBuffer()
{
    // The system may grant less (Linux caps it at net.core.rmem_max); what it grants is kept.
    m_networkIO.setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, receiveBufferRequest);
}

qint64 QueryEngine::receiveBufferSize()
{
    if (m_networkIO.state() != QAbstractSocket::BoundState)
        return 0;
    return m_networkIO.socketOption(QAbstractSocket::ReceiveBufferSizeSocketOption).toLongLong();
}

void QueryEngine::setQueryInterval(std::chrono::milliseconds interval)
{
    m_tmrQuery.stop();
    m_tmrQuery.setInterval(interval > std::chrono::milliseconds::zero() ? interval : std::chrono::milliseconds::zero());
    if (interval > std::chrono::milliseconds::zero())
        m_tmrQuery.start();
}

std::chrono::milliseconds QueryEngine::queryInterval(qint16 checkSpeed)
{
    return checkSpeed > 0 ? std::chrono::seconds(checkSpeed) : std::chrono::milliseconds::zero();
}

void QueryEngine::onQueryTick()
{
    if (mdlZibProcessing::checkingEnabled)
        queryAllServers();
}

void QueryEngine::onMatchingTick()
{
    if (mdlZibProcessing::checkingEnabled)
        emit matchingTick();
}

void QueryEngine::onReadyRead()
{
    while (m_networkIO.hasPendingDatagrams()) {
        const QNetworkDatagram datagram = m_networkIO.receiveDatagram();
        // A failed read yields no sender; stop rather than spin on it.
        if (!datagram.isValid())
            break;
        QHostAddress sender = datagram.senderAddress();
        bool isIPv4 = false;
        const quint32 ipv4 = sender.toIPv4Address(&isIPv4);
        if (isIPv4)
            sender = QHostAddress(ipv4);
        handleDatagram(datagram.data(), sender.toString(), datagram.senderPort());
    }
}

void QueryEngine::handleDatagram(const QByteArray &datagram, const QString &senderAddress, qint32 senderPort)
{
    if (const qint16 number = QueryDatagrams::handleReply(datagram, senderAddress, senderPort))
        emit replyFolded(number);
}
