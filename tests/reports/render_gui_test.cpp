// Rendering prepared reports: PDF pages checked with poppler's tools, page
// images, and the unpaged exports.
#include "FakeReportData.h"
#include "support/TestSupport.h"

#include "reports/ReportExport.h"
#include "reports/ReportLayout.h"
#include "reports/ReportPrepare.h"
#include "reports/ReportTemplate.h"
#include "tools/Errors.h"
#include "tools/Win1251.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>

using namespace kv;
using kvtest::FakeOrderData;

namespace {

QString scratch(const QString &name) { return QDir(kvtest::scratchDir()).filePath(name); }

// Standard output of a poppler tool; fails the test when it cannot run.
QString runTool(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString() << " failed: " << p.readAllStandardError().toStdString();
        return QString();
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString pdfText(const QString &pdf, int page = 0)
{
    QStringList args{QStringLiteral("-enc"), QStringLiteral("UTF-8")};
    if (page > 0)
        args << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l") << QString::number(page);
    args << pdf << QStringLiteral("-");
    return runTool(QStringLiteral("pdftotext"), args);
}

QString pdfInfo(const QString &pdf, const QString &key)
{
    const QString info = runTool(QStringLiteral("pdfinfo"), {pdf});
    const auto m = QRegularExpression(QStringLiteral("^%1:\\s*(.*)$").arg(key), QRegularExpression::MultilineOption).match(info);
    return m.hasMatch() ? m.captured(1).trimmed() : QString();
}

PreparedReport prepare(const QString &text, FakeOrderData &data)
{
    return prepareReport(ReportTemplate::parse(text, QStringLiteral("render.html")), data);
}

// An order of many one-line rows under a table header, with page header and footer.
QString longListTemplate(int rows)
{
    QString t = QStringLiteral(
        "<html><head><meta charset=\"utf-8\"><style>td, th { padding: 2px; } th { background: #ddd; }</style></head><body>"
        "<!--#pageheader--><p>Заказ № [_ORDER_NO]</p><!--#endpageheader-->"
        "<h2>Список</h2>"
        "<table border=\"1\" cellspacing=\"0\" width=\"100%\"><thead><tr><th>Колонка номер</th><th>Значение</th></tr></thead><tbody>");
    for (int i = 1; i <= rows; ++i)
        t += QStringLiteral("<tr><td>Строка %1</td><td>[_ORDER_NO]</td></tr>").arg(i);
    t += QStringLiteral("</tbody></table>"
                        "<!--#pagefooter--><p align=\"right\">Страница [PAGE#] из [TOTALPAGES]</p><!--#endpagefooter-->"
                        "</body></html>");
    return t;
}

QRect colourBox(const QImage &img, bool (*match)(QRgb))
{
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (match(img.pixel(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}

bool isRed(QRgb c) { return qRed(c) > 180 && qGreen(c) < 90 && qBlue(c) < 90; }
bool isPaleBlue(QRgb c) { return qAbs(qRed(c) - 220) < 6 && qAbs(qGreen(c) - 235) < 6 && qBlue(c) > 248; }

} // namespace

TEST(ReportPdf, PagesCarryNumbersRepeatedTableHeaderAndEveryRowOnce)
{
    FakeOrderData data;
    kvtest::fillDemoOrder(data);
    const int rows = 150;
    const PreparedReport report = prepare(longListTemplate(rows), data);
    const QString pdf = scratch(QStringLiteral("long.pdf"));
    writePdf(report, pdf);

    const int pages = pdfInfo(pdf, QStringLiteral("Pages")).toInt();
    EXPECT_GE(pages, 3);
    EXPECT_EQ(pages, pageCount(report));
    EXPECT_TRUE(pdfInfo(pdf, QStringLiteral("Page size")).startsWith(QStringLiteral("595 x 842 pts (A4)")));

    int expectedRow = 1;
    for (int page = 1; page <= pages; ++page) {
        const QString text = pdfText(pdf, page);
        EXPECT_TRUE(text.contains(QStringLiteral("Страница %1 из %2").arg(page).arg(pages))) << page;
        EXPECT_EQ(text.count(QStringLiteral("Заказ № 2024-117")), 1) << page;
        EXPECT_EQ(text.count(QStringLiteral("Колонка номер")), 1) << "table header on page " << page;
        // The rows continue where the previous page stopped.
        const auto it = QRegularExpression(QStringLiteral("Строка (\\d+)")).globalMatch(text);
        auto match = it;
        int onPage = 0;
        while (match.hasNext()) {
            EXPECT_EQ(match.next().captured(1).toInt(), expectedRow) << "page " << page;
            ++expectedRow;
            ++onPage;
        }
        EXPECT_GT(onPage, 0) << page;
    }
    EXPECT_EQ(expectedRow, rows + 1);
}

TEST(ReportPdf, DrawingsAreVectorAndMissingOnesShowTheSketchCaption)
{
    FakeOrderData data;
    kvtest::fillDemoOrder(data);
    const PreparedReport report = prepare(QStringLiteral(
        "<p>Позиции</p><!--#band frdOrderPosSpec-->"
        "<p>[_POS_NO]. [_POS_NAME]<br><img src=\"kv:drawing\" style=\"width:80mm;height:60mm\" border=\"1\"></p>"
        "<!--#endband-->"), data);
    const QString pdf = scratch(QStringLiteral("drawing.pdf"));
    writePdf(report, pdf);
    const QString text = pdfText(pdf);
    // Position 1 is drawn by its routine (its caption is real text in the PDF),
    // position 2 has none and shows the sketch caption.
    EXPECT_EQ(text.count(QStringLiteral("ЧЕРТЕЖ 1")), 1);
    EXPECT_EQ(text.count(QStringLiteral("ЭСКИЗ ИЗДЕЛИЯ")), 1);
    ASSERT_EQ(data.drawnRects.size(), 1u);
    // 80 x 60 mm at 1200 dots per inch.
    EXPECT_NEAR(data.drawnRects[0].width(), 80 / 25.4 * 1200, 1.0);
    EXPECT_NEAR(data.drawnRects[0].height(), 60 / 25.4 * 1200, 1.0);
    // Left margin 15 mm.
    EXPECT_NEAR(data.drawnRects[0].left(), 15 / 25.4 * 1200, 2.0);

    // On a page image the routine's fill covers the object's box (inset by
    // 5 %), and the sketch caption is red.
    data.drawnRects.clear();
    const QImage page = renderPageImage(report, 0, 100);
    EXPECT_EQ(page.size(), QSize(827, 1169));
    const QRect fill = colourBox(page, isPaleBlue);
    EXPECT_NEAR(fill.width(), 80 * 0.9 / 25.4 * 100, 3);
    EXPECT_NEAR(fill.height(), 60 * 0.9 / 25.4 * 100, 3);
    const QRect red = colourBox(page, isRed);
    ASSERT_FALSE(red.isEmpty());
    EXPECT_GT(red.top(), fill.bottom()); // below the first drawing, in the second object
}

TEST(ReportPdf, ZeroMarginsAndLandscape)
{
    FakeOrderData data;
    kvtest::fillDemoOrder(data);
    const PreparedReport report = prepare(QStringLiteral(
        "<!--#page orientation=landscape margin=0--><!--#band frdOrderPosSpec-->"
        "<img src=\"kv:drawing\" width=\"30mm\" height=\"20mm\"><!--#endband-->"
        "<p>Конец [_ORDER_NO]</p>"), data);
    const QString pdf = scratch(QStringLiteral("landscape.pdf"));
    writePdf(report, pdf);
    EXPECT_TRUE(pdfInfo(pdf, QStringLiteral("Page size")).startsWith(QStringLiteral("842 x 595 pts (A4)")));
    EXPECT_TRUE(pdfText(pdf).contains(QStringLiteral("Конец 2024-117")));
    ASSERT_EQ(data.drawnRects.size(), 1u);
    // The first object sits in the paper's corner.
    EXPECT_NEAR(data.drawnRects[0].left(), 0, 1.0);
    EXPECT_NEAR(data.drawnRects[0].top(), 0, 1.0);
}

TEST(ReportPdf, PageBandsThatLeaveNoRoomAreRefused)
{
    FakeOrderData data;
    QString tall = QStringLiteral("<!--#pageheader-->");
    for (int i = 0; i < 80; ++i)
        tall += QStringLiteral("<p>строка</p>");
    tall += QStringLiteral("<!--#endpageheader-->тело");
    const PreparedReport report = prepare(tall, data);
    try {
        writePdf(report, scratch(QStringLiteral("tall.pdf")));
        FAIL() << "no error";
    } catch (const Error &e) {
        EXPECT_EQ(e.text(), QStringLiteral("Колонтитулы страницы не оставляют места для данных отчета \"render.html\""));
    }
    EXPECT_FALSE(QFile::exists(scratch(QStringLiteral("tall.pdf"))));
}

namespace {

const char *kMaterialList =
    "<html><head><meta charset=\"utf-8\"></head><body>"
    "<h1>Материалы заказа [_ORDER_NO]</h1>[_INIT_ORDERMATLIST('SORT_BY_NAME')]"
    "<!--#band frdOrderMatList--><!--#header-->"
    "<table border=\"1\"><thead><tr><th>Код</th><th>Наименование</th><th>Кол-во</th><th>Сумма</th></tr></thead>"
    "<!--#row--><tr><td>[_OMS_ID]</td><td>[_OMS_NAME]</td><td>[_OMS_NUMBER]</td><td>[_OMS_COST]</td></tr>"
    "<!--#footer--><tr><td colspan=\"3\">Итого</td><td>[_ORDER_TOTAL]</td></tr></table><!--#endband-->"
    "<p>Примечание: [_ORDER_REMARK]</p>"
    "<img src=\"kv:drawing\" width=\"20mm\" height=\"10mm\">"
    "</body></html>";

} // namespace

TEST(ReportExport, CsvAndPlainTextFollowTheTables)
{
    FakeOrderData data;
    kvtest::fillDemoOrder(data);
    const PreparedReport report = prepare(QString::fromUtf8(kMaterialList), data);

    EXPECT_EQ(toCsv(report),
              QStringLiteral("Код;Наименование;Кол-во;Сумма\n"
                             "M-2;\"Запор \"\"угловой\"\"\";4;4 000,00\n"
                             "M-3;Петля верхняя;2;300,00\n"
                             "M-1;\"Ручка; белая\";1;499,50\n"
                             "Итого;;;1 234 567,90\n"));
    EXPECT_EQ(toPlainText(report),
              QStringLiteral("Материалы заказа 2024-117\n"
                             "Код\tНаименование\tКол-во\tСумма\n"
                             "M-2\tЗапор \"угловой\"\t4\t4 000,00\n"
                             "M-3\tПетля верхняя\t2\t300,00\n"
                             "M-1\tРучка; белая\t1\t499,50\n"
                             "Итого\t\t\t1 234 567,90\n"
                             "Примечание: первая строка\nвторая строка\n"));

    const QString csv = scratch(QStringLiteral("list.csv"));
    writeCsv(report, csv);
    const QByteArray bytes = kvtest::readFile(csv);
    EXPECT_TRUE(bytes.startsWith(cp1251::encode(QStringLiteral("Код;Наименование;Кол-во;Сумма\r\nM-2;"))));
    writeCsv(report, csv, TextEncoding::Utf8);
    EXPECT_TRUE(kvtest::readFile(csv).startsWith(QByteArray("\xEF\xBB\xBF") + QStringLiteral("Код;").toUtf8()));
    const QString txt = scratch(QStringLiteral("list.txt"));
    writeText(report, txt);
    EXPECT_EQ(cp1251::decode(kvtest::readFile(txt)), toPlainText(report).replace(QStringLiteral("\n"), QStringLiteral("\r\n")));
}

TEST(ReportExport, HtmlEmbedsObjectsAndOdtCarriesTextAndPictures)
{
    FakeOrderData data;
    kvtest::fillDemoOrder(data);
    const PreparedReport report = prepare(QString::fromUtf8(kMaterialList), data);

    const QString html = toHtml(report);
    EXPECT_FALSE(html.contains(PreparedReport::ObjectScheme));
    EXPECT_EQ(html.count(QStringLiteral("<img src=\"data:image/png;base64,")), 1);
    EXPECT_TRUE(html.contains(QStringLiteral("style=\"width:20.0mm;height:10.0mm\"")));
    EXPECT_TRUE(html.contains(QStringLiteral("<td>Петля верхняя</td>")));
    const QString htmlFile = scratch(QStringLiteral("list.html"));
    writeHtml(report, htmlFile);
    EXPECT_EQ(QString::fromUtf8(kvtest::readFile(htmlFile).mid(3)), html);

    const QString odt = scratch(QStringLiteral("list.odt"));
    writeOdt(report, odt);
    const QString content = runTool(QStringLiteral("unzip"), {QStringLiteral("-p"), odt, QStringLiteral("content.xml")});
    EXPECT_TRUE(content.contains(QStringLiteral("Материалы заказа 2024-117")));
    EXPECT_TRUE(content.contains(QStringLiteral("Петля верхняя")));
    const QString listing = runTool(QStringLiteral("unzip"), {QStringLiteral("-l"), odt});
    EXPECT_TRUE(listing.contains(QStringLiteral("Pictures/"))) << listing.toStdString();
}

TEST(ReportExport, WriteFailuresAreReported)
{
    FakeOrderData data;
    const PreparedReport report = prepare(QStringLiteral("<p>x</p>"), data);
    const QString path = scratch(QStringLiteral("no-such-dir/out.pdf"));
    try {
        writePdf(report, path);
        FAIL() << "no error";
    } catch (const Error &e) {
        EXPECT_TRUE(e.text().startsWith(QStringLiteral("Ошибка записи файла %1\r\n(").arg(path))) << e.text().toStdString();
    }
    EXPECT_THROW(renderPageImage(report, 1, 100), Error);
}

TEST(ReportSample, QuotationRendersAsADocument)
{
    FakeOrderData data;
    kvtest::fillDemoOrder(data);
    const auto text = [](const char *s) { return ReportValue::text(QString::fromUtf8(s)); };
    data.order.insert(QStringLiteral("_KVF_FIRMNAME"), text("ООО «Окна Севера»"));
    data.order.insert(QStringLiteral("_KVF_ADDRESS"), text("г. Вологда, ул. Стекольная, 12"));
    data.order.insert(QStringLiteral("_KVF_PHONES"), text("8172 55-10-20,55-10-21"));
    data.order.insert(QStringLiteral("_KVF_EMAIL"), text("zakaz@okna-severa.example"));
    data.order.insert(QStringLiteral("_KVF_DIRECTOR"), text("И. П. Смирнов"));
    data.order.insert(QStringLiteral("_ORDER_CUSTOMER"), text("Петров Алексей Николаевич"));
    data.order.insert(QStringLiteral("_ORDER_OBJ"), text("Дача, пос. Лесной, д. 4"));
    data.order.insert(QStringLiteral("_ORDER_PHONE"), text("+7 921 000-00-00"));
    data.order.insert(QStringLiteral("_ORDER_TOTAL"), ReportValue::money(Money::fromRaw(52995000)));
    data.moneyWords = QStringLiteral("Пять тысяч двести девяносто девять рублей 50 копеек");
    data.positions.push_back({3, QStringLiteral("Окно зал, двустворчатое"), 3,
                              {{QStringLiteral("Поворотно-откидная створка"),
                                {{QStringLiteral("GM-1200"), 1, 1180}, {QStringLiteral("SH-2"), 2, 0},
                                 {QStringLiteral("ZP-40"), 3, 0}, {QStringLiteral("RU-10"), 1, 0}}},
                               {QStringLiteral("Поворотная створка"), {{QStringLiteral("PT-7"), 2, 0}}}}});
    const QString logo = scratch(QStringLiteral("logo.png"));
    {
        QImage image(500, 180, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(QColor(31, 58, 96));
        p.setPen(Qt::NoPen);
        p.drawRoundedRect(QRectF(0, 20, 140, 140), 20, 20);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(30, 50, 35, 80));
        p.drawRect(QRectF(75, 50, 35, 80));
        p.setPen(QColor(31, 58, 96));
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(48);
        f.setBold(true);
        p.setFont(f);
        p.drawText(QRectF(160, 20, 340, 140), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("ОКНА\nСЕВЕРА"));
        p.end();
        ASSERT_TRUE(image.save(logo));
    }
    data.order.insert(QStringLiteral("LOGOFILE"), ReportValue::text(logo));

    const ReportTemplate t = ReportTemplate::load(kvtest::sourcePath(QStringLiteral("tests/reports/data/quotation.html")));
    const PreparedReport report = prepareReport(t, data);
    EXPECT_TRUE(report.unknownNames.isEmpty()) << report.unknownNames.join(u',').toStdString();
    const QString pdf = scratch(QStringLiteral("quotation.pdf"));
    writePdf(report, pdf);
    const QString all = pdfText(pdf);
    for (const char *needle : {"Коммерческое предложение № 2024-117", "от 5 марта 2024 г.", "Позиция 3. Окно зал",
                               "GM-1200", "1 180", "Петля верхняя", "5 299,50", "ЭСКИЗ ИЗДЕЛИЯ", "ЧЕРТЕЖ 1",
                               "Пять тысяч двести девяносто девять рублей 50 копеек", "В том числе НДС 18,5%"})
        EXPECT_TRUE(all.contains(QString::fromUtf8(needle))) << needle;
    const int pages = pdfInfo(pdf, QStringLiteral("Pages")).toInt();
    EXPECT_GE(pages, 1);
    for (int page = 1; page <= pages; ++page)
        EXPECT_TRUE(pdfText(pdf, page).contains(QStringLiteral("Страница %1 из %2").arg(page).arg(pages)));

    // The first page as a picture, for a look with the eyes.
    const QString prefix = scratch(QStringLiteral("quotation"));
    runTool(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("110"),
                                         QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                                         QStringLiteral("1"), QStringLiteral("-singlefile"), pdf, prefix});
    const QImage shot(prefix + QStringLiteral(".png"));
    ASSERT_FALSE(shot.isNull());
    EXPECT_NEAR(shot.width(), 210 / 25.4 * 110, 2);
    EXPECT_NEAR(shot.height(), 297 / 25.4 * 110, 2);
    const QByteArray shots = qgetenv("KARVELO_SHOTS_DIR");
    if (!shots.isEmpty()) {
        const QString target = QDir(QString::fromLocal8Bit(shots)).filePath(QStringLiteral("quotation-page1.png"));
        QFile::remove(target);
        QFile::copy(prefix + QStringLiteral(".png"), target);
    }
}

TEST(ReportPdf, OrdinaryImagesAreReadBesideTheTemplate)
{
    const QString dir = scratch(QStringLiteral("templates"));
    QDir().mkpath(dir);
    QImage stamp(60, 60, QImage::Format_RGB32);
    stamp.fill(QColor(0, 200, 0));
    ASSERT_TRUE(stamp.save(QDir(dir).filePath(QStringLiteral("stamp.png"))));
    const QString file = QDir(dir).filePath(QStringLiteral("stamp.html"));
    kvtest::writeFile(file, QByteArray("<p>М.П. <img src=\"stamp.png\" width=\"120\" height=\"120\"></p>"));
    FakeOrderData data;
    const PreparedReport report = prepareReport(ReportTemplate::load(file), data);
    const QImage page = renderPageImage(report, 0, 96);
    const QRect green = colourBox(page, [](QRgb c) { return qRed(c) < 30 && qGreen(c) > 170 && qBlue(c) < 30; });
    // 120 HTML pixels are 120 pixels at 96 per inch.
    EXPECT_NEAR(green.width(), 120, 2);
    EXPECT_NEAR(green.height(), 120, 2);
}
