#include "model/SteamImport.h"

#include "platform/HostResolver.h"
#include "platform/settingsfile/ProfileFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QSet>

#include <algorithm>

namespace SteamImport {

namespace {

void collect(const KeyValues::Node &block, Source source, QList<Entry> &into)
{
    for (const KeyValues::Node &item : block.children) {
        if (!item.isBlock)
            continue;
        Entry entry;
        // Cut to what the settings file keeps: a name longer than that is never read back, and
        // a crafted one of many kilobytes would slow every repaint of the list.
        entry.name = ProfileFile::keptText(item.childValue(u"name").trimmed());
        entry.addressText = item.childValue(u"address").trimmed();
        entry.source = source;
        entry.lastPlayed = item.childValue(u"LastPlayed").toLongLong();
        entry.appId = item.childValue(u"appid").toLongLong();
        auto parsed = AddressList::parseOne(entry.addressText);
        if (auto *address = std::get_if<AddressList::Address>(&parsed))
            entry.address = std::move(*address);
        else
            entry.problem = std::get<AddressList::Refused>(parsed).reason;
        into.append(std::move(entry));
    }
}

// Host names as typed, dotted addresses in their one canonical form.
QString keyOf(const QString &host, qint32 port)
{
    return HostResolver::dottedIPv4(host).value_or(host.toLower()) + u':' + QString::number(port);
}

QString keyOf(const Entry &entry)
{
    return entry.address ? keyOf(entry.address->host, entry.address->port) : u'?' + entry.addressText;
}

} // namespace

QList<Entry> entriesOf(const KeyValues::Document &document)
{
    QList<Entry> entries;
    // The lists sit in the file's one top block ("Filters"); a file that has them at the top is
    // read as well.
    const auto collectLists = [&entries](const QList<KeyValues::Node> &nodes) {
        for (const KeyValues::Node &block : nodes) {
            if (!block.isBlock)
                continue;
            if (block.key.compare(u"favorites", Qt::CaseInsensitive) == 0)
                collect(block, Source::Favourite, entries);
            else if (block.key.compare(u"history", Qt::CaseInsensitive) == 0)
                collect(block, Source::History, entries);
        }
    };
    collectLists(document.nodes);
    for (const KeyValues::Node &node : document.nodes)
        collectLists(node.children);
    return entries;
}

FileContents readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, path + QStringLiteral(": ") + file.errorString()};
    // The size a file claims is not trusted: a pipe or a growing file says nothing true.
    const QByteArray bytes = file.read(maxFileBytes + 1);
    if (bytes.size() > maxFileBytes)
        return {{},
                path + QCoreApplication::translate("SteamImport", ": the file is larger than %1 MB, which no server list is; it was not read.")
                           .arg(maxFileBytes / (1024 * 1024))};
    const KeyValues::Document document = KeyValues::parse(bytes);
    if (!document.error.isEmpty())
        return {{}, path + QCoreApplication::translate("SteamImport", ": the file is damaged (") + document.error + u')'};
    return {entriesOf(document), {}};
}

bool isHalfLifeEngineGame(qint64 appId)
{
    static const QSet<qint64> games{10, 20, 30, 40, 50, 60, 70, 80, 130};
    return games.contains(appId);
}

QString gameName(qint64 appId)
{
    static const QHash<qint64, QString> names{
        {10, QStringLiteral("Counter-Strike")},   {20, QStringLiteral("Team Fortress Classic")},
        {30, QStringLiteral("Day of Defeat")},    {40, QStringLiteral("Deathmatch Classic")},
        {50, QStringLiteral("Opposing Force")},   {60, QStringLiteral("Ricochet")},
        {70, QStringLiteral("Half-Life")},        {80, QStringLiteral("Condition Zero")},
        {130, QStringLiteral("Blue Shift")},
    };
    return names.value(appId, QCoreApplication::translate("SteamImport", "App %1").arg(appId));
}

QList<Entry> prepare(QList<Entry> entries, const mdlZibProcessing::ServerList &servers)
{
    QList<Entry> merged;
    QHash<QString, qsizetype> seen;
    for (Entry &entry : entries) {
        const QString key = keyOf(entry);
        const auto it = seen.constFind(key);
        if (it == seen.cend()) {
            seen.insert(key, merged.size());
            merged.append(std::move(entry));
            continue;
        }
        Entry &kept = merged[*it];
        if (entry.source == Source::Favourite)
            kept.source = Source::Favourite;
        kept.lastPlayed = std::max(kept.lastPlayed, entry.lastPlayed);
        if (kept.name.isEmpty())
            kept.name = entry.name;
        if (kept.appId == 0)
            kept.appId = entry.appId;
    }

    QSet<QString> watched;
    for (const auto &server : servers)
        watched.insert(keyOf(server->address(), server->port()));
    for (Entry &entry : merged) {
        entry.watched = entry.address && watched.contains(keyOf(entry));
        entry.ticked = entry.address && !entry.watched && isHalfLifeEngineGame(entry.appId);
    }
    std::stable_sort(merged.begin(), merged.end(), [](const Entry &a, const Entry &b) {
        if (a.source != b.source)
            return a.source == Source::Favourite;
        return a.lastPlayed > b.lastPlayed;
    });
    return merged;
}

} // namespace SteamImport
