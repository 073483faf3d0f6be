#include "support/TestSupport.h"

#include "model/mdlZibProcessing.h"
#include "platform/Clock.h"
#include "platform/HostResolver.h"

#include <QFile>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

void SettingsFixture::SetUp()
{
    ASSERT_TRUE(m_dir.isValid());
    mdlZibProcessing::resetState();
    mdlZibProcessing::settingsPath = m_dir.filePath(QStringLiteral("ZIBsettings.ini"));
    resolveHosts({});
}

void SettingsFixture::TearDown()
{
    mdlZibProcessing::resetState();
    HostResolver::setLookup({});
    HostResolver::setAsyncLookup({});
    Clock::setSource({});
}

QByteArray SettingsFixture::fileBytes() const
{
    QFile file(mdlZibProcessing::settingsPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void SettingsFixture::writeFile(const QByteArray &bytes) const
{
    QFile file(mdlZibProcessing::settingsPath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

void SettingsFixture::resolveHosts(std::map<QString, QString> table)
{
    HostResolver::setLookup([table = std::move(table)](const QString &host) {
        const auto it = table.find(host);
        return it == table.end() ? QString() : it->second;
    });
}

QByteArray fromHex(const char *hex)
{
    return QByteArray::fromHex(QByteArray(hex).replace(' ', ""));
}

QString testDataPath(const QString &relative)
{
    return QStringLiteral(ZIB_TEST_DATA_DIR "/") + relative;
}

bool runningUnderWine()
{
#ifdef Q_OS_WIN
    // Wine's ntdll says who it is; Windows' own has no such export.
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
#else
    return false;
#endif
}
