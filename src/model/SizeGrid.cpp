#include "SizeGrid.h"

#include "model/Construction.h"
#include "tools/Drawing.h"
#include "tools/Geometry.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace kv {

void TkvfSizePointList::Add(TkvfSizePoint p)
{
    if (!Contains(p))
        m_points.push_back(p);
}

bool TkvfSizePointList::Contains(TkvfSizePoint p) const
{
    return std::find(m_points.begin(), m_points.end(), p) != m_points.end();
}

void TkvfSizePointList::SortByX()
{
    std::sort(m_points.begin(), m_points.end(),
              [](const TkvfSizePoint &a, const TkvfSizePoint &b) { return a.X < b.X; });
}

void TkvfSizePointList::SortByY()
{
    std::sort(m_points.begin(), m_points.end(),
              [](const TkvfSizePoint &a, const TkvfSizePoint &b) { return a.Y < b.Y; });
}

void TkvfSizing::Insert(int i, std::unique_ptr<TkvfSizePointList> chain)
{
    m_chains.insert(m_chains.begin() + i, std::move(chain));
}

TkvfSizeGrid::TkvfSizeGrid(QPainter &canvas)
    : RowHeight(QFontMetrics(canvas.font(), canvas.device()).height() + 2)
    , m_canvas(&canvas)
{
}

void TkvfSizeGrid::AddChain(TkvfSizingRows &rows, std::unique_ptr<TkvfSizePointList> chain,
                            bool horizontal)
{
    if (!chain || chain->Count() == 0)
        return;
    for (const auto &row : rows)
        for (int i = 0; i < row->Count(); ++i)
            if (row->Chain(i).Equals(*chain))
                return;
    auto key = [horizontal](const TkvfSizePoint &p) { return horizontal ? p.X : p.Y; };
    const qint32 first = key(chain->First());
    const qint32 last = key(chain->Last());
    for (const auto &row : rows) {
        const int n = row->Count();
        if (n == 0)
            continue;
        if (key(row->Chain(0).First()) >= last) {
            row->Insert(0, std::move(chain));
            return;
        }
        for (int k = 1; k < n; ++k) {
            if (first >= key(row->Chain(k - 1).Last()) && key(row->Chain(k).First()) >= last) {
                row->Insert(k, std::move(chain));
                return;
            }
        }
        if (first >= key(row->Chain(n - 1).Last())) {
            row->Append(std::move(chain));
            return;
        }
    }
    auto row = std::make_unique<TkvfSizing>(horizontal ? 0.0 : 90.0);
    row->Append(std::move(chain));
    rows.push_back(std::move(row));
}

namespace {

std::unique_ptr<TkvfSizePointList> horizontalChain(std::initializer_list<qint32> xs)
{
    auto chain = std::make_unique<TkvfSizePointList>();
    for (qint32 x : xs)
        chain->Add({x, 0});
    chain->SortByX();
    return chain;
}

std::unique_ptr<TkvfSizePointList> verticalChain(std::initializer_list<qint32> ys)
{
    auto chain = std::make_unique<TkvfSizePointList>();
    for (qint32 y : ys)
        chain->Add({0, y});
    chain->SortByY();
    return chain;
}

} // namespace

void TkvfSizeGrid::AddSashChains(const TkvfFlugel &sash, const SizeOptions &options)
{
    const TkvfFlugel::Box box = sash.BoundingBox();
    const IntPoint lo{box.Lo.X / 10, box.Lo.Y / 10};
    const IntPoint hi{box.Hi.X / 10, box.Hi.Y / 10};
    const bool sides = options.Contains(1) || options.Contains(2);
    const bool offBox = options.Contains(2);
    for (int i = 0; i < sash.LineCount(); ++i) {
        const TkvfLine &line = sash.Line(i);
        if (!line.StartPoint || !line.EndPoint)
            continue;
        const IntPoint s{line.StartPoint->X / 10, line.StartPoint->Y / 10};
        const IntPoint e{line.EndPoint->X / 10, line.EndPoint->Y / 10};
        const int direction = line.SideDirection();
        if (direction != 1) {
            const bool fs = offBox && (s.X == lo.X || s.X == hi.X);
            const bool fe = offBox && (e.X == lo.X || e.X == hi.X);
            if (!(fs && fe) && sides) {
                auto chain = std::make_unique<TkvfSizePointList>();
                chain->Add({lo.X, 0});
                if (!fs)
                    chain->Add({s.X, 0});
                if (!fe)
                    chain->Add({e.X, 0});
                chain->Add({hi.X, 0});
                chain->SortByX();
                AddChain(HorzRows, std::move(chain), true);
            }
        }
        if (direction != 0) {
            const bool fs = offBox && (s.Y == lo.Y || s.Y == hi.Y);
            const bool fe = offBox && (e.Y == lo.Y || e.Y == hi.Y);
            if (!(fs && fe) && sides) {
                auto chain = std::make_unique<TkvfSizePointList>();
                chain->Add({0, lo.Y});
                if (!fs)
                    chain->Add({0, s.Y});
                if (!fe)
                    chain->Add({0, e.Y});
                chain->Add({0, hi.Y});
                chain->SortByY();
                AddChain(VertRows, std::move(chain), false);
            }
        }
    }
    AddChain(HorzRows, horizontalChain({lo.X, hi.X}), true);
    AddChain(VertRows, verticalChain({lo.Y, hi.Y}), false);
}

void TkvfSizeGrid::Build(const TkvfConstruction &c, const SizeOptions &options)
{
    if (!options.Contains(0) && !options.Contains(1) && !options.Contains(2))
        return;
    const TkvfFlugel::Size size = c.RebateSize();
    Origin = {0, 0};
    Extent = {size.Width, size.Height};
    AddSashChains(c.Sash1(), options);
    AddSashChains(c.Sash2(), options);
    if (options.Contains(0)) {
        AddChain(HorzRows, horizontalChain({0, size.Width}), true);
        AddChain(VertRows, verticalChain({0, size.Height}), false);
    }
}

void TkvfSizeGrid::Build(const TkvfFlugel &sash, const SizeOptions &options)
{
    if (!options.Contains(0) && !options.Contains(1) && !options.Contains(2))
        return;
    const TkvfFlugel::Size size = sash.RebateSize();
    Origin = {0, 0};
    Extent = {size.Width, size.Height};
    AddSashChains(sash, options);
}

QString SizeLabel(double d)
{
    if (d != std::trunc(d))
        return QString::number(d, 'f', 1);
    return QString::number(d, 'f', 0);
}

void TkvfSizeGrid::Draw(double scale) const
{
    if (!m_canvas || !(scale > 0))
        return;
    QPainter &p = *m_canvas;
    const QBrush oldBrush = p.brush();
    p.setBrush(Qt::NoBrush);
    const int bottom = RoundHalfAway(double(Extent.Y) / scale);
    for (size_t i = 0; i < HorzRows.size(); ++i) {
        const TkvfSizing &row = *HorzRows[i];
        const int baseY = bottom + int(i + 1) * RowHeight;
        for (int c = 0; c < row.Count(); ++c) {
            const TkvfSizePointList &chain = row.Chain(c);
            for (int k = 1; k < chain.Count(); ++k)
                DrawDimension(chain, chain.Point(k - 1), chain.Point(k), 0, baseY, 0.0, scale);
        }
    }
    const int right = RoundHalfAway(double(Extent.X) / scale);
    for (size_t i = 0; i < VertRows.size(); ++i) {
        const TkvfSizing &row = *VertRows[i];
        const int baseX = right + int(i + 1) * RowHeight;
        for (int c = 0; c < row.Count(); ++c) {
            const TkvfSizePointList &chain = row.Chain(c);
            for (int k = 1; k < chain.Count(); ++k)
                DrawDimension(chain, chain.Point(k - 1), chain.Point(k), baseX, 0, 90.0, scale);
        }
    }
    p.setBrush(oldBrush);
}

void TkvfSizeGrid::DrawDimension(const TkvfSizePointList &chain, const TkvfSizePoint &pm,
                                 const TkvfSizePoint &qm, int baseX, int baseY, double angle,
                                 double scale) const
{
    QPainter &painter = *m_canvas;
    const QPen oldPen = painter.pen();
    QPen pen = oldPen;
    pen.setWidth(1);
    painter.setPen(pen);

    const IntPoint P{pm.X, pm.Y}, Q{qm.X, qm.Y};
    const QString label = chain.Label.isEmpty() ? SizeLabel(Distance(P, Q)) : chain.Label;
    const IntPoint base{baseX, baseY};
    const IntPoint p1 = Add(ScaleDown(P, scale), base);
    const IntPoint q1 = Add(ScaleDown(Q, scale), base);
    const int t = RowHeight;
    const int e = t / 5;
    const int g = RoundHalfAway(t / 1.8);
    auto turned = [angle](IntPoint centre, int dx, int dy) {
        return kv::ToInt(RotateAround(ToReal(IntPoint{centre.X + dx, centre.Y + dy}),
                                      ToReal(centre), angle));
    };
    DrawLine(painter, p1, q1);
    DrawLine(painter, turned(p1, 0, -t), turned(p1, 0, 1));
    DrawLine(painter, turned(q1, 0, -t), turned(q1, 0, 1));
    DrawLine(painter, p1, turned(p1, g, -e));
    DrawLine(painter, p1, turned(p1, g, e));
    DrawLine(painter, q1, turned(q1, -g, -e));
    DrawLine(painter, q1, turned(q1, -g, e));
    DrawRotatedText(painter, Midpoint(p1, q1), label, -1, TextAlignCenter | TextAlignBottom, angle);

    painter.setPen(oldPen);
}

} // namespace kv
