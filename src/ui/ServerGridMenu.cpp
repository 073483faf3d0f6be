#include "ui/ServerGridMenu.h"

#include "model/GameServer.h"
#include "model/Numeric.h"
#include "model/SteamImport.h"
#include "model/mdlZibProcessing.h"
#include "platform/LinkHandlers.h"
#include "platform/SteamFolders.h"
#include "ui/HostLookups.h"
#include "ui/ImportServersDialog.h"
#include "ui/MessageBox.h"
#include "ui/ServerGrid.h"
#include "ui/ServerListEdits.h"

#include <QCoreApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QTableWidget>

namespace {

const QString crlf = QStringLiteral("\r\n");

QString addressOf(const GameServer &server)
{
    return server.address() + u':' + QString::number(server.port());
}

ServerGridMenu::LinkCheck &linkCheck()
{
    static ServerGridMenu::LinkCheck check;
    return check;
}

} // namespace

ServerGridMenu::ServerGridMenu(QTableWidget *grid, QWidget *window)
    : QObject(grid)
    , m_grid(grid)
    , m_window(window)
    , m_menu(std::make_unique<QMenu>())
{
    setObjectName(QStringLiteral("serverGridMenu"));
    m_menu->setObjectName(QStringLiteral("gridMenu"));
    const auto add = [this](const char *name, const QString &text, void (ServerGridMenu::*slot)()) {
        QAction *action = m_menu->addAction(text);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    m_actJoinGame = add("actJoinGame", QCoreApplication::translate("ServerGridMenu", "Join Game"), &ServerGridMenu::onJoinGame);
    m_actCopyAddress = add("actCopyAddress", QCoreApplication::translate("ServerGridMenu", "Copy Address"), &ServerGridMenu::onCopyAddress);
    m_menu->addSeparator();
    m_actAddFromClipboard = add("actAddFromClipboard", pasteTitle(), &ServerGridMenu::onAddFromClipboard);
    m_actImportFromSteam =
        add("actImportFromSteam", importTitle() + QStringLiteral("..."), &ServerGridMenu::onImportFromSteam);
    // Last, below a line of its own, so the items above keep their places.
    m_menu->addSeparator();
    m_actHistory = m_menu->addAction(QCoreApplication::translate("ServerGridMenu", "History..."));
    m_actHistory->setObjectName(QStringLiteral("actHistory"));
    connect(m_actHistory, &QAction::triggered, this, [this] {
        if (const auto server = m_server.lock())
            emit historyRequested(server->address() + u':' + QString::number(server->port()));
    });

    m_grid->installEventFilter(this);
    m_grid->viewport()->installEventFilter(this);
    connect(m_grid, &QTableWidget::cellDoubleClicked, this, &ServerGridMenu::onCellDoubleClicked);
}

ServerGridMenu::~ServerGridMenu() = default;

std::shared_ptr<GameServer> ServerGridMenu::serverOfRow(int row) const
{
    const QTableWidgetItem *item = row >= 0 ? m_grid->item(row, ServerGrid::NumberColumn) : nullptr;
    return item ? mdlZibProcessing::serverAt(Numeric::toInt16(item->text()).value_or(0)) : nullptr;
}

void ServerGridMenu::openFor(int row, const QPoint &globalPos)
{
    const auto server = serverOfRow(row);
    if (server) {
        m_grid->setCurrentCell(row, ServerGrid::ServerColumn);
        emit rowChosen();
    }
    m_server = server;
    m_actJoinGame->setEnabled(server != nullptr);
    m_actCopyAddress->setEnabled(server != nullptr);
    m_actHistory->setEnabled(server != nullptr);
    m_menu->popup(globalPos);
}

bool ServerGridMenu::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ContextMenu) {
        const auto *menuEvent = static_cast<QContextMenuEvent *>(event);
        // The keys are taken as they are pressed, below; some desktops also send a menu request
        // for them, which would open the menu twice.
        if (menuEvent->reason() != QContextMenuEvent::Mouse)
            return true;
        openFor(watched == m_grid->viewport() ? m_grid->rowAt(menuEvent->pos().y()) : -1, menuEvent->globalPos());
        return true;
    }
    if (event->type() == QEvent::KeyPress && watched == m_grid) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool menuKey = key->key() == Qt::Key_Menu && key->modifiers() == Qt::NoModifier;
        const bool shiftF10 = key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier;
        if (menuKey || shiftF10) {
            const int row = m_grid->currentRow();
            const QRect cell = row >= 0 ? m_grid->visualRect(m_grid->model()->index(row, ServerGrid::ServerColumn))
                                        : QRect();
            const QPoint at = cell.isValid() ? cell.bottomLeft() : QPoint(0, 0);
            openFor(row, m_grid->viewport()->mapToGlobal(at));
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

QUrl ServerGridMenu::connectUrl(const GameServer &server)
{
    return QUrl(QStringLiteral("steam://connect/") + addressOf(server));
}

void ServerGridMenu::setLinkCheck(LinkCheck check)
{
    linkCheck() = std::move(check);
}

bool ServerGridMenu::joinGame(QWidget *parent, const GameServer &server)
{
    const QUrl url = connectUrl(server);
    const auto handled = linkCheck() ? linkCheck()(url.scheme()) : LinkHandlers::hasHandler(url.scheme());
    if (handled != false && QDesktopServices::openUrl(url))
        return true;
    QGuiApplication::clipboard()->setText(addressOf(server));
    MessageBox::error(parent, QCoreApplication::translate("ServerGridMenu", "Nothing on this computer opens steam:// links, so the game could not be "
                                             "started for you (is Steam installed?).")
                                  + crlf + crlf + QCoreApplication::translate("ServerGridMenu", "The address ") + addressOf(server)
                                  + QCoreApplication::translate("ServerGridMenu", " has been copied: type \"connect \" in the game's console and "
                                                   "paste it after that."));
    return false;
}

void ServerGridMenu::onJoinGame()
{
    if (const auto server = m_server.lock())
        joinGame(m_window, *server);
}

void ServerGridMenu::onCopyAddress()
{
    if (const auto server = m_server.lock())
        QGuiApplication::clipboard()->setText(addressOf(*server));
}

void ServerGridMenu::onCellDoubleClicked(int row)
{
    if (const auto server = serverOfRow(row))
        joinGame(m_window, *server);
}

void ServerGridMenu::addAndReport(const QList<ServerAdditions::Candidate> &candidates,
                                  const QList<AddressList::Refused> &refused, const QString &title)
{
    // The servers are added once every name has answered (or Cancel was pressed), against the
    // list as it is then.
    HostLookups::start(m_window, ServerAdditions::hostNames(candidates), title,
                       [this, candidates, refused, title](const HostLookups::Result &lookedUp) {
                           const ServerAdditions::Outcome outcome = ServerAdditions::addServers(
                               candidates, ServerListEdits::newServerName, lookedUp.addresses);
                           if (outcome.added > 0)
                               emit serversAdded();
                           MessageBox::show(m_window, ServerAdditions::summary(outcome, refused), title,
                                            QMessageBox::Ok, QMessageBox::Information);
                       });
}

void ServerGridMenu::onAddFromClipboard()
{
    const AddressList::Found found = AddressList::parse(QGuiApplication::clipboard()->text());
    if (found.addresses.isEmpty() && found.refused.isEmpty()) {
        MessageBox::show(m_window, QCoreApplication::translate("ServerGridMenu", "No server addresses were found on the clipboard."), pasteTitle(),
                         QMessageBox::Ok, QMessageBox::Information);
        return;
    }
    QList<ServerAdditions::Candidate> candidates;
    candidates.reserve(found.addresses.size());
    for (const AddressList::Address &address : found.addresses)
        candidates.append({address, {}});
    addAndReport(candidates, found.refused, pasteTitle());
}

void ServerGridMenu::onImportFromSteam()
{
    const QStringList folders = m_clientFolders.value_or(SteamFolders::clientFolders());
    const QStringList files = SteamFolders::serverBrowserFiles(folders);
    if (files.isEmpty()) {
        MessageBox::show(m_window,
                         QCoreApplication::translate("ServerGridMenu", "No server browser file of Steam was found. Zib looked for "
                                        "userdata/<account>/7/remote/serverbrowser_hist.vdf in:")
                             + crlf + QStringLiteral("    ") + folders.join(crlf + QStringLiteral("    ")),
                         importTitle(), QMessageBox::Ok, QMessageBox::Information);
        return;
    }
    QList<SteamImport::Entry> entries;
    QStringList errors;
    for (const QString &file : files) {
        SteamImport::FileContents contents = SteamImport::readFile(file);
        if (!contents.error.isEmpty())
            errors.append(contents.error);
        entries.append(std::move(contents.entries));
    }
    if (!errors.isEmpty())
        MessageBox::error(m_window, errors.join(crlf + crlf));
    if (entries.isEmpty()) {
        if (errors.isEmpty())
            MessageBox::show(m_window, QCoreApplication::translate("ServerGridMenu", "Steam's server browser lists no favourites and no history."),
                             importTitle(), QMessageBox::Ok, QMessageBox::Information);
        return;
    }
    ImportServersDialog dialog(SteamImport::prepare(std::move(entries), mdlZibProcessing::gameServers), m_window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QList<ServerAdditions::Candidate> candidates;
    for (const SteamImport::Entry &entry : dialog.tickedEntries())
        candidates.append({*entry.address, entry.name});
    addAndReport(candidates, {}, importTitle());
}
