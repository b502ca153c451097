#pragma once
// The edit buffer of a table object: a record being changed or a new record
// being entered, as data-aware grids and the record clipboard need it. Table
// objects write through at once; the buffer holds the user's changes until
// they are posted (the grid posts when its row is left or its dialog
// closes). There is one buffer per table object, shared by everyone who
// edits through it, so a grid shows a record that other code left open.
#include "core/DataSet.h"

#include <QObject>
#include <QString>
#include <QVariant>
#include <QVariantMap>

namespace kv {

// Suspends the data-aware controls of a data set for a scope, also when an
// error passes; they show the data set anew at the end.
class DisabledControls
{
public:
    explicit DisabledControls(TDataSet &ds) : m_ds(ds) { m_ds.disableControls(); }
    ~DisabledControls() { m_ds.enableControls(); }
    DisabledControls(const DisabledControls &) = delete;
    DisabledControls &operator=(const DisabledControls &) = delete;

private:
    TDataSet &m_ds;
};

class TDataEditor : public QObject
{
    Q_OBJECT
public:
    enum class State { Browse, Edit, Insert };

    // The buffer of a table object, created on first use and owned by it.
    static TDataEditor &of(TDataTable &table);

    TDataTable &table() const { return m_table; }
    State state() const { return m_state; }
    bool isEditing() const { return m_state != State::Browse; }

    // Starts changing the current record; nothing to do while editing.
    // Throws kv::Error when the table has no current record.
    void edit();
    // Starts a new record shown before the current one (insert) or after
    // the last one (append); a pending record is posted first.
    void insert();
    void append();
    // Writes the pending record. On failure (key violation, a value the
    // database refuses) kv::Error is thrown and the record stays pending.
    void post();
    // Drops the pending record.
    void cancel();
    // Posts when something is pending.
    void checkBrowseMode();
    // Deletes the current record; a pending new record is only dropped,
    // a pending change is dropped with the record.
    void deleteCurrent();

    // A field as the user sees it: the pending value while editing (a lookup
    // field follows its pending key), the table's value otherwise.
    QVariant value(const QString &fieldName) const;
    // Changes a field of the pending record. Text for a number may use a
    // comma or a point. Throws kv::Error when not editing, for an unknown or
    // read-only field and for a value the field cannot take.
    void setValue(const QString &fieldName, const QVariant &value);
    // Whether the pending record has a value set for the field.
    bool isModified(const QString &fieldName) const;

    // The record being changed (Edit), -1 otherwise.
    qint64 editBookmark() const { return m_state == State::Edit ? m_bookmark : -1; }
    // View position at which the new record is shown (Insert), -1 otherwise;
    // never beyond the end of the view.
    int insertPosition() const;

    // A value for a field as the table stores it: numbers from text with a
    // comma or a point, strings within the field's size. Throws kv::Error.
    static QVariant convert(const TField &field, const QVariant &value);

Q_SIGNALS:
    void stateChanged();
    void valueChanged(const QString &fieldName);

private:
    explicit TDataEditor(TDataTable &table);
    void setState(State s);
    void startNew(bool atEnd);
    void writeNew();
    void writeChanges();
    QVariant lookupValue(const TField &field) const;

    TDataTable &m_table;
    State m_state = State::Browse;
    QVariantMap m_values; // by field name as declared
    qint64 m_bookmark = -1;
    int m_insertAt = -1;
};

} // namespace kv
