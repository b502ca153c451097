#pragma once
// A sash: its closed outline of vertices and sides (straight or arcs, in 0.1 mm,
// running clockwise on the screen), the marks that its fittings put on the
// sides, its fittings composition and its material list.
#include "model/FurnComp.h"
#include "model/MatList.h"
#include "tools/Geometry.h"
#include "tools/SpecStream.h"

#include <QPoint>
#include <memory>
#include <vector>

class QPainter;

namespace kv {

class TkvfConstruction;
class TkvfFlugel;

// The figure a position is built from, with its sizes as the user enters them
// (mm) or, for BuildOutline, already in 0.1 mm.
struct TShapeRecord
{
    qint32 B = 0;
    qint32 H = 0;
    quint8 Kind = 0; // 0..7, see TkvfFlugel::BuildOutline
    qint32 X = 0;
    qint32 Y = 0;
    float R1 = 0;
    float R2 = 0;
};

class TkvfPoint
{
public:
    TkvfPoint() = default;
    TkvfPoint(qint32 x, qint32 y, TkvfFlugel *sash) : X(x), Y(y), Sash(sash) {}

    qint32 X = 0;
    qint32 Y = 0;
    TkvfFlugel *Sash = nullptr; // not owned

    IntPoint ToInt() const { return {X, Y}; }
    RealPoint ToReal() const { return {float(X), float(Y)}; }
};

// One side of an outline, running from StartPoint to EndPoint.
class TkvfLine
{
public:
    explicit TkvfLine(TkvfFlugel *sash = nullptr) : Sash(sash) {}

    float R1 = 0;      // 0 for a straight side
    float R2 = 0;      // = R1 for a circular arc
    float CentreX = 0; // arc centre; (0, 0) for a straight side
    float CentreY = 0;
    TkvfPoint *StartPoint = nullptr; // not owned
    TkvfPoint *EndPoint = nullptr;   // not owned
    bool HingeSide = false;
    qint32 RotSideIndex = -1; // side the opening mark points to; -1 none
    bool Handled = false;
    bool Banded = false;
    bool Drived = false;
    qint32 HandleHeight = 0; // mm
    QPoint HandleMark;       // 0.1 mm; (0, 0) none
    TkvfFlugel *Sash = nullptr; // not owned

    RealPoint Centre() const { return {CentreX, CentreY}; }
    // Distance between the end points in 0.1 mm; -1 when an end is missing.
    float ChordLength() const;
    double ChordLengthMM() const { return double(ChordLength()) / 10.0; }

    bool IsArc() const { return R1 != 0 && R1 == R2; }
    bool IsSemicircle() const { return IsArc() && double(ChordLength()) / 2.0 == double(R1); }
    bool IsSegmentArc() const { return IsArc() && double(ChordLength()) / 2.0 != double(R1); }
    bool IsEllipticArc() const { return R1 != 0 && R2 != 0 && R1 != R2; }
    // 1 vertical, 0 horizontal, 3 any other direction.
    int SideDirection() const;

    // Puts the handle heightMM from the start (handleDirect 0) or from the end
    // of the side; a side that is not Handled loses its handle instead.
    void SetHandle(qint32 heightMM, qint32 handleDirect);
    // No hinge, no opening mark, no handle, band or drive.
    void ClearMarks();

    void SaveToStream(TSpecStream &stream) const;
    void LoadFromStream(TSpecStream &stream, const QString &stamp);
};

class TkvfFlugel
{
public:
    explicit TkvfFlugel(TkvfConstruction *owner = nullptr);
    ~TkvfFlugel();
    TkvfFlugel(const TkvfFlugel &) = delete;
    TkvfFlugel &operator=(const TkvfFlugel &) = delete;

    TkvfConstruction *Construction = nullptr; // not owned
    qint32 Dorn = 0;                          // DornList ID; 0 none

    // Outline
    int PointCount() const { return int(m_points.size()); }
    int LineCount() const { return int(m_lines.size()); }
    TkvfPoint &Point(int i) { return *m_points.at(size_t(i)); }
    const TkvfPoint &Point(int i) const { return *m_points.at(size_t(i)); }
    TkvfLine &Line(int i) { return *m_lines.at(size_t(i)); }
    const TkvfLine &Line(int i) const { return *m_lines.at(size_t(i)); }
    // Replaces the outline by the figure of shape (0.1 mm), shifted right by xOffset.
    void BuildOutline(const TShapeRecord &shape, qint32 xOffset);
    void ClearOutline();

    // Composition
    TkvfFurnComp *Composition() { return m_composition.get(); }
    const TkvfFurnComp *Composition() const { return m_composition.get(); }
    void SetComposition(const QString &furnSys, const QString &profSys, const TSashChoice &choice,
                        const QString &furnColor);
    void SetCompositionMarks(const TSashChoice &choice);
    // Frees the composition and its side marks, then applies the partner rule.
    void ClearComposition();
    // Frees the composition and leaves the sides as they are.
    void DropComposition() { m_composition.reset(); }

    // Materials
    TkvfMatList &MatList() { return m_matList; }
    const TkvfMatList &MatList() const { return m_matList; }
    Money MatTotal() const;

    // Sizes
    struct Size { qint32 Width = 0; qint32 Height = 0; };
    struct Box { IntPoint Lo, Hi; };
    // Bounding box of the outline with its arcs, in 0.1 mm, its corners moved
    // outwards to whole units; all zero without points.
    Box BoundingBox() const;
    // Rebate width and height in mm.
    Size RebateSize() const;
    // Corner angle at the start vertex of side i, degrees; -1 for coinciding points.
    float CornerAngle(int i) const;
    // A length formula of the documentation with this sash's sizes and sides.
    double EvaluateFormula(const QString &text) const;

    int HandleSideIndex() const;
    int BandedSideIndex() const;
    qint32 HandleHeightOfSash() const;
    // The construction's other sash; nullptr without a construction.
    TkvfFlugel *OtherSash() const;

    // Draws the outline and the fittings marks; s is 0.1 mm per pixel.
    void Draw(QPainter &painter, double s) const;

    void SaveToStream(TSpecStream &stream) const;
    void LoadFromStream(TSpecStream &stream, const QString &stamp);

private:
    void LinkSides();

    std::vector<std::unique_ptr<TkvfPoint>> m_points;
    std::vector<std::unique_ptr<TkvfLine>> m_lines;
    std::unique_ptr<TkvfFurnComp> m_composition;
    TkvfMatList m_matList;
};

} // namespace kv
