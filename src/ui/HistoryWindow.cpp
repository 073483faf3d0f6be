#include "ui/HistoryWindow.h"

#include "history/HistoryStore.h"
#include "model/mdlZibProcessing.h"
#include "platform/Clock.h"
#include "platform/text/TextCodec.h"
#include "ui/MessageBox.h"

#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QSaveFile>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

const QString dayNames[] = {QStringLiteral("Mon"), QStringLiteral("Tue"), QStringLiteral("Wed"), QStringLiteral("Thu"),
                            QStringLiteral("Fri"), QStringLiteral("Sat"), QStringLiteral("Sun")};

QString localText(qint64 time)
{
    return QDateTime::fromSecsSinceEpoch(time).toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

// "Name (address:port)" for a server still in the list, the address alone for one removed.
QString serverLabel(const QString &key)
{
    for (const auto &server : mdlZibProcessing::gameServers) {
        if (server->address() + u':' + QString::number(server->port()) == key && !server->name().isEmpty())
            return TextCodec::forDisplay(server->name()) + QStringLiteral(" (") + key + u')';
    }
    return key;
}

constexpr int mapLeft = 44;
constexpr int mapTop = 22;
constexpr int mapBottom = 30;

} // namespace

WeekMapView::WeekMapView(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("weekMap"));
    setMinimumSize(mapLeft + 24 * 18, mapTop + 7 * 22 + mapBottom);
    setMouseTracking(true);
}

void WeekMapView::setMap(const History::WeekMap &map)
{
    m_map = map;
    update();
}

QRect WeekMapView::cellRect(int day, int hour) const
{
    const double w = double(width() - mapLeft - 8) / History::hoursInDay;
    const double h = double(height() - mapTop - mapBottom) / History::daysInWeek;
    const int x0 = mapLeft + int(std::lround(hour * w));
    const int x1 = mapLeft + int(std::lround((hour + 1) * w));
    const int y0 = mapTop + int(std::lround(day * h));
    const int y1 = mapTop + int(std::lround((day + 1) * h));
    return {x0, y0, x1 - x0, y1 - y0};
}

std::pair<int, int> WeekMapView::cellAt(const QPoint &pos) const
{
    for (int day = 0; day < History::daysInWeek; ++day) {
        for (int hour = 0; hour < History::hoursInDay; ++hour) {
            if (cellRect(day, hour).contains(pos))
                return {day, hour};
        }
    }
    return {-1, -1};
}

void WeekMapView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    const QColor none(0xF4, 0xF6, 0xFA);
    const QColor full(0x1F, 0x4E, 0x9A);
    for (int day = 0; day < History::daysInWeek; ++day) {
        for (int hour = 0; hour < History::hoursInDay; ++hour) {
            const double share = m_map.share[std::size_t(day)][std::size_t(hour)];
            const QColor colour = QColor::fromRgbF(float(none.redF() + (full.redF() - none.redF()) * share),
                                                   float(none.greenF() + (full.greenF() - none.greenF()) * share),
                                                   float(none.blueF() + (full.blueF() - none.blueF()) * share));
            const QRect cell = cellRect(day, hour);
            painter.fillRect(cell.adjusted(0, 0, -1, -1), colour);
        }
    }
    painter.setPen(palette().text().color());
    for (int day = 0; day < History::daysInWeek; ++day) {
        const QRect cell = cellRect(day, 0);
        painter.drawText(QRect(0, cell.top(), mapLeft - 6, cell.height()), Qt::AlignRight | Qt::AlignVCenter,
                         dayNames[day]);
    }
    for (int hour = 0; hour < History::hoursInDay; hour += 3) {
        const QRect cell = cellRect(0, hour);
        painter.drawText(QRect(cell.left() - 10, 0, 40, mapTop - 4), Qt::AlignLeft | Qt::AlignBottom,
                         QStringLiteral("%1:00").arg(hour, 2, 10, QLatin1Char('0')));
    }
    // The scale, so a shade can be read as a share of the days.
    const int y = height() - mapBottom + 8;
    painter.drawText(QRect(0, y, mapLeft - 6, 16), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("0%"));
    for (int step = 0; step <= 10; ++step) {
        const double share = step / 10.0;
        const QColor colour = QColor::fromRgbF(float(none.redF() + (full.redF() - none.redF()) * share),
                                               float(none.greenF() + (full.greenF() - none.greenF()) * share),
                                               float(none.blueF() + (full.blueF() - none.blueF()) * share));
        painter.fillRect(QRect(mapLeft + step * 16, y, 15, 16), colour);
    }
    painter.drawText(QRect(mapLeft + 11 * 16 + 4, y, 200, 16), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("100% of the days"));
}

bool WeekMapView::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        const auto [day, hour] = cellAt(help->pos());
        if (day < 0) {
            QToolTip::hideText();
            return true;
        }
        const double share = m_map.share[std::size_t(day)][std::size_t(hour)];
        QString text = QStringLiteral("%1 %2:00-%3:00: seen on %4% of the days")
                           .arg(dayNames[day])
                           .arg(hour, 2, 10, QLatin1Char('0'))
                           .arg((hour + 1) % 24, 2, 10, QLatin1Char('0'))
                           .arg(std::lround(share * 100));
        const QString &server = m_map.server[std::size_t(day)][std::size_t(hour)];
        if (!server.isEmpty())
            text += QStringLiteral(", most on ") + serverLabel(server);
        QToolTip::showText(help->globalPos(), text, this);
        return true;
    }
    return QWidget::event(event);
}

SeriesChartView::SeriesChartView(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("chartServer"));
    setMinimumSize(400, 240);
}

void SeriesChartView::setData(const QString &title, const QList<History::SeriesPoint> &points,
                              const QList<History::Sighting> &sightings, qint64 from, qint64 to, bool means)
{
    m_title = title;
    m_points = points;
    m_sightings = sightings;
    m_from = from;
    m_to = std::max(to, from + 1);
    m_means = means;
    int highest = 4;
    for (const History::SeriesPoint &p : points)
        highest = std::max({highest, p.capacity, p.playersPeak});
    // A scale in steps of 1, 2, 5 or 10 players that reads at a glance.
    const int step = highest <= 10 ? 1 : highest <= 20 ? 2 : highest <= 50 ? 5 : 10;
    m_top = (highest / step + 1) * step;
    update();
}

void SeriesChartView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    const QFontMetrics metrics = painter.fontMetrics();
    const int left = metrics.horizontalAdvance(QStringLiteral("000")) + 14;
    const QRect plot(left, metrics.height() + 14, width() - left - 16, height() - 3 * metrics.height() - 34);
    if (plot.width() < 20 || plot.height() < 20)
        return;
    const QColor text = palette().text().color();
    painter.setPen(text);
    painter.drawText(QRect(0, 4, width(), metrics.height() + 4), Qt::AlignHCenter | Qt::AlignVCenter, m_title);
    const auto xOf = [&](qint64 t) { return plot.left() + double(t - m_from) / double(m_to - m_from) * plot.width(); };
    const auto yOf = [&](double v) { return plot.bottom() - v / m_top * plot.height(); };

    // The sightings first, as bands behind everything.
    const QColor band(255, 170, 60, 90);
    for (const History::Sighting &s : m_sightings) {
        // A sighting of one check is drawn a check wide, so it still shows.
        const double x0 = xOf(std::max(s.from, m_from));
        const double x1 = std::max(xOf(std::min(s.to, m_to)), x0 + 2);
        painter.fillRect(QRectF(x0, plot.top(), x1 - x0, plot.height()), band);
    }
    // The value scale and its grid.
    const int step = m_top <= 11 ? 1 : m_top <= 22 ? 2 : m_top <= 55 ? 5 : 10;
    const QColor grid(0xE0, 0xE0, 0xE0);
    for (int v = 0; v <= m_top; v += step) {
        const int y = int(std::lround(yOf(v)));
        painter.setPen(grid);
        painter.drawLine(plot.left(), y, plot.right(), y);
        painter.setPen(text);
        painter.drawText(QRect(0, y - metrics.height() / 2, left - 6, metrics.height()), Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(v));
    }
    // The time scale in the user's hours: every 3 hours over a day, every local midnight over a
    // week, every 5th over a month.
    const qint64 span = m_to - m_from;
    QDateTime tick = QDateTime::fromSecsSinceEpoch(m_from);
    tick.setTime(QTime(span <= 86400 ? tick.time().hour() / 3 * 3 : 0, 0));
    const int dayStep = span <= 7 * 86400 ? 1 : 5;
    QString format = span <= 86400 ? QStringLiteral("HH:mm") : span <= 7 * 86400 ? QStringLiteral("ddd d") : QStringLiteral("d MMM");
    for (int guard = 0; guard < 200 && tick.toSecsSinceEpoch() <= m_to; ++guard) {
        if (tick.toSecsSinceEpoch() >= m_from) {
            const int x = int(std::lround(xOf(tick.toSecsSinceEpoch())));
            painter.setPen(grid);
            painter.drawLine(x, plot.top(), x, plot.bottom());
            painter.setPen(text);
            painter.drawText(QRect(x - 40, plot.bottom() + 4, 80, metrics.height()), Qt::AlignHCenter | Qt::AlignTop,
                             tick.toString(format));
        }
        tick = span <= 86400 ? tick.addSecs(3 * 3600) : tick.addDays(dayStep);
    }
    painter.setPen(text);
    painter.drawRect(plot.adjusted(0, 0, -1, -1));

    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(plot);
    const auto line = [&](auto value, const QPen &pen) {
        QPainterPath path;
        qint64 previous = 0;
        bool started = false;
        for (const History::SeriesPoint &p : m_points) {
            const QPointF at(xOf(p.time), yOf(value(p)));
            // A gap of more than a few checks (Zib was not running) is left a gap.
            if (!started || p.time - previous > (m_means ? 3 * History::bucketSeconds : 600))
                path.moveTo(at);
            else
                path.lineTo(at);
            started = true;
            previous = p.time;
        }
        painter.setPen(pen);
        painter.drawPath(path);
    };
    QPen capacityPen(QColor(120, 120, 120), 2, Qt::DashLine);
    line([](const History::SeriesPoint &p) { return double(p.capacity); }, capacityPen);
    line([this](const History::SeriesPoint &p) { return m_means ? p.playersMean : p.playersPeak; }, QPen(QColor(31, 78, 154), 2));
    line([this](const History::SeriesPoint &p) { return m_means ? p.hitsMean : p.hitsPeak; }, QPen(QColor(200, 40, 40), 2));
    painter.setClipping(false);
    painter.setRenderHint(QPainter::Antialiasing, false);

    // The legend.
    const struct
    {
        QColor colour;
        QString label;
    } keys[] = {{band, QStringLiteral("Clan seen")}, {QColor(120, 120, 120), QStringLiteral("Capacity")},
                {QColor(31, 78, 154), m_means ? QStringLiteral("Players (mean of 15 min)") : QStringLiteral("Players")},
                {QColor(200, 40, 40), m_means ? QStringLiteral("Hits (mean of 15 min)") : QStringLiteral("Hits")}};
    int x = plot.left();
    const int y = height() - metrics.height() - 8;
    for (const auto &key : keys) {
        painter.fillRect(QRect(x, y + 2, 12, metrics.height() - 4), key.colour);
        painter.setPen(text);
        painter.drawText(QPoint(x + 16, y + metrics.ascent()), key.label);
        x += 16 + metrics.horizontalAdvance(key.label) + 18;
    }
}

HistoryWindow::HistoryWindow(History::Store &store, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_store(store)
{
    setObjectName(QStringLiteral("historyWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("History"));
    resize(820, 540);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("tabsHistory"));

    auto *serverPage = new QWidget;
    auto *serverBar = new QHBoxLayout;
    m_cboServer = new QComboBox;
    m_cboServer->setObjectName(QStringLiteral("cboServer"));
    m_cboServer->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_cboRange = new QComboBox;
    m_cboRange->setObjectName(QStringLiteral("cboRange"));
    m_cboRange->addItems({QStringLiteral("Last 24 hours"), QStringLiteral("Last 7 days"), QStringLiteral("Last 30 days")});
    serverBar->addWidget(new QLabel(QStringLiteral("Server:")));
    serverBar->addWidget(m_cboServer, 1);
    serverBar->addWidget(m_cboRange);
    m_chart = new SeriesChartView;
    auto *serverLayout = new QVBoxLayout(serverPage);
    serverLayout->addLayout(serverBar);
    serverLayout->addWidget(m_chart, 1);
    m_tabs->addTab(serverPage, QStringLiteral("Server"));

    auto *mapPage = new QWidget;
    auto *mapBar = new QHBoxLayout;
    m_cboFilter = new QComboBox;
    m_cboFilter->setObjectName(QStringLiteral("cboFilter"));
    mapBar->addWidget(new QLabel(QStringLiteral("Filter:")));
    mapBar->addWidget(m_cboFilter, 1);
    mapBar->addWidget(new QLabel(QStringLiteral("the last 30 days, in your hours")));
    m_weekMap = new WeekMapView;
    m_lblTopServer = new QLabel;
    m_lblTopServer->setObjectName(QStringLiteral("lblTopServer"));
    m_lblTopServer->setTextFormat(Qt::PlainText);
    auto *mapLayout = new QVBoxLayout(mapPage);
    mapLayout->addLayout(mapBar);
    mapLayout->addWidget(m_weekMap, 1);
    mapLayout->addWidget(m_lblTopServer);
    m_tabs->addTab(mapPage, QStringLiteral("Week Map"));

    auto *sightingsPage = new QWidget;
    auto *sightingsBar = new QHBoxLayout;
    m_cboSightingsFilter = new QComboBox;
    m_cboSightingsFilter->setObjectName(QStringLiteral("cboSightingsFilter"));
    sightingsBar->addWidget(new QLabel(QStringLiteral("Filter:")));
    sightingsBar->addWidget(m_cboSightingsFilter, 1);
    m_tblSightings = new QTableWidget(0, 5);
    m_tblSightings->setObjectName(QStringLiteral("tblSightings"));
    m_tblSightings->setHorizontalHeaderLabels(
        {QStringLiteral("Server"), QStringLiteral("From"), QStringLiteral("To"), QStringLiteral("Peak"), QStringLiteral("Names")});
    m_tblSightings->verticalHeader()->hide();
    m_tblSightings->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tblSightings->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tblSightings->horizontalHeader()->setStretchLastSection(true);
    auto *sightingsLayout = new QVBoxLayout(sightingsPage);
    sightingsLayout->addLayout(sightingsBar);
    sightingsLayout->addWidget(m_tblSightings, 1);
    m_tabs->addTab(sightingsPage, QStringLiteral("Sightings"));

    m_btnExport = new QPushButton(QStringLiteral("Export..."));
    m_btnExport->setObjectName(QStringLiteral("btnExport"));
    m_btnClear = new QPushButton(QStringLiteral("Clear History"));
    m_btnClear->setObjectName(QStringLiteral("btnClearHistory"));
    m_btnClose = new QPushButton(QStringLiteral("Close"));
    m_btnClose->setObjectName(QStringLiteral("btnClose"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_btnExport);
    buttons->addWidget(m_btnClear);
    buttons->addStretch(1);
    buttons->addWidget(m_btnClose);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs, 1);
    layout->addLayout(buttons);

    const History::Reader reader(m_store.path());
    for (const QString &key : reader.servers())
        m_cboServer->addItem(serverLabel(key), key);
    for (const QString &tag : reader.filters()) {
        m_cboFilter->addItem(TextCodec::forDisplay(tag), tag);
        m_cboSightingsFilter->addItem(TextCodec::forDisplay(tag), tag);
    }

    connect(m_cboServer, &QComboBox::currentIndexChanged, this, &HistoryWindow::fillServerChart);
    connect(m_cboRange, &QComboBox::currentIndexChanged, this, &HistoryWindow::fillServerChart);
    connect(m_cboFilter, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_cboSightingsFilter->setCurrentIndex(index);
        fillFilterViews();
    });
    connect(m_cboSightingsFilter, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_cboFilter->setCurrentIndex(index);
        fillFilterViews();
    });
    connect(m_btnExport, &QPushButton::clicked, this, &HistoryWindow::onExport);
    connect(m_btnClear, &QPushButton::clicked, this, &HistoryWindow::clearHistory);
    connect(m_btnClose, &QPushButton::clicked, this, &QWidget::close);
    refresh();
}

HistoryWindow::~HistoryWindow() = default;

qint64 HistoryWindow::now() const
{
    return m_now > 0 ? m_now : Clock::now().toSecsSinceEpoch();
}

void HistoryWindow::setNow(qint64 now)
{
    m_now = now;
    refresh();
}

qint64 HistoryWindow::rangeSeconds() const
{
    switch (m_cboRange->currentIndex()) {
    case Week:
        return 7 * 86400;
    case Month:
        return 30 * 86400;
    default:
        return 86400;
    }
}

void HistoryWindow::showServer(const QString &serverKey)
{
    int index = m_cboServer->findData(serverKey);
    if (index < 0) {
        // A server not checked yet has no history, but the window still says whose it is.
        m_cboServer->addItem(serverLabel(serverKey), serverKey);
        index = m_cboServer->count() - 1;
    }
    m_cboServer->setCurrentIndex(index);
    m_tabs->setCurrentIndex(ServerTab);
}

void HistoryWindow::showFilter(const QString &tag)
{
    int index = m_cboFilter->findData(tag);
    if (index < 0) {
        m_cboFilter->addItem(TextCodec::forDisplay(tag), tag);
        m_cboSightingsFilter->addItem(TextCodec::forDisplay(tag), tag);
        index = m_cboFilter->count() - 1;
    }
    m_cboFilter->setCurrentIndex(index);
    m_tabs->setCurrentIndex(WeekMapTab);
}

void HistoryWindow::setRange(Range range)
{
    m_cboRange->setCurrentIndex(range);
}

void HistoryWindow::refresh()
{
    fillServerChart();
    fillFilterViews();
}

void HistoryWindow::fillServerChart()
{
    const QString key = m_cboServer->currentData().toString();
    const qint64 to = now();
    const qint64 from = to - rangeSeconds();
    const History::Reader reader(m_store.path());
    // A day is drawn check by check; longer ranges in quarter hours, which a chart this wide can show.
    const bool bucketed = rangeSeconds() > 86400;
    m_series = key.isEmpty() ? QList<History::SeriesPoint>{} : reader.series(key, from, to, bucketed);
    m_serverSightings = key.isEmpty() ? QList<History::Sighting>{} : reader.sightings({}, key, from, to);
    m_chart->setData(key.isEmpty() ? QStringLiteral("No server") : serverLabel(key), m_series, m_serverSightings, from,
                     to, bucketed);
}

void HistoryWindow::fillFilterViews()
{
    const QString tag = m_cboFilter->currentData().toString();
    const qint64 to = now();
    const qint64 from = to - 30 * 86400;
    const History::Reader reader(m_store.path());
    m_sightings = tag.isEmpty() ? QList<History::Sighting>{} : reader.sightings(tag, {}, from, to);
    const History::WeekMap map = History::weekMap(m_sightings, to, 30, QTimeZone::systemTimeZone());
    m_weekMap->setMap(map);
    m_lblTopServer->setText(map.topServer.isEmpty() ? QStringLiteral("Not seen in the last 30 days.")
                                                    : QStringLiteral("Seen most on ") + serverLabel(map.topServer));
    m_tblSightings->setRowCount(int(m_sightings.size()));
    for (int row = 0; row < m_sightings.size(); ++row) {
        const History::Sighting &s = m_sightings[row];
        QStringList shownNames;
        for (const QString &name : s.names)
            shownNames.append(TextCodec::forDisplay(name));
        const QString cells[] = {serverLabel(s.server), localText(s.from), localText(s.to), QString::number(s.peak),
                                 shownNames.join(QStringLiteral(", "))};
        for (int column = 0; column < 5; ++column)
            m_tblSightings->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    m_tblSightings->resizeColumnsToContents();
}

bool HistoryWindow::exportTo(const QString &path) const
{
    const QTimeZone zone = QTimeZone::systemTimeZone();
    const QByteArray csv = m_tabs->currentIndex() == ServerTab
                               ? History::seriesCsv(m_cboServer->currentData().toString(), m_series, zone)
                               : History::sightingsCsv(m_sightings, zone);
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(csv) == csv.size() && file.commit();
}

void HistoryWindow::onExport()
{
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Export"), QStringLiteral("history.csv"),
                                                      QStringLiteral("CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    if (!exportTo(path))
        MessageBox::error(this, QStringLiteral("The history could not be written to\n") + path);
}

void HistoryWindow::clearHistory()
{
    if (!MessageBox::confirm(this,
                             QStringLiteral("Forget everything Zib has kept of your servers and clans? This cannot "
                                            "be undone."),
                             QStringLiteral("Clear History")))
        return;
    m_store.clear();
    m_store.flush();
    refresh();
}
