#pragma once

#include "model/AddressList.h"
#include "model/KeyValues.h"
#include "model/mdlZibProcessing.h"

#include <QList>
#include <QString>

#include <optional>

// The favourites and history of the game client's server browser, as candidates for the list.
namespace SteamImport {

/// The most of a server browser file that is read. Real ones hold a few hundred servers in some
/// tens of kilobytes; anything larger is not one, and parsing it would hold up the window.
inline constexpr qint64 maxFileBytes = 2 * 1024 * 1024;

enum class Source { Favourite, History };

struct Entry
{
    QString name;
    /// The address as the file gives it.
    QString addressText;
    /// Nothing when the address cannot be used; `problem` then says why.
    std::optional<AddressList::Address> address;
    QString problem;
    Source source = Source::History;
    /// Seconds since 1970; 0 when never played.
    qint64 lastPlayed = 0;
    qint64 appId = 0;
    /// Already in the server list: shown, never ticked.
    bool watched = false;
    bool ticked = false;
};

struct FileContents
{
    QList<Entry> entries;
    /// Empty when the file was read whole; otherwise what went wrong, for the user.
    QString error;
};

/// The favourites and history blocks of a parsed file, in file order.
QList<Entry> entriesOf(const KeyValues::Document &document);

/// Reads one file, at most maxFileBytes of it.
FileContents readFile(const QString &path);

/// Games on the Half-Life engine, whose servers answer Zib's queries.
bool isHalfLifeEngineGame(qint64 appId);
/// The game's name for the known app ids, else "App " and the id.
QString gameName(qint64 appId);

/// One entry per address (a favourite wins over history, the latest play and the first name are
/// kept), ordered favourites first, then by last play, latest first; marks the entries whose
/// address and port are already in `servers` and ticks the Half-Life engine's that are not.
QList<Entry> prepare(QList<Entry> entries, const mdlZibProcessing::ServerList &servers);

} // namespace SteamImport
