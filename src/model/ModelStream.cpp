#include "ModelStream.h"

namespace kv {

QString StringsToText(const QStringList &lines)
{
    QString text;
    for (const QString &line : lines) {
        text += line;
        text += QLatin1String("\r\n");
    }
    return text;
}

QStringList TextToStrings(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            lines << text.mid(start, i - start);
            if (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            start = i + 1;
        }
        ++i;
    }
    if (start < n)
        lines << text.mid(start);
    return lines;
}

qint32 ReadCount(TSpecStream &stream, qsizetype minBytes)
{
    const qint32 count = ReadInt(stream);
    if (count < 0 || (count > 0 && qsizetype(count) > stream.remaining() / qMax<qsizetype>(1, minBytes)))
        throw StreamReadError(
            QStringLiteral("Недопустимое количество элементов [%1] в данных!").arg(count));
    return count;
}

} // namespace kv
