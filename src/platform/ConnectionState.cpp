#include "platform/ConnectionState.h"

#include <QAbstractSocket>
#include <QNetworkAddressEntry>
#include <QNetworkInformation>
#include <QNetworkInterface>

namespace ConnectionState {

namespace {

// A machine in a lab or at a LAN party may have no route to the Internet and still reach the
// servers it watches, so any running non-loopback IPv4 interface counts.
bool hasUsableInterface()
{
    const auto interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &iface : interfaces) {
        const auto flags = iface.flags();
        if (!flags.testFlag(QNetworkInterface::IsUp) || !flags.testFlag(QNetworkInterface::IsRunning)
            || flags.testFlag(QNetworkInterface::IsLoopBack))
            continue;
        const auto entries = iface.addressEntries();
        for (const QNetworkAddressEntry &entry : entries) {
            if (entry.ip().protocol() == QAbstractSocket::IPv4Protocol && !entry.ip().isLoopback())
                return true;
        }
    }
    return false;
}

State fromInterfaces()
{
    return hasUsableInterface() ? State{true, lan} : State{false, offline};
}

} // namespace

bool startsOnline(const State &state)
{
    return state.connected && state.flags != modemBusy;
}

State current()
{
    if (QNetworkInformation::instance() || QNetworkInformation::loadDefaultBackend()) {
        switch (QNetworkInformation::instance()->reachability()) {
        case QNetworkInformation::Reachability::Disconnected:
            return {false, offline};
        case QNetworkInformation::Reachability::Local:
        case QNetworkInformation::Reachability::Site:
        case QNetworkInformation::Reachability::Online:
            return {true, lan};
        case QNetworkInformation::Reachability::Unknown:
            break;
        }
    }
    return fromInterfaces();
}

} // namespace ConnectionState
