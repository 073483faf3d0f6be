// Raises one alert pop-up with sample data and leaves it on screen, for pictures of it.
// Silent: it never touches the audio device.
#include "alerts/Resources.h"
#include "platform/Language.h"
#include "alerts/AlertController.h"
#include "alerts/AlertSound.h"
#include "model/mdlZibProcessing.h"
#include "ui/FixedLayout.h"

#include <QApplication>
#include <QLocale>
#include <QDateTime>

#include <memory>

namespace {

class SilentSound final : public AlertSound
{
public:
    void play() override {}
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // The desktop's language, as the program speaks it (LANGUAGE=ru for a Russian picture).
    Resources::ensureLoaded();
    Language::install(app, Language::choose({}, {}, QLocale::system().uiLanguages(), Language::available()));
    // The faces the program itself sets its windows in.
    FixedLayout::useBundledFonts();
    namespace state = mdlZibProcessing;

    auto server = std::make_shared<GameServer>();
    server->setServerNumber(1);
    server->setName(QStringLiteral("Frag Central #2"));
    server->setPlayerNames({QStringLiteral("[X]Viper"), QStringLiteral("newbie"), QStringLiteral("Ghost[X]"),
                            QStringLiteral("[X]Hammer"), QStringLiteral("Player")});
    state::gameServers.append(server);

    auto filter = std::make_shared<ClanFilter>();
    filter->setClanFilterNumber(1);
    filter->setClanTag(QStringLiteral("[X]"));
    filter->setAlert(true);
    filter->setAlertTrigger(3);
    state::clanFilters.append(filter);

    state::AlertSpeed = 0;
    state::AlertPlaySound = 0;
    state::lastAlertTime = QDateTime::currentDateTime().addSecs(-3600);

    AlertController alerts(std::make_unique<SilentSound>());
    alerts.checkClanFilters();
    return app.exec();
}
