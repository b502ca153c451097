#pragma once
// A deterministic synthetic fittings catalogue for benchmarks, and orders for
// `kvf calc` that select from it without error. The catalogue uses the same
// mechanisms as a maker's documentation (size, side, angle and stulp
// conditions, scaled quantities, length formulas, handle heights, colours,
// property keys, composite and virtual elements, strike plates with system
// groups, covers, accessories) at the scale of a large one.
#include <QJsonObject>
#include <QString>
#include <QStringList>

namespace kv {

struct SyntheticCatalogOptions
{
    int articles = 100000;
    int sets = 5000;
    quint64 seed = 1;
};

struct SyntheticCatalogSummary
{
    int articles = 0, elements = 0, elementArticles = 0, sets = 0, setRows = 0, sideRows = 0;
    int strikePlates = 0, covers = 0, accessories = 0, compositeParts = 0;
    QStringList systems; // fittings system IDs
};

// The smallest article count that the given set count needs.
int syntheticMinimumArticles(int sets);
// The smallest set count: every system group needs one set of each role.
int syntheticMinimumSets();

// Writes catalog.sqlite into dir, which must exist and hold no catalogue yet.
// Throws kv::Error for options out of range or a database failure.
SyntheticCatalogSummary generateSyntheticCatalog(const QString &dir, const SyntheticCatalogOptions &options);

// An order in the input format of `kvf calc` with the given number of
// two-sash positions, every one of them choosing sets of the catalogue that
// the same options generate. orderSeed varies sizes and choices.
QJsonObject syntheticOrder(const SyntheticCatalogOptions &options, int positions, quint64 orderSeed);

} // namespace kv
