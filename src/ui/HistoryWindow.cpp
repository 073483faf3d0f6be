#include "ui/HistoryWindow.h"

#include "history/HistoryStore.h"
#include "model/mdlZibProcessing.h"
#include "platform/Clock.h"
#include "platform/text/TextCodec.h"
#include "ui/MessageBox.h"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateTimeAxis>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QLineSeries>
#include <QPainter>
#include <QPushButton>
#include <QSaveFile>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolTip>
#include <QValueAxis>
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
    m_chart = new QChartView;
    m_chart->setObjectName(QStringLiteral("chartServer"));
    m_chart->setRenderHint(QPainter::Antialiasing);
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
    m_series = key.isEmpty() ? QList<History::SeriesPoint>{} : reader.series(key, from, to, rangeSeconds() > 86400);
    m_serverSightings = key.isEmpty() ? QList<History::Sighting>{} : reader.sightings({}, key, from, to);

    auto *chart = new QChart;
    chart->setTitle(key.isEmpty() ? QStringLiteral("No server") : serverLabel(key));
    chart->legend()->setAlignment(Qt::AlignBottom);
    auto *players = new QLineSeries;
    players->setName(QStringLiteral("Players"));
    auto *hits = new QLineSeries;
    hits->setName(QStringLiteral("Hits"));
    auto *capacity = new QLineSeries;
    capacity->setName(QStringLiteral("Capacity"));
    int top = 4;
    const bool bucketed = rangeSeconds() > 86400;
    for (const History::SeriesPoint &p : m_series) {
        const qreal x = qreal(p.time) * 1000;
        players->append(x, bucketed ? p.playersMean : p.playersPeak);
        hits->append(x, bucketed ? p.hitsMean : p.hitsPeak);
        capacity->append(x, p.capacity);
        top = std::max({top, p.capacity, p.playersPeak});
    }
    // The sightings as bands from the floor to the top, behind the lines.
    auto *bandEdge = new QLineSeries;
    QList<History::Sighting> bands = m_serverSightings;
    std::sort(bands.begin(), bands.end(), [](const auto &a, const auto &b) { return a.from < b.from; });
    bandEdge->append(qreal(from) * 1000, 0);
    for (const History::Sighting &s : bands) {
        // A sighting of one check is drawn a check wide, so it still shows.
        const qint64 start = std::max(s.from, from);
        const qint64 end = std::max(std::min(s.to, to), start + 60);
        bandEdge->append(qreal(start) * 1000, 0);
        bandEdge->append(qreal(start) * 1000, top + 1);
        bandEdge->append(qreal(end) * 1000, top + 1);
        bandEdge->append(qreal(end) * 1000, 0);
    }
    bandEdge->append(qreal(to) * 1000, 0);
    auto *band = new QAreaSeries(bandEdge);
    band->setName(QStringLiteral("Clan seen"));
    band->setColor(QColor(255, 170, 60, 90));
    band->setBorderColor(QColor(255, 170, 60, 0));
    chart->addSeries(band);
    chart->addSeries(capacity);
    chart->addSeries(players);
    chart->addSeries(hits);
    QPen capacityPen(QColor(120, 120, 120));
    capacityPen.setStyle(Qt::DashLine);
    capacityPen.setWidth(2);
    capacity->setPen(capacityPen);
    players->setPen(QPen(QColor(31, 78, 154), 2));
    hits->setPen(QPen(QColor(200, 40, 40), 2));

    auto *xAxis = new QDateTimeAxis;
    xAxis->setRange(QDateTime::fromSecsSinceEpoch(from), QDateTime::fromSecsSinceEpoch(to));
    xAxis->setFormat(rangeSeconds() <= 86400 ? QStringLiteral("HH:mm")
                     : rangeSeconds() <= 7 * 86400 ? QStringLiteral("ddd d")
                                                   : QStringLiteral("d MMM"));
    xAxis->setTickCount(rangeSeconds() <= 7 * 86400 ? 8 : 7);
    auto *yAxis = new QValueAxis;
    yAxis->setRange(0, top + 1);
    yAxis->setLabelFormat(QStringLiteral("%d"));
    yAxis->setTickCount(std::min(top + 2, 9));
    yAxis->applyNiceNumbers();
    chart->addAxis(xAxis, Qt::AlignBottom);
    chart->addAxis(yAxis, Qt::AlignLeft);
    for (QAbstractSeries *series : chart->series()) {
        series->attachAxis(xAxis);
        series->attachAxis(yAxis);
    }
    QChart *old = m_chart->chart();
    m_chart->setChart(chart);
    delete old;
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
