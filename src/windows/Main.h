#pragma once
// The main window: the multiple-document frame of the program. One per
// process; the start creates it after the data modules and runs its
// StartUpSequence once before the message loop.
#include <QDate>
#include <QEvent>
#include <QMainWindow>

namespace kv {

// Window messages between the windows. They are posted, so the order of
// posting fixes the order in which the dialogs they open appear.
enum WindowMessage : int {
    UM_ORDERPROPS = 1424,       // order or selection window: its properties dialog
    UM_OPENORDERLIST = 1426,    // main window: create the register window
    UM_CURRENCYRATES = 1430,    // main window: currency rates dialog
    UM_OPENREGORDER = 1433,     // register window: open the order of the current row
    UM_PRESENTATION = 1523,     // main window: presentation dialog
    UM_CHECKNEWS = 1524,        // main window: news check
    UM_SHOWNEWSLIST = 1627,     // main window: news list
    UM_SHOWPERSONALLIST = 1628, // main window: personal message list
};

inline QEvent::Type eventType(WindowMessage m) { return QEvent::Type(int(m)); }

class TMainForm : public QMainWindow
{
    Q_OBJECT
public:
    static const QString DesignCaption; // "Karvelo ФУРНИТУРА"

    explicit TMainForm(QWidget *parent = nullptr);
    // Closes the databases and stores the window state into the settings.
    ~TMainForm() override;

    // Once, after the data modules exist: opens the databases and the catalogue
    // tables, restores the window state and posts the start-up messages.
    // Errors propagate to the caller.
    void StartUpSequence();

    // Karvelo.lcu: the date the currency rates were last confirmed, in the
    // data directory (beside the program when there is none).
    static QString LastCurrencyFile();
    // The stored date; yesterday when the file is missing or unreadable.
    static QDate ReadLastCurrencyDate();

private:
    // The three databases of the configuration and the catalogue tables,
    // through the catalogue data module.
    void OpenDatabases();
};

// The main window of the running process (nullptr while there is none).
TMainForm *MainForm();

} // namespace kv
