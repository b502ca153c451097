#pragma once
// What the supplier exports read: the request header typed in the export
// dialog, the material list of an order or selection, and the catalogue texts
// of each material. The order and selection windows fill these; the writers
// know nothing of the model.
#include "tools/Money.h"

#include <QDate>
#include <QList>
#include <QString>
#include <functional>

class QIODevice;

namespace kv {

struct ExportRequest
{
    QString firmId;    // "Шифр фирмы"
    QString firmName;  // "Наименование фирмы"
    int number = 1;    // "Номер заявки"
    QString name;      // "Наименование заявки" (text exports)
    QDate date;        // "Дата"
    QString orderList; // "Список заказов" (XML)
    QString comment;   // "Комментарии" (XML)
    // The program's short date format; the files carry the date as users see it.
    QString dateFormat = QStringLiteral("dd.MM.yyyy");

    QString dateText() const { return date.toString(dateFormat); }
};

// One entry of a material list.
struct ExportMaterial
{
    QString article; // catalogue code
    double quantity = 0;
    Money catalogPrice;
    Money discount; // the entry's reserved amount
    Money price;
    Money cost;
};

using ExportMaterials = QList<ExportMaterial>;
// Builds the material list when the writer needs it, so that a failure while
// building is reported like a failure while writing.
using MaterialProvider = std::function<ExportMaterials()>;

// Catalogue texts of a material. name() and unit() throw kv::Error with the
// catalogue's message when the code is missing; makerArticle() gives "" then.
class ExportCatalog
{
public:
    virtual ~ExportCatalog() = default;
    // which: 1 = manufacturer's article, 2 = second article; anything else "".
    virtual QString makerArticle(const QString &code, int which) const = 0;
    virtual QString name(const QString &code) const = 0;
    virtual QString unit(const QString &code) const = 0;
};

enum class ExportResult {
    Written,  // the file holds the complete export
    Declined, // the file existed and the user kept it
    Failed    // an error was shown; see the writer for what stays on disk
};

// exportDir + "/Z" + firm code + number with at least four digits + "." + extension.
QString exportFileName(const QString &exportDir, const QString &firmId, int number,
                       const QString &extension);

// Quantity as a whole number, halves away from zero ("%.0f" of the text files).
QString formatWholeQuantity(double quantity);

// Creates the file's directory with missing parents and asks before replacing
// an existing file. False when the user keeps the existing file; throws
// kv::Error when the directory cannot be made.
bool prepareExportTarget(const QString &fileName);

} // namespace kv
