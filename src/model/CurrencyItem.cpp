#include "CurrencyItem.h"

#include "tools/SpecStream.h"

namespace kv {

void TkvfCurrencyItem::SaveToStream(TSpecStream &stream) const
{
    WriteInt(stream, ID);
    WriteReal(stream, Rate);
}

void TkvfCurrencyItem::LoadFromStream(TSpecStream &stream, const QString &stamp)
{
    Q_UNUSED(stamp);
    ID = ReadInt(stream);
    Rate = ReadSingle(stream);
}

TkvfCurrencyList::TkvfCurrencyList(const TkvfCurrencyList &other)
{
    *this = other;
}

TkvfCurrencyList &TkvfCurrencyList::operator=(const TkvfCurrencyList &other)
{
    if (this == &other)
        return *this;
    std::vector<std::unique_ptr<TkvfCurrencyItem>> items;
    items.reserve(other.m_items.size());
    for (const auto &i : other.m_items)
        items.push_back(std::make_unique<TkvfCurrencyItem>(*i));
    m_items = std::move(items);
    return *this;
}

TkvfCurrencyItem &TkvfCurrencyList::add(qint32 id, float rate)
{
    return add(std::make_unique<TkvfCurrencyItem>(id, rate));
}

TkvfCurrencyItem &TkvfCurrencyList::add(std::unique_ptr<TkvfCurrencyItem> item)
{
    m_items.push_back(std::move(item));
    return *m_items.back();
}

void TkvfCurrencyList::removeAt(int i)
{
    m_items.erase(m_items.begin() + i);
}

int TkvfCurrencyList::FindRateIndex(qint32 id) const
{
    for (int i = 0; i < count(); ++i)
        if (m_items[i]->ID == id)
            return i;
    return -1;
}

float TkvfCurrencyList::GetRate(qint32 id) const
{
    const int i = FindRateIndex(id);
    return i < 0 ? -1.0f : m_items[i]->Rate;
}

} // namespace kv
