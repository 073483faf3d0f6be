#include "HlReplies.h"
#include "SimulatedServer.h"
#include "model/mdlZibProcessing.h"
#include "query/QueryDatagrams.h"
#include "query/QueryEngine.h"
#include "support/TestSupport.h"

#include <QNetworkDatagram>
#include <QSignalSpy>
#include <QElapsedTimer>
#include <QTest>

#include <algorithm>
#include <memory>
#include <vector>

using namespace std::chrono_literals;

namespace {

const QHostAddress loopback(QHostAddress::LocalHost);
const QString loopbackText = QStringLiteral("127.0.0.1");

class QueryEngineTest : public SettingsFixture
{
protected:
    std::shared_ptr<GameServer> addServer(const QString &address, qint32 port)
    {
        auto server = std::make_shared<GameServer>();
        server->setAddress(address);
        server->setPort(port);
        server->setName(QStringLiteral("New Server"));
        server->setServerNumber(static_cast<qint16>(mdlZibProcessing::gameServers.size() + 1));
        mdlZibProcessing::gameServers.append(server);
        return server;
    }

    SimulatedServer &simulate(HlReplies::ServerDescription description, SimulatedServer::Misbehaviour bad = {})
    {
        m_sims.push_back(std::make_unique<SimulatedServer>(std::move(description), bad));
        EXPECT_EQ(m_sims.back()->listen(loopback, 0), QString());
        return *m_sims.back();
    }

    static HlReplies::ServerDescription describe(const QByteArray &name, QList<QByteArray> players = {})
    {
        HlReplies::ServerDescription d;
        d.name = name;
        d.mapName = "map_of_" + name;
        d.maxPlayers = 21;
        d.playerNames = std::move(players);
        return d;
    }

    std::unique_ptr<QueryEngine> boundEngine()
    {
        auto engine = std::make_unique<QueryEngine>(0);
        EXPECT_EQ(engine->bindSocket(), QString());
        return engine;
    }

    std::vector<std::unique_ptr<SimulatedServer>> m_sims;
};

bool answered(const GameServer &server)
{
    return server.name() != QStringLiteral("New Server") && !server.playerNames().isEmpty();
}

TEST_F(QueryEngineTest, ATickFillsEveryRecordWithWhatTheServersSaid)
{
    auto &alpha = simulate(describe("Alpha", {"[X]Ann", "Bob", "[X]Ann"}));
    auto &beta = simulate(describe("Beta \xE9", {"solo"}));
    const auto a = addServer(loopbackText, alpha.port());
    const auto b = addServer(loopbackText, beta.port());

    const auto engine = boundEngine();
    engine->enableChecking();
    engine->setQueryInterval(50ms);
    ASSERT_TRUE(QTest::qWaitFor([&] { return answered(*a) && answered(*b); }, 5000));

    EXPECT_EQ(a->name(), QStringLiteral("Alpha"));
    EXPECT_EQ(a->mapName(), QStringLiteral("map_of_Alpha"));
    EXPECT_EQ(a->maxPlayers(), 20);
    EXPECT_EQ(a->activePlayers(), 3);
    EXPECT_EQ(a->playerNames(), QStringList({QStringLiteral("[X]Ann"), QStringLiteral("Bob"), QStringLiteral("[X]Ann")}));
    EXPECT_EQ(b->name(), QStringLiteral("Beta \u00E9"));
    EXPECT_EQ(b->playerNames(), QStringList({QStringLiteral("solo")}));
    // Every tick asks "players" first, then "info".
    ASSERT_GE(alpha.requestsSeen().size(), 2);
    for (qsizetype i = 0; i + 1 < alpha.requestsSeen().size(); i += 2) {
        EXPECT_EQ(alpha.requestsSeen()[i], QStringLiteral("players"));
        EXPECT_EQ(alpha.requestsSeen()[i + 1], QStringLiteral("info"));
    }
}

TEST_F(QueryEngineTest, QueriesGoOutInListOrderPlayersBeforeInfo)
{
    // One receiver for every address of the loopback range, so the arrival order is the send order.
    QUdpSocket receiver;
    ASSERT_TRUE(receiver.bind(QHostAddress::AnyIPv4, 0));
    const QStringList addresses{QStringLiteral("127.0.0.3"), QStringLiteral("127.0.0.1"), QStringLiteral("127.0.0.2")};
    for (const QString &address : addresses)
        addServer(address, receiver.localPort());
    addServer(QStringLiteral("127.0.0.1"), receiver.localPort()); // a twin is queried too

    const auto engine = boundEngine();
    engine->queryAllServers();
    QList<std::pair<QString, QString>> seen;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            while (receiver.hasPendingDatagrams()) {
                const QNetworkDatagram d = receiver.receiveDatagram();
                EXPECT_EQ(d.senderPort(), engine->localPort());
                seen.append({d.destinationAddress().toString(), HlReplies::requestKind(d.data())});
            }
            return seen.size() >= 8;
        },
        5000));
    const QList<std::pair<QString, QString>> expected{
        {addresses[0], QStringLiteral("players")}, {addresses[0], QStringLiteral("info")},
        {addresses[1], QStringLiteral("players")}, {addresses[1], QStringLiteral("info")},
        {addresses[2], QStringLiteral("players")}, {addresses[2], QStringLiteral("info")},
        {addresses[1], QStringLiteral("players")}, {addresses[1], QStringLiteral("info")}};
    if (seen[0].first.isEmpty() || seen[0].first == QStringLiteral("0.0.0.0")) {
        // The platform gives no destination address; the kinds must still alternate.
        for (qsizetype i = 0; i < seen.size(); ++i)
            EXPECT_EQ(seen[i].second, expected[i].second);
    } else {
        EXPECT_EQ(seen, expected);
    }
}

TEST_F(QueryEngineTest, WithCheckingOffTicksSendNothingButRepliesAreStillFolded)
{
    auto &sim = simulate(describe("Quiet", {"p"}));
    const auto server = addServer(loopbackText, sim.port());
    const auto engine = boundEngine();
    engine->disableChecking();
    engine->setQueryInterval(10ms);
    QTest::qWait(200);
    EXPECT_TRUE(sim.requestsSeen().isEmpty());
    EXPECT_FALSE(answered(*server));

    // A reply arriving while checking is off is handled like any other.
    engine->queryAllServers();
    engine->setQueryInterval(0ms);
    ASSERT_TRUE(QTest::qWaitFor([&] { return answered(*server); }, 5000));
    EXPECT_EQ(server->name(), QStringLiteral("Quiet"));
    EXPECT_EQ(sim.requestsSeen().size(), 2);
}

TEST_F(QueryEngineTest, MatchingTickRunsOnlyWhileCheckingIsOn)
{
    const auto engine = std::make_unique<QueryEngine>(0);
    EXPECT_TRUE(engine->chkTimer().isActive());
    EXPECT_EQ(engine->chkTimer().intervalAsDuration(), 5000ms);
    QSignalSpy ticks(engine.get(), &QueryEngine::matchingTick);
    engine->chkTimer().setInterval(10ms);
    engine->disableChecking();
    QTest::qWait(150);
    EXPECT_EQ(ticks.count(), 0);
    engine->enableChecking();
    EXPECT_TRUE(ticks.wait(2000));
}

TEST_F(QueryEngineTest, CheckingOperationsSetTheFlagAndTellTheActiveBox)
{
    QueryEngine engine(0);
    QSignalSpy changed(&engine, &QueryEngine::checkingChanged);
    engine.enableChecking();
    EXPECT_TRUE(mdlZibProcessing::checkingEnabled);
    engine.disableChecking();
    EXPECT_FALSE(mdlZibProcessing::checkingEnabled);
    ASSERT_EQ(changed.count(), 2);
    EXPECT_TRUE(changed[0][0].toBool());
    EXPECT_FALSE(changed[1][0].toBool());
}

TEST_F(QueryEngineTest, QueryIntervalComesFromTheCheckSpeedAndZeroMeansNoTicks)
{
    EXPECT_EQ(QueryEngine::queryInterval(5), 5000ms);
    EXPECT_EQ(QueryEngine::queryInterval(60), 60000ms);
    EXPECT_EQ(QueryEngine::queryInterval(0), 0ms);
    EXPECT_EQ(QueryEngine::queryInterval(-5), 0ms);

    QueryEngine engine(0);
    EXPECT_FALSE(engine.tmrQuery().isActive());
    engine.setQueryInterval(QueryEngine::queryInterval(60));
    EXPECT_TRUE(engine.tmrQuery().isActive());
    EXPECT_EQ(engine.tmrQuery().intervalAsDuration(), 60000ms);
    engine.setQueryInterval(QueryEngine::queryInterval(0));
    EXPECT_FALSE(engine.tmrQuery().isActive());

    // A zero interval must not turn into a tick on every pass of the event loop.
    auto &sim = simulate(describe("Idle"));
    addServer(loopbackText, sim.port());
    engine.enableChecking();
    QTest::qWait(100);
    EXPECT_TRUE(sim.requestsSeen().isEmpty());
}

TEST_F(QueryEngineTest, APortAnotherProgramHoldsIsReportedWithThePort)
{
    QUdpSocket holder;
    ASSERT_TRUE(holder.bind(QHostAddress::AnyIPv4, 0, QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint));
    QueryEngine engine(holder.localPort());
    const QString problem = engine.bindSocket();
    EXPECT_FALSE(problem.isEmpty());
    EXPECT_TRUE(problem.contains(QString::number(holder.localPort()))) << qPrintable(problem);
    EXPECT_FALSE(engine.isBound());

    holder.close();
    EXPECT_EQ(engine.bindSocket(), QString());
    EXPECT_TRUE(engine.isBound());
}

TEST_F(QueryEngineTest, ABoundPortCannotBeSharedByAnotherProgram)
{
    // Windows lets a second socket that asks to share an address take over its datagrams unless
    // the first one bound it exclusively; the servers' replies must keep coming to Zib.
    QueryEngine engine(0);
    ASSERT_EQ(engine.bindSocket(), QString());
    QUdpSocket thief;
    EXPECT_FALSE(thief.bind(QHostAddress::AnyIPv4, engine.localPort(),
                            QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint));
    EXPECT_FALSE(thief.bind(loopback, engine.localPort(),
                            QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint));
}

TEST_F(QueryEngineTest, AnUnboundSocketIsBoundToItsPortByTheFirstSend)
{
    // Find a free port, then let the engine take it by sending.
    quint16 port = 0;
    {
        QUdpSocket probe;
        ASSERT_TRUE(probe.bind(QHostAddress::AnyIPv4, 0));
        port = probe.localPort();
    }
    QUdpSocket receiver;
    ASSERT_TRUE(receiver.bind(loopback, 0));
    QueryEngine engine(port);
    EXPECT_FALSE(engine.isBound());
    engine.sendHalflifeQuery(loopbackText, receiver.localPort(), QStringLiteral("info"));
    ASSERT_TRUE(receiver.waitForReadyRead(5000));
    const QNetworkDatagram d = receiver.receiveDatagram();
    EXPECT_EQ(d.senderPort(), port);
    EXPECT_EQ(d.data(), QueryDatagrams::buildRequest(QStringLiteral("info")));
    EXPECT_GT(engine.receiveBufferSize(), 0);
}

TEST_F(QueryEngineTest, UnusableAddressesAreSkippedAndTheOthersStillQueried)
{
    auto &sim = simulate(describe("Reachable", {"p"}));
    addServer(QString(), 27015);
    addServer(QStringLiteral("not an address"), 27015);
    addServer(loopbackText, -1);
    const auto reachable = addServer(loopbackText, sim.port());
    const auto engine = boundEngine();
    engine->queryAllServers();
    ASSERT_TRUE(QTest::qWaitFor([&] { return answered(*reachable); }, 5000));
    EXPECT_EQ(mdlZibProcessing::gameServers[0]->name(), QStringLiteral("New Server"));
    EXPECT_EQ(mdlZibProcessing::gameServers[2]->name(), QStringLiteral("New Server"));
}

TEST_F(QueryEngineTest, MisbehavingServersSpoilNothingButTheirOwnRecords)
{
    const auto names = QList<QByteArray>{"[X]Ann", "Bob"};
    SimulatedServer::Misbehaviour silent;
    silent.silent = true;
    SimulatedServer::Misbehaviour otherPort;
    otherPort.fromOtherPort = true;
    SimulatedServer::Misbehaviour garbled;
    garbled.garble = true;
    SimulatedServer::Misbehaviour cut;
    cut.truncateTo = 10; // inside the first name, inside the info reply's own address
    SimulatedServer::Misbehaviour late;
    late.delay = 300ms;

    auto &good = simulate(describe("Good", names));
    auto &mute = simulate(describe("Mute", names), silent);
    auto &stray = simulate(describe("Stray", names), otherPort);
    auto &noisy = simulate(describe("Noisy", names), garbled);
    auto &truncated = simulate(describe("Cut", names), cut);
    auto &slow = simulate(describe("Slow", names), late);
    const auto goodRecord = addServer(loopbackText, good.port());
    const auto muteRecord = addServer(loopbackText, mute.port());
    const auto strayRecord = addServer(loopbackText, stray.port());
    const auto noisyRecord = addServer(loopbackText, noisy.port());
    const auto cutRecord = addServer(loopbackText, truncated.port());
    const auto slowRecord = addServer(loopbackText, slow.port());

    const auto engine = boundEngine();
    engine->queryAllServers();
    ASSERT_TRUE(QTest::qWaitFor([&] { return answered(*goodRecord) && answered(*slowRecord); }, 5000));
    QTest::qWait(100);

    EXPECT_EQ(goodRecord->playerNames(), QStringList({QStringLiteral("[X]Ann"), QStringLiteral("Bob")}));
    EXPECT_EQ(slowRecord->name(), QStringLiteral("Slow"));
    EXPECT_EQ(mute.requestsSeen().size(), 2);
    EXPECT_EQ(muteRecord->name(), QStringLiteral("New Server"));
    // Answers from a port we never asked belong to no server.
    EXPECT_EQ(stray.requestsSeen().size(), 2);
    EXPECT_EQ(strayRecord->name(), QStringLiteral("New Server"));
    EXPECT_TRUE(strayRecord->playerNames().isEmpty());
    // Cut inside the first name: a players reply with no complete name, and no info at all.
    EXPECT_EQ(cutRecord->activePlayers(), 2);
    EXPECT_TRUE(cutRecord->playerNames().isEmpty());
    EXPECT_EQ(cutRecord->name(), QStringLiteral("New Server"));
    // Noise keeps the header and type; whatever it yields stays inside the datagram.
    EXPECT_EQ(noisy.requestsSeen().size(), 2);
    for (const QString &name : noisyRecord->playerNames())
        EXPECT_LT(name.size(), 100);
}

TEST_F(QueryEngineTest, ABurstOfRepliesFromHundredsOfServersIsNotDropped)
{
    constexpr int serverCount = 300;
    const auto engine = boundEngine();
    // The engine must get as much as the system will give anyone who asks (Linux caps the request
    // at net.core.rmem_max and reports twice what it keeps, for its own bookkeeping).
    QUdpSocket probe;
    ASSERT_TRUE(probe.bind(loopback, 0));
    probe.setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, UdpTransport::receiveBufferRequest);
    const qint64 possible = probe.socketOption(QAbstractSocket::ReceiveBufferSizeSocketOption).toLongLong();
    // Where the system lets us (Linux, CAP_NET_ADMIN) the engine gets past that cap.
    EXPECT_GE(engine->receiveBufferSize(), possible);
    if (possible < UdpTransport::receiveBufferRequest)
        GTEST_SKIP() << "the system grants a receive buffer of only " << possible << " bytes";

    QList<QByteArray> players;
    for (int i = 0; i < 32; ++i)
        players.append("[X]Player_number_" + QByteArray::number(i));
    std::vector<std::unique_ptr<QUdpSocket>> senders;
    for (int i = 0; i < serverCount; ++i) {
        senders.push_back(std::make_unique<QUdpSocket>());
        ASSERT_TRUE(senders.back()->bind(loopback, 0));
        addServer(loopbackText, senders.back()->localPort());
    }
    // Every reply is queued before the engine gets a chance to read one, as when the UI thread is
    // busy while a whole tick's answers come in.
    for (int i = 0; i < serverCount; ++i) {
        const auto description = describe("Server " + QByteArray::number(i), players);
        senders[i]->writeDatagram(HlReplies::playersReply(description), loopback, engine->localPort());
        senders[i]->writeDatagram(HlReplies::infoReply(description, "x"), loopback, engine->localPort());
    }
    QSignalSpy folded(engine.get(), &QueryEngine::replyFolded);
    ASSERT_TRUE(QTest::qWaitFor([&] { return folded.count() >= 2 * serverCount; }, 5000)) << folded.count();
    for (int i = 0; i < serverCount; ++i) {
        const auto &server = mdlZibProcessing::gameServers[i];
        EXPECT_EQ(server->name(), QStringLiteral("Server ") + QString::number(i));
        EXPECT_EQ(server->playerNames().size(), 32);
    }
}

TEST_F(QueryEngineTest, AWakeUpReadsABatchAndTheRestFollowOnLaterPasses)
{
    constexpr int waiting = 1000;
    const auto engine = boundEngine();
    QUdpSocket stranger;
    ASSERT_TRUE(stranger.bind(loopback, 0));
    // All of them in the buffer before the engine reads any, as in a flood.
    const QByteArray reply = HlReplies::playersReply(describe("Flood", {"a", "b"}));
    for (int i = 0; i < waiting; ++i)
        ASSERT_EQ(stranger.writeDatagram(reply, loopback, engine->localPort()), reply.size());

    QElapsedTimer waited;
    waited.start();
    while (engine->datagramsRead() == 0 && waited.elapsed() < 5000)
        QCoreApplication::processEvents();
    // One pass of the event loop read one batch and handed control back...
    EXPECT_GT(engine->datagramsRead(), 0u);
    EXPECT_LE(engine->datagramsRead(), quint64(QueryEngine::readBatch));
    // ...and later passes came back for the rest without a new arrival to wake them.
    EXPECT_TRUE(QTest::qWaitFor([&] { return engine->datagramsRead() >= quint64(waiting); }, 5000))
        << engine->datagramsRead();
}

TEST_F(QueryEngineTest, ALongListLosesNoReplyToTheStockBuffer)
{
    constexpr int serverCount = 200;
    QList<QByteArray> players;
    for (int i = 0; i < 24; ++i)
        players.append("[X]Player_number_" + QByteArray::number(i));
    QList<std::shared_ptr<GameServer>> records;
    for (int i = 0; i < serverCount; ++i)
        records.append(addServer(loopbackText, simulate(describe("S" + QByteArray::number(i), players)).port()));

    const auto engine = boundEngine();
    // What an unprivileged program gets on a stock Linux desktop: a few hundred replies' worth,
    // fewer than one pass brings.
    engine->setReceiveBufferSize(212992);
    ASSERT_LT(engine->receiveBufferSize(), 512 * 1024);
    engine->queryAllServers();

    QSignalSpy folded(engine.get(), &QueryEngine::replyFolded);
    EXPECT_TRUE(QTest::qWaitFor([&] { return folded.count() >= 2 * serverCount; }, 10000)) << folded.count();
    EXPECT_EQ(engine->queuedRequests(), 0u);
    for (int i = 0; i < serverCount; ++i) {
        EXPECT_EQ(records[i]->playerNames().size(), 24) << i;
        EXPECT_EQ(records[i]->name(), QStringLiteral("S") + QString::number(i));
    }
}

TEST_F(QueryEngineTest, ServersThatNeverAnswerDoNotHoldUpThoseAfterThem)
{
    const auto engine = boundEngine();
    engine->setReceiveBufferSize(16384);
    SimulatedServer::Misbehaviour silent;
    silent.silent = true;
    for (int i = 0; i < 200; ++i)
        addServer(loopbackText, simulate(describe("Quiet"), silent).port());
    const auto last = addServer(loopbackText, simulate(describe("Last", {"only"})).port());

    QElapsedTimer clock;
    clock.start();
    engine->queryAllServers();
    ASSERT_TRUE(QTest::qWaitFor([&] { return answered(*last); }, 5000));
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_EQ(engine->queuedRequests(), 0u);
}

TEST_F(QueryEngineTest, RequestsTheSystemRefusesHoldNothingUp)
{
    const auto engine = boundEngine();
    // Nothing can be sent to port 0: the system turns each of these down at once.
    for (int i = 0; i < 100; ++i)
        addServer(loopbackText, 0);
    const auto last = addServer(loopbackText, simulate(describe("Last", {"only"})).port());

    QElapsedTimer clock;
    clock.start();
    engine->queryAllServers();
    EXPECT_TRUE(QTest::qWaitFor([&] { return answered(*last); }, 5000));
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_EQ(engine->requestsSent(), 2u) << "only the last server's pair left";
}

TEST_F(QueryEngineTest, ARoundTripIsMeasuredFromTheRequestItAnswers)
{
    SimulatedServer::Misbehaviour slow;
    slow.delay = 150ms;
    const auto far = addServer(loopbackText, simulate(describe("Far", {"p"}), slow).port());
    const auto engine = boundEngine();
    engine->queryAllServers();
    ASSERT_TRUE(QTest::qWaitFor([&] { return answered(*far); }, 5000));
    ASSERT_TRUE(far->lastRoundTrip().has_value());
    EXPECT_GE(*far->lastRoundTrip(), 150ms);
    EXPECT_LT(*far->lastRoundTrip(), 1500ms);
    EXPECT_TRUE(far->takeAnsweredSincePass());
}

TEST_F(QueryEngineTest, ClosingTheSocketDropsWhatWasStillWaitingToGoOut)
{
    // More than the send rate lets out in the moment before the close.
    for (int i = 0; i < 20000; ++i)
        addServer(loopbackText, 9);
    const auto engine = boundEngine();
    engine->queryAllServers();
    ASSERT_GT(engine->queuedRequests(), 0u);
    engine->closeSocket();
    EXPECT_EQ(engine->queuedRequests(), 0u);
    const quint64 sent = engine->requestsSent();
    EXPECT_LT(sent, 40000u);
    // Nothing left to send on a closed socket, and nothing waiting to trip over it later.
    QTest::qWait(50);
    EXPECT_FALSE(engine->isBound());
    EXPECT_EQ(engine->requestsSent(), sent);
}

} // namespace

// Queued requests and the send rate: what a long list does to the queue.
class QueryQueueTest : public QueryEngineTest
{
protected:
    // Records that all point at one port where nothing listens: every request leaves, and none
    // is answered. Long enough that a pass takes a good while to go out at the send rate.
    void unanswered(int records)
    {
        QUdpSocket probe;
        ASSERT_TRUE(probe.bind(loopback, 0));
        const quint16 port = probe.localPort();
        probe.close();
        for (int i = 0; i < records; ++i)
            addServer(loopbackText, port);
    }

    static constexpr int records = 5000;
    // What one pass asks: a text pair for each record, and from the second pass on, the binary
    // pair of the first record of that address and port, which never answered.
    static constexpr quint64 firstPass = 2 * records;
    static constexpr quint64 laterPass = 2 * records + 2;
};

TEST_F(QueryQueueTest, RequestsLeaveAtTheSendRate)
{
    unanswered(records);
    const auto engine = boundEngine();
    QElapsedTimer clock;
    clock.start();
    engine->queryAllServers();
    ASSERT_TRUE(QTest::qWaitFor([&] { return engine->requestsSent() == firstPass; }, 10000))
        << engine->requestsSent();
    const double fastest = double(firstPass - engine->sendBurst()) / engine->sendRate();
    EXPECT_GE(clock.elapsed(), qint64(fastest * 1000 * 0.9));
}

TEST_F(QueryQueueTest, SwitchingCheckingOffStopsTheRequestsStillWaiting)
{
    unanswered(records);
    const auto engine = boundEngine();
    engine->enableChecking();
    engine->queryAllServers();
    ASSERT_GT(engine->queuedRequests(), 0u);

    // Through the checking operation: the waiting requests go at once.
    engine->disableChecking();
    EXPECT_EQ(engine->queuedRequests(), 0u);
    QTest::qWait(100);
    quint64 sent = engine->requestsSent();
    EXPECT_LT(sent, firstPass);

    // Through the "Active" box, which sets the flag alone: they go soon after.
    engine->enableChecking();
    engine->queryAllServers();
    mdlZibProcessing::checkingEnabled = false;
    EXPECT_TRUE(QTest::qWaitFor([&] { return engine->queuedRequests() == 0; }, 5000));
    // A batch the socket's thread took before the drop may still be going out (slowly under Wine).
    for (quint64 before = 0; before != engine->requestsSent();) {
        before = engine->requestsSent();
        QTest::qWait(100);
    }
    EXPECT_LT(engine->requestsSent() - sent, laterPass);
    sent = engine->requestsSent();

    // A pass asked for with checking off, as start-up asks its first one, still goes out whole.
    engine->queryAllServers();
    EXPECT_TRUE(QTest::qWaitFor([&] { return engine->requestsSent() - sent == laterPass; }, 10000))
        << engine->requestsSent() - sent;
}

TEST_F(QueryQueueTest, PassesAskedForWhileOneIsGoingOutMakeOneMoreNotAPile)
{
    unanswered(records);
    const auto engine = boundEngine();
    engine->enableChecking();
    for (int tick = 0; tick < 3; ++tick)
        engine->queryAllServers();
    EXPECT_GT(engine->queuedRequests(), 0u);
    EXPECT_TRUE(engine->passWaiting());

    // The first pass, then the one that waited, and nothing more.
    ASSERT_TRUE(QTest::qWaitFor([&] { return engine->queuedRequests() == 0 && !engine->passWaiting(); }, 10000));
    QTest::qWait(100);
    EXPECT_EQ(engine->requestsSent(), firstPass + laterPass);

    // Ticks faster than a pass can go out never let the queue grow past one pass.
    engine->setQueryInterval(5ms);
    QElapsedTimer clock;
    clock.start();
    std::size_t most = 0;
    while (clock.elapsed() < 300) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        most = std::max(most, engine->queuedRequests());
    }
    engine->setQueryInterval(0ms);
    EXPECT_GT(most, 0u);
    EXPECT_LE(most, std::size_t(laterPass));
}
