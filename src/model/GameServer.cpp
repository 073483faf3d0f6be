#include "model/GameServer.h"

#include "model/mdlZibProcessing.h"
#include "platform/HostResolver.h"
#include "platform/settingsfile/ProfileFile.h"

QString GameServer::sectionName(qint16 number)
{
    return QStringLiteral("GAMESERVER ") + QString::number(number);
}

void GameServer::deleteFromINI() const
{
    ProfileFile::Batch batch(mdlZibProcessing::settingsPath);
    deleteFromINI(batch);
    batch.commit();
}

void GameServer::deleteFromINI(ProfileFile::Batch &batch) const
{
    batch.deleteSection(sectionName(m_serverNumber));
}

bool GameServer::saveToIni()
{
    ProfileFile::Batch batch(mdlZibProcessing::settingsPath);
    const bool saved = saveToIni(batch);
    batch.commit();
    return saved;
}

bool GameServer::saveToIni(ProfileFile::Batch &batch)
{
    // The stored address becomes what replies will carry as their sender, whatever happens next.
    m_address = GetIPFromHostName(m_address);
    return writeToIni(batch);
}

bool GameServer::writeToIni(ProfileFile::Batch &batch) const
{
    if (m_address.isEmpty() || m_name.isEmpty())
        return false;
    const QString section = sectionName(m_serverNumber);
    if (m_nameBytes.isEmpty())
        batch.writeString(section, QStringLiteral("Name"), m_name);
    else
        batch.writeBytes(section, QStringLiteral("Name"), m_nameBytes);
    batch.writeString(section, QStringLiteral("Address"), m_address);
    batch.writeString(section, QStringLiteral("Port"), QString::number(m_port));
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
