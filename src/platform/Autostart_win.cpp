#include "platform/Autostart.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>

// Windows starts what the user's Run key names at login: one value per program, holding the
// command line.
namespace Autostart {

namespace {

const QString valueName = QStringLiteral("Zib");

// The command line's own rules: a path with a blank (Program Files) must be quoted, and quoting
// every path costs nothing. A path holds no quotes on Windows.
QString quotedPath(const QString &path)
{
    return QLatin1Char('"') + QDir::toNativeSeparators(path) + QLatin1Char('"');
}

// An argument is quoted only where a blank would split it, so the plain ones read as typed.
QString argument(const QString &text)
{
    return text.isEmpty() || text.contains(u' ') || text.contains(u'\t') ? QLatin1Char('"') + text + QLatin1Char('"')
                                                                         : text;
}

} // namespace

bool isSupported()
{
    return true;
}

QString entryPath(const QString &configHome)
{
    return configHome + QLatin1Char('\\') + valueName;
}

QString command(const QString &programPath, const QString &)
{
    // Nothing on Windows finds a program by its plain name at login; the full path it is.
    return QDir::toNativeSeparators(programPath);
}

QByteArray entryText(const QString &command, const QStringList &arguments)
{
    QString line = quotedPath(command);
    for (const QString &each : arguments + QStringList{QStringLiteral("--minimized")})
        line += u' ' + argument(each);
    return line.toUtf8();
}

bool isEnabled(const QString &configHome)
{
    return !storedEntry(configHome).isEmpty();
}

QByteArray storedEntry(const QString &configHome)
{
    return QSettings(configHome, QSettings::NativeFormat).value(valueName).toString().toUtf8();
}

bool setEnabled(const QString &configHome, bool enabled, const QString &command, const QStringList &arguments)
{
    QSettings key(configHome, QSettings::NativeFormat);
    if (enabled)
        key.setValue(valueName, QString::fromUtf8(entryText(command, arguments)));
    else
        key.remove(valueName);
    key.sync();
    return key.status() == QSettings::NoError && key.contains(valueName) == enabled;
}

QString userConfigHome()
{
    return QStringLiteral("HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run");
}

QString currentCommand()
{
    return command(QCoreApplication::applicationFilePath(), {});
}

} // namespace Autostart
