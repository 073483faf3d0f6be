#include "platform/SystemCodePage.h"

#include <windows.h>

namespace SystemCodePage {

std::optional<int> ansi()
{
    const UINT page = GetACP();
    // A system set to UTF-8 for its "ANSI" text says nothing about the names of old servers.
    if (page == CP_UTF8 || page == 0)
        return std::nullopt;
    return int(page);
}

} // namespace SystemCodePage
