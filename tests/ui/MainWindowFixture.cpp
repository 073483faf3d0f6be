#include "MainWindowFixture.h"

#include "model/mdlZibProcessing.h"
#include "platform/settingsfile/ProfileFile.h"
#include "ui/MessageBox.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QSettings>
#include <QRegularExpression>
#include <QTest>
#include <QUdpSocket>

quint16 freeUdpPort()
{
    QUdpSocket probe;
    if (!probe.bind(QHostAddress::AnyIPv4, 0))
        return 0;
    return probe.localPort();
}

HlsimProcess::HlsimProcess(QStringList arguments)
{
    m_process.setProgram(QStringLiteral(ZIB_TOOLS_DIR "/hlsim"));
    m_process.setArguments(QStringList{QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--quit-after"),
                                       QStringLiteral("120")}
                           + arguments);
    m_process.start();
}

HlsimProcess::~HlsimProcess()
{
    m_process.kill();
    m_process.waitForFinished(2000);
}

quint16 HlsimProcess::waitReady()
{
    static const QRegularExpression line(QStringLiteral("^server \\d+ [0-9.]+:(\\d+)"));
    QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired()) {
        while (m_process.canReadLine()) {
            const QString text = QString::fromLatin1(m_process.readLine()).trimmed();
            if (const auto match = line.match(text); match.hasMatch())
                m_ports.append(match.captured(1).toUShort());
            if (text == QStringLiteral("ready"))
                return m_ports.value(0);
        }
        if (!m_process.waitForReadyRead(200) && m_process.state() == QProcess::NotRunning)
            return 0;
    }
    return 0;
}

QString HlsimProcess::outputSoFar()
{
    m_output += QString::fromLatin1(m_process.readAllStandardOutput());
    return m_output;
}

void MainWindowFixture::SetUp()
{
    SettingsFixture::SetUp();
    MessageBox::resetForTests();
    m_port = freeUdpPort();
    ASSERT_NE(m_port, 0);
}

void MainWindowFixture::TearDown()
{
    // A test that leaves a change unsaved would meet the close's box; it is answered here.
    MessageBox::setNextAnswer(QMessageBox::Ok);
    if (m_window)
        m_window->close();
    m_window.reset();
    MessageBox::resetForTests();
#ifdef Q_OS_WIN
    QSettings(QStringLiteral("HKEY_CURRENT_USER\\Software"), QSettings::NativeFormat)
        .remove(QStringLiteral("Zib-tests"));
#endif
    SettingsFixture::TearDown();
}

QString MainWindowFixture::autostartHome() const
{
#ifdef Q_OS_WIN
    return QStringLiteral("HKEY_CURRENT_USER\\Software\\Zib-tests\\") + QFileInfo(m_dir.path()).fileName();
#else
    return m_dir.filePath(QStringLiteral("xdg-config"));
#endif
}

mainZibWindow &MainWindowFixture::start(Start how)
{
    MainWindowOptions options;
    options.settingsPath = mdlZibProcessing::settingsPath;
    options.localPort = m_port;
    options.trayAvailable = how.tray;
    options.startMinimized = how.minimized;
    options.autostartConfigHome = autostartHome();
    options.connectionTest = [how] { return ConnectionState::State{how.connected, how.flags}; };
    m_window = std::make_unique<mainZibWindow>(options);
    m_window->startUp();
    return *m_window;
}

QStringList MainWindowFixture::gridColumn(int column) const
{
    QStringList texts;
    QTableWidget *table = grid();
    for (int row = 0; row < table->rowCount(); ++row) {
        const QTableWidgetItem *item = table->item(row, column);
        texts.append(item ? item->text() : QString());
    }
    return texts;
}

int MainWindowFixture::rowOfServer(int serverNumber) const
{
    return int(gridColumn(0).indexOf(QString::number(serverNumber)));
}

void MainWindowFixture::clickCell(int row, int column) const
{
    QTableWidget *table = grid();
    const QRect cell = table->visualRect(table->model()->index(row, column));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
}

QStringList MainWindowFixture::sections() const
{
    QStringList names;
    static const QRegularExpression header(QStringLiteral("^\\[(.*)\\]\\r?$"), QRegularExpression::MultilineOption);
    auto it = header.globalMatch(QString::fromLatin1(fileBytes()));
    while (it.hasNext())
        names.append(it.next().captured(1));
    return names;
}

QString MainWindowFixture::fileValue(const QString &section, const QString &key) const
{
    return ProfileFile::readString(mdlZibProcessing::settingsPath, section, key, QStringLiteral("<none>"));
}

void MainWindowFixture::writeServers(const QList<QStringList> &servers, int checkSpeed)
{
    QByteArray text = "[ZIB SETTINGS]\r\nCheckSpeed=" + QByteArray::number(checkSpeed)
                      + "\r\nAlertSpeed=5\r\nAlertPlaySound=0\r\n";
    for (int i = 0; i < servers.size(); ++i) {
        text += "[GAMESERVER " + QByteArray::number(i + 1) + "]\r\n";
        text += "Name=" + servers[i][0].toLatin1() + "\r\n";
        text += "Address=" + servers[i][1].toLatin1() + "\r\n";
        text += "Port=" + servers[i][2].toLatin1() + "\r\n";
    }
    writeFile(text);
}
