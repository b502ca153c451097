#include "windows/LastOrderNo.h"

#include "core/Globals.h"
#include "tools/Win1251.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace kv {

QString LastOrderNoFile()
{
    const QString dir = OrdersDir.isEmpty() ? QCoreApplication::applicationDirPath() : OrdersDir;
    return JoinPath(dir, QStringLiteral("Karvelo.lon"));
}

std::optional<QString> ReadLastOrderNo()
{
    QFile f(LastOrderNoFile());
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = f.read(31);
    if (bytes.isEmpty())
        return std::nullopt;
    const int n = qMin<int>(quint8(bytes.at(0)), qMin<int>(30, int(bytes.size()) - 1));
    return cp1251::decode(bytes.mid(1, n));
}

void WriteLastOrderNo(const QString &orderNo)
{
    QByteArray number = cp1251::encode(orderNo);
    number.truncate(30);
    QByteArray bytes(31, '\0');
    bytes[0] = char(quint8(number.size()));
    std::copy(number.begin(), number.end(), bytes.begin() + 1);
    const QString path = LastOrderNoFile();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile f(path);
    if (f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size())
        f.commit();
}

} // namespace kv
