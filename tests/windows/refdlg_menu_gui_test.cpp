// The reference dialogs as the main window opens them: the items of the
// "&Установки" menu and the currency-rates message.
#include "RefDlgTestSupport.h"
#include "WindowsFixture.h"
#include "support/QStringPrinter.h"
#include "windows/CatalogForm.h"
#include "windows/Currency.h"
#include "windows/FirmForm.h"
#include "windows/PriceGrp.h"
#include "windows/RefDialogs.h"

#include <QAction>
#include <QFile>
#include <QMdiArea>
#include <QPushButton>
#include <QTest>

using namespace kv;
using kvtest::ModalDriver;

namespace {

class RefDlgMenuTest : public ::testing::Test
{
protected:
    RefDlgMenuTest() { InstallReferenceDialogs(); }
    ~RefDlgMenuTest() override { windowHooks() = WindowHooks(); }

    // Triggers the item and returns the class of the dialog that opened;
    // the dialog is handled by act (closed when act leaves it open).
    QString open(QAction *item, std::function<void(QDialog *)> act = {})
    {
        QString kind;
        bool closed = false;
        ModalDriver driver([&](QWidget *w) {
            kind = QString::fromLatin1(w->metaObject()->className());
            auto *d = qobject_cast<QDialog *>(w);
            ASSERT_NE(d, nullptr);
            if (act)
                act(d);
            if (d->isVisible())
                d->reject();
            closed = true;
        });
        item->trigger();
        EXPECT_TRUE(QTest::qWaitFor([&] { return closed; }, 5000)) << "no dialog";
        return kind;
    }

    kvtest::WindowsFixture f;
};

} // namespace

TEST_F(RefDlgMenuTest, SettingsMenuItemsOpenTheirDialogs)
{
    TMainForm &main = f.mainForm();
    EXPECT_EQ(open(main.FirmInfoItem), QStringLiteral("kv::TFirmInfoDlg"));
    EXPECT_EQ(open(main.PriceGroupItem), QStringLiteral("kv::TPriceGroupDlg"));
    QRect placed;
    EXPECT_EQ(open(main.CatalogItem, [&](QDialog *d) { placed = QRect(d->pos(), d->size()); }),
              QStringLiteral("kv::TCatalogDlg"));
    QWidget *client = main.centralWidget();
    ASSERT_NE(client, nullptr);
    EXPECT_EQ(placed.size(), client->size() - QSize(100, 100));
    EXPECT_EQ(placed.topLeft(), client->mapToGlobal(QPoint(50, 50)));
}

TEST_F(RefDlgMenuTest, ConfirmedRatesAreRememberedForTheDayWhenOfferedDaily)
{
    TMainForm &main = f.mainForm();
    const QString lcu = TMainForm::LastCurrencyFile();
    struct Case
    {
        bool autoLoad;
        bool ok;
        bool written;
    };
    for (const Case k : {Case{true, false, false}, Case{false, true, false}, Case{true, true, true}}) {
        SCOPED_TRACE(testing::Message() << "AutoLoadCurrency " << k.autoLoad << ", OK " << k.ok);
        QFile::remove(lcu);
        f.setup->AutoLoadCurrency = k.autoLoad;
        QString title;
        EXPECT_EQ(open(main.CurrencyRatesItem,
                       [&](QDialog *d) {
                           title = d->windowTitle();
                           auto *rates = qobject_cast<TCurrencyDlg *>(d);
                           ASSERT_NE(rates, nullptr);
                           (k.ok ? rates->OkBut : rates->CancelBut)->click();
                       }),
                  QStringLiteral("kv::TCurrencyDlg"));
        EXPECT_EQ(title, main.CurrencyRatesItem->text()) << "the menu item's caption";
        EXPECT_TRUE(title.startsWith(QStringLiteral("Курсы валют на ")));
        EXPECT_EQ(QFile::exists(lcu), k.written);
    }
    EXPECT_EQ(TMainForm::ReadLastCurrencyDate(), QDate::currentDate()) << "no rates prompt again today";
}
