#pragma once

#include <QString>

// A file that holds a secret (a token) is kept from other users.
namespace SecretFile {

/// Makes the file at `path` owner-only before a secret is written into it: on Linux its group
/// and others lose every permission (a read-only file stays read-only), and a missing file is
/// made empty with mode 0600, so no write ever leaves the secret readable by others. On Windows
/// the per-user folders' access lists already keep other users out; nothing is done. False when
/// the mode could not be set.
bool restrictToOwner(const QString &path);

/// Whether only the owner may read or write the file (true where the system has no such mode).
bool isOwnerOnly(const QString &path);

} // namespace SecretFile
