#include "model/ClanFilter.h"

#include "model/mdlZibProcessing.h"
#include "platform/ProfileFile.h"

QString ClanFilter::sectionName(qint16 number)
{
    return QStringLiteral("CLANFILTER ") + QString::number(number);
}

void ClanFilter::deleteFromINI() const
{
    ProfileFile::deleteSection(mdlZibProcessing::settingsPath, sectionName(m_clanFilterNumber));
}

bool ClanFilter::saveToIni() const
{
    if (m_clanTag.isEmpty())
        return false;
    const QString section = sectionName(m_clanFilterNumber);
    const QString &path = mdlZibProcessing::settingsPath;
    ProfileFile::writeString(path, section, QStringLiteral("Tag"), m_clanTag);
    ProfileFile::writeString(path, section, QStringLiteral("Alert"), m_alert ? QStringLiteral("TRUE") : QStringLiteral("FALSE"));
    ProfileFile::writeString(path, section, QStringLiteral("Trigger"), QString::number(m_alertTrigger));
    return true;
}
