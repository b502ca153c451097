// Writes valid order and selection files into the directories given on the
// command line, as starting points for the fuzz targets:
//   fuzz_make_seeds <order dir> <selection dir>
// The orders hold single and two-sash positions of several figures with
// compositions and material lists; copies carry the stamps of older versions.
#include "model/ModelServices.h"
#include "model/OrderSelection.h"

#include <QDir>
#include <QFile>
#include <cstdio>

using namespace kv;

namespace {

class SeedServices : public ModelServices
{
public:
    void SelectFittings(TkvfFurnComp &c) override
    {
        c.AddItem(QStringLiteral("ROD-1"), QStringLiteral("MAIN"), QStringLiteral("history"), true,
                  1250.5f, QStringLiteral("comment"), 2, 3);
        c.AddItem(QStringLiteral("HINGE"), QStringLiteral("HINGE"), QString(), true, 0, QString(), 4, 1);
    }
    Money ArticlePrice(const QString &) override { return Money::fromRaw(123456); }
    QString ArticleName(const QString &a) override { return a; }
    bool IsVirtualArticle(const QString &) override { return false; }
    qint32 ComponentImage(const QString &) override { return 3; }
    qint32 ComponentScreenColor(const QString &) override { return 0xFF00FF; }
};

void write(const QString &path, const QByteArray &data)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(data) != data.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
}

// The same bytes under another stamp of equal length.
QByteArray restamped(QByteArray data, const QString &from, const QString &to)
{
    const QByteArray a = from.toLatin1(), b = to.toLatin1();
    const qsizetype at = data.indexOf(a);
    if (at >= 0)
        data.replace(at, a.size(), b);
    return data;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <order dir> <selection dir>\n", argv[0]);
        return 2;
    }
    const QDir orders(QString::fromLocal8Bit(argv[1])), selections(QString::fromLocal8Bit(argv[2]));
    QDir().mkpath(orders.path());
    QDir().mkpath(selections.path());
    SeedServices services;
    ScopedModelServices installed(services);

    TkvfOrder order;
    order.OrderNo = QStringLiteral("З-1");
    order.Customer = QStringLiteral("Заказчик");
    order.NDSTax = 20;
    order.GetTotalNDS = true;
    order.Rates.add(840, 90.5f);
    order.Notes = QStringList{"первая", "вторая"};
    TSashChoice choice;
    choice.HingeSet = QStringLiteral("HINGE"); // no main set: no side table needed
    choice.Handle = QStringLiteral("H");
    choice.Properties = QStringList{"0=12"};
    choice.AdditionalSets = QStringList{"ADD"};
    const quint8 kinds[] = {0, 3, 7};
    for (int i = 0; i < 3; ++i) {
        TkvfConstruction &p = order.AddPosition();
        p.PosNo = QStringLiteral("00%1").arg(i + 1);
        p.PosName = QStringLiteral("Окно %1").arg(i + 1);
        p.Count = i + 1;
        p.Arrangement = i == 1 ? TkvfConstruction::LeftMain : TkvfConstruction::SingleSash;
        TShapeRecord shape;
        shape.B = 1200;
        shape.H = 1400;
        shape.X = 600;
        shape.Y = 600;
        shape.R1 = 300;
        shape.Kind = kinds[i];
        p.SetShape(shape, 5);
        p.ApplyFittingsChoice(QStringLiteral("SYS"), QStringLiteral("PROF"), QStringLiteral("WHITE"),
                              1, 2, 3, 68, 76, choice, choice);
    }
    TSpecStream s;
    order.SaveToStream(s);
    const QByteArray current = s.data();
    write(orders.filePath(QStringLiteral("current.kfo370")), current);
    for (const char *stamp : {"10.12.2009", "06.10.2015", "03.03.2019", "23.07.2019", "01.01.2020"})
        write(orders.filePath(QStringLiteral("stamp-%1.kfo370").arg(QString::fromLatin1(stamp))),
              restamped(current, stamps::Order, QString::fromLatin1(stamp)));
    TkvfOrder empty;
    TSpecStream e;
    empty.SaveToStream(e);
    write(orders.filePath(QStringLiteral("empty.kfo370")), e.data());

    TkvfOrderSelection sel;
    sel.SelectionNo = QStringLiteral("В-1");
    sel.Rates.add(978, 100.25f);
    sel.Notes = QStringList{"примечание"};
    for (int i = 0; i < 3; ++i) {
        TkvfOrderSelectionItem &item = sel.AddItem();
        item.OrderNo = QStringLiteral("З-%1").arg(i);
        item.PosNo = QStringLiteral("00%1").arg(i);
        item.Width = 1200;
        item.Height = 1400;
        item.Count = i;
        item.PosName = QStringLiteral("Окно");
        item.OrderFileRef = i ? QStringLiteral("%\\2024\\A.KFO") : QStringLiteral("/srv/orders/b.kfo370");
    }
    TSpecStream t;
    sel.SaveToStream(t);
    write(selections.filePath(QStringLiteral("current.kfs370")), t.data());
    write(selections.filePath(QStringLiteral("stamp-10.12.2009.kfs370")),
          restamped(t.data(), stamps::Selection, QStringLiteral("10.12.2009")));
    return 0;
}
