#include "TableDefs.h"

namespace kv {
namespace {

enum Flags { Hidden = 1, Upper = 2, Check = 4 };

FieldDef field(const QString &name, FieldType type, int size, const QString &label, int flags)
{
    FieldDef f;
    f.name = name;
    f.type = type;
    f.size = size;
    f.label = label;
    f.visible = !(flags & Hidden);
    f.upperCase = flags & Upper;
    f.checkBox = flags & Check;
    return f;
}

FieldDef S(const char *name, int size, const QString &label = {}, int flags = 0)
{
    return field(QString::fromLatin1(name), FieldType::String, size, label, flags);
}
FieldDef I16(const char *name, const QString &label = {}, int flags = 0)
{
    return field(QString::fromLatin1(name), FieldType::SmallInt, 0, label, flags);
}
FieldDef I32(const char *name, const QString &label = {}, int flags = 0)
{
    return field(QString::fromLatin1(name), FieldType::Integer, 0, label, flags);
}
FieldDef Dec(const char *name, int decimals, const QString &label = {}, int flags = 0)
{
    return field(QString::fromLatin1(name), FieldType::Decimal, decimals, label, flags);
}
FieldDef Mon(const char *name, const QString &label = {})
{
    return field(QString::fromLatin1(name), FieldType::Money, 0, label, 0);
}
FieldDef Auto(const char *name) { return field(QString::fromLatin1(name), FieldType::AutoInc, 0, {}, 0); }
FieldDef Dt(const char *name) { return field(QString::fromLatin1(name), FieldType::Date, 0, {}, 0); }

// Several small-integer columns at once.
QList<FieldDef> I16s(std::initializer_list<const char *> names)
{
    QList<FieldDef> out;
    for (const char *n : names)
        out << I16(n);
    return out;
}

FieldDef lookup(const char *name, int size, const char *keyField, const char *table,
                const char *lookupKey, const char *result, const QString &label = {})
{
    FieldDef f = field(QString::fromLatin1(name), FieldType::String, size, label, 0);
    f.kind = FieldKind::Lookup;
    f.keyField = QString::fromLatin1(keyField);
    f.lookupTable = QString::fromLatin1(table);
    f.lookupKey = QString::fromLatin1(lookupKey);
    f.lookupResult = QString::fromLatin1(result);
    return f;
}

FieldDef calc(const char *name, FieldType type, int size = 0)
{
    FieldDef f = field(QString::fromLatin1(name), type, size, {}, type == FieldType::Boolean ? Check : 0);
    f.kind = FieldKind::Calculated;
    if (f.name == QLatin1String("Selected"))
        f.label = QStringLiteral("[...]");
    return f;
}

FieldDef selected() { return calc("Selected", FieldType::Boolean); }

QStringList keys(std::initializer_list<const char *> names)
{
    QStringList out;
    for (const char *n : names)
        out << QString::fromLatin1(n);
    return out;
}

QList<TableDef> buildTables()
{
    QList<TableDef> t;
    const DatabaseKind C = DatabaseKind::Catalog;

    t << TableDef{QStringLiteral("COLORSET"), C, {S("Color", 10), S("Name", 30)}, keys({"Color"}), {}};

    t << TableDef{QStringLiteral("Currency"), C,
                  {I16("ID"), S("Name", 5, QStringLiteral("Валюта")), Dec("Value", 4), I16("Dec"),
                   S("Nominative", 35, {}, Hidden), S("Genitive", 35, {}, Hidden),
                   S("GenitivePlural", 35, {}, Hidden), I16("Gender", {}, Hidden),
                   S("DecNominative", 35, {}, Hidden), S("DecGenitive", 35, {}, Hidden),
                   S("DecGenitivePlural", 35, {}, Hidden), I16("DecGender", {}, Hidden)},
                  keys({"ID"}), {}};

    {
        TableDef d{QStringLiteral("PriceGrp"), C, {I16("GroupID"), S("Name", 20)}, keys({"GroupID"}), {}};
        for (int i = 1; i <= 10; ++i)
            d.columns << field(QStringLiteral("Reduce_%1").arg(i), FieldType::Decimal, 2, {}, 0);
        t << d;
    }

    t << TableDef{QStringLiteral("SysList"), C,
                  {S("ID", 10), I16("Group"), S("Name", 50), S("ShortName", 30), I16("Use"),
                   I32("CommonGrp"), S("BaseColor", 10)},
                  keys({"ID"}), {}};

    t << TableDef{QStringLiteral("SysColor"), C, {S("ID", 10), S("System", 10), S("Article", 20)},
                  keys({"ID", "System"}),
                  {IndexDef{QStringLiteral("SysIndex"), keys({"System", "ID"}), true}}};

    t << TableDef{QStringLiteral("SysProp"), C,
                  {I32("ID"), S("GroupName", 30), S("ValueName", 50), I16("Printable"), I16("Use"),
                   S("PrintName", 100)},
                  keys({"ID"}), {}};

    t << TableDef{QStringLiteral("SysProf"), C, {S("SchlSysID", 10), S("FurnSysID", 10), S("Name", 50)},
                  keys({"SchlSysID", "FurnSysID"}), {}};

    t << TableDef{QStringLiteral("Catalog"), C,
                  {S("ID", 30, QStringLiteral("Код")), I16("Group"), S("System", 10),
                   S("Article", 20, QStringLiteral("Артикул")),
                   S("ProdArticle", 20, QStringLiteral("Артикул производителя #1")),
                   S("ProdArticle2", 20, QStringLiteral("Артикул производителя #2")),
                   S("ProdArticle3", 20, QStringLiteral("Артикул производителя #3")), I16("UseArticle"),
                   S("Name", 100, QStringLiteral("Наименование")), S("Unit", 10, QStringLiteral("Ед.изм.")),
                   I16("Integer"), Dec("MinTrade", 2), Mon("Price", QStringLiteral("Цена")),
                   I16("PriceGrp", QStringLiteral("Ценовая группа")), I16("Currency", QStringLiteral("Валюта")),
                   I16("Use"), I16("CommonUse"), I16("Virtual", {}, Check)},
                  keys({"ID"}),
                  {IndexDef{QStringLiteral("ProdArtIndex"), keys({"ProdArticle"}), true},
                   IndexDef{QStringLiteral("ProdArt2Index"), keys({"ProdArticle2"}), true},
                   IndexDef{QStringLiteral("SysIndex"), keys({"System"}), true},
                   IndexDef{QStringLiteral("NameIndex"), keys({"Name"}), true},
                   IndexDef{QStringLiteral("GrpIndex"), keys({"Group"}), true},
                   IndexDef{QStringLiteral("ArtIndex"), keys({"Article"}), true}}};

    t << TableDef{QStringLiteral("Material"), C, {I32("ID"), S("Name", 50)}, keys({"ID"}), {}};

    t << TableDef{QStringLiteral("ParamList"), C,
                  {I32("ID"), I16("Group"), S("Name", 30), I16("FalzLuft"), I16("FalzSize"), I16("FalzPos"),
                   Dec("DornMass", 1), I16("OpenType"), I16("StulpType")},
                  keys({"ID"}), {}};

    t << TableDef{QStringLiteral("FrnComp"), C,
                  {S("ID", 30, {}, Upper), I16("Group"), I16("SubGroup"), I16("Kipp"),
                   S("Name", 100, QStringLiteral("Наименование")),
                   S("SymmetricID", 30, QStringLiteral("Симметричный комплект"), Upper),
                   S("MultiSysID", 10, QStringLiteral("МС код замены"), Upper), I16("Image"),
                   I16("MaxWeight"), I32("ScrColor"), I16("TFlugelAvailable"), I16("Use", {}, Check),
                   I32("CommonGrp"), I16("Direct"), S("Note", 50), I16("Printable"), S("PrintName", 100),
                   S("Alert", 255), I32("PropKey"), I32("DispHingeNum"), I16("CompectImage"),
                   I32("Material")},
                  keys({"ID"}), {}};

    t << TableDef{QStringLiteral("FrnSide"), C,
                  {S("ID", 30), I16("Side"), I16("MinSize"), I16("MaxSize"), Dec("MinAngle", 2),
                   Dec("MaxAngle", 2), I16("MinRadius"), I16("MaxRadius"), I16("FullRadius", {}, Check),
                   I16("HalfRadius", {}, Check), I16("EllipseRadius", {}, Check), I16("OpenMode"),
                   I16("RotSide"), I16("Handled", {}, Check), I16("HandleDirect"), I16("Banded", {}, Check),
                   I16("Drived", {}, Check)},
                  keys({"ID", "Side"}), {}};

    {
        TableDef d{QStringLiteral("FrnItem"), C,
                   {S("ID", 30, {}, Upper), S("Name", 70, QStringLiteral("Наименование")),
                    I16("HasDornMass", QStringLiteral("ДорМасс"))},
                   keys({"ID"}), {}};
        d.columns << I16s({"HasProfSys", "CheckWeight", "HasColor", "HasFalzLuft", "HasFalzSize",
                           "HasFalzPos", "CheckThickness", "CheckProfWidth", "CheckStulpType",
                           "CheckDirect", "Virtual"});
        d.columns << I32("CommonGrp");
        t << d;
    }

    {
        TableDef d{QStringLiteral("FrnSet"), C,
                   {S("ID", 30), S("Item", 30, QStringLiteral("Элемент")), Auto("Key"), I32("PropKey")},
                   keys({"ID", "Item", "Key"}), {}};
        d.columns << I16s({"Number", "Side1No", "Side2No", "AngleNo", "FFBMin", "FFBMax", "FFHMin", "FFHMax",
                           "FFL1No", "FFL1Min", "FFL1Max", "FFL2No", "FFL2Min", "FFL2Max", "FFL21No",
                           "FFL21Min", "FFL21Max", "FFL22No", "FFL22Min", "FFL22Max", "FFANo"});
        d.columns << Dec("FFAMin", 2) << Dec("FFAMax", 2);
        d.columns << I16s({"FFR1No", "FFR1Min", "FFR1Max", "FFR1Type", "FFR2No", "FFR2Min", "FFR2Max",
                           "FFR2Type", "Condition", "ScaleCondition", "ScaleStep", "ScaleStart",
                           "ScaleNum"});
        d.columns << S("ScaleScheme", 50);
        d.columns << I16s({"ColorCondition", "DefineHandleHeight", "HandleSideNo", "StulpType", "Required",
                           "UseLen"});
        d.columns << S("LenFormula", 100) << S("Note", 50) << S("AlertIfNoArt", 100)
                  << S("AlertIfIgnore", 100) << I16("MinLen") << S("UseIfArt", 30) << I32("ItemSideNo");
        t << d;
    }

    {
        TableDef d{QStringLiteral("FrnArt"), C,
                   {S("ID", 30), S("CatalogID", 30, QStringLiteral("Артикул по каталогу")), Auto("Key")},
                   keys({"ID", "CatalogID", "Key"}), {}};
        d.columns << I16s({"FalzLuft", "FalzSize", "FalzPos"});
        d.columns << Dec("DornMassMin", 2) << Dec("DornMassMax", 2);
        d.columns << I16s({"HandleMin", "HandleMax", "HandleHeight"});
        d.columns << Dec("WeightMin", 2) << Dec("WeightMax", 2);
        d.columns << I16s({"ThicknessMin", "ThicknessMax", "ProfWidthMin", "ProfWidthMax"});
        d.columns << S("ProfSys", 10);
        d.columns << I16s({"FFBMin", "FFBMax", "FFHMin", "FFHMax", "FFL1Min", "FFL1Max", "FFL2Min", "FFL2Max"});
        d.columns << Dec("FFAMin", 2) << Dec("FFAMax", 2);
        d.columns << I16s({"FFR1Min", "FFR1Max", "FFR2Min", "FFR2Max"});
        d.columns << S("Color", 10) << I16("StulpType") << I16("Direct");
        t << d;
    }

    t << TableDef{QStringLiteral("FrnSchl"), C,
                  {S("CatalogID", 30), S("Item", 30), Auto("Key"), I16("Number"), I16("StulpType"),
                   I32("PropKey"), I32("ItemSideNo"), S("ItemComplectID", 30)},
                  keys({"CatalogID"}), {}};

    t << TableDef{QStringLiteral("FrnDop"), C,
                  {S("CatalogID", 30), S("AccessoryID", 30), Auto("Key"),
                   I16("Number", QStringLiteral("Артикул аксессуара")), I32("PropKey"), I16("StulpType"),
                   I32("ItemSideNo"), S("ItemComplectID", 30)},
                  keys({"CatalogID"}), {}};

    t << TableDef{QStringLiteral("FrnAbd"), C,
                  {S("CatalogID", 30), S("Color", 10, QStringLiteral("Цвет")), S("AccessoryID", 30),
                   I16("Number"), I32("ItemSideNo"), S("ItemComplectID", 30)},
                  keys({"CatalogID"}), {}};

    t << TableDef{QStringLiteral("FrnProp"), C, {I32("PropKey"), I32("ID"), I16("Default")},
                  keys({"PropKey", "ID"}), {}};

    t << TableDef{QStringLiteral("FrnItoI"), C,
                  {S("ID", 30, {}, Upper), S("Item", 30), I32("PropKey"), I16("Number"), I16("StulpType"),
                   I16("ColorCondition"), I16("Required"), S("AlertIfNoArt", 100), S("AlertIfIgnore", 100),
                   S("Note", 100), I32("ItemSideNo")},
                  keys({"ID", "Item"}), {}};

    t << TableDef{QStringLiteral("OrderLst"), DatabaseKind::Registry,
                  {S("No", 30, QStringLiteral("Номер заказа")), Dt("RegDate"), S("Customer", 40),
                   S("Object", 40), S("Address", 80), S("Phone", 40), Mon("Cost", QStringLiteral("Стоимость")),
                   I16("Currency"), S("OrderFile", 255), S("Note", 255)},
                  keys({"No"}),
                  {IndexDef{QStringLiteral("Date"), keys({"RegDate"}), false},
                   IndexDef{QStringLiteral("CustName"), keys({"Customer"}), true},
                   IndexDef{QStringLiteral("ObjName"), keys({"Object"}), true}}};
    t.last().columns[1].label = QStringLiteral("Дата");
    t.last().columns[2].label = QStringLiteral("Заказчик");
    t.last().columns[3].label = QStringLiteral("Объект");

    t << TableDef{QStringLiteral("Report"), DatabaseKind::Report,
                  {S("Name", 100, QStringLiteral("Документ")), S("FileName", 100),
                   I16("Default", QStringLiteral("Печать"), Check), I16("Copies", QStringLiteral("Копий")),
                   I16("Group"), I16("SubGroup"), I16("USE")},
                  {}, {}};
    return t;
}

ViewDef view(const char *object, const char *table, QStringList order, QList<FieldDef> extra = {},
             const char *fixedFilter = "", QStringList fields = {})
{
    return ViewDef{QString::fromLatin1(object), QString::fromLatin1(table), QString::fromLatin1(fixedFilter),
                   std::move(order), std::move(fields), std::move(extra)};
}

QList<ViewDef> buildViews()
{
    const FieldType Str = FieldType::String;
    QList<ViewDef> v;
    v << view("T_Color", "COLORSET", keys({"Color"}));
    v << view("T_Currency", "Currency", keys({"ID"}));
    v << view("T_PriceGrp", "PriceGrp", keys({"GroupID"}));
    v << view("T_SysList", "SysList", keys({"ID"}));
    v << view("T_SysColor", "SysColor", keys({"ID", "System"}),
              {lookup("ColorName", 30, "ID", "COLORSET", "Color", "Name")});
    v << view("T_SysProp", "SysProp", keys({"ID"}));
    v << view("T_SysProf", "SysProf", keys({"SchlSysID", "FurnSysID"}));
    v << view("T_Catalog", "Catalog", keys({"ID"}),
              {lookup("CurrencyLookup", 10, "Currency", "Currency", "ID", "Name", QStringLiteral("Цена")),
               lookup("PriceGroupLookup", 20, "PriceGrp", "PriceGrp", "GroupID", "Name",
                      QStringLiteral("Ценовая группа"))});
    v << view("T_Material", "Material", keys({"ID"}), {}, "ID <> 0");
    v << view("T_FalzList", "ParamList", keys({"ID"}), {}, "ID >= 100 and ID <= 199",
              keys({"ID", "Name", "FalzLuft", "FalzSize", "FalzPos"}));
    v << view("T_DornList", "ParamList", keys({"ID"}), {}, "ID >= 200 and ID <= 299",
              keys({"ID", "Name", "DornMass"}));
    v << view("T_StulpList", "ParamList", keys({"ID"}), {}, "ID >= 300 and ID <= 399",
              keys({"ID", "Name", "StulpType"}));
    v << view("T_OpenList", "ParamList", keys({"ID"}), {}, "ID >= 400 and ID <= 499",
              keys({"ID", "OpenType", "Name"}));
    v << view("T_FrnComp", "FrnComp", keys({"ID"}), {selected()});
    v << view("T_FrnSide", "FrnSide", keys({"ID", "Side"}), {selected()});
    v << view("T_FrnItem", "FrnItem", keys({"ID"}), {selected()});
    v << view("T_FrnSet", "FrnSet", keys({"ID", "Item", "Key"}),
              {lookup("ItemLookup", 70, "Item", "FrnItem", "ID", "Name", QStringLiteral("Наименование")),
               selected(), calc("StulpTypeLookup", Str, 50), calc("RadiusType1Lookup", Str, 50),
               calc("RadiusType2Lookup", Str, 50)});
    v << view("T_FrnArt", "FrnArt", keys({"ID", "CatalogID", "Key"}),
              {selected(), lookup("CatalogNameLookup", 50, "CatalogID", "Catalog", "ID", "Name",
                                  QStringLiteral("Наименование"))});
    v << view("T_FrnSchl", "FrnSchl", keys({"CatalogID"}),
              {selected(), lookup("NameLookup", 50, "Item", "FrnItem", "ID", "Name",
                                  QStringLiteral("Наименование"))});
    v << view("T_FrnDop", "FrnDop", keys({"CatalogID"}),
              {selected(), lookup("NameLookup", 50, "AccessoryID", "Catalog", "ID", "Name",
                                  QStringLiteral("Наименование"))});
    v << view("T_FrnAbd", "FrnAbd", keys({"CatalogID"}),
              {selected(), lookup("NameLookup", 50, "AccessoryID", "Catalog", "ID", "Name",
                                  QStringLiteral("Наименование"))});
    v << view("T_FrnProp", "FrnProp", keys({"PropKey", "ID"}),
              {selected(), lookup("NameLookup", 80, "ID", "SysProp", "ID", "ValueName",
                                  QStringLiteral("Значение"))});
    v << view("T_FrnItoI", "FrnItoI", keys({"ID", "Item"}));
    v << view("T_OrderList", "OrderLst", keys({"No"}), {selected()});
    return v;
}

} // namespace

const FieldDef *TableDef::column(const QString &n) const
{
    for (const FieldDef &f : columns)
        if (f.name.compare(n, Qt::CaseInsensitive) == 0)
            return &f;
    return nullptr;
}

const IndexDef *TableDef::index(const QString &n) const
{
    for (const IndexDef &i : indexes)
        if (i.name.compare(n, Qt::CaseInsensitive) == 0)
            return &i;
    return nullptr;
}

const QList<TableDef> &tableDefs()
{
    static const QList<TableDef> defs = buildTables();
    return defs;
}

const TableDef *findTableDef(const QString &name)
{
    for (const TableDef &d : tableDefs())
        if (d.name.compare(name, Qt::CaseInsensitive) == 0)
            return &d;
    return nullptr;
}

const QList<ViewDef> &viewDefs()
{
    static const QList<ViewDef> defs = buildViews();
    return defs;
}

const ViewDef *findViewDef(const QString &objectName)
{
    for (const ViewDef &d : viewDefs())
        if (d.objectName == objectName)
            return &d;
    return nullptr;
}

} // namespace kv
