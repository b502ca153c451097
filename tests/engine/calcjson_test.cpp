// Reading kvf calc positions: defaults of a new position, the figure's linked
// dimensions, and errors that name the field.
#include "EngineTestSupport.h"
#include "engine/CalcJson.h"

#include <QJsonDocument>

using namespace kv;

namespace {

QJsonObject parse(const char *json) { return QJsonDocument::fromJson(QByteArray(json)).object(); }

PositionDefaults orderDefaults()
{
    PositionDefaults d;
    d.FurnSys = QStringLiteral("1205");
    d.ProfSys = QStringLiteral("PS1");
    d.FurnColor = QStringLiteral("SILBER");
    d.FalzType = 100;
    d.StulpType = 300;
    d.OpenType = 400;
    d.DornType = 200;
    d.ProfWidth = 64;
    d.ProfThickness = 70;
    return d;
}

TEST(CalcJson, PositionDefaultsComeFromTheOrderAndTheDialog)
{
    TkvfConstruction p;
    const PositionInput in = ReadPosition(
        parse(R"({"Shape": {"Kind": 7}, "Sash1": {"MainSet": "A"}, "FurnColor": "GOLD"})"), "Positions[2]", 2,
        orderDefaults(), p);
    EXPECT_EQ(p.PosNo, QStringLiteral("003"));
    EXPECT_EQ(p.PosName, QStringLiteral("Окно: Комплект арка"));
    EXPECT_EQ(p.Count, 1);
    EXPECT_TRUE(p.Checked);
    EXPECT_EQ(p.FurnSys, QStringLiteral("1205"));
    EXPECT_EQ(p.FurnColor, QStringLiteral("GOLD"));
    EXPECT_EQ(p.FalzType, 100);
    EXPECT_EQ(p.ProfThickness, 70.0f);
    EXPECT_EQ(in.First.MainSet, QStringLiteral("A"));
    EXPECT_EQ(in.First.Dorn, 200);
    EXPECT_TRUE(in.Second.IsEmpty());
    // Window sizes 700 x 1400, the arch's radius half the width.
    EXPECT_EQ(in.Shape.B, 700);
    EXPECT_EQ(in.Shape.H, 1400);
    EXPECT_EQ(in.Shape.R1, 350.0f);

    // Doors by the settings: door sizes and name.
    PositionDefaults doors;
    doors.ObjectType = 1;
    TkvfConstruction door;
    const PositionInput d = ReadPosition(parse(R"({"Shape": {"Kind": 1}})"), "P", 0, doors, door);
    EXPECT_EQ(door.ObjectType, 1);
    EXPECT_EQ(door.PosName, QStringLiteral("Дверь с порогом: Комплект штульповый"));
    EXPECT_EQ(d.Shape.B, 900);
    EXPECT_EQ(d.Shape.H, 2100);
    EXPECT_EQ(d.Shape.X, 450);
    EXPECT_EQ(d.Shape.Y, 450);
    // A door chosen in a dialog that opened for windows keeps the window sizes.
    TkvfConstruction late;
    const PositionInput l = ReadPosition(parse(R"({"ObjectType": 1})"), "P", 0, {}, late);
    EXPECT_EQ(late.PosName, QStringLiteral("Дверь с порогом: Комплект стандартный"));
    EXPECT_EQ(l.Shape.B, 700);
}

TEST(CalcJson, LinkedDimensionsOfTheFigures)
{
    struct Case
    {
        const char *shape;
        qint32 x, y;
        float r;
    } cases[] = {
        {R"({"Kind": 1, "B": 1500})", 750, 750, 0},
        {R"({"Kind": 2, "B": 1500, "X": 600})", 600, 900, 0},
        {R"({"Kind": 2, "B": 1500, "Y": 400})", 1100, 400, 0},
        {R"({"Kind": 1, "B": 1500, "X": 700, "Y": 700})", 700, 700, 0},
        {R"({"Kind": 3, "H": 1000})", 500, 0, 0},
        {R"({"Kind": 4, "H": 1000, "X": 300})", 300, 0, 0},
        {R"({"Kind": 0, "X": 300, "Y": 5, "R": 9})", 0, 0, 0},
        {R"({"Kind": 7, "B": 1000, "R": 700})", 210, 0, 700},
        {R"({"Kind": 7, "B": 1000, "X": 300})", 300, 0, 566.66666667f},
        {R"({"Kind": 7, "B": 1000, "X": 600})", 500, 0, 500},
        {R"({"Kind": 7, "B": 1000, "R": 400})", 0, 0, 500},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.shape);
        TkvfConstruction p;
        const QByteArray json = QByteArray(R"({"Shape": )") + c.shape + "}";
        const PositionInput in = ReadPosition(QJsonDocument::fromJson(json).object(), "P", 0, {}, p);
        EXPECT_EQ(in.Shape.X, c.x);
        EXPECT_EQ(in.Shape.Y, c.y);
        EXPECT_FLOAT_EQ(in.Shape.R1, c.r);
        EXPECT_EQ(in.Shape.R2, in.Shape.R1);
    }
}

TEST(CalcJson, ErrorsNameTheField)
{
    struct Case
    {
        const char *json;
        const char *text;
    } cases[] = {
        {R"({"Shape": {"Kind": "0"}})", "Неверное значение поля [Positions[1].Shape.Kind]: ожидается целое число от 0 до 7"},
        {R"({"Shape": {"Kind": 8}})", "Неверное значение поля [Positions[1].Shape.Kind]: ожидается целое число от 0 до 7"},
        {R"({"Shape": {"B": 10.5}})", "Неверное значение поля [Positions[1].Shape.B]: ожидается целое число от 1 до 100000"},
        {R"({"Count": -1})", "Неверное значение поля [Positions[1].Count]: ожидается целое число от 0 до 99999"},
        {R"({"PosNo": 7})", "Неверное значение поля [Positions[1].PosNo]: ожидается строка"},
        {R"({"Checked": 1})", "Неверное значение поля [Positions[1].Checked]: ожидается true или false"},
        {R"({"Sash1": []})", "Неверное значение поля [Positions[1].Sash1]: ожидается объект"},
        {R"({"Sash1": {"Properties": ["0=121", 5]}})",
         "Неверное значение поля [Positions[1].Sash1.Properties]: ожидается массив строк"},
        {R"({"Sash2": {"Mainset": "A"}})", "Неизвестное поле [Positions[1].Sash2.Mainset]"},
        {R"({"Shape": {"Kind": 0, "Radius": 5}})", "Неизвестное поле [Positions[1].Shape.Radius]"},
        {R"({"ProfWidth": "64"})", "Неверное значение поля [Positions[1].ProfWidth]: ожидается число"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.json);
        TkvfConstruction p;
        EXPECT_EQ(kvtest::errorText([&] { ReadPosition(parse(c.json), "Positions[1]", 1, {}, p); }),
                  QString::fromUtf8(c.text));
    }
}

} // namespace
