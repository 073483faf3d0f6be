#include "model/ServerAdditions.h"
#include "model/SteamImport.h"
#include "model/mdlZibProcessing.h"
#include "platform/settingsfile/ProfileFile.h"
#include "platform/SteamFolders.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>

using namespace mdlZibProcessing;
using SteamImport::Entry;

namespace {

QByteArray entry(int index, const char *name, const char *address, const char *appId, const char *lastPlayed)
{
    return "\t\t\"" + QByteArray::number(index) + "\"\n\t\t{\n\t\t\t\"name\"\t\t\"" + name + "\"\n\t\t\t\"address\"\t\t\""
           + address + "\"\n\t\t\t\"LastPlayed\"\t\t\"" + lastPlayed + "\"\n\t\t\t\"appid\"\t\t\"" + appId + "\"\n\t\t}\n";
}

QByteArray browserFile(const QByteArray &favourites, const QByteArray &history)
{
    return "\"Filters\"\n{\n\t\"favorites\"\n\t{\n" + favourites + "\t}\n\t\"history\"\n\t{\n" + history + "\t}\n}\n";
}

void addWatched(const QString &address, qint32 port)
{
    auto server = std::make_shared<GameServer>();
    server->setName(QStringLiteral("Watched"));
    server->setAddress(address);
    server->setPort(port);
    server->setServerNumber(qint16(gameServers.size() + 1));
    gameServers.append(server);
}

const Entry *find(const QList<Entry> &entries, const QString &address)
{
    for (const Entry &e : entries) {
        if (e.addressText == address)
            return &e;
    }
    return nullptr;
}

} // namespace

class SteamImportTest : public SettingsFixture
{
protected:
    QString writeBrowserFile(const QString &root, const QString &account, const QByteArray &bytes) const
    {
        const QString folder = m_dir.filePath(root + QStringLiteral("/userdata/") + account + QStringLiteral("/7/remote"));
        EXPECT_TRUE(QDir().mkpath(folder));
        const QString path = folder + QStringLiteral("/serverbrowser_hist.vdf");
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
};

TEST_F(SteamImportTest, TicksHalfLifeGamesOnlyAndNeverWatchedOrUnusableOnes)
{
    addWatched(QStringLiteral("192.0.2.1"), 27015);
    const QByteArray bytes = browserFile(
        entry(0, "Watched already", "192.0.2.1:27015", "10", "5") + entry(1, "Blue Shift", "192.0.2.2:27015", "130", "7"),
        entry(0, "Source game", "192.0.2.3:27015", "240", "9") + entry(1, "Opposing Force", "192.0.2.4:27020", "50", "8")
            + entry(2, "Six", "[::1]:27015", "10", "1") + entry(3, "Zero app", "192.0.2.5", "0", "0"));
    const QString path = writeBrowserFile(QStringLiteral("Steam"), QStringLiteral("123"), bytes);
    const SteamImport::FileContents contents = SteamImport::readFile(path);
    ASSERT_TRUE(contents.error.isEmpty()) << contents.error.toStdString();
    ASSERT_EQ(contents.entries.size(), 6);

    const QList<Entry> entries = SteamImport::prepare(contents.entries, gameServers);
    const auto ticked = [&](const char *address) { return find(entries, QLatin1String(address))->ticked; };
    EXPECT_FALSE(ticked("192.0.2.1:27015"));
    EXPECT_TRUE(find(entries, QStringLiteral("192.0.2.1:27015"))->watched);
    EXPECT_TRUE(ticked("192.0.2.2:27015"));
    EXPECT_FALSE(ticked("192.0.2.3:27015")) << "not a Half-Life engine game";
    EXPECT_TRUE(ticked("192.0.2.4:27020"));
    EXPECT_FALSE(ticked("[::1]:27015"));
    EXPECT_TRUE(find(entries, QStringLiteral("[::1]:27015"))->problem.contains(QStringLiteral("IPv6")));
    EXPECT_FALSE(ticked("192.0.2.5"));
    EXPECT_EQ(find(entries, QStringLiteral("192.0.2.5"))->address->port, 27015);
    // Favourites first, then the latest played.
    EXPECT_EQ(entries[0].source, SteamImport::Source::Favourite);
    EXPECT_EQ(entries[2].addressText, QStringLiteral("192.0.2.3:27015"));
    EXPECT_EQ(SteamImport::gameName(130), QStringLiteral("Blue Shift"));
    EXPECT_EQ(SteamImport::gameName(240), QStringLiteral("App 240"));
}

TEST_F(SteamImportTest, OneRowPerServerAcrossListsAndAccounts)
{
    const QString root = QStringLiteral("Steam");
    writeBrowserFile(root, QStringLiteral("111"),
                     browserFile(entry(0, "", "010.0.0.1:27015", "10", "3"), entry(0, "Old name", "10.0.0.1:27015", "10", "9")));
    writeBrowserFile(root, QStringLiteral("222"), browserFile({}, entry(0, "Other", "10.0.0.2:27015", "10", "1")));
    // The ~/.steam/steam link leads to the same files, which are read once.
    ASSERT_TRUE(QFile::link(m_dir.filePath(root), m_dir.filePath(QStringLiteral("link"))));
    const QStringList files =
        SteamFolders::serverBrowserFiles({m_dir.filePath(root), m_dir.filePath(QStringLiteral("link")),
                                          m_dir.filePath(QStringLiteral("missing"))});
    ASSERT_EQ(files.size(), 2);

    QList<Entry> all;
    for (const QString &file : files)
        all += SteamImport::readFile(file).entries;
    const QList<Entry> entries = SteamImport::prepare(all, gameServers);
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0].source, SteamImport::Source::Favourite);
    EXPECT_EQ(entries[0].name, QStringLiteral("Old name"));
    EXPECT_EQ(entries[0].lastPlayed, 9);
}

TEST_F(SteamImportTest, OversizedAndDamagedFilesAreRefusedWithTheirReason)
{
    const QString big = writeBrowserFile(QStringLiteral("Big"), QStringLiteral("1"),
                                         QByteArray(10 * 1024 * 1024, '{'));
    const SteamImport::FileContents tooBig = SteamImport::readFile(big);
    EXPECT_TRUE(tooBig.entries.isEmpty());
    EXPECT_TRUE(tooBig.error.contains(QStringLiteral("larger than 2 MB"))) << tooBig.error.toStdString();

    const QString damaged = writeBrowserFile(QStringLiteral("Bad"), QStringLiteral("1"),
                                             browserFile(entry(0, "x", "10.0.0.1:27015", "10", "1"), {}).chopped(3));
    const SteamImport::FileContents broken = SteamImport::readFile(damaged);
    EXPECT_TRUE(broken.entries.isEmpty());
    EXPECT_TRUE(broken.error.contains(QStringLiteral("damaged (line 2: the block \"Filters\" is not closed")))
        << broken.error.toStdString();
}

TEST_F(SteamImportTest, AdditionsSkipDuplicatesAfterResolvingAndWriteOnce)
{
    resolveHosts({{QStringLiteral("hl.example.net"), QStringLiteral("10.0.0.1")},
                  {QStringLiteral("new.example.net"), QStringLiteral("10.0.0.9")}});
    addWatched(QStringLiteral("10.0.0.1"), 27015);
    saveGameServers();
    const quint64 writesBefore = ProfileFile::fileWrites();

    using AddressList::Address;
    const QList<ServerAdditions::Candidate> candidates{
        {Address{QStringLiteral("hl.example.net"), 27015}, {}},            // the watched one, by name
        {Address{QStringLiteral("10.0.0.1"), 27016}, QStringLiteral("Named")}, // another port
        {Address{QStringLiteral("new.example.net"), 27015}, {}},
        {Address{QStringLiteral("10.0.0.9"), 27015}, {}},                  // the same, given twice
        {Address{QStringLiteral("nowhere.example.net"), 27015}, {}},
    };
    const ServerAdditions::Outcome outcome = ServerAdditions::addServers(candidates, QStringLiteral("New Server"));
    EXPECT_EQ(outcome.added, 2);
    EXPECT_EQ(outcome.skipped, 2);
    EXPECT_EQ(outcome.unresolved, QStringList{QStringLiteral("nowhere.example.net")});
    EXPECT_EQ(ProfileFile::fileWrites() - writesBefore, 1u);

    // What the file holds is what the next start reads: numbers 1 to 3, resolved addresses.
    loadGameServers();
    ASSERT_EQ(gameServers.size(), 3);
    EXPECT_EQ(gameServers[1]->name(), QStringLiteral("Named"));
    EXPECT_EQ(gameServers[1]->port(), 27016);
    EXPECT_EQ(gameServers[2]->name(), QStringLiteral("New Server"));
    EXPECT_EQ(gameServers[2]->address(), QStringLiteral("10.0.0.9"));
    EXPECT_EQ(gameServers[2]->serverNumber(), 3);

    const QString text = ServerAdditions::summary(outcome, {{QStringLiteral("::1"), QStringLiteral("IPv6")}});
    EXPECT_TRUE(text.startsWith(QStringLiteral("Added 2 servers. 2 servers were already in the list and skipped.")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("nowhere.example.net")));
    EXPECT_TRUE(text.contains(QStringLiteral("::1: IPv6")));

    const quint64 writesNow = ProfileFile::fileWrites();
    EXPECT_EQ(ServerAdditions::addServers({candidates[0]}, QStringLiteral("New Server")).added, 0);
    EXPECT_EQ(ProfileFile::fileWrites(), writesNow) << "nothing added, nothing written";

    // A settings file that cannot be written is said to be so, not passed over as saved.
    ASSERT_TRUE(QFile::setPermissions(settingsPath, QFile::ReadOwner));
    const ServerAdditions::Outcome unsaved =
        ServerAdditions::addServers({{Address{QStringLiteral("10.0.0.20"), 27015}, {}}}, QStringLiteral("New Server"));
    EXPECT_EQ(unsaved.added, 1);
    EXPECT_FALSE(unsaved.saved);
    EXPECT_TRUE(ServerAdditions::summary(unsaved).contains(QStringLiteral("could not write its settings file")));
}

// A crafted file's huge names are cut to what the settings file keeps, between characters.
TEST_F(SteamImportTest, NamesAreCutToWhatTheSettingsFileKeeps)
{
    const QByteArray huge = QByteArray("\xE2\x98\x85") + QByteArray(200 * 1024, 'x');
    const QByteArray wide = QStringLiteral("Сервер ").toUtf8().repeated(40);
    const QString path = writeBrowserFile(QStringLiteral("Huge"), QStringLiteral("1"),
                                          browserFile(entry(0, huge.constData(), "10.0.0.1:27015", "10", "1")
                                                          + entry(1, wide.constData(), "10.0.0.2:27015", "10", "1"),
                                                      {}));
    const QList<Entry> entries = SteamImport::readFile(path).entries;
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0].name, QString::fromUtf8(huge.left(ProfileFile::maxValueLength)));
    EXPECT_LE(entries[1].name.toUtf8().size(), ProfileFile::maxValueLength);
    EXPECT_TRUE(QString::fromUtf8(wide).startsWith(entries[1].name));
    EXPECT_GT(entries[1].name.toUtf8().size(), ProfileFile::maxValueLength - 2) << "cut at the last whole character";

    QList<ServerAdditions::Candidate> candidates;
    for (const Entry &e : entries)
        candidates.append({*e.address, e.name});
    ASSERT_EQ(ServerAdditions::addServers(candidates, QStringLiteral("New Server")).added, 2);
    loadGameServers();
    ASSERT_EQ(gameServers.size(), 2);
    EXPECT_EQ(gameServers[0]->name(), entries[0].name) << "what is written is read back whole";
    EXPECT_EQ(gameServers[1]->name(), entries[1].name);
    EXPECT_LT(fileBytes().size(), 1024);
}
