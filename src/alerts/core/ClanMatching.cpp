#include "alerts/core/ClanMatching.h"

#include "history/HistoryTypes.h"
#include "model/mdlZibProcessing.h"
#include "model/Numeric.h"
#include "platform/Clock.h"
#include "platform/text/TextCodec.h"

#include <algorithm>
#include <limits>
#include <string_view>
#include <vector>

namespace ClanMatching {

namespace {

// Minutes since an arbitrary day, counted on the wall clock: a clock change or a daylight-saving
// shift moves the result exactly as far as the clock on the wall moved.
qint64 wallMinutes(const QDateTime &t)
{
    static const QDate epoch(2000, 1, 1);
    const QTime time = t.time();
    return epoch.daysTo(t.date()) * 1440 + time.hour() * 60 + time.minute();
}

} // namespace

bool tagMatches(const QString &playerName, const QString &clanTag)
{
    return !playerName.isEmpty() && playerName.contains(clanTag, Qt::CaseSensitive);
}

TagMatcher::TagMatcher(const QString &clanTag)
    : m_tag(clanTag)
    , m_tagCodes(codesIn(clanTag))
{
}

quint64 TagMatcher::codesIn(const QString &text)
{
    quint64 codes = 0;
    for (const QChar c : text)
        codes |= quint64(1) << (c.unicode() % 64);
    return codes;
}

bool TagMatcher::matches(const QString &playerName) const
{
    return matches(playerName, codesIn(playerName));
}

bool TagMatcher::matches(const QString &playerName, quint64 nameCodes) const
{
    // A name that lacks one of the tag's characters cannot hold the tag: most names of a tick are
    // ruled out here without a search.
    if (playerName.isEmpty() || (m_tagCodes & ~nameCodes) != 0)
        return false;
    // The plain search of the standard library compares code units exactly as they are, as
    // QString::contains does with Qt::CaseSensitive, at a fraction of its cost on short names.
    const std::u16string_view name(reinterpret_cast<const char16_t *>(playerName.utf16()),
                                   std::size_t(playerName.size()));
    const std::u16string_view tag(reinterpret_cast<const char16_t *>(m_tag.utf16()), std::size_t(m_tag.size()));
    return name.find(tag) != std::u16string_view::npos;
}

qint64 elapsedMinutes(const QDateTime &from, const QDateTime &to)
{
    // A time never set stands for "long ago": nothing has been alerted yet, so nothing throttles.
    if (!from.isValid())
        return std::numeric_limits<qint64>::max();
    if (!to.isValid())
        return 0;
    return wallMinutes(to) - wallMinutes(from);
}

void showAlert(qint16 serverNumber, qint16 clanFilterNumber, AlertOutput &output)
{
    namespace state = mdlZibProcessing;
    const QDateTime now = Clock::now();
    if (elapsedMinutes(state::lastAlertTime, now) < state::AlertSpeed)
        return;
    // Taken before the pop-up appears: the pop-up's rise lets other handlers run, and a pass run
    // from there must already see this alert as the last one.
    state::lastAlertTime = now;
    output.showPopup(serverNumber, clanFilterNumber);
    if (state::AlertPlaySound == 1)
        output.playAlertSound();
}

void checkClanFilters(AlertOutput &output, History::PassRecord *history)
{
    // Copies of the lists: a reload while the pop-up rises replaces them, and the records we
    // hold stay alive through their shared pointers.
    const mdlZibProcessing::ServerList servers = mdlZibProcessing::gameServers;
    const mdlZibProcessing::FilterList filters = mdlZibProcessing::clanFilters;
    std::vector<TagMatcher> matchers;
    matchers.reserve(std::size_t(filters.size()));
    for (const auto &filter : filters)
        matchers.emplace_back(filter->clanTag());
    std::vector<quint64> nameCodes;
    // The history's part runs on the window's thread: flat arrays filled in place, with shared
    // copies of the strings; the worker builds the rest.
    if (history) {
        history->servers.reserve(std::size_t(servers.size()));
        history->tags.reserve(filters.size());
        for (const auto &filter : filters)
            history->tags.append(filter->clanTag());
    }
    for (const auto &server : servers) {
        server->setFilterPlayers(0);
        History::PassRecord::Server *sample = nullptr;
        if (history) {
            // Reserved above: the pointer stays valid through this server.
            sample = &history->servers.emplace_back();
            sample->key = server->key();
            sample->players = qint16(std::min<qsizetype>(server->playerNames().size(), std::numeric_limits<qint16>::max()));
            sample->capacity = server->maxPlayers();
            sample->answered = server->takeAnsweredSincePass();
            if (const auto roundTrip = server->lastRoundTrip())
                sample->roundTripMs = qint32(std::min<qint64>(roundTrip->count(), std::numeric_limits<qint32>::max()));
        }
        const QStringList names = server->playerNames();
        nameCodes.clear();
        for (const QString &name : names)
            nameCodes.push_back(TagMatcher::codesIn(name));
        for (std::size_t f = 0; f < matchers.size(); ++f) {
            const auto &filter = filters[qsizetype(f)];
            qint16 count = 0;
            History::PassRecord::Hit *hit = nullptr;
            for (qsizetype n = 0; n < names.size(); ++n) {
                if (!matchers[f].matches(names[n], nameCodes[std::size_t(n)]))
                    continue;
                count = Numeric::saturatingAdd(count, 1);
                // Only the names that matched go to the history; no other player's is kept.
                if (sample) {
                    if (!hit) {
                        hit = &history->hits.emplace_back();
                        hit->filter = qint32(f);
                        ++sample->hitCount;
                    }
                    history->names.append(names[n]);
                    ++hit->nameCount;
                }
            }
            if (hit)
                hit->count = count;
            server->setFilterPlayers(Numeric::saturatingAdd(server->filterPlayers(), count));
            if (filter->alert() && count >= filter->alertTrigger())
                showAlert(server->serverNumber(), filter->clanFilterNumber(), output);
        }
        if (sample)
            sample->hits = server->filterPlayers();
    }
}

QString alertDetails(qint16 serverNumber, qint16 clanFilterNumber)
{
    const auto server = mdlZibProcessing::serverAt(serverNumber);
    if (!server)
        return {};
    // Shown field by field, so that a line break or a bidirectional control inside a name stays
    // inside that name's line.
    QString text = TextCodec::forDisplay(server->name()) + QStringLiteral("\r\n");
    const auto filter = mdlZibProcessing::filterAt(clanFilterNumber);
    if (!filter)
        return text;
    for (const QString &name : server->playerNames()) {
        if (tagMatches(name, filter->clanTag()))
            text += QStringLiteral("\r\n") + TextCodec::forDisplay(name);
    }
    return text;
}

} // namespace ClanMatching
