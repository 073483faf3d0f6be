// Adding 1,000 servers at once, as the user does it: pasting a list through "Add Servers from
// Clipboard", and ticking them in "Import Servers from Steam...". Times each up to the summary box
// (the grid refresh included, the box itself answered at once) and counts the settings file's writes.
//
// Usage: zib_import_bench [--servers N] [--existing N] [--runs N]

#include "BenchFigures.h"

#include "model/AddressList.h"
#include "model/ServerAdditions.h"
#include "model/mdlZibProcessing.h"
#include "platform/settingsfile/ProfileFile.h"
#include "ui/ImportServersDialog.h"
#include "ui/MessageBox.h"
#include "ui/ServerGridMenu.h"
#include "ui/mainZibWindow.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
#include <ctime>
#include <vector>

namespace {

using BenchFigures::median;
using BenchFigures::ms;

double cpuMsSince(std::clock_t start)
{
    return double(std::clock() - start) * 1000.0 / CLOCKS_PER_SEC;
}

QString addressOf(int i)
{
    return QStringLiteral("10.%1.%2.%3:%4").arg(i / 65536 % 256).arg(i / 256 % 256).arg(i % 256).arg(27015 + i % 7);
}

struct Run
{
    double toDialogMs = 0;
    double toBoxMs = 0;
    // Processor time of the same span: on a busy machine the clock says what the user waited,
    // this what the work itself cost.
    double toBoxCpuMs = 0;
    quint64 writes = 0;
    qsizetype added = 0;
};

// A window over a settings file holding `existing` servers, started offline so no query goes out.
std::unique_ptr<mainZibWindow> startWindow(const QTemporaryDir &dir, int existing)
{
    QByteArray text = "[ZIB SETTINGS]\r\nCheckSpeed=30\r\nAlertSpeed=5\r\nAlertPlaySound=0\r\n";
    for (int i = 0; i < existing; ++i)
        text += "[GAMESERVER " + QByteArray::number(i + 1) + "]\r\nName=Existing\r\nAddress=172.16."
                + QByteArray::number(i / 256) + '.' + QByteArray::number(i % 256) + "\r\nPort=27015\r\n";
    const QString path = dir.filePath(QStringLiteral("ZIBsettings.ini"));
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(text);
    file.close();
    MainWindowOptions options;
    options.settingsPath = path;
    options.localPort = 0;
    options.trayAvailable = false;
    options.connectionTest = [] { return ConnectionState::State{false, 0}; };
    auto window = std::make_unique<mainZibWindow>(options);
    window->startUp();
    return window;
}

// What the user pastes: one address a line.
QString pastedText(int servers)
{
    QStringList lines;
    for (int i = 0; i < servers; ++i)
        lines.append(addressOf(i));
    return lines.join(u'\n');
}

QAction *action(mainZibWindow &window, const char *name)
{
    return window.findChild<ServerGridMenu *>()->menu()->findChild<QAction *>(QLatin1String(name));
}

Run paste(int servers, int existing)
{
    QTemporaryDir dir;
    auto window = startWindow(dir, existing);
    QGuiApplication::clipboard()->setText(pastedText(servers));
    const qsizetype before = mdlZibProcessing::gameServers.size();
    const quint64 writes = ProfileFile::fileWrites();
    MessageBox::setNextAnswer(QMessageBox::Ok);
    QElapsedTimer clock;
    clock.start();
    const std::clock_t cpu = std::clock();
    action(*window, "actAddFromClipboard")->trigger();
    Run run;
    run.toBoxMs = double(clock.nsecsElapsed()) / 1e6;
    run.toBoxCpuMs = cpuMsSince(cpu);
    run.writes = ProfileFile::fileWrites() - writes;
    run.added = mdlZibProcessing::gameServers.size() - before;
    window->close();
    return run;
}

// Where the paste's time goes: reading the text, adding and writing, refreshing the grid.
QString pasteBreakdown(int servers, int existing)
{
    QTemporaryDir dir;
    auto window = startWindow(dir, existing);
    const QString text = pastedText(servers);
    QElapsedTimer clock;
    clock.start();
    const AddressList::Found found = AddressList::parse(text);
    const double parseMs = double(clock.nsecsElapsed()) / 1e6;
    QList<ServerAdditions::Candidate> candidates;
    for (const AddressList::Address &address : found.addresses)
        candidates.append({address, {}});
    clock.restart();
    ServerAdditions::addServers(candidates, QStringLiteral("New Server"));
    const double addMs = double(clock.nsecsElapsed()) / 1e6;
    clock.restart();
    window->updateServerGrid();
    const double gridMs = double(clock.nsecsElapsed()) / 1e6;
    window->close();
    return QStringLiteral("parse %1, add and write %2, grid refresh %3").arg(ms(parseMs), ms(addMs), ms(gridMs));
}

Run import(int servers, int existing)
{
    QTemporaryDir dir;
    auto window = startWindow(dir, existing);
    const QString folder = dir.filePath(QStringLiteral("Steam/userdata/1/7/remote"));
    QDir().mkpath(folder);
    QByteArray vdf = "\"Filters\"\n{\n\t\"favorites\"\n\t{\n";
    for (int i = 0; i < servers; ++i)
        vdf += "\t\t\"" + QByteArray::number(i) + "\"\n\t\t{\n\t\t\t\"name\"\t\t\"Server " + QByteArray::number(i)
               + "\"\n\t\t\t\"address\"\t\t\"" + addressOf(i).toLatin1() + "\"\n\t\t\t\"LastPlayed\"\t\t\""
               + QByteArray::number(1733000000 + i) + "\"\n\t\t\t\"appid\"\t\t\"10\"\n\t\t}\n";
    vdf += "\t}\n\t\"history\"\n\t{\n\t}\n}\n";
    QFile file(folder + QStringLiteral("/serverbrowser_hist.vdf"));
    file.open(QIODevice::WriteOnly);
    file.write(vdf);
    file.close();
    window->findChild<ServerGridMenu *>()->setClientFolders(QStringList{dir.filePath(QStringLiteral("Steam"))});

    const qsizetype before = mdlZibProcessing::gameServers.size();
    const quint64 writes = ProfileFile::fileWrites();
    MessageBox::setNextAnswer(QMessageBox::Ok);
    QElapsedTimer clock;
    Run run;
    QElapsedTimer fromOk;
    std::clock_t cpuAtOk = 0;
    // The dialog is up once its event loop runs; OK is pressed right then.
    QTimer::singleShot(0, window.get(), [&] {
        run.toDialogMs = double(clock.nsecsElapsed()) / 1e6;
        if (auto *dialog = qobject_cast<ImportServersDialog *>(QApplication::activeModalWidget())) {
            fromOk.start();
            cpuAtOk = std::clock();
            dialog->accept();
        }
    });
    clock.start();
    action(*window, "actImportFromSteam")->trigger();
    run.toBoxMs = fromOk.isValid() ? double(fromOk.nsecsElapsed()) / 1e6 : -1;
    run.toBoxCpuMs = fromOk.isValid() ? cpuMsSince(cpuAtOk) : -1;
    run.writes = ProfileFile::fileWrites() - writes;
    run.added = mdlZibProcessing::gameServers.size() - before;
    window->close();
    return run;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption servers(QStringLiteral("servers"), QStringLiteral("Addresses added."), QStringLiteral("n"),
                          QStringLiteral("1000"));
    const QCommandLineOption existing(QStringLiteral("existing"), QStringLiteral("Servers already in the list."),
                           QStringLiteral("n"), QStringLiteral("0,1000"));
    const QCommandLineOption runs(QStringLiteral("runs"), QStringLiteral("Runs of each."), QStringLiteral("n"),
                       QStringLiteral("5"));
    parser.addOptions({servers, existing, runs});
    parser.process(app);
    const int count = parser.value(servers).toInt();
    const int repeats = std::max(1, parser.value(runs).toInt());
    QTextStream out(stdout);
    bool ok = true;
    for (const QString &existingText : parser.value(existing).split(u',')) {
        const int already = existingText.toInt();
        std::vector<double> pasteMs, dialogMs, okMs, pasteCpuMs, okCpuMs;
        quint64 pasteWrites = 0, importWrites = 0;
        qsizetype pasteAdded = 0, importAdded = 0;
        for (int r = 0; r < repeats; ++r) {
            const Run p = paste(count, already);
            pasteMs.push_back(p.toBoxMs);
            pasteCpuMs.push_back(p.toBoxCpuMs);
            pasteWrites = std::max(pasteWrites, p.writes);
            pasteAdded = p.added;
            const Run i = import(count, already);
            dialogMs.push_back(i.toDialogMs);
            okMs.push_back(i.toBoxMs);
            okCpuMs.push_back(i.toBoxCpuMs);
            importWrites = std::max(importWrites, i.writes);
            importAdded = i.added;
        }
        out << "== " << count << " addresses onto a list of " << already << " (median of " << repeats << " runs)\n"
            << "paste:  to the summary box " << ms(median(pasteMs)) << " (processor " << ms(median(pasteCpuMs))
            << "), " << pasteAdded << " added, "
            << pasteWrites << " write(s) of the settings file\n"
            << "import: to the dialog " << ms(median(dialogMs)) << ", OK to the summary box " << ms(median(okMs)) << " (processor "
            << ms(median(okCpuMs)) << ')'
            << ", " << importAdded << " added, " << importWrites << " write(s)\n"
            << "paste, one run in parts: " << pasteBreakdown(count, already) << "\n";
        ok = ok && pasteAdded == count && importAdded == count && pasteWrites == 1 && importWrites == 1;
    }
    out.flush();
    return ok ? 0 : 1;
}
