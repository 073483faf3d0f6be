#include "history/HistoryWriter.h"

#include "history/BucketSlots.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>
#include <map>

namespace History {

namespace {

// SQLite's result codes, as Qt passes them on in nativeErrorCode().
const QString sqliteBusy = QStringLiteral("5");
const QString sqliteLocked = QStringLiteral("6");
const QString sqliteCorrupt = QStringLiteral("11");
const QString sqliteFull = QStringLiteral("13");
const QString sqliteNotADatabase = QStringLiteral("26");

// A sighting keeps at most this many names, so a busy public tag cannot grow one row without end.
constexpr int maxNamesPerSighting = 32;

QString stamp(const QDateTime &now)
{
    return now.toString(QStringLiteral("yyyyMMdd-HHmmss"));
}

// "ZIBhistory.db" with a word put in before the extension.
QString besideWith(const QString &path, const QString &word)
{
    const QFileInfo info(path);
    return info.dir().filePath(info.completeBaseName() + u'.' + word + u'.' + info.suffix());
}

bool moveWithCompanions(const QString &from, const QString &to)
{
    if (!QFile::rename(from, to))
        return false;
    for (const char *suffix : {"-wal", "-shm", "-journal"}) {
        const QString companion = from + QLatin1String(suffix);
        if (QFile::exists(companion))
            QFile::rename(companion, to + QLatin1String(suffix));
    }
    return true;
}

} // namespace

QString pathBeside(const QString &settingsPath)
{
    return QFileInfo(settingsPath).dir().filePath(fileName);
}

struct Writer::Statements
{
    explicit Statements(const QSqlDatabase &db)
        : insertSample(db)
        , insertFilterSample(db)
        , insertSighting(db)
        , updateSighting(db)
        , closeSighting(db)
        , selectServer(db)
        , insertServer(db)
        , selectFilter(db)
        , insertFilter(db)
    {
        insertSample.prepare(QStringLiteral(
            "INSERT OR REPLACE INTO samples (server, t, answered, players, capacity, hits, round_trip) "
            "VALUES (?, ?, ?, ?, ?, ?, ?)"));
        insertFilterSample.prepare(
            QStringLiteral("INSERT OR REPLACE INTO filter_samples (server, t, filter, count) VALUES (?, ?, ?, ?)"));
        insertSighting.prepare(QStringLiteral(
            "INSERT INTO sightings (filter, server, start, end, peak, names, open) VALUES (?, ?, ?, ?, ?, ?, 1)"));
        updateSighting.prepare(QStringLiteral("UPDATE sightings SET end = ?, peak = ?, names = ? WHERE id = ?"));
        closeSighting.prepare(QStringLiteral("UPDATE sightings SET open = 0 WHERE id = ?"));
        selectServer.prepare(QStringLiteral("SELECT id FROM servers WHERE key = ?"));
        insertServer.prepare(QStringLiteral("INSERT INTO servers (key) VALUES (?)"));
        selectFilter.prepare(QStringLiteral("SELECT id FROM filters WHERE tag = ?"));
        insertFilter.prepare(QStringLiteral("INSERT INTO filters (tag) VALUES (?)"));
    }

    QSqlQuery insertSample;
    QSqlQuery insertFilterSample;
    QSqlQuery insertSighting;
    QSqlQuery updateSighting;
    QSqlQuery closeSighting;
    QSqlQuery selectServer;
    QSqlQuery insertServer;
    QSqlQuery selectFilter;
    QSqlQuery insertFilter;
};

Writer::Writer(const QString &connectionName)
    : m_connectionName(connectionName)
{
}

Writer::~Writer()
{
    close();
}

QStringList Writer::firstVersionSchema()
{
    return {
        QStringLiteral("CREATE TABLE meta (name TEXT PRIMARY KEY, value INTEGER NOT NULL)"),
        QStringLiteral("CREATE TABLE servers (id INTEGER PRIMARY KEY, key TEXT NOT NULL UNIQUE)"),
        QStringLiteral("CREATE TABLE filters (id INTEGER PRIMARY KEY, tag TEXT NOT NULL UNIQUE)"),
        // Keyed by server first: a chart reads one server's range in one sweep.
        QStringLiteral("CREATE TABLE samples (server INTEGER NOT NULL, t INTEGER NOT NULL, answered INTEGER NOT "
                       "NULL, players INTEGER NOT NULL, capacity INTEGER NOT NULL, hits INTEGER NOT NULL, "
                       "PRIMARY KEY (server, t)) WITHOUT ROWID"),
        QStringLiteral("CREATE TABLE filter_samples (server INTEGER NOT NULL, t INTEGER NOT NULL, filter INTEGER "
                       "NOT NULL, count INTEGER NOT NULL, PRIMARY KEY (server, t, filter)) WITHOUT ROWID"),
        QStringLiteral("CREATE TABLE sightings (id INTEGER PRIMARY KEY, filter INTEGER NOT NULL, server INTEGER "
                       "NOT NULL, start INTEGER NOT NULL, end INTEGER NOT NULL, peak INTEGER NOT NULL, names TEXT "
                       "NOT NULL, open INTEGER NOT NULL)"),
        QStringLiteral("CREATE INDEX sightings_by_filter ON sightings (filter, end)"),
        QStringLiteral("CREATE INDEX sightings_by_server ON sightings (server, end)"),
        // A day of one server in one row: a year of 15-minute buckets as single rows would cost
        // more in row headers than in values.
        QStringLiteral("CREATE TABLE buckets (id INTEGER PRIMARY KEY, server INTEGER NOT NULL, day INTEGER NOT "
                       "NULL, slots BLOB NOT NULL)"),
        QStringLiteral("CREATE UNIQUE INDEX buckets_by_day ON buckets (server, day)"),
        QStringLiteral("INSERT INTO meta (name, value) VALUES ('version', 1)"),
    };
}

bool Writer::isOpen() const
{
    return m_statements != nullptr;
}

void Writer::close()
{
    m_statements.reset();
    m_servers.clear();
    m_filters.clear();
    m_open.clear();
    if (QSqlDatabase::contains(m_connectionName)) {
        {
            QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(m_connectionName);
    }
}

bool Writer::exec(const QString &statement)
{
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    if (query.exec(statement))
        return true;
    return fail(query);
}

bool Writer::fail(const QSqlQuery &query)
{
    m_lastError = query.lastError().text();
    m_lastNativeCode = query.lastError().nativeErrorCode();
    return false;
}

Writer::Attempt Writer::tryOpen(const QString &path)
{
    close();
    m_lastError.clear();
    m_lastNativeCode.clear();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
        db.setDatabaseName(path);
        // Another program's lock is waited for a little, then taken for what it is.
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=1000"));
        if (!db.open()) {
            m_lastError = db.lastError().text();
            return Attempt::Unwritable;
        }
    }
    const auto classify = [this](const QSqlQuery &query) {
        fail(query);
        if (m_lastNativeCode == sqliteBusy || m_lastNativeCode == sqliteLocked)
            return Attempt::Locked;
        if (m_lastNativeCode == sqliteCorrupt || m_lastNativeCode == sqliteNotADatabase)
            return Attempt::Damaged;
        return Attempt::Unwritable;
    };
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA quick_check")))
        return classify(query);
    if (!query.next() || query.value(0).toString() != QLatin1String("ok")) {
        m_lastError = query.value(0).toString();
        return Attempt::Damaged;
    }
    if (!query.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !query.next())
        return classify(query);
    const bool empty = query.value(0).toInt() == 0;
    int version = 0;
    if (!empty) {
        // Tables without our version row: some other program's database, not ours to write in.
        if (!query.exec(QStringLiteral("SELECT value FROM meta WHERE name = 'version'")) || !query.next())
            return query.lastError().isValid() && query.lastError().nativeErrorCode() != QLatin1String("1")
                       ? classify(query)
                       : Attempt::Damaged;
        version = query.value(0).toInt();
        if (version > schemaVersion)
            return Attempt::Newer;
        if (version < 1)
            return Attempt::Damaged;
    }
    if (!query.exec(QStringLiteral("PRAGMA journal_mode=WAL")))
        return classify(query);
    // A process killed between two passes loses nothing it committed; only a power cut may cost
    // the last passes, never the file.
    if (!query.exec(QStringLiteral("PRAGMA synchronous=NORMAL")))
        return classify(query);
    if (!createOrMigrate(version))
        return m_lastNativeCode == sqliteBusy || m_lastNativeCode == sqliteLocked ? Attempt::Locked
                                                                                  : Attempt::Unwritable;
    // Whatever ran when the last run stopped has ended by now.
    if (!exec(QStringLiteral("UPDATE sightings SET open = 0 WHERE open = 1")))
        return Attempt::Unwritable;
    m_statements = std::make_unique<Statements>(db);
    m_path = path;
    m_lastAging = 0;
    return Attempt::Ok;
}

bool Writer::createOrMigrate(int fromVersion)
{
    if (fromVersion == schemaVersion)
        return true;
    if (!exec(QStringLiteral("BEGIN IMMEDIATE")))
        return false;
    bool ok = true;
    if (fromVersion == 0) {
        for (const QString &statement : firstVersionSchema())
            ok = ok && exec(statement);
        fromVersion = 1;
    }
    if (ok && fromVersion == 1) {
        ok = exec(QStringLiteral("ALTER TABLE samples ADD COLUMN round_trip INTEGER"));
        fromVersion = 2;
    }
    ok = ok && exec(QStringLiteral("UPDATE meta SET value = %1 WHERE name = 'version'").arg(schemaVersion));
    if (ok && exec(QStringLiteral("COMMIT")))
        return true;
    exec(QStringLiteral("ROLLBACK"));
    return false;
}

Writer::Opened Writer::open(const QString &path, const QDateTime &now)
{
    const auto say = [](const QString &what, const QString &first, const QString &second) {
        return what.arg(QDir::toNativeSeparators(first), QDir::toNativeSeparators(second));
    };
    const auto unwritable = [this](const QString &file) {
        close();
        return Opened{{},
                      QCoreApplication::translate("History", "The history file\n%1\ncannot be written (%2). Zib goes "
                                                              "on without recording history.")
                          .arg(QDir::toNativeSeparators(file), m_lastError)};
    };
    switch (tryOpen(path)) {
    case Attempt::Ok:
        return {path, {}};
    case Attempt::Unwritable:
        return unwritable(path);
    case Attempt::Damaged: {
        close();
        const QString aside = besideWith(path, QStringLiteral("damaged-") + stamp(now));
        if (!moveWithCompanions(path, aside)) {
            m_lastError = QCoreApplication::translate("History", "it is damaged and could not be moved aside");
            return unwritable(path);
        }
        if (tryOpen(path) != Attempt::Ok)
            return unwritable(path);
        return {path, say(QCoreApplication::translate("History", "The history file was damaged. It was moved aside "
                                                                  "to\n%2\nand a new one started in\n%1"),
                          path, aside)};
    }
    case Attempt::Newer: {
        const QString other = besideWith(path, QStringLiteral("v%1").arg(schemaVersion));
        if (tryOpen(other) != Attempt::Ok)
            return unwritable(other);
        return {other, say(QCoreApplication::translate("History", "The history file\n%1\nwas written by a newer Zib and "
                                                                   "is left as it is. This one keeps its history in\n%2"),
                           path, other)};
    }
    case Attempt::Locked: {
        const QString other = besideWith(path, stamp(now));
        if (tryOpen(other) != Attempt::Ok)
            return unwritable(other);
        return {other, say(QCoreApplication::translate("History", "The history file\n%1\nis locked by another program and "
                                                                   "is left as it is. This run keeps its history in\n%2"),
                           path, other)};
    }
    }
    return unwritable(path);
}

void Writer::setPageLimit(qint64 pages)
{
    exec(QStringLiteral("PRAGMA max_page_count=%1").arg(pages));
}

qint64 Writer::serverId(const QString &key)
{
    if (const auto found = m_servers.constFind(key); found != m_servers.cend())
        return *found;
    QSqlQuery &select = m_statements->selectServer;
    select.addBindValue(key);
    qint64 id = -1;
    if (!select.exec())
        return fail(select), -1;
    if (select.next()) {
        id = select.value(0).toLongLong();
    } else {
        QSqlQuery &insert = m_statements->insertServer;
        insert.addBindValue(key);
        if (!insert.exec())
            return fail(insert), -1;
        id = insert.lastInsertId().toLongLong();
    }
    select.finish();
    m_servers.insert(key, id);
    return id;
}

qint64 Writer::filterId(const QString &tag)
{
    if (const auto found = m_filters.constFind(tag); found != m_filters.cend())
        return *found;
    QSqlQuery &select = m_statements->selectFilter;
    select.addBindValue(tag);
    qint64 id = -1;
    if (!select.exec())
        return fail(select), -1;
    if (select.next()) {
        id = select.value(0).toLongLong();
    } else {
        QSqlQuery &insert = m_statements->insertFilter;
        insert.addBindValue(tag);
        if (!insert.exec())
            return fail(insert), -1;
        id = insert.lastInsertId().toLongLong();
    }
    select.finish();
    m_filters.insert(tag, id);
    return id;
}

void Writer::reloadOpenSightings()
{
    m_open.clear();
    // Ids handed out inside a transaction that was rolled back may come again for other keys.
    m_servers.clear();
    m_filters.clear();
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    if (!query.exec(QStringLiteral("SELECT id, filter, server, peak, names FROM sightings WHERE open = 1")))
        return;
    while (query.next()) {
        OpenSighting open;
        open.id = query.value(0).toLongLong();
        open.peak = query.value(3).toInt();
        open.names = query.value(4).toString().split(u'\n', Qt::SkipEmptyParts);
        m_open.insert({query.value(1).toLongLong(), query.value(2).toLongLong()}, open);
    }
}

bool Writer::writePass(const Pass &pass)
{
    Statements &s = *m_statements;
    for (auto &open : m_open)
        open.seen = false;
    for (const ServerSample &sample : pass.servers) {
        const qint64 server = serverId(sample.key);
        if (server < 0)
            return false;
        s.insertSample.addBindValue(server);
        s.insertSample.addBindValue(pass.time);
        s.insertSample.addBindValue(sample.answered ? 1 : 0);
        s.insertSample.addBindValue(sample.players);
        s.insertSample.addBindValue(sample.capacity);
        s.insertSample.addBindValue(sample.hits);
        s.insertSample.addBindValue(sample.roundTripMs >= 0 ? QVariant(sample.roundTripMs) : QVariant());
        if (!s.insertSample.exec())
            return fail(s.insertSample);
        for (const FilterHit &hit : sample.filters) {
            if (hit.count <= 0)
                continue;
            const qint64 filter = filterId(hit.tag);
            if (filter < 0)
                return false;
            s.insertFilterSample.addBindValue(server);
            s.insertFilterSample.addBindValue(pass.time);
            s.insertFilterSample.addBindValue(filter);
            s.insertFilterSample.addBindValue(hit.count);
            if (!s.insertFilterSample.exec())
                return fail(s.insertFilterSample);
            auto open = m_open.find({filter, server});
            if (open == m_open.end()) {
                OpenSighting fresh;
                fresh.peak = hit.count;
                for (const QString &name : hit.names) {
                    if (!fresh.names.contains(name) && fresh.names.size() < maxNamesPerSighting)
                        fresh.names.append(name);
                }
                s.insertSighting.addBindValue(filter);
                s.insertSighting.addBindValue(server);
                s.insertSighting.addBindValue(pass.time);
                s.insertSighting.addBindValue(pass.time);
                s.insertSighting.addBindValue(fresh.peak);
                s.insertSighting.addBindValue(fresh.names.join(u'\n'));
                if (!s.insertSighting.exec())
                    return fail(s.insertSighting);
                fresh.id = s.insertSighting.lastInsertId().toLongLong();
                fresh.seen = true;
                m_open.insert({filter, server}, fresh);
                continue;
            }
            open->seen = true;
            open->peak = std::max<int>(open->peak, hit.count);
            for (const QString &name : hit.names) {
                if (!open->names.contains(name) && open->names.size() < maxNamesPerSighting)
                    open->names.append(name);
            }
            s.updateSighting.addBindValue(pass.time);
            s.updateSighting.addBindValue(open->peak);
            s.updateSighting.addBindValue(open->names.join(u'\n'));
            s.updateSighting.addBindValue(open->id);
            if (!s.updateSighting.exec())
                return fail(s.updateSighting);
        }
    }
    // A count back at zero, or a server no longer in the list, ends what was running there.
    for (auto open = m_open.begin(); open != m_open.end();) {
        if (open->seen) {
            ++open;
            continue;
        }
        s.closeSighting.addBindValue(open->id);
        if (!s.closeSighting.exec())
            return fail(s.closeSighting);
        open = m_open.erase(open);
    }
    if (pass.time - m_lastAging >= bucketSeconds)
        return age(pass.time);
    return true;
}

Writer::Outcome Writer::write(const Pass &pass)
{
    if (!isOpen())
        return Outcome::Failed;
    if (exec(QStringLiteral("BEGIN IMMEDIATE")) && writePass(pass) && exec(QStringLiteral("COMMIT")))
        return Outcome::Written;
    const QString error = m_lastError;
    const QString code = m_lastNativeCode;
    exec(QStringLiteral("ROLLBACK"));
    m_lastError = error;
    m_lastNativeCode = code;
    reloadOpenSightings();
    return code == sqliteFull ? Outcome::Full : Outcome::Failed;
}

bool Writer::ageServer(qint64 server, qint64 cutoff)
{
    const QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    QSqlQuery select(db);
    select.prepare(QStringLiteral("SELECT t, answered, players, capacity, hits, round_trip FROM samples "
                                  "WHERE server = ? AND t < ? ORDER BY t"));
    select.addBindValue(server);
    select.addBindValue(cutoff);
    if (!select.exec())
        return fail(select);
    std::map<qint64, DaySlots> days;
    while (select.next()) {
        const qint64 t = select.value(0).toLongLong();
        const QVariant roundTrip = select.value(5);
        days[dayOf(t)].add(slotOf(t), select.value(1).toInt() != 0, select.value(2).toInt(),
                           select.value(3).toInt(), select.value(4).toInt(),
                           roundTrip.isNull() ? -1 : roundTrip.toInt());
    }
    if (days.empty())
        return true;
    QSqlQuery existing(db);
    existing.prepare(QStringLiteral("SELECT slots FROM buckets WHERE server = ? AND day = ?"));
    QSqlQuery store(db);
    store.prepare(QStringLiteral("INSERT INTO buckets (server, day, slots) VALUES (?, ?, ?) "
                                 "ON CONFLICT (server, day) DO UPDATE SET slots = excluded.slots"));
    for (auto &[day, daySlots] : days) {
        existing.addBindValue(server);
        existing.addBindValue(day);
        if (!existing.exec())
            return fail(existing);
        if (existing.next())
            daySlots.mergeStored(existing.value(0).toByteArray());
        existing.finish();
        store.addBindValue(server);
        store.addBindValue(day);
        store.addBindValue(daySlots.encode());
        if (!store.exec())
            return fail(store);
    }
    QSqlQuery drop(db);
    for (const char *table : {"samples", "filter_samples"}) {
        drop.prepare(QStringLiteral("DELETE FROM %1 WHERE server = ? AND t < ?").arg(QLatin1String(table)));
        drop.addBindValue(server);
        drop.addBindValue(cutoff);
        if (!drop.exec())
            return fail(drop);
    }
    return true;
}

bool Writer::age(qint64 now)
{
    // Whole buckets only: a bucket is summed once, when its last check has turned 48 hours old.
    const qint64 cutoff = (now - fineSeconds) / bucketSeconds * bucketSeconds;
    QSqlQuery servers(QSqlDatabase::database(m_connectionName, false));
    if (!servers.exec(QStringLiteral("SELECT id FROM servers")))
        return fail(servers);
    QList<qint64> ids;
    while (servers.next())
        ids.append(servers.value(0).toLongLong());
    for (const qint64 server : ids) {
        if (!ageServer(server, cutoff))
            return false;
    }
    const qint64 yearAgo = now - keptSeconds;
    if (!exec(QStringLiteral("DELETE FROM buckets WHERE day < %1").arg(dayOf(yearAgo)))
        || !exec(QStringLiteral("DELETE FROM sightings WHERE open = 0 AND end < %1").arg(yearAgo)))
        return false;
    m_lastAging = now;
    return true;
}

bool Writer::clear()
{
    if (!isOpen())
        return false;
    bool ok = exec(QStringLiteral("BEGIN IMMEDIATE"));
    for (const char *table : {"samples", "filter_samples", "sightings", "buckets"})
        ok = ok && exec(QStringLiteral("DELETE FROM %1").arg(QLatin1String(table)));
    if (!ok || !exec(QStringLiteral("COMMIT"))) {
        exec(QStringLiteral("ROLLBACK"));
        return false;
    }
    m_open.clear();
    // The room goes back to the disk; a failure here leaves an empty history all the same.
    exec(QStringLiteral("VACUUM"));
    exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    return true;
}

} // namespace History
