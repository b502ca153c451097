#include "Currency.h"

#include "DBGrid.h"
#include "core/Data.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

namespace kv {

TCurrencyDlg::TCurrencyDlg(QWidget *parent, const QString &caption)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("CurrencyDlg"));
    setWindowTitle(caption.isEmpty() ? QStringLiteral("Курсы валют") : caption);

    TDM &dm = DM();
    Grid = new TDBGrid(dm.T_Currency,
                       {TDBGridColumn{QStringLiteral("Name"), QStringLiteral("Валюта"), 12, true},
                        TDBGridColumn{QStringLiteral("Value"), QStringLiteral("Курс"), 15}},
                       this);
    Grid->setObjectName(QStringLiteral("CurrencyGrid"));
    Grid->setFixedColumns(1);
    // Rates only: currencies are neither added nor removed here.
    Grid->setAllowInsert(false);
    Grid->setAllowDelete(false);
    Grid->horizontalHeader()->setStretchLastSection(true);
    int width = Grid->verticalHeader()->width() + 2 * Grid->frameWidth() + Grid->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < 2; ++c)
        width += Grid->columnWidth(c);
    Grid->setFixedSize(width, Grid->verticalHeader()->defaultSectionSize() * 8 + Grid->horizontalHeader()->sizeHint().height()
                                  + 2 * Grid->frameWidth());

    OkBut = new QPushButton(QStringLiteral("OK"), this);
    OkBut->setObjectName(QStringLiteral("OkBut"));
    OkBut->setDefault(true);
    CancelBut = new QPushButton(QStringLiteral("Cancel"), this);
    CancelBut->setObjectName(QStringLiteral("CancelBut"));
    connect(OkBut, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBut, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OkBut);
    buttons->addWidget(CancelBut);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Grid);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TCurrencyDlg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (QScreen *screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    Grid->setFocus(Qt::OtherFocusReason);
}

void TCurrencyDlg::done(int result)
{
    if (!Grid->postPending())
        return;
    QDialog::done(result);
}

bool ShowCurrencyDlg(QWidget *parent, const QString &caption)
{
    TCurrencyDlg dlg(parent, caption);
    return dlg.exec() == QDialog::Accepted;
}

} // namespace kv
