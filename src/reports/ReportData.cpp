#include "reports/ReportData.h"

namespace kv {

ReportValue ReportValue::text(const QString &value)
{
    ReportValue v;
    v.m_value = ExprValue(value);
    return v;
}

ReportValue ReportValue::integer(qint64 value)
{
    ReportValue v;
    v.m_kind = Kind::Integer;
    v.m_value = ExprValue(double(value));
    return v;
}

ReportValue ReportValue::real(double value)
{
    ReportValue v;
    v.m_kind = Kind::Real;
    v.m_value = ExprValue(value);
    return v;
}

ReportValue ReportValue::boolean(bool value)
{
    ReportValue v;
    v.m_kind = Kind::Boolean;
    v.m_value = ExprValue(value);
    return v;
}

ReportValue ReportValue::money(Money value)
{
    ReportValue v;
    v.m_kind = Kind::Money;
    v.m_value = ExprValue(value.toDouble());
    v.m_money = value;
    return v;
}

ReportValue ReportValue::date(OleDate value)
{
    ReportValue v;
    v.m_kind = Kind::Date;
    v.m_value = ExprValue(double(value));
    return v;
}

ReportValue ReportValue::date(const QDate &value)
{
    return date(value.isValid() ? toOleDate(value) : OleDate(0));
}

ReportValue ReportValue::fromExpr(const ExprValue &value)
{
    switch (value.type()) {
    case ExprValue::Type::Number: return real(value.toNumber());
    case ExprValue::Type::Bool: return boolean(value.toBool());
    case ExprValue::Type::String: return text(value.toString());
    }
    return {};
}

ExprValue ReportValue::toExpr() const
{
    return m_value;
}

Money ReportValue::toMoney() const
{
    if (m_kind == Kind::Money)
        return m_money;
    if (m_kind == Kind::Text) {
        const auto parsed = Money::parse(m_value.toString());
        return parsed ? *parsed : Money();
    }
    return Money::fromDouble(m_value.toNumber());
}

DrawRoutine ReportDataSource::drawing(const QString &)
{
    return {};
}

} // namespace kv
