#pragma once

#include <QString>

// Reads and writes the settings file one key at a time, with the INI dialect the program has
// always used: section and key names without regard to case, blanks around values dropped,
// values cut at 254 bytes, text as TextCodec reads it. Nothing is cached: every call reads the
// file afresh, and every change is written whole to a temporary file that then replaces the old one.
namespace ProfileFile {

/// Most bytes of a value a read returns; longer values are cut there, between characters.
inline constexpr qsizetype maxValueLength = 254;

/// The value of `key` in `section`, or `defaultValue` (its trailing spaces dropped) when the
/// file, the section or the key is missing.
QString readString(const QString &path, const QString &section, const QString &key, const QString &defaultValue);

/// Sets `key` in `section` to `value`, adding the key, the section or the file as needed.
/// CR, LF and NUL inside the value are written as blanks, so no value can add a line.
/// Returns false when the file could not be written (the old file is then left as it was).
bool writeString(const QString &path, const QString &section, const QString &key, const QString &value);

/// Removes `section` with all its entries; a missing section changes nothing.
bool deleteSection(const QString &path, const QString &section);

} // namespace ProfileFile
