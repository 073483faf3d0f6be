#include "platform/ProfileFile.h"

#include "platform/FileStamp.h"
#include "platform/TextCodec.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QSaveFile>

#include <atomic>
#include <optional>
#include <vector>

namespace ProfileFile {

namespace {

enum class Ending : quint8 { None, Lf, Cr, CrLf };

// One line of the file without its terminator; the terminator is kept apart so untouched lines
// are written back byte for byte. A line read from the file refers to the file's bytes, which
// every copy of its document keeps alive; a line a change made holds its own text.
struct Line
{
    QByteArray text;
    Ending ending = Ending::None;
};

// The lines before the first header form a section without a header. Every other section starts
// with its header line, and none of its later lines is a header.
using Lines = std::vector<Line>;

struct Section
{
    QByteArray name;
    bool hasHeader = false;
    Lines lines;
};

QByteArrayView endingBytes(Ending ending)
{
    switch (ending) {
    case Ending::Lf:
        return "\n";
    case Ending::Cr:
        return "\r";
    case Ending::CrLf:
        return "\r\n";
    case Ending::None:
        break;
    }
    return {};
}

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

// Names compare without regard to the case of ASCII and Latin-1 letters; every other byte stands
// for itself, so a folded name is as long as the name.
uchar folded(uchar c)
{
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return uchar(c + 0x20);
    return c;
}

QByteArray foldedName(QByteArrayView name)
{
    QByteArray result(name.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < name.size(); ++i)
        result[i] = char(folded(uchar(name[i])));
    return result;
}

bool sameName(QByteArrayView a, QByteArrayView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (folded(uchar(a[i])) != folded(uchar(b[i])))
            return false;
    }
    return true;
}

// A section header's name, or nothing when the line is no header. A line that opens a bracket
// and never closes it is no header, so a typo there does not swallow the entries below it.
std::optional<QByteArrayView> headerName(QByteArrayView line)
{
    const QByteArrayView t = trimmed(line);
    if (!t.startsWith('['))
        return std::nullopt;
    const qsizetype close = t.lastIndexOf(']');
    if (close < 0)
        return std::nullopt;
    return trimmed(t.sliced(1, close - 1));
}

struct Entry
{
    QByteArrayView key;
    QByteArrayView rawValue;
};

std::optional<Entry> entryOf(QByteArrayView line)
{
    const qsizetype eq = line.indexOf('=');
    if (eq < 0 || headerName(line))
        return std::nullopt;
    return Entry{trimmed(line.first(eq)), trimmed(line.sliced(eq + 1))};
}

QByteArrayView unquoted(QByteArrayView value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.sliced(1, value.size() - 2);
    return value;
}

// The bytes a value is stored as: Windows-1252 where every character fits, so old files' bytes come
// back one for one, UTF-8 otherwise.
QByteArray toFileBytes(const QString &text)
{
    return TextCodec::encode(text);
}

// What a read returns, at most as many bytes as the original's 255-byte buffer held, cut between
// characters.
QString fromFileBytes(QByteArrayView bytes)
{
    return TextCodec::decodePrefix(bytes, maxValueLength);
}

QByteArray nameBytes(const QString &name)
{
    const QByteArray bytes = name.toLatin1();
    const QByteArrayView kept = trimmed(bytes);
    return kept.size() == bytes.size() ? bytes : kept.toByteArray();
}

// CR, LF and NUL would end the line early, so they become blanks; leading blanks are dropped,
// as a read would drop them anyway.
QByteArray valueBytes(const QString &value)
{
    QByteArray bytes = toFileBytes(value);
    for (char &c : bytes) {
        if (c == '\r' || c == '\n' || c == '\0')
            c = ' ';
    }
    qsizetype lead = 0;
    while (lead < bytes.size() && isBlank(bytes[lead]))
        ++lead;
    return lead == 0 ? bytes : bytes.sliced(lead);
}

bool hasLineBreak(QByteArrayView text)
{
    return text.contains('\r') || text.contains('\n');
}

} // namespace

// The file parsed into sections, with the first section of every name found by its folded name.
struct detail::Document
{
    bool exists = false;
    QByteArray source;
    std::vector<Section> sections{Section{}};
    // Built once for a file with many sections, on the first look-up or before a batch copies the
    // kept image; a short file is searched in order.
    mutable QHash<QByteArray, qsizetype> index;
    mutable bool indexed = false;
    // The last name looked up and where it was: a record's keys are read and written one after
    // another in the same section. Forgotten whenever a section comes or goes.
    mutable QByteArray lastName;
    mutable qsizetype lastAt = -2;
    static constexpr std::size_t searchedInOrder = 32;

    /// `data` must own its bytes (not be raw data): the lines refer to them.
    static Document parse(const QByteArray &data, bool exists)
    {
        Document document;
        document.exists = exists;
        document.source = data;
        document.sections.reserve(std::size_t(data.count('[')) + 1);
        const char *const bytes = document.source.constData();
        const qsizetype n = data.size();
        const QByteArrayView all(bytes, n);
        const auto next = [&all, n](char c, qsizetype from) {
            const qsizetype at = all.indexOf(c, from);
            return at < 0 ? n : at;
        };
        // Where the next CR and the next LF lie, each looked for again only once passed.
        qsizetype nextCr = -1;
        qsizetype nextLf = -1;
        qsizetype start = 0;
        while (start < n) {
            if (nextCr < start)
                nextCr = next('\r', start);
            if (nextLf < start)
                nextLf = next('\n', start);
            qsizetype i = std::min(nextCr, nextLf);
            Line line{QByteArray::fromRawData(bytes + start, i - start), Ending::None};
            if (i < n) {
                const bool crlf = bytes[i] == '\r' && i + 1 < n && bytes[i + 1] == '\n';
                line.ending = crlf ? Ending::CrLf : bytes[i] == '\r' ? Ending::Cr : Ending::Lf;
                i += crlf ? 2 : 1;
            }
            start = i;
            if (const auto name = headerName(line.text)) {
                document.sections.push_back(Section{QByteArray::fromRawData(name->data(), name->size()), true, {}});
                // Room for a record's header and three keys at once.
                document.sections.back().lines.reserve(4);
            }
            document.sections.back().lines.push_back(std::move(line));
        }
        return document;
    }

    QByteArray bytes() const
    {
        qsizetype size = 0;
        for (const Section &section : sections) {
            for (const Line &line : section.lines)
                size += line.text.size() + 2;
        }
        QByteArray data;
        data.reserve(size);
        for (const Section &section : sections) {
            for (const Line &line : section.lines) {
                data += line.text;
                data += endingBytes(line.ending);
            }
        }
        return data;
    }

    void reindex() const
    {
        indexed = true;
        index.clear();
        index.reserve(qsizetype(sections.size()));
        for (qsizetype i = 1; i < qsizetype(sections.size()); ++i) {
            const QByteArray key = foldedName(sections[std::size_t(i)].name);
            if (!index.contains(key))
                index.insert(key, i);
        }
    }

    void indexIfLong() const
    {
        if (!indexed && sections.size() > searchedInOrder)
            reindex();
    }

    // Where the first section of this name lies, or -1.
    qsizetype sectionAt(const QByteArray &name) const
    {
        if (lastAt != -2 && name == lastName)
            return lastAt;
        lastName = name;
        lastAt = lookUp(name);
        return lastAt;
    }

    qsizetype lookUp(QByteArrayView name) const
    {
        if (sections.size() <= searchedInOrder) {
            for (std::size_t i = 1; i < sections.size(); ++i) {
                if (sameName(sections[i].name, name))
                    return qsizetype(i);
            }
            return -1;
        }
        indexIfLong();
        return index.value(foldedName(name), -1);
    }

    const Section *find(const QByteArray &name) const
    {
        const qsizetype at = sectionAt(name);
        return at < 0 ? nullptr : &sections[std::size_t(at)];
    }

    static std::optional<qsizetype> findKey(const Section &section, QByteArrayView key)
    {
        for (qsizetype i = section.hasHeader ? 1 : 0; i < qsizetype(section.lines.size()); ++i) {
            const auto entry = entryOf(section.lines[std::size_t(i)].text);
            if (entry && sameName(entry->key, key))
                return i;
        }
        return std::nullopt;
    }

    QString read(const QString &section, const QString &key, const QString &defaultValue) const
    {
        if (const Section *found = find(nameBytes(section))) {
            if (const auto at = findKey(*found, nameBytes(key))) {
                const auto entry = entryOf(found->lines[std::size_t(*at)].text);
                return fromFileBytes(unquoted(entry->rawValue));
            }
        }
        QByteArray value = toFileBytes(defaultValue);
        while (value.endsWith(' '))
            value.chop(1);
        return fromFileBytes(value);
    }

    Line *lastLine()
    {
        for (auto section = sections.rbegin(); section != sections.rend(); ++section) {
            if (!section->lines.empty())
                return &section->lines.back();
        }
        return nullptr;
    }

    // A line this program made reads back as what it was made for. Names or values that would
    // not (a key with '=' in it, a key and value that look like a header, a name with a line
    // break) leave the file as the same calls always did, and the image is parsed from those bytes.
    void keepConsistent(QByteArrayView made, QByteArrayView key)
    {
        const auto entry = entryOf(made);
        if (hasLineBreak(made) || !entry || entry->key != key)
            *this = parse(bytes(), exists);
    }

    /// Whether the change needs the file written.
    bool write(const QString &sectionText, const QString &keyText, const QString &valueText)
    {
        const QByteArray sectionName = nameBytes(sectionText);
        const QByteArray keyName = nameBytes(keyText);
        const QByteArray newValue = valueBytes(valueText);

        const qsizetype at = sectionAt(sectionName);
        if (at < 0) {
            if (Line *last = lastLine(); last && last->ending == Ending::None)
                last->ending = Ending::CrLf;
            const QByteArray header = '[' + sectionName + ']';
            const QByteArray entry = keyName + '=' + newValue;
            sections.push_back(Section{sectionName, true, {{header, Ending::CrLf}, {entry, Ending::CrLf}}});
            lastAt = -2;
            if (indexed)
                index.insert(foldedName(sectionName), qsizetype(sections.size()) - 1);
            if (hasLineBreak(header) || headerName(header) != QByteArrayView(sectionName))
                *this = parse(bytes(), exists);
            else
                keepConsistent(entry, keyName);
            return true;
        }

        Section &section = sections[std::size_t(at)];
        if (const auto keyLine = findKey(section, keyName)) {
            Line &line = section.lines[std::size_t(*keyLine)];
            const Entry entry = *entryOf(line.text);
            if (entry.rawValue == newValue && exists)
                return false;
            const QByteArray key = entry.key.toByteArray();
            line.text = key + '=' + newValue;
            line.ending = Ending::CrLf;
            keepConsistent(line.text, key);
            return true;
        }

        // A new key follows the section's last non-blank line, so a blank line that separates
        // it from the next section stays where it is.
        Lines &lines = section.lines;
        qsizetype insertAt = qsizetype(lines.size());
        while (insertAt - 1 > 0 && trimmed(lines[std::size_t(insertAt - 1)].text).isEmpty())
            --insertAt;
        if (lines[std::size_t(insertAt - 1)].ending == Ending::None)
            lines[std::size_t(insertAt - 1)].ending = Ending::CrLf;
        const QByteArray entry = keyName + '=' + newValue;
        lines.insert(lines.begin() + insertAt, Line{entry, Ending::CrLf});
        keepConsistent(entry, keyName);
        return true;
    }

    /// Whether the change needs the file written.
    bool remove(const QString &sectionText)
    {
        const qsizetype at = sectionAt(nameBytes(sectionText));
        if (!exists || at < 0)
            return false;
        sections.erase(sections.begin() + at);
        indexed = false;
        lastAt = -2;
        return true;
    }
};

namespace {

using detail::Document;

std::atomic<quint64> writesMade{0};

// The image of the file last read or written, and the stamp the file had then.
struct Cache
{
    QMutex mutex;
    bool enabled = true;
    QString path;
    FileStamp::Stamp stamp;
    std::optional<Document> document;
};

Cache &cache()
{
    static Cache instance;
    return instance;
}

Document readDocument(const QString &path)
{
    QFile file(path);
    const bool opened = file.open(QIODevice::ReadOnly);
    return Document::parse(opened ? file.readAll() : QByteArray(), opened);
}

// Calls `use` with the file as it is on the disk now, from the kept image while the file's stamp
// has not moved since it was taken.
template<typename Use>
auto withDocument(const QString &path, Use use)
{
    Cache &kept = cache();
    const QMutexLocker lock(&kept.mutex);
    if (!kept.enabled) {
        const Document fresh = readDocument(path);
        return use(fresh);
    }
    const FileStamp::Stamp now = FileStamp::of(path);
    if (!kept.document || kept.path != path || kept.stamp != now) {
        Document fresh = readDocument(path);
        // Kept only when nothing changed the file while it was read.
        if (FileStamp::of(path) != now) {
            kept.document.reset();
            const Document &unkept = fresh;
            return use(unkept);
        }
        kept.path = path;
        kept.stamp = now;
        kept.document = std::move(fresh);
    }
    return use(std::as_const(*kept.document));
}

void remember(const QString &path, const Document &document)
{
    Cache &kept = cache();
    const QMutexLocker lock(&kept.mutex);
    if (!kept.enabled)
        return;
    kept.path = path;
    kept.stamp = FileStamp::of(path);
    kept.document = document;
}

// The permission bits as the file's mode holds them. Qt adds what this user may do (the "User"
// flags), which for the administrator includes writing, and would make a read-only file
// writable when it is put back.
QFile::Permissions modeBits(QFile::Permissions permissions)
{
    return permissions
           & (QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::WriteGroup
              | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther);
}

bool writeInPlace(const QString &path, const QByteArray &data)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(data) == data.size() && file.flush();
}

bool writeFile(const QString &path, const QByteArray &data)
{
    const QFileInfo existing(path);
    const bool exists = existing.exists();
    // The rename below would put a new file in the place of a read-only one.
    if (exists && FileStamp::isReadOnly(path))
        return false;
    const QFile::Permissions permissions = modeBits(existing.permissions());
    // QSaveFile writes beside the target and renames over it, so a crash or a full disk
    // leaves either the old file or the new one, never half of either.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        // No new file can be made in the folder (a read-only folder holding a writable file):
        // writing the file in place is the only way left to keep the change.
        return exists && writeInPlace(path, data);
    }
    if (exists) {
        file.setPermissions(permissions);
        FileStamp::keepOwner(file.handle(), path);
    }
    if (file.write(data) != data.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

// Whether a change could have been written: the file writable, or a missing file's folder there.
bool couldWrite(const QString &path, bool exists)
{
    return exists ? !FileStamp::isReadOnly(path) : QFileInfo(path).absoluteDir().exists();
}

} // namespace

Batch::Batch(QString path)
    : m_path(std::move(path))
    , m_document(std::make_unique<Document>(withDocument(m_path, [](const Document &document) {
        // Indexed before it is copied: the kept image then holds the index, and every batch
        // taken from it shares that one instead of building its own.
        document.indexIfLong();
        return document;
    })))
{
}

Batch::Batch(QString path, std::unique_ptr<Document> document)
    : m_path(std::move(path))
    , m_document(std::move(document))
{
}

Batch::~Batch() = default;
Batch::Batch(Batch &&) noexcept = default;
Batch &Batch::operator=(Batch &&) noexcept = default;

Batch Batch::overBytes(const QByteArray &bytes)
{
    // A copy of its own: the bytes handed in may be raw data that goes away.
    const QByteArray owned(bytes.constData(), bytes.size());
    return Batch(QString(), std::make_unique<Document>(Document::parse(owned, true)));
}

QByteArray Batch::bytes() const
{
    return m_document->bytes();
}

QString Batch::readString(const QString &section, const QString &key, const QString &defaultValue) const
{
    return m_document->read(section, key, defaultValue);
}

void Batch::writeString(const QString &section, const QString &key, const QString &value)
{
    m_changed = m_document->write(section, key, value) || m_changed;
}

void Batch::deleteSection(const QString &section)
{
    m_changed = m_document->remove(section) || m_changed;
}

bool Batch::commit()
{
    if (m_path.isEmpty())
        return false;
    if (!m_changed)
        return couldWrite(m_path, m_document->exists);
    if (!writeFile(m_path, m_document->bytes()))
        return false;
    ++writesMade;
    m_changed = false;
    m_document->exists = true;
    remember(m_path, *m_document);
    return true;
}

QString readString(const QString &path, const QString &section, const QString &key, const QString &defaultValue)
{
    return withDocument(path, [&](const Document &document) { return document.read(section, key, defaultValue); });
}

bool writeString(const QString &path, const QString &section, const QString &key, const QString &value)
{
    Batch batch(path);
    batch.writeString(section, key, value);
    return batch.commit();
}

bool deleteSection(const QString &path, const QString &section)
{
    Batch batch(path);
    batch.deleteSection(section);
    return batch.commit();
}

quint64 fileWrites()
{
    return writesMade;
}

void setCaching(bool enabled)
{
    Cache &kept = cache();
    const QMutexLocker lock(&kept.mutex);
    kept.enabled = enabled;
}

} // namespace ProfileFile
