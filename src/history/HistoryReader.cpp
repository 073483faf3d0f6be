#include "history/HistoryReader.h"

#include "history/BucketSlots.h"

#include <QAtomicInteger>
#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>
#include <map>

namespace History {

namespace {

QAtomicInteger<quint64> readerCount;

QSqlQuery prepared(const QString &connection, const QString &statement)
{
    QSqlQuery query(QSqlDatabase::database(connection, false));
    query.setForwardOnly(true);
    query.prepare(statement);
    return query;
}

} // namespace

Reader::Reader(const QString &path)
    : m_connectionName(QStringLiteral("zib-history-reader-%1").arg(readerCount.fetchAndAddRelaxed(1)))
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=1000"));
    m_open = db.open();
    if (m_open) {
        // A file that is not there, or not ours, reads as an empty history.
        QSqlQuery probe(db);
        m_open = probe.exec(QStringLiteral("SELECT value FROM meta WHERE name = 'version'")) && probe.next();
    }
}

Reader::~Reader()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
}

QList<SeriesPoint> Reader::series(const QString &serverKey, qint64 from, qint64 to, bool bucketed) const
{
    QList<SeriesPoint> points;
    if (!m_open)
        return points;
    QSqlQuery buckets = prepared(m_connectionName, QStringLiteral(
        "SELECT day, slots FROM buckets WHERE server = (SELECT id FROM servers WHERE key = ?) "
        "AND day BETWEEN ? AND ? ORDER BY day"));
    buckets.addBindValue(serverKey);
    buckets.addBindValue(dayOf(from));
    buckets.addBindValue(dayOf(to));
    // Fine samples not yet aged are summed the same way, so a bucketed range reads as one line.
    std::map<qint64, DaySlots> days;
    QSqlQuery samples = prepared(m_connectionName, QStringLiteral(
        "SELECT t, answered, players, capacity, hits, round_trip FROM samples "
        "WHERE server = (SELECT id FROM servers WHERE key = ?) AND t BETWEEN ? AND ? ORDER BY t"));
    samples.addBindValue(serverKey);
    samples.addBindValue(from);
    samples.addBindValue(to);
    QList<SeriesPoint> fine;
    if (samples.exec()) {
        while (samples.next()) {
            const qint64 t = samples.value(0).toLongLong();
            const bool answered = samples.value(1).toInt() != 0;
            const int players = samples.value(2).toInt();
            const int capacity = samples.value(3).toInt();
            const int hits = samples.value(4).toInt();
            const int roundTrip = samples.value(5).isNull() ? -1 : samples.value(5).toInt();
            if (bucketed) {
                days[dayOf(t)].add(slotOf(t), answered, players, capacity, hits, roundTrip);
                continue;
            }
            fine.append({t, players, double(players), capacity, hits, double(hits), answered ? 1.0 : 0.0, roundTrip});
        }
    }
    if (buckets.exec()) {
        while (buckets.next())
            days[buckets.value(0).toLongLong()].mergeStored(buckets.value(1).toByteArray());
    }
    for (const auto &[day, daySlots] : days) {
        for (int slot = 0; slot < slotsPerDay; ++slot) {
            const qint64 t = day * 86400 + slot * bucketSeconds;
            if (daySlots[slot].checks > 0 && t + bucketSeconds > from && t <= to)
                points.append(daySlots[slot].point(t));
        }
    }
    // Unbucketed, the aged part comes first and the checks of the last 48 hours after it.
    if (!fine.isEmpty()) {
        const qint64 firstFine = fine.first().time;
        points.erase(std::remove_if(points.begin(), points.end(),
                                    [firstFine](const SeriesPoint &p) { return p.time + bucketSeconds > firstFine; }),
                     points.end());
        points += fine;
    }
    return points;
}

QList<Sighting> Reader::sightings(const QString &tag, const QString &serverKey, qint64 from, qint64 to) const
{
    QList<Sighting> list;
    if (!m_open)
        return list;
    QSqlQuery query = prepared(m_connectionName, QStringLiteral(
        "SELECT f.tag, s.key, g.start, g.end, g.peak, g.names FROM sightings g "
        "JOIN filters f ON f.id = g.filter JOIN servers s ON s.id = g.server "
        "WHERE g.end >= ? AND g.start <= ? AND (coalesce(?, '') = '' OR f.tag = ?) "
        "AND (coalesce(?, '') = '' OR s.key = ?) "
        "ORDER BY g.start DESC, g.id DESC"));
    query.addBindValue(from);
    query.addBindValue(to);
    query.addBindValue(tag);
    query.addBindValue(tag);
    query.addBindValue(serverKey);
    query.addBindValue(serverKey);
    if (!query.exec())
        return list;
    while (query.next()) {
        list.append({query.value(0).toString(), query.value(1).toString(), query.value(2).toLongLong(),
                     query.value(3).toLongLong(), query.value(4).toInt(),
                     query.value(5).toString().split(u'\n', Qt::SkipEmptyParts)});
    }
    return list;
}

QStringList Reader::servers() const
{
    QStringList keys;
    QSqlQuery query = prepared(m_connectionName, QStringLiteral("SELECT key FROM servers ORDER BY key"));
    if (m_open && query.exec()) {
        while (query.next())
            keys.append(query.value(0).toString());
    }
    return keys;
}

QStringList Reader::filters() const
{
    QStringList tags;
    QSqlQuery query = prepared(m_connectionName, QStringLiteral("SELECT tag FROM filters ORDER BY tag"));
    if (m_open && query.exec()) {
        while (query.next())
            tags.append(query.value(0).toString());
    }
    return tags;
}

WeekMap weekMap(const QList<Sighting> &sightings, qint64 now, int days, const QTimeZone &zone)
{
    WeekMap map;
    const qint64 start = now - qint64(days) * 86400;
    // Every local hour of the range once, as (date, hour): the denominators, and the cells of
    // each sighting.
    struct Cell
    {
        int weekday;
        int hour;
    };
    std::map<std::pair<qint64, int>, Cell> hoursInRange;
    const auto localHour = [&zone](qint64 t) {
        const QDateTime local = QDateTime::fromSecsSinceEpoch(t, zone);
        return std::pair<qint64, int>{local.date().toJulianDay(), local.time().hour()};
    };
    const auto nextHourStart = [&zone](qint64 t) {
        const QDateTime local = QDateTime::fromSecsSinceEpoch(t, zone);
        const QTime time = local.time();
        return t + 3600 - (time.minute() * 60 + time.second());
    };
    std::array<std::array<int, hoursInDay>, daysInWeek> occurrences{};
    for (qint64 t = start; t < now; t = nextHourStart(t)) {
        const auto key = localHour(t);
        if (hoursInRange.count(key))
            continue;
        const QDateTime local = QDateTime::fromSecsSinceEpoch(t, zone);
        const Cell cell{local.date().dayOfWeek() - 1, local.time().hour()};
        hoursInRange.emplace(key, cell);
        ++occurrences[std::size_t(cell.weekday)][std::size_t(cell.hour)];
    }
    std::map<std::pair<qint64, int>, bool> seen;
    std::array<std::array<std::map<QString, qint64>, hoursInDay>, daysInWeek> minutes{};
    std::map<QString, qint64> total;
    for (const Sighting &s : sightings) {
        const qint64 from = std::max(s.from, start);
        // A sighting of one check still stands for a moment in its hour.
        const qint64 to = std::min(std::max(s.to, s.from + 1), now);
        for (qint64 t = from; t < to;) {
            const qint64 end = std::min(nextHourStart(t), to);
            const auto key = localHour(t);
            if (const auto cell = hoursInRange.find(key); cell != hoursInRange.end()) {
                seen[key] = true;
                minutes[std::size_t(cell->second.weekday)][std::size_t(cell->second.hour)][s.server] += end - t;
                total[s.server] += end - t;
            }
            t = end;
        }
    }
    std::array<std::array<int, hoursInDay>, daysInWeek> seenCount{};
    for (const auto &[key, unused] : seen) {
        const Cell cell = hoursInRange.at(key);
        ++seenCount[std::size_t(cell.weekday)][std::size_t(cell.hour)];
    }
    const auto most = [](const std::map<QString, qint64> &byServer) {
        QString best;
        qint64 bestTime = 0;
        for (const auto &[server, time] : byServer) {
            if (time > bestTime) {
                best = server;
                bestTime = time;
            }
        }
        return best;
    };
    for (std::size_t d = 0; d < std::size_t(daysInWeek); ++d) {
        for (std::size_t h = 0; h < std::size_t(hoursInDay); ++h) {
            if (occurrences[d][h] > 0)
                map.share[d][h] = double(seenCount[d][h]) / occurrences[d][h];
            map.server[d][h] = most(minutes[d][h]);
        }
    }
    map.topServer = most(total);
    return map;
}

QString isoTime(qint64 time, const QTimeZone &zone)
{
    return QDateTime::fromSecsSinceEpoch(time, zone).toString(Qt::ISODate);
}

namespace {

// A field as RFC 4180 quotes it. Text that a spreadsheet would take for a formula (player names
// are anyone's choice) is led by an apostrophe, so opening the file never runs it.
QByteArray field(const QString &text)
{
    QString value = text;
    if (!value.isEmpty() && QStringLiteral("=+-@\t\r").contains(value.front()))
        value.prepend(u'\'');
    if (value.contains(u',') || value.contains(u'"') || value.contains(u'\n') || value.contains(u'\r'))
        value = u'"' + value.replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
    return value.toUtf8();
}

QByteArray number(double value)
{
    return QByteArray::number(value, 'f', 2);
}

} // namespace

QByteArray seriesCsv(const QString &serverKey, const QList<SeriesPoint> &points, const QTimeZone &zone)
{
    QByteArray csv = "time,server,players,players_mean,capacity,hits,hits_mean,answered,round_trip_ms\r\n";
    for (const SeriesPoint &p : points) {
        csv += field(isoTime(p.time, zone)) + ',' + field(serverKey) + ',' + QByteArray::number(p.playersPeak) + ','
               + number(p.playersMean) + ',' + QByteArray::number(p.capacity) + ',' + QByteArray::number(p.hitsPeak)
               + ',' + number(p.hitsMean) + ',' + number(p.answered) + ','
               + (p.roundTripMs >= 0 ? QByteArray::number(p.roundTripMs) : QByteArray()) + "\r\n";
    }
    return csv;
}

QByteArray sightingsCsv(const QList<Sighting> &sightings, const QTimeZone &zone)
{
    QByteArray csv = "filter,server,from,to,peak,names\r\n";
    for (const Sighting &s : sightings) {
        csv += field(s.tag) + ',' + field(s.server) + ',' + field(isoTime(s.from, zone)) + ','
               + field(isoTime(s.to, zone)) + ',' + QByteArray::number(s.peak) + ','
               + field(s.names.join(QStringLiteral("; "))) + "\r\n";
    }
    return csv;
}

} // namespace History
