#include "AlertFixtures.h"
#include "query/QueryDatagrams.h"

#include <limits>

using namespace ClanMatching;
namespace state = mdlZibProcessing;

namespace {

class ClanMatchingTest : public SettingsFixture
{
protected:
    void SetUp() override
    {
        SettingsFixture::SetUp();
        state::AlertSpeed = 0;
        state::AlertPlaySound = 1;
        state::lastAlertTime = at("09:00:00");
    }

    RecordingOutput m_output;
};

struct MatchCase
{
    const char *tag;
    QStringList names;
    qint16 expected;
};

TEST_F(ClanMatchingTest, CountsEachNameOnceByExactSubstring)
{
    const MatchCase cases[] = {
        {"abc", {QStringLiteral("[ABC]Player")}, 0},
        {"ABC", {QStringLiteral("[ABC]Player")}, 1},
        {"BC]P", {QStringLiteral("[ABC]Player")}, 1},
        {"abc", {QStringLiteral("abcabc")}, 1},
        {"[X]", {QStringLiteral("a[X]"), QStringLiteral("b"), QStringLiteral("[X]c"), QStringLiteral("[x]d")}, 2},
        {"[X]", {QStringLiteral(" [X] ")}, 1},
        {"[X] ", {QStringLiteral("[X]")}, 0},
        {"", {QStringLiteral("anyone"), QString(), QStringLiteral(" ")}, 2},
        {"[X]", {QString()}, 0},
        {"[X]", {}, 0},
    };
    for (const MatchCase &c : cases) {
        SCOPED_TRACE(c.tag);
        state::gameServers.clear();
        state::clanFilters.clear();
        const auto server = addServer(QStringLiteral("S"), c.names);
        addFilter(QString::fromLatin1(c.tag), false, 1);
        server->setFilterPlayers(99);
        checkClanFilters(m_output);
        EXPECT_EQ(server->filterPlayers(), c.expected);
    }
    EXPECT_TRUE(m_output.popups.empty());
}

TEST_F(ClanMatchingTest, EveryCharacterCountsNotJustItsKind)
{
    // A pass rules names out by the set of characters they hold before it searches: characters
    // that look alike to that set (0x01, 'A' and U+0141 share one slot) must still be told apart.
    struct Case
    {
        QString tag;
        QStringList names;
        qint16 expected;
    };
    const Case cases[] = {
        {QStringLiteral("A"), {QStringLiteral("\x01"), QStringLiteral("\u0141"), QStringLiteral("xAx")}, 1},
        {QStringLiteral("\u0141"), {QStringLiteral("A"), QStringLiteral("x\u0141y")}, 1},
        {QStringLiteral("[\u00C9]"), {QStringLiteral("[\u00E9]a"), QStringLiteral("[\u00C9]b")}, 1},
        {QStringLiteral("\U0001F600"), {QStringLiteral("a\U0001F600"), QStringLiteral("\U0001F601")}, 1},
        {QStringLiteral("ab"), {QStringLiteral("ba"), QStringLiteral("a b"), QStringLiteral("xab")}, 1},
        {QStringLiteral("aa"), {QStringLiteral("a"), QStringLiteral("aa")}, 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.tag.toStdString());
        state::gameServers.clear();
        state::clanFilters.clear();
        const auto server = addServer(QStringLiteral("S"), c.names);
        addFilter(c.tag, false, 1);
        checkClanFilters(m_output);
        EXPECT_EQ(server->filterPlayers(), c.expected);
        // The pass and the one-name test agree.
        qint16 single = 0;
        for (const QString &name : c.names)
            single += tagMatches(name, c.tag) ? 1 : 0;
        EXPECT_EQ(single, c.expected);
    }
}

// A players reply as a server sends it, names as raw bytes.
QByteArray playersReply(const QList<QByteArray> &names)
{
    QByteArray datagram = fromHex("FF FF FF FF 44") + char(names.size());
    for (const QByteArray &name : names)
        datagram += QByteArray(1, '\1') + name + QByteArray(9, '\0');
    return datagram;
}

TEST_F(ClanMatchingTest, TagsInAnyScriptAreSavedReloadedAndMatchTheNamesServersSend)
{
    // Typed in the filters window, stored, and read back as the next start would.
    for (const QString &tag : {QStringLiteral("★"), QStringLiteral("™X"), QStringLiteral("[Дк]"),
                               QStringLiteral("清水"), QStringLiteral("e\u0301")})
        addFilter(tag, false, 1);
    state::saveClanFilters();
    state::loadClanFilters();
    ASSERT_EQ(state::clanFilters.size(), 5);
    EXPECT_EQ(state::clanFilters[1]->clanTag(), QStringLiteral("™X"));
    // The file holds UTF-8 beyond ASCII by then ("★" came first), so a new tag follows it.
    EXPECT_TRUE(fileBytes().contains("Tag=\xE2\x84\xA2X\r\n")) << "a new tag follows the file's encoding";

    const auto utf8 = addServer(QStringLiteral("today"), {});
    utf8->setAddress(QStringLiteral("10.0.0.1"));
    utf8->setPort(27015);
    const auto legacy = addServer(QStringLiteral("old"), {});
    legacy->setAddress(QStringLiteral("10.0.0.2"));
    legacy->setPort(27015);
    QueryDatagrams::handleReply(playersReply({QStringLiteral("★Bob").toUtf8(), QStringLiteral("[Дк]Иван").toUtf8(),
                                              QStringLiteral("清水一郎").toUtf8(), QStringLiteral("Rene\u0301").toUtf8(),
                                              QStringLiteral("™XAce").toUtf8(), "?Bob", "[??]Ivan"}),
                                QStringLiteral("10.0.0.1"), 27015);
    QueryDatagrams::handleReply(playersReply({"\x99XAce", "Ren\xE9", "\x80" "Bob"}), QStringLiteral("10.0.0.2"), 27015);
    checkClanFilters(m_output);
    // One for each tag; "?" stands for nothing it once replaced. The precomposed "é" is not
    // "e" with a combining accent: the match is on the characters as sent.
    EXPECT_EQ(utf8->filterPlayers(), 5);
    EXPECT_EQ(legacy->filterPlayers(), 1);
}

TEST_F(ClanMatchingTest, FilterPlayersSumsAllFiltersButTriggerSeesOneFilter)
{
    const auto both = addServer(QStringLiteral("Both"), {QStringLiteral("[A][B]one")});
    const auto split = addServer(QStringLiteral("Split"),
                                 {QStringLiteral("[A]1"), QStringLiteral("[A]2"), QStringLiteral("[B]1"),
                                  QStringLiteral("[B]2")});
    addFilter(QStringLiteral("[A]"), true, 3);
    addFilter(QStringLiteral("[B]"), true, 3);

    checkClanFilters(m_output);

    EXPECT_EQ(both->filterPlayers(), 2);
    EXPECT_EQ(split->filterPlayers(), 4);
    EXPECT_TRUE(m_output.popups.empty()) << "4 hits over two filters must not meet a trigger of 3";
}

struct TriggerCase
{
    const char *what;
    bool alert;
    qint16 trigger;
    QStringList players;
    bool expectAlert;
};

TEST_F(ClanMatchingTest, TriggerIsReachedAtGreaterOrEqual)
{
    const QStringList three = {QStringLiteral("[X]a"), QStringLiteral("[X]b"), QStringLiteral("[X]c")};
    const TriggerCase cases[] = {
        {"exactly the trigger", true, 3, three, true},
        {"one short", true, 4, three, false},
        {"not an alerting filter", false, 1, three, false},
        {"trigger 0 on a silent server", true, 0, {}, true},
        {"negative trigger", true, -2, {}, true},
        {"largest trigger", true, std::numeric_limits<qint16>::max(), three, false},
    };
    for (const TriggerCase &c : cases) {
        SCOPED_TRACE(c.what);
        state::gameServers.clear();
        state::clanFilters.clear();
        m_output.popups.clear();
        addServer(QStringLiteral("S"), c.players);
        addFilter(QStringLiteral("[X]"), c.alert, c.trigger);
        checkClanFilters(m_output);
        EXPECT_EQ(m_output.popups.size(), c.expectAlert ? 1u : 0u);
        if (c.expectAlert) {
            EXPECT_EQ(m_output.popups.front(), std::make_pair(qint16(1), qint16(1)));
        }
    }
}

TEST_F(ClanMatchingTest, PassesOnTheRecordsOwnNumbers)
{
    addServer(QStringLiteral("A"), {});
    addServer(QStringLiteral("B"), {QStringLiteral("[X]b")})->setServerNumber(7);
    addFilter(QStringLiteral("[Y]"), true, 1);
    addFilter(QStringLiteral("[X]"), true, 1)->setClanFilterNumber(5);
    checkClanFilters(m_output);
    ASSERT_EQ(m_output.popups.size(), 1u);
    EXPECT_EQ(m_output.popups.front(), std::make_pair(qint16(7), qint16(5)));
}

TEST_F(ClanMatchingTest, CountsBeyondSixteenBitsStopAtTheTop)
{
    QStringList crowd;
    for (int i = 0; i < 40000; ++i)
        crowd.append(QStringLiteral("[X]") + QString::number(i));
    const auto server = addServer(QStringLiteral("Crowd"), crowd);
    addFilter(QStringLiteral("[X]"), true, std::numeric_limits<qint16>::max());
    addFilter(QStringLiteral("X"), false, 1);

    checkClanFilters(m_output);

    EXPECT_EQ(server->filterPlayers(), std::numeric_limits<qint16>::max());
    EXPECT_EQ(m_output.popups.size(), 1u) << "a saturated count still meets the largest trigger";
}

TEST_F(ClanMatchingTest, IntervalZeroAlertsEveryPairAndOneMinuteOnlyTheFirst)
{
    ManualClock clock(at("10:00:00"));
    addServer(QStringLiteral("A"), {QStringLiteral("[X]a"), QStringLiteral("[Y]a")});
    addServer(QStringLiteral("B"), {QStringLiteral("[X]b")});
    addFilter(QStringLiteral("[X]"), true, 1);
    addFilter(QStringLiteral("[Y]"), true, 1);

    checkClanFilters(m_output);
    const std::vector<std::pair<qint16, qint16>> everyPair = {{1, 1}, {1, 2}, {2, 1}};
    EXPECT_EQ(m_output.popups, everyPair);
    EXPECT_EQ(m_output.sounds, 3);

    m_output = {};
    state::AlertSpeed = 1;
    clock.set(at("10:01:00"));
    checkClanFilters(m_output);
    const std::vector<std::pair<qint16, qint16>> firstPair = {{1, 1}};
    EXPECT_EQ(m_output.popups, firstPair);
    EXPECT_EQ(state::lastAlertTime, at("10:01:00"));
}

struct ThrottleCase
{
    const char *what;
    QDateTime last;
    QDateTime now;
    qint16 interval;
    bool expectAlert;
};

TEST_F(ClanMatchingTest, ThrottleCountsMinuteBoundaries)
{
    const ThrottleCase cases[] = {
        {"10:00:59 then 10:01:00", at("10:00:59"), at("10:01:00"), 1, true},
        {"10:00:00 then 10:00:59", at("10:00:00"), at("10:00:59"), 1, false},
        {"10:00:00 then 10:01:00", at("10:00:00"), at("10:01:00"), 1, true},
        {"interval 5, 10:02:30 then 10:06:59", at("10:02:30"), at("10:06:59"), 5, false},
        {"interval 5, 10:02:30 then 10:07:00", at("10:02:30"), at("10:07:00"), 5, true},
        {"start at 10:00:30, interval 60", at("09:00:30"), at("10:00:30"), 60, true},
        {"start at 10:00:30, interval 90, at 10:29:59", at("09:00:30"), at("10:29:59"), 90, false},
        {"start at 10:00:30, interval 90, at 10:30:00", at("09:00:30"), at("10:30:00"), 90, true},
        {"clock set back, interval 0", at("10:00:00"), at("09:59:30"), 0, false},
        {"clock set back two minutes, interval 1", at("10:00:00"), at("09:58:00"), 1, false},
        {"interval 0, same second", at("10:00:00"), at("10:00:00"), 0, true},
        {"negative interval, clock set back a minute", at("10:00:00"), at("09:59:00"), -1, true},
        {"over midnight", at("23:59:59"), at("00:00:00", "2024-03-15"), 1, true},
        {"never alerted", QDateTime(), at("10:00:00"), 32767, true},
    };
    for (const ThrottleCase &c : cases) {
        SCOPED_TRACE(c.what);
        m_output = {};
        state::lastAlertTime = c.last;
        state::AlertSpeed = c.interval;
        ManualClock clock(c.now);

        showAlert(3, 4, m_output);

        if (c.expectAlert) {
            ASSERT_EQ(m_output.popups.size(), 1u);
            EXPECT_EQ(m_output.popups.front(), std::make_pair(qint16(3), qint16(4)));
            EXPECT_EQ(m_output.sounds, 1);
            EXPECT_EQ(state::lastAlertTime, c.now);
        } else {
            EXPECT_TRUE(m_output.popups.empty());
            EXPECT_EQ(m_output.sounds, 0);
            EXPECT_EQ(state::lastAlertTime, c.last) << "a suppressed alert leaves the last alert time alone";
        }
    }
}

TEST_F(ClanMatchingTest, SoundOnlyWhenTheSettingIsExactlyOne)
{
    const std::pair<qint16, int> cases[] = {{1, 1}, {0, 0}, {-1, 0}, {2, 0}};
    ManualClock clock(at("10:00:00"));
    for (const auto &[setting, sounds] : cases) {
        SCOPED_TRACE(setting);
        m_output = {};
        state::AlertPlaySound = setting;
        showAlert(1, 1, m_output);
        EXPECT_EQ(m_output.popups.size(), 1u);
        EXPECT_EQ(m_output.sounds, sounds);
    }
}

TEST_F(ClanMatchingTest, FiveMinuteIntervalOverManyPasses)
{
    ManualClock clock(at("10:02:30"));
    state::AlertSpeed = 5;
    addServer(QStringLiteral("S"), {QStringLiteral("[X]a")});
    addFilter(QStringLiteral("[X]"), true, 1);

    checkClanFilters(m_output);
    ASSERT_EQ(m_output.popups.size(), 1u);

    // Passes every five seconds, as the matching timer runs them.
    int alertsBefore = 0;
    QDateTime t = at("10:02:35");
    for (; t < at("10:07:00"); t = t.addSecs(5)) {
        clock.set(t);
        checkClanFilters(m_output);
        alertsBefore = int(m_output.popups.size()) - 1;
        if (alertsBefore != 0)
            break;
    }
    EXPECT_EQ(alertsBefore, 0) << "alerted again at " << t.toString().toStdString();
    EXPECT_EQ(m_output.sounds, 1);

    clock.set(at("10:07:00"));
    checkClanFilters(m_output);
    EXPECT_EQ(m_output.popups.size(), 2u);
}

struct DetailsCase
{
    const char *what;
    QString serverName;
    QStringList players;
    qint16 server;
    qint16 filter;
    QString expected;
};

TEST_F(ClanMatchingTest, DetailsListTheServerThenEachMatchingPlayer)
{
    const DetailsCase cases[] = {
        {"two of three match", QStringLiteral("Alpha"),
         {QStringLiteral("a[X]"), QStringLiteral("b"), QStringLiteral("[X]c")}, 1, 1,
         QStringLiteral("Alpha\r\n\r\na[X]\r\n[X]c")},
        {"no name yet", QString(), {QStringLiteral("[X]c")}, 1, 1, QStringLiteral("\r\n\r\n[X]c")},
        {"nobody matches", QStringLiteral("Alpha"), {QStringLiteral("b")}, 1, 1, QStringLiteral("Alpha\r\n")},
        {"no such server", QStringLiteral("Alpha"), {QStringLiteral("a[X]")}, 2, 1, QString()},
        {"no such filter", QStringLiteral("Alpha"), {QStringLiteral("a[X]")}, 1, 0, QStringLiteral("Alpha\r\n")},
        {"names that would reorder or add lines", QStringLiteral("Alpha\r\nBeta"),
         {QStringLiteral("[X]a\nGhost[X]"), QStringLiteral("\u202E[X]b\u200B")}, 1, 1,
         QStringLiteral("Alpha␍␊Beta\r\n\r\n[X]a␊Ghost[X]\r\n\uFFFD[X]b\uFFFD")},
    };
    for (const DetailsCase &c : cases) {
        SCOPED_TRACE(c.what);
        state::gameServers.clear();
        state::clanFilters.clear();
        addServer(c.serverName, c.players);
        addFilter(QStringLiteral("[X]"), true, 1);
        EXPECT_EQ(alertDetails(c.server, c.filter), c.expected);
    }
}

} // namespace
