#include "history/HistoryStore.h"
#include "history/HistoryWriter.h"
#include "platform/Language.h"
#include "ui/HistoryWindow.h"
#include "ui/MessageBox.h"

#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// 2026-03-02 00:00:00 UTC, a Monday.
constexpr qint64 monday = 1772409600;

class HistoryWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        MessageBox::resetForTests();
        m_store.open(m_dir.filePath(History::fileName));
        // Ten days of one server every 5 minutes, the clan there each evening from 20:00 to 21:00 UTC.
        for (qint64 t = monday; t < monday + 10 * 86400; t += 300) {
            History::ServerSample s;
            s.key = QStringLiteral("10.0.0.1:27015");
            s.players = qint16(10);
            s.capacity = 20;
            s.answered = true;
            const qint64 hour = (t - monday) % 86400 / 3600;
            if (hour == 20) {
                s.hits = 2;
                s.filters = {{QStringLiteral("[X]"), 2, {QStringLiteral("[X]Ann"), QStringLiteral("[X]Bo")}}};
            }
            m_store.record({t, {s}});
            m_store.flush();
        }
    }
    void TearDown() override { MessageBox::resetForTests(); }

    QTemporaryDir m_dir;
    History::Store m_store;
    const qint64 m_now = monday + 10 * 86400;
};

} // namespace

TEST_F(HistoryWindowTest, AServerOverAWeekAFilterByHourExportAndClear)
{
    HistoryWindow window(m_store);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.setNow(m_now);
    window.showServer(QStringLiteral("10.0.0.1:27015"));
    window.setRange(HistoryWindow::Week);
    // Seven days in quarter hours.
    EXPECT_EQ(window.shownSeries().size(), 7 * 96);
    EXPECT_EQ(window.tabs()->currentIndex(), HistoryWindow::ServerTab);
    // The scale reaches above the capacity, so its line is never drawn on the frame.
    EXPECT_GT(window.chartView()->top(), 20);

    window.showFilter(QStringLiteral("[X]"));
    EXPECT_EQ(window.tabs()->currentIndex(), HistoryWindow::WeekMapTab);
    ASSERT_EQ(window.shownSightings().size(), 10);
    EXPECT_GT(window.shownSightings()[0].from, window.shownSightings()[1].from) << "newest first";
    const auto *table = window.findChild<QTableWidget *>(QStringLiteral("tblSightings"));
    ASSERT_EQ(table->rowCount(), 10);
    EXPECT_EQ(table->item(0, 3)->text(), QStringLiteral("2"));
    EXPECT_EQ(table->item(0, 4)->text(), QStringLiteral("[X]Ann, [X]Bo"));
    // Every evening was seen: the cell of 20:00 in the user's hours is full on the days the
    // range had it; nothing at noon.
    const History::WeekMap &map = window.weekMapView()->map();
    const QDateTime evening = QDateTime::fromSecsSinceEpoch(monday + 20 * 3600 + 600);
    const auto day = std::size_t(evening.date().dayOfWeek() - 1);
    const auto hour = std::size_t(evening.time().hour());
    EXPECT_GT(map.share[day][hour], 0.0);
    EXPECT_EQ(map.server[day][hour], QStringLiteral("10.0.0.1:27015"));

    const QString csv = m_dir.filePath(QStringLiteral("sightings.csv"));
    window.tabs()->setCurrentIndex(HistoryWindow::SightingsTab);
    ASSERT_TRUE(window.exportTo(csv));
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    EXPECT_EQ(lines[0], QByteArray("filter,server,from,to,peak,names\r"));
    EXPECT_EQ(lines.size(), 12) << "the header, ten sightings and the last line's end";

    // Clearing asks first; Cancel keeps everything.
    MessageBox::setNextAnswer(QMessageBox::Cancel);
    window.clearHistory();
    EXPECT_EQ(window.shownSightings().size(), 10);
    MessageBox::setNextAnswer(QMessageBox::Ok);
    window.clearHistory();
    EXPECT_TRUE(window.shownSightings().isEmpty());
    window.showServer(QStringLiteral("10.0.0.1:27015"));
    EXPECT_TRUE(window.shownSeries().isEmpty());
}

TEST_F(HistoryWindowTest, TimesAndDaysInTheFormsOfTheWindowsLocale)
{
    // The charts draw in the window's locale, the program's language, not whatever is the default.
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::Turkish));
    HistoryWindow window(m_store);
    QLocale::setDefault(before);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    EXPECT_EQ(window.locale(), Language::locale());
    EXPECT_EQ(window.chartView()->locale(), Language::locale());
    EXPECT_EQ(window.weekMapView()->locale(), Language::locale());
    window.setLocale(QLocale(QLocale::Russian, QLocale::Russia));
    window.setNow(m_now);
    window.showFilter(QStringLiteral("[X]"));
    const auto *table = window.findChild<QTableWidget *>(QStringLiteral("tblSightings"));
    ASSERT_EQ(table->rowCount(), 10);
    // The last evening's sighting, in the user's own hours.
    const QDateTime from = QDateTime::fromSecsSinceEpoch(monday + 9 * 86400 + 20 * 3600);
    EXPECT_EQ(table->item(0, 1)->text(), from.toString(QStringLiteral("dd.MM.yyyy HH:mm")));
    EXPECT_TRUE(window.weekMapView()->cellText(0, 20).startsWith(QStringLiteral("пн 20:00-21:00:")))
        << window.weekMapView()->cellText(0, 20).toStdString();

    // A locale set later rewrites what was already shown.
    window.setLocale(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(table->item(0, 1)->text(), from.toString(QStringLiteral("dd.MM.yy HH:mm")));
    EXPECT_TRUE(window.weekMapView()->cellText(6, 0).startsWith(QStringLiteral("So. 00:00-01:00:")));
}
