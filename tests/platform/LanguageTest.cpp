#include "platform/Language.h"

#include <gtest/gtest.h>

namespace {

const QStringList shipped { QStringLiteral("en"), QStringLiteral("pt_BR"), QStringLiteral("ru") };

QString choose(const QString &commandLine, const QString &setting, const QStringList &desktop)
{
    return Language::choose(commandLine, setting, desktop, shipped);
}

} // namespace

TEST(Language, TheDesktopsListIsFollowedDownToEnglish)
{
    EXPECT_EQ(choose({}, {}, { QStringLiteral("ru-RU"), QStringLiteral("en-US") }), QStringLiteral("ru"));
    EXPECT_EQ(choose({}, {}, { QStringLiteral("pt-BR") }), QStringLiteral("pt_BR"));
    // A language Zib does not speak is passed over for the next the desktop names.
    EXPECT_EQ(choose({}, {}, { QStringLiteral("fr-FR"), QStringLiteral("pt-BR"), QStringLiteral("ru") }),
        QStringLiteral("pt_BR"));
    // A full name anywhere in the list comes before a language alone earlier in it.
    EXPECT_EQ(choose({}, {}, { QStringLiteral("pt-PT"), QStringLiteral("ru") }), QStringLiteral("ru"));
    EXPECT_EQ(choose({}, {}, { QStringLiteral("pt-PT") }), QStringLiteral("pt_BR"));
    EXPECT_EQ(choose({}, {}, { QStringLiteral("fr-FR"), QStringLiteral("de") }), QStringLiteral("en"));
    EXPECT_EQ(choose({}, {}, {}), QStringLiteral("en"));
}

TEST(Language, TheCommandLineComesBeforeTheFileAndTheFileBeforeTheDesktop)
{
    const QStringList russianDesktop { QStringLiteral("ru-RU") };
    EXPECT_EQ(choose(QStringLiteral("pt_BR"), QStringLiteral("en"), russianDesktop), QStringLiteral("pt_BR"));
    EXPECT_EQ(choose({}, QStringLiteral("pt_BR"), russianDesktop), QStringLiteral("pt_BR"));
    EXPECT_EQ(choose({}, QStringLiteral("en"), russianDesktop), QStringLiteral("en"));
    EXPECT_EQ(choose(QStringLiteral("PT-br"), {}, {}), QStringLiteral("pt_BR"));
    EXPECT_EQ(choose({}, QStringLiteral(" ru "), {}), QStringLiteral("ru"));
    // An empty key, or one naming a language not shipped, leaves the choice to the desktop.
    EXPECT_EQ(choose({}, QStringLiteral(""), russianDesktop), QStringLiteral("ru"));
    EXPECT_EQ(choose(QStringLiteral("xx"), QStringLiteral("klingon"), russianDesktop), QStringLiteral("ru"));
}

TEST(Language, EverySerbianDesktopReachesTheSerbianThereIs)
{
    const QStringList latinOnly { QStringLiteral("en"), QStringLiteral("hu"), QStringLiteral("sr_Latn") };
    // As Windows, Qt and Linux's LANG and LANGUAGE give it, in either script.
    for (const char *desktop : { "sr-Latn-RS", "sr-Latn", "sr", "sr-RS", "sr-Cyrl-RS", "sr-latin" })
        EXPECT_EQ(Language::choose({}, {}, { QLatin1String(desktop) }, latinOnly), QStringLiteral("sr_Latn")) << desktop;
    for (const char *named : { "sr_latn", "SR-LATN", "sr@latin", "sr_RS.UTF-8@latin", "sr" })
        EXPECT_EQ(Language::choose(QLatin1String(named), {}, {}, latinOnly), QStringLiteral("sr_Latn")) << named;
    EXPECT_EQ(Language::choose({}, {}, { QStringLiteral("hu-HU") }, latinOnly), QStringLiteral("hu"));
    // Were both scripts there, each would find its own, whichever comes first.
    const QStringList both { QStringLiteral("en"), QStringLiteral("sr_Cyrl"), QStringLiteral("sr_Latn") };
    EXPECT_EQ(Language::choose({}, {}, { QStringLiteral("sr-Latn-RS") }, both), QStringLiteral("sr_Latn"));
    EXPECT_EQ(Language::choose({}, {}, { QStringLiteral("sr-latin") }, both), QStringLiteral("sr_Latn"));
    EXPECT_EQ(Language::choose(QStringLiteral("sr_RS.UTF-8@latin"), {}, {}, both), QStringLiteral("sr_Latn"));
    EXPECT_EQ(Language::choose({}, {}, { QStringLiteral("sr-Cyrl-RS") }, { QStringLiteral("sr_Latn"), QStringLiteral("sr_Cyrl") }),
        QStringLiteral("sr_Cyrl"));
}

TEST(Language, EachLanguageHasItsCodePageAndItsOwnName)
{
    EXPECT_EQ(Language::codePageOf(QStringLiteral("ru")), 1251);
    EXPECT_EQ(Language::codePageOf(QStringLiteral("uk_UA")), 1251);
    EXPECT_EQ(Language::codePageOf(QStringLiteral("sr")), 1251);
    EXPECT_EQ(Language::codePageOf(QStringLiteral("sr_Cyrl")), 1251);
    EXPECT_EQ(Language::codePageOf(QStringLiteral("sr_Latn")), 1250);
    EXPECT_EQ(Language::codePageOf(QStringLiteral("sr-latn-RS")), 1250);
    EXPECT_EQ(Language::codePageOf(QStringLiteral("pl")), 1250);
    EXPECT_EQ(Language::codePageOf(QStringLiteral("hu")), 1250);
    EXPECT_EQ(Language::codePageOf(QStringLiteral("tr")), 1254);
    EXPECT_EQ(Language::codePageOf(QStringLiteral("pt_BR")), 1252);
    EXPECT_EQ(Language::codePageOf(QStringLiteral("en")), 1252);
    EXPECT_EQ(Language::nativeName(QStringLiteral("ru")), QStringLiteral("Русский"));
    EXPECT_EQ(Language::nativeName(QStringLiteral("pt_BR")), QStringLiteral("Português (Brasil)"));
    EXPECT_EQ(Language::nativeName(QStringLiteral("sr_Latn")), QStringLiteral("Srpski (latinica)"));
}

TEST(Language, DatesAreWrittenInTheDesktopsFormsOnlyWhenItSpeaksTheLanguageInUse)
{
    const QLocale british(QLocale::English, QLocale::UnitedKingdom);
    EXPECT_EQ(Language::localeFor(QStringLiteral("en"), british), british);
    EXPECT_EQ(Language::localeFor(QStringLiteral("ru"), british).language(), QLocale::Russian);
    EXPECT_EQ(Language::localeFor(QStringLiteral("pt_BR"), british).territory(), QLocale::Brazil);
    // A Serbian desktop in Cyrillic does not lend its forms to the Latin translation.
    const QLocale latin = Language::localeFor(QStringLiteral("sr_Latn"), QLocale(QStringLiteral("sr_Cyrl_RS")));
    EXPECT_EQ(latin.script(), QLocale::LatinScript);
}
