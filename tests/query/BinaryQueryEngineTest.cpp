#include "HlReplies.h"
#include "SimulatedServer.h"
#include "alerts/AlertFixtures.h"
#include "model/mdlZibProcessing.h"
#include "query/QueryDatagrams.h"
#include "query/QueryEngine.h"

#include <QNetworkDatagram>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <vector>

using namespace std::chrono_literals;
using Mode = HlReplies::Protocol::Mode;

namespace {

const QHostAddress loopback(QHostAddress::LocalHost);
const QString loopbackText = QStringLiteral("127.0.0.1");
const QStringList clan{QStringLiteral("[X]Ann"), QStringLiteral("Bob"), QStringLiteral("[X]Cid")};

// The engine against simulated servers that answer the text queries, the binary ones, or both.
class BinaryQueryEngineTest : public SettingsFixture
{
protected:
    void SetUp() override
    {
        SettingsFixture::SetUp();
        m_engine = std::make_unique<QueryEngine>(0);
        ASSERT_EQ(m_engine->bindSocket(), QString());
    }

    std::shared_ptr<GameServer> addRecord(quint16 port)
    {
        auto server = std::make_shared<GameServer>();
        server->setAddress(loopbackText);
        server->setPort(port);
        server->setName(QStringLiteral("New Server"));
        server->setServerNumber(static_cast<qint16>(mdlZibProcessing::gameServers.size() + 1));
        mdlZibProcessing::gameServers.append(server);
        return server;
    }

    SimulatedServer &simulate(HlReplies::Protocol protocol, SimulatedServer::Misbehaviour bad = {})
    {
        HlReplies::ServerDescription d;
        d.name = "Arena";
        d.mapName = "bounce";
        d.maxPlayers = 21;
        for (const QString &name : clan)
            d.playerNames.append(name.toLatin1());
        m_sims.push_back(std::make_unique<SimulatedServer>(d, bad));
        m_sims.back()->setProtocol(protocol);
        EXPECT_EQ(m_sims.back()->listen(loopback, 0), QString());
        return *m_sims.back();
    }

    static HlReplies::Protocol protocol(Mode mode)
    {
        HlReplies::Protocol p;
        p.mode = mode;
        return p;
    }

    /// One query pass, then time for the answers (and any follow-up) to come and go.
    void pass()
    {
        m_engine->queryAllServers();
        QTest::qWait(150);
    }

    static QStringList kinds(const SimulatedServer &sim, qsizetype from = 0)
    {
        return sim.requestsSeen().mid(from);
    }

    std::unique_ptr<QueryEngine> m_engine;
    std::vector<std::unique_ptr<SimulatedServer>> m_sims;
};

const QStringList textPair{QStringLiteral("players"), QStringLiteral("info")};

TEST_F(BinaryQueryEngineTest, AModernServerIsFilledWithinTwoPassesAndRaisesAnAlert)
{
    struct Case
    {
        const char *what;
        bool infoNeedsChallenge;
        bool infoAsDetails;
        qint16 maxPlayers;
    };
    for (const Case c : {Case{"plain info", false, false, 21}, Case{"info behind the challenge", true, false, 21},
                         Case{"info answered the old way", false, true, 20}}) {
        SCOPED_TRACE(c.what);
        mdlZibProcessing::gameServers.clear();
        mdlZibProcessing::clanFilters.clear();
        auto p = protocol(Mode::Modern);
        p.infoNeedsChallenge = c.infoNeedsChallenge;
        p.infoAsDetails = c.infoAsDetails;
        auto &sim = simulate(p);
        const auto record = addRecord(sim.port());

        pass();
        // The first pass is the text pair alone, and a modern server ignores it.
        EXPECT_EQ(kinds(sim), textPair);
        EXPECT_EQ(record->name(), QStringLiteral("New Server"));

        m_engine->queryAllServers();
        ASSERT_TRUE(QTest::qWaitFor([&] { return record->playerNames() == clan && record->mapName() == QStringLiteral("bounce"); }, 5000));
        EXPECT_EQ(record->name(), QStringLiteral("Arena"));
        EXPECT_EQ(record->maxPlayers(), c.maxPlayers);
        EXPECT_EQ(record->activePlayers(), 3);
        EXPECT_FALSE(m_engine->answeredTextQuery(record));
        EXPECT_EQ(m_engine->lastChallenge(record), sim.protocol().challenge);

        mdlZibProcessing::AlertSpeed = 0;
        mdlZibProcessing::lastAlertTime = QDateTime::currentDateTime().addSecs(-3600);
        addFilter(QStringLiteral("[X]"), true, 2);
        RecordingOutput output;
        ClanMatching::checkClanFilters(output);
        EXPECT_EQ(record->filterPlayers(), 2);
        ASSERT_EQ(output.popups.size(), 1u);
        EXPECT_EQ(output.popups[0], std::make_pair(qint16(1), qint16(1)));
    }
}

TEST_F(BinaryQueryEngineTest, ALegacyServerGetsTheTextPairAloneOnEveryPass)
{
    auto &sim = simulate(protocol(Mode::Legacy));
    const auto record = addRecord(sim.port());
    for (int n = 1; n <= 4; ++n)
        pass();
    EXPECT_EQ(kinds(sim), textPair + textPair + textPair + textPair);
    EXPECT_TRUE(m_engine->answeredTextQuery(record));
    EXPECT_EQ(record->playerNames(), clan);
}

TEST_F(BinaryQueryEngineTest, AServerAnsweringBothIsAskedAndCountedOnce)
{
    auto &both = simulate(protocol(Mode::Both));
    const auto record = addRecord(both.port());
    for (int n = 1; n <= 3; ++n)
        pass();
    EXPECT_EQ(kinds(both), textPair + textPair + textPair);
    EXPECT_EQ(record->playerNames(), clan);
    EXPECT_EQ(record->activePlayers(), 3);
    addFilter(QStringLiteral("[X]"), false, 1);
    RecordingOutput output;
    ClanMatching::checkClanFilters(output);
    EXPECT_EQ(record->filterPlayers(), 2);
}

TEST_F(BinaryQueryEngineTest, AServerThatAnswersTextLateStopsGettingBinaryQueries)
{
    // Silent through the first pass (as when the answers are lost), then it answers everything.
    auto &both = simulate(protocol(Mode::Both));
    const auto record = addRecord(both.port());
    auto p = protocol(Mode::Modern);
    both.setProtocol(p);
    pass();
    pass();
    EXPECT_TRUE(kinds(both, 2).contains(QStringLiteral("A2S_PLAYER")));
    EXPECT_FALSE(m_engine->answeredTextQuery(record));
    both.setProtocol(protocol(Mode::Both));
    pass();
    EXPECT_TRUE(m_engine->answeredTextQuery(record));
    const qsizetype before = kinds(both).size();
    pass();
    EXPECT_EQ(kinds(both, before), textPair);
}

TEST_F(BinaryQueryEngineTest, AChangedChallengeIsFollowed)
{
    auto &sim = simulate(protocol(Mode::Modern));
    const auto record = addRecord(sim.port());
    pass();
    pass();
    ASSERT_EQ(record->playerNames(), clan);
    const QByteArray first = sim.protocol().challenge;
    EXPECT_EQ(m_engine->lastChallenge(record), first);

    const QByteArray second = fromHex("01 23 45 67");
    sim.setChallenge(second);
    auto d = sim.description();
    d.playerNames = {"[X]New"};
    sim.setDescription(d);
    const qsizetype before = sim.requestBytesSeen().size();
    m_engine->queryAllServers();
    ASSERT_TRUE(QTest::qWaitFor([&] { return record->playerNames() == QStringList{QStringLiteral("[X]New")}; }, 5000));
    EXPECT_EQ(m_engine->lastChallenge(record), second);
    QList<QByteArray> playerRequests;
    for (const QByteArray &request : sim.requestBytesSeen().mid(before)) {
        if (HlReplies::requestKind(request) == QStringLiteral("A2S_PLAYER"))
            playerRequests.append(request);
    }
    // The pass asks with the challenge it knows, then once more with the new one.
    EXPECT_EQ(playerRequests, QList<QByteArray>({QueryDatagrams::a2sPlayerRequest(first),
                                                 QueryDatagrams::a2sPlayerRequest(second)}));
}

TEST_F(BinaryQueryEngineTest, AServerChangingItsChallengeOnEveryRequestCannotMakeUsFloodIt)
{
    // A hostile server: every request gets an 'A' with a fresh challenge, and a few unasked ones too.
    QUdpSocket hostile;
    ASSERT_TRUE(hostile.bind(loopback, 0));
    addRecord(hostile.localPort());
    addRecord(hostile.localPort()); // listed twice: still one server to the rate limit
    quint32 next = 1;
    QList<QByteArray> received;
    QObject::connect(&hostile, &QUdpSocket::readyRead, &hostile, [&] {
        while (hostile.hasPendingDatagrams()) {
            const QNetworkDatagram d = hostile.receiveDatagram();
            received.append(d.data());
            for (int burst = 0; burst < 3; ++burst) {
                QByteArray reply = fromHex("FF FF FF FF 41");
                reply.append(reinterpret_cast<const char *>(&next), 4);
                ++next;
                hostile.writeDatagram(reply, d.senderAddress(), static_cast<quint16>(d.senderPort()));
            }
        }
    });
    for (int n = 1; n <= 3; ++n) {
        SCOPED_TRACE(n);
        received.clear();
        pass();
        QMap<QString, int> perKind;
        for (const QByteArray &request : received)
            ++perKind[HlReplies::requestKind(request)];
        // Two records: the text pair twice. Binary: one of each, plus one resend of each.
        EXPECT_EQ(perKind.value(QStringLiteral("players")), 2);
        EXPECT_EQ(perKind.value(QStringLiteral("info")), 2);
        EXPECT_EQ(perKind.value(QStringLiteral("A2S_INFO")), n == 1 ? 0 : 2);
        EXPECT_EQ(perKind.value(QStringLiteral("A2S_PLAYER")), n == 1 ? 0 : 2);
        EXPECT_EQ(received.size(), n == 1 ? 4 : 8);
    }
}

TEST_F(BinaryQueryEngineTest, AReloadedServerListStartsAfresh)
{
    auto &legacy = simulate(protocol(Mode::Legacy));
    auto &modern = simulate(protocol(Mode::Modern));
    addRecord(legacy.port());
    addRecord(modern.port());
    pass();
    pass();
    ASSERT_TRUE(m_engine->answeredTextQuery(mdlZibProcessing::gameServers[0]));
    ASSERT_FALSE(m_engine->lastChallenge(mdlZibProcessing::gameServers[1]).isEmpty());

    // What a reload from the settings file does: new records for the same servers.
    mdlZibProcessing::gameServers.clear();
    const auto legacyAgain = addRecord(legacy.port());
    const auto modernAgain = addRecord(modern.port());
    EXPECT_FALSE(m_engine->answeredTextQuery(legacyAgain));
    EXPECT_TRUE(m_engine->lastChallenge(modernAgain).isEmpty());
    const qsizetype before = kinds(modern).size();
    pass();
    // A first pass again: the text pair only, even to the server known to want binary queries.
    EXPECT_EQ(kinds(modern, before), textPair);
    pass();
    EXPECT_EQ(kinds(modern, before + 2).mid(0, 4),
              QStringList({QStringLiteral("players"), QStringLiteral("info"), QStringLiteral("A2S_INFO"),
                           QStringLiteral("A2S_PLAYER")}));
    // The first player request after the reload carries no challenge: the old one died with the record.
    QByteArray firstPlayer;
    for (const QByteArray &request : modern.requestBytesSeen().mid(before)) {
        if (HlReplies::requestKind(request) == QStringLiteral("A2S_PLAYER")) {
            firstPlayer = request;
            break;
        }
    }
    EXPECT_EQ(firstPlayer, QueryDatagrams::a2sPlayerRequest(QueryDatagrams::noChallenge));
}

TEST_F(BinaryQueryEngineTest, SplitRepliesAreReassembledAndALostPartSpoilsNothing)
{
    SimulatedServer::Misbehaviour split;
    split.splitPayload = 12;
    SimulatedServer::Misbehaviour lossy = split;
    lossy.loseSplitPart = 1;
    auto &whole = simulate(protocol(Mode::Modern), split);
    auto &broken = simulate(protocol(Mode::Modern), lossy);
    const auto wholeRecord = addRecord(whole.port());
    const auto brokenRecord = addRecord(broken.port());
    pass();
    m_engine->queryAllServers();
    ASSERT_TRUE(QTest::qWaitFor([&] { return wholeRecord->playerNames() == clan && wholeRecord->name() == QStringLiteral("Arena"); },
                                5000));
    QTest::qWait(100);
    EXPECT_EQ(brokenRecord->name(), QStringLiteral("New Server"));
    EXPECT_TRUE(brokenRecord->playerNames().isEmpty());
    EXPECT_EQ(brokenRecord->activePlayers(), 0);
}

TEST_F(BinaryQueryEngineTest, SplitPartsMustAllArriveWithinOneQueryInterval)
{
    QUdpSocket server;
    ASSERT_TRUE(server.bind(loopback, 0));
    QUdpSocket stranger;
    ASSERT_TRUE(stranger.bind(loopback, 0));
    const auto record = addRecord(server.localPort());
    m_engine->disableChecking();
    m_engine->setQueryInterval(200ms);
    EXPECT_EQ(m_engine->splitWindow(), 200ms);
    QSignalSpy folded(m_engine.get(), &QueryEngine::replyFolded);

    HlReplies::ServerDescription d;
    d.playerNames = {"[X]Late"};
    const QList<QByteArray> late = HlReplies::splitReply(HlReplies::playersReply(d), 10, 1);
    d.playerNames = {"[X]OnTime"};
    const QList<QByteArray> onTime = HlReplies::splitReply(HlReplies::playersReply(d), 10, 2);
    ASSERT_EQ(late.size(), 3);
    ASSERT_EQ(onTime.size(), 3);

    const auto send = [&](QUdpSocket &from, const QByteArray &bytes) {
        from.writeDatagram(bytes, loopback, m_engine->localPort());
    };
    send(server, late[0]);
    send(server, late[1]);
    QTest::qWait(400);
    send(server, late[2]);
    // From a stranger, every part arrives, but belongs to nobody.
    for (const QByteArray &bytes : onTime)
        send(stranger, bytes);
    QTest::qWait(100);
    EXPECT_EQ(folded.count(), 0);
    EXPECT_TRUE(record->playerNames().isEmpty());

    for (const QByteArray &bytes : onTime)
        send(server, bytes);
    ASSERT_TRUE(folded.wait(2000));
    EXPECT_EQ(record->playerNames(), QStringList({QStringLiteral("[X]OnTime")}));

    // Without query ticks the shortest check speed stands in for the interval.
    m_engine->setQueryInterval(0ms);
    EXPECT_EQ(m_engine->splitWindow(), QueryEngine::matchingInterval);
}

} // namespace
