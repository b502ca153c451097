#include "tools/Geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

using namespace kv;

namespace {

constexpr std::int32_t IntMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t IntMin = std::numeric_limits<std::int32_t>::min();

RealPoint rp(double x, double y) { return {float(x), float(y)}; }

} // namespace

// ---- Rounding ----------------------------------------------------------------

TEST(Rounding, RoundHalfAwayFromZero)
{
    struct Case { double in; std::int32_t out; };
    const Case cases[] = {
        {2.5, 3}, {-2.5, -3}, {1.4999, 1}, {-1.4999, -1}, {0.0, 0}, {-0.5, -1},
        {0.49999999999999994, 0}, // the largest double below 0.5 must not reach 1
        {3e9, IntMax}, {-3e9, IntMin}, {std::nan(""), 0},
    };
    for (const Case &c : cases)
        EXPECT_EQ(RoundHalfAway(c.in), c.out) << c.in;
}

TEST(Rounding, RoundToDecimals)
{
    struct Case { int n; double in; double out; };
    const Case cases[] = {
        {4, 1.23456, 1.2346}, {4, -1.23456, -1.2346}, {0, 2.5, 3.0}, {0, -2.5, -3.0},
        {-2, 1250.0, 1300.0}, {-2, -1249.0, -1200.0}, {4, 0.0, 0.0},
        {8, 1755.0020016012793, 1755.0020016},
    };
    for (const Case &c : cases)
        EXPECT_NEAR(RoundTo(c.n, c.in), c.out, 1e-10)
            << c.n << " " << c.in;
}

TEST(Rounding, Round4AndRound1KeepIntegerPartAndRoundFractionAwayFromZero)
{
    // 1/32 fractions are exact in binary, so the halves really are halves.
    EXPECT_DOUBLE_EQ(Round4(2.03125), 2.0313);
    EXPECT_DOUBLE_EQ(Round4(-2.03125), -2.0313);
    EXPECT_DOUBLE_EQ(Round4(-1.23456), -1.2346);
    EXPECT_DOUBLE_EQ(Round4(-0.00005), -0.0001);
    EXPECT_DOUBLE_EQ(Round4(123456.789012), 123456.789);
    EXPECT_DOUBLE_EQ(Round4(0.0), 0.0);
    EXPECT_DOUBLE_EQ(Round4(-7.0), -7.0);
    EXPECT_DOUBLE_EQ(Round1(2.25), 2.3);
    EXPECT_DOUBLE_EQ(Round1(-2.25), -2.3);
    EXPECT_DOUBLE_EQ(Round1(-2.24), -2.2);
    EXPECT_TRUE(std::isinf(Round4(std::numeric_limits<double>::infinity())));
}

TEST(Rounding, TolerantBounds)
{
    struct Case { double in; std::int32_t lower; std::int32_t upper; };
    const Case cases[] = {
        {2.0, 2, 2}, {2.5, 1, 3}, {-2.5, -3, -1}, {1.99999, 2, 2}, {-1.99999, -2, -2},
        {2.00004, 2, 2}, {2.0002, 1, 3}, {0.0, 0, 0}, {0.3, 0, 1}, {-0.3, -1, 0},
        {11244.998, 11243, 11245},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(LowerTol(c.in), c.lower) << c.in;
        EXPECT_EQ(UpperTol(c.in), c.upper) << c.in;
    }
}

TEST(Rounding, ToleranceComparisonsNeedAHundredth)
{
    EXPECT_TRUE(LessTol(0.99, 1.0));
    EXPECT_FALSE(LessTol(0.995, 1.0));
    EXPECT_FALSE(LessTol(1.0, 1.0));
    EXPECT_FALSE(LessTol(1.0, 0.5));
    EXPECT_TRUE(GreaterTol(1.01, 1.0));
    EXPECT_FALSE(GreaterTol(1.005, 1.0));
    EXPECT_FALSE(GreaterTol(0.5, 1.0));
}

TEST(Rounding, TenthsAndMillimetres)
{
    EXPECT_EQ(RoundDiv10(15), 2);
    EXPECT_EQ(RoundDiv10(-15), -2);
    EXPECT_EQ(RoundDiv10(14), 1);
    EXPECT_EQ(RoundTimes10(0.25), 3);
    EXPECT_EQ(RoundTimes10(-0.25), -3);
    EXPECT_DOUBLE_EQ(Times10(1.5), 15.0);
    EXPECT_DOUBLE_EQ(Div10(15.0), 1.5);
    EXPECT_EQ(Times10(IntPoint{3, -4}), (IntPoint{30, -40}));
    EXPECT_EQ(Times10(IntPoint{IntMax, 0}), (IntPoint{IntMax, 0}));
}

// ---- Points ------------------------------------------------------------------

TEST(Points, ConversionsAndArithmetic)
{
    EXPECT_EQ(ToInt(rp(2.5, -2.5)), (IntPoint{3, -3}));
    EXPECT_EQ(ToReal(IntPoint{-7, 12}), rp(-7, 12));
    EXPECT_EQ(Round4Point(rp(1.00004, -2.03125)), rp(1.0, -2.0313));

    // Integer midpoints round half away from zero on each side.
    EXPECT_EQ(Midpoint(IntPoint{0, 0}, IntPoint{1, -1}), (IntPoint{1, -1}));
    EXPECT_EQ(Midpoint(IntPoint{IntMax, 0}, IntPoint{IntMax, 2}), (IntPoint{IntMax, 1}));
    EXPECT_EQ(Midpoint(rp(0, 0), rp(1, -1)), rp(0.5, -0.5));

    EXPECT_DOUBLE_EQ(Distance(IntPoint{0, 0}, IntPoint{3, -4}), 5.0);
    EXPECT_DOUBLE_EQ(Distance(rp(1, 1), rp(4, 5)), 5.0);
    EXPECT_DOUBLE_EQ(Distance(IntPoint{IntMin, 0}, IntPoint{IntMax, 0}), 4294967295.0);

    EXPECT_TRUE(PointsEqual(IntPoint{1, 2}, IntPoint{1, 2}));
    EXPECT_FALSE(PointsEqual(IntPoint{1, 2}, IntPoint{2, 1}));
    EXPECT_FALSE(PointsEqual(rp(1, 2), rp(1, 2.5)));

    EXPECT_EQ(Add(IntPoint{1, -2}, IntPoint{10, 20}), (IntPoint{11, 18}));
    EXPECT_EQ(Add(IntPoint{IntMax, IntMin}, IntPoint{1, -1}), (IntPoint{IntMax, IntMin}));
    EXPECT_EQ(Add(rp(0.5, 1), IntPoint{1, 1}), rp(1.5, 2));
    EXPECT_EQ(Add(IntPoint{1, 1}, rp(0.5, 1)), rp(1.5, 2));

    EXPECT_EQ(ScaleDown(IntPoint{15, -15}, 10), (IntPoint{2, -2}));
    EXPECT_EQ(ScaleDown(IntPoint{14, 25}, 10), (IntPoint{1, 3}));
    EXPECT_EQ(ScaleDown(rp(12.5, -12.5), 10), rp(1.3, -1.3));
    EXPECT_EQ(ScaleDown(IntPoint{5, 6}, 0), (IntPoint{5, 6}));
}

// ---- Directions and angles ---------------------------------------------------

TEST(Angles, DirectionInEveryOctant)
{
    struct Case { double dx, dy, deg; };
    const Case cases[] = {
        {0, 0, 0},      {10, 0, 0},      {10, -10, 45},   {0, -10, 90},   {-10, -10, 135},
        {-5, 0, 180},   {-10, 10, 225},  {0, 10, 270},    {10, 10, 315},
        {3, -4, 53.13010235415598}, {-3, -4, 126.86989764584402},
        {-3, 4, 233.13010235415598}, {3, 4, 306.86989764584402},
    };
    for (const Case &c : cases) {
        const RealPoint p = rp(100, 200);
        EXPECT_NEAR(Direction(p, rp(100 + c.dx, 200 + c.dy)), c.deg, 1e-9) << c.dx << "," << c.dy;
    }
    // A slope too small to show still stays below a full turn.
    const double tiny = Direction(rp(0, 0), rp(1e30, 1e-10));
    EXPECT_GE(tiny, 0.0);
    EXPECT_LT(tiny, 360.0);
}

TEST(Angles, OctantAndAngleClass)
{
    struct OctCase { double dx, dy; int octant; };
    const OctCase octs[] = {
        {5, -5, 1}, {5, 0, 2}, {5, 5, 3}, {0, 5, 4}, {-5, 5, 5},
        {-5, 0, 6}, {-5, -5, 7}, {0, -5, 8}, {0, 0, 0},
    };
    for (const OctCase &c : octs)
        EXPECT_EQ(Octant(rp(10, 10), rp(10 + c.dx, 10 + c.dy)), c.octant) << c.dx << "," << c.dy;

    struct ClassCase { double a; int cls; };
    const ClassCase classes[] = {
        {45, 1}, {0, 2}, {360, 2}, {300, 3}, {270, 4}, {200, 5},
        {180, 6}, {100, 7}, {90, 8}, {-10, 0}, {400, 0},
    };
    for (const ClassCase &c : classes)
        EXPECT_EQ(AngleClass(c.a), c.cls) << c.a;
}

TEST(Angles, AngleAtVertexGivesInteriorAnglesOfClockwiseOutline)
{
    struct Case { RealPoint a, b, c; double deg; };
    const Case cases[] = {
        {rp(0, 14000), rp(0, 0), rp(10000, 0), 90},   // top-left of a rectangle
        {rp(0, 0), rp(10, 0), rp(10, -10), 270},      // reflex corner of an L
        {rp(0, 10), rp(0, 0), rp(-10, -10), 225},     // reflex, not square
        {rp(0, 0), rp(10, 0), rp(20, 0), 180},        // straight on
        {rp(0, 0), rp(10, 0), rp(5, 0), 0},           // turning back
        {rp(0, 0), rp(10, 0), rp(0, 0.0001f), 0},     // turning back, a hair below
        {rp(1000, 1000), rp(0, 1000), rp(1000, 0), 45}, // triangle corner
        {rp(0, 0), rp(0, 0), rp(5, 5), -1},
        {rp(0, 0), rp(5, 5), rp(5, 5), -1},
    };
    for (const Case &c : cases)
        EXPECT_NEAR(AngleAtVertex(c.a, c.b, c.c), c.deg, 1e-3)
            << c.b.X << "," << c.b.Y;
}

TEST(Angles, CornersOfClockwisePolygonSumToTheirTotal)
{
    // An irregular pentagon with one reflex corner, traversed clockwise on the
    // screen (y down); the reverse traversal gives the exterior angles.
    const std::vector<RealPoint> pts = {rp(0, 1000), rp(100, 0), rp(900, 200), rp(500, 500),
                                        rp(1200, 1100)};
    double sum = 0;
    double reverseSum = 0;
    bool sawReflex = false;
    const size_t n = pts.size();
    for (size_t i = 0; i < n; ++i) {
        const RealPoint &a = pts[(i + n - 1) % n];
        const RealPoint &b = pts[i];
        const RealPoint &c = pts[(i + 1) % n];
        const double angle = AngleAtVertex(a, b, c);
        sawReflex = sawReflex || angle > 180;
        sum += angle;
        reverseSum += AngleAtVertex(c, b, a);
        EXPECT_NEAR(angle + AngleAtVertex(c, b, a), 360.0, 1e-6) << i;
    }
    EXPECT_TRUE(sawReflex);
    EXPECT_NEAR(sum, 540.0, 1e-6);
    EXPECT_NEAR(reverseSum, 5 * 360.0 - 540.0, 1e-6);
}

TEST(Angles, CornerAngleWithArcsUsesTheArcTangent)
{
    const RealPoint none{0, 0};
    // Arched top over a 10000-wide sash: side 1 runs (0,5000) -> (10000,5000).
    const RealPoint left = rp(0, 5000), right = rp(10000, 5000);
    const RealPoint bottomLeft = rp(0, 14000), bottomRight = rp(10000, 14000);

    // Semicircle: the arc leaves the corners vertically, so the corners are flat.
    const RealPoint half = ArcCentre(left, right, 5000);
    EXPECT_NEAR(CornerAngleWithArcs(bottomLeft, left, right, 0, none, 5000, half), 180, 1e-3);
    EXPECT_NEAR(CornerAngleWithArcs(left, right, bottomRight, 5000, half, 0, none), 180, 1e-3);

    // Flatter arc: chord and tangent enclose the half central angle asin(c / 2R).
    const RealPoint flat = ArcCentre(left, right, 8000);
    const double expected = 90 + std::asin(5000.0 / 8000.0) * 180 / 3.14159265358979323846;
    EXPECT_NEAR(CornerAngleWithArcs(bottomLeft, left, right, 0, none, 8000, flat), expected, 1e-3);
    EXPECT_NEAR(CornerAngleWithArcs(left, right, bottomRight, 8000, flat, 0, none), expected, 1e-3);

    // Straight sides meet with their chords; a side with a negative radius
    // beside a straight one adds nothing, so the corner reads 0.
    EXPECT_NEAR(CornerAngleWithArcs(bottomLeft, left, right, 0, none, 0, none), 90, 1e-3);
    EXPECT_NEAR(CornerAngleWithArcs(bottomLeft, left, right, 0, none, -8000, flat), 0, 1e-3);

    // Two arcs at one corner: the two parts are added (here each centre lies
    // straight back along the other side, t = 0, so each part is 90).
    EXPECT_NEAR(CornerAngleWithArcs(rp(10, 0), rp(0, 0), rp(10, 0), 5, rp(5, 0), 5, rp(5, 0)),
                180, 1e-3);
    EXPECT_NEAR(CornerAngleWithArcs(rp(0, 10), rp(0, 0), rp(10, 0), 5, rp(0, 5), 5, rp(5, 0)),
                360, 1e-3);

    // A tight arc turning back (centre (-5,-5), arc to (-10,0)): the angle to
    // the centre is 225, beyond 180, so its part is 225 - 270.
    const RealPoint tight = ArcCentre(rp(0, 0), rp(-10, 0), std::sqrt(50.0));
    EXPECT_NEAR(tight.X, -5, 1e-3);
    EXPECT_NEAR(tight.Y, -5, 1e-3);
    EXPECT_NEAR(CornerAngleWithArcs(rp(0, 10), rp(0, 0), rp(-10, 0), 0, none, std::sqrt(50.0), tight),
                -45, 1e-3);

    // Coinciding points, or an arc centred on the corner.
    EXPECT_EQ(CornerAngleWithArcs(left, left, right, 0, none, 8000, flat), -1.0f);
    EXPECT_EQ(CornerAngleWithArcs(bottomLeft, left, right, 0, none, 8000, left), -1.0f);
}

// ---- Constructions -----------------------------------------------------------

TEST(Constructions, PointAlongAndAtAngle)
{
    const RealPoint a = PointAlong(rp(0, 0), rp(30, -40), 10);
    EXPECT_NEAR(a.X, 6, 1e-4);
    EXPECT_NEAR(a.Y, -8, 1e-4);
    const RealPoint b = PointAlong(rp(10, 10), rp(0, 10), 4);
    EXPECT_NEAR(b.X, 6, 1e-4);
    EXPECT_NEAR(b.Y, 10, 1e-4);
    EXPECT_EQ(PointAlong(rp(3, 4), rp(3, 4), 7), rp(10, 4));

    // Handle mark on the left side of a clockwise sash (travel upwards):
    // -90 degrees from the travel points into the sash, i.e. to the right.
    const RealPoint inside = PointAtAngle(rp(0, 5000), rp(0, 10000), rp(0, 0), -90, 5);
    EXPECT_NEAR(inside.X, 5, 1e-4);
    EXPECT_NEAR(inside.Y, 5000, 1e-4);
    const RealPoint outside = PointAtAngle(rp(0, 5000), rp(0, 10000), rp(0, 0), 90, 5);
    EXPECT_NEAR(outside.X, -5, 1e-4);
    EXPECT_NEAR(outside.Y, 5000, 1e-4);
    // Travel to the right, -90 -> total -90 -> 270: downwards.
    const RealPoint down = PointAtAngle(rp(100, 100), rp(0, 0), rp(10, 0), -90, 5);
    EXPECT_NEAR(down.X, 100, 1e-4);
    EXPECT_NEAR(down.Y, 105, 1e-4);
}

TEST(Constructions, RotateAroundIsCounterClockwiseOnScreen)
{
    struct Case { RealPoint p, c; double a; RealPoint out; };
    const Case cases[] = {
        {rp(1, 0), rp(0, 0), 90, rp(0, -1)},
        {rp(1, 0), rp(0, 0), -90, rp(0, 1)},
        {rp(1, 0), rp(0, 0), 180, rp(-1, 0)},
        {rp(20, 10), rp(10, 10), 90, rp(10, 0)},
        {rp(20, 10), rp(10, 10), 360, rp(20, 10)},
    };
    // Exact: the rounding to four decimals removes the trigonometric dust.
    for (const Case &c : cases)
        EXPECT_EQ(RotateAround(c.p, c.c, c.a), c.out) << c.a;

    const RealPoint r = RotateAround(rp(1010, 500), rp(10, 500), 30);
    EXPECT_NEAR(Direction(rp(10, 500), r), 30, 1e-3);
    EXPECT_NEAR(Distance(rp(10, 500), r), 1000, 1e-3);
}

TEST(Constructions, ArcCentreOfAxisParallelChords)
{
    struct Case { RealPoint s, e; double r; double cx, cy; };
    const double k = std::sqrt(8000.0 * 8000.0 - 5000.0 * 5000.0); // 6244.998
    const Case cases[] = {
        {rp(0, 5000), rp(10000, 5000), 5000, 5000, 5000},
        {rp(0, 5000), rp(10000, 5000), 8000, 5000, 5000 + k},   // travel right: centre below
        {rp(10000, 5000), rp(0, 5000), 8000, 5000, 5000 - k},   // travel left: centre above
        {rp(0, 10000), rp(0, 0), 8000, k, 5000},                // travel up: centre right
        {rp(0, 0), rp(0, 10000), 8000, -k, 5000},               // travel down: centre left
        {rp(0, 5000), rp(10000, 5000), -8000, 5000, 5000 + k},  // sign of R not used
        {rp(0, 5000), rp(10000, 5000), 1000, 5000, 5000},       // chord longer than diameter
        {rp(10, 20), rp(10, 20), -7, 3, 20},                    // S = E
    };
    for (const Case &c : cases) {
        const RealPoint centre = ArcCentre(c.s, c.e, c.r);
        EXPECT_FLOAT_EQ(centre.X, float(Round4(c.cx))) << c.r;
        EXPECT_FLOAT_EQ(centre.Y, float(Round4(c.cy))) << c.r;
    }
    EXPECT_FLOAT_EQ(ArcCentre(rp(0, 5000), rp(10000, 5000), 8000).Y, 11244.998f);
}

TEST(Constructions, ArcCentreOfInclinedChordsIsEquidistantAndRightOfTravel)
{
    // 6-8-10 chord with R = 13: offset 12 along the right-hand normal.
    const RealPoint c = ArcCentre(rp(0, 0), rp(6000, 8000), 13000);
    EXPECT_FLOAT_EQ(c.X, -6600);
    EXPECT_FLOAT_EQ(c.Y, 11200);

    struct Case { RealPoint s, e; double r; };
    const Case cases[] = {
        {rp(0, 0), rp(3000, 1000), 2000},    {rp(3000, 1000), rp(0, 0), 2000},
        {rp(0, 1000), rp(3000, 0), 1600},    {rp(3000, 0), rp(0, 1000), 1600},
        {rp(100, 200), rp(4100, 7200), 9000}, {rp(500, 500), rp(600, 400), 71},
    };
    for (const Case &k : cases) {
        const RealPoint m = ArcCentre(k.s, k.e, k.r);
        const double tol = 1e-3 * k.r;
        EXPECT_NEAR(Distance(m, k.s), k.r, tol) << k.s.X << "," << k.s.Y;
        EXPECT_NEAR(Distance(m, k.e), k.r, tol) << k.s.X << "," << k.s.Y;
        // Right of travel on the screen = the cross product's sign for y down.
        const double cross = (double(k.e.X) - k.s.X) * (double(m.Y) - k.s.Y)
                           - (double(k.e.Y) - k.s.Y) * (double(m.X) - k.s.X);
        EXPECT_GT(cross, 0) << k.s.X << "," << k.s.Y;
    }
}

TEST(Constructions, IsOnArcChecksCircleAndSideOfChord)
{
    const RealPoint s = rp(0, 5000), e = rp(10000, 5000), c = rp(5000, 5000);
    struct Case { RealPoint p; bool on; };
    const Case cases[] = {
        {rp(5000, 0), true},        // top of the semicircle
        {rp(5000, 10000), false},   // on the circle, wrong side of the chord
        {s, true}, {e, true},
        {rp(5000, 0.4f), true},     // within half a unit
        {rp(5000, -0.6f), false},
        {rp(5000, 1), false},
        {rp(0, 0), false},
    };
    for (const Case &k : cases) {
        EXPECT_EQ(IsOnArc(s, e, c, k.p, 5000), k.on) << k.p.X << "," << k.p.Y;
        EXPECT_FALSE(IsOnArc(s, e, c, k.p, -5000)) << k.p.X << "," << k.p.Y;
    }
    // A tiny negative radius would pass the distance test at the centre.
    EXPECT_FALSE(IsOnArc(s, e, c, c, -0.2));
    // Reversed travel takes the other half.
    EXPECT_TRUE(IsOnArc(e, s, c, rp(5000, 10000), 5000));
    EXPECT_FALSE(IsOnArc(e, s, c, rp(5000, 0), 5000));

    // The flat arch: its top is on the arc, the bottom of its circle is not.
    const RealPoint m = ArcCentre(s, e, 8000);
    EXPECT_TRUE(IsOnArc(s, e, m, rp(m.X, m.Y - 8000), 8000));
    EXPECT_FALSE(IsOnArc(s, e, m, rp(m.X, m.Y + 8000), 8000));
    EXPECT_FALSE(IsOnArc(s, e, m, rp(m.X - 8000, m.Y), 8000));
}

TEST(Constructions, ChordHeightAndRadius)
{
    struct Case { double r, c, h; };
    const Case heights[] = {
        {500, 1000, 500}, {8000, 10000, 1755.0020016}, {400, 1000, 0}, {500, 0, 0}, {500, -10, 0},
    };
    for (const Case &k : heights)
        EXPECT_NEAR(ChordHeight(k.r, k.c), k.h, 1e-9) << k.r << " " << k.c;

    const Case radii[] = {
        {500, 1000, 500}, {0, 1000, 0}, {500, 0, 0}, {-5, 1000, 0}, {1755.0020016, 10000, 8000},
    };
    for (const Case &k : radii)
        EXPECT_NEAR(RadiusFromChord(k.r, k.c), k.h, 1e-4) << k.r << " " << k.c;
    EXPECT_NEAR(RadiusFromChord(250, 1000), 625, 1e-9);
}
