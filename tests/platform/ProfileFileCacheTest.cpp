#include "platform/settingsfile/ProfileFile.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <random>

namespace {

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// An edit by another program: a new file put in place, as editors save.
void replaceFile(const QString &path, const QByteArray &data)
{
    QSaveFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(data);
    ASSERT_TRUE(file.commit());
}

void appendInPlace(const QString &path, const QByteArray &data)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Append));
    file.write(data);
}

class ProfileFileCacheTest : public ::testing::Test
{
protected:
    void TearDown() override { ProfileFile::setCaching(true); }

    QString path(const char *name) const { return m_dir.filePath(QString::fromLatin1(name)); }

    QTemporaryDir m_dir;
};

TEST_F(ProfileFileCacheTest, AnEditBetweenTwoCallsIsSeenAtTheNext)
{
    const QString file = path("edited.ini");
    ASSERT_TRUE(ProfileFile::writeString(file, QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("1")));
    EXPECT_EQ(ProfileFile::readString(file, QStringLiteral("S"), QStringLiteral("k"), {}), QStringLiteral("1"));

    replaceFile(file, "[S]\r\nk=2\r\n");
    EXPECT_EQ(ProfileFile::readString(file, QStringLiteral("S"), QStringLiteral("k"), {}), QStringLiteral("2"));

    appendInPlace(file, "j=3\r\n");
    EXPECT_EQ(ProfileFile::readString(file, QStringLiteral("S"), QStringLiteral("j"), {}), QStringLiteral("3"));

    // The same number of bytes, in the same file: only the times tell. A person's edit comes well
    // after the file system's clock has moved on.
    QThread::msleep(30);
    {
        QFile same(file);
        ASSERT_TRUE(same.open(QIODevice::ReadWrite));
        same.write("[S]\r\nk=4\r\nj=5\r\n");
    }
    EXPECT_EQ(ProfileFile::readString(file, QStringLiteral("S"), QStringLiteral("k"), {}), QStringLiteral("4"));

    ASSERT_TRUE(QFile::remove(file));
    EXPECT_EQ(ProfileFile::readString(file, QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("gone")),
              QStringLiteral("gone"));
    // Written over the edited file, not over the image from before it.
    replaceFile(file, "[T]\r\nx=1\r\n");
    ASSERT_TRUE(ProfileFile::writeString(file, QStringLiteral("T"), QStringLiteral("y"), QStringLiteral("2")));
    EXPECT_EQ(bytesOf(file), QByteArray("[T]\r\nx=1\r\ny=2\r\n"));
}

TEST_F(ProfileFileCacheTest, ABatchWritesOnceWhatTheCallsOneByOneWouldLeave)
{
    const QString single = path("single.ini");
    const QString batched = path("batched.ini");
    const QByteArray start = "; keep\r\n[A]\r\na=1\r\n\r\n[B]\nb=2\n[C]\r\nc=3";
    replaceFile(single, start);
    replaceFile(batched, start);

    ProfileFile::writeString(single, QStringLiteral("a"), QStringLiteral("A"), QStringLiteral("changed"));
    ProfileFile::deleteSection(single, QStringLiteral("B"));
    ProfileFile::writeString(single, QStringLiteral("B"), QStringLiteral("b"), QStringLiteral("back"));
    ProfileFile::writeString(single, QStringLiteral("C"), QStringLiteral("d"), QStringLiteral("4"));

    const quint64 writesBefore = ProfileFile::fileWrites();
    ProfileFile::Batch batch(batched);
    batch.writeString(QStringLiteral("a"), QStringLiteral("A"), QStringLiteral("changed"));
    batch.deleteSection(QStringLiteral("B"));
    EXPECT_EQ(batch.readString(QStringLiteral("B"), QStringLiteral("b"), QStringLiteral("none")), QStringLiteral("none"));
    batch.writeString(QStringLiteral("B"), QStringLiteral("b"), QStringLiteral("back"));
    batch.writeString(QStringLiteral("C"), QStringLiteral("d"), QStringLiteral("4"));
    EXPECT_EQ(bytesOf(batched), start) << "nothing is written before the commit";
    ASSERT_TRUE(batch.commit());
    EXPECT_EQ(ProfileFile::fileWrites() - writesBefore, 1u);
    EXPECT_EQ(bytesOf(batched), bytesOf(single));

    // A batch that changes nothing writes nothing.
    ProfileFile::Batch unchanged(batched);
    unchanged.writeString(QStringLiteral("C"), QStringLiteral("d"), QStringLiteral("4"));
    unchanged.deleteSection(QStringLiteral("missing"));
    EXPECT_TRUE(unchanged.commit());
    EXPECT_EQ(ProfileFile::fileWrites() - writesBefore, 1u);
}

// Batches of a long file share the kept image's index of its sections: a section one batch adds
// or removes must stay out of another's look-ups until it is written.
TEST_F(ProfileFileCacheTest, BatchesOfALongFileKeepTheirOwnSections)
{
    const QString file = path("long.ini");
    QByteArray start;
    for (int n = 1; n <= 40; ++n)
        start += "[S" + QByteArray::number(n) + "]\r\nk=" + QByteArray::number(n) + "\r\n";
    replaceFile(file, start);
    const auto read = [](const ProfileFile::Batch &batch, const char *section) {
        return batch.readString(QString::fromLatin1(section), QStringLiteral("k"), QStringLiteral("none"));
    };
    ProfileFile::Batch changing(file);
    const ProfileFile::Batch before(file);
    changing.deleteSection(QStringLiteral("s3"));
    changing.writeString(QStringLiteral("NEW"), QStringLiteral("k"), QStringLiteral("new"));
    ASSERT_TRUE(changing.commit());
    EXPECT_EQ(read(before, "S3") + read(before, "NEW"), QStringLiteral("3none"));
    const ProfileFile::Batch after(file);
    EXPECT_EQ(read(after, "S3") + read(after, "S40") + read(after, "new"), QStringLiteral("none40new"));
}

// Random calls, the same ones on two files: through the kept image on one, parsing the file
// afresh for every call on the other, where the calls a batch makes on the first are made one by
// one. Reads, results and the bytes on the disk must agree after every step.
class Twins
{
public:
    Twins(const QString &kept, const QString &fresh)
        : m_kept(kept)
        , m_fresh(fresh)
    {
    }

    template<typename Call>
    void both(const Call &call, const char *what)
    {
        ProfileFile::setCaching(true);
        const auto viaImage = call(m_kept);
        ProfileFile::setCaching(false);
        const auto viaFile = call(m_fresh);
        ProfileFile::setCaching(true);
        ASSERT_EQ(viaImage, viaFile) << what;
        ASSERT_EQ(bytesOf(m_kept), bytesOf(m_fresh)) << what;
    }

    const QString &kept() const { return m_kept; }
    const QString &fresh() const { return m_fresh; }

private:
    QString m_kept;
    QString m_fresh;
};

TEST_F(ProfileFileCacheTest, RandomCallsGiveTheSameThroughTheImageAsThroughTheFile)
{
    const QStringList sections = {QStringLiteral("S"), QStringLiteral("s"), QStringLiteral("GAMESERVER 1"),
                                  QStringLiteral(" gameserver 1 "), QString(QChar(0xC9)), QString(QChar(0xE9)),
                                  QStringLiteral("a]b"), QStringLiteral("[x"), QStringLiteral("T")};
    const QStringList keys = {QStringLiteral("k"), QStringLiteral("K"), QStringLiteral("Name"), QStringLiteral("[a"),
                              QStringLiteral("b=c"), QStringLiteral(" q "), QString(QChar(0xC9))};
    const QStringList values = {QStringLiteral("v"), QString(), QStringLiteral("  lead"),
                                QStringLiteral("\v") + QChar(0x1A) + QStringLiteral("vt"), QStringLiteral("b]"),
                                QStringLiteral("\"q\""), QStringLiteral("x\r\ny=z"), QStringLiteral("[S]"),
                                QString(300, QLatin1Char('L')), QStringLiteral("=eq"), QStringLiteral("trail  ")};
    const QList<QByteArray> handLines = {"[S]", "k=hand", "[open", "", "; note", "x=y", "[a]b]", "  [ T ]  ", "Name"};
    const QList<QByteArray> endings = {"\r\n", "\n", "\r", ""};

    for (const unsigned seed : {1u, 2u, 3u}) {
        std::mt19937 random(seed);
        const auto pick = [&random](const auto &list) { return list[qsizetype(random() % list.size())]; };
        Twins twins(path("kept.ini"), path("fresh.ini"));
        QFile::remove(twins.kept());
        QFile::remove(twins.fresh());
        if (seed != 1) {
            // Enough sections that they are found through the index, not in order.
            QByteArray filler;
            for (int n = 0; n < 40; ++n)
                filler += "[F" + QByteArray::number(n) + "]\r\nk=" + QByteArray::number(n) + "\r\n";
            replaceFile(twins.kept(), filler);
            replaceFile(twins.fresh(), filler);
        }
        for (int step = 0; step < 250; ++step) {
            const QString section = pick(sections);
            const QString key = pick(keys);
            const QString value = pick(values);
            const QByteArray what = "seed " + QByteArray::number(seed) + " step " + QByteArray::number(step);
            switch (random() % 6) {
            case 0:
            case 1:
                twins.both([&](const QString &file) { return ProfileFile::writeString(file, section, key, value); },
                           what + " write");
                break;
            case 2:
                twins.both([&](const QString &file) { return ProfileFile::deleteSection(file, section); },
                           what + " delete");
                break;
            case 3:
                twins.both(
                    [&](const QString &file) {
                        return ProfileFile::readString(file, section, key, QStringLiteral("default "));
                    },
                    what + " read");
                break;
            case 4: {
                const QByteArray line = pick(handLines) + pick(endings);
                const bool replace = random() % 2;
                twins.both(
                    [&](const QString &file) {
                        if (replace)
                            replaceFile(file, bytesOf(file).replace("<missing>", "") + line);
                        else
                            appendInPlace(file, line);
                        return true;
                    },
                    what + " hand edit");
                break;
            }
            default: {
                // Up to five changes in a batch on one side, the same calls one by one on the other.
                const int count = 1 + int(random() % 5);
                QList<std::tuple<int, QString, QString, QString>> calls;
                for (int i = 0; i < count; ++i)
                    calls.append({int(random() % 3), pick(sections), pick(keys), pick(values)});
                ProfileFile::setCaching(true);
                QStringList seenInBatch;
                {
                    ProfileFile::Batch batch(twins.kept());
                    for (const auto &[kind, s, k, v] : calls) {
                        if (kind == 0)
                            batch.deleteSection(s);
                        else
                            batch.writeString(s, k, v);
                        seenInBatch << batch.readString(s, k, QStringLiteral("none"));
                    }
                    batch.commit();
                }
                ProfileFile::setCaching(false);
                QStringList seenOneByOne;
                for (const auto &[kind, s, k, v] : calls) {
                    if (kind == 0)
                        ProfileFile::deleteSection(twins.fresh(), s);
                    else
                        ProfileFile::writeString(twins.fresh(), s, k, v);
                    seenOneByOne << ProfileFile::readString(twins.fresh(), s, k, QStringLiteral("none"));
                }
                ProfileFile::setCaching(true);
                ASSERT_EQ(seenInBatch, seenOneByOne) << what.constData();
                ASSERT_EQ(bytesOf(twins.kept()), bytesOf(twins.fresh())) << what.constData() << " batch";
            }
            }
            if (testing::Test::HasFatalFailure())
                return;
        }
    }
}

} // namespace
