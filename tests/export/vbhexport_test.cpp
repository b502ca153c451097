// The VBH XML request: element and attribute names, their order and values,
// and the file command that never leaves a partial document behind.
#include "export/VbhExport.h"

#include "FakeCatalog.h"
#include "support/QStringPrinter.h"
#include "support/TestSupport.h"
#include "tools/RecordingMessages.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QXmlStreamReader>

using namespace kv;
using namespace kvtest;
using Kind = RecordingMessageSink::Kind;

namespace {

ExportRequest sampleRequest()
{
    ExportRequest r;
    r.firmId = QStringLiteral("F7");
    r.firmName = QStringLiteral("ООО «Окна» & \"Север\"");
    r.number = 12;
    r.date = QDate(2024, 3, 5);
    r.orderList = QStringLiteral("345, 346");
    r.comment = QStringLiteral("срочно <до пятницы>");
    return r;
}

FakeCatalog sampleCatalog()
{
    FakeCatalog c;
    c.add(QStringLiteral("A-100"), {QStringLiteral("P-100"), QStringLiteral("ART2-100"),
                                    QStringLiteral("Ручка оконная"), QStringLiteral("шт")});
    c.add(QStringLiteral("B-200"), {QString(), QString(), QStringLiteral("Петля"), QStringLiteral("шт")});
    c.add(QStringLiteral("C-3"), {QString(), QStringLiteral("Q2"), QStringLiteral("Тяга"), QStringLiteral("м")});
    return c;
}

ExportMaterial material(const QString &code, double quantity)
{
    ExportMaterial m;
    m.article = code;
    m.quantity = quantity;
    return m;
}

// Every element in document order as "Name a=v b=v", attributes in the order written.
QStringList outline(const QByteArray &xml)
{
    QStringList out;
    QXmlStreamReader r(xml);
    while (!r.atEnd()) {
        if (r.readNext() == QXmlStreamReader::StartElement) {
            QString s = r.name().toString();
            for (const QXmlStreamAttribute &a : r.attributes())
                s += QLatin1Char(' ') + a.name().toString() + QLatin1Char('=') + a.value().toString();
            out << s;
        }
    }
    EXPECT_FALSE(r.hasError()) << r.errorString().toStdString();
    return out;
}

QString freshDir(const QString &name)
{
    const QString dir = QDir(scratchDir()).filePath(name);
    QDir(dir).removeRecursively();
    QDir().mkpath(dir);
    return dir;
}

const QString PropertyLine = QStringLiteral(
    "Property CustomerID=F7 Customer=ООО «Окна» & \"Север\" No=12 OrderList=345, 346 "
    "Comment=срочно <до пятницы> Date=05.03.2024");

} // namespace

TEST(VbhExport, ElementsAttributesAndValues)
{
    const ExportMaterials materials = {material(QStringLiteral("A-100"), 2.5),
                                       material(QStringLiteral("B-200"), 2.4),
                                       material(QStringLiteral("C-3"), 12),
                                       material(QStringLiteral("A-100"), -2.5)};
    const QByteArray xml = buildVbhXml(sampleRequest(), QStringLiteral("ZF70012.xml"), materials,
                                       sampleCatalog());
    EXPECT_EQ(outline(xml),
              (QStringList{
                  QStringLiteral("Order Type=XML Order File FileName=ZF70012.xml"),
                  PropertyLine,
                  QStringLiteral("ItemList"),
                  QStringLiteral("Item Article=P-100 Article2=ART2-100 Article3=A-100 Name=Ручка оконная Number=3"),
                  QStringLiteral("Item Article=B-200 Article2=B-200 Article3=B-200 Name=Петля Number=2"),
                  QStringLiteral("Item Article=C-3 Article2=Q2 Article3=C-3 Name=Тяга Number=12"),
                  QStringLiteral("Item Article=P-100 Article2=ART2-100 Article3=A-100 Name=Ручка оконная Number=-3"),
              }));

    // UTF-8, the XML 1.0 declaration, no indentation, "Item" inside "ItemList".
    EXPECT_TRUE(xml.startsWith("<?xml version=\"1.0\"")) << xml.left(60).toStdString();
    EXPECT_TRUE(xml.contains("Name=\"\xD0\xA0\xD1\x83\xD1\x87\xD0\xBA\xD0\xB0 "));
    EXPECT_FALSE(xml.trimmed().contains('\n')) << xml.toStdString();
    EXPECT_TRUE(xml.contains("<ItemList><Item "));
}

TEST(VbhExport, EmptyListAndDateFormat)
{
    ExportRequest request = sampleRequest();
    request.dateFormat = QStringLiteral("d/M/yy");
    const QByteArray xml = buildVbhXml(request, QStringLiteral("Z0012.xml"), {}, sampleCatalog());
    QString property = PropertyLine;
    property.replace(QStringLiteral("Date=05.03.2024"), QStringLiteral("Date=5/3/24"));
    EXPECT_EQ(outline(xml), (QStringList{QStringLiteral("Order Type=XML Order File FileName=Z0012.xml"),
                                         property, QStringLiteral("ItemList")}));
}

TEST(VbhExport, QuantityRoundsHalvesAwayFromZero)
{
    const struct { double q; qint64 n; } cases[] = {
        {2.5, 3}, {2.4, 2}, {3.5, 4}, {0.5, 1}, {-2.5, -3}, {-0.4, 0}, {2.5f, 3}, {1e10, 10000000000},
    };
    for (const auto &c : cases)
        EXPECT_EQ(vbhQuantity(c.q), c.n) << c.q;
}

TEST(VbhExport, FileCommandWritesTheDocumentNamedAfterTheFile)
{
    RecordingMessages rec;
    const QString dir = freshDir(QStringLiteral("xml-new"));
    const QString file = exportFileName(dir + QStringLiteral("/sub"), QStringLiteral("F7"), 12,
                                        QStringLiteral("xml"));
    const ExportMaterials materials = {material(QStringLiteral("C-3"), 12)};
    EXPECT_EQ(exportVbh(file, sampleRequest(), [&] { return materials; }, sampleCatalog()),
              ExportResult::Written);
    EXPECT_TRUE(rec.isEmpty()) << rec.texts().join(QStringLiteral(" | ")).toStdString();
    EXPECT_TRUE(file.endsWith(QStringLiteral("/sub/ZF70012.xml")));
    EXPECT_EQ(outline(readFile(file)),
              (QStringList{QStringLiteral("Order Type=XML Order File FileName=ZF70012.xml"), PropertyLine,
                           QStringLiteral("ItemList"),
                           QStringLiteral("Item Article=C-3 Article2=Q2 Article3=C-3 Name=Тяга Number=12")}));
    EXPECT_EQ(QDir(dir + QStringLiteral("/sub")).entryList(QDir::Files), QStringList{QStringLiteral("ZF70012.xml")});
}

TEST(VbhExport, MissingArticleLeavesNoPartialDocument)
{
    const ExportMaterials materials = {material(QStringLiteral("A-100"), 1), material(QStringLiteral("X-404"), 1)};
    for (bool existing : {false, true}) {
        SCOPED_TRACE(existing);
        const QString dir = freshDir(QStringLiteral("xml-missing"));
        const QString file = dir + QStringLiteral("/Z0012.xml");
        if (existing)
            writeFile(file, "<Order/>");
        RecordingMessages rec;
        rec.queueAnswer(true);
        EXPECT_EQ(exportVbh(file, sampleRequest(), [&] { return materials; }, sampleCatalog()),
                  ExportResult::Failed);
        EXPECT_EQ(rec.texts(Kind::Error),
                  QStringList{QStringLiteral("Ошибка записи данных в файл экспорта XML %1!\r\n"
                                             "В каталоге отсутствуют данные для [X-404]!\r\n"
                                             "(Поиск [Наименование] через [Код])").arg(file)});
        // The earlier file untouched, nothing else left in the directory.
        const QStringList left = QDir(dir).entryList(QDir::Files | QDir::Hidden);
        if (existing) {
            EXPECT_EQ(left, QStringList{QStringLiteral("Z0012.xml")});
            EXPECT_EQ(readFile(file), QByteArray("<Order/>"));
        } else {
            EXPECT_TRUE(left.isEmpty()) << left.join(QLatin1Char(' ')).toStdString();
        }
    }
}

TEST(VbhExport, OverwriteQuestion)
{
    const QString dir = freshDir(QStringLiteral("xml-overwrite"));
    const QString file = dir + QStringLiteral("/ZF70012.xml");
    const ExportMaterials materials = {material(QStringLiteral("B-200"), 1)};
    for (bool replace : {false, true}) {
        SCOPED_TRACE(replace);
        writeFile(file, "<Order/>");
        RecordingMessages rec;
        rec.queueAnswer(replace);
        EXPECT_EQ(exportVbh(file, sampleRequest(), [&] { return materials; }, sampleCatalog()),
                  replace ? ExportResult::Written : ExportResult::Declined);
        EXPECT_EQ(rec.texts(Kind::OkCancel),
                  QStringList{QStringLiteral("Файл [%1] уже существует!\r\nПереписать?").arg(file)});
        EXPECT_EQ(readFile(file) == "<Order/>", !replace);
    }
}
