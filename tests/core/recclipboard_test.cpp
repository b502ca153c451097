// The edit buffer of table objects and the record clipboard on top of it.
#include "support/CatalogFixture.h"
#include "support/QStringPrinter.h"
#include "core/Data.h"
#include "core/DataEditor.h"
#include "core/RecClipBoard.h"
#include "tools/Errors.h"

#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <gtest/gtest.h>

using namespace kv;
using kvtest::CatalogFixture;

namespace {

struct Catalog : CatalogFixture
{
    Catalog()
    {
        sql(QStringLiteral(
            "insert into SysProp(ID, GroupName, ValueName, Printable, Use, PrintName) values"
            " (110, 'Цвет', 'Белый', 1, 1, 'белый'), (120, 'Цвет', 'Коричневый', 1, 0, 'кор.'),"
            " (130, 'Ручка', 'Латунь', 0, 1, ''), (140, 'Ручка', 'Хром', 0, 1, '');"
            "insert into Material(ID, Name) values (1, 'ПВХ'), (2, 'Дерево');"
            "insert into Currency(ID, Name, Value) values (1, 'RUB', 1), (2, 'EUR', 95.5);"
            "insert into Catalog(ID, Article, Name, Price, Currency) values ('A1', 'a-1', 'Петля', 10, 2);"));
        EXPECT_TRUE(dm.OpenCatalogTables());
    }

    // What the database holds, read past the table objects.
    QStringList stored(const QString &select)
    {
        QSqlQuery q(QSqlDatabase::database(dm.connectionName(DatabaseKind::Catalog)));
        EXPECT_TRUE(q.exec(select)) << select.toStdString();
        QStringList rows;
        while (q.next()) {
            QStringList cells;
            for (int i = 0; i < q.record().count(); ++i)
                cells << q.value(i).toString();
            rows << cells.join(QLatin1Char('|'));
        }
        return rows;
    }
};

// Marked rows of a grid, by the values of a key field.
class Marks : public TRowSelection
{
public:
    Marks(TDataTable &t, const QString &field, const QVariantList &keys)
    {
        for (const QVariant &k : keys) {
            for (int i = 0; i < t.recordCount(); ++i)
                if (t.fieldByName(field).valueAt(i) == k)
                    m_marks << t.bookmarkAt(i);
        }
    }
    QList<qint64> selectedBookmarks() const override { return m_marks; }
    void clearSelection() override
    {
        m_marks.clear();
        ++cleared;
    }
    int cleared = 0;

private:
    QList<qint64> m_marks;
};

QStringList names(const TCustomRec &r)
{
    QStringList out;
    for (int i = 0; i < r.count(); ++i)
        out << r.at(i).FieldName;
    return out;
}

} // namespace

// ------------------------------------------------------------------ editor

TEST(DataEditor, ChangesReachTheDatabaseOnlyWhenPosted)
{
    Catalog c;
    TDataTable &t = c.dm.T_SysProp;
    TDataEditor &ed = TDataEditor::of(t);
    EXPECT_EQ(&ed, &TDataEditor::of(t)) << "one buffer per table object";
    ASSERT_TRUE(t.locate(QStringLiteral("ID"), 120));
    ed.edit();
    ed.setValue(QStringLiteral("ValueName"), QStringLiteral("Орех"));
    ed.setValue(QStringLiteral("Use"), QStringLiteral(" 1 "));
    EXPECT_EQ(ed.value(QStringLiteral("ValueName")).toString(), QStringLiteral("Орех"));
    EXPECT_EQ(t.asString(QStringLiteral("ValueName")), QStringLiteral("Коричневый")) << "not written yet";

    // Moving the table elsewhere does not send the change to another row.
    t.first();
    ed.post();
    EXPECT_EQ(ed.state(), TDataEditor::State::Browse);
    EXPECT_EQ(t.asInteger(QStringLiteral("ID")), 110) << "the table stays where it was";
    EXPECT_EQ(c.stored(QStringLiteral("select ID, ValueName, Use from SysProp where ID in (110, 120) order by ID")),
              (QStringList{QStringLiteral("110|Белый|1"), QStringLiteral("120|Орех|1")}));

    t.first();
    ed.edit();
    ed.setValue(QStringLiteral("ValueName"), QStringLiteral("Черный"));
    ed.cancel();
    EXPECT_EQ(t.asString(QStringLiteral("ValueName")), QStringLiteral("Белый"));
    EXPECT_EQ(c.stored(QStringLiteral("select ValueName from SysProp where ID = 110")), QStringList{QStringLiteral("Белый")});
}

TEST(DataEditor, NewRecordIsShownAtItsPlaceAndSortedInWhenPosted)
{
    Catalog c;
    TDataTable &t = c.dm.T_SysProp;
    TDataEditor &ed = TDataEditor::of(t);
    t.setRecNo(3);
    ed.insert();
    EXPECT_EQ(ed.insertPosition(), 2) << "before the current record";
    EXPECT_FALSE(ed.value(QStringLiteral("ID")).isValid());
    ed.setValue(QStringLiteral("ID"), 115);
    ed.setValue(QStringLiteral("ValueName"), QStringLiteral("Серый"));
    ed.append(); // posts the pending record first
    EXPECT_EQ(ed.insertPosition(), 5);
    ed.cancel();
    EXPECT_EQ(t.recordCount(), 5);
    EXPECT_EQ(t.asInteger(QStringLiteral("ID")), 115) << "the posted record is current";
    EXPECT_EQ(t.recNo(), 2);
    EXPECT_EQ(c.stored(QStringLiteral("select ValueName, Printable from SysProp where ID = 115")),
              QStringList{QStringLiteral("Серый|0")})
        << "fields never set take the database's defaults";
}

TEST(DataEditor, KeyViolationIsReadableAndKeepsTheRecordPending)
{
    Catalog c;
    TDataTable &t = c.dm.T_SysProp;
    TDataEditor &ed = TDataEditor::of(t);
    ed.append();
    ed.setValue(QStringLiteral("ID"), 130);
    try {
        ed.post();
        FAIL() << "a duplicate key was posted";
    } catch (const Error &e) {
        EXPECT_EQ(e.text(), QStringLiteral("Запись с таким ключом уже есть в таблице [SysProp]"));
    }
    EXPECT_EQ(ed.state(), TDataEditor::State::Insert);
    ed.setValue(QStringLiteral("ID"), 150);
    ed.post();
    EXPECT_EQ(t.recordCount(), 5);
}

TEST(DataEditor, LookupFieldFollowsThePendingKey)
{
    Catalog c;
    TDataTable &t = c.dm.T_Catalog;
    TDataEditor &ed = TDataEditor::of(t);
    EXPECT_EQ(ed.value(QStringLiteral("CurrencyLookup")).toString(), QStringLiteral("EUR"));
    ed.edit();
    ed.setValue(QStringLiteral("CurrencyLookup"), 1); // a lookup takes its key
    EXPECT_EQ(ed.value(QStringLiteral("Currency")).toInt(), 1);
    EXPECT_EQ(ed.value(QStringLiteral("CurrencyLookup")).toString(), QStringLiteral("RUB"));
    EXPECT_EQ(t.asString(QStringLiteral("CurrencyLookup")), QStringLiteral("EUR"));
    ed.post();
    EXPECT_EQ(t.asString(QStringLiteral("CurrencyLookup")), QStringLiteral("RUB"));
}

TEST(DataEditor, TypedValuesAreCheckedAgainstTheField)
{
    Catalog c;
    TDataEditor &ed = TDataEditor::of(c.dm.T_Catalog);
    ed.edit();
    struct Case
    {
        const char *field;
        QVariant typed;
        QVariant stored;   // invalid: refused
        const char *error; // message when refused
    };
    const Case cases[] = {
        {"Price", QStringLiteral("1 234,5"), 1234.5, ""},
        {"Price", QStringLiteral("12.25"), 12.25, ""},
        {"MinTrade", QStringLiteral("0,125"), 0.13, ""},
        {"Price", QStringLiteral("12,5р"), {}, "'12,5р' не является числом"},
        {"Group", QStringLiteral("-7"), -7, ""},
        {"Group", QStringLiteral("40000"), {}, "Значение 40000 поля [Group] вне допустимого диапазона (от -32768 до 32767)"},
        {"Group", QStringLiteral("1,5"), {}, "'1,5' не является целым числом"},
        {"Unit", QStringLiteral("шт"), QStringLiteral("шт"), ""},
        {"Unit", QStringLiteral("упаковка123"), {}, "Значение поля [Ед.изм.] длиннее 10 символов:\r\nупаковка123"},
    };
    for (const Case &k : cases) {
        const QString field = QString::fromLatin1(k.field);
        SCOPED_TRACE(k.typed.toString().toStdString());
        if (k.stored.isValid()) {
            ed.setValue(field, k.typed);
            EXPECT_EQ(ed.value(field), k.stored);
        } else {
            try {
                ed.setValue(field, k.typed);
                ADD_FAILURE() << "accepted";
            } catch (const Error &e) {
                EXPECT_EQ(e.text(), QString::fromUtf8(k.error));
            }
        }
    }
    EXPECT_THROW(ed.setValue(QStringLiteral("GOST"), 1), Error) << "not a bound field";
    ed.setValue(QStringLiteral("Group"), QString()); // a cleared number is stored as 0
    ed.post();
    EXPECT_EQ(c.stored(QStringLiteral("select Price, MinTrade, \"Group\", Unit from Catalog")),
              QStringList{QStringLiteral("12.25|0.13|0|шт")});
}

TEST(DataEditor, DeletingPendingRecords)
{
    Catalog c;
    TDataTable &t = c.dm.T_SysProp;
    TDataEditor &ed = TDataEditor::of(t);
    ed.insert();
    ed.deleteCurrent(); // a new record is only dropped
    EXPECT_EQ(t.recordCount(), 4);
    EXPECT_FALSE(ed.isEditing());
    t.setRecNo(2);
    ed.edit();
    ed.setValue(QStringLiteral("ValueName"), QStringLiteral("x"));
    ed.deleteCurrent();
    EXPECT_EQ(c.stored(QStringLiteral("select ID from SysProp order by ID")),
              (QStringList{QStringLiteral("110"), QStringLiteral("130"), QStringLiteral("140")}));
}

// --------------------------------------------------------------- clipboard

TEST(RecClipBoard, CopiedRecordTakesTheDataFieldsAsAsked)
{
    Catalog c;
    TDataTable &t = c.dm.T_Catalog;
    const TCustomRec all(t, false, {});
    EXPECT_EQ(names(all).size(), int(t.fields().size()) - 2) << "no lookup fields";
    EXPECT_FALSE(names(all).contains(QStringLiteral("CurrencyLookup")));
    EXPECT_EQ(all.value(QStringLiteral("article")).toString(), QStringLiteral("a-1")) << "names ignore case";

    const TCustomRec some(t, false, {QStringLiteral("name"), QStringLiteral("GOST"), QStringLiteral("CurrencyLookup"),
                                      QStringLiteral("ID")});
    EXPECT_EQ(names(some), (QStringList{QStringLiteral("Name"), QStringLiteral("ID")}));

    const TCustomRec but(t, true, {QStringLiteral("id"), QStringLiteral("PRICE")});
    EXPECT_EQ(names(but).size(), names(all).size() - 2);
    EXPECT_FALSE(names(but).contains(QStringLiteral("ID")));
    EXPECT_FALSE(names(but).contains(QStringLiteral("Price")));
}

TEST(RecClipBoard, RecordAppliesOnlyToItsOwnTable)
{
    Catalog c;
    TCustomRec rec(c.dm.T_SysProp, false, {QStringLiteral("ID"), QStringLiteral("ValueName")});
    TDataEditor &mat = TDataEditor::of(c.dm.T_Material);
    mat.append();
    EXPECT_FALSE(rec.ApplyTo(c.dm.T_Material));
    EXPECT_FALSE(mat.isModified(QStringLiteral("ID")));
    mat.cancel();

    TDataEditor &ed = TDataEditor::of(c.dm.T_SysProp);
    ed.append();
    EXPECT_TRUE(rec.ApplyToWithOverrides(c.dm.T_SysProp, {QStringLiteral("id")}, {777}));
    EXPECT_EQ(ed.value(QStringLiteral("ID")).toInt(), 777);
    EXPECT_EQ(ed.value(QStringLiteral("ValueName")).toString(), QStringLiteral("Белый"));
    EXPECT_TRUE(rec.ApplyToWithOverrides(c.dm.T_SysProp, {QStringLiteral("ID")}, {}));
    EXPECT_EQ(ed.value(QStringLiteral("ID")).toInt(), 110) << "overrides need both lists";
    ed.cancel();
}

TEST(RecClipBoard, ThreeMarkedRowsPasteAsThreePostedRecordsWithFreshKeys)
{
    Catalog c;
    TDataTable &t = c.dm.T_SysProp;
    t.setRecNo(4);
    Marks marks(t, QStringLiteral("ID"), {110, 120, 140});
    TRecClipBoard clip;
    clip.CopyRecords(&t, {}, false, {}, {}, QStringLiteral("ID"), &marks);
    ASSERT_EQ(clip.count(), 3);
    EXPECT_EQ(marks.cleared, 1) << "the marks are cleared";
    EXPECT_EQ(t.asInteger(QStringLiteral("ID")), 140) << "the table is back on its record";
    EXPECT_FALSE(t.controlsDisabled());

    clip.PasteRecords(&t);
    EXPECT_FALSE(TDataEditor::of(t).isEditing()) << "several records are all posted";
    EXPECT_FALSE(t.controlsDisabled());
    const QStringList rows = c.stored(QStringLiteral("select ID, GroupName, ValueName, Use from SysProp order by ID"));
    ASSERT_EQ(rows.size(), 7);
    QSet<QString> keys;
    QStringList copies;
    for (const QString &r : rows) {
        const QString id = r.section(QLatin1Char('|'), 0, 0);
        keys.insert(id);
        if (id.toLongLong() >= 1000)
            copies << r.section(QLatin1Char('|'), 1);
    }
    EXPECT_EQ(keys.size(), 7) << "every pasted record has a key of its own";
    copies.sort();
    EXPECT_EQ(copies, (QStringList{QStringLiteral("Ручка|Хром|1"), QStringLiteral("Цвет|Белый|1"),
                                   QStringLiteral("Цвет|Коричневый|0")}));

    // Each paste draws new keys.
    clip.PasteRecords(&t);
    EXPECT_EQ(c.stored(QStringLiteral("select count(distinct ID) from SysProp")), QStringList{QStringLiteral("10")});
}

TEST(RecClipBoard, PasteIntoAnotherTableDoesNothing)
{
    Catalog c;
    TRecClipBoard clip;
    clip.CopyRecords(&c.dm.T_Material);
    clip.PasteRecords(&c.dm.T_SysProp, true);
    EXPECT_FALSE(TDataEditor::of(c.dm.T_SysProp).isEditing());
    EXPECT_EQ(c.dm.T_SysProp.recordCount(), 4);
    EXPECT_EQ(c.dm.T_Material.recordCount(), 2);
}

TEST(RecClipBoard, SingleRecordStaysOpenUnlessPostAlways)
{
    Catalog c;
    TDataTable &t = c.dm.T_SysProp;
    TDataEditor &ed = TDataEditor::of(t);
    TRecClipBoard clip;
    t.setRecNo(2);
    clip.CopyRecords(&t);
    clip.PasteRecords(&t);
    EXPECT_EQ(ed.state(), TDataEditor::State::Insert);
    EXPECT_EQ(ed.insertPosition(), 1);
    EXPECT_EQ(ed.value(QStringLiteral("ValueName")).toString(), QStringLiteral("Коричневый"));
    EXPECT_EQ(ed.value(QStringLiteral("ID")).toInt(), 120) << "the key is copied too: the user changes it";
    EXPECT_EQ(c.stored(QStringLiteral("select count(*) from SysProp")), QStringList{QStringLiteral("4")});
    ed.setValue(QStringLiteral("ID"), 125);
    ed.post();

    clip.CopyRecords(&t, {}, false, {}, {}, QStringLiteral("ID"));
    clip.PasteRecords(&t, true, 1);
    EXPECT_FALSE(ed.isEditing());
    EXPECT_EQ(c.stored(QStringLiteral("select count(*) from SysProp where ValueName = 'Коричневый'")),
              QStringList{QStringLiteral("3")});
}

TEST(RecClipBoard, AskBoxCounterAndCancel)
{
    Catalog c;
    TDataTable &t = c.dm.T_SysProp;
    Marks marks(t, QStringLiteral("ID"), {130, 140});
    TRecClipBoard clip;
    clip.CopyRecords(&t, {}, false, QStringLiteral("Код значения:"), QStringLiteral("id"), {}, &marks);
    QStringList prompts;
    QStringList answers{QStringLiteral("901"), QStringLiteral("902")};
    clip.AskValue = [&](const QString &prompt, QString &value) {
        prompts << prompt;
        if (answers.isEmpty())
            return false;
        value = answers.takeFirst();
        return true;
    };
    clip.PasteRecords(&t, false, 1, 10, QStringLiteral("Printable"));
    EXPECT_EQ(prompts, (QStringList{QStringLiteral("Код значения:"), QStringLiteral("Код значения:")}));
    EXPECT_EQ(c.stored(QStringLiteral("select ID, ValueName, Printable from SysProp where ID > 900 order by ID")),
              (QStringList{QStringLiteral("901|Латунь|11"), QStringLiteral("902|Хром|12")}));

    // Cancelled on the second record: the first stays written.
    answers = {QStringLiteral("903")};
    clip.PasteRecords(&t, false, 1);
    EXPECT_EQ(c.stored(QStringLiteral("select ID from SysProp where ID > 900 order by ID")),
              (QStringList{QStringLiteral("901"), QStringLiteral("902"), QStringLiteral("903")}));
    EXPECT_FALSE(TDataEditor::of(t).isEditing());
    EXPECT_FALSE(t.controlsDisabled());

    // An empty answer ends the paste as well.
    clip.AskValue = [](const QString &, QString &value) {
        value.clear();
        return true;
    };
    clip.PasteRecords(&t, true);
    EXPECT_EQ(t.recordCount(), 7);
}

TEST(RecClipBoard, ErrorPassesAndControlsComeBack)
{
    Catalog c;
    TDataTable &t = c.dm.T_SysProp;
    Marks marks(t, QStringLiteral("ID"), {110, 120});
    TRecClipBoard clip;
    clip.CopyRecords(&t, {}, false, {}, {}, {}, &marks);
    EXPECT_THROW(clip.PasteRecords(&t), Error) << "the copies carry the keys of their originals";
    EXPECT_FALSE(t.controlsDisabled());
    EXPECT_EQ(TDataEditor::of(t).state(), TDataEditor::State::Insert) << "the refused record is left to the user";
    TDataEditor::of(t).cancel();
}

TEST(RecClipBoard, EditModeWritesOverTheCurrentRecord)
{
    Catalog c;
    TDataTable &t = c.dm.T_SysProp;
    TRecClipBoard clip;
    clip.CopyRecords(&t, {QStringLiteral("ValueName"), QStringLiteral("PrintName")});
    t.last();
    clip.PasteRecords(&t, true, 2);
    EXPECT_EQ(c.stored(QStringLiteral("select ID, ValueName, PrintName from SysProp where ID = 140")),
              QStringList{QStringLiteral("140|Белый|белый")});
}

TEST(RecClipBoard, EmptyTableLeavesTheEarlierCopy)
{
    Catalog c;
    c.sql(QStringLiteral("delete from Material;"));
    c.dm.T_Material.refresh();
    TRecClipBoard clip;
    clip.CopyRecords(&c.dm.T_SysProp);
    clip.CopyRecords(&c.dm.T_Material);
    clip.CopyRecords(nullptr);
    EXPECT_EQ(clip.DataSet(), &c.dm.T_SysProp);
    EXPECT_EQ(clip.count(), 1);
}

TEST(RecClipBoard, RandomKeysStayInTheirRange)
{
    for (int i = 0; i < 1000; ++i) {
        const qint32 k = TRecClipBoard::RandomKey();
        ASSERT_GE(k, 0);
        ASSERT_LT(k % 10000, 9999);
        ASSERT_LT(k / 10000, 213000);
    }
}
