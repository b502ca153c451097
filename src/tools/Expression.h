#pragma once
// A small expression language shared by the length formulas of the documentation
// and the report templates. Text is parsed once into a tree that can be
// evaluated many times; names and functions are answered by the caller.
//
// Syntax, loosest binding first:
//   or                      a or b
//   and                     a and b
//   not                     not a
//   comparison              = <> < <= > >=
//   additive                + -
//   multiplicative          * / div mod
//   unary                   -a +a
//   primary                 number, 'string', name, name(args...), (expr),
//                           [any name], "any name", true, false
// Keywords are case-insensitive. Numbers always use a point as the decimal
// separator, whatever the locale. '' inside a string stands for one quote.
// Names are letters (Cyrillic too), digits and '_', not starting with a digit,
// and may be joined by '.' (Dataset.Field); brackets or double quotes take any
// other text as a name.
#include <QString>
#include <functional>
#include <memory>
#include <vector>

namespace kv {

class ExprValue
{
public:
    enum class Type { Number, String, Bool };

    ExprValue() = default; // the number 0
    ExprValue(double v) : m_type(Type::Number), m_number(v) {}
    ExprValue(int v) : m_type(Type::Number), m_number(v) {}
    ExprValue(bool v) : m_type(Type::Bool), m_bool(v) {}
    ExprValue(const QString &v) : m_type(Type::String), m_string(v) {}
    ExprValue(const char *utf8) : m_type(Type::String), m_string(QString::fromUtf8(utf8)) {}

    Type type() const { return m_type; }
    bool isNumber() const { return m_type == Type::Number; }
    bool isString() const { return m_type == Type::String; }
    bool isBool() const { return m_type == Type::Bool; }

    // Conversions. A string converts to a number when it is a number written
    // with a point (blank counts as 0); true is 1. Anything else throws kv::Error.
    double toNumber() const;
    // Numbers as the shortest text that reads back the same, with a point.
    QString toString() const;
    // Numbers: not zero; strings: "true"/"false" or a number; else kv::Error.
    bool toBool() const;

    // Same type and same content (no conversion).
    bool operator==(const ExprValue &o) const;

private:
    Type m_type = Type::Number;
    double m_number = 0;
    bool m_bool = false;
    QString m_string;
};

// The arguments of one function call. They are evaluated only when asked for,
// so a function can take the source text instead, or skip an argument.
class ExprArguments
{
public:
    virtual ~ExprArguments() = default;
    virtual int count() const = 0;
    // Evaluates argument i (0-based); errors of the argument propagate.
    virtual ExprValue value(int i) const = 0;
    // The argument's source text, trimmed.
    virtual QString text(int i) const = 0;
};

// Answers the names and functions of an expression. The defaults answer 0, so a
// context only overrides what it knows.
class ExprContext
{
public:
    virtual ~ExprContext() = default;
    virtual ExprValue variable(const QString &name) const;
    virtual ExprValue function(const QString &name, const ExprArguments &args) const;
};

// A context made of two callbacks; either may be empty (then it answers 0).
class ExprCallbacks : public ExprContext
{
public:
    using VariableFn = std::function<ExprValue(const QString &name)>;
    using FunctionFn = std::function<ExprValue(const QString &name, const ExprArguments &args)>;

    ExprCallbacks(VariableFn variables = {}, FunctionFn functions = {})
        : m_variables(std::move(variables)), m_functions(std::move(functions)) {}

    ExprValue variable(const QString &name) const override;
    ExprValue function(const QString &name, const ExprArguments &args) const override;

private:
    VariableFn m_variables;
    FunctionFn m_functions;
};

class Expression
{
public:
    struct Node;

    Expression(); // empty: evaluates to 0
    // Parses text; a syntax error throws kv::Error naming the 1-based position.
    static Expression parse(const QString &text);
    // Parse and evaluate once.
    static ExprValue evaluate(const QString &text, const ExprContext &context);

    // Errors while evaluating (division by zero, a string where a number is
    // needed) throw kv::Error.
    ExprValue evaluate(const ExprContext &context) const;
    ExprValue evaluate() const; // every name and function is 0

    const QString &text() const { return m_text; }
    bool isEmpty() const { return !m_root; }

private:
    QString m_text;
    std::shared_ptr<const Node> m_root;
};

} // namespace kv
