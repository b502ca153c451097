#pragma once
// A drop-down list over a catalogue table: it shows one column and stores
// the key column of the row picked. The list may be narrowed while it is
// open by a filter the owner supplies; the shared table is left unfiltered
// again when the list closes.
#include <QComboBox>
#include <QVariant>
#include <functional>

namespace kv {

class TDataTable;

class TDBLookupCombo : public QComboBox
{
    Q_OBJECT
public:
    // clearable: the list starts with an empty entry that clears the key.
    TDBLookupCombo(TDataTable *table, const QString &keyField, const QString &listField,
                   bool clearable = false, QWidget *parent = nullptr);

    QVariant key() const { return m_key; }
    QString keyText() const { return m_key.isValid() ? m_key.toString() : QString(); }
    void setKey(const QVariant &key);
    // The filter text while the list is open; empty for none. It may throw
    // kv::Error, which is shown and leaves the list unfiltered.
    void setDropDownFilter(std::function<QString()> filter) { m_filter = std::move(filter); }
    // Rows shown the last time the list was filled, as (key, text).
    QList<QPair<QVariant, QString>> rows() const;
    // Fills the list as opening it would, without showing it.
    void fill(bool filtered);

    void showPopup() override;
    void hidePopup() override;

Q_SIGNALS:
    // The user picked a row.
    void keyPicked(const QVariant &key);

private:
    QString textOfKey(const QVariant &key) const;
    void selectKey();

    TDataTable *m_table;
    QString m_keyField;
    QString m_listField;
    bool m_clearable;
    std::function<QString()> m_filter;
    QVariant m_key;
    bool m_filling = false;
};

} // namespace kv
