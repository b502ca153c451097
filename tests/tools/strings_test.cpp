#include "tools/Strings.h"

#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

using namespace kv;

namespace {
QString u(const char *s) { return QString::fromUtf8(s); }
}

TEST(Strings, SwitchIsFoundByUpperCasedContainmentFromArgumentOne)
{
    const QStringList args = {u("/developer.exe"), u("order.kfo370"), u("x/DEVELOPERx"),
                              u("/developer"), u("/Отладка")};
    struct Case { const char *sw; bool found; int index; };
    const Case cases[] = {
        {"/developer", true, 2},     // argument 0 (the program) never counts
        {"/DeVeLoPeR", true, 2},
        {"/nopresentation", false, -1},
        {"/ОТЛАДКА", true, 4},        // Cyrillic upper-cased too
        {"order", true, 1},
    };
    for (const Case &c : cases) {
        const SwitchPresence p = IsSwitchPresent(u(c.sw), args);
        EXPECT_EQ(p.found, c.found) << c.sw;
        EXPECT_EQ(p.index, c.index) << c.sw;
    }
    EXPECT_FALSE(IsSwitchPresent(u("/developer"), {u("/developer")}).found);
    EXPECT_FALSE(IsSwitchPresent(u("/developer"), {}).found);
}

TEST(Strings, CountAndGetFields)
{
    EXPECT_EQ(CountFields(u(""), u(";")), 0);
    EXPECT_EQ(CountFields(u("a"), u(";")), 1);
    EXPECT_EQ(CountFields(u("a;b;;c"), u(";")), 4);
    EXPECT_EQ(CountFields(u(";"), u(";")), 2);
    EXPECT_EQ(CountFields(u("a,b;c d"), u(",;")), 3);

    struct Case { const char *s; int n; const char *delims; bool trim; const char *field; };
    const Case cases[] = {
        {"a;b;;c", 1, ";", false, "a"},
        {"a;b;;c", 2, ";", false, "b"},
        {"a;b;;c", 3, ";", false, ""},
        {"a;b;;c", 4, ";", false, "c"},
        {"a;b;;c", 5, ";", false, ""},  // beyond the field count
        {"a;b;;c", 9, ";", false, ""},
        {"a;b;;c", 0, ";", false, ""},
        {"a;b;;c", -1, ";", false, ""},
        {"a;b;", 3, ";", false, ""},     // trailing delimiter: empty last field
        {" a ; b ", 2, ";", false, " b "},
        {" a ; b ", 2, ";", true, "b"},
        {"x,y;z", 3, ",;", false, "z"},  // any of the delimiter characters
        {"ab", 1, ";", false, "ab"},
        {"", 1, ";", false, ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(GetField(u(c.s), c.n, u(c.delims), c.trim), u(c.field)) << c.s << " #" << c.n;
}

TEST(Strings, ContainsFieldComparesTrimmedFieldsExactly)
{
    struct Case { const char *s; const char *value; bool expected; };
    const Case cases[] = {
        {"a, b ,c", "b", true},  {"a, b ,c", "c", true},   {"a, b ,c", "B", false},
        {"a,bc", "b", false},    {"a,,c", "", true},       {"", "", false},
        {"a", "a", true},        {"a, b ,c", " b", false}, // the value is not trimmed
    };
    for (const Case &c : cases)
        EXPECT_EQ(ContainsField(u(c.s), u(c.value), u(",")), c.expected) << c.s << " / " << c.value;
}

TEST(Strings, AppendUnique)
{
    struct Case { const char *s; const char *value; const char *sep; bool unique; const char *result; };
    const Case cases[] = {
        {"", "b", ",", true, "b"},
        {"a,b", "b", ",", true, "a,b"},
        {"a,b", "b", ",", false, "a,b,b"},
        {"a, b", "b", ",", true, "a, b"},  // fields are compared trimmed
        {"a,bc", "b", ",", true, "a,bc,b"},
        {"a", "b", "; ", true, "a; b"},
    };
    for (const Case &c : cases) {
        QString s = u(c.s);
        AppendUnique(s, u(c.value), u(c.sep), c.unique);
        EXPECT_EQ(s, u(c.result)) << c.s << " + " << c.value;
    }
}

TEST(Strings, ReplaceText)
{
    struct Case { const char *s, *old, *repl; bool ignoreCase, firstOnly; const char *result; };
    const Case cases[] = {
        {"Abcabc", "ABC", "x", true, false, "xx"},
        {"Abcabc", "ABC", "x", true, true, "xabc"},
        {"Abcabc", "ABC", "x", false, false, "Abcabc"},
        {"Abcabc", "abc", "x", false, false, "Abcx"},
        {"aXa", "x", "Yy", true, false, "aYya"},         // replacement keeps its own case
        {"Привет, привет", "ПРИВЕТ", "Мир", true, false, "Мир, Мир"},
        {"Привет, привет", "ПРИВЕТ", "Мир", false, false, "Привет, привет"},
        {"aBc", "b", "B", true, false, "aBc"},           // old equals new ignoring case: unchanged
        {"abc", "b", "b", false, false, "abc"},
        {"ABC", "abc", "q", true, false, "q"},           // s equals old
        {"aaa", "aa", "b", false, false, "ba"},          // occurrences do not overlap
        {"xax", "a", "aa", false, false, "xaax"},        // replacement is not searched again
        {"abc", "", "x", false, false, "abc"},
        {"abc", "z", "x", false, false, "abc"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ReplaceText(u(c.s), u(c.old), u(c.repl), c.ignoreCase, c.firstOnly), u(c.result))
            << c.s << " " << c.old << "->" << c.repl;
}

TEST(Strings, RemoveSpaces)
{
    EXPECT_EQ(RemoveSpaces(u("1 234 567")), u("1234567"));
    EXPECT_EQ(RemoveSpaces(QStringLiteral("1\u00A0234,50")), u("1234,50"));
    EXPECT_EQ(RemoveSpaces(u("   ")), u("0"));
    EXPECT_EQ(RemoveSpaces(u("")), u("0"));
}

TEST(Strings, PadLeftAndPadRight)
{
    EXPECT_EQ(PadLeft(u("12"), 5, false, QLatin1Char('0')), u("00012"));
    EXPECT_EQ(PadLeft(u("123456"), 3), u("456"));
    EXPECT_EQ(PadLeft(u(" 12 "), 5, true, QLatin1Char('0')), u("00012"));
    EXPECT_EQ(PadLeft(u(" 12 "), 5, false, QLatin1Char('0')), u("0 12 "));
    EXPECT_EQ(PadLeft(u("12"), 0), u(""));
    EXPECT_EQ(PadRight(u("ab"), 4, false, QLatin1Char('.')), u("ab.."));
    EXPECT_EQ(PadRight(u("abcdef"), 3), u("abc"));
    EXPECT_EQ(PadRight(u("  ab  "), 3, true), u("ab "));
    EXPECT_EQ(PadRight(u("Ёлка"), 6), u("Ёлка  "));
    EXPECT_EQ(PadRight(u("ab"), -1), u(""));
}

TEST(Strings, ReplaceUnsafeChars)
{
    EXPECT_EQ(ReplaceUnsafeChars(u("\\/:*?,;\"`!(){}[]<>|%'"), QLatin1Char('_')),
              u("_____________________"));
    EXPECT_EQ(ReplaceUnsafeChars(u("Заказ 12-3.ёж_A"), QLatin1Char('_')), u("Заказ 12-3.ёж_A"));
    EXPECT_EQ(ReplaceUnsafeChars(u("a/b (c)"), QLatin1Char('-')), u("a-b -c-"));
}

TEST(Strings, StrToIntDef0NeverFails)
{
    struct Case { const char *s; int value; };
    const Case cases[] = {
        {"42", 42}, {" -7 ", -7}, {"+3", 3}, {"0", 0}, {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1}, {"2147483648", 0}, {"12a", 0}, {"", 0},
        {"-", 0}, {"0x1F", 0}, {"$1F", 0}, {"1 000", 0}, {"1.5", 0}, {"١٢", 0},
    };
    for (const Case &c : cases)
        EXPECT_EQ(StrToIntDef0(u(c.s)), c.value) << c.s;
}

TEST(Strings, TrimTrailingBackslash)
{
    struct Case { const char *s, *result; };
    const Case cases[] = {
        {" C:\\Temp\\ ", "C:\\Temp"}, {"C:\\Temp\\\\", "C:\\Temp\\"}, {"C:\\Temp", "C:\\Temp"},
        {"/tmp/kv/", "/tmp/kv"},      {"/", "/"},                    {"", ""},
        {"\\", ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(TrimTrailingBackslash(u(c.s)), u(c.result)) << c.s;
}

TEST(Strings, HexHelpers)
{
    EXPECT_EQ(HexDigitValue(QLatin1Char('0')), 0);
    EXPECT_EQ(HexDigitValue(QLatin1Char('9')), 9);
    EXPECT_EQ(HexDigitValue(QLatin1Char('a')), 10);
    EXPECT_EQ(HexDigitValue(QLatin1Char('F')), 15);
    EXPECT_EQ(HexDigitValue(QLatin1Char('g')), -1);
    EXPECT_EQ(HexDigitValue(QChar(0x0430)), -1); // Cyrillic а

    struct Case { const char *s; int value; };
    const Case cases[] = {
        {"FF", 255}, {"ff", 255}, {"abc", 0xabc}, {"1", 1}, {"FFFF", 65535}, {"0100", 256},
        {"", 0}, {"12345", -1}, {"zz", -1}, {"1g", -1},
    };
    for (const Case &c : cases)
        EXPECT_EQ(HexToInt(u(c.s)), c.value) << c.s;
}
