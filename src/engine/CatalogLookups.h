#pragma once
// The engine's reads of the catalogue: each positions one shared table of
// the data module by an exact, case-sensitive match and reads the record.
// With silent set a missing row gives the default; otherwise it raises
// kv::Error with the lookup's text.
#include "engine/SashParams.h"
#include "tools/MoneyInWords.h"

#include <QString>
#include <QVariant>

namespace kv {

// Catalog
bool LocateArticle(const QString &code);
QString GetArticleName(const QString &code, bool silent);
QString GetArticleUnit(const QString &code); // raises for a missing article
struct ArticleInfo
{
    QString ProdArticle, ProdArticle2, Name, Unit;
};
// All four cleared first; empty for a missing article when silent.
ArticleInfo GetArticleInfo(const QString &code, bool silent);
// which: 1 the first maker's article, 2 the second, 0 the one to print.
QString GetMakerArticle(const QString &code, int which, bool silent);
// The field's value; no value for an empty code or field name or a field
// the catalogue does not bind.
QVariant GetArticleField(const QString &code, const QString &fieldName, bool silent);
bool IsVirtualArticle(const QString &code);

// Sets (FrnComp by primary key) and their sides
qint32 GetComponentGroup(const QString &setId);
qint32 GetComponentScreenColor(const QString &setId); // white when unknown
qint32 GetComponentImage(const QString &setId);
// Printable = 1; printName gets PrintName (both empty/false when unknown).
bool GetComponentPrintInfo(const QString &setId, QString &printName);
qint32 GetHandleDirection(const QString &setId, int side);

// Systems, strike-plate systems, colours
qint32 GetSystemGroup(const QString &systemId, bool silent);
QString GetSystemName(const QString &systemId);
QString GetSystemBaseColor(const QString &systemId);
QString GetStrikeSystemName(const QString &strikeSystemId);
QString GetColorName(const QString &colorCode);

// Rebate, dorn, stulp and opening codes
void GetRebateParams(int code, SashParams &params, bool silent);
void GetDornMass(int code, SashParams &params, bool silent);
quint8 GetStulpKind(int code, bool silent);
void GetOpeningKind(int code, SashParams &params, bool silent);
QString GetRebateName(int code);
QString GetDornName(int code);
QString GetStulpName(int code);
QString GetOpeningName(int code);

// Currencies
QString GetCurrencyName(int currencyId);
int GetCurrencyDecimals(int currencyId); // 2 when unknown
// Fills the main unit's three forms, its gender and the decimals; leaves the
// record untouched for an unknown currency (then returns false).
bool GetCurrencyWords(int currencyId, CurrencyWords &words);

} // namespace kv
