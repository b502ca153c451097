-- Report list of the demo configuration (report database, table Report).
-- "Group" 11: documents of an order, 12: documents of an order selection;
-- "Default" 1: printed by "Печать группы"; "%/" is the report directory.
-- The templates themselves are shipped with the report engine.

INSERT INTO Report (Name, FileName, "Default", Copies, "Group", SubGroup, USE) VALUES ('Коммерческое предложение', '%/order_quotation.html', 1, 1, 11, 31, 1);
INSERT INTO Report (Name, FileName, "Default", Copies, "Group", SubGroup, USE) VALUES ('Спецификация фурнитуры', '%/order_fittings.html', 1, 1, 11, 32, 1);
INSERT INTO Report (Name, FileName, "Default", Copies, "Group", SubGroup, USE) VALUES ('Материалы заказа по наименованию', '%/order_materials_by_name.html', 0, 1, 11, 33, 1);
INSERT INTO Report (Name, FileName, "Default", Copies, "Group", SubGroup, USE) VALUES ('Материалы заказа по коду', '%/order_materials_by_code.html', 0, 1, 11, 34, 0);
INSERT INTO Report (Name, FileName, "Default", Copies, "Group", SubGroup, USE) VALUES ('Материалы выборки', '%/selection_materials.html', 1, 1, 12, 31, 1);
