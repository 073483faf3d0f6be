#include "AppInfo.h"
#include "platform/AppPaths.h"
#include "platform/CommandLine.h"
#include "platform/DesktopSession.h"
#include "platform/Language.h"
#include "platform/SystemCodePage.h"
#include "platform/settingsfile/ProfileFile.h"
#include "platform/text/TextCodec.h"
#include "platform/SingleInstance.h"
#include "ui/FixedLayout.h"
#include "ui/MessageBox.h"
#include "ui/mainZibWindow.h"
#include "alerts/Resources.h"
#include "model/mdlZibProcessing.h"

#include <QApplication>
#include <QFileInfo>
#include <QLocale>

#include <cstdio>

namespace {

QStringList rawArguments(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

} // namespace

int main(int argc, char **argv)
{
    // Read before the application object exists: --help and --version must answer where there
    // is no display to connect to.
    const CommandLine::Result command = CommandLine::parse(rawArguments(argc, argv), QStringLiteral(ZIB_VERSION));
    switch (command.action) {
    case CommandLine::Result::Action::ShowHelp:
    case CommandLine::Result::Action::ShowVersion:
        std::fputs(command.text.toLocal8Bit().constData(), stdout);
        return 0;
    case CommandLine::Result::Action::Fail:
        std::fputs(command.text.toLocal8Bit().constData(), stderr);
        return 2;
    case CommandLine::Result::Action::Run:
        break;
    }

    if (const auto platform = DesktopSession::preferredPlatform(DesktopSession::currentEnvironment()))
        qputenv("QT_QPA_PLATFORM", *platform);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zib"));
    QApplication::setApplicationVersion(QStringLiteral(ZIB_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(ZIB_APP_ID));
    Resources::ensureLoaded();
    const QStringList desktopLanguages = QLocale::system().uiLanguages();

    // Before anything else: a second copy asks the first to show itself and ends without
    // reading or writing anything, whatever it was started with. What it was started with and
    // the first copy does not share is said, so that nobody wonders where their settings went.
    const QString settingsPath = command.settingsPath.isEmpty() ? AppPaths::settingsPath() : command.settingsPath;
    SingleInstance instance(SingleInstance::defaultPlace());
    instance.setSettingsPath(settingsPath);
    if (!instance.tryBecomePrimary()) {
        if (instance.notifyPrimary()) {
            // The settings file is the running copy's: this one speaks as it was asked to, or
            // as the desktop does.
            Language::install(app, Language::choose(command.language, {}, desktopLanguages, Language::available()));
            const QString note = CommandLine::handOverNote(QFileInfo(QString::fromLocal8Bit(argv[0])).fileName(), command,
                                                           settingsPath, instance.runningSettingsPath());
            std::fputs(note.toLocal8Bit().constData(), stderr);
            // The running copy's window came forward in the other session, out of this user's
            // sight: say where it is, or this copy would seem to have done nothing.
            if (instance.runningElsewhere())
                MessageBox::show(nullptr,
                                 QCoreApplication::translate("main", "Zib is already running for this account in another login session "
                                                "of this computer. It keeps your servers and settings there; a second "
                                                "copy would overwrite them, so this one ends.")
                                     + QStringLiteral("\r\n\r\n") + QCoreApplication::translate("main", "Close Zib in the other session to run it here."),
                                 QStringLiteral("Zib"), QMessageBox::Ok, QMessageBox::Information);
        }
        return 0;
    }

    // Chosen once, before any window or name exists: see Language.h.
    const QString language =
        Language::choose(command.language,
                         ProfileFile::readString(settingsPath, mdlZibProcessing::settingsSection, Language::settingsKey, {}),
                         desktopLanguages, Language::available());
    Language::install(app, language);
    const QString codePage =
        ProfileFile::readString(settingsPath, mdlZibProcessing::settingsSection, Language::codePageKey, {}).trimmed();
    if (codePage.isEmpty() || !TextCodec::setLegacyCodePage(codePage.toInt()))
        TextCodec::setLegacyCodePage(SystemCodePage::ansi().value_or(Language::codePageOf(language)));

    // The window may sit hidden in the tray while the alert pop-up closes; that must not end
    // the program. It ends when the main window is closed.
    QApplication::setQuitOnLastWindowClosed(false);
    FixedLayout::useBundledFonts();

    mainZibWindow::Options options;
    options.settingsPath = settingsPath;
    options.startMinimized = command.minimized;
    mainZibWindow window(options);
    QObject::connect(&instance, &SingleInstance::showRequested, &window, &mainZibWindow::restoreFromTray);
    QObject::connect(&window, &mainZibWindow::shutDown, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    window.startUp();
    return QApplication::exec();
}
