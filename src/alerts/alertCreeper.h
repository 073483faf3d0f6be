#pragma once

#include <QFrame>
#include <QPoint>

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
    /// Each creep tick makes this many moves of this many twips, with the event loop run after each.
    static constexpr int movesPerTick = 5;
    static constexpr int twipsPerMove = 20;

    /// Loads the window below the bottom edge of the screen; both timers run from here on.
    explicit alertCreeper(QWidget *parent = nullptr);
    ~alertCreeper() override;

    /// Fills the details for this server and filter and shows the window; an open window keeps
    /// its place, its rise and its flashing.
    void showAlert(qint16 serverNumber, qint16 clanFilterNumber);

    /// One step of the rise: five moves up, and the end of the rise once the top has reached the
    /// line above the taskbar.
    void creepTick();
    /// Switches "ALERT" between black and red.
    void flashTick();

    bool isClosed() const { return m_closed; }
    bool isRising() const;
    int flashState() const { return m_flashState; }

    /// The window's outer rectangle in twips, measured from the screen's top-left corner.
    double leftTwips() const;
    double topTwips() const;
    double widthTwips() const;
    double heightTwips() const;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void placeTwips(double left, double top);

    QLabel *m_picAlertPicture = nullptr;
    QLabel *m_txtAlertDetails = nullptr;
    QLabel *m_lblAlert = nullptr;
    QTimer *m_tmrAlertFlash = nullptr;
    QTimer *m_tmrCreepUp = nullptr;

    int m_flashState = 1;
    bool m_closed = false;
    bool m_inCreepTick = false;
    bool m_pressed = false;

    // The window keeps its place in twips; the screen only takes whole pixels. As long as the
    // window stands where we put it, moves go on from the exact twips, so a 20-twip move is
    // never lost to rounding.
    double m_leftTwips = 0.0;
    double m_topTwips = 0.0;
    QPoint m_placedAt;
};
