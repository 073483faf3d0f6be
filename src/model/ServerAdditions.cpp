#include "model/ServerAdditions.h"

#include "model/GameServer.h"
#include "model/mdlZibProcessing.h"
#include "platform/AppPaths.h"
#include "platform/HostResolver.h"
#include "platform/settingsfile/ProfileFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QSet>

#include <limits>

namespace ServerAdditions {

namespace {

const QString crlf = QStringLiteral("\r\n");
// A message box taller than the screen cannot be answered; long lists are cut.
constexpr qsizetype listedAtMost = 10;

QString keyOf(const QString &address, qint32 port)
{
    return address + u':' + QString::number(port);
}

// English has a text for one and one for more, each with %n so that every language gives its own
// forms of both: no English translation file is needed, and a language with three forms has them.
QString counted(const char *one, const char *many, qsizetype count)
{
    return QCoreApplication::translate("ServerAdditions", count == 1 ? one : many, nullptr, int(count));
}

void appendList(QString &text, const QString &heading, const QStringList &lines)
{
    text += crlf + crlf + heading;
    for (qsizetype i = 0; i < std::min(lines.size(), listedAtMost); ++i)
        text += crlf + QStringLiteral("    ") + lines[i];
    if (lines.size() > listedAtMost)
        text += crlf + QCoreApplication::translate("ServerAdditions", "    and %1 more").arg(lines.size() - listedAtMost);
}

} // namespace

QStringList hostNames(const QList<Candidate> &candidates)
{
    QStringList names;
    QSet<QString> seen;
    for (const Candidate &candidate : candidates) {
        const QString &host = candidate.address.host;
        if (!HostResolver::dottedIPv4(host) && !seen.contains(host)) {
            seen.insert(host);
            names.append(host);
        }
    }
    return names;
}

Outcome addServers(const QList<Candidate> &candidates, const QString &defaultName)
{
    QHash<QString, QString> addresses;
    for (const QString &host : hostNames(candidates))
        addresses.insert(host, HostResolver::firstIPv4(host));
    return addServers(candidates, defaultName, addresses);
}

Outcome addServers(const QList<Candidate> &candidates, const QString &defaultName,
                   const QHash<QString, QString> &addresses)
{
    using namespace mdlZibProcessing;
    Outcome outcome;
    QSet<QString> known;
    known.reserve(gameServers.size() + candidates.size());
    for (const auto &server : std::as_const(gameServers))
        known.insert(keyOf(HostResolver::dottedIPv4(server->address()).value_or(server->address()), server->port()));

    mdlZibProcessing::ServerList added;
    for (const Candidate &candidate : candidates) {
        const QString &host = candidate.address.host;
        const std::optional<QString> dotted = HostResolver::dottedIPv4(host);
        const auto looked = addresses.constFind(host);
        if (!dotted && looked == addresses.cend()) {
            if (!outcome.notLookedUp.contains(host))
                outcome.notLookedUp.append(host);
            continue;
        }
        const QString address = dotted ? *dotted : *looked;
        if (address.isEmpty()) {
            if (!outcome.unresolved.contains(host))
                outcome.unresolved.append(host);
            continue;
        }
        const QString key = keyOf(address, candidate.address.port);
        if (known.contains(key)) {
            ++outcome.skipped;
            continue;
        }
        if (gameServers.size() + added.size() >= std::numeric_limits<qint16>::max()) {
            ++outcome.overLimit;
            continue;
        }
        known.insert(key);
        auto server = std::make_shared<GameServer>();
        // A server without a name would not be written, leaving a gap in the file's numbering.
        server->setName(candidate.name.trimmed().isEmpty() ? defaultName : ProfileFile::keptText(candidate.name));
        server->setPort(candidate.address.port);
        server->setAddress(address);
        added.append(std::move(server));
    }
    outcome.added = int(added.size());
    if (outcome.added == 0)
        return outcome;
    outcome.saved = appendGameServers(std::move(added));
    return outcome;
}

QString summary(const Outcome &outcome, const QList<AddressList::Refused> &refused)
{
    QString text = counted(QT_TRANSLATE_N_NOOP("ServerAdditions", "Added %n server."),
                           QT_TRANSLATE_N_NOOP("ServerAdditions", "Added %n servers."), outcome.added);
    if (outcome.skipped > 0)
        text += u' '
                + counted(QT_TRANSLATE_N_NOOP("ServerAdditions", "%n server was already in the list and skipped."),
                          QT_TRANSLATE_N_NOOP("ServerAdditions", "%n servers were already in the list and skipped."),
                          outcome.skipped);
    if (!outcome.saved)
        text += crlf + crlf + QCoreApplication::translate("ServerAdditions", "Zib could not write its settings file, ")
                + QDir::toNativeSeparators(mdlZibProcessing::settingsPath)
                + QCoreApplication::translate("ServerAdditions", ": the new servers are watched now but will be gone when Zib starts again.");
    if (outcome.overLimit > 0)
        text += crlf + crlf
                + counted(QT_TRANSLATE_N_NOOP("ServerAdditions", "%n server did not fit: the list holds at most %1."),
                          QT_TRANSLATE_N_NOOP("ServerAdditions", "%n servers did not fit: the list holds at most %1."),
                          outcome.overLimit)
                      .arg(std::numeric_limits<qint16>::max());
    if (!outcome.unresolved.isEmpty())
        appendList(text, QCoreApplication::translate("ServerAdditions", "These host names could not be found:"), outcome.unresolved);
    if (!outcome.notLookedUp.isEmpty())
        appendList(text, QCoreApplication::translate("ServerAdditions", "The look-up of these host names was cancelled:"), outcome.notLookedUp);
    if (!refused.isEmpty()) {
        QStringList lines;
        for (const AddressList::Refused &item : refused)
            lines.append(item.text.left(60) + QStringLiteral(": ") + item.reason);
        appendList(text, QCoreApplication::translate("ServerAdditions", "These are not server addresses Zib can use:"), lines);
    }
    return text;
}

} // namespace ServerAdditions
