#include "model/mdlZibProcessing.h"
#include "query/QueryEngine.h"
#include "support/TestSupport.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>

namespace {

const QString hlsimPath = QStringLiteral(ZIB_TOOLS_DIR "/hlsim");

// hlsim as its own process: started with arguments, stopped when the test ends.
class HlsimProcessTest : public SettingsFixture
{
protected:
    void TearDown() override
    {
        if (m_hlsim.state() != QProcess::NotRunning) {
            m_hlsim.kill();
            m_hlsim.waitForFinished(5000);
        }
        SettingsFixture::TearDown();
    }

    /// Starts hlsim and returns the ports of its servers once it says "ready".
    QList<quint16> start(QStringList arguments)
    {
        arguments << QStringLiteral("--port") << QStringLiteral("0") << QStringLiteral("--quit-after")
                  << QStringLiteral("60");
        m_hlsim.start(hlsimPath, arguments);
        EXPECT_TRUE(m_hlsim.waitForStarted(5000)) << qPrintable(m_hlsim.errorString());
        QString output;
        const bool ready = QTest::qWaitFor(
            [&] {
                output += QString::fromLatin1(m_hlsim.readAllStandardOutput());
                return output.contains(QStringLiteral("ready\n")) || m_hlsim.state() == QProcess::NotRunning;
            },
            10000);
        EXPECT_TRUE(ready && output.contains(QStringLiteral("ready\n"))) << qPrintable(output);
        QList<quint16> ports;
        static const QRegularExpression line(QStringLiteral("^server \\d+ 127\\.0\\.0\\.1:(\\d+)"),
                                             QRegularExpression::MultilineOption);
        for (auto it = line.globalMatch(output); it.hasNext();)
            ports.append(static_cast<quint16>(it.next().captured(1).toUInt()));
        return ports;
    }

    std::shared_ptr<GameServer> addServer(quint16 port)
    {
        auto server = std::make_shared<GameServer>();
        server->setAddress(QStringLiteral("127.0.0.1"));
        server->setPort(port);
        server->setName(QStringLiteral("New Server"));
        server->setServerNumber(static_cast<qint16>(mdlZibProcessing::gameServers.size() + 1));
        mdlZibProcessing::gameServers.append(server);
        return server;
    }

    QProcess m_hlsim;
};

TEST_F(HlsimProcessTest, HelpExplainsTheOptions)
{
    m_hlsim.start(hlsimPath, {QStringLiteral("--help")});
    ASSERT_TRUE(m_hlsim.waitForFinished(10000));
    EXPECT_EQ(m_hlsim.exitCode(), 0);
    const QString help = QString::fromLatin1(m_hlsim.readAllStandardOutput());
    for (const char *option : {"--port", "--count", "--name", "--map", "--max", "--player", "--silent", "--delay",
                               "--truncate", "--garble", "--crlf-names", "--high-bytes", "--from-other-port", "--bind"})
        EXPECT_TRUE(help.contains(QLatin1String(option))) << option;
    EXPECT_TRUE(help.contains(QStringLiteral("127.0.0.1")));
}

TEST_F(HlsimProcessTest, BadArgumentsAreRefused)
{
    m_hlsim.start(hlsimPath, {QStringLiteral("--max"), QStringLiteral("300")});
    ASSERT_TRUE(m_hlsim.waitForFinished(10000));
    EXPECT_EQ(m_hlsim.exitCode(), 2);
    EXPECT_TRUE(m_hlsim.readAllStandardError().contains("--max"));
}

TEST_F(HlsimProcessTest, RecordsHoldWhatTheSimulatedServersWereGiven)
{
    const QList<quint16> ports =
        start({QStringLiteral("--count"), QStringLiteral("3"), QStringLiteral("--name"), QStringLiteral("Arena %n"),
               QStringLiteral("--map"), QStringLiteral("bounce"), QStringLiteral("--max"), QStringLiteral("32"),
               QStringLiteral("--player"), QStringLiteral("[X]Ann"), QStringLiteral("--player"),
               QStringLiteral("Jou\u00E9"), QStringLiteral("--players"), QStringLiteral("2"),
               QStringLiteral("--crlf-names"), QStringLiteral("--faulty"), QStringLiteral("3")});
    ASSERT_EQ(ports.size(), 3);
    QList<std::shared_ptr<GameServer>> records;
    for (quint16 port : ports)
        records.append(addServer(port));

    QueryEngine engine(0);
    ASSERT_EQ(engine.bindSocket(), QString());
    engine.enableChecking();
    engine.setQueryInterval(std::chrono::milliseconds(100));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return std::all_of(records.begin(), records.end(),
                               [](const auto &r) { return r->mapName() == QStringLiteral("bounce"); });
        },
        10000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return records[2]->playerNames().size() == 4; }, 5000));
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(records[i]->name(), QStringLiteral("Arena ") + QString::number(i + 1));
        EXPECT_EQ(records[i]->maxPlayers(), 31);
        EXPECT_EQ(records[i]->activePlayers(), 4);
    }
    EXPECT_EQ(records[0]->playerNames(), QStringList({QStringLiteral("[X]Ann"), QStringLiteral("Jou\u00E9"),
                                                      QStringLiteral("Player1"), QStringLiteral("Player2")}));
    EXPECT_EQ(records[2]->playerNames()[0], QStringLiteral("[X]Ann\r\nline two"));
}

} // namespace
