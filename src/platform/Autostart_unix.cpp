#include "platform/Autostart.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace Autostart {

namespace {

const QString programName = QStringLiteral("zib");

// A path with blanks or quotes must be quoted for the Exec key; inside quotes, the desktop
// entry rules escape backslash, quote, backquote and dollar with a backslash.
QString execArgument(const QString &path)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool plain = true;
    for (const QChar c : path) {
        if (reserved.contains(c)) {
            plain = false;
            break;
        }
    }
    if (plain)
        return path;
    QString quoted;
    for (const QChar c : path) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

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

QByteArray entryText(const QString &command)
{
    const QString text = QStringLiteral("[Desktop Entry]\n"
                                        "Type=Application\n"
                                        "Name=Zib\n"
                                        "Comment=Watch Half-Life servers for your clan\n"
                                        "Exec=%1 --minimized\n"
                                        "Icon=zib\n"
                                        "Terminal=false\n"
                                        "X-GNOME-Autostart-enabled=true\n")
                             .arg(execArgument(command));
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

bool setEnabled(const QString &configHome, bool enabled, const QString &command)
{
    const QString path = entryPath(configHome);
    if (!enabled)
        return !QFileInfo::exists(path) || QFile::remove(path);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray text = entryText(command);
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
