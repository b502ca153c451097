#pragma once
// The JSON form of orders for batch pricing (kvf calc, show, recalc): reading
// positions and fittings choices with every field checked and named in the
// error, building the positions as the position dialog builds them, and
// writing positions with their items and materials.
#include "model/Construction.h"
#include "tools/Errors.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <vector>

namespace kv {

// An input field with a wrong type or value; the text names the field.
class JsonInputError : public Error
{
public:
    using Error::Error;
};

// Field reads of one JSON object. Missing fields leave the target as it is;
// a field of the wrong type, or one not read at all, raises JsonInputError
// naming it by its path ("Positions[2].Shape.Kind").
class JsonFields
{
public:
    JsonFields(const QJsonObject &object, const QString &path) : m_object(object), m_path(path) {}

    bool has(const QString &name) const { return m_object.contains(name); }
    QString path(const QString &name) const;

    void read(const QString &name, QString &value);
    void read(const QString &name, qint32 &value, qint64 min = INT32_MIN, qint64 max = INT32_MAX);
    void read(const QString &name, quint8 &value, qint64 min = 0, qint64 max = 255);
    void read(const QString &name, float &value);
    void read(const QString &name, bool &value);
    void read(const QString &name, QStringList &value);
    // The object or array field; an empty one when missing.
    QJsonObject object(const QString &name);
    QJsonArray array(const QString &name);
    // Marks a field as read without reading it.
    void skip(const QString &name) { m_seen << name; }
    // Raises for the first field that no read asked for: a misspelt field
    // would otherwise silently take its default.
    void finish() const;

    [[noreturn]] void fail(const QString &name, const QString &expected) const;

private:
    QJsonValue take(const QString &name);

    QJsonObject m_object;
    QString m_path;
    QStringList m_seen;
};

// What the order gives a new position.
struct PositionDefaults
{
    QString FurnSys, ProfSys, FurnColor;
    qint32 FalzType = 0, StulpType = 0, OpenType = 0, DornType = 0;
    float ProfWidth = 0, ProfThickness = 0;
    quint8 ObjectType = 0; // window; 1 door with threshold
};

// A position's figure and fittings choices as read, before the position is built.
struct PositionInput
{
    TShapeRecord Shape; // mm, linked fields resolved as the position dialog does
    TSashChoice First;  // left or only sash
    TSashChoice Second; // right sash
    qint32 DornType = 0;
};

// Reads position number index (0-based) into position, whose fields keep the
// defaults where the input has none; raises JsonInputError.
PositionInput ReadPosition(const QJsonObject &json, const QString &path, int index,
                           const PositionDefaults &defaults, TkvfConstruction &position);
// The sash choice with the order's dorn as default.
TSashChoice ReadSashChoice(const QJsonObject &json, const QString &path, qint32 defaultDorn);

// The outlines from the figure (Arrangement by figure, SetShape with the dorn).
void BuildPositionShape(TkvfConstruction &position, const PositionInput &input);
// The fittings choice applied as the fittings dialog applies it: runs the
// selection and prices the position. Selection errors pass through.
void ApplyPositionChoice(TkvfConstruction &position, const PositionInput &input);

class TkvfOrder;
class TkvfSetup;

// The order header read into order (missing fields keep its values) and the
// positions appended to it with their figures and choices, not yet built.
struct OrderInput
{
    std::vector<PositionInput> Positions;
    bool HasRates = false; // otherwise the order takes the catalogue's rates
};
// New positions take the settings' profile sizes and product type (none: 0).
OrderInput ReadOrder(const QJsonObject &json, TkvfOrder &order, const TkvfSetup *settings = nullptr);

// The choice a sash's composition holds (empty without one), so that a stored
// position can be selected again.
TSashChoice StoredChoice(const TkvfFlugel &sash);
// Runs the selection again for both sashes with their stored choices and
// reprices the position.
void Recalculate(TkvfConstruction &position);

// A position with its rebate size, costs, and per sash with fittings its
// items and materials. Money as text with a point and four decimals.
QJsonObject PositionJson(const TkvfConstruction &position);
QString MoneyJson(Money amount);
// The order number, currency, every position and the totals.
QJsonObject OrderJson(const TkvfOrder &order);

} // namespace kv
