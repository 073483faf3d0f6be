#include "platform/text/TextCodec.h"

#include <QTextBoundaryFinder>

#include <array>
#include <cstring>

namespace TextCodec {

namespace {

// Windows-1252's characters for the bytes 80 to 9F. The five it leaves unassigned stand for
// themselves, as C1 codes, so that they survive a round trip.
constexpr std::array<char16_t, 32> windows1252High{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char16_t replacement = 0xFFFD;
constexpr char16_t controlPictures = 0x2400;
constexpr char16_t deletePicture = 0x2421;
constexpr char16_t zeroWidthNonJoiner = 0x200C;
constexpr char16_t zeroWidthJoiner = 0x200D;
constexpr char16_t emojiPresentation = 0xFE0F;

bool isContinuation(uchar b)
{
    return (b & 0xC0) == 0x80;
}

// The length of the well-formed UTF-8 sequence that starts at p (lead byte 80 or above), or 0.
qsizetype sequenceLength(const uchar *p, qsizetype available)
{
    const uchar lead = p[0];
    qsizetype length = 0;
    // The range the first continuation byte must lie in: the narrow ones shut out overlong
    // forms (E0, F0), encoded surrogates (ED) and code points past U+10FFFF (F4).
    uchar low = 0x80;
    uchar high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;
        else if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        else if (lead == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (available < length || p[1] < low || p[1] > high)
        return 0;
    for (qsizetype k = 2; k < length; ++k) {
        if (!isContinuation(p[k]))
            return 0;
    }
    return length;
}

// UTF-8 straight into UTF-16 in one pass, or nothing at the first byte that breaks the rules.
// A byte order mark is a character like any other here.
std::optional<QString> fromUtf8(QByteArrayView bytes, qsizetype ascii)
{
    const auto *p = reinterpret_cast<const uchar *>(bytes.data());
    const qsizetype n = bytes.size();
    // Never more UTF-16 units than bytes: a four-byte sequence gives two.
    QString text(n, Qt::Uninitialized);
    auto *out = reinterpret_cast<char16_t *>(text.data());
    qsizetype o = 0;
    for (; o < ascii; ++o)
        out[o] = p[o];
    qsizetype i = ascii;
    while (i < n) {
        const uchar lead = p[i];
        if (lead < 0x80) {
            out[o++] = lead;
            ++i;
            continue;
        }
        // Two bytes: Latin, Greek, Cyrillic, Hebrew, Arabic, the bulk of what is not ASCII.
        if (lead >= 0xC2 && lead <= 0xDF && i + 1 < n && isContinuation(p[i + 1])) {
            out[o++] = char16_t(((lead & 0x1F) << 6) | (p[i + 1] & 0x3F));
            i += 2;
            continue;
        }
        // Three bytes whose lead allows any continuation: CJK and most symbols.
        if (lead >= 0xE1 && lead <= 0xEF && lead != 0xED && i + 2 < n && isContinuation(p[i + 1])
            && isContinuation(p[i + 2])) {
            out[o++] = char16_t(((lead & 0x0F) << 12) | ((p[i + 1] & 0x3F) << 6) | (p[i + 2] & 0x3F));
            i += 3;
            continue;
        }
        const qsizetype length = sequenceLength(p + i, n - i);
        if (length == 0)
            return std::nullopt;
        char32_t c = lead & (0x7F >> length);
        for (qsizetype k = 1; k < length; ++k)
            c = (c << 6) | (p[i + k] & 0x3F);
        if (QChar::requiresSurrogates(c)) {
            out[o++] = QChar::highSurrogate(c);
            out[o++] = QChar::lowSurrogate(c);
        } else {
            out[o++] = char16_t(c);
        }
        i += length;
    }
    text.truncate(o);
    return text;
}

// The byte of Windows-1252 for one UTF-16 unit, or -1.
int windows1252Byte(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (std::size_t i = 0; i < windows1252High.size(); ++i) {
        if (windows1252High[i] == c)
            return int(0x80 + i);
    }
    return -1;
}

// A code point of the text and how many UTF-16 units it takes; a lone surrogate stands alone.
struct CodePoint
{
    char32_t value = 0;
    qsizetype units = 1;
};

CodePoint codePointAt(QStringView text, qsizetype i)
{
    const QChar c = text[i];
    if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
        return {QChar::surrogateToUcs4(c, text[i + 1]), 2};
    return {c.unicode(), 1};
}

CodePoint codePointBefore(QStringView text, qsizetype i)
{
    const QChar c = text[i - 1];
    if (c.isLowSurrogate() && i >= 2 && text[i - 2].isHighSurrogate())
        return {QChar::surrogateToUcs4(text[i - 2], c), 2};
    return {c.unicode(), 1};
}

bool isEmojiModifier(char32_t c)
{
    return c == emojiPresentation || (c >= 0x1F3FB && c <= 0x1F3FF);
}

bool isEmoji(char32_t c)
{
    return QChar::category(c) == QChar::Symbol_Other;
}

// Letters and marks of the scripts after Latin, Greek, Cyrillic and Armenian: Hebrew, Arabic,
// the Indic scripts and the rest, where a joiner or non-joiner changes how letters are drawn.
bool isShapedLetter(char32_t c)
{
    if (c < 0x0590)
        return false;
    const auto category = QChar::category(c);
    return category <= QChar::Mark_Enclosing
        || (category >= QChar::Letter_Uppercase && category <= QChar::Letter_Other);
}

// Whether the joiner or non-joiner at i does what it is there for, so showing it as a mark
// would only break the text it joins.
bool joinsVisibly(QStringView text, qsizetype i)
{
    if (i == 0 || i + 1 >= text.size())
        return false;
    const char32_t next = codePointAt(text, i + 1).value;
    qsizetype before = i;
    CodePoint previous = codePointBefore(text, before);
    if (text[i] == zeroWidthJoiner) {
        while (isEmojiModifier(previous.value) && before - previous.units > 0) {
            before -= previous.units;
            previous = codePointBefore(text, before);
        }
        if (isEmoji(previous.value) && isEmoji(next))
            return true;
    }
    return isShapedLetter(previous.value) && isShapedLetter(next);
}

// What a character is shown as; the character itself when it is harmless.
char32_t shownAs(QStringView text, qsizetype i, const CodePoint &c)
{
    if (c.value < 0x20)
        return controlPictures + c.value;
    if (c.value == 0x7F)
        return deletePicture;
    if (c.value < 0x80)
        return c.value;
    if (QChar::isSurrogate(c.value))
        return replacement;
    switch (QChar::category(c.value)) {
    case QChar::Other_Control:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return replacement;
    case QChar::Other_Format:
        if ((c.value == zeroWidthJoiner || c.value == zeroWidthNonJoiner) && joinsVisibly(text, i))
            return c.value;
        return replacement;
    default:
        return c.value;
    }
}

} // namespace

bool isUtf8(QByteArrayView bytes)
{
    const auto *p = reinterpret_cast<const uchar *>(bytes.data());
    const qsizetype n = bytes.size();
    for (qsizetype i = detail::asciiPrefix(bytes); i < n;) {
        if (p[i] < 0x80) {
            ++i;
            continue;
        }
        const qsizetype length = sequenceLength(p + i, n - i);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

QString fromWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<uchar>(bytes[i]);
        out[i] = (b >= 0x80 && b < 0xA0) ? windows1252High[b - 0x80] : char16_t(b);
    }
    return text;
}

std::optional<QByteArray> toWindows1252(QStringView text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int b = windows1252Byte(text[i].unicode());
        if (b < 0)
            return std::nullopt;
        bytes[i] = static_cast<char>(b);
    }
    return bytes;
}

namespace detail {

QString decodeBeyondAscii(QByteArrayView bytes, qsizetype ascii)
{
    if (auto text = fromUtf8(bytes, ascii))
        return std::move(*text);
    return fromWindows1252(bytes);
}

} // namespace detail

QString decodePrefix(QByteArrayView bytes, qsizetype maxBytes)
{
    if (bytes.size() <= maxBytes)
        return decode(bytes);
    // The encoding is that of the whole value, not of the part that is kept.
    if (!isUtf8(bytes))
        return fromWindows1252(bytes.first(maxBytes));
    qsizetype cut = maxBytes;
    while (cut > 0 && isContinuation(static_cast<uchar>(bytes[cut])))
        --cut;
    const QString whole = decode(bytes);
    qsizetype units = decode(bytes.first(cut)).size();
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, whole);
    graphemes.setPosition(units);
    if (!graphemes.isAtBoundary()) {
        // One cluster longer than the whole limit is cut between its code points instead.
        const qsizetype previous = graphemes.toPreviousBoundary();
        if (previous > 0)
            units = previous;
    }
    return whole.first(units);
}

QByteArray encode(QStringView text)
{
    if (auto legacy = toWindows1252(text); legacy && decode(*legacy) == text)
        return *legacy;
    return text.toUtf8();
}

QString forDisplay(const QString &text)
{
    // Printable ASCII needs no look at the character tables; most names are nothing else.
    const QChar *units = text.constData();
    qsizetype i = 0;
    while (i < text.size() && units[i].unicode() >= 0x20 && units[i].unicode() < 0x7F)
        ++i;
    for (; i < text.size(); i += codePointAt(text, i).units) {
        const CodePoint c = codePointAt(text, i);
        if (shownAs(text, i, c) != c.value)
            break;
    }
    if (i == text.size())
        return text;
    QString shown = text.first(i);
    shown.reserve(text.size());
    for (; i < text.size(); i += codePointAt(text, i).units) {
        const CodePoint c = codePointAt(text, i);
        const char32_t s = shownAs(text, i, c);
        if (s == c.value)
            shown += QStringView(text).sliced(i, c.units);
        else
            shown += QChar(char16_t(s));
    }
    return shown;
}

} // namespace TextCodec
