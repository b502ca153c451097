// Locates and element filters on 100,000-row catalogue tables: the engine
// runs thousands of both per order.
#include "core/Data.h"
#include "core/Database.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace kv;

namespace {

constexpr int Rows = 100000;
constexpr int ArticlesPerElement = 10;
constexpr int Elements = Rows / ArticlesPerElement;

QString elementId(int i) { return QStringLiteral("EL%1").arg(i, 6, 10, QLatin1Char('0')); }
QString articleId(int i) { return QStringLiteral("ART-%1").arg(i, 7, 10, QLatin1Char('0')); }

// One catalogue for the whole run: 100,000 articles, 10,000 elements with
// ten candidate articles each, 100,000 set rows.
struct Catalogue
{
    QTemporaryDir dir;
    TDM dm;

    Catalogue()
    {
        dm.OpenDatabases(dir.path(), dir.path(), dir.path());
        QSqlDatabase db = QSqlDatabase::database(dm.connectionName(DatabaseKind::Catalog));
        QSqlQuery q(db);
        q.exec(QStringLiteral("BEGIN"));
        q.prepare(QStringLiteral("insert into Catalog(ID, Name, Price, Currency) values (?, ?, ?, 1)"));
        for (int i = 0; i < Rows; ++i) {
            q.addBindValue(articleId(i));
            q.addBindValue(QStringLiteral("Артикул %1").arg(i));
            q.addBindValue(1.0 + i % 100);
            q.exec();
        }
        q.prepare(QStringLiteral(
            "insert into FrnArt(ID, CatalogID, FalzLuft, DornMassMin, DornMassMax, FFBMin, FFBMax, Color, StulpType, "
            "Direct) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        for (int i = 0; i < Rows; ++i) {
            const int k = i % ArticlesPerElement;
            q.addBindValue(elementId(i / ArticlesPerElement));
            q.addBindValue(articleId(i));
            q.addBindValue(k % 2 ? 12 : 9);
            q.addBindValue(k < 5 ? 7.5 : 0.0);
            q.addBindValue(k < 5 ? 7.5 : 35.0);
            q.addBindValue(k * 10);
            q.addBindValue(k * 10 + 40);
            q.addBindValue(k % 3 == 0 ? QStringLiteral("W") : QString());
            q.addBindValue(0);
            q.addBindValue(k % 4 == 0 ? 3 : 1);
            q.exec();
        }
        q.prepare(QStringLiteral("insert into FrnSet(ID, Item, FFBMin, FFBMax, Condition) values (?, ?, 0, 200, 1)"));
        for (int i = 0; i < Rows; ++i) {
            q.addBindValue(QStringLiteral("SET%1").arg(i / 20, 5, 10, QLatin1Char('0')));
            q.addBindValue(elementId((i * 7919) % Elements));
            q.exec();
        }
        q.exec(QStringLiteral("COMMIT"));
        dm.OpenCatalogTables();
    }
};

Catalogue &catalogue()
{
    static Catalogue c;
    return c;
}

// The filter an element resolution builds: size clause, test flags, element, colour.
QString elementFilter(int element, int ffb)
{
    return QStringLiteral("FFBMin <= %1 and FFBMax >= %1 and FalzLuft = 12 and DornMassMin <= 7.50 and "
                          "DornMassMax >= 7.50 and (Direct = 3 or Direct = 1) and ID='%2' and Color = 'W' ")
        .arg(ffb)
        .arg(elementId(element));
}

// Keys made up front, so the figures are the locate alone.
std::vector<QString> articleKeys()
{
    std::vector<QString> keys;
    for (int i = 0; i < 4096; ++i)
        keys.push_back(articleId((i * 7919) % Rows));
    return keys;
}

void BM_LocateArticle(benchmark::State &state)
{
    TDataTable &t = catalogue().dm.T_Catalog;
    const std::vector<QString> keys = articleKeys();
    size_t i = 0;
    for (auto _ : state) {
        const bool found = t.locate(QStringLiteral("ID"), keys[i++ % keys.size()]);
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_LocateArticle);

void BM_LocateArticleMissing(benchmark::State &state)
{
    TDataTable &t = catalogue().dm.T_Catalog;
    const QString missing = QStringLiteral("NO-SUCH");
    for (auto _ : state)
        benchmark::DoNotOptimize(t.locate(QStringLiteral("ID"), missing));
}
BENCHMARK(BM_LocateArticleMissing);

void BM_LocateTwoFields(benchmark::State &state)
{
    TDataTable &t = catalogue().dm.T_FrnArt;
    std::vector<QVariantList> keys;
    for (int i = 0; i < 4096; ++i) {
        const int row = (i * 7919) % Rows;
        keys.push_back({elementId(row / ArticlesPerElement), articleId(row)});
    }
    size_t i = 0;
    for (auto _ : state) {
        const bool found = t.locate(QStringLiteral("ID;CatalogID"), keys[i++ % keys.size()]);
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_LocateTwoFields);

// A typical element filter, its text seen before (compiled once).
void BM_ElementFilter(benchmark::State &state)
{
    Catalogue &c = catalogue();
    TDataTable &t = c.dm.T_FrnArt;
    std::vector<QString> texts;
    for (int e = 0; e < 1000; ++e)
        texts.push_back(elementFilter((e * 37) % Elements, 25));
    size_t i = 0;
    for (auto _ : state) {
        FilteredScan scan(t, texts[i++ % texts.size()]);
        if (scan.count() > 0)
            benchmark::DoNotOptimize(t.asString(QStringLiteral("CatalogID")));
    }
}
BENCHMARK(BM_ElementFilter);

// The same with a text never seen before: parse and compile included.
void BM_ElementFilterNewText(benchmark::State &state)
{
    TDataTable &t = catalogue().dm.T_FrnArt;
    int i = 0;
    for (auto _ : state) {
        ++i;
        FilteredScan scan(t, elementFilter(i % Elements, 1000 + i));
        benchmark::DoNotOptimize(scan.count());
    }
}
BENCHMARK(BM_ElementFilterNewText);

// A set's rows visited in order with their element names, as set expansion does.
void BM_SetScan(benchmark::State &state)
{
    TDataTable &t = catalogue().dm.T_FrnSet;
    int i = 0;
    for (auto _ : state) {
        FilteredScan scan(t, QStringLiteral("ID = 'SET%1'").arg((i++ * 13) % (Rows / 20), 5, 10, QLatin1Char('0')));
        for (; !scan.eof(); scan.next()) {
            benchmark::DoNotOptimize(t.asString(QStringLiteral("Item")));
            benchmark::DoNotOptimize(t.asString(QStringLiteral("ItemLookup")));
            benchmark::DoNotOptimize(t.asInteger(QStringLiteral("FFBMax")));
        }
    }
}
BENCHMARK(BM_SetScan);

// A filter no index serves: a scan of all 100,000 rows.
void BM_FullScanFilter(benchmark::State &state)
{
    TDataTable &t = catalogue().dm.T_FrnArt;
    for (auto _ : state) {
        FilteredScan scan(t, QStringLiteral("FFBMin >= 90 and Direct >= 3"));
        benchmark::DoNotOptimize(scan.count());
    }
}
BENCHMARK(BM_FullScanFilter)->Unit(benchmark::kMillisecond);

// Loading a 100,000-row table into memory when it is opened.
void BM_OpenTable(benchmark::State &state)
{
    TDataTable &t = catalogue().dm.T_FrnArt;
    for (auto _ : state) {
        t.close();
        t.open();
        benchmark::DoNotOptimize(t.recordCount());
    }
}
BENCHMARK(BM_OpenTable)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
