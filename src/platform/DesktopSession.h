#pragma once

#include <QByteArray>

#include <optional>

// Choices about the desktop session that must be made before the application object exists.
namespace DesktopSession {

/// The environment variables the platform choice reads; a missing variable is unset.
struct Environment
{
    std::optional<QByteArray> qtQpaPlatform;
    std::optional<QByteArray> display;
    std::optional<QByteArray> waylandDisplay;
    std::optional<QByteArray> xdgSessionType;
};

/// The Qt platform to ask for, or nothing to leave Qt's own choice alone. On a Wayland session
/// the alert pop-up can neither be placed at the screen's corner nor kept on top, so X11 is
/// preferred there when the desktop offers it and the user has not chosen a platform, with
/// Wayland to fall back on when X11 cannot be reached after all.
std::optional<QByteArray> preferredPlatform(const Environment &environment);

/// The variables of this process.
Environment currentEnvironment();

} // namespace DesktopSession
