#include "OptionsFiltersDriver.h"

#include "ui/optionsWindow.h"

#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

using namespace mdlZibProcessing;

namespace {

class OptionsWindowTest : public DialogFixture
{
protected:
    void open(const QByteArray &file = {})
    {
        if (!file.isEmpty())
            writeFile(file);
        loadSettings();
        m_window = std::make_unique<optionsWindow>(*m_engine);
        showActive(*m_window);
        m_txtCheckSpeed = child<QLineEdit>(*m_window, "txtCheckSpeed");
        m_txtAlertSpeed = child<QLineEdit>(*m_window, "txtAlertSpeed");
        m_chkAlertPlaySound = child<QCheckBox>(*m_window, "chkAlertPlaySound");
        m_btnOk = child<QPushButton>(*m_window, "btnOk");
    }

    void clickOk()
    {
        QTest::mouseClick(m_btnOk, Qt::LeftButton);
        ASSERT_FALSE(m_window->isVisible());
        ASSERT_EQ(m_window->result(), QDialog::Accepted);
    }

    QStringList settingsLines() const { return sections().value(QStringLiteral("ZIB SETTINGS")); }

    std::unique_ptr<optionsWindow> m_window;
    QLineEdit *m_txtCheckSpeed = nullptr;
    QLineEdit *m_txtAlertSpeed = nullptr;
    QCheckBox *m_chkAlertPlaySound = nullptr;
    QPushButton *m_btnOk = nullptr;
};

TEST_F(OptionsWindowTest, OpensWithStoredValuesAndTheFocusOnOk)
{
    struct Case
    {
        QByteArray file;
        QString checkSpeed;
        QString alertSpeed;
        bool sound;
    };
    const Case cases[] = {
        {{}, QStringLiteral("30"), QStringLiteral("5"), true},
        {"[ZIB SETTINGS]\r\nCheckSpeed=45\r\nAlertSpeed=10\r\nAlertPlaySound=0\r\n", QStringLiteral("45"),
         QStringLiteral("10"), false},
        {"[ZIB SETTINGS]\r\nCheckSpeed=7.5\r\nAlertPlaySound=1\r\n", QStringLiteral("8"), QStringLiteral("5"), true},
        // Only 1 means sound.
        {"[ZIB SETTINGS]\r\nAlertPlaySound=2\r\n", QStringLiteral("30"), QStringLiteral("5"), false},
        {"[ZIB SETTINGS]\r\nAlertPlaySound=-1\r\n", QStringLiteral("30"), QStringLiteral("5"), false},
        // A hand-edited value is shown whole, even where typing is limited to two characters.
        {"[ZIB SETTINGS]\r\nCheckSpeed=90\r\nAlertSpeed=120\r\n", QStringLiteral("90"), QStringLiteral("120"), true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        open(c.file);
        EXPECT_EQ(m_window->windowTitle(), QStringLiteral("ZIB Options"));
        EXPECT_EQ(m_txtCheckSpeed->text(), c.checkSpeed);
        EXPECT_EQ(m_txtAlertSpeed->text(), c.alertSpeed);
        EXPECT_EQ(m_chkAlertPlaySound->isChecked(), c.sound);
        EXPECT_TRUE(m_btnOk->hasFocus());
        m_window.reset();
    }
}

TEST_F(OptionsWindowTest, TabGoesFromOkThroughTheAlertBoxesToTheCheckIntervalAndBack)
{
    open();
    const QWidget *expected[] = {m_txtAlertSpeed, m_chkAlertPlaySound, m_txtCheckSpeed, m_btnOk};
    for (const QWidget *widget : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), widget) << widget->objectName().toStdString();
    }
}

TEST_F(OptionsWindowTest, LeavingTheCheckIntervalKeepsItBetween5And60)
{
    struct Case
    {
        QString typed;
        QString shown;
    };
    const Case cases[] = {
        {QStringLiteral("100"), QStringLiteral("60")}, {QStringLiteral("2"), QStringLiteral("5")},
        {QStringLiteral("abc"), QStringLiteral("30")}, {QString(), QStringLiteral("30")},
        {QStringLiteral("7.5"), QStringLiteral("7.5")}, {QStringLiteral("5"), QStringLiteral("5")},
        {QStringLiteral("60"), QStringLiteral("60")},   {QStringLiteral("60.5"), QStringLiteral("60")},
        {QStringLiteral("4.9"), QStringLiteral("5")},   {QStringLiteral("-20"), QStringLiteral("5")},
        {QStringLiteral(" 45"), QStringLiteral(" 45")}, {QStringLiteral("1e3"), QStringLiteral("60")},
        {QStringLiteral("4,5"), QStringLiteral("30")},
    };
    open();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        typeInto(m_txtCheckSpeed, c.typed);
        EXPECT_EQ(m_txtCheckSpeed->text(), c.typed);
        QTest::keyClick(m_txtCheckSpeed, Qt::Key_Tab);
        EXPECT_FALSE(m_txtCheckSpeed->hasFocus());
        EXPECT_EQ(m_txtCheckSpeed->text(), c.shown);
    }
    // Leaving by a click elsewhere in the window counts the same.
    typeInto(m_txtCheckSpeed, QStringLiteral("99"));
    QTest::mouseClick(m_txtAlertSpeed, Qt::LeftButton);
    EXPECT_EQ(m_txtCheckSpeed->text(), QStringLiteral("60"));
}

TEST_F(OptionsWindowTest, OkSetsTheTimerStoresTheTextAndReadsItBack)
{
    struct Case
    {
        QString typed;
        QString stored;
        int intervalMs;
        qint16 checkSpeed;
    };
    const Case cases[] = {
        {QStringLiteral("100"), QStringLiteral("60"), 60000, 60},
        {QStringLiteral("2"), QStringLiteral("5"), 5000, 5},
        {QStringLiteral("abc"), QStringLiteral("30"), 30000, 30},
        {QStringLiteral("7.5"), QStringLiteral("7.5"), 7500, 8},
        {QStringLiteral("6.5"), QStringLiteral("6.5"), 6500, 6},
        {QStringLiteral("12"), QStringLiteral("12"), 12000, 12},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        checkingEnabled = false;
        m_engine->tmrQuery().stop();
        m_engine->tmrQuery().setInterval(0);
        open();
        typeInto(m_txtCheckSpeed, c.typed);
        clickOk();

        EXPECT_TRUE(m_engine->tmrQuery().isActive());
        EXPECT_EQ(m_engine->tmrQuery().interval(), c.intervalMs);
        EXPECT_EQ(CheckSpeed, c.checkSpeed);
        EXPECT_EQ(settingsLines(),
                  (QStringList{QStringLiteral("CheckSpeed=") + c.stored, QStringLiteral("AlertSpeed=5"),
                               QStringLiteral("AlertPlaySound=1")}));
        EXPECT_TRUE(checkingEnabled);
        m_window.reset();
    }
}

TEST_F(OptionsWindowTest, OkWithUnchangedValuesRewritesThemAndRestartsTheCountdown)
{
    open("[ZIB SETTINGS]\r\nCheckSpeed=60\r\nAlertSpeed=3\r\nAlertPlaySound=0\r\n");
    const QByteArray before = fileBytes();
    QTimer &timer = m_engine->tmrQuery();
    // A coarse timer may round its remaining time by seconds; a precise one shows the restart.
    timer.setTimerType(Qt::PreciseTimer);
    timer.start(60000);
    QTest::qWait(300);
    ASSERT_LT(timer.remainingTime(), 59800);

    // Closing the window may take a while on a slow desktop (seconds under Wine): what is left
    // is measured against the time the click took, not against a fixed margin.
    QElapsedTimer sinceClick;
    sinceClick.start();
    clickOk();
    const qint64 clickTook = sinceClick.elapsed();
    EXPECT_EQ(fileBytes(), before);
    EXPECT_TRUE(timer.isActive());
    EXPECT_EQ(timer.interval(), 60000);
    EXPECT_GE(timer.remainingTime(), 60000 - clickTook - 100);
    EXPECT_EQ(CheckSpeed, 60);
    EXPECT_EQ(AlertSpeed, 3);
    EXPECT_EQ(AlertPlaySound, 0);
    EXPECT_TRUE(checkingEnabled);
}

TEST_F(OptionsWindowTest, OptionsTheFileCannotTakeAreToldAndStayInUse)
{
    open("[ZIB SETTINGS]\r\nCheckSpeed=30\r\nAlertSpeed=5\r\nAlertPlaySound=1\r\n");
    ASSERT_TRUE(QFile::setPermissions(settingsPath, QFile::ReadOwner));
    typeInto(m_txtCheckSpeed, QStringLiteral("12"));
    MessageBox::setNextAnswer(QMessageBox::Ok);
    clickOk();
    const auto shown = MessageBox::lastShown();
    ASSERT_TRUE(shown.has_value());
    EXPECT_EQ(shown->title, QStringLiteral("ERROR"));
    EXPECT_TRUE(shown->text.contains(QDir::toNativeSeparators(settingsPath)));
    EXPECT_TRUE(shown->text.contains(QStringLiteral("read-only")));
    EXPECT_EQ(CheckSpeed, 12) << "not read back over from the old file";
    EXPECT_EQ(m_engine->tmrQuery().interval(), 12000);
    EXPECT_EQ(settingsLines().value(0), QStringLiteral("CheckSpeed=30"));
}

TEST_F(OptionsWindowTest, AlertIntervalTakesTwoTypedCharactersAndIsStoredAsTyped)
{
    open();
    typeInto(m_txtAlertSpeed, QStringLiteral("123"));
    EXPECT_EQ(m_txtAlertSpeed->text(), QStringLiteral("12"));
    QTest::mouseClick(m_chkAlertPlaySound, Qt::LeftButton);
    EXPECT_FALSE(m_chkAlertPlaySound->isChecked());
    clickOk();
    EXPECT_EQ(AlertSpeed, 12);
    EXPECT_EQ(AlertPlaySound, 0);
    EXPECT_EQ(settingsLines(), (QStringList{QStringLiteral("CheckSpeed=30"), QStringLiteral("AlertSpeed=12"),
                                            QStringLiteral("AlertPlaySound=0")}));
}

TEST_F(OptionsWindowTest, AStoredAlertIntervalLongerThanTwoCharactersSurvivesOk)
{
    open("[ZIB SETTINGS]\r\nCheckSpeed=20\r\nAlertSpeed=120\r\nAlertPlaySound=1\r\n");
    clickOk();
    EXPECT_EQ(AlertSpeed, 120);
    EXPECT_EQ(settingsLines(), (QStringList{QStringLiteral("CheckSpeed=20"), QStringLiteral("AlertSpeed=120"),
                                            QStringLiteral("AlertPlaySound=1")}));
}

TEST_F(OptionsWindowTest, OkWithNoNumberForTheAlertIntervalKeepsTheStoredIntervalsAndCloses)
{
    for (const QString &typed : {QString(), QStringLiteral("x"), QStringLiteral("-")}) {
        SCOPED_TRACE(typed.toStdString());
        open("[ZIB SETTINGS]\r\nCheckSpeed=20\r\nAlertSpeed=7\r\nAlertPlaySound=1\r\n");
        typeInto(m_txtAlertSpeed, typed);
        QTest::mouseClick(m_chkAlertPlaySound, Qt::LeftButton);
        clickOk();
        EXPECT_EQ(AlertSpeed, 7);
        EXPECT_EQ(CheckSpeed, 20);
        EXPECT_EQ(AlertPlaySound, 0);
        EXPECT_TRUE(checkingEnabled);
        EXPECT_EQ(settingsLines(), (QStringList{QStringLiteral("CheckSpeed=20"), QStringLiteral("AlertSpeed=7"),
                                                QStringLiteral("AlertPlaySound=0")}));
        m_window.reset();
        checkingEnabled = false;
    }
}

TEST_F(OptionsWindowTest, AStoredCheckIntervalOutside5To60IsShownAsItIsAndLimitedByOk)
{
    struct Case
    {
        QByteArray stored;
        QString shown;
        QString written;
        int intervalMs;
    };
    const Case cases[] = {
        {"2", QStringLiteral("2"), QStringLiteral("5"), 5000},
        {"0", QStringLiteral("0"), QStringLiteral("5"), 5000},
        {"90", QStringLiteral("90"), QStringLiteral("60"), 60000},
        {"-4", QStringLiteral("-4"), QStringLiteral("5"), 5000},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.stored.toStdString());
        open("[ZIB SETTINGS]\r\nCheckSpeed=" + c.stored + "\r\nAlertSpeed=5\r\nAlertPlaySound=1\r\n");
        EXPECT_EQ(m_txtCheckSpeed->text(), c.shown);
        clickOk();
        EXPECT_EQ(m_engine->tmrQuery().interval(), c.intervalMs);
        EXPECT_EQ(settingsLines().value(0), QStringLiteral("CheckSpeed=") + c.written);
        m_window.reset();
    }
}

TEST_F(OptionsWindowTest, NeitherEscapeNorEnterClosesTheWindow)
{
    open();
    QTest::keyClick(m_btnOk, Qt::Key_Escape);
    typeInto(m_txtCheckSpeed, QStringLiteral("40"));
    QTest::keyClick(m_txtCheckSpeed, Qt::Key_Return);
    EXPECT_TRUE(m_window->isVisible());
    EXPECT_FALSE(checkingEnabled);
    EXPECT_TRUE(fileBytes().isEmpty());
}

// The focused OK button pressed from the keyboard is a click, as on every desktop.
TEST_F(OptionsWindowTest, EnterOrSpaceOnTheFocusedOkIsAClick)
{
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
        SCOPED_TRACE(key);
        checkingEnabled = false;
        open();
        typeInto(m_txtCheckSpeed, QStringLiteral("12"));
        QTest::keyClick(m_txtCheckSpeed, Qt::Key_Tab);
        ASSERT_TRUE(m_btnOk->hasFocus()) << "OK comes after the last box in the tab order";
        QTest::keyClick(m_btnOk, key);
        EXPECT_FALSE(m_window->isVisible());
        EXPECT_EQ(m_window->result(), QDialog::Accepted);
        EXPECT_TRUE(checkingEnabled);
        EXPECT_EQ(CheckSpeed, 12);
        m_window.reset();
    }
}

TEST_F(OptionsWindowTest, ModalWindowEndsWithOkAndSwitchesCheckingOn)
{
    loadSettings();
    optionsWindow window(*m_engine);
    QTimer::singleShot(0, &window, [&window] {
        auto *box = window.findChild<QLineEdit *>(QStringLiteral("txtCheckSpeed"));
        auto *ok = window.findChild<QPushButton *>(QStringLiteral("btnOk"));
        if (!box || !ok)
            return window.reject();
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, QStringLiteral("15"));
        QTest::mouseClick(ok, Qt::LeftButton);
    });
    EXPECT_EQ(window.exec(), QDialog::Accepted);
    EXPECT_EQ(m_engine->tmrQuery().interval(), 15000);
    EXPECT_EQ(CheckSpeed, 15);
    EXPECT_TRUE(checkingEnabled);
}

} // namespace
