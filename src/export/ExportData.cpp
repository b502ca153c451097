#include "ExportData.h"

#include "tools/Errors.h"
#include "tools/Messages.h"

#include <QDir>
#include <QFileInfo>
#include <cmath>

namespace kv {

QString exportFileName(const QString &exportDir, const QString &firmId, int number,
                       const QString &extension)
{
    // Like "%.4d": at least four digits, the sign in front of the zeros.
    const qint64 n = number;
    QString digits = QString::number(n < 0 ? -n : n).rightJustified(4, QLatin1Char('0'));
    if (n < 0)
        digits.prepend(QLatin1Char('-'));
    QString dir = exportDir;
    if (!dir.isEmpty() && !dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir + QLatin1Char('Z') + firmId + digits + QLatin1Char('.') + extension;
}

QString formatWholeQuantity(double quantity)
{
    const double r = std::round(quantity); // halves away from zero
    return QString::number(r == 0 ? 0.0 : r, 'f', 0);
}

bool prepareExportTarget(const QString &fileName)
{
    const QFileInfo info(fileName);
    const QString dir = info.absolutePath();
    if (!QDir().mkpath(dir))
        throw Error(QStringLiteral("Не удалось создать каталог [%1]").arg(QDir::toNativeSeparators(dir)));
    if (info.exists())
        return AskOkCancel(QStringLiteral("Файл [%1] уже существует!\r\nПереписать?").arg(fileName));
    return true;
}

} // namespace kv
