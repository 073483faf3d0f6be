#include "platform/LinkHandlers.h"

#include <QCoreApplication>
#include <QSettings>

#include <gtest/gtest.h>

// A scheme of the test's own, registered for the user as a program installing itself would.
TEST(LinkHandlers, AsksTheRegistryForTheSchemesProgram)
{
    const QString scheme = QStringLiteral("zibtest%1").arg(QCoreApplication::applicationPid());
    const QString key = QStringLiteral("HKEY_CURRENT_USER\\Software\\Classes\\") + scheme;
    EXPECT_EQ(LinkHandlers::hasHandler(scheme), std::optional<bool>(false));
    {
        QSettings classes(key, QSettings::NativeFormat);
        classes.setValue(QStringLiteral("URL Protocol"), QString());
        classes.setValue(QStringLiteral("shell/open/command/."), QStringLiteral("\"C:\\zib\\open.exe\" \"%1\""));
        classes.sync();
        ASSERT_EQ(classes.status(), QSettings::NoError);
    }
    EXPECT_EQ(LinkHandlers::hasHandler(scheme), std::optional<bool>(true));
    QSettings(key, QSettings::NativeFormat).remove(QString());
    QSettings(QStringLiteral("HKEY_CURRENT_USER\\Software\\Classes"), QSettings::NativeFormat).remove(scheme);
    EXPECT_EQ(LinkHandlers::hasHandler(scheme), std::optional<bool>(false));
}
