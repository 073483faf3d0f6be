#include "platform/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QStandardPaths>

#include <qt_windows.h>

#include <sddl.h>

namespace {

// The account's security id, which neither the environment nor a renamed account changes.
QByteArray userSid()
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return qgetenv("USERNAME");
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    QByteArray buffer(int(size), '\0');
    QByteArray sid = qgetenv("USERNAME");
    if (size > 0 && GetTokenInformation(token, TokenUser, buffer.data(), size, &size)) {
        wchar_t *text = nullptr;
        if (ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER *>(buffer.data())->User.Sid, &text)) {
            sid = QString::fromWCharArray(text).toUtf8();
            LocalFree(text);
        }
    }
    CloseHandle(token);
    return sid;
}

} // namespace

// One copy per account, not per login session: every session of an account (a second login
// over Remote Desktop, a switched user left logged in) reads and writes the same settings file,
// and two copies would each overwrite the other's servers. Pipe names are seen by every session
// on the machine, so the account's id alone makes the name. The lock sits in the account's local
// application data, not in the temporary folder, which Remote Desktop may give each session
// a folder of its own in.
SingleInstance::Place SingleInstance::defaultPlace()
{
    DWORD session = 0;
    ProcessIdToSessionId(GetCurrentProcessId(), &session);
    const QString name = QStringLiteral("zib-%1").arg(
        QString::fromLatin1(QCryptographicHash::hash(userSid(), QCryptographicHash::Sha1).toHex().left(16)));
    QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::tempPath();
    return {QDir(folder).filePath(name + QStringLiteral(".lock")), name, QString::number(quint64(session))};
}
