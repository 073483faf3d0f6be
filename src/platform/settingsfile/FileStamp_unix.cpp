#include "platform/settingsfile/FileStamp.h"

#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

namespace FileStamp {

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

} // namespace FileStamp
