#pragma once

#include <QString>
#include <QStringList>

// The program's few command-line options. Read before the application object exists, so that
// --help and --version answer on a machine without a display.
namespace CommandLine {

struct Result
{
    enum class Action { Run, ShowHelp, ShowVersion, Fail };
    Action action = Action::Run;
    /// The settings file chosen with --settings, made absolute; empty when none was chosen.
    QString settingsPath;
    /// Start hidden in the tray (or minimised where there is no tray).
    bool minimized = false;
    /// The language chosen with --language ("ru", "pt_BR"); empty when none was.
    QString language;
    /// What to print: the help, the version line, or the error with a hint.
    QString text;
};

/// Reads `arguments` (the program's name first, as argv has it). `version` is the version
/// line's number.
Result parse(const QStringList &arguments, const QString &version);

/// What a copy that found Zib already running, and handed over to it, says on stderr: which
/// of its own choices the running copy does not share. Empty when they agree. `ownSettings` is
/// the settings file this copy would have kept, `runningSettings` the running copy's (empty when
/// it did not say).
QString handOverNote(const QString &program, const Result &own, const QString &ownSettings,
                     const QString &runningSettings);

} // namespace CommandLine
