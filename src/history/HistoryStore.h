#pragma once

#include "history/HistoryTypes.h"

#include <QMutex>
#include <QObject>
#include <QString>
#include <QThread>
#include <QWaitCondition>

#include <algorithm>
#include <deque>
#include <functional>

namespace History {

class Writer;

// The history as the window sees it: passes handed over in a queue and written by a thread of
// its own, one transaction a pass, so a slow or full disk never holds up the checks or the alerts.
class Store final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Store)

public:
    explicit Store(QObject *parent = nullptr);
    /// Writes what is still queued, then closes the file.
    ~Store() override;

    /// Starts the worker on the file at `path` (ZIBhistory.db beside the settings file). Opening
    /// again moves to another file.
    void open(const QString &path);
    /// Whether passes are kept: the "History" key of the settings.
    void setRecording(bool on) { m_recording = on; }
    bool recording() const { return m_recording; }

    /// Hands a pass to the worker, which unpacks it; the window's part ends here.
    void record(PassRecord pass);
    void record(Pass pass);
    /// Empties the history, after what is queued before it.
    void clear();
    /// Waits until every job handed over so far is done; for exports, tests and the end.
    void flush();

    /// The file written now: the one asked for, or the new one started beside it.
    QString path() const;
    /// Passes dropped because the worker fell that far behind.
    quint64 dropped() const;

    /// Caps the file at this many pages, as a full disk would (tests only).
    void setPageLimit(qint64 pages);

    static constexpr std::size_t maxQueued = 64;

    /// Whether a matching pass at `now` is the one after a check: the passes come every few
    /// seconds, the checks every `checkSpeed` seconds, and a pass a second or two early still
    /// follows its check.
    static bool passDue(qint64 lastRecorded, qint64 now, int checkSpeed)
    {
        return lastRecorded <= 0 || now < lastRecorded || now - lastRecorded >= std::max(1, checkSpeed - 2);
    }

signals:
    /// Something the user is told once: a file moved aside or left alone, a full disk.
    void problem(const QString &text);

private:
    using Job = std::function<void(Writer &)>;
    static void loadDriverHere();
    void post(Job job);
    /// Queues the writing of the pass `unpack` makes on the worker.
    void recordUnpacked(std::function<Pass()> unpack);
    void run();
    void stop();

    class Thread;
    Thread *m_thread = nullptr;
    bool m_recording = true;
    mutable QMutex m_mutex;
    QWaitCondition m_wake;
    QWaitCondition m_idle;
    std::deque<Job> m_jobs;
    bool m_busy = false;
    bool m_stopping = false;
    QString m_path;
    quint64 m_dropped = 0;
    bool m_full = false;
};

} // namespace History
