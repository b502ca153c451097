#include "Filter.h"

#include "core/TableData.h"
#include "tools/Errors.h"
#include "tools/Win1251.h"

#include <QLocale>

namespace kv {

QString escapeFilterString(const QString &value)
{
    QString out = value;
    out.replace(QLatin1Char('\''), QLatin1String("''"));
    return out;
}

QString filterNumber(double value, int decimals)
{
    return QString::number(value, 'f', decimals);
}

namespace {

struct Token
{
    enum Kind { End, Ident, Number, String, LParen, RParen, Op, And, Or } kind = End;
    QString text;
    double number = 0;
    CompiledFilter::Op op = CompiledFilter::Op::Eq;
    int pos = 0; // 1-based character position
};

class FilterError
{
public:
    QString detail;
};

} // namespace

class FilterParser
{
public:
    FilterParser(const QString &text, const CompiledFilter::Resolver &resolve, CompiledFilter &out)
        : m_text(text), m_resolve(resolve), m_out(out)
    {
    }

    void parse()
    {
        advance();
        if (m_tok.kind == Token::End)
            return; // an empty filter admits every row
        m_out.m_root = parseOr();
        if (m_tok.kind != Token::End)
            syntaxError();
        collectEqTerms();
    }

private:
    using Op = CompiledFilter::Op;
    using Node = CompiledFilter::Node;
    using Operand = CompiledFilter::Operand;

    [[noreturn]] void fail(const QString &detail) { throw FilterError{detail}; }
    [[noreturn]] void syntaxError()
    {
        if (m_tok.kind == Token::End)
            fail(QStringLiteral("неожиданный конец выражения"));
        fail(QStringLiteral("синтаксическая ошибка в позиции %1").arg(m_tok.pos));
    }

    void advance()
    {
        const QString &s = m_text;
        while (m_i < s.size() && s.at(m_i).isSpace())
            ++m_i;
        m_tok = Token();
        m_tok.pos = int(m_i) + 1;
        if (m_i >= s.size())
            return;
        const QChar c = s.at(m_i);
        if (c == QLatin1Char('(') || c == QLatin1Char(')')) {
            m_tok.kind = c == QLatin1Char('(') ? Token::LParen : Token::RParen;
            ++m_i;
            return;
        }
        if (c == QLatin1Char('\'')) {
            QString value;
            ++m_i;
            for (;;) {
                if (m_i >= s.size())
                    fail(QStringLiteral("не закрыта строка, начатая в позиции %1").arg(m_tok.pos));
                const QChar d = s.at(m_i++);
                if (d == QLatin1Char('\'')) {
                    if (m_i < s.size() && s.at(m_i) == QLatin1Char('\'')) {
                        value += d;
                        ++m_i;
                        continue;
                    }
                    break;
                }
                value += d;
            }
            m_tok.kind = Token::String;
            m_tok.text = value;
            return;
        }
        if (c == QLatin1Char('"')) { // a quoted field name
            const qsizetype end = s.indexOf(QLatin1Char('"'), m_i + 1);
            if (end < 0)
                fail(QStringLiteral("не закрыто имя поля, начатое в позиции %1").arg(m_tok.pos));
            m_tok.kind = Token::Ident;
            m_tok.text = s.mid(m_i + 1, end - m_i - 1);
            m_i = end + 1;
            return;
        }
        const bool sign = (c == QLatin1Char('-') || c == QLatin1Char('+')) && m_i + 1 < s.size()
                          && isDigit(s.at(m_i + 1));
        if (isDigit(c) || sign) {
            const qsizetype start = m_i;
            if (sign)
                ++m_i;
            while (m_i < s.size() && isDigit(s.at(m_i)))
                ++m_i;
            if (m_i + 1 < s.size() && s.at(m_i) == QLatin1Char('.') && isDigit(s.at(m_i + 1))) {
                ++m_i;
                while (m_i < s.size() && isDigit(s.at(m_i)))
                    ++m_i;
            }
            if (m_i < s.size() && (s.at(m_i).isLetter() || s.at(m_i) == QLatin1Char('_')
                                   || s.at(m_i) == QLatin1Char('.')))
                syntaxErrorAt(int(m_i) + 1);
            m_tok.kind = Token::Number;
            m_tok.text = s.mid(start, m_i - start);
            bool ok = false;
            m_tok.number = QLocale::c().toDouble(m_tok.text, &ok);
            if (!ok)
                syntaxErrorAt(int(start) + 1);
            return;
        }
        if (c.isLetter() || c == QLatin1Char('_')) {
            const qsizetype start = m_i;
            while (m_i < s.size() && (s.at(m_i).isLetterOrNumber() || s.at(m_i) == QLatin1Char('_')))
                ++m_i;
            m_tok.text = s.mid(start, m_i - start);
            if (m_tok.text.compare(QLatin1String("and"), Qt::CaseInsensitive) == 0)
                m_tok.kind = Token::And;
            else if (m_tok.text.compare(QLatin1String("or"), Qt::CaseInsensitive) == 0)
                m_tok.kind = Token::Or;
            else
                m_tok.kind = Token::Ident;
            return;
        }
        auto next = [&](qsizetype k) { return k < s.size() ? s.at(k) : QChar(); };
        m_tok.kind = Token::Op;
        if (c == QLatin1Char('=')) {
            m_tok.op = Op::Eq;
            ++m_i;
        } else if (c == QLatin1Char('<')) {
            if (next(m_i + 1) == QLatin1Char('>')) {
                m_tok.op = Op::Ne;
                m_i += 2;
            } else if (next(m_i + 1) == QLatin1Char('=')) {
                m_tok.op = Op::Le;
                m_i += 2;
            } else {
                m_tok.op = Op::Lt;
                ++m_i;
            }
        } else if (c == QLatin1Char('>')) {
            if (next(m_i + 1) == QLatin1Char('=')) {
                m_tok.op = Op::Ge;
                m_i += 2;
            } else {
                m_tok.op = Op::Gt;
                ++m_i;
            }
        } else {
            syntaxErrorAt(int(m_i) + 1);
        }
    }

    [[noreturn]] void syntaxErrorAt(int pos)
    {
        fail(QStringLiteral("синтаксическая ошибка в позиции %1").arg(pos));
    }

    static bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

    int addNode(Node n)
    {
        m_out.m_nodes.push_back(std::move(n));
        return int(m_out.m_nodes.size()) - 1;
    }

    int parseOr()
    {
        int first = parseAnd();
        if (m_tok.kind != Token::Or)
            return first;
        Node n;
        n.kind = Node::Or;
        n.children.push_back(first);
        while (m_tok.kind == Token::Or) {
            advance();
            n.children.push_back(parseAnd());
        }
        return addNode(std::move(n));
    }

    int parseAnd()
    {
        int first = parsePrimary();
        if (m_tok.kind != Token::And)
            return first;
        Node n;
        n.kind = Node::And;
        n.children.push_back(first);
        while (m_tok.kind == Token::And) {
            advance();
            n.children.push_back(parsePrimary());
        }
        return addNode(std::move(n));
    }

    int parsePrimary()
    {
        if (m_tok.kind == Token::LParen) {
            advance();
            const int inner = parseOr();
            if (m_tok.kind != Token::RParen)
                syntaxError();
            advance();
            return inner;
        }
        Token left = m_tok;
        Operand a = parseOperand();
        if (m_tok.kind != Token::Op)
            syntaxError();
        Op op = m_tok.op;
        advance();
        Token right = m_tok;
        Operand b = parseOperand();
        unify(a, left, b, right);
        // Keep the column on the left, so evaluation and index use see one shape.
        if (isColumn(b) && !isColumn(a)) {
            std::swap(a, b);
            op = mirrored(op);
        }
        Node n;
        n.kind = Node::Compare;
        n.op = op;
        n.a = std::move(a);
        n.b = std::move(b);
        return addNode(std::move(n));
    }

    Operand parseOperand()
    {
        Operand o;
        switch (m_tok.kind) {
        case Token::Ident: {
            const auto ref = m_resolve(m_tok.text);
            if (!ref)
                fail(QStringLiteral("неизвестное поле [%1]").arg(m_tok.text));
            o.kind = ref->text ? Operand::TextColumn : Operand::NumberColumn;
            o.column = ref->column;
            break;
        }
        case Token::Number:
            o.kind = Operand::Number;
            o.number = m_tok.number;
            o.text = m_tok.text;
            break;
        case Token::String:
            o.kind = Operand::Text;
            o.text = m_tok.text;
            break;
        default:
            syntaxError();
        }
        advance();
        return o;
    }

    static bool isColumn(const Operand &o)
    {
        return o.kind == Operand::TextColumn || o.kind == Operand::NumberColumn;
    }
    static bool isTextish(const Operand &o) { return o.kind == Operand::TextColumn || o.kind == Operand::Text; }

    // Brings both sides to one kind: a number literal against a text column is
    // compared as its text; a string literal against a number column must
    // hold a number.
    void unify(Operand &a, const Token &ta, Operand &b, const Token &tb)
    {
        if (isTextish(a) == isTextish(b))
            return;
        auto fix = [&](Operand &lit, const Token &tok, const Token &colTok) {
            if (lit.kind == Operand::Number) {
                lit.kind = Operand::Text; // text stays the literal as written
                return;
            }
            if (lit.kind == Operand::Text) {
                bool ok = false;
                const double v = QLocale::c().toDouble(lit.text.trimmed(), &ok);
                if (!ok)
                    fail(QStringLiteral("значение '%1' в позиции %2 не является числом для поля [%3]")
                             .arg(lit.text)
                             .arg(tok.pos)
                             .arg(colTok.text));
                lit.kind = Operand::Number;
                lit.number = v;
                return;
            }
            fail(QStringLiteral("несовместимые типы полей [%1] и [%2]").arg(ta.text, tb.text));
        };
        if (!isColumn(b))
            fix(b, tb, ta);
        else if (!isColumn(a))
            fix(a, ta, tb);
        else
            fail(QStringLiteral("несовместимые типы полей [%1] и [%2]").arg(ta.text, tb.text));
    }

    static Op mirrored(Op op)
    {
        switch (op) {
        case Op::Lt: return Op::Gt;
        case Op::Le: return Op::Ge;
        case Op::Gt: return Op::Lt;
        case Op::Ge: return Op::Le;
        default: return op;
        }
    }

    void collectEqTerms()
    {
        const std::vector<Node> &nodes = m_out.m_nodes;
        std::vector<int> terms;
        const Node &root = nodes[m_out.m_root];
        if (root.kind == Node::And)
            terms = root.children;
        else
            terms.push_back(m_out.m_root);
        // Parenthesised "and" groups inside the top "and" are top-level terms too.
        for (size_t k = 0; k < terms.size(); ++k) {
            const Node &n = nodes[terms[k]];
            if (n.kind == Node::And) {
                terms.insert(terms.end(), n.children.begin(), n.children.end());
            }
        }
        bool onlyEq = true;
        for (int t : terms) {
            const Node &n = nodes[t];
            if (n.kind == Node::And)
                continue;
            if (n.kind == Node::Compare && n.op == Op::Eq && isColumn(n.a) && !isColumn(n.b)) {
                CompiledFilter::EqTerm e;
                e.column = n.a.column;
                e.text = n.a.kind == Operand::TextColumn;
                e.textValue = n.b.text;
                e.numberValue = TTableData::numberKey(n.b.number);
                m_out.m_eqTerms.push_back(std::move(e));
            } else {
                onlyEq = false;
            }
        }
        m_out.m_onlyEqTerms = onlyEq;
    }

    const QString &m_text;
    const CompiledFilter::Resolver &m_resolve;
    CompiledFilter &m_out;
    qsizetype m_i = 0;
    Token m_tok;
};

std::shared_ptr<const CompiledFilter> CompiledFilter::compile(const QString &text, const Resolver &resolve,
                                                              const QString &tableName)
{
    auto f = std::make_shared<CompiledFilter>();
    f->m_text = text;
    try {
        FilterParser(text, resolve, *f).parse();
    } catch (const FilterError &e) {
        throw Error(QStringLiteral("Ошибка в фильтре таблицы [%1]:\r\n%2\r\n(%3)").arg(tableName, text, e.detail));
    }
    return f;
}

namespace {

inline bool compareNumbers(CompiledFilter::Op op, double x, double y)
{
    using Op = CompiledFilter::Op;
    switch (op) {
    case Op::Eq: return x == y;
    case Op::Ne: return x != y;
    case Op::Lt: return x < y;
    case Op::Le: return x <= y;
    case Op::Gt: return x > y;
    case Op::Ge: return x >= y;
    }
    return false;
}

inline bool compareTexts(CompiledFilter::Op op, const QString &x, const QString &y)
{
    using Op = CompiledFilter::Op;
    switch (op) {
    case Op::Eq: return x == y;
    case Op::Ne: return x != y;
    default: break;
    }
    const int c = cp1251::compare(x, y);
    switch (op) {
    case Op::Lt: return c < 0;
    case Op::Le: return c <= 0;
    case Op::Gt: return c > 0;
    case Op::Ge: return c >= 0;
    default: return false;
    }
}

} // namespace

bool CompiledFilter::eval(int index, const TTableData &d, int row) const
{
    const Node &n = m_nodes[index];
    switch (n.kind) {
    case Node::And:
        for (int c : n.children)
            if (!eval(c, d, row))
                return false;
        return true;
    case Node::Or:
        for (int c : n.children)
            if (eval(c, d, row))
                return true;
        return false;
    case Node::Compare:
        break;
    }
    if (n.a.kind == Operand::NumberColumn || n.a.kind == Operand::Number) {
        const double x = n.a.kind == Operand::NumberColumn ? d.number(n.a.column, row) : n.a.number;
        const double y = n.b.kind == Operand::NumberColumn ? d.number(n.b.column, row) : n.b.number;
        return compareNumbers(n.op, x, y);
    }
    const QString &x = n.a.kind == Operand::TextColumn ? d.text(n.a.column, row) : n.a.text;
    const QString &y = n.b.kind == Operand::TextColumn ? d.text(n.b.column, row) : n.b.text;
    return compareTexts(n.op, x, y);
}

bool CompiledFilter::matches(const TTableData &data, int row) const
{
    return m_root < 0 || eval(m_root, data, row);
}

} // namespace kv
