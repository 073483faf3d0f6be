#include "alerts/AlertSound.h"

#include "platform/AppPaths.h"

#include <QApplication>
#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

WaveAlertSound::WaveAlertSound(const QString &path, QObject *parent)
    : QObject(parent)
    , m_path(path)
{
}

WaveAlertSound::~WaveAlertSound() = default;

void WaveAlertSound::play()
{
    const QFileInfo file(m_path.isEmpty() ? AppPaths::alertSoundPath() : m_path);
    if (!file.isFile() || !file.isReadable() || QMediaDevices::defaultAudioOutput().isNull()) {
        QApplication::beep();
        return;
    }
    // The user may have put a sound of their own in place since the last alert.
    if (m_effect && m_effectPath != file.absoluteFilePath())
        forgetEffect();
    if (!m_effect) {
        m_effectPath = file.absoluteFilePath();
        // Made on first use: a program that never alerts never opens the audio device.
        m_effect = new QSoundEffect(this);
        connect(m_effect, &QSoundEffect::statusChanged, this, &WaveAlertSound::onStatusChanged);
        m_effect->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    }
    m_effect->stop();
    switch (m_effect->status()) {
    case QSoundEffect::Ready:
        m_effect->play();
        break;
    case QSoundEffect::Error:
        QApplication::beep();
        forgetEffect();
        break;
    default:
        // Still loading: the sound starts when the file has been read.
        m_playWhenLoaded = true;
        break;
    }
}

void WaveAlertSound::onStatusChanged()
{
    if (!m_playWhenLoaded)
        return;
    if (m_effect->status() == QSoundEffect::Ready) {
        m_playWhenLoaded = false;
        m_effect->play();
    } else if (m_effect->status() == QSoundEffect::Error) {
        m_playWhenLoaded = false;
        QApplication::beep();
        forgetEffect();
    }
}

void WaveAlertSound::forgetEffect()
{
    // A file that could not be read may be replaced; the next alert reads it afresh.
    m_effect->disconnect(this);
    m_effect->deleteLater();
    m_effect = nullptr;
}
