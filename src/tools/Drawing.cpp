#include "tools/Drawing.h"

#include "tools/Money.h"

#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QRectF>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace kv {

void DrawLine(QPainter &painter, IntPoint a, IntPoint b)
{
    painter.drawLine(QPoint(a.X, a.Y), QPoint(b.X, b.Y));
}

void DrawSide(QPainter &painter, IntPoint S, IntPoint E, const QColor &brushColour,
              double R, RealPoint C)
{
    QBrush brush = painter.brush();
    const QColor oldBrushColour = brush.color();
    const QColor oldPenColour = painter.pen().color();
    brush.setColor(brushColour);
    painter.setBrush(brush);

    if (R != 0) {
        const double r = std::fabs(R);
        const int left = RoundHalfAway(double(C.X) - r);
        const int top = RoundHalfAway(double(C.Y) - r);
        const int right = RoundHalfAway(double(C.X) + r);
        const int bottom = RoundHalfAway(double(C.Y) + r);
        const QRectF box(left, top, right - left, bottom - top);
        // The end rays run from the centre of the rounded box, as the arc is
        // drawn on that box.
        const RealPoint centre{float((left + right) / 2.0), float((top + bottom) / 2.0)};
        const double from = Direction(centre, ToReal(E));
        const double to = Direction(centre, ToReal(S));
        double span = to - from;
        if (span <= 0)
            span += 360; // equal rays close the circle
        painter.drawArc(box, int(std::lround(from * 16)), int(std::lround(span * 16)));
    } else {
        DrawLine(painter, S, E);
    }

    brush = painter.brush();
    brush.setColor(oldBrushColour);
    painter.setBrush(brush);
    QPen pen = painter.pen();
    pen.setColor(oldPenColour);
    painter.setPen(pen);
}

QSize DrawRotatedText(QPainter &painter, IntPoint position, const QString &text,
                      int fontHeight, int align, double angle)
{
    const QFont canvasFont = painter.font();
    const int height = (fontHeight == -1 || fontHeight == 0) ? painter.fontInfo().pixelSize()
                                                            : std::abs(fontHeight);
    QFont font(canvasFont.family());
    font.setPixelSize(std::max(1, height));
    font.setWeight(canvasFont.bold() ? QFont::Bold : QFont::Normal);
    font.setItalic(canvasFont.italic());
    font.setUnderline(canvasFont.underline());
    font.setStrikeOut(canvasFont.strikeOut());

    const QFontMetrics metrics(font, painter.device());
    const long double w = metrics.horizontalAdvance(text);
    const long double h = metrics.height();
    const long double theta = (long double)angle * Pi / 180.0L;
    const long double c = std::fabs(std::cos(theta));
    const long double s = std::fabs(std::sin(theta));
    const QSize extent(int(roundTiesEven(c * w + s * h)), int(roundTiesEven(s * w + c * h)));

    const int flags = align == -1 ? TextAlignLeft | TextAlignTop : align;
    qreal x = 0;
    if ((flags & TextAlignCenter) == TextAlignCenter)
        x = -qreal(w) / 2;
    else if ((flags & TextAlignRight) == TextAlignRight)
        x = -qreal(w);
    qreal y = metrics.ascent();
    if ((flags & TextAlignBaseline) == TextAlignBaseline)
        y = 0;
    else if ((flags & TextAlignBottom) == TextAlignBottom)
        y = -metrics.descent();

    painter.save();
    painter.setFont(font);
    painter.translate(position.X, position.Y);
    // Whole tenths of a degree, like a font escapement; Qt turns clockwise.
    painter.rotate(-RoundHalfAway(angle * 10) / 10.0);
    painter.drawText(QPointF(x, y), text);
    painter.restore();
    return extent;
}

} // namespace kv
