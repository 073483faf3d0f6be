#include "ui/ServerGrid.h"

#include "model/GameServer.h"
#include "model/Numeric.h"

#include <algorithm>

namespace ServerGrid {

namespace {

const QString crlf = QStringLiteral("\r\n");

// True when a belongs above b.
bool greater(const QString &a, const QString &b)
{
    const auto x = Numeric::toNumber(a);
    const auto y = Numeric::toNumber(b);
    if (x && y)
        return *x > *y;
    return a > b;
}

} // namespace

QStringList headings()
{
    return {QString(), QStringLiteral(" Server") + QString(23, u' '), QStringLiteral(" Map") + QString(18, u' '),
            QStringLiteral("Players"), QStringLiteral("  Hits")};
}

QString playersText(const GameServer &server)
{
    return QString::number(server.playerNames().size()) + u'/' + QString::number(server.maxPlayers());
}

QStringList rowTexts(const GameServer &server)
{
    return {QString::number(server.serverNumber()), server.name(), server.mapName(), playersText(server),
            QString::number(server.filterPlayers())};
}

void sortDescending(QList<QStringList> &rows, int column)
{
    std::stable_sort(rows.begin(), rows.end(), [column](const QStringList &a, const QStringList &b) {
        return greater(a.value(column), b.value(column));
    });
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
    return QStringLiteral("SERVER: ") + server.name() + crlf + QStringLiteral("Addr: ") + server.address() + crlf
           + QStringLiteral("Port: ") + QString::number(server.port()) + crlf + crlf + server.toStringPlayers();
}

} // namespace ServerGrid
