#pragma once
// What a new order and a new position start from: the defaults of the
// settings and the catalogue's currency rates.
#include <QtGlobal>

namespace kv {

class TkvfOrder;
class TkvfSetup;
struct PositionDefaults;

// The header of a new order from the settings (systems, colours, handle,
// codes, material, currency, price group, VAT) and one rate per Currency row.
void InitNewOrder(TkvfOrder &order, const TkvfSetup &settings);

// What the position and fittings dialogs give a new position of order: the
// order's systems and codes, the settings' last profile width and thickness
// and product type.
PositionDefaults NewPositionDefaults(const TkvfOrder &order, const TkvfSetup *settings);

} // namespace kv
