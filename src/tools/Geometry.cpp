#include "tools/Geometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kv {

namespace {

using Ld = long double;

struct V
{
    Ld x;
    Ld y;
};

V vec(RealPoint p) { return {Ld(p.X), Ld(p.Y)}; }

Ld toRad(Ld deg) { return deg * Pi / 180.0L; }
Ld toDeg(Ld rad) { return rad * 180.0L / Pi; }

std::int32_t saturate(Ld v)
{
    if (std::isnan(v))
        return 0;
    constexpr Ld lo = Ld(std::numeric_limits<std::int32_t>::min());
    constexpr Ld hi = Ld(std::numeric_limits<std::int32_t>::max());
    return std::int32_t(std::clamp(v, lo, hi));
}

std::int32_t roundHalfAway(Ld x)
{
    if (std::isnan(x))
        return 0;
    const Ld r = std::trunc(std::fabs(x) + 0.5L);
    return saturate(x < 0 ? -r : r);
}

Ld roundFraction(Ld x, Ld steps)
{
    if (x == 0 || !std::isfinite(x))
        return x;
    const Ld whole = std::trunc(x);
    return whole + Ld(roundHalfAway((x - whole) * steps)) / steps;
}

Ld direction(Ld dx, Ld dy)
{
    if (dx == 0 && dy == 0)
        return 0;
    if (dx == 0)
        return dy < 0 ? 90 : 270;
    if (dy == 0)
        return dx > 0 ? 0 : 180;
    const Ld t = toDeg(std::atan(dy / dx));
    Ld r;
    if (dx > 0 && dy > 0)
        r = 360 - t;
    else if (dx < 0 && dy < 0)
        r = 180 - t;
    else if (dx < 0)
        r = 180 + std::fabs(t);
    else
        r = std::fabs(t);
    // A vanishing slope below the axis can round up to a full turn.
    return r >= 360 ? 0 : r;
}

Ld direction(V p, V q) { return direction(q.x - p.x, q.y - p.y); }

Ld length(V a, V b) { return std::sqrt((b.x - a.x) * (b.x - a.x) + (b.y - a.y) * (b.y - a.y)); }

Ld angleAtVertex(V a, V b, V c)
{
    const Ld h = length(a, b) * length(b, c);
    if (h == 0)
        return -1;
    const Ld l = direction(a, b);
    const Ld mOut = direction(b, c);
    Ld m;
    if (l > 180) {
        m = 360 - l + mOut;
        if (m > 360)
            m -= 360;
    } else {
        m = mOut - l;
    }
    // Rounding can push the cosine a hair past +-1.
    const Ld g = std::clamp(((b.x - a.x) * (c.x - b.x) + (b.y - a.y) * (c.y - b.y)) / h, -1.0L, 1.0L);
    const Ld turn = toDeg(std::acos(g));
    return (m <= 0 || m >= 180) ? 180 - turn : 180 + turn;
}

RealPoint toPoint(Ld x, Ld y) { return {float(x), float(y)}; }

RealPoint round4Point(Ld x, Ld y) { return toPoint(Round4(double(x)), Round4(double(y))); }

RealPoint offsetAtAngle(V from, Ld thetaDeg, Ld d)
{
    const Ld t = toRad(thetaDeg);
    return toPoint(from.x + d * std::cos(t), from.y - d * std::sin(t));
}

} // namespace

// ---- Rounding and comparison ----------------------------------------------

std::int32_t RoundHalfAway(double x) { return roundHalfAway(Ld(x)); }

double RoundTo(int n, double x)
{
    if (x == 0 || !std::isfinite(x))
        return x;
    n = std::clamp(n, -37, 37);
    const double unit = std::pow(10.0, double(-n));
    const Ld r = std::trunc(std::fabs(Ld(x)) / Ld(unit) + 0.5L) * Ld(unit);
    return double(x < 0 ? -r : r);
}

double Round4(double x) { return double(roundFraction(x, 10000)); }
double Round1(double x) { return double(roundFraction(x, 10)); }

std::int32_t LowerTol(double x)
{
    const Ld r = RoundTo(4, x);
    const Ld whole = std::trunc(r);
    if (std::fabs(r - whole) < 0.0001L)
        return saturate(whole);
    return saturate(std::trunc(r - 1));
}

std::int32_t UpperTol(double x)
{
    const Ld r = RoundTo(4, x);
    const Ld whole = std::trunc(r);
    if (std::fabs(r - whole) < 0.0001L)
        return saturate(whole);
    return saturate(std::trunc(r + 1));
}

bool LessTol(double a, double b) { return Ld(a) - Ld(b) <= -0.01L; }
bool GreaterTol(double a, double b) { return Ld(b) - Ld(a) <= -0.01L; }

double Times10(double x) { return double(Ld(x) * 10); }
double Div10(double x) { return double(Ld(x) / 10); }
std::int32_t RoundTimes10(double x) { return roundHalfAway(Ld(x) * 10); }
std::int32_t RoundDiv10(double x) { return roundHalfAway(Ld(x) / 10); }
IntPoint Times10(IntPoint p) { return {roundHalfAway(Ld(p.X) * 10), roundHalfAway(Ld(p.Y) * 10)}; }

// ---- Points ----------------------------------------------------------------

RealPoint ToReal(IntPoint p) { return {float(p.X), float(p.Y)}; }
IntPoint ToInt(RealPoint q) { return {roundHalfAway(q.X), roundHalfAway(q.Y)}; }
RealPoint Round4Point(RealPoint q) { return {float(Round4(q.X)), float(Round4(q.Y))}; }

IntPoint Midpoint(IntPoint a, IntPoint b)
{
    return {roundHalfAway((Ld(a.X) + b.X) / 2), roundHalfAway((Ld(a.Y) + b.Y) / 2)};
}

RealPoint Midpoint(RealPoint a, RealPoint b) { return toPoint((Ld(a.X) + b.X) / 2, (Ld(a.Y) + b.Y) / 2); }

double Distance(IntPoint a, IntPoint b) { return double(length({Ld(a.X), Ld(a.Y)}, {Ld(b.X), Ld(b.Y)})); }
double Distance(RealPoint a, RealPoint b) { return double(length(vec(a), vec(b))); }

bool PointsEqual(IntPoint a, IntPoint b) { return a.X == b.X && a.Y == b.Y; }
bool PointsEqual(RealPoint a, RealPoint b) { return a.X == b.X && a.Y == b.Y; }

IntPoint Add(IntPoint a, IntPoint b) { return {saturate(Ld(a.X) + b.X), saturate(Ld(a.Y) + b.Y)}; }
RealPoint Add(RealPoint a, RealPoint b) { return toPoint(Ld(a.X) + b.X, Ld(a.Y) + b.Y); }
RealPoint Add(RealPoint a, IntPoint b) { return toPoint(Ld(a.X) + b.X, Ld(a.Y) + b.Y); }
RealPoint Add(IntPoint a, RealPoint b) { return Add(b, a); }

IntPoint ScaleDown(IntPoint p, double s)
{
    if (s == 0)
        return p;
    return {roundHalfAway(Ld(p.X) / s), roundHalfAway(Ld(p.Y) / s)};
}

RealPoint ScaleDown(RealPoint p, double s)
{
    if (s == 0)
        return p;
    return toPoint(roundFraction(Ld(p.X) / s, 10), roundFraction(Ld(p.Y) / s, 10));
}

// ---- Directions and angles -------------------------------------------------

double Direction(RealPoint P, RealPoint Q) { return double(direction(vec(P), vec(Q))); }

int Octant(RealPoint P, RealPoint Q)
{
    const Ld dx = Ld(Q.X) - P.X;
    const Ld dy = Ld(Q.Y) - P.Y;
    if (dx > 0)
        return dy < 0 ? 1 : dy == 0 ? 2 : 3;
    if (dx < 0)
        return dy > 0 ? 5 : dy == 0 ? 6 : 7;
    return dy > 0 ? 4 : dy < 0 ? 8 : 0;
}

int AngleClass(double a)
{
    if (a > 0 && a < 90)
        return 1;
    if (a == 0 || a == 360)
        return 2;
    if (a > 270 && a < 360)
        return 3;
    if (a == 270)
        return 4;
    if (a > 180 && a < 270)
        return 5;
    if (a == 180)
        return 6;
    if (a > 90 && a < 180)
        return 7;
    if (a == 90)
        return 8;
    return 0;
}

double AngleAtVertex(RealPoint A, RealPoint B, RealPoint C)
{
    return double(angleAtVertex(vec(A), vec(B), vec(C)));
}

float CornerAngleWithArcs(RealPoint A, RealPoint B, RealPoint C,
                          double prevR, RealPoint prevCentre,
                          double sideR, RealPoint sideCentre)
{
    const Ld chord = angleAtVertex(vec(A), vec(B), vec(C));
    if (chord < 0)
        return -1;
    if (prevR == 0 && sideR == 0)
        return float(chord);

    // An arc meets the corner with its tangent, at right angles to the radius.
    // The documentation's angle ranges were written against exactly this sum,
    // including its wrap below zero and a zero part for a non-positive radius,
    // so it is kept as it is.
    auto part = [](Ld t) { return t <= 180 ? t + 90 : t - 270; };
    Ld r = 0;
    if (sideR > 0) {
        const Ld t = angleAtVertex(vec(A), vec(B), vec(sideCentre));
        if (t < 0)
            return -1;
        r += part(t);
    }
    if (prevR > 0) {
        const Ld t = angleAtVertex(vec(prevCentre), vec(B), vec(C));
        if (t < 0)
            return -1;
        r += part(t);
    }
    return float(r);
}

// ---- Constructions ---------------------------------------------------------

RealPoint PointAlong(RealPoint A, RealPoint B, double d)
{
    return offsetAtAngle(vec(A), direction(vec(A), vec(B)), d);
}

RealPoint PointAtAngle(RealPoint P, RealPoint X, RealPoint Y, double a, double d)
{
    Ld theta = Ld(a) + direction(vec(X), vec(Y));
    if (theta < 0)
        theta += 360;
    return offsetAtAngle(vec(P), theta, d);
}

RealPoint RotateAround(RealPoint P, RealPoint C, double a)
{
    const Ld t = toRad(a);
    const Ld c = std::cos(t);
    const Ld s = std::sin(t);
    const Ld vx = Ld(P.X) - C.X;
    const Ld vy = Ld(P.Y) - C.Y;
    return round4Point(C.X + (c * vx + s * vy), C.Y + (-s * vx + c * vy));
}

RealPoint ArcCentre(RealPoint S, RealPoint E, double R)
{
    const V s = vec(S);
    const V e = vec(E);
    if (s.x == e.x && s.y == e.y)
        return round4Point(e.x - std::fabs(Ld(R)), e.y);
    const Ld dx = e.x - s.x;
    const Ld dy = e.y - s.y;
    const Ld c = std::sqrt(dx * dx + dy * dy);
    const Ld half = c / 2;
    const Ld k2 = Ld(R) * R - half * half;
    const Ld k = k2 > 0 ? std::sqrt(k2) : 0;
    // Unit normal to the right of the travel as seen on the screen (y down).
    const Ld nx = -dy / c;
    const Ld ny = dx / c;
    return round4Point((s.x + e.x) / 2 + k * nx, (s.y + e.y) / 2 + k * ny);
}

bool IsOnArc(RealPoint S, RealPoint E, RealPoint C, RealPoint P, double R)
{
    if (R < 0)
        return false;
    const Ld r = R;
    const Ld px = P.X;
    const Ld py = P.Y;
    const Ld dist = std::sqrt((px - C.X) * (px - C.X) + (py - C.Y) * (py - C.Y));
    if (std::fabs(dist - r) > 0.5L)
        return false;
    const Ld side = (px - S.X) * (Ld(E.Y) - S.Y) - (py - S.Y) * (Ld(E.X) - S.X);
    return side * r >= 0;
}

double ChordHeight(double R, double c)
{
    const Ld r = R;
    const Ld half = Ld(c) / 2;
    if (c <= 0 || r * r < half * half)
        return 0;
    return RoundTo(8, double(r - std::sqrt(r * r - half * half)));
}

double RadiusFromChord(double h, double c)
{
    if (!(c > 0 && h > 0))
        return 0;
    const Ld half = Ld(c) / 2;
    return RoundTo(8, double((half * half + Ld(h) * h) / (2 * Ld(h))));
}

} // namespace kv
