// Element and article resolution: the article filter built from the element's
// flags, the fallbacks, the alternatives choice and every error text.
#include "EngineTestSupport.h"
#include "engine/ArticleResolution.h"

using namespace kv;
using kvtest::Catalogue;
using kvtest::errorText;

namespace {

const QString kNotFound = QStringLiteral("В БД артикулов фурнитуры не найден подходящий\r\nартикул для элемента "
                                         "фурнитуры [%1]!\r\n\r\nИскомый запрос:\r\n%2");

// Sash values of the requests below.
ArticleRequest request(const QString &element)
{
    ArticleRequest r;
    r.ElementId = element;
    r.SetName = QStringLiteral("Комплект ПО");
    r.StrikeSystem = QStringLiteral("PS1");
    r.Required = true;
    r.Hand = 1;
    r.StulpKind = 6;
    r.Width = 100;
    r.Colour = QStringLiteral("WEISS");
    r.Params.ProfWidth = 64;
    r.Params.ProfThickness = 70;
    r.Params.FalzLuft = 12;
    r.Params.FalzSize = 20;
    r.Params.FalzPos = 9;
    r.Params.DornMass = 15;
    r.Params.OpenType = 1;
    r.FFB = 100;
    r.FFH = 141;
    r.L1 = 1000.5;
    r.L2 = 1410;
    r.R1 = 700;
    r.R2 = 0;
    r.A = 90;
    return r;
}

// Elements with their test flags; the test gives each an article row that
// matches nothing, so the not-found message shows the filter that was tried.
const char *const kFlags = R"(
INSERT INTO FrnItem (ID, Name) VALUES ('PLAIN', 'Простой');
INSERT INTO FrnItem (ID, Name, HasFalzLuft) VALUES ('LUFT', 'Люфт', 1);
INSERT INTO FrnItem (ID, Name, CheckThickness) VALUES ('THICK', 'Толщина', 1);
INSERT INTO FrnItem (ID, Name, CheckProfWidth, HasColor) VALUES ('WIDTHCOL', 'Ширина', 1, 1);
INSERT INTO FrnItem (ID, Name, HasFalzLuft, HasFalzSize, HasFalzPos, CheckWeight, HasDornMass, CheckThickness,
  CheckProfWidth, HasProfSys, CheckStulpType, CheckDirect, HasColor)
  VALUES ('ALL', 'Все признаки', 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1);
INSERT INTO FrnItem (ID, Name, HasProfSys) VALUES ('PROFSYS', 'Ответная', 1);
INSERT INTO FrnItem (ID, Name) VALUES ('QU''OTE', 'Кавычка');
)";

struct FilterCase
{
    const char *element;
    qint32 condition;
    const char *filter;
};

TEST(ResolveArticle, NotFoundMessageShowsTheFilterTried)
{
    Catalogue cat(QString::fromUtf8(kFlags));
    const FilterCase cases[] = {
        {"LUFT", 0, "FalzLuft = 12 and ID='LUFT' "},
        {"THICK", 0, "ThicknessMin <= 70 and ThicknessMax >= 70 and ID='THICK' "},
        {"WIDTHCOL", 0, "ProfWidthMin <= 100 and ProfWidthMax >= 100 and ID='WIDTHCOL' and Color = 'WEISS' "},
        {"ALL", 1,
         "FFBMin <= 100 and FFBMax >= 100 and FalzLuft = 12 and FalzSize = 20 and FalzPos = 9 and WeightMin <= 0.00 "
         "and  WeightMax >= 0.00 and DornMassMin <= 15.00 and DornMassMax >= 15.00  and ThicknessMin <= 70 and "
         "ThicknessMax >= 70  and ProfWidthMin <= 100 and ProfWidthMax >= 100 and ProfSys = 'PS1' and StulpType = 6 "
         "and (Direct = 3 or Direct = 1) and ID='ALL' and Color = 'WEISS' "},
        {"PLAIN", 2, "FFHMin <= 141 and FFHMax >= 141 and ID='PLAIN' "},
        {"PLAIN", 3, "FFBMin <= 100 and FFBMax >= 100 and FFHMin <= 141 and FFHMax >= 141 and ID='PLAIN' "},
        {"PLAIN", 4, "FFL1Min <= 1001 and FFL1Max >= 1001 and ID='PLAIN' "},
        {"PLAIN", 5, "FFL2Min <= 1410 and FFL2Max >= 1410 and ID='PLAIN' "},
        {"PLAIN", 6, "FFL1Min <= 1001 and FFL1Max >= 1001 and FFL2Min <= 1410 and FFL2Max >= 1410 and ID='PLAIN' "},
        {"PLAIN", 7, "FFAMin <= 90.00 and FFAMax >= 90.00 and ID='PLAIN' "},
        {"PLAIN", 8, "FFR1Min <= 700 and FFR1Max >= 700 and ID='PLAIN' "},
        {"PLAIN", 9, "FFR2Min <= 0 and FFR2Max >= 0 and ID='PLAIN' "},
        {"PLAIN", 10, "FFR1Min <= 700 and FFR1Max >= 700 and FFR2Min <= 0 and FFR2Max >= 0 and ID='PLAIN' "},
        {"LUFT", 11, "FalzLuft = 12 and ID='LUFT' "},
        {"QU'OTE", 1, "FFBMin <= 100 and FFBMax >= 100 and ID='QU''OTE' "},
    };
    for (const FilterCase &c : cases) {
        const QString element = QString::fromUtf8(c.element);
        SCOPED_TRACE(element.toStdString() + " condition " + std::to_string(c.condition));
        // One article row per element that no filter above matches.
        cat.dm.T_FrnArt.appendRecord({{"ID", element}, {"CatalogID", "X"}, {"FalzLuft", 99}, {"FFBMin", 999},
                                      {"FFHMin", 999}, {"FFL1Min", 9999}, {"FFL2Min", 9999}, {"FFAMin", 999},
                                      {"FFR1Min", 9999}, {"FFR2Min", 9999}, {"ThicknessMin", 999},
                                      {"ProfWidthMin", 999}, {"Color", "NONE"}, {"ProfSys", "NONE"},
                                      {"StulpType", 99}, {"Direct", 99}, {"WeightMin", 9}, {"DornMassMin", 99}});
        ArticleRequest r = request(element);
        r.Condition = c.condition;
        ResolvedArticle out;
        cat.dm.T_FrnItem.locate(QStringLiteral("ID"), element);
        const QString name = cat.dm.T_FrnItem.asString(QStringLiteral("Name"));
        EXPECT_EQ(errorText([&] { ResolveArticle(r, out, nullptr); }), kNotFound.arg(name, QString::fromUtf8(c.filter)));
        EXPECT_TRUE(cat.filteredTables().isEmpty());
        EXPECT_TRUE(out.Article.isEmpty());
    }
}

TEST(ResolveArticle, FailuresAndSilentOutcomes)
{
    Catalogue cat(QString::fromUtf8(R"(
INSERT INTO FrnItem (ID, Name, HasProfSys) VALUES ('PROFSYS', 'Ответная', 1);
INSERT INTO FrnItem (ID, Name) VALUES ('NOART', 'Без артикулов'), ('MISS', 'Не подходит'), ('EMPTY', 'Пустой');
INSERT INTO FrnArt (ID, CatalogID) VALUES ('PROFSYS', 'P1'), ('ORPHAN', 'O1'), ('EMPTY', '');
INSERT INTO FrnArt (ID, CatalogID, FFBMin, FFBMax) VALUES ('MISS', 'M1', 200, 300);
)"));
    ResolvedArticle out;
    ArticleRequest r = request(QStringLiteral("NOART"));
    // No article row at all: silently articleless, also when required.
    EXPECT_FALSE(ResolveArticle(r, out, nullptr));

    r = request(QStringLiteral("ORPHAN"));
    EXPECT_EQ(errorText([&] { ResolveArticle(r, out, nullptr); }),
              QStringLiteral("Элемент фурнитуры [ORPHAN] не найден в документации!"));

    r = request(QStringLiteral("PROFSYS"));
    r.StrikeSystem.clear();
    EXPECT_EQ(errorText([&] { ResolveArticle(r, out, nullptr); }),
              QStringLiteral("Для комплекта фурнитуры [Комплект ПО]\r\nне указана система ответных планок!"));

    r = request(QStringLiteral("MISS"));
    r.Condition = 1;
    r.AlertText = QStringLiteral("Нет петли для такой ширины");
    EXPECT_EQ(errorText([&] { ResolveArticle(r, out, nullptr); }), r.AlertText);
    r.Required = false;
    EXPECT_FALSE(ResolveArticle(r, out, nullptr));
    EXPECT_TRUE(out.Article.isEmpty());
    r.FFB = 250;
    EXPECT_TRUE(ResolveArticle(r, out, nullptr));
    EXPECT_EQ(out.Article, QStringLiteral("M1"));

    r = request(QStringLiteral("EMPTY"));
    EXPECT_EQ(errorText([&] { ResolveArticle(r, out, nullptr); }),
              QStringLiteral("В БД артикулов фурнитуры найден пустой\r\nартикул для элемента фурнитуры [Пустой]!"));
    EXPECT_TRUE(cat.filteredTables().isEmpty());
}

TEST(ResolveArticle, ColourFallbackAndHand)
{
    Catalogue cat(QString::fromUtf8(R"(
INSERT INTO FrnItem (ID, Name, HasColor) VALUES ('COL', 'Цветной', 1), ('UNCOL', 'Только без цвета', 1);
INSERT INTO FrnArt (ID, CatalogID, Color) VALUES ('COL', 'C-BRAUN', 'BRAUN'), ('COL', 'C-NONE', ''),
  ('COL', 'C-WEISS', 'WEISS'), ('UNCOL', 'U-NONE', ''), ('UNCOL', 'U-BRAUN', 'BRAUN');
INSERT INTO FrnItem (ID, Name, CheckDirect) VALUES ('DIR', 'По руке', 1);
INSERT INTO FrnItem (ID, Name) VALUES ('NODIR', 'Без руки');
INSERT INTO FrnArt (ID, CatalogID, Direct) VALUES ('DIR', 'D-BOTH', 3), ('NODIR', 'N-LEFT', 2);
INSERT INTO FrnArt (ID, CatalogID, Direct) VALUES ('DIR', 'D-LEFT', 2);
)"));
    ResolvedArticle out;
    ArticleRequest r = request(QStringLiteral("COL"));
    ASSERT_TRUE(ResolveArticle(r, out, nullptr));
    EXPECT_EQ(out.Article, QStringLiteral("C-WEISS"));
    // No article in the requested colour: the uncoloured one serves.
    r = request(QStringLiteral("UNCOL"));
    ASSERT_TRUE(ResolveArticle(r, out, nullptr));
    EXPECT_EQ(out.Article, QStringLiteral("U-NONE"));
    // Neither: the message shows the coloured filter.
    r.Colour = QStringLiteral("GOLD");
    cat.dm.T_FrnArt.locate(QStringLiteral("CatalogID"), QStringLiteral("U-NONE"));
    cat.dm.T_FrnArt.deleteRecord();
    EXPECT_EQ(errorText([&] { ResolveArticle(r, out, nullptr); }),
              kNotFound.arg(QStringLiteral("Только без цвета"), QStringLiteral("ID='UNCOL' and Color = 'GOLD' ")));

    // Direct 3 serves both hands; hand 1 has nothing else, hand 2 has two rows.
    r = request(QStringLiteral("DIR"));
    ASSERT_TRUE(ResolveArticle(r, out, nullptr));
    EXPECT_EQ(out.Article, QStringLiteral("D-BOTH"));
    kvtest::ScriptedChooser chooser;
    r.Hand = 2;
    ASSERT_TRUE(ResolveArticle(r, out, &chooser));
    ASSERT_EQ(chooser.offered.size(), 1u);
    EXPECT_EQ(chooser.offered[0].Articles, (QStringList{"D-BOTH", "D-LEFT"}));
    // Without CheckDirect the article's Direct does not matter.
    r = request(QStringLiteral("NODIR"));
    ASSERT_TRUE(ResolveArticle(r, out, nullptr));
    EXPECT_EQ(out.Article, QStringLiteral("N-LEFT"));
    EXPECT_TRUE(cat.filteredTables().isEmpty());
}

TEST(ResolveArticle, AlternativesTakeTheRowTheChooserLeaves)
{
    Catalogue cat(QString::fromUtf8(R"(
INSERT INTO FrnItem (ID, Name) VALUES ('ALT', 'Ножницы');
INSERT INTO FrnArt (ID, CatalogID, HandleHeight) VALUES ('ALT', 'S-800', 0), ('ALT', 'S-600', 0), ('ALT', 'S-400', 0);
)"));
    ResolvedArticle out;
    ArticleRequest r = request(QStringLiteral("ALT"));
    kvtest::ScriptedChooser chooser;
    ASSERT_TRUE(ResolveArticle(r, out, &chooser));
    // The rows come in CatalogID order; a cancelled choice leaves the first.
    EXPECT_EQ(out.Article, QStringLiteral("S-400"));
    ASSERT_EQ(chooser.offered.size(), 1u);
    EXPECT_EQ(chooser.offered[0].ElementId, QStringLiteral("ALT"));
    EXPECT_EQ(chooser.offered[0].ElementName, QStringLiteral("Ножницы"));
    EXPECT_EQ(chooser.offered[0].Articles, (QStringList{"S-400", "S-600", "S-800"}));
    chooser.pick = 3;
    ASSERT_TRUE(ResolveArticle(r, out, &chooser));
    EXPECT_EQ(out.Article, QStringLiteral("S-800"));
    EXPECT_TRUE(cat.filteredTables().isEmpty());

    // kvf's chooser keeps the first row and names the element and the articles.
    QStringList warnings;
    FirstArticleChooser first([&](const QString &w) { warnings << w; });
    ASSERT_TRUE(ResolveArticle(r, out, &first));
    EXPECT_EQ(out.Article, QStringLiteral("S-400"));
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings[0].contains(QStringLiteral("[ALT]")));
    EXPECT_TRUE(warnings[0].contains(QStringLiteral("S-400, S-600, S-800")));
    // Without a chooser the first row is taken.
    ASSERT_TRUE(ResolveArticle(r, out, nullptr));
    EXPECT_EQ(out.Article, QStringLiteral("S-400"));
}

TEST(ResolveArticle, HandleHeight)
{
    Catalogue cat(QString::fromUtf8(R"(
INSERT INTO FrnItem (ID, Name) VALUES ('GEAR', 'Привод'), ('FIXED', 'Привод с высотой');
INSERT INTO FrnArt (ID, CatalogID, FFBMin, FFBMax, FFHMin, FFHMax, FFL1Min, FFL1Max, FFL2Min, FFL2Max)
  VALUES ('GEAR', 'G1', 0, 999, 0, 999, 0, 9999, 0, 9999);
INSERT INTO FrnArt (ID, CatalogID, HandleHeight, FFHMin, FFHMax) VALUES ('FIXED', 'F1', 1050, 0, 999);
)"));
    struct Case
    {
        const char *element;
        qint32 condition;
        bool define;
        qint32 expected;
    } cases[] = {
        {"GEAR", 2, true, 71},   // half of FFH 141 cm, rounded half away
        {"GEAR", 1, true, 50},   // half of FFB 100 cm
        {"GEAR", 3, true, 0},    // both sizes: no handle size
        {"GEAR", 4, true, 500},  // half of L1 1000.5 mm = 500.25
        {"GEAR", 5, true, 705},  // half of L2 1410 mm
        {"GEAR", 6, true, 500},  // L1 again
        {"GEAR", 0, true, 0},
        {"GEAR", 2, false, 0},   // no definition: no height
        {"FIXED", 2, true, 1050},
        {"FIXED", 2, false, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.element) + " condition " + std::to_string(c.condition));
        ArticleRequest r = request(QString::fromUtf8(c.element));
        r.Condition = c.condition;
        r.DefineHandleHeight = c.define;
        ResolvedArticle out;
        ASSERT_TRUE(ResolveArticle(r, out, nullptr));
        EXPECT_EQ(out.HandleHeight, c.expected);
    }
}

TEST(SetNames, FoundAndMissing)
{
    Catalogue cat(QStringLiteral("INSERT INTO FrnComp (ID, Name) VALUES ('DK-1', 'Поворотно-откидной');"));
    EXPECT_EQ(GetSetName(QStringLiteral("DK-1")), QStringLiteral("Поворотно-откидной"));
    EXPECT_EQ(errorText([] { GetSetName(QStringLiteral("dk-1")); }),
              QStringLiteral("В БД комплектов фурнитур отсутствуют\r\nданные для комплекта [dk-1]"));
    QString name = QStringLiteral("old");
    EXPECT_TRUE(FindSetName(QStringLiteral("DK-1"), name));
    EXPECT_EQ(name, QStringLiteral("Поворотно-откидной"));
    EXPECT_FALSE(FindSetName(QStringLiteral("DK-2"), name));
    EXPECT_TRUE(name.isEmpty());
}

} // namespace
