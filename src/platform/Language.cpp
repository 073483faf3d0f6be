#include "platform/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QTranslator>

namespace Language {

namespace {

const QString english = QStringLiteral("en");
const QString translations = QStringLiteral(":/i18n");
QString installed = english;

// "pt-BR", "pt_BR" and "pt_br" are one language.
QString normalised(QString code)
{
    code.replace(QLatin1Char('-'), QLatin1Char('_'));
    const qsizetype cut = code.indexOf(QLatin1Char('_'));
    if (cut < 0)
        return code.toLower();
    return code.first(cut).toLower() + QLatin1Char('_') + code.mid(cut + 1).toUpper();
}

QString match(const QString &wanted, const QStringList &available, bool languageAlone)
{
    if (wanted.trimmed().isEmpty())
        return {};
    const QString code = normalised(wanted.trimmed());
    for (const QString &a : available) {
        if (a == code)
            return a;
    }
    if (!languageAlone)
        return {};
    const QString language = code.section(QLatin1Char('_'), 0, 0);
    for (const QString &a : available) {
        if (a.section(QLatin1Char('_'), 0, 0) == language)
            return a;
    }
    return {};
}

} // namespace

QStringList available()
{
    QStringList codes { english };
    const QStringList files = QDir(translations).entryList({ QStringLiteral("zib_*.qm") }, QDir::Files, QDir::Name);
    for (const QString &file : files)
        codes.append(file.mid(4, file.size() - 7));
    return codes;
}

QString choose(
    const QString &commandLine, const QString &setting, const QStringList &desktop, const QStringList &available)
{
    // What the user named is taken as named or by its language ("pt" finds "pt_BR"), like the
    // desktop's own list.
    for (const QString &chosen : { commandLine, setting }) {
        if (const QString code = match(chosen, available, true); !code.isEmpty())
            return code;
    }
    for (const QString &wanted : desktop) {
        if (const QString code = match(wanted, available, false); !code.isEmpty())
            return code;
    }
    for (const QString &wanted : desktop) {
        if (const QString code = match(wanted, available, true); !code.isEmpty())
            return code;
    }
    return english;
}

QString nativeName(const QString &code)
{
    static const QList<std::pair<QString, QString>> names {
        { QStringLiteral("en"), QStringLiteral("English") },
        { QStringLiteral("ru"), QStringLiteral("Русский") },
        { QStringLiteral("pt_BR"), QStringLiteral("Português (Brasil)") },
        { QStringLiteral("ro"), QStringLiteral("Română") },
        { QStringLiteral("pl"), QStringLiteral("Polski") },
        { QStringLiteral("tr"), QStringLiteral("Türkçe") },
        { QStringLiteral("es"), QStringLiteral("Español") },
        { QStringLiteral("hu"), QStringLiteral("Magyar") },
        { QStringLiteral("uk"), QStringLiteral("Українська") },
        { QStringLiteral("de"), QStringLiteral("Deutsch") },
        { QStringLiteral("sr"), QStringLiteral("Srpski") },
    };
    for (const auto &[c, name] : names) {
        if (c == code)
            return name;
    }
    return code;
}

int codePageOf(const QString &code)
{
    const QString language = normalised(code).section(QLatin1Char('_'), 0, 0);
    static const QStringList cyrillic { QStringLiteral("ru"), QStringLiteral("uk"), QStringLiteral("sr"),
        QStringLiteral("bg"), QStringLiteral("be") };
    static const QStringList centralEurope { QStringLiteral("pl"), QStringLiteral("cs"), QStringLiteral("hu"),
        QStringLiteral("ro"), QStringLiteral("hr"), QStringLiteral("sk"), QStringLiteral("sl") };
    if (cyrillic.contains(language))
        return 1251;
    if (centralEurope.contains(language))
        return 1250;
    if (language == QStringLiteral("tr"))
        return 1254;
    return 1252;
}

QString current()
{
    return installed;
}

QLocale localeFor(const QString &code, const QLocale &desktop)
{
    const QLocale spoken(code);
    return desktop.language() == spoken.language() && desktop.script() == spoken.script() ? desktop : spoken;
}

QLocale locale()
{
    // Qt's system locale may take its name from one variable and its forms from another (LANG=C
    // beside LANGUAGE=ru calls itself Russian and writes days in English); the forms of the
    // locale it names are the same everywhere.
    return localeFor(installed, QLocale(QLocale::system().name()));
}

bool install(QCoreApplication &app, const QString &code)
{
    if (code == english) {
        installed = english;
        return true;
    }
    // Owned by the application: they must live as long as it does.
    auto *own = new QTranslator(&app);
    if (!own->load(QStringLiteral("zib_") + code, translations)) {
        delete own;
        return false;
    }
    QCoreApplication::installTranslator(own);
    installed = code;
    auto *qt = new QTranslator(&app);
    if (qt->load(QStringLiteral("qtbase_") + code, translations))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return true;
}

} // namespace Language
