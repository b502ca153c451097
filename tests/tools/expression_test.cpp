#include "tools/Errors.h"
#include "tools/Expression.h"

#include <gtest/gtest.h>
#include <QLocale>
#include <QMap>
#include <clocale>

using kv::ExprArguments;
using kv::ExprCallbacks;
using kv::ExprContext;
using kv::ExprValue;
using kv::Expression;

namespace {

QString u(const char *s) { return QString::fromUtf8(s); }

// A sash-like context: a few names, side lengths through FFL(n), and helper
// functions that show how arguments arrive.
class SashContext : public ExprContext
{
public:
    QMap<QString, ExprValue> vars{
        {u("FFB"), 1000.0}, {u("FН"), 1400.0}, {u("FFН"), 1400.0}, {u("NAME"), u("Окно")},
        {u("YES"), true},
    };
    QList<double> sides{1400, 1000, 1400, 1000};
    mutable QStringList seenNames;

    ExprValue variable(const QString &name) const override
    {
        seenNames << name;
        return vars.value(name, ExprValue(0.0));
    }

    ExprValue function(const QString &name, const ExprArguments &args) const override
    {
        seenNames << name;
        const QString f = name.toUpper();
        if (f == u("FFL") || f == u("FL")) {
            const int n = int(args.value(0).toNumber());
            return n >= 1 && n <= sides.size() ? ExprValue(sides[n - 1]) : ExprValue(0.0);
        }
        if (f == u("SUM")) {
            double s = 0;
            for (int i = 0; i < args.count(); ++i)
                s += args.value(i).toNumber();
            return s;
        }
        if (f == u("ARGC"))
            return args.count();
        if (f == u("IIF"))
            return args.value(0).toBool() ? args.value(1) : args.value(2);
        if (f == u("BOOM"))
            throw kv::Error(u("В каталоге отсутствуют данные для [X]!"));
        return 0.0;
    }
};

double num(const QString &text, const ExprContext &ctx)
{
    const ExprValue v = Expression::evaluate(text, ctx);
    EXPECT_TRUE(v.isNumber()) << text.toStdString();
    return v.toNumber();
}

QString errorOf(const std::function<void()> &f)
{
    try {
        f();
    } catch (const kv::Error &e) {
        return e.text();
    }
    return QString();
}

} // namespace

TEST(Expression, ArithmeticPrecedenceAndAssociativity)
{
    struct Case { const char *text; double value; };
    const Case cases[] = {
        {"1+2*3", 7}, {"(1+2)*3", 9}, {"2*3+4*5", 26}, {" 2 * ( 3 + 4 ) ", 14},
        {"10-4-3", 3}, {"100/10/5", 2}, {"2*3/4", 1.5}, {"8-2+1", 7}, {"((((7))))", 7},
        {"-2*3", -6}, {"-(2+3)", -5}, {"--2", 2}, {"+-2", -2}, {"2*-3", -6}, {"2- -3", 5},
        {"-2-3", -5}, {"1.5+.5", 2}, {"1e3/4", 250}, {"2.5E-1", 0.25}, {"1.e1", 10}, {"0.1+0.2", 0.1 + 0.2},
        {"7 div 2", 3}, {"-7 div 2", -3}, {"7.9 DIV 2", 3}, {"7 mod 3", 1}, {"-7 Mod 3", -1},
        {"1+7 mod 4*2", 7}, {"10 − 3 × 2 ÷ 4", 8.5},
    };
    SashContext ctx;
    for (const Case &c : cases)
        EXPECT_DOUBLE_EQ(num(u(c.text), ctx), c.value) << c.text;
}

TEST(Expression, LengthFormulaNamesAndFunctions)
{
    struct Case { const char *text; double value; };
    const Case cases[] = {
        {"FFB - 10", 990},            // rebate width in mm
        {"FН - 10", 1390},            // Cyrillic Н
        {"FFH - 10", -10},            // Latin H: unknown name answers 0
        {"FFН/2 - 12.5", 687.5},
        {"FFL(1) + FFL(2)", 2400}, {"ffl(3)", 1400}, {"FFL(9)", 0}, {"FL(2)*2", 2000},
        {"NOSUCH(1, 2)", 0},          // unknown function answers 0
        {"SUM()", 0}, {"SUM(5)", 5}, {"SUM(1, 2)", 3}, {"SUM(1, 2, 3)", 6},
        {"ARGC()", 0}, {"ARGC(1, 'a', FFB)", 3},
        {"SUM(1, SUM(2, SUM(3, 4)), FFL(SUM(1, 1)))", 1010},
        {"IIF(FFB > 500, FFB - 20, FFB)", 980},
    };
    SashContext ctx;
    for (const Case &c : cases)
        EXPECT_DOUBLE_EQ(num(u(c.text), ctx), c.value) << c.text;
}

TEST(Expression, ComparisonsAndLogic)
{
    struct Case { const char *text; bool value; };
    const Case cases[] = {
        {"1<2", true}, {"2<=2", true}, {"3>2", true}, {"2>=3", false}, {"1=1", true}, {"1<>1", false},
        {"1+1=2", true}, {"2*3 > 5", true},
        {"'a'<'b'", true}, {"'abc'='abc'", true}, {"'abc'='ABC'", false}, {"'abc'<>'abd'", true},
        {"'10'=10", true}, {"'10'>9", true}, {"'x'=1", false}, {"true=1", true}, {"''=0", false},
        {"1<2 and 2<3", true}, {"1>2 or 2<3", true}, {"not 1>2", true}, {"NOT true", false},
        {"true AND false", false}, {"true or false and false", true}, {"(true or false) and false", false},
        {"not not TRUE", true}, {"not false and false", false}, {"YES and FFB = 1000", true},
        {"NAME = 'Окно'", true}, {"1 and 0", false}, {"'true' or false", true},
    };
    SashContext ctx;
    for (const Case &c : cases) {
        const ExprValue v = Expression::evaluate(u(c.text), ctx);
        EXPECT_TRUE(v.isBool()) << c.text;
        EXPECT_EQ(v.toBool(), c.value) << c.text;
    }
}

TEST(Expression, AndOrStopAtTheFirstDecidingOperand)
{
    SashContext ctx;
    EXPECT_EQ(Expression::evaluate(u("false and BOOM()"), ctx), ExprValue(false));
    EXPECT_EQ(Expression::evaluate(u("true or BOOM()"), ctx), ExprValue(true));
    EXPECT_THROW(Expression::evaluate(u("true and BOOM()"), ctx), kv::Error);
}

TEST(Expression, Strings)
{
    struct Case { const char *text; ExprValue value; };
    const Case cases[] = {
        {"'a' + 'b'", "ab"}, {"'It''s'", "It's"}, {"''", ""}, {"''''", "'"},
        {"'Поз. ' + 3", "Поз. 3"}, {"FFB + ' мм'", "1000 мм"}, {"'x' + 1.5", "x1.5"},
        {"'5' + 3", 8.0}, {"'1.5' * 2", 3.0}, {"NAME + ', ' + NAME", "Окно, Окно"},
        {"'a, (b)' + 'c'", "a, (b)c"}, {"FFB + ' '", "1000 "}, {"'' + 2", "2"},
    };
    SashContext ctx;
    for (const Case &c : cases)
        EXPECT_EQ(Expression::evaluate(u(c.text), ctx), c.value) << c.text;
}

TEST(Expression, NamesArePassedAsWrittenInEveryForm)
{
    struct Case { const char *text; const char *name; };
    const Case cases[] = {
        {"[_ORDER_NO]", "_ORDER_NO"}, {"[ Pos Name ]", "Pos Name"}, {"[and]", "and"},
        {"_order_no", "_order_no"}, {"frdOrderPosSpec.Name", "frdOrderPosSpec.Name"},
        {"frd.\"Field Name\"", "frd.Field Name"}, {"\"a\"\"b\"", "a\"b"}, {"FН", "FН"},
        {"_LOADLOGO()", "_LOADLOGO"}, {"Ffl(1)", "Ffl"}, {"x1_2", "x1_2"},
    };
    for (const Case &c : cases) {
        SashContext ctx;
        Expression::evaluate(u(c.text), ctx);
        ASSERT_FALSE(ctx.seenNames.isEmpty()) << c.text;
        EXPECT_EQ(ctx.seenNames.first(), u(c.name)) << c.text;
    }
}

TEST(Expression, FunctionsSeeArgumentTextAndChooseWhatToEvaluate)
{
    QStringList texts;
    int evaluated = 0;
    ExprCallbacks ctx(
        [&](const QString &) { ++evaluated; return ExprValue(1.0); },
        [&](const QString &, const ExprArguments &args) {
            for (int i = 0; i < args.count(); ++i)
                texts << args.text(i);
            return args.value(1);
        });
    EXPECT_EQ(Expression::evaluate(u("F( a + 1 ,  'x, y' , [c])"), ctx), ExprValue("x, y"));
    EXPECT_EQ(texts, QStringList({u("a + 1"), u("'x, y'"), u("[c]")}));
    EXPECT_EQ(evaluated, 0); // only the requested argument was evaluated
}

TEST(Expression, DefaultContextAnswersZeroForEverything)
{
    EXPECT_EQ(Expression::parse(u("UNKNOWN + F(1, 2) + 1")).evaluate(), ExprValue(1.0));
    EXPECT_EQ(Expression::evaluate(u("X * 5 + Y()"), ExprCallbacks()), ExprValue(0.0));
    EXPECT_EQ(Expression().evaluate(), ExprValue(0.0));
    // Only variables bound: functions still answer 0.
    ExprCallbacks vars([](const QString &n) { return n == u("A") ? ExprValue(4.0) : ExprValue(0.0); });
    EXPECT_EQ(Expression::evaluate(u("A * 2 + G(A)"), vars), ExprValue(8.0));
}

TEST(Expression, CompiledOnceEvaluatedWithChangingContext)
{
    const Expression e = Expression::parse(u("FFB - 2*FFL(2)"));
    SashContext ctx;
    EXPECT_DOUBLE_EQ(e.evaluate(ctx).toNumber(), -1000);
    ctx.vars[u("FFB")] = 3000.0;
    ctx.sides[1] = 500;
    EXPECT_DOUBLE_EQ(e.evaluate(ctx).toNumber(), 2000);
    const Expression copy = e;
    EXPECT_EQ(copy.evaluate(ctx), e.evaluate(ctx));
    EXPECT_EQ(copy.text(), u("FFB - 2*FFL(2)"));
}

TEST(Expression, SyntaxErrorsNameThePosition)
{
    struct Case { const char *text; int pos; const char *what; };
    const Case cases[] = {
        {"1 +", 4, "ожидается значение, а найдено конец выражения"},
        {"(1+2", 5, "ожидается \")\" к скобке в позиции 1"},
        {"1 2", 3, "лишний текст \"2\""},
        {"FFB 10", 5, "лишний текст"},
        {"'abc", 1, "не закрыта строка"},
        {"f(1,)", 5, "ожидается значение"},
        {"f(1 2)", 5, "ожидается \",\" или \")\" в вызове f"},
        {"1 # 2", 3, "недопустимый символ \"#\""},
        {"", 1, "пустое выражение"},
        {"   ", 4, "пустое выражение"},
        {"2e", 1, "неверное число"},
        {"12abc", 1, "неверное число"},
        {"1.2.3", 1, "неверное число"},
        {"[]", 1, "пустое имя"},
        {"[abc", 1, "не закрыта скобка ["},
        {"\"abc", 1, "не закрыта кавычка"},
        {")", 1, "ожидается значение"},
        {"1 = = 2", 5, "ожидается значение"},
        {"1e999", 1, "число вне допустимого диапазона"},
        {"a and", 6, "ожидается значение"},
        {"not", 4, "ожидается значение"},
        {"FН(1", 5, "ожидается"},
        {"1 * div 2", 5, "ожидается значение"},
        {"1 ** 2", 4, "ожидается значение"},
    };
    for (const Case &c : cases) {
        const QString err = errorOf([&] { Expression::parse(u(c.text)); });
        ASSERT_FALSE(err.isEmpty()) << c.text;
        EXPECT_TRUE(err.startsWith(u("Ошибка в выражении \"") + u(c.text) + u("\": "))) << err.toStdString();
        EXPECT_TRUE(err.contains(u(c.what))) << err.toStdString();
        EXPECT_TRUE(err.endsWith(QStringLiteral("(позиция %1)").arg(c.pos))) << err.toStdString();
    }
}

TEST(Expression, EvaluationErrorsAreErrorsNotCrashes)
{
    struct Case { const char *text; int pos; const char *what; };
    const Case cases[] = {
        {"1/0", 2, "деление на ноль"},
        {"10 / (FFB - 1000)", 4, "деление на ноль"},
        {"0/0", 2, "деление на ноль"},
        {"5 div 0.5", 3, "деление на ноль"}, // the divisor truncates to 0
        {"5 mod 0", 3, "деление на ноль"},
        {"'abc' * 2", 7, "значение 'abc' не является числом"},
        {"-NAME", 1, "не является числом"},
        {"NAME and true", 6, "значение 'Окно' не является логическим"},
        {"not 'x'", 1, "не является логическим"},
    };
    SashContext ctx;
    for (const Case &c : cases) {
        const QString err = errorOf([&] { Expression::evaluate(u(c.text), ctx); });
        EXPECT_TRUE(err.startsWith(u("Ошибка вычисления выражения \"") + u(c.text) + u("\": ")))
            << c.text << " -> " << err.toStdString();
        EXPECT_TRUE(err.contains(u(c.what))) << err.toStdString();
        EXPECT_TRUE(err.endsWith(QStringLiteral("(позиция %1)").arg(c.pos))) << err.toStdString();
    }
}

TEST(Expression, ErrorsOfTheCallerPassThroughUnchanged)
{
    SashContext ctx;
    EXPECT_EQ(errorOf([&] { Expression::evaluate(u("1 + BOOM()"), ctx); }),
              u("В каталоге отсутствуют данные для [X]!"));
}

TEST(Expression, HostileNestingIsRefused)
{
    EXPECT_THROW(Expression::parse(QString(100000, u'(') + u("1")), kv::Error);
    EXPECT_THROW(Expression::parse(QString(100000, u'-') + u("1")), kv::Error);
    EXPECT_THROW(Expression::parse(u("f(") .repeated(5000) + u("1")), kv::Error);
    QString longSum = u("1");
    for (int i = 0; i < 50000; ++i)
        longSum += u("+1");
    EXPECT_THROW(Expression::parse(longSum), kv::Error);

    // Ordinary depth still works.
    QString sum = u("1");
    for (int i = 0; i < 499; ++i)
        sum += u("+1");
    EXPECT_EQ(Expression::evaluate(sum, ExprContext()), ExprValue(500.0));
    EXPECT_EQ(Expression::evaluate(QString(150, u'(') + u("2") + QString(150, u')'), ExprContext()),
              ExprValue(2.0));
}

TEST(Expression, NumbersIgnoreTheLocale)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    const std::string savedC = std::setlocale(LC_ALL, nullptr);
    // Where a Russian C locale is installed it makes strtod expect a comma.
    const bool cRussian = std::setlocale(LC_ALL, "ru_RU.UTF-8") != nullptr;

    SashContext ctx;
    EXPECT_DOUBLE_EQ(num(u("1.5"), ctx), 1.5);
    EXPECT_DOUBLE_EQ(num(u("1.5 * 2 + '0.25'"), ctx), 3.25);
    EXPECT_EQ(Expression::evaluate(u("'' + 1.5"), ctx), ExprValue("1.5"));
    EXPECT_EQ(ExprValue(-1234567.25).toString(), u("-1234567.25"));
    EXPECT_DOUBLE_EQ(num(u("SUM(1,5)"), ctx), 6); // a comma separates arguments
    EXPECT_THROW(Expression::parse(u("1,5")), kv::Error);

    std::setlocale(LC_ALL, savedC.c_str());
    QLocale::setDefault(saved);
    if (!cRussian)
        GTEST_LOG_(INFO) << "ru_RU.UTF-8 C locale not installed; checked with the Qt locale only";
}

TEST(Expression, ValueConversions)
{
    struct Text { ExprValue value; const char *text; };
    const Text texts[] = {
        {990.0, "990"}, {0.1, "0.1"}, {-0.0, "0"}, {1e21, "1e+21"}, {2.5, "2.5"},
        {true, "true"}, {false, "false"}, {"abc", "abc"},
    };
    for (const Text &t : texts)
        EXPECT_EQ(t.value.toString(), u(t.text)) << t.text;

    struct Number { ExprValue value; double number; };
    const Number numbers[] = {
        {" 12.5 ", 12.5}, {"-3", -3}, {"+4", 4}, {"", 0}, {"  ", 0}, {".5", 0.5}, {true, 1}, {false, 0},
    };
    for (const Number &n : numbers)
        EXPECT_DOUBLE_EQ(n.value.toNumber(), n.number) << n.value.toString().toStdString();
    for (const char *bad : {"abc", "1,5", "1.2.3", "inf", "nan", "0x10", "--1", "1e"})
        EXPECT_THROW(ExprValue(bad).toNumber(), kv::Error) << bad;

    EXPECT_TRUE(ExprValue("TRUE").toBool());
    EXPECT_FALSE(ExprValue(" False ").toBool());
    EXPECT_TRUE(ExprValue("2").toBool());
    EXPECT_FALSE(ExprValue(0.0).toBool());
    EXPECT_THROW(ExprValue("yes").toBool(), kv::Error);

    EXPECT_FALSE(ExprValue(1.0) == ExprValue("1"));
    EXPECT_FALSE(ExprValue(1.0) == ExprValue(true));
}
