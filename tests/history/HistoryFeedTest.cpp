#include "alerts/core/ClanMatching.h"
#include "history/HistoryStore.h"
#include "history/HistoryTypes.h"
#include "model/mdlZibProcessing.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

struct NoAlerts final : ClanMatching::AlertOutput
{
    void showPopup(qint16, qint16) override {}
    void playAlertSound() override {}
};

std::shared_ptr<GameServer> server(qint16 number, const QString &address, qint32 port, QStringList names)
{
    auto s = std::make_shared<GameServer>();
    s->setServerNumber(number);
    s->setAddress(address);
    s->setPort(port);
    s->setMaxPlayers(16);
    s->setPlayerNames(std::move(names));
    return s;
}

std::shared_ptr<ClanFilter> filter(qint16 number, const QString &tag)
{
    auto f = std::make_shared<ClanFilter>();
    f->setClanFilterNumber(number);
    f->setClanTag(tag);
    return f;
}

using HistoryFeed = SettingsFixture;

} // namespace

TEST_F(HistoryFeed, TheMatchingPassHandsOverItsCountsAndOnlyTheMatchedNames)
{
    namespace state = mdlZibProcessing;
    state::gameServers = {server(1, QStringLiteral("10.0.0.1"), 27015,
                                 {QStringLiteral("[X]Ann"), QStringLiteral("Bob"), QStringLiteral("[X][Y]Cy")}),
                          server(2, QStringLiteral("10.0.0.2"), 27016, {QStringLiteral("Dee")}),
                          server(3, QStringLiteral("10.0.0.3"), 27017, {QStringLiteral("Eve"), QStringLiteral("[Y]Zed")})};
    state::clanFilters = {filter(1, QStringLiteral("[X]")), filter(2, QStringLiteral("[Y]")), filter(3, QStringLiteral("[Z]"))};
    state::gameServers[0]->setLastRoundTrip(std::chrono::milliseconds(37));
    NoAlerts alerts;
    History::PassRecord record;
    ClanMatching::checkClanFilters(alerts, &record);
    const History::Pass pass = record.unpack();
    ASSERT_EQ(pass.servers.size(), 3);
    const History::ServerSample &first = pass.servers[0];
    EXPECT_EQ(first.key, QStringLiteral("10.0.0.1:27015"));
    EXPECT_EQ(first.players, 3);
    EXPECT_EQ(first.capacity, 16);
    EXPECT_EQ(first.hits, 3);
    EXPECT_TRUE(first.answered);
    EXPECT_EQ(first.roundTripMs, 37);
    ASSERT_EQ(first.filters.size(), 2) << "a filter that counted nobody is left out";
    EXPECT_EQ(first.filters[0].tag, QStringLiteral("[X]"));
    EXPECT_EQ(first.filters[0].count, 2);
    EXPECT_EQ(first.filters[0].names, (QStringList{QStringLiteral("[X]Ann"), QStringLiteral("[X][Y]Cy")}));
    EXPECT_EQ(first.filters[1].names, (QStringList{QStringLiteral("[X][Y]Cy")}));
    const History::ServerSample &second = pass.servers[1];
    EXPECT_FALSE(second.answered);
    EXPECT_EQ(second.roundTripMs, -1);
    EXPECT_TRUE(second.filters.isEmpty());
    // Handed over flat, each server gets back its own hits and names, not its neighbour's.
    const History::ServerSample &third = pass.servers[2];
    ASSERT_EQ(third.filters.size(), 1);
    EXPECT_EQ(third.filters[0].tag, QStringLiteral("[Y]"));
    EXPECT_EQ(third.filters[0].names, QStringList{QStringLiteral("[Y]Zed")});
    EXPECT_EQ(third.hits, 1);

    // The mark is the interval's: the next pass without a reply says so, the round trip stays.
    History::PassRecord next;
    ClanMatching::checkClanFilters(alerts, &next);
    EXPECT_FALSE(next.servers[0].answered);
    EXPECT_EQ(next.servers[0].roundTripMs, 37);
}

TEST_F(HistoryFeed, OnePassPerCheckAndTheHistoryKey)
{
    // Passes every 5 s and checks every 30 s: the pass after each check, not every pass.
    qint64 last = 0;
    int recorded = 0;
    for (qint64 t = 1000; t < 1000 + 300; t += 5) {
        if (History::Store::passDue(last, t, 30)) {
            ++recorded;
            last = t;
        }
    }
    EXPECT_EQ(recorded, 10);
    EXPECT_TRUE(History::Store::passDue(5000, 4000, 30)) << "a clock set back does not stop recording";

    writeFile("[ZIB SETTINGS]\r\nHistory=0\r\n");
    mdlZibProcessing::loadSettings();
    EXPECT_FALSE(mdlZibProcessing::HistoryRecording);
    writeFile("[ZIB SETTINGS]\r\nCheckSpeed=30\r\n");
    mdlZibProcessing::loadSettings();
    EXPECT_TRUE(mdlZibProcessing::HistoryRecording) << "missing means on";
}
