#include "model/TopLevelDomains.h"

#include <algorithm>
#include <string>

namespace TopLevelDomains {

bool isKnown(QStringView label)
{
    if (label.isEmpty() || label.size() > 63)
        return false;
    std::string lower;
    lower.reserve(std::size_t(label.size()));
    for (QChar c : label) {
        if (c.unicode() > 0x7F)
            return false;
        lower.push_back(char(QChar::toLower(c.unicode())));
    }
    // The list names internationalised domains in their own letters; in a host name they come
    // as "xn--" and their ASCII form, and no file name ends that way.
    if (lower.starts_with("xn--"))
        return true;
    const std::string_view *end = detail::sorted + detail::count;
    return std::binary_search(detail::sorted, end, std::string_view(lower));
}

} // namespace TopLevelDomains
