#pragma once
// The component catalogue dialog: articles with their makers' articles,
// price, currency, price group, name and unit, edited in place, with a
// search over the article columns and a printable list.
#include "reports/ReportPrepare.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kv {

class TDataTable;
class TDBGrid;
class TDBNavigator;

class TCatalogDlg : public QDialog
{
    Q_OBJECT
public:
    explicit TCatalogDlg(QWidget *parent = nullptr);

    // Takes the client area's size less 100 pixels each way and stands 50
    // pixels right of and below its top left corner.
    void PlaceOver(QWidget *client);

    // Moves to the first row (or the next one after the current, with next)
    // whose field chosen in SearchFieldCombo contains text, letter case
    // ignored. False, staying put, when there is none.
    bool Find(const QString &text, bool next);

    // The printable list in the report preview.
    void Print();

    // Writes the pending row first; when that fails the error is shown and
    // the dialog stays open.
    void done(int result) override;

    TDBNavigator *Navigator;
    QComboBox *SearchFieldCombo;
    QLineEdit *SearchEdit;
    TDBGrid *Grid;
    QPushButton *PrintBut;
    QPushButton *OkBut;

protected:
    // Prices show without a currency name: the currency string becomes " ".
    void showEvent(QShowEvent *event) override;

private:
    void searchTextChanged(const QString &text);
};

// Shows the catalogue modally over the client area of parent (the main
// window's central widget when parent is a main window).
void ShowCatalogDlg(QWidget *parent);

// The printable list of the catalogue table: a title row with the titles of
// the first nine grid columns and one line per article. The table is back
// on its record afterwards.
PreparedReport PrepareCatalogReport(TDataTable &catalog);

// A prepared report in the print preview, with saving to PDF, ODT, HTML,
// text and CSV.
void PreviewReport(const PreparedReport &report, QWidget *parent);

} // namespace kv
