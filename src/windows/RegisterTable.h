#pragma once
// Work on the order register table (OrderLst) from a document window: the
// table is opened for the work when it is closed and closed again after it,
// its filter is off during the work, and its filter, current row and
// controls are put back afterwards, also when an error passes.
#include <QDate>
#include <QString>
#include <optional>

namespace kv {

class TDataTable;

class RegisterTableScope
{
public:
    // Throws kv::Error when the table cannot be opened.
    explicit RegisterTableScope(TDataTable &table);
    ~RegisterTableScope();
    RegisterTableScope(const RegisterTableScope &) = delete;
    RegisterTableScope &operator=(const RegisterTableScope &) = delete;

    TDataTable &table() const { return m_table; }
    // Moves to the row with this number, letter case ignored.
    bool locateNo(const QString &orderNo);

private:
    TDataTable &m_table;
    bool m_opened = false;
    QString m_filter;
    bool m_filtered = false;
    qint64 m_bookmark = -1;
};

// The registration date of the register row with this number (letter case
// ignored); nothing when there is no such row.
std::optional<QDate> FindRegisteredOrder(const QString &orderNo);

// The warning for a number registered already.
QString RegisteredNumberText(const QString &orderNo, const QDate &regDate);

} // namespace kv
