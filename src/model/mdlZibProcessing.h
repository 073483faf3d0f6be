#pragma once

#include "model/ClanFilter.h"
#include "model/GameServer.h"
#include "notify/NotifySettings.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <memory>

// The program's shared state and the routines that load it from, and store it in, the settings
// file. Everything here lives on the one UI thread.
namespace mdlZibProcessing {

using ServerList = QList<std::shared_ptr<GameServer>>;
using FilterList = QList<std::shared_ptr<ClanFilter>>;

inline QString settingsPath;
inline qint16 CheckSpeed = 0;
inline qint16 AlertSpeed = 0;
inline qint16 AlertPlaySound = 0;
/// The "History" key: whether every check is kept in the history file ("0" off, else on).
inline bool HistoryRecording = true;
inline QDateTime lastAlertTime;
inline bool checkingEnabled = false;
inline ServerList gameServers;
inline FilterList clanFilters;
inline notify::NotifySettings notifySettings;

// Names inside the settings file.
inline const QString settingsSection = QStringLiteral("ZIB SETTINGS");
inline const QString settingsFileName = QStringLiteral("ZIBsettings.ini");
inline const QString endMarker = QStringLiteral("BREAKVALUE");

/// The settings file beside the program for a copy of its own, else in the user's configuration
/// folder (AppPaths). The folder is made by the first save that writes something.
QString defaultSettingsPath();

// Every save below returns whether the file took it. When it could not, the change stays in memory
// (nothing is read back from the file over it), saveError() says why, and the next save writes it
// together with its own change.

void loadSettings();
/// Stores both intervals only when both texts are numbers; always stores the sound; reloads.
bool saveSettings(const QString &checkSpeed, const QString &alertSpeed, const QString &playSound);

void loadGameServers();
/// Resolves every host name first, then writes every server in one write.
bool saveGameServers();
/// Appends servers whose addresses are resolved already, numbered on from the last, and saves
/// the whole list as saveGameServers does.
bool appendGameServers(ServerList added);
void loadClanFilters();
bool saveClanFilters();

void loadNotifySettings();
/// Stores every "ZIB NOTIFY" value (an empty one turns its channel off) and reloads. The file is
/// made owner-only first when a value is a secret.
bool saveNotifySettings(const notify::NotifySettings &settings);

/// Removes the record at 1-based position n and moves the last record into its number.
bool removeGameServer(qint16 n);
bool removeClanFilter(qint16 n);

/// Why the last save that failed could not write the file, in the system's words.
QString saveError();

/// True while changes the user made are held after a failed save (and were told to be).
bool usersChangesUnsaved();

/// While one lives, the saves made are the program's own (the start's, the close's): a failure
/// of theirs is held like any other, but is no change the user made or was told about.
class OwnSaves
{
public:
    OwnSaves();
    ~OwnSaves();
    OwnSaves(const OwnSaves &) = delete;
    OwnSaves &operator=(const OwnSaves &) = delete;
};

/// The number of the first server with exactly this address and port; 0 when none has them.
qint16 findServerNumber(const QString &address, qint32 port);

/// The record at a 1-based position, or nothing when the position is outside the list.
std::shared_ptr<GameServer> serverAt(qint32 position);
std::shared_ptr<ClanFilter> filterAt(qint32 position);

/// Puts every shared value back to what it is when the program starts.
void resetState();

} // namespace mdlZibProcessing
