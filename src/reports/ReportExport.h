#pragma once
// Outputs of a prepared report. PDF and page images are paged, with the page
// header and footer; ODT, HTML, plain text and CSV carry the body only (page
// numbers mean nothing there). Writing failures throw kv::Error.
#include "reports/ReportPrepare.h"

#include <QChar>
#include <QImage>
#include <QString>

namespace kv {

enum class TextEncoding { Windows1251, Utf8 };

// A4 (or the template's paper) at 1200 dots per inch, zero device margins.
void writePdf(const PreparedReport &report, const QString &path);
// One page as an image; index is 0-based.
QImage renderPageImage(const PreparedReport &report, int index, int dpi = 150);
int pageCount(const PreparedReport &report);

// OpenDocument text; drawings and pictures become embedded images.
void writeOdt(const PreparedReport &report, const QString &path);

// The prepared HTML with drawings and pictures as embedded PNG images.
QString toHtml(const PreparedReport &report);
void writeHtml(const PreparedReport &report, const QString &path); // UTF-8

// Paragraphs one to a line; table rows one to a line, cells separated by tabs.
QString toPlainText(const PreparedReport &report);
void writeText(const PreparedReport &report, const QString &path,
               TextEncoding encoding = TextEncoding::Windows1251);

// Every table of the report, one line per row (header rows once), tables
// separated by an empty line; fields quoted when they need it.
QString toCsv(const PreparedReport &report, QChar separator = u';');
void writeCsv(const PreparedReport &report, const QString &path,
              TextEncoding encoding = TextEncoding::Windows1251, QChar separator = u';');

// An object painted into an image of its size at dpi (for the exports).
QImage renderObjectImage(const PreparedReport &report, int index, int dpi);

} // namespace kv
