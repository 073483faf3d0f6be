#pragma once

#include "alerts/AlertController.h"
#include "history/HistoryStore.h"
#include "notify/Notifier.h"
#include "platform/ConnectionState.h"
#include "query/QueryEngine.h"

#include <QSize>
#include <QString>
#include <QSystemTrayIcon>
#include <QWidget>

#include <memory>
#include <optional>

class QCheckBox;
class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

/// What differs between the program and a test run.
struct MainWindowOptions
{
    /// The settings file; empty means the one beside the program.
    QString settingsPath;
    quint16 localPort = QueryEngine::defaultLocalPort;
    /// Whether the desktop has a notification area; unset means ask the desktop.
    std::optional<bool> trayAvailable;
    /// The connection test; empty means ask the system.
    ConnectionState::Test connectionTest;
    /// Start hidden in the tray, or minimised where there is no tray.
    bool startMinimized = false;
    /// The folder whose autostart/ entry starts Zib with the desktop; empty means the user's own.
    QString autostartConfigHome;
};

// The program's one permanent window. Its start-up is the program's start-up and its closing
// the program's end; it owns the socket and the two timers and shows the server grid.
class mainZibWindow final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(mainZibWindow)

public:
    using Options = MainWindowOptions;

    // Outer sizes in twips, frame included, as the window was designed.
    static constexpr QSize compactOuterSize{4575, 1560};
    static constexpr QSize expandedOuterSize{7305, 4710};

    explicit mainZibWindow(Options options = {}, QWidget *parent = nullptr);
    ~mainZibWindow() override;

    /// Loads the settings, decides whether to go online, and shows the window compact.
    void startUp();

    /// Rebuilds the grid from the server list, most hits first, keeping the current row number.
    void updateServerGrid();

    QueryEngine &queryEngine() { return m_engine; }
    AlertController &alerts() { return m_alerts; }
    notify::Notifier &notifier() { return m_notifier; }
    /// The "Notifications" window, over `parent`.
    void openNotificationsDialog(QWidget *parent);
    History::Store &history() { return m_history; }
    bool trayAvailable() const { return m_trayAvailable; }
    QSystemTrayIcon &sysTray() { return m_sysTray; }
    QMenu *trayMenu() const { return m_trayMenu.get(); }

signals:
    /// The shutdown sequence has run; nothing of the program is left to do.
    void shutDown();

public slots:
    /// Brings the window back from the tray or the taskbar (tray click, second launch).
    void restoreFromTray();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private slots:
    void onViewServersClicked();
    void onEnabledClicked(bool checked);
    void onOptionsClicked();
    void onFiltersClicked();
    void onServerGridClicked();
    void onServerSelectionChanged();
    void onAddServerClicked();
    void onRemoveServerClicked();
    void onTrayActivated(QSystemTrayIcon::ActivationReason reason);
    void onMatchingTick();
    void onCheckingChanged(bool enabled);
    void onStartWithDesktopToggled(bool enabled);

private:
    void buildControls();
    void buildTrayMenu();
    void onLanguageChosen(const QString &code);
    QString autostartConfigHome() const;
    void followWindowState();
    void goOnline();
    void sendFirstPass();
    /// The server number the grid's current row carries, or 0 when it carries none.
    qint16 currentServerNumber() const;
    /// Where the options and filters dialogs open; they come with their own windows.
    void openOptionsDialog();
    void openFiltersDialog();
    /// The History window over `parent`, on a server ("address:port") or on a filter's tag.
    void openHistory(QWidget *parent, const QString &serverKey, const QString &tag);

    Options m_options;
    bool m_trayAvailable = false;
    bool m_started = false;
    bool m_shutDown = false;
    // Start-up's first pass waits for the window's first paint, so a long list is seen at once.
    bool m_firstPassAfterPaint = false;
    QueryEngine m_engine;
    AlertController m_alerts;
    notify::Notifier m_notifier;
    History::Store m_history;
    qint64 m_lastHistoryPass = 0;
    QSystemTrayIcon m_sysTray;
    std::unique_ptr<QMenu> m_trayMenu;
    QAction *m_actStartWithDesktop = nullptr;

    QLabel *m_titleLabel = nullptr;
    QPlainTextEdit *m_txtResponse = nullptr;
    QPushButton *m_btnOptions = nullptr;
    QCheckBox *m_chkEnabled = nullptr;
    QPushButton *m_btnViewServers = nullptr;
    QTableWidget *m_fxgServers = nullptr;
    QPushButton *m_btnAddServer = nullptr;
    QPushButton *m_btnRemoveServer = nullptr;
    QPushButton *m_btnFilters = nullptr;
    QLabel *m_image1 = nullptr;
};
