#include "HlReplies.h"
#include "model/mdlZibProcessing.h"
#include "query/QueryDatagrams.h"
#include "query/SplitReassembler.h"
#include "support/TestSupport.h"

using namespace QueryDatagrams;
using namespace std::chrono_literals;

namespace {

// Replies captured from real servers.
const char *const realPlayers = "FFFFFFFF4402015B445D2D2D2D2D3E542E4E2E573C2D2D2D2D000E000000B4970044024B696C6C65722021"
                                "212100050000006924D943";
const char *const realChallenge = "FFFFFFFF416EF1CB77";
const char *const realInfo = "FFFFFFFF490267616D653278732E636F6D20436F756E7465722D537472696B6520536F757263652023310064"
                             "655F647573740063737472696B6500436F756E7465722D537472696B650000000B2800646C0000312E312E30"
                             "2E313600";

TEST(BinaryRequests, AreExactBytes)
{
    const QByteArray infoBare = fromHex("FF FF FF FF 54") + QByteArray("Source Engine Query", 19) + fromHex("00");
    EXPECT_EQ(a2sInfoRequest(), infoBare);
    EXPECT_EQ(a2sInfoRequest().size(), 25);
    EXPECT_EQ(a2sInfoRequest(fromHex("6E F1 CB 77")), infoBare + fromHex("6E F1 CB 77"));
    EXPECT_EQ(a2sInfoRequest(fromHex("6E F1 CB 77")).size(), 29);
    EXPECT_EQ(a2sPlayerRequest(noChallenge), fromHex("FF FF FF FF 55 FF FF FF FF"));
    EXPECT_EQ(a2sPlayerRequest(fromHex("6E F1 CB 77")), fromHex("FF FF FF FF 55 6E F1 CB 77"));
    // Anything but four bytes is no challenge at all: never a request of the wrong length.
    EXPECT_EQ(a2sPlayerRequest({}), fromHex("FF FF FF FF 55 FF FF FF FF"));
    EXPECT_EQ(a2sPlayerRequest(fromHex("01 02 03")), fromHex("FF FF FF FF 55 FF FF FF FF"));
    EXPECT_EQ(a2sInfoRequest(fromHex("01 02 03 04 05")), infoBare);
    // The simulated server must take our requests for what they are.
    EXPECT_EQ(HlReplies::requestKind(a2sInfoRequest()), QStringLiteral("A2S_INFO"));
    EXPECT_EQ(HlReplies::requestKind(a2sInfoRequest(fromHex("01 02 03 04"))), QStringLiteral("A2S_INFO"));
    EXPECT_EQ(HlReplies::requestKind(a2sPlayerRequest(noChallenge)), QStringLiteral("A2S_PLAYER"));
}

TEST(BinaryReplies, RealDatagramsDecodeAsTheServersMeantThem)
{
    const Reply players = parseReply(fromHex(realPlayers));
    const auto *p = std::get_if<PlayersReply>(&players);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->activePlayers, 2);
    EXPECT_EQ(p->playerNames, QStringList({QStringLiteral("[D]---->T.N.W<----"), QStringLiteral("Killer !!!")}));

    const Reply challenge = parseReply(fromHex(realChallenge));
    const auto *c = std::get_if<ChallengeReply>(&challenge);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->challenge, fromHex("6E F1 CB 77"));

    const Reply info = parseReply(fromHex(realInfo));
    const auto *i = std::get_if<InfoReply>(&info);
    ASSERT_NE(i, nullptr);
    EXPECT_EQ(i->name, QStringLiteral("game2xs.com Counter-Strike Source #1"));
    EXPECT_EQ(i->mapName, QStringLiteral("de_dust"));
    EXPECT_EQ(i->maxPlayers, 40);
    EXPECT_EQ(i->type, 'I');
}

TEST(BinaryReplies, AnInfoReplyCutAnywhereStoresAllOrNothing)
{
    for (const QByteArray &whole : {fromHex(realInfo), HlReplies::binaryInfoReply({})}) {
        const auto full = std::get<InfoReply>(parseReply(whole));
        // The max-players byte sits 4 bytes past the game's terminator: name, map, folder, game,
        // then the app id and the player count.
        qsizetype maxOffset = 6;
        for (int field = 0; field < 4; ++field)
            maxOffset = whole.indexOf('\0', maxOffset) + 1;
        maxOffset += 3;
        for (qsizetype cut = 0; cut < whole.size(); ++cut) {
            SCOPED_TRACE(cut);
            const Reply reply = parseReply(QByteArrayView(whole).first(cut));
            if (cut <= maxOffset) {
                EXPECT_TRUE(std::holds_alternative<std::monostate>(reply));
            } else {
                const auto *info = std::get_if<InfoReply>(&reply);
                ASSERT_NE(info, nullptr);
                EXPECT_EQ(info->name, full.name);
                EXPECT_EQ(info->mapName, full.mapName);
                EXPECT_EQ(info->maxPlayers, full.maxPlayers);
            }
        }
    }
}

TEST(BinaryReplies, TheMaxPlayersByteIsKeptAsItStandsExceptInTheOldLayouts)
{
    struct Case
    {
        quint8 maxByte;
        qint16 binary; // 'I'
        qint16 old;    // 'C' and 'm': one less
    };
    for (const Case c : {Case{40, 40, 39}, Case{0, 0, -1}, Case{255, 255, 254}, Case{1, 1, 0}}) {
        SCOPED_TRACE(c.maxByte);
        HlReplies::ServerDescription server;
        server.name = "N\xE9";
        server.mapName = "m";
        server.maxPlayers = c.maxByte;
        const auto binary = std::get<InfoReply>(parseReply(HlReplies::binaryInfoReply(server)));
        EXPECT_EQ(binary.maxPlayers, c.binary);
        EXPECT_EQ(binary.name, QStringLiteral("N\u00E9"));
        const auto details = std::get<InfoReply>(parseReply(HlReplies::detailsReply(server, "1.2.3.4:5")));
        const auto text = std::get<InfoReply>(parseReply(HlReplies::infoReply(server, "1.2.3.4:5")));
        EXPECT_EQ(details.maxPlayers, c.old);
        EXPECT_EQ(text.maxPlayers, c.old);
        EXPECT_EQ(details.name, text.name);
        EXPECT_EQ(details.mapName, QStringLiteral("m"));
        EXPECT_EQ(details.type, 'm');
        EXPECT_EQ(text.type, 'C');
    }
}

TEST(BinaryReplies, NamesAreUtf8WhenValidAndWindows1252Otherwise)
{
    HlReplies::ServerDescription server;
    server.name = QStringLiteral("[★] Арена 清水 🔥").toUtf8();
    server.mapName = QStringLiteral("κρήτη").toUtf8();
    server.playerNames = {QStringLiteral("★Bob").toUtf8(), QByteArray("\x99XAce\x80"), fromHex("F0 9F 94")};
    const auto binary = std::get<InfoReply>(parseReply(HlReplies::binaryInfoReply(server)));
    const auto details = std::get<InfoReply>(parseReply(HlReplies::detailsReply(server, "1.2.3.4:5")));
    for (const InfoReply &info : {binary, details}) {
        SCOPED_TRACE(info.type);
        EXPECT_EQ(info.name, QStringLiteral("[★] Арена 清水 🔥"));
        EXPECT_EQ(info.mapName, QStringLiteral("κρήτη"));
    }
    const auto players = std::get<PlayersReply>(parseReply(HlReplies::playersReply(server)));
    EXPECT_EQ(players.playerNames, (QStringList{QStringLiteral("★Bob"), QStringLiteral("™XAce€"), QStringLiteral("ðŸ”")}));

    // A legacy server's name in an 'm' reply.
    server.name = "Caf\xE9 \x84Zur Linde\x93";
    EXPECT_EQ(std::get<InfoReply>(parseReply(HlReplies::detailsReply(server, "1.2.3.4:5"))).name,
              QStringLiteral("Café „Zur Linde“"));
}

TEST(BinaryReplies, ShortOrSplitDatagramsYieldNothing)
{
    const struct
    {
        const char *hex;
        const char *why;
    } cases[] = {
        {"FFFFFFFF416EF1CB", "a challenge one byte short"},
        {"FFFFFFFF41", "a challenge with no bytes"},
        {"FFFFFFFF4930", "an info reply with only its protocol byte"},
        // Byte 4 of a split part is its id; here it reads 'D' and then 'C', and must not count.
        {"FEFFFFFF4401005B585D416E6E00000000000000000000", "a split part whose id starts with 'D'"},
        {"FEFFFFFF43010031323700616200636400656600676800000A0B", "a split part whose id starts with 'C'"},
        {"FEFFFFFF41010203040506", "a split part whose id starts with 'A'"},
    };
    for (const auto &c : cases)
        EXPECT_TRUE(std::holds_alternative<std::monostate>(parseReply(fromHex(c.hex)))) << c.why;
}

class BinaryHandleReplyTest : public SettingsFixture
{
};

TEST_F(BinaryHandleReplyTest, AChallengeChangesNoRecordAndOtherRepliesFoldAsBefore)
{
    auto server = std::make_shared<GameServer>();
    server->setAddress(QStringLiteral("10.0.0.1"));
    server->setPort(27015);
    server->setServerNumber(1);
    server->setName(QStringLiteral("Old"));
    server->setPlayerNames({QStringLiteral("kept")});
    mdlZibProcessing::gameServers.append(server);

    EXPECT_EQ(handleReply(fromHex(realChallenge), QStringLiteral("10.0.0.1"), 27015), 0);
    EXPECT_EQ(server->name(), QStringLiteral("Old"));
    EXPECT_EQ(server->playerNames(), QStringList({QStringLiteral("kept")}));

    EXPECT_EQ(handleReply(fromHex(realInfo), QStringLiteral("10.0.0.1"), 27015), 1);
    EXPECT_EQ(server->mapName(), QStringLiteral("de_dust"));
    EXPECT_EQ(server->maxPlayers(), 40);
    EXPECT_EQ(handleReply(fromHex(realPlayers), QStringLiteral("10.0.0.1"), 27015), 1);
    EXPECT_EQ(server->activePlayers(), 2);
    EXPECT_EQ(server->playerNames().value(1), QStringLiteral("Killer !!!"));
}

// Split parts as a server sends them.
QByteArray part(quint32 id, int number, int total, const QByteArray &payload)
{
    QByteArray bytes = fromHex("FE FF FF FF");
    for (int i = 0; i < 4; ++i)
        bytes.append(static_cast<char>((id >> (8 * i)) & 0xFF));
    bytes.append(static_cast<char>((number << 4) | total));
    return bytes + payload;
}

TEST(SplitReassembly, PartsComeTogetherOnlyWhenEveryOneArrivesInTime)
{
    using Clock = SplitReassembler::Clock;
    const Clock::time_point t0{};
    const auto window = std::chrono::duration_cast<Clock::duration>(5s);
    const QString a = QStringLiteral("10.0.0.1");
    struct Step
    {
        QByteArray datagram;
        std::chrono::milliseconds at;
        QString sender = QStringLiteral("10.0.0.1");
    };
    struct Case
    {
        const char *what;
        QList<Step> steps;
        QByteArray expected; // empty: nothing comes out
    };
    const QList<Case> cases{
        {"in order", {{part(7, 0, 3, "ab"), 0ms}, {part(7, 1, 3, "cd"), 10ms}, {part(7, 2, 3, "e"), 20ms}}, "abcde"},
        {"out of order", {{part(7, 2, 3, "e"), 0ms}, {part(7, 0, 3, "ab"), 1ms}, {part(7, 1, 3, "cd"), 2ms}}, "abcde"},
        {"a duplicate does not complete it", {{part(7, 0, 2, "ab"), 0ms}, {part(7, 0, 2, "XX"), 1ms}}, {}},
        {"a duplicate does not replace the first", {{part(7, 0, 2, "ab"), 0ms}, {part(7, 0, 2, "XX"), 1ms},
                                                    {part(7, 1, 2, "cd"), 2ms}}, "abcd"},
        {"a part missing", {{part(7, 0, 3, "ab"), 0ms}, {part(7, 2, 3, "e"), 1ms}}, {}},
        {"the last part after the window", {{part(7, 0, 2, "ab"), 0ms}, {part(7, 1, 2, "cd"), 5001ms}}, {}},
        {"the last part just inside it", {{part(7, 0, 2, "ab"), 0ms}, {part(7, 1, 2, "cd"), 5000ms}}, "abcd"},
        {"counts that disagree", {{part(7, 0, 2, "ab"), 0ms}, {part(7, 1, 3, "cd"), 1ms}, {part(7, 2, 3, "e"), 2ms}}, {}},
        {"a number past the count", {{part(7, 3, 3, "x"), 0ms}, {part(7, 0, 3, "a"), 1ms}, {part(7, 1, 3, "b"), 1ms}}, {}},
        {"a count of zero", {{part(7, 0, 0, "ab"), 0ms}}, {}},
        {"other ids do not mix", {{part(7, 0, 2, "ab"), 0ms}, {part(8, 1, 2, "XX"), 1ms}}, {}},
        {"other senders do not mix",
         {{part(7, 0, 2, "ab"), 0ms}, {part(7, 1, 2, "XX"), 1ms, QStringLiteral("10.0.0.2")}}, {}},
        {"a header cut short", {{part(7, 0, 1, "").left(8), 0ms}}, {}},
        {"a single part is a whole reply", {{part(9, 0, 1, "whole"), 0ms}}, "whole"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        SplitReassembler reassembler;
        QByteArray out;
        int completions = 0;
        for (const Step &step : c.steps) {
            if (auto whole = reassembler.add(step.datagram, step.sender, 27015, t0 + step.at, window)) {
                out = *whole;
                ++completions;
            }
        }
        EXPECT_EQ(out, c.expected);
        EXPECT_LE(completions, 1);
    }
}

TEST(SplitReassembly, AFloodOfUnfinishedRepliesIsBounded)
{
    using Clock = SplitReassembler::Clock;
    SplitReassembler reassembler;
    const Clock::time_point t0{};
    for (quint32 id = 0; id < 10000; ++id)
        reassembler.add(part(id, 0, 2, "x"), QStringLiteral("10.0.0.1"), 1, t0 + std::chrono::microseconds(id), 5s);
    EXPECT_EQ(reassembler.pending(), SplitReassembler::maxPending);
    // The newest are the ones kept.
    EXPECT_EQ(reassembler.add(part(9999, 1, 2, "y"), QStringLiteral("10.0.0.1"), 1, t0 + 10ms, 5s), QByteArray("xy"));
    EXPECT_FALSE(reassembler.add(part(0, 1, 2, "y"), QStringLiteral("10.0.0.1"), 1, t0 + 10ms, 5s).has_value());
    // Expired ones go at the next part, whoever sends it.
    reassembler.add(part(1, 0, 2, "z"), QStringLiteral("10.0.0.9"), 1, t0 + 60s, 5s);
    EXPECT_EQ(reassembler.pending(), 1u);
}

TEST(SplitReassembly, TheSimulatorsSplitRepliesReassembleToTheOriginal)
{
    HlReplies::ServerDescription server;
    for (int i = 0; i < 40; ++i)
        server.playerNames.append("[X]Player_" + QByteArray::number(i));
    const QByteArray reply = HlReplies::playersReply(server);
    for (const qsizetype size : {qsizetype(500), qsizetype(100), qsizetype(7)}) {
        SCOPED_TRACE(size);
        const QList<QByteArray> parts = HlReplies::splitReply(reply, size, 42);
        EXPECT_LE(parts.size(), 15);
        SplitReassembler reassembler;
        std::optional<QByteArray> whole;
        // Backwards, to make the order matter.
        for (qsizetype i = parts.size() - 1; i >= 0; --i) {
            EXPECT_FALSE(whole.has_value());
            whole = reassembler.add(parts[i], QStringLiteral("h"), 1, SplitReassembler::Clock::time_point{}, 1s);
        }
        ASSERT_TRUE(whole.has_value());
        EXPECT_EQ(*whole, reply);
    }
}

} // namespace
