#include "Options.h"

#include "core/Setup.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace kv {

namespace {
QCheckBox *check(QWidget *parent, const char *name, const QString &caption)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}
} // namespace

TOptionsDlg::TOptionsDlg(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("OptionsDlg"));
    setWindowTitle(QStringLiteral("Параметры"));

    GeneralGroup = new QGroupBox(QStringLiteral("Общие"), this);
    AlertIfNotFullCheck = check(GeneralGroup, "AlertIfNotFullCheck",
                                QStringLiteral("Выдавать сообщение при расчете неполного заказа"));
    AutoLoadCurrencyCheck = check(GeneralGroup, "AutoLoadCurrencyCheck", QStringLiteral("Автозагрузка курсов валют"));
    auto *general = new QVBoxLayout(GeneralGroup);
    general->addWidget(AlertIfNotFullCheck);
    general->addWidget(AutoLoadCurrencyCheck);

    RegistryGroup = new QGroupBox(QStringLiteral("Реестр и файлы заказов"), this);
    AutoRegCheck = check(RegistryGroup, "AutoRegCheck",
                         QStringLiteral("Авторегистрация и обновление при сохранении заказа"));
    AutoOpenRegCheck = check(RegistryGroup, "AutoOpenRegCheck",
                             QStringLiteral("Автоматическая загрузка реестра при загрузке"));
    MoveToRecycledCheck = check(RegistryGroup, "MoveToRecycledCheck",
                                QStringLiteral("Перемещать удаленные из реестра заказы в мусорку"));
    auto *registry = new QVBoxLayout(RegistryGroup);
    registry->addWidget(AutoRegCheck);
    registry->addWidget(AutoOpenRegCheck);
    registry->addWidget(MoveToRecycledCheck);

    OKBut = new QPushButton(QStringLiteral("&OK"), this);
    OKBut->setObjectName(QStringLiteral("OKBut"));
    OKBut->setDefault(true);
    CancelBut = new QPushButton(QStringLiteral("&Cancel"), this);
    CancelBut->setObjectName(QStringLiteral("CancelBut"));
    connect(OKBut, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBut, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBut);
    buttons->addWidget(CancelBut);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(GeneralGroup);
    layout->addWidget(RegistryGroup);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool TOptionsDlg::Execute(TkvfSetup &setup)
{
    AlertIfNotFullCheck->setChecked(setup.AlertIfNotFull);
    AutoLoadCurrencyCheck->setChecked(setup.AutoLoadCurrency);
    AutoRegCheck->setChecked(setup.AutoReg);
    AutoOpenRegCheck->setChecked(setup.AutoOpenReg);
    MoveToRecycledCheck->setChecked(setup.MoveToRecycled);
    // Centred on the screen, not over the owner.
    adjustSize();
    if (QScreen *screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    if (exec() != QDialog::Accepted)
        return false;
    setup.AlertIfNotFull = AlertIfNotFullCheck->isChecked();
    setup.AutoLoadCurrency = AutoLoadCurrencyCheck->isChecked();
    setup.AutoReg = AutoRegCheck->isChecked();
    setup.AutoOpenReg = AutoOpenRegCheck->isChecked();
    setup.MoveToRecycled = MoveToRecycledCheck->isChecked();
    return true;
}

bool TOptionsDlg::Execute()
{
    TkvfSetup *setup = kvfSetup();
    return setup && Execute(*setup);
}

} // namespace kv
