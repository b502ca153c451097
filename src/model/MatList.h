#pragma once
// Material lists: one line per article with quantity, unit price and cost. Every
// sash keeps the list of its fittings; orders and selections merge them.
#include "tools/Money.h"
#include "tools/SpecStream.h"

#include <QString>
#include <vector>

namespace kv {

class TkvfFlugel;

class TkvfMatListItem
{
public:
    QString Article;
    float Quantity = 0; // in the article's unit; metres for cut articles
    Money CatalogPrice;
    float ReservedReal = 0;
    Money ReservedAmount;
    Money Price;
    Money Cost;

    void SaveToStream(TSpecStream &stream) const;
    void LoadFromStream(TSpecStream &stream, const QString &stamp);
};

using TkvfMatList = std::vector<TkvfMatListItem>;

// Bytes a stored material item needs at least (an empty article and six records).
constexpr qsizetype kMatListItemMinBytes = 4 + 6 * 16;

// Copies source into target through the value stream. A failure is shown in
// the error box and leaves target with what was read so far.
void CopyMaterial(TkvfMatListItem &target, const TkvfMatListItem &source);
// The first item with exactly this article, or nullptr.
TkvfMatListItem *FindMaterial(TkvfMatList &list, const QString &article);
// Rebuilds the sash's list from its composition, priced from the catalogue.
void BuildSashMaterials(TkvfFlugel &sash);
// Adds the sash's materials, each quantity times multiplier, into target.
void MergeMaterials(TkvfMatList &target, const TkvfFlugel &sash, qint32 multiplier);
// Takes current catalogue prices for every item.
void RepriceMaterials(TkvfMatList &list);
// Sum of the costs.
Money MaterialsTotal(const TkvfMatList &list);

// Ascending by article code (Windows-1251 bytes).
void SortMaterialsByArticle(TkvfMatList &list);
// Ascending by catalogue name (Windows-1251 bytes); a missing article raises.
void SortMaterialsByName(TkvfMatList &list);

} // namespace kv
