#include "platform/settingsfile/ProfileFile.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>

namespace {

class ProfileFileTest : public ::testing::Test
{
protected:
    QString path() const { return m_dir.filePath(QStringLiteral("test.ini")); }

    QByteArray bytes() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void setBytes(const QByteArray &data) const
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(data);
    }

    QString read(const char *section, const char *key, const char *defaultValue = "DEF") const
    {
        return ProfileFile::readString(path(), QString::fromLatin1(section), QString::fromLatin1(key),
                                       QString::fromLatin1(defaultValue));
    }

    bool write(const char *section, const char *key, const QString &value) const
    {
        return ProfileFile::writeString(path(), QString::fromLatin1(section), QString::fromLatin1(key), value);
    }

    QTemporaryDir m_dir;
};

QByteArray golden(const char *name)
{
    QFile file(testDataPath(QStringLiteral("platform/data/ini-golden/%1.ini").arg(QString::fromLatin1(name))));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

TEST_F(ProfileFileTest, SuccessiveWritesMatchTheBytesOfTheOriginalFunctions)
{
    ASSERT_TRUE(write("Clan", "Name", QStringLiteral("Foo")));
    EXPECT_EQ(bytes(), golden("01-new-file-one-key"));
    ASSERT_TRUE(write("Clan", "Tag", QStringLiteral("[X]")));
    EXPECT_EQ(bytes(), golden("02-second-key"));
    ASSERT_TRUE(write("Servers", "s1", QStringLiteral("10.0.0.1:27015")));
    EXPECT_EQ(bytes(), golden("03-second-section"));
    ASSERT_TRUE(write("clan", "NAME", QStringLiteral("Bar")));
    EXPECT_EQ(bytes(), golden("04-replace-value"));
    ASSERT_TRUE(ProfileFile::deleteSection(path(), QStringLiteral("CLAN")));
    EXPECT_EQ(bytes(), golden("05-delete-first-sect"));
}

TEST_F(ProfileFileTest, ReadingFollowsTheDialect)
{
    setBytes("; comment\r\n"
             "[ Alpha ]\r\n"
             "  Key One =  spaced value  \r\n"
             "dq=\"quoted\"\n"
             "empty=\"\"\r"
             "inner=\"a\"b\"\r\n"
             "open=\"open\r\n"
             "mix=\"mix'\r\n"
             "eq=with=equals\r\n"
             "noequals\r\n"
             "dup=first\r\n"
             "dup=second\r\n"
             "[a]b]\r\n"
             "k=bracketed\r\n"
             "[alpha]\r\n"
             "dup=second section\r\n"
             "last=no newline");

    EXPECT_EQ(read("alpha", "key one"), QStringLiteral("spaced value"));
    EXPECT_EQ(read("  ALPHA ", " KEY ONE  "), QStringLiteral("spaced value"));
    EXPECT_EQ(read("Alpha", "dq"), QStringLiteral("quoted"));
    EXPECT_EQ(read("Alpha", "empty"), QString());
    EXPECT_EQ(read("Alpha", "inner"), QStringLiteral("a\"b"));
    EXPECT_EQ(read("Alpha", "open"), QStringLiteral("\"open"));
    EXPECT_EQ(read("Alpha", "mix"), QStringLiteral("\"mix'"));
    EXPECT_EQ(read("Alpha", "eq"), QStringLiteral("with=equals"));
    EXPECT_EQ(read("Alpha", "noequals"), QStringLiteral("DEF"));
    EXPECT_EQ(read("Alpha", "dup"), QStringLiteral("first")) << "first section and first key win";
    EXPECT_EQ(read("a]b", "k"), QStringLiteral("bracketed"));
    EXPECT_EQ(read("alpha", "last"), QStringLiteral("DEF")) << "only the first section of a name is searched";
    EXPECT_EQ(read("missing", "key", "default   "), QStringLiteral("default"));
}

TEST_F(ProfileFileTest, MissingFileGivesTheDefaultAndIsNotCreatedByReading)
{
    EXPECT_EQ(read("S", "k", "fallback"), QStringLiteral("fallback"));
    EXPECT_FALSE(QFileInfo::exists(path()));
}

TEST_F(ProfileFileTest, LongValuesReadBackCutAt254Characters)
{
    const QString value(300, QLatin1Char('v'));
    ASSERT_TRUE(write("S", "long", value));
    EXPECT_EQ(read("S", "long"), value.left(254));
    const QString exact(254, QLatin1Char('w'));
    ASSERT_TRUE(write("S", "exact", exact));
    EXPECT_EQ(read("S", "exact"), exact);
    EXPECT_EQ(read("S", "none", QByteArray(400, 'd').constData()).size(), 254);
}

TEST_F(ProfileFileTest, EveryByteValueSurvivesAWriteAndARead)
{
    QString value;
    for (int b = 0x21; b <= 0xFF; ++b) // blanks at a value's ends are trimmed by design
        value.append(QChar(b));
    // In two parts: the C1 codes have no Windows-1252 byte, so each part goes as UTF-8, two bytes
    // a character above 7F, and must stay within the 254 bytes a read gives back.
    ASSERT_TRUE(write("S", "bytes", value.left(100)));
    ASSERT_TRUE(write("S", "bytes2", value.mid(100)));
    EXPECT_EQ(read("S", "bytes") + read("S", "bytes2"), value);
}

TEST_F(ProfileFileTest, ValuesAreWindows1252WhereTheyFitAndUtf8WhereNot)
{
    // A file as old versions and hand edits left it: Windows-1252, including the five bytes that
    // code page leaves unassigned.
    const QByteArray legacy = "[S]\r\nlegacy=\x99X Caf\xE9 \x80\x81\x8D\x8F\x90\x9D\r\nutf8=\xE2\x98\x85" "Bob\r\n";
    setBytes(legacy);
    EXPECT_EQ(read("S", "legacy"), QStringLiteral("™X Café €\u0081\u008D\u008F\u0090\u009D"));
    EXPECT_EQ(read("S", "utf8"), QStringLiteral("★Bob"));
    // Writing back what was read leaves every byte as it was.
    ASSERT_TRUE(write("S", "legacy", read("S", "legacy")));
    ASSERT_TRUE(write("S", "utf8", read("S", "utf8")));
    EXPECT_EQ(bytes(), legacy);

    const QString names[] = {QStringLiteral("[Дк]Дмитрий"), QStringLiteral("清水🔥"), QStringLiteral("Zoe\u0308™"),
                             QStringLiteral("Ã©")};
    for (const QString &name : names) {
        ASSERT_TRUE(write("S", "name", name));
        EXPECT_EQ(read("S", "name"), name);
    }
    EXPECT_TRUE(bytes().contains("name=\xC3\x83\xC2\xA9\r\n")) << "Windows-1252 that would read as UTF-8";
    ASSERT_TRUE(write("S", "name", QStringLiteral("Jou\u00E9 ★")));
    EXPECT_TRUE(bytes().contains("name=Jou\xC3\xA9 \xE2\x98\x85\r\n"));
    // Stored in UTF-8 now, it stays so, though Windows-1252 could hold this one.
    ASSERT_TRUE(write("S", "name", QStringLiteral("Jou\u00E9 ™")));
    EXPECT_TRUE(bytes().contains("name=Jou\xC3\xA9 \xE2\x84\xA2\r\n"));
}

// An editor that keeps the file in UTF-8 must find it in UTF-8 still; one that keeps it in
// Windows-1252 must find that. A changed value keeps the stored one's encoding; a new value, or one
// that was ASCII, takes the file's: UTF-8 once some line holds UTF-8 beyond ASCII.
TEST_F(ProfileFileTest, AValueKeepsItsEncodingAndANewOneFollowsTheFile)
{
    const QByteArray utf8 = "; UTF-8\r\n[CLANFILTER 1]\r\nTag=Caf\xC3\xA9\r\nAlert=TRUE\r\n";
    const QByteArray legacy = "[CLANFILTER 1]\r\nTag=Caf\xE9\r\nAlert=TRUE\r\n";
    setBytes(utf8);
    ASSERT_TRUE(write("CLANFILTER 1", "Tag", QStringLiteral("Crème")));
    ASSERT_TRUE(write("CLANFILTER 1", "Alert", QStringLiteral("Noël")));
    ASSERT_TRUE(write("CLANFILTER 2", "Tag", QStringLiteral("Zoë")));
    EXPECT_EQ(bytes(), QByteArray("; UTF-8\r\n[CLANFILTER 1]\r\nTag=Cr\xC3\xA8me\r\nAlert=No\xC3\xABl\r\n"
                                  "[CLANFILTER 2]\r\nTag=Zo\xC3\xAB\r\n"));
    setBytes(legacy);
    ASSERT_TRUE(write("CLANFILTER 1", "Tag", QStringLiteral("Crème")));
    ASSERT_TRUE(write("CLANFILTER 1", "Alert", QStringLiteral("Noël")));
    ASSERT_TRUE(write("CLANFILTER 2", "Tag", QStringLiteral("Zoë")));
    EXPECT_EQ(bytes(), QByteArray("[CLANFILTER 1]\r\nTag=Cr\xE8me\r\nAlert=No\xEBl\r\n"
                                  "[CLANFILTER 2]\r\nTag=Zo\xEB\r\n"));
}

TEST_F(ProfileFileTest, The254ByteLimitNeverCutsACharacter)
{
    // 127 two-byte letters fill 254 bytes exactly; one more does not fit and is left out whole.
    ASSERT_TRUE(write("S", "fits", QString(127, u'Д')));
    EXPECT_EQ(read("S", "fits"), QString(127, u'Д'));
    ASSERT_TRUE(write("S", "long", QString(128, u'Д')));
    EXPECT_EQ(read("S", "long"), QString(127, u'Д'));
    ASSERT_TRUE(write("S", "cjk", QString(100, u'清')));
    EXPECT_EQ(read("S", "cjk"), QString(84, u'清'));
    ASSERT_TRUE(write("S", "accent", QString(252, u'a') + QStringLiteral("e\u0301")));
    EXPECT_EQ(read("S", "accent"), QString(252, u'a'));
    EXPECT_EQ(ProfileFile::readString(path(), QStringLiteral("S"), QStringLiteral("none"), QString(200, u'Д')),
              QString(127, u'Д'))
        << "a default is cut the same way";
}

TEST_F(ProfileFileTest, NothingInAValueCanAddChangeOrRemoveAnotherEntry)
{
    ASSERT_TRUE(write("GAMESERVER 1", "Name", QStringLiteral("before")));
    ASSERT_TRUE(write("GAMESERVER 1", "Address", QStringLiteral("10.0.0.1")));
    const QString hostile = QStringLiteral("evil\r\nAddress=6.6.6.6\r\n[GAMESERVER 2]\nAddress=1.1.1.1\rx=y") + QChar(0)
        + QStringLiteral("z");
    ASSERT_TRUE(write("GAMESERVER 1", "Name", hostile));

    EXPECT_EQ(read("GAMESERVER 1", "Address"), QStringLiteral("10.0.0.1"));
    EXPECT_EQ(read("GAMESERVER 2", "Address"), QStringLiteral("DEF"));
    EXPECT_EQ(read("GAMESERVER 1", "x"), QStringLiteral("DEF"));
    EXPECT_EQ(read("GAMESERVER 1", "Name"),
              QStringLiteral("evil  Address=6.6.6.6  [GAMESERVER 2] Address=1.1.1.1 x=y z"));
    EXPECT_EQ(bytes().count('\n'), 3) << "still one header and two entries";

    // The same in UTF-8, with the breaks that only Unicode knows.
    ASSERT_TRUE(write("GAMESERVER 1", "Name", QStringLiteral("Дима\r\n[GAMESERVER 2]\u2028Address=1.1.1.1\u0085x=y")));
    EXPECT_EQ(read("GAMESERVER 1", "Name"), QStringLiteral("Дима  [GAMESERVER 2]\u2028Address=1.1.1.1\u0085x=y"));
    EXPECT_EQ(read("GAMESERVER 2", "Address"), QStringLiteral("DEF"));
    EXPECT_EQ(bytes().count('\n'), 3);
}

TEST_F(ProfileFileTest, WritesKeepUntouchedLinesAndSpellings)
{
    setBytes("; keep me\n[Clan]\nName=Foo\n\n[Other]\r\nx=1");
    ASSERT_TRUE(write("CLAN", "name", QStringLiteral("Bar")));
    ASSERT_TRUE(write("clan", "Tag", QStringLiteral("  [X]")));
    ASSERT_TRUE(write("Other", "y", QStringLiteral("2")));
    EXPECT_EQ(bytes(), QByteArray("; keep me\n[Clan]\nName=Bar\r\nTag=[X]\r\n\n[Other]\r\nx=1\r\ny=2\r\n"));
}

TEST_F(ProfileFileTest, WritingTheSameValueLeavesTheFileUntouched)
{
    setBytes("[S]\nk=v\n");
    const QDateTime longAgo(QDate(2001, 2, 3), QTime(4, 5, 6));
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(longAgo, QFileDevice::FileModificationTime));
    }
    EXPECT_TRUE(write("S", "k", QStringLiteral("v")));
    EXPECT_EQ(bytes(), QByteArray("[S]\nk=v\n"));
    EXPECT_EQ(QFileInfo(path()).lastModified(), longAgo);
    EXPECT_TRUE(write("S", "k", QStringLiteral("w")));
    EXPECT_NE(QFileInfo(path()).lastModified(), longAgo);
}

// Writes one key into a settings file from another process, as a second program or an editor would.
int writeFromOtherProcess(const QString &file, const QStringList &keyAndValue, const QString &limitBytes = {})
{
    const QString tool = QStringLiteral(ZIB_TOOLS_DIR "/inistress");
    QStringList arguments = QStringList{file, QStringLiteral("--set")} + keyAndValue;
    if (limitBytes.isEmpty())
        return QProcess::execute(tool, arguments);
    // A size limit on the files it writes; the signal the limit raises is ignored, so the write
    // fails as it would on a full disk instead of ending the process.
    return QProcess::execute(QStringLiteral("sh"),
                             QStringList{QStringLiteral("-c"),
                                         QStringLiteral("trap '' XFSZ; exec prlimit --fsize=%1 \"$0\" \"$@\"").arg(limitBytes),
                                         tool}
                                 + arguments);
}

TEST_F(ProfileFileTest, AnEditMadeWhileABatchIsOpenIsKept)
{
    setBytes("[S]\r\nk=1\r\ngone=x\r\n[T]\r\nt=1\r\n");
    ProfileFile::Batch batch(path());
    batch.writeString(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("2"));
    batch.deleteSection(QStringLiteral("T"));
    batch.writeString(QStringLiteral("New"), QStringLiteral("n"), QStringLiteral("3"));
    ASSERT_EQ(writeFromOtherProcess(path(), {QStringLiteral("Hand"), QStringLiteral("note"), QStringLiteral("kept")}), 0);
    ASSERT_EQ(writeFromOtherProcess(path(), {QStringLiteral("S"), QStringLiteral("gone"), QStringLiteral("y")}), 0);
    ASSERT_TRUE(batch.commit());
    // As the batch's calls made one by one after the edit leave it.
    EXPECT_EQ(bytes(), QByteArray("[S]\r\nk=2\r\ngone=y\r\n[Hand]\r\nnote=kept\r\n[New]\r\nn=3\r\n"));
    EXPECT_EQ(batch.readString(QStringLiteral("Hand"), QStringLiteral("note"), {}), QStringLiteral("kept"));
    EXPECT_EQ(read("Hand", "note"), QStringLiteral("kept"));
}

TEST_F(ProfileFileTest, DeletingRemovesHeaderAndEntriesUpToTheNextHeader)
{
    setBytes("[A]\r\na=1\r\n\r\n; note\r\n[B]\r\nb=2\r\n[C]\r\nc=3\r\n");
    ASSERT_TRUE(ProfileFile::deleteSection(path(), QStringLiteral("b")));
    EXPECT_EQ(bytes(), QByteArray("[A]\r\na=1\r\n\r\n; note\r\n[C]\r\nc=3\r\n"));
    ASSERT_TRUE(ProfileFile::deleteSection(path(), QStringLiteral("missing")));
    EXPECT_EQ(bytes(), QByteArray("[A]\r\na=1\r\n\r\n; note\r\n[C]\r\nc=3\r\n"));
}

TEST_F(ProfileFileTest, AFailedWriteIsReportedAndLeavesTheOldFileWhole)
{
    const QString missingFolder = m_dir.filePath(QStringLiteral("no/such/folder/x.ini"));
    EXPECT_FALSE(ProfileFile::writeString(missingFolder, QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("v")));
    EXPECT_FALSE(QFileInfo::exists(missingFolder));
}

TEST_F(ProfileFileTest, ABracketThatIsNeverClosedStartsNoSection)
{
    // A typo in a header: what follows stays in the section above, as the profile functions read it,
    // instead of vanishing into a section nobody asks for.
    setBytes("[GAMESERVER 1]\r\nName=one\r\n[GAMESERVER 2\r\nAddress=10.0.0.2\r\nPort=27016\r\n");
    EXPECT_EQ(read("GAMESERVER 1", "Address"), QStringLiteral("10.0.0.2"));
    EXPECT_EQ(read("GAMESERVER 1", "Port"), QStringLiteral("27016"));
    EXPECT_EQ(read("GAMESERVER 2", "Address"), QStringLiteral("DEF"));

    // Writing to the section the typo meant adds a real one at the end, and keeps the typo's line.
    ASSERT_TRUE(write("GAMESERVER 2", "Name", QStringLiteral("two")));
    EXPECT_EQ(bytes(), QByteArray("[GAMESERVER 1]\r\nName=one\r\n[GAMESERVER 2\r\nAddress=10.0.0.2\r\nPort=27016\r\n"
                                  "[GAMESERVER 2]\r\nName=two\r\n"));
    ASSERT_TRUE(write("GAMESERVER 1", "Port", QStringLiteral("1")));
    EXPECT_EQ(read("GAMESERVER 1", "Port"), QStringLiteral("1"));
    EXPECT_EQ(read("GAMESERVER 2", "Name"), QStringLiteral("two"));
}

TEST_F(ProfileFileTest, LeadingControlBlanksOfAWrittenValueAreDropped)
{
    ASSERT_TRUE(write("S", "k", QStringLiteral("\v\f") + QChar(0x1A) + QStringLiteral(" \tvalue \v x")));
    EXPECT_EQ(bytes(), QByteArray("[S]\r\nk=value \v x\r\n"));
    EXPECT_EQ(read("S", "k"), QStringLiteral("value \v x"));
}

TEST_F(ProfileFileTest, ChangesThatCouldNotHaveBeenWrittenReportFailure)
{
    const QString inMissingFolder = m_dir.filePath(QStringLiteral("missing/x.ini"));
    EXPECT_FALSE(ProfileFile::deleteSection(inMissingFolder, QStringLiteral("S")));
    EXPECT_TRUE(ProfileFile::deleteSection(path(), QStringLiteral("S"))) << "missing file, folder there";
    EXPECT_FALSE(QFileInfo::exists(path()));

    setBytes("[S]\r\nk=v\r\n");
    EXPECT_TRUE(write("S", "k", QStringLiteral("v")));
    EXPECT_TRUE(ProfileFile::deleteSection(path(), QStringLiteral("missing")));
    ASSERT_TRUE(QFile::setPermissions(path(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    EXPECT_FALSE(write("S", "k", QStringLiteral("v"))) << "the same value, but a read-only file";
    EXPECT_FALSE(ProfileFile::deleteSection(path(), QStringLiteral("missing")));
    EXPECT_EQ(bytes(), QByteArray("[S]\r\nk=v\r\n"));
}

// The permission bits of the file's mode, without what Qt adds about the user running this.
QFile::Permissions modeOf(const QString &path)
{
    return QFile::permissions(path) & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
}

// The administrator may write anything the mode forbids; the write must still honour the mode, so
// these checks look at the file's bits and bytes, never at what the writer may do.
TEST_F(ProfileFileTest, AFileAnotherProgramHasOpenForReadingIsStillWritten)
{
    // An editor or a viewer keeps the file open; on Windows that forbids replacing it by a
    // rename (the C runtime shares reading and writing, not deleting).
    setBytes("[S]\r\nk=v\r\n");
    std::FILE *reader = std::fopen(QFile::encodeName(path()).constData(), "rb");
    ASSERT_NE(reader, nullptr);
    EXPECT_TRUE(write("S", "k", QStringLiteral("while open")));
    EXPECT_TRUE(write("T", "new", QStringLiteral("1")));
    std::fclose(reader);
    EXPECT_EQ(bytes(), QByteArray("[S]\r\nk=while open\r\n[T]\r\nnew=1\r\n"));
}

TEST_F(ProfileFileTest, AReadOnlyFileIsNeitherReplacedNorChanged)
{
    setBytes("[S]\r\nk=v\r\n");
    const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    ASSERT_TRUE(QFile::setPermissions(path(), readOnly));
    EXPECT_FALSE(write("S", "k", QStringLiteral("changed")));
    EXPECT_FALSE(write("T", "new", QStringLiteral("1")));
    EXPECT_FALSE(ProfileFile::deleteSection(path(), QStringLiteral("S")));
    EXPECT_EQ(bytes(), QByteArray("[S]\r\nk=v\r\n"));
    EXPECT_EQ(modeOf(path()), readOnly);
}

TEST_F(ProfileFileTest, AReplacedFileKeepsItsPermissionBits)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << "Windows keeps no group or other bits, only the read-only attribute";
#endif
    setBytes("[S]\r\nk=v\r\n");
    // The group may write, the owner may not: nothing may give the owner the right on the way.
    for (const QFile::Permissions mode : {QFile::ReadOwner | QFile::WriteOwner,
                                          QFile::ReadOwner | QFile::ReadGroup | QFile::WriteGroup,
                                          QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther}) {
        ASSERT_TRUE(QFile::setPermissions(path(), mode));
        const QString value = QString::number(int(mode));
        ASSERT_TRUE(write("S", "k", value));
        EXPECT_EQ(bytes(), "[S]\r\nk=" + value.toLatin1() + "\r\n");
        EXPECT_EQ(modeOf(path()), mode);
    }
}

TEST_F(ProfileFileTest, AFileReplacedByTheAdministratorKeepsItsOwner)
{
    setBytes("[S]\r\nk=v\r\n");
    const QString owner = QStringLiteral("65534:65534");
    if (QProcess::execute(QStringLiteral("chown"), {owner, path()}) != 0 || QFileInfo(path()).ownerId() != 65534)
        GTEST_SKIP() << "only the administrator can give a file away";
    ASSERT_TRUE(write("S", "k", QStringLiteral("w")));
    EXPECT_EQ(bytes(), QByteArray("[S]\r\nk=w\r\n"));
    EXPECT_EQ(QFileInfo(path()).ownerId(), 65534u);
    EXPECT_EQ(QFileInfo(path()).groupId(), 65534u);
}

// A folder where no file can be made, holding a writable settings file. Its mode keeps an ordinary
// user out; the administrator ignores the mode, so for it the folder is made immutable instead.
class ClosedFolder
{
public:
    explicit ClosedFolder(const QString &folder)
        : m_folder(folder)
    {
        const auto open = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
        QFile::setPermissions(m_folder, QFile::ReadOwner | QFile::ExeOwner);
        QFile probe(QDir(m_folder).filePath(QStringLiteral("probe")));
        if (!probe.open(QIODevice::WriteOnly)) {
            m_closed = true;
            return;
        }
        probe.remove();
        QFile::setPermissions(m_folder, open);
        m_immutable = QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), m_folder}) == 0;
        m_closed = m_immutable;
    }
    ~ClosedFolder()
    {
        if (m_immutable)
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), m_folder});
        QFile::setPermissions(m_folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    bool closed() const { return m_closed; }

private:
    QString m_folder;
    bool m_closed = false;
    bool m_immutable = false;
};

TEST_F(ProfileFileTest, AWritableFileInAFolderClosedToNewFilesIsWrittenInPlace)
{
    ASSERT_TRUE(write("S", "k", QStringLiteral("before")));
    ASSERT_TRUE(write("T", "x", QStringLiteral("1")));
    const ClosedFolder folder(m_dir.path());
    if (!folder.closed())
        GTEST_SKIP() << "no way to close a folder to new files here (neither its mode nor chattr)";
    EXPECT_TRUE(write("S", "k", QStringLiteral("after")));
    EXPECT_TRUE(ProfileFile::deleteSection(path(), QStringLiteral("T")));
    EXPECT_EQ(bytes(), QByteArray("[S]\r\nk=after\r\n"));
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("test.ini")});
    EXPECT_FALSE(ProfileFile::writeString(m_dir.filePath(QStringLiteral("new.ini")), QStringLiteral("S"),
                                          QStringLiteral("k"), QStringLiteral("v")))
        << "a new file cannot be made there at all";
}

TEST_F(ProfileFileTest, AnInPlaceWriteTheDiskRefusesLeavesTheFileWhole)
{
    QByteArray servers;
    for (int n = 1; n <= 600; ++n)
        servers += "[GAMESERVER " + QByteArray::number(n) + "]\r\nName=Server " + QByteArray::number(n)
                   + "\r\nAddress=10.0.0." + QByteArray::number(n % 250) + "\r\nPort=27015\r\n";
    setBytes(servers);
    if (QStandardPaths::findExecutable(QStringLiteral("prlimit")).isEmpty())
        GTEST_SKIP() << "prlimit is needed to limit the size of a file a process writes";
    const ClosedFolder folder(m_dir.path());
    if (!folder.closed())
        GTEST_SKIP() << "no way to close a folder to new files here (neither its mode nor chattr)";
    // The file may not grow past its size, in blocks of 4096 bytes.
    const QString limit = QString::number((servers.size() / 4096 + 1) * 4096);
    const QStringList longer = {QStringLiteral("GAMESERVER 1"), QStringLiteral("Name"), QString(4096, u'n')};
    EXPECT_NE(writeFromOtherProcess(path(), longer, limit), 0);
    EXPECT_EQ(bytes(), servers);

    // Within the limit the same way of writing puts the whole change in, and cuts what is left.
    const QStringList shorter = {QStringLiteral("GAMESERVER 1"), QStringLiteral("Name"), QStringLiteral("S")};
    EXPECT_EQ(writeFromOtherProcess(path(), shorter, limit), 0);
    EXPECT_EQ(bytes(), QByteArray(servers).replace("Name=Server 1\r\n", "Name=S\r\n"));
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("test.ini")});
}

} // namespace
