#include "history/HistoryWriter.h"
#include "HistorySimulation.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>

#include <cstdio>

// Fills a history file with simulated checks. With --forever it goes on writing one pass after
// another and prints each pass's time once its transaction is committed, for the test that kills
// it at a random moment.
int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Writes simulated passes into a history file."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("The history file."));
    const QCommandLineOption servers(QStringLiteral("servers"), QStringLiteral("Servers per pass."), QStringLiteral("n"), QStringLiteral("100"));
    const QCommandLineOption days(QStringLiteral("days"), QStringLiteral("Days of checks, up to now."), QStringLiteral("n"), QStringLiteral("30"));
    const QCommandLineOption interval(QStringLiteral("interval"), QStringLiteral("Seconds between checks."), QStringLiteral("s"), QStringLiteral("30"));
    const QCommandLineOption end(QStringLiteral("end"), QStringLiteral("The last check's time, seconds since 1970."), QStringLiteral("t"));
    const QCommandLineOption endless(QStringLiteral("forever"), QStringLiteral("Write until killed, printing each committed pass."));
    parser.addOptions({servers, days, interval, end, endless});
    parser.process(app);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(2);

    History::Writer writer(QStringLiteral("historysim"));
    const History::Writer::Opened opened = writer.open(parser.positionalArguments().first(), QDateTime::currentDateTime());
    if (opened.path.isEmpty() || !opened.problem.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(opened.problem));
        return 1;
    }
    const int count = parser.value(servers).toInt();
    const qint64 step = std::max(1, parser.value(interval).toInt());
    const qint64 last = parser.isSet(end) ? parser.value(end).toLongLong() : QDateTime::currentSecsSinceEpoch();
    qint64 t = last - parser.value(days).toLongLong() * 86400;
    for (; parser.isSet(endless) || t <= last; t += step) {
        if (writer.write(HistorySimulation::pass(t, count)) != History::Writer::Outcome::Written) {
            std::fprintf(stderr, "%s\n", qPrintable(writer.lastError()));
            return 1;
        }
        if (parser.isSet(endless)) {
            std::printf("%lld\n", static_cast<long long>(t));
            std::fflush(stdout);
        }
    }
    return 0;
}
