// The list pick dialog over a catalogue table: what it shows, where it
// leaves the table, the target field, and the caller's filter afterwards.
#include "windows/KMLookup2.h"
#include "support/CatalogFixture.h"
#include "support/QStringPrinter.h"
#include "tools/Errors.h"
#include "tools/RecordingMessages.h"
#include "WindowsTestSupport.h"

#include <gtest/gtest.h>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTextEdit>

using namespace kv;
using kvtest::ModalDriver;

namespace {

struct LookupFixture : kvtest::CatalogFixture
{
    LookupFixture()
    {
        sql(QStringLiteral("insert into Currency(ID, Name, Value, Dec) values"
                           "(1,'RUB',1,2),(2,'EUR',90,2),(3,'USD',80,2),(4,'UAH',2.5,2);"
                           "insert into Material(ID, Name) values (1,'eur'),(2,'Дерево');"));
        EXPECT_TRUE(dm.OpenCatalogTables());
    }
    QStringList gridColumn(QTableView *grid, int column)
    {
        QStringList out;
        for (int r = 0; r < grid->model()->rowCount(); ++r)
            out << grid->model()->index(r, column).data().toString();
        return out;
    }
    RecordingMessages messages;
};

} // namespace

TEST(LookupDialog, PickingARowLeavesTheTableOnItAndPutsTheCallersFilterBack)
{
    LookupFixture f;
    TDataTable &cur = f.dm.T_Currency;
    cur.setFilter(QStringLiteral("ID < 4"));
    cur.setFiltered(false); // a filter text that is switched off must stay off

    TDBLookup2Dlg dlg;
    QStringList shownNames, headers;
    QString memo, caption;
    ModalDriver driver([&](QWidget *w) {
        auto *d = qobject_cast<TDBLookup2Dlg *>(w);
        ASSERT_NE(d, nullptr);
        caption = d->windowTitle();
        kvtest::saveShot(d, QStringLiteral("lookup_dialog"));
        memo = d->memo()->toPlainText();
        shownNames = f.gridColumn(d->grid(), 1);
        for (int c = 0; c < d->grid()->model()->columnCount(); ++c)
            headers << d->grid()->model()->headerData(c, Qt::Horizontal).toString();
        // Down twice from the first row, then Enter.
        QTest::keyClick(d->grid(), Qt::Key_Down);
        QTest::keyClick(d->grid(), Qt::Key_Down);
        QTest::keyClick(d->grid(), Qt::Key_Return);
    });
    TDataSource source(&cur);
    const bool ok = dlg.Run(source, QStringLiteral("ID"), QStringLiteral("Выберите валюту."), QStringLiteral("Валюты"),
                            QStringLiteral("Value > 1"), {}, 1, {QStringLiteral("ID"), QStringLiteral("Name"), QStringLiteral("Value")});
    EXPECT_TRUE(driver.ran());
    EXPECT_TRUE(ok);
    EXPECT_EQ(caption, QStringLiteral("Валюты"));
    EXPECT_EQ(memo, QStringLiteral("Выберите валюту."));
    EXPECT_EQ(shownNames, (QStringList{"EUR", "USD", "UAH"}));
    EXPECT_EQ(headers, (QStringList{"ID", QStringLiteral("Валюта")})); // two columns: last index 1
    EXPECT_EQ(dlg.resultValue().toInt(), 4);
    EXPECT_EQ(cur.asString(QStringLiteral("Name")), QStringLiteral("UAH"));
    EXPECT_EQ(cur.filter(), QStringLiteral("ID < 4"));
    EXPECT_FALSE(cur.isFiltered());
    EXPECT_EQ(cur.recordCount(), 4);
    EXPECT_TRUE(f.messages.isEmpty());
}

TEST(LookupDialog, TargetFieldStartsTheGridOnItsValueAndTakesThePickedKey)
{
    LookupFixture f;
    TDataTable &mat = f.dm.T_Material;
    ASSERT_TRUE(mat.locate(QStringLiteral("ID"), 1));
    TDataSource source(&f.dm.T_Currency);

    // Cancel: the grid started on "EUR" (the target's "eur", letter case
    // ignored), the target keeps its value.
    {
        TDBLookup2Dlg dlg;
        int startRow = -1;
        ModalDriver driver([&](QWidget *w) {
            auto *d = qobject_cast<TDBLookup2Dlg *>(w);
            startRow = d->grid()->currentIndex().row();
            QTest::keyClick(d->grid(), Qt::Key_Down);
            d->cancelButton()->click();
        });
        EXPECT_FALSE(dlg.Run(source, QStringLiteral("Name"), {}, {}, {}, {&mat, QStringLiteral("Name")}, 0,
                             {QStringLiteral("Name")}));
        EXPECT_EQ(startRow, 1);
        EXPECT_FALSE(dlg.resultValue().isValid());
        EXPECT_EQ(mat.asString(QStringLiteral("Name")), QStringLiteral("eur"));
    }
    // OK after a double click on "USD".
    {
        TDBLookup2Dlg dlg;
        ModalDriver driver([&](QWidget *w) {
            auto *d = qobject_cast<TDBLookup2Dlg *>(w);
            const QModelIndex usd = d->grid()->model()->index(2, 0);
            d->grid()->setCurrentIndex(usd);
            Q_EMIT d->grid()->doubleClicked(usd);
        });
        EXPECT_TRUE(dlg.Run(source, QStringLiteral("Name"), {}, {}, {}, {&mat, QStringLiteral("Name")}, 0,
                            {QStringLiteral("Name")}));
        EXPECT_EQ(dlg.resultValue().toString(), QStringLiteral("USD"));
        mat.refresh();
        ASSERT_TRUE(mat.locate(QStringLiteral("ID"), 1));
        EXPECT_EQ(mat.asString(QStringLiteral("Name")), QStringLiteral("USD"));
    }
    EXPECT_TRUE(f.messages.isEmpty());
}

TEST(LookupDialog, CancelStillMovesTheTableButRestoresAFilterThatWasOn)
{
    // The engine takes whatever row is current when the dialog closes.
    LookupFixture f;
    TDataTable &cur = f.dm.T_Currency;
    cur.setFilter(QStringLiteral("ID >= 2"));
    cur.setFiltered(true);
    TDataSource source(&cur);
    TDBLookup2Dlg dlg;
    bool wholeRowsAfterF3 = true;
    ModalDriver driver([&](QWidget *w) {
        auto *d = qobject_cast<TDBLookup2Dlg *>(w);
        // The dialog's filter replaces the caller's: rows 1, 2, 3.
        QTest::keyClick(d->grid(), Qt::Key_Down);
        QTest::keyClick(d->grid(), Qt::Key_Down);
        QTest::keyClick(d->grid(), Qt::Key_F3);
        wholeRowsAfterF3 = d->grid()->selectionBehavior() == QAbstractItemView::SelectRows;
        QTest::keyClick(d->grid(), Qt::Key_Escape);
        if (d->isVisible())
            d->reject();
    });
    EXPECT_FALSE(dlg.Run(source, QStringLiteral("ID"), {}, {}, QStringLiteral("ID <= 3"), {}, 0, {QStringLiteral("ID")}));
    EXPECT_FALSE(wholeRowsAfterF3);
    EXPECT_EQ(cur.filter(), QStringLiteral("ID >= 2"));
    EXPECT_TRUE(cur.isFiltered());
    EXPECT_EQ(cur.recordCount(), 3);
    EXPECT_EQ(cur.asInteger(QStringLiteral("ID")), 3);
}

TEST(LookupDialog, ABrokenFilterRaisesAndLeavesTheTableAsItWas)
{
    LookupFixture f;
    TDataTable &cur = f.dm.T_Currency;
    TDataSource source(&cur);
    TDBLookup2Dlg dlg;
    EXPECT_THROW(dlg.Run(source, QStringLiteral("ID"), {}, {}, QStringLiteral("NoSuchField = (("), {}, 0,
                         {QStringLiteral("ID")}),
                 Error);
    EXPECT_FALSE(cur.isFiltered());
    EXPECT_EQ(cur.filter(), QString());
    EXPECT_EQ(cur.recordCount(), 4);
}
