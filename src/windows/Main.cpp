#include "Main.h"

#include "core/Data.h"
#include "core/Globals.h"
#include "core/PricingContext.h"
#include "core/Setup.h"
#include "tools/Messages.h"
#include "tools/OleDate.h"
#include "tools/WaitCursor.h"
#include "windows/AboutDlgs.h"
#include "windows/ChildForm.h"
#include "windows/DisplayFormats.h"
#include "windows/Options.h"
#include "windows/OrderForm.h"
#include "windows/WindowHooks.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QFileDialog>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrinter>
#include <QSaveFile>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QToolButton>
#include <QtEndian>

#include <cmath>
#include <cstring>

namespace kv {

namespace {
TMainForm *g_main = nullptr;

Qt::WindowStates stateFromSetting(int value)
{
    switch (value) {
    case 1: return Qt::WindowMinimized;
    case 2: return Qt::WindowMaximized;
    default: return Qt::WindowNoState;
    }
}

int settingFromState(Qt::WindowStates state)
{
    if (state & Qt::WindowMinimized)
        return 1;
    if (state & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return 2;
    return 0;
}

// Tool bar pictures, drawn so that they need no image files.
QIcon drawnIcon(const QString &kind)
{
    QPixmap pm(24, 24);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QPen dark(QColor(40, 40, 40), 1.5);
    p.setPen(dark);
    if (kind == QLatin1String("register")) {
        p.setBrush(QColor(250, 250, 230));
        p.drawRect(QRectF(3.5, 2.5, 17, 19));
        for (int y = 7; y <= 17; y += 4)
            p.drawLine(QPointF(6, y), QPointF(18, y));
    } else if (kind == QLatin1String("new")) {
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygonF{{5, 2.5}, {15, 2.5}, {19.5, 7}, {19.5, 21.5}, {5, 21.5}});
        p.drawLine(QPointF(15, 2.5), QPointF(15, 7));
        p.drawLine(QPointF(15, 7), QPointF(19.5, 7));
    } else if (kind == QLatin1String("open")) {
        p.setBrush(QColor(240, 200, 80));
        p.drawPolygon(QPolygonF{{2.5, 6}, {9, 6}, {11, 8}, {21.5, 8}, {21.5, 20}, {2.5, 20}});
    } else if (kind == QLatin1String("save")) {
        p.setBrush(QColor(60, 90, 170));
        p.drawRect(QRectF(3.5, 3.5, 17, 17));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(7, 3.5, 10, 6));
        p.drawRect(QRectF(6.5, 13, 11, 7.5));
    } else if (kind == QLatin1String("print")) {
        p.setBrush(Qt::white);
        p.drawRect(QRectF(7, 2.5, 10, 7));
        p.setBrush(QColor(150, 150, 150));
        p.drawRoundedRect(QRectF(2.5, 9, 19, 9), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(7, 15, 10, 7));
    } else if (kind == QLatin1String("props")) {
        p.setBrush(QColor(255, 255, 174));
        p.drawRect(QRectF(3.5, 4.5, 17, 15));
        p.drawLine(QPointF(6, 9), QPointF(18, 9));
        p.drawLine(QPointF(6, 13), QPointF(15, 13));
    } else if (kind == QLatin1String("add")) {
        p.setPen(QPen(QColor(0, 140, 0), 4));
        p.drawLine(QPointF(12, 4), QPointF(12, 20));
        p.drawLine(QPointF(4, 12), QPointF(20, 12));
    } else if (kind == QLatin1String("edit")) {
        p.setPen(QPen(QColor(30, 80, 160), 3));
        p.drawLine(QPointF(5, 19), QPointF(18, 6));
        p.setPen(dark);
        p.drawLine(QPointF(4, 21), QPointF(8, 21));
    } else if (kind == QLatin1String("delete")) {
        p.setPen(QPen(QColor(200, 0, 0), 3.5));
        p.drawLine(QPointF(5, 5), QPointF(19, 19));
        p.drawLine(QPointF(19, 5), QPointF(5, 19));
    } else if (kind == QLatin1String("archive")) {
        p.setBrush(QColor(190, 150, 100));
        p.drawRect(QRectF(3.5, 8.5, 17, 12));
        p.drawRect(QRectF(2.5, 4.5, 19, 4));
    } else if (kind == QLatin1String("check")) {
        p.setPen(QPen(QColor(0, 140, 0), 3.5));
        p.drawPolyline(QPolygonF{{4, 13}, {10, 19}, {20, 5}});
    }
    return QIcon(pm);
}

} // namespace

void PostWindowMessage(QObject *receiver, WindowMessage m)
{
    QCoreApplication::postEvent(receiver, new QEvent(eventType(m)));
}

void SendWindowMessage(QObject *receiver, WindowMessage m)
{
    QEvent e(eventType(m));
    QCoreApplication::sendEvent(receiver, &e);
}

const QString TMainForm::DesignCaption = QStringLiteral("Karvelo ФУРНИТУРА");

TMainForm *MainForm() { return g_main; }

TMainForm::TMainForm(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(DesignCaption + QStringLiteral(": [") + ConfigName + QLatin1Char(']'));
    setMinimumSize(640, 480);
    setGeometry(0, 0, 640, 480);
    g_main = this;

    // Display formats of the whole program.
    DisplayFormats &f = displayFormats();
    f.CurrencyString = QStringLiteral(" ");
    f.ThousandSeparator = QLatin1Char(' ');
    f.DecimalSeparator = QLatin1Char(',');
    f.ShortDateFormat = QStringLiteral("dd.MM.yyyy");

    MdiArea = new QMdiArea(this);
    MdiArea->setObjectName(QStringLiteral("MdiArea"));
    setCentralWidget(MdiArea);
    connect(MdiArea, &QMdiArea::subWindowActivated, this, &TMainForm::ChildActivated);

    fileDialogRunner = [this](FileDialogSetup &s) {
        QFileDialog dlg(this, s.title, s.directory);
        QStringList filters;
        const QStringList parts = s.filter.split(QLatin1Char('|'));
        for (int i = 0; i + 1 < parts.size(); i += 2)
            filters << parts[i];
        dlg.setNameFilters(filters);
        if (s.filterIndex >= 1 && s.filterIndex <= filters.size())
            dlg.selectNameFilter(filters[s.filterIndex - 1]);
        dlg.setDefaultSuffix(s.defaultSuffix);
        dlg.setAcceptMode(s.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dlg.setFileMode(s.save ? QFileDialog::AnyFile : s.multiSelect ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
        dlg.setOption(QFileDialog::DontConfirmOverwrite, true);
        dlg.setOption(QFileDialog::ReadOnly, false);
        if (!s.fileName.isEmpty())
            dlg.selectFile(s.fileName);
        if (dlg.exec() != QDialog::Accepted)
            return false;
        s.selected = dlg.selectedFiles();
        s.filterIndex = int(filters.indexOf(dlg.selectedNameFilter())) + 1;
        return !s.selected.isEmpty();
    };
    modalRunner = [](QDialog &d) { return d.exec(); };

    CreateActions();
    CreateMenus();
    CreateToolBars();

    const int widths[4] = {290, 135, 135, 50};
    for (int i = 0; i < 4; ++i) {
        StatusPanels[i] = new QLabel(this);
        StatusPanels[i]->setFixedWidth(widths[i]);
        statusBar()->addWidget(StatusPanels[i]);
    }
    statusBar()->setSizeGripEnabled(true);

    m_openSetup.title = QStringLiteral("Открыть...");
    m_openSetup.defaultSuffix = QStringLiteral("kfo370");
    m_openSetup.filter = QStringLiteral("Заказ 370 (*.kfo370)|*.kfo370|Заказ 317 (*.kfo)|*.kfo|Выборка (*.kfs370)|*.kfs370");
    m_openSetup.multiSelect = true;

    MergeMenus(nullptr);
    UpdateCommands();
}

TMainForm::~TMainForm()
{
    // The children go first: they still reach the frame while closing.
    m_destroying = true;
    disconnect(MdiArea, nullptr, this, nullptr);
    for (QMdiSubWindow *w : MdiArea->subWindowList())
        delete w;
    if (TDM *dm = TDM::instance())
        dm->CloseDatabases();
    if (TkvfSetup *setup = kvfSetup())
        setup->VoderivarMainWinState = settingFromState(windowState());
    if (g_main == this)
        g_main = nullptr;
}

void TMainForm::CreateActions()
{
    OrderListItem = new QAction(QStringLiteral("Реестр заказов..."), this);
    connect(OrderListItem, &QAction::triggered, this, &TMainForm::ShowOrderList);
    NewOrderItem = new QAction(QStringLiteral("Заказ"), this);
    connect(NewOrderItem, &QAction::triggered, this, [this] { NewOrder(); });
    NewSelectionItem = new QAction(QStringLiteral("Выборка"), this);
    connect(NewSelectionItem, &QAction::triggered, this, &TMainForm::NewSelection);
    OpenItem = new QAction(QStringLiteral("&Открыть..."), this);
    OpenItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    connect(OpenItem, &QAction::triggered, this, [this] { Open(0); });
    SaveItem = new QAction(QStringLiteral("Сохранить"), this);
    SaveItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(SaveItem, &QAction::triggered, this, &TMainForm::Save);
    SaveAsItem = new QAction(QStringLiteral("&Сохранить как..."), this);
    SaveAsItem->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    connect(SaveAsItem, &QAction::triggered, this, &TMainForm::SaveAs);
    SaveAllItem = new QAction(QStringLiteral("&Сохранить все"), this);
    connect(SaveAllItem, &QAction::triggered, this, &TMainForm::SaveAll);
    CloseItem = new QAction(QStringLiteral("&Закрыть"), this);
    CloseItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4));
    connect(CloseItem, &QAction::triggered, this, &TMainForm::CloseChild);
    CloseAllItem = new QAction(QStringLiteral("З&акрыть все"), this);
    connect(CloseAllItem, &QAction::triggered, this, &TMainForm::CloseAll);
    PrinterSetupItem = new QAction(QStringLiteral("&Настройка принтера..."), this);
    connect(PrinterSetupItem, &QAction::triggered, this, &TMainForm::PrinterSetup);
    ReportDesignerItem = new QAction(QStringLiteral("Дизайнер отчетов..."), this);
    connect(ReportDesignerItem, &QAction::triggered, this, [this] {
        if (windowHooks().RunReportDesigner)
            windowHooks().RunReportDesigner(this);
    });
    ExitItem = new QAction(QStringLiteral("&Выход"), this);
    ExitItem->setShortcut(QKeySequence(Qt::ALT | Qt::Key_X));
    ExitItem->setStatusTip(QStringLiteral("Exit application"));
    connect(ExitItem, &QAction::triggered, this, &QWidget::close);

    CurrencyRatesItem = new QAction(QStringLiteral("Курсы валют на ") + FormatShortDate(QDate::currentDate()), this);
    connect(CurrencyRatesItem, &QAction::triggered, this, [this] { PostWindowMessage(this, UM_CURRENCYRATES); });
    FirmInfoItem = new QAction(QStringLiteral("Реквизиты фирмы..."), this);
    connect(FirmInfoItem, &QAction::triggered, this, [this] {
        if (windowHooks().RunFirmInfoDlg)
            windowHooks().RunFirmInfoDlg(this);
    });
    OptionsItem = new QAction(QStringLiteral("&Настройка параметров..."), this);
    connect(OptionsItem, &QAction::triggered, this, &TMainForm::ShowOptions);
    FtpSetupItem = new QAction(QStringLiteral("Настройка FTP..."), this);
    connect(FtpSetupItem, &QAction::triggered, this, [this] {
        if (windowHooks().RunFTPSetupDlg)
            windowHooks().RunFTPSetupDlg(this);
    });
    CatalogItem = new QAction(QStringLiteral("Справочник комплектующих..."), this);
    connect(CatalogItem, &QAction::triggered, this, [this] {
        if (windowHooks().RunCatalogDlg)
            windowHooks().RunCatalogDlg(this);
    });
    PriceGroupItem = new QAction(QStringLiteral("Ценовые группы..."), this);
    connect(PriceGroupItem, &QAction::triggered, this, [this] {
        if (windowHooks().RunPriceGroupDlg)
            windowHooks().RunPriceGroupDlg(this);
    });

    CascadeItem = new QAction(QStringLiteral("&Каскад"), this);
    connect(CascadeItem, &QAction::triggered, MdiArea, &QMdiArea::cascadeSubWindows);
    TileItem = new QAction(QStringLiteral("&Мозайка"), this);
    connect(TileItem, &QAction::triggered, MdiArea, &QMdiArea::tileSubWindows);
    ArrangeItem = new QAction(QStringLiteral("&Сортировать иконки"), this);
    connect(ArrangeItem, &QAction::triggered, this, [this] {
        // Minimised children line up along the bottom edge.
        int x = 0;
        for (QMdiSubWindow *w : MdiArea->subWindowList())
            if (w->isMinimized()) {
                w->move(x, MdiArea->viewport()->height() - w->height());
                x += w->width();
            }
    });
    MinimizeAllItem = new QAction(QStringLiteral("Минимизировать все"), this);
    connect(MinimizeAllItem, &QAction::triggered, this, [this] {
        const QList<QMdiSubWindow *> list = MdiArea->subWindowList();
        for (auto it = list.rbegin(); it != list.rend(); ++it)
            (*it)->showMinimized();
    });

    PresentationItem = new QAction(QStringLiteral("О Нас..."), this);
    connect(PresentationItem, &QAction::triggered, this, [this] { PostWindowMessage(this, UM_PRESENTATION); });
    DebugModeItem = new QAction(QStringLiteral("Режим отладки"), this);
    DebugModeItem->setCheckable(true);
    connect(DebugModeItem, &QAction::toggled, this, [](bool on) {
        if (TkvfSetup *s = kvfSetup())
            s->DebugMode = on;
    });
    AboutItem = new QAction(QStringLiteral("&О программе..."), this);
    connect(AboutItem, &QAction::triggered, this, &TMainForm::ShowAbout);
    NewsPanelItem = new QAction(QStringLiteral("Показывать панель новостей"), this);
    NewsPanelItem->setCheckable(true);
    PersonalPanelItem = new QAction(QStringLiteral("Показывать панель персональных сообщений"), this);
    PersonalPanelItem->setCheckable(true);
    PersonalPanelItem->setChecked(false);
    RequestNewsItem = new QAction(QStringLiteral("Запросить последние новости..."), this);

    OrderPropBut = new QAction(drawnIcon(QStringLiteral("props")), QStringLiteral("Реквизиты"), this);
    connect(OrderPropBut, &QAction::triggered, this,
            [this] { RouteToChild([](TChildForm &c) { c.ShowProperties(); }, true, false); });
    NewPosBut = new QAction(drawnIcon(QStringLiteral("add")), QStringLiteral("Добавить"), this);
    connect(NewPosBut, &QAction::triggered, this,
            [this] { RouteToChild([](TChildForm &c) { c.AddPosition(); }, true, false); });
    EditPosBut = new QAction(drawnIcon(QStringLiteral("edit")), QStringLiteral("Изменить"), this);
    connect(EditPosBut, &QAction::triggered, this,
            [this] { RouteToChild([](TChildForm &c) { c.EditPosition(); }, false, true); });
    DeletePosBut = new QAction(drawnIcon(QStringLiteral("delete")), QStringLiteral("Удалить"), this);
    connect(DeletePosBut, &QAction::triggered, this,
            [this] { RouteToChild([](TChildForm &c) { c.DeletePosition(); }, true, false); });

    RegistrateOrderBut = new QAction(drawnIcon(QStringLiteral("check")), QStringLiteral("Регистрация"), this);
    OpenRegOrderBut = new QAction(drawnIcon(QStringLiteral("open")), QStringLiteral("Открыть"), this);
    DeleteRegOrderBut = new QAction(drawnIcon(QStringLiteral("delete")), QStringLiteral("Удалить"), this);
    MoveToArchiveBut = new QAction(drawnIcon(QStringLiteral("archive")), QStringLiteral("В архив"), this);
    connect(OpenRegOrderBut, &QAction::triggered, this, [this] {
        TChildForm *c = activeChild();
        if (c && c->kind() == TChildForm::Kind::Register)
            PostWindowMessage(c, UM_OPENREGORDER);
    });
}

void TMainForm::CreateMenus()
{
    FileMenu = new QMenu(QStringLiteral("&Файл"), this);
    FileMenu->addAction(OrderListItem);
    FileMenu->addSeparator();
    NewMenu = FileMenu->addMenu(QStringLiteral("&Новый"));
    NewMenu->menuAction()->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    NewMenu->addAction(NewOrderItem);
    NewMenu->addAction(NewSelectionItem);
    FileMenu->addAction(OpenItem);
    FileMenu->addAction(SaveItem);
    FileMenu->addAction(SaveAsItem);
    FileMenu->addAction(SaveAllItem);
    FileMenu->addAction(CloseItem);
    FileMenu->addAction(CloseAllItem);
    FileMenu->addSeparator();
    FileMenu->addAction(PrinterSetupItem);
    FileMenu->addAction(ReportDesignerItem);
    FileMenu->addSeparator();
    FileMenu->addAction(ExitItem);

    SettingsMenu = new QMenu(QStringLiteral("&Установки"), this);
    SettingsMenu->addAction(CurrencyRatesItem);
    SettingsMenu->addSeparator();
    SettingsMenu->addAction(FirmInfoItem);
    SettingsMenu->addAction(OptionsItem);
    SettingsMenu->addAction(FtpSetupItem);
    SettingsMenu->addSeparator();
    SettingsMenu->addAction(CatalogItem);
    SettingsMenu->addAction(PriceGroupItem);

    WindowMenu = new QMenu(QStringLiteral("&Окно"), this);
    connect(WindowMenu, &QMenu::aboutToShow, this, &TMainForm::FillWindowMenu);
    FillWindowMenu();

    HelpMenu = new QMenu(QStringLiteral("&Помощь"), this);
    HelpMenu->addAction(PresentationItem);
    HelpMenu->addSeparator();
    HelpMenu->addAction(DebugModeItem);
    HelpMenu->addSeparator();
    HelpMenu->addAction(AboutItem);
    HelpMenu->addSeparator();
    HelpMenu->addAction(NewsPanelItem);
    HelpMenu->addAction(PersonalPanelItem);
    HelpMenu->addAction(RequestNewsItem);
}

void TMainForm::FillWindowMenu()
{
    WindowMenu->clear();
    WindowMenu->addAction(CascadeItem);
    WindowMenu->addAction(TileItem);
    WindowMenu->addAction(ArrangeItem);
    WindowMenu->addAction(MinimizeAllItem);
    const QList<QMdiSubWindow *> list = MdiArea->subWindowList();
    if (!list.isEmpty())
        WindowMenu->addSeparator();
    int n = 0;
    for (QMdiSubWindow *w : list) {
        QAction *a = WindowMenu->addAction(QStringLiteral("&%1 %2").arg(++n).arg(w->windowTitle()));
        a->setCheckable(true);
        a->setChecked(w == MdiArea->activeSubWindow());
        connect(a, &QAction::triggered, this, [this, w] { MdiArea->setActiveSubWindow(w); });
    }
}

void TMainForm::CreateToolBars()
{
    MainToolBar = addToolBar(QStringLiteral("MainToolBar"));
    MainToolBar->setObjectName(QStringLiteral("MainToolBar"));
    MainToolBar->setMovable(false);
    MainToolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    auto button = [this](const QString &caption, const QString &icon) {
        auto *b = new QToolButton(MainToolBar);
        b->setText(caption);
        b->setIcon(drawnIcon(icon));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setAutoRaise(true);
        b->setMinimumSize(63, 36);
        MainToolBar->addWidget(b);
        return b;
    };
    OrderListBut = button(QStringLiteral("Реестр"), QStringLiteral("register"));
    connect(OrderListBut, &QToolButton::clicked, this, &TMainForm::ShowOrderList);
    NewBut = button(QStringLiteral("Новый"), QStringLiteral("new"));
    NewBut->setProperty("tag", -1);
    NewBut->setPopupMode(QToolButton::MenuButtonPopup);
    auto *newPopup = new QMenu(NewBut);
    connect(newPopup, &QMenu::aboutToShow, this, [this, newPopup] {
        newPopup->clear();
        newPopup->addAction(QStringLiteral("Заказ"), this, [this] { NewOrder(); });
        newPopup->addAction(QStringLiteral("Выборка"), this, &TMainForm::NewSelection);
    });
    NewBut->setMenu(newPopup);
    connect(NewBut, &QToolButton::clicked, this, [this] {
        TChildForm *c = activeChild();
        if (c && c->kind() == TChildForm::Kind::Selection)
            NewSelection();
        else
            NewOrder();
    });
    OpenBut = button(QStringLiteral("Открыть"), QStringLiteral("open"));
    OpenBut->setProperty("tag", -2);
    OpenBut->setPopupMode(QToolButton::MenuButtonPopup);
    auto *openPopup = new QMenu(OpenBut);
    connect(openPopup, &QMenu::aboutToShow, this, [this, openPopup] {
        openPopup->clear();
        openPopup->addAction(QStringLiteral("Заказ"), this, [this] { Open(1); });
        openPopup->addAction(QStringLiteral("Выборка"), this, [this] { Open(3); });
    });
    OpenBut->setMenu(openPopup);
    connect(OpenBut, &QToolButton::clicked, this, [this] { Open(0); });
    SaveBut = button(QStringLiteral("Сохранить "), QStringLiteral("save"));
    connect(SaveBut, &QToolButton::clicked, this, &TMainForm::Save);
    PrintBut = button(QStringLiteral("Печать"), QStringLiteral("print"));
    PrintBut->setProperty("tag", 0);
    connect(PrintBut, &QToolButton::clicked, this,
            [this] { RouteToChild([](TChildForm &c) { c.PrintDocument(); }, true, false); });

    OrderToolBar = addToolBar(QStringLiteral("OrderToolBar"));
    OrderToolBar->setObjectName(QStringLiteral("OrderToolBar"));
    OrderToolBar->setMovable(false);
    OrderToolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    OrderToolBar->addAction(OrderPropBut);
    OrderToolBar->addSeparator();
    OrderToolBar->addAction(NewPosBut);
    OrderToolBar->addAction(EditPosBut);
    OrderToolBar->addAction(DeletePosBut);

    OrderLstToolBar = addToolBar(QStringLiteral("OrderLstToolBar"));
    OrderLstToolBar->setObjectName(QStringLiteral("OrderLstToolBar"));
    OrderLstToolBar->setMovable(false);
    OrderLstToolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    OrderLstToolBar->addAction(RegistrateOrderBut);
    OrderLstToolBar->addSeparator();
    OrderLstToolBar->addAction(OpenRegOrderBut);
    OrderLstToolBar->addAction(DeleteRegOrderBut);
    OrderLstToolBar->addAction(MoveToArchiveBut);
    OrderLstToolBar->addSeparator();
    // The record navigator over the register table.
    const struct
    {
        const char *hint;
        QStyle::StandardPixmap icon;
        void (*go)(TDataTable &);
    } nav[] = {
        {"Первая", QStyle::SP_MediaSkipBackward, [](TDataTable &t) { t.first(); }},
        {"Предыдущая", QStyle::SP_MediaSeekBackward, [](TDataTable &t) { t.prior(); }},
        {"Следующая", QStyle::SP_MediaSeekForward, [](TDataTable &t) { t.next(); }},
        {"Последняя", QStyle::SP_MediaSkipForward, [](TDataTable &t) { t.last(); }},
        {"Редактировать", QStyle::SP_FileDialogDetailedView, nullptr},
        {"Записать изменения", QStyle::SP_DialogApplyButton, nullptr},
        {"Отменить изменения", QStyle::SP_DialogCancelButton, nullptr},
        {"Обновить данные", QStyle::SP_BrowserReload, [](TDataTable &t) { t.refresh(); }},
    };
    for (const auto &n : nav) {
        QAction *a = OrderLstToolBar->addAction(style()->standardIcon(n.icon), QString());
        a->setToolTip(QString::fromUtf8(n.hint));
        a->setStatusTip(QString::fromUtf8(n.hint));
        if (auto go = n.go)
            connect(a, &QAction::triggered, this, [go] {
                TDM *dm = TDM::instance();
                if (dm && dm->T_OrderList.isActive())
                    go(dm->T_OrderList);
            });
        else
            a->setEnabled(false);
    }

    PersonalInfoBar = addToolBar(QStringLiteral("UserPersonalInfoPanel"));
    PersonalInfoBar->setObjectName(QStringLiteral("UserPersonalInfoPanel"));
    PersonalInfoBar->setMovable(false);
    PersonalInfoBar->hide();
    connect(PersonalPanelItem, &QAction::toggled, PersonalInfoBar, &QWidget::setVisible);
    OrderToolBar->hide();
    OrderLstToolBar->hide();
}

void TMainForm::MergeMenus(TChildForm *child)
{
    // The bar reads: the frame's file menu, the child's menus, then the frame's others.
    QMenuBar *bar = menuBar();
    bar->clear();
    bar->addMenu(FileMenu);
    if (child)
        for (QMenu *m : child->childMenus())
            bar->addMenu(m);
    bar->addMenu(SettingsMenu);
    bar->addMenu(WindowMenu);
    bar->addMenu(HelpMenu);
}

QList<TChildForm *> TMainForm::children() const
{
    QList<TChildForm *> out;
    for (QMdiSubWindow *w : MdiArea->subWindowList(QMdiArea::CreationOrder))
        if (auto *c = qobject_cast<TChildForm *>(w->widget()))
            out << c;
    return out;
}

TChildForm *TMainForm::activeChild() const
{
    QMdiSubWindow *w = MdiArea->activeSubWindow();
    return w ? qobject_cast<TChildForm *>(w->widget()) : nullptr;
}

QMdiSubWindow *TMainForm::addChild(TChildForm *child)
{
    const bool only = MdiArea->subWindowList().isEmpty();
    QMdiSubWindow *w = MdiArea->addSubWindow(child);
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->setWindowTitle(child->windowTitle());
    w->resize(qMax(480, MdiArea->viewport()->width()), qMax(320, MdiArea->viewport()->height()));
    w->move(0, 0);
    connect(w, &QObject::destroyed, this, [this] {
        // The last child gone: the frame's own state again.
        if (!m_destroying && !activeChild())
            ChildActivated(nullptr);
    });
    const int state = only && kvfSetup() ? kvfSetup()->VoderivarOrderWinState : 0;
    if (state == 2)
        w->showMaximized();
    else if (state == 1)
        w->showMinimized();
    else
        w->show();
    MdiArea->setActiveSubWindow(w);
    UpdateCommands();
    return w;
}

void TMainForm::ChildActivated(QMdiSubWindow *window)
{
    TChildForm *child = window ? qobject_cast<TChildForm *>(window->widget()) : nullptr;
    if (!window && !MdiArea->subWindowList().isEmpty())
        return; // the frame itself got the focus: the last child stays in charge
    MergeMenus(child);
    if (child) {
        child->Activated();
    } else {
        HideChildToolBars();
        pricingContext() = PricingContext();
        displayFormats().CurrencyString = QStringLiteral(" ");
    }
    UpdateCommands();
    Q_EMIT activeChildChanged(child);
}

void TMainForm::ShowOrderToolBar()
{
    OrderToolBar->show();
    OrderLstToolBar->hide();
}

void TMainForm::ShowRegisterToolBar()
{
    OrderLstToolBar->show();
    OrderToolBar->hide();
}

void TMainForm::HideChildToolBars()
{
    OrderToolBar->hide();
    OrderLstToolBar->hide();
}

void TMainForm::UpdateCommands()
{
    const bool any = !MdiArea->subWindowList().isEmpty();
    CloseItem->setEnabled(any);
    CloseAllItem->setEnabled(any);
    NewBut->setEnabled(NewMenu->menuAction()->isEnabled());
    OpenBut->setEnabled(OpenItem->isEnabled());
    if (TChildForm *c = activeChild()) {
        c->UpdateCommands();
    } else {
        SaveItem->setEnabled(false);
        SaveAsItem->setEnabled(false);
        SaveAllItem->setEnabled(false);
        SaveBut->setEnabled(false);
        PrintBut->setEnabled(false);
        HideChildToolBars();
    }
    ReportDesignerItem->setVisible(DeveloperMode);
    CatalogItem->setVisible(DeveloperMode);
    FtpSetupItem->setVisible(DeveloperMode);
}

void TMainForm::setStatusText(int panel, const QString &text)
{
    if (panel >= 0 && panel < 4)
        StatusPanels[panel]->setText(text);
}

QString TMainForm::statusText(int panel) const
{
    return panel >= 0 && panel < 4 ? StatusPanels[panel]->text() : QString();
}

bool TMainForm::RunFileDialog(FileDialogSetup &setup)
{
    setup.selected.clear();
    return fileDialogRunner && fileDialogRunner(setup);
}

void TMainForm::RouteToChild(const std::function<void(TChildForm &)> &action, bool orderAndSelection, bool orderOnly)
{
    TChildForm *c = activeChild();
    if (!c)
        return;
    const bool fits = c->kind() == TChildForm::Kind::Order
                      || (orderAndSelection && !orderOnly && c->kind() == TChildForm::Kind::Selection);
    if (fits)
        action(*c);
}

// ------------------------------------------------------------ documents

TOrderForm *TMainForm::NewOrder()
{
    WaitCursor wait;
    auto *form = new TOrderForm(*this);
    addChild(form);
    PostWindowMessage(form, UM_ORDERPROPS);
    return form;
}

void TMainForm::NewSelection()
{
    TChildForm *source = nullptr;
    TChildForm *c = activeChild();
    if (c && c->kind() == TChildForm::Kind::Register
        && AskOkCancel(QStringLiteral("Создать выборку на основании выделенных заказов?")))
        source = c;
    const auto &create = windowHooks().CreateOrderSelectionForm;
    if (!create)
        return;
    WaitCursor wait;
    if (TChildForm *form = create(*this, source)) {
        addChild(form);
        PostWindowMessage(form, UM_ORDERPROPS);
    }
}

void TMainForm::ShowOrderList()
{
    for (TChildForm *c : children())
        if (c->kind() == TChildForm::Kind::Register) {
            if (auto *w = qobject_cast<QMdiSubWindow *>(c->parentWidget())) {
                MdiArea->setActiveSubWindow(w);
                w->raise();
            }
            return;
        }
    PostWindowMessage(this, UM_OPENORDERLIST);
}

void TMainForm::Open(int filterIndex)
{
    FileDialogSetup &s = m_openSetup;
    s.title = QStringLiteral("Открыть...");
    s.defaultSuffix = QStringLiteral("kfo370");
    s.filter = QStringLiteral("Заказ 370 (*.kfo370)|*.kfo370|Заказ 317 (*.kfo)|*.kfo|Выборка (*.kfs370)|*.kfs370");
    s.multiSelect = true;
    s.save = false;
    s.fileName.clear();
    if (filterIndex == 0) {
        TChildForm *c = activeChild();
        filterIndex = c && c->kind() == TChildForm::Kind::Selection ? 3 : 1;
    }
    s.filterIndex = filterIndex;
    s.directory = filterIndex == 3 ? SelectionDir : OrdersDir;
    if (!RunFileDialog(s))
        return;
    WaitCursor wait;
    for (const QString &file : s.selected) {
        TChildForm *form = nullptr;
        if (s.filterIndex == 1)
            form = new TOrderForm(*this);
        else if (s.filterIndex == 3 && windowHooks().CreateOrderSelectionForm)
            form = windowHooks().CreateOrderSelectionForm(*this, nullptr);
        if (!form)
            continue; // older order files open no window
        addChild(form);
        form->LoadDocument(file);
    }
}

bool TMainForm::SaveChild(TChildForm *child)
{
    if (!child || (child->kind() != TChildForm::Kind::Order && child->kind() != TChildForm::Kind::Selection))
        return false;
    WaitCursor wait;
    return child->SaveDocument(QString());
}

bool TMainForm::SaveChildAs(TChildForm *child)
{
    if (!child || (child->kind() != TChildForm::Kind::Order && child->kind() != TChildForm::Kind::Selection))
        return false;
    FileDialogSetup s;
    s.save = true;
    s.fileName = child->IsNewDocument() ? child->GetDefaultFileName() : child->FileName();
    s.filterIndex = 1;
    if (child->kind() == TChildForm::Kind::Order) {
        s.defaultSuffix = QStringLiteral("kfo370");
        s.filter = QStringLiteral("Заказ (*.kfo370)|*.kfo370|Все файлы (*.*)|*.*");
        s.title = QStringLiteral("Сохранить заказ...");
        s.directory = OrdersDir;
    } else {
        s.defaultSuffix = QStringLiteral("kfs370");
        s.filter = QStringLiteral("Выборка (*.kfs370)|*.kfs370|Все файлы (*.*)|*.*");
        s.title = QStringLiteral("Сохранить выборку...");
        s.directory = SelectionDir;
    }
    if (!RunFileDialog(s))
        return false;
    QString name = s.selected.first();
    // A name typed without extension gets the one of the filter.
    if (QFileInfo(name).suffix().isEmpty() && s.filterIndex == 1)
        name += QLatin1Char('.') + s.defaultSuffix;
    WaitCursor wait;
    return child->SaveDocument(name);
}

void TMainForm::Save()
{
    TChildForm *c = activeChild();
    if (!c || c->kind() == TChildForm::Kind::Register)
        return;
    if (c->IsNewDocument())
        SaveChildAs(c);
    else
        SaveChild(c);
}

void TMainForm::SaveAs()
{
    TChildForm *c = activeChild();
    if (c && c->kind() != TChildForm::Kind::Register)
        SaveChildAs(c);
}

void TMainForm::SaveAll()
{
    const QList<TChildForm *> list = children();
    for (auto it = list.rbegin(); it != list.rend(); ++it) {
        TChildForm *c = *it;
        if (c->kind() == TChildForm::Kind::Register)
            continue;
        if (c->IsNewDocument())
            SaveChildAs(c);
        else
            SaveChild(c);
    }
}

void TMainForm::CloseChild()
{
    if (QMdiSubWindow *w = MdiArea->activeSubWindow())
        w->close();
}

void TMainForm::CloseAll()
{
    const QList<QMdiSubWindow *> list = MdiArea->subWindowList(QMdiArea::CreationOrder);
    for (auto it = list.rbegin(); it != list.rend(); ++it)
        (*it)->close();
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    // Every child is asked, the last first, even after one has refused.
    bool refused = false;
    const QList<QMdiSubWindow *> list = MdiArea->subWindowList(QMdiArea::CreationOrder);
    for (auto it = list.rbegin(); it != list.rend(); ++it) {
        auto *child = qobject_cast<TChildForm *>((*it)->widget());
        if (!(*it)->close())
            refused = true;
        else if (child && child->Tag != 0)
            refused = true;
    }
    if (refused)
        event->ignore();
    else
        event->accept();
}

// ------------------------------------------------------------ messages and dialogs

bool TMainForm::event(QEvent *e)
{
    switch (int(e->type())) {
    case UM_OPENORDERLIST:
        if (const auto &create = windowHooks().CreateOrderListForm) {
            WaitCursor wait;
            if (TChildForm *form = create(*this))
                addChild(form);
        }
        return true;
    case UM_CURRENCYRATES:
        ShowCurrencyRates();
        return true;
    case UM_PRESENTATION:
        ShowPresentation();
        return true;
    case UM_CHECKNEWS:
    case UM_SHOWNEWSLIST:
    case UM_SHOWPERSONALLIST:
        return true;
    case QEvent::StatusTip:
        setStatusText(0, static_cast<QStatusTipEvent *>(e)->tip());
        return true;
    case QEvent::WindowActivate:
        if (!activeChild())
            HideChildToolBars();
        break;
    default:
        break;
    }
    return QMainWindow::event(e);
}

void TMainForm::ShowCurrencyRates()
{
    const auto &run = windowHooks().RunCurrencyDlg;
    if (!run)
        return;
    if (run(CurrencyRatesItem->text(), this) && kvfSetup() && kvfSetup()->AutoLoadCurrency)
        WriteLastCurrencyDate(QDate::currentDate());
}

void TMainForm::ShowPresentation()
{
    TPresentationZuviDlg dlg(this);
    modalRunner(dlg);
}

void TMainForm::ShowAbout()
{
    TAboutDlg dlg(this);
    modalRunner(dlg);
}

void TMainForm::PrinterSetup()
{
    QPrinter printer;
    QPageSetupDialog dlg(&printer, this);
    modalRunner(dlg);
}

void TMainForm::ShowOptions()
{
    if (TkvfSetup *s = kvfSetup()) {
        TOptionsDlg dlg(this);
        dlg.Execute(*s);
    }
}

// ------------------------------------------------------------ start-up

void TMainForm::OpenDatabases()
{
    TDM &dm = DM();
    dm.OpenDatabases(CatalogDir, RegistryDir, ReportDir);
    dm.OpenCatalogTables(); // reports each table that fails itself
}

void TMainForm::StartUpSequence()
{
    OpenDatabases();

    TkvfSetup *setup = kvfSetup();
    setWindowState(stateFromSetting(setup ? setup->VoderivarMainWinState : 0));
    update();

    if (setup && setup->AutoOpenReg)
        PostWindowMessage(this, UM_OPENORDERLIST);
    if (PresentationEnabled)
        PostWindowMessage(this, UM_PRESENTATION);
    if (setup && setup->AutoLoadCurrency && QDate::currentDate() > ReadLastCurrencyDate())
        PostWindowMessage(this, UM_CURRENCYRATES);
    PostWindowMessage(this, UM_CHECKNEWS);
}

QString TMainForm::LastCurrencyFile()
{
    const QString dir = DataDir.isEmpty() ? QCoreApplication::applicationDirPath() : DataDir;
    return JoinPath(dir, QStringLiteral("Karvelo.lcu"));
}

QDate TMainForm::ReadLastCurrencyDate()
{
    const QDate yesterday = QDate::currentDate().addDays(-1);
    QFile f(LastCurrencyFile());
    if (!f.open(QIODevice::ReadOnly))
        return yesterday;
    const QByteArray bytes = f.read(8);
    if (bytes.size() != 8)
        return yesterday;
    const quint64 bits = qFromLittleEndian<quint64>(bytes.constData());
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    if (!std::isfinite(value) || std::fabs(value) > 2958465.0) // beyond 31.12.9999
        return yesterday;
    const QDate date = dateFromOle(value);
    return date.isValid() ? date : yesterday;
}

void TMainForm::WriteLastCurrencyDate(const QDate &date)
{
    const double value = toOleDate(date);
    quint64 bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    QByteArray bytes(8, '\0');
    qToLittleEndian(bits, bytes.data());
    QSaveFile f(LastCurrencyFile());
    if (f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size())
        f.commit(); // a failure is not reported
}

} // namespace kv
