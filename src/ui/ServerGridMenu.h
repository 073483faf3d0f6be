#pragma once

#include "model/AddressList.h"
#include "model/ServerAdditions.h"

#include <QCoreApplication>
#include <QObject>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <memory>
#include <optional>

class GameServer;
class QAction;
class QMenu;
class QTableWidget;
class QWidget;

// The server grid's context menu (right-click, the Menu key, Shift+F10) and its double-click:
// joining a server in the game, copying its address, and adding servers from the clipboard or
// from the game client's server browser.
class ServerGridMenu final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ServerGridMenu)

public:
    /// `window` owns the boxes and the import dialog.
    ServerGridMenu(QTableWidget *grid, QWidget *window);
    ~ServerGridMenu() override;

    QMenu *menu() const { return m_menu.get(); }

    /// Opens the menu for a grid row (-1 for none) at a point on the screen, without waiting.
    void openFor(int row, const QPoint &globalPos);

    /// The client folders the import looks in; unset means this system's (SteamFolders).
    void setClientFolders(std::optional<QStringList> folders) { m_clientFolders = std::move(folders); }

    /// steam://connect/ADDRESS:PORT
    static QUrl connectUrl(const GameServer &server);
    /// Asks the desktop to open the server in the game; where nothing opens the link, copies the
    /// address and says so in an "ERROR" box. True when the desktop took the link.
    static bool joinGame(QWidget *parent, const GameServer &server);

    /// Whether the desktop has a program for a link scheme, asked before the link is handed over
    /// (LinkHandlers); nothing leaves the answer to the desktop's opening of it. Tests replace it;
    /// an empty function puts the system's back.
    using LinkCheck = std::function<std::optional<bool>(const QString &scheme)>;
    static void setLinkCheck(LinkCheck check);

    static QString importTitle() { return QCoreApplication::translate("ServerGridMenu", "Import Servers from Steam"); }
    static QString pasteTitle() { return QCoreApplication::translate("ServerGridMenu", "Add Servers from Clipboard"); }

signals:
    /// A row the menu was opened on became the current one: its details are due.
    void rowChosen();
    /// Servers were added to the list and written: the grid is due for a refresh.
    void serversAdded();
    /// "History..." on a server, known by "address:port".
    void historyRequested(const QString &serverKey);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void onJoinGame();
    void onCopyAddress();
    void onAddFromClipboard();
    void onImportFromSteam();
    void onCellDoubleClicked(int row);
    std::shared_ptr<GameServer> serverOfRow(int row) const;
    /// Adds, refreshes the grid, then says what happened in one box.
    void addAndReport(const QList<ServerAdditions::Candidate> &candidates,
                      const QList<AddressList::Refused> &refused, const QString &title);

    QTableWidget *m_grid;
    QWidget *m_window;
    std::unique_ptr<QMenu> m_menu;
    QAction *m_actJoinGame = nullptr;
    QAction *m_actCopyAddress = nullptr;
    QAction *m_actAddFromClipboard = nullptr;
    QAction *m_actImportFromSteam = nullptr;
    QAction *m_actHistory = nullptr;
    // The server the open menu was opened for; resolved again when an action runs, as a refresh
    // may have moved the rows meanwhile.
    std::weak_ptr<GameServer> m_server;
    std::optional<QStringList> m_clientFolders;
};
