#pragma once
// A small order for report tests: positions with compositions with items, a
// material list filled by an initialisation function, order variables. It
// walks its record sources the way the report data module does (the child
// sources follow the current row of their parent).
#include "reports/ReportData.h"
#include "tools/Errors.h"

#include <QHash>
#include <QPainter>
#include <QRectF>
#include <algorithm>
#include <ostream>
#include <vector>

// Readable QString values in test failures.
inline void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }

namespace kvtest {

using kv::ReportValue;

struct FakeItem { QString id; qint64 count; double length; };
struct FakeComp { QString name; std::vector<FakeItem> items; };
struct FakePos { int no; QString name; qint64 pieces; std::vector<FakeComp> comps; bool drawable = true; };
struct FakeMat { QString id; QString name; double quantity; kv::Money price; };

class FakeCursor : public kv::ReportRecordSource
{
public:
    explicit FakeCursor(std::function<int()> count) : m_count(std::move(count)) {}
    void first() override { m_cursor = 0; ++firstCalls; }
    void next() override { ++m_cursor; }
    bool eof() const override { return m_cursor < 0 || m_cursor >= m_count(); }
    int cursor() const { return eof() ? -1 : m_cursor; }
    void reset() { m_cursor = -1; }
    int firstCalls = 0;

private:
    std::function<int()> m_count;
    int m_cursor = -1;
};

class FakeOrderData : public kv::ReportDataSource
{
public:
    std::vector<FakePos> positions;
    std::vector<FakeMat> orderMaterials;
    std::vector<FakeMat> matList; // filled by _INIT_ORDERMATLIST
    QHash<QString, ReportValue> order;
    // Called by _FAIL(): a lookup error of the data side.
    QString failText = QStringLiteral("В каталоге отсутствуют данные для [X-1]!\r\n(Поиск [Наименование] через [Код])");
    QStringList picturesLoaded;
    std::vector<int> drawnPositions;  // position numbers painted by draw routines
    std::vector<QRectF> drawnRects;
    bool drawCaption = true;
    QString moneyWords; // answer of _MONEYBYWORD_RUS when set

    FakeOrderData()
        : m_pos([this] { return int(positions.size()); }),
          m_comp([this] { return currentPos() ? int(currentPos()->comps.size()) : 0; }),
          m_item([this] { return currentComp() ? int(currentComp()->items.size()) : 0; }),
          m_mat([this] { return int(matList.size()); })
    {
    }

    const FakePos *currentPos() const
    {
        const int c = m_pos.cursor();
        return c < 0 ? nullptr : &positions[size_t(c)];
    }
    const FakeComp *currentComp() const
    {
        const FakePos *p = currentPos();
        const int c = m_comp.cursor();
        return p && c >= 0 ? &p->comps[size_t(c)] : nullptr;
    }

    FakeCursor &cursor(const QString &name)
    {
        if (name == QLatin1String("frdOrderPosSpec")) return m_pos;
        if (name == QLatin1String("frdFrameFurnCompSpec")) return m_comp;
        if (name == QLatin1String("frdFurnCompItemSpec")) return m_item;
        return m_mat;
    }

    kv::ReportRecordSource *recordSource(const QString &name) override
    {
        static const QStringList known = {QStringLiteral("frdOrderPosSpec"), QStringLiteral("frdFrameFurnCompSpec"),
                                          QStringLiteral("frdFurnCompItemSpec"), QStringLiteral("frdOrderMatList")};
        for (const QString &k : known)
            if (k.compare(name, Qt::CaseInsensitive) == 0)
                return &cursor(k);
        return nullptr;
    }

    std::optional<ReportValue> value(const QString &name) override
    {
        const QString key = name.toUpper();
        if (key == QLatin1String("_FAIL"))
            throw kv::Error(failText);
        if (order.contains(key))
            return order.value(key);
        if (const FakePos *p = currentPos()) {
            if (key == QLatin1String("_POS_NO")) return ReportValue::integer(p->no);
            if (key == QLatin1String("_POS_NAME")) return ReportValue::text(p->name);
            if (key == QLatin1String("_POS_NUMBER")) return ReportValue::integer(p->pieces);
        }
        if (const FakeComp *c = currentComp()) {
            if (key == QLatin1String("_CFCS_COMPLECTNAME")) return ReportValue::text(c->name);
            const int i = m_item.cursor();
            if (i >= 0) {
                const FakeItem &item = c->items[size_t(i)];
                if (key == QLatin1String("_FCIS_INDEX")) return ReportValue::integer(i);
                if (key == QLatin1String("_FCIS_ID")) return ReportValue::text(item.id);
                if (key == QLatin1String("_FCIS_COUNT")) return ReportValue::integer(item.count);
                if (key == QLatin1String("_FCIS_LENGTH")) return ReportValue::real(item.length);
            }
        }
        const int m = m_mat.cursor();
        if (m >= 0) {
            const FakeMat &mat = matList[size_t(m)];
            if (key == QLatin1String("_OMS_ID")) return ReportValue::text(mat.id);
            if (key == QLatin1String("_OMS_NAME")) return ReportValue::text(mat.name);
            if (key == QLatin1String("_OMS_NUMBER")) return ReportValue::real(mat.quantity);
            if (key == QLatin1String("_OMS_PRICE")) return ReportValue::money(mat.price);
            if (key == QLatin1String("_OMS_COST")) return ReportValue::money(mat.price * mat.quantity);
        }
        return std::nullopt;
    }

    std::optional<ReportValue> call(const QString &name, const kv::ExprArguments &args,
                                    kv::ReportServices &services) override
    {
        const QString key = name.toUpper();
        if (key.contains(QLatin1String("_INIT_"))) {
            if (key == QLatin1String("_INIT_ORDERMATLIST")) {
                QString mode;
                try {
                    mode = args.value(0).toString();
                } catch (const kv::Error &) {
                }
                matList = orderMaterials;
                std::sort(matList.begin(), matList.end(), [&](const FakeMat &a, const FakeMat &b) {
                    return mode == QLatin1String("SORT_BY_NAME") ? a.name < b.name : a.id < b.id;
                });
                m_mat.reset();
            }
            return ReportValue();
        }
        if (key == QLatin1String("_MONEYBYWORD_RUS") && !moneyWords.isEmpty())
            return ReportValue::text(moneyWords);
        if (key == QLatin1String("_MONEYBYWORD_RUS"))
            return ReportValue::text(QStringLiteral("сумма прописью: ") + args.value(0).toString());
        if (key == QLatin1String("_LOADLOGO")) {
            const QString file = args.value(0).toString();
            if (services.hasPictureObject(QStringLiteral("logopicture"))
                && services.loadPicture(QStringLiteral("LogoPicture"), file))
                picturesLoaded.append(file);
            return ReportValue();
        }
        if (key == QLatin1String("_EVAL"))
            return ReportValue::fromExpr(services.evaluate(args.value(0).toString()));
        return std::nullopt;
    }

    kv::DrawRoutine drawing(const QString &) override
    {
        const FakePos *p = currentPos();
        if (!p || !p->drawable)
            return {};
        const int no = p->no;
        return [this, no](QPainter &painter, const QRectF &rect) {
            drawnPositions.push_back(no);
            drawnRects.push_back(painter.transform().mapRect(rect)); // on the device
            // A window: frame, sash and the opening marks, plus the number.
            const double w = rect.width(), h = rect.height();
            QPen pen(QColor(0, 0, 160));
            pen.setWidthF(w / 150);
            painter.setPen(pen);
            painter.setBrush(QColor(220, 235, 255));
            painter.drawRect(rect.adjusted(w * 0.05, h * 0.05, -w * 0.05, -h * 0.05));
            painter.setBrush(Qt::NoBrush);
            const QRectF sash = rect.adjusted(w * 0.12, h * 0.12, -w * 0.12, -h * 0.12);
            painter.drawRect(sash);
            painter.drawLine(sash.topLeft(), QPointF(sash.right(), sash.center().y()));
            painter.drawLine(sash.bottomLeft(), QPointF(sash.right(), sash.center().y()));
            if (!drawCaption)
                return;
            QFont font(QStringLiteral("DejaVu Sans"));
            font.setPixelSize(std::max(1, int(h / 12)));
            painter.setFont(font);
            painter.drawText(rect, Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("ЧЕРТЕЖ %1").arg(no));
        };
    }

private:
    FakeCursor m_pos, m_comp, m_item, m_mat;
};

// The order most tests use: two positions, the second with an empty
// composition, and a three-line material list.
inline void fillDemoOrder(FakeOrderData &d)
{
    d.order.insert(QStringLiteral("_ORDER_NO"), ReportValue::text(QStringLiteral("2024-117")));
    d.order.insert(QStringLiteral("_ORDER_CUSTOMER"), ReportValue::text(QStringLiteral("ООО \"Рога & копыта\" <опт>")));
    d.order.insert(QStringLiteral("_ORDER_DATE"), ReportValue::date(QDate(2024, 3, 5)));
    d.order.insert(QStringLiteral("_ORDER_TOTAL"), ReportValue::money(kv::Money::fromRaw(12345678950)));
    d.order.insert(QStringLiteral("_ORDER_NDSTAX"), ReportValue::real(18.5));
    d.order.insert(QStringLiteral("_ORDER_GETTOTALNDS"), ReportValue::boolean(true));
    d.order.insert(QStringLiteral("_ORDER_PRICEGROUPNO"), ReportValue::integer(12345));
    d.order.insert(QStringLiteral("_ORDER_REMARK"), ReportValue::text(QStringLiteral("первая строка\r\nвторая строка")));
    d.positions = {
        {1, QStringLiteral("Окно кухня"), 2,
         {{QStringLiteral("Основной"), {{QStringLiteral("A-10"), 2, 1200.5}, {QStringLiteral("B-20"), 1, 0}}},
          {QStringLiteral("Второй"), {{QStringLiteral("C-30"), 4, 0}}}}},
        {2, QStringLiteral("Балконная дверь"), 1, {{QStringLiteral("Пустой"), {}}}, false},
    };
    d.orderMaterials = {
        {QStringLiteral("M-3"), QStringLiteral("Петля верхняя"), 2, kv::Money::fromUnits(150)},
        {QStringLiteral("M-1"), QStringLiteral("Ручка; белая"), 1, kv::Money::fromRaw(4995000)},
        {QStringLiteral("M-2"), QStringLiteral("Запор \"угловой\""), 4, kv::Money::fromUnits(1000)},
    };
}

} // namespace kvtest
