// Starts the main window on a given settings file and port, as online, and leaves it on screen in
// one of the states worth a picture: compact, expanded, or expanded with the add prompt open.
#include "ui/FixedLayout.h"
#include "ui/mainZibWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QPushButton>
#include <QTimer>

#include <chrono>

using namespace std::chrono_literals;

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // The faces the program itself sets its windows in.
    FixedLayout::useBundledFonts();
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Shows the Zib main window for screenshots."));
    parser.addHelpOption();
    const QCommandLineOption settings(QStringLiteral("settings"), QStringLiteral("Settings file."),
                                      QStringLiteral("path"));
    const QCommandLineOption port(QStringLiteral("port"), QStringLiteral("Local UDP port."), QStringLiteral("port"),
                                  QStringLiteral("27010"));
    const QCommandLineOption mode(QStringLiteral("mode"), QStringLiteral("compact, expanded or add."),
                                  QStringLiteral("mode"), QStringLiteral("compact"));
    parser.addOptions({settings, port, mode});
    parser.process(app);

    MainWindowOptions options;
    options.settingsPath = parser.value(settings);
    options.localPort = parser.value(port).toUShort();
    options.trayAvailable = false;
    options.connectionTest = [] { return ConnectionState::State{true, ConnectionState::lan}; };
    mainZibWindow window(options);
    window.startUp();
    window.move(0, 0);
    // Replies show at the next matching tick; have it come sooner than every five seconds.
    window.queryEngine().setQueryInterval(1s);
    window.queryEngine().chkTimer().setInterval(1s);

    const QString wanted = parser.value(mode);
    if (wanted != QStringLiteral("compact"))
        window.findChild<QPushButton *>(QStringLiteral("btnViewServers"))->click();
    if (wanted == QStringLiteral("add")) {
        QTimer::singleShot(500ms, &window,
                           [&window] { window.findChild<QPushButton *>(QStringLiteral("btnAddServer"))->click(); });
    }
    return QApplication::exec();
}
