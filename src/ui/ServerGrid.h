#pragma once

#include "model/mdlZibProcessing.h"

#include <QList>
#include <QString>
#include <QStringList>

class GameServer;
class QFontMetrics;

// What the server grid shows, worked out without a widget: the heading, each server's row, the
// order of the rows and the details text of a clicked server.
namespace ServerGrid {

enum Column { NumberColumn = 0, ServerColumn, MapColumn, PlayersColumn, HitsColumn, ColumnCount };

/// The column headings; each column is as wide as its heading, blanks included.
QStringList headings();

/// The headings as the grid shows them in this font: where a language's words are wider than the
/// English ones, the blanks that pad Server and Map give way until the columns need no more than
/// the English headings do. `margins` is what a column adds to its heading's width.
QStringList headingsFitting(const QFontMetrics &metrics, int margins);

/// Names on the last players reply against the capacity, "5/16".
QString playersText(const GameServer &server);

/// The five cells of a server's row, column 0 holding its number; names as TextCodec::forDisplay
/// shows them.
QStringList rowTexts(const GameServer &server);

/// Orders rows on one column, largest first. Cells compare as numbers when both are numeric and
/// as text otherwise; rows that compare equal keep their order.
void sortDescending(QList<QStringList> &rows, int column);

/// Every server's row, most hits first.
QList<QStringList> rows(const mdlZibProcessing::ServerList &servers);

/// The details box text for a server: name, address, port, an empty line, then the players,
/// each field as TextCodec::forDisplay shows it; after an empty line, the last round trip once
/// a reply has come.
QString detailsText(const GameServer &server);

} // namespace ServerGrid
