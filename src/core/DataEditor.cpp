#include "DataEditor.h"

#include "core/Data.h"
#include "core/TableData.h"
#include "tools/Errors.h"

#include <QDate>
#include <QLocale>
#include <algorithm>
#include <cmath>
#include <limits>

namespace kv {

namespace {


// The database's key violation in the user's words.
Error readableWriteError(const Error &e, const TDataTable &table)
{
    if (e.text().contains(QLatin1String("UNIQUE constraint failed")))
        return Error(QStringLiteral("Запись с таким ключом уже есть в таблице [%1]").arg(table.tableName()));
    return e;
}

// Text typed for a number: blanks (thousands) dropped, comma or point.
QString numberText(const QString &text)
{
    QString s = text.trimmed();
    s.remove(QLatin1Char(' '));
    s.remove(QChar(0x00A0));
    s.replace(QLatin1Char(','), QLatin1Char('.'));
    return s;
}

} // namespace

TDataEditor &TDataEditor::of(TDataTable &table)
{
    if (auto *e = table.findChild<TDataEditor *>(QString(), Qt::FindDirectChildrenOnly))
        return *e;
    return *new TDataEditor(table);
}

TDataEditor::TDataEditor(TDataTable &table) : QObject(&table), m_table(table)
{
    // A table closed under a pending record loses it.
    connect(&table, &TDataSet::dataChanged, this, [this] {
        if (isEditing() && !m_table.isActive())
            cancel();
    });
}

void TDataEditor::setState(State s)
{
    if (m_state == s)
        return;
    m_state = s;
    Q_EMIT stateChanged();
}

void TDataEditor::edit()
{
    if (isEditing())
        return;
    const qint64 bm = m_table.bookmark();
    if (bm < 0)
        throw Error(QStringLiteral("Нет текущей записи в таблице [%1]").arg(m_table.tableName()));
    m_values.clear();
    m_bookmark = bm;
    setState(State::Edit);
}

void TDataEditor::insert() { startNew(false); }

void TDataEditor::append() { startNew(true); }

void TDataEditor::startNew(bool atEnd)
{
    checkBrowseMode();
    if (!m_table.isActive())
        throw Error(QStringLiteral("Операция невозможна: таблица [%1] закрыта").arg(m_table.tableName()));
    m_values.clear();
    m_bookmark = -1;
    const int count = m_table.recordCount();
    m_insertAt = atEnd || count == 0 ? count : m_table.recNo() - 1;
    // A second insert in a row moves the pending record, so say so.
    if (m_state == State::Insert)
        Q_EMIT stateChanged();
    setState(State::Insert);
}

int TDataEditor::insertPosition() const
{
    if (m_state != State::Insert)
        return -1;
    return std::clamp(m_insertAt, 0, m_table.recordCount());
}

void TDataEditor::checkBrowseMode()
{
    if (isEditing())
        post();
}

void TDataEditor::post()
{
    if (m_state == State::Browse)
        return;
    // The table announces the write while it happens: by then the buffer
    // must already read as written, so the state changes first and comes
    // back when the write fails.
    const State was = m_state;
    m_state = State::Browse;
    try {
        if (was == State::Insert)
            writeNew();
        else
            writeChanges();
    } catch (...) {
        m_state = was;
        throw;
    }
    m_values.clear();
    m_bookmark = -1;
    m_insertAt = -1;
    Q_EMIT stateChanged();
}

void TDataEditor::writeNew()
{
    QVariantMap values;
    for (auto it = m_values.constBegin(); it != m_values.constEnd(); ++it)
        if (it.value().isValid())
            values.insert(it.key(), it.value());
    try {
        m_table.appendRecord(values);
    } catch (const Error &e) {
        throw readableWriteError(e, m_table);
    }
}

void TDataEditor::writeChanges()
{
    if (m_values.isEmpty())
        return;
    QVariantMap values;
    for (auto it = m_values.constBegin(); it != m_values.constEnd(); ++it) {
        QVariant v = it.value();
        if (!v.isValid()) { // a cleared field takes the empty value of its type
            const TField *f = m_table.findField(it.key());
            const bool number = f && !f->def().isText() && f->dataType() != FieldType::Date;
            v = number ? QVariant(0) : QVariant(QString());
        }
        values.insert(it.key(), v);
    }
    DisabledControls off(m_table);
    const qint64 current = m_table.bookmark();
    if (!m_table.gotoBookmark(m_bookmark))
        throw Error(QStringLiteral("Запись таблицы [%1] удалена другим пользователем").arg(m_table.tableName()));
    try {
        m_table.updateRecord(values);
    } catch (const Error &e) {
        if (current != m_bookmark)
            m_table.gotoBookmark(current);
        throw readableWriteError(e, m_table);
    }
    if (current != m_bookmark)
        m_table.gotoBookmark(current);
}

void TDataEditor::cancel()
{
    if (!isEditing())
        return;
    m_values.clear();
    m_bookmark = -1;
    m_insertAt = -1;
    setState(State::Browse);
}

void TDataEditor::deleteCurrent()
{
    switch (m_state) {
    case State::Insert:
        cancel();
        return;
    case State::Edit: {
        const qint64 bm = m_bookmark;
        cancel();
        if (!m_table.gotoBookmark(bm))
            return;
        break;
    }
    case State::Browse:
        break;
    }
    m_table.deleteRecord();
}

bool TDataEditor::isModified(const QString &fieldName) const
{
    const TField *f = m_table.findField(fieldName);
    return isEditing() && f && m_values.contains(f->fieldName());
}

QVariant TDataEditor::value(const QString &fieldName) const
{
    const TField *f = m_table.findField(fieldName);
    if (!f)
        return {};
    if (!isEditing())
        return f->value();
    switch (f->fieldKind()) {
    case FieldKind::Calculated:
        return {};
    case FieldKind::Lookup:
        return lookupValue(*f);
    case FieldKind::Data:
        break;
    }
    auto it = m_values.constFind(f->fieldName());
    if (it != m_values.constEnd())
        return it.value();
    if (m_state == State::Insert)
        return {};
    if (m_table.bookmark() == m_bookmark)
        return f->value();
    return f->valueAt(m_table.viewIndexOfBookmark(m_bookmark));
}

QVariant TDataEditor::lookupValue(const TField &field) const
{
    const FieldDef &d = field.def();
    const QVariant key = value(d.keyField);
    if (!key.isValid())
        return {};
    TDM *dm = TDM::instance();
    TTableData *data = dm ? dm->tableData(d.lookupTable) : nullptr;
    if (!data || !data->isLoaded())
        return {};
    const int row = data->findFirst(data->columnIndex(d.lookupKey), key);
    const int result = data->columnIndex(d.lookupResult);
    return row < 0 || result < 0 ? QVariant() : data->value(result, row);
}

void TDataEditor::setValue(const QString &fieldName, const QVariant &value)
{
    if (!isEditing())
        throw Error(QStringLiteral("Таблица [%1] не в режиме редактирования").arg(m_table.tableName()));
    const TField *f = m_table.findField(fieldName);
    if (!f)
        throw Error(QStringLiteral("Поле [%1] не найдено в таблице [%2]").arg(fieldName, m_table.tableName()));
    if (f->fieldKind() == FieldKind::Lookup) { // the key decides what a lookup field shows
        setValue(f->def().keyField, value);
        Q_EMIT valueChanged(f->fieldName());
        return;
    }
    if (f->isReadOnly())
        throw Error(QStringLiteral("Поле [%1] таблицы [%2] изменять нельзя").arg(f->fieldName(), m_table.tableName()));
    m_values.insert(f->fieldName(), convert(*f, value));
    Q_EMIT valueChanged(f->fieldName());
}

QVariant TDataEditor::convert(const TField &field, const QVariant &value)
{
    const FieldDef &d = field.def();
    const bool isString = value.metaType().id() == QMetaType::QString;
    if (!value.isValid() || (isString && value.toString().trimmed().isEmpty() && !d.isText()))
        return {};
    switch (d.type) {
    case FieldType::String: {
        const QString s = value.toString();
        if (d.size > 0 && s.size() > d.size)
            throw Error(QStringLiteral("Значение поля [%1] длиннее %2 символов:\r\n%3")
                            .arg(d.displayLabel())
                            .arg(d.size)
                            .arg(s));
        return s;
    }
    case FieldType::SmallInt:
    case FieldType::Integer:
    case FieldType::AutoInc: {
        bool ok = false;
        qlonglong x = 0;
        if (isString) {
            x = numberText(value.toString()).toLongLong(&ok);
        } else {
            const double v = value.toDouble(&ok);
            ok = ok && std::isfinite(v) && v == std::trunc(v) && std::fabs(v) < 1e18;
            x = ok ? qlonglong(v) : 0;
        }
        if (!ok)
            throw Error(QStringLiteral("'%1' не является целым числом").arg(value.toString()));
        const qlonglong lo = d.type == FieldType::SmallInt ? -32768 : std::numeric_limits<qint32>::min();
        const qlonglong hi = d.type == FieldType::SmallInt ? 32767 : std::numeric_limits<qint32>::max();
        if (x < lo || x > hi)
            throw Error(QStringLiteral("Значение %1 поля [%2] вне допустимого диапазона (от %3 до %4)")
                            .arg(x)
                            .arg(d.displayLabel())
                            .arg(lo)
                            .arg(hi));
        return qint32(x);
    }
    case FieldType::Decimal:
    case FieldType::Money: {
        bool ok = false;
        const double x = isString ? QLocale::c().toDouble(numberText(value.toString()), &ok) : value.toDouble(&ok);
        if (!ok || !std::isfinite(x))
            throw Error(QStringLiteral("'%1' не является числом").arg(value.toString()));
        if (d.type == FieldType::Decimal) {
            const double p = std::pow(10.0, d.size);
            return std::round(x * p) / p;
        }
        return x;
    }
    case FieldType::Date: {
        if (value.metaType().id() == QMetaType::QDate)
            return value;
        const QString s = value.toString().trimmed();
        QDate date = QDate::fromString(s, QStringLiteral("dd.MM.yyyy"));
        if (!date.isValid())
            date = QDate::fromString(s, Qt::ISODate);
        if (!date.isValid())
            throw Error(QStringLiteral("'%1' не является датой").arg(s));
        return date;
    }
    case FieldType::Boolean:
        return value.toBool();
    }
    return value;
}

} // namespace kv
