// hlsim: simulated Half-Life servers on consecutive UDP ports, for tests, demos and benchmarks.

#include "SimulatedServer.h"
#include "platform/text/TextCodec.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSet>
#include <QTextStream>
#include <QTimer>

#include <memory>
#include <vector>

namespace {

struct Options
{
    QHostAddress address;
    quint16 firstPort = 27015;
    int count = 1;
    HlReplies::ServerDescription description;
    HlReplies::Protocol protocol;
    QString nameTemplate;
    SimulatedServer::Misbehaviour misbehaviour;
    bool crlfNames = false;
    bool highBytes = false;
    bool hostileNames = false;
    bool legacyText = false; // names in Windows-1252, as old servers send them, instead of UTF-8
    QSet<int> faulty; // empty: every server misbehaves as asked
    int quitAfterSeconds = 0;
};

bool parseNumber(const QString &text, qint64 low, qint64 high, qint64 &out)
{
    bool ok = false;
    out = text.toLongLong(&ok);
    return ok && out >= low && out <= high;
}

// A text as a server sends it: UTF-8, or Windows-1252 with '?' for what that code page lacks.
QByteArray serverBytes(const QString &text, bool legacy)
{
    if (!legacy)
        return text.toUtf8();
    QByteArray bytes;
    for (const QChar c : text)
        bytes += TextCodec::toWindows1252(QStringView(&c, 1)).value_or(QByteArray("?"));
    return bytes;
}

// Fills options from the command line, or returns the reason it cannot.
QString readOptions(const QCommandLineParser &parser, Options &options)
{
    qint64 number = 0;
    options.address = QHostAddress(parser.value(QStringLiteral("bind")));
    if (options.address.isNull())
        return QStringLiteral("--bind needs an IP address");
    if (!parseNumber(parser.value(QStringLiteral("port")), 0, 65535, number))
        return QStringLiteral("--port needs a number from 0 to 65535");
    options.firstPort = static_cast<quint16>(number);
    if (!parseNumber(parser.value(QStringLiteral("count")), 1, 16384, number))
        return QStringLiteral("--count needs a number from 1 to 16384");
    options.count = static_cast<int>(number);
    if (options.firstPort != 0 && options.firstPort + options.count - 1 > 65535)
        return QStringLiteral("--port plus --count passes port 65535");

    const QString encoding = parser.value(QStringLiteral("encoding")).toLower();
    if (encoding == QLatin1String("windows-1252") || encoding == QLatin1String("cp1252"))
        options.legacyText = true;
    else if (encoding != QLatin1String("utf-8") && encoding != QLatin1String("utf8"))
        return QStringLiteral("--encoding needs utf-8 or windows-1252");
    const bool legacy = options.legacyText;
    options.nameTemplate = parser.value(QStringLiteral("name"));
    options.description.mapName = serverBytes(parser.value(QStringLiteral("map")), legacy);
    options.description.gameDirectory = serverBytes(parser.value(QStringLiteral("dir")), legacy);
    options.description.gameDescription = serverBytes(parser.value(QStringLiteral("desc")), legacy);
    if (!parseNumber(parser.value(QStringLiteral("max")), 0, 255, number))
        return QStringLiteral("--max needs a number from 0 to 255");
    options.description.maxPlayers = static_cast<quint8>(number);

    options.crlfNames = parser.isSet(QStringLiteral("crlf-names"));
    options.highBytes = parser.isSet(QStringLiteral("high-bytes"));
    options.hostileNames = parser.isSet(QStringLiteral("hostile-names"));
    for (const QString &name : parser.values(QStringLiteral("player")))
        options.description.playerNames.append(serverBytes(name, legacy));
    if (parser.isSet(QStringLiteral("players"))) {
        if (!parseNumber(parser.value(QStringLiteral("players")), 0, 255, number))
            return QStringLiteral("--players needs a number from 0 to 255");
        for (qint64 i = 1; i <= number; ++i)
            options.description.playerNames.append("Player" + QByteArray::number(i));
    }

    const QString mode = parser.value(QStringLiteral("protocol"));
    if (mode == QLatin1String("legacy"))
        options.protocol.mode = HlReplies::Protocol::Mode::Legacy;
    else if (mode == QLatin1String("modern"))
        options.protocol.mode = HlReplies::Protocol::Mode::Modern;
    else if (mode == QLatin1String("both"))
        options.protocol.mode = HlReplies::Protocol::Mode::Both;
    else
        return QStringLiteral("--protocol needs legacy, modern or both");
    options.protocol.infoNeedsChallenge = parser.isSet(QStringLiteral("info-challenge"));
    options.protocol.answersDetails = parser.isSet(QStringLiteral("details"));
    options.protocol.infoAsDetails = parser.isSet(QStringLiteral("info-as-details"));
    if (parser.isSet(QStringLiteral("challenge"))) {
        const QByteArray hex = parser.value(QStringLiteral("challenge")).toLatin1();
        const QByteArray bytes = QByteArray::fromHex(hex);
        if (hex.size() != 8 || bytes.size() != 4 || bytes.toHex() != hex.toLower())
            return QStringLiteral("--challenge needs 8 hexadecimal digits");
        options.protocol.challenge = bytes;
    }

    auto &bad = options.misbehaviour;
    bad.silent = parser.isSet(QStringLiteral("silent"));
    bad.garble = parser.isSet(QStringLiteral("garble"));
    bad.fromOtherPort = parser.isSet(QStringLiteral("from-other-port"));
    if (!parseNumber(parser.value(QStringLiteral("delay")), 0, 600000, number))
        return QStringLiteral("--delay needs milliseconds from 0 to 600000");
    bad.delay = std::chrono::milliseconds(number);
    if (parser.isSet(QStringLiteral("truncate"))) {
        if (!parseNumber(parser.value(QStringLiteral("truncate")), 0, 65507, number))
            return QStringLiteral("--truncate needs a byte count from 0 to 65507");
        bad.truncateTo = number;
    }
    if (parser.isSet(QStringLiteral("split"))) {
        if (!parseNumber(parser.value(QStringLiteral("split")), 1, 65507, number))
            return QStringLiteral("--split needs a byte count from 1 to 65507");
        bad.splitPayload = number;
    }
    if (parser.isSet(QStringLiteral("lose-part"))) {
        if (!parseNumber(parser.value(QStringLiteral("lose-part")), 0, 14, number))
            return QStringLiteral("--lose-part needs a part number from 0 to 14");
        bad.loseSplitPart = static_cast<int>(number);
    }
    if (parser.isSet(QStringLiteral("from-address"))) {
        bad.fromAddress = QHostAddress(parser.value(QStringLiteral("from-address")));
        if (bad.fromAddress.isNull())
            return QStringLiteral("--from-address needs an IP address");
    }
    if (parser.isSet(QStringLiteral("pad-to"))) {
        if (!parseNumber(parser.value(QStringLiteral("pad-to")), 0, 65507, number))
            return QStringLiteral("--pad-to needs a byte count from 0 to 65507");
        bad.padTo = number;
    }
    if (!parseNumber(parser.value(QStringLiteral("flood")), 0, 10000000, number))
        return QStringLiteral("--flood needs a count from 0 to 10000000");
    bad.flood = static_cast<int>(number);
    if (!parseNumber(parser.value(QStringLiteral("flood-seconds")), 1, 600, number))
        return QStringLiteral("--flood-seconds needs seconds from 1 to 600");
    bad.floodSpan = std::chrono::seconds(number);
    if (!parseNumber(parser.value(QStringLiteral("seed")), 0, 0xFFFFFFFFLL, number))
        return QStringLiteral("--seed needs a number");
    bad.seed = static_cast<quint32>(number);
    if (parser.isSet(QStringLiteral("faulty"))) {
        for (const QString &item : parser.value(QStringLiteral("faulty")).split(u',', Qt::SkipEmptyParts)) {
            if (!parseNumber(item, 1, options.count, number))
                return QStringLiteral("--faulty needs server numbers from 1 to --count, comma-separated");
            options.faulty.insert(static_cast<int>(number));
        }
    }
    if (!parseNumber(parser.value(QStringLiteral("quit-after")), 0, 86400, number))
        return QStringLiteral("--quit-after needs seconds from 0 to 86400");
    options.quitAfterSeconds = static_cast<int>(number);
    return {};
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("hlsim"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Simulated Half-Life servers, built from the description given below. With --protocol legacy\n"
        "(the default) each answers the text queries: \"players\" with a 'D' reply, \"info\" with 'C',\n"
        "\"details\" with 'm' and \"rules\" with 'E' (enough for quakestat -hls). With --protocol modern it\n"
        "behaves like a current server: text queries go unanswered, A2S_INFO gets an 'I' reply (or first\n"
        "an 'A' challenge, with --info-challenge), and A2S_PLAYER gets 'D' only once it carries the\n"
        "challenge handed out in an 'A' reply. --protocol both answers everything. --count servers listen on\n"
        "consecutive UDP ports from --port, on 127.0.0.1 unless --bind says otherwise. Once every port is\n"
        "bound, one line per server (\"server N ADDRESS:PORT\") and then \"ready\" are printed.\n"
        "Misbehaviour options apply to every server, or only to those that --faulty names.\n\n"
        "Example: hlsim --port 27015 --count 3 --name \"Server %n\" --player \"[X]Alice\" --players 5"));
    parser.addHelpOption();
    parser.addOptions({
        {QStringLiteral("bind"), QStringLiteral("Address to listen on (default 127.0.0.1)."), QStringLiteral("address"),
         QStringLiteral("127.0.0.1")},
        {QStringLiteral("port"), QStringLiteral("First UDP port; 0 lets the system choose (default 27015)."),
         QStringLiteral("port"), QStringLiteral("27015")},
        {QStringLiteral("count"), QStringLiteral("Number of servers, on consecutive ports (default 1)."),
         QStringLiteral("n"), QStringLiteral("1")},
        {QStringLiteral("name"), QStringLiteral("Server name; %n becomes the server's number (default \"Sim %n\")."),
         QStringLiteral("text"), QStringLiteral("Sim %n")},
        {QStringLiteral("map"), QStringLiteral("Map name (default crossfire)."), QStringLiteral("text"),
         QStringLiteral("crossfire")},
        {QStringLiteral("dir"), QStringLiteral("Game directory (default valve)."), QStringLiteral("text"),
         QStringLiteral("valve")},
        {QStringLiteral("desc"), QStringLiteral("Game description (default Half-Life)."), QStringLiteral("text"),
         QStringLiteral("Half-Life")},
        {QStringLiteral("max"), QStringLiteral("Maximum players byte, 0-255 (default 16)."), QStringLiteral("n"),
         QStringLiteral("16")},
        {QStringLiteral("player"), QStringLiteral("A player name; repeat for more."), QStringLiteral("name")},
        {QStringLiteral("encoding"),
         QStringLiteral("How names, map and game texts are sent: utf-8, as current servers do, or windows-1252,\n"
                        "as old servers do, '?' standing for what it lacks (default utf-8)."),
         QStringLiteral("name"), QStringLiteral("utf-8")},
        {QStringLiteral("players"), QStringLiteral("Add n more players named Player1 to Playern."), QStringLiteral("n")},
        {QStringLiteral("protocol"), QStringLiteral("legacy, modern or both (default legacy)."), QStringLiteral("mode"),
         QStringLiteral("legacy")},
        {QStringLiteral("info-challenge"), QStringLiteral("Modern: answer A2S_INFO only when it carries the challenge.")},
        {QStringLiteral("details"), QStringLiteral("Modern: still answer \"details\" with an 'm' reply.")},
        {QStringLiteral("info-as-details"), QStringLiteral("Modern: answer A2S_INFO with the older 'm' reply.")},
        {QStringLiteral("challenge"), QStringLiteral("The challenge handed out, 8 hex digits (default 5a1b9c3d)."),
         QStringLiteral("hex")},
        {QStringLiteral("silent"), QStringLiteral("Misbehave: read queries but never answer.")},
        {QStringLiteral("split"), QStringLiteral("Misbehave: split replies longer than n bytes into parts."),
         QStringLiteral("n")},
        {QStringLiteral("lose-part"), QStringLiteral("Misbehave: never send this part (0-based) of a split reply."),
         QStringLiteral("n")},
        {QStringLiteral("delay"), QStringLiteral("Misbehave: answer this many milliseconds late (default 0)."),
         QStringLiteral("ms"), QStringLiteral("0")},
        {QStringLiteral("truncate"), QStringLiteral("Misbehave: send only the first n bytes of every reply."),
         QStringLiteral("n")},
        {QStringLiteral("garble"), QStringLiteral("Misbehave: replace every byte after the type byte with noise.")},
        {QStringLiteral("seed"), QStringLiteral("Seed of --garble's noise (default 1)."), QStringLiteral("n"),
         QStringLiteral("1")},
        {QStringLiteral("crlf-names"), QStringLiteral("Misbehave: put CR LF inside every --player name.")},
        {QStringLiteral("high-bytes"), QStringLiteral("Misbehave: end every --player name in bytes E9 FF 80.")},
        {QStringLiteral("from-other-port"), QStringLiteral("Misbehave: answer from another UDP port.")},
        {QStringLiteral("from-address"), QStringLiteral("Misbehave: answer from this other local address."),
         QStringLiteral("address")},
        {QStringLiteral("hostile-names"),
         QStringLiteral("Misbehave: server, map and player names carrying CR, LF, NUL, [, ], = and bytes above 7F.")},
        {QStringLiteral("pad-to"),
         QStringLiteral("Misbehave: grow every reply to n bytes (up to 65507): more players, or trailing zeros."),
         QStringLiteral("n")},
        {QStringLiteral("flood"),
         QStringLiteral("Misbehave: after the first request, send n players replies to the asker from another port."),
         QStringLiteral("n"), QStringLiteral("0")},
        {QStringLiteral("flood-seconds"), QStringLiteral("Spread --flood over this many seconds (default 3)."),
         QStringLiteral("s"), QStringLiteral("3")},
        {QStringLiteral("faulty"), QStringLiteral("Only these servers (1-based, comma-separated) misbehave."),
         QStringLiteral("list")},
        {QStringLiteral("quit-after"), QStringLiteral("End after this many seconds; 0 runs until stopped (default 0)."),
         QStringLiteral("s"), QStringLiteral("0")},
    });
    parser.process(app);

    QTextStream out(stdout);
    QTextStream err(stderr);
    Options options;
    if (const QString problem = readOptions(parser, options); !problem.isEmpty()) {
        err << "hlsim: " << problem << "\n";
        return 2;
    }

    std::vector<std::unique_ptr<SimulatedServer>> servers;
    for (int n = 1; n <= options.count; ++n) {
        HlReplies::ServerDescription description = options.description;
        QString name = options.nameTemplate;
        description.name = serverBytes(name.replace(QStringLiteral("%n"), QString::number(n)), options.legacyText);
        const bool faulty = options.faulty.isEmpty() || options.faulty.contains(n);
        if (faulty && options.hostileNames) {
            // Each the way a careless or malicious server might send it; a NUL ends a name on the
            // wire, so what follows it is read as the rest of the record.
            description.name = "Evil\r\n[GAMESERVER 9]\r\nName=owned\n[ZIB SETTINGS]\rCheckSpeed=0 \xE9\xFF";
            description.mapName = "de_[map]=x\r\n[CLANFILTER 9]";
            description.playerNames.append(QByteArray("[X]cr\rname"));
            description.playerNames.append(QByteArray("[X]lf\nname"));
            description.playerNames.append(QByteArray("[X]nul\0after", 13));
            description.playerNames.append(QByteArray("[X]]=[GAMESERVER 1]"));
            description.playerNames.append(QByteArray("[X]key=value"));
            description.playerNames.append(QByteArray("[X]high\x80\xE9\xFF"));
        }
        if (faulty) {
            // Only the names given with --player: the generated ones stay plain.
            const qsizetype given = parser.values(QStringLiteral("player")).size();
            for (qsizetype i = 0; i < given; ++i) {
                if (options.crlfNames)
                    description.playerNames[i] += "\r\nline two";
                if (options.highBytes)
                    description.playerNames[i] += "\xE9\xFF\x80";
            }
        }
        auto server = std::make_unique<SimulatedServer>(
            description, faulty ? options.misbehaviour : SimulatedServer::Misbehaviour{});
        server->setProtocol(options.protocol);
        const quint16 port = options.firstPort == 0 ? 0 : static_cast<quint16>(options.firstPort + n - 1);
        if (const QString problem = server->listen(options.address, port); !problem.isEmpty()) {
            err << "hlsim: cannot listen on " << options.address.toString() << ":" << port << ": " << problem << "\n";
            return 1;
        }
        out << "server " << n << " " << options.address.toString() << ":" << server->port();
        if (server->replyPort() != server->port())
            out << " replies-from " << server->replyPort();
        out << "\n";
        QObject::connect(server.get(), &SimulatedServer::floodFinished, &app, [&out, n](int sent, qint64 ms) {
            out << "server " << n << " flood-sent " << sent << " in " << ms << " ms\n";
            out.flush();
        });
        servers.push_back(std::move(server));
    }
    out << "ready\n";
    out.flush();

    if (options.quitAfterSeconds > 0)
        QTimer::singleShot(std::chrono::seconds(options.quitAfterSeconds), &app, &QCoreApplication::quit);
    return app.exec();
}
