#include "CatalogLookups.h"

#include "core/Data.h"
#include "tools/Errors.h"

namespace kv {

namespace {

TDataTable &catalog() { return DM().T_Catalog; }

QString missingArticle(const QString &code, const QString &what)
{
    return QStringLiteral("В каталоге отсутствуют данные для [%1]!\r\n(Поиск [%2] через [Код])").arg(code, what);
}

// Name of a row of one of the parameter views, "" when missing.
QString paramName(TDataTable &view, int code)
{
    return view.locate(QStringLiteral("ID"), code) ? view.asString(QStringLiteral("Name")) : QString();
}

bool findSet(const QString &setId)
{
    return DM().T_FrnComp.findKey({setId});
}

} // namespace

bool LocateArticle(const QString &code)
{
    return catalog().locate(QStringLiteral("ID"), code);
}

QString GetArticleName(const QString &code, bool silent)
{
    if (LocateArticle(code))
        return catalog().asString(QStringLiteral("Name"));
    if (silent)
        return {};
    throw Error(missingArticle(code, QStringLiteral("Наименование")));
}

QString GetArticleUnit(const QString &code)
{
    if (LocateArticle(code))
        return catalog().asString(QStringLiteral("Unit"));
    throw Error(missingArticle(code, QStringLiteral("Ед.изм")));
}

ArticleInfo GetArticleInfo(const QString &code, bool silent)
{
    ArticleInfo info;
    if (LocateArticle(code)) {
        TDataTable &c = catalog();
        info.ProdArticle = c.asString(QStringLiteral("ProdArticle"));
        info.ProdArticle2 = c.asString(QStringLiteral("ProdArticle2"));
        info.Name = c.asString(QStringLiteral("Name"));
        info.Unit = c.asString(QStringLiteral("Unit"));
    } else if (!silent) {
        throw Error(missingArticle(code, QStringLiteral("Артикул производителя")));
    }
    return info;
}

QString GetMakerArticle(const QString &code, int which, bool silent)
{
    if (!LocateArticle(code)) {
        if (silent)
            return {};
        throw Error(missingArticle(code, QStringLiteral("Артикул производителя")));
    }
    TDataTable &c = catalog();
    switch (which) {
    case 0:
        return c.asInteger(QStringLiteral("UseArticle")) == 2 ? c.asString(QStringLiteral("ProdArticle2"))
                                                              : c.asString(QStringLiteral("ProdArticle"));
    case 1:
        return c.asString(QStringLiteral("ProdArticle"));
    case 2:
        return c.asString(QStringLiteral("ProdArticle2"));
    default:
        return {};
    }
}

QVariant GetArticleField(const QString &code, const QString &fieldName, bool silent)
{
    if (code.isEmpty() || fieldName.isEmpty())
        return {};
    if (!LocateArticle(code)) {
        if (silent)
            return {};
        throw Error(QStringLiteral("В каталоге не найден материал с кодом [%1]!").arg(code));
    }
    return catalog().fieldValue(fieldName);
}

bool IsVirtualArticle(const QString &code)
{
    if (code.isEmpty() || !LocateArticle(code))
        return false;
    return catalog().asInteger(QStringLiteral("Virtual")) == 1;
}

qint32 GetComponentGroup(const QString &setId)
{
    return findSet(setId) ? DM().T_FrnComp.asInteger(QStringLiteral("Group")) : 0;
}

qint32 GetComponentScreenColor(const QString &setId)
{
    return findSet(setId) ? DM().T_FrnComp.asInteger(QStringLiteral("ScrColor")) : 16777215;
}

qint32 GetComponentImage(const QString &setId)
{
    return findSet(setId) ? DM().T_FrnComp.asInteger(QStringLiteral("Image")) : 0;
}

bool GetComponentPrintInfo(const QString &setId, QString &printName)
{
    printName.clear();
    if (!findSet(setId))
        return false;
    TDataTable &t = DM().T_FrnComp;
    printName = t.asString(QStringLiteral("PrintName"));
    return t.asInteger(QStringLiteral("Printable")) == 1;
}

qint32 GetHandleDirection(const QString &setId, int side)
{
    TDataTable &t = DM().T_FrnSide;
    return t.locate(QStringLiteral("ID;Side"), {setId, side}) ? t.asInteger(QStringLiteral("HandleDirect")) : 0;
}

qint32 GetSystemGroup(const QString &systemId, bool silent)
{
    TDataTable &t = DM().T_SysList;
    if (t.locate(QStringLiteral("ID"), systemId))
        return t.asInteger(QStringLiteral("CommonGrp"));
    if (silent)
        return 0;
    throw Error(QStringLiteral("В БД отсутствуют данные для системы [%1]!").arg(systemId));
}

QString GetSystemName(const QString &systemId)
{
    TDataTable &t = DM().T_SysList;
    return t.locate(QStringLiteral("ID"), systemId) ? t.asString(QStringLiteral("Name")) : QString();
}

QString GetSystemBaseColor(const QString &systemId)
{
    TDataTable &t = DM().T_SysList;
    return t.findKey({systemId}) ? t.asString(QStringLiteral("BaseColor")) : QString();
}

QString GetStrikeSystemName(const QString &strikeSystemId)
{
    TDataTable &t = DM().T_SysProf;
    return t.locate(QStringLiteral("SchlSysID"), strikeSystemId) ? t.asString(QStringLiteral("Name")) : QString();
}

QString GetColorName(const QString &colorCode)
{
    if (colorCode.isEmpty())
        return {};
    TDataTable &t = DM().T_Color;
    return t.locate(QStringLiteral("Color"), colorCode) ? t.asString(QStringLiteral("Name")) : QString();
}

void GetRebateParams(int code, SashParams &params, bool silent)
{
    params.FalzLuft = params.FalzSize = params.FalzPos = 0;
    TDataTable &t = DM().T_FalzList;
    if (t.locate(QStringLiteral("ID"), code)) {
        params.FalzLuft = t.asInteger(QStringLiteral("FalzLuft"));
        params.FalzSize = t.asInteger(QStringLiteral("FalzSize"));
        params.FalzPos = t.asInteger(QStringLiteral("FalzPos"));
    } else if (!silent) {
        throw Error(QStringLiteral("В БД параметров фальца отсутствуют данные для кода [%1]!").arg(code));
    }
}

void GetDornMass(int code, SashParams &params, bool silent)
{
    params.DornMass = 0;
    TDataTable &t = DM().T_DornList;
    if (t.locate(QStringLiteral("ID"), code))
        params.DornMass = float(t.asFloat(QStringLiteral("DornMass")));
    else if (!silent)
        throw Error(QStringLiteral("В БД параметров дорнмасса отсутствуют данные для кода [%1]!").arg(code));
}

quint8 GetStulpKind(int code, bool silent)
{
    TDataTable &t = DM().T_StulpList;
    if (t.locate(QStringLiteral("ID"), code))
        return quint8(t.asInteger(QStringLiteral("StulpType")));
    if (!silent)
        throw Error(QStringLiteral("В БД типов штульпа отсутствуют данные для кода [%1]!").arg(code));
    return 0;
}

void GetOpeningKind(int code, SashParams &params, bool silent)
{
    params.OpenType = 0;
    TDataTable &t = DM().T_OpenList;
    if (t.locate(QStringLiteral("ID"), code))
        params.OpenType = quint8(t.asInteger(QStringLiteral("OpenType")));
    else if (!silent)
        throw Error(QStringLiteral("В БД типов открываний створок отсутствуют данные для кода [%1]!").arg(code));
}

QString GetRebateName(int code) { return paramName(DM().T_FalzList, code); }
QString GetDornName(int code) { return paramName(DM().T_DornList, code); }
QString GetStulpName(int code) { return paramName(DM().T_StulpList, code); }
QString GetOpeningName(int code) { return paramName(DM().T_OpenList, code); }

QString GetCurrencyName(int currencyId)
{
    TDataTable &t = DM().T_Currency;
    return t.locate(QStringLiteral("ID"), currencyId) ? t.asString(QStringLiteral("Name")) : QString();
}

int GetCurrencyDecimals(int currencyId)
{
    TDataTable &t = DM().T_Currency;
    return t.locate(QStringLiteral("ID"), currencyId) ? t.asInteger(QStringLiteral("Dec")) : 2;
}

bool GetCurrencyWords(int currencyId, CurrencyWords &words)
{
    TDataTable &t = DM().T_Currency;
    if (!t.locate(QStringLiteral("ID"), currencyId))
        return false;
    words.nominative = t.asString(QStringLiteral("Nominative"));
    words.genitive = t.asString(QStringLiteral("Genitive"));
    words.genitivePlural = t.asString(QStringLiteral("GenitivePlural"));
    words.gender = static_cast<WordGender>(quint8(t.asInteger(QStringLiteral("Gender"))));
    words.decimals = t.asInteger(QStringLiteral("Dec"));
    return true;
}

} // namespace kv
