// Any file a user or a crash could leave must read without a crash, and every write must do
// exactly what it says to it: the written key reads back, the other keys do not move.
#include "FileBlanks.h"
#include "platform/settingsfile/ProfileFile.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>

#include <cstdint>
#include <cstdlib>

namespace {

const QString &path()
{
    static const QString p = QDir::temp().filePath(QStringLiteral("zib-fuzz-%1.ini").arg(QCoreApplication::applicationPid()));
    return p;
}


} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    {
        QFile file(path());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(bytes);
    }
    // Names and a value taken from the input itself, so the fuzzer can aim at what the file holds.
    const qsizetype third = bytes.size() / 3;
    const QString section = QString::fromLatin1(bytes.first(std::min<qsizetype>(third, 12)));
    const QString key = QString::fromLatin1(bytes.sliced(third, std::min<qsizetype>(third, 8)));
    const QString value = QString::fromLatin1(bytes.sliced(2 * third, std::min<qsizetype>(third, 40)));

    const QString other = ProfileFile::readString(path(), QStringLiteral("GAMESERVER 1"), QStringLiteral("Name"), QStringLiteral("none"));
    if (other.size() > ProfileFile::maxValueLength)
        std::abort();
    ProfileFile::readString(path(), section, key, value);

    const QString cleanSection = trimmedBlanks(section);
    const QString cleanKey = trimmedBlanks(key);
    const bool nameable = !cleanSection.isEmpty() && !cleanKey.isEmpty() && !cleanSection.contains(QLatin1Char(']'))
        && !cleanKey.contains(QLatin1Char('=')) && !cleanKey.startsWith(QLatin1Char('['))
        && !cleanKey.startsWith(QLatin1Char(';'));
    bool plain = true;
    for (QChar c : cleanSection + cleanKey + value)
        plain = plain && c.unicode() >= 0x20 && c.unicode() != 0x7F && c != QLatin1Char('"') && c != QLatin1Char('\'');
    if (nameable && plain && ProfileFile::writeString(path(), cleanSection, cleanKey, value)) {
        const QString expected = trimmedBlanks(value).left(ProfileFile::maxValueLength);
        if (ProfileFile::readString(path(), cleanSection, cleanKey, QStringLiteral("\x01")) != expected)
            std::abort();
        if (ProfileFile::readString(path(), QStringLiteral("GAMESERVER 1"), QStringLiteral("Name"), QStringLiteral("none"))
                != other
            && !(QString::compare(cleanSection, QStringLiteral("GAMESERVER 1"), Qt::CaseInsensitive) == 0))
            std::abort();
    }
    ProfileFile::deleteSection(path(), section);
    return 0;
}
