#pragma once

#include <QString>
#include <QStringList>

#include <chrono>
#include <optional>
#include <utility>

namespace ProfileFile {
class Batch;
}

// One watched game server: where it is, what the settings file stores about it, and the live
// values its last replies left.
class GameServer final
{
public:
    qint16 serverNumber() const { return m_serverNumber; }
    void setServerNumber(qint16 value) { m_serverNumber = value; }

    const QString &address() const { return m_address; }
    void setAddress(const QString &value)
    {
        m_address = value;
        m_key.clear();
    }

    qint32 port() const { return m_port; }
    void setPort(qint32 value)
    {
        m_port = value;
        m_key.clear();
    }

    /// "address:port", what the history knows the server by; made once, not at every pass.
    const QString &key() const
    {
        if (m_key.isEmpty())
            m_key = m_address + u':' + QString::number(m_port);
        return m_key;
    }

    const QString &name() const { return m_name; }
    void setName(const QString &value)
    {
        m_name = value;
        m_nameBytes.clear();
    }
    /// The name a server gave itself, with the bytes it came in: the settings file keeps those
    /// bytes, whatever the file's own encoding, as what the server called itself.
    void setLearnedName(const QString &text, const QByteArray &bytes)
    {
        m_name = text;
        m_nameBytes = bytes;
    }

    const QString &mapName() const { return m_mapName; }
    void setMapName(const QString &value) { m_mapName = value; }

    qint16 maxPlayers() const { return m_maxPlayers; }
    void setMaxPlayers(qint16 value) { m_maxPlayers = value; }

    qint16 activePlayers() const { return m_activePlayers; }
    void setActivePlayers(qint16 value) { m_activePlayers = value; }

    qint16 filterPlayers() const { return m_filterPlayers; }
    void setFilterPlayers(qint16 value) { m_filterPlayers = value; }

    const QStringList &playerNames() const { return m_playerNames; }
    void setPlayerNames(const QStringList &value) { m_playerNames = value; }
    void setPlayerNames(QStringList &&value) { m_playerNames = std::move(value); }

    /// How long the last reply took to come back; nothing while none has come.
    std::optional<std::chrono::milliseconds> lastRoundTrip() const { return m_lastRoundTrip; }
    /// Called for every reply: it also marks the server as having answered since the last pass.
    void setLastRoundTrip(std::chrono::milliseconds value)
    {
        m_lastRoundTrip = value;
        m_answeredSincePass = true;
    }
    /// Whether a reply came since the last call, which starts the next interval.
    bool takeAnsweredSincePass() { return std::exchange(m_answeredSincePass, false); }

    /// Removes this server's section from the settings file.
    void deleteFromINI() const;
    void deleteFromINI(ProfileFile::Batch &batch) const;
    /// Resolves the address, then writes the section when there is an address and a name.
    bool saveToIni();
    bool saveToIni(ProfileFile::Batch &batch);
    /// saveToIni without the resolution, for an address already resolved.
    bool writeToIni(ProfileFile::Batch &batch) const;
    /// name:address:port
    QString toString() const;
    /// Every player name followed by CR LF.
    QString toStringPlayers() const;
    QString GetIPFromHostName(const QString &sHostName) const;

    /// "GAMESERVER " and the number, the name of this server's section.
    static QString sectionName(qint16 number);

private:
    qint16 m_serverNumber = 0;
    QString m_address;
    qint32 m_port = 0;
    mutable QString m_key;
    QString m_name;
    QByteArray m_nameBytes;
    QString m_mapName;
    qint16 m_maxPlayers = 0;
    qint16 m_activePlayers = 0;
    qint16 m_filterPlayers = 0;
    QStringList m_playerNames;
    std::optional<std::chrono::milliseconds> m_lastRoundTrip;
    bool m_answeredSincePass = false;
};
