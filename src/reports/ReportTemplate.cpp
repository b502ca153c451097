#include "reports/ReportTemplate.h"

#include "tools/Errors.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QStringDecoder>
#include <algorithm>

namespace kv {

struct ReportTemplate::Data
{
    QString name;
    QString baseDir;
    PageSetup page;
    std::vector<TemplateNode> body, header, footer;
    QString css;
    QStringList pictures;
};

QSizeF PageSetup::paperSizeMm() const
{
    const QSizeF s = QPageSize(size).size(QPageSize::Millimeter);
    return orientation == QPageLayout::Landscape ? s.transposed() : s;
}

QString templateErrorText(const QString &templateName, int line, const QString &what)
{
    return QStringLiteral("Ошибка в шаблоне отчета \"%1\", строка %2: %3").arg(templateName).arg(line).arg(what);
}

namespace {

constexpr size_t kMaxBlockDepth = 100;

bool isBlank(const QString &s)
{
    return std::all_of(s.begin(), s.end(), [](QChar c) { return c.isSpace(); });
}

// Entities an HTML editor may put into a field's text.
QString decodeEntities(const QString &s)
{
    if (!s.contains(u'&'))
        return s;
    static const QHash<QString, QString> named = {
        {QStringLiteral("lt"), QStringLiteral("<")},   {QStringLiteral("gt"), QStringLiteral(">")},
        {QStringLiteral("amp"), QStringLiteral("&")},  {QStringLiteral("quot"), QStringLiteral("\"")},
        {QStringLiteral("apos"), QStringLiteral("'")}, {QStringLiteral("nbsp"), QStringLiteral(" ")},
    };
    QString out;
    qsizetype i = 0;
    while (i < s.size()) {
        if (s[i] == u'&') {
            const qsizetype semi = s.indexOf(u';', i + 1);
            if (semi > i + 1 && semi - i <= 10) {
                const QString ent = s.mid(i + 1, semi - i - 1);
                QString rep;
                if (ent.startsWith(u'#')) {
                    bool ok = false;
                    const uint code = ent.size() > 1 && (ent[1] == u'x' || ent[1] == u'X')
                                          ? ent.mid(2).toUInt(&ok, 16) : ent.mid(1).toUInt(&ok, 10);
                    if (ok && code > 0 && code < 0x110000 && !(code >= 0xD800 && code < 0xE000)) {
                        const char32_t c = char32_t(code);
                        rep = QString::fromUcs4(&c, 1);
                    }
                } else {
                    rep = named.value(ent.toLower());
                }
                if (!rep.isEmpty()) {
                    out += rep;
                    i = semi + 1;
                    continue;
                }
            }
        }
        out += s[i++];
    }
    return out;
}

// Position of the first '#' outside strings, quoted names and brackets, or -1.
qsizetype formatSeparator(const QString &s)
{
    int depth = 0;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c == u'\'' || c == u'"') {
            const qsizetype close = s.indexOf(c, i + 1);
            if (close < 0)
                return -1; // the expression parser reports it
            i = close;
        } else if (c == u'[') {
            ++depth;
        } else if (c == u']') {
            --depth;
        } else if (c == u'#' && depth == 0) {
            return i;
        }
    }
    return -1;
}

// The name when an expression is exactly one name (plain or in brackets).
std::optional<QString> singleName(const QString &expr)
{
    static const QRegularExpression bracketed(QStringLiteral("^\\[\\s*([^\\[\\]]*?)\\s*\\]$"));
    static const QRegularExpression plain(
        QStringLiteral("^[\\p{L}_][\\p{L}\\p{N}_]*(\\.[\\p{L}_][\\p{L}\\p{N}_]*)*$"));
    if (const auto m = bracketed.match(expr); m.hasMatch() && !m.captured(1).isEmpty())
        return m.captured(1);
    if (plain.match(expr).hasMatch()) {
        static const QStringList keywords = {QStringLiteral("and"), QStringLiteral("or"),
                                             QStringLiteral("not"), QStringLiteral("div"),
                                             QStringLiteral("mod"), QStringLiteral("true"),
                                             QStringLiteral("false")};
        if (!keywords.contains(expr, Qt::CaseInsensitive))
            return expr;
    }
    return std::nullopt;
}

// Attributes of a tag's inside ("img src=... width=..."); names lower-cased.
QHash<QString, QString> tagAttributes(const QString &inner)
{
    QHash<QString, QString> attrs;
    qsizetype i = 0;
    const qsizetype n = inner.size();
    // Skip the tag name.
    while (i < n && !inner[i].isSpace() && inner[i] != u'/')
        ++i;
    while (i < n) {
        while (i < n && (inner[i].isSpace() || inner[i] == u'/'))
            ++i;
        const qsizetype start = i;
        while (i < n && !inner[i].isSpace() && inner[i] != u'=' && inner[i] != u'/')
            ++i;
        const QString key = inner.mid(start, i - start).toLower();
        while (i < n && inner[i].isSpace())
            ++i;
        QString value;
        if (i < n && inner[i] == u'=') {
            ++i;
            while (i < n && inner[i].isSpace())
                ++i;
            if (i < n && (inner[i] == u'"' || inner[i] == u'\'')) {
                const QChar q = inner[i];
                const qsizetype close = inner.indexOf(q, i + 1);
                const qsizetype end = close < 0 ? n : close;
                value = inner.mid(i + 1, end - i - 1);
                i = end + 1;
            } else {
                const qsizetype vs = i;
                while (i < n && !inner[i].isSpace())
                    ++i;
                value = inner.mid(vs, i - vs);
            }
        }
        if (!key.isEmpty() && !attrs.contains(key))
            attrs.insert(key, decodeEntities(value));
        if (start == i)
            ++i;
    }
    return attrs;
}

// A length with an optional unit (mm, cm, in, pt, px; none = px) in mm.
std::optional<double> lengthMm(const QString &text)
{
    static const QRegularExpression re(QStringLiteral("^\\s*([0-9]+(?:\\.[0-9]+)?)\\s*(mm|cm|in|pt|px)?\\s*$"),
                                       QRegularExpression::CaseInsensitiveOption);
    const auto m = re.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const double v = m.captured(1).toDouble();
    const QString unit = m.captured(2).toLower();
    if (unit == QLatin1String("mm")) return v;
    if (unit == QLatin1String("cm")) return v * 10;
    if (unit == QLatin1String("in")) return v * 25.4;
    if (unit == QLatin1String("pt")) return v * 25.4 / 72;
    return v * 25.4 / 96;
}

// A CSS property of a style attribute, or an empty string.
QString styleProperty(const QString &style, const QString &property)
{
    const auto decls = style.split(u';');
    for (const QString &decl : decls) {
        const qsizetype colon = decl.indexOf(u':');
        if (colon > 0 && decl.left(colon).trimmed().compare(property, Qt::CaseInsensitive) == 0)
            return decl.mid(colon + 1).trimmed();
    }
    return QString();
}

class Parser
{
public:
    Parser(const QString &text, ReportTemplate::Data &d) : m_t(text), m_d(d)
    {
        m_lineStarts.push_back(0);
        for (qsizetype i = 0; i < m_t.size(); ++i)
            if (m_t[i] == u'\n')
                m_lineStarts.push_back(i + 1);
    }

    void run()
    {
        m_stack.push_back(Frame{Frame::Root, nullptr, &m_d.body, 1});
        const qsizetype n = m_t.size();
        qsizetype i = 0, textStart = 0;
        while (i < n) {
            const QChar c = m_t[i];
            if (c == u'[') {
                flushText(textStart, i);
                i = field(i);
                textStart = i;
            } else if (c == u'<' && m_t.mid(i, 4) == QLatin1String("<!--")) {
                flushText(textStart, i);
                i = comment(i);
                textStart = i;
            } else if (c == u'<' && (tagAt(i, u"style") || tagAt(i, u"script"))) {
                i = verbatimElement(i);
            } else if (c == u'<' && tagAt(i, u"img")) {
                const qsizetype end = tagEnd(i);
                const QString inner = m_t.mid(i + 1, end - i - 2);
                const auto attrs = tagAttributes(inner);
                if (attrs.value(QStringLiteral("src")).trimmed().startsWith(QLatin1String("kv:"), Qt::CaseInsensitive)) {
                    flushText(textStart, i);
                    object(attrs, i);
                    i = end;
                    textStart = i;
                } else {
                    ++i; // fields in its attributes are still filled
                }
            } else {
                ++i;
            }
        }
        flushText(textStart, n);
        if (m_stack.size() > 1) {
            const Frame &f = m_stack.back();
            fail(f.line, QStringLiteral("не закрыт блок %1 (нет %2)").arg(f.opening(), f.closing()));
        }
    }

private:
    struct Frame
    {
        enum Kind { Root, Band, If, PageHeader, PageFooter } kind;
        TemplateNode *node;
        std::vector<TemplateNode> *target;
        int line;
        unsigned sections = 0; // Band: bit per section seen
        bool marked = false;   // Band: a section marker was seen

        QString opening() const
        {
            switch (kind) {
            case Band: return QStringLiteral("#band");
            case If: return QStringLiteral("#if");
            case PageHeader: return QStringLiteral("#pageheader");
            case PageFooter: return QStringLiteral("#pagefooter");
            default: return QString();
            }
        }
        QString closing() const
        {
            switch (kind) {
            case Band: return QStringLiteral("#endband");
            case If: return QStringLiteral("#endif");
            case PageHeader: return QStringLiteral("#endpageheader");
            case PageFooter: return QStringLiteral("#endpagefooter");
            default: return QString();
            }
        }
    };

    [[noreturn]] void fail(int line, const QString &what) const
    {
        throw Error(templateErrorText(m_d.name, line, what));
    }

    int lineAt(qsizetype pos) const
    {
        const auto it = std::upper_bound(m_lineStarts.begin(), m_lineStarts.end(), pos);
        return int(it - m_lineStarts.begin());
    }

    bool tagAt(qsizetype i, QStringView name) const
    {
        const qsizetype end = i + 1 + name.size();
        if (end > m_t.size() || QStringView(m_t).mid(i + 1, name.size()).compare(name, Qt::CaseInsensitive) != 0)
            return false;
        return end == m_t.size() || m_t[end].isSpace() || m_t[end] == u'>' || m_t[end] == u'/';
    }

    // Index after the '>' of the tag starting at i (quotes respected).
    qsizetype tagEnd(qsizetype i) const
    {
        QChar quote;
        for (qsizetype j = i + 1; j < m_t.size(); ++j) {
            const QChar c = m_t[j];
            if (!quote.isNull()) {
                if (c == quote)
                    quote = QChar();
            } else if (c == u'"' || c == u'\'') {
                quote = c;
            } else if (c == u'>') {
                return j + 1;
            }
        }
        fail(lineAt(i), QStringLiteral("не закрыт тег \"%1\"").arg(m_t.mid(i, 12).simplified()));
    }

    std::vector<TemplateNode> &target() { return *m_stack.back().target; }

    bool inPageBand() const
    {
        return std::any_of(m_stack.begin(), m_stack.end(), [](const Frame &f) {
            return f.kind == Frame::PageHeader || f.kind == Frame::PageFooter;
        });
    }

    void flushText(qsizetype from, qsizetype to)
    {
        if (to <= from)
            return;
        auto &nodes = target();
        if (!nodes.empty() && nodes.back().type == TemplateNode::Type::Text) {
            nodes.back().text += m_t.mid(from, to - from);
            return;
        }
        TemplateNode n;
        n.type = TemplateNode::Type::Text;
        n.line = lineAt(from);
        n.text = m_t.mid(from, to - from);
        nodes.push_back(std::move(n));
    }

    // <style> and <script> go through untouched (CSS selectors use brackets).
    qsizetype verbatimElement(qsizetype i)
    {
        const bool style = tagAt(i, u"style");
        const QString closeTag = style ? QStringLiteral("</style") : QStringLiteral("</script");
        const qsizetype open = tagEnd(i);
        const qsizetype close = m_t.indexOf(closeTag, open, Qt::CaseInsensitive);
        if (close < 0)
            fail(lineAt(i), QStringLiteral("не закрыт элемент %1").arg(closeTag.mid(2).prepend(u'<') + u'>'));
        if (style)
            m_d.css += m_t.mid(open, close - open) + u'\n';
        return tagEnd(close);
    }

    Expression parseExpression(const QString &text, int line) const
    {
        try {
            return Expression::parse(text);
        } catch (const Error &e) {
            fail(line, e.text());
        }
    }

    qsizetype field(qsizetype i)
    {
        const int line = lineAt(i);
        int depth = 0;
        qsizetype j = i;
        for (; j < m_t.size(); ++j) {
            const QChar c = m_t[j];
            if (c == u'\'') {
                const qsizetype close = m_t.indexOf(u'\'', j + 1);
                if (close < 0)
                    fail(line, QStringLiteral("не закрыта строка в поле \"%1\"").arg(m_t.mid(i, 40).simplified()));
                j = close;
            } else if (c == u'[') {
                ++depth;
            } else if (c == u']') {
                if (--depth == 0)
                    break;
            }
        }
        if (j >= m_t.size())
            fail(line, QStringLiteral("не закрыта скобка [ поля \"%1\"").arg(m_t.mid(i, 40).simplified()));
        const QString inner = decodeEntities(m_t.mid(i + 1, j - i - 1)).trimmed();
        TemplateNode n;
        n.type = TemplateNode::Type::Field;
        n.line = line;
        if (inner.isEmpty())
            fail(line, QStringLiteral("пустое поле []"));
        const QString upper = inner.toUpper();
        if (upper == QLatin1String("PAGE#") || upper == QLatin1String("TOTALPAGES")) {
            if (!inPageBand())
                fail(line, QStringLiteral("[%1] выводится только в колонтитуле страницы").arg(inner));
            n.system = upper == QLatin1String("PAGE#") ? TemplateNode::SystemField::Page
                                                        : TemplateNode::SystemField::TotalPages;
            target().push_back(std::move(n));
            return j + 1;
        }
        QString exprText = inner;
        if (upper == QLatin1String("LINE#")) {
            exprText = QStringLiteral("[LINE#]");
        } else if (const qsizetype hash = formatSeparator(inner); hash >= 0) {
            exprText = inner.left(hash).trimmed();
            try {
                n.format = DisplayFormat::parse(inner.mid(hash + 1));
            } catch (const Error &e) {
                fail(line, e.text());
            }
            if (exprText.isEmpty())
                fail(line, QStringLiteral("нет выражения перед форматом в поле [%1]").arg(inner));
        }
        n.expression = parseExpression(exprText, line);
        if (const auto name = singleName(exprText))
            n.valueName = *name;
        target().push_back(std::move(n));
        return j + 1;
    }

    void object(const QHash<QString, QString> &attrs, qsizetype pos)
    {
        const int line = lineAt(pos);
        TemplateNode n;
        n.type = TemplateNode::Type::Object;
        n.line = line;
        const QString kind = attrs.value(QStringLiteral("src")).trimmed().mid(3).toLower();
        if (kind == QLatin1String("drawing"))
            n.objectKind = TemplateNode::ObjectKind::Drawing;
        else if (kind == QLatin1String("picture"))
            n.objectKind = TemplateNode::ObjectKind::Picture;
        else
            fail(line, QStringLiteral("неизвестный объект \"kv:%1\" (есть kv:drawing и kv:picture)").arg(kind));
        n.text = attrs.value(QStringLiteral("name")).trimmed();
        if (n.text.isEmpty()) {
            if (n.objectKind == TemplateNode::ObjectKind::Picture)
                fail(line, QStringLiteral("у объекта kv:picture нет имени (name)"));
            n.text = QStringLiteral("KVFImage");
        }
        const QString style = attrs.value(QStringLiteral("style"));
        auto size = [&](const QString &what) -> double {
            QString v = attrs.value(what);
            if (v.isEmpty())
                v = styleProperty(style, what);
            if (v.isEmpty())
                fail(line, QStringLiteral("у объекта \"%1\" не задан размер (%2)").arg(n.text, what));
            const auto mm = lengthMm(v);
            if (!mm || *mm <= 0 || *mm > 2000)
                fail(line, QStringLiteral("неверный размер объекта \"%1\": %2=\"%3\"").arg(n.text, what, v));
            return *mm;
        };
        n.sizeMm = QSizeF(size(QStringLiteral("width")), size(QStringLiteral("height")));
        bool ok = false;
        n.frame = attrs.value(QStringLiteral("border")).toInt(&ok) > 0 && ok;
        n.align = attrs.value(QStringLiteral("align")).trimmed().toLower();
        static const QStringList aligns = {QString(), QStringLiteral("left"), QStringLiteral("right"),
                                           QStringLiteral("middle"), QStringLiteral("top"), QStringLiteral("bottom")};
        if (!aligns.contains(n.align))
            n.align.clear();
        if (n.objectKind == TemplateNode::ObjectKind::Picture
            && !m_d.pictures.contains(n.text, Qt::CaseInsensitive))
            m_d.pictures.append(n.text);
        target().push_back(std::move(n));
    }

    qsizetype comment(qsizetype i)
    {
        const int line = lineAt(i);
        const qsizetype close = m_t.indexOf(QLatin1String("-->"), i + 4);
        if (close < 0)
            fail(line, QStringLiteral("не закрыт комментарий <!--"));
        const QString content = m_t.mid(i + 4, close - i - 4).trimmed();
        if (content.startsWith(u'#'))
            directive(content.mid(1), line);
        return close + 3;
    }

    Frame &requireTop(Frame::Kind kind, const QString &keyword, int line)
    {
        Frame &top = m_stack.back();
        if (top.kind == kind)
            return top;
        if (top.kind != Frame::Root)
            fail(line, QStringLiteral("#%1 внутри блока %2 из строки %3, который не закрыт")
                           .arg(keyword, top.opening()).arg(top.line));
        fail(line, QStringLiteral("#%1 без открывающей директивы").arg(keyword));
    }

    void noArguments(const QString &keyword, const QString &rest, int line)
    {
        if (!rest.isEmpty())
            fail(line, QStringLiteral("лишний текст после #%1: \"%2\"").arg(keyword, rest));
    }

    void directive(const QString &text, int line)
    {
        // Expansion recurses once per open block; no document needs this many.
        if (m_stack.size() > kMaxBlockDepth)
            fail(line, QStringLiteral("слишком глубокая вложенность блоков (больше %1)").arg(kMaxBlockDepth));
        qsizetype k = 0;
        while (k < text.size() && text[k].isLetter())
            ++k;
        const QString keyword = text.left(k).toLower();
        const QString rest = text.mid(k).trimmed();

        if (keyword == QLatin1String("band")) {
            static const QRegularExpression nameRe(QStringLiteral("^[\\p{L}_][\\p{L}\\p{N}_]*$"));
            if (!nameRe.match(rest).hasMatch())
                fail(line, QStringLiteral("после #band нужно имя источника данных"));
            if (inPageBand())
                fail(line, QStringLiteral("#band в колонтитуле страницы"));
            for (const Frame &f : m_stack)
                if (f.kind == Frame::Band && f.node->text.compare(rest, Qt::CaseInsensitive) == 0)
                    fail(line, QStringLiteral("#band %1 вложен в #band %1 из строки %2").arg(rest).arg(f.line));
            TemplateNode n;
            n.type = TemplateNode::Type::Band;
            n.line = line;
            n.text = rest;
            target().push_back(std::move(n));
            TemplateNode *node = &target().back();
            m_stack.push_back(Frame{Frame::Band, node, &node->row, line});
        } else if (keyword == QLatin1String("header") || keyword == QLatin1String("row")
                   || keyword == QLatin1String("footer") || keyword == QLatin1String("empty")) {
            noArguments(keyword, rest, line);
            Frame &f = m_stack.back();
            if (f.kind != Frame::Band)
                fail(line, QStringLiteral("секция #%1 вне #band").arg(keyword));
            TemplateNode *node = f.node;
            if (!f.marked) {
                // Whatever came before the first marker is the row.
                f.marked = true;
                const bool rowContent = std::any_of(node->row.begin(), node->row.end(), [](const TemplateNode &c) {
                    return c.type != TemplateNode::Type::Text || !isBlank(c.text);
                });
                if (rowContent)
                    f.sections |= 2;
                else
                    node->row.clear();
            }
            const unsigned bit = keyword == QLatin1String("header") ? 1
                               : keyword == QLatin1String("row") ? 2
                               : keyword == QLatin1String("footer") ? 4 : 8;
            if (f.sections & bit)
                fail(line, QStringLiteral("секция #%1 уже есть в #band %2").arg(keyword, node->text));
            f.sections |= bit;
            f.target = bit == 1 ? &node->header : bit == 2 ? &node->row : bit == 4 ? &node->footer : &node->empty;
        } else if (keyword == QLatin1String("endband")) {
            noArguments(keyword, rest, line);
            requireTop(Frame::Band, keyword, line);
            m_stack.pop_back();
        } else if (keyword == QLatin1String("if")) {
            if (rest.isEmpty())
                fail(line, QStringLiteral("после #if нужно условие"));
            TemplateNode n;
            n.type = TemplateNode::Type::If;
            n.line = line;
            n.branches.push_back({line, false, parseExpression(decodeEntities(rest), line), {}});
            target().push_back(std::move(n));
            TemplateNode *node = &target().back();
            m_stack.push_back(Frame{Frame::If, node, &node->branches.back().nodes, line});
        } else if (keyword == QLatin1String("elseif") || keyword == QLatin1String("else")) {
            Frame &f = requireTop(Frame::If, keyword, line);
            if (f.node->branches.back().isElse)
                fail(line, QStringLiteral("#%1 после #else").arg(keyword));
            const bool isElse = keyword == QLatin1String("else");
            if (isElse)
                noArguments(keyword, rest, line);
            else if (rest.isEmpty())
                fail(line, QStringLiteral("после #elseif нужно условие"));
            f.node->branches.push_back(
                {line, isElse, isElse ? Expression() : parseExpression(decodeEntities(rest), line), {}});
            f.target = &f.node->branches.back().nodes;
        } else if (keyword == QLatin1String("endif")) {
            noArguments(keyword, rest, line);
            requireTop(Frame::If, keyword, line);
            m_stack.pop_back();
        } else if (keyword == QLatin1String("set")) {
            static const QRegularExpression setRe(
                QStringLiteral("^(\\[[^\\[\\]]+\\]|[\\p{L}_][\\p{L}\\p{N}_]*)\\s*=(.*)$"),
                QRegularExpression::DotMatchesEverythingOption);
            const auto m = setRe.match(rest);
            if (!m.hasMatch() || m.captured(2).trimmed().isEmpty())
                fail(line, QStringLiteral("нужен вид #set ИМЯ = выражение"));
            QString name = m.captured(1);
            if (name.startsWith(u'['))
                name = name.mid(1, name.size() - 2).trimmed();
            TemplateNode n;
            n.type = TemplateNode::Type::Set;
            n.line = line;
            n.text = name;
            const QString exprText = decodeEntities(m.captured(2)).trimmed();
            n.expression = parseExpression(exprText, line);
            if (const auto single = singleName(exprText))
                n.valueName = *single;
            target().push_back(std::move(n));
        } else if (keyword == QLatin1String("pageheader") || keyword == QLatin1String("pagefooter")) {
            noArguments(keyword, rest, line);
            if (m_stack.back().kind != Frame::Root)
                fail(line, QStringLiteral("#%1 внутри блока %2 из строки %3").arg(keyword, m_stack.back().opening()).arg(m_stack.back().line));
            const bool header = keyword == QLatin1String("pageheader");
            bool &seen = header ? m_seenHeader : m_seenFooter;
            if (seen)
                fail(line, QStringLiteral("#%1 уже был").arg(keyword));
            seen = true;
            m_stack.push_back(Frame{header ? Frame::PageHeader : Frame::PageFooter, nullptr,
                                    header ? &m_d.header : &m_d.footer, line});
        } else if (keyword == QLatin1String("endpageheader")) {
            noArguments(keyword, rest, line);
            requireTop(Frame::PageHeader, keyword, line);
            m_stack.pop_back();
        } else if (keyword == QLatin1String("endpagefooter")) {
            noArguments(keyword, rest, line);
            requireTop(Frame::PageFooter, keyword, line);
            m_stack.pop_back();
        } else if (keyword == QLatin1String("page")) {
            if (m_stack.back().kind != Frame::Root)
                fail(line, QStringLiteral("#page внутри блока %1").arg(m_stack.back().opening()));
            pageSetup(rest, line);
        } else {
            fail(line, QStringLiteral("неизвестная директива #%1").arg(keyword.isEmpty() ? text.left(20) : keyword));
        }
    }

    void pageSetup(const QString &text, int line)
    {
        PageSetup &p = m_d.page;
        QList<QPair<QString, QStringList>> items;
        const QStringList tokens = text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        for (const QString &tok : tokens) {
            const qsizetype eq = tok.indexOf(u'=');
            if (eq > 0) {
                items.append({tok.left(eq).toLower(), {}});
                if (eq + 1 < tok.size())
                    items.back().second.append(tok.mid(eq + 1));
            } else if (!items.isEmpty() && eq < 0) {
                items.back().second.append(tok);
            } else {
                fail(line, QStringLiteral("в #page нужен вид ключ=значение: \"%1\"").arg(tok));
            }
        }
        for (const auto &[key, values] : items) {
            const QString value = values.join(u' ');
            if (key == QLatin1String("size")) {
                static const QHash<QString, QPageSize::PageSizeId> sizes = {
                    {QStringLiteral("a3"), QPageSize::A3}, {QStringLiteral("a4"), QPageSize::A4},
                    {QStringLiteral("a5"), QPageSize::A5}, {QStringLiteral("letter"), QPageSize::Letter},
                    {QStringLiteral("legal"), QPageSize::Legal}};
                if (!sizes.contains(value.toLower()))
                    fail(line, QStringLiteral("неизвестный размер страницы \"%1\" (A3, A4, A5, Letter, Legal)").arg(value));
                p.size = sizes.value(value.toLower());
            } else if (key == QLatin1String("orientation")) {
                if (value.compare(QLatin1String("portrait"), Qt::CaseInsensitive) == 0)
                    p.orientation = QPageLayout::Portrait;
                else if (value.compare(QLatin1String("landscape"), Qt::CaseInsensitive) == 0)
                    p.orientation = QPageLayout::Landscape;
                else
                    fail(line, QStringLiteral("ориентация страницы: portrait или landscape, а не \"%1\"").arg(value));
            } else if (key == QLatin1String("margin")) {
                QList<double> mm;
                for (const QString &v : values) {
                    static const QRegularExpression re(QStringLiteral("^([0-9]+(?:\\.[0-9]+)?)(mm)?$"));
                    const auto m = re.match(v);
                    if (!m.hasMatch() || m.captured(1).toDouble() > 100)
                        fail(line, QStringLiteral("неверное поле страницы \"%1\" (миллиметры от 0 до 100)").arg(v));
                    mm.append(m.captured(1).toDouble());
                }
                if (mm.isEmpty() || mm.size() > 4)
                    fail(line, QStringLiteral("margin: от одного до четырех значений"));
                // CSS order: top, right, bottom, left.
                const double top = mm[0];
                const double right = mm.size() > 1 ? mm[1] : top;
                const double bottom = mm.size() > 2 ? mm[2] : top;
                const double left = mm.size() > 3 ? mm[3] : right;
                p.marginsMm = QMarginsF(left, top, right, bottom);
            } else {
                fail(line, QStringLiteral("неизвестный параметр #page \"%1\" (size, orientation, margin)").arg(key));
            }
        }
        const QSizeF paper = p.paperSizeMm();
        if (paper.width() - p.marginsMm.left() - p.marginsMm.right() < 20
            || paper.height() - p.marginsMm.top() - p.marginsMm.bottom() < 20)
            fail(line, QStringLiteral("поля страницы не оставляют места для текста"));
    }

    const QString &m_t;
    ReportTemplate::Data &m_d;
    std::vector<qsizetype> m_lineStarts;
    std::vector<Frame> m_stack;
    bool m_seenHeader = false;
    bool m_seenFooter = false;
};

} // namespace

ReportTemplate::ReportTemplate() : d(std::make_shared<Data>()) {}

ReportTemplate ReportTemplate::parse(const QString &text, const QString &name, const QString &baseDir)
{
    auto data = std::make_shared<Data>();
    data->name = name;
    data->baseDir = baseDir;
    Parser parser(text, *data);
    parser.run();
    ReportTemplate t;
    t.d = std::move(data);
    return t;
}

ReportTemplate ReportTemplate::load(const QString &path)
{
    const QFileInfo info(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("Невозможно прочитать файл отчета!\r\nФайл: %1.").arg(path));
    QByteArray bytes = file.readAll();
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    // Name the first line that is no UTF-8, so a template saved in another
    // code page is found quickly.
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = decoder(bytes);
    if (decoder.hasError()) {
        const QList<QByteArray> lines = bytes.split('\n');
        for (int i = 0; i < lines.size(); ++i) {
            QStringDecoder lineDecoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
            const QString decoded = lineDecoder(lines[i]);
            if (lineDecoder.hasError())
                throw Error(templateErrorText(info.fileName(), i + 1,
                                              QStringLiteral("текст не в кодировке UTF-8")));
        }
    }
    return parse(text, info.fileName(), info.absolutePath());
}

const QString &ReportTemplate::name() const { return d->name; }
const QString &ReportTemplate::baseDir() const { return d->baseDir; }
const PageSetup &ReportTemplate::page() const { return d->page; }
const std::vector<TemplateNode> &ReportTemplate::body() const { return d->body; }
const std::vector<TemplateNode> &ReportTemplate::pageHeader() const { return d->header; }
const std::vector<TemplateNode> &ReportTemplate::pageFooter() const { return d->footer; }
const QString &ReportTemplate::styleSheet() const { return d->css; }
const QStringList &ReportTemplate::pictureObjects() const { return d->pictures; }

} // namespace kv
