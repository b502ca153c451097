#include "FurnComp.h"

#include "model/ModelServices.h"
#include "model/ModelStream.h"
#include "model/Sash.h"
#include "model/SideTable.h"
#include "tools/Geometry.h"
#include "tools/Win1251.h"

#include <algorithm>

namespace kv {

bool TSashChoice::HasNoComponents() const
{
    return MainSet.isEmpty() && HingeSet.isEmpty() && Handle.isEmpty() && Lock.isEmpty()
        && Cylinder.isEmpty() && Closer.isEmpty() && Latch.isEmpty();
}

bool TSashChoice::IsEmpty() const
{
    return HasNoComponents() && AdditionalSets.isEmpty();
}

// ---- Item --------------------------------------------------------------------

void TkvfFurnItem::SaveToStream(TSpecStream &s) const
{
    WriteString(s, Article);
    WriteReal(s, Length);
    WriteInt(s, Quantity);
    WriteString(s, History);
    WriteString(s, Comment);
    WriteInt(s, SideNo);
    for (qint32 r : Reserved)
        WriteInt(s, r);
    WriteString(s, ParentSet);
}

void TkvfFurnItem::LoadFromStream(TSpecStream &s, const QString &stamp)
{
    Article = ReadString(s);
    Length = ReadSingle(s);
    Quantity = ReadInt(s);
    if (IsStampNotOlder(stamp, stamps::ItemHistory))
        History = ReadString(s);
    if (IsStampNotOlder(stamp, stamps::ItemComment))
        Comment = ReadString(s);
    if (IsStampNotOlder(stamp, stamps::ItemSideNo)) {
        SideNo = ReadInt(s);
        for (qint32 &r : Reserved)
            r = ReadInt(s);
        ParentSet = ReadString(s);
    }
}

// ---- Composition ---------------------------------------------------------------

QString TkvfFurnComp::Component(int category) const
{
    switch (category) {
    case MainSetCat: return MainSet;
    case HandleCat: return Handle;
    case HingeSetCat: return HingeSet;
    case LockCat: return Lock;
    case CylinderCat: return Cylinder;
    case CloserCat: return Closer;
    case LatchCat: return Latch;
    default: return QString();
    }
}

bool TkvfFurnComp::HasNoChoice() const
{
    return MainSet.isEmpty() && HingeSet.isEmpty() && Handle.isEmpty() && Lock.isEmpty()
        && Cylinder.isEmpty() && Closer.isEmpty() && Latch.isEmpty()
        && StringsToText(AdditionalSets).isEmpty();
}

void TkvfFurnComp::Assign(const QString &furnSys, const QString &profSys,
                          const QString &furnColor, const TSashChoice &choice)
{
    FurnSys = furnSys;
    ProfSys = profSys;
    FurnColor = furnColor;
    MainSet = choice.MainSet;
    HingeSet = choice.HingeSet;
    Handle = choice.Handle;
    Lock = choice.Lock;
    Cylinder = choice.Cylinder;
    Closer = choice.Closer;
    Latch = choice.Latch;
    HandleHeight = choice.HandleHeight;
    OwnHandleHeight = choice.OwnHandleHeight;
    Properties = choice.Properties;
    AdditionalSets = choice.AdditionalSets;
    ApplySideMarks();
    Calculate();
}

void TkvfFurnComp::AssignMarks(const TSashChoice &choice)
{
    MainSet = choice.MainSet;
    HingeSet = choice.HingeSet;
    Handle = choice.Handle;
    Lock = choice.Lock;
    Cylinder = choice.Cylinder;
    Closer = choice.Closer;
    Latch = choice.Latch;
    HandleHeight = choice.HandleHeight;
    OwnHandleHeight = choice.OwnHandleHeight;
    ApplySideMarks();
}

void TkvfFurnComp::Calculate()
{
    ClearItems();
    try {
        modelServices().SelectFittings(*this);
    } catch (...) {
        ClearItems();
        throw;
    }
}

void TkvfFurnComp::ApplySideMarks()
{
    if (HasNoChoice()) {
        Clear();
        return;
    }
    ModelServices &services = modelServices();
    HandleColour = services.ComponentScreenColor(Handle);
    CloserColour = services.ComponentScreenColor(Closer);
    MainImage = services.ComponentImage(MainSet);
    HandleImage = services.ComponentImage(Handle);
    CloserImage = services.ComponentImage(Closer);
    if (!HingeSet.isEmpty()) {
        HingeColour = services.ComponentScreenColor(HingeSet);
        HingeImage = services.ComponentImage(HingeSet);
    } else {
        HingeColour = services.ComponentScreenColor(MainSet);
        HingeImage = 20;
    }
    if (!Sash)
        return;
    if (MainSet.isEmpty()) {
        for (int i = 0; i < Sash->LineCount(); ++i) {
            TkvfLine &line = Sash->Line(i);
            line.ClearMarks();
            line.HandleHeight = 0;
        }
        return;
    }
    const bool handleAllowed = !Handle.isEmpty() || (MainImage >= 1 && MainImage <= 5);
    const int sides = Sash->LineCount();
    for (const TSideRow &row : ReadSideRows(MainSet)) {
        const int i = row.Side - 1;
        if (i < 0 || i >= sides)
            continue;
        TkvfLine &line = Sash->Line(i);
        line.HingeSide = row.OpenMode == 1;
        if (line.HingeSide) {
            // A rotation side that the sash does not have would point the opening
            // mark nowhere and make the stored position unreadable: no mark then.
            const int rot = row.RotSide - 1;
            line.RotSideIndex = (rot >= 0 && rot < sides) ? rot : -1;
        }
        line.Handled = row.Handled && handleAllowed;
        if (!line.Handled) {
            line.HandleHeight = 0;
        } else {
            const qint32 height = OwnHandleHeight
                ? HandleHeight
                : RoundHalfAway(line.ChordLengthMM() / 2.0);
            line.SetHandle(height, row.HandleDirect);
        }
        line.Banded = row.Banded;
        line.Drived = row.Drived;
    }
}

void TkvfFurnComp::Clear()
{
    FurnSys.clear();
    ProfSys.clear();
    FurnColor.clear();
    MainSet.clear();
    HingeSet.clear();
    Handle.clear();
    Lock.clear();
    Cylinder.clear();
    Closer.clear();
    Latch.clear();
    HandleHeight = 0;
    OwnHandleHeight = false;
    HandleColour = HingeColour = CloserColour = ReservedColour = 0;
    MainImage = HandleImage = HingeImage = CloserImage = ReservedImage = -1;
    Properties.clear();
    AdditionalSets.clear();
    ClearItems();
}

void TkvfFurnComp::AddItem(const QString &article, const QString &parentSet,
                           const QString &history, bool separate, float length,
                           const QString &comment, qint32 quantity, qint32 sideNo)
{
    if (article.isEmpty() || quantity == 0 || modelServices().IsVirtualArticle(article))
        return;
    if (!separate) {
        const int found = FindItem(article, parentSet, comment, length, sideNo);
        if (found >= 0) {
            TkvfFurnItem &item = Item(found);
            qint32 sum = 0;
            if (qAddOverflow(item.Quantity, quantity, &sum))
                throw Error(QStringLiteral("Переполнение количества артикула [%1]!").arg(article));
            item.Quantity = sum;
            return;
        }
    }
    auto item = std::make_unique<TkvfFurnItem>(this);
    item->Article = article;
    item->ParentSet = parentSet;
    if (separate)
        item->History = history;
    item->Length = length;
    item->Comment = comment;
    item->Quantity = quantity;
    item->SideNo = sideNo;
    m_items.push_back(std::move(item));
}

int TkvfFurnComp::FindItem(const QString &article, const QString &parentSet,
                           const QString &comment, float length, qint32 sideNo) const
{
    for (size_t i = 0; i < m_items.size(); ++i) {
        const TkvfFurnItem &it = *m_items[i];
        if (it.Article == article && it.ParentSet == parentSet && it.Comment == comment
            && it.Length == length && it.SideNo == sideNo)
            return int(i);
    }
    return -1;
}

int TkvfFurnComp::FindArticle(const QString &article) const
{
    for (size_t i = 0; i < m_items.size(); ++i)
        if (m_items[i]->Article == article)
            return int(i);
    return -1;
}

void TkvfFurnComp::DeleteItem(int i)
{
    if (i >= 0 && i < Count())
        m_items.erase(m_items.begin() + i);
}

void TkvfFurnComp::SortItemsByArticle()
{
    std::sort(m_items.begin(), m_items.end(), [](const auto &a, const auto &b) {
        return cp1251::compare(a->Article, b->Article) < 0;
    });
}

void TkvfFurnComp::SaveToStream(TSpecStream &s) const
{
    WriteString(s, FurnSys);
    WriteString(s, ProfSys);
    WriteString(s, FurnColor);
    WriteString(s, MainSet);
    WriteString(s, HingeSet);
    WriteString(s, Handle);
    WriteInt(s, HandleHeight);
    WriteBool(s, OwnHandleHeight);
    WriteString(s, Lock);
    WriteString(s, Cylinder);
    WriteString(s, Closer);
    WriteString(s, Latch);
    for (qint32 v : {MainImage, HandleImage, HingeImage, CloserImage, ReservedImage,
                     HandleColour, HingeColour, CloserColour, ReservedColour})
        WriteInt(s, v);
    WriteString(s, StringsToText(Properties));
    WriteString(s, StringsToText(AdditionalSets));
    WriteInt(s, Count());
    for (const auto &item : m_items)
        item->SaveToStream(s);
}

void TkvfFurnComp::LoadFromStream(TSpecStream &s, const QString &stamp)
{
    ClearItems();
    FurnSys = ReadString(s);
    ProfSys = ReadString(s);
    FurnColor = ReadString(s);
    MainSet = ReadString(s);
    HingeSet = ReadString(s);
    Handle = ReadString(s);
    HandleHeight = ReadInt(s);
    OwnHandleHeight = ReadBool(s);
    Lock = ReadString(s);
    Cylinder = ReadString(s);
    Closer = ReadString(s);
    Latch = ReadString(s);
    for (qint32 *v : {&MainImage, &HandleImage, &HingeImage, &CloserImage, &ReservedImage,
                      &HandleColour, &HingeColour, &CloserColour, &ReservedColour})
        *v = ReadInt(s);
    Properties = TextToStrings(ReadString(s));
    AdditionalSets = TextToStrings(ReadString(s));
    // An item is at least an article, a length and a quantity.
    const qint32 count = ReadCount(s, kStringBytes + 2 * kRecordBytes);
    m_items.reserve(size_t(count));
    for (qint32 i = 0; i < count; ++i) {
        auto item = std::make_unique<TkvfFurnItem>(this);
        item->LoadFromStream(s, stamp);
        m_items.push_back(std::move(item));
    }
}

} // namespace kv
