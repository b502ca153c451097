#pragma once
// The record clipboard: copies of reference records (the current one or the
// rows marked in a grid) that can be pasted back into the same table as new
// records, with a fresh random key, a running counter or a value asked from
// the user. It lives inside the program, not on the system clipboard, and
// holds one copy at a time.
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <functional>
#include <memory>
#include <vector>

namespace kv {

class TDataTable;

// One copied field.
class TRecField
{
public:
    TRecField(const QString &name, const QVariant &value) : FieldName(name), Value(value) {}
    QString FieldName;
    QVariant Value;
};

// One copied record and the table it came from (not owned).
class TCustomRec
{
public:
    TCustomRec() = default;
    // Copies the current record of table: every data field (not lookup or
    // calculated) when fields is empty; with exclude, every data field not
    // named in fields; otherwise the named data fields in the order given.
    // Names are compared ignoring letter case.
    TCustomRec(TDataTable &table, bool exclude, const QStringList &fields);
    virtual ~TCustomRec();
    TCustomRec(const TCustomRec &) = delete;
    TCustomRec &operator=(const TCustomRec &) = delete;

    // Frees the fields and forgets the table.
    virtual void Clear();
    virtual bool IsComplete() const { return false; }
    virtual void Complete() {}
    // Writes every value into the same-named field of the table's pending
    // record (fields the table lacks or computes itself are skipped). False,
    // writing nothing, when table is not the one the record came from.
    virtual bool ApplyTo(TDataTable &table) const;
    // The same, but a field named in names (ignoring case) takes the value at
    // the same index of values instead, when both lists are given.
    virtual bool ApplyToWithOverrides(TDataTable &table, const QStringList &names, const QVariantList &values) const;

    TDataTable *DataSet() const { return m_dataSet; }
    int count() const { return int(m_fields.size()); }
    const TRecField &at(int i) const { return *m_fields.at(size_t(i)); }
    // The field of that name (ignoring case), nullptr when not copied.
    TRecField *findField(const QString &name) const;
    // Sets a field, adding it when the record has none of that name.
    void setValue(const QString &name, const QVariant &value);
    QVariant value(const QString &name) const;

private:
    std::vector<std::unique_ptr<TRecField>> m_fields;
    TDataTable *m_dataSet = nullptr;
};

// The rows a grid has marked, for copying them all.
class TRowSelection
{
public:
    virtual ~TRowSelection() = default;
    // Identities (bookmarks) of the marked rows, in grid order; fewer than
    // two means nothing is marked beyond the current row.
    virtual QList<qint64> selectedBookmarks() const = 0;
    virtual void clearSelection() = 0;
};

class TRecClipBoard
{
public:
    // Asks the user for a value with a prompt; false when cancelled.
    using InputQuery = std::function<bool(const QString &prompt, QString &value)>;

    TRecClipBoard() = default;
    ~TRecClipBoard();
    TRecClipBoard(const TRecClipBoard &) = delete;
    TRecClipBoard &operator=(const TRecClipBoard &) = delete;

    // Copies the rows marked in grid (two or more), or else the current
    // record. Nothing happens for a missing or empty table; otherwise the
    // earlier copy is dropped first. The table is back on its record after.
    void CopyRecords(TDataTable *table, const QStringList &fields = {}, bool exclude = false,
                     const QString &prompt = {}, const QString &askField = {},
                     const QString &randomKeyField = {}, TRowSelection *grid = nullptr);
    // Pastes the copied records into the table they came from (any other
    // table: nothing happens). Each is started as a new record inserted
    // before the current one (insertMode 0), appended (1), or written over
    // the current record (any other value), after the asked value, the random
    // key and the counter (counterStart + 1, + 2, ...) are put into it. With
    // several records, or postAlways, each is posted; a single record stays
    // open for the user to complete. A cancelled or empty answer ends the
    // paste; records already written stay. Errors of the table pass on; the
    // table's controls are enabled again in every case.
    void PasteRecords(TDataTable *table, bool postAlways = false, int insertMode = 0, int counterStart = 0,
                      const QString &counterField = {});

    void Clear();
    int count() const { return int(m_records.size()); }
    const TCustomRec &at(int i) const { return *m_records.at(size_t(i)); }
    TDataTable *DataSet() const { return m_dataSet; }

    // Random(213000) * 10000 + Random(9999).
    static qint32 RandomKey();

    QString RandomKeyField;
    QString AskField;
    QString AskPrompt;
    // How the ask box is shown; without one a paste that needs an answer ends.
    InputQuery AskValue;

private:
    std::vector<std::unique_ptr<TCustomRec>> m_records;
    TDataTable *m_dataSet = nullptr;
};

// The program's one record clipboard.
TRecClipBoard &RecClipBoard();

} // namespace kv
