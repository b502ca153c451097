#include "reports/ReportExport.h"

#include "reports/ReportLayout.h"
#include "tools/Errors.h"
#include "tools/Win1251.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextDocumentWriter>
#include <QTextFrame>
#include <QTextTable>
#include <QUrl>

#include <utility>

namespace kv {

namespace {

constexpr int kPdfResolution = 1200;
constexpr int kEmbeddedImageDpi = 200;
constexpr int kOdtImageDpi = 300;

[[noreturn]] void writeFailed(const QString &path, const QString &reason)
{
    throw Error(QStringLiteral("Ошибка записи файла %1\r\n(%2)").arg(path, reason));
}

void saveBytes(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        writeFailed(path, file.errorString());
    file.write(bytes);
    if (!file.commit())
        writeFailed(path, file.errorString());
}

void saveText(const QString &path, QString text, TextEncoding encoding, bool utf8Bom)
{
    text.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    QByteArray bytes;
    if (encoding == TextEncoding::Windows1251) {
        bytes = cp1251::encode(text);
    } else {
        if (utf8Bom)
            bytes = "\xEF\xBB\xBF";
        bytes += text.toUtf8();
    }
    saveBytes(path, bytes);
}

// The body as a document for the exports that read its structure.
void loadBody(QTextDocument &doc, const PreparedReport &report)
{
    doc.setDefaultFont(reportFont());
    if (!report.baseDir.isEmpty())
        doc.setBaseUrl(QUrl::fromLocalFile(report.baseDir + QLatin1Char('/')));
    doc.setHtml(report.bodyHtml);
}

QString blockText(const QTextBlock &block)
{
    QString text = block.text();
    text.remove(QChar::ObjectReplacementCharacter);
    text.replace(QChar::LineSeparator, u'\n');
    text.replace(QChar::Nbsp, u' ');
    return text;
}

QString cellText(const QTextTableCell &cell)
{
    QStringList parts;
    for (auto it = cell.begin(); !it.atEnd(); ++it) {
        if (it.currentBlock().isValid())
            parts.append(blockText(it.currentBlock()).simplified());
    }
    parts.removeAll(QString());
    return parts.join(u' ');
}

// Rows of a table as cell texts; a cell spanning several columns fills its
// first column and leaves the others empty, so columns stay aligned.
QList<QStringList> tableRows(const QTextTable *table)
{
    QList<QStringList> rows;
    for (int r = 0; r < table->rows(); ++r) {
        QStringList row;
        for (int c = 0; c < table->columns(); ++c) {
            const QTextTableCell cell = table->cellAt(r, c);
            row.append(cell.row() == r && cell.column() == c ? cellText(cell) : QString());
        }
        rows.append(row);
    }
    return rows;
}

void plainText(QTextFrame *frame, QStringList &lines)
{
    bool afterTable = false;
    for (auto it = frame->begin(); !it.atEnd(); ++it) {
        const bool follows = std::exchange(afterTable, false);
        if (QTextFrame *child = it.currentFrame()) {
            if (auto *table = qobject_cast<QTextTable *>(child)) {
                afterTable = true;
                for (const QStringList &row : tableRows(table)) {
                    QString line = row.join(u'\t');
                    while (line.endsWith(u'\t'))
                        line.chop(1);
                    lines.append(line);
                }
            } else {
                plainText(child, lines);
            }
        } else if (it.currentBlock().isValid()) {
            // The document keeps an empty block after every table.
            const QString text = blockText(it.currentBlock());
            if (!(follows && text.isEmpty()))
                lines.append(text);
        }
    }
}

void collectTables(QTextFrame *frame, QList<QTextTable *> &tables)
{
    for (auto it = frame->begin(); !it.atEnd(); ++it) {
        if (QTextFrame *child = it.currentFrame()) {
            if (auto *table = qobject_cast<QTextTable *>(child))
                tables.append(table);
            else
                collectTables(child, tables);
        }
    }
}

QString csvField(const QString &text, QChar separator)
{
    if (text.contains(separator) || text.contains(u'"') || text.contains(u'\n') || text.contains(u'\r')
        || text.startsWith(u' ') || text.endsWith(u' ')) {
        QString quoted = text;
        quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
        return u'"' + quoted + u'"';
    }
    return text;
}

QByteArray pngBytes(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace

int pageCount(const PreparedReport &report)
{
    QImage probe(1, 1, QImage::Format_RGB32);
    const int dotsPerMeter = qRound(kPdfResolution / 0.0254);
    probe.setDotsPerMeterX(dotsPerMeter);
    probe.setDotsPerMeterY(dotsPerMeter);
    return ReportLayout(report, &probe).pageCount();
}

void writePdf(const PreparedReport &report, const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        writeFailed(path, file.errorString());
    {
        QPdfWriter writer(&file);
        writer.setResolution(kPdfResolution);
        QPageLayout layout(QPageSize(report.page.size), report.page.orientation, QMarginsF(0, 0, 0, 0),
                           QPageLayout::Millimeter);
        layout.setMode(QPageLayout::FullPageMode);
        writer.setPageLayout(layout);
        writer.setTitle(report.name);
        writer.setCreator(QStringLiteral("Karvelo ФУРНИТУРА"));
        const ReportLayout pages(report, &writer);
        QPainter painter;
        if (!painter.begin(&writer))
            writeFailed(path, QStringLiteral("PDF"));
        for (int i = 0; i < pages.pageCount(); ++i) {
            if (i > 0)
                writer.newPage();
            pages.paintPage(painter, i);
        }
        painter.end();
    }
    if (!file.commit())
        writeFailed(path, file.errorString());
}

QImage renderPageImage(const PreparedReport &report, int index, int dpi)
{
    if (dpi < 10 || dpi > 600)
        throw Error(QStringLiteral("Разрешение изображения страницы: от 10 до 600 точек на дюйм"));
    const QSizeF mm = report.page.paperSizeMm();
    QImage image(qRound(mm.width() / 25.4 * dpi), qRound(mm.height() / 25.4 * dpi), QImage::Format_RGB32);
    const int dotsPerMeter = qRound(dpi / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    const ReportLayout pages(report, &image);
    if (index < 0 || index >= pages.pageCount())
        throw Error(QStringLiteral("В отчете \"%1\" нет страницы %2").arg(report.name).arg(index + 1));
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    pages.paintPage(painter, index);
    return image;
}

QImage renderObjectImage(const PreparedReport &report, int index, int dpi)
{
    if (index < 0 || index >= int(report.objects.size()))
        return QImage();
    const QSizeF mm = report.objects[size_t(index)].sizeMm;
    QImage image(std::max(1, qRound(mm.width() / 25.4 * dpi)), std::max(1, qRound(mm.height() / 25.4 * dpi)),
                 QImage::Format_ARGB32);
    const int dotsPerMeter = qRound(dpi / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    paintReportObject(painter, QRectF(QPointF(0, 0), QSizeF(image.size())), report, index);
    return image;
}

void writeOdt(const PreparedReport &report, const QString &path)
{
    QTextDocument doc;
    for (int i = 0; i < int(report.objects.size()); ++i)
        doc.addResource(QTextDocument::ImageResource, QUrl(PreparedReport::ObjectScheme + QString::number(i)),
                        renderObjectImage(report, i, kOdtImageDpi));
    loadBody(doc, report);
    // The ODF writer closes its device, which a QSaveFile does not allow.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QTextDocumentWriter writer(&buffer, "odf");
    if (!writer.write(&doc))
        writeFailed(path, QStringLiteral("ODT"));
    saveBytes(path, bytes);
}

QString toHtml(const PreparedReport &report)
{
    static const QRegularExpression objectTag(
        QStringLiteral("<img src=\"%1([0-9]+)\" width=\"([0-9]+)\" height=\"([0-9]+)\"( align=\"[a-z]+\")?>")
            .arg(QRegularExpression::escape(PreparedReport::ObjectScheme)));
    QString out;
    qsizetype last = 0;
    auto it = objectTag.globalMatch(report.bodyHtml);
    while (it.hasNext()) {
        const auto m = it.next();
        out += QStringView(report.bodyHtml).mid(last, m.capturedStart() - last);
        const int index = m.captured(1).toInt();
        QString tag;
        if (index >= 0 && index < int(report.objects.size())) {
            const QSizeF mm = report.objects[size_t(index)].sizeMm;
            const QImage image = renderObjectImage(report, index, kEmbeddedImageDpi);
            tag = QStringLiteral("<img src=\"data:image/png;base64,%1\" width=\"%2\" height=\"%3\" "
                                 "style=\"width:%4mm;height:%5mm\"%6>")
                      .arg(QString::fromLatin1(pngBytes(image).toBase64()), m.captured(2), m.captured(3),
                           QString::number(mm.width(), 'f', 1), QString::number(mm.height(), 'f', 1),
                           m.captured(4));
        }
        out += tag;
        last = m.capturedEnd();
    }
    out += QStringView(report.bodyHtml).mid(last);
    return out;
}

void writeHtml(const PreparedReport &report, const QString &path)
{
    saveBytes(path, QByteArray("\xEF\xBB\xBF") + toHtml(report).toUtf8());
}

QString toPlainText(const PreparedReport &report)
{
    QTextDocument doc;
    loadBody(doc, report);
    QStringList lines;
    plainText(doc.rootFrame(), lines);
    while (!lines.isEmpty() && lines.back().trimmed().isEmpty())
        lines.removeLast();
    return lines.join(u'\n') + (lines.isEmpty() ? QString() : QStringLiteral("\n"));
}

void writeText(const PreparedReport &report, const QString &path, TextEncoding encoding)
{
    saveText(path, toPlainText(report), encoding, false);
}

QString toCsv(const PreparedReport &report, QChar separator)
{
    QTextDocument doc;
    loadBody(doc, report);
    QList<QTextTable *> tables;
    collectTables(doc.rootFrame(), tables);
    QStringList lines;
    for (int t = 0; t < tables.size(); ++t) {
        if (t > 0)
            lines.append(QString());
        for (const QStringList &row : tableRows(tables[t])) {
            QStringList fields;
            for (const QString &cell : row)
                fields.append(csvField(cell, separator));
            lines.append(fields.join(separator));
        }
    }
    return lines.isEmpty() ? QString() : lines.join(u'\n') + u'\n';
}

void writeCsv(const PreparedReport &report, const QString &path, TextEncoding encoding, QChar separator)
{
    saveText(path, toCsv(report, separator), encoding, true);
}

} // namespace kv
