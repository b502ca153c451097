// Set expansion: which rows of a set apply to a sash, and the item each
// applying row gives (quantity, length, colour, side, handle, parts).
#include "EngineTestSupport.h"
#include "core/Setup.h"
#include "engine/SetExpansion.h"

using namespace kv;
using kvtest::Catalogue;
using kvtest::items;
using kvtest::mainSet;
using kvtest::makePosition;
using kvtest::select;

namespace {

// Set T (right hand, handle on side 3) with one element E whose only article
// is ART-E; each case adds its own FrnSet rows.
const char *const kBase = R"(
INSERT INTO FrnComp (ID, Name, Direct, Image) VALUES ('T', 'Тестовый', 1, 1);
INSERT INTO FrnSide (ID, Side, Handled, HandleDirect) VALUES ('T', 3, 1, 0);
INSERT INTO FrnItem (ID, Name) VALUES ('E', 'Элемент');
INSERT INTO FrnArt (ID, CatalogID) VALUES ('E', 'ART-E');
INSERT INTO FrnProp (PropKey, ID) VALUES (7, 121);
)";

// Replaces the rows of set T by one row with the given fields.
void setRow(Catalogue &cat, const QVariantMap &fields)
{
    while (cat.dm.T_FrnSet.locate(QStringLiteral("ID"), QStringLiteral("T")))
        cat.dm.T_FrnSet.deleteRecord();
    QVariantMap row{{"ID", "T"}, {"Item", "E"}, {"Number", 1}};
    for (auto it = fields.begin(); it != fields.end(); ++it)
        row[it.key()] = it.value();
    cat.dm.T_FrnSet.appendRecord(row);
}

const QString kItemE = QStringLiteral("ART-E x1 L0.0 S0 P:T C:");

struct RowCase
{
    const char *name;
    QVariantMap fields;
    bool applies;
};

// 1000 x 1400 rectangle, single sash: FFB 100, FFH 140 cm; sides 1 left 1400,
// 2 top 1000, 3 right 1400, 4 bottom 1000 mm; right angles; stulp kind 6.
TEST(ExpandSet, SelectionTestsOnARectangle)
{
    Catalogue cat(QString::fromUtf8(kBase));
    const RowCase cases[] = {
        {"no conditions", {}, true},
        {"width at its minimum", {{"FFBMin", 100}}, true},
        {"width below the minimum", {{"FFBMin", 101}}, false},
        {"width at its maximum", {{"FFBMax", 100}}, true},
        {"width above the maximum", {{"FFBMax", 99}}, false},
        {"height above the maximum", {{"FFHMin", 50}, {"FFHMax", 139}}, false},
        {"height in range", {{"FFHMin", 140}, {"FFHMax", 200}}, true},
        {"height below the minimum", {{"FFHMin", 141}}, false},
        {"side 1 at its minimum", {{"FFL1No", 1}, {"FFL1Min", 1400}}, true},
        {"side 1 below the minimum", {{"FFL1No", 1}, {"FFL1Min", 1401}}, false},
        {"side 1 above the maximum", {{"FFL1No", 1}, {"FFL1Max", 1399}}, false},
        {"side 2 at its maximum", {{"FFL2No", 2}, {"FFL2Max", 1000}}, true},
        {"side 2 above the maximum", {{"FFL2No", 2}, {"FFL2Max", 999}}, false},
        {"unused side number is not checked", {{"FFL1No", 9}, {"FFL2No", -1}, {"FFR1No", 9}, {"FFANo", 9}}, true},
        {"radius type 1 admits a straight side", {{"FFR1No", 2}, {"FFR1Type", 1}}, true},
        {"arc type 2 rejects a straight side", {{"FFR2No", 2}, {"FFR2Type", 2}}, false},
        {"radius 0 below a maximum", {{"FFR1No", 2}, {"FFR1Max", 10}}, true},
        {"radius 0 below a minimum", {{"FFR1No", 2}, {"FFR1Min", 1}}, false},
        {"corner angle 90 in range", {{"FFANo", 1}, {"FFAMin", 90.0}, {"FFAMax", 90.0}}, true},
        {"corner angle above 89.99", {{"FFANo", 2}, {"FFAMax", 89.99}}, false},
        {"corner angle below 90.01", {{"FFANo", 4}, {"FFAMin", 90.01}}, false},
        {"stulp mask 0", {{"StulpType", 0}}, true},
        {"stulp mask 1 admits all", {{"StulpType", 1}}, true},
        {"stulp mask 64 is the single sash", {{"StulpType", 64}}, true},
        {"stulp mask 2 is kind 1 only", {{"StulpType", 2}}, false},
        {"stulp mask 66", {{"StulpType", 66}}, true},
        {"property key restricting the main set's choice", {{"PropKey", 7}}, false},
    };
    auto p = makePosition(1000, 1400);
    for (const RowCase &c : cases) {
        SCOPED_TRACE(c.name);
        setRow(cat, c.fields);
        ASSERT_EQ(select(p->Sash1(), mainSet("T", {"0=122"})), QString());
        EXPECT_EQ(items(p->Sash1()), c.applies ? QStringList{kItemE} : QStringList{});
    }
    // The property line of another category does not count for the main set.
    setRow(cat, {{"PropKey", 7}});
    ASSERT_EQ(select(p->Sash1(), mainSet("T", {"1=122"})), QString());
    EXPECT_EQ(items(p->Sash1()), QStringList{kItemE});
    EXPECT_TRUE(cat.filteredTables().isEmpty());
}

TEST(ExpandSet, RadiusAndArcKindOnAnArch)
{
    Catalogue cat(QString::fromUtf8(kBase));
    // Top side (2) a segment arc of radius 700 over a 1000 mm chord.
    auto p = makePosition(1000, 1400, 7, TkvfConstruction::SingleSash, 300, 0, 700);
    ASSERT_TRUE(p->Sash1().Line(1).IsSegmentArc());
    const RowCase cases[] = {
        {"segment arc admitted by 4", {{"FFR1No", 2}, {"FFR1Type", 4}}, true},
        {"segment arc admitted by 6", {{"FFR1No", 2}, {"FFR1Type", 6}}, true},
        {"semicircles only", {{"FFR1No", 2}, {"FFR1Type", 2}}, false},
        {"elliptic arcs only", {{"FFR2No", 2}, {"FFR2Type", 8}}, false},
        {"radius at its maximum", {{"FFR1No", 2}, {"FFR1Max", 700}}, true},
        {"radius above the maximum", {{"FFR1No", 2}, {"FFR1Max", 699}}, false},
        {"radius below the minimum", {{"FFR2No", 2}, {"FFR2Min", 701}}, false},
        {"straight side 1 for segment arcs", {{"FFR1No", 1}, {"FFR1Type", 4}}, false},
    };
    for (const RowCase &c : cases) {
        SCOPED_TRACE(c.name);
        setRow(cat, c.fields);
        ASSERT_EQ(select(p->Sash1(), mainSet("T")), QString());
        EXPECT_EQ(items(p->Sash1()), c.applies ? QStringList{kItemE} : QStringList{});
    }
}

TEST(ExpandSet, ErrorsOfTheDocumentation)
{
    Catalogue cat(QString::fromUtf8(kBase));
    const QString head = QStringLiteral("В БД наборов фурнитуры в комплекте [Тестовый]\r\nсодержится элемент фурнитуры "
                                        "[Элемент],\r\n");
    const QString cond = head + QStringLiteral("для которого определены условия установки, зависящие от\r\n");
    const QString calc = head + QStringLiteral("который использует принцип расчета, зависящий от\r\n");
    struct Case
    {
        const char *name;
        QVariantMap fields;
        QString text;
    } cases[] = {
        {"L1", {{"FFL1No", 5}, {"FFL1Min", 1}},
         cond + "длины стороны, на которую он устанавливается.\r\nНомер 1-ой расчетной стороны в условиях определен "
                "неверно!"},
        {"L2", {{"FFL2No", 0}, {"FFL2Max", 1}},
         cond + "длины стороны, на которую он устанавливается.\r\nНомер 2-ой расчетной стороны в условиях определен "
                "неверно!"},
        {"R1 by type alone", {{"FFR1No", 0}, {"FFR1Type", 2}},
         cond + "радиуса стороны, на которую он устанавливается.\r\nНомер 1-ой расчетной стороны в условиях "
                "определен неверно!"},
        {"R2", {{"FFR2No", 5}, {"FFR2Min", 1}},
         cond + "радиуса стороны, на которую он устанавливается.\r\nНомер 2-ой расчетной стороны в условиях "
                "определен неверно!"},
        {"A1", {{"FFANo", 5}, {"FFAMax", 180.0}},
         cond + "параметров угла, на который он устанавливается.\r\nНомер расчетного угла в условиях определен "
                "неверно!"},
        {"P0", {{"FFL22No", 1}, {"FFL22Min", 1}},
         cond + "длины стороны смежной створки.\r\nСмежная створка не установлена. Установите сначала створку."},
        {"S1", {{"Condition", 4}, {"Side1No", 0}},
         calc + "параметров стороны, на которую он устанавливается.\r\nНомер 1-ой расчетной стороны определен "
                "неверно!"},
        {"S1 by scale", {{"ScaleCondition", 3}, {"Side1No", 5}, {"ScaleStep", 1}},
         calc + "параметров стороны, на которую он устанавливается.\r\nНомер 1-ой расчетной стороны определен "
                "неверно!"},
        {"S2", {{"Condition", 10}, {"Side1No", 1}, {"Side2No", 5}},
         calc + "параметров стороны, на которую он устанавливается.\r\nНомер 2-ой расчетной стороны определен "
                "неверно!"},
        {"A2", {{"Condition", 7}, {"AngleNo", 0}},
         calc + "угла, на котором он устанавливается.\r\nНомер расчетного угла определен неверно!"},
        {"Z", {{"ScaleCondition", 2}, {"ScaleStep", 0}},
         head + "имеющий масштабирование и шаг равный нулю!"},
        {"M", {{"UseLen", 1}, {"LenFormula", "FFB - 10"}, {"MinLen", 1000}},
         head + "имеющий недопустимое расчетное значение длины 990,0 (Мин. допустимая длина = 1000)!\r\n(Одна из "
                "возможных причин - установлена недопустимая высота ручки при расчете тяги)"},
        {"partner article on a single sash", {{"UseIfArt", "ART-X"}},
         head + "для которого определена ссылка на артикул смежной штульповой створки.\r\nКомплект для смежной "
                "створки еще не определен. Установите сначала комплект на соседнюю створку!"},
        {"empty element", {{"Item", ""}},
         "В БД наборов фурнитуры в комплекте\r\n[Тестовый] содержится пустой элемент!"},
    };
    auto p = makePosition(1000, 1400);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        setRow(cat, c.fields);
        EXPECT_EQ(select(p->Sash1(), mainSet("T")), c.text);
        EXPECT_EQ(p->Sash1().Composition(), nullptr);
        EXPECT_TRUE(cat.filteredTables().isEmpty());
    }
    // A row that fails an earlier test never reaches its faulty side number.
    setRow(cat, {{"FFBMin", 500}, {"FFL1No", 5}, {"FFL1Min", 1}});
    EXPECT_EQ(select(p->Sash1(), mainSet("T")), QString());
    // A set that is not documented, and a set refused for a T-shaped sash.
    TSashChoice extra = mainSet("T");
    extra.AdditionalSets = QStringList{"NOPE"};
    EXPECT_EQ(select(p->Sash1(), extra), QStringLiteral("Комплект фурнитуры [NOPE] не найден в документации!"));
    p->OpenType = 402;
    EXPECT_EQ(select(p->Sash1(), mainSet("T")),
              QStringLiteral("Не допускается установка комплекта [T] на T-образную створку!"));
    cat.dm.T_FrnComp.locate(QStringLiteral("ID"), QStringLiteral("T"));
    cat.dm.T_FrnComp.updateRecord({{"TFlugelAvailable", 1}});
    EXPECT_EQ(select(p->Sash1(), mainSet("T")), QString());
    EXPECT_TRUE(cat.filteredTables().isEmpty());
}

TEST(ExpandSet, Quantities)
{
    Catalogue cat(QString::fromUtf8(kBase));
    struct Case
    {
        const char *name;
        qint32 b, h;
        QVariantMap fields;
        qint32 quantity;
    } cases[] = {
        {"fixed number", 1000, 1400, {{"Number", 3}}, 3},
        {"by FFB below the start", 790, 1400,
         {{"ScaleCondition", 1}, {"ScaleStart", 80}, {"ScaleStep", 40}, {"ScaleNum", 1}}, 1},
        {"by FFB at the start", 800, 1400,
         {{"ScaleCondition", 1}, {"ScaleStart", 80}, {"ScaleStep", 40}, {"ScaleNum", 1}}, 2},
        {"by FFB 119", 1190, 1400,
         {{"ScaleCondition", 1}, {"ScaleStart", 80}, {"ScaleStep", 40}, {"ScaleNum", 1}}, 2},
        {"by FFB 120", 1200, 1400,
         {{"ScaleCondition", 1}, {"ScaleStart", 80}, {"ScaleStep", 40}, {"ScaleNum", 1}}, 3},
        {"by FFH in pairs", 1000, 1400,
         {{"ScaleCondition", 2}, {"ScaleStart", 100}, {"ScaleStep", 20}, {"ScaleNum", 2}, {"Number", 0}}, 6},
        {"by FFH scheme", 1000, 1400,
         {{"ScaleCondition", 2}, {"ScaleScheme", "100;140;141"}, {"ScaleNum", 2}, {"Number", 1}}, 5},
        {"by side 1 scheme below", 1000, 999,
         {{"ScaleCondition", 3}, {"Side1No", 1}, {"ScaleScheme", "1000;2000"}, {"ScaleNum", 2}}, 1},
        {"by side 1 scheme from 1000", 1000, 1000,
         {{"ScaleCondition", 3}, {"Side1No", 1}, {"ScaleScheme", "1000;2000"}, {"ScaleNum", 2}}, 3},
        {"by side 1 scheme from 2000", 1000, 2000,
         {{"ScaleCondition", 3}, {"Side1No", 1}, {"ScaleScheme", "1000;2000"}, {"ScaleNum", 2}}, 5},
        {"by side 2 steps", 1000, 1400,
         {{"ScaleCondition", 4}, {"Side2No", 2}, {"ScaleStart", 400}, {"ScaleStep", 250}, {"ScaleNum", 1},
          {"Number", 0}}, 3},
        {"by side 2 below the start", 1000, 1400,
         {{"ScaleCondition", 4}, {"Side2No", 2}, {"ScaleStart", 1001}, {"ScaleStep", 250}, {"ScaleNum", 5}}, 1},
        {"unknown scale condition", 1000, 1400, {{"ScaleCondition", 9}, {"Number", 4}, {"ScaleNum", 7}}, 4},
        {"zero quantity gives no item", 1000, 1400, {{"Number", 0}}, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        setRow(cat, c.fields);
        auto p = makePosition(c.b, c.h);
        ASSERT_EQ(select(p->Sash1(), mainSet("T")), QString());
        EXPECT_EQ(items(p->Sash1()),
                  c.quantity ? QStringList{QStringLiteral("ART-E x%1 L0.0 S0 P:T C:").arg(c.quantity)}
                             : QStringList{});
    }
}

TEST(CountScaleThresholds, CountsIntegerEntriesUpToTheValue)
{
    EXPECT_EQ(CountScaleThresholds(QStringLiteral("800; 1200;x;1600"), 1300), 2);
    EXPECT_EQ(CountScaleThresholds(QString(), 1e9f), 0);
    EXPECT_EQ(CountScaleThresholds(QStringLiteral("1000"), 1000), 1);
    EXPECT_EQ(CountScaleThresholds(QStringLiteral("1000"), 999.5f), 0);
    EXPECT_EQ(CountScaleThresholds(QStringLiteral("-1;-2;;5"), 10), 2);
    EXPECT_EQ(CountScaleThresholds(QStringLiteral("1.5;2"), 10), 1);
}

TEST(ExpandSet, LengthColourSideAndComment)
{
    Catalogue cat(QString::fromUtf8(kBase) + QStringLiteral(R"(
INSERT INTO FrnItem (ID, Name, HasColor) VALUES ('C', 'Накладка', 1);
INSERT INTO FrnArt (ID, CatalogID, Color) VALUES ('C', 'C-WEISS', 'WEISS'), ('C', 'C-BRAUN', 'BRAUN'),
  ('C', 'C-SILBER', 'SILBER');
)"));
    struct Case
    {
        const char *name;
        QVariantMap fields;
        qint32 openType;
        QString item;
    } cases[] = {
        {"length by formula", {{"UseLen", 1}, {"LenFormula", "FFB - 10"}, {"MinLen", 990}}, 400,
         "ART-E x1 L990.0 S0 P:T C:"},
        {"formula without UseLen", {{"UseLen", 0}, {"LenFormula", "FFB - 10"}, {"MinLen", 5000}}, 400,
         "ART-E x1 L0.0 S0 P:T C:"},
        {"UseLen without formula", {{"UseLen", 1}, {"MinLen", 5000}}, 400, "ART-E x1 L0.0 S0 P:T C:"},
        {"side and note", {{"ItemSideNo", 3}, {"Note", "правая"}}, 400, "ART-E x1 L0.0 S3 P:T C:правая"},
        {"outer colour", {{"Item", "C"}, {"ColorCondition", 1}}, 400, "C-WEISS x1 L0.0 S0 P:T C:"},
        {"inner colour", {{"Item", "C"}, {"ColorCondition", 2}}, 400, "C-BRAUN x1 L0.0 S0 P:T C:"},
        {"by opening kind 1: outer", {{"Item", "C"}, {"ColorCondition", 3}}, 400, "C-WEISS x1 L0.0 S0 P:T C:"},
        {"by opening kind 0: inner", {{"Item", "C"}, {"ColorCondition", 3}}, 401, "C-BRAUN x1 L0.0 S0 P:T C:"},
        {"cover colour", {{"Item", "C"}, {"ColorCondition", 0}}, 400, "C-SILBER x1 L0.0 S0 P:T C:"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        setRow(cat, c.fields);
        auto p = makePosition(1000, 1400);
        p->OpenType = c.openType;
        ASSERT_EQ(select(p->Sash1(), mainSet("T")), QString());
        EXPECT_EQ(items(p->Sash1()), QStringList{c.item});
    }
}

TEST(ExpandSet, HandlePlacement)
{
    // Condition 2 with an article without its own height: half of FFH, 70.
    Catalogue cat(QString::fromUtf8(kBase) + QStringLiteral(R"(
INSERT INTO FrnSide (ID, Side, Handled, HandleDirect) VALUES ('T', 1, 0, 1);
UPDATE FrnSide SET HandleDirect = 1 WHERE ID = 'T' AND Side = 3;
)"));
    struct Case
    {
        const char *name;
        QVariantMap fields;
        bool ownHeight;
        qint32 side1, side3;
    } cases[] = {
        {"documented side", {{"HandleSideNo", 3}}, false, 0, 70},
        {"invalid side: the first handled one", {{"HandleSideNo", 9}}, false, 0, 70},
        {"no side: the first handled one", {{"HandleSideNo", 0}}, false, 0, 70},
        {"a side that takes no handle", {{"HandleSideNo", 1}}, false, 0, 700},
        {"own height keeps the user's", {{"HandleSideNo", 3}}, true, 0, 1100},
        {"no height definition", {{"HandleSideNo", 3}, {"DefineHandleHeight", 0}}, false, 0, 700},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QVariantMap fields{{"DefineHandleHeight", 1}, {"Condition", 2}};
        for (auto it = c.fields.begin(); it != c.fields.end(); ++it)
            fields[it.key()] = it.value();
        setRow(cat, fields);
        auto p = makePosition(1000, 1400);
        TSashChoice choice = mainSet("T");
        choice.OwnHandleHeight = c.ownHeight;
        choice.HandleHeight = 1100;
        cat.dm.T_FrnArt.locate(QStringLiteral("ID"), QStringLiteral("E"));
        cat.dm.T_FrnArt.updateRecord({{"FFHMin", 0}, {"FFHMax", 999}});
        ASSERT_EQ(select(p->Sash1(), choice), QString());
        EXPECT_EQ(p->Sash1().Line(0).HandleHeight, c.side1);
        EXPECT_EQ(p->Sash1().Line(2).HandleHeight, c.side3);
    }
}

TEST(ExpandSet, VirtualAndCompositeElements)
{
    Catalogue cat(QString::fromUtf8(kBase) + QStringLiteral(R"(
INSERT INTO FrnItem (ID, Name, Virtual) VALUES ('V', 'Виртуальный', 1);
INSERT INTO FrnArt (ID, CatalogID) VALUES ('V', 'ART-V');
INSERT INTO FrnItem (ID, Name) VALUES ('K', 'Составной'), ('P1', 'Часть 1'), ('P2', 'Часть 2'), ('P3', 'Часть 3'),
  ('P4', 'Часть 4');
INSERT INTO FrnArt (ID, CatalogID) VALUES ('K', 'ART-K'), ('P1', 'ART-P1'), ('P2', 'ART-P2'), ('P3', 'ART-P3'),
  ('P4', 'ART-P4');
INSERT INTO FrnItoI (ID, Item, Number, ItemSideNo, Note) VALUES ('V', 'P1', 2, 0, 'часть');
INSERT INTO FrnItoI (ID, Item, Number, ItemSideNo) VALUES ('K', 'P2', 3, 4);
INSERT INTO FrnItoI (ID, Item, Number, StulpType) VALUES ('K', 'P3', 1, 2);
INSERT INTO FrnItoI (ID, Item, Number, PropKey) VALUES ('K', 'P4', 1, 7);
)"));
    auto p = makePosition(1000, 1400);
    // The virtual element has no item of its own; its part takes its side and quantity.
    setRow(cat, {{"Item", "V"}, {"Number", 2}, {"ItemSideNo", 2}});
    ASSERT_EQ(select(p->Sash1(), mainSet("T")), QString());
    EXPECT_EQ(items(p->Sash1()), QStringList{"ART-P1 x4 L0.0 S2 P:T C:часть"});
    // A composite element with an article: its own item and the parts that apply
    // (P3 is for stulp kind 1 only, P4 needs property 121 of the main set).
    setRow(cat, {{"Item", "K"}, {"Number", 1}, {"ItemSideNo", 1}});
    ASSERT_EQ(select(p->Sash1(), mainSet("T", {"0=122"})), QString());
    EXPECT_EQ(items(p->Sash1()), (QStringList{"ART-K x1 L0.0 S1 P:T C:", "ART-P2 x3 L0.0 S4 P:T C:"}));
    ASSERT_EQ(select(p->Sash1(), mainSet("T", {"0=121"})), QString());
    EXPECT_EQ(items(p->Sash1()), (QStringList{"ART-K x1 L0.0 S1 P:T C:", "ART-P2 x3 L0.0 S4 P:T C:",
                                              "ART-P4 x1 L0.0 S1 P:T C:"}));
    // Quantities are 32-bit: (100 + 32767 + 1) x 32767 pieces of V fit, twice that does not.
    setRow(cat, {{"Item", "V"}, {"Number", 32767}, {"ScaleCondition", 1}, {"ScaleStep", 1}, {"ScaleNum", 32767}});
    EXPECT_EQ(select(p->Sash1(), mainSet("T")),
              QStringLiteral("Количество элемента фурнитуры [P1] выходит за допустимые пределы!"));
    // A part without an element name is a documentation fault.
    setRow(cat, {{"Item", "K"}});
    cat.dm.T_FrnItoI.appendRecord({{"ID", "K"}, {"Item", ""}});
    EXPECT_EQ(select(p->Sash1(), mainSet("T")),
              QStringLiteral("В составе составного элемента [Составной] содержится пустой элемент!"));
    EXPECT_TRUE(cat.filteredTables().isEmpty());
}

TEST(ExpandSet, DebugModeKeepsEveryElementWithItsHistory)
{
    Catalogue cat(QString::fromUtf8(kBase) + QStringLiteral(R"(
INSERT INTO FrnSet (ID, Item, Number) VALUES ('T', 'E', 1), ('T', 'E', 2);
)"));
    auto p = makePosition(1000, 1400);
    ASSERT_EQ(select(p->Sash1(), mainSet("T")), QString());
    EXPECT_EQ(items(p->Sash1()), QStringList{"ART-E x3 L0.0 S0 P:T C:"});
    cat.debugMode = true;
    ASSERT_EQ(select(p->Sash1(), mainSet("T")), QString());
    EXPECT_EQ(items(p->Sash1()), (QStringList{"ART-E x1 L0.0 S0 P:T C:", "ART-E x2 L0.0 S0 P:T C:"}));
    EXPECT_EQ(kvtest::histories(p->Sash1()),
              (QStringList{"Комплект:T -> Элемент:E -> Артикул:ART-E", "Комплект:T -> Элемент:E -> Артикул:ART-E"}));

    // Without a flag of its own the engine follows the settings object.
    cat.services.DebugMode = {};
    ASSERT_EQ(select(p->Sash1(), mainSet("T")), QString());
    EXPECT_EQ(items(p->Sash1()).size(), 1);
    TkvfSetup settings;
    settings.DebugMode = true;
    ASSERT_EQ(select(p->Sash1(), mainSet("T")), QString());
    EXPECT_EQ(items(p->Sash1()).size(), 2);
}

TEST(ExpandSet, PartnerSash)
{
    Catalogue cat(QString::fromUtf8(kBase) + QStringLiteral(R"(
INSERT INTO FrnComp (ID, Name, Direct) VALUES ('P', 'Пассивный', 2);
INSERT INTO FrnItem (ID, Name) VALUES ('PE', 'Пассивный элемент');
INSERT INTO FrnArt (ID, CatalogID) VALUES ('PE', 'ART-PE');
INSERT INTO FrnSet (ID, Item, Number) VALUES ('P', 'PE', 1);
)"));
    // Two sashes of 1000 x 1400 side by side, the right one main (stulp kind 1).
    auto p = makePosition(2000, 1400, 1, TkvfConstruction::RightMain, 1000, 1000);
    TkvfFlugel &left = p->Sash1();
    TkvfFlugel &right = p->Sash2();
    // No composition on the partner yet: the row cannot be tested.
    setRow(cat, {{"UseIfArt", "ART-PE"}});
    EXPECT_TRUE(select(right, mainSet("T")).contains(QStringLiteral("смежной штульповой створки")));
    ASSERT_EQ(select(left, mainSet("P")), QString());
    EXPECT_EQ(items(left), QStringList{"ART-PE x1 L0.0 S0 P:P C:"});
    ASSERT_EQ(select(right, mainSet("T")), QString());
    EXPECT_EQ(items(right), QStringList{kItemE});
    setRow(cat, {{"UseIfArt", "ART-OTHER"}});
    ASSERT_EQ(select(right, mainSet("T")), QString());
    EXPECT_EQ(items(right), QStringList{});

    const RowCase cases[] = {
        {"partner side 1 at its minimum", {{"FFL21No", 1}, {"FFL21Min", 1400}}, true},
        {"partner side 1 below", {{"FFL21No", 1}, {"FFL21Min", 1401}}, false},
        {"partner side 2 above", {{"FFL22No", 2}, {"FFL22Max", 999}}, false},
        {"stulp kind 1 by mask 2", {{"StulpType", 2}}, true},
        {"stulp mask 64 is for single sashes", {{"StulpType", 64}}, false},
    };
    for (const RowCase &c : cases) {
        SCOPED_TRACE(c.name);
        setRow(cat, c.fields);
        ASSERT_EQ(select(right, mainSet("T")), QString());
        EXPECT_EQ(items(right), c.applies ? QStringList{kItemE} : QStringList{});
    }
    // The partner's outline counts even without a composition.
    left.DropComposition();
    setRow(cat, {{"FFL21No", 3}, {"FFL21Min", 1400}});
    ASSERT_EQ(select(right, mainSet("T")), QString());
    EXPECT_EQ(items(right), QStringList{kItemE});
    setRow(cat, {{"FFL21No", 5}, {"FFL21Min", 1}});
    EXPECT_EQ(select(right, mainSet("T")),
              QStringLiteral("В БД наборов фурнитуры в комплекте [Тестовый]\r\nсодержится элемент фурнитуры "
                             "[Элемент],\r\nдля которого определены условия установки, зависящие от\r\nдлины стороны "
                             "смежной створки.\r\nНомер стороны смежной створки в условиях определен неверно!"));
    EXPECT_TRUE(cat.filteredTables().isEmpty());
}

} // namespace
