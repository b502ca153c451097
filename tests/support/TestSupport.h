#pragma once
#include <QString>
#include <QByteArray>

namespace kvtest {

// Directory of the current test run's scratch files; removed at exit.
QString scratchDir();

// Path of a file under the source tree (fixtures in tests/ and data/).
QString sourcePath(const QString &relative);

QByteArray readFile(const QString &path);
void writeFile(const QString &path, const QByteArray &data);

} // namespace kvtest
