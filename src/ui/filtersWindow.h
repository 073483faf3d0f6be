#pragma once

#include <QDialog>

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

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void onAddFilterClicked();
    void onRemoveFilterClicked();
    void onOkClicked();
    void onShowAlertsChanged();
    void enableRemoveFilter();

    QueryEngine &m_engine;
    bool m_filling = false;

    QGroupBox *m_frmFilters = nullptr;
    QTableWidget *m_fxgClanFilters = nullptr;
    QPushButton *m_btnRemoveFilter = nullptr;
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
