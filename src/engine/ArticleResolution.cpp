#include "ArticleResolution.h"

#include "ArticleChooser.h"
#include "PropertyConditions.h"
#include "Quantities.h"
#include "SashContext.h"
#include "ElementInfo.h"
#include "FieldCache.h"
#include "core/Data.h"
#include "model/Sash.h"
#include "tools/Errors.h"
#include "tools/Geometry.h"

namespace kv {

namespace {

const QString kID = QStringLiteral("ID");

QString num(double v, int decimals) { return filterNumber(v, decimals); }
QString quoted(const QString &s) { return escapeFilterString(s); }

// Appends a clause in its first form while the filter is empty, in its
// joining form afterwards.
void addClause(QString &filter, const QString &first, const QString &later)
{
    filter += filter.isEmpty() ? first : later;
}

[[noreturn]] void elementMissing(const QString &elementId)
{
    throw Error(QStringLiteral("Элемент фурнитуры [%1] не найден в документации!").arg(elementId));
}

// The size clause of the row's condition; handleSize gets the size that an
// article without a handle height of its own halves.
QString sizeClause(const ArticleRequest &r, double &handleSize)
{
    handleSize = 0;
    const QString b = QString::number(r.FFB), h = QString::number(r.FFH);
    const QString l1 = num(r.L1, 0), l2 = num(r.L2, 0), r1 = num(r.R1, 0), r2 = num(r.R2, 0);
    switch (r.Condition) {
    case 1:
        handleSize = r.FFB;
        return QStringLiteral("FFBMin <= %1 and FFBMax >= %1 ").arg(b);
    case 2:
        handleSize = r.FFH;
        return QStringLiteral("FFHMin <= %1 and FFHMax >= %1 ").arg(h);
    case 3:
        return QStringLiteral("FFBMin <= %1 and FFBMax >= %1 and FFHMin <= %2 and FFHMax >= %2 ").arg(b, h);
    case 4:
        handleSize = r.L1;
        return QStringLiteral("FFL1Min <= %1 and FFL1Max >= %1 ").arg(l1);
    case 5:
        handleSize = r.L2;
        return QStringLiteral("FFL2Min <= %1 and FFL2Max >= %1 ").arg(l2);
    case 6:
        handleSize = r.L1;
        return QStringLiteral("FFL1Min <= %1 and FFL1Max >= %1 and FFL2Min <= %2 and FFL2Max >= %2 ").arg(l1, l2);
    case 7:
        return QStringLiteral("FFAMin <= %1 and FFAMax >= %1 ").arg(num(r.A, 2));
    case 8:
        return QStringLiteral("FFR1Min <= %1 and FFR1Max >= %1 ").arg(r1);
    case 9:
        return QStringLiteral("FFR2Min <= %1 and FFR2Max >= %1 ").arg(r2);
    case 10:
        return QStringLiteral("FFR1Min <= %1 and FFR1Max >= %1 and FFR2Min <= %2 and FFR2Max >= %2 ").arg(r1, r2);
    default:
        return {};
    }
}

} // namespace

bool ResolveArticle(const ArticleRequest &r, ResolvedArticle &result, ArticleChooser *chooser)
{
    result = {};
    TDM &dm = DM();
    TDataTable &arts = dm.T_FrnArt;
    const ElementInfo element = GetElementInfo(r.ElementId);
    // An element without any article row is articleless by design, required or not.
    if (!element.hasArticles)
        return false;
    if (!element.found)
        elementMissing(r.ElementId);
    const QString &elementName = element.name;
    const ElementFlags &f = element.flags;

    double handleSize = 0;
    QString filter = sizeClause(r, handleSize);
    const SashParams &p = r.Params;
    if (f.falzLuft)
        addClause(filter, QStringLiteral("FalzLuft = %1 ").arg(p.FalzLuft),
                  QStringLiteral("and FalzLuft = %1 ").arg(p.FalzLuft));
    if (f.falzSize)
        addClause(filter, QStringLiteral("FalzSize = %1 ").arg(p.FalzSize),
                  QStringLiteral("and FalzSize = %1 ").arg(p.FalzSize));
    if (f.falzPos)
        addClause(filter, QStringLiteral("FalzPos = %1 ").arg(p.FalzPos),
                  QStringLiteral("and FalzPos = %1 ").arg(p.FalzPos));
    if (f.weight) {
        const QString w = num(r.Weight, 2);
        addClause(filter, QStringLiteral("WeightMin <= %1 and  WeightMax >= %1 ").arg(w),
                  QStringLiteral("and WeightMin <= %1 and  WeightMax >= %1 ").arg(w));
    }
    if (f.dornMass) {
        const QString d = num(p.DornMass, 2);
        addClause(filter, QStringLiteral("DornMassMin <= %1 and DornMassMax >= %1 ").arg(d),
                  QStringLiteral("and DornMassMin <= %1 and DornMassMax >= %1 ").arg(d));
    }
    if (f.thickness) {
        const QString t = num(p.ProfThickness, 0);
        addClause(filter, QStringLiteral("ThicknessMin <= %1 and ThicknessMax >= %1 ").arg(t),
                  QStringLiteral(" and ThicknessMin <= %1 and ThicknessMax >= %1 ").arg(t));
    }
    if (f.profWidth) {
        const QString w = num(r.Width, 0);
        addClause(filter, QStringLiteral("ProfWidthMin <= %1 and ProfWidthMax >= %1 ").arg(w),
                  QStringLiteral(" and ProfWidthMin <= %1 and ProfWidthMax >= %1 ").arg(w));
    }
    if (f.profSys) {
        if (r.StrikeSystem.isEmpty())
            throw Error(QStringLiteral("Для комплекта фурнитуры [%1]\r\nне указана система ответных планок!")
                            .arg(r.SetName));
        addClause(filter, QStringLiteral("ProfSys = '%1' ").arg(quoted(r.StrikeSystem)),
                  QStringLiteral("and ProfSys = '%1' ").arg(quoted(r.StrikeSystem)));
    }
    if (f.stulpType)
        addClause(filter, QStringLiteral("StulpType = %1 ").arg(r.StulpKind),
                  QStringLiteral("and StulpType = %1 ").arg(r.StulpKind));
    if (f.direct)
        addClause(filter, QStringLiteral("(Direct = %1 or Direct = %2) ").arg(3).arg(r.Hand),
                  QStringLiteral("and (Direct = %1 or Direct = %2) ").arg(3).arg(r.Hand));
    addClause(filter, QStringLiteral("ID='%1' ").arg(quoted(r.ElementId)),
              QStringLiteral("and ID='%1' ").arg(quoted(r.ElementId)));
    QString uncoloured;
    if (f.color) {
        uncoloured = filter + QStringLiteral("and Color = '' ");
        filter += QStringLiteral("and Color = '%1' ").arg(quoted(r.Colour));
    }

    bool unmatched = true;
    {
        FilteredScan scan(arts, filter);
        unmatched = scan.isEmpty();
        if (unmatched && f.color) {
            scan.setFilter(uncoloured);
            unmatched = scan.isEmpty();
        }
        if (scan.count() > 1) {
            ArticleAlternatives alternatives{r.ElementId, elementName, {}};
            const TField &catalogId = arts.fieldByName(QStringLiteral("CatalogID"));
            for (int i = 0; i < scan.count(); ++i)
                alternatives.Articles << catalogId.valueAt(i).toString();
            if (chooser)
                chooser->ChooseArticle(dm.DS_FrnArt, alternatives);
        }
        if (!arts.isEmpty()) {
            result.Article = CachedField(arts, "CatalogID").asString();
            result.HandleHeight = CachedField(arts, "HandleHeight").asInteger();
        }
    }

    if (unmatched) {
        result = {};
        if (!r.Required)
            return false;
        if (!r.AlertText.isEmpty())
            throw Error(r.AlertText);
        throw Error(QStringLiteral("В БД артикулов фурнитуры не найден подходящий\r\nартикул для элемента фурнитуры "
                                   "[%1]!\r\n\r\nИскомый запрос:\r\n%2")
                        .arg(elementName, filter));
    }
    if (result.Article.isEmpty())
        throw Error(QStringLiteral("В БД артикулов фурнитуры найден пустой\r\nартикул для элемента фурнитуры [%1]!")
                        .arg(elementName));
    if (!r.DefineHandleHeight)
        result.HandleHeight = 0;
    else if (result.HandleHeight == 0)
        result.HandleHeight = RoundHalfAway(handleSize / 2);
    return true;
}

void ExpandComposite(const SashContext &context, const QString &elementId, const QString &parentSetId,
                     qint32 parentQuantity, int category, qint32 parentSide)
{
    const ElementInfo element = GetElementInfo(elementId);
    if (!element.isComposite)
        return;
    if (!element.found)
        elementMissing(elementId);
    const QString &compositeName = element.name;
    TDataTable &parts = DM().T_FrnItoI;
    TkvfFurnComp &composition = *context.Sash->Composition();

    FilteredScan scan(parts, QStringLiteral("ID = '%1'").arg(quoted(elementId)));
    for (; !scan.eof(); scan.next()) {
        const RowView row(parts);
        const QString item = row.text("Item");
        if (item.isEmpty())
            throw Error(QStringLiteral("В составе составного элемента [%1] содержится пустой элемент!")
                            .arg(compositeName));
        const qint32 itemSide = row.integer("ItemSideNo");
        const qint32 side = itemSide != 0 ? itemSide : parentSide;
        const qint32 propKey = row.integer("PropKey");
        const qint32 stulpMask = row.integer("StulpType");
        const qint32 colorCondition = row.integer("ColorCondition");
        const qint32 number = row.integer("Number");
        const bool required = row.integer("Required") == 1;
        const QString alert = row.text("AlertIfNoArt");
        const QString note = row.text("Note");

        if (!CheckProperties(propKey, composition.Properties, category))
            continue;
        if (!StulpMaskAdmits(stulpMask, context.StulpKind))
            continue;

        ArticleRequest request;
        request.ElementId = item;
        request.SetName = compositeName;
        request.StrikeSystem = composition.ProfSys;
        request.AlertText = alert;
        request.Required = required;
        request.Hand = context.Hand;
        request.StulpKind = context.StulpKind;
        request.Width = context.Width;
        request.Colour = context.ColourFor(colorCondition);
        request.Weight = context.Weight;
        request.Params = context.Params;
        ResolvedArticle found;
        if (!ResolveArticle(request, found, context.Chooser))
            continue;
        composition.AddItem(found.Article, parentSetId,
                            QStringLiteral("Комплект:%1 -> Элемент:%2 -> Элемент:%3 -> Артикул:%4")
                                .arg(parentSetId, elementId, item, found.Article),
                            context.DebugMode, 0, note, QuantityProduct(parentQuantity, number, item), side);
    }
}

QString GetSetName(const QString &setId)
{
    TDataTable &sets = DM().T_FrnComp;
    if (!sets.findKey({setId}))
        throw Error(QStringLiteral("В БД комплектов фурнитур отсутствуют\r\nданные для комплекта [%1]").arg(setId));
    return CachedField(sets, "Name").asString();
}

bool FindSetName(const QString &setId, QString &name)
{
    name.clear();
    TDataTable &sets = DM().T_FrnComp;
    if (!sets.findKey({setId}))
        return false;
    name = CachedField(sets, "Name").asString();
    return true;
}

} // namespace kv
