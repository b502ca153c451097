-- Demo fittings documentation of the invented hardware maker «Зевранд»
-- (every maker, product, profile system and firm name here is invented).
-- Reference data: colours, currencies, price groups, materials, systems, properties, rebate/dorn/stulp/opening codes.
-- Load after the catalogue schema; files are meant to run in name order.

-- Colours: cover colours (SL..AN) and profile colours (WH, AN, ZD, OR).
INSERT INTO COLORSET (Color, Name) VALUES ('SL', 'Серебро');
INSERT INTO COLORSET (Color, Name) VALUES ('WH', 'Белый RAL 9016');
INSERT INTO COLORSET (Color, Name) VALUES ('BR', 'Коричневый RAL 8017');
INSERT INTO COLORSET (Color, Name) VALUES ('TI', 'Титан');
INSERT INTO COLORSET (Color, Name) VALUES ('GD', 'Золото матовое');
INSERT INTO COLORSET (Color, Name) VALUES ('AN', 'Антрацит RAL 7016');
INSERT INTO COLORSET (Color, Name) VALUES ('ZD', 'Золотой дуб (ламинация)');
INSERT INTO COLORSET (Color, Name) VALUES ('OR', 'Орех (ламинация)');

-- Currencies: the rouble is the base (rate 1); word forms for amounts in words.
-- Gender: 0 masculine, 1 feminine, 2 neuter.
INSERT INTO Currency (ID, Name, Value, Dec, Nominative, Genitive, GenitivePlural, Gender, DecNominative, DecGenitive, DecGenitivePlural, DecGender) VALUES (1, 'руб.', 1.0, 2, 'рубль', 'рубля', 'рублей', 0, 'копейка', 'копейки', 'копеек', 1);
INSERT INTO Currency (ID, Name, Value, Dec, Nominative, Genitive, GenitivePlural, Gender, DecNominative, DecGenitive, DecGenitivePlural, DecGender) VALUES (2, 'EUR', 98.45, 2, 'евро', 'евро', 'евро', 2, 'евроцент', 'евроцента', 'евроцентов', 0);
INSERT INTO Currency (ID, Name, Value, Dec, Nominative, Genitive, GenitivePlural, Gender, DecNominative, DecGenitive, DecGenitivePlural, DecGender) VALUES (3, 'USD', 91.3, 2, 'доллар США', 'доллара США', 'долларов США', 0, 'цент', 'цента', 'центов', 0);

-- Price groups: Reduce_1 is the surcharge (+) or discount (-) in percent that pricing applies.
INSERT INTO PriceGrp (GroupID, Name, Reduce_1, Reduce_2, Reduce_3, Reduce_4, Reduce_5) VALUES (1, 'Ручки и накладки', 12.0, 8.0, 5.0, 0.0, 15.0);
INSERT INTO PriceGrp (GroupID, Name, Reduce_1, Reduce_2, Reduce_3, Reduce_4, Reduce_5) VALUES (2, 'Двери: акция', -7.5, -10.0, -12.5, -5.0, 0.0);
INSERT INTO PriceGrp (GroupID, Name, Reduce_1, Reduce_2, Reduce_3, Reduce_4, Reduce_5) VALUES (3, 'Крепёж', 0.0, 0.0, 0.0, 0.0, 0.0);

-- Materials (ID 0 means "any" and is hidden from the list).
INSERT INTO Material (ID, Name) VALUES (0, 'Любой');
INSERT INTO Material (ID, Name) VALUES (1, 'ПВХ');
INSERT INTO Material (ID, Name) VALUES (2, 'Дерево');
INSERT INTO Material (ID, Name) VALUES (3, 'Алюминий');

-- Fittings systems: numeric IDs; CommonGrp is the system group (2101 and 2102 share the group 2100).
INSERT INTO SysList (ID, "Group", Name, ShortName, Use, CommonGrp, BaseColor) VALUES ('2101', 1, 'Зевранд Орбита, поворотно-откидная', 'Орбита', 1, 2101, 'SL');
INSERT INTO SysList (ID, "Group", Name, ShortName, Use, CommonGrp, BaseColor) VALUES ('2102', 1, 'Зевранд Орбита-Эконом, поворотно-откидная', 'Орбита-Эконом', 1, 2102, 'SL');
INSERT INTO SysList (ID, "Group", Name, ShortName, Use, CommonGrp, BaseColor) VALUES ('2201', 1, 'Зевранд Портал, дверная фурнитура', 'Портал', 1, 2201, 'SL');
INSERT INTO SysList (ID, "Group", Name, ShortName, Use, CommonGrp, BaseColor) VALUES ('2103', 1, 'Зевранд Орбита-Слайд (снята с поставки)', 'Орбита-Слайд', 0, 2103, 'SL');

-- Cover colours per system (Article: the maker's colour code).
INSERT INTO SysColor (ID, System, Article) VALUES ('SL', '2101', 'F1');
INSERT INTO SysColor (ID, System, Article) VALUES ('WH', '2101', 'RAL9016');
INSERT INTO SysColor (ID, System, Article) VALUES ('BR', '2101', 'RAL8017');
INSERT INTO SysColor (ID, System, Article) VALUES ('TI', '2101', 'F9');
INSERT INTO SysColor (ID, System, Article) VALUES ('GD', '2101', 'F4');
INSERT INTO SysColor (ID, System, Article) VALUES ('SL', '2102', 'F1');
INSERT INTO SysColor (ID, System, Article) VALUES ('WH', '2102', 'RAL9016');
INSERT INTO SysColor (ID, System, Article) VALUES ('BR', '2102', 'RAL8017');
INSERT INTO SysColor (ID, System, Article) VALUES ('SL', '2201', 'F1');
INSERT INTO SysColor (ID, System, Article) VALUES ('WH', '2201', 'RAL9016');
INSERT INTO SysColor (ID, System, Article) VALUES ('BR', '2201', 'RAL8017');
INSERT INTO SysColor (ID, System, Article) VALUES ('TI', '2201', 'F9');
INSERT INTO SysColor (ID, System, Article) VALUES ('AN', '2201', 'RAL7016');
INSERT INTO SysColor (ID, System, Article) VALUES ('SL', '2103', 'F1');

-- Strike-plate (profile) systems; FurnSysID is the system group they belong to.
INSERT INTO SysProf (SchlSysID, FurnSysID, Name) VALUES ('AR70', '2100', 'Ардена 70, паз 13 мм, ось 9 мм');
INSERT INTO SysProf (SchlSysID, FurnSysID, Name) VALUES ('AR58', '2100', 'Ардена 58, паз 13 мм, ось 9 мм');
INSERT INTO SysProf (SchlSysID, FurnSysID, Name) VALUES ('NV76', '2100', 'Норвейл 76, паз 16 мм, ось 13 мм');
INSERT INTO SysProf (SchlSysID, FurnSysID, Name) VALUES ('BR68', '2100', 'Брус деревянный 68 мм, ось 13 мм');
INSERT INTO SysProf (SchlSysID, FurnSysID, Name) VALUES ('AR70D', '2200', 'Ардена 70 дверной, ось 13 мм');

-- Property values: ID div 10 x 10 is the property group.
INSERT INTO SysProp (ID, GroupName, ValueName, Printable, Use, PrintName) VALUES (111, 'Противовзломность', 'Базовая', 1, 1, 'Противовзломность: Базовая');
INSERT INTO SysProp (ID, GroupName, ValueName, Printable, Use, PrintName) VALUES (112, 'Противовзломность', 'RC1', 1, 1, 'Противовзломность: RC1');
INSERT INTO SysProp (ID, GroupName, ValueName, Printable, Use, PrintName) VALUES (113, 'Противовзломность', 'RC2', 1, 1, 'Противовзломность: RC2');
INSERT INTO SysProp (ID, GroupName, ValueName, Printable, Use, PrintName) VALUES (121, 'Микролифт', 'Без микролифта', 1, 1, 'Микролифт: Без микролифта');
INSERT INTO SysProp (ID, GroupName, ValueName, Printable, Use, PrintName) VALUES (122, 'Микролифт', 'С микролифтом', 1, 1, 'Микролифт: С микролифтом');
INSERT INTO SysProp (ID, GroupName, ValueName, Printable, Use, PrintName) VALUES (131, 'Щелевое проветривание', 'Нет', 1, 1, 'Щелевое проветривание: Нет');
INSERT INTO SysProp (ID, GroupName, ValueName, Printable, Use, PrintName) VALUES (132, 'Щелевое проветривание', 'Да', 1, 1, 'Щелевое проветривание: Да');
INSERT INTO SysProp (ID, GroupName, ValueName, Printable, Use, PrintName) VALUES (211, 'Исполнение ручки', 'Стандартная', 1, 1, 'Исполнение ручки: Стандартная');
INSERT INTO SysProp (ID, GroupName, ValueName, Printable, Use, PrintName) VALUES (212, 'Исполнение ручки', 'С ключом', 1, 1, 'Исполнение ручки: С ключом');
INSERT INTO SysProp (ID, GroupName, ValueName, Printable, Use, PrintName) VALUES (213, 'Исполнение ручки', 'С кнопкой', 1, 1, 'Исполнение ручки: С кнопкой');
INSERT INTO SysProp (ID, GroupName, ValueName, Printable, Use, PrintName) VALUES (311, 'Нагрузка на петли', 'до 100 кг', 1, 1, 'Нагрузка на петли: до 100 кг');
INSERT INTO SysProp (ID, GroupName, ValueName, Printable, Use, PrintName) VALUES (312, 'Нагрузка на петли', 'до 130 кг', 1, 1, 'Нагрузка на петли: до 130 кг');
INSERT INTO SysProp (ID, GroupName, ValueName, Printable, Use, PrintName) VALUES (321, 'Накладки на петли', 'С накладками', 1, 1, 'Накладки на петли: С накладками');
INSERT INTO SysProp (ID, GroupName, ValueName, Printable, Use, PrintName) VALUES (322, 'Накладки на петли', 'Без накладок', 1, 1, 'Накладки на петли: Без накладок');
INSERT INTO SysProp (ID, GroupName, ValueName, Printable, Use, PrintName) VALUES (411, 'Запирание', 'Цапфы', 1, 1, 'Запирание: Цапфы');
INSERT INTO SysProp (ID, GroupName, ValueName, Printable, Use, PrintName) VALUES (412, 'Запирание', 'Крюки', 1, 1, 'Запирание: Крюки');
INSERT INTO SysProp (ID, GroupName, ValueName, Printable, Use, PrintName) VALUES (451, 'Ключей в комплекте', '3 ключа', 1, 1, 'Ключей в комплекте: 3 ключа');
INSERT INTO SysProp (ID, GroupName, ValueName, Printable, Use, PrintName) VALUES (452, 'Ключей в комплекте', '5 ключей', 1, 1, 'Ключей в комплекте: 5 ключей');
INSERT INTO SysProp (ID, GroupName, ValueName, Printable, Use, PrintName) VALUES (511, 'Порог', 'Низкий алюминиевый', 1, 1, 'Порог: Низкий алюминиевый');
INSERT INTO SysProp (ID, GroupName, ValueName, Printable, Use, PrintName) VALUES (512, 'Порог', 'Стандартный', 1, 1, 'Порог: Стандартный');
INSERT INTO SysProp (ID, GroupName, ValueName, Printable, Use, PrintName) VALUES (521, 'Межосевое расстояние PZ', '85 мм', 1, 1, 'Межосевое расстояние PZ: 85 мм');
INSERT INTO SysProp (ID, GroupName, ValueName, Printable, Use, PrintName) VALUES (522, 'Межосевое расстояние PZ', '92 мм', 1, 1, 'Межосевое расстояние PZ: 92 мм');

-- Rebate parameters 100-199: air gap / overlap - groove axis.
INSERT INTO ParamList (ID, "Group", Name, FalzLuft, FalzSize, FalzPos) VALUES (101, 1, '12/20-9 ПВХ, ось 9 мм', 12, 20, 9);
INSERT INTO ParamList (ID, "Group", Name, FalzLuft, FalzSize, FalzPos) VALUES (102, 1, '12/18-13 ПВХ, ось 13 мм', 12, 18, 13);
INSERT INTO ParamList (ID, "Group", Name, FalzLuft, FalzSize, FalzPos) VALUES (103, 1, '4/18-13 дерево, ось 13 мм', 4, 18, 13);
-- Dorn (backset) sizes 200-299.
INSERT INTO ParamList (ID, "Group", Name, DornMass) VALUES (201, 2, 'Дорнмасс 15 мм', 15.0);
INSERT INTO ParamList (ID, "Group", Name, DornMass) VALUES (202, 2, 'Дорнмасс 25 мм', 25.0);
INSERT INTO ParamList (ID, "Group", Name, DornMass) VALUES (203, 2, 'Дорнмасс 30 мм', 30.0);
INSERT INTO ParamList (ID, "Group", Name, DornMass) VALUES (204, 2, 'Дорнмасс 35 мм', 35.0);
INSERT INTO ParamList (ID, "Group", Name, DornMass) VALUES (205, 2, 'Дорнмасс 45 мм', 45.0);
-- Stulp types 300-399: StulpType is the stulp kind the documentation tests (6 is a single sash).
INSERT INTO ParamList (ID, "Group", Name, StulpType) VALUES (301, 3, 'ПВХ-штульп', 2);
INSERT INTO ParamList (ID, "Group", Name, StulpType) VALUES (302, 3, 'Алюминиевый штульп', 3);
INSERT INTO ParamList (ID, "Group", Name, StulpType) VALUES (303, 3, 'Подвижный импост', 4);
-- Sash opening types 400-499: OpenType 0 inward, 1 outward, 2 T-shaped sash.
INSERT INTO ParamList (ID, "Group", Name, OpenType) VALUES (401, 4, 'Внутреннее открывание', 0);
INSERT INTO ParamList (ID, "Group", Name, OpenType) VALUES (402, 4, 'Наружное открывание', 1);
INSERT INTO ParamList (ID, "Group", Name, OpenType) VALUES (403, 4, 'Т-образная створка', 2);
