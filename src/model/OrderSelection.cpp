#include "OrderSelection.h"

#include "core/Globals.h"
#include "model/ModelStream.h"
#include "tools/Messages.h"
#include "tools/WaitCursor.h"
#include "tools/Win1251.h"

#include <QFileInfo>
#include <algorithm>
#include <exception>
#include <optional>

namespace kv {

// ---- Order file references -------------------------------------------------

PathStyle NativePathStyle()
{
#ifdef Q_OS_WIN
    return PathStyle::Windows;
#else
    return PathStyle::Posix;
#endif
}

namespace {

QChar separatorOf(PathStyle style)
{
    return style == PathStyle::Windows ? QLatin1Char('\\') : QLatin1Char('/');
}

QString normalised(const QString &path, PathStyle style)
{
    if (style == PathStyle::Posix)
        return path;
    QString p = path;
    p.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return cp1251::toUpper(p);
}

QString baseOf(const QString &base, PathStyle style)
{
    QString b = normalised(base, style);
    const QChar sep = separatorOf(style);
    while (b.endsWith(sep))
        b.chop(1);
    return b;
}

} // namespace

QString MakeRelativePath(const QString &base, const QString &path, PathStyle style)
{
    const QString p = normalised(path, style);
    if (p.startsWith(QLatin1Char('%')) || base.isEmpty())
        return p;
    const QString b = baseOf(base, style);
    if (p.startsWith(b + separatorOf(style)))
        return QLatin1Char('%') + p.mid(b.size());
    return p;
}

QString ExpandRelativePath(const QString &base, const QString &ref, PathStyle style)
{
    if (!ref.startsWith(QLatin1Char('%')))
        return normalised(ref, style);
    QString rest = ref.mid(1);
    // Windows installations write "%\dir\file"; their separators are ours too.
    if (rest.startsWith(QLatin1Char('\\')))
        rest.replace(QLatin1Char('\\'), separatorOf(style));
    rest = normalised(rest, style);
    const QChar sep = separatorOf(style);
    if (rest.startsWith(sep))
        rest.remove(0, 1);
    return baseOf(base, style) + sep + rest;
}

// ---- Items -----------------------------------------------------------------

namespace {

// Checked, Width, Height, Count as records; four strings.
constexpr qsizetype kItemMinBytes = 4 * kRecordBytes + 4 * kStringBytes;

QString loadErrorText(const QString &detail)
{
    return QStringLiteral("Ошибка загрузки выборки!\r\n(%1)").arg(detail);
}

// Runs over items in order and reads each order file once per run of items
// of the same file, as the items are usually grouped by file.
class OrderRun
{
public:
    // The order at path, read when path differs from the last one asked for;
    // nullptr when that read failed (the failure is shown once).
    TkvfOrder *orderAt(const QString &path)
    {
        if (!m_last || *m_last != path) {
            m_last = path;
            m_loaded = m_order.LoadFromFile(path).loaded;
            m_fresh = true;
        } else {
            m_fresh = false;
        }
        return m_loaded ? &m_order : nullptr;
    }
    // Whether the last orderAt read the file.
    bool fresh() const { return m_fresh; }

private:
    TkvfOrder m_order;
    std::optional<QString> m_last;
    bool m_loaded = false;
    bool m_fresh = false;
};

} // namespace

void TkvfOrderSelectionItem::SaveToStream(TSpecStream &s) const
{
    WriteBool(s, Checked);
    WriteString(s, OrderNo);
    WriteString(s, PosNo);
    WriteReal(s, Width);
    WriteReal(s, Height);
    WriteInt(s, Count);
    WriteString(s, PosName);
    WriteString(s, OrderFileRef);
}

void TkvfOrderSelectionItem::LoadFromStream(TSpecStream &s, const QString &)
{
    Checked = ReadBool(s);
    OrderNo = ReadString(s);
    PosNo = ReadString(s);
    Width = ReadSingle(s);
    Height = ReadSingle(s);
    Count = ReadInt(s);
    PosName = ReadString(s);
    OrderFileRef = ReadString(s);
}

// ---- Selection -------------------------------------------------------------

TkvfOrderSelection::TkvfOrderSelection()
    : OrdersDir(kv::OrdersDir)
{
    const OleDate now = toOleDate(QDateTime::currentDateTime());
    Created = now;
    Created2 = now;
    SelDate = toOleDate(QDate::currentDate());
}

TkvfOrderSelection::~TkvfOrderSelection() = default;

TkvfOrderSelectionItem &TkvfOrderSelection::AddItem()
{
    m_items.push_back(std::make_unique<TkvfOrderSelectionItem>());
    m_items.back()->Selection = this;
    return *m_items.back();
}

void TkvfOrderSelection::DeleteItem(int i)
{
    m_items.erase(m_items.begin() + i);
}

int TkvfOrderSelection::CheckedCount() const
{
    return int(std::count_if(m_items.begin(), m_items.end(),
                             [](const auto &i) { return i->Checked; }));
}

int TkvfOrderSelection::IndexOf(const QString &orderNo, const QString &posNo) const
{
    const QString o = cp1251::toUpper(orderNo), p = cp1251::toUpper(posNo);
    for (int i = 0; i < ItemCount(); ++i)
        if (cp1251::toUpper(m_items[i]->OrderNo) == o && cp1251::toUpper(m_items[i]->PosNo) == p)
            return i;
    return -1;
}

QString TkvfOrderSelection::FileRefOf(const QString &path) const
{
    return MakeRelativePath(OrdersDir, path, PathRules);
}

QString TkvfOrderSelection::PathOf(const TkvfOrderSelectionItem &item) const
{
    return ExpandRelativePath(OrdersDir, item.OrderFileRef, PathRules);
}

void TkvfOrderSelection::Refresh(bool takeChecked)
{
    WaitCursor wait;
    OrderRun run;
    for (auto &item : m_items) {
        TkvfOrder *order = run.orderAt(PathOf(*item));
        if (!order)
            continue;
        const TkvfConstruction *pos = order->FindPosition(item->PosNo);
        if (!pos)
            continue;
        if (takeChecked)
            item->Checked = pos->Checked;
        item->OrderNo = order->OrderNo;
        item->PosNo = pos->PosNo;
        item->Width = 0;
        item->Height = 0;
        item->Count = pos->Count;
        item->PosName = pos->PosName;
    }
}

QString TkvfOrderSelection::OrderNumbersText() const
{
    QString text;
    OrderRun run;
    for (const auto &item : m_items) {
        const TkvfOrder *order = run.orderAt(PathOf(*item));
        if (!order || !run.fresh())
            continue;
        if (!text.isEmpty())
            text += QLatin1Char(',');
        text += order->OrderNo;
    }
    return text;
}

void TkvfOrderSelection::CollectMaterials(TkvfMatList *list) const
{
    if (!list)
        return;
    OrderRun run;
    for (const auto &item : m_items) {
        if (!item->Checked)
            continue;
        TkvfOrder *order = run.orderAt(PathOf(*item));
        if (!order)
            continue;
        if (const TkvfConstruction *pos = order->FindPosition(item->PosNo))
            pos->AddMaterials(*list);
    }
    SortMaterialsByArticle(*list);
    RepriceMaterials(*list);
}

TkvfItemPosition TkvfOrderSelection::GetItemPosition(const TkvfOrderSelectionItem &item) const
{
    const QString path = PathOf(item);
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return {};
    TkvfItemPosition result;
    result.Order = std::make_unique<TkvfOrder>();
    if (!result.Order->LoadFromFile(path).loaded)
        return {};
    result.Position = result.Order->FindPosition(item.PosNo);
    if (!result.Position)
        return {};
    return result;
}

namespace {

// Byte-wise comparison of key lists, first difference decides.
template<typename... Keys>
bool lessByKeys(const TkvfOrderSelectionItem &a, const TkvfOrderSelectionItem &b, Keys... keys)
{
    for (QString TkvfOrderSelectionItem::*key : {keys...}) {
        const int c = cp1251::compare(a.*key, b.*key);
        if (c != 0)
            return c < 0;
    }
    return false;
}

template<typename... Keys>
void sortItems(std::vector<std::unique_ptr<TkvfOrderSelectionItem>> &items, Keys... keys)
{
    std::sort(items.begin(), items.end(),
              [=](const auto &a, const auto &b) { return lessByKeys(*a, *b, keys...); });
}

using Item = TkvfOrderSelectionItem;

} // namespace

void TkvfOrderSelection::SortByOrderNo()
{
    sortItems(m_items, &Item::OrderNo, &Item::PosNo);
}

void TkvfOrderSelection::SortByPosNo()
{
    sortItems(m_items, &Item::PosNo, &Item::OrderNo);
}

void TkvfOrderSelection::SortByPosName()
{
    sortItems(m_items, &Item::PosName, &Item::OrderNo, &Item::PosNo);
}

void TkvfOrderSelection::SortByOrderFile()
{
    sortItems(m_items, &Item::OrderFileRef, &Item::OrderNo, &Item::PosNo);
}

// ---- Files -----------------------------------------------------------------

bool TkvfOrderSelection::SaveToFile(const QString &fileName)
{
    if (!SaveStreamToFile(fileName, [this](TSpecStream &s) { SaveToStream(s); },
                          QStringLiteral("Ошибка сохранения выборки!\r\n(%1)")))
        return false;
    Stamp = stamps::Selection;
    Signature = FileSignature;
    return true;
}

TkvfLoadResult TkvfOrderSelection::LoadFromFile(const QString &fileName)
{
    QByteArray data;
    if (!ReadWholeFile(fileName, data, loadErrorText))
        return {};
    return LoadFromData(data);
}

TkvfLoadResult TkvfOrderSelection::LoadFromData(const QByteArray &data)
{
    TkvfLoadResult result;
    try {
        TSpecStream s(data);
        TkvfOrderSelection fresh;
        fresh.Signature = ReadString(s);
        if (fresh.Signature != FileSignature) {
            ShowErrorBox(QStringLiteral("Данный файл не является файлом Velmar Tessaro!"));
            return {};
        }
        fresh.Stamp = ReadString(s);
        if (!IsValidStamp(fresh.Stamp))
            throw StreamReadError(QStringLiteral("Неверная версия файла: [%1]").arg(fresh.Stamp));
        if (!AcceptFileStamp(fresh.Stamp, stamps::Selection,
                             QStringLiteral("Необходимо конвертировать файл выборки!\r\n"
                                            "Загружаемая версия: %1\r\nТекущая версия: %2"),
                             QStringLiteral("Вы пытаетесь открыть выборку, созданную более новой версией "
                                            "программы, чем текущая.\r\nДанный модуль поддерживает файлы "
                                            "выборки\r\nверсии не старше: %1!\r\nЗагружаемая версия: %2"),
                             result.converted))
            return {};
        fresh.ReadBody(s);
        TakeContentFrom(fresh);
        result.loaded = true;
    } catch (const Error &e) {
        ShowErrorBox(loadErrorText(e.text()));
    } catch (const std::exception &e) {
        ShowErrorBox(loadErrorText(QString::fromLocal8Bit(e.what())));
    }
    return result;
}

void TkvfOrderSelection::SaveToStream(TSpecStream &s) const
{
    WriteString(s, FileSignature);
    WriteString(s, stamps::Selection);
    WriteInt(s, Reserved1);
    WriteInt(s, Reserved2);
    WriteDateTime(s, Created);
    WriteDateTime(s, Created2);
    WriteInt(s, Reserved3);
    WriteString(s, SelectionNo);
    WriteDateTime(s, SelDate);
    WriteString(s, Name);
    SaveRates(s, Rates);
    WriteInt(s, Currency);
    WriteInt(s, PriceGroupNo);
    WriteReal(s, NDSTax);
    WriteByte(s, RoundMode);
    WriteString(s, StringsToText(Notes));
    WriteInt(s, ItemCount());
    for (const auto &item : m_items)
        item->SaveToStream(s);
}

void TkvfOrderSelection::ReadBody(TSpecStream &s)
{
    Reserved1 = ReadInt(s);
    Reserved2 = ReadInt(s);
    Created = ReadDateTime(s);
    Created2 = ReadDateTime(s);
    Reserved3 = ReadInt(s);
    SelectionNo = ReadString(s);
    SelDate = ReadDateTime(s);
    Name = ReadString(s);
    Rates = LoadRates(s, Stamp);
    Currency = ReadInt(s);
    PriceGroupNo = ReadInt(s);
    NDSTax = ReadSingle(s);
    RoundMode = ReadByte(s);
    Notes = TextToStrings(ReadString(s));
    const qint32 n = ReadCount(s, kItemMinBytes);
    m_items.clear();
    m_items.reserve(n);
    for (qint32 i = 0; i < n; ++i) {
        auto item = std::make_unique<TkvfOrderSelectionItem>();
        item->Selection = this;
        item->LoadFromStream(s, Stamp);
        m_items.push_back(std::move(item));
    }
}

void TkvfOrderSelection::TakeContentFrom(TkvfOrderSelection &o)
{
    Signature = std::move(o.Signature);
    Stamp = std::move(o.Stamp);
    Reserved1 = o.Reserved1;
    Reserved2 = o.Reserved2;
    Created = o.Created;
    Created2 = o.Created2;
    Reserved3 = o.Reserved3;
    SelectionNo = std::move(o.SelectionNo);
    SelDate = o.SelDate;
    Name = std::move(o.Name);
    Rates = std::move(o.Rates);
    Currency = o.Currency;
    PriceGroupNo = o.PriceGroupNo;
    NDSTax = o.NDSTax;
    RoundMode = o.RoundMode;
    Notes = std::move(o.Notes);
    m_items.swap(o.m_items);
    for (auto &item : m_items)
        item->Selection = this;
    for (auto &item : o.m_items)
        item->Selection = &o;
}

} // namespace kv
