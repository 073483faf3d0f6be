#pragma once

#include <QString>

// Starting with the desktop, through an XDG autostart entry (~/.config/autostart/zib.desktop).
// Desktops without that convention (Windows, macOS) are not offered the choice.
namespace Autostart {

/// Whether this desktop reads XDG autostart entries.
bool isSupported();

/// The entry's file: `zib.desktop` in the `autostart` folder of `configHome`.
QString entryPath(const QString &configHome);

/// The command the entry runs: the plain name when the search path finds this very program
/// under it (so a package update keeps working), else the program's full path.
/// `onSearchPath` is what the search path gives for the plain name (empty when nothing).
QString command(const QString &programPath, const QString &onSearchPath);

/// The entry's text, starting `command` hidden in the tray.
QByteArray entryText(const QString &command);

/// Whether the entry is in place.
bool isEnabled(const QString &configHome);

/// Writes or removes the entry. False when that could not be done (nothing else changes).
bool setEnabled(const QString &configHome, bool enabled, const QString &command);

/// The user's configuration folder (XDG_CONFIG_HOME, usually ~/.config).
QString userConfigHome();

/// command() for this program.
QString currentCommand();

} // namespace Autostart
