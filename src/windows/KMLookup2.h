#pragma once
// The list pick dialog: shows the rows of a table object in a grid with the
// caller's explanation above it and lets the user pick one. The table's
// current record follows the grid, so whatever row is current when the
// dialog closes is the row picked.
#include <QAbstractTableModel>
#include <QDialog>
#include <QStringList>
#include <QVariant>

class QTableView;
class QTextEdit;
class QPushButton;

namespace kv {

class TDataSource;
class TDataTable;
class TField;

// A field that receives the picked key: the named field of the current
// record of a table object. Empty for none.
struct LookupTarget
{
    TDataTable *table = nullptr;
    QString field;
    bool isNull() const { return table == nullptr || field.isEmpty(); }
};

// The rows of a table object's current view as grid rows.
class DataTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit DataTableModel(QObject *parent = nullptr) : QAbstractTableModel(parent) {}
    // Binds the model to the table's fields by name; unknown names give empty columns.
    void setTable(TDataTable *table, const QStringList &fields);
    TDataTable *table() const { return m_table; }
    void reload();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // Grid width of a column in characters.
    int displayWidth(int column) const;

private:
    TDataTable *m_table = nullptr;
    QStringList m_names;
    QList<TField *> m_fields;
};

class TDBLookup2Dlg : public QDialog
{
    Q_OBJECT
public:
    explicit TDBLookup2Dlg(QWidget *parent = nullptr);

    // Shows the rows of source (narrowed by filter when given) with the first
    // lastColumn + 1 of fields as columns. True on OK: the table then stands
    // on the picked row, target holds its key and resultValue() too. The
    // table's own filter is put back in every case.
    bool Run(TDataSource &source, const QString &keyField, const QString &explanation, const QString &caption,
             const QString &filter, const LookupTarget &target, int lastColumn, const QStringList &fields);

    QVariant resultValue() const { return m_result; }

    QTextEdit *memo() const { return m_memo; }
    QTableView *grid() const { return m_grid; }
    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void moveTableTo(int row);

    QTextEdit *m_memo;
    QTableView *m_grid;
    QPushButton *m_ok;
    QPushButton *m_cancel;
    DataTableModel m_model;
    QString m_keyField;
    LookupTarget m_target;
    QVariant m_result;
};

} // namespace kv
