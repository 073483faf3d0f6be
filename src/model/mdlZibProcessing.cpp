#include "model/mdlZibProcessing.h"

#include "model/Numeric.h"
#include "platform/AppPaths.h"
#include "platform/SecretFile.h"
#include "platform/settingsfile/ProfileFile.h"

#include <QCoreApplication>

#include <limits>
#include <optional>
#include <utility>

namespace mdlZibProcessing {

namespace {

// Changes the file could not take yet: the next save adds its own to them and writes them all.
struct Unsaved
{
    QString path;
    std::optional<ProfileFile::Batch> batch;
    QString error;
    /// The held changes include one the user made, and was told is kept for the next save.
    bool usersChange = false;
};

int ownSavesOpen = 0;

Unsaved &unsaved()
{
    static Unsaved instance;
    return instance;
}

ProfileFile::Batch openBatch()
{
    Unsaved &kept = unsaved();
    if (kept.batch && kept.path == settingsPath) {
        ProfileFile::Batch batch = std::move(*kept.batch);
        kept.batch.reset();
        return batch;
    }
    kept.batch.reset();
    kept.usersChange = false;
    return ProfileFile::Batch(settingsPath);
}

// The "ZIB NOTIFY" keys, in the order they are written.
struct NotifyKey
{
    QString key;
    QString notify::NotifySettings::*value;
};

const QList<NotifyKey> &notifyKeys()
{
    static const QList<NotifyKey> keys{
        {QStringLiteral("DiscordWebhook"), &notify::NotifySettings::discordWebhook},
        {QStringLiteral("TelegramToken"), &notify::NotifySettings::telegramToken},
        {QStringLiteral("TelegramChat"), &notify::NotifySettings::telegramChat},
        {QStringLiteral("TelegramApi"), &notify::NotifySettings::telegramApi},
        {QStringLiteral("NtfyUrl"), &notify::NotifySettings::ntfyUrl},
        {QStringLiteral("NtfyToken"), &notify::NotifySettings::ntfyToken},
    };
    return keys;
}

notify::NotifySettings readNotifySettings(const ProfileFile::Batch &file)
{
    notify::NotifySettings settings;
    settings.desktop = file.readString(notify::notifySection, QStringLiteral("Desktop"), QString()).trimmed()
                       == QStringLiteral("1");
    for (const NotifyKey &key : notifyKeys())
        settings.*key.value = file.readString(notify::notifySection, key.key, QString()).trimmed();
    return settings;
}

bool commit(ProfileFile::Batch &batch)
{
    Unsaved &kept = unsaved();
    // Every write of a file that holds a token (whoever put it there, by hand or through the
    // window) keeps it from other users; the mode is set before the bytes go in.
    const bool keptPrivate = !readNotifySettings(batch).holdsSecret() || SecretFile::restrictToOwner(settingsPath);
    if (keptPrivate && batch.commit()) {
        kept.usersChange = false;
        return true;
    }
    kept.usersChange = kept.usersChange || (ownSavesOpen == 0 && batch.hasChanges());
    kept.error = keptPrivate ? batch.errorString()
                             : QCoreApplication::translate("mdlZibProcessing",
                                                         "it holds a token and could not be made readable by you alone");
    kept.path = settingsPath;
    kept.batch = std::move(batch);
    return false;
}

// Host names are turned into addresses before the file is read for a save: a lookup may take
// seconds, and the save should not start from the file as it was before them.
void resolveAddresses(const ServerList &servers)
{
    for (const auto &server : servers)
        server->setAddress(server->GetIPFromHostName(server->address()));
}

void resolveAddresses(const FilterList &)
{
}

bool writeRecord(const GameServer &server, ProfileFile::Batch &batch)
{
    return server.writeToIni(batch);
}

bool writeRecord(const ClanFilter &filter, ProfileFile::Batch &batch)
{
    return filter.saveToIni(batch);
}

// A hand-edited value that is no number, or does not fit, reads as the key's default.
qint16 readInt16(const ProfileFile::Batch &file, const QString &section, const QString &key, qint16 defaultValue)
{
    return Numeric::toInt16(file.readString(section, key, QString::number(defaultValue))).value_or(defaultValue);
}

qint32 readInt32(const ProfileFile::Batch &file, const QString &section, const QString &key, qint32 defaultValue)
{
    return Numeric::toInt32(file.readString(section, key, QString::number(defaultValue))).value_or(defaultValue);
}

// The keys of one section as the file holds them, or nothing when the section has no marker key.
using SectionValues = QList<std::pair<QString, QString>>;

std::optional<SectionValues> readSection(const ProfileFile::Batch &batch, const QString &section,
                                        const QString &markerKey, const QStringList &keys)
{
    if (batch.readString(section, markerKey, endMarker) == endMarker)
        return std::nullopt;
    SectionValues values;
    for (const QString &key : keys) {
        const QString value = batch.readString(section, key, endMarker);
        if (value != endMarker)
            values.append({key, value});
    }
    return values;
}

void writeSection(ProfileFile::Batch &batch, const QString &section, const SectionValues &values)
{
    for (const auto &[key, value] : values)
        batch.writeString(section, key, value);
}

qint16 numberOf(const GameServer &server)
{
    return server.serverNumber();
}

qint16 numberOf(const ClanFilter &filter)
{
    return filter.clanFilterNumber();
}

void renumber(GameServer &server, qint16 number)
{
    server.setServerNumber(number);
}

void renumber(ClanFilter &filter, qint16 number)
{
    filter.setClanFilterNumber(number);
}

// Removal keeps the numbers 1..n without a gap: the last record takes the removed one's number.
// When the moved record cannot be written under its new number (no name, an address that does
// not resolve right now), the values its old section held are carried over instead, so neither
// the record nor the numbering is lost.
template<typename Record>
bool removeAndRenumber(QList<std::shared_ptr<Record>> &list, qint16 n, const QString &markerKey,
                       const QStringList &keys, void (*load)())
{
    if (n < 1 || n > list.size())
        return true;
    resolveAddresses(list);
    // Every step below goes into one write of the file.
    ProfileFile::Batch batch = openBatch();
    list[n - 1]->deleteFromINI(batch);
    list.removeAt(n - 1);

    std::shared_ptr<Record> moved;
    SectionValues carried;
    if (n != list.size() + 1) {
        moved = list.back();
        if (const auto values = readSection(batch, Record::sectionName(numberOf(*moved)), markerKey, keys))
            carried = *values;
        moved->deleteFromINI(batch);
        renumber(*moved, n);
    }

    for (const auto &record : std::as_const(list)) {
        if (!writeRecord(*record, batch) && record == moved)
            writeSection(batch, Record::sectionName(n), carried);
    }
    // In memory as the reload below would read it, should the file not take the change.
    if (moved)
        list.move(list.size() - 1, n - 1);
    if (!commit(batch))
        return false;
    load();
    return true;
}

} // namespace

QString defaultSettingsPath()
{
    return AppPaths::settingsPath();
}

// Each load reads every key from one image of the file, taken once (a batch that is never
// committed): a list of a thousand servers is three thousand reads.
void loadSettings()
{
    const ProfileFile::Batch file(settingsPath);
    CheckSpeed = readInt16(file, settingsSection, QStringLiteral("CheckSpeed"), 30);
    AlertSpeed = readInt16(file, settingsSection, QStringLiteral("AlertSpeed"), 5);
    AlertPlaySound = readInt16(file, settingsSection, QStringLiteral("AlertPlaySound"), 1);
    HistoryRecording = file.readString(settingsSection, QStringLiteral("History"), QStringLiteral("1")).trimmed()
                       != QLatin1String("0");
}

bool saveSettings(const QString &checkSpeed, const QString &alertSpeed, const QString &playSound)
{
    AppPaths::makeFolderFor(settingsPath);
    ProfileFile::Batch batch = openBatch();
    if (Numeric::isNumeric(checkSpeed) && Numeric::isNumeric(alertSpeed)) {
        batch.writeString(settingsSection, QStringLiteral("CheckSpeed"), checkSpeed);
        batch.writeString(settingsSection, QStringLiteral("AlertSpeed"), alertSpeed);
    }
    batch.writeString(settingsSection, QStringLiteral("AlertPlaySound"), playSound);
    if (!commit(batch))
        return false;
    loadSettings();
    return true;
}

void loadGameServers()
{
    const ProfileFile::Batch file(settingsPath);
    ServerList list;
    for (qint16 n = 1; n < std::numeric_limits<qint16>::max(); ++n) {
        const QString section = GameServer::sectionName(n);
        auto server = std::make_shared<GameServer>();
        server->setName(file.readString(section, QStringLiteral("Name"), endMarker));
        server->setAddress(file.readString(section, QStringLiteral("Address"), endMarker));
        server->setPort(readInt32(file, section, QStringLiteral("Port"), 0));
        if (server->address() == endMarker)
            break;
        server->setServerNumber(n);
        list.append(std::move(server));
    }
    gameServers = std::move(list);
}

bool saveGameServers()
{
    if (!gameServers.isEmpty())
        AppPaths::makeFolderFor(settingsPath);
    resolveAddresses(gameServers);
    ProfileFile::Batch batch = openBatch();
    for (const auto &server : std::as_const(gameServers))
        server->writeToIni(batch);
    return commit(batch);
}

bool appendGameServers(ServerList added)
{
    if (added.isEmpty())
        return true;
    for (auto &server : added) {
        server->setServerNumber(qint16(gameServers.size() + 1));
        gameServers.append(std::move(server));
    }
    // The whole list, through the one path that carries changes held from a failed save: the new
    // sections then follow the ones that path writes, not the ones the file happens to hold.
    return saveGameServers();
}

void loadClanFilters()
{
    const ProfileFile::Batch file(settingsPath);
    FilterList list;
    for (qint16 n = 1; n < std::numeric_limits<qint16>::max(); ++n) {
        const QString section = ClanFilter::sectionName(n);
        auto filter = std::make_shared<ClanFilter>();
        filter->setClanTag(file.readString(section, QStringLiteral("Tag"), endMarker));
        filter->setAlert(file.readString(section, QStringLiteral("Alert"), endMarker) == QStringLiteral("TRUE"));
        filter->setAlertTrigger(readInt16(file, section, QStringLiteral("Trigger"), 0));
        if (filter->clanTag() == endMarker)
            break;
        filter->setClanFilterNumber(n);
        list.append(std::move(filter));
    }
    clanFilters = std::move(list);
}

bool saveClanFilters()
{
    if (!clanFilters.isEmpty())
        AppPaths::makeFolderFor(settingsPath);
    ProfileFile::Batch batch = openBatch();
    for (const auto &filter : std::as_const(clanFilters))
        filter->saveToIni(batch);
    return commit(batch);
}

void loadNotifySettings()
{
    notifySettings = readNotifySettings(ProfileFile::Batch(settingsPath));
}

bool saveNotifySettings(const notify::NotifySettings &settings)
{
    AppPaths::makeFolderFor(settingsPath);
    ProfileFile::Batch batch = openBatch();
    batch.writeString(notify::notifySection, QStringLiteral("Desktop"),
                      settings.desktop ? QStringLiteral("1") : QStringLiteral("0"));
    for (const NotifyKey &key : notifyKeys())
        batch.writeString(notify::notifySection, key.key, (settings.*key.value).trimmed());
    // In memory as it was saved, should the file not take it.
    notifySettings = settings;
    if (!commit(batch))
        return false;
    loadNotifySettings();
    return true;
}

bool removeGameServer(qint16 n)
{
    return removeAndRenumber(gameServers, n, QStringLiteral("Address"),
                             {QStringLiteral("Name"), QStringLiteral("Address"), QStringLiteral("Port")},
                             loadGameServers);
}

bool removeClanFilter(qint16 n)
{
    return removeAndRenumber(clanFilters, n, QStringLiteral("Tag"),
                             {QStringLiteral("Tag"), QStringLiteral("Alert"), QStringLiteral("Trigger")},
                             loadClanFilters);
}

QString saveError()
{
    return unsaved().error;
}

bool usersChangesUnsaved()
{
    const Unsaved &kept = unsaved();
    return kept.usersChange && kept.batch && kept.path == settingsPath;
}

OwnSaves::OwnSaves()
{
    ++ownSavesOpen;
}

OwnSaves::~OwnSaves()
{
    --ownSavesOpen;
}

qint16 findServerNumber(const QString &address, qint32 port)
{
    for (const auto &server : std::as_const(gameServers)) {
        if (server->port() == port && server->address() == address)
            return server->serverNumber();
    }
    return 0;
}

std::shared_ptr<GameServer> serverAt(qint32 position)
{
    return position >= 1 && position <= gameServers.size() ? gameServers[position - 1] : nullptr;
}

std::shared_ptr<ClanFilter> filterAt(qint32 position)
{
    return position >= 1 && position <= clanFilters.size() ? clanFilters[position - 1] : nullptr;
}

void resetState()
{
    settingsPath.clear();
    CheckSpeed = 0;
    AlertSpeed = 0;
    AlertPlaySound = 0;
    HistoryRecording = true;
    lastAlertTime = {};
    checkingEnabled = false;
    gameServers.clear();
    clanFilters.clear();
    notifySettings = {};
    unsaved() = {};
    ownSavesOpen = 0;
}

} // namespace mdlZibProcessing
