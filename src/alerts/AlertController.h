#pragma once

#include "alerts/core/ClanMatching.h"

#include <QObject>
#include <QPointer>

#include <memory>

class alertCreeper;
class AlertSound;
namespace notify {
class Notifier;
}

// The alert side of the main window: runs the matching pass and, when the throttle allows,
// fills the one pop-up and plays the sound.
class AlertController final : public QObject, public ClanMatching::AlertOutput
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AlertController)

public:
    /// Plays "alert.wav" beside the program.
    explicit AlertController(QObject *parent = nullptr);
    /// Plays through the given sound instead.
    explicit AlertController(std::unique_ptr<AlertSound> sound, QObject *parent = nullptr);
    ~AlertController() override;

    /// The matching pass; with `history`, also the pass's samples for the history.
    void checkClanFilters(History::PassRecord *history = nullptr);
    void showAlert(qint16 serverNumber, qint16 clanFilterNumber);
    void playAlertSound() override;
    void showPopup(qint16 serverNumber, qint16 clanFilterNumber) override;

    /// The pop-up while it is open, else null.
    alertCreeper *popup() const;
    /// Closes the pop-up if it is open (program end).
    void closePopup();
    /// Where every alert the throttle lets through goes besides the pop-up; none by default.
    void setNotifier(notify::Notifier *notifier);

private:
    QPointer<alertCreeper> m_popup;
    std::unique_ptr<AlertSound> m_sound;
    QPointer<notify::Notifier> m_notifier;
};
