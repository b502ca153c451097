#include "Win1251.h"

#include <QHash>
#include <QStringDecoder>
#include <array>

namespace kv::cp1251 {
namespace {

struct Tables
{
    std::array<char16_t, 256> toUnicode{};
    QHash<char16_t, unsigned char> fromUnicode;
    std::array<unsigned char, 256> upper{};

    Tables()
    {
        QStringDecoder dec("windows-1251");
        for (int b = 0; b < 256; ++b) {
            const char byte = char(b);
            const QString s = dec.decode(QByteArrayView(&byte, 1));
            char16_t u = s.isEmpty() ? char16_t(b) : char16_t(s.at(0).unicode());
            // Byte 0x98 is unassigned; keep a distinct round-tripping character.
            toUnicode[b] = u;
            fromUnicode.insert(u, static_cast<unsigned char>(b));
        }
        for (int b = 0; b < 256; ++b) {
            upper[b] = static_cast<unsigned char>(b);
            const QChar c(toUnicode[b]);
            const QString up = QString(c).toUpper();
            if (up.size() == 1 && up.at(0) != c) {
                auto it = fromUnicode.constFind(up.at(0).unicode());
                if (it != fromUnicode.constEnd())
                    upper[b] = it.value();
            }
        }
    }
};

const Tables &tables()
{
    static const Tables t;
    return t;
}

} // namespace

QByteArray encode(const QString &text, bool *lossy)
{
    const Tables &t = tables();
    QByteArray out;
    out.resize(text.size());
    bool lost = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text.at(i).unicode();
        if (u < 0x80) {
            out[i] = char(u);
            continue;
        }
        auto it = t.fromUnicode.constFind(u);
        if (it == t.fromUnicode.constEnd()) {
            out[i] = '?';
            lost = true;
        } else {
            out[i] = char(it.value());
        }
    }
    if (lossy)
        *lossy = lost;
    return out;
}

QString decode(const char *bytes, qsizetype size)
{
    const Tables &t = tables();
    QString out(size, Qt::Uninitialized);
    QChar *d = out.data();
    for (qsizetype i = 0; i < size; ++i)
        d[i] = QChar(t.toUnicode[static_cast<unsigned char>(bytes[i])]);
    return out;
}

QString decode(const QByteArray &bytes) { return decode(bytes.constData(), bytes.size()); }

bool isEncodable(const QString &text)
{
    bool lossy = false;
    encode(text, &lossy);
    return !lossy;
}

QChar toUpper(QChar c)
{
    const Tables &t = tables();
    const char16_t u = c.unicode();
    auto it = t.fromUnicode.constFind(u);
    if (it == t.fromUnicode.constEnd())
        return c;
    return QChar(t.toUnicode[t.upper[it.value()]]);
}

QString toUpper(const QString &text)
{
    QString out = text;
    QChar *d = out.data();
    for (qsizetype i = 0; i < out.size(); ++i) {
        const char16_t u = d[i].unicode();
        if (u >= 'a' && u <= 'z')
            d[i] = QChar(char16_t(u - 32));
        else if (u >= 0x80)
            d[i] = toUpper(d[i]);
    }
    return out;
}

int compare(const QString &a, const QString &b)
{
    const Tables &t = tables();
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t ua = a.at(i).unicode(), ub = b.at(i).unicode();
        if (ua == ub)
            continue;
        auto byteOf = [&t](char16_t u) -> int {
            if (u < 0x80)
                return u;
            auto it = t.fromUnicode.constFind(u);
            return it == t.fromUnicode.constEnd() ? '?' : it.value();
        };
        const int ba = byteOf(ua), bb = byteOf(ub);
        if (ba != bb)
            return ba < bb ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool equalsIgnoreCase(const QString &a, const QString &b)
{
    return a.size() == b.size() && toUpper(a) == toUpper(b);
}

} // namespace kv::cp1251
