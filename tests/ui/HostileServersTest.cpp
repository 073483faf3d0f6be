#include "MainWindowFixture.h"

#include "model/mdlZibProcessing.h"

#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <map>

using namespace std::chrono_literals;

namespace {

class HostileServersTest : public MainWindowFixture
{
protected:
    /// Every section of the settings file with its keys, in file order.
    std::map<QString, QStringList> keysBySection() const
    {
        std::map<QString, QStringList> keys;
        QString section;
        for (const QByteArray &line : fileBytes().split('\n')) {
            const QByteArray text = line.endsWith('\r') ? line.chopped(1) : line;
            if (text.startsWith('[')) {
                section = QString::fromLatin1(text.mid(1, text.indexOf(']') - 1));
                keys[section];
            } else if (!text.trimmed().isEmpty()) {
                keys[section].append(QString::fromLatin1(text.left(text.indexOf('='))));
            }
        }
        return keys;
    }

    void expectOnlyOurKeys(int servers) const
    {
        std::map<QString, QStringList> expected;
        expected[QStringLiteral("ZIB SETTINGS")] = {QStringLiteral("CheckSpeed"), QStringLiteral("AlertSpeed"),
                                                     QStringLiteral("AlertPlaySound")};
        for (int n = 1; n <= servers; ++n)
            expected[QStringLiteral("GAMESERVER %1").arg(n)] = {QStringLiteral("Name"), QStringLiteral("Address"),
                                                                  QStringLiteral("Port")};
        expected[QStringLiteral("CLANFILTER 1")] = {QStringLiteral("Tag"), QStringLiteral("Alert"),
                                                     QStringLiteral("Trigger")};
        EXPECT_EQ(keysBySection(), expected) << fileBytes().toStdString();
    }

    void writeServersAndFilter(const QList<QStringList> &servers)
    {
        writeServers(servers);
        writeFile(fileBytes() + "[CLANFILTER 1]\r\nTag=[X]\r\nAlert=FALSE\r\nTrigger=3\r\n");
    }

    static QStringList listed(const QString &name, quint16 port)
    {
        return {name, QStringLiteral("127.0.0.1"), QString::number(port)};
    }
};

TEST_F(HostileServersTest, HostileRepliesAreFoldedSafelyAndNeverReachTheSettingsFile)
{
    HlsimProcess evil({QStringLiteral("--hostile-names"), QStringLiteral("--max"), QStringLiteral("255")});
    HlsimProcess crowded({QStringLiteral("--players"), QStringLiteral("255"), QStringLiteral("--name"),
                          QStringLiteral("Crowded")});
    HlsimProcess huge({QStringLiteral("--pad-to"), QStringLiteral("65507"), QStringLiteral("--name"),
                       QStringLiteral("Huge")});
    HlsimProcess stranger({QStringLiteral("--from-address"), QStringLiteral("127.0.0.2"), QStringLiteral("--name"),
                           QStringLiteral("Stranger")});
    HlsimProcess otherPort({QStringLiteral("--from-other-port"), QStringLiteral("--name"), QStringLiteral("Other")});
    const QList<quint16> ports = {evil.waitReady(), crowded.waitReady(), huge.waitReady(), stranger.waitReady(),
                                  otherPort.waitReady()};
    ASSERT_FALSE(ports.contains(0)) << "hlsim did not start (127.0.0.2 must be a local address)";
    writeServersAndFilter({listed(QStringLiteral("Evil"), ports[0]), listed(QStringLiteral("Crowded"), ports[1]),
                           listed(QStringLiteral("Huge"), ports[2]), listed(QStringLiteral("Unheard 1"), ports[3]),
                           listed(QStringLiteral("Unheard 2"), ports[4])});

    mainZibWindow &window = start();
    window.queryEngine().setQueryInterval(200ms);
    window.queryEngine().chkTimer().setInterval(150ms);
    const auto server = [](int n) { return mdlZibProcessing::serverAt(n); };
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return server(1)->playerNames().size() == 7 && server(2)->playerNames().size() == 255
                   && server(3)->mapName() == QStringLiteral("crossfire") && gridColumn(4).contains(QStringLiteral("5"));
        },
        10000))
        << server(1)->playerNames().join(u'|').toStdString() << " / " << server(2)->playerNames().size() << " / "
        << server(3)->mapName().toStdString() << " / " << gridColumn(4).join(u',').toStdString();
    // Two passes more, so the strangers have answered several times over.
    const quint64 readBefore = window.queryEngine().datagramsRead();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.queryEngine().datagramsRead() >= readBefore + 20; }, 5000));

    // CR, LF and the INI's own characters stay in the names as sent. A NUL ends a name on the wire,
    // so the rest of that name is read as its frags and time, and the walk goes on out of step:
    // the next record yields an empty name and the one after loses its first bytes.
    EXPECT_EQ(server(1)->playerNames(),
              (QStringList{QStringLiteral("[X]cr\rname"), QStringLiteral("[X]lf\nname"), QStringLiteral("[X]nul"),
                           QString(), QStringLiteral("]=[GAMESERVER 1]"), QStringLiteral("[X]key=value"),
                           QStringLiteral("[X]high\u20AC\u00E9\u00FF")}));
    EXPECT_EQ(server(1)->maxPlayers(), 254);
    EXPECT_EQ(server(2)->activePlayers(), 255);
    // The whole of the largest datagram is walked: thousands of records past the count byte.
    EXPECT_GT(server(3)->playerNames().size(), 2000);
    EXPECT_EQ(server(3)->playerNames().back().left(15), QStringLiteral("Padding player "));
    for (int n : {4, 5}) {
        EXPECT_TRUE(server(n)->playerNames().isEmpty()) << n;
        EXPECT_EQ(server(n)->name(), QStringLiteral("Unheard %1").arg(n - 3));
        EXPECT_EQ(server(n)->mapName(), QString());
    }
    EXPECT_EQ(gridColumn(3)[0], QStringLiteral("7/254"));
    EXPECT_EQ(gridColumn(4)[0], QStringLiteral("5"));

    // The details of the hostile server show what it sent, its line breaks as visible marks that
    // cannot pass for lines of their own.
    clickCell(0, 1);
    const QString details = control<QPlainTextEdit>("txtResponse")->toPlainText();
    EXPECT_TRUE(details.startsWith(QStringLiteral("SERVER: Evil␍␊[GAMESERVER 9]␍␊Name=owned␊[ZIB SETTINGS]␍"
                                                  "CheckSpeed=0 éÿ\n")))
        << details.toStdString();
    EXPECT_TRUE(details.contains(QStringLiteral("\n[X]lf␊name\n"))) << details.toStdString();
    EXPECT_TRUE(details.contains(QStringLiteral("[X]key=value"))) << details.toStdString();

    window.close();
    expectOnlyOurKeys(5);
    // The server's name went in on one line, its breaks as blanks; the map is never saved.
    EXPECT_EQ(fileValue(QStringLiteral("GAMESERVER 1"), QStringLiteral("Name")),
              QStringLiteral("Evil  [GAMESERVER 9]  Name=owned [ZIB SETTINGS] CheckSpeed=0 \u00E9\u00FF"));
    EXPECT_EQ(fileValue(QStringLiteral("ZIB SETTINGS"), QStringLiteral("CheckSpeed")), QStringLiteral("30"));
    EXPECT_EQ(fileValue(QStringLiteral("GAMESERVER 4"), QStringLiteral("Name")), QStringLiteral("Unheard 1"));
}

TEST_F(HostileServersTest, AFloodLeavesTheWindowAnsweringAndEveryLegitimateReplyFolded)
{
    if (runningUnderWine())
        GTEST_SKIP() << "under Wine a flood is Linux's: sendto runs at a fifth of the speed, and the "
                        "receive buffer stops at the host's rmem_max, where Windows grants 4 MiB";
    constexpr int floodSize = 100000;
    HlsimProcess legit({QStringLiteral("--count"), QStringLiteral("3"), QStringLiteral("--name"),
                        QStringLiteral("Legit %n"), QStringLiteral("--players"), QStringLiteral("4")});
    // Silent itself: all it sends is the flood, from a port nobody listed.
    HlsimProcess flooder({QStringLiteral("--silent"), QStringLiteral("--flood"), QString::number(floodSize),
                          QStringLiteral("--flood-seconds"), QStringLiteral("3"), QStringLiteral("--players"),
                          QStringLiteral("32")});
    ASSERT_NE(legit.waitReady(), 0);
    ASSERT_NE(flooder.waitReady(), 0);
    const QList<quint16> legitPorts = legit.ports();
    ASSERT_EQ(legitPorts.size(), 3);
    writeServersAndFilter({listed(QStringLiteral("Flooder"), flooder.ports()[0]),
                           listed(QStringLiteral("One"), legitPorts[0]), listed(QStringLiteral("Two"), legitPorts[1]),
                           listed(QStringLiteral("Three"), legitPorts[2])});

    // Passes are driven by hand below, so each one's replies can be counted.
    mainZibWindow &window = start(Start{.connected = false});
    QueryEngine &engine = window.queryEngine();
    std::map<qint16, int> folds;
    QObject::connect(&engine, &QueryEngine::replyFolded, &window, [&folds](qint16 number) { ++folds[number]; });

    // The UI thread's pulse: a timer that should come every 20 ms, and a click every 100 ms.
    QPushButton *viewServers = control<QPushButton>("btnViewServers");
    QElapsedTimer sinceLastBeat;
    qint64 longestGap = 0;
    int beats = 0;
    int clicks = 0;
    int clicksAnswered = 0;
    QTimer pulse;
    pulse.setInterval(20ms);
    QObject::connect(&pulse, &QTimer::timeout, &window, [&] {
        longestGap = std::max(longestGap, sinceLastBeat.restart());
        if (++beats % 5 == 0) {
            ++clicks;
            const QString before = viewServers->text();
            QTest::mouseClick(viewServers, Qt::LeftButton);
            clicksAnswered += viewServers->text() != before ? 1 : 0;
        }
    });
    engine.bindSocket();
    engine.queryAllServers();
    ASSERT_TRUE(QTest::qWaitFor([&] { return engine.datagramsRead() > 1000; }, 5000)) << "no flood came";
    sinceLastBeat.start();
    pulse.start();

    int passes = 0;
    int passesWhole = 0;
    QElapsedTimer floodTime;
    floodTime.start();
    static const QRegularExpression finished(QStringLiteral("flood-sent (\\d+) in (\\d+) ms"));
    QRegularExpressionMatch floodDone;
    // While the flood runs, and one pass after: every pass must bring both replies of every
    // legitimate server, however many strangers' datagrams the socket holds.
    for (bool last = false; !last && floodTime.elapsed() < 30000;) {
        floodDone = finished.match(flooder.outputSoFar());
        last = floodDone.hasMatch();
        folds.clear();
        engine.queryAllServers();
        ++passes;
        const bool whole = QTest::qWaitFor([&] { return folds[2] == 2 && folds[3] == 2 && folds[4] == 2; }, 3000);
        passesWhole += whole ? 1 : 0;
        EXPECT_EQ(folds[1], 0) << "the flood came from a port nobody listed";
        QTest::qWait(100);
    }
    pulse.stop();

    ASSERT_TRUE(floodDone.hasMatch()) << "the flood never ended";
    EXPECT_EQ(floodDone.captured(1).toInt(), floodSize);
    EXPECT_LT(floodDone.captured(2).toInt(), 10000) << "not much of a flood";
    // What the socket could not hold the system dropped; the rest was read, a batch at a time.
    EXPECT_GE(engine.datagramsRead(), quint64(floodSize) / 4);
    EXPECT_GE(passes, 3);
    EXPECT_EQ(passesWhole, passes);
    EXPECT_LT(longestGap, 250) << "the UI thread went unanswered for " << longestGap << " ms";
    EXPECT_GE(clicks, 5);
    EXPECT_EQ(clicksAnswered, clicks);
    for (int n = 2; n <= 4; ++n)
        EXPECT_EQ(mdlZibProcessing::serverAt(n)->name(), QStringLiteral("Legit %1").arg(n - 1));
    EXPECT_TRUE(mdlZibProcessing::serverAt(1)->playerNames().isEmpty());

    window.close();
    expectOnlyOurKeys(4);
}

} // namespace
