// Linked into the start-up probe build of Zib only: once the window is up, the scenario named by
// ZIB_PROBE_SCENARIO runs and prints its figures, then the program ends.
//   close - every server's name changes (as replies would change them), then the window closes;
//           prints the time the close took.
//   edit  - adds one server through "Add New Server", then removes the first server (the last one
//           takes its number) through "Remove Server"; prints the time each click took, the grid
//           refresh included.
#include "StartupProbe.h"

#include "model/mdlZibProcessing.h"
#include "ui/MessageBox.h"
#include "ui/ServerGrid.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTableWidget>

#include <cstdio>
#include <ctime>

namespace {

QWidget *mainWindow()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->findChild<QPushButton *>(QStringLiteral("btnAddServer")))
            return window;
    }
    return nullptr;
}

// The time a step took, on the clock and in processor time: on a busy machine the first says what
// the user waited and the second what the step itself cost.
struct Took
{
    double ms = 0;
    double cpuMs = 0;
};

template<typename Step>
Took timed(const Step &step)
{
    QElapsedTimer clock;
    clock.start();
    const std::clock_t cpuStart = std::clock();
    step();
    return {double(clock.nsecsElapsed()) / 1e6, double(std::clock() - cpuStart) * 1000.0 / CLOCKS_PER_SEC};
}

void print(const char *name, const Took &took)
{
    std::printf("%s-ms %.3f\n%s-cpu-ms %.3f\n", name, took.ms, name, took.cpuMs);
}

// A click, and the events it posted (the grid's own updates), as the user would wait for them.
Took timedClick(QPushButton *button)
{
    return timed([button] {
        button->click();
        QCoreApplication::sendPostedEvents();
    });
}

void finish()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        window->close();
    QCoreApplication::quit();
}

void closeWithChangedNames()
{
    for (const auto &server : std::as_const(mdlZibProcessing::gameServers))
        server->setName(server->name() + QStringLiteral(" (renamed)"));
    QWidget *window = mainWindow();
    print("close", timed([window] { window->close(); }));
    std::fflush(stdout);
    finish();
}

void addAndRemoveOne()
{
    QWidget *window = mainWindow();
    auto *add = window->findChild<QPushButton *>(QStringLiteral("btnAddServer"));
    auto *remove = window->findChild<QPushButton *>(QStringLiteral("btnRemoveServer"));
    auto *grid = window->findChild<QTableWidget *>(QStringLiteral("fxgServers"));
    const qsizetype before = mdlZibProcessing::gameServers.size();

    MessageBox::setNextInput(QStringLiteral("127.0.0.250:29999"));
    const Took adding = timedClick(add);

    for (int row = 0; row < grid->rowCount(); ++row) {
        const QTableWidgetItem *item = grid->item(row, ServerGrid::NumberColumn);
        if (item && item->text() == QStringLiteral("1"))
            grid->setCurrentCell(row, ServerGrid::ServerColumn);
    }
    remove->setEnabled(true);
    MessageBox::setNextAnswer(QMessageBox::Ok);
    const Took removing = timedClick(remove);
    const qsizetype after = mdlZibProcessing::gameServers.size();
    if (before <= 0 || after != before)
        std::printf("edit-failed %lld servers before, %lld after\n", qlonglong(before), qlonglong(after));
    print("add", adding);
    print("remove", removing);
    std::fflush(stdout);
    finish();
}

void installScenario()
{
    const QByteArray which = qgetenv("ZIB_PROBE_SCENARIO");
    if (which == "close")
        setProbeScenario(closeWithChangedNames);
    else if (which == "edit")
        setProbeScenario(addAndRemoveOne);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installScenario)
