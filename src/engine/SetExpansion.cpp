#include "SetExpansion.h"

#include "ArticleResolution.h"
#include "CatalogLookups.h"
#include "PropertyConditions.h"
#include "Quantities.h"
#include "SashContext.h"
#include "ElementInfo.h"
#include "FieldCache.h"
#include "core/Data.h"
#include "model/Sash.h"
#include "tools/Errors.h"
#include "tools/Geometry.h"
#include "tools/Strings.h"

namespace kv {

namespace {

// The documentation texts of a faulty set row: set name %1, element name %2.
const char *const kSideLength1 =
    "В БД наборов фурнитуры в комплекте [%1]\r\nсодержится элемент фурнитуры [%2],\r\nдля которого определены "
    "условия установки, зависящие от\r\nдлины стороны, на которую он устанавливается.\r\nНомер 1-ой расчетной "
    "стороны в условиях определен неверно!";
const char *const kSideLength2 =
    "В БД наборов фурнитуры в комплекте [%1]\r\nсодержится элемент фурнитуры [%2],\r\nдля которого определены "
    "условия установки, зависящие от\r\nдлины стороны, на которую он устанавливается.\r\nНомер 2-ой расчетной "
    "стороны в условиях определен неверно!";
const char *const kRadius1 =
    "В БД наборов фурнитуры в комплекте [%1]\r\nсодержится элемент фурнитуры [%2],\r\nдля которого определены "
    "условия установки, зависящие от\r\nрадиуса стороны, на которую он устанавливается.\r\nНомер 1-ой расчетной "
    "стороны в условиях определен неверно!";
const char *const kRadius2 =
    "В БД наборов фурнитуры в комплекте [%1]\r\nсодержится элемент фурнитуры [%2],\r\nдля которого определены "
    "условия установки, зависящие от\r\nрадиуса стороны, на которую он устанавливается.\r\nНомер 2-ой расчетной "
    "стороны в условиях определен неверно!";
const char *const kAngle =
    "В БД наборов фурнитуры в комплекте [%1]\r\nсодержится элемент фурнитуры [%2],\r\nдля которого определены "
    "условия установки, зависящие от\r\nпараметров угла, на который он устанавливается.\r\nНомер расчетного угла в "
    "условиях определен неверно!";
const char *const kPartnerMissing =
    "В БД наборов фурнитуры в комплекте [%1]\r\nсодержится элемент фурнитуры [%2],\r\nдля которого определены "
    "условия установки, зависящие от\r\nдлины стороны смежной створки.\r\nСмежная створка не установлена. "
    "Установите сначала створку.";
const char *const kPartnerSide =
    "В БД наборов фурнитуры в комплекте [%1]\r\nсодержится элемент фурнитуры [%2],\r\nдля которого определены "
    "условия установки, зависящие от\r\nдлины стороны смежной створки.\r\nНомер стороны смежной створки в "
    "условиях определен неверно!";
const char *const kCalcSide1 =
    "В БД наборов фурнитуры в комплекте [%1]\r\nсодержится элемент фурнитуры [%2],\r\nкоторый использует принцип "
    "расчета, зависящий от\r\nпараметров стороны, на которую он устанавливается.\r\nНомер 1-ой расчетной стороны "
    "определен неверно!";
const char *const kCalcSide2 =
    "В БД наборов фурнитуры в комплекте [%1]\r\nсодержится элемент фурнитуры [%2],\r\nкоторый использует принцип "
    "расчета, зависящий от\r\nпараметров стороны, на которую он устанавливается.\r\nНомер 2-ой расчетной стороны "
    "определен неверно!";
const char *const kCalcAngle =
    "В БД наборов фурнитуры в комплекте [%1]\r\nсодержится элемент фурнитуры [%2],\r\nкоторый использует принцип "
    "расчета, зависящий от\r\nугла, на котором он устанавливается.\r\nНомер расчетного угла определен неверно!";
const char *const kZeroStep = "В БД наборов фурнитуры в комплекте [%1]\r\nсодержится элемент фурнитуры [%2],\r\n"
                              "имеющий масштабирование и шаг равный нулю!";
const char *const kPartnerArticle =
    "В БД наборов фурнитуры в комплекте [%1]\r\nсодержится элемент фурнитуры [%2],\r\nдля которого определена "
    "ссылка на артикул смежной штульповой створки.\r\nКомплект для смежной створки еще не определен. Установите "
    "сначала комплект на соседнюю створку!";

// One FrnSet row, read whole before anything else moves a table.
struct SetRow
{
    QString Item, ElementName, UseIfArt, ScaleScheme, LenFormula, Note, AlertIfNoArt;
    qint32 PropKey, Number, Side1No, Side2No, AngleNo;
    qint32 FFBMin, FFBMax, FFHMin, FFHMax;
    qint32 FFL1No, FFL1Min, FFL1Max, FFL2No, FFL2Min, FFL2Max;
    qint32 FFL21No, FFL21Min, FFL21Max, FFL22No, FFL22Min, FFL22Max;
    qint32 FFANo;
    double FFAMin, FFAMax;
    qint32 FFR1No, FFR1Min, FFR1Max, FFR1Type, FFR2No, FFR2Min, FFR2Max, FFR2Type;
    qint32 Condition, ScaleCondition, ScaleStep, ScaleStart, ScaleNum;
    qint32 ColorCondition, DefineHandleHeight, HandleSideNo, StulpType, Required, UseLen, MinLen, ItemSideNo;
};

SetRow readRow(const TDataTable &t)
{
    const RowView v(t);
    auto i = [&](const char *name) { return v.integer(name); };
    auto s = [&](const char *name) { return v.text(name); };
    SetRow r;
    r.Item = s("Item");
    r.ElementName = s("ItemLookup");
    r.UseIfArt = s("UseIfArt");
    r.ScaleScheme = s("ScaleScheme");
    r.LenFormula = s("LenFormula");
    r.Note = s("Note");
    r.AlertIfNoArt = s("AlertIfNoArt");
    r.PropKey = i("PropKey");
    r.Number = i("Number");
    r.Side1No = i("Side1No");
    r.Side2No = i("Side2No");
    r.AngleNo = i("AngleNo");
    r.FFBMin = i("FFBMin");
    r.FFBMax = i("FFBMax");
    r.FFHMin = i("FFHMin");
    r.FFHMax = i("FFHMax");
    r.FFL1No = i("FFL1No");
    r.FFL1Min = i("FFL1Min");
    r.FFL1Max = i("FFL1Max");
    r.FFL2No = i("FFL2No");
    r.FFL2Min = i("FFL2Min");
    r.FFL2Max = i("FFL2Max");
    r.FFL21No = i("FFL21No");
    r.FFL21Min = i("FFL21Min");
    r.FFL21Max = i("FFL21Max");
    r.FFL22No = i("FFL22No");
    r.FFL22Min = i("FFL22Min");
    r.FFL22Max = i("FFL22Max");
    r.FFANo = i("FFANo");
    r.FFAMin = v.real("FFAMin");
    r.FFAMax = v.real("FFAMax");
    r.FFR1No = i("FFR1No");
    r.FFR1Min = i("FFR1Min");
    r.FFR1Max = i("FFR1Max");
    r.FFR1Type = i("FFR1Type");
    r.FFR2No = i("FFR2No");
    r.FFR2Min = i("FFR2Min");
    r.FFR2Max = i("FFR2Max");
    r.FFR2Type = i("FFR2Type");
    r.Condition = i("Condition");
    r.ScaleCondition = i("ScaleCondition");
    r.ScaleStep = i("ScaleStep");
    r.ScaleStart = i("ScaleStart");
    r.ScaleNum = i("ScaleNum");
    r.ColorCondition = i("ColorCondition");
    r.DefineHandleHeight = i("DefineHandleHeight");
    r.HandleSideNo = i("HandleSideNo");
    r.StulpType = i("StulpType");
    r.Required = i("Required");
    r.UseLen = i("UseLen");
    r.MinLen = i("MinLen");
    r.ItemSideNo = i("ItemSideNo");
    return r;
}

// The range tests of the set contents: a maximum of 0 sets no upper limit.
bool inRange(double value, double min, double max)
{
    return !(max > 0 && !(max >= value)) && !(min > value);
}

bool validSide(const TkvfFlugel &sash, qint32 no) { return no >= 1 && no <= sash.LineCount(); }
bool validCorner(const TkvfFlugel &sash, qint32 no) { return no >= 1 && no <= sash.PointCount(); }

// Radius of a side in whole millimetres.
qint32 radiusMM(const TkvfLine &line) { return RoundHalfAway(double(line.R1) / 10.0); }

bool arcKindAdmitted(const TkvfLine &line, qint32 mask)
{
    if (mask == 0 || (mask & 1) != 0)
        return true;
    return (line.IsSemicircle() && (mask & 2) != 0) || (line.IsSegmentArc() && (mask & 4) != 0)
        || (line.IsEllipticArc() && (mask & 8) != 0);
}

class RowExpansion
{
public:
    RowExpansion(const SashContext &c, const QString &setName, const SetRow &r) : c(c), sash(*c.Sash), n(setName), r(r)
    {
    }

    [[noreturn]] void fail(const char *text) const
    {
        throw Error(QString::fromUtf8(text).arg(n, r.ElementName));
    }

    bool passes(int category) const
    {
        const TkvfFurnComp &composition = *sash.Composition();
        if (!CheckProperties(r.PropKey, composition.Properties, category))
            return false;
        if (!r.UseIfArt.isEmpty()) {
            if (!c.Partner || !c.Partner->Composition())
                fail(kPartnerArticle);
            if (c.Partner->Composition()->FindArticle(r.UseIfArt) < 0)
                return false;
        }
        if ((r.FFBMax > 0 && r.FFBMax < c.FFB) || c.FFB < r.FFBMin)
            return false;
        if ((r.FFHMax > 0 && r.FFHMax < c.FFH) || c.FFH < r.FFHMin)
            return false;
        if (!sideLength(sash, r.FFL1No, r.FFL1Min, r.FFL1Max, kSideLength1))
            return false;
        if (!sideLength(sash, r.FFL2No, r.FFL2Min, r.FFL2Max, kSideLength2))
            return false;
        if (!radius(r.FFR1No, r.FFR1Min, r.FFR1Max, r.FFR1Type, kRadius1))
            return false;
        if (!radius(r.FFR2No, r.FFR2Min, r.FFR2Max, r.FFR2Type, kRadius2))
            return false;
        if (!(r.FFAMin == 0 && r.FFAMax == 0)) {
            if (!validCorner(sash, r.FFANo))
                fail(kAngle);
            if (!inRange(sash.CornerAngle(r.FFANo - 1), r.FFAMin, r.FFAMax))
                return false;
        }
        if (!StulpMaskAdmits(r.StulpType, c.StulpKind))
            return false;
        if (!partnerSide(r.FFL21No, r.FFL21Min, r.FFL21Max))
            return false;
        if (!partnerSide(r.FFL22No, r.FFL22Min, r.FFL22Max))
            return false;
        return true;
    }

    // The sizes the article search may be limited by.
    void searchValues(ArticleRequest &q) const
    {
        const qint32 cond = r.Condition;
        if (cond == 4 || cond == 6 || cond == 8 || cond == 10) {
            if (!validSide(sash, r.Side1No))
                fail(kCalcSide1);
            const TkvfLine &line = sash.Line(r.Side1No - 1);
            q.L1 = line.ChordLengthMM();
            q.R1 = radiusMM(line);
        }
        if (cond == 5 || cond == 6 || cond == 9 || cond == 10) {
            if (!validSide(sash, r.Side2No))
                fail(kCalcSide2);
            const TkvfLine &line = sash.Line(r.Side2No - 1);
            q.L2 = line.ChordLengthMM();
            q.R2 = radiusMM(line);
        }
        if (cond == 7) {
            if (!validCorner(sash, r.AngleNo))
                fail(kCalcAngle);
            q.A = sash.CornerAngle(r.AngleNo - 1);
        }
    }

    qint32 quantity() const
    {
        switch (r.ScaleCondition) {
        case 1:
        case 2: {
            const qint32 v = r.ScaleCondition == 1 ? c.FFB : c.FFH;
            if (!r.ScaleScheme.isEmpty())
                return scheme(v);
            if (r.ScaleStep < 1)
                fail(kZeroStep);
            if (v < r.ScaleStart)
                return r.Number;
            return steps((qint64(v) - r.ScaleStart) / r.ScaleStep);
        }
        case 3:
        case 4: {
            const qint32 no = r.ScaleCondition == 3 ? r.Side1No : r.Side2No;
            if (!validSide(sash, no))
                fail(r.ScaleCondition == 3 ? kCalcSide1 : kCalcSide2);
            const double v = sash.Line(no - 1).ChordLengthMM();
            if (!r.ScaleScheme.isEmpty())
                return scheme(v);
            if (r.ScaleStep < 1)
                fail(kZeroStep);
            if (r.ScaleStart > v)
                return r.Number;
            return steps(QuantityRound(v - r.ScaleStart, r.Item) / r.ScaleStep);
        }
        default:
            return r.Number;
        }
    }

    float length() const
    {
        if (r.UseLen != 1 || r.LenFormula.isEmpty())
            return 0;
        const float lc = float(sash.EvaluateFormula(r.LenFormula));
        if (r.MinLen > lc)
            throw Error(QStringLiteral("В БД наборов фурнитуры в комплекте [%1]\r\nсодержится элемент фурнитуры "
                                       "[%2],\r\nимеющий недопустимое расчетное значение длины %3 (Мин. допустимая "
                                       "длина = %4)!\r\n(Одна из возможных причин - установлена недопустимая высота "
                                       "ручки при расчете тяги)")
                            .arg(n, r.ElementName,
                                 QString::number(double(lc), 'f', 1).replace(QLatin1Char('.'), QLatin1Char(',')),
                                 QString::number(r.MinLen)));
        return lc;
    }

private:
    bool sideLength(const TkvfFlugel &s, qint32 no, qint32 min, qint32 max, const char *error) const
    {
        if (min == 0 && max == 0)
            return true;
        if (!validSide(s, no))
            fail(error);
        return inRange(s.Line(no - 1).ChordLengthMM(), min, max);
    }

    bool radius(qint32 no, qint32 min, qint32 max, qint32 type, const char *error) const
    {
        if (min == 0 && max == 0 && type < 2)
            return true;
        if (!validSide(sash, no))
            fail(error);
        const TkvfLine &line = sash.Line(no - 1);
        if (!inRange(radiusMM(line), min, max))
            return false;
        return arcKindAdmitted(line, type);
    }

    bool partnerSide(qint32 no, qint32 min, qint32 max) const
    {
        if (min == 0 && max == 0)
            return true;
        if (!c.Partner)
            fail(kPartnerMissing);
        return sideLength(*c.Partner, no, min, max, kPartnerSide);
    }

    qint32 scheme(double v) const
    {
        const qint32 counted = CountScaleThresholds(r.ScaleScheme, float(v));
        return QuantitySum(QuantityProduct(counted, r.ScaleNum, r.Item), r.Number, r.Item);
    }

    qint32 steps(qint64 whole) const
    {
        return QuantityProduct(QuantitySum(QuantitySum(whole, r.Number, r.Item), 1, r.Item), r.ScaleNum, r.Item);
    }

    const SashContext &c;
    const TkvfFlugel &sash;
    const QString &n;
    const SetRow &r;
};

} // namespace

int CountScaleThresholds(const QString &scheme, float value)
{
    if (scheme.isEmpty())
        return 0;
    int count = 0;
    for (const QString &entry : scheme.split(QLatin1Char(';'))) {
        qint32 v = 0;
        if (!ParseInteger(TrimBlanks(entry), v) || v == -1)
            continue;
        if (double(v) <= double(value))
            ++count;
    }
    return count;
}

void ExpandSet(const SashContext &c, const QString &setId, int category, bool ownHeight, qint32 multiplier)
{
    TDM &dm = DM();
    TDataTable &sets = dm.T_FrnComp;
    if (!sets.locate(QStringLiteral("ID"), setId))
        throw Error(QStringLiteral("Комплект фурнитуры [%1] не найден в документации!").arg(setId));
    const QString setName = CachedField(sets, "Name").asString();
    if (c.Params.OpenType == 2 && CachedField(sets, "TFlugelAvailable").asInteger() == 0)
        throw Error(QStringLiteral("Не допускается установка комплекта [%1] на T-образную створку!").arg(setId));

    TkvfFlugel &sash = *c.Sash;
    TkvfFurnComp &composition = *sash.Composition();
    TDataTable &contents = dm.T_FrnSet;
    FilteredScan scan(contents, QStringLiteral("ID = '%1'").arg(escapeFilterString(setId)));
    for (; !scan.eof(); scan.next()) {
        const SetRow r = readRow(contents);
        if (r.Item.isEmpty())
            throw Error(QStringLiteral("В БД наборов фурнитуры в комплекте\r\n[%1] содержится пустой элемент!")
                            .arg(setName));
        RowExpansion row(c, setName, r);
        if (!row.passes(category))
            continue;

        ArticleRequest q;
        row.searchValues(q);
        const QString &colour = c.ColourFor(r.ColorCondition);
        const qint32 quantity = QuantityProduct(row.quantity(), multiplier, r.Item);
        const float length = row.length();

        const ElementInfo element = GetElementInfo(r.Item);
        const bool isVirtual = element.found && element.isVirtual;
        if (!isVirtual) {
            q.ElementId = r.Item;
            q.SetName = setName;
            q.StrikeSystem = composition.ProfSys;
            q.AlertText = r.AlertIfNoArt;
            q.Required = r.Required == 1;
            q.Hand = c.Hand;
            q.StulpKind = c.StulpKind;
            q.DefineHandleHeight = r.DefineHandleHeight == 1;
            q.Width = c.Width;
            q.Colour = colour;
            q.Weight = c.Weight;
            q.Params = c.Params;
            q.FFH = c.FFH;
            q.FFB = c.FFB;
            q.Condition = r.Condition;
            ResolvedArticle found;
            if (ResolveArticle(q, found, c.Chooser)) {
                if (!ownHeight && found.HandleHeight != 0) {
                    int i = r.HandleSideNo - 1;
                    if (i < 0 || i >= sash.LineCount())
                        i = sash.HandleSideIndex();
                    if (i >= 0)
                        sash.Line(i).SetHandle(found.HandleHeight, GetHandleDirection(setId, i + 1));
                }
                composition.AddItem(found.Article, setId,
                                    QStringLiteral("Комплект:%1 -> Элемент:%2 -> Артикул:%3")
                                        .arg(setId, r.Item, found.Article),
                                    c.DebugMode, length, r.Note, quantity, r.ItemSideNo);
            }
        }
        ExpandComposite(c, r.Item, setId, quantity, category, r.ItemSideNo);
    }
}

} // namespace kv
