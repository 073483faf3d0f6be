#include "MainWindowFixture.h"

#include "model/mdlZibProcessing.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <chrono>

using namespace std::chrono_literals;

using SimulatedServer = HlsimProcess;

TEST_F(MainWindowFixture, LiveServersAreListedByHitsAndWhatTheyToldIsSaved)
{
    SimulatedServer alpha({QStringLiteral("--name"), QStringLiteral("Alpha Arena"), QStringLiteral("--map"),
                           QStringLiteral("stalkyard"), QStringLiteral("--max"), QStringLiteral("12"),
                           QStringLiteral("--player"), QStringLiteral("[X]Ann"), QStringLiteral("--player"),
                           QStringLiteral("[X]Bo"), QStringLiteral("--player"), QStringLiteral("Cy")});
    SimulatedServer beta({QStringLiteral("--name"), QStringLiteral("Beta Base"), QStringLiteral("--max"),
                          QStringLiteral("20"), QStringLiteral("--player"), QStringLiteral("Dee[X]"),
                          QStringLiteral("--players"), QStringLiteral("3")});
    SimulatedServer quiet({QStringLiteral("--silent")});
    const quint16 alphaPort = alpha.waitReady();
    const quint16 betaPort = beta.waitReady();
    const quint16 quietPort = quiet.waitReady();
    ASSERT_NE(alphaPort, 0);
    ASSERT_NE(betaPort, 0);
    ASSERT_NE(quietPort, 0);

    // The first server by host name, listed after the others so that the hits must reorder it.
    resolveHosts({{QStringLiteral("alpha.example.test"), QStringLiteral("127.0.0.1")}});
    writeServers({{QStringLiteral("Quiet One"), QStringLiteral("127.0.0.1"), QString::number(quietPort)},
                  {QStringLiteral("Placeholder B"), QStringLiteral("127.0.0.1"), QString::number(betaPort)},
                  {QStringLiteral("Placeholder A"), QStringLiteral("alpha.example.test"), QString::number(alphaPort)}},
                 5);
    QByteArray filters = fileBytes() + "[CLANFILTER 1]\r\nTag=[X]\r\nAlert=FALSE\r\nTrigger=3\r\n";
    writeFile(filters);

    mainZibWindow &window = start();
    QTest::mouseClick(control<QPushButton>("btnViewServers"), Qt::LeftButton);
    // The same ticks, only closer together.
    window.queryEngine().setQueryInterval(300ms);
    window.queryEngine().chkTimer().setInterval(200ms);

    const QStringList expectedNames = {QStringLiteral("Alpha Arena"), QStringLiteral("Beta Base"),
                                       QStringLiteral("Quiet One")};
    EXPECT_TRUE(QTest::qWaitFor([&] { return gridColumn(1) == expectedNames; }, 10000))
        << gridColumn(1).join(u',').toStdString();
    EXPECT_EQ(gridColumn(4), (QStringList{QStringLiteral("2"), QStringLiteral("1"), QStringLiteral("0")}));
    // Three and four names; the capacity is the reply's maximum-players byte less one.
    EXPECT_EQ(gridColumn(3), (QStringList{QStringLiteral("3/11"), QStringLiteral("4/19"), QStringLiteral("0/0")}));
    EXPECT_EQ(gridColumn(2), (QStringList{QStringLiteral("stalkyard"), QStringLiteral("crossfire"), QString()}));

    clickCell(0, 1);
    const QString details = control<QPlainTextEdit>("txtResponse")->toPlainText();
    const QString told = QStringLiteral("SERVER: Alpha Arena\nAddr: 127.0.0.1\nPort: %1\n\n[X]Ann\n[X]Bo\nCy\n").arg(alphaPort);
    EXPECT_TRUE(details.startsWith(told)) << details.toStdString();
    // Below it, the round trip of the server's last reply.
    static const QRegularExpression roundTrip(QStringLiteral("^\nRound trip: \\d+ ms\n$"));
    EXPECT_TRUE(roundTrip.match(details.mid(told.size())).hasMatch()) << details.toStdString();

    window.close();
    EXPECT_EQ(fileValue(QStringLiteral("GAMESERVER 1"), QStringLiteral("Name")), QStringLiteral("Quiet One"));
    EXPECT_EQ(fileValue(QStringLiteral("GAMESERVER 2"), QStringLiteral("Name")), QStringLiteral("Beta Base"));
    EXPECT_EQ(fileValue(QStringLiteral("GAMESERVER 3"), QStringLiteral("Name")), QStringLiteral("Alpha Arena"));
    EXPECT_EQ(fileValue(QStringLiteral("GAMESERVER 3"), QStringLiteral("Address")), QStringLiteral("127.0.0.1"));
    EXPECT_EQ(fileValue(QStringLiteral("GAMESERVER 3"), QStringLiteral("Port")), QString::number(alphaPort));
}
