// The selection run for one sash: preparation checks, the set slots, strike
// plates, covers, accessories, zero quantities and the final order.
#include "EngineTestSupport.h"
#include "engine/FittingsSelection.h"

using namespace kv;
using kvtest::Catalogue;
using kvtest::items;
using kvtest::mainSet;
using kvtest::makePosition;
using kvtest::select;

namespace {

// Main set M puts two locking pieces ART-1 on side 3. The strike-plate rows of
// ART-1 test every condition of the strike-plate filter; covers and
// accessories hang off ART-1, the strike plate and the cover.
const char *const kDoc = R"(
INSERT INTO FrnComp (ID, Name, Direct) VALUES ('M', 'Основной', 1), ('H', 'Ручка', 0), ('A', 'Дополнительный', 0);
INSERT INTO FrnItem (ID, Name) VALUES ('E1', 'Запор'), ('E2', 'Ручка'), ('E3', 'Доп');
INSERT INTO FrnArt (ID, CatalogID) VALUES ('E1', 'ART-1'), ('E2', 'ART-2'), ('E3', 'ART-3');
INSERT INTO FrnSet (ID, Item, Number, ItemSideNo, Note) VALUES ('M', 'E1', 2, 3, 'запор');
INSERT INTO FrnSet (ID, Item, Number, PropKey) VALUES ('H', 'E2', 1, 7), ('A', 'E3', 1, 7);
INSERT INTO FrnProp (PropKey, ID) VALUES (7, 121);

INSERT INTO FrnItem (ID, Name, HasProfSys) VALUES ('SP', 'Ответная планка', 1);
INSERT INTO FrnItem (ID, Name) VALUES ('SP-SIDE4', 'Планка стороны 4'), ('SP-STULP1', 'Планка штульпа 1'),
  ('SP-STULP6', 'Планка одностворчатая'), ('SP-SET', 'Планка чужого комплекта'), ('SP-PROP', 'Планка по свойству');
INSERT INTO FrnItem (ID, Name, CommonGrp) VALUES ('SP-G1200', 'Планка группы 12', 1200),
  ('SP-G1206', 'Планка системы 1206', 1206), ('SP-G1205', 'Планка системы 1205', 1205),
  ('SP-G1300', 'Планка группы 13', 1300);
INSERT INTO FrnArt (ID, CatalogID, ProfSys) VALUES ('SP', 'SCHL-1', 'PS1');
INSERT INTO FrnArt (ID, CatalogID) VALUES ('SP-SIDE4', 'SCHL-SIDE4'), ('SP-STULP1', 'SCHL-STULP1'),
  ('SP-STULP6', 'SCHL-STULP6'), ('SP-SET', 'SCHL-SET'), ('SP-PROP', 'SCHL-PROP'), ('SP-G1200', 'SCHL-G1200'),
  ('SP-G1206', 'SCHL-G1206'), ('SP-G1205', 'SCHL-G1205'), ('SP-G1300', 'SCHL-G1300');
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ART-1', 'SP', 1), ('ART-1', 'SP-G1200', 1),
  ('ART-1', 'SP-G1206', 1), ('ART-1', 'SP-G1205', 1), ('ART-1', 'SP-G1300', 1);
INSERT INTO FrnSchl (CatalogID, Item, Number, ItemSideNo) VALUES ('ART-1', 'SP-SIDE4', 1, 4);
INSERT INTO FrnSchl (CatalogID, Item, Number, StulpType) VALUES ('ART-1', 'SP-STULP1', 1, 1), ('ART-1', 'SP-STULP6', 3, 6);
INSERT INTO FrnSchl (CatalogID, Item, Number, ItemComplectID) VALUES ('ART-1', 'SP-SET', 1, 'OTHER');
INSERT INTO FrnSchl (CatalogID, Item, Number, PropKey) VALUES ('ART-1', 'SP-PROP', 1, 7);
-- a strike plate listed for a cover article is never looked at
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ABD-S', 'SP', 1);

INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ART-1', 'SILBER', 'ABD-S', 1),
  ('ART-1', '', 'ABD-0', 1), ('ART-1', 'GOLD', 'ABD-G', 1), ('SCHL-1', '', 'ABD-SCHL', 2),
  ('SCHL-STULP6', 'GOLD', 'ABD-STULP6-G', 1);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ART-1', 'DOP-1', 2), ('ABD-S', 'DOP-ABD', 1);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number, PropKey) VALUES ('ART-1', 'DOP-PROP', 1, 7);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number, StulpType) VALUES ('ART-1', 'DOP-STULP1', 1, 1);
)";

TEST(SelectFittings, StrikePlatesCoversAndAccessories)
{
    Catalogue cat(QString::fromUtf8(kDoc));
    auto p = makePosition(1000, 1400);
    p->StulpType = 301; // a single sash tests stulp kind 6 whatever the code
    ASSERT_EQ(select(p->Sash1(), mainSet("M", {"0=122"})), QString());
    EXPECT_EQ(items(p->Sash1()), (QStringList{
                                     // cover in the chosen colour SILBER, so not the uncoloured ABD-0
                                     "ABD-S x2 L0.0 S3 P:M C:запор",
                                     // cover of the strike plate: 2 per plate
                                     "ABD-SCHL x4 L0.0 S3 P:M C:запор",
                                     // the set's own element: 2 pieces on side 3
                                     "ART-1 x2 L0.0 S3 P:M C:запор",
                                     // accessory of ART-1, 2 per piece; of the cover, 1 per cover
                                     "DOP-1 x4 L0.0 S3 P:M C:запор",
                                     "DOP-ABD x2 L0.0 S3 P:M C:запор",
                                     // strike plate for any side, stulp and set, system profile PS1
                                     "SCHL-1 x2 L0.0 S3 P:M C:запор",
                                     // system group 1200 admits 1205; 1205 exactly
                                     "SCHL-G1200 x2 L0.0 S3 P:M C:запор",
                                     "SCHL-G1205 x2 L0.0 S3 P:M C:запор",
                                     // stulp kind 6 of the single sash, 3 per piece
                                     "SCHL-STULP6 x6 L0.0 S3 P:M C:запор",
                                 }));
    // The property admits SP-PROP and DOP-PROP with the main set's value 121 only.
    ASSERT_EQ(select(p->Sash1(), mainSet("M", {"0=121"})), QString());
    const QStringList withProperty = items(p->Sash1());
    EXPECT_TRUE(withProperty.contains(QStringLiteral("SCHL-PROP x2 L0.0 S3 P:M C:запор")));
    EXPECT_TRUE(withProperty.contains(QStringLiteral("DOP-PROP x2 L0.0 S3 P:M C:запор")));
    EXPECT_TRUE(cat.filteredTables().isEmpty());
}

TEST(SelectFittings, TwoSashStulpKindAndUncolouredCovers)
{
    Catalogue cat(QString::fromUtf8(kDoc));
    auto p = makePosition(2000, 1400, 2, TkvfConstruction::LeftMain, 1000, 1000);
    p->FurnColor = QStringLiteral("WEISS"); // no cover of this colour: the uncoloured one
    p->FurnSys = QStringLiteral("1299");    // outside 1205 and 1206, inside group 1200
    // No value of the property chosen: the rows with its key apply.
    ASSERT_EQ(select(p->Sash1(), mainSet("M")), QString());
    EXPECT_EQ(items(p->Sash1()), (QStringList{
                                     "ABD-0 x2 L0.0 S3 P:M C:запор",
                                     "ABD-SCHL x4 L0.0 S3 P:M C:запор",
                                     "ART-1 x2 L0.0 S3 P:M C:запор",
                                     "DOP-1 x4 L0.0 S3 P:M C:запор",
                                     "DOP-PROP x2 L0.0 S3 P:M C:запор",
                                     // stulp kind 1 of code 300
                                     "DOP-STULP1 x2 L0.0 S3 P:M C:запор",
                                     "SCHL-1 x2 L0.0 S3 P:M C:запор",
                                     "SCHL-G1200 x2 L0.0 S3 P:M C:запор",
                                     "SCHL-PROP x2 L0.0 S3 P:M C:запор",
                                     "SCHL-STULP1 x2 L0.0 S3 P:M C:запор",
                                 }));
    // A system number that is no number passes every group test.
    p->FurnSys = QStringLiteral("SYS");
    ASSERT_EQ(select(p->Sash1(), mainSet("M")), QString());
    const QStringList any = items(p->Sash1());
    for (const char *a : {"SCHL-G1200", "SCHL-G1205", "SCHL-G1206", "SCHL-G1300"})
        EXPECT_TRUE(any.contains(QStringLiteral("%1 x2 L0.0 S3 P:M C:запор").arg(QLatin1String(a)))) << a;
}

TEST(SelectFittings, SlotsAndTheirCategories)
{
    Catalogue cat(QString::fromUtf8(kDoc));
    auto p = makePosition(1000, 1400);
    TSashChoice choice = mainSet("M", {"1=121", "0=122"});
    choice.Handle = QStringLiteral("H");
    choice.AdditionalSets = QStringList{"", "A"};
    // The handle slot reads category 1 (admitted), the additional set category 0 (not).
    ASSERT_EQ(select(p->Sash1(), choice), QString());
    QStringList got = items(p->Sash1());
    EXPECT_TRUE(got.contains(QStringLiteral("ART-2 x1 L0.0 S0 P:H C:")));
    EXPECT_FALSE(got.join(QLatin1Char(' ')).contains(QStringLiteral("ART-3")));
    choice.Properties = QStringList{"1=122", "0=121"};
    ASSERT_EQ(select(p->Sash1(), choice), QString());
    got = items(p->Sash1());
    EXPECT_FALSE(got.join(QLatin1Char(' ')).contains(QStringLiteral("ART-2")));
    EXPECT_TRUE(got.contains(QStringLiteral("ART-3 x1 L0.0 S0 P:A C:")));
}

TEST(SelectFittings, PreparationChecksInOrder)
{
    Catalogue cat(QString::fromUtf8(kDoc) + QStringLiteral(R"(
INSERT INTO ParamList (ID, Name, FalzLuft, FalzSize, FalzPos) VALUES (102, 'Фальц без позиции', 12, 20, 0);
)"));
    struct Case
    {
        const char *name;
        qint32 falz, dorn, open, stulp;
        quint8 arrangement;
        const char *mainSet;
        QString text;
    } cases[] = {
        {"rebate code missing", 150, 200, 400, 300, 2, "M",
         "В БД параметров фальца отсутствуют данные для кода [150]!"},
        {"dorn code missing", 100, 299, 400, 300, 2, "M",
         "В БД параметров дорнмасса отсутствуют данные для кода [299]!"},
        {"opening code missing", 100, 200, 499, 300, 2, "M",
         "В БД типов открываний створок отсутствуют данные для кода [499]!"},
        {"dorn 0 before the rebate", 101, 201, 400, 300, 2, "M", "Не определена величина 'Дормасс'!"},
        {"rebate luft 0", 101, 200, 400, 300, 2, "M", "В документации не установлены\r\nпараметры фальца 0/20-9!"},
        {"rebate position 0", 102, 200, 400, 300, 2, "M",
         "В документации не установлены\r\nпараметры фальца 12/20-0!"},
        {"main set missing", 100, 200, 400, 300, 2, "NOPE", "Комплект фурнитуры [NOPE] не найден в документации!"},
        {"no main set", 100, 200, 400, 300, 2, "", "Комплект фурнитуры [] не найден в документации!"},
        {"stulp code missing on two sashes", 100, 200, 400, 399, 0, "M",
         "В БД типов штульпа отсутствуют данные для кода [399]!"},
        {"stulp code not read for a single sash", 100, 200, 400, 399, 2, "M", ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        auto p = c.arrangement == TkvfConstruction::SingleSash
                     ? makePosition(1000, 1400)
                     : makePosition(2000, 1400, 2, c.arrangement, 1000, 1000);
        p->FalzType = c.falz;
        p->OpenType = c.open;
        p->StulpType = c.stulp;
        TSashChoice choice = mainSet(QString::fromUtf8(c.mainSet));
        choice.Dorn = c.dorn;
        choice.Handle = QStringLiteral("H"); // so that a choice without main set is still a choice
        EXPECT_EQ(select(p->Sash1(), choice), c.text);
        EXPECT_EQ(p->Sash1().Composition() == nullptr, !c.text.isEmpty());
        EXPECT_TRUE(cat.filteredTables().isEmpty());
    }
}

TEST(SelectFittings, StrikePlateErrors)
{
    Catalogue cat(QString::fromUtf8(kDoc));
    auto p = makePosition(1000, 1400);
    p->ProfSys = QStringLiteral("PS2");
    EXPECT_EQ(select(p->Sash1(), mainSet("M")),
              QStringLiteral("В БД артикулов фурнитуры не найден подходящий\r\nартикул для элемента фурнитуры "
                             "[Ответная планка]!\r\n\r\nИскомый запрос:\r\nProfSys = 'PS2' and ID='SP' "));
    p->ProfSys.clear();
    EXPECT_EQ(select(p->Sash1(), mainSet("M")),
              QStringLiteral("Для комплекта фурнитуры [Подбор ответных планок]\r\nне указана система ответных планок!"));
    EXPECT_TRUE(cat.filteredTables().isEmpty());
}

TEST(SelectFittings, ZeroQuantitiesGoAndArticlesSortByCharacterCode)
{
    Catalogue cat(QString::fromUtf8(R"(
INSERT INTO FrnComp (ID, Name) VALUES ('S', 'Сортировка');
INSERT INTO FrnItem (ID, Name) VALUES ('I1', '1'), ('I2', '2'), ('I3', '3'), ('I4', '4'), ('I5', '5');
INSERT INTO FrnArt (ID, CatalogID) VALUES ('I1', 'b'), ('I2', 'Я'), ('I3', 'B'), ('I4', 'a'), ('I5', 'ZERO');
INSERT INTO FrnSet (ID, Item, Number) VALUES ('S', 'I1', 1), ('S', 'I2', 1), ('S', 'I3', 1), ('S', 'I4', 1),
  ('S', 'I5', 2), ('S', 'I5', -2);
)"));
    auto p = makePosition(1000, 1400);
    ASSERT_EQ(select(p->Sash1(), mainSet("S")), QString());
    // Two rows of I5 merge to 0 pieces and are dropped.
    EXPECT_EQ(items(p->Sash1()), (QStringList{"B x1 L0.0 S0 P:S C:", "a x1 L0.0 S0 P:S C:", "b x1 L0.0 S0 P:S C:",
                                              "Я x1 L0.0 S0 P:S C:"}));
}

TEST(SelectFittings, CatalogueChangesBetweenRunsAreSeen)
{
    Catalogue cat(QString::fromUtf8(R"(
INSERT INTO FrnComp (ID, Name) VALUES ('S', 'Набор');
INSERT INTO FrnItem (ID, Name) VALUES ('I1', 'Элемент');
INSERT INTO FrnArt (ID, CatalogID) VALUES ('I1', 'A1');
INSERT INTO FrnSet (ID, Item, Number) VALUES ('S', 'I1', 1);
INSERT INTO Catalog (ID, Name) VALUES ('A1', 'Артикул');
)"));
    auto p = makePosition(1000, 1400);
    ASSERT_EQ(select(p->Sash1(), mainSet("S")), QString());
    EXPECT_EQ(items(p->Sash1()), QStringList{"A1 x1 L0.0 S0 P:S C:"});
    // A virtual article never becomes an item.
    ASSERT_TRUE(cat.dm.T_Catalog.locate(QStringLiteral("ID"), QStringLiteral("A1")));
    cat.dm.T_Catalog.updateRecord({{"Virtual", 1}});
    ASSERT_EQ(select(p->Sash1(), mainSet("S")), QString());
    EXPECT_EQ(items(p->Sash1()), QStringList{});
    // The element turned virtual: no article search, no item.
    cat.dm.T_Catalog.updateRecord({{"Virtual", 0}});
    ASSERT_TRUE(cat.dm.T_FrnItem.locate(QStringLiteral("ID"), QStringLiteral("I1")));
    cat.dm.T_FrnItem.updateRecord({{"Virtual", 1}});
    ASSERT_EQ(select(p->Sash1(), mainSet("S")), QString());
    EXPECT_EQ(items(p->Sash1()), QStringList{});
    // Back to a real element, now with its article row removed: articleless.
    cat.dm.T_FrnItem.updateRecord({{"Virtual", 0}});
    ASSERT_TRUE(cat.dm.T_FrnArt.locate(QStringLiteral("ID"), QStringLiteral("I1")));
    cat.dm.T_FrnArt.deleteRecord();
    ASSERT_EQ(select(p->Sash1(), mainSet("S")), QString());
    EXPECT_EQ(items(p->Sash1()), QStringList{});
}

TEST(SelectFittings, DebugModeHistories)
{
    Catalogue cat(QString::fromUtf8(kDoc));
    cat.debugMode = true;
    auto p = makePosition(1000, 1400);
    ASSERT_EQ(select(p->Sash1(), mainSet("M", {"0=122"})), QString());
    const TkvfFurnComp &comp = *p->Sash1().Composition();
    QStringList got;
    for (int i = 0; i < comp.Count(); ++i)
        got << comp.Item(i).Article + QStringLiteral(" | ") + comp.Item(i).History;
    const QString set = QStringLiteral("Комплект:M -> Элемент:E1 -> Артикул:ART-1");
    const QString plate = set + QStringLiteral(" -> Элемент:SP -> Артикул:SCHL-1");
    EXPECT_TRUE(got.contains(QStringLiteral("ART-1 | ") + set));
    EXPECT_TRUE(got.contains(QStringLiteral("SCHL-1 | ") + plate));
    EXPECT_TRUE(got.contains(QStringLiteral("ABD-SCHL | ") + plate + QStringLiteral(" -> Артикул:ABD-SCHL")));
    EXPECT_TRUE(got.contains(QStringLiteral("DOP-ABD | ") + set + QStringLiteral(" -> Артикул:ABD-S -> Артикул:DOP-ABD")));
    EXPECT_EQ(got.size(), 9);
}

} // namespace
