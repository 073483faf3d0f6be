#include "history/HistoryReader.h"
#include "history/HistoryStore.h"
#include "history/HistoryWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

#include <gtest/gtest.h>

#include <optional>

using namespace History;

namespace {

// 2026-03-02 00:00:00 UTC, a Monday.
constexpr qint64 monday = 1772409600;

ServerSample sample(const QString &key, int players, int hits = 0, QList<FilterHit> filters = {})
{
    ServerSample s;
    s.key = key;
    s.players = qint16(players);
    s.capacity = 32;
    s.hits = qint16(hits);
    s.answered = true;
    s.roundTripMs = 20 + players;
    s.filters = std::move(filters);
    return s;
}

Pass pass(qint64 time, QList<ServerSample> servers)
{
    return {time, std::move(servers)};
}

// Straight SQL on a connection of the test's own, to see what the file holds.
QVariant probe(const QString &path, const QString &statement)
{
    QVariant value;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("test-probe"));
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery query(db);
            if (query.exec(statement) && query.next())
                value = query.value(0);
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("test-probe"));
    return value;
}

qint64 scalar(const QString &path, const QString &statement)
{
    const QVariant value = probe(path, statement);
    return value.isValid() ? value.toLongLong() : -1;
}

class HistoryFiles : public ::testing::Test
{
protected:
    QString path() const { return m_dir.filePath(fileName); }
    QDateTime now() const { return QDateTime(QDate(2026, 3, 9), QTime(12, 0, 5)); }
    QTemporaryDir m_dir;
};

} // namespace

TEST_F(HistoryFiles, ChecksAgeIntoBucketsAfterTwoDaysAndGoAfterAYear)
{
    Writer writer(QStringLiteral("w"));
    ASSERT_EQ(writer.open(path(), now()).problem, QString());
    // Three days of a server checked every 30 s, its players following the quarter hour.
    const qint64 start = monday;
    const qint64 end = start + 3 * 86400;
    for (qint64 t = start; t < end; t += 30) {
        const int players = int((t - start) / bucketSeconds % 10) + int(t / 30 % 2);
        ASSERT_EQ(writer.write(pass(t, {sample(QStringLiteral("10.0.0.1:27015"), players)})), Writer::Outcome::Written)
            << writer.lastError().toStdString();
    }
    const qint64 cutoff = end - 30 - fineSeconds;
    EXPECT_EQ(scalar(path(), QStringLiteral("SELECT count(*) FROM samples WHERE t < %1").arg(cutoff - bucketSeconds)), 0)
        << "checks older than 48 hours are bucketed";
    EXPECT_GT(scalar(path(), QStringLiteral("SELECT count(*) FROM samples")), (fineSeconds - bucketSeconds) / 30);
    EXPECT_GE(scalar(path(), QStringLiteral("SELECT count(*) FROM buckets")), 1);

    const Reader reader(path());
    const QList<SeriesPoint> day1 = reader.series(QStringLiteral("10.0.0.1:27015"), start, start + 86400 - 1, true);
    ASSERT_EQ(day1.size(), 96);
    // The third quarter hour: players 2 and 3 in turn, so a peak of 3 and a mean of 2.5.
    EXPECT_EQ(day1[2].time, start + 2 * bucketSeconds);
    EXPECT_EQ(day1[2].playersPeak, 3);
    EXPECT_DOUBLE_EQ(day1[2].playersMean, 2.5);
    EXPECT_EQ(day1[2].capacity, 32);
    EXPECT_DOUBLE_EQ(day1[2].answered, 1.0);
    EXPECT_EQ(day1[2].roundTripMs, 23);
    // Unbucketed, the last hours come one point a check, after the aged buckets.
    const QList<SeriesPoint> all = reader.series(QStringLiteral("10.0.0.1:27015"), start, end, false);
    EXPECT_EQ(all.first().time, start);
    EXPECT_EQ(all.last().time, end - 30);
    EXPECT_EQ(all[all.size() - 2].time, end - 60);
    for (qsizetype i = 1; i < all.size(); ++i)
        ASSERT_LT(all[i - 1].time, all[i].time) << "in time order at " << i;

    // A year later everything of then is gone.
    ASSERT_TRUE(writer.age(end + keptSeconds + 86400));
    EXPECT_EQ(scalar(path(), QStringLiteral("SELECT count(*) FROM buckets")), 0);
}

TEST_F(HistoryFiles, SightingsOpenAndCloseWithTheCountAndKeepOnlyMatchedNames)
{
    std::optional<Writer> first;
    Writer &writer = first.emplace(QStringLiteral("w"));
    ASSERT_TRUE(writer.open(path(), now()).problem.isEmpty());
    const QString a = QStringLiteral("10.0.0.1:27015");
    const QString b = QStringLiteral("10.0.0.2:27015");
    const auto x = [](int count, QStringList names) { return QList<FilterHit>{{QStringLiteral("[X]"), qint16(count), names}}; };
    const QStringList counts[] = {{}, {QStringLiteral("[X]Ann")}, {QStringLiteral("[X]Ann"), QStringLiteral("[X]Bo")},
                                  {QStringLiteral("[X]Cy")}, {}, {QStringLiteral("[X]Ann")}};
    qint64 t = monday;
    for (const QStringList &names : counts) {
        ASSERT_EQ(writer.write(pass(t, {sample(a, 10, int(names.size()), names.isEmpty() ? QList<FilterHit>{} : x(int(names.size()), names)),
                                        sample(b, 4)})),
                  Writer::Outcome::Written);
        t += 30;
    }
    const Reader reader(path());
    const QList<Sighting> seen = reader.sightings(QStringLiteral("[X]"), {}, monday, t);
    ASSERT_EQ(seen.size(), 2);
    // Newest first: the one still running, then the closed one with its peak and every name.
    EXPECT_EQ(seen[0].from, monday + 150);
    EXPECT_EQ(seen[0].to, monday + 150);
    EXPECT_EQ(seen[1].server, a);
    EXPECT_EQ(seen[1].from, monday + 30);
    EXPECT_EQ(seen[1].to, monday + 90);
    EXPECT_EQ(seen[1].peak, 2);
    EXPECT_EQ(seen[1].names, (QStringList{QStringLiteral("[X]Ann"), QStringLiteral("[X]Bo"), QStringLiteral("[X]Cy")}));
    EXPECT_TRUE(reader.sightings(QStringLiteral("[X]"), b, monday, t).isEmpty());
    EXPECT_EQ(scalar(path(), QStringLiteral("SELECT count(*) FROM sightings WHERE open = 1")), 1);

    // A new run does not carry on a sighting across the time it was not watching.
    first.reset();
    Writer next(QStringLiteral("w2"));
    ASSERT_TRUE(next.open(path(), now()).problem.isEmpty());
    EXPECT_EQ(scalar(path(), QStringLiteral("SELECT count(*) FROM sightings WHERE open = 1")), 0);
    ASSERT_EQ(next.write(pass(t + 3600, {sample(a, 10, 1, x(1, {QStringLiteral("[X]Ann")}))})), Writer::Outcome::Written);
    EXPECT_EQ(Reader(path()).sightings(QStringLiteral("[X]"), a, monday, t + 3600).size(), 3);
}

TEST_F(HistoryFiles, HistoryFollowsAddressAndTagThroughRenumberingAndRemoval)
{
    Store store;
    store.open(path());
    const QString a = QStringLiteral("10.0.0.1:27015");
    const QString b = QStringLiteral("10.0.0.2:27016");
    store.record(pass(monday, {sample(a, 5), sample(b, 9)}));
    // The list renumbered: b is first now, and a is removed a pass later.
    store.record(pass(monday + 30, {sample(b, 8), sample(a, 6)}));
    store.record(pass(monday + 60, {sample(b, 7)}));
    store.flush();
    const Reader reader(path());
    const QList<SeriesPoint> ofA = reader.series(a, monday, monday + 60, false);
    const QList<SeriesPoint> ofB = reader.series(b, monday, monday + 60, false);
    ASSERT_EQ(ofA.size(), 2);
    ASSERT_EQ(ofB.size(), 3);
    EXPECT_EQ(ofA[0].playersPeak, 5);
    EXPECT_EQ(ofA[1].playersPeak, 6);
    EXPECT_EQ(ofB[2].playersPeak, 7);
    EXPECT_EQ(reader.servers(), (QStringList{a, b}));

    // Clearing forgets it all; the file stays usable.
    store.clear();
    store.record(pass(monday + 90, {sample(b, 3)}));
    store.flush();
    const Reader after(path());
    EXPECT_TRUE(after.series(a, monday, monday + 90, false).isEmpty());
    EXPECT_EQ(after.series(b, monday, monday + 90, false).size(), 1);
}

TEST_F(HistoryFiles, AFirstVersionFileIsMigratedWithItsData)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("v1"));
        db.setDatabaseName(path());
        ASSERT_TRUE(db.open());
        QSqlQuery query(db);
        for (const QString &statement : Writer::firstVersionSchema())
            ASSERT_TRUE(query.exec(statement)) << statement.toStdString();
        ASSERT_TRUE(query.exec(QStringLiteral("INSERT INTO servers (id, key) VALUES (1, '10.0.0.1:27015')")));
        ASSERT_TRUE(query.exec(QStringLiteral(
            "INSERT INTO samples VALUES (1, %1, 1, 12, 32, 0)").arg(monday)));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("v1"));

    Writer writer(QStringLiteral("w"));
    ASSERT_EQ(writer.open(path(), now()).problem, QString());
    EXPECT_EQ(scalar(path(), QStringLiteral("SELECT value FROM meta WHERE name = 'version'")), Writer::schemaVersion);
    ASSERT_EQ(writer.write(pass(monday + 30, {sample(QStringLiteral("10.0.0.1:27015"), 14)})), Writer::Outcome::Written);
    const QList<SeriesPoint> points = Reader(path()).series(QStringLiteral("10.0.0.1:27015"), monday, monday + 30, false);
    ASSERT_EQ(points.size(), 2);
    EXPECT_EQ(points[0].playersPeak, 12);
    EXPECT_EQ(points[0].roundTripMs, -1) << "version 1 kept no round trip";
    EXPECT_EQ(points[1].roundTripMs, 34);
}

TEST_F(HistoryFiles, ADamagedFileIsMovedAsideAndANewOneStarted)
{
    {
        Writer writer(QStringLiteral("w"));
        writer.open(path(), now());
        writer.write(pass(monday, {sample(QStringLiteral("10.0.0.1:27015"), 3)}));
    }
    // The first page overwritten, as a crash of the disk rather than of the program leaves it.
    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.write(QByteArray(4096, '\x5A')) == 4096);
    file.close();
    const QByteArray damaged = [&] { QFile f(path()); f.open(QIODevice::ReadOnly); return f.readAll(); }();

    Writer writer(QStringLiteral("w"));
    const Writer::Opened opened = writer.open(path(), now());
    const QString aside = m_dir.filePath(QStringLiteral("ZIBhistory.damaged-20260309-120005.db"));
    EXPECT_EQ(opened.path, path());
    EXPECT_TRUE(opened.problem.contains(QDir::toNativeSeparators(path()))) << opened.problem.toStdString();
    EXPECT_TRUE(opened.problem.contains(QDir::toNativeSeparators(aside))) << opened.problem.toStdString();
    QFile moved(aside);
    ASSERT_TRUE(moved.open(QIODevice::ReadOnly));
    EXPECT_EQ(moved.readAll(), damaged);
    EXPECT_EQ(writer.write(pass(monday + 30, {sample(QStringLiteral("10.0.0.1:27015"), 3)})), Writer::Outcome::Written);
    EXPECT_EQ(probe(path(), QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
}

TEST_F(HistoryFiles, ANewerSchemaOrALockedFileIsLeftAloneAndANewOneStartedBesideIt)
{
    {
        Writer writer(QStringLiteral("w"));
        writer.open(path(), now());
    }
    ASSERT_EQ(scalar(path(), QStringLiteral("UPDATE meta SET value = 99 WHERE name = 'version' RETURNING value")), 99);
    Writer writer(QStringLiteral("w"));
    const Writer::Opened newer = writer.open(path(), now());
    EXPECT_EQ(newer.path, m_dir.filePath(QStringLiteral("ZIBhistory.v2.db")));
    EXPECT_TRUE(newer.problem.contains(QDir::toNativeSeparators(path())));
    EXPECT_TRUE(newer.problem.contains(QDir::toNativeSeparators(newer.path)));
    EXPECT_EQ(scalar(path(), QStringLiteral("SELECT value FROM meta WHERE name = 'version'")), 99) << "left alone";
    EXPECT_EQ(writer.write(pass(monday, {sample(QStringLiteral("10.0.0.1:27015"), 3)})), Writer::Outcome::Written);

    // Another program holding the file's lock for good.
    const QString locked = m_dir.filePath(QStringLiteral("locked.db"));
    {
        Writer first(QStringLiteral("first"));
        first.open(locked, now());
    }
    {
        QSqlDatabase holder = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
        holder.setDatabaseName(locked);
        ASSERT_TRUE(holder.open());
        QSqlQuery query(holder);
        ASSERT_TRUE(query.exec(QStringLiteral("PRAGMA locking_mode=EXCLUSIVE")));
        ASSERT_TRUE(query.exec(QStringLiteral("BEGIN EXCLUSIVE")));
        ASSERT_TRUE(query.exec(QStringLiteral("DELETE FROM samples")));
        Writer second(QStringLiteral("second"));
        const Writer::Opened other = second.open(locked, now());
        EXPECT_EQ(other.path, m_dir.filePath(QStringLiteral("locked.20260309-120005.db")));
        EXPECT_TRUE(other.problem.contains(QDir::toNativeSeparators(locked))) << other.problem.toStdString();
        EXPECT_TRUE(second.isOpen());
        query.exec(QStringLiteral("ROLLBACK"));
        holder.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("holder"));
}

TEST_F(HistoryFiles, AFolderThatTakesNoFileLeavesRecordingOffAndSaysSo)
{
    QDir(m_dir.path()).mkdir(QStringLiteral("ro"));
    QString folder = m_dir.filePath(QStringLiteral("ro"));
    ASSERT_TRUE(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    // An administrator writes through a folder's permissions; /proc takes no file from anyone.
    QFile probe(folder + QStringLiteral("/probe"));
    if (probe.open(QIODevice::WriteOnly)) {
        probe.close();
        probe.remove();
        folder = QStringLiteral("/proc/self");
        if (!QFileInfo(folder).isDir())
            GTEST_SKIP() << "no folder here refuses this user a new file";
    }
    Store store;
    QSignalSpy told(&store, &Store::problem);
    store.open(folder + QStringLiteral("/ZIBhistory.db"));
    store.record(pass(monday, {sample(QStringLiteral("10.0.0.1:27015"), 3)}));
    store.record(pass(monday + 30, {sample(QStringLiteral("10.0.0.1:27015"), 3)}));
    store.flush();
    // The spy hears the worker's signal as it is sent.
    EXPECT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0][0].toString().contains(QStringLiteral("ZIBhistory.db")));
    EXPECT_FALSE(QFile::exists(folder + QStringLiteral("/ZIBhistory.db")));
    QFile::setPermissions(m_dir.filePath(QStringLiteral("ro")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST_F(HistoryFiles, AFullDiskPausesRecordingOnceAndItResumesWithRoom)
{
    Store store;
    QSignalSpy told(&store, &Store::problem);
    store.open(path());
    store.record(pass(monday, {sample(QStringLiteral("10.0.0.1:27015"), 3)}));
    store.flush();
    const qint64 pages = scalar(path(), QStringLiteral("PRAGMA page_count"));
    store.setPageLimit(pages);
    // Passes of many new servers need new pages, which the limit refuses as a full disk does.
    for (int n = 0; n < 5; ++n) {
        QList<ServerSample> servers;
        for (int s = 0; s < 400; ++s)
            servers.append(sample(QStringLiteral("10.1.%1.%2:27015").arg(n).arg(s), s % 30));
        store.record(pass(monday + 30 * (n + 1), servers));
    }
    store.flush();
    QCoreApplication::processEvents();
    ASSERT_EQ(told.size(), 1) << "told once";
    EXPECT_TRUE(told[0][0].toString().contains(QStringLiteral("full")));
    EXPECT_EQ(Reader(path()).series(QStringLiteral("10.1.0.0:27015"), monday, monday + 600, false).size(), 0);

    store.setPageLimit(1 << 30);
    store.record(pass(monday + 600, {sample(QStringLiteral("10.0.0.1:27015"), 4)}));
    store.flush();
    QCoreApplication::processEvents();
    EXPECT_EQ(told.size(), 1);
    EXPECT_EQ(Reader(path()).series(QStringLiteral("10.0.0.1:27015"), monday, monday + 600, false).size(), 2)
        << "recording resumed";
}

TEST(HistoryWeekMap, SharesOfTheHoursAndTheServerSeenMost)
{
    const QTimeZone utc = QTimeZone::utc();
    const qint64 now = monday + 28 * 86400; // Four whole weeks back from a Monday midnight.
    const QString a = QStringLiteral("a:1");
    const QString b = QStringLiteral("b:2");
    QList<Sighting> sightings;
    // Three Mondays out of four, 20:00 to 21:30 on a; one Tuesday, 05:10 to 05:20 on b.
    for (int week : {0, 1, 3})
        sightings.append({QStringLiteral("[X]"), a, monday + week * 7 * 86400 + 20 * 3600,
                          monday + week * 7 * 86400 + 21 * 3600 + 1800, 3, {}});
    sightings.append({QStringLiteral("[X]"), b, monday + 86400 + 5 * 3600 + 600, monday + 86400 + 5 * 3600 + 1200, 1, {}});
    // Older than the range: not counted.
    sightings.append({QStringLiteral("[X]"), b, monday - 86400, monday - 86400 + 3600, 1, {}});
    const WeekMap map = weekMap(sightings, now, 28, utc);
    EXPECT_DOUBLE_EQ(map.share[0][20], 0.75);
    EXPECT_DOUBLE_EQ(map.share[0][21], 0.75);
    EXPECT_DOUBLE_EQ(map.share[0][22], 0.0);
    EXPECT_DOUBLE_EQ(map.share[1][5], 0.25);
    EXPECT_DOUBLE_EQ(map.share[6][0], 0.0);
    EXPECT_EQ(map.server[0][20], a);
    EXPECT_EQ(map.server[1][5], b);
    EXPECT_EQ(map.server[1][6], QString());
    EXPECT_EQ(map.topServer, a);

    // The hours are the user's: two hours east, Monday 20:00 UTC is Monday 22:00.
    const WeekMap east = weekMap(sightings, now, 28, QTimeZone(2 * 3600));
    EXPECT_DOUBLE_EQ(east.share[0][22], 0.75);
    EXPECT_DOUBLE_EQ(east.share[0][20], 0.0);
}

TEST(HistoryCsv, HeaderIsoTimesAndFieldsThatStayFields)
{
    const QTimeZone zone(3600);
    const QByteArray series =
        seriesCsv(QStringLiteral("10.0.0.1:27015"), {{monday, 12, 11.5, 32, 2, 1.25, 1.0, 40}, {monday + 900, 0, 0, 32, 0, 0, 0, -1}}, zone);
    EXPECT_EQ(series, QByteArray("time,server,players,players_mean,capacity,hits,hits_mean,answered,round_trip_ms\r\n"
                                 "2026-03-02T01:00:00+01:00,10.0.0.1:27015,12,11.50,32,2,1.25,1.00,40\r\n"
                                 "2026-03-02T01:15:00+01:00,10.0.0.1:27015,0,0.00,32,0,0.00,0.00,\r\n"));
    const QByteArray sightings = sightingsCsv(
        {{QStringLiteral("★X"), QStringLiteral("a:1"), monday, monday + 60, 2,
          {QStringLiteral("★X \"Ann\", the 1st"), QStringLiteral("=HYPERLINK(1)")}}},
        QTimeZone::utc());
    EXPECT_EQ(QString::fromUtf8(sightings).toStdString(),
              QStringLiteral("filter,server,from,to,peak,names\r\n"
                             "★X,a:1,2026-03-02T00:00:00+00:00,2026-03-02T00:01:00+00:00,2,\"★X \"\"Ann\"\", the 1st; =HYPERLINK(1)\"\r\n")
                  .toStdString());
    // A name that would start a cell as a formula is kept as text.
    const QByteArray formula = sightingsCsv({{QStringLiteral("-X"), QStringLiteral("a:1"), monday, monday, 1, {}}}, QTimeZone::utc());
    EXPECT_TRUE(formula.contains("\r\n'-X,a:1,")) << formula.constData();
}
