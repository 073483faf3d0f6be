#pragma once

#include <QDialog>

#include <functional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QueryEngine;

// "Change your filters": lists the clan filters, adds and removes them. Every change is written
// to the settings file at once and the list is read back from it, so the grid always shows what
// the file holds. OK switches checking back on; there is no Cancel because nothing is pending.
class filtersWindow final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(filtersWindow)

public:
    filtersWindow(QueryEngine &engine, QWidget *parent = nullptr);
    ~filtersWindow() override;

    /// Rebuilds the grid from the shared filter list.
    void fillFilterGrid();

    /// What "History..." does with the selected filter's tag; without one the button is hidden.
    void setHistoryOpener(std::function<void(const QString &tag)> opener);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void onAddFilterClicked();
    void onRemoveFilterClicked();
    void onOkClicked();
    void onShowAlertsChanged();
    void enableRemoveFilter();
    void onHistoryClicked();

    QueryEngine &m_engine;
    bool m_filling = false;

    QGroupBox *m_frmFilters = nullptr;
    QTableWidget *m_fxgClanFilters = nullptr;
    QPushButton *m_btnRemoveFilter = nullptr;
    QPushButton *m_btnHistory = nullptr;
    std::function<void(const QString &)> m_historyOpener;
    QGroupBox *m_frmAddFilter = nullptr;
    QLabel *m_lblClanTag = nullptr;
    QLineEdit *m_txtClanTag = nullptr;
    QLabel *m_lblShowAlerts = nullptr;
    QCheckBox *m_chkShowAlerts = nullptr;
    QLabel *m_lblAlertTrigger = nullptr;
    QLineEdit *m_txtTriggerNumber = nullptr;
    QPushButton *m_btnAddFilter = nullptr;
    QPushButton *m_btnOk = nullptr;
    QLabel *m_lblInformation = nullptr;
};
