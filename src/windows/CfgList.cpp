#include "CfgList.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kv {

TConfigListDlg::TConfigListDlg(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("ConfigListDlg"));
    setWindowTitle(QStringLiteral("Конфигурация"));

    Label1 = new QLabel(QStringLiteral("Конфигурация"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    ConfigCombo = new QComboBox(this);
    ConfigCombo->setObjectName(QStringLiteral("ConfigCombo"));
    ConfigCombo->setEditable(false);
    ConfigCombo->setMaxVisibleItems(15);
    ConfigCombo->setMinimumWidth(260);
    Label1->setBuddy(ConfigCombo);

    OkBut = new QPushButton(QStringLiteral("OK"), this);
    OkBut->setObjectName(QStringLiteral("OkBut"));
    OkBut->setDefault(true);
    CancelBut = new QPushButton(QStringLiteral("Cancel"), this);
    CancelBut->setObjectName(QStringLiteral("CancelBut"));
    connect(OkBut, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBut, &QPushButton::clicked, this, &QDialog::reject); // Esc rejects as well

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OkBut);
    buttons->addWidget(CancelBut);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(ConfigCombo);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

std::optional<QString> TConfigListChooser::choose(const QStringList &names, int selected)
{
    TConfigListDlg dlg;
    dlg.ConfigCombo->clear();
    dlg.ConfigCombo->addItems(names);
    dlg.ConfigCombo->setCurrentIndex(selected);
    if (dlg.exec() != QDialog::Accepted)
        return std::nullopt;
    return dlg.ConfigCombo->currentText();
}

} // namespace kv
