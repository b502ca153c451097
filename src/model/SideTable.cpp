#include "SideTable.h"

#include "core/Data.h"
#include "core/Filter.h"

namespace kv {

std::vector<TSideRow> ReadSideRows(const QString &setId)
{
    TDataTable &t = DM().T_FrnSide;
    FilteredScan scan(t, QStringLiteral("ID='%1'").arg(escapeFilterString(setId)));
    std::vector<TSideRow> rows;
    rows.reserve(size_t(scan.count()));
    for (; !scan.eof(); scan.next()) {
        TSideRow r;
        r.Side = t.asInteger(QStringLiteral("Side"));
        r.OpenMode = t.asInteger(QStringLiteral("OpenMode"));
        r.RotSide = t.asInteger(QStringLiteral("RotSide"));
        r.Handled = t.asInteger(QStringLiteral("Handled")) == 1;
        r.HandleDirect = t.asInteger(QStringLiteral("HandleDirect"));
        r.Banded = t.asInteger(QStringLiteral("Banded")) == 1;
        r.Drived = t.asInteger(QStringLiteral("Drived")) == 1;
        rows.push_back(r);
    }
    return rows;
}

} // namespace kv
