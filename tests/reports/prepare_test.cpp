// Template parsing and preparation against a fake order.
#include "FakeReportData.h"
#include "support/TestSupport.h"

#include "reports/ReportPrepare.h"
#include "reports/ReportTemplate.h"
#include "tools/Errors.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPainter>

using namespace kv;
using kvtest::FakeOrderData;

namespace {

PreparedReport prepare(const QString &text, FakeOrderData &data)
{
    return prepareReport(ReportTemplate::parse(text, QStringLiteral("test.html")), data);
}

QString body(const QString &text, FakeOrderData &data)
{
    return prepare(text, data).bodyHtml;
}

QString demoBody(const QString &text)
{
    FakeOrderData data;
    kvtest::fillDemoOrder(data);
    return body(text, data);
}

// The error text of whatever text throws, or "" when nothing is thrown.
template<class F>
QString errorOf(F f)
{
    try {
        f();
    } catch (const Error &e) {
        return e.text();
    }
    return QString();
}

} // namespace

TEST(ReportPrepare, NestedBandsWalkTheChildSourceForEachMasterRow)
{
    FakeOrderData data;
    kvtest::fillDemoOrder(data);
    data.positions.push_back({3, QStringLiteral("Окно зал"), 1, {{QStringLiteral("Третий"), {{QStringLiteral("D-40"), 1, 0}}}}});
    const QString text = QStringLiteral(
        "<!--#band frdOrderPosSpec-->P[_POS_NO]:"
        "<!--#band frdFrameFurnCompSpec-->{[_CFCS_COMPLECTNAME]"
        "<!--#band frdFurnCompItemSpec--> [_FCIS_ID]x[_FCIS_COUNT]<!--#endband-->}"
        "<!--#endband-->|<!--#endband-->");
    EXPECT_EQ(body(text, data),
              QStringLiteral("P1:{Основной A-10x2 B-20x1}{Второй C-30x4}|P2:{Пустой}|P3:{Третий D-40x1}|"));
    // The item source starts again for every composition row.
    EXPECT_EQ(data.cursor(QStringLiteral("frdFurnCompItemSpec")).firstCalls, 4);
}

TEST(ReportPrepare, SectionsOfABand)
{
    const QString text = QStringLiteral(
        "<!--#band frdOrderPosSpec-->"
        "<!--#header--><table>"
        "<!--#row--><tr><td>[_POS_NAME]</td></tr>"
        "<!--#footer--></table>"
        "<!--#empty--><p>Нет позиций</p>"
        "<!--#endband-->");
    FakeOrderData data;
    kvtest::fillDemoOrder(data);
    EXPECT_EQ(body(text, data),
              QStringLiteral("<table><tr><td>Окно кухня</td></tr><tr><td>Балконная дверь</td></tr></table>"));
    data.positions.clear();
    EXPECT_EQ(body(text, data), QStringLiteral("<p>Нет позиций</p>"));

    // Without markers the whole band is the row; text before the first marker too.
    EXPECT_EQ(demoBody(QStringLiteral("<!--#band frdOrderPosSpec-->[_POS_NO];<!--#endband-->")),
              QStringLiteral("1;2;"));
    EXPECT_EQ(demoBody(QStringLiteral("<!--#band frdOrderPosSpec-->[_POS_NO]<!--#footer-->.<!--#endband-->")),
              QStringLiteral("12."));
    // An empty child band with no empty section leaves nothing, not even its header.
    EXPECT_EQ(demoBody(QStringLiteral("<!--#band frdOrderPosSpec--><!--#band frdFrameFurnCompSpec-->"
                                      "<!--#band frdFurnCompItemSpec--><!--#header-->(<!--#row-->[_FCIS_ID]"
                                      "<!--#footer-->)<!--#endband--><!--#endband--><!--#endband-->")),
              QStringLiteral("(A-10B-20)(C-30)"));
}

TEST(ReportPrepare, FieldsShowValuesByKindAndFormat)
{
    const struct { const char *field; const char *shown; } cases[] = {
        {"[_ORDER_NO]", "2024-117"},
        {"[_order_no]", "2024-117"},                 // the data side ignores case
        {"[_ORDER_DATE]", "05.03.2024"},
        {"[_ORDER_DATE #Dd MMMM yyyy]", "5 марта 2024"},
        {"[_ORDER_TOTAL]", "1 234 567,90"},          // 1 234 567,8950: tie to even
        {"[_ORDER_TOTAL #M4]", "1 234 567,8950"},
        {"[_ORDER_TOTAL #M0]", "1 234 568"},
        {"[_ORDER_TOTAL * 2 #M]", "2 469 135,79"},
        {"[[_ORDER_TOTAL] #N1]", "1 234 567,9"},
        {"[_ORDER_NDSTAX]", "18,5"},
        {"[_ORDER_NDSTAX #F3]", "18,500"},
        {"[_ORDER_PRICEGROUPNO]", "12345"},
        {"[_ORDER_PRICEGROUPNO #N0]", "12 345"},
        {"[_ORDER_GETTOTALNDS]", "Да"},
        {"[_ORDER_GETTOTALNDS #Bвключен;не включен]", "включен"},
        {"[not _ORDER_GETTOTALNDS]", "Нет"},
        {"[-0.001 #N2]", "0,00"},
        {"[-1234.5 #N2]", "-1 234,50"},
        {"[0.1 + 0.2]", "0,3"},
        {"[_ORDER_CUSTOMER]", "ООО &quot;Рога &amp; копыта&quot; &lt;опт&gt;"},
        {"[_ORDER_REMARK]", "первая строка<br>вторая строка"},
        {"[_ORDER_NO + ' от ' + FORMAT(_ORDER_DATE, 'D')]", "2024-117 от 05.03.2024"},
        {"[IF(_ORDER_PRICEGROUPNO &gt; 10, 'много', 'мало')]", "много"},
        {"[IF(1 = 2, 'да')]", ""},
        {"[UPPERCASE('окно')][LOWERCASE('ОКНО')][TRIM('  x  ')]", "ОКНОокноx"},
        {"[ROUND(2.5)] [ROUND(3.5)] [ROUND(1.2345, 2)]", "2 4 1,23"},
        {"[_MONEYBYWORD_RUS([_ORDER_TOTAL])]", "сумма прописью: 1234567.895"},
        {"[_EVAL('_ORDER_NO + ''!''')]", "2024-117!"},
        {"a&#91;b]", "a&#91;b]"},
        {"<style>td[align=right] { color: red }</style>", "<style>td[align=right] { color: red }</style>"},
        {"<!-- [_ORDER_NO] stays out -->x", "x"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(demoBody(QString::fromUtf8(c.field)), QString::fromUtf8(c.shown)) << c.field;
}

TEST(ReportPrepare, InitialisationFunctionFillsTheListItsBandWalks)
{
    const QString text = QStringLiteral(
        "[_INIT_ORDERMATLIST('SORT_BY_NAME')]<!--#band frdOrderMatList-->[_OMS_ID]=[_OMS_COST];<!--#endband-->"
        "|[_INIT_ORDERMATLIST('SORT_BY_CODE')]<!--#band frdOrderMatList-->[_OMS_ID];<!--#endband-->");
    EXPECT_EQ(demoBody(text), QStringLiteral("M-2=4 000,00;M-3=300,00;M-1=499,50;|M-1;M-2;M-3;"));
    // Before the initialisation the list is empty.
    EXPECT_EQ(demoBody(QStringLiteral("<!--#band frdOrderMatList-->x<!--#empty-->пусто<!--#endband-->")),
              QStringLiteral("пусто"));
}

TEST(ReportPrepare, ConditionsVariablesAndLineNumbers)
{
    const QString text = QStringLiteral(
        "<!--#set total = 0-->"
        "<!--#band frdOrderPosSpec-->"
        "<!--#if [LINE#] > 1-->, <!--#endif-->"
        "[LINE#]:[_POS_NAME]"
        "<!--#if _POS_NUMBER > 1--> (x[_POS_NUMBER])<!--#elseif _POS_NO = 2--> (одна дверь)<!--#else--> ?<!--#endif-->"
        "<!--#set total = total + _POS_NUMBER-->"
        "<!--#endband-->"
        " = [total] шт.; [LINE#]"
        "<!--#set copy = _ORDER_TOTAL-->; [copy]; [COPY * 1]");
    EXPECT_EQ(demoBody(text),
              QStringLiteral("1:Окно кухня (x2), 2:Балконная дверь (одна дверь) = 3 шт.; 0; 1 234 567,90; 1234567,895"));
}

TEST(ReportPrepare, UnknownNamesShowEmptyAndAreListedOnce)
{
    FakeOrderData data;
    kvtest::fillDemoOrder(data);
    const PreparedReport r = prepare(QStringLiteral("[_ORDR_NO]|[_ordr_no]|[_POS_NAME]|[_ORDER_NO]"), data);
    EXPECT_EQ(r.bodyHtml, QStringLiteral("|||2024-117"));
    EXPECT_EQ(r.unknownNames, QStringList({QStringLiteral("_ORDR_NO"), QStringLiteral("_POS_NAME")}));
}

TEST(ReportTemplateErrors, SyntaxErrorsNameTheTemplateAndLine)
{
    const struct { const char *text; int line; const char *what; } cases[] = {
        {"a\nb\n<!--#band frdOrderPosSpec-->\nx", 3, "не закрыт блок #band"},
        {"<!--#endband-->", 1, "#endband без открывающей директивы"},
        {"<!--#band frdOrderPosSpec-->\n<!--#if 1-->\n<!--#endband-->", 3, "#endband внутри блока #if из строки 2"},
        {"\n\n<!--#bnad frdOrderPosSpec-->", 3, "неизвестная директива #bnad"},
        {"<!--#band-->", 1, "после #band нужно имя источника данных"},
        {"<!--#band frdOrderPosSpec-->\n<!--#band FRDORDERPOSSPEC-->", 2, "вложен в #band"},
        {"<!--#band frdOrderPosSpec-->x<!--#header-->\n<!--#row-->", 2, "секция #row уже есть"},
        {"<!--#header-->", 1, "секция #header вне #band"},
        {"<!--#if 1--><!--#else--><!--#else-->", 1, "#else после #else"},
        {"<!--#if-->", 1, "после #if нужно условие"},
        {"\n<!--#if (1-->", 2, "Ошибка в выражении"},
        {"x\n[_ORDER_NO + ]", 2, "Ошибка в выражении \"_ORDER_NO +\""},
        {"x\n\n[_ORDER_NO", 3, "не закрыта скобка ["},
        {"['abc]", 1, "не закрыта строка"},
        {"[]", 1, "пустое поле []"},
        {"[_ORDER_TOTAL #Q2]", 1, "Неизвестный формат \"#Q2\""},
        {"[_ORDER_TOTAL #M5]", 1, "число знаков от 0 до 4"},
        {"[_ORDER_TOTAL #Bда]", 1, "B<да>;<нет>"},
        {"\n[PAGE#]", 2, "[PAGE#] выводится только в колонтитуле"},
        {"<!--#set = 1-->", 1, "#set ИМЯ = выражение"},
        {"<!--#pageheader--><!--#band frdOrderPosSpec--><!--#endband--><!--#endpageheader-->", 1, "#band в колонтитуле"},
        {"<!--#pagefooter--><!--#endpagefooter-->\n<!--#pagefooter-->", 2, "#pagefooter уже был"},
        {"<!--#page size=B7-->", 1, "неизвестный размер страницы"},
        {"<!--#page margin=10 200-->", 1, "неверное поле страницы"},
        {"<!--#page margin=100 100-->", 1, "не оставляют места"},
        {"\n<img src=\"kv:drawing\" width=\"80mm\">", 2, "не задан размер (height)"},
        {"<img src=\"kv:picture\" style=\"width:10mm;height:5mm\">", 1, "нет имени"},
        {"<img src=\"kv:chart\" width=\"10\" height=\"10\">", 1, "неизвестный объект \"kv:chart\""},
        {"<img src=\"kv:drawing\" width=\"abc\" height=\"10\">", 1, "неверный размер объекта"},
        {"<img src=\"kv:drawing\" width=\"10\"", 1, "не закрыт тег"},
        {"x\n<!-- note", 2, "не закрыт комментарий"},
        {"<style>td[x]", 1, "не закрыт элемент <style>"},
    };
    for (const auto &c : cases) {
        const QString text = errorOf([&] { ReportTemplate::parse(QString::fromUtf8(c.text), QStringLiteral("order.html")); });
        const QString where = QStringLiteral("Ошибка в шаблоне отчета \"order.html\", строка %1: ").arg(c.line);
        EXPECT_TRUE(text.startsWith(where)) << c.text << "\n  -> " << text.toStdString();
        EXPECT_TRUE(text.contains(QString::fromUtf8(c.what))) << c.text << "\n  -> " << text.toStdString();
    }
    // Blocks nested beyond reason are refused where the limit is passed.
    QString deep;
    for (int i = 0; i < 150; ++i)
        deep += QStringLiteral("<!--#if 1-->\n");
    EXPECT_EQ(errorOf([&] { ReportTemplate::parse(deep, QStringLiteral("order.html")); }),
              QStringLiteral("Ошибка в шаблоне отчета \"order.html\", строка 101: слишком глубокая вложенность блоков (больше 100)"));
}

TEST(ReportTemplateErrors, LoadReadsUtf8AndNamesTheFile)
{
    const QString dir = kvtest::scratchDir();
    const QString good = QDir(dir).filePath(QStringLiteral("good.html"));
    kvtest::writeFile(good, QByteArray("\xEF\xBB\xBF") + QStringLiteral("<p>Заказ [_ORDER_NO]</p>").toUtf8());
    FakeOrderData data;
    kvtest::fillDemoOrder(data);
    const ReportTemplate t = ReportTemplate::load(good);
    EXPECT_EQ(t.name(), QStringLiteral("good.html"));
    EXPECT_EQ(prepareReport(t, data).bodyHtml, QStringLiteral("<p>Заказ 2024-117</p>"));

    // A template saved in Windows-1251 is refused with the line where it shows.
    const QString bad = QDir(dir).filePath(QStringLiteral("bad.html"));
    kvtest::writeFile(bad, QByteArray("<p>ok</p>\n<p>\xC7\xE0\xEA\xE0\xE7</p>\n"));
    EXPECT_EQ(errorOf([&] { ReportTemplate::load(bad); }),
              QStringLiteral("Ошибка в шаблоне отчета \"bad.html\", строка 2: текст не в кодировке UTF-8"));

    const QString missing = QDir(dir).filePath(QStringLiteral("missing.html"));
    EXPECT_EQ(errorOf([&] { ReportTemplate::load(missing); }),
              QStringLiteral("Невозможно прочитать файл отчета!\r\nФайл: %1.").arg(missing));
}

TEST(ReportPrepareErrors, RuntimeErrorsNameTheLineButDataErrorsKeepTheirText)
{
    FakeOrderData data;
    kvtest::fillDemoOrder(data);
    const auto run = [&](const char *text) { return errorOf([&] { prepare(QString::fromUtf8(text), data); }); };
    EXPECT_EQ(run("x\n<!--#band frdNoSuch-->x<!--#endband-->"),
              QStringLiteral("Ошибка в шаблоне отчета \"test.html\", строка 2: неизвестный источник данных \"frdNoSuch\""));
    EXPECT_EQ(run("\n\n[_NO_SUCH_FUNC(1)]"),
              QStringLiteral("Ошибка в шаблоне отчета \"test.html\", строка 3: неизвестная функция _NO_SUCH_FUNC"));
    EXPECT_TRUE(run("\n[_ORDER_PRICEGROUPNO / 0]").startsWith(
        QStringLiteral("Ошибка в шаблоне отчета \"test.html\", строка 2: Ошибка вычисления выражения")));
    EXPECT_TRUE(run("<!--#if 'abc'-->x<!--#endif-->").contains(QStringLiteral("строка 1: ")));
    EXPECT_TRUE(run("[IF(1)]").contains(QStringLiteral("функция IF ожидает от 2 до 3 аргументов")));
    EXPECT_TRUE(run("\n['Стр. ' + [PAGE#]]").contains(QStringLiteral("строка 2: [PAGE#] и [TOTALPAGES]")));
    // A lookup error of the data side ends the preparation with its own message.
    EXPECT_EQ(run("<!--#band frdOrderPosSpec-->[_POS_NO][_FAIL]<!--#endband-->"), data.failText);
    EXPECT_EQ(run("[_MONEYBYWORD_RUS(_FAIL)]"), data.failText);
}

TEST(ReportPrepare, PictureObjectsAreLoadedThroughTheServices)
{
    const QString logo = QDir(kvtest::scratchDir()).filePath(QStringLiteral("logo.png"));
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::green);
    ASSERT_TRUE(image.save(logo));

    FakeOrderData data;
    kvtest::fillDemoOrder(data);
    const QString withLogo = QStringLiteral(
        "<img src=\"kv:picture\" name=\"LogoPicture\" style=\"width: 30mm; height: 15mm\" border=\"1\">"
        "[_LOADLOGO('%1')]").arg(logo);
    const PreparedReport r = prepare(withLogo, data);
    EXPECT_EQ(data.picturesLoaded, QStringList{logo});
    ASSERT_EQ(r.objects.size(), 1u);
    EXPECT_EQ(r.objects[0].kind, ReportObject::Kind::Picture);
    EXPECT_TRUE(r.objects[0].frame);
    EXPECT_EQ(r.objects[0].sizeMm, QSizeF(30, 15));
    EXPECT_EQ(r.pictures.value(QStringLiteral("LOGOPICTURE")).size(), QSize(40, 20));
    EXPECT_EQ(r.bodyHtml, QStringLiteral("<img src=\"kvobj:0\" width=\"113\" height=\"57\">"));

    // Without the object, or with a file that is no image, nothing is loaded.
    FakeOrderData other;
    prepare(QStringLiteral("[_LOADLOGO('%1')]").arg(logo), other);
    EXPECT_TRUE(other.picturesLoaded.isEmpty());
    const PreparedReport broken = prepare(
        QStringLiteral("<img src=\"kv:picture\" name=\"LogoPicture\" width=\"10mm\" height=\"10mm\">"
                       "[_LOADLOGO('%1')]").arg(logo + QStringLiteral(".missing")), other);
    EXPECT_TRUE(other.picturesLoaded.isEmpty());
    EXPECT_TRUE(broken.pictures.isEmpty());
}

TEST(ReportPrepare, DrawingObjectsKeepTheRowTheyWerePlacedIn)
{
    FakeOrderData data;
    kvtest::fillDemoOrder(data);
    data.positions.push_back({3, QStringLiteral("Окно зал"), 1, {}});
    data.drawCaption = false; // no fonts without a GUI application
    const PreparedReport r = prepare(QStringLiteral(
        "<!--#band frdOrderPosSpec-->"
        "<img src=\"kv:drawing\" style=\"width:80mm;height:60mm\" align=\"right\">"
        "<!--#endband-->"), data);
    ASSERT_EQ(r.objects.size(), 3u);
    EXPECT_EQ(r.bodyHtml, QStringLiteral("<img src=\"kvobj:0\" width=\"302\" height=\"227\" align=\"right\">"
                                         "<img src=\"kvobj:1\" width=\"302\" height=\"227\" align=\"right\">"
                                         "<img src=\"kvobj:2\" width=\"302\" height=\"227\" align=\"right\">"));
    EXPECT_EQ(r.objects[0].name, QStringLiteral("KVFImage"));
    EXPECT_EQ(r.objects[0].sizeMm, QSizeF(80, 60));
    // Position 2 has no drawing: its object gets no routine.
    EXPECT_TRUE(r.objects[0].draw);
    EXPECT_FALSE(r.objects[1].draw);
    ASSERT_TRUE(r.objects[2].draw);
    // Painted after the band has ended, each routine still draws its own position.
    QImage canvas(100, 100, QImage::Format_RGB32);
    QPainter painter(&canvas);
    r.objects[2].draw(painter, QRectF(0, 0, 100, 80));
    r.objects[0].draw(painter, QRectF(0, 0, 100, 80));
    EXPECT_EQ(data.drawnPositions, (std::vector<int>{3, 1}));
}

TEST(ReportPrepare, PageHeaderAndFooterAreFilledAfterTheBody)
{
    FakeOrderData data;
    kvtest::fillDemoOrder(data);
    const PreparedReport r = prepare(QStringLiteral(
        "<!--#pageheader-->Заказ [_ORDER_NO], лист [PAGE#] из [TOTALPAGES]<!--#endpageheader-->"
        "<!--#set n = 0--><!--#band frdOrderPosSpec--><!--#set n = n + 1--><!--#endband-->тело"
        "<!--#pagefooter-->позиций: [n]<!--#endpagefooter-->"), data);
    EXPECT_EQ(r.bodyHtml, QStringLiteral("тело"));
    EXPECT_EQ(r.headerHtml, QStringLiteral("Заказ 2024-117, лист ") + PreparedReport::PageToken
                                + QStringLiteral(" из ") + PreparedReport::TotalPagesToken);
    EXPECT_EQ(r.footerHtml, QStringLiteral("позиций: 2"));
}

TEST(ReportTemplate, PageSetupDirective)
{
    const ReportTemplate t = ReportTemplate::parse(
        QStringLiteral("<!--#page size=A5 orientation=landscape margin=5 6mm 7 8-->"), QStringLiteral("p.html"));
    EXPECT_EQ(t.page().size, QPageSize::A5);
    EXPECT_EQ(t.page().orientation, QPageLayout::Landscape);
    EXPECT_EQ(t.page().marginsMm, QMarginsF(8, 5, 6, 7));
    EXPECT_EQ(t.page().paperSizeMm(), QSizeF(210, 148));
    const ReportTemplate d = ReportTemplate::parse(QStringLiteral("<!--#page margin=0-->"), QStringLiteral("p.html"));
    EXPECT_EQ(d.page().size, QPageSize::A4);
    EXPECT_EQ(d.page().marginsMm, QMarginsF(0, 0, 0, 0));
}
