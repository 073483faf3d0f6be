#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <variant>

// Server addresses picked out of text a user pasted: a chat line, a list from a web page, a link
// from a server browser or a console command.
namespace AddressList {

/// The port a Half-Life server listens on unless told otherwise.
inline constexpr qint32 defaultPort = 27015;

struct Address
{
    /// A host name or a dotted IPv4 address, as written.
    QString host;
    qint32 port = defaultPort;

    friend bool operator==(const Address &, const Address &) = default;
};

/// Text that looked like an address but cannot be one, and why, in words for the user.
struct Refused
{
    QString text;
    QString reason;
};

/// One address: "host", "host:port", "steam://connect/host:port[/password]". Blanks around it
/// are the caller's to drop.
std::variant<Address, Refused> parseOne(QStringView text);

struct Found
{
    QList<Address> addresses;
    QList<Refused> refused;
};

/// Every address in a text whose items are separated by blanks, commas, semicolons or line
/// breaks. The console's "connect" before an address is passed over, and so are words that
/// cannot be meant as addresses (no dot, no port, no link).
Found parse(QStringView text);

/// "host:port".
QString toText(const Address &address);

} // namespace AddressList
