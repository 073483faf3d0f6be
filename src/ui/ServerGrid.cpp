#include "ui/ServerGrid.h"

#include "model/GameServer.h"
#include "model/Numeric.h"
#include "platform/Language.h"
#include "platform/text/TextCodec.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <algorithm>
#include <optional>
#include <vector>

namespace ServerGrid {

namespace {

const QString crlf = QStringLiteral("\r\n");

// The blanks pad the Server and Map columns out to the grid's designed width.
template<typename Say>
QStringList headingsSaidBy(Say say)
{
    return {QString(), say(QT_TRANSLATE_NOOP("ServerGrid", " Server")) + QString(23, u' '),
            say(QT_TRANSLATE_NOOP("ServerGrid", " Map")) + QString(18, u' '), say(QT_TRANSLATE_NOOP("ServerGrid", "Players")),
            say(QT_TRANSLATE_NOOP("ServerGrid", "  Hits"))};
}

qsizetype trailingBlanks(const QString &text)
{
    qsizetype blanks = 0;
    while (blanks < text.size() && text.at(text.size() - 1 - blanks) == u' ')
        ++blanks;
    return blanks;
}


} // namespace

QStringList headings()
{
    return headingsSaidBy([](const char *english) { return QCoreApplication::translate("ServerGrid", english); });
}

QStringList headingsFitting(const QFontMetrics &metrics, int margins)
{
    const auto widthOf = [&](const QStringList &columns) {
        int width = 0;
        for (const QString &heading : columns)
            width += metrics.horizontalAdvance(heading) + margins;
        return width;
    };
    const int designed = widthOf(headingsSaidBy([](const char *english) { return QString::fromLatin1(english); }));
    QStringList fitted = headings();
    // Words longer than the English ones take their room from the blanks, so the columns never
    // need more than the grid shows.
    while (widthOf(fitted) > designed) {
        QString &padded = trailingBlanks(fitted[ServerColumn]) >= trailingBlanks(fitted[MapColumn]) ? fitted[ServerColumn]
                                                                                                     : fitted[MapColumn];
        if (trailingBlanks(padded) == 0)
            break;
        padded.chop(1);
    }
    return fitted;
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
