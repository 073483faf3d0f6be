#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;

// Which language the windows speak, and which code page old names are read in. Both are chosen
// once at the start: the fixed layouts are measured for one language, and a name already read
// would not be read again, so a change takes effect at the next start.
namespace Language {

/// The name of the key in the settings section that holds the chosen language ("ru", "pt_BR");
/// empty or missing means the desktop's.
inline const QString settingsKey = QStringLiteral("Language");
/// The key that overrides the code page of names that are not UTF-8 ("1251").
inline const QString codePageKey = QStringLiteral("CodePage");

/// The languages Zib has translations for, English first, as codes ("en", "ru", "pt_BR").
QStringList available();

/// The language to speak: the command line's choice, else the settings file's, else the first of
/// the desktop's languages (QLocale::uiLanguages(), "pt-BR" or "ru-RU" as it gives them) that
/// `available` holds, by full name first and then by less of it ("sr_Latn_RS", "sr_Latn", any
/// "sr"); English when none is. Case, "-" or "_", and Linux's "sr_RS.UTF-8@latin" do not matter.
/// A choice that names no available language is passed over as if it were not made.
QString choose(
    const QString &commandLine, const QString &setting, const QStringList &desktop, const QStringList &available);

/// The language's name in itself: "Русский", "Português (Brasil)".
QString nativeName(const QString &code);

/// The Windows code page a player who reads this language most likely has: 1251 for Cyrillic,
/// 1250 for Central Europe and for Serbian in Latin letters ("sr_Latn"), 1254 for Turkish, else 1252.
int codePageOf(const QString &code);

/// Makes `code` the language of the program's texts and of Qt's own (the buttons of message
/// boxes, a text box's menu), from the translations carried in the program. False when no
/// translation of Zib's own texts was found (English needs none and is always true).
bool install(QCoreApplication &app, const QString &code);

/// The language install last made the program's, "en" before any.
QString current();

/// How numbers, dates and times are written for a user who reads `code`: the desktop's own
/// forms when the desktop is set to that language (a British desktop keeps its day-first dates
/// in English), else the usual forms of the language.
QLocale localeFor(const QString &code, const QLocale &desktop);

/// localeFor the language in use and the desktop's locale.
QLocale locale();

} // namespace Language
