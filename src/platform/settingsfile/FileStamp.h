#pragma once

#include <QString>
#include <QtGlobal>

// What tells one state of a file from another without reading it: which file it is (a new one put
// in its place by a rename has another id) and when and how it last changed. Two equal stamps of
// a path mean its bytes have not changed in between, unless something wrote the same number of
// bytes within the file system's clock tick and put the times back.
namespace FileStamp {

struct Stamp
{
    bool exists = false;
    qint64 size = 0;
    qint64 modifiedNs = 0;
    qint64 changedNs = 0;
    quint64 device = 0;
    quint64 fileId = 0;

    friend bool operator==(const Stamp &, const Stamp &) = default;
};

/// The stamp of the file at `path` now; a missing file gives a stamp that says so.
Stamp of(const QString &path);

/// The stamp of the file open as `handle` (a C file descriptor), wherever its path now leads; a
/// stamp that says "missing" when it cannot be taken.
Stamp ofHandle(int handle);

/// Whether two stamps show the same file with the same bytes, ignoring the change time: moving a
/// file into place by a rename moves that time too, but nothing else.
bool sameBytes(const Stamp &a, const Stamp &b);

/// True when the file exists and must not be changed: no write permission for anyone in its mode
/// (the administrator included, like the read-only attribute), or none for this user.
bool isReadOnly(const QString &path);

/// Gives the open file `handle`, about to replace the file at `path`, that file's owner and group,
/// where this process may (the administrator replacing a user's file); elsewhere does nothing.
void keepOwner(int handle, const QString &path);

} // namespace FileStamp
