#pragma once
// Checks of a catalogue database that every documentation must pass, shared by
// the tests of the demo documentation and of the synthetic catalogue: its
// references resolve, it is consistent in the ways the engine and the dialogs
// rely on, and an order chooses only what the fittings dialog would offer.
#include <QJsonArray>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QVariant>
#include <vector>

namespace kvtest {

struct CatalogCheck
{
    const char *what;
    const char *sql; // lists the offending rows
};

inline const std::vector<CatalogCheck> &referenceChecks()
{
    static const std::vector<CatalogCheck> checks = {
        {"set rows of unknown sets", "select ID, Item from FrnSet where ID not in (select ID from FrnComp)"},
        {"set rows naming unknown elements", "select ID, Item from FrnSet where Item not in (select ID from FrnItem)"},
        {"side rows of unknown sets", "select ID, Side from FrnSide where ID not in (select ID from FrnComp)"},
        {"article rows of unknown elements", "select ID, CatalogID from FrnArt where ID not in (select ID from FrnItem)"},
        {"element articles missing from the catalogue", "select ID, CatalogID from FrnArt where CatalogID not in (select ID from Catalog)"},
        {"composite parts", "select ID, Item from FrnItoI where ID not in (select ID from FrnItem) or Item not in (select ID from FrnItem)"},
        {"strike plates", "select CatalogID, Item from FrnSchl where CatalogID not in (select ID from Catalog) or Item not in (select ID from FrnItem)"},
        {"covers", "select CatalogID, AccessoryID from FrnAbd where CatalogID not in (select ID from Catalog) or AccessoryID not in (select ID from Catalog)"},
        {"accessories", "select CatalogID, AccessoryID from FrnDop where CatalogID not in (select ID from Catalog) or AccessoryID not in (select ID from Catalog)"},
        {"parent sets of strike plates and accessories",
         "select CatalogID, ItemComplectID from FrnSchl where ItemComplectID <> '' and ItemComplectID not in (select ID from FrnComp) "
         "union all select CatalogID, ItemComplectID from FrnDop where ItemComplectID <> '' and ItemComplectID not in (select ID from FrnComp)"},
        {"partner articles (UseIfArt)", "select ID, UseIfArt from FrnSet where UseIfArt <> '' and UseIfArt not in (select ID from Catalog)"},
        {"symmetric sets", "select ID, SymmetricID from FrnComp where SymmetricID <> '' and SymmetricID not in (select ID from FrnComp)"},
        {"colours of articles and covers",
         "select ID, Color from FrnArt where Color <> '' and Color not in (select Color from COLORSET) "
         "union all select CatalogID, Color from FrnAbd where Color <> '' and Color not in (select Color from COLORSET)"},
        {"strike-plate systems of articles", "select ID, ProfSys from FrnArt where ProfSys <> '' and ProfSys not in (select SchlSysID from SysProf)"},
        {"property values", "select PropKey, ID from FrnProp where ID not in (select ID from SysProp)"},
        // A key without rows admits everything: a mistyped key would silently drop a restriction.
        {"property keys without rows",
         "select 'FrnSet', ID, PropKey from FrnSet where PropKey <> 0 and PropKey not in (select PropKey from FrnProp) "
         "union all select 'FrnComp', ID, PropKey from FrnComp where PropKey <> 0 and PropKey not in (select PropKey from FrnProp) "
         "union all select 'FrnSchl', CatalogID, PropKey from FrnSchl where PropKey <> 0 and PropKey not in (select PropKey from FrnProp) "
         "union all select 'FrnDop', CatalogID, PropKey from FrnDop where PropKey <> 0 and PropKey not in (select PropKey from FrnProp) "
         "union all select 'FrnItoI', ID, PropKey from FrnItoI where PropKey <> 0 and PropKey not in (select PropKey from FrnProp)"},
        {"currencies and price groups of articles",
         "select ID, Currency, PriceGrp from Catalog where Currency not in (select ID from Currency) "
         "or (PriceGrp <> 0 and PriceGrp not in (select GroupID from PriceGrp))"},
        {"system colours", "select ID, System from SysColor where ID not in (select Color from COLORSET) or System not in (select ID from SysList)"},
        {"base colours of systems", "select ID, BaseColor from SysList where BaseColor not in (select Color from COLORSET)"},
        {"strike-plate systems belong to a system group",
         "select SchlSysID, FurnSysID from SysProf where cast(FurnSysID as integer) not in (select CommonGrp / 100 * 100 from SysList)"},
        {"set system groups", "select ID, CommonGrp from FrnComp where CommonGrp <> 0 and CommonGrp not in "
                              "(select CommonGrp from SysList union select CommonGrp / 100 * 100 from SysList)"},
        {"set materials", "select ID, Material from FrnComp where Material not in (select ID from Material)"},
        {"parameter codes outside the four views", "select ID from ParamList where ID < 100 or ID > 499"},
    };
    return checks;
}

inline const std::vector<CatalogCheck> &consistencyChecks()
{
    static const std::vector<CatalogCheck> checks = {
        {"not exactly one base currency", "select count(*) from Currency where Value = 1 having count(*) <> 1"},
        {"base currency without word forms",
         "select ID from Currency where Value = 1 and (Nominative = '' or Genitive = '' or GenitivePlural = '' "
         "or DecNominative = '' or DecGenitive = '' or DecGenitivePlural = '')"},
        // The position dialog's figure list needs a side table on every main set.
        {"main sets without a side table", "select ID from FrnComp where \"Group\" in (10, 11, 12) and ID not in (select ID from FrnSide)"},
        {"side tables with gaps or fewer than three sides",
         "select ID, count(*), max(Side) from FrnSide group by ID having count(*) < 3 or max(Side) <> count(*) or min(Side) <> 1"},
        {"side ranges upside down", "select ID, Side from FrnSide where MinSize > MaxSize or MinAngle > MaxAngle or MinRadius > MaxRadius"},
        {"opening marks pointing outside the outline",
         "select s.ID, s.Side from FrnSide s where s.OpenMode = 1 and (s.RotSide < 1 or s.RotSide > (select count(*) from FrnSide t where t.ID = s.ID))"},
        // Side and corner numbers of set rows must exist on the outline the set is made for.
        {"set rows using sides the set does not have",
         "select r.ID, r.Item from FrnSet r join (select ID, count(*) n from FrnSide group by ID) s on s.ID = r.ID "
         "where r.Side1No > s.n or r.Side2No > s.n or r.AngleNo > s.n or r.FFL1No > s.n or r.FFL2No > s.n "
         "or r.FFANo > s.n or r.FFR1No > s.n or r.FFR2No > s.n or r.HandleSideNo > s.n"},
        {"conditions outside 0..10 and 0..4", "select ID, Item from FrnSet where Condition not between 0 and 10 or ScaleCondition not between 0 and 4"},
        // Scaling without a scheme divides by ScaleStep.
        {"scaling with step 0", "select ID, Item from FrnSet where ScaleCondition <> 0 and ScaleScheme = '' and ScaleStep < 1"},
        {"set rows with the size ranges upside down",
         "select ID, Item from FrnSet where (FFBMax > 0 and FFBMin > FFBMax) or (FFHMax > 0 and FFHMin > FFHMax) "
         "or (FFL1Max > 0 and FFL1Min > FFL1Max) or (FFL2Max > 0 and FFL2Min > FFL2Max) or (FFAMax > 0 and FFAMin > FFAMax)"},
        {"article rows with ranges upside down",
         "select ID, CatalogID from FrnArt where FFBMin > FFBMax or FFHMin > FFHMax or FFL1Min > FFL1Max or FFAMin > FFAMax "
         "or FFR1Min > FFR1Max or DornMassMin > DornMassMax or WeightMin > WeightMax or ThicknessMin > ThicknessMax "
         "or ProfWidthMin > ProfWidthMax"},
        // Elements a set names must give something: an article, parts, or be virtual on purpose.
        {"elements with nothing to give",
         "select distinct Item from FrnSet where Item not in (select ID from FrnArt) and Item not in (select ID from FrnItoI) "
         "and Item not in (select ID from FrnItem where Virtual = 1)"},
        {"virtual elements without parts", "select ID from FrnItem where Virtual = 1 and ID not in (select ID from FrnItoI)"},
        {"coloured elements with uncoloured-only articles",
         "select ID from FrnItem where HasColor = 1 and ID not in (select ID from FrnArt where Color <> '')"},
        // The strike-plate stage resolves its elements with required = true.
        {"strike-plate elements without articles", "select distinct Item from FrnSchl where Item not in (select ID from FrnArt)"},
        {"property groups with two defaults", "select PropKey, ID / 10 from FrnProp where \"Default\" = 1 group by PropKey, ID / 10 having count(*) > 1"},
        {"flags that are not 0 or 1",
         "select ID from FrnItem where HasDornMass not in (0, 1) or HasProfSys not in (0, 1) or CheckWeight not in (0, 1) "
         "or HasColor not in (0, 1) or HasFalzLuft not in (0, 1) or HasFalzSize not in (0, 1) or HasFalzPos not in (0, 1) "
         "or CheckThickness not in (0, 1) or CheckProfWidth not in (0, 1) or CheckStulpType not in (0, 1) "
         "or CheckDirect not in (0, 1) or Virtual not in (0, 1)"},
        {"rebate codes with a parameter below 1", "select ID from ParamList where ID between 100 and 199 and (FalzLuft < 1 or FalzSize < 1 or FalzPos < 1)"},
        {"dorn codes without a size", "select ID from ParamList where ID between 200 and 299 and DornMass <= 0"},
    };
    return checks;
}

class CatalogChecker
{
public:
    explicit CatalogChecker(QString connection) : m_connection(std::move(connection)) {}

    // Rows of a query, each as its columns joined by " | ".
    QStringList rows(const QString &sql) const
    {
        QSqlQuery q(QSqlDatabase::database(m_connection));
        if (!q.exec(sql))
            return {QStringLiteral("query failed: ") + sql};
        QStringList out;
        const int columns = q.record().count();
        while (q.next()) {
            QStringList cols;
            for (int i = 0; i < columns; ++i)
                cols << q.value(i).toString();
            out << cols.join(QStringLiteral(" | "));
        }
        return out;
    }
    qint64 count(const QString &sql) const
    {
        const QStringList r = rows(sql);
        return r.isEmpty() ? -1 : r.first().toLongLong();
    }
    // First column of the first row, empty when there is none.
    QString one(const QString &sql, const QStringList &binds) const
    {
        QSqlQuery q(QSqlDatabase::database(m_connection));
        q.prepare(sql);
        for (const QString &b : binds)
            q.addBindValue(b);
        if (!q.exec() || !q.next())
            return {};
        return q.value(0).toString();
    }
    // One text per failed check, naming the check and its offending rows.
    QStringList failures(const std::vector<CatalogCheck> &checks) const
    {
        QStringList out;
        for (const CatalogCheck &c : checks) {
            const QStringList bad = rows(QString::fromUtf8(c.sql));
            if (!bad.isEmpty())
                out << QString::fromUtf8(c.what) + QStringLiteral(":\n  ") + bad.join(QStringLiteral("\n  "));
        }
        return out;
    }

    // What is wrong with an order (input of kvf calc) against this catalogue:
    // sets that do not exist or that the fittings dialog would not offer for
    // the figure, sash and product type, codes and values it cannot produce.
    QStringList orderProblems(const QJsonObject &order, const QString &name) const;

private:
    void problem(const QString &text) const { m_problems << m_where + QStringLiteral(": ") + text; }
    void expectCode(int code, int lo, int hi, const char *what) const;
    void expectSet(const QString &id, const QList<int> &groups, int systemGroup, const char *slot) const;
    void expectSash(const QJsonObject &sash, bool door, int systemGroup, const QList<int> &subGroups) const;

    QString m_connection;
    mutable QStringList m_problems;
    mutable QString m_where;
};

inline void CatalogChecker::expectCode(int code, int lo, int hi, const char *what) const
{
    if (code < lo || code > hi || one(QStringLiteral("select ID from ParamList where ID = ?"), {QString::number(code)}).isEmpty())
        problem(QStringLiteral("%1 %2 is not a code of %3-%4").arg(QString::fromUtf8(what)).arg(code).arg(lo).arg(hi));
}

// One set of a slot against the filters of the fittings dialog.
inline void CatalogChecker::expectSet(const QString &id, const QList<int> &groups, int systemGroup, const char *slot) const
{
    if (id.isEmpty())
        return;
    const QStringList r = rows(QStringLiteral("select \"Group\", CommonGrp, Use, Material from FrnComp where ID = '%1'").arg(id));
    if (r.isEmpty()) {
        problem(QStringLiteral("%1 set %2 does not exist").arg(QString::fromUtf8(slot), id));
        return;
    }
    const QStringList f = r.first().split(QStringLiteral(" | "));
    const int group = f[0].toInt(), common = f[1].toInt();
    if (!groups.isEmpty() && !groups.contains(group))
        problem(QStringLiteral("%1 set %2 has group %3").arg(QString::fromUtf8(slot), id).arg(group));
    if (common != 0 && common != systemGroup && common != systemGroup / 100 * 100)
        problem(QStringLiteral("%1 set %2 is not offered for system group %3").arg(QString::fromUtf8(slot), id).arg(systemGroup));
    if (f[2].toInt() != 1)
        problem(QStringLiteral("set %1 is not in use").arg(id));
    if (f[3].toInt() != 0 && f[3].toInt() != 1) // new orders have material 1
        problem(QStringLiteral("set %1 is for material %2").arg(id, f[3]));
}

inline void CatalogChecker::expectSash(const QJsonObject &sash, bool door, int systemGroup, const QList<int> &subGroups) const
{
    const QString main = sash.value(QStringLiteral("MainSet")).toString();
    if (main.isEmpty())
        problem(QStringLiteral("no main set"));
    expectSet(main, door ? QList<int>{11, 12} : QList<int>{10, 12}, systemGroup, "main");
    const int sub = one(QStringLiteral("select SubGroup from FrnComp where ID = ?"), {main}).toInt();
    if (!subGroups.contains(sub))
        problem(QStringLiteral("main set %1 has sub-group %2").arg(main).arg(sub));
    const QString handle = sash.value(QStringLiteral("Handle")).toString();
    expectSet(handle, door ? QList<int>{31, 33, 34, 32} : QList<int>{30, 32}, systemGroup, "handle");
    const int handleGroup = one(QStringLiteral("select \"Group\" from FrnComp where ID = ?"), {handle}).toInt();
    QList<int> locks = door ? QList<int>{41, 43, 44, 42} : QList<int>{40, 42};
    if (handleGroup == 33)
        locks = {41, 43, 42};
    if (handleGroup == 34)
        locks = {41, 44, 42};
    expectSet(sash.value(QStringLiteral("HingeSet")).toString(), door ? QList<int>{21, 22} : QList<int>{20, 22}, systemGroup, "hinge");
    expectSet(sash.value(QStringLiteral("Lock")).toString(), locks, systemGroup, "lock");
    expectSet(sash.value(QStringLiteral("Cylinder")).toString(), {45}, systemGroup, "cylinder");
    expectSet(sash.value(QStringLiteral("Closer")).toString(), {50}, systemGroup, "closer");
    expectSet(sash.value(QStringLiteral("Latch")).toString(), {46}, systemGroup, "latch");
    for (const QJsonValue &extra : sash.value(QStringLiteral("AdditionalSets")).toArray())
        expectSet(extra.toString(), {}, systemGroup, "additional");
    expectCode(sash.value(QStringLiteral("Dorn")).toInt(), 200, 299, "Dorn");

    // Property lines name a value that the chosen component of that category offers.
    const char *slots[] = {"MainSet", "Handle", "HingeSet", "Lock", "Cylinder", "Closer", "Latch"};
    for (const QJsonValue &line : sash.value(QStringLiteral("Properties")).toArray()) {
        const QString text = line.toString();
        const int category = text.left(1).toInt();
        if (text.size() < 3 || text.at(1) != QLatin1Char('=') || category < 0 || category > 6) {
            problem(QStringLiteral("property line %1").arg(text));
            continue;
        }
        const QString set = sash.value(QLatin1String(slots[category])).toString();
        if (one(QStringLiteral("select p.ID from FrnProp p join FrnComp c on c.PropKey = p.PropKey where c.ID = ? and p.ID = ?"),
                {set, text.mid(2)}).isEmpty())
            problem(QStringLiteral("property %1 is not offered by %2").arg(text, set));
    }
}

inline QStringList CatalogChecker::orderProblems(const QJsonObject &order, const QString &name) const
{
    m_problems.clear();
    m_where = name;
    if (one(QStringLiteral("select ID from Currency where ID = ?"), {QString::number(order.value(QStringLiteral("Currency")).toInt())}).isEmpty())
        problem(QStringLiteral("unknown currency"));
    for (const QJsonValue &rate : order.value(QStringLiteral("Rates")).toArray())
        if (one(QStringLiteral("select ID from Currency where ID = ?"), {QString::number(rate.toObject().value(QStringLiteral("ID")).toInt())}).isEmpty())
            problem(QStringLiteral("rate of an unknown currency"));
    for (const char *colour : {"InnerColor", "OuterColor"})
        if (one(QStringLiteral("select Color from COLORSET where Color = ?"), {order.value(QLatin1String(colour)).toString()}).isEmpty())
            problem(QStringLiteral("unknown %1").arg(QLatin1String(colour)));
    const QJsonArray positions = order.value(QStringLiteral("Positions")).toArray();
    if (positions.isEmpty())
        problem(QStringLiteral("no positions"));
    for (const QJsonValue &pv : positions) {
        const QJsonObject pos = pv.toObject();
        m_where = name + QStringLiteral(" position ") + pos.value(QStringLiteral("PosNo")).toString();
        // Position values default to the order's.
        auto value = [&](const char *key) { return pos.contains(QLatin1String(key)) ? pos.value(QLatin1String(key)) : order.value(QLatin1String(key)); };
        const QString system = value("FurnSys").toString();
        const QString common = one(QStringLiteral("select CommonGrp from SysList where ID = ? and \"Group\" = 1 and Use = 1"), {system});
        if (common.isEmpty()) {
            problem(QStringLiteral("system %1 is not offered").arg(system));
            continue;
        }
        if (one(QStringLiteral("select SchlSysID from SysProf where SchlSysID = ? and FurnSysID = ?"),
                {value("ProfSys").toString(), QString::number(system.toInt() / 100 * 100)}).isEmpty())
            problem(QStringLiteral("strike-plate system %1 does not belong to %2").arg(value("ProfSys").toString(), system));
        if (one(QStringLiteral("select ID from SysColor where ID = ? and System = ?"), {value("FurnColor").toString(), system}).isEmpty())
            problem(QStringLiteral("cover colour %1 is not offered for %2").arg(value("FurnColor").toString(), system));
        expectCode(value("FalzType").toInt(), 100, 199, "FalzType");
        expectCode(value("StulpType").toInt(), 300, 399, "StulpType");
        expectCode(value("OpenType").toInt(), 400, 499, "OpenType");

        const int kind = pos.value(QStringLiteral("Shape")).toObject().value(QStringLiteral("Kind")).toInt(-1);
        const bool door = pos.value(QStringLiteral("ObjectType")).toInt() == 1;
        const QJsonObject s1 = pos.value(QStringLiteral("Sash1")).toObject();
        const QJsonObject s2 = pos.value(QStringLiteral("Sash2")).toObject();
        const int g = common.toInt();
        if (kind == 1) { // right sash main
            expectSash(s2, door, g, {21});
            expectSash(s1, door, g, {12, 13, 14});
        } else if (kind == 2) { // left sash main
            expectSash(s1, door, g, {11});
            expectSash(s2, door, g, {22, 23, 24});
        } else if (kind >= 0 && kind <= 7) {
            expectSash(s1, door, g, {0});
            if (pos.contains(QStringLiteral("Sash2")))
                problem(QStringLiteral("a single-sash figure with a second sash"));
        } else {
            problem(QStringLiteral("figure %1").arg(kind));
        }
    }
    return m_problems;
}

} // namespace kvtest
