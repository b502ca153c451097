#include "CatalogPricing.h"

#include "core/Data.h"
#include "core/PricingContext.h"
#include "engine/CatalogLookups.h"
#include "model/CurrencyItem.h"
#include "tools/Errors.h"

namespace kv {

namespace {

// Exact amounts in extended precision, as the conversion arithmetic works.
long double units(Money m) { return static_cast<long double>(m.raw()) / 10000.0L; }
Money fromUnits(long double x) { return Money::fromRaw(roundTiesEven(x * 10000.0L)); }

} // namespace

float GetRate(const TkvfCurrencyList *list, qint32 currencyId)
{
    return list ? list->GetRate(currencyId) : 0.0f;
}

int FindRateIndex(const TkvfCurrencyList *list, qint32 currencyId)
{
    return list ? list->FindRateIndex(currencyId) : -1;
}

void LoadRates(TkvfCurrencyList *list)
{
    if (!list)
        return;
    list->clear();
    TDataTable &t = DM().T_Currency;
    for (t.first(); !t.eof(); t.next())
        list->add(t.asInteger(QStringLiteral("ID")), float(t.asFloat(QStringLiteral("Value"))));
}

Money ConvertAmount(qint32 currencyId, Money amount, Money currentRate)
{
    const float r = GetRate(pricingContext().CurrentRates, currencyId);
    if (currentRate.isZero())
        throw Error(QStringLiteral("Значение текущей валюты = 0!"));
    return fromUnits(units(amount) * static_cast<long double>(r) / units(currentRate));
}

Money GetArticlePrice(const QString &code, bool silent)
{
    const PricingContext &ctx = pricingContext();
    const Money current = fromUnits(static_cast<long double>(GetRate(ctx.CurrentRates, ctx.CurrentCurrency)));
    if (!LocateArticle(code)) {
        if (silent)
            return {};
        throw Error(QStringLiteral("В каталоге отсутствуют данные для [%1]!\r\n(Поиск [Наименование] через [Код])")
                        .arg(code));
    }
    TDataTable &c = DM().T_Catalog;
    const Money price = c.asMoney(QStringLiteral("Price"));
    const qint32 currency = c.asInteger(QStringLiteral("Currency"));
    const int group = c.asInteger(QStringLiteral("PriceGrp"));

    const Money converted = ConvertAmount(currency, price, current);
    const Money reduce = group == 0 ? Money() : fromUnits(static_cast<long double>(GetPriceGroupReduce(group, 0)));
    const long double x = units(converted);
    return fromUnits(x + x * units(reduce) / 100.0L);
}

double GetPriceGroupReduce(int group, int column)
{
    TDataTable &t = DM().T_PriceGrp;
    if (!t.locate(QStringLiteral("GroupID"), group))
        throw Error(QStringLiteral("В каталоге ценовых групп отсутствуют данные для группы [%1]!").arg(group));
    return t.asFloat(QStringLiteral("Reduce_%1").arg(column + 1));
}

} // namespace kv
