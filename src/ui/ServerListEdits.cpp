#include "ui/ServerListEdits.h"
#include <QCoreApplication>

#include "model/Numeric.h"

namespace ServerListEdits {

namespace {

const QString crlf = QStringLiteral("\r\n");

} // namespace

QString addPrompt()
{
    return QCoreApplication::translate("ServerListEdits", "Server address and port number:") + crlf + crlf + QStringLiteral("hl.example.net:27015")
           + crlf + QCoreApplication::translate("ServerListEdits", "    or") + crlf + QStringLiteral("192.0.2.27:27015");
}

QString addRejected()
{
    return QCoreApplication::translate("ServerListEdits", "Sorry that address doesn't look right.") + crlf + crlf
           + QCoreApplication::translate("ServerListEdits", "Make sure you type the address AND the port separated by a : symbol.");
}

QString removeQuestion(const QString &shownName)
{
    return QCoreApplication::translate("ServerListEdits", "Are you sure you wish to delete: ") + crlf + crlf + shownName;
}

std::optional<Entry> parseAnswer(const QString &answer)
{
    const qsizetype colon = answer.indexOf(u':');
    if (colon < 0)
        return std::nullopt;
    const QString address = answer.left(colon);
    const QString portText = answer.mid(colon + 1);
    if (address.isEmpty())
        return std::nullopt;
    const auto port = Numeric::toInt32(portText);
    if (!port)
        return std::nullopt;
    return Entry{address, *port};
}

} // namespace ServerListEdits
