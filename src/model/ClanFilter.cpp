#include "model/ClanFilter.h"

#include "model/mdlZibProcessing.h"
#include "platform/settingsfile/ProfileFile.h"

QString ClanFilter::sectionName(qint16 number)
{
    return QStringLiteral("CLANFILTER ") + QString::number(number);
}

void ClanFilter::deleteFromINI() const
{
    ProfileFile::Batch batch(mdlZibProcessing::settingsPath);
    deleteFromINI(batch);
    batch.commit();
}

void ClanFilter::deleteFromINI(ProfileFile::Batch &batch) const
{
    batch.deleteSection(sectionName(m_clanFilterNumber));
}

bool ClanFilter::saveToIni() const
{
    ProfileFile::Batch batch(mdlZibProcessing::settingsPath);
    const bool saved = saveToIni(batch);
    batch.commit();
    return saved;
}

bool ClanFilter::saveToIni(ProfileFile::Batch &batch) const
{
    if (m_clanTag.isEmpty())
        return false;
    const QString section = sectionName(m_clanFilterNumber);
    batch.writeString(section, QStringLiteral("Tag"), m_clanTag);
    batch.writeString(section, QStringLiteral("Alert"), m_alert ? QStringLiteral("TRUE") : QStringLiteral("FALSE"));
    batch.writeString(section, QStringLiteral("Trigger"), QString::number(m_alertTrigger));
    return true;
}
