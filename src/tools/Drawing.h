#pragma once
// Drawing primitives shared by the outline drawing, the dimension chains and
// the report object: a side (straight or arc) and rotated text.
#include "tools/Geometry.h"

#include <QColor>
#include <QSize>
#include <QString>

class QPainter;

namespace kv {

// Text alignment flags (combine one horizontal with one vertical flag). The
// anchor is taken in the text's own rotated frame.
enum TextAlign : int {
    TextAlignLeft = 0,
    TextAlignRight = 2,
    TextAlignCenter = 6,
    TextAlignTop = 0,
    TextAlignBottom = 8,
    TextAlignBaseline = 24,
};

void DrawLine(QPainter &painter, IntPoint a, IntPoint b);

// A side of an outline with the painter's pen. R != 0 draws the arc of the
// circle of radius |R| about C (its box corners rounded half away from zero)
// counter-clockwise on the screen from E to S; R = 0 draws the line S -> E.
// The brush colour is brushColour while drawing; brush and pen colours are
// restored afterwards.
void DrawSide(QPainter &painter, IntPoint S, IntPoint E, const QColor &brushColour,
              double R, RealPoint C);

// Draws text at position, turned by angle degrees counter-clockwise on the
// screen, in the painter's font family, bold/italic/underline/strike-out, with
// a pixel height of |fontHeight| (-1 or 0: the painter's font height). align
// is a combination of TextAlign flags; -1 means left and top. Returns the size
// of the box that holds the turned text's cell, rounded half to even.
QSize DrawRotatedText(QPainter &painter, IntPoint position, const QString &text,
                      int fontHeight, int align, double angle);

} // namespace kv
