#include "NewOrder.h"

#include "CalcJson.h"
#include "CatalogPricing.h"
#include "CatalogLookups.h"
#include "core/Setup.h"
#include "model/Order.h"

namespace kv {

void InitNewOrder(TkvfOrder &o, const TkvfSetup &s)
{
    o.ProfSys = s.DefProfSys;
    // The settings keep the profile colours of the last order; they are what
    // a new order starts with.
    o.InnerColor = s.DefInnerProfColor;
    o.OuterColor = s.DefOuterProfColor;
    o.FurnSys = s.DefFurnSys;
    o.FurnColor = GetSystemBaseColor(o.FurnSys);
    o.Handle = s.DefHandle;
    o.FalzType = s.DefFalzType;
    o.DornType = s.DefDornType;
    o.StulpType = s.DefStulpFalzType;
    o.OpenType = s.DefFlugelType;
    o.Material = s.DefMaterial;
    o.Currency = s.CurCurrency;
    o.PriceGroupNo = s.PriceGrpNo;
    o.NDSTax = float(s.NDSTax);
    o.GetTotalNDS = s.TotalNDS;
    o.ShowIncludeNDS = s.ShowIncludingNDS;
    LoadRates(&o.Rates);
}

PositionDefaults NewPositionDefaults(const TkvfOrder &o, const TkvfSetup *s)
{
    PositionDefaults d;
    d.FurnSys = o.FurnSys;
    d.ProfSys = o.ProfSys;
    d.FurnColor = o.FurnColor;
    d.FalzType = o.FalzType;
    d.StulpType = o.StulpType;
    d.OpenType = o.OpenType;
    d.DornType = o.DornType;
    if (s) {
        d.ProfWidth = s->DefProfWidth;
        d.ProfThickness = s->DefProfThickness;
        d.ObjectType = s->DefFurnSysGroup != 0 ? 1 : 0;
    }
    return d;
}

} // namespace kv
