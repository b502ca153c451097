#pragma once
// Pages of a prepared report on one paint device (PDF writer, printer, image):
// the body is laid out by QTextDocument at the device's resolution and cut
// into pages (table header rows repeat on every page); the page header and
// footer are laid out for each page with its number. Drawings and pictures
// are painted by the report's own object handler, so they stay vector
// graphics on vector devices.
#include "reports/ReportPrepare.h"

#include <QFont>
#include <QSizeF>
#include <memory>

class QPainter;
class QPaintDevice;
class QRectF;

namespace kv {

class ReportLayout
{
public:
    // Lays the report out for device. The painter given to paintPage must
    // paint on the same device with its origin at the paper's top-left corner
    // (zero device margins: QPdfWriter with zero margins, QPrinter full page).
    // Throws kv::Error when the page header and footer leave no room.
    ReportLayout(const PreparedReport &report, QPaintDevice *device);
    ~ReportLayout();
    ReportLayout(const ReportLayout &) = delete;
    ReportLayout &operator=(const ReportLayout &) = delete;

    int pageCount() const;
    // Paper size in device pixels.
    QSizeF paperSize() const;
    // Paints page index (0-based) at the painter's origin.
    void paintPage(QPainter &painter, int index) const;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

// The default text font of every report.
QFont reportFont();

// Paints object index of report into rect: the drawing routine, or "ЭСКИЗ
// ИЗДЕЛИЯ" in bold red when there is none; a picture kept in proportion and
// centred; the frame when the template asked for one.
void paintReportObject(QPainter &painter, const QRectF &rect, const PreparedReport &report, int index);

} // namespace kv
