#pragma once

#include <QString>

class QObject;

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

/// Called with the first IPv4 address of a name as dotted text, empty when it did not resolve.
using Answer = std::function<void(const QString &address)>;

/// Looks a host name up without waiting for it: `answer` is called later on `context`'s thread,
/// never when `context` is gone by then (which is how a look-up is given up). Many look-ups run
/// at once. A dotted address, an empty name, and a name the table of setLookup answers are
/// answered at once, before this returns.
void lookUp(const QString &hostName, QObject *context, Answer answer);

/// What answers lookUp for names it does not answer at once, in place of the system's resolver
/// (tests: one that answers late, or never); an empty one returns to the system's.
using AsyncLookup = std::function<void(const QString &hostName, QObject *context, Answer answer)>;
void setAsyncLookup(AsyncLookup lookup);

} // namespace HostResolver
