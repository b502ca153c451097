// The reference dialogs: currency rates, price groups, firm details and the
// component catalogue, driven through their controls on a shop's catalogue.
#include "RefDlgTestSupport.h"
#include "support/QStringPrinter.h"
#include "core/DataEditor.h"
#include "core/PricingContext.h"
#include "core/RecClipBoard.h"
#include "engine/CatalogPricing.h"
#include "model/CurrencyItem.h"
#include "reports/ReportExport.h"
#include "tools/OleDate.h"
#include "tools/RecordingMessages.h"
#include "windows/CatalogForm.h"
#include "windows/Currency.h"
#include "windows/DBGrid.h"
#include "windows/DisplayFormats.h"
#include "windows/FirmForm.h"
#include "windows/PriceGrp.h"

#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

using namespace kv;
using namespace kvtest;

namespace {

using Kind = RecordingMessageSink::Kind;

void typeText(QWidget *w, const QString &text)
{
    for (const QChar ch : text) {
        const int code = ch.isLetter() ? ch.toUpper().unicode() : ch.unicode();
        QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, code, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(w, &release);
    }
}

// Shows a dialog without its own event loop and gives it the keyboard.
void showActive(QWidget *w)
{
    w->show();
    w->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(w));
}

// A plain click on a cell of a grid.
void go(TDBGrid *grid, int row, int column)
{
    grid->setFocus();
    grid->selectionModel()->setCurrentIndex(grid->model()->index(row, column),
                                            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

// F2, the text typed over the cell's content, Enter.
void typeIntoCell(TDBGrid *grid, const QString &text)
{
    QTest::keyClick(grid, Qt::Key_F2);
    auto *line = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    ASSERT_NE(line, nullptr) << "no cell editor opened";
    line->selectAll();
    typeText(line, text);
    QTest::keyClick(line, Qt::Key_Return);
}

QStringList columnTitles(const TDBGrid *grid)
{
    QStringList out;
    for (int c = 0; c < grid->model()->columnCount(); ++c)
        out << grid->model()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    return out;
}

QStringList labelTexts(const QWidget *w)
{
    QStringList out;
    for (const QLabel *l : w->findChildren<QLabel *>())
        if (!l->text().isEmpty())
            out << l->text();
    return out;
}

} // namespace

// ================================================================ currency

TEST(CurrencyDlg, LooksAsDesigned)
{
    ShopCatalog c;
    TCurrencyDlg plain;
    EXPECT_EQ(plain.windowTitle(), QStringLiteral("Курсы валют"));
    TCurrencyDlg d(nullptr, QStringLiteral("Курсы валют на 05.03.2024"));
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Курсы валют на 05.03.2024")) << "the menu item's caption";
    EXPECT_EQ(columnTitles(d.Grid), (QStringList{QStringLiteral("Валюта"), QStringLiteral("Курс")}));
    EXPECT_EQ(d.Grid->fixedColumns(), 1);
    const QAbstractItemModel *m = d.Grid->model();
    EXPECT_FALSE(m->flags(m->index(0, 0)) & Qt::ItemIsEditable);
    EXPECT_TRUE(m->flags(m->index(0, 1)) & Qt::ItemIsEditable);
    EXPECT_EQ(m->index(1, 1).data().toString(), QStringLiteral("98,45"));
    EXPECT_EQ(d.OkBut->text(), QStringLiteral("OK"));
    EXPECT_EQ(d.CancelBut->text(), QStringLiteral("Cancel"));
    EXPECT_FALSE(d.Grid->allowInsert());
    EXPECT_FALSE(d.Grid->allowDelete());
    d.show();
    EXPECT_EQ(d.minimumSize(), d.maximumSize()) << "fixed dialog border";
}

TEST(CurrencyDlg, RateEditedAndCancelledIsWhatNewOrdersTake)
{
    ShopCatalog c;
    RecordingMessages messages;
    {
        TCurrencyDlg d;
        showActive(&d);
        go(d.Grid, 1, 1);
        typeIntoCell(d.Grid, QStringLiteral("100,25"));
        EXPECT_EQ(c.stored(QStringLiteral("select Value from Currency where ID = 2")), QStringList{QStringLiteral("98.45")})
            << "still pending";
        d.CancelBut->click();
        EXPECT_EQ(d.result(), int(QDialog::Rejected));
        EXPECT_FALSE(d.isVisible());
    }
    EXPECT_EQ(c.stored(QStringLiteral("select Value from Currency where ID = 2")), QStringList{QStringLiteral("100.25")});
    EXPECT_TRUE(messages.isEmpty());

    // A new order copies the catalogue's rates and prices with them.
    TkvfCurrencyList rates;
    LoadRates(&rates);
    EXPECT_FLOAT_EQ(rates.GetRate(2), 100.25f);
    PricingContext saved = pricingContext();
    pricingContext().CurrentRates = &rates;
    pricingContext().CurrentCurrency = 1;
    // 4,35 EUR at 100,25 with the group's 5 %.
    EXPECT_EQ(GetArticlePrice(QStringLiteral("K-1001"), false).toString(), QStringLiteral("457.8919"));
    pricingContext() = saved;
}

TEST(CurrencyDlg, DialogStaysOpenWhenTheRateCannotBeWritten)
{
    ShopCatalog c;
    RecordingMessages messages;
    TCurrencyDlg d;
    showActive(&d);
    go(d.Grid, 2, 1);
    typeIntoCell(d.Grid, QStringLiteral("90"));
    c.sql(QStringLiteral("drop table Currency;"));
    d.OkBut->click();
    ASSERT_EQ(messages.count(Kind::Error), 1);
    EXPECT_TRUE(messages.texts(Kind::Error).constFirst().contains(QStringLiteral("Currency")));
    EXPECT_TRUE(d.isVisible()) << "the edit is not lost behind a closed dialog";
    d.Grid->cancelPending();
    d.CancelBut->click();
    EXPECT_FALSE(d.isVisible());
}

// ============================================================= price groups

TEST(PriceGroupDlg, LooksAsDesigned)
{
    ShopCatalog c;
    DetachedSetup s;
    s.setup.PriceGroupNames = QStringList{QStringLiteral("Дилер"), QStringLiteral("Розница")};
    for (int i = 3; i <= 10; ++i)
        s.setup.PriceGroupNames << QStringLiteral("?????? #%1").arg(i);
    TPriceGroupDlg d;
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Справочник ценновых групп (скидки)"));
    EXPECT_EQ(d.PageControl->tabText(0), QStringLiteral("Группы скидок"));
    EXPECT_EQ(d.PageControl->tabText(1), QStringLiteral("Наименования"));
    EXPECT_FALSE(d.PageControl->isTabVisible(1));
    EXPECT_EQ(d.NamesGrid->rowCount(), 11);
    EXPECT_EQ(d.NamesGrid->columnCount(), 2);
    EXPECT_EQ(d.NamesGrid->item(2, 1)->text(), QStringLiteral("Розница"));
    EXPECT_EQ(d.NamesGrid->item(10, 1)->text(), QStringLiteral("?????? #10"));
    EXPECT_EQ(columnTitles(d.Grid),
              (QStringList{QStringLiteral("Код группы"), QStringLiteral("Наименование"), QStringLiteral("Скидка, %")}));
    EXPECT_EQ(d.OkBut->text(), QStringLiteral("&OK"));

    struct Button
    {
        TDBNavigator::Button b;
        bool visible;
        const char *hint;
    };
    const Button buttons[] = {
        {TDBNavigator::First, true, "Первая"},
        {TDBNavigator::Prior, true, "Предыдущая"},
        {TDBNavigator::Next, true, "Следующая"},
        {TDBNavigator::Last, true, "Последняя"},
        {TDBNavigator::Insert, true, "Новая"},
        {TDBNavigator::Delete, false, "Удалить"},
        {TDBNavigator::Edit, true, "Редактировать"},
        {TDBNavigator::Post, true, "Записать изменения"},
        {TDBNavigator::Cancel, true, "Отказаться от изменений"},
        {TDBNavigator::Refresh, true, "Обновить экран"},
        {TDBNavigator::PriorPage, false, nullptr},
        {TDBNavigator::NextPage, false, nullptr},
    };
    for (const Button &b : buttons) {
        SCOPED_TRACE(int(b.b));
        EXPECT_EQ(!d.Navigator->button(b.b)->isHidden(), b.visible);
        if (b.hint) {
            EXPECT_EQ(d.Navigator->button(b.b)->toolTip(), QString::fromUtf8(b.hint));
        }
    }

    d.PageControl->setCurrentIndex(1);
    d.show();
    EXPECT_EQ(d.PageControl->currentIndex(), 0) << "the first page on activation";
}

TEST(PriceGroupDlg, CopiedRowPastesAsNewRowToComplete)
{
    ShopCatalog c;
    DetachedSetup s;
    RecordingMessages messages;
    TPriceGroupDlg d;
    showActive(&d);
    go(d.Grid, 1, 1); // "Ручки"
    QTest::keyClick(d.Grid, Qt::Key_C, Qt::ControlModifier);
    ASSERT_EQ(RecClipBoard().count(), 1);
    EXPECT_EQ(RecClipBoard().DataSet(), &c.dm.T_PriceGrp);
    go(d.Grid, 3, 1);
    QTest::keyClick(d.Grid, Qt::Key_V, Qt::ControlModifier);
    const QAbstractItemModel *m = d.Grid->model();
    ASSERT_EQ(m->rowCount(), 5);
    EXPECT_EQ(d.Grid->currentIndex().row(), 3);
    EXPECT_EQ(m->index(3, 1).data().toString(), QStringLiteral("Ручки"));
    EXPECT_EQ(m->index(3, 2).data().toString(), QStringLiteral("-3"));
    EXPECT_EQ(d.Grid->editor().state(), TDataEditor::State::Insert) << "a single row waits for its new code";
    go(d.Grid, 3, 0);
    typeIntoCell(d.Grid, QStringLiteral("7"));
    d.OkBut->click();
    EXPECT_FALSE(d.isVisible());
    EXPECT_TRUE(messages.isEmpty()) << messages.texts().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(c.stored(QStringLiteral("select GroupID, Name, Reduce_1, Reduce_2 from PriceGrp order by GroupID")),
              (QStringList{QStringLiteral("1|Фурнитура|5|7"), QStringLiteral("2|Ручки|-3|0"),
                           QStringLiteral("3|Уплотнители|12.5|0"), QStringLiteral("4|Петли|0|2"),
                           QStringLiteral("7|Ручки|-3|0")}));
    EXPECT_EQ(c.dm.T_PriceGrp.recordCount(), 5);
}

TEST(PriceGroupDlg, MarkedRowsPasteAtOnceAndAKeyClashIsReported)
{
    ShopCatalog c;
    DetachedSetup s;
    RecordingMessages messages;
    TPriceGroupDlg d;
    showActive(&d);
    go(d.Grid, 0, 1);
    d.Grid->selectionModel()->select(d.Grid->model()->index(2, 0),
                                     QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QTest::keyClick(d.Grid, Qt::Key_C, Qt::ControlModifier);
    ASSERT_EQ(RecClipBoard().count(), 2);
    EXPECT_TRUE(d.Grid->markedRows().isEmpty()) << "the marks are cleared by the copy";

    // The copies carry their originals' codes: the first is refused at once.
    QTest::keyClick(d.Grid, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(messages.texts(Kind::Error),
              QStringList{QStringLiteral("Запись с таким ключом уже есть в таблице [PriceGrp]")});
    EXPECT_FALSE(c.dm.T_PriceGrp.controlsDisabled());
    EXPECT_EQ(d.Grid->editor().state(), TDataEditor::State::Insert) << "left to the user to correct";
    QTest::keyClick(d.Grid, Qt::Key_Escape);
    EXPECT_EQ(d.Grid->model()->rowCount(), 4);
    d.accept();
}

TEST(PriceGroupDlg, ClosingWritesTheRowBeingEntered)
{
    ShopCatalog c;
    DetachedSetup s;
    RecordingMessages messages;
    TPriceGroupDlg d;
    showActive(&d);
    go(d.Grid, 0, 0);
    QTest::keyClick(d.Grid, Qt::Key_Insert);
    typeIntoCell(d.Grid, QStringLiteral("5"));
    go(d.Grid, 0, 1);
    QTest::keyClick(d.Grid, Qt::Key_F2);
    auto *line = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    ASSERT_NE(line, nullptr);
    typeText(line, QStringLiteral("Стекло"));
    d.OkBut->click(); // the cell editor is still open
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(c.stored(QStringLiteral("select Name from PriceGrp where GroupID = 5")), QStringList{QStringLiteral("Стекло")});
    EXPECT_TRUE(messages.isEmpty());
}

// ============================================================ firm details

namespace {

QList<QLineEdit *> firmEdits(const TFirmInfoDlg &d)
{
    return {d.NameEdit, d.LogoEdit, d.AddressEdit, d.JustAddressEdit, d.ZipCodeEdit, d.Phone1Edit, d.Phone2Edit,
            d.Phone3Edit, d.FaxEdit, d.EMailEdit, d.InternetEdit, d.INNEdit, d.AccountEdit, d.DirectorEdit,
            d.BookKeeperEdit};
}

QStringList firmValues(const TFirmInfo &f)
{
    return {f.Name, f.Logo, f.Address, f.JustAddress, f.ZipCode, f.Phone1, f.Phone2, f.Phone3, f.Fax, f.EMail,
            f.Internet, f.INN, f.Account, f.Director, f.BookKeeper};
}

QString picture(const QString &name, const char *format)
{
    const QString path = QDir(freshDir(QStringLiteral("logo"))).filePath(name);
    QImage img(60, 30, QImage::Format_RGB32);
    img.fill(QColor(0x1f, 0x4e, 0x8c));
    EXPECT_TRUE(img.save(path, format));
    return path;
}

} // namespace

TEST(FirmInfoDlg, LooksAsDesigned)
{
    TFirmInfoDlg d;
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Реквизиты фирмы"));
    EXPECT_EQ(labelTexts(&d),
              (QStringList{QStringLiteral("Наименование (*)"), QStringLiteral("Логотип"), QStringLiteral("Адрес"),
                           QStringLiteral("Юридический адрес"), QStringLiteral("Код города"),
                           QStringLiteral("Телефон (*)"), QStringLiteral("Факс"), QStringLiteral("E-Mail (*)"),
                           QStringLiteral("Internet"), QStringLiteral("ИНН"), QStringLiteral("Счет"),
                           QStringLiteral("Директор"), QStringLiteral("Гл. бухгалтер")}));
    EXPECT_EQ(d.OkBut->text(), QStringLiteral("OK"));
    EXPECT_EQ(d.CancelBut->text(), QStringLiteral("Cancel"));
}

TEST(FirmInfoDlg, OkCopiesEveryFieldBackAndCancelNothing)
{
    DetachedSetup s;
    s.setup.Firm.Name = QStringLiteral("ООО \"Окна\"");
    s.setup.Firm.Fax = QStringLiteral("44");
    for (const bool ok : {false, true}) {
        SCOPED_TRACE(ok);
        const QStringList before = firmValues(s.setup.Firm);
        QStringList typed;
        TFirmInfoDlg d;
        ModalDriver driver([&](QWidget *w) {
            auto *dlg = static_cast<TFirmInfoDlg *>(w);
            QStringList shown;
            for (QLineEdit *e : firmEdits(*dlg))
                shown << e->text();
            EXPECT_EQ(shown, before) << "filled from the settings";
            int i = 0;
            for (QLineEdit *e : firmEdits(*dlg)) {
                e->setText(QStringLiteral("поле %1").arg(++i));
                typed << e->text();
            }
            (ok ? dlg->OkBut : dlg->CancelBut)->click();
        });
        EXPECT_EQ(d.Execute(s.setup), ok);
        EXPECT_EQ(firmValues(s.setup.Firm), ok ? typed : before);
    }
}

TEST(FirmInfoDlg, LogoPicture)
{
    RecordingMessages messages;
    TFirmInfoDlg d;
    d.LogoEdit->setText(picture(QStringLiteral("logo.bmp"), "BMP"));
    d.ShowLogo();
    EXPECT_FALSE(d.LogoImage->pixmap().isNull());
    EXPECT_LE(d.LogoImage->pixmap().width(), d.LogoImage->width()) << "scaled into its place";

    d.LogoEdit->setText(QDir(scratchDir()).filePath(QStringLiteral("missing.bmp")));
    d.ShowLogo();
    EXPECT_TRUE(d.LogoImage->pixmap().isNull());
    EXPECT_TRUE(messages.isEmpty()) << "a missing file is simply not shown";

    const QString notPicture = QDir(freshDir(QStringLiteral("logo"))).filePath(QStringLiteral("logo.bmp"));
    writeFile(notPicture, QByteArray("not a picture"));
    d.LogoEdit->setText(notPicture);
    d.ShowLogo();
    EXPECT_TRUE(d.LogoImage->pixmap().isNull());
    EXPECT_EQ(messages.texts(Kind::Error), QStringList{QStringLiteral("Неизвестный формат изображения:\r\n") + notPicture});
}

TEST(FirmInfoDlg, BrowseButtonPutsTheChosenFileIntoTheLogoField)
{
    TFirmInfoDlg d;
    const QString file = picture(QStringLiteral("firm.bmp"), "BMP");
    QStringList filters;
    QString suffix;
    ModalDriver driver([&](QWidget *w) {
        auto *fd = qobject_cast<QFileDialog *>(w);
        ASSERT_NE(fd, nullptr);
        filters = fd->nameFilters();
        suffix = fd->defaultSuffix();
        // Typed into the name field, as a user may; the dialog's directory
        // listing is read in the background and is not waited for.
        auto *name = fd->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        name->setText(file);
        QMetaObject::invokeMethod(fd, "accept", Qt::QueuedConnection);
    });
    d.LogoBrowseBut->click();
    EXPECT_TRUE(driver.ran());
    EXPECT_EQ(filters, (QStringList{QStringLiteral("Windows Bitmap Files (*.bmp)"),
                                    QStringLiteral("Windows Metafile (*.wmf)")}));
    EXPECT_EQ(suffix, QStringLiteral("bmp"));
    EXPECT_EQ(d.LogoEdit->text(), file);
    EXPECT_FALSE(d.LogoImage->pixmap().isNull());
}

// ================================================================ catalogue

TEST(CatalogDlg, LooksAsDesigned)
{
    ShopCatalog c;
    TCatalogDlg d;
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Справочник комплектующих"));
    EXPECT_EQ(columnTitles(d.Grid),
              (QStringList{QStringLiteral("Артикул"), QStringLiteral("Артикул производителя #1"),
                           QStringLiteral("Артикул производителя #2"), QStringLiteral("Артикул производителя #3"),
                           QStringLiteral("Цена"), QStringLiteral("Цена"), QStringLiteral("Ценовая группа"),
                           QStringLiteral("Наименование"), QStringLiteral("Ед.изм."), QStringLiteral("Фиктивный")}));
    EXPECT_EQ(d.Grid->fixedColumns(), 2);
    EXPECT_TRUE(d.Grid->confirmDelete());
    const TDBGridModel *m = d.Grid->dbModel();
    EXPECT_TRUE(m->isLookupColumn(5));
    EXPECT_TRUE(m->isLookupColumn(6));
    EXPECT_TRUE(m->isCheckColumn(9));
    EXPECT_EQ(m->index(7, 5).data().toString(), QStringLiteral("USD"));
    EXPECT_EQ(m->index(7, 4).data().toString(), QStringLiteral("14,6000")) << "no currency name after the price";
    const QList<TDBNavigator::Button> shown{TDBNavigator::First, TDBNavigator::PriorPage, TDBNavigator::Prior,
                                            TDBNavigator::Next, TDBNavigator::NextPage, TDBNavigator::Last,
                                            TDBNavigator::Edit, TDBNavigator::Post, TDBNavigator::Cancel,
                                            TDBNavigator::Refresh};
    for (int b = 0; b < TDBNavigator::ButtonCount; ++b)
        EXPECT_EQ(!d.Navigator->button(TDBNavigator::Button(b))->isHidden(), shown.contains(TDBNavigator::Button(b))) << b;
    EXPECT_EQ(d.PrintBut->text(), QStringLiteral("Печать"));
    EXPECT_EQ(d.OkBut->text(), QStringLiteral("OK"));
    displayFormats().CurrencyString = QStringLiteral("EUR");
    d.show();
    EXPECT_NE(d.minimumSize(), d.maximumSize()) << "resizable";
    EXPECT_EQ(displayFormats().CurrencyString, QStringLiteral(" ")) << "prices without a currency name";
}

TEST(CatalogDlg, TakesTheClientAreaLessAHundred)
{
    ShopCatalog c;
    QMainWindow main;
    auto *client = new QWidget;
    main.setCentralWidget(client);
    main.move(30, 20);
    main.show();
    client->setFixedSize(1000, 700);
    main.adjustSize();
    QApplication::processEvents();
    QRect placed;
    ModalDriver driver([&](QWidget *w) {
        placed = QRect(w->pos(), w->size());
        static_cast<QDialog *>(w)->accept();
    });
    ShowCatalogDlg(&main);
    EXPECT_TRUE(driver.ran());
    EXPECT_EQ(placed.size(), QSize(900, 600));
    EXPECT_EQ(placed.topLeft(), client->mapToGlobal(QPoint(50, 50)));
}

TEST(CatalogDlg, SearchMovesToMatchingArticles)
{
    ShopCatalog c;
    TCatalogDlg d;
    d.show();
    EXPECT_TRUE(d.Find(QStringLiteral("1007"), false));
    EXPECT_EQ(d.Grid->currentIndex().row(), 6);
    EXPECT_EQ(c.dm.T_Catalog.asString(QStringLiteral("ID")), QStringLiteral("K-1007"));

    d.SearchFieldCombo->setCurrentIndex(d.SearchFieldCombo->findText(QStringLiteral("Наименование")));
    struct Step
    {
        const char *text;
        bool next;
        bool found;
        int row;
    };
    const Step steps[] = {
        {"ОКОННАЯ", false, true, 5}, // letter case ignored
        {"ОКОННАЯ", true, true, 6},
        {"ОКОННАЯ", true, true, 5},  // round again
        {"мм", true, true, 1},
        {"ворота", false, false, 1}, // nothing: stays
    };
    for (const Step &s : steps) {
        SCOPED_TRACE(s.text);
        EXPECT_EQ(d.Find(QString::fromUtf8(s.text), s.next), s.found);
        EXPECT_EQ(d.Grid->currentIndex().row(), s.row);
    }

    // Typing into the search field searches as the user types.
    d.SearchFieldCombo->setCurrentIndex(1);
    QTest::keyClicks(d.SearchEdit, QStringLiteral("520"));
    EXPECT_EQ(c.dm.T_Catalog.asString(QStringLiteral("ID")), QStringLiteral("K-1008"));
}

TEST(CatalogDlg, EditsAndDeletionReachTheCatalogue)
{
    ShopCatalog c;
    RecordingMessages messages;
    TCatalogDlg d;
    showActive(&d);
    go(d.Grid, 2, 4);
    typeIntoCell(d.Grid, QStringLiteral("8,1"));
    go(d.Grid, 2, 7);
    typeIntoCell(d.Grid, QStringLiteral("Средний запор 800 мм, усиленный"));
    go(d.Grid, 5, 0);
    messages.queueAnswer(true);
    QTest::keyClick(d.Grid, Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(messages.texts(Kind::OkCancel), QStringList{QStringLiteral("Удалить запись?")});
    QTest::keyClick(d.Grid, Qt::Key_Insert);
    EXPECT_FALSE(d.Grid->editor().isEditing()) << "articles are not added here";
    d.OkBut->click();
    EXPECT_EQ(c.stored(QStringLiteral("select Price, Name from Catalog where ID = 'K-1003'")),
              QStringList{QStringLiteral("8.1|Средний запор 800 мм, усиленный")});
    EXPECT_EQ(c.stored(QStringLiteral("select count(*) from Catalog where ID = 'K-1006'")), QStringList{QStringLiteral("0")});
    // The shared table object sees the same: prices read by the engine are the new ones.
    ASSERT_TRUE(c.dm.T_Catalog.locate(QStringLiteral("ID"), QStringLiteral("K-1003")));
    EXPECT_EQ(c.dm.T_Catalog.asMoney(QStringLiteral("Price")).toString(), QStringLiteral("8.1000"));
    EXPECT_EQ(c.dm.T_Catalog.recordCount(), 11);
}

TEST(CatalogDlg, PrintableListHasTheTitlesAndEveryArticle)
{
    ShopCatalog c;
    c.dm.T_Catalog.setRecNo(4);
    const PreparedReport report = PrepareCatalogReport(c.dm.T_Catalog);
    EXPECT_EQ(c.dm.T_Catalog.recNo(), 4) << "the table is back on its record";
    EXPECT_FALSE(c.dm.T_Catalog.controlsDisabled());
    EXPECT_EQ(report.page.orientation, QPageLayout::Landscape);
    QStringList lines;
    for (const QString &l : toPlainText(report).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        if (!l.trimmed().isEmpty())
            lines << QString(l).remove(QLatin1Char('\r'));
    ASSERT_EQ(lines.size(), 13);
    EXPECT_EQ(lines.at(0), QStringLiteral("Артикул\tАртикул производителя #1\tАртикул производителя #2\tАртикул "
                                          "производителя #3\tЦена\tЦена\tЦеновая группа\tНаименование\tЕд.изм."));
    EXPECT_EQ(lines.at(2), QStringLiteral("KV-1002\t210-600\t77.600\t\t11,9000\tEUR\tФурнитура\tНожницы 600 мм\tшт"));
    EXPECT_EQ(lines.at(10), QStringLiteral("KV-1010\t\t\t\t0,0000\tруб\t\tКомплект монтажный (условный)\tкомпл"));
    EXPECT_TRUE(report.bodyHtml.contains(QStringLiteral("Arial")));
}

TEST(CatalogDlg, PrintButtonShowsThePreview)
{
    ShopCatalog c;
    TCatalogDlg d;
    d.show();
    QString kind;
    int pages = 0;
    ModalDriver driver([&](QWidget *w) {
        kind = QString::fromLatin1(w->metaObject()->className());
        if (auto *p = qobject_cast<QPrintPreviewDialog *>(w))
            pages = p->findChild<QPrintPreviewWidget *>() ? p->findChild<QPrintPreviewWidget *>()->pageCount() : 0;
        static_cast<QDialog *>(w)->reject();
    });
    d.PrintBut->click();
    EXPECT_TRUE(driver.ran());
    EXPECT_EQ(kind, QStringLiteral("QPrintPreviewDialog"));
    EXPECT_EQ(pages, 1);
}
