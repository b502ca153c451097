#include "tools/Expression.h"

#include "tools/Errors.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

#include <QLocale>

namespace kv {

namespace {

// Deeper nesting than this is no formula anyone writes; refusing it keeps a
// hostile template from exhausting the stack while parsing, evaluating or
// freeing the tree.
constexpr int kMaxDepth = 200;
constexpr int kMaxHeight = 1000;

bool isAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }
bool isNameStart(QChar c) { return c.isLetter() || c == u'_'; }
bool isNamePart(QChar c) { return c.isLetter() || c.isDigit() || c == u'_'; }

// Length of the number literal at the start of s (digits, optional point and
// fraction, optional exponent), or 0 when s does not start with one. A point
// with no digit on either side is not a number.
qsizetype numberLength(QStringView s)
{
    qsizetype i = 0;
    qsizetype digits = 0;
    while (i < s.size() && isAsciiDigit(s[i])) { ++i; ++digits; }
    if (i < s.size() && s[i] == u'.') {
        ++i;
        while (i < s.size() && isAsciiDigit(s[i])) { ++i; ++digits; }
    }
    if (digits == 0)
        return 0;
    if (i < s.size() && (s[i] == u'e' || s[i] == u'E')) {
        qsizetype j = i + 1;
        if (j < s.size() && (s[j] == u'+' || s[j] == u'-'))
            ++j;
        qsizetype expDigits = 0;
        while (j < s.size() && isAsciiDigit(s[j])) { ++j; ++expDigits; }
        if (expDigits > 0)
            i = j;
    }
    return i;
}

// The value of a literal accepted by numberLength; nullopt when out of range.
std::optional<double> literalValue(QStringView s)
{
    const QByteArray latin = s.toLatin1();
    double v = 0;
    const char *begin = latin.constData();
    const char *end = begin + latin.size();
    // from_chars wants a digit before the point.
    QByteArray padded;
    if (!latin.isEmpty() && latin[0] == '.') {
        padded = "0" + latin;
        begin = padded.constData();
        end = begin + padded.size();
    }
    const auto r = std::from_chars(begin, end, v, std::chars_format::general);
    if (r.ec != std::errc() || r.ptr != end || !std::isfinite(v))
        return std::nullopt;
    return v;
}

// A whole text as a number: optional sign, then a literal; blank is 0.
std::optional<double> textToNumber(const QString &text)
{
    QStringView s = QStringView(text).trimmed();
    if (s.isEmpty())
        return 0.0;
    bool negative = false;
    if (s[0] == u'+' || s[0] == u'-') {
        negative = s[0] == u'-';
        s = s.mid(1);
    }
    const qsizetype n = numberLength(s);
    if (n == 0 || n != s.size())
        return std::nullopt;
    auto v = literalValue(s);
    if (v && negative)
        *v = -*v;
    return v;
}

// For mixing a string with a number: blank text is no number here, so
// 3 + ' ' stays text and '' = 0 is false.
std::optional<double> strictNumber(const ExprValue &v)
{
    if (!v.isString())
        return v.toNumber();
    if (v.toString().trimmed().isEmpty())
        return std::nullopt;
    return textToNumber(v.toString());
}

QString quoted(const QString &s) { return QStringLiteral("'") + s + QStringLiteral("'"); }

} // namespace

// ---------------------------------------------------------------- ExprValue

double ExprValue::toNumber() const
{
    switch (m_type) {
    case Type::Number: return m_number;
    case Type::Bool: return m_bool ? 1.0 : 0.0;
    case Type::String:
        if (auto v = textToNumber(m_string))
            return *v;
        throw Error(QStringLiteral("Значение %1 не является числом").arg(quoted(m_string)));
    }
    return 0;
}

QString ExprValue::toString() const
{
    switch (m_type) {
    case Type::Number:
        // Avoid "-0" for a negated zero.
        return QString::number(m_number == 0 ? 0.0 : m_number, 'g', QLocale::FloatingPointShortest);
    case Type::Bool: return m_bool ? QStringLiteral("true") : QStringLiteral("false");
    case Type::String: return m_string;
    }
    return QString();
}

bool ExprValue::toBool() const
{
    switch (m_type) {
    case Type::Number: return m_number != 0;
    case Type::Bool: return m_bool;
    case Type::String: {
        const QString t = m_string.trimmed();
        if (t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
            return true;
        if (t.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
            return false;
        if (auto v = textToNumber(t))
            return *v != 0;
        throw Error(QStringLiteral("Значение %1 не является логическим").arg(quoted(m_string)));
    }
    }
    return false;
}

bool ExprValue::operator==(const ExprValue &o) const
{
    if (m_type != o.m_type)
        return false;
    switch (m_type) {
    case Type::Number: return m_number == o.m_number;
    case Type::Bool: return m_bool == o.m_bool;
    case Type::String: return m_string == o.m_string;
    }
    return false;
}

// ---------------------------------------------------------------- contexts

ExprValue ExprContext::variable(const QString &) const { return ExprValue(0.0); }

ExprValue ExprContext::function(const QString &, const ExprArguments &) const { return ExprValue(0.0); }

ExprValue ExprCallbacks::variable(const QString &name) const
{
    return m_variables ? m_variables(name) : ExprValue(0.0);
}

ExprValue ExprCallbacks::function(const QString &name, const ExprArguments &args) const
{
    return m_functions ? m_functions(name, args) : ExprValue(0.0);
}

// ---------------------------------------------------------------- tree

enum class Op {
    Literal, Variable, Call,
    Neg, Plus, Not,
    Add, Sub, Mul, Div, IntDiv, Mod,
    Eq, Ne, Lt, Le, Gt, Ge,
    And, Or,
};

struct Expression::Node
{
    Op op = Op::Literal;
    qsizetype pos = 0; // 0-based position of the operator or operand
    int height = 1;
    ExprValue value;   // Literal
    QString name;      // Variable, Call
    std::vector<std::unique_ptr<Node>> kids;
    std::vector<std::pair<qsizetype, qsizetype>> argSpans; // Call: [begin, end)
};

namespace {

using Node = Expression::Node;

// ---------------------------------------------------------------- lexer

enum class Tok { End, Number, String, Name, Keyword, LParen, RParen, Comma, Op };

struct Token
{
    Tok kind = Tok::End;
    qsizetype pos = 0;
    qsizetype end = 0;
    QString text;   // name, string contents, operator or lower-case keyword
    double number = 0;
};

class Parser
{
public:
    explicit Parser(const QString &text) : m_text(text) {}

    std::unique_ptr<Node> parseAll()
    {
        advance();
        if (m_tok.kind == Tok::End)
            fail(QStringLiteral("пустое выражение"), m_tok.pos);
        auto root = parseOr();
        if (m_tok.kind != Tok::End)
            fail(QStringLiteral("лишний текст %1").arg(describe(m_tok)), m_tok.pos);
        return root;
    }

private:
    [[noreturn]] void fail(const QString &what, qsizetype pos) const
    {
        throw Error(QStringLiteral("Ошибка в выражении \"%1\": %2 (позиция %3)")
                        .arg(m_text, what).arg(pos + 1));
    }

    QString describe(const Token &t) const
    {
        if (t.kind == Tok::End)
            return QStringLiteral("конец выражения");
        return QStringLiteral("\"%1\"").arg(m_text.mid(t.pos, t.end - t.pos));
    }

    void skipSpace()
    {
        while (m_pos < m_text.size() && m_text[m_pos].isSpace())
            ++m_pos;
    }

    // Text up to the closing delimiter, a doubled delimiter standing for itself.
    QString readDelimited(QChar close, const QString &unclosed)
    {
        const qsizetype start = m_pos;
        ++m_pos;
        QString out;
        for (;;) {
            if (m_pos >= m_text.size())
                fail(unclosed, start);
            const QChar c = m_text[m_pos++];
            if (c == close) {
                if (m_pos < m_text.size() && m_text[m_pos] == close && close != u']') {
                    out += c;
                    ++m_pos;
                    continue;
                }
                return out;
            }
            out += c;
        }
    }

    // A name: identifiers and "quoted" parts joined by '.'.
    QString readName(bool *single)
    {
        QString name;
        int parts = 0;
        for (;;) {
            if (m_pos < m_text.size() && m_text[m_pos] == u'"') {
                name += readDelimited(u'"', QStringLiteral("не закрыта кавычка \""));
            } else {
                const qsizetype start = m_pos;
                while (m_pos < m_text.size() && isNamePart(m_text[m_pos]))
                    ++m_pos;
                name += m_text.mid(start, m_pos - start);
            }
            ++parts;
            if (m_pos + 1 < m_text.size() && m_text[m_pos] == u'.'
                && (isNameStart(m_text[m_pos + 1]) || m_text[m_pos + 1] == u'"')) {
                name += u'.';
                ++m_pos;
                continue;
            }
            break;
        }
        *single = parts == 1;
        return name;
    }

    void advance()
    {
        skipSpace();
        Token t;
        t.pos = m_pos;
        if (m_pos >= m_text.size()) {
            t.kind = Tok::End;
            t.end = m_pos;
            m_tok = t;
            return;
        }
        const QChar c = m_text[m_pos];
        const QChar next = m_pos + 1 < m_text.size() ? m_text[m_pos + 1] : QChar();
        if (isAsciiDigit(c) || (c == u'.' && isAsciiDigit(next))) {
            const qsizetype n = numberLength(QStringView(m_text).mid(m_pos));
            const qsizetype end = m_pos + n;
            if (end < m_text.size() && (isNamePart(m_text[end]) || m_text[end] == u'.'))
                fail(QStringLiteral("неверное число"), m_pos);
            const auto v = literalValue(QStringView(m_text).mid(m_pos, n));
            if (!v)
                fail(QStringLiteral("число вне допустимого диапазона"), m_pos);
            t.kind = Tok::Number;
            t.number = *v;
            m_pos = end;
        } else if (c == u'\'') {
            t.kind = Tok::String;
            t.text = readDelimited(u'\'', QStringLiteral("не закрыта строка"));
        } else if (c == u'[') {
            t.kind = Tok::Name;
            t.text = readDelimited(u']', QStringLiteral("не закрыта скобка ["));
            t.text = t.text.trimmed();
            if (t.text.isEmpty())
                fail(QStringLiteral("пустое имя в скобках []"), t.pos);
        } else if (isNameStart(c) || c == u'"') {
            bool single = false;
            t.text = readName(&single);
            t.kind = Tok::Name;
            if (c == u'"' && t.text.isEmpty())
                fail(QStringLiteral("пустое имя в кавычках"), t.pos);
            if (single && c != u'"') {
                static const char *const keywords[] = {"and", "or", "not", "div", "mod", "true", "false"};
                for (const char *k : keywords) {
                    if (t.text.compare(QLatin1String(k), Qt::CaseInsensitive) == 0) {
                        t.kind = Tok::Keyword;
                        t.text = QLatin1String(k);
                        break;
                    }
                }
            }
        } else if (c == u'(') {
            t.kind = Tok::LParen;
            ++m_pos;
        } else if (c == u')') {
            t.kind = Tok::RParen;
            ++m_pos;
        } else if (c == u',') {
            t.kind = Tok::Comma;
            ++m_pos;
        } else if ((c == u'<' && (next == u'=' || next == u'>')) || (c == u'>' && next == u'=')) {
            t.kind = Tok::Op;
            t.text = m_text.mid(m_pos, 2);
            m_pos += 2;
        } else if (QStringView(u"+-*/=<>").contains(c)) {
            t.kind = Tok::Op;
            t.text = c;
            ++m_pos;
        } else if (c == QChar(0x2212) || c == QChar(0x00D7) || c == QChar(0x00F7)) {
            // Typographic minus, times and division signs pasted from documents.
            t.kind = Tok::Op;
            t.text = c == QChar(0x2212) ? QStringLiteral("-")
                   : c == QChar(0x00D7) ? QStringLiteral("*") : QStringLiteral("/");
            ++m_pos;
        } else {
            fail(QStringLiteral("недопустимый символ \"%1\"").arg(c), m_pos);
        }
        t.end = m_pos;
        m_tok = t;
    }

    bool isOp(const char *op) const { return m_tok.kind == Tok::Op && m_tok.text == QLatin1String(op); }
    bool isKeyword(const char *k) const { return m_tok.kind == Tok::Keyword && m_tok.text == QLatin1String(k); }

    void adopt(Node &n, std::unique_ptr<Node> kid) const
    {
        n.height = std::max(n.height, kid->height + 1);
        if (n.height > kMaxHeight)
            fail(QStringLiteral("слишком длинное выражение"), n.pos);
        n.kids.push_back(std::move(kid));
    }

    std::unique_ptr<Node> binary(Op op, qsizetype pos, std::unique_ptr<Node> l, std::unique_ptr<Node> r) const
    {
        auto n = std::make_unique<Node>();
        n->op = op;
        n->pos = pos;
        adopt(*n, std::move(l));
        adopt(*n, std::move(r));
        return n;
    }

    std::unique_ptr<Node> unary(Op op, qsizetype pos, std::unique_ptr<Node> operand) const
    {
        auto n = std::make_unique<Node>();
        n->op = op;
        n->pos = pos;
        adopt(*n, std::move(operand));
        return n;
    }

    struct DepthGuard
    {
        DepthGuard(Parser &p, qsizetype pos) : p(p)
        {
            if (++p.m_depth > kMaxDepth)
                p.fail(QStringLiteral("слишком глубокая вложенность"), pos);
        }
        ~DepthGuard() { --p.m_depth; }
        Parser &p;
    };

    std::unique_ptr<Node> parseOr()
    {
        DepthGuard guard(*this, m_tok.pos);
        auto left = parseAnd();
        while (isKeyword("or")) {
            const qsizetype pos = m_tok.pos;
            advance();
            left = binary(Op::Or, pos, std::move(left), parseAnd());
        }
        return left;
    }

    std::unique_ptr<Node> parseAnd()
    {
        auto left = parseNot();
        while (isKeyword("and")) {
            const qsizetype pos = m_tok.pos;
            advance();
            left = binary(Op::And, pos, std::move(left), parseNot());
        }
        return left;
    }

    std::unique_ptr<Node> parseNot()
    {
        if (isKeyword("not")) {
            const qsizetype pos = m_tok.pos;
            DepthGuard guard(*this, pos);
            advance();
            return unary(Op::Not, pos, parseNot());
        }
        return parseComparison();
    }

    std::unique_ptr<Node> parseComparison()
    {
        auto left = parseAdditive();
        for (;;) {
            Op op;
            if (isOp("=")) op = Op::Eq;
            else if (isOp("<>")) op = Op::Ne;
            else if (isOp("<")) op = Op::Lt;
            else if (isOp("<=")) op = Op::Le;
            else if (isOp(">")) op = Op::Gt;
            else if (isOp(">=")) op = Op::Ge;
            else return left;
            const qsizetype pos = m_tok.pos;
            advance();
            left = binary(op, pos, std::move(left), parseAdditive());
        }
    }

    std::unique_ptr<Node> parseAdditive()
    {
        auto left = parseMultiplicative();
        for (;;) {
            Op op;
            if (isOp("+")) op = Op::Add;
            else if (isOp("-")) op = Op::Sub;
            else return left;
            const qsizetype pos = m_tok.pos;
            advance();
            left = binary(op, pos, std::move(left), parseMultiplicative());
        }
    }

    std::unique_ptr<Node> parseMultiplicative()
    {
        auto left = parseUnary();
        for (;;) {
            Op op;
            if (isOp("*")) op = Op::Mul;
            else if (isOp("/")) op = Op::Div;
            else if (isKeyword("div")) op = Op::IntDiv;
            else if (isKeyword("mod")) op = Op::Mod;
            else return left;
            const qsizetype pos = m_tok.pos;
            advance();
            left = binary(op, pos, std::move(left), parseUnary());
        }
    }

    std::unique_ptr<Node> parseUnary()
    {
        if (isOp("-") || isOp("+")) {
            const Op op = isOp("-") ? Op::Neg : Op::Plus;
            const qsizetype pos = m_tok.pos;
            DepthGuard guard(*this, pos);
            advance();
            return unary(op, pos, parseUnary());
        }
        return parsePrimary();
    }

    std::unique_ptr<Node> parsePrimary()
    {
        auto n = std::make_unique<Node>();
        n->pos = m_tok.pos;
        switch (m_tok.kind) {
        case Tok::Number:
            n->value = ExprValue(m_tok.number);
            advance();
            return n;
        case Tok::String:
            n->value = ExprValue(m_tok.text);
            advance();
            return n;
        case Tok::Keyword:
            if (m_tok.text == QLatin1String("true") || m_tok.text == QLatin1String("false")) {
                n->value = ExprValue(m_tok.text == QLatin1String("true"));
                advance();
                return n;
            }
            break;
        case Tok::LParen: {
            const qsizetype open = m_tok.pos;
            advance();
            auto inner = parseOr();
            if (m_tok.kind != Tok::RParen)
                fail(QStringLiteral("ожидается \")\" к скобке в позиции %1, а найдено %2")
                         .arg(open + 1).arg(describe(m_tok)), m_tok.pos);
            advance();
            return inner;
        }
        case Tok::Name: {
            n->name = m_tok.text;
            advance();
            if (m_tok.kind != Tok::LParen) {
                n->op = Op::Variable;
                return n;
            }
            n->op = Op::Call;
            const qsizetype open = m_tok.pos;
            DepthGuard guard(*this, open);
            advance();
            if (m_tok.kind == Tok::RParen) {
                advance();
                return n;
            }
            for (;;) {
                const qsizetype begin = m_tok.pos;
                adopt(*n, parseOr());
                n->argSpans.emplace_back(begin, m_tok.pos);
                if (m_tok.kind == Tok::Comma) {
                    advance();
                    continue;
                }
                if (m_tok.kind == Tok::RParen) {
                    advance();
                    return n;
                }
                fail(QStringLiteral("ожидается \",\" или \")\" в вызове %1, а найдено %2")
                         .arg(n->name, describe(m_tok)), m_tok.pos);
            }
        }
        default:
            break;
        }
        fail(QStringLiteral("ожидается значение, а найдено %1").arg(describe(m_tok)), m_tok.pos);
    }

    const QString &m_text;
    qsizetype m_pos = 0;
    Token m_tok;
    int m_depth = 0;
};

// ---------------------------------------------------------------- evaluation

struct Eval
{
    const ExprContext &context;
    const QString &text;

    [[noreturn]] void fail(const QString &what, qsizetype pos) const
    {
        throw Error(QStringLiteral("Ошибка вычисления выражения \"%1\": %2 (позиция %3)")
                        .arg(text, what).arg(pos + 1));
    }

    double number(const ExprValue &v, qsizetype pos) const
    {
        if (v.isString()) {
            if (auto n = textToNumber(v.toString()))
                return *n;
            fail(QStringLiteral("значение %1 не является числом").arg(quoted(v.toString())), pos);
        }
        return v.toNumber();
    }

    bool boolean(const ExprValue &v, qsizetype pos) const
    {
        try {
            return v.toBool();
        } catch (const Error &) {
            fail(QStringLiteral("значение %1 не является логическим").arg(quoted(v.toString())), pos);
        }
    }

    // <0, 0, >0. Numbers (and Booleans as 1/0) compare by value, strings by
    // text; a string against a number compares by value when it holds a number.
    static int compare(const ExprValue &a, const ExprValue &b)
    {
        if (a.isString() && b.isString())
            return a.toString().compare(b.toString());
        const auto x = strictNumber(a);
        const auto y = strictNumber(b);
        if (x && y)
            return *x < *y ? -1 : (*x > *y ? 1 : 0);
        return a.toString().compare(b.toString());
    }

    ExprValue add(const ExprValue &a, const ExprValue &b) const
    {
        if (a.isString() && b.isString())
            return a.toString() + b.toString();
        if (a.isString() || b.isString()) {
            const auto x = strictNumber(a);
            const auto y = strictNumber(b);
            if (x && y)
                return *x + *y;
            return a.toString() + b.toString();
        }
        return a.toNumber() + b.toNumber();
    }

    ExprValue run(const Node &n) const;
};

class CallArguments : public ExprArguments
{
public:
    CallArguments(const Eval &eval, const Node &call) : m_eval(eval), m_call(call) {}
    int count() const override { return int(m_call.kids.size()); }
    ExprValue value(int i) const override
    {
        if (i < 0 || i >= count())
            return ExprValue(0.0);
        return m_eval.run(*m_call.kids[size_t(i)]);
    }
    QString text(int i) const override
    {
        if (i < 0 || i >= count())
            return QString();
        const auto &span = m_call.argSpans[size_t(i)];
        return m_eval.text.mid(span.first, span.second - span.first).trimmed();
    }

private:
    const Eval &m_eval;
    const Node &m_call;
};

ExprValue Eval::run(const Node &n) const
{
    switch (n.op) {
    case Op::Literal:
        return n.value;
    case Op::Variable:
        return context.variable(n.name);
    case Op::Call:
        return context.function(n.name, CallArguments(*this, n));
    case Op::Neg:
        return -number(run(*n.kids[0]), n.pos);
    case Op::Plus:
        return number(run(*n.kids[0]), n.pos);
    case Op::Not:
        return !boolean(run(*n.kids[0]), n.pos);
    case Op::And:
        return boolean(run(*n.kids[0]), n.pos) && boolean(run(*n.kids[1]), n.pos);
    case Op::Or:
        return boolean(run(*n.kids[0]), n.pos) || boolean(run(*n.kids[1]), n.pos);
    default:
        break;
    }

    const ExprValue a = run(*n.kids[0]);
    const ExprValue b = run(*n.kids[1]);
    switch (n.op) {
    case Op::Add:
        return add(a, b);
    case Op::Sub:
        return number(a, n.pos) - number(b, n.pos);
    case Op::Mul:
        return number(a, n.pos) * number(b, n.pos);
    case Op::Div: {
        const double x = number(a, n.pos), y = number(b, n.pos);
        if (y == 0)
            fail(QStringLiteral("деление на ноль"), n.pos);
        return x / y;
    }
    case Op::IntDiv:
    case Op::Mod: {
        const double x = std::trunc(number(a, n.pos)), y = std::trunc(number(b, n.pos));
        if (y == 0)
            fail(QStringLiteral("деление на ноль"), n.pos);
        return n.op == Op::IntDiv ? std::trunc(x / y) : std::fmod(x, y);
    }
    case Op::Eq: return compare(a, b) == 0;
    case Op::Ne: return compare(a, b) != 0;
    case Op::Lt: return compare(a, b) < 0;
    case Op::Le: return compare(a, b) <= 0;
    case Op::Gt: return compare(a, b) > 0;
    case Op::Ge: return compare(a, b) >= 0;
    default:
        break;
    }
    return ExprValue(0.0);
}

} // namespace

// ---------------------------------------------------------------- Expression

Expression::Expression() = default;

Expression Expression::parse(const QString &text)
{
    Expression e;
    e.m_text = text;
    Parser parser(e.m_text);
    e.m_root = parser.parseAll();
    return e;
}

ExprValue Expression::evaluate(const QString &text, const ExprContext &context)
{
    return parse(text).evaluate(context);
}

ExprValue Expression::evaluate(const ExprContext &context) const
{
    if (!m_root)
        return ExprValue(0.0);
    const Eval eval{context, m_text};
    return eval.run(*m_root);
}

ExprValue Expression::evaluate() const
{
    return evaluate(ExprContext());
}

} // namespace kv
