#pragma once

#include <QString>

#include <functional>
#include <optional>

// Turns a host name into the dotted IPv4 text that replies will carry as their sender.
namespace HostResolver {

/// The first IPv4 address of a host name, as dotted decimal text; a dotted IPv4 address comes
/// back without a lookup; the empty string when the name does not resolve.
QString firstIPv4(const QString &hostName);

/// Dotted IPv4 text in canonical form ("10.0.0.1"), or nothing when `text` is no dotted address.
std::optional<QString> dottedIPv4(const QString &text);

/// What answers host names that are not dotted addresses. Tests put a table here; an empty
/// lookup returns to the system's resolver.
using Lookup = std::function<QString(const QString &hostName)>;
void setLookup(Lookup lookup);

} // namespace HostResolver
