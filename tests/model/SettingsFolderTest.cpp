#include "model/mdlZibProcessing.h"
#include "platform/settingsfile/ProfileFile.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFileInfo>

using namespace mdlZibProcessing;

// An installed copy keeps its settings in a folder of the user's that may not exist yet.
class SettingsFolderTest : public SettingsFixture
{
protected:
    void SetUp() override
    {
        SettingsFixture::SetUp();
        settingsPath = folder() + QStringLiteral("/ZIBsettings.ini");
    }
    QString folder() const { return m_dir.filePath(QStringLiteral("config/Zib")); }

    void startUp() const
    {
        loadSettings();
        loadGameServers();
        saveGameServers();
        loadClanFilters();
        saveClanFilters();
    }
};

TEST_F(SettingsFolderTest, StartingMakesNoFolderAndTheFirstChangeMakesIt)
{
    startUp();
    EXPECT_FALSE(QFileInfo::exists(m_dir.filePath(QStringLiteral("config")))) << "nothing before a write";

    auto server = std::make_shared<GameServer>();
    server->setServerNumber(1);
    server->setName(QStringLiteral("New Server"));
    server->setAddress(QStringLiteral("127.0.0.1"));
    server->setPort(27015);
    gameServers.append(server);
    saveGameServers();
    EXPECT_EQ(ProfileFile::readString(settingsPath, QStringLiteral("GAMESERVER 1"), QStringLiteral("Port"), {}),
              QStringLiteral("27015"));
}

TEST_F(SettingsFolderTest, OptionsAndFiltersAreKeptInAFolderNotYetMade)
{
    startUp();
    saveSettings(QStringLiteral("15"), QStringLiteral("2"), QStringLiteral("0"));
    EXPECT_EQ(CheckSpeed, 15) << "read back from the new file";
    EXPECT_EQ(AlertPlaySound, 0);

    QDir(m_dir.filePath(QStringLiteral("config"))).removeRecursively();
    auto filter = std::make_shared<ClanFilter>();
    filter->setClanFilterNumber(1);
    filter->setClanTag(QStringLiteral("[X]"));
    filter->setAlert(true);
    filter->setAlertTrigger(2);
    clanFilters.append(filter);
    saveClanFilters();
    loadClanFilters();
    ASSERT_EQ(clanFilters.size(), 1);
    EXPECT_EQ(clanFilters.front()->clanTag(), QStringLiteral("[X]"));
}
