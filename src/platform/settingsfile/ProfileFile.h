#pragma once

#include <QByteArray>
#include <QString>

#include <memory>
#include <vector>

// Reads and writes the settings file one key at a time, with the INI dialect the program has
// always used: section and key names without regard to case, blanks around values dropped,
// values cut at 254 bytes between characters, text as TextCodec reads it. Every call sees the file as it is on the
// disk: the parsed file is kept between calls only while the file's stamp (its id, size and times)
// stays the same, so an edit by hand between two calls is seen at the next. Every change is written
// whole to a temporary file that then replaces the old one.
namespace ProfileFile {

namespace detail {
struct Document;
struct Change;
}

/// Most bytes of a value a read returns; longer values are cut there, between characters.
inline constexpr qsizetype maxValueLength = 254;

/// The longest start of a text, cut between characters, that a read gives back whole in any
/// encoding the file may store it in.
QString keptText(const QString &text);

/// The value of `key` in `section`, or `defaultValue` (its trailing spaces dropped) when the
/// file, the section or the key is missing.
QString readString(const QString &path, const QString &section, const QString &key, const QString &defaultValue);

/// Sets `key` in `section` to `value`, adding the key, the section or the file as needed.
/// CR, LF and NUL inside the value are written as blanks, so no value can add a line.
/// Returns false when the file could not be written (the old file is then left as it was),
/// also when the value was already there but the file is read-only.
bool writeString(const QString &path, const QString &section, const QString &key, const QString &value);

/// Removes `section` with all its entries; a missing section changes nothing, and reports
/// failure only when the file could not have been written (read-only, or its folder missing).
bool deleteSection(const QString &path, const QString &section);

/// Several changes to one file, written at once: the file ends as the same calls made one by
/// one at the commit would leave it, but it is written a single time, and a crash or a failed
/// write leaves the old file whole. Reads through the batch see its own changes. Another
/// program's edit made while the batch is open is kept: the commit makes the batch's calls again
/// over the file as it then is.
class Batch
{
public:
    explicit Batch(QString path);
    ~Batch();
    Batch(Batch &&) noexcept;
    Batch &operator=(Batch &&) noexcept;

    /// A batch over bytes in memory, with no file behind it (it cannot commit): how the parser
    /// and the changes are driven by the fuzzer, away from the disk.
    static Batch overBytes(const QByteArray &bytes);
    /// The bytes the file would hold after the changes so far.
    QByteArray bytes() const;
    /// Makes this batch's changes so far again over other bytes, as a commit does over a file
    /// that changed since the batch read it.
    void reapplyOver(const QByteArray &bytes);

    QString readString(const QString &section, const QString &key, const QString &defaultValue) const;
    void writeString(const QString &section, const QString &key, const QString &value);
    /// Stores these bytes whatever the file's encoding, for text that came as bytes from
    /// elsewhere (a server's name): cut as a read would cut them, CR, LF and NUL as blanks.
    void writeBytes(const QString &section, const QString &key, const QByteArray &bytes);
    void deleteSection(const QString &section);

    /// Writes the file when a change needs it. False when it could not be written; a batch that
    /// changed nothing is false when the file could not have been written either (read-only, or
    /// missing in a missing folder). The batch can be used again after it; after a failure it
    /// still holds its changes, and the next commit tries them again.
    bool commit();
    /// True when the batch holds changes the file does not have yet.
    bool hasChanges() const { return m_changed; }
    /// Why the last commit failed, in the system's words ("the file is read-only" for a file
    /// made read-only); empty after one that succeeded.
    QString errorString() const;

private:
    Batch(QString path, std::unique_ptr<detail::Document> document);
    void reapplyOver(detail::Document &&fresh);

    QString m_path;
    std::unique_ptr<detail::Document> m_document;
    std::vector<detail::Change> m_changes;
    QString m_error;
    bool m_changed = false;
};

/// How many times this process has written a settings file so far (for tests and benchmarks).
quint64 fileWrites();

/// Switches the kept image of the file off (every call then reads and parses the file afresh, and
/// the image kept so far is left as it is) or back on; tests compare the two.
void setCaching(bool enabled);

} // namespace ProfileFile
