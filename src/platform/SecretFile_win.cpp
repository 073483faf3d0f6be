#include "platform/SecretFile.h"

#include <QFileInfo>

namespace SecretFile {

// The settings live in the user's own %LOCALAPPDATA% or in a folder the user chose; their access
// lists are the place that decides who reads them, and Zib leaves them as the user set them.
bool restrictToOwner(const QString &)
{
    return true;
}

bool isOwnerOnly(const QString &path)
{
    return QFileInfo::exists(path);
}

} // namespace SecretFile
