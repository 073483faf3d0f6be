#pragma once

#include "HlReplies.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QTimer>
#include <QUdpSocket>

#include <chrono>
#include <memory>

// One simulated Half-Life server on one UDP port: answers the queries its protocol knows from its
// description, and misbehaves when asked to.
class SimulatedServer final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SimulatedServer)

public:
    struct Misbehaviour
    {
        bool silent = false;
        std::chrono::milliseconds delay{0};
        /// Send only the first this many bytes of each reply (negative: whole replies).
        qsizetype truncateTo = -1;
        /// Overwrite everything after the type byte with seeded noise.
        bool garble = false;
        quint32 seed = 1;
        /// Answer from another port than the one asked.
        bool fromOtherPort = false;
        /// Split every reply longer than this many bytes into parts (0: never split).
        qsizetype splitPayload = 0;
        /// Never send the part with this number (0-based) of a split reply (negative: send all).
        int loseSplitPart = -1;
        /// Answer from another address (a port of its own there), as a stranger would.
        QHostAddress fromAddress;
        /// Grow every reply to this many bytes: players replies with more player records, info
        /// replies with trailing zero bytes (negative: replies as they are).
        qsizetype padTo = -1;
        /// After the first request, this many copies of the players reply to the asker from
        /// another port, spread over floodSpan.
        int flood = 0;
        std::chrono::milliseconds floodSpan{3000};
    };

    SimulatedServer(HlReplies::ServerDescription description, Misbehaviour misbehaviour, QObject *parent = nullptr);
    ~SimulatedServer() override;

    /// Binds to address:port (port 0: any free one). Returns an empty string or the error.
    QString listen(const QHostAddress &address, quint16 port);
    quint16 port() const { return m_socket.localPort(); }
    /// The port replies leave from (differs from port() only with fromOtherPort or fromAddress).
    quint16 replyPort() const;
    /// Flood datagrams sent so far.
    int floodSent() const { return m_floodSent; }

    const HlReplies::ServerDescription &description() const { return m_description; }
    void setDescription(const HlReplies::ServerDescription &description) { m_description = description; }

    const HlReplies::Protocol &protocol() const { return m_protocol; }
    void setProtocol(const HlReplies::Protocol &protocol) { m_protocol = protocol; }
    /// Hands out a new challenge from now on; the old one is no longer accepted.
    void setChallenge(const QByteArray &challenge) { m_protocol.challenge = challenge; }

    /// Every request kind received, in order (HlReplies::requestKind, "" for anything else).
    const QStringList &requestsSeen() const { return m_requestsSeen; }
    /// Every request datagram received, in order.
    const QList<QByteArray> &requestBytesSeen() const { return m_requestBytesSeen; }

signals:
    void requestReceived(const QString &kind);
    /// The whole flood has been sent, over this many milliseconds.
    void floodFinished(int sent, qint64 milliseconds);

private:
    void onReadyRead();
    QList<QByteArray> misbehave(QByteArray reply);
    void send(const QByteArray &reply, const QHostAddress &to, quint16 port);
    void startFlood(const QHostAddress &to, quint16 port);

    HlReplies::ServerDescription m_description;
    HlReplies::Protocol m_protocol;
    Misbehaviour m_misbehaviour;
    quint32 m_nextSplitId = 1;
    QList<QByteArray> m_requestBytesSeen;
    QUdpSocket m_socket;
    std::unique_ptr<QUdpSocket> m_otherSocket;
    std::unique_ptr<QUdpSocket> m_floodSocket;
    QTimer *m_floodTimer = nullptr;
    int m_floodSent = 0;
    QElapsedTimer m_floodClock;
    QStringList m_requestsSeen;
};
