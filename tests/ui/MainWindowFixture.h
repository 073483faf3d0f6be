#pragma once

#include "support/TestSupport.h"
#include "ui/mainZibWindow.h"

#include <QList>
#include <QProcess>
#include <QStringList>
#include <QTableWidget>

#include <memory>

// A main window on a settings file of its own, a free local port, no tray unless asked for,
// and a connection test that answers what the test wants.
class MainWindowFixture : public SettingsFixture
{
protected:
    void SetUp() override;
    void TearDown() override;

    struct Start
    {
        bool connected = true;
        quint32 flags = 0x02;
        bool tray = false;
        bool minimized = false;
    };
    mainZibWindow &start(Start how);
    mainZibWindow &start() { return start(Start{}); }

    template<typename T>
    T *control(const char *name) const
    {
        T *found = m_window->findChild<T *>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QTableWidget *grid() const { return control<QTableWidget>("fxgServers"); }
    /// The texts of one grid column, top to bottom.
    QStringList gridColumn(int column) const;
    /// The grid row whose hidden number is `serverNumber`, or -1.
    int rowOfServer(int serverNumber) const;
    /// A real mouse click on a cell of the grid.
    void clickCell(int row, int column) const;

    /// Section names in the settings file, in file order.
    QStringList sections() const;
    /// One key of one section as the file holds it, "<none>" when missing.
    QString fileValue(const QString &section, const QString &key) const;

    /// A settings file with these servers (name, address, port) and a check speed.
    void writeServers(const QList<QStringList> &servers, int checkSpeed = 30);

    /// Stands in for ~/.config (the Run key on Windows), so no test touches the user's own.
    QString autostartHome() const;

    quint16 m_port = 0;
    std::unique_ptr<mainZibWindow> m_window;
};

/// A UDP port nobody holds right now.
quint16 freeUdpPort();

/// hlsim as a separate process, its servers on loopback ports the system picks; ended with the test.
class HlsimProcess
{
public:
    explicit HlsimProcess(QStringList arguments);
    ~HlsimProcess();
    /// The port of its first server once it says it is ready; 0 when it never does.
    quint16 waitReady();
    /// The ports of all its servers (after waitReady).
    const QList<quint16> &ports() const { return m_ports; }
    /// What it has printed since it was ready, read without waiting.
    QString outputSoFar();

private:
    QProcess m_process;
    QList<quint16> m_ports;
    QString m_output;
};
