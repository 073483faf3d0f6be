// The settings file's parser and its changes on bytes in memory, so the fuzzer spends its time in
// them and not on the disk. Any bytes must parse and give themselves back; a write must read back
// and leave other keys alone; and the image a change leaves must read like its own bytes parsed
// afresh, which is what lets the program keep the parsed file between calls. Changes made again
// over other bytes (as a commit does over a file another program changed) must leave what the same
// calls made over those bytes leave.
#include "FileBlanks.h"
#include "platform/settingsfile/ProfileFile.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdlib>

namespace {

void expectSameReads(const ProfileFile::Batch &a, const ProfileFile::Batch &b, const QString &section,
                     const QString &key)
{
    const QString fallback = QStringLiteral("\x01");
    if (a.readString(section, key, fallback) != b.readString(section, key, fallback))
        std::abort();
    const QString name = QStringLiteral("GAMESERVER 1");
    const QString nameKey = QStringLiteral("Name");
    if (a.readString(name, nameKey, fallback) != b.readString(name, nameKey, fallback))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    ProfileFile::Batch image = ProfileFile::Batch::overBytes(bytes);
    if (image.bytes() != bytes)
        std::abort();

    // Names and a value taken from the input itself, so the fuzzer can aim at what the file holds.
    const qsizetype third = bytes.size() / 3;
    const QString section = QString::fromLatin1(bytes.first(std::min<qsizetype>(third, 12)));
    const QString key = QString::fromLatin1(bytes.sliced(third, std::min<qsizetype>(third, 8)));
    const QString value = QString::fromLatin1(bytes.sliced(2 * third, std::min<qsizetype>(third, 40)));

    const QString nameKey = QStringLiteral("Name");
    const QString other = image.readString(QStringLiteral("GAMESERVER 1"), nameKey, QStringLiteral("none"));
    if (other.size() > ProfileFile::maxValueLength)
        std::abort();

    const QString cleanSection = trimmedBlanks(section);
    const QString cleanKey = trimmedBlanks(key);
    const bool nameable = !cleanSection.isEmpty() && !cleanKey.isEmpty() && !cleanSection.contains(QLatin1Char(']'))
                          && !cleanKey.contains(QLatin1Char('=')) && !cleanKey.startsWith(QLatin1Char('['));
    bool plain = true;
    for (QChar c : cleanSection + cleanKey + value)
        plain = plain && c.unicode() >= 0x20 && c.unicode() != 0x7F && c != QLatin1Char('"') && c != QLatin1Char('\'');

    image.writeString(section, key, value);
    if (nameable && plain) {
        const QString expected = trimmedBlanks(value).left(ProfileFile::maxValueLength);
        if (image.readString(cleanSection, cleanKey, QStringLiteral("\x01")) != expected)
            std::abort();
        if (image.readString(QStringLiteral("GAMESERVER 1"), nameKey, QStringLiteral("none")) != other
            && QString::compare(cleanSection, QStringLiteral("GAMESERVER 1"), Qt::CaseInsensitive) != 0)
            std::abort();
    }
    ProfileFile::Batch reparsed = ProfileFile::Batch::overBytes(image.bytes());
    expectSameReads(image, reparsed, section, key);

    image.deleteSection(section);
    reparsed.deleteSection(section);
    if (image.bytes() != reparsed.bytes())
        std::abort();

    // The other program's file: the input's thirds in another order, so its sections and keys
    // are the ones the changes aim at, elsewhere.
    const QByteArray edited = bytes.sliced(third) + bytes.first(third);
    image.writeString(key, section, value);
    image.reapplyOver(edited);
    ProfileFile::Batch direct = ProfileFile::Batch::overBytes(edited);
    direct.writeString(section, key, value);
    direct.deleteSection(section);
    direct.writeString(key, section, value);
    if (image.bytes() != direct.bytes())
        std::abort();
    expectSameReads(image, direct, key, section);
    return 0;
}
