#include "FirmForm.h"

#include "core/Setup.h"
#include "tools/Messages.h"

#include <QFileDialog>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

namespace kv {

namespace {

QLineEdit *edit(QWidget *parent, const char *name, int maxWidth = 0)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    if (maxWidth > 0)
        e->setMaximumWidth(maxWidth);
    return e;
}

constexpr int LogoWidth = 150;
constexpr int LogoHeight = 90;

} // namespace

TFirmInfoDlg::TFirmInfoDlg(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("FirmInfoDlg"));
    setWindowTitle(QStringLiteral("Реквизиты фирмы"));

    const int shortWidth = fontMetrics().horizontalAdvance(QLatin1Char('0')) * 14;
    NameEdit = edit(this, "NameEdit");
    LogoEdit = edit(this, "LogoEdit");
    AddressEdit = edit(this, "AddressEdit");
    JustAddressEdit = edit(this, "JustAddressEdit");
    ZipCodeEdit = edit(this, "ZipCodeEdit", shortWidth);
    Phone1Edit = edit(this, "Phone1Edit");
    Phone2Edit = edit(this, "Phone2Edit");
    Phone3Edit = edit(this, "Phone3Edit");
    FaxEdit = edit(this, "FaxEdit");
    EMailEdit = edit(this, "EMailEdit");
    InternetEdit = edit(this, "InternetEdit");
    INNEdit = edit(this, "INNEdit");
    AccountEdit = edit(this, "AccountEdit");
    DirectorEdit = edit(this, "DirectorEdit");
    BookKeeperEdit = edit(this, "BookKeeperEdit");

    LogoBrowseBut = new QToolButton(this);
    LogoBrowseBut->setObjectName(QStringLiteral("LogoBrowseBut"));
    LogoBrowseBut->setText(QStringLiteral("..."));
    connect(LogoBrowseBut, &QToolButton::clicked, this, &TFirmInfoDlg::BrowseLogo);

    LogoImage = new QLabel(this);
    LogoImage->setObjectName(QStringLiteral("LogoImage"));
    LogoImage->setFixedSize(LogoWidth, LogoHeight);
    LogoImage->setAlignment(Qt::AlignCenter);
    LogoImage->setFrameShape(QFrame::StyledPanel);
    LogoImage->setFrameShadow(QFrame::Sunken);

    auto *grid = new QGridLayout;
    grid->setColumnStretch(1, 1);
    int row = 0;
    auto addRow = [&](const QString &caption, QWidget *field, QWidget *buddy) {
        auto *label = new QLabel(caption, this);
        label->setBuddy(buddy);
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row, 1);
        ++row;
    };
    auto wrap = [this](std::initializer_list<QWidget *> widgets, bool stretch) {
        auto *w = new QWidget(this);
        auto *h = new QHBoxLayout(w);
        h->setContentsMargins(0, 0, 0, 0);
        for (QWidget *x : widgets)
            h->addWidget(x);
        if (stretch)
            h->addStretch();
        return w;
    };

    addRow(QStringLiteral("Наименование (*)"), NameEdit, NameEdit);
    addRow(QStringLiteral("Логотип"), wrap({LogoEdit, LogoBrowseBut}, false), LogoEdit);
    addRow(QStringLiteral("Адрес"), AddressEdit, AddressEdit);
    addRow(QStringLiteral("Юридический адрес"), JustAddressEdit, JustAddressEdit);
    addRow(QStringLiteral("Код города"), wrap({ZipCodeEdit}, true), ZipCodeEdit);
    addRow(QStringLiteral("Телефон (*)"), wrap({Phone1Edit, Phone2Edit, Phone3Edit}, false), Phone1Edit);
    addRow(QStringLiteral("Факс"), FaxEdit, FaxEdit);
    addRow(QStringLiteral("E-Mail (*)"), EMailEdit, EMailEdit);
    addRow(QStringLiteral("Internet"), InternetEdit, InternetEdit);
    addRow(QStringLiteral("ИНН"), INNEdit, INNEdit);
    addRow(QStringLiteral("Счет"), AccountEdit, AccountEdit);
    addRow(QStringLiteral("Директор"), DirectorEdit, DirectorEdit);
    addRow(QStringLiteral("Гл. бухгалтер"), BookKeeperEdit, BookKeeperEdit);
    // The logo sits at the top right, beside the first rows.
    grid->addWidget(LogoImage, 0, 2, 4, 1, Qt::AlignTop | Qt::AlignRight);

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
    layout->addLayout(grid);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('0')) * 80);
}

void TFirmInfoDlg::LoadFields(const TFirmInfo &f)
{
    NameEdit->setText(f.Name);
    LogoEdit->setText(f.Logo);
    AddressEdit->setText(f.Address);
    JustAddressEdit->setText(f.JustAddress);
    ZipCodeEdit->setText(f.ZipCode);
    Phone1Edit->setText(f.Phone1);
    Phone2Edit->setText(f.Phone2);
    Phone3Edit->setText(f.Phone3);
    FaxEdit->setText(f.Fax);
    EMailEdit->setText(f.EMail);
    InternetEdit->setText(f.Internet);
    INNEdit->setText(f.INN);
    AccountEdit->setText(f.Account);
    DirectorEdit->setText(f.Director);
    BookKeeperEdit->setText(f.BookKeeper);
}

void TFirmInfoDlg::StoreFields(TFirmInfo &f) const
{
    f.Name = NameEdit->text();
    f.Logo = LogoEdit->text();
    f.Address = AddressEdit->text();
    f.JustAddress = JustAddressEdit->text();
    f.ZipCode = ZipCodeEdit->text();
    f.Phone1 = Phone1Edit->text();
    f.Phone2 = Phone2Edit->text();
    f.Phone3 = Phone3Edit->text();
    f.Fax = FaxEdit->text();
    f.EMail = EMailEdit->text();
    f.Internet = InternetEdit->text();
    f.INN = INNEdit->text();
    f.Account = AccountEdit->text();
    f.Director = DirectorEdit->text();
    f.BookKeeper = BookKeeperEdit->text();
}

void TFirmInfoDlg::ShowLogo()
{
    LogoImage->clear();
    const QString path = LogoEdit->text();
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return;
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull()) {
        ShowErrorBox(QStringLiteral("Неизвестный формат изображения:\r\n%1").arg(path));
        return;
    }
    LogoImage->setPixmap(QPixmap::fromImage(image).scaled(LogoImage->contentsRect().size(), Qt::KeepAspectRatio,
                                                          Qt::SmoothTransformation));
}

void TFirmInfoDlg::BrowseLogo()
{
    QFileDialog dlg(this);
    dlg.setObjectName(QStringLiteral("OpenLogoDlg"));
    dlg.setFileMode(QFileDialog::ExistingFile);
    dlg.setAcceptMode(QFileDialog::AcceptOpen);
    dlg.setNameFilters({QStringLiteral("Windows Bitmap Files (*.bmp)"), QStringLiteral("Windows Metafile (*.wmf)")});
    dlg.setDefaultSuffix(QStringLiteral("bmp"));
    const QFileInfo current(LogoEdit->text());
    if (!LogoEdit->text().isEmpty() && current.dir().exists())
        dlg.setDirectory(current.dir());
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return;
    LogoEdit->setText(dlg.selectedFiles().constFirst());
    ShowLogo();
}

void TFirmInfoDlg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (QScreen *screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

bool TFirmInfoDlg::Execute(TkvfSetup &setup)
{
    LoadFields(setup.Firm);
    ShowLogo();
    if (exec() != QDialog::Accepted)
        return false;
    StoreFields(setup.Firm);
    return true;
}

bool TFirmInfoDlg::Execute()
{
    TkvfSetup *setup = kvfSetup();
    return setup && Execute(*setup);
}

bool ShowFirmInfoDlg(QWidget *parent)
{
    TFirmInfoDlg dlg(parent);
    return dlg.Execute();
}

} // namespace kv
