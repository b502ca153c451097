#include "TextExports.h"

#include "tools/Errors.h"
#include "tools/Messages.h"
#include "tools/Strings.h"
#include "tools/Win1251.h"

#include <QFile>
#include <QIODevice>
#include <algorithm>

namespace kv {
namespace {

constexpr int TbmWidth = 80;
constexpr int VorneWidth = 148;

class LineWriter
{
public:
    explicit LineWriter(QIODevice &out) : m_out(out) {}

    void line(const QString &text)
    {
        const QByteArray bytes = cp1251::encode(text) + "\r\n";
        if (m_out.write(bytes) != bytes.size())
            throw Error(m_out.errorString());
    }

private:
    QIODevice &m_out;
};

QString blanks(int n) { return QString(n, QLatin1Char(' ')); }

void writeHead(LineWriter &w, const ExportRequest &r, int width, const QString &columns)
{
    const QString indent = blanks(20);
    w.line(indent + QStringLiteral("Шифр фирмы ") + r.firmId);
    w.line(indent + QStringLiteral("Фирма ") + r.firmName);
    w.line(indent + QStringLiteral("Заявка № ") + QString::number(r.number));
    w.line(indent + QStringLiteral("Название ") + r.name);
    w.line(indent + QStringLiteral("Дата заявки ") + r.dateText());
    const QString rule(width, QLatin1Char('-'));
    w.line(rule);
    w.line(columns);
    w.line(rule);
}

void writeFoot(LineWriter &w, int width, int signatureIndent)
{
    w.line(QString(width, QLatin1Char('-')));
    w.line(blanks(width));
    const QString signature = blanks(signatureIndent) + QStringLiteral("Заявку составил")
                              + QString(24, QLatin1Char('_'));
    w.line(signature + blanks(width - signature.size()));
}

// Article, name, quantity and unit: the first 77 characters of every line.
QString materialColumns(const ExportMaterial &m, const QString &makerArticle,
                        const ExportCatalog &catalog)
{
    QString s = PadRight(makerArticle, 16, true);
    s += PadRight(catalog.name(m.article), 45, true);
    s += PadLeft(formatWholeQuantity(m.quantity), 7, true);
    s += PadLeft(catalog.unit(m.article), 9, true);
    return s;
}

QString moneyColumn(Money value) { return PadLeft(value.toString(), 17, true); }

ExportResult exportText(const QString &fileName, const QString &formatName,
                        const std::function<void(QIODevice &)> &write)
{
    try {
        if (!prepareExportTarget(fileName))
            return ExportResult::Declined;
        QFile file(fileName);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            throw Error(file.errorString());
        write(file);
        file.close();
        if (file.error() != QFileDevice::NoError)
            throw Error(file.errorString());
        return ExportResult::Written;
    } catch (const Error &e) {
        ShowErrorBox(QStringLiteral("Ошибка записи данных в файл экспорта %1 %2!\r\n%3")
                         .arg(formatName, fileName, e.text()));
        return ExportResult::Failed;
    }
}

} // namespace

void writeTbm(QIODevice &out, const ExportRequest &request, const ExportMaterials &materials,
              const ExportCatalog &catalog)
{
    LineWriter w(out);
    writeHead(w, request, TbmWidth,
              blanks(4) + QStringLiteral("Артикул") + blanks(23) + QStringLiteral("Название")
                  + blanks(22) + QStringLiteral("Кол.") + blanks(2) + QStringLiteral("Ед.изм.")
                  + blanks(3));
    for (const ExportMaterial &m : materials)
        w.line(materialColumns(m, catalog.makerArticle(m.article, 2), catalog));
    writeFoot(w, TbmWidth, 20);
}

void writeVorne(QIODevice &out, const ExportRequest &request, const ExportMaterials &materials,
                const ExportCatalog &catalog)
{
    ExportMaterials sorted = materials;
    std::stable_sort(sorted.begin(), sorted.end(), [](const ExportMaterial &a, const ExportMaterial &b) {
        return cp1251::compare(a.article, b.article) < 0;
    });

    LineWriter w(out);
    writeHead(w, request, VorneWidth,
              blanks(4) + QStringLiteral("Артикул") + blanks(23) + QStringLiteral("Название")
                  + blanks(22) + QStringLiteral("Кол.") + blanks(2) + QStringLiteral("Ед.изм.")
                  + blanks(1) + QStringLiteral("Цена без скидки") + blanks(6)
                  + QStringLiteral("Скидка") + blanks(7) + QStringLiteral("Цена со скидкой")
                  + blanks(8) + QStringLiteral("Сумма") + blanks(8));
    for (const ExportMaterial &m : sorted) {
        w.line(materialColumns(m, catalog.makerArticle(m.article, 1), catalog)
               + moneyColumn(m.catalogPrice) + moneyColumn(m.discount) + moneyColumn(m.price)
               + moneyColumn(m.cost));
    }
    writeFoot(w, VorneWidth, 64);
}

ExportResult exportTbm(const QString &fileName, const ExportRequest &request,
                       const MaterialProvider &materials, const ExportCatalog &catalog)
{
    return exportText(fileName, QStringLiteral("ТБМ Навигатор"), [&](QIODevice &out) {
        writeTbm(out, request, materials(), catalog);
    });
}

ExportResult exportVorne(const QString &fileName, const ExportRequest &request,
                         const MaterialProvider &materials, const ExportCatalog &catalog)
{
    return exportText(fileName, QStringLiteral("Ворне Бела"), [&](QIODevice &out) {
        writeVorne(out, request, materials(), catalog);
    });
}

} // namespace kv
