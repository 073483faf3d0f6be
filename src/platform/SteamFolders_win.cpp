#include "platform/SteamFolders.h"

#include <QDir>
#include <QSettings>

namespace SteamFolders {

QStringList clientFolders()
{
    const QSettings registry(QStringLiteral("HKEY_CURRENT_USER\\Software\\Valve\\Steam"), QSettings::NativeFormat);
    const QString named = registry.value(QStringLiteral("SteamPath")).toString();
    if (!named.isEmpty())
        return {QDir::fromNativeSeparators(named)};
    return {QStringLiteral("C:/Program Files (x86)/Steam")};
}

} // namespace SteamFolders
