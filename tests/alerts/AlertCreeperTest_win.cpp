#include "AlertFixtures.h"

#include "alerts/AlertController.h"
#include "alerts/AlertSound.h"
#include "alerts/alertCreeper.h"

#include <QTest>

#include <windows.h>

namespace {

class SilentSound final : public AlertSound
{
public:
    void play() override {}
};

class AlertCreeperWinTest : public SettingsFixture
{
protected:
    void SetUp() override
    {
        SettingsFixture::SetUp();
        addServer(QStringLiteral("Alpha"), {QStringLiteral("[X]a")});
        addFilter(QStringLiteral("[X]"), true, 1);
        m_controller = std::make_unique<AlertController>(std::make_unique<SilentSound>());
    }

    void TearDown() override
    {
        m_controller.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        SettingsFixture::TearDown();
    }

    std::unique_ptr<AlertController> m_controller;
};

} // namespace

// What Windows itself reads off the window: top-most over the game's window, no taskbar button
// of its own, no owner, and the keyboard left where it was.
TEST_F(AlertCreeperWinTest, ThePopupIsATopMostToolWindowThatTakesNoFocus)
{
    const HWND before = GetForegroundWindow();
    m_controller->showAlert(1, 1);
    alertCreeper *popup = m_controller->popup();
    ASSERT_NE(popup, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(popup));

    const auto hwnd = reinterpret_cast<HWND>(popup->winId());
    const LONG_PTR exStyle = GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW) << "a tool window gets no taskbar button";
    EXPECT_FALSE(exStyle & WS_EX_APPWINDOW);
    EXPECT_EQ(GetWindow(hwnd, GW_OWNER), nullptr);
    EXPECT_FALSE(GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_CAPTION);
    EXPECT_NE(GetForegroundWindow(), hwnd);
    if (before) {
        EXPECT_EQ(GetForegroundWindow(), before);
    }
}

