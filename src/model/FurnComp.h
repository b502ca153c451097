#pragma once
// The fittings of one sash: the user's choice and the elements that the
// selection engine derived from it.
#include "tools/SpecStream.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

namespace kv {

class TkvfFlugel;
class TkvfFurnComp;

// One sash's fittings choice as the fittings dialog hands it over.
struct TSashChoice
{
    QString MainSet, HingeSet, Handle, Lock, Cylinder, Closer, Latch;
    bool OwnHandleHeight = false;
    qint32 HandleHeight = 0; // mm
    qint32 Dorn = 0;         // DornList ID
    QStringList Properties;  // "category=SysProp ID" per line
    QStringList AdditionalSets;

    // No component and no additional set: the sash gets no composition.
    bool IsEmpty() const;
    // None of the seven components.
    bool HasNoComponents() const;
};

// One fittings element of a composition.
class TkvfFurnItem
{
public:
    explicit TkvfFurnItem(TkvfFurnComp *owner = nullptr) : Owner(owner) {}

    QString Article;
    float Length = 0;      // cut length, mm; 0 for pieces
    qint32 Quantity = 0;
    QString History;
    QString Comment;
    qint32 SideNo = 0;     // 1-based side of the sash, 0 for none
    qint32 Reserved[3] = {0, 0, 0};
    QString ParentSet;
    TkvfFurnComp *Owner = nullptr; // not owned

    void SaveToStream(TSpecStream &stream) const;
    void LoadFromStream(TSpecStream &stream, const QString &stamp);
};

class TkvfFurnComp
{
public:
    // Component categories: the index of the property lines and of Component().
    enum Category { MainSetCat = 0, HandleCat, HingeSetCat, LockCat, CylinderCat, CloserCat, LatchCat };

    explicit TkvfFurnComp(TkvfFlugel *sash) : Sash(sash) {}
    TkvfFurnComp(const TkvfFurnComp &) = delete;
    TkvfFurnComp &operator=(const TkvfFurnComp &) = delete;

    QString FurnSys, ProfSys, FurnColor;
    QString MainSet, HingeSet, Handle, Lock, Cylinder, Closer, Latch;
    qint32 MainImage = -1, HandleImage = -1, HingeImage = -1, CloserImage = -1, ReservedImage = -1;
    qint32 HandleColour = 0, HingeColour = 0, CloserColour = 0, ReservedColour = 0;
    qint32 HandleHeight = 0; // mm; used only with OwnHandleHeight
    bool OwnHandleHeight = false;
    QStringList Properties;
    QStringList AdditionalSets;
    TkvfFlugel *Sash = nullptr; // not owned

    // The set ID of a category (0 MainSet ... 6 Latch); empty for other numbers.
    QString Component(int category) const;
    // The seven component IDs and the additional sets are all empty.
    bool HasNoChoice() const;

    // Stores the choice, marks the sides and runs the selection engine.
    void Assign(const QString &furnSys, const QString &profSys, const QString &furnColor,
                const TSashChoice &choice);
    // Stores the seven IDs and the handle height only and marks the sides.
    void AssignMarks(const TSashChoice &choice);
    // Refills the items through the selection engine; on error no items remain.
    void Calculate();
    // Marks the sides of the sash from the main set's side table.
    void ApplySideMarks();
    void Clear();

    // Items
    int Count() const { return int(m_items.size()); }
    TkvfFurnItem &Item(int i) { return *m_items.at(size_t(i)); }
    const TkvfFurnItem &Item(int i) const { return *m_items.at(size_t(i)); }
    void AddItem(const QString &article, const QString &parentSet, const QString &history,
                 bool separate, float length, const QString &comment, qint32 quantity,
                 qint32 sideNo);
    int FindItem(const QString &article, const QString &parentSet, const QString &comment,
                 float length, qint32 sideNo) const;
    int FindArticle(const QString &article) const;
    void ClearItems() { m_items.clear(); }
    void DeleteItem(int i);
    // Ascending by the Windows-1251 codes of the article; equal codes keep no order.
    void SortItemsByArticle();

    void SaveToStream(TSpecStream &stream) const;
    void LoadFromStream(TSpecStream &stream, const QString &stamp);

private:
    std::vector<std::unique_ptr<TkvfFurnItem>> m_items;
};

} // namespace kv
