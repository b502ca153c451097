#include "Order.h"

#include "model/ModelStream.h"
#include "tools/Messages.h"
#include "tools/Win1251.h"

#include <algorithm>
#include <exception>

namespace kv {

namespace {

// Least bytes a stored position takes in any layout: ten records and six
// strings of its own, and per sash the point, side and material counts and
// the composition flag.
constexpr qsizetype kPositionMinBytes = 10 * kRecordBytes + 6 * kStringBytes + 2 * 4 * kRecordBytes;

QString loadErrorText(const QString &detail)
{
    return QStringLiteral("Ошибка загрузки заказа!\r\n(%1)").arg(detail);
}

// A currency item is two records.
constexpr qsizetype kCurrencyItemBytes = 2 * kRecordBytes;

} // namespace

void SaveRates(TSpecStream &s, const TkvfCurrencyList &rates)
{
    WriteInt(s, rates.count());
    for (int i = 0; i < rates.count(); ++i)
        rates.at(i).SaveToStream(s);
}

TkvfCurrencyList LoadRates(TSpecStream &s, const QString &stamp)
{
    TkvfCurrencyList rates;
    const qint32 n = ReadCount(s, kCurrencyItemBytes);
    for (qint32 i = 0; i < n; ++i) {
        auto item = std::make_unique<TkvfCurrencyItem>();
        item->LoadFromStream(s, stamp);
        rates.add(std::move(item));
    }
    return rates;
}

TkvfOrder::TkvfOrder()
{
    const OleDate now = toOleDate(QDateTime::currentDateTime());
    Created = now;
    Created2 = now;
    OrderDate = toOleDate(QDate::currentDate());
}

TkvfOrder::~TkvfOrder() = default;

TkvfConstruction &TkvfOrder::AddPosition()
{
    return AddPosition(std::make_unique<TkvfConstruction>(this));
}

TkvfConstruction &TkvfOrder::AddPosition(std::unique_ptr<TkvfConstruction> position)
{
    position->Order = this;
    m_positions.push_back(std::move(position));
    return *m_positions.back();
}

void TkvfOrder::DeletePosition(int i)
{
    m_positions.erase(m_positions.begin() + i);
    m_cursor = -1;
}

std::unique_ptr<TkvfConstruction> TkvfOrder::TakePosition(int i)
{
    std::unique_ptr<TkvfConstruction> p = std::move(m_positions.at(size_t(i)));
    m_positions.erase(m_positions.begin() + i);
    m_cursor = -1;
    return p;
}

TkvfConstruction &TkvfOrder::InsertPosition(int i, std::unique_ptr<TkvfConstruction> position)
{
    position->Order = this;
    const auto at = m_positions.begin() + qBound(0, i, int(m_positions.size()));
    m_cursor = -1;
    return **m_positions.insert(at, std::move(position));
}

TkvfConstruction &TkvfOrder::ReplacePosition(int i, std::unique_ptr<TkvfConstruction> position)
{
    position->Order = this;
    m_positions.at(size_t(i)) = std::move(position);
    return *m_positions[size_t(i)];
}

void TkvfOrder::ClearPositions()
{
    m_positions.clear();
    m_cursor = -1;
}

TkvfConstruction *TkvfOrder::FindPosition(const QString &posNo)
{
    const QString key = cp1251::toUpper(posNo);
    for (const auto &p : m_positions)
        if (cp1251::toUpper(p->PosNo) == key)
            return p.get();
    return nullptr;
}

int TkvfOrder::CheckedCount() const
{
    return int(std::count_if(m_positions.begin(), m_positions.end(),
                             [](const auto &p) { return p->Checked; }));
}

TkvfConstruction *TkvfOrder::FirstChecked()
{
    m_cursor = -1;
    return NextChecked();
}

TkvfConstruction *TkvfOrder::NextChecked()
{
    while (++m_cursor < PositionCount())
        if (m_positions[m_cursor]->Checked)
            return m_positions[m_cursor].get();
    m_cursor = PositionCount();
    return nullptr;
}

Money TkvfOrder::Total() const
{
    Money sum;
    for (const auto &p : m_positions)
        if (p->Checked)
            sum += p->PositionCost();
    return sum;
}

Money TkvfOrder::VATAmount() const
{
    if (!GetTotalNDS)
        return Money();
    // The amount as it stands times the single-precision rate, rounded once.
    const long double raw = static_cast<long double>(Total().raw()) * static_cast<long double>(NDSTax);
    return Money::fromRaw(roundTiesEven(raw / 100.0L));
}

Money TkvfOrder::TotalWithVAT() const
{
    return Total() + VATAmount();
}

void TkvfOrder::SortByPosNo()
{
    std::sort(m_positions.begin(), m_positions.end(), [](const auto &a, const auto &b) {
        return cp1251::compare(a->PosNo, b->PosNo) < 0;
    });
    m_cursor = -1;
}

void TkvfOrder::SortByName()
{
    std::sort(m_positions.begin(), m_positions.end(), [](const auto &a, const auto &b) {
        return cp1251::compare(a->PosName, b->PosName) < 0;
    });
    m_cursor = -1;
}

void TkvfOrder::CollectMaterials(TkvfMatList *list) const
{
    if (!list)
        return;
    for (const auto &p : m_positions)
        if (p->Checked)
            p->AddMaterials(*list);
}

// ---- Files -----------------------------------------------------------------

bool TkvfOrder::SaveToFile(const QString &fileName)
{
    if (!SaveStreamToFile(fileName, [this](TSpecStream &s) { SaveToStream(s); },
                          QStringLiteral("Ошибка сохранения заказа!\r\n(%1)")))
        return false;
    Stamp = stamps::Order;
    Signature = FileSignature;
    return true;
}

TkvfLoadResult TkvfOrder::LoadFromFile(const QString &fileName)
{
    QByteArray data;
    if (!ReadWholeFile(fileName, data, loadErrorText))
        return {};
    return LoadFromData(data);
}

TkvfLoadResult TkvfOrder::LoadFromData(const QByteArray &data)
{
    TkvfLoadResult result;
    try {
        TSpecStream stream(data);
        TkvfOrder fresh;
        fresh.ReadHeader(stream);
        if (!AcceptFileStamp(fresh.Stamp, stamps::Order,
                             QStringLiteral("Необходимо конвертировать файл заказа!\r\n"
                                            "Загружаемая версия: %1\r\nТекущая версия: %2"),
                             QStringLiteral("Вы пытаетесь открыть заказ, созданный более новой версией "
                                            "программы, чем текущая.\r\nДанный модуль технолога "
                                            "поддерживает файлы заказа\r\nверсии не старше: %1!\r\n"
                                            "Загружаемая версия: %2"),
                             result.converted))
            return {};
        fresh.ReadBody(stream);
        TakeContentFrom(fresh);
        result.loaded = true;
    } catch (const Error &e) {
        ShowErrorBox(loadErrorText(e.text()));
    } catch (const std::exception &e) {
        ShowErrorBox(loadErrorText(QString::fromLocal8Bit(e.what())));
    }
    return result;
}

// ---- Stream layout ---------------------------------------------------------

void TkvfOrder::SaveToStream(TSpecStream &s) const
{
    WriteString(s, FileSignature);
    WriteString(s, stamps::Order);
    WriteInt(s, Reserved1);
    WriteInt(s, Reserved2);
    WriteDateTime(s, Created);
    WriteDateTime(s, Created2);
    WriteInt(s, Reserved3);
    WriteString(s, OrderNo);
    WriteString(s, AltOrderNo);
    WriteString(s, Customer);
    WriteString(s, ObjectName);
    WriteString(s, Address);
    WriteString(s, Phone);
    WriteString(s, Remark);
    WriteDateTime(s, OrderDate);
    WriteBool(s, OrderDateSet);
    WriteString(s, ProfSys);
    WriteString(s, InnerColor);
    WriteString(s, OuterColor);
    WriteString(s, FurnSys);
    WriteString(s, FurnColor);
    WriteString(s, Handle);
    WriteInt(s, FalzType);
    WriteInt(s, DornType);
    WriteInt(s, StulpType);
    WriteInt(s, OpenType);
    WriteInt(s, PriceGroupNo);
    WriteReal(s, NDSTax);
    WriteBool(s, GetTotalNDS);
    WriteBool(s, ShowIncludeNDS);
    SaveRates(s, Rates);
    WriteInt(s, Currency);
    WriteString(s, StringsToText(Notes));
    WriteInt(s, PositionCount());
    for (const auto &p : m_positions)
        p->SaveToStream(s);
}

void TkvfOrder::LoadFromStream(TSpecStream &stream)
{
    TkvfOrder fresh;
    fresh.ReadHeader(stream);
    fresh.ReadBody(stream);
    TakeContentFrom(fresh);
}

void TkvfOrder::ReadHeader(TSpecStream &s)
{
    Signature = ReadString(s);
    Stamp = ReadString(s);
    // Every later value depends on the stamp: one that names no version
    // means this is not an order file of any version.
    if (!IsValidStamp(Stamp))
        throw StreamReadError(QStringLiteral("Неверная версия файла: [%1]").arg(Stamp));
    Reserved1 = ReadInt(s);
    Reserved2 = ReadInt(s);
    Created = ReadDateTime(s);
    Created2 = ReadDateTime(s);
    Reserved3 = ReadInt(s);
}

void TkvfOrder::ReadBody(TSpecStream &s)
{
    OrderNo = ReadString(s);
    AltOrderNo = ReadString(s);
    Customer = ReadString(s);
    ObjectName = ReadString(s);
    Address = ReadString(s);
    Phone = ReadString(s);
    Remark = ReadString(s);
    OrderDate = ReadDateTime(s);
    OrderDateSet = ReadBool(s);
    ProfSys = ReadString(s);
    InnerColor = ReadString(s);
    OuterColor = ReadString(s);
    FurnSys = ReadString(s);
    FurnColor = ReadString(s);
    Handle = ReadString(s);
    if (IsStampOlder(Stamp, stamps::OrderTechnicalTypes)) {
        ReadString(s);
        ReadString(s);
    } else {
        FalzType = ReadInt(s);
        DornType = ReadInt(s);
        StulpType = ReadInt(s);
        OpenType = ReadInt(s);
    }
    PriceGroupNo = ReadInt(s);
    NDSTax = ReadSingle(s);
    GetTotalNDS = ReadBool(s);
    ShowIncludeNDS = ReadBool(s);
    Rates = LoadRates(s, Stamp);
    Currency = ReadInt(s);
    Notes = TextToStrings(ReadString(s));
    const qint32 n = ReadCount(s, kPositionMinBytes);
    m_positions.clear();
    m_positions.reserve(n);
    for (qint32 i = 0; i < n; ++i) {
        auto p = std::make_unique<TkvfConstruction>(this);
        p->LoadFromStream(s, Stamp);
        m_positions.push_back(std::move(p));
    }
    m_cursor = -1;
}

void TkvfOrder::TakeContentFrom(TkvfOrder &o)
{
    Signature = std::move(o.Signature);
    Stamp = std::move(o.Stamp);
    Reserved1 = o.Reserved1;
    Reserved2 = o.Reserved2;
    Created = o.Created;
    Created2 = o.Created2;
    Reserved3 = o.Reserved3;
    OrderNo = std::move(o.OrderNo);
    AltOrderNo = std::move(o.AltOrderNo);
    Customer = std::move(o.Customer);
    ObjectName = std::move(o.ObjectName);
    Address = std::move(o.Address);
    Phone = std::move(o.Phone);
    Remark = std::move(o.Remark);
    OrderDate = o.OrderDate;
    OrderDateSet = o.OrderDateSet;
    ProfSys = std::move(o.ProfSys);
    InnerColor = std::move(o.InnerColor);
    OuterColor = std::move(o.OuterColor);
    FurnSys = std::move(o.FurnSys);
    FurnColor = std::move(o.FurnColor);
    Handle = std::move(o.Handle);
    Material = o.Material;
    FalzType = o.FalzType;
    DornType = o.DornType;
    StulpType = o.StulpType;
    OpenType = o.OpenType;
    PriceGroupNo = o.PriceGroupNo;
    NDSTax = o.NDSTax;
    GetTotalNDS = o.GetTotalNDS;
    ShowIncludeNDS = o.ShowIncludeNDS;
    Rates = std::move(o.Rates);
    Currency = o.Currency;
    Notes = std::move(o.Notes);
    m_positions.swap(o.m_positions);
    for (auto &p : m_positions)
        p->Order = this;
    for (auto &p : o.m_positions)
        p->Order = &o;
    m_cursor = -1;
}

} // namespace kv
