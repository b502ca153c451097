// Property conditions: which documentation rows apply to the user's property choice.
#include "EngineTestSupport.h"
#include "engine/PropertyConditions.h"

using namespace kv;
using kvtest::Catalogue;

namespace {

// Key 7 admits 121 and 122 (group 120); key 8 admits 5 of group 0 and 345 of
// group 340; key 9 restricts group 120 to 121 only and says nothing else.
const char *const kProps = R"(
INSERT INTO FrnProp (PropKey, ID) VALUES (7, 121), (7, 122);
INSERT INTO FrnProp (PropKey, ID) VALUES (8, 5), (8, 345);
INSERT INTO FrnProp (PropKey, ID, "Default") VALUES (9, 121, 1);
)";

struct Case
{
    const char *name;
    qint32 key;
    QStringList list;
    int category;
    bool expected;
};

TEST(CheckProperties, DecidesByTheChosenValuesOfTheCategory)
{
    Catalogue cat(QString::fromUtf8(kProps));
    const Case cases[] = {
        {"key without rows admits all", 0, {"0=123"}, 0, true},
        {"unknown key admits all", 99, {"0=123"}, 0, true},
        {"value of a restricted group not admitted", 7, {"0=123"}, 0, false},
        {"admitted value", 7, {"0=121"}, 0, true},
        {"second admitted value", 7, {"0=122"}, 0, true},
        {"group not restricted by the key", 7, {"0=345"}, 0, true},
        {"line of another category is ignored", 7, {"1=123"}, 0, true},
        {"same line tested for its own category", 7, {"1=123"}, 1, false},
        {"empty list", 7, {}, 0, true},
        {"two properties both admitted", 8, {"0=5", "0=345"}, 0, true},
        {"two properties, the second fails", 8, {"0=5", "0=346"}, 0, false},
        {"two properties, the first fails", 8, {"0=6", "0=345"}, 0, false},
        {"group 0-9 for a one-digit value", 8, {"6=7"}, 6, false},
        {"one-digit value of category 6 not tested for 0", 8, {"6=7"}, 0, true},
        {"one-digit value admitted", 8, {"6=5"}, 6, true},
        {"group 120 restricted by key 9 too", 9, {"2=122"}, 2, false},
        {"blank lines are skipped", 7, {"", "0=121"}, 0, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CheckProperties(c.key, c.list, c.category), c.expected);
        EXPECT_TRUE(cat.filteredTables().isEmpty());
    }
}

TEST(CheckProperties, NonNumericValueRaisesOnlyWhenItsCategoryIsTested)
{
    Catalogue cat(QString::fromUtf8(kProps));
    EXPECT_EQ(kvtest::errorText([] { CheckProperties(7, {"0=12a"}, 0); }),
              QStringLiteral("'12a' is not a valid integer value"));
    EXPECT_TRUE(cat.filteredTables().isEmpty());
    EXPECT_TRUE(CheckProperties(7, {"0=12a"}, 1));
    // A key without rows never reads the list.
    EXPECT_TRUE(CheckProperties(0, {"0=abc"}, 0));
    // An earlier failing line ends the test before the bad one is read.
    EXPECT_FALSE(CheckProperties(7, {"0=123", "0=abc"}, 0));
}

} // namespace
