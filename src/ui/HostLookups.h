#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QProgressDialog;
class QWidget;

// Looks host names up while the window goes on answering and the checks go on running: every
// name at once, with a progress box and its Cancel once that takes more than a moment.
class HostLookups final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HostLookups)

public:
    struct Result
    {
        /// The names that answered, each with its first IPv4 address (empty: it did not resolve).
        QHash<QString, QString> addresses;
        /// Cancel was pressed before every name answered.
        bool cancelled = false;
    };
    using Done = std::function<void(const Result &result)>;

    /// How long the look-ups run before the progress box shows.
    static constexpr int showAfterMs = 400;

    /// Starts the look-ups. `done` is called once, when the last name answers or Cancel is
    /// pressed; before this returns when every name answers at once (dotted addresses). The
    /// look-ups belong to `window`: closed with it, they never call `done`.
    static void start(QWidget *window, const QStringList &hostNames, const QString &title, Done done);

private:
    HostLookups(QWidget *window, qsizetype count, const QString &title, Done done);
    void onAnswer(const QString &hostName, const QString &address);
    void finish(bool cancelled);

    Done m_done;
    Result m_result;
    qsizetype m_count = 0;
    bool m_finished = false;
    QProgressDialog *m_progress = nullptr;
};
