#include "platform/FolderAccess.h"

#include <QFileInfo>

namespace FolderAccess {

bool canCreateFiles(const QString &folder)
{
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

bool canWriteFile(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isWritable();
}

} // namespace FolderAccess
