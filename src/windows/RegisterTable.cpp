#include "windows/RegisterTable.h"

#include "core/Data.h"
#include "windows/DisplayFormats.h"

namespace kv {

RegisterTableScope::RegisterTableScope(TDataTable &table) : m_table(table)
{
    if (!table.isActive()) {
        table.open();
        m_opened = true;
    }
    m_filter = table.filter();
    m_filtered = table.isFiltered();
    m_bookmark = table.recNo() > 0 ? table.bookmark() : -1;
    table.disableControls();
    if (m_filtered)
        table.setFiltered(false);
}

RegisterTableScope::~RegisterTableScope()
{
    try {
        if (m_opened) {
            m_table.enableControls();
            m_table.close();
            return;
        }
        if (m_filtered) {
            m_table.setFilter(m_filter);
            m_table.setFiltered(true);
        }
        if (m_bookmark >= 0)
            m_table.gotoBookmark(m_bookmark);
    } catch (...) {
        // The filter was in force before; a failure here leaves the table unfiltered.
    }
    m_table.enableControls();
}

bool RegisterTableScope::locateNo(const QString &orderNo)
{
    return m_table.locate(QStringLiteral("No"), orderNo, LocateOption::CaseInsensitive);
}

std::optional<QDate> FindRegisteredOrder(const QString &orderNo)
{
    RegisterTableScope reg(DM().T_OrderList);
    if (!reg.locateNo(orderNo))
        return std::nullopt;
    return reg.table().fieldValue(QStringLiteral("RegDate")).toDate();
}

QString RegisteredNumberText(const QString &orderNo, const QDate &regDate)
{
    return QStringLiteral("Заказ с номером %1 был зарегистрирован %2!\r\nУкажите другой номер заказа.")
        .arg(orderNo, FormatShortDate(regDate));
}

} // namespace kv
