#pragma once
// The firm details dialog: the company's name, logo, addresses, phones and
// bank details kept in the settings. OK copies every field back into the
// settings object (nothing is checked); the settings file gets them when the
// settings are stored at the end of the run.
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace kv {

class TkvfSetup;
struct TFirmInfo;

class TFirmInfoDlg : public QDialog
{
    Q_OBJECT
public:
    explicit TFirmInfoDlg(QWidget *parent = nullptr);

    // Fills the fields from the settings and shows the dialog; on OK copies
    // them back and returns true, otherwise changes nothing.
    bool Execute(TkvfSetup &setup);
    // The same on the process's settings object.
    bool Execute();

    void LoadFields(const TFirmInfo &firm);
    void StoreFields(TFirmInfo &firm) const;
    // Shows the picture of the logo field's file: nothing for an empty path
    // or a missing file; a file that is no picture Qt can read is reported.
    void ShowLogo();
    // The browse button: a file dialog for the logo.
    void BrowseLogo();

    QLineEdit *NameEdit, *LogoEdit, *AddressEdit, *JustAddressEdit, *ZipCodeEdit, *Phone1Edit, *Phone2Edit,
        *Phone3Edit, *FaxEdit, *EMailEdit, *InternetEdit, *INNEdit, *AccountEdit, *DirectorEdit, *BookKeeperEdit;
    QToolButton *LogoBrowseBut;
    QLabel *LogoImage;
    QPushButton *OkBut;
    QPushButton *CancelBut;

protected:
    void showEvent(QShowEvent *event) override;
};

// Shows the firm details of the process's settings modally; true on OK.
bool ShowFirmInfoDlg(QWidget *parent);

} // namespace kv
