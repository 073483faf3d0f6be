#include "MainWindowFixture.h"

#include "model/GameServer.h"
#include "model/mdlZibProcessing.h"

#include <QTest>

namespace {

using LongListTest = MainWindowFixture;

// The whole program on the platform's own event loop: a first pass over a thousand servers that
// all answer at once must be read whole, so a close a few seconds later saves every name.
TEST_F(LongListTest, AFirstPassOverAThousandServersLearnsEveryNameBeforeAClose)
{
    constexpr int count = 1000;
    HlsimProcess swarm({QStringLiteral("--count"), QString::number(count), QStringLiteral("--players"),
                        QStringLiteral("16"), QStringLiteral("--name"), QStringLiteral("Server %n")});
    ASSERT_NE(swarm.waitReady(), 0);
    ASSERT_EQ(swarm.ports().size(), count);
    // The swarm's thousand ports come from where the system hands out free ones, as ours did.
    while (swarm.ports().contains(m_port))
        m_port = freeUdpPort();
    QList<QStringList> servers;
    for (const quint16 port : swarm.ports())
        servers.append({QStringLiteral("New Server"), QStringLiteral("127.0.0.1"), QString::number(port)});
    // No second pass comes before the close to make up for what the first one lost.
    writeServers(servers, 600);

    start();
    // Both replies of every server: its players and its name.
    const auto unanswered = [] {
        int missing = 0;
        for (int n = 1; n <= count; ++n) {
            const GameServer &server = *mdlZibProcessing::serverAt(static_cast<qint16>(n));
            missing += server.playerNames().size() == 16 && server.name() == QStringLiteral("Server %1").arg(n) ? 0 : 1;
        }
        return missing;
    };
    // Under Wine every socket call crosses into its server process, so the same pass takes
    // longer there; a reply left unread would still never come, however long the wait.
    static_cast<void>(QTest::qWaitFor([&] { return unanswered() == 0; }, runningUnderWine() ? 15000 : 3000));
    const int missing = unanswered();
    ASSERT_TRUE(m_window->close());

    EXPECT_EQ(missing, 0);
    int unnamed = 0;
    for (int n = 1; n <= count; ++n) {
        if (fileValue(QStringLiteral("GAMESERVER %1").arg(n), QStringLiteral("Name")) != QStringLiteral("Server %1").arg(n))
            ++unnamed;
    }
    EXPECT_EQ(unnamed, 0) << "of " << count << " names, these were not learned before the close";
}

} // namespace
