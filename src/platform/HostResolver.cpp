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

AsyncLookup &asyncLookup()
{
    static AsyncLookup current;
    return current;
}

QString firstIPv4Of(const QHostInfo &info)
{
    if (info.error() != QHostInfo::NoError)
        return {};
    for (const QHostAddress &address : info.addresses()) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol)
            return address.toString();
    }
    return {};
}

QString systemLookup(const QString &hostName)
{
    return firstIPv4Of(QHostInfo::fromName(hostName));
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

void lookUp(const QString &hostName, QObject *context, Answer answer)
{
    if (const auto dotted = dottedIPv4(hostName))
        return answer(*dotted);
    if (hostName.trimmed().isEmpty())
        return answer({});
    if (lookup())
        return answer(lookup()(hostName));
    if (asyncLookup())
        return asyncLookup()(hostName, context, std::move(answer));
    // Qt runs these on a pool of its own threads, many at once, and calls back on the context's
    // thread; a context deleted first is never called back.
    QHostInfo::lookupHost(hostName, context,
                          [answer = std::move(answer)](const QHostInfo &info) { answer(firstIPv4Of(info)); });
}

void setAsyncLookup(AsyncLookup newLookup)
{
    asyncLookup() = std::move(newLookup);
}

} // namespace HostResolver
