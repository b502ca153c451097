// kvf calc / show / recalc: batch pricing of orders given as JSON or stored
// in order files, with the result as JSON on standard output.
#include "KvfCommands.h"

#include "core/Config.h"
#include "core/Data.h"
#include "core/Globals.h"
#include "core/Setup.h"
#include "core/PricingContext.h"
#include "engine/ArticleChooser.h"
#include "engine/CalcJson.h"
#include "engine/CatalogPricing.h"
#include "engine/EngineServices.h"
#include "engine/NewOrder.h"
#include "model/Order.h"

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

// The configuration of a run: a catalogue directory given directly, or a
// registered configuration (the default one unless named). The run's
// temporary directory goes when the run ends.
class Configuration : public ConfigChooser
{
public:
    ~Configuration()
    {
        if (!TempDir.isEmpty())
            QDir(TempDir).removeRecursively();
    }

    bool choose(const Options &o, QTextStream &err)
    {
        if (!o.catalog.isEmpty()) {
            CatalogDir = NormaliseDirectory(o.catalog);
            SettingsFile = JoinPath(CatalogDir, TkvfSetup::SettingsFileName);
            return true;
        }
        m_name = o.config;
        if (ChooseConfiguration(*this))
            return true;
        if (m_unknown)
            err << "kvf: configuration " << m_name << " is not registered\n";
        return false;
    }

    std::optional<QString> choose(const QStringList &names, int selected) override
    {
        if (m_name.isEmpty())
            return names.value(selected);
        if (names.contains(m_name))
            return m_name;
        m_unknown = true;
        return std::nullopt;
    }

private:
    QString m_name;
    bool m_unknown = false;
};

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

    // The settings of the configuration and its catalogue.
    bool open()
    {
        const QString dir = CatalogDir;
        if (!QFileInfo::exists(QDir(dir).filePath(QStringLiteral("catalog.sqlite")))) {
            m_err << "kvf: no catalogue in " << dir << "\n";
            return false;
        }
        try {
            m_settings.emplace();
            // kvf reads the user's settings but never writes them back.
            m_settings->SettingsLoaded = false;
            m_dm.OpenDatabase(DatabaseKind::Catalog, dir);
        } catch (const Error &e) {
            m_err << "kvf: " << plain(e.text()) << "\n";
            return false;
        }
        return m_dm.OpenCatalogTables();
    }

    const TkvfSetup *settings() const { return m_settings ? &*m_settings : nullptr; }

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
    std::optional<TkvfSetup> m_settings;
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
    Configuration configuration;
    if (!configuration.choose(*o, err))
        return Failed;
    Session session(o->debug, err);
    if (!session.open())
        return Failed;

    TkvfOrder order;
    OrderInput input;
    try {
        if (session.settings())
            InitNewOrder(order, *session.settings());
        else
            LoadRates(&order.Rates);
        input = ReadOrder(doc.object(), order, session.settings());
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
    TkvfOrder order;
    if (!order.LoadFromFile(args.at(0)).loaded)
        return Failed;
    return print(order, out);
}

int recalc(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const auto o = parseOptions(args, false, err);
    if (!o)
        return Selection;
    Configuration configuration;
    if (!configuration.choose(*o, err))
        return Failed;
    Session session(o->debug, err);
    if (!session.open())
        return Failed;
    TkvfOrder order;
    if (!order.LoadFromFile(o->file).loaded)
        return Failed;
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
