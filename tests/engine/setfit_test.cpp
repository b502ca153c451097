// Set applicability: the side table of a set against the outline of a sash.
#include "EngineTestSupport.h"
#include "engine/SetApplicability.h"

using namespace kv;
using kvtest::Catalogue;
using kvtest::makePosition;

namespace {

// Rectangle 1000 x 1400: side 1 left (1400), 2 top (1000), 3 right, 4 bottom.
const char *const kRectSides = R"(
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius) VALUES
  ('R', 1, 1400, 1400, 90, 90, 0, 0), ('R', 2, 1000, 1000, 90, 90, 0, 0),
  ('R', 3, 1400, 1400, 90, 90, 0, 0), ('R', 4, 1000, 1000, 90, 90, 0, 0);
)";

TEST(SetFitsSash, RectangleAgainstItsSideRows)
{
    {
        Catalogue cat(QString::fromUtf8(kRectSides));
        auto p = makePosition(1000, 1400);
        TkvfFlugel &sash = p->Sash1();
        ASSERT_EQ(sash.LineCount(), 4);
        EXPECT_TRUE(SetFitsSash(&sash, QStringLiteral("R")));
        EXPECT_FALSE(SetFitsSash(nullptr, QStringLiteral("R")));
        // A set without rows fits nothing.
        EXPECT_FALSE(SetFitsSash(&sash, QStringLiteral("NONE")));
    }

    struct Case
    {
        const char *name;
        const char *sql;
    } cases[] = {
        {"max angle just below 90", "UPDATE FrnSide SET MaxAngle = 89.99 WHERE Side = 3"},
        {"min angle just above 90", "UPDATE FrnSide SET MinAngle = 90.01 WHERE Side = 2"},
        {"side 1 longer than its maximum", "UPDATE FrnSide SET MaxSize = 1399 WHERE Side = 1"},
        {"side 2 shorter than its minimum", "UPDATE FrnSide SET MinSize = 1001 WHERE Side = 2"},
        {"zero maximum is a limit", "UPDATE FrnSide SET MaxSize = 0 WHERE Side = 4"},
        {"straight side below a minimum radius", "UPDATE FrnSide SET MinRadius = 1 WHERE Side = 4"},
        {"rows at the wrong side numbers", "UPDATE FrnSide SET Side = Side + 10 WHERE Side = 4"},
        {"rows in reverse side order", "UPDATE FrnSide SET Side = Side + 10; UPDATE FrnSide SET Side = 15 - Side"},
        {"side number zero", "UPDATE FrnSide SET Side = 0 WHERE Side = 1"},
        {"a fifth row", "INSERT INTO FrnSide (ID, Side, MaxSize, MaxAngle) VALUES ('R', 5, 9999, 360)"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Catalogue changed(QString::fromUtf8(kRectSides) + QString::fromUtf8(c.sql) + QStringLiteral(";"));
        auto q = makePosition(1000, 1400);
        EXPECT_FALSE(SetFitsSash(&q->Sash1(), QStringLiteral("R")));
        EXPECT_TRUE(changed.filteredTables().isEmpty());
    }
}

TEST(SetFitsSash, SideCountMustMatch)
{
    Catalogue cat(QString::fromUtf8(R"(
INSERT INTO FrnSide (ID, Side, MaxSize, MaxAngle) VALUES ('FOUR', 1, 9999, 360), ('FOUR', 2, 9999, 360),
  ('FOUR', 3, 9999, 360), ('FOUR', 4, 9999, 360);
INSERT INTO FrnSide (ID, Side, MaxSize, MaxAngle) VALUES ('THREE', 1, 9999, 360), ('THREE', 2, 9999, 360),
  ('THREE', 3, 9999, 360);
)"));
    auto triangle = makePosition(1000, 1400, 5);
    ASSERT_EQ(triangle->Sash1().LineCount(), 3);
    EXPECT_FALSE(SetFitsSash(&triangle->Sash1(), QStringLiteral("FOUR")));
    EXPECT_TRUE(SetFitsSash(&triangle->Sash1(), QStringLiteral("THREE")));
    auto rect = makePosition(1000, 1400);
    EXPECT_TRUE(SetFitsSash(&rect->Sash1(), QStringLiteral("FOUR")));
    EXPECT_FALSE(SetFitsSash(&rect->Sash1(), QStringLiteral("THREE")));
}

TEST(SetFitsSash, ArcKindNeedsItsFlag)
{
    // Arched rectangle 1000 wide: the top (side 2) is an arc; radius 500 makes
    // it a semicircle, 700 a segment arc. Angles and lengths are left wide open.
    const char *const sides = R"(
INSERT INTO FrnSide (ID, Side, MaxSize, MaxAngle, MaxRadius, FullRadius, HalfRadius) VALUES
  ('FULL', 1, 9999, 360, 0, 0, 0), ('FULL', 2, 9999, 360, 9999, 1, 0), ('FULL', 3, 9999, 360, 0, 0, 0),
  ('FULL', 4, 9999, 360, 0, 0, 0),
  ('HALF', 1, 9999, 360, 0, 0, 0), ('HALF', 2, 9999, 360, 9999, 0, 1), ('HALF', 3, 9999, 360, 0, 0, 0),
  ('HALF', 4, 9999, 360, 0, 0, 0),
  ('SMALL', 1, 9999, 360, 0, 0, 0), ('SMALL', 2, 9999, 360, 600, 1, 1), ('SMALL', 3, 9999, 360, 0, 0, 0),
  ('SMALL', 4, 9999, 360, 0, 0, 0);
)";
    Catalogue cat(QString::fromUtf8(sides));
    auto semicircle = makePosition(1000, 1400, 7, TkvfConstruction::SingleSash, 500, 0, 500);
    auto segment = makePosition(1000, 1400, 7, TkvfConstruction::SingleSash, 300, 0, 700);
    ASSERT_TRUE(semicircle->Sash1().Line(1).IsSemicircle());
    ASSERT_TRUE(segment->Sash1().Line(1).IsSegmentArc());
    EXPECT_TRUE(SetFitsSash(&semicircle->Sash1(), QStringLiteral("FULL")));
    EXPECT_FALSE(SetFitsSash(&semicircle->Sash1(), QStringLiteral("HALF")));
    EXPECT_TRUE(SetFitsSash(&segment->Sash1(), QStringLiteral("HALF")));
    EXPECT_FALSE(SetFitsSash(&segment->Sash1(), QStringLiteral("FULL")));
    // Radius 700 above the row's maximum of 600; 500 within it.
    EXPECT_FALSE(SetFitsSash(&segment->Sash1(), QStringLiteral("SMALL")));
    EXPECT_TRUE(SetFitsSash(&semicircle->Sash1(), QStringLiteral("SMALL")));
    EXPECT_TRUE(cat.filteredTables().isEmpty());
}

} // namespace
