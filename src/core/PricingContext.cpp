#include "PricingContext.h"

namespace kv {

PricingContext &pricingContext()
{
    static PricingContext context;
    return context;
}

} // namespace kv
