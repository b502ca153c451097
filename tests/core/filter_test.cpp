// The filter grammar against a small element-article table, through the
// table object the engine uses (index-served and scanned paths alike).
#include "support/CatalogFixture.h"
#include "support/QStringPrinter.h"
#include "core/Filter.h"
#include "tools/Errors.h"

#include <QLocale>
#include <gtest/gtest.h>

using namespace kv;

namespace {

const char *const Rows =
    "insert into FrnArt(ID, CatalogID, FalzLuft, DornMassMin, DornMassMax, WeightMin, WeightMax, ProfSys, Color, "
    "StulpType, Direct, FFBMin, FFBMax) values "
    "('A','a1',12,7.5,7.5,0,0,'','',0,1,-5,50),"
    "('A','a2',12,0,35,0,120,'','W',2,3,10,60),"
    "('A','a3',9,0,35,1,120,'S1','W',1,2,0,0),"
    "('B','b1',12,7.5,10,0,0,'O''Neil','',0,3,0,100),"
    "('b','b2',12,0,0,0,0,'','',0,0,0,0),"
    "('X'' or ID <> ''','x1',0,0,0,0,0,'','',0,0,0,0),"
    "('100','n1',0,0,0,0,0,'','',0,0,0,0);";

class FilterFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        f.sql(QString::fromUtf8(Rows));
        ASSERT_TRUE(OpenDataSet(f.dm.T_FrnArt));
    }

    // CatalogIDs of the rows the filter admits, in iteration order.
    QStringList admitted(const QString &filter)
    {
        FilteredScan scan(f.dm.T_FrnArt, filter);
        QStringList out;
        for (; !scan.eof(); scan.next())
            out << f.dm.T_FrnArt.asString(QStringLiteral("CatalogID"));
        EXPECT_EQ(out.size(), scan.count());
        return out;
    }

    kvtest::CatalogFixture f;
};

} // namespace

TEST_F(FilterFixture, AdmitsExactlyTheMatchingRows)
{
    struct Case
    {
        const char *filter;
        QStringList expected;
    } cases[] = {
        {"ID = 'A'", {"a1", "a2", "a3"}},
        {"ID='A'", {"a1", "a2", "a3"}},
        {"ID = 'a'", {}},                       // case-sensitive
        {"ID = 'B'", {"b1"}},
        {"ID = 'A '", {}},                      // exact: no trimming
        {"ID = ''", {}},
        {"Color = ''", {"b2", "x1", "n1", "a1", "b1"}},
        {"Color <> ''", {"a2", "a3"}},
        {"FalzLuft = 12 and ID='A'", {"a1", "a2"}},
        {"ID='A' and FalzLuft = 12", {"a1", "a2"}},
        {"(StulpType=0 or StulpType=2) and ID = 'A'", {"a1", "a2"}},
        {"ID = 'A' and (Direct = 3 or Direct = 2) ", {"a2", "a3"}},
        {"DornMassMin <= 7.50 and DornMassMax >= 7.50 and ID='A' ", {"a1", "a2", "a3"}},
        {"WeightMin <= 0.00 and  WeightMax >= 0.00 ", {"b2", "x1", "n1", "a1", "a2", "b1"}},
        {"FFBMin <= 55 and FFBMax >= 55 and FalzLuft = 12 and ID='A' and Color = 'W' ", {"a2"}},
        {"FFBMin >= -5 and FFBMin < 0", {"a1"}},
        {"ProfSys = 'O''Neil'", {"b1"}},
        {"ID = 'X'' or ID <> '''", {"x1"}},     // the apostrophes are data
        {"ID < 'B'", {"n1", "a1", "a2", "a3"}}, // byte order of the code page
        {"ID >= 'b'", {"b2"}},
        {"ID='B' or ID='A' and FalzLuft=9", {"a3", "b1"}}, // "and" binds tighter
        {"(ID='B' or ID='A') and FalzLuft=9", {"a3"}},
        {"falzluft = 9 AND id = 'A'", {"a3"}},  // names and keywords in any case
        {"\"FalzLuft\" = 9", {"a3"}},
        {"((ID = 'A')) and ((FalzLuft = 9) or (FalzLuft = 99))", {"a3"}},
        {"12 = FalzLuft and 'A' = ID", {"a1", "a2"}}, // constant on the left
        {"DornMassMax > DornMassMin", {"a2", "a3", "b1"}},
        {"ID = 100", {"n1"}},                   // a number against a text field compares as text
        {"FalzLuft = '9'", {"a3"}},             // a number written as a string
        {"", {"b2", "x1", "n1", "a1", "a2", "a3", "b1"}},
    };
    for (const Case &c : cases) {
        const QString filter = QString::fromUtf8(c.filter);
        SCOPED_TRACE(c.filter);
        QStringList expected = c.expected;
        // Iteration order is ID, CatalogID, Key (byte order: '1' < 'A' < 'X' < 'b').
        QStringList sorted;
        const QStringList order{"n1", "a1", "a2", "a3", "b1", "x1", "b2"};
        for (const QString &id : order)
            if (expected.contains(id))
                sorted << id;
        EXPECT_EQ(admitted(filter), sorted);
        // The same condition in a shape no index can serve gives the same rows.
        if (!filter.isEmpty()) {
            EXPECT_EQ(admitted(QStringLiteral("(%1) or (%1)").arg(filter)), sorted);
        }
    }
}

TEST_F(FilterFixture, FaultyFiltersNameTheFilterAndTheTable)
{
    struct Case
    {
        const char *filter;
        const char *detail;
    } cases[] = {
        {"Colour = 'W'", "неизвестное поле [Colour]"},
        {"CatalogNameLookup = 'x'", "неизвестное поле [CatalogNameLookup]"}, // not a column
        {"ID = ", "неожиданный конец выражения"},
        {"ID == 'A'", "синтаксическая ошибка в позиции 5"},
        {"(ID = 'A'", "неожиданный конец выражения"},
        {"ID = 'A", "не закрыта строка, начатая в позиции 6"},
        {"ID = 'A' and", "неожиданный конец выражения"},
        {"ID 'A'", "синтаксическая ошибка в позиции 4"},
        {"ID = 'A' ID = 'B'", "синтаксическая ошибка в позиции 10"},
        {"ID != 'A'", "синтаксическая ошибка в позиции 4"},
        {"FalzLuft = 1,5", "синтаксическая ошибка в позиции 13"},
        {"FalzLuft = 12abc", "синтаксическая ошибка в позиции 14"},
        {"FalzLuft = 'abc'", "значение 'abc' в позиции 12 не является числом для поля [FalzLuft]"},
        {"FalzLuft = ID", "несовместимые типы полей [FalzLuft] и [ID]"},
        {"not ID = 'A'", "неизвестное поле [not]"}, // no "not" in the grammar
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.filter);
        const QString filter = QString::fromUtf8(c.filter);
        try {
            FilteredScan scan(f.dm.T_FrnArt, filter);
            ADD_FAILURE() << "accepted";
        } catch (const Error &e) {
            EXPECT_EQ(e.text(), QStringLiteral("Ошибка в фильтре таблицы [T_FrnArt]:\r\n%1\r\n(%2)")
                                    .arg(filter, QString::fromUtf8(c.detail)));
        }
        EXPECT_FALSE(f.dm.T_FrnArt.isFiltered());
    }
}

TEST_F(FilterFixture, AFaultyTextLeavesTheActiveFilterInForce)
{
    TDataTable &t = f.dm.T_FrnArt;
    FilteredScan scan(t, QStringLiteral("ID = 'A'"));
    EXPECT_THROW(t.setFilter(QStringLiteral("ID = ")), Error);
    EXPECT_EQ(t.filter(), QStringLiteral("ID = 'A'"));
    EXPECT_EQ(scan.count(), 3);
}

TEST_F(FilterFixture, ValuesFromTheCatalogueAreQuotedSoTheyStayValues)
{
    const QString hostile = QStringLiteral("X' or ID <> '");
    EXPECT_EQ(escapeFilterString(hostile), QStringLiteral("X'' or ID <> ''"));
    EXPECT_EQ(admitted(QStringLiteral("ID = '%1'").arg(escapeFilterString(hostile))), QStringList{"x1"});
    EXPECT_EQ(admitted(QStringLiteral("ProfSys = '%1'").arg(escapeFilterString(QStringLiteral("O'Neil")))),
              QStringList{"b1"});
    EXPECT_EQ(escapeFilterString(QStringLiteral("A1")), QStringLiteral("A1")); // ordinary values unchanged
    EXPECT_EQ(escapeFilterString(QString()), QString());
}

TEST(FilterNumbers, PointWhateverTheLocale)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    EXPECT_EQ(filterNumber(7.5, 2), QStringLiteral("7.50"));
    EXPECT_EQ(filterNumber(99.6, 0), QStringLiteral("100"));
    EXPECT_EQ(filterNumber(-0.125, 2), QStringLiteral("-0.13"));
    QLocale::setDefault(saved);
}
