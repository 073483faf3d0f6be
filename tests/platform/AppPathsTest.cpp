#include "platform/AppPaths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using AppPaths::SettingsFacts;

namespace {

const QString programDir = QStringLiteral("/opt/zib");
const QString configDir = QStringLiteral("/home/ann/.config/Zib");
const QString beside = QStringLiteral("/opt/zib/ZIBsettings.ini");
const QString inConfig = QStringLiteral("/home/ann/.config/Zib/ZIBsettings.ini");

SettingsFacts facts(bool installed, bool dirWritable, bool fileExists, bool fileWritable)
{
    return {programDir, installed, dirWritable, fileExists, fileWritable, configDir};
}

void touch(const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write("RIFF");
}

} // namespace

TEST(SettingsLocation, ACopyOfItsOwnKeepsItsSettingsBesideItselfWhereItMay)
{
    // A writable folder: beside, whether or not the file is there yet or can be written.
    EXPECT_EQ(AppPaths::chooseSettingsPath(facts(false, true, false, false)), beside);
    EXPECT_EQ(AppPaths::chooseSettingsPath(facts(false, true, true, true)), beside);
    // A read-only folder holding a writable file (the file was put there for this copy).
    EXPECT_EQ(AppPaths::chooseSettingsPath(facts(false, false, true, true)), beside);
    // A read-only folder without the file, or with a read-only file: the user's folder.
    EXPECT_EQ(AppPaths::chooseSettingsPath(facts(false, false, false, false)), inConfig);
    EXPECT_EQ(AppPaths::chooseSettingsPath(facts(false, false, true, false)), inConfig);
}

TEST(SettingsLocation, AnInstalledCopyUsesTheUsersFolderUnlessAWritableFileSitsBesideIt)
{
    // Root can write /usr/bin, and ~/.local/bin is the user's own; neither is a settings folder.
    EXPECT_EQ(AppPaths::chooseSettingsPath(facts(true, true, false, false)), inConfig);
    EXPECT_EQ(AppPaths::chooseSettingsPath(facts(true, false, false, false)), inConfig);
    EXPECT_EQ(AppPaths::chooseSettingsPath(facts(true, true, true, false)), inConfig);
    EXPECT_EQ(AppPaths::chooseSettingsPath(facts(true, false, true, true)), beside);
    // No configuration folder known at all: beside is the only place left.
    SettingsFacts none = facts(true, false, false, false);
    none.configDir.clear();
    EXPECT_EQ(AppPaths::chooseSettingsPath(none), beside);
}

TEST(SettingsLocation, AnInstalledLayoutIsBinBesideShareZib)
{
    QTemporaryDir root;
    const QString bin = root.filePath(QStringLiteral("usr/bin"));
    QDir().mkpath(bin);
    EXPECT_TRUE(AppPaths::installedDataDir(bin).isEmpty()) << "no share/zib yet";
    QDir().mkpath(root.filePath(QStringLiteral("usr/share/zib")));
    EXPECT_EQ(AppPaths::installedDataDir(bin), QDir(root.filePath(QStringLiteral("usr/share/zib"))).canonicalPath());
    // A build folder next to a share/zib is still not installed: the folder must be bin.
    const QString build = root.filePath(QStringLiteral("usr/build"));
    QDir().mkpath(build);
    EXPECT_TRUE(AppPaths::installedDataDir(build).isEmpty());
}

TEST(SettingsLocation, TheFolderIsMadeOnlyWhenAsked)
{
    QTemporaryDir root;
    const QString file = root.filePath(QStringLiteral("a/b/ZIBsettings.ini"));
    EXPECT_TRUE(AppPaths::makeFolderFor(file));
    EXPECT_TRUE(QFileInfo(root.filePath(QStringLiteral("a/b"))).isDir());
    EXPECT_FALSE(QFileInfo::exists(file)) << "the folder, not the file";
    // A file where the folder should be cannot be made into one.
    touch(root.filePath(QStringLiteral("c")));
    EXPECT_FALSE(AppPaths::makeFolderFor(root.filePath(QStringLiteral("c/ZIBsettings.ini"))));
}

TEST(AlertSoundSearch, TheUsersOwnSoundComesFirstThenBesideTheProgramThenTheInstalledOne)
{
    QTemporaryDir root;
    const QString config = root.filePath(QStringLiteral("config"));
    const QString program = root.filePath(QStringLiteral("bin"));
    const QString prefixData = root.filePath(QStringLiteral("share/zib"));
    const QString systemData = root.filePath(QStringLiteral("system/zib"));
    const QStringList candidates = AppPaths::alertSoundCandidates(config, program, {prefixData, systemData});
    ASSERT_EQ(candidates, (QStringList{config + QStringLiteral("/alert.wav"), program + QStringLiteral("/alert.wav"),
                                       prefixData + QStringLiteral("/alert.wav"),
                                       systemData + QStringLiteral("/alert.wav")}));

    EXPECT_TRUE(AppPaths::firstReadableFile(candidates).isEmpty()) << "none yet: the beep";
    touch(systemData + QStringLiteral("/alert.wav"));
    EXPECT_EQ(AppPaths::firstReadableFile(candidates), candidates[3]);
    touch(prefixData + QStringLiteral("/alert.wav"));
    EXPECT_EQ(AppPaths::firstReadableFile(candidates), candidates[2]);
    touch(program + QStringLiteral("/alert.wav"));
    EXPECT_EQ(AppPaths::firstReadableFile(candidates), candidates[1]);
    // A folder by that name is no sound.
    QDir().mkpath(config + QStringLiteral("/alert.wav"));
    EXPECT_EQ(AppPaths::firstReadableFile(candidates), candidates[1]);
    QDir(config).rmdir(QStringLiteral("alert.wav"));
    touch(config + QStringLiteral("/alert.wav"));
    EXPECT_EQ(AppPaths::firstReadableFile(candidates), candidates[0]);
}

TEST(AlertSoundSearch, UnknownAndRepeatedFoldersAreLookedInOnce)
{
    const QStringList candidates = AppPaths::alertSoundCandidates(
        QString(), QStringLiteral("/usr/bin"), {QString(), QStringLiteral("/usr/share/zib"), QStringLiteral("/usr/share/zib/")});
    EXPECT_EQ(candidates, (QStringList{QStringLiteral("/usr/bin/alert.wav"), QStringLiteral("/usr/share/zib/alert.wav")}));
}
