#include "platform/DesktopSession.h"

#include <QtGlobal>

namespace DesktopSession {

namespace {

bool isSet(const std::optional<QByteArray> &value)
{
    return value && !value->isEmpty();
}

std::optional<QByteArray> variable(const char *name)
{
    if (!qEnvironmentVariableIsSet(name))
        return std::nullopt;
    return qgetenv(name);
}

} // namespace

std::optional<QByteArray> preferredPlatform(const Environment &environment)
{
    // Set at all, even empty, is the user's choice.
    if (environment.qtQpaPlatform)
        return std::nullopt;
    if (!isSet(environment.display))
        return std::nullopt;
    const bool wayland = isSet(environment.waylandDisplay)
        || environment.xdgSessionType.value_or(QByteArray()).compare("wayland", Qt::CaseInsensitive) == 0;
    if (!wayland)
        return std::nullopt;
    // DISPLAY may be left over from another session, or XWayland switched off: Qt then goes on
    // to the next platform on the list instead of ending the program.
    return QByteArrayLiteral("xcb;wayland");
}

Environment currentEnvironment()
{
    return {variable("QT_QPA_PLATFORM"), variable("DISPLAY"), variable("WAYLAND_DISPLAY"),
            variable("XDG_SESSION_TYPE")};
}

} // namespace DesktopSession
