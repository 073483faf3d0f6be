#include "platform/SingleInstance.h"

#include <QDir>
#include <QFileInfo>

#include <unistd.h>

namespace {

// The session's own folder, private to the user and emptied at logout, where the desktop has
// one; the temporary folder otherwise.
QString meetingFolder()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QFileInfo folder(runtime);
    if (!runtime.isEmpty() && folder.isAbsolute() && folder.isDir() && folder.isWritable())
        return folder.absoluteFilePath();
    return QDir::tempPath();
}

} // namespace

// Keyed on the user id: $USER may be unset or set to anything, and then two accounts would
// share one lock, or one account could run two copies on one settings file.
SingleInstance::Place SingleInstance::defaultPlace()
{
    const QDir folder(meetingFolder());
    const QString name = QStringLiteral("zib-%1").arg(qulonglong(::getuid()));
    // A full path: the socket sits beside the lock, not in the temporary folder Qt would pick.
    return {folder.filePath(name + QStringLiteral(".lock")), folder.filePath(name + QStringLiteral(".socket")),
            qEnvironmentVariable("XDG_SESSION_ID")};
}
