#include "windows/OrdProp.h"

#include "core/Data.h"
#include "core/Setup.h"
#include "engine/CatalogLookups.h"
#include "engine/CatalogPricing.h"
#include "model/Order.h"
#include "tools/Errors.h"
#include "tools/Messages.h"
#include "tools/OleDate.h"
#include "windows/DBLookupCombo.h"
#include "windows/DisplayFormats.h"
#include "windows/LastOrderNo.h"
#include "windows/NumEdit.h"
#include "windows/RegisterTable.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace kv {

namespace {

QLabel *boldLabel(const QString &text, QWidget *buddy)
{
    auto *l = new QLabel(text);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    l->setBuddy(buddy);
    return l;
}

int toInt(const QVariant &v)
{
    bool ok = false;
    const int i = v.toString().toInt(&ok);
    return ok ? i : 0;
}

} // namespace

TOrderPropDlg::TOrderPropDlg(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Заказ"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    TDM &dm = DM();

    Pages = new QTabWidget(this);

    // "Реквизиты"
    auto *props = new QWidget;
    OrderNoEdit = new QLineEdit;
    OrderNoEdit->setObjectName(QStringLiteral("OrderNoEdit"));
    OrderNoEdit->setToolTip(QStringLiteral("Ctrl+Enter: номер последнего заказа"));
    OrderNoEdit->installEventFilter(this); // Ctrl+Enter: the last number
    RegDateCheck = new QCheckBox;
    RegDateEdit = new QDateEdit;
    RegDateEdit->setCalendarPopup(true);
    RegDateEdit->setDisplayFormat(displayFormats().ShortDateFormat);
    connect(RegDateCheck, &QCheckBox::toggled, RegDateEdit, &QWidget::setEnabled);
    AltOrderNoEdit = new QLineEdit;
    CustomerEdit = new QLineEdit;
    ObjectNameEdit = new QLineEdit;
    AddressEdit = new QLineEdit;
    PhonesEdit = new QLineEdit;
    RemEdit = new QLineEdit;
    RemEdit->setMaxLength(15);
    auto *dateRow = new QHBoxLayout;
    dateRow->addWidget(RegDateCheck);
    dateRow->addWidget(RegDateEdit, 1);
    auto *propsLayout = new QGridLayout(props);
    propsLayout->addWidget(boldLabel(QStringLiteral("Заказ №"), OrderNoEdit), 0, 0);
    propsLayout->addWidget(OrderNoEdit, 0, 1);
    propsLayout->addWidget(boldLabel(QStringLiteral("От"), RegDateEdit), 0, 2);
    propsLayout->addLayout(dateRow, 0, 3);
    auto addRow = [&](int row, const QString &caption, QWidget *w) {
        auto *l = new QLabel(caption);
        l->setBuddy(w);
        propsLayout->addWidget(l, row, 0);
        propsLayout->addWidget(w, row, 1, 1, 3);
    };
    addRow(1, QStringLiteral("Служебный №"), AltOrderNoEdit);
    addRow(2, QStringLiteral("Заказчик"), CustomerEdit);
    addRow(3, QStringLiteral("Наименование объекта"), ObjectNameEdit);
    addRow(4, QStringLiteral("Адрес объекта"), AddressEdit);
    addRow(5, QStringLiteral("Контактный телефон"), PhonesEdit);
    auto *remLabel = new QLabel(QStringLiteral("Метка"));
    remLabel->setBuddy(RemEdit);
    propsLayout->addWidget(remLabel, 6, 0);
    propsLayout->addWidget(RemEdit, 6, 1);
    propsLayout->setColumnStretch(1, 1);
    propsLayout->setColumnStretch(3, 1);
    propsLayout->setRowStretch(7, 1);
    Pages->addTab(props, QStringLiteral("Реквизиты"));

    // "Тех. данные"
    auto *tech = new QWidget;
    ProfSysEdit = new TDBLookupCombo(&dm.T_SysProf, QStringLiteral("SchlSysID"), QStringLiteral("Name"), true);
    InnerProfColorEdit = new TDBLookupCombo(&dm.T_Color, QStringLiteral("Color"), QStringLiteral("Name"));
    OuterProfColorEdit = new TDBLookupCombo(&dm.T_Color, QStringLiteral("Color"), QStringLiteral("Name"));
    FurnSysEdit = new TDBLookupCombo(&dm.T_SysList, QStringLiteral("ID"), QStringLiteral("Name"));
    FurnColorEdit = new TDBLookupCombo(&dm.T_SysColor, QStringLiteral("ID"), QStringLiteral("ColorName"));
    HandleEdit = new TDBLookupCombo(&dm.T_FrnComp, QStringLiteral("ID"), QStringLiteral("Name"), true);
    FalzCombo = new TDBLookupCombo(&dm.T_FalzList, QStringLiteral("ID"), QStringLiteral("Name"));
    StulpTypeCombo = new TDBLookupCombo(&dm.T_StulpList, QStringLiteral("ID"), QStringLiteral("Name"));
    DornCombo = new TDBLookupCombo(&dm.T_DornList, QStringLiteral("ID"), QStringLiteral("Name"));
    OpenTypeCombo = new TDBLookupCombo(&dm.T_OpenList, QStringLiteral("ID"), QStringLiteral("Name"));
    MaterialEdit = new TDBLookupCombo(&dm.T_Material, QStringLiteral("ID"), QStringLiteral("Name"));
    auto *techLayout = new QFormLayout(tech);
    techLayout->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    techLayout->addRow(QStringLiteral("Система отв. планок"), ProfSysEdit);
    techLayout->addRow(QStringLiteral("Цвет профиля (изнутри)"), InnerProfColorEdit);
    techLayout->addRow(QStringLiteral("Цвет профиля (снаружи)"), OuterProfColorEdit);
    techLayout->addRow(QStringLiteral("Фурнитура"), FurnSysEdit);
    techLayout->addRow(QStringLiteral("Цвет декор. накладок"), FurnColorEdit);
    techLayout->addRow(QStringLiteral("Ручка"), HandleEdit);
    techLayout->addRow(QStringLiteral("Параметры фальца: "), FalzCombo);
    techLayout->addRow(QStringLiteral("Тип штульпа: "), StulpTypeCombo);
    techLayout->addRow(QStringLiteral("Дорнмасс: "), DornCombo);
    techLayout->addRow(QStringLiteral("Тип створки: "), OpenTypeCombo);
    techLayout->addRow(QStringLiteral("Материал"), MaterialEdit);
    Pages->addTab(tech, QStringLiteral("Тех. данные"));

    // The lists that depend on the fittings system are narrowed to it while open.
    ProfSysEdit->setDropDownFilter([this]() -> QString {
        const QString furnSys = FurnSysEdit->keyText();
        if (furnSys.isEmpty())
            return {};
        return QStringLiteral("FurnSysID='%1'").arg(furnSys.toInt() / 100 * 100);
    });
    FurnSysEdit->setDropDownFilter([] { return QStringLiteral("Group=%1 and Use=%2").arg(1).arg(1); });
    FurnColorEdit->setDropDownFilter(
        [this] { return QStringLiteral("System='%1'").arg(escapeFilterString(FurnSysEdit->keyText())); });
    HandleEdit->setDropDownFilter([this] { return HandleFilter(); });

    // "Валюта"
    auto *money = new QWidget;
    CurrencyCombo = new QComboBox;
    CurrencyCombo->setObjectName(QStringLiteral("CurrencyCombo"));
    ListView = new QTreeWidget;
    ListView->setColumnCount(3);
    ListView->setHeaderHidden(true);
    ListView->setRootIsDecorated(false);
    ListView->setUniformRowHeights(true);
    ListView->setAllColumnsShowFocus(true);
    ListView->header()->resizeSection(0, 28);
    ListView->header()->resizeSection(1, 90);
    ListView->installEventFilter(this);
    connect(ListView, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem *item) { EditRate(ListView->indexOfTopLevelItem(item)); });
    RateEdit = new TNumEdit(TNumEdit::nsFloat, 8, 4, ListView->viewport());
    RateEdit->hide();
    RateEdit->installEventFilter(this);
    CurrencyBut = new QPushButton(QStringLiteral("Установить текущий курс"));
    connect(CurrencyBut, &QPushButton::clicked, this, &TOrderPropDlg::SetCurrentRates);
    NDSTaxEdit = new TNumEdit(TNumEdit::nsFloat, 5, 2);
    NDSTaxEdit->setAlignment(Qt::AlignRight);
    NDSTaxEdit->setMaximumWidth(90);
    PriceGrpNoCombo = new QComboBox;
    PriceGrpNoCombo->hide();
    auto *moneyLayout = new QGridLayout(money);
    auto *curLabel = new QLabel(QStringLiteral("Валюта"));
    curLabel->setBuddy(CurrencyCombo);
    moneyLayout->addWidget(curLabel, 0, 0);
    moneyLayout->addWidget(CurrencyCombo, 0, 1);
    auto *ratesLabel = new QLabel(QStringLiteral("Курсы валют"));
    ratesLabel->setBuddy(ListView);
    moneyLayout->addWidget(ratesLabel, 1, 0, Qt::AlignTop);
    moneyLayout->addWidget(ListView, 1, 1);
    moneyLayout->addWidget(CurrencyBut, 2, 1, Qt::AlignLeft);
    auto *vatLabel = new QLabel(QStringLiteral("Ставка НДС, %"));
    vatLabel->setBuddy(NDSTaxEdit);
    moneyLayout->addWidget(vatLabel, 3, 0);
    moneyLayout->addWidget(NDSTaxEdit, 3, 1, Qt::AlignLeft);
    moneyLayout->setColumnStretch(1, 1);
    Pages->addTab(money, QStringLiteral("Валюта"));

    // "Примечания"
    auto *notes = new QWidget;
    Memo = new QPlainTextEdit;
    Memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ClearBut = new QPushButton(QStringLiteral("Очистить"));
    connect(ClearBut, &QPushButton::clicked, Memo, &QPlainTextEdit::clear);
    auto *notesLayout = new QVBoxLayout(notes);
    notesLayout->addWidget(Memo, 1);
    notesLayout->addWidget(ClearBut, 0, Qt::AlignLeft);
    Pages->addTab(notes, QStringLiteral("Примечания"));

    OkBut = new QPushButton(QStringLiteral("&OK"));
    OkBut->setDefault(true);
    CancelBut = new QPushButton(QStringLiteral("&Cancel"));
    connect(OkBut, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBut, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OkBut);
    buttons->addWidget(CancelBut);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Pages, 1);
    layout->addLayout(buttons);
    resize(520, 420);
}

TOrderPropDlg::~TOrderPropDlg() = default;

QString TOrderPropDlg::HandleFilter() const
{
    // Handles of the system's common group, of its whole hundred, and the common ones.
    const qint32 g = GetSystemGroup(FurnSysEdit->keyText(), false);
    return QStringLiteral("(Group=%1 or Group=%2 or Group=%3) and Use=%4 and (CommonGrp=%5 or CommonGrp=%6 or CommonGrp=%7)")
        .arg(30).arg(31).arg(32).arg(1).arg(g).arg(g / 100 * 100).arg(0);
}

void TOrderPropDlg::Open(TkvfOrder &order)
{
    m_order = &order;
    OrderNoEdit->setText(order.OrderNo);
    RegDateCheck->setChecked(order.OrderDateSet);
    RegDateEdit->setEnabled(order.OrderDateSet);
    const QDate date = dateFromOle(order.OrderDate);
    RegDateEdit->setDate(date.isValid() ? date : QDate::currentDate());
    AltOrderNoEdit->setText(order.AltOrderNo);
    CustomerEdit->setText(order.Customer);
    ObjectNameEdit->setText(order.ObjectName);
    AddressEdit->setText(order.Address);
    PhonesEdit->setText(order.Phone);
    RemEdit->setText(order.Remark);
    Memo->setPlainText(order.Notes.join(QLatin1Char('\n')));

    for (TDBLookupCombo *c : {ProfSysEdit, InnerProfColorEdit, OuterProfColorEdit, FurnSysEdit, FurnColorEdit,
                              HandleEdit, FalzCombo, StulpTypeCombo, DornCombo, OpenTypeCombo, MaterialEdit})
        c->fill(false);
    ProfSysEdit->setKey(order.ProfSys);
    InnerProfColorEdit->setKey(order.InnerColor);
    OuterProfColorEdit->setKey(order.OuterColor);
    FurnSysEdit->setKey(order.FurnSys);
    FurnColorEdit->setKey(order.FurnColor);
    HandleEdit->setKey(order.Handle);
    FalzCombo->setKey(QString::number(order.FalzType));
    StulpTypeCombo->setKey(QString::number(order.StulpType));
    DornCombo->setKey(QString::number(order.DornType));
    OpenTypeCombo->setKey(QString::number(order.OpenType));
    MaterialEdit->setKey(QString::number(order.Material));

    NDSTaxEdit->setFloat(order.NDSTax);
    m_rates = order.Rates;
    FillRates();
    CurrencyCombo->setCurrentIndex(m_rates.FindRateIndex(order.Currency));
    m_openedNo = order.OrderNo;
    m_openedCurrency = order.Currency;
    Pages->setCurrentIndex(0);
    OrderNoEdit->setFocus();
}

void TOrderPropDlg::FillRates()
{
    CurrencyCombo->clear();
    ListView->clear();
    for (int i = 0; i < m_rates.count(); ++i) {
        const TkvfCurrencyItem &r = m_rates.at(i);
        const QString name = GetCurrencyName(r.ID);
        CurrencyCombo->addItem(name);
        auto *row = new QTreeWidgetItem(ListView, {QString(), name, FormatFixed(r.Rate, 4)});
        row->setCheckState(0, Qt::Unchecked);
        row->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    }
}

bool TOrderPropDlg::Run(TkvfOrder &order, bool &priceChanged)
{
    priceChanged = false;
    Open(order);
    if (exec() != QDialog::Accepted)
        return false;
    priceChanged = Apply(order);
    return true;
}

void TOrderPropDlg::ShowLastOrderNo()
{
    const std::optional<QString> last = ReadLastOrderNo();
    ShowInfoBox(QStringLiteral("Номер последнего заказа: ") + (last ? *last : QStringLiteral("???")));
}

void TOrderPropDlg::SetCurrentRates()
{
    m_rates.clear();
    LoadRates(&m_rates);
    FillRates();
    CurrencyCombo->setCurrentIndex(m_rates.FindRateIndex(m_openedCurrency));
}

void TOrderPropDlg::EditRate(int row)
{
    QTreeWidgetItem *item = ListView->topLevelItem(row);
    if (!item)
        return;
    m_editRow = row;
    m_rateCancelled = false;
    const QRect r = ListView->visualItemRect(item);
    const int left = ListView->header()->sectionPosition(2);
    RateEdit->setGeometry(left, r.top(), qMax(80, ListView->header()->sectionSize(2)), r.height() + 2);
    RateEdit->setFloat(m_rates.at(row).Rate);
    RateEdit->show();
    RateEdit->setFocus();
    RateEdit->selectAll();
}

void TOrderPropDlg::FinishRateEdit()
{
    RateEdit->hide();
    if (m_editRow < 0 || m_editRow >= m_rates.count())
        return;
    if (!m_rateCancelled) {
        try {
            m_rates.at(m_editRow).Rate = float(RateEdit->asFloat());
        } catch (const Error &e) {
            ShowErrorBox(e.text());
        }
        ListView->topLevelItem(m_editRow)->setText(2, FormatFixed(m_rates.at(m_editRow).Rate, 4));
    }
    m_editRow = -1;
}

bool TOrderPropDlg::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == OrderNoEdit && event->type() == QEvent::KeyPress) {
        auto *k = static_cast<QKeyEvent *>(event);
        if ((k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) && (k->modifiers() & Qt::ControlModifier)) {
            ShowLastOrderNo();
            return true;
        }
    } else if (watched == ListView) {
        if (event->type() == QEvent::FocusIn)
            m_rateCancelled = false;
        if (event->type() == QEvent::KeyPress) {
            auto *k = static_cast<QKeyEvent *>(event);
            if ((k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) && ListView->currentItem()) {
                EditRate(ListView->indexOfTopLevelItem(ListView->currentItem()));
                return true;
            }
        }
    } else if (watched == RateEdit) {
        if (event->type() == QEvent::KeyPress) {
            auto *k = static_cast<QKeyEvent *>(event);
            if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter || k->key() == Qt::Key_Escape) {
                m_rateCancelled = k->key() == Qt::Key_Escape;
                FinishRateEdit();
                ListView->setFocus();
                return true; // the dialog's default and cancel buttons do not see these keys
            }
        } else if (event->type() == QEvent::FocusOut && RateEdit->isVisible()) {
            FinishRateEdit();
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TOrderPropDlg::accept()
{
    if (RateEdit->isVisible())
        FinishRateEdit();
    const QString no = OrderNoEdit->text().trimmed();
    if (no.isEmpty()) {
        ShowWarningBox(QStringLiteral("Не указан номер заказа!"));
        Pages->setCurrentIndex(0);
        OrderNoEdit->setFocus();
        return;
    }
    if (no != m_openedNo.trimmed()) {
        std::optional<QDate> registered;
        try {
            registered = FindRegisteredOrder(no);
        } catch (const Error &) {
            // No register to compare with: nothing can clash.
        }
        if (registered) {
            ShowWarningBox(RegisteredNumberText(no, *registered));
            Pages->setCurrentIndex(0);
            OrderNoEdit->setFocus();
            return;
        }
    }
    QDialog::accept();
}

bool TOrderPropDlg::Apply(TkvfOrder &order)
{
    order.OrderNo = OrderNoEdit->text().trimmed();
    order.AltOrderNo = AltOrderNoEdit->text().trimmed();
    order.Customer = CustomerEdit->text().trimmed();
    order.ObjectName = ObjectNameEdit->text().trimmed();
    order.Address = AddressEdit->text().trimmed();
    order.Phone = PhonesEdit->text().trimmed();
    order.Remark = RemEdit->text().trimmed();
    order.OrderDate = toOleDate(RegDateEdit->date());
    order.OrderDateSet = RegDateCheck->isChecked();
    const QString notes = Memo->toPlainText();
    order.Notes = notes.isEmpty() ? QStringList() : notes.split(QLatin1Char('\n'));

    order.ProfSys = ProfSysEdit->keyText();
    order.InnerColor = InnerProfColorEdit->keyText();
    order.OuterColor = OuterProfColorEdit->keyText();
    order.FurnSys = FurnSysEdit->keyText();
    order.FurnColor = FurnColorEdit->keyText();
    order.Handle = HandleEdit->keyText();
    order.FalzType = toInt(FalzCombo->key());
    order.DornType = toInt(DornCombo->key());
    order.StulpType = toInt(StulpTypeCombo->key());
    order.OpenType = toInt(OpenTypeCombo->key());
    order.Material = toInt(MaterialEdit->key());

    float vat = order.NDSTax;
    try {
        vat = float(NDSTaxEdit->asFloat());
    } catch (const Error &) {
        // A text the field cannot hold: the rate stays.
    }
    bool priceChanged = vat != order.NDSTax;
    order.NDSTax = vat;

    order.Rates = m_rates;
    const int cur = CurrencyCombo->currentIndex();
    if (cur >= 0 && cur < m_rates.count())
        order.Currency = m_rates.at(cur).ID;
    priceChanged = priceChanged || order.Currency != m_openedCurrency;

    if (TkvfSetup *s = kvfSetup()) {
        s->NDSTax = order.NDSTax;
        s->PriceGrpNo = order.PriceGroupNo;
        s->CurCurrency = order.Currency;
        s->DefProfSys = order.ProfSys;
        s->DefInnerProfColor = order.InnerColor;
        s->DefOuterProfColor = order.OuterColor;
        s->DefFurnSys = order.FurnSys;
        s->DefFurnColor = order.FurnColor;
        s->DefHandle = order.Handle;
        s->DefFalzType = order.FalzType;
        s->DefDornType = order.DornType;
        s->DefStulpFalzType = order.StulpType;
        s->DefFlugelType = order.OpenType;
        s->DefMaterial = order.Material;
    }
    return priceChanged;
}

} // namespace kv
