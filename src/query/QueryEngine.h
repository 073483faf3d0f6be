#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <QUdpSocket>

// The query cycle: one UDP socket through which every query leaves and every reply arrives,
// the query tick and the matching tick, and the checking flag that gates both ticks.
// The main window owns one; tests build their own on a free local port.
class QueryEngine final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QueryEngine)

public:
    static constexpr quint16 defaultLocalPort = 27010;

    explicit QueryEngine(quint16 localPort = defaultLocalPort, QObject *parent = nullptr);
    ~QueryEngine() override;

    QUdpSocket &networkIO() { return m_networkIO; }
    QTimer &tmrQuery() { return m_tmrQuery; }
    QTimer &chkTimer() { return m_chkTimer; }
    quint16 localPort() const { return m_localPort; }

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

signals:
    /// The shared checking flag changed through enableChecking() or disableChecking().
    void checkingChanged(bool enabled);
    /// A tick of chkTimer while checking is on: time to match and redraw.
    void matchingTick();

private:
    void onQueryTick();
    void onMatchingTick();
    void onReadyRead();

    quint16 m_localPort;
    QUdpSocket m_networkIO;
    QTimer m_tmrQuery;
    QTimer m_chkTimer;
};
