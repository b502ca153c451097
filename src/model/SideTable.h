#pragma once
// The rows of the catalogue's side table for one set, as the composition reads
// them to mark the sides of its sash.
#include <QString>
#include <vector>

namespace kv {

struct TSideRow
{
    qint32 Side = 0;     // 1-based
    qint32 OpenMode = 0; // 1: the side carries the rotation axis
    qint32 RotSide = 0;  // 1-based side the opening mark points to
    bool Handled = false;
    qint32 HandleDirect = 0;
    bool Banded = false;
    bool Drived = false;
};

// The FrnSide rows with ID = setId in table order. The table is left unfiltered.
std::vector<TSideRow> ReadSideRows(const QString &setId);

} // namespace kv
