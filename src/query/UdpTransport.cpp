#include "query/UdpTransport.h"

#include "platform/SocketBuffers.h"

#include <QHash>
#include <QMutexLocker>
#include <QPair>
#include <QTimer>
#include <QUdpSocket>
#include <QVariant>

#include <algorithm>
#include <cmath>

// Lives on the transport's thread: the socket, the pacing timer, and what only that thread touches.
class UdpTransport::Worker final : public QObject
{
public:
    explicit Worker(UdpTransport &owner)
        : m_owner(owner)
        , m_socket(new QUdpSocket(this))
        , m_pacer(new QTimer(this))
    {
        m_pacer->setTimerType(Qt::PreciseTimer);
        m_pacer->setInterval(std::chrono::milliseconds(1));
        connect(m_pacer, &QTimer::timeout, this, &Worker::pump);
        connect(m_socket, &QUdpSocket::readyRead, this, &Worker::readSome);
    }

    QString bind(quint16 port)
    {
        // No address sharing: on Windows this is an exclusive bind, and elsewhere no SO_REUSEADDR,
        // so a port another program holds is reported instead of silently shared with it.
        if (!m_socket->bind(QHostAddress::AnyIPv4, port, QAbstractSocket::DontShareAddress))
            return m_socket->errorString();
        // The system may grant less; what it grants is kept.
        SocketBuffers::growReceiveBuffer(*m_socket, receiveBufferRequest);
        noteBinding();
        return {};
    }

    void close()
    {
        m_pacer->stop();
        m_socket->close();
        m_lastSent.clear();
        noteBinding();
    }

    qint64 receiveBufferSize() const
    {
        if (m_socket->state() != QAbstractSocket::BoundState)
            return 0;
        return m_socket->socketOption(QAbstractSocket::ReceiveBufferSizeSocketOption).toLongLong();
    }

    void setReceiveBufferSize(int bytes)
    {
        m_socket->setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, bytes);
        pace();
    }

    // Sends what the rate allows since the last turn, and comes back in a millisecond for more.
    void pump()
    {
        const auto now = Clock::now();
        m_tokens = std::min(double(m_burst),
                            m_tokens + std::chrono::duration<double>(now - m_lastRefill).count() * m_rate);
        m_lastRefill = now;
        std::vector<Request> batch;
        bool emptied = false;
        {
            QMutexLocker lock(&m_owner.m_mutex);
            const auto take = std::min(static_cast<std::size_t>(m_tokens), m_owner.m_outgoing.size());
            batch.reserve(take);
            for (std::size_t i = 0; i < take; ++i) {
                batch.push_back(std::move(m_owner.m_outgoing.front()));
                m_owner.m_outgoing.pop_front();
            }
            m_owner.m_queued = m_owner.m_outgoing.size();
            emptied = m_owner.m_outgoing.empty();
        }
        m_tokens -= double(batch.size());
        for (const Request &request : batch) {
            // A datagram the system refused never left, and no answer to it can come.
            if (m_socket->writeDatagram(request.bytes, request.to, request.port) == request.bytes.size()) {
                m_lastSent.insert(Endpoint(request.to, request.port), now);
                ++m_owner.m_sent;
            }
        }
        // A send on an unbound socket binds it to whatever port the system gives.
        if (!m_owner.m_bound.load() && m_socket->state() == QAbstractSocket::BoundState)
            noteBinding();
        if (!emptied) {
            if (!m_pacer->isActive())
                m_pacer->start();
            return;
        }
        m_pacer->stop();
        if (!batch.empty())
            emit m_owner.queueEmptied();
        // Senders that never answered are forgotten a while after the list stops asking them.
        const auto forgetBefore = now - std::chrono::minutes(2);
        m_lastSent.removeIf([forgetBefore](const auto &entry) { return entry.value() < forgetBefore; });
    }

private:
    using Endpoint = QPair<QHostAddress, quint16>;
    /// Read in one go before the pacer gets its turn back.
    static constexpr int readChunk = 512;

    void noteBinding()
    {
        const bool bound = m_socket->state() == QAbstractSocket::BoundState;
        m_owner.m_bound = bound;
        m_owner.m_localPort = bound ? m_socket->localPort() : quint16(0);
        pace();
    }

    void pace()
    {
        const qint64 buffer = receiveBufferSize();
        m_owner.m_rate = m_rate = sendRateFor(buffer);
        m_owner.m_burst = m_burst = burstFor(buffer);
        m_tokens = m_burst;
        m_lastRefill = Clock::now();
    }

    void readSome()
    {
        if (m_socket->state() != QAbstractSocket::BoundState)
            return;
        std::vector<Arrival> got;
        bool drained = false;
        // Read until a read finds nothing: the socket notices new datagrams again only after a
        // read, so a notice answered without one (its datagrams taken by an earlier read) would
        // leave it deaf for good.
        while (int(got.size()) < readChunk) {
            QHostAddress sender;
            quint16 port = 0;
            const qint64 size = m_socket->readDatagram(m_buffer.data(), qint64(m_buffer.size()), &sender, &port);
            if (size < 0) {
                drained = true;
                break;
            }
            const auto at = Clock::now();
            bool isIPv4 = false;
            const quint32 ipv4 = sender.toIPv4Address(&isIPv4);
            if (isIPv4)
                sender = QHostAddress(ipv4);
            Arrival arrival{QByteArray(m_buffer.data(), size), sender, port, std::nullopt};
            if (const auto sent = m_lastSent.constFind(Endpoint(sender, port)); sent != m_lastSent.cend())
                arrival.roundTrip = at - sent.value();
            got.push_back(std::move(arrival));
        }
        deliver(got);
        if (drained || m_readQueued)
            return;
        // The rest after the pacer's turn: a flood must not hold requests back.
        m_readQueued = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                m_readQueued = false;
                readSome();
            },
            Qt::QueuedConnection);
    }

    void deliver(std::vector<Arrival> &got)
    {
        if (got.empty())
            return;
        bool signal = false;
        {
            QMutexLocker lock(&m_owner.m_mutex);
            for (Arrival &arrival : got) {
                if (m_owner.m_arrivalBytes + arrival.data.size() > arrivalLimit) {
                    ++m_owner.m_arrivalsDropped;
                    continue;
                }
                m_owner.m_arrivalBytes += arrival.data.size();
                m_owner.m_arrivals.push_back(std::move(arrival));
            }
            if (!m_owner.m_arrivalSignalled && !m_owner.m_arrivals.empty())
                signal = m_owner.m_arrivalSignalled = true;
        }
        if (signal)
            emit m_owner.arrived();
    }

    UdpTransport &m_owner;
    QUdpSocket *m_socket;
    QTimer *m_pacer;
    std::vector<char> m_buffer = std::vector<char>(65536);
    QHash<Endpoint, Clock::time_point> m_lastSent;
    int m_rate = slowestRate;
    int m_burst = smallestBurst;
    double m_tokens = smallestBurst;
    Clock::time_point m_lastRefill = Clock::now();
    bool m_readQueued = false;
};

int UdpTransport::sendRateFor(qint64 receiveBuffer)
{
    const qint64 perSecond = repliesHeldBy(receiveBuffer) * 1000 / longestStall.count();
    return static_cast<int>(std::clamp<qint64>(perSecond, slowestRate, fastestRate));
}

int UdpTransport::burstFor(qint64 receiveBuffer)
{
    return static_cast<int>(std::clamp<qint64>(repliesHeldBy(receiveBuffer) / 2, smallestBurst, largestBurst));
}

UdpTransport::UdpTransport(QObject *parent)
    : QObject(parent)
    , m_worker(new Worker(*this))
{
    m_thread.setObjectName(QStringLiteral("Zib query socket"));
    m_worker->moveToThread(&m_thread);
    // The worker goes with its thread: deferred deletes run as the thread ends.
    connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    // Where the system lets a program say so (Windows), the reader comes first when it wakes.
    m_thread.start(QThread::TimeCriticalPriority);
}

UdpTransport::~UdpTransport()
{
    close();
    m_thread.quit();
    m_thread.wait();
}

QString UdpTransport::bind(quint16 port)
{
    QString error;
    QMetaObject::invokeMethod(m_worker, [&] { error = m_worker->bind(port); }, Qt::BlockingQueuedConnection);
    return error;
}

void UdpTransport::close()
{
    dropQueue();
    QMetaObject::invokeMethod(m_worker, [this] { m_worker->close(); }, Qt::BlockingQueuedConnection);
    QMutexLocker lock(&m_mutex);
    m_arrivals.clear();
    m_arrivalBytes = 0;
    m_arrivalSignalled = false;
}

qint64 UdpTransport::receiveBufferSize()
{
    qint64 size = 0;
    QMetaObject::invokeMethod(m_worker, [&] { size = m_worker->receiveBufferSize(); }, Qt::BlockingQueuedConnection);
    return size;
}

void UdpTransport::setReceiveBufferSize(int bytes)
{
    QMetaObject::invokeMethod(m_worker, [&] { m_worker->setReceiveBufferSize(bytes); }, Qt::BlockingQueuedConnection);
}

void UdpTransport::send(std::vector<Request> requests)
{
    if (requests.empty())
        return;
    bool wasIdle = false;
    {
        QMutexLocker lock(&m_mutex);
        wasIdle = m_outgoing.empty();
        for (Request &request : requests)
            m_outgoing.push_back(std::move(request));
        m_queued = m_outgoing.size();
    }
    // A running pacer takes them on its next turn.
    if (wasIdle)
        QMetaObject::invokeMethod(m_worker, [this] { m_worker->pump(); }, Qt::QueuedConnection);
}

void UdpTransport::dropQueue()
{
    QMutexLocker lock(&m_mutex);
    m_outgoing.clear();
    m_queued = 0;
}

void UdpTransport::takeArrivals(std::deque<Arrival> &into)
{
    QMutexLocker lock(&m_mutex);
    for (Arrival &arrival : m_arrivals)
        into.push_back(std::move(arrival));
    m_arrivals.clear();
    m_arrivalBytes = 0;
    m_arrivalSignalled = false;
}
