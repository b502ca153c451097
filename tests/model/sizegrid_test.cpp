// Dimension chains: which chains a position yields, how they share rows, and
// the room the rows need.
#include "model/Construction.h"
#include "model/SizeGrid.h"

#include <gtest/gtest.h>

using namespace kv;

namespace {

// Rows as text: "[0 1000] [1000 1400] | [0 1000]" (X for horizontal rows, Y for vertical).
std::string rowsText(const TkvfSizingRows &rows, bool horizontal)
{
    std::string out;
    for (size_t r = 0; r < rows.size(); ++r) {
        if (r)
            out += " | ";
        for (int c = 0; c < rows[r]->Count(); ++c) {
            if (c)
                out += " ";
            out += "[";
            const TkvfSizePointList &chain = rows[r]->Chain(c);
            for (int i = 0; i < chain.Count(); ++i) {
                if (i)
                    out += " ";
                out += std::to_string(horizontal ? chain.Point(i).X : chain.Point(i).Y);
            }
            out += "]";
        }
    }
    return out;
}

TShapeRecord shape(quint8 kind, qint32 b, qint32 h, qint32 x = 0, qint32 y = 0, float r = 0)
{
    TShapeRecord s;
    s.Kind = kind;
    s.B = b;
    s.H = h;
    s.X = x;
    s.Y = y;
    s.R1 = s.R2 = r;
    return s;
}

} // namespace

TEST(SizeGrid, ChainsOfPositions)
{
    struct Case {
        const char *name;
        quint8 arrangement;
        TShapeRecord shape;
        SizeOptions options;
        const char *horizontal;
        const char *vertical;
    };
    const Case cases[] = {
        {"rectangle, all options: sash and overall chains coincide; the empty second sash adds [0]",
         2, shape(0, 1000, 1400), {0, 1, 2}, "[0] [0 1000]", "[0] [0 1400]"},
        {"rectangle, side sizes only: side chains reduce to the sash chains", 2,
         shape(0, 1000, 1400), {1}, "[0] [0 1000]", "[0] [0 1400]"},
        {"rectangle, no options: nothing", 2, shape(0, 1000, 1400), {}, "", ""},
        {"trapezoid kind 3: the sloped side breaks the height", 2, shape(3, 1000, 1400, 800),
         {0, 1, 2}, "[0] [0 1000]", "[0] [0 600 1400] | [0 1400]"},
        {"trapezoid kind 4", 2, shape(4, 1000, 1400, 800), {0, 1, 2}, "[0] [0 1000]",
         "[0] [0 600 1400] | [0 1400]"},
        {"two sashes 600 + 400 side by side, the overall width below", 0,
         shape(2, 0, 1400, 600, 400), {0, 1, 2}, "[0 600] [600 1000] | [0 1000]", "[0 1400]"},
        {"two sashes without overall sizes", 1, shape(1, 0, 1400, 600, 400), {1, 2},
         "[0 600] [600 1000]", "[0 1400]"},
        {"triangle kind 5: the slope spans the box", 2, shape(5, 900, 600), {0, 1, 2},
         "[0] [0 900]", "[0] [0 600]"},
        {"triangle kind 5, side sizes with box points", 2, shape(5, 900, 600), {1},
         "[0] [0 900]", "[0] [0 600]"},
        {"arch: the springing points break the height", 2, shape(7, 1000, 1400, 500, 0, 500),
         {0, 1, 2}, "[0] [0 1000]", "[0] [0 500 1400] | [0 1400]"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TkvfConstruction pos;
        pos.Arrangement = c.arrangement;
        pos.SetShape(c.shape, 0);
        TkvfSizeGrid grid(17);
        grid.Build(pos, c.options);
        EXPECT_EQ(rowsText(grid.HorzRows, true), c.horizontal);
        EXPECT_EQ(rowsText(grid.VertRows, false), c.vertical);
        EXPECT_EQ(grid.GridHeight(), int(grid.HorzRows.size()) * 17);
        EXPECT_EQ(grid.GridWidth(), int(grid.VertRows.size()) * 17);
    }
}

TEST(SizeGrid, EmptyOptionsNeedNoRoom)
{
    TkvfConstruction pos;
    pos.SetShape(shape(3, 1000, 1400, 800), 0);
    TkvfSizeGrid grid(17);
    grid.Build(pos, SizeOptions());
    EXPECT_EQ(grid.GridHeight(), 0);
    EXPECT_EQ(grid.GridWidth(), 0);
    grid.Build(pos.Sash1(), SizeOptions{5});
    EXPECT_EQ(grid.GridWidth(), 0);
}

TEST(SizeGrid, ASashAlone)
{
    TkvfConstruction pos;
    pos.Arrangement = 0;
    pos.SetShape(shape(2, 0, 1400, 600, 400), 0);
    TkvfSizeGrid grid(10);
    grid.Build(pos.Sash2(), {0, 1, 2});
    EXPECT_EQ(rowsText(grid.HorzRows, true), "[600 1000]");
    EXPECT_EQ(rowsText(grid.VertRows, false), "[0 1400]");
    EXPECT_EQ(grid.Extent.X, 400);
    EXPECT_EQ(grid.Extent.Y, 1400);
}

TEST(SizeGrid, ChainPlacement)
{
    auto chain = [](std::initializer_list<qint32> xs) {
        auto c = std::make_unique<TkvfSizePointList>();
        for (qint32 x : xs)
            c->Add({x, 0});
        return c;
    };
    TkvfSizingRows rows;
    TkvfSizeGrid::AddChain(rows, chain({300, 500}), true);
    TkvfSizeGrid::AddChain(rows, chain({0, 300}), true);     // touches: before it
    TkvfSizeGrid::AddChain(rows, chain({600, 700}), true);   // after it
    TkvfSizeGrid::AddChain(rows, chain({500, 600}), true);   // into the gap
    TkvfSizeGrid::AddChain(rows, chain({0, 1000}), true);    // overlaps: a new row
    TkvfSizeGrid::AddChain(rows, chain({300, 500}), true);   // equal: dropped
    TkvfSizeGrid::AddChain(rows, chain({400, 650}), true);   // overlaps both rows
    TkvfSizeGrid::AddChain(rows, chain({1000, 1200}), true); // first row takes it
    EXPECT_EQ(rowsText(rows, true),
              "[0 300] [300 500] [500 600] [600 700] [1000 1200] | [0 1000] | [400 650]");
    EXPECT_DOUBLE_EQ(rows[0]->Angle, 0);

    TkvfSizePointList c;
    c.Add({5, 0});
    c.Add({1, 0});
    c.Add({5, 0});
    EXPECT_EQ(c.Count(), 2) << "an equal point is not added";
    c.SortByX();
    EXPECT_EQ(c.First().X, 1);
    EXPECT_EQ(c.Last().X, 5);
    EXPECT_TRUE(c.Contains({5, 0}));
    EXPECT_FALSE(c.Contains({5, 1}));
}

TEST(SizeGrid, Labels)
{
    EXPECT_EQ(SizeLabel(12.5), QStringLiteral("12.5"));
    EXPECT_EQ(SizeLabel(12), QStringLiteral("12"));
    EXPECT_EQ(SizeLabel(1414.2135), QStringLiteral("1414.2"));
    EXPECT_EQ(SizeLabel(0), QStringLiteral("0"));
}
