#pragma once

#include "alerts/Taskbar.h"

#include <QFrame>

class QLabel;
class QTimer;

// The alert pop-up: a small picture window that creeps up from below the screen to just above
// the taskbar, flashes "ALERT" and lists the server and its matching players. One click closes
// it for good; the next alert makes a new one.
class alertCreeper final : public QFrame
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(alertCreeper)

public:
    /// Layout in twips: the client area, and the one-pixel border drawn round it.
    static constexpr int clientWidthTwips = 2280;
    static constexpr int clientHeightTwips = 3360;
    static constexpr int borderPixels = 1;
    /// Each creep tick makes this many moves of this many twips, with a turn of the event loop
    /// between one move and the next.
    static constexpr int movesPerTick = 5;
    static constexpr int twipsPerMove = 20;

    /// Loads the window below the bottom edge of the screen; both timers run from here on.
    explicit alertCreeper(QWidget *parent = nullptr);
    ~alertCreeper() override;

    /// Fills the details for this server and filter and shows the window; an open window keeps
    /// its place, its rise and its flashing.
    void showAlert(qint16 serverNumber, qint16 clanFilterNumber);

    /// One step of the rise: five moves up, the first at once and the others each after a turn of
    /// the event loop, and the end of the rise once the top has reached the line above the
    /// taskbar. Does nothing while the moves of the previous step are still going on.
    void creepTick();
    /// Switches "ALERT" between black and red, and brings the window back to the front.
    void flashTick();

    bool isClosed() const { return m_closed; }
    bool isRising() const;
    int flashState() const { return m_flashState; }

    /// Where the window stands by its own reckoning, in twips from the screen's top-left corner:
    /// where it was last put, whatever the window system reports back.
    double leftTwips() const { return m_leftTwips; }
    double topTwips() const { return m_topTwips; }
    double widthTwips() const;
    double heightTwips() const;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void creepMove();
    /// The left edge that puts the right edge 15 pixels in from the work area's.
    double leftTwipsOn(const DesktopArea::Area &area) const;
    void placeTwips(double left, double top);

    QLabel *m_picAlertPicture = nullptr;
    QLabel *m_txtAlertDetails = nullptr;
    QLabel *m_lblAlert = nullptr;
    QTimer *m_tmrAlertFlash = nullptr;
    QTimer *m_tmrCreepUp = nullptr;
    QTimer *m_tmrCreepMove = nullptr;

    int m_flashState = 1;
    bool m_closed = false;
    bool m_pressed = false;
    int m_movesLeft = 0;

    // The window keeps its own place in twips and every move goes on from there. Under a window
    // manager a move is answered later, so the position read back from the window can be one or
    // more moves behind, and moves made from it would fight each other. The screen only takes
    // whole pixels; the twips keep a 20-twip move from being lost to rounding.
    double m_leftTwips = 0.0;
    double m_topTwips = 0.0;
};
