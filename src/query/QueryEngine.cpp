#include "query/QueryEngine.h"

#include "model/GameServer.h"
#include "model/mdlZibProcessing.h"
#include "query/QueryDatagrams.h"

#include <QHash>
#include <QPair>
#include <QHostAddress>

#include <algorithm>
#include <utility>


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
    connect(&m_transport, &UdpTransport::arrived, this, &QueryEngine::onArrived);
    connect(&m_transport, &UdpTransport::queueEmptied, this, &QueryEngine::onQueueEmptied);
    m_sendWatch.setInterval(std::chrono::milliseconds(10));
    connect(&m_sendWatch, &QTimer::timeout, this, &QueryEngine::onSendWatch);
}

QueryEngine::~QueryEngine() = default;

quint16 QueryEngine::localPort() const
{
    return m_transport.isBound() ? m_transport.localPort() : m_localPort;
}

void QueryEngine::enableChecking()
{
    mdlZibProcessing::checkingEnabled = true;
    emit checkingChanged(true);
}

void QueryEngine::disableChecking()
{
    mdlZibProcessing::checkingEnabled = false;
    dropQueue();
    emit checkingChanged(false);
}

void QueryEngine::queryAllServers()
{
    // A pass that has not gone out whole yet still asks every server; a second one behind it
    // would only make the queue grow on every tick that comes sooner than a pass can go out.
    if (m_transport.queued() > 0) {
        m_passWaiting = true;
        return;
    }
    m_passWaiting = false;
    m_checkingSeen = mdlZibProcessing::checkingEnabled;
    // A copy of the list: a reload while we send must not pull records out from under the loop.
    const mdlZibProcessing::ServerList servers = mdlZibProcessing::gameServers;
    ++m_pass;
    std::erase_if(m_binaryState, [](const auto &entry) { return entry.first.expired(); });
    // Replies go to the first record of an address and port, so that record's state speaks for
    // its twins too, and a server listed twice still gets one binary pair per pass.
    QHash<QPair<QString, qint32>, std::shared_ptr<GameServer>> owners;
    for (const auto &server : servers) {
        const QPair<QString, qint32> endpoint(server->address(), server->port());
        if (!owners.contains(endpoint))
            owners.insert(endpoint, server);
    }
    m_collectingPass = true;
    m_collecting.reserve(2 * std::size_t(servers.size()));
    for (const auto &server : servers) {
        sendHalflifeQuery(server->address(), server->port(), QueryDatagrams::playersRequest);
        sendHalflifeQuery(server->address(), server->port(), QueryDatagrams::infoRequest);
        sendBinaryQueries(owners.value(QPair<QString, qint32>(server->address(), server->port())));
    }
    m_collectingPass = false;
    m_transport.send(std::exchange(m_collecting, {}));
    if (m_transport.queued() > 0)
        m_sendWatch.start();
}

void QueryEngine::sendHalflifeQuery(const QString &address, qint32 portNumber, const QString &packetType)
{
    sendDatagram(QueryDatagrams::buildRequest(packetType), address, portNumber);
}

bool QueryEngine::sendDatagram(const QByteArray &bytes, const QString &address, qint32 portNumber)
{
    // Leave from our own port. When it cannot be had the send still goes out, from whatever
    // port the system gives, and the replies come back to that port of this same socket.
    if (!m_transport.isBound())
        bindSocket();
    const QHostAddress destination(address);
    if (bytes.isEmpty() || destination.isNull() || portNumber < 0 || portNumber > 0xFFFF)
        return false;
    UdpTransport::Request request{bytes, destination, static_cast<quint16>(portNumber)};
    if (m_collectingPass)
        m_collecting.push_back(std::move(request));
    else
        m_transport.send({std::move(request)});
    return true;
}

void QueryEngine::sendBinaryQueries(const std::shared_ptr<GameServer> &owner)
{
    if (!owner)
        return;
    BinaryQueryState &state = m_binaryState[owner];
    if (state.pass == m_pass)
        return;
    state.pass = m_pass;
    ++state.passesQueried;
    state.binarySent = false;
    state.infoChallengeSent.clear();
    state.playerChallengeSent.clear();
    state.infoResent = false;
    state.playerResent = false;
    // The first pass gives a server the chance to answer the text queries alone.
    if (state.passesQueried < 2 || state.answeredText)
        return;
    const QByteArray playerChallenge = state.challenge.isEmpty() ? QueryDatagrams::noChallenge : state.challenge;
    sendDatagram(QueryDatagrams::a2sInfoRequest(), owner->address(), owner->port());
    sendDatagram(QueryDatagrams::a2sPlayerRequest(playerChallenge), owner->address(), owner->port());
    state.binarySent = true;
    state.playerChallengeSent = playerChallenge;
}

void QueryEngine::followChallenge(const std::shared_ptr<GameServer> &server, const QByteArray &challenge)
{
    BinaryQueryState &state = m_binaryState[server];
    state.challenge = challenge;
    // Only a pass that asked the binary queries is followed up: a server that answers the text
    // queries gets no binary request, whatever it sends.
    if (state.pass != m_pass || !state.binarySent)
        return;
    // Once per challenge and kind, and at most one resend of each per pass, so a server that keeps
    // changing its challenge cannot make us flood it.
    if (!state.playerResent && challenge != state.playerChallengeSent) {
        sendDatagram(QueryDatagrams::a2sPlayerRequest(challenge), server->address(), server->port());
        state.playerResent = true;
        state.playerChallengeSent = challenge;
    }
    if (!state.infoResent && challenge != state.infoChallengeSent) {
        sendDatagram(QueryDatagrams::a2sInfoRequest(challenge), server->address(), server->port());
        state.infoResent = true;
        state.infoChallengeSent = challenge;
    }
}

bool QueryEngine::answeredTextQuery(const std::shared_ptr<GameServer> &server) const
{
    const auto it = m_binaryState.find(server);
    return it != m_binaryState.end() && it->second.answeredText;
}

QByteArray QueryEngine::lastChallenge(const std::shared_ptr<GameServer> &server) const
{
    const auto it = m_binaryState.find(server);
    return it != m_binaryState.end() ? it->second.challenge : QByteArray();
}

std::chrono::milliseconds QueryEngine::splitWindow() const
{
    // Without query ticks there is no interval; the shortest check speed stands in for it.
    const auto interval = m_tmrQuery.intervalAsDuration();
    return interval > std::chrono::milliseconds::zero() ? interval : matchingInterval;
}

void QueryEngine::onQueueEmptied()
{
    m_sendWatch.stop();
    if (m_passWaiting && m_transport.queued() == 0)
        queryAllServers();
}

void QueryEngine::onSendWatch()
{
    if (m_transport.queued() == 0) {
        m_sendWatch.stop();
        return;
    }
    if (mdlZibProcessing::checkingEnabled) {
        m_checkingSeen = true;
    } else if (m_checkingSeen) {
        // Checking was switched off: what has not gone out stays unsent.
        dropQueue();
    }
}

void QueryEngine::dropQueue()
{
    m_transport.dropQueue();
    m_sendWatch.stop();
    m_passWaiting = false;
}

void QueryEngine::closeSocket()
{
    dropQueue();
    m_transport.close();
    m_arrivals.clear();
}

QString QueryEngine::bindSocket()
{
    const QString error = m_transport.bind(m_localPort);
    if (error.isEmpty())
        return {};
    return tr("Zib cannot listen on UDP port %1: %2. Checking stays off until the port is free.")
        .arg(m_localPort)
        .arg(error);
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

void QueryEngine::onArrived()
{
    if (!m_batchQueued)
        handleBatch();
}

void QueryEngine::handleBatch()
{
    if (m_arrivals.empty())
        m_transport.takeArrivals(m_arrivals);
    for (int handled = 0; handled < readBatch && !m_arrivals.empty(); ++handled) {
        const UdpTransport::Arrival arrival = std::move(m_arrivals.front());
        m_arrivals.pop_front();
        ++m_datagramsRead;
        const QString senderAddress = arrival.sender.toString();
        // One look-up a datagram: it walks the whole list.
        const qint16 number = mdlZibProcessing::findServerNumber(senderAddress, arrival.port);
        // The details box and the history show how far the server is, from its latest reply.
        if (const auto server = number != 0 && arrival.roundTrip ? mdlZibProcessing::serverAt(number) : nullptr)
            server->setLastRoundTrip(std::chrono::ceil<std::chrono::milliseconds>(*arrival.roundTrip));
        handleFrom(arrival.data, senderAddress, arrival.port, number);
    }
    // Taking what came meanwhile also lets the socket's thread signal the next arrival.
    if (m_arrivals.empty())
        m_transport.takeArrivals(m_arrivals);
    if (m_arrivals.empty() || m_batchQueued)
        return;
    // The rest waits its turn behind the user's clicks and the timers.
    m_batchQueued = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_batchQueued = false;
            handleBatch();
        },
        Qt::QueuedConnection);
}

void QueryEngine::handleDatagram(const QByteArray &datagram, const QString &senderAddress, qint32 senderPort)
{
    handleFrom(datagram, senderAddress, senderPort, mdlZibProcessing::findServerNumber(senderAddress, senderPort));
}

void QueryEngine::handleFrom(const QByteArray &datagram, const QString &senderAddress, qint32 senderPort,
                             qint16 number)
{
    // A stranger's datagram changes nothing; turned away before it is walked, a flood of them
    // costs a look-up each instead of a parse, and gets no buffer space for split parts.
    if (number == 0)
        return;
    if (!QueryDatagrams::isSplitPart(datagram)) {
        handleWholeReply(datagram, number);
        return;
    }
    const auto whole = m_splitReplies.add(datagram, senderAddress, senderPort, SplitReassembler::Clock::now(),
                                          splitWindow());
    // A reassembled reply that claims to be split again is garbage; handleWholeReply drops it.
    if (whole)
        handleWholeReply(*whole, number);
}

void QueryEngine::handleWholeReply(const QByteArray &datagram, qint16 number)
{
    const QueryDatagrams::Reply reply = QueryDatagrams::parseReply(datagram);
    if (std::holds_alternative<std::monostate>(reply))
        return;
    const auto server = mdlZibProcessing::serverAt(number);
    if (!server)
        return;
    if (const auto *challenge = std::get_if<QueryDatagrams::ChallengeReply>(&reply)) {
        followChallenge(server, challenge->challenge);
        return;
    }
    BinaryQueryState &state = m_binaryState[server];
    if (const auto *info = std::get_if<QueryDatagrams::InfoReply>(&reply); info && info->type == 'C')
        state.answeredText = true;
    // A 'D' looks the same whichever request it answers; it proves a text answer only when no
    // binary player request is out this pass.
    if (std::holds_alternative<QueryDatagrams::PlayersReply>(reply) && !(state.pass == m_pass && state.binarySent))
        state.answeredText = true;
    QueryDatagrams::applyReply(*server, reply);
    emit replyFolded(number);
}
