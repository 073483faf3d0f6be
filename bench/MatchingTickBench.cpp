// What one matching tick costs the UI thread: the matching pass and the grid refresh over a
// large list, against merely filling a grid of the same make with the same texts.
//
// Usage: zib_matching_tick_bench [--servers N] [--players N] [--filters N] [--runs N]

#include "BenchFigures.h"

#include "model/mdlZibProcessing.h"
#include "ui/ServerGrid.h"
#include "ui/mainZibWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <vector>

namespace {

using BenchFigures::median;
using BenchFigures::ms;

// Clan tags of the filters; a player carries one of them or none.
QString tagOf(int filter)
{
    return QStringLiteral("[C%1]").arg(filter);
}

// Each run deals the players afresh, so the hits and the order of the rows change every tick
// as they do on a live list.
void dealPlayers(int servers, int players, int filters, int run)
{
    for (int s = 0; s < servers; ++s) {
        QStringList names;
        names.reserve(players);
        for (int p = 0; p < players; ++p) {
            const int pick = (s * 7 + p * 13 + run * 5) % (filters * 3);
            const QString stem = QStringLiteral("Player_%1_%2").arg(s).arg(p);
            names.append(pick < filters ? tagOf(pick) + stem : stem);
        }
        auto &server = *mdlZibProcessing::gameServers[s];
        server.setPlayerNames(std::move(names));
        server.setMapName(QStringLiteral("crossfire"));
        server.setMaxPlayers(32);
    }
}

// The baseline: a fresh grid like the window's, filled cell by cell with ready-made texts.
double fillPlainGrid(const QList<QStringList> &rows)
{
    QTableWidget table(1, ServerGrid::ColumnCount);
    table.verticalHeader()->hide();
    table.setHorizontalHeaderLabels(ServerGrid::headings());
    QElapsedTimer clock;
    clock.start();
    table.setRowCount(int(rows.size()));
    for (int row = 0; row < rows.size(); ++row) {
        for (int column = 0; column < ServerGrid::ColumnCount; ++column)
            table.setItem(row, column, new QTableWidgetItem(rows[row][column]));
    }
    return double(clock.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOptions({
        {QStringLiteral("servers"), QStringLiteral("Servers (default 1000)."), QStringLiteral("n"), QStringLiteral("1000")},
        {QStringLiteral("players"), QStringLiteral("Players per server (default 32)."), QStringLiteral("n"),
         QStringLiteral("32")},
        {QStringLiteral("filters"), QStringLiteral("Clan filters (default 20)."), QStringLiteral("n"),
         QStringLiteral("20")},
        {QStringLiteral("runs"), QStringLiteral("Ticks to time (default 30)."), QStringLiteral("n"), QStringLiteral("30")},
    });
    parser.process(app);
    const int servers = std::clamp(parser.value(QStringLiteral("servers")).toInt(), 1, 32767);
    const int players = std::clamp(parser.value(QStringLiteral("players")).toInt(), 0, 255);
    const int filters = std::clamp(parser.value(QStringLiteral("filters")).toInt(), 1, 1000);
    const int runs = std::clamp(parser.value(QStringLiteral("runs")).toInt(), 3, 1000);

    // A window on an empty settings file, offline, so nothing but this benchmark touches the lists.
    QTemporaryDir dir;
    MainWindowOptions options;
    options.settingsPath = dir.filePath(QStringLiteral("ZIBsettings.ini"));
    options.localPort = 0;
    options.trayAvailable = false;
    options.connectionTest = [] { return ConnectionState::State{false, 0}; };
    mainZibWindow window(options);
    window.startUp();

    using namespace mdlZibProcessing;
    for (int s = 0; s < servers; ++s) {
        auto server = std::make_shared<GameServer>();
        server->setServerNumber(static_cast<qint16>(s + 1));
        server->setAddress(QStringLiteral("10.0.%1.%2").arg(s / 250).arg(s % 250 + 1));
        server->setPort(27015);
        server->setName(QStringLiteral("Server number %1 | 24/7 crossfire").arg(s + 1));
        gameServers.append(server);
    }
    for (int f = 0; f < filters; ++f) {
        auto filter = std::make_shared<ClanFilter>();
        filter->setClanFilterNumber(static_cast<qint16>(f + 1));
        filter->setClanTag(tagOf(f));
        // Alerting filters that reach their trigger: the throttle holds them back, as it does on
        // every tick but one an interval, so its check is in the figure but no pop-up is.
        filter->setAlert(qEnvironmentVariableIsSet("NOALERT") ? false : f % 2 == 0);
        filter->setAlertTrigger(2);
        clanFilters.append(filter);
    }
    AlertSpeed = 32767;
    lastAlertTime = QDateTime::currentDateTime();

    std::vector<double> matching, grid, tick, plain;
    for (int run = 0; run < runs; ++run) {
        dealPlayers(servers, players, filters, run);
        QElapsedTimer clock;
        clock.start();
        window.alerts().checkClanFilters();
        const qint64 matched = clock.nsecsElapsed();
        window.updateServerGrid();
        const qint64 drawn = clock.nsecsElapsed();
        matching.push_back(double(matched) / 1e6);
        grid.push_back(double(drawn - matched) / 1e6);
        tick.push_back(double(drawn) / 1e6);
        // The same texts, in the order the window shows them.
        plain.push_back(fillPlainGrid(ServerGrid::rows(gameServers)));
    }

    QTextStream out(stdout);
    out << "matching tick: " << servers << " servers x " << players << " players x " << filters << " filters, "
        << runs << " ticks (medians)\n";
    out << "  checkClanFilters: " << ms(median(matching)) << "\n";
    out << "  updateServerGrid: " << ms(median(grid)) << "\n";
    out << "  whole tick:       " << ms(median(tick)) << " (one 60 Hz frame is 16.67 ms)\n";
    out << "  filling a plain grid with the same texts: " << ms(median(plain)) << "\n";
    out << "  tick / plain fill: " << QString::number(median(tick) / median(plain), 'f', 2) << "x\n";
    out << "compare: the plain fill is measured in this same run (a fresh QTableWidget, one new item per cell)\n";
    out.flush();
    window.close();
    return 0;
}
