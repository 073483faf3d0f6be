#include "platform/HostResolver.h"

#include <gtest/gtest.h>

namespace {

class HostResolverTest : public ::testing::Test
{
protected:
    void TearDown() override { HostResolver::setLookup({}); }
};

TEST_F(HostResolverTest, DottedAddressesComeBackWithoutALookup)
{
    int lookups = 0;
    HostResolver::setLookup([&](const QString &) {
        ++lookups;
        return QStringLiteral("203.0.113.1");
    });
    EXPECT_EQ(HostResolver::firstIPv4(QStringLiteral("127.0.0.1")), QStringLiteral("127.0.0.1"));
    EXPECT_EQ(HostResolver::firstIPv4(QStringLiteral("10.0.0.1")), QStringLiteral("10.0.0.1"));
    EXPECT_EQ(HostResolver::firstIPv4(QStringLiteral("192.168.001.010")), QStringLiteral("192.168.1.10"));
    EXPECT_EQ(lookups, 0);
    EXPECT_EQ(HostResolver::firstIPv4(QStringLiteral("256.0.0.1")), QStringLiteral("203.0.113.1"));
    EXPECT_EQ(HostResolver::firstIPv4(QStringLiteral("game.example")), QStringLiteral("203.0.113.1"));
    EXPECT_EQ(lookups, 2);
}

TEST_F(HostResolverTest, EmptyNamesAreNotLookedUp)
{
    HostResolver::setLookup([](const QString &) { return QStringLiteral("203.0.113.1"); });
    EXPECT_EQ(HostResolver::firstIPv4(QString()), QString());
    EXPECT_EQ(HostResolver::firstIPv4(QStringLiteral("  ")), QString());
}

TEST_F(HostResolverTest, DottedFormIsStrict)
{
    for (const char *no : {"1.2.3", "1.2.3.4.5", "1..2.3", "a.b.c.d", "1.2.3.4 ", "1234.1.1.1", "-1.2.3.4"})
        EXPECT_EQ(HostResolver::dottedIPv4(QString::fromLatin1(no)), std::nullopt) << no;
}

TEST_F(HostResolverTest, LocalhostResolvesForReal)
{
    EXPECT_EQ(HostResolver::firstIPv4(QStringLiteral("localhost")), QStringLiteral("127.0.0.1"));
}

} // namespace
