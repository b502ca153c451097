#pragma once
// The currency rates dialog: the rates of the catalogue's currency table,
// edited in place. Every change is written to the table (rows already left
// at once, the last one when the dialog closes in any way), so Cancel keeps
// what was edited too; the result only tells the caller whether the user
// confirmed the rates.
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

} // namespace kv
