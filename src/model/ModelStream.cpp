#include "ModelStream.h"

#include "tools/Messages.h"

#include <QDate>
#include <exception>

namespace kv {

bool IsValidStamp(const QString &stamp)
{
    const QStringList parts = stamp.split(QLatin1Char('.'));
    if (parts.size() != 3)
        return false;
    int v[3];
    for (int i = 0; i < 3; ++i) {
        const QString p = parts.at(i).trimmed();
        if (p.isEmpty() || p.size() > 4)
            return false;
        for (QChar c : p)
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return false;
        v[i] = p.toInt();
    }
    return QDate::isValid(v[2], v[1], v[0]) && v[2] >= 1;
}

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

bool SaveStreamToFile(const QString &fileName, const std::function<void(TSpecStream &)> &write,
                      const QString &errorFormat)
{
    if (fileName.isEmpty())
        return false;
    try {
        TSpecStream stream;
        write(stream);
        stream.saveToFile(fileName);
    } catch (const Error &e) {
        ShowErrorBox(errorFormat.arg(e.text()));
        return false;
    } catch (const std::exception &e) {
        ShowErrorBox(errorFormat.arg(QString::fromLocal8Bit(e.what())));
        return false;
    }
    return true;
}

bool ReadWholeFile(const QString &fileName, QByteArray &data,
                   const std::function<QString(const QString &)> &loadError)
{
    if (fileName.isEmpty())
        return false;
    try {
        TSpecStream file;
        file.loadFromFile(fileName);
        data = file.data();
    } catch (const Error &e) {
        ShowErrorBox(loadError(e.text()));
        return false;
    } catch (const std::exception &e) {
        ShowErrorBox(loadError(QString::fromLocal8Bit(e.what())));
        return false;
    }
    return true;
}

bool AcceptFileStamp(const QString &stamp, const QString &current, const QString &convertQuestion,
                     const QString &newerWarning, bool &converted)
{
    if (stamp == current)
        return true;
    if (IsStampOlder(stamp, current)) {
        if (!AskOkCancel(convertQuestion.arg(stamp, current)))
            return false;
        converted = true;
        return true;
    }
    ShowWarningBox(newerWarning.arg(current, stamp));
    return false;
}

} // namespace kv
