#include "RefDialogs.h"

#include "CatalogForm.h"
#include "Currency.h"
#include "FirmForm.h"
#include "PriceGrp.h"

namespace kv {

void InstallReferenceDialogs(WindowHooks &hooks)
{
    hooks.RunCurrencyDlg = [](const QString &caption, QWidget *owner) { return ShowCurrencyDlg(owner, caption); };
    hooks.RunFirmInfoDlg = [](QWidget *owner) { ShowFirmInfoDlg(owner); };
    hooks.RunCatalogDlg = [](QWidget *owner) { ShowCatalogDlg(owner); };
    hooks.RunPriceGroupDlg = [](QWidget *owner) { ShowPriceGroupDlg(owner); };
}

} // namespace kv
