// Drawing of sashes and positions over QPainter, so that screens, PDFs and
// printers share one picture.
#include "model/Construction.h"
#include "model/SizeGrid.h"
#include "tools/Drawing.h"

#include <QPainter>

namespace kv {

namespace {

IntPoint scaled(IntPoint p, double s)
{
    return ScaleDown(p, s);
}

RealPoint scaledReal(RealPoint p, double s)
{
    return {float(RoundHalfAway(double(p.X) / s)), float(RoundHalfAway(double(p.Y) / s))};
}

} // namespace

void TkvfFlugel::Draw(QPainter &painter, double s) const
{
    if (!(s > 0))
        return;
    for (const auto &line : m_lines) {
        if (!line->StartPoint || !line->EndPoint)
            continue;
        const double r = line->R1 != 0 ? std::abs(double(line->R1)) / s : 0.0;
        DrawSide(painter, scaled(line->StartPoint->ToInt(), s), scaled(line->EndPoint->ToInt(), s),
                 Qt::black, r, scaledReal(line->Centre(), s));
    }
    if (!m_composition)
        return;

    const int n = LineCount();
    const QPen oldPen = painter.pen();
    QPen thin = oldPen;
    thin.setWidth(1);
    for (const auto &line : m_lines) {
        if (!line->HingeSide || line->RotSideIndex < 0 || line->RotSideIndex >= n)
            continue;
        if (!line->StartPoint || !line->EndPoint)
            continue;
        const TkvfLine &rot = *m_lines[size_t(line->RotSideIndex)];
        if (!rot.StartPoint || !rot.EndPoint)
            continue;
        IntPoint apex;
        if (rot.R1 != 0) {
            // The middle of the arc: its start turned back by half the arc's angle.
            const double a = AngleAtVertex(rot.EndPoint->ToReal(), rot.Centre(), rot.StartPoint->ToReal());
            apex = kv::ToInt(RotateAround(rot.StartPoint->ToReal(), rot.Centre(), -a / 2.0));
        } else {
            apex = Midpoint(rot.StartPoint->ToInt(), rot.EndPoint->ToInt());
        }
        painter.setPen(thin);
        const QPoint pts[3] = {
            QPoint(scaled(line->StartPoint->ToInt(), s).X, scaled(line->StartPoint->ToInt(), s).Y),
            QPoint(scaled(apex, s).X, scaled(apex, s).Y),
            QPoint(scaled(line->EndPoint->ToInt(), s).X, scaled(line->EndPoint->ToInt(), s).Y)};
        painter.drawPolyline(pts, 3);
        painter.setPen(oldPen);
    }

    const qint32 image = m_composition->MainImage;
    if (image < 1 || image > 5)
        return;
    const Box box = BoundingBox();
    const IntPoint lo{box.Lo.X / 10 * 10, box.Lo.Y / 10 * 10};
    const IntPoint hi{box.Hi.X / 10 * 10, box.Hi.Y / 10 * 10};
    const IntPoint c{(lo.X + hi.X) / 2, (lo.Y + hi.Y) / 2};
    const IntPoint L{c.X - 650, c.Y};
    const IntPoint R{c.X + 650, c.Y};
    auto at = [s](IntPoint base, int dx, int dy) { return scaled({base.X + dx, base.Y + dy}, s); };
    const IntPoint l = scaled(L, s), r = scaled(R, s);
    DrawLine(painter, l, r);
    if (image == 1 || image == 3 || image == 4) {
        DrawLine(painter, l, at(L, 433, -162));
        DrawLine(painter, l, at(L, 433, 162));
    }
    if (image == 2 || image == 3 || image == 5) {
        DrawLine(painter, r, at(R, -433, -162));
        DrawLine(painter, r, at(R, -433, 162));
    }
    if (image == 4)
        DrawLine(painter, at(R, 0, 650), r);
    if (image == 5)
        DrawLine(painter, at(L, 0, 650), l);
}

void TkvfConstruction::Draw(QPainter &painter, int left, int top, int right, int bottom,
                            double zoom, const SizeOptions &options) const
{
    TkvfSizeGrid grid(painter);
    grid.Build(*this, options);
    const int aw = right - left - grid.GridWidth() - 20;
    const int ah = bottom - top - grid.GridHeight() - 20;
    const TkvfFlugel::Size size = RebateSize();
    // Nothing sensible fits into no room, and an outline without size has no scale.
    if (aw <= 0 || ah <= 0 || size.Width <= 0 || size.Height <= 0)
        return;
    const double W = size.Width, H = size.Height;
    double k = W / H >= double(aw) / double(ah) ? W / aw : H / ah;
    if (zoom != 0)
        k *= zoom;
    if (!(k > 0))
        return;
    const int dx = int((aw - roundTiesEven(W / k)) / 2) + 10;
    const int dy = int((ah - roundTiesEven(H / k)) / 2) + 10;

    painter.save();
    painter.translate(left + dx, top + dy);
    QPen pen = painter.pen();
    pen.setWidth(3);
    painter.setPen(pen);
    m_sash1->Draw(painter, k * 10.0);
    if (Arrangement != SingleSash)
        m_sash2->Draw(painter, k * 10.0);
    grid.Draw(k);
    painter.restore();
}

} // namespace kv
