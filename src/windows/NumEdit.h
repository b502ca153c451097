#pragma once
// A single-line field that takes numbers only: integers, reals with a fixed
// number of decimals, money with the program's currency decimals, or
// hexadecimal digits. Keys that would make the text something other than a
// number are refused; leaving the field puts the text into its normal form.
#include "tools/Money.h"

#include <QLineEdit>

namespace kv {

class TNumEdit : public QLineEdit
{
    Q_OBJECT
public:
    enum TNumStyle { nsInteger, nsFloat, nsCurrency, nsHex };
    Q_ENUM(TNumStyle)
    Q_PROPERTY(TNumStyle NumStyle READ numStyle WRITE setNumStyle)
    Q_PROPERTY(int Digits READ digits WRITE setDigits)
    Q_PROPERTY(int Decimals READ decimals WRITE setDecimals)

    explicit TNumEdit(QWidget *parent = nullptr);
    TNumEdit(TNumStyle style, int digits, int decimals = 0, QWidget *parent = nullptr);

    TNumStyle numStyle() const { return m_style; }
    void setNumStyle(TNumStyle style);
    // Most integer digits (a minus sign not counted), or hexadecimal digits.
    int digits() const { return m_digits; }
    void setDigits(int digits);
    // Decimals of nsFloat.
    int decimals() const { return m_decimals; }
    void setDecimals(int decimals);
    // The decimals the text keeps: Decimals for nsFloat, the program's
    // currency decimals for nsCurrency, none otherwise.
    int effectiveDecimals() const;

    // Empty text reads as 0. A real text read as an integer is rounded to
    // the nearest, halves to even. Texts that are no number throw kv::Error.
    qint32 asInteger() const;
    double asFloat() const;
    Money asCurrency() const;
    void setInteger(qint32 value);
    // Fixed notation with Decimals decimals.
    void setFloat(double value);
    void setCurrency(Money value);

    // The normal form: "0" for empty text, hex padded to Digits, reals with
    // exactly their decimals and a digit before the separator.
    void normalize();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    QChar separator() const;
    // The separator's 1-based position in the text, 0 when absent.
    int separatorPos() const;
    // Removes the separator and every digit behind it as one edit.
    void cutFraction(int separatorIndex);
    bool acceptChar(QChar c);
    double toDouble(const QString &text) const;

    TNumStyle m_style = nsInteger;
    int m_digits = 9;
    int m_decimals = 0;
};

} // namespace kv
