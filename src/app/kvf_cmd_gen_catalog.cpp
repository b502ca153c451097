// kvf gen-catalog DIR --articles N --sets M [--seed S] [--orders LIST]
// Writes a deterministic synthetic catalogue for benchmarks into DIR, and
// orders of two-sash positions over it (DIR/orders/bench-N.json) in the input
// format of kvf calc.
#include "KvfCommands.h"

#include "core/SyntheticCatalog.h"
#include "tools/Errors.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>

namespace {

int usage(QTextStream &err)
{
    err << "usage: kvf gen-catalog DIR --articles N --sets M [--seed S] [--orders LIST]\n"
        << "  LIST: comma-separated position counts of the orders to write (default 1,100,1000)\n";
    return 2;
}

bool toPositive(const QString &text, qint64 *value)
{
    bool ok = false;
    *value = text.toLongLong(&ok);
    return ok && *value > 0;
}

int run(const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (args.isEmpty() || args.at(0).startsWith(QLatin1String("--")))
        return usage(err);
    const QString dir = args.at(0);
    kv::SyntheticCatalogOptions options;
    bool haveArticles = false, haveSets = false;
    QList<int> orders = {1, 100, 1000};
    for (int i = 1; i < args.size(); i += 2) {
        if (i + 1 >= args.size())
            return usage(err);
        const QString name = args.at(i), value = args.at(i + 1);
        qint64 n = 0;
        if (name == QLatin1String("--orders")) {
            orders.clear();
            for (const QString &part : value.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
                if (!toPositive(part, &n) || n > 1000000)
                    return usage(err);
                orders << int(n);
            }
            continue;
        }
        if (!toPositive(value, &n))
            return usage(err);
        if (name == QLatin1String("--articles") && n <= 10000000) {
            options.articles = int(n);
            haveArticles = true;
        } else if (name == QLatin1String("--sets") && n <= 1000000) {
            options.sets = int(n);
            haveSets = true;
        } else if (name == QLatin1String("--seed")) {
            options.seed = quint64(n);
        } else {
            return usage(err);
        }
    }
    if (!haveArticles || !haveSets)
        return usage(err);
    try {
        if (!QDir().mkpath(dir)) {
            err << "kvf: cannot create directory " << dir << "\n";
            return 1;
        }
        QElapsedTimer timer;
        timer.start();
        const kv::SyntheticCatalogSummary s = kv::generateSyntheticCatalog(dir, options);
        out << "catalogue: " << QDir(dir).filePath(QStringLiteral("catalog.sqlite")) << "\n"
            << "  articles " << s.articles << ", elements " << s.elements << " with " << s.elementArticles << " articles, sets "
            << s.sets << " with " << s.setRows << " rows and " << s.sideRows << " side rows\n"
            << "  strike plates " << s.strikePlates << ", covers " << s.covers << ", accessories " << s.accessories
            << ", composite parts " << s.compositeParts << "\n"
            << "  systems " << s.systems.join(QLatin1Char(' ')) << "\n"
            << "  written in " << timer.elapsed() << " ms\n";
        if (!orders.isEmpty()) {
            const QString orderDir = QDir(dir).filePath(QStringLiteral("orders"));
            QDir().mkpath(orderDir);
            for (int positions : orders) {
                const QString path = QDir(orderDir).filePath(QStringLiteral("bench-%1.json").arg(positions));
                QFile f(path);
                if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
                    err << "kvf: cannot write " << path << "\n";
                    return 1;
                }
                f.write(QJsonDocument(kv::syntheticOrder(options, positions, quint64(positions))).toJson(QJsonDocument::Indented));
                out << "order: " << path << "\n";
            }
        }
    } catch (const kv::Error &e) {
        QString text = e.text();
        err << "kvf: " << text.replace(QLatin1String("\r\n"), QLatin1String("\n")) << "\n";
        return 1;
    }
    return 0;
}

const bool registered = kv::registerKvfCommand(
    {QStringLiteral("gen-catalog"), QStringLiteral("gen-catalog DIR --articles N --sets M [--seed S] [--orders LIST]"),
     QStringLiteral("write a synthetic benchmark catalogue and orders over it"), &run});

} // namespace
