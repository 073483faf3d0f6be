#include "platform/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>

namespace {

// The user's name keeps two accounts on one machine from locking each other out.
QString userTag()
{
    const QByteArray hash =
        QCryptographicHash::hash(qEnvironmentVariable("USERNAME").toUtf8(), QCryptographicHash::Sha1).toHex();
    return QString::fromLatin1(hash.left(12));
}

} // namespace

SingleInstance::Place SingleInstance::defaultPlace()
{
    const QString name = QStringLiteral("zib-%1").arg(userTag());
    return {QDir(QDir::tempPath()).filePath(name + QStringLiteral(".lock")), name};
}
