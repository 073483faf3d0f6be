// Linked into a program for the start-up benchmark: says "shown" on stdout when the program's
// first window is first painted, then ends the program a moment later and reports its peak
// memory on the way out.

#include "StartupProbe.h"

#include <QApplication>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

ProbeScenario scenario = nullptr;

// Peak resident memory in KiB as the system counts it, or -1 where it cannot be read.
long long peakResidentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

class FirstPaint final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!m_seen && event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->isWindow()) {
            m_seen = true;
            std::printf("shown\n");
            std::fflush(stdout);
            // Long enough for what start-up set going (the first queries) to have run.
            QTimer::singleShot(300, qApp, [] {
                if (scenario) {
                    scenario();
                    return;
                }
                for (QWidget *window : QApplication::topLevelWidgets())
                    window->close();
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    bool m_seen = false;
};

void installProbe()
{
    qApp->installEventFilter(new FirstPaint(qApp));
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, qApp, [] {
        std::printf("peak-kib %lld\n", peakResidentKiB());
        std::fflush(stdout);
    });
}

} // namespace

void setProbeScenario(ProbeScenario newScenario)
{
    scenario = newScenario;
}

Q_COREAPP_STARTUP_FUNCTION(installProbe)
