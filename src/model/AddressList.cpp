#include "model/AddressList.h"
#include <QCoreApplication>

#include "model/TopLevelDomains.h"
#include "platform/HostResolver.h"

namespace AddressList {

namespace {

const QString linkPrefix = QStringLiteral("steam://connect/");

bool isSeparator(QChar c)
{
    return c.isSpace() || c == u',' || c == u';';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isHexDigit(QChar c)
{
    return isDigit(c) || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// "::1", "fe80::1%eth0", "[2001:db8::1]:27015": hex groups between colons, eight of them or
// fewer around a "::". A clock time ("12:30:45") is neither.
bool looksLikeIPv6(QStringView text)
{
    if (text.startsWith(u'[')) {
        const qsizetype close = text.indexOf(u']');
        if (close < 0)
            return false;
        text = text.sliced(1, close - 1);
    }
    // The zone after a '%' names a network interface, in any letters.
    if (const qsizetype zone = text.indexOf(u'%'); zone >= 0)
        text = text.first(zone);
    for (QChar c : text) {
        if (!isHexDigit(c) && c != u':' && c != u'.')
            return false;
    }
    return text.contains(u"::") || text.count(u':') == 7;
}

bool isHostLabel(QStringView label)
{
    if (label.isEmpty() || label.size() > 63 || label.startsWith(u'-') || label.endsWith(u'-'))
        return false;
    for (QChar c : label) {
        if (!(isDigit(c) || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'-'))
            return false;
    }
    return true;
}

bool onlyDigitsAndDots(QStringView text)
{
    for (QChar c : text) {
        if (!isDigit(c) && c != u'.')
            return false;
    }
    return true;
}

std::optional<QString> hostProblem(QStringView host)
{
    if (host.isEmpty())
        return QCoreApplication::translate("AddressList", "there is no address before the port");
    if (onlyDigitsAndDots(host)) {
        if (!HostResolver::dottedIPv4(host.toString()))
            return QCoreApplication::translate("AddressList", "it is not an IPv4 address (four numbers from 0 to 255, separated by dots)");
        return std::nullopt;
    }
    if (host.size() > 253)
        return QCoreApplication::translate("AddressList", "the host name is too long");
    // A fully qualified name may end in a dot.
    const QStringView name = host.endsWith(u'.') ? host.chopped(1) : host;
    for (QStringView label : name.split(u'.')) {
        if (!isHostLabel(label))
            return QCoreApplication::translate("AddressList", "it is not a host name (letters, digits, hyphens and dots)");
    }
    return std::nullopt;
}

std::optional<qint32> portOf(QStringView text)
{
    if (text.isEmpty() || text.size() > 5)
        return std::nullopt;
    qint32 port = 0;
    for (QChar c : text) {
        if (!isDigit(c))
            return std::nullopt;
        port = port * 10 + (c.unicode() - u'0');
    }
    if (port < 1 || port > 65535)
        return std::nullopt;
    return port;
}

// Whether a word of a pasted text can have been meant as an address: a link, a host with a port,
// four numbers with dots, or a dotted name that ends in a top-level domain in use. Words of prose
// ("Join", "e.g.", "v1.2", "20:00"), file names ("server.cfg", "hlds.exe") and the time stamps
// of a chat log ("[12:30:45]") are not.
bool meantAsAddress(QStringView word)
{
    if (word.startsWith(linkPrefix, Qt::CaseInsensitive) || looksLikeIPv6(word))
        return true;
    if (word.startsWith(u'['))
        return false;
    const qsizetype colon = word.indexOf(u':');
    const QStringView host = colon < 0 ? word : word.first(colon);
    if (colon >= 0 && colon + 1 == word.size())
        return false;
    if (onlyDigitsAndDots(host))
        return host.count(u'.') == 3;
    if (colon >= 0)
        return true;
    const qsizetype lastDot = word.lastIndexOf(u'.');
    if (lastDot <= 0)
        return false;
    return TopLevelDomains::isKnown(word.sliced(lastDot + 1));
}

// Quotes and brackets around an address in prose, and the full stop after it: "(1.2.3.4:27015)",
// "<host:27016>", "join frag.example.org."
QStringView unwrapped(QStringView word)
{
    const auto wrapping = [](QChar c) {
        return c == u'"' || c == u'\'' || c == u'(' || c == u')' || c == u'<' || c == u'>';
    };
    while (!word.isEmpty() && wrapping(word.front()))
        word = word.sliced(1);
    while (!word.isEmpty() && (wrapping(word.back()) || word.back() == u'.' || word.back() == u'!' || word.back() == u'?'))
        word.chop(1);
    return word;
}

} // namespace

std::variant<Address, Refused> parseOne(QStringView text)
{
    const auto refuse = [text](const QString &reason) { return Refused{text.toString(), reason}; };
    QStringView rest = text;
    if (rest.startsWith(linkPrefix, Qt::CaseInsensitive)) {
        rest = rest.sliced(linkPrefix.size());
        // A link may carry the server's password after the address; joining asks for it again.
        if (const qsizetype slash = rest.indexOf(u'/'); slash >= 0)
            rest = rest.first(slash);
    }
    if (looksLikeIPv6(rest))
        return refuse(QCoreApplication::translate("AddressList", "it is an IPv6 address; Half-Life servers are reached over IPv4 only"));
    const qsizetype colon = rest.indexOf(u':');
    const QStringView host = colon < 0 ? rest : rest.first(colon);
    if (const auto problem = hostProblem(host))
        return refuse(*problem);
    qint32 port = defaultPort;
    if (colon >= 0) {
        const auto given = portOf(rest.sliced(colon + 1));
        if (!given)
            return refuse(QCoreApplication::translate("AddressList", "the port must be a whole number from 1 to 65535"));
        port = *given;
    }
    return Address{host.toString(), port};
}

Found parse(QStringView text)
{
    Found found;
    qsizetype at = 0;
    while (at < text.size()) {
        while (at < text.size() && isSeparator(text[at]))
            ++at;
        qsizetype end = at;
        while (end < text.size() && !isSeparator(text[end]))
            ++end;
        const QStringView word = unwrapped(text.sliced(at, end - at));
        at = end;
        if (word.isEmpty() || word.compare(u"connect", Qt::CaseInsensitive) == 0 || !meantAsAddress(word))
            continue;
        auto one = parseOne(word);
        if (auto *address = std::get_if<Address>(&one))
            found.addresses.append(std::move(*address));
        else
            found.refused.append(std::get<Refused>(std::move(one)));
    }
    return found;
}

QString toText(const Address &address)
{
    return address.host + u':' + QString::number(address.port);
}

} // namespace AddressList
