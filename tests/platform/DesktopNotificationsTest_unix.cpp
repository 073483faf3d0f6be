// The desktop's notifications against a notification service of the test's own, on a private
// session bus.
#include "notify/Notifier.h"
#include "platform/DesktopNotifications.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QVariantMap>

#include <gtest/gtest.h>

namespace {

class FakeNotificationServer : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    QStringList capabilities{QStringLiteral("actions"), QStringLiteral("body"), QStringLiteral("body-markup")};
    struct Shown
    {
        QString appName;
        QString summary;
        QString body;
        QStringList actions;
        QVariantMap hints;
    };
    QList<Shown> shown;

public slots:
    QStringList GetCapabilities() { return capabilities; }
    uint Notify(const QString &appName, uint, const QString &, const QString &summary, const QString &body,
                const QStringList &actions, const QVariantMap &hints, int)
    {
        shown.append({appName, summary, body, actions, hints});
        return uint(100 + shown.size());
    }

signals:
    void ActionInvoked(uint id, const QString &action_key);
    void NotificationClosed(uint id, uint reason);
};

class DesktopNotificationsTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
        if (daemon.isEmpty())
            return;
        s_bus = new QProcess;
        s_bus->start(daemon, {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address")});
        if (!s_bus->waitForStarted() || !s_bus->waitForReadyRead(10000))
            return;
        s_address = QString::fromUtf8(s_bus->readLine().trimmed());
    }

    static void TearDownTestSuite()
    {
        if (s_bus) {
            s_bus->kill();
            s_bus->waitForFinished();
            delete s_bus;
            s_bus = nullptr;
        }
    }

    void SetUp() override
    {
        if (s_address.isEmpty())
            GTEST_SKIP() << "dbus-daemon is not installed";
    }

    // The service on a connection of its own, as a separate program would be.
    bool startService()
    {
        m_connection = QDBusConnection::connectToBus(s_address, QStringLiteral("fake-notifications"));
        return m_connection.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &m_server,
                                           QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals)
               && m_connection.registerService(QStringLiteral("org.freedesktop.Notifications"));
    }

    void TearDown() override
    {
        if (m_connection.isConnected()) {
            m_connection.unregisterService(QStringLiteral("org.freedesktop.Notifications"));
            m_connection.unregisterObject(QStringLiteral("/org/freedesktop/Notifications"));
        }
        QDBusConnection::disconnectFromBus(QStringLiteral("fake-notifications"));
    }

    static inline QProcess *s_bus = nullptr;
    static inline QString s_address;
    FakeNotificationServer m_server;
    QDBusConnection m_connection{QString()};
};

TEST_F(DesktopNotificationsTest, ANoteCarriesTheEntryTheJoinActionAndEscapedMarkup)
{
    ASSERT_TRUE(startService());
    DesktopNotifications notes(QStringLiteral("org.example.zib"));
    notes.setBusAddress(s_address);
    QSignalSpy shown(&notes, &DesktopNotifications::shown);
    notes.show({QStringLiteral("[X] 3 of 2 on <b>Frag</b>"), QStringLiteral("Bob & <i>Ann</i>"),
                QStringLiteral("steam://connect/10.0.0.1:27015")});
    ASSERT_TRUE(shown.wait(5000));
    ASSERT_EQ(m_server.shown.size(), 1);
    const auto &note = m_server.shown.front();
    EXPECT_EQ(note.appName, QStringLiteral("Zib"));
    EXPECT_EQ(note.summary, QStringLiteral("[X] 3 of 2 on <b>Frag</b>"));
    EXPECT_EQ(note.body, QStringLiteral("Bob &amp; &lt;i&gt;Ann&lt;/i&gt;"));
    EXPECT_EQ(note.hints.value(QStringLiteral("desktop-entry")).toString(), QStringLiteral("org.example.zib"));
    EXPECT_EQ(note.actions, (QStringList{QStringLiteral("default"), QStringLiteral("Show Zib"), QStringLiteral("join"),
                                         QStringLiteral("Join Game")}));
    EXPECT_EQ(notes.isAvailable(), true);

    // The service's signals: a click and "Join Game" on our note; another program's id is not ours.
    QSignalSpy activated(&notes, &DesktopNotifications::activated);
    QSignalSpy join(&notes, &DesktopNotifications::joinRequested);
    emit m_server.ActionInvoked(999, QStringLiteral("join"));
    emit m_server.ActionInvoked(101, QStringLiteral("join"));
    ASSERT_TRUE(join.wait(5000));
    EXPECT_EQ(join.at(0).at(0).toString(), QStringLiteral("steam://connect/10.0.0.1:27015"));
    emit m_server.ActionInvoked(101, QStringLiteral("default"));
    ASSERT_TRUE(activated.wait(5000));
    EXPECT_EQ(join.size(), 1);
}

TEST_F(DesktopNotificationsTest, AServiceWithoutActionsOrMarkupGetsPlainText)
{
    m_server.capabilities = {QStringLiteral("body")};
    ASSERT_TRUE(startService());
    DesktopNotifications notes(QStringLiteral("zib"));
    notes.setBusAddress(s_address);
    QSignalSpy shown(&notes, &DesktopNotifications::shown);
    notes.show({QStringLiteral("t"), QStringLiteral("a < b"), QStringLiteral("steam://connect/10.0.0.1:27015")});
    ASSERT_TRUE(shown.wait(5000));
    EXPECT_EQ(m_server.shown.front().body, QStringLiteral("a < b"));
    EXPECT_TRUE(m_server.shown.front().actions.isEmpty());
}

TEST_F(DesktopNotificationsTest, WithNoServiceOnTheBusItSaysSo)
{
    DesktopNotifications notes(QStringLiteral("zib"));
    notes.setBusAddress(s_address);
    QSignalSpy known(&notes, &DesktopNotifications::availabilityKnown);
    QSignalSpy failed(&notes, &DesktopNotifications::failed);
    notes.show({QStringLiteral("t"), QStringLiteral("b"), {}});
    ASSERT_TRUE(failed.wait(10000));
    EXPECT_EQ(notes.isAvailable(), false);
    ASSERT_EQ(known.size(), 1);
    EXPECT_FALSE(known.at(0).at(0).toBool());
}

TEST_F(DesktopNotificationsTest, TheWindowsLineSaysWhenNoServiceAnswersAndWhenANoteWasShown)
{
    notify::Notifier notifier(QStringLiteral("zib"));
    notifier.desktop().setBusAddress(s_address);
    notify::NotifySettings settings;
    settings.desktop = true;
    notifier.applySettings(settings);
    ASSERT_TRUE(QTest::qWaitFor([&] { return notifier.desktop().isAvailable().has_value(); }, 5000));
    EXPECT_EQ(notifier.desktopStatus(), QStringLiteral("No notification service answers on this desktop"));

    // The service starts later: the next note finds it.
    ASSERT_TRUE(startService());
    notifier.sendDesktopTest();
    ASSERT_TRUE(QTest::qWaitFor([&] { return notifier.desktopStatus().startsWith(QStringLiteral("Last: Delivered")); },
                                5000))
        << notifier.desktopStatus().toStdString();
    ASSERT_EQ(m_server.shown.size(), 1);
    EXPECT_TRUE(m_server.shown.front().summary.startsWith(QStringLiteral("Test: [X] 3 of 2")));
}

} // namespace

#include "DesktopNotificationsTest_unix.moc"
