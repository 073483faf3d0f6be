#pragma once

#include <QString>
#include <QStringList>

// The text of freedesktop.org desktop entries: the files behind application menus and the
// autostart folder of X11 and Wayland desktops.
namespace DesktopEntry {

/// The value of an `Exec=` key that runs `argv` (the program first), each argument handed over
/// exactly as given: quoted where the desktop would split or expand it, with `%` kept from being
/// read as a field code.
QString execValue(const QStringList &argv);

} // namespace DesktopEntry
