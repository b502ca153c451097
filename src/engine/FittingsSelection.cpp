#include "FittingsSelection.h"

#include "ArticleResolution.h"
#include "CatalogLookups.h"
#include "PropertyConditions.h"
#include "Quantities.h"
#include "SashContext.h"
#include "SetExpansion.h"
#include "ElementInfo.h"
#include "FieldCache.h"
#include "core/Data.h"
#include "model/Construction.h"
#include "model/Order.h"
#include "tools/Errors.h"
#include "tools/Geometry.h"

namespace kv {

namespace {

// An item as a later stage sees it when it visits it.
struct ItemView
{
    QString Article, Comment, ParentSet, History;
    qint32 Quantity, SideNo;
};

ItemView viewOf(const TkvfFurnItem &item)
{
    return {item.Article, item.Comment, item.ParentSet, item.History, item.Quantity, item.SideNo};
}

// The attachments of one article: strike plates, covers or accessories. The
// view holds the article's rows; which of them belong to the item is tested
// row by row (stulp kind or none, side or none, parent set or none, and the
// cover colour), exact equalities as a filter would test them. The article's
// filter text then repeats from sash to sash and is compiled only once.
QString articleRowsFilter(const ItemView &item)
{
    return QStringLiteral("CatalogID = '%1'").arg(escapeFilterString(item.Article));
}

bool sideApplies(const TDataTable &t, const ItemView &item)
{
    const qint32 side = RowView(t).integer("ItemSideNo");
    return side == item.SideNo || side == 0;
}

bool attachedRowApplies(const TDataTable &t, const ItemView &item, quint8 stulpKind)
{
    const qint32 stulp = RowView(t).integer("StulpType");
    if (stulp != stulpKind && stulp != 0)
        return false;
    if (!sideApplies(t, item))
        return false;
    const QString set = RowView(t).text("ItemComplectID");
    return set == item.ParentSet || set.isEmpty();
}

// A strike-plate element restricted to a system group applies to the
// composition's system: CommonGrp = G exactly, or for a whole hundred
// (CommonGrp mod 100 = 0) the same hundred as G.
bool systemGroupApplies(const QString &elementId, const QString &furnSys)
{
    const ElementInfo element = GetElementInfo(elementId);
    if (!element.found || element.commonGrp == 0)
        return true;
    const qint32 group = element.commonGrp;
    qint32 system = 0;
    if (!ParseInteger(furnSys, system))
        system = group;
    if (group % 100 != 0)
        return group == system;
    return system / 100 * 100 == group / 100 * 100;
}

void addStrikePlates(const SashContext &c, TkvfFurnComp &comp)
{
    TDataTable &plates = DM().T_FrnSchl;
    plates.disableControls();
    struct Resume
    {
        TDataTable &t;
        ~Resume() { t.enableControls(); }
    } resume{plates};
    const int n = comp.Count();
    for (int i = 0; i < n; ++i) {
        const ItemView item = viewOf(comp.Item(i));
        if (!plates.locate(QStringLiteral("CatalogID"), item.Article))
            continue;
        FilteredScan scan(plates, articleRowsFilter(item));
        for (; !scan.eof(); scan.next()) {
            if (!attachedRowApplies(plates, item, c.StulpKind))
                continue;
            const QString element = RowView(plates).text("Item");
            const qint32 number = RowView(plates).integer("Number");
            if (!CheckProperties(RowView(plates).integer("PropKey"), comp.Properties, 0))
                continue;
            if (!systemGroupApplies(element, comp.FurnSys))
                continue;
            ArticleRequest q;
            q.ElementId = element;
            q.SetName = QStringLiteral("Подбор ответных планок");
            q.StrikeSystem = comp.ProfSys;
            q.Required = true;
            q.Hand = c.Hand;
            q.StulpKind = c.StulpKind;
            q.Params = c.Params;
            ResolvedArticle found;
            if (!ResolveArticle(q, found, c.Chooser))
                continue;
            comp.AddItem(found.Article, item.ParentSet,
                         QStringLiteral("%1 -> Элемент:%2 -> Артикул:%3").arg(item.History, element, found.Article),
                         c.DebugMode, 0, item.Comment, QuantityProduct(number, item.Quantity, element), item.SideNo);
        }
    }
}

void addCovers(const SashContext &c, TkvfFurnComp &comp)
{
    TDataTable &covers = DM().T_FrnAbd;
    covers.disableControls();
    struct Resume
    {
        TDataTable &t;
        ~Resume() { t.enableControls(); }
    } resume{covers};
    const int n = comp.Count();
    for (int i = 0; i < n; ++i) {
        const ItemView item = viewOf(comp.Item(i));
        if (!covers.locate(QStringLiteral("CatalogID"), item.Article))
            continue;
        FilteredScan scan(covers, articleRowsFilter(item));
        auto ofColour = [&](const QString &colour) {
            return RowView(covers).text("Color") == colour && sideApplies(covers, item);
        };
        // Uncoloured covers serve every colour, but only when none of the chosen colour exists.
        QString colour = QString();
        for (; !scan.eof(); scan.next())
            if (ofColour(c.CoverColour)) {
                colour = c.CoverColour;
                break;
            }
        for (scan.first(); !scan.eof(); scan.next()) {
            if (!ofColour(colour))
                continue;
            const QString accessory = RowView(covers).text("AccessoryID");
            const qint32 number = RowView(covers).integer("Number");
            comp.AddItem(accessory, item.ParentSet, QStringLiteral("%1 -> Артикул:%2").arg(item.History, accessory),
                         c.DebugMode, 0, item.Comment, QuantityProduct(number, item.Quantity, accessory),
                         item.SideNo);
        }
    }
}

void addAccessories(const SashContext &c, TkvfFurnComp &comp)
{
    TDataTable &accessories = DM().T_FrnDop;
    accessories.disableControls();
    struct Resume
    {
        TDataTable &t;
        ~Resume() { t.enableControls(); }
    } resume{accessories};
    const int n = comp.Count();
    for (int i = 0; i < n; ++i) {
        const ItemView item = viewOf(comp.Item(i));
        if (!accessories.locate(QStringLiteral("CatalogID"), item.Article))
            continue;
        FilteredScan scan(accessories, articleRowsFilter(item));
        for (; !scan.eof(); scan.next()) {
            if (!attachedRowApplies(accessories, item, c.StulpKind))
                continue;
            if (!CheckProperties(RowView(accessories).integer("PropKey"), comp.Properties, 0))
                continue;
            const QString accessory = RowView(accessories).text("AccessoryID");
            const qint32 number = RowView(accessories).integer("Number");
            comp.AddItem(accessory, item.ParentSet, QStringLiteral("%1 -> Артикул:%2").arg(item.History, accessory),
                         c.DebugMode, 0, item.Comment, QuantityProduct(number, item.Quantity, accessory),
                         item.SideNo);
        }
    }
}

} // namespace

bool SelectFittings(TkvfFurnComp &comp, const SelectionSettings &settings)
{
    TkvfFlugel *sash = comp.Sash;
    TkvfConstruction *construction = sash ? sash->Construction : nullptr;
    if (!construction)
        throw Error(QStringLiteral("Фурнитура рассчитывается только для створки позиции заказа!"));

    SashContext c;
    c.Sash = sash;
    if (construction->Arrangement == TkvfConstruction::LeftMain
        || construction->Arrangement == TkvfConstruction::RightMain)
        c.Partner = sash->OtherSash();
    c.DebugMode = settings.DebugMode;
    c.Chooser = settings.Chooser;

    c.Params.ProfWidth = construction->ProfWidth;
    c.Params.ProfThickness = construction->ProfThickness;
    GetRebateParams(construction->FalzType, c.Params, false);
    GetDornMass(sash->Dorn, c.Params, false);
    GetOpeningKind(construction->OpenType, c.Params, false);
    if (!(c.Params.DornMass > 0))
        throw Error(QStringLiteral("Не определена величина 'Дормасс'!"));
    if (c.Params.FalzLuft < 1 || c.Params.FalzSize < 1 || c.Params.FalzPos < 1)
        throw Error(QStringLiteral("В документации не установлены\r\nпараметры фальца %1/%2-%3!")
                        .arg(c.Params.FalzLuft)
                        .arg(c.Params.FalzSize)
                        .arg(c.Params.FalzPos));

    TDataTable &sets = DM().T_FrnComp;
    if (!sets.locate(QStringLiteral("ID"), comp.MainSet))
        throw Error(QStringLiteral("Комплект фурнитуры [%1] не найден в документации!").arg(comp.MainSet));
    c.Hand = RowView(sets).integer("Direct");

    if (const TkvfOrder *order = construction->Order) {
        c.OuterColour = order->OuterColor;
        c.InnerColour = order->InnerColor;
    }
    c.CoverColour = comp.FurnColor;
    c.StulpKind = construction->Arrangement == TkvfConstruction::SingleSash
                      ? quint8(6)
                      : GetStulpKind(construction->StulpType, false);
    const TkvfFlugel::Size rebate = sash->RebateSize();
    c.FFB = RoundHalfAway(double(rebate.Width) / 10.0);
    c.FFH = RoundHalfAway(double(rebate.Height) / 10.0);

    // The catalogue holds still during the run: what it has read once it keeps.
    SelectionCache cache(comp.Properties);

    // Sets, in slot order; the slot's index is its property category.
    const QString slots[] = {comp.MainSet, comp.Handle, comp.HingeSet, comp.Lock,
                             comp.Cylinder, comp.Closer, comp.Latch};
    for (int category = 0; category < 7; ++category)
        if (!slots[category].isEmpty())
            ExpandSet(c, slots[category], category, category == 0 && comp.OwnHandleHeight, 1);
    for (const QString &set : QStringList(comp.AdditionalSets))
        if (!set.isEmpty())
            ExpandSet(c, set, 0, false, 1);

    // Each stage visits the items present when it starts.
    addStrikePlates(c, comp);
    addCovers(c, comp);
    addAccessories(c, comp);

    for (int i = comp.Count() - 1; i >= 0; --i)
        if (comp.Item(i).Quantity == 0)
            comp.DeleteItem(i);
    comp.SortItemsByArticle();
    return true;
}

} // namespace kv
