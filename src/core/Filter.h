#pragma once
// Record filters of the table objects: field names, = <> < <= >= >, and, or,
// parentheses, integer and decimal literals (point as separator) and string
// literals in single quotes ('' inside a literal is one apostrophe). String
// comparison is exact and case-sensitive. A filter text is parsed once per
// table and kept compiled.
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace kv {

class TTableData;

// A value written into a string literal of a filter text: apostrophes doubled,
// so a catalogue value can neither end the literal nor add a condition.
// "ID = '" + escapeFilterString(id) + "'"
QString escapeFilterString(const QString &value);

// A real written into a filter text with `decimals` digits and a point,
// whatever the user's locale.
QString filterNumber(double value, int decimals);

class CompiledFilter
{
public:
    struct ColumnRef
    {
        int column = -1;
        bool text = false;
    };
    using Resolver = std::function<std::optional<ColumnRef>(const QString &name)>;

    // An equality of a column with a constant that every matching row
    // satisfies (a top-level "and" term): served from an index.
    struct EqTerm
    {
        int column = -1;
        bool text = false;
        QString textValue;
        double numberValue = 0;
    };

    // Throws kv::Error naming the table and the filter on an unknown field or
    // a syntax error.
    static std::shared_ptr<const CompiledFilter> compile(const QString &text, const Resolver &resolve,
                                                         const QString &tableName);

    bool matches(const TTableData &data, int row) const;
    const std::vector<EqTerm> &eqTerms() const { return m_eqTerms; }
    // The whole filter is its equality terms and nothing else.
    bool onlyEqTerms() const { return m_onlyEqTerms; }
    bool isEmpty() const { return m_root < 0; }
    const QString &text() const { return m_text; }

    enum class Op : quint8 { Eq, Ne, Lt, Le, Gt, Ge };
    struct Operand
    {
        enum Kind : quint8 { TextColumn, NumberColumn, Text, Number } kind = Number;
        int column = -1;
        QString text;
        double number = 0;
    };
    struct Node
    {
        enum Kind : quint8 { And, Or, Compare } kind = Compare;
        Op op = Op::Eq;
        Operand a, b;
        std::vector<int> children;
    };

private:
    friend class FilterParser;
    bool eval(int node, const TTableData &data, int row) const;

    QString m_text;
    std::vector<Node> m_nodes;
    int m_root = -1;
    std::vector<EqTerm> m_eqTerms;
    bool m_onlyEqTerms = false;
};

} // namespace kv
