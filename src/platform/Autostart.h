#pragma once

#include <QString>
#include <QStringList>

// Starting with the desktop: through an XDG autostart entry (~/.config/autostart/zib.desktop) on
// Linux, through the user's Run key in the registry on Windows. `configHome` is where the entries
// live: the configuration folder, or the registry key. Desktops with neither convention (macOS) are
// not offered the choice.
namespace Autostart {

/// Whether this desktop reads XDG autostart entries.
bool isSupported();

/// The entry's file: `zib.desktop` in the `autostart` folder of `configHome`.
QString entryPath(const QString &configHome);

/// The command the entry runs: the plain name when the search path finds this very program
/// under it (so a package update keeps working), else the program's full path.
/// `onSearchPath` is what the search path gives for the plain name (empty when nothing).
QString command(const QString &programPath, const QString &onSearchPath);

/// What the entry passes besides --minimized: the settings file in use, unless it is the one
/// Zib would choose anyway, so the next login opens the same settings.
QStringList settingsArguments(const QString &settingsInUse, const QString &usualSettings);

/// The entry's text, starting `command` with `arguments`, hidden in the tray.
QByteArray entryText(const QString &command, const QStringList &arguments = {});

/// What the entry in place holds (the desktop entry's text, the registry value), or nothing.
QByteArray storedEntry(const QString &configHome);

/// Whether the entry is in place.
bool isEnabled(const QString &configHome);

/// Writes or removes the entry. False when that could not be done (nothing else changes).
bool setEnabled(const QString &configHome, bool enabled, const QString &command,
                const QStringList &arguments = {});

/// Where this user's entries live (XDG_CONFIG_HOME, usually ~/.config; the Run key).
QString userConfigHome();

/// command() for this program.
QString currentCommand();

} // namespace Autostart
