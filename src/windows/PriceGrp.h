#pragma once
// The price group dialog: the catalogue's price groups with their discount,
// edited in place. Ctrl+C copies the current (or the marked) price groups
// into the record clipboard and Ctrl+V pastes them as new rows.
#include <QDialog>

class QPushButton;
class QTabWidget;
class QTableWidget;

namespace kv {

class TDBGrid;
class TDBNavigator;

class TPriceGroupDlg : public QDialog
{
    Q_OBJECT
public:
    explicit TPriceGroupDlg(QWidget *parent = nullptr);

    // The record clipboard handlers of the grid.
    void CopyRecords();
    void PasteRecords();

    // Writes the pending row first; when that fails the error is shown and
    // the dialog stays open.
    void done(int result) override;

    QTabWidget *PageControl;
    QWidget *GroupsPage;   // "Группы скидок"
    QWidget *NamesPage;    // "Наименования": kept hidden
    TDBNavigator *Navigator;
    TDBGrid *Grid;
    QTableWidget *NamesGrid;
    QPushButton *OkBut;

protected:
    void showEvent(QShowEvent *event) override;
};

void ShowPriceGroupDlg(QWidget *parent);

} // namespace kv
