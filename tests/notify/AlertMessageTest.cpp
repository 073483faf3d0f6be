// What each service is sent for names a server chose to be hostile.
#include "notify/AlertMessage.h"
#include "notify/Delivery.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace notify;

namespace {

QJsonObject jsonOf(const QByteArray &body)
{
    return QJsonDocument::fromJson(body).object();
}

AlertMessage hostile()
{
    AlertMessage message = testMessage();
    message.test = false;
    message.clanTag = QStringLiteral("[X]");
    message.serverName = QStringLiteral("**Free** _VIP_\r\nhttps://evil.example @here");
    message.mapName = QStringLiteral("de_`dust`");
    message.matchingPlayers = {QStringLiteral("[X]@everyone"), QStringLiteral("[X]*_~|spoiler|~_*"),
                               QStringLiteral("[X]line\r\nbreak"), QStringLiteral("[X]") + QString(3000, QLatin1Char('W')),
                               QStringLiteral("[X]Лёша 🎮")};
    message.count = int(message.matchingPlayers.size());
    return message;
}

TEST(AlertMessage, EveryChannelNamesTheTagCountServerMapPlayersAndHowToJoin)
{
    const AlertMessage message = testMessage();
    const QString telegram = jsonOf(telegramBody(message, QStringLiteral("1"))).value(QStringLiteral("text")).toString();
    const QJsonObject ntfy = jsonOf(ntfyBody(message, QStringLiteral("topic")));
    const QString ntfyText = ntfy.value(QStringLiteral("title")).toString() + QLatin1Char('\n')
                             + ntfy.value(QStringLiteral("message")).toString();
    for (const QString &text : {telegram, ntfyText}) {
        EXPECT_EQ(text.section(QLatin1Char('\n'), 0, 1),
                  QStringLiteral("Test: [X] 3 of 2 on Zib test message\nMap crossfire, players 7/16"));
        EXPECT_TRUE(text.contains(QStringLiteral("\n[X]Alpha\n[X]Bravo\n[X]Charlie\n")));
        EXPECT_TRUE(text.endsWith(QStringLiteral("\nconnect 192.0.2.1:27015\nsteam://connect/192.0.2.1:27015")));
    }
}

TEST(AlertMessage, DiscordPingsNobodyAndShowsMarkdownAsTyped)
{
    const QJsonObject body = jsonOf(discordBody(hostile()));
    EXPECT_EQ(body.value(QStringLiteral("allowed_mentions")).toObject().value(QStringLiteral("parse")), QJsonArray());
    const QString content = body.value(QStringLiteral("content")).toString();
    EXPECT_LE(content.size(), discordMaxChars);
    EXPECT_TRUE(content.contains(QStringLiteral("\\[X\\]\\@everyone")));
    EXPECT_TRUE(content.contains(QStringLiteral("\\*\\_\\~\\|spoiler\\|\\~\\_\\*")));
    EXPECT_TRUE(content.contains(QStringLiteral("\\*\\*Free\\*\\* \\_VIP\\_")));
    EXPECT_TRUE(content.contains(QStringLiteral("de\\_\\`dust\\`")));
    // Every unescaped markup character is ours: outside the names there is none.
    QString names = content;
    names.remove(QRegularExpression(QStringLiteral(R"(\\.)")));
    EXPECT_FALSE(names.contains(QRegularExpression(QStringLiteral("[*_~`|@]")))) << names.toStdString();
    EXPECT_TRUE(content.endsWith(QStringLiteral("steam://connect/192.0.2.1:27015")));
}

TEST(AlertMessage, NamesNeverAddALineAndLongOnesAreCutBeforeTheLimits)
{
    const AlertMessage message = hostile();
    const QString telegram = jsonOf(telegramBody(message, QStringLiteral("@c"))).value(QStringLiteral("text")).toString();
    EXPECT_LE(telegram.size(), telegramMaxChars);
    // Title, map line, one line per player, the two join lines.
    EXPECT_EQ(telegram.count(QLatin1Char('\n')), 1 + 1 + message.matchingPlayers.size() + 1);
    EXPECT_FALSE(telegram.contains(QLatin1Char('\r')));
    EXPECT_TRUE(telegram.contains(QStringLiteral("[X]line\u240D\u240Abreak")));
    EXPECT_TRUE(telegram.contains(QStringLiteral("[X]Лёша 🎮")));
    EXPECT_TRUE(telegram.contains(QStringLiteral("[X]WWW")));
    EXPECT_FALSE(telegram.contains(QString(maxNameChars, QLatin1Char('W'))));

    // Many long names: the list is cut, says so, and the way to join stays.
    AlertMessage crowd = message;
    crowd.matchingPlayers.clear();
    for (int n = 0; n < 200; ++n)
        crowd.matchingPlayers.append(QStringLiteral("[X]player%1_").arg(n) + QString(60, QLatin1Char('y')));
    const QString discord = jsonOf(discordBody(crowd)).value(QStringLiteral("content")).toString();
    EXPECT_LE(discord.size(), discordMaxChars);
    EXPECT_TRUE(discord.contains(QRegularExpression(QStringLiteral("\nand \\d+ more\n"))));
    EXPECT_TRUE(discord.endsWith(QStringLiteral("connect 192.0.2.1:27015\nsteam://connect/192.0.2.1:27015")));
    const QString text = jsonOf(telegramBody(crowd, QStringLiteral("1"))).value(QStringLiteral("text")).toString();
    EXPECT_LE(text.size(), telegramMaxChars);
    EXPECT_TRUE(text.endsWith(QStringLiteral("steam://connect/192.0.2.1:27015")));
}

TEST(AlertMessage, NoNameTravelsInAHeader)
{
    NotifySettings settings;
    settings.discordWebhook = QStringLiteral("https://discord.example/api/webhooks/1/t");
    settings.telegramToken = QStringLiteral("1:t");
    settings.telegramChat = QStringLiteral("1");
    settings.ntfyUrl = QStringLiteral("https://ntfy.example/topic");
    settings.ntfyToken = QStringLiteral("tk");
    for (const Channel channel : httpChannels) {
        const auto request = buildRequest(channel, settings, hostile());
        ASSERT_TRUE(request) << channelName(channel).toStdString();
        for (const auto &[name, value] : request->headers)
            EXPECT_TRUE(name == "Content-Type" || (name == "Authorization" && value == "Bearer tk")) << name.data();
        EXPECT_FALSE(request->url.toString().contains(QStringLiteral("evil")));
    }
    const QJsonObject ntfy = jsonOf(buildRequest(Channel::Ntfy, settings, hostile())->body);
    EXPECT_FALSE(ntfy.value(QStringLiteral("title")).toString().contains(QLatin1Char('\n')));
}

TEST(NotifySettings, OnlyHttpAndHttpsAddressesAreTaken)
{
    NotifySettings settings;
    settings.discordWebhook = QStringLiteral("http://192.168.1.5:8080/api/webhooks/1/x");
    settings.ntfyUrl = QStringLiteral("https://ntfy.sh/zib");
    settings.telegramApi = QStringLiteral("http://bots.lan");
    EXPECT_TRUE(problems(settings).isEmpty()) << problems(settings).join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(ntfyTarget(settings.ntfyUrl)->root, QUrl(QStringLiteral("https://ntfy.sh/")));

    settings.discordWebhook = QStringLiteral("file:///etc/passwd");
    settings.ntfyUrl = QStringLiteral("ntfy.sh/zib");
    settings.telegramToken = QStringLiteral("1:abc/../../x");
    const QStringList found = problems(settings);
    EXPECT_EQ(found.size(), 4) << found.join(QLatin1Char('\n')).toStdString();
    EXPECT_FALSE(buildRequest(Channel::Discord, settings, testMessage()));
    EXPECT_FALSE(buildRequest(Channel::Telegram, settings, testMessage()));
}

} // namespace
