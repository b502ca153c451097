#pragma once
// The main window: the multiple-document frame of the program. One per
// process; the start creates it after the data modules and runs its
// StartUpSequence once before the message loop. It owns the menu bar, the
// tool bars and the status bar and routes the frame's commands to the
// active document window.
#include <QDate>
#include <QEvent>
#include <QMainWindow>
#include <QStringList>
#include <functional>

class QAction;
class QDialog;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;
class QToolButton;

namespace kv {

class TChildForm;
class TOrderForm;

// Window messages between the windows. They are posted, so the order of
// posting fixes the order in which the dialogs they open appear.
enum WindowMessage : int {
    UM_ORDERPROPS = 1424,       // order or selection window: its properties dialog
    UM_ORDERNOTE = 1425,        // order window: the loaded order has notes
    UM_OPENORDERLIST = 1426,    // main window: create the register window
    UM_RECALCORDER = 1429,      // order window: recalculate
    UM_CURRENCYRATES = 1430,    // main window: currency rates dialog
    UM_OPENREGORDER = 1433,     // register window: open the order of the current row
    UM_PRESENTATION = 1523,     // main window: presentation dialog
    UM_CHECKNEWS = 1524,        // main window: news check
    UM_SHOWNEWSLIST = 1627,     // main window: news list
    UM_SHOWPERSONALLIST = 1628, // main window: personal message list
};

inline QEvent::Type eventType(WindowMessage m) { return QEvent::Type(int(m)); }
void PostWindowMessage(QObject *receiver, WindowMessage m);
void SendWindowMessage(QObject *receiver, WindowMessage m);

// What a file dialog is asked and what it answers.
struct FileDialogSetup
{
    QString title;
    QString filter;        // "Заказ 370 (*.kfo370)|*.kfo370|..." as the program writes it
    QString defaultSuffix; // "kfo370"
    QString directory;
    QString fileName;
    int filterIndex = 1;   // 1-based
    bool save = false;
    bool multiSelect = false;
    QStringList selected;  // answer: chosen files
};

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
    static void WriteLastCurrencyDate(const QDate &date);

    // Children, in the order they were created.
    QList<TChildForm *> children() const;
    TChildForm *activeChild() const;
    // Puts a new child into the frame and shows it; a child that is the only
    // one gets the stored window state of document windows.
    QMdiSubWindow *addChild(TChildForm *child);

    // Commands
    TOrderForm *NewOrder();
    void NewSelection();
    // filterIndex 0: orders, or selections when a selection window is active.
    void Open(int filterIndex = 0);
    void Save();
    void SaveAs();
    void SaveAll();
    void CloseChild();
    void CloseAll();
    void ShowOrderList();
    bool SaveChild(TChildForm *child);
    bool SaveChildAs(TChildForm *child);

    void ShowOrderToolBar();
    void ShowRegisterToolBar();
    void HideChildToolBars();
    // Enables the frame's commands for the active child (runs its UpdateCommands).
    void UpdateCommands();

    void setStatusText(int panel, const QString &text);
    QString statusText(int panel) const;

    // Runs a file dialog; replaceable for tests. True on OK.
    std::function<bool(FileDialogSetup &)> fileDialogRunner;
    // Runs the frame's own modal dialogs (about box, presentation); replaceable for tests.
    std::function<int(QDialog &)> modalRunner;
    // The open dialog as it was set up last (the order window's merge reuses it).
    FileDialogSetup &openDialogSetup() { return m_openSetup; }
    bool RunFileDialog(FileDialogSetup &setup);

    QMdiArea *MdiArea;
    QMenu *FileMenu, *NewMenu, *SettingsMenu, *WindowMenu, *HelpMenu;
    QAction *OrderListItem, *NewOrderItem, *NewSelectionItem, *OpenItem, *SaveItem, *SaveAsItem, *SaveAllItem,
        *CloseItem, *CloseAllItem, *PrinterSetupItem, *ReportDesignerItem, *ExitItem;
    QAction *CurrencyRatesItem, *FirmInfoItem, *OptionsItem, *FtpSetupItem, *CatalogItem, *PriceGroupItem;
    QAction *CascadeItem, *TileItem, *ArrangeItem, *MinimizeAllItem;
    QAction *PresentationItem, *DebugModeItem, *AboutItem, *NewsPanelItem, *PersonalPanelItem, *RequestNewsItem;
    QToolBar *MainToolBar, *OrderToolBar, *OrderLstToolBar, *PersonalInfoBar;
    QToolButton *OrderListBut, *NewBut, *OpenBut, *SaveBut, *PrintBut;
    QAction *OrderPropBut, *NewPosBut, *EditPosBut, *DeletePosBut;
    QAction *RegistrateOrderBut, *OpenRegOrderBut, *DeleteRegOrderBut, *MoveToArchiveBut;
    QLabel *StatusPanels[4];

Q_SIGNALS:
    // The active child changed (nullptr: none).
    void activeChildChanged(TChildForm *child);

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // The three databases of the configuration and the catalogue tables,
    // through the catalogue data module.
    void OpenDatabases();
    void CreateActions();
    void CreateMenus();
    void CreateToolBars();
    void MergeMenus(TChildForm *child);
    void ChildActivated(QMdiSubWindow *window);
    void FillWindowMenu();
    void ShowCurrencyRates();
    void ShowPresentation();
    void ShowAbout();
    void PrinterSetup();
    void ShowOptions();
    void RouteToChild(const std::function<void(TChildForm &)> &action, bool orderAndSelection, bool orderOnly);

    FileDialogSetup m_openSetup;
    TChildForm *m_lastActive = nullptr;
    bool m_destroying = false;
};

// The main window of the running process (nullptr while there is none).
TMainForm *MainForm();

} // namespace kv
