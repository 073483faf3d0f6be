#include "platform/Autostart.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QByteArray execLine(const QByteArray &entry)
{
    for (const QByteArray &line : entry.split('\n')) {
        if (line.startsWith("Exec="))
            return line.mid(5);
    }
    return {};
}

} // namespace

TEST(Autostart, TheEntryStartsZibHiddenInTheTray)
{
    const QByteArray entry = Autostart::entryText(QStringLiteral("zib"));
    EXPECT_TRUE(entry.startsWith("[Desktop Entry]\n"));
    EXPECT_TRUE(entry.contains("\nType=Application\n"));
    EXPECT_EQ(execLine(entry), "zib --minimized");
    // A path the desktop would split or expand is quoted, with its specials escaped.
    EXPECT_EQ(execLine(Autostart::entryText(QStringLiteral("/home/ann/My Games/zib"))),
              "\"/home/ann/My Games/zib\" --minimized");
    // The value is read as a string before the quoting is undone, so the escapes are doubled.
    EXPECT_EQ(execLine(Autostart::entryText(QStringLiteral("/home/ann/$zib\"`\\"))),
              "\"/home/ann/\\\\$zib\\\\\"\\\\`\\\\\\\\\" --minimized");
    // A lone % would start a field code; a program path holding one goes through the shell, as
    // launchers look for the program before they undo the %%.
    EXPECT_EQ(execLine(Autostart::entryText(QStringLiteral("/opt/Zib%20v0.0d/zib"))),
              R"(/bin/sh -c "exec \\"\\$0\\" \\"\\$@\\"" /opt/Zib%%20v0.0d/zib --minimized)");
    EXPECT_EQ(execLine(Autostart::entryText(QStringLiteral("/opt/zib-1.0/zib"))), "/opt/zib-1.0/zib --minimized");
    EXPECT_EQ(execLine(Autostart::entryText(QStringLiteral("zib"),
                                            {QStringLiteral("--settings"), QStringLiteral("/home/ann/My Games/zib.ini")})),
              "zib --settings \"/home/ann/My Games/zib.ini\" --minimized");
}

TEST(Autostart, TheSettingsFileGoesIntoTheEntryUnlessItIsTheUsualOne)
{
    QTemporaryDir dir;
    const QString usual = dir.filePath(QStringLiteral("ZIBsettings.ini"));
    const QString other = dir.filePath(QStringLiteral("games/zib.ini"));
    EXPECT_EQ(Autostart::settingsArguments(usual, usual), QStringList());
    EXPECT_EQ(Autostart::settingsArguments(QString(), usual), QStringList());
    EXPECT_EQ(Autostart::settingsArguments(other, usual), (QStringList{QStringLiteral("--settings"), other}));
    EXPECT_EQ(Autostart::settingsArguments(dir.filePath(QStringLiteral("games/../ZIBsettings.ini")), usual),
              QStringList());
}

// The desktop's own tools read the entry: the validator must take it, and a launch must hand
// the program every character of its path and its settings file's path as they are.
TEST(Autostart, EntriesAreValidAndLaunchWithTheirPathsIntact)
{
    if (!Autostart::isSupported())
        GTEST_SKIP() << "this desktop has no autostart entries";
    const QString validator = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (validator.isEmpty())
        GTEST_SKIP() << "desktop-file-validate is not installed (package desktop-file-utils)";
    QTemporaryDir dir;
    const QString home = dir.filePath(QStringLiteral("config"));
    // A folder unpacked from a web link, and every character the entry's rules treat specially.
    const QString folder = dir.filePath(QStringLiteral("Zib%20v0.0d \"q\" 'a' \\b $HOME `id` ~#;&|<>()*? %f"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString program = folder + QStringLiteral("/zib");
    const QString settings = folder + QStringLiteral("/my %u $1.ini");
    {
        // Writes what it was started with, one argument after another, beside itself.
        QFile script(program);
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\n"
                     "here=$(dirname \"$0\")\n"
                     "printf '%s\\0' \"$0\" \"$@\" > \"$here/argv.tmp\" && mv \"$here/argv.tmp\" \"$here/argv\"\n");
        script.close();
        ASSERT_TRUE(script.setPermissions(script.permissions() | QFileDevice::ExeOwner));
    }
    const QStringList arguments = Autostart::settingsArguments(settings, dir.filePath(QStringLiteral("ZIBsettings.ini")));

    for (const QString &command : {QStringLiteral("zib"), dir.filePath(QStringLiteral("My Games/zib")), program}) {
        SCOPED_TRACE(command.toStdString());
        ASSERT_TRUE(Autostart::setEnabled(home, true, command, arguments));
        QProcess validate;
        validate.start(validator, {Autostart::entryPath(home)});
        ASSERT_TRUE(validate.waitForFinished(10000));
        const QByteArray said = validate.readAllStandardOutput() + validate.readAllStandardError();
        EXPECT_EQ(validate.exitCode(), 0) << said.data();
        EXPECT_FALSE(said.contains("error")) << said.data();
    }

    const QString gio = QStandardPaths::findExecutable(QStringLiteral("gio"));
    if (gio.isEmpty())
        GTEST_SKIP() << "gio is not installed (package libglib2.0-bin): the entry was not launched";
    QProcess launch;
    launch.start(gio, {QStringLiteral("launch"), Autostart::entryPath(home)});
    ASSERT_TRUE(launch.waitForFinished(10000));
    EXPECT_EQ(launch.exitCode(), 0) << launch.readAllStandardError().data();
    QFile argv(folder + QStringLiteral("/argv"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return argv.exists(); }, 10000)) << "the program never ran";
    ASSERT_TRUE(argv.open(QIODevice::ReadOnly));
    QStringList received = QString::fromUtf8(argv.readAll()).split(QChar(0));
    received.removeLast();
    EXPECT_EQ(received, (QStringList{program, QStringLiteral("--settings"), settings, QStringLiteral("--minimized")}));
}

TEST(Autostart, ThePlainNameOnlyWhenTheSearchPathFindsThisVeryProgram)
{
    QTemporaryDir dir;
    const QString ours = dir.filePath(QStringLiteral("bin/zib"));
    const QString other = dir.filePath(QStringLiteral("elsewhere/zib"));
    for (const QString &path : {ours, other}) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    EXPECT_EQ(Autostart::command(ours, ours), QStringLiteral("zib"));
    EXPECT_EQ(Autostart::command(ours, other), ours);
    EXPECT_EQ(Autostart::command(ours, QString()), ours);
    // Through a link, the search path may name the same file differently.
    const QString link = dir.filePath(QStringLiteral("link"));
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("bin")), link));
    EXPECT_EQ(Autostart::command(ours, link + QStringLiteral("/zib")), QStringLiteral("zib"));
}

TEST(Autostart, SwitchingOnWritesTheEntryAndOffRemovesIt)
{
    QTemporaryDir home;
    const QString entry = home.filePath(QStringLiteral("autostart/zib.desktop"));
    EXPECT_EQ(Autostart::entryPath(home.path()), entry);
    EXPECT_FALSE(Autostart::isEnabled(home.path()));

    ASSERT_TRUE(Autostart::setEnabled(home.path(), true, QStringLiteral("zib")));
    EXPECT_TRUE(Autostart::isEnabled(home.path()));
    QFile file(entry);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), Autostart::entryText(QStringLiteral("zib")));
    file.close();

    EXPECT_TRUE(Autostart::setEnabled(home.path(), false, QStringLiteral("zib")));
    EXPECT_FALSE(QFileInfo::exists(entry));
    EXPECT_TRUE(Autostart::setEnabled(home.path(), false, QStringLiteral("zib"))) << "already off";
}

TEST(Autostart, AnEntryThatCannotBeWrittenIsReported)
{
    QTemporaryDir home;
    // A file where the autostart folder should be.
    QFile blocker(home.filePath(QStringLiteral("autostart")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(Autostart::setEnabled(home.path(), true, QStringLiteral("zib")));
    EXPECT_FALSE(Autostart::isEnabled(home.path()));
}
