#pragma once
// A position of an order: one window or door product, counted Count times, made
// of one sash or of two sashes side by side.
#include "model/Sash.h"
#include "model/SizeGrid.h"

#include <QStringList>
#include <memory>

class QPainter;

namespace kv {

class TkvfOrder;

class TkvfConstruction
{
public:
    enum ObjectKind : quint8 { Window = 0, DoorWithThreshold = 1 };
    // 0 two sashes, left main; 1 two sashes, right main; 2 single sash.
    enum ArrangementKind : quint8 { LeftMain = 0, RightMain = 1, SingleSash = 2 };

    explicit TkvfConstruction(TkvfOrder *order = nullptr);
    ~TkvfConstruction();
    TkvfConstruction(const TkvfConstruction &) = delete;
    TkvfConstruction &operator=(const TkvfConstruction &) = delete;

    bool Checked = true;
    QString PosNo;
    QString PosName;
    qint32 Count = 0;
    quint8 ObjectType = Window;
    QString FurnSys;
    QString ProfSys;
    QString FurnColor;
    qint32 FalzType = 0;
    qint32 StulpType = 0;
    qint32 OpenType = 0;
    float ProfWidth = 0;
    float ProfThickness = 0;
    QStringList Notes;
    Money UnitCost;
    quint8 Arrangement = SingleSash;
    TkvfOrder *Order = nullptr; // not owned

    TkvfFlugel &Sash1() { return *m_sash1; }
    const TkvfFlugel &Sash1() const { return *m_sash1; }
    TkvfFlugel &Sash2() { return *m_sash2; }
    const TkvfFlugel &Sash2() const { return *m_sash2; }
    bool IsTwoSash() const { return Arrangement != SingleSash; }

    // Builds the outlines from shape (mm) and gives the built sashes this dorn.
    void SetShape(const TShapeRecord &shape, qint32 dorn);
    // Stores the technical choice, sets both compositions (main sash first,
    // running the selection engine) and recalculates the cost.
    void ApplyFittingsChoice(const QString &furnSys, const QString &profSys,
                             const QString &furnColor, qint32 falzType, qint32 stulpType,
                             qint32 openType, float profWidth, float profThickness,
                             const TSashChoice &first, const TSashChoice &second);
    // Preview: the compositions take the component IDs and handle height of the
    // choices and mark the sides; nothing else changes and no selection runs.
    void UpdateFittingsMarks(const TSashChoice &first, const TSashChoice &second);
    // The secondary sash of a two-sash position keeps its composition only
    // while it shares the fittings system of sash s.
    void PartnerRule(TkvfFlugel &s);

    // Rebuilds the material lists and UnitCost.
    void RecalcCost();
    Money PositionCost() const;
    TkvfFlugel::Size RebateSize() const;

    // Reports visit the compositions of a position with this pair.
    TkvfFurnComp *FirstComposition();
    TkvfFurnComp *NextComposition();

    // Merges both sashes' materials into list, times Count.
    void AddMaterials(TkvfMatList &list) const;

    // Deep copy through the value stream; this keeps its order reference.
    void Copy(const TkvfConstruction &source);
    void Backup(TSpecStream &stream) const;
    // Reads the position back from the start of stream. On failure this stays
    // as it was.
    void Restore(TSpecStream &stream);

    // Draws the position with its dimension chains into the rectangle.
    void Draw(QPainter &painter, int left, int top, int right, int bottom, double zoom,
              const SizeOptions &options) const;

    void SaveToStream(TSpecStream &stream) const;
    void LoadFromStream(TSpecStream &stream, const QString &stamp);

private:
    // Reads a whole position into a fresh object and takes its content over,
    // so that a failed read changes nothing.
    void LoadReplacing(TSpecStream &stream, const QString &stamp);
    void TakeContentFrom(TkvfConstruction &other);

    std::unique_ptr<TkvfFlugel> m_sash1;
    std::unique_ptr<TkvfFlugel> m_sash2;
    bool m_iterating = false;
};

} // namespace kv
