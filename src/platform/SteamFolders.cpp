#include "platform/SteamFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace SteamFolders {

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
