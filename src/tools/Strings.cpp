#include "Strings.h"
#include "Win1251.h"

#include <QCoreApplication>

namespace kv {

SwitchPresence IsSwitchPresent(const QString &switchText, const QStringList &arguments)
{
    const QString wanted = cp1251::toUpper(switchText);
    for (int i = 1; i < arguments.size(); ++i)
        if (cp1251::toUpper(arguments.at(i)).contains(wanted))
            return {true, i};
    return {};
}

SwitchPresence IsSwitchPresent(const QString &switchText)
{
    return IsSwitchPresent(switchText, QCoreApplication::arguments());
}

QString TrimBlanks(const QString &s)
{
    qsizetype begin = 0, end = s.size();
    while (begin < end && s.at(begin).unicode() <= ' ')
        ++begin;
    while (end > begin && s.at(end - 1).unicode() <= ' ')
        --end;
    return s.mid(begin, end - begin);
}

int CountFields(const QString &s, const QString &delimiters)
{
    if (s.isEmpty())
        return 0;
    int n = 1;
    for (QChar c : s)
        n += delimiters.contains(c);
    return n;
}

QString GetField(const QString &s, int n, const QString &delimiters, bool trim)
{
    if (n <= 0)
        return {};
    qsizetype start = 0;
    for (int field = 1; field < n; ++field) {
        qsizetype i = start;
        while (i < s.size() && !delimiters.contains(s.at(i)))
            ++i;
        if (i >= s.size())
            return {}; // fewer than n - 1 delimiters
        start = i + 1;
    }
    qsizetype end = start;
    while (end < s.size() && !delimiters.contains(s.at(end)))
        ++end;
    const QString field = s.mid(start, end - start);
    return trim ? TrimBlanks(field) : field;
}

bool ContainsField(const QString &s, const QString &value, const QString &delimiters)
{
    if (s.isEmpty())
        return false;
    qsizetype start = 0;
    for (;;) {
        qsizetype end = start;
        while (end < s.size() && !delimiters.contains(s.at(end)))
            ++end;
        if (TrimBlanks(s.mid(start, end - start)) == value)
            return true;
        if (end >= s.size())
            return false;
        start = end + 1;
    }
}

void AppendUnique(QString &s, const QString &value, const QString &separator, bool unique)
{
    if (s.isEmpty()) {
        s = value;
        return;
    }
    if (unique && ContainsField(s, value, separator))
        return;
    s += separator + value;
}

QString ReplaceText(const QString &s, const QString &old, const QString &replacement,
                    bool ignoreCase, bool firstOnly)
{
    // Upper-casing in the code page keeps every character in place, so
    // positions found in the upper-case copy are positions in s.
    const QString hay = ignoreCase ? cp1251::toUpper(s) : s;
    const QString needle = ignoreCase ? cp1251::toUpper(old) : old;
    const QString repl = ignoreCase ? cp1251::toUpper(replacement) : replacement;
    if (needle == repl)
        return s;
    if (hay == needle)
        return replacement;
    if (needle.isEmpty())
        return s;
    qsizetype pos = hay.indexOf(needle);
    if (pos < 0)
        return s;
    QString out;
    qsizetype from = 0;
    while (pos >= 0) {
        out += QStringView(s).mid(from, pos - from);
        out += replacement;
        from = pos + needle.size();
        if (firstOnly)
            break;
        pos = hay.indexOf(needle, from);
    }
    out += QStringView(s).mid(from);
    return out;
}

QString RemoveSpaces(const QString &s)
{
    QString out;
    out.reserve(s.size());
    for (QChar c : s)
        if (c != QLatin1Char(' ') && c != QChar(0x00A0) && c != QChar(0x202F))
            out += c;
    return out.isEmpty() ? QStringLiteral("0") : out;
}

QString PadLeft(const QString &s, int width, bool trim, QChar ch)
{
    if (width <= 0)
        return {};
    const QString t = trim ? TrimBlanks(s) : s;
    return t.rightJustified(width, ch).right(width);
}

QString PadRight(const QString &s, int width, bool trim, QChar ch)
{
    if (width <= 0)
        return {};
    const QString t = trim ? TrimBlanks(s) : s;
    return t.leftJustified(width, ch, true);
}

QString ReplaceUnsafeChars(const QString &s, QChar ch)
{
    static const QString unsafe = QStringLiteral("\\/:*?,;\"`!(){}[]<>|%'");
    QString out = s;
    for (QChar &c : out)
        if (unsafe.contains(c))
            c = ch;
    return out;
}

int StrToIntDef0(const QString &s)
{
    const QString t = TrimBlanks(s);
    // Digits only after an optional sign: no hexadecimal, no group separators.
    qsizetype i = (t.startsWith(QLatin1Char('-')) || t.startsWith(QLatin1Char('+'))) ? 1 : 0;
    if (i >= t.size())
        return 0;
    for (; i < t.size(); ++i)
        if (t.at(i) < QLatin1Char('0') || t.at(i) > QLatin1Char('9'))
            return 0;
    bool ok = false;
    const int v = t.toInt(&ok, 10);
    return ok ? v : 0;
}

QString TrimTrailingBackslash(const QString &s)
{
    QString t = TrimBlanks(s);
    if (t.endsWith(QLatin1Char('\\')) || (t.endsWith(QLatin1Char('/')) && t.size() > 1))
        t.chop(1);
    return t;
}

int HexDigitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return -1;
}

int HexToInt(const QString &s)
{
    if (s.size() > 4)
        return -1;
    int value = 0;
    for (QChar c : s) {
        const int d = HexDigitValue(c);
        if (d < 0)
            return -1;
        value = value * 16 + d;
    }
    return value;
}

} // namespace kv
