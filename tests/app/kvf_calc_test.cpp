// kvf calc, show and recalc driven as a process on a small purpose-built
// catalogue: the JSON result with prices, exit codes and messages.
#include "support/QStringPrinter.h"
#include "support/TestSupport.h"
#include "tools/Registry.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

struct KvfRun
{
    int code;
    QString out, err;
    QJsonObject json() const { return QJsonDocument::fromJson(out.toUtf8()).object(); }
};

KvfRun kvf(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(KVF_EXECUTABLE), args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

// Main set M: two locks A-1 (10.00 in currency 1) on side 3, one scissor
// stay offered as S-1 and S-2 (1.50 in currency 2 at rate 100, price group
// 5 takes 10 % off), and a required hinge that exists only up to 120 cm.
const char *const kCatalogue = R"(
INSERT INTO Currency (ID, Name, Value) VALUES (1, 'руб', 1), (2, 'EUR', 100);
INSERT INTO PriceGrp (GroupID, Name, Reduce_1) VALUES (5, 'Скидка', -10);
INSERT INTO ParamList (ID, Name, FalzLuft, FalzSize, FalzPos) VALUES (100, 'Фальц', 12, 20, 9);
INSERT INTO ParamList (ID, Name, DornMass) VALUES (200, 'Дорн 15', 15);
INSERT INTO ParamList (ID, Name, StulpType) VALUES (300, 'Штульп', 1);
INSERT INTO ParamList (ID, Name, OpenType) VALUES (400, 'Поворотно-откидное', 1);
INSERT INTO FrnComp (ID, Name, Direct) VALUES ('M', 'Основной', 1);
INSERT INTO FrnItem (ID, Name) VALUES ('E1', 'Запор'), ('ALT', 'Ножницы'), ('HINGE', 'Петля');
INSERT INTO FrnArt (ID, CatalogID) VALUES ('E1', 'A-1'), ('ALT', 'S-2'), ('ALT', 'S-1');
INSERT INTO FrnArt (ID, CatalogID, FFBMin, FFBMax) VALUES ('HINGE', 'H-1', 0, 120);
INSERT INTO FrnSet (ID, Item, Number, ItemSideNo) VALUES ('M', 'E1', 2, 3), ('M', 'ALT', 1, 0);
INSERT INTO FrnSet (ID, Item, Number, Condition, Required) VALUES ('M', 'HINGE', 1, 1, 1);
INSERT INTO Catalog (ID, Name, Price, Currency) VALUES ('A-1', 'Запор', 10, 1), ('H-1', 'Петля', 0, 1);
INSERT INTO Catalog (ID, Name, Price, Currency, PriceGrp) VALUES ('S-1', 'Ножницы 1', 1.5, 2, 5),
  ('S-2', 'Ножницы 2', 2.5, 2, 5);
)";

const char *const kOrder = R"({
  "OrderNo": "T-1", "Currency": 1, "NDSTax": 20, "GetTotalNDS": true,
  "FurnSys": "1", "ProfSys": "PS", "FurnColor": "W", "FalzType": 100, "DornType": 200, "StulpType": 300,
  "OpenType": 400,
  "Positions": [
    {"Count": 2, "Shape": {"Kind": 0, "B": 1000, "H": 1400}, "Sash1": {"MainSet": "M"}},
    {"PosNo": "7", "Shape": {"Kind": 0, "B": 600, "H": 600}, "Checked": false}
  ]
})";

class KvfCalc : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir = QDir(kvtest::scratchDir()).filePath(QStringLiteral("calc%1").arg(++serial));
        ASSERT_EQ(kvf({"catalog", "init", dir}).code, 0);
        kvtest::writeFile(dir + "/fixture.sql", kCatalogue);
        const KvfRun r = kvf({"catalog", "import", dir, dir + "/fixture.sql"});
        ASSERT_EQ(r.code, 0) << r.err.toStdString();
    }
    QString input(const QByteArray &json)
    {
        const QString file = dir + QStringLiteral("/in%1.json").arg(++inputs);
        kvtest::writeFile(file, json);
        return file;
    }
    KvfRun calc(const QByteArray &json, QStringList extra = {})
    {
        return kvf(QStringList{"calc", input(json), "--catalog", dir} + extra);
    }

    static inline int serial = 0;
    int inputs = 0;
    QString dir;
};

TEST_F(KvfCalc, PricesTheOrder)
{
    const KvfRun r = calc(kOrder);
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    // The alternatives of ALT: the first row (S-1) is taken and the choice is reported.
    EXPECT_EQ(r.err, QStringLiteral("kvf: позиция 001: Элемент фурнитуры [ALT] (Ножницы): в документации несколько "
                                    "альтернативных артикулов: S-1, S-2. Выбран первый: S-1.\n"));
    const QJsonObject o = r.json();
    EXPECT_EQ(o["OrderNo"].toString(), QStringLiteral("T-1"));
    const QJsonArray positions = o["Positions"].toArray();
    ASSERT_EQ(positions.size(), 2);
    const QJsonObject p = positions[0].toObject();
    EXPECT_EQ(p["PosNo"].toString(), QStringLiteral("001"));
    EXPECT_EQ(p["PosName"].toString(), QStringLiteral("Окно: Комплект стандартный"));
    EXPECT_EQ(p["RebateSize"].toObject()["Width"].toInt(), 1000);
    // 2 x 10.0000 + 150.0000 less 10 % + 0 for the hinge, two products.
    EXPECT_EQ(p["UnitCost"].toString(), QStringLiteral("155.0000"));
    EXPECT_EQ(p["PositionCost"].toString(), QStringLiteral("310.0000"));
    const QJsonArray sashes = p["Sashes"].toArray();
    ASSERT_EQ(sashes.size(), 1);
    const QJsonArray items = sashes[0].toObject()["Items"].toArray();
    QStringList got;
    for (const QJsonValue &v : items) {
        const QJsonObject i = v.toObject();
        got << QStringLiteral("%1 x%2 S%3 %4").arg(i["Article"].toString()).arg(i["Quantity"].toInt())
                   .arg(i["SideNo"].toInt()).arg(i["ParentSet"].toString());
    }
    EXPECT_EQ(got, (QStringList{"A-1 x2 S3 M", "H-1 x1 S0 M", "S-1 x1 S0 M"}));
    const QJsonObject material = sashes[0].toObject()["Materials"].toArray()[2].toObject();
    EXPECT_EQ(material["Article"].toString(), QStringLiteral("S-1"));
    EXPECT_EQ(material["CatalogPrice"].toString(), QStringLiteral("135.0000"));
    EXPECT_EQ(material["Cost"].toString(), QStringLiteral("135.0000"));
    // The second position has no fittings and is not counted.
    EXPECT_EQ(positions[1].toObject()["PosNo"].toString(), QStringLiteral("7"));
    EXPECT_TRUE(positions[1].toObject()["Sashes"].toArray().isEmpty());
    EXPECT_EQ(o["Total"].toString(), QStringLiteral("310.0000"));
    EXPECT_EQ(o["VATAmount"].toString(), QStringLiteral("62.0000"));
    EXPECT_EQ(o["TotalWithVAT"].toString(), QStringLiteral("372.0000"));
}

TEST_F(KvfCalc, RatesOfTheInputAndDebugHistories)
{
    QByteArray json(kOrder);
    json.replace("\"Currency\": 1,", "\"Currency\": 1, \"Rates\": [{\"ID\": 1, \"Rate\": 1}, {\"ID\": 2, \"Rate\": 50}],");
    const KvfRun r = calc(json, {"--debug"});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    const QJsonObject p = r.json()["Positions"].toArray()[0].toObject();
    // 1.50 at rate 50 less 10 %: 67.5000.
    EXPECT_EQ(p["UnitCost"].toString(), QStringLiteral("87.5000"));
    const QJsonObject first = p["Sashes"].toArray()[0].toObject()["Items"].toArray()[0].toObject();
    EXPECT_EQ(first["History"].toString(), QStringLiteral("Комплект:M -> Элемент:E1 -> Артикул:A-1"));
}

TEST_F(KvfCalc, SelectionErrorsExitWithTwo)
{
    QByteArray json(kOrder);
    json.replace("\"B\": 1000", "\"B\": 1300");
    const KvfRun r = calc(json);
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_TRUE(r.err.endsWith(QStringLiteral(
        "kvf: позиция 001:\nВ БД артикулов фурнитуры не найден подходящий\nартикул для элемента фурнитуры "
        "[Петля]!\n\nИскомый запрос:\nFFBMin <= 130 and FFBMax >= 130 and ID='HINGE' \n")))
        << r.err.toStdString();
}

TEST_F(KvfCalc, InvalidInputExitsWithOne)
{
    struct Case
    {
        QByteArray json;
        const char *message;
    } cases[] = {
        {"{\"Positions\": [", "kvf: %1: unterminated array at offset 15\n"},
        {"[]", "kvf: %1: an order object expected\n"},
        {"{\"NDSTax\": \"20\"}", "kvf: %1: Неверное значение поля [NDSTax]: ожидается число\n"},
        {"{\"OrderDate\": \"2024-03-12\"}",
         "kvf: %1: Неверное значение поля [OrderDate]: ожидается дата в виде дд.мм.гггг\n"},
        {"{\"Rates\": [{\"ID\": 1, \"Value\": 1}]}", "kvf: %1: Неизвестное поле [Rates[0].Value]\n"},
        {"{\"Positions\": [{}, {\"Shape\": {\"Kind\": 9}}]}",
         "kvf: %1: Неверное значение поля [Positions[1].Shape.Kind]: ожидается целое число от 0 до 7\n"},
        {"{\"Positoins\": []}", "kvf: %1: Неизвестное поле [Positoins]\n"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.json.toStdString());
        const QString file = input(c.json);
        const KvfRun r = kvf({"calc", file, "--catalog", dir});
        EXPECT_EQ(r.code, 1);
        EXPECT_EQ(r.err, QString::fromUtf8(c.message).arg(file));
    }
    EXPECT_EQ(kvf({"calc", dir + "/missing.json", "--catalog", dir}).code, 1);
    EXPECT_EQ(kvf({"calc", input(kOrder), "--catalog", dir + "/nothing"}).code, 1);
    EXPECT_EQ(kvf({"calc"}).code, 2);
    EXPECT_EQ(kvf({"calc", input(kOrder), "--catalog"}).code, 2);
}

TEST_F(KvfCalc, SaveShowAndRecalc)
{
    const QString file = dir + QStringLiteral("/order.kfo370");
    const KvfRun calculated = calc(kOrder, {"--save", file});
    ASSERT_EQ(calculated.code, 0) << calculated.err.toStdString();
    // show prints the stored order exactly as it was priced.
    const KvfRun shown = kvf({"show", file});
    ASSERT_EQ(shown.code, 0) << shown.err.toStdString();
    EXPECT_EQ(shown.json(), calculated.json());

    // A dearer lock in the catalogue: recalc picks it up, show still has the old price.
    kvtest::writeFile(dir + "/price.sql", "UPDATE Catalog SET Price = 20 WHERE ID = 'A-1';");
    ASSERT_EQ(kvf({"catalog", "import", dir, dir + "/price.sql"}).code, 0);
    const KvfRun again = kvf({"recalc", file, "--catalog", dir});
    ASSERT_EQ(again.code, 0) << again.err.toStdString();
    EXPECT_EQ(again.json()["Total"].toString(), QStringLiteral("350.0000"));
    EXPECT_EQ(kvf({"show", file}).json()["Total"].toString(), QStringLiteral("310.0000"));
    ASSERT_EQ(kvf({"recalc", file, "--catalog", dir, "--save"}).code, 0);
    EXPECT_EQ(kvf({"show", file}).json()["Total"].toString(), QStringLiteral("350.0000"));

    EXPECT_EQ(kvf({"show", dir + "/missing.kfo370"}).code, 1);
    EXPECT_EQ(kvf({"show"}).code, 2);
}

TEST_F(KvfCalc, NewOrderDefaultsComeFromTheSettings)
{
    kvtest::writeFile(dir + "/KVFurniture.ini", "[Defaults]\r\nDefProfSys=PS\r\nDefFurnSys=1\r\nDefFalzType=100\r\n"
                                                "DefDornType=200\r\nDefStulpFalzType=300\r\nDefFlugelType=400\r\n"
                                                "DefProfWidth=64\r\n[Money]\r\nCurCurrency=1\r\n"
                                                "[Tax]\r\nNDSTax=10\r\nTotalNDS=1\r\n");
    const QByteArray before = kvtest::readFile(dir + "/KVFurniture.ini");
    const KvfRun r = calc(R"({"Positions": [{"Shape": {"B": 1000, "H": 1400}, "Sash1": {"MainSet": "M"}}]})");
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    const QJsonObject o = r.json();
    EXPECT_EQ(o["Currency"].toInt(), 1);
    EXPECT_EQ(o["Total"].toString(), QStringLiteral("155.0000"));
    EXPECT_EQ(o["VATAmount"].toString(), QStringLiteral("15.5000"));
    // The settings are read, never written.
    EXPECT_EQ(kvtest::readFile(dir + "/KVFurniture.ini"), before);
}

TEST_F(KvfCalc, RegisteredConfigurations)
{
    // The configuration key as the installation writes it; kvf and this test
    // share the registry file of the test run.
    const QString key = QStringLiteral("\\SoftWare\\Velmar\\Karvelo\\Zurozirod380\\DBConfig\\ZUVI");
    auto config = kv::RegistryKey::open(key + QStringLiteral("\\Проверка"), true);
    ASSERT_TRUE(config);
    config->writeString(QStringLiteral("KVFCatalogDir"), dir);
    config->writeString(QStringLiteral("KVFServerName"), dir + QStringLiteral("/data"));
    config->writeString(QStringLiteral("KVFTempDir"), dir + QStringLiteral("/temp"));
    config.reset();
    kv::RegistryKey::open(key, true)->writeString(QStringLiteral("DefaultConfig"), QStringLiteral("Проверка"));

    const QString file = input(kOrder);
    KvfRun r = kvf({"calc", file, "--config", QStringLiteral("Проверка")});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.json()["Total"].toString(), QStringLiteral("310.0000"));
    // The default configuration without --config.
    r = kvf({"calc", file});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.json()["Total"].toString(), QStringLiteral("310.0000"));
    // No temporary directory of the runs is left behind.
    EXPECT_TRUE(QDir(dir + QStringLiteral("/temp")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).isEmpty());

    r = kvf({"calc", file, "--config", QStringLiteral("Другая")});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, QStringLiteral("kvf: configuration Другая is not registered\n"));
    EXPECT_TRUE(kv::RegistryKey::deleteKey(key));
}

} // namespace
