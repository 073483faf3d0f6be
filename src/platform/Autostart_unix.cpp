#include "platform/Autostart.h"

#include "platform/DesktopEntry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace Autostart {

namespace {

const QString programName = QStringLiteral("zib");

} // namespace

bool isSupported()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS) && !defined(Q_OS_ANDROID)
    return true;
#else
    return false;
#endif
}

QString entryPath(const QString &configHome)
{
    return QDir(configHome).filePath(QStringLiteral("autostart/") + programName + QStringLiteral(".desktop"));
}

QString command(const QString &programPath, const QString &onSearchPath)
{
    if (!onSearchPath.isEmpty()
        && QFileInfo(onSearchPath).canonicalFilePath() == QFileInfo(programPath).canonicalFilePath())
        return programName;
    return programPath;
}

QByteArray entryText(const QString &command, const QStringList &arguments)
{
    const QString text = QStringLiteral("[Desktop Entry]\n"
                                        "Type=Application\n"
                                        "Name=Zib\n"
                                        "Comment=Watch Half-Life servers for your clan\n"
                                        "Exec=%1\n"
                                        "Icon=zib\n"
                                        "Terminal=false\n"
                                        "X-GNOME-Autostart-enabled=true\n")
                             .arg(DesktopEntry::execValue(QStringList{command} + arguments
                                                          + QStringList{QStringLiteral("--minimized")}));
    return text.toUtf8();
}

QByteArray storedEntry(const QString &configHome)
{
    QFile file(entryPath(configHome));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool isEnabled(const QString &configHome)
{
    return QFileInfo(entryPath(configHome)).isFile();
}

bool setEnabled(const QString &configHome, bool enabled, const QString &command, const QStringList &arguments)
{
    const QString path = entryPath(configHome);
    if (!enabled)
        return !QFileInfo::exists(path) || QFile::remove(path);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray text = entryText(command, arguments);
    if (file.write(text) != text.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QString userConfigHome()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

QString currentCommand()
{
    return command(QCoreApplication::applicationFilePath(), QStandardPaths::findExecutable(programName));
}

} // namespace Autostart
