#include "platform/LinkHandlers.h"

namespace LinkHandlers {

std::optional<bool> hasHandler(const QString &, const QString &)
{
    // Windows' own link opening fails when no program has the scheme, so the answer comes
    // from opening the link itself.
    return std::nullopt;
}

} // namespace LinkHandlers
