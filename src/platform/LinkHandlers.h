#pragma once

#include <QString>

#include <optional>

// Whether the desktop has a program for links of a scheme (steam://). Where the desktop opens
// links through xdg-open, asking it to open one always "succeeds", whether a program takes the
// link or not; so the question is put beforehand.
namespace LinkHandlers {

/// True or false where the system can tell; nothing where it cannot (no xdg-mime). Windows asks
/// its registry. `xdgMime` replaces the xdg-mime found on the PATH, for tests (unused on Windows).
std::optional<bool> hasHandler(const QString &scheme, const QString &xdgMime = {});

} // namespace LinkHandlers
