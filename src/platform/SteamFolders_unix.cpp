#include "platform/SteamFolders.h"

#include <QDir>

namespace SteamFolders {

QStringList clientFolders()
{
#ifdef Q_OS_MACOS
    return {QDir::homePath() + QStringLiteral("/Library/Application Support/Steam")};
#else
    const QString home = QDir::homePath();
    return {home + QStringLiteral("/.local/share/Steam"), home + QStringLiteral("/.steam/steam"),
            home + QStringLiteral("/.var/app/com.valvesoftware.Steam/.local/share/Steam")};
#endif
}

} // namespace SteamFolders
