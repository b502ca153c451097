// Outlines built from the eight figures, their sizes, angles, side kinds,
// handle placement and length formulas.
#include "model/Construction.h"

#include <gtest/gtest.h>

using namespace kv;

namespace {

struct Pt { qint32 x, y; };

std::vector<Pt> pointsOf(const TkvfFlugel &s)
{
    std::vector<Pt> r;
    for (int i = 0; i < s.PointCount(); ++i)
        r.push_back({s.Point(i).X, s.Point(i).Y});
    return r;
}

bool operator==(const Pt &a, const Pt &b) { return a.x == b.x && a.y == b.y; }
void PrintTo(const Pt &p, std::ostream *os) { *os << "(" << p.x << ", " << p.y << ")"; }

TShapeRecord shape(quint8 kind, qint32 b, qint32 h, qint32 x = 0, qint32 y = 0, float r = 0)
{
    TShapeRecord s;
    s.Kind = kind;
    s.B = b;
    s.H = h;
    s.X = x;
    s.Y = y;
    s.R1 = s.R2 = r;
    return s;
}

} // namespace

TEST(Outline, FiguresGiveTheirPointsSizesAndSides)
{
    struct Case {
        const char *name;
        TShapeRecord shape;
        std::vector<Pt> points;
        qint32 width, height;
    };
    const Case cases[] = {
        {"rectangle", shape(0, 1000, 1400), {{0, 14000}, {0, 0}, {10000, 0}, {10000, 14000}}, 1000, 1400},
        {"trapezoid, left side of height X", shape(3, 1000, 1400, 800),
         {{0, 14000}, {0, 6000}, {10000, 0}, {10000, 14000}}, 1000, 1400},
        {"trapezoid, right side of height X", shape(4, 1000, 1400, 800),
         {{0, 14000}, {0, 0}, {10000, 6000}, {10000, 14000}}, 1000, 1400},
        {"triangle, vertical right side", shape(5, 900, 600), {{0, 6000}, {9000, 0}, {9000, 6000}}, 900, 600},
        {"triangle, vertical left side", shape(6, 900, 600), {{0, 6000}, {0, 0}, {9000, 6000}}, 900, 600},
        {"semicircular arch", shape(7, 1000, 1400, 500, 0, 500),
         {{0, 14000}, {0, 5000}, {10000, 5000}, {10000, 14000}}, 1000, 1400},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TkvfConstruction pos;
        pos.SetShape(c.shape, 7);
        const TkvfFlugel &s = pos.Sash1();
        EXPECT_EQ(pointsOf(s), c.points);
        ASSERT_EQ(s.LineCount(), s.PointCount());
        for (int i = 0; i < s.LineCount(); ++i) {
            EXPECT_EQ(s.Line(i).StartPoint, &s.Point(i));
            EXPECT_EQ(s.Line(i).EndPoint, &s.Point((i + 1) % s.PointCount()));
            EXPECT_EQ(s.Line(i).Sash, &s);
            EXPECT_EQ(s.Line(i).RotSideIndex, -1);
        }
        EXPECT_EQ(s.RebateSize().Width, c.width);
        EXPECT_EQ(s.RebateSize().Height, c.height);
        EXPECT_EQ(pos.RebateSize().Width, c.width);
        EXPECT_EQ(s.Dorn, 7);
        EXPECT_EQ(pos.Sash2().PointCount(), 0);
    }
}

TEST(Outline, TwoSashPositionSplitsAtXAndIgnoresB)
{
    for (quint8 arrangement : {TkvfConstruction::LeftMain, TkvfConstruction::RightMain}) {
        TkvfConstruction pos;
        pos.Arrangement = arrangement;
        pos.SetShape(shape(arrangement == 0 ? 2 : 1, 999, 1400, 600, 400, 0), 3);
        EXPECT_EQ(pointsOf(pos.Sash1()),
                  (std::vector<Pt>{{0, 14000}, {0, 0}, {6000, 0}, {6000, 14000}}));
        EXPECT_EQ(pointsOf(pos.Sash2()),
                  (std::vector<Pt>{{6000, 14000}, {6000, 0}, {10000, 0}, {10000, 14000}}));
        EXPECT_EQ(pos.Sash1().RebateSize().Width, 600);
        EXPECT_EQ(pos.Sash2().RebateSize().Width, 400);
        EXPECT_EQ(pos.RebateSize().Width, 1000);
        EXPECT_EQ(pos.RebateSize().Height, 1400);
        EXPECT_EQ(pos.Sash1().Dorn, 3);
        EXPECT_EQ(pos.Sash2().Dorn, 3);
    }
}

TEST(Outline, ArcCentresAndArcExtremesInTheRebateSize)
{
    // A semicircle over the full width: its top lies on the arc, so the
    // height is the full H.
    TkvfConstruction arch;
    arch.SetShape(shape(7, 1000, 1400, 500, 0, 500), 0);
    const TkvfLine &top = arch.Sash1().Line(1);
    EXPECT_FLOAT_EQ(top.R1, 5000);
    EXPECT_FLOAT_EQ(top.CentreX, 5000);
    EXPECT_FLOAT_EQ(top.CentreY, 5000);
    EXPECT_TRUE(top.IsSemicircle());
    for (int i : {0, 2, 3})
        EXPECT_EQ(arch.Sash1().Line(i).R1, 0) << i;
    EXPECT_EQ(arch.Sash1().RebateSize().Height, 1400);

    // A flatter arc (R 800 over 1000) springing at 300: the centre lies
    // below the chord and the top of the arc at 300 - 175.5 mm; the box
    // corner is moved outwards to whole units before it is measured.
    TkvfConstruction segment;
    segment.SetShape(shape(7, 1000, 1400, 300, 0, 800), 0);
    const TkvfLine &arc = segment.Sash1().Line(1);
    EXPECT_TRUE(arc.IsSegmentArc());
    EXPECT_NEAR(arc.CentreY, 9244.998, 0.001);
    EXPECT_EQ(segment.Sash1().BoundingBox().Lo.Y, 1243);
    EXPECT_EQ(segment.Sash1().BoundingBox().Hi.Y, 14000);
    EXPECT_EQ(segment.Sash1().RebateSize().Height, 1276);
    EXPECT_EQ(segment.Sash1().RebateSize().Width, 1000);

    // The arc of a rectangle's top side bulges outwards, above y = 0.
    TkvfConstruction rounded;
    rounded.SetShape(shape(0, 1000, 1400, 0, 0, 500), 0);
    EXPECT_EQ(rounded.Sash1().RebateSize().Height, 1900);
}

TEST(Outline, CornerAngles)
{
    struct Case { const char *name; TShapeRecord shape; int corner; double angle; };
    const Case cases[] = {
        {"rectangle", shape(0, 1000, 1400), 0, 90},
        {"rectangle", shape(0, 1000, 1400), 2, 90},
        {"trapezoid kind 3, upper left", shape(3, 1000, 1400, 800), 1, 120.963756},
        {"trapezoid kind 3, upper right", shape(3, 1000, 1400, 800), 2, 59.036243},
        {"triangle kind 5, right angle", shape(5, 900, 600), 2, 90},
        {"triangle kind 5, top", shape(5, 900, 600), 1, 56.309932},
        {"triangle kind 6, right angle", shape(6, 900, 600), 0, 90},
        {"arch, side meets the arc tangentially", shape(7, 1000, 1400, 500, 0, 500), 1, 180},
        {"arch, arc meets the side tangentially", shape(7, 1000, 1400, 500, 0, 500), 2, 180},
        {"arch, bottom corner", shape(7, 1000, 1400, 500, 0, 500), 0, 90},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TkvfConstruction pos;
        pos.SetShape(c.shape, 0);
        EXPECT_NEAR(pos.Sash1().CornerAngle(c.corner), c.angle, 1e-4);
    }
    TkvfConstruction pos;
    pos.SetShape(shape(5, 900, 600), 0);
    EXPECT_EQ(pos.Sash1().LineCount(), 3);
    EXPECT_EQ(pos.Sash1().CornerAngle(3), -1);
    EXPECT_EQ(pos.Sash1().CornerAngle(-1), -1);
}

TEST(Outline, SideKindsAreExactComparisons)
{
    TkvfFlugel sash;
    TShapeRecord r = shape(0, 10000, 14000);
    sash.BuildOutline(r, 0);
    TkvfLine &top = sash.Line(1); // chord 10000
    struct Case { const char *name; float r1, r2; bool arc, semi, segment, elliptic; };
    const Case cases[] = {
        {"straight", 0, 0, false, false, false, false},
        {"semicircle", 5000, 5000, true, true, false, false},
        {"segment arc", 8000, 8000, true, false, true, false},
        {"half a unit off a semicircle", 5000.5f, 5000.5f, true, false, true, false},
        {"elliptic", 5000, 6000, false, false, false, true},
        {"second radius only", 0, 5000, false, false, false, false},
        {"first radius only", 5000, 0, false, false, false, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        top.R1 = c.r1;
        top.R2 = c.r2;
        EXPECT_EQ(top.IsArc(), c.arc);
        EXPECT_EQ(top.IsSemicircle(), c.semi);
        EXPECT_EQ(top.IsSegmentArc(), c.segment);
        EXPECT_EQ(top.IsEllipticArc(), c.elliptic);
    }
    TkvfLine loose;
    EXPECT_EQ(loose.ChordLength(), -1);
}

TEST(Outline, SideDirections)
{
    TkvfConstruction pos;
    pos.SetShape(shape(3, 1000, 1400, 800), 0);
    const int expected[] = {1, 3, 1, 0};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(pos.Sash1().Line(i).SideDirection(), expected[i]) << i;
}

TEST(Outline, HandleMarkLiesInsideTheSash)
{
    TkvfConstruction pos;
    pos.SetShape(shape(0, 1000, 1400), 0);
    TkvfFlugel &s = pos.Sash1();
    struct Case { int side; qint32 height; qint32 direct; QPoint mark; };
    const Case cases[] = {
        {0, 700, 0, {5, 7000}},      // up the left side from the bottom
        {0, 300, 1, {5, 3000}},      // down the left side from the top
        {2, 700, 0, {9995, 7000}},   // down the right side from the top
        {2, 250, 1, {9995, 11500}},  // up the right side from the bottom
        {1, 400, 0, {4000, 5}},      // along the top from the left
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.side);
        TkvfLine &line = s.Line(c.side);
        line.Handled = true;
        line.SetHandle(c.height, c.direct);
        EXPECT_EQ(line.HandleHeight, c.height);
        EXPECT_EQ(line.HandleMark, c.mark);
    }
    TkvfLine &left = s.Line(0);
    left.Handled = false;
    left.SetHandle(700, 0);
    EXPECT_EQ(left.HandleHeight, 0);
    EXPECT_EQ(left.HandleMark, QPoint(0, 0));
}

TEST(Outline, LengthFormulas)
{
    TkvfConstruction pos;
    pos.Arrangement = TkvfConstruction::LeftMain;
    pos.SetShape(shape(2, 0, 1400, 1000, 500), 0);
    TkvfFlugel &s = pos.Sash1();
    s.Line(0).Handled = true;
    s.Line(0).SetHandle(700, 0);
    pos.Sash2().Line(2).Handled = true;
    pos.Sash2().Line(2).SetHandle(650, 0);

    struct Case { const char *formula; double value; };
    const Case cases[] = {
        {"FFB - 10", 990},
        {"FFH - 10", -10},                  // Latin H: an unknown name
        {"FF\u041D - 10", 1390},            // Cyrillic En: the height
        {"F\u041D + FB", 2400},
        {"FRH", 1400},
        {"FRB", 1000},
        {"ffb", 0},                         // names keep their case
        {"FH", 0},
        {"(FFB + FRH) / 2", 1200},
        {"FFL(2)", 1000},
        {"FL(1) - 5", 1395},
        {"fl(1)", 1400},                    // function names ignore case
        {"FFL(0)", 0},
        {"FFL(5)", 0},
        {"FFL(2.0)", 1000},
        {"FFG(1)", 700},
        {"FG(2)", 0},
        {"FFGA(3)", 650},                   // the other sash's side 3
        {"fga(1)", 0},
        {"UNKNOWN(1) + 3", 3},
        {"FFL() + 1", 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.formula);
        EXPECT_DOUBLE_EQ(s.EvaluateFormula(QString::fromUtf8(c.formula)), c.value);
    }
    EXPECT_THROW(s.EvaluateFormula(QStringLiteral("FFB -")), Error);

    TkvfFlugel lone; // no construction, no other sash
    lone.BuildOutline(shape(0, 10000, 14000), 0);
    EXPECT_DOUBLE_EQ(lone.EvaluateFormula(QStringLiteral("FFGA(1) + FFB")), 1000);
}
