// Starts the main window on a given settings file and port, as online, and leaves it on screen in
// one of the states worth a picture: compact, expanded, expanded with the add prompt open, with
// the grid's context menu open on the busiest server, or with the import dialog open over a given
// Steam folder (it prints the dialog's place on the screen, "dialog WxH+X+Y").
#include "alerts/Resources.h"
#include "platform/Language.h"
#include "ui/FixedLayout.h"
#include "ui/ServerGrid.h"
#include "ui/ServerGridMenu.h"
#include "ui/mainZibWindow.h"

#include <QAction>
#include <QApplication>
#include <QLocale>
#include <QCommandLineParser>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTextStream>
#include <QTimer>

#include <chrono>

using namespace std::chrono_literals;

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // The desktop's language, as the program speaks it (LANGUAGE=ru for a Russian picture).
    Resources::ensureLoaded();
    Language::install(app, Language::choose({}, {}, QLocale::system().uiLanguages(), Language::available()));
    // The faces the program itself sets its windows in.
    FixedLayout::useBundledFonts();
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Shows the Zib main window for screenshots."));
    parser.addHelpOption();
    const QCommandLineOption settings(QStringLiteral("settings"), QStringLiteral("Settings file."),
                                      QStringLiteral("path"));
    const QCommandLineOption port(QStringLiteral("port"), QStringLiteral("Local UDP port."), QStringLiteral("port"),
                                  QStringLiteral("27010"));
    const QCommandLineOption mode(QStringLiteral("mode"), QStringLiteral("compact, expanded, add, menu, remove or import."),
                                  QStringLiteral("mode"), QStringLiteral("compact"));
    const QCommandLineOption steam(QStringLiteral("steam"), QStringLiteral("Steam folder the import reads."),
                                   QStringLiteral("folder"));
    parser.addOptions({settings, port, mode, steam});
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
    auto *gridMenu = window.findChild<ServerGridMenu *>();
    if (wanted == QStringLiteral("menu")) {
        // Once the replies are in and the busiest server stands at the top.
        QTimer::singleShot(2500ms, &window, [&window, gridMenu] {
            auto *grid = window.findChild<QTableWidget *>(QStringLiteral("fxgServers"));
            const QRect cell = grid->visualRect(grid->model()->index(0, ServerGrid::ServerColumn));
            gridMenu->openFor(0, grid->viewport()->mapToGlobal(cell.center()));
        });
    }
    if (wanted == QStringLiteral("remove")) {
        // The question before the busiest server is removed: a message box over the window.
        QTimer::singleShot(2500ms, &window, [&window] {
            auto *grid = window.findChild<QTableWidget *>(QStringLiteral("fxgServers"));
            grid->setCurrentCell(0, ServerGrid::ServerColumn);
            grid->selectRow(0);
            window.findChild<QPushButton *>(QStringLiteral("btnRemoveServer"))->click();
        });
    }
    if (wanted == QStringLiteral("import")) {
        gridMenu->setClientFolders(QStringList{parser.value(steam)});
        QTimer::singleShot(2500ms, &window, [gridMenu] {
            QTimer::singleShot(500ms, gridMenu, [] {
                if (const QWidget *dialog = QApplication::activeModalWidget()) {
                    const QRect at = dialog->geometry();
                    QTextStream(stdout) << "dialog " << at.width() << 'x' << at.height() << '+' << at.x() << '+'
                                        << at.y() << Qt::endl;
                }
            });
            gridMenu->menu()->findChild<QAction *>(QStringLiteral("actImportFromSteam"))->trigger();
        });
    }
    return QApplication::exec();
}
