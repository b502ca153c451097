// Catalogue lookups, currency rates and article prices.
#include "support/CatalogFixture.h"
#include "support/QStringPrinter.h"
#include "core/PricingContext.h"
#include "engine/CatalogLookups.h"
#include "engine/CatalogPricing.h"
#include "model/CurrencyItem.h"
#include "tools/Errors.h"
#include "tools/RecordingMessages.h"

#include <gtest/gtest.h>
#include <functional>

using namespace kv;

namespace {

const char *const Catalogue =
    "insert into Currency(ID, Name, Value, Dec, Nominative, Genitive, GenitivePlural, Gender) values "
    "(1,'EUR',2.5,2,'евро','евро','евро',2),(2,'RUB',1.25,2,'рубль','рубля','рублей',0),"
    "(3,'CNY',0.1,1,'юань','юаня','юаней',0),(4,'BAS',1,4,'','','',0),(5,'THR',0.3,2,'','','',0);"
    "insert into PriceGrp(GroupID, Name, Reduce_1, Reduce_2) values (5,'Скидка',-10,3.25),(6,'Наценка',5.5,0);"
    "insert into Catalog(ID, Name, Unit, ProdArticle, ProdArticle2, UseArticle, Price, Currency, PriceGrp, Virtual) values "
    "('A1','Петля','шт','P-1','P-2',2,10,1,5,0),"
    "('A2','Ручка','шт','H-1','H-2',1,10,1,0,1),"
    "('A3','Штанга','м','','',0,10,7,0,0),"
    "('A4','Винт','шт','','',0,100000,3,0,0),"
    "('A5','Упор','шт','','',0,10,1,77,0),"
    "('A6','Шайба','шт','','',0,1,3,6,0),"
    "('a1','строчные','шт','','',0,1,1,0,0);"
    "insert into FrnComp(ID, Name, \"Group\", ScrColor, Image, Printable, PrintName) values "
    "('SET1','Основной',11,255,7,1,'Комплект 1'),('SET2','Без печати',12,0,0,0,'Скрытый');"
    "insert into FrnSide(ID, Side, HandleDirect) values ('SET1',1,2),('SET1',2,1);"
    "insert into SysList(ID, Name, CommonGrp, BaseColor) values ('SYS','Система',300,'W');"
    "insert into SysProf(SchlSysID, FurnSysID, Name) values ('PS','100','Ответные');"
    "insert into COLORSET(Color, Name) values ('W','Белый');"
    "insert into ParamList(ID, Name, FalzLuft, FalzSize, FalzPos, DornMass, StulpType, OpenType) values "
    "(112,'Фальц 12',12,20,9,0,0,0),(235,'Дорн 35',0,0,0,35.5,0,0),(302,'Штульп',0,0,0,0,2,0),"
    "(401,'Поворотное',0,0,0,0,0,3),(501,'Вне видов',5,5,5,5,5,5);";

class Lookups : public ::testing::Test
{
protected:
    void SetUp() override
    {
        f.sql(QString::fromUtf8(Catalogue));
        ASSERT_TRUE(f.dm.OpenCatalogTables());
        ASSERT_EQ(TDM::instance(), &f.dm);
        LoadRates(&rates);
        pricingContext() = PricingContext{&rates, 2, 20.0f};
    }
    void TearDown() override { pricingContext() = PricingContext{}; }

    kvtest::CatalogFixture f;
    TkvfCurrencyList rates;
};

QString errorOf(const std::function<void()> &call)
{
    try {
        call();
    } catch (const Error &e) {
        return e.text();
    }
    return QStringLiteral("<no error>");
}

const QString ErrN = QStringLiteral("В каталоге отсутствуют данные для [%1]!\r\n(Поиск [Наименование] через [Код])");

} // namespace

TEST_F(Lookups, ArticleReadsWithTheirDefaultsAndErrors)
{
    EXPECT_TRUE(LocateArticle(QStringLiteral("A1")));
    EXPECT_FALSE(LocateArticle(QStringLiteral("a2")));
    EXPECT_EQ(GetArticleName(QStringLiteral("A1"), false), QStringLiteral("Петля"));
    EXPECT_EQ(GetArticleName(QStringLiteral("a1"), false), QStringLiteral("строчные"));
    EXPECT_EQ(GetArticleName(QStringLiteral("ZZ"), true), QString());
    EXPECT_EQ(errorOf([] { GetArticleName(QStringLiteral("ZZ"), false); }), ErrN.arg(QStringLiteral("ZZ")));
    EXPECT_EQ(GetArticleUnit(QStringLiteral("A3")), QStringLiteral("м"));
    EXPECT_EQ(errorOf([] { GetArticleUnit(QStringLiteral("ZZ")); }),
              QStringLiteral("В каталоге отсутствуют данные для [ZZ]!\r\n(Поиск [Ед.изм] через [Код])"));

    const ArticleInfo info = GetArticleInfo(QStringLiteral("A1"), false);
    EXPECT_EQ(info.ProdArticle, QStringLiteral("P-1"));
    EXPECT_EQ(info.ProdArticle2, QStringLiteral("P-2"));
    EXPECT_EQ(info.Name, QStringLiteral("Петля"));
    EXPECT_EQ(info.Unit, QStringLiteral("шт"));
    const ArticleInfo none = GetArticleInfo(QStringLiteral("ZZ"), true);
    EXPECT_TRUE(none.ProdArticle.isEmpty() && none.Name.isEmpty() && none.Unit.isEmpty());
    const QString errA = QStringLiteral("В каталоге отсутствуют данные для [ZZ]!\r\n(Поиск [Артикул производителя] через [Код])");
    EXPECT_EQ(errorOf([] { GetArticleInfo(QStringLiteral("ZZ"), false); }), errA);

    struct MakerCase
    {
        const char *code;
        int which;
        const char *expected;
    } makers[] = {{"A1", 0, "P-2"}, {"A1", 1, "P-1"}, {"A1", 2, "P-2"}, {"A1", 3, ""},
                  {"A2", 0, "H-1"}, {"A2", 2, "H-2"}, {"ZZ", 1, ""}};
    for (const MakerCase &m : makers)
        EXPECT_EQ(GetMakerArticle(QString::fromLatin1(m.code), m.which, true), QString::fromUtf8(m.expected))
            << m.code << " " << m.which;
    EXPECT_EQ(errorOf([] { GetMakerArticle(QStringLiteral("ZZ"), 1, false); }), errA);

    EXPECT_EQ(GetArticleField(QStringLiteral("A1"), QStringLiteral("Unit"), false).toString(), QStringLiteral("шт"));
    EXPECT_FALSE(GetArticleField(QStringLiteral("A1"), QStringLiteral("GOST"), false).isValid());
    EXPECT_FALSE(GetArticleField(QString(), QStringLiteral("Unit"), false).isValid());
    EXPECT_FALSE(GetArticleField(QStringLiteral("A1"), QString(), false).isValid());
    EXPECT_FALSE(GetArticleField(QStringLiteral("ZZ"), QStringLiteral("Unit"), true).isValid());
    EXPECT_EQ(errorOf([] { GetArticleField(QStringLiteral("ZZ"), QStringLiteral("Unit"), false); }),
              QStringLiteral("В каталоге не найден материал с кодом [ZZ]!"));

    EXPECT_TRUE(IsVirtualArticle(QStringLiteral("A2")));
    EXPECT_FALSE(IsVirtualArticle(QStringLiteral("A1")));
    EXPECT_FALSE(IsVirtualArticle(QStringLiteral("ZZ")));
    EXPECT_FALSE(IsVirtualArticle(QString()));
}

TEST_F(Lookups, SetsSidesSystemsAndColours)
{
    EXPECT_EQ(GetComponentGroup(QStringLiteral("SET1")), 11);
    EXPECT_EQ(GetComponentGroup(QStringLiteral("set1")), 0);
    EXPECT_EQ(GetComponentScreenColor(QStringLiteral("SET1")), 255);
    EXPECT_EQ(GetComponentScreenColor(QStringLiteral("NONE")), 16777215);
    EXPECT_EQ(GetComponentImage(QStringLiteral("SET1")), 7);
    EXPECT_EQ(GetComponentImage(QStringLiteral("NONE")), 0);
    QString printName = QStringLiteral("old");
    EXPECT_TRUE(GetComponentPrintInfo(QStringLiteral("SET1"), printName));
    EXPECT_EQ(printName, QStringLiteral("Комплект 1"));
    EXPECT_FALSE(GetComponentPrintInfo(QStringLiteral("SET2"), printName));
    EXPECT_EQ(printName, QStringLiteral("Скрытый"));
    EXPECT_FALSE(GetComponentPrintInfo(QStringLiteral("NONE"), printName));
    EXPECT_EQ(printName, QString());
    EXPECT_EQ(GetHandleDirection(QStringLiteral("SET1"), 1), 2);
    EXPECT_EQ(GetHandleDirection(QStringLiteral("SET1"), 2), 1);
    EXPECT_EQ(GetHandleDirection(QStringLiteral("SET1"), 3), 0);

    EXPECT_EQ(GetSystemGroup(QStringLiteral("SYS"), false), 300);
    EXPECT_EQ(GetSystemGroup(QStringLiteral("sys"), true), 0);
    EXPECT_EQ(errorOf([] { GetSystemGroup(QStringLiteral("sys"), false); }),
              QStringLiteral("В БД отсутствуют данные для системы [sys]!"));
    EXPECT_EQ(GetSystemName(QStringLiteral("SYS")), QStringLiteral("Система"));
    EXPECT_EQ(GetSystemName(QStringLiteral("X")), QString());
    EXPECT_EQ(GetSystemBaseColor(QStringLiteral("SYS")), QStringLiteral("W"));
    EXPECT_EQ(GetStrikeSystemName(QStringLiteral("PS")), QStringLiteral("Ответные"));
    EXPECT_EQ(GetStrikeSystemName(QStringLiteral("ps")), QString());
    EXPECT_EQ(GetColorName(QStringLiteral("W")), QStringLiteral("Белый"));
    EXPECT_EQ(GetColorName(QString()), QString());
}

TEST_F(Lookups, ParameterCodesFillTheRecordOrRaise)
{
    SashParams p;
    p.FalzLuft = p.FalzSize = p.FalzPos = 99;
    p.DornMass = 99;
    p.OpenType = 99;
    GetRebateParams(112, p, false);
    EXPECT_EQ(p.FalzLuft, 12);
    EXPECT_EQ(p.FalzSize, 20);
    EXPECT_EQ(p.FalzPos, 9);
    GetDornMass(235, p, false);
    EXPECT_FLOAT_EQ(p.DornMass, 35.5f);
    GetOpeningKind(401, p, false);
    EXPECT_EQ(p.OpenType, 3);
    EXPECT_EQ(GetStulpKind(302, false), 2);

    // Missing codes: zeros when silent, otherwise the code's own text. A row
    // outside a view's range (501) is missing for all of them.
    GetRebateParams(501, p, true);
    EXPECT_EQ(p.FalzLuft + p.FalzSize + p.FalzPos, 0);
    GetDornMass(501, p, true);
    EXPECT_EQ(p.DornMass, 0.0f);
    GetOpeningKind(501, p, true);
    EXPECT_EQ(p.OpenType, 0);
    EXPECT_EQ(GetStulpKind(501, true), 0);
    SashParams q;
    EXPECT_EQ(errorOf([&] { GetRebateParams(235, q, false); }),
              QStringLiteral("В БД параметров фальца отсутствуют данные для кода [235]!"));
    EXPECT_EQ(errorOf([&] { GetDornMass(112, q, false); }),
              QStringLiteral("В БД параметров дорнмасса отсутствуют данные для кода [112]!"));
    EXPECT_EQ(errorOf([] { GetStulpKind(501, false); }),
              QStringLiteral("В БД типов штульпа отсутствуют данные для кода [501]!"));
    EXPECT_EQ(errorOf([&] { GetOpeningKind(0, q, false); }),
              QStringLiteral("В БД типов открываний створок отсутствуют данные для кода [0]!"));

    EXPECT_EQ(GetRebateName(112), QStringLiteral("Фальц 12"));
    EXPECT_EQ(GetDornName(235), QStringLiteral("Дорн 35"));
    EXPECT_EQ(GetStulpName(302), QStringLiteral("Штульп"));
    EXPECT_EQ(GetOpeningName(401), QStringLiteral("Поворотное"));
    EXPECT_EQ(GetOpeningName(112), QString());
}

TEST_F(Lookups, CurrencyReads)
{
    EXPECT_EQ(GetCurrencyName(1), QStringLiteral("EUR"));
    EXPECT_EQ(GetCurrencyName(9), QString());
    EXPECT_EQ(GetCurrencyDecimals(3), 1);
    EXPECT_EQ(GetCurrencyDecimals(9), 2);
    CurrencyWords words;
    EXPECT_TRUE(GetCurrencyWords(2, words));
    EXPECT_EQ(words.nominative, QStringLiteral("рубль"));
    EXPECT_EQ(words.genitive, QStringLiteral("рубля"));
    EXPECT_EQ(words.genitivePlural, QStringLiteral("рублей"));
    EXPECT_EQ(words.gender, WordGender::Masculine);
    EXPECT_EQ(words.decimals, 2);
    EXPECT_TRUE(GetCurrencyWords(1, words));
    EXPECT_EQ(words.gender, WordGender::Neuter);
    CurrencyWords untouched;
    untouched.nominative = QStringLiteral("keep");
    untouched.decimals = 7;
    EXPECT_FALSE(GetCurrencyWords(9, untouched));
    EXPECT_EQ(untouched.nominative, QStringLiteral("keep"));
    EXPECT_EQ(untouched.decimals, 7);
}

TEST_F(Lookups, RatesFromTheCurrencyTable)
{
    ASSERT_EQ(rates.count(), 5);
    EXPECT_EQ(rates.at(0).ID, 1);
    EXPECT_EQ(rates.at(0).Rate, 2.5f);
    EXPECT_EQ(rates.at(2).Rate, 0.1f); // single precision
    EXPECT_EQ(GetRate(&rates, 2), 1.25f);
    EXPECT_EQ(GetRate(&rates, 9), -1.0f);
    EXPECT_EQ(GetRate(nullptr, 2), 0.0f);
    EXPECT_EQ(FindRateIndex(&rates, 3), 2);
    EXPECT_EQ(FindRateIndex(&rates, 9), -1);
    EXPECT_EQ(FindRateIndex(nullptr, 3), -1);

    TkvfCurrencyList stale;
    stale.add(8, 8.0f);
    LoadRates(&stale); // replaces, does not append
    EXPECT_EQ(stale.count(), 5);
    EXPECT_EQ(stale.FindRateIndex(8), -1);
    LoadRates(nullptr);
}

TEST_F(Lookups, ArticlePrices)
{
    struct Case
    {
        const char *what;
        const char *code;
        qint32 documentCurrency;
        bool withRates;
        bool silent;
        const char *price; // or the error text
    } cases[] = {
        {"worked example: 10 at 2.5 into 1.25, Reduce_1 -10", "A1", 2, true, false, "18.0000"},
        {"price group 0 leaves the converted price", "A2", 2, true, false, "20.0000"},
        {"document currency missing from its rates counts as -1", "A2", 9, true, false, "-25.0000"},
        {"article currency missing from the rates counts as -1", "A3", 2, true, false, "-8.0000"},
        {"single-precision 0.1 rate", "A4", 4, true, false, "10000.0001"},
        {"converted price rounded before the group is applied", "A6", 5, true, false, "0.3516"},
        {"missing article, silent", "ZZ", 2, true, true, "0.0000"},
        {"missing article", "ZZ", 2, true, false, "N"},
        {"missing article before the missing rate list", "ZZ", 2, false, false, "N"},
        {"missing article, silent, no rate list", "ZZ", 2, false, true, "0.0000"},
        {"no active document", "A1", 2, false, true, "Значение текущей валюты = 0!"},
        {"missing price group, even silent", "A5", 2, true, true,
         "В каталоге ценовых групп отсутствуют данные для группы [77]!"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        pricingContext() = PricingContext{c.withRates ? &rates : nullptr, c.documentCurrency, 0.0f};
        const QString code = QString::fromLatin1(c.code);
        QString got;
        try {
            got = GetArticlePrice(code, c.silent).toString();
        } catch (const Error &e) {
            got = e.text();
        }
        const QString expected = QString::fromUtf8(c.price) == QLatin1String("N") ? ErrN.arg(code) : QString::fromUtf8(c.price);
        EXPECT_EQ(got, expected);
    }
}

TEST_F(Lookups, ConversionAndPriceGroupColumns)
{
    EXPECT_EQ(ConvertAmount(1, Money::fromUnits(10), Money::parse(QStringLiteral("1.25")).value()).toString(),
              QStringLiteral("20.0000"));
    // 1 × 0.1 (single) / 3 = 0.0333333338 → 0.0333
    EXPECT_EQ(ConvertAmount(3, Money::fromUnits(1), Money::fromUnits(3)).toString(), QStringLiteral("0.0333"));
    EXPECT_EQ(errorOf([] { ConvertAmount(1, Money::fromUnits(1), Money()); }),
              QStringLiteral("Значение текущей валюты = 0!"));
    EXPECT_DOUBLE_EQ(GetPriceGroupReduce(5, 0), -10.0);
    EXPECT_DOUBLE_EQ(GetPriceGroupReduce(5, 1), 3.25);
    EXPECT_EQ(errorOf([] { GetPriceGroupReduce(0, 0); }),
              QStringLiteral("В каталоге ценовых групп отсутствуют данные для группы [0]!"));
}
