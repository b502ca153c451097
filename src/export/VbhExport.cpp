#include "VbhExport.h"

#include "export/FtpUpload.h"
#include "tools/Errors.h"
#include "tools/Messages.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QXmlStreamWriter>
#include <cmath>

namespace kv {
namespace {

QString articleOrCode(const QString &makerArticle, const QString &code)
{
    return makerArticle.isEmpty() ? code : makerArticle;
}

} // namespace

qint64 vbhQuantity(double quantity)
{
    return static_cast<qint64>(std::llround(quantity));
}

QByteArray buildVbhXml(const ExportRequest &request, const QString &fileName,
                       const ExportMaterials &materials, const ExportCatalog &catalog)
{
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(false);
    xml.writeStartDocument(QStringLiteral("1.0"));
    xml.writeStartElement(QStringLiteral("Order"));
    xml.writeAttribute(QStringLiteral("Type"), QStringLiteral("XML Order File"));
    xml.writeAttribute(QStringLiteral("FileName"), fileName);

    xml.writeStartElement(QStringLiteral("Property"));
    xml.writeAttribute(QStringLiteral("CustomerID"), request.firmId);
    xml.writeAttribute(QStringLiteral("Customer"), request.firmName);
    xml.writeAttribute(QStringLiteral("No"), QString::number(request.number));
    xml.writeAttribute(QStringLiteral("OrderList"), request.orderList);
    xml.writeAttribute(QStringLiteral("Comment"), request.comment);
    xml.writeAttribute(QStringLiteral("Date"), request.dateText());
    xml.writeEndElement();

    xml.writeStartElement(QStringLiteral("ItemList"));
    for (const ExportMaterial &m : materials) {
        const QString &code = m.article;
        xml.writeStartElement(QStringLiteral("Item"));
        xml.writeAttribute(QStringLiteral("Article"), articleOrCode(catalog.makerArticle(code, 1), code));
        xml.writeAttribute(QStringLiteral("Article2"), articleOrCode(catalog.makerArticle(code, 2), code));
        xml.writeAttribute(QStringLiteral("Article3"), articleOrCode(catalog.makerArticle(code, 3), code));
        xml.writeAttribute(QStringLiteral("Name"), catalog.name(code));
        xml.writeAttribute(QStringLiteral("Number"), QString::number(vbhQuantity(m.quantity)));
        xml.writeEndElement();
    }
    xml.writeEndElement();

    xml.writeEndElement();
    xml.writeEndDocument();
    if (xml.hasError())
        throw Error(QStringLiteral("Ошибка формирования XML"));
    return bytes;
}

ExportResult exportVbh(const QString &fileName, const ExportRequest &request,
                       const MaterialProvider &materials, const ExportCatalog &catalog)
{
    try {
        if (!prepareExportTarget(fileName))
            return ExportResult::Declined;
        const QByteArray document =
            buildVbhXml(request, QFileInfo(fileName).fileName(), materials(), catalog);
        QSaveFile file(fileName);
        if (!file.open(QIODevice::WriteOnly))
            throw Error(file.errorString());
        if (file.write(document) != document.size() || !file.commit())
            throw Error(file.errorString());
        return ExportResult::Written;
    } catch (const Error &e) {
        ShowErrorBox(QStringLiteral("Ошибка записи данных в файл экспорта XML %1!\r\n%2")
                         .arg(fileName, e.text()));
        return ExportResult::Failed;
    }
}

ExportResult exportVbhAndUpload(const QString &fileName, const ExportRequest &request,
                                const MaterialProvider &materials, const ExportCatalog &catalog,
                                const FtpSettings *upload)
{
    const ExportResult result = exportVbh(fileName, request, materials, catalog);
    if (upload && result != ExportResult::Failed)
        UploadExportFile(*upload, fileName);
    return result;
}

} // namespace kv
