// The data grid over table objects: edits written when the row is left,
// new records, cell editors, the common grid keys with their questions, and
// the record navigator.
#include "RefDlgTestSupport.h"
#include "support/QStringPrinter.h"
#include "core/DataEditor.h"
#include "core/RecClipBoard.h"
#include "tools/RecordingMessages.h"
#include "windows/DBGrid.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

using namespace kv;
using namespace kvtest;

namespace {

using Kind = RecordingMessageSink::Kind;

// Key presses carrying any characters (Cyrillic too).
void typeText(QWidget *w, const QString &text)
{
    for (const QChar ch : text) {
        const int code = ch.isLetter() ? ch.toUpper().unicode() : ch.unicode();
        QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, code, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(w, &release);
    }
}

// A grid in a shown, active window, so keys reach it as they reach a user's.
class GridTest : public ::testing::Test
{
protected:
    TDBGrid *make(TDataTable &t, const QList<TDBGridColumn> &columns)
    {
        grid = new TDBGrid(t, columns, &window);
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(grid);
        window.resize(700, 400);
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        grid->setFocus();
        return grid;
    }
    TDBGrid *priceGroups()
    {
        return make(c.dm.T_PriceGrp, {{QStringLiteral("GroupID"), QStringLiteral("Код группы")},
                                      {QStringLiteral("Name"), QStringLiteral("Наименование")},
                                      {QStringLiteral("Reduce_1"), QStringLiteral("Скидка, %")}});
    }
    QModelIndex cell(int row, int column) const { return grid->model()->index(row, column); }
    QString shown(int row, int column) const { return cell(row, column).data().toString(); }
    // A plain click on a cell: it becomes current and the only marked row.
    void go(int row, int column)
    {
        grid->selectionModel()->setCurrentIndex(cell(row, column),
                                                QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }

    // F2 on the current cell, the text typed over what it held, Enter.
    void type(const QString &text)
    {
        QTest::keyClick(grid, Qt::Key_F2);
        QWidget *editor = QApplication::focusWidget();
        ASSERT_NE(editor, grid) << "no cell editor opened";
        if (auto *line = qobject_cast<QLineEdit *>(editor)) {
            line->selectAll();
            typeText(line, text);
        }
        QTest::keyClick(editor, Qt::Key_Return);
    }
    void key(int k, Qt::KeyboardModifiers mods = Qt::NoModifier) { QTest::keyClick(grid, Qt::Key(k), mods); }

    ShopCatalog c;
    RecordingMessages messages;
    QWidget window;
    TDBGrid *grid = nullptr;
};

} // namespace

TEST_F(GridTest, ShowsTheViewWithDisplayConventions)
{
    make(c.dm.T_Catalog, {{QStringLiteral("Article")},
                          {QStringLiteral("Price")},
                          {QStringLiteral("CurrencyLookup"), QStringLiteral("Цена")},
                          {QStringLiteral("Virtual")}});
    ASSERT_EQ(grid->model()->rowCount(), 12);
    EXPECT_EQ(grid->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Артикул")) << "the field's label";
    EXPECT_EQ(shown(5, 0), QStringLiteral("KV-1006"));
    EXPECT_EQ(shown(5, 1), QStringLiteral("310,0000")) << "amounts with four decimals and a comma";
    EXPECT_EQ(shown(5, 2), QStringLiteral("руб"));
    EXPECT_EQ(cell(9, 3).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
    EXPECT_EQ(cell(8, 3).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
    EXPECT_TRUE(shown(9, 3).isEmpty()) << "a check box column shows no text";

    c.sql(QStringLiteral("update Catalog set Price = 1234567.5 where ID = 'K-1001';"));
    c.dm.T_Catalog.refresh();
    EXPECT_EQ(shown(0, 1), QStringLiteral("1 234 567,5000"));
    EXPECT_EQ(grid->model()->headerData(0, Qt::Vertical).toString(), QStringLiteral("\u25BA")) << "the current row";
}

TEST_F(GridTest, EditIsWrittenWhenTheRowIsLeft)
{
    priceGroups();
    go(1, 1);
    type(QStringLiteral("Ручки офисные"));
    EXPECT_EQ(shown(1, 1), QStringLiteral("Ручки офисные"));
    EXPECT_EQ(grid->model()->headerData(1, Qt::Vertical).toString(), QStringLiteral("\u270E"));
    EXPECT_EQ(c.stored(QStringLiteral("select Name from PriceGrp where GroupID = 2")), QStringList{QStringLiteral("Ручки")})
        << "nothing written while the row is current";
    go(1, 2);
    type(QStringLiteral("-4,5"));
    key(Qt::Key_Down);
    EXPECT_EQ(c.stored(QStringLiteral("select Name, Reduce_1 from PriceGrp where GroupID = 2")),
              QStringList{QStringLiteral("Ручки офисные|-4.5")});
    EXPECT_EQ(grid->currentIndex().row(), 2);
    EXPECT_EQ(c.dm.T_PriceGrp.asInteger(QStringLiteral("GroupID")), 3) << "the table follows the grid";
    EXPECT_TRUE(messages.isEmpty()) << messages.texts().join(QLatin1Char('\n')).toStdString();
}

TEST_F(GridTest, UnchangedCellStartsNoChange)
{
    priceGroups();
    go(0, 1);
    type(QStringLiteral("Фурнитура"));
    EXPECT_FALSE(grid->editor().isEditing());
}

TEST_F(GridTest, RefusedValueIsShownAndNotTaken)
{
    priceGroups();
    go(0, 0);
    type(QStringLiteral("70000"));
    EXPECT_EQ(messages.texts(Kind::Error),
              QStringList{QStringLiteral("Значение 70000 поля [GroupID] вне допустимого диапазона (от -32768 до 32767)")});
    EXPECT_EQ(shown(0, 0), QStringLiteral("1"));
}

TEST_F(GridTest, InsertKeyStartsNewRecordThatIsSortedInWhenPosted)
{
    priceGroups();
    go(2, 0);
    key(Qt::Key_Insert);
    ASSERT_EQ(grid->model()->rowCount(), 5);
    EXPECT_EQ(grid->currentIndex().row(), 2) << "the new row stands before the current one";
    EXPECT_EQ(grid->model()->headerData(2, Qt::Vertical).toString(), QStringLiteral("*"));
    EXPECT_TRUE(shown(2, 1).isEmpty());
    type(QStringLiteral("9"));
    go(2, 1);
    type(QStringLiteral("Замки"));
    EXPECT_EQ(c.stored(QStringLiteral("select count(*) from PriceGrp")), QStringList{QStringLiteral("4")});
    key(Qt::Key_Up); // leaving the row posts it
    EXPECT_EQ(c.stored(QStringLiteral("select GroupID, Name, Reduce_1 from PriceGrp where GroupID = 9")),
              QStringList{QStringLiteral("9|Замки|0")});
    ASSERT_EQ(grid->model()->rowCount(), 5);
    EXPECT_EQ(shown(4, 1), QStringLiteral("Замки")) << "sorted by its key";
    EXPECT_EQ(shown(1, 1), QStringLiteral("Ручки"));
    EXPECT_EQ(grid->currentIndex().row(), 1) << "on the row the user moved to";
}

TEST_F(GridTest, RecordThatCannotBeWrittenKeepsTheGridOnIt)
{
    priceGroups();
    go(0, 0);
    key(Qt::Key_Insert);
    type(QStringLiteral("3")); // the key of "Уплотнители"
    key(Qt::Key_Down);
    EXPECT_EQ(messages.texts(Kind::Error),
              QStringList{QStringLiteral("Запись с таким ключом уже есть в таблице [PriceGrp]")});
    EXPECT_EQ(grid->currentIndex().row(), 0) << "back on the new row";
    EXPECT_EQ(grid->editor().state(), TDataEditor::State::Insert);
    key(Qt::Key_Escape); // drops it
    EXPECT_FALSE(grid->editor().isEditing());
    EXPECT_EQ(grid->model()->rowCount(), 4);
    EXPECT_EQ(c.stored(QStringLiteral("select count(*) from PriceGrp")), QStringList{QStringLiteral("4")});
}

TEST_F(GridTest, CheckBoxAndDropDownColumns)
{
    const TDBGridColumn currency = TDBGridColumn::lookup(QStringLiteral("CurrencyLookup"), QStringLiteral("Цена"), 0,
                                                         &c.dm.T_Currency, QStringLiteral("Name"), QStringLiteral("ID"));
    make(c.dm.T_Catalog, {{QStringLiteral("Article")}, currency, {QStringLiteral("PriceGroupLookup")},
                          {QStringLiteral("Virtual")}});
    go(0, 1);
    QTest::keyClick(grid, Qt::Key_F2);
    auto *box = qobject_cast<QComboBox *>(QApplication::focusWidget());
    ASSERT_NE(box, nullptr) << "a lookup column edits with a drop-down";
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    EXPECT_EQ(items, (QStringList{QStringLiteral("руб"), QStringLiteral("EUR"), QStringLiteral("USD")}));
    EXPECT_EQ(box->currentText(), QStringLiteral("EUR"));
    box->setCurrentIndex(2);
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(shown(0, 1), QStringLiteral("USD"));

    // The price group drop-down comes from the lookup's own table.
    go(0, 2);
    QTest::keyClick(grid, Qt::Key_F2);
    box = qobject_cast<QComboBox *>(QApplication::focusWidget());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->count(), 4);
    box->setCurrentIndex(box->findText(QStringLiteral("Петли")));
    QTest::keyClick(box, Qt::Key_Return);

    go(0, 3);
    key(Qt::Key_Space);
    EXPECT_EQ(cell(0, 3).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
    key(Qt::Key_Down);
    EXPECT_EQ(c.stored(QStringLiteral("select Currency, PriceGrp, Virtual from Catalog where ID = 'K-1001'")),
              QStringList{QStringLiteral("3|4|1")});
}

TEST_F(GridTest, IdColumnsAreTypedInUpperCase)
{
    c.sql(QStringLiteral("insert into FrnItem(ID, Name) values ('EL-1', 'Угловой привод'), ('EL-9', 'Ножницы');"));
    c.dm.T_FrnItem.refresh();
    make(c.dm.T_FrnItem, {{QStringLiteral("ID")}, {QStringLiteral("Name")}});
    go(0, 0);
    type(QStringLiteral("el-2ш"));
    EXPECT_EQ(shown(0, 0), QStringLiteral("EL-2Ш"));
    key(Qt::Key_Down);
    EXPECT_EQ(c.stored(QStringLiteral("select ID from FrnItem order by ID")),
              (QStringList{QStringLiteral("EL-2Ш"), QStringLiteral("EL-9")}));
}

TEST_F(GridTest, FixedColumnsStayReadOnly)
{
    make(c.dm.T_Catalog, {{QStringLiteral("Article")}, {QStringLiteral("ProdArticle")}, {QStringLiteral("Name")}});
    grid->setFixedColumns(2);
    EXPECT_FALSE(grid->model()->flags(cell(0, 0)) & Qt::ItemIsEditable);
    EXPECT_FALSE(grid->model()->flags(cell(0, 1)) & Qt::ItemIsEditable);
    EXPECT_TRUE(grid->model()->flags(cell(0, 2)) & Qt::ItemIsEditable);
    auto *fixed = grid->findChild<QTableView *>(QStringLiteral("FixedColumns"));
    ASSERT_NE(fixed, nullptr);
    EXPECT_FALSE(fixed->isColumnHidden(1));
    EXPECT_TRUE(fixed->isColumnHidden(2));
    EXPECT_EQ(fixed->width(), grid->columnWidth(0) + grid->columnWidth(1));
}

// --------------------------------------------------------------- grid keys

TEST_F(GridTest, DeleteKeysAskFirst)
{
    struct Case
    {
        const char *what;
        Qt::KeyboardModifiers mods;
        QList<int> marked; // rows marked besides the current one
        bool confirm;      // the grid confirms deletions
        bool answer;
        QString question;
        QStringList left;  // GroupIDs that stay
    };
    const Case cases[] = {
        {"current, cancelled", Qt::ControlModifier, {}, true, false, QStringLiteral("Удалить запись?"),
         {"1", "2", "3", "4"}},
        {"current", Qt::ControlModifier, {}, true, true, QStringLiteral("Удалить запись?"), {"1", "3", "4"}},
        {"current, no confirmation", Qt::ControlModifier, {}, false, true, QString(), {"1", "3", "4"}},
        {"three marked", Qt::ControlModifier, {0, 3}, true, true, QStringLiteral("Удалить 3 записей?"), {"3"}},
        {"three marked, cancelled", Qt::ControlModifier, {0, 3}, true, false, QStringLiteral("Удалить 3 записей?"),
         {"1", "2", "3", "4"}},
        {"all", Qt::ControlModifier | Qt::ShiftModifier, {}, true, true, QStringLiteral("Удалить все записи?"), {}},
        {"all, cancelled", Qt::ControlModifier | Qt::ShiftModifier, {}, true, false,
         QStringLiteral("Удалить все записи?"), {"1", "2", "3", "4"}},
    };
    priceGroups();
    for (const Case &k : cases) {
        SCOPED_TRACE(k.what);
        c.sql(QStringLiteral("delete from PriceGrp; insert into PriceGrp(GroupID, Name) values (1,'a'),(2,'b'),(3,'c'),(4,'d');"));
        c.dm.T_PriceGrp.refresh();
        messages.clear();
        grid->setConfirmDelete(k.confirm);
        go(1, 0);
        for (int r : k.marked)
            grid->selectionModel()->select(cell(r, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        if (!k.question.isEmpty())
            messages.queueAnswer(k.answer);
        key(Qt::Key_Delete, k.mods);
        EXPECT_EQ(messages.texts(Kind::OkCancel), k.question.isEmpty() ? QStringList() : QStringList{k.question});
        EXPECT_EQ(c.stored(QStringLiteral("select GroupID from PriceGrp order by GroupID")), k.left);
        EXPECT_EQ(grid->model()->rowCount(), k.left.size());
    }
}

TEST_F(GridTest, ReadOnlyGridChangesNothing)
{
    priceGroups();
    grid->setReadOnly(true);
    int copies = 0, pastes = 0;
    grid->setClipboardHandlers([&] { ++copies; }, [&] { ++pastes; }, [&] { ++pastes; });
    go(1, 1);
    key(Qt::Key_Delete, Qt::ControlModifier);
    key(Qt::Key_Delete, Qt::ControlModifier | Qt::ShiftModifier);
    key(Qt::Key_Insert);
    key(Qt::Key_V, Qt::ControlModifier);
    key(Qt::Key_B, Qt::ControlModifier);
    key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(grid->model()->rowCount(), 4);
    EXPECT_FALSE(grid->editor().isEditing());
    EXPECT_EQ(pastes, 0);
    EXPECT_EQ(copies, 1) << "copying changes nothing";
}

TEST_F(GridTest, ClipboardHandlerKeysInBothLayouts)
{
    priceGroups();
    QStringList calls;
    grid->setClipboardHandlers([&] { calls << QStringLiteral("copy"); }, [&] { calls << QStringLiteral("paste"); },
                               [&] { calls << QStringLiteral("clone"); });
    key(Qt::Key_C, Qt::ControlModifier);
    key(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    key(Qt::Key_V, Qt::ControlModifier);
    key(Qt::Key_B, Qt::ControlModifier);
    // The same keys with the Russian layout: С, М, И.
    EXPECT_TRUE(HandleGridKey(*grid, 0x0421, Qt::ControlModifier, [&] { calls << QStringLiteral("copy"); }));
    EXPECT_TRUE(HandleGridKey(*grid, 0x041C, Qt::ControlModifier, {}, [&] { calls << QStringLiteral("paste"); }));
    EXPECT_TRUE(HandleGridKey(*grid, 0x0418, Qt::ControlModifier, {}, {}, [&] { calls << QStringLiteral("clone"); }));
    EXPECT_FALSE(HandleGridKey(*grid, Qt::Key_V, Qt::ControlModifier)) << "no handler: the key is not used";
    EXPECT_EQ(calls, (QStringList{QStringLiteral("copy"), QStringLiteral("copy"), QStringLiteral("paste"),
                                  QStringLiteral("clone"), QStringLiteral("copy"), QStringLiteral("paste"),
                                  QStringLiteral("clone")}));
}

TEST_F(GridTest, CtrlAndShiftInsertCopyAndPasteTheField)
{
    make(c.dm.T_Catalog, {{QStringLiteral("Article")}, {QStringLiteral("CurrencyLookup")}, {QStringLiteral("Price")}});
    go(7, 1);
    key(Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("3")) << "a lookup field copies its key";
    go(7, 2);
    key(Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("14,6"));

    go(0, 2);
    key(Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(grid->editor().state(), TDataEditor::State::Edit);
    EXPECT_EQ(shown(0, 2), QStringLiteral("14,6000"));
    go(0, 1);
    QGuiApplication::clipboard()->setText(QStringLiteral("3"));
    key(Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(shown(0, 1), QStringLiteral("USD"));
    key(Qt::Key_Down);
    EXPECT_EQ(c.stored(QStringLiteral("select Price, Currency from Catalog where ID = 'K-1001'")),
              QStringList{QStringLiteral("14.6|3")});

    // Not while a cell editor is open: the editor has the keys then.
    go(1, 0);
    QTest::keyClick(grid, Qt::Key_F2);
    EXPECT_FALSE(HandleGridKey(*grid, Qt::Key_Insert, Qt::NoModifier));
    EXPECT_FALSE(HandleGridKey(*grid, Qt::Key_Insert, Qt::ShiftModifier));
    EXPECT_EQ(grid->model()->rowCount(), 12);
}

TEST_F(GridTest, InsertIsRefusedWhereNewRecordsAreNot)
{
    priceGroups();
    grid->setAllowInsert(false);
    key(Qt::Key_Insert);
    EXPECT_FALSE(grid->editor().isEditing());
    grid->setAllowDelete(false);
    key(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(grid->model()->rowCount(), 4);
}

// --------------------------------------------------------------- navigator

TEST_F(GridTest, NavigatorMovesEditsAndFollowsTheState)
{
    // 25 price groups: pages of ten rows.
    QString script = QStringLiteral("delete from PriceGrp;");
    for (int i = 1; i <= 25; ++i)
        script += QStringLiteral("insert into PriceGrp(GroupID, Name) values (%1, 'Группа %1');").arg(i);
    c.sql(script);
    c.dm.T_PriceGrp.refresh();
    priceGroups();
    TDBNavigator nav(&window);
    nav.setGrid(grid);
    auto enabled = [&nav](TDBNavigator::Button b) { return nav.button(b)->isEnabled(); };

    EXPECT_FALSE(enabled(TDBNavigator::First));
    EXPECT_FALSE(enabled(TDBNavigator::Prior));
    EXPECT_TRUE(enabled(TDBNavigator::Next));
    EXPECT_FALSE(enabled(TDBNavigator::Post));
    nav.button(TDBNavigator::NextPage)->click();
    EXPECT_EQ(grid->currentIndex().row(), 10);
    nav.button(TDBNavigator::NextPage)->click();
    nav.button(TDBNavigator::NextPage)->click();
    EXPECT_EQ(grid->currentIndex().row(), 24) << "no further than the last row";
    EXPECT_FALSE(enabled(TDBNavigator::Last));
    nav.button(TDBNavigator::PriorPage)->click();
    EXPECT_EQ(grid->currentIndex().row(), 14);
    nav.button(TDBNavigator::Prior)->click();
    EXPECT_EQ(c.dm.T_PriceGrp.asInteger(QStringLiteral("GroupID")), 14);

    grid->setCurrentIndex(cell(13, 1));
    nav.button(TDBNavigator::Edit)->click();
    EXPECT_EQ(grid->editor().state(), TDataEditor::State::Edit);
    EXPECT_TRUE(enabled(TDBNavigator::Post));
    EXPECT_FALSE(enabled(TDBNavigator::Edit));
    EXPECT_FALSE(enabled(TDBNavigator::Refresh));
    if (auto *line = qobject_cast<QLineEdit *>(QApplication::focusWidget()))
        line->setText(QStringLiteral("Четырнадцатая"));
    nav.button(TDBNavigator::Post)->click();
    EXPECT_EQ(c.stored(QStringLiteral("select Name from PriceGrp where GroupID = 14")),
              QStringList{QStringLiteral("Четырнадцатая")});

    nav.button(TDBNavigator::Insert)->click();
    EXPECT_EQ(grid->editor().state(), TDataEditor::State::Insert);
    nav.button(TDBNavigator::Cancel)->click();
    EXPECT_FALSE(grid->editor().isEditing());
    EXPECT_EQ(grid->model()->rowCount(), 25);

    EXPECT_EQ(c.dm.T_PriceGrp.asInteger(QStringLiteral("GroupID")), 14);
    EXPECT_EQ(grid->currentIndex().row(), 13);
    nav.setConfirmDelete(false);
    nav.click(TDBNavigator::Delete);
    EXPECT_TRUE(messages.isEmpty()) << "the navigator deletes without asking";
    EXPECT_EQ(c.stored(QStringLiteral("select count(*) from PriceGrp where GroupID = 14")), QStringList{QStringLiteral("0")});
    nav.button(TDBNavigator::First)->click();
    EXPECT_EQ(grid->currentIndex().row(), 0);
}

TEST_F(GridTest, AskedValueComesFromTheInputBox)
{
    priceGroups();
    go(3, 0); // "Петли"
    TRecClipBoard clip;
    clip.AskValue = QtInputQuery;
    clip.CopyRecords(&c.dm.T_PriceGrp, {}, false, QStringLiteral("Код новой группы:"), QStringLiteral("GroupID"), {},
                     grid->rowSelection());
    for (const bool ok : {true, false}) {
        SCOPED_TRACE(ok);
        QString prompt;
        ModalDriver driver([&](QWidget *w) {
            auto *box = qobject_cast<QInputDialog *>(w);
            ASSERT_NE(box, nullptr);
            prompt = box->labelText();
            box->setTextValue(QStringLiteral("8"));
            ok ? box->accept() : box->reject();
        });
        clip.PasteRecords(&c.dm.T_PriceGrp, true);
        EXPECT_TRUE(driver.ran());
        EXPECT_EQ(prompt, QStringLiteral("Код новой группы:"));
        EXPECT_FALSE(grid->editor().isEditing());
        EXPECT_EQ(grid->model()->rowCount(), 5);
        EXPECT_EQ(c.stored(QStringLiteral("select GroupID, Name, Reduce_2 from PriceGrp where GroupID = 8")),
                  QStringList{QStringLiteral("8|Петли|2")});
    }
}
