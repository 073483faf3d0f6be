// The "ZIB NOTIFY" section: its keys as a hand-made file holds them, and a token kept from others.
#include "model/mdlZibProcessing.h"
#include "platform/settingsfile/ProfileFile.h"
#include "support/TestSupport.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace mdlZibProcessing;

namespace {

using NotifySettingsFile = SettingsFixture;

TEST_F(NotifySettingsFile, AHandMadeSectionIsReadAndAWindowSaveKeepsOtherEdits)
{
    writeFile("[ZIB NOTIFY]\r\nDesktop=1\r\nDiscordWebhook=https://discord.com/api/webhooks/1/abc\r\n"
              "TelegramToken=123:XYZ\r\nTelegramChat=@clan\r\nNtfyUrl=http://192.168.1.2/zib\r\n"
              "[ZIB SETTINGS]\r\nCheckSpeed=10\r\n");
    loadNotifySettings();
    EXPECT_TRUE(notifySettings.desktop);
    EXPECT_EQ(notifySettings.discordWebhook, QStringLiteral("https://discord.com/api/webhooks/1/abc"));
    EXPECT_EQ(notifySettings.telegramChat, QStringLiteral("@clan"));
    EXPECT_EQ(notifySettings.telegramApiOrDefault(), QStringLiteral("https://api.telegram.org"));
    EXPECT_EQ(notifySettings.ntfyToken, QString());

    notify::NotifySettings changed = notifySettings;
    changed.desktop = false;
    changed.ntfyToken = QStringLiteral("tk_1");
    // Another program's edit made before the save is kept beside it.
    ProfileFile::writeString(settingsPath, QStringLiteral("ZIB SETTINGS"), QStringLiteral("AlertSpeed"),
                             QStringLiteral("7"));
    ASSERT_TRUE(saveNotifySettings(changed));
    const QByteArray bytes = fileBytes();
    EXPECT_TRUE(bytes.contains("Desktop=0\r\n"));
    EXPECT_TRUE(bytes.contains("NtfyToken=tk_1\r\n"));
    EXPECT_TRUE(bytes.contains("AlertSpeed=7\r\n"));
    EXPECT_EQ(notifySettings, changed);
}

TEST_F(NotifySettingsFile, AFileThatHoldsATokenIsWrittenOwnerOnly)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << "the user's folder keeps others out on Windows";
#else
    writeFile("[ZIB SETTINGS]\r\nCheckSpeed=10\r\n");
    QFile(settingsPath).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    notify::NotifySettings settings;
    settings.desktop = true;
    ASSERT_TRUE(saveNotifySettings(settings));
    EXPECT_TRUE(QFile(settingsPath).permissions() & QFile::ReadOther) << "no secret, no change of mode";

    settings.telegramToken = QStringLiteral("123:XYZ");
    settings.telegramChat = QStringLiteral("1");
    ASSERT_TRUE(saveNotifySettings(settings));
    EXPECT_FALSE(QFile(settingsPath).permissions() & (QFile::ReadGroup | QFile::ReadOther));
    EXPECT_TRUE(fileBytes().contains("TelegramToken=123:XYZ"));

    // A token put there by hand: the next save of anything keeps the file the owner's.
    QFile(settingsPath).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
    ASSERT_TRUE(saveSettings(QStringLiteral("20"), QStringLiteral("5"), QStringLiteral("1")));
    EXPECT_FALSE(QFile(settingsPath).permissions() & QFile::ReadOther);

    // A read-only file is not made writable, and the failure is told.
    QFile(settingsPath).setPermissions(QFile::ReadOwner);
    settings.telegramChat = QStringLiteral("2");
    EXPECT_FALSE(saveNotifySettings(settings));
    EXPECT_FALSE(saveError().isEmpty());
    EXPECT_EQ(notifySettings.telegramChat, QStringLiteral("2")) << "kept in use while the file refuses it";
#endif
}

} // namespace
