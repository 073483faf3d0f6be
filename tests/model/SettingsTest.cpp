#include "model/mdlZibProcessing.h"
#include "platform/settingsfile/ProfileFile.h"
#include "support/TestSupport.h"

#include "platform/HostResolver.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

using namespace mdlZibProcessing;

namespace {

class SettingsTest : public SettingsFixture
{
protected:
    QString value(const QString &section, const char *key) const
    {
        return ProfileFile::readString(settingsPath, section, QString::fromLatin1(key), QStringLiteral("<none>"));
    }

    QString serverValue(int n, const char *key) const { return value(GameServer::sectionName(qint16(n)), key); }
    QString filterValue(int n, const char *key) const { return value(ClanFilter::sectionName(qint16(n)), key); }

    void addServerSection(int n, const char *name, const char *address, int port) const
    {
        const QString section = GameServer::sectionName(qint16(n));
        ProfileFile::writeString(settingsPath, section, QStringLiteral("Name"), QString::fromLatin1(name));
        ProfileFile::writeString(settingsPath, section, QStringLiteral("Address"), QString::fromLatin1(address));
        ProfileFile::writeString(settingsPath, section, QStringLiteral("Port"), QString::number(port));
    }

    void addFilterSection(int n, const char *tag, const char *alert, const char *trigger) const
    {
        const QString section = ClanFilter::sectionName(qint16(n));
        ProfileFile::writeString(settingsPath, section, QStringLiteral("Tag"), QString::fromLatin1(tag));
        ProfileFile::writeString(settingsPath, section, QStringLiteral("Alert"), QString::fromLatin1(alert));
        ProfileFile::writeString(settingsPath, section, QStringLiteral("Trigger"), QString::fromLatin1(trigger));
    }

    QStringList serverNames() const
    {
        QStringList names;
        for (const auto &server : gameServers)
            names << server->name();
        return names;
    }

    void expectNumbersMatchPositions() const
    {
        for (qsizetype i = 0; i < gameServers.size(); ++i)
            EXPECT_EQ(gameServers[i]->serverNumber(), i + 1);
        for (qsizetype i = 0; i < clanFilters.size(); ++i)
            EXPECT_EQ(clanFilters[i]->clanFilterNumber(), i + 1);
    }
};

TEST_F(SettingsTest, AMissingFileGivesTheDefaultsAndEmptyListsAndWritesNothing)
{
    loadSettings();
    loadGameServers();
    saveGameServers();
    loadClanFilters();
    saveClanFilters();
    EXPECT_EQ(CheckSpeed, 30);
    EXPECT_EQ(AlertSpeed, 5);
    EXPECT_EQ(AlertPlaySound, 1);
    EXPECT_TRUE(gameServers.isEmpty());
    EXPECT_TRUE(clanFilters.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(settingsPath));
}

TEST_F(SettingsTest, SettingsRoundHalfToEvenAndFallBackWhenNotNumbers)
{
    struct Case
    {
        const char *check, *alert, *sound;
        qint16 checkSpeed, alertSpeed, playSound;
    };
    const Case cases[] = {
        {"7.5", "6.5", "1", 8, 6, 1},     {"45", "10", "0", 45, 10, 0},   {"abc", "", "x", 30, 5, 1},
        {"99999", "-40000", "2", 30, 5, 2}, {" 12 ", "3", "-1", 12, 3, -1},
    };
    for (const Case &c : cases) {
        ProfileFile::writeString(settingsPath, settingsSection, QStringLiteral("CheckSpeed"), QString::fromLatin1(c.check));
        ProfileFile::writeString(settingsPath, settingsSection, QStringLiteral("AlertSpeed"), QString::fromLatin1(c.alert));
        ProfileFile::writeString(settingsPath, settingsSection, QStringLiteral("AlertPlaySound"),
                                 QString::fromLatin1(c.sound));
        loadSettings();
        EXPECT_EQ(CheckSpeed, c.checkSpeed) << c.check;
        EXPECT_EQ(AlertSpeed, c.alertSpeed) << c.alert;
        EXPECT_EQ(AlertPlaySound, c.playSound) << c.sound;
    }
}

TEST_F(SettingsTest, SaveSettingsStoresIntervalsOnlyWhenBothAreNumbers)
{
    saveSettings(QStringLiteral("7.5"), QStringLiteral("3"), QStringLiteral("0"));
    EXPECT_EQ(value(settingsSection, "CheckSpeed"), QStringLiteral("7.5"));
    EXPECT_EQ(CheckSpeed, 8);
    EXPECT_EQ(AlertSpeed, 3);
    EXPECT_EQ(AlertPlaySound, 0);

    saveSettings(QStringLiteral("20"), QStringLiteral(""), QStringLiteral("1"));
    EXPECT_EQ(value(settingsSection, "CheckSpeed"), QStringLiteral("7.5"));
    EXPECT_EQ(value(settingsSection, "AlertSpeed"), QStringLiteral("3"));
    EXPECT_EQ(CheckSpeed, 8);
    EXPECT_EQ(AlertPlaySound, 1) << "the sound is stored in any case";
}

TEST_F(SettingsTest, ServerListStopsAtTheFirstGapOrEndMarker)
{
    addServerSection(1, "One", "10.0.0.1", 27015);
    addServerSection(2, "Two", "10.0.0.2", 27016);
    addServerSection(4, "Four", "10.0.0.4", 27018);
    loadGameServers();
    EXPECT_EQ(serverNames(), QStringList({QStringLiteral("One"), QStringLiteral("Two")}));
    expectNumbersMatchPositions();

    // Adding takes the gap's number, and the section after the gap comes back.
    auto added = std::make_shared<GameServer>();
    added->setName(QStringLiteral("New Server"));
    added->setAddress(QStringLiteral("10.0.0.3"));
    added->setPort(27017);
    added->setServerNumber(qint16(gameServers.size() + 1));
    gameServers.append(added);
    saveGameServers();
    loadGameServers();
    EXPECT_EQ(gameServers.size(), 4);
    expectNumbersMatchPositions();

    ProfileFile::writeString(settingsPath, GameServer::sectionName(2), QStringLiteral("Address"), endMarker);
    loadGameServers();
    EXPECT_EQ(serverNames(), QStringList({QStringLiteral("One")}));
}

TEST_F(SettingsTest, ServerFieldsLoadWithTheirDefaults)
{
    ProfileFile::writeString(settingsPath, GameServer::sectionName(1), QStringLiteral("Address"), QStringLiteral("10.0.0.1"));
    ProfileFile::writeString(settingsPath, GameServer::sectionName(2), QStringLiteral("Address"), QString());
    ProfileFile::writeString(settingsPath, GameServer::sectionName(2), QStringLiteral("Port"), QStringLiteral("eighty"));
    loadGameServers();
    ASSERT_EQ(gameServers.size(), 2);
    EXPECT_EQ(gameServers[0]->name(), endMarker);
    EXPECT_EQ(gameServers[0]->port(), 0);
    EXPECT_EQ(gameServers[1]->address(), QString()) << "an empty address is not the end marker";
    EXPECT_EQ(gameServers[1]->port(), 0);
    EXPECT_TRUE(gameServers[0]->playerNames().isEmpty());
    EXPECT_EQ(gameServers[0]->mapName(), QString());
}

TEST_F(SettingsTest, FiltersLoadAlertOnlyFromCapitalTrue)
{
    addFilterSection(1, "[X]", "TRUE", "3");
    addFilterSection(2, "[Y]", "True", "2.5");
    addFilterSection(3, "[Z]", "true", "junk");
    ProfileFile::writeString(settingsPath, ClanFilter::sectionName(4), QStringLiteral("Tag"), QStringLiteral("[W]"));
    loadClanFilters();
    ASSERT_EQ(clanFilters.size(), 4);
    EXPECT_TRUE(clanFilters[0]->alert());
    EXPECT_FALSE(clanFilters[1]->alert());
    EXPECT_FALSE(clanFilters[2]->alert());
    EXPECT_FALSE(clanFilters[3]->alert());
    EXPECT_EQ(clanFilters[0]->alertTrigger(), 3);
    EXPECT_EQ(clanFilters[1]->alertTrigger(), 2);
    EXPECT_EQ(clanFilters[2]->alertTrigger(), 0);
    EXPECT_EQ(clanFilters[3]->alertTrigger(), 0);
    expectNumbersMatchPositions();

    saveClanFilters();
    EXPECT_EQ(filterValue(2, "Alert"), QStringLiteral("FALSE"));
    EXPECT_EQ(filterValue(2, "Trigger"), QStringLiteral("2"));
    EXPECT_EQ(filterValue(4, "Alert"), QStringLiteral("FALSE"));
}

TEST_F(SettingsTest, SavingReplacesHostNamesByTheirAddress)
{
    resolveHosts({{QStringLiteral("game.example"), QStringLiteral("192.0.2.7")}});
    addServerSection(1, "Named", "game.example", 27015);
    addServerSection(2, "Gone", "nowhere.example", 27016);
    addServerSection(3, "Dotted", "10.0.0.1", 27017);
    loadGameServers();
    saveGameServers();

    EXPECT_EQ(gameServers[0]->address(), QStringLiteral("192.0.2.7"));
    EXPECT_EQ(serverValue(1, "Address"), QStringLiteral("192.0.2.7"));
    // An unresolvable server is emptied in memory but keeps its last saved section.
    EXPECT_EQ(gameServers[1]->address(), QString());
    EXPECT_EQ(serverValue(2, "Address"), QStringLiteral("nowhere.example"));
    EXPECT_FALSE(gameServers[1]->saveToIni());
    EXPECT_EQ(serverValue(3, "Address"), QStringLiteral("10.0.0.1"));
}

// A host name may take seconds to resolve; what another program writes meanwhile must survive the
// save that waited for it.
TEST_F(SettingsTest, AnEditMadeWhileAHostNameResolvesIsKept)
{
    addServerSection(1, "Slow", "slow.example", 27015);
    addServerSection(2, "Dotted", "10.0.0.2", 27016);
    loadGameServers();
    HostResolver::setLookup([](const QString &) {
        QProcess::execute(QStringLiteral(ZIB_TOOLS_DIR "/inistress"),
                          {settingsPath, QStringLiteral("--set"), settingsSection, QStringLiteral("CheckSpeed"),
                           QStringLiteral("45")});
        return QStringLiteral("192.0.2.1");
    });
    saveGameServers();
    EXPECT_EQ(serverValue(1, "Address"), QStringLiteral("192.0.2.1"));
    EXPECT_EQ(value(settingsSection, "CheckSpeed"), QStringLiteral("45"));
}

// Every start loads the lists and writes them back: values stored as UTF-8 by an editor, or names
// first written in either encoding, must come through that without a byte moved.
TEST_F(SettingsTest, StartingWritesNothingBackInAnotherEncoding)
{
    for (const QByteArray &file : {QByteArray("[GAMESERVER 1]\r\nName=Caf\xC3\xA9 \xC3\x9C\r\nAddress=10.0.0.1\r\n"
                                              "Port=27015\r\n[CLANFILTER 1]\r\nTag=[\xC3\x89]\r\nAlert=TRUE\r\nTrigger=1\r\n"),
                                   QByteArray("[GAMESERVER 1]\r\nName=Caf\xE9 \xDC\r\nAddress=10.0.0.1\r\n"
                                              "Port=27015\r\n[CLANFILTER 1]\r\nTag=[\xC9]\r\nAlert=TRUE\r\nTrigger=1\r\n")}) {
        writeFile(file);
        const quint64 before = ProfileFile::fileWrites();
        loadSettings();
        loadGameServers();
        saveGameServers();
        loadClanFilters();
        saveClanFilters();
        EXPECT_EQ(ProfileFile::fileWrites(), before);
        EXPECT_EQ(fileBytes(), file);
        EXPECT_EQ(gameServers[0]->name(), QStringLiteral("Café Ü"));
        EXPECT_EQ(clanFilters[0]->clanTag(), QStringLiteral("[É]"));
    }
}

TEST_F(SettingsTest, ANameFromTheNetworkCannotAddOrChangeEntries)
{
    addServerSection(1, "One", "10.0.0.1", 27015);
    addServerSection(2, "Two", "10.0.0.2", 27016);
    loadGameServers();
    gameServers[0]->setName(QStringLiteral("pwn\r\nAddress=6.6.6.6\r\n[GAMESERVER 3]\r\nAddress=7.7.7.7\r\nPort=1"));
    saveGameServers();
    loadGameServers();
    ASSERT_EQ(gameServers.size(), 2);
    EXPECT_EQ(gameServers[0]->address(), QStringLiteral("10.0.0.1"));
    EXPECT_EQ(gameServers[0]->port(), 27015);
    EXPECT_EQ(gameServers[0]->name(), QStringLiteral("pwn  Address=6.6.6.6  [GAMESERVER 3]  Address=7.7.7.7  Port=1"));
}

// Each save writes the file once, and leaves it as writing its keys one by one would.
TEST_F(SettingsTest, EverySaveWritesTheFileOnceWithTheBytesOfItsKeysOneByOne)
{
    writeFile("; mine\r\n[ZIB SETTINGS]\r\nCheckSpeed=30\r\n[GAMESERVER 1]\r\nName=Old\nAddress=10.0.0.1\r\n"
              "Port=1\r\n\r\n[CLANFILTER 1]\r\nTag=[A]\r\n");
    loadGameServers();
    loadClanFilters();
    for (int n = 2; n <= 40; ++n) {
        auto server = std::make_shared<GameServer>();
        server->setName(QStringLiteral("Server %1").arg(n));
        server->setAddress(QStringLiteral("10.0.0.%1").arg(n));
        server->setPort(27000 + n);
        server->setServerNumber(qint16(n));
        gameServers.append(server);
    }
    gameServers[0]->setName(QStringLiteral("Renamed"));
    clanFilters[0]->setAlertTrigger(4);

    const QString oneByOne = m_dir.filePath(QStringLiteral("one-by-one.ini"));
    ASSERT_TRUE(QFile::copy(settingsPath, oneByOne));
    for (const auto &server : std::as_const(gameServers)) {
        const QString section = GameServer::sectionName(server->serverNumber());
        ProfileFile::writeString(oneByOne, section, QStringLiteral("Name"), server->name());
        ProfileFile::writeString(oneByOne, section, QStringLiteral("Address"), server->address());
        ProfileFile::writeString(oneByOne, section, QStringLiteral("Port"), QString::number(server->port()));
    }
    const QString filter = ClanFilter::sectionName(1);
    ProfileFile::writeString(oneByOne, filter, QStringLiteral("Tag"), QStringLiteral("[A]"));
    ProfileFile::writeString(oneByOne, filter, QStringLiteral("Alert"), QStringLiteral("FALSE"));
    ProfileFile::writeString(oneByOne, filter, QStringLiteral("Trigger"), QStringLiteral("4"));
    for (const char *key : {"CheckSpeed", "AlertSpeed", "AlertPlaySound"})
        ProfileFile::writeString(oneByOne, settingsSection, QString::fromLatin1(key), QStringLiteral("9"));

    const quint64 before = ProfileFile::fileWrites();
    saveGameServers();
    EXPECT_EQ(ProfileFile::fileWrites() - before, 1u);
    saveClanFilters();
    EXPECT_EQ(ProfileFile::fileWrites() - before, 2u);
    saveSettings(QStringLiteral("9"), QStringLiteral("9"), QStringLiteral("9"));
    EXPECT_EQ(ProfileFile::fileWrites() - before, 3u);
    QFile expected(oneByOne);
    ASSERT_TRUE(expected.open(QIODevice::ReadOnly));
    EXPECT_EQ(fileBytes(), expected.readAll());

    saveGameServers(); // nothing changed since
    EXPECT_EQ(ProfileFile::fileWrites() - before, 3u);
}

TEST_F(SettingsTest, RemovingMovesTheLastRecordIntoTheGap)
{
    for (int n = 1; n <= 5; ++n)
        addServerSection(n, QStringLiteral("S%1").arg(n).toLatin1().constData(), "10.0.0.1", 27000 + n);
    loadGameServers();

    const quint64 before = ProfileFile::fileWrites();
    removeGameServer(2);
    EXPECT_EQ(ProfileFile::fileWrites() - before, 1u) << "a removal with renumbering writes the file once";
    addServerSection(5, "S5", "10.0.0.1", 27005);
    addServerSection(2, "S2", "10.0.0.1", 27002);
    addServerSection(4, "S4", "10.0.0.1", 27004);
    loadGameServers();

    removeGameServer(5);
    EXPECT_EQ(serverNames(), QStringList({QStringLiteral("S1"), QStringLiteral("S2"), QStringLiteral("S3"),
                                          QStringLiteral("S4")}));
    EXPECT_EQ(serverValue(5, "Address"), QStringLiteral("<none>"));

    removeGameServer(2);
    EXPECT_EQ(serverNames(), QStringList({QStringLiteral("S1"), QStringLiteral("S4"), QStringLiteral("S3")}));
    EXPECT_EQ(serverValue(2, "Port"), QStringLiteral("27004"));
    EXPECT_EQ(serverValue(4, "Address"), QStringLiteral("<none>"));
    expectNumbersMatchPositions();

    removeGameServer(1);
    removeGameServer(1);
    removeGameServer(1);
    EXPECT_TRUE(gameServers.isEmpty());
    EXPECT_FALSE(fileBytes().contains("GAMESERVER"));

    removeGameServer(1); // nothing left: must not fail
    removeGameServer(-3);
    EXPECT_TRUE(gameServers.isEmpty());
}

TEST_F(SettingsTest, RemovalKeepsAMovedRecordThatCannotBeWrittenNow)
{
    resolveHosts({{QStringLiteral("flaky.example"), QStringLiteral("192.0.2.9")}});
    addServerSection(1, "One", "10.0.0.1", 27015);
    addServerSection(2, "Two", "10.0.0.2", 27016);
    addServerSection(3, "Flaky", "flaky.example", 27017);
    loadGameServers();
    resolveHosts({}); // the host stops resolving before the removal

    removeGameServer(1);
    ASSERT_EQ(gameServers.size(), 2);
    EXPECT_EQ(gameServers[0]->name(), QStringLiteral("Flaky"));
    EXPECT_EQ(gameServers[0]->address(), QStringLiteral("flaky.example"));
    EXPECT_EQ(gameServers[0]->port(), 27017);
    EXPECT_EQ(serverValue(3, "Address"), QStringLiteral("<none>"));
    expectNumbersMatchPositions();
}

TEST_F(SettingsTest, FilterRemovalKeepsAMovedFilterWithAnEmptyTag)
{
    addFilterSection(1, "[A]", "TRUE", "1");
    addFilterSection(2, "[B]", "FALSE", "2");
    addFilterSection(3, "", "TRUE", "7");
    loadClanFilters();
    ASSERT_EQ(clanFilters.size(), 3);

    removeClanFilter(1);
    ASSERT_EQ(clanFilters.size(), 2);
    EXPECT_EQ(clanFilters[0]->clanTag(), QString());
    EXPECT_TRUE(clanFilters[0]->alert());
    EXPECT_EQ(clanFilters[0]->alertTrigger(), 7);
    EXPECT_EQ(clanFilters[1]->clanTag(), QStringLiteral("[B]"));
    EXPECT_EQ(filterValue(3, "Tag"), QStringLiteral("<none>"));
    expectNumbersMatchPositions();
}

TEST_F(SettingsTest, FindServerNumberMatchesExactAddressAndPortFirstWins)
{
    addServerSection(1, "A", "10.0.0.1", 27015);
    addServerSection(2, "B", "10.0.0.2", 27015);
    addServerSection(3, "B again", "10.0.0.2", 27015);
    loadGameServers();
    EXPECT_EQ(findServerNumber(QStringLiteral("10.0.0.2"), 27015), 2);
    EXPECT_EQ(findServerNumber(QStringLiteral("10.0.0.2"), 27016), 0);
    EXPECT_EQ(findServerNumber(QStringLiteral("10.0.0.20"), 27015), 0);
    EXPECT_EQ(serverAt(0), nullptr);
    EXPECT_EQ(serverAt(4), nullptr);
    EXPECT_EQ(serverAt(3)->name(), QStringLiteral("B again"));
}

TEST(GameServerText, ToStringAndPlayers)
{
    GameServer fresh;
    EXPECT_EQ(fresh.toString(), QStringLiteral("::0"));
    EXPECT_EQ(fresh.toStringPlayers(), QString());

    GameServer server;
    server.setName(QStringLiteral("New Server"));
    server.setAddress(QStringLiteral("10.0.0.1"));
    server.setPort(-27015);
    server.setPlayerNames({QStringLiteral("a"), QString(), QStringLiteral("a")});
    EXPECT_EQ(server.toString(), QStringLiteral("New Server:10.0.0.1:-27015"));
    EXPECT_EQ(server.toStringPlayers(), QStringLiteral("a\r\n\r\na\r\n"));
}

} // namespace
