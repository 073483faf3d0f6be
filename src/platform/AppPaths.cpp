#include "platform/AppPaths.h"

#include "platform/FolderAccess.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace AppPaths {

namespace {

const QString settingsFileName = QStringLiteral("ZIBsettings.ini");
const QString soundFileName = QStringLiteral("alert.wav");
const QString dataSubdir = QStringLiteral("zib");

QString programDir()
{
    return QCoreApplication::applicationDirPath();
}

QString configDir()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
}

} // namespace

QString chooseSettingsPath(const SettingsFacts &facts)
{
    const QString beside = QDir(facts.programDir).filePath(settingsFileName);
    // A file someone put beside the program on purpose wins, installed or not.
    if (facts.besideFileExists && facts.besideFileWritable)
        return beside;
    // A writable folder alone is not enough for an installed copy: root may write /usr/bin, and a
    // program under ~/.local/bin is still an installed one whose settings belong to the user.
    if (!facts.installed && facts.programDirWritable)
        return beside;
    if (facts.configDir.isEmpty())
        return beside;
    return QDir(facts.configDir).filePath(settingsFileName);
}

SettingsFacts currentSettingsFacts()
{
    SettingsFacts facts;
    facts.programDir = programDir();
    facts.installed = !installedDataDir(facts.programDir).isEmpty();
    facts.programDirWritable = FolderAccess::canCreateFiles(facts.programDir);
    const QString beside = QDir(facts.programDir).filePath(settingsFileName);
    facts.besideFileExists = QFileInfo::exists(beside);
    facts.besideFileWritable = FolderAccess::canWriteFile(beside);
    facts.configDir = configDir();
    return facts;
}

QString settingsPath()
{
    return chooseSettingsPath(currentSettingsFacts());
}

bool sameFile(const QString &a, const QString &b)
{
    const QFileInfo first(a);
    const QFileInfo second(b);
    if (first.absoluteFilePath() == second.absoluteFilePath())
        return true;
    // A file that does not exist yet has no canonical path, and two of those are not the same.
    const QString canonical = first.canonicalFilePath();
    return !canonical.isEmpty() && canonical == second.canonicalFilePath();
}

bool makeFolderFor(const QString &filePath)
{
    const QFileInfo file(filePath);
    return file.absoluteDir().exists() || QDir().mkpath(file.absolutePath());
}

QString installedDataDir(const QString &programDir)
{
    const QDir bin(programDir);
    if (bin.dirName() != QLatin1String("bin"))
        return {};
    const QFileInfo data(bin.filePath(QStringLiteral("../share/") + dataSubdir));
    return data.isDir() ? data.canonicalFilePath() : QString();
}

QStringList alertSoundCandidates(const QString &configDir, const QString &programDir,
                                 const QStringList &installedDataDirs)
{
    QStringList candidates;
    auto add = [&candidates](const QString &dir) {
        if (dir.isEmpty())
            return;
        const QString path = QDir::cleanPath(QDir(dir).filePath(soundFileName));
        if (!candidates.contains(path))
            candidates.append(path);
    };
    add(configDir);
    add(programDir);
    for (const QString &dir : installedDataDirs)
        add(dir);
    return candidates;
}

QString firstReadableFile(const QStringList &candidates)
{
    for (const QString &path : candidates) {
        const QFileInfo file(path);
        if (file.isFile() && file.isReadable())
            return path;
    }
    return {};
}

QString alertSoundPath()
{
    QStringList dataDirs{installedDataDir(programDir())};
    for (const QString &dir : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        dataDirs.append(QDir(dir).filePath(dataSubdir));
    return firstReadableFile(alertSoundCandidates(configDir(), programDir(), dataDirs));
}

} // namespace AppPaths
