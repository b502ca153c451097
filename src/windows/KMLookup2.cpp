#include "windows/KMLookup2.h"

#include "core/DataSet.h"
#include "tools/Win1251.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTableView>
#include <QTextEdit>
#include <QVBoxLayout>

namespace kv {

// ------------------------------------------------------------ DataTableModel

void DataTableModel::setTable(TDataTable *table, const QStringList &fields)
{
    beginResetModel();
    m_table = table;
    m_names = fields;
    m_fields.clear();
    for (const QString &name : fields)
        m_fields << (table ? table->findField(name) : nullptr);
    endResetModel();
}

void DataTableModel::reload()
{
    beginResetModel();
    endResetModel();
}

int DataTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() || !m_table || !m_table->isActive() ? 0 : m_table->recordCount();
}

int DataTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_names.size());
}

QVariant DataTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.column() >= m_fields.size())
        return {};
    TField *f = m_fields.at(index.column());
    if (!f)
        return {};
    if (role == Qt::DisplayRole) {
        const QVariant v = f->valueAt(index.row());
        if (!v.isValid())
            return QString();
        if (f->dataType() == FieldType::Date)
            return v.toDate().toString(QStringLiteral("dd.MM.yyyy"));
        return v;
    }
    if (role == Qt::TextAlignmentRole) {
        const bool number = !f->def().isText() && f->dataType() != FieldType::Date;
        return QVariant::fromValue(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
    }
    return {};
}

QVariant DataTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    if (section < 0 || section >= m_names.size())
        return {};
    TField *f = m_fields.at(section);
    return f ? f->displayLabel() : m_names.at(section);
}

int DataTableModel::displayWidth(int column) const
{
    TField *f = m_fields.value(column);
    if (!f)
        return 10;
    switch (f->dataType()) {
    case FieldType::String:
        return qBound(4, f->size(), 40);
    case FieldType::Date:
        return 10;
    default:
        return 10;
    }
}

// ------------------------------------------------------------ TDBLookup2Dlg

TDBLookup2Dlg::TDBLookup2Dlg(QWidget *parent) : QDialog(parent ? parent : QApplication::activeWindow())
{
    setWindowTitle(QStringLiteral("Список"));
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint);
    setSizeGripEnabled(true);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);

    m_memo = new QTextEdit(this);
    m_memo->setReadOnly(true);
    m_memo->setFrameShape(QFrame::NoFrame);
    m_memo->setFocusPolicy(Qt::NoFocus);
    QFont bold = m_memo->font();
    bold.setBold(true);
    m_memo->setFont(bold);
    QPalette memoPal = m_memo->palette();
    memoPal.setColor(QPalette::Text, QColor(128, 0, 0)); // maroon
    memoPal.setColor(QPalette::Base, Qt::white);
    m_memo->setPalette(memoPal);
    m_memo->setFixedHeight(m_memo->fontMetrics().lineSpacing() * 3 + 10);

    m_grid = new QTableView(this);
    m_grid->setModel(&m_model);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 6);
    m_grid->verticalHeader()->setVisible(false);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->installEventFilter(this);
    connect(m_grid, &QTableView::doubleClicked, this, &QDialog::accept);
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) { moveTableTo(current.row()); });

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setDefault(true);
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_memo);
    layout->addWidget(m_grid, 1);
    layout->addLayout(buttons);
    resize(520, 360);
}

void TDBLookup2Dlg::moveTableTo(int row)
{
    TDataTable *t = m_model.table();
    if (t && row >= 0 && row < t->recordCount() && t->recNo() != row + 1)
        t->setRecNo(row + 1);
}

bool TDBLookup2Dlg::Run(TDataSource &source, const QString &keyField, const QString &explanation,
                         const QString &caption, const QString &filter, const LookupTarget &target,
                         int lastColumn, const QStringList &fields)
{
    TDataTable *table = source.dataSet();
    if (!table)
        return false;
    setWindowTitle(caption);
    m_memo->setPlainText(explanation);
    m_memo->selectAll();
    m_memo->setAlignment(Qt::AlignHCenter);
    m_memo->moveCursor(QTextCursor::Start);
    m_keyField = keyField;
    m_target = target;
    m_result = QVariant();

    const QString oldFilter = table->filter();
    const bool oldFiltered = table->isFiltered();
    const bool useFilter = !filter.isEmpty();
    // Puts the caller's filter back, also when an error passes, and keeps the
    // table on the row that was current when the dialog closed.
    struct RestoreFilter
    {
        TDataTable *t;
        QString text;
        bool on;
        bool active;
        ~RestoreFilter()
        {
            if (!active)
                return;
            try {
                const qint64 chosen = t->recNo() > 0 ? t->bookmark() : -1;
                t->setFiltered(false);
                t->setFilter(text);
                t->setFiltered(on);
                if (chosen >= 0)
                    t->gotoBookmark(chosen);
            } catch (...) {
                // The filter was valid before the dialog; nothing sensible is left to do.
            }
        }
    } restore{table, oldFilter, oldFiltered, useFilter};

    if (table->isActive())
        table->refresh();
    if (useFilter) {
        table->setFilter(filter);
        table->setFiltered(true);
    }

    const QStringList columns = fields.mid(0, qMax(0, lastColumn + 1));
    m_model.setTable(table, columns);
    const int charWidth = m_grid->fontMetrics().averageCharWidth();
    for (int c = 0; c < columns.size(); ++c)
        m_grid->setColumnWidth(c, qMax(m_model.displayWidth(c) * charWidth + 12,
                                       m_grid->fontMetrics().horizontalAdvance(m_model.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString()) + 16));
    if (table->recNo() > 0)
        m_grid->setCurrentIndex(m_model.index(table->recNo() - 1, 0));

    const bool ok = exec() == QDialog::Accepted;
    if (ok) {
        m_result = table->fieldValue(keyField);
        if (!m_target.isNull())
            m_target.table->updateRecord({{m_target.field, m_result}});
    }
    m_model.setTable(nullptr, {});
    return ok;
}

void TDBLookup2Dlg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    TDataTable *t = m_model.table();
    if (t && !m_target.isNull()) {
        const QVariant wanted = m_target.table->fieldValue(m_target.field);
        const QString wantedText = wanted.toString();
        for (int row = 0; row < m_model.rowCount(); ++row) {
            const QVariant v = t->findField(m_keyField) ? t->findField(m_keyField)->valueAt(row) : QVariant();
            if (cp1251::equalsIgnoreCase(v.toString(), wantedText)) {
                m_grid->setCurrentIndex(m_model.index(row, 0));
                m_grid->scrollTo(m_model.index(row, 0));
                break;
            }
        }
    }
    m_grid->setFocus();
}

bool TDBLookup2Dlg::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_grid && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            accept();
            return true;
        }
        if (key->key() == Qt::Key_F3) {
            // Whole-row marking on and off.
            const bool rows = m_grid->selectionBehavior() == QAbstractItemView::SelectRows;
            m_grid->setSelectionBehavior(rows ? QAbstractItemView::SelectItems : QAbstractItemView::SelectRows);
            const QModelIndex cur = m_grid->currentIndex();
            m_grid->clearSelection();
            m_grid->setCurrentIndex(cur);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace kv
