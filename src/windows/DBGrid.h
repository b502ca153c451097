#pragma once
// Data grids over the catalogue's table objects: a table model that reads
// the rows of a table object's current view and edits them through its edit
// buffer, the cell editors (drop-down lists for lookup fields, upper-case
// ID fields, numbers with a decimal comma), the grid itself with its
// non-scrolling first columns and the common grid keys, and the record
// navigator. A change is written to the table when its row is left or when
// the dialog that owns the grid closes (postPending).
#include <QAbstractTableModel>
#include <QList>
#include <QPair>
#include <QStringList>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVariant>
#include <QWidget>
#include <functional>
#include <memory>

class QToolButton;

namespace kv {

class TDataEditor;
class TDataTable;
class TField;
class TRowSelection;

struct TDBGridColumn
{
    TDBGridColumn(const QString &field, const QString &columnTitle = {}, int chars = 0, bool isReadOnly = false)
        : fieldName(field), title(columnTitle), width(chars), readOnly(isReadOnly)
    {
    }
    // A lookup column whose drop-down lists the rows of list.
    static TDBGridColumn lookup(const QString &field, const QString &columnTitle, int chars, TDataTable *list,
                                const QString &shown, const QString &key)
    {
        TDBGridColumn c(field, columnTitle, chars);
        c.listTable = list;
        c.listField = shown;
        c.listKey = key;
        return c;
    }

    QString fieldName;
    QString title;       // empty: the field's display label
    int width = 0;       // in characters; 0: from the field
    bool readOnly = false;
    // The drop-down of a lookup field: the rows of listTable, showing
    // listField and storing listKey into the lookup's key field. Without
    // one, the lookup's own table and fields.
    TDataTable *listTable = nullptr;
    QString listField, listKey;
};

class TDBGridModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    TDBGridModel(TDataTable &table, const QList<TDBGridColumn> &columns, QObject *parent = nullptr);

    TDataTable &table() const { return m_table; }
    TDataEditor &editor() const { return m_editor; }
    const TDBGridColumn &column(int c) const { return m_columns.at(c); }
    TField *field(int c) const { return m_fields.at(c); }
    // Whether the user may change the table through the grid.
    bool canModify() const;
    void setReadOnly(bool readOnly) { m_readOnly = readOnly; }
    bool isReadOnly() const { return m_readOnly; }
    // Columns that do not scroll; they are never edited.
    void setFixedColumns(int count) { m_fixed = count; }
    int fixedColumns() const { return m_fixed; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Rows: the table's view in its order, with the new record (while one
    // is being entered) at its place.
    int pendingRow() const;
    int editedRow() const;  // the row being changed or entered, -1
    int currentRow() const; // the table's current record (or the new one); -1 when empty
    int viewIndex(int row) const; // -1 for the new record
    qint64 bookmarkOfRow(int row) const;
    int rowOfBookmark(qint64 bookmark) const;
    int recordRows() const; // rows including the new record, counted now

    // A field of a row as the user sees it (pending values on the edited row).
    QVariant fieldValue(int row, int column) const;
    QString displayText(int row, int column) const;
    // The text a cell editor starts with; for a lookup column the key.
    QString editText(int row, int column) const;
    bool isCheckColumn(int column) const;
    bool isLookupColumn(int column) const;
    bool isEditable(int column) const;
    // Field that a value typed into the column goes to (the key of a lookup).
    QString targetField(int column) const;
    // The choices of a lookup column: shown text and stored key.
    QList<QPair<QString, QVariant>> lookupItems(int column) const;

    // Starts changing the record of row, writing another pending record
    // first. False, the error shown, when that write fails.
    bool beginEditAt(int row);
    // Sets a field of the row's record from what the user typed or chose
    // (a lookup column takes the key). False, the error shown, when refused.
    bool setCellValue(int row, int column, const QVariant &value);

Q_SIGNALS:
    // The table's current record moved.
    void currentMoved();

private:
    void reload();
    void stateChanged();
    void rowChanged();

    TDataTable &m_table;
    TDataEditor &m_editor;
    QList<TDBGridColumn> m_columns;
    QList<TField *> m_fields;
    bool m_readOnly = false;
    int m_fixed = 0;
    int m_rows = 0;          // as the views were last told
    int m_shownPending = -1; // likewise
};

// Cell editors by column kind, and check boxes drawn in the middle of the cell.
class TDBGridDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit TDBGridDelegate(TDBGridModel *model, QObject *parent = nullptr);
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    bool editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                     const QModelIndex &index) override;

protected:
    // Enter finishes the cell and stays in the grid instead of reaching the
    // dialog's default button.
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    TDBGridModel *m_model;
};

class TDBGrid : public QTableView
{
    Q_OBJECT
public:
    using Handler = std::function<void()>;

    TDBGrid(TDataTable &table, const QList<TDBGridColumn> &columns, QWidget *parent = nullptr);
    ~TDBGrid() override;

    TDBGridModel *dbModel() const { return m_model; }
    TDataTable &table() const;
    TDataEditor &editor() const;

    // Deleting asks first ("Удалить запись?" and the like).
    bool confirmDelete() const { return m_confirmDelete; }
    void setConfirmDelete(bool on) { m_confirmDelete = on; }
    // The Insert key and the navigator may start new records.
    bool allowInsert() const { return m_allowInsert; }
    void setAllowInsert(bool on) { m_allowInsert = on; }
    // Records may be deleted (Ctrl+Delete, the navigator).
    bool allowDelete() const { return m_allowDelete; }
    void setAllowDelete(bool on) { m_allowDelete = on; }
    void setReadOnly(bool readOnly);
    bool canModify() const;
    // The first count columns stay in place when the grid scrolls sideways.
    void setFixedColumns(int count);
    int fixedColumns() const;
    // Ctrl+C, Ctrl+V and Ctrl+B.
    void setClipboardHandlers(Handler copy, Handler paste, Handler clone = {});
    const Handler &copyHandler() const { return m_copy; }
    const Handler &pasteHandler() const { return m_paste; }
    const Handler &cloneHandler() const { return m_clone; }

    // Whether a cell editor is open.
    bool isEditingCell() const { return state() == QAbstractItemView::EditingState; }
    // The field of the current column.
    TField *currentField() const;
    // Rows marked beyond the current one: two or more rows, else none.
    QList<int> markedRows() const;
    // The marked rows for the record clipboard.
    TRowSelection *rowSelection() const { return m_selection.get(); }

    // Closes an open cell editor keeping what was typed, then writes the
    // pending record. An error is shown and false returned.
    bool postPending();
    // Drops the pending record and whatever a cell editor holds.
    void cancelPending();
    // A new record before the current one.
    void insertRecord();
    // Deletes the marked rows or else the current record, asking first
    // when the grid confirms deletions; all rows with allRows.
    void deleteRecords(bool allRows = false);

    // Column width in pixels for a width in characters and its title.
    int widthForChars(int chars, const QString &title) const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void resizeEvent(QResizeEvent *event) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void syncCurrent();
    void leaveRowTo(int row);
    void updateFrozenGeometry();
    void applyColumnWidths();
    int frozenWidth() const;

    TDBGridModel *m_model;
    TDBGridDelegate *m_delegate;
    QTableView *m_frozen = nullptr;
    std::unique_ptr<TRowSelection> m_selection;
    bool m_confirmDelete = true;
    bool m_allowInsert = true;
    bool m_allowDelete = true;
    bool m_syncing = false;
    bool m_modelChanging = false;
    int m_column = 0;
    Handler m_copy, m_paste, m_clone;
};

// The common keys of editable grids: Ctrl+Insert copies the current field's
// text (a lookup field's key) to the system clipboard, Shift+Insert puts
// the clipboard's text into it, Insert starts a new record, Ctrl+C, Ctrl+V
// and Ctrl+B call the handlers given, Ctrl+Delete deletes the current or
// the marked records and Ctrl+Shift+Delete all records, asking first when
// the grid confirms deletions. True when the key was used.
bool HandleGridKey(TDBGrid &grid, int key, Qt::KeyboardModifiers shift, const TDBGrid::Handler &copyHandler = {},
                   const TDBGrid::Handler &pasteHandler = {}, const TDBGrid::Handler &cloneHandler = {});

// The input box of the record clipboard's asked values: the prompt, a line
// to type into, OK and Cancel. False when cancelled.
bool QtInputQuery(const QString &prompt, QString &value);

// A record navigator bound to a grid: buttons move through the table and
// start, write and drop changes through the grid.
class TDBNavigator : public QWidget
{
    Q_OBJECT
public:
    enum Button { First, PriorPage, Prior, Next, NextPage, Last, Insert, Delete, Edit, Post, Cancel, Refresh };
    static constexpr int ButtonCount = Refresh + 1;
    static constexpr int PageRows = 10;

    explicit TDBNavigator(QWidget *parent = nullptr);
    void setGrid(TDBGrid *grid);
    TDBGrid *grid() const { return m_grid; }
    void setVisibleButtons(const QList<Button> &buttons);
    // Hints of first, prior, next, last, insert, delete, edit, post, cancel
    // and refresh, in this order.
    void setHints(const QStringList &hints);
    void setConfirmDelete(bool on) { m_confirmDelete = on; }
    QToolButton *button(Button b) const { return m_buttons[b]; }
    // What the button does (also when hidden).
    void click(Button b);

public Q_SLOTS:
    void updateButtons();

private:
    TDBGrid *m_grid = nullptr;
    QToolButton *m_buttons[ButtonCount];
    bool m_confirmDelete = true;
    QList<QMetaObject::Connection> m_links;
};

} // namespace kv
