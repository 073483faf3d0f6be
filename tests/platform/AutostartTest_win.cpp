#include "platform/Autostart.h"

#include <QSettings>
#include <QUuid>

#include <gtest/gtest.h>

namespace {

// A key of the test's own stands in for the user's Run key.
class AutostartWinTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        QSettings(QStringLiteral("HKEY_CURRENT_USER\\Software"), QSettings::NativeFormat).remove(m_name);
    }
    QString runKey() const { return QStringLiteral("HKEY_CURRENT_USER\\Software\\") + m_name; }

    const QString m_name = QStringLiteral("Zib-test-") + QUuid::createUuid().toString(QUuid::Id128);
};

} // namespace

TEST_F(AutostartWinTest, TheRunValueStartsThisProgramByItsQuotedPathHidden)
{
    EXPECT_TRUE(Autostart::isSupported());
    EXPECT_EQ(Autostart::command(QStringLiteral("C:/Program Files/Zib/zib.exe"), QStringLiteral("zib")),
              QStringLiteral("C:\\Program Files\\Zib\\zib.exe"));
    EXPECT_EQ(Autostart::entryText(QStringLiteral("C:\\Program Files\\Zib\\zib.exe")),
              QByteArray("\"C:\\Program Files\\Zib\\zib.exe\" --minimized"));
    EXPECT_EQ(Autostart::userConfigHome(),
              QStringLiteral("HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run"));
}

TEST_F(AutostartWinTest, SwitchingOnWritesTheValueAndOffRemovesIt)
{
    const QString program = QStringLiteral("D:\\Games\\Zib 0.1\\zib.exe");
    EXPECT_FALSE(Autostart::isEnabled(runKey()));
    ASSERT_TRUE(Autostart::setEnabled(runKey(), true, program));
    EXPECT_TRUE(Autostart::isEnabled(runKey()));
    // What Windows reads at login: the value's own text.
    EXPECT_EQ(QSettings(runKey(), QSettings::NativeFormat).value(QStringLiteral("Zib")).toString(),
              QStringLiteral("\"D:\\Games\\Zib 0.1\\zib.exe\" --minimized"));
    EXPECT_EQ(Autostart::storedEntry(runKey()), Autostart::entryText(program));

    EXPECT_TRUE(Autostart::setEnabled(runKey(), false, program));
    EXPECT_FALSE(Autostart::isEnabled(runKey()));
    EXPECT_TRUE(Autostart::setEnabled(runKey(), false, program)) << "already off";
}
