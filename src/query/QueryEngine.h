#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <QUdpSocket>

#include <chrono>

// The query cycle: one UDP socket through which every query leaves and every reply arrives,
// the query tick and the matching tick, and the checking flag that gates both ticks.
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
    /// Checking off, the same way.
    void disableChecking();

    /// "players" then "info" to every server, in list order.
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

    /// Runs the reply handler for one datagram as if it had arrived from this sender.
    void handleDatagram(const QByteArray &datagram, const QString &senderAddress, qint32 senderPort);

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
    void growReceiveBuffer();

    quint16 m_localPort;
    QUdpSocket m_networkIO;
    QTimer m_tmrQuery;
    QTimer m_chkTimer;
};
