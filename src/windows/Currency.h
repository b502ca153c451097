#pragma once
// The currency rates dialog: the rates of the catalogue's currency table,
// edited in place. Every change is written to the table (rows already left
// at once, the last one when the dialog closes in any way), so Cancel keeps
// what was edited too; the result only tells the caller whether the user
// confirmed the rates.
#include <QDate>
#include <QDialog>

class QPushButton;

namespace kv {

class TDBGrid;

class TCurrencyDlg : public QDialog
{
    Q_OBJECT
public:
    // caption: the main window passes the caption of its "Курсы валют на" item.
    explicit TCurrencyDlg(QWidget *parent = nullptr, const QString &caption = QString());

    // Writes the pending rate first; when that fails the error is shown and
    // the dialog stays open.
    void done(int result) override;

    TDBGrid *Grid;
    QPushButton *OkBut;
    QPushButton *CancelBut;

protected:
    void showEvent(QShowEvent *event) override;
};

// Shows the rates dialog modally; true when closed with OK.
bool ShowCurrencyDlg(QWidget *parent, const QString &caption = QString());

// Karvelo.lcu: the date as 8 bytes, a little-endian double of days since
// 30.12.1899. False when the file cannot be written.
bool WriteLastCurrencyDate(const QString &file, const QDate &date);

// The currency-rates prompt of the main window: the dialog with the menu
// item's caption; OK while "AutoLoadCurrency" is set stores today's date in
// Karvelo.lcu (a failure to write it is ignored). True on OK.
bool RunCurrencyRates(QWidget *parent, const QString &caption);

} // namespace kv
