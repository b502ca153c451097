-- Demo fittings documentation of the invented hardware maker «Зевранд»
-- (every maker, product, profile system and firm name here is invented).
-- Sets (48), their side tables and contents, property keys.
-- Load after the catalogue schema; files are meant to run in name order.

-- Property keys: the rows of one key admit those values; a key without rows admits everything.
-- key 10: main sets with tilt: offered values, defaults ticked
INSERT INTO FrnProp (PropKey, ID, "Default") VALUES (10, 111, 1);
INSERT INTO FrnProp (PropKey, ID, "Default") VALUES (10, 112, 0);
INSERT INTO FrnProp (PropKey, ID, "Default") VALUES (10, 113, 0);
INSERT INTO FrnProp (PropKey, ID, "Default") VALUES (10, 121, 1);
INSERT INTO FrnProp (PropKey, ID, "Default") VALUES (10, 122, 0);
INSERT INTO FrnProp (PropKey, ID, "Default") VALUES (10, 131, 1);
INSERT INTO FrnProp (PropKey, ID, "Default") VALUES (10, 132, 0);
-- key 11: rows for RC1 or RC2
INSERT INTO FrnProp (PropKey, ID, "Default") VALUES (11, 112, 0);
INSERT INTO FrnProp (PropKey, ID, "Default") VALUES (11, 113, 0);
-- key 12: rows for RC2 only
INSERT INTO FrnProp (PropKey, ID, "Default") VALUES (12, 113, 0);
-- key 13: rows for a microlift
INSERT INTO FrnProp (PropKey, ID, "Default") VALUES (13, 122, 0);
-- key 14: rows for slot ventilation
INSERT INTO FrnProp (PropKey, ID, "Default") VALUES (14, 132, 0);
-- key 15: rows for the basic execution only
INSERT INTO FrnProp (PropKey, ID, "Default") VALUES (15, 111, 0);
-- key 16: turn-only and secondary sashes: burglar resistance and microlift
INSERT INTO FrnProp (PropKey, ID, "Default") VALUES (16, 111, 1);
INSERT INTO FrnProp (PropKey, ID, "Default") VALUES (16, 112, 0);
INSERT INTO FrnProp (PropKey, ID, "Default") VALUES (16, 113, 0);
INSERT INTO FrnProp (PropKey, ID, "Default") VALUES (16, 121, 1);
INSERT INTO FrnProp (PropKey, ID, "Default") VALUES (16, 122, 0);
-- key 20: window handle sets
INSERT INTO FrnProp (PropKey, ID, "Default") VALUES (20, 211, 1);
INSERT INTO FrnProp (PropKey, ID, "Default") VALUES (20, 212, 0);
INSERT INTO FrnProp (PropKey, ID, "Default") VALUES (20, 213, 0);
-- key 21: standard handle
INSERT INTO FrnProp (PropKey, ID, "Default") VALUES (21, 211, 0);
-- key 22: handle with key
INSERT INTO FrnProp (PropKey, ID, "Default") VALUES (22, 212, 0);
-- key 23: handle with push button
INSERT INTO FrnProp (PropKey, ID, "Default") VALUES (23, 213, 0);
-- key 30: hinge sets
INSERT INTO FrnProp (PropKey, ID, "Default") VALUES (30, 311, 1);
INSERT INTO FrnProp (PropKey, ID, "Default") VALUES (30, 312, 0);
INSERT INTO FrnProp (PropKey, ID, "Default") VALUES (30, 321, 1);
INSERT INTO FrnProp (PropKey, ID, "Default") VALUES (30, 322, 0);
-- key 31: hinge load up to 100 kg
INSERT INTO FrnProp (PropKey, ID, "Default") VALUES (31, 311, 0);
-- key 32: hinge load up to 130 kg
INSERT INTO FrnProp (PropKey, ID, "Default") VALUES (32, 312, 0);
-- key 33: with hinge covers
INSERT INTO FrnProp (PropKey, ID, "Default") VALUES (33, 321, 0);
-- key 40: multi-point door locks
INSERT INTO FrnProp (PropKey, ID, "Default") VALUES (40, 411, 1);
INSERT INTO FrnProp (PropKey, ID, "Default") VALUES (40, 412, 0);
-- key 41: locking by cams
INSERT INTO FrnProp (PropKey, ID, "Default") VALUES (41, 411, 0);
-- key 42: locking by hooks
INSERT INTO FrnProp (PropKey, ID, "Default") VALUES (42, 412, 0);
-- key 43: PZ 85
INSERT INTO FrnProp (PropKey, ID, "Default") VALUES (43, 521, 0);
-- key 44: PZ 92
INSERT INTO FrnProp (PropKey, ID, "Default") VALUES (44, 522, 0);
-- key 45: cylinders
INSERT INTO FrnProp (PropKey, ID, "Default") VALUES (45, 451, 1);
INSERT INTO FrnProp (PropKey, ID, "Default") VALUES (45, 452, 0);
-- key 47: five keys
INSERT INTO FrnProp (PropKey, ID, "Default") VALUES (47, 452, 0);
-- key 50: door main sets
INSERT INTO FrnProp (PropKey, ID, "Default") VALUES (50, 511, 1);
INSERT INTO FrnProp (PropKey, ID, "Default") VALUES (50, 512, 0);
-- key 51: low threshold
INSERT INTO FrnProp (PropKey, ID, "Default") VALUES (51, 511, 0);
-- key 52: standard threshold
INSERT INTO FrnProp (PropKey, ID, "Default") VALUES (52, 512, 0);
-- key 56: plate handle sets
INSERT INTO FrnProp (PropKey, ID, "Default") VALUES (56, 521, 0);
INSERT INTO FrnProp (PropKey, ID, "Default") VALUES (56, 522, 1);

-- Sets. Group: 10 window, 11 door, 12 both; 20-22 hinges; 30-34 handles; 40-44 locks; 45 cylinders; 46 bolts;
-- 50 closers; 60 transom openers; 70 other. SubGroup of two-sash main sets: 11/21 main, 12-13/22-23 secondary.

INSERT INTO FrnComp (ID, "Group", SubGroup, Kipp, Name, SymmetricID, MultiSysID, Image, MaxWeight, ScrColor, TFlugelAvailable, Use, CommonGrp, Direct, Note, Printable, PrintName, Alert, PropKey, DispHingeNum, CompectImage, Material) VALUES ('ZV-PO-L', 10, 0, 1, 'Поворотно-откидная створка, петли слева', 'ZV-PO-R', '', 4, 130, 12632256, 0, 1, 2100, 1, '', 1, 'Фурнитура поворотно-откидная «Орбита», левая', '', 10, 2, 1, 0);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-PO-L', 1, 400, 2400, 89.5, 90.5, 0, 0, 0, 0, 0, 1, 3, 0, 0, 1, 0);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-PO-L', 2, 400, 1600, 89.5, 90.5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-PO-L', 3, 400, 2400, 89.5, 90.5, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 1);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-PO-L', 4, 400, 1600, 89.5, 90.5, 0, 0, 0, 0, 0, 1, 2, 0, 0, 0, 1);
INSERT INTO FrnSet (ID, Item, Condition, DefineHandleHeight, HandleSideNo, Required, AlertIfNoArt, ItemSideNo, Number) VALUES ('ZV-PO-L', 'ZV-PRIVOD', 2, 1, 3, 1, 'Привод «Орбита» поставляется для высоты створки по фальцу от 400 до 2400 мм.', 3, 1); -- gear by sash height (Condition 2); its article fixes the handle height on the handle side
INSERT INTO FrnSet (ID, Item, Number, Required, ItemSideNo, Note) VALUES ('ZV-PO-L', 'ZV-UGOL', 2, 1, 3, 'верх и низ стороны ручки'); -- two corner drives at the ends of the handle side; required, no own alert text
INSERT INTO FrnSet (ID, Item, FFBMin, ScaleCondition, ScaleStart, ScaleStep, Number, ScaleNum, ItemSideNo) VALUES ('ZV-PO-L', 'ZV-ZAPOR-V', 80, 1, 80, 40, 0, 1, 2); -- top middle locks from 80 cm width, one more every 40 cm (ScaleStep by FFB)
INSERT INTO FrnSet (ID, Item, FFHMin, ScaleCondition, ScaleStart, ScaleStep, Number, ScaleNum, ItemSideNo) VALUES ('ZV-PO-L', 'ZV-PRIZHIM', 120, 2, 120, 60, 0, 1, 1); -- hinge-side pressure pieces from 120 cm height, one more every 60 cm (ScaleStep by FFH)
INSERT INTO FrnSet (ID, Item, FFL2No, FFL2Min, ScaleCondition, Side2No, ScaleStart, ScaleStep, Number, ScaleNum, ItemSideNo) VALUES ('ZV-PO-L', 'ZV-ZAPOR-N', 4, 800, 4, 4, 800, 700, 0, 1, 4); -- bottom middle locks when the bottom side is 800 mm or longer; count by its length (ScaleStep by side 2 length)
INSERT INTO FrnSet (ID, Item, PropKey, ItemSideNo, Note, Number) VALUES ('ZV-PO-L', 'ZV-MIKRO', 13, 3, 'микролифт', 1); -- microlift only when the property "С микролифтом" is chosen
INSERT INTO FrnSet (ID, Item, PropKey, ScaleCondition, ScaleScheme, ScaleNum, Number, Note) VALUES ('ZV-PO-L', 'ZV-CAPFA-RC', 11, 2, '80;120;160', 2, 4, 'RC: грибковые цапфы'); -- RC1/RC2: 4 mushroom cams plus 2 per height threshold (ScaleScheme by FFH)
INSERT INTO FrnSet (ID, Item, PropKey, Number, ItemSideNo, Note) VALUES ('ZV-PO-L', 'ZV-CAPFA-RC', 12, 2, 1, 'RC2: петлевая сторона'); -- RC2 only: two more cams on the hinge side
INSERT INTO FrnSet (ID, Item, FFHMin, UseLen, LenFormula, MinLen, ItemSideNo, Number) VALUES ('ZV-PO-L', 'ZV-TYAGA-P', 160, 1, 'FFН - 1450', 100, 1, 1); -- hinge-side rod above 160 cm, cut to rebate height minus 1450 (Cyrillic FFН)
INSERT INTO FrnSet (ID, Item, Condition, Required, AlertIfNoArt, ItemSideNo, Number) VALUES ('ZV-PO-L', 'ZV-NOZH', 1, 1, 'Ножницы «Орбита» поставляются для ширины створки по фальцу от 400 до 1600 мм.', 2, 1); -- scissors by width (Condition 1) and hand; composite: brings its tilt keeper
INSERT INTO FrnSet (ID, Item, FFBMin, UseLen, LenFormula, MinLen, ItemSideNo, Number) VALUES ('ZV-PO-L', 'ZV-TYAGA-V', 120, 1, 'FFB - 1050', 100, 2, 1); -- top rod from 120 cm width, cut to FFB - 1050
INSERT INTO FrnSet (ID, Item, FFHMin, UseLen, LenFormula, MinLen, ItemSideNo, Note, Number) VALUES ('ZV-PO-L', 'ZV-TYAGA-R', 120, 1, 'FFG(3) - 600', 50, 3, 'тяга от привода вниз', 1); -- rod below the gear from 120 cm height: its length follows the handle height (FFG); a low own handle height makes it too short
INSERT INTO FrnSet (ID, Item, PropKey, ItemSideNo, Number) VALUES ('ZV-PO-L', 'ZV-SHPR', 14, 2, 1); -- slot ventilation catch when the property is chosen
INSERT INTO FrnSet (ID, Item, ScaleCondition, Side1No, ScaleScheme, ScaleNum, Number, ItemSideNo) VALUES ('ZV-PO-L', 'ZV-ZAPOR-B', 3, 3, '1000; 1600', 1, 0, 3); -- handle-side middle locks: none below 1000 mm, one from 1000, two from 1600 (ScaleScheme by side length)
INSERT INTO FrnSet (ID, Item, FFL1No, FFL1Min, ItemSideNo, Number) VALUES ('ZV-PO-L', 'ZV-BLOK', 3, 600, 3, 1); -- blocker when the handle side is at least 600 mm long

INSERT INTO FrnComp (ID, "Group", SubGroup, Kipp, Name, SymmetricID, MultiSysID, Image, MaxWeight, ScrColor, TFlugelAvailable, Use, CommonGrp, Direct, Note, Printable, PrintName, Alert, PropKey, DispHingeNum, CompectImage, Material) VALUES ('ZV-PO-R', 10, 0, 1, 'Поворотно-откидная створка, петли справа', 'ZV-PO-L', '', 5, 130, 12632256, 0, 1, 2100, 2, '', 1, 'Фурнитура поворотно-откидная «Орбита», правая', '', 10, 2, 2, 0);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-PO-R', 1, 400, 2400, 89.5, 90.5, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 1);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-PO-R', 2, 400, 1600, 89.5, 90.5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-PO-R', 3, 400, 2400, 89.5, 90.5, 0, 0, 0, 0, 0, 1, 1, 0, 0, 1, 0);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-PO-R', 4, 400, 1600, 89.5, 90.5, 0, 0, 0, 0, 0, 1, 2, 0, 0, 0, 1);
INSERT INTO FrnSet (ID, Item, Condition, DefineHandleHeight, HandleSideNo, Required, AlertIfNoArt, ItemSideNo, Number) VALUES ('ZV-PO-R', 'ZV-PRIVOD', 2, 1, 1, 1, 'Привод «Орбита» поставляется для высоты створки по фальцу от 400 до 2400 мм.', 1, 1); -- gear by sash height (Condition 2); its article fixes the handle height on the handle side
INSERT INTO FrnSet (ID, Item, Number, Required, ItemSideNo, Note) VALUES ('ZV-PO-R', 'ZV-UGOL', 2, 1, 1, 'верх и низ стороны ручки'); -- two corner drives at the ends of the handle side; required, no own alert text
INSERT INTO FrnSet (ID, Item, FFBMin, ScaleCondition, ScaleStart, ScaleStep, Number, ScaleNum, ItemSideNo) VALUES ('ZV-PO-R', 'ZV-ZAPOR-V', 80, 1, 80, 40, 0, 1, 2); -- top middle locks from 80 cm width, one more every 40 cm (ScaleStep by FFB)
INSERT INTO FrnSet (ID, Item, FFHMin, ScaleCondition, ScaleStart, ScaleStep, Number, ScaleNum, ItemSideNo) VALUES ('ZV-PO-R', 'ZV-PRIZHIM', 120, 2, 120, 60, 0, 1, 3); -- hinge-side pressure pieces from 120 cm height, one more every 60 cm (ScaleStep by FFH)
INSERT INTO FrnSet (ID, Item, FFL2No, FFL2Min, ScaleCondition, Side2No, ScaleStart, ScaleStep, Number, ScaleNum, ItemSideNo) VALUES ('ZV-PO-R', 'ZV-ZAPOR-N', 4, 800, 4, 4, 800, 700, 0, 1, 4); -- bottom middle locks when the bottom side is 800 mm or longer; count by its length (ScaleStep by side 2 length)
INSERT INTO FrnSet (ID, Item, PropKey, ItemSideNo, Note, Number) VALUES ('ZV-PO-R', 'ZV-MIKRO', 13, 1, 'микролифт', 1); -- microlift only when the property "С микролифтом" is chosen
INSERT INTO FrnSet (ID, Item, PropKey, ScaleCondition, ScaleScheme, ScaleNum, Number, Note) VALUES ('ZV-PO-R', 'ZV-CAPFA-RC', 11, 2, '80;120;160', 2, 4, 'RC: грибковые цапфы'); -- RC1/RC2: 4 mushroom cams plus 2 per height threshold (ScaleScheme by FFH)
INSERT INTO FrnSet (ID, Item, PropKey, Number, ItemSideNo, Note) VALUES ('ZV-PO-R', 'ZV-CAPFA-RC', 12, 2, 3, 'RC2: петлевая сторона'); -- RC2 only: two more cams on the hinge side
INSERT INTO FrnSet (ID, Item, FFHMin, UseLen, LenFormula, MinLen, ItemSideNo, Number) VALUES ('ZV-PO-R', 'ZV-TYAGA-P', 160, 1, 'FFН - 1450', 100, 3, 1); -- hinge-side rod above 160 cm, cut to rebate height minus 1450 (Cyrillic FFН)
INSERT INTO FrnSet (ID, Item, Condition, Required, AlertIfNoArt, ItemSideNo, Number) VALUES ('ZV-PO-R', 'ZV-NOZH', 1, 1, 'Ножницы «Орбита» поставляются для ширины створки по фальцу от 400 до 1600 мм.', 2, 1); -- scissors by width (Condition 1) and hand; composite: brings its tilt keeper
INSERT INTO FrnSet (ID, Item, FFBMin, UseLen, LenFormula, MinLen, ItemSideNo, Number) VALUES ('ZV-PO-R', 'ZV-TYAGA-V', 120, 1, 'FFB - 1050', 100, 2, 1); -- top rod from 120 cm width, cut to FFB - 1050
INSERT INTO FrnSet (ID, Item, FFHMin, UseLen, LenFormula, MinLen, ItemSideNo, Note, Number) VALUES ('ZV-PO-R', 'ZV-TYAGA-R', 120, 1, 'FFG(1) - 600', 50, 1, 'тяга от привода вниз', 1); -- rod below the gear from 120 cm height: its length follows the handle height (FFG); a low own handle height makes it too short
INSERT INTO FrnSet (ID, Item, PropKey, ItemSideNo, Number) VALUES ('ZV-PO-R', 'ZV-SHPR', 14, 2, 1); -- slot ventilation catch when the property is chosen
INSERT INTO FrnSet (ID, Item, ScaleCondition, Side1No, ScaleScheme, ScaleNum, Number, ItemSideNo) VALUES ('ZV-PO-R', 'ZV-ZAPOR-B', 3, 1, '1000; 1600', 1, 0, 1); -- handle-side middle locks: none below 1000 mm, one from 1000, two from 1600 (ScaleScheme by side length)
INSERT INTO FrnSet (ID, Item, FFL1No, FFL1Min, ItemSideNo, Number) VALUES ('ZV-PO-R', 'ZV-BLOK', 1, 600, 1, 1); -- blocker when the handle side is at least 600 mm long

INSERT INTO FrnComp (ID, "Group", SubGroup, Kipp, Name, SymmetricID, MultiSysID, Image, MaxWeight, ScrColor, TFlugelAvailable, Use, CommonGrp, Direct, Note, Printable, PrintName, Alert, PropKey, DispHingeNum, CompectImage, Material) VALUES ('ZV-P-L', 12, 0, 0, 'Поворотная створка, петли слева', 'ZV-P-R', '', 1, 130, 12632256, 1, 1, 2100, 1, 'допускается на Т-образную створку', 1, 'Поворотная створка, петли слева', '', 16, 2, 0, 0);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-P-L', 1, 400, 2400, 89.5, 90.5, 0, 0, 0, 0, 0, 1, 3, 0, 0, 1, 0);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-P-L', 2, 400, 1600, 89.5, 90.5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-P-L', 3, 400, 2400, 89.5, 90.5, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 1);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-P-L', 4, 400, 1600, 89.5, 90.5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1);
INSERT INTO FrnSet (ID, Item, Condition, DefineHandleHeight, HandleSideNo, Required, ItemSideNo, Number) VALUES ('ZV-P-L', 'ZV-PRIVOD-P', 2, 1, 3, 1, 3, 1); -- turn-only gear by height; fixed handle height from the article
INSERT INTO FrnSet (ID, Item, Number, Required, ItemSideNo, Note) VALUES ('ZV-P-L', 'ZV-UGOL', 2, 1, 3, 'верх и низ стороны ручки');
INSERT INTO FrnSet (ID, Item, FFBMin, ScaleCondition, ScaleStart, ScaleStep, Number, ScaleNum, ItemSideNo) VALUES ('ZV-P-L', 'ZV-ZAPOR-V', 80, 1, 80, 40, 0, 1, 2);
INSERT INTO FrnSet (ID, Item, ScaleCondition, Side1No, ScaleScheme, ScaleNum, Number, ItemSideNo) VALUES ('ZV-P-L', 'ZV-ZAPOR-B', 3, 3, '1000;1600', 1, 0, 3);
INSERT INTO FrnSet (ID, Item, FFHMin, ScaleCondition, ScaleStart, ScaleStep, Number, ScaleNum, ItemSideNo) VALUES ('ZV-P-L', 'ZV-PRIZHIM', 120, 2, 120, 60, 0, 1, 1);
INSERT INTO FrnSet (ID, Item, FFL2No, FFL2Min, ScaleCondition, Side2No, ScaleStart, ScaleStep, Number, ScaleNum, ItemSideNo) VALUES ('ZV-P-L', 'ZV-ZAPOR-N', 4, 800, 4, 4, 800, 700, 0, 1, 4);
INSERT INTO FrnSet (ID, Item, PropKey, ItemSideNo, Note, Number) VALUES ('ZV-P-L', 'ZV-MIKRO', 13, 3, 'микролифт', 1);
INSERT INTO FrnSet (ID, Item, PropKey, ScaleCondition, ScaleScheme, ScaleNum, Number, Note) VALUES ('ZV-P-L', 'ZV-CAPFA-RC', 11, 2, '80;120;160', 2, 4, 'RC: грибковые цапфы');
INSERT INTO FrnSet (ID, Item, FFHMin, UseLen, LenFormula, MinLen, ItemSideNo, Number) VALUES ('ZV-P-L', 'ZV-TYAGA-P', 160, 1, 'FRH - 1450', 100, 1, 1); -- hinge-side rod above 160 cm, cut to FRH - 1450 (Latin FRH)

INSERT INTO FrnComp (ID, "Group", SubGroup, Kipp, Name, SymmetricID, MultiSysID, Image, MaxWeight, ScrColor, TFlugelAvailable, Use, CommonGrp, Direct, Note, Printable, PrintName, Alert, PropKey, DispHingeNum, CompectImage, Material) VALUES ('ZV-P-R', 12, 0, 0, 'Поворотная створка, петли справа', 'ZV-P-L', '', 2, 130, 12632256, 1, 1, 2100, 2, 'допускается на Т-образную створку', 1, 'Поворотная створка, петли справа', '', 16, 2, 0, 0);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-P-R', 1, 400, 2400, 89.5, 90.5, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 1);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-P-R', 2, 400, 1600, 89.5, 90.5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-P-R', 3, 400, 2400, 89.5, 90.5, 0, 0, 0, 0, 0, 1, 1, 0, 0, 1, 0);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-P-R', 4, 400, 1600, 89.5, 90.5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1);
INSERT INTO FrnSet (ID, Item, Condition, DefineHandleHeight, HandleSideNo, Required, ItemSideNo, Number) VALUES ('ZV-P-R', 'ZV-PRIVOD-P', 2, 1, 1, 1, 1, 1); -- turn-only gear by height; fixed handle height from the article
INSERT INTO FrnSet (ID, Item, Number, Required, ItemSideNo, Note) VALUES ('ZV-P-R', 'ZV-UGOL', 2, 1, 1, 'верх и низ стороны ручки');
INSERT INTO FrnSet (ID, Item, FFBMin, ScaleCondition, ScaleStart, ScaleStep, Number, ScaleNum, ItemSideNo) VALUES ('ZV-P-R', 'ZV-ZAPOR-V', 80, 1, 80, 40, 0, 1, 2);
INSERT INTO FrnSet (ID, Item, ScaleCondition, Side1No, ScaleScheme, ScaleNum, Number, ItemSideNo) VALUES ('ZV-P-R', 'ZV-ZAPOR-B', 3, 1, '1000;1600', 1, 0, 1);
INSERT INTO FrnSet (ID, Item, FFHMin, ScaleCondition, ScaleStart, ScaleStep, Number, ScaleNum, ItemSideNo) VALUES ('ZV-P-R', 'ZV-PRIZHIM', 120, 2, 120, 60, 0, 1, 3);
INSERT INTO FrnSet (ID, Item, FFL2No, FFL2Min, ScaleCondition, Side2No, ScaleStart, ScaleStep, Number, ScaleNum, ItemSideNo) VALUES ('ZV-P-R', 'ZV-ZAPOR-N', 4, 800, 4, 4, 800, 700, 0, 1, 4);
INSERT INTO FrnSet (ID, Item, PropKey, ItemSideNo, Note, Number) VALUES ('ZV-P-R', 'ZV-MIKRO', 13, 1, 'микролифт', 1);
INSERT INTO FrnSet (ID, Item, PropKey, ScaleCondition, ScaleScheme, ScaleNum, Number, Note) VALUES ('ZV-P-R', 'ZV-CAPFA-RC', 11, 2, '80;120;160', 2, 4, 'RC: грибковые цапфы');
INSERT INTO FrnSet (ID, Item, FFHMin, UseLen, LenFormula, MinLen, ItemSideNo, Number) VALUES ('ZV-P-R', 'ZV-TYAGA-P', 160, 1, 'FRH - 1450', 100, 3, 1); -- hinge-side rod above 160 cm, cut to FRH - 1450 (Latin FRH)

INSERT INTO FrnComp (ID, "Group", SubGroup, Kipp, Name, SymmetricID, MultiSysID, Image, MaxWeight, ScrColor, TFlugelAvailable, Use, CommonGrp, Direct, Note, Printable, PrintName, Alert, PropKey, DispHingeNum, CompectImage, Material) VALUES ('ZV-O', 10, 0, 1, 'Откидная створка (фрамуга)', '', '', 3, 80, 12632256, 0, 1, 2100, 0, 'петли входят в комплект', 1, 'Фурнитура откидная «Орбита»', '', 16, 2, 0, 0);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-O', 1, 300, 1200, 89.5, 90.5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-O', 2, 400, 1600, 89.5, 90.5, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 1);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-O', 3, 300, 1200, 89.5, 90.5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-O', 4, 400, 1600, 89.5, 90.5, 0, 0, 0, 0, 0, 1, 2, 0, 0, 1, 0);
INSERT INTO FrnSet (ID, Item, Condition, DefineHandleHeight, HandleSideNo, Required, ItemSideNo, Number) VALUES ('ZV-O', 'ZV-PRIVOD-G', 1, 1, 2, 1, 2, 1); -- horizontal gear by width (Condition 1); the article gives the handle position from the left corner
INSERT INTO FrnSet (ID, Item, Number, Required, ItemSideNo, Note) VALUES ('ZV-O', 'ZV-UGOL', 2, 1, 2, 'углы верхней стороны');
INSERT INTO FrnSet (ID, Item, Condition, Required, AlertIfNoArt, Note, Number) VALUES ('ZV-O', 'ZV-NOZH-O', 2, 1, 'Ножницы откидной створки поставляются для высоты по фальцу от 300 до 1200 мм.', 'пара: слева и справа', 1); -- pair of tilt stays by height (Condition 2)
INSERT INTO FrnSet (ID, Item, ScaleCondition, ScaleScheme, ScaleNum, Number, ItemSideNo) VALUES ('ZV-O', 'ZV-PETLYA-O', 1, '100', 1, 2, 4); -- bottom hinges: 2, and a third from 100 cm width (ScaleScheme by FFB)
INSERT INTO FrnSet (ID, Item, FFBMin, ScaleCondition, ScaleStart, ScaleStep, Number, ScaleNum, ItemSideNo) VALUES ('ZV-O', 'ZV-ZAPOR-V', 80, 1, 80, 40, 0, 1, 2);

INSERT INTO FrnComp (ID, "Group", SubGroup, Kipp, Name, SymmetricID, MultiSysID, Image, MaxWeight, ScrColor, TFlugelAvailable, Use, CommonGrp, Direct, Note, Printable, PrintName, Alert, PropKey, DispHingeNum, CompectImage, Material) VALUES ('ZV-SHT-GL-L', 10, 11, 1, 'Штульповое окно: главная левая створка ПО', 'ZV-SHT-GL-R', '', 4, 100, 12632256, 0, 1, 2100, 1, '', 1, 'Штульповое окно: главная левая створка ПО', '', 10, 2, 3, 0);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-SHT-GL-L', 1, 400, 2400, 89.5, 90.5, 0, 0, 0, 0, 0, 1, 3, 0, 0, 1, 0);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-SHT-GL-L', 2, 400, 1200, 89.5, 90.5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-SHT-GL-L', 3, 400, 2400, 89.5, 90.5, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 1);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-SHT-GL-L', 4, 400, 1200, 89.5, 90.5, 0, 0, 0, 0, 0, 1, 2, 0, 0, 0, 1);
INSERT INTO FrnSet (ID, Item, Condition, DefineHandleHeight, HandleSideNo, Required, AlertIfNoArt, ItemSideNo, Number) VALUES ('ZV-SHT-GL-L', 'ZV-PRIVOD', 2, 1, 3, 1, 'Привод «Орбита» поставляется для высоты створки по фальцу от 400 до 2400 мм.', 3, 1); -- gear by sash height (Condition 2); its article fixes the handle height on the handle side
INSERT INTO FrnSet (ID, Item, Number, Required, ItemSideNo, Note) VALUES ('ZV-SHT-GL-L', 'ZV-UGOL', 2, 1, 3, 'верх и низ стороны ручки'); -- two corner drives at the ends of the handle side; required, no own alert text
INSERT INTO FrnSet (ID, Item, FFBMin, ScaleCondition, ScaleStart, ScaleStep, Number, ScaleNum, ItemSideNo) VALUES ('ZV-SHT-GL-L', 'ZV-ZAPOR-V', 80, 1, 80, 40, 0, 1, 2); -- top middle locks from 80 cm width, one more every 40 cm (ScaleStep by FFB)
INSERT INTO FrnSet (ID, Item, FFHMin, ScaleCondition, ScaleStart, ScaleStep, Number, ScaleNum, ItemSideNo) VALUES ('ZV-SHT-GL-L', 'ZV-PRIZHIM', 120, 2, 120, 60, 0, 1, 1); -- hinge-side pressure pieces from 120 cm height, one more every 60 cm (ScaleStep by FFH)
INSERT INTO FrnSet (ID, Item, FFL2No, FFL2Min, ScaleCondition, Side2No, ScaleStart, ScaleStep, Number, ScaleNum, ItemSideNo) VALUES ('ZV-SHT-GL-L', 'ZV-ZAPOR-N', 4, 800, 4, 4, 800, 700, 0, 1, 4); -- bottom middle locks when the bottom side is 800 mm or longer; count by its length (ScaleStep by side 2 length)
INSERT INTO FrnSet (ID, Item, PropKey, ItemSideNo, Note, Number) VALUES ('ZV-SHT-GL-L', 'ZV-MIKRO', 13, 3, 'микролифт', 1); -- microlift only when the property "С микролифтом" is chosen
INSERT INTO FrnSet (ID, Item, PropKey, ScaleCondition, ScaleScheme, ScaleNum, Number, Note) VALUES ('ZV-SHT-GL-L', 'ZV-CAPFA-RC', 11, 2, '80;120;160', 2, 4, 'RC: грибковые цапфы'); -- RC1/RC2: 4 mushroom cams plus 2 per height threshold (ScaleScheme by FFH)
INSERT INTO FrnSet (ID, Item, PropKey, Number, ItemSideNo, Note) VALUES ('ZV-SHT-GL-L', 'ZV-CAPFA-RC', 12, 2, 1, 'RC2: петлевая сторона'); -- RC2 only: two more cams on the hinge side
INSERT INTO FrnSet (ID, Item, FFHMin, UseLen, LenFormula, MinLen, ItemSideNo, Number) VALUES ('ZV-SHT-GL-L', 'ZV-TYAGA-P', 160, 1, 'FFН - 1450', 100, 1, 1); -- hinge-side rod above 160 cm, cut to rebate height minus 1450 (Cyrillic FFН)
INSERT INTO FrnSet (ID, Item, Condition, Required, AlertIfNoArt, ItemSideNo, Number) VALUES ('ZV-SHT-GL-L', 'ZV-NOZH', 1, 1, 'Ножницы «Орбита» поставляются для ширины створки по фальцу от 400 до 1600 мм.', 2, 1); -- scissors by width (Condition 1) and hand; composite: brings its tilt keeper
INSERT INTO FrnSet (ID, Item, FFBMin, UseLen, LenFormula, MinLen, ItemSideNo, Number) VALUES ('ZV-SHT-GL-L', 'ZV-TYAGA-V', 120, 1, 'FFB - 1050', 100, 2, 1); -- top rod from 120 cm width, cut to FFB - 1050
INSERT INTO FrnSet (ID, Item, FFHMin, UseLen, LenFormula, MinLen, ItemSideNo, Note, Number) VALUES ('ZV-SHT-GL-L', 'ZV-TYAGA-R', 120, 1, 'FFG(3) - 600', 50, 3, 'тяга от привода вниз', 1); -- rod below the gear from 120 cm height: its length follows the handle height (FFG); a low own handle height makes it too short
INSERT INTO FrnSet (ID, Item, PropKey, ItemSideNo, Number) VALUES ('ZV-SHT-GL-L', 'ZV-SHPR', 14, 2, 1); -- slot ventilation catch when the property is chosen
INSERT INTO FrnSet (ID, Item, StulpType, ScaleCondition, Side1No, ScaleScheme, ScaleNum, Number, ItemSideNo) VALUES ('ZV-SHT-GL-L', 'ZV-ZAPOR-SHT', 12, 3, 3, '800;1600', 1, 1, 3); -- stulp-side locks for PVC and aluminium stulps (mask 4+8): 1, plus one per threshold of the side length
INSERT INTO FrnSet (ID, Item, StulpType, Number, ItemSideNo) VALUES ('ZV-SHT-GL-L', 'ZV-ZAPOR-IMP', 16, 2, 3); -- moving mullion (stulp kind 4, mask 16): two special locks
INSERT INTO FrnSet (ID, Item, FFL21No, FFL21Min, ItemSideNo, Note, Number) VALUES ('ZV-SHT-GL-L', 'ZV-ZAPOR-SHT2', 1, 1600, 3, 'высота смежной створки от 1600 мм', 1); -- extra stulp lock when the neighbouring sash is 1600 mm high or more (partner side length)
INSERT INTO FrnSet (ID, Item, FFL22No, FFL22Min, ItemSideNo, Number) VALUES ('ZV-SHT-GL-L', 'ZV-BLOK-SHT', 4, 500, 3, 1); -- stulp blocker needs a neighbouring sash at least 500 mm wide (partner side length)
INSERT INTO FrnSet (ID, Item, StulpType, ColorCondition, ItemSideNo, Number) VALUES ('ZV-SHT-GL-L', 'ZV-NAKL-SHT', 4, 1, 3, 1); -- outer stulp cover in the outer profile colour (ColorCondition 1), PVC stulp only (mask 4)

INSERT INTO FrnComp (ID, "Group", SubGroup, Kipp, Name, SymmetricID, MultiSysID, Image, MaxWeight, ScrColor, TFlugelAvailable, Use, CommonGrp, Direct, Note, Printable, PrintName, Alert, PropKey, DispHingeNum, CompectImage, Material) VALUES ('ZV-SHT-GL-R', 10, 21, 1, 'Штульповое окно: главная правая створка ПО', 'ZV-SHT-GL-L', '', 5, 100, 12632256, 0, 1, 2100, 2, '', 1, 'Штульповое окно: главная правая створка ПО', '', 10, 2, 4, 0);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-SHT-GL-R', 1, 400, 2400, 89.5, 90.5, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 1);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-SHT-GL-R', 2, 400, 1200, 89.5, 90.5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-SHT-GL-R', 3, 400, 2400, 89.5, 90.5, 0, 0, 0, 0, 0, 1, 1, 0, 0, 1, 0);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-SHT-GL-R', 4, 400, 1200, 89.5, 90.5, 0, 0, 0, 0, 0, 1, 2, 0, 0, 0, 1);
INSERT INTO FrnSet (ID, Item, Condition, DefineHandleHeight, HandleSideNo, Required, AlertIfNoArt, ItemSideNo, Number) VALUES ('ZV-SHT-GL-R', 'ZV-PRIVOD', 2, 1, 1, 1, 'Привод «Орбита» поставляется для высоты створки по фальцу от 400 до 2400 мм.', 1, 1); -- gear by sash height (Condition 2); its article fixes the handle height on the handle side
INSERT INTO FrnSet (ID, Item, Number, Required, ItemSideNo, Note) VALUES ('ZV-SHT-GL-R', 'ZV-UGOL', 2, 1, 1, 'верх и низ стороны ручки'); -- two corner drives at the ends of the handle side; required, no own alert text
INSERT INTO FrnSet (ID, Item, FFBMin, ScaleCondition, ScaleStart, ScaleStep, Number, ScaleNum, ItemSideNo) VALUES ('ZV-SHT-GL-R', 'ZV-ZAPOR-V', 80, 1, 80, 40, 0, 1, 2); -- top middle locks from 80 cm width, one more every 40 cm (ScaleStep by FFB)
INSERT INTO FrnSet (ID, Item, FFHMin, ScaleCondition, ScaleStart, ScaleStep, Number, ScaleNum, ItemSideNo) VALUES ('ZV-SHT-GL-R', 'ZV-PRIZHIM', 120, 2, 120, 60, 0, 1, 3); -- hinge-side pressure pieces from 120 cm height, one more every 60 cm (ScaleStep by FFH)
INSERT INTO FrnSet (ID, Item, FFL2No, FFL2Min, ScaleCondition, Side2No, ScaleStart, ScaleStep, Number, ScaleNum, ItemSideNo) VALUES ('ZV-SHT-GL-R', 'ZV-ZAPOR-N', 4, 800, 4, 4, 800, 700, 0, 1, 4); -- bottom middle locks when the bottom side is 800 mm or longer; count by its length (ScaleStep by side 2 length)
INSERT INTO FrnSet (ID, Item, PropKey, ItemSideNo, Note, Number) VALUES ('ZV-SHT-GL-R', 'ZV-MIKRO', 13, 1, 'микролифт', 1); -- microlift only when the property "С микролифтом" is chosen
INSERT INTO FrnSet (ID, Item, PropKey, ScaleCondition, ScaleScheme, ScaleNum, Number, Note) VALUES ('ZV-SHT-GL-R', 'ZV-CAPFA-RC', 11, 2, '80;120;160', 2, 4, 'RC: грибковые цапфы'); -- RC1/RC2: 4 mushroom cams plus 2 per height threshold (ScaleScheme by FFH)
INSERT INTO FrnSet (ID, Item, PropKey, Number, ItemSideNo, Note) VALUES ('ZV-SHT-GL-R', 'ZV-CAPFA-RC', 12, 2, 3, 'RC2: петлевая сторона'); -- RC2 only: two more cams on the hinge side
INSERT INTO FrnSet (ID, Item, FFHMin, UseLen, LenFormula, MinLen, ItemSideNo, Number) VALUES ('ZV-SHT-GL-R', 'ZV-TYAGA-P', 160, 1, 'FFН - 1450', 100, 3, 1); -- hinge-side rod above 160 cm, cut to rebate height minus 1450 (Cyrillic FFН)
INSERT INTO FrnSet (ID, Item, Condition, Required, AlertIfNoArt, ItemSideNo, Number) VALUES ('ZV-SHT-GL-R', 'ZV-NOZH', 1, 1, 'Ножницы «Орбита» поставляются для ширины створки по фальцу от 400 до 1600 мм.', 2, 1); -- scissors by width (Condition 1) and hand; composite: brings its tilt keeper
INSERT INTO FrnSet (ID, Item, FFBMin, UseLen, LenFormula, MinLen, ItemSideNo, Number) VALUES ('ZV-SHT-GL-R', 'ZV-TYAGA-V', 120, 1, 'FFB - 1050', 100, 2, 1); -- top rod from 120 cm width, cut to FFB - 1050
INSERT INTO FrnSet (ID, Item, FFHMin, UseLen, LenFormula, MinLen, ItemSideNo, Note, Number) VALUES ('ZV-SHT-GL-R', 'ZV-TYAGA-R', 120, 1, 'FFG(1) - 600', 50, 1, 'тяга от привода вниз', 1); -- rod below the gear from 120 cm height: its length follows the handle height (FFG); a low own handle height makes it too short
INSERT INTO FrnSet (ID, Item, PropKey, ItemSideNo, Number) VALUES ('ZV-SHT-GL-R', 'ZV-SHPR', 14, 2, 1); -- slot ventilation catch when the property is chosen
INSERT INTO FrnSet (ID, Item, StulpType, ScaleCondition, Side1No, ScaleScheme, ScaleNum, Number, ItemSideNo) VALUES ('ZV-SHT-GL-R', 'ZV-ZAPOR-SHT', 12, 3, 1, '800;1600', 1, 1, 1); -- stulp-side locks for PVC and aluminium stulps (mask 4+8): 1, plus one per threshold of the side length
INSERT INTO FrnSet (ID, Item, StulpType, Number, ItemSideNo) VALUES ('ZV-SHT-GL-R', 'ZV-ZAPOR-IMP', 16, 2, 1); -- moving mullion (stulp kind 4, mask 16): two special locks
INSERT INTO FrnSet (ID, Item, FFL21No, FFL21Min, ItemSideNo, Note, Number) VALUES ('ZV-SHT-GL-R', 'ZV-ZAPOR-SHT2', 3, 1600, 1, 'высота смежной створки от 1600 мм', 1); -- extra stulp lock when the neighbouring sash is 1600 mm high or more (partner side length)
INSERT INTO FrnSet (ID, Item, FFL22No, FFL22Min, ItemSideNo, Number) VALUES ('ZV-SHT-GL-R', 'ZV-BLOK-SHT', 4, 500, 1, 1); -- stulp blocker needs a neighbouring sash at least 500 mm wide (partner side length)
INSERT INTO FrnSet (ID, Item, StulpType, ColorCondition, ItemSideNo, Number) VALUES ('ZV-SHT-GL-R', 'ZV-NAKL-SHT', 4, 1, 1, 1); -- outer stulp cover in the outer profile colour (ColorCondition 1), PVC stulp only (mask 4)

INSERT INTO FrnComp (ID, "Group", SubGroup, Kipp, Name, SymmetricID, MultiSysID, Image, MaxWeight, ScrColor, TFlugelAvailable, Use, CommonGrp, Direct, Note, Printable, PrintName, Alert, PropKey, DispHingeNum, CompectImage, Material) VALUES ('ZV-SHT-VT-L1', 10, 12, 0, 'Штульповое окно: вторая левая створка, поворотная (шпингалеты)', 'ZV-SHT-VT-R1', '', 0, 100, 12632256, 0, 1, 2100, 1, 'шпингалеты выбираются отдельно', 1, 'Штульповое окно: вторая левая створка, поворотная (шпингалеты)', '', 16, 2, 0, 0);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-SHT-VT-L1', 1, 400, 2400, 89.5, 90.5, 0, 0, 0, 0, 0, 1, 3, 0, 0, 1, 0);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-SHT-VT-L1', 2, 300, 1200, 89.5, 90.5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-SHT-VT-L1', 3, 400, 2400, 89.5, 90.5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-SHT-VT-L1', 4, 300, 1200, 89.5, 90.5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO FrnSet (ID, Item, UseIfArt, ScaleCondition, Side1No, ScaleScheme, ScaleNum, Number, Required, ItemSideNo) VALUES ('ZV-SHT-VT-L1', 'ZV-PL-SHT-Z', 'ZV220650', 3, 3, '800;1600', 1, 1, 1, 3); -- stulp plates for the main sash locks: only when the neighbouring sash carries ZV220650 (UseIfArt)
INSERT INTO FrnSet (ID, Item, UseIfArt, Required, ItemSideNo, Number) VALUES ('ZV-SHT-VT-L1', 'ZV-PL-SHT-Z', 'ZV220660', 1, 3, 1); -- one more plate for the extra stulp lock of the main sash
INSERT INTO FrnSet (ID, Item, UseIfArt, ItemSideNo, Number) VALUES ('ZV-SHT-VT-L1', 'ZV-PL-SHT-M', 'ZV240100', 3, 1); -- microlift keeper on the stulp when the main sash has a microlift

INSERT INTO FrnComp (ID, "Group", SubGroup, Kipp, Name, SymmetricID, MultiSysID, Image, MaxWeight, ScrColor, TFlugelAvailable, Use, CommonGrp, Direct, Note, Printable, PrintName, Alert, PropKey, DispHingeNum, CompectImage, Material) VALUES ('ZV-SHT-VT-L2', 10, 13, 1, 'Штульповое окно: вторая левая створка ПО с рычагом', 'ZV-SHT-VT-R2', '', 0, 100, 12632256, 0, 1, 2100, 1, '', 1, 'Штульповое окно: вторая левая створка ПО с рычагом', '', 16, 2, 0, 0);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-SHT-VT-L2', 1, 400, 2400, 89.5, 90.5, 0, 0, 0, 0, 0, 1, 3, 0, 0, 1, 0);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-SHT-VT-L2', 2, 400, 1200, 89.5, 90.5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-SHT-VT-L2', 3, 400, 2400, 89.5, 90.5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-SHT-VT-L2', 4, 400, 1200, 89.5, 90.5, 0, 0, 0, 0, 0, 1, 2, 0, 0, 0, 1);
INSERT INTO FrnSet (ID, Item, UseIfArt, ScaleCondition, Side1No, ScaleScheme, ScaleNum, Number, Required, ItemSideNo) VALUES ('ZV-SHT-VT-L2', 'ZV-PL-SHT-Z', 'ZV220650', 3, 3, '800;1600', 1, 1, 1, 3); -- stulp plates for the main sash locks: only when the neighbouring sash carries ZV220650 (UseIfArt)
INSERT INTO FrnSet (ID, Item, UseIfArt, Required, ItemSideNo, Number) VALUES ('ZV-SHT-VT-L2', 'ZV-PL-SHT-Z', 'ZV220660', 1, 3, 1); -- one more plate for the extra stulp lock of the main sash
INSERT INTO FrnSet (ID, Item, UseIfArt, ItemSideNo, Number) VALUES ('ZV-SHT-VT-L2', 'ZV-PL-SHT-M', 'ZV240100', 3, 1); -- microlift keeper on the stulp when the main sash has a microlift
INSERT INTO FrnSet (ID, Item, Condition, Required, AlertIfNoArt, ItemSideNo, Number) VALUES ('ZV-SHT-VT-L2', 'ZV-PRIVOD-SHT', 2, 1, 'Штульповый механизм для выбранного типа штульпа и высоты створки не поставляется.', 3, 1); -- stulp gear with lever, by height and stulp type
INSERT INTO FrnSet (ID, Item, Number, Required, ItemSideNo, Note) VALUES ('ZV-SHT-VT-L2', 'ZV-UGOL', 2, 1, 3, 'верх и низ штульпа');
INSERT INTO FrnSet (ID, Item, Condition, Required, AlertIfNoArt, ItemSideNo, Number) VALUES ('ZV-SHT-VT-L2', 'ZV-NOZH', 1, 1, 'Ножницы «Орбита» поставляются для ширины створки по фальцу от 400 до 1600 мм.', 2, 1);
INSERT INTO FrnSet (ID, Item, FFBMin, ScaleCondition, ScaleStart, ScaleStep, Number, ScaleNum, ItemSideNo) VALUES ('ZV-SHT-VT-L2', 'ZV-ZAPOR-V', 80, 1, 80, 40, 0, 1, 2);
INSERT INTO FrnSet (ID, Item, FFHMin, ScaleCondition, ScaleStart, ScaleStep, Number, ScaleNum, ItemSideNo) VALUES ('ZV-SHT-VT-L2', 'ZV-PRIZHIM', 120, 2, 120, 60, 0, 1, 1);

INSERT INTO FrnComp (ID, "Group", SubGroup, Kipp, Name, SymmetricID, MultiSysID, Image, MaxWeight, ScrColor, TFlugelAvailable, Use, CommonGrp, Direct, Note, Printable, PrintName, Alert, PropKey, DispHingeNum, CompectImage, Material) VALUES ('ZV-SHT-VT-R1', 10, 22, 0, 'Штульповое окно: вторая правая створка, поворотная (шпингалеты)', 'ZV-SHT-VT-L1', '', 0, 100, 12632256, 0, 1, 2100, 2, 'шпингалеты выбираются отдельно', 1, 'Штульповое окно: вторая правая створка, поворотная (шпингалеты)', '', 16, 2, 0, 0);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-SHT-VT-R1', 1, 400, 2400, 89.5, 90.5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-SHT-VT-R1', 2, 300, 1200, 89.5, 90.5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-SHT-VT-R1', 3, 400, 2400, 89.5, 90.5, 0, 0, 0, 0, 0, 1, 1, 0, 0, 1, 0);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-SHT-VT-R1', 4, 300, 1200, 89.5, 90.5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO FrnSet (ID, Item, UseIfArt, ScaleCondition, Side1No, ScaleScheme, ScaleNum, Number, Required, ItemSideNo) VALUES ('ZV-SHT-VT-R1', 'ZV-PL-SHT-Z', 'ZV220650', 3, 1, '800;1600', 1, 1, 1, 1); -- stulp plates for the main sash locks: only when the neighbouring sash carries ZV220650 (UseIfArt)
INSERT INTO FrnSet (ID, Item, UseIfArt, Required, ItemSideNo, Number) VALUES ('ZV-SHT-VT-R1', 'ZV-PL-SHT-Z', 'ZV220660', 1, 1, 1); -- one more plate for the extra stulp lock of the main sash
INSERT INTO FrnSet (ID, Item, UseIfArt, ItemSideNo, Number) VALUES ('ZV-SHT-VT-R1', 'ZV-PL-SHT-M', 'ZV240100', 1, 1); -- microlift keeper on the stulp when the main sash has a microlift

INSERT INTO FrnComp (ID, "Group", SubGroup, Kipp, Name, SymmetricID, MultiSysID, Image, MaxWeight, ScrColor, TFlugelAvailable, Use, CommonGrp, Direct, Note, Printable, PrintName, Alert, PropKey, DispHingeNum, CompectImage, Material) VALUES ('ZV-SHT-VT-R2', 10, 23, 1, 'Штульповое окно: вторая правая створка ПО с рычагом', 'ZV-SHT-VT-L2', '', 0, 100, 12632256, 0, 1, 2100, 2, '', 1, 'Штульповое окно: вторая правая створка ПО с рычагом', '', 16, 2, 0, 0);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-SHT-VT-R2', 1, 400, 2400, 89.5, 90.5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-SHT-VT-R2', 2, 400, 1200, 89.5, 90.5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-SHT-VT-R2', 3, 400, 2400, 89.5, 90.5, 0, 0, 0, 0, 0, 1, 1, 0, 0, 1, 0);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-SHT-VT-R2', 4, 400, 1200, 89.5, 90.5, 0, 0, 0, 0, 0, 1, 2, 0, 0, 0, 1);
INSERT INTO FrnSet (ID, Item, UseIfArt, ScaleCondition, Side1No, ScaleScheme, ScaleNum, Number, Required, ItemSideNo) VALUES ('ZV-SHT-VT-R2', 'ZV-PL-SHT-Z', 'ZV220650', 3, 1, '800;1600', 1, 1, 1, 1); -- stulp plates for the main sash locks: only when the neighbouring sash carries ZV220650 (UseIfArt)
INSERT INTO FrnSet (ID, Item, UseIfArt, Required, ItemSideNo, Number) VALUES ('ZV-SHT-VT-R2', 'ZV-PL-SHT-Z', 'ZV220660', 1, 1, 1); -- one more plate for the extra stulp lock of the main sash
INSERT INTO FrnSet (ID, Item, UseIfArt, ItemSideNo, Number) VALUES ('ZV-SHT-VT-R2', 'ZV-PL-SHT-M', 'ZV240100', 1, 1); -- microlift keeper on the stulp when the main sash has a microlift
INSERT INTO FrnSet (ID, Item, Condition, Required, AlertIfNoArt, ItemSideNo, Number) VALUES ('ZV-SHT-VT-R2', 'ZV-PRIVOD-SHT', 2, 1, 'Штульповый механизм для выбранного типа штульпа и высоты створки не поставляется.', 1, 1); -- stulp gear with lever, by height and stulp type
INSERT INTO FrnSet (ID, Item, Number, Required, ItemSideNo, Note) VALUES ('ZV-SHT-VT-R2', 'ZV-UGOL', 2, 1, 1, 'верх и низ штульпа');
INSERT INTO FrnSet (ID, Item, Condition, Required, AlertIfNoArt, ItemSideNo, Number) VALUES ('ZV-SHT-VT-R2', 'ZV-NOZH', 1, 1, 'Ножницы «Орбита» поставляются для ширины створки по фальцу от 400 до 1600 мм.', 2, 1);
INSERT INTO FrnSet (ID, Item, FFBMin, ScaleCondition, ScaleStart, ScaleStep, Number, ScaleNum, ItemSideNo) VALUES ('ZV-SHT-VT-R2', 'ZV-ZAPOR-V', 80, 1, 80, 40, 0, 1, 2);
INSERT INTO FrnSet (ID, Item, FFHMin, ScaleCondition, ScaleStart, ScaleStep, Number, ScaleNum, ItemSideNo) VALUES ('ZV-SHT-VT-R2', 'ZV-PRIZHIM', 120, 2, 120, 60, 0, 1, 3);

INSERT INTO FrnComp (ID, "Group", SubGroup, Kipp, Name, SymmetricID, MultiSysID, Image, MaxWeight, ScrColor, TFlugelAvailable, Use, CommonGrp, Direct, Note, Printable, PrintName, Alert, PropKey, DispHingeNum, CompectImage, Material) VALUES ('ZV-TRAP-3', 10, 0, 0, 'Трапеция, короткая сторона слева (поворотная)', 'ZV-TRAP-4', '', 1, 80, 12632256, 0, 1, 2100, 1, '', 1, 'Трапеция, короткая сторона слева (поворотная)', '', 16, 2, 0, 0);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-TRAP-3', 1, 300, 2000, 89.5, 90.5, 0, 0, 0, 0, 0, 1, 3, 0, 0, 1, 0);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-TRAP-3', 2, 400, 2500, 90.5, 150.0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-TRAP-3', 3, 400, 2400, 30.0, 89.5, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 1);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-TRAP-3', 4, 400, 1600, 89.5, 90.5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1);
INSERT INTO FrnSet (ID, Item, Condition, Side1No, DefineHandleHeight, HandleSideNo, Required, ItemSideNo, Number) VALUES ('ZV-TRAP-3', 'ZV-PRIVOD-C', 4, 3, 1, 3, 1, 3, 1); -- gear chosen by the handle side length (Condition 4); HandleHeight 0: handle at half that side
INSERT INTO FrnSet (ID, Item, Condition, AngleNo, Required, ItemSideNo, Note, Number) VALUES ('ZV-TRAP-3', 'ZV-UGOL-A', 7, 3, 1, 3, 'верхний угол стороны ручки', 1); -- hinged corner drive chosen by the acute corner angle (Condition 7)
INSERT INTO FrnSet (ID, Item, Number, Required, ItemSideNo, Note) VALUES ('ZV-TRAP-3', 'ZV-UGOL', 1, 1, 3, 'нижний угол стороны ручки');
INSERT INTO FrnSet (ID, Item, FFL1No, FFL1Min, FFANo, FFAMin, FFAMax, ScaleCondition, Side1No, ScaleStart, ScaleStep, Number, ScaleNum, ItemSideNo) VALUES ('ZV-TRAP-3', 'ZV-ZAPOR-KOS', 2, 800, 3, 45.0, 89.5, 3, 2, 800, 600, 0, 1, 2); -- locks on the slope: slope from 800 mm and acute corner 45..89.5 deg; one more every 600 mm of slope
INSERT INTO FrnSet (ID, Item, FFL1No, FFL1Min, UseLen, LenFormula, MinLen, ItemSideNo, Number) VALUES ('ZV-TRAP-3', 'ZV-TYAGA-KOS', 2, 600, 1, 'FFL(2) - 400', 100, 2, 1); -- slope rod from 600 mm slope length, cut to FFL(2) - 400
INSERT INTO FrnSet (ID, Item, FFL2No, FFL2Min, ScaleCondition, Side2No, ScaleStart, ScaleStep, Number, ScaleNum, ItemSideNo) VALUES ('ZV-TRAP-3', 'ZV-ZAPOR-N', 4, 800, 4, 4, 800, 700, 0, 1, 4);
INSERT INTO FrnSet (ID, Item, PropKey, ItemSideNo, Note, Number) VALUES ('ZV-TRAP-3', 'ZV-MIKRO', 13, 3, 'микролифт', 1);

INSERT INTO FrnComp (ID, "Group", SubGroup, Kipp, Name, SymmetricID, MultiSysID, Image, MaxWeight, ScrColor, TFlugelAvailable, Use, CommonGrp, Direct, Note, Printable, PrintName, Alert, PropKey, DispHingeNum, CompectImage, Material) VALUES ('ZV-TRAP-4', 10, 0, 0, 'Трапеция, короткая сторона справа (поворотная)', 'ZV-TRAP-3', '', 2, 80, 12632256, 0, 1, 2100, 2, '', 1, 'Трапеция, короткая сторона справа (поворотная)', '', 16, 2, 0, 0);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-TRAP-4', 1, 400, 2400, 89.5, 90.5, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 1);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-TRAP-4', 2, 400, 2500, 30.0, 89.5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-TRAP-4', 3, 300, 2000, 90.5, 150.0, 0, 0, 0, 0, 0, 1, 1, 0, 0, 1, 0);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-TRAP-4', 4, 400, 1600, 89.5, 90.5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1);
INSERT INTO FrnSet (ID, Item, Condition, Side1No, DefineHandleHeight, HandleSideNo, Required, ItemSideNo, Number) VALUES ('ZV-TRAP-4', 'ZV-PRIVOD-C', 4, 1, 1, 1, 1, 1, 1); -- gear chosen by the handle side length (Condition 4); HandleHeight 0: handle at half that side
INSERT INTO FrnSet (ID, Item, Condition, AngleNo, Required, ItemSideNo, Note, Number) VALUES ('ZV-TRAP-4', 'ZV-UGOL-A', 7, 2, 1, 1, 'верхний угол стороны ручки', 1); -- hinged corner drive chosen by the acute corner angle (Condition 7)
INSERT INTO FrnSet (ID, Item, Number, Required, ItemSideNo, Note) VALUES ('ZV-TRAP-4', 'ZV-UGOL', 1, 1, 1, 'нижний угол стороны ручки');
INSERT INTO FrnSet (ID, Item, FFL1No, FFL1Min, FFANo, FFAMin, FFAMax, ScaleCondition, Side1No, ScaleStart, ScaleStep, Number, ScaleNum, ItemSideNo) VALUES ('ZV-TRAP-4', 'ZV-ZAPOR-KOS', 2, 800, 2, 45.0, 89.5, 3, 2, 800, 600, 0, 1, 2); -- locks on the slope: slope from 800 mm and acute corner 45..89.5 deg; one more every 600 mm of slope
INSERT INTO FrnSet (ID, Item, FFL1No, FFL1Min, UseLen, LenFormula, MinLen, ItemSideNo, Number) VALUES ('ZV-TRAP-4', 'ZV-TYAGA-KOS', 2, 600, 1, 'FFL(2) - 400', 100, 2, 1); -- slope rod from 600 mm slope length, cut to FFL(2) - 400
INSERT INTO FrnSet (ID, Item, FFL2No, FFL2Min, ScaleCondition, Side2No, ScaleStart, ScaleStep, Number, ScaleNum, ItemSideNo) VALUES ('ZV-TRAP-4', 'ZV-ZAPOR-N', 4, 800, 4, 4, 800, 700, 0, 1, 4);
INSERT INTO FrnSet (ID, Item, PropKey, ItemSideNo, Note, Number) VALUES ('ZV-TRAP-4', 'ZV-MIKRO', 13, 1, 'микролифт', 1);

INSERT INTO FrnComp (ID, "Group", SubGroup, Kipp, Name, SymmetricID, MultiSysID, Image, MaxWeight, ScrColor, TFlugelAvailable, Use, CommonGrp, Direct, Note, Printable, PrintName, Alert, PropKey, DispHingeNum, CompectImage, Material) VALUES ('ZV-TRI-5', 10, 0, 0, 'Треугольная створка, вертикальная сторона справа (поворотная)', 'ZV-TRI-6', '', 2, 60, 12632256, 0, 1, 2100, 2, '', 1, 'Треугольная створка, вертикальная сторона справа (поворотная)', '', 16, 2, 0, 0);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-TRI-5', 1, 500, 2800, 20.0, 70.0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 1);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-TRI-5', 2, 300, 2000, 20.0, 70.0, 0, 0, 0, 0, 0, 1, 1, 0, 0, 1, 0);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-TRI-5', 3, 300, 2000, 89.5, 90.5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1);
INSERT INTO FrnSet (ID, Item, Condition, Side1No, DefineHandleHeight, HandleSideNo, Required, ItemSideNo, Number) VALUES ('ZV-TRI-5', 'ZV-PRIVOD-C', 4, 1, 1, 1, 1, 1, 1); -- gear on the hypotenuse by its length (Condition 4), handle in its middle
INSERT INTO FrnSet (ID, Item, Condition, AngleNo, Required, ItemSideNo, Number) VALUES ('ZV-TRI-5', 'ZV-UGOL-A', 7, 1, 1, 1, 1); -- corner drive between hypotenuse and bottom, by that angle (Condition 7)
INSERT INTO FrnSet (ID, Item, FFL1No, FFL1Min, FFANo, FFAMin, FFAMax, ItemSideNo, Number) VALUES ('ZV-TRI-5', 'ZV-ZAPOR-KOS', 1, 900, 1, 25.0, 65.0, 1, 1); -- lock on the hypotenuse from 900 mm when the bottom corner lies between 25 and 65 deg
INSERT INTO FrnSet (ID, Item, FFL2No, FFL2Min, ItemSideNo, Number) VALUES ('ZV-TRI-5', 'ZV-ZAPOR-N', 3, 800, 3, 1); -- bottom lock from 800 mm bottom length

INSERT INTO FrnComp (ID, "Group", SubGroup, Kipp, Name, SymmetricID, MultiSysID, Image, MaxWeight, ScrColor, TFlugelAvailable, Use, CommonGrp, Direct, Note, Printable, PrintName, Alert, PropKey, DispHingeNum, CompectImage, Material) VALUES ('ZV-TRI-6', 10, 0, 0, 'Треугольная створка, вертикальная сторона слева (поворотная)', 'ZV-TRI-5', '', 1, 60, 12632256, 0, 1, 2100, 1, '', 1, 'Треугольная створка, вертикальная сторона слева (поворотная)', '', 16, 2, 0, 0);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-TRI-6', 1, 300, 2000, 89.5, 90.5, 0, 0, 0, 0, 0, 1, 2, 0, 0, 1, 0);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-TRI-6', 2, 500, 2800, 20.0, 70.0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 1);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-TRI-6', 3, 300, 2000, 20.0, 70.0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1);
INSERT INTO FrnSet (ID, Item, Condition, Side1No, DefineHandleHeight, HandleSideNo, Required, ItemSideNo, Number) VALUES ('ZV-TRI-6', 'ZV-PRIVOD-C', 4, 2, 1, 2, 1, 2, 1); -- gear on the hypotenuse by its length (Condition 4), handle in its middle
INSERT INTO FrnSet (ID, Item, Condition, AngleNo, Required, ItemSideNo, Number) VALUES ('ZV-TRI-6', 'ZV-UGOL-A', 7, 3, 1, 2, 1); -- corner drive between hypotenuse and bottom, by that angle (Condition 7)
INSERT INTO FrnSet (ID, Item, FFL1No, FFL1Min, FFANo, FFAMin, FFAMax, ItemSideNo, Number) VALUES ('ZV-TRI-6', 'ZV-ZAPOR-KOS', 2, 900, 3, 25.0, 65.0, 2, 1); -- lock on the hypotenuse from 900 mm when the bottom corner lies between 25 and 65 deg
INSERT INTO FrnSet (ID, Item, FFL2No, FFL2Min, ItemSideNo, Number) VALUES ('ZV-TRI-6', 'ZV-ZAPOR-N', 3, 800, 3, 1); -- bottom lock from 800 mm bottom length

INSERT INTO FrnComp (ID, "Group", SubGroup, Kipp, Name, SymmetricID, MultiSysID, Image, MaxWeight, ScrColor, TFlugelAvailable, Use, CommonGrp, Direct, Note, Printable, PrintName, Alert, PropKey, DispHingeNum, CompectImage, Material) VALUES ('ZV-ARKA-S', 10, 0, 1, 'Арка сегментная, поворотно-откидная', '', '', 4, 80, 12632256, 0, 1, 2100, 1, '', 1, 'Арка сегментная, поворотно-откидная', '', 10, 2, 0, 0);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-ARKA-S', 1, 400, 2200, 89.5, 90.5, 0, 0, 0, 0, 0, 1, 3, 0, 0, 1, 0);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-ARKA-S', 2, 400, 1600, 90.5, 179.5, 400, 5000, 0, 1, 0, 0, 0, 0, 0, 0, 1);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-ARKA-S', 3, 400, 2200, 90.5, 179.5, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 1);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-ARKA-S', 4, 400, 1600, 89.5, 90.5, 0, 0, 0, 0, 0, 1, 2, 0, 0, 0, 1);
INSERT INTO FrnSet (ID, Item, Condition, Side1No, DefineHandleHeight, HandleSideNo, Required, ItemSideNo, Number) VALUES ('ZV-ARKA-S', 'ZV-PRIVOD-C', 4, 3, 1, 3, 1, 3, 1); -- gear by the length of the straight handle side (Condition 4)
INSERT INTO FrnSet (ID, Item, Condition, AngleNo, Required, ItemSideNo, Note, Number) VALUES ('ZV-ARKA-S', 'ZV-UGOL-A', 7, 3, 1, 3, 'угол арки', 1); -- corner drive at the arch springing, by its angle (Condition 7)
INSERT INTO FrnSet (ID, Item, Number, Required, ItemSideNo, Note) VALUES ('ZV-ARKA-S', 'ZV-UGOL', 1, 1, 3, 'нижний угол');
INSERT INTO FrnSet (ID, Item, Condition, Side1No, Required, AlertIfNoArt, ItemSideNo, Number) VALUES ('ZV-ARKA-S', 'ZV-NOZH-A', 8, 2, 1, 'Арочные ножницы поставляются для радиуса от 200 до 5000 мм.', 2, 1); -- arched scissors by the arch radius (Condition 8)
INSERT INTO FrnSet (ID, Item, FFR1No, FFR1Type, FFR1Min, FFR1Max, UseLen, LenFormula, MinLen, ItemSideNo, Number) VALUES ('ZV-ARKA-S', 'ZV-TYAGA-DUGA', 2, 4, 400, 5000, 1, 'FFL(2) + 150', 300, 2, 1); -- arched rod for a segment arc only (arc type mask 4)
INSERT INTO FrnSet (ID, Item, FFR1No, FFR1Type, UseLen, LenFormula, MinLen, ItemSideNo, Number) VALUES ('ZV-ARKA-S', 'ZV-TYAGA-POLU', 2, 2, 1, 'FFL(2) * 1.5708 - 200', 300, 2, 1); -- arched rod for a semicircle only (arc type mask 2): half the circumference minus 200
INSERT INTO FrnSet (ID, Item, FFR1No, FFR1Type, FFR1Max, ItemSideNo, Number) VALUES ('ZV-ARKA-S', 'ZV-UPOR-DUGA', 2, 1, 800, 2, 1); -- support for small radii up to 800 mm, any side kind (mask 1)
INSERT INTO FrnSet (ID, Item, FFR2No, FFR2Type, FFR2Min, ItemSideNo, Number) VALUES ('ZV-ARKA-S', 'ZV-ZAPOR-DUGA', 2, 6, 1000, 2, 1); -- arc middle lock from 1000 mm radius, semicircle or segment (second radius test, mask 2+4)
INSERT INTO FrnSet (ID, Item, FFL2No, FFL2Min, ScaleCondition, Side2No, ScaleStart, ScaleStep, Number, ScaleNum, ItemSideNo) VALUES ('ZV-ARKA-S', 'ZV-ZAPOR-N', 4, 800, 4, 4, 800, 700, 0, 1, 4);
INSERT INTO FrnSet (ID, Item, PropKey, ItemSideNo, Note, Number) VALUES ('ZV-ARKA-S', 'ZV-MIKRO', 13, 3, 'микролифт', 1);

INSERT INTO FrnComp (ID, "Group", SubGroup, Kipp, Name, SymmetricID, MultiSysID, Image, MaxWeight, ScrColor, TFlugelAvailable, Use, CommonGrp, Direct, Note, Printable, PrintName, Alert, PropKey, DispHingeNum, CompectImage, Material) VALUES ('ZV-ARKA-K', 10, 0, 1, 'Арка полуциркульная, поворотно-откидная', '', '', 4, 80, 12632256, 0, 1, 2100, 1, '', 1, 'Арка полуциркульная, поворотно-откидная', '', 10, 2, 0, 0);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-ARKA-K', 1, 400, 2200, 89.5, 90.5, 0, 0, 0, 0, 0, 1, 3, 0, 0, 1, 0);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-ARKA-K', 2, 400, 1600, 179.0, 181.0, 200, 800, 1, 0, 0, 0, 0, 0, 0, 0, 1);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-ARKA-K', 3, 400, 2200, 179.0, 181.0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 1);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-ARKA-K', 4, 400, 1600, 89.5, 90.5, 0, 0, 0, 0, 0, 1, 2, 0, 0, 0, 1);
INSERT INTO FrnSet (ID, Item, Condition, Side1No, DefineHandleHeight, HandleSideNo, Required, ItemSideNo, Number) VALUES ('ZV-ARKA-K', 'ZV-PRIVOD-C', 4, 3, 1, 3, 1, 3, 1); -- gear by the length of the straight handle side (Condition 4)
INSERT INTO FrnSet (ID, Item, Condition, AngleNo, Required, ItemSideNo, Note, Number) VALUES ('ZV-ARKA-K', 'ZV-UGOL-A', 7, 3, 1, 3, 'угол арки', 1); -- corner drive at the arch springing, by its angle (Condition 7)
INSERT INTO FrnSet (ID, Item, Number, Required, ItemSideNo, Note) VALUES ('ZV-ARKA-K', 'ZV-UGOL', 1, 1, 3, 'нижний угол');
INSERT INTO FrnSet (ID, Item, Condition, Side1No, Required, AlertIfNoArt, ItemSideNo, Number) VALUES ('ZV-ARKA-K', 'ZV-NOZH-A', 8, 2, 1, 'Арочные ножницы поставляются для радиуса от 200 до 5000 мм.', 2, 1); -- arched scissors by the arch radius (Condition 8)
INSERT INTO FrnSet (ID, Item, FFR1No, FFR1Type, FFR1Min, FFR1Max, UseLen, LenFormula, MinLen, ItemSideNo, Number) VALUES ('ZV-ARKA-K', 'ZV-TYAGA-DUGA', 2, 4, 400, 5000, 1, 'FFL(2) + 150', 300, 2, 1); -- arched rod for a segment arc only (arc type mask 4)
INSERT INTO FrnSet (ID, Item, FFR1No, FFR1Type, UseLen, LenFormula, MinLen, ItemSideNo, Number) VALUES ('ZV-ARKA-K', 'ZV-TYAGA-POLU', 2, 2, 1, 'FFL(2) * 1.5708 - 200', 300, 2, 1); -- arched rod for a semicircle only (arc type mask 2): half the circumference minus 200
INSERT INTO FrnSet (ID, Item, FFR1No, FFR1Type, FFR1Max, ItemSideNo, Number) VALUES ('ZV-ARKA-K', 'ZV-UPOR-DUGA', 2, 1, 800, 2, 1); -- support for small radii up to 800 mm, any side kind (mask 1)
INSERT INTO FrnSet (ID, Item, FFR2No, FFR2Type, FFR2Min, ItemSideNo, Number) VALUES ('ZV-ARKA-K', 'ZV-ZAPOR-DUGA', 2, 6, 1000, 2, 1); -- arc middle lock from 1000 mm radius, semicircle or segment (second radius test, mask 2+4)
INSERT INTO FrnSet (ID, Item, FFL2No, FFL2Min, ScaleCondition, Side2No, ScaleStart, ScaleStep, Number, ScaleNum, ItemSideNo) VALUES ('ZV-ARKA-K', 'ZV-ZAPOR-N', 4, 800, 4, 4, 800, 700, 0, 1, 4);
INSERT INTO FrnSet (ID, Item, PropKey, ItemSideNo, Note, Number) VALUES ('ZV-ARKA-K', 'ZV-MIKRO', 13, 3, 'микролифт', 1);

INSERT INTO FrnComp (ID, "Group", SubGroup, Kipp, Name, SymmetricID, MultiSysID, Image, MaxWeight, ScrColor, TFlugelAvailable, Use, CommonGrp, Direct, Note, Printable, PrintName, Alert, PropKey, DispHingeNum, CompectImage, Material) VALUES ('ZV-PETLI-100', 20, 0, 0, 'Петли стандартные до 100/130 кг', '', '', 21, 0, 3968060, 1, 1, 2100, 0, '', 1, 'Петли стандартные до 100/130 кг', '', 30, 0, 0, 0);
INSERT INTO FrnSet (ID, Item, Number) VALUES ('ZV-PETLI-100', 'ZV-KOMPL-PETLI', 1); -- virtual hinge group: no article of its own, its parts come from the composite table
INSERT INTO FrnSet (ID, Item, ScaleCondition, ScaleScheme, ScaleNum, Number, Note) VALUES ('ZV-PETLI-100', 'ZV-PETLYA-SR', 2, '170;220', 1, 0, 'средние петли'); -- middle hinges: one from 170 cm, two from 220 cm height (ScaleScheme by FFH)

INSERT INTO FrnComp (ID, "Group", SubGroup, Kipp, Name, SymmetricID, MultiSysID, Image, MaxWeight, ScrColor, TFlugelAvailable, Use, CommonGrp, Direct, Note, Printable, PrintName, Alert, PropKey, DispHingeNum, CompectImage, Material) VALUES ('ZV-PETLI-SKR', 20, 0, 0, 'Петли скрытые', '', '', 23, 0, 3968060, 0, 1, 2100, 0, 'только ПВХ', 1, 'Петли скрытые', '', 0, 0, 0, 1);
INSERT INTO FrnSet (ID, Item, Required, ItemSideNo, Number) VALUES ('ZV-PETLI-SKR', 'ZV-PETLYA-SKR-N', 1, 4, 1); -- concealed bottom hinge by weight class and hand
INSERT INTO FrnSet (ID, Item, Required, ItemSideNo, Number) VALUES ('ZV-PETLI-SKR', 'ZV-PETLYA-SKR-V', 1, 2, 1); -- concealed top hinge by weight class

INSERT INTO FrnComp (ID, "Group", SubGroup, Kipp, Name, SymmetricID, MultiSysID, Image, MaxWeight, ScrColor, TFlugelAvailable, Use, CommonGrp, Direct, Note, Printable, PrintName, Alert, PropKey, DispHingeNum, CompectImage, Material) VALUES ('ZV-PETLI-130', 22, 0, 0, 'Петли усиленные до 130 кг (окна и балконные двери)', '', '', 22, 0, 3968060, 1, 1, 2100, 0, '', 1, 'Петли усиленные до 130 кг (окна и балконные двери)', '', 0, 0, 0, 0);
INSERT INTO FrnSet (ID, Item, Required, AlertIfNoArt, Number) VALUES ('ZV-PETLI-130', 'ZV-PETLYA-U130', 1, 'Петля угловая до 130 кг поставляется только для фальцлюфта 12 мм.', 1);
INSERT INTO FrnSet (ID, Item, Required, Number) VALUES ('ZV-PETLI-130', 'ZV-PETLYA-N', 1, 1);
INSERT INTO FrnSet (ID, Item, FFHMin, Number) VALUES ('ZV-PETLI-130', 'ZV-PETLYA-SR', 150, 1);

INSERT INTO FrnComp (ID, "Group", SubGroup, Kipp, Name, SymmetricID, MultiSysID, Image, MaxWeight, ScrColor, TFlugelAvailable, Use, CommonGrp, Direct, Note, Printable, PrintName, Alert, PropKey, DispHingeNum, CompectImage, Material) VALUES ('ZV-RUCHKA-STD', 30, 0, 0, 'Ручка оконная «Орбита»', '', 'ECO', 0, 0, 12632256, 1, 1, 2100, 0, '', 1, 'Ручка оконная «Орбита»', '', 20, 0, 0, 0);
INSERT INTO FrnSet (ID, Item, PropKey, Required, AlertIfNoArt, Number) VALUES ('ZV-RUCHKA-STD', 'ZV-RUCHKA', 21, 1, 'Ручка «Орбита» в выбранном цвете накладок не поставляется.', 1); -- standard handle in the cover colour; white offers two articles (alternatives list)
INSERT INTO FrnSet (ID, Item, PropKey, Required, AlertIfNoArt, Number) VALUES ('ZV-RUCHKA-STD', 'ZV-RUCHKA-KL', 22, 1, 'Ручка с ключом поставляется в цветах: серебро, белый, коричневый.', 1); -- lockable handle when chosen
INSERT INTO FrnSet (ID, Item, PropKey, Required, Number) VALUES ('ZV-RUCHKA-STD', 'ZV-RUCHKA-KN', 23, 1, 1); -- push-button handle when chosen; required without own alert
INSERT INTO FrnSet (ID, Item, Number) VALUES ('ZV-RUCHKA-STD', 'ZV-SHTIFT', 1); -- spindle by profile width

INSERT INTO FrnComp (ID, "Group", SubGroup, Kipp, Name, SymmetricID, MultiSysID, Image, MaxWeight, ScrColor, TFlugelAvailable, Use, CommonGrp, Direct, Note, Printable, PrintName, Alert, PropKey, DispHingeNum, CompectImage, Material) VALUES ('ZV-RUCHKA-ECO', 30, 0, 0, 'Ручка оконная «Эконом»', '', 'STD', 0, 0, 12632256, 1, 1, 2102, 0, '', 1, 'Ручка оконная «Эконом»', '', 0, 0, 0, 0);
INSERT INTO FrnSet (ID, Item, Required, AlertIfNoArt, Number) VALUES ('ZV-RUCHKA-ECO', 'ZV-RUCHKA-E', 1, 'Ручка «Эконом» поставляется в цветах: серебро, белый, коричневый.', 1);
INSERT INTO FrnSet (ID, Item, Number) VALUES ('ZV-RUCHKA-ECO', 'ZV-SHTIFT', 1);

INSERT INTO FrnComp (ID, "Group", SubGroup, Kipp, Name, SymmetricID, MultiSysID, Image, MaxWeight, ScrColor, TFlugelAvailable, Use, CommonGrp, Direct, Note, Printable, PrintName, Alert, PropKey, DispHingeNum, CompectImage, Material) VALUES ('ZV-RUCHKA-BALK', 32, 0, 0, 'Ручка балконная (ракушка)', '', '', 0, 0, 12632256, 1, 1, 0, 0, '', 1, 'Ручка балконная (ракушка)', '', 0, 0, 0, 0);
INSERT INTO FrnSet (ID, Item, Required, Note, Number) VALUES ('ZV-RUCHKA-BALK', 'ZV-RUCHKA-B', 1, 'снаружи балконной двери', 1);

INSERT INTO FrnComp (ID, "Group", SubGroup, Kipp, Name, SymmetricID, MultiSysID, Image, MaxWeight, ScrColor, TFlugelAvailable, Use, CommonGrp, Direct, Note, Printable, PrintName, Alert, PropKey, DispHingeNum, CompectImage, Material) VALUES ('ZV-ZAMOK-OKNO', 40, 0, 0, 'Замок-блокиратор оконный с ключом', '', '', 0, 0, 4210752, 1, 1, 2100, 0, '', 1, 'Замок-блокиратор оконный с ключом', '', 0, 0, 0, 0);
INSERT INTO FrnSet (ID, Item, Required, Number) VALUES ('ZV-ZAMOK-OKNO', 'ZV-BLOK-KL', 1, 1);

INSERT INTO FrnComp (ID, "Group", SubGroup, Kipp, Name, SymmetricID, MultiSysID, Image, MaxWeight, ScrColor, TFlugelAvailable, Use, CommonGrp, Direct, Note, Printable, PrintName, Alert, PropKey, DispHingeNum, CompectImage, Material) VALUES ('ZV-ZASCH-BALK', 42, 0, 0, 'Защёлка балконная', '', '', 0, 0, 4210752, 1, 1, 0, 0, '', 1, 'Защёлка балконная', '', 0, 0, 0, 0);
INSERT INTO FrnSet (ID, Item, Required, Number) VALUES ('ZV-ZASCH-BALK', 'ZV-ZASCH-B', 1, 1);

INSERT INTO FrnComp (ID, "Group", SubGroup, Kipp, Name, SymmetricID, MultiSysID, Image, MaxWeight, ScrColor, TFlugelAvailable, Use, CommonGrp, Direct, Note, Printable, PrintName, Alert, PropKey, DispHingeNum, CompectImage, Material) VALUES ('ZV-SHPING-OKNO', 46, 0, 0, 'Шпингалеты торцевые для штульповой створки', '', '', 0, 0, 4210752, 0, 1, 2100, 0, '', 1, 'Шпингалеты торцевые для штульповой створки', '', 0, 0, 0, 0);
INSERT INTO FrnSet (ID, Item, Required, AlertIfNoArt, Number) VALUES ('ZV-SHPING-OKNO', 'ZV-SHPING-T', 1, 'Торцевые шпингалеты для выбранного типа штульпа не поставляются.', 1); -- flush bolts by stulp type
INSERT INTO FrnSet (ID, Item, FFHMin, UseLen, LenFormula, MinLen, Number) VALUES ('ZV-SHPING-OKNO', 'ZV-SHPING-UDL', 160, 1, 'FRH - 1400', 100, 1); -- extension of the top bolt from 160 cm height, cut to FRH - 1400

INSERT INTO FrnComp (ID, "Group", SubGroup, Kipp, Name, SymmetricID, MultiSysID, Image, MaxWeight, ScrColor, TFlugelAvailable, Use, CommonGrp, Direct, Note, Printable, PrintName, Alert, PropKey, DispHingeNum, CompectImage, Material) VALUES ('ZV-DOP-RC2', 70, 0, 0, 'Пакет противовзлома RC2 (доп. комплект)', '', '', 0, 0, 12632256, 1, 1, 2101, 0, '', 1, 'Пакет противовзлома RC2 (доп. комплект)', 'Только для системы «Орбита».', 0, 0, 0, 0);
INSERT INTO FrnSet (ID, Item, Number) VALUES ('ZV-DOP-RC2', 'ZV-PAKET-RC2', 1); -- composite element with a virtual article: the pack itself is never listed, its parts are

INSERT INTO FrnComp (ID, "Group", SubGroup, Kipp, Name, SymmetricID, MultiSysID, Image, MaxWeight, ScrColor, TFlugelAvailable, Use, CommonGrp, Direct, Note, Printable, PrintName, Alert, PropKey, DispHingeNum, CompectImage, Material) VALUES ('ZV-DOP-OGR', 70, 0, 0, 'Ограничитель открывания', '', '', 0, 0, 12632256, 1, 1, 0, 0, '', 1, 'Ограничитель открывания', '', 0, 0, 0, 0);
INSERT INTO FrnSet (ID, Item, ItemSideNo, Note, Number) VALUES ('ZV-DOP-OGR', 'ZV-OGR', 2, 'верх створки', 1);

INSERT INTO FrnComp (ID, "Group", SubGroup, Kipp, Name, SymmetricID, MultiSysID, Image, MaxWeight, ScrColor, TFlugelAvailable, Use, CommonGrp, Direct, Note, Printable, PrintName, Alert, PropKey, DispHingeNum, CompectImage, Material) VALUES ('ZV-DOP-SHPR', 70, 0, 0, 'Щелевое проветривание (доп. комплект)', '', '', 0, 0, 12632256, 0, 1, 2100, 0, '', 1, 'Щелевое проветривание (доп. комплект)', '', 0, 0, 0, 0);
INSERT INTO FrnSet (ID, Item, ItemSideNo, Number) VALUES ('ZV-DOP-SHPR', 'ZV-SHPR', 2, 1);

INSERT INTO FrnComp (ID, "Group", SubGroup, Kipp, Name, SymmetricID, MultiSysID, Image, MaxWeight, ScrColor, TFlugelAvailable, Use, CommonGrp, Direct, Note, Printable, PrintName, Alert, PropKey, DispHingeNum, CompectImage, Material) VALUES ('ZV-FRAM-KOMPL', 60, 0, 0, 'Механизм фрамужный с ручкой', '', '', 0, 0, 4210752, 0, 1, 2100, 0, '', 1, 'Механизм фрамужный с ручкой', '', 0, 0, 0, 0);
INSERT INTO FrnSet (ID, Item, Number) VALUES ('ZV-FRAM-KOMPL', 'ZV-FRAM', 1); -- transom opener set: virtual article, parts (mechanism, rod, handle) from the composite table
INSERT INTO FrnSet (ID, Item, FFBMin, UseLen, LenFormula, MinLen, ItemSideNo, Number) VALUES ('ZV-FRAM-KOMPL', 'ZV-TYAGA-V', 120, 1, 'FB - 1050', 100, 2, 1); -- the opener rod runs along the top from 120 cm width

INSERT INTO FrnComp (ID, "Group", SubGroup, Kipp, Name, SymmetricID, MultiSysID, Image, MaxWeight, ScrColor, TFlugelAvailable, Use, CommonGrp, Direct, Note, Printable, PrintName, Alert, PropKey, DispHingeNum, CompectImage, Material) VALUES ('ZV-DV-L', 11, 0, 0, 'Дверь поворотная, петли слева', 'ZV-DV-R', '', 1, 120, 10513990, 0, 1, 2200, 1, '', 1, 'Дверь поворотная, петли слева', '', 50, 3, 0, 0);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-DV-L', 1, 1800, 2500, 89.5, 90.5, 0, 0, 0, 0, 0, 1, 3, 0, 0, 1, 0);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-DV-L', 2, 700, 1300, 89.5, 90.5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-DV-L', 3, 1800, 2500, 89.5, 90.5, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 1);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-DV-L', 4, 700, 1300, 89.5, 90.5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO FrnSet (ID, Item, Note, Number) VALUES ('ZV-DV-L', 'ZV-DV-UPOR', 'монтируется на пол', 1); -- floor stop, optional
INSERT INTO FrnSet (ID, Item, PropKey, UseLen, LenFormula, MinLen, ItemSideNo, Number) VALUES ('ZV-DV-L', 'ZV-DV-POROG-N', 51, 1, 'FFB - 10', 400, 4, 1); -- low threshold when chosen, cut to FFB - 10
INSERT INTO FrnSet (ID, Item, PropKey, UseLen, LenFormula, MinLen, ItemSideNo, Number) VALUES ('ZV-DV-L', 'ZV-DV-POROG-S', 52, 1, 'FB - 10', 400, 4, 1); -- standard threshold when chosen, cut to FB - 10
INSERT INTO FrnSet (ID, Item, UseLen, LenFormula, MinLen, ItemSideNo, Number) VALUES ('ZV-DV-L', 'ZV-DV-NAKL', 1, 'FRH - 40', 1500, 3, 1); -- rebate cover on the handle side, cut to FRH - 40
INSERT INTO FrnSet (ID, Item, FFHMin, ItemSideNo, Number) VALUES ('ZV-DV-L', 'ZV-DV-ZAPOR-V', 220, 2, 1); -- top lock for doors from 220 cm

INSERT INTO FrnComp (ID, "Group", SubGroup, Kipp, Name, SymmetricID, MultiSysID, Image, MaxWeight, ScrColor, TFlugelAvailable, Use, CommonGrp, Direct, Note, Printable, PrintName, Alert, PropKey, DispHingeNum, CompectImage, Material) VALUES ('ZV-DV-R', 11, 0, 0, 'Дверь поворотная, петли справа', 'ZV-DV-L', '', 2, 120, 10513990, 0, 1, 2200, 2, '', 1, 'Дверь поворотная, петли справа', '', 50, 3, 0, 0);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-DV-R', 1, 1800, 2500, 89.5, 90.5, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 1);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-DV-R', 2, 700, 1300, 89.5, 90.5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-DV-R', 3, 1800, 2500, 89.5, 90.5, 0, 0, 0, 0, 0, 1, 1, 0, 0, 1, 0);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-DV-R', 4, 700, 1300, 89.5, 90.5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO FrnSet (ID, Item, Note, Number) VALUES ('ZV-DV-R', 'ZV-DV-UPOR', 'монтируется на пол', 1); -- floor stop, optional
INSERT INTO FrnSet (ID, Item, PropKey, UseLen, LenFormula, MinLen, ItemSideNo, Number) VALUES ('ZV-DV-R', 'ZV-DV-POROG-N', 51, 1, 'FFB - 10', 400, 4, 1); -- low threshold when chosen, cut to FFB - 10
INSERT INTO FrnSet (ID, Item, PropKey, UseLen, LenFormula, MinLen, ItemSideNo, Number) VALUES ('ZV-DV-R', 'ZV-DV-POROG-S', 52, 1, 'FB - 10', 400, 4, 1); -- standard threshold when chosen, cut to FB - 10
INSERT INTO FrnSet (ID, Item, UseLen, LenFormula, MinLen, ItemSideNo, Number) VALUES ('ZV-DV-R', 'ZV-DV-NAKL', 1, 'FRH - 40', 1500, 1, 1); -- rebate cover on the handle side, cut to FRH - 40
INSERT INTO FrnSet (ID, Item, FFHMin, ItemSideNo, Number) VALUES ('ZV-DV-R', 'ZV-DV-ZAPOR-V', 220, 2, 1); -- top lock for doors from 220 cm

INSERT INTO FrnComp (ID, "Group", SubGroup, Kipp, Name, SymmetricID, MultiSysID, Image, MaxWeight, ScrColor, TFlugelAvailable, Use, CommonGrp, Direct, Note, Printable, PrintName, Alert, PropKey, DispHingeNum, CompectImage, Material) VALUES ('ZV-DV2-GL-L', 11, 11, 0, 'Дверь двустворчатая: активная левая створка', 'ZV-DV2-GL-R', '', 1, 0, 10513990, 0, 1, 2200, 1, '', 1, 'Дверь двустворчатая: активная левая створка', '', 50, 3, 0, 0);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-DV2-GL-L', 1, 1800, 2500, 89.5, 90.5, 0, 0, 0, 0, 0, 1, 3, 0, 0, 1, 0);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-DV2-GL-L', 2, 500, 1000, 89.5, 90.5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-DV2-GL-L', 3, 1800, 2500, 89.5, 90.5, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 1);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-DV2-GL-L', 4, 500, 1000, 89.5, 90.5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO FrnSet (ID, Item, Note, Number) VALUES ('ZV-DV2-GL-L', 'ZV-DV-UPOR', 'монтируется на пол', 1); -- floor stop, optional
INSERT INTO FrnSet (ID, Item, PropKey, UseLen, LenFormula, MinLen, ItemSideNo, Number) VALUES ('ZV-DV2-GL-L', 'ZV-DV-POROG-N', 51, 1, 'FFB - 10', 400, 4, 1); -- low threshold when chosen, cut to FFB - 10
INSERT INTO FrnSet (ID, Item, PropKey, UseLen, LenFormula, MinLen, ItemSideNo, Number) VALUES ('ZV-DV2-GL-L', 'ZV-DV-POROG-S', 52, 1, 'FB - 10', 400, 4, 1); -- standard threshold when chosen, cut to FB - 10
INSERT INTO FrnSet (ID, Item, UseLen, LenFormula, MinLen, ItemSideNo, Number) VALUES ('ZV-DV2-GL-L', 'ZV-DV-NAKL', 1, 'FRH - 40', 1500, 3, 1); -- rebate cover on the handle side, cut to FRH - 40
INSERT INTO FrnSet (ID, Item, FFHMin, ItemSideNo, Number) VALUES ('ZV-DV2-GL-L', 'ZV-DV-ZAPOR-V', 220, 2, 1); -- top lock for doors from 220 cm
INSERT INTO FrnSet (ID, Item, Required, ItemSideNo, Number) VALUES ('ZV-DV2-GL-L', 'ZV-ZAPOR-DV2', 1, 3, 1); -- lock towards the passive leaf

INSERT INTO FrnComp (ID, "Group", SubGroup, Kipp, Name, SymmetricID, MultiSysID, Image, MaxWeight, ScrColor, TFlugelAvailable, Use, CommonGrp, Direct, Note, Printable, PrintName, Alert, PropKey, DispHingeNum, CompectImage, Material) VALUES ('ZV-DV2-GL-R', 11, 21, 0, 'Дверь двустворчатая: активная правая створка', 'ZV-DV2-GL-L', '', 2, 0, 10513990, 0, 1, 2200, 2, '', 1, 'Дверь двустворчатая: активная правая створка', '', 50, 3, 0, 0);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-DV2-GL-R', 1, 1800, 2500, 89.5, 90.5, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 1);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-DV2-GL-R', 2, 500, 1000, 89.5, 90.5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-DV2-GL-R', 3, 1800, 2500, 89.5, 90.5, 0, 0, 0, 0, 0, 1, 1, 0, 0, 1, 0);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-DV2-GL-R', 4, 500, 1000, 89.5, 90.5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO FrnSet (ID, Item, Note, Number) VALUES ('ZV-DV2-GL-R', 'ZV-DV-UPOR', 'монтируется на пол', 1); -- floor stop, optional
INSERT INTO FrnSet (ID, Item, PropKey, UseLen, LenFormula, MinLen, ItemSideNo, Number) VALUES ('ZV-DV2-GL-R', 'ZV-DV-POROG-N', 51, 1, 'FFB - 10', 400, 4, 1); -- low threshold when chosen, cut to FFB - 10
INSERT INTO FrnSet (ID, Item, PropKey, UseLen, LenFormula, MinLen, ItemSideNo, Number) VALUES ('ZV-DV2-GL-R', 'ZV-DV-POROG-S', 52, 1, 'FB - 10', 400, 4, 1); -- standard threshold when chosen, cut to FB - 10
INSERT INTO FrnSet (ID, Item, UseLen, LenFormula, MinLen, ItemSideNo, Number) VALUES ('ZV-DV2-GL-R', 'ZV-DV-NAKL', 1, 'FRH - 40', 1500, 1, 1); -- rebate cover on the handle side, cut to FRH - 40
INSERT INTO FrnSet (ID, Item, FFHMin, ItemSideNo, Number) VALUES ('ZV-DV2-GL-R', 'ZV-DV-ZAPOR-V', 220, 2, 1); -- top lock for doors from 220 cm
INSERT INTO FrnSet (ID, Item, Required, ItemSideNo, Number) VALUES ('ZV-DV2-GL-R', 'ZV-ZAPOR-DV2', 1, 1, 1); -- lock towards the passive leaf

INSERT INTO FrnComp (ID, "Group", SubGroup, Kipp, Name, SymmetricID, MultiSysID, Image, MaxWeight, ScrColor, TFlugelAvailable, Use, CommonGrp, Direct, Note, Printable, PrintName, Alert, PropKey, DispHingeNum, CompectImage, Material) VALUES ('ZV-DV2-VT-L', 11, 12, 0, 'Дверь двустворчатая: пассивная левая створка', '', '', 0, 0, 10513990, 0, 1, 2200, 1, 'шпингалеты выбираются отдельно', 1, 'Дверь двустворчатая: пассивная левая створка', '', 0, 3, 0, 0);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-DV2-VT-L', 1, 1800, 2500, 89.5, 90.5, 0, 0, 0, 0, 0, 1, 3, 0, 0, 1, 0);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-DV2-VT-L', 2, 500, 1000, 89.5, 90.5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-DV2-VT-L', 3, 1800, 2500, 89.5, 90.5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-DV2-VT-L', 4, 500, 1000, 89.5, 90.5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO FrnSet (ID, Item, UseIfArt, Required, ItemSideNo, Number) VALUES ('ZV-DV2-VT-L', 'ZV-PL-DV-SHT', 'ZV460700', 1, 3, 1); -- keeper for the active leaf lock: only when the active leaf carries ZV460700 (UseIfArt)

INSERT INTO FrnComp (ID, "Group", SubGroup, Kipp, Name, SymmetricID, MultiSysID, Image, MaxWeight, ScrColor, TFlugelAvailable, Use, CommonGrp, Direct, Note, Printable, PrintName, Alert, PropKey, DispHingeNum, CompectImage, Material) VALUES ('ZV-DV2-VT-R', 11, 22, 0, 'Дверь двустворчатая: пассивная правая створка', '', '', 0, 0, 10513990, 0, 1, 2200, 2, 'шпингалеты выбираются отдельно', 1, 'Дверь двустворчатая: пассивная правая створка', '', 0, 3, 0, 0);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-DV2-VT-R', 1, 1800, 2500, 89.5, 90.5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-DV2-VT-R', 2, 500, 1000, 89.5, 90.5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-DV2-VT-R', 3, 1800, 2500, 89.5, 90.5, 0, 0, 0, 0, 0, 1, 1, 0, 0, 1, 0);
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES ('ZV-DV2-VT-R', 4, 500, 1000, 89.5, 90.5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO FrnSet (ID, Item, UseIfArt, Required, ItemSideNo, Number) VALUES ('ZV-DV2-VT-R', 'ZV-PL-DV-SHT', 'ZV460700', 1, 1, 1); -- keeper for the active leaf lock: only when the active leaf carries ZV460700 (UseIfArt)

INSERT INTO FrnComp (ID, "Group", SubGroup, Kipp, Name, SymmetricID, MultiSysID, Image, MaxWeight, ScrColor, TFlugelAvailable, Use, CommonGrp, Direct, Note, Printable, PrintName, Alert, PropKey, DispHingeNum, CompectImage, Material) VALUES ('ZV-DPETLI', 21, 0, 0, 'Петли дверные 3D', '', '', 24, 0, 3968060, 0, 1, 2200, 0, '', 1, 'Петли дверные 3D', '', 0, 0, 0, 0);
INSERT INTO FrnSet (ID, Item, ScaleCondition, ScaleScheme, ScaleNum, Number) VALUES ('ZV-DPETLI', 'ZV-KOMPL-DPETLI', 2, '210;230', 1, 2); -- virtual hinge group: 2 hinges, 3 from 210 cm, 4 from 230 cm (ScaleScheme by FFH); parts multiply

INSERT INTO FrnComp (ID, "Group", SubGroup, Kipp, Name, SymmetricID, MultiSysID, Image, MaxWeight, ScrColor, TFlugelAvailable, Use, CommonGrp, Direct, Note, Printable, PrintName, Alert, PropKey, DispHingeNum, CompectImage, Material) VALUES ('ZV-DPETLI-SKR', 21, 0, 0, 'Петли дверные скрытые', '', '', 25, 0, 3968060, 0, 1, 2200, 0, '', 1, 'Петли дверные скрытые', '', 0, 0, 0, 0);
INSERT INTO FrnSet (ID, Item, Number, Required, AlertIfNoArt) VALUES ('ZV-DPETLI-SKR', 'ZV-DPETLYA-SKR', 2, 1, 'Скрытые петли для двери тяжелее 120 кг не поставляются.'); -- concealed door hinges by weight class
INSERT INTO FrnSet (ID, Item, FFHMin, Number) VALUES ('ZV-DPETLI-SKR', 'ZV-DPETLYA-SKR', 220, 1); -- a third one from 220 cm

INSERT INTO FrnComp (ID, "Group", SubGroup, Kipp, Name, SymmetricID, MultiSysID, Image, MaxWeight, ScrColor, TFlugelAvailable, Use, CommonGrp, Direct, Note, Printable, PrintName, Alert, PropKey, DispHingeNum, CompectImage, Material) VALUES ('ZV-GARN-PL', 31, 0, 0, 'Гарнитур нажимной на планке', '', '', 0, 0, 12632256, 0, 1, 2200, 0, '', 1, 'Гарнитур нажимной на планке', '', 56, 0, 0, 0);
INSERT INTO FrnSet (ID, Item, PropKey, Required, Number) VALUES ('ZV-GARN-PL', 'ZV-GARN-PL85', 43, 1, 1); -- plate handle for PZ 85 (handle property)
INSERT INTO FrnSet (ID, Item, PropKey, Required, AlertIfNoArt, Number) VALUES ('ZV-GARN-PL', 'ZV-GARN-PL92', 44, 1, 'Гарнитур PZ 92 поставляется в цветах: серебро, белый, коричневый.', 1); -- plate handle for PZ 92

INSERT INTO FrnComp (ID, "Group", SubGroup, Kipp, Name, SymmetricID, MultiSysID, Image, MaxWeight, ScrColor, TFlugelAvailable, Use, CommonGrp, Direct, Note, Printable, PrintName, Alert, PropKey, DispHingeNum, CompectImage, Material) VALUES ('ZV-GARN-ROZ', 33, 0, 0, 'Гарнитур нажимной на розетках', '', '', 0, 0, 12632256, 0, 1, 2200, 0, '', 1, 'Гарнитур нажимной на розетках', '', 0, 0, 0, 0);
INSERT INTO FrnSet (ID, Item, Required, Number) VALUES ('ZV-GARN-ROZ', 'ZV-GARN-ROZ', 1, 1);

INSERT INTO FrnComp (ID, "Group", SubGroup, Kipp, Name, SymmetricID, MultiSysID, Image, MaxWeight, ScrColor, TFlugelAvailable, Use, CommonGrp, Direct, Note, Printable, PrintName, Alert, PropKey, DispHingeNum, CompectImage, Material) VALUES ('ZV-GARN-WC', 34, 0, 0, 'Гарнитур санузловый', '', '', 0, 0, 12632256, 0, 1, 2200, 0, '', 1, 'Гарнитур санузловый', '', 0, 0, 0, 0);
INSERT INTO FrnSet (ID, Item, Required, Number) VALUES ('ZV-GARN-WC', 'ZV-GARN-WC', 1, 1);

INSERT INTO FrnComp (ID, "Group", SubGroup, Kipp, Name, SymmetricID, MultiSysID, Image, MaxWeight, ScrColor, TFlugelAvailable, Use, CommonGrp, Direct, Note, Printable, PrintName, Alert, PropKey, DispHingeNum, CompectImage, Material) VALUES ('ZV-ZAMOK-MZ', 41, 0, 0, 'Замок многозапорный', '', '', 0, 0, 4210752, 0, 1, 2200, 0, '', 1, 'Замок многозапорный', '', 40, 0, 0, 0);
INSERT INTO FrnSet (ID, Item, PropKey, Condition, DefineHandleHeight, Required, AlertIfNoArt, Number) VALUES ('ZV-ZAMOK-MZ', 'ZV-ZAMOK-MZ', 41, 2, 1, 1, 'Многозапорный замок для выбранного дорнмасса и высоты двери не поставляется.', 1); -- cams (lock property) by height and backset; handle height from the article, placed on the first handled side
INSERT INTO FrnSet (ID, Item, PropKey, Condition, DefineHandleHeight, Required, Number) VALUES ('ZV-ZAMOK-MZ', 'ZV-ZAMOK-MZK', 42, 2, 1, 1, 1); -- hooks instead of cams
INSERT INTO FrnSet (ID, Item, UseLen, LenFormula, MinLen, Number) VALUES ('ZV-ZAMOK-MZ', 'ZV-ZAMOK-TYAGA', 1, 'FН - FFG(3) - FFG(1) - 450', 300, 1); -- top rod from the lock: rebate height minus handle height minus 450 (Cyrillic FН); an own handle height too high makes it too short

INSERT INTO FrnComp (ID, "Group", SubGroup, Kipp, Name, SymmetricID, MultiSysID, Image, MaxWeight, ScrColor, TFlugelAvailable, Use, CommonGrp, Direct, Note, Printable, PrintName, Alert, PropKey, DispHingeNum, CompectImage, Material) VALUES ('ZV-ZAMOK-ROZ', 43, 0, 0, 'Замок с защёлкой под розетки', '', '', 0, 0, 4210752, 0, 1, 2200, 0, '', 1, 'Замок с защёлкой под розетки', '', 0, 0, 0, 0);
INSERT INTO FrnSet (ID, Item, Condition, DefineHandleHeight, Required, AlertIfNoArt, Number) VALUES ('ZV-ZAMOK-ROZ', 'ZV-ZAMOK-R', 3, 1, 1, 'Замок под розетки поставляется с дорнмассом 30, 35 и 45 мм.', 1); -- by width and height (Condition 3): the article height is used as is

INSERT INTO FrnComp (ID, "Group", SubGroup, Kipp, Name, SymmetricID, MultiSysID, Image, MaxWeight, ScrColor, TFlugelAvailable, Use, CommonGrp, Direct, Note, Printable, PrintName, Alert, PropKey, DispHingeNum, CompectImage, Material) VALUES ('ZV-ZAMOK-WC', 44, 0, 0, 'Замок санузловый', '', '', 0, 0, 4210752, 0, 1, 2200, 0, '', 1, 'Замок санузловый', '', 0, 0, 0, 0);
INSERT INTO FrnSet (ID, Item, DefineHandleHeight, Required, AlertIfNoArt, Number) VALUES ('ZV-ZAMOK-WC', 'ZV-ZAMOK-WC', 1, 1, 'Санузловый замок поставляется с дорнмассом 35 и 45 мм.', 1);

INSERT INTO FrnComp (ID, "Group", SubGroup, Kipp, Name, SymmetricID, MultiSysID, Image, MaxWeight, ScrColor, TFlugelAvailable, Use, CommonGrp, Direct, Note, Printable, PrintName, Alert, PropKey, DispHingeNum, CompectImage, Material) VALUES ('ZV-CIL-KK', 45, 0, 0, 'Цилиндр ключ/ключ', '', '', 0, 0, 12632256, 0, 1, 2200, 0, '', 1, 'Цилиндр ключ/ключ', '', 45, 0, 0, 0);
INSERT INTO FrnSet (ID, Item, Required, AlertIfNoArt, Number) VALUES ('ZV-CIL-KK', 'ZV-CIL-KK', 1, 'Цилиндр для толщины профиля вне 55-90 мм не поставляется.', 1); -- cylinder length by profile thickness
INSERT INTO FrnSet (ID, Item, PropKey, Number, Note) VALUES ('ZV-CIL-KK', 'ZV-KLUCH', 47, 2, 'доп. ключи'); -- two extra keys for "5 ключей" (cylinder property)

INSERT INTO FrnComp (ID, "Group", SubGroup, Kipp, Name, SymmetricID, MultiSysID, Image, MaxWeight, ScrColor, TFlugelAvailable, Use, CommonGrp, Direct, Note, Printable, PrintName, Alert, PropKey, DispHingeNum, CompectImage, Material) VALUES ('ZV-CIL-KV', 45, 0, 0, 'Цилиндр ключ/вертушка', '', '', 0, 0, 12632256, 0, 1, 2200, 0, '', 1, 'Цилиндр ключ/вертушка', '', 45, 0, 0, 0);
INSERT INTO FrnSet (ID, Item, Required, Number) VALUES ('ZV-CIL-KV', 'ZV-CIL-KV', 1, 1);
INSERT INTO FrnSet (ID, Item, PropKey, Number, Note) VALUES ('ZV-CIL-KV', 'ZV-KLUCH', 47, 2, 'доп. ключи');

INSERT INTO FrnComp (ID, "Group", SubGroup, Kipp, Name, SymmetricID, MultiSysID, Image, MaxWeight, ScrColor, TFlugelAvailable, Use, CommonGrp, Direct, Note, Printable, PrintName, Alert, PropKey, DispHingeNum, CompectImage, Material) VALUES ('ZV-DOVOD', 50, 0, 0, 'Доводчик дверной', '', '', 30, 0, 12632256, 0, 1, 2200, 0, '', 1, 'Доводчик дверной', '', 0, 0, 0, 0);
INSERT INTO FrnSet (ID, Item, Condition, Required, AlertIfNoArt, Number) VALUES ('ZV-DOVOD', 'ZV-DOVOD', 1, 1, 'Доводчик для двери шириной более 1300 мм не поставляется.', 1); -- closer by door width (Condition 1) and weight class, in the cover colour with an uncoloured fallback
INSERT INTO FrnSet (ID, Item, Number) VALUES ('ZV-DOVOD', 'ZV-DOVOD-PL', 1);

INSERT INTO FrnComp (ID, "Group", SubGroup, Kipp, Name, SymmetricID, MultiSysID, Image, MaxWeight, ScrColor, TFlugelAvailable, Use, CommonGrp, Direct, Note, Printable, PrintName, Alert, PropKey, DispHingeNum, CompectImage, Material) VALUES ('ZV-SHPING-DVER', 46, 0, 0, 'Шпингалеты торцевые дверные', '', '', 0, 0, 4210752, 0, 1, 2200, 0, '', 1, 'Шпингалеты торцевые дверные', '', 0, 0, 0, 0);
INSERT INTO FrnSet (ID, Item, Number, Required, Note) VALUES ('ZV-SHPING-DVER', 'ZV-SHPING-DV', 2, 1, 'верх и низ');
