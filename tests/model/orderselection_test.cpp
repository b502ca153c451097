// Selections: the selection file (layout, signature, stamps, damage, failed
// save), order file references in both path styles, and the work over real
// order files: refresh, order numbers, materials, positions, lookup and sorts.
#include "FakeModelServices.h"
#include "core/Globals.h"
#include "model/OrderSelection.h"
#include "tools/RecordingMessages.h"
#include "support/QStringPrinter.h"
#include "support/TestSupport.h"

#include <QDir>
#include <gtest/gtest.h>
#include <cmath>
#include <csignal>
#include <optional>
#include <sys/resource.h>

using namespace kv;
using Kind = RecordingMessageSink::Kind;

namespace {

Money money(const char *text) { return *Money::parse(QString::fromLatin1(text)); }

const QString kSignature = QStringLiteral("Karvelo Furniture Selection File");

QByteArray selectionBytes(const QString &stamp, const QString &signature = kSignature,
                          std::optional<qint32> itemCount = {})
{
    TSpecStream s;
    WriteString(s, signature);
    WriteString(s, stamp);
    WriteInt(s, 11);
    WriteInt(s, 12);
    WriteDateTime(s, 45000.5);
    WriteDateTime(s, 45000.75);
    WriteInt(s, 13);
    WriteString(s, QStringLiteral("В-5"));
    WriteDateTime(s, 45010.0);
    WriteString(s, QStringLiteral("Квартал"));
    WriteInt(s, 1);
    WriteInt(s, 840);
    WriteReal(s, 90.5);
    WriteInt(s, 840);
    WriteInt(s, 2);
    WriteReal(s, 20.0);
    WriteByte(s, 1);
    WriteString(s, QStringLiteral("n1\r\nn2\r\n"));
    WriteInt(s, itemCount.value_or(2));
    WriteBool(s, true);
    WriteString(s, QStringLiteral("З-1"));
    WriteString(s, QStringLiteral("001"));
    WriteReal(s, 1200.0);
    WriteReal(s, 1400.5);
    WriteInt(s, 2);
    WriteString(s, QStringLiteral("Окно"));
    WriteString(s, QStringLiteral("%\\2024\\A.KFO"));
    WriteBool(s, false);
    WriteString(s, QStringLiteral("З-2"));
    WriteString(s, QStringLiteral("002"));
    WriteReal(s, 0.0);
    WriteReal(s, 0.0);
    WriteInt(s, 1);
    WriteString(s, QStringLiteral("Дверь"));
    WriteString(s, QStringLiteral("/srv/orders/b.kfo370"));
    return s.data();
}

void expectWrittenSelection(const TkvfOrderSelection &sel)
{
    EXPECT_EQ(sel.Reserved1, 11);
    EXPECT_EQ(sel.Reserved2, 12);
    EXPECT_EQ(sel.Created, 45000.5);
    EXPECT_EQ(sel.Created2, 45000.75);
    EXPECT_EQ(sel.Reserved3, 13);
    EXPECT_EQ(sel.SelectionNo, QStringLiteral("В-5"));
    EXPECT_EQ(sel.SelDate, 45010.0);
    EXPECT_EQ(sel.Name, QStringLiteral("Квартал"));
    ASSERT_EQ(sel.RateCount(), 1);
    EXPECT_EQ(sel.Rate(0).ID, 840);
    EXPECT_EQ(sel.Rate(0).Rate, 90.5f);
    EXPECT_EQ(sel.Currency, 840);
    EXPECT_EQ(sel.PriceGroupNo, 2);
    EXPECT_EQ(sel.NDSTax, 20.0f);
    EXPECT_EQ(sel.RoundMode, 1);
    EXPECT_EQ(sel.Notes, (QStringList{"n1", "n2"}));
    ASSERT_EQ(sel.ItemCount(), 2);
    const TkvfOrderSelectionItem &a = sel.Item(0);
    EXPECT_EQ(a.Selection, &sel);
    EXPECT_TRUE(a.Checked);
    EXPECT_EQ(a.OrderNo, QStringLiteral("З-1"));
    EXPECT_EQ(a.PosNo, QStringLiteral("001"));
    EXPECT_EQ(a.Width, 1200.0f);
    EXPECT_EQ(a.Height, 1400.5f);
    EXPECT_EQ(a.Count, 2);
    EXPECT_EQ(a.PosName, QStringLiteral("Окно"));
    EXPECT_EQ(a.OrderFileRef, QStringLiteral("%\\2024\\A.KFO"));
    const TkvfOrderSelectionItem &b = sel.Item(1);
    EXPECT_EQ(b.Selection, &sel);
    EXPECT_FALSE(b.Checked);
    EXPECT_EQ(b.PosName, QStringLiteral("Дверь"));
    EXPECT_EQ(b.OrderFileRef, QStringLiteral("/srv/orders/b.kfo370"));
}

void fillKeeper(TkvfOrderSelection &sel)
{
    sel.SelectionNo = QStringLiteral("KEEP");
    sel.AddItem().PosNo = QStringLiteral("P1");
    sel.Rates.add(1, 1.0f);
}

void expectKeeper(const TkvfOrderSelection &sel)
{
    EXPECT_EQ(sel.SelectionNo, QStringLiteral("KEEP"));
    ASSERT_EQ(sel.ItemCount(), 1);
    EXPECT_EQ(sel.Item(0).PosNo, QStringLiteral("P1"));
    EXPECT_EQ(sel.Item(0).Selection, &sel);
    EXPECT_EQ(sel.RateCount(), 1);
}

QString freshDir(const QString &name)
{
    const QString dir = QDir(kvtest::scratchDir()).filePath(name);
    QDir(dir).removeRecursively();
    QDir().mkpath(dir);
    return dir;
}

} // namespace

TEST(SelectionFile, LayoutRoundTripsByteForByte)
{
    RecordingMessages messages;
    const QByteArray original = selectionBytes(stamps::Selection);
    TkvfOrderSelection sel;
    ASSERT_EQ(sel.LoadFromData(original), (TkvfLoadResult{true, false}));
    EXPECT_TRUE(messages.isEmpty());
    expectWrittenSelection(sel);
    TSpecStream out;
    sel.SaveToStream(out);
    EXPECT_EQ(out.data().toHex(), original.toHex());
}

TEST(SelectionFile, NewSelectionThroughAFile)
{
    RecordingMessages messages;
    TkvfOrderSelection sel;
    EXPECT_EQ(sel.Stamp, QStringLiteral("06.10.2015"));
    EXPECT_EQ(sel.SelDate, std::floor(sel.SelDate));
    EXPECT_GT(sel.Created, 40000.0);
    sel.Name = QStringLiteral("Имя");
    sel.RoundMode = 1;
    sel.NDSTax = 18.5f;
    TkvfOrderSelectionItem &item = sel.AddItem();
    item.PosNo = QStringLiteral("7");
    item.Width = 812.5f;
    const QString file = QDir(freshDir(QStringLiteral("newsel"))).filePath(QStringLiteral("s.kfs370"));
    ASSERT_TRUE(sel.SaveToFile(file));
    TkvfOrderSelection back;
    EXPECT_EQ(back.LoadFromFile(file), (TkvfLoadResult{true, false}));
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(back.Name, sel.Name);
    EXPECT_EQ(back.Created, sel.Created);
    EXPECT_EQ(back.SelDate, sel.SelDate);
    EXPECT_EQ(back.RoundMode, 1);
    EXPECT_EQ(back.NDSTax, 18.5f);
    ASSERT_EQ(back.ItemCount(), 1);
    EXPECT_TRUE(back.Item(0).Checked) << "default of a new item";
    EXPECT_EQ(back.Item(0).Width, 812.5f);

    // References are relative to the configuration's orders directory.
    const QString previous = kv::OrdersDir;
    kv::OrdersDir = QStringLiteral("/data/Orders");
    TkvfOrderSelection configured;
    kv::OrdersDir = previous;
    EXPECT_EQ(configured.OrdersDir, QStringLiteral("/data/Orders"));
}

TEST(SelectionFile, OtherFilesAreNotASelection)
{
    TSpecStream otherSignature;
    WriteString(otherSignature, QStringLiteral("Karvelo Furniture Selection"));
    WriteString(otherSignature, stamps::Selection);
    const QByteArray cases[] = {
        selectionBytes(stamps::Order, QStringLiteral("Karvelo Furniture Order File")),
        otherSignature.data(),
        QByteArray(), // an empty file
    };
    for (const QByteArray &data : cases) {
        SCOPED_TRACE(data.left(40).toStdString());
        RecordingMessages messages;
        messages.setDefaultAnswer(true);
        TkvfOrderSelection sel;
        fillKeeper(sel);
        EXPECT_EQ(sel.LoadFromData(data), (TkvfLoadResult{false, false}));
        expectKeeper(sel);
        ASSERT_EQ(messages.calls().size(), 1);
        EXPECT_EQ(messages.calls()[0].kind, Kind::Error);
        EXPECT_EQ(messages.calls()[0].text, QStringLiteral("Данный файл не является файлом Velmar Tessaro!"));
    }
}

TEST(SelectionFile, StampsOlderAskNewerAreRefused)
{
    const QString question = QStringLiteral(
        "Необходимо конвертировать файл выборки!\r\nЗагружаемая версия: 10.12.2009\r\nТекущая версия: 06.10.2015");
    {
        SCOPED_TRACE("older, OK");
        RecordingMessages messages;
        messages.queueAnswer(true);
        TkvfOrderSelection sel;
        EXPECT_EQ(sel.LoadFromData(selectionBytes(QStringLiteral("10.12.2009"))), (TkvfLoadResult{true, true}));
        EXPECT_EQ(messages.texts(), QStringList{question});
        EXPECT_EQ(sel.Stamp, QStringLiteral("10.12.2009"));
        expectWrittenSelection(sel);
    }
    {
        SCOPED_TRACE("older, Cancel");
        RecordingMessages messages;
        messages.queueAnswer(false);
        TkvfOrderSelection sel;
        fillKeeper(sel);
        EXPECT_EQ(sel.LoadFromData(selectionBytes(QStringLiteral("10.12.2009"))), (TkvfLoadResult{false, false}));
        EXPECT_EQ(messages.texts(Kind::OkCancel), QStringList{question});
        expectKeeper(sel);
    }
    for (const char *newer : {"01.06.2020", "26.12.2019"}) {
        SCOPED_TRACE(newer);
        RecordingMessages messages;
        messages.setDefaultAnswer(true);
        TkvfOrderSelection sel;
        fillKeeper(sel);
        EXPECT_EQ(sel.LoadFromData(selectionBytes(QString::fromLatin1(newer))), (TkvfLoadResult{false, false}));
        expectKeeper(sel);
        ASSERT_EQ(messages.calls().size(), 1);
        EXPECT_EQ(messages.calls()[0].kind, Kind::Warning);
        EXPECT_EQ(messages.calls()[0].text,
                  QStringLiteral("Вы пытаетесь открыть выборку, созданную более новой версией программы, "
                                 "чем текущая.\r\nДанный модуль поддерживает файлы выборки\r\n"
                                 "версии не старше: 06.10.2015!\r\nЗагружаемая версия: ")
                      + QString::fromLatin1(newer));
    }
}

TEST(SelectionFile, DamagedFilesGiveTheLoadErrorAndChangeNothing)
{
    const QByteArray good = selectionBytes(stamps::Selection);
    struct Case {
        const char *name;
        QByteArray data;
        bool converted = false;
    };
    const Case cases[] = {
        {"signature cut off", good.left(10)},
        {"not a stamp", selectionBytes(QStringLiteral("06/10/2015"))},
        {"last string cut off", good.chopped(3)},
        {"absurd item count", selectionBytes(stamps::Selection, kSignature, 50000000)},
        {"negative item count", selectionBytes(stamps::Selection, kSignature, -1)},
        {"unknown value kind", QByteArray(good).replace(36 + 14, 2, QByteArray::fromHex("0d00"))},
        {"older file, damaged after the question", selectionBytes(QStringLiteral("10.12.2009")).chopped(20), true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        RecordingMessages messages;
        messages.setDefaultAnswer(true);
        TkvfOrderSelection sel;
        fillKeeper(sel);
        EXPECT_EQ(sel.LoadFromData(c.data), (TkvfLoadResult{false, c.converted}));
        expectKeeper(sel);
        ASSERT_FALSE(messages.isEmpty());
        EXPECT_EQ(messages.calls().back().kind, Kind::Error);
        EXPECT_TRUE(messages.calls().back().text.startsWith(QStringLiteral("Ошибка загрузки выборки!\r\n(")))
            << messages.calls().back().text.toStdString();
    }

    RecordingMessages messages;
    TkvfOrderSelection sel;
    fillKeeper(sel);
    EXPECT_EQ(sel.LoadFromFile(QDir(kvtest::scratchDir()).filePath("none.kfs370")), (TkvfLoadResult{false, false}));
    EXPECT_EQ(messages.count(Kind::Error), 1);
    messages.clear();
    EXPECT_EQ(sel.LoadFromFile(QString()), (TkvfLoadResult{false, false}));
    EXPECT_FALSE(sel.SaveToFile(QString()));
    EXPECT_TRUE(messages.isEmpty());
    expectKeeper(sel);
}

TEST(SelectionFile, FailedWriteKeepsThePreviousFile)
{
    RecordingMessages messages;
    const QString dir = freshDir(QStringLiteral("selsave"));
    const QString file = QDir(dir).filePath(QStringLiteral("s.kfs370"));
    TkvfOrderSelection sel;
    ASSERT_TRUE(sel.SaveToFile(file));
    const QByteArray before = kvtest::readFile(file);
    for (int i = 0; i < 5; ++i)
        sel.AddItem().PosName = QStringLiteral("item %1").arg(i);

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 100;
    setrlimit(RLIMIT_FSIZE, &small);
    const bool ok = sel.SaveToFile(file);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);

    EXPECT_FALSE(ok);
    EXPECT_EQ(kvtest::readFile(file).toHex(), before.toHex());
    ASSERT_EQ(messages.count(Kind::Error), 1);
    EXPECT_TRUE(messages.texts(Kind::Error)[0].startsWith(QStringLiteral("Ошибка сохранения выборки!\r\n(")));
    EXPECT_EQ(QDir(dir).entryList(QDir::Files), QStringList{"s.kfs370"});
}

TEST(SelectionPaths, WindowsStyleUpperCasesAndUsesBackslashes)
{
    const QString base = QStringLiteral("D:\\Orders");
    struct Case { const char *path, *ref; };
    const Case make[] = {
        {"D:\\ORDERS\\2024\\A.KFO", "%\\2024\\A.KFO"},
        {"d:/orders/2024/a.kfo", "%\\2024\\A.KFO"},
        {"D:\\Orders\\заказ.kfo", "%\\ЗАКАЗ.KFO"},
        {"E:\\ORDERS\\A.KFO", "E:\\ORDERS\\A.KFO"},
        {"D:\\ORDERS2\\A.KFO", "D:\\ORDERS2\\A.KFO"},
        {"D:\\ORDERS", "D:\\ORDERS"},
        {"%\\x.kfo", "%\\X.KFO"},
    };
    for (const Case &c : make)
        EXPECT_EQ(MakeRelativePath(base, QString::fromUtf8(c.path), PathStyle::Windows), QString::fromUtf8(c.ref))
            << c.path;
    EXPECT_EQ(MakeRelativePath(QStringLiteral("D:\\Orders\\"), QStringLiteral("D:\\ORDERS\\A.KFO"), PathStyle::Windows),
              QStringLiteral("%\\A.KFO"))
        << "a base with a final separator";

    const Case expand[] = {
        {"D:\\ORDERS\\2024\\A.KFO", "%\\2024\\A.KFO"},
        {"D:\\ORDERS\\ЗАКАЗ.KFO", "%\\заказ.kfo"},
        {"D:\\ORDERS\\2024\\A.KFO", "%/2024/a.kfo"},
        {"E:\\A.KFO", "e:\\a.kfo"},
    };
    for (const Case &c : expand)
        EXPECT_EQ(ExpandRelativePath(base, QString::fromUtf8(c.ref), PathStyle::Windows), QString::fromUtf8(c.path))
            << c.ref;
}

TEST(SelectionPaths, PosixStyleKeepsCase)
{
    const QString base = QStringLiteral("/home/u/Orders");
    struct Case { const char *path, *ref; };
    const Case make[] = {
        {"/home/u/Orders/2024/a.kfo370", "%/2024/a.kfo370"},
        {"/home/u/Orders/Заказ.kfo370", "%/Заказ.kfo370"},
        {"/home/u/orders/a.kfo370", "/home/u/orders/a.kfo370"}, // another directory here
        {"/home/u/Orders2/a.kfo370", "/home/u/Orders2/a.kfo370"},
        {"/mnt/a.kfo370", "/mnt/a.kfo370"},
        {"%/x.kfo370", "%/x.kfo370"},
    };
    for (const Case &c : make)
        EXPECT_EQ(MakeRelativePath(base, QString::fromUtf8(c.path), PathStyle::Posix), QString::fromUtf8(c.ref))
            << c.path;
    EXPECT_EQ(MakeRelativePath(QStringLiteral("/home/u/Orders/"), QStringLiteral("/home/u/Orders/a"), PathStyle::Posix),
              QStringLiteral("%/a"));

    const Case expand[] = {
        {"/home/u/Orders/2024/a.kfo370", "%/2024/a.kfo370"},
        {"/home/u/Orders/2024/A.KFO", "%\\2024\\A.KFO"}, // written by a Windows installation
        {"/home/u/Orders/Заказ.kfo370", "%/Заказ.kfo370"},
        {"/mnt/A.kfo370", "/mnt/A.kfo370"},
        {"D:\\ORDERS\\A.KFO", "D:\\ORDERS\\A.KFO"},
    };
    for (const Case &c : expand)
        EXPECT_EQ(ExpandRelativePath(base, QString::fromUtf8(c.ref), PathStyle::Posix), QString::fromUtf8(c.path))
            << c.ref;
}

namespace {

// Two order files under an orders directory of the scratch area, and one
// outside it; each position's first sash has one material at a stored price.
class SelectionOverOrders : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ordersDir = freshDir(QStringLiteral("orders_") + QString::fromLatin1(
            ::testing::UnitTest::GetInstance()->current_test_info()->name()));
        QDir(ordersDir).mkpath(QStringLiteral("2024"));
        fileA = ordersDir + QStringLiteral("/2024/a.kfo370");
        fileB = ordersDir + QStringLiteral("/b.kfo370");
        fileMissing = ordersDir + QStringLiteral("/missing.kfo370");
        RecordingMessages quiet;
        writeOrder(fileA, "A-1", {{"A01", true, 2, "Окно", "ART1", 1.5f}, {"A02", false, 1, "Дверь", "ART9", 1}});
        writeOrder(fileB, "B-7", {{"B01", true, 1, "Балкон", "ART1", 1}, {"B02", true, 3, "Окно 2", "ART0", 2}});
        sel.OrdersDir = ordersDir;
    }

    struct Pos { const char *no; bool checked; qint32 count; const char *name, *article; float quantity; };

    static void writeOrder(const QString &file, const char *orderNo, std::vector<Pos> positions)
    {
        TkvfOrder o;
        o.OrderNo = QString::fromLatin1(orderNo);
        for (const Pos &p : positions) {
            TkvfConstruction &c = o.AddPosition();
            c.PosNo = QString::fromLatin1(p.no);
            c.Checked = p.checked;
            c.Count = p.count;
            c.PosName = QString::fromUtf8(p.name);
            TkvfMatListItem m;
            m.Article = QString::fromLatin1(p.article);
            m.Quantity = p.quantity;
            m.CatalogPrice = m.Price = money("2.0000");
            m.Cost = m.Price * double(p.quantity);
            c.Sash1().MatList().push_back(m);
        }
        ASSERT_TRUE(o.SaveToFile(file));
    }

    TkvfOrderSelectionItem &add(const QString &file, const char *posNo, bool checked = true)
    {
        TkvfOrderSelectionItem &item = sel.AddItem();
        item.OrderFileRef = sel.FileRefOf(file);
        item.PosNo = QString::fromLatin1(posNo);
        item.Checked = checked;
        return item;
    }

    QString ordersDir, fileA, fileB, fileMissing;
    TkvfOrderSelection sel;
};

} // namespace

TEST_F(SelectionOverOrders, ReferencesUnderTheOrdersDirectoryAreRelative)
{
    if (NativePathStyle() == PathStyle::Posix) {
        EXPECT_EQ(sel.FileRefOf(fileA), QStringLiteral("%/2024/a.kfo370"));
        EXPECT_EQ(sel.FileRefOf(QStringLiteral("/elsewhere/x.kfo370")), QStringLiteral("/elsewhere/x.kfo370"));
    } else {
        EXPECT_EQ(sel.FileRefOf(fileA), QStringLiteral("%\\2024\\A.KFO370"));
    }
    TkvfOrderSelectionItem &own = add(fileA, "A02");
    const Qt::CaseSensitivity fileSystem =
        NativePathStyle() == PathStyle::Posix ? Qt::CaseSensitive : Qt::CaseInsensitive;
    EXPECT_EQ(QDir::fromNativeSeparators(sel.PathOf(own)).compare(fileA, fileSystem), 0)
        << "the path comes back";

    // A reference as a Windows installation wrote it reaches the same file.
    RecordingMessages messages;
    TkvfOrderSelectionItem &item = sel.AddItem();
    item.OrderFileRef = QStringLiteral("%\\2024\\a.kfo370");
    item.PosNo = QStringLiteral("a01");
    EXPECT_EQ(sel.PathOf(item), fileA);
    TkvfItemPosition found = sel.GetItemPosition(item);
    ASSERT_TRUE(found);
    EXPECT_EQ(found.Position->PosName, QStringLiteral("Окно"));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(SelectionOverOrders, OrderNumbersOncePerRunOfTheSameFile)
{
    RecordingMessages messages;
    add(fileA, "A01");
    add(fileA, "A02", false); // unchecked items count too
    add(fileB, "B01");
    add(fileA, "A01");
    EXPECT_EQ(sel.OrderNumbersText(), QStringLiteral("A-1,B-7,A-1"));
    EXPECT_TRUE(messages.isEmpty());

    // A file that cannot be read is reported once and contributes nothing.
    sel.ClearItems();
    add(fileMissing, "X");
    add(fileMissing, "Y");
    add(fileB, "B01");
    EXPECT_EQ(sel.OrderNumbersText(), QStringLiteral("B-7"));
    ASSERT_EQ(messages.count(Kind::Error), 1);
    EXPECT_TRUE(messages.texts(Kind::Error)[0].startsWith(QStringLiteral("Ошибка загрузки заказа!\r\n(")));

    sel.ClearItems();
    EXPECT_EQ(sel.OrderNumbersText(), QString());
}

TEST_F(SelectionOverOrders, RefreshTakesThePositionsAsTheyAreNow)
{
    RecordingMessages messages;
    TkvfOrderSelectionItem &stale = add(fileA, "a01", false);
    stale.OrderNo = QStringLiteral("old");
    stale.Width = 1200;
    stale.Height = 1400;
    stale.Count = 9;
    stale.PosName = QStringLiteral("stale");
    add(fileA, "A02", true);
    TkvfOrderSelectionItem &gone = add(fileA, "A99");
    gone.PosName = QStringLiteral("gone");
    gone.Width = 5;
    TkvfOrderSelectionItem &missing = add(fileMissing, "A01");
    missing.Count = 4;
    add(fileMissing, "A02");
    add(fileA, "A01");
    add(fileMissing, "A01");

    sel.Refresh(false);
    EXPECT_EQ(stale.OrderNo, QStringLiteral("A-1"));
    EXPECT_EQ(stale.PosNo, QStringLiteral("A01")) << "the position's own spelling";
    EXPECT_EQ(stale.Width, 0.0f);
    EXPECT_EQ(stale.Height, 0.0f);
    EXPECT_EQ(stale.Count, 2);
    EXPECT_EQ(stale.PosName, QStringLiteral("Окно"));
    EXPECT_FALSE(stale.Checked) << "marks kept without takeChecked";
    EXPECT_TRUE(sel.Item(1).Checked);
    EXPECT_EQ(sel.Item(1).PosName, QStringLiteral("Дверь"));
    EXPECT_EQ(gone.PosName, QStringLiteral("gone")) << "position not found: unchanged";
    EXPECT_EQ(gone.Width, 5.0f);
    EXPECT_EQ(gone.OrderNo, QString());
    EXPECT_EQ(missing.Count, 4);
    EXPECT_EQ(missing.OrderNo, QString());
    EXPECT_EQ(sel.Item(5).OrderNo, QStringLiteral("A-1"));
    EXPECT_EQ(messages.count(Kind::Error), 2) << "one error per run of the unreadable file";

    sel.Refresh(true);
    EXPECT_TRUE(stale.Checked);
    EXPECT_FALSE(sel.Item(1).Checked);
}

TEST_F(SelectionOverOrders, MaterialsOfCheckedItemsAtCurrentPrices)
{
    RecordingMessages messages;
    kvtest::FakeModelServices services;
    services.prices = {{"ART0", money("1.0000")}, {"ART1", money("3.0000")}, {"ART9", money("7.0000")}};
    add(fileB, "B02");
    add(fileA, "A01");
    add(fileA, "A02", false);
    add(fileB, "B01");
    add(fileMissing, "A01");

    sel.CollectMaterials(nullptr);
    EXPECT_TRUE(messages.isEmpty()) << "nothing read without a list";

    TkvfMatList list;
    sel.CollectMaterials(&list);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].Article, QStringLiteral("ART0")) << "sorted by article";
    EXPECT_FLOAT_EQ(list[0].Quantity, 6.0f) << "2 times the position's Count 3";
    EXPECT_EQ(list[0].Price, money("1.0000"));
    EXPECT_EQ(list[0].Cost, money("6.0000"));
    EXPECT_EQ(list[1].Article, QStringLiteral("ART1"));
    EXPECT_FLOAT_EQ(list[1].Quantity, 4.0f) << "1.5 x 2 from A01 and 1 from B01";
    EXPECT_EQ(list[1].CatalogPrice, money("3.0000")) << "repriced, not the stored 2.0000";
    EXPECT_EQ(list[1].Cost, money("12.0000"));
    EXPECT_EQ(messages.count(Kind::Error), 1) << "the missing file";

    services.prices.remove("ART1");
    TkvfMatList again;
    EXPECT_THROW(sel.CollectMaterials(&again), Error) << "a missing price reaches the caller";
}

TEST_F(SelectionOverOrders, ItemPositionLivesWithItsHandle)
{
    RecordingMessages messages;
    TkvfItemPosition found;
    {
        TkvfOrderSelection other;
        other.OrdersDir = ordersDir;
        TkvfOrderSelectionItem &item = other.AddItem();
        item.OrderFileRef = other.FileRefOf(fileB);
        item.PosNo = QStringLiteral("b02");
        found = other.GetItemPosition(item);
    }
    ASSERT_TRUE(found);
    EXPECT_EQ(found.Position->PosName, QStringLiteral("Окно 2"));
    EXPECT_EQ(found.Position->Order, found.Order.get());
    EXPECT_EQ(found.Order->OrderNo, QStringLiteral("B-7"));

    EXPECT_FALSE(sel.GetItemPosition(add(fileB, "B99")));
    EXPECT_FALSE(sel.GetItemPosition(add(fileMissing, "A01")));
    EXPECT_TRUE(messages.isEmpty()) << "a missing file is no error here";
}

TEST(Selection, IndexOfIgnoresCase)
{
    TkvfOrderSelection sel;
    for (auto [o, p] : {std::pair{"B-1", "001"}, {"A-1", "001"}, {"Я-1", "Ж"}, {"a-1", "001"}}) {
        TkvfOrderSelectionItem &item = sel.AddItem();
        item.OrderNo = QString::fromUtf8(o);
        item.PosNo = QString::fromUtf8(p);
    }
    EXPECT_EQ(sel.IndexOf(QStringLiteral("a-1"), QStringLiteral("001")), 1);
    EXPECT_EQ(sel.IndexOf(QStringLiteral("я-1"), QStringLiteral("ж")), 2);
    EXPECT_EQ(sel.IndexOf(QStringLiteral("A-1"), QStringLiteral("002")), -1);
    EXPECT_EQ(sel.IndexOf(QStringLiteral("001"), QStringLiteral("A-1")), -1);
    sel.Item(0).Checked = false;
    EXPECT_EQ(sel.CheckedCount(), 3);
    sel.DeleteItem(1);
    EXPECT_EQ(sel.IndexOf(QStringLiteral("a-1"), QStringLiteral("001")), 2);
}

TEST(Selection, FourSortsWithByteWiseKeys)
{
    // id, OrderNo, PosNo, PosName, OrderFileRef
    struct Row { qint32 id; const char *orderNo, *posNo, *posName, *ref; };
    const Row rows[] = {
        {1, "B", "1", "Окно", "%/b"},
        {2, "A", "2", "Дверь", "%/a"},
        {3, "A", "10", "Окно", "%/a"},
        {4, "a", "1", "№ 5", "/x"},
        {5, "№", "1", "Дверь", "%/b"},
    };
    auto order = [](TkvfOrderSelection &sel) {
        std::vector<qint32> ids;
        for (int i = 0; i < sel.ItemCount(); ++i)
            ids.push_back(sel.Item(i).Count);
        return ids;
    };
    struct Case { const char *name; void (TkvfOrderSelection::*sort)(); std::vector<qint32> ids; };
    const Case cases[] = {
        {"order, position", &TkvfOrderSelection::SortByOrderNo, {3, 2, 1, 4, 5}},
        {"position, order", &TkvfOrderSelection::SortByPosNo, {1, 4, 5, 3, 2}},
        {"name, order, position", &TkvfOrderSelection::SortByPosName, {4, 2, 5, 3, 1}},
        {"file, order, position", &TkvfOrderSelection::SortByOrderFile, {3, 2, 1, 5, 4}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TkvfOrderSelection sel;
        for (const Row &r : rows) {
            TkvfOrderSelectionItem &item = sel.AddItem();
            item.Count = r.id;
            item.OrderNo = QString::fromUtf8(r.orderNo);
            item.PosNo = QString::fromUtf8(r.posNo);
            item.PosName = QString::fromUtf8(r.posName);
            item.OrderFileRef = QString::fromUtf8(r.ref);
        }
        (sel.*c.sort)();
        EXPECT_EQ(order(sel), c.ids);
    }
}
