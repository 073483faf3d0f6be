#include "MainWindowFixture.h"

#include "model/mdlZibProcessing.h"
#include "platform/HostResolver.h"
#include "platform/settingsfile/ProfileFile.h"
#include "ui/ImportServersDialog.h"
#include "ui/MessageBox.h"
#include "ui/ServerGrid.h"
#include "ui/ServerGridMenu.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

using namespace mdlZibProcessing;

namespace {

// Stands in for the game client: takes the links the desktop would hand it.
class SteamHandler final : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened.append(url); }
};

} // namespace

class ServerGridMenuTest : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        // The machine's own link programs are no business of these tests: Qt's handler decides.
        ServerGridMenu::setLinkCheck([](const QString &) { return std::nullopt; });
        writeServers({{QStringLiteral("Alpha"), QStringLiteral("10.0.0.1"), QStringLiteral("27001")},
                      {QStringLiteral("Bravo"), QStringLiteral("10.0.0.2"), QStringLiteral("27002")}});
        start();
        QTest::mouseClick(control<QPushButton>("btnViewServers"), Qt::LeftButton);
        m_menu = m_window->findChild<ServerGridMenu *>(QStringLiteral("serverGridMenu"));
        ASSERT_NE(m_menu, nullptr);
    }
    void TearDown() override
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("steam"));
        ServerGridMenu::setLinkCheck({});
        if (m_menu)
            m_menu->menu()->close();
        MainWindowFixture::TearDown();
    }
    // A right-click as the desktop reports it, at a point of the grid's viewport.
    void rightClick(QPoint at)
    {
        QWidget *viewport = grid()->viewport();
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, viewport->mapToGlobal(at));
        QApplication::sendEvent(viewport, &event);
    }
    void rightClickRow(int row) { rightClick(grid()->visualRect(grid()->model()->index(row, 1)).center()); }
    QAction *action(const char *name) const { return m_menu->menu()->findChild<QAction *>(QLatin1String(name)); }
    QString details() const { return control<QPlainTextEdit>("txtResponse")->toPlainText(); }
    void trigger(const char *name)
    {
        m_menu->menu()->close();
        action(name)->trigger();
    }

    ServerGridMenu *m_menu = nullptr;
};

TEST_F(ServerGridMenuTest, ItemsInOrderActingOnTheRowClicked)
{
    const int bravo = rowOfServer(2);
    grid()->setCurrentCell(rowOfServer(1), 1);
    rightClickRow(bravo);
    ASSERT_TRUE(m_menu->menu()->isVisible());
    QStringList texts;
    for (const QAction *item : m_menu->menu()->actions())
        texts.append(item->isSeparator() ? QStringLiteral("-") : item->text());
    EXPECT_EQ(texts, (QStringList{QStringLiteral("Join Game"), QStringLiteral("Copy Address"), QStringLiteral("-"),
                                  QStringLiteral("Add Servers from Clipboard"),
                                  QStringLiteral("Import Servers from Steam..."), QStringLiteral("-"),
                                  QStringLiteral("History...")}));
    EXPECT_TRUE(action("actJoinGame")->isEnabled());
    EXPECT_TRUE(action("actCopyAddress")->isEnabled());
    EXPECT_EQ(grid()->currentRow(), bravo);
    EXPECT_TRUE(details().startsWith(QStringLiteral("SERVER: Bravo\n")));

    trigger("actCopyAddress");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("10.0.0.2:27002"));
    rightClickRow(bravo);
    QSignalSpy history(m_menu, &ServerGridMenu::historyRequested);
    trigger("actHistory");
    ASSERT_EQ(history.size(), 1);
    EXPECT_EQ(history[0][0].toString(), QStringLiteral("10.0.0.2:27002")) << "history goes by address and port";

    // Below the last row: nothing to join or copy, and the current row stays.
    rightClick({5, grid()->viewport()->height() - 3});
    ASSERT_TRUE(m_menu->menu()->isVisible());
    EXPECT_FALSE(action("actJoinGame")->isEnabled());
    EXPECT_FALSE(action("actCopyAddress")->isEnabled());
    EXPECT_FALSE(action("actHistory")->isEnabled());
    EXPECT_TRUE(action("actAddFromClipboard")->isEnabled());
    EXPECT_TRUE(action("actImportFromSteam")->isEnabled());
    EXPECT_EQ(grid()->currentRow(), bravo);
}

TEST_F(ServerGridMenuTest, MenuKeyAndShiftF10OpenItForTheCurrentRow)
{
    for (const auto &[key, modifiers] : {std::pair{Qt::Key_Menu, Qt::NoModifier}, {Qt::Key_F10, Qt::ShiftModifier}}) {
        m_menu->menu()->close();
        grid()->setCurrentCell(rowOfServer(1), 1);
        QTest::keyClick(grid(), key, modifiers);
        ASSERT_TRUE(m_menu->menu()->isVisible()) << key;
        EXPECT_TRUE(action("actJoinGame")->isEnabled());
        trigger("actCopyAddress");
        EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("10.0.0.1:27001"));
    }
    // Without a server in the current row the key still opens it, with the row's items off.
    m_menu->menu()->close();
    gameServers.clear();
    m_window->updateServerGrid();
    QTest::keyClick(grid(), Qt::Key_Menu);
    ASSERT_TRUE(m_menu->menu()->isVisible());
    EXPECT_FALSE(action("actJoinGame")->isEnabled());
}

TEST_F(ServerGridMenuTest, JoinGameAndDoubleClickHandTheLinkToTheGame)
{
    SteamHandler handler;
    QDesktopServices::setUrlHandler(QStringLiteral("steam"), &handler, "open");
    rightClickRow(rowOfServer(2));
    trigger("actJoinGame");
    ASSERT_EQ(handler.opened.size(), 1);
    EXPECT_EQ(handler.opened[0], QUrl(QStringLiteral("steam://connect/10.0.0.2:27002")));

    // A real double-click: a click, then the second press reported as a double-click.
    const QPoint alpha = grid()->visualRect(grid()->model()->index(rowOfServer(1), 1)).center();
    QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, alpha);
    QTest::mouseDClick(grid()->viewport(), Qt::LeftButton, {}, alpha);
    ASSERT_EQ(handler.opened.size(), 2);
    EXPECT_EQ(handler.opened[1].toString(), QStringLiteral("steam://connect/10.0.0.1:27001"));
    EXPECT_TRUE(details().startsWith(QStringLiteral("SERVER: Alpha\n"))) << "the first click shows the details";
    EXPECT_FALSE(MessageBox::lastShown().has_value());
    QDesktopServices::unsetUrlHandler(QStringLiteral("steam"));
}

TEST_F(ServerGridMenuTest, WithNothingToOpenTheLinkTheAddressIsCopiedAndSaidSo)
{
    // No handler: the offscreen desktop opens no links at all. Then a desktop that would take any
    // link (xdg-open) but has no program for this one: the link is not handed over.
    SteamHandler handler;
    for (const bool desktopKnows : {false, true}) {
        if (desktopKnows) {
            QDesktopServices::setUrlHandler(QStringLiteral("steam"), &handler, "open");
            ServerGridMenu::setLinkCheck([](const QString &scheme) {
                return std::optional<bool>(scheme != QStringLiteral("steam"));
            });
        }
        QGuiApplication::clipboard()->clear();
        MessageBox::resetForTests();
        MessageBox::setNextAnswer(QMessageBox::Ok);
        rightClickRow(rowOfServer(1));
        trigger("actJoinGame");
        const auto shown = MessageBox::lastShown();
        ASSERT_TRUE(shown.has_value());
        EXPECT_EQ(shown->title, QStringLiteral("ERROR"));
        EXPECT_EQ(shown->icon, QMessageBox::Critical);
        EXPECT_TRUE(shown->text.contains(QStringLiteral("10.0.0.1:27001 has been copied")));
        EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("10.0.0.1:27001"));
    }
    EXPECT_TRUE(handler.opened.isEmpty());
    QDesktopServices::unsetUrlHandler(QStringLiteral("steam"));
}

TEST_F(ServerGridMenuTest, PastedAddressesAreAddedInOneWriteWithOneSummary)
{
    resolveHosts({{QStringLiteral("hl.example.net"), QStringLiteral("10.0.0.1")}});
    QGuiApplication::clipboard()->setText(
        QStringLiteral("connect hl.example.net:27001\nsteam://connect/10.0.0.3:27003, 10.0.0.4; [::1]:27015 10.0.0.3:27003"));
    const quint64 writes = ProfileFile::fileWrites();
    MessageBox::setNextAnswer(QMessageBox::Ok);
    trigger("actAddFromClipboard");

    EXPECT_EQ(ProfileFile::fileWrites() - writes, 1u);
    ASSERT_EQ(gameServers.size(), 4);
    EXPECT_EQ(gameServers[3]->address(), QStringLiteral("10.0.0.4"));
    EXPECT_EQ(gameServers[3]->port(), 27015);
    EXPECT_EQ(fileValue(QStringLiteral("GAMESERVER 4"), QStringLiteral("Address")), QStringLiteral("10.0.0.4"));
    EXPECT_EQ(grid()->rowCount(), 4) << "the grid is refreshed";
    const auto shown = MessageBox::lastShown();
    ASSERT_TRUE(shown.has_value());
    EXPECT_EQ(shown->title, QStringLiteral("Add Servers from Clipboard"));
    EXPECT_TRUE(shown->text.startsWith(QStringLiteral("Added 2 servers. 2 servers were already in the list")))
        << shown->text.toStdString();
    EXPECT_TRUE(shown->text.contains(QStringLiteral("[::1]:27015: it is an IPv6 address")));

    QGuiApplication::clipboard()->setText(QStringLiteral("just words"));
    MessageBox::setNextAnswer(QMessageBox::Ok);
    trigger("actAddFromClipboard");
    EXPECT_EQ(MessageBox::lastShown()->text, QStringLiteral("No server addresses were found on the clipboard."));
    EXPECT_EQ(gameServers.size(), 4);
}

TEST_F(ServerGridMenuTest, ImportListsTheClientsServersAndAddsTheTickedOnes)
{
    const QString root = m_dir.filePath(QStringLiteral("Steam"));
    m_menu->setClientFolders(QStringList{root});
    MessageBox::setNextAnswer(QMessageBox::Ok);
    trigger("actImportFromSteam");
    ASSERT_TRUE(MessageBox::lastShown().has_value());
    EXPECT_TRUE(MessageBox::lastShown()->text.contains(root)) << "says where it looked";

    const QString folder = root + QStringLiteral("/userdata/42/7/remote");
    ASSERT_TRUE(QDir().mkpath(folder));
    QFile file(folder + QStringLiteral("/serverbrowser_hist.vdf"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\"Filters\" { \"favorites\" {"
               " \"0\" { \"name\" \"Alpha again\" \"address\" \"10.0.0.1:27001\" \"LastPlayed\" \"1\" \"appid\" \"10\" }"
               " \"1\" { \"name\" \"Gamma\" \"address\" \"10.0.0.3:27003\" \"LastPlayed\" \"1733580000\" \"appid\" \"70\" } }"
               " \"history\" {"
               " \"0\" { \"name\" \"Other game\" \"address\" \"10.0.0.4:27015\" \"LastPlayed\" \"0\" \"appid\" \"440\" } } }");
    file.close();

    struct Seen
    {
        int rows = -1;
        QList<bool> checkable;
        QList<bool> checked;
    } seen;
    for (const int key : {Qt::Key_Escape, Qt::Key_Return}) {
        QTimer::singleShot(0, m_window.get(), [&seen, key] {
            auto *dialog = qobject_cast<ImportServersDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            auto *tree = dialog->findChild<QTreeWidget *>(QStringLiteral("serversTree"));
            seen = {};
            seen.rows = tree->topLevelItemCount();
            for (int row = 0; row < seen.rows; ++row) {
                seen.checkable.append(tree->topLevelItem(row)->flags().testFlag(Qt::ItemIsUserCheckable));
                seen.checked.append(tree->topLevelItem(row)->checkState(0) == Qt::Checked);
            }
            tree->setFocus();
            QTest::keyClick(tree, Qt::Key(key));
            // A dialog the key failed to close would hang the test; close it, and let the checks fail.
            if (dialog->isVisible())
                dialog->done(QDialog::Rejected);
        });
        MessageBox::resetForTests();
        MessageBox::setNextAnswer(QMessageBox::Ok);
        trigger("actImportFromSteam");
        ASSERT_EQ(seen.rows, 3);
        // Gamma (latest favourite), Alpha (watched), then the other game's server from the history.
        EXPECT_EQ(seen.checkable, (QList<bool>{true, false, true}));
        EXPECT_EQ(seen.checked, (QList<bool>{true, false, false}));
        if (key == Qt::Key_Escape) {
            EXPECT_EQ(gameServers.size(), 2) << "Escape cancels";
            EXPECT_FALSE(MessageBox::lastShown().has_value());
        }
    }
    ASSERT_EQ(gameServers.size(), 3) << "Enter accepts";
    EXPECT_EQ(gameServers[2]->name(), QStringLiteral("Gamma"));
    EXPECT_EQ(MessageBox::lastShown()->title, QStringLiteral("Import Servers from Steam"));
    EXPECT_TRUE(MessageBox::lastShown()->text.startsWith(QStringLiteral("Added 1 server.")));
}

#include "ServerGridMenuTest.moc"

// Names that take long to answer hold neither the window nor the checks: they are all asked at
// once, a progress box with a Cancel shows after a moment, and Cancel adds what did answer.
TEST_F(ServerGridMenuTest, SlowHostNamesAreLookedUpTogetherAndCanBeCancelled)
{
    struct Pending
    {
        QPointer<QObject> context;
        HostResolver::Answer answer;
    };
    QMap<QString, Pending> asked;
    HostResolver::setLookup({});
    HostResolver::setAsyncLookup([&asked](const QString &host, QObject *context, HostResolver::Answer answer) {
        asked.insert(host, {context, std::move(answer)});
    });
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, &ticker, [&ticks] { ++ticks; });
    ticker.start(20);

    QGuiApplication::clipboard()->setText(QStringLiteral("slow.example.net:27001 quick.example.org:27002 10.0.0.7:27007"));
    trigger("actAddFromClipboard");
    EXPECT_EQ(asked.keys(), (QStringList{QStringLiteral("quick.example.org"), QStringLiteral("slow.example.net")}));
    asked[QStringLiteral("quick.example.org")].answer(QStringLiteral("10.0.0.8"));
    QProgressDialog *progress = m_window->findChild<QProgressDialog *>(QStringLiteral("hostLookupProgress"));
    ASSERT_NE(progress, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([progress] { return progress->isVisible(); }, 5000));
    EXPECT_GT(ticks, 5) << "the window's events go on meanwhile";
    EXPECT_EQ(gameServers.size(), 2) << "nothing added before the names answer";

    MessageBox::setNextAnswer(QMessageBox::Ok);
    auto *cancel = progress->findChild<QPushButton *>();
    ASSERT_NE(cancel, nullptr);
    EXPECT_EQ(cancel->text(), QStringLiteral("Cancel"));
    QTest::mouseClick(cancel, Qt::LeftButton);
    ASSERT_TRUE(MessageBox::lastShown().has_value());
    const QString summary = MessageBox::lastShown()->text;
    EXPECT_TRUE(summary.startsWith(QStringLiteral("Added 2 servers."))) << summary.toStdString();
    EXPECT_TRUE(summary.contains(QStringLiteral("cancelled:\r\n    slow.example.net"))) << summary.toStdString();
    ASSERT_EQ(gameServers.size(), 4);
    EXPECT_EQ(gameServers[2]->address(), QStringLiteral("10.0.0.8"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return asked[QStringLiteral("slow.example.net")].context.isNull(); }, 2000))
        << "the cancelled look-up is given up";

    // "Add New Server" with a name that hangs: the same box, and Cancel adds nothing.
    asked.clear();
    MessageBox::resetForTests();
    MessageBox::setNextInput(QStringLiteral("hangs.example.net:27015"));
    QTest::mouseClick(control<QPushButton>("btnAddServer"), Qt::LeftButton);
    ASSERT_TRUE(asked.contains(QStringLiteral("hangs.example.net")));
    progress = m_window->findChild<QProgressDialog *>(QStringLiteral("hostLookupProgress"));
    ASSERT_NE(progress, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([progress] { return progress->isVisible(); }, 5000));
    progress->cancel();
    EXPECT_EQ(gameServers.size(), 4);
    EXPECT_EQ(MessageBox::lastShown()->title, QStringLiteral("Add a new Game Server")) << "only the prompt was shown";
}
