#include "alerts/core/ClanMatching.h"
#include "platform/text/TextCodec.h"
#include "support/TestSupport.h"

#include <QStringDecoder>

#include <gtest/gtest.h>

namespace {

using namespace TextCodec;

// Every short sequence whose validity turns on its first two bytes (overlong forms, encoded
// surrogates, past U+10FFFF, cut short, a byte order mark), against Qt's own decoder.
TEST(TextCodecTest, Utf8IsValidExactlyWhenQtDecodesItWithoutError)
{
    const auto check = [](const QByteArray &bytes) {
        QStringDecoder qt(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
        const QString text = qt.decode(bytes);
        ASSERT_EQ(isUtf8(bytes), !qt.hasError()) << bytes.toHex(' ').toStdString();
        if (!qt.hasError()) {
            ASSERT_EQ(decode(bytes), text) << bytes.toHex(' ').toStdString();
        }
    };
    const char tails[] = {'\x41', '\x80', '\xBF', '\xC0'};
    for (int first = 0; first <= 0xFF; ++first) {
        for (int second = 0; second <= 0xFF; ++second) {
            const QByteArray two = QByteArray(1, char(first)) + char(second);
            check(two);
            if (first < 0xE0)
                continue;
            for (char third : tails) {
                check(two + third);
                if (first >= 0xF0) {
                    for (char fourth : tails)
                        check(two + third + fourth);
                }
            }
        }
    }
}

TEST(TextCodecTest, EveryWindows1252ByteHasItsCharacterAndComesBackAsItself)
{
    const QString high = QStringLiteral("€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ");
    QByteArray bytes;
    for (int b = 0x80; b <= 0x9F; ++b)
        bytes.append(char(b));
    EXPECT_EQ(fromWindows1252(bytes), high);
    EXPECT_EQ(high.size(), 32);

    // Every byte 01 to FF in one legacy text (not UTF-8, since it holds lone high bytes).
    QByteArray all;
    for (int b = 1; b <= 0xFF; ++b)
        all.append(char(b));
    const QString text = decode(all);
    EXPECT_EQ(text.size(), all.size());
    EXPECT_EQ(text[0xE9 - 1], u'é');
    EXPECT_EQ(encode(text), all);
    EXPECT_FALSE(toWindows1252(QStringLiteral("Дима")).has_value());
    EXPECT_FALSE(toWindows1252(QStringLiteral("\u0080")).has_value()) << "U+0080 has no byte in Windows-1252";
}

TEST(TextCodecTest, APrefixNeverEndsInsideACharacter)
{
    // A thumbs-up with a skin tone (8 bytes) from byte 250 leaves as a whole.
    EXPECT_EQ(decodePrefix(QByteArray(250, 'a') + fromHex("F0 9F 91 8D F0 9F 8F BD"), 254), QString(250, u'a'));
    // One cluster longer than the limit is cut between code points.
    const QByteArray zalgo = "Z" + QByteArray::fromHex(QByteArray("CC81").repeated(200));
    const QString cut = decodePrefix(zalgo, 254);
    EXPECT_EQ(cut.size(), 127);
    EXPECT_EQ(cut.toUtf8().size(), 253);
    // Windows-1252: one byte a character, cut at the limit.
    const QByteArray legacy = QByteArray(300, '\xE9');
    EXPECT_EQ(decodePrefix(legacy, 254), QString(254, u'é'));
    EXPECT_EQ(decodePrefix(fromHex("41 42"), 254), QStringLiteral("AB"));
}

struct DisplayCase
{
    const char *what;
    QString text;
    QString shown;
};

TEST(TextCodecTest, DisplayShowsWhatWouldReorderOrHideText)
{
    const DisplayCase cases[] = {
        {"plain names stay", QStringLiteral("[X]Дмитрий 清水 🔥 e\u0301 ★™"), QStringLiteral("[X]Дмитрий 清水 🔥 e\u0301 ★™")},
        {"right-to-left override", QStringLiteral("[X]\u202Eevil"), QStringLiteral("[X]\uFFFDevil")},
        {"embeddings and isolates", QStringLiteral("\u202A\u202B\u202C\u202D\u2066\u2067\u2068\u2069"),
         QString(8, u'\uFFFD')},
        {"marks and zero widths", QStringLiteral("\u200E\u200F\u061C\u200B\u2060\uFEFF\u00AD"), QString(7, u'\uFFFD')},
        {"C0 as control pictures", QStringLiteral("a\r\nb\tc\x01\x7F"), QStringLiteral("a␍␊b␉c␁␡")},
        {"C1 and separators", QStringLiteral("\u0081\u0085\u009D\u2028\u2029"), QString(5, u'\uFFFD')},
        {"lone surrogate", QString(QChar(0xD83D)) + QStringLiteral("x"), QStringLiteral("\uFFFDx")},
        {"tag characters", QString::fromUcs4(U"A\U000E0041", 2), QStringLiteral("A\uFFFD")},
        {"joiner in an emoji family", QStringLiteral("👨\u200D👩\u200D👧"), QStringLiteral("👨\u200D👩\u200D👧")},
        {"joiner after a skin tone", QStringLiteral("👍🏽\u200D🔥"), QStringLiteral("👍🏽\u200D🔥")},
        {"non-joiner in Persian", QStringLiteral("می\u200Cخواهم"), QStringLiteral("می\u200Cخواهم")},
        {"joiners between Latin letters", QStringLiteral("[X\u200D]\u200CA"), QStringLiteral("[X\uFFFD]\uFFFDA")},
        {"joiner at the end", QStringLiteral("🔥\u200D"), QStringLiteral("🔥\uFFFD")},
    };
    for (const DisplayCase &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(forDisplay(c.text), c.shown);
        EXPECT_EQ(forDisplay(c.shown), c.shown) << "what is shown is shown as it is";
    }
}

} // namespace

namespace {

// The code page is the program's for its whole run; a test that changes it puts it back.
struct LegacyCodePage
{
    explicit LegacyCodePage(int codePage) { EXPECT_TRUE(TextCodec::setLegacyCodePage(codePage)); }
    ~LegacyCodePage() { TextCodec::setLegacyCodePage(1252); }
};

} // namespace

// "Сервер" and a player "[КЛАН]Дима" as a Russian server sends them in Windows-1251.
TEST(TextCodecTest, CyrillicServersReadInTheUsersCodePageAndBytesRoundTripInAny)
{
    const QByteArray server = fromHex("D1 E5 F0 E2 E5 F0");
    const QByteArray player = fromHex("5B CA CB C0 CD 5D C4 E8 EC E0");
    {
        const LegacyCodePage russian(1251);
        EXPECT_EQ(decode(server), QStringLiteral("Сервер"));
        EXPECT_EQ(encode(decode(server)), server);
        EXPECT_TRUE(ClanMatching::tagMatches(decode(player), QStringLiteral("[КЛАН]")));
        EXPECT_EQ(decodePrefix(server, 3), QStringLiteral("Сер"));
        // UTF-8 is still UTF-8, and a name with no byte in 1251 is written as UTF-8.
        EXPECT_EQ(decode(QStringLiteral("Сервер").toUtf8()), QStringLiteral("Сервер"));
        EXPECT_EQ(encode(QStringLiteral("Café ☕")), QStringLiteral("Café ☕").toUtf8());
    }
    EXPECT_EQ(legacyCodePage(), 1252);
    EXPECT_EQ(decode(server), QStringLiteral("Ñåðâåð"));
    EXPECT_EQ(encode(decode(server)), server);
    EXPECT_FALSE(ClanMatching::tagMatches(decode(player), QStringLiteral("[КЛАН]")));
}

TEST(TextCodecTest, EveryByteOfEveryCodePageComesBackAsItself)
{
    QByteArray all;
    for (int b = 1; b <= 0xFF; ++b)
        all.append(char(b));
    for (const int codePage : {1250, 1251, 1252, 1254}) {
        const LegacyCodePage page(codePage);
        const QString text = fromLegacy(all);
        EXPECT_EQ(text.size(), all.size()) << codePage;
        EXPECT_EQ(toLegacy(text), all) << codePage;
        EXPECT_EQ(encode(decode(all)), all) << codePage;
    }
    {
        const LegacyCodePage page(1250);
        EXPECT_EQ(fromLegacy(fromHex("A3 B9 9C")), QStringLiteral("Łąś"));
    }
    {
        const LegacyCodePage page(1254);
        EXPECT_EQ(fromLegacy(fromHex("DE F0 FD")), QStringLiteral("Şğı"));
    }
    EXPECT_FALSE(setLegacyCodePage(437));
    EXPECT_FALSE(isSupportedCodePage(65001));
    EXPECT_EQ(legacyCodePage(), 1252);
}
