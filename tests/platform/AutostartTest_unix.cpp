#include "platform/Autostart.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

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
    EXPECT_EQ(execLine(Autostart::entryText(QStringLiteral("/home/ann/$zib\"`"))),
              "\"/home/ann/\\$zib\\\"\\`\" --minimized");
    EXPECT_EQ(execLine(Autostart::entryText(QStringLiteral("/opt/zib-1.0/zib"))), "/opt/zib-1.0/zib --minimized");
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
