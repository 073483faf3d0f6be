// Every window as a user sees it on a machine whose only installed faces are DejaVu (the tests'
// main makes fontconfig see nothing else), in every language Zib speaks: each caption is measured
// in the font it is drawn in and must fit inside its own control, keep clear of every control
// beside it, and both grids' columns must fit their views.
#include "MainWindowFixture.h"

#include "history/HistoryStore.h"
#include "history/HistoryWriter.h"
#include "model/ClanFilter.h"
#include "model/GameServer.h"
#include "model/mdlZibProcessing.h"
#include "ui/FixedLayout.h"
#include "ui/HistoryWindow.h"
#include "platform/Language.h"
#include "platform/Twips.h"
#include "ui/NotificationsWindow.h"
#include "ui/filtersWindow.h"
#include "ui/optionsWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOption>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <functional>
#include <memory>
#include <optional>

using namespace mdlZibProcessing;

namespace {

// Where a control's caption is drawn and the room the control gives it, both in its parent's
// coordinates.
struct Caption
{
    QString text;
    QRect drawn;
    QRect room;
};

std::optional<Caption> captionOf(const QWidget *widget)
{
    const QFontMetrics metrics(widget->font());
    const QStyle *style = widget->style();
    const QPoint origin = widget->geometry().topLeft();

    if (const auto *label = qobject_cast<const QLabel *>(widget)) {
        if (label->text().isEmpty())
            return std::nullopt;
        // As QLabel lays out plain text.
        const QRect room = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(),
                                                          -label->margin());
        const int flags = int(label->alignment()) | Qt::TextExpandTabs | (label->wordWrap() ? Qt::TextWordWrap : 0);
        return Caption{label->text(), metrics.boundingRect(room, flags, label->text()).translated(origin),
                       room.translated(origin)};
    }
    if (const auto *box = qobject_cast<const QGroupBox *>(widget)) {
        if (box->title().isEmpty())
            return std::nullopt;
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.lineWidth = 1;
        option.textAlignment = box->alignment();
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        const QRect title = style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
        return Caption{box->title(), title.translated(origin), box->rect().translated(origin)};
    }
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget)) {
        if (button->text().isEmpty())
            return std::nullopt;
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        QSize size = metrics.size(Qt::TextShowMnemonic, button->text());
        if (!button->icon().isNull())
            size.rwidth() += button->iconSize().width() + 4;
        if (qobject_cast<const QCheckBox *>(button)) {
            const QRect room = style->subElementRect(QStyle::SE_CheckBoxContents, &option, button);
            return Caption{button->text(),
                           QStyle::alignedRect(Qt::LeftToRight, Qt::AlignLeft | Qt::AlignVCenter, size, room)
                               .translated(origin),
                           room.translated(origin)};
        }
        if (qobject_cast<const QPushButton *>(button)) {
            const QRect room = style->subElementRect(QStyle::SE_PushButtonContents, &option, button);
            return Caption{button->text(),
                           QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, room).translated(origin),
                           room.translated(origin)};
        }
    }
    return std::nullopt;
}

// The widgets a user sees of a window, the window itself left out.
QList<QWidget *> shownControls(QWidget *window)
{
    QList<QWidget *> shown;
    for (QWidget *widget : window->findChildren<QWidget *>())
        if (widget->isVisibleTo(window) && widget->window() == window)
            shown.append(widget);
    return shown;
}

// The faces a caption may be set in: the designed one where it exists, else the carried stand-in.
bool inDesignedFace(const QWidget *widget)
{
    const QString family = QFontInfo(widget->font()).family();
    return family == QLatin1String(FixedLayout::sansSerifStandIn) || family == QLatin1String(FixedLayout::comicStandIn)
        || family == QStringLiteral("MS Sans Serif") || family == QStringLiteral("Microsoft Sans Serif")
        || family == QStringLiteral("Comic Sans MS");
}

void expectCaptionsFit(QWidget *window, const char *which)
{
    SCOPED_TRACE(which);
    const QList<QWidget *> controls = shownControls(window);
    int captions = 0;
    for (const QWidget *control : controls) {
        const std::optional<Caption> caption = captionOf(control);
        if (!caption)
            continue;
        ++captions;
        const std::string name = (control->objectName().isEmpty() ? QString::fromLatin1(control->metaObject()->className())
                                                                   : control->objectName())
                                     .toStdString()
            + " \"" + caption->text.toStdString() + "\"";
        EXPECT_TRUE(inDesignedFace(control)) << name << " is set in " << QFontInfo(control->font()).family().toStdString();
        EXPECT_TRUE(caption->room.contains(caption->drawn))
            << name << ": text needs " << caption->drawn.width() << "x" << caption->drawn.height() << " at "
            << caption->drawn.x() << "," << caption->drawn.y() << ", the control gives " << caption->room.width() << "x"
            << caption->room.height() << " at " << caption->room.x() << "," << caption->room.y();
        for (const QWidget *sibling : controls) {
            if (sibling == control || sibling->parentWidget() != control->parentWidget())
                continue;
            EXPECT_FALSE(caption->drawn.intersects(sibling->geometry()))
                << name << " reaches into " << sibling->objectName().toStdString() << " ("
                << sibling->metaObject()->className() << ")";
        }
    }
    EXPECT_GT(captions, 0) << "no caption found to check";
}

void expectColumnsFit(const QTableWidget *grid)
{
    SCOPED_TRACE(grid->objectName().toStdString());
    const QHeaderView *header = grid->horizontalHeader();
    const QFontMetrics metrics(header->font());
    int total = 0;
    for (int column = 0; column < grid->columnCount(); ++column) {
        if (grid->isColumnHidden(column))
            continue;
        total += grid->columnWidth(column);
        const QString heading = grid->horizontalHeaderItem(column) ? grid->horizontalHeaderItem(column)->text() : QString();
        EXPECT_LE(metrics.horizontalAdvance(heading.trimmed()), grid->columnWidth(column))
            << "heading \"" << heading.toStdString() << "\" is cut";
    }
    ::testing::Test::RecordProperty(grid->objectName().toStdString() + "_columns_in_view",
                                    std::to_string(total) + " of " + std::to_string(grid->viewport()->width()));
    EXPECT_LE(total, grid->viewport()->width()) << "the columns need more than the view shows";
    EXPECT_FALSE(grid->horizontalScrollBar()->isVisible());
}

// What a chart draws itself: each text inside its room and the view, none over another.
// `drawn` is the view's own list, which the paint refills.
void expectDrawnTextsFit(QWidget *view, const QList<DrawnText> &drawn, const char *which)
{
    SCOPED_TRACE(which);
    view->grab();
    EXPECT_FALSE(drawn.isEmpty()) << "nothing drawn";
    for (qsizetype i = 0; i < drawn.size(); ++i) {
        const DrawnText &t = drawn[i];
        EXPECT_TRUE(t.room.contains(t.needed) && view->rect().contains(t.needed))
            << "\"" << t.text.toStdString() << "\" needs " << t.needed.width() << "x" << t.needed.height() << " at "
            << t.needed.x() << "," << t.needed.y() << ", has " << t.room.width() << "x" << t.room.height() << " at "
            << t.room.x() << "," << t.room.y() << " in a view of " << view->width() << "x" << view->height();
        for (qsizetype j = i + 1; j < drawn.size(); ++j)
            EXPECT_FALSE(t.needed.intersects(drawn[j].needed))
                << "\"" << t.text.toStdString() << "\" runs into \"" << drawn[j].text.toStdString() << "\"";
    }
}

// The captions fit without any control moving or growing: each stands where it was designed.
void expectDesignedPlaces(const QWidget *window, const QList<std::pair<const char *, QRect>> &twips)
{
    for (const auto &[name, rect] : twips) {
        const QWidget *control = window->findChild<QWidget *>(QLatin1String(name));
        ASSERT_NE(control, nullptr) << name;
        EXPECT_EQ(control->geometry(), Twips::toPixels(rect.x(), rect.y(), rect.width(), rect.height())) << name;
    }
}

// A language's translations, Zib's own and Qt's, for as long as it lives.
class SpokenLanguage
{
public:
    explicit SpokenLanguage(const QString &code)
    {
        if (code == QStringLiteral("en"))
            return;
        m_loaded = m_own.load(QStringLiteral(":/i18n/zib_") + code);
        QCoreApplication::installTranslator(&m_own);
        if (m_qt.load(QStringLiteral(":/i18n/qtbase_") + code))
            QCoreApplication::installTranslator(&m_qt);
    }
    ~SpokenLanguage()
    {
        QCoreApplication::removeTranslator(&m_own);
        QCoreApplication::removeTranslator(&m_qt);
    }
    bool loaded() const { return m_loaded; }

private:
    QTranslator m_own;
    QTranslator m_qt;
    bool m_loaded = false;
};

std::string languageName(const ::testing::TestParamInfo<QString> &info)
{
    return info.param.toStdString();
}

class LayoutCheck : public MainWindowFixture, public ::testing::WithParamInterface<QString>
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        m_language = std::make_unique<SpokenLanguage>(GetParam());
    }
    void TearDown() override
    {
        MainWindowFixture::TearDown();
        m_language.reset();
    }

    std::unique_ptr<SpokenLanguage> m_language;

    void startWithServers()
    {
        writeServers({{QStringLiteral("Frag Central #2"), QStringLiteral("10.0.0.1"), QStringLiteral("27015")},
                      {QStringLiteral("Crossfire 24/7"), QStringLiteral("10.0.0.2"), QStringLiteral("27016")},
                      {QStringLiteral("Lambda Core LAN"), QStringLiteral("10.0.0.3"), QStringLiteral("27017")}});
        start();
        m_window->updateServerGrid();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
    }

    // Opens a modal box by running `open`, checks each box that comes up and closes it.
    void checkModalBoxes(const std::function<void()> &open, const char *which)
    {
        int checked = 0;
        QTimer poll;
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            QWidget *box = QApplication::activeModalWidget();
            if (!box || !box->isVisible())
                return;
            expectCaptionsFit(box, which);
            ++checked;
            box->close();
        });
        poll.start();
        open();
        EXPECT_GT(checked, 0) << which << ": no box came up";
    }
};

#ifndef Q_OS_WIN
TEST(LayoutCheckSetting, OnlyDejaVuAndTheCarriedFacesAreInstalled)
{
    EXPECT_TRUE(FixedLayout::loadBundledFonts()) << "the carried faces could not be registered";
    // Qt adds its three generic names whatever is installed.
    const QStringList generic{QStringLiteral("Sans Serif"), QStringLiteral("Serif"), QStringLiteral("Monospace")};
    for (const QString &family : QFontDatabase::families())
        EXPECT_TRUE(family.startsWith(QStringLiteral("DejaVu")) || family == QLatin1String(FixedLayout::sansSerifStandIn)
                    || family == QLatin1String(FixedLayout::comicStandIn) || generic.contains(family))
            << family.toStdString();
}
#endif

TEST_P(LayoutCheck, MainWindowCompactAndExpanded)
{
    startWithServers();
    expectCaptionsFit(m_window.get(), "compact");

    QTest::mouseClick(control<QPushButton>("btnViewServers"), Qt::LeftButton);
    serverAt(2)->setMapName(QStringLiteral("crossfire"));
    serverAt(2)->setMaxPlayers(16);
    serverAt(2)->setFilterPlayers(12);
    m_window->updateServerGrid();
    QApplication::processEvents();
    ASSERT_EQ(grid()->rowCount(), 3);
    expectCaptionsFit(m_window.get(), "expanded");
    expectColumnsFit(grid());
}

TEST_P(LayoutCheck, OptionsWindow)
{
    startWithServers();
    optionsWindow window(m_window->queryEngine(), m_window.get());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    expectCaptionsFit(&window, "options");
    expectDesignedPlaces(&window, {{"lblCheckSpeed", {240, 360, 4215, 255}},
                                   {"txtCheckSpeed", {4560, 360, 495, 285}},
                                   {"lblAlertSpeed", {360, 360, 4095, 255}},
                                   {"txtAlertSpeed", {4560, 360, 495, 285}},
                                   {"chkAlertPlaySound", {1140, 840, 3615, 255}},
                                   {"lblInformation", {120, 2450, 3255, 255}}});
}

TEST_P(LayoutCheck, OptionsWindowWithItsNotificationsButton)
{
    startWithServers();
    optionsWindow window(m_window->queryEngine(), [](QWidget *) {}, m_window.get());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    expectCaptionsFit(&window, "options with notifications");
    // Below the window's own controls, which stay where they were drawn.
    expectDesignedPlaces(&window, {{"lblCheckSpeed", {240, 360, 4215, 255}},
                                   {"txtCheckSpeed", {4560, 360, 495, 285}},
                                   {"lblAlertSpeed", {360, 360, 4095, 255}},
                                   {"txtAlertSpeed", {4560, 360, 495, 285}},
                                   {"chkAlertPlaySound", {1140, 840, 3615, 255}},
                                   {"lblInformation", {120, 2450, 3255, 255}},
                                   {"btnOk", {4200, 2400, 1335, 375}},
                                   {"btnNotifications", {120, 2880, 1815, 375}}});
}

TEST_P(LayoutCheck, NotificationsWindow)
{
    startWithServers();
    NotificationsWindow window(m_window->notifier(), m_window.get());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    expectCaptionsFit(&window, "notifications");
}

TEST_P(LayoutCheck, FiltersWindowWithFilters)
{
    startWithServers();
    for (const auto &[tag, alert] : {std::pair{"[X]", true}, std::pair{"=ABC=", false}}) {
        auto filter = std::make_shared<ClanFilter>();
        filter->setClanTag(QString::fromLatin1(tag));
        filter->setAlert(alert);
        filter->setAlertTrigger(3);
        filter->setClanFilterNumber(qint16(clanFilters.size() + 1));
        clanFilters.append(filter);
    }
    filtersWindow window(m_window->queryEngine(), m_window.get());
    window.setHistoryOpener([](const QString &) {});
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto *grid = window.findChild<QTableWidget *>(QStringLiteral("fxgClanFilters"));
    ASSERT_NE(grid, nullptr);
    ASSERT_EQ(grid->rowCount(), 2);
    expectCaptionsFit(&window, "filters");
    expectColumnsFit(grid);
    expectDesignedPlaces(&window, {{"fxgClanFilters", {120, 240, 3135, 1455}},
                                   {"lblClanTag", {240, 360, 1215, 255}},
                                   {"lblShowAlerts", {240, 840, 2175, 255}},
                                   {"chkShowAlerts", {2520, 840, 255, 255}},
                                   {"lblAlertTrigger", {240, 1320, 2175, 255}},
                                   {"txtTriggerNumber", {2520, 1320, 375, 285}},
                                   {"lblInformation", {120, 2600, 3255, 255}}});
}

TEST_P(LayoutCheck, AddAndRemovePrompts)
{
    startWithServers();
    QTest::mouseClick(control<QPushButton>("btnViewServers"), Qt::LeftButton);
    // The add prompt, then the refusal of its empty answer.
    checkModalBoxes([this] { QTest::mouseClick(control<QPushButton>("btnAddServer"), Qt::LeftButton); }, "add");

    clickCell(1, 1);
    auto *remove = control<QPushButton>("btnRemoveServer");
    ASSERT_TRUE(remove->isEnabled());
    checkModalBoxes([remove] { QTest::mouseClick(remove, Qt::LeftButton); }, "remove");
    EXPECT_EQ(gameServers.size(), 3) << "closing the question is no OK";
}

TEST_P(LayoutCheck, HistoryWindowAndItsCharts)
{
    startWithServers();
    QTemporaryDir dir;
    History::Store store;
    store.open(dir.filePath(History::fileName));
    // A month of the first server every half hour, the clan there each evening.
    const qint64 now = QDateTime::currentSecsSinceEpoch() / 3600 * 3600;
    for (qint64 t = now - 30 * 86400; t < now; t += 1800) {
        History::ServerSample s;
        s.key = QStringLiteral("10.0.0.1:27015");
        s.players = 14;
        s.capacity = 32;
        s.answered = true;
        if (QDateTime::fromSecsSinceEpoch(t).time().hour() == 20) {
            s.hits = 3;
            s.filters = {{QStringLiteral("[X]"), 3, {QStringLiteral("[X]Ann"), QStringLiteral("[X]Bo")}}};
        }
        store.record({t, {s}});
        if (t % 43200 == 0)
            store.flush();
    }
    store.flush();
    HistoryWindow window(store);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    // The days and hours as the language writes them (SpokenLanguage leaves the program's own
    // choice of language alone).
    window.setLocale(Language::localeFor(GetParam(), QLocale::c()));
    window.setNow(now);
    window.showServer(QStringLiteral("10.0.0.1:27015"));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto *chart = const_cast<SeriesChartView *>(window.chartView());
    for (const auto range : {HistoryWindow::Day, HistoryWindow::Week, HistoryWindow::Month}) {
        window.setRange(range);
        expectDrawnTextsFit(chart, chart->drawnTexts(), "chart");
    }
    expectCaptionsFit(&window, "history, server");
    window.showFilter(QStringLiteral("[X]"));
    auto *map = const_cast<WeekMapView *>(window.weekMapView());
    expectDrawnTextsFit(map, map->drawnTexts(), "week map");
    expectCaptionsFit(&window, "history, week map");
    window.tabs()->setCurrentIndex(HistoryWindow::SightingsTab);
    expectCaptionsFit(&window, "history, sightings");
    checkModalBoxes([&window] { window.clearHistory(); }, "clear history");
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, LayoutCheck, ::testing::ValuesIn(Language::available()), languageName);

// The windows above are checked in every language the program carries; those it must carry are
// the build's list, and each of them speaks.
TEST(LayoutCheckLanguages, EveryShippedLanguageIsCarriedAndTranslatesTheWindows)
{
    const QStringList carried = Language::available();
    const QStringList shipped = QStringLiteral(ZIB_SHIPPED_LANGUAGES).split(u' ', Qt::SkipEmptyParts);
    EXPECT_EQ(carried.size(), shipped.size() + 1) << carried.join(u' ').toStdString();
    for (const QString &code : shipped) {
        EXPECT_TRUE(carried.contains(code)) << code.toStdString();
        const SpokenLanguage language(code);
        EXPECT_TRUE(language.loaded()) << code.toStdString();
        EXPECT_NE(QCoreApplication::translate("mainZibWindow", "Options"), QStringLiteral("Options")) << code.toStdString();
    }
    EXPECT_EQ(QCoreApplication::translate("mainZibWindow", "Options"), QStringLiteral("Options"));
}

} // namespace
