#include "reports/ReportPrepare.h"

#include "tools/Errors.h"

#include <QSet>
#include <cmath>

namespace kv {

const QString PreparedReport::PageToken = QStringLiteral("\uE000P\uE001");
const QString PreparedReport::TotalPagesToken = QStringLiteral("\uE000T\uE001");
const QString PreparedReport::ObjectScheme = QStringLiteral("kvobj:");

namespace {

// A band over a source that never ends would fill memory; no real document
// comes near this.
constexpr int kMaxBandRows = 1000000;

QString escapeHtml(const QString &text)
{
    QString out;
    out.reserve(text.size() + 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        switch (c.unicode()) {
        case u'&': out += QLatin1String("&amp;"); break;
        case u'<': out += QLatin1String("&lt;"); break;
        case u'>': out += QLatin1String("&gt;"); break;
        case u'"': out += QLatin1String("&quot;"); break;
        case u'\r':
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            out += QLatin1String("<br>");
            break;
        case u'\n': out += QLatin1String("<br>"); break;
        default: out += c;
        }
    }
    return out;
}

class Expander : public ReportServices
{
public:
    Expander(const ReportTemplate &t, ReportDataSource &data, PreparedReport &out)
        : m_t(t), m_data(data), m_out(out),
          m_context([this](const QString &name) { return lookup(name).toExpr(); },
                    [this](const QString &name, const ExprArguments &args) { return function(name, args); })
    {
    }

    void run()
    {
        nodes(m_t.body(), m_out.bodyHtml);
        // After the body, so the page header and footer see what it set.
        nodes(m_t.pageHeader(), m_out.headerHtml);
        nodes(m_t.pageFooter(), m_out.footerHtml);
    }

    // ReportServices
    bool hasPictureObject(const QString &name) const override
    {
        return m_t.pictureObjects().contains(name, Qt::CaseInsensitive);
    }

    bool loadPicture(const QString &name, const QString &file) override
    {
        if (!hasPictureObject(name))
            return false;
        QImage image;
        if (!image.load(file))
            return false;
        m_out.pictures.insert(name.toUpper(), image);
        return true;
    }

    ExprValue evaluate(const QString &expression) override
    {
        return Expression::evaluate(expression, m_context);
    }

private:
    [[noreturn]] void fail(int line, const QString &what) const
    {
        throw Error(templateErrorText(m_t.name(), line, what));
    }

    // Data-side failures keep their own text; the flag tells them apart from
    // the template's own evaluation errors, which get the template's line.
    template<class F>
    auto dataCall(F f)
    {
        try {
            return f();
        } catch (const Error &) {
            m_dataFailed = true;
            throw;
        }
    }

    template<class F>
    auto located(int line, F f)
    {
        m_dataFailed = false;
        try {
            return f();
        } catch (const Error &e) {
            if (m_dataFailed)
                throw;
            fail(line, e.text());
        }
    }

    ReportValue lookup(const QString &name)
    {
        const QString key = name.trimmed().toUpper();
        if (key == QLatin1String("LINE#"))
            return ReportValue::integer(m_lines.empty() ? 0 : m_lines.back());
        if (key == QLatin1String("PAGE#") || key == QLatin1String("TOTALPAGES"))
            throw Error(QStringLiteral("[PAGE#] и [TOTALPAGES] выводятся только отдельным полем в колонтитуле страницы"));
        if (const auto it = m_vars.constFind(key); it != m_vars.constEnd())
            return *it;
        const auto value = dataCall([&] { return m_data.value(name); });
        if (value)
            return *value;
        if (!m_unknown.contains(key)) {
            m_unknown.insert(key);
            m_out.unknownNames.append(name);
        }
        return ReportValue();
    }

    static void wantArguments(const QString &name, const ExprArguments &args, int min, int max)
    {
        if (args.count() < min || args.count() > max)
            throw Error(min == max ? QStringLiteral("функция %1 ожидает аргументов: %2").arg(name).arg(min)
                                   : QStringLiteral("функция %1 ожидает от %2 до %3 аргументов").arg(name).arg(min).arg(max));
    }

    ExprValue function(const QString &name, const ExprArguments &args)
    {
        const QString key = name.toUpper();
        if (key == QLatin1String("IF")) {
            wantArguments(key, args, 2, 3);
            if (args.value(0).toBool())
                return args.value(1);
            return args.count() > 2 ? args.value(2) : ExprValue(QString());
        }
        if (key == QLatin1String("FORMAT")) {
            wantArguments(key, args, 2, 2);
            return DisplayFormat::parse(args.value(1).toString()).format(ReportValue::fromExpr(args.value(0)));
        }
        if (key == QLatin1String("UPPERCASE") || key == QLatin1String("LOWERCASE") || key == QLatin1String("TRIM")) {
            wantArguments(key, args, 1, 1);
            const QString s = args.value(0).toString();
            return key == QLatin1String("UPPERCASE") ? s.toUpper()
                 : key == QLatin1String("LOWERCASE") ? s.toLower() : s.trimmed();
        }
        if (key == QLatin1String("ROUND")) {
            wantArguments(key, args, 1, 2);
            const double x = args.value(0).toNumber();
            const double digits = args.count() > 1 ? args.value(1).toNumber() : 0;
            if (digits < 0 || digits > 10 || digits != std::trunc(digits))
                throw Error(QStringLiteral("ROUND: число знаков от 0 до 10"));
            const double scale = std::pow(10.0, digits);
            if (!std::isfinite(x) || std::fabs(x * scale) > 9.0e15)
                return x;
            return double(roundTiesEven(static_cast<long double>(x) * scale)) / scale;
        }
        const auto result = dataCall([&] { return m_data.call(name, args, *this); });
        if (!result)
            throw Error(QStringLiteral("неизвестная функция %1").arg(name));
        return result->toExpr();
    }

    void nodes(const std::vector<TemplateNode> &list, QString &out)
    {
        for (const TemplateNode &n : list)
            node(n, out);
    }

    void node(const TemplateNode &n, QString &out)
    {
        using T = TemplateNode::Type;
        switch (n.type) {
        case T::Text:
            out += n.text;
            break;
        case T::Field:
            field(n, out);
            break;
        case T::Band:
            band(n, out);
            break;
        case T::If:
            for (const auto &b : n.branches) {
                if (b.isElse || located(b.line, [&] { return b.condition.evaluate(m_context).toBool(); })) {
                    nodes(b.nodes, out);
                    break;
                }
            }
            break;
        case T::Set: {
            const ReportValue v = located(n.line, [&] {
                return n.valueName.isEmpty() ? ReportValue::fromExpr(n.expression.evaluate(m_context))
                                             : lookup(n.valueName);
            });
            m_vars.insert(n.text.toUpper(), v);
            break;
        }
        case T::Object:
            object(n, out);
            break;
        }
    }

    void field(const TemplateNode &n, QString &out)
    {
        if (n.system == TemplateNode::SystemField::Page) {
            out += PreparedReport::PageToken;
            return;
        }
        if (n.system == TemplateNode::SystemField::TotalPages) {
            out += PreparedReport::TotalPagesToken;
            return;
        }
        out += located(n.line, [&] {
            const ReportValue v = n.valueName.isEmpty() ? ReportValue::fromExpr(n.expression.evaluate(m_context))
                                                        : lookup(n.valueName);
            return escapeHtml(n.format.format(v));
        });
    }

    void band(const TemplateNode &n, QString &out)
    {
        ReportRecordSource *source = dataCall([&] { return m_data.recordSource(n.text); });
        if (!source)
            fail(n.line, QStringLiteral("неизвестный источник данных \"%1\"").arg(n.text));
        dataCall([&] { source->first(); });
        if (dataCall([&] { return source->eof(); })) {
            nodes(n.empty, out);
            return;
        }
        nodes(n.header, out);
        m_lines.push_back(0);
        int rows = 0;
        while (!dataCall([&] { return source->eof(); })) {
            if (++rows > kMaxBandRows)
                fail(n.line, QStringLiteral("источник данных \"%1\" дал больше %2 записей").arg(n.text).arg(kMaxBandRows));
            m_lines.back() = rows;
            nodes(n.row, out);
            dataCall([&] { source->next(); });
        }
        m_lines.pop_back();
        nodes(n.footer, out);
    }

    void object(const TemplateNode &n, QString &out)
    {
        ReportObject o;
        o.kind = n.objectKind == TemplateNode::ObjectKind::Drawing ? ReportObject::Kind::Drawing
                                                                   : ReportObject::Kind::Picture;
        o.name = n.text;
        o.sizeMm = n.sizeMm;
        o.frame = n.frame;
        if (o.kind == ReportObject::Kind::Drawing) {
            // A failing data side leaves the object to its sketch caption.
            try {
                o.draw = m_data.drawing(n.text);
            } catch (...) {
                o.draw = nullptr;
            }
        }
        const int index = int(m_out.objects.size());
        m_out.objects.push_back(std::move(o));
        // Pixel sizes at 96 per inch, as HTML counts them.
        out += QStringLiteral("<img src=\"%1%2\" width=\"%3\" height=\"%4\"%5>")
                   .arg(PreparedReport::ObjectScheme)
                   .arg(index)
                   .arg(qRound(n.sizeMm.width() / 25.4 * 96))
                   .arg(qRound(n.sizeMm.height() / 25.4 * 96))
                   .arg(n.align.isEmpty() ? QString() : QStringLiteral(" align=\"%1\"").arg(n.align));
    }

    const ReportTemplate &m_t;
    ReportDataSource &m_data;
    PreparedReport &m_out;
    ExprCallbacks m_context;
    QHash<QString, ReportValue> m_vars;
    QSet<QString> m_unknown;
    std::vector<int> m_lines;
    bool m_dataFailed = false;
};

} // namespace

PreparedReport prepareReport(const ReportTemplate &report, ReportDataSource &data)
{
    PreparedReport out;
    out.name = report.name();
    out.baseDir = report.baseDir();
    out.page = report.page();
    out.styleSheet = report.styleSheet();
    Expander expander(report, data, out);
    expander.run();
    return out;
}

} // namespace kv
