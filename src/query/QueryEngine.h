#pragma once

#include "query/SplitReassembler.h"
#include "query/UdpTransport.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>
#include <deque>
#include <map>
#include <memory>
#include <vector>

class GameServer;

// The query cycle: one UDP socket, read and written on a thread of its own, through which every
// query leaves and every reply arrives; the query tick and the matching tick; and the checking
// flag that gates both ticks.
// Servers that ignore the text queries are asked the binary (challenge-based) ones as well.
// The main window owns one; tests build their own on a free local port.
class QueryEngine final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QueryEngine)

public:
    static constexpr quint16 defaultLocalPort = 27010;
    static constexpr std::chrono::milliseconds matchingInterval{5000};

    /// Datagrams handled in one go before the event loop gets its turn back: a flood must not
    /// keep clicks and timers waiting. The rest are handled on the next pass.
    static constexpr int readBatch = 256;

    /// localPort 0 lets the system pick a free port when the socket is bound (tests only).
    explicit QueryEngine(quint16 localPort = defaultLocalPort, QObject *parent = nullptr);
    ~QueryEngine() override;

    bool isBound() const { return m_transport.isBound(); }
    QTimer &tmrQuery() { return m_tmrQuery; }
    QTimer &chkTimer() { return m_chkTimer; }
    /// The port asked for, or, once bound, the port the socket holds.
    quint16 localPort() const;

    /// Checking on: sets the shared flag, then tells the "Active" box through checkingChanged.
    void enableChecking();
    /// Checking off, the same way. Requests still waiting to go out are dropped.
    void disableChecking();

    /// One query pass: "players" then "info" to every server, in list order. From a server's
    /// second pass on, one that has not answered a text query since its record was made also
    /// gets the binary info and player requests, right after its text pair.
    /// While requests of the last pass still wait to go out, the new pass waits until they are
    /// out; passes asked for meanwhile make that one pass.
    void queryAllServers();
    void sendHalflifeQuery(const QString &address, qint32 portNumber, const QString &packetType);

    /// Closes the socket; harmless when it is not open.
    void closeSocket();
    /// Binds the socket to the local port. Returns an empty string on success, otherwise a
    /// message for the user that names the port and the system's error.
    QString bindSocket();

    /// The query tick's interval; zero (or less) means no query ticks at all. Restarts the
    /// timer, so the next tick comes one full interval later.
    void setQueryInterval(std::chrono::milliseconds interval);
    /// The query interval for a check speed in seconds: 0 or less gives no ticks.
    static std::chrono::milliseconds queryInterval(qint16 checkSpeed);

    /// The receive buffer the system granted (0 while unbound).
    qint64 receiveBufferSize() { return m_transport.receiveBufferSize(); }
    /// Sets it the ordinary way, as an unprivileged program gets it.
    void setReceiveBufferSize(int bytes) { m_transport.setReceiveBufferSize(bytes); }

    /// Requests of the current pass still waiting to go out.
    std::size_t queuedRequests() const { return m_transport.queued(); }
    /// The pace requests leave at, as UdpTransport sets it for the buffer granted.
    int sendRate() const { return m_transport.sendRate(); }
    int sendBurst() const { return m_transport.burst(); }
    /// Requests the system took since the engine was made.
    quint64 requestsSent() const { return m_transport.sent(); }
    /// Whether a pass waits for the current one to be out.
    bool passWaiting() const { return m_passWaiting; }
    /// Datagrams handled since the engine was made, strangers' included.
    quint64 datagramsRead() const { return m_datagramsRead; }
    /// Datagrams read but dropped before they were handled, because a flood had filled the
    /// memory set aside for them.
    quint64 datagramsDropped() const { return m_transport.arrivalsDropped(); }

    /// Runs the reply handler for one datagram as if it had arrived from this sender.
    void handleDatagram(const QByteArray &datagram, const QString &senderAddress, qint32 senderPort);

    /// Whether this record's server has answered a text query since the record was made.
    bool answeredTextQuery(const std::shared_ptr<GameServer> &server) const;
    /// The challenge this record's server last handed out (empty when none).
    QByteArray lastChallenge(const std::shared_ptr<GameServer> &server) const;
    /// How long the parts of a split reply may take to arrive: one query interval.
    std::chrono::milliseconds splitWindow() const;

signals:
    /// The shared checking flag changed through enableChecking() or disableChecking().
    void checkingChanged(bool enabled);
    /// A tick of chkTimer while checking is on: time to match and redraw.
    void matchingTick();
    /// A reply changed the record with this number.
    void replyFolded(qint16 serverNumber);

private:
    void onQueryTick();
    void onMatchingTick();
    void onArrived();
    /// Handles a batch of what the socket's thread read, and leaves the rest to a later turn.
    void handleBatch();
    void onQueueEmptied();
    void onSendWatch();
    void dropQueue();

    // What the binary queries need to know about one server. It lives here, beside the records
    // and never in the settings file, and a reload starts it afresh because the records are new.
    struct BinaryQueryState
    {
        quint64 pass = 0; // the query pass the per-pass fields below belong to
        int passesQueried = 0;
        bool answeredText = false;
        QByteArray challenge;
        // This pass: whether the binary pair went out, the challenges it and any resend carried,
        // and whether the one resend of each that a pass allows is spent.
        bool binarySent = false;
        QByteArray infoChallengeSent;
        QByteArray playerChallengeSent;
        bool infoResent = false;
        bool playerResent = false;
    };
    using StateMap = std::map<std::weak_ptr<GameServer>, BinaryQueryState, std::owner_less<>>;

    void sendBinaryQueries(const std::shared_ptr<GameServer> &owner);
    void followChallenge(const std::shared_ptr<GameServer> &server, const QByteArray &challenge);
    /// The reply handler for a datagram whose sender is known to be the record with this number
    /// (0: no record).
    void handleFrom(const QByteArray &datagram, const QString &senderAddress, qint32 senderPort, qint16 number);
    void handleWholeReply(const QByteArray &datagram, qint16 number);
    bool sendDatagram(const QByteArray &bytes, const QString &address, qint32 portNumber);

    quint16 m_localPort;
    UdpTransport m_transport;
    QTimer m_tmrQuery;
    QTimer m_chkTimer;
    // Watches a pass going out, so "Active" switched off stops what is still waiting.
    QTimer m_sendWatch;
    std::deque<UdpTransport::Arrival> m_arrivals;
    bool m_batchQueued = false;
    quint64 m_datagramsRead = 0;
    // Requests of a pass being put together, handed to the socket's thread in one go.
    std::vector<UdpTransport::Request> m_collecting;
    bool m_collectingPass = false;
    bool m_passWaiting = false;
    // Whether checking was on at some time since the queued pass began; a pass asked for while
    // checking is off (as start-up does) still goes out until checking has been on and off.
    bool m_checkingSeen = false;
    StateMap m_binaryState;
    quint64 m_pass = 0;
    SplitReassembler m_splitReplies;
};
