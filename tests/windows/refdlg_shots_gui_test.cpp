// Pictures of the reference dialogs on a shop's catalogue, for looking at
// them (KARVELO_SHOT_DIR); each also checks that the dialog shows the data.
#include "RefDlgTestSupport.h"
#include "core/DataEditor.h"
#include "windows/CatalogForm.h"
#include "windows/Currency.h"
#include "windows/DBGrid.h"
#include "windows/FirmForm.h"
#include "windows/PriceGrp.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

using namespace kv;
using namespace kvtest;

TEST(RefDlgShots, Currency)
{
    ShopCatalog c;
    TCurrencyDlg d(nullptr, QStringLiteral("Курсы валют на 05.03.2024"));
    d.show();
    QApplication::processEvents();
    EXPECT_EQ(d.Grid->model()->rowCount(), 3);
    saveShot(&d, QStringLiteral("currency"));
    d.Grid->selectionModel()->setCurrentIndex(d.Grid->model()->index(1, 1), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    d.Grid->edit(d.Grid->currentIndex());
    QApplication::processEvents();
    saveShot(&d, QStringLiteral("currency-editing"));
    d.Grid->cancelPending();
    d.reject();
}

TEST(RefDlgShots, PriceGroups)
{
    ShopCatalog c;
    DetachedSetup s;
    TPriceGroupDlg d;
    d.show();
    QApplication::processEvents();
    EXPECT_EQ(d.Grid->model()->rowCount(), 4);
    saveShot(&d, QStringLiteral("pricegroups"));
    d.Grid->setFocus();
    QTest::keyClick(d.Grid, Qt::Key_C, Qt::ControlModifier);
    d.Grid->selectionModel()->setCurrentIndex(d.Grid->model()->index(2, 1), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    QTest::keyClick(d.Grid, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(d.Grid->model()->rowCount(), 5);
    saveShot(&d, QStringLiteral("pricegroups-pasted"));
    d.Grid->cancelPending();
    d.accept();
}

TEST(RefDlgShots, FirmInfo)
{
    DetachedSetup s;
    const QString logo = QDir(scratchDir()).filePath(QStringLiteral("logo.bmp"));
    QImage img(300, 120, QImage::Format_RGB32);
    img.fill(Qt::white);
    {
        QPainter p(&img);
        p.setBrush(QColor(0x1f, 0x4e, 0x8c));
        p.drawRect(10, 10, 100, 100);
        p.setPen(QColor(0x1f, 0x4e, 0x8c));
        QFont f = p.font();
        f.setPixelSize(40);
        f.setBold(true);
        p.setFont(f);
        p.drawText(QRect(120, 10, 180, 100), Qt::AlignCenter, QStringLiteral("ОКНА"));
    }
    ASSERT_TRUE(img.save(logo));
    TFirmInfo &f = s.setup.Firm;
    f.Name = QStringLiteral("ООО \"Светлый дом\"");
    f.Logo = logo;
    f.Address = QStringLiteral("г. Тверь, ул. Заводская, д. 12");
    f.JustAddress = QStringLiteral("170001, г. Тверь, пр. Калинина, д. 3, оф. 14");
    f.ZipCode = QStringLiteral("4822");
    f.Phone1 = QStringLiteral("55-12-40");
    f.Phone2 = QStringLiteral("55-12-41");
    f.Fax = QStringLiteral("55-12-49");
    f.EMail = QStringLiteral("zakaz@svetly-dom.example");
    f.Internet = QStringLiteral("www.svetly-dom.example");
    f.INN = QStringLiteral("6950123456");
    f.Account = QStringLiteral("40702810900000012345");
    f.Director = QStringLiteral("Петров И. С.");
    f.BookKeeper = QStringLiteral("Смирнова А. В.");
    TFirmInfoDlg d;
    ModalDriver driver([](QWidget *w) {
        saveShot(w, QStringLiteral("firminfo"));
        static_cast<QDialog *>(w)->reject();
    });
    EXPECT_FALSE(d.Execute(s.setup));
    EXPECT_TRUE(driver.ran());
    EXPECT_FALSE(d.LogoImage->pixmap().isNull());
}

TEST(RefDlgShots, Catalog)
{
    ShopCatalog c;
    QWidget client;
    client.resize(1100, 560);
    TCatalogDlg d;
    d.PlaceOver(&client);
    d.show();
    QApplication::processEvents();
    EXPECT_EQ(d.Grid->model()->rowCount(), 12);
    saveShot(&d, QStringLiteral("catalog"));
    d.Grid->horizontalScrollBar()->setValue(d.Grid->horizontalScrollBar()->maximum());
    QApplication::processEvents();
    saveShot(&d, QStringLiteral("catalog-scrolled"));
    d.Grid->selectionModel()->setCurrentIndex(d.Grid->model()->index(3, 5), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    d.Grid->edit(d.Grid->currentIndex());
    QApplication::processEvents();
    saveShot(&d, QStringLiteral("catalog-currency-dropdown"));
    d.Grid->cancelPending();

    ModalDriver driver([](QWidget *w) {
        QTest::qWait(200);
        saveShot(w, QStringLiteral("catalog-preview"));
        static_cast<QDialog *>(w)->reject();
    });
    d.PrintBut->click();
    EXPECT_TRUE(driver.ran());
    d.accept();
}
