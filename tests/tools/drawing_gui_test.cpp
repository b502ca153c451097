#include "tools/Drawing.h"
#include "tools/Geometry.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

using namespace kv;

namespace {

QImage blank(int w = 200, int h = 200)
{
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(Qt::white);
    return img;
}

bool inkAt(const QImage &img, int x, int y, int reach = 1)
{
    for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx) {
            const int px = x + dx, py = y + dy;
            if (img.valid(px, py) && img.pixel(px, py) != qRgb(255, 255, 255))
                return true;
        }
    return false;
}

// Bounding box of every non-white pixel.
QRect inkBox(const QImage &img)
{
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) != qRgb(255, 255, 255))
                box |= QRect(x, y, 1, 1);
    return box;
}

QFont testFont(int pixels)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixels);
    return f;
}

} // namespace

TEST(DrawSide, ArcRunsCounterClockwiseFromEndToStart)
{
    QImage img = blank();
    {
        QPainter p(&img);
        p.setPen(QPen(Qt::red, 1));
        p.setBrush(QBrush(Qt::green));
        // Chord from (50,100) to (150,100), centre on the chord: the upper half.
        DrawSide(p, {50, 100}, {150, 100}, Qt::blue, 50, RealPoint{100, 100});
        EXPECT_EQ(p.brush().color(), QColor(Qt::green));
        EXPECT_EQ(p.brush().style(), Qt::SolidPattern);
        EXPECT_EQ(p.pen().color(), QColor(Qt::red));
    }
    EXPECT_TRUE(inkAt(img, 100, 50));
    EXPECT_TRUE(inkAt(img, 65, 65));
    EXPECT_TRUE(inkAt(img, 135, 65));
    EXPECT_FALSE(inkAt(img, 100, 150));
    EXPECT_FALSE(inkAt(img, 65, 135));
    EXPECT_FALSE(inkAt(img, 100, 100)); // an arc, never a filled pie
    EXPECT_FALSE(inkAt(img, 100, 75));
}

TEST(DrawSide, InclinedArcBulgesAwayFromItsCentre)
{
    // The chord runs up and to the right; the centre from ArcCentre lies below
    // and right of it, so the drawn arc bulges up and left.
    const IntPoint s{70, 130}, e{130, 70};
    const double r = 50;
    const RealPoint c = ArcCentre(ToReal(s), ToReal(e), r);
    ASSERT_GT(c.X, 100);
    ASSERT_GT(c.Y, 100);
    QImage img = blank();
    {
        QPainter p(&img);
        p.setPen(QPen(Qt::black, 1));
        DrawSide(p, s, e, Qt::black, r, c);
    }
    const double n = 1 / std::sqrt(2.0); // unit normal of the chord, down-right
    EXPECT_TRUE(inkAt(img, int(std::lround(c.X - r * n)), int(std::lround(c.Y - r * n))));
    EXPECT_TRUE(inkAt(img, int(std::lround(c.X - r)), int(std::lround(c.Y))));
    EXPECT_TRUE(inkAt(img, int(std::lround(c.X)), int(std::lround(c.Y - r))));
    EXPECT_TRUE(inkAt(img, s.X, s.Y));
    EXPECT_TRUE(inkAt(img, e.X, e.Y));
    EXPECT_FALSE(inkAt(img, int(std::lround(c.X + r * n)), int(std::lround(c.Y + r * n))));
    EXPECT_FALSE(inkAt(img, int(std::lround(c.X + r)), int(std::lround(c.Y))));
    EXPECT_FALSE(inkAt(img, int(std::lround(c.X)), int(std::lround(c.Y + r))));
}

TEST(DrawSide, ZeroRadiusDrawsTheLine)
{
    QImage img = blank();
    {
        QPainter p(&img);
        p.setPen(QPen(Qt::black, 1));
        DrawSide(p, {10, 10}, {190, 190}, Qt::black, 0, RealPoint{0, 0});
    }
    for (int t : {10, 50, 100, 150, 190})
        EXPECT_TRUE(inkAt(img, t, t, 0)) << t;
    EXPECT_FALSE(inkAt(img, 100, 20));
    EXPECT_FALSE(inkAt(img, 20, 100));
}

TEST(DrawRotatedText, HorizontalAndVerticalExtentAndInk)
{
    const QString text = QStringLiteral("1234,5");
    QImage flat = blank(300, 300);
    QImage upright = blank(300, 300);
    QSize flatExtent, uprightExtent;
    const QFont canvasFont = testFont(20);
    {
        QPainter p(&flat);
        p.setFont(canvasFont);
        flatExtent = DrawRotatedText(p, {20, 100}, text, -1, TextAlignLeft | TextAlignTop, 0);
        EXPECT_EQ(p.font(), canvasFont);
    }
    {
        QPainter p(&upright);
        p.setFont(canvasFont);
        uprightExtent = DrawRotatedText(p, {100, 250}, text, -1, TextAlignLeft | TextAlignTop, 90);
    }
    const QFontMetrics m(canvasFont, &flat);
    EXPECT_EQ(flatExtent, QSize(m.horizontalAdvance(text), m.height()));
    EXPECT_EQ(uprightExtent, flatExtent.transposed());

    // Left/top anchor: the text reads to the right and hangs below the position.
    const QRect a = inkBox(flat);
    ASSERT_FALSE(a.isEmpty());
    EXPECT_TRUE(QRect(20, 100, flatExtent.width(), flatExtent.height()).contains(a)) << a.x() << "," << a.y();
    EXPECT_GT(a.width(), a.height());
    EXPECT_GT(a.width(), flatExtent.width() / 2);

    // Turned a quarter counter-clockwise: reads upwards, its top towards the left.
    const QRect b = inkBox(upright);
    ASSERT_FALSE(b.isEmpty());
    EXPECT_TRUE(QRect(100, 250 - uprightExtent.height(), uprightExtent.width(), uprightExtent.height())
                    .contains(b))
        << b.x() << "," << b.y() << " " << b.width() << "x" << b.height();
    EXPECT_GT(b.height(), b.width());
    EXPECT_NEAR(b.height(), a.width(), 2);
}

TEST(DrawRotatedText, ExplicitHeightAndBottomCentreAlignment)
{
    const QString text = QStringLiteral("1500");
    QImage img = blank(300, 300);
    QSize small, large;
    {
        QPainter p(&img);
        p.setFont(testFont(12));
        small = DrawRotatedText(p, {0, 0}, text, -1, -1, 0);
    }
    img = blank(300, 300);
    {
        QPainter p(&img);
        p.setFont(testFont(12));
        large = DrawRotatedText(p, {150, 200}, text, 36, TextAlignBottom | TextAlignCenter, 0);
    }
    EXPECT_GT(large.height(), 2 * small.height());
    EXPECT_GT(large.width(), 2 * small.width());

    // Bottom-centre: the label sits on the position and is centred over it.
    const QRect box = inkBox(img);
    ASSERT_FALSE(box.isEmpty());
    EXPECT_LE(box.bottom(), 200);
    EXPECT_GE(box.top(), 200 - large.height());
    EXPECT_NEAR(box.center().x(), 150, 3);
}
