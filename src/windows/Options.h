#pragma once
// The options dialog: five preferences of the settings object. They reach
// the registry only when the settings object is stored at the end of the run.
#include <QDialog>

class QCheckBox;
class QGroupBox;
class QPushButton;

namespace kv {

class TkvfSetup;

class TOptionsDlg : public QDialog
{
    Q_OBJECT
public:
    explicit TOptionsDlg(QWidget *parent = nullptr);

    // Shows the settings' five preferences; on OK copies them back and
    // returns true, otherwise changes nothing.
    bool Execute(TkvfSetup &setup);
    // The same on the process's settings object.
    bool Execute();

    QGroupBox *GeneralGroup;
    QCheckBox *AlertIfNotFullCheck;
    QCheckBox *AutoLoadCurrencyCheck;
    QGroupBox *RegistryGroup;
    QCheckBox *AutoRegCheck;
    QCheckBox *AutoOpenRegCheck;
    QCheckBox *MoveToRecycledCheck;
    QPushButton *OKBut;
    QPushButton *CancelBut;
};

} // namespace kv
