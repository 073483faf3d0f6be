#include "ui/mainZibWindow.h"

#include "alerts/Resources.h"
#include "model/GameServer.h"
#include "model/Numeric.h"
#include "model/mdlZibProcessing.h"
#include "AppInfo.h"
#include "platform/Autostart.h"
#include "platform/Clock.h"
#include "platform/Language.h"
#include "platform/settingsfile/ProfileFile.h"
#include "platform/Twips.h"
#include "history/HistoryWriter.h"
#include "ui/FixedLayout.h"
#include "ui/HistoryWindow.h"
#include "ui/MessageBox.h"
#include "ui/NotificationsWindow.h"
#include "ui/NotifierLinks.h"
#include "ui/ServerGrid.h"
#include "ui/HostLookups.h"
#include "ui/ServerGridMenu.h"
#include "ui/ServerListEdits.h"
#include "ui/filtersWindow.h"
#include "ui/optionsWindow.h"

#include <QCoreApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFont>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QTimer>

#include <utility>


namespace {

// The window was laid out for a frame 90 twips wide and 375 high in all; its two sizes are
// kept as the client areas that frame leaves, so the controls sit where they were designed
// whatever frame the desktop draws around them.
constexpr QSize designedFrame{90, 375};
constexpr QSize compactClient = mainZibWindow::compactOuterSize - designedFrame;
constexpr QSize expandedClient = mainZibWindow::expandedOuterSize - designedFrame;

constexpr double titleLabelPoints = 14.25;

QString showServersText()
{
    return QCoreApplication::translate("mainZibWindow", "Show Servers");
}

QString hideServersText()
{
    return QCoreApplication::translate("mainZibWindow", "Hide Servers");
}

// Our icon; drawn here should the resource be missing, so the window and the tray always
// have one.
QPixmap zibPicture()
{
    Resources::ensureLoaded();
    QPixmap picture(QStringLiteral(":/zib-icon"));
    if (!picture.isNull())
        return picture;
    picture = QPixmap(48, 48);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(0x99, 0x11, 0x11));
    painter.setPen(QPen(Qt::black, 2));
    painter.drawEllipse(QRectF(2, 2, 44, 44));
    QFont font(QStringLiteral("Sans Serif"));
    font.setPixelSize(30);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 0, 48, 48), Qt::AlignCenter, QStringLiteral("Z"));
    return picture;
}

// A number stands on the right of its cell, any other text on the left.
Qt::Alignment generalAlignment(const QString &text)
{
    return (Numeric::isNumeric(text) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
}

template<typename T>
T *named(T *control, const char *name)
{
    control->setObjectName(QLatin1String(name));
    return control;
}

} // namespace

mainZibWindow::mainZibWindow(Options options, QWidget *parent)
    : QWidget(parent)
    , m_options(std::move(options))
    , m_trayAvailable(m_options.trayAvailable.value_or(QSystemTrayIcon::isSystemTrayAvailable()))
    , m_engine(m_options.localPort)
    , m_notifier(QStringLiteral(ZIB_APP_ID))
{
    setObjectName(QStringLiteral("mainZibWindow"));
    setWindowTitle(QStringLiteral("Zib"));
    const QPixmap picture = zibPicture();
    setWindowIcon(QIcon(picture));

    buildControls();
    m_image1->setPixmap(picture);
    setFixedSize(Twips::toPixels(compactClient, screen()));

    m_sysTray.setObjectName(QStringLiteral("sysTray"));
    m_sysTray.setIcon(QIcon(picture));
    m_sysTray.setToolTip(QCoreApplication::translate("mainZibWindow", "Zib is watching your servers"));
    buildTrayMenu();
    m_alerts.setNotifier(&m_notifier);
    NotifierLinks::connect(*this);

    connect(&m_engine, &QueryEngine::checkingChanged, this, &mainZibWindow::onCheckingChanged);
    connect(&m_engine, &QueryEngine::matchingTick, this, &mainZibWindow::onMatchingTick);
    connect(&m_sysTray, &QSystemTrayIcon::activated, this, &mainZibWindow::onTrayActivated);
    connect(m_btnViewServers, &QPushButton::clicked, this, &mainZibWindow::onViewServersClicked);
    connect(m_chkEnabled, &QCheckBox::clicked, this, &mainZibWindow::onEnabledClicked);
    connect(m_btnOptions, &QPushButton::clicked, this, &mainZibWindow::onOptionsClicked);
    connect(m_btnFilters, &QPushButton::clicked, this, &mainZibWindow::onFiltersClicked);
    connect(m_btnAddServer, &QPushButton::clicked, this, &mainZibWindow::onAddServerClicked);
    connect(m_btnRemoveServer, &QPushButton::clicked, this, &mainZibWindow::onRemoveServerClicked);
    // A click anywhere in the grid, on a cell or on the empty space below the rows, shows the
    // current row's server; pressing a cell is the user choosing it, even the one already current.
    m_fxgServers->viewport()->installEventFilter(this);
    connect(m_fxgServers, &QTableWidget::cellPressed, this, &mainZibWindow::onServerSelectionChanged);
    connect(m_fxgServers, &QTableWidget::itemSelectionChanged, this, &mainZibWindow::onServerSelectionChanged);
    connect(m_fxgServers, &QTableWidget::currentCellChanged, this, &mainZibWindow::onServerSelectionChanged);
    auto *gridMenu = new ServerGridMenu(m_fxgServers, this);
    connect(gridMenu, &ServerGridMenu::rowChosen, this, &mainZibWindow::onServerGridClicked);
    connect(gridMenu, &ServerGridMenu::serversAdded, this, &mainZibWindow::updateServerGrid);
    connect(gridMenu, &ServerGridMenu::historyRequested, this,
            [this](const QString &serverKey) { openHistory(this, serverKey, {}); });
}

mainZibWindow::~mainZibWindow() = default;

void mainZibWindow::buildControls()
{
    // The controls were sized for 8.25-point MS Sans Serif; the carried face of its widths
    // stands in wherever it is missing.
    setFont(FixedLayout::msSansSerif(FixedLayout::standardPoints));

    m_titleLabel = named(new QLabel(QStringLiteral("ZIB v0.0d"), this), "titleLabel");
    m_titleLabel->setFont(FixedLayout::comicSansBold(titleLabelPoints));
    FixedLayout::place(m_titleLabel, 0, 0, 1695, 495);

    m_txtResponse = named(new QPlainTextEdit(this), "txtResponse");
    m_txtResponse->setReadOnly(true);
    FixedLayout::place(m_txtResponse, 4560, 120, 2535, 4095);

    m_btnOptions = named(new QPushButton(QCoreApplication::translate("mainZibWindow", "Options"), this), "btnOptions");
    FixedLayout::place(m_btnOptions, 120, 720, 1335, 375);

    m_chkEnabled = named(new QCheckBox(QCoreApplication::translate("mainZibWindow", "Active"), this), "chkEnabled");
    QPalette red = m_chkEnabled->palette();
    red.setColor(QPalette::WindowText, QColor(0xFF, 0x00, 0x00));
    m_chkEnabled->setPalette(red);
    FixedLayout::place(m_chkEnabled, 1920, 120, 855, 255);

    m_btnViewServers = named(new QPushButton(showServersText(), this), "btnViewServers");
    FixedLayout::place(m_btnViewServers, 3000, 720, 1335, 375);

    m_fxgServers = named(new QTableWidget(1, ServerGrid::ColumnCount, this), "fxgServers");
    // Every column is as wide as its heading in this font, so the columns fill the grid only in
    // a face of the designed widths.
    const QFont gridFont = FixedLayout::msSansSerif(FixedLayout::standardPoints);
    m_fxgServers->setFont(gridFont);
    m_fxgServers->horizontalHeader()->setFont(gridFont);
    m_fxgServers->verticalHeader()->hide();
    m_fxgServers->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_fxgServers->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_fxgServers->setSelectionMode(QAbstractItemView::SingleSelection);
    m_fxgServers->setWordWrap(false);
    // Every refresh makes Hits the current column; following it would scroll the names away.
    m_fxgServers->setAutoScroll(false);
    m_fxgServers->horizontalHeader()->setHighlightSections(false);
    m_fxgServers->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_fxgServers->horizontalHeader()->setMinimumSectionSize(0);
    m_fxgServers->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // Every column is as wide as its heading, blanks included, plus the cell's own margins.
    const QFontMetrics metrics(gridFont);
    const int margins = 2 * m_fxgServers->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, m_fxgServers);
    const QStringList headings = ServerGrid::headingsFitting(metrics, margins);
    m_fxgServers->setHorizontalHeaderLabels(headings);
    for (int column = 0; column < headings.size(); ++column)
        m_fxgServers->setColumnWidth(column, metrics.horizontalAdvance(headings[column]) + margins);
    m_fxgServers->verticalHeader()->setDefaultSectionSize(metrics.height() + 4);
    m_fxgServers->setCurrentCell(0, 0);
    FixedLayout::place(m_fxgServers, 120, 1320, 4215, 2295);

    m_btnAddServer = named(new QPushButton(QCoreApplication::translate("mainZibWindow", "Add New Server"), this), "btnAddServer");
    FixedLayout::place(m_btnAddServer, 3000, 3840, 1335, 375);

    m_btnRemoveServer = named(new QPushButton(QCoreApplication::translate("mainZibWindow", "Remove Server"), this), "btnRemoveServer");
    m_btnRemoveServer->setEnabled(false);
    FixedLayout::place(m_btnRemoveServer, 1560, 3840, 1335, 375);

    m_btnFilters = named(new QPushButton(QCoreApplication::translate("mainZibWindow", "Change Filters"), this), "btnFilters");
    FixedLayout::place(m_btnFilters, 1560, 720, 1335, 375);

    m_image1 = named(new QLabel(this), "Image1");
    m_image1->setAlignment(Qt::AlignCenter);
    FixedLayout::place(m_image1, 3600, 0, 720, 720);

    m_titleLabel->setFocusPolicy(Qt::NoFocus);
    m_image1->setFocusPolicy(Qt::NoFocus);
    QWidget *const tabOrder[] = {m_txtResponse,  m_btnOptions,   m_chkEnabled,      m_btnViewServers,
                                 m_fxgServers,   m_btnAddServer, m_btnRemoveServer, m_btnFilters};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
}

void mainZibWindow::startUp()
{
    using namespace mdlZibProcessing;
    // The one-copy check has already been made by the time the window exists.
    m_engine.disableChecking();
    settingsPath = m_options.settingsPath.isEmpty() ? defaultSettingsPath() : m_options.settingsPath;
    {
        // Host names turned into addresses, nothing the user changed: a file that cannot take
        // them is no news to tell at the close.
        const OwnSaves own;
        loadSettings();
        loadGameServers();
        saveGameServers();
        loadClanFilters();
        saveClanFilters();
    }
    loadNotifySettings();
    m_notifier.applySettings(notifySettings);
    lastAlertTime = Clock::now().addSecs(-3600);
    m_history.setRecording(HistoryRecording);
    connect(&m_history, &History::Store::problem, this, [this](const QString &text) { MessageBox::error(this, text); });
    m_history.open(History::pathBeside(settingsPath));

    const ConnectionState::State connection =
        m_options.connectionTest ? m_options.connectionTest() : ConnectionState::current();
    if (ConnectionState::startsOnline(connection))
        goOnline();
    else
        m_engine.disableChecking();

    m_engine.setQueryInterval(QueryEngine::queryInterval(CheckSpeed));

    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(Twips::toPixels(compactClient, screen()));
    m_btnViewServers->setText(showServersText());
    m_started = true;
    if (!m_options.startMinimized) {
        show();
        return;
    }
    // A window that starts hidden is not drawn, so its first pass goes out now.
    sendFirstPass();
    if (m_trayAvailable) {
        // Straight into the tray: the window is never shown until the icon brings it back.
        setWindowState(Qt::WindowMinimized);
        followWindowState();
    } else {
        showMinimized();
    }
}

void mainZibWindow::buildTrayMenu()
{
    m_trayMenu = std::make_unique<QMenu>();
    m_trayMenu->setObjectName(QStringLiteral("trayMenu"));
    QAction *show = m_trayMenu->addAction(QCoreApplication::translate("mainZibWindow", "Show Zib"));
    show->setObjectName(QStringLiteral("actShowZib"));
    connect(show, &QAction::triggered, this, &mainZibWindow::restoreFromTray);

    if (Autostart::isSupported()) {
        m_actStartWithDesktop = m_trayMenu->addAction(QCoreApplication::translate("mainZibWindow", "Start with the desktop"));
        m_actStartWithDesktop->setObjectName(QStringLiteral("actStartWithDesktop"));
        m_actStartWithDesktop->setCheckable(true);
        // The entry may be removed by hand or by a desktop's own settings: look each time.
        connect(m_trayMenu.get(), &QMenu::aboutToShow, this, [this] {
            const QSignalBlocker quiet(m_actStartWithDesktop);
            m_actStartWithDesktop->setChecked(Autostart::isEnabled(autostartConfigHome()));
        });
        connect(m_actStartWithDesktop, &QAction::toggled, this, &mainZibWindow::onStartWithDesktopToggled);
    }

    QAction *notifications = m_trayMenu->addAction(QCoreApplication::translate("mainZibWindow", "Notifications..."));
    notifications->setObjectName(QStringLiteral("actNotifications"));
    connect(notifications, &QAction::triggered, this, [this] { openNotificationsDialog(this); });

    // Each language named in itself, so that whoever cannot read the one in use finds their own.
    QMenu *languages = m_trayMenu->addMenu(tr("Language"));
    languages->setObjectName(QStringLiteral("menuLanguage"));
    for (const QString &code : Language::available()) {
        QAction *choice = languages->addAction(Language::nativeName(code));
        choice->setObjectName(QStringLiteral("actLanguage_") + code);
        choice->setCheckable(true);
        choice->setChecked(code == Language::current());
        connect(choice, &QAction::triggered, this, [this, code] { onLanguageChosen(code); });
    }

    m_trayMenu->addSeparator();
    QAction *quit = m_trayMenu->addAction(QCoreApplication::translate("mainZibWindow", "Quit"));
    quit->setObjectName(QStringLiteral("actQuit"));
    connect(quit, &QAction::triggered, this, &QWidget::close);
    m_sysTray.setContextMenu(m_trayMenu.get());
}

void mainZibWindow::onLanguageChosen(const QString &code)
{
    const auto actions = m_trayMenu->findChildren<QAction *>();
    for (QAction *action : actions) {
        if (action->objectName().startsWith(QStringLiteral("actLanguage_")))
            action->setChecked(action->objectName() == QStringLiteral("actLanguage_") + code);
    }
    // The windows are laid out and the names read for one language; the next start takes the new one.
    if (!ProfileFile::writeString(mdlZibProcessing::settingsPath, mdlZibProcessing::settingsSection,
                                  Language::settingsKey, code)) {
        MessageBox::show(this, tr("The language could not be saved."), QStringLiteral("Zib"), QMessageBox::Ok,
                         QMessageBox::Warning);
        return;
    }
    MessageBox::show(this, tr("Zib speaks the chosen language from its next start."), QStringLiteral("Zib"),
                     QMessageBox::Ok, QMessageBox::Information);
}

QString mainZibWindow::autostartConfigHome() const
{
    return m_options.autostartConfigHome.isEmpty() ? Autostart::userConfigHome() : m_options.autostartConfigHome;
}

void mainZibWindow::onStartWithDesktopToggled(bool enabled)
{
    // Started on a settings file of its own, the next login must open that same file.
    const QStringList arguments =
        Autostart::settingsArguments(mdlZibProcessing::settingsPath, mdlZibProcessing::defaultSettingsPath());
    if (Autostart::setEnabled(autostartConfigHome(), enabled, Autostart::currentCommand(), arguments))
        return;
    const QSignalBlocker quiet(m_actStartWithDesktop);
    m_actStartWithDesktop->setChecked(!enabled);
    const QString why = enabled ? QCoreApplication::translate("mainZibWindow", "Zib could not be set to start with the desktop:\n")
                                : QCoreApplication::translate("mainZibWindow", "Zib could not stop starting with the desktop:\n");
    MessageBox::error(this, why + Autostart::entryPath(autostartConfigHome()));
}

void mainZibWindow::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    if (m_firstPassAfterPaint)
        QTimer::singleShot(0, this, &mainZibWindow::sendFirstPass);
}

void mainZibWindow::sendFirstPass()
{
    if (!std::exchange(m_firstPassAfterPaint, false))
        return;
    m_engine.queryAllServers();
}

void mainZibWindow::goOnline()
{
    m_engine.closeSocket();
    const QString bindError = m_engine.bindSocket();
    if (!bindError.isEmpty()) {
        // Another program holds the port. Say so, and run with checking off: the user can tick
        // "Active" once the port is free.
        MessageBox::error(this, bindError);
        m_engine.disableChecking();
        return;
    }
    // With a long list the first pass is thousands of datagrams; they go out once the window has
    // been drawn. No reply could be read before the event loop runs anyway.
    if (m_started)
        m_engine.queryAllServers();
    else
        m_firstPassAfterPaint = true;
    m_engine.enableChecking();
    m_alerts.checkClanFilters();
    updateServerGrid();
}

void mainZibWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (!m_started || m_shutDown)
        return;
    m_shutDown = true;
    {
        const mdlZibProcessing::OwnSaves own;
        mdlZibProcessing::saveGameServers();
    }
    // Closing is never refused; but changes the user was told are kept for the next save have
    // no next save now.
    if (mdlZibProcessing::usersChangesUnsaved())
        MessageBox::lostAtClose(this, mdlZibProcessing::settingsPath, mdlZibProcessing::saveError());
    m_alerts.closePopup();
    m_engine.closeSocket();
    m_sysTray.hide();
    emit shutDown();
}

bool mainZibWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease && watched == m_fxgServers->viewport()
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton
        && m_fxgServers->viewport()->rect().contains(static_cast<QMouseEvent *>(event)->position().toPoint()))
        // The press has already made the hit cell's row current, if a cell was hit.
        onServerGridClicked();
    return QWidget::eventFilter(watched, event);
}

void mainZibWindow::keyPressEvent(QKeyEvent *event)
{
    if (!FixedLayout::enterPressesFocusedButton(this, event))
        QWidget::keyPressEvent(event);
}

void mainZibWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        followWindowState();
}

void mainZibWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    followWindowState();
}

void mainZibWindow::followWindowState()
{
    if (!isMinimized()) {
        m_sysTray.hide();
        return;
    }
    // Without a notification area the window stays on the taskbar: hidden, it could never
    // be brought back.
    if (!m_trayAvailable)
        return;
    m_sysTray.show();
    // Hiding from inside the state change confuses some window managers; do it right after.
    QTimer::singleShot(0, this, [this] {
        if (isMinimized())
            hide();
    });
}

void mainZibWindow::restoreFromTray()
{
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
}

void mainZibWindow::onTrayActivated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason != QSystemTrayIcon::Context)
        restoreFromTray();
}

void mainZibWindow::onViewServersClicked()
{
    // Taller than compact means expanded. The client height is read, so the desktop's own
    // frame cannot tip the decision.
    if (height() > Twips::toPixelsY(compactClient.height(), screen())) {
        setFixedSize(Twips::toPixels(compactClient, screen()));
        m_btnViewServers->setText(showServersText());
    } else {
        setFixedSize(Twips::toPixels(expandedClient, screen()));
        m_btnViewServers->setText(hideServersText());
    }
}

void mainZibWindow::onEnabledClicked(bool checked)
{
    mdlZibProcessing::checkingEnabled = checked;
}

void mainZibWindow::onCheckingChanged(bool enabled)
{
    m_chkEnabled->setChecked(enabled);
}

void mainZibWindow::onOptionsClicked()
{
    m_engine.disableChecking();
    openOptionsDialog();
}

void mainZibWindow::onFiltersClicked()
{
    m_engine.disableChecking();
    openFiltersDialog();
}

void mainZibWindow::openOptionsDialog()
{
    // Built afresh for every opening, so it always shows the shared values as they are now.
    optionsWindow window(m_engine, [this](QWidget *over) { openNotificationsDialog(over); }, this);
    window.exec();
}

void mainZibWindow::openNotificationsDialog(QWidget *parent)
{
    NotificationsWindow window(m_notifier, parent);
    window.exec();
}

void mainZibWindow::openFiltersDialog()
{
    filtersWindow window(m_engine, this);
    window.setHistoryOpener([this, &window](const QString &tag) { openHistory(&window, {}, tag); });
    window.exec();
}

void mainZibWindow::onMatchingTick()
{
    // The pass after each check goes to the history, as the window's small part of its writing.
    const qint64 now = Clock::now().toSecsSinceEpoch();
    // The "History" key as last read: saving the options reads the file again.
    m_history.setRecording(mdlZibProcessing::HistoryRecording);
    if (m_history.recording() && History::Store::passDue(m_lastHistoryPass, now, mdlZibProcessing::CheckSpeed)) {
        History::PassRecord pass;
        pass.time = now;
        m_alerts.checkClanFilters(&pass);
        m_history.record(std::move(pass));
        m_lastHistoryPass = now;
    } else {
        m_alerts.checkClanFilters();
    }
    updateServerGrid();
}

void mainZibWindow::openHistory(QWidget *parent, const QString &serverKey, const QString &tag)
{
    auto *window = new HistoryWindow(m_history, parent);
    if (!tag.isEmpty())
        window->showFilter(tag);
    else
        window->showServer(serverKey);
    window->show();
}

void mainZibWindow::updateServerGrid()
{
    // A refresh is not the user's doing: it must not count as a change of selection.
    const QSignalBlocker blocker(m_fxgServers);
    const int keptRow = m_fxgServers->currentRow();
    const QList<QStringList> rows = ServerGrid::rows(mdlZibProcessing::gameServers);
    m_fxgServers->setRowCount(int(rows.size()));
    for (int row = 0; row < rows.size(); ++row) {
        for (int column = 0; column < ServerGrid::ColumnCount; ++column) {
            const QString &text = rows[row][column];
            const auto alignment = [&] {
                return column == ServerGrid::ServerColumn ? Qt::AlignLeft | Qt::AlignBottom : generalAlignment(text);
            };
            QTableWidgetItem *item = m_fxgServers->item(row, column);
            if (!item) {
                // Filled before it joins the grid, so the grid hears of it once, not three times.
                item = new QTableWidgetItem(text);
                item->setTextAlignment(alignment());
                m_fxgServers->setItem(row, column, item);
                continue;
            }
            if (item->text() == text) {
                // Most cells read the same from one tick to the next; the alignment follows the
                // text alone, so there is nothing to redo.
                continue;
            }
            item->setText(text);
            item->setTextAlignment(alignment());
        }
    }
    m_fxgServers->setColumnHidden(ServerGrid::NumberColumn, true);
    // The row number stays where it was, whichever server now stands in it.
    if (rows.isEmpty())
        m_fxgServers->setCurrentCell(-1, -1);
    else
        m_fxgServers->setCurrentCell(std::clamp(keptRow, 0, int(rows.size()) - 1), ServerGrid::HitsColumn);
    m_fxgServers->viewport()->update();
}

qint16 mainZibWindow::currentServerNumber() const
{
    const int row = m_fxgServers->currentRow();
    const QTableWidgetItem *item = row >= 0 ? m_fxgServers->item(row, ServerGrid::NumberColumn) : nullptr;
    if (!item)
        return 0;
    const qint16 number = Numeric::toInt16(item->text()).value_or(0);
    return mdlZibProcessing::serverAt(number) ? number : 0;
}

void mainZibWindow::onServerGridClicked()
{
    if (const auto server = mdlZibProcessing::serverAt(currentServerNumber()))
        m_txtResponse->setPlainText(ServerGrid::detailsText(*server));
}

void mainZibWindow::onServerSelectionChanged()
{
    m_btnRemoveServer->setEnabled(true);
}

void mainZibWindow::onAddServerClicked()
{
    using namespace mdlZibProcessing;
    const QString answer = MessageBox::input(this, ServerListEdits::addPrompt(), ServerListEdits::addTitle());
    const auto entry = ServerListEdits::parseAnswer(answer);
    if (!entry || gameServers.size() >= std::numeric_limits<qint16>::max()) {
        MessageBox::error(this, ServerListEdits::addRejected());
        return;
    }
    // A name that takes long to answer must not hold the window or the checks.
    HostLookups::start(this, {entry->address}, ServerListEdits::addTitle(),
                       [this, entry = *entry](const HostLookups::Result &lookedUp) {
                           if (lookedUp.cancelled)
                               return;
                           // A name that did not resolve could not be written: kept in the list it
                           // would leave a hole in the file's numbering.
                           const QString address = lookedUp.addresses.value(entry.address);
                           if (address.isEmpty() || gameServers.size() >= std::numeric_limits<qint16>::max()) {
                               MessageBox::error(this, ServerListEdits::addRejected());
                               return;
                           }
                           auto server = std::make_shared<GameServer>();
                           server->setName(ServerListEdits::newServerName);
                           server->setPort(entry.port);
                           server->setAddress(address);
                           if (!appendGameServers({server}))
                               MessageBox::notSaved(this, settingsPath, saveError());
                           updateServerGrid();
                       });
}

void mainZibWindow::onRemoveServerClicked()
{
    const qint16 number = currentServerNumber();
    if (number == 0)
        return;
    const QTableWidgetItem *nameItem = m_fxgServers->item(m_fxgServers->currentRow(), ServerGrid::ServerColumn);
    const QString shownName = nameItem ? nameItem->text() : QString();
    if (!MessageBox::confirm(this, ServerListEdits::removeQuestion(shownName), ServerListEdits::removeTitle()))
        return;
    if (!mdlZibProcessing::removeGameServer(number))
        MessageBox::notSaved(this, mdlZibProcessing::settingsPath, mdlZibProcessing::saveError());
    updateServerGrid();
}
