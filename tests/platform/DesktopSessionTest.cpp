#include "platform/DesktopSession.h"

#include <gtest/gtest.h>

using DesktopSession::Environment;
using DesktopSession::preferredPlatform;

TEST(PlatformChoice, AWaylandSessionWithX11AtHandGetsX11ThenWayland)
{
    // A DISPLAY that leads nowhere must not end the program: Wayland stays on the list.
    const std::optional<QByteArray> xcb = QByteArrayLiteral("xcb;wayland");
    EXPECT_EQ(preferredPlatform({std::nullopt, QByteArrayLiteral(":0"), QByteArrayLiteral("wayland-0"), std::nullopt}), xcb);
    EXPECT_EQ(preferredPlatform({std::nullopt, QByteArrayLiteral(":1"), std::nullopt, QByteArrayLiteral("wayland")}), xcb);
    EXPECT_EQ(preferredPlatform({std::nullopt, QByteArrayLiteral(":1"), std::nullopt, QByteArrayLiteral("Wayland")}), xcb);
}

TEST(PlatformChoice, QtIsLeftToChooseOtherwise)
{
    // The user chose, even if the choice is empty.
    EXPECT_EQ(preferredPlatform({QByteArrayLiteral("wayland"), QByteArrayLiteral(":0"), QByteArrayLiteral("wayland-0"),
                                 QByteArrayLiteral("wayland")}),
              std::nullopt);
    EXPECT_EQ(preferredPlatform({QByteArray(), QByteArrayLiteral(":0"), QByteArrayLiteral("wayland-0"), std::nullopt}),
              std::nullopt);
    // No X11 server to go to.
    EXPECT_EQ(preferredPlatform({std::nullopt, std::nullopt, QByteArrayLiteral("wayland-0"), QByteArrayLiteral("wayland")}),
              std::nullopt);
    EXPECT_EQ(preferredPlatform({std::nullopt, QByteArray(), QByteArrayLiteral("wayland-0"), std::nullopt}), std::nullopt);
    // An X11 session, a console, or a headless run: Qt's own choice is the right one.
    EXPECT_EQ(preferredPlatform({std::nullopt, QByteArrayLiteral(":0"), std::nullopt, QByteArrayLiteral("x11")}),
              std::nullopt);
    EXPECT_EQ(preferredPlatform({std::nullopt, QByteArrayLiteral(":0"), QByteArray(), QByteArrayLiteral("tty")}),
              std::nullopt);
    EXPECT_EQ(preferredPlatform({}), std::nullopt);
}
