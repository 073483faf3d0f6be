#include "platform/SingleInstance.h"

#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QThread>

namespace {

const QByteArray showRequest = QByteArrayLiteral("show\n");
// The running copy's answer: this, then the path of its settings file and, after a blank, its
// login session (both UTF-8, percent-encoded so that no byte of them can end the line or hold a
// blank), then a newline.
const QByteArray settingsAnswer = QByteArrayLiteral("settings ");

} // namespace

SingleInstance::SingleInstance(const Place &place, QObject *parent)
    : SingleInstance(place.lockPath, place.serverName, parent)
{
    m_session = place.session;
}

SingleInstance::SingleInstance(const QString &lockPath, const QString &serverName, QObject *parent)
    : QObject(parent)
    , m_serverName(serverName)
    , m_lock(lockPath)
{
    // The age of a lock says nothing about a copy that has simply run for a long time; whether
    // the holder is alive is decided by asking it over the socket instead.
    m_lock.setStaleLockTime(0);
    connect(&m_server, &QLocalServer::newConnection, this, &SingleInstance::onNewConnection);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::tryBecomePrimary(std::chrono::milliseconds answerTimeout)
{
    if (m_lock.tryLock(0)) {
        listen();
        return true;
    }
    if (m_lock.error() != QLockFile::LockFailedError)
        return false;
    // Held. A running copy answers; a lock nobody answers for was left by a copy that crashed.
    // Ask twice, as the holder may have taken the lock a moment before it started listening.
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (attempt > 0)
            QThread::msleep(100);
        if (primaryAnswers(answerTimeout))
            return false;
    }
    if (!m_lock.removeStaleLockFile() || !m_lock.tryLock(0))
        return false;
    listen();
    return true;
}

bool SingleInstance::notifyPrimary(std::chrono::milliseconds timeout)
{
    m_runningSettingsPath.clear();
    m_runningSession.clear();
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(int(timeout.count())))
        return false;
    socket.write(showRequest);
    if (!socket.waitForBytesWritten(int(timeout.count())))
        return false;
    // The answer is a courtesy: a copy busy elsewhere, or one that does not give it, has still
    // been told.
    const QDeadlineTimer deadline(timeout);
    QByteArray answer;
    while (!answer.endsWith('\n') && socket.waitForReadyRead(int(deadline.remainingTime())))
        answer += socket.readAll();
    if (answer.startsWith(settingsAnswer) && answer.endsWith('\n')) {
        const QList<QByteArray> fields = answer.mid(settingsAnswer.size()).chopped(1).split(' ');
        m_runningSettingsPath = QString::fromUtf8(QByteArray::fromPercentEncoding(fields.value(0)));
        m_runningSession = QString::fromUtf8(QByteArray::fromPercentEncoding(fields.value(1)));
    }
    socket.disconnectFromServer();
    return true;
}

void SingleInstance::onNewConnection()
{
    while (QLocalSocket *socket = m_server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { onRequest(socket); });
        // The bytes may have come in with the connection itself.
        if (socket->bytesAvailable() > 0)
            onRequest(socket);
    }
}

void SingleInstance::onRequest(QLocalSocket *socket)
{
    if (!socket->readAll().contains(showRequest.trimmed()))
        return;
    socket->write(settingsAnswer + m_settingsPath.toUtf8().toPercentEncoding() + ' '
                  + m_session.toUtf8().toPercentEncoding() + '\n');
    // Out now: whoever handles the request may keep the event loop busy for a while.
    socket->flush();
    emit showRequested();
}

bool SingleInstance::primaryAnswers(std::chrono::milliseconds timeout) const
{
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    const bool answered = socket.waitForConnected(int(timeout.count()));
    socket.abort();
    return answered;
}

// Holding the lock is what makes this the only copy; a socket that cannot listen only costs
// later copies the chance to bring our window forward.
bool SingleInstance::listen()
{
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    if (m_server.listen(m_serverName))
        return true;
    // We hold the lock, so a socket file of that name can only be a leftover of a dead copy.
    QLocalServer::removeServer(m_serverName);
    return m_server.listen(m_serverName);
}
