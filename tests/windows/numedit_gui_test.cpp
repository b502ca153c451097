// The numeric field: what typing accepts and refuses, the normal form on
// leaving, and reading and writing values.
#include "windows/NumEdit.h"
#include "windows/DisplayFormats.h"
#include "tools/Errors.h"
#include "support/QStringPrinter.h"
#include "WindowsTestSupport.h"

#include <gtest/gtest.h>
#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

using namespace kv;
using kvtest::leaveField;

namespace {

struct Typing
{
    TNumEdit::TNumStyle style;
    int digits, decimals;
    const char *keys;      // typed one by one into an empty field
    const char *typed;     // the text right after typing
    const char *afterLeave; // the text after leaving the field
};

} // namespace

TEST(NumEdit, TypingKeepsToTheStyleAndLeavingNormalises)
{
    const Typing cases[] = {
        {TNumEdit::nsFloat, 9, 2, "12", "12", "12,00"},
        {TNumEdit::nsFloat, 9, 2, "3,14159", "3,14", "3,14"},
        {TNumEdit::nsFloat, 9, 2, ",5", ",5", "0,50"},
        {TNumEdit::nsFloat, 9, 2, "-,5", "-,5", "-0,50"},
        {TNumEdit::nsFloat, 9, 2, "1,2,3", "1,32", "1,32"},   // a second separator only moves the caret behind the first
        {TNumEdit::nsFloat, 9, 2, "1.5", "1,5", "1,50"},      // the keypad's point types the separator
        {TNumEdit::nsFloat, 9, 0, "7,5", "75", "75"},         // no decimals: no separator at all
        {TNumEdit::nsInteger, 5, 0, "-12345", "-12345", "-12345"},
        {TNumEdit::nsInteger, 5, 0, "-123456", "-12345", "-12345"},
        {TNumEdit::nsInteger, 5, 0, "12-3", "123", "123"},    // minus only at the start
        {TNumEdit::nsInteger, 9, 0, "1a2 b3", "123", "123"},
        {TNumEdit::nsInteger, 9, 0, "", "", "0"},
        {TNumEdit::nsInteger, 9, 0, "-", "-", "0"},
        {TNumEdit::nsHex, 4, 0, "a1f", "A1F", "0A1F"},
        {TNumEdit::nsHex, 4, 0, "a1f9c", "A1F9", "A1F9"},
        {TNumEdit::nsHex, 4, 0, "xg-1", "1", "0001"},
    };
    for (const Typing &c : cases) {
        SCOPED_TRACE(std::string(c.keys) + " digits " + std::to_string(c.digits) + " decimals " + std::to_string(c.decimals));
        TNumEdit e(c.style, c.digits, c.decimals);
        e.clear();
        QTest::keyClicks(&e, QString::fromUtf8(c.keys));
        EXPECT_EQ(e.text(), QString::fromUtf8(c.typed));
        leaveField(&e);
        EXPECT_EQ(e.text(), QString::fromUtf8(c.afterLeave));
    }
}

TEST(NumEdit, SeparatorAndDigitLimitsFollowTheCaret)
{
    TNumEdit e(TNumEdit::nsFloat, 3, 2);
    e.setText(QStringLiteral("123,45"));
    // Full fraction: a digit behind the separator is refused ...
    e.setCursorPosition(6);
    QTest::keyClick(&e, Qt::Key_9);
    EXPECT_EQ(e.text(), QStringLiteral("123,45"));
    // ... and so is a fourth integer digit in front of it.
    e.setCursorPosition(0);
    QTest::keyClick(&e, Qt::Key_9);
    EXPECT_EQ(e.text(), QStringLiteral("123,45"));
    // With a selection the digit replaces it.
    e.setSelection(1, 1);
    QTest::keyClick(&e, Qt::Key_9);
    EXPECT_EQ(e.text(), QStringLiteral("193,45"));
    // A second separator moves the caret behind the existing one.
    e.setCursorPosition(1);
    QTest::keyClicks(&e, QStringLiteral(","));
    EXPECT_EQ(e.text(), QStringLiteral("193,45"));
    EXPECT_EQ(e.cursorPosition(), 4);
    // A minus sign only at the very start.
    e.setCursorPosition(2);
    QTest::keyClicks(&e, QStringLiteral("-"));
    EXPECT_EQ(e.text(), QStringLiteral("193,45"));
    e.setCursorPosition(0);
    QTest::keyClicks(&e, QStringLiteral("-"));
    EXPECT_EQ(e.text(), QStringLiteral("-193,45"));
}

TEST(NumEdit, DeletingTheSeparatorTakesTheFractionWithIt)
{
    TNumEdit e(TNumEdit::nsFloat, 9, 2);
    e.setText(QStringLiteral("12,50"));
    e.setCursorPosition(3); // directly behind the separator
    QTest::keyClick(&e, Qt::Key_Backspace);
    EXPECT_EQ(e.text(), QStringLiteral("12"));
    leaveField(&e);
    EXPECT_EQ(e.text(), QStringLiteral("12,00"));

    e.setText(QStringLiteral("12,50"));
    e.setCursorPosition(2); // directly in front of it
    QTest::keyClick(&e, Qt::Key_Delete);
    EXPECT_EQ(e.text(), QStringLiteral("12"));

    // Elsewhere the keys delete one character as usual.
    e.setText(QStringLiteral("12,50"));
    e.setCursorPosition(5);
    QTest::keyClick(&e, Qt::Key_Backspace);
    EXPECT_EQ(e.text(), QStringLiteral("12,5"));
    e.setCursorPosition(0);
    QTest::keyClick(&e, Qt::Key_Delete);
    EXPECT_EQ(e.text(), QStringLiteral("2,5"));
    // Even with a short digit limit, where the joined digits would not fit.
    TNumEdit narrow(TNumEdit::nsFloat, 2, 2);
    narrow.setText(QStringLiteral("12,50"));
    narrow.setCursorPosition(3);
    QTest::keyClick(&narrow, Qt::Key_Backspace);
    EXPECT_EQ(narrow.text(), QStringLiteral("12"));
}

TEST(NumEdit, PastedTextPassesTheSameLimits)
{
    QClipboard *clip = QGuiApplication::clipboard();
    TNumEdit e(TNumEdit::nsFloat, 5, 2);
    e.clear();
    clip->setText(QStringLiteral("12a"));
    e.paste();
    EXPECT_EQ(e.text(), QString());
    clip->setText(QStringLiteral("123,456"));
    e.paste();
    EXPECT_EQ(e.text(), QString());
    clip->setText(QStringLiteral("-123,45"));
    e.paste();
    EXPECT_EQ(e.text(), QStringLiteral("-123,45"));
}

TEST(NumEdit, ReadingValues)
{
    TNumEdit e;
    const struct
    {
        const char *text;
        qint32 integer;
    } ints[] = {{"", 0}, {"42", 42}, {"-7", -7}, {"2,5", 2}, {"3,5", 4}, {"-2,5", -2}, {"2,51", 3}};
    for (const auto &c : ints) {
        SCOPED_TRACE(c.text);
        e.setText(QString::fromUtf8(c.text));
        EXPECT_EQ(e.asInteger(), c.integer);
    }
    e.setText(QStringLiteral("1,25"));
    EXPECT_DOUBLE_EQ(e.asFloat(), 1.25);
    EXPECT_EQ(e.asCurrency(), Money::fromRaw(12500));
    e.setText(QString());
    EXPECT_DOUBLE_EQ(e.asFloat(), 0.0);
    EXPECT_EQ(e.asCurrency(), Money());

    // Texts put in by a program are checked only when read.
    for (const char *bad : {"abc", "1,2,3", "-"}) {
        SCOPED_TRACE(bad);
        e.setText(QString::fromUtf8(bad));
        EXPECT_THROW(e.asFloat(), Error);
        EXPECT_THROW(e.asCurrency(), Error);
    }
    e.setText(QStringLiteral("9999999999"));
    EXPECT_THROW(e.asInteger(), Error);
    e.setText(QStringLiteral("3000000000,5"));
    EXPECT_THROW(e.asInteger(), Error);
}

TEST(NumEdit, WritingValuesGivesTheNormalForm)
{
    TNumEdit f(TNumEdit::nsFloat, 9, 3);
    f.setFloat(2.5);
    EXPECT_EQ(f.text(), QStringLiteral("2,500"));
    f.setFloat(-0.0626);
    EXPECT_EQ(f.text(), QStringLiteral("-0,063"));
    f.setInteger(12);
    EXPECT_EQ(f.text(), QStringLiteral("12,000"));
    // Changing the decimals re-forms the text at once.
    f.setDecimals(1);
    EXPECT_EQ(f.text(), QStringLiteral("12,0"));
    f.setDecimals(0);
    EXPECT_EQ(f.text(), QStringLiteral("12"));

    const int saved = displayFormats().CurrencyDecimals;
    displayFormats().CurrencyDecimals = 4;
    TNumEdit m(TNumEdit::nsCurrency, 9, 0);
    m.setCurrency(Money::fromRaw(125000)); // 12.5
    EXPECT_EQ(m.text(), QStringLiteral("12,5000"));
    EXPECT_EQ(m.asCurrency(), Money::fromRaw(125000));
    displayFormats().CurrencyDecimals = saved;

    TNumEdit h(TNumEdit::nsHex, 8, 0);
    h.setInteger(255);
    EXPECT_EQ(h.text(), QStringLiteral("000000FF"));
    EXPECT_EQ(h.asInteger(), 255);
    h.setInteger(-1);
    EXPECT_EQ(h.text(), QStringLiteral("FFFFFFFF"));
    EXPECT_EQ(h.asInteger(), -1);
}
