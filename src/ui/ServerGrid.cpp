#include "ui/ServerGrid.h"

#include "model/GameServer.h"
#include "model/Numeric.h"
#include "platform/Language.h"
#include "platform/text/TextCodec.h"

#include <QCoreApplication>
#include <algorithm>
#include <optional>
#include <vector>

namespace ServerGrid {

namespace {

const QString crlf = QStringLiteral("\r\n");


} // namespace

QStringList headings()
{
    return {QString(), QCoreApplication::translate("ServerGrid", " Server") + QString(23, u' '), QCoreApplication::translate("ServerGrid", " Map") + QString(18, u' '),
            QCoreApplication::translate("ServerGrid", "Players"), QCoreApplication::translate("ServerGrid", "  Hits")};
}

QString playersText(const GameServer &server)
{
    return QString::number(server.playerNames().size()) + u'/' + QString::number(server.maxPlayers());
}

QStringList rowTexts(const GameServer &server)
{
    return {QString::number(server.serverNumber()), TextCodec::forDisplay(server.name()),
            TextCodec::forDisplay(server.mapName()), playersText(server), QString::number(server.filterPlayers())};
}

void sortDescending(QList<QStringList> &rows, int column)
{
    // Each cell is read as a number once, not at every comparison: the sort compares a thousand
    // rows some fifteen thousand times.
    struct Key
    {
        std::optional<double> number;
        qsizetype row = 0;
    };
    std::vector<Key> keys;
    keys.reserve(std::size_t(rows.size()));
    for (qsizetype row = 0; row < rows.size(); ++row)
        keys.push_back({Numeric::toNumber(rows[row].value(column)), row});
    std::stable_sort(keys.begin(), keys.end(), [&rows, column](const Key &a, const Key &b) {
        if (a.number && b.number)
            return *a.number > *b.number;
        return rows[a.row].value(column) > rows[b.row].value(column);
    });
    QList<QStringList> sorted;
    sorted.reserve(rows.size());
    for (const Key &key : keys)
        sorted.append(std::move(rows[key.row]));
    rows = std::move(sorted);
}

QList<QStringList> rows(const mdlZibProcessing::ServerList &servers)
{
    QList<QStringList> result;
    result.reserve(servers.size());
    for (const auto &server : servers)
        result.append(rowTexts(*server));
    sortDescending(result, HitsColumn);
    return result;
}

QString detailsText(const GameServer &server)
{
    // Each field on its own: a line break inside a name is shown as a mark, never as a line.
    QString text = QCoreApplication::translate("ServerGrid", "SERVER: ") + TextCodec::forDisplay(server.name()) + crlf + QCoreApplication::translate("ServerGrid", "Addr: ")
                   + TextCodec::forDisplay(server.address()) + crlf + QCoreApplication::translate("ServerGrid", "Port: ")
                   + QString::number(server.port()) + crlf + crlf;
    for (const QString &player : server.playerNames())
        text += TextCodec::forDisplay(player) + crlf;
    if (const auto roundTrip = server.lastRoundTrip())
        text += crlf
                + QCoreApplication::translate("ServerGrid", "Round trip: %1 ms")
                      .arg(Language::locale().toString(qlonglong(roundTrip->count())))
                + crlf;
    return text;
}

} // namespace ServerGrid
