#pragma once

#include <QString>

// Whether this user may write somewhere, as the system would decide it. On Linux the mode bits and
// access() say so; on Windows only an attempt does, because the access lists of folders such as
// Program Files refuse a plain user while the read-only attribute Qt looks at is clear.
namespace FolderAccess {

/// True when a new file can be made in `folder` now.
bool canCreateFiles(const QString &folder);

/// True when the existing file `path` can be opened for writing now (it is not changed).
bool canWriteFile(const QString &path);

} // namespace FolderAccess
