#pragma once

#include "alerts/core/ClanMatching.h"
#include "model/mdlZibProcessing.h"
#include "platform/Clock.h"
#include "support/TestSupport.h"

#include <QDateTime>
#include <QStringList>

#include <memory>
#include <utility>
#include <vector>

// Servers and filters put straight into the shared lists, numbered by position as the settings
// file numbers them.
inline std::shared_ptr<GameServer> addServer(const QString &name, const QStringList &players)
{
    auto server = std::make_shared<GameServer>();
    server->setName(name);
    server->setPlayerNames(players);
    mdlZibProcessing::gameServers.append(server);
    server->setServerNumber(qint16(mdlZibProcessing::gameServers.size()));
    return server;
}

inline std::shared_ptr<ClanFilter> addFilter(const QString &tag, bool alert, qint16 trigger)
{
    auto filter = std::make_shared<ClanFilter>();
    filter->setClanTag(tag);
    filter->setAlert(alert);
    filter->setAlertTrigger(trigger);
    mdlZibProcessing::clanFilters.append(filter);
    filter->setClanFilterNumber(qint16(mdlZibProcessing::clanFilters.size()));
    return filter;
}

inline QDateTime at(const char *time, const char *date = "2024-03-14")
{
    return QDateTime(QDate::fromString(QString::fromLatin1(date), Qt::ISODate),
                     QTime::fromString(QString::fromLatin1(time), QStringLiteral("hh:mm:ss")));
}

// A clock the test moves by hand.
class ManualClock
{
public:
    explicit ManualClock(QDateTime start)
        : m_now(std::make_shared<QDateTime>(std::move(start)))
    {
        Clock::setSource([now = m_now] { return *now; });
    }
    void set(const QDateTime &t) { *m_now = t; }
    QDateTime now() const { return *m_now; }

private:
    std::shared_ptr<QDateTime> m_now;
};

// Notes what an alert would have shown and played.
class RecordingOutput final : public ClanMatching::AlertOutput
{
public:
    void showPopup(qint16 serverNumber, qint16 clanFilterNumber) override
    {
        popups.emplace_back(serverNumber, clanFilterNumber);
    }
    void playAlertSound() override { ++sounds; }

    std::vector<std::pair<qint16, qint16>> popups;
    int sounds = 0;
};
