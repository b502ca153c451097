#include "windows/DBLookupCombo.h"

#include "core/DataSet.h"
#include "tools/Errors.h"
#include "tools/Messages.h"

namespace kv {

TDBLookupCombo::TDBLookupCombo(TDataTable *table, const QString &keyField, const QString &listField,
                               bool clearable, QWidget *parent)
    : QComboBox(parent), m_table(table), m_keyField(keyField), m_listField(listField), m_clearable(clearable)
{
    setEditable(false);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(12);
    connect(this, QOverload<int>::of(&QComboBox::activated), this, [this](int index) {
        if (m_filling || index < 0)
            return;
        m_key = itemData(index);
        Q_EMIT keyPicked(m_key);
    });
}

QString TDBLookupCombo::textOfKey(const QVariant &key) const
{
    if (!key.isValid() || !m_table || !m_table->isActive())
        return {};
    // Read without moving the shared table: scan its current view by value.
    TField *k = m_table->findField(m_keyField);
    TField *t = m_table->findField(m_listField);
    if (!k || !t)
        return {};
    const QString wanted = key.toString();
    for (int i = 0; i < m_table->recordCount(); ++i)
        if (k->valueAt(i).toString() == wanted)
            return t->valueAt(i).toString();
    return {};
}

void TDBLookupCombo::setKey(const QVariant &key)
{
    m_key = key.isValid() && !key.toString().isEmpty() ? key : QVariant();
    selectKey();
}

void TDBLookupCombo::selectKey()
{
    m_filling = true;
    int found = -1;
    for (int i = 0; i < count(); ++i)
        if (itemData(i).isValid() == m_key.isValid() && itemData(i).toString() == m_key.toString()) {
            found = i;
            break;
        }
    if (found < 0) {
        // A key outside the list as filled last: show it all the same.
        if (m_key.isValid()) {
            insertItem(m_clearable ? 1 : 0, textOfKey(m_key), m_key);
            found = m_clearable ? 1 : 0;
        } else if (m_clearable) {
            if (count() == 0 || itemData(0).isValid())
                insertItem(0, QString(), QVariant());
            found = 0;
        }
    }
    setCurrentIndex(found);
    m_filling = false;
}

void TDBLookupCombo::fill(bool filtered)
{
    m_filling = true;
    clear();
    if (m_clearable)
        addItem(QString(), QVariant());
    if (m_table && m_table->isActive()) {
        QString filter;
        if (filtered && m_filter) {
            try {
                filter = m_filter();
            } catch (const Error &e) {
                ShowErrorBox(e.text());
                filter.clear();
            }
        }
        auto addRows = [this] {
            TField *k = m_table->findField(m_keyField);
            TField *t = m_table->findField(m_listField);
            if (!k || !t)
                return;
            for (int i = 0; i < m_table->recordCount(); ++i)
                addItem(t->valueAt(i).toString(), k->valueAt(i));
        };
        if (filter.isEmpty()) {
            addRows();
        } else {
            try {
                FilteredScan scan(*m_table, filter);
                addRows();
            } catch (const Error &e) {
                ShowErrorBox(e.text());
            }
        }
    }
    m_filling = false;
    selectKey();
}

QList<QPair<QVariant, QString>> TDBLookupCombo::rows() const
{
    QList<QPair<QVariant, QString>> out;
    for (int i = 0; i < count(); ++i)
        out << qMakePair(itemData(i), itemText(i));
    return out;
}

void TDBLookupCombo::showPopup()
{
    fill(true);
    QComboBox::showPopup();
}

void TDBLookupCombo::hidePopup()
{
    QComboBox::hidePopup();
}

} // namespace kv
