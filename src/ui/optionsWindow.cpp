#include "ui/optionsWindow.h"

#include "model/EntryRules.h"
#include "model/Numeric.h"
#include "model/mdlZibProcessing.h"
#include "query/QueryEngine.h"
#include "ui/FixedLayout.h"
#include "ui/MessageBox.h"

#include <QCoreApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace mdlZibProcessing;

namespace {

constexpr double captionPoints = 9.75;
constexpr int alertSpeedMaxLength = 2;

} // namespace

optionsWindow::optionsWindow(QueryEngine &engine, QWidget *parent)
    : QDialog(parent)
    , m_engine(engine)
{
    setObjectName(QStringLiteral("optionsWindow"));
    setWindowTitle(QCoreApplication::translate("optionsWindow", "ZIB Options"));
    setFont(FixedLayout::msSansSerif(FixedLayout::standardPoints));
    FixedLayout::makeFixedDialog(this, 5670, 2865);

    m_frmGameServers = new QGroupBox(QCoreApplication::translate("optionsWindow", "Game Servers"), this);
    m_frmGameServers->setObjectName(QStringLiteral("frmGameServers"));
    FixedLayout::place(m_frmGameServers, 120, 0, 5415, 855);

    m_lblCheckSpeed = new QLabel(QCoreApplication::translate("optionsWindow", "Recheck game servers every (seconds 5 - 60)"), m_frmGameServers);
    m_lblCheckSpeed->setObjectName(QStringLiteral("lblCheckSpeed"));
    m_lblCheckSpeed->setFont(FixedLayout::msSansSerif(captionPoints));
    FixedLayout::place(m_lblCheckSpeed, 240, 360, 4215, 255);

    m_txtCheckSpeed = new QLineEdit(m_frmGameServers);
    m_txtCheckSpeed->setObjectName(QStringLiteral("txtCheckSpeed"));
    FixedLayout::place(m_txtCheckSpeed, 4560, 360, 495, 285);

    m_frmAlerts = new QGroupBox(QCoreApplication::translate("optionsWindow", "Alerts"), this);
    m_frmAlerts->setObjectName(QStringLiteral("frmAlerts"));
    FixedLayout::place(m_frmAlerts, 120, 960, 5415, 1335);

    m_txtAlertSpeed = new QLineEdit(m_frmAlerts);
    m_txtAlertSpeed->setObjectName(QStringLiteral("txtAlertSpeed"));
    m_txtAlertSpeed->setValidator(new TypedLengthValidator(alertSpeedMaxLength, m_txtAlertSpeed));
    FixedLayout::place(m_txtAlertSpeed, 4560, 360, 495, 285);

    m_lblAlertSpeed = new QLabel(QCoreApplication::translate("optionsWindow", "Maximum alert speed:   Once every (minutes)"), m_frmAlerts);
    m_lblAlertSpeed->setObjectName(QStringLiteral("lblAlertSpeed"));
    m_lblAlertSpeed->setFont(FixedLayout::msSansSerif(captionPoints));
    FixedLayout::place(m_lblAlertSpeed, 360, 360, 4095, 255);

    m_chkAlertPlaySound = new QCheckBox(QCoreApplication::translate("optionsWindow", "Play a sound when an alert happens"), m_frmAlerts);
    m_chkAlertPlaySound->setObjectName(QStringLiteral("chkAlertPlaySound"));
    m_chkAlertPlaySound->setFont(FixedLayout::msSansSerif(captionPoints));
    FixedLayout::place(m_chkAlertPlaySound, 1140, 840, 3615, 255);

    m_lblInformation = new QLabel(QCoreApplication::translate("optionsWindow", "Your changes should take effect immediately"), this);
    m_lblInformation->setObjectName(QStringLiteral("lblInformation"));
    FixedLayout::place(m_lblInformation, 120, 2450, 3255, 255);

    m_btnOk = new QPushButton(QCoreApplication::translate("optionsWindow", "OK"), this);
    m_btnOk->setObjectName(QStringLiteral("btnOk"));
    // Enter in a text box must not close the window behind the user's back.
    m_btnOk->setAutoDefault(false);
    m_btnOk->setDefault(false);
    FixedLayout::place(m_btnOk, 4200, 2400, 1335, 375);

    // OK first, so the window opens with the focus on it and the check interval box is left
    // (and its rule applied) before OK can be reached with the Tab key.
    setTabOrder(m_btnOk, m_txtAlertSpeed);
    setTabOrder(m_txtAlertSpeed, m_chkAlertPlaySound);
    setTabOrder(m_chkAlertPlaySound, m_txtCheckSpeed);
    m_btnOk->setFocus();

    m_txtCheckSpeed->setText(QString::number(CheckSpeed));
    m_txtAlertSpeed->setText(QString::number(AlertSpeed));
    // Only 1 means sound; any other stored value is shown, and on OK stored, as off.
    m_chkAlertPlaySound->setChecked(AlertPlaySound == 1);

    m_txtCheckSpeed->installEventFilter(this);
    connect(m_btnOk, &QPushButton::clicked, this, &optionsWindow::onOkClicked);
}

optionsWindow::optionsWindow(QueryEngine &engine, std::function<void(QWidget *)> openNotifications, QWidget *parent)
    : optionsWindow(engine, parent)
{
    // The window grows by a row below everything it had, so no control moves.
    FixedLayout::makeFixedDialog(this, 5670, 3360);
    m_btnNotifications = new QPushButton(QCoreApplication::translate("optionsWindow", "Notifications..."), this);
    m_btnNotifications->setObjectName(QStringLiteral("btnNotifications"));
    m_btnNotifications->setAutoDefault(false);
    FixedLayout::place(m_btnNotifications, 120, 2880, 1815, 375);
    setTabOrder(m_txtCheckSpeed, m_btnNotifications);
    connect(m_btnNotifications, &QPushButton::clicked, this,
            [this, open = std::move(openNotifications)] { open(this); });
}

optionsWindow::~optionsWindow() = default;

bool optionsWindow::eventFilter(QObject *watched, QEvent *event)
{
    // A context menu opening over the box is not the user leaving it.
    if (watched == m_txtCheckSpeed && event->type() == QEvent::FocusOut
        && static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason)
        applyCheckSpeedRule();
    return QDialog::eventFilter(watched, event);
}

void optionsWindow::keyPressEvent(QKeyEvent *event)
{
    if (!FixedLayout::dialogKey(this, event))
        QDialog::keyPressEvent(event);
}

void optionsWindow::applyCheckSpeedRule()
{
    const QString ruled = EntryRules::checkSpeedOnLeave(m_txtCheckSpeed->text());
    if (ruled != m_txtCheckSpeed->text())
        m_txtCheckSpeed->setText(ruled);
}

void optionsWindow::onOkClicked()
{
    // A value loaded from a hand-edited file may be outside 5-60 without the box ever having
    // had the focus; it gets the same rule before it reaches the timer or the file.
    applyCheckSpeedRule();
    const QString checkText = m_txtCheckSpeed->text();
    const QString alertText = m_txtAlertSpeed->text();

    CheckSpeed = Numeric::toInt16(checkText).value_or(CheckSpeed);

    QTimer &tmrQuery = m_engine.tmrQuery();
    tmrQuery.stop();
    if (const auto interval = EntryRules::intervalMilliseconds(checkText))
        tmrQuery.setInterval(*interval);
    tmrQuery.start();

    // An empty or non-numeric alert interval is not stored either (saveSettings refuses both
    // intervals then), so the value in use stays what it was.
    AlertSpeed = Numeric::toInt16(alertText).value_or(AlertSpeed);
    AlertPlaySound = m_chkAlertPlaySound->isChecked() ? 1 : 0;

    if (!saveSettings(checkText, alertText, QString::number(AlertPlaySound)))
        MessageBox::notSaved(this, settingsPath, saveError());

    m_engine.enableChecking();
    accept();
}
