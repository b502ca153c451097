-- Demo fittings documentation of the invented hardware maker «Зевранд»
-- (every maker, product, profile system and firm name here is invented).
-- Elements, their articles and composite elements.
-- Load after the catalogue schema; files are meant to run in name order.

-- Elements with their test flags; CommonGrp on strike-plate elements is the system-group test.
INSERT INTO FrnItem (ID, Name, HasDornMass, HasFalzPos) VALUES ('ZV-PRIVOD', 'Привод поворотно-откидной, фиксированное положение ручки', 1, 1);
INSERT INTO FrnItem (ID, Name, HasDornMass, HasFalzPos) VALUES ('ZV-PRIVOD-C', 'Привод поворотный, постоянная середина', 1, 1);
INSERT INTO FrnItem (ID, Name, HasDornMass) VALUES ('ZV-PRIVOD-G', 'Привод горизонтальный откидной створки', 1);
INSERT INTO FrnItem (ID, Name, HasDornMass) VALUES ('ZV-PRIVOD-P', 'Привод поворотный, фиксированное положение ручки', 1);
INSERT INTO FrnItem (ID, Name, CheckStulpType) VALUES ('ZV-PRIVOD-SHT', 'Механизм штульповый с рычагом', 1);
INSERT INTO FrnItem (ID, Name, HasFalzLuft) VALUES ('ZV-UGOL', 'Угловой переключатель', 1);
INSERT INTO FrnItem (ID, Name) VALUES ('ZV-UGOL-A', 'Угловой переключатель для непрямого угла');
INSERT INTO FrnItem (ID, Name, CheckDirect) VALUES ('ZV-NOZH', 'Ножницы поворотно-откидные', 1);
INSERT INTO FrnItem (ID, Name, CheckDirect) VALUES ('ZV-NOZH-A', 'Ножницы арочные', 1);
INSERT INTO FrnItem (ID, Name) VALUES ('ZV-NOZH-O', 'Ножницы откидной створки (пара)');
INSERT INTO FrnItem (ID, Name) VALUES ('ZV-ZAPOR-V', 'Запор средний верхний');
INSERT INTO FrnItem (ID, Name) VALUES ('ZV-ZAPOR-B', 'Запор средний боковой');
INSERT INTO FrnItem (ID, Name) VALUES ('ZV-ZAPOR-N', 'Запор средний нижний');
INSERT INTO FrnItem (ID, Name) VALUES ('ZV-ZAPOR-SHT', 'Запор средний штульповой стороны');
INSERT INTO FrnItem (ID, Name) VALUES ('ZV-ZAPOR-SHT2', 'Запор штульповой стороны дополнительный');
INSERT INTO FrnItem (ID, Name) VALUES ('ZV-ZAPOR-IMP', 'Запор для подвижного импоста');
INSERT INTO FrnItem (ID, Name) VALUES ('ZV-ZAPOR-KOS', 'Запор средний наклонной стороны');
INSERT INTO FrnItem (ID, Name) VALUES ('ZV-ZAPOR-DUGA', 'Запор средний дуговой');
INSERT INTO FrnItem (ID, Name) VALUES ('ZV-PRIZHIM', 'Прижим средний петлевой стороны');
INSERT INTO FrnItem (ID, Name) VALUES ('ZV-CAPFA-RC', 'Цапфа грибковая противовзломная');
INSERT INTO FrnItem (ID, Name) VALUES ('ZV-BLOK-SHT', 'Блокиратор штульповой створки');
INSERT INTO FrnItem (ID, Name) VALUES ('ZV-MIKRO', 'Микролифт');
INSERT INTO FrnItem (ID, Name) VALUES ('ZV-SHPR', 'Фиксатор щелевого проветривания');
INSERT INTO FrnItem (ID, Name) VALUES ('ZV-PETLYA-SR', 'Петля средняя');
INSERT INTO FrnItem (ID, Name) VALUES ('ZV-PETLYA-O', 'Петля откидной створки');
INSERT INTO FrnItem (ID, Name) VALUES ('ZV-PETLYA-SHT', 'Петля промежуточная штульповой створки');
INSERT INTO FrnItem (ID, Name) VALUES ('ZV-UPOR-DUGA', 'Опора дуговой тяги');
INSERT INTO FrnItem (ID, Name) VALUES ('ZV-TYAGA-P', 'Тяга петлевой стороны');
INSERT INTO FrnItem (ID, Name) VALUES ('ZV-TYAGA-V', 'Тяга верхняя');
INSERT INTO FrnItem (ID, Name) VALUES ('ZV-TYAGA-R', 'Тяга привода нижняя');
INSERT INTO FrnItem (ID, Name) VALUES ('ZV-TYAGA-KOS', 'Тяга наклонной стороны');
INSERT INTO FrnItem (ID, Name) VALUES ('ZV-TYAGA-DUGA', 'Тяга дуговая (сегментная арка)');
INSERT INTO FrnItem (ID, Name) VALUES ('ZV-TYAGA-POLU', 'Тяга дуговая (полуциркульная арка)');
INSERT INTO FrnItem (ID, Name) VALUES ('ZV-SHPING-UDL', 'Удлинитель торцевого шпингалета');
INSERT INTO FrnItem (ID, Name, HasFalzLuft) VALUES ('ZV-BLOK', 'Блокиратор ошибочного открывания', 1);
INSERT INTO FrnItem (ID, Name, HasFalzLuft, CheckDirect) VALUES ('ZV-PETLYA-U', 'Петля угловая до 100 кг', 1, 1);
INSERT INTO FrnItem (ID, Name, HasFalzLuft, CheckDirect) VALUES ('ZV-PETLYA-U130', 'Петля угловая до 130 кг', 1, 1);
INSERT INTO FrnItem (ID, Name, HasFalzSize, CheckDirect) VALUES ('ZV-PETLYA-N', 'Петля ножничная', 1, 1);
INSERT INTO FrnItem (ID, Name, HasFalzSize) VALUES ('ZV-PODKL', 'Подкладка под петлю', 1);
INSERT INTO FrnItem (ID, Name, CheckWeight, CheckDirect) VALUES ('ZV-PETLYA-SKR-N', 'Петля скрытая нижняя', 1, 1);
INSERT INTO FrnItem (ID, Name, CheckWeight) VALUES ('ZV-PETLYA-SKR-V', 'Петля скрытая верхняя', 1);
INSERT INTO FrnItem (ID, Name, HasColor) VALUES ('ZV-NAKL-PETL', 'Колпачок петли (цвет по стороне открывания)', 1);
INSERT INTO FrnItem (ID, Name, HasColor) VALUES ('ZV-NAKL-UGOL', 'Накладка угловой петли внутренняя', 1);
INSERT INTO FrnItem (ID, Name, HasColor) VALUES ('ZV-NAKL-SHT', 'Накладка штульпа наружная', 1);
INSERT INTO FrnItem (ID, Name, HasColor) VALUES ('ZV-RUCHKA', 'Ручка оконная', 1);
INSERT INTO FrnItem (ID, Name, HasColor) VALUES ('ZV-RUCHKA-KL', 'Ручка оконная с ключом', 1);
INSERT INTO FrnItem (ID, Name, HasColor) VALUES ('ZV-RUCHKA-KN', 'Ручка оконная с кнопкой', 1);
INSERT INTO FrnItem (ID, Name, HasColor) VALUES ('ZV-RUCHKA-E', 'Ручка оконная «Эконом»', 1);
INSERT INTO FrnItem (ID, Name, HasColor) VALUES ('ZV-RUCHKA-B', 'Ручка балконная (ракушка)', 1);
INSERT INTO FrnItem (ID, Name, CheckProfWidth) VALUES ('ZV-SHTIFT', 'Штифт ручки', 1);
INSERT INTO FrnItem (ID, Name, CheckStulpType) VALUES ('ZV-SHPING-T', 'Шпингалет торцевой (пара)', 1);
INSERT INTO FrnItem (ID, Name) VALUES ('ZV-BLOK-KL', 'Замок-блокиратор оконный с ключом');
INSERT INTO FrnItem (ID, Name) VALUES ('ZV-ZASCH-B', 'Защёлка балконная');
INSERT INTO FrnItem (ID, Name) VALUES ('ZV-FRAM', 'Механизм фрамужный (набор)');
INSERT INTO FrnItem (ID, Name) VALUES ('ZV-FRAM-MECH', 'Механизм фрамужный верхний');
INSERT INTO FrnItem (ID, Name) VALUES ('ZV-FRAM-TYAGA', 'Тяга фрамужная');
INSERT INTO FrnItem (ID, Name, HasColor) VALUES ('ZV-FRAM-RUCH', 'Ручка фрамужного механизма', 1);
INSERT INTO FrnItem (ID, Name) VALUES ('ZV-PAKET-RC2', 'Пакет противовзлома RC2');
INSERT INTO FrnItem (ID, Name, Virtual) VALUES ('ZV-KOMPL-PETLI', 'Петлевая группа (набор)', 1);
INSERT INTO FrnItem (ID, Name, Virtual) VALUES ('ZV-KOMPL-DPETLI', 'Петлевая группа двери (набор)', 1);
INSERT INTO FrnItem (ID, Name) VALUES ('ZV-OGR', 'Ограничитель открывания');
INSERT INTO FrnItem (ID, Name, HasProfSys, CommonGrp) VALUES ('ZV-PL-ZAP', 'Планка запорная «Орбита»', 1, 2101);
INSERT INTO FrnItem (ID, Name, HasProfSys, CommonGrp) VALUES ('ZV-PL-ZAP-E', 'Планка запорная «Эконом»', 1, 2102);
INSERT INTO FrnItem (ID, Name, HasProfSys, CommonGrp) VALUES ('ZV-PL-POV', 'Планка поворотная', 1, 2100);
INSERT INTO FrnItem (ID, Name, HasProfSys) VALUES ('ZV-PL-MIKRO', 'Планка микролифта', 1);
INSERT INTO FrnItem (ID, Name, HasProfSys, CommonGrp) VALUES ('ZV-PL-RC', 'Планка противовзломная', 1, 2100);
INSERT INTO FrnItem (ID, Name, HasProfSys, CommonGrp) VALUES ('ZV-PL-BLOK-1', 'Планка блокиратора для левой стороны рамы', 1, 2100);
INSERT INTO FrnItem (ID, Name, HasProfSys, CommonGrp) VALUES ('ZV-PL-BLOK-3', 'Планка блокиратора для правой стороны рамы', 1, 2100);
INSERT INTO FrnItem (ID, Name, HasProfSys, CommonGrp) VALUES ('ZV-PL-NOZH', 'Планка ножничная', 1, 2100);
INSERT INTO FrnItem (ID, Name, HasProfSys, CommonGrp) VALUES ('ZV-PL-SHPING', 'Планка шпингалета', 1, 2100);
INSERT INTO FrnItem (ID, Name, HasProfSys) VALUES ('ZV-PL-ZASCH-B', 'Планка балконной защёлки', 1);
INSERT INTO FrnItem (ID, Name, CheckStulpType, CommonGrp) VALUES ('ZV-PL-SHT-Z', 'Планка штульповая запорная', 1, 2100);
INSERT INTO FrnItem (ID, Name, CommonGrp) VALUES ('ZV-PL-SHPING-AL', 'Планка шпингалета для алюминиевого штульпа', 2100);
INSERT INTO FrnItem (ID, Name, CommonGrp) VALUES ('ZV-PL-SHT-M', 'Планка микролифта на штульпе', 2100);
INSERT INTO FrnItem (ID, Name, HasDornMass) VALUES ('ZV-ZAMOK-MZ', 'Замок дверной многозапорный, цапфы', 1);
INSERT INTO FrnItem (ID, Name, HasDornMass) VALUES ('ZV-ZAMOK-MZK', 'Замок дверной многозапорный, крюки', 1);
INSERT INTO FrnItem (ID, Name, HasDornMass) VALUES ('ZV-ZAMOK-R', 'Замок дверной с защёлкой под розетки', 1);
INSERT INTO FrnItem (ID, Name, HasDornMass) VALUES ('ZV-ZAMOK-WC', 'Замок дверной санузловый', 1);
INSERT INTO FrnItem (ID, Name, HasColor, CheckDirect) VALUES ('ZV-DPETLYA', 'Петля дверная 3D', 1, 1);
INSERT INTO FrnItem (ID, Name, CheckWeight) VALUES ('ZV-DPETLYA-SKR', 'Петля дверная скрытая', 1);
INSERT INTO FrnItem (ID, Name, HasColor) VALUES ('ZV-GARN-PL85', 'Гарнитур нажимной на планке PZ 85', 1);
INSERT INTO FrnItem (ID, Name, HasColor) VALUES ('ZV-GARN-PL92', 'Гарнитур нажимной на планке PZ 92', 1);
INSERT INTO FrnItem (ID, Name, HasColor) VALUES ('ZV-GARN-ROZ', 'Гарнитур нажимной на розетках', 1);
INSERT INTO FrnItem (ID, Name, HasColor) VALUES ('ZV-GARN-WC', 'Гарнитур санузловый с поворотником', 1);
INSERT INTO FrnItem (ID, Name, CheckWeight, HasColor) VALUES ('ZV-DOVOD', 'Доводчик дверной', 1, 1);
INSERT INTO FrnItem (ID, Name) VALUES ('ZV-DOVOD-PL', 'Монтажная пластина доводчика');
INSERT INTO FrnItem (ID, Name, CheckThickness) VALUES ('ZV-CIL-KK', 'Цилиндр ключ/ключ', 1);
INSERT INTO FrnItem (ID, Name, CheckThickness) VALUES ('ZV-CIL-KV', 'Цилиндр ключ/вертушка', 1);
INSERT INTO FrnItem (ID, Name) VALUES ('ZV-KLUCH', 'Ключ дополнительный');
INSERT INTO FrnItem (ID, Name) VALUES ('ZV-SHPING-DV', 'Шпингалет торцевой дверной');
INSERT INTO FrnItem (ID, Name) VALUES ('ZV-DV-UPOR', 'Ограничитель открывания двери');
INSERT INTO FrnItem (ID, Name) VALUES ('ZV-DV-POROG-N', 'Порог алюминиевый низкий');
INSERT INTO FrnItem (ID, Name) VALUES ('ZV-DV-POROG-S', 'Порог стандартный');
INSERT INTO FrnItem (ID, Name) VALUES ('ZV-DV-NAKL', 'Накладка притвора');
INSERT INTO FrnItem (ID, Name) VALUES ('ZV-ZAMOK-TYAGA', 'Тяга замка верхняя');
INSERT INTO FrnItem (ID, Name) VALUES ('ZV-ZAPOR-DV2', 'Запор штульповой стороны двери');
INSERT INTO FrnItem (ID, Name) VALUES ('ZV-DV-ZAPOR-V', 'Запор верхний дверной');
INSERT INTO FrnItem (ID, Name) VALUES ('ZV-DV-PRIZHIM', 'Прижим дверной петлевой стороны');
INSERT INTO FrnItem (ID, Name, HasProfSys, CommonGrp) VALUES ('ZV-PL-DV-RIG', 'Планка ригеля дверная', 1, 2200);
INSERT INTO FrnItem (ID, Name, HasProfSys, CommonGrp) VALUES ('ZV-PL-DV-ZASH', 'Планка защёлки дверная', 1, 2200);
INSERT INTO FrnItem (ID, Name, HasProfSys, CommonGrp) VALUES ('ZV-PL-DV-CAPF', 'Планка цапфы дверная', 1, 2200);
INSERT INTO FrnItem (ID, Name, HasProfSys, CommonGrp) VALUES ('ZV-PL-DV-KR', 'Планка крюка дверная', 1, 2200);
INSERT INTO FrnItem (ID, Name, CommonGrp) VALUES ('ZV-PL-DV-SHT', 'Планка запорная на пассивной створке', 2200);
INSERT INTO FrnItem (ID, Name, CommonGrp) VALUES ('ZV-PL-DV-SHPING', 'Планка дверного шпингалета', 2200);

-- Articles per element with the ranges and attributes for which each is valid.

INSERT INTO FrnArt (ID, CatalogID, FFHMin, FFHMax, HandleHeight, DornMassMin, DornMassMax, FalzPos) VALUES ('ZV-PRIVOD', 'ZV110409', 40, 59, 250, 15.0, 15.0, 9);
INSERT INTO FrnArt (ID, CatalogID, FFHMin, FFHMax, HandleHeight, DornMassMin, DornMassMax, FalzPos) VALUES ('ZV-PRIVOD', 'ZV110609', 60, 79, 350, 15.0, 15.0, 9);
INSERT INTO FrnArt (ID, CatalogID, FFHMin, FFHMax, HandleHeight, DornMassMin, DornMassMax, FalzPos) VALUES ('ZV-PRIVOD', 'ZV110809', 80, 119, 500, 15.0, 15.0, 9);
INSERT INTO FrnArt (ID, CatalogID, FFHMin, FFHMax, HandleHeight, DornMassMin, DornMassMax, FalzPos) VALUES ('ZV-PRIVOD', 'ZV111209', 120, 159, 700, 15.0, 15.0, 9);
INSERT INTO FrnArt (ID, CatalogID, FFHMin, FFHMax, HandleHeight, DornMassMin, DornMassMax, FalzPos) VALUES ('ZV-PRIVOD', 'ZV111609', 160, 240, 1000, 15.0, 15.0, 9);
INSERT INTO FrnArt (ID, CatalogID, FFHMin, FFHMax, HandleHeight, DornMassMin, DornMassMax, FalzPos) VALUES ('ZV-PRIVOD', 'ZV110413', 40, 59, 250, 15.0, 15.0, 13);
INSERT INTO FrnArt (ID, CatalogID, FFHMin, FFHMax, HandleHeight, DornMassMin, DornMassMax, FalzPos) VALUES ('ZV-PRIVOD', 'ZV110613', 60, 79, 350, 15.0, 15.0, 13);
INSERT INTO FrnArt (ID, CatalogID, FFHMin, FFHMax, HandleHeight, DornMassMin, DornMassMax, FalzPos) VALUES ('ZV-PRIVOD', 'ZV110813', 80, 119, 500, 15.0, 15.0, 13);
INSERT INTO FrnArt (ID, CatalogID, FFHMin, FFHMax, HandleHeight, DornMassMin, DornMassMax, FalzPos) VALUES ('ZV-PRIVOD', 'ZV111213', 120, 159, 700, 15.0, 15.0, 13);
INSERT INTO FrnArt (ID, CatalogID, FFHMin, FFHMax, HandleHeight, DornMassMin, DornMassMax, FalzPos) VALUES ('ZV-PRIVOD', 'ZV111613', 160, 240, 1000, 15.0, 15.0, 13);

INSERT INTO FrnArt (ID, CatalogID, FFL1Min, FFL1Max, DornMassMin, DornMassMax, FalzPos) VALUES ('ZV-PRIVOD-C', 'ZV120409', 400, 799, 15.0, 15.0, 9);
INSERT INTO FrnArt (ID, CatalogID, FFL1Min, FFL1Max, DornMassMin, DornMassMax, FalzPos) VALUES ('ZV-PRIVOD-C', 'ZV120809', 800, 1199, 15.0, 15.0, 9);
INSERT INTO FrnArt (ID, CatalogID, FFL1Min, FFL1Max, DornMassMin, DornMassMax, FalzPos) VALUES ('ZV-PRIVOD-C', 'ZV121209', 1200, 1799, 15.0, 15.0, 9);
INSERT INTO FrnArt (ID, CatalogID, FFL1Min, FFL1Max, DornMassMin, DornMassMax, FalzPos) VALUES ('ZV-PRIVOD-C', 'ZV121809', 1800, 2800, 15.0, 15.0, 9);
INSERT INTO FrnArt (ID, CatalogID, FFL1Min, FFL1Max, DornMassMin, DornMassMax, FalzPos) VALUES ('ZV-PRIVOD-C', 'ZV120413', 400, 799, 15.0, 15.0, 13);
INSERT INTO FrnArt (ID, CatalogID, FFL1Min, FFL1Max, DornMassMin, DornMassMax, FalzPos) VALUES ('ZV-PRIVOD-C', 'ZV120813', 800, 1199, 15.0, 15.0, 13);
INSERT INTO FrnArt (ID, CatalogID, FFL1Min, FFL1Max, DornMassMin, DornMassMax, FalzPos) VALUES ('ZV-PRIVOD-C', 'ZV121213', 1200, 1799, 15.0, 15.0, 13);
INSERT INTO FrnArt (ID, CatalogID, FFL1Min, FFL1Max, DornMassMin, DornMassMax, FalzPos) VALUES ('ZV-PRIVOD-C', 'ZV121813', 1800, 2800, 15.0, 15.0, 13);

INSERT INTO FrnArt (ID, CatalogID, FFBMin, FFBMax, HandleHeight, DornMassMin, DornMassMax) VALUES ('ZV-PRIVOD-G', 'ZV130100', 40, 59, 250, 15.0, 15.0);
INSERT INTO FrnArt (ID, CatalogID, FFBMin, FFBMax, HandleHeight, DornMassMin, DornMassMax) VALUES ('ZV-PRIVOD-G', 'ZV130200', 60, 79, 350, 15.0, 15.0);
INSERT INTO FrnArt (ID, CatalogID, FFBMin, FFBMax, HandleHeight, DornMassMin, DornMassMax) VALUES ('ZV-PRIVOD-G', 'ZV130300', 80, 160, 450, 15.0, 15.0);

INSERT INTO FrnArt (ID, CatalogID, FFHMin, FFHMax, HandleHeight, DornMassMin, DornMassMax) VALUES ('ZV-PRIVOD-P', 'ZV140100', 40, 79, 300, 15.0, 15.0);
INSERT INTO FrnArt (ID, CatalogID, FFHMin, FFHMax, HandleHeight, DornMassMin, DornMassMax) VALUES ('ZV-PRIVOD-P', 'ZV140200', 80, 159, 500, 15.0, 15.0);
INSERT INTO FrnArt (ID, CatalogID, FFHMin, FFHMax, HandleHeight, DornMassMin, DornMassMax) VALUES ('ZV-PRIVOD-P', 'ZV140300', 160, 240, 1000, 15.0, 15.0);

INSERT INTO FrnArt (ID, CatalogID, StulpType, FFHMin, FFHMax) VALUES ('ZV-PRIVOD-SHT', 'ZV152100', 2, 40, 119);
INSERT INTO FrnArt (ID, CatalogID, StulpType, FFHMin, FFHMax) VALUES ('ZV-PRIVOD-SHT', 'ZV152200', 2, 120, 240);
INSERT INTO FrnArt (ID, CatalogID, StulpType, FFHMin, FFHMax) VALUES ('ZV-PRIVOD-SHT', 'ZV153100', 3, 40, 119);
INSERT INTO FrnArt (ID, CatalogID, StulpType, FFHMin, FFHMax) VALUES ('ZV-PRIVOD-SHT', 'ZV153200', 3, 120, 240);
INSERT INTO FrnArt (ID, CatalogID, StulpType, FFHMin, FFHMax) VALUES ('ZV-PRIVOD-SHT', 'ZV154100', 4, 40, 119);
INSERT INTO FrnArt (ID, CatalogID, StulpType, FFHMin, FFHMax) VALUES ('ZV-PRIVOD-SHT', 'ZV154200', 4, 120, 240);

INSERT INTO FrnArt (ID, CatalogID, FalzLuft) VALUES ('ZV-UGOL', 'ZV200012', 12);
INSERT INTO FrnArt (ID, CatalogID, FalzLuft) VALUES ('ZV-UGOL', 'ZV200004', 4);

INSERT INTO FrnArt (ID, CatalogID, FFAMin, FFAMax) VALUES ('ZV-UGOL-A', 'ZV201020', 20.0, 59.99);
INSERT INTO FrnArt (ID, CatalogID, FFAMin, FFAMax) VALUES ('ZV-UGOL-A', 'ZV201060', 60.0, 89.5);
INSERT INTO FrnArt (ID, CatalogID, FFAMin, FFAMax) VALUES ('ZV-UGOL-A', 'ZV201090', 90.5, 134.99);
INSERT INTO FrnArt (ID, CatalogID, FFAMin, FFAMax) VALUES ('ZV-UGOL-A', 'ZV201135', 135.0, 180.0);

INSERT INTO FrnArt (ID, CatalogID, FFBMin, FFBMax, Direct) VALUES ('ZV-NOZH', 'ZV210100', 40, 59, 1);
INSERT INTO FrnArt (ID, CatalogID, FFBMin, FFBMax, Direct) VALUES ('ZV-NOZH', 'ZV210200', 40, 59, 2);
INSERT INTO FrnArt (ID, CatalogID, FFBMin, FFBMax, Direct) VALUES ('ZV-NOZH', 'ZV211100', 60, 79, 1);
INSERT INTO FrnArt (ID, CatalogID, FFBMin, FFBMax, Direct) VALUES ('ZV-NOZH', 'ZV211200', 60, 79, 2);
INSERT INTO FrnArt (ID, CatalogID, FFBMin, FFBMax, Direct) VALUES ('ZV-NOZH', 'ZV212100', 80, 119, 1);
INSERT INTO FrnArt (ID, CatalogID, FFBMin, FFBMax, Direct) VALUES ('ZV-NOZH', 'ZV212200', 80, 119, 2);
INSERT INTO FrnArt (ID, CatalogID, FFBMin, FFBMax, Direct) VALUES ('ZV-NOZH', 'ZV213100', 120, 160, 1);
INSERT INTO FrnArt (ID, CatalogID, FFBMin, FFBMax, Direct) VALUES ('ZV-NOZH', 'ZV213200', 120, 160, 2);

INSERT INTO FrnArt (ID, CatalogID, FFR1Min, FFR1Max, Direct) VALUES ('ZV-NOZH-A', 'ZV215010', 200, 999, 3);
INSERT INTO FrnArt (ID, CatalogID, FFR1Min, FFR1Max, Direct) VALUES ('ZV-NOZH-A', 'ZV215020', 1000, 1999, 3);
INSERT INTO FrnArt (ID, CatalogID, FFR1Min, FFR1Max, Direct) VALUES ('ZV-NOZH-A', 'ZV215030', 2000, 5000, 3);

INSERT INTO FrnArt (ID, CatalogID, FFHMin, FFHMax) VALUES ('ZV-NOZH-O', 'ZV216010', 30, 59);
INSERT INTO FrnArt (ID, CatalogID, FFHMin, FFHMax) VALUES ('ZV-NOZH-O', 'ZV216020', 60, 120);

INSERT INTO FrnArt (ID, CatalogID) VALUES ('ZV-ZAPOR-V', 'ZV220800');

INSERT INTO FrnArt (ID, CatalogID) VALUES ('ZV-ZAPOR-B', 'ZV220600');

INSERT INTO FrnArt (ID, CatalogID) VALUES ('ZV-ZAPOR-N', 'ZV220400');

INSERT INTO FrnArt (ID, CatalogID) VALUES ('ZV-ZAPOR-SHT', 'ZV220650');

INSERT INTO FrnArt (ID, CatalogID) VALUES ('ZV-ZAPOR-SHT2', 'ZV220660');

INSERT INTO FrnArt (ID, CatalogID) VALUES ('ZV-ZAPOR-IMP', 'ZV220670');

INSERT INTO FrnArt (ID, CatalogID) VALUES ('ZV-ZAPOR-KOS', 'ZV220700');

INSERT INTO FrnArt (ID, CatalogID) VALUES ('ZV-ZAPOR-DUGA', 'ZV220900');

INSERT INTO FrnArt (ID, CatalogID) VALUES ('ZV-PRIZHIM', 'ZV221000');

INSERT INTO FrnArt (ID, CatalogID) VALUES ('ZV-CAPFA-RC', 'ZV220950');

INSERT INTO FrnArt (ID, CatalogID) VALUES ('ZV-BLOK-SHT', 'ZV230100');

INSERT INTO FrnArt (ID, CatalogID) VALUES ('ZV-MIKRO', 'ZV240100');

INSERT INTO FrnArt (ID, CatalogID) VALUES ('ZV-SHPR', 'ZV240300');

INSERT INTO FrnArt (ID, CatalogID) VALUES ('ZV-PETLYA-SR', 'ZV263000');

INSERT INTO FrnArt (ID, CatalogID) VALUES ('ZV-PETLYA-O', 'ZV265000');

INSERT INTO FrnArt (ID, CatalogID) VALUES ('ZV-PETLYA-SHT', 'ZV266000');

INSERT INTO FrnArt (ID, CatalogID) VALUES ('ZV-UPOR-DUGA', 'ZV240560');

INSERT INTO FrnArt (ID, CatalogID) VALUES ('ZV-TYAGA-P', 'ZV240500');

INSERT INTO FrnArt (ID, CatalogID) VALUES ('ZV-TYAGA-V', 'ZV240510');

INSERT INTO FrnArt (ID, CatalogID) VALUES ('ZV-TYAGA-R', 'ZV240520');

INSERT INTO FrnArt (ID, CatalogID) VALUES ('ZV-TYAGA-KOS', 'ZV240530');

INSERT INTO FrnArt (ID, CatalogID) VALUES ('ZV-TYAGA-DUGA', 'ZV240540');

INSERT INTO FrnArt (ID, CatalogID) VALUES ('ZV-TYAGA-POLU', 'ZV240550');

INSERT INTO FrnArt (ID, CatalogID) VALUES ('ZV-SHPING-UDL', 'ZV280300');

INSERT INTO FrnArt (ID, CatalogID, FalzLuft) VALUES ('ZV-BLOK', 'ZV230012', 12);
INSERT INTO FrnArt (ID, CatalogID, FalzLuft) VALUES ('ZV-BLOK', 'ZV230004', 4);

INSERT INTO FrnArt (ID, CatalogID, Direct, FalzLuft) VALUES ('ZV-PETLYA-U', 'ZV260112', 1, 12);
INSERT INTO FrnArt (ID, CatalogID, Direct, FalzLuft) VALUES ('ZV-PETLYA-U', 'ZV260104', 1, 4);
INSERT INTO FrnArt (ID, CatalogID, Direct, FalzLuft) VALUES ('ZV-PETLYA-U', 'ZV260212', 2, 12);
INSERT INTO FrnArt (ID, CatalogID, Direct, FalzLuft) VALUES ('ZV-PETLYA-U', 'ZV260204', 2, 4);

INSERT INTO FrnArt (ID, CatalogID, Direct, FalzLuft) VALUES ('ZV-PETLYA-U130', 'ZV261112', 1, 12);
INSERT INTO FrnArt (ID, CatalogID, Direct, FalzLuft) VALUES ('ZV-PETLYA-U130', 'ZV261212', 2, 12);

INSERT INTO FrnArt (ID, CatalogID, FalzSize, Direct) VALUES ('ZV-PETLYA-N', 'ZV262020', 20, 3);
INSERT INTO FrnArt (ID, CatalogID, FalzSize, Direct) VALUES ('ZV-PETLYA-N', 'ZV262018', 18, 3);

INSERT INTO FrnArt (ID, CatalogID, FalzSize) VALUES ('ZV-PODKL', 'ZV264018', 18);

INSERT INTO FrnArt (ID, CatalogID, Direct, WeightMin, WeightMax) VALUES ('ZV-PETLYA-SKR-N', 'ZV267100', 1, 0.0, 100.0);
INSERT INTO FrnArt (ID, CatalogID, Direct, WeightMin, WeightMax) VALUES ('ZV-PETLYA-SKR-N', 'ZV267110', 1, 100.01, 150.0);
INSERT INTO FrnArt (ID, CatalogID, Direct, WeightMin, WeightMax) VALUES ('ZV-PETLYA-SKR-N', 'ZV267200', 2, 0.0, 100.0);
INSERT INTO FrnArt (ID, CatalogID, Direct, WeightMin, WeightMax) VALUES ('ZV-PETLYA-SKR-N', 'ZV267210', 2, 100.01, 150.0);

INSERT INTO FrnArt (ID, CatalogID, WeightMin, WeightMax) VALUES ('ZV-PETLYA-SKR-V', 'ZV267300', 0.0, 100.0);
INSERT INTO FrnArt (ID, CatalogID, WeightMin, WeightMax) VALUES ('ZV-PETLYA-SKR-V', 'ZV267310', 100.01, 150.0);

INSERT INTO FrnArt (ID, CatalogID, Color) VALUES ('ZV-NAKL-PETL', 'ZV270302', 'WH');
INSERT INTO FrnArt (ID, CatalogID, Color) VALUES ('ZV-NAKL-PETL', 'ZV270306', 'AN');
INSERT INTO FrnArt (ID, CatalogID, Color) VALUES ('ZV-NAKL-PETL', 'ZV270307', 'ZD');
INSERT INTO FrnArt (ID, CatalogID, Color) VALUES ('ZV-NAKL-PETL', 'ZV270300', '');

INSERT INTO FrnArt (ID, CatalogID, Color) VALUES ('ZV-NAKL-UGOL', 'ZV270402', 'WH');
INSERT INTO FrnArt (ID, CatalogID, Color) VALUES ('ZV-NAKL-UGOL', 'ZV270407', 'ZD');
INSERT INTO FrnArt (ID, CatalogID, Color) VALUES ('ZV-NAKL-UGOL', 'ZV270408', 'OR');
INSERT INTO FrnArt (ID, CatalogID, Color) VALUES ('ZV-NAKL-UGOL', 'ZV270400', '');

INSERT INTO FrnArt (ID, CatalogID, Color) VALUES ('ZV-NAKL-SHT', 'ZV270502', 'WH');
INSERT INTO FrnArt (ID, CatalogID, Color) VALUES ('ZV-NAKL-SHT', 'ZV270506', 'AN');
INSERT INTO FrnArt (ID, CatalogID, Color) VALUES ('ZV-NAKL-SHT', 'ZV270507', 'ZD');
INSERT INTO FrnArt (ID, CatalogID, Color) VALUES ('ZV-NAKL-SHT', 'ZV270508', 'OR');

INSERT INTO FrnArt (ID, CatalogID, Color) VALUES ('ZV-RUCHKA', 'ZV290101', 'SL');
INSERT INTO FrnArt (ID, CatalogID, Color) VALUES ('ZV-RUCHKA', 'ZV290102', 'WH');
INSERT INTO FrnArt (ID, CatalogID, Color) VALUES ('ZV-RUCHKA', 'ZV290103', 'BR');
INSERT INTO FrnArt (ID, CatalogID, Color) VALUES ('ZV-RUCHKA', 'ZV290104', 'TI');
INSERT INTO FrnArt (ID, CatalogID, Color) VALUES ('ZV-RUCHKA', 'ZV290105', 'GD');
INSERT INTO FrnArt (ID, CatalogID, Color) VALUES ('ZV-RUCHKA', 'ZV290112', 'WH');

INSERT INTO FrnArt (ID, CatalogID, Color) VALUES ('ZV-RUCHKA-KL', 'ZV290201', 'SL');
INSERT INTO FrnArt (ID, CatalogID, Color) VALUES ('ZV-RUCHKA-KL', 'ZV290202', 'WH');
INSERT INTO FrnArt (ID, CatalogID, Color) VALUES ('ZV-RUCHKA-KL', 'ZV290203', 'BR');

INSERT INTO FrnArt (ID, CatalogID, Color) VALUES ('ZV-RUCHKA-KN', 'ZV290301', 'SL');
INSERT INTO FrnArt (ID, CatalogID, Color) VALUES ('ZV-RUCHKA-KN', 'ZV290302', 'WH');

INSERT INTO FrnArt (ID, CatalogID, Color) VALUES ('ZV-RUCHKA-E', 'ZV290401', 'SL');
INSERT INTO FrnArt (ID, CatalogID, Color) VALUES ('ZV-RUCHKA-E', 'ZV290402', 'WH');
INSERT INTO FrnArt (ID, CatalogID, Color) VALUES ('ZV-RUCHKA-E', 'ZV290403', 'BR');

INSERT INTO FrnArt (ID, CatalogID, Color) VALUES ('ZV-RUCHKA-B', 'ZV290501', 'SL');
INSERT INTO FrnArt (ID, CatalogID, Color) VALUES ('ZV-RUCHKA-B', 'ZV290502', 'WH');
INSERT INTO FrnArt (ID, CatalogID, Color) VALUES ('ZV-RUCHKA-B', 'ZV290503', 'BR');

INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax) VALUES ('ZV-SHTIFT', 'ZV290935', 0, 100);
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax) VALUES ('ZV-SHTIFT', 'ZV290945', 101, 200);

INSERT INTO FrnArt (ID, CatalogID, StulpType) VALUES ('ZV-SHPING-T', 'ZV280202', 2);
INSERT INTO FrnArt (ID, CatalogID, StulpType) VALUES ('ZV-SHPING-T', 'ZV280203', 3);
INSERT INTO FrnArt (ID, CatalogID, StulpType) VALUES ('ZV-SHPING-T', 'ZV280204', 4);

INSERT INTO FrnArt (ID, CatalogID) VALUES ('ZV-BLOK-KL', 'ZV231200');

INSERT INTO FrnArt (ID, CatalogID) VALUES ('ZV-ZASCH-B', 'ZV232100');

INSERT INTO FrnArt (ID, CatalogID) VALUES ('ZV-FRAM', 'ZV999002');

INSERT INTO FrnArt (ID, CatalogID) VALUES ('ZV-FRAM-MECH', 'ZV300100');

INSERT INTO FrnArt (ID, CatalogID) VALUES ('ZV-FRAM-TYAGA', 'ZV300200');

INSERT INTO FrnArt (ID, CatalogID, Color) VALUES ('ZV-FRAM-RUCH', 'ZV300301', 'SL');
INSERT INTO FrnArt (ID, CatalogID, Color) VALUES ('ZV-FRAM-RUCH', 'ZV300302', 'WH');
INSERT INTO FrnArt (ID, CatalogID, Color) VALUES ('ZV-FRAM-RUCH', 'ZV300303', 'BR');

INSERT INTO FrnArt (ID, CatalogID) VALUES ('ZV-PAKET-RC2', 'ZV999001');

INSERT INTO FrnArt (ID, CatalogID) VALUES ('ZV-OGR', 'ZV240700');

INSERT INTO FrnArt (ID, CatalogID, ProfSys) VALUES ('ZV-PL-ZAP', 'ZV310101', 'AR70');
INSERT INTO FrnArt (ID, CatalogID, ProfSys) VALUES ('ZV-PL-ZAP', 'ZV310102', 'AR58');
INSERT INTO FrnArt (ID, CatalogID, ProfSys) VALUES ('ZV-PL-ZAP', 'ZV310103', 'NV76');
INSERT INTO FrnArt (ID, CatalogID, ProfSys) VALUES ('ZV-PL-ZAP', 'ZV310104', 'BR68');

INSERT INTO FrnArt (ID, CatalogID, ProfSys) VALUES ('ZV-PL-ZAP-E', 'ZV310201', 'AR70');
INSERT INTO FrnArt (ID, CatalogID, ProfSys) VALUES ('ZV-PL-ZAP-E', 'ZV310202', 'AR58');
INSERT INTO FrnArt (ID, CatalogID, ProfSys) VALUES ('ZV-PL-ZAP-E', 'ZV310203', 'NV76');
INSERT INTO FrnArt (ID, CatalogID, ProfSys) VALUES ('ZV-PL-ZAP-E', 'ZV310204', 'BR68');

INSERT INTO FrnArt (ID, CatalogID, ProfSys) VALUES ('ZV-PL-POV', 'ZV310301', 'AR70');
INSERT INTO FrnArt (ID, CatalogID, ProfSys) VALUES ('ZV-PL-POV', 'ZV310302', 'AR58');
INSERT INTO FrnArt (ID, CatalogID, ProfSys) VALUES ('ZV-PL-POV', 'ZV310303', 'NV76');
INSERT INTO FrnArt (ID, CatalogID, ProfSys) VALUES ('ZV-PL-POV', 'ZV310304', 'BR68');

INSERT INTO FrnArt (ID, CatalogID, ProfSys) VALUES ('ZV-PL-MIKRO', 'ZV310401', 'AR70');
INSERT INTO FrnArt (ID, CatalogID, ProfSys) VALUES ('ZV-PL-MIKRO', 'ZV310402', 'AR58');
INSERT INTO FrnArt (ID, CatalogID, ProfSys) VALUES ('ZV-PL-MIKRO', 'ZV310403', 'NV76');
INSERT INTO FrnArt (ID, CatalogID, ProfSys) VALUES ('ZV-PL-MIKRO', 'ZV310404', 'BR68');
INSERT INTO FrnArt (ID, CatalogID, ProfSys) VALUES ('ZV-PL-MIKRO', 'ZV310405', 'AR70D');

INSERT INTO FrnArt (ID, CatalogID, ProfSys) VALUES ('ZV-PL-RC', 'ZV310501', 'AR70');
INSERT INTO FrnArt (ID, CatalogID, ProfSys) VALUES ('ZV-PL-RC', 'ZV310502', 'AR58');
INSERT INTO FrnArt (ID, CatalogID, ProfSys) VALUES ('ZV-PL-RC', 'ZV310503', 'NV76');
INSERT INTO FrnArt (ID, CatalogID, ProfSys) VALUES ('ZV-PL-RC', 'ZV310504', 'BR68');

INSERT INTO FrnArt (ID, CatalogID, ProfSys) VALUES ('ZV-PL-BLOK-1', 'ZV310601', 'AR70');
INSERT INTO FrnArt (ID, CatalogID, ProfSys) VALUES ('ZV-PL-BLOK-1', 'ZV310602', 'AR58');
INSERT INTO FrnArt (ID, CatalogID, ProfSys) VALUES ('ZV-PL-BLOK-1', 'ZV310603', 'NV76');
INSERT INTO FrnArt (ID, CatalogID, ProfSys) VALUES ('ZV-PL-BLOK-1', 'ZV310604', 'BR68');

INSERT INTO FrnArt (ID, CatalogID, ProfSys) VALUES ('ZV-PL-BLOK-3', 'ZV310701', 'AR70');
INSERT INTO FrnArt (ID, CatalogID, ProfSys) VALUES ('ZV-PL-BLOK-3', 'ZV310702', 'AR58');
INSERT INTO FrnArt (ID, CatalogID, ProfSys) VALUES ('ZV-PL-BLOK-3', 'ZV310703', 'NV76');
INSERT INTO FrnArt (ID, CatalogID, ProfSys) VALUES ('ZV-PL-BLOK-3', 'ZV310704', 'BR68');

INSERT INTO FrnArt (ID, CatalogID, ProfSys) VALUES ('ZV-PL-NOZH', 'ZV310801', 'AR70');
INSERT INTO FrnArt (ID, CatalogID, ProfSys) VALUES ('ZV-PL-NOZH', 'ZV310802', 'AR58');
INSERT INTO FrnArt (ID, CatalogID, ProfSys) VALUES ('ZV-PL-NOZH', 'ZV310803', 'NV76');
INSERT INTO FrnArt (ID, CatalogID, ProfSys) VALUES ('ZV-PL-NOZH', 'ZV310804', 'BR68');

INSERT INTO FrnArt (ID, CatalogID, ProfSys) VALUES ('ZV-PL-SHPING', 'ZV311001', 'AR70');
INSERT INTO FrnArt (ID, CatalogID, ProfSys) VALUES ('ZV-PL-SHPING', 'ZV311002', 'AR58');
INSERT INTO FrnArt (ID, CatalogID, ProfSys) VALUES ('ZV-PL-SHPING', 'ZV311003', 'NV76');
INSERT INTO FrnArt (ID, CatalogID, ProfSys) VALUES ('ZV-PL-SHPING', 'ZV311004', 'BR68');

INSERT INTO FrnArt (ID, CatalogID, ProfSys) VALUES ('ZV-PL-ZASCH-B', 'ZV311101', 'AR70');
INSERT INTO FrnArt (ID, CatalogID, ProfSys) VALUES ('ZV-PL-ZASCH-B', 'ZV311102', 'AR58');
INSERT INTO FrnArt (ID, CatalogID, ProfSys) VALUES ('ZV-PL-ZASCH-B', 'ZV311103', 'NV76');
INSERT INTO FrnArt (ID, CatalogID, ProfSys) VALUES ('ZV-PL-ZASCH-B', 'ZV311104', 'BR68');
INSERT INTO FrnArt (ID, CatalogID, ProfSys) VALUES ('ZV-PL-ZASCH-B', 'ZV311105', 'AR70D');

INSERT INTO FrnArt (ID, CatalogID, StulpType) VALUES ('ZV-PL-SHT-Z', 'ZV312002', 2);
INSERT INTO FrnArt (ID, CatalogID, StulpType) VALUES ('ZV-PL-SHT-Z', 'ZV312003', 3);
INSERT INTO FrnArt (ID, CatalogID, StulpType) VALUES ('ZV-PL-SHT-Z', 'ZV312004', 4);

INSERT INTO FrnArt (ID, CatalogID) VALUES ('ZV-PL-SHPING-AL', 'ZV311100');

INSERT INTO FrnArt (ID, CatalogID) VALUES ('ZV-PL-SHT-M', 'ZV312000');

INSERT INTO FrnArt (ID, CatalogID, FFHMin, FFHMax, HandleHeight, DornMassMin, DornMassMax) VALUES ('ZV-ZAMOK-MZ', 'ZV401125', 180, 219, 1050, 25.0, 25.0);
INSERT INTO FrnArt (ID, CatalogID, FFHMin, FFHMax, HandleHeight, DornMassMin, DornMassMax) VALUES ('ZV-ZAMOK-MZ', 'ZV402125', 220, 250, 1050, 25.0, 25.0);

INSERT INTO FrnArt (ID, CatalogID, FFHMin, FFHMax, HandleHeight, DornMassMin, DornMassMax) VALUES ('ZV-ZAMOK-MZK', 'ZV403125', 180, 250, 1050, 25.0, 25.0);

INSERT INTO FrnArt (ID, CatalogID, FFHMin, FFHMax, HandleHeight, DornMassMin, DornMassMax) VALUES ('ZV-ZAMOK-MZ', 'ZV401130', 180, 219, 1050, 30.0, 30.0);
INSERT INTO FrnArt (ID, CatalogID, FFHMin, FFHMax, HandleHeight, DornMassMin, DornMassMax) VALUES ('ZV-ZAMOK-MZ', 'ZV402130', 220, 250, 1050, 30.0, 30.0);

INSERT INTO FrnArt (ID, CatalogID, FFHMin, FFHMax, HandleHeight, DornMassMin, DornMassMax) VALUES ('ZV-ZAMOK-MZK', 'ZV403130', 180, 250, 1050, 30.0, 30.0);

INSERT INTO FrnArt (ID, CatalogID, FFHMin, FFHMax, HandleHeight, DornMassMin, DornMassMax) VALUES ('ZV-ZAMOK-MZ', 'ZV401135', 180, 219, 1050, 35.0, 35.0);
INSERT INTO FrnArt (ID, CatalogID, FFHMin, FFHMax, HandleHeight, DornMassMin, DornMassMax) VALUES ('ZV-ZAMOK-MZ', 'ZV402135', 220, 250, 1050, 35.0, 35.0);

INSERT INTO FrnArt (ID, CatalogID, FFHMin, FFHMax, HandleHeight, DornMassMin, DornMassMax) VALUES ('ZV-ZAMOK-MZK', 'ZV403135', 180, 250, 1050, 35.0, 35.0);

INSERT INTO FrnArt (ID, CatalogID, FFHMin, FFHMax, HandleHeight, DornMassMin, DornMassMax) VALUES ('ZV-ZAMOK-MZ', 'ZV401145', 180, 219, 1050, 45.0, 45.0);
INSERT INTO FrnArt (ID, CatalogID, FFHMin, FFHMax, HandleHeight, DornMassMin, DornMassMax) VALUES ('ZV-ZAMOK-MZ', 'ZV402145', 220, 250, 1050, 45.0, 45.0);

INSERT INTO FrnArt (ID, CatalogID, FFHMin, FFHMax, HandleHeight, DornMassMin, DornMassMax) VALUES ('ZV-ZAMOK-MZK', 'ZV403145', 180, 250, 1050, 45.0, 45.0);

INSERT INTO FrnArt (ID, CatalogID, FFBMin, FFBMax, FFHMin, FFHMax, HandleHeight, DornMassMin, DornMassMax) VALUES ('ZV-ZAMOK-R', 'ZV404130', 60, 130, 180, 250, 1000, 30.0, 30.0);
INSERT INTO FrnArt (ID, CatalogID, FFBMin, FFBMax, FFHMin, FFHMax, HandleHeight, DornMassMin, DornMassMax) VALUES ('ZV-ZAMOK-R', 'ZV404135', 60, 130, 180, 250, 1000, 35.0, 35.0);
INSERT INTO FrnArt (ID, CatalogID, FFBMin, FFBMax, FFHMin, FFHMax, HandleHeight, DornMassMin, DornMassMax) VALUES ('ZV-ZAMOK-R', 'ZV404145', 60, 130, 180, 250, 1000, 45.0, 45.0);

INSERT INTO FrnArt (ID, CatalogID, HandleHeight, DornMassMin, DornMassMax) VALUES ('ZV-ZAMOK-WC', 'ZV405135', 1000, 35.0, 35.0);
INSERT INTO FrnArt (ID, CatalogID, HandleHeight, DornMassMin, DornMassMax) VALUES ('ZV-ZAMOK-WC', 'ZV405145', 1000, 45.0, 45.0);

INSERT INTO FrnArt (ID, CatalogID, Color, Direct) VALUES ('ZV-DPETLYA', 'ZV410002', 'WH', 3);
INSERT INTO FrnArt (ID, CatalogID, Color, Direct) VALUES ('ZV-DPETLYA', 'ZV410006', 'AN', 3);
INSERT INTO FrnArt (ID, CatalogID, Color, Direct) VALUES ('ZV-DPETLYA', 'ZV410000', '', 3);

INSERT INTO FrnArt (ID, CatalogID, WeightMin, WeightMax) VALUES ('ZV-DPETLYA-SKR', 'ZV411000', 0.0, 80.0);
INSERT INTO FrnArt (ID, CatalogID, WeightMin, WeightMax) VALUES ('ZV-DPETLYA-SKR', 'ZV411010', 80.01, 120.0);

INSERT INTO FrnArt (ID, CatalogID, Color) VALUES ('ZV-GARN-PL85', 'ZV420801', 'SL');
INSERT INTO FrnArt (ID, CatalogID, Color) VALUES ('ZV-GARN-PL85', 'ZV420802', 'WH');
INSERT INTO FrnArt (ID, CatalogID, Color) VALUES ('ZV-GARN-PL85', 'ZV420803', 'BR');
INSERT INTO FrnArt (ID, CatalogID, Color) VALUES ('ZV-GARN-PL85', 'ZV420804', 'TI');
INSERT INTO FrnArt (ID, CatalogID, Color) VALUES ('ZV-GARN-PL85', 'ZV420806', 'AN');

INSERT INTO FrnArt (ID, CatalogID, Color) VALUES ('ZV-GARN-PL92', 'ZV420901', 'SL');
INSERT INTO FrnArt (ID, CatalogID, Color) VALUES ('ZV-GARN-PL92', 'ZV420902', 'WH');
INSERT INTO FrnArt (ID, CatalogID, Color) VALUES ('ZV-GARN-PL92', 'ZV420903', 'BR');

INSERT INTO FrnArt (ID, CatalogID, Color) VALUES ('ZV-GARN-ROZ', 'ZV421001', 'SL');
INSERT INTO FrnArt (ID, CatalogID, Color) VALUES ('ZV-GARN-ROZ', 'ZV421002', 'WH');
INSERT INTO FrnArt (ID, CatalogID, Color) VALUES ('ZV-GARN-ROZ', 'ZV421003', 'BR');
INSERT INTO FrnArt (ID, CatalogID, Color) VALUES ('ZV-GARN-ROZ', 'ZV421006', 'AN');

INSERT INTO FrnArt (ID, CatalogID, Color) VALUES ('ZV-GARN-WC', 'ZV422001', 'SL');
INSERT INTO FrnArt (ID, CatalogID, Color) VALUES ('ZV-GARN-WC', 'ZV422002', 'WH');
INSERT INTO FrnArt (ID, CatalogID, Color) VALUES ('ZV-GARN-WC', 'ZV422003', 'BR');

INSERT INTO FrnArt (ID, CatalogID, FFBMin, FFBMax, WeightMin, WeightMax, Color) VALUES ('ZV-DOVOD', 'ZV430101', 70, 95, 0.0, 60.0, 'SL');
INSERT INTO FrnArt (ID, CatalogID, FFBMin, FFBMax, WeightMin, WeightMax, Color) VALUES ('ZV-DOVOD', 'ZV430102', 70, 95, 0.0, 60.0, 'WH');
INSERT INTO FrnArt (ID, CatalogID, FFBMin, FFBMax, WeightMin, WeightMax, Color) VALUES ('ZV-DOVOD', 'ZV430103', 70, 95, 0.0, 60.0, 'BR');
INSERT INTO FrnArt (ID, CatalogID, FFBMin, FFBMax, WeightMin, WeightMax, Color) VALUES ('ZV-DOVOD', 'ZV430100', 70, 95, 0.0, 60.0, '');
INSERT INTO FrnArt (ID, CatalogID, FFBMin, FFBMax, WeightMin, WeightMax, Color) VALUES ('ZV-DOVOD', 'ZV430201', 96, 130, 0.0, 80.0, 'SL');
INSERT INTO FrnArt (ID, CatalogID, FFBMin, FFBMax, WeightMin, WeightMax, Color) VALUES ('ZV-DOVOD', 'ZV430202', 96, 130, 0.0, 80.0, 'WH');
INSERT INTO FrnArt (ID, CatalogID, FFBMin, FFBMax, WeightMin, WeightMax, Color) VALUES ('ZV-DOVOD', 'ZV430203', 96, 130, 0.0, 80.0, 'BR');
INSERT INTO FrnArt (ID, CatalogID, FFBMin, FFBMax, WeightMin, WeightMax, Color) VALUES ('ZV-DOVOD', 'ZV430200', 96, 130, 0.0, 80.0, '');
INSERT INTO FrnArt (ID, CatalogID, FFBMin, FFBMax, WeightMin, WeightMax, Color) VALUES ('ZV-DOVOD', 'ZV430400', 96, 130, 80.01, 120.0, '');

INSERT INTO FrnArt (ID, CatalogID) VALUES ('ZV-DOVOD-PL', 'ZV430900');

INSERT INTO FrnArt (ID, CatalogID, ThicknessMin, ThicknessMax) VALUES ('ZV-CIL-KK', 'ZV440100', 55, 64);

INSERT INTO FrnArt (ID, CatalogID, ThicknessMin, ThicknessMax) VALUES ('ZV-CIL-KV', 'ZV440200', 55, 64);

INSERT INTO FrnArt (ID, CatalogID, ThicknessMin, ThicknessMax) VALUES ('ZV-CIL-KK', 'ZV440110', 65, 74);

INSERT INTO FrnArt (ID, CatalogID, ThicknessMin, ThicknessMax) VALUES ('ZV-CIL-KV', 'ZV440210', 65, 74);

INSERT INTO FrnArt (ID, CatalogID, ThicknessMin, ThicknessMax) VALUES ('ZV-CIL-KK', 'ZV440120', 75, 90);

INSERT INTO FrnArt (ID, CatalogID, ThicknessMin, ThicknessMax) VALUES ('ZV-CIL-KV', 'ZV440220', 75, 90);

INSERT INTO FrnArt (ID, CatalogID) VALUES ('ZV-KLUCH', 'ZV440900');

INSERT INTO FrnArt (ID, CatalogID) VALUES ('ZV-SHPING-DV', 'ZV450100');

INSERT INTO FrnArt (ID, CatalogID) VALUES ('ZV-DV-UPOR', 'ZV460100');

INSERT INTO FrnArt (ID, CatalogID) VALUES ('ZV-DV-POROG-N', 'ZV460200');

INSERT INTO FrnArt (ID, CatalogID) VALUES ('ZV-DV-POROG-S', 'ZV460210');

INSERT INTO FrnArt (ID, CatalogID) VALUES ('ZV-DV-NAKL', 'ZV460300');

INSERT INTO FrnArt (ID, CatalogID) VALUES ('ZV-ZAMOK-TYAGA', 'ZV460400');

INSERT INTO FrnArt (ID, CatalogID) VALUES ('ZV-ZAPOR-DV2', 'ZV460700');

INSERT INTO FrnArt (ID, CatalogID) VALUES ('ZV-DV-ZAPOR-V', 'ZV460500');

INSERT INTO FrnArt (ID, CatalogID) VALUES ('ZV-DV-PRIZHIM', 'ZV460600');

INSERT INTO FrnArt (ID, CatalogID, ProfSys) VALUES ('ZV-PL-DV-RIG', 'ZV470105', 'AR70D');

INSERT INTO FrnArt (ID, CatalogID, ProfSys) VALUES ('ZV-PL-DV-ZASH', 'ZV470205', 'AR70D');

INSERT INTO FrnArt (ID, CatalogID, ProfSys) VALUES ('ZV-PL-DV-CAPF', 'ZV470305', 'AR70D');

INSERT INTO FrnArt (ID, CatalogID, ProfSys) VALUES ('ZV-PL-DV-KR', 'ZV470405', 'AR70D');

INSERT INTO FrnArt (ID, CatalogID) VALUES ('ZV-PL-DV-SHT', 'ZV470500');

INSERT INTO FrnArt (ID, CatalogID) VALUES ('ZV-PL-DV-SHPING', 'ZV470600');

-- Composite elements: parts of an element, each resolved on its own.
INSERT INTO FrnItoI (ID, Item, PropKey, Number, Required) VALUES ('ZV-KOMPL-PETLI', 'ZV-PETLYA-U', 31, 1, 1); -- corner hinge up to 100 kg: hinge load property "до 100 кг"
INSERT INTO FrnItoI (ID, Item, PropKey, Number, Required, AlertIfNoArt) VALUES ('ZV-KOMPL-PETLI', 'ZV-PETLYA-U130', 32, 1, 1, 'Петля угловая до 130 кг поставляется только для фальцлюфта 12 мм.' || char(13, 10) || 'Выберите нагрузку «до 100 кг».'); -- corner hinge up to 130 kg: PVC air gap only, so the alert explains a wood rebate
INSERT INTO FrnItoI (ID, Item, Number, Required) VALUES ('ZV-KOMPL-PETLI', 'ZV-PETLYA-N', 1, 1); -- scissor bearing
INSERT INTO FrnItoI (ID, Item, PropKey, Number, ColorCondition, Note) VALUES ('ZV-KOMPL-PETLI', 'ZV-NAKL-PETL', 33, 2, 3, 'колпачки петель'); -- caps coloured by the opening side (ColorCondition 3)
INSERT INTO FrnItoI (ID, Item, PropKey, Number, ColorCondition) VALUES ('ZV-KOMPL-PETLI', 'ZV-NAKL-UGOL', 33, 1, 2); -- inner cover of the corner hinge (ColorCondition 2)
INSERT INTO FrnItoI (ID, Item, Number) VALUES ('ZV-KOMPL-PETLI', 'ZV-PODKL', 1); -- spacer only exists for the 18 mm overlap; other overlaps simply get none
INSERT INTO FrnItoI (ID, Item, Number, StulpType) VALUES ('ZV-KOMPL-PETLI', 'ZV-PETLYA-SHT', 1, 28); -- intermediate hinge on stulp sashes only (stulp kinds 2, 3, 4)
INSERT INTO FrnItoI (ID, Item, Number, ColorCondition, Required) VALUES ('ZV-KOMPL-DPETLI', 'ZV-DPETLYA', 1, 1, 1); -- door hinge coloured like the outer profile (ColorCondition 1), silver when that colour has none
INSERT INTO FrnItoI (ID, Item, Number) VALUES ('ZV-KOMPL-DPETLI', 'ZV-DV-PRIZHIM', 1); -- pressure piece between the hinges
INSERT INTO FrnItoI (ID, Item, Number) VALUES ('ZV-PAKET-RC2', 'ZV-CAPFA-RC', 4); -- four extra mushroom cams
INSERT INTO FrnItoI (ID, Item, Number, Required) VALUES ('ZV-PAKET-RC2', 'ZV-PL-RC', 4, 1); -- their plates: resolved with the strike-plate system of the sash
INSERT INTO FrnItoI (ID, Item, Number) VALUES ('ZV-PAKET-RC2', 'ZV-BLOK-KL', 1); -- lockable turn blocker
INSERT INTO FrnItoI (ID, Item, Number, Required, ItemSideNo) VALUES ('ZV-FRAM', 'ZV-FRAM-MECH', 1, 1, 2);
INSERT INTO FrnItoI (ID, Item, Number, ItemSideNo) VALUES ('ZV-FRAM', 'ZV-FRAM-TYAGA', 1, 1);
INSERT INTO FrnItoI (ID, Item, Number, Required, AlertIfNoArt, ItemSideNo) VALUES ('ZV-FRAM', 'ZV-FRAM-RUCH', 1, 1, 'Ручка фрамужного механизма поставляется в цветах: серебро, белый, коричневый.', 1); -- operating handle in the cover colour
INSERT INTO FrnItoI (ID, Item, Number, Required) VALUES ('ZV-NOZH', 'ZV-PL-NOZH', 1, 1); -- the scissors bring their own tilt keeper
