// The TBM and Vorne text requests, compared with files composed by hand
// column by column.
#include "export/TextExports.h"

#include "FakeCatalog.h"
#include "support/QStringPrinter.h"
#include "support/TestSupport.h"
#include "tools/RecordingMessages.h"
#include "tools/Win1251.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <clocale>

using namespace kv;
using namespace kvtest;
using Kind = RecordingMessageSink::Kind;

namespace {

QString blanks(int n) { return QString(n, QLatin1Char(' ')); }

const QString Dashes80(80, QLatin1Char('-'));
const QString Dashes148(148, QLatin1Char('-'));

QByteArray crlfFile(const QStringList &lines)
{
    return cp1251::encode(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

ExportRequest sampleRequest()
{
    ExportRequest r;
    r.firmId = QStringLiteral("F7");
    r.firmName = QStringLiteral("ООО «Окна»");
    r.number = 12;
    r.name = QStringLiteral("Заказ 345");
    r.date = QDate(2024, 3, 5);
    return r;
}

ExportMaterial material(const QString &code, double quantity, qint64 priceRaw = 0,
                        qint64 costRaw = 0, qint64 discountRaw = 0)
{
    ExportMaterial m;
    m.article = code;
    m.quantity = quantity;
    m.catalogPrice = Money::fromRaw(priceRaw);
    m.price = Money::fromRaw(priceRaw - discountRaw);
    m.discount = Money::fromRaw(discountRaw);
    m.cost = Money::fromRaw(costRaw);
    return m;
}

FakeCatalog sampleCatalog()
{
    FakeCatalog c;
    c.add(QStringLiteral("A-100"), {QStringLiteral("P-100"), QStringLiteral("ART2-100"),
                                    QStringLiteral("Ручка оконная"), QStringLiteral("шт")});
    c.add(QStringLiteral("B-200"), {QStringLiteral("PB"), QString(),
                                    QStringLiteral("Петля верхняя для поворотно-откидной створки с регулировкой"),
                                    QStringLiteral("  компл. ")});
    c.add(QStringLiteral("C-3"), {QString(), QStringLiteral("  VERY-LONG-ARTICLE-CODE  "),
                                  QStringLiteral("  Тяга  "), QStringLiteral("погонный метр")});
    c.add(QStringLiteral("ё-7"), {QStringLiteral("ЁЛКА-7"), QString(),
                                  QStringLiteral("Петля нижняя для поворотно-откидной створки, усиленная"),
                                  QStringLiteral("компл.")});
    c.add(QStringLiteral("я-9"), {QStringLiteral("Я-9"), QString(), QStringLiteral("Уплотнитель"),
                                  QStringLiteral("м")});
    return c;
}

QStringList tbmHead()
{
    return {blanks(20) + QStringLiteral("Шифр фирмы F7"),
            blanks(20) + QStringLiteral("Фирма ООО «Окна»"),
            blanks(20) + QStringLiteral("Заявка № 12"),
            blanks(20) + QStringLiteral("Название Заказ 345"),
            blanks(20) + QStringLiteral("Дата заявки 05.03.2024"),
            Dashes80,
            QStringLiteral("    Артикул                       Название                      Кол.  Ед.изм.   "),
            Dashes80};
}

const QString TbmLineA = QStringLiteral("ART2-100") + blanks(8) + QStringLiteral("Ручка оконная")
                         + blanks(32) + blanks(5) + QStringLiteral("12") + blanks(7) + QStringLiteral("шт");

QStringList tbmFoot()
{
    return {Dashes80, blanks(80),
            blanks(20) + QStringLiteral("Заявку составил________________________") + blanks(21)};
}

QStringList vorneHead()
{
    QStringList head = tbmHead();
    head[5] = head[7] = Dashes148;
    head[6] = QStringLiteral("    Артикул                       Название                      Кол.  Ед.изм. "
                             "Цена без скидки      Скидка       Цена со скидкой        Сумма        ");
    return head;
}

QStringList vorneFoot()
{
    return {Dashes148, blanks(148),
            blanks(64) + QStringLiteral("Заявку составил________________________") + blanks(45)};
}

const QString VorneLineA = QStringLiteral("P-100") + blanks(11) + QStringLiteral("Ручка оконная")
                           + blanks(32) + blanks(5) + QStringLiteral("12") + blanks(7)
                           + QStringLiteral("шт") + blanks(10) + QStringLiteral("12.5000") + blanks(11)
                           + QStringLiteral("0.0000") + blanks(10) + QStringLiteral("12.5000")
                           + blanks(9) + QStringLiteral("150.0000");
const QString VorneLineC = blanks(16) + QStringLiteral("Тяга") + blanks(41) + blanks(6)
                           + QStringLiteral("3") + QStringLiteral("нный метр") + blanks(5)
                           + QStringLiteral("1234567.8901") + blanks(11) + QStringLiteral("1.5000")
                           + blanks(5) + QStringLiteral("1234566.3901") + blanks(5)
                           + QStringLiteral("3086415.9753");

QByteArray writeToBuffer(void (*writer)(QIODevice &, const ExportRequest &, const ExportMaterials &,
                                        const ExportCatalog &),
                         const ExportRequest &request, const ExportMaterials &materials)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    writer(buffer, request, materials, sampleCatalog());
    return buffer.data();
}

// A Russian locale must not turn the decimal point into a comma.
class RussianLocale
{
public:
    RussianLocale() : m_previous(QLocale())
    {
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        std::setlocale(LC_NUMERIC, "ru_RU.UTF-8");
    }
    ~RussianLocale()
    {
        QLocale::setDefault(m_previous);
        std::setlocale(LC_NUMERIC, "C");
    }

private:
    QLocale m_previous;
};

QString freshDir(const QString &name)
{
    const QString dir = QDir(scratchDir()).filePath(name);
    QDir(dir).removeRecursively();
    QDir().mkpath(dir);
    return dir;
}

} // namespace

TEST(TbmExport, WritesTheHandComposedFile)
{
    const ExportMaterials materials = {material(QStringLiteral("A-100"), 12),
                                       material(QStringLiteral("B-200"), 2.5),
                                       material(QStringLiteral("C-3"), 123456789)};
    const QByteArray bytes = writeToBuffer(writeTbm, sampleRequest(), materials);

    const QStringList lines = tbmHead()
        + QStringList{TbmLineA,
                      // no second article: 16 blanks; the name cut to 45 characters
                      blanks(16) + QStringLiteral("Петля верхняя для поворотно-откидной створки ")
                          + blanks(6) + QStringLiteral("3") + blanks(3) + QStringLiteral("компл."),
                      // article cut to its first 16, quantity and unit to their last 7 and 9
                      QStringLiteral("VERY-LONG-ARTICL") + QStringLiteral("Тяга") + blanks(41)
                          + QStringLiteral("3456789") + QStringLiteral("нный метр")}
        + tbmFoot();
    EXPECT_EQ(bytes, crlfFile(lines));

    // Windows-1251 bytes, CR LF endings.
    EXPECT_TRUE(bytes.startsWith(QByteArray(20, ' ') + "\xD8\xE8\xF4\xF0 \xF4\xE8\xF0\xEC\xFB F7\r\n"));
    EXPECT_TRUE(bytes.contains("\xD4\xE8\xF0\xEC\xE0 \xCE\xCE\xCE \xAB\xCE\xEA\xED\xE0\xBB\r\n"));
}

TEST(TbmExport, EmptyListKeepsHeaderAndFooterAndDateFollowsFormat)
{
    ExportRequest request = sampleRequest();
    request.dateFormat = QStringLiteral("yyyy-MM-dd");
    const QByteArray bytes = writeToBuffer(writeTbm, request, {});
    QStringList lines = tbmHead() + tbmFoot();
    lines[4] = blanks(20) + QStringLiteral("Дата заявки 2024-03-05");
    EXPECT_EQ(bytes, crlfFile(lines));
}

TEST(VorneExport, WritesSortedPricedLinesWithPointDecimalsInAnyLocale)
{
    RussianLocale russian;
    // Out of code order on purpose; ё sorts before я in Windows-1251 although
    // not in UTF-16.
    const ExportMaterials materials = {
        material(QStringLiteral("C-3"), 2.5, 12345678901, 30864159753, 15000),
        material(QStringLiteral("я-9"), 100, 7500, 750000),
        material(QStringLiteral("ё-7"), 1, 1, 1),
        material(QStringLiteral("A-100"), 12, 125000, 1500000),
    };
    const QByteArray bytes = writeToBuffer(writeVorne, sampleRequest(), materials);

    const QStringList lines = vorneHead()
        + QStringList{VorneLineA, VorneLineC,
                      QStringLiteral("ЁЛКА-7") + blanks(10)
                          + QStringLiteral("Петля нижняя для поворотно-откидной створки, ") + blanks(6)
                          + QStringLiteral("1") + blanks(3) + QStringLiteral("компл.")
                          + blanks(11) + QStringLiteral("0.0001") + blanks(11) + QStringLiteral("0.0000")
                          + blanks(11) + QStringLiteral("0.0001") + blanks(11) + QStringLiteral("0.0001"),
                      QStringLiteral("Я-9") + blanks(13) + QStringLiteral("Уплотнитель") + blanks(34)
                          + blanks(4) + QStringLiteral("100") + blanks(8) + QStringLiteral("м")
                          + blanks(11) + QStringLiteral("0.7500") + blanks(11) + QStringLiteral("0.0000")
                          + blanks(11) + QStringLiteral("0.7500") + blanks(10) + QStringLiteral("75.0000")}
        + vorneFoot();
    EXPECT_EQ(bytes, crlfFile(lines));
}

TEST(TextExports, WholeQuantityRoundsHalvesAwayFromZero)
{
    const struct { double q; const char *text; } cases[] = {
        {12, "12"}, {2.5, "3"}, {2.4, "2"}, {0.5, "1"}, {-2.5, "-3"}, {-0.4, "0"},
        {1e9, "1000000000"}, {2.5f, "3"}, {0.1f * 3, "0"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(formatWholeQuantity(c.q), QString::fromLatin1(c.text)) << c.q;
}

TEST(TextExports, FileNamesFromFirmCodeAndNumber)
{
    const struct { const char *dir, *firm; int number; const char *ext, *expected; } cases[] = {
        {"/data/export", "F7", 12, "xml", "/data/export/ZF70012.xml"},
        {"/data/export", "", 12, "xml", "/data/export/Z0012.xml"},
        {"/data/export/", "0000", 1, "txt", "/data/export/Z00000001.txt"},
        {"/data/export", "F7", 12345, "txt", "/data/export/ZF712345.txt"},
        {"/data/export", "A", -5, "txt", "/data/export/ZA-0005.txt"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(exportFileName(QString::fromLatin1(c.dir), QString::fromLatin1(c.firm), c.number,
                                 QString::fromLatin1(c.ext)),
                  QString::fromLatin1(c.expected));
    }
}

TEST(TextExports, FileCommandCreatesDirectoriesAndWritesTheFile)
{
    RecordingMessages rec;
    const QString file = freshDir(QStringLiteral("text-new")) + QStringLiteral("/a/b/Z00000001.txt");
    const FakeCatalog catalog = sampleCatalog();
    const ExportMaterials materials = {material(QStringLiteral("A-100"), 12)};
    EXPECT_EQ(exportTbm(file, sampleRequest(), [&] { return materials; }, catalog),
              ExportResult::Written);
    EXPECT_TRUE(rec.isEmpty()) << rec.texts().join(QStringLiteral(" | ")).toStdString();
    EXPECT_EQ(readFile(file), crlfFile(tbmHead() + QStringList{TbmLineA} + tbmFoot()));
}

TEST(TextExports, OverwriteQuestionDecidesAboutAnExistingFile)
{
    const FakeCatalog catalog = sampleCatalog();
    const ExportMaterials materials = {material(QStringLiteral("A-100"), 12, 125000, 1500000)};
    const QString file = freshDir(QStringLiteral("text-overwrite")) + QStringLiteral("/ZF70012.txt");
    for (bool tbm : {true, false}) {
        for (bool replace : {false, true}) {
            SCOPED_TRACE(testing::Message() << "tbm " << tbm << " replace " << replace);
            writeFile(file, "earlier request\r\n");
            RecordingMessages rec;
            rec.queueAnswer(replace);
            const auto provider = [&] { return materials; };
            const ExportResult result = tbm ? exportTbm(file, sampleRequest(), provider, catalog)
                                            : exportVorne(file, sampleRequest(), provider, catalog);
            ASSERT_EQ(rec.calls().size(), 1);
            EXPECT_EQ(rec.calls().at(0).kind, Kind::OkCancel);
            EXPECT_EQ(rec.calls().at(0).text,
                      QStringLiteral("Файл [%1] уже существует!\r\nПереписать?").arg(file));
            if (!replace) {
                EXPECT_EQ(result, ExportResult::Declined);
                EXPECT_EQ(readFile(file), QByteArray("earlier request\r\n"));
            } else {
                EXPECT_EQ(result, ExportResult::Written);
                EXPECT_EQ(readFile(file), tbm ? crlfFile(tbmHead() + QStringList{TbmLineA} + tbmFoot())
                                              : crlfFile(vorneHead() + QStringList{VorneLineA} + vorneFoot()));
            }
        }
    }
}

TEST(TextExports, MissingCatalogueDataKeepsTheLinesWrittenBefore)
{
    FakeCatalog catalog = sampleCatalog();
    catalog.addWithoutUnit(QStringLiteral("U-1"), QStringLiteral("Без единицы"));
    const QString dir = freshDir(QStringLiteral("text-missing"));
    const QString noName = QStringLiteral("В каталоге отсутствуют данные для [X-404]!\r\n(Поиск [Наименование] через [Код])");
    const QString noUnit = QStringLiteral("В каталоге отсутствуют данные для [U-1]!\r\n(Поиск [Ед.изм] через [Код])");
    const ExportMaterials withMissingName = {material(QStringLiteral("A-100"), 12, 125000, 1500000),
                                             material(QStringLiteral("X-404"), 1),
                                             material(QStringLiteral("C-3"), 2.5, 12345678901, 30864159753, 15000)};
    // Sorted for Vorne: A-100, C-3, X-404, so both lines precede the failure there.
    const ExportMaterials withMissingUnit = {material(QStringLiteral("A-100"), 12, 125000, 1500000),
                                             material(QStringLiteral("U-1"), 1),
                                             material(QStringLiteral("C-3"), 2.5, 12345678901, 30864159753, 15000)};
    const struct {
        bool tbm;
        ExportMaterials materials;
        QString reason;
        QStringList written;
    } cases[] = {
        {true, withMissingName, noName, tbmHead() + QStringList{TbmLineA}},
        {true, withMissingUnit, noUnit, tbmHead() + QStringList{TbmLineA}},
        {false, withMissingName, noName, vorneHead() + QStringList{VorneLineA, VorneLineC}},
        {false, withMissingUnit, noUnit, vorneHead() + QStringList{VorneLineA, VorneLineC}},
    };
    int n = 0;
    for (const auto &c : cases) {
        SCOPED_TRACE(n);
        const QString file = dir + QStringLiteral("/Z%1.txt").arg(++n);
        RecordingMessages rec;
        const ExportMaterials materials = c.materials;
        const auto provider = [&] { return materials; };
        const ExportResult result = c.tbm ? exportTbm(file, sampleRequest(), provider, catalog)
                                          : exportVorne(file, sampleRequest(), provider, catalog);
        EXPECT_EQ(result, ExportResult::Failed);
        EXPECT_EQ(rec.texts(Kind::Error),
                  QStringList{QStringLiteral("Ошибка записи данных в файл экспорта %1 %2!\r\n%3")
                                  .arg(c.tbm ? QStringLiteral("ТБМ Навигатор") : QStringLiteral("Ворне Бела"),
                                       file, c.reason)});
        EXPECT_EQ(readFile(file), crlfFile(c.written));
    }
}

TEST(TextExports, FailuresWhileBuildingOrStoringAreReported)
{
    const FakeCatalog catalog = sampleCatalog();
    {
        // The material list fails to build: the same message, the file left empty.
        RecordingMessages rec;
        const QString file = freshDir(QStringLiteral("text-build")) + QStringLiteral("/Z1.txt");
        const ExportResult result = exportVorne(file, sampleRequest(), []() -> ExportMaterials {
            throw Error(QStringLiteral("Значение текущей валюты = 0!"));
        }, catalog);
        EXPECT_EQ(result, ExportResult::Failed);
        EXPECT_EQ(rec.texts(Kind::Error),
                  QStringList{QStringLiteral("Ошибка записи данных в файл экспорта Ворне Бела %1!\r\n"
                                             "Значение текущей валюты = 0!").arg(file)});
        EXPECT_TRUE(QFile::exists(file));
        EXPECT_TRUE(readFile(file).isEmpty());
    }
    if (QFile::exists(QStringLiteral("/dev/full"))) {
        // A full disk is a failure, not a written file.
        RecordingMessages rec;
        rec.queueAnswer(true);
        const ExportMaterials materials = {material(QStringLiteral("A-100"), 12)};
        EXPECT_EQ(exportTbm(QStringLiteral("/dev/full"), sampleRequest(), [&] { return materials; }, catalog),
                  ExportResult::Failed);
        ASSERT_EQ(rec.count(Kind::Error), 1);
        EXPECT_TRUE(rec.texts(Kind::Error).at(0).startsWith(
            QStringLiteral("Ошибка записи данных в файл экспорта ТБМ Навигатор /dev/full!\r\n")));
    }
    {
        // The directory cannot be made (a file is in the way).
        RecordingMessages rec;
        const QString dir = freshDir(QStringLiteral("text-blocked"));
        writeFile(dir + QStringLiteral("/sub"), "x");
        const QString file = dir + QStringLiteral("/sub/Z1.txt");
        EXPECT_EQ(exportTbm(file, sampleRequest(), [] { return ExportMaterials{}; }, catalog),
                  ExportResult::Failed);
        ASSERT_EQ(rec.count(Kind::Error), 1);
        EXPECT_TRUE(rec.texts(Kind::Error).at(0).startsWith(
            QStringLiteral("Ошибка записи данных в файл экспорта ТБМ Навигатор %1!\r\n").arg(file)));
    }
}
