#include "platform/SteamFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#ifdef Q_OS_WIN
#include <QSettings>
#endif

namespace SteamFolders {

QStringList clientFolders()
{
#ifdef Q_OS_WIN
    const QSettings registry(QStringLiteral("HKEY_CURRENT_USER\\Software\\Valve\\Steam"), QSettings::NativeFormat);
    const QString named = registry.value(QStringLiteral("SteamPath")).toString();
    if (!named.isEmpty())
        return {QDir::fromNativeSeparators(named)};
    return {QStringLiteral("C:/Program Files (x86)/Steam")};
#elif defined(Q_OS_MACOS)
    return {QDir::homePath() + QStringLiteral("/Library/Application Support/Steam")};
#else
    const QString home = QDir::homePath();
    return {home + QStringLiteral("/.local/share/Steam"), home + QStringLiteral("/.steam/steam"),
            home + QStringLiteral("/.var/app/com.valvesoftware.Steam/.local/share/Steam")};
#endif
}

QStringList serverBrowserFiles(const QStringList &clientFolders)
{
    QStringList files;
    QSet<QString> seen;
    for (const QString &folder : clientFolders) {
        const QDir userdata(QDir(folder).filePath(QStringLiteral("userdata")));
        const QStringList accounts = userdata.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        for (const QString &account : accounts) {
            const QFileInfo file(userdata.filePath(account + QStringLiteral("/7/remote/serverbrowser_hist.vdf")));
            if (!file.isFile())
                continue;
            // ~/.steam/steam is usually a link to ~/.local/share/Steam.
            const QString canonical = file.canonicalFilePath();
            if (seen.contains(canonical))
                continue;
            seen.insert(canonical);
            files.append(file.filePath());
        }
    }
    return files;
}

} // namespace SteamFolders
