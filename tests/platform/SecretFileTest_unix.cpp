#include "platform/SecretFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

mode_t modeOf(const QString &path)
{
    struct stat info {};
    ::stat(QFile::encodeName(path).constData(), &info);
    return info.st_mode & 07777;
}

TEST(SecretFile, AFileBecomesOwnerOnlyAndAReadOnlyOneStaysReadOnly)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("new.ini"));
    ASSERT_TRUE(SecretFile::restrictToOwner(missing));
    EXPECT_EQ(modeOf(missing), mode_t(0600));

    const QString shared = dir.filePath(QStringLiteral("shared.ini"));
    QFile(shared).open(QIODevice::WriteOnly);
    ::chmod(QFile::encodeName(shared).constData(), 0664);
    EXPECT_FALSE(SecretFile::isOwnerOnly(shared));
    ASSERT_TRUE(SecretFile::restrictToOwner(shared));
    EXPECT_EQ(modeOf(shared), mode_t(0600));

    ::chmod(QFile::encodeName(shared).constData(), 0444);
    ASSERT_TRUE(SecretFile::restrictToOwner(shared));
    EXPECT_EQ(modeOf(shared), mode_t(0400));

    EXPECT_FALSE(SecretFile::restrictToOwner(dir.filePath(QStringLiteral("no/such/folder.ini"))));
}

} // namespace
