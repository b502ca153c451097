#include "PriceGrp.h"

#include "DBGrid.h"
#include "core/Data.h"
#include "core/RecClipBoard.h"
#include "core/Setup.h"
#include "tools/Errors.h"
#include "tools/Messages.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kv {

TPriceGroupDlg::TPriceGroupDlg(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("PriceGroupDlg"));
    setWindowTitle(QStringLiteral("Справочник ценновых групп (скидки)"));

    PageControl = new QTabWidget(this);
    PageControl->setObjectName(QStringLiteral("PageControl"));

    GroupsPage = new QWidget;
    GroupsPage->setObjectName(QStringLiteral("GroupsPage"));
    TDM &dm = DM();
    Grid = new TDBGrid(dm.T_PriceGrp,
                       {TDBGridColumn{QStringLiteral("GroupID"), QStringLiteral("Код группы"), 10},
                        TDBGridColumn{QStringLiteral("Name"), QStringLiteral("Наименование"), 24},
                        TDBGridColumn{QStringLiteral("Reduce_1"), QStringLiteral("Скидка, %"), 10}},
                       GroupsPage);
    Grid->setObjectName(QStringLiteral("PriceGroupGrid"));
    Grid->setClipboardHandlers([this] { CopyRecords(); }, [this] { PasteRecords(); });
    int width = Grid->verticalHeader()->width() + 2 * Grid->frameWidth() + Grid->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < 3; ++c)
        width += Grid->columnWidth(c);
    Grid->setMinimumSize(width, Grid->verticalHeader()->defaultSectionSize() * 12);

    Navigator = new TDBNavigator(GroupsPage);
    Navigator->setObjectName(QStringLiteral("Navigator"));
    Navigator->setVisibleButtons({TDBNavigator::First, TDBNavigator::Prior, TDBNavigator::Next, TDBNavigator::Last,
                                  TDBNavigator::Insert, TDBNavigator::Edit, TDBNavigator::Post,
                                  TDBNavigator::Cancel, TDBNavigator::Refresh});
    Navigator->setHints({QStringLiteral("Первая"), QStringLiteral("Предыдущая"), QStringLiteral("Следующая"),
                         QStringLiteral("Последняя"), QStringLiteral("Новая"), QStringLiteral("Удалить"),
                         QStringLiteral("Редактировать"), QStringLiteral("Записать изменения"),
                         QStringLiteral("Отказаться от изменений"), QStringLiteral("Обновить экран")});
    Navigator->setConfirmDelete(false);
    Navigator->setGrid(Grid);

    auto *groups = new QVBoxLayout(GroupsPage);
    auto *navRow = new QHBoxLayout;
    navRow->addWidget(Navigator);
    navRow->addStretch();
    groups->addLayout(navRow);
    groups->addWidget(Grid);

    // The captions of the ten discount columns, as the settings name them.
    NamesPage = new QWidget;
    NamesPage->setObjectName(QStringLiteral("NamesPage"));
    NamesGrid = new QTableWidget(11, 2, NamesPage);
    NamesGrid->setObjectName(QStringLiteral("NamesGrid"));
    NamesGrid->horizontalHeader()->hide();
    NamesGrid->verticalHeader()->hide();
    NamesGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    NamesGrid->setItem(0, 0, new QTableWidgetItem(QStringLiteral("№")));
    NamesGrid->setItem(0, 1, new QTableWidgetItem(QStringLiteral("Наименование")));
    const TkvfSetup *setup = kvfSetup();
    for (int i = 1; i <= 10; ++i) {
        NamesGrid->setItem(i, 0, new QTableWidgetItem(QString::number(i)));
        NamesGrid->setItem(i, 1, new QTableWidgetItem(setup ? setup->PriceGroupNames.value(i - 1) : QString()));
    }
    auto *names = new QVBoxLayout(NamesPage);
    names->addWidget(NamesGrid);

    PageControl->addTab(GroupsPage, QStringLiteral("Группы скидок"));
    PageControl->addTab(NamesPage, QStringLiteral("Наименования"));
    PageControl->setTabVisible(1, false);

    OkBut = new QPushButton(QStringLiteral("&OK"), this);
    OkBut->setObjectName(QStringLiteral("OkBut"));
    connect(OkBut, &QPushButton::clicked, this, &QDialog::accept);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OkBut);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(PageControl);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TPriceGroupDlg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    PageControl->setCurrentIndex(0);
    if (QScreen *screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    Grid->setFocus(Qt::OtherFocusReason);
}

void TPriceGroupDlg::CopyRecords()
{
    // A row still being entered is written first, so it is what gets copied.
    if (!Grid->postPending())
        return;
    RecClipBoard().CopyRecords(&DM().T_PriceGrp, {}, false, {}, {}, {}, Grid->rowSelection());
}

void TPriceGroupDlg::PasteRecords()
{
    try {
        RecClipBoard().PasteRecords(&DM().T_PriceGrp);
    } catch (const Error &e) {
        ShowErrorBox(e.text());
    }
}

void TPriceGroupDlg::done(int result)
{
    if (!Grid->postPending())
        return;
    QDialog::done(result);
}

void ShowPriceGroupDlg(QWidget *parent)
{
    TPriceGroupDlg dlg(parent);
    dlg.exec();
}

} // namespace kv
