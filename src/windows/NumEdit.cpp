#include "windows/NumEdit.h"

#include "tools/Errors.h"
#include "windows/DisplayFormats.h"

#include <QKeyEvent>
#include <QLocale>
#include <QValidator>
#include <cmath>
#include <limits>

namespace kv {

namespace {

// Pasted and dropped text passes the same limits as typed text; the key
// filter below handles single keys, this catches the rest.
class NumEditValidator : public QValidator
{
public:
    explicit NumEditValidator(TNumEdit *edit) : QValidator(edit), m_edit(edit) {}

    State validate(QString &input, int &) const override
    {
        if (m_edit->numStyle() == TNumEdit::nsHex) {
            input = input.toUpper();
            if (input.size() > m_edit->digits())
                return Invalid;
            for (QChar c : input)
                if (!c.isDigit() && (c < QLatin1Char('A') || c > QLatin1Char('F')))
                    return Invalid;
            return Acceptable;
        }
        const QChar sep = displayFormats().DecimalSeparator;
        const int decimals = m_edit->effectiveDecimals();
        int intDigits = 0, fracDigits = 0;
        bool seenSep = false;
        for (qsizetype i = 0; i < input.size(); ++i) {
            const QChar c = input.at(i);
            if (c == QLatin1Char('-') && i == 0)
                continue;
            if (c == sep && !seenSep && decimals > 0) {
                seenSep = true;
                continue;
            }
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return Invalid;
            ++(seenSep ? fracDigits : intDigits);
        }
        return intDigits <= m_edit->digits() && fracDigits <= decimals ? Acceptable : Invalid;
    }

private:
    TNumEdit *m_edit;
};

} // namespace

TNumEdit::TNumEdit(QWidget *parent) : QLineEdit(parent)
{
    setValidator(new NumEditValidator(this));
}

TNumEdit::TNumEdit(TNumStyle style, int digits, int decimals, QWidget *parent) : TNumEdit(parent)
{
    m_style = style;
    m_digits = digits;
    m_decimals = decimals;
    normalize();
}

void TNumEdit::setNumStyle(TNumStyle style)
{
    m_style = style;
    normalize();
}

void TNumEdit::setDigits(int digits)
{
    m_digits = qMax(1, digits);
    normalize();
}

void TNumEdit::setDecimals(int decimals)
{
    m_decimals = qMax(0, decimals);
    normalize();
}

int TNumEdit::effectiveDecimals() const
{
    switch (m_style) {
    case nsFloat:
        return m_decimals;
    case nsCurrency:
        return displayFormats().CurrencyDecimals;
    default:
        return 0;
    }
}

QChar TNumEdit::separator() const
{
    return displayFormats().DecimalSeparator;
}

int TNumEdit::separatorPos() const
{
    return int(text().indexOf(separator())) + 1;
}

double TNumEdit::toDouble(const QString &t) const
{
    QString s = t;
    s.replace(separator(), QLatin1Char('.'));
    bool ok = false;
    const double v = QLocale::c().toDouble(s, &ok);
    if (!ok || !std::isfinite(v))
        throw Error(QStringLiteral("'%1' - недопустимое числовое значение").arg(t));
    return v;
}

qint32 TNumEdit::asInteger() const
{
    const QString t = text();
    if (t.isEmpty())
        return 0;
    if (m_style == nsHex) {
        bool ok = false;
        const qint64 v = t.toLongLong(&ok, 16);
        if (!ok || v > qint64(std::numeric_limits<quint32>::max()))
            throw Error(QStringLiteral("'%1' - недопустимое целое значение").arg(t));
        return qint32(quint32(v));
    }
    if (!t.contains(separator())) {
        bool ok = false;
        const qint32 v = QLocale::c().toInt(t, &ok);
        if (!ok)
            throw Error(QStringLiteral("'%1' - недопустимое целое значение").arg(t));
        return v;
    }
    const double rounded = std::nearbyint(toDouble(t)); // ties to even in the default mode
    if (rounded < double(std::numeric_limits<qint32>::min()) || rounded > double(std::numeric_limits<qint32>::max()))
        throw Error(QStringLiteral("'%1' - недопустимое целое значение").arg(t));
    return qint32(rounded);
}

double TNumEdit::asFloat() const
{
    const QString t = text();
    return t.isEmpty() ? 0.0 : toDouble(t);
}

Money TNumEdit::asCurrency() const
{
    const QString t = text();
    if (t.isEmpty())
        return Money();
    QString s = t;
    s.replace(separator(), QLatin1Char('.'));
    if (const auto m = Money::parse(s))
        return *m;
    throw Error(QStringLiteral("'%1' - недопустимое денежное значение").arg(t));
}

void TNumEdit::setInteger(qint32 value)
{
    setText(m_style == nsHex ? QString::number(quint32(value), 16).toUpper() : QString::number(value));
    normalize();
}

void TNumEdit::setFloat(double value)
{
    QString s = QLocale::c().toString(value, 'f', m_decimals);
    s.replace(QLatin1Char('.'), separator());
    setText(s);
    normalize();
}

void TNumEdit::setCurrency(Money value)
{
    // The shortest exact form: "12,5" for 12.5, "12" for 12.
    QString s = value.toString();
    while (s.endsWith(QLatin1Char('0')))
        s.chop(1);
    if (s.endsWith(QLatin1Char('.')))
        s.chop(1);
    s.replace(QLatin1Char('.'), separator());
    setText(s);
    normalize();
}

void TNumEdit::normalize()
{
    QString t = text();
    if (t.isEmpty() || t == QLatin1String("-"))
        t = QStringLiteral("0");
    if (m_style == nsHex) {
        if (t.size() < m_digits)
            t = t.rightJustified(m_digits, QLatin1Char('0'));
    } else if (m_style == nsFloat || m_style == nsCurrency) {
        const int decimals = effectiveDecimals();
        const QChar sep = separator();
        qsizetype p = t.indexOf(sep);
        if (decimals > 0) {
            if (p < 0) {
                p = t.size();
                t += sep;
            }
            QString fraction = t.mid(p + 1);
            if (fraction.size() > decimals)
                fraction.truncate(decimals); // cut, never rounded
            else
                fraction += QString(decimals - fraction.size(), QLatin1Char('0'));
            QString whole = t.left(p);
            if (whole.isEmpty())
                whole = QStringLiteral("0");
            else if (whole == QLatin1String("-"))
                whole = QStringLiteral("-0");
            t = whole + sep + fraction;
        } else if (p >= 0) {
            t.truncate(p);
            if (t.isEmpty() || t == QLatin1String("-"))
                t = QStringLiteral("0");
        }
    }
    if (t != text())
        setText(t);
}

void TNumEdit::cutFraction(int separatorIndex)
{
    setSelection(separatorIndex, int(text().size()) - separatorIndex);
    del();
}

bool TNumEdit::acceptChar(QChar c)
{
    const QString t = text();
    const bool selected = hasSelectedText();
    const int caret = cursorPosition();

    if (m_style == nsHex) {
        const QChar u = c.toUpper();
        const bool hexDigit = c.isDigit() || (u >= QLatin1Char('A') && u <= QLatin1Char('F'));
        if (!hexDigit || (t.size() >= m_digits && !selected))
            return false;
        insert(QString(u));
        return true;
    }

    const int sepPos = separatorPos();
    const int decimals = effectiveDecimals();
    if (c == QLatin1Char('-')) {
        if (caret != 0)
            return false;
        insert(QStringLiteral("-"));
        return true;
    }
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
        if (sepPos > 0 && caret >= sepPos) {
            if (t.size() - sepPos >= decimals && !selected)
                return false;
        } else {
            QString whole = sepPos > 0 ? t.left(sepPos - 1) : t;
            if (whole.startsWith(QLatin1Char('-')))
                whole.remove(0, 1);
            if (whole.size() >= m_digits && !selected)
                return false;
        }
        insert(QString(c));
        return true;
    }
    // The keypad's point counts as the separator too.
    if (c == separator() || c == QLatin1Char('.') || c == QLatin1Char(',')) {
        if (decimals <= 0)
            return false;
        if (sepPos > 0) {
            setCursorPosition(sepPos);
            return false;
        }
        insert(QString(separator()));
        return true;
    }
    return false;
}

void TNumEdit::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (m_style != nsHex && !hasSelectedText() && (key == Qt::Key_Backspace || key == Qt::Key_Delete)
        && event->modifiers() == Qt::NoModifier) {
        // Taking the separator away takes its fraction with it.
        const int sepPos = separatorPos();
        const int caret = cursorPosition();
        if (sepPos > 0 && ((key == Qt::Key_Backspace && caret == sepPos) || (key == Qt::Key_Delete && caret == sepPos - 1))) {
            cutFraction(sepPos - 1);
            event->accept();
            return;
        }
    }
    const QString typed = event->text();
    const bool shortcut = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (typed.isEmpty() || shortcut || typed.at(0).unicode() < 0x20 || typed.at(0).unicode() == 0x7f) {
        QLineEdit::keyPressEvent(event); // editing, moving, clipboard, dialog keys
        return;
    }
    for (QChar c : typed)
        acceptChar(c);
    event->accept();
}

void TNumEdit::focusOutEvent(QFocusEvent *event)
{
    normalize();
    QLineEdit::focusOutEvent(event);
}

} // namespace kv
