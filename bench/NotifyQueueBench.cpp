// What queueing one alert for every channel costs the UI thread: the message built from the
// shared state and handed to the desktop's notifications, Discord, Telegram and ntfy. The three
// services are a loopback server that takes every connection and never answers, so each call
// also meets full queues, as it would while a service hangs. The budget is 1 ms.
//
// Usage: zib_notify_queue_bench [--runs N]

#include "BenchFigures.h"

#include "model/mdlZibProcessing.h"
#include "notify/Notifier.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTextStream>

#include <vector>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption runsOption(QStringLiteral("runs"), QStringLiteral("Alerts to time."), QStringLiteral("N"),
                                        QStringLiteral("500"));
    parser.addOption(runsOption);
    parser.process(app);
    const int runs = std::max(1, parser.value(runsOption).toInt());

    QTemporaryDir dir;
    mdlZibProcessing::settingsPath = dir.filePath(mdlZibProcessing::settingsFileName);
    auto server = std::make_shared<GameServer>();
    server->setName(QStringLiteral("Frag Central #2 | 24/7 crossfire"));
    server->setAddress(QStringLiteral("192.0.2.10"));
    server->setPort(27015);
    server->setMapName(QStringLiteral("crossfire"));
    server->setMaxPlayers(32);
    server->setActivePlayers(32);
    QStringList names;
    for (int n = 0; n < 32; ++n)
        names.append(n % 2 ? QStringLiteral("[X]Player number %1").arg(n) : QStringLiteral("guest%1").arg(n));
    server->setPlayerNames(names);
    server->setServerNumber(1);
    mdlZibProcessing::gameServers = {server};
    auto filter = std::make_shared<ClanFilter>();
    filter->setClanTag(QStringLiteral("[X]"));
    filter->setAlert(true);
    filter->setAlertTrigger(4);
    filter->setClanFilterNumber(1);
    mdlZibProcessing::clanFilters = {filter};

    QTcpServer silent;
    silent.listen(QHostAddress::LocalHost);
    const QString base = QStringLiteral("http://127.0.0.1:%1").arg(silent.serverPort());
    notify::NotifySettings settings;
    settings.desktop = true;
    settings.discordWebhook = base + QStringLiteral("/api/webhooks/1/token");
    settings.telegramApi = base;
    settings.telegramToken = QStringLiteral("1:token");
    settings.telegramChat = QStringLiteral("1");
    settings.ntfyUrl = base + QStringLiteral("/zib");
    notify::Notifier notifier(QStringLiteral("zib"));
    notifier.applySettings(settings);

    std::vector<double> times;
    double first = 0;
    double firstSend = 0;
    for (int run = 0; run <= runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        notifier.alert(notify::alertMessage(1, 1));
        const double elapsed = double(timer.nsecsElapsed()) / 1e6;
        if (run == 0)
            first = elapsed;
        else
            times.push_back(elapsed);
        // The event loop runs between alerts, as it does in the program; it sends what was queued.
        QElapsedTimer turn;
        turn.start();
        QCoreApplication::processEvents();
        if (run == 0)
            firstSend = double(turn.nsecsElapsed()) / 1e6;
    }
    std::sort(times.begin(), times.end());
    const double worst = times.back();
    const double p99 = times[times.size() * 99 / 100];
    QTextStream out(stdout);
    out << "queueing one alert for 4 channels (" << runs << " alerts, services never answering):\n"
        << "  first: " << BenchFigures::ms(first) << "; the event loop's turn that sends it (the network's first use "
        << "in the process): " << BenchFigures::ms(firstSend) << "\n"
        << "  median: " << BenchFigures::ms(BenchFigures::median(times)) << "  99th percentile: "
        << BenchFigures::ms(p99) << "  worst: " << BenchFigures::ms(worst) << "\n"
        << "  budget: 1.00 ms; waiting per channel: " << notifier.delivery().status(notify::Channel::Discord).waiting
        << ", dropped: " << notifier.delivery().status(notify::Channel::Discord).dropped << Qt::endl;
    return BenchFigures::median(times) < 1.0 ? 0 : 3;
}
