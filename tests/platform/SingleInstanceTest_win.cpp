#include "platform/SingleInstance.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Remote Desktop may give each login session a temporary folder of its own; the copies of one
// account must still meet in one place.
TEST(SingleInstancePlace, OneAccountMeetsInOnePlaceWhateverItsSessionsTemporaryFolder)
{
    const SingleInstance::Place usual = SingleInstance::defaultPlace();
    QTemporaryDir sessionTemp;
    ASSERT_TRUE(sessionTemp.isValid());
    const QByteArray tmp = qgetenv("TMP");
    const QByteArray temp = qgetenv("TEMP");
    qputenv("TMP", QDir::toNativeSeparators(sessionTemp.path()).toLocal8Bit());
    qputenv("TEMP", QDir::toNativeSeparators(sessionTemp.path()).toLocal8Bit());
    const QString movedTemp = QDir::tempPath();
    const SingleInstance::Place other = SingleInstance::defaultPlace();
    qputenv("TMP", tmp);
    qputenv("TEMP", temp);
    ASSERT_EQ(QDir::cleanPath(movedTemp), QDir::cleanPath(sessionTemp.path())) << "the temporary folder did move";
    EXPECT_EQ(other.lockPath, usual.lockPath);
    EXPECT_EQ(other.serverName, usual.serverName);
    EXPECT_FALSE(usual.session.isEmpty());
}
