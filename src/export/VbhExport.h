#pragma once
// The XML request for the supplier VBH: root "Order" with one "Property" and
// an "ItemList" of "Item" elements, UTF-8.
#include "export/ExportData.h"

#include <QByteArray>

namespace kv {

struct FtpSettings;

// The complete document. fileName is the name without directory that the
// document carries. Throws kv::Error (missing catalogue data).
QByteArray buildVbhXml(const ExportRequest &request, const QString &fileName,
                       const ExportMaterials &materials, const ExportCatalog &catalog);

// Quantity as the XML carries it: nearest integer, halves away from zero.
qint64 vbhQuantity(double quantity);

// The export command: makes the directory, asks before replacing an existing
// file, builds the list and the document and stores it under a temporary name
// that replaces the file only when complete, so an error leaves any earlier
// file as it was. Errors are shown in the error box.
ExportResult exportVbh(const QString &fileName, const ExportRequest &request,
                       const MaterialProvider &materials, const ExportCatalog &catalog);

// exportVbh followed, when upload is given, by the upload of the file (also of
// the kept file when the user declined to replace it, never after an error).
// The result is that of the export; the upload reports itself.
ExportResult exportVbhAndUpload(const QString &fileName, const ExportRequest &request,
                                const MaterialProvider &materials, const ExportCatalog &catalog,
                                const FtpSettings *upload);

} // namespace kv
