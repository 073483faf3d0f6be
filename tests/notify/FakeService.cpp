#include "FakeService.h"

#include "support/TestSupport.h"

#include <QBuffer>
#include <QDateTime>
#include <QFile>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QSslSocket>
#include <QTcpSocket>
#include <QTest>

namespace {

QByteArray readData(const QString &name)
{
    QFile file(testDataPath(QStringLiteral("notify/data/") + name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QSslConfiguration serverConfiguration()
{
    QSslConfiguration config = QSslConfiguration::defaultConfiguration();
#ifdef Q_OS_WIN
    // Schannel takes a key with its certificate as PKCS#12.
    QSslKey key;
    QSslCertificate certificate;
    QByteArray p12 = readData(QStringLiteral("server.p12"));
    QBuffer buffer(&p12);
    buffer.open(QIODevice::ReadOnly);
    if (!QSslCertificate::importPkcs12(&buffer, &key, &certificate, nullptr, QByteArrayLiteral("zib")))
        return config;
    config.setPrivateKey(key);
    config.setLocalCertificate(certificate);
#else
    config.setPrivateKey(QSslKey(readData(QStringLiteral("server.key")), QSsl::Rsa));
    config.setLocalCertificate(QSslCertificate(readData(QStringLiteral("server.pem"))));
#endif
    config.setPeerVerifyMode(QSslSocket::VerifyNone);
    return config;
}

QByteArray reasonOf(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 204:
        return "No Content";
    case 404:
        return "Not Found";
    case 429:
        return "Too Many Requests";
    case 500:
        return "Internal Server Error";
    default:
        return "Status";
    }
}

} // namespace

FakeService::FakeService(bool tls)
{
    if (tls) {
        auto server = std::make_unique<QSslServer>();
        server->setSslConfiguration(serverConfiguration());
        m_server = std::move(server);
    } else {
        m_server = std::make_unique<QTcpServer>();
    }
    m_server->listen(QHostAddress::LocalHost);
    m_startMs = QDateTime::currentMSecsSinceEpoch();
    connect(m_server.get(), &QTcpServer::pendingConnectionAvailable, this, &FakeService::onConnection);
}

FakeService::~FakeService()
{
    releaseHanging();
}

QList<QSslCertificate> FakeService::authority()
{
    return QSslCertificate::fromData(readData(QStringLiteral("ca.pem")));
}

QUrl FakeService::url(const QString &path) const
{
    const bool tls = qobject_cast<QSslServer *>(m_server.get()) != nullptr;
    return QUrl(QStringLiteral("%1://127.0.0.1:%2%3")
                    .arg(tls ? QStringLiteral("https") : QStringLiteral("http"))
                    .arg(m_server->serverPort())
                    .arg(path));
}

void FakeService::releaseHanging()
{
    for (const auto &socket : std::as_const(m_hanging)) {
        if (socket)
            socket->abort();
    }
    m_hanging.clear();
}

bool FakeService::waitForRequests(int count, int timeoutMs) const
{
    return QTest::qWaitFor([&] { return requests.size() >= count; }, timeoutMs);
}

void FakeService::onConnection()
{
    while (QTcpSocket *socket = m_server->nextPendingConnection()) {
        socket->setParent(this);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadable(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        onReadable(socket);
    }
}

void FakeService::onReadable(QTcpSocket *socket)
{
    QByteArray &buffer = m_buffers[socket];
    buffer += socket->readAll();
    const qsizetype end = buffer.indexOf("\r\n\r\n");
    if (end < 0)
        return;
    Request request;
    const QList<QByteArray> lines = buffer.left(end).split('\n');
    const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
    request.method = first.value(0);
    request.path = first.value(1);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines[i].indexOf(':');
        if (colon > 0)
            request.headers.insert(lines[i].left(colon).trimmed().toLower(), lines[i].mid(colon + 1).trimmed());
    }
    const qsizetype length = request.headers.value("content-length", "0").toLongLong();
    if (buffer.size() < end + 4 + length)
        return;
    request.body = buffer.mid(end + 4, length);
    request.atMs = QDateTime::currentMSecsSinceEpoch() - m_startMs;
    m_buffers.remove(socket);
    requests.append(request);

    Answer answer;
    if (!m_script.empty()) {
        answer = m_script.front();
        m_script.pop_front();
    }
    if (answer.hang) {
        m_hanging.append(socket);
        return;
    }
    QByteArray reply = "HTTP/1.1 " + QByteArray::number(answer.status) + ' ' + reasonOf(answer.status) + "\r\n";
    for (const auto &[name, value] : answer.headers)
        reply += name + ": " + value + "\r\n";
    reply += "Content-Length: " + QByteArray::number(answer.body.size()) + "\r\nConnection: close\r\n\r\n";
    reply += answer.body;
    socket->write(reply);
    socket->disconnectFromHost();
}
