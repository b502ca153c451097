#include "Sash.h"

#include "model/Construction.h"
#include "model/ModelStream.h"
#include "tools/Expression.h"
#include "tools/Win1251.h"

#include <cmath>
#include <optional>

namespace kv {

// ---- Side --------------------------------------------------------------------

float TkvfLine::ChordLength() const
{
    if (!StartPoint || !EndPoint)
        return -1.0f;
    return float(Distance(StartPoint->ToInt(), EndPoint->ToInt()));
}

int TkvfLine::SideDirection() const
{
    if (!StartPoint || !EndPoint)
        return 3;
    const double d = Direction(StartPoint->ToReal(), EndPoint->ToReal());
    if (d == 90.0 || d == 270.0)
        return 1;
    if (d == 0.0 || d == 180.0)
        return 0;
    return 3;
}

void TkvfLine::SetHandle(qint32 heightMM, qint32 handleDirect)
{
    if (!Handled || !StartPoint || !EndPoint) {
        HandleHeight = 0;
        HandleMark = QPoint(0, 0);
        return;
    }
    HandleHeight = heightMM;
    const double d = RoundHalfAway(double(heightMM) * 10.0);
    const RealPoint base = handleDirect == 0 ? StartPoint->ToReal() : EndPoint->ToReal();
    const RealPoint far = handleDirect == 0 ? EndPoint->ToReal() : StartPoint->ToReal();
    const RealPoint p = PointAlong(base, far, d);
    // Half a millimetre to the inner side of a clockwise outline.
    const RealPoint m = PointAtAngle(p, base, far, handleDirect == 0 ? -90.0 : 90.0, 5.0);
    const IntPoint mi = kv::ToInt(m);
    HandleMark = QPoint(mi.X, mi.Y);
}

void TkvfLine::ClearMarks()
{
    HingeSide = false;
    RotSideIndex = -1;
    Handled = false;
    Banded = false;
    Drived = false;
}

void TkvfLine::SaveToStream(TSpecStream &s) const
{
    WriteReal(s, R1);
    WriteReal(s, R2);
    WriteReal(s, CentreX);
    WriteReal(s, CentreY);
    WriteBool(s, HingeSide);
    WriteInt(s, RotSideIndex);
    WriteBool(s, Handled);
    WriteBool(s, Banded);
    WriteBool(s, Drived);
    WriteInt(s, HandleHeight);
    WriteInt(s, HandleMark.x());
    WriteInt(s, HandleMark.y());
}

void TkvfLine::LoadFromStream(TSpecStream &s, const QString &)
{
    R1 = ReadSingle(s);
    R2 = ReadSingle(s);
    CentreX = ReadSingle(s);
    CentreY = ReadSingle(s);
    HingeSide = ReadBool(s);
    RotSideIndex = ReadInt(s);
    Handled = ReadBool(s);
    Banded = ReadBool(s);
    Drived = ReadBool(s);
    HandleHeight = ReadInt(s);
    const qint32 x = ReadInt(s);
    const qint32 y = ReadInt(s);
    HandleMark = QPoint(x, y);
}

// ---- Sash ----------------------------------------------------------------------

TkvfFlugel::TkvfFlugel(TkvfConstruction *owner) : Construction(owner) {}

TkvfFlugel::~TkvfFlugel() = default;

void TkvfFlugel::ClearOutline()
{
    m_lines.clear();
    m_points.clear();
}

void TkvfFlugel::LinkSides()
{
    const size_t n = m_points.size();
    for (size_t i = 0; i < m_lines.size() && n > 0; ++i) {
        m_lines[i]->StartPoint = m_points[i % n].get();
        m_lines[i]->EndPoint = m_points[(i + 1) % n].get();
    }
}

void TkvfFlugel::BuildOutline(const TShapeRecord &r, qint32 o)
{
    ClearOutline();
    struct P { qint32 x, y; };
    std::vector<P> pts;
    int arcSide = -1;
    switch (r.Kind) {
    case 3: pts = {{o, r.H}, {o, r.H - r.X}, {o + r.B, 0}, {o + r.B, r.H}}; break;
    case 4: pts = {{o, r.H}, {o, 0}, {o + r.B, r.H - r.X}, {o + r.B, r.H}}; break;
    case 5: pts = {{o, r.H}, {o + r.B, 0}, {o + r.B, r.H}}; break;
    case 6: pts = {{o, r.H}, {o, 0}, {o + r.B, r.H}}; break;
    case 7:
        pts = {{o, r.H}, {o, r.X}, {o + r.B, r.X}, {o + r.B, r.H}};
        arcSide = 1;
        break;
    default:
        pts = {{o, r.H}, {o, 0}, {o + r.B, 0}, {o + r.B, r.H}};
        arcSide = 1;
        break;
    }
    for (const P &p : pts) {
        m_points.push_back(std::make_unique<TkvfPoint>(p.x, p.y, this));
        auto line = std::make_unique<TkvfLine>(this);
        if (int(m_lines.size()) == arcSide) {
            line->R1 = r.R1;
            line->R2 = r.R2;
        }
        m_lines.push_back(std::move(line));
    }
    LinkSides();
    for (auto &line : m_lines) {
        if (line->R1 != 0) {
            const RealPoint c = ArcCentre(line->StartPoint->ToReal(), line->EndPoint->ToReal(), line->R1);
            line->CentreX = c.X;
            line->CentreY = c.Y;
        } else {
            line->CentreX = line->CentreY = 0;
        }
    }
}

void TkvfFlugel::SetComposition(const QString &furnSys, const QString &profSys,
                                const TSashChoice &choice, const QString &furnColor)
{
    if (choice.IsEmpty()) {
        ClearComposition();
        return;
    }
    const bool created = !m_composition;
    if (created)
        m_composition = std::make_unique<TkvfFurnComp>(this);
    Dorn = choice.Dorn;
    try {
        m_composition->Assign(furnSys, profSys, furnColor, choice);
        if (Construction)
            Construction->PartnerRule(*this);
    } catch (...) {
        if (created)
            ClearComposition();
        throw;
    }
}

void TkvfFlugel::SetCompositionMarks(const TSashChoice &choice)
{
    if (choice.HasNoComponents()) {
        ClearComposition();
        return;
    }
    const bool created = !m_composition;
    if (created)
        m_composition = std::make_unique<TkvfFurnComp>(this);
    try {
        m_composition->AssignMarks(choice);
    } catch (...) {
        if (created)
            ClearComposition();
        throw;
    }
}

void TkvfFlugel::ClearComposition()
{
    m_composition.reset();
    for (auto &line : m_lines)
        line->ClearMarks();
    if (Construction)
        Construction->PartnerRule(*this);
}

Money TkvfFlugel::MatTotal() const
{
    return MaterialsTotal(m_matList);
}

TkvfFlugel::Box TkvfFlugel::BoundingBox() const
{
    if (m_points.empty())
        return {};
    double minX = m_points[0]->X, maxX = minX;
    double minY = m_points[0]->Y, maxY = minY;
    auto take = [&](double x, double y) {
        if (x <= minX - 0.01)
            minX = x;
        if (x >= maxX + 0.01)
            maxX = x;
        if (y <= minY - 0.01)
            minY = y;
        if (y >= maxY + 0.01)
            maxY = y;
    };
    for (size_t i = 1; i < m_points.size(); ++i)
        take(m_points[i]->X, m_points[i]->Y);
    for (const auto &line : m_lines) {
        if (line->R1 == 0 || !line->StartPoint || !line->EndPoint)
            continue;
        const double r = line->R1;
        const double cx = line->CentreX, cy = line->CentreY;
        const RealPoint extremes[4] = {{float(cx - r), float(cy)}, {float(cx), float(cy - r)},
                                       {float(cx + r), float(cy)}, {float(cx), float(cy + r)}};
        for (const RealPoint &p : extremes)
            if (IsOnArc(line->StartPoint->ToReal(), line->EndPoint->ToReal(), line->Centre(), p, r))
                take(p.X, p.Y);
    }
    return {{LowerTol(minX), LowerTol(minY)}, {UpperTol(maxX), UpperTol(maxY)}};
}

TkvfFlugel::Size TkvfFlugel::RebateSize() const
{
    const Box b = BoundingBox();
    const double w = std::abs(double(b.Hi.X) - double(b.Lo.X));
    const double h = std::abs(double(b.Hi.Y) - double(b.Lo.Y));
    return {RoundHalfAway(w / 10.0), RoundHalfAway(h / 10.0)};
}

float TkvfFlugel::CornerAngle(int i) const
{
    const int n = LineCount();
    if (i < 0 || i >= n)
        return -1.0f;
    const TkvfLine &side = *m_lines[size_t(i)];
    const TkvfLine &prev = *m_lines[size_t(i == 0 ? n - 1 : i - 1)];
    if (!side.StartPoint || !side.EndPoint || !prev.StartPoint)
        return -1.0f;
    return CornerAngleWithArcs(prev.StartPoint->ToReal(), side.StartPoint->ToReal(),
                               side.EndPoint->ToReal(), prev.R1, prev.Centre(), side.R1,
                               side.Centre());
}

namespace {

// Names and functions of a length formula, answered from one sash.
class FormulaContext : public ExprContext
{
public:
    explicit FormulaContext(const TkvfFlugel &sash) : m_sash(sash) {}

    ExprValue variable(const QString &name) const override
    {
        // The height names are spelt with the Cyrillic capital En.
        static const QString fh = QStringLiteral("F\u041D");
        static const QString ffh = QStringLiteral("FF\u041D");
        if (name == fh || name == ffh || name == QLatin1String("FRH"))
            return ExprValue(double(size().Height));
        if (name == QLatin1String("FB") || name == QLatin1String("FFB")
            || name == QLatin1String("FRB"))
            return ExprValue(double(size().Width));
        return ExprValue(0);
    }

    ExprValue function(const QString &name, const ExprArguments &args) const override
    {
        const QString f = cp1251::toUpper(name);
        const bool length = f == QLatin1String("FFL") || f == QLatin1String("FL");
        const bool handle = f == QLatin1String("FFG") || f == QLatin1String("FG");
        const bool partner = f == QLatin1String("FFGA") || f == QLatin1String("FGA");
        if (!length && !handle && !partner)
            return ExprValue(0);
        const TkvfFlugel *sash = partner ? m_sash.OtherSash() : &m_sash;
        if (!sash || args.count() < 1)
            return ExprValue(0);
        int n = 0;
        try {
            const double v = args.value(0).toNumber();
            if (!std::isfinite(v) || std::abs(v) > 1e6)
                return ExprValue(0);
            n = int(roundTiesEven(v));
        } catch (const Error &) {
            return ExprValue(0);
        }
        const int sides = sash->LineCount();
        if (sides > 255 || n < 1 || n > sides)
            return ExprValue(0);
        const TkvfLine &line = sash->Line(n - 1);
        if (length) {
            const float c = line.ChordLength();
            return ExprValue(c < 0 ? 0.0 : line.ChordLengthMM());
        }
        return ExprValue(double(line.HandleHeight));
    }

private:
    TkvfFlugel::Size size() const
    {
        if (!m_size)
            m_size = m_sash.RebateSize();
        return *m_size;
    }

    const TkvfFlugel &m_sash;
    mutable std::optional<TkvfFlugel::Size> m_size;
};

} // namespace

double TkvfFlugel::EvaluateFormula(const QString &text) const
{
    FormulaContext context(*this);
    return Expression::evaluate(text, context).toNumber();
}

int TkvfFlugel::HandleSideIndex() const
{
    for (size_t i = 0; i < m_lines.size(); ++i)
        if (m_lines[i]->Handled)
            return int(i);
    return -1;
}

int TkvfFlugel::BandedSideIndex() const
{
    for (size_t i = 0; i < m_lines.size(); ++i)
        if (m_lines[i]->Banded)
            return int(i);
    return -1;
}

qint32 TkvfFlugel::HandleHeightOfSash() const
{
    const int i = HandleSideIndex();
    return i < 0 ? 0 : m_lines[size_t(i)]->HandleHeight;
}

TkvfFlugel *TkvfFlugel::OtherSash() const
{
    if (!Construction)
        return nullptr;
    return &Construction->Sash1() == this ? &Construction->Sash2() : &Construction->Sash1();
}

// ---- Stream ----------------------------------------------------------------------

void TkvfFlugel::SaveToStream(TSpecStream &s) const
{
    WriteInt(s, PointCount());
    for (const auto &p : m_points) {
        WriteInt(s, p->X);
        WriteInt(s, p->Y);
    }
    WriteInt(s, LineCount());
    for (const auto &line : m_lines)
        line->SaveToStream(s);
    WriteInt(s, Dorn);
    WriteBool(s, bool(m_composition));
    if (m_composition)
        m_composition->SaveToStream(s);
    WriteInt(s, qint32(m_matList.size()));
    for (const TkvfMatListItem &m : m_matList)
        m.SaveToStream(s);
}

void TkvfFlugel::LoadFromStream(TSpecStream &s, const QString &stamp)
{
    ClearOutline();
    m_composition.reset();
    m_matList.clear();

    const qint32 n = ReadCount(s, 2 * kRecordBytes);
    m_points.reserve(size_t(n));
    for (qint32 i = 0; i < n; ++i) {
        const qint32 x = ReadInt(s);
        const qint32 y = ReadInt(s);
        m_points.push_back(std::make_unique<TkvfPoint>(x, y, this));
    }
    const qint32 m = ReadCount(s, 12 * kRecordBytes);
    if (m != n)
        throw StreamReadError(
            QStringLiteral("Число сторон створки [%1] не совпадает с числом вершин [%2]!").arg(m).arg(n));
    m_lines.reserve(size_t(m));
    for (qint32 i = 0; i < m; ++i) {
        auto line = std::make_unique<TkvfLine>(this);
        line->LoadFromStream(s, stamp);
        if (line->RotSideIndex < -1 || line->RotSideIndex >= m)
            throw StreamReadError(
                QStringLiteral("Недопустимый номер стороны открывания [%1] у стороны %2 створки!")
                    .arg(line->RotSideIndex)
                    .arg(i + 1));
        m_lines.push_back(std::move(line));
    }
    LinkSides();
    Dorn = IsStampNotOlder(stamp, stamps::SashDorn) ? ReadInt(s) : 0;
    if (ReadBool(s)) {
        m_composition = std::make_unique<TkvfFurnComp>(this);
        m_composition->LoadFromStream(s, stamp);
    }
    const qint32 k = ReadCount(s, kMatListItemMinBytes);
    m_matList.resize(size_t(k));
    for (TkvfMatListItem &item : m_matList)
        item.LoadFromStream(s, stamp);
}

} // namespace kv
