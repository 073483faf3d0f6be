#include "alerts/AlertSound.h"

#include <QApplication>
#include <QAudioDevice>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

QString WaveAlertSound::defaultPath()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("alert.wav"));
}

WaveAlertSound::WaveAlertSound(const QString &path, QObject *parent)
    : QObject(parent)
    , m_path(path)
{
}

WaveAlertSound::~WaveAlertSound() = default;

void WaveAlertSound::play()
{
    const QFileInfo file(m_path);
    if (!file.isFile() || !file.isReadable() || QMediaDevices::defaultAudioOutput().isNull()) {
        QApplication::beep();
        return;
    }
    if (!m_effect) {
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
