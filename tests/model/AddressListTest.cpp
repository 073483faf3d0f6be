#include "model/AddressList.h"

#include <gtest/gtest.h>

using AddressList::Address;

namespace {

std::string text(const Address &address)
{
    return AddressList::toText(address).toStdString();
}

} // namespace

TEST(AddressList, EveryFormAndSeparatorGivesItsAddress)
{
    const auto found = AddressList::parse(
        u"1.2.3.4:27015, hl.example.net:27016;steam://connect/10.0.0.3:27017\n"
        u"connect 10.0.0.4:27018\r\n\tCONNECT 10.0.0.5  steam://Connect/10.0.0.6/secret \"10.0.0.7:27019\"");
    ASSERT_TRUE(found.refused.isEmpty()) << found.refused.value(0).reason.toStdString();
    std::vector<std::string> got;
    for (const Address &address : found.addresses)
        got.push_back(text(address));
    EXPECT_EQ(got, (std::vector<std::string>{"1.2.3.4:27015", "hl.example.net:27016", "10.0.0.3:27017",
                                             "10.0.0.4:27018", "10.0.0.5:27015", "10.0.0.6:27015", "10.0.0.7:27019"}));
}

TEST(AddressList, ProseAroundTheAddressesIsPassedOver)
{
    const auto found = AddressList::parse(u"Join us at 10.1.1.1:27015 tonight, e.g. after 8. Also frag.example.org.");
    EXPECT_TRUE(found.refused.isEmpty());
    ASSERT_EQ(found.addresses.size(), 2);
    EXPECT_EQ(found.addresses[0], (Address{QStringLiteral("10.1.1.1"), 27015}));
    EXPECT_EQ(found.addresses[1], (Address{QStringLiteral("frag.example.org"), 27015}));
    const auto chat = AddressList::parse(u"[12:30:45] <Bob> connect 10.2.2.2:27016 at 20:00 (Time: 12:30:45)");
    EXPECT_TRUE(chat.refused.isEmpty()) << chat.refused.value(0).text.toStdString();
    EXPECT_EQ(chat.addresses, (QList<Address>{{QStringLiteral("10.2.2.2"), 27016}}));
    EXPECT_TRUE(AddressList::parse(u"nothing to see here").addresses.isEmpty());
    EXPECT_TRUE(AddressList::parse(u"").addresses.isEmpty());
}

// A word without a port is taken as a host only when it ends in a top-level domain in use.
TEST(AddressList, FileNamesInChatAreNoHosts)
{
    const auto found = AddressList::parse(u"put it in server.cfg and autoexec.cfg, then run hlds.exe (see readme.txt) "
                                          u"on Frag.Example.DE or xn--80ak6aa92e.xn--p1ai; 10.0.0.1 too");
    EXPECT_TRUE(found.refused.isEmpty()) << found.refused.value(0).text.toStdString();
    std::vector<std::string> got;
    for (const Address &address : found.addresses)
        got.push_back(text(address));
    EXPECT_EQ(got, (std::vector<std::string>{"Frag.Example.DE:27015", "xn--80ak6aa92e.xn--p1ai:27015", "10.0.0.1:27015"}));
    // With a port it is meant as an address whatever its ending.
    EXPECT_EQ(AddressList::parse(u"lan.box:27016").addresses, (QList<Address>{{QStringLiteral("lan.box"), 27016}}));
}

TEST(AddressList, BadPortsAndBadHostsAreRefusedWithAReason)
{
    for (const char16_t *bad : {u"10.0.0.1:0", u"10.0.0.1:65536", u"10.0.0.1:99999999", u"10.0.0.1:27a15",
                                u"10.0.0.1:-1", u"10.0.0.1:27015.5", u"host.example:+27015"}) {
        const auto one = AddressList::parseOne(bad);
        ASSERT_TRUE(std::holds_alternative<AddressList::Refused>(one)) << QString::fromUtf16(bad).toStdString();
        EXPECT_TRUE(std::get<AddressList::Refused>(one).reason.contains(QStringLiteral("1 to 65535")));
    }
    EXPECT_EQ(std::get<Address>(AddressList::parseOne(u"10.0.0.1:65535")).port, 65535);
    EXPECT_EQ(std::get<Address>(AddressList::parseOne(u"10.0.0.1:1")).port, 1);

    for (const char16_t *bad : {u"10.0.0.256:27015", u"10.0.0:27015", u"bad_name.example:27015", u":27015",
                                u"-lead.example.net"}) {
        const auto one = AddressList::parseOne(bad);
        EXPECT_TRUE(std::holds_alternative<AddressList::Refused>(one)) << QString::fromUtf16(bad).toStdString();
    }
    const auto found = AddressList::parse(u"10.0.0.1:70000 10.0.0.2:27015");
    ASSERT_EQ(found.addresses.size(), 1);
    ASSERT_EQ(found.refused.size(), 1);
    EXPECT_EQ(found.refused[0].text, QStringLiteral("10.0.0.1:70000"));
}

TEST(AddressList, IPv6IsRefusedAsSuch)
{
    for (const char16_t *v6 : {u"::1", u"[2001:db8::1]:27015", u"fe80::1%eth0", u"steam://connect/[::1]:27015",
                               u"2001:db8::7"}) {
        const auto found = AddressList::parse(v6);
        EXPECT_TRUE(found.addresses.isEmpty());
        ASSERT_EQ(found.refused.size(), 1) << QString::fromUtf16(v6).toStdString();
        EXPECT_TRUE(found.refused[0].reason.contains(QStringLiteral("IPv6")));
        EXPECT_TRUE(found.refused[0].reason.contains(QStringLiteral("IPv4")));
    }
}
