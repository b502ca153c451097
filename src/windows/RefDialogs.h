#pragma once
// The reference dialogs as the main window opens them: its "Курсы валют на"
// item and the currency-rates message, "Реквизиты фирмы...", "Справочник
// комплектующих..." and "Ценовые группы...".
#include "windows/WindowHooks.h"

namespace kv {

void InstallReferenceDialogs(WindowHooks &hooks = windowHooks());

} // namespace kv
