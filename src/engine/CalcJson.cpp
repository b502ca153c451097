#include "CalcJson.h"

#include "NewOrder.h"
#include "model/FurnComp.h"
#include "model/Order.h"
#include "tools/OleDate.h"
#include "tools/Geometry.h"

#include <QJsonValue>
#include <cmath>

namespace kv {

// ---- Field reads ----------------------------------------------------------------

QString JsonFields::path(const QString &name) const
{
    return m_path.isEmpty() ? name : m_path + QLatin1Char('.') + name;
}

void JsonFields::fail(const QString &name, const QString &expected) const
{
    throw JsonInputError(QStringLiteral("Неверное значение поля [%1]: ожидается %2").arg(path(name), expected));
}

QJsonValue JsonFields::take(const QString &name)
{
    m_seen << name;
    return m_object.value(name);
}

void JsonFields::read(const QString &name, QString &value)
{
    const QJsonValue v = take(name);
    if (v.isUndefined())
        return;
    if (!v.isString())
        fail(name, QStringLiteral("строка"));
    value = v.toString();
}

void JsonFields::read(const QString &name, qint32 &value, qint64 min, qint64 max)
{
    const QJsonValue v = take(name);
    if (v.isUndefined())
        return;
    const double d = v.toDouble();
    if (!v.isDouble() || d != std::floor(d) || d < double(min) || d > double(max))
        fail(name, QStringLiteral("целое число от %1 до %2").arg(min).arg(max));
    value = qint32(d);
}

void JsonFields::read(const QString &name, quint8 &value, qint64 min, qint64 max)
{
    qint32 v = value;
    read(name, v, min, max);
    value = quint8(v);
}

void JsonFields::read(const QString &name, float &value)
{
    const QJsonValue v = take(name);
    if (v.isUndefined())
        return;
    if (!v.isDouble() || !std::isfinite(v.toDouble()) || std::abs(v.toDouble()) > 1e9)
        fail(name, QStringLiteral("число"));
    value = float(v.toDouble());
}

void JsonFields::read(const QString &name, bool &value)
{
    const QJsonValue v = take(name);
    if (v.isUndefined())
        return;
    if (!v.isBool())
        fail(name, QStringLiteral("true или false"));
    value = v.toBool();
}

void JsonFields::read(const QString &name, QStringList &value)
{
    const QJsonValue v = take(name);
    if (v.isUndefined())
        return;
    if (!v.isArray())
        fail(name, QStringLiteral("массив строк"));
    QStringList list;
    for (const QJsonValue &e : v.toArray()) {
        if (!e.isString())
            fail(name, QStringLiteral("массив строк"));
        list << e.toString();
    }
    value = list;
}

QJsonObject JsonFields::object(const QString &name)
{
    const QJsonValue v = take(name);
    if (v.isUndefined())
        return {};
    if (!v.isObject())
        fail(name, QStringLiteral("объект"));
    return v.toObject();
}

QJsonArray JsonFields::array(const QString &name)
{
    const QJsonValue v = take(name);
    if (v.isUndefined())
        return {};
    if (!v.isArray())
        fail(name, QStringLiteral("массив"));
    return v.toArray();
}

void JsonFields::finish() const
{
    for (auto it = m_object.begin(); it != m_object.end(); ++it)
        if (!m_seen.contains(it.key()))
            throw JsonInputError(QStringLiteral("Неизвестное поле [%1]").arg(path(it.key())));
}

// ---- Positions ------------------------------------------------------------------

namespace {

QString figureSuffix(int kind)
{
    switch (kind) {
    case 1:
    case 2:
        return QStringLiteral("Комплект штульповый");
    case 3:
    case 4:
        return QStringLiteral("Комплект трапеция");
    case 5:
    case 6:
        return QStringLiteral("Комплект треугольный");
    case 7:
        return QStringLiteral("Комплект арка");
    default:
        return QStringLiteral("Комплект стандартный");
    }
}

// The figure with its extra dimensions linked as the position dialog links
// them: the figure's defaults first, then B, H, X, Y and R as given.
TShapeRecord readShape(JsonFields &f, const QString &name, quint8 objectType)
{
    JsonFields s(f.object(name), f.path(name));
    TShapeRecord r;
    s.read(QStringLiteral("Kind"), r.Kind, 0, 7);
    r.B = objectType != 0 ? 900 : 700;
    r.H = objectType != 0 ? 2100 : 1400;
    s.read(QStringLiteral("B"), r.B, 1, 100000);
    s.read(QStringLiteral("H"), r.H, 1, 100000);
    const bool twoSashes = r.Kind == 1 || r.Kind == 2;
    const bool trapezoid = r.Kind == 3 || r.Kind == 4;
    const bool arch = r.Kind == 7;
    double rise = 0;
    double radius = 0;
    if (twoSashes) {
        r.X = r.B / 2;
        r.Y = r.B - r.X;
    } else if (trapezoid) {
        r.X = r.H / 2;
    } else if (arch) {
        radius = r.B / 2.0;
    }
    // Fields a figure does not use stay at the figure's values, as in the dialog.
    if (twoSashes || trapezoid) {
        const bool hasY = s.has(QStringLiteral("Y"));
        s.read(QStringLiteral("X"), r.X, 0, 100000);
        if (twoSashes) {
            if (s.has(QStringLiteral("X")) && !hasY && r.B > r.X)
                r.Y = r.B - r.X;
            s.read(QStringLiteral("Y"), r.Y, 0, 100000);
            if (hasY && !s.has(QStringLiteral("X")) && r.Y < r.B)
                r.X = r.B - r.Y;
        }
    } else {
        s.skip(QStringLiteral("X"));
    }
    if (!twoSashes)
        s.skip(QStringLiteral("Y"));
    if (arch) {
        float x = 0;
        s.read(QStringLiteral("X"), x);
        if (s.has(QStringLiteral("X"))) {
            rise = x;
            if (rise <= r.B / 2.0)
                radius = RadiusFromChord(rise, r.B);
            else
                rise = r.B / 2.0;
        }
        float given = 0;
        s.read(QStringLiteral("R"), given);
        if (s.has(QStringLiteral("R"))) {
            radius = given;
            rise = ChordHeight(radius, r.B);
        }
        if (radius < r.B / 2.0)
            radius = r.B / 2.0;
        r.X = RoundHalfAway(rise);
    } else {
        s.skip(QStringLiteral("R"));
    }
    r.R1 = r.R2 = float(radius);
    s.finish();
    return r;
}

} // namespace

TSashChoice ReadSashChoice(const QJsonObject &json, const QString &path, qint32 defaultDorn)
{
    JsonFields f(json, path);
    TSashChoice c;
    c.Dorn = defaultDorn;
    f.read(QStringLiteral("MainSet"), c.MainSet);
    f.read(QStringLiteral("Handle"), c.Handle);
    f.read(QStringLiteral("HingeSet"), c.HingeSet);
    f.read(QStringLiteral("Lock"), c.Lock);
    f.read(QStringLiteral("Cylinder"), c.Cylinder);
    f.read(QStringLiteral("Closer"), c.Closer);
    f.read(QStringLiteral("Latch"), c.Latch);
    f.read(QStringLiteral("OwnHandleHeight"), c.OwnHandleHeight);
    f.read(QStringLiteral("HandleHeight"), c.HandleHeight, 0, 100000);
    f.read(QStringLiteral("Dorn"), c.Dorn);
    f.read(QStringLiteral("Properties"), c.Properties);
    f.read(QStringLiteral("AdditionalSets"), c.AdditionalSets);
    f.finish();
    return c;
}

PositionInput ReadPosition(const QJsonObject &json, const QString &path, int index,
                           const PositionDefaults &d, TkvfConstruction &p)
{
    JsonFields f(json, path);
    PositionInput in;
    p.PosNo = QStringLiteral("%1").arg(index + 1, 3, 10, QLatin1Char('0'));
    p.Count = 1;
    p.ObjectType = d.ObjectType;
    p.Checked = true;
    p.FurnSys = d.FurnSys;
    p.ProfSys = d.ProfSys;
    p.FurnColor = d.FurnColor;
    p.FalzType = d.FalzType;
    p.StulpType = d.StulpType;
    p.OpenType = d.OpenType;
    p.ProfWidth = d.ProfWidth;
    p.ProfThickness = d.ProfThickness;
    in.DornType = d.DornType;

    f.read(QStringLiteral("PosNo"), p.PosNo);
    f.read(QStringLiteral("Count"), p.Count, 0, 99999);
    f.read(QStringLiteral("ObjectType"), p.ObjectType, 0, 1);
    f.read(QStringLiteral("Checked"), p.Checked);
    // The dialog's default sizes follow the product type it opens with, the
    // name the type finally chosen.
    in.Shape = readShape(f, QStringLiteral("Shape"), d.ObjectType);
    p.PosName = (p.ObjectType != 0 ? QStringLiteral("Дверь с порогом: ") : QStringLiteral("Окно: "))
              + figureSuffix(in.Shape.Kind);
    f.read(QStringLiteral("PosName"), p.PosName);
    f.read(QStringLiteral("FurnSys"), p.FurnSys);
    f.read(QStringLiteral("ProfSys"), p.ProfSys);
    f.read(QStringLiteral("FurnColor"), p.FurnColor);
    f.read(QStringLiteral("FalzType"), p.FalzType);
    f.read(QStringLiteral("StulpType"), p.StulpType);
    f.read(QStringLiteral("OpenType"), p.OpenType);
    f.read(QStringLiteral("ProfWidth"), p.ProfWidth);
    f.read(QStringLiteral("ProfThickness"), p.ProfThickness);
    f.read(QStringLiteral("Notes"), p.Notes);
    if (f.has(QStringLiteral("Sash1")))
        in.First = ReadSashChoice(f.object(QStringLiteral("Sash1")), f.path(QStringLiteral("Sash1")), d.DornType);
    if (f.has(QStringLiteral("Sash2")))
        in.Second = ReadSashChoice(f.object(QStringLiteral("Sash2")), f.path(QStringLiteral("Sash2")), d.DornType);
    f.finish();
    return in;
}

void BuildPositionShape(TkvfConstruction &p, const PositionInput &in)
{
    switch (in.Shape.Kind) {
    case 1:
        p.Arrangement = TkvfConstruction::RightMain;
        break;
    case 2:
        p.Arrangement = TkvfConstruction::LeftMain;
        break;
    default:
        p.Arrangement = TkvfConstruction::SingleSash;
        break;
    }
    p.SetShape(in.Shape, in.DornType);
}

void ApplyPositionChoice(TkvfConstruction &p, const PositionInput &in)
{
    p.ApplyFittingsChoice(p.FurnSys, p.ProfSys, p.FurnColor, p.FalzType, p.StulpType, p.OpenType, p.ProfWidth,
                          p.ProfThickness, in.First,
                          p.Arrangement == TkvfConstruction::SingleSash ? TSashChoice() : in.Second);
}

OrderInput ReadOrder(const QJsonObject &json, TkvfOrder &o, const TkvfSetup *settings)
{
    JsonFields f(json, QString());
    OrderInput in;
    f.read(QStringLiteral("OrderNo"), o.OrderNo);
    f.read(QStringLiteral("AltOrderNo"), o.AltOrderNo);
    f.read(QStringLiteral("Customer"), o.Customer);
    f.read(QStringLiteral("ObjectName"), o.ObjectName);
    f.read(QStringLiteral("Address"), o.Address);
    f.read(QStringLiteral("Phone"), o.Phone);
    f.read(QStringLiteral("Remark"), o.Remark);
    if (f.has(QStringLiteral("OrderDate"))) {
        QString text;
        f.read(QStringLiteral("OrderDate"), text);
        const QDate date = QDate::fromString(text, QStringLiteral("dd.MM.yyyy"));
        if (!date.isValid())
            f.fail(QStringLiteral("OrderDate"), QStringLiteral("дата в виде дд.мм.гггг"));
        o.OrderDate = toOleDate(date);
    }
    f.read(QStringLiteral("ProfSys"), o.ProfSys);
    f.read(QStringLiteral("InnerColor"), o.InnerColor);
    f.read(QStringLiteral("OuterColor"), o.OuterColor);
    f.read(QStringLiteral("FurnSys"), o.FurnSys);
    f.read(QStringLiteral("FurnColor"), o.FurnColor);
    f.read(QStringLiteral("Handle"), o.Handle);
    f.read(QStringLiteral("FalzType"), o.FalzType);
    f.read(QStringLiteral("DornType"), o.DornType);
    f.read(QStringLiteral("StulpType"), o.StulpType);
    f.read(QStringLiteral("OpenType"), o.OpenType);
    f.read(QStringLiteral("PriceGroupNo"), o.PriceGroupNo);
    f.read(QStringLiteral("NDSTax"), o.NDSTax);
    f.read(QStringLiteral("GetTotalNDS"), o.GetTotalNDS);
    f.read(QStringLiteral("ShowIncludeNDS"), o.ShowIncludeNDS);
    f.read(QStringLiteral("Currency"), o.Currency);
    f.read(QStringLiteral("Notes"), o.Notes);
    if (f.has(QStringLiteral("Rates"))) {
        in.HasRates = true;
        const QJsonArray rates = f.array(QStringLiteral("Rates"));
        TkvfCurrencyList list;
        for (int i = 0; i < rates.size(); ++i) {
            const QString path = QStringLiteral("Rates[%1]").arg(i);
            if (!rates.at(i).isObject())
                f.fail(path, QStringLiteral("объект"));
            JsonFields r(rates.at(i).toObject(), path);
            qint32 id = 0;
            float rate = 0;
            r.read(QStringLiteral("ID"), id);
            r.read(QStringLiteral("Rate"), rate);
            r.finish();
            list.add(id, rate);
        }
        o.Rates = list;
    }

    const PositionDefaults d = NewPositionDefaults(o, settings);
    const QJsonArray positions = f.array(QStringLiteral("Positions"));
    for (int i = 0; i < positions.size(); ++i) {
        const QString path = QStringLiteral("Positions[%1]").arg(i);
        if (!positions.at(i).isObject())
            f.fail(path, QStringLiteral("объект"));
        TkvfConstruction &p = o.AddPosition();
        in.Positions.push_back(ReadPosition(positions.at(i).toObject(), path, i, d, p));
    }
    f.finish();
    return in;
}

TSashChoice StoredChoice(const TkvfFlugel &sash)
{
    TSashChoice c;
    const TkvfFurnComp *comp = sash.Composition();
    if (!comp)
        return c;
    c.MainSet = comp->MainSet;
    c.HingeSet = comp->HingeSet;
    c.Handle = comp->Handle;
    c.Lock = comp->Lock;
    c.Cylinder = comp->Cylinder;
    c.Closer = comp->Closer;
    c.Latch = comp->Latch;
    c.OwnHandleHeight = comp->OwnHandleHeight;
    c.HandleHeight = comp->HandleHeight;
    c.Dorn = sash.Dorn;
    c.Properties = comp->Properties;
    c.AdditionalSets = comp->AdditionalSets;
    return c;
}

void Recalculate(TkvfConstruction &p)
{
    const TSashChoice first = StoredChoice(p.Sash1());
    const TSashChoice second = StoredChoice(p.Sash2());
    p.ApplyFittingsChoice(p.FurnSys, p.ProfSys, p.FurnColor, p.FalzType, p.StulpType, p.OpenType, p.ProfWidth,
                          p.ProfThickness, first, second);
}

// ---- Output ---------------------------------------------------------------------

QString MoneyJson(Money amount) { return amount.toString(); }

namespace {

QJsonObject sashJson(const TkvfFlugel &sash, int number)
{
    QJsonArray items;
    const TkvfFurnComp &comp = *sash.Composition();
    for (int i = 0; i < comp.Count(); ++i) {
        const TkvfFurnItem &it = comp.Item(i);
        items.append(QJsonObject{{"Article", it.Article},
                                 {"Quantity", it.Quantity},
                                 {"Length", double(it.Length)},
                                 {"SideNo", it.SideNo},
                                 {"ParentSet", it.ParentSet},
                                 {"Comment", it.Comment},
                                 {"History", it.History}});
    }
    QJsonArray materials;
    for (const TkvfMatListItem &m : sash.MatList())
        materials.append(QJsonObject{{"Article", m.Article},
                                     {"Quantity", double(m.Quantity)},
                                     {"CatalogPrice", MoneyJson(m.CatalogPrice)},
                                     {"Price", MoneyJson(m.Price)},
                                     {"Cost", MoneyJson(m.Cost)}});
    return QJsonObject{{"Sash", number}, {"Items", items}, {"Materials", materials}};
}

} // namespace

QJsonObject PositionJson(const TkvfConstruction &p)
{
    QJsonArray sashes;
    if (p.Sash1().Composition())
        sashes.append(sashJson(p.Sash1(), 1));
    if (p.Sash2().Composition())
        sashes.append(sashJson(p.Sash2(), 2));
    const TkvfFlugel::Size rebate = p.RebateSize();
    return QJsonObject{{"PosNo", p.PosNo},
                       {"PosName", p.PosName},
                       {"Count", p.Count},
                       {"RebateSize", QJsonObject{{"Width", rebate.Width}, {"Height", rebate.Height}}},
                       {"UnitCost", MoneyJson(p.UnitCost)},
                       {"PositionCost", MoneyJson(p.PositionCost())},
                       {"Sashes", sashes}};
}

QJsonObject OrderJson(const TkvfOrder &o)
{
    QJsonArray positions;
    for (int i = 0; i < o.PositionCount(); ++i)
        positions.append(PositionJson(o.Position(i)));
    return QJsonObject{{"OrderNo", o.OrderNo},
                       {"Currency", o.Currency},
                       {"Positions", positions},
                       {"Total", MoneyJson(o.Total())},
                       {"VATAmount", MoneyJson(o.VATAmount())},
                       {"TotalWithVAT", MoneyJson(o.TotalWithVAT())}};
}

} // namespace kv
