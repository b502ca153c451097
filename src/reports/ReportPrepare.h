#pragma once
// Preparing a report: the template is walked against a data source, bands
// repeat over their record sources, fields are evaluated and formatted. The
// result is plain HTML plus the objects that are painted later (drawings,
// pictures), ready for any output.
#include "reports/ReportData.h"
#include "reports/ReportTemplate.h"

#include <QHash>
#include <QImage>
#include <QString>
#include <QStringList>
#include <vector>

namespace kv {

struct ReportObject
{
    enum class Kind { Drawing, Picture };
    Kind kind = Kind::Drawing;
    QString name;
    QSizeF sizeMm;
    bool frame = false;
    DrawRoutine draw; // Drawing: empty when the data side supplied none
};

struct PreparedReport
{
    QString name;
    QString baseDir;
    PageSetup page;
    QString bodyHtml;
    // Page header and footer; the page number and the page count stand there
    // as PageToken and TotalPagesToken until a page is painted.
    QString headerHtml;
    QString footerHtml;
    QString styleSheet;
    // Objects appear in the HTML as <img src="kvobj:N" ...> with N their index.
    std::vector<ReportObject> objects;
    // Pictures loaded for picture objects, by upper-cased object name.
    QHash<QString, QImage> pictures;
    // Names nobody answered (shown empty), once each in order of first use.
    QStringList unknownNames;

    static const QString PageToken;
    static const QString TotalPagesToken;
    static const QString ObjectScheme; // "kvobj:"
};

// Walks the template against data. Template syntax was checked when loading;
// what fails here (an unknown record source or function, an expression that
// cannot be evaluated) throws kv::Error with the template's name and line.
// Errors thrown by the data side pass through with their own text.
PreparedReport prepareReport(const ReportTemplate &report, ReportDataSource &data);

} // namespace kv
