#include "platform/settingsfile/ProfileFile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

constexpr int batchSections = 50;

QByteArray contentsWithCounter(const QByteArray &prefix, const QByteArray &counter, bool batched)
{
    if (!batched)
        return prefix + "[stress]\r\ncounter=" + counter + "\r\n";
    QByteArray contents = prefix;
    for (int s = 1; s <= batchSections; ++s)
        contents += "[stress " + QByteArray::number(s) + "]\r\ncounter=" + counter + "\r\n";
    return contents;
}

// A writer killed at any moment leaves either the file it started from or the one it meant to
// write, whole: never a truncated or half-written mix. With a batch, never some sections of one
// round and some of another either.
class CrashSafetyTest : public ::testing::TestWithParam<bool>
{
};

TEST_P(CrashSafetyTest, AKilledWriterLeavesTheOldOrTheNewFileWhole)
{
    const bool batched = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("ZIBsettings.ini"));

    // Enough other entries that a torn write could not go unseen.
    for (int i = 0; i < 400; ++i) {
        ASSERT_TRUE(ProfileFile::writeString(path, QStringLiteral("GAMESERVER %1").arg(i), QStringLiteral("Name"),
                                             QStringLiteral("Server number %1 with a long enough name").arg(i)));
    }
    QFile initial(path);
    ASSERT_TRUE(initial.open(QIODevice::ReadOnly));
    const QByteArray prefix = initial.readAll();
    initial.close();

    const QString tool = QStringLiteral(ZIB_TOOLS_DIR "/inistress");
    int kills = 0;
    for (int round = 0; round < 40; ++round) {
        QProcess writer;
        writer.start(tool, batched ? QStringList{path, QStringLiteral("--batch"), QString::number(batchSections)}
                                   : QStringList{path});
        ASSERT_TRUE(writer.waitForStarted(5000));
        ASSERT_TRUE(writer.waitForReadyRead(5000)) << "the writer never began";
        QThread::usleep(QRandomGenerator::global()->bounded(1000, 40000));
        writer.kill();
        writer.waitForFinished(5000);
        ++kills;

        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "the file vanished after kill " << kills;
        const QByteArray bytes = file.readAll();
        const QByteArray counter = ProfileFile::readString(path, batched ? QStringLiteral("stress 1") : QStringLiteral("stress"),
                                                           QStringLiteral("counter"), {})
                                       .toLatin1();
        ASSERT_FALSE(counter.isEmpty()) << "kill " << kills;
        EXPECT_EQ(bytes, contentsWithCounter(prefix, counter, batched)) << "kill " << kills;
    }
    EXPECT_EQ(kills, 40);
}

INSTANTIATE_TEST_SUITE_P(KeyByKeyAndBatched, CrashSafetyTest, ::testing::Bool());

} // namespace
