#include "platform/Autostart.h"

#include "platform/AppPaths.h"

#include <QFileInfo>

namespace Autostart {

QStringList settingsArguments(const QString &settingsInUse, const QString &usualSettings)
{
    if (settingsInUse.isEmpty() || AppPaths::sameFile(settingsInUse, usualSettings))
        return {};
    return {QStringLiteral("--settings"), QFileInfo(settingsInUse).absoluteFilePath()};
}

} // namespace Autostart
