#include "query/QueryEngine.h"

#include "model/mdlZibProcessing.h"
#include "platform/SocketBuffers.h"
#include "query/QueryDatagrams.h"

#include <QHash>
#include <QPair>
#include <QHostAddress>
#include <QNetworkDatagram>

#include <algorithm>


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
    m_windowTimer.setSingleShot(true);
    m_windowTimer.setTimerType(Qt::PreciseTimer);
    m_windowTimer.setInterval(windowTimeout);
    connect(&m_windowTimer, &QTimer::timeout, this, &QueryEngine::onWindowTimeout);
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
    dropQueue();
    emit checkingChanged(false);
}

void QueryEngine::queryAllServers()
{
    // A pass that has not gone out whole yet still asks every server; a second one behind it
    // would only make the queue grow on every tick that comes sooner than a pass can go out.
    if (!m_outgoing.empty()) {
        m_passWaiting = true;
        return;
    }
    m_checkingSeen = mdlZibProcessing::checkingEnabled;
    // A copy of the list: a reload while we send must not pull records out from under the loop.
    const mdlZibProcessing::ServerList servers = mdlZibProcessing::gameServers;
    ++m_pass;
    std::erase_if(m_binaryState, [](const auto &entry) { return entry.first.expired(); });
    // Servers that never answered: nothing more will be learnt from them.
    const auto forgetBefore = std::chrono::steady_clock::now() - longestWindowTimeout;
    m_asked.removeIf([forgetBefore](const auto &entry) { return entry.value().sentAt < forgetBefore; });
    // Replies go to the first record of an address and port, so that record's state speaks for
    // its twins too, and a server listed twice still gets one binary pair per pass.
    QHash<QPair<QString, qint32>, std::shared_ptr<GameServer>> owners;
    for (const auto &server : servers) {
        const QPair<QString, qint32> endpoint(server->address(), server->port());
        if (!owners.contains(endpoint))
            owners.insert(endpoint, server);
    }
    for (const auto &server : servers) {
        sendHalflifeQuery(server->address(), server->port(), QueryDatagrams::playersRequest);
        sendHalflifeQuery(server->address(), server->port(), QueryDatagrams::infoRequest);
        sendBinaryQueries(owners.value(QPair<QString, qint32>(server->address(), server->port())));
    }
}

void QueryEngine::sendHalflifeQuery(const QString &address, qint32 portNumber, const QString &packetType)
{
    sendDatagram(QueryDatagrams::buildRequest(packetType), address, portNumber);
}

bool QueryEngine::sendDatagram(const QByteArray &bytes, const QString &address, qint32 portNumber)
{
    // Leave from our own port. When it cannot be had the send still goes out, from whatever
    // port the system gives, and the replies come back to that port of this same socket.
    if (m_networkIO.state() == QAbstractSocket::UnconnectedState)
        bindSocket();
    const QHostAddress destination(address);
    if (bytes.isEmpty() || destination.isNull() || portNumber < 0 || portNumber > 0xFFFF)
        return false;
    return transmit(bytes, destination, static_cast<quint16>(portNumber));
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

std::chrono::milliseconds QueryEngine::replyTimeout() const
{
    if (!m_measured)
        return windowTimeout;
    // As a stream transport times out its segments: the smoothed round trip and four times its
    // spread, so that a server that is merely far is not taken for one that is gone.
    const auto timeout = std::chrono::ceil<std::chrono::milliseconds>(m_smoothedRoundTrip + 4 * m_roundTripVariation);
    return std::clamp(timeout, windowTimeout, longestWindowTimeout);
}

void QueryEngine::measureRoundTrip(std::chrono::steady_clock::duration sample)
{
    if (!m_measured) {
        m_smoothedRoundTrip = sample;
        m_roundTripVariation = sample / 2;
        m_measured = true;
        return;
    }
    const auto error = sample > m_smoothedRoundTrip ? sample - m_smoothedRoundTrip : m_smoothedRoundTrip - sample;
    m_roundTripVariation = (3 * m_roundTripVariation + error) / 4;
    m_smoothedRoundTrip = (7 * m_smoothedRoundTrip + sample) / 8;
}

int QueryEngine::sendWindowFor(qint64 receiveBuffer)
{
    // A reply of a full server takes up to about 2 KiB of buffer on Linux, bookkeeping included;
    // half the buffer stays free for late and foreign datagrams.
    return static_cast<int>(std::clamp<qint64>(receiveBuffer / 4096, minimumSendWindow, 4096));
}

bool QueryEngine::transmit(const QByteArray &bytes, const QHostAddress &to, quint16 port)
{
    if (m_inFlight == 0 && m_outgoing.empty())
        m_sendWindow = sendWindowFor(receiveBufferSize());
    if (!m_outgoing.empty() || !roomToSend()) {
        m_outgoing.push_back({bytes, to, port});
        waitForLateAnswers();
        return true;
    }
    return writeOut(bytes, to, port);
}

bool QueryEngine::roomToSend()
{
    forgetLateAnswers();
    // The replies of a window and those of windows written off that may still come must fit
    // the buffer together.
    return m_inFlight < m_sendWindow && m_inFlight + m_lateAnswers < 2 * m_sendWindow;
}

std::chrono::milliseconds QueryEngine::lateAnswerWait() const
{
    return 2 * replyTimeout();
}

void QueryEngine::forgetLateAnswers()
{
    const auto giveUpBefore = std::chrono::steady_clock::now() - lateAnswerWait();
    while (!m_writtenOff.empty() && m_writtenOff.front().at <= giveUpBefore) {
        m_lateAnswers -= m_writtenOff.front().possiblyComing;
        m_writtenOff.pop_front();
    }
}

void QueryEngine::waitForLateAnswers()
{
    // Only answers that may still come hold the queue back: look again once the oldest of them
    // are given up.
    if (m_inFlight > 0 || m_outgoing.empty() || m_writtenOff.empty() || m_windowTimer.isActive())
        return;
    const auto left = m_writtenOff.front().at + lateAnswerWait() - std::chrono::steady_clock::now();
    m_windowTimer.start(std::max(std::chrono::ceil<std::chrono::milliseconds>(left), std::chrono::milliseconds(1)));
}

bool QueryEngine::writeOut(const QByteArray &bytes, const QHostAddress &to, quint16 port)
{
    // A datagram the system refused (no route, a port it will not send to, a full buffer) never
    // left: no answer can come, so it takes no room in the window and starts no wait.
    if (m_networkIO.writeDatagram(bytes, to, port) != bytes.size())
        return false;
    // The first request of a window starts its wait, whatever the timer was waiting for before.
    if (++m_inFlight == 1 || !m_windowTimer.isActive())
        m_windowTimer.start(replyTimeout());
    Asked &asked = m_asked[Endpoint(to, port)];
    if (asked.unanswered == 0 || asked.window != m_window) {
        asked.sentAt = std::chrono::steady_clock::now();
        asked.window = m_window;
        asked.unanswered = 0;
    }
    ++asked.unanswered;
    return true;
}

void QueryEngine::sendQueued()
{
    if (mdlZibProcessing::checkingEnabled) {
        m_checkingSeen = true;
    } else if (m_checkingSeen) {
        // Checking was switched off: what has not gone out stays unsent.
        dropQueue();
        return;
    }
    while (!m_outgoing.empty() && roomToSend()) {
        Outgoing next = std::move(m_outgoing.front());
        m_outgoing.pop_front();
        writeOut(next.bytes, next.to, next.port);
    }
    waitForLateAnswers();
    if (m_outgoing.empty() && m_passWaiting) {
        m_passWaiting = false;
        queryAllServers();
    }
}

void QueryEngine::dropQueue()
{
    m_outgoing.clear();
    m_passWaiting = false;
}

bool QueryEngine::noteAnswer(const QHostAddress &sender, quint16 port)
{
    const auto it = m_asked.find(Endpoint(sender, port));
    if (it == m_asked.end())
        return false;
    measureRoundTrip(std::chrono::steady_clock::now() - it->sentAt);
    const quint64 window = it->window;
    if (--it->unanswered <= 0)
        m_asked.erase(it);
    if (window != m_window) {
        // Late, but come: one fewer that may still come.
        const auto late = std::find_if(m_writtenOff.begin(), m_writtenOff.end(),
                                       [window](const WrittenOff &w) { return w.window == window; });
        if (late != m_writtenOff.end() && late->possiblyComing > 0) {
            --late->possiblyComing;
            --m_lateAnswers;
        }
        return false;
    }
    if (m_inFlight == 0)
        return false;
    --m_inFlight;
    return true;
}

void QueryEngine::onWindowTimeout()
{
    // Replies that came while the thread was busy elsewhere wait in the buffer, and must not
    // be taken for lost: they are read first.
    readPending(readBatch);
    if (m_windowTimer.isActive())
        return;
    // Nothing came back for a while: what is still out is lost, or so late that it no longer
    // holds up the next window. Until given up it still counts against the buffer.
    if (m_inFlight > 0) {
        m_writtenOff.push_back({m_window, m_inFlight, std::chrono::steady_clock::now()});
        m_lateAnswers += m_inFlight;
        m_inFlight = 0;
        ++m_window;
    }
    sendQueued();
}

void QueryEngine::closeSocket()
{
    dropQueue();
    m_inFlight = 0;
    ++m_window;
    m_asked.clear();
    m_writtenOff.clear();
    m_lateAnswers = 0;
    m_windowTimer.stop();
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
    // The system may grant less; what it grants is kept.
    SocketBuffers::growReceiveBuffer(m_networkIO, receiveBufferRequest);
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
    if (!m_readQueued)
        readBatchAndYield();
}

void QueryEngine::readBatchAndYield()
{
    readPending(readBatch);
    if (m_readQueued || !m_networkIO.hasPendingDatagrams())
        return;
    // Left to the socket's own notices, the rest would be read at once where the event loop
    // handles every posted notice in one go (Windows' does), ahead of the user's clicks. A queued
    // call waits its turn behind them everywhere; the socket stays quiet until it has read again.
    m_readQueued = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_readQueued = false;
            readBatchAndYield();
        },
        Qt::QueuedConnection);
}

std::size_t QueryEngine::queuedRequests() const
{
    return m_outgoing.size();
}

int QueryEngine::readPending(int limit)
{
    int read = 0;
    bool answered = false;
    while (read < limit && m_networkIO.hasPendingDatagrams()) {
        const QNetworkDatagram datagram = m_networkIO.receiveDatagram();
        // A failed read yields no sender; stop rather than spin on it.
        if (!datagram.isValid())
            break;
        ++read;
        ++m_datagramsRead;
        QHostAddress sender = datagram.senderAddress();
        bool isIPv4 = false;
        const quint32 ipv4 = sender.toIPv4Address(&isIPv4);
        if (isIPv4)
            sender = QHostAddress(ipv4);
        // Only an answer to this window makes room in it; a stranger's datagram or a late answer
        // to a window already written off takes buffer space without telling of any request.
        answered = noteAnswer(sender, static_cast<quint16>(datagram.senderPort())) || answered;
        const QString senderAddress = sender.toString();
        // One look-up a datagram: it walks the whole list.
        handleFrom(datagram.data(), senderAddress, datagram.senderPort(),
                   mdlZibProcessing::findServerNumber(senderAddress, datagram.senderPort()));
    }
    // The window's wait starts again from its latest answer.
    if (answered && m_inFlight > 0)
        m_windowTimer.start(replyTimeout());
    else if (answered)
        m_windowTimer.stop();
    sendQueued();
    return read;
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
