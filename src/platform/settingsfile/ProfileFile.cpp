#include "platform/settingsfile/ProfileFile.h"

#include "platform/settingsfile/FileStamp.h"
#include "platform/text/TextCodec.h"

#include <QCoreApplication>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QSaveFile>

#include <atomic>
#include <optional>
#include <utility>
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

enum class Encoding : quint8 { Legacy, Utf8 };

// The bytes a value is stored as: the legacy code page where every character fits, so old files' bytes come
// back one for one, UTF-8 otherwise; UTF-8 throughout where the file or the value already holds it,
// so that a file an editor keeps in UTF-8 does not end up mixing the two.
QByteArray toFileBytes(const QString &text, Encoding encoding = Encoding::Legacy)
{
    return encoding == Encoding::Utf8 ? text.toUtf8() : TextCodec::encode(text);
}

bool beyondAscii(QByteArrayView bytes)
{
    return TextCodec::detail::asciiPrefix(bytes) != bytes.size();
}

// The encoding a stored value shows, or nothing when it is ASCII and so shows none.
std::optional<Encoding> encodingOf(QByteArrayView stored)
{
    if (!beyondAscii(stored))
        return std::nullopt;
    return TextCodec::isUtf8(stored) ? Encoding::Utf8 : Encoding::Legacy;
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
QByteArray lineSafe(QByteArray bytes)
{
    for (char &c : bytes) {
        if (c == '\r' || c == '\n' || c == '\0')
            c = ' ';
    }
    qsizetype lead = 0;
    while (lead < bytes.size() && isBlank(bytes[lead]))
        ++lead;
    return lead == 0 ? bytes : bytes.sliced(lead);
}

QByteArray valueBytes(const QString &value, Encoding encoding)
{
    return lineSafe(toFileBytes(value, encoding));
}

// Bytes from elsewhere, cut as a read would cut them: what lies past that is never read back.
QByteArray rawValueBytes(const QByteArray &raw)
{
    if (raw.size() <= maxValueLength)
        return lineSafe(raw);
    const qsizetype kept =
        TextCodec::isUtf8(raw) ? TextCodec::decodePrefix(raw, maxValueLength).toUtf8().size() : maxValueLength;
    return lineSafe(raw.left(kept));
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
    // The file's stamp when these bytes were read from it; nothing when that is not known (the
    // file changed while it was read, or the bytes came from elsewhere).
    std::optional<FileStamp::Stamp> stamp;
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
    // Whether a line holds UTF-8 beyond ASCII; looked for when a value beyond ASCII is written,
    // and forgotten when such a line may have come or gone.
    mutable std::optional<bool> holdsUtf8;
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
            reparse();
    }

    Encoding fileEncoding() const
    {
        if (!holdsUtf8) {
            holdsUtf8 = false;
            for (const Section &section : sections) {
                for (const Line &line : section.lines) {
                    if (encodingOf(line.text) == Encoding::Utf8) {
                        holdsUtf8 = true;
                        return Encoding::Utf8;
                    }
                }
            }
        }
        return *holdsUtf8 ? Encoding::Utf8 : Encoding::Legacy;
    }

    // A value keeps the encoding it is stored in; one that shows none follows the file.
    QByteArray newValueBytes(const QString &valueText, QByteArrayView stored) const
    {
        bool ascii = true;
        for (const QChar c : valueText)
            ascii = ascii && c.unicode() < 0x80;
        if (ascii)
            return valueBytes(valueText, Encoding::Legacy);
        const std::optional<Encoding> storedIn = encodingOf(stored);
        return valueBytes(valueText, storedIn ? *storedIn : fileEncoding());
    }

    // Keeps holdsUtf8 true to the lines: a line in UTF-8 that comes makes it true, one that goes
    // makes it unknown.
    void noteLine(QByteArrayView added, QByteArrayView replaced = {})
    {
        if (encodingOf(added) == Encoding::Utf8) {
            if (holdsUtf8)
                holdsUtf8 = true;
        } else if (encodingOf(replaced) == Encoding::Utf8) {
            holdsUtf8.reset();
        }
    }

    void reparse()
    {
        const std::optional<FileStamp::Stamp> readAt = stamp;
        *this = parse(bytes(), exists);
        stamp = readAt;
    }

    /// Whether the change needs the file written. `raw`, when given, is stored as it is instead
    /// of the text's bytes.
    bool write(const QString &sectionText, const QString &keyText, const QString &valueText,
               const std::optional<QByteArray> &raw = std::nullopt)
    {
        const auto newValueBytes = [&](const QString &text, QByteArrayView stored) {
            return raw ? rawValueBytes(*raw) : this->newValueBytes(text, stored);
        };
        const QByteArray sectionName = nameBytes(sectionText);
        const QByteArray keyName = nameBytes(keyText);

        const qsizetype at = sectionAt(sectionName);
        if (at < 0) {
            const QByteArray newValue = newValueBytes(valueText, {});
            if (Line *last = lastLine(); last && last->ending == Ending::None)
                last->ending = Ending::CrLf;
            const QByteArray header = '[' + sectionName + ']';
            const QByteArray entry = keyName + '=' + newValue;
            sections.push_back(Section{sectionName, true, {{header, Ending::CrLf}, {entry, Ending::CrLf}}});
            lastAt = -2;
            if (indexed)
                index.insert(foldedName(sectionName), qsizetype(sections.size()) - 1);
            noteLine(header);
            noteLine(entry);
            if (hasLineBreak(header) || headerName(header) != QByteArrayView(sectionName))
                reparse();
            else
                keepConsistent(entry, keyName);
            return true;
        }

        Section &section = sections[std::size_t(at)];
        if (const auto keyLine = findKey(section, keyName)) {
            Line &line = section.lines[std::size_t(*keyLine)];
            const Entry entry = *entryOf(line.text);
            const QByteArray newValue = newValueBytes(valueText, entry.rawValue);
            // The same text in other bytes is left as it is stored: rewriting it would change
            // nothing a read gives, and would change an editor's encoding under it.
            if (exists
                && (entry.rawValue == newValue
                    || (beyondAscii(entry.rawValue) && TextCodec::decode(entry.rawValue) == TextCodec::decode(newValue))))
                return false;
            const QByteArray key = entry.key.toByteArray();
            const QByteArray replaced = std::exchange(line.text, key + '=' + newValue);
            noteLine(line.text, replaced);
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
        const QByteArray entry = keyName + '=' + newValueBytes(valueText, {});
        lines.insert(lines.begin() + insertAt, Line{entry, Ending::CrLf});
        noteLine(entry);
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
        holdsUtf8.reset();
        return true;
    }
};

// One call made on a batch, kept so that it can be made again over a file that changed since the
// batch read it.
struct detail::Change
{
    QString section;
    QString key;
    QString value;
    bool removesSection = false;
    std::optional<QByteArray> raw;

    bool applyTo(Document &document) const
    {
        return removesSection ? document.remove(section) : document.write(section, key, value, raw);
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

// The file as it is now; `before` is its stamp taken just before, which the parsed file keeps when
// the file did not change while it was read.
Document readDocument(const QString &path, const FileStamp::Stamp &before)
{
    QFile file(path);
    const bool opened = file.open(QIODevice::ReadOnly);
    Document document = Document::parse(opened ? file.readAll() : QByteArray(), opened);
    if (FileStamp::of(path) == before)
        document.stamp = before;
    return document;
}

// Calls `use` with the file as it is on the disk now, from the kept image while the file's stamp
// has not moved since it was taken.
template<typename Use>
auto withDocument(const QString &path, Use use)
{
    Cache &kept = cache();
    const QMutexLocker lock(&kept.mutex);
    const FileStamp::Stamp now = FileStamp::of(path);
    if (!kept.enabled) {
        const Document fresh = readDocument(path, now);
        return use(fresh);
    }
    if (!kept.document || kept.path != path || kept.stamp != now) {
        Document fresh = readDocument(path, now);
        // Kept only when nothing changed the file while it was read.
        if (!fresh.stamp) {
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

// Keeps the image of what was just written, when its stamp is known to be that of the bytes.
void remember(const QString &path, const Document &document)
{
    Cache &kept = cache();
    const QMutexLocker lock(&kept.mutex);
    if (!kept.enabled)
        return;
    if (!document.stamp) {
        kept.document.reset();
        return;
    }
    kept.path = path;
    kept.stamp = *document.stamp;
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

QString readOnlyReason()
{
    return QCoreApplication::translate("ProfileFile", "the file is read-only");
}

// What a write left: whether the bytes are in the file, the stamp they have there when it is known,
// and why they are not.
struct Written
{
    bool ok = false;
    std::optional<FileStamp::Stamp> stamp;
    QString reason;
};

// A write cut short is taken up again, so that what stops it is an error the system names.
bool writeAt(QFile &file, qint64 at, QByteArrayView data)
{
    if (!file.seek(at))
        return false;
    while (!data.isEmpty()) {
        const qint64 written = file.write(data.data(), data.size());
        if (written <= 0)
            return false;
        data = data.sliced(written);
    }
    return true;
}

// The file is never cut short first: should the disk or a quota refuse the new bytes halfway, the
// old ones are still there to be put back. The end beyond the old length is written first, so the
// room is taken before any old byte is overwritten; the file is cut to the new length last.
Written writeInPlace(const QString &path, const QByteArray &data)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return {false, {}, file.errorString()};
    const QByteArray old = file.readAll();
    const qint64 common = std::min(old.size(), data.size());
    const bool written = writeAt(file, common, QByteArrayView(data).sliced(common))
                         && writeAt(file, 0, QByteArrayView(data).first(common)) && file.resize(data.size());
    if (!written) {
        const QString reason = file.errorString();
        // Back to the old bytes: every one of them has its room already.
        writeAt(file, 0, old);
        file.resize(old.size());
        return {false, {}, reason};
    }
    return {true, FileStamp::ofHandle(file.handle()), {}};
}

Written writeFile(const QString &path, const QByteArray &data)
{
    const QFileInfo existing(path);
    const bool exists = existing.exists();
    // The rename below would put a new file in the place of a read-only one.
    if (exists && FileStamp::isReadOnly(path))
        return {false, {}, readOnlyReason()};
    const QFile::Permissions permissions = modeBits(existing.permissions());
    // QSaveFile writes beside the target and renames over it, so a crash or a full disk
    // leaves either the old file or the new one, never half of either.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        // No new file can be made in the folder (a read-only folder holding a writable file):
        // writing the file in place is the only way left to keep the change.
        if (exists)
            return writeInPlace(path, data);
        return {false, {}, file.errorString()};
    }
    if (exists) {
        file.setPermissions(permissions);
        FileStamp::keepOwner(file.handle(), path);
    }
    if (file.write(data) != data.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return {false, {}, reason};
    }
    // The stamp of the bytes written, from the file itself. The path is looked at once it leads
    // there, and its stamp kept only when it is still that file with those bytes: another
    // writer may have put a file of its own in place by then.
    const FileStamp::Stamp ours = FileStamp::ofHandle(file.handle());
    if (!file.commit()) {
        // Windows refuses to replace a file another program holds open without sharing its
        // deletion (an editor, a viewer, the C runtime's fopen); the file itself may still be
        // written, in place.
        if (exists)
            return writeInPlace(path, data);
        return {false, {}, file.errorString()};
    }
    Written result{true, FileStamp::of(path), {}};
    if (!FileStamp::sameBytes(*result.stamp, ours))
        result.stamp.reset();
    return result;
}

// Why a change could not have been written, or nothing when it could: the file writable, or a
// missing file's folder there.
std::optional<QString> whyNotWritable(const QString &path, bool exists)
{
    if (exists)
        return FileStamp::isReadOnly(path) ? std::optional(readOnlyReason()) : std::nullopt;
    if (!QFileInfo(path).absoluteDir().exists())
        return QCoreApplication::translate("ProfileFile", "its folder is missing");
    return std::nullopt;
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
    m_changes.push_back({section, key, value, false, std::nullopt});
    m_changed = m_changes.back().applyTo(*m_document) || m_changed;
}

void Batch::writeBytes(const QString &section, const QString &key, const QByteArray &bytes)
{
    m_changes.push_back({section, key, {}, false, bytes});
    m_changed = m_changes.back().applyTo(*m_document) || m_changed;
}

void Batch::deleteSection(const QString &section)
{
    m_changes.push_back({section, {}, {}, true, std::nullopt});
    m_changed = m_changes.back().applyTo(*m_document) || m_changed;
}

void Batch::reapplyOver(const QByteArray &bytes)
{
    const QByteArray owned(bytes.constData(), bytes.size());
    reapplyOver(Document::parse(owned, true));
}

void Batch::reapplyOver(Document &&fresh)
{
    fresh.indexIfLong();
    bool changed = false;
    for (const detail::Change &change : m_changes)
        changed = change.applyTo(fresh) || changed;
    *m_document = std::move(fresh);
    m_changed = changed;
}

bool Batch::commit()
{
    if (m_path.isEmpty())
        return false;
    // Another program may have written the file since this batch read it: its edit is kept, and
    // this batch's calls are made again over it.
    if (const FileStamp::Stamp now = FileStamp::of(m_path); m_document->stamp != now)
        reapplyOver(readDocument(m_path, now));
    if (!m_changed) {
        const std::optional<QString> why = whyNotWritable(m_path, m_document->exists);
        m_error = why.value_or(QString());
        return !why;
    }
    const Written written = writeFile(m_path, m_document->bytes());
    if (!written.ok) {
        m_error = written.reason;
        return false;
    }
    ++writesMade;
    m_error.clear();
    m_changes.clear();
    m_changed = false;
    m_document->exists = true;
    m_document->stamp = written.stamp;
    remember(m_path, *m_document);
    return true;
}

QString Batch::errorString() const
{
    return m_error;
}

QString keptText(const QString &text)
{
    // UTF-8 takes as many bytes as a one-byte code page or more, so what it keeps any encoding keeps.
    if (text.size() * 3 <= maxValueLength)
        return text;
    const QByteArray utf8 = text.toUtf8();
    return utf8.size() <= maxValueLength ? text : TextCodec::decodePrefix(utf8, maxValueLength);
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
