#include "platform/FolderAccess.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include <qt_windows.h>

namespace FolderAccess {

bool canCreateFiles(const QString &folder)
{
    if (!QFileInfo(folder).isDir())
        return false;
    // Made and removed at once; the name is one nobody else uses.
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral("zib-probe-XXXXXX.tmp")));
    return probe.open();
}

bool canWriteFile(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return false;
    // Opening for writing changes neither the bytes nor the times; sharing everything keeps a
    // program that has the file open from being disturbed.
    const HANDLE file = CreateFileW(reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(path).utf16()),
                                    GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return GetLastError() == ERROR_SHARING_VIOLATION;
    CloseHandle(file);
    return true;
}

} // namespace FolderAccess
