#include "platform/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QTranslator>

namespace Language {

namespace {

const QString english = QStringLiteral("en");
const QString translations = QStringLiteral(":/i18n");
QString installed = english;

// Linux names a script after the at sign ("sr_RS.UTF-8@latin"), and Qt passes LANGUAGE=sr@latin
// on as "sr-latin".
QString scriptCalled(const QString &name)
{
    if (name.compare(QStringLiteral("latin"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Latn");
    if (name.compare(QStringLiteral("cyrillic"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Cyrl");
    return {};
}

// "pt-BR", "pt_BR" and "pt_br" are one language, and "sr-latn-rs" is "sr_Latn_RS": the language in
// lower case, a script (four letters) capitalised, a country in capitals. The encoding of a Linux
// locale says nothing of its language.
QString normalised(QString code)
{
    QString script;
    if (const qsizetype at = code.indexOf(QLatin1Char('@')); at >= 0) {
        script = scriptCalled(code.mid(at + 1));
        code.truncate(at);
    }
    if (const qsizetype dot = code.indexOf(QLatin1Char('.')); dot >= 0)
        code.truncate(dot);
    QStringList parts = code.replace(QLatin1Char('-'), QLatin1Char('_')).split(QLatin1Char('_'));
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (i == 0)
            parts[i] = parts[i].toLower();
        else if (const QString named = scriptCalled(parts[i]); !named.isEmpty())
            parts[i] = named;
        else if (parts[i].size() == 4)
            parts[i] = parts[i].first(1).toUpper() + parts[i].mid(1).toLower();
        else
            parts[i] = parts[i].toUpper();
    }
    if (!script.isEmpty() && (parts.size() < 2 || parts[1].size() != 4))
        parts.insert(1, script);
    return parts.join(QLatin1Char('_'));
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
    // Less and less of the name: "sr_Latn_RS" finds "sr_Latn" before any other Serbian.
    QStringList parts = code.split(QLatin1Char('_'));
    while (parts.size() > 2) {
        parts.removeLast();
        if (available.contains(parts.join(QLatin1Char('_'))))
            return parts.join(QLatin1Char('_'));
    }
    const QString language = parts.first();
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
        { QStringLiteral("sr_Latn"), QStringLiteral("Srpski (latinica)") },
    };
    for (const auto &[c, name] : names) {
        if (c == code)
            return name;
    }
    return code;
}

int codePageOf(const QString &code)
{
    const QString full = normalised(code);
    const QString language = full.section(QLatin1Char('_'), 0, 0);
    // Serbian in Latin letters is written in Central Europe's code page: Windows' own for a
    // Serbian (Latin) system, and the only one with its č, ć, đ, š and ž.
    if (language == QStringLiteral("sr") && full.section(QLatin1Char('_'), 1, 1) == QStringLiteral("Latn"))
        return 1250;
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
