// Delivery against services this test runs itself on 127.0.0.1: what each channel sends, and how
// a failing, slow or refusing service is dealt with.
#include "FakeService.h"

#include "notify/Delivery.h"
#include "support/TestSupport.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

using namespace notify;

namespace {

QJsonObject jsonOf(const QByteArray &body)
{
    return QJsonDocument::fromJson(body).object();
}

AlertMessage alertNumbered(int n)
{
    AlertMessage message = testMessage();
    message.test = false;
    message.serverName = QStringLiteral("server %1").arg(n);
    return message;
}

class DeliveryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Timing timing;
        timing.transferTimeoutMs = 15'000;
        timing.firstRetryMs = 50;
        timing.longestRetryMs = 200;
        timing.giveUpMs = 5'000;
        m_delivery.setTiming(timing);
        m_delivery.setTrustedAuthorities(FakeService::authority());
    }

    NotifySettings discordAt(const FakeService &service)
    {
        NotifySettings settings;
        settings.discordWebhook = service.url(QStringLiteral("/api/webhooks/42/SECRETtoken")).toString();
        return settings;
    }

    bool waitForOutcome(Channel channel, const QString &outcome, int timeoutMs = 5000)
    {
        return QTest::qWaitFor([&] { return m_delivery.status(channel).lastOutcome == outcome; }, timeoutMs);
    }

    Delivery m_delivery;
};

TEST_F(DeliveryTest, EachChannelPostsItsOwnRequestOverHttpAndOverHttps)
{
    for (const bool tls : {false, true}) {
        // Wine's Schannel (over GnuTLS) cannot serve TLS to the test's own server; Windows can.
        if (tls && runningUnderWine())
            continue;
        SCOPED_TRACE(tls ? "https" : "http");
        FakeService service(tls);
        service.script({{204}, {200, R"({"ok":true})"}, {200}});
        NotifySettings settings;
        settings.discordWebhook = service.url(QStringLiteral("/api/webhooks/42/abc")).toString();
        settings.telegramApi = service.url(QStringLiteral("/tg")).toString();
        settings.telegramToken = QStringLiteral("123456:ABC-def");
        settings.telegramChat = QStringLiteral("@clanchannel");
        settings.ntfyUrl = service.url(QStringLiteral("/zib-alerts")).toString();
        settings.ntfyToken = QStringLiteral("tk_phone");
        m_delivery.setSettings(settings);
        m_delivery.post(alertNumbered(1));
        ASSERT_TRUE(service.waitForRequests(3))
            << service.requests.size() << m_delivery.status(Channel::Discord).lastOutcome.toStdString()
            << m_delivery.status(Channel::Telegram).lastOutcome.toStdString()
            << m_delivery.status(Channel::Ntfy).lastOutcome.toStdString();

        QMap<QByteArray, FakeService::Request> byPath;
        for (const auto &request : std::as_const(service.requests)) {
            EXPECT_EQ(request.method, "POST");
            EXPECT_EQ(request.headers.value("content-type"), "application/json");
            byPath.insert(request.path, request);
        }
        ASSERT_TRUE(byPath.contains("/api/webhooks/42/abc"));
        const QJsonObject discord = jsonOf(byPath["/api/webhooks/42/abc"].body);
        EXPECT_TRUE(discord.value(QStringLiteral("content")).toString().contains(QStringLiteral("server 1")));
        EXPECT_EQ(discord.value(QStringLiteral("allowed_mentions")).toObject().value(QStringLiteral("parse")),
                  QJsonArray());

        ASSERT_TRUE(byPath.contains("/tg/bot123456:ABC-def/sendMessage"));
        const QJsonObject telegram = jsonOf(byPath["/tg/bot123456:ABC-def/sendMessage"].body);
        EXPECT_EQ(telegram.value(QStringLiteral("chat_id")).toString(), QStringLiteral("@clanchannel"));
        EXPECT_FALSE(telegram.contains(QStringLiteral("parse_mode")));

        // ntfy's JSON form goes to the server's root and names the topic inside.
        ASSERT_TRUE(byPath.contains("/"));
        EXPECT_EQ(byPath["/"].headers.value("authorization"), "Bearer tk_phone");
        const QJsonObject ntfy = jsonOf(byPath["/"].body);
        EXPECT_EQ(ntfy.value(QStringLiteral("topic")).toString(), QStringLiteral("zib-alerts"));
        EXPECT_EQ(ntfy.value(QStringLiteral("click")).toString(), QStringLiteral("steam://connect/192.0.2.1:27015"));

        for (const Channel channel : httpChannels)
            EXPECT_TRUE(waitForOutcome(channel, QStringLiteral("Delivered"))) << channelName(channel).toStdString();
        m_delivery.setSettings({});
    }
}

TEST_F(DeliveryTest, AServerWhoseCertificateNoTrustedAuthoritySignedGetsNothing)
{
    if (runningUnderWine())
        GTEST_SKIP() << "Wine's Schannel (over GnuTLS) cannot serve TLS to the test's own server";
    FakeService service(true);
    m_delivery.setTrustedAuthorities({});
    m_delivery.setSettings(discordAt(service));
    m_delivery.post(alertNumbered(1));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !m_delivery.status(Channel::Discord).lastOutcome.isEmpty(); }, 5000));
    EXPECT_TRUE(m_delivery.status(Channel::Discord).lastOutcome.contains(QStringLiteral("certificate")));
    EXPECT_TRUE(service.requests.isEmpty());
}

TEST_F(DeliveryTest, NothingIsOpenedWithNoChannelSetUp)
{
    m_delivery.setSettings({});
    m_delivery.post(alertNumbered(1));
    m_delivery.sendTest(Channel::Discord);
    EXPECT_FALSE(m_delivery.hasOpenedNetwork());
}

TEST_F(DeliveryTest, AFailureOrAServerErrorIsRetriedUntilItIsDelivered)
{
    FakeService service;
    service.script({{500, R"({"message":"oops"})"}, FakeService::Answer::hanging(), {204}});
    Timing timing;
    timing.transferTimeoutMs = 300;
    timing.firstRetryMs = 50;
    m_delivery.setTiming(timing);
    m_delivery.setSettings(discordAt(service));
    QStringList outcomes;
    QObject::connect(&m_delivery, &Delivery::statusChanged, [&] {
        const QString outcome = m_delivery.status(Channel::Discord).lastOutcome;
        if (!outcome.isEmpty() && (outcomes.isEmpty() || outcomes.back() != outcome))
            outcomes.append(outcome);
    });
    m_delivery.post(alertNumbered(1));
    ASSERT_TRUE(waitForOutcome(Channel::Discord, QStringLiteral("Delivered")));
    EXPECT_EQ(service.requests.size(), 3);
    EXPECT_EQ(outcomes, (QStringList{QStringLiteral("500 oops"), QStringLiteral("no answer within 0.3 seconds"),
                                     QStringLiteral("Delivered")}));
    EXPECT_EQ(service.requests[0].body, service.requests[2].body);
}

TEST_F(DeliveryTest, ARefusedConnectionIsRetriedAndGivenUpWithoutNamingTheAddress)
{
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const quint16 port = closed.serverPort();
    closed.close();
    Timing timing;
    timing.firstRetryMs = 20;
    timing.giveUpMs = 300;
    m_delivery.setTiming(timing);
    NotifySettings settings;
    settings.discordWebhook = QStringLiteral("http://127.0.0.1:%1/api/webhooks/1/SECRETtoken").arg(port);
    m_delivery.setSettings(settings);
    m_delivery.post(alertNumbered(1));
    ASSERT_TRUE(waitForOutcome(Channel::Discord, QStringLiteral("Given up: the connection was refused")));
    EXPECT_EQ(m_delivery.status(Channel::Discord).waiting, 0);
}

TEST_F(DeliveryTest, A429WaitsWhatTheServiceAsksThenSends)
{
    FakeService service;
    service.script({{429, R"({"message":"You are being rate limited.","retry_after":1.5,"global":false})"}, {204}});
    m_delivery.setSettings(discordAt(service));
    m_delivery.post(alertNumbered(1));
    ASSERT_TRUE(waitForOutcome(Channel::Discord, QStringLiteral("Delivered"), 8000));
    ASSERT_EQ(service.requests.size(), 2);
    EXPECT_GE(service.requests[1].atMs - service.requests[0].atMs, 1450);

    // The header, where a service sends one, says the same.
    service.requests.clear();
    service.script({{429, {}, {{"Retry-After", "0.4"}}}, {204}});
    m_delivery.post(alertNumbered(2));
    ASSERT_TRUE(service.waitForRequests(2, 5000));
    EXPECT_GE(service.requests[1].atMs - service.requests[0].atMs, 350);
}

TEST_F(DeliveryTest, A404StopsTheChannelOnceUntilItsSettingsChange)
{
    FakeService service;
    // The answer echoes the token: it must not reach the user's screen.
    service.script({{404, R"({"message":"Unknown Webhook SECRETtoken","code":10015})"}});
    m_delivery.setSettings(discordAt(service));
    QSignalSpy stopped(&m_delivery, &Delivery::channelStopped);
    m_delivery.post(alertNumbered(1));
    m_delivery.post(alertNumbered(2));
    ASSERT_TRUE(stopped.wait(5000));
    const QString answer = stopped.at(0).at(1).toString();
    EXPECT_TRUE(answer.startsWith(QStringLiteral("404 Unknown Webhook"))) << answer.toStdString();
    EXPECT_FALSE(answer.contains(QStringLiteral("SECRET")));
    EXPECT_TRUE(m_delivery.status(Channel::Discord).stopped);

    m_delivery.post(alertNumbered(3));
    QTest::qWait(200);
    EXPECT_EQ(service.requests.size(), 1) << "a stopped channel sends nothing";
    EXPECT_EQ(stopped.size(), 1);

    NotifySettings fixed = discordAt(service);
    fixed.discordWebhook.replace(QStringLiteral("/42/"), QStringLiteral("/43/"));
    m_delivery.setSettings(fixed);
    EXPECT_FALSE(m_delivery.status(Channel::Discord).stopped);
    m_delivery.post(alertNumbered(4));
    ASSERT_TRUE(waitForOutcome(Channel::Discord, QStringLiteral("Delivered")));
    EXPECT_TRUE(jsonOf(service.requests.back().body).value(QStringLiteral("content")).toString().contains(
        QStringLiteral("server 4")));
}

TEST_F(DeliveryTest, MessagesKeepTheirOrderAndAtMostTwentyWait)
{
    FakeService service;
    service.script({FakeService::Answer::hanging()});
    Timing timing;
    timing.transferTimeoutMs = 60'000;
    timing.firstRetryMs = 10;
    m_delivery.setTiming(timing);
    m_delivery.setSettings(discordAt(service));
    m_delivery.post(alertNumbered(0));
    ASSERT_TRUE(service.waitForRequests(1));
    for (int n = 1; n <= 25; ++n)
        m_delivery.post(alertNumbered(n));
    EXPECT_EQ(m_delivery.status(Channel::Discord).waiting, Delivery::maxWaiting);
    EXPECT_EQ(m_delivery.status(Channel::Discord).dropped, 5);

    // The held request fails, is sent again first, and the rest follow in order.
    service.releaseHanging();
    ASSERT_TRUE(service.waitForRequests(2 + Delivery::maxWaiting, 10000));
    ASSERT_TRUE(waitForOutcome(Channel::Discord, QStringLiteral("Delivered")));
    QStringList servers;
    for (const auto &request : std::as_const(service.requests)) {
        const QString content = jsonOf(request.body).value(QStringLiteral("content")).toString();
        servers.append(content.section(QStringLiteral(" on "), 1).section(QLatin1Char('\n'), 0, 0));
    }
    QStringList expected{QStringLiteral("server 0"), QStringLiteral("server 0")};
    for (int n = 6; n <= 25; ++n)
        expected.append(QStringLiteral("server %1").arg(n));
    EXPECT_EQ(servers, expected);
}

TEST_F(DeliveryTest, AServiceThatNeverAnswersDelaysNothingAndTimesOut)
{
    FakeService service;
    service.script({FakeService::Answer::hanging(), {204}});
    Timing timing;
    timing.transferTimeoutMs = 1500;
    timing.firstRetryMs = 10;
    m_delivery.setTiming(timing);
    m_delivery.setSettings(discordAt(service));
    m_delivery.post(alertNumbered(1));
    ASSERT_TRUE(service.waitForRequests(1));

    // A zero timer's lateness while the request is held: what the window's clicks would wait.
    std::vector<qint64> lateness;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 1000) {
        QElapsedTimer late;
        late.start();
        bool fired = false;
        QTimer::singleShot(0, [&] { fired = true; });
        while (!fired)
            QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        lateness.push_back(late.elapsed());
        QThread::msleep(2);
    }
    std::sort(lateness.rbegin(), lateness.rend());
    ASSERT_GE(lateness.size(), 10u);
    // One late turn on a busy machine is the scheduler's; a channel that held the loop would hold
    // it for the whole time-out, or on every turn.
    EXPECT_LT(lateness[1], 50) << "over " << lateness.size() << " turns";
    EXPECT_LT(lateness[0], 500);
    ASSERT_TRUE(waitForOutcome(Channel::Discord, QStringLiteral("Delivered"), 5000));
    EXPECT_EQ(service.requests.size(), 2);
}

TEST_F(DeliveryTest, ATestGoesAheadOfAlertsWaitingToBeRetried)
{
    FakeService service;
    service.script({{503}, {204}, {204}});
    Timing timing;
    timing.firstRetryMs = 60'000;
    m_delivery.setTiming(timing);
    m_delivery.setSettings(discordAt(service));
    m_delivery.post(alertNumbered(1));
    ASSERT_TRUE(waitForOutcome(Channel::Discord, QStringLiteral("503 Status")));
    m_delivery.sendTest(Channel::Discord);
    ASSERT_TRUE(service.waitForRequests(2, 2000)) << "the test waited for the retry";
    EXPECT_TRUE(jsonOf(service.requests[1].body).value(QStringLiteral("content")).toString().startsWith(
        QStringLiteral("Test: ")));
}

} // namespace
