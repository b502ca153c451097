// Currency rate lists of documents.
#include "model/CurrencyItem.h"
#include "tools/SpecStream.h"

#include <gtest/gtest.h>

using namespace kv;

TEST(CurrencyList, FirstMatchingItemGivesIndexAndRate)
{
    TkvfCurrencyList list;
    list.add(3, 1.5f);
    list.add(7, 0.1f);
    list.add(3, 9.0f);
    EXPECT_EQ(list.FindRateIndex(3), 0);
    EXPECT_EQ(list.FindRateIndex(7), 1);
    EXPECT_EQ(list.FindRateIndex(4), -1);
    EXPECT_EQ(list.GetRate(3), 1.5f);
    EXPECT_EQ(list.GetRate(4), -1.0f);
    list.removeAt(0);
    EXPECT_EQ(list.GetRate(3), 9.0f);
}

TEST(CurrencyList, CopiesOwnTheirItems)
{
    TkvfCurrencyList a;
    a.add(1, 2.0f);
    TkvfCurrencyList b = a;
    b.at(0).Rate = 5.0f;
    b.add(2, 1.0f);
    EXPECT_EQ(a.count(), 1);
    EXPECT_EQ(a.at(0).Rate, 2.0f);
    a = b;
    EXPECT_EQ(a.count(), 2);
    EXPECT_EQ(a.at(0).Rate, 5.0f);
}

TEST(CurrencyItem, StreamRoundTripKeepsIdAndRateExactly)
{
    const float rates[] = {0.1f, 1.0f / 3.0f, 98.7654f, -1.0f, 0.0f, 3.4e38f};
    TSpecStream s;
    qint32 id = -2;
    for (float r : rates)
        TkvfCurrencyItem(id++, r).SaveToStream(s);
    // An integer record, then a real record (a double) per item.
    EXPECT_EQ(s.size(), qsizetype(std::size(rates)) * 32);
    s.seek(0);
    id = -2;
    for (float r : rates) {
        TkvfCurrencyItem item;
        item.LoadFromStream(s, stamps::Order);
        EXPECT_EQ(item.ID, id++);
        EXPECT_EQ(item.Rate, r);
    }
    s.seek(16); // the rate of the first item is stored as a double
    EXPECT_EQ(ReadValue(s, ValueKind::Real).kind(), ValueKind::Real);
}
