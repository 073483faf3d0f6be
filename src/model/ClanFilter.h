#pragma once

#include <QString>

namespace ProfileFile {
class Batch;
}

// One clan filter: the tag looked for in player names, whether a match raises an alert, and
// how many matching players on one server it takes.
class ClanFilter final
{
public:
    const QString &clanTag() const { return m_clanTag; }
    void setClanTag(const QString &value) { m_clanTag = value; }

    bool alert() const { return m_alert; }
    void setAlert(bool value) { m_alert = value; }

    qint16 alertTrigger() const { return m_alertTrigger; }
    void setAlertTrigger(qint16 value) { m_alertTrigger = value; }

    qint16 clanFilterNumber() const { return m_clanFilterNumber; }
    void setClanFilterNumber(qint16 value) { m_clanFilterNumber = value; }

    /// Removes this filter's section from the settings file.
    void deleteFromINI() const;
    void deleteFromINI(ProfileFile::Batch &batch) const;
    /// Writes the section when the tag is not empty.
    bool saveToIni() const;
    bool saveToIni(ProfileFile::Batch &batch) const;

    /// "CLANFILTER " and the number, the name of this filter's section.
    static QString sectionName(qint16 number);

private:
    QString m_clanTag;
    bool m_alert = false;
    qint16 m_alertTrigger = 0;
    qint16 m_clanFilterNumber = 0;
};
