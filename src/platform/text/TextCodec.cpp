#include "platform/text/TextCodec.h"

#include <QTextBoundaryFinder>

#include <array>
#include <atomic>
#include <cstring>

namespace TextCodec {

namespace {

// The characters of the bytes 80 to FF in each code page, from the code pages' own tables. The
// bytes one leaves unassigned stand for themselves, as C1 codes, so that they survive a round trip.
constexpr std::array<char16_t, 128> windows1250High{
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021, 0x0088, 0x2030, 0x0160, 0x2039,
    0x015A, 0x0164, 0x017D, 0x0179, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141,
    0x00A4, 0x0104, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB,
    0x013D, 0x02DD, 0x013E, 0x017C, 0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3,
    0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, 0x010D, 0x00E9, 0x0119, 0x00EB,
    0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,};

constexpr std::array<char16_t, 128> windows1251High{
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039,
    0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408,
    0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB,
    0x0458, 0x0405, 0x0455, 0x0457, 0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F, 0x0420, 0x0421, 0x0422, 0x0423,
    0x0424, 0x0425, 0x0426, 0x0427, 0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437, 0x0438, 0x0439, 0x043A, 0x043B,
    0x043C, 0x043D, 0x043E, 0x043F, 0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,};

constexpr std::array<char16_t, 128> windows1252High{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039,
    0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, 0x00A0, 0x00A1, 0x00A2, 0x00A3,
    0x00A4, 0x00A5, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x00AA, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF,
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x00B9, 0x00BA, 0x00BB,
    0x00BC, 0x00BD, 0x00BE, 0x00BF, 0x00C0, 0x00C1, 0x00C2, 0x00C3, 0x00C4, 0x00C5, 0x00C6, 0x00C7,
    0x00C8, 0x00C9, 0x00CA, 0x00CB, 0x00CC, 0x00CD, 0x00CE, 0x00CF, 0x00D0, 0x00D1, 0x00D2, 0x00D3,
    0x00D4, 0x00D5, 0x00D6, 0x00D7, 0x00D8, 0x00D9, 0x00DA, 0x00DB, 0x00DC, 0x00DD, 0x00DE, 0x00DF,
    0x00E0, 0x00E1, 0x00E2, 0x00E3, 0x00E4, 0x00E5, 0x00E6, 0x00E7, 0x00E8, 0x00E9, 0x00EA, 0x00EB,
    0x00EC, 0x00ED, 0x00EE, 0x00EF, 0x00F0, 0x00F1, 0x00F2, 0x00F3, 0x00F4, 0x00F5, 0x00F6, 0x00F7,
    0x00F8, 0x00F9, 0x00FA, 0x00FB, 0x00FC, 0x00FD, 0x00FE, 0x00FF,};

constexpr std::array<char16_t, 128> windows1254High{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039,
    0x0152, 0x008D, 0x008E, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x009E, 0x0178, 0x00A0, 0x00A1, 0x00A2, 0x00A3,
    0x00A4, 0x00A5, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x00AA, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF,
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x00B9, 0x00BA, 0x00BB,
    0x00BC, 0x00BD, 0x00BE, 0x00BF, 0x00C0, 0x00C1, 0x00C2, 0x00C3, 0x00C4, 0x00C5, 0x00C6, 0x00C7,
    0x00C8, 0x00C9, 0x00CA, 0x00CB, 0x00CC, 0x00CD, 0x00CE, 0x00CF, 0x011E, 0x00D1, 0x00D2, 0x00D3,
    0x00D4, 0x00D5, 0x00D6, 0x00D7, 0x00D8, 0x00D9, 0x00DA, 0x00DB, 0x00DC, 0x0130, 0x015E, 0x00DF,
    0x00E0, 0x00E1, 0x00E2, 0x00E3, 0x00E4, 0x00E5, 0x00E6, 0x00E7, 0x00E8, 0x00E9, 0x00EA, 0x00EB,
    0x00EC, 0x00ED, 0x00EE, 0x00EF, 0x011F, 0x00F1, 0x00F2, 0x00F3, 0x00F4, 0x00F5, 0x00F6, 0x00F7,
    0x00F8, 0x00F9, 0x00FA, 0x00FB, 0x00FC, 0x0131, 0x015F, 0x00FF,};

struct CodePageTable
{
    int codePage;
    const std::array<char16_t, 128> *high;
};

constexpr std::array<CodePageTable, 4> codePages{{{1250, &windows1250High},
                                                  {1251, &windows1251High},
                                                  {1252, &windows1252High},
                                                  {1254, &windows1254High}}};

// Read for every name that is not UTF-8, perhaps away from the thread that set it.
std::atomic<const CodePageTable *> legacy{&codePages[2]};

const CodePageTable *tableOf(int codePage)
{
    for (const CodePageTable &table : codePages) {
        if (table.codePage == codePage)
            return &table;
    }
    return nullptr;
}

QString fromSingleByte(QByteArrayView bytes, const std::array<char16_t, 128> &high)
{
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<uchar>(bytes[i]);
        out[i] = b < 0x80 ? char16_t(b) : high[b - 0x80];
    }
    return text;
}

std::optional<QByteArray> toSingleByte(QStringView text, const std::array<char16_t, 128> &high)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        int b = c < 0x80 ? int(c) : -1;
        for (std::size_t k = 0; b < 0 && k < high.size(); ++k) {
            if (high[k] == c)
                b = int(0x80 + k);
        }
        if (b < 0)
            return std::nullopt;
        bytes[i] = static_cast<char>(b);
    }
    return bytes;
}

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
    return fromSingleByte(bytes, windows1252High);
}

std::optional<QByteArray> toWindows1252(QStringView text)
{
    return toSingleByte(text, windows1252High);
}

bool isSupportedCodePage(int codePage)
{
    return tableOf(codePage) != nullptr;
}

bool setLegacyCodePage(int codePage)
{
    const CodePageTable *table = tableOf(codePage);
    if (!table)
        return false;
    legacy.store(table, std::memory_order_relaxed);
    return true;
}

int legacyCodePage()
{
    return legacy.load(std::memory_order_relaxed)->codePage;
}

QString fromLegacy(QByteArrayView bytes)
{
    return fromSingleByte(bytes, *legacy.load(std::memory_order_relaxed)->high);
}

std::optional<QByteArray> toLegacy(QStringView text)
{
    return toSingleByte(text, *legacy.load(std::memory_order_relaxed)->high);
}

namespace detail {

QString decodeBeyondAscii(QByteArrayView bytes, qsizetype ascii)
{
    if (auto text = fromUtf8(bytes, ascii))
        return std::move(*text);
    return fromLegacy(bytes);
}

} // namespace detail

QString decodePrefix(QByteArrayView bytes, qsizetype maxBytes)
{
    if (bytes.size() <= maxBytes)
        return decode(bytes);
    // The encoding is that of the whole value, not of the part that is kept.
    if (!isUtf8(bytes))
        return fromLegacy(bytes.first(maxBytes));
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
    if (auto bytes = toLegacy(text); bytes && decode(*bytes) == text)
        return *bytes;
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
