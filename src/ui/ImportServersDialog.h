#pragma once

#include "model/SteamImport.h"

#include <QDialog>
#include <QList>

class QTreeWidget;

// Lists the game client's favourite and recent servers with a check box each, so the user picks
// the ones to watch. Servers already in the list are shown greyed, and cannot be ticked.
class ImportServersDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ImportServersDialog)

public:
    enum Column { NameColumn = 0, AddressColumn, SourceColumn, LastPlayedColumn, GameColumn, ColumnCount };

    explicit ImportServersDialog(QList<SteamImport::Entry> entries, QWidget *parent = nullptr);

    /// The entries ticked now, in the order shown.
    QList<SteamImport::Entry> tickedEntries() const;

private:
    QList<SteamImport::Entry> m_entries;
    QTreeWidget *m_serversTree = nullptr;
};
