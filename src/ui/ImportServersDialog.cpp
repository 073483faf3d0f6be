#include "ui/ImportServersDialog.h"

#include "ui/ServerGridMenu.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Names past this many characters get their whole text as a tip.
constexpr qsizetype longName = 40;
// The name column never pushes the others out of sight.
constexpr int maxNameWidth = 300;

QString lastPlayedText(qint64 seconds)
{
    if (seconds <= 0)
        return QStringLiteral("never");
    return QDateTime::fromSecsSinceEpoch(seconds).date().toString(Qt::ISODate);
}

} // namespace

ImportServersDialog::ImportServersDialog(QList<SteamImport::Entry> entries, QWidget *parent)
    : QDialog(parent)
    , m_entries(std::move(entries))
{
    setObjectName(QStringLiteral("ImportServersDialog"));
    setWindowTitle(ServerGridMenu::importTitle());

    auto *hint = new QLabel(QCoreApplication::translate("ImportServersDialog", "Tick the servers Zib should watch. Half-Life games are ticked for you; "
                                           "servers already in your list are greyed out."),
                            this);
    hint->setWordWrap(true);

    m_serversTree = new QTreeWidget(this);
    m_serversTree->setObjectName(QStringLiteral("serversTree"));
    m_serversTree->setRootIsDecorated(false);
    m_serversTree->setUniformRowHeights(true);
    m_serversTree->setHeaderLabels({QCoreApplication::translate("ImportServersDialog", "Name"), QCoreApplication::translate("ImportServersDialog", "Address"), QCoreApplication::translate("ImportServersDialog", "List"),
                                    QCoreApplication::translate("ImportServersDialog", "Last played"), QCoreApplication::translate("ImportServersDialog", "Game")});
    QList<QTreeWidgetItem *> items;
    items.reserve(m_entries.size());
    for (const SteamImport::Entry &entry : std::as_const(m_entries)) {
        auto *item = new QTreeWidgetItem(
            {entry.name, entry.addressText,
             entry.source == SteamImport::Source::Favourite ? QCoreApplication::translate("ImportServersDialog", "Favourite") : QCoreApplication::translate("ImportServersDialog", "History"),
             lastPlayedText(entry.lastPlayed), SteamImport::gameName(entry.appId)});
        item->setCheckState(NameColumn, entry.ticked ? Qt::Checked : Qt::Unchecked);
        // A long name is shown elided; the tip gives it whole.
        if (entry.name.size() > longName)
            item->setToolTip(NameColumn, entry.name);
        if (entry.watched || !entry.address) {
            item->setFlags(item->flags() & ~(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled));
            item->setToolTip(NameColumn, entry.watched ? QCoreApplication::translate("ImportServersDialog", "Already in your list")
                                                       : QCoreApplication::translate("ImportServersDialog", "Not usable: ") + entry.problem);
        }
        items.append(item);
    }
    m_serversTree->addTopLevelItems(items);
    // Columns fit the first rows, not all of a long history: measuring every name would keep
    // the dialog from opening for a moment.
    m_serversTree->header()->setResizeContentsPrecision(100);
    for (int column = 0; column < ColumnCount; ++column)
        m_serversTree->resizeColumnToContents(column);
    m_serversTree->setColumnWidth(NameColumn, std::min(m_serversTree->columnWidth(NameColumn), maxNameWidth));
    m_serversTree->setTextElideMode(Qt::ElideRight);
    m_serversTree->header()->setStretchLastSection(true);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttonBox"));
    // Enter anywhere in the dialog accepts, the list included; Escape cancels.
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addWidget(m_serversTree);
    layout->addWidget(buttons);
    resize(680, 360);
}

QList<SteamImport::Entry> ImportServersDialog::tickedEntries() const
{
    QList<SteamImport::Entry> ticked;
    for (int row = 0; row < m_serversTree->topLevelItemCount(); ++row) {
        const QTreeWidgetItem *item = m_serversTree->topLevelItem(row);
        const SteamImport::Entry &entry = m_entries[row];
        // A greyed row keeps the tick it was shown with; only a usable, unwatched server counts.
        if (item->checkState(NameColumn) == Qt::Checked && entry.address && !entry.watched)
            ticked.append(entry);
    }
    return ticked;
}
