// The order properties dialog: what it shows of an order, the lists and
// their filters, the rate list, the checks on OK and what OK writes into the
// order and into the defaults of new orders.
#include "windows/OrdProp.h"
#include "windows/DBLookupCombo.h"
#include "windows/LastOrderNo.h"
#include "windows/NumEdit.h"
#include "model/Order.h"
#include "tools/OleDate.h"
#include "support/QStringPrinter.h"
#include "WindowsFixture.h"
#include "WindowsTestSupport.h"

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

using namespace kv;
using Kind = RecordingMessageSink::Kind;

namespace {

QString u(const char *s) { return QString::fromUtf8(s); }

QStringList keysOf(const TDBLookupCombo *c)
{
    QStringList out;
    for (const auto &r : c->rows())
        out << r.first.toString();
    return out;
}

struct OrderProps : kvtest::WindowsFixture
{
    OrderProps()
    {
        order.OrderNo = QStringLiteral("Z-17");
        order.Customer = u("Иванов");
        order.ObjectName = u("Дача");
        order.OrderDate = toOleDate(QDate(2024, 3, 5));
        order.OrderDateSet = true;
        order.FurnSys = QStringLiteral("1101");
        order.ProfSys = QStringLiteral("P1");
        order.FurnColor = QStringLiteral("WH");
        order.Handle = QStringLiteral("H1");
        order.FalzType = 102;
        order.DornType = 201;
        order.StulpType = 301;
        order.OpenType = 402;
        order.Material = 2;
        order.NDSTax = 18;
        order.Currency = 2;
        order.Rates.add(1, 1.0f);
        order.Rates.add(2, 95.5f);
        order.Notes = QStringList{u("первая строка"), u("вторая")};
    }
    TkvfOrder order;
};

} // namespace

TEST(OrderPropDlg, OpeningShowsTheOrder)
{
    OrderProps f;
    TOrderPropDlg dlg;
    dlg.Open(f.order);
    EXPECT_EQ(dlg.windowTitle(), u("Заказ"));
    EXPECT_EQ(dlg.Pages->currentIndex(), 0);
    QStringList tabs;
    for (int i = 0; i < dlg.Pages->count(); ++i)
        tabs << dlg.Pages->tabText(i);
    EXPECT_EQ(tabs, (QStringList{u("Реквизиты"), u("Тех. данные"), u("Валюта"), u("Примечания")}));
    EXPECT_EQ(dlg.OrderNoEdit->text(), QStringLiteral("Z-17"));
    EXPECT_EQ(dlg.RegDateEdit->date(), QDate(2024, 3, 5));
    EXPECT_TRUE(dlg.RegDateCheck->isChecked());
    EXPECT_EQ(dlg.CustomerEdit->text(), u("Иванов"));
    EXPECT_EQ(dlg.FurnSysEdit->currentText(), u("Система А"));
    EXPECT_EQ(dlg.ProfSysEdit->currentText(), u("Планки 1100"));
    EXPECT_EQ(dlg.FurnColorEdit->currentText(), u("Белый"));
    EXPECT_EQ(dlg.HandleEdit->currentText(), u("Ручка своя"));
    EXPECT_EQ(dlg.FalzCombo->currentText(), u("Фальц 14"));
    EXPECT_EQ(dlg.OpenTypeCombo->currentText(), u("Поворотная"));
    EXPECT_EQ(dlg.MaterialEdit->currentText(), u("Дерево"));
    EXPECT_EQ(dlg.NDSTaxEdit->text(), QStringLiteral("18,00"));
    EXPECT_EQ(dlg.CurrencyCombo->currentText(), QStringLiteral("EUR"));
    ASSERT_EQ(dlg.ListView->topLevelItemCount(), 2);
    EXPECT_EQ(dlg.ListView->topLevelItem(1)->text(1), QStringLiteral("EUR"));
    EXPECT_EQ(dlg.ListView->topLevelItem(1)->text(2), QStringLiteral("95,5000"));
    EXPECT_EQ(dlg.Memo->toPlainText(), u("первая строка\nвторая"));
    EXPECT_EQ(dlg.RemEdit->maxLength(), 15);
    kvtest::saveShot(&dlg, QStringLiteral("order_properties"));
    dlg.Pages->setCurrentIndex(1);
    kvtest::saveShot(&dlg, QStringLiteral("order_properties_tech"));
    dlg.Pages->setCurrentIndex(2);
    kvtest::saveShot(&dlg, QStringLiteral("order_properties_currency"));
    EXPECT_TRUE(f.messages.isEmpty()) << f.messages.texts().join('|').toStdString();
}

TEST(OrderPropDlg, DropDownListsAreNarrowedToTheFittingsSystem)
{
    OrderProps f;
    TOrderPropDlg dlg;
    dlg.Open(f.order);
    dlg.FurnSysEdit->fill(true);
    EXPECT_EQ(keysOf(dlg.FurnSysEdit), (QStringList{"1101", "1301"})); // group 1 and in use
    dlg.ProfSysEdit->fill(true);
    EXPECT_EQ(keysOf(dlg.ProfSysEdit), (QStringList{"", "P1"})); // whole hundred of 1101; clearable
    dlg.FurnColorEdit->fill(true);
    EXPECT_EQ(keysOf(dlg.FurnColorEdit), (QStringList{"BR", "WH"}));
    dlg.HandleEdit->fill(true);
    EXPECT_EQ(keysOf(dlg.HandleEdit), (QStringList{"", "H1", "H2", "H5"}));
    // Another system: its own handles and colours; the current key stays visible.
    dlg.FurnSysEdit->setKey(QStringLiteral("1301"));
    dlg.FurnColorEdit->fill(true);
    EXPECT_EQ(keysOf(dlg.FurnColorEdit), (QStringList{"WH", "BR"}));
    dlg.HandleEdit->fill(true);
    EXPECT_EQ(keysOf(dlg.HandleEdit), (QStringList{"", "H1", "H2"}));
    // The shared tables are unfiltered again.
    for (TDataTable *t : {&f.dm->T_SysList, &f.dm->T_SysProf, &f.dm->T_SysColor, &f.dm->T_FrnComp})
        EXPECT_FALSE(t->isFiltered()) << t->name().toStdString();
    // A system the catalogue does not know: the handle list says so and stays unfiltered.
    dlg.FurnSysEdit->setKey(QStringLiteral("9999"));
    dlg.HandleEdit->fill(true);
    EXPECT_EQ(f.messages.texts(Kind::Error), QStringList{u("В БД отсутствуют данные для системы [9999]!")});
    EXPECT_EQ(dlg.HandleEdit->count(), 7);
}

TEST(OrderPropDlg, OkWritesTheOrderAndTheDefaultsOfNewOrders)
{
    OrderProps f;
    TOrderPropDlg dlg;
    dlg.Open(f.order);
    dlg.OrderNoEdit->setText(QStringLiteral("  Z-18 "));
    dlg.CustomerEdit->setText(u(" Петров "));
    dlg.RegDateCheck->setChecked(false);
    dlg.FurnSysEdit->setKey(QStringLiteral("1301"));
    dlg.HandleEdit->setKey(QString());
    dlg.DornCombo->setKey(QStringLiteral("202"));
    dlg.MaterialEdit->setKey(QStringLiteral("1"));
    dlg.Memo->setPlainText(u("одна"));
    EXPECT_FALSE(dlg.Apply(f.order)); // neither VAT nor currency changed
    EXPECT_EQ(f.order.OrderNo, QStringLiteral("Z-18"));
    EXPECT_EQ(f.order.Customer, u("Петров"));
    EXPECT_FALSE(f.order.OrderDateSet);
    EXPECT_EQ(f.order.FurnSys, QStringLiteral("1301"));
    EXPECT_EQ(f.order.Handle, QString());
    EXPECT_EQ(f.order.DornType, 202);
    EXPECT_EQ(f.order.Material, 1);
    EXPECT_EQ(f.order.Notes, QStringList{u("одна")});
    EXPECT_EQ(f.setup->DefFurnSys, QStringLiteral("1301"));
    EXPECT_EQ(f.setup->DefHandle, QString());
    EXPECT_EQ(f.setup->DefDornType, 202);
    EXPECT_EQ(f.setup->DefFlugelType, 402);
    EXPECT_EQ(f.setup->DefMaterial, 1);
    EXPECT_EQ(f.setup->CurCurrency, 2);
    EXPECT_DOUBLE_EQ(f.setup->NDSTax, 18.0);
}

TEST(OrderPropDlg, OnlyTheVatRateAndTheCurrencyCountAsPriceChanges)
{
    {
        OrderProps f; // a rate edited in the list changes no price setting
        TOrderPropDlg dlg;
        dlg.Open(f.order);
        dlg.EditRate(1);
        ASSERT_TRUE(dlg.RateEdit->isVisible() || !dlg.isVisible());
        dlg.RateEdit->setText(QStringLiteral("100,2500"));
        QTest::keyClick(dlg.RateEdit, Qt::Key_Return);
        EXPECT_EQ(dlg.ListView->topLevelItem(1)->text(2), QStringLiteral("100,2500"));
        // Esc keeps the old rate.
        dlg.EditRate(0);
        dlg.RateEdit->setText(QStringLiteral("7,0000"));
        QTest::keyClick(dlg.RateEdit, Qt::Key_Escape);
        EXPECT_EQ(dlg.ListView->topLevelItem(0)->text(2), QStringLiteral("1,0000"));
        EXPECT_FALSE(dlg.Apply(f.order));
        EXPECT_FLOAT_EQ(f.order.Rates.GetRate(2), 100.25f);
        EXPECT_FLOAT_EQ(f.order.Rates.GetRate(1), 1.0f);
    }
    {
        OrderProps f;
        TOrderPropDlg dlg;
        dlg.Open(f.order);
        dlg.CurrencyCombo->setCurrentIndex(0);
        EXPECT_TRUE(dlg.Apply(f.order));
        EXPECT_EQ(f.order.Currency, 1);
        EXPECT_EQ(f.setup->CurCurrency, 1);
    }
    {
        OrderProps f;
        TOrderPropDlg dlg;
        dlg.Open(f.order);
        dlg.NDSTaxEdit->setFloat(20);
        EXPECT_TRUE(dlg.Apply(f.order));
        EXPECT_FLOAT_EQ(f.order.NDSTax, 20.0f);
        EXPECT_DOUBLE_EQ(f.setup->NDSTax, 20.0);
    }
    {
        // Cancel: the order keeps its own rates whatever was edited.
        OrderProps f;
        TOrderPropDlg dlg;
        bool changed = true;
        kvtest::ModalDriver driver([&](QWidget *w) {
            auto *d = qobject_cast<TOrderPropDlg *>(w);
            d->SetCurrentRates();
            d->CancelBut->click();
        });
        EXPECT_FALSE(dlg.Run(f.order, changed));
        EXPECT_FALSE(changed);
        EXPECT_EQ(f.order.Rates.count(), 2);
        EXPECT_FLOAT_EQ(f.order.Rates.GetRate(2), 95.5f);
    }
}

TEST(OrderPropDlg, CurrentRatesComeFromTheCurrencyTable)
{
    OrderProps f;
    TOrderPropDlg dlg;
    dlg.Open(f.order);
    dlg.SetCurrentRates();
    ASSERT_EQ(dlg.workingRates().count(), 3);
    EXPECT_FLOAT_EQ(dlg.workingRates().GetRate(2), 90.0f);
    EXPECT_EQ(dlg.CurrencyCombo->currentText(), QStringLiteral("EUR"));
    EXPECT_EQ(dlg.ListView->topLevelItemCount(), 3);

    // The order's currency gone from the table: no currency is selected.
    f.dm->T_Currency.locate(QStringLiteral("ID"), 2);
    f.dm->T_Currency.deleteRecord();
    dlg.SetCurrentRates();
    EXPECT_EQ(dlg.CurrencyCombo->currentIndex(), -1);
    EXPECT_EQ(dlg.workingRates().count(), 2);
    // OK then keeps the order's currency.
    dlg.Apply(f.order);
    EXPECT_EQ(f.order.Currency, 2);
}

TEST(OrderPropDlg, OkChecksTheNumberAgainstTheRegister)
{
    OrderProps f;
    f.registerSql(QStringLiteral("insert into OrderLst(No, RegDate) values ('z-17','2024-03-05'),('A-1','2023-12-31');"));
    const struct
    {
        const char *number;
        const char *warning; // empty: the dialog closes
    } cases[] = {
        {"", "Не указан номер заказа!"},
        {"   ", "Не указан номер заказа!"},
        {"a-1", "Заказ с номером a-1 был зарегистрирован 31.12.2023!\r\nУкажите другой номер заказа."},
        {"Z-17", ""}, // its own number, registered or not
        {"B-2", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.number);
        f.messages.clear();
        TOrderPropDlg dlg;
        bool closed = false;
        kvtest::ModalDriver driver([&](QWidget *w) {
            auto *d = qobject_cast<TOrderPropDlg *>(w);
            d->OrderNoEdit->setText(QString::fromUtf8(c.number));
            d->OkBut->click();
            closed = !d->isVisible();
            if (d->isVisible())
                d->reject();
        });
        bool changed = false;
        const bool ok = dlg.Run(f.order, changed);
        EXPECT_EQ(closed, *c.warning == 0);
        EXPECT_EQ(ok, *c.warning == 0);
        if (*c.warning)
            EXPECT_EQ(f.messages.texts(Kind::Warning), QStringList{QString::fromUtf8(c.warning)});
        else
            EXPECT_TRUE(f.messages.isEmpty());
    }
    // The register is left as it was: closed.
    EXPECT_FALSE(f.dm->T_OrderList.isActive());
}

TEST(OrderPropDlg, LastNumberComesFromItsFile)
{
    OrderProps f;
    TOrderPropDlg dlg;
    dlg.Open(f.order);
    dlg.ShowLastOrderNo();
    WriteLastOrderNo(u("Б-2024/0001"));
    QTest::keyClick(dlg.OrderNoEdit, Qt::Key_Return, Qt::ControlModifier);
    dlg.ShowLastOrderNo();
    EXPECT_EQ(f.messages.texts(Kind::Info),
              (QStringList{u("Номер последнего заказа: ???"), u("Номер последнего заказа: Б-2024/0001"),
                           u("Номер последнего заказа: Б-2024/0001")}));
}
