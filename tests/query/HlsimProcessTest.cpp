#include "model/mdlZibProcessing.h"
#include "query/QueryEngine.h"
#include "support/TestSupport.h"

#include <QFileInfo>
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
                // Windows' C runtime ends the lines of a text stream with CR LF.
                output += QString::fromLatin1(m_hlsim.readAllStandardOutput()).remove(u'\r');
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
                               "--truncate", "--garble", "--crlf-names", "--high-bytes", "--from-other-port", "--bind",
                               "--protocol", "--info-challenge", "--details", "--info-as-details", "--challenge",
                               "--split", "--lose-part", "--from-address", "--hostile-names", "--pad-to", "--flood",
                               "--flood-seconds", "--encoding"})
        EXPECT_TRUE(help.contains(QLatin1String(option))) << option;
    EXPECT_TRUE(help.contains(QStringLiteral("127.0.0.1")));
}

TEST_F(HlsimProcessTest, BadArgumentsAreRefused)
{
    const QList<QStringList> bad{
        {QStringLiteral("--max"), QStringLiteral("300")},
        {QStringLiteral("--protocol"), QStringLiteral("steam")},
        {QStringLiteral("--challenge"), QStringLiteral("12345")},
        {QStringLiteral("--challenge"), QStringLiteral("1234567g")},
        {QStringLiteral("--split"), QStringLiteral("0")},
        {QStringLiteral("--lose-part"), QStringLiteral("15")},
        {QStringLiteral("--encoding"), QStringLiteral("latin-9")},
    };
    for (const QStringList &arguments : bad) {
        SCOPED_TRACE(qPrintable(arguments.join(u' ')));
        QProcess hlsim;
        hlsim.start(hlsimPath, arguments);
        ASSERT_TRUE(hlsim.waitForFinished(10000));
        EXPECT_EQ(hlsim.exitCode(), 2);
        EXPECT_TRUE(hlsim.readAllStandardError().contains(arguments[0].toLatin1()));
    }
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

TEST_F(HlsimProcessTest, NamesAreServedInUtf8OrAsOldServersSentThem)
{
    struct Case
    {
        const char *encoding;
        const char *protocol;
        QStringList sent; // the server's name, then its players
        QStringList read;
    };
    // Windows-1252 has "™" and "é" but no "★": an old server sends a "?" in its place.
    const Case cases[] = {
        {"utf-8", "modern", {QStringLiteral("Сервер ★ 清水"), QStringLiteral("★Bob"), QStringLiteral("🔥e\u0301")},
         {QStringLiteral("Сервер ★ 清水"), QStringLiteral("★Bob"), QStringLiteral("🔥e\u0301")}},
        {"windows-1252", "legacy", {QStringLiteral("Café ★"), QStringLiteral("™XAce"), QStringLiteral("★Bob")},
         {QStringLiteral("Café ?"), QStringLiteral("™XAce"), QStringLiteral("?Bob")}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.encoding);
        mdlZibProcessing::gameServers.clear();
        if (m_hlsim.state() != QProcess::NotRunning) {
            m_hlsim.kill();
            m_hlsim.waitForFinished(5000);
        }
        QStringList arguments{QStringLiteral("--encoding"), QString::fromLatin1(c.encoding),
                              QStringLiteral("--protocol"), QString::fromLatin1(c.protocol),
                              QStringLiteral("--name"),     c.sent[0]};
        for (const QString &player : c.sent.mid(1))
            arguments << QStringLiteral("--player") << player;
        const QList<quint16> ports = start(arguments);
        ASSERT_EQ(ports.size(), 1);
        const auto record = addServer(ports[0]);
        QueryEngine engine(0);
        ASSERT_EQ(engine.bindSocket(), QString());
        engine.enableChecking();
        engine.setQueryInterval(std::chrono::milliseconds(100));
        ASSERT_TRUE(QTest::qWaitFor([&] { return record->name() != QStringLiteral("New Server"); }, 10000));
        ASSERT_TRUE(QTest::qWaitFor([&] { return !record->playerNames().isEmpty(); }, 5000));
        EXPECT_EQ(record->name(), c.read[0]);
        EXPECT_EQ(record->playerNames(), c.read.mid(1));
    }
}

TEST_F(HlsimProcessTest, ModernServersAreWatchedThroughTheBinaryQueries)
{
    const QList<quint16> ports =
        start({QStringLiteral("--count"), QStringLiteral("2"), QStringLiteral("--protocol"), QStringLiteral("modern"),
               QStringLiteral("--info-challenge"), QStringLiteral("--challenge"), QStringLiteral("6ef1cb77"),
               QStringLiteral("--map"), QStringLiteral("de_dust"), QStringLiteral("--max"), QStringLiteral("40"),
               QStringLiteral("--player"), QStringLiteral("[X]Ann"), QStringLiteral("--players"), QStringLiteral("40"),
               QStringLiteral("--split"), QStringLiteral("300"), QStringLiteral("--faulty"), QStringLiteral("2")});
    ASSERT_EQ(ports.size(), 2);
    const auto plain = addServer(ports[0]);
    const auto split = addServer(ports[1]);
    QueryEngine engine(0);
    ASSERT_EQ(engine.bindSocket(), QString());
    engine.queryAllServers();
    QTest::qWait(200);
    EXPECT_EQ(plain->name(), QStringLiteral("New Server"));
    engine.queryAllServers();
    for (const auto &record : {plain, split}) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return record->playerNames().size() == 41; }, 5000));
        ASSERT_TRUE(QTest::qWaitFor([&] { return record->mapName() == QStringLiteral("de_dust"); }, 5000));
        EXPECT_EQ(record->maxPlayers(), 40);
        EXPECT_EQ(record->activePlayers(), 41);
        EXPECT_EQ(record->playerNames().first(), QStringLiteral("[X]Ann"));
        EXPECT_EQ(engine.lastChallenge(record), QByteArray::fromHex("6ef1cb77"));
    }
}

// The Debian qstat tool asks "details", then "players" and "rules", and drops a player list that
// is not numbered from 1.
TEST_F(HlsimProcessTest, QuakestatReadsTheNameMapAndPlayers)
{
    const QString quakestat = QStringLiteral("/usr/bin/quakestat");
    if (!QFileInfo(quakestat).isExecutable())
        GTEST_SKIP() << "quakestat is not installed";
    const QList<quint16> ports =
        start({QStringLiteral("--name"), QStringLiteral("Frag Palace"), QStringLiteral("--map"),
               QStringLiteral("bounce"), QStringLiteral("--max"), QStringLiteral("24"), QStringLiteral("--player"),
               QStringLiteral("[X]Ann"), QStringLiteral("--player"), QStringLiteral("Bob")});
    ASSERT_EQ(ports.size(), 1);
    QProcess qstat;
    qstat.start(quakestat, {QStringLiteral("-default"), QStringLiteral("hls"), QStringLiteral("-P"),
                            QStringLiteral("-R"), QStringLiteral("-raw"), QStringLiteral(","),
                            QStringLiteral("127.0.0.1:%1").arg(ports[0])});
    ASSERT_TRUE(qstat.waitForFinished(20000));
    const QStringList lines = QString::fromLatin1(qstat.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 4) << qPrintable(lines.join(u'|'));
    const QStringList server = lines[0].split(u',');
    ASSERT_GE(server.size(), 6) << qPrintable(lines[0]);
    EXPECT_EQ(server[1], QStringLiteral("127.0.0.1:%1").arg(ports[0]));
    EXPECT_EQ(server[2], QStringLiteral("Frag Palace"));
    EXPECT_EQ(server[3], QStringLiteral("bounce"));
    EXPECT_EQ(server[4], QStringLiteral("24"));
    EXPECT_EQ(server[5], QStringLiteral("2"));
    EXPECT_TRUE(lines[1].contains(QStringLiteral("mp_timelimit=30"))) << qPrintable(lines[1]);
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("[X]Ann,"))) << qPrintable(lines[2]);
    EXPECT_TRUE(lines[3].startsWith(QStringLiteral("Bob,"))) << qPrintable(lines[3]);
}

} // namespace
