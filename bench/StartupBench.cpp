// Start-up: from process start to the main window's first paint, with a hundred servers in the
// settings file, against a minimal Qt window program in the same run; and the peak memory of both.
// Each program runs from a folder of its own (the settings file sits beside the program) with a
// private temp folder (the single-instance lock lives there).
//
// Usage: zib_startup_bench [--runs N] [--servers N]
// Zib binds UDP 27010 as it starts, so nothing else may hold that port while this runs. The
// servers it then queries are loopback addresses where nothing answers.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QUdpSocket>

#include <algorithm>
#include <vector>

namespace {

struct Run
{
    double milliseconds = -1;
    long long peakKiB = -1;
};

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

Run runOnce(const QString &program, const QString &tempDir)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TMPDIR"), tempDir);
    if (!environment.contains(QStringLiteral("QT_QPA_PLATFORM")))
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    Run run;
    QElapsedTimer clock;
    clock.start();
    process.start(program, {});
    QByteArray said;
    while (process.waitForReadyRead(10000)) {
        said += process.readAllStandardOutput();
        if (run.milliseconds < 0 && said.contains("shown\n"))
            run.milliseconds = double(clock.nsecsElapsed()) / 1e6;
        if (said.contains("peak-kib "))
            break;
    }
    process.waitForFinished(10000);
    said += process.readAllStandardOutput();
    const qsizetype at = said.indexOf("peak-kib ");
    if (at >= 0)
        run.peakKiB = said.mid(at + 9).split('\n').value(0).trimmed().toLongLong();
    return run;
}

// A copy of the program in a folder of its own, with what it needs beside it.
QString install(const QString &program, const QString &folder)
{
    const QString target = QDir(folder).filePath(QFileInfo(program).fileName());
    QFile::remove(target);
    if (!QFile::copy(program, target))
        return {};
    QFile::setPermissions(target, QFile::permissions(program));
    return target;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOptions({
        {QStringLiteral("runs"), QStringLiteral("Starts of each program (default 10)."), QStringLiteral("n"),
         QStringLiteral("10")},
        {QStringLiteral("servers"), QStringLiteral("Servers in the settings file (default 100)."), QStringLiteral("n"),
         QStringLiteral("100")},
    });
    parser.process(app);
    const int runs = std::clamp(parser.value(QStringLiteral("runs")).toInt(), 1, 100);
    const int servers = std::clamp(parser.value(QStringLiteral("servers")).toInt(), 0, 5000);
    QTextStream out(stdout);

    {
        QUdpSocket probe;
        if (!probe.bind(QHostAddress::AnyIPv4, 27010)) {
            out << "UDP port 27010 is held by another program: " << probe.errorString() << "\n";
            return 1;
        }
    }

    const QString here = QCoreApplication::applicationDirPath();
    QTemporaryDir zibFolder, minimalFolder, tempFolder;
    const QString zib = install(here + QStringLiteral("/zib_startup_probe"), zibFolder.path());
    const QString minimal = install(here + QStringLiteral("/minimal_window"), minimalFolder.path());
    if (zib.isEmpty() || minimal.isEmpty()) {
        out << "cannot copy the programs next to their settings\n";
        return 1;
    }
    QByteArray settings = "[ZIB SETTINGS]\r\nCheckSpeed=30\r\nAlertSpeed=5\r\nAlertPlaySound=0\r\n";
    for (int i = 1; i <= servers; ++i) {
        settings += "[GAMESERVER " + QByteArray::number(i) + "]\r\nName=Server " + QByteArray::number(i)
                    + "\r\nAddress=127.0.0." + QByteArray::number(1 + i % 200) + "\r\nPort="
                    + QByteArray::number(30000 + i) + "\r\n";
    }
    settings += "[CLANFILTER 1]\r\nTag=[X]\r\nAlert=TRUE\r\nTrigger=3\r\n";
    const QString settingsPath = QDir(zibFolder.path()).filePath(QStringLiteral("ZIBsettings.ini"));

    std::vector<double> zibTimes, minimalTimes;
    std::vector<double> zibPeaks, minimalPeaks;
    // Taken in turns, so a busy moment of the machine weighs on both alike.
    for (int i = 0; i < runs; ++i) {
        QFile file(settingsPath);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(settings) != settings.size())
            return 1;
        file.close();
        const Run ours = runOnce(zib, tempFolder.path());
        const Run theirs = runOnce(minimal, tempFolder.path());
        if (ours.milliseconds < 0 || theirs.milliseconds < 0) {
            out << "a program never showed its window\n";
            return 1;
        }
        zibTimes.push_back(ours.milliseconds);
        minimalTimes.push_back(theirs.milliseconds);
        zibPeaks.push_back(double(ours.peakKiB));
        minimalPeaks.push_back(double(theirs.peakKiB));
    }

    const auto show = [&out](const char *what, double ours, double theirs, const char *unit) {
        out << "  " << what << ": zib " << QString::number(ours, 'f', 1) << unit << ", minimal window "
            << QString::number(theirs, 'f', 1) << unit << ", ratio " << QString::number(ours / theirs, 'f', 2)
            << "x\n";
    };
    out << "start-up: " << servers << " servers in the settings file, " << runs << " starts each (medians), "
        << "platform " << qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("offscreen")) << "\n";
    show("process start to first paint", median(zibTimes), median(minimalTimes), " ms");
    show("peak resident memory", median(zibPeaks) / 1024, median(minimalPeaks) / 1024, " MiB");
    out << "compare: bench/minimal_window, a QApplication showing one empty QWidget, run the same way\n";
    return 0;
}
