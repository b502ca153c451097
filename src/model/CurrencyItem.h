#pragma once
// Currency rates of a document: orders and selections keep their own list,
// so a stored order keeps the rates it was priced at.
#include <QString>
#include <QtGlobal>
#include <memory>
#include <vector>

namespace kv {

class TSpecStream;

class TkvfCurrencyItem
{
public:
    TkvfCurrencyItem() = default;
    TkvfCurrencyItem(qint32 id, float rate) : ID(id), Rate(rate) {}

    // ID as an integer, Rate as a real; every format stamp has this layout.
    void SaveToStream(TSpecStream &stream) const;
    void LoadFromStream(TSpecStream &stream, const QString &stamp);

    qint32 ID = 0;   // Currency.ID
    float Rate = 0;  // value of one unit in the catalogue's base unit
};

// An owning list of currency rates.
class TkvfCurrencyList
{
public:
    TkvfCurrencyList() = default;
    TkvfCurrencyList(const TkvfCurrencyList &other);
    TkvfCurrencyList &operator=(const TkvfCurrencyList &other);
    TkvfCurrencyList(TkvfCurrencyList &&) = default;
    TkvfCurrencyList &operator=(TkvfCurrencyList &&) = default;

    int count() const { return int(m_items.size()); }
    bool isEmpty() const { return m_items.empty(); }
    TkvfCurrencyItem &at(int i) { return *m_items.at(i); }
    const TkvfCurrencyItem &at(int i) const { return *m_items.at(i); }
    TkvfCurrencyItem &add(qint32 id, float rate);
    TkvfCurrencyItem &add(std::unique_ptr<TkvfCurrencyItem> item);
    void removeAt(int i);
    void clear() { m_items.clear(); }

    // Index of the first item with that currency, -1 when there is none.
    int FindRateIndex(qint32 id) const;
    // Rate of the first item with that currency, -1 when there is none.
    float GetRate(qint32 id) const;

private:
    std::vector<std::unique_ptr<TkvfCurrencyItem>> m_items;
};

} // namespace kv
