#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

#include <chrono>
#include <memory>

class QLocalSocket;

// One running copy per user. The first copy holds a lock file and listens on a local socket;
// a later copy finds the lock held, asks the first to show its window, learns which settings
// file the first one keeps, and ends.
class SingleInstance final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SingleInstance)

public:
    /// Where the copies of one user meet: the lock file, and the local socket's name. `session`
    /// names the login session this copy runs in, told to later copies that ask (empty where the
    /// system has no such name).
    struct Place
    {
        QString lockPath;
        QString serverName;
        QString session;
    };

    /// This user's place. Each system keeps its own rules for it (SingleInstancePlace_*.cpp).
    static Place defaultPlace();

    explicit SingleInstance(const Place &place, QObject *parent = nullptr);
    /// `lockPath` is the lock file, `serverName` the local socket both copies agree on.
    SingleInstance(const QString &lockPath, const QString &serverName, QObject *parent = nullptr);
    ~SingleInstance() override;

    /// The settings file this copy keeps, told to later copies that ask.
    void setSettingsPath(const QString &path) { m_settingsPath = path; }

    /// True when this copy is now the only one: it holds the lock and listens for later copies.
    /// A lock left behind by a copy that died (nobody answers on the socket) is taken over.
    bool tryBecomePrimary(std::chrono::milliseconds answerTimeout = std::chrono::milliseconds(500));

    /// From a later copy: asks the running one to show its window. True when it was told.
    /// Its answer, if it comes within the timeout, gives runningSettingsPath().
    bool notifyPrimary(std::chrono::milliseconds timeout = std::chrono::milliseconds(1000));

    /// The settings file of the running copy, as it answered notifyPrimary(); empty when it did
    /// not answer in time.
    QString runningSettingsPath() const { return m_runningSettingsPath; }
    /// The login session the running copy runs in, as it answered notifyPrimary().
    QString runningSession() const { return m_runningSession; }
    /// True when the running copy answered from a login session other than this copy's: its
    /// window came forward where this user cannot see it.
    bool runningElsewhere() const { return !m_runningSession.isEmpty() && m_runningSession != m_session; }

signals:
    /// A later copy asked us to show the window.
    void showRequested();

private:
    void onNewConnection();
    void onRequest(QLocalSocket *socket);
    bool primaryAnswers(std::chrono::milliseconds timeout) const;
    bool listen();

    QString m_serverName;
    QLockFile m_lock;
    QLocalServer m_server;
    QString m_settingsPath;
    QString m_session;
    QString m_runningSettingsPath;
    QString m_runningSession;
};
