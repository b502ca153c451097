#pragma once
// Plane geometry and rounding of sash outlines.
//
// Outline coordinates are integers in 0.1 mm, x to the right, y downwards.
// Angles are degrees, 0 pointing right and growing counter-clockwise as seen on
// the screen (90 is up). Real points are stored in single precision; every
// intermediate is computed in long double (x87 extended on this platform) so
// that sizes handed to the selection engine come out the same every time.
#include <cstdint>

namespace kv {

// The value of pi used for every degree/radian conversion.
inline constexpr long double Pi = 3.1415926535897932385L;

struct IntPoint
{
    std::int32_t X = 0;
    std::int32_t Y = 0;
    friend constexpr bool operator==(const IntPoint &, const IntPoint &) = default;
};

struct RealPoint
{
    float X = 0.0f;
    float Y = 0.0f;
    friend constexpr bool operator==(const RealPoint &, const RealPoint &) = default;
};

// ---- Rounding and comparison ----------------------------------------------

// sign(x) * trunc(|x| + 0.5). Values beyond the 32-bit range saturate, NaN gives 0.
std::int32_t RoundHalfAway(double x);
// x rounded half away from zero to n decimals; n is clamped to -37..37.
double RoundTo(int n, double x);
// Integer part plus the fraction rounded half away to 4 (Round4) or 1 (Round1)
// decimals. Non-finite values pass through unchanged.
double Round4(double x);
double Round1(double x);
// Tolerant integer bounds of a coordinate: whole values (after rounding to four
// decimals) stay, anything else moves one unit past the truncated value -
// LowerTol(2.5) = 1, UpperTol(2.5) = 3, LowerTol(-2.5) = -3, UpperTol(-2.5) = -1.
std::int32_t LowerTol(double x);
std::int32_t UpperTol(double x);
// a is below b by at least 0.01 / a exceeds b by at least 0.01.
bool LessTol(double a, double b);
bool GreaterTol(double a, double b);

// Millimetres <-> tenths of a millimetre.
double Times10(double x);
double Div10(double x);
std::int32_t RoundTimes10(double x);
std::int32_t RoundDiv10(double x);
IntPoint Times10(IntPoint p);

// ---- Points ----------------------------------------------------------------

RealPoint ToReal(IntPoint p);
IntPoint ToInt(RealPoint q);
RealPoint Round4Point(RealPoint q);

IntPoint Midpoint(IntPoint a, IntPoint b);
RealPoint Midpoint(RealPoint a, RealPoint b);
double Distance(IntPoint a, IntPoint b);
double Distance(RealPoint a, RealPoint b);
bool PointsEqual(IntPoint a, IntPoint b);
bool PointsEqual(RealPoint a, RealPoint b);
IntPoint Add(IntPoint a, IntPoint b);
RealPoint Add(RealPoint a, RealPoint b);
RealPoint Add(RealPoint a, IntPoint b);
RealPoint Add(IntPoint a, RealPoint b);
// Each coordinate divided by s: integer points rounded half away from zero,
// real points through Round1.
IntPoint ScaleDown(IntPoint p, double s);
RealPoint ScaleDown(RealPoint p, double s);

// ---- Directions and angles -------------------------------------------------

// Direction of the travel P -> Q in [0, 360); 0 for P = Q.
double Direction(RealPoint P, RealPoint Q);
// Where Q lies seen from P: 1 right-above, 2 right, 3 right-below, 4 below,
// 5 left-below, 6 left, 7 left-above, 8 above, 0 the same point.
int Octant(RealPoint P, RealPoint Q);
// 1 (0,90), 2 exactly 0 or 360, 3 (270,360), 4 = 270, 5 (180,270), 6 = 180,
// 7 (90,180), 8 = 90; 0 for anything else.
int AngleClass(double a);
// Angle at B between the sides A->B and B->C: the interior angle of an outline
// that runs clockwise on the screen (a reflex corner gives more than 180).
// -1 when A = B or B = C.
double AngleAtVertex(RealPoint A, RealPoint B, RealPoint C);
// Corner angle at B between the side prev (A -> B, radius prevR, arc centre
// prevCentre) and the side (B -> C, radius sideR, centre sideCentre) of a
// clockwise outline. With two straight sides the chord angle; otherwise the
// sum of one part per arc side (t + 90 for t <= 180, else t - 270, t being the
// angle between the other side and the arc's centre), 0 for a side whose
// radius is not positive. -1 when two of the points coincide.
float CornerAngleWithArcs(RealPoint A, RealPoint B, RealPoint C,
                          double prevR, RealPoint prevCentre,
                          double sideR, RealPoint sideCentre);

// ---- Constructions ---------------------------------------------------------

// The point at distance d from A towards B (to the right of A when A = B).
RealPoint PointAlong(RealPoint A, RealPoint B, double d);
// The point at distance d from P in the direction a + Direction(X, Y).
RealPoint PointAtAngle(RealPoint P, RealPoint X, RealPoint Y, double a, double d);
// P rotated about C by a degrees counter-clockwise on the screen, through Round4.
RealPoint RotateAround(RealPoint P, RealPoint C, double a);
// Centre of the arc of radius R from S to E, through Round4. The centre lies to
// the right of the travel S -> E, so with a positive radius the arc of a
// clockwise outline bulges outwards. The sign of R is ignored; when the chord
// is longer than the diameter the centre is the chord's midpoint; S = E gives
// E - (|R|, 0).
RealPoint ArcCentre(RealPoint S, RealPoint E, double R);
// Whether P lies (within half a unit) on the arc S -> E with centre C and
// radius R, on the arc's side of the chord. End points qualify; a negative R
// never does.
bool IsOnArc(RealPoint S, RealPoint E, RealPoint C, RealPoint P, double R);
// Rise of an arc of radius R over chord c (0 when impossible), to 8 decimals.
double ChordHeight(double R, double c);
// Radius of an arc with rise h over chord c (0 unless both positive), to 8 decimals.
double RadiusFromChord(double h, double c);

} // namespace kv
