#include "platform/settingsfile/FileStamp.h"

namespace FileStamp {

bool sameBytes(const Stamp &a, const Stamp &b)
{
    return a.exists == b.exists && a.size == b.size && a.modifiedNs == b.modifiedNs && a.device == b.device
           && a.fileId == b.fileId;
}

} // namespace FileStamp
