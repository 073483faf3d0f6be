#include "AlertFixtures.h"

#include "alerts/AlertController.h"
#include "alerts/AlertSound.h"
#include "alerts/Taskbar.h"
#include "alerts/alertCreeper.h"
#include "platform/WavePlayer.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QEvent>
#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <functional>

namespace state = mdlZibProcessing;

namespace {

class CountingSound final : public AlertSound
{
public:
    explicit CountingSound(int *plays)
        : m_plays(plays)
    {
    }
    void play() override { ++*m_plays; }

private:
    int *m_plays;
};

// Notes every move and show of a window once it has been closed.
class AfterCloseWatcher final : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Close)
            closed = true;
        else if (closed && (event->type() == QEvent::Move || event->type() == QEvent::Show))
            ++eventsAfterClose;
        return QObject::eventFilter(watched, event);
    }
    bool closed = false;
    int eventsAfterClose = 0;
};

// Runs an action when the watched window moves: once, or on every move.
class MoveHook final : public QObject
{
public:
    MoveHook(QWidget *window, std::function<void()> action, bool once = true)
        : m_action(std::move(action))
        , m_once(once)
    {
        window->installEventFilter(this);
    }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Move && m_action) {
            auto action = m_action;
            if (m_once)
                m_action = nullptr;
            action();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_action;
    bool m_once;
};

// A 1024 x 768 screen at 96 dpi with a 40-pixel taskbar at the bottom.
DesktopArea::Area bottomTaskbar()
{
    return {QRect(0, 0, 1024, 768), QRect(0, 0, 1024, 728), 15.0, 15.0};
}

class AlertCreeperTest : public SettingsFixture
{
protected:
    void SetUp() override
    {
        SettingsFixture::SetUp();
        useArea(bottomTaskbar());
        state::AlertSpeed = 0;
        state::AlertPlaySound = 1;
        state::lastAlertTime = at("09:00:00");
        m_server = addServer(QStringLiteral("Alpha"), {QStringLiteral("a[X]"), QStringLiteral("b"), QStringLiteral("[X]c")});
        addFilter(QStringLiteral("[X]"), true, 1);
        m_controller = std::make_unique<AlertController>(std::make_unique<CountingSound>(&m_plays));
    }

    void TearDown() override
    {
        m_controller.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        DesktopArea::setSource({});
        SettingsFixture::TearDown();
    }

    void useArea(const DesktopArea::Area &area)
    {
        DesktopArea::setSource([area] { return area; });
    }

    alertCreeper *raise()
    {
        m_controller->showAlert(1, 1);
        return m_controller->popup();
    }

    // Only the test's own calls of creepTick step the rise.
    static void holdTicks(alertCreeper *popup)
    {
        popup->findChild<QTimer *>(QStringLiteral("tmrCreepUp"))->stop();
    }

    // The rise steps on timers as the program's own event loop runs them; QTest::qWait sleeps
    // between its turns and would stretch a rise of a fraction of a second to seconds.
    static bool runUntil(const std::function<bool()> &done, int timeoutMs)
    {
        QEventLoop loop;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
            if (done())
                loop.quit();
        });
        poll.start(1);
        QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
        loop.exec();
        return done();
    }

    static void runFor(int ms)
    {
        runUntil([] { return false; }, ms);
    }

    static bool waitForRest(alertCreeper *popup)
    {
        return runUntil([popup] { return !popup->isRising(); }, 10000);
    }

    static QString details(alertCreeper *popup)
    {
        return popup->findChild<QLabel *>(QStringLiteral("txtAlertDetails"))->text();
    }

    static QColor alertColour(alertCreeper *popup)
    {
        return popup->findChild<QLabel *>(QStringLiteral("lblAlert"))->palette().color(QPalette::WindowText);
    }

    std::shared_ptr<GameServer> m_server;
    int m_plays = 0;
    std::unique_ptr<AlertController> m_controller;
};

TEST_F(AlertCreeperTest, TaskbarHeightIsTheHeightReservedAtTopOrBottom)
{
    struct Case
    {
        const char *what;
        DesktopArea::Area area;
        int expected;
    };
    const Case cases[] = {
        {"bottom", bottomTaskbar(), 600},
        {"top", {QRect(0, 0, 1024, 768), QRect(0, 30, 1024, 738), 15.0, 15.0}, 450},
        {"none", {QRect(0, 0, 1024, 768), QRect(0, 0, 1024, 768), 15.0, 15.0}, 0},
        {"left side", {QRect(0, 0, 1024, 768), QRect(60, 0, 964, 768), 15.0, 15.0}, 0},
        {"120 dpi", {QRect(0, 0, 1280, 1024), QRect(0, 0, 1280, 984), 12.0, 12.0}, 480},
        {"second screen", {QRect(1024, 0, 800, 600), QRect(1024, 0, 800, 575), 15.0, 15.0}, 375},
        {"taller than 16 bits", {QRect(0, 0, 1024, 4000), QRect(0, 3000, 1024, 0), 15.0, 15.0}, 60000},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        useArea(c.area);
        EXPECT_EQ(state::getTaskbarHeight(), c.expected);
    }
}

TEST_F(AlertCreeperTest, RisesFromBelowTheScreenToJustAboveTheTaskbar)
{
    struct Case
    {
        const char *what;
        DesktopArea::Area area;
    };
    const Case cases[] = {
        {"taskbar at the bottom", bottomTaskbar()},
        {"no taskbar", {QRect(0, 0, 1024, 768), QRect(0, 0, 1024, 768), 15.0, 15.0}},
        {"taskbar at the top", {QRect(0, 0, 1024, 768), QRect(0, 40, 1024, 728), 15.0, 15.0}},
        {"taskbar at the right edge", {QRect(0, 0, 1024, 768), QRect(0, 0, 964, 768), 15.0, 15.0}},
        {"taskbar at the left edge", {QRect(0, 0, 1024, 768), QRect(60, 0, 964, 768), 15.0, 15.0}},
        {"192 dpi", {QRect(0, 0, 2048, 1536), QRect(0, 0, 2048, 1456), 7.5, 7.5}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        useArea(c.area);
        const double perPixel = c.area.twipsPerPixelY;
        const int reserved = c.area.geometry.height() - c.area.available.height();
        const int restLine = c.area.geometry.bottom() + 1 - reserved; // taskbar's top edge, in pixels

        QPointer<alertCreeper> popup = raise();
        ASSERT_TRUE(popup);
        ASSERT_TRUE(popup->isVisible());
        EXPECT_EQ(popup->size(), QSize(int(std::lround(2280 / perPixel)) + 2, int(std::lround(3360 / perPixel)) + 2));
        EXPECT_GE(popup->geometry().top(), c.area.geometry.bottom() + 1) << "starts wholly below the screen";
        EXPECT_EQ(c.area.available.right() - popup->geometry().right(), 15)
            << "15 pixels in from the right edge of the work area, clear of a taskbar there";

        int lastTop = popup->y();
        bool steady = true;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, popup, [&] {
            steady = steady && popup->y() <= lastTop;
            lastTop = popup->y();
        });
        watch.start(0);
        ASSERT_TRUE(waitForRest(popup));
        watch.stop();
        EXPECT_TRUE(steady) << "the window only ever moves up";

        const double target = c.area.geometry.height() * perPixel - (reserved * perPixel + popup->heightTwips());
        const double above = target - popup->topTwips();
        EXPECT_GE(above, 100.0);
        EXPECT_LT(above, 200.0);
        const int gapPixels = restLine - (popup->geometry().bottom() + 1);
        EXPECT_GE(gapPixels, int(100 / perPixel));
        EXPECT_LE(gapPixels, int(200 / perPixel) + 1);
        EXPECT_EQ(c.area.available.right() - popup->geometry().right(), 15);

        const QPoint rest = popup->pos();
        QTest::qWait(30);
        EXPECT_EQ(popup->pos(), rest) << "stays put once resting";
        m_controller->closePopup();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_FALSE(popup) << "closing destroys the window";
    }
}

TEST_F(AlertCreeperTest, ARiseFollowsTheScreenWhenAGameChangesItsSize)
{
    QPointer<alertCreeper> popup = raise();
    ASSERT_TRUE(popup);
    holdTicks(popup);
    for (int step = 0; step < 3; ++step) {
        popup->creepTick();
        runFor(10);
    }
    const double before = popup->topTwips();
    ASSERT_LT(before, 768 * 15.0 + popup->heightTwips()) << "the rise has begun";

    // A full-screen game switches to 800 x 600; its desktop keeps a 30-pixel panel at the bottom.
    useArea({QRect(0, 0, 800, 600), QRect(0, 0, 800, 570), 15.0, 15.0});
    popup->findChild<QTimer *>(QStringLiteral("tmrCreepUp"))->start();
    ASSERT_TRUE(waitForRest(popup));
    EXPECT_LT(popup->topTwips(), before) << "it only ever moves up";
    const double target = 600 * 15.0 - (30 * 15.0 + popup->heightTwips());
    EXPECT_GE(target - popup->topTwips(), 100.0);
    EXPECT_LT(target - popup->topTwips(), 200.0);
    EXPECT_EQ(799 - popup->geometry().right(), 15) << "15 pixels in from the new right edge";
}

TEST_F(AlertCreeperTest, ShowsDetailsAndLayout)
{
    alertCreeper *popup = raise();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(details(popup).split(u'\n'), (QStringList{QStringLiteral("Alpha"), QString(), QStringLiteral("a[X]"), QStringLiteral("[X]c")}));
    EXPECT_TRUE(popup->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(popup->windowFlags().testFlag(Qt::FramelessWindowHint));
    // Kept from the window manager, which would place it, answer its moves late and give it the keys.
    EXPECT_TRUE(popup->windowFlags().testFlag(Qt::X11BypassWindowManagerHint));
    EXPECT_TRUE(popup->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
    EXPECT_EQ(m_plays, 1);

    const auto *text = popup->findChild<QLabel *>(QStringLiteral("txtAlertDetails"));
    EXPECT_EQ(text->palette().color(QPalette::WindowText), QColor(224, 224, 224));
    EXPECT_FALSE(text->autoFillBackground());
    EXPECT_EQ(text->textFormat(), Qt::PlainText);

    const auto *picture = popup->findChild<QLabel *>(QStringLiteral("picAlertPicture"));
    EXPECT_EQ(picture->pixmap().size(), QSize(150, 225));
    const auto *alert = popup->findChild<QLabel *>(QStringLiteral("lblAlert"));
    EXPECT_EQ(alert->text(), QStringLiteral("ALERT"));
    EXPECT_EQ(alert->geometry(), QRect(72, 96, 41, 17));
}

TEST_F(AlertCreeperTest, AlertFlashesBlackThenRed)
{
    alertCreeper *popup = raise();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(alertColour(popup), popup->palette().color(QPalette::ButtonText));
    EXPECT_EQ(popup->flashState(), 1);

    const QColor expected[] = {Qt::black, Qt::red, Qt::black, Qt::red};
    for (const QColor &colour : expected) {
        popup->flashTick();
        EXPECT_EQ(alertColour(popup), colour);
    }

    const auto *timer = popup->findChild<QTimer *>(QStringLiteral("tmrAlertFlash"));
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 500);
    EXPECT_TRUE(timer->isActive());
    EXPECT_TRUE(QTest::qWaitFor([&] { return alertColour(popup) == Qt::black; }, 2000)) << "the timer drives the flash";
}

TEST_F(AlertCreeperTest, ASecondAlertRefillsInPlace)
{
    alertCreeper *popup = raise();
    ASSERT_TRUE(waitForRest(popup));
    const QPoint rest = popup->pos();
    popup->flashTick();
    const int flash = popup->flashState();

    m_server->setPlayerNames(QStringList{QStringLiteral("[X]new")});
    m_controller->checkClanFilters();

    EXPECT_EQ(m_controller->popup(), popup);
    EXPECT_EQ(details(popup), QStringLiteral("Alpha\n\n[X]new"));
    EXPECT_EQ(popup->pos(), rest);
    EXPECT_FALSE(popup->isRising());
    EXPECT_EQ(popup->flashState(), flash);
    EXPECT_EQ(m_plays, 2);
}

TEST_F(AlertCreeperTest, OneClickAnywhereClosesAndTheNextAlertStartsBelow)
{
    for (const char *part : {"picAlertPicture", "txtAlertDetails", "lblAlert"}) {
        SCOPED_TRACE(part);
        QPointer<alertCreeper> popup = raise();
        ASSERT_TRUE(popup);
        ASSERT_TRUE(waitForRest(popup));
        auto *target = popup->findChild<QWidget *>(QString::fromLatin1(part));
        ASSERT_NE(target, nullptr);

        QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());

        EXPECT_EQ(m_controller->popup(), nullptr);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_FALSE(popup);

        alertCreeper *next = raise();
        ASSERT_NE(next, nullptr);
        EXPECT_GE(next->geometry().top(), 768);
        m_controller->closePopup();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(AlertCreeperTest, ClickDuringACreepStepStopsTheRise)
{
    // Whether the closed window goes at once or lingers until the event loop deletes it, the
    // rest of the step must leave it alone.
    for (const bool deleteOnClose : {true, false}) {
        SCOPED_TRACE(deleteOnClose ? "deleted at once" : "kept until later");
        QPointer<alertCreeper> popup = raise();
        ASSERT_TRUE(popup);
        popup->setAttribute(Qt::WA_DeleteOnClose, deleteOnClose);
        holdTicks(popup);
        AfterCloseWatcher watcher;
        popup->installEventFilter(&watcher);
        const double before = popup->topTwips();

        // The step's first move is made at once; the click comes before the second.
        popup->creepTick();
        auto *picture = popup->findChild<QWidget *>(QStringLiteral("picAlertPicture"));
        QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(5, 5));
        runFor(20);

        EXPECT_TRUE(watcher.closed);
        EXPECT_EQ(m_controller->popup(), nullptr);
        if (!deleteOnClose) {
            ASSERT_TRUE(popup);
            EXPECT_FALSE(popup->isVisible());
            EXPECT_DOUBLE_EQ(popup->topTwips(), before - alertCreeper::twipsPerMove) << "no move after the click";
            popup->creepTick();
            runFor(20);
            EXPECT_DOUBLE_EQ(popup->topTwips(), before - alertCreeper::twipsPerMove);
            EXPECT_FALSE(popup->isVisible());
        }
        EXPECT_EQ(watcher.eventsAfterClose, 0);
        delete popup.data();
    }
}

TEST_F(AlertCreeperTest, MatchingPassDuringACreepStepRefillsTheRisingWindow)
{
    alertCreeper *popup = raise();
    ASSERT_NE(popup, nullptr);
    holdTicks(popup);
    const double before = popup->topTwips();
    m_server->setPlayerNames(QStringList{QStringLiteral("[X]late")});

    // Queued now, so the pass runs between the step's moves.
    QTimer::singleShot(0, m_controller.get(), [this] { m_controller->checkClanFilters(); });
    popup->creepTick();
    // Until the pass has run and the step's moves are made, however slowly the machine runs them;
    // then a little longer, for moves that should not come.
    ASSERT_TRUE(runUntil([&] { return m_plays == 2 && !popup->isRising(); }, 10000));
    runFor(30);

    EXPECT_EQ(m_controller->popup(), popup);
    EXPECT_EQ(details(popup), QStringLiteral("Alpha\n\n[X]late"));
    EXPECT_DOUBLE_EQ(popup->topTwips(), before - alertCreeper::movesPerTick * alertCreeper::twipsPerMove)
        << "the rise goes on where it was, neither restarted nor doubled";
    EXPECT_TRUE(popup->isVisible());
    EXPECT_EQ(m_plays, 2);

    popup->findChild<QTimer *>(QStringLiteral("tmrCreepUp"))->start();
    EXPECT_TRUE(waitForRest(popup)) << "and it still comes to rest";
}

TEST_F(AlertCreeperTest, RiseGoesOnWhileAModalDialogIsOpen)
{
    // Options, Change Filters, Add New Server and the message boxes all run their own event loop
    // until they close. The user opens one in the middle of the rise, here as the pop-up moves.
    const std::function<void()> dialogs[] = {
        [] { QDialog().exec(); },
        [] { QMessageBox::information(nullptr, QStringLiteral("Zib"), QStringLiteral("Server added.")); },
        [] { QInputDialog::getText(nullptr, QStringLiteral("Zib"), QStringLiteral("Server address:")); },
    };
    int which = 0;
    for (const auto &openDialog : dialogs) {
        SCOPED_TRACE(which++);
        QPointer<alertCreeper> popup = raise();
        ASSERT_TRUE(popup);
        QWidget *dialogSeen = nullptr;
        bool restedWhileOpen = false;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, popup, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            dialogSeen = modal;
            if (!popup->isRising()) {
                restedWhileOpen = true;
                modal->close();
            }
        });
        MoveHook firstMove(popup, [&] {
            QTimer::singleShot(0, popup, [&] {
                watch.start(5);
                openDialog();
            });
        });
        // However it ends, the dialog goes after five seconds.
        QTimer::singleShot(5000, popup, [] {
            if (QWidget *modal = QApplication::activeModalWidget())
                modal->close();
        });
        ASSERT_TRUE(QTest::qWaitFor([&] { return dialogSeen && !QApplication::activeModalWidget(); }, 8000));
        watch.stop();
        EXPECT_TRUE(restedWhileOpen) << "the pop-up stood still until the dialog closed";
        EXPECT_FALSE(popup->isRising());
        const int gap = 728 - (popup->geometry().bottom() + 1);
        EXPECT_TRUE(gap >= 100 / 15 && gap <= 200 / 15 + 1) << "it rests just above the taskbar, not " << gap;
        m_controller->closePopup();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(AlertCreeperTest, MovesGoOnFromItsOwnPlaceWhateverTheWindowSystemReportsBack)
{
    // Under a window manager a move is answered late, and the manager may place the window
    // itself: what the window reports can be a few moves behind, or somewhere else entirely.
    QPointer<alertCreeper> undisturbed = raise();
    ASSERT_TRUE(undisturbed);
    ASSERT_TRUE(waitForRest(undisturbed));
    const QPoint rest = undisturbed->pos();
    m_controller->closePopup();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QPointer<alertCreeper> popup = raise();
    ASSERT_TRUE(popup);
    int moves = 0;
    MoveHook everyMove(popup, [&] {
        // Every seventh move is answered with a stale or foreign place.
        if (++moves % 7 == 0)
            QTimer::singleShot(0, popup, [popup, moves] {
                if (popup && popup->isRising())
                    popup->move(popup->x() - (moves % 2 ? 300 : 0), popup->y() + 30);
            });
    }, false);
    ASSERT_TRUE(waitForRest(popup));
    runFor(20);
    EXPECT_GT(moves, 50);
    EXPECT_EQ(popup->pos(), rest) << "rests where it rests undisturbed";
}

TEST_F(AlertCreeperTest, AFileThatIsNoWaveIsReportedSoTheBeepCanStandIn)
{
    const QString notAWave = m_dir.filePath(QStringLiteral("alert.wav"));
    QFile file(notAWave);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[ZIB SETTINGS]\r\nCheckSpeed=30\r\n");
    file.close();
    WavePlayer player;
    QSignalSpy failed(&player, &WavePlayer::failed);
    QElapsedTimer clock;
    clock.start();
    player.play(QFileInfo(notAWave).absoluteFilePath());
    EXPECT_LT(clock.elapsed(), 1000) << "playing never waits";
    EXPECT_TRUE(failed.count() > 0 || failed.wait(3000));
}

TEST_F(AlertCreeperTest, SoundWithoutAudioDeviceDoesNotHoldUpTheAlert)
{
    struct Case
    {
        const char *what;
        QString path;
    };
    const Case cases[] = {
        {"our chime", QStringLiteral(ZIB_TEST_DATA_DIR "/../resources/alert.wav")},
        {"missing file", m_dir.filePath(QStringLiteral("alert.wav"))},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        AlertController controller(std::make_unique<WaveAlertSound>(c.path));
        QElapsedTimer clock;
        clock.start();
        controller.showAlert(1, 1);
        controller.showAlert(1, 1);
        EXPECT_LT(clock.elapsed(), 1000);
        ASSERT_NE(controller.popup(), nullptr);
        EXPECT_TRUE(controller.popup()->isVisible());
        QTest::qWait(50);
    }
}

} // namespace
