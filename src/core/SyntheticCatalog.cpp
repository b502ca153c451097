#include "SyntheticCatalog.h"

#include "core/Database.h"
#include "tools/Errors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <array>
#include <map>
#include <vector>

namespace kv {

namespace {

// splitmix64: the same numbers on every platform and Qt version, so a seed
// names one catalogue for good.
class Rng
{
public:
    explicit Rng(quint64 seed) : m_state(seed) {}
    quint64 next()
    {
        quint64 z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // lo..hi inclusive
    int range(int lo, int hi) { return lo + int(next() % quint64(hi - lo + 1)); }
    bool percent(int p) { return int(next() % 100) < p; }
    template <typename T>
    const T &pick(const std::vector<T> &v) { return v[size_t(next() % v.size())]; }

private:
    quint64 m_state;
};

// ---------------------------------------------------------------------------
// The plan: system groups and the IDs of their sets by role. It depends only
// on the set count, so the order generator finds the same sets as the writer.

enum Role {
    MainSingle, MainLeft, MainRight, SecondaryLeft, SecondaryRight, DoorMain, HingeSet, HandleSet,
    WindowLock, DoorLock, CylinderSet, CloserSet, LatchSet, ExtraSet, RoleCount
};

struct RoleInfo
{
    const char *code;
    int weight; // share of a group's sets, percent
    int group;  // FrnComp.Group
};

constexpr std::array<RoleInfo, RoleCount> kRoles = {{
    {"PO", 28, 10}, {"GL", 4, 10}, {"GR", 4, 10}, {"VL", 5, 10}, {"VR", 5, 10}, {"DV", 6, 11},
    {"PT", 10, 20}, {"RU", 10, 30}, {"ZO", 2, 40}, {"ZD", 3, 41}, {"CL", 3, 45}, {"DO", 2, 50},
    {"SH", 4, 46}, {"DP", 14, 70},
}};

constexpr int kSetsPerGroup = 500;

struct GroupPlan
{
    int base = 0;                              // system group, a multiple of 100
    std::array<int, RoleCount> count{};        // sets per role
    QString setId(Role r, int k) const
    {
        return QStringLiteral("S%1-%2-%3").arg(base / 100, 3, 10, QLatin1Char('0'))
            .arg(QLatin1String(kRoles[r].code)).arg(k, 4, 10, QLatin1Char('0'));
    }
    // Every tenth single-sash main set belongs to the first system of the group only.
    int commonGrp(Role r, int k) const { return r == MainSingle && k % 10 == 9 ? base + 1 : base; }
    QString system(int i) const { return QString::number(base + 1 + i); }
    QString profSys(int i) const { return QStringLiteral("P%1%2").arg(base / 100).arg(QLatin1Char(char('A' + i))); }
};

std::vector<GroupPlan> makePlan(int sets)
{
    const int groups = std::max(1, sets / kSetsPerGroup);
    std::vector<GroupPlan> plan(static_cast<size_t>(groups));
    for (int g = 0; g < groups; ++g) {
        GroupPlan &p = plan[size_t(g)];
        p.base = 3000 + 100 * g;
        const int n = sets / groups + (g < sets % groups ? 1 : 0);
        int used = 0;
        for (int r = 0; r < RoleCount; ++r) {
            p.count[size_t(r)] = std::max(1, n * kRoles[size_t(r)].weight / 100);
            used += p.count[size_t(r)];
        }
        // The rest goes to (or comes from) the single-sash main sets, the largest role.
        p.count[MainSingle] += n - used;
    }
    return plan;
}

// ---------------------------------------------------------------------------
// Elements and their articles

enum Kind { Gear, Scissors, Corner, Coloured, Hinge, Lock, Plate, Stulp, Rod, SideLen, Thickness, Weight, DoorLockEl, Composite, KindCount };

// One round of elements: the mix a group's documentation grows by.
constexpr std::array<std::pair<Kind, int>, 14> kRound = {{
    {Lock, 6}, {Coloured, 4}, {Plate, 3}, {Rod, 2}, {Gear, 1}, {Scissors, 1}, {Corner, 1}, {Hinge, 1},
    {Stulp, 1}, {SideLen, 1}, {Thickness, 1}, {Weight, 1}, {DoorLockEl, 1}, {Composite, 2},
}};

const QStringList kColours = {QStringLiteral("SL"), QStringLiteral("WH"), QStringLiteral("BR"), QStringLiteral("TI"),
                              QStringLiteral("GD"), QStringLiteral("AN"), QStringLiteral("ZD"), QStringLiteral("OR")};
const QStringList kColourNames = {QStringLiteral("серебро"), QStringLiteral("белый"), QStringLiteral("коричневый"),
                                  QStringLiteral("титан"), QStringLiteral("золото"), QStringLiteral("антрацит"),
                                  QStringLiteral("золотой дуб"), QStringLiteral("орех")};

struct Range
{
    int lo, hi, handle;
};
const std::vector<Range> kGearRanges = {{30, 59, 250}, {60, 89, 400}, {90, 139, 600}, {140, 199, 800}, {200, 300, 1000}};
const std::vector<Range> kScissorRanges = {{30, 59, 0}, {60, 89, 0}, {90, 129, 0}, {130, 200, 0}};
const std::vector<Range> kSideRanges = {{300, 799, 0}, {800, 1299, 0}, {1300, 1999, 0}, {2000, 3000, 0}};
const std::vector<Range> kThicknessRanges = {{40, 64, 0}, {65, 84, 0}, {85, 150, 0}};
const std::vector<int> kDoorDorns = {25, 30, 35, 45};

int articlesOf(Kind k)
{
    switch (k) {
    case Gear: return int(kGearRanges.size()) * 2;
    case Scissors: return int(kScissorRanges.size()) * 2;
    case Corner: return 2;
    case Coloured: return int(kColours.size()) + 1;
    case Hinge: return 4;
    case Lock: return 1;
    case Plate: return 3;
    case Stulp: return 3;
    case Rod: return 1;
    case SideLen: return int(kSideRanges.size());
    case Thickness: return int(kThicknessRanges.size());
    case Weight: return 2;
    case DoorLockEl: return int(kDoorDorns.size());
    case Composite: return 0; // virtual element, or one virtual article (counted below)
    case KindCount: break;
    }
    return 0;
}

int roundArticles()
{
    int n = 1; // the second composite of a round carries a virtual article
    for (const auto &[k, count] : kRound)
        n += articlesOf(k) * count;
    return n;
}

// Covers (two designs in every colour plus an uncoloured one each), fasteners.
constexpr int kFixedGroupArticles = 2 * 9 + 4;

// ---------------------------------------------------------------------------
// Writing

class Table
{
public:
    Table(QSqlDatabase &db, const QString &name, const QStringList &columns) : m_columns(columns), m_query(db)
    {
        QStringList quoted, marks;
        for (const QString &c : columns) {
            quoted << QLatin1Char('"') + c + QLatin1Char('"');
            marks << QStringLiteral("?");
        }
        if (!m_query.prepare(QStringLiteral("INSERT INTO \"%1\" (%2) VALUES (%3)").arg(name, quoted.join(QLatin1Char(',')), marks.join(QLatin1Char(',')))))
            throw Error(m_query.lastError().text());
        m_name = name;
    }
    // Values by column name; missing columns take their default (0 or '').
    void insert(const QHash<QString, QVariant> &values)
    {
        for (int i = 0; i < m_columns.size(); ++i) {
            const QVariant v = values.value(m_columns.at(i), QVariant());
            // A null QString binds as NULL; the columns are NOT NULL with '' meaning none.
            m_query.bindValue(i, v.typeId() == QMetaType::QString && v.toString().isNull() ? QVariant(QStringLiteral("")) : v);
        }
        if (!m_query.exec())
            throw Error(QStringLiteral("%1: %2").arg(m_name, m_query.lastError().text()));
        ++m_rows;
    }
    int rows() const { return m_rows; }

private:
    QStringList m_columns;
    QSqlQuery m_query;
    QString m_name;
    int m_rows = 0;
};

using Row = QHash<QString, QVariant>;

// Columns with their defaults: the insert binds every listed column.
QStringList columnsWithDefaults(QSqlDatabase &db, const QString &table, Row *defaults)
{
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("PRAGMA table_info(\"%1\")").arg(table)))
        throw Error(q.lastError().text());
    QStringList cols;
    while (q.next()) {
        const QString name = q.value(1).toString();
        if (name == QLatin1String("Key"))
            continue; // assigned by the database in insertion order
        cols << name;
        const QString type = q.value(2).toString().toUpper();
        (*defaults)[name] = type.contains(QLatin1String("TEXT")) ? QVariant(QString()) : QVariant(0);
    }
    return cols;
}

class Writer
{
public:
    Writer(QSqlDatabase &db, const SyntheticCatalogOptions &options) : m_db(db), m_rng(options.seed), m_options(options) {}

    SyntheticCatalogSummary run();

private:
    struct Pools
    {
        std::array<std::vector<QString>, KindCount> elements;
        std::map<QString, std::vector<QString>> articles; // of each element
        std::vector<QString> coverDesign[2];              // coloured covers, then the uncoloured one
        std::vector<QString> fasteners;
        QString stulpLockArticle;
    };

    void table(const QString &name)
    {
        Row defaults;
        const QStringList cols = columnsWithDefaults(m_db, name, &defaults);
        m_defaults[name] = defaults;
        m_tables.emplace(name, std::make_unique<Table>(m_db, name, cols));
    }
    void insert(const QString &name, const Row &values)
    {
        Row row = m_defaults.at(name);
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            row[it.key()] = it.value();
        m_tables.at(name)->insert(row);
    }
    int rows(const QString &name) const { return m_tables.at(name)->rows(); }

    QString article(const QString &name, int group, const QString &system, double price, int currency = 2, bool isVirtual = false);
    void reference(const std::vector<GroupPlan> &plan);
    void elements(const GroupPlan &g, int budget, Pools &pools);
    QString element(const GroupPlan &g, Kind kind, Pools &pools);
    void plates(const GroupPlan &g, Pools &pools);
    void sets(const GroupPlan &g, const Pools &pools);
    void setRows(const GroupPlan &g, Role role, int k, const Pools &pools);
    void row(const QString &set, const QString &item, Row values)
    {
        values[QStringLiteral("ID")] = set;
        values[QStringLiteral("Item")] = item;
        if (!values.contains(QStringLiteral("Number")))
            values[QStringLiteral("Number")] = 1;
        insert(QStringLiteral("FrnSet"), values);
    }

    QSqlDatabase &m_db;
    Rng m_rng;
    SyntheticCatalogOptions m_options;
    std::map<QString, std::unique_ptr<Table>> m_tables;
    std::map<QString, Row> m_defaults;
    int m_articleSerial = 0, m_elementSerial = 0;
};

QString Writer::article(const QString &name, int group, const QString &system, double price, int currency, bool isVirtual)
{
    const QString id = QStringLiteral("A%1").arg(++m_articleSerial, 7, 10, QLatin1Char('0'));
    insert(QStringLiteral("Catalog"),
           {{QStringLiteral("ID"), id}, {QStringLiteral("Group"), group}, {QStringLiteral("System"), system},
            {QStringLiteral("Article"), id.mid(1)}, {QStringLiteral("ProdArticle"), QStringLiteral("SY ") + id.mid(1)},
            {QStringLiteral("ProdArticle2"), QStringLiteral("D-") + id.mid(2)},
            {QStringLiteral("UseArticle"), m_articleSerial % 17 == 0 ? 2 : 0}, {QStringLiteral("Name"), name.left(100)},
            {QStringLiteral("Unit"), QStringLiteral("шт")}, {QStringLiteral("Integer"), 1}, {QStringLiteral("MinTrade"), 1.0},
            {QStringLiteral("Price"), price}, {QStringLiteral("PriceGrp"), m_articleSerial % 5 < 3 ? m_articleSerial % 5 : 0},
            {QStringLiteral("Currency"), currency}, {QStringLiteral("Use"), 1}, {QStringLiteral("Virtual"), isVirtual ? 1 : 0}});
    return id;
}

void Writer::reference(const std::vector<GroupPlan> &plan)
{
    for (int i = 0; i < kColours.size(); ++i)
        insert(QStringLiteral("COLORSET"), {{QStringLiteral("Color"), kColours[i]}, {QStringLiteral("Name"), kColourNames[i]}});
    const QString C = QStringLiteral("Currency");
    insert(C, {{QStringLiteral("ID"), 1}, {QStringLiteral("Name"), QStringLiteral("руб.")}, {QStringLiteral("Value"), 1.0}, {QStringLiteral("Dec"), 2},
               {QStringLiteral("Nominative"), QStringLiteral("рубль")}, {QStringLiteral("Genitive"), QStringLiteral("рубля")},
               {QStringLiteral("GenitivePlural"), QStringLiteral("рублей")}, {QStringLiteral("Gender"), 0},
               {QStringLiteral("DecNominative"), QStringLiteral("копейка")}, {QStringLiteral("DecGenitive"), QStringLiteral("копейки")},
               {QStringLiteral("DecGenitivePlural"), QStringLiteral("копеек")}, {QStringLiteral("DecGender"), 1}});
    insert(C, {{QStringLiteral("ID"), 2}, {QStringLiteral("Name"), QStringLiteral("EUR")}, {QStringLiteral("Value"), 98.45}, {QStringLiteral("Dec"), 2}});
    insert(C, {{QStringLiteral("ID"), 3}, {QStringLiteral("Name"), QStringLiteral("USD")}, {QStringLiteral("Value"), 91.3}, {QStringLiteral("Dec"), 2}});
    const double reduce[] = {12.0, -7.5, 0.0};
    for (int i = 0; i < 3; ++i)
        insert(QStringLiteral("PriceGrp"), {{QStringLiteral("GroupID"), i + 1}, {QStringLiteral("Name"), QStringLiteral("Группа %1").arg(i + 1)},
                                            {QStringLiteral("Reduce_1"), reduce[i]}});
    for (int i = 0; i < 4; ++i)
        insert(QStringLiteral("Material"), {{QStringLiteral("ID"), i}, {QStringLiteral("Name"), QStringLiteral("Материал %1").arg(i)}});
    const QString P = QStringLiteral("ParamList");
    insert(P, {{QStringLiteral("ID"), 101}, {QStringLiteral("Group"), 1}, {QStringLiteral("Name"), QStringLiteral("12/20-9")},
               {QStringLiteral("FalzLuft"), 12}, {QStringLiteral("FalzSize"), 20}, {QStringLiteral("FalzPos"), 9}});
    insert(P, {{QStringLiteral("ID"), 102}, {QStringLiteral("Group"), 1}, {QStringLiteral("Name"), QStringLiteral("12/18-13")},
               {QStringLiteral("FalzLuft"), 12}, {QStringLiteral("FalzSize"), 18}, {QStringLiteral("FalzPos"), 13}});
    insert(P, {{QStringLiteral("ID"), 103}, {QStringLiteral("Group"), 1}, {QStringLiteral("Name"), QStringLiteral("4/18-13")},
               {QStringLiteral("FalzLuft"), 4}, {QStringLiteral("FalzSize"), 18}, {QStringLiteral("FalzPos"), 13}});
    const int dorns[] = {15, 25, 30, 35, 45};
    for (int i = 0; i < 5; ++i)
        insert(P, {{QStringLiteral("ID"), 201 + i}, {QStringLiteral("Group"), 2}, {QStringLiteral("Name"), QStringLiteral("D%1").arg(dorns[i])},
                   {QStringLiteral("DornMass"), double(dorns[i])}});
    for (int i = 0; i < 3; ++i)
        insert(P, {{QStringLiteral("ID"), 301 + i}, {QStringLiteral("Group"), 3}, {QStringLiteral("Name"), QStringLiteral("Штульп %1").arg(i + 2)},
                   {QStringLiteral("StulpType"), i + 2}});
    for (int i = 0; i < 3; ++i)
        insert(P, {{QStringLiteral("ID"), 401 + i}, {QStringLiteral("Group"), 4}, {QStringLiteral("Name"), QStringLiteral("Открывание %1").arg(i)},
                   {QStringLiteral("OpenType"), i}});

    // Property values and keys: 10 main sets (defaults 111, 121, 131), 11 RC,
    // 13 microlift, 16 secondary sashes, 20 handles, 21/22 handle variants, 30 hinges.
    const std::vector<std::pair<int, QString>> props = {
        {111, QStringLiteral("Базовая")}, {112, QStringLiteral("RC1")}, {113, QStringLiteral("RC2")},
        {121, QStringLiteral("Без микролифта")}, {122, QStringLiteral("С микролифтом")},
        {131, QStringLiteral("Нет")}, {132, QStringLiteral("Да")},
        {211, QStringLiteral("Стандартная")}, {212, QStringLiteral("С ключом")},
        {311, QStringLiteral("до 100 кг")}, {312, QStringLiteral("до 130 кг")}};
    for (const auto &[id, name] : props)
        insert(QStringLiteral("SysProp"), {{QStringLiteral("ID"), id}, {QStringLiteral("GroupName"), QStringLiteral("Свойство %1").arg(id / 10 * 10)},
                                           {QStringLiteral("ValueName"), name}, {QStringLiteral("Printable"), 1}, {QStringLiteral("Use"), 1}});
    const std::vector<std::tuple<int, int, int>> keys = {
        {10, 111, 1}, {10, 112, 0}, {10, 113, 0}, {10, 121, 1}, {10, 122, 0}, {10, 131, 1}, {10, 132, 0},
        {11, 112, 0}, {11, 113, 0}, {13, 122, 0}, {16, 111, 1}, {16, 112, 0}, {16, 121, 1}, {16, 122, 0},
        {20, 211, 1}, {20, 212, 0}, {21, 211, 0}, {22, 212, 0}, {30, 311, 1}, {30, 312, 0}};
    for (const auto &[key, id, def] : keys)
        insert(QStringLiteral("FrnProp"), {{QStringLiteral("PropKey"), key}, {QStringLiteral("ID"), id}, {QStringLiteral("Default"), def}});

    for (const GroupPlan &g : plan) {
        for (int s = 0; s < 2; ++s) {
            insert(QStringLiteral("SysList"), {{QStringLiteral("ID"), g.system(s)}, {QStringLiteral("Group"), 1},
                                               {QStringLiteral("Name"), QStringLiteral("Синтетическая система %1").arg(g.system(s))},
                                               {QStringLiteral("ShortName"), g.system(s)}, {QStringLiteral("Use"), 1},
                                               {QStringLiteral("CommonGrp"), g.base + 1 + s}, {QStringLiteral("BaseColor"), kColours[0]}});
            for (int c = 0; c < 6; ++c)
                insert(QStringLiteral("SysColor"), {{QStringLiteral("ID"), kColours[c]}, {QStringLiteral("System"), g.system(s)}});
        }
        for (int i = 0; i < 3; ++i)
            insert(QStringLiteral("SysProf"), {{QStringLiteral("SchlSysID"), g.profSys(i)}, {QStringLiteral("FurnSysID"), QString::number(g.base)},
                                               {QStringLiteral("Name"), QStringLiteral("Профиль %1").arg(g.profSys(i))}});
    }
}

QString Writer::element(const GroupPlan &g, Kind kind, Pools &pools)
{
    static const char *const names[] = {"Привод", "Ножницы", "Угловой переключатель", "Накладка", "Петля", "Запор средний",
                                        "Планка ответная", "Механизм штульповый", "Тяга", "Привод по длине стороны",
                                        "Цилиндр", "Петля скрытая", "Замок дверной", "Узел"};
    const QString id = QStringLiteral("E%1-%2").arg(g.base / 100, 3, 10, QLatin1Char('0')).arg(++m_elementSerial, 6, 10, QLatin1Char('0'));
    const QString name = QStringLiteral("%1 %2").arg(QString::fromUtf8(names[kind])).arg(m_elementSerial);
    const QString sys = QString::number(g.base);
    Row item = {{QStringLiteral("ID"), id}, {QStringLiteral("Name"), name}};
    std::vector<QString> &arts = pools.articles[id];
    auto art = [&](const QString &suffix, double price, Row values) {
        const QString a = article(name + QStringLiteral(", ") + suffix, 200 + int(kind), sys, price);
        values[QStringLiteral("ID")] = id;
        values[QStringLiteral("CatalogID")] = a;
        insert(QStringLiteral("FrnArt"), values);
        arts.push_back(a);
    };
    const double price = 1.0 + double(m_rng.range(0, 4000)) / 100.0;
    switch (kind) {
    case Gear:
        item[QStringLiteral("HasDornMass")] = 1;
        item[QStringLiteral("HasFalzPos")] = 1;
        for (int axis : {9, 13})
            for (const Range &r : kGearRanges)
                art(QStringLiteral("FFH %1-%2, ось %3").arg(r.lo).arg(r.hi).arg(axis), price,
                    {{QStringLiteral("FFHMin"), r.lo}, {QStringLiteral("FFHMax"), r.hi}, {QStringLiteral("HandleHeight"), r.handle},
                     {QStringLiteral("FalzPos"), axis}, {QStringLiteral("DornMassMin"), 15.0}, {QStringLiteral("DornMassMax"), 15.0}});
        break;
    case Scissors:
        item[QStringLiteral("CheckDirect")] = 1;
        for (int d : {1, 2})
            for (const Range &r : kScissorRanges)
                art(QStringLiteral("FFB %1-%2, рука %3").arg(r.lo).arg(r.hi).arg(d), price,
                    {{QStringLiteral("FFBMin"), r.lo}, {QStringLiteral("FFBMax"), r.hi}, {QStringLiteral("Direct"), d}});
        break;
    case Corner:
        item[QStringLiteral("HasFalzLuft")] = 1;
        for (int luft : {12, 4})
            art(QStringLiteral("фальцлюфт %1").arg(luft), price, {{QStringLiteral("FalzLuft"), luft}});
        break;
    case Coloured:
        item[QStringLiteral("HasColor")] = 1;
        for (int c = 0; c < kColours.size(); ++c)
            art(kColourNames[c], price, {{QStringLiteral("Color"), kColours[c]}});
        art(QStringLiteral("без цвета"), price, {{QStringLiteral("Color"), QString()}});
        break;
    case Hinge:
        item[QStringLiteral("CheckDirect")] = 1;
        item[QStringLiteral("HasFalzLuft")] = 1;
        for (int d : {1, 2})
            for (int luft : {12, 4})
                art(QStringLiteral("рука %1, фальцлюфт %2").arg(d).arg(luft), price, {{QStringLiteral("Direct"), d}, {QStringLiteral("FalzLuft"), luft}});
        break;
    case Lock:
    case Rod:
        art(QStringLiteral("исполнение 1"), price, {});
        break;
    case Plate: {
        item[QStringLiteral("HasProfSys")] = 1;
        // System-group test: mostly the whole group, some one system, some every system.
        const int n = m_elementSerial % 4;
        item[QStringLiteral("CommonGrp")] = n == 2 ? g.base + 1 : n == 3 ? 0 : g.base;
        for (int i = 0; i < 3; ++i)
            art(g.profSys(i), price, {{QStringLiteral("ProfSys"), g.profSys(i)}});
        break;
    }
    case Stulp:
        item[QStringLiteral("CheckStulpType")] = 1;
        for (int kind2 : {2, 3, 4})
            art(QStringLiteral("штульп %1").arg(kind2), price, {{QStringLiteral("StulpType"), kind2}});
        break;
    case SideLen:
        for (const Range &r : kSideRanges)
            art(QStringLiteral("сторона %1-%2 мм").arg(r.lo).arg(r.hi), price,
                {{QStringLiteral("FFL1Min"), r.lo}, {QStringLiteral("FFL1Max"), r.hi}});
        break;
    case Thickness:
        item[QStringLiteral("CheckThickness")] = 1;
        for (const Range &r : kThicknessRanges)
            art(QStringLiteral("профиль %1-%2 мм").arg(r.lo).arg(r.hi), price,
                {{QStringLiteral("ThicknessMin"), r.lo}, {QStringLiteral("ThicknessMax"), r.hi}});
        break;
    case Weight:
        item[QStringLiteral("CheckWeight")] = 1;
        art(QStringLiteral("до 100 кг"), price, {{QStringLiteral("WeightMin"), 0.0}, {QStringLiteral("WeightMax"), 100.0}});
        art(QStringLiteral("до 200 кг"), price, {{QStringLiteral("WeightMin"), 100.01}, {QStringLiteral("WeightMax"), 200.0}});
        break;
    case DoorLockEl:
        item[QStringLiteral("HasDornMass")] = 1;
        for (int d : kDoorDorns)
            art(QStringLiteral("D%1").arg(d), price * 4,
                {{QStringLiteral("FFHMin"), 150}, {QStringLiteral("FFHMax"), 300}, {QStringLiteral("HandleHeight"), 1050},
                 {QStringLiteral("DornMassMin"), double(d)}, {QStringLiteral("DornMassMax"), double(d)}});
        break;
    case Composite:
        // Every other composite is a virtual element; the rest carry a virtual
        // article. Either way only the parts become items.
        if (pools.elements[Composite].size() % 2 == 0) {
            item[QStringLiteral("Virtual")] = 1;
        } else {
            const QString a = article(name + QStringLiteral(", набор"), 220, sys, 0.0, 2, true);
            insert(QStringLiteral("FrnArt"), {{QStringLiteral("ID"), id}, {QStringLiteral("CatalogID"), a}});
            arts.push_back(a);
        }
        break;
    case KindCount:
        break;
    }
    insert(QStringLiteral("FrnItem"), item);
    pools.elements[kind].push_back(id);
    return id;
}

void Writer::elements(const GroupPlan &g, int budget, Pools &pools)
{
    const QString sys = QString::number(g.base);
    for (int design = 0; design < 2; ++design) {
        for (int c = 0; c < kColours.size(); ++c)
            pools.coverDesign[design].push_back(
                article(QStringLiteral("Накладка декоративная %1, %2").arg(design + 1).arg(kColourNames[c]), 214, sys, 0.8));
        pools.coverDesign[design].push_back(article(QStringLiteral("Накладка декоративная %1, универсальная").arg(design + 1), 214, sys, 0.7));
    }
    for (int i = 0; i < 4; ++i)
        pools.fasteners.push_back(article(QStringLiteral("Крепёж %1").arg(i + 1), 1000, QString(), 3.0 + i, 1));
    budget -= kFixedGroupArticles;
    const int perRound = roundArticles();
    do {
        for (const auto &[kind, n] : kRound)
            for (int i = 0; i < n; ++i)
                element(g, kind, pools);
        budget -= perRound;
    } while (budget >= perRound);
    // Articles of the catalogue that the documentation does not name.
    for (int i = 0; i < budget; ++i)
        article(QStringLiteral("Материал прочий %1").arg(i + 1), 1000, QString(), 0.5 + (i % 50), 1 + i % 3);
    pools.stulpLockArticle = pools.articles[pools.elements[Lock].front()].front();

    // Composite parts: elements whose article needs no size (locks, colours,
    // corner drives), so that a part always resolves.
    for (const QString &c : pools.elements[Composite]) {
        const int parts = m_rng.range(2, 4);
        for (int p = 0; p < parts; ++p) {
            const Kind k = p == 0 ? Lock : (p == 1 ? Coloured : (m_rng.percent(50) ? Corner : Lock));
            Row part = {{QStringLiteral("ID"), c}, {QStringLiteral("Item"), m_rng.pick(pools.elements[k])},
                        {QStringLiteral("Number"), m_rng.range(1, 2)}, {QStringLiteral("Required"), p == 0 ? 1 : 0},
                        {QStringLiteral("ColorCondition"), m_rng.range(0, 3)}};
            if (p == 2)
                part[QStringLiteral("PropKey")] = 13;
            if (p == 3)
                part[QStringLiteral("StulpType")] = m_rng.percent(50) ? 4 + 8 + 16 : 64;
            if (m_rng.percent(30))
                part[QStringLiteral("ItemSideNo")] = 2;
            insert(QStringLiteral("FrnItoI"), part);
        }
    }
}

void Writer::plates(const GroupPlan &, Pools &pools)
{
    const std::vector<QString> &plateElements = pools.elements[Plate];
    int n = 0;
    for (Kind k : {Lock, Corner, Gear}) {
        for (const QString &el : pools.elements[k]) {
            for (const QString &a : pools.articles[el]) {
                ++n;
                Row r = {{QStringLiteral("CatalogID"), a}, {QStringLiteral("Item"), plateElements[size_t(n) % plateElements.size()]},
                         {QStringLiteral("Number"), 1}};
                if (n % 5 == 0)
                    r[QStringLiteral("ItemSideNo")] = 3;
                if (n % 7 == 0)
                    r[QStringLiteral("StulpType")] = 6;
                if (n % 11 == 0)
                    r[QStringLiteral("PropKey")] = 11;
                insert(QStringLiteral("FrnSchl"), r);
            }
        }
    }
    // Covers: hinges take design 1, scissors design 2; the uncoloured cover
    // serves the colours that have none.
    for (int design = 0; design < 2; ++design) {
        for (const QString &el : pools.elements[design == 0 ? Hinge : Scissors]) {
            for (const QString &a : pools.articles[el]) {
                for (int c = 0; c < 4; ++c)
                    insert(QStringLiteral("FrnAbd"), {{QStringLiteral("CatalogID"), a}, {QStringLiteral("Color"), kColours[c]},
                                                      {QStringLiteral("AccessoryID"), pools.coverDesign[design][size_t(c)]}, {QStringLiteral("Number"), 1}});
                insert(QStringLiteral("FrnAbd"), {{QStringLiteral("CatalogID"), a}, {QStringLiteral("Color"), QString()},
                                                  {QStringLiteral("AccessoryID"), pools.coverDesign[design].back()}, {QStringLiteral("Number"), 1}});
            }
        }
    }
    // Accessories: fasteners of strike plates and coloured parts, and of covers.
    n = 0;
    for (Kind k : {Plate, Coloured}) {
        for (const QString &el : pools.elements[k]) {
            for (const QString &a : pools.articles[el]) {
                ++n;
                Row r = {{QStringLiteral("CatalogID"), a}, {QStringLiteral("AccessoryID"), pools.fasteners[size_t(n) % 4]},
                         {QStringLiteral("Number"), k == Plate ? 2 : 1}};
                if (n % 13 == 0)
                    r[QStringLiteral("PropKey")] = 11;
                if (n % 17 == 0)
                    r[QStringLiteral("StulpType")] = 3;
                insert(QStringLiteral("FrnDop"), r);
            }
        }
    }
    for (int design = 0; design < 2; ++design)
        for (const QString &cover : pools.coverDesign[design])
            insert(QStringLiteral("FrnDop"), {{QStringLiteral("CatalogID"), cover}, {QStringLiteral("AccessoryID"), pools.fasteners[0]},
                                              {QStringLiteral("Number"), 2}});
}

void Writer::sets(const GroupPlan &g, const Pools &pools)
{
    for (int r = 0; r < RoleCount; ++r)
        for (int k = 0; k < g.count[size_t(r)]; ++k)
            setRows(g, Role(r), k, pools);
}

void Writer::setRows(const GroupPlan &g, Role role, int k, const Pools &pools)
{
    const QString id = g.setId(role, k);
    const bool main = role <= DoorMain;
    const bool handled = role == MainSingle || role == MainLeft || role == MainRight || role == DoorMain;
    // Hand: main sets alternate; two-sash sets have the hand of their side.
    int direct = 0;
    if (role == MainSingle || role == DoorMain)
        direct = 1 + k % 2;
    else if (role == MainLeft || role == SecondaryLeft)
        direct = 1;
    else if (role == MainRight || role == SecondaryRight)
        direct = 2;
    const int hinge = direct == 2 ? 3 : 1;   // side carrying the hinges
    const int handle = direct == 2 ? 1 : 3;  // handle side; the stulp side of a two-sash sash
    int sub = 0;
    if (role == MainLeft)
        sub = 11;
    else if (role == MainRight)
        sub = 21;
    else if (role == SecondaryLeft)
        sub = 12 + k % 2;
    else if (role == SecondaryRight)
        sub = 22 + k % 2;
    const bool tilt = role == MainSingle || role == MainLeft || role == MainRight || sub == 13 || sub == 23;
    int propKey = 0;
    if (role == MainSingle || role == MainLeft || role == MainRight)
        propKey = 10;
    else if (role == SecondaryLeft || role == SecondaryRight)
        propKey = 16;
    else if (role == HandleSet)
        propKey = 20;
    else if (role == HingeSet)
        propKey = 30;
    insert(QStringLiteral("FrnComp"),
           {{QStringLiteral("ID"), id}, {QStringLiteral("Group"), kRoles[size_t(role)].group}, {QStringLiteral("SubGroup"), sub},
            {QStringLiteral("Kipp"), tilt ? 1 : 0}, {QStringLiteral("Name"), QStringLiteral("Комплект %1").arg(id)},
            {QStringLiteral("Image"), handled ? (tilt ? 3 + direct : direct) : 0}, {QStringLiteral("MaxWeight"), 130},
            {QStringLiteral("ScrColor"), 12632256}, {QStringLiteral("TFlugelAvailable"), tilt ? 0 : 1}, {QStringLiteral("Use"), 1},
            {QStringLiteral("CommonGrp"), g.commonGrp(role, k)}, {QStringLiteral("Direct"), direct}, {QStringLiteral("Printable"), 1},
            {QStringLiteral("PrintName"), QStringLiteral("Комплект %1").arg(id)}, {QStringLiteral("PropKey"), propKey},
            {QStringLiteral("DispHingeNum"), 2}});
    if (main) {
        const bool door = role == DoorMain;
        for (int side = 1; side <= 4; ++side) {
            const bool vertical = side == 1 || side == 3;
            Row s = {{QStringLiteral("ID"), id}, {QStringLiteral("Side"), side},
                     {QStringLiteral("MinSize"), vertical ? (door ? 1800 : 400) : (door ? 600 : 400)},
                     {QStringLiteral("MaxSize"), vertical ? (door ? 2600 : 3000) : (door ? 1400 : (sub ? 1500 : 2000))},
                     {QStringLiteral("MinAngle"), 89.5}, {QStringLiteral("MaxAngle"), 90.5}};
            if (side == hinge) {
                s[QStringLiteral("OpenMode")] = 1;
                s[QStringLiteral("RotSide")] = handle;
                s[QStringLiteral("Banded")] = 1;
            }
            if (side == handle && handled) {
                s[QStringLiteral("Handled")] = 1;
                s[QStringLiteral("HandleDirect")] = handle == 1 ? 0 : 1;
            }
            if (side != hinge)
                s[QStringLiteral("Drived")] = 1;
            if (side == 4 && tilt) {
                s[QStringLiteral("OpenMode")] = 1;
                s[QStringLiteral("RotSide")] = 2;
            }
            insert(QStringLiteral("FrnSide"), s);
        }
    }
    auto any = [&](Kind kind) { return m_rng.pick(pools.elements[kind]); };
    auto lockRows = [&](int count, bool single) {
        for (int i = 0; i < count; ++i) {
            Row r;
            switch (m_rng.range(0, 8)) {
            case 0: r = {{QStringLiteral("FFBMin"), 80}, {QStringLiteral("ScaleCondition"), 1}, {QStringLiteral("ScaleStart"), 80},
                         {QStringLiteral("ScaleStep"), 40}, {QStringLiteral("Number"), 0}, {QStringLiteral("ScaleNum"), 1}, {QStringLiteral("ItemSideNo"), 2}}; break;
            case 1: r = {{QStringLiteral("FFHMin"), 120}, {QStringLiteral("ScaleCondition"), 2}, {QStringLiteral("ScaleScheme"), QStringLiteral("120;170;220")},
                         {QStringLiteral("Number"), 0}, {QStringLiteral("ScaleNum"), 1}, {QStringLiteral("ItemSideNo"), hinge}}; break;
            case 2: r = {{QStringLiteral("FFL1No"), handle}, {QStringLiteral("FFL1Min"), 900}, {QStringLiteral("ScaleCondition"), 3},
                         {QStringLiteral("Side1No"), handle}, {QStringLiteral("ScaleScheme"), QStringLiteral("1000;1600")},
                         {QStringLiteral("Number"), 1}, {QStringLiteral("ScaleNum"), 1}, {QStringLiteral("ItemSideNo"), handle}}; break;
            case 3: r = {{QStringLiteral("FFL2No"), 4}, {QStringLiteral("FFL2Min"), 700}, {QStringLiteral("ScaleCondition"), 4},
                         {QStringLiteral("Side2No"), 4}, {QStringLiteral("ScaleStart"), 700}, {QStringLiteral("ScaleStep"), 600},
                         {QStringLiteral("Number"), 0}, {QStringLiteral("ScaleNum"), 1}, {QStringLiteral("ItemSideNo"), 4}}; break;
            case 4: r = {{QStringLiteral("PropKey"), 11}, {QStringLiteral("Number"), 2}}; break;
            case 5: r = {{QStringLiteral("PropKey"), 13}, {QStringLiteral("ItemSideNo"), handle}}; break;
            case 6: r = {{QStringLiteral("FFANo"), 1}, {QStringLiteral("FFAMin"), 89.0}, {QStringLiteral("FFAMax"), 91.0}}; break;
            case 7: r = {{QStringLiteral("StulpType"), single ? 64 : 4 + 8 + 16}}; break;
            default: r = {{QStringLiteral("FFHMax"), 150}, {QStringLiteral("FFBMax"), 100}}; break;
            }
            row(id, any(Lock), r);
        }
    };
    // withHandle: the sash has a handle placed by its gear, so a length may follow it.
    auto rodRows = [&](int count, bool withHandle) {
        for (int i = 0; i < count; ++i) {
            Row r = {{QStringLiteral("UseLen"), 1}};
            switch (m_rng.range(0, withHandle ? 4 : 3)) {
            case 0: r.insert({{QStringLiteral("FFBMin"), 80}, {QStringLiteral("LenFormula"), QStringLiteral("FFB - 400")}, {QStringLiteral("MinLen"), 100}}); break;
            case 1: r.insert({{QStringLiteral("FFHMin"), 120}, {QStringLiteral("LenFormula"), QStringLiteral("FFН - 700")}, {QStringLiteral("MinLen"), 100}}); break;
            case 2: r.insert({{QStringLiteral("FFL1No"), handle}, {QStringLiteral("FFL1Min"), 400},
                              {QStringLiteral("LenFormula"), QStringLiteral("FFL(%1) - 250").arg(handle)}, {QStringLiteral("MinLen"), 50}}); break;
            case 3: r.insert({{QStringLiteral("LenFormula"), QStringLiteral("FRH - 200")}, {QStringLiteral("MinLen"), 100}}); break;
            default: r.insert({{QStringLiteral("FFHMin"), 100}, {QStringLiteral("LenFormula"), QStringLiteral("FFG(%1) - 150").arg(handle)},
                               {QStringLiteral("MinLen"), 0}}); break;
            }
            row(id, any(Rod), r);
        }
    };

    switch (role) {
    case MainSingle:
    case MainLeft:
    case MainRight: {
        const bool single = role == MainSingle;
        row(id, any(Gear), {{QStringLiteral("Condition"), 2}, {QStringLiteral("DefineHandleHeight"), 1}, {QStringLiteral("HandleSideNo"), handle},
                            {QStringLiteral("Required"), 1}, {QStringLiteral("ItemSideNo"), handle}});
        row(id, any(Corner), {{QStringLiteral("Number"), 2}, {QStringLiteral("Required"), 1}, {QStringLiteral("ItemSideNo"), handle}});
        row(id, any(Scissors), {{QStringLiteral("Condition"), 1}, {QStringLiteral("Required"), 1}, {QStringLiteral("ItemSideNo"), 2},
                                {QStringLiteral("AlertIfNoArt"), QStringLiteral("Нет ножниц для этой ширины.")}});
        row(id, any(SideLen), {{QStringLiteral("Condition"), 4}, {QStringLiteral("Side1No"), hinge}, {QStringLiteral("Required"), 1},
                               {QStringLiteral("ItemSideNo"), hinge}});
        for (int i = m_rng.range(1, 2); i > 0; --i)
            row(id, any(Coloured), {{QStringLiteral("ColorCondition"), m_rng.range(0, 3)}, {QStringLiteral("Required"), 1}});
        lockRows(m_rng.range(6, 10), single);
        rodRows(2, true);
        row(id, any(Composite), {{QStringLiteral("Note"), QStringLiteral("узел")}});
        if (!single) {
            row(id, pools.elements[Lock].front(), {{QStringLiteral("Required"), 1}, {QStringLiteral("ItemSideNo"), handle},
                                                   {QStringLiteral("StulpType"), 4 + 8 + 16}});
            row(id, any(Lock), {{QStringLiteral("FFL21No"), role == MainLeft ? 1 : 3}, {QStringLiteral("FFL21Min"), 1000}, {QStringLiteral("ItemSideNo"), handle}});
        }
        break;
    }
    case SecondaryLeft:
    case SecondaryRight:
        row(id, any(Stulp), {{QStringLiteral("Required"), 1}, {QStringLiteral("ItemSideNo"), handle}});
        row(id, any(Plate), {{QStringLiteral("UseIfArt"), pools.stulpLockArticle}, {QStringLiteral("Required"), 1}, {QStringLiteral("ItemSideNo"), handle}});
        row(id, any(Lock), {{QStringLiteral("FFL22No"), 4}, {QStringLiteral("FFL22Min"), 500}, {QStringLiteral("ItemSideNo"), handle}});
        if (tilt) {
            row(id, any(Corner), {{QStringLiteral("Number"), 2}, {QStringLiteral("Required"), 1}, {QStringLiteral("ItemSideNo"), handle}});
            row(id, any(Scissors), {{QStringLiteral("Condition"), 1}, {QStringLiteral("Required"), 1}, {QStringLiteral("ItemSideNo"), 2}});
            lockRows(m_rng.range(2, 4), false);
        }
        break;
    case DoorMain:
        lockRows(m_rng.range(3, 5), true);
        row(id, any(Rod), {{QStringLiteral("UseLen"), 1}, {QStringLiteral("LenFormula"), QStringLiteral("FRH - 40")}, {QStringLiteral("MinLen"), 1500},
                           {QStringLiteral("ItemSideNo"), handle}});
        row(id, any(Coloured), {{QStringLiteral("ColorCondition"), 1}, {QStringLiteral("Required"), 1}});
        break;
    case HingeSet:
        row(id, any(Composite), {});
        row(id, any(Hinge), {{QStringLiteral("Required"), 1}, {QStringLiteral("ItemSideNo"), 4}});
        row(id, any(Hinge), {{QStringLiteral("ScaleCondition"), 2}, {QStringLiteral("ScaleScheme"), QStringLiteral("170;230")},
                             {QStringLiteral("Number"), 0}, {QStringLiteral("ScaleNum"), 1}});
        row(id, any(Coloured), {{QStringLiteral("ColorCondition"), 2}});
        break;
    case HandleSet:
        row(id, any(Coloured), {{QStringLiteral("PropKey"), 21}, {QStringLiteral("Required"), 1}});
        row(id, any(Coloured), {{QStringLiteral("PropKey"), 22}, {QStringLiteral("Required"), 1}});
        row(id, any(Lock), {});
        break;
    case WindowLock:
        row(id, any(Lock), {{QStringLiteral("Required"), 1}});
        break;
    case DoorLock:
        row(id, any(DoorLockEl), {{QStringLiteral("Condition"), 2}, {QStringLiteral("DefineHandleHeight"), 1}, {QStringLiteral("Required"), 1}});
        row(id, any(Rod), {{QStringLiteral("UseLen"), 1}, {QStringLiteral("LenFormula"), QStringLiteral("FН - FFG(3) - FFG(1) - 450")},
                           {QStringLiteral("MinLen"), 100}});
        break;
    case CylinderSet:
        row(id, any(Thickness), {{QStringLiteral("Required"), 1}});
        break;
    case CloserSet:
        row(id, any(Weight), {{QStringLiteral("Required"), 1}});
        row(id, any(Coloured), {});
        break;
    case LatchSet:
        row(id, any(Stulp), {{QStringLiteral("Required"), 1}});
        row(id, any(Rod), {{QStringLiteral("FFHMin"), 160}, {QStringLiteral("UseLen"), 1}, {QStringLiteral("LenFormula"), QStringLiteral("FRH - 1400")},
                           {QStringLiteral("MinLen"), 100}});
        break;
    case ExtraSet:
        lockRows(m_rng.range(1, 3), false);
        rodRows(1, false);
        break;
    case RoleCount:
        break;
    }
}

SyntheticCatalogSummary Writer::run()
{
    for (const char *t : {"COLORSET", "Currency", "PriceGrp", "SysList", "SysColor", "SysProp", "SysProf", "Catalog", "Material",
                          "ParamList", "FrnComp", "FrnSide", "FrnItem", "FrnSet", "FrnArt", "FrnSchl", "FrnDop", "FrnAbd", "FrnProp", "FrnItoI"})
        table(QString::fromLatin1(t));
    const std::vector<GroupPlan> plan = makePlan(m_options.sets);
    reference(plan);
    const int groups = int(plan.size());
    for (int i = 0; i < groups; ++i) {
        const GroupPlan &g = plan[size_t(i)];
        Pools pools;
        elements(g, m_options.articles / groups + (i < m_options.articles % groups ? 1 : 0), pools);
        plates(g, pools);
        sets(g, pools);
    }
    SyntheticCatalogSummary s;
    s.articles = rows(QStringLiteral("Catalog"));
    s.elements = rows(QStringLiteral("FrnItem"));
    s.elementArticles = rows(QStringLiteral("FrnArt"));
    s.sets = rows(QStringLiteral("FrnComp"));
    s.setRows = rows(QStringLiteral("FrnSet"));
    s.sideRows = rows(QStringLiteral("FrnSide"));
    s.strikePlates = rows(QStringLiteral("FrnSchl"));
    s.covers = rows(QStringLiteral("FrnAbd"));
    s.accessories = rows(QStringLiteral("FrnDop"));
    s.compositeParts = rows(QStringLiteral("FrnItoI"));
    for (const GroupPlan &g : plan)
        s.systems << g.system(0) << g.system(1);
    return s;
}

void checkOptions(const SyntheticCatalogOptions &o)
{
    if (o.sets < syntheticMinimumSets())
        throw Error(QStringLiteral("Число комплектов должно быть не меньше %1").arg(syntheticMinimumSets()));
    if (o.articles < syntheticMinimumArticles(o.sets))
        throw Error(QStringLiteral("Для %1 комплектов нужно не меньше %2 артикулов").arg(o.sets).arg(syntheticMinimumArticles(o.sets)));
}

} // namespace

int syntheticMinimumSets() { return RoleCount; }

int syntheticMinimumArticles(int sets)
{
    const int groups = std::max(1, sets / kSetsPerGroup);
    return groups * (kFixedGroupArticles + roundArticles());
}

SyntheticCatalogSummary generateSyntheticCatalog(const QString &dir, const SyntheticCatalogOptions &options)
{
    checkOptions(options);
    createDatabase(DatabaseKind::Catalog, dir);
    static int serial = 0;
    const QString conn = QStringLiteral("kv_synthetic_%1").arg(++serial);
    SyntheticCatalogSummary summary;
    try {
        openDatabase(DatabaseKind::Catalog, dir, conn);
        {
            QSqlDatabase db = QSqlDatabase::database(conn);
            if (!db.transaction())
                throw Error(db.lastError().text());
            try {
                Writer writer(db, options);
                summary = writer.run();
            } catch (...) {
                db.rollback();
                throw;
            }
            if (!db.commit())
                throw Error(db.lastError().text());
        }
        closeDatabase(conn);
    } catch (const Error &e) {
        closeDatabase(conn);
        QFile::remove(databasePath(DatabaseKind::Catalog, dir));
        throw Error(QStringLiteral("Ошибка создания синтетического каталога [%1]:\r\n%2").arg(dir, e.text()));
    }
    return summary;
}

QJsonObject syntheticOrder(const SyntheticCatalogOptions &options, int positions, quint64 orderSeed)
{
    checkOptions(options);
    const std::vector<GroupPlan> plan = makePlan(options.sets);
    Rng rng(orderSeed ^ (options.seed * 0x9E3779B97F4A7C15ull));
    auto props = [](const QStringList &lines) { return QJsonArray::fromStringList(lines); };
    QJsonArray list;
    for (int p = 0; p < positions; ++p) {
        const GroupPlan &g = plan[size_t(rng.range(0, int(plan.size()) - 1))];
        const int systemIndex = rng.range(0, 1);
        const bool rightMain = rng.percent(50);
        auto pick = [&](Role r) {
            // A set of the role that the chosen system is offered.
            for (;;) {
                const int k = rng.range(0, g.count[size_t(r)] - 1);
                const int common = g.commonGrp(r, k);
                if (common == g.base || common == g.base + 1 + systemIndex)
                    return g.setId(r, k);
            }
        };
        const int x = rng.range(40, 100) * 10, y = rng.range(40, 100) * 10, h = rng.range(80, 220) * 10;
        auto sash = [&](bool main, Role role) {
            QJsonObject s;
            s[QStringLiteral("MainSet")] = pick(role);
            s[QStringLiteral("Handle")] = main ? pick(HandleSet) : QString();
            s[QStringLiteral("HingeSet")] = pick(HingeSet);
            s[QStringLiteral("Lock")] = QString();
            s[QStringLiteral("Cylinder")] = QString();
            s[QStringLiteral("Closer")] = QString();
            s[QStringLiteral("Latch")] = main ? QString() : pick(LatchSet);
            s[QStringLiteral("OwnHandleHeight")] = false;
            s[QStringLiteral("HandleHeight")] = 0;
            s[QStringLiteral("Dorn")] = 201;
            QStringList lines = main ? QStringList{QStringLiteral("0=111"), QStringLiteral("0=121"), QStringLiteral("0=131"), QStringLiteral("1=211")}
                                     : QStringList{QStringLiteral("0=111"), QStringLiteral("0=121")};
            lines << QStringLiteral("2=311");
            s[QStringLiteral("Properties")] = props(lines);
            s[QStringLiteral("AdditionalSets")] = QJsonArray();
            return s;
        };
        QJsonObject pos;
        pos[QStringLiteral("PosNo")] = QStringLiteral("%1").arg(p + 1, 3, 10, QLatin1Char('0'));
        pos[QStringLiteral("PosName")] = QStringLiteral("Окно: Комплект штульповый");
        pos[QStringLiteral("Count")] = rng.range(1, 3);
        pos[QStringLiteral("ObjectType")] = 0;
        pos[QStringLiteral("Checked")] = true;
        pos[QStringLiteral("Shape")] = QJsonObject{{QStringLiteral("Kind"), rightMain ? 1 : 2}, {QStringLiteral("B"), x + y},
                                                   {QStringLiteral("H"), h}, {QStringLiteral("X"), x}, {QStringLiteral("Y"), y},
                                                   {QStringLiteral("R"), 0}};
        pos[QStringLiteral("FurnSys")] = g.system(systemIndex);
        pos[QStringLiteral("ProfSys")] = g.profSys(rng.range(0, 2));
        pos[QStringLiteral("FurnColor")] = kColours[rng.range(0, 5)];
        pos[QStringLiteral("FalzType")] = 101 + rng.range(0, 2);
        pos[QStringLiteral("StulpType")] = 301 + rng.range(0, 2);
        pos[QStringLiteral("OpenType")] = 401;
        pos[QStringLiteral("ProfWidth")] = 70.0;
        pos[QStringLiteral("ProfThickness")] = 70.0;
        if (rightMain) {
            pos[QStringLiteral("Sash1")] = sash(false, SecondaryLeft);
            pos[QStringLiteral("Sash2")] = sash(true, MainRight);
        } else {
            pos[QStringLiteral("Sash1")] = sash(true, MainLeft);
            pos[QStringLiteral("Sash2")] = sash(false, SecondaryRight);
        }
        list.append(pos);
    }
    const GroupPlan &first = plan.front();
    QJsonObject order{
        {QStringLiteral("OrderNo"), QStringLiteral("BENCH-%1").arg(positions)}, {QStringLiteral("AltOrderNo"), QString()},
        {QStringLiteral("Customer"), QStringLiteral("Синтетический заказ")}, {QStringLiteral("ObjectName"), QString()},
        {QStringLiteral("Address"), QString()}, {QStringLiteral("Phone"), QString()}, {QStringLiteral("Remark"), QString()},
        {QStringLiteral("OrderDate"), QStringLiteral("01.04.2024")}, {QStringLiteral("ProfSys"), first.profSys(0)},
        {QStringLiteral("InnerColor"), QStringLiteral("WH")}, {QStringLiteral("OuterColor"), QStringLiteral("AN")},
        {QStringLiteral("FurnSys"), first.system(0)}, {QStringLiteral("FurnColor"), QStringLiteral("SL")},
        {QStringLiteral("Handle"), QString()}, {QStringLiteral("FalzType"), 101}, {QStringLiteral("DornType"), 201},
        {QStringLiteral("StulpType"), 301}, {QStringLiteral("OpenType"), 401}, {QStringLiteral("PriceGroupNo"), 0},
        {QStringLiteral("NDSTax"), 20.0}, {QStringLiteral("GetTotalNDS"), true}, {QStringLiteral("ShowIncludeNDS"), false},
        {QStringLiteral("Currency"), 1}, {QStringLiteral("Notes"), QJsonArray()}, {QStringLiteral("Positions"), list}};
    return order;
}

} // namespace kv
