// One query pass over a swarm of simulated servers from one hlsim process: how long from the
// first request to the last reply folded, and how many replies never arrived. Then the same
// swarm asked by quakestat, for a yardstick.
//
// Usage: zib_mass_query_bench [--servers N] [--players N] [--port FIRST] [--passes N]
//                             [--receive-buffer BYTES] [--delay MS] [--busy MS] [--quakestat PATH]
// --receive-buffer sets the socket's buffer the way an unprivileged program on a stock desktop
// gets it (Linux: capped at net.core.rmem_max), to show what the engine does with a small one.
// --delay makes every reply late, as far servers' are; --busy keeps the thread away from the
// socket for a while four times a second, as the matching tick of a long list does. On Linux the
// datagrams the system dropped for want of buffer are read from /proc/net/udp.

#include "model/mdlZibProcessing.h"
#include "query/QueryEngine.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

QTextStream out(stdout);

struct Pass
{
    int folded = 0;
    double milliseconds = 0;
};

// Waits for hlsim to bind every port; false when it gives up.
bool startSwarm(QProcess &hlsim, const QString &program, int servers, int players, quint16 firstPort, int delay)
{
    hlsim.start(program, {QStringLiteral("--count"), QString::number(servers), QStringLiteral("--port"),
                          QString::number(firstPort), QStringLiteral("--players"), QString::number(players),
                          QStringLiteral("--max"), QStringLiteral("32"), QStringLiteral("--delay"),
                          QString::number(delay), QStringLiteral("--quit-after"), QStringLiteral("600")});
    if (!hlsim.waitForStarted(5000))
        return false;
    QByteArray said;
    QElapsedTimer waited;
    waited.start();
    while (!said.contains("ready\n") && waited.elapsed() < 30000) {
        if (!hlsim.waitForReadyRead(1000) && hlsim.state() == QProcess::NotRunning)
            break;
        said += hlsim.readAllStandardOutput();
    }
    if (!said.contains("ready\n"))
        QTextStream(stderr) << said << hlsim.readAllStandardError();
    return said.contains("ready\n");
}

void keepBusy(int milliseconds)
{
    QElapsedTimer spin;
    spin.start();
    while (spin.elapsed() < milliseconds) {
    }
}

// What the system dropped for want of room in this socket's receive buffer, or -1 where that
// cannot be read.
qint64 systemDrops(quint16 localPort)
{
#ifdef Q_OS_LINUX
    QFile table(QStringLiteral("/proc/net/udp"));
    if (!table.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray local = ':' + QByteArray::number(localPort, 16).toUpper().rightJustified(4, '0');
    for (const QByteArray &line : table.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() > 12 && fields[1].endsWith(local))
            return fields.last().toLongLong();
    }
    return -1;
#else
    Q_UNUSED(localPort);
    return -1;
#endif
}

Pass onePass(QueryEngine &engine, int expected, int busy)
{
    for (const auto &server : mdlZibProcessing::gameServers) {
        server->setPlayerNames(QStringList());
        server->setMapName(QString());
    }
    Pass pass;
    QElapsedTimer clock;
    qint64 lastFold = 0;
    qint64 lastMove = 0;
    QEventLoop loop;
    const auto folds = QObject::connect(&engine, &QueryEngine::replyFolded, &loop, [&] {
        lastFold = clock.nsecsElapsed();
        if (++pass.folded == expected)
            loop.quit();
    });
    // Whatever has not come two seconds after the last request went out and the last reply came
    // in is lost; a slow pass is not cut short while it is still moving.
    QTimer watchdog;
    watchdog.setInterval(50);
    QObject::connect(&watchdog, &QTimer::timeout, &loop, [&] {
        if (engine.queuedRequests() > 0)
            lastMove = clock.nsecsElapsed();
        else if (clock.nsecsElapsed() - std::max(lastMove, lastFold) > 2'000'000'000)
            loop.quit();
    });
    // Matching ticks and redraws of a long list keep the thread away from the socket for a while.
    QTimer busyTicks;
    busyTicks.setInterval(250);
    QObject::connect(&busyTicks, &QTimer::timeout, &loop, [busy] { keepBusy(busy); });
    clock.start();
    engine.queryAllServers();
    watchdog.start();
    if (busy > 0) {
        keepBusy(busy);
        busyTicks.start();
    }
    loop.exec();
    QObject::disconnect(folds);
    pass.milliseconds = double(lastFold) / 1e6;
    return pass;
}

// quakestat over the same swarm, one server per line of a file; returns seconds and servers that
// answered with their players.
std::pair<double, int> quakestatPass(const QString &program, int servers, quint16 firstPort)
{
    QTemporaryDir dir;
    QFile list(dir.filePath(QStringLiteral("servers.txt")));
    if (!list.open(QIODevice::WriteOnly))
        return {0, 0};
    for (int i = 0; i < servers; ++i)
        list.write("127.0.0.1:" + QByteArray::number(firstPort + i) + "\n");
    list.close();
    QProcess quakestat;
    QElapsedTimer clock;
    clock.start();
    quakestat.start(program, {QStringLiteral("-default"), QStringLiteral("hls"), QStringLiteral("-P"),
                              QStringLiteral("-raw"), QStringLiteral(","), QStringLiteral("-f"), list.fileName()});
    if (!quakestat.waitForFinished(600000))
        return {0, 0};
    const double seconds = double(clock.nsecsElapsed()) / 1e9;
    int answered = 0;
    // A server line starts with the type; one that answered carries its name and map, a dead one
    // says DOWN or TIMEOUT.
    for (const QByteArray &line : quakestat.readAllStandardOutput().split('\n')) {
        if (line.startsWith("HLS,") && !line.contains(",DOWN") && !line.contains(",TIMEOUT")
            && !line.contains(",ERROR"))
            ++answered;
    }
    return {seconds, answered};
}

} // namespace

int main(int argc, char **argv)
{
    // The event loop the program runs on: xcb's or Windows' dispatcher, or offscreen's.
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOptions({
        {QStringLiteral("servers"), QStringLiteral("Simulated servers (default 1000)."), QStringLiteral("n"),
         QStringLiteral("1000")},
        {QStringLiteral("players"), QStringLiteral("Players on each (default 16)."), QStringLiteral("n"),
         QStringLiteral("16")},
        {QStringLiteral("port"), QStringLiteral("First UDP port of the swarm (default 21000)."), QStringLiteral("port"),
         QStringLiteral("21000")},
        {QStringLiteral("passes"), QStringLiteral("Query passes to time (default 5)."), QStringLiteral("n"),
         QStringLiteral("5")},
        {QStringLiteral("delay"), QStringLiteral("hlsim answers this many milliseconds late (default 0)."),
         QStringLiteral("ms"), QStringLiteral("0")},
        {QStringLiteral("busy"),
         QStringLiteral("Keep the thread busy this many milliseconds right after each pass goes out (default 0)."),
         QStringLiteral("ms"), QStringLiteral("0")},
        {QStringLiteral("receive-buffer"), QStringLiteral("Ask for this receive buffer the unprivileged way."),
         QStringLiteral("bytes")},
        {QStringLiteral("quakestat"), QStringLiteral("quakestat to compare with; empty skips it."),
         QStringLiteral("path"), QStringLiteral("/usr/bin/quakestat")},
        {QStringLiteral("hlsim"), QStringLiteral("The simulator."), QStringLiteral("path"),
         QCoreApplication::applicationDirPath() + QStringLiteral("/../tools/hlsim")},
    });
    parser.process(app);
    const int servers = std::clamp(parser.value(QStringLiteral("servers")).toInt(), 1, 16384);
    const int players = std::clamp(parser.value(QStringLiteral("players")).toInt(), 0, 255);
    const int passes = std::clamp(parser.value(QStringLiteral("passes")).toInt(), 1, 100);
    const auto firstPort = static_cast<quint16>(parser.value(QStringLiteral("port")).toUInt());

    QProcess hlsim;
    hlsim.setProcessChannelMode(QProcess::SeparateChannels);
    const int delay = std::clamp(parser.value(QStringLiteral("delay")).toInt(), 0, 10000);
    const int busy = std::clamp(parser.value(QStringLiteral("busy")).toInt(), 0, 10000);
    if (!startSwarm(hlsim, parser.value(QStringLiteral("hlsim")), servers, players, firstPort, delay)) {
        QTextStream(stderr) << "hlsim did not start a swarm on ports " << firstPort << " and up\n";
        return 1;
    }

    for (int i = 0; i < servers; ++i) {
        auto server = std::make_shared<GameServer>();
        server->setAddress(QStringLiteral("127.0.0.1"));
        server->setPort(firstPort + i);
        server->setName(QStringLiteral("New Server"));
        server->setServerNumber(static_cast<qint16>(i + 1));
        mdlZibProcessing::gameServers.append(server);
    }
    QueryEngine engine(0);
    if (const QString problem = engine.bindSocket(); !problem.isEmpty()) {
        QTextStream(stderr) << problem << "\n";
        return 1;
    }
    if (parser.isSet(QStringLiteral("receive-buffer")))
        engine.setReceiveBufferSize(parser.value(QStringLiteral("receive-buffer")).toInt());

    const int expected = 2 * servers;
    out << "mass query on the " << QGuiApplication::platformName() << " platform: " << servers << " servers x "
        << players << " players, " << expected
        << " replies a pass, receive buffer " << engine.receiveBufferSize() << " bytes (requests paced at "
        << engine.sendRate() << " a second, " << engine.sendBurst() << " at once), replies " << delay
        << " ms late, thread busy " << busy << " ms in every 250\n";
    const qint64 dropsBefore = systemDrops(engine.localPort());
    std::vector<double> times;
    int worstLost = 0;
    for (int i = 0; i < passes; ++i) {
        const Pass pass = onePass(engine, expected, busy);
        worstLost = std::max(worstLost, expected - pass.folded);
        times.push_back(pass.milliseconds);
        out << "  pass " << i + 1 << ": " << pass.folded << " folded, " << expected - pass.folded << " lost, "
            << QString::number(pass.milliseconds, 'f', 1) << " ms first send to last fold\n";
        out.flush();
    }
    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2];
    out << "zib pass: median " << QString::number(median, 'f', 1) << " ms, best "
        << QString::number(times.front(), 'f', 1) << " ms, most lost in a pass " << worstLost
        << ", dropped unread for want of memory " << engine.datagramsDropped();
    if (const qint64 drops = systemDrops(engine.localPort()); drops >= 0 && dropsBefore >= 0)
        out << ", dropped by the system for want of buffer " << drops - dropsBefore;
    out << "\n";

    const QString quakestat = parser.value(QStringLiteral("quakestat"));
    if (!quakestat.isEmpty() && QFile::exists(quakestat)) {
        const auto [seconds, answered] = quakestatPass(quakestat, servers, firstPort);
        out << "quakestat -default hls -P -raw , -f LIST: " << QString::number(seconds * 1000, 'f', 1) << " ms, "
            << answered << " of " << servers << " servers answered\n";
        if (median > 0)
            out << "quakestat time / zib time: " << QString::number(seconds * 1000 / median, 'f', 1) << "x\n";
    }
    out << "compare: quakestat -default hls -P -raw , -f LIST (LIST: 127.0.0.1:" << firstPort << " to 127.0.0.1:"
        << firstPort + servers - 1 << ", hlsim --count " << servers << " --port " << firstPort << " --players "
        << players << ")\n";
    out.flush();
    hlsim.kill();
    hlsim.waitForFinished(5000);
    return worstLost == 0 ? 0 : 3;
}
