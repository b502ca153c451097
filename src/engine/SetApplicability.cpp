#include "SetApplicability.h"

#include "FieldCache.h"
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
        const RowView row(sides);
        const int i = row.integer("Side") - 1;
        if (i < 0 || i >= sideCount)
            return false;
        const TkvfLine &line = sash->Line(i);
        const qint32 length = RoundHalfAway(double(line.ChordLength()) / 10.0);
        const qint32 radius = RoundHalfAway(double(line.R1) / 10.0);
        const double angle = sash->CornerAngle(i);
        if (row.integer("MinSize") > length || row.integer("MaxSize") < length)
            return false;
        if (row.real("MinAngle") > angle || row.real("MaxAngle") < angle)
            return false;
        if (row.integer("MinRadius") > radius
            || row.integer("MaxRadius") < radius)
            return false;
        if (line.IsSemicircle() && row.integer("FullRadius") == 0)
            return false;
        if (line.IsSegmentArc() && row.integer("HalfRadius") == 0)
            return false;
        if (line.IsEllipticArc() && row.integer("EllipseRadius") == 0)
            return false;
    }
    return true;
}

} // namespace kv
