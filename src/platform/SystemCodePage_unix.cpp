#include "platform/SystemCodePage.h"

namespace SystemCodePage {

std::optional<int> ansi()
{
    // Linux is UTF-8 throughout; the code page of old names goes with the language instead.
    return std::nullopt;
}

} // namespace SystemCodePage
