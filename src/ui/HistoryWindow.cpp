#include "ui/HistoryWindow.h"

#include "history/HistoryStore.h"
#include "model/mdlZibProcessing.h"
#include "platform/Clock.h"
#include "platform/Language.h"
#include "platform/text/TextCodec.h"
#include "ui/MessageBox.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

QString localText(const QLocale &locale, qint64 time)
{
    return locale.toString(QDateTime::fromSecsSinceEpoch(time), QLocale::ShortFormat);
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

QString percent(const QLocale &locale, qint64 share)
{
    // Where the sign stands is the language's: "%40" in Turkish.
    return QCoreApplication::translate("HistoryWindow", "%1%").arg(locale.toString(share));
}

QString hourText(const QLocale &locale, int hour)
{
    return locale.toString(QTime(hour % 24, 0), QLocale::ShortFormat);
}

// The day and month in the order and with the marks of the locale's short date, the year left
// out: "02.03" in Russian, "3/2" in American English.
QString dayAndMonthFormat(const QLocale &locale)
{
    QString format = locale.dateFormat(QLocale::ShortFormat);
    static const QRegularExpression yearLast(QStringLiteral("[^dM]*y+[^dM]*$"));
    static const QRegularExpression yearFirst(QStringLiteral("^[^dM]*y+[^dM]*"));
    format.remove(yearLast);
    format.remove(yearFirst);
    return format;
}

// Draws a text in its room and keeps both, so the layout check can see what a language needs.
void drawText(QPainter &painter, QList<DrawnText> &drawn, const QRect &room, int flags, const QString &shown)
{
    QRect needed;
    painter.drawText(room, flags, shown, &needed);
    drawn.append({shown, room, needed});
}

constexpr int scaleStep = 16;
constexpr int minimumCell = 18;
constexpr int minimumRow = 22;

} // namespace

WeekMapView::WeekMapView(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("weekMap"));
    setMouseTracking(true);
}

void WeekMapView::setMap(const History::WeekMap &map)
{
    m_map = map;
    update();
}

int WeekMapView::labelsWidth() const
{
    const QFontMetrics metrics = fontMetrics();
    int widest = metrics.horizontalAdvance(percent(locale(), 0));
    for (int day = 1; day <= History::daysInWeek; ++day)
        widest = std::max(widest, metrics.horizontalAdvance(locale().dayName(day, QLocale::ShortFormat)));
    return widest + 14;
}

QString WeekMapView::scaleText() const
{
    return QCoreApplication::translate("HistoryWindow", "%1 of the days").arg(percent(locale(), 100));
}

QSize WeekMapView::minimumSizeHint() const
{
    const QFontMetrics metrics = fontMetrics();
    const int left = labelsWidth();
    const int scale = left + 11 * scaleStep + 4 + metrics.horizontalAdvance(scaleText()) + 8;
    return {std::max(left + History::hoursInDay * minimumCell + 8, scale),
            2 * metrics.height() + 24 + History::daysInWeek * minimumRow};
}

QRect WeekMapView::cellRect(int day, int hour) const
{
    const int left = labelsWidth();
    const int top = fontMetrics().height() + 8;
    const int bottom = fontMetrics().height() + 16;
    const double w = double(width() - left - 8) / History::hoursInDay;
    const double h = double(height() - top - bottom) / History::daysInWeek;
    const int x0 = left + int(std::lround(hour * w));
    const int x1 = left + int(std::lround((hour + 1) * w));
    const int y0 = top + int(std::lround(day * h));
    const int y1 = top + int(std::lround((day + 1) * h));
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
    m_drawn.clear();
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
    const int left = labelsWidth();
    for (int day = 0; day < History::daysInWeek; ++day) {
        const QRect cell = cellRect(day, 0);
        drawText(painter, m_drawn, QRect(0, cell.top(), left - 6, cell.height()), Qt::AlignRight | Qt::AlignVCenter,
                 locale().dayName(day + 1, QLocale::ShortFormat));
    }
    // Every third hour, or every sixth where the locale's hours are too wide for three cells.
    const QFontMetrics metrics = fontMetrics();
    const int top = cellRect(0, 0).top();
    int widest = 0;
    for (int hour = 0; hour < History::hoursInDay; hour += 3)
        widest = std::max(widest, metrics.horizontalAdvance(hourText(locale(), hour)));
    const int step = widest + 4 <= cellRect(0, 3).left() - cellRect(0, 0).left() ? 3 : 6;
    for (int hour = 0; hour < History::hoursInDay; hour += step) {
        const QRect cell = cellRect(0, hour);
        const int room = cellRect(0, std::min(hour + step, History::hoursInDay - 1)).left() - cell.left() - 4;
        drawText(painter, m_drawn, QRect(cell.left() - 10, 0, room, top - 4), Qt::AlignLeft | Qt::AlignBottom,
                 hourText(locale(), hour));
    }
    // The scale, so a shade can be read as a share of the days.
    const int y = cellRect(History::daysInWeek - 1, 0).bottom() + 9;
    drawText(painter, m_drawn, QRect(0, y - 2, left - 6, metrics.height() + 4), Qt::AlignRight | Qt::AlignVCenter,
             percent(locale(), 0));
    for (int step10 = 0; step10 <= 10; ++step10) {
        const double share = step10 / 10.0;
        const QColor colour = QColor::fromRgbF(float(none.redF() + (full.redF() - none.redF()) * share),
                                               float(none.greenF() + (full.greenF() - none.greenF()) * share),
                                               float(none.blueF() + (full.blueF() - none.blueF()) * share));
        painter.fillRect(QRect(left + step10 * scaleStep, y, scaleStep - 1, metrics.height()), colour);
    }
    const int scaleEnd = left + 11 * scaleStep + 4;
    drawText(painter, m_drawn, QRect(scaleEnd, y - 2, width() - scaleEnd - 4, metrics.height() + 4),
             Qt::AlignLeft | Qt::AlignVCenter, scaleText());
}

QString WeekMapView::cellText(int day, int hour) const
{
    const double share = m_map.share[std::size_t(day)][std::size_t(hour)];
    QString shown = QCoreApplication::translate("HistoryWindow", "%1 %2-%3: seen on %4 of the days")
                        .arg(locale().dayName(day + 1, QLocale::ShortFormat), hourText(locale(), hour),
                             hourText(locale(), hour + 1), percent(locale(), std::lround(share * 100)));
    const QString &server = m_map.server[std::size_t(day)][std::size_t(hour)];
    if (!server.isEmpty())
        shown = QCoreApplication::translate("HistoryWindow", "%1, most on %2").arg(shown, serverLabel(server));
    return shown;
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
        QToolTip::showText(help->globalPos(), cellText(day, hour), this);
        return true;
    }
    if (event->type() == QEvent::LocaleChange || event->type() == QEvent::FontChange)
        updateGeometry();
    return QWidget::event(event);
}

SeriesChartView::SeriesChartView(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("chartServer"));
}

QStringList SeriesChartView::legendTexts() const
{
    return {QCoreApplication::translate("HistoryWindow", "Clan seen"), QCoreApplication::translate("HistoryWindow", "Capacity"),
            m_means ? QCoreApplication::translate("HistoryWindow", "Players (mean of 15 min)")
                    : QCoreApplication::translate("HistoryWindow", "Players"),
            m_means ? QCoreApplication::translate("HistoryWindow", "Hits (mean of 15 min)")
                    : QCoreApplication::translate("HistoryWindow", "Hits")};
}

// Wide enough for the legend with the longer labels of the quarter hours, whichever range is shown.
QSize SeriesChartView::minimumSizeHint() const
{
    const QFontMetrics metrics = fontMetrics();
    int legend = 0;
    for (const QString &label : {QCoreApplication::translate("HistoryWindow", "Clan seen"),
                                 QCoreApplication::translate("HistoryWindow", "Capacity"),
                                 QCoreApplication::translate("HistoryWindow", "Players (mean of 15 min)"),
                                 QCoreApplication::translate("HistoryWindow", "Hits (mean of 15 min)")})
        legend += 16 + metrics.horizontalAdvance(label) + 18;
    const int left = metrics.horizontalAdvance(QStringLiteral("000")) + 14;
    return {std::max(400, left + legend + 16), 240};
}

bool SeriesChartView::event(QEvent *event)
{
    if (event->type() == QEvent::LocaleChange || event->type() == QEvent::FontChange)
        updateGeometry();
    return QWidget::event(event);
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
    m_drawn.clear();
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    const QFontMetrics metrics = painter.fontMetrics();
    const int left = metrics.horizontalAdvance(QStringLiteral("000")) + 14;
    const QRect plot(left, metrics.height() + 14, width() - left - 16, height() - 3 * metrics.height() - 34);
    if (plot.width() < 20 || plot.height() < 20)
        return;
    const QColor text = palette().text().color();
    painter.setPen(text);
    drawText(painter, m_drawn, QRect(4, 4, width() - 8, metrics.height() + 4), Qt::AlignHCenter | Qt::AlignVCenter,
             metrics.elidedText(m_title, Qt::ElideMiddle, width() - 8));
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
        drawText(painter, m_drawn, QRect(0, y - metrics.height() / 2 - 2, left - 6, metrics.height() + 4),
                 Qt::AlignRight | Qt::AlignVCenter, locale().toString(v));
    }
    // The time scale in the user's hours and the locale's forms: every 3 hours over a day, every
    // local midnight over a week, every 5th over a month.
    const qint64 span = m_to - m_from;
    QDateTime tick = QDateTime::fromSecsSinceEpoch(m_from);
    tick.setTime(QTime(span <= 86400 ? tick.time().hour() / 3 * 3 : 0, 0));
    const int dayStep = span <= 7 * 86400 ? 1 : 5;
    QList<std::pair<int, QString>> ticks;
    for (int guard = 0; guard < 200 && tick.toSecsSinceEpoch() <= m_to; ++guard) {
        if (tick.toSecsSinceEpoch() >= m_from) {
            const QString label = span <= 86400 ? locale().toString(tick.time(), QLocale::ShortFormat)
                                  : span <= 7 * 86400 ? locale().toString(tick, QStringLiteral("ddd d"))
                                                      : locale().toString(tick.date(), dayAndMonthFormat(locale()));
            ticks.append({int(std::lround(xOf(tick.toSecsSinceEpoch()))), label});
        }
        tick = span <= 86400 ? tick.addSecs(3 * 3600) : tick.addDays(dayStep);
    }
    // Labels too wide for the space between ticks go on every other one; the lines stay.
    int widest = 0;
    int closest = plot.width();
    for (qsizetype i = 0; i < ticks.size(); ++i) {
        widest = std::max(widest, metrics.horizontalAdvance(ticks[i].second));
        if (i > 0)
            closest = std::min(closest, ticks[i].first - ticks[i - 1].first);
    }
    const int every = widest + 8 <= closest ? 1 : 2;
    const int room = std::min(every * closest - 8, std::max(80, widest));
    for (qsizetype i = 0; i < ticks.size(); ++i) {
        const int x = ticks[i].first;
        painter.setPen(grid);
        painter.drawLine(x, plot.top(), x, plot.bottom());
        painter.setPen(text);
        // Never under the value scale's labels, nor past the edge.
        const int half = metrics.horizontalAdvance(ticks[i].second) / 2 + 1;
        if (i % every == 0 && x - half >= plot.left() - 4 && x + half <= width())
            drawText(painter, m_drawn, QRect(x - room / 2, plot.bottom() + 4, room, metrics.height() + 4),
                     Qt::AlignHCenter | Qt::AlignTop, ticks[i].second);
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

    // The legend, each label given the room up to the next key.
    const QStringList labels = legendTexts();
    const QColor colours[] = {band, QColor(120, 120, 120), QColor(31, 78, 154), QColor(200, 40, 40)};
    int x = plot.left();
    const int y = height() - metrics.height() - 8;
    for (qsizetype i = 0; i < labels.size(); ++i) {
        painter.fillRect(QRect(x, y + 2, 12, metrics.height() - 4), colours[i]);
        painter.setPen(text);
        const int next = i + 1 < labels.size() ? x + 16 + metrics.horizontalAdvance(labels[i]) + 18 : plot.right() + 1;
        drawText(painter, m_drawn, QRect(x + 16, y - 2, next - x - 16, metrics.height() + 4), Qt::AlignLeft | Qt::AlignVCenter,
                 labels[i]);
        x = next;
    }
}

HistoryWindow::HistoryWindow(History::Store &store, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_store(store)
{
    setObjectName(QStringLiteral("historyWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QCoreApplication::translate("HistoryWindow", "History"));
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
    m_cboRange->addItems({QCoreApplication::translate("HistoryWindow", "Last 24 hours"), QCoreApplication::translate("HistoryWindow", "Last 7 days"),
                          QCoreApplication::translate("HistoryWindow", "Last 30 days")});
    serverBar->addWidget(new QLabel(QCoreApplication::translate("HistoryWindow", "Server:")));
    serverBar->addWidget(m_cboServer, 1);
    serverBar->addWidget(m_cboRange);
    m_chart = new SeriesChartView;
    auto *serverLayout = new QVBoxLayout(serverPage);
    serverLayout->addLayout(serverBar);
    serverLayout->addWidget(m_chart, 1);
    m_tabs->addTab(serverPage, QCoreApplication::translate("HistoryWindow", "Server"));

    auto *mapPage = new QWidget;
    auto *mapBar = new QHBoxLayout;
    m_cboFilter = new QComboBox;
    m_cboFilter->setObjectName(QStringLiteral("cboFilter"));
    mapBar->addWidget(new QLabel(QCoreApplication::translate("HistoryWindow", "Filter:")));
    mapBar->addWidget(m_cboFilter, 1);
    mapBar->addWidget(new QLabel(QCoreApplication::translate("HistoryWindow", "the last 30 days, in your hours")));
    m_weekMap = new WeekMapView;
    m_lblTopServer = new QLabel;
    m_lblTopServer->setObjectName(QStringLiteral("lblTopServer"));
    m_lblTopServer->setTextFormat(Qt::PlainText);
    auto *mapLayout = new QVBoxLayout(mapPage);
    mapLayout->addLayout(mapBar);
    mapLayout->addWidget(m_weekMap, 1);
    mapLayout->addWidget(m_lblTopServer);
    m_tabs->addTab(mapPage, QCoreApplication::translate("HistoryWindow", "Week Map"));

    auto *sightingsPage = new QWidget;
    auto *sightingsBar = new QHBoxLayout;
    m_cboSightingsFilter = new QComboBox;
    m_cboSightingsFilter->setObjectName(QStringLiteral("cboSightingsFilter"));
    sightingsBar->addWidget(new QLabel(QCoreApplication::translate("HistoryWindow", "Filter:")));
    sightingsBar->addWidget(m_cboSightingsFilter, 1);
    m_tblSightings = new QTableWidget(0, 5);
    m_tblSightings->setObjectName(QStringLiteral("tblSightings"));
    m_tblSightings->setHorizontalHeaderLabels(
        {QCoreApplication::translate("HistoryWindow", "Server"), QCoreApplication::translate("HistoryWindow", "From"), QCoreApplication::translate("HistoryWindow", "To"),
         QCoreApplication::translate("HistoryWindow", "Peak"), QCoreApplication::translate("HistoryWindow", "Names")});
    m_tblSightings->verticalHeader()->hide();
    m_tblSightings->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tblSightings->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tblSightings->horizontalHeader()->setStretchLastSection(true);
    auto *sightingsLayout = new QVBoxLayout(sightingsPage);
    sightingsLayout->addLayout(sightingsBar);
    sightingsLayout->addWidget(m_tblSightings, 1);
    m_tabs->addTab(sightingsPage, QCoreApplication::translate("HistoryWindow", "Sightings"));

    m_btnExport = new QPushButton(QCoreApplication::translate("HistoryWindow", "Export..."));
    m_btnExport->setObjectName(QStringLiteral("btnExport"));
    m_btnClear = new QPushButton(QCoreApplication::translate("HistoryWindow", "Clear History"));
    m_btnClear->setObjectName(QStringLiteral("btnClearHistory"));
    m_btnClose = new QPushButton(QCoreApplication::translate("HistoryWindow", "Close"));
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
    // Set once the views are there, so they take it too.
    setLocale(Language::locale());
    refresh();
}

HistoryWindow::~HistoryWindow() = default;

void HistoryWindow::changeEvent(QEvent *event)
{
    // The sightings' times and counts are written into the table.
    if (event->type() == QEvent::LocaleChange)
        refresh();
    QWidget::changeEvent(event);
}

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
    m_chart->setData(key.isEmpty() ? QCoreApplication::translate("HistoryWindow", "No server") : serverLabel(key), m_series, m_serverSightings, from,
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
    m_lblTopServer->setText(map.topServer.isEmpty()
                                ? QCoreApplication::translate("HistoryWindow", "Not seen in the last 30 days.")
                                : QCoreApplication::translate("HistoryWindow", "Seen most on %1").arg(serverLabel(map.topServer)));
    m_tblSightings->setRowCount(int(m_sightings.size()));
    for (int row = 0; row < m_sightings.size(); ++row) {
        const History::Sighting &s = m_sightings[row];
        QStringList shownNames;
        for (const QString &name : s.names)
            shownNames.append(TextCodec::forDisplay(name));
        const QString cells[] = {serverLabel(s.server), localText(locale(), s.from), localText(locale(), s.to),
                                 locale().toString(s.peak),
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
    const QString path = QFileDialog::getSaveFileName(this, QCoreApplication::translate("HistoryWindow", "Export"), QStringLiteral("history.csv"),
                                                      QCoreApplication::translate("HistoryWindow", "CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    if (!exportTo(path))
        MessageBox::error(this, QCoreApplication::translate("HistoryWindow", "The history could not be written to\n%1").arg(QDir::toNativeSeparators(path)));
}

void HistoryWindow::clearHistory()
{
    if (!MessageBox::confirm(this,
                             QCoreApplication::translate("HistoryWindow", "Forget everything Zib has kept of your servers and clans? "
                                                                "This cannot be undone."),
                             QCoreApplication::translate("HistoryWindow", "Clear History")))
        return;
    m_store.clear();
    m_store.flush();
    refresh();
}
