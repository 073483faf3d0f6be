#include "MainWindowFixture.h"

#include "model/GameServer.h"
#include "model/mdlZibProcessing.h"
#include "ui/MessageBox.h"
#include "ui/ServerGrid.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace mdlZibProcessing;

namespace {

std::shared_ptr<GameServer> server(qint16 number, const QString &name, qint16 hits, QStringList players = {},
                                   qint16 maxPlayers = 0)
{
    auto s = std::make_shared<GameServer>();
    s->setServerNumber(number);
    s->setName(name);
    s->setAddress(QStringLiteral("10.0.0.%1").arg(number));
    s->setPort(27014 + number);
    s->setFilterPlayers(hits);
    s->setPlayerNames(std::move(players));
    s->setMaxPlayers(maxPlayers);
    return s;
}

QStringList column(const QList<QStringList> &rows, int c)
{
    QStringList texts;
    for (const QStringList &row : rows)
        texts.append(row.value(c));
    return texts;
}

} // namespace

TEST(ServerGridRows, MostHitsFirstComparingNumbersAsNumbers)
{
    const ServerList servers = {server(1, QStringLiteral("A"), 0), server(2, QStringLiteral("B"), 12),
                                server(3, QStringLiteral("C"), 3), server(4, QStringLiteral("D"), 9),
                                server(5, QStringLiteral("E"), 10)};
    const auto rows = ServerGrid::rows(servers);
    EXPECT_EQ(column(rows, ServerGrid::HitsColumn),
              (QStringList{QStringLiteral("12"), QStringLiteral("10"), QStringLiteral("9"), QStringLiteral("3"),
                           QStringLiteral("0")}));
    EXPECT_EQ(column(rows, ServerGrid::NumberColumn),
              (QStringList{QStringLiteral("2"), QStringLiteral("5"), QStringLiteral("4"), QStringLiteral("3"),
                           QStringLiteral("1")}))
        << "the hidden number travels with its row";
}

TEST(ServerGridRows, EqualHitsKeepListOrder)
{
    const ServerList servers = {server(1, QStringLiteral("A"), 2), server(2, QStringLiteral("B"), 5),
                                server(3, QStringLiteral("C"), 2), server(4, QStringLiteral("D"), 2)};
    EXPECT_EQ(column(ServerGrid::rows(servers), ServerGrid::ServerColumn),
              (QStringList{QStringLiteral("B"), QStringLiteral("A"), QStringLiteral("C"), QStringLiteral("D")}));
}

TEST(ServerGridRows, TextCellsCompareAsTextAndNumbersAsNumbers)
{
    QList<QStringList> rows = {{QStringLiteral("9")}, {QStringLiteral("10")}, {QStringLiteral("abc")},
                               {QStringLiteral(" -2.5 ")}, {QStringLiteral("abd")}};
    ServerGrid::sortDescending(rows, 0);
    // Numbers among themselves by value; text against text, and text against a number, as text.
    const QStringList order = column(rows, 0);
    EXPECT_LT(order.indexOf(QStringLiteral("10")), order.indexOf(QStringLiteral("9")));
    EXPECT_LT(order.indexOf(QStringLiteral("9")), order.indexOf(QStringLiteral(" -2.5 ")));
    EXPECT_LT(order.indexOf(QStringLiteral("abd")), order.indexOf(QStringLiteral("abc")));
}

TEST(ServerGridRows, PlayersTextCountsTheNamesNotTheStatedCount)
{
    auto s = server(1, QStringLiteral("A"), 0,
                    {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d"),
                     QStringLiteral("e")},
                    16);
    s->setActivePlayers(9);
    EXPECT_EQ(ServerGrid::playersText(*s), QStringLiteral("5/16"));
    EXPECT_EQ(ServerGrid::rowTexts(*server(7, QStringLiteral("New Server"), 0)),
              (QStringList{QStringLiteral("7"), QStringLiteral("New Server"), QString(), QStringLiteral("0/0"),
                           QStringLiteral("0")}))
        << "before any reply";
}

TEST(ServerGridRows, DetailsTextLinesAndPlayers)
{
    auto s = server(2, QStringLiteral("Crossfire 24/7"), 0, {QStringLiteral("[X]Ann"), QStringLiteral("Bob")});
    EXPECT_EQ(ServerGrid::detailsText(*s), QStringLiteral("SERVER: Crossfire 24/7\r\nAddr: 10.0.0.2\r\nPort: 27016\r\n"
                                                          "\r\n[X]Ann\r\nBob\r\n"));
    EXPECT_EQ(ServerGrid::detailsText(*server(1, QStringLiteral("Empty"), 0)),
              QStringLiteral("SERVER: Empty\r\nAddr: 10.0.0.1\r\nPort: 27015\r\n\r\n"));
    // The round trip goes below all of that, once a reply has measured one.
    s->setLastRoundTrip(std::chrono::milliseconds(42));
    EXPECT_TRUE(ServerGrid::detailsText(*s).endsWith(QStringLiteral("[X]Ann\r\nBob\r\n\r\nRound trip: 42 ms\r\n")))
        << ServerGrid::detailsText(*s).toStdString();
}

TEST(ServerGridRows, NamesAreShownSoThatNothingInThemReordersHidesOrBreaksTheText)
{
    auto s = server(1, QStringLiteral("Арена\u202E ★ 24/7"), 2,
                    {QStringLiteral("[X]Ann\r\nSERVER: fake"), QStringLiteral("清水\u200B"), QStringLiteral("👨\u200D👩")});
    s->setMapName(QStringLiteral("de_\u2066dust"));
    const QStringList row = ServerGrid::rowTexts(*s);
    EXPECT_EQ(row[ServerGrid::ServerColumn], QStringLiteral("Арена\uFFFD ★ 24/7"));
    EXPECT_EQ(row[ServerGrid::MapColumn], QStringLiteral("de_\uFFFDdust"));
    EXPECT_EQ(ServerGrid::detailsText(*s), QStringLiteral("SERVER: Арена\uFFFD ★ 24/7\r\nAddr: 10.0.0.1\r\nPort: 27015\r\n"
                                                          "\r\n[X]Ann␍␊SERVER: fake\r\n清水\uFFFD\r\n👨\u200D👩\r\n"));
    // What is stored, and matched, is what the server sent.
    EXPECT_EQ(s->name(), QStringLiteral("Арена\u202E ★ 24/7"));
}

// The grid on the window: drawing, keeping the row, clicking and the "Remove Server" button.
class ServerGridWindow : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        writeServers({{QStringLiteral("Zero"), QStringLiteral("10.0.0.1"), QStringLiteral("27015")},
                      {QStringLiteral("Twelve"), QStringLiteral("10.0.0.2"), QStringLiteral("27016")},
                      {QStringLiteral("Three"), QStringLiteral("10.0.0.3"), QStringLiteral("27017")}});
        start();
        QTest::mouseClick(control<QPushButton>("btnViewServers"), Qt::LeftButton);
        setHits({0, 12, 3});
        m_window->updateServerGrid();
    }
    void setHits(const QList<qint16> &hits)
    {
        for (int i = 0; i < hits.size(); ++i)
            serverAt(i + 1)->setFilterPlayers(hits[i]);
    }
    QString details() const { return control<QPlainTextEdit>("txtResponse")->toPlainText(); }
};

TEST_F(ServerGridWindow, RowsStandByHitsWithTheNumberColumnHidden)
{
    serverAt(2)->setMaxPlayers(16);
    serverAt(2)->setPlayerNames({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d"),
                                 QStringLiteral("e")});
    m_window->updateServerGrid();
    EXPECT_EQ(gridColumn(1), (QStringList{QStringLiteral("Twelve"), QStringLiteral("Three"), QStringLiteral("Zero")}));
    EXPECT_EQ(gridColumn(4), (QStringList{QStringLiteral("12"), QStringLiteral("3"), QStringLiteral("0")}));
    EXPECT_EQ(gridColumn(3), (QStringList{QStringLiteral("5/16"), QStringLiteral("0/0"), QStringLiteral("0/0")}));
    EXPECT_TRUE(grid()->isColumnHidden(0));
    EXPECT_EQ(grid()->item(0, 4)->textAlignment(), int(Qt::AlignRight | Qt::AlignVCenter));
    EXPECT_EQ(grid()->item(0, 3)->textAlignment(), int(Qt::AlignLeft | Qt::AlignVCenter));
    EXPECT_EQ(grid()->item(0, 1)->textAlignment(), int(Qt::AlignLeft | Qt::AlignBottom));
}

TEST_F(ServerGridWindow, AlignmentFollowsEachCellsTextFromRefreshToRefresh)
{
    const auto mapAlignment = [this] { return grid()->item(rowOfServer(2), 2)->textAlignment(); };
    serverAt(2)->setMapName(QStringLiteral("42"));
    m_window->updateServerGrid();
    EXPECT_EQ(mapAlignment(), int(Qt::AlignRight | Qt::AlignVCenter));
    // Unchanged between refreshes, and then changed to text: the cell must follow.
    m_window->updateServerGrid();
    EXPECT_EQ(mapAlignment(), int(Qt::AlignRight | Qt::AlignVCenter));
    serverAt(2)->setMapName(QStringLiteral("de_dust"));
    m_window->updateServerGrid();
    EXPECT_EQ(mapAlignment(), int(Qt::AlignLeft | Qt::AlignVCenter));
    // Rows that trade places trade their texts, alignment and all.
    serverAt(1)->setMapName(QStringLiteral("7"));
    setHits({50, 12, 3});
    m_window->updateServerGrid();
    EXPECT_EQ(gridColumn(2), (QStringList{QStringLiteral("7"), QStringLiteral("de_dust"), QString()}));
    EXPECT_EQ(grid()->item(0, 2)->textAlignment(), int(Qt::AlignRight | Qt::AlignVCenter));
    EXPECT_EQ(grid()->item(1, 2)->textAlignment(), int(Qt::AlignLeft | Qt::AlignVCenter));
}

TEST_F(ServerGridWindow, ARefreshKeepsTheRowNumberNotTheServer)
{
    clickCell(1, 2);
    EXPECT_TRUE(details().startsWith(QStringLiteral("SERVER: Three\n")));

    setHits({20, 12, 3});
    m_window->updateServerGrid();
    EXPECT_EQ(grid()->currentRow(), 1);
    EXPECT_EQ(grid()->currentColumn(), 4) << "the Hits column becomes current";
    EXPECT_TRUE(details().startsWith(QStringLiteral("SERVER: Three\n"))) << "a refresh leaves the details alone";

    clickCell(1, 1);
    EXPECT_TRUE(details().startsWith(QStringLiteral("SERVER: Twelve\n"))) << details().toStdString();
}

TEST_F(ServerGridWindow, AClickShowsTheServersDetails)
{
    serverAt(2)->setPlayerNames({QStringLiteral("[X]Ann"), QStringLiteral("Bob")});
    m_window->updateServerGrid();
    clickCell(0, 3);
    EXPECT_EQ(details(), QStringLiteral("SERVER: Twelve\nAddr: 10.0.0.2\nPort: 27016\n\n[X]Ann\nBob\n"));
}

TEST_F(ServerGridWindow, OnlyTheUsersSelectionEnablesRemove)
{
    auto *remove = control<QPushButton>("btnRemoveServer");
    m_window->updateServerGrid();
    EXPECT_FALSE(remove->isEnabled()) << "a refresh is no change of selection by the user";
    clickCell(2, 1);
    EXPECT_TRUE(remove->isEnabled());
}

// A user who clicks the row that a refresh left highlighted has chosen it, whichever of its
// cells is hit, the current one included.
TEST_F(ServerGridWindow, AnyCellOfTheHighlightedRowEnablesRemove)
{
    for (const int column : {ServerGrid::HitsColumn, ServerGrid::ServerColumn}) {
        SCOPED_TRACE(column);
        start();
        QTest::mouseClick(control<QPushButton>("btnViewServers"), Qt::LeftButton);
        m_window->updateServerGrid();
        auto *remove = control<QPushButton>("btnRemoveServer");
        ASSERT_FALSE(remove->isEnabled());
        ASSERT_EQ(grid()->currentRow(), 0);
        clickCell(0, column);
        EXPECT_TRUE(remove->isEnabled());
    }
}

// A click in the grid acts on the current row wherever it lands: below the last row too.
TEST_F(ServerGridWindow, AClickBelowTheRowsShowsTheCurrentRow)
{
    clickCell(1, 2);
    control<QPlainTextEdit>("txtResponse")->clear();
    const QRect lastRow = grid()->visualRect(grid()->model()->index(2, 1));
    const QPoint below(lastRow.center().x(), lastRow.bottom() + 20);
    ASSERT_LT(below.y(), grid()->viewport()->height());
    ASSERT_FALSE(grid()->indexAt(below).isValid());
    QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, below);
    EXPECT_TRUE(details().startsWith(QStringLiteral("SERVER: Three\n"))) << details().toStdString();

    // A right click is no click in the grid.
    control<QPlainTextEdit>("txtResponse")->clear();
    QTest::mouseClick(grid()->viewport(), Qt::RightButton, {}, below);
    EXPECT_TRUE(details().isEmpty());
}

TEST_F(MainWindowFixture, RowsWithoutAServerAreIgnoredByClickAndRemove)
{
    writeServers({{QStringLiteral("Alpha"), QStringLiteral("10.0.0.1"), QStringLiteral("27015")}});
    start({.connected = false});
    QTest::mouseClick(control<QPushButton>("btnViewServers"), Qt::LeftButton);
    ASSERT_EQ(grid()->rowCount(), 1);

    clickCell(0, 1);
    EXPECT_TRUE(control<QPlainTextEdit>("txtResponse")->toPlainText().isEmpty());
    auto *remove = control<QPushButton>("btnRemoveServer");
    ASSERT_TRUE(remove->isEnabled());
    MessageBox::setNextAnswer(QMessageBox::Ok);
    QTest::mouseClick(remove, Qt::LeftButton);
    EXPECT_FALSE(MessageBox::lastShown().has_value()) << "no confirmation for a row without a server";
    EXPECT_EQ(gameServers.size(), 1);
    EXPECT_EQ(fileValue(QStringLiteral("GAMESERVER 1"), QStringLiteral("Name")), QStringLiteral("Alpha"));
}
