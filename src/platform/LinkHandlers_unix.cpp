#include "platform/LinkHandlers.h"

#include <QProcess>
#include <QStandardPaths>

namespace LinkHandlers {

std::optional<bool> hasHandler(const QString &scheme, const QString &xdgMime)
{
    const QString program = xdgMime.isEmpty() ? QStandardPaths::findExecutable(QStringLiteral("xdg-mime")) : xdgMime;
    if (program.isEmpty())
        return std::nullopt;
    QProcess query;
    query.start(program, {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("x-scheme-handler/") + scheme});
    // A desktop's own tools answer in well under a second; one that hangs must not hold the window.
    if (!query.waitForFinished(3000)) {
        query.kill();
        query.waitForFinished(1000);
        return std::nullopt;
    }
    if (query.exitStatus() != QProcess::NormalExit)
        return std::nullopt;
    // xdg-mime names the program's desktop entry, and says nothing (exit 0 or 4) when none is set.
    const bool named = !query.readAllStandardOutput().trimmed().isEmpty();
    if (named)
        return true;
    return query.exitCode() == 0 || query.exitCode() == 4 ? std::optional<bool>(false) : std::nullopt;
}

} // namespace LinkHandlers
