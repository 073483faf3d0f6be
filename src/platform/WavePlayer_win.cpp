#include "platform/WavePlayer.h"

#include <qt_windows.h>

#include <mmsystem.h>

WavePlayer::WavePlayer(QObject *parent)
    : QObject(parent)
{
}

WavePlayer::~WavePlayer()
{
    // PlaySound reads the file on its own thread; nothing of ours may still be playing once the
    // program's objects are gone.
    PlaySoundW(nullptr, nullptr, 0);
}

void WavePlayer::play(const QString &absolutePath)
{
    // SND_NODEFAULT: a file that cannot be played is reported here, so the caller's beep is the
    // only fallback rather than the system's default sound on top of it.
    const std::wstring path = absolutePath.toStdWString();
    if (!PlaySoundW(path.c_str(), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT))
        emit failed();
}
