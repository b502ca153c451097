#include "reports/ReportLayout.h"

#include "tools/Errors.h"

#include <QAbstractTextDocumentLayout>
#include <QPaintDevice>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextObjectInterface>
#include <QUrl>

namespace kv {

namespace {

constexpr int kObjectType = QTextFormat::UserObject + 1;
constexpr int kObjectIndex = QTextFormat::UserProperty + 1;
constexpr double kHeaderGapMm = 3.0;
constexpr double kMinBodyMm = 20.0;

double pixelsPerMm(double dpi) { return dpi / 25.4; }

// Answers the layout for the report's inline objects.
class ObjectHandler : public QObject, public QTextObjectInterface
{
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

public:
    explicit ObjectHandler(const PreparedReport *report) : m_report(report) {}

    QSizeF intrinsicSize(QTextDocument *doc, int, const QTextFormat &format) override
    {
        const int index = format.intProperty(kObjectIndex);
        if (index < 0 || index >= int(m_report->objects.size()))
            return QSizeF();
        const QPaintDevice *device = doc->documentLayout()->paintDevice();
        const double dx = device ? device->logicalDpiX() : 96;
        const double dy = device ? device->logicalDpiY() : 96;
        const QSizeF mm = m_report->objects[size_t(index)].sizeMm;
        return QSizeF(mm.width() * pixelsPerMm(dx), mm.height() * pixelsPerMm(dy));
    }

    void drawObject(QPainter *painter, const QRectF &rect, QTextDocument *, int, const QTextFormat &format) override
    {
        paintReportObject(*painter, rect, *m_report, format.intProperty(kObjectIndex));
    }

private:
    const PreparedReport *m_report;
};

// The HTML carries objects as <img src="kvobj:N">; turn them into inline
// objects of our handler.
void convertObjects(QTextDocument &doc, int objectCount)
{
    struct Hit { int position; int index; QTextCharFormat::VerticalAlignment align; };
    std::vector<Hit> hits;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat cf = fragment.charFormat();
            if (!cf.isImageFormat())
                continue;
            const QString name = cf.toImageFormat().name();
            if (!name.startsWith(PreparedReport::ObjectScheme))
                continue;
            bool ok = false;
            const int index = name.mid(PreparedReport::ObjectScheme.size()).toInt(&ok);
            if (!ok || index < 0 || index >= objectCount)
                continue;
            for (int k = 0; k < fragment.length(); ++k)
                hits.push_back({fragment.position() + k, index, cf.verticalAlignment()});
        }
    }
    QTextCursor cursor(&doc);
    for (const Hit &h : hits) {
        cursor.setPosition(h.position);
        cursor.setPosition(h.position + 1, QTextCursor::KeepAnchor);
        QTextCharFormat object;
        object.setObjectType(kObjectType);
        object.setProperty(kObjectIndex, h.index);
        object.setVerticalAlignment(h.align);
        cursor.setCharFormat(object);
    }
}

QString withPageNumbers(QString html, int page, int total)
{
    html.replace(PreparedReport::PageToken, QString::number(page));
    html.replace(PreparedReport::TotalPagesToken, QString::number(total));
    return html;
}

void drawDocument(QPainter &painter, QTextDocument &doc, const QRectF &clip)
{
    QAbstractTextDocumentLayout::PaintContext ctx;
    ctx.palette.setColor(QPalette::Text, Qt::black);
    ctx.clip = clip;
    doc.documentLayout()->draw(&painter, ctx);
}

} // namespace

QFont reportFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(10);
    return font;
}

void paintReportObject(QPainter &painter, const QRectF &rect, const PreparedReport &report, int index)
{
    if (index < 0 || index >= int(report.objects.size()))
        return;
    const ReportObject &object = report.objects[size_t(index)];
    painter.save();
    if (object.kind == ReportObject::Kind::Drawing) {
        bool drawn = false;
        if (object.draw) {
            painter.save();
            painter.setClipRect(rect, Qt::IntersectClip);
            // A failing drawing leaves its place empty rather than ending the print.
            try {
                object.draw(painter, rect);
                drawn = true;
            } catch (...) {
                drawn = true;
            }
            painter.restore();
        }
        if (!drawn) {
            QFont font = reportFont();
            font.setBold(true);
            painter.setFont(font);
            painter.setPen(Qt::red);
            painter.drawText(rect, Qt::AlignCenter | Qt::TextDontClip, QStringLiteral("ЭСКИЗ ИЗДЕЛИЯ"));
        }
    } else {
        const QImage image = report.pictures.value(object.name.toUpper());
        if (!image.isNull() && rect.width() > 0 && rect.height() > 0) {
            QSizeF size = image.size();
            size.scale(rect.size(), Qt::KeepAspectRatio);
            const QRectF target(rect.center() - QPointF(size.width() / 2, size.height() / 2), size);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(target, image);
        }
    }
    if (object.frame) {
        const double width = painter.device() ? pixelsPerMm(painter.device()->logicalDpiX()) * 0.2 : 1;
        painter.setPen(QPen(Qt::black, width));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect.adjusted(width / 2, width / 2, -width / 2, -width / 2));
    }
    painter.restore();
}

struct ReportLayout::Impl
{
    PreparedReport report;
    QPaintDevice *device = nullptr;
    ObjectHandler handler{&report};
    QTextDocument body;
    QSizeF paper;
    QRectF content;
    double headerHeight = 0;
    double footerHeight = 0;
    double bodyTop = 0;
    double bodyHeight = 0;
    int pages = 1;

    bool hasHeader() const { return !report.headerHtml.trimmed().isEmpty(); }
    bool hasFooter() const { return !report.footerHtml.trimmed().isEmpty(); }

    void setup(QTextDocument &doc, const QString &html, bool pageBand)
    {
        doc.documentLayout()->setPaintDevice(device);
        doc.documentLayout()->registerHandler(kObjectType, &handler);
        doc.setDocumentMargin(0);
        // Unhinted metrics: the same line breaks on screen, paper and PDF.
        doc.setUseDesignMetrics(true);
        doc.setDefaultFont(reportFont());
        if (!report.baseDir.isEmpty())
            doc.setBaseUrl(QUrl::fromLocalFile(report.baseDir + QLatin1Char('/')));
        if (pageBand)
            doc.setDefaultStyleSheet(report.styleSheet);
        doc.setHtml(html);
        convertObjects(doc, int(report.objects.size()));
        if (pageBand)
            doc.setTextWidth(content.width());
    }

    // Laid out with the widest numbers the page count allows, so a page's
    // own numbers never need more room.
    double bandHeight(const QString &html)
    {
        QTextDocument doc;
        setup(doc, withPageNumbers(html, 8888, 8888), true);
        return doc.size().height();
    }
};

ReportLayout::ReportLayout(const PreparedReport &report, QPaintDevice *device) : d(std::make_unique<Impl>())
{
    d->report = report;
    d->device = device;
    const double pxX = pixelsPerMm(device->logicalDpiX());
    const double pxY = pixelsPerMm(device->logicalDpiY());
    const QSizeF paperMm = report.page.paperSizeMm();
    const QMarginsF m = report.page.marginsMm;
    d->paper = QSizeF(paperMm.width() * pxX, paperMm.height() * pxY);
    d->content = QRectF(m.left() * pxX, m.top() * pxY,
                        (paperMm.width() - m.left() - m.right()) * pxX,
                        (paperMm.height() - m.top() - m.bottom()) * pxY);
    const double gap = kHeaderGapMm * pxY;
    double top = d->content.top();
    double room = d->content.height();
    if (d->hasHeader()) {
        d->headerHeight = d->bandHeight(report.headerHtml);
        top += d->headerHeight + gap;
        room -= d->headerHeight + gap;
    }
    if (d->hasFooter()) {
        d->footerHeight = d->bandHeight(report.footerHtml);
        room -= d->footerHeight + gap;
    }
    if (room < kMinBodyMm * pxY)
        throw Error(QStringLiteral("Колонтитулы страницы не оставляют места для данных отчета \"%1\"").arg(report.name));
    d->bodyTop = top;
    d->bodyHeight = room;
    d->setup(d->body, report.bodyHtml, false);
    d->body.setPageSize(QSizeF(d->content.width(), room));
    d->pages = std::max(1, d->body.pageCount());
}

ReportLayout::~ReportLayout() = default;

int ReportLayout::pageCount() const
{
    return d->pages;
}

QSizeF ReportLayout::paperSize() const
{
    return d->paper;
}

void ReportLayout::paintPage(QPainter &painter, int index) const
{
    if (index < 0 || index >= d->pages)
        return;
    const double width = d->content.width();
    if (d->hasHeader()) {
        QTextDocument header;
        d->setup(header, withPageNumbers(d->report.headerHtml, index + 1, d->pages), true);
        painter.save();
        painter.translate(d->content.topLeft());
        drawDocument(painter, header, QRectF(0, 0, width, d->headerHeight));
        painter.restore();
    }
    {
        painter.save();
        painter.translate(d->content.left(), d->bodyTop - index * d->bodyHeight);
        const QRectF clip(0, index * d->bodyHeight, width, d->bodyHeight);
        painter.setClipRect(clip, Qt::IntersectClip);
        drawDocument(painter, d->body, clip);
        painter.restore();
    }
    if (d->hasFooter()) {
        QTextDocument footer;
        d->setup(footer, withPageNumbers(d->report.footerHtml, index + 1, d->pages), true);
        painter.save();
        painter.translate(d->content.left(), d->content.bottom() - d->footerHeight);
        drawDocument(painter, footer, QRectF(0, 0, width, d->footerHeight));
        painter.restore();
    }
}

} // namespace kv

#include "ReportLayout.moc"
