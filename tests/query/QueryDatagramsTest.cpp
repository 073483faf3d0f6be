#include "HlReplies.h"
#include "model/mdlZibProcessing.h"
#include "query/QueryDatagrams.h"
#include "support/TestSupport.h"

#include <QRandomGenerator>

using namespace QueryDatagrams;

namespace {

class QueryDatagramsTest : public SettingsFixture
{
protected:
    std::shared_ptr<GameServer> addServer(const QString &address, qint32 port, const QString &name = {})
    {
        auto server = std::make_shared<GameServer>();
        server->setAddress(address);
        server->setPort(port);
        server->setName(name.isEmpty() ? QStringLiteral("New Server") : name);
        server->setServerNumber(static_cast<qint16>(mdlZibProcessing::gameServers.size() + 1));
        mdlZibProcessing::gameServers.append(server);
        return server;
    }

    // A record that already holds live values, so a reply that should change nothing can be seen not to.
    std::shared_ptr<GameServer> addAnsweredServer(const QString &address = QStringLiteral("10.0.0.1"),
                                                  qint32 port = 27015)
    {
        auto server = addServer(address, port, QStringLiteral("Old name"));
        server->setMapName(QStringLiteral("old_map"));
        server->setMaxPlayers(7);
        server->setActivePlayers(2);
        server->setPlayerNames({QStringLiteral("old one"), QStringLiteral("old two")});
        return server;
    }

    static void expectUnchanged(const GameServer &server)
    {
        EXPECT_EQ(server.name(), QStringLiteral("Old name"));
        EXPECT_EQ(server.mapName(), QStringLiteral("old_map"));
        EXPECT_EQ(server.maxPlayers(), 7);
        EXPECT_EQ(server.activePlayers(), 2);
        EXPECT_EQ(server.playerNames(), QStringList({QStringLiteral("old one"), QStringLiteral("old two")}));
    }

    static HlReplies::ServerDescription description(QList<QByteArray> players = {})
    {
        HlReplies::ServerDescription server;
        server.name = "Frag Palace";
        server.mapName = "datacore";
        server.maxPlayers = 16;
        server.playerNames = std::move(players);
        return server;
    }

    static QByteArray playersOf(QList<QByteArray> players)
    {
        return HlReplies::playersReply(description(std::move(players)));
    }
};

// Header, 'D', count, then one record: index, name, terminator and eight bytes of frags and time.
QByteArray playerRecord(const QByteArray &name, char index = 0)
{
    return QByteArray(1, index) + name + QByteArray(1, '\0') + QByteArray::fromHex("0500000000007042");
}

QByteArray playersHeader(quint8 count)
{
    return fromHex("FF FF FF FF 44") + QByteArray(1, static_cast<char>(count));
}

TEST_F(QueryDatagramsTest, RequestsAreExactBytes)
{
    EXPECT_EQ(buildRequest(QStringLiteral("players")), fromHex("FF FF FF FF 70 6C 61 79 65 72 73 00 00"));
    EXPECT_EQ(buildRequest(QStringLiteral("info")), fromHex("FF FF FF FF 69 6E 66 6F 00 00"));
    EXPECT_EQ(buildRequest(QStringLiteral("players")).size(), 13);
    EXPECT_EQ(buildRequest(QStringLiteral("info")).size(), 10);
    EXPECT_TRUE(buildRequest(QStringLiteral("rules")).isEmpty());
}

TEST_F(QueryDatagramsTest, DatagramsOfSixBytesOrFewerAreDropped)
{
    const auto server = addAnsweredServer();
    // An empty server's players reply is exactly six bytes: it must not wipe the last list.
    const QByteArray emptyServer = playersHeader(0);
    ASSERT_EQ(emptyServer.size(), 6);
    for (qsizetype size = 0; size <= 6; ++size) {
        EXPECT_EQ(handleReply(emptyServer.left(size), QStringLiteral("10.0.0.1"), 27015), 0) << size;
        expectUnchanged(*server);
    }
    // Seven bytes is a reply: a count and an index byte with no name after it.
    EXPECT_EQ(handleReply(playersHeader(0) + QByteArray(1, '\0'), QStringLiteral("10.0.0.1"), 27015), 1);
    EXPECT_TRUE(server->playerNames().isEmpty());
    EXPECT_EQ(server->activePlayers(), 0);
}

TEST_F(QueryDatagramsTest, TypeIsDecidedByByteFourAlone)
{
    const auto server = addAnsweredServer();
    const QString from = QStringLiteral("10.0.0.1");

    for (const char *type : {"64 01", "63 01", "45 01", "4A 01", "FF 01", "00 01"}) {
        const QByteArray wrong = fromHex("FF FF FF FF") + fromHex(type) + playerRecord("[X]Ann");
        EXPECT_EQ(handleReply(wrong, from, 27015), 0) << type;
        expectUnchanged(*server);
    }

    // Any first four bytes will do.
    const QByteArray players = fromHex("12 34 56 78 44 01") + playerRecord("[X]Ann");
    EXPECT_EQ(handleReply(players, from, 27015), 1);
    EXPECT_EQ(server->playerNames(), QStringList({QStringLiteral("[X]Ann")}));

    QByteArray info = HlReplies::infoReply(description(), "10.0.0.1:27015");
    info.replace(0, 4, fromHex("01 02 03 04"));
    EXPECT_EQ(handleReply(info, from, 27015), 1);
    EXPECT_EQ(server->name(), QStringLiteral("Frag Palace"));
    EXPECT_EQ(server->mapName(), QStringLiteral("datacore"));
}

TEST_F(QueryDatagramsTest, ActivePlayersComesFromTheCountByteAndNamesFromTheRecords)
{
    const auto server = addServer(QStringLiteral("10.0.0.1"), 27015);
    struct Case
    {
        quint8 count;
        QList<QByteArray> names;
    };
    for (const Case &c : {Case{3, {"one", "two"}}, Case{0, {"one", "two"}}, Case{255, {"solo"}}, Case{1, {}}}) {
        QByteArray reply = playersHeader(c.count);
        for (const QByteArray &name : c.names)
            reply += playerRecord(name);
        if (c.names.isEmpty())
            reply += QByteArray(1, '\0'); // past the six-byte limit, still no record with a name
        ASSERT_EQ(handleReply(reply, QStringLiteral("10.0.0.1"), 27015), 1);
        EXPECT_EQ(server->activePlayers(), c.count);
        EXPECT_EQ(server->playerNames().size(), c.names.size()) << int(c.count);
    }
}

TEST_F(QueryDatagramsTest, DuplicateAndEmptyNamesAreKeptInOrder)
{
    const auto server = addServer(QStringLiteral("10.0.0.1"), 27015);
    handleReply(playersOf({"[X]Ann", "", "[X]Ann", "Bob", ""}), QStringLiteral("10.0.0.1"), 27015);
    EXPECT_EQ(server->playerNames(),
              QStringList({QStringLiteral("[X]Ann"), QString(), QStringLiteral("[X]Ann"), QStringLiteral("Bob"),
                           QString()}));
}

TEST_F(QueryDatagramsTest, EveryByteOfALegacyNameBecomesItsWindows1252Character)
{
    const auto server = addServer(QStringLiteral("10.0.0.1"), 27015);
    QByteArray everyByte;
    for (int b = 1; b <= 0xFF; ++b)
        everyByte.append(static_cast<char>(b));
    handleReply(playersOf({everyByte, "Jou\xE9", "a\r\nb", "\x99XAce"}), QStringLiteral("10.0.0.1"), 27015);
    ASSERT_EQ(server->playerNames().size(), 4);
    const QString first = server->playerNames()[0];
    ASSERT_EQ(first.size(), 255);
    // 80 to 9F are Windows-1252's own; the five it leaves unassigned keep their code.
    const QString high = QStringLiteral("€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ");
    for (int b = 1; b <= 0xFF; ++b)
        EXPECT_EQ(first[b - 1], (b >= 0x80 && b < 0xA0) ? high[b - 0x80] : QChar(b)) << b;
    EXPECT_EQ(server->playerNames()[1], QStringLiteral("Jou\u00E9"));
    EXPECT_EQ(server->playerNames()[2], QStringLiteral("a\r\nb"));
    EXPECT_EQ(server->playerNames()[3], QStringLiteral("™XAce"));
}

TEST_F(QueryDatagramsTest, Utf8NamesAreReadAsSentAndABrokenNameCostsOnlyItself)
{
    const auto server = addServer(QStringLiteral("10.0.0.1"), 27015);
    const QList<QByteArray> names{
        QStringLiteral("[Дк]Дмитрий").toUtf8(), QStringLiteral("清水").toUtf8(), QStringLiteral("🔥Bob").toUtf8(),
        QStringLiteral("Zoe\u0308").toUtf8(), QStringLiteral("★Ace™").toUtf8(),
        fromHex("5B 58 5D D0"),    // a two-byte form cut by the terminator
        fromHex("41 C0 AF 42"),    // overlong '/'
        fromHex("41 ED A0 80 42"), // an encoded surrogate
        fromHex("E2 98 85 99"),    // UTF-8 star, then a legacy byte
        QStringLiteral("after").toUtf8()};
    handleReply(playersOf(names), QStringLiteral("10.0.0.1"), 27015);
    EXPECT_EQ(server->playerNames(),
              (QStringList{QStringLiteral("[Дк]Дмитрий"), QStringLiteral("清水"), QStringLiteral("🔥Bob"),
                           QStringLiteral("Zoe\u0308"), QStringLiteral("★Ace™"), QStringLiteral("[X]Ð"),
                           QStringLiteral("AÀ¯B"), QStringLiteral("Aí\u00A0€B"), QStringLiteral("â˜…™"),
                           QStringLiteral("after")}));

    // The info reply's name and map are read the same way.
    auto info = description();
    info.name = QStringLiteral("Сервер ★ 24/7").toUtf8();
    info.mapName = "de_\xE9t\xE9";
    handleReply(HlReplies::infoReply(info, "10.0.0.1:27015"), QStringLiteral("10.0.0.1"), 27015);
    EXPECT_EQ(server->name(), QStringLiteral("Сервер ★ 24/7"));
    EXPECT_EQ(server->mapName(), QStringLiteral("de_été"));
}

TEST_F(QueryDatagramsTest, AReplyCutInsideACharacterKeepsTheNamesBeforeIt)
{
    const QByteArray whole = playersOf({QStringLiteral("[X]Ива").toUtf8(), QStringLiteral("🔥🔥").toUtf8()});
    // Every cut before the second name's terminator, most inside an emoji: the first name stays
    // whole and nothing of the second is kept.
    for (qsizetype cut = whole.size() - 9 - 8; cut < whole.size() - 9; ++cut) {
        mdlZibProcessing::gameServers.clear();
        const auto server = addServer(QStringLiteral("10.0.0.1"), 27015);
        handleReply(whole.left(cut), QStringLiteral("10.0.0.1"), 27015);
        EXPECT_EQ(server->playerNames(), QStringList{QStringLiteral("[X]Ива")}) << "cut at " << cut;
    }
}

TEST_F(QueryDatagramsTest, MaxPlayersIsTheByteMinusOne)
{
    const auto server = addServer(QStringLiteral("10.0.0.1"), 27015);
    for (const auto &[byte, expected] : {std::pair<quint8, qint16>{16, 15}, {0, -1}, {1, 0}, {32, 31}, {255, 254}}) {
        auto info = description();
        info.maxPlayers = byte;
        handleReply(HlReplies::infoReply(info, "10.0.0.1:27015"), QStringLiteral("10.0.0.1"), 27015);
        EXPECT_EQ(server->maxPlayers(), expected) << int(byte);
    }
}

TEST_F(QueryDatagramsTest, InfoReplyReplacesNameAndMapAndTouchesNothingElse)
{
    const auto server = addAnsweredServer();
    handleReply(HlReplies::infoReply(description(), "10.0.0.1:27015"), QStringLiteral("10.0.0.1"), 27015);
    EXPECT_EQ(server->name(), QStringLiteral("Frag Palace"));
    EXPECT_EQ(server->mapName(), QStringLiteral("datacore"));
    EXPECT_EQ(server->maxPlayers(), 15);
    EXPECT_EQ(server->activePlayers(), 2);
    EXPECT_EQ(server->playerNames().size(), 2);
    EXPECT_EQ(server->address(), QStringLiteral("10.0.0.1"));
    EXPECT_EQ(server->port(), 27015);
}

TEST_F(QueryDatagramsTest, ReplyFromAnUnknownSenderChangesNothing)
{
    const auto first = addAnsweredServer(QStringLiteral("10.0.0.1"), 27015);
    const auto second = addAnsweredServer(QStringLiteral("10.0.0.2"), 27016);
    const QByteArray players = playersOf({"[X]Ann"});
    const QByteArray info = HlReplies::infoReply(description(), "x");
    const std::pair<QString, qint32> strangers[] = {
        {QStringLiteral("10.0.0.3"), 27015},  // unknown address
        {QStringLiteral("10.0.0.1"), 27016},  // a listed address, another server's port
        {QStringLiteral("10.0.0.1"), 27017},  // a listed address, another source port
        {QStringLiteral("010.0.0.1"), 27015}, // compared as text
        {QString(), 27015},
    };
    for (const auto &[address, port] : strangers) {
        EXPECT_EQ(handleReply(players, address, port), 0) << qPrintable(address) << port;
        EXPECT_EQ(handleReply(info, address, port), 0);
        expectUnchanged(*first);
        expectUnchanged(*second);
    }
}

TEST_F(QueryDatagramsTest, TheFirstOfTwoEqualRecordsGetsEveryReply)
{
    addServer(QStringLiteral("10.0.0.9"), 27000);
    const auto first = addAnsweredServer();
    const auto twin = addAnsweredServer();
    EXPECT_EQ(handleReply(playersOf({"[X]Ann"}), QStringLiteral("10.0.0.1"), 27015), 2);
    EXPECT_EQ(handleReply(HlReplies::infoReply(description(), "x"), QStringLiteral("10.0.0.1"), 27015), 2);
    EXPECT_EQ(first->playerNames(), QStringList({QStringLiteral("[X]Ann")}));
    EXPECT_EQ(first->name(), QStringLiteral("Frag Palace"));
    expectUnchanged(*twin);
}

TEST_F(QueryDatagramsTest, ASecondPlayersReplyReplacesTheList)
{
    const auto server = addServer(QStringLiteral("10.0.0.1"), 27015);
    handleReply(playersOf({"a", "b", "c"}), QStringLiteral("10.0.0.1"), 27015);
    handleReply(playersOf({"d"}), QStringLiteral("10.0.0.1"), 27015);
    EXPECT_EQ(server->playerNames(), QStringList({QStringLiteral("d")}));
    EXPECT_EQ(server->activePlayers(), 1);
}

TEST_F(QueryDatagramsTest, RecordsAreWalkedExactlyPastFragsAndTime)
{
    // Frags and time bytes that hold zeros and printable bytes: a walk that skipped too few or too
    // many would read them as names.
    QList<QByteArray> names;
    for (int i = 0; i < 32; ++i)
        names.append("[X]Player_" + QByteArray::number(i));
    const QByteArray reply = playersOf(names);
    const auto parsed = parseReply(reply);
    ASSERT_TRUE(std::holds_alternative<PlayersReply>(parsed));
    const auto &players = std::get<PlayersReply>(parsed);
    EXPECT_EQ(players.activePlayers, 32);
    ASSERT_EQ(players.playerNames.size(), 32);
    for (int i = 0; i < 32; ++i)
        EXPECT_EQ(players.playerNames[i], QString::fromLatin1(names[i]));

    const QByteArray handMade = playersHeader(2) + QByteArray::fromHex("00") + "Ann" +
                                QByteArray::fromHex("00 41 42 43 44 00 00 80 3F") + QByteArray::fromHex("01") + "Bob" +
                                QByteArray::fromHex("00");
    const auto two = std::get<PlayersReply>(parseReply(handMade));
    // Bob's record ends inside the eight bytes after its name: the name still counts.
    EXPECT_EQ(two.playerNames, QStringList({QStringLiteral("Ann"), QStringLiteral("Bob")}));
}

TEST_F(QueryDatagramsTest, PlayersReplyCutAnywhereKeepsTheNamesCompletedBeforeTheCut)
{
    const QList<QByteArray> names{"[X]Ann", "", "Bob the builder", "[X]Ann", "Jou\xE9"};
    const QByteArray whole = playersOf(names);
    // Where each name's terminator sits, found independently of the walker.
    QList<qsizetype> terminators;
    qsizetype p = 6;
    for (const QByteArray &name : names) {
        terminators.append(p + 1 + name.size());
        p += 1 + name.size() + 1 + 8;
    }
    ASSERT_EQ(p, whole.size());

    for (qsizetype cut = 0; cut <= whole.size(); ++cut) {
        mdlZibProcessing::gameServers.clear();
        const auto server = addAnsweredServer();
        handleReply(whole.left(cut), QStringLiteral("10.0.0.1"), 27015);
        if (cut <= 6) {
            expectUnchanged(*server);
            continue;
        }
        QStringList expected;
        for (qsizetype i = 0; i < names.size(); ++i) {
            if (terminators[i] < cut)
                expected.append(QString::fromLatin1(names[i]));
        }
        EXPECT_EQ(server->playerNames(), expected) << "cut at " << cut;
        EXPECT_EQ(server->activePlayers(), names.size());
        EXPECT_EQ(server->name(), QStringLiteral("Old name"));
    }
}

TEST_F(QueryDatagramsTest, InfoReplyCutBeforeItsMaximumPlayersByteStoresNothing)
{
    const QByteArray whole = HlReplies::infoReply(description({"a", "b"}), "10.0.0.1:27015");
    const qsizetype maxPlayersOffset = whole.size() - 2; // then only the protocol byte
    ASSERT_EQ(static_cast<quint8>(whole[maxPlayersOffset]), 16);

    for (qsizetype cut = 0; cut <= whole.size(); ++cut) {
        mdlZibProcessing::gameServers.clear();
        const auto server = addAnsweredServer();
        handleReply(whole.left(cut), QStringLiteral("10.0.0.1"), 27015);
        if (cut <= maxPlayersOffset) {
            expectUnchanged(*server);
        } else {
            EXPECT_EQ(server->name(), QStringLiteral("Frag Palace")) << "cut at " << cut;
            EXPECT_EQ(server->mapName(), QStringLiteral("datacore"));
            EXPECT_EQ(server->maxPlayers(), 15);
            EXPECT_EQ(server->playerNames().size(), 2);
        }
    }
}

TEST_F(QueryDatagramsTest, DatagramsUpToTheLargestUdpPayloadAreWalkedWhole)
{
    constexpr qsizetype largest = 65507;
    const auto server = addServer(QStringLiteral("10.0.0.1"), 27015);

    // Names all the way to the end, past offset 32,767.
    QList<QByteArray> names;
    QByteArray reply = playersOf({});
    int index = 0;
    while (reply.size() + 20 <= largest) {
        const QByteArray name = "n" + QByteArray::number(index++).rightJustified(9, '0');
        names.append(name);
        reply += playerRecord(name, static_cast<char>(index));
    }
    reply += QByteArray(largest - reply.size(), 'z'); // and a cut name at the very end
    ASSERT_EQ(reply.size(), largest);
    handleReply(reply, QStringLiteral("10.0.0.1"), 27015);
    ASSERT_EQ(server->playerNames().size(), names.size());
    EXPECT_EQ(server->playerNames().last(), QString::fromLatin1(names.last()));

    // No zero byte anywhere: no name, no info, and the walk still ends.
    const QByteArray noTerminator = playersHeader(9) + QByteArray(largest - 6, 'x');
    handleReply(noTerminator, QStringLiteral("10.0.0.1"), 27015);
    EXPECT_TRUE(server->playerNames().isEmpty());
    EXPECT_EQ(server->activePlayers(), 9);
    QByteArray info = noTerminator;
    info[4] = 'C';
    EXPECT_TRUE(std::holds_alternative<std::monostate>(parseReply(info)));

    // A huge info reply whose strings run past 32,767 is still read.
    auto big = description();
    big.name = QByteArray(40000, 'N');
    const auto parsed = parseReply(HlReplies::infoReply(big, "x"));
    ASSERT_TRUE(std::holds_alternative<InfoReply>(parsed));
    EXPECT_EQ(std::get<InfoReply>(parsed).name.size(), 40000);
    EXPECT_EQ(std::get<InfoReply>(parsed).mapName, QStringLiteral("datacore"));
}

TEST_F(QueryDatagramsTest, HostileBytesNeverYieldMoreThanTheDatagramHolds)
{
    QRandomGenerator noise(20240601);
    for (int round = 0; round < 3000; ++round) {
        QByteArray datagram(noise.bounded(7, 600), '\0');
        for (qsizetype i = 0; i < datagram.size(); ++i) {
            // Mostly zeros and small bytes, so strings end often and every branch is walked.
            const quint32 roll = noise.bounded(4);
            datagram[i] = static_cast<char>(roll == 0 ? 0 : noise.bounded(roll == 1 ? 4 : 256));
        }
        datagram[4] = (round % 2) ? 'D' : 'C';
        const Reply reply = parseReply(datagram);
        if (const auto *players = std::get_if<PlayersReply>(&reply)) {
            qsizetype characters = 0;
            for (const QString &name : players->playerNames)
                characters += name.size() + 2; // index byte and terminator at least
            EXPECT_LE(characters, datagram.size() - 6);
            EXPECT_EQ(players->activePlayers, static_cast<quint8>(datagram[5]));
        } else if (const auto *info = std::get_if<InfoReply>(&reply)) {
            EXPECT_LE(info->name.size() + info->mapName.size(), datagram.size());
            EXPECT_GE(info->maxPlayers, -1);
            EXPECT_LE(info->maxPlayers, 254);
        }
    }
}

} // namespace

// A name a server gave itself is stored in the bytes it came in, whatever the file holds
// already: that is what the server called itself, and what other readers of the file see.
TEST_F(QueryDatagramsTest, ALearnedNameIsSavedInTheServersOwnBytes)
{
    struct Case
    {
        QByteArray file;
        QByteArray sent;
    };
    const QByteArray server = "[GAMESERVER 1]\r\nName=New Server\r\nAddress=10.0.0.1\r\nPort=27015\r\n";
    const Case cases[] = {
        {"[CLANFILTER 1]\r\nTag=[\xC3\x89]\r\n" + server, fromHex("43 61 66 E9 20 99")},
        {"[CLANFILTER 1]\r\nTag=[\xC9]\r\n" + server, QStringLiteral("Café ™").toUtf8()},
    };
    for (const Case &c : cases) {
        writeFile(c.file);
        mdlZibProcessing::loadGameServers();
        auto info = description();
        info.name = c.sent;
        handleReply(HlReplies::infoReply(info, "10.0.0.1:27015"), QStringLiteral("10.0.0.1"), 27015);
        ASSERT_EQ(mdlZibProcessing::gameServers[0]->name(), QStringLiteral("Café ™"));
        ASSERT_TRUE(mdlZibProcessing::saveGameServers());
        EXPECT_TRUE(fileBytes().contains("\r\nName=" + c.sent + "\r\n")) << fileBytes().toHex(' ').toStdString();
    }
    // A name given otherwise follows the file's rules again: it keeps the value's UTF-8.
    mdlZibProcessing::gameServers[0]->setName(QStringLiteral("Café ™ 2"));
    ASSERT_TRUE(mdlZibProcessing::saveGameServers());
    EXPECT_TRUE(fileBytes().contains("\r\nName=" + QStringLiteral("Café ™ 2").toUtf8() + "\r\n"));
}
