// Pictures of positions with their dimension chains: every figure is drawn
// into an image, saved as PNG and checked at pixels that must be drawn or
// must stay empty.
#include "FakeModelServices.h"
#include "model/Construction.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <cmath>

using namespace kv;

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;

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

// Where the drawing puts a point of the outline: the scale and centring of a
// position drawn into the whole image, worked out from the grid's room.
struct Layout
{
    double k = 0; // mm per pixel
    int dx = 0, dy = 0, rowHeight = 0, width = 0, height = 0;
    int horzRows = 0, vertRows = 0;

    QPoint map(double x01, double y01) const
    {
        return {dx + int(std::lround(x01 / (10 * k))), dy + int(std::lround(y01 / (10 * k)))};
    }
};

Layout layoutOf(const TkvfConstruction &pos, QPainter &painter)
{
    TkvfSizeGrid grid(painter);
    grid.Build(pos, SizeOptions::Full());
    const int aw = kWidth - grid.GridWidth() - 20;
    const int ah = kHeight - grid.GridHeight() - 20;
    const double W = pos.RebateSize().Width, H = pos.RebateSize().Height;
    Layout l;
    l.k = W / H >= double(aw) / ah ? W / aw : H / ah;
    l.width = int(std::lround(W / l.k));
    l.height = int(std::lround(H / l.k));
    l.dx = (aw - l.width) / 2 + 10;
    l.dy = (ah - l.height) / 2 + 10;
    l.rowHeight = grid.RowHeight;
    l.horzRows = int(grid.HorzRows.size());
    l.vertRows = int(grid.VertRows.size());
    return l;
}

bool darkAt(const QImage &img, QPoint p, int radius = 1)
{
    for (int y = p.y() - radius; y <= p.y() + radius; ++y)
        for (int x = p.x() - radius; x <= p.x() + radius; ++x)
            if (img.rect().contains(x, y) && qGray(img.pixel(x, y)) < 128)
                return true;
    return false;
}

int darkCount(const QImage &img, const QRect &r)
{
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (img.rect().contains(x, y) && qGray(img.pixel(x, y)) < 128)
                ++n;
    return n;
}

QImage render(const TkvfConstruction &pos, Layout *layout, const char *file)
{
    QImage img(kWidth, kHeight, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter painter(&img);
    *layout = layoutOf(pos, painter);
    pos.Draw(painter, 0, 0, kWidth, kHeight, 0, SizeOptions::Full());
    painter.end();
    img.save(QDir(kvtest::scratchDir()).filePath(QString::fromLatin1(file)));
    const QByteArray shots = qgetenv("KARVELO_SHOTS_DIR");
    if (!shots.isEmpty()) {
        QDir().mkpath(QString::fromLocal8Bit(shots));
        img.save(QDir(QString::fromLocal8Bit(shots)).filePath(QString::fromLatin1(file)));
    }
    return img;
}

// Checks the dimension rows below and right of the drawing: the first row's
// line starts with a tick, and the last row (the overall size) is drawn across
// with a label at its middle.
void expectDimensionRows(const QImage &img, const Layout &l)
{
    ASSERT_GT(l.horzRows, 0);
    ASSERT_GT(l.vertRows, 0);
    const int firstY = l.dy + l.height + l.rowHeight;
    EXPECT_TRUE(darkAt(img, {l.dx, firstY - l.rowHeight / 2}, 0)) << "tick at the start";
    const int lineY = l.dy + l.height + l.horzRows * l.rowHeight;
    EXPECT_TRUE(darkAt(img, {l.dx + l.width / 4, lineY}, 0)) << "horizontal dimension line";
    EXPECT_GT(darkCount(img, QRect(l.dx + l.width / 2 - 25, lineY - l.rowHeight + 2, 50, l.rowHeight - 3)), 10)
        << "width label";
    const int lineX = l.dx + l.width + l.vertRows * l.rowHeight;
    EXPECT_TRUE(darkAt(img, {lineX, l.dy + l.height / 4}, 0)) << "vertical dimension line";
    EXPECT_GT(darkCount(img, QRect(lineX - l.rowHeight + 2, l.dy + l.height / 2 - 25, l.rowHeight - 3, 50)), 10)
        << "height label";
    // Nothing is drawn above and left of the drawing.
    EXPECT_EQ(darkCount(img, QRect(0, 0, l.dx - 2, l.dy - 2)), 0);
    EXPECT_EQ(darkCount(img, QRect(0, 0, l.dx - 2, kHeight)), 0);
}

} // namespace

TEST(Drawing, EveryFigureWithItsDimensionChains)
{
    struct Case {
        const char *file;
        quint8 arrangement;
        TShapeRecord shape;
        std::vector<std::pair<double, double>> onOutline; // 0.1 mm
        std::pair<double, double> inside;                 // must stay white
    };
    const Case cases[] = {
        {"rectangle.png", 2, shape(0, 1000, 1400),
         {{0, 7000}, {5000, 0}, {10000, 7000}, {5000, 14000}}, {5000, 7000}},
        {"two-sash-left-main.png", 0, shape(2, 0, 1400, 600, 400),
         {{0, 7000}, {6000, 7000}, {10000, 7000}, {8000, 0}}, {3000, 7000}},
        {"two-sash-right-main.png", 1, shape(1, 0, 1400, 700, 700),
         {{7000, 3000}, {14000, 7000}}, {10500, 7000}},
        {"trapezoid-left.png", 2, shape(3, 1000, 1400, 800),
         {{0, 10000}, {5000, 3000}, {10000, 7000}}, {5000, 9000}},
        {"trapezoid-right.png", 2, shape(4, 1000, 1400, 800),
         {{0, 7000}, {5000, 3000}, {10000, 10000}}, {5000, 9000}},
        {"triangle-right.png", 2, shape(5, 900, 600), {{4500, 3000}, {9000, 3000}}, {7000, 4500}},
        {"triangle-left.png", 2, shape(6, 900, 600), {{4500, 3000}, {0, 3000}}, {2000, 4500}},
        {"arch.png", 2, shape(7, 1000, 1400, 500, 0, 500),
         {{5000, 0}, {1464.5, 1464.5}, {0, 9000}, {10000, 9000}}, {5000, 3000}},
        // R 1000 over a chord of 1200 rises 200: the top of the arc is at y = 0.
        {"segment-arch.png", 2, shape(7, 1200, 1400, 200, 0, 1000),
         {{6000, 0}, {0, 5000}, {12000, 5000}}, {6000, 6000}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.file);
        TkvfConstruction pos;
        pos.Arrangement = c.arrangement;
        pos.SetShape(c.shape, 0);
        Layout l;
        const QImage img = render(pos, &l, c.file);
        for (const auto &[x, y] : c.onOutline)
            EXPECT_TRUE(darkAt(img, l.map(x, y))) << "outline at " << x << ", " << y;
        EXPECT_FALSE(darkAt(img, l.map(c.inside.first, c.inside.second), 2)) << "inside";
        expectDimensionRows(img, l);
    }
}

TEST(Drawing, OpeningMarksAndHandleSymbols)
{
    kvtest::FakeModelServices services;
    TSashChoice choice;
    choice.Handle = QStringLiteral("H");

    // A rectangle hinged on the left, opening towards the right side, with the
    // handle symbol of image code 3 (arrow heads at both ends).
    TkvfConstruction pos;
    pos.SetShape(shape(0, 1000, 1400), 0);
    pos.Sash1().SetCompositionMarks(choice);
    pos.Sash1().Line(0).HingeSide = true;
    pos.Sash1().Line(0).RotSideIndex = 2;
    pos.Sash1().Composition()->MainImage = 3;
    Layout l;
    QImage img = render(pos, &l, "rectangle-marks.png");
    // The mark runs from the bottom left to the middle of the right side and back up.
    EXPECT_TRUE(darkAt(img, l.map(5000, 10500))) << "lower leg of the opening mark";
    EXPECT_TRUE(darkAt(img, l.map(5000, 3500))) << "upper leg of the opening mark";
    // The handle symbol: a 130 mm bar through the middle, arrow heads at both ends.
    EXPECT_TRUE(darkAt(img, l.map(4400, 7000)));
    EXPECT_TRUE(darkAt(img, l.map(5600, 7000)));
    EXPECT_TRUE(darkAt(img, l.map(4350 + 433, 7000 - 162)));
    EXPECT_TRUE(darkAt(img, l.map(5650 - 433, 7000 + 162)));
    EXPECT_FALSE(darkAt(img, l.map(5000, 7800), 1)) << "no stroke below the bar for code 3";

    // Code 4 adds a stroke down from the right end.
    pos.Sash1().Composition()->MainImage = 4;
    img = render(pos, &l, "rectangle-handle-4.png");
    EXPECT_TRUE(darkAt(img, l.map(5650, 7400)));
    EXPECT_FALSE(darkAt(img, l.map(4350, 7400), 0));

    // Without a composition there are no marks at all.
    pos.Sash1().DropComposition();
    img = render(pos, &l, "rectangle-plain.png");
    EXPECT_FALSE(darkAt(img, l.map(5000, 10500), 1));
    EXPECT_FALSE(darkAt(img, l.map(5000, 7000), 1));

    // An arch opening towards its arc: the apex is the top of the arc.
    TkvfConstruction arch;
    arch.SetShape(shape(7, 1000, 1400, 500, 0, 500), 0);
    arch.Sash1().SetCompositionMarks(choice);
    arch.Sash1().Line(3).HingeSide = true; // the bottom side
    arch.Sash1().Line(3).RotSideIndex = 1;
    img = render(arch, &l, "arch-marks.png");
    // From the bottom right corner (10000, 14000) to the top of the arc (5000, 0).
    EXPECT_TRUE(darkAt(img, l.map(7500, 7000))) << "leg to the arc's apex";
    EXPECT_TRUE(darkAt(img, l.map(2500, 7000))) << "leg back to the bottom left";
}

TEST(Drawing, NoRoomOrNoOutlineDrawsNothing)
{
    QImage img(120, 60, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter painter(&img);
    TkvfConstruction empty;
    empty.Draw(painter, 0, 0, 120, 60, 0, SizeOptions::Full());
    TkvfConstruction pos;
    pos.SetShape(shape(0, 1000, 1400), 0);
    pos.Draw(painter, 0, 0, 30, 30, 0, SizeOptions::Full());
    painter.end();
    EXPECT_EQ(darkCount(img, img.rect()), 0);
}
