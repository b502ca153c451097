#include "Files.h"
#include "Messages.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace kv {
namespace {

bool isSeparator(QChar c) { return c == QLatin1Char('\\') || c == QLatin1Char('/'); }

QString systemErrorText(int code) { return QString::fromLocal8Bit(std::strerror(code)); }

bool fail(const QString &reason, const QString &dir)
{
    ShowErrorBox(reason + QStringLiteral("\r\n") + dir);
    return false;
}

} // namespace

QString FileNameParts(const QString &fileName, bool withPath, bool withName, bool withExt)
{
    qsizetype nameStart = fileName.size();
    while (nameStart > 0 && !isSeparator(fileName.at(nameStart - 1)))
        --nameStart;
    qsizetype extStart = fileName.size();
    for (qsizetype i = fileName.size() - 1; i >= nameStart; --i)
        if (fileName.at(i) == QLatin1Char('.')) {
            extStart = i;
            break;
        }
    const QString path = fileName.left(nameStart);
    const QString name = fileName.mid(nameStart, extStart - nameStart);
    const QString ext = fileName.mid(extStart);
    if (withPath && !withName)
        return withExt ? QString() : path;
    return (withPath ? path : QString()) + (withName ? name : QString()) + (withExt ? ext : QString());
}

bool DeleteDirectoryTree(const QString &dir)
{
    if (dir.isEmpty()) // never the current directory by accident
        return true;
    const QFileInfo info(dir);
    if (!info.exists() && !info.isSymLink())
        return true;
    if (!info.isDir() || info.isSymLink())
        return fail(systemErrorText(ENOTDIR), dir);
    if (QDir(dir).isRoot())
        return fail(systemErrorText(EPERM), dir);
    if (QDir(dir).removeRecursively())
        return true;
    // Qt keeps going past what it cannot delete but gives no reason; a second
    // pass over the rest brings the system's own error text.
    std::error_code ec;
    std::filesystem::remove_all(std::filesystem::path(dir.toStdU16String()), ec);
    if (!ec && !QFileInfo::exists(dir))
        return true;
    return fail(ec ? QString::fromLocal8Bit(ec.message()) : systemErrorText(EIO), dir);
}

OleDate FileDateTime(const QString &fileName)
{
    const QFileInfo info(fileName);
    if (!info.isFile())
        return 0.0;
    return toOleDate(info.lastModified());
}

QString ProgramVersion() { return QStringLiteral(KARVELO_VERSION); }

QString FileVersionString(const QString &fileName)
{
    const QString self = QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath();
    const QString file = QFileInfo(fileName).canonicalFilePath();
    if (!file.isEmpty() && file == self)
        return ProgramVersion();
    return {};
}

QString UniqueStamp(int n)
{
    n = qBound(0, n, 17);
    qint64 limit = 10; // 10^(n+1)
    for (int i = 0; i < n; ++i)
        limit *= 10;
    const qint64 r = QRandomGenerator::global()->bounded(limit - 1);
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMddhhmmsszzz"))
        + QString::number(r).rightJustified(n, QLatin1Char('0'));
}

} // namespace kv
