#pragma once
// File helpers. Both "\" and "/" count as path separators, since stored paths
// may come from either kind of system.
#include "tools/OleDate.h"

#include <QString>

namespace kv {

// The chosen parts of a file name. Path includes its final separator, the
// extension its dot. Asking for path and extension without the name gives an
// empty string.
QString FileNameParts(const QString &fileName, bool withPath, bool withName, bool withExt);

// Deletes dir with everything in it. True when dir is empty (nothing to do),
// does not exist, or was deleted. On failure the system's error text, CR LF and
// dir are shown in the error box and the result is false. A path that is not a
// directory, and the root of a file system, are refused the same way.
bool DeleteDirectoryTree(const QString &dir);

// Modification date-time of a file; 0 when there is no such file.
OleDate FileDateTime(const QString &fileName);

// The program's version, set by the build ("3.7.0.0").
QString ProgramVersion();
// Version of a program file. Files carry no version resource here: the running
// program's own file has the build's version, every other file none (empty).
QString FileVersionString(const QString &fileName);

// Current date-time "yyyyMMddhhmmsszzz" followed by a random number below
// 10^(n+1) - 1 with leading zeros to at least n digits (n limited to 0..17).
QString UniqueStamp(int n);

} // namespace kv
