#pragma once
// What a report template sees of the program: named record sources, values
// asked for by name, user functions and the drawing of the current position.
// The report data module implements ReportDataSource; the engine only walks
// and asks, so any data (tests use a fake) can feed a template.
#include "tools/Expression.h"
#include "tools/Money.h"
#include "tools/OleDate.h"

#include <QString>
#include <functional>
#include <optional>

class QPainter;
class QRectF;

namespace kv {

// A value answered to a template. Its kind decides how a field shows it when
// the template gives no display format; in expressions it is an ExprValue
// (money as a number of units, a date as its day count).
class ReportValue
{
public:
    enum class Kind { Text, Integer, Real, Boolean, Money, Date };

    ReportValue() = default; // empty text
    static ReportValue text(const QString &value);
    static ReportValue integer(qint64 value);
    static ReportValue real(double value);
    static ReportValue boolean(bool value);
    static ReportValue money(Money value);
    // Day count since 30.12.1899; 0 stands for "no date" and shows empty.
    static ReportValue date(OleDate value);
    static ReportValue date(const QDate &value);
    // The result of an expression: numbers become Real, the rest keep their type.
    static ReportValue fromExpr(const ExprValue &value);

    Kind kind() const { return m_kind; }
    ExprValue toExpr() const;
    // Exact for Money; other kinds convert through their number (0 if none).
    Money toMoney() const;

private:
    Kind m_kind = Kind::Text;
    ExprValue m_value = ExprValue(QString());
    Money m_money;
};

// Paints the object's content into rect (device coordinates of painter).
// Whatever it needs (the position to draw) is captured when the data side
// hands the routine over, because pages are painted after the data has moved on.
using DrawRoutine = std::function<void(QPainter &painter, const QRectF &rect)>;

// A named record source walked by a band: first, then next until eof.
class ReportRecordSource
{
public:
    virtual ~ReportRecordSource() = default;
    virtual void first() = 0;
    virtual void next() = 0;
    virtual bool eof() const = 0;
};

// What the engine offers the data side while a report is being prepared.
class ReportServices
{
public:
    virtual ~ReportServices() = default;
    // Whether the template has a picture object of that name (letter case ignored).
    virtual bool hasPictureObject(const QString &name) const = 0;
    // Loads the picture of every picture object of that name from an image
    // file; false when there is no such object or the file is no readable image.
    virtual bool loadPicture(const QString &name, const QString &file) = 0;
    // Evaluates an expression with the template's names and functions.
    virtual ExprValue evaluate(const QString &expression) = 0;
};

class ReportDataSource
{
public:
    virtual ~ReportDataSource() = default;
    // The record source of that name, or nullptr when there is none. The
    // engine does not take ownership.
    virtual ReportRecordSource *recordSource(const QString &name) = 0;
    // The value of a name as written in the template; nullopt when unknown.
    // A kv::Error thrown here ends the preparation with its text unchanged.
    virtual std::optional<ReportValue> value(const QString &name) = 0;
    // A user function; nullopt when there is no function of that name. Errors
    // end the preparation like those of value().
    virtual std::optional<ReportValue> call(const QString &name, const ExprArguments &args,
                                            ReportServices &services) = 0;
    // The draw routine for a position drawing object about to be placed, or an
    // empty routine (the object then shows the sketch caption).
    virtual DrawRoutine drawing(const QString &objectName);
};

} // namespace kv
