#pragma once
// String and field helpers shared by the whole program. "Blanks" removed by
// trimming are all characters up to and including the space (control
// characters too), as the stored data expects.
#include <QString>
#include <QStringList>

namespace kv {

struct SwitchPresence
{
    bool found = false;
    int index = -1; // index in the argument list, -1 when not found
};

// Whether a command-line switch is given: arguments 1..n are scanned in order
// and the first whose upper-cased text contains the upper-cased switch counts.
SwitchPresence IsSwitchPresent(const QString &switchText, const QStringList &arguments);
// The same over the running program's arguments.
SwitchPresence IsSwitchPresent(const QString &switchText);

QString TrimBlanks(const QString &s);

// Fields are the pieces of s between any of the delimiter characters.
int CountFields(const QString &s, const QString &delimiters);
// Field n, 1-based; empty when there is no such field.
QString GetField(const QString &s, int n, const QString &delimiters, bool trim = false);
// Whether some trimmed field equals value exactly.
bool ContainsField(const QString &s, const QString &value, const QString &delimiters);
// Appends value to s after separator; with unique, not when s already has it as a field.
void AppendUnique(QString &s, const QString &value, const QString &separator, bool unique = true);

// Replaces old by replacement in s. With ignoreCase the search ignores letter
// case (Windows-1251 rules); s keeps its own case outside the replaced parts and
// the replacement is inserted as given.
QString ReplaceText(const QString &s, const QString &old, const QString &replacement,
                    bool ignoreCase = false, bool firstOnly = false);

// s without blanks (no-break spaces of formatted numbers included); "0" when nothing remains.
QString RemoveSpaces(const QString &s);

// Padded on the left with ch to width, then its last width characters.
QString PadLeft(const QString &s, int width, bool trim = false, QChar ch = QLatin1Char(' '));
// Padded on the right with ch to width, then its first width characters.
QString PadRight(const QString &s, int width, bool trim = false, QChar ch = QLatin1Char(' '));

// Characters that are unsafe in file names and identifiers of other systems,
// each replaced by ch: \ / : * ? , ; " ` ! ( ) { } [ ] < > | % '
QString ReplaceUnsafeChars(const QString &s, QChar ch = QLatin1Char('_'));

// The decimal integer in s (surrounding blanks allowed); 0 when s is not one
// or does not fit in an int.
int StrToIntDef0(const QString &s);

// s trimmed, then one final path separator ("\" or "/") removed; a lone "/"
// (the root) stays.
QString TrimTrailingBackslash(const QString &s);

// Value of a hexadecimal digit (either case); -1 for any other character.
int HexDigitValue(QChar c);
// Value of a hexadecimal string of up to four digits (an odd length reads as
// if led by "0"); 0 for an empty string, -1 when longer or not hexadecimal.
int HexToInt(const QString &s);

} // namespace kv
