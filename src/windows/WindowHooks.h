#pragma once
// Windows and dialogs of other parts of the program that the main window and
// the order window open: the fittings selection dialog, the report list, the
// supplier exports, the register and selection windows and the reference
// dialogs. Each part installs its entry point here at start-up; an entry
// that is not installed leaves its command without effect (the fittings
// dialog: the position is taken with its outline only).
#include <QString>
#include <functional>

class QWidget;

namespace kv {

class TChildForm;
class TMainForm;
class TkvfConstruction;
class TkvfOrder;

enum class SupplierExport { TBM, Vorne, VBH };

struct WindowHooks
{
    // Fittings selection for one position; true on OK.
    std::function<bool(TkvfConstruction &position, QWidget *owner)> RunSetFurnDlg;
    // The report list of an order (print, preview, export).
    std::function<void(TkvfOrder &order, QWidget *owner)> RunOrderReportList;
    // The supplier export dialogs, each run for an order.
    std::function<void(SupplierExport format, TkvfOrder &order, QWidget *owner)> RunExportDlg;
    // The register window and the selection window, created empty; the
    // selection window receives the register window as its source, or nullptr.
    std::function<TChildForm *(TMainForm &main)> CreateOrderListForm;
    std::function<TChildForm *(TMainForm &main, TChildForm *source)> CreateOrderSelectionForm;
    // Reference and settings dialogs of the "&Установки" menu.
    std::function<bool(const QString &caption, QWidget *owner)> RunCurrencyDlg; // true on OK
    std::function<void(QWidget *owner)> RunFirmInfoDlg;
    std::function<void(QWidget *owner)> RunCatalogDlg;
    std::function<void(QWidget *owner)> RunPriceGroupDlg;
    std::function<void(QWidget *owner)> RunFTPSetupDlg;
    std::function<void(QWidget *owner)> RunReportDesigner;
};

WindowHooks &windowHooks();

} // namespace kv
