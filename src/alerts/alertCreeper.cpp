#include "alerts/alertCreeper.h"

#include "alerts/Resources.h"
#include "alerts/Taskbar.h"
#include "alerts/core/ClanMatching.h"

#include <QCoreApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace {

const QColor detailsColour(224, 224, 224);
const QColor flashRed(255, 0, 0);
const QColor flashBlack(0, 0, 0);
const QColor borderColour(96, 96, 96);

int toPixels(double twips, double twipsPerPixel)
{
    return int(std::lround(twips / twipsPerPixel));
}

QRect twipsRect(int left, int top, int width, int height, const DesktopArea::Area &area)
{
    return {toPixels(left, area.twipsPerPixelX), toPixels(top, area.twipsPerPixelY),
            toPixels(width, area.twipsPerPixelX), toPixels(height, area.twipsPerPixelY)};
}

void setTextColour(QLabel *label, const QColor &colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

} // namespace

// The window manager is kept out of it: a managed window is placed, constrained, raised and
// focused as the manager sees fit, and its moves are answered late. Left to ourselves, the window
// stands exactly where it is put, and the flash tick keeps it in front.
alertCreeper::alertCreeper(QWidget *parent)
    : QFrame(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::X11BypassWindowManagerHint
                         | Qt::WindowDoesNotAcceptFocus)
{
    setObjectName(QStringLiteral("alertCreeper"));
    setAttribute(Qt::WA_DeleteOnClose);
    // The user is likely in the middle of a game: the pop-up should be seen, not take the keys.
    setAttribute(Qt::WA_ShowWithoutActivating);

    const DesktopArea::Area area = DesktopArea::current();
    Resources::ensureLoaded();
    const QPixmap picture(QStringLiteral(":/ALERTPICTURE"));

    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(borderPixels);
    QPalette framePalette = palette();
    framePalette.setColor(QPalette::WindowText, borderColour);
    framePalette.setBrush(QPalette::Window, picture.isNull() ? QBrush(Qt::black) : QBrush(picture));
    setPalette(framePalette);
    setAutoFillBackground(true);

    const QRect client = twipsRect(0, 0, clientWidthTwips, clientHeightTwips, area);
    setFixedSize(client.width() + 2 * borderPixels, client.height() + 2 * borderPixels);

    auto *clientArea = new QWidget(this);
    clientArea->setObjectName(QStringLiteral("clientAreaWidget"));
    clientArea->setGeometry(client.translated(borderPixels, borderPixels));

    m_picAlertPicture = new QLabel(clientArea);
    m_picAlertPicture->setObjectName(QStringLiteral("picAlertPicture"));
    m_picAlertPicture->setGeometry(twipsRect(0, 0, 2295, 3375, area));
    m_picAlertPicture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_picAlertPicture->setPixmap(picture);

    m_txtAlertDetails = new QLabel(m_picAlertPicture);
    m_txtAlertDetails->setObjectName(QStringLiteral("txtAlertDetails"));
    m_txtAlertDetails->setGeometry(twipsRect(0, 0, 2175, 3255, area));
    m_txtAlertDetails->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_txtAlertDetails->setWordWrap(true);
    // Player and server names come off the network: never let them be read as markup.
    m_txtAlertDetails->setTextFormat(Qt::PlainText);
    setTextColour(m_txtAlertDetails, detailsColour);

    m_lblAlert = new QLabel(QCoreApplication::translate("alertCreeper", "ALERT"), m_picAlertPicture);
    m_lblAlert->setObjectName(QStringLiteral("lblAlert"));
    m_lblAlert->setGeometry(twipsRect(1080, 1440, 615, 255, area));
    m_lblAlert->setTextFormat(Qt::PlainText);
    // A translated word longer than "ALERT" takes the room it needs to the right, over the
    // picture, where nothing else is drawn; the English label keeps its size.
    if (m_lblAlert->text() != QStringLiteral("ALERT")) {
        const int needed = m_lblAlert->fontMetrics().horizontalAdvance(m_lblAlert->text());
        if (needed > m_lblAlert->width())
            m_lblAlert->resize(std::min(needed, m_picAlertPicture->width() - m_lblAlert->x()), m_lblAlert->height());
    }
    setTextColour(m_lblAlert, m_lblAlert->palette().color(QPalette::ButtonText));

    m_flashState = 1;

    placeTwips(leftTwipsOn(area), area.geometry.height() * area.twipsPerPixelY + heightTwips());

    m_tmrAlertFlash = new QTimer(this);
    m_tmrAlertFlash->setObjectName(QStringLiteral("tmrAlertFlash"));
    m_tmrAlertFlash->setInterval(500);
    connect(m_tmrAlertFlash, &QTimer::timeout, this, &alertCreeper::flashTick);
    m_tmrAlertFlash->start();

    m_tmrCreepUp = new QTimer(this);
    m_tmrCreepUp->setObjectName(QStringLiteral("tmrCreepUp"));
    m_tmrCreepUp->setInterval(1);
    connect(m_tmrCreepUp, &QTimer::timeout, this, &alertCreeper::creepTick);
    m_tmrCreepUp->start();

    // The moves of one creep tick, each after a turn of the event loop. A timer rather than a
    // nested event loop: a dialog opened in the middle of a tick then holds nothing up.
    m_tmrCreepMove = new QTimer(this);
    m_tmrCreepMove->setObjectName(QStringLiteral("tmrCreepMove"));
    m_tmrCreepMove->setSingleShot(true);
    m_tmrCreepMove->setInterval(0);
    connect(m_tmrCreepMove, &QTimer::timeout, this, &alertCreeper::creepMove);
}

alertCreeper::~alertCreeper() = default;

void alertCreeper::showAlert(qint16 serverNumber, qint16 clanFilterNumber)
{
    QString details = ClanMatching::alertDetails(serverNumber, clanFilterNumber);
    details.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_txtAlertDetails->setText(details);
    if (m_closed)
        return;
    show();
    raise();
}

void alertCreeper::creepTick()
{
    if (m_closed || m_movesLeft > 0)
        return;
    // Read afresh at every step: a full-screen game that sets its own resolution changes the
    // screen under a rising window, which must still end up above the panel and on the screen.
    const DesktopArea::Area area = DesktopArea::current();
    m_leftTwips = leftTwipsOn(area);
    const auto restLine = float(area.geometry.height() * area.twipsPerPixelY
                                - (DesktopArea::reservedHeightTwips(area) + heightTwips()));
    if (restLine >= float(m_topTwips))
        m_tmrCreepUp->stop();
    m_movesLeft = movesPerTick;
    creepMove();
}

void alertCreeper::creepMove()
{
    if (m_closed || m_movesLeft <= 0)
        return;
    placeTwips(m_leftTwips, m_topTwips - twipsPerMove);
    if (--m_movesLeft > 0)
        m_tmrCreepMove->start();
}

void alertCreeper::flashTick()
{
    if (m_flashState != 1) {
        m_flashState = 1;
        setTextColour(m_lblAlert, flashRed);
    } else {
        m_flashState = 0;
        setTextColour(m_lblAlert, flashBlack);
    }
    // Nobody else restacks a window the window manager does not manage; a window raised over
    // the pop-up would hide it for good.
    if (isVisible())
        raise();
}

bool alertCreeper::isRising() const
{
    return !m_closed && (m_tmrCreepUp->isActive() || m_movesLeft > 0);
}

double alertCreeper::leftTwipsOn(const DesktopArea::Area &area) const
{
    // Measured from the right edge of the work area, not of the screen: a taskbar docked at the
    // right edge stays on top of everything and would cover a pop-up placed beneath it.
    const int rightEdge = area.available.width() > 0
                              ? std::min(area.available.right(), area.geometry.right())
                              : area.geometry.right();
    const int widthPixels = rightEdge + 1 - area.geometry.x();
    return widthPixels * area.twipsPerPixelX - (15 * area.twipsPerPixelX + widthTwips());
}

double alertCreeper::widthTwips() const
{
    return width() * DesktopArea::current().twipsPerPixelX;
}

double alertCreeper::heightTwips() const
{
    return height() * DesktopArea::current().twipsPerPixelY;
}

void alertCreeper::placeTwips(double left, double top)
{
    if (m_closed)
        return;
    const DesktopArea::Area area = DesktopArea::current();
    m_leftTwips = left;
    m_topTwips = top;
    move(area.geometry.x() + toPixels(left, area.twipsPerPixelX),
         area.geometry.y() + toPixels(top, area.twipsPerPixelY));
}

void alertCreeper::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void alertCreeper::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        close();
}

void alertCreeper::closeEvent(QCloseEvent *event)
{
    m_closed = true;
    m_movesLeft = 0;
    m_tmrCreepUp->stop();
    m_tmrCreepMove->stop();
    m_tmrAlertFlash->stop();
    QFrame::closeEvent(event);
}
