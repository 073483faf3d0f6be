#include "platform/ProfileFile.h"

#include "platform/TextCodec.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QSaveFile>

#include <list>
#include <optional>
#include <vector>

namespace ProfileFile {

namespace {

// One line of the file, kept with its own terminator so untouched lines are written back
// byte for byte. Both point into the bytes read from the file, or into text a change made;
// the file is read on every call, so nothing is copied that the call does not change.
struct Line
{
    QByteArrayView text;
    QByteArrayView ending;
};

// The file's bytes, its lines, and the text of any line a change has made.
struct Document
{
    QByteArray data;
    std::vector<Line> lines;
    std::list<QByteArray> madeText;

    QByteArrayView keep(QByteArray text)
    {
        madeText.push_back(std::move(text));
        return madeText.back();
    }
};

bool isBlank(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return u == ' ' || u == '\t' || (u >= 0x0A && u <= 0x0D) || u == 0x1A;
}

QByteArrayView trimmed(QByteArrayView s)
{
    qsizetype begin = 0;
    qsizetype end = s.size();
    while (begin < end && isBlank(s[begin]))
        ++begin;
    while (end > begin && isBlank(s[end - 1]))
        --end;
    return s.sliced(begin, end - begin);
}

bool sameName(QByteArrayView a, QByteArrayView b)
{
    // One byte is one character, and case folding keeps every Latin-1 character one character
    // long, so names of different lengths never match.
    return a.size() == b.size()
           && QLatin1String(a.data(), a.size()).compare(QLatin1String(b.data(), b.size()), Qt::CaseInsensitive)
                  == 0;
}

void splitLines(Document &document)
{
    const char *const data = document.data.constData();
    const qsizetype n = document.data.size();
    std::vector<Line> &lines = document.lines;
    lines.reserve(std::size_t(n / 16 + 1));
    qsizetype start = 0;
    while (start < n) {
        qsizetype i = start;
        while (i < n && data[i] != '\r' && data[i] != '\n')
            ++i;
        Line line{QByteArrayView(data + start, i - start), {}};
        if (i < n) {
            const qsizetype endLength = (data[i] == '\r' && i + 1 < n && data[i + 1] == '\n') ? 2 : 1;
            line.ending = QByteArrayView(data + i, endLength);
            i += endLength;
        }
        lines.push_back(line);
        start = i;
    }
}

// A section header's name, or nothing when the line is no header.
std::optional<QByteArrayView> headerName(const Line &line)
{
    const QByteArrayView t = trimmed(line.text);
    if (!t.startsWith('['))
        return std::nullopt;
    const qsizetype close = t.lastIndexOf(']');
    const QByteArrayView name = close > 0 ? t.sliced(1, close - 1) : t.sliced(1);
    return trimmed(name);
}

struct Entry
{
    QByteArrayView key;
    QByteArrayView rawValue;
};

std::optional<Entry> entryOf(const Line &line)
{
    const qsizetype eq = line.text.indexOf('=');
    if (eq < 0 || headerName(line))
        return std::nullopt;
    return Entry{trimmed(line.text.first(eq)), trimmed(line.text.sliced(eq + 1))};
}

// Where a section lies: its header line and one past its last line.
struct SectionSpan
{
    qsizetype header = -1;
    qsizetype end = -1;
};

std::optional<SectionSpan> findSection(const std::vector<Line> &lines, QByteArrayView section)
{
    for (qsizetype i = 0; i < qsizetype(lines.size()); ++i) {
        const auto name = headerName(lines[std::size_t(i)]);
        if (!name || !sameName(*name, section))
            continue;
        qsizetype end = i + 1;
        while (end < qsizetype(lines.size()) && !headerName(lines[std::size_t(end)]))
            ++end;
        return SectionSpan{i, end};
    }
    return std::nullopt;
}

std::optional<qsizetype> findKey(const std::vector<Line> &lines, const SectionSpan &span, QByteArrayView key)
{
    for (qsizetype i = span.header + 1; i < span.end; ++i) {
        const auto entry = entryOf(lines[std::size_t(i)]);
        if (entry && sameName(entry->key, key))
            return i;
    }
    return std::nullopt;
}

QByteArrayView unquoted(QByteArrayView value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.sliced(1, value.size() - 2);
    return value;
}

QByteArray readFile(const QString &path, bool *exists = nullptr)
{
    QFile file(path);
    const bool opened = file.open(QIODevice::ReadOnly);
    if (exists)
        *exists = opened;
    return opened ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const std::vector<Line> &lines)
{
    QByteArray data;
    qsizetype size = 0;
    for (const Line &line : lines)
        size += line.text.size() + line.ending.size();
    data.reserve(size);
    for (const Line &line : lines) {
        data += line.text;
        data += line.ending;
    }
    // QSaveFile writes beside the target and renames over it, so a crash or a full disk
    // leaves either the old file or the new one, never half of either.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(data) != data.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QByteArray nameBytes(const QString &name)
{
    return trimmed(name.toLatin1()).toByteArray();
}

QByteArray valueBytes(const QString &value)
{
    // CR, LF and NUL are bytes of their own in either encoding, never part of another character.
    QByteArray bytes = TextCodec::encode(value);
    for (char &c : bytes) {
        if (c == '\r' || c == '\n' || c == '\0')
            c = ' ';
    }
    qsizetype lead = 0;
    while (lead < bytes.size() && (bytes[lead] == ' ' || bytes[lead] == '\t'))
        ++lead;
    return bytes.sliced(lead);
}

const QByteArray crlf = QByteArrayLiteral("\r\n");

} // namespace

QString readString(const QString &path, const QString &section, const QString &key, const QString &defaultValue)
{
    QByteArray value;
    Document document{readFile(path), {}, {}};
    splitLines(document);
    const std::vector<Line> &lines = document.lines;
    const auto span = findSection(lines, nameBytes(section));
    const auto keyLine = span ? findKey(lines, *span, nameBytes(key)) : std::nullopt;
    if (keyLine) {
        value = unquoted(entryOf(lines[std::size_t(*keyLine)])->rawValue).toByteArray();
    } else {
        value = TextCodec::encode(defaultValue);
        while (value.endsWith(' '))
            value.chop(1);
    }
    return TextCodec::decodePrefix(value, maxValueLength);
}

bool writeString(const QString &path, const QString &section, const QString &key, const QString &value)
{
    bool exists = false;
    Document document{readFile(path, &exists), {}, {}};
    splitLines(document);
    std::vector<Line> &lines = document.lines;
    const QByteArray sectionName = nameBytes(section);
    const QByteArray keyName = nameBytes(key);
    const QByteArray newValue = valueBytes(value);

    const auto span = findSection(lines, sectionName);
    if (!span) {
        if (!lines.empty() && lines.back().ending.isEmpty())
            lines.back().ending = crlf;
        lines.push_back({document.keep('[' + sectionName + ']'), crlf});
        lines.push_back({document.keep(keyName + '=' + newValue), crlf});
        return writeFile(path, lines);
    }

    if (const auto keyLine = findKey(lines, *span, keyName)) {
        Line &line = lines[std::size_t(*keyLine)];
        const Entry entry = *entryOf(line);
        if (entry.rawValue == newValue && exists)
            return true;
        line.text = document.keep(entry.key.toByteArray() + '=' + newValue);
        line.ending = crlf;
        return writeFile(path, lines);
    }

    // A new key follows the section's last non-blank line, so a blank line that separates
    // it from the next section stays where it is.
    qsizetype insertAt = span->end;
    while (insertAt - 1 > span->header && trimmed(lines[std::size_t(insertAt - 1)].text).isEmpty())
        --insertAt;
    if (lines[std::size_t(insertAt - 1)].ending.isEmpty())
        lines[std::size_t(insertAt - 1)].ending = crlf;
    lines.insert(lines.begin() + insertAt, {document.keep(keyName + '=' + newValue), crlf});
    return writeFile(path, lines);
}

bool deleteSection(const QString &path, const QString &section)
{
    bool exists = false;
    Document document{readFile(path, &exists), {}, {}};
    splitLines(document);
    std::vector<Line> &lines = document.lines;
    const auto span = findSection(lines, nameBytes(section));
    if (!exists || !span)
        return true;
    lines.erase(lines.begin() + span->header, lines.begin() + span->end);
    return writeFile(path, lines);
}

} // namespace ProfileFile
