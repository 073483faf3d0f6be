#pragma once

#include <QStringView>

#include <cstddef>
#include <string_view>

// The top-level domains in use, from the public suffix list as the build machine's Debian has it,
// compiled in: the program reads no list at run time.
namespace TopLevelDomains {

namespace detail {
extern const std::string_view sorted[];
extern const std::size_t count;
} // namespace detail

/// Whether a label, in any case, is a top-level domain ("net", "DE"); an internationalised one
/// in its ASCII form ("xn--p1ai") always counts.
bool isKnown(QStringView label);

} // namespace TopLevelDomains
