#pragma once

#include <QString>
#include <QStringList>

// Where the game client keeps its files on this machine, and its server browser's lists in them.
namespace SteamFolders {

/// The client's folders worth a look on this system, whether they exist or not: on Linux the
/// native, the ~/.steam link and the Flatpak location; on Windows the one the registry names,
/// else the default under Program Files.
QStringList clientFolders();

/// Every account's server browser file (userdata/<account>/7/remote/serverbrowser_hist.vdf)
/// under these folders, each file once however many links lead to it.
QStringList serverBrowserFiles(const QStringList &clientFolders);

} // namespace SteamFolders
