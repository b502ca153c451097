#include "windows/OrderForm.h"

#include "core/Data.h"
#include "core/Globals.h"
#include "core/PricingContext.h"
#include "core/Setup.h"
#include "engine/CatalogLookups.h"
#include "engine/CatalogPricing.h"
#include "model/Order.h"
#include "model/OrderSelection.h"
#include "tools/Errors.h"
#include "tools/Messages.h"
#include "tools/OleDate.h"
#include "tools/SpecStream.h"
#include "tools/WaitCursor.h"
#include "tools/Win1251.h"
#include "windows/DisplayFormats.h"
#include "windows/LastOrderNo.h"
#include "windows/Main.h"
#include "windows/OrdProp.h"
#include "windows/PosPropS.h"
#include "windows/RegisterTable.h"
#include "windows/WindowHooks.h"
#include "windows/YesNoCancel.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>

namespace kv {

const QString TOrderForm::NewFileName = QStringLiteral("NewOrder.kfo370");

// ------------------------------------------------------------ list and drawing

TOrderListView::TOrderListView(QWidget *parent) : QTreeWidget(parent)
{
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::InternalMove);
    setDefaultDropAction(Qt::MoveAction);
}

void TOrderListView::dragMoveEvent(QDragMoveEvent *event)
{
    if (event->source() != this) {
        event->ignore();
        return;
    }
    QTreeWidget::dragMoveEvent(event);
}

void TOrderListView::dropEvent(QDropEvent *event)
{
    // Only rows of this list move, and the order decides where they go.
    if (event->source() != this) {
        event->ignore();
        return;
    }
    QTreeWidgetItem *target = itemAt(event->position().toPoint());
    QTreeWidgetItem *source = currentItem();
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
    if (target && source && target != source)
        Q_EMIT rowMoved(indexOfTopLevelItem(source), indexOfTopLevelItem(target));
}

void TOrderListView::keyReleaseEvent(QKeyEvent *event)
{
    QTreeWidget::keyReleaseEvent(event);
    if (event->key() == Qt::Key_Space)
        Q_EMIT spaceReleased();
}

TPositionView::TPositionView(QWidget *parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setFont(QFont(QStringLiteral("Arial"), 9));
}

void TPositionView::paintEvent(QPaintEvent *)
{
    if (!m_position)
        return;
    QPainter p(this);
    p.setFont(font());
    p.setRenderHint(QPainter::Antialiasing);
    m_position->Draw(p, 0, 0, width() - 1, height() - 1, 1.0, SizeOptions{0, 1, 2});
}

// ------------------------------------------------------------ TOrderForm

namespace {

QString componentName(const QString &id)
{
    if (id.isEmpty())
        return {};
    TDataTable &t = DM().T_FrnComp;
    return t.locate(QStringLiteral("ID"), id) ? t.asString(QStringLiteral("Name")) : QString();
}

bool sameText(const QString &a, const QString &b) { return cp1251::equalsIgnoreCase(a, b); }

} // namespace

TOrderForm::TOrderForm(TMainForm &main, QWidget *parent) : TChildForm(parent), m_main(main)
{
    setAttribute(Qt::WA_DeleteOnClose);
    m_order = std::make_unique<TkvfOrder>();

    // Status strip at the top: number, customer, object.
    StatusBar = new QWidget(this);
    auto *status = new QHBoxLayout(StatusBar);
    status->setContentsMargins(0, 0, 0, 0);
    status->setSpacing(2);
    const int widths[4] = {70, 150, 150, 50};
    for (int i = 0; i < 4; ++i) {
        StatusPanels[i] = new QLabel(StatusBar);
        StatusPanels[i]->setFrameShape(QFrame::Panel);
        StatusPanels[i]->setFrameShadow(QFrame::Sunken);
        StatusPanels[i]->setFixedWidth(widths[i]);
        status->addWidget(StatusPanels[i]);
    }
    status->addStretch();

    ListView = new TOrderListView(this);
    ListView->setColumnCount(8);
    ListView->setHeaderLabels({QStringLiteral("[..]"), QStringLiteral("Позиция"), QStringLiteral("Ширина"),
                               QStringLiteral("Высота"), QStringLiteral("Кол-во"), QStringLiteral("Наименование"),
                               QStringLiteral("Цена"), QStringLiteral("Стоимость")});
    ListView->setRootIsDecorated(false);
    ListView->setUniformRowHeights(true);
    ListView->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView->setAllColumnsShowFocus(true);
    // Grid lines; a style sheet on the items also needs its own selection colours.
    ListView->setStyleSheet(QStringLiteral(
        "QTreeView::item { border-right: 1px solid #d8d8d8; border-bottom: 1px solid #d8d8d8; }"
        "QTreeView::item:selected { background: #2f62b5; color: white; }"));
    QFont listFont = ListView->font();
    listFont.setPointSize(9);
    listFont.setBold(true);
    ListView->setFont(listFont);
    QHeaderView *header = ListView->header();
    header->setSectionsClickable(true);
    header->setStretchLastSection(false);
    for (int c : {2, 3, 4, 6, 7})
        ListView->headerItem()->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    // The first five columns as wide as their captions.
    const QFontMetrics hm(header->font());
    for (int c = 0; c < 5; ++c)
        header->resizeSection(c, hm.horizontalAdvance(ListView->headerItem()->text(c)) + 24);
    header->resizeSection(5, 300);
    header->resizeSection(6, 120);
    header->resizeSection(7, 150);
    ListView->installEventFilter(this);

    Panel1 = new QWidget(this);
    Panel1->setAutoFillBackground(true);
    QPalette pal = Panel1->palette();
    pal.setColor(QPalette::Window, QColor(255, 255, 174));
    Panel1->setPalette(pal);
    QFont panelFont = Panel1->font();
    panelFont.setBold(true);
    Panel1->setFont(panelFont);
    Panel1->installEventFilter(this);
    PaintBox = new TPositionView(Panel1);
    PaintBox->setFixedHeight(180);
    ConstructionInfo = new QPlainTextEdit(Panel1);
    ConstructionInfo->setReadOnly(true);
    ConstructionInfo->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto *panelLayout = new QVBoxLayout(Panel1);
    panelLayout->setContentsMargins(2, 2, 2, 2);
    panelLayout->addWidget(PaintBox);
    panelLayout->addWidget(ConstructionInfo, 1);

    Splitter1 = new QSplitter(Qt::Horizontal, this);
    Splitter1->addWidget(ListView);
    Splitter1->addWidget(Panel1);
    Splitter1->setStretchFactor(0, 1);
    Splitter1->setStretchFactor(1, 0);
    Splitter1->setSizes({560, 239});

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(StatusBar);
    layout->addWidget(Splitter1, 1);

    CreateMenus();

    connect(ListView, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem *, int column) {
        if (!m_filling && column == 0)
            TakeOverCheckMarks();
    });
    connect(ListView, &TOrderListView::spaceReleased, this, [this] { TakeOverCheckMarks(); });
    connect(ListView, &QTreeWidget::itemSelectionChanged, this, [this] { SelectionChanged(); });
    connect(ListView, &QTreeWidget::itemDoubleClicked, this, [this] { EditPosition(); });
    connect(header, &QHeaderView::sectionClicked, this, [this](int section) {
        if (section == 0)
            ToggleAllChecks();
        else if (section == 1)
            SortByPositions();
        else if (section == 5)
            SortByProducts();
    });
    connect(ListView, &TOrderListView::rowMoved, this, &TOrderForm::MovePosition);

    // A new order starts from the defaults of the settings.
    TkvfOrder &o = *m_order;
    if (TkvfSetup *s = kvfSetup()) {
        o.ProfSys = s->DefProfSys;
        o.FurnSys = s->DefFurnSys;
        o.Handle = s->DefHandle;
        o.FalzType = s->DefFalzType;
        o.DornType = s->DefDornType;
        o.StulpType = s->DefStulpFalzType;
        o.OpenType = s->DefFlugelType;
        o.Material = s->DefMaterial;
        o.Currency = s->CurCurrency;
        o.PriceGroupNo = s->PriceGrpNo;
        o.NDSTax = float(s->NDSTax);
        o.GetTotalNDS = s->TotalNDS;
        o.ShowIncludeNDS = s->ShowIncludingNDS;
    }
    o.OrderDate = toOleDate(QDate::currentDate());
    if (TDM::instance() && TDM::instance()->T_SysList.isActive()) {
        o.InnerColor = o.OuterColor = GetSystemBaseColor(o.ProfSys);
        o.FurnColor = GetSystemBaseColor(o.FurnSys);
    }
    if (TDM::instance() && TDM::instance()->T_Currency.isActive())
        LoadRates(&o.Rates);

    m_fileName = NewFileName;
    m_new = true;
    m_saved = true;
    m_rememberedRow = 0;
    ShowStatus();
    SetCaption();
}

TOrderForm::~TOrderForm()
{
    // The pricing context must not keep pointing at rates that are gone.
    if (pricingContext().CurrentRates == &m_order->Rates)
        pricingContext().CurrentRates = nullptr;
}

void TOrderForm::CreateMenus()
{
    EditMenu = new QMenu(QStringLiteral("&Редактировать"), this);
    CopyItem = EditMenu->addAction(QStringLiteral("&Копировать"));
    CopyItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    PasteItem = EditMenu->addAction(QStringLiteral("&Вставить"));
    PasteItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    PasteItem->setEnabled(false);
    SelectAllItem = EditMenu->addAction(QStringLiteral("&Выделить все"), this, &TOrderForm::SelectAll);
    SelectAllItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    ClearItem = EditMenu->addAction(QStringLiteral("Очистить "), this, &TOrderForm::DeleteAll);
    EditMenu->addSeparator();
    AddFromFileItem = EditMenu->addAction(QStringLiteral("&Добавить из файла..."), this, &TOrderForm::MergeFromFile);

    OrderMenu = new QMenu(QStringLiteral("&Заказ"), this);
    PropsItem = OrderMenu->addAction(QStringLiteral("&Реквизиты..."), this, &TOrderForm::ShowProperties);
    OrderMenu->addSeparator();
    NewPosItem = OrderMenu->addAction(QStringLiteral("Новая позиция..."), this, &TOrderForm::AddPosition);
    NewPosItem->setShortcut(QKeySequence(Qt::Key_Insert));
    EditPosItem = OrderMenu->addAction(QStringLiteral("Изменить позицию ..."), this, &TOrderForm::EditPosition);
    DeletePosItem = OrderMenu->addAction(QStringLiteral("&Удалить позицию"), this, &TOrderForm::DeletePosition);
    DeletePosItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Delete));
    OrderMenu->addSeparator();
    RecalcItem = OrderMenu->addAction(QStringLiteral("Пересчитать"), this, &TOrderForm::Recalculate);
    RecalcItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    RegisterItem = OrderMenu->addAction(QStringLiteral("Зарегистрировать"), this, [this] { Register(true); });
    OrderMenu->addSeparator();
    SortMenu = OrderMenu->addMenu(QStringLiteral("Сортировать"));
    SortByPosItem = SortMenu->addAction(QStringLiteral("По позициям"), this, &TOrderForm::SortByPositions);
    SortByNameItem = SortMenu->addAction(QStringLiteral("По изделиям"), this, &TOrderForm::SortByProducts);

    ServiceMenu = new QMenu(QStringLiteral("Сервис"), this);
    ExportMenu = ServiceMenu->addMenu(QStringLiteral("Экспорт в специальном формате"));
    ExportTBMItem = ExportMenu->addAction(QStringLiteral("Формат \"ТБМ Навигатор\""), this,
                                          [this] { Export(int(SupplierExport::TBM)); });
    ExportVorneItem = ExportMenu->addAction(QStringLiteral("Формат \"ВорнеБела\""), this,
                                            [this] { Export(int(SupplierExport::Vorne)); });
    ExportXMLItem = ExportMenu->addAction(QStringLiteral("Формат XML"), this, [this] { Export(int(SupplierExport::VBH)); });
    // Entries of the menu that have no action in this program.
    for (const char *hidden : {"Перестроить комплекты фурнитуры", "Поменять систему / комплект фурнитуры..."})
        ServiceMenu->addAction(QString::fromUtf8(hidden))->setVisible(false);
    QMenu *excel = ServiceMenu->addMenu(QStringLiteral("Экспорт в MS Excel"));
    excel->addAction(QStringLiteral("Создать прайс-лист..."));
    excel->addAction(QStringLiteral("Ведомость расхода материалов по позициям"));
    excel->menuAction()->setVisible(false);
    QMenu *dbase = ServiceMenu->addMenu(QStringLiteral("Экспорт в dBase"));
    dbase->addAction(QStringLiteral("Ведомость расхода материалов..."));
    dbase->addAction(QStringLiteral("Посмотреть файл экспорта..."));
    dbase->menuAction()->setVisible(false);

    ExportTBMItem->setVisible(false);
    ExportXMLItem->setVisible(false);
    ExportVorneItem->setVisible(true);
    ServiceMenu->menuAction()->setVisible(ExportTBMItem->isVisible() || ExportVorneItem->isVisible()
                                          || ExportXMLItem->isVisible());
}

QList<QMenu *> TOrderForm::childMenus() const
{
    QList<QMenu *> menus{EditMenu, OrderMenu};
    if (ServiceMenu->menuAction()->isVisible())
        menus << ServiceMenu;
    return menus;
}

QString TOrderForm::GetDefaultFileName() const
{
    static const QString unsafe = QStringLiteral("\\/:*?,;\"`!(){}[]<>|%'");
    QString name = m_order->OrderNo;
    for (QChar &c : name)
        if (unsafe.contains(c))
            c = QLatin1Char('_');
    return name;
}

int TOrderForm::SelectedRow() const
{
    QTreeWidgetItem *cur = ListView->currentItem();
    if (cur && cur->isSelected())
        return ListView->indexOfTopLevelItem(cur);
    const QList<QTreeWidgetItem *> sel = ListView->selectedItems();
    return sel.isEmpty() ? -1 : ListView->indexOfTopLevelItem(sel.first());
}

void TOrderForm::UpdateCommands()
{
    const bool marked = m_order->HasChecked();
    const bool selected = SelectedRow() >= 0;
    m_main.SaveItem->setEnabled(!m_saved);
    m_main.SaveAllItem->setEnabled(!m_saved);
    m_main.SaveAsItem->setEnabled(true);
    m_main.SaveBut->setEnabled(m_main.SaveItem->isEnabled());
    m_main.PrintBut->setEnabled(marked);

    CopyItem->setEnabled(selected);
    PasteItem->setEnabled(false);
    SelectAllItem->setEnabled(m_order->PositionCount() > 0);
    EditPosItem->setEnabled(selected);
    DeletePosItem->setEnabled(selected);
    RecalcItem->setEnabled(marked);

    m_main.OrderPropBut->setEnabled(true);
    m_main.NewPosBut->setEnabled(NewPosItem->isEnabled());
    m_main.EditPosBut->setEnabled(EditPosItem->isEnabled());
    m_main.DeletePosBut->setEnabled(DeletePosItem->isEnabled());
}

void TOrderForm::PublishPricingContext()
{
    PricingContext &ctx = pricingContext();
    ctx.CurrentRates = &m_order->Rates;
    ctx.CurrentCurrency = m_order->Currency;
    ctx.CurrentVAT = m_order->NDSTax;
    QString name;
    try {
        if (TDM::instance() && TDM::instance()->T_Currency.isActive())
            name = GetCurrencyName(m_order->Currency);
    } catch (const Error &) {
    }
    displayFormats().CurrencyString = name;
    displayFormats().CurrencyDecimals = 4;
}

void TOrderForm::Activated()
{
    SetCaption();
    PublishPricingContext();
    m_main.ShowOrderToolBar();
    RewriteAllRows(); // money texts follow the currency just set
    UpdateCommands();
    update();
}

void TOrderForm::SetCaption()
{
    setWindowTitle(m_fileName);
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
        sub->setWindowTitle(m_fileName);
}

void TOrderForm::ShowStatus()
{
    StatusPanels[0]->setText(m_order->OrderNo);
    StatusPanels[1]->setText(m_order->Customer);
    StatusPanels[2]->setText(m_order->ObjectName);
}

void TOrderForm::Modified()
{
    m_saved = false;
}

QStringList TOrderForm::RowTexts(const TkvfConstruction &p) const
{
    const TkvfFlugel::Size size = p.RebateSize();
    return {p.PosNo, QString::number(size.Width), QString::number(size.Height), QString::number(p.Count),
            p.PosName, FormatMoney(p.UnitCost), FormatMoney(p.PositionCost())};
}

void TOrderForm::WriteRow(int row)
{
    QTreeWidgetItem *item = ListView->topLevelItem(row);
    if (!item || row >= m_order->PositionCount())
        return;
    const TkvfConstruction &p = m_order->Position(row);
    const bool filling = m_filling;
    m_filling = true;
    item->setCheckState(0, p.Checked ? Qt::Checked : Qt::Unchecked);
    const QStringList texts = RowTexts(p);
    for (int c = 0; c < texts.size(); ++c) {
        item->setText(c + 1, texts[c]);
        if (c + 1 == 2 || c + 1 == 3 || c + 1 == 4 || c + 1 == 6 || c + 1 == 7)
            item->setTextAlignment(c + 1, Qt::AlignRight | Qt::AlignVCenter);
    }
    m_filling = filling;
}

void TOrderForm::InsertRow(int row)
{
    const bool filling = m_filling;
    m_filling = true;
    auto *item = new QTreeWidgetItem;
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable | Qt::ItemIsDragEnabled
                   | Qt::ItemIsDropEnabled);
    ListView->insertTopLevelItem(row, item);
    WriteRow(row);
    m_filling = filling;
}

void TOrderForm::RewriteAllRows()
{
    for (int i = 0; i < ListView->topLevelItemCount(); ++i)
        WriteRow(i);
    FitMoneyColumns();
    SelectionChanged();
}

void TOrderForm::FitMoneyColumns()
{
    // Amounts are never cut: the money columns grow to their longest text.
    const int wanted[2] = {120, 150};
    for (int i = 0; i < 2; ++i) {
        const int c = 6 + i;
        const QFontMetrics fm(ListView->font());
        int content = 0;
        for (int r = 0; r < ListView->topLevelItemCount(); ++r)
            content = qMax(content, fm.horizontalAdvance(ListView->topLevelItem(r)->text(c)));
        const int w = qMax(wanted[i], content + 16);
        if (ListView->header()->sectionSize(c) < w)
            ListView->header()->resizeSection(c, w);
    }
}

void TOrderForm::RebuildList()
{
    m_filling = true;
    ListView->setUpdatesEnabled(false);
    ListView->clear();
    for (int i = 0; i < m_order->PositionCount(); ++i)
        InsertRow(i);
    ListView->header()->resizeSection(0, qMax(ListView->header()->sectionSize(0), 40));
    FitMoneyColumns();
    if (m_rememberedRow >= 0 && m_rememberedRow < ListView->topLevelItemCount()) {
        ListView->setCurrentItem(ListView->topLevelItem(m_rememberedRow));
        ListView->topLevelItem(m_rememberedRow)->setSelected(true);
    }
    ListView->setUpdatesEnabled(true);
    m_filling = false;
    ListView->setFocus();
    SelectionChanged();
}

QStringList TOrderForm::DescriptionLines(const TkvfConstruction &p) const
{
    QStringList lines;
    try {
        lines << QStringLiteral("Фурнитура: %1").arg(GetSystemName(p.FurnSys));
        lines << QStringLiteral("Профиль: %1").arg(GetSystemName(p.ProfSys));
        lines << QStringLiteral("Цвет: %1").arg(GetColorName(p.FurnColor));
        lines << QStringLiteral("Фальц: %1").arg(GetRebateName(p.FalzType));
        lines << QStringLiteral("Дорнмасс (ств 1 / ств 2): %1 / %2")
                     .arg(GetDornName(p.Sash1().Dorn), GetDornName(p.Sash2().Dorn));
        lines << QStringLiteral("Тип штульпа: %1").arg(GetStulpName(p.StulpType));
        lines << QStringLiteral("Тип створки: %1").arg(GetOpeningName(p.OpenType));
        for (const TkvfFlugel *sash : {&p.Sash1(), &p.Sash2()}) {
            const TkvfFurnComp *comp = sash->Composition();
            if (!comp)
                continue;
            for (const QString &id : {comp->MainSet, comp->Handle, comp->HingeSet, comp->Cylinder, comp->Closer}) {
                const QString name = componentName(id);
                if (!id.isEmpty())
                    lines << name;
            }
        }
    } catch (...) {
        // What was found so far is shown.
    }
    return lines;
}

void TOrderForm::SelectionChanged()
{
    if (m_filling)
        return;
    const int row = SelectedRow();
    if (row >= 0)
        m_rememberedRow = row;
    ConstructionInfo->clear();
    if (row >= 0 && row < m_order->PositionCount()) {
        const TkvfConstruction &p = m_order->Position(row);
        ConstructionInfo->setPlainText(DescriptionLines(p).join(QLatin1Char('\n')));
        ConstructionInfo->moveCursor(QTextCursor::Start);
        PaintBox->setPosition(&p);
    } else {
        PaintBox->setPosition(nullptr);
    }
    UpdateCommands();
}

// ------------------------------------------------------------ positions

void TOrderForm::AddPosition()
{
    auto pos = std::make_unique<TkvfConstruction>(m_order.get());
    PositionDefaults defaults;
    defaults.PositionCount = m_order->PositionCount();
    defaults.ProfSys = m_order->ProfSys;
    defaults.FurnSys = m_order->FurnSys;
    defaults.FurnColor = m_order->FurnColor;
    defaults.FalzType = m_order->FalzType;
    defaults.StulpType = m_order->StulpType;
    defaults.OpenType = m_order->OpenType;
    defaults.DornType = m_order->DornType;
    const int objectType = kvfSetup() ? kvfSetup()->DefFurnSysGroup : 0;
    {
        TSimplePosPropDlg dlg(this);
        if (!dlg.Run(defaults, pos.get(), objectType)) {
            UpdateCommands();
            return;
        }
    }
    if (const auto &fittings = windowHooks().RunSetFurnDlg) {
        if (!fittings(*pos, this)) {
            UpdateCommands();
            return;
        }
    }
    m_order->AddPosition(std::move(pos));
    const int row = m_order->PositionCount() - 1;
    m_rememberedRow = row;
    Modified();
    InsertRow(row);
    FitMoneyColumns();
    ListView->setCurrentItem(ListView->topLevelItem(row));
    SelectionChanged();
    UpdateCommands();
}

void TOrderForm::EditPosition()
{
    const int row = SelectedRow();
    if (row < 0 || row >= m_order->PositionCount()) {
        UpdateCommands();
        return;
    }
    const auto &fittings = windowHooks().RunSetFurnDlg;
    if (fittings) {
        try {
            auto copy = std::make_unique<TkvfConstruction>(m_order.get());
            copy->Copy(m_order->Position(row));
            if (fittings(*copy, this)) {
                m_order->ReplacePosition(row, std::move(copy));
                WriteRow(row);
                Modified();
                SelectionChanged();
            }
        } catch (const Error &e) {
            ShowErrorBox(e.text());
        }
    }
    UpdateCommands();
}

void TOrderForm::DeletePosition()
{
    const int row = SelectedRow();
    if (row >= 0 && AskOkCancel(QStringLiteral("Удалить позицию?"))) {
        PaintBox->setPosition(nullptr);
        m_order->DeletePosition(row);
        m_filling = true;
        delete ListView->takeTopLevelItem(row);
        m_filling = false;
        QTreeWidgetItem *focused = ListView->currentItem();
        m_rememberedRow = focused ? ListView->indexOfTopLevelItem(focused) : -1;
        if (focused)
            focused->setSelected(true);
        Modified();
    }
    SelectionChanged();
    UpdateCommands();
}

void TOrderForm::DeleteAll()
{
    if (!AskOkCancel(QStringLiteral("Удалить все позиции?")))
        return;
    PaintBox->setPosition(nullptr);
    m_order->ClearPositions();
    m_filling = true;
    ListView->clear();
    m_filling = false;
    m_rememberedRow = -1;
    Modified();
    SelectionChanged();
}

void TOrderForm::SelectAll()
{
    ListView->selectAll();
}

void TOrderForm::TakeOverCheckMarks()
{
    for (int i = 0; i < ListView->topLevelItemCount() && i < m_order->PositionCount(); ++i) {
        const bool mark = ListView->topLevelItem(i)->checkState(0) == Qt::Checked;
        TkvfConstruction &p = m_order->Position(i);
        if (mark != p.Checked) {
            p.Checked = mark;
            Modified();
            break;
        }
    }
    UpdateCommands();
}

void TOrderForm::ToggleAllChecks()
{
    QTreeWidgetItem *first = ListView->topLevelItem(0);
    const bool set = !first || first->checkState(0) != Qt::Checked;
    for (int i = 0; i < m_order->PositionCount(); ++i)
        m_order->Position(i).Checked = set;
    m_filling = true;
    for (int i = 0; i < ListView->topLevelItemCount(); ++i)
        ListView->topLevelItem(i)->setCheckState(0, set ? Qt::Checked : Qt::Unchecked);
    m_filling = false;
    Modified();
    UpdateCommands();
}

void TOrderForm::SortByPositions()
{
    m_order->SortByPosNo();
    RewriteAllRows();
    Modified();
    UpdateCommands();
}

void TOrderForm::SortByProducts()
{
    m_order->SortByName();
    RewriteAllRows();
    Modified();
    UpdateCommands();
}

void TOrderForm::MovePosition(int from, int to)
{
    if (from < 0 || to < 0 || from >= m_order->PositionCount() || to >= m_order->PositionCount() || from == to)
        return;
    m_order->InsertPosition(to, m_order->TakePosition(from));
    m_filling = true;
    delete ListView->takeTopLevelItem(from);
    m_filling = false;
    InsertRow(to);
    m_filling = true;
    ListView->setCurrentItem(ListView->topLevelItem(to));
    m_filling = false;
    m_rememberedRow = to;
    RewriteAllRows();
    Modified();
    UpdateCommands();
}

void TOrderForm::Recalculate()
{
    if (!AskOkCancel(QStringLiteral("Пересчитать выделенные изделия с текущими установками?")))
        return;
    // A small window that tells the user the program works.
    QDialog ani(this, Qt::Tool | Qt::FramelessWindowHint);
    ani.setObjectName(QStringLiteral("AniForm"));
    auto *aniLayout = new QVBoxLayout(&ani);
    aniLayout->addWidget(new QLabel(QStringLiteral("Пересчет заказа..."), &ani));
    auto *bar = new QProgressBar(&ani);
    bar->setRange(0, qMax(1, m_order->PositionCount()));
    aniLayout->addWidget(bar);
    ani.show();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    {
        WaitCursor wait;
        for (int i = 0; i < m_order->PositionCount(); ++i) {
            TkvfConstruction &p = m_order->Position(i);
            bar->setValue(i + 1);
            if (p.Checked) {
                TSpecStream backup;
                try {
                    p.Backup(backup);
                    p.RecalcCost();
                } catch (const Error &e) {
                    try {
                        p.Restore(backup);
                    } catch (const Error &) {
                    }
                    Modified();
                    ani.hide();
                    ShowErrorBox(QStringLiteral("%1\r\n[Позиция: %2]").arg(e.text(), p.PosNo));
                    break;
                }
            }
            Modified();
        }
    }
    ani.hide();
    UpdateCommands();
    RewriteAllRows();
}

// ------------------------------------------------------------ properties

void TOrderForm::ShowProperties()
{
    SendWindowMessage(this, UM_ORDERPROPS);
}

void TOrderForm::RunProperties()
{
    std::unique_ptr<TOrderPropDlg> dlg;
    {
        WaitCursor wait;
        dlg = std::make_unique<TOrderPropDlg>(this);
    }
    bool priceChanged = false;
    if (dlg->Run(*m_order, priceChanged)) {
        PublishPricingContext();
        Modified();
        if (m_order->PositionCount() > 0 && priceChanged) {
            ShowWarningBox(QStringLiteral("Были изменены настройки, влияющие на цену изделий.\r\n"
                                          "Для корректной работы необходимо пересчитать заказ!"));
            PostWindowMessage(this, UM_RECALCORDER);
        }
        RewriteAllRows();
    }
    dlg.reset();
    ShowStatus();
    UpdateCommands();
}

void TOrderForm::PrintDocument()
{
    if (const auto &print = windowHooks().RunOrderReportList)
        print(*m_order, this);
}

void TOrderForm::MergeFromFile()
{
    FileDialogSetup &setup = m_main.openDialogSetup();
    setup.multiSelect = false;
    if (!m_main.RunFileDialog(setup) || setup.selected.isEmpty())
        return;
    const QString file = setup.selected.first();
    try {
        TkvfOrder other;
        if (!other.LoadFromFile(file).loaded)
            return;
        // The positions of the other order are added behind ours.
        const int first = m_order->PositionCount();
        while (other.PositionCount() > 0)
            m_order->AddPosition(other.TakePosition(0));
        for (int i = first; i < m_order->PositionCount(); ++i)
            InsertRow(i);
        if (m_order->PositionCount() > first)
            Modified();
        if (m_order->PositionCount() > 0) {
            ShowWarningBox(QStringLiteral("Для корректной работы необходимо пересчитать заказ!"));
            PostWindowMessage(this, UM_RECALCORDER);
        }
    } catch (const Error &e) {
        ShowErrorBox(QStringLiteral("Ошибка добаления изделий из файла [%1]!\r\n(%2)").arg(file, e.text()));
    }
    UpdateCommands();
}

void TOrderForm::Export(int format)
{
    static const char *const questions[] = {"Экспортировать данные в формат \"ТБМ Навигатор\"?",
                                            "Экспортировать данные в формат \"Ворне Бела\"?",
                                            "Экспортировать данные в формат \"XML\"?"};
    if (!m_order->HasChecked() || format < 0 || format > 2)
        return;
    if (!AskOkCancel(QString::fromUtf8(questions[format])))
        return;
    if (kvfSetup() && kvfSetup()->AlertIfNotFull && m_order->CheckedCount() < m_order->PositionCount()
        && !AskOkCancel(QStringLiteral("Заказ включен в расчет не полностью!\r\nПродолжать работу с выборкой?")))
        return;
    if (const auto &run = windowHooks().RunExportDlg)
        run(SupplierExport(format), *m_order, this);
}

// ------------------------------------------------------------ files

void TOrderForm::LoadDocument(const QString &fileName)
{
    if (!fileName.isEmpty()) {
        const TkvfLoadResult r = m_order->LoadFromFile(fileName);
        m_fileName = fileName;
        m_new = false;
        m_lastNo = m_order->OrderNo;
        m_lastCustomer = m_order->Customer;
        m_lastObject = m_order->ObjectName;
        m_saved = !r.converted;
        PublishPricingContext();
        if (!m_order->Notes.isEmpty())
            PostWindowMessage(this, UM_ORDERNOTE);
    }
    RebuildList();
    ShowStatus();
    SetCaption();
    UpdateCommands();
}

bool TOrderForm::SaveDocument(const QString &fileName)
{
    const QString no = m_order->OrderNo;
    QString error;
    if (no.trimmed().isEmpty()) {
        error = QStringLiteral("Не указан номер заказа!");
    } else if (m_new) {
        try {
            if (const std::optional<QDate> reg = FindRegisteredOrder(no))
                error = RegisteredNumberText(no, *reg);
        } catch (const Error &) {
            // Without a register no number can clash.
        }
    }
    if (!error.isEmpty()) {
        ShowErrorBox(error);
        PostWindowMessage(this, UM_ORDERPROPS);
        return false;
    }

    if (!fileName.isEmpty()) {
        // Save As: the file always lands in the orders folder.
        const QString target = OrdersDir.isEmpty() ? fileName : JoinPath(OrdersDir, QFileInfo(fileName).fileName());
        QDir().mkpath(QFileInfo(target).absolutePath());
        if (!m_order->SaveToFile(target))
            return false;
        m_fileName = target;
        m_new = false;
        WriteLastOrderNo(no);
    } else {
        const bool numberChanged = !sameText(no, m_lastNo);
        QString target = m_fileName;
        if (numberChanged
            && AskOkCancel(QStringLiteral("Изменился номер заказа. Переименовать файл согласно нового номера?"))) {
            FileDialogSetup setup;
            setup.save = true;
            setup.title = QStringLiteral("Сохранить заказ...");
            setup.filter = QStringLiteral("Заказ (*.kfo370)|*.kfo370|Все файлы (*.*)|*.*");
            setup.defaultSuffix = QStringLiteral("kfo370");
            setup.fileName = GetDefaultFileName();
            setup.directory = OrdersDir;
            if (!m_main.RunFileDialog(setup) || setup.selected.isEmpty())
                return false;
            target = setup.selected.first();
        }
        if (!OrdersDir.isEmpty())
            target = JoinPath(OrdersDir, QFileInfo(target).fileName());
        QDir().mkpath(QFileInfo(m_fileName).absolutePath());
        if (!m_order->SaveToFile(m_fileName))
            return false;
        if (QFileInfo(target).absoluteFilePath() != QFileInfo(m_fileName).absoluteFilePath()) {
            QDir().mkpath(QFileInfo(target).absolutePath());
            bool go = true;
            if (QFileInfo::exists(target)) {
                go = AskOkCancel(QStringLiteral("Файл %1 уже существует! Переписать поверх?").arg(target));
                if (!go)
                    return false;
                QFile::remove(target);
            }
            if (QFile::rename(m_fileName, target))
                m_fileName = target;
            else
                ShowErrorBox(QStringLiteral("Ошибка переноса файла заказа согласно статуса!"));
        }
        if (numberChanged)
            WriteLastOrderNo(no);
    }

    SetCaption();
    m_saved = true;
    UpdateCommands();
    ShowStatus();
    if (kvfSetup() && kvfSetup()->AutoReg)
        Register(false);
    m_lastNo = m_order->OrderNo;
    m_lastCustomer = m_order->Customer;
    m_lastObject = m_order->ObjectName;
    return true;
}

void TOrderForm::Register(bool ask)
{
    if (ask && !AskOkCancel(QStringLiteral("Зарегистрировать заказ / обновить данные в реестре?")))
        return;
    try {
        RegisterTableScope reg(DM().T_OrderList);
        const TkvfOrder &o = *m_order;
        if (o.OrderNo.isEmpty()) {
            ShowErrorBox(QStringLiteral("Заказ не имеет номера!\r\nДля учета заказа необходимо наличие номера."));
            return;
        }
        const QVariantMap values{
            {QStringLiteral("No"), o.OrderNo},
            {QStringLiteral("RegDate"), dateFromOle(o.OrderDate)},
            {QStringLiteral("Customer"), o.Customer},
            {QStringLiteral("Phone"), o.Phone},
            {QStringLiteral("Object"), o.ObjectName},
            {QStringLiteral("Address"), o.Address},
            {QStringLiteral("Cost"), o.TotalWithVAT().toDouble()},
            {QStringLiteral("Currency"), o.Currency},
            {QStringLiteral("OrderFile"), MakeRelativePath(OrdersDir, m_fileName)},
        };
        // A renamed order updates the row of its old number.
        if (!m_lastNo.isEmpty() && !sameText(m_lastNo, o.OrderNo) && reg.locateNo(m_lastNo)) {
            reg.table().updateRecord(values);
            return;
        }
        if (reg.locateNo(o.OrderNo))
            reg.table().updateRecord(values);
        else
            reg.table().appendRecord(values);
    } catch (const Error &e) {
        ShowErrorBox(e.text());
    }
}

// ------------------------------------------------------------ events

bool TOrderForm::event(QEvent *e)
{
    switch (int(e->type())) {
    case UM_ORDERPROPS:
        RunProperties();
        return true;
    case UM_RECALCORDER:
        Recalculate();
        return true;
    case UM_ORDERNOTE:
        return true;
    default:
        return TChildForm::event(e);
    }
}

bool TOrderForm::eventFilter(QObject *watched, QEvent *e)
{
    if (watched == ListView && e->type() == QEvent::KeyPress) {
        auto *k = static_cast<QKeyEvent *>(e);
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
            EditPosition();
            return true;
        }
    } else if (watched == Panel1 && e->type() == QEvent::MouseButtonRelease) {
        ShowProperties();
        return true;
    }
    return TChildForm::eventFilter(watched, e);
}

void TOrderForm::closeEvent(QCloseEvent *e)
{
    bool close = m_saved;
    if (!close) {
        switch (AskYesNoCancel(QStringLiteral("Сохранить заказ?"))) {
        case YesNoCancel::Yes:
            close = m_new ? m_main.SaveChildAs(this) : m_main.SaveChild(this);
            break;
        case YesNoCancel::No:
            close = true;
            break;
        case YesNoCancel::Cancel:
            break;
        }
    }
    if (close) {
        m_main.setStatusText(2, QString());
        m_main.setStatusText(3, QString());
        Tag = 0;
        e->accept();
    } else {
        Tag = 1;
        e->ignore();
    }
}

void TOrderForm::resizeEvent(QResizeEvent *e)
{
    TChildForm::resizeEvent(e);
    auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget());
    if (sub && sub->isVisible() && kvfSetup()) {
        const Qt::WindowStates s = sub->windowState();
        kvfSetup()->VoderivarOrderWinState = (s & Qt::WindowMinimized) ? 1 : (s & Qt::WindowMaximized) ? 2 : 0;
    }
}

} // namespace kv
