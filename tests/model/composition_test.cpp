// Fitting compositions: items, the selection run, choices on sashes, the
// partner rule and the order in which a position's sashes are set.
#include "FakeModelServices.h"
#include "model/Construction.h"

#include <gtest/gtest.h>

using namespace kv;
using kvtest::FakeModelServices;

namespace {

TShapeRecord rect(qint32 b, qint32 h)
{
    TShapeRecord s;
    s.B = b;
    s.H = h;
    return s;
}

// A choice that does not touch the side table: no main set.
TSashChoice handleOnly(const QString &handle)
{
    TSashChoice c;
    c.Handle = handle;
    c.Dorn = 4;
    return c;
}

} // namespace

TEST(Composition, AddItemMergesEqualItemsUnlessSeparate)
{
    FakeModelServices services;
    services.virtualArticles << QStringLiteral("VIRT");
    TkvfFurnComp comp(nullptr);

    comp.AddItem("A", "SET", "first history", false, 0, "", 2, 1);
    comp.AddItem("A", "SET", "second history", false, 0, "", 3, 1);
    ASSERT_EQ(comp.Count(), 1);
    EXPECT_EQ(comp.Item(0).Quantity, 5);
    EXPECT_EQ(comp.Item(0).History, QString());
    EXPECT_EQ(comp.Item(0).Owner, &comp);

    struct Case { const char *name; QString article, parent, comment; float length; qint32 side; };
    const Case differing[] = {
        {"other set", "A", "SET2", "", 0, 1},
        {"other comment", "A", "SET", "note", 0, 1},
        {"other length", "A", "SET", "", 0.5f, 1},
        {"other side", "A", "SET", "", 0, 2},
        {"other letter case", "a", "SET", "", 0, 1},
    };
    for (const Case &c : differing) {
        const int before = comp.Count();
        comp.AddItem(c.article, c.parent, "h", false, c.length, c.comment, 1, c.side);
        EXPECT_EQ(comp.Count(), before + 1) << c.name;
        EXPECT_EQ(comp.FindItem(c.article, c.parent, c.comment, c.length, c.side), before) << c.name;
    }

    comp.AddItem("A", "SET", "kept apart 1", true, 0, "", 1, 1);
    comp.AddItem("A", "SET", "kept apart 2", true, 0, "", 1, 1);
    ASSERT_EQ(comp.Count(), 8);
    EXPECT_EQ(comp.Item(6).History, QStringLiteral("kept apart 1"));
    EXPECT_EQ(comp.Item(7).History, QStringLiteral("kept apart 2"));
    EXPECT_EQ(comp.Item(0).Quantity, 5) << "separate items never merge into others";

    // Nothing is added for an empty article, no pieces or a virtual article.
    comp.AddItem("", "SET", "", false, 0, "", 1, 0);
    comp.AddItem("B", "SET", "", false, 0, "", 0, 0);
    comp.AddItem("VIRT", "SET", "", true, 0, "", 1, 0);
    EXPECT_EQ(comp.Count(), 8);
    EXPECT_EQ(comp.FindArticle("VIRT"), -1);
    EXPECT_EQ(comp.FindArticle("a"), 5);
    EXPECT_EQ(comp.FindItem("A", "SET", "", 0.0001f, 1), -1);

    // A merged quantity that leaves the 32-bit range is an error, not a wrap.
    comp.AddItem("BIG", "", "", false, 0, "", 2000000000, 0);
    EXPECT_THROW(comp.AddItem("BIG", "", "", false, 0, "", 2000000000, 0), Error);
    EXPECT_EQ(comp.Item(comp.FindArticle("BIG")).Quantity, 2000000000);
}

TEST(Composition, SortItemsByArticleUsesWindows1251Codes)
{
    FakeModelServices services;
    TkvfFurnComp comp(nullptr);
    for (const char *a : {"b", "\u0451", "B", "\u044F", "A"})
        comp.AddItem(QString::fromUtf8(a), "", "", false, 0, "", 1, 0);
    comp.SortItemsByArticle();
    QStringList order;
    for (int i = 0; i < comp.Count(); ++i)
        order << comp.Item(i).Article;
    // Upper case first; ё (0xB8) before я (0xFF) in the code page.
    EXPECT_EQ(order, (QStringList{"A", "B", "b", QStringLiteral("ё"), QStringLiteral("я")}));
}

TEST(Composition, CalculateRefillsItemsOrLeavesNone)
{
    FakeModelServices services;
    TkvfConstruction pos;
    pos.SetShape(rect(1000, 1400), 0);
    int runs = 0;
    services.selection = [&](TkvfFurnComp &c) {
        EXPECT_EQ(c.Count(), 0) << "old items are gone before the run";
        c.AddItem("X", "H1", "", false, 0, "", 1, 0);
        if (++runs == 2) {
            c.AddItem("Y", "H1", "", false, 0, "", 1, 0);
            throw Error(QStringLiteral("Комплект фурнитуры [] не найден в документации!"));
        }
    };
    pos.Sash1().SetComposition("SYS", "PROF", handleOnly("H1"), "COL");
    TkvfFurnComp *comp = pos.Sash1().Composition();
    ASSERT_NE(comp, nullptr);
    EXPECT_EQ(comp->Count(), 1);
    EXPECT_EQ(pos.Sash1().Dorn, 4);
    EXPECT_EQ(comp->FurnSys, QStringLiteral("SYS"));
    EXPECT_EQ(comp->FurnColor, QStringLiteral("COL"));

    try {
        comp->Calculate();
        FAIL();
    } catch (const Error &e) {
        EXPECT_EQ(e.text(), QStringLiteral("Комплект фурнитуры [] не найден в документации!"));
    }
    EXPECT_EQ(comp->Count(), 0);
}

TEST(Composition, FailedSelectionRemovesOnlyANewComposition)
{
    FakeModelServices services;
    TkvfConstruction pos;
    pos.SetShape(rect(1000, 1400), 0);
    bool fail = true;
    services.selection = [&](TkvfFurnComp &c) {
        c.AddItem("X", "", "", false, 0, "", 1, 0);
        if (fail)
            throw Error(QStringLiteral("Не определена величина 'Дормасс'!"));
    };
    EXPECT_THROW(pos.Sash1().SetComposition("SYS", "", handleOnly("H1"), ""), Error);
    EXPECT_EQ(pos.Sash1().Composition(), nullptr);

    fail = false;
    pos.Sash1().SetComposition("SYS", "", handleOnly("H1"), "");
    ASSERT_NE(pos.Sash1().Composition(), nullptr);
    fail = true;
    EXPECT_THROW(pos.Sash1().SetComposition("SYS", "", handleOnly("H2"), ""), Error);
    ASSERT_NE(pos.Sash1().Composition(), nullptr) << "an existing composition stays";
    EXPECT_EQ(pos.Sash1().Composition()->Count(), 0);

    // An empty choice clears the composition and the side marks.
    pos.Sash1().Line(0).HingeSide = true;
    pos.Sash1().Line(0).RotSideIndex = 2;
    pos.Sash1().SetComposition("SYS", "", TSashChoice(), "");
    EXPECT_EQ(pos.Sash1().Composition(), nullptr);
    EXPECT_FALSE(pos.Sash1().Line(0).HingeSide);
    EXPECT_EQ(pos.Sash1().Line(0).RotSideIndex, -1);
}

TEST(Composition, AdditionalSetsAloneKeepTheCompositionButNoSideMarks)
{
    FakeModelServices services;
    services.images = {{"", 0}};
    services.colours = {{"", 0x00FF00}};
    TkvfConstruction pos;
    pos.SetShape(rect(1000, 1400), 0);
    for (int i = 0; i < 4; ++i) {
        TkvfLine &l = pos.Sash1().Line(i);
        l.HingeSide = l.Handled = l.Banded = l.Drived = true;
        l.RotSideIndex = 1;
        l.HandleHeight = 500;
    }
    TSashChoice choice;
    choice.AdditionalSets = QStringList{"ADD1"};
    pos.Sash1().SetComposition("SYS", "", choice, "");
    const TkvfFurnComp *comp = pos.Sash1().Composition();
    ASSERT_NE(comp, nullptr);
    EXPECT_EQ(comp->AdditionalSets, QStringList{"ADD1"});
    EXPECT_EQ(comp->HingeImage, 20) << "no hinge set";
    EXPECT_EQ(comp->HingeColour, 0x00FF00) << "the main set's colour stands in";
    for (int i = 0; i < 4; ++i) {
        const TkvfLine &l = pos.Sash1().Line(i);
        EXPECT_FALSE(l.HingeSide || l.Handled || l.Banded || l.Drived) << i;
        EXPECT_EQ(l.RotSideIndex, -1);
        EXPECT_EQ(l.HandleHeight, 0);
    }
}

TEST(Composition, ImagesAndColoursComeFromTheComponents)
{
    FakeModelServices services;
    services.images = {{"H1", 7}, {"CL", 9}, {"HG", 11}};
    services.colours = {{"H1", 0x123456}, {"CL", 0x654321}, {"HG", 0x0000FF}};
    TkvfFurnComp comp(nullptr);
    TSashChoice c;
    c.Handle = "H1";
    c.Closer = "CL";
    c.HingeSet = "HG";
    comp.AssignMarks(c);
    EXPECT_EQ(comp.HandleImage, 7);
    EXPECT_EQ(comp.CloserImage, 9);
    EXPECT_EQ(comp.HingeImage, 11);
    EXPECT_EQ(comp.MainImage, 0);
    EXPECT_EQ(comp.HandleColour, 0x123456);
    EXPECT_EQ(comp.HingeColour, 0x0000FF);
    EXPECT_EQ(comp.CloserColour, 0x654321);
    EXPECT_EQ(services.selectionRuns, 0);

    comp.AddItem("X", "", "", false, 0, "", 1, 0);
    comp.Clear();
    EXPECT_EQ(comp.Count(), 0);
    EXPECT_EQ(comp.Handle, QString());
    EXPECT_EQ(comp.HandleImage, -1);
    EXPECT_EQ(comp.ReservedImage, -1);
    EXPECT_EQ(comp.HingeColour, 0);
}

TEST(Composition, PartnerRule)
{
    FakeModelServices services;
    struct Case {
        const char *name;
        quint8 arrangement;
        bool setFirst;           // which sash is set last, with system "B"
        bool sash1Kept, sash2Kept;
    };
    const Case cases[] = {
        {"left main: a new system on the main sash drops the secondary", 0, true, true, false},
        {"left main: setting the secondary never touches the main sash", 0, false, true, true},
        {"right main: a new system on the main sash drops the secondary", 1, false, false, true},
        {"right main: setting the secondary never touches the main sash", 1, true, true, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TkvfConstruction pos;
        pos.Arrangement = c.arrangement;
        TShapeRecord s = rect(0, 1400);
        s.X = 600;
        s.Y = 400;
        pos.SetShape(s, 0);
        pos.Sash1().SetComposition("A", "", handleOnly("H"), "");
        pos.Sash2().SetComposition("A", "", handleOnly("H"), "");
        ASSERT_NE(pos.Sash1().Composition(), nullptr);
        ASSERT_NE(pos.Sash2().Composition(), nullptr);
        TkvfFlugel &target = c.setFirst ? pos.Sash1() : pos.Sash2();
        target.SetComposition("B", "", handleOnly("H"), "");
        EXPECT_EQ(pos.Sash1().Composition() != nullptr, c.sash1Kept);
        EXPECT_EQ(pos.Sash2().Composition() != nullptr, c.sash2Kept);
    }

    // The same system keeps both; clearing the main sash drops the secondary.
    TkvfConstruction pos;
    pos.Arrangement = 0;
    TShapeRecord s = rect(0, 1400);
    s.X = 600;
    s.Y = 400;
    pos.SetShape(s, 0);
    pos.Sash2().SetComposition("A", "", handleOnly("H"), "");
    pos.Sash1().SetComposition("A", "", handleOnly("H"), "");
    EXPECT_NE(pos.Sash2().Composition(), nullptr);
    pos.Sash1().ClearComposition();
    EXPECT_EQ(pos.Sash2().Composition(), nullptr);

    // A single sash has no partner.
    TkvfConstruction single;
    single.SetShape(rect(1000, 1400), 0);
    single.Sash2().SetComposition("A", "", handleOnly("H"), "");
    single.Sash1().SetComposition("B", "", handleOnly("H"), "");
    EXPECT_NE(single.Sash2().Composition(), nullptr);
}

TEST(Composition, ApplyFittingsChoiceSetsTheMainSashFirst)
{
    FakeModelServices services;
    services.prices = {{"M1", Money::fromUnits(10)}, {"S2", Money::fromUnits(1)}};
    struct Case { quint8 arrangement; std::vector<int> order; bool sash2Composition; };
    const Case cases[] = {
        {TkvfConstruction::LeftMain, {1, 2}, true},
        {TkvfConstruction::RightMain, {2, 1}, true},
        {TkvfConstruction::SingleSash, {1}, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(int(c.arrangement));
        TkvfConstruction pos;
        pos.Arrangement = c.arrangement;
        TShapeRecord s = rect(1000, 1400);
        s.X = 600;
        s.Y = 400;
        pos.SetShape(s, 0);
        pos.Count = 2;
        std::vector<int> order;
        services.selection = [&](TkvfFurnComp &comp) {
            const int n = comp.Sash == &pos.Sash1() ? 1 : 2;
            order.push_back(n);
            comp.AddItem(n == 1 ? "M1" : "S2", "", "", false, 0, "", 1, 0);
        };
        // A single sash's second sash keeps its sides when its composition goes.
        pos.Sash2().SetComposition("OLD", "", handleOnly("H"), "");
        if (c.arrangement == TkvfConstruction::SingleSash) {
            // An outline for the unused second sash, to see that its sides stay.
            pos.Sash2().BuildOutline(rect(10000, 14000), 0);
            pos.Sash2().Line(0).Banded = true;
        }
        order.clear();
        pos.ApplyFittingsChoice("SYS", "PROF", "COL", 1, 2, 3, 68, 76, handleOnly("H1"),
                                handleOnly("H2"));
        EXPECT_EQ(order, c.order);
        EXPECT_EQ(pos.FurnSys, QStringLiteral("SYS"));
        EXPECT_EQ(pos.OpenType, 3);
        EXPECT_FLOAT_EQ(pos.ProfThickness, 76);
        EXPECT_EQ(pos.Sash2().Composition() != nullptr, c.sash2Composition);
        ASSERT_NE(pos.Sash1().Composition(), nullptr);
        EXPECT_EQ(pos.Sash1().Composition()->Handle, QStringLiteral("H1"));
        EXPECT_EQ(pos.UnitCost, c.sash2Composition ? Money::fromUnits(11) : Money::fromUnits(10));
        EXPECT_EQ(pos.PositionCost(), pos.UnitCost + pos.UnitCost);
        if (c.arrangement == TkvfConstruction::SingleSash) {
            EXPECT_TRUE(pos.Sash2().Line(0).Banded);
        }
    }
    services.selection = nullptr;
}

TEST(Composition, UpdateFittingsMarksRunsNoSelection)
{
    FakeModelServices services;
    TkvfConstruction pos;
    pos.Arrangement = TkvfConstruction::LeftMain;
    TShapeRecord s = rect(0, 1400);
    s.X = 600;
    s.Y = 400;
    pos.SetShape(s, 0);
    pos.FurnSys = "KEEP";
    TSashChoice first = handleOnly("H1");
    first.Properties = QStringList{"0=1"};
    first.AdditionalSets = QStringList{"ADD"};
    first.OwnHandleHeight = true;
    first.HandleHeight = 900;
    pos.UpdateFittingsMarks(first, handleOnly("H2"));
    EXPECT_EQ(services.selectionRuns, 0);
    EXPECT_EQ(pos.FurnSys, QStringLiteral("KEEP"));
    ASSERT_NE(pos.Sash1().Composition(), nullptr);
    EXPECT_EQ(pos.Sash1().Composition()->Handle, QStringLiteral("H1"));
    EXPECT_EQ(pos.Sash1().Composition()->HandleHeight, 900);
    EXPECT_TRUE(pos.Sash1().Composition()->OwnHandleHeight);
    EXPECT_TRUE(pos.Sash1().Composition()->Properties.isEmpty());
    EXPECT_TRUE(pos.Sash1().Composition()->AdditionalSets.isEmpty());
    EXPECT_EQ(pos.Sash1().Dorn, 0) << "the dorn is not part of a preview";
    ASSERT_NE(pos.Sash2().Composition(), nullptr);

    pos.UpdateFittingsMarks(handleOnly("H1"), TSashChoice());
    EXPECT_EQ(pos.Sash2().Composition(), nullptr);
}

TEST(Composition, IterationVisitsTheSashesOfAPosition)
{
    FakeModelServices services;
    TkvfConstruction pos;
    pos.Arrangement = TkvfConstruction::RightMain;
    TShapeRecord s = rect(0, 1400);
    s.X = 600;
    s.Y = 400;
    pos.SetShape(s, 0);
    pos.Sash1().SetComposition("A", "", handleOnly("H"), "");
    pos.Sash2().SetComposition("A", "", handleOnly("H"), "");
    EXPECT_EQ(pos.FirstComposition(), pos.Sash1().Composition());
    EXPECT_EQ(pos.NextComposition(), pos.Sash2().Composition());
    EXPECT_EQ(pos.NextComposition(), nullptr);

    pos.Arrangement = TkvfConstruction::SingleSash;
    EXPECT_EQ(pos.FirstComposition(), pos.Sash1().Composition());
    EXPECT_EQ(pos.NextComposition(), nullptr);
}
