#pragma once

#include <QObject>
#include <QString>

class QSoundEffect;

// Plays a wave file without waiting for it, the way the desktop's own programs do: through Qt
// Multimedia's default output on Linux, through the system's PlaySound on Windows (where Zib's
// Qt carries no multimedia module). A new file starts over whatever still plays.
class WavePlayer final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WavePlayer)

public:
    explicit WavePlayer(QObject *parent = nullptr);
    ~WavePlayer() override;

    /// Starts `absolutePath` and returns at once. When it cannot be played (no audio output, a
    /// file that is no wave) `failed` follows, at once or once the file has been read.
    void play(const QString &absolutePath);

signals:
    void failed();

private:
#ifndef Q_OS_WIN
    void onStatusChanged();
    void forgetEffect();

    /// The file the current effect was made from.
    QString m_effectPath;
    QSoundEffect *m_effect = nullptr;
    bool m_playWhenLoaded = false;
#endif
};
