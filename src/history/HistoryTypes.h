#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

// What the history keeps and hands back. Servers are known by "address:port" and filters by
// their tag, never by their numbers: the numbers move when the lists are renumbered.
namespace History {

/// One filter's players on one server in one pass; only filters that counted someone.
struct FilterHit
{
    QString tag;
    qint16 count = 0;
    /// The names that matched the tag: the only player names the history ever stores.
    QStringList names;
};

/// One server as the matching pass after a check left it.
struct ServerSample
{
    QString key;
    qint16 players = 0;
    qint16 capacity = 0;
    qint16 hits = 0;
    bool answered = false;
    /// Milliseconds, or -1 while no reply has measured one.
    qint32 roundTripMs = -1;
    QList<FilterHit> filters;
};

/// One pass as the writer takes it.
struct Pass
{
    /// Seconds since 1970 UTC.
    qint64 time = 0;
    QList<ServerSample> servers;
};

/// One pass as the window's thread hands it over: flat arrays, a handful of allocations whatever
/// the number of servers, where a Pass takes one or two for every server with a hit. The worker
/// unpacks it into a Pass.
struct PassRecord
{
    struct Server
    {
        QString key;
        qint16 players = 0;
        qint16 capacity = 0;
        qint16 hits = 0;
        bool answered = false;
        qint32 roundTripMs = -1;
        /// How many of `hits` that follow the previous servers' are this server's.
        qint32 hitCount = 0;
    };
    struct Hit
    {
        /// Index into `tags`.
        qint32 filter = 0;
        qint16 count = 0;
        /// How many of `names` that follow the previous hits' are this hit's.
        qint32 nameCount = 0;
    };

    /// Seconds since 1970 UTC.
    qint64 time = 0;
    /// The filters' tags, once a pass rather than once a hit.
    QStringList tags;
    std::vector<Server> servers;
    std::vector<Hit> hits;
    QStringList names;

    Pass unpack() const;
};

/// A point of a server's chart: one check, or a 15-minute bucket of them.
struct SeriesPoint
{
    qint64 time = 0;
    int playersPeak = 0;
    double playersMean = 0;
    int capacity = 0;
    int hitsPeak = 0;
    double hitsMean = 0;
    /// Of the checks behind the point, the share the server answered.
    double answered = 0;
    /// Milliseconds, -1 for none.
    int roundTripMs = -1;
};

/// A filter's players seen on a server without a break.
struct Sighting
{
    QString tag;
    QString server;
    qint64 from = 0;
    qint64 to = 0;
    int peak = 0;
    QStringList names;
};

/// Where the week starts and how wide its cells are.
constexpr int daysInWeek = 7;
constexpr int hoursInDay = 24;
/// The resolution the history ages into.
constexpr qint64 bucketSeconds = 15 * 60;
constexpr qint64 fineSeconds = 48 * 3600;
constexpr qint64 keptSeconds = 365 * 86400;

} // namespace History
