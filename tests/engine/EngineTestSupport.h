#pragma once
// A small catalogue per test: the schema plus a few SQL lines of the case,
// with the engine installed as the model's services.
#include "support/QStringPrinter.h"
#include "support/CatalogFixture.h"
#include "support/TestSupport.h"
#include "core/Data.h"
#include "core/Database.h"
#include "engine/ArticleChooser.h"
#include "engine/EngineServices.h"
#include "model/Construction.h"
#include "model/Order.h"
#include "tools/Errors.h"
#include "tools/RecordingMessages.h"

#include <gtest/gtest.h>
#include <functional>

namespace kvtest {

// Rebate 100 = 12/20-9, dorn 200 = 15 mm, stulp code 300 = kind 1, opening
// 400 = kind 1 (outer colour for ColorCondition 3), 401 = kind 0, 402 = the
// T-shaped sash (2).
inline const char *const kParams = R"(
INSERT INTO ParamList (ID, Name, FalzLuft, FalzSize, FalzPos) VALUES (100, 'Фальц 12/20-9', 12, 20, 9);
INSERT INTO ParamList (ID, Name, FalzLuft, FalzSize, FalzPos) VALUES (101, 'Фальц без люфта', 0, 20, 9);
INSERT INTO ParamList (ID, Name, DornMass) VALUES (200, 'Дорн 15', 15);
INSERT INTO ParamList (ID, Name, DornMass) VALUES (201, 'Дорн 0', 0);
INSERT INTO ParamList (ID, Name, StulpType) VALUES (300, 'Штульп 1', 1);
INSERT INTO ParamList (ID, Name, StulpType) VALUES (301, 'Штульп 2', 2);
INSERT INTO ParamList (ID, Name, OpenType) VALUES (400, 'Поворотно-откидное', 1);
INSERT INTO ParamList (ID, Name, OpenType) VALUES (401, 'Поворотное', 0);
INSERT INTO ParamList (ID, Name, OpenType) VALUES (402, 'Т-образная', 2);
)";

class Catalogue
{
public:
    explicit Catalogue(const QString &sql)
    {
        fixture.sql(QString::fromUtf8(kParams) + sql);
        dm.OpenCatalogTables();
        if (kv::TDM::instance() != &dm)
            ADD_FAILURE() << "another catalogue is the process-wide one";
        services.DebugMode = [this] { return debugMode; };
        services.Chooser = &chooser;
    }

    // Catalogue tables that a scan left filtered.
    QStringList filteredTables() const
    {
        QStringList names;
        for (kv::TDataTable *t : dm.catalogTables())
            if (t->isFiltered() || !t->filter().isEmpty() || t->scanActive() || t->controlsDisabled())
                names << t->name();
        return names;
    }

    struct InstalledSink
    {
        kv::RecordingMessageSink sink;
        kv::MessageSink *previous = kv::setMessageSink(&sink);
        ~InstalledSink() { kv::setMessageSink(previous); }
    } messages;
    CatalogFixture fixture;
    kv::TDM &dm = fixture.dm;
    kv::FirstArticleChooser chooser;
    kv::EngineServices services;
    kv::ScopedModelServices installed{services};
    bool debugMode = false;
};

// The text of the kv::Error that f raises; "" when it raises none.
inline QString errorText(const std::function<void()> &f)
{
    try {
        f();
    } catch (const kv::Error &e) {
        return e.text();
    }
    return {};
}

// A chooser that records what it was offered and moves to row `pick` (1-based, 0 stays).
class ScriptedChooser : public kv::ArticleChooser
{
public:
    void ChooseArticle(kv::TDataSource &source, const kv::ArticleAlternatives &alternatives) override
    {
        offered.push_back(alternatives);
        if (pick > 0)
            source.dataSet()->setRecNo(pick);
    }
    int pick = 0;
    std::vector<kv::ArticleAlternatives> offered;
};

} // namespace kvtest

namespace kvtest {

// A position of an order whose profile colours are WEISS outside and BRAUN
// inside; the order goes with the position.
class TestPosition
{
public:
    TestPosition() : order(std::make_unique<kv::TkvfOrder>()), position(&order->AddPosition())
    {
        order->OuterColor = QStringLiteral("WEISS");
        order->InnerColor = QStringLiteral("BRAUN");
    }
    kv::TkvfConstruction *operator->() const { return position; }
    kv::TkvfConstruction &operator*() const { return *position; }

    std::unique_ptr<kv::TkvfOrder> order;
    kv::TkvfConstruction *position;
};

// A position built as the position dialog builds it: sizes in mm, rebate 100,
// stulp code 300, opening 400, dorn 200.
inline TestPosition makePosition(qint32 b, qint32 h, quint8 kind = 0,
                                 quint8 arrangement = kv::TkvfConstruction::SingleSash, qint32 x = 0, qint32 y = 0,
                                 float r = 0)
{
    TestPosition p;
    p->Arrangement = arrangement;
    p->FalzType = 100;
    p->StulpType = 300;
    p->OpenType = 400;
    p->ProfWidth = 64;
    p->ProfThickness = 70;
    p->FurnSys = QStringLiteral("1205");
    p->ProfSys = QStringLiteral("PS1");
    p->FurnColor = QStringLiteral("SILBER");
    kv::TShapeRecord shape;
    shape.B = b;
    shape.H = h;
    shape.Kind = kind;
    shape.X = x;
    shape.Y = y;
    shape.R1 = shape.R2 = r;
    p->SetShape(shape, 200);
    return p;
}

inline kv::TSashChoice mainSet(const QString &set, const QStringList &properties = {})
{
    kv::TSashChoice c;
    c.MainSet = set;
    c.Dorn = 200;
    c.Properties = properties;
    return c;
}

// Runs the selection for the sash through its composition, as the fittings
// dialog does; the error text, "" on success.
inline QString select(kv::TkvfFlugel &sash, const kv::TSashChoice &choice)
{
    const kv::TkvfConstruction &p = *sash.Construction;
    return errorText([&] { sash.SetComposition(p.FurnSys, p.ProfSys, choice, p.FurnColor); });
}

// The items of a sash, one line each: "article xQuantity L<length> S<side> P:<parent> C:<comment>".
inline QStringList items(const kv::TkvfFlugel &sash)
{
    QStringList out;
    const kv::TkvfFurnComp *comp = sash.Composition();
    if (!comp)
        return out;
    for (int i = 0; i < comp->Count(); ++i) {
        const kv::TkvfFurnItem &it = comp->Item(i);
        out << QStringLiteral("%1 x%2 L%3 S%4 P:%5 C:%6")
                   .arg(it.Article)
                   .arg(it.Quantity)
                   .arg(QString::number(double(it.Length), 'f', 1))
                   .arg(it.SideNo)
                   .arg(it.ParentSet, it.Comment);
    }
    return out;
}

inline QStringList histories(const kv::TkvfFlugel &sash)
{
    QStringList out;
    if (const kv::TkvfFurnComp *comp = sash.Composition())
        for (int i = 0; i < comp->Count(); ++i)
            out << comp->Item(i).History;
    return out;
}

} // namespace kvtest
