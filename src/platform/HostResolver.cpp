#include "platform/HostResolver.h"

#include <QHostAddress>
#include <QHostInfo>
#include <QStringList>

#include <optional>

namespace HostResolver {

namespace {

Lookup &lookup()
{
    static Lookup current;
    return current;
}

QString systemLookup(const QString &hostName)
{
    const QHostInfo info = QHostInfo::fromName(hostName);
    if (info.error() != QHostInfo::NoError)
        return {};
    for (const QHostAddress &address : info.addresses()) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol)
            return address.toString();
    }
    return {};
}

} // namespace

std::optional<QString> dottedIPv4(const QString &text)
{
    const QStringList parts = text.split(u'.');
    if (parts.size() != 4)
        return std::nullopt;
    QStringList canonical;
    for (const QString &part : parts) {
        if (part.isEmpty() || part.size() > 3)
            return std::nullopt;
        for (QChar c : part) {
            if (c < u'0' || c > u'9')
                return std::nullopt;
        }
        const int value = part.toInt();
        if (value > 255)
            return std::nullopt;
        canonical.append(QString::number(value));
    }
    return canonical.join(u'.');
}

QString firstIPv4(const QString &hostName)
{
    if (const auto dotted = dottedIPv4(hostName))
        return *dotted;
    // An empty name would give the local machine's own address, which is never what a
    // server that failed to resolve earlier should become.
    if (hostName.trimmed().isEmpty())
        return {};
    return lookup() ? lookup()(hostName) : systemLookup(hostName);
}

void setLookup(Lookup newLookup)
{
    lookup() = std::move(newLookup);
}

} // namespace HostResolver
