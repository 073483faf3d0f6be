// Start-up: from process start to the main window's first paint, with a hundred servers in the
// settings file, against a minimal Qt window program in the same run; and the peak memory of both.
// Each program runs from a folder of its own (the settings file sits beside the program) with a
// private temp folder (the single-instance lock lives there).
// With --edits, also the close with every server's name changed, and adding and removing one
// server through the window's buttons, each from a fresh start with the same file.
//
// Usage: zib_startup_bench [--runs N] [--servers N[,N...]] [--edits]
// Zib binds UDP 27010 as it starts, so nothing else may hold that port while this runs. The
// servers it then queries are loopback addresses where nothing answers.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QList>
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
    QByteArray said;

    // A figure the probe printed as "name value", or -1.
    double figure(const char *name) const
    {
        const QByteArray key = QByteArray(name) + ' ';
        const qsizetype at = said.indexOf(key);
        return at < 0 ? -1 : said.mid(at + key.size()).split('\n').value(0).trimmed().toDouble();
    }
};

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

Run runOnce(const QString &program, const QString &tempDir, const QString &scenario = {})
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TMPDIR"), tempDir);
    environment.remove(QStringLiteral("ZIB_PROBE_SCENARIO"));
    if (!scenario.isEmpty())
        environment.insert(QStringLiteral("ZIB_PROBE_SCENARIO"), scenario);
    if (!environment.contains(QStringLiteral("QT_QPA_PLATFORM")))
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    Run run;
    QElapsedTimer clock;
    clock.start();
    process.start(program, {});
    QByteArray &said = run.said;
    while (process.waitForReadyRead(120000)) {
        said += process.readAllStandardOutput();
        if (run.milliseconds < 0 && said.contains("shown\n"))
            run.milliseconds = double(clock.nsecsElapsed()) / 1e6;
        if (said.contains("peak-kib "))
            break;
    }
    process.waitForFinished(120000);
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

QByteArray settingsWith(int servers)
{
    QByteArray settings = "[ZIB SETTINGS]\r\nCheckSpeed=30\r\nAlertSpeed=5\r\nAlertPlaySound=0\r\n";
    for (int i = 1; i <= servers; ++i) {
        settings += "[GAMESERVER " + QByteArray::number(i) + "]\r\nName=Server " + QByteArray::number(i)
                    + "\r\nAddress=127.0.0." + QByteArray::number(1 + i % 200) + "\r\nPort="
                    + QByteArray::number(30000 + i) + "\r\n";
    }
    settings += "[CLANFILTER 1]\r\nTag=[X]\r\nAlert=TRUE\r\nTrigger=3\r\n";
    return settings;
}

bool measure(QTextStream &out, int servers, int runs, bool edits, const QString &settingsPath, const QString &zib,
             const QString &minimal, const QString &tempDir)
{
    const QByteArray settings = settingsWith(servers);
    const auto freshFile = [&] {
        QFile file(settingsPath);
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(settings) == settings.size();
    };
    std::vector<double> zibTimes, minimalTimes, zibPeaks, minimalPeaks;
    std::vector<double> closeTimes, addTimes, removeTimes, closeCpu, addCpu, removeCpu;
    // Taken in turns, so a busy moment of the machine weighs on all alike.
    for (int i = 0; i < runs; ++i) {
        if (!freshFile())
            return false;
        const Run ours = runOnce(zib, tempDir);
        const Run theirs = runOnce(minimal, tempDir);
        if (ours.milliseconds < 0 || theirs.milliseconds < 0) {
            out << "a program never showed its window\n";
            return false;
        }
        zibTimes.push_back(ours.milliseconds);
        minimalTimes.push_back(theirs.milliseconds);
        zibPeaks.push_back(double(ours.peakKiB));
        minimalPeaks.push_back(double(theirs.peakKiB));
        if (!edits)
            continue;
        if (!freshFile())
            return false;
        const Run closing = runOnce(zib, tempDir, QStringLiteral("close"));
        if (!freshFile())
            return false;
        const Run editing = runOnce(zib, tempDir, QStringLiteral("edit"));
        if (closing.figure("close-ms") < 0 || editing.figure("remove-ms") < 0 || editing.said.contains("edit-failed")) {
            out << "a scenario did not finish: " << closing.said << editing.said << "\n";
            return false;
        }
        closeTimes.push_back(closing.figure("close-ms"));
        addTimes.push_back(editing.figure("add-ms"));
        removeTimes.push_back(editing.figure("remove-ms"));
        closeCpu.push_back(closing.figure("close-cpu-ms"));
        addCpu.push_back(editing.figure("add-cpu-ms"));
        removeCpu.push_back(editing.figure("remove-cpu-ms"));
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
    if (edits) {
        const auto both = [](const std::vector<double> &wall, const std::vector<double> &cpu) {
            return QString::number(median(wall), 'f', 1) + QStringLiteral(" ms (processor ")
                   + QString::number(median(cpu), 'f', 1) + QStringLiteral(" ms)");
        };
        out << "  close with " << servers << " changed names: " << both(closeTimes, closeCpu)
            << "; add one server: " << both(addTimes, addCpu)
            << "; remove the first server: " << both(removeTimes, removeCpu) << "\n";
    }
    out.flush();
    return true;
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
        {QStringLiteral("servers"),
         QStringLiteral("Servers in the settings file (default 100); a list such as 10,100,1000,5000 sweeps."),
         QStringLiteral("n"), QStringLiteral("100")},
        {QStringLiteral("edits"),
         QStringLiteral("Also time the close with every name changed, and adding and removing one server.")},
    });
    parser.process(app);
    const int runs = std::clamp(parser.value(QStringLiteral("runs")).toInt(), 1, 100);
    QList<int> serverCounts;
    for (const QString &count : parser.value(QStringLiteral("servers")).split(u',', Qt::SkipEmptyParts))
        serverCounts.append(std::clamp(count.toInt(), 0, 5000));
    const bool edits = parser.isSet(QStringLiteral("edits"));
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
    const QString settingsPath = QDir(zibFolder.path()).filePath(QStringLiteral("ZIBsettings.ini"));
    for (const int servers : std::as_const(serverCounts)) {
        if (!measure(out, servers, runs, edits, settingsPath, zib, minimal, tempFolder.path()))
            return 1;
    }
    out << "compare: bench/minimal_window, a QApplication showing one empty QWidget, run the same way\n";
    return 0;
}
