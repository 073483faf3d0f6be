#include "alerts/AlertController.h"

#include "alerts/AlertSound.h"
#include "alerts/alertCreeper.h"
#include "notify/Notifier.h"

AlertController::AlertController(QObject *parent)
    : AlertController(std::make_unique<WaveAlertSound>(), parent)
{
}

AlertController::AlertController(std::unique_ptr<AlertSound> sound, QObject *parent)
    : QObject(parent)
    , m_sound(std::move(sound))
{
}

AlertController::~AlertController()
{
    // The pop-up has no owner window; it goes with the alerts that made it.
    delete m_popup.data();
}

void AlertController::checkClanFilters(History::PassRecord *history)
{
    ClanMatching::checkClanFilters(*this, history);
}

void AlertController::showAlert(qint16 serverNumber, qint16 clanFilterNumber)
{
    ClanMatching::showAlert(serverNumber, clanFilterNumber, *this);
}

void AlertController::playAlertSound()
{
    if (m_sound)
        m_sound->play();
}

void AlertController::showPopup(qint16 serverNumber, qint16 clanFilterNumber)
{
    // A window closed by a click lingers until the event loop deletes it; it counts as closed,
    // so the alert gets a fresh window that rises from below the screen.
    if (!popup())
        m_popup = new alertCreeper;
    m_popup->showAlert(serverNumber, clanFilterNumber);
    // Only queued here: the services are reached in the background.
    if (m_notifier)
        m_notifier->alert(notify::alertMessage(serverNumber, clanFilterNumber));
}

void AlertController::setNotifier(notify::Notifier *notifier)
{
    m_notifier = notifier;
}

alertCreeper *AlertController::popup() const
{
    return m_popup && !m_popup->isClosed() ? m_popup.data() : nullptr;
}

void AlertController::closePopup()
{
    if (alertCreeper *open = popup())
        open->close();
}
