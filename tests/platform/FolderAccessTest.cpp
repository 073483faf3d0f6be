#include "platform/FolderAccess.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>

TEST(FolderAccess, AnswersWhatTheSystemWouldAllowWithoutChangingAnything)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EXPECT_TRUE(FolderAccess::canCreateFiles(dir.path()));
    EXPECT_FALSE(FolderAccess::canCreateFiles(dir.filePath(QStringLiteral("missing"))));
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty())
        << "the question left a file behind";

    const QString path = dir.filePath(QStringLiteral("ZIBsettings.ini"));
    EXPECT_FALSE(FolderAccess::canWriteFile(path)) << "a missing file";
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[S]\r\nk=v\r\n");
    file.close();
    EXPECT_TRUE(FolderAccess::canWriteFile(path));
    EXPECT_FALSE(FolderAccess::canWriteFile(dir.path())) << "a folder is no file";

    // Another program reading the file does not make it read-only.
    std::FILE *reader = std::fopen(QFile::encodeName(path).constData(), "rb");
    ASSERT_NE(reader, nullptr);
    EXPECT_TRUE(FolderAccess::canWriteFile(path));
    std::fclose(reader);
    EXPECT_EQ(QFile(path).size(), 10);
}
