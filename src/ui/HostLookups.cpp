#include "ui/HostLookups.h"

#include "platform/HostResolver.h"

#include <QCoreApplication>
#include <QProgressDialog>
#include <QWidget>

#include <limits>

void HostLookups::start(QWidget *window, const QStringList &hostNames, const QString &title, Done done)
{
    auto *lookups = new HostLookups(window, hostNames.size(), title, std::move(done));
    if (hostNames.isEmpty()) {
        lookups->finish(false);
        return;
    }
    for (const QString &name : hostNames)
        HostResolver::lookUp(
            name, lookups, [lookups, name](const QString &address) { lookups->onAnswer(name, address); });
}

HostLookups::HostLookups(QWidget *window, qsizetype count, const QString &title, Done done)
    : QObject(window)
    , m_done(std::move(done))
    , m_count(count)
{
    setObjectName(QStringLiteral("hostLookups"));
    if (count == 0)
        return;
    const int maximum = int(std::min<qsizetype>(count, std::numeric_limits<int>::max()));
    m_progress = new QProgressDialog(count == 1 ? QCoreApplication::translate("HostLookups", "Looking up the host name...")
                                                : QCoreApplication::translate("HostLookups", "Looking up %1 host names...").arg(count),
        QCoreApplication::translate("HostLookups", "Cancel"), 0, maximum, window);
    m_progress->setObjectName(QStringLiteral("hostLookupProgress"));
    m_progress->setWindowTitle(title);
    m_progress->setWindowModality(Qt::WindowModal);
    m_progress->setAutoReset(false);
    m_progress->setAutoClose(false);
    m_progress->setMinimumDuration(showAfterMs);
    // Starts the clock after which the box shows itself.
    m_progress->setValue(0);
    connect(m_progress, &QProgressDialog::canceled, this, [this] { finish(true); });
}

void HostLookups::onAnswer(const QString &hostName, const QString &address)
{
    if (m_finished)
        return;
    m_result.addresses.insert(hostName, address);
    if (m_result.addresses.size() >= m_count) {
        finish(false);
        return;
    }
    m_progress->setValue(int(m_result.addresses.size()));
}

void HostLookups::finish(bool cancelled)
{
    if (m_finished)
        return;
    m_finished = true;
    m_result.cancelled = cancelled;
    if (m_progress) {
        m_progress->hide();
        m_progress->deleteLater();
    }
    // Gone once control is back in the event loop, and with it every look-up still out: none
    // of them calls back after this.
    deleteLater();
    const Done done = std::move(m_done);
    done(m_result);
}
