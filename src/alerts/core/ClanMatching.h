#pragma once

#include <QDateTime>
#include <QString>

namespace History {
struct PassRecord;
}

// Counting the watched-clan players on every server and deciding when that is worth an alert.
namespace ClanMatching {

/// What an alert does once the throttle lets it through: the pop-up, and the sound.
class AlertOutput
{
public:
    virtual ~AlertOutput() = default;
    virtual void showPopup(qint16 serverNumber, qint16 clanFilterNumber) = 0;
    virtual void playAlertSound() = 0;
};

/// Exact, case-sensitive substring test; an empty name never matches.
bool tagMatches(const QString &playerName, const QString &clanTag);

/// tagMatches for one tag against many names, as a matching pass needs it.
class TagMatcher
{
public:
    explicit TagMatcher(const QString &clanTag);
    bool matches(const QString &playerName) const;
    /// The same, with codesIn(playerName) worked out by the caller once for every tag.
    bool matches(const QString &playerName, quint64 nameCodes) const;
    /// Which character codes, taken modulo 64, occur in a text.
    static quint64 codesIn(const QString &text);

private:
    QString m_tag;
    quint64 m_tagCodes = 0;
};

/// Minute boundaries between two local date-times (10:00:59 -> 10:01:00 is 1).
qint64 elapsedMinutes(const QDateTime &from, const QDateTime &to);

/// The throttle: when AlertSpeed minutes have passed since lastAlertTime, shows the pop-up,
/// plays the sound when AlertPlaySound is 1, and sets lastAlertTime to now.
void showAlert(qint16 serverNumber, qint16 clanFilterNumber, AlertOutput &output);

/// One matching pass over every server and filter: sets filterPlayers and calls showAlert for
/// every (server, filter) pair whose count reaches the filter's trigger. With `history`, also
/// fills it with each server's sample of this pass (its time is the caller's), and takes each
/// server's "answered since the last pass" mark.
void checkClanFilters(AlertOutput &output, History::PassRecord *history = nullptr);

/// The pop-up's text: the server's name, an empty line, then each player whose name holds
/// the filter's tag, CR LF between lines; the names as TextCodec::forDisplay shows them.
QString alertDetails(qint16 serverNumber, qint16 clanFilterNumber);

} // namespace ClanMatching
