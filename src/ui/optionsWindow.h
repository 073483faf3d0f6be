#pragma once

#include <QDialog>

#include <functional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QueryEngine;

// "ZIB Options": the check interval, the alert interval and the alert sound. The main window
// switches checking off before it opens this window; OK applies the values, stores them,
// switches checking back on and closes. There is no Cancel: OK is the way out.
class optionsWindow final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(optionsWindow)

public:
    optionsWindow(QueryEngine &engine, QWidget *parent = nullptr);
    /// With a "Notifications..." button below the window's own controls that opens that window.
    optionsWindow(QueryEngine &engine, std::function<void(QWidget *)> openNotifications, QWidget *parent = nullptr);
    ~optionsWindow() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void onOkClicked();
    void applyCheckSpeedRule();

    QueryEngine &m_engine;
    QGroupBox *m_frmGameServers = nullptr;
    QLabel *m_lblCheckSpeed = nullptr;
    QLineEdit *m_txtCheckSpeed = nullptr;
    QGroupBox *m_frmAlerts = nullptr;
    QLineEdit *m_txtAlertSpeed = nullptr;
    QLabel *m_lblAlertSpeed = nullptr;
    QCheckBox *m_chkAlertPlaySound = nullptr;
    QLabel *m_lblInformation = nullptr;
    QPushButton *m_btnOk = nullptr;
    QPushButton *m_btnNotifications = nullptr;
};
