#pragma once
// The pricing context: the active document window puts its own rate list,
// currency and VAT here on activation and clears it when no document is active.
// Every price lookup converts catalogue prices with it.
#include <QtGlobal>

namespace kv {

class TkvfCurrencyList; // the model's owned list of currency rates

struct PricingContext
{
    const TkvfCurrencyList *CurrentRates = nullptr; // not owned
    qint32 CurrentCurrency = 0;                     // Currency.ID of the document
    float CurrentVAT = 0.0f;                        // VAT rate in percent
};

// The process-wide pricing context that every price lookup reads; the
// settings object exposes this same object.
PricingContext &pricingContext();

} // namespace kv
