#include "platform/settingsfile/FileStamp.h"

#include <QFileInfo>

#include <io.h>
#include <windows.h>

namespace FileStamp {

namespace {

qint64 fileTimeTicks(const FILETIME &time)
{
    return qint64((quint64(time.dwHighDateTime) << 32) | time.dwLowDateTime);
}

Stamp ofOpenFile(HANDLE handle)
{
    Stamp stamp;
    BY_HANDLE_FILE_INFORMATION info;
    if (GetFileInformationByHandle(handle, &info)) {
        stamp.exists = true;
        stamp.size = qint64((quint64(info.nFileSizeHigh) << 32) | info.nFileSizeLow);
        stamp.modifiedNs = fileTimeTicks(info.ftLastWriteTime) * 100;
        stamp.changedNs = fileTimeTicks(info.ftCreationTime) * 100;
        stamp.device = info.dwVolumeSerialNumber;
        stamp.fileId = (quint64(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    }
    return stamp;
}

} // namespace

Stamp of(const QString &path)
{
    // Opened for no access at all, so a writer holding the file is not disturbed.
    const HANDLE handle = CreateFileW(reinterpret_cast<LPCWSTR>(path.utf16()), 0,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return {};
    const Stamp stamp = ofOpenFile(handle);
    CloseHandle(handle);
    return stamp;
}

Stamp ofHandle(int handle)
{
    if (handle < 0)
        return {};
    const auto native = reinterpret_cast<HANDLE>(_get_osfhandle(handle));
    return native == INVALID_HANDLE_VALUE ? Stamp{} : ofOpenFile(native);
}

bool isReadOnly(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isWritable();
}

void keepOwner(int, const QString &)
{
}

} // namespace FileStamp
