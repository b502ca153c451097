#pragma once
// Currency rates and catalogue prices in the active document's currency.
// Prices read the process-wide pricing context (pricingContext()).
#include "tools/Money.h"

#include <QtGlobal>

namespace kv {

class TkvfCurrencyList;

// The rate of the first item with that currency: 0 without a list, -1 when
// the list lacks the currency.
float GetRate(const TkvfCurrencyList *list, qint32 currencyId);
// Index of the first item with that currency; -1 when none or without a list.
int FindRateIndex(const TkvfCurrencyList *list, qint32 currencyId);
// Replaces the list's items by the catalogue's currencies (ID, Value).
void LoadRates(TkvfCurrencyList *list);
// amount × rate of the currency in the current rate list / currentRate,
// rounded to 1/10000 ties to even; raises when currentRate is 0.
Money ConvertAmount(qint32 currencyId, Money amount, Money currentRate);
// The article's price converted into the document's currency with its price
// group applied. A missing article gives 0 when silent.
Money GetArticlePrice(const QString &code, bool silent);
// Column "Reduce_<column + 1>" of the price group; raises when the group is missing.
double GetPriceGroupReduce(int group, int column);

} // namespace kv
