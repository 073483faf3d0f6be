#include "MainWindowFixture.h"

#include "model/mdlZibProcessing.h"
#include "platform/Autostart.h"
#include "platform/Language.h"
#include "platform/settingsfile/ProfileFile.h"
#include "ui/MessageBox.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include <stdexcept>
#include <string>

namespace {

QAction *action(QMenu *menu, const char *name)
{
    QAction *found = menu->findChild<QAction *>(QLatin1String(name));
    // A missing item fails here and now rather than crashing the suite at its first use.
    if (!found)
        throw std::runtime_error(std::string("the tray menu has no ") + name);
    return found;
}

} // namespace

TEST_F(MainWindowFixture, TheTrayMenuShowsStartsWithTheDesktopAndQuits)
{
    mainZibWindow &window = start({.tray = true});
    QMenu *menu = window.trayMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(window.sysTray().contextMenu(), menu);
    QStringList texts;
    for (const QAction *item : menu->actions())
        texts.append(item->isSeparator() ? QStringLiteral("-") : item->text());
    EXPECT_EQ(texts, (QStringList{QStringLiteral("Show Zib"), QStringLiteral("Start with the desktop"),
                                  QStringLiteral("Notifications..."), QStringLiteral("Language"),
                                  QStringLiteral("-"), QStringLiteral("Quit")}));
    EXPECT_TRUE(action(menu, "actStartWithDesktop")->isCheckable());

    window.setWindowState(Qt::WindowMinimized);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.isVisible(); }, 1000));
    action(menu, "actShowZib")->trigger();
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(window.isMinimized());
    EXPECT_FALSE(window.sysTray().isVisible());
}

TEST_F(MainWindowFixture, StartWithTheDesktopWritesAndRemovesTheAutostartEntry)
{
    mainZibWindow &window = start({.tray = true});
    QAction *item = action(window.trayMenu(), "actStartWithDesktop");

    emit window.trayMenu()->aboutToShow();
    EXPECT_FALSE(item->isChecked());
    item->trigger();
    EXPECT_TRUE(item->isChecked());
    // Started on a settings file of its own, the next login opens that same file.
    const QByteArray stored = Autostart::storedEntry(autostartHome());
    EXPECT_TRUE(stored.contains(" --settings " + mdlZibProcessing::settingsPath.toUtf8() + " --minimized"))
        << stored.data();

    item->trigger();
    EXPECT_FALSE(item->isChecked());
    EXPECT_FALSE(Autostart::isEnabled(autostartHome()));
    EXPECT_TRUE(Autostart::storedEntry(autostartHome()).isEmpty());

    // Put back by hand (or by the desktop's own settings): the menu says so when it opens.
    ASSERT_TRUE(Autostart::setEnabled(autostartHome(), true, QStringLiteral("zib")));
    emit window.trayMenu()->aboutToShow();
    EXPECT_TRUE(item->isChecked());
    EXPECT_FALSE(MessageBox::lastShown()) << "nothing went wrong";
}

TEST_F(MainWindowFixture, AnAutostartEntryThatCannotBeWrittenIsSaidAndLeftUnticked)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << "a Run key this user may not write takes another account";
#endif
    mainZibWindow &window = start({.tray = true});
    QDir().mkpath(autostartHome());
    QFile blocker(autostartHome() + QStringLiteral("/autostart"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    MessageBox::setNextAnswer(QMessageBox::Ok);
    QAction *item = action(window.trayMenu(), "actStartWithDesktop");
    item->trigger();
    EXPECT_FALSE(item->isChecked());
    const auto shown = MessageBox::lastShown();
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->title, QStringLiteral("ERROR"));
    EXPECT_TRUE(shown->text.contains(Autostart::entryPath(autostartHome()))) << shown->text.toStdString();
}

// Each language is named in itself; the one spoken is ticked, and a choice is kept in the file
// for the next start, which is said.
TEST_F(MainWindowFixture, TheLanguageSubmenuKeepsTheChoiceForTheNextStart)
{
    mainZibWindow &window = start({.tray = true});
    auto *languages = window.trayMenu()->findChild<QMenu *>(QStringLiteral("menuLanguage"));
    ASSERT_NE(languages, nullptr);
    QStringList names;
    for (const QAction *item : languages->actions())
        names.append(item->text());
    EXPECT_TRUE(names.contains(QStringLiteral("English")));
    EXPECT_TRUE(names.contains(QStringLiteral("Русский")));
    EXPECT_TRUE(names.contains(QStringLiteral("Português (Brasil)")));
    EXPECT_TRUE(names.contains(QStringLiteral("Srpski (latinica)")));
    // A language without its own name would show its bare code.
    EXPECT_EQ(names.size(), Language::available().size());
    for (const QString &code : Language::available())
        EXPECT_FALSE(names.contains(code)) << code.toStdString();
    EXPECT_TRUE(action(window.trayMenu(), "actLanguage_en")->isChecked()) << "the tests speak English";

    MessageBox::setNextAnswer(QMessageBox::Ok);
    QAction *russian = action(window.trayMenu(), "actLanguage_ru");
    russian->trigger();
    EXPECT_TRUE(russian->isChecked());
    EXPECT_FALSE(action(window.trayMenu(), "actLanguage_en")->isChecked());
    EXPECT_EQ(ProfileFile::readString(mdlZibProcessing::settingsPath, mdlZibProcessing::settingsSection,
                                      QStringLiteral("Language"), QString()),
              QStringLiteral("ru"));
    const auto shown = MessageBox::lastShown();
    ASSERT_TRUE(shown);
    EXPECT_TRUE(shown->text.contains(QStringLiteral("next start"))) << shown->text.toStdString();
}

TEST_F(MainWindowFixture, StartedMinimizedItWaitsInTheTrayOrOnTheTaskbar)
{
    mainZibWindow &inTray = start({.tray = true, .minimized = true});
    QTest::qWait(20);
    EXPECT_FALSE(inTray.isVisible());
    EXPECT_TRUE(inTray.sysTray().isVisible());
    emit inTray.sysTray().activated(QSystemTrayIcon::Trigger);
    EXPECT_TRUE(inTray.isVisible());
    EXPECT_FALSE(inTray.isMinimized());
    EXPECT_FALSE(inTray.sysTray().isVisible());
    m_window.reset();

    mainZibWindow &onTaskbar = start({.tray = false, .minimized = true});
    QTest::qWait(20);
    EXPECT_TRUE(onTaskbar.isVisible()) << "hidden without a tray, it could never come back";
    EXPECT_TRUE(onTaskbar.isMinimized());
    EXPECT_FALSE(onTaskbar.sysTray().isVisible());
}

TEST_F(MainWindowFixture, QuitFromTheTrayEndsTheProgramWhileHidden)
{
    writeServers({{QStringLiteral("Far Away"), QStringLiteral("127.0.0.1"), QStringLiteral("27999")}});
    mainZibWindow &window = start({.connected = false, .tray = true, .minimized = true});
    QSignalSpy ended(&window, &mainZibWindow::shutDown);
    mdlZibProcessing::gameServers.front()->setName(QStringLiteral("Learned Name"));

    action(window.trayMenu(), "actQuit")->trigger();
    EXPECT_EQ(ended.count(), 1);
    EXPECT_FALSE(window.sysTray().isVisible());
    EXPECT_EQ(fileValue(QStringLiteral("GAMESERVER 1"), QStringLiteral("Name")), QStringLiteral("Learned Name"))
        << "the shutdown sequence ran";
}
