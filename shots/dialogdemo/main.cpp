// Shows the options, filters or notifications window with a few sample values, for screenshots.
// Usage: dialogdemo options|filters|notifications [milliseconds before quitting, default 5000]
#include "alerts/Resources.h"
#include "platform/Language.h"
#include "model/mdlZibProcessing.h"
#include "notify/Notifier.h"
#include "query/QueryEngine.h"
#include "ui/FixedLayout.h"
#include "ui/NotificationsWindow.h"
#include "ui/filtersWindow.h"
#include "ui/optionsWindow.h"

#include <QApplication>
#include <QLocale>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <memory>

namespace {

void addSampleFilter(const QString &tag, bool alert, qint16 trigger)
{
    auto filter = std::make_shared<ClanFilter>();
    filter->setClanTag(tag);
    filter->setAlert(alert);
    filter->setAlertTrigger(trigger);
    filter->setClanFilterNumber(qint16(mdlZibProcessing::clanFilters.size() + 1));
    mdlZibProcessing::clanFilters.append(filter);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // The desktop's language, as the program speaks it (LANGUAGE=ru for a Russian picture).
    Resources::ensureLoaded();
    Language::install(app, Language::choose({}, {}, QLocale::system().uiLanguages(), Language::available()));
    // The faces the program itself sets its windows in.
    FixedLayout::useBundledFonts();
    const QStringList args = app.arguments();
    const QString which = args.value(1);
    const int lifetimeMs = args.size() > 2 ? args.at(2).toInt() : 5000;

    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    mdlZibProcessing::settingsPath = dir.filePath(mdlZibProcessing::settingsFileName);
    mdlZibProcessing::saveSettings(QStringLiteral("30"), QStringLiteral("5"), QStringLiteral("1"));
    addSampleFilter(QStringLiteral("[X]"), true, 3);
    addSampleFilter(QStringLiteral("-=TAG=-"), false, 5);
    addSampleFilter(QStringLiteral("{CLAN}"), true, 2);
    mdlZibProcessing::saveClanFilters();
    mdlZibProcessing::loadClanFilters();

    notify::NotifySettings notes;
    notes.desktop = true;
    notes.discordWebhook = QStringLiteral("https://discord.com/api/webhooks/123456789012345678/sample-token");
    notes.telegramToken = QStringLiteral("123456789:AAsample-token");
    notes.telegramChat = QStringLiteral("-1001234567890");
    notes.ntfyUrl = QStringLiteral("https://ntfy.sh/zib-clan-x");
    mdlZibProcessing::saveNotifySettings(notes);
    notify::Notifier notifier(QStringLiteral("zib"));
    notifier.applySettings(mdlZibProcessing::notifySettings);

    QueryEngine engine(0);
    std::unique_ptr<QDialog> window;
    if (which == QStringLiteral("options"))
        window = std::make_unique<optionsWindow>(engine, [](QWidget *) {});
    else if (which == QStringLiteral("notifications"))
        window = std::make_unique<NotificationsWindow>(notifier);
    else if (which == QStringLiteral("filters")) {
        // With its "History..." button, as the program shows it.
        auto filters = std::make_unique<filtersWindow>(engine);
        filters->setHistoryOpener([](const QString &) {});
        window = std::move(filters);
    }
    else {
        QTextStream(stderr) << "usage: dialogdemo options|filters|notifications [milliseconds]\n";
        return 2;
    }
    window->move(40, 40);
    window->show();
    window->activateWindow();
    QTimer::singleShot(100, window.get(), [&window] {
        const QRect frame = window->frameGeometry();
        const QRect client = window->geometry();
        QTextStream(stdout) << "frame " << frame.width() << 'x' << frame.height() << '+' << frame.x() << '+'
                            << frame.y() << " client " << client.width() << 'x' << client.height() << '+'
                            << client.x() << '+' << client.y() << Qt::endl;
    });
    QTimer::singleShot(lifetimeMs, &app, &QCoreApplication::quit);
    return app.exec();
}
