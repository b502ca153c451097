#pragma once
// Windows-1251 at the file boundaries (value stream, text exports, small state
// files). Inside the program all text is QString.
#include <QByteArray>
#include <QString>

namespace kv::cp1251 {

// Characters outside the code page become '?'; *lossy (when given) tells whether
// that happened, so the caller can decide to report it.
QByteArray encode(const QString &text, bool *lossy = nullptr);
QString decode(const QByteArray &bytes);
QString decode(const char *bytes, qsizetype size);

// Whether every character of text exists in the code page.
bool isEncodable(const QString &text);

// Upper case as Windows does it for this code page: Latin, Cyrillic (ё/Ё
// included) and the other Cyrillic letters of the page; everything else stays.
QString toUpper(const QString &text);
QChar toUpper(QChar c);

// Byte-wise comparison of the Windows-1251 encodings (<0, 0, >0): the order of
// sorted lists in stored files.
int compare(const QString &a, const QString &b);
// Case-insensitive equality (both sides upper-cased in the code page).
bool equalsIgnoreCase(const QString &a, const QString &b);

} // namespace kv::cp1251
