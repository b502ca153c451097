#include "MatList.h"

#include "model/ModelServices.h"
#include "model/Sash.h"
#include "tools/Messages.h"
#include "tools/Win1251.h"

#include <algorithm>

namespace kv {

void TkvfMatListItem::SaveToStream(TSpecStream &s) const
{
    WriteString(s, Article);
    WriteReal(s, Quantity);
    WriteMoney(s, CatalogPrice);
    WriteReal(s, ReservedReal);
    WriteMoney(s, ReservedAmount);
    WriteMoney(s, Price);
    WriteMoney(s, Cost);
}

void TkvfMatListItem::LoadFromStream(TSpecStream &s, const QString &)
{
    Article = ReadString(s);
    Quantity = ReadSingle(s);
    CatalogPrice = ReadMoney(s);
    ReservedReal = ReadSingle(s);
    ReservedAmount = ReadMoney(s);
    Price = ReadMoney(s);
    Cost = ReadMoney(s);
}

void CopyMaterial(TkvfMatListItem &target, const TkvfMatListItem &source)
{
    try {
        TSpecStream stream;
        source.SaveToStream(stream);
        stream.seek(0);
        target.LoadFromStream(stream, stamps::Order);
    } catch (const Error &e) {
        ShowErrorBox(QStringLiteral("Ошибка копирования материала!\r\n(%1)").arg(e.text()));
    }
}

TkvfMatListItem *FindMaterial(TkvfMatList &list, const QString &article)
{
    for (TkvfMatListItem &item : list)
        if (item.Article == article)
            return &item;
    return nullptr;
}

void BuildSashMaterials(TkvfFlugel &sash)
{
    TkvfMatList &list = sash.MatList();
    list.clear();
    const TkvfFurnComp *comp = sash.Composition();
    if (!comp)
        return;
    ModelServices &services = modelServices();
    list.reserve(size_t(comp->Count()));
    for (int i = 0; i < comp->Count(); ++i) {
        const TkvfFurnItem &fi = comp->Item(i);
        TkvfMatListItem m;
        m.Article = fi.Article;
        m.Quantity = fi.Length > 0 ? float(double(fi.Quantity) * double(fi.Length) / 1000.0)
                                   : float(fi.Quantity);
        const Money p = services.ArticlePrice(fi.Article);
        m.CatalogPrice = p;
        m.Price = p;
        m.Cost = p * double(m.Quantity);
        list.push_back(std::move(m));
    }
}

void MergeMaterials(TkvfMatList &target, const TkvfFlugel &sash, qint32 multiplier)
{
    for (const TkvfMatListItem &m : sash.MatList()) {
        TkvfMatListItem *t = FindMaterial(target, m.Article);
        if (t) {
            t->Quantity = float(double(t->Quantity) + double(m.Quantity) * multiplier);
        } else {
            target.emplace_back();
            t = &target.back();
            CopyMaterial(*t, m);
            t->Quantity = float(double(multiplier) * double(t->Quantity));
        }
        t->Cost = t->Price * double(t->Quantity);
    }
}

void RepriceMaterials(TkvfMatList &list)
{
    ModelServices &services = modelServices();
    for (TkvfMatListItem &m : list) {
        const Money p = services.ArticlePrice(m.Article);
        m.CatalogPrice = p;
        m.Price = p;
        m.Cost = p * double(m.Quantity);
    }
}

Money MaterialsTotal(const TkvfMatList &list)
{
    Money total;
    for (const TkvfMatListItem &m : list)
        total += m.Cost;
    return total;
}

void SortMaterialsByArticle(TkvfMatList &list)
{
    std::sort(list.begin(), list.end(), [](const TkvfMatListItem &a, const TkvfMatListItem &b) {
        return cp1251::compare(a.Article, b.Article) < 0;
    });
}

void SortMaterialsByName(TkvfMatList &list)
{
    // Names are looked up once per item, before anything moves, so a missing
    // article leaves the list as it was.
    ModelServices &services = modelServices();
    std::vector<std::pair<QString, TkvfMatListItem>> keyed;
    keyed.reserve(list.size());
    for (const TkvfMatListItem &m : list)
        keyed.emplace_back(services.ArticleName(m.Article), m);
    std::sort(keyed.begin(), keyed.end(), [](const auto &a, const auto &b) {
        return cp1251::compare(a.first, b.first) < 0;
    });
    for (size_t i = 0; i < keyed.size(); ++i)
        list[i] = std::move(keyed[i].second);
}

} // namespace kv
