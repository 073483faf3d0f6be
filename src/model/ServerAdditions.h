#pragma once

#include "model/AddressList.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// Adds many servers to the list at once: each host name resolved once, servers already watched
// (or given twice) skipped, and the whole list written to the settings file in one go.
namespace ServerAdditions {

struct Candidate
{
    AddressList::Address address;
    /// The name shown until the server's first info reply; empty means the caller's default.
    QString name;
};

struct Outcome
{
    int added = 0;
    /// Already in the list, or given twice, once resolved.
    int skipped = 0;
    /// Host names that did not resolve (each once).
    QStringList unresolved;
    /// Host names whose look-up was cancelled before it answered (each once).
    QStringList notLookedUp;
    /// Left out because the list holds as many servers as it can number.
    int overLimit = 0;
    /// False when the settings file could not be written.
    bool saved = true;
};

/// The host names among the candidates that need a look-up: each once, dotted addresses left out.
QStringList hostNames(const QList<Candidate> &candidates);

/// Appends the new servers to mdlZibProcessing::gameServers, numbered on from the last, with
/// their resolved IPv4 addresses, and saves the list in one write of the settings file when
/// anything was added. `addresses` holds what each host name looked up to (empty when it did not
/// resolve); a host name missing from it was not looked up, and its servers are left out.
Outcome addServers(const QList<Candidate> &candidates, const QString &defaultName,
                   const QHash<QString, QString> &addresses);
/// The same, looking each host name up first and waiting for it.
Outcome addServers(const QList<Candidate> &candidates, const QString &defaultName);

/// The message for the end of an addition: how many were added and skipped, then what could not
/// be used and why. CRLF between lines.
QString summary(const Outcome &outcome, const QList<AddressList::Refused> &refused = {});

} // namespace ServerAdditions
