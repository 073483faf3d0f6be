#include "ui/filtersWindow.h"

#include "model/ClanFilter.h"
#include "model/EntryRules.h"
#include "model/Numeric.h"
#include "model/mdlZibProcessing.h"
#include "platform/text/TextCodec.h"
#include "platform/Twips.h"
#include "query/QueryEngine.h"
#include "ui/FixedLayout.h"
#include "ui/MessageBox.h"

#include <QCoreApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>

#include <algorithm>
#include <memory>

using namespace mdlZibProcessing;

namespace {

// The header row: the segments between the bars, blanks and all; each column is as wide as its
// heading. Column 0 carries the filter's number and is never shown.
// The grid's headings, padded as its columns are wide.
QString gridFormat()
{
    return QCoreApplication::translate("filtersWindow", "|Clan Tag          | Show Alert |  Trigger  ");
}
constexpr int numberColumn = 0;
constexpr int tagColumn = 1;
constexpr int alertColumn = 2;
constexpr int triggerColumn = 3;
constexpr int gridRowTwips = 255;

constexpr int clanTagMaxLength = 200;
constexpr int triggerMaxLength = 2;
const QString defaultTrigger = QStringLiteral("5");

QTableWidgetItem *cell(const QString &text, Qt::Alignment alignment)
{
    auto *item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment);
    return item;
}

} // namespace

filtersWindow::filtersWindow(QueryEngine &engine, QWidget *parent)
    : QDialog(parent)
    , m_engine(engine)
{
    setObjectName(QStringLiteral("filtersWindow"));
    setWindowTitle(QCoreApplication::translate("filtersWindow", "Change your filters"));
    setFont(FixedLayout::msSansSerif(FixedLayout::standardPoints));
    FixedLayout::makeFixedDialog(this, 6870, 3015);

    m_frmFilters = new QGroupBox(QCoreApplication::translate("filtersWindow", "Your Clan Filters"), this);
    m_frmFilters->setObjectName(QStringLiteral("frmFilters"));
    FixedLayout::place(m_frmFilters, 120, 120, 3375, 2295);

    m_fxgClanFilters = new QTableWidget(m_frmFilters);
    m_fxgClanFilters->setObjectName(QStringLiteral("fxgClanFilters"));
    const QStringList headings = gridFormat().split(u'|');
    m_fxgClanFilters->setColumnCount(int(headings.size()));
    m_fxgClanFilters->setHorizontalHeaderLabels(headings);
    m_fxgClanFilters->verticalHeader()->hide();
    m_fxgClanFilters->verticalHeader()->setDefaultSectionSize(Twips::toPixelsY(gridRowTwips));
    m_fxgClanFilters->horizontalHeader()->setSectionsClickable(false);
    m_fxgClanFilters->horizontalHeader()->setHighlightSections(false);
    m_fxgClanFilters->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_fxgClanFilters->horizontalHeader()->setStretchLastSection(false);
    m_fxgClanFilters->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_fxgClanFilters->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_fxgClanFilters->setSelectionMode(QAbstractItemView::SingleSelection);
    m_fxgClanFilters->setTabKeyNavigation(false);
    m_fxgClanFilters->setWordWrap(false);
    FixedLayout::place(m_fxgClanFilters, 120, 240, 3135, 1455);

    m_btnRemoveFilter = new QPushButton(QCoreApplication::translate("filtersWindow", "Remove Filter"), m_frmFilters);
    m_btnRemoveFilter->setObjectName(QStringLiteral("btnRemoveFilter"));
    m_btnRemoveFilter->setEnabled(false);
    FixedLayout::place(m_btnRemoveFilter, 1920, 1800, 1335, 375);

    // In the free place left of "Remove Filter", so every control keeps where it was.
    m_btnHistory = new QPushButton(QCoreApplication::translate("filtersWindow", "History..."), m_frmFilters);
    m_btnHistory->setObjectName(QStringLiteral("btnHistory"));
    m_btnHistory->setEnabled(false);
    m_btnHistory->hide();
    FixedLayout::place(m_btnHistory, 120, 1800, 1335, 375);

    m_frmAddFilter = new QGroupBox(QCoreApplication::translate("filtersWindow", "Add New Filter"), this);
    m_frmAddFilter->setObjectName(QStringLiteral("frmAddFilter"));
    FixedLayout::place(m_frmAddFilter, 3600, 120, 3135, 2295);

    m_lblClanTag = new QLabel(QCoreApplication::translate("filtersWindow", "Clan Name/Tag"), m_frmAddFilter);
    m_lblClanTag->setObjectName(QStringLiteral("lblClanTag"));
    FixedLayout::place(m_lblClanTag, 240, 360, 1215, 255);

    m_txtClanTag = new QLineEdit(m_frmAddFilter);
    m_txtClanTag->setObjectName(QStringLiteral("txtClanTag"));
    m_txtClanTag->setMaxLength(clanTagMaxLength);
    FixedLayout::place(m_txtClanTag, 1560, 360, 1335, 285);

    m_lblShowAlerts = new QLabel(QCoreApplication::translate("filtersWindow", "Show Popup Alerts + Sound"), m_frmAddFilter);
    m_lblShowAlerts->setObjectName(QStringLiteral("lblShowAlerts"));
    FixedLayout::place(m_lblShowAlerts, 240, 840, 2175, 255);

    m_chkShowAlerts = new QCheckBox(m_frmAddFilter);
    m_chkShowAlerts->setObjectName(QStringLiteral("chkShowAlerts"));
    FixedLayout::place(m_chkShowAlerts, 2520, 840, 255, 255);

    m_lblAlertTrigger = new QLabel(QCoreApplication::translate("filtersWindow", "Players needed to trigger alert"), m_frmAddFilter);
    m_lblAlertTrigger->setObjectName(QStringLiteral("lblAlertTrigger"));
    FixedLayout::place(m_lblAlertTrigger, 240, 1320, 2175, 255);

    m_txtTriggerNumber = new QLineEdit(m_frmAddFilter);
    m_txtTriggerNumber->setObjectName(QStringLiteral("txtTriggerNumber"));
    m_txtTriggerNumber->setMaxLength(triggerMaxLength);
    FixedLayout::place(m_txtTriggerNumber, 2520, 1320, 375, 285);

    m_btnAddFilter = new QPushButton(QCoreApplication::translate("filtersWindow", "Add New Filter"), m_frmAddFilter);
    m_btnAddFilter->setObjectName(QStringLiteral("btnAddFilter"));
    FixedLayout::place(m_btnAddFilter, 1560, 1800, 1335, 375);

    m_btnOk = new QPushButton(QCoreApplication::translate("filtersWindow", "OK"), this);
    m_btnOk->setObjectName(QStringLiteral("btnOk"));
    FixedLayout::place(m_btnOk, 5400, 2520, 1335, 375);

    m_lblInformation = new QLabel(QCoreApplication::translate("filtersWindow", "Your changes should take effect immediately"), this);
    m_lblInformation->setObjectName(QStringLiteral("lblInformation"));
    QPalette informationPalette = m_lblInformation->palette();
    informationPalette.setColor(QPalette::WindowText, informationPalette.color(QPalette::Shadow));
    m_lblInformation->setPalette(informationPalette);
    FixedLayout::place(m_lblInformation, 120, 2600, 3255, 255);

    // No button answers Enter: a tag typed and confirmed with Enter must not add or close.
    for (QPushButton *button : {m_btnRemoveFilter, m_btnHistory, m_btnAddFilter, m_btnOk}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }

    setTabOrder(m_btnOk, m_fxgClanFilters);
    setTabOrder(m_fxgClanFilters, m_btnHistory);
    setTabOrder(m_btnHistory, m_btnRemoveFilter);
    setTabOrder(m_btnRemoveFilter, m_btnAddFilter);
    setTabOrder(m_btnAddFilter, m_txtClanTag);
    setTabOrder(m_txtClanTag, m_chkShowAlerts);
    setTabOrder(m_chkShowAlerts, m_txtTriggerNumber);
    m_btnOk->setFocus();

    m_txtTriggerNumber->setText(defaultTrigger);
    connect(m_chkShowAlerts, &QCheckBox::stateChanged, this, &filtersWindow::onShowAlertsChanged);
    m_chkShowAlerts->setChecked(true);
    onShowAlertsChanged();

    m_fxgClanFilters->installEventFilter(this);
    m_txtTriggerNumber->installEventFilter(this);
    connect(m_fxgClanFilters, &QTableWidget::currentCellChanged, this, &filtersWindow::enableRemoveFilter);
    connect(m_fxgClanFilters, &QTableWidget::itemSelectionChanged, this, &filtersWindow::enableRemoveFilter);
    connect(m_btnAddFilter, &QPushButton::clicked, this, &filtersWindow::onAddFilterClicked);
    connect(m_btnRemoveFilter, &QPushButton::clicked, this, &filtersWindow::onRemoveFilterClicked);
    connect(m_btnHistory, &QPushButton::clicked, this, &filtersWindow::onHistoryClicked);
    connect(m_btnOk, &QPushButton::clicked, this, &filtersWindow::onOkClicked);

    fillFilterGrid();
}

filtersWindow::~filtersWindow() = default;

void filtersWindow::fillFilterGrid()
{
    // Refilling moves the current cell about; that is not the user choosing a filter.
    m_filling = true;
    const int previousRow = m_fxgClanFilters->currentRow();

    m_fxgClanFilters->clearContents();
    m_fxgClanFilters->setRowCount(int(clanFilters.size()));
    int row = 0;
    for (const auto &filter : std::as_const(clanFilters)) {
        m_fxgClanFilters->setItem(row, numberColumn,
                                  cell(QString::number(filter->clanFilterNumber()), Qt::AlignLeft | Qt::AlignVCenter));
        m_fxgClanFilters->setItem(row, tagColumn, cell(TextCodec::forDisplay(filter->clanTag()), Qt::AlignLeft | Qt::AlignBottom));
        m_fxgClanFilters->setItem(row, alertColumn,
                                  cell(filter->alert() ? QCoreApplication::translate("filtersWindow", "Yes") : QCoreApplication::translate("filtersWindow", "No"),
                                       Qt::AlignLeft | Qt::AlignVCenter));
        m_fxgClanFilters->setItem(row, triggerColumn,
                                  cell(filter->alert() ? QString::number(filter->alertTrigger()) : QString(),
                                       Qt::AlignLeft | Qt::AlignBottom));
        ++row;
    }

    QHeaderView *header = m_fxgClanFilters->horizontalHeader();
    int total = 0;
    for (int column = 0; column < m_fxgClanFilters->columnCount(); ++column) {
        m_fxgClanFilters->setColumnWidth(column, header->sectionSizeHint(column));
        total += column == numberColumn ? 0 : header->sectionSizeHint(column);
    }
    m_fxgClanFilters->setColumnWidth(numberColumn, 0);
    m_fxgClanFilters->setColumnHidden(numberColumn, true);
    // A style with wider header padding (Windows') can want a pixel or two more than the view
    // has; the tag column gives them up from its padding rather than a scroll bar appear.
    int view = m_fxgClanFilters->maximumViewportSize().width();
    if (m_fxgClanFilters->rowCount() * m_fxgClanFilters->verticalHeader()->defaultSectionSize()
        > m_fxgClanFilters->maximumViewportSize().height() - header->sizeHint().height())
        view -= m_fxgClanFilters->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_fxgClanFilters);
    if (total > view) {
        const int tagText = header->fontMetrics().horizontalAdvance(
            m_fxgClanFilters->horizontalHeaderItem(tagColumn)->text().trimmed());
        m_fxgClanFilters->setColumnWidth(tagColumn,
                                         std::max(tagText, m_fxgClanFilters->columnWidth(tagColumn) - (total - view)));
    }

    // The current row keeps its number across a refill, so a removal lands on the row the user
    // sees highlighted; the first row is current until the user picks another.
    if (m_fxgClanFilters->rowCount() > 0) {
        const int current = std::clamp(previousRow < 0 ? 0 : previousRow, 0, m_fxgClanFilters->rowCount() - 1);
        m_fxgClanFilters->setCurrentCell(current, tagColumn);
    }
    m_filling = false;
}

bool filtersWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn && watched == m_fxgClanFilters) {
        enableRemoveFilter();
    } else if (event->type() == QEvent::FocusOut && watched == m_txtTriggerNumber
               && static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason) {
        const QString ruled = EntryRules::triggerOnLeave(m_txtTriggerNumber->text());
        if (ruled != m_txtTriggerNumber->text())
            m_txtTriggerNumber->setText(ruled);
    }
    return QDialog::eventFilter(watched, event);
}

void filtersWindow::keyPressEvent(QKeyEvent *event)
{
    if (!FixedLayout::dialogKey(this, event))
        QDialog::keyPressEvent(event);
}

void filtersWindow::enableRemoveFilter()
{
    if (m_filling)
        return;
    m_btnRemoveFilter->setEnabled(true);
    m_btnHistory->setEnabled(true);
}

void filtersWindow::setHistoryOpener(std::function<void(const QString &)> opener)
{
    m_historyOpener = std::move(opener);
    m_btnHistory->setVisible(bool(m_historyOpener));
}

void filtersWindow::onHistoryClicked()
{
    const int row = m_fxgClanFilters->currentRow();
    const QTableWidgetItem *numberItem = row >= 0 ? m_fxgClanFilters->item(row, numberColumn) : nullptr;
    const auto filter = numberItem ? mdlZibProcessing::filterAt(Numeric::toInt16(numberItem->text()).value_or(0)) : nullptr;
    // The tag as stored, not as the grid shows it: the history knows filters by their tags.
    if (filter && m_historyOpener)
        m_historyOpener(filter->clanTag());
}

void filtersWindow::onShowAlertsChanged()
{
    const bool ticked = m_chkShowAlerts->isChecked();
    m_txtTriggerNumber->setVisible(ticked);
    m_lblAlertTrigger->setVisible(ticked);
}

void filtersWindow::onAddFilterClicked()
{
    const QString tag = m_txtClanTag->text();
    const QString trigger = m_txtTriggerNumber->text();
    const auto triggerValue = Numeric::toInt16(trigger);
    // A tag the file cannot give back as typed is not added (blanks alone, the end-of-list
    // marker, a tag longer than a value the file reads back whole).
    const bool storable = EntryRules::clanTagStorable(tag);

    const bool added = storable && triggerValue;
    if (added) {
        auto filter = std::make_shared<ClanFilter>();
        filter->setClanTag(tag);
        filter->setAlert(m_chkShowAlerts->isChecked());
        filter->setAlertTrigger(*triggerValue);
        filter->setClanFilterNumber(qint16(clanFilters.size() + 1));
        clanFilters.append(std::move(filter));

        m_txtClanTag->clear();
        m_chkShowAlerts->setChecked(true);
        m_txtTriggerNumber->setText(defaultTrigger);
    } else {
        MessageBox::error(this,
                          QCoreApplication::translate("filtersWindow", "Sorry I couldn't add that filter. Make sure you've entered all the details"));
    }

    // Saved and read back either way: the grid shows what the file now holds. A change the file
    // could not take is kept as it is in memory instead.
    if (saveClanFilters())
        loadClanFilters();
    else if (added)
        MessageBox::notSaved(this, settingsPath, saveError());
    fillFilterGrid();
}

void filtersWindow::onRemoveFilterClicked()
{
    const int row = m_fxgClanFilters->currentRow();
    const QTableWidgetItem *numberItem = row >= 0 ? m_fxgClanFilters->item(row, numberColumn) : nullptr;
    const QTableWidgetItem *tagItem = row >= 0 ? m_fxgClanFilters->item(row, tagColumn) : nullptr;
    // With no filter rows there is nothing to remove.
    if (!numberItem || !tagItem)
        return;
    const auto number = Numeric::toInt16(numberItem->text());
    if (!number)
        return;

    const QString text = QCoreApplication::translate("filtersWindow", "Are you sure you wish to remove: \r\n\r\n") + tagItem->text();
    if (!MessageBox::confirm(this, text, QCoreApplication::translate("filtersWindow", "Remove Filter")))
        return;
    if (!removeClanFilter(*number))
        MessageBox::notSaved(this, settingsPath, saveError());
    fillFilterGrid();
}

void filtersWindow::onOkClicked()
{
    m_engine.enableChecking();
    accept();
}
