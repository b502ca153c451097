#pragma once
// A selection gathers positions of several order files into one document. It
// copies nothing: each item names an order file and a position number and
// keeps a few values of that position; full data is read from the order file
// whenever it is needed.
#include "model/Order.h"

namespace kv {

// How order file references are built and compared. Windows: paths upper-cased
// with backslashes, as its file system ignores letter case. Posix: a path keeps
// its own case and is compared exactly.
enum class PathStyle { Windows, Posix };
PathStyle NativePathStyle();

// A path under base becomes "%" followed by the rest of the path (separator
// included); references already starting with "%" and paths elsewhere stay
// as they are (upper-cased in the Windows style).
QString MakeRelativePath(const QString &base, const QString &path,
                         PathStyle style = NativePathStyle());
// The reverse: "%" and the rest becomes base, a separator and the rest. A
// "%\..." reference written by a Windows installation is read in either style.
QString ExpandRelativePath(const QString &base, const QString &ref,
                           PathStyle style = NativePathStyle());

class TkvfOrderSelection;

class TkvfOrderSelectionItem
{
public:
    bool Checked = true;
    QString OrderNo;
    QString PosNo;         // the key by which the position is found again
    float Width = 0;       // rebate size in mm when the item was added; 0 after a refresh
    float Height = 0;
    qint32 Count = 0;
    QString PosName;
    QString OrderFileRef;  // relative form, see MakeRelativePath
    TkvfOrderSelection *Selection = nullptr; // not owned

    void SaveToStream(TSpecStream &stream) const;
    void LoadFromStream(TSpecStream &stream, const QString &stamp);
};

// A position read for a selection item together with the order it belongs to:
// the position lives as long as this handle.
struct TkvfItemPosition
{
    std::unique_ptr<TkvfOrder> Order;
    TkvfConstruction *Position = nullptr;
    explicit operator bool() const { return Position != nullptr; }
};

class TkvfOrderSelection
{
public:
    static inline const QString FileSignature = QStringLiteral("Karvelo Furniture Selection File");

    TkvfOrderSelection();
    ~TkvfOrderSelection();
    TkvfOrderSelection(const TkvfOrderSelection &) = delete;
    TkvfOrderSelection &operator=(const TkvfOrderSelection &) = delete;

    QString Signature = FileSignature;
    QString Stamp = stamps::Selection; // after loading: the stamp of the file
    qint32 Reserved1 = 0;
    qint32 Reserved2 = 0;
    OleDate Created = 0;
    OleDate Created2 = 0;
    qint32 Reserved3 = 0;
    QString SelectionNo;
    OleDate SelDate = 0;
    QString Name;
    TkvfCurrencyList Rates;
    qint32 Currency = 0;
    qint32 PriceGroupNo = 0;
    float NDSTax = 0;
    quint8 RoundMode = 0; // 0 none, 1 to the least trade unit; stored only
    QStringList Notes;

    // Base of the relative order file references: the orders directory of
    // the configuration when the selection was created. Not stored.
    QString OrdersDir;
    PathStyle PathRules = NativePathStyle();

    int ItemCount() const { return int(m_items.size()); }
    TkvfOrderSelectionItem &Item(int i) { return *m_items.at(i); }
    const TkvfOrderSelectionItem &Item(int i) const { return *m_items.at(i); }
    TkvfOrderSelectionItem &AddItem();
    void DeleteItem(int i);
    void ClearItems() { m_items.clear(); }
    int CheckedCount() const;
    bool HasChecked() const { return CheckedCount() > 0; }
    // Index of the first item with these numbers, letter case ignored; -1 when none.
    int IndexOf(const QString &orderNo, const QString &posNo) const;

    int RateCount() const { return Rates.count(); }
    TkvfCurrencyItem &Rate(int i) { return Rates.at(i); }
    const TkvfCurrencyItem &Rate(int i) const { return Rates.at(i); }
    void ClearRates() { Rates.clear(); }

    // Reference to store for an order file, and the path a reference names.
    QString FileRefOf(const QString &path) const;
    QString PathOf(const TkvfOrderSelectionItem &item) const;

    // Takes the current numbers, count and name of every item's position from
    // its order file (and its Checked mark with takeChecked). Items whose file
    // cannot be read or whose position is gone stay as they are.
    void Refresh(bool takeChecked);
    // Order numbers of the items, one per run of items of the same file,
    // separated by ",".
    QString OrderNumbersText() const;
    // Materials of the checked items' positions, times each position's Count,
    // sorted by article and repriced from the catalogue. Nothing without a list.
    void CollectMaterials(TkvfMatList *list) const;
    // Reads the item's order file; an empty handle when the file is missing,
    // cannot be read or lacks the position.
    TkvfItemPosition GetItemPosition(const TkvfOrderSelectionItem &item) const;

    // Ascending, Windows-1251 bytes, case-sensitive.
    void SortByOrderNo();  // OrderNo, PosNo
    void SortByPosNo();    // PosNo, OrderNo
    void SortByPosName();  // PosName, OrderNo, PosNo
    void SortByOrderFile(); // OrderFileRef, OrderNo, PosNo

    // As for orders: atomic save, messages in the boxes, nothing changed unless loaded.
    bool SaveToFile(const QString &fileName);
    TkvfLoadResult LoadFromFile(const QString &fileName);
    TkvfLoadResult LoadFromData(const QByteArray &data);

    // The current layout under the current stamp.
    void SaveToStream(TSpecStream &stream) const;

private:
    void ReadBody(TSpecStream &stream);
    void TakeContentFrom(TkvfOrderSelection &other);

    std::vector<std::unique_ptr<TkvfOrderSelectionItem>> m_items;
};

} // namespace kv
