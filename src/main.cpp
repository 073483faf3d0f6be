#include "platform/SingleInstance.h"
#include "ui/FixedLayout.h"
#include "ui/mainZibWindow.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zib"));
    FixedLayout::useBundledFonts();

    // Before anything else: a second copy asks the first to show itself and ends without
    // reading or writing anything.
    SingleInstance instance(SingleInstance::defaultLockPath(), SingleInstance::defaultServerName());
    if (!instance.tryBecomePrimary()) {
        instance.notifyPrimary();
        return 0;
    }

    // The window may sit hidden in the tray while the alert pop-up closes; that must not end
    // the program. It ends when the main window is closed.
    QApplication::setQuitOnLastWindowClosed(false);

    mainZibWindow window;
    QObject::connect(&instance, &SingleInstance::showRequested, &window, &mainZibWindow::restoreFromTray);
    QObject::connect(&window, &mainZibWindow::shutDown, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    window.startUp();
    return QApplication::exec();
}
