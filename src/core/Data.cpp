#include "Data.h"

#include "tools/Errors.h"

#include <atomic>

namespace kv {

namespace {

std::atomic<TDM *> g_instance{nullptr};
std::atomic<int> g_serial{0};

std::map<QString, std::unique_ptr<TTableData>> makeData()
{
    std::map<QString, std::unique_ptr<TTableData>> m;
    for (const TableDef &d : tableDefs())
        m.emplace(d.name, std::make_unique<TTableData>(d));
    return m;
}

const ViewDef &viewDef(const char *objectName)
{
    const ViewDef *v = findViewDef(QString::fromLatin1(objectName));
    Q_ASSERT(v);
    return *v;
}

int slot(DatabaseKind kind) { return int(kind); }

} // namespace

TTableData &TDM::data(const char *table)
{
    return *m_data.at(QString::fromLatin1(table));
}

#define KV_TABLE(obj, table) obj(viewDef(#obj), data(table))

TDM::TDM()
    : m_data(makeData()),
      KV_TABLE(T_Color, "COLORSET"), KV_TABLE(T_Currency, "Currency"), KV_TABLE(T_PriceGrp, "PriceGrp"),
      KV_TABLE(T_SysList, "SysList"), KV_TABLE(T_SysColor, "SysColor"), KV_TABLE(T_SysProp, "SysProp"),
      KV_TABLE(T_SysProf, "SysProf"), KV_TABLE(T_Catalog, "Catalog"), KV_TABLE(T_Material, "Material"),
      KV_TABLE(T_FalzList, "ParamList"), KV_TABLE(T_DornList, "ParamList"), KV_TABLE(T_StulpList, "ParamList"),
      KV_TABLE(T_OpenList, "ParamList"), KV_TABLE(T_FrnComp, "FrnComp"), KV_TABLE(T_FrnSide, "FrnSide"),
      KV_TABLE(T_FrnItem, "FrnItem"), KV_TABLE(T_FrnSet, "FrnSet"), KV_TABLE(T_FrnArt, "FrnArt"),
      KV_TABLE(T_FrnSchl, "FrnSchl"), KV_TABLE(T_FrnDop, "FrnDop"), KV_TABLE(T_FrnAbd, "FrnAbd"),
      KV_TABLE(T_FrnProp, "FrnProp"), KV_TABLE(T_FrnItoI, "FrnItoI"), KV_TABLE(T_OrderList, "OrderLst")
{
    const int serial = ++g_serial;
    for (DatabaseKind k : {DatabaseKind::Catalog, DatabaseKind::Registry, DatabaseKind::Report})
        m_connections[slot(k)].name = serial == 1 ? databaseAlias(k)
                                                  : QStringLiteral("%1#%2").arg(databaseAlias(k)).arg(serial);
    for (auto &[name, d] : m_data)
        d->setConnectionName(m_connections[slot(d->def().database)].name);
    const auto byName = [this](const QString &n) { return tableData(n); };
    for (TDataTable *t : catalogTables())
        t->resolveLookups(byName);
    T_OrderList.resolveLookups(byName);
    TDM *none = nullptr;
    g_instance.compare_exchange_strong(none, this);
}

#undef KV_TABLE

TDM::~TDM()
{
    CloseCatalogTables();
    T_OrderList.close();
    CloseDatabases();
    TDM *self = this;
    g_instance.compare_exchange_strong(self, nullptr);
}

TDM *TDM::instance() { return g_instance; }

TDM &DM()
{
    TDM *dm = g_instance.load();
    if (!dm)
        throw Error(QStringLiteral("Модуль данных каталога не создан"));
    return *dm;
}

void TDM::OpenDatabase(DatabaseKind kind, const QString &dir)
{
    Connection &c = m_connections[slot(kind)];
    if (c.open)
        CloseDatabase(kind);
    openDatabase(kind, dir, c.name);
    c.dir = dir;
    c.open = true;
}

void TDM::OpenDatabases(const QString &catalogDir, const QString &registryDir, const QString &reportDir)
{
    OpenDatabase(DatabaseKind::Catalog, catalogDir);
    OpenDatabase(DatabaseKind::Registry, registryDir);
    OpenDatabase(DatabaseKind::Report, reportDir);
}

void TDM::CloseDatabase(DatabaseKind kind)
{
    Connection &c = m_connections[slot(kind)];
    if (!c.open)
        return;
    for (TDataTable *t : catalogTables())
        if (t->data().def().database == kind)
            t->close();
    if (T_OrderList.data().def().database == kind)
        T_OrderList.close();
    closeDatabase(c.name);
    c.open = false;
}

void TDM::CloseDatabases()
{
    for (DatabaseKind k : {DatabaseKind::Report, DatabaseKind::Registry, DatabaseKind::Catalog})
        CloseDatabase(k);
}

bool TDM::isDatabaseOpen(DatabaseKind kind) const { return m_connections[slot(kind)].open; }

QString TDM::connectionName(DatabaseKind kind) const { return m_connections[slot(kind)].name; }

QString TDM::databaseDir(DatabaseKind kind) const { return m_connections[slot(kind)].dir; }

QList<TDataTable *> TDM::catalogTables() const
{
    auto *self = const_cast<TDM *>(this);
    return {&self->T_Color,    &self->T_Currency,  &self->T_PriceGrp, &self->T_SysList,  &self->T_SysColor,
            &self->T_SysProp,  &self->T_SysProf,   &self->T_Catalog,  &self->T_Material, &self->T_FalzList,
            &self->T_DornList, &self->T_StulpList, &self->T_OpenList, &self->T_FrnComp,  &self->T_FrnSide,
            &self->T_FrnItem,  &self->T_FrnSet,    &self->T_FrnArt,   &self->T_FrnSchl,  &self->T_FrnDop,
            &self->T_FrnAbd,   &self->T_FrnProp,   &self->T_FrnItoI};
}

TDataTable *TDM::table(const QString &objectName) const
{
    if (objectName == T_OrderList.name())
        return const_cast<TDataTable *>(&T_OrderList);
    for (TDataTable *t : catalogTables())
        if (t->name() == objectName)
            return t;
    return nullptr;
}

TTableData *TDM::tableData(const QString &tableName) const
{
    for (const auto &[name, d] : m_data)
        if (name.compare(tableName, Qt::CaseInsensitive) == 0)
            return d.get();
    return nullptr;
}

bool TDM::OpenCatalogTables()
{
    bool last = false;
    for (TDataTable *t : catalogTables())
        last = OpenDataSet(*t);
    return last;
}

void TDM::CloseCatalogTables()
{
    for (TDataTable *t : catalogTables())
        t->close();
}

QString TDM::PropertyValuesSql(const QList<int> &propKeys)
{
    QStringList keys;
    for (int i = 0; i < 7; ++i)
        keys << QString::number(i < propKeys.size() ? propKeys.at(i) : 0);
    return QStringList{
        QStringLiteral("select T1.\"ID\", T1.\"GroupName\", T1.\"ValueName\", T.\"Default\", T.\"PropKey\""),
        QStringLiteral("from \"FrnProp\" T, \"SysProp\" T1"),
        QStringLiteral("where"),
        QStringLiteral("T.\"ID\" = T1.\"ID\""),
        QStringLiteral("and"),
        QStringLiteral("T.\"PropKey\" IN (%1)").arg(keys.join(QStringLiteral(", "))),
        QStringLiteral("order by T1.\"ID\", T.\"PropKey\""),
    }.join(QLatin1Char('\n'));
}

QString TDM::ReportSubGroupSql()
{
    return QStringList{
        QStringLiteral("SELECT *"),
        QStringLiteral("FROM \"Report\" T"),
        QStringLiteral("WHERE "),
        QStringLiteral("T.\"Group\" = 11"),
        QStringLiteral("AND"),
        QStringLiteral("T.\"SubGroup\" IN (31, 32, 33, 34)"),
        QStringLiteral("ORDER BY T.rowid"),
    }.join(QLatin1Char('\n'));
}

QString TDM::ReportListSql(int group, bool showAll)
{
    QStringList lines{QStringLiteral("SELECT *"), QStringLiteral("FROM \"Report\" T"), QStringLiteral("WHERE"),
                      QStringLiteral("T.\"Group\" = %1").arg(group)};
    if (!showAll)
        lines << QStringLiteral("AND") << QStringLiteral("USE = 1");
    lines << QStringLiteral("ORDER BY T.rowid");
    return lines.join(QLatin1Char('\n'));
}

} // namespace kv
