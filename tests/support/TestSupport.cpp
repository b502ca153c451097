#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace kvtest {

static QTemporaryDir &scratch()
{
    static QTemporaryDir dir;
    return dir;
}

QString scratchDir() { return scratch().path(); }

QString sourcePath(const QString &relative)
{
    return QDir(QStringLiteral(KARVELO_SOURCE_DIR)).filePath(relative);
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void writeFile(const QString &path, const QByteArray &data)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(data);
}

} // namespace kvtest
