// kvf calc / show / recalc: batch pricing of orders given as JSON or stored
// in order files, with the result as JSON on standard output.
#include "KvfCommands.h"

#include "core/Data.h"
#include "core/PricingContext.h"
#include "engine/ArticleChooser.h"
#include "engine/CalcJson.h"
#include "engine/CatalogPricing.h"
#include "engine/EngineServices.h"
#include "model/Order.h"
#include "tools/ConsoleMessages.h"
#include "tools/Registry.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonParseError>
#include <optional>

namespace {

using namespace kv;

// Exit codes of these commands.
constexpr int Done = 0;
constexpr int Failed = 1;    // unreadable or invalid input, no catalogue, failed save
constexpr int Selection = 2; // the engine refused a position; also wrong usage

const QString kConfigKey = QStringLiteral("\\SoftWare\\Velmar\\Karvelo\\Zurozirod380\\DBConfig\\ZUVI");

QString plain(QString text) { return text.replace(QLatin1String("\r\n"), QLatin1String("\n")); }

struct Options
{
    QString file;
    QString config;
    QString catalog;
    QString save;
    bool saveInPlace = false;
    bool debug = false;
};

// Options after the file argument; nothing (after a message) on a wrong one.
std::optional<Options> parseOptions(const QStringList &args, bool calc, QTextStream &err)
{
    Options o;
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args.at(i);
        auto value = [&]() -> std::optional<QString> {
            if (i + 1 >= args.size()) {
                err << "kvf: " << a << " needs a value\n";
                return std::nullopt;
            }
            return args.at(++i);
        };
        if (a == QLatin1String("--config") || a == QLatin1String("--catalog") || (calc && a == QLatin1String("--save"))) {
            const auto v = value();
            if (!v)
                return std::nullopt;
            (a == QLatin1String("--config") ? o.config : a == QLatin1String("--catalog") ? o.catalog : o.save) = *v;
        } else if (!calc && a == QLatin1String("--save")) {
            o.saveInPlace = true;
        } else if (a == QLatin1String("--debug")) {
            o.debug = true;
        } else if (a.startsWith(QLatin1String("--")) || !o.file.isEmpty()) {
            err << "kvf: unexpected argument " << a << "\n";
            return std::nullopt;
        } else {
            o.file = a;
        }
    }
    if (o.file.isEmpty()) {
        err << "kvf: no input file given\n";
        return std::nullopt;
    }
    if (!o.config.isEmpty() && !o.catalog.isEmpty()) {
        err << "kvf: --config and --catalog exclude each other\n";
        return std::nullopt;
    }
    return o;
}

// The catalogue directory: given, or that of the named (else the default)
// configuration in the registry.
std::optional<QString> catalogueDir(const Options &o, QTextStream &err)
{
    if (!o.catalog.isEmpty())
        return o.catalog;
    QString name = o.config;
    if (name.isEmpty()) {
        if (auto key = RegistryKey::open(kConfigKey))
            name = key->readString(QStringLiteral("DefaultConfig"));
        if (name.isEmpty()) {
            err << "kvf: no catalogue: give --catalog DIR or --config NAME\n";
            return std::nullopt;
        }
    }
    auto key = RegistryKey::open(kConfigKey + QLatin1Char('\\') + name);
    const QString dir = key ? key->readString(QStringLiteral("KVFCatalogDir")).trimmed() : QString();
    if (dir.isEmpty()) {
        err << "kvf: configuration " << name << " is not registered\n";
        return std::nullopt;
    }
    return dir;
}

// The catalogue, the engine and the order's pricing context for one run.
class Session
{
public:
    Session(bool debug, QTextStream &err) : m_err(err), m_chooser([this](const QString &w) { warn(w); })
    {
        m_services.Chooser = &m_chooser;
        m_services.DebugMode = [debug] { return debug; };
    }
    ~Session() { pricingContext() = PricingContext{}; }

    bool open(const QString &dir)
    {
        if (!QFileInfo::exists(QDir(dir).filePath(QStringLiteral("catalog.sqlite")))) {
            m_err << "kvf: no catalogue in " << dir << "\n";
            return false;
        }
        try {
            m_dm.OpenDatabase(DatabaseKind::Catalog, dir);
        } catch (const Error &e) {
            m_err << "kvf: " << plain(e.text()) << "\n";
            return false;
        }
        return m_dm.OpenCatalogTables();
    }

    void price(const TkvfOrder &order)
    {
        PricingContext &c = pricingContext();
        c.CurrentRates = &order.Rates;
        c.CurrentCurrency = order.Currency;
        c.CurrentVAT = order.NDSTax;
    }

    QString position; // the position being selected, for the warnings

private:
    void warn(const QString &text) { m_err << "kvf: позиция " << position << ": " << plain(text) << "\n"; }

    QTextStream &m_err;
    TDM m_dm;
    FirstArticleChooser m_chooser;
    EngineServices m_services;
    ScopedModelServices m_installed{m_services};
};

// Selection errors of a position: the engine's text and the position number.
int selectionFailed(const TkvfConstruction &p, const Error &e, QTextStream &err)
{
    err << "kvf: позиция " << p.PosNo << ":\n" << plain(e.text()) << "\n";
    return Selection;
}

int print(const TkvfOrder &order, QTextStream &out)
{
    out << QString::fromUtf8(QJsonDocument(OrderJson(order)).toJson(QJsonDocument::Indented));
    return Done;
}

int calc(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const auto o = parseOptions(args, true, err);
    if (!o)
        return Selection;
    QFile file(o->file);
    if (!file.open(QIODevice::ReadOnly)) {
        err << "kvf: cannot read " << o->file << "\n";
        return Failed;
    }
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (parseError.error != QJsonParseError::NoError || !doc.isObject()) {
        err << "kvf: " << o->file << ": "
            << (doc.isNull() ? parseError.errorString() + QStringLiteral(" at offset %1").arg(parseError.offset)
                             : QStringLiteral("an order object expected"))
            << "\n";
        return Failed;
    }
    const auto dir = catalogueDir(*o, err);
    if (!dir)
        return Failed;
    Session session(o->debug, err);
    if (!session.open(*dir))
        return Failed;

    TkvfOrder order;
    OrderInput input;
    try {
        input = ReadOrder(doc.object(), order);
        if (!input.HasRates)
            LoadRates(&order.Rates);
    } catch (const Error &e) {
        err << "kvf: " << o->file << ": " << plain(e.text()) << "\n";
        return Failed;
    }
    session.price(order);
    for (int i = 0; i < order.PositionCount(); ++i) {
        TkvfConstruction &p = order.Position(i);
        session.position = p.PosNo;
        try {
            BuildPositionShape(p, input.Positions[size_t(i)]);
        } catch (const Error &e) {
            err << "kvf: " << o->file << ": Positions[" << i << "].Shape: " << plain(e.text()) << "\n";
            return Failed;
        }
        try {
            ApplyPositionChoice(p, input.Positions[size_t(i)]);
        } catch (const Error &e) {
            return selectionFailed(p, e, err);
        }
    }
    if (!o->save.isEmpty() && !order.SaveToFile(o->save))
        return Failed;
    return print(order, out);
}

int show(const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (args.size() != 1 || args.at(0).startsWith(QLatin1String("--"))) {
        err << "usage: kvf show ORDER.kfo370\n";
        return Selection;
    }
    // An older file is converted in memory only.
    ConsoleMessageSink sink(true);
    MessageSink *previous = setMessageSink(&sink);
    TkvfOrder order;
    const bool loaded = order.LoadFromFile(args.at(0)).loaded;
    setMessageSink(previous);
    if (!loaded)
        return Failed;
    return print(order, out);
}

int recalc(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const auto o = parseOptions(args, false, err);
    if (!o)
        return Selection;
    const auto dir = catalogueDir(*o, err);
    if (!dir)
        return Failed;
    Session session(o->debug, err);
    if (!session.open(*dir))
        return Failed;
    TkvfOrder order;
    {
        // The conversion of an older file is what recalculating asks for.
        ConsoleMessageSink sink(true);
        MessageSink *previous = setMessageSink(&sink);
        const bool loaded = order.LoadFromFile(o->file).loaded;
        setMessageSink(previous);
        if (!loaded)
            return Failed;
    }
    session.price(order);
    for (int i = 0; i < order.PositionCount(); ++i) {
        TkvfConstruction &p = order.Position(i);
        session.position = p.PosNo;
        try {
            Recalculate(p);
        } catch (const Error &e) {
            return selectionFailed(p, e, err);
        }
    }
    if (o->saveInPlace && !order.SaveToFile(o->file))
        return Failed;
    return print(order, out);
}

const bool registeredCalc = registerKvfCommand(
    {QStringLiteral("calc"), QStringLiteral("calc INPUT.json [--config NAME | --catalog DIR] [--save OUT.kfo370] [--debug]"),
     QStringLiteral("select and price the fittings of an order given as JSON; the result as JSON"), &calc});
const bool registeredShow = registerKvfCommand({QStringLiteral("show"), QStringLiteral("show ORDER.kfo370"),
                                                QStringLiteral("print a stored order as JSON, as it was priced"),
                                                &show});
const bool registeredRecalc = registerKvfCommand(
    {QStringLiteral("recalc"), QStringLiteral("recalc ORDER.kfo370 [--config NAME | --catalog DIR] [--save] [--debug]"),
     QStringLiteral("select and price a stored order again; --save writes it back"), &recalc});

} // namespace
