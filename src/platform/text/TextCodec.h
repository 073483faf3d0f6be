#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <cstring>
#include <optional>

// Text as servers and settings files hold it. Today's servers send UTF-8; old servers and files
// written by hand or by earlier versions hold the player's Windows code page, one byte per
// character: Windows-1252 in the West, 1251 on Russian and other Cyrillic servers, 1250 in
// Central Europe, 1254 in Turkey. Bytes that form valid UTF-8 are read as UTF-8, anything else in
// the legacy code page (the user's, see setLegacyCodePage), so no byte is ever lost. The one text
// this cannot tell apart: legacy text whose bytes happen to form valid UTF-8 ("Ã©" is C3 A9, which
// is also UTF-8 for "é") reads as UTF-8.
namespace TextCodec {

/// The code pages that can be the legacy one: our own fixed tables, the same on every system
/// (Qt reaches them only through ICU, which the Windows build has not).
bool isSupportedCodePage(int codePage);

/// Reads and writes text that is not UTF-8 in this code page from now on; false (and no change)
/// for one not supported. Set once at the start, before any text is read; 1252 until then.
bool setLegacyCodePage(int codePage);
int legacyCodePage();

/// One character per byte in the legacy code page. Bytes the code page leaves unassigned stand
/// for themselves as C1 codes (U+0080 to U+009F), so that they are written back as the same byte.
QString fromLegacy(QByteArrayView bytes);

/// The legacy code page's bytes of a text, or nothing when one of its characters has no byte there.
std::optional<QByteArray> toLegacy(QStringView text);

/// True when the bytes are well-formed UTF-8: no overlong forms, no encoded surrogates, nothing
/// past U+10FFFF, no sequence cut short.
bool isUtf8(QByteArrayView bytes);

/// Windows-1252, one character per byte. The five bytes that code page leaves unassigned
/// (81, 8D, 8F, 90, 9D) become U+0081, U+008D, U+008F, U+0090 and U+009D, so that they are
/// written back as the same byte.
QString fromWindows1252(QByteArrayView bytes);

/// The Windows-1252 bytes of a text, or nothing when one of its characters has no byte there.
std::optional<QByteArray> toWindows1252(QStringView text);

namespace detail {

/// A count of leading bytes that are all ASCII: the whole size exactly when every byte is, else
/// no more than the offset of the first byte that is not. Eight bytes at a time, the last eight
/// overlapping. Inline, as decode is: most names are ASCII throughout, and for them this is the
/// whole cost of telling the encodings apart, paid for every name of every reply.
inline qsizetype asciiPrefix(QByteArrayView bytes)
{
    constexpr quint64 highBits = 0x8080808080808080ULL;
    const char *p = bytes.data();
    const qsizetype n = bytes.size();
    const auto word = [p](qsizetype at) {
        quint64 w = 0;
        std::memcpy(&w, p + at, sizeof w);
        return w;
    };
    qsizetype i = 0;
    if (n < 8) {
        while (i < n && static_cast<unsigned char>(p[i]) < 0x80)
            ++i;
        return i;
    }
    for (; i + 8 <= n; i += 8) {
        if (word(i) & highBits)
            return i;
    }
    return (word(n - 8) & highBits) ? i : n;
}

QString decodeBeyondAscii(QByteArrayView bytes, qsizetype ascii);

} // namespace detail

/// Valid UTF-8 as UTF-8, anything else in the legacy code page.
inline QString decode(QByteArrayView bytes)
{
    const qsizetype ascii = detail::asciiPrefix(bytes);
    return ascii == bytes.size() ? QString::fromLatin1(bytes) : detail::decodeBeyondAscii(bytes, ascii);
}

/// decode, keeping no more than maxBytes of the bytes: a UTF-8 text is cut before the character
/// (as the reader sees it: a letter with its accents, an emoji with its modifiers) that would
/// pass the limit, never inside one.
QString decodePrefix(QByteArrayView bytes, qsizetype maxBytes);

/// The bytes that decode reads back as this very text: the legacy code page when every character
/// has a byte there (so text read from a legacy file or server goes back byte for byte), UTF-8 when
/// one has not, or when the legacy bytes would read back as UTF-8 and so as other text.
QByteArray encode(QStringView text);

/// The text as it may be shown: nothing in it can reorder, hide or break the text around it.
/// C0 controls become their visible control pictures (U+2400 to U+241F, DEL U+2421); C1
/// controls, bidirectional controls, zero-width and other format characters, line and paragraph
/// separators and lone surrogates become U+FFFD. A zero-width joiner inside an emoji sequence,
/// and a joiner or non-joiner between letters of a script that shapes with them, are kept.
/// Text without any such character comes back unchanged, sharing its data.
QString forDisplay(const QString &text);

} // namespace TextCodec
