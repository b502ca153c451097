#pragma once
// Dimension chains drawn below and to the right of a position: overall sizes,
// sash sizes and the breakpoints of sloped and arched sides, in millimetres,
// arranged in rows so that the chains of one row do not overlap.
#include <QString>
#include <initializer_list>
#include <memory>
#include <vector>

class QPainter;

namespace kv {

class TkvfConstruction;
class TkvfFlugel;

// Which chains to build: 0 overall sizes, 1 side sizes, 2 side sizes without
// the points on the sash's bounding box.
class SizeOptions
{
public:
    SizeOptions() = default;
    SizeOptions(std::initializer_list<int> values)
    {
        for (int v : values)
            if (v >= 0 && v < 8)
                m_bits |= quint8(1u << v);
    }
    bool Contains(int v) const { return v >= 0 && v < 8 && (m_bits >> v) & 1u; }
    bool IsEmpty() const { return m_bits == 0; }
    static SizeOptions Full() { return {0, 1, 2}; }

private:
    quint8 m_bits = 0;
};

struct TkvfSizePoint
{
    qint32 X = 0;
    qint32 Y = 0;
    bool operator==(const TkvfSizePoint &) const = default;
};

// One chain: its points, and a label that replaces the printed distance.
class TkvfSizePointList
{
public:
    QString Label;

    // Appends p unless the chain already holds an equal point.
    void Add(TkvfSizePoint p);
    void SortByX();
    void SortByY();
    int Count() const { return int(m_points.size()); }
    const TkvfSizePoint &Point(int i) const { return m_points.at(size_t(i)); }
    const TkvfSizePoint &First() const { return m_points.front(); }
    const TkvfSizePoint &Last() const { return m_points.back(); }
    bool Equals(const TkvfSizePointList &other) const { return m_points == other.m_points; }
    bool Contains(TkvfSizePoint p) const;

private:
    std::vector<TkvfSizePoint> m_points;
};

// One row of chains, left to right or top to bottom.
class TkvfSizing
{
public:
    explicit TkvfSizing(double angle) : Angle(angle) {}
    double Angle = 0; // label angle: 0 horizontal rows, 90 vertical rows

    int Count() const { return int(m_chains.size()); }
    const TkvfSizePointList &Chain(int i) const { return *m_chains.at(size_t(i)); }
    void Insert(int i, std::unique_ptr<TkvfSizePointList> chain);
    void Append(std::unique_ptr<TkvfSizePointList> chain) { m_chains.push_back(std::move(chain)); }

private:
    std::vector<std::unique_ptr<TkvfSizePointList>> m_chains;
};

using TkvfSizingRows = std::vector<std::unique_ptr<TkvfSizing>>;

class TkvfSizeGrid
{
public:
    // RowHeight is the canvas's text height of "0" plus 2.
    explicit TkvfSizeGrid(QPainter &canvas);
    // A grid that only measures, with a given row height.
    explicit TkvfSizeGrid(int rowHeight) : RowHeight(rowHeight) {}

    int RowHeight = 0;
    TkvfSizePoint Origin;
    TkvfSizePoint Extent; // mm

    void Build(const TkvfConstruction &construction, const SizeOptions &options);
    void Build(const TkvfFlugel &sash, const SizeOptions &options);
    int GridHeight() const { return int(HorzRows.size()) * RowHeight; }
    int GridWidth() const { return int(VertRows.size()) * RowHeight; }
    // Draws the rows below and to the right of the drawing; scale in mm per pixel.
    void Draw(double scale) const;

    // Places chain in the first row where it fits, else in a new row; a chain
    // equal to one already placed is dropped.
    static void AddChain(TkvfSizingRows &rows, std::unique_ptr<TkvfSizePointList> chain,
                         bool horizontal);

    TkvfSizingRows HorzRows;
    TkvfSizingRows VertRows;

private:
    void AddSashChains(const TkvfFlugel &sash, const SizeOptions &options);
    void DrawDimension(const TkvfSizePointList &chain, const TkvfSizePoint &p,
                       const TkvfSizePoint &q, int baseX, int baseY, double angle,
                       double scale) const;

    QPainter *m_canvas = nullptr; // not owned
};

// A dimension's label: one decimal when the distance has a fraction, else none.
QString SizeLabel(double distance);

} // namespace kv
