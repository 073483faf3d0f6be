#include "platform/CommandLine.h"

#include "platform/AppPaths.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace CommandLine {

Result parse(const QStringList &arguments, const QString &version)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Watches Half-Life servers for players of your clan and raises an alert when they show up."));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and end."));
    const QCommandLineOption versionOption(QStringList{QStringLiteral("v"), QStringLiteral("version")},
                                           QStringLiteral("Show the version and end."));
    const QCommandLineOption settings(QStringLiteral("settings"),
                                      QStringLiteral("Keep the settings in <file> instead of the usual place."),
                                      QStringLiteral("file"));
    const QCommandLineOption minimized(QStringLiteral("minimized"),
                                       QStringLiteral("Start hidden in the tray (minimised where there is no tray)."));
    const QCommandLineOption language(QStringLiteral("language"),
                                      QStringLiteral("Speak <code> (such as ru or pt_BR) instead of the desktop's language."),
                                      QStringLiteral("code"));
    parser.addOptions({help, versionOption, settings, minimized, language});

    const QString program = arguments.isEmpty() ? QStringLiteral("zib") : QFileInfo(arguments.first()).fileName();
    Result result;
    auto fail = [&result, &program](const QString &why) {
        result.action = Result::Action::Fail;
        result.text = QStringLiteral("%1: %2\nTry '%1 --help'.\n").arg(program, why);
        return result;
    };

    if (!parser.parse(arguments))
        return fail(parser.errorText());
    if (parser.isSet(help)) {
        result.action = Result::Action::ShowHelp;
        // Without an application object Qt cannot name the program in its usage line.
        const QString text = parser.helpText();
        result.text = QStringLiteral("Usage: %1 [options]").arg(program) + text.mid(text.indexOf(QLatin1Char('\n')));
        return result;
    }
    if (parser.isSet(versionOption)) {
        result.action = Result::Action::ShowVersion;
        result.text = QStringLiteral("%1 %2\n"
                                     "License GPL-3.0-or-later: GNU GPL version 3 or later.\n"
                                     "This is free software: you may change and share it. There is NO WARRANTY.\n")
                          .arg(program, version);
        return result;
    }
    if (!parser.positionalArguments().isEmpty())
        return fail(QStringLiteral("unexpected argument '%1'.").arg(parser.positionalArguments().first()));
    if (parser.values(settings).size() > 1)
        return fail(QStringLiteral("--settings given more than once."));
    if (parser.isSet(settings)) {
        const QString file = parser.value(settings);
        if (file.isEmpty())
            return fail(QStringLiteral("--settings needs a file name."));
        const QFileInfo info(file);
        if (info.isDir())
            return fail(QStringLiteral("'%1' is a folder, not a settings file.").arg(file));
        result.settingsPath = info.absoluteFilePath();
    }
    result.minimized = parser.isSet(minimized);
    if (parser.isSet(language)) {
        result.language = parser.value(language).trimmed();
        if (result.language.isEmpty())
            return fail(QStringLiteral("--language needs a language code, such as ru or pt_BR."));
    }
    return result;
}

QString handOverNote(const QString &program, const Result &own, const QString &ownSettings,
                     const QString &runningSettings)
{
    const bool differs = runningSettings.isEmpty() ? !own.settingsPath.isEmpty()
                                                   : !AppPaths::sameFile(ownSettings, runningSettings);
    if (!differs)
        return {};
    const QString ignored = own.settingsPath.isEmpty()
        ? QStringLiteral("the usual settings file %1").arg(ownSettings)
        : QStringLiteral("--settings %1").arg(own.settingsPath);
    const QString running = runningSettings.isEmpty()
        ? QString()
        : QStringLiteral(" (the running copy keeps its settings in %1)").arg(runningSettings);
    return QStringLiteral("%1: Zib is already running; this copy handed over to it and ends.\n"
                          "%1: ignored: %2%3.\n")
        .arg(program, ignored, running);
}

} // namespace CommandLine
