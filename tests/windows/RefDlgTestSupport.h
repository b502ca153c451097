#pragma once
// Fixtures of the reference dialog tests: a catalogue with a few currencies,
// price groups and articles as a window shop has them, and a settings object
// that never touches a settings file.
#include "WindowsTestSupport.h"
#include "support/CatalogFixture.h"
#include "core/Globals.h"
#include "core/RecClipBoard.h"
#include "core/Setup.h"

#include <gtest/gtest.h>

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>

namespace kvtest {

inline const char *ShopCatalogSql = R"sql(
insert into Currency(ID, Name, Value, Dec) values
  (1, 'руб', 1, 2), (2, 'EUR', 98.45, 2), (3, 'USD', 91.2, 2);
insert into PriceGrp(GroupID, Name, Reduce_1, Reduce_2) values
  (1, 'Фурнитура', 5, 7), (2, 'Ручки', -3, 0), (3, 'Уплотнители', 12.5, 0), (4, 'Петли', 0, 2);
insert into Catalog(ID, Article, ProdArticle, ProdArticle2, Name, Unit, Price, Currency, PriceGrp, Virtual) values
  ('K-1001', 'KV-1001', '210-334', '', 'Угловой переключатель', 'шт', 4.35, 2, 1, 0),
  ('K-1002', 'KV-1002', '210-600', '77.600', 'Ножницы 600 мм', 'шт', 11.9, 2, 1, 0),
  ('K-1003', 'KV-1003', '210-800', '', 'Средний запор 800 мм', 'шт', 7.25, 2, 1, 0),
  ('K-1004', 'KV-1004', '315-011', '', 'Петля нижняя на раму', 'шт', 3.8, 2, 4, 0),
  ('K-1005', 'KV-1005', '315-012', '', 'Декоративная накладка на петлю, белая', 'шт', 0.42, 2, 4, 0),
  ('K-1006', 'KV-1006', '400-W', '400-01', 'Ручка оконная, белая', 'шт', 310, 1, 2, 0),
  ('K-1007', 'KV-1007', '400-B', '400-02', 'Ручка оконная, коричневая', 'шт', 335, 1, 2, 0),
  ('K-1008', 'KV-1008', '520-30', '', 'Цилиндр 30/30', 'шт', 14.6, 3, 1, 0),
  ('K-1009', 'KV-1009', 'EPDM-9', '', 'Уплотнитель EPDM черный', 'м', 38.5, 1, 3, 0),
  ('K-1010', 'KV-1010', '', '', 'Комплект монтажный (условный)', 'компл', 0, 1, 0, 1),
  ('K-1011', 'KV-1011', '610-14', '', 'Запорная цапфа регулируемая', 'шт', 0.95, 2, 1, 0),
  ('K-1012', 'KV-1012', '610-20', '', 'Ответная планка поворотная', 'шт', 1.15, 2, 1, 0);
)sql";

// A catalogue configuration with the shop's data, tables opened.
struct ShopCatalog : CatalogFixture
{
    ShopCatalog()
    {
        sql(QString::fromUtf8(ShopCatalogSql));
        EXPECT_TRUE(dm.OpenCatalogTables());
    }
    // The program's record clipboard must not keep copies of these tables.
    ~ShopCatalog() { kv::RecClipBoard().Clear(); }

    // What the database holds, read past the table objects: one line per
    // row, the cells separated by "|".
    QStringList stored(const QString &select)
    {
        QSqlQuery q(QSqlDatabase::database(dm.connectionName(kv::DatabaseKind::Catalog)));
        EXPECT_TRUE(q.exec(select)) << select.toStdString();
        QStringList rows;
        while (q.next()) {
            QStringList cells;
            for (int i = 0; i < q.record().count(); ++i)
                cells << q.value(i).toString();
            rows << cells.join(QLatin1Char('|'));
        }
        return rows;
    }
};

// A settings object without a settings file: nothing of it is ever stored.
struct DetachedSetup
{
    DetachedSetup() { kv::SettingsFile.clear(); }
    kv::TkvfSetup setup;
};

} // namespace kvtest
