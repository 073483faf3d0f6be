#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

#include <chrono>
#include <memory>

// One running copy per user. The first copy holds a lock file and listens on a local socket;
// a later copy finds the lock held, asks the first to show its window, and ends.
class SingleInstance final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SingleInstance)

public:
    /// `lockPath` is the lock file, `serverName` the local socket both copies agree on.
    SingleInstance(const QString &lockPath, const QString &serverName, QObject *parent = nullptr);
    ~SingleInstance() override;

    /// The lock file and socket name the program uses: in the temporary folder, one per user.
    static QString defaultLockPath();
    static QString defaultServerName();

    /// True when this copy is now the only one: it holds the lock and listens for later copies.
    /// A lock left behind by a copy that died (nobody answers on the socket) is taken over.
    bool tryBecomePrimary(std::chrono::milliseconds answerTimeout = std::chrono::milliseconds(500));

    /// From a later copy: asks the running one to show its window. True when it was told.
    bool notifyPrimary(std::chrono::milliseconds timeout = std::chrono::milliseconds(1000)) const;

signals:
    /// A later copy asked us to show the window.
    void showRequested();

private:
    void onNewConnection();
    bool primaryAnswers(std::chrono::milliseconds timeout) const;
    bool listen();

    QString m_serverName;
    QLockFile m_lock;
    QLocalServer m_server;
};
