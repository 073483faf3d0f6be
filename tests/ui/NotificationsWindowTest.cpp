// The Notifications window and the alert path into it, against a service the test runs itself.
#include "MainWindowFixture.h"

#include "model/mdlZibProcessing.h"
#include "notify/FakeService.h"
#include "ui/MessageBox.h"
#include "ui/NotificationsWindow.h"

#include <QApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace mdlZibProcessing;

namespace {

class NotificationsWindowTest : public MainWindowFixture
{
protected:
    void TearDown() override
    {
        // Before the main window, which would take its child along.
        m_dialog.reset();
        MainWindowFixture::TearDown();
    }

    void open()
    {
        start();
        m_dialog = std::make_unique<NotificationsWindow>(m_window->notifier(), m_window.get());
        m_dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_dialog.get()));
    }

    template<typename T>
    T *field(const char *name) const
    {
        T *found = m_dialog->findChild<T *>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    void typeInto(const char *name, const QString &text) const
    {
        QLineEdit *edit = field<QLineEdit>(name);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

    QString statusText(const char *name) const { return field<QLabel>(name)->toolTip(); }

    std::unique_ptr<NotificationsWindow> m_dialog;
};

TEST_F(NotificationsWindowTest, SendTestStoresTheWebhookAndShowsWhatTheServiceAnswered)
{
    FakeService service;
    service.script({{204}, {404, R"({"message": "Unknown Webhook", "code": 10015})"}});
    open();
    const QString webhook = service.url(QStringLiteral("/api/webhooks/7/SECRETtoken")).toString();
    typeInto("txtDiscordWebhook", webhook);
    EXPECT_EQ(field<QLineEdit>("txtDiscordWebhook")->echoMode(), QLineEdit::Password);
    QTest::mouseClick(field<QPushButton>("btnTestDiscord"), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return statusText("lblDiscordStatus").contains(QStringLiteral("Delivered")); }, 5000))
        << statusText("lblDiscordStatus").toStdString();
    EXPECT_EQ(fileValue(QStringLiteral("ZIB NOTIFY"), QStringLiteral("DiscordWebhook")), webhook);
    ASSERT_EQ(service.requests.size(), 1);
    EXPECT_TRUE(QJsonDocument::fromJson(service.requests[0].body)
                    .object()
                    .value(QStringLiteral("content"))
                    .toString()
                    .startsWith(QStringLiteral("Test: ")));

    // The webhook was deleted meanwhile: the window and one ERROR box say so, neither shows it.
    MessageBox::resetForTests();
    MessageBox::setNextAnswer(QMessageBox::Ok);
    QTest::keyClick(field<QPushButton>("btnTestDiscord"), Qt::Key_Space);
    ASSERT_TRUE(QTest::qWaitFor([&] { return statusText("lblDiscordStatus").contains(QStringLiteral("404")); }, 5000));
    EXPECT_EQ(statusText("lblDiscordStatus"),
              QStringLiteral("Stopped: 404 Unknown Webhook (change the settings to try again)"));
    const auto shown = MessageBox::lastShown();
    ASSERT_TRUE(shown.has_value());
    EXPECT_EQ(shown->title, QStringLiteral("ERROR"));
    EXPECT_TRUE(shown->text.contains(QStringLiteral("Discord")) && shown->text.contains(QStringLiteral("404 Unknown Webhook")));
    EXPECT_FALSE(shown->text.contains(QStringLiteral("SECRET")) || shown->text.contains(QStringLiteral("127.0.0.1")));
    EXPECT_EQ(m_window->sysTray().toolTip(), QStringLiteral("Zib is watching your servers"));
}

TEST_F(NotificationsWindowTest, AnAddressThatIsNoWebAddressIsRefusedAndNotStored)
{
    open();
    typeInto("txtNtfyUrl", QStringLiteral("ftp://ntfy.example/zib"));
    MessageBox::resetForTests();
    MessageBox::setNextAnswer(QMessageBox::Ok);
    QTest::mouseClick(field<QPushButton>("btnOk"), Qt::LeftButton);
    const auto shown = MessageBox::lastShown();
    ASSERT_TRUE(shown.has_value());
    EXPECT_EQ(shown->text, QStringLiteral("The ntfy topic must be an address starting with http:// or https://."));
    EXPECT_TRUE(m_dialog->isVisible());
    EXPECT_EQ(fileValue(QStringLiteral("ZIB NOTIFY"), QStringLiteral("NtfyUrl")), QStringLiteral("<none>"));
}

TEST_F(NotificationsWindowTest, OnlyAnAlertTheThrottleLetsThroughIsSent)
{
    FakeService service;
    open();
    notify::NotifySettings settings;
    settings.ntfyUrl = service.url(QStringLiteral("/clan")).toString();
    ASSERT_TRUE(saveNotifySettings(settings));
    m_window->notifier().applySettings(notifySettings);

    auto server = std::make_shared<GameServer>();
    server->setName(QStringLiteral("Frag Central"));
    server->setAddress(QStringLiteral("10.0.0.1"));
    server->setPort(27015);
    server->setPlayerNames({QStringLiteral("[X]Ann"), QStringLiteral("[X]Bob"), QStringLiteral("Carl")});
    server->setServerNumber(1);
    gameServers = {server};
    auto filter = std::make_shared<ClanFilter>();
    filter->setClanTag(QStringLiteral("[X]"));
    filter->setAlert(true);
    filter->setAlertTrigger(2);
    filter->setClanFilterNumber(1);
    clanFilters = {filter};
    AlertSpeed = 5;
    lastAlertTime = {};

    m_window->alerts().checkClanFilters();
    m_window->alerts().checkClanFilters();
    ASSERT_TRUE(service.waitForRequests(1));
    QTest::qWait(300);
    ASSERT_EQ(service.requests.size(), 1) << "the second pass was throttled";
    const QJsonObject body = QJsonDocument::fromJson(service.requests[0].body).object();
    EXPECT_EQ(body.value(QStringLiteral("topic")).toString(), QStringLiteral("clan"));
    EXPECT_EQ(body.value(QStringLiteral("title")).toString(), QStringLiteral("[X] 2 of 2 on Frag Central"));
    EXPECT_TRUE(body.value(QStringLiteral("message")).toString().contains(QStringLiteral("\n[X]Ann\n[X]Bob\n")));
    m_window->alerts().closePopup();
}

} // namespace
