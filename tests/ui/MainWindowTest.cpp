#include "MainWindowFixture.h"

#include "model/mdlZibProcessing.h"
#include "platform/Clock.h"
#include "platform/Twips.h"
#include "ui/MessageBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QUdpSocket>

using namespace mdlZibProcessing;

namespace {

int pixelsHigh(int twips)
{
    return Twips::toPixelsY(twips);
}

int pixelsWide(int twips)
{
    return Twips::toPixelsX(twips);
}

} // namespace

TEST_F(MainWindowFixture, ControlsStandWhereTheyWereDesignedWithTheirTexts)
{
    mainZibWindow &window = start();
    struct Expected
    {
        const char *name;
        QString text;
        QRect twips;
    };
    const Expected expected[] = {
        {"titleLabel", QStringLiteral("ZIB v0.0d"), {0, 0, 1695, 495}},
        {"btnOptions", QStringLiteral("Options"), {120, 720, 1335, 375}},
        {"chkEnabled", QStringLiteral("Active"), {1920, 120, 855, 255}},
        {"btnViewServers", QStringLiteral("Show Servers"), {3000, 720, 1335, 375}},
        {"btnAddServer", QStringLiteral("Add New Server"), {3000, 3840, 1335, 375}},
        {"btnRemoveServer", QStringLiteral("Remove Server"), {1560, 3840, 1335, 375}},
        {"btnFilters", QStringLiteral("Change Filters"), {1560, 720, 1335, 375}},
        {"fxgServers", QString(), {120, 1320, 4215, 2295}},
        {"txtResponse", QString(), {4560, 120, 2535, 4095}},
        {"Image1", QString(), {3600, 0, 720, 720}},
    };
    for (const Expected &e : expected) {
        const QWidget *w = control<QWidget>(e.name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->geometry(), Twips::toPixels(e.twips.x(), e.twips.y(), e.twips.width(), e.twips.height()))
            << e.name;
        if (const auto *button = qobject_cast<const QAbstractButton *>(w)) {
            EXPECT_EQ(button->text(), e.text) << e.name;
        }
        if (const auto *label = qobject_cast<const QLabel *>(w); label && !e.text.isEmpty()) {
            EXPECT_EQ(label->text(), e.text) << e.name;
        }
    }
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Zib"));
    EXPECT_FALSE(control<QPushButton>("btnRemoveServer")->isEnabled());
    EXPECT_FALSE(window.windowIcon().isNull());
    EXPECT_EQ(control<QLabel>("Image1")->pixmap().size(), QSize(48, 48));
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_EQ(window.minimumSize(), window.maximumSize()) << "the user cannot resize the window";

    const QStringList headings = {QString(), QStringLiteral(" Server                       "),
                                  QStringLiteral(" Map                  "), QStringLiteral("Players"),
                                  QStringLiteral("  Hits")};
    for (int column = 0; column < headings.size(); ++column)
        EXPECT_EQ(grid()->horizontalHeaderItem(column)->text(), headings[column]);
}

TEST_F(MainWindowFixture, OnlineStartLoadsRewritesBindsAndStartsChecking)
{
    resolveHosts({{QStringLiteral("hl.example.net"), QStringLiteral("10.9.8.7")}});
    writeServers({{QStringLiteral("Alpha"), QStringLiteral("hl.example.net"), QStringLiteral("27015")},
                  {QStringLiteral("Beta"), QStringLiteral("10.0.0.2"), QStringLiteral("27016")}},
                 33);
    const QDateTime now(QDate(2024, 5, 1), QTime(10, 0, 30));
    Clock::setSource([now] { return now; });

    mainZibWindow &window = start();

    EXPECT_EQ(settingsPath, m_dir.filePath(QStringLiteral("ZIBsettings.ini")));
    EXPECT_EQ(fileValue(QStringLiteral("GAMESERVER 1"), QStringLiteral("Address")), QStringLiteral("10.9.8.7"))
        << "the immediate save rewrites host names as addresses";
    EXPECT_EQ(lastAlertTime, now.addSecs(-3600));
    EXPECT_TRUE(checkingEnabled);
    EXPECT_TRUE(control<QCheckBox>("chkEnabled")->isChecked());
    EXPECT_TRUE(window.queryEngine().isBound());
    EXPECT_EQ(window.queryEngine().localPort(), m_port);
    EXPECT_EQ(window.queryEngine().tmrQuery().interval(), 33000);
    EXPECT_TRUE(window.queryEngine().tmrQuery().isActive());
    EXPECT_EQ(gridColumn(1), (QStringList{QStringLiteral("Alpha"), QStringLiteral("Beta")}));
    EXPECT_TRUE(grid()->isColumnHidden(0));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.height(), pixelsHigh(1185));
    EXPECT_EQ(window.width(), pixelsWide(4485));
}

TEST_F(MainWindowFixture, ConnectionFlagsOfExactlyEightStartOffline)
{
    struct Case
    {
        bool connected;
        quint32 flags;
        bool online;
    };
    const Case cases[] = {{true, 8, false}, {true, 9, true}, {false, 2, false}, {true, 2, true}};
    for (const Case &c : cases) {
        writeServers({{QStringLiteral("Alpha"), QStringLiteral("10.0.0.1"), QStringLiteral("27015")}}, 60);
        mainZibWindow &window = start({c.connected, c.flags});
        const bool bound = window.queryEngine().isBound();
        EXPECT_EQ(checkingEnabled, c.online) << c.flags;
        EXPECT_EQ(control<QCheckBox>("chkEnabled")->isChecked(), c.online) << c.flags;
        EXPECT_EQ(bound, c.online) << c.flags;
        EXPECT_EQ(window.queryEngine().tmrQuery().interval(), 60000) << "set either way";
        if (!c.online) {
            EXPECT_EQ(grid()->rowCount(), 1) << "the empty design-time row stays until a refresh";
            EXPECT_FALSE(grid()->isColumnHidden(0));
        }
        m_window->close();
        m_window.reset();
    }
}

TEST_F(MainWindowFixture, PortAlreadyTakenIsReportedAndCheckingStaysOff)
{
    QUdpSocket holder;
    ASSERT_TRUE(holder.bind(QHostAddress::AnyIPv4, m_port, QAbstractSocket::DontShareAddress));
    writeServers({{QStringLiteral("Alpha"), QStringLiteral("10.0.0.1"), QStringLiteral("27015")}});
    MessageBox::setNextAnswer(QMessageBox::Ok);

    mainZibWindow &window = start();

    const auto shown = MessageBox::lastShown();
    ASSERT_TRUE(shown.has_value());
    EXPECT_EQ(shown->title, QStringLiteral("ERROR"));
    EXPECT_EQ(shown->icon, QMessageBox::Critical);
    EXPECT_TRUE(shown->text.contains(QString::number(m_port))) << shown->text.toStdString();
    EXPECT_FALSE(checkingEnabled);
    EXPECT_FALSE(control<QCheckBox>("chkEnabled")->isChecked());
    EXPECT_TRUE(window.isVisible()) << "the program goes on";
}

TEST_F(MainWindowFixture, ClosingSavesWhatRepliesTaughtAndReleasesThePort)
{
    writeServers({{QStringLiteral("Alpha"), QStringLiteral("10.0.0.1"), QStringLiteral("27015")}});
    mainZibWindow &window = start();
    serverAt(1)->setName(QStringLiteral("Alpha Deathmatch"));
    QSignalSpy ended(&window, &mainZibWindow::shutDown);

    EXPECT_TRUE(window.close());

    EXPECT_EQ(ended.count(), 1);
    EXPECT_EQ(fileValue(QStringLiteral("GAMESERVER 1"), QStringLiteral("Name")), QStringLiteral("Alpha Deathmatch"));
    EXPECT_FALSE(window.queryEngine().isBound());
    QUdpSocket again;
    EXPECT_TRUE(again.bind(QHostAddress::AnyIPv4, m_port, QAbstractSocket::DontShareAddress));
}

TEST_F(MainWindowFixture, ShowServersExpandsAndHideServersCollapses)
{
    mainZibWindow &window = start();
    auto *button = control<QPushButton>("btnViewServers");

    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(window.size(), QSize(pixelsWide(7215), pixelsHigh(4335)));
    EXPECT_EQ(button->text(), QStringLiteral("Hide Servers"));

    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(window.size(), QSize(pixelsWide(4485), pixelsHigh(1185)));
    EXPECT_EQ(button->text(), QStringLiteral("Show Servers"));
}

TEST_F(MainWindowFixture, EnterOrSpaceOnAFocusedButtonIsAClick)
{
    mainZibWindow &window = start();
    auto *button = control<QPushButton>("btnViewServers");
    button->setFocus(Qt::TabFocusReason);
    const QSize compact = window.size();
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
        SCOPED_TRACE(key);
        const QSize before = window.size();
        QTest::keyClick(button, key);
        EXPECT_NE(window.size(), before);
    }
    EXPECT_NE(window.size(), compact) << "three presses leave the window expanded";
}

TEST_F(MainWindowFixture, WithoutATrayMinimisingLeavesTheWindowOnTheTaskbar)
{
    mainZibWindow &window = start({.tray = false});
    window.setWindowState(Qt::WindowMinimized);
    QTest::qWait(20);
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(window.sysTray().isVisible());
}

TEST_F(MainWindowFixture, WithATrayMinimisingHidesAndATrayClickRestores)
{
    mainZibWindow &window = start({.tray = true});
    QTest::mouseClick(control<QPushButton>("btnViewServers"), Qt::LeftButton);
    const QSize expanded = window.size();
    EXPECT_FALSE(window.sysTray().isVisible());

    window.setWindowState(Qt::WindowMinimized);
    EXPECT_TRUE(window.sysTray().isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isVisible(); }, 1000));

    emit window.sysTray().activated(QSystemTrayIcon::Trigger);
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(window.isMinimized());
    EXPECT_FALSE(window.sysTray().isVisible());
    EXPECT_EQ(window.size(), expanded) << "back at the size it had";
}

TEST_F(MainWindowFixture, ActiveBoxAndFlagFollowEachOther)
{
    mainZibWindow &window = start({.connected = false});
    auto *active = control<QCheckBox>("chkEnabled");
    ASSERT_FALSE(checkingEnabled);

    QTest::mouseClick(active, Qt::LeftButton, {}, QPoint(5, active->height() / 2));
    EXPECT_TRUE(checkingEnabled);
    QTest::mouseClick(active, Qt::LeftButton, {}, QPoint(5, active->height() / 2));
    EXPECT_FALSE(checkingEnabled);

    window.queryEngine().enableChecking();
    EXPECT_TRUE(active->isChecked());
    window.queryEngine().disableChecking();
    EXPECT_FALSE(active->isChecked());
}

TEST_F(MainWindowFixture, DialogButtonsTurnCheckingOffWhileTheirWindowIsOpen)
{
    struct Case
    {
        const char *button;
        QString dialog;
    };
    const Case cases[] = {{"btnOptions", QStringLiteral("optionsWindow")},
                          {"btnFilters", QStringLiteral("filtersWindow")}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.button);
        mainZibWindow &window = start();
        ASSERT_TRUE(checkingEnabled);
        auto *active = control<QCheckBox>("chkEnabled");

        // What the user meets once the modal window is up, then its OK.
        QString openedName;
        QWidget *openedOwner = nullptr;
        bool checkingWhileOpen = true;
        bool activeWhileOpen = true;
        QTimer::singleShot(0, &window, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            openedName = modal->objectName();
            openedOwner = modal->parentWidget();
            checkingWhileOpen = checkingEnabled;
            activeWhileOpen = active->isChecked();
            if (auto *ok = modal->findChild<QPushButton *>(QStringLiteral("btnOk")))
                QTest::mouseClick(ok, Qt::LeftButton);
        });
        QTest::mouseClick(control<QPushButton>(c.button), Qt::LeftButton);

        EXPECT_EQ(openedName, c.dialog);
        EXPECT_EQ(openedOwner, &window);
        EXPECT_FALSE(checkingWhileOpen);
        EXPECT_FALSE(activeWhileOpen);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        EXPECT_TRUE(checkingEnabled);
        EXPECT_TRUE(active->isChecked());
        window.close();
        m_window.reset();
    }
}

// The first pass waits for the window to be drawn, and goes out at once for a window that starts
// hidden and is never drawn; either way every server hears from it.
TEST_F(MainWindowFixture, TheFirstPassGoesOutAfterTheFirstPaintOrAtOnceWhenHidden)
{
    for (const bool minimized : {false, true}) {
        QUdpSocket server;
        ASSERT_TRUE(server.bind(QHostAddress::LocalHost, 0));
        writeServers({{QStringLiteral("Here"), QStringLiteral("127.0.0.1"), QString::number(server.localPort())}});

        start({.tray = true, .minimized = minimized});
        // Hidden, it leaves with no help from the event loop; shown, not before the first paint.
        EXPECT_EQ(server.waitForReadyRead(minimized ? 2000 : 200), minimized) << "minimized " << minimized;
        EXPECT_TRUE(QTest::qWaitFor([&] { return server.hasPendingDatagrams(); }, 2000)) << "minimized " << minimized;
        m_window.reset();
    }
}
