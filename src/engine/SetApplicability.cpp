#include "SetApplicability.h"

#include "core/Data.h"
#include "model/Sash.h"
#include "tools/Geometry.h"

namespace kv {

bool SetFitsSash(const TkvfFlugel *sash, const QString &setId)
{
    if (!sash)
        return false;
    TDataTable &sides = DM().T_FrnSide;
    FilteredScan scan(sides, QStringLiteral("ID='%1'").arg(escapeFilterString(setId)));
    const int sideCount = sash->LineCount();
    if (scan.count() != sideCount)
        return false;
    for (; !scan.eof(); scan.next()) {
        const int i = sides.asInteger(QStringLiteral("Side")) - 1;
        if (i < 0 || i >= sideCount)
            return false;
        const TkvfLine &line = sash->Line(i);
        const qint32 length = RoundHalfAway(double(line.ChordLength()) / 10.0);
        const qint32 radius = RoundHalfAway(double(line.R1) / 10.0);
        const double angle = sash->CornerAngle(i);
        if (sides.asInteger(QStringLiteral("MinSize")) > length || sides.asInteger(QStringLiteral("MaxSize")) < length)
            return false;
        if (sides.asFloat(QStringLiteral("MinAngle")) > angle || sides.asFloat(QStringLiteral("MaxAngle")) < angle)
            return false;
        if (sides.asInteger(QStringLiteral("MinRadius")) > radius
            || sides.asInteger(QStringLiteral("MaxRadius")) < radius)
            return false;
        if (line.IsSemicircle() && sides.asInteger(QStringLiteral("FullRadius")) == 0)
            return false;
        if (line.IsSegmentArc() && sides.asInteger(QStringLiteral("HalfRadius")) == 0)
            return false;
        if (line.IsEllipticArc() && sides.asInteger(QStringLiteral("EllipseRadius")) == 0)
            return false;
    }
    return true;
}

} // namespace kv
