#include "platform/ProfileFile.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QSaveFile>

#include <optional>

namespace ProfileFile {

namespace {

// One line of the file, kept with its own terminator so untouched lines are written back
// byte for byte.
struct Line
{
    QByteArray text;
    QByteArray ending;
};

bool isBlank(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return u == ' ' || u == '\t' || (u >= 0x0A && u <= 0x0D) || u == 0x1A;
}

QByteArray trimmed(QByteArrayView s)
{
    qsizetype begin = 0;
    qsizetype end = s.size();
    while (begin < end && isBlank(s[begin]))
        ++begin;
    while (end > begin && isBlank(s[end - 1]))
        --end;
    return s.sliced(begin, end - begin).toByteArray();
}

bool sameName(const QByteArray &a, const QByteArray &b)
{
    return QString::fromLatin1(a).compare(QString::fromLatin1(b), Qt::CaseInsensitive) == 0;
}

QList<Line> splitLines(const QByteArray &data)
{
    QList<Line> lines;
    qsizetype start = 0;
    const qsizetype n = data.size();
    while (start < n) {
        qsizetype i = start;
        while (i < n && data[i] != '\r' && data[i] != '\n')
            ++i;
        Line line{data.sliced(start, i - start), {}};
        if (i < n) {
            const qsizetype endLength = (data[i] == '\r' && i + 1 < n && data[i + 1] == '\n') ? 2 : 1;
            line.ending = data.sliced(i, endLength);
            i += endLength;
        }
        lines.append(std::move(line));
        start = i;
    }
    return lines;
}

// A section header's name, or nothing when the line is no header.
std::optional<QByteArray> headerName(const Line &line)
{
    const QByteArray t = trimmed(line.text);
    if (!t.startsWith('['))
        return std::nullopt;
    const qsizetype close = t.lastIndexOf(']');
    const QByteArray name = close > 0 ? t.sliced(1, close - 1) : t.sliced(1);
    return trimmed(name);
}

struct Entry
{
    QByteArray key;
    QByteArray rawValue;
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

std::optional<SectionSpan> findSection(const QList<Line> &lines, const QByteArray &section)
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const auto name = headerName(lines[i]);
        if (!name || !sameName(*name, section))
            continue;
        qsizetype end = i + 1;
        while (end < lines.size() && !headerName(lines[end]))
            ++end;
        return SectionSpan{i, end};
    }
    return std::nullopt;
}

std::optional<qsizetype> findKey(const QList<Line> &lines, const SectionSpan &span, const QByteArray &key)
{
    for (qsizetype i = span.header + 1; i < span.end; ++i) {
        const auto entry = entryOf(lines[i]);
        if (entry && sameName(entry->key, key))
            return i;
    }
    return std::nullopt;
}

QByteArray unquoted(const QByteArray &value)
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

bool writeFile(const QString &path, const QList<Line> &lines)
{
    QByteArray data;
    for (const Line &line : lines)
        data += line.text + line.ending;
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
    return trimmed(name.toLatin1());
}

QByteArray valueBytes(const QString &value)
{
    QByteArray bytes = value.toLatin1();
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
    const QList<Line> lines = splitLines(readFile(path));
    const auto span = findSection(lines, nameBytes(section));
    const auto keyLine = span ? findKey(lines, *span, nameBytes(key)) : std::nullopt;
    if (keyLine) {
        value = unquoted(entryOf(lines[*keyLine])->rawValue);
    } else {
        value = defaultValue.toLatin1();
        while (value.endsWith(' '))
            value.chop(1);
    }
    return QString::fromLatin1(value.first(std::min(value.size(), maxValueLength)));
}

bool writeString(const QString &path, const QString &section, const QString &key, const QString &value)
{
    bool exists = false;
    QList<Line> lines = splitLines(readFile(path, &exists));
    const QByteArray sectionName = nameBytes(section);
    const QByteArray keyName = nameBytes(key);
    const QByteArray newValue = valueBytes(value);

    const auto span = findSection(lines, sectionName);
    if (!span) {
        if (!lines.isEmpty() && lines.back().ending.isEmpty())
            lines.back().ending = crlf;
        lines.append({'[' + sectionName + ']', crlf});
        lines.append({keyName + '=' + newValue, crlf});
        return writeFile(path, lines);
    }

    if (const auto keyLine = findKey(lines, *span, keyName)) {
        Line &line = lines[*keyLine];
        const Entry entry = *entryOf(line);
        if (entry.rawValue == newValue && exists)
            return true;
        line.text = entry.key + '=' + newValue;
        line.ending = crlf;
        return writeFile(path, lines);
    }

    // A new key follows the section's last non-blank line, so a blank line that separates
    // it from the next section stays where it is.
    qsizetype insertAt = span->end;
    while (insertAt - 1 > span->header && trimmed(lines[insertAt - 1].text).isEmpty())
        --insertAt;
    if (lines[insertAt - 1].ending.isEmpty())
        lines[insertAt - 1].ending = crlf;
    lines.insert(insertAt, {keyName + '=' + newValue, crlf});
    return writeFile(path, lines);
}

bool deleteSection(const QString &path, const QString &section)
{
    bool exists = false;
    QList<Line> lines = splitLines(readFile(path, &exists));
    const auto span = findSection(lines, nameBytes(section));
    if (!exists || !span)
        return true;
    lines.remove(span->header, span->end - span->header);
    return writeFile(path, lines);
}

} // namespace ProfileFile
