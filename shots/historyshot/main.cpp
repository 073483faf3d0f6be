// The History window over a month of simulated checks, for scripts/screenshot-history:
// historyshot server|weekmap OUTPUT.png [--wine]
#include "HistorySimulation.h"

#include "history/HistoryStore.h"
#include "history/HistoryWriter.h"
#include "model/mdlZibProcessing.h"
#include "platform/Language.h"
#include "ui/HistoryWindow.h"

#include <QApplication>
#include <QDateTime>
#include <QLocale>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // The desktop's language, as the program speaks it (LANGUAGE=ru for a Russian picture).
    Language::install(app, Language::choose({}, {}, QLocale::system().uiLanguages(), Language::available()));
    const QStringList args = app.arguments();
    if (args.size() < 3)
        return 2;
    QTemporaryDir dir;
    const QString path = dir.filePath(History::fileName);
    // The month up to the last full hour in the local zone, one pass a minute over 14 servers.
    const qint64 end = QDateTime::currentSecsSinceEpoch() / 3600 * 3600;
    {
        History::Writer writer(QStringLiteral("shot"));
        writer.open(path, QDateTime::currentDateTime());
        for (qint64 t = end - 30 * 86400; t <= end; t += 60)
            writer.write(HistorySimulation::pass(t, 14));
    }
    const QStringList names = {QStringLiteral("Crossfire 24/7"), QStringLiteral("Dust2 Only"), QStringLiteral("Aztec Night"),
                               QStringLiteral("Inferno Classic"), QStringLiteral("Nuke Public"), QStringLiteral("Train Pub"),
                               QStringLiteral("Italy Casual"), QStringLiteral("Clan [X] Home"), QStringLiteral("Office Fun"),
                               QStringLiteral("Mirage #2"), QStringLiteral("Cbble Old"), QStringLiteral("Prodigy"),
                               QStringLiteral("Assault"), QStringLiteral("Piranesi")};
    for (int s = 0; s < names.size(); ++s) {
        auto server = std::make_shared<GameServer>();
        const QString key = HistorySimulation::serverKey(s);
        server->setAddress(key.section(u':', 0, 0));
        server->setPort(27015);
        server->setName(names[s]);
        mdlZibProcessing::gameServers.append(server);
    }
    History::Store store;
    store.open(path);
    store.setRecording(false);
    store.flush();
    auto *window = new HistoryWindow(store);
    window->setNow(end);
    if (args[1] == QLatin1String("weekmap")) {
        window->showFilter(QStringLiteral("[X]"));
    } else {
        window->showServer(HistorySimulation::serverKey(7));
        window->setRange(HistoryWindow::Week);
    }
    window->show();
    QTimer::singleShot(1500, &app, [&] {
        window->grab().save(args[2]);
        std::printf("%s\n", qPrintable(args[2]));
        app.quit();
    });
    return app.exec();
}
