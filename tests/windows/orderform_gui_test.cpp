// The main window with order windows: a new order through its properties
// and a position into the orders folder and the register, reopening, the
// closing question, the register check of new numbers, recalculation, and
// the frame's commands and menus following the active window.
#include "windows/OrderForm.h"
#include "windows/LastOrderNo.h"
#include "windows/Main.h"
#include "windows/OrdProp.h"
#include "windows/PosPropS.h"
#include "windows/WindowHooks.h"
#include "model/Order.h"
#include "../model/FakeModelServices.h"
#include "support/QStringPrinter.h"
#include "WindowsFixture.h"
#include "WindowsTestSupport.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>

using namespace kv;
using Kind = RecordingMessageSink::Kind;

namespace {

QString u(const char *s) { return QString::fromUtf8(s); }

// Fittings through a stand-in for the selection dialog: every sash gets the
// main set "M1", whose selection puts one piece of the article into it.
struct OrderWindows : kvtest::WindowsFixture
{
    OrderWindows()
    {
        services.prices = {{"A1", Money::fromUnits(10)}, {"B1", Money::fromUnits(5)}};
        windowHooks().RunSetFurnDlg = [this](TkvfConstruction &p, QWidget *) {
            ++fittingsRuns;
            applyFittings(p, article);
            return fittingsAnswer;
        };
    }
    ~OrderWindows() { windowHooks() = WindowHooks(); }

    void applyFittings(TkvfConstruction &p, const QString &art)
    {
        services.selection = [art](TkvfFurnComp &c) { c.AddItem(art, "", "", true, 0, "", 1, 0); };
        TSashChoice choice;
        choice.MainSet = QStringLiteral("M1");
        p.ApplyFittingsChoice(p.FurnSys, p.ProfSys, p.FurnColor, p.FalzType, p.StulpType, p.OpenType, 0, 0,
                              choice, TSashChoice());
        services.selection = nullptr;
    }
    // A position straight into the order, as the dialogs would have made it.
    TkvfConstruction &addPosition(TOrderForm &form, const QString &no, const QString &name, const QString &art)
    {
        TkvfConstruction &p = form.order().AddPosition();
        p.PosNo = no;
        p.PosName = name;
        p.Count = 2;
        p.FurnSys = QStringLiteral("1101");
        p.FurnColor = QStringLiteral("WH");
        p.FalzType = 101;
        p.OpenType = 401;
        TShapeRecord shape;
        shape.B = 800;
        shape.H = 1200;
        p.SetShape(shape, 201);
        applyFittings(p, art);
        return p;
    }
    QStringList rowTexts(TOrderForm &form, int row)
    {
        QStringList out;
        for (int c = 0; c < 8; ++c)
            out << form.ListView->topLevelItem(row)->text(c);
        return out;
    }
    // Answers the properties dialog of a new order.
    void fillProperties(const QString &number)
    {
        kvtest::ModalDriver driver([number](QWidget *w) {
            auto *d = qobject_cast<TOrderPropDlg *>(w);
            ASSERT_NE(d, nullptr);
            d->OrderNoEdit->setText(number);
            d->CustomerEdit->setText(u("Иванов"));
            d->ObjectNameEdit->setText(u("Дача"));
            d->OkBut->click();
        });
        QCoreApplication::processEvents();
        EXPECT_TRUE(driver.ran());
    }

    kvtest::FakeModelServices services;
    QString article = QStringLiteral("A1");
    bool fittingsAnswer = true;
    int fittingsRuns = 0;
};

} // namespace

TEST(OrderWindow, NewOrderPositionSaveRegisterAndReopen)
{
    OrderWindows f;
    f.setup->AutoReg = true;
    TMainForm &main = f.mainForm();
    TOrderForm *form = main.NewOrder();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->FileName(), QStringLiteral("NewOrder.kfo370"));
    EXPECT_TRUE(form->IsNewDocument());
    // The new order starts from the defaults and its properties open at once.
    EXPECT_EQ(form->order().FurnSys, QStringLiteral("1101"));
    EXPECT_EQ(form->order().FurnColor, QStringLiteral("WH")); // the system's base colour
    EXPECT_EQ(form->order().Rates.count(), 3);
    f.fillProperties(QStringLiteral("N/1"));
    EXPECT_EQ(form->order().OrderNo, QStringLiteral("N/1"));
    EXPECT_EQ(form->StatusPanels[0]->text(), QStringLiteral("N/1"));
    EXPECT_EQ(form->StatusPanels[1]->text(), u("Иванов"));
    EXPECT_EQ(form->GetDefaultFileName(), QStringLiteral("N_1"));

    // A position: the position dialog, then the fittings.
    {
        kvtest::ModalDriver driver([](QWidget *w) {
            auto *d = qobject_cast<TSimplePosPropDlg *>(w);
            ASSERT_NE(d, nullptr);
            d->OkBut->click();
        });
        form->AddPosition();
        EXPECT_TRUE(driver.ran());
    }
    EXPECT_EQ(f.fittingsRuns, 1);
    ASSERT_EQ(form->order().PositionCount(), 1);
    EXPECT_EQ(f.rowTexts(*form, 0),
              (QStringList{"", "001", "700", "1400", "1", u("Окно: Комплект стандартный"), "10,0000 EUR", "10,0000 EUR"}));
    EXPECT_EQ(form->ListView->topLevelItem(0)->checkState(0), Qt::Checked);
    EXPECT_FALSE(form->isSaved());
    EXPECT_TRUE(main.SaveItem->isEnabled());
    EXPECT_TRUE(main.PrintBut->isEnabled());
    EXPECT_TRUE(form->ConstructionInfo->toPlainText().startsWith(u("Фурнитура: Система А\nПрофиль: \nЦвет: Белый")));

    // Save as "elsewhere": the file lands in the orders folder under the chosen name.
    f.fileAnswers.push_back({{f.root + QStringLiteral("/elsewhere/mine")}, 1});
    main.Save();
    ASSERT_EQ(f.dialogs.size(), 1);
    EXPECT_EQ(f.dialogs[0].title, u("Сохранить заказ..."));
    EXPECT_EQ(f.dialogs[0].fileName, QStringLiteral("N_1"));
    EXPECT_EQ(f.dialogs[0].directory, OrdersDir);
    const QString saved = OrdersDir + QStringLiteral("/mine.kfo370");
    EXPECT_EQ(form->FileName(), saved);
    EXPECT_TRUE(QFile::exists(saved));
    EXPECT_FALSE(QFile::exists(f.root + QStringLiteral("/elsewhere/mine.kfo370")));
    EXPECT_TRUE(form->isSaved());
    EXPECT_FALSE(form->IsNewDocument());
    EXPECT_FALSE(main.SaveItem->isEnabled());
    EXPECT_EQ(ReadLastOrderNo().value_or(QString()), QStringLiteral("N/1"));

    // Registered automatically.
    {
        TDataTable &reg = f.dm->T_OrderList;
        reg.open();
        ASSERT_EQ(reg.recordCount(), 1);
        EXPECT_EQ(reg.asString(QStringLiteral("No")), QStringLiteral("N/1"));
        EXPECT_EQ(reg.asString(QStringLiteral("Customer")), u("Иванов"));
        EXPECT_EQ(reg.asString(QStringLiteral("Object")), u("Дача"));
        EXPECT_EQ(reg.asString(QStringLiteral("OrderFile")), QStringLiteral("%/mine.kfo370"));
        EXPECT_EQ(reg.asInteger(QStringLiteral("Currency")), 2);
        EXPECT_DOUBLE_EQ(reg.asFloat(QStringLiteral("Cost")), 12.0); // 10 plus 20 % VAT
        reg.close();
    }

    // A saved window closes without a question.
    form->parentWidget()->close();
    QCoreApplication::processEvents();
    EXPECT_TRUE(f.questions.isEmpty());
    EXPECT_TRUE(main.children().isEmpty());

    // Reopened from the orders folder.
    f.fileAnswers.push_back({{saved}, 1});
    main.Open(0);
    ASSERT_EQ(f.dialogs.size(), 2);
    EXPECT_EQ(f.dialogs[1].filterIndex, 1);
    EXPECT_EQ(f.dialogs[1].directory, OrdersDir);
    ASSERT_EQ(main.children().size(), 1);
    auto *again = qobject_cast<TOrderForm *>(main.children().first());
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->FileName(), saved);
    EXPECT_TRUE(again->isSaved());
    EXPECT_EQ(again->order().OrderNo, QStringLiteral("N/1"));
    ASSERT_EQ(again->order().PositionCount(), 1);
    EXPECT_EQ(f.rowTexts(*again, 0)[1], QStringLiteral("001"));
    EXPECT_EQ(f.rowTexts(*again, 0)[7], QStringLiteral("10,0000 EUR"));
    EXPECT_TRUE(f.messages.isEmpty()) << f.messages.texts().join('|').toStdString();
}

TEST(OrderWindow, CancelledDialogsDiscardTheNewPosition)
{
    OrderWindows f;
    TMainForm &main = f.mainForm();
    TOrderForm *form = main.NewOrder();
    f.fillProperties(QStringLiteral("N-2"));
    {
        kvtest::ModalDriver driver([](QWidget *w) { qobject_cast<TSimplePosPropDlg *>(w)->CancelBut->click(); });
        form->AddPosition();
    }
    EXPECT_EQ(f.fittingsRuns, 0);
    f.fittingsAnswer = false;
    {
        kvtest::ModalDriver driver([](QWidget *w) { qobject_cast<TSimplePosPropDlg *>(w)->OkBut->click(); });
        form->AddPosition();
    }
    EXPECT_EQ(f.fittingsRuns, 1);
    EXPECT_EQ(form->order().PositionCount(), 0);
    EXPECT_EQ(form->ListView->topLevelItemCount(), 0);
}

TEST(OrderWindow, ANewNumberAlreadyRegisteredIsRefusedAndThePropertiesReopen)
{
    OrderWindows f;
    f.registerSql(QStringLiteral("insert into OrderLst(No, RegDate) values ('R-5','2024-01-09');"));
    TMainForm &main = f.mainForm();
    TOrderForm *form = main.NewOrder();
    f.fillProperties(QStringLiteral("R-6"));
    form->order().OrderNo = QStringLiteral("r-5"); // past the dialog's own check
    f.fileAnswers.push_back({{QStringLiteral("x.kfo370")}, 1});
    EXPECT_FALSE(main.SaveChildAs(form));
    EXPECT_EQ(f.messages.texts(Kind::Error),
              QStringList{u("Заказ с номером r-5 был зарегистрирован 09.01.2024!\r\nУкажите другой номер заказа.")});
    EXPECT_FALSE(QFile::exists(OrdersDir + QStringLiteral("/x.kfo370")));
    // The properties dialog is on its way.
    kvtest::ModalDriver driver([](QWidget *w) { qobject_cast<TOrderPropDlg *>(w)->CancelBut->click(); });
    QCoreApplication::processEvents();
    EXPECT_TRUE(driver.ran());

    // An empty number is refused the same way.
    f.messages.clear();
    form->order().OrderNo.clear();
    EXPECT_FALSE(form->SaveDocument(QStringLiteral("y.kfo370")));
    EXPECT_EQ(f.messages.texts(Kind::Error), QStringList{u("Не указан номер заказа!")});
    kvtest::ModalDriver again([](QWidget *w) { qobject_cast<TOrderPropDlg *>(w)->CancelBut->click(); });
    QCoreApplication::processEvents();
}

TEST(OrderWindow, RenumberedOrderIsRenamedAndItsRegisterRowFollows)
{
    OrderWindows f;
    TMainForm &main = f.mainForm();
    TOrderForm *form = main.NewOrder();
    f.fillProperties(QStringLiteral("K-1"));
    f.addPosition(*form, QStringLiteral("001"), u("Окно"), QStringLiteral("A1"));
    f.fileAnswers.push_back({{QStringLiteral("K-1.kfo370")}, 1});
    ASSERT_TRUE(main.SaveChildAs(form));
    f.messages.queueAnswer(true); // register?
    form->Register(true);
    // Registering again after the number changed updates the row of the old
    // number instead of adding one.
    form->order().OrderNo = QStringLiteral("K-2");
    f.messages.queueAnswer(true);
    form->Register(true);
    {
        TDataTable &reg = f.dm->T_OrderList;
        reg.open();
        ASSERT_EQ(reg.recordCount(), 1);
        EXPECT_EQ(reg.asString(QStringLiteral("No")), QStringLiteral("K-2"));
        EXPECT_EQ(reg.asString(QStringLiteral("OrderFile")), QStringLiteral("%/K-1.kfo370"));
        reg.close();
    }
    // Saving with the changed number: the file is renamed on request.
    f.messages.queueAnswer(true); // rename?
    f.fileAnswers.push_back({{f.root + QStringLiteral("/K-2.kfo370")}, 1});
    ASSERT_TRUE(main.SaveChild(form));
    EXPECT_EQ(f.dialogs.last().fileName, QStringLiteral("K-2"));
    EXPECT_EQ(form->FileName(), OrdersDir + QStringLiteral("/K-2.kfo370"));
    EXPECT_TRUE(QFile::exists(OrdersDir + QStringLiteral("/K-2.kfo370")));
    EXPECT_FALSE(QFile::exists(OrdersDir + QStringLiteral("/K-1.kfo370")));
    EXPECT_EQ(ReadLastOrderNo().value_or(QString()), QStringLiteral("K-2"));
    // Refusing the rename keeps the file name but still stores the number.
    form->order().OrderNo = QStringLiteral("K-3");
    f.messages.queueAnswer(false);
    ASSERT_TRUE(main.SaveChild(form));
    EXPECT_EQ(form->FileName(), OrdersDir + QStringLiteral("/K-2.kfo370"));
    EXPECT_EQ(ReadLastOrderNo().value_or(QString()), QStringLiteral("K-3"));
    EXPECT_TRUE(f.messages.texts(Kind::Error).isEmpty());
}

TEST(OrderWindow, ClosingAskesWhetherToSaveAndCancelKeepsTheWindow)
{
    OrderWindows f;
    TMainForm &main = f.mainForm();
    TOrderForm *first = main.NewOrder();
    f.fillProperties(QStringLiteral("C-1"));
    TOrderForm *second = main.NewOrder();
    f.fillProperties(QStringLiteral("C-2"));
    EXPECT_FALSE(first->isSaved());
    // Closing the application: the last window answers Cancel, the first No.
    f.answers = {YesNoCancel::Cancel, YesNoCancel::No};
    EXPECT_FALSE(main.close());
    QCoreApplication::processEvents();
    EXPECT_EQ(f.questions, (QStringList{u("Сохранить заказ?"), u("Сохранить заказ?")}));
    EXPECT_TRUE(main.isVisible());
    ASSERT_EQ(main.children().size(), 1);
    EXPECT_EQ(main.children().first(), second);
    EXPECT_EQ(second->Tag, 1);
    // Yes saves first; with a cancelled file dialog the window stays.
    f.answers = {YesNoCancel::Yes};
    main.CloseChild();
    QCoreApplication::processEvents();
    EXPECT_EQ(main.children().size(), 1);
    // A new order that was never changed closes without a question.
    f.questions.clear();
    TOrderForm *fresh = main.NewOrder();
    kvtest::ModalDriver driver([](QWidget *w) { qobject_cast<TOrderPropDlg *>(w)->CancelBut->click(); });
    QCoreApplication::processEvents();
    EXPECT_TRUE(fresh->isSaved());
    main.CloseChild();
    QCoreApplication::processEvents();
    EXPECT_TRUE(f.questions.isEmpty());
    EXPECT_EQ(main.children().size(), 1);
}

TEST(OrderWindow, RecalculationRestoresTheFailingPositionAndStops)
{
    OrderWindows f;
    TMainForm &main = f.mainForm();
    TOrderForm *form = main.NewOrder();
    f.fillProperties(QStringLiteral("P-1"));
    f.addPosition(*form, QStringLiteral("001"), u("Окно А"), QStringLiteral("A1"));
    f.addPosition(*form, QStringLiteral("002"), u("Окно Б"), QStringLiteral("B1"));
    f.addPosition(*form, QStringLiteral("003"), u("Окно В"), QStringLiteral("A1"));
    form->RebuildList();
    f.services.prices = {{"A1", Money::fromUnits(12)}}; // B1 is gone from the catalogue
    f.messages.queueAnswer(true);
    form->Recalculate();
    EXPECT_EQ(form->order().Position(0).UnitCost, Money::fromUnits(12));
    EXPECT_EQ(form->order().Position(1).UnitCost, Money::fromUnits(5)); // as before
    EXPECT_EQ(form->order().Position(1).Sash1().MatList().size(), 1u);
    EXPECT_EQ(form->order().Position(2).UnitCost, Money::fromUnits(10)); // never reached
    const QStringList errors = f.messages.texts(Kind::Error);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith(u("В каталоге отсутствуют данные для [B1]!")));
    EXPECT_TRUE(errors[0].endsWith(u("\r\n[Позиция: 002]")));
    EXPECT_EQ(f.rowTexts(*form, 0)[6], QStringLiteral("12,0000 EUR"));
    EXPECT_EQ(f.rowTexts(*form, 0)[7], QStringLiteral("24,0000 EUR"));
    EXPECT_FALSE(form->isSaved());
}

TEST(OrderWindow, ChecksSortingMovingAndDeleting)
{
    OrderWindows f;
    TMainForm &main = f.mainForm();
    TOrderForm *form = main.NewOrder();
    f.fillProperties(QStringLiteral("S-1"));
    f.addPosition(*form, QStringLiteral("003"), u("Б"), QStringLiteral("A1"));
    f.addPosition(*form, QStringLiteral("001"), u("В"), QStringLiteral("A1"));
    f.addPosition(*form, QStringLiteral("002"), u("А"), QStringLiteral("A1"));
    form->RebuildList();
    auto posNos = [&] {
        QStringList out;
        for (int i = 0; i < form->order().PositionCount(); ++i)
            out << form->order().Position(i).PosNo + QLatin1Char('/') + form->ListView->topLevelItem(i)->text(1);
        return out;
    };
    form->SortByPositions();
    EXPECT_EQ(posNos(), (QStringList{"001/001", "002/002", "003/003"}));
    form->SortByProducts();
    EXPECT_EQ(posNos(), (QStringList{"002/002", "003/003", "001/001"}));
    form->MovePosition(2, 0);
    EXPECT_EQ(posNos(), (QStringList{"001/001", "002/002", "003/003"}));

    // Unchecking the first row, then "[..]" checks every row.
    form->ListView->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
    EXPECT_FALSE(form->order().Position(0).Checked);
    form->ToggleAllChecks();
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(form->order().Position(i).Checked);
    form->ToggleAllChecks();
    EXPECT_FALSE(form->order().HasChecked());
    EXPECT_FALSE(form->RecalcItem->isEnabled());
    EXPECT_FALSE(main.PrintBut->isEnabled());

    form->ListView->setCurrentItem(form->ListView->topLevelItem(1));
    EXPECT_TRUE(form->DeletePosItem->isEnabled());
    f.messages.queueAnswer(false);
    form->DeletePosition();
    EXPECT_EQ(form->order().PositionCount(), 3);
    f.messages.queueAnswer(true);
    form->DeletePosition();
    EXPECT_EQ(posNos(), (QStringList{"001/001", "003/003"}));
    f.messages.queueAnswer(true);
    form->DeleteAll();
    EXPECT_EQ(form->order().PositionCount(), 0);
    EXPECT_EQ(form->ListView->topLevelItemCount(), 0);
    EXPECT_EQ(f.messages.texts(Kind::OkCancel),
              (QStringList{u("Удалить позицию?"), u("Удалить позицию?"), u("Удалить все позиции?")}));
}

TEST(MainWindow, CommandsMenusAndToolBarsFollowTheActiveWindow)
{
    OrderWindows f;
    TMainForm &main = f.mainForm();
    auto titles = [&] {
        QStringList out;
        for (QAction *a : main.menuBar()->actions())
            out << a->text();
        return out;
    };
    // Without a child window.
    EXPECT_FALSE(main.SaveItem->isEnabled());
    EXPECT_FALSE(main.SaveAsItem->isEnabled());
    EXPECT_FALSE(main.SaveAllItem->isEnabled());
    EXPECT_FALSE(main.CloseItem->isEnabled());
    EXPECT_FALSE(main.CloseAllItem->isEnabled());
    EXPECT_FALSE(main.PrintBut->isEnabled());
    EXPECT_FALSE(main.OrderToolBar->isVisible());
    EXPECT_FALSE(main.OrderLstToolBar->isVisible());
    EXPECT_TRUE(main.MainToolBar->isVisible());
    EXPECT_EQ(titles(), (QStringList{u("&Файл"), u("&Установки"), u("&Окно"), u("&Помощь")}));
    EXPECT_FALSE(main.ReportDesignerItem->isVisible()); // developer mode only
    EXPECT_TRUE(main.CurrencyRatesItem->text().startsWith(u("Курсы валют на ")));
    EXPECT_EQ(main.SaveBut->text(), u("Сохранить "));

    TOrderForm *form = main.NewOrder();
    f.fillProperties(QStringLiteral("M-1"));
    EXPECT_EQ(titles(), (QStringList{u("&Файл"), u("&Редактировать"), u("&Заказ"), u("Сервис"), u("&Установки"),
                                     u("&Окно"), u("&Помощь")}));
    EXPECT_TRUE(main.OrderToolBar->isVisible());
    EXPECT_TRUE(main.CloseItem->isEnabled());
    EXPECT_TRUE(main.SaveAsItem->isEnabled());
    EXPECT_TRUE(main.SaveItem->isEnabled()); // the properties changed the order
    EXPECT_FALSE(main.EditPosBut->isEnabled());
    EXPECT_TRUE(form->ExportVorneItem->isVisible());
    EXPECT_FALSE(form->ExportTBMItem->isVisible());
    EXPECT_FALSE(form->ExportXMLItem->isVisible());
    f.addPosition(*form, QStringLiteral("001"), u("Окно"), QStringLiteral("A1"));
    f.addPosition(*form, QStringLiteral("002"), u("Дверь"), QStringLiteral("B1"));
    form->RebuildList();
    EXPECT_TRUE(main.EditPosBut->isEnabled());
    main.resize(1000, 640);
    if (QMdiSubWindow *w = main.MdiArea->activeSubWindow())
        w->showMaximized();
    QCoreApplication::processEvents();
    kvtest::saveShot(&main, QStringLiteral("main_window_order"));

    // Closing it: back to the frame alone.
    f.answers = {YesNoCancel::No};
    main.CloseAll();
    QCoreApplication::processEvents();
    EXPECT_TRUE(main.children().isEmpty());
    EXPECT_EQ(titles(), (QStringList{u("&Файл"), u("&Установки"), u("&Окно"), u("&Помощь")}));
    EXPECT_FALSE(main.OrderToolBar->isVisible());
    EXPECT_FALSE(main.SaveItem->isEnabled());
    EXPECT_EQ(main.statusText(2), QString());
}

TEST(MainWindow, OpeningSeveralFilesGivesTheStoredStateToTheFirstOnly)
{
    OrderWindows f;
    f.setup->VoderivarOrderWinState = 1; // minimised
    TMainForm &main = f.mainForm();
    QStringList files;
    for (const char *no : {"F-1", "F-2", "F-3"}) {
        TkvfOrder o;
        o.OrderNo = QString::fromLatin1(no);
        const QString path = OrdersDir + QLatin1Char('/') + o.OrderNo + QStringLiteral(".kfo370");
        ASSERT_TRUE(o.SaveToFile(path));
        files << path;
    }
    f.fileAnswers.push_back({files, 1});
    main.Open(3); // "Выборка" picked in the drop-down: the selection filter and folder
    ASSERT_EQ(f.dialogs.size(), 1);
    EXPECT_EQ(f.dialogs[0].filterIndex, 3);
    EXPECT_EQ(f.dialogs[0].directory, SelectionDir);
    EXPECT_EQ(f.dialogs[0].filter, u("Заказ 370 (*.kfo370)|*.kfo370|Заказ 317 (*.kfo)|*.kfo|Выборка (*.kfs370)|*.kfs370"));
    ASSERT_EQ(main.children().size(), 3);
    const QList<QMdiSubWindow *> subs = main.MdiArea->subWindowList(QMdiArea::CreationOrder);
    EXPECT_TRUE(subs[0]->windowState() & Qt::WindowMinimized);
    EXPECT_FALSE(subs[1]->windowState() & Qt::WindowMinimized);
    EXPECT_FALSE(subs[2]->windowState() & Qt::WindowMinimized);
    QStringList numbers;
    for (TChildForm *c : main.children())
        numbers << qobject_cast<TOrderForm *>(c)->order().OrderNo;
    EXPECT_EQ(numbers, (QStringList{"F-1", "F-2", "F-3"}));
}
