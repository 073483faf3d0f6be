#include "OptionsFiltersDriver.h"

#include "ui/filtersWindow.h"

#include <QCheckBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

using namespace mdlZibProcessing;

namespace {

const QString addError = QStringLiteral("Sorry I couldn't add that filter. Make sure you've entered all the details");

const QByteArray fourFilters = "[CLANFILTER 1]\r\nTag=[A]\r\nAlert=TRUE\r\nTrigger=1\r\n"
                               "[CLANFILTER 2]\r\nTag=[B]\r\nAlert=FALSE\r\nTrigger=2\r\n"
                               "[CLANFILTER 3]\r\nTag=[C]\r\nAlert=TRUE\r\nTrigger=3\r\n"
                               "[CLANFILTER 4]\r\nTag=[D]\r\nAlert=TRUE\r\nTrigger=4\r\n";

QStringList filterLines(const QString &tag, bool alert, int trigger)
{
    return {QStringLiteral("Tag=") + tag, alert ? QStringLiteral("Alert=TRUE") : QStringLiteral("Alert=FALSE"),
            QStringLiteral("Trigger=") + QString::number(trigger)};
}

class FiltersWindowTest : public DialogFixture
{
protected:
    void open(const QByteArray &file = {})
    {
        if (!file.isEmpty())
            writeFile(file);
        loadClanFilters();
        m_window = std::make_unique<filtersWindow>(*m_engine);
        showActive(*m_window);
        m_grid = child<QTableWidget>(*m_window, "fxgClanFilters");
        m_btnRemoveFilter = child<QPushButton>(*m_window, "btnRemoveFilter");
        m_txtClanTag = child<QLineEdit>(*m_window, "txtClanTag");
        m_chkShowAlerts = child<QCheckBox>(*m_window, "chkShowAlerts");
        m_lblAlertTrigger = child<QLabel>(*m_window, "lblAlertTrigger");
        m_txtTriggerNumber = child<QLineEdit>(*m_window, "txtTriggerNumber");
        m_btnAddFilter = child<QPushButton>(*m_window, "btnAddFilter");
        m_btnOk = child<QPushButton>(*m_window, "btnOk");
    }

    /// Each row of the grid as its four cells, the hidden number first.
    QList<QStringList> rows() const
    {
        QList<QStringList> result;
        for (int row = 0; row < m_grid->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < m_grid->columnCount(); ++column) {
                const QTableWidgetItem *item = m_grid->item(row, column);
                cells.append(item ? item->text() : QStringLiteral("<none>"));
            }
            result.append(cells);
        }
        return result;
    }

    void addFilter(const QString &tag, std::optional<bool> tick, const QString &trigger)
    {
        typeInto(m_txtClanTag, tag);
        if (tick && m_chkShowAlerts->isChecked() != *tick)
            QTest::mouseClick(m_chkShowAlerts, Qt::LeftButton);
        if (m_txtTriggerNumber->isVisible())
            typeInto(m_txtTriggerNumber, trigger);
        QTest::mouseClick(m_btnAddFilter, Qt::LeftButton);
    }

    void clickRow(int row)
    {
        const QRect rect = m_grid->visualRect(m_grid->model()->index(row, 1));
        QTest::mouseClick(m_grid->viewport(), Qt::LeftButton, {}, rect.center());
        ASSERT_EQ(m_grid->currentRow(), row);
    }

    void expectEntryFieldsReset() const
    {
        EXPECT_EQ(m_txtClanTag->text(), QString());
        EXPECT_TRUE(m_chkShowAlerts->isChecked());
        EXPECT_TRUE(m_txtTriggerNumber->isVisible());
        EXPECT_TRUE(m_lblAlertTrigger->isVisible());
        EXPECT_EQ(m_txtTriggerNumber->text(), QStringLiteral("5"));
    }

    std::unique_ptr<filtersWindow> m_window;
    QTableWidget *m_grid = nullptr;
    QPushButton *m_btnRemoveFilter = nullptr;
    QLineEdit *m_txtClanTag = nullptr;
    QCheckBox *m_chkShowAlerts = nullptr;
    QLabel *m_lblAlertTrigger = nullptr;
    QLineEdit *m_txtTriggerNumber = nullptr;
    QPushButton *m_btnAddFilter = nullptr;
    QPushButton *m_btnOk = nullptr;
};

TEST_F(FiltersWindowTest, OpensWithTheStoredFiltersAndFreshEntryFields)
{
    open(fourFilters);
    EXPECT_EQ(m_window->windowTitle(), QStringLiteral("Change your filters"));
    ASSERT_EQ(m_grid->columnCount(), 4);
    const QStringList headings{QString(), QStringLiteral("Clan Tag          "), QStringLiteral(" Show Alert "),
                               QStringLiteral("  Trigger  ")};
    for (int column = 0; column < 4; ++column)
        EXPECT_EQ(m_grid->horizontalHeaderItem(column)->text(), headings[column]);
    EXPECT_EQ(m_grid->columnWidth(0), 0);
    // The tag column is sized to its heading, so it is wider than the trigger's.
    EXPECT_GT(m_grid->columnWidth(1), m_grid->columnWidth(3));

    EXPECT_EQ(rows(), (QList<QStringList>{
                          {QStringLiteral("1"), QStringLiteral("[A]"), QStringLiteral("Yes"), QStringLiteral("1")},
                          {QStringLiteral("2"), QStringLiteral("[B]"), QStringLiteral("No"), QString()},
                          {QStringLiteral("3"), QStringLiteral("[C]"), QStringLiteral("Yes"), QStringLiteral("3")},
                          {QStringLiteral("4"), QStringLiteral("[D]"), QStringLiteral("Yes"), QStringLiteral("4")},
                      }));
    EXPECT_FALSE(m_btnRemoveFilter->isEnabled());
    EXPECT_TRUE(m_btnOk->hasFocus());
    expectEntryFieldsReset();
    EXPECT_EQ(m_grid->currentRow(), 0);
}

TEST_F(FiltersWindowTest, RemoveFilterIsEnabledOnceTheGridHasTheFocus)
{
    open(fourFilters);
    ASSERT_FALSE(m_btnRemoveFilter->isEnabled());
    QTest::keyClick(m_btnOk, Qt::Key_Tab);
    EXPECT_TRUE(m_grid->hasFocus());
    EXPECT_TRUE(m_btnRemoveFilter->isEnabled());
    // Never disabled again, even when the focus moves on.
    QTest::mouseClick(m_txtClanTag, Qt::LeftButton);
    EXPECT_TRUE(m_btnRemoveFilter->isEnabled());
}

TEST_F(FiltersWindowTest, AddingAFilterShowsItAsReadBackAndResetsTheEntryFields)
{
    open();
    MessageBox::setNextAnswer(QMessageBox::Ok);
    addFilter(QStringLiteral("[X]"), true, QStringLiteral("3"));
    EXPECT_EQ(MessageBox::lastShown(), std::nullopt);
    EXPECT_EQ(rows(), (QList<QStringList>{
                          {QStringLiteral("1"), QStringLiteral("[X]"), QStringLiteral("Yes"), QStringLiteral("3")}}));
    expectEntryFieldsReset();
    EXPECT_EQ(sections().value(QStringLiteral("CLANFILTER 1")), filterLines(QStringLiteral("[X]"), true, 3));

    // The next one goes into its own section below; the same tag twice makes two filters.
    addFilter(QStringLiteral("[X]"), true, QStringLiteral("4"));
    ASSERT_EQ(clanFilters.size(), 2);
    EXPECT_EQ(rows().value(1), (QStringList{QStringLiteral("2"), QStringLiteral("[X]"), QStringLiteral("Yes"),
                                            QStringLiteral("4")}));
    EXPECT_EQ(sections().value(QStringLiteral("CLANFILTER 2")), filterLines(QStringLiteral("[X]"), true, 4));
}

TEST_F(FiltersWindowTest, ATagInAnyScriptIsTypedStoredAndShownAsTyped)
{
    open();
    for (const QString &tag : {QStringLiteral("★Ω"), QStringLiteral("™X"), QString(84, u'清')}) {
        MessageBox::resetForTests();
        addFilter(tag, true, QStringLiteral("2"));
        EXPECT_EQ(MessageBox::lastShown(), std::nullopt);
        EXPECT_EQ(rows().last().value(1), tag);
        EXPECT_EQ(clanFilters.last()->clanTag(), tag);
    }
    EXPECT_TRUE(fileBytes().contains("Tag=\xE2\x98\x85\xCE\xA9\r\n"));
    EXPECT_TRUE(fileBytes().contains("Tag=\xE2\x84\xA2X\r\n")) << "UTF-8 like the tag before it";
    // A tag that would reorder the grid is shown with its control made visible, and stored as typed.
    addFilter(QStringLiteral("\u202E[X]"), true, QStringLiteral("2"));
    EXPECT_EQ(rows().last().value(1), QStringLiteral("\uFFFD[X]"));
    EXPECT_EQ(clanFilters.last()->clanTag(), QStringLiteral("\u202E[X]"));
}

TEST_F(FiltersWindowTest, AnUntickedFilterShowsNoTriggerButStoresTheHiddenBoxText)
{
    open();
    typeInto(m_txtTriggerNumber, QStringLiteral("8"));
    QTest::mouseClick(m_chkShowAlerts, Qt::LeftButton);
    EXPECT_FALSE(m_chkShowAlerts->isChecked());
    EXPECT_FALSE(m_txtTriggerNumber->isVisible());
    EXPECT_FALSE(m_lblAlertTrigger->isVisible());

    addFilter(QStringLiteral("[Q]"), false, QString());
    EXPECT_EQ(rows(),
              (QList<QStringList>{{QStringLiteral("1"), QStringLiteral("[Q]"), QStringLiteral("No"), QString()}}));
    EXPECT_EQ(sections().value(QStringLiteral("CLANFILTER 1")), filterLines(QStringLiteral("[Q]"), false, 8));
    expectEntryFieldsReset();
}

TEST_F(FiltersWindowTest, AnIncompleteFilterShowsTheErrorAndKeepsTheEntries)
{
    struct Case
    {
        QString tag;
        QString trigger;
    };
    // An empty trigger cannot reach the add: leaving the box makes it "5". Only the tag can be missing.
    // A tag of blanks alone, or the file's end-of-list marker, could not be read back as typed.
    const Case cases[] = {{QString(), QStringLiteral("3")},
                          {QString(), QString()},
                          {QStringLiteral("   "), QStringLiteral("3")},
                          {QStringLiteral("BREAKVALUE"), QStringLiteral("3")},
                          // 85 characters of three bytes: the file would give back only 84 of them.
                          {QString(85, u'清'), QStringLiteral("3")}};
    open("[CLANFILTER 1]\r\nTag=[A]\r\nAlert=TRUE\r\nTrigger=1\r\n");
    const QByteArray before = fileBytes();
    for (const Case &c : cases) {
        MessageBox::resetForTests();
        MessageBox::setNextAnswer(QMessageBox::Ok);
        addFilter(c.tag, true, c.trigger);
        const auto shown = MessageBox::lastShown();
        ASSERT_TRUE(shown.has_value());
        EXPECT_EQ(shown->text, addError);
        EXPECT_EQ(shown->title, QStringLiteral("ERROR"));
        EXPECT_EQ(shown->icon, QMessageBox::Critical);
        EXPECT_EQ(shown->buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        EXPECT_EQ(clanFilters.size(), 1);
        EXPECT_EQ(m_grid->rowCount(), 1);
        EXPECT_EQ(fileBytes(), before);
    }
    // The entry fields keep what the user typed.
    typeInto(m_txtTriggerNumber, QStringLiteral("9"));
    m_chkShowAlerts->setChecked(false);
    MessageBox::setNextAnswer(QMessageBox::Ok);
    QTest::mouseClick(m_btnAddFilter, Qt::LeftButton);
    EXPECT_FALSE(m_chkShowAlerts->isChecked());
    EXPECT_EQ(m_txtTriggerNumber->text(), QStringLiteral("9"));
}

TEST_F(FiltersWindowTest, LeavingTheTriggerBoxKeepsNumbersAndMakesAnythingElse5)
{
    struct Case
    {
        QString typed;
        QString shown;
    };
    const Case cases[] = {
        {QStringLiteral("ab"), QStringLiteral("5")}, {QString(), QStringLiteral("5")},
        {QStringLiteral("-"), QStringLiteral("5")},  {QStringLiteral("07"), QStringLiteral("07")},
        {QStringLiteral("0"), QStringLiteral("0")},  {QStringLiteral("-1"), QStringLiteral("-1")},
        {QStringLiteral("99"), QStringLiteral("99")}, {QStringLiteral(".5"), QStringLiteral(".5")},
        {QStringLiteral("1."), QStringLiteral("1.")}, {QStringLiteral("123"), QStringLiteral("12")},
    };
    open();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        typeInto(m_txtTriggerNumber, c.typed);
        QTest::keyClick(m_txtTriggerNumber, Qt::Key_Tab);
        EXPECT_FALSE(m_txtTriggerNumber->hasFocus());
        EXPECT_EQ(m_txtTriggerNumber->text(), c.shown);
    }
}

TEST_F(FiltersWindowTest, TheTriggerIsStoredRoundedHalfToEven)
{
    struct Case
    {
        QString typed;
        int stored;
    };
    // "ab" is left for the add button's click, which takes the focus first and so makes it 5.
    const Case cases[] = {{QStringLiteral("ab"), 5},  {QStringLiteral(".5"), 0}, {QStringLiteral("1."), 1},
                          {QStringLiteral("07"), 7},  {QStringLiteral("-1"), -1}, {QStringLiteral("0"), 0},
                          {QStringLiteral("2.5"), 2}, {QStringLiteral("99"), 99}};
    open();
    int n = 0;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        ++n;
        const QString tag = QStringLiteral("T%1").arg(n);
        // Answered in advance so a wrongly raised box fails the test instead of waiting for a click.
        MessageBox::resetForTests();
        MessageBox::setNextAnswer(QMessageBox::Ok);
        addFilter(tag, true, c.typed);
        EXPECT_EQ(MessageBox::lastShown(), std::nullopt);
        EXPECT_EQ(sections().value(QStringLiteral("CLANFILTER %1").arg(n)), filterLines(tag, true, c.stored));
        EXPECT_EQ(rows().value(n - 1).value(3), QString::number(c.stored));
    }
}

TEST_F(FiltersWindowTest, RemovingAMiddleRowMovesTheLastFilterIntoItsNumber)
{
    open(fourFilters);
    clickRow(1);
    EXPECT_TRUE(m_btnRemoveFilter->isEnabled());
    MessageBox::setNextAnswer(QMessageBox::Ok);
    QTest::mouseClick(m_btnRemoveFilter, Qt::LeftButton);

    const auto shown = MessageBox::lastShown();
    ASSERT_TRUE(shown.has_value());
    EXPECT_EQ(shown->text, QStringLiteral("Are you sure you wish to remove: \r\n\r\n[B]"));
    EXPECT_EQ(shown->title, QStringLiteral("Remove Filter"));
    EXPECT_EQ(shown->icon, QMessageBox::NoIcon);
    EXPECT_EQ(shown->buttons, QMessageBox::Ok | QMessageBox::Cancel);

    EXPECT_EQ(rows(), (QList<QStringList>{
                          {QStringLiteral("1"), QStringLiteral("[A]"), QStringLiteral("Yes"), QStringLiteral("1")},
                          {QStringLiteral("2"), QStringLiteral("[D]"), QStringLiteral("Yes"), QStringLiteral("4")},
                          {QStringLiteral("3"), QStringLiteral("[C]"), QStringLiteral("Yes"), QStringLiteral("3")},
                      }));
    const auto file = sections();
    EXPECT_EQ(file.keys(), (QStringList{QStringLiteral("CLANFILTER 1"), QStringLiteral("CLANFILTER 2"),
                                        QStringLiteral("CLANFILTER 3")}));
    EXPECT_EQ(file.value(QStringLiteral("CLANFILTER 2")), filterLines(QStringLiteral("[D]"), true, 4));
    // The highlighted row keeps its number, so the next removal takes what the user now sees there.
    EXPECT_EQ(m_grid->currentRow(), 1);
}

TEST_F(FiltersWindowTest, FiltersTheFileCannotTakeAreToldAndKeptInTheList)
{
    open(fourFilters);
    ASSERT_TRUE(QFile::setPermissions(settingsPath, QFile::ReadOwner));
    MessageBox::setNextAnswer(QMessageBox::Ok);
    addFilter(QStringLiteral("[E]"), true, QStringLiteral("5"));
    ASSERT_TRUE(MessageBox::lastShown().has_value());
    EXPECT_EQ(MessageBox::lastShown()->title, QStringLiteral("ERROR"));
    EXPECT_TRUE(MessageBox::lastShown()->text.contains(QStringLiteral("read-only")));
    EXPECT_EQ(rows().value(4).value(1), QStringLiteral("[E]"));

    clickRow(0);
    MessageBox::resetForTests();
    MessageBox::setNextAnswer(QMessageBox::Ok);
    MessageBox::setNextAnswer(QMessageBox::Ok);
    QTest::mouseClick(m_btnRemoveFilter, Qt::LeftButton);
    EXPECT_EQ(MessageBox::lastShown()->title, QStringLiteral("ERROR"));
    EXPECT_EQ(rows().value(0).value(1), QStringLiteral("[E]")) << "the last moved into the gap";
    EXPECT_EQ(fileBytes(), fourFilters);
}

TEST_F(FiltersWindowTest, HistoryOpensOnTheSelectedFiltersStoredTag)
{
    open(fourFilters);
    auto *history = child<QPushButton>(*m_window, "btnHistory");
    EXPECT_FALSE(history->isVisible()) << "nothing to open it with";
    QStringList opened;
    m_window->setHistoryOpener([&opened](const QString &tag) { opened.append(tag); });
    ASSERT_TRUE(history->isVisible());
    // Beside "Remove Filter", which stays where it was.
    EXPECT_FALSE(history->geometry().intersects(m_btnRemoveFilter->geometry()));
    EXPECT_EQ(history->y(), m_btnRemoveFilter->y());
    clickRow(2);
    QTest::mouseClick(history, Qt::LeftButton);
    EXPECT_EQ(opened, QStringList{QStringLiteral("[C]")});
}

TEST_F(FiltersWindowTest, RemovingTheLastRowOnlyShrinksTheList)
{
    open(fourFilters);
    clickRow(3);
    MessageBox::setNextAnswer(QMessageBox::Ok);
    QTest::mouseClick(m_btnRemoveFilter, Qt::LeftButton);
    EXPECT_EQ(rows().size(), 3);
    EXPECT_EQ(rows().value(2).value(1), QStringLiteral("[C]"));
    EXPECT_FALSE(sections().contains(QStringLiteral("CLANFILTER 4")));
    EXPECT_EQ(sections().value(QStringLiteral("CLANFILTER 3")), filterLines(QStringLiteral("[C]"), true, 3));
    // The current row follows the shrink, so another removal still has a row to act on.
    EXPECT_EQ(m_grid->currentRow(), 2);
}

TEST_F(FiltersWindowTest, CancelLeavesListFileAndGridAsTheyWere)
{
    open(fourFilters);
    clickRow(2);
    const auto gridBefore = rows();
    const QByteArray fileBefore = fileBytes();
    MessageBox::setNextAnswer(QMessageBox::Cancel);
    QTest::mouseClick(m_btnRemoveFilter, Qt::LeftButton);
    ASSERT_TRUE(MessageBox::lastShown().has_value());
    EXPECT_EQ(MessageBox::lastShown()->text, QStringLiteral("Are you sure you wish to remove: \r\n\r\n[C]"));
    EXPECT_EQ(rows(), gridBefore);
    EXPECT_EQ(fileBytes(), fileBefore);
    EXPECT_EQ(clanFilters.size(), 4);
}

TEST_F(FiltersWindowTest, WithoutAClickTheFirstRowIsTheOneRemoved)
{
    open(fourFilters);
    QTest::keyClick(m_btnOk, Qt::Key_Tab);
    ASSERT_TRUE(m_btnRemoveFilter->isEnabled());
    MessageBox::setNextAnswer(QMessageBox::Ok);
    QTest::mouseClick(m_btnRemoveFilter, Qt::LeftButton);
    ASSERT_TRUE(MessageBox::lastShown().has_value());
    EXPECT_EQ(MessageBox::lastShown()->text, QStringLiteral("Are you sure you wish to remove: \r\n\r\n[A]"));
    EXPECT_EQ(rows().value(0).value(1), QStringLiteral("[D]"));
    EXPECT_EQ(rows().size(), 3);
}

TEST_F(FiltersWindowTest, RemoveWithNoFiltersDoesNothing)
{
    open();
    QTest::keyClick(m_btnOk, Qt::Key_Tab);
    ASSERT_TRUE(m_btnRemoveFilter->isEnabled());
    QTest::mouseClick(m_btnRemoveFilter, Qt::LeftButton);
    EXPECT_EQ(MessageBox::lastShown(), std::nullopt);
    EXPECT_EQ(m_grid->rowCount(), 0);
    EXPECT_TRUE(fileBytes().isEmpty());
    EXPECT_TRUE(m_window->isVisible());
}

TEST_F(FiltersWindowTest, EnterAddsNothingAndOnlyOkLeaves)
{
    open();
    typeInto(m_txtClanTag, QStringLiteral("[E]"));
    QTest::keyClick(m_txtClanTag, Qt::Key_Return);
    QTest::keyClick(m_txtClanTag, Qt::Key_Escape);
    EXPECT_TRUE(m_window->isVisible());
    EXPECT_TRUE(clanFilters.isEmpty());
    EXPECT_FALSE(checkingEnabled);

    QTest::mouseClick(m_btnOk, Qt::LeftButton);
    EXPECT_FALSE(m_window->isVisible());
    EXPECT_EQ(m_window->result(), QDialog::Accepted);
    EXPECT_TRUE(checkingEnabled);
    EXPECT_TRUE(fileBytes().isEmpty());
}

// A focused button pressed from the keyboard is a click: "Add New Filter" adds, OK leaves.
TEST_F(FiltersWindowTest, EnterOrSpaceOnAFocusedButtonIsAClick)
{
    int added = 0;
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
        SCOPED_TRACE(key);
        checkingEnabled = false;
        open();
        typeInto(m_txtClanTag, QStringLiteral("[K]"));
        QTest::keyClick(m_txtClanTag, Qt::Key_Tab, Qt::ShiftModifier);
        ASSERT_TRUE(m_btnAddFilter->hasFocus()) << "the button before the tag box in the tab order";
        QTest::keyClick(m_btnAddFilter, key);
        EXPECT_EQ(clanFilters.size(), ++added);
        EXPECT_TRUE(m_txtClanTag->text().isEmpty());

        m_btnOk->setFocus(Qt::TabFocusReason);
        QTest::keyClick(m_btnOk, key);
        EXPECT_FALSE(m_window->isVisible());
        EXPECT_EQ(m_window->result(), QDialog::Accepted);
        EXPECT_TRUE(checkingEnabled);
    }
}

TEST_F(FiltersWindowTest, ModalWindowAddsAndEndsWithOk)
{
    filtersWindow window(*m_engine);
    QTimer::singleShot(0, &window, [&window] {
        auto *tag = window.findChild<QLineEdit *>(QStringLiteral("txtClanTag"));
        auto *add = window.findChild<QPushButton *>(QStringLiteral("btnAddFilter"));
        auto *ok = window.findChild<QPushButton *>(QStringLiteral("btnOk"));
        if (!tag || !add || !ok)
            return window.reject();
        QTest::keyClicks(tag, QStringLiteral("[M]"));
        QTest::mouseClick(add, Qt::LeftButton);
        QTest::mouseClick(ok, Qt::LeftButton);
    });
    EXPECT_EQ(window.exec(), QDialog::Accepted);
    EXPECT_TRUE(checkingEnabled);
    ASSERT_EQ(clanFilters.size(), 1);
    EXPECT_EQ(clanFilters.front()->clanTag(), QStringLiteral("[M]"));
    EXPECT_EQ(sections().value(QStringLiteral("CLANFILTER 1")), filterLines(QStringLiteral("[M]"), true, 5));
}

} // namespace
