#include "SimulatedServer.h"

#include <QNetworkDatagram>
#include <QRandomGenerator>
#include <QTimer>

SimulatedServer::SimulatedServer(HlReplies::ServerDescription description, Misbehaviour misbehaviour, QObject *parent)
    : QObject(parent)
    , m_description(std::move(description))
    , m_misbehaviour(misbehaviour)
{
    connect(&m_socket, &QUdpSocket::readyRead, this, &SimulatedServer::onReadyRead);
}

SimulatedServer::~SimulatedServer() = default;

QString SimulatedServer::listen(const QHostAddress &address, quint16 port)
{
    if (!m_socket.bind(address, port, QAbstractSocket::DontShareAddress))
        return m_socket.errorString();
    if (m_misbehaviour.fromOtherPort || !m_misbehaviour.fromAddress.isNull()) {
        m_otherSocket = std::make_unique<QUdpSocket>();
        const QHostAddress from = m_misbehaviour.fromAddress.isNull() ? address : m_misbehaviour.fromAddress;
        if (!m_otherSocket->bind(from, 0))
            return m_otherSocket->errorString();
    }
    if (m_misbehaviour.flood > 0) {
        m_floodSocket = std::make_unique<QUdpSocket>();
        if (!m_floodSocket->bind(address, 0))
            return m_floodSocket->errorString();
    }
    return {};
}

quint16 SimulatedServer::replyPort() const
{
    return m_otherSocket ? m_otherSocket->localPort() : port();
}

void SimulatedServer::onReadyRead()
{
    while (m_socket.hasPendingDatagrams()) {
        const QNetworkDatagram request = m_socket.receiveDatagram();
        if (!request.isValid())
            break;
        const QString kind = HlReplies::requestKind(request.data());
        m_requestsSeen.append(kind);
        m_requestBytesSeen.append(request.data());
        emit requestReceived(kind);
        if (m_floodSocket && !m_floodTimer)
            startFlood(request.senderAddress(), static_cast<quint16>(request.senderPort()));
        if (m_misbehaviour.silent)
            continue;
        const QByteArray own = m_socket.localAddress().toString().toLatin1() + ':' + QByteArray::number(port());
        const QByteArray reply = HlReplies::replyTo(request.data(), m_description, own, m_protocol);
        if (reply.isEmpty())
            continue;
        for (const QByteArray &datagram : misbehave(reply))
            send(datagram, request.senderAddress(), static_cast<quint16>(request.senderPort()));
    }
}

QList<QByteArray> SimulatedServer::misbehave(QByteArray reply)
{
    if (m_misbehaviour.garble) {
        QRandomGenerator noise(m_misbehaviour.seed);
        for (qsizetype i = 5; i < reply.size(); ++i)
            reply[i] = static_cast<char>(noise.bounded(256));
    }
    if (m_misbehaviour.padTo > reply.size())
        reply = HlReplies::padded(reply, m_misbehaviour.padTo);
    if (m_misbehaviour.truncateTo >= 0)
        reply.truncate(m_misbehaviour.truncateTo);
    QList<QByteArray> parts = HlReplies::splitReply(reply, m_misbehaviour.splitPayload, m_nextSplitId);
    if (parts.size() > 1) {
        ++m_nextSplitId;
        if (m_misbehaviour.loseSplitPart >= 0 && m_misbehaviour.loseSplitPart < parts.size())
            parts.removeAt(m_misbehaviour.loseSplitPart);
    }
    return parts;
}

void SimulatedServer::startFlood(const QHostAddress &to, quint16 port)
{
    // In small batches from a timer, so the flood keeps a steady rate over its whole span
    // whatever else this process has to do.
    constexpr std::chrono::milliseconds tick{5};
    const int ticks = std::max<int>(1, int(m_misbehaviour.floodSpan / tick));
    const int perTick = (m_misbehaviour.flood + ticks - 1) / ticks;
    const QByteArray reply = HlReplies::playersReply(m_description);
    m_floodTimer = new QTimer(this);
    m_floodTimer->setTimerType(Qt::PreciseTimer);
    m_floodTimer->setInterval(tick);
    connect(m_floodTimer, &QTimer::timeout, this, [this, to, port, reply, perTick] {
        for (int i = 0; i < perTick && m_floodSent < m_misbehaviour.flood; ++i, ++m_floodSent)
            m_floodSocket->writeDatagram(reply, to, port);
        if (m_floodSent >= m_misbehaviour.flood) {
            m_floodTimer->stop();
            emit floodFinished(m_floodSent, m_floodClock.elapsed());
        }
    });
    m_floodClock.start();
    m_floodTimer->start();
}

void SimulatedServer::send(const QByteArray &reply, const QHostAddress &to, quint16 port)
{
    QUdpSocket &from = m_otherSocket ? *m_otherSocket : m_socket;
    if (m_misbehaviour.delay.count() <= 0) {
        from.writeDatagram(reply, to, port);
        return;
    }
    QTimer::singleShot(m_misbehaviour.delay, &from, [&from, reply, to, port] { from.writeDatagram(reply, to, port); });
}
