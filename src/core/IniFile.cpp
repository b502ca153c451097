#include "IniFile.h"

#include "tools/Errors.h"
#include "tools/Win1251.h"

#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QSaveFile>

#include <charconv>
#include <cmath>
#include <limits>

namespace kv {

namespace {

QByteArray trimmed(const QByteArray &b) { return b.trimmed(); }

QString stripQuotes(const QString &value)
{
    if (value.size() >= 2) {
        const QChar first = value.front();
        if ((first == QLatin1Char('"') || first == QLatin1Char('\'')) && value.back() == first)
            return value.mid(1, value.size() - 2);
    }
    return value;
}

QString oneLine(const QString &value)
{
    QString v = value;
    v.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    v.replace(QLatin1Char('\r'), QLatin1Char(' '));
    v.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return v;
}

} // namespace

bool IniFile::load(const QString &path)
{
    m_lines.clear();
    QFile f(path);
    if (!f.exists())
        return false;
    if (!f.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("Ошибка чтения файла %1\r\n(%2)").arg(path, f.errorString()));
    setContent(f.readAll());
    return true;
}

void IniFile::save(const QString &path) const
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        throw Error(QStringLiteral("Ошибка записи файла %1\r\n(%2)").arg(path, f.errorString()));
    const QByteArray data = content();
    if (f.write(data) != data.size() || !f.commit())
        throw Error(QStringLiteral("Ошибка записи файла %1\r\n(%2)").arg(path, f.errorString()));
}

void IniFile::setContent(const QByteArray &content)
{
    m_lines.clear();
    qsizetype start = 0;
    const qsizetype n = content.size();
    while (start < n) {
        qsizetype i = start;
        while (i < n && content[i] != '\r' && content[i] != '\n')
            ++i;
        Line line;
        line.text = content.mid(start, i - start);
        if (i < n) {
            if (content[i] == '\r' && i + 1 < n && content[i + 1] == '\n')
                line.end = QByteArrayLiteral("\r\n");
            else
                line.end = content.mid(i, 1);
        }
        start = i + line.end.size();
        m_lines.push_back(std::move(line));
    }
}

QByteArray IniFile::content() const
{
    QByteArray out;
    for (const Line &l : m_lines) {
        out += l.text;
        out += l.end;
    }
    return out;
}

bool IniFile::isHeader(const QByteArray &line, QString *name)
{
    const QByteArray t = trimmed(line);
    if (!t.startsWith('['))
        return false;
    const qsizetype close = t.indexOf(']');
    if (close < 0)
        return false;
    if (name)
        *name = cp1251::decode(t.mid(1, close - 1)).trimmed();
    return true;
}

bool IniFile::isEntry(const QByteArray &line, QString *key, QByteArray *rawKey)
{
    const QByteArray t = trimmed(line);
    if (t.isEmpty() || t.startsWith(';') || t.startsWith('['))
        return false;
    const qsizetype eq = line.indexOf('=');
    if (eq < 0)
        return false;
    if (key)
        *key = cp1251::decode(line.left(eq)).trimmed();
    if (rawKey)
        *rawKey = line.left(eq);
    return true;
}

int IniFile::findSection(const QString &section) const
{
    const QString wanted = section.trimmed();
    for (size_t i = 0; i < m_lines.size(); ++i) {
        QString name;
        if (isHeader(m_lines[i].text, &name) && cp1251::equalsIgnoreCase(name, wanted))
            return int(i);
    }
    return -1;
}

int IniFile::sectionEnd(int headerLine) const
{
    size_t i = size_t(headerLine) + 1;
    while (i < m_lines.size() && !isHeader(m_lines[i].text))
        ++i;
    return int(i);
}

int IniFile::findKey(int headerLine, const QString &key) const
{
    const QString wanted = key.trimmed();
    const int end = sectionEnd(headerLine);
    for (int i = headerLine + 1; i < end; ++i) {
        QString name;
        if (isEntry(m_lines[size_t(i)].text, &name) && cp1251::equalsIgnoreCase(name, wanted))
            return i;
    }
    return -1;
}

const IniFile::Line *IniFile::findEntry(const QString &section, const QString &key) const
{
    const int header = findSection(section);
    if (header < 0)
        return nullptr;
    const int line = findKey(header, key);
    return line < 0 ? nullptr : &m_lines[size_t(line)];
}

bool IniFile::sectionExists(const QString &section) const { return findSection(section) >= 0; }

bool IniFile::valueExists(const QString &section, const QString &key) const
{
    return findEntry(section, key) != nullptr;
}

QStringList IniFile::sections() const
{
    QStringList out;
    for (const Line &l : m_lines) {
        QString name;
        if (isHeader(l.text, &name))
            out << name;
    }
    return out;
}

QStringList IniFile::keys(const QString &section) const
{
    QStringList out;
    const int header = findSection(section);
    if (header < 0)
        return out;
    const int end = sectionEnd(header);
    for (int i = header + 1; i < end; ++i) {
        QString name;
        if (isEntry(m_lines[size_t(i)].text, &name))
            out << name;
    }
    return out;
}

QString IniFile::readString(const QString &section, const QString &key, const QString &def) const
{
    const Line *l = findEntry(section, key);
    if (!l)
        return def;
    const qsizetype eq = l->text.indexOf('=');
    return stripQuotes(cp1251::decode(l->text.mid(eq + 1)).trimmed());
}

int IniFile::readInteger(const QString &section, const QString &key, int def) const
{
    const QString text = readString(section, key);
    if (text.isEmpty())
        return def;
    QString digits = text;
    bool negative = false;
    if (digits.startsWith(QLatin1Char('-')) || digits.startsWith(QLatin1Char('+'))) {
        negative = digits.front() == QLatin1Char('-');
        digits.remove(0, 1);
    }
    int base = 10;
    if (digits.startsWith(QLatin1Char('$'))) {
        digits.remove(0, 1);
        base = 16;
    } else if (digits.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        digits.remove(0, 2);
        base = 16;
    }
    if (digits.isEmpty())
        return def;
    for (QChar c : digits) {
        const bool ok = base == 10 ? c.isDigit() && c.unicode() < 128
                                   : QStringLiteral("0123456789abcdefABCDEF").contains(c);
        if (!ok)
            return def;
    }
    bool ok = false;
    const qlonglong v = digits.toLongLong(&ok, base);
    if (!ok)
        return def;
    const qlonglong s = negative ? -v : v;
    if (base == 10 && (s < std::numeric_limits<int>::min() || s > std::numeric_limits<int>::max()))
        return def;
    if (base == 16 && v > 0xFFFFFFFFLL)
        return def;
    return base == 16 ? int(quint32(s)) : int(s);
}

bool IniFile::readBool(const QString &section, const QString &key, bool def) const
{
    return readInteger(section, key, def ? 1 : 0) != 0;
}

bool IniFile::parseFloat(const QString &text, double *value)
{
    static const QRegularExpression re(
        QStringLiteral("^[+-]?(\\d+([.,]\\d*)?|[.,]\\d+)([eE][+-]?\\d+)?$"));
    if (!re.match(text).hasMatch())
        return false;
    QByteArray latin = text.toLatin1();
    latin.replace(',', '.');
    bool ok = false;
    const double v = latin.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return false;
    *value = v;
    return true;
}

double IniFile::readFloat(const QString &section, const QString &key, double def) const
{
    double v = 0;
    return parseFloat(readString(section, key), &v) ? v : def;
}

void IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    const QByteArray encodedValue = cp1251::encode(oneLine(value));
    int header = findSection(section);
    if (header >= 0) {
        const int existing = findKey(header, key);
        if (existing >= 0) {
            QByteArray rawKey;
            isEntry(m_lines[size_t(existing)].text, nullptr, &rawKey);
            m_lines[size_t(existing)].text = rawKey + '=' + encodedValue;
            return;
        }
        // After the section's last entry (or its header): blank lines and
        // comments before the next section stay where they are.
        int after = header;
        const int end = sectionEnd(header);
        for (int i = header + 1; i < end; ++i)
            if (isEntry(m_lines[size_t(i)].text))
                after = i;
        if (m_lines[size_t(after)].end.isEmpty())
            m_lines[size_t(after)].end = QByteArrayLiteral("\r\n");
        Line entry{cp1251::encode(key) + '=' + encodedValue, QByteArrayLiteral("\r\n")};
        m_lines.insert(m_lines.begin() + after + 1, std::move(entry));
        return;
    }
    if (!m_lines.empty() && m_lines.back().end.isEmpty())
        m_lines.back().end = QByteArrayLiteral("\r\n");
    m_lines.push_back(Line{'[' + cp1251::encode(section) + ']', QByteArrayLiteral("\r\n")});
    m_lines.push_back(Line{cp1251::encode(key) + '=' + encodedValue, QByteArrayLiteral("\r\n")});
}

void IniFile::writeInteger(const QString &section, const QString &key, int value)
{
    writeString(section, key, QString::number(value));
}

void IniFile::writeBool(const QString &section, const QString &key, bool value)
{
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

QString IniFile::floatText(double value, QChar decimalSeparator)
{
    QString t = QString::number(value, 'g', QLocale::FloatingPointShortest);
    t.replace(QLatin1Char('.'), decimalSeparator);
    return t;
}

QString IniFile::singleText(float value, QChar decimalSeparator)
{
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    QString t = QString::fromLatin1(buf, res.ptr - buf);
    t.replace(QLatin1Char('.'), decimalSeparator);
    return t;
}

void IniFile::writeFloat(const QString &section, const QString &key, double value, QChar decimalSeparator)
{
    writeString(section, key, floatText(value, decimalSeparator));
}

void IniFile::writeSingle(const QString &section, const QString &key, float value, QChar decimalSeparator)
{
    writeString(section, key, singleText(value, decimalSeparator));
}

} // namespace kv
