#pragma once

#include "history/HistoryTypes.h"

#include <QDateTime>
#include <QHash>
#include <QSqlDatabase>
#include <QString>

#include <memory>

class QSqlQuery;

namespace History {

/// The history file's own name, beside the settings file.
inline const QString fileName = QStringLiteral("ZIBhistory.db");

/// The file that goes with a settings file.
QString pathBeside(const QString &settingsPath);

// The writing side of the history file, on one connection of its own. Everything here runs on the
// thread that made it: the store's worker, or a test or a benchmark that drives it directly.
class Writer final
{
public:
    /// The schema this build writes. Version 1 had no round trip in its samples.
    static constexpr int schemaVersion = 2;

    enum class Outcome { Written, Full, Failed };

    struct Opened
    {
        /// The file written from now on; empty when none could be.
        QString path;
        /// What the user is told once, naming the files; empty when all went well.
        QString problem;
    };

    explicit Writer(const QString &connectionName);
    ~Writer();
    Writer(const Writer &) = delete;
    Writer &operator=(const Writer &) = delete;

    /// Opens the file at `path`. A damaged file is moved aside with `now` in its name and a new
    /// one started there; one of a newer schema, or locked by another program, is left alone and
    /// a new one started beside it.
    Opened open(const QString &path, const QDateTime &now);
    bool isOpen() const;
    QString path() const { return m_path; }

    /// One pass in one transaction, with the aging when it is due.
    Outcome write(const Pass &pass);
    /// Empties the history and gives the room back.
    bool clear();
    /// The database's own words for the last failure.
    QString lastError() const { return m_lastError; }

    /// Caps the file at this many pages, as a disk that fills up would.
    void setPageLimit(qint64 pages);

    /// Moves every check older than 48 hours before `now` into 15-minute buckets and drops what
    /// is older than a year. write() calls it every 15 minutes of pass time.
    bool age(qint64 now);

    /// The statements that made the first version, for the migration's tests.
    static QStringList firstVersionSchema();

private:
    enum class Attempt { Ok, Damaged, Newer, Locked, Unwritable };
    Attempt tryOpen(const QString &path);
    bool createOrMigrate(int fromVersion);
    void close();
    bool exec(const QString &statement);
    bool fail(const QSqlQuery &query);
    qint64 serverId(const QString &key);
    qint64 filterId(const QString &tag);
    void reloadOpenSightings();
    bool writePass(const Pass &pass);
    bool ageServer(qint64 server, qint64 cutoff);

    QString m_connectionName;
    QString m_path;
    QString m_lastError;
    QString m_lastNativeCode;
    QHash<QString, qint64> m_servers;
    QHash<QString, qint64> m_filters;
    struct OpenSighting
    {
        qint64 id = 0;
        int peak = 0;
        QStringList names;
        bool seen = false;
    };
    // Keyed by filter id and server id: the sightings still running.
    QHash<QPair<qint64, qint64>, OpenSighting> m_open;
    qint64 m_lastAging = 0;
    struct Statements;
    std::unique_ptr<Statements> m_statements;
};

} // namespace History
