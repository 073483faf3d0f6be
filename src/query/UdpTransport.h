#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QThread>

#include <atomic>
#include <chrono>
#include <deque>
#include <optional>
#include <vector>

// The query socket on a thread of its own. Datagrams are read the moment they arrive, however
// busy the UI thread is, so the system's receive buffer only has to hold what comes between two
// reads; they wait for the UI thread in memory instead. Requests leave at a steady rate rather
// than all at once, so the replies come back no faster than that buffer can hold them while the
// thread waits its turn for a core.
class UdpTransport final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(UdpTransport)

public:
    using Clock = std::chrono::steady_clock;

    struct Request
    {
        QByteArray bytes;
        QHostAddress to;
        quint16 port = 0;
    };

    struct Arrival
    {
        QByteArray data;
        QHostAddress sender; // IPv4-mapped addresses already turned back into IPv4
        quint16 port = 0;
        /// Since the last request to this sender left, where one did.
        std::optional<Clock::duration> roundTrip;
    };

    /// What the socket asks the system for as its receive buffer: room for the replies that
    /// come while the reading thread waits for a core.
    static constexpr int receiveBufferRequest = 4 * 1024 * 1024;
    /// How many replies a receive buffer of this size holds: a reply of a full server takes up
    /// to about 2 KiB of it on Linux, bookkeeping included, and Linux reports twice what it keeps.
    static qint64 repliesHeldBy(qint64 receiveBuffer) { return receiveBuffer / 4096; }
    /// The longest the reading thread may wait for a core, on a busy machine, before the
    /// buffer must have room for what came meanwhile.
    static constexpr std::chrono::milliseconds longestStall{5};
    /// Requests a second: as many as the buffer holds replies in one stall, within these bounds.
    static constexpr int slowestRate = 5'000;
    static constexpr int fastestRate = 200'000;
    static int sendRateFor(qint64 receiveBuffer);
    /// Requests that may leave at once after a pause: half of what the buffer holds.
    static constexpr int smallestBurst = 16;
    static constexpr int largestBurst = 1024;
    static int burstFor(qint64 receiveBuffer);
    /// What may wait for the UI thread, in bytes of payload: a flood beyond it is dropped here,
    /// as the system would drop it, instead of filling memory.
    static constexpr qint64 arrivalLimit = 16 * 1024 * 1024;

    explicit UdpTransport(QObject *parent = nullptr);
    ~UdpTransport() override;

    /// Binds to the local port (0: any free one) and grows the receive buffer. Returns the
    /// system's error text, empty on success.
    QString bind(quint16 port);
    /// Closes the socket and drops the requests still waiting; harmless when it is not open.
    void close();
    bool isBound() const { return m_bound.load(); }
    /// The port the socket holds; 0 while unbound.
    quint16 localPort() const { return m_localPort.load(); }
    /// The receive buffer the system granted (0 while unbound).
    qint64 receiveBufferSize();
    /// Sets the receive buffer the ordinary way, as an unprivileged program gets it.
    void setReceiveBufferSize(int bytes);

    /// Queues the requests behind those still waiting; they go out at the send rate.
    void send(std::vector<Request> requests);
    /// Forgets the requests that have not gone out yet.
    void dropQueue();
    /// Requests waiting to go out.
    std::size_t queued() const { return m_queued.load(); }
    /// The pace set for the buffer the system granted, in requests a second and at once.
    int sendRate() const { return m_rate.load(); }
    int burst() const { return m_burst.load(); }
    /// Requests the system took since the transport was made.
    quint64 sent() const { return m_sent.load(); }
    /// Arrivals dropped because too much was already waiting for the UI thread.
    quint64 arrivalsDropped() const { return m_arrivalsDropped.load(); }

    /// Moves what has arrived since the last call to the back of `into`, and lets the next
    /// arrival signal again.
    void takeArrivals(std::deque<Arrival> &into);

signals:
    /// Something arrived. Emitted from the socket's thread, once until takeArrivals is called.
    void arrived();
    /// The last waiting request went out (or was dropped). Emitted from the socket's thread.
    void queueEmptied();

private:
    class Worker;
    friend class Worker;

    QThread m_thread;
    Worker *m_worker = nullptr;

    QMutex m_mutex;
    // Guarded by m_mutex.
    std::deque<Request> m_outgoing;
    std::vector<Arrival> m_arrivals;
    qint64 m_arrivalBytes = 0;
    bool m_arrivalSignalled = false;

    std::atomic<bool> m_bound{false};
    std::atomic<quint16> m_localPort{0};
    std::atomic<std::size_t> m_queued{0};
    std::atomic<int> m_rate{slowestRate};
    std::atomic<int> m_burst{smallestBurst};
    std::atomic<quint64> m_sent{0};
    std::atomic<quint64> m_arrivalsDropped{0};
};
