#pragma once

#include <QObject>
#include <QString>

class WavePlayer;

// The alert's sound, behind one call so tests can listen with a fake.
class AlertSound
{
public:
    virtual ~AlertSound() = default;
    /// Starts the sound and returns at once; a sound still playing from an earlier call stops.
    virtual void play() = 0;
};

// Plays a wave file through the default audio output; the desktop's beep stands in when the file
// is missing or unreadable, or when there is nothing to play it on.
class WaveAlertSound final : public QObject, public AlertSound
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WaveAlertSound)

public:
    /// Plays `path`; an empty path looks for "alert.wav" afresh at every alert: the user's own
    /// in the configuration folder, then the one beside the program, then the installed one.
    explicit WaveAlertSound(const QString &path = {}, QObject *parent = nullptr);
    ~WaveAlertSound() override;

    void play() override;

private:
    QString m_path;
    WavePlayer *m_player;
};
