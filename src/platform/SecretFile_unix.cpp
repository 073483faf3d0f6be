#include "platform/SecretFile.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace SecretFile {

bool restrictToOwner(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0) {
        if (errno != ENOENT)
            return false;
        // O_EXCL: should another program make the file meanwhile, its mode is set below instead.
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, S_IRUSR | S_IWUSR);
        if (fd >= 0) {
            ::close(fd);
            return true;
        }
        if (errno != EEXIST || ::stat(name.constData(), &info) != 0)
            return false;
    }
    const mode_t ownerOnly = info.st_mode & (S_IRWXU | S_ISUID | S_ISGID | S_ISVTX);
    if ((info.st_mode & 07777) == ownerOnly)
        return true;
    return ::chmod(name.constData(), ownerOnly) == 0;
}

bool isOwnerOnly(const QString &path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return false;
    return (info.st_mode & (S_IRWXG | S_IRWXO)) == 0;
}

} // namespace SecretFile
