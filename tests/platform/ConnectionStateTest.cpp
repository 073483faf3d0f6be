#include "platform/ConnectionState.h"

#include <gtest/gtest.h>

TEST(ConnectionStateRule, OnlyExactlyModemBusyOrNoConnectionStartsOffline)
{
    struct Case
    {
        bool connected;
        quint32 flags;
        bool online;
    };
    const Case cases[] = {
        {true, 0x08, false},  // exactly "modem busy"
        {true, 0x09, true},   // that bit and another: a plain comparison, not a bit test
        {true, 0x18, true},
        {true, 0x02, true},
        {true, 0x00, true},
        {false, 0x02, false},
        {false, 0x00, false},
        {false, 0x09, false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ConnectionState::startsOnline({c.connected, c.flags}), c.online) << c.connected << " " << c.flags;
}

TEST(ConnectionStateRule, TheSystemsAnswerIsConsistent)
{
    const ConnectionState::State state = ConnectionState::current();
    // Connected answers carry a connection kind; the offline answer says so in its flags.
    if (state.connected) {
        EXPECT_NE(state.flags, ConnectionState::modemBusy);
        EXPECT_TRUE(ConnectionState::startsOnline(state));
    } else {
        EXPECT_EQ(state.flags, ConnectionState::offline);
        EXPECT_FALSE(ConnectionState::startsOnline(state));
    }
}
