#pragma once
// A customer order: header, currency rates, notes and the positions, stored in
// an order file (signature, format stamp, then the values of the header and of
// every position).
#include "model/Construction.h"
#include "model/CurrencyItem.h"
#include "model/MatList.h"
#include "tools/OleDate.h"

#include <QStringList>
#include <memory>
#include <vector>

namespace kv {

// What a file load did: whether the document now holds the file, and whether
// the file had an older format (the document then counts as changed).
struct TkvfLoadResult
{
    bool loaded = false;
    bool converted = false;
    bool operator==(const TkvfLoadResult &) const = default;
};

// A document's rate list as stored: the count, then every currency item.
// Reading gives the whole list or raises; damaged counts raise StreamReadError.
void SaveRates(TSpecStream &stream, const TkvfCurrencyList &rates);
TkvfCurrencyList LoadRates(TSpecStream &stream, const QString &stamp);

class TkvfOrder
{
public:
    static inline const QString FileSignature = QStringLiteral("Karvelo Furniture Order File");

    TkvfOrder();
    ~TkvfOrder();
    TkvfOrder(const TkvfOrder &) = delete;
    TkvfOrder &operator=(const TkvfOrder &) = delete;

    QString Signature = FileSignature;
    QString Stamp = stamps::Order; // after loading: the stamp of the file
    qint32 Reserved1 = 0;
    qint32 Reserved2 = 0;
    OleDate Created = 0;
    OleDate Created2 = 0;
    qint32 Reserved3 = 0;
    QString OrderNo;
    QString AltOrderNo;
    QString Customer;
    QString ObjectName;
    QString Address;
    QString Phone;
    QString Remark;
    OleDate OrderDate = 0;
    bool OrderDateSet = true;
    QString ProfSys;    // keeper-plate (profile) system
    QString InnerColor;
    QString OuterColor;
    QString FurnSys;
    QString FurnColor;  // decorative cover colour
    QString Handle;     // default handle set
    qint32 Material = 0; // not stored in the file
    qint32 FalzType = 0;
    qint32 DornType = 0;
    qint32 StulpType = 0;
    qint32 OpenType = 0;
    qint32 PriceGroupNo = 0;
    float NDSTax = 0;   // VAT rate, percent
    bool GetTotalNDS = false;
    bool ShowIncludeNDS = false;
    TkvfCurrencyList Rates;
    qint32 Currency = 0;
    QStringList Notes;

    // Positions, owned, in file and screen order.
    int PositionCount() const { return int(m_positions.size()); }
    TkvfConstruction &Position(int i) { return *m_positions.at(i); }
    const TkvfConstruction &Position(int i) const { return *m_positions.at(i); }
    // Appends a new empty position belonging to this order.
    TkvfConstruction &AddPosition();
    // Appends position and makes this order its owner.
    TkvfConstruction &AddPosition(std::unique_ptr<TkvfConstruction> position);
    void DeletePosition(int i);
    // Takes position i out of the order; the caller owns it.
    std::unique_ptr<TkvfConstruction> TakePosition(int i);
    // Inserts position before index i (clamped to the list) and makes this order its owner.
    TkvfConstruction &InsertPosition(int i, std::unique_ptr<TkvfConstruction> position);
    // Puts position in place of position i, which is freed.
    TkvfConstruction &ReplacePosition(int i, std::unique_ptr<TkvfConstruction> position);
    void ClearPositions();

    int RateCount() const { return Rates.count(); }
    TkvfCurrencyItem &Rate(int i) { return Rates.at(i); }
    const TkvfCurrencyItem &Rate(int i) const { return Rates.at(i); }
    void ClearRates() { Rates.clear(); }

    // The first position with this number, letter case ignored (Windows-1251).
    TkvfConstruction *FindPosition(const QString &posNo);

    int CheckedCount() const;
    bool HasChecked() const { return CheckedCount() > 0; }
    // The checked positions in list order; nullptr at the end.
    TkvfConstruction *FirstChecked();
    TkvfConstruction *NextChecked();

    // Sum of the checked positions' costs.
    Money Total() const;
    // Total times NDSTax / 100, rounded once; 0 unless GetTotalNDS.
    Money VATAmount() const;
    Money TotalWithVAT() const;

    // Ascending by PosNo / PosName, Windows-1251 bytes, case-sensitive.
    void SortByPosNo();
    void SortByName();

    // Merges the materials of every checked position (times its Count) into
    // list, at the prices stored with the positions. Nothing without a list.
    void CollectMaterials(TkvfMatList *list) const;

    // Writes the file with the current stamp. The previous file is replaced
    // only once the new one is complete. Failures are shown in the error box
    // and give false; an empty name gives false silently.
    bool SaveToFile(const QString &fileName);
    // Reads the file. An older format asks before converting, a newer one is
    // refused with a warning; failures are shown in the error box. The order
    // changes only when the result is loaded.
    TkvfLoadResult LoadFromFile(const QString &fileName);
    // The same for file content already in memory.
    TkvfLoadResult LoadFromData(const QByteArray &data);

    // The current layout under the current stamp, whatever Stamp holds.
    void SaveToStream(TSpecStream &stream) const;
    // Reads the whole layout with the stamp found in the data, without asking;
    // damaged data raises StreamReadError and leaves the order as it was.
    void LoadFromStream(TSpecStream &stream);

private:
    void ReadHeader(TSpecStream &stream);
    void ReadBody(TSpecStream &stream);
    void TakeContentFrom(TkvfOrder &other);

    std::vector<std::unique_ptr<TkvfConstruction>> m_positions;
    int m_cursor = -1; // checked iteration
};

} // namespace kv
