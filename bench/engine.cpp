// The fittings selection against a large catalogue: one sash's full run, and
// orders of 100 and 1,000 two-sash positions selected and priced.
//
// The catalogue and the order come from KARVELO_BENCH_CATALOG (a directory
// with catalog.sqlite) and KARVELO_BENCH_ORDER (an order in the kvf calc
// format); without them the standard synthetic catalogue (100,000 articles,
// 5,000 sets) and a matching order of 1,000 positions are generated once.
//
// `bench_engine --sashes N` runs N single-sash selections after building the
// order, counting only those under callgrind (scripts/bench-callgrind.sh).
#include "core/Data.h"
#include "core/PricingContext.h"
#include "core/SyntheticCatalog.h"
#include "engine/ArticleChooser.h"
#include "engine/CalcJson.h"
#include "engine/CatalogPricing.h"
#include "engine/EngineServices.h"
#include "model/Order.h"


#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <valgrind/callgrind.h>
#include <cstdio>
#include <cstdlib>

using namespace kv;

namespace {

class Bench
{
public:
    Bench()
    {
        QString dir = qEnvironmentVariable("KARVELO_BENCH_CATALOG");
        QJsonObject json;
        if (!dir.isEmpty()) {
            QFile f(qEnvironmentVariable("KARVELO_BENCH_ORDER"));
            if (!f.open(QIODevice::ReadOnly))
                fail("KARVELO_BENCH_ORDER names no readable order");
            json = QJsonDocument::fromJson(f.readAll()).object();
        } else {
            dir = m_tmp.path();
            SyntheticCatalogOptions options;
            generateSyntheticCatalog(dir, options);
            json = syntheticOrder(options, 1000, 1);
        }
        m_dm.OpenDatabase(DatabaseKind::Catalog, dir);
        if (!m_dm.OpenCatalogTables())
            fail("the catalogue does not open");
        m_services.Chooser = &m_chooser;
        m_input = ReadOrder(json, m_order);
        if (!m_input.HasRates)
            LoadRates(&m_order.Rates);
        PricingContext &c = pricingContext();
        c.CurrentRates = &m_order.Rates;
        c.CurrentCurrency = m_order.Currency;
        c.CurrentVAT = m_order.NDSTax;
        for (int i = 0; i < m_order.PositionCount(); ++i) {
            BuildPositionShape(m_order.Position(i), m_input.Positions[size_t(i)]);
            ApplyPositionChoice(m_order.Position(i), m_input.Positions[size_t(i)]);
        }
    }

    int positions() const { return m_order.PositionCount(); }

    // Selects and prices n positions anew from position `first` on (wrapping
    // round); the number of sashes run.
    int selectPositions(int first, int n)
    {
        int sashes = 0;
        for (int i = first; i < first + n; ++i) {
            TkvfConstruction &p = m_order.Position(i % positions());
            ApplyPositionChoice(p, m_input.Positions[size_t(i % positions())]);
            sashes += (p.Sash1().Composition() ? 1 : 0) + (p.Sash2().Composition() ? 1 : 0);
        }
        return sashes;
    }

    // The selection run alone for the i-th sash that has fittings.
    void selectSash(int i)
    {
        const int n = positions();
        for (int k = 0; k < 2 * n; ++k) {
            TkvfConstruction &p = m_order.Position((i + k / 2) % n);
            TkvfFurnComp *c = ((i + k) % 2 ? p.Sash2() : p.Sash1()).Composition();
            if (c) {
                c->Calculate();
                return;
            }
        }
        fail("no position of the order has fittings");
    }

private:
    [[noreturn]] static void fail(const char *text)
    {
        std::fprintf(stderr, "bench_engine: %s\n", text);
        std::exit(1);
    }

    QTemporaryDir m_tmp;
    TDM m_dm;
    FirstArticleChooser m_chooser;
    EngineServices m_services;
    ScopedModelServices m_installed{m_services};
    TkvfOrder m_order;
    OrderInput m_input;
};

Bench &bench()
{
    static Bench b;
    return b;
}

// One sash's full selection: sets, strike plates, covers, accessories, sorting.
void BM_SelectOneSash(benchmark::State &state)
{
    Bench &b = bench();
    int i = 0;
    for (auto _ : state)
        b.selectSash(i++);
}
BENCHMARK(BM_SelectOneSash)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

// An order of n two-sash positions: both sashes selected, the position priced.
// Each iteration takes the next n positions of the generated order, so orders
// of every size meet the catalogue's caches alike.
void BM_SelectOrder(benchmark::State &state)
{
    Bench &b = bench();
    const int n = int(state.range(0));
    int sashes = 0;
    int first = 0;
    for (auto _ : state) {
        sashes = b.selectPositions(first, n);
        first = (first + n) % b.positions();
    }
    state.counters["sashes"] = sashes;
}
BENCHMARK(BM_SelectOrder)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond)->Repetitions(3)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--sashes") {
        const int n = std::atoi(argv[2]);
        Bench &b = bench();
        // Counted from here only (valgrind --collect-atstart=no); outside
        // callgrind these are no-ops.
        CALLGRIND_TOGGLE_COLLECT;
        for (int i = 0; i < n; ++i)
            b.selectSash(i);
        CALLGRIND_TOGGLE_COLLECT;
        std::printf("%d sashes\n", n);
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
