#pragma once
// TDM: the catalogue data module. It owns the connections to the three
// databases and one shared table object (with its data source) per table;
// every part of the program reads the catalogue through these objects.
#include "core/DataSet.h"
#include "core/Database.h"
#include "core/TableData.h"

#include <QList>
#include <QString>
#include <map>
#include <memory>

namespace kv {

class TDM
{
public:
    // The first data module created is the process-wide one (DM()).
    TDM();
    ~TDM();
    TDM(const TDM &) = delete;
    TDM &operator=(const TDM &) = delete;

    static TDM *instance();

    // Connects a database to its directory, creating a missing database
    // file from the schema. Throws kv::Error when that fails.
    void OpenDatabase(DatabaseKind kind, const QString &dir);
    // The catalogue, the register and the report database, in this order.
    void OpenDatabases(const QString &catalogDir, const QString &registryDir, const QString &reportDir);
    void CloseDatabase(DatabaseKind kind);
    void CloseDatabases();
    bool isDatabaseOpen(DatabaseKind kind) const;
    // The Qt SQL connection of a database, for queries (TQuery).
    QString connectionName(DatabaseKind kind) const;
    QString databaseDir(DatabaseKind kind) const;

    // Opens every catalogue table in its fixed order, each on its own: a
    // failure is shown ("Ошибка открытия файла [%s]\r\n(%s)") and the next
    // table is still opened. Returns whether the last one opened.
    bool OpenCatalogTables();
    void CloseCatalogTables();
    // The catalogue table objects in opening order.
    QList<TDataTable *> catalogTables() const;
    TDataTable *table(const QString &objectName) const;
    TTableData *tableData(const QString &tableName) const;

    // The property values of up to seven property keys (missing keys are
    // passed as 0), ordered by value ID so that the values of one property
    // come together.
    static QString PropertyValuesSql(const QList<int> &propKeys);
    // The report register's documents of an order (sub-groups 31 to 34).
    static QString ReportSubGroupSql();
    // The documents of a report group; without showAll only those in use.
    static QString ReportListSql(int group, bool showAll);

private:
    std::map<QString, std::unique_ptr<TTableData>> m_data; // before the tables that use it
    TTableData &data(const char *table);

    struct Connection
    {
        QString name;
        QString dir;
        bool open = false;
    };
    Connection m_connections[3];

public:
    TDataTable T_Color, T_Currency, T_PriceGrp, T_SysList, T_SysColor, T_SysProp, T_SysProf, T_Catalog,
        T_Material, T_FalzList, T_DornList, T_StulpList, T_OpenList, T_FrnComp, T_FrnSide, T_FrnItem,
        T_FrnSet, T_FrnArt, T_FrnSchl, T_FrnDop, T_FrnAbd, T_FrnProp, T_FrnItoI, T_OrderList;

    TDataSource DS_Color{&T_Color}, DS_Currency{&T_Currency}, DS_PriceGrp{&T_PriceGrp},
        DS_SysList{&T_SysList}, DM_SysColor{&T_SysColor}, DS_SysProp{&T_SysProp}, DS_SysProf{&T_SysProf},
        DS_Catalog{&T_Catalog}, DS_Material{&T_Material}, DS_FalzList{&T_FalzList},
        DS_DornList{&T_DornList}, DS_StulpList{&T_StulpList}, DS_OpenList{&T_OpenList},
        DS_FrnComp{&T_FrnComp}, DS_FrnSide{&T_FrnSide}, DS_FrnItem{&T_FrnItem}, DS_FrnSet{&T_FrnSet},
        DS_FrnArt{&T_FrnArt}, DS_FrnSchl{&T_FrnSchl}, DS_FrnDop{&T_FrnDop}, DS_FrnAbd{&T_FrnAbd},
        DS_FrnProp{&T_FrnProp}, DS_FrnItoI{&T_FrnItoI}, DS_OrderList{&T_OrderList};
};

// The process-wide data module; throws kv::Error when none exists.
TDM &DM();

} // namespace kv
