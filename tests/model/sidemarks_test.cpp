// Side marks from the catalogue's side table of the main set: hinge side and
// opening direction, handle with its height and mark, band and drive.
#include "FakeModelServices.h"
#include "core/Data.h"
#include "model/Construction.h"
#include "support/TestSupport.h"
#include "tools/RecordingMessages.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <gtest/gtest.h>

using namespace kv;
using kvtest::FakeModelServices;

namespace {

struct SideRow { const char *id; int side, openMode, rotSide, handled, handleDirect, banded, drived; };

// A catalogue holding only the given side table rows.
class SideTableCatalogue
{
public:
    explicit SideTableCatalogue(std::initializer_list<SideRow> rows)
    {
        const QString dir = QDir(kvtest::scratchDir()).filePath(QStringLiteral("sides%1").arg(++s_serial));
        QDir().mkpath(dir);
        dm.OpenDatabase(DatabaseKind::Catalog, dir);
        QSqlQuery q(QSqlDatabase::database(dm.connectionName(DatabaseKind::Catalog)));
        for (const SideRow &r : rows) {
            q.prepare(QStringLiteral("INSERT INTO FrnSide (ID, Side, OpenMode, RotSide, Handled, "
                                     "HandleDirect, Banded, Drived) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
            for (const QVariant &v : {QVariant(QString::fromUtf8(r.id)), QVariant(r.side),
                                      QVariant(r.openMode), QVariant(r.rotSide), QVariant(r.handled),
                                      QVariant(r.handleDirect), QVariant(r.banded), QVariant(r.drived)})
                q.addBindValue(v);
            if (!q.exec())
                ADD_FAILURE() << q.lastError().text().toStdString();
        }
        RecordingMessages messages;
        dm.OpenCatalogTables();
        EXPECT_TRUE(messages.isEmpty()) << messages.texts().join("\n").toStdString();
    }

    TDM dm;

private:
    static inline int s_serial = 0;
};

struct Marks { bool hinge; int rot; bool handled; int height; QPoint mark; bool banded, drived; };

Marks marksOf(const TkvfLine &l)
{
    return {l.HingeSide, l.RotSideIndex, l.Handled, l.HandleHeight, l.HandleMark, l.Banded, l.Drived};
}

void expectMarks(const TkvfFlugel &s, std::initializer_list<Marks> expected)
{
    int i = 0;
    for (const Marks &m : expected) {
        SCOPED_TRACE(i);
        const Marks a = marksOf(s.Line(i++));
        EXPECT_EQ(a.hinge, m.hinge);
        EXPECT_EQ(a.rot, m.rot);
        EXPECT_EQ(a.handled, m.handled);
        EXPECT_EQ(a.height, m.height);
        EXPECT_EQ(a.mark, m.mark);
        EXPECT_EQ(a.banded, m.banded);
        EXPECT_EQ(a.drived, m.drived);
    }
}

TShapeRecord rect()
{
    TShapeRecord s;
    s.B = 1000;
    s.H = 1400;
    return s;
}

} // namespace

TEST(SideMarks, FromTheMainSetsSideTable)
{
    // Hinged on the left (opening towards the right side), handle on the right,
    // band along the top, drive along the bottom. Rows of other sets and rows
    // for sides the sash does not have are ignored.
    SideTableCatalogue catalogue({
        {"MS", 1, 1, 3, 0, 0, 0, 0},
        {"MS", 2, 0, 0, 0, 0, 1, 0},
        {"MS", 3, 0, 0, 1, 0, 0, 0},
        {"MS", 4, 0, 0, 0, 0, 0, 1},
        {"MS", 0, 1, 1, 1, 0, 1, 1},
        {"MS", 5, 1, 1, 1, 0, 1, 1},
        {"OTHER", 2, 1, 1, 1, 0, 0, 0},
    });
    FakeModelServices services;
    services.images = {{"MS", 0}, {"MS5", 5}};

    struct Case {
        const char *name;
        QString mainSet, handle;
        bool own;
        int ownHeight;
        bool handled;
        int height;
        QPoint mark;
    };
    const Case cases[] = {
        {"handle component: half the side's length from its start", "MS", "H", false, 0, true, 700, {9995, 7000}},
        {"own handle height", "MS", "H", true, 1050, true, 1050, {9995, 10500}},
        {"no handle component and an image without a handle", "MS", "", false, 0, false, 0, {0, 0}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TkvfConstruction pos;
        pos.SetShape(rect(), 0);
        TSashChoice choice;
        choice.MainSet = c.mainSet;
        choice.Handle = c.handle;
        choice.OwnHandleHeight = c.own;
        choice.HandleHeight = c.ownHeight;
        pos.Sash1().SetCompositionMarks(choice);
        expectMarks(pos.Sash1(), {
            {true, 2, false, 0, {0, 0}, false, false},
            {false, -1, false, 0, {0, 0}, true, false},
            {false, -1, c.handled, c.height, c.mark, false, false},
            {false, -1, false, 0, {0, 0}, false, true},
        });
        EXPECT_FALSE(DM().T_FrnSide.isFiltered());
        EXPECT_TRUE(DM().T_FrnSide.filter().isEmpty());
        EXPECT_EQ(pos.Sash1().HandleSideIndex(), c.handled ? 2 : -1);
        EXPECT_EQ(pos.Sash1().BandedSideIndex(), 1);
        EXPECT_EQ(services.selectionRuns, 0);
    }
}

TEST(SideMarks, MainSetImageGivesAHandleWithoutHandleComponent)
{
    SideTableCatalogue catalogue({{"MS5", 3, 0, 0, 1, 1, 0, 0}});
    FakeModelServices services;
    services.images = {{"MS5", 5}};
    TkvfConstruction pos;
    pos.SetShape(rect(), 0);
    TSashChoice choice;
    choice.MainSet = "MS5";
    pos.Sash1().SetCompositionMarks(choice);
    const TkvfLine &right = pos.Sash1().Line(2);
    EXPECT_TRUE(right.Handled);
    EXPECT_EQ(right.HandleHeight, 700);
    EXPECT_EQ(right.HandleMark, QPoint(9995, 7000)) << "measured from the end of the side";
    EXPECT_EQ(pos.Sash1().Composition()->MainImage, 5);
}

TEST(SideMarks, SidesWithoutRowsKeepTheirMarks)
{
    SideTableCatalogue catalogue({
        {"MS", 1, 0, 3, 0, 0, 0, 0},   // not hinged: the opening side stays as it was
        {"MS", 2, 1, 9, 0, 0, 0, 0},   // opening towards a side the sash lacks: no mark
        {"O'X", 4, 1, 2, 0, 0, 1, 0},  // an apostrophe in the set ID
    });
    FakeModelServices services;
    TkvfConstruction pos;
    pos.SetShape(rect(), 0);
    TkvfFlugel &s = pos.Sash1();
    s.Line(0).RotSideIndex = 1;
    s.Line(0).HingeSide = true;
    s.Line(3).Drived = true;
    TSashChoice choice;
    choice.MainSet = "MS";
    s.SetCompositionMarks(choice);
    EXPECT_FALSE(s.Line(0).HingeSide);
    EXPECT_EQ(s.Line(0).RotSideIndex, 1);
    EXPECT_TRUE(s.Line(1).HingeSide);
    EXPECT_EQ(s.Line(1).RotSideIndex, -1);
    EXPECT_TRUE(s.Line(3).Drived) << "no row for side 4";

    choice.MainSet = "O'X";
    s.SetCompositionMarks(choice);
    EXPECT_TRUE(s.Line(3).HingeSide);
    EXPECT_EQ(s.Line(3).RotSideIndex, 1);
    EXPECT_TRUE(s.Line(3).Banded);
    EXPECT_FALSE(DM().T_FrnSide.isFiltered());

    // Saved and read back, the marks survive.
    TkvfConstruction copy;
    copy.Copy(pos);
    EXPECT_EQ(copy.Sash1().Line(3).RotSideIndex, 1);
}

TEST(SideMarks, SelectionSeesTheMarksAndClearingRemovesThem)
{
    SideTableCatalogue catalogue({{"MS", 1, 1, 3, 0, 0, 0, 0}, {"MS", 3, 0, 0, 1, 0, 0, 0}});
    FakeModelServices services;
    TkvfConstruction pos;
    pos.SetShape(rect(), 0);
    bool sawHandle = false;
    services.selection = [&](TkvfFurnComp &c) {
        sawHandle = c.Sash->HandleSideIndex() == 2;
        c.AddItem("X", "MS", "", false, 0, "", 1, 3);
    };
    TSashChoice choice;
    choice.MainSet = "MS";
    choice.Handle = "H";
    pos.Sash1().SetComposition("SYS", "PROF", choice, "COL");
    EXPECT_TRUE(sawHandle) << "the engine runs after the sides are marked";
    EXPECT_EQ(pos.Sash1().Composition()->Count(), 1);

    pos.Sash1().ClearComposition();
    EXPECT_EQ(pos.Sash1().Composition(), nullptr);
    for (int i = 0; i < 4; ++i) {
        EXPECT_FALSE(pos.Sash1().Line(i).HingeSide);
        EXPECT_FALSE(pos.Sash1().Line(i).Handled);
        EXPECT_EQ(pos.Sash1().Line(i).RotSideIndex, -1);
    }
}
