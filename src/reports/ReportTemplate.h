#pragma once
// Report templates: HTML files (UTF-8) with fields in square brackets and
// directives in comments that start with '#'. docs/reports.md describes the
// syntax; this is its parser. A template is parsed once, completely, so every
// syntax error is found when it is loaded, with the template's name and line.
#include "reports/ReportFormat.h"
#include "tools/Expression.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

namespace kv {

struct PageSetup
{
    QPageSize::PageSizeId size = QPageSize::A4;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QMarginsF marginsMm{15, 10, 10, 10}; // left, top, right, bottom

    // Paper size in millimetres, turned by the orientation.
    QSizeF paperSizeMm() const;
};

// One piece of a parsed template.
struct TemplateNode
{
    enum class Type { Text, Field, Band, If, Set, Object };
    enum class SystemField { None, Page, TotalPages };
    enum class ObjectKind { Drawing, Picture };

    struct Branch
    {
        int line = 0;
        bool isElse = false;
        Expression condition;
        std::vector<TemplateNode> nodes;
    };

    Type type = Type::Text;
    int line = 0;
    // Text: the HTML; Band: the record source; Set: the variable; Object:
    // the object's name.
    QString text;
    Expression expression;  // Field, Set
    // Field, Set: the name when the expression is exactly one name; the value
    // then keeps its own kind (money, date) instead of becoming a number.
    QString valueName;
    DisplayFormat format;   // Field
    SystemField system = SystemField::None;
    std::vector<TemplateNode> header, row, footer, empty; // Band
    std::vector<Branch> branches;                         // If
    ObjectKind objectKind = ObjectKind::Drawing;          // Object
    QSizeF sizeMm;
    bool frame = false;
    QString align;
};

// "Ошибка в шаблоне отчета "NAME", строка N: WHAT"
QString templateErrorText(const QString &templateName, int line, const QString &what);

class ReportTemplate
{
public:
    ReportTemplate(); // empty template: one empty page

    // Reads a UTF-8 template file; its name in messages is the file name.
    static ReportTemplate load(const QString &path);
    // baseDir resolves relative image paths of ordinary <img> elements.
    static ReportTemplate parse(const QString &text, const QString &name,
                                const QString &baseDir = QString());

    const QString &name() const;
    const QString &baseDir() const;
    const PageSetup &page() const;
    const std::vector<TemplateNode> &body() const;
    const std::vector<TemplateNode> &pageHeader() const;
    const std::vector<TemplateNode> &pageFooter() const;
    // The contents of every <style> element, for the page header and footer.
    const QString &styleSheet() const;
    // Names of the picture objects, as written.
    const QStringList &pictureObjects() const;

    struct Data;

private:
    std::shared_ptr<const Data> d;
};

} // namespace kv
