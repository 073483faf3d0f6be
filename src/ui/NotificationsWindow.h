#pragma once

#include "notify/Delivery.h"

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
namespace notify {
class Notifier;
}

// "Notifications": where an alert goes besides the pop-up. Each channel's fields, a "Send Test"
// that stores the window's values and sends a test at once, and each channel's last delivery.
// OK stores the values and closes; Escape closes without storing.
class NotificationsWindow final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(NotificationsWindow)

public:
    explicit NotificationsWindow(notify::Notifier &notifier, QWidget *parent = nullptr);
    ~NotificationsWindow() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    struct Row
    {
        QLabel *label = nullptr;
        QLineEdit *edit = nullptr;
    };
    QGroupBox *addFrame(const char *name, const QString &title, int top, int height);
    Row addRow(QGroupBox *frame, const char *name, const QString &caption, int top, bool secret);
    QPushButton *addTestButton(QGroupBox *frame, const char *name);
    QLabel *addStatus(QGroupBox *frame, const char *name, int top);
    notify::NotifySettings typed() const;
    /// Stores the typed values when they differ from the stored ones; false when they cannot be
    /// used (the user is told why).
    bool store();
    void onOkClicked();
    void sendTest(std::optional<notify::Channel> channel);
    void showStatus();
    void setStatus(QLabel *label, const QString &text);

    notify::Notifier &m_notifier;
    QCheckBox *m_chkDesktop = nullptr;
    QLabel *m_lblDesktopStatus = nullptr;
    QLineEdit *m_txtDiscordWebhook = nullptr;
    QLabel *m_lblDiscordStatus = nullptr;
    QLineEdit *m_txtTelegramToken = nullptr;
    QLineEdit *m_txtTelegramChat = nullptr;
    QLineEdit *m_txtTelegramApi = nullptr;
    QLabel *m_lblTelegramStatus = nullptr;
    QLineEdit *m_txtNtfyUrl = nullptr;
    QLineEdit *m_txtNtfyToken = nullptr;
    QLabel *m_lblNtfyStatus = nullptr;
    QPushButton *m_btnOk = nullptr;
};
