#include "platform/WavePlayer.h"

#include <QFile>

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

namespace {

// PlaySound checks the file on its own thread once it runs asynchronously, and reports nothing
// back; what it would refuse is refused here, so the beep can stand in.
bool isWave(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(12);
    return head.size() == 12 && head.startsWith("RIFF") && head.mid(8, 4) == "WAVE";
}

} // namespace

void WavePlayer::play(const QString &absolutePath)
{
    if (waveOutGetNumDevs() == 0 || !isWave(absolutePath)) {
        emit failed();
        return;
    }
    // SND_NODEFAULT: a file that cannot be played is reported here, so the caller's beep is the
    // only fallback rather than the system's default sound on top of it.
    const std::wstring path = absolutePath.toStdWString();
    if (!PlaySoundW(path.c_str(), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT))
        emit failed();
}
