#include "MainWindowFixture.h"

#include "model/GameServer.h"
#include "model/mdlZibProcessing.h"
#include "ui/MessageBox.h"
#include "ui/ServerGridMenu.h"
#include "ui/ServerListEdits.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QPushButton>
#include <QTest>

using namespace mdlZibProcessing;

TEST(ServerListEditsAnswer, AcceptedFormsGiveAddressAndPort)
{
    struct Case
    {
        QString answer;
        QString address;
        qint32 port;
    };
    const Case cases[] = {
        {QStringLiteral("hl.example.net:27015"), QStringLiteral("hl.example.net"), 27015},
        {QStringLiteral("10.0.0.9: 27015 "), QStringLiteral("10.0.0.9"), 27015},
        {QStringLiteral("10.0.0.9:27015.5"), QStringLiteral("10.0.0.9"), 27016},
        {QStringLiteral("10.0.0.9:26.5"), QStringLiteral("10.0.0.9"), 26},
        {QStringLiteral(" spaced :0"), QStringLiteral(" spaced "), 0},
        {QStringLiteral("10.0.0.9:-5"), QStringLiteral("10.0.0.9"), -5},
        {QStringLiteral("10.0.0.9:70000"), QStringLiteral("10.0.0.9"), 70000},
        {QStringLiteral("10.0.0.9:2.7015e4"), QStringLiteral("10.0.0.9"), 27015},
    };
    for (const Case &c : cases) {
        const auto entry = ServerListEdits::parseAnswer(c.answer);
        ASSERT_TRUE(entry.has_value()) << c.answer.toStdString();
        EXPECT_EQ(entry->address, c.address) << c.answer.toStdString();
        EXPECT_EQ(entry->port, c.port) << c.answer.toStdString();
    }
}

TEST(ServerListEditsAnswer, PromptAndMessagesReadAsDesigned)
{
    const QStringList lines = ServerListEdits::addPrompt().split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[0], QStringLiteral("Server address and port number:"));
    EXPECT_EQ(lines[1], QString());
    EXPECT_TRUE(lines[2].endsWith(QStringLiteral(":27015")));
    EXPECT_EQ(lines[3], QStringLiteral("    or"));
    EXPECT_TRUE(lines[4].endsWith(QStringLiteral(":27015")));
    // The first example is a host name, the second a dotted address; both must pass the check.
    EXPECT_TRUE(ServerListEdits::parseAnswer(lines[2]).has_value());
    EXPECT_TRUE(ServerListEdits::parseAnswer(lines[4]).has_value());
    EXPECT_EQ(lines[4].count(u'.'), 3);
}

class ServerEdits : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        resolveHosts({{QStringLiteral("game.example.org"), QStringLiteral("10.1.1.1")}});
    }
    void startWith(int count)
    {
        QList<QStringList> servers;
        for (int i = 1; i <= count; ++i)
            servers.append({QStringLiteral("Server %1").arg(i), QStringLiteral("10.0.0.%1").arg(i),
                            QString::number(27000 + i)});
        writeServers(servers);
        start();
        QTest::mouseClick(control<QPushButton>("btnViewServers"), Qt::LeftButton);
    }
    void add(const QString &answer)
    {
        MessageBox::resetForTests();
        MessageBox::setNextInput(answer);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        QTest::mouseClick(control<QPushButton>("btnAddServer"), Qt::LeftButton);
    }
    void remove(int serverNumber, QMessageBox::StandardButton answer = QMessageBox::Ok)
    {
        const int row = rowOfServer(serverNumber);
        ASSERT_GE(row, 0);
        clickCell(row, 1);
        MessageBox::resetForTests();
        MessageBox::setNextAnswer(answer);
        QTest::mouseClick(control<QPushButton>("btnRemoveServer"), Qt::LeftButton);
    }
    QString name(int section) const
    {
        return fileValue(GameServer::sectionName(qint16(section)), QStringLiteral("Name"));
    }
    QStringList serverSections() const { return sections().filter(QStringLiteral("GAMESERVER")); }
};

TEST_F(ServerEdits, AnAcceptedAnswerAddsANewServerAtTheEnd)
{
    startWith(2);
    add(QStringLiteral("game.example.org:27015"));

    const auto prompt = MessageBox::lastShown();
    ASSERT_TRUE(prompt.has_value());
    EXPECT_EQ(prompt->title, QStringLiteral("Add a new Game Server"));
    EXPECT_EQ(prompt->text, ServerListEdits::addPrompt());

    ASSERT_EQ(gameServers.size(), 3);
    const auto added = serverAt(3);
    EXPECT_EQ(added->serverNumber(), 3);
    EXPECT_EQ(added->name(), QStringLiteral("New Server"));
    EXPECT_EQ(added->port(), 27015);
    EXPECT_EQ(added->address(), QStringLiteral("10.1.1.1")) << "writing the list resolved the host name";
    EXPECT_EQ(name(3), QStringLiteral("New Server"));
    EXPECT_EQ(fileValue(QStringLiteral("GAMESERVER 3"), QStringLiteral("Address")), QStringLiteral("10.1.1.1"));
    EXPECT_EQ(fileValue(QStringLiteral("GAMESERVER 3"), QStringLiteral("Port")), QStringLiteral("27015"));
    EXPECT_TRUE(gridColumn(1).contains(QStringLiteral("New Server"))) << "the grid is refreshed";

    clickCell(rowOfServer(3), 1);
    EXPECT_TRUE(m_window->findChild<QWidget *>(QStringLiteral("txtResponse"))
                    ->property("plainText")
                    .toString()
                    .contains(QStringLiteral("Addr: 10.1.1.1\n")));
}

TEST_F(ServerEdits, AFractionalPortWithBlanksIsRoundedAndStored)
{
    startWith(1);
    add(QStringLiteral("10.0.0.77: 27015.5 "));
    ASSERT_EQ(gameServers.size(), 2);
    EXPECT_EQ(serverAt(2)->port(), 27016);
    EXPECT_EQ(fileValue(QStringLiteral("GAMESERVER 2"), QStringLiteral("Port")), QStringLiteral("27016"));
}

TEST_F(ServerEdits, RejectedAnswersShowTheErrorAndChangeNothing)
{
    startWith(2);
    const QByteArray before = fileBytes();
    const QString rejected[] = {
        QString(),                                // empty, or the prompt cancelled
        QStringLiteral("10.0.0.5"),               // no colon
        QStringLiteral(":27015"),                 // no address
        QStringLiteral("10.0.0.5:"),              // no port
        QStringLiteral("10.0.0.5:27015:1"),       // two colons
        QStringLiteral("10.0.0.5:port"),          // not a number
        QStringLiteral("10.0.0.5:99999999999"),   // beyond 32 bits
        QStringLiteral("nowhere.invalid:27015"),  // resolves to nothing: could not be written
    };
    for (const QString &answer : rejected) {
        add(answer);
        const auto shown = MessageBox::lastShown();
        ASSERT_TRUE(shown.has_value());
        EXPECT_EQ(shown->title, QStringLiteral("ERROR")) << answer.toStdString();
        EXPECT_EQ(shown->icon, QMessageBox::Critical);
        EXPECT_EQ(shown->text, QStringLiteral("Sorry that address doesn't look right.\r\n\r\n"
                                              "Make sure you type the address AND the port separated by a : symbol."));
        EXPECT_EQ(gameServers.size(), 2) << answer.toStdString();
        EXPECT_EQ(fileBytes(), before) << answer.toStdString();
        EXPECT_EQ(grid()->rowCount(), 2);
    }
}

TEST_F(ServerEdits, AServerAddedAfterAnUnresolvableOneSurvivesARestart)
{
    startWith(1);
    add(QStringLiteral("nowhere.invalid:27015"));
    add(QStringLiteral("10.0.0.9:27015"));
    ASSERT_EQ(gameServers.size(), 2);
    EXPECT_EQ(serverAt(2)->address(), QStringLiteral("10.0.0.9"));
    m_window->close();
    loadGameServers();
    ASSERT_EQ(gameServers.size(), 2) << "no hole in the numbering";
    EXPECT_EQ(serverAt(2)->address(), QStringLiteral("10.0.0.9"));
}

TEST_F(ServerEdits, RemovingTheLastOfFiveDropsOnlyItsSection)
{
    startWith(5);
    const QString shownName = serverAt(5)->name();
    remove(5);

    const auto shown = MessageBox::lastShown();
    ASSERT_TRUE(shown.has_value());
    EXPECT_EQ(shown->title, QStringLiteral("Remove Server"));
    EXPECT_EQ(shown->text, QStringLiteral("Are you sure you wish to delete: \r\n\r\n") + shownName);
    EXPECT_EQ(shown->icon, QMessageBox::NoIcon);

    EXPECT_EQ(serverSections(), (QStringList{QStringLiteral("GAMESERVER 1"), QStringLiteral("GAMESERVER 2"),
                                             QStringLiteral("GAMESERVER 3"), QStringLiteral("GAMESERVER 4")}));
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(name(i), QStringLiteral("Server %1").arg(i));
    EXPECT_EQ(gameServers.size(), 4);
    EXPECT_EQ(grid()->rowCount(), 4);
    EXPECT_TRUE(control<QPushButton>("btnRemoveServer")->isEnabled()) << "stays enabled";
}

TEST_F(ServerEdits, RemovingAMiddleServerMovesTheLastIntoItsNumber)
{
    startWith(5);
    remove(2);

    ASSERT_EQ(gameServers.size(), 4);
    const QStringList expected = {QStringLiteral("Server 1"), QStringLiteral("Server 5"), QStringLiteral("Server 3"),
                                  QStringLiteral("Server 4")};
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(serverAt(i)->name(), expected[i - 1]);
        EXPECT_EQ(serverAt(i)->serverNumber(), i);
        EXPECT_EQ(name(i), expected[i - 1]);
    }
    EXPECT_EQ(fileValue(QStringLiteral("GAMESERVER 2"), QStringLiteral("Address")), QStringLiteral("10.0.0.5"));
    EXPECT_EQ(fileValue(QStringLiteral("GAMESERVER 2"), QStringLiteral("Port")), QStringLiteral("27005"));
    EXPECT_FALSE(sections().contains(QStringLiteral("GAMESERVER 5")));
    EXPECT_EQ(gridColumn(1), expected) << "equal hits keep list order";
}

TEST_F(ServerEdits, RemovingTheOnlyServerLeavesNothing)
{
    startWith(1);
    remove(1);
    EXPECT_TRUE(gameServers.isEmpty());
    EXPECT_EQ(grid()->rowCount(), 0);
    EXPECT_TRUE(serverSections().isEmpty());
    EXPECT_TRUE(sections().contains(QStringLiteral("ZIB SETTINGS")));
}

TEST_F(ServerEdits, CancelKeepsTheServer)
{
    startWith(3);
    const QByteArray before = fileBytes();
    remove(2, QMessageBox::Cancel);
    EXPECT_EQ(gameServers.size(), 3);
    EXPECT_EQ(fileBytes(), before);
}

// The file name and the system's reason, in one "ERROR" box, as the last box shown.
void expectNotSavedBox(const QString &reason)
{
    const auto shown = MessageBox::lastShown();
    ASSERT_TRUE(shown.has_value());
    EXPECT_EQ(shown->title, QStringLiteral("ERROR"));
    EXPECT_EQ(shown->icon, QMessageBox::Critical);
    EXPECT_TRUE(shown->text.contains(QDir::toNativeSeparators(settingsPath))) << shown->text.toStdString();
    EXPECT_TRUE(shown->text.contains(reason)) << shown->text.toStdString();
}

TEST_F(ServerEdits, AChangeTheFileCannotTakeIsToldKeptAndSavedWithTheNext)
{
    startWith(3);
    const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    ASSERT_TRUE(QFile::setPermissions(settingsPath, readOnly));
    const QByteArray before = fileBytes();

    add(QStringLiteral("10.0.0.9:27015"));
    expectNotSavedBox(QStringLiteral("read-only"));
    EXPECT_EQ(gameServers.size(), 4) << "kept in memory";
    EXPECT_EQ(grid()->rowCount(), 4);
    clickCell(rowOfServer(1), 1);
    MessageBox::resetForTests();
    MessageBox::setNextAnswer(QMessageBox::Ok); // the question
    MessageBox::setNextAnswer(QMessageBox::Ok); // the box that tells
    QTest::mouseClick(control<QPushButton>("btnRemoveServer"), Qt::LeftButton);
    expectNotSavedBox(QStringLiteral("read-only"));
    EXPECT_EQ(gameServers.size(), 3);
    EXPECT_EQ(serverAt(1)->address(), QStringLiteral("10.0.0.9")) << "the last moved into the gap, not read back";
    EXPECT_EQ(fileBytes(), before);
    EXPECT_EQ(QFile::permissions(settingsPath) & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser), readOnly);

    // Once the user makes it writable again, the next change brings the earlier ones with it.
    ASSERT_TRUE(QFile::setPermissions(settingsPath, readOnly | QFile::WriteOwner));
    add(QStringLiteral("10.0.0.10:27016"));
    EXPECT_NE(MessageBox::lastShown()->title, QStringLiteral("ERROR"));
    QStringList written = serverSections();
    written.sort();
    EXPECT_EQ(written, (QStringList{QStringLiteral("GAMESERVER 1"), QStringLiteral("GAMESERVER 2"),
                                    QStringLiteral("GAMESERVER 3"), QStringLiteral("GAMESERVER 4")}));
    m_window->close();
    loadGameServers();
    QStringList addresses;
    for (const auto &server : std::as_const(gameServers))
        addresses << server->address();
    EXPECT_EQ(addresses, (QStringList{QStringLiteral("10.0.0.9"), QStringLiteral("10.0.0.2"),
                                      QStringLiteral("10.0.0.3"), QStringLiteral("10.0.0.10")}));
}

TEST_F(ServerEdits, StartAndCloseNeverTellOfAFileTheyCannotWrite)
{
    // The start turns the host name into an address, the close stores names: neither can be written.
    writeServers({{QStringLiteral("Named"), QStringLiteral("game.example.org"), QStringLiteral("27015")}});
    ASSERT_TRUE(QFile::setPermissions(settingsPath, QFile::ReadOwner));
    MessageBox::resetForTests();
    start();
    serverAt(1)->setName(QStringLiteral("Learned"));
    m_window->close();
    EXPECT_EQ(MessageBox::lastShown(), std::nullopt);
    EXPECT_EQ(fileValue(QStringLiteral("GAMESERVER 1"), QStringLiteral("Address")), QStringLiteral("game.example.org"));
}


// Servers added from the grid's menu go through the same save as every other change: what a
// failed save left held is written with them, in the numbers the list has.
TEST_F(ServerEdits, AdditionsAfterAFailedSaveWriteTheHeldChangesWithThem)
{
    const auto paste = [this](const QString &text) {
        QGuiApplication::clipboard()->setText(text);
        MessageBox::resetForTests();
        MessageBox::setNextAnswer(QMessageBox::Ok);
        m_window->findChild<ServerGridMenu *>(QStringLiteral("serverGridMenu"))
            ->menu()
            ->findChild<QAction *>(QStringLiteral("actAddFromClipboard"))
            ->trigger();
        return MessageBox::lastShown().value_or(MessageBox::Shown{}).text;
    };
    const auto addressesOnFile = [] {
        loadGameServers();
        QStringList addresses;
        for (const auto &server : std::as_const(gameServers))
            addresses << server->address();
        return addresses;
    };
    const QFile::Permissions writable = QFile::ReadOwner | QFile::WriteOwner;
    startWith(3);
    ASSERT_TRUE(QFile::setPermissions(settingsPath, QFile::ReadOwner));
    clickCell(rowOfServer(2), 1);
    MessageBox::resetForTests();
    MessageBox::setNextAnswer(QMessageBox::Ok); // the question
    MessageBox::setNextAnswer(QMessageBox::Ok); // the box that tells
    QTest::mouseClick(control<QPushButton>("btnRemoveServer"), Qt::LeftButton);
    expectNotSavedBox(QStringLiteral("read-only"));
    ASSERT_TRUE(QFile::setPermissions(settingsPath, writable));
    EXPECT_TRUE(paste(QStringLiteral("10.0.0.9:27009")).startsWith(QStringLiteral("Added 1 server.")));
    EXPECT_TRUE(saveSettings(QStringLiteral("30"), QStringLiteral("5"), QStringLiteral("1"))) << "the next change";
    EXPECT_EQ(addressesOnFile(),
              (QStringList{QStringLiteral("10.0.0.1"), QStringLiteral("10.0.0.3"), QStringLiteral("10.0.0.9")}));

    // An added server the file could not take, then a paste: no gap in the file's numbering.
    m_window->close();
    m_window.reset();
    startWith(1);
    ASSERT_TRUE(QFile::setPermissions(settingsPath, QFile::ReadOwner));
    add(QStringLiteral("10.0.0.5:27005"));
    expectNotSavedBox(QStringLiteral("read-only"));
    ASSERT_TRUE(QFile::setPermissions(settingsPath, writable));
    EXPECT_TRUE(paste(QStringLiteral("10.0.0.6:27006")).startsWith(QStringLiteral("Added 1 server.")));
    EXPECT_EQ(addressesOnFile(),
              (QStringList{QStringLiteral("10.0.0.1"), QStringLiteral("10.0.0.5"), QStringLiteral("10.0.0.6")}));
}

TEST_F(ServerEdits, ChangesStillUnsavedAtTheCloseAreToldLost)
{
    startWith(2);
    ASSERT_TRUE(QFile::setPermissions(settingsPath, QFile::ReadOwner));
    add(QStringLiteral("10.0.0.9:27015"));
    expectNotSavedBox(QStringLiteral("read-only"));
    MessageBox::resetForTests();
    MessageBox::setNextAnswer(QMessageBox::Ok);
    m_window->close();
    const auto shown = MessageBox::lastShown();
    ASSERT_TRUE(shown.has_value()) << "the close says so";
    EXPECT_EQ(shown->title, QStringLiteral("ERROR"));
    EXPECT_TRUE(shown->text.contains(QDir::toNativeSeparators(settingsPath)));
    EXPECT_TRUE(shown->text.contains(QStringLiteral("lost"))) << shown->text.toStdString();
    EXPECT_FALSE(m_window->isVisible()) << "and closes all the same";
}
