#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QSslCertificate>
#include <QTcpServer>
#include <QUrl>

#include <deque>
#include <memory>

class QTcpSocket;

// A web service on 127.0.0.1 inside the test process, over plain HTTP or over TLS with a
// certificate from the tests' own authority. It records every request and answers from a script.
class FakeService final : public QObject
{
    Q_OBJECT

public:
    struct Request
    {
        QByteArray method;
        QByteArray path;
        /// Header names in lower case.
        QMap<QByteArray, QByteArray> headers;
        QByteArray body;
        qint64 atMs = 0;
    };
    struct Answer
    {
        Answer(int code = 200, QByteArray content = {}, QList<std::pair<QByteArray, QByteArray>> extra = {})
            : status(code)
            , body(std::move(content))
            , headers(std::move(extra))
        {
        }
        static Answer hanging()
        {
            Answer answer;
            answer.hang = true;
            return answer;
        }
        int status = 200;
        QByteArray body;
        QList<std::pair<QByteArray, QByteArray>> headers;
        /// Takes the request and never answers.
        bool hang = false;
    };

    explicit FakeService(bool tls = false);
    ~FakeService() override;

    QUrl url(const QString &path) const;
    /// Answers for the next requests, in order; once they are used up, 200 with an empty body.
    void script(std::deque<Answer> answers) { m_script = std::move(answers); }
    /// Ends the connections held by a hanging answer.
    void releaseHanging();
    bool waitForRequests(int count, int timeoutMs = 5000) const;

    /// The authority that signed the TLS certificate.
    static QList<QSslCertificate> authority();

    QList<Request> requests;

private:
    void onConnection();
    void onReadable(QTcpSocket *socket);

    std::unique_ptr<QTcpServer> m_server;
    std::deque<Answer> m_script;
    QMap<QTcpSocket *, QByteArray> m_buffers;
    QList<QPointer<QTcpSocket>> m_hanging;
    qint64 m_startMs = 0;
};
