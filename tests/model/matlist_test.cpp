// Material lists: built from a sash's items, merged across sashes and
// positions, repriced, copied and sorted; position cost.
#include "FakeModelServices.h"
#include "model/Construction.h"
#include "tools/RecordingMessages.h"

#include <gtest/gtest.h>

using namespace kv;
using kvtest::FakeModelServices;

namespace {

Money money(const char *text) { return *Money::parse(QString::fromLatin1(text)); }

// A sash whose composition holds the given items (article, length, quantity).
struct Item { const char *article; float length; qint32 quantity; };

void fill(TkvfFlugel &sash, FakeModelServices &services, std::vector<Item> items)
{
    services.selection = [items](TkvfFurnComp &c) {
        for (const Item &i : items)
            c.AddItem(QString::fromUtf8(i.article), "", "", true, i.length, "", i.quantity, 0);
    };
    TSashChoice choice;
    choice.Handle = QStringLiteral("H");
    sash.SetComposition("SYS", "", choice, "");
    services.selection = nullptr;
}

} // namespace

TEST(MatList, SashMaterialsFromItems)
{
    FakeModelServices services;
    services.prices = {{"ROD", money("10.0000")}, {"PIECE", money("3.3333")}};
    TkvfFlugel sash;
    fill(sash, services, {{"ROD", 1250, 2}, {"PIECE", 0, 4}, {"ROD", 333, 1}});
    BuildSashMaterials(sash);
    const TkvfMatList &list = sash.MatList();
    ASSERT_EQ(list.size(), 3u) << "one material line per item, also for equal articles";
    EXPECT_FLOAT_EQ(list[0].Quantity, 2.5f);
    EXPECT_EQ(list[0].CatalogPrice, money("10.0000"));
    EXPECT_EQ(list[0].Price, money("10.0000"));
    EXPECT_EQ(list[0].Cost, money("25.0000"));
    EXPECT_FLOAT_EQ(list[1].Quantity, 4.0f);
    EXPECT_EQ(list[1].Cost, money("13.3332"));
    EXPECT_FLOAT_EQ(list[2].Quantity, 0.333f);
    // 0.333 is stored in single precision (0.33300000429...): 3.3300000429 -> 3.3300
    EXPECT_EQ(list[2].Cost, money("3.3300"));
    EXPECT_EQ(sash.MatTotal(), money("41.6632"));

    // Without a composition the list is empty.
    sash.DropComposition();
    BuildSashMaterials(sash);
    EXPECT_TRUE(sash.MatList().empty());
}

TEST(MatList, MissingPriceRaisesTheCatalogueError)
{
    FakeModelServices services;
    TkvfConstruction pos;
    TShapeRecord shape;
    shape.B = 1000;
    shape.H = 1400;
    pos.SetShape(shape, 0);
    fill(pos.Sash1(), services, {{"NOPE", 0, 1}});
    try {
        pos.RecalcCost();
        FAIL();
    } catch (const Error &e) {
        EXPECT_EQ(e.text(), QStringLiteral("В каталоге отсутствуют данные для [NOPE]!\r\n"
                                           "(Поиск [Наименование] через [Код])"));
    }
}

TEST(MatList, MergingSashesOfPositions)
{
    FakeModelServices services;
    services.prices = {{"A", money("1.2345")}, {"a", money("2.0000")}, {"B", money("0.5000")}};
    TkvfConstruction pos;
    pos.Arrangement = TkvfConstruction::LeftMain;
    TShapeRecord shape;
    shape.H = 1400;
    shape.X = 600;
    shape.Y = 400;
    pos.SetShape(shape, 0);
    fill(pos.Sash1(), services, {{"A", 0, 1}, {"B", 500, 3}});
    fill(pos.Sash2(), services, {{"A", 0, 2}, {"a", 0, 1}});
    pos.Count = 3;
    pos.RecalcCost();
    EXPECT_EQ(pos.UnitCost, money("1.2345") + money("0.7500") + money("2.4690") + money("2.0000"));

    TkvfMatList list;
    pos.AddMaterials(list);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].Article, QStringLiteral("A"));
    EXPECT_FLOAT_EQ(list[0].Quantity, 9.0f);
    EXPECT_EQ(list[0].Cost, money("11.1105"));
    EXPECT_EQ(list[1].Article, QStringLiteral("B"));
    EXPECT_FLOAT_EQ(list[1].Quantity, 4.5f);
    EXPECT_EQ(list[1].Cost, money("2.2500"));
    EXPECT_EQ(list[2].Article, QStringLiteral("a")) << "letter case makes another material";
    EXPECT_FLOAT_EQ(list[2].Quantity, 3.0f);

    // A second position adds to what is there.
    pos.AddMaterials(list);
    EXPECT_FLOAT_EQ(list[0].Quantity, 18.0f);
    EXPECT_EQ(list[0].Cost, money("22.2210"));
    EXPECT_EQ(list.size(), 3u);
    EXPECT_FLOAT_EQ(pos.Sash1().MatList()[0].Quantity, 1.0f) << "the sash's own list is unchanged";
}

TEST(MatList, PositionCostIsRoundedToTheCurrencyUnit)
{
    TkvfConstruction pos;
    pos.UnitCost = money("12.3457");
    pos.Count = 3;
    EXPECT_EQ(pos.PositionCost(), money("37.0371"));
    pos.Count = 0;
    EXPECT_EQ(pos.PositionCost(), Money());
}

TEST(MatList, RepricingTakesCurrentPrices)
{
    FakeModelServices services;
    services.prices = {{"A", money("2.0000")}};
    TkvfMatList list(1);
    list[0].Article = "A";
    list[0].Quantity = 1.5f;
    list[0].CatalogPrice = list[0].Price = money("1.0000");
    list[0].Cost = money("1.5000");
    RepriceMaterials(list);
    EXPECT_EQ(list[0].CatalogPrice, money("2.0000"));
    EXPECT_EQ(list[0].Price, money("2.0000"));
    EXPECT_EQ(list[0].Cost, money("3.0000"));
    list[0].Article = "gone";
    EXPECT_THROW(RepriceMaterials(list), Error);
}

TEST(MatList, CopyAndFind)
{
    TkvfMatListItem source;
    source.Article = QStringLiteral("Ручка 7");
    source.Quantity = 2.25f;
    source.CatalogPrice = money("1.1111");
    source.Price = money("2.2222");
    source.Cost = money("5.0000");
    TkvfMatListItem target;
    RecordingMessages messages;
    CopyMaterial(target, source);
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(target.Article, source.Article);
    EXPECT_EQ(target.Quantity, source.Quantity);
    EXPECT_EQ(target.CatalogPrice, source.CatalogPrice);
    EXPECT_EQ(target.Price, source.Price);
    EXPECT_EQ(target.Cost, source.Cost);

    TkvfMatList list = {source, target};
    list[1].Article = QStringLiteral("ручка 7");
    EXPECT_EQ(FindMaterial(list, QStringLiteral("ручка 7")), &list[1]);
    EXPECT_EQ(FindMaterial(list, QStringLiteral("Ручка")), nullptr);
}

TEST(MatList, SortOrders)
{
    FakeModelServices services;
    services.names = {{"1", QStringLiteral("ёлка")}, {"2", QStringLiteral("Яблоко")},
                      {"3", QStringLiteral("ящик")}, {"4", QStringLiteral("Zeta")}};
    TkvfMatList list(4);
    const char *articles[] = {"3", "1", "4", "2"};
    for (int i = 0; i < 4; ++i)
        list[size_t(i)].Article = QString::fromLatin1(articles[i]);

    auto articlesOf = [&] {
        QStringList r;
        for (const auto &m : list)
            r << m.Article;
        return r;
    };
    SortMaterialsByArticle(list);
    EXPECT_EQ(articlesOf(), (QStringList{"1", "2", "3", "4"}));
    // Names compare by their Windows-1251 bytes: Latin, ё (0xB8), Я (0xDF), я (0xFF).
    SortMaterialsByName(list);
    EXPECT_EQ(articlesOf(), (QStringList{"4", "1", "2", "3"}));

    list[0].Article = "unknown";
    const QStringList before = articlesOf();
    EXPECT_THROW(SortMaterialsByName(list), Error);
    EXPECT_EQ(articlesOf(), before) << "a failed sort leaves the list as it was";
}
