#pragma once
// The fixed-column text requests for the suppliers TBM ("ТБМ Навигатор") and
// Vorne ("Ворне Бела"): Windows-1251, CR LF, one line per material.
#include "export/ExportData.h"

namespace kv {

// Write the whole request to out. Every line goes out as soon as it is built,
// so on an error (kv::Error: missing catalogue data or a failed write) the
// lines before it are already in out.
void writeTbm(QIODevice &out, const ExportRequest &request, const ExportMaterials &materials,
              const ExportCatalog &catalog);
// Materials sorted by code (byte order of Windows-1251) with prices and discounts.
void writeVorne(QIODevice &out, const ExportRequest &request, const ExportMaterials &materials,
                const ExportCatalog &catalog);

// The export command: makes the directory, asks before replacing an existing
// file, builds the material list and writes the file. Errors are shown in the
// error box; the lines written before an error stay in the file.
ExportResult exportTbm(const QString &fileName, const ExportRequest &request,
                       const MaterialProvider &materials, const ExportCatalog &catalog);
ExportResult exportVorne(const QString &fileName, const ExportRequest &request,
                         const MaterialProvider &materials, const ExportCatalog &catalog);

} // namespace kv
