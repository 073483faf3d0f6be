#include "platform/WavePlayer.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

WavePlayer::WavePlayer(QObject *parent)
    : QObject(parent)
{
}

WavePlayer::~WavePlayer() = default;

void WavePlayer::play(const QString &absolutePath)
{
    if (QMediaDevices::defaultAudioOutput().isNull()) {
        emit failed();
        return;
    }
    // The user may have put a sound of their own in place since the last alert.
    if (m_effect && m_effectPath != absolutePath)
        forgetEffect();
    if (!m_effect) {
        m_effectPath = absolutePath;
        // Made on first use: a program that never alerts never opens the audio device.
        m_effect = new QSoundEffect(this);
        connect(m_effect, &QSoundEffect::statusChanged, this, &WavePlayer::onStatusChanged);
        m_effect->setSource(QUrl::fromLocalFile(absolutePath));
    }
    m_effect->stop();
    switch (m_effect->status()) {
    case QSoundEffect::Ready:
        m_effect->play();
        break;
    case QSoundEffect::Error:
        forgetEffect();
        emit failed();
        break;
    default:
        // Still loading: the sound starts when the file has been read.
        m_playWhenLoaded = true;
        break;
    }
}

void WavePlayer::onStatusChanged()
{
    if (!m_playWhenLoaded)
        return;
    if (m_effect->status() == QSoundEffect::Ready) {
        m_playWhenLoaded = false;
        m_effect->play();
    } else if (m_effect->status() == QSoundEffect::Error) {
        m_playWhenLoaded = false;
        forgetEffect();
        emit failed();
    }
}

void WavePlayer::forgetEffect()
{
    // A file that could not be read may be replaced; the next alert reads it afresh.
    m_effect->disconnect(this);
    m_effect->deleteLater();
    m_effect = nullptr;
}
