#include "platform/FileStamp.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace FileStamp {

#ifdef Q_OS_WIN

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

#else

namespace {

qint64 nanoseconds(const timespec &time)
{
    return qint64(time.tv_sec) * 1000000000 + time.tv_nsec;
}

Stamp fromStat(const struct stat &info)
{
    Stamp stamp;
    stamp.exists = true;
    stamp.size = qint64(info.st_size);
#ifdef Q_OS_MACOS
    stamp.modifiedNs = nanoseconds(info.st_mtimespec);
    stamp.changedNs = nanoseconds(info.st_ctimespec);
#else
    stamp.modifiedNs = nanoseconds(info.st_mtim);
    stamp.changedNs = nanoseconds(info.st_ctim);
#endif
    stamp.device = quint64(info.st_dev);
    stamp.fileId = quint64(info.st_ino);
    return stamp;
}

} // namespace

Stamp of(const QString &path)
{
    struct stat info;
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? fromStat(info) : Stamp{};
}

Stamp ofHandle(int handle)
{
    struct stat info;
    return handle >= 0 && ::fstat(handle, &info) == 0 ? fromStat(info) : Stamp{};
}

bool isReadOnly(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info;
    if (::stat(name.constData(), &info) != 0)
        return false;
    // The administrator may write anything, so its access() says yes to a file that its owner
    // made read-only; the mode bits are what the owner meant.
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return true;
    return ::access(name.constData(), W_OK) != 0;
}

void keepOwner(int handle, const QString &path)
{
    struct stat info;
    if (handle < 0 || ::geteuid() != 0 || ::stat(QFile::encodeName(path).constData(), &info) != 0)
        return;
    // Left to root, the user's own settings file would come back root's, and closed to its owner.
    [[maybe_unused]] const int changed = ::fchown(handle, info.st_uid, info.st_gid);
}

#endif

bool sameBytes(const Stamp &a, const Stamp &b)
{
    return a.exists == b.exists && a.size == b.size && a.modifiedNs == b.modifiedNs && a.device == b.device
           && a.fileId == b.fileId;
}

} // namespace FileStamp
