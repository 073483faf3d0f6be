#pragma once

#include "history/HistoryReader.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace History {
class Store;
}

/// A text a view drew, in the view's coordinates: the room it was given and the room it took.
struct DrawnText
{
    QString text;
    QRect room;
    QRect needed;
};

/// The week map drawn: seven rows of 24 hours, each cell as dark as the share of days the clan
/// was seen in that hour.
class WeekMapView final : public QWidget
{
    Q_OBJECT

public:
    explicit WeekMapView(QWidget *parent = nullptr);
    void setMap(const History::WeekMap &map);
    const History::WeekMap &map() const { return m_map; }
    /// The cell under a point, or {-1, -1}.
    std::pair<int, int> cellAt(const QPoint &pos) const;
    /// What the tip over a cell says.
    QString cellText(int day, int hour) const;
    /// The texts of the last paint.
    const QList<DrawnText> &drawnTexts() const { return m_drawn; }
    QSize minimumSizeHint() const override;
    QSize sizeHint() const override { return minimumSizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    QRect cellRect(int day, int hour) const;
    /// The width of the day names' column, which the language sets.
    int labelsWidth() const;
    QString scaleText() const;
    History::WeekMap m_map;
    QList<DrawnText> m_drawn;
};

/// A server's players, hits and capacity over a range as lines, the clan's sightings as bands
/// behind them; drawn here rather than through a chart library, the same on every system.
class SeriesChartView final : public QWidget
{
    Q_OBJECT

public:
    explicit SeriesChartView(QWidget *parent = nullptr);
    void setData(const QString &title, const QList<History::SeriesPoint> &points,
                 const QList<History::Sighting> &sightings, qint64 from, qint64 to, bool means);
    /// The top of the value scale: above the highest capacity and player count shown.
    int top() const { return m_top; }
    /// The texts of the last paint.
    const QList<DrawnText> &drawnTexts() const { return m_drawn; }
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    QStringList legendTexts() const;
    QList<DrawnText> m_drawn;
    QString m_title;
    QList<History::SeriesPoint> m_points;
    QList<History::Sighting> m_sightings;
    qint64 m_from = 0;
    qint64 m_to = 1;
    bool m_means = false;
    int m_top = 4;
};

// "History": a server's players and hits over a chosen range, a filter's week map and its
// sightings, what is shown exported as CSV, and the whole history cleared.
class HistoryWindow final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HistoryWindow)

public:
    enum Range { Day, Week, Month };
    enum Tab { ServerTab, WeekMapTab, SightingsTab };

    /// A window of its own over `parent`, gone when closed.
    explicit HistoryWindow(History::Store &store, QWidget *parent = nullptr);
    ~HistoryWindow() override;

    void showServer(const QString &serverKey);
    void showFilter(const QString &tag);
    void setRange(Range range);
    /// The time the window takes for "now"; tests and screenshots set it, else the clock's.
    void setNow(qint64 now);

    /// Writes what the current tab shows as CSV; false when the file could not be written.
    bool exportTo(const QString &path) const;
    /// Asks, then empties the history.
    void clearHistory();
    void refresh();

    QTabWidget *tabs() const { return m_tabs; }
    const QList<History::SeriesPoint> &shownSeries() const { return m_series; }
    const QList<History::Sighting> &shownSightings() const { return m_sightings; }
    const WeekMapView *weekMapView() const { return m_weekMap; }
    const SeriesChartView *chartView() const { return m_chart; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void onExport();
    void fillServerChart();
    void fillFilterViews();
    qint64 now() const;
    qint64 rangeSeconds() const;

    History::Store &m_store;
    qint64 m_now = 0;
    QTabWidget *m_tabs = nullptr;
    QComboBox *m_cboServer = nullptr;
    QComboBox *m_cboRange = nullptr;
    SeriesChartView *m_chart = nullptr;
    QComboBox *m_cboFilter = nullptr;
    WeekMapView *m_weekMap = nullptr;
    QLabel *m_lblTopServer = nullptr;
    QComboBox *m_cboSightingsFilter = nullptr;
    QTableWidget *m_tblSightings = nullptr;
    QPushButton *m_btnExport = nullptr;
    QPushButton *m_btnClear = nullptr;
    QPushButton *m_btnClose = nullptr;
    QList<History::SeriesPoint> m_series;
    QList<History::Sighting> m_sightings;
    QList<History::Sighting> m_serverSightings;
};
