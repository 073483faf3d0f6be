#pragma once

#include "query/SplitReassembler.h"

#include <QHash>
#include <QHostAddress>
#include <QObject>
#include <QPair>
#include <QString>
#include <QTimer>
#include <QUdpSocket>

#include <chrono>
#include <deque>
#include <map>
#include <memory>

class GameServer;

// The query cycle: one UDP socket through which every query leaves and every reply arrives,
// the query tick and the matching tick, and the checking flag that gates both ticks.
// Servers that ignore the text queries are asked the binary (challenge-based) ones as well.
// The main window owns one; tests build their own on a free local port.
class QueryEngine final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QueryEngine)

public:
    static constexpr quint16 defaultLocalPort = 27010;
    /// What the socket asks the system for as its receive buffer: a tick's burst of replies
    /// from a few hundred servers must fit while the UI thread is busy elsewhere.
    static constexpr int receiveBufferRequest = 4 * 1024 * 1024;
    static constexpr std::chrono::milliseconds matchingInterval{5000};

    /// Datagrams read in one go before the event loop gets its turn back: a flood must not keep
    /// clicks and timers waiting. The rest are read on the next pass.
    static constexpr int readBatch = 256;
    /// Requests out at once with no answer read yet. A long list's pass goes out in windows,
    /// each sent as soon as the last one's replies are read, so the replies can never pile up
    /// past a receive buffer the system would not let us grow.
    static constexpr int minimumSendWindow = 8;
    /// The shortest a window waits, with no reply coming in, before it counts the rest of its
    /// replies lost and moves on. It waits longer where replies are seen to take longer.
    static constexpr std::chrono::milliseconds windowTimeout{25};
    /// The longest: a reply later than this is not waited for.
    static constexpr std::chrono::milliseconds longestWindowTimeout{1000};
    static int sendWindowFor(qint64 receiveBuffer);
    /// How long the window waits now: a few round trips as measured from the replies so far.
    std::chrono::milliseconds replyTimeout() const;

    /// localPort 0 lets the system pick a free port when the socket is bound (tests only).
    explicit QueryEngine(quint16 localPort = defaultLocalPort, QObject *parent = nullptr);
    ~QueryEngine() override;

    QUdpSocket &networkIO() { return m_networkIO; }
    QTimer &tmrQuery() { return m_tmrQuery; }
    QTimer &chkTimer() { return m_chkTimer; }
    /// The port asked for, or, once bound, the port the socket holds.
    quint16 localPort() const;

    /// Checking on: sets the shared flag, then tells the "Active" box through checkingChanged.
    void enableChecking();
    /// Checking off, the same way. Requests still waiting for their window are dropped.
    void disableChecking();

    /// One query pass: "players" then "info" to every server, in list order. From a server's
    /// second pass on, one that has not answered a text query since its record was made also
    /// gets the binary info and player requests, right after its text pair.
    /// While requests of the last pass still wait for their window, the new pass waits until
    /// they are out; passes asked for meanwhile make that one pass.
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
    qint64 receiveBufferSize();

    /// Requests of the current pass still waiting for their window.
    std::size_t queuedRequests() const;
    /// Whether a pass waits for the current one to be out.
    bool passWaiting() const { return m_passWaiting; }
    /// Datagrams read from the socket since the engine was made, strangers' included.
    quint64 datagramsRead() const { return m_datagramsRead; }

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
    void onReadyRead();
    /// Reads a batch, and leaves the rest to a later turn of the event loop.
    void readBatchAndYield();
    /// Reads and handles at most `limit` waiting datagrams; returns how many it read.
    int readPending(int limit);
    void growReceiveBuffer();
    /// Sends at once while the window has room, otherwise queues behind the window. False when
    /// the system refused a datagram sent at once.
    bool transmit(const QByteArray &bytes, const QHostAddress &to, quint16 port);
    bool writeOut(const QByteArray &bytes, const QHostAddress &to, quint16 port);
    bool roomToSend();
    /// How long the answers of a window written off may still come before they are given up.
    std::chrono::milliseconds lateAnswerWait() const;
    void forgetLateAnswers();
    void waitForLateAnswers();
    void sendQueued();
    void dropQueue();
    void onWindowTimeout();
    /// A datagram came from this sender: if it answers a request of ours, one request fewer is
    /// out and the round trip is measured. True when it frees room in the current window.
    bool noteAnswer(const QHostAddress &sender, quint16 port);
    void measureRoundTrip(std::chrono::steady_clock::duration sample);

    struct Outgoing
    {
        QByteArray bytes;
        QHostAddress to;
        quint16 port = 0;
    };

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

    // Requests to one address and port that have not been answered yet.
    struct Asked
    {
        std::chrono::steady_clock::time_point sentAt;
        quint64 window = 0; // the window they went out in
        int unanswered = 0;
    };
    using Endpoint = QPair<QHostAddress, quint16>;

    // A window written off on time-out, with the answers that may still come from it.
    struct WrittenOff
    {
        quint64 window = 0;
        int possiblyComing = 0;
        std::chrono::steady_clock::time_point at;
    };

    void sendBinaryQueries(const std::shared_ptr<GameServer> &owner);
    void followChallenge(const std::shared_ptr<GameServer> &server, const QByteArray &challenge);
    /// The reply handler for a datagram whose sender is known to be the record with this number
    /// (0: no record).
    void handleFrom(const QByteArray &datagram, const QString &senderAddress, qint32 senderPort, qint16 number);
    void handleWholeReply(const QByteArray &datagram, qint16 number);
    bool sendDatagram(const QByteArray &bytes, const QString &address, qint32 portNumber);

    quint16 m_localPort;
    QUdpSocket m_networkIO;
    QTimer m_tmrQuery;
    QTimer m_chkTimer;
    std::deque<Outgoing> m_outgoing;
    int m_inFlight = 0;
    quint64 m_datagramsRead = 0;
    int m_sendWindow = minimumSendWindow;
    QTimer m_windowTimer;
    // A window written off on time-out gets a new number, so its late replies free no room in
    // the next one: they take buffer space all the same.
    quint64 m_window = 0;
    QHash<Endpoint, Asked> m_asked;
    std::deque<WrittenOff> m_writtenOff;
    int m_lateAnswers = 0;
    bool m_measured = false;
    std::chrono::steady_clock::duration m_smoothedRoundTrip{};
    std::chrono::steady_clock::duration m_roundTripVariation{};
    bool m_passWaiting = false;
    // Whether checking was on at some time since the queued pass began; a pass asked for while
    // checking is off (as start-up does) still goes out until checking has been on and off.
    bool m_checkingSeen = false;
    /// The rest of a flood waits for a queued call; the socket's notices are not needed until then.
    bool m_readQueued = false;
    StateMap m_binaryState;
    quint64 m_pass = 0;
    SplitReassembler m_splitReplies;
};
