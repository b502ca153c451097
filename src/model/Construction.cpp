#include "Construction.h"

#include "model/ModelStream.h"

namespace kv {

TkvfConstruction::TkvfConstruction(TkvfOrder *order)
    : Order(order)
    , m_sash1(std::make_unique<TkvfFlugel>(this))
    , m_sash2(std::make_unique<TkvfFlugel>(this))
{
}

TkvfConstruction::~TkvfConstruction() = default;

void TkvfConstruction::SetShape(const TShapeRecord &shape, qint32 dorn)
{
    TShapeRecord r;
    r.B = RoundHalfAway(double(shape.B) * 10.0);
    r.H = RoundHalfAway(double(shape.H) * 10.0);
    r.X = RoundHalfAway(double(shape.X) * 10.0);
    r.Y = RoundHalfAway(double(shape.Y) * 10.0);
    r.R1 = float(double(shape.R1) * 10.0);
    r.R2 = float(double(shape.R2) * 10.0);
    r.Kind = shape.Kind;
    if (Arrangement == SingleSash) {
        m_sash1->BuildOutline(r, 0);
        m_sash1->Dorn = dorn;
        return;
    }
    // Two sashes: X is the width of the left one, Y that of the right one.
    TShapeRecord left = r;
    left.Kind = 0;
    left.B = r.X;
    m_sash1->BuildOutline(left, 0);
    m_sash1->Dorn = dorn;
    TShapeRecord right = r;
    right.Kind = 0;
    right.B = r.Y;
    m_sash2->BuildOutline(right, r.X);
    m_sash2->Dorn = dorn;
}

void TkvfConstruction::ApplyFittingsChoice(const QString &furnSys, const QString &profSys,
                                           const QString &furnColor, qint32 falzType,
                                           qint32 stulpType, qint32 openType, float profWidth,
                                           float profThickness, const TSashChoice &first,
                                           const TSashChoice &second)
{
    FurnSys = furnSys;
    ProfSys = profSys;
    FurnColor = furnColor;
    FalzType = falzType;
    StulpType = stulpType;
    OpenType = openType;
    ProfWidth = profWidth;
    ProfThickness = profThickness;
    // The main sash goes first: a new system there drops the secondary's old
    // composition before the secondary is set again.
    switch (Arrangement) {
    case SingleSash:
        m_sash1->SetComposition(furnSys, profSys, first, furnColor);
        m_sash2->DropComposition();
        break;
    case RightMain:
        m_sash2->SetComposition(furnSys, profSys, second, furnColor);
        m_sash1->SetComposition(furnSys, profSys, first, furnColor);
        break;
    default:
        m_sash1->SetComposition(furnSys, profSys, first, furnColor);
        m_sash2->SetComposition(furnSys, profSys, second, furnColor);
        break;
    }
    RecalcCost();
}

void TkvfConstruction::UpdateFittingsMarks(const TSashChoice &first, const TSashChoice &second)
{
    // Only the components and the handle height take part in a preview.
    auto marksOf = [](const TSashChoice &c) {
        TSashChoice m;
        m.MainSet = c.MainSet;
        m.HingeSet = c.HingeSet;
        m.Handle = c.Handle;
        m.Lock = c.Lock;
        m.Cylinder = c.Cylinder;
        m.Closer = c.Closer;
        m.Latch = c.Latch;
        m.OwnHandleHeight = c.OwnHandleHeight;
        m.HandleHeight = c.HandleHeight;
        return m;
    };
    m_sash1->SetCompositionMarks(marksOf(first));
    if (Arrangement == SingleSash)
        m_sash2->DropComposition();
    else
        m_sash2->SetCompositionMarks(marksOf(second));
}

void TkvfConstruction::PartnerRule(TkvfFlugel &s)
{
    if (Arrangement == SingleSash)
        return;
    TkvfFlugel &secondary = Arrangement == RightMain ? *m_sash1 : *m_sash2;
    const TkvfFurnComp *own = secondary.Composition();
    if (!own)
        return;
    const TkvfFurnComp *main = s.Composition();
    if (!main || main->FurnSys != own->FurnSys)
        secondary.ClearComposition();
}

void TkvfConstruction::RecalcCost()
{
    UnitCost = Money();
    for (TkvfFlugel *sash : {m_sash1.get(), m_sash2.get()}) {
        BuildSashMaterials(*sash);
        UnitCost += sash->MatTotal();
    }
}

Money TkvfConstruction::PositionCost() const
{
    return UnitCost * std::int64_t(Count);
}

TkvfFlugel::Size TkvfConstruction::RebateSize() const
{
    const TkvfFlugel::Size a = m_sash1->RebateSize();
    if (Arrangement == SingleSash)
        return a;
    const TkvfFlugel::Size b = m_sash2->RebateSize();
    return {a.Width + b.Width, a.Height};
}

TkvfFurnComp *TkvfConstruction::FirstComposition()
{
    m_iterating = Arrangement != SingleSash;
    return m_sash1->Composition();
}

TkvfFurnComp *TkvfConstruction::NextComposition()
{
    const bool more = Arrangement != SingleSash && m_iterating;
    m_iterating = false;
    return more ? m_sash2->Composition() : nullptr;
}

void TkvfConstruction::AddMaterials(TkvfMatList &list) const
{
    MergeMaterials(list, *m_sash1, Count);
    MergeMaterials(list, *m_sash2, Count);
}

void TkvfConstruction::TakeContentFrom(TkvfConstruction &o)
{
    Checked = o.Checked;
    PosNo = o.PosNo;
    PosName = o.PosName;
    Count = o.Count;
    ObjectType = o.ObjectType;
    FurnSys = o.FurnSys;
    ProfSys = o.ProfSys;
    FurnColor = o.FurnColor;
    FalzType = o.FalzType;
    StulpType = o.StulpType;
    OpenType = o.OpenType;
    ProfWidth = o.ProfWidth;
    ProfThickness = o.ProfThickness;
    Notes = o.Notes;
    UnitCost = o.UnitCost;
    Arrangement = o.Arrangement;
    m_sash1.swap(o.m_sash1);
    m_sash2.swap(o.m_sash2);
    m_sash1->Construction = this;
    m_sash2->Construction = this;
    o.m_sash1->Construction = &o;
    o.m_sash2->Construction = &o;
    m_iterating = false;
}

void TkvfConstruction::LoadReplacing(TSpecStream &stream, const QString &stamp)
{
    TkvfConstruction fresh(Order);
    fresh.LoadFromStream(stream, stamp);
    TakeContentFrom(fresh);
}

void TkvfConstruction::Copy(const TkvfConstruction &source)
{
    try {
        TSpecStream stream;
        source.SaveToStream(stream);
        stream.seek(0);
        LoadReplacing(stream, stamps::Order);
    } catch (const Error &e) {
        throw Error(QStringLiteral("Ошибка копирования позиции!\r\n(%1)").arg(e.text()));
    }
}

void TkvfConstruction::Backup(TSpecStream &stream) const
{
    try {
        SaveToStream(stream);
    } catch (const Error &e) {
        throw Error(QStringLiteral("Ошибка создания резервной копии объекта!\r\n(%1)").arg(e.text()));
    }
}

void TkvfConstruction::Restore(TSpecStream &stream)
{
    try {
        stream.seek(0);
        LoadReplacing(stream, stamps::Order);
    } catch (const Error &e) {
        throw Error(
            QStringLiteral("Ошибка восстановления объекта из резервной копии!\r\n(%1)").arg(e.text()));
    }
}

void TkvfConstruction::SaveToStream(TSpecStream &s) const
{
    WriteBool(s, Checked);
    WriteString(s, PosNo);
    WriteString(s, PosName);
    WriteInt(s, Count);
    WriteByte(s, ObjectType);
    WriteString(s, FurnSys);
    WriteString(s, ProfSys);
    WriteString(s, FurnColor);
    WriteInt(s, FalzType);
    WriteInt(s, StulpType);
    WriteReal(s, ProfWidth);
    WriteReal(s, ProfThickness);
    WriteInt(s, OpenType);
    WriteMoney(s, UnitCost);
    WriteString(s, StringsToText(Notes));
    WriteByte(s, Arrangement);
    m_sash1->SaveToStream(s);
    m_sash2->SaveToStream(s);
}

void TkvfConstruction::LoadFromStream(TSpecStream &s, const QString &stamp)
{
    Checked = ReadBool(s);
    PosNo = ReadString(s);
    PosName = ReadString(s);
    Count = ReadInt(s);
    ObjectType = ReadByte(s);
    FurnSys = ReadString(s);
    ProfSys = ReadString(s);
    FurnColor = ReadString(s);
    if (IsStampOlder(stamp, stamps::PositionLegacyStrings)) {
        ReadString(s);
        ReadString(s);
    }
    FalzType = ReadInt(s);
    const bool positionDorn = IsStampOlder(stamp, stamps::SashDorn);
    const qint32 dorn = positionDorn ? ReadInt(s) : 0;
    StulpType = ReadInt(s);
    ProfWidth = ReadSingle(s);
    ProfThickness = ReadSingle(s);
    OpenType = ReadInt(s);
    UnitCost = ReadMoney(s);
    Notes = TextToStrings(ReadString(s));
    Arrangement = ReadByte(s);
    if (Arrangement > SingleSash)
        throw StreamReadError(
            QStringLiteral("Недопустимое расположение створок [%1] в данных позиции!").arg(Arrangement));
    m_sash1->LoadFromStream(s, stamp);
    m_sash2->LoadFromStream(s, stamp);
    if (positionDorn) {
        m_sash1->Dorn = dorn;
        m_sash2->Dorn = dorn;
    }
    m_iterating = false;
}

} // namespace kv
