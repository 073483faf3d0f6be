#pragma once

#include <QString>
#include <QStringList>

// Where the program keeps its settings file and finds its alert sound. A copy unpacked into a
// folder of its own keeps everything beside itself; an installed copy keeps the user's things in
// the user's configuration folder and its own in the installed data folder.
namespace AppPaths {

/// What the settings-file choice depends on, gathered from the file system.
struct SettingsFacts
{
    /// The folder that holds the program.
    QString programDir;
    /// The program sits in an installed layout (bin/ beside share/zib/), not in a folder of its own.
    bool installed = false;
    bool programDirWritable = false;
    bool besideFileExists = false;
    bool besideFileWritable = false;
    /// The user's configuration folder for this program (it may not exist yet).
    QString configDir;
};

/// The settings file: beside the program when it may be written there (a file already there
/// that can be written, or a writable folder of a copy that is not installed); otherwise in the
/// user's configuration folder.
QString chooseSettingsPath(const SettingsFacts &facts);

/// The facts for this program and user, read from the file system now.
SettingsFacts currentSettingsFacts();

/// chooseSettingsPath(currentSettingsFacts()).
QString settingsPath();

/// Whether two paths name the same file: the same absolute path, or the same file behind links.
bool sameFile(const QString &a, const QString &b);

/// Makes the folder that is to hold `filePath`, when it is missing. False when it cannot be made.
bool makeFolderFor(const QString &filePath);

/// The folder of data installed with the program (`share/zib` beside its `bin`), or an empty
/// string when the program does not sit in such a layout.
QString installedDataDir(const QString &programDir);

/// Where to look for the alert sound, in order: the user's own, the one beside the program,
/// the installed ones (the program's own prefix first, then the system's data folders).
QStringList alertSoundCandidates(const QString &configDir, const QString &programDir,
                                 const QStringList &installedDataDirs);

/// The first of `candidates` that is a readable file, or an empty string.
QString firstReadableFile(const QStringList &candidates);

/// The alert sound this program and user would play now, or an empty string when there is none.
QString alertSoundPath();

} // namespace AppPaths
