#pragma once

#include <QCoreApplication>
#include <QString>

#include <optional>

// The texts and the answer check of the "Add New Server" and "Remove Server" buttons.
namespace ServerListEdits {

inline QString addTitle()
{
    return QCoreApplication::translate("ServerListEdits", "Add a new Game Server");
}
inline QString removeTitle()
{
    return QCoreApplication::translate("ServerListEdits", "Remove Server");
}
// A name of the user's list, written to the settings file: never translated.
inline const QString newServerName = QStringLiteral("New Server");

/// The add prompt, with one host name and one IPv4 address as examples.
QString addPrompt();
/// The "ERROR" text shown for an answer that cannot be a server.
QString addRejected();
/// The remove confirmation for the name shown in the grid.
QString removeQuestion(const QString &shownName);

struct Entry
{
    QString address;
    qint32 port = 0;
};

/// "address:port": the address is everything before the first colon, as typed and not empty;
/// the rest must be a number that fits 32 bits, rounded half to even. Nothing for anything else.
std::optional<Entry> parseAnswer(const QString &answer);

} // namespace ServerListEdits
