#include "model/GameServer.h"

#include "model/mdlZibProcessing.h"
#include "platform/HostResolver.h"
#include "platform/ProfileFile.h"

QString GameServer::sectionName(qint16 number)
{
    return QStringLiteral("GAMESERVER ") + QString::number(number);
}

void GameServer::deleteFromINI() const
{
    ProfileFile::deleteSection(mdlZibProcessing::settingsPath, sectionName(m_serverNumber));
}

bool GameServer::saveToIni()
{
    const QString section = sectionName(m_serverNumber);
    // The stored address becomes what replies will carry as their sender, whatever happens next.
    m_address = GetIPFromHostName(m_address);
    if (m_address.isEmpty() || m_name.isEmpty())
        return false;
    const QString &path = mdlZibProcessing::settingsPath;
    ProfileFile::writeString(path, section, QStringLiteral("Name"), m_name);
    ProfileFile::writeString(path, section, QStringLiteral("Address"), m_address);
    ProfileFile::writeString(path, section, QStringLiteral("Port"), QString::number(m_port));
    return true;
}

QString GameServer::toString() const
{
    return m_name + u':' + m_address + u':' + QString::number(m_port);
}

QString GameServer::toStringPlayers() const
{
    QString text;
    for (const QString &player : m_playerNames)
        text += player + QStringLiteral("\r\n");
    return text;
}

QString GameServer::GetIPFromHostName(const QString &sHostName) const
{
    return HostResolver::firstIPv4(sHostName);
}
