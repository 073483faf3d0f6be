#include "history/HistoryStore.h"

#include "history/HistoryWriter.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QMutexLocker>
#include <QSqlDatabase>

namespace History {

class Store::Thread final : public QThread
{
public:
    explicit Thread(Store &store)
        : m_store(store)
    {
        setObjectName(QStringLiteral("ZibHistory"));
    }

protected:
    void run() override { m_store.run(); }

private:
    Store &m_store;
};

Store::Store(QObject *parent)
    : QObject(parent)
{
}

Store::~Store()
{
    stop();
}

void Store::stop()
{
    if (!m_thread)
        return;
    {
        const QMutexLocker lock(&m_mutex);
        m_stopping = true;
        m_wake.wakeAll();
    }
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
    m_stopping = false;
}

void Store::open(const QString &path)
{
    stop();
    {
        const QMutexLocker lock(&m_mutex);
        m_path = path;
        m_jobs.clear();
        m_full = false;
    }
    loadDriverHere();
    // The file is opened on the worker, like everything else it does: a large file's check does
    // not hold up the start.
    post([this, path](Writer &writer) {
        const Writer::Opened opened = writer.open(path, QDateTime::currentDateTime());
        {
            const QMutexLocker lock(&m_mutex);
            m_path = opened.path.isEmpty() ? path : opened.path;
        }
        if (!opened.problem.isEmpty())
            emit problem(opened.problem);
    });
    m_thread = new Thread(*this);
    m_thread->start(QThread::LowPriority);
}

void Store::loadDriverHere()
{
    // The database driver's library is loaded on the thread that unloads it at exit. Under Wine a
    // plugin first loaded by a worker thread that has since ended leaves the process hanging in
    // its exit, after everything else is done.
    static const bool loaded = [] {
        const QString name = QStringLiteral("zib-history-driver");
        QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        QSqlDatabase::removeDatabase(name);
        return true;
    }();
    Q_UNUSED(loaded);
}

void Store::post(Job job)
{
    const QMutexLocker lock(&m_mutex);
    m_jobs.push_back(std::move(job));
    m_wake.wakeAll();
}

void Store::record(PassRecord pass)
{
    // Moved, not copied, and unpacked and freed on the worker.
    recordUnpacked([pass = std::move(pass)] { return pass.unpack(); });
}

void Store::record(Pass pass)
{
    recordUnpacked([pass = std::move(pass)] { return pass; });
}

void Store::recordUnpacked(std::function<Pass()> unpack)
{
    if (!m_recording || !m_thread)
        return;
    {
        const QMutexLocker lock(&m_mutex);
        // Far behind, the disk cannot keep up: the oldest passes give way, the window never waits.
        if (m_jobs.size() >= maxQueued) {
            ++m_dropped;
            return;
        }
    }
    post([this, unpack = std::move(unpack)](Writer &writer) {
        if (!writer.isOpen())
            return;
        const Writer::Outcome outcome = writer.write(unpack());
        bool tell = false;
        {
            const QMutexLocker lock(&m_mutex);
            if (outcome == Writer::Outcome::Full) {
                tell = !m_full;
                m_full = true;
            } else if (outcome == Writer::Outcome::Written) {
                // Room again: the next full disk is told again.
                m_full = false;
            }
        }
        // While the disk is full every pass tries again: the first one that fits resumes recording.
        if (tell) {
            emit problem(QCoreApplication::translate("History", "The disk holding the history file\n%1\nis full. "
                                                                "Recording history is paused until there is room again.")
                             .arg(QDir::toNativeSeparators(writer.path())));
        }
    });
}

void Store::clear()
{
    post([](Writer &writer) { writer.clear(); });
}

void Store::setPageLimit(qint64 pages)
{
    post([pages](Writer &writer) { writer.setPageLimit(pages); });
}

void Store::flush()
{
    QMutexLocker lock(&m_mutex);
    while (m_thread && (!m_jobs.empty() || m_busy))
        m_idle.wait(&m_mutex);
}

QString Store::path() const
{
    const QMutexLocker lock(&m_mutex);
    return m_path;
}

quint64 Store::dropped() const
{
    const QMutexLocker lock(&m_mutex);
    return m_dropped;
}

void Store::run()
{
    Writer writer(QStringLiteral("zib-history-writer-%1").arg(quintptr(this)));
    for (;;) {
        Job job;
        {
            QMutexLocker lock(&m_mutex);
            while (m_jobs.empty() && !m_stopping)
                m_wake.wait(&m_mutex);
            // What was handed over before the end is still written.
            if (m_jobs.empty())
                break;
            job = std::move(m_jobs.front());
            m_jobs.pop_front();
            m_busy = true;
        }
        job(writer);
        const QMutexLocker lock(&m_mutex);
        m_busy = false;
        if (m_jobs.empty())
            m_idle.wakeAll();
    }
    const QMutexLocker lock(&m_mutex);
    m_idle.wakeAll();
}

} // namespace History
