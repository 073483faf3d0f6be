#include "ui/NotifierLinks.h"

#include "model/AddressList.h"
#include "model/mdlZibProcessing.h"
#include "ui/MessageBox.h"
#include "ui/ServerGridMenu.h"
#include "ui/mainZibWindow.h"

namespace NotifierLinks {

void connect(mainZibWindow &window)
{
    notify::Notifier &notifier = window.notifier();
    DesktopNotifications &desktop = notifier.desktop();
    QSystemTrayIcon &tray = window.sysTray();
    if (window.trayAvailable())
        desktop.setTrayMessage([&tray](const QString &title, const QString &body) {
            tray.showMessage(title, body, QSystemTrayIcon::Information);
        });
    QObject::connect(&tray, &QSystemTrayIcon::messageClicked, &desktop, &DesktopNotifications::onTrayMessageClicked);
    QObject::connect(&desktop, &DesktopNotifications::activated, &window, &mainZibWindow::restoreFromTray);
    QObject::connect(&desktop, &DesktopNotifications::joinRequested, &window, [&window](const QString &link) {
        const auto parsed = AddressList::parseOne(link);
        const auto *address = std::get_if<AddressList::Address>(&parsed);
        if (!address)
            return;
        GameServer server;
        server.setAddress(address->host);
        server.setPort(address->port);
        if (const auto known =
                mdlZibProcessing::serverAt(mdlZibProcessing::findServerNumber(address->host, address->port)))
            server = *known;
        ServerGridMenu::joinGame(&window, server);
    });
    QObject::connect(&notifier.delivery(), &notify::Delivery::channelStopped, &window,
                     [&window](notify::Channel channel, const QString &answer) {
                         MessageBox::error(&window, QCoreApplication::translate("NotifierLinks", "Alerts are no longer sent to %1: the service answered "
                                                                   "\"%2\".\n\nCheck its settings in the Notifications "
                                                                   "window; it is tried again once they change.")
                                                        .arg(notify::channelName(channel), answer));
                     });
}

} // namespace NotifierLinks
