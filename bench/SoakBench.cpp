// Soak: many query passes over a list whose server names and players change on every pass,
// each pass followed by a matching tick that raises the pop-up, which the next pass closes.
// Resident memory is printed after the warm-up and at the end; what the program holds must
// not grow with the passes.
//
// Usage: zib_soak_bench [--passes N] [--warm-up N] [--servers N] [--players N]
// The servers answer from UDP sockets of this process on 127.0.0.1, one in ten of them only
// the binary queries with their challenge.

#include "HlReplies.h"
#include "model/mdlZibProcessing.h"
#include "ui/mainZibWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QNetworkDatagram>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QUdpSocket>
#include <QtEndian>

#include <algorithm>
#include <memory>
#include <vector>

#ifdef Q_OS_LINUX
#include <unistd.h>
#endif

namespace {

QTextStream out(stdout);

// Resident memory in bytes, or -1 where the system does not tell.
qint64 residentBytes()
{
#ifdef Q_OS_LINUX
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().simplified().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * sysconf(_SC_PAGESIZE) : -1;
#else
    return -1;
#endif
}

QString mebibytes(qint64 bytes)
{
    return QString::number(double(bytes) / (1024.0 * 1024.0), 'f', 2) + QStringLiteral(" MiB");
}

const QByteArray clanTag("[SOAK]");

// One server whose name and players are those of the current pass; it keeps no record of what
// it was asked, so its own memory stays put.
class Responder
{
public:
    Responder(int number, bool binaryOnly, int players, const int &pass)
        : m_number(number)
        , m_players(players)
        , m_pass(pass)
    {
        m_protocol.mode = binaryOnly ? HlReplies::Protocol::Mode::Modern : HlReplies::Protocol::Mode::Legacy;
        QObject::connect(&m_socket, &QUdpSocket::readyRead, [this] { answer(); });
    }

    bool listen() { return m_socket.bind(QHostAddress::LocalHost, 0); }
    quint16 port() const { return m_socket.localPort(); }
    bool binaryOnly() const { return m_protocol.mode == HlReplies::Protocol::Mode::Modern; }

    static QString nameFor(int number, int pass)
    {
        return QStringLiteral("Soak %1 pass %2").arg(number).arg(pass);
    }
    static QString lastPlayerFor(int number, int pass, int players)
    {
        return QStringLiteral("Player_%1_%2_%3").arg(number).arg(pass).arg(players - 1);
    }

private:
    HlReplies::ServerDescription description() const
    {
        HlReplies::ServerDescription d;
        d.name = nameFor(m_number, m_pass).toLatin1();
        d.mapName = "map_" + QByteArray::number(m_pass % 7);
        d.maxPlayers = 32;
        for (int p = 0; p < m_players; ++p) {
            const QByteArray name = "Player_" + QByteArray::number(m_number) + '_' + QByteArray::number(m_pass) + '_'
                + QByteArray::number(p);
            // Two of every server's players wear the watched tag, so every tick alerts.
            d.playerNames.append(p < 2 ? clanTag + name : name);
        }
        return d;
    }

    void answer()
    {
        while (m_socket.hasPendingDatagrams()) {
            const QNetworkDatagram request = m_socket.receiveDatagram();
            if (!request.isValid())
                break;
            // The challenge changes now and then, as a real server's does.
            QByteArray challenge(4, '\0');
            qToLittleEndian<quint32>(0x5A1B0000u + quint32(m_pass / 100), challenge.data());
            m_protocol.challenge = challenge;
            const QByteArray reply = HlReplies::replyTo(request.data(), description(), "127.0.0.1", m_protocol);
            if (!reply.isEmpty())
                m_socket.writeDatagram(reply, request.senderAddress(), static_cast<quint16>(request.senderPort()));
        }
    }

    QUdpSocket m_socket;
    int m_number;
    int m_players;
    const int &m_pass;
    HlReplies::Protocol m_protocol;
};

} // namespace

int main(int argc, char **argv)
{
    // Offscreen, every pop-up would say that the platform cannot raise it: ten thousand lines.
    static const QtMessageHandler standard = qInstallMessageHandler(nullptr);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &message) {
        if (!message.contains(QLatin1String("does not support raise()")))
            standard(type, context, message);
    });
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOptions({
        {QStringLiteral("passes"), QStringLiteral("Query passes (default 10000)."), QStringLiteral("n"),
         QStringLiteral("10000")},
        {QStringLiteral("warm-up"), QStringLiteral("Passes before the first reading (default 1000)."),
         QStringLiteral("n"), QStringLiteral("1000")},
        {QStringLiteral("servers"), QStringLiteral("Servers (default 100)."), QStringLiteral("n"), QStringLiteral("100")},
        {QStringLiteral("players"), QStringLiteral("Players on each (default 16)."), QStringLiteral("n"),
         QStringLiteral("16")},
    });
    parser.process(app);
    const int passes = std::clamp(parser.value(QStringLiteral("passes")).toInt(), 2, 1000000);
    const int warmUp = std::clamp(parser.value(QStringLiteral("warm-up")).toInt(), 1, passes - 1);
    const int servers = std::clamp(parser.value(QStringLiteral("servers")).toInt(), 1, 4000);
    const int players = std::clamp(parser.value(QStringLiteral("players")).toInt(), 2, 64);

    // The program's window on an empty settings file, started offline; the soak binds the socket
    // and drives the passes itself, with no query tick of its own in between.
    QTemporaryDir dir;
    MainWindowOptions options;
    options.settingsPath = dir.filePath(QStringLiteral("ZIBsettings.ini"));
    options.localPort = 0;
    options.trayAvailable = false;
    options.connectionTest = [] { return ConnectionState::State{false, 0}; };
    mainZibWindow window(options);
    window.startUp();
    QueryEngine &engine = window.queryEngine();
    engine.setQueryInterval(std::chrono::milliseconds::zero());
    if (const QString problem = engine.bindSocket(); !problem.isEmpty()) {
        QTextStream(stderr) << problem << "\n";
        return 1;
    }

    using namespace mdlZibProcessing;
    int pass = 0;
    std::vector<std::unique_ptr<Responder>> responders;
    for (int s = 0; s < servers; ++s) {
        responders.push_back(std::make_unique<Responder>(s + 1, s % 10 == 9, players, pass));
        if (!responders.back()->listen()) {
            QTextStream(stderr) << "cannot bind a server socket on 127.0.0.1\n";
            return 1;
        }
        auto server = std::make_shared<GameServer>();
        server->setServerNumber(static_cast<qint16>(s + 1));
        server->setAddress(QStringLiteral("127.0.0.1"));
        server->setPort(responders.back()->port());
        server->setName(QStringLiteral("New Server"));
        gameServers.append(server);
    }
    auto filter = std::make_shared<ClanFilter>();
    filter->setClanFilterNumber(1);
    filter->setClanTag(QString::fromLatin1(clanTag));
    filter->setAlert(true);
    filter->setAlertTrigger(2);
    clanFilters.append(filter);
    AlertSpeed = 0; // no throttle: every tick raises the pop-up
    AlertPlaySound = 0;
    engine.enableChecking();

    out << "soak: " << passes << " passes over " << servers << " servers x " << players
        << " players, names and players new every pass, the pop-up raised and closed every pass\n";
    out.flush();
    const qint64 atStart = residentBytes();
    qint64 afterWarmUp = -1;
    int incomplete = 0;
    int popups = 0;
    QElapsedTimer clock;
    clock.start();
    std::vector<int> freshIn(servers, 0);
    for (pass = 1; pass <= passes; ++pass) {
        // Binary-only servers are first asked their queries on the second pass.
        int expected = 0;
        for (int s = 0; s < servers; ++s)
            expected += !responders[s]->binaryOnly() || pass > 1;
        int fresh = 0;
        QEventLoop loop;
        const auto folds = QObject::connect(&engine, &QueryEngine::replyFolded, &loop, [&](qint16 number) {
            const int s = number - 1;
            if (s < 0 || s >= servers || freshIn[s] == pass)
                return;
            const GameServer &server = *gameServers[s];
            if (server.name() == Responder::nameFor(number, pass) && server.playerNames().size() == players
                && server.playerNames().last() == Responder::lastPlayerFor(number, pass, players)) {
                freshIn[s] = pass;
                if (++fresh == expected)
                    loop.quit();
            }
        });
        QTimer::singleShot(2000, &loop, &QEventLoop::quit);
        engine.queryAllServers();
        loop.exec();
        QObject::disconnect(folds);
        incomplete += fresh < expected;

        // The last pass's pop-up goes, and the matching tick raises the next.
        window.alerts().closePopup();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        window.alerts().checkClanFilters();
        window.updateServerGrid();
        popups += window.alerts().popup() != nullptr;

        if (pass == warmUp)
            afterWarmUp = residentBytes();
        if (pass % 1000 == 0 || pass == passes) {
            out << "  pass " << pass << ": resident " << mebibytes(residentBytes()) << ", "
                << QString::number(double(clock.elapsed()) / 1000.0, 'f', 1) << " s\n";
            out.flush();
        }
    }
    window.alerts().closePopup();
    const qint64 atEnd = residentBytes();

    out << "passes not fully answered within 2 s: " << incomplete << "; pop-ups raised: " << popups << "\n";
    if (atEnd < 0 || afterWarmUp < 0) {
        out << "resident memory: not measured on this system\n";
        return 0;
    }
    const qint64 growth = atEnd - afterWarmUp;
    out << "resident memory: start " << mebibytes(atStart) << ", after pass " << warmUp << " " << mebibytes(afterWarmUp)
        << ", after pass " << passes << " " << mebibytes(atEnd) << "\n";
    out << "growth from pass " << warmUp << " to " << passes << ": " << QString::number(growth / 1024.0, 'f', 0)
        << " KiB (target: under 1024 KiB)\n";
    out.flush();
    return growth < 1024 * 1024 ? 0 : 3;
}
