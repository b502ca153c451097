#pragma once
// The about box and the presentation of the fittings distributor and the
// software maker, both opened from the help menu.
#include <QDialog>

class QTableWidget;
class QPushButton;

namespace kv {

class TAboutDlg : public QDialog
{
    Q_OBJECT
public:
    explicit TAboutDlg(QWidget *parent = nullptr);
    QTableWidget *Grid;
    QPushButton *OkBut;
};

class TPresentationZuviDlg : public QDialog
{
    Q_OBJECT
public:
    explicit TPresentationZuviDlg(QWidget *parent = nullptr);
    QPushButton *OkBut;
};

} // namespace kv
