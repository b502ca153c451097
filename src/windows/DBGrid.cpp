#include "DBGrid.h"

#include "core/Data.h"
#include "core/DataEditor.h"
#include "core/DataSet.h"
#include "core/RecClipBoard.h"
#include "core/TableData.h"
#include "tools/Errors.h"
#include "tools/Messages.h"
#include "tools/Win1251.h"

#include <QApplication>
#include <QClipboard>
#include <QAbstractItemView>
#include <QComboBox>
#include <QDate>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QToolButton>
#include <algorithm>
#include <cmath>

namespace kv {

namespace {

bool isNumberType(FieldType t)
{
    switch (t) {
    case FieldType::SmallInt:
    case FieldType::Integer:
    case FieldType::AutoInc:
    case FieldType::Decimal:
    case FieldType::Money:
        return true;
    default:
        return false;
    }
}

// Groups of three digits separated by blanks.
QString withThousands(const QString &number)
{
    const int sign = number.startsWith(QLatin1Char('-')) ? 1 : 0;
    int end = number.indexOf(QLatin1Char(','));
    if (end < 0)
        end = number.size();
    QString out = number;
    for (int i = end - 3; i > sign; i -= 3)
        out.insert(i, QLatin1Char(' '));
    return out;
}

// A real in the program's display convention (decimal comma); decimals < 0
// gives the shortest exact form.
QString commaNumber(double x, int decimals)
{
    x += 0.0; // no "-0"
    QString s = decimals < 0 ? QLocale::c().toString(x, 'f', QLocale::FloatingPointShortest)
                             : QLocale::c().toString(x, 'f', decimals);
    s.replace(QLatin1Char('.'), QLatin1Char(','));
    if (decimals > 0 && (s == QLatin1String("-0,") + QString(decimals, QLatin1Char('0'))))
        s.remove(0, 1);
    return s;
}

QString valueText(const TField *field, const QVariant &v, bool forEditing)
{
    if (!field || !v.isValid())
        return {};
    if (field->fieldKind() == FieldKind::Lookup)
        return v.toString();
    switch (field->dataType()) {
    case FieldType::String:
        return v.toString();
    case FieldType::SmallInt:
    case FieldType::Integer:
    case FieldType::AutoInc:
        return QString::number(v.toLongLong());
    case FieldType::Decimal:
        return commaNumber(v.toDouble(), -1);
    case FieldType::Money:
        // Amounts in lists carry four decimals; no currency name follows.
        return forEditing ? commaNumber(v.toDouble(), -1) : withThousands(commaNumber(v.toDouble(), 4));
    case FieldType::Date: {
        const QDate d = v.toDate();
        return d.isValid() ? d.toString(QStringLiteral("dd.MM.yyyy")) : QString();
    }
    case FieldType::Boolean:
        return v.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    }
    return v.toString();
}

// Letters of the Ctrl shortcuts, also as typed with the Russian layout (the
// same keys).
bool isLetterKey(int key, char latin)
{
    switch (latin) {
    case 'C': return key == Qt::Key_C || key == 0x0421;
    case 'V': return key == Qt::Key_V || key == 0x041C;
    case 'B': return key == Qt::Key_B || key == 0x0418;
    }
    return false;
}

const QString IndicatorBrowse = QStringLiteral("\u25BA");
const QString IndicatorEdit = QStringLiteral("\u270E");
const QString IndicatorInsert = QStringLiteral("*");

// The rows the grid marked, as the record clipboard asks for them.
class GridRowSelection : public TRowSelection
{
public:
    explicit GridRowSelection(TDBGrid &grid) : m_grid(grid) {}
    QList<qint64> selectedBookmarks() const override
    {
        QList<qint64> out;
        for (int row : m_grid.markedRows()) {
            const qint64 bm = m_grid.dbModel()->bookmarkOfRow(row);
            if (bm >= 0)
                out << bm;
        }
        return out;
    }
    void clearSelection() override
    {
        m_grid.selectionModel()->select(m_grid.currentIndex(),
                                        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }

private:
    TDBGrid &m_grid;
};

} // namespace

// ================================================================ model

TDBGridModel::TDBGridModel(TDataTable &table, const QList<TDBGridColumn> &columns, QObject *parent)
    : QAbstractTableModel(parent), m_table(table), m_editor(TDataEditor::of(table)), m_columns(columns)
{
    for (const TDBGridColumn &c : m_columns)
        m_fields << table.findField(c.fieldName);
    m_rows = recordRows();
    m_shownPending = pendingRow();

    connect(&m_table, &TDataSet::dataChanged, this, &TDBGridModel::reload);
    connect(&m_table, &TDataSet::currentChanged, this, [this] {
        if (m_rows > 0)
            Q_EMIT headerDataChanged(Qt::Vertical, 0, m_rows - 1);
        Q_EMIT currentMoved();
    });
    connect(&m_editor, &TDataEditor::stateChanged, this, [this] {
        if (!m_table.controlsDisabled())
            stateChanged();
    });
    connect(&m_editor, &TDataEditor::valueChanged, this, [this] {
        if (!m_table.controlsDisabled())
            rowChanged();
    });
}

void TDBGridModel::reload()
{
    beginResetModel();
    m_rows = recordRows();
    m_shownPending = pendingRow();
    endResetModel();
}

// Starting or dropping a change touches one row only: a reset would close
// the cell editor that started it.
void TDBGridModel::stateChanged()
{
    const int rows = recordRows();
    const int pending = pendingRow();
    if (rows == m_rows + 1 && pending >= 0 && m_shownPending < 0) {
        beginInsertRows({}, pending, pending);
        m_rows = rows;
        m_shownPending = pending;
        endInsertRows();
    } else if (rows == m_rows - 1 && pending < 0 && m_shownPending >= 0) {
        beginRemoveRows({}, m_shownPending, m_shownPending);
        m_rows = rows;
        m_shownPending = -1;
        endRemoveRows();
    } else if (rows != m_rows || pending != m_shownPending) {
        reload();
        return;
    }
    if (m_rows > 0) {
        Q_EMIT dataChanged(index(0, 0), index(m_rows - 1, columnCount() - 1));
        Q_EMIT headerDataChanged(Qt::Vertical, 0, m_rows - 1);
    }
    Q_EMIT currentMoved();
}

void TDBGridModel::rowChanged()
{
    const int row = editedRow();
    if (row < 0 || row >= m_rows)
        return;
    Q_EMIT dataChanged(index(row, 0), index(row, columnCount() - 1));
    Q_EMIT headerDataChanged(Qt::Vertical, row, row);
}

bool TDBGridModel::canModify() const { return !m_readOnly && m_table.isActive(); }

int TDBGridModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : m_rows; }

int TDBGridModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : int(m_columns.size()); }

int TDBGridModel::recordRows() const
{
    if (!m_table.isActive())
        return 0;
    return m_table.recordCount() + (pendingRow() >= 0 ? 1 : 0);
}

int TDBGridModel::pendingRow() const
{
    return m_table.isActive() ? m_editor.insertPosition() : -1;
}

int TDBGridModel::editedRow() const
{
    switch (m_editor.state()) {
    case TDataEditor::State::Insert:
        return pendingRow();
    case TDataEditor::State::Edit:
        return rowOfBookmark(m_editor.editBookmark());
    case TDataEditor::State::Browse:
        break;
    }
    return -1;
}

int TDBGridModel::currentRow() const
{
    if (!m_table.isActive())
        return -1;
    if (m_editor.state() == TDataEditor::State::Insert)
        return pendingRow();
    const int rec = m_table.recNo();
    return rec > 0 ? rec - 1 : -1;
}

int TDBGridModel::viewIndex(int row) const
{
    const int p = pendingRow();
    if (p < 0 || row < p)
        return row;
    return row == p ? -1 : row - 1;
}

qint64 TDBGridModel::bookmarkOfRow(int row) const
{
    const int vi = viewIndex(row);
    return vi < 0 || !m_table.isActive() ? -1 : m_table.bookmarkAt(vi);
}

int TDBGridModel::rowOfBookmark(qint64 bookmark) const
{
    if (bookmark < 0 || !m_table.isActive())
        return -1;
    const int vi = m_table.viewIndexOfBookmark(bookmark);
    if (vi < 0)
        return -1;
    const int p = pendingRow();
    return p >= 0 && vi >= p ? vi + 1 : vi;
}

bool TDBGridModel::isCheckColumn(int column) const
{
    const TField *f = m_fields.value(column);
    return f && f->def().checkBox;
}

bool TDBGridModel::isLookupColumn(int column) const
{
    const TField *f = m_fields.value(column);
    return f && f->fieldKind() == FieldKind::Lookup;
}

bool TDBGridModel::isEditable(int column) const
{
    const TField *f = m_fields.value(column);
    if (!f || column < m_fixed || m_columns.at(column).readOnly)
        return false;
    if (f->fieldKind() == FieldKind::Lookup)
        return !lookupItems(column).isEmpty() || m_table.findField(f->def().keyField) != nullptr;
    return !f->isReadOnly();
}

QString TDBGridModel::targetField(int column) const
{
    const TField *f = m_fields.value(column);
    if (!f)
        return {};
    return f->fieldKind() == FieldKind::Lookup ? f->def().keyField : f->fieldName();
}

QVariant TDBGridModel::fieldValue(int row, int column) const
{
    const TField *f = m_fields.value(column);
    if (!f || !m_table.isActive() || row < 0)
        return {};
    if (row == editedRow())
        return m_editor.value(f->fieldName());
    const int vi = viewIndex(row);
    if (vi < 0 || vi >= m_table.recordCount())
        return {};
    return f->valueAt(vi);
}

QString TDBGridModel::displayText(int row, int column) const
{
    return valueText(m_fields.value(column), fieldValue(row, column), false);
}

QString TDBGridModel::editText(int row, int column) const
{
    if (isLookupColumn(column)) {
        const TField *key = m_table.findField(targetField(column));
        if (!key || !m_table.isActive())
            return {};
        if (row == editedRow())
            return valueText(key, m_editor.value(key->fieldName()), true);
        const int vi = viewIndex(row);
        return vi < 0 ? QString() : valueText(key, key->valueAt(vi), true);
    }
    return valueText(m_fields.value(column), fieldValue(row, column), true);
}

QList<QPair<QString, QVariant>> TDBGridModel::lookupItems(int column) const
{
    QList<QPair<QString, QVariant>> items;
    const TField *f = m_fields.value(column);
    if (!f || f->fieldKind() != FieldKind::Lookup)
        return items;
    const TDBGridColumn &c = m_columns.at(column);
    if (c.listTable) {
        if (!c.listTable->isActive())
            return items;
        const TField *show = c.listTable->findField(c.listField.isEmpty() ? f->def().lookupResult : c.listField);
        const TField *key = c.listTable->findField(c.listKey.isEmpty() ? f->def().lookupKey : c.listKey);
        if (!show || !key)
            return items;
        for (int i = 0; i < c.listTable->recordCount(); ++i)
            items.append({show->valueAt(i).toString(), key->valueAt(i)});
        return items;
    }
    TDM *dm = TDM::instance();
    TTableData *data = dm ? dm->tableData(f->def().lookupTable) : nullptr;
    if (!data || !data->isLoaded())
        return items;
    const int show = data->columnIndex(f->def().lookupResult);
    const int key = data->columnIndex(f->def().lookupKey);
    if (show < 0 || key < 0)
        return items;
    for (int r = 0; r < data->rowCount(); ++r)
        if (data->isAlive(r))
            items.append({data->value(show, r).toString(), data->value(key, r)});
    return items;
}

QVariant TDBGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows)
        return {};
    const int row = index.row();
    const int c = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return isCheckColumn(c) ? QVariant() : QVariant(displayText(row, c));
    case Qt::EditRole:
        return editText(row, c);
    case Qt::CheckStateRole:
        if (!isCheckColumn(c))
            return {};
        return fieldValue(row, c).toInt() != 0 ? Qt::Checked : Qt::Unchecked;
    case Qt::TextAlignmentRole: {
        const TField *f = m_fields.value(c);
        const bool right = f && f->fieldKind() == FieldKind::Data && isNumberType(f->dataType());
        return QVariant::fromValue(Qt::Alignment((right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter));
    }
    case Qt::BackgroundRole:
        if (c < m_fixed)
            return QApplication::palette().brush(QPalette::Button);
        return {};
    default:
        return {};
    }
}

QVariant TDBGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal) {
        if (section < 0 || section >= m_columns.size())
            return {};
        if (role == Qt::TextAlignmentRole) {
            const TField *f = m_fields.at(section);
            const bool right = f && f->fieldKind() == FieldKind::Data && isNumberType(f->dataType());
            return QVariant::fromValue(Qt::Alignment((right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter
                                                     | Qt::TextWordWrap));
        }
        if (role != Qt::DisplayRole)
            return {};
        const TDBGridColumn &c = m_columns.at(section);
        if (!c.title.isEmpty())
            return c.title;
        return m_fields.at(section) ? m_fields.at(section)->displayLabel() : c.fieldName;
    }
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    if (role != Qt::DisplayRole || section != currentRow())
        return {};
    switch (m_editor.state()) {
    case TDataEditor::State::Insert: return IndicatorInsert;
    case TDataEditor::State::Edit: return IndicatorEdit;
    case TDataEditor::State::Browse: break;
    }
    return IndicatorBrowse;
}

Qt::ItemFlags TDBGridModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const int c = index.column();
    if (canModify() && isEditable(c))
        f |= isCheckColumn(c) ? Qt::ItemIsUserCheckable : Qt::ItemIsEditable;
    return f;
}

bool TDBGridModel::beginEditAt(int row)
{
    if (!canModify() || row < 0)
        return false;
    if (row == editedRow())
        return true;
    const qint64 bm = bookmarkOfRow(row);
    if (bm < 0)
        return false;
    try {
        m_editor.checkBrowseMode();
        if (!m_table.gotoBookmark(bm))
            return false;
        m_editor.edit();
    } catch (const Error &e) {
        ShowErrorBox(e.text());
        return false;
    }
    return true;
}

bool TDBGridModel::setCellValue(int row, int column, const QVariant &value)
{
    if (!canModify() || !isEditable(column))
        return false;
    try {
        const TField *f = m_fields.at(column);
        const TField *target = m_table.findField(targetField(column));
        if (!target)
            return false;
        QVariant v = value;
        if (f->def().upperCase && v.metaType().id() == QMetaType::QString)
            v = cp1251::toUpper(v.toString());
        const QVariant converted = TDataEditor::convert(*target, v);
        // Leaving a cell unchanged does not start a change of the record.
        if (row != editedRow()) {
            const int vi = viewIndex(row);
            const QVariant now = vi < 0 ? QVariant() : target->valueAt(vi);
            if (now == converted || (!converted.isValid() && target->def().isText() && now.toString().isEmpty()))
                return true;
        }
        if (!beginEditAt(row))
            return false;
        m_editor.setValue(target->fieldName(), converted);
    } catch (const Error &e) {
        ShowErrorBox(e.text());
        return false;
    }
    return true;
}

bool TDBGridModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid())
        return false;
    if (role == Qt::CheckStateRole && isCheckColumn(index.column()))
        return setCellValue(index.row(), index.column(), value.toInt() == Qt::Checked ? 1 : 0);
    if (role == Qt::EditRole)
        return setCellValue(index.row(), index.column(), value);
    return false;
}

// ============================================================= delegate

TDBGridDelegate::TDBGridDelegate(TDBGridModel *model, QObject *parent) : QStyledItemDelegate(parent), m_model(model) {}

QWidget *TDBGridDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &index) const
{
    const int c = index.column();
    if (m_model->isLookupColumn(c)) {
        auto *box = new QComboBox(parent);
        box->setObjectName(QStringLiteral("LookupCombo"));
        for (const auto &item : m_model->lookupItems(c))
            box->addItem(item.first, item.second);
        return box;
    }
    auto *edit = new QLineEdit(parent);
    edit->setFrame(false);
    const TField *f = m_model->field(c);
    if (!f)
        return edit;
    if (f->def().isText()) {
        if (f->size() > 0)
            edit->setMaxLength(f->size());
        if (f->def().upperCase) {
            connect(edit, &QLineEdit::textEdited, edit, [edit](const QString &text) {
                const int pos = edit->cursorPosition();
                edit->setText(cp1251::toUpper(text));
                edit->setCursorPosition(pos);
            });
        }
    } else if (isNumberType(f->dataType())) {
        const bool integer = f->dataType() != FieldType::Decimal && f->dataType() != FieldType::Money;
        const QString pattern = integer ? QStringLiteral("[-+]?[0-9 ]*") : QStringLiteral("[-+]?[0-9 ]*([.,][0-9]*)?");
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), edit));
        edit->setAlignment(Qt::AlignRight);
    }
    return edit;
}

void TDBGridDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    const QString text = m_model->editText(index.row(), index.column());
    if (auto *box = qobject_cast<QComboBox *>(editor)) {
        int found = -1;
        for (int i = 0; i < box->count(); ++i)
            if (box->itemData(i).toString() == text)
                found = i;
        box->setCurrentIndex(found);
        return;
    }
    if (auto *edit = qobject_cast<QLineEdit *>(editor))
        edit->setText(text);
}

void TDBGridDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    if (auto *box = qobject_cast<QComboBox *>(editor)) {
        if (box->currentIndex() >= 0)
            model->setData(index, box->currentData(), Qt::EditRole);
        return;
    }
    if (auto *edit = qobject_cast<QLineEdit *>(editor))
        model->setData(index, edit->text(), Qt::EditRole);
}

void TDBGridDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    if (!m_model->isCheckColumn(index.column())) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    // The check box in the middle of the cell.
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QWidget *w = option.widget;
    QStyle *style = w ? w->style() : QApplication::style();
    const bool checked = opt.checkState == Qt::Checked;
    opt.features &= ~QStyleOptionViewItem::HasCheckIndicator;
    opt.text.clear();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, w);

    QStyleOptionViewItem box = option;
    box.features |= QStyleOptionViewItem::HasCheckIndicator;
    QRect r = style->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &box, w);
    r.moveCenter(option.rect.center());
    box.rect = r;
    box.state = (option.state & QStyle::State_Enabled) | (checked ? QStyle::State_On : QStyle::State_Off);
    style->drawPrimitive(QStyle::PE_IndicatorItemViewItemCheck, &box, painter, w);
}

bool TDBGridDelegate::editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                                  const QModelIndex &index)
{
    if (!m_model->isCheckColumn(index.column()))
        return QStyledItemDelegate::editorEvent(event, model, option, index);
    if (!(model->flags(index) & Qt::ItemIsUserCheckable))
        return false;
    bool toggle = false;
    switch (event->type()) {
    case QEvent::MouseButtonRelease: {
        auto *me = static_cast<QMouseEvent *>(event);
        toggle = me->button() == Qt::LeftButton && option.rect.contains(me->position().toPoint());
        break;
    }
    case QEvent::MouseButtonDblClick:
        return true;
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent *>(event)->key();
        toggle = key == Qt::Key_Space || key == Qt::Key_Select;
        break;
    }
    default:
        return false;
    }
    if (!toggle)
        return false;
    const bool checked = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
    return model->setData(index, checked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
}

bool TDBGridDelegate::eventFilter(QObject *object, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        auto *editor = qobject_cast<QWidget *>(object);
        auto *box = qobject_cast<QComboBox *>(object);
        if (editor && (key == Qt::Key_Return || key == Qt::Key_Enter) && !(box && box->view()->isVisible())) {
            Q_EMIT commitData(editor);
            Q_EMIT closeEditor(editor, QAbstractItemDelegate::NoHint);
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

// ================================================================= grid

TDBGrid::TDBGrid(TDataTable &table, const QList<TDBGridColumn> &columns, QWidget *parent)
    : QTableView(parent), m_model(new TDBGridModel(table, columns, this)),
      m_delegate(new TDBGridDelegate(m_model, this)), m_selection(std::make_unique<GridRowSelection>(*this))
{
    // While rows come and go the selection model moves the current index
    // by itself; that is no move of the user's. These run before the view's
    // own handlers because they are connected first.
    auto changing = [this] { m_modelChanging = true; };
    connect(m_model, &QAbstractItemModel::modelAboutToBeReset, this, changing);
    connect(m_model, &QAbstractItemModel::rowsAboutToBeInserted, this, changing);
    connect(m_model, &QAbstractItemModel::rowsAboutToBeRemoved, this, changing);
    setModel(m_model);
    auto changed = [this] {
        m_modelChanging = false;
        syncCurrent();
    };
    connect(m_model, &QAbstractItemModel::modelReset, this, changed);
    connect(m_model, &QAbstractItemModel::rowsInserted, this, changed);
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, changed);
    setItemDelegate(m_delegate);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                    | QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap));
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->setFixedWidth(fontMetrics().horizontalAdvance(IndicatorEdit) + 10);
    verticalHeader()->setHighlightSections(false);
    applyColumnWidths();

    connect(m_model, &TDBGridModel::currentMoved, this, &TDBGrid::syncCurrent);
    syncCurrent();
}

TDBGrid::~TDBGrid() = default;

TDataTable &TDBGrid::table() const { return m_model->table(); }

TDataEditor &TDBGrid::editor() const { return m_model->editor(); }

bool TDBGrid::canModify() const { return m_model->canModify(); }

void TDBGrid::setReadOnly(bool readOnly) { m_model->setReadOnly(readOnly); }

void TDBGrid::setClipboardHandlers(Handler copy, Handler paste, Handler clone)
{
    m_copy = std::move(copy);
    m_paste = std::move(paste);
    m_clone = std::move(clone);
}

int TDBGrid::widthForChars(int chars, const QString &title) const
{
    // A long title wraps onto a second line: the column takes the wider half
    // of the best split.
    const QFontMetrics head = horizontalHeader()->fontMetrics();
    const QStringList words = title.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    int best = head.horizontalAdvance(title);
    for (int i = 1; i < words.size(); ++i) {
        const int a = head.horizontalAdvance(words.mid(0, i).join(QLatin1Char(' ')));
        const int b = head.horizontalAdvance(words.mid(i).join(QLatin1Char(' ')));
        best = std::min(best, std::max(a, b));
    }
    const int text = fontMetrics().horizontalAdvance(QLatin1Char('0')) * chars + 10;
    return std::max(text, best + 16);
}

void TDBGrid::applyColumnWidths()
{
    int lines = 1;
    for (int c = 0; c < m_model->columnCount(); ++c) {
        int chars = m_model->column(c).width;
        if (chars <= 0) {
            const TField *f = m_model->field(c);
            if (!f)
                chars = 10;
            else if (f->def().checkBox)
                chars = 4;
            else if (f->def().isText())
                chars = std::clamp(f->size(), 4, 30);
            else
                chars = 10;
        }
        const QString title = m_model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        const int width = widthForChars(chars, title);
        setColumnWidth(c, width);
        if (horizontalHeader()->fontMetrics().horizontalAdvance(title) + 12 > width)
            lines = 2;
    }
    horizontalHeader()->setFixedHeight(horizontalHeader()->fontMetrics().lineSpacing() * lines + 12);
}

TField *TDBGrid::currentField() const
{
    const QModelIndex i = currentIndex();
    return i.isValid() ? m_model->field(i.column()) : nullptr;
}

QList<int> TDBGrid::markedRows() const
{
    QList<int> rows;
    if (!selectionModel())
        return rows;
    for (const QModelIndex &i : selectionModel()->selectedRows())
        rows << i.row();
    if (rows.size() < 2)
        return {};
    std::sort(rows.begin(), rows.end());
    return rows;
}

void TDBGrid::syncCurrent()
{
    if (m_syncing || m_modelChanging)
        return;
    const int row = m_model->currentRow();
    if (row < 0 || row >= m_model->rowCount())
        return;
    const QModelIndex cur = currentIndex();
    if (cur.isValid() && cur.row() == row)
        return;
    const int column = std::clamp(m_column, 0, std::max(0, m_model->columnCount() - 1));
    m_syncing = true;
    selectionModel()->setCurrentIndex(m_model->index(row, column),
                                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_syncing = false;
}

void TDBGrid::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableView::currentChanged(current, previous);
    if (current.isValid())
        m_column = current.column();
    if (m_syncing || m_modelChanging || !current.isValid())
        return;
    leaveRowTo(current.row());
}

void TDBGrid::leaveRowTo(int row)
{
    if (row == m_model->currentRow())
        return;
    const qint64 target = m_model->bookmarkOfRow(row);
    if (editor().isEditing()) {
        try {
            editor().post();
        } catch (const Error &e) {
            ShowErrorBox(e.text());
            syncCurrent(); // back on the record that could not be written
            return;
        }
    }
    if (target >= 0) {
        m_syncing = true;
        table().gotoBookmark(target);
        m_syncing = false;
    }
    syncCurrent();
}

bool TDBGrid::postPending()
{
    if (isEditingCell()) {
        if (QWidget *ed = indexWidget(currentIndex())) {
            commitData(ed);
            closeEditor(ed, QAbstractItemDelegate::NoHint);
        }
    }
    try {
        editor().checkBrowseMode();
    } catch (const Error &e) {
        ShowErrorBox(e.text());
        return false;
    }
    return true;
}

void TDBGrid::cancelPending()
{
    if (isEditingCell()) {
        if (QWidget *ed = indexWidget(currentIndex()))
            closeEditor(ed, QAbstractItemDelegate::RevertModelCache);
    }
    editor().cancel();
}

void TDBGrid::insertRecord()
{
    if (!canModify() || !m_allowInsert || !postPending())
        return;
    try {
        editor().insert();
    } catch (const Error &e) {
        ShowErrorBox(e.text());
    }
}

void TDBGrid::deleteRecords(bool allRows)
{
    if (!canModify() || !m_allowDelete || m_model->recordRows() == 0)
        return;
    const QList<int> marked = allRows ? QList<int>() : markedRows();
    if (m_confirmDelete) {
        const QString question = allRows           ? QStringLiteral("Удалить все записи?")
                                 : marked.isEmpty() ? QStringLiteral("Удалить запись?")
                                                    : QStringLiteral("Удалить %1 записей?").arg(marked.size());
        if (!AskOkCancel(question))
            return;
    }
    if (isEditingCell()) {
        if (QWidget *ed = indexWidget(currentIndex()))
            closeEditor(ed, QAbstractItemDelegate::RevertModelCache);
    }
    try {
        if (!allRows && marked.isEmpty()) {
            editor().deleteCurrent();
            return;
        }
        QList<qint64> rows;
        for (int r : marked)
            rows << m_model->bookmarkOfRow(r);
        DisabledControls off(table());
        editor().cancel();
        if (allRows) {
            while (table().recordCount() > 0) {
                table().first();
                table().deleteRecord();
            }
            return;
        }
        for (qint64 bm : rows)
            if (bm >= 0 && table().gotoBookmark(bm))
                table().deleteRecord();
    } catch (const Error &e) {
        ShowErrorBox(e.text());
    }
}

void TDBGrid::keyPressEvent(QKeyEvent *event)
{
    if (HandleGridKey(*this, event->key(), event->modifiers(), m_copy, m_paste, m_clone)) {
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Escape && !isEditingCell() && editor().isEditing()) {
        cancelPending();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

// -------------------------------------------------------- fixed columns

int TDBGrid::fixedColumns() const { return m_model->fixedColumns(); }

int TDBGrid::frozenWidth() const
{
    int w = 0;
    for (int c = 0; c < fixedColumns() && c < m_model->columnCount(); ++c)
        if (!isColumnHidden(c))
            w += columnWidth(c);
    return w;
}

void TDBGrid::setFixedColumns(int count)
{
    m_model->setFixedColumns(count);
    if (count <= 0) {
        delete m_frozen;
        m_frozen = nullptr;
        return;
    }
    if (!m_frozen) {
        m_frozen = new QTableView(this);
        m_frozen->setObjectName(QStringLiteral("FixedColumns"));
        m_frozen->setModel(m_model);
        m_frozen->setItemDelegate(new TDBGridDelegate(m_model, m_frozen)); // a delegate talks to one view
        m_frozen->setSelectionModel(selectionModel());
        m_frozen->setFocusPolicy(Qt::NoFocus);
        m_frozen->setFrameShape(QFrame::NoFrame);
        m_frozen->verticalHeader()->hide();
        m_frozen->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        m_frozen->horizontalHeader()->setHighlightSections(false);
        m_frozen->horizontalHeader()->setDefaultAlignment(horizontalHeader()->defaultAlignment());
        m_frozen->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m_frozen->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m_frozen->setSelectionBehavior(selectionBehavior());
        m_frozen->setSelectionMode(selectionMode());
        m_frozen->setEditTriggers(QAbstractItemView::NoEditTriggers);
        m_frozen->setWordWrap(false);
        m_frozen->verticalHeader()->setDefaultSectionSize(verticalHeader()->defaultSectionSize());
        m_frozen->viewport()->installEventFilter(this);
        viewport()->stackUnder(m_frozen);
        connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int index, int, int size) {
            if (m_frozen && index < fixedColumns()) {
                m_frozen->setColumnWidth(index, size);
                updateFrozenGeometry();
            }
        });
        connect(m_frozen->verticalScrollBar(), &QAbstractSlider::valueChanged, verticalScrollBar(),
                &QAbstractSlider::setValue);
        connect(verticalScrollBar(), &QAbstractSlider::valueChanged, m_frozen->verticalScrollBar(),
                &QAbstractSlider::setValue);
    }
    for (int c = 0; c < m_model->columnCount(); ++c) {
        m_frozen->setColumnHidden(c, c >= count);
        m_frozen->setColumnWidth(c, columnWidth(c));
    }
    updateFrozenGeometry();
    m_frozen->show();
}

void TDBGrid::updateFrozenGeometry()
{
    if (!m_frozen)
        return;
    m_frozen->horizontalHeader()->setFixedHeight(horizontalHeader()->height());
    m_frozen->setGeometry(verticalHeader()->width() + frameWidth(), frameWidth(), frozenWidth(),
                          viewport()->height() + horizontalHeader()->height());
}

void TDBGrid::resizeEvent(QResizeEvent *event)
{
    QTableView::resizeEvent(event);
    updateFrozenGeometry();
}

QModelIndex TDBGrid::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex current = QTableView::moveCursor(cursorAction, modifiers);
    if (m_frozen && cursorAction == MoveLeft && current.column() >= fixedColumns()) {
        const int x = visualRect(current).topLeft().x();
        if (x < frozenWidth())
            horizontalScrollBar()->setValue(horizontalScrollBar()->value() + x - frozenWidth());
    }
    return current;
}

void TDBGrid::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    if (!m_frozen || index.column() >= fixedColumns()) {
        QTableView::scrollTo(index, hint);
        // A column under the fixed ones is moved out from under them.
        if (m_frozen && index.isValid()) {
            const int x = visualRect(index).left();
            if (x < frozenWidth())
                horizontalScrollBar()->setValue(horizontalScrollBar()->value() + x - frozenWidth());
        }
        return;
    }
    const int keep = horizontalScrollBar()->value();
    QTableView::scrollTo(index, hint);
    horizontalScrollBar()->setValue(keep);
}

bool TDBGrid::eventFilter(QObject *watched, QEvent *event)
{
    if (m_frozen && watched == m_frozen->viewport() && event->type() == QEvent::MouseButtonPress)
        setFocus(Qt::MouseFocusReason);
    return QTableView::eventFilter(watched, event);
}

// ============================================================ grid keys

bool HandleGridKey(TDBGrid &grid, int key, Qt::KeyboardModifiers shift, const TDBGrid::Handler &copyHandler,
                   const TDBGrid::Handler &pasteHandler, const TDBGrid::Handler &cloneHandler)
{
    const bool ctrl = shift.testFlag(Qt::ControlModifier);
    const bool withShift = shift.testFlag(Qt::ShiftModifier);
    const bool editing = grid.isEditingCell();
    const bool modifiable = grid.canModify();
    TDBGridModel &model = *grid.dbModel();
    const QModelIndex cur = grid.currentIndex();

    if (key == Qt::Key_Insert) {
        if (editing)
            return false;
        if (ctrl) {
            if (cur.isValid())
                QGuiApplication::clipboard()->setText(model.editText(cur.row(), cur.column()));
            return true;
        }
        if (withShift) {
            if (modifiable && cur.isValid())
                model.setCellValue(cur.row(), cur.column(), QGuiApplication::clipboard()->text());
            return true;
        }
        if (modifiable)
            grid.insertRecord();
        return true;
    }
    if (ctrl && isLetterKey(key, 'C')) {
        if (!copyHandler)
            return false;
        copyHandler();
        return true;
    }
    if (ctrl && isLetterKey(key, 'V')) {
        if (!pasteHandler || !modifiable)
            return false;
        pasteHandler();
        return true;
    }
    if (ctrl && isLetterKey(key, 'B')) {
        if (!cloneHandler || !modifiable)
            return false;
        cloneHandler();
        return true;
    }
    if (ctrl && key == Qt::Key_Delete) {
        if (modifiable && model.recordRows() > 0)
            grid.deleteRecords(withShift);
        return true;
    }
    return false;
}

bool QtInputQuery(const QString &prompt, QString &value)
{
    QInputDialog box(QApplication::activeModalWidget() ? QApplication::activeModalWidget()
                                                        : QApplication::activeWindow());
    box.setObjectName(QStringLiteral("InputQuery"));
    box.setWindowTitle(QGuiApplication::applicationDisplayName());
    box.setLabelText(prompt);
    box.setTextValue(value);
    if (box.exec() != QDialog::Accepted)
        return false;
    value = box.textValue();
    return true;
}

// ============================================================ navigator

namespace {

QIcon navigatorIcon(TDBNavigator::Button b)
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink(0x20, 0x20, 0x20);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    auto left = [&p](double x) {
        QPainterPath t;
        t.moveTo(x, 8);
        t.lineTo(x + 6, 3);
        t.lineTo(x + 6, 13);
        t.closeSubpath();
        p.drawPath(t);
    };
    auto right = [&p](double x) {
        QPainterPath t;
        t.moveTo(x + 6, 8);
        t.lineTo(x, 3);
        t.lineTo(x, 13);
        t.closeSubpath();
        p.drawPath(t);
    };
    switch (b) {
    case TDBNavigator::First: p.drawRect(QRectF(3, 3, 2, 10)); left(6); break;
    case TDBNavigator::PriorPage: left(1.5); left(8.5); break;
    case TDBNavigator::Prior: left(5); break;
    case TDBNavigator::Next: right(5); break;
    case TDBNavigator::NextPage: right(1.5); right(8.5); break;
    case TDBNavigator::Last: right(4); p.drawRect(QRectF(11, 3, 2, 10)); break;
    case TDBNavigator::Insert: p.drawRect(QRectF(7, 3, 2, 10)); p.drawRect(QRectF(3, 7, 10, 2)); break;
    case TDBNavigator::Delete: p.drawRect(QRectF(3, 7, 10, 2)); break;
    case TDBNavigator::Edit: {
        QPainterPath t;
        t.moveTo(8, 4);
        t.lineTo(13, 12);
        t.lineTo(3, 12);
        t.closeSubpath();
        p.drawPath(t);
        break;
    }
    case TDBNavigator::Post: {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0x10, 0x70, 0x10), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(3, 8.5), QPointF(6.5, 12), QPointF(13, 4)}));
        break;
    }
    case TDBNavigator::Cancel: {
        p.setPen(QPen(QColor(0xA0, 0x10, 0x10), 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(4, 4), QPointF(12, 12));
        p.drawLine(QPointF(12, 4), QPointF(4, 12));
        break;
    }
    case TDBNavigator::Refresh: {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(ink, 1.8, Qt::SolidLine, Qt::FlatCap));
        p.drawArc(QRectF(3.5, 3.5, 9, 9), 100 * 16, 280 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        QPainterPath t;
        t.moveTo(8, 1);
        t.lineTo(12, 4);
        t.lineTo(8, 7);
        t.closeSubpath();
        p.drawPath(t);
        break;
    }
    }
    return QIcon(pm);
}

const char *const ButtonNames[TDBNavigator::ButtonCount] = {
    "nbFirst", "nbPriorPage", "nbPrior", "nbNext", "nbNextPage", "nbLast",
    "nbInsert", "nbDelete", "nbEdit", "nbPost", "nbCancel", "nbRefresh"};

} // namespace

TDBNavigator::TDBNavigator(QWidget *parent) : QWidget(parent)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (int i = 0; i < ButtonCount; ++i) {
        auto *b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(ButtonNames[i]));
        b->setIcon(navigatorIcon(Button(i)));
        b->setIconSize(QSize(16, 16));
        b->setFixedSize(23, 23);
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QToolButton::clicked, this, [this, i] { click(Button(i)); });
        layout->addWidget(b);
        m_buttons[i] = b;
    }
    setHints({QStringLiteral("Первая"), QStringLiteral("Предыдущая"), QStringLiteral("Следующая"),
              QStringLiteral("Последняя"), QStringLiteral("Новая"), QStringLiteral("Удалить"),
              QStringLiteral("Редактировать"), QStringLiteral("Записать изменения"),
              QStringLiteral("Отказаться от изменений"), QStringLiteral("Обновить экран")});
    m_buttons[PriorPage]->setToolTip(QStringLiteral("Предыдущая страница"));
    m_buttons[NextPage]->setToolTip(QStringLiteral("Следующая страница"));
    setVisibleButtons({First, Prior, Next, Last, Insert, Delete, Edit, Post, Cancel, Refresh});
    updateButtons();
}

void TDBNavigator::setHints(const QStringList &hints)
{
    const Button order[] = {First, Prior, Next, Last, Insert, Delete, Edit, Post, Cancel, Refresh};
    for (int i = 0; i < 10 && i < hints.size(); ++i)
        m_buttons[order[i]]->setToolTip(hints.at(i));
}

void TDBNavigator::setVisibleButtons(const QList<Button> &buttons)
{
    for (int i = 0; i < ButtonCount; ++i)
        m_buttons[i]->setVisible(buttons.contains(Button(i)));
    adjustSize();
}

void TDBNavigator::setGrid(TDBGrid *grid)
{
    for (const auto &c : m_links)
        disconnect(c);
    m_links.clear();
    m_grid = grid;
    if (grid) {
        m_links << connect(&grid->table(), &TDataSet::dataChanged, this, &TDBNavigator::updateButtons);
        m_links << connect(&grid->table(), &TDataSet::currentChanged, this, &TDBNavigator::updateButtons);
        m_links << connect(&grid->editor(), &TDataEditor::stateChanged, this, &TDBNavigator::updateButtons);
    }
    updateButtons();
}

void TDBNavigator::updateButtons()
{
    const bool active = m_grid && m_grid->table().isActive();
    if (!active) {
        for (QToolButton *b : m_buttons)
            b->setEnabled(false);
        return;
    }
    TDataTable &t = m_grid->table();
    const bool editing = m_grid->editor().isEditing();
    const bool inserting = m_grid->editor().state() == TDataEditor::State::Insert;
    const bool can = m_grid->canModify();
    const int count = t.recordCount();
    const int rec = t.recNo();
    const bool up = inserting ? count > 0 : rec > 1;
    const bool down = inserting ? count > 0 : rec < count;
    m_buttons[First]->setEnabled(up);
    m_buttons[PriorPage]->setEnabled(up);
    m_buttons[Prior]->setEnabled(up);
    m_buttons[Next]->setEnabled(down);
    m_buttons[NextPage]->setEnabled(down);
    m_buttons[Last]->setEnabled(down);
    m_buttons[Insert]->setEnabled(can && m_grid->allowInsert());
    m_buttons[Delete]->setEnabled(can && m_grid->allowDelete() && m_grid->dbModel()->recordRows() > 0);
    m_buttons[Edit]->setEnabled(can && !editing && count > 0);
    m_buttons[Post]->setEnabled(can && editing);
    m_buttons[Cancel]->setEnabled(can && editing);
    m_buttons[Refresh]->setEnabled(!editing);
}

void TDBNavigator::click(Button b)
{
    if (!m_grid || !m_grid->table().isActive())
        return;
    TDataTable &t = m_grid->table();
    if (!m_grid->isEditingCell())
        m_grid->setFocus(Qt::OtherFocusReason);
    try {
        switch (b) {
        case First:
            if (m_grid->postPending())
                t.first();
            break;
        case PriorPage:
            if (m_grid->postPending())
                t.setRecNo(std::max(1, t.recNo() - PageRows));
            break;
        case Prior:
            if (m_grid->postPending())
                t.prior();
            break;
        case Next:
            if (m_grid->postPending())
                t.next();
            break;
        case NextPage:
            if (m_grid->postPending())
                t.setRecNo(std::min(t.recordCount(), t.recNo() + PageRows));
            break;
        case Last:
            if (m_grid->postPending())
                t.last();
            break;
        case Insert:
            m_grid->insertRecord();
            break;
        case Delete: {
            const bool confirm = m_grid->confirmDelete();
            m_grid->setConfirmDelete(m_confirmDelete);
            m_grid->clearSelection();
            m_grid->deleteRecords(false);
            m_grid->setConfirmDelete(confirm);
            break;
        }
        case Edit:
            if (m_grid->dbModel()->beginEditAt(m_grid->dbModel()->currentRow()))
                m_grid->edit(m_grid->currentIndex());
            break;
        case Post:
            m_grid->postPending();
            break;
        case Cancel:
            m_grid->cancelPending();
            break;
        case Refresh:
            if (m_grid->postPending())
                t.refresh();
            break;
        }
    } catch (const Error &e) {
        ShowErrorBox(e.text());
    }
    updateButtons();
}

} // namespace kv
