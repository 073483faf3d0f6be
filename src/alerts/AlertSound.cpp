#include "alerts/AlertSound.h"

#include "platform/AppPaths.h"
#include "platform/WavePlayer.h"

#include <QApplication>
#include <QFileInfo>

WaveAlertSound::WaveAlertSound(const QString &path, QObject *parent)
    : QObject(parent)
    , m_path(path)
    , m_player(new WavePlayer(this))
{
    connect(m_player, &WavePlayer::failed, this, [] { QApplication::beep(); });
}

WaveAlertSound::~WaveAlertSound() = default;

void WaveAlertSound::play()
{
    const QFileInfo file(m_path.isEmpty() ? AppPaths::alertSoundPath() : m_path);
    if (!file.isFile() || !file.isReadable()) {
        QApplication::beep();
        return;
    }
    m_player->play(file.absoluteFilePath());
}
