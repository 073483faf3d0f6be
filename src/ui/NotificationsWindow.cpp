#include "ui/NotificationsWindow.h"

#include "model/mdlZibProcessing.h"
#include "notify/Notifier.h"
#include "ui/FixedLayout.h"
#include "ui/MessageBox.h"

#include <QCoreApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int frameLeft = 120;
constexpr int frameWidth = 7320;
constexpr int captionLeft = 240;
constexpr int captionWidth = 1455;
constexpr int editLeft = 1800;
constexpr int editWidth = 4080;
constexpr int testLeft = 6000;
constexpr int testWidth = 1215;
constexpr int statusWidth = 6975;

} // namespace

NotificationsWindow::NotificationsWindow(notify::Notifier &notifier, QWidget *parent)
    : QDialog(parent)
    , m_notifier(notifier)
{
    setObjectName(QStringLiteral("NotificationsWindow"));
    setWindowTitle(QCoreApplication::translate("NotificationsWindow", "Notifications"));
    setFont(FixedLayout::msSansSerif(FixedLayout::standardPoints));
    FixedLayout::makeFixedDialog(this, 7560, 6195);

    QGroupBox *desktop = addFrame("frmDesktop", QCoreApplication::translate("NotificationsWindow", "Desktop notifications"), 0, 1095);
    m_chkDesktop = new QCheckBox(QCoreApplication::translate("NotificationsWindow", "Show alerts in the desktop's notifications"), desktop);
    m_chkDesktop->setObjectName(QStringLiteral("chkDesktop"));
    FixedLayout::place(m_chkDesktop, captionLeft, 330, 5655, 255);
    QPushButton *testDesktop = addTestButton(desktop, "btnTestDesktop");
    m_lblDesktopStatus = addStatus(desktop, "lblDesktopStatus", 720);

    QGroupBox *discord = addFrame("frmDiscord", QStringLiteral("Discord"), 1155, 1095);
    m_txtDiscordWebhook = addRow(discord, "DiscordWebhook", QCoreApplication::translate("NotificationsWindow", "Webhook URL"), 330, true).edit;
    QPushButton *testDiscord = addTestButton(discord, "btnTestDiscord");
    m_lblDiscordStatus = addStatus(discord, "lblDiscordStatus", 720);

    QGroupBox *telegram = addFrame("frmTelegram", QStringLiteral("Telegram"), 2310, 1755);
    m_txtTelegramToken = addRow(telegram, "TelegramToken", QCoreApplication::translate("NotificationsWindow", "Bot token"), 330, true).edit;
    QPushButton *testTelegram = addTestButton(telegram, "btnTestTelegram");
    m_txtTelegramChat = addRow(telegram, "TelegramChat", QCoreApplication::translate("NotificationsWindow", "Chat"), 690, false).edit;
    m_txtTelegramApi = addRow(telegram, "TelegramApi", QCoreApplication::translate("NotificationsWindow", "Bot API"), 1050, false).edit;
    m_txtTelegramApi->setPlaceholderText(notify::defaultTelegramApi);
    m_lblTelegramStatus = addStatus(telegram, "lblTelegramStatus", 1410);

    QGroupBox *ntfy = addFrame("frmNtfy", QCoreApplication::translate("NotificationsWindow", "Phone (ntfy)"), 4125, 1455);
    m_txtNtfyUrl = addRow(ntfy, "NtfyUrl", QCoreApplication::translate("NotificationsWindow", "Topic URL"), 330, false).edit;
    m_txtNtfyUrl->setPlaceholderText(QStringLiteral("https://ntfy.sh/TOPIC"));
    QPushButton *testNtfy = addTestButton(ntfy, "btnTestNtfy");
    m_txtNtfyToken = addRow(ntfy, "NtfyToken", QCoreApplication::translate("NotificationsWindow", "Access token"), 690, true).edit;
    m_lblNtfyStatus = addStatus(ntfy, "lblNtfyStatus", 1080);

    m_btnOk = new QPushButton(QCoreApplication::translate("NotificationsWindow", "OK"), this);
    m_btnOk->setObjectName(QStringLiteral("btnOk"));
    m_btnOk->setDefault(true);
    FixedLayout::place(m_btnOk, 6105, 5700, 1335, 375);

    QWidget *const tabOrder[] = {m_chkDesktop,       testDesktop,    m_txtDiscordWebhook, testDiscord,
                                 m_txtTelegramToken, testTelegram,   m_txtTelegramChat,   m_txtTelegramApi,
                                 m_txtNtfyUrl,       testNtfy,       m_txtNtfyToken,      m_btnOk};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    m_chkDesktop->setFocus();

    const notify::NotifySettings &stored = mdlZibProcessing::notifySettings;
    m_chkDesktop->setChecked(stored.desktop);
    m_txtDiscordWebhook->setText(stored.discordWebhook);
    m_txtTelegramToken->setText(stored.telegramToken);
    m_txtTelegramChat->setText(stored.telegramChat);
    m_txtTelegramApi->setText(stored.telegramApi);
    m_txtNtfyUrl->setText(stored.ntfyUrl);
    m_txtNtfyToken->setText(stored.ntfyToken);

    connect(testDesktop, &QPushButton::clicked, this, [this] { sendTest(std::nullopt); });
    connect(testDiscord, &QPushButton::clicked, this, [this] { sendTest(notify::Channel::Discord); });
    connect(testTelegram, &QPushButton::clicked, this, [this] { sendTest(notify::Channel::Telegram); });
    connect(testNtfy, &QPushButton::clicked, this, [this] { sendTest(notify::Channel::Ntfy); });
    connect(m_btnOk, &QPushButton::clicked, this, &NotificationsWindow::onOkClicked);
    connect(&m_notifier.delivery(), &notify::Delivery::statusChanged, this, &NotificationsWindow::showStatus);
    connect(&m_notifier, &notify::Notifier::desktopStatusChanged, this, &NotificationsWindow::showStatus);
    showStatus();
}

NotificationsWindow::~NotificationsWindow() = default;

QGroupBox *NotificationsWindow::addFrame(const char *name, const QString &title, int top, int height)
{
    auto *frame = new QGroupBox(title, this);
    frame->setObjectName(QLatin1String(name));
    FixedLayout::place(frame, frameLeft, top, frameWidth, height);
    return frame;
}

NotificationsWindow::Row NotificationsWindow::addRow(QGroupBox *frame, const char *name, const QString &caption,
                                                     int top, bool secret)
{
    Row row;
    row.label = new QLabel(caption, frame);
    row.label->setObjectName(QStringLiteral("lbl") + QLatin1String(name));
    FixedLayout::place(row.label, captionLeft, top + 30, captionWidth, 255);
    row.edit = new QLineEdit(frame);
    row.edit->setObjectName(QStringLiteral("txt") + QLatin1String(name));
    FixedLayout::place(row.edit, editLeft, top, editWidth, 285);
    row.label->setBuddy(row.edit);
    if (secret) {
        // Shown masked, and never copied out of the box.
        row.edit->setEchoMode(QLineEdit::Password);
    }
    return row;
}

QPushButton *NotificationsWindow::addTestButton(QGroupBox *frame, const char *name)
{
    auto *button = new QPushButton(QCoreApplication::translate("NotificationsWindow", "Send Test"), frame);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    FixedLayout::place(button, testLeft, 285, testWidth, 375);
    return button;
}

QLabel *NotificationsWindow::addStatus(QGroupBox *frame, const char *name, int top)
{
    auto *label = new QLabel(frame);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    FixedLayout::place(label, captionLeft, top, statusWidth, 255);
    return label;
}

void NotificationsWindow::keyPressEvent(QKeyEvent *event)
{
    if (!FixedLayout::enterPressesFocusedButton(this, event))
        QDialog::keyPressEvent(event);
}

notify::NotifySettings NotificationsWindow::typed() const
{
    notify::NotifySettings settings;
    settings.desktop = m_chkDesktop->isChecked();
    settings.discordWebhook = m_txtDiscordWebhook->text().trimmed();
    settings.telegramToken = m_txtTelegramToken->text().trimmed();
    settings.telegramChat = m_txtTelegramChat->text().trimmed();
    settings.telegramApi = m_txtTelegramApi->text().trimmed();
    settings.ntfyUrl = m_txtNtfyUrl->text().trimmed();
    settings.ntfyToken = m_txtNtfyToken->text().trimmed();
    return settings;
}

bool NotificationsWindow::store()
{
    const notify::NotifySettings settings = typed();
    if (const QStringList problems = notify::problems(settings); !problems.isEmpty()) {
        MessageBox::error(this, problems.join(QStringLiteral("\n")));
        return false;
    }
    if (settings == mdlZibProcessing::notifySettings)
        return true;
    if (!mdlZibProcessing::saveNotifySettings(settings))
        MessageBox::notSaved(this, mdlZibProcessing::settingsPath, mdlZibProcessing::saveError());
    // Kept in use even when the file could not take it, as every other setting is.
    m_notifier.applySettings(mdlZibProcessing::notifySettings);
    return true;
}

void NotificationsWindow::onOkClicked()
{
    if (store())
        accept();
}

void NotificationsWindow::sendTest(std::optional<notify::Channel> channel)
{
    if (!store())
        return;
    if (!channel) {
        m_notifier.sendDesktopTest();
        return;
    }
    if (!m_notifier.delivery().status(*channel).configured) {
        setStatus(channel == notify::Channel::Discord    ? m_lblDiscordStatus
                  : channel == notify::Channel::Telegram ? m_lblTelegramStatus
                                                         : m_lblNtfyStatus,
                  QCoreApplication::translate("NotificationsWindow", "Not set up: fill in the fields above first"));
        return;
    }
    m_notifier.delivery().sendTest(*channel);
}

void NotificationsWindow::showStatus()
{
    setStatus(m_lblDesktopStatus, m_notifier.desktopStatus());
    const std::pair<notify::Channel, QLabel *> labels[] = {{notify::Channel::Discord, m_lblDiscordStatus},
                                                           {notify::Channel::Telegram, m_lblTelegramStatus},
                                                           {notify::Channel::Ntfy, m_lblNtfyStatus}};
    for (const auto &[channel, label] : labels) {
        const notify::ChannelStatus status = m_notifier.delivery().status(channel);
        QString text;
        if (!status.configured)
            text = QCoreApplication::translate("NotificationsWindow", "Off");
        else if (status.stopped)
            text = QCoreApplication::translate("NotificationsWindow", "Stopped: %1 (change the settings to try again)").arg(status.lastOutcome);
        else if (status.lastOutcome.isEmpty())
            text = status.waiting > 0 ? QCoreApplication::translate("NotificationsWindow", "Sending") : QCoreApplication::translate("NotificationsWindow", "On; nothing sent yet");
        else
            text = QCoreApplication::translate("NotificationsWindow", "Last: %1 at %2")
                       .arg(status.lastOutcome, status.lastTime.toString(QStringLiteral("HH:mm:ss")));
        if (status.waiting > 0 && !status.lastOutcome.isEmpty())
            text += QCoreApplication::translate("NotificationsWindow", "; %1 waiting").arg(status.waiting);
        if (status.dropped > 0)
            text += QCoreApplication::translate("NotificationsWindow", "; %1 dropped").arg(status.dropped);
        setStatus(label, text);
    }
}

void NotificationsWindow::setStatus(QLabel *label, const QString &text)
{
    // A long answer from a service is cut to the line; the whole of it is in the tip.
    label->setText(label->fontMetrics().elidedText(text, Qt::ElideRight, label->width()));
    label->setToolTip(text);
}
