#include "DataSet.h"

#include "core/TableData.h"
#include "tools/Errors.h"
#include "tools/Messages.h"
#include "tools/OleDate.h"
#include "tools/Win1251.h"

#include <QLocale>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <algorithm>

namespace kv {

// ---------------------------------------------------------------- TDataSet

void TDataSet::enableControls()
{
    if (m_disabled > 0 && --m_disabled == 0)
        Q_EMIT dataChanged();
}

void TDataSet::notifyDataChanged()
{
    if (!controlsDisabled())
        Q_EMIT dataChanged();
}

void TDataSet::notifyCurrentChanged()
{
    if (!controlsDisabled())
        Q_EMIT currentChanged();
}

// ------------------------------------------------------------------ TField

QVariant TField::valueOfRow(int row) const
{
    if (row < 0)
        return {};
    switch (m_def->kind) {
    case FieldKind::Data:
        return m_table->data().value(m_column, row);
    case FieldKind::Lookup: {
        if (!m_lookupData || !m_lookupData->isLoaded() || m_lookupKey < 0 || m_lookupResult < 0)
            return {};
        const int r = m_lookupData->findFirst(m_lookupKey, m_table->data().value(m_keyColumn, row));
        return r < 0 ? QVariant() : m_lookupData->value(m_lookupResult, r);
    }
    case FieldKind::Calculated:
        break;
    }
    return {};
}

QVariant TField::value() const
{
    return valueOfRow(m_table->currentRow());
}

QVariant TField::valueAt(int viewIndex) const
{
    if (viewIndex < 0 || viewIndex >= m_table->recordCount())
        return {};
    return valueOfRow(m_table->rowAtView(viewIndex));
}

QString TField::asString() const
{
    const QVariant v = value();
    if (!v.isValid())
        return {};
    switch (v.metaType().id()) {
    case QMetaType::QString:
        return v.toString();
    case QMetaType::Double:
        return QString::number(v.toDouble(), 'g', 15);
    case QMetaType::QDate:
        return v.toDate().isValid() ? v.toDate().toString(QStringLiteral("dd.MM.yyyy")) : QString();
    default:
        return v.toString();
    }
}

qint32 TField::asInteger() const
{
    const QVariant v = value();
    if (!v.isValid())
        return 0;
    switch (v.metaType().id()) {
    case QMetaType::QString: {
        const QString s = v.toString().trimmed();
        if (s.isEmpty())
            return 0;
        bool ok = false;
        const int x = s.toInt(&ok);
        if (!ok)
            throw Error(QStringLiteral("'%1' не является целым числом (поле [%2])").arg(s, fieldName()));
        return x;
    }
    case QMetaType::Double:
        return qint32(roundTiesEven(v.toDouble()));
    case QMetaType::QDate:
        return v.toDate().isValid() ? qint32(toOleDate(v.toDate())) : 0;
    default:
        return v.toInt();
    }
}

double TField::asFloat() const
{
    const QVariant v = value();
    if (!v.isValid())
        return 0;
    switch (v.metaType().id()) {
    case QMetaType::QString: {
        const QString s = v.toString().trimmed();
        if (s.isEmpty())
            return 0;
        bool ok = false;
        const double x = QLocale::c().toDouble(s, &ok);
        if (!ok)
            throw Error(QStringLiteral("'%1' не является числом (поле [%2])").arg(s, fieldName()));
        return x;
    }
    case QMetaType::QDate:
        return v.toDate().isValid() ? toOleDate(v.toDate()) : 0.0;
    default:
        return v.toDouble();
    }
}

Money TField::asMoney() const
{
    return Money::fromDouble(asFloat());
}

// -------------------------------------------------------------- TDataTable

TDataTable::TDataTable(const ViewDef &view, TTableData &data, QObject *parent)
    : TDataSet(parent), m_view(view), m_data(data), m_order(view.order)
{
    setObjectName(view.objectName);
    auto add = [this](const FieldDef &def, int column) {
        auto f = std::make_unique<TField>();
        f->m_table = this;
        f->m_def = &def;
        f->m_column = column;
        m_fieldByName.insert(def.name.toUpper(), f.get());
        m_fieldByExact.insert(def.name, f.get());
        m_fields.push_back(std::move(f));
    };
    if (view.fields.isEmpty()) {
        for (int c = 0; c < data.columnCount(); ++c)
            add(data.column(c), c);
    } else {
        for (const QString &n : view.fields) {
            const int c = data.columnIndex(n);
            Q_ASSERT_X(c >= 0, "TDataTable", "bound field missing from the table definition");
            if (c >= 0)
                add(data.column(c), c);
        }
    }
    for (const FieldDef &def : view.extraFields) {
        add(def, -1);
        if (def.kind == FieldKind::Lookup)
            m_fields.back()->m_keyColumn = data.columnIndex(def.keyField);
    }
}

TDataTable::~TDataTable()
{
    if (m_active) {
        m_data.removeObserver(this);
        m_data.release();
    }
}

const QString &TDataTable::tableName() const { return m_data.name(); }

void TDataTable::resolveLookups(const std::function<TTableData *(const QString &)> &tableByName)
{
    for (auto &f : m_fields) {
        if (f->m_def->kind != FieldKind::Lookup)
            continue;
        f->m_lookupData = tableByName(f->m_def->lookupTable);
        if (f->m_lookupData) {
            f->m_lookupKey = f->m_lookupData->columnIndex(f->m_def->lookupKey);
            f->m_lookupResult = f->m_lookupData->columnIndex(f->m_def->lookupResult);
        }
    }
}

void TDataTable::checkActive() const
{
    if (!m_active)
        throw Error(QStringLiteral("Операция невозможна: таблица [%1] закрыта").arg(tableName()));
}

void TDataTable::open()
{
    if (m_active)
        return;
    m_data.acquire();
    try {
        m_fixed = m_view.fixedFilter.isEmpty() ? nullptr : m_data.compiledFilter(m_view.fixedFilter, name());
        m_compiledFilter = m_filterText.isEmpty() ? nullptr : m_data.compiledFilter(m_filterText, name());
        bool ci = false;
        m_orderColumns = resolveOrder(m_order, &ci);
    } catch (...) {
        m_data.release();
        throw;
    }
    m_data.addObserver(this);
    m_active = true;
    m_syncedVersion = 0;
    m_currentId = -1;
    first();
    notifyDataChanged();
}

void TDataTable::close()
{
    if (!m_active)
        return;
    m_active = false;
    m_data.removeObserver(this);
    m_base.clear();
    m_basePosOfRow.clear();
    m_buckets.clear();
    m_visible.clear();
    m_filterActive = false;
    m_syncedVersion = 0;
    m_data.release();
    notifyDataChanged();
}

void TDataTable::storeChanged()
{
    if (!m_active)
        return;
    sync();
    notifyDataChanged();
}

std::vector<int> TDataTable::resolveOrder(const QStringList &names, bool *caseInsensitive) const
{
    std::vector<int> cols;
    for (const QString &n : names) {
        const int c = m_data.columnIndex(n);
        if (c < 0)
            throw Error(QStringLiteral("Поле [%1] не найдено в таблице [%2]").arg(n, tableName()));
        cols.push_back(c);
    }
    if (caseInsensitive)
        *caseInsensitive = false;
    return cols;
}

void TDataTable::sync() const
{
    if (m_syncedVersion == m_data.version())
        return;
    rebuildBase();
    m_filterActive = false;
    if (m_filtered && m_compiledFilter)
        applyFilter(m_compiledFilter);
    m_syncedVersion = m_data.version();
    const int size = viewSize();
    const int row = m_data.rowOfRowId(m_currentId);
    const int vi = row >= 0 ? viewIndexOfRow(row) : -1;
    if (vi >= 0)
        m_pos = vi;
    else
        m_pos = std::clamp(m_pos, 0, std::max(0, size - 1));
    m_eof = m_bof = size == 0;
    m_currentId = size == 0 ? -1 : m_data.rowId(rowAtView(m_pos));
}

void TDataTable::rebuildBase() const
{
    const TTableData &d = m_data;
    m_base.clear();
    m_base.reserve(d.liveCount());
    for (int r = 0; r < d.rowCount(); ++r)
        if (d.isAlive(r) && (!m_fixed || m_fixed->matches(d, r)))
            m_base.push_back(r);

    // Case-insensitive indexes compare upper-cased copies, made once.
    std::vector<std::vector<QString>> upper(m_orderColumns.size());
    if (m_orderCaseInsensitive) {
        for (size_t k = 0; k < m_orderColumns.size(); ++k) {
            const int c = m_orderColumns[k];
            if (!d.isTextColumn(c))
                continue;
            upper[k].resize(d.rowCount());
            for (int r : m_base)
                upper[k][r] = cp1251::toUpper(d.text(c, r));
        }
    }
    std::sort(m_base.begin(), m_base.end(), [&](int a, int b) {
        for (size_t k = 0; k < m_orderColumns.size(); ++k) {
            const int c = m_orderColumns[k];
            if (d.isTextColumn(c)) {
                const int cmp = upper[k].empty() ? cp1251::compare(d.text(c, a), d.text(c, b))
                                                 : cp1251::compare(upper[k][a], upper[k][b]);
                if (cmp != 0)
                    return cmp < 0;
            } else {
                const double x = d.number(c, a), y = d.number(c, b);
                if (x != y)
                    return x < y;
            }
        }
        return d.rowId(a) < d.rowId(b);
    });
    m_basePosOfRow.assign(d.rowCount(), -1);
    for (size_t i = 0; i < m_base.size(); ++i)
        m_basePosOfRow[m_base[i]] = int(i);
    m_buckets.clear();
}

const std::vector<int> *TDataTable::bucket(int column, const QString &text, double number, bool isText) const
{
    auto it = m_buckets.find(column);
    if (it == m_buckets.end()) {
        Bucket b;
        const TTableData &d = m_data;
        for (int p = 0; p < int(m_base.size()); ++p) {
            const int r = m_base[p];
            if (d.isTextColumn(column))
                b.text[d.text(column, r)].push_back(p);
            else
                b.number[TTableData::numberKey(d.number(column, r))].push_back(p);
        }
        it = m_buckets.insert(column, std::move(b));
    }
    if (isText) {
        auto f = it->text.constFind(text);
        return f == it->text.constEnd() ? nullptr : &f.value();
    }
    auto f = it->number.constFind(TTableData::numberKey(number));
    return f == it->number.constEnd() ? nullptr : &f.value();
}

void TDataTable::applyFilter(const std::shared_ptr<const CompiledFilter> &f) const
{
    m_visible.clear();
    m_filterActive = true;
    if (!f || f->isEmpty()) {
        m_filterActive = false;
        return;
    }
    const std::vector<int> *best = nullptr;
    for (const CompiledFilter::EqTerm &t : f->eqTerms()) {
        const std::vector<int> *b = bucket(t.column, t.textValue, t.numberValue, t.text);
        if (!b)
            return; // no row has that value: the view is empty
        if (!best || b->size() < best->size())
            best = b;
    }
    if (best) {
        if (f->onlyEqTerms() && f->eqTerms().size() == 1) {
            m_visible = *best;
            return;
        }
        for (int p : *best)
            if (f->matches(m_data, m_base[p]))
                m_visible.push_back(p);
        return;
    }
    for (int p = 0; p < int(m_base.size()); ++p)
        if (f->matches(m_data, m_base[p]))
            m_visible.push_back(p);
}

int TDataTable::viewSize() const
{
    return m_filterActive ? int(m_visible.size()) : int(m_base.size());
}

int TDataTable::viewIndexOfBase(int basePos) const
{
    if (basePos < 0)
        return -1;
    if (!m_filterActive)
        return basePos;
    auto it = std::lower_bound(m_visible.begin(), m_visible.end(), basePos);
    return it != m_visible.end() && *it == basePos ? int(it - m_visible.begin()) : -1;
}

int TDataTable::viewIndexOfRow(int row) const
{
    if (row < 0 || row >= int(m_basePosOfRow.size()))
        return -1;
    return viewIndexOfBase(m_basePosOfRow[row]);
}

void TDataTable::moveTo(int viewIndex)
{
    m_pos = viewIndex;
    m_eof = m_bof = false;
    m_currentId = m_data.rowId(rowAtView(m_pos));
    notifyCurrentChanged();
}

// Fields

TField *TDataTable::findField(const QString &name) const
{
    if (TField *f = m_fieldByExact.value(name, nullptr))
        return f;
    return m_fieldByName.value(name.toUpper(), nullptr);
}

TField &TDataTable::fieldByName(const QString &name) const
{
    TField *f = findField(name);
    if (!f)
        throw Error(QStringLiteral("Поле [%1] не найдено в таблице [%2]").arg(name, this->name()));
    return *f;
}

QVariant TDataTable::fieldValue(const QString &name) const
{
    const TField *f = findField(name);
    return f ? f->value() : QVariant();
}

// Navigation

int TDataTable::currentRow() const
{
    checkActive();
    sync();
    return viewSize() == 0 ? -1 : rowAtView(m_pos);
}

void TDataTable::first()
{
    checkActive();
    sync();
    const int size = viewSize();
    m_pos = 0;
    m_eof = m_bof = size == 0;
    m_currentId = size == 0 ? -1 : m_data.rowId(rowAtView(0));
    notifyCurrentChanged();
}

void TDataTable::next()
{
    checkActive();
    sync();
    if (m_pos + 1 < viewSize())
        moveTo(m_pos + 1);
    else
        m_eof = true;
}

void TDataTable::prior()
{
    checkActive();
    sync();
    if (m_pos > 0 && viewSize() > 0)
        moveTo(m_pos - 1);
    else
        m_bof = true;
}

void TDataTable::last()
{
    checkActive();
    sync();
    const int size = viewSize();
    if (size == 0) {
        m_eof = m_bof = true;
        return;
    }
    moveTo(size - 1);
}

bool TDataTable::eof() const
{
    checkActive();
    sync();
    return m_eof || viewSize() == 0;
}

bool TDataTable::bof() const
{
    checkActive();
    sync();
    return m_bof || viewSize() == 0;
}

int TDataTable::recordCount() const
{
    checkActive();
    sync();
    return viewSize();
}

int TDataTable::recNo() const
{
    checkActive();
    sync();
    return viewSize() == 0 ? 0 : m_pos + 1;
}

void TDataTable::setRecNo(int recNo)
{
    checkActive();
    sync();
    if (recNo >= 1 && recNo <= viewSize())
        moveTo(recNo - 1);
}

qint64 TDataTable::bookmark() const
{
    const int row = currentRow();
    return row < 0 ? -1 : m_data.rowId(row);
}

bool TDataTable::gotoBookmark(qint64 bookmark)
{
    checkActive();
    sync();
    const int vi = viewIndexOfRow(m_data.rowOfRowId(bookmark));
    if (vi < 0)
        return false;
    moveTo(vi);
    return true;
}

qint64 TDataTable::bookmarkAt(int viewIndex) const
{
    checkActive();
    sync();
    if (viewIndex < 0 || viewIndex >= viewSize())
        return -1;
    return m_data.rowId(rowAtView(viewIndex));
}

int TDataTable::viewIndexOfBookmark(qint64 bookmark) const
{
    checkActive();
    sync();
    return viewIndexOfRow(m_data.rowOfRowId(bookmark));
}

// Locate

bool TDataTable::locate(const QString &fieldNames, const QVariantList &values, LocateOptions options)
{
    checkActive();
    sync();
    const QStringList names = fieldNames.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    if (names.isEmpty() || names.size() != values.size())
        throw Error(QStringLiteral("Неверные параметры поиска [%1] в таблице [%2]").arg(fieldNames, name()));
    struct Key
    {
        int column;
        bool text;
        QString s;
        double n;
    };
    std::vector<Key> keys;
    for (int k = 0; k < names.size(); ++k) {
        const QString n = names.at(k).trimmed();
        const TField *f = findField(n);
        if (!f || f->fieldKind() != FieldKind::Data)
            throw Error(QStringLiteral("Поле [%1] не найдено в таблице [%2]").arg(n, name()));
        Key key{f->m_column, m_data.isTextColumn(f->m_column), {}, 0};
        const QVariant &v = values.at(k);
        if (key.text) {
            key.s = v.toString();
        } else {
            if (!v.isValid())
                return false; // no value: no row has it
            bool ok = false;
            key.n = v.metaType().id() == QMetaType::QString ? QLocale::c().toDouble(v.toString().trimmed(), &ok)
                                                             : v.toDouble(&ok);
            if (!ok)
                throw Error(QStringLiteral("Недопустимое значение [%1] для поля [%2] таблицы [%3]")
                                .arg(v.toString(), n, name()));
            key.n = TTableData::numberKey(key.n);
        }
        keys.push_back(std::move(key));
    }

    auto matches = [&](int row, size_t from) {
        for (size_t k = from; k < keys.size(); ++k) {
            const Key &key = keys[k];
            if (!key.text) {
                if (m_data.number(key.column, row) != key.n)
                    return false;
                continue;
            }
            const QString &v = m_data.text(key.column, row);
            if (!options) {
                if (v != key.s)
                    return false;
                continue;
            }
            const QString a = options.testFlag(LocateOption::CaseInsensitive) ? cp1251::toUpper(v) : v;
            const QString b = options.testFlag(LocateOption::CaseInsensitive) ? cp1251::toUpper(key.s) : key.s;
            if (options.testFlag(LocateOption::PartialKey) ? !a.startsWith(b) : a != b)
                return false;
        }
        return true;
    };

    if (!options) {
        const std::vector<int> *b = bucket(keys[0].column, keys[0].s, keys[0].n, keys[0].text);
        if (!b)
            return false;
        for (int p : *b) {
            if (!matches(m_base[p], 1))
                continue;
            const int vi = viewIndexOfBase(p);
            if (vi < 0)
                continue;
            moveTo(vi);
            return true;
        }
        return false;
    }
    const int size = viewSize();
    for (int vi = 0; vi < size; ++vi) {
        if (matches(rowAtView(vi), 0)) {
            moveTo(vi);
            return true;
        }
    }
    return false;
}

bool TDataTable::findKey(const QVariantList &values)
{
    return locate(m_view.order.join(QLatin1Char(';')), values);
}

// Filter

void TDataTable::setFilter(const QString &text)
{
    if (text == m_filterText)
        return;
    if (m_active && m_filtered) {
        auto f = text.isEmpty() ? nullptr : m_data.compiledFilter(text, name()); // may throw: nothing changed yet
        m_filterText = text;
        m_compiledFilter = f;
        sync();
        applyFilter(m_compiledFilter);
        first();
        notifyDataChanged();
        return;
    }
    m_filterText = text;
    m_compiledFilter = nullptr;
}

void TDataTable::setFiltered(bool on)
{
    if (!m_active) {
        m_filtered = on;
        return;
    }
    if (on == m_filtered)
        return;
    if (on) {
        auto f = m_filterText.isEmpty() ? nullptr : m_data.compiledFilter(m_filterText, name());
        m_compiledFilter = f;
        m_filtered = true;
        sync();
        applyFilter(m_compiledFilter);
    } else {
        m_filtered = false;
        m_filterActive = false;
        m_visible.clear();
    }
    first();
    notifyDataChanged();
}

// Order

void TDataTable::setIndexFieldNames(const QString &names)
{
    QStringList list;
    for (const QString &n : names.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        list << n.trimmed();
    if (list.isEmpty())
        list = m_view.order;
    for (const QString &n : list) {
        const TField *f = findField(n);
        if (!f || f->fieldKind() != FieldKind::Data)
            throw Error(QStringLiteral("Поле [%1] таблицы [%2] не может быть ключом сортировки").arg(n, name()));
    }
    std::vector<int> cols = resolveOrder(list, nullptr);
    m_order = list;
    m_orderColumns = std::move(cols);
    m_orderCaseInsensitive = false;
    if (m_active) {
        m_syncedVersion = 0;
        sync();
        notifyDataChanged();
    }
}

void TDataTable::setIndexName(const QString &indexName)
{
    if (indexName.isEmpty()) {
        setIndexFieldNames(QString());
        return;
    }
    const IndexDef *idx = m_data.def().index(indexName);
    if (!idx)
        throw Error(QStringLiteral("Индекс [%1] не найден в таблице [%2]").arg(indexName, tableName()));
    setIndexFieldNames(idx->fields.join(QLatin1Char(';')));
    m_orderCaseInsensitive = idx->caseInsensitive;
    if (m_active) {
        m_syncedVersion = 0;
        sync();
        notifyDataChanged();
    }
}

// Writing

void TDataTable::appendRecord(const QVariantMap &values)
{
    checkActive();
    const int row = m_data.insertRow(values);
    sync();
    const int vi = viewIndexOfRow(row);
    if (vi >= 0)
        moveTo(vi);
}

void TDataTable::updateRecord(const QVariantMap &values)
{
    const int row = currentRow();
    if (row < 0)
        throw Error(QStringLiteral("Нет текущей записи в таблице [%1]").arg(tableName()));
    for (auto it = values.constBegin(); it != values.constEnd(); ++it) {
        const TField *f = findField(it.key());
        if (!f || f->isReadOnly())
            throw Error(QStringLiteral("Поле [%1] таблицы [%2] изменять нельзя").arg(it.key(), name()));
    }
    m_currentId = m_data.updateRow(row, values);
    const int vi = viewIndexOfRow(m_data.rowOfRowId(m_currentId));
    if (vi >= 0)
        moveTo(vi);
}

void TDataTable::deleteRecord()
{
    const int row = currentRow();
    if (row < 0)
        throw Error(QStringLiteral("Нет текущей записи в таблице [%1]").arg(tableName()));
    m_data.deleteRow(row);
    notifyCurrentChanged();
}

void TDataTable::emptyTable()
{
    m_data.deleteAllRows();
}

void TDataTable::refresh()
{
    checkActive();
    m_data.reload();
}

// ------------------------------------------------------------ FilteredScan

FilteredScan::FilteredScan(TDataTable &table, const QString &filter) : m_table(table)
{
    Q_ASSERT_X(!table.scanActive(), "FilteredScan", "a filter nested on the same table object");
    if (table.scanActive()) // release builds: refuse rather than clear the outer scan's filter
        throw Error(QStringLiteral("Вложенный фильтр таблицы [%1]:\r\n%2").arg(table.name(), filter));
    table.setScanActive(true);
    table.disableControls();
    try {
        table.setFilter(filter);
        table.setFiltered(true);
        table.first();
    } catch (...) {
        restore();
        throw;
    }
}

FilteredScan::~FilteredScan() { restore(); }

void FilteredScan::setFilter(const QString &filter)
{
    m_table.setFilter(filter);
    m_table.first();
}

void FilteredScan::restore() noexcept
{
    try {
        m_table.setFiltered(false);
        m_table.setFilter(QString());
    } catch (...) {
        // Switching a filter off cannot fail for an open table; a closed one has nothing to restore.
    }
    m_table.enableControls();
    m_table.setScanActive(false);
}

// ------------------------------------------------------------------ TQuery

TQuery::TQuery(const QString &connectionName, QObject *parent) : TDataSet(parent), m_connection(connectionName) {}

void TQuery::open()
{
    if (m_active)
        return;
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (!db.isValid() || !db.isOpen())
        throw Error(QStringLiteral("База данных запроса не открыта"));
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(m_sql)) {
        const QSqlError e = q.lastError();
        throw Error(e.databaseText().isEmpty() ? e.text() : e.databaseText());
    }
    const QSqlRecord rec = q.record();
    m_names.clear();
    for (int i = 0; i < rec.count(); ++i)
        m_names << rec.fieldName(i);
    m_rows.clear();
    while (q.next()) {
        QVariantList row;
        row.reserve(rec.count());
        for (int i = 0; i < rec.count(); ++i)
            row << q.value(i);
        m_rows.push_back(std::move(row));
    }
    m_active = true;
    first();
    notifyDataChanged();
}

void TQuery::close()
{
    if (!m_active)
        return;
    m_active = false;
    m_rows.clear();
    m_names.clear();
    m_pos = 0;
    m_eof = true;
    notifyDataChanged();
}

void TQuery::first()
{
    m_pos = 0;
    m_eof = m_rows.empty();
    notifyCurrentChanged();
}

void TQuery::next()
{
    if (m_pos + 1 < int(m_rows.size())) {
        ++m_pos;
        notifyCurrentChanged();
    } else {
        m_eof = true;
    }
}

bool TQuery::eof() const { return m_eof || m_rows.empty(); }

void TQuery::setRecNo(int recNo)
{
    if (recNo >= 1 && recNo <= int(m_rows.size())) {
        m_pos = recNo - 1;
        m_eof = false;
        notifyCurrentChanged();
    }
}

QVariant TQuery::fieldValue(const QString &name) const
{
    if (!m_active || m_rows.empty())
        return {};
    for (int i = 0; i < m_names.size(); ++i)
        if (m_names.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return m_rows[m_pos].at(i);
    return {};
}

QVariant TQuery::valueAt(int row, int column) const
{
    if (row < 0 || row >= int(m_rows.size()) || column < 0 || column >= m_names.size())
        return {};
    return m_rows[row].at(column);
}

// ------------------------------------------------------- open/close helpers

namespace {

QString failureText(const std::exception &e)
{
    if (auto *err = dynamic_cast<const Error *>(&e))
        return err->text();
    return QString::fromLocal8Bit(e.what());
}

void reportFailure(const TDataSet &ds, const QString &text, bool opening)
{
    switch (ds.kind()) {
    case TDataSet::Kind::Table: {
        const QString name = static_cast<const TDataTable &>(ds).tableName();
        ShowErrorBox((opening ? QStringLiteral("Ошибка открытия файла [%1]\r\n(%2)")
                              : QStringLiteral("Ошибка закрытия файла [%1]\r\n(%2)"))
                         .arg(name, text));
        break;
    }
    case TDataSet::Kind::Query:
        ShowErrorBox((opening ? QStringLiteral("Ошибка открытия SQL-запроса:\r\n(%1)\r\nSQL:\r\n(%2)")
                              : QStringLiteral("Ошибка закрытия SQL-запроса:\r\n(%1)\r\nSQL:\r\n(%2)"))
                         .arg(text, static_cast<const TQuery &>(ds).sqlText()));
        break;
    case TDataSet::Kind::Other:
        ShowErrorBox(QStringLiteral("Неопределенный тип объекта TDBDataSet"));
        break;
    }
}

} // namespace

bool OpenDataSet(TDataSet &ds)
{
    try {
        ds.open();
    } catch (const std::exception &e) {
        reportFailure(ds, failureText(e), true);
    }
    return ds.isActive();
}

bool CloseDataSet(TDataSet &ds)
{
    try {
        ds.close();
    } catch (const std::exception &e) {
        reportFailure(ds, failureText(e), false);
        return false;
    }
    return !ds.isActive();
}

void EmptyTableReopen(TDataTable &table)
{
    const bool wasOpen = table.isActive();
    if (wasOpen)
        table.close();
    try {
        table.emptyTable();
    } catch (...) {
        if (wasOpen)
            table.open();
        throw;
    }
    if (wasOpen)
        table.open();
}

} // namespace kv
