#include "platform/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>

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

// Pipe names are seen by every session on the machine: the user and the session (a second
// login of the same account over Remote Desktop runs a copy of its own) go into the name.
SingleInstance::Place SingleInstance::defaultPlace()
{
    DWORD session = 0;
    ProcessIdToSessionId(GetCurrentProcessId(), &session);
    const QByteArray key = userSid() + '/' + QByteArray::number(quint64(session));
    const QString name = QStringLiteral("zib-%1").arg(
        QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex().left(16)));
    return {QDir(QDir::tempPath()).filePath(name + QStringLiteral(".lock")), name};
}
