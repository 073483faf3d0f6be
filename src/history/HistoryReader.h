#pragma once

#include "history/HistoryTypes.h"

#include <QByteArray>
#include <QString>
#include <QTimeZone>

#include <array>

namespace History {

// Reads the history file on a connection of its own, on the thread that made it. The writer may
// go on meanwhile: in WAL mode a reader sees the last pass committed before it began.
class Reader final
{
public:
    explicit Reader(const QString &path);
    ~Reader();
    Reader(const Reader &) = delete;
    Reader &operator=(const Reader &) = delete;

    bool isOpen() const { return m_open; }

    /// A server's checks from `from` to `to`, one point a check; with `bucketed`, one point every
    /// 15 minutes, and older than 48 hours always so.
    QList<SeriesPoint> series(const QString &serverKey, qint64 from, qint64 to, bool bucketed) const;
    /// Sightings that overlap the range, newest first; an empty key or tag means all of them.
    QList<Sighting> sightings(const QString &tag, const QString &serverKey, qint64 from, qint64 to) const;
    QStringList servers() const;
    QStringList filters() const;

private:
    QString m_connectionName;
    bool m_open = false;
};

/// How a filter's clan was seen by hour of the week.
struct WeekMap
{
    /// [day of week, Monday first][hour]: of the days in the range that had this hour, the share
    /// on which the clan was seen in it.
    std::array<std::array<double, hoursInDay>, daysInWeek> share{};
    /// Per cell, the server it was seen on for the most minutes.
    std::array<std::array<QString, hoursInDay>, daysInWeek> server{};
    /// The server it was seen on for the most minutes in the whole range.
    QString topServer;
};

/// The week map of the sightings over the `days` days before `now`, in a time zone's hours.
WeekMap weekMap(const QList<Sighting> &sightings, qint64 now, int days, const QTimeZone &zone);

/// A time as ISO 8601 in the zone, with its offset.
QString isoTime(qint64 time, const QTimeZone &zone);
/// The CSV files "Export..." writes: UTF-8 with a header row, ISO 8601 times, CR LF lines.
QByteArray seriesCsv(const QString &serverKey, const QList<SeriesPoint> &points, const QTimeZone &zone);
QByteArray sightingsCsv(const QList<Sighting> &sightings, const QTimeZone &zone);

} // namespace History
