-- Demo fittings documentation of the invented hardware maker «Зевранд»
-- (every maker, product, profile system and firm name here is invented).
-- Strike plates, covers and accessories.
-- Load after the catalogue schema; files are meant to run in name order.

-- Strike plates per article: StulpType is a stulp kind (0 any), ItemSideNo a side (0 any),
-- ItemComplectID a parent set (empty any); the element's CommonGrp decides the systems.
INSERT INTO FrnSchl (CatalogID, Item, ItemComplectID, Number) VALUES ('ZV110409', 'ZV-PL-ZAP', 'ZV-PO-L', 1); -- gear cam keeper in single sashes only (system 2101 only); in stulp sashes the neighbouring sash takes the cam
INSERT INTO FrnSchl (CatalogID, Item, ItemComplectID, Number) VALUES ('ZV110409', 'ZV-PL-ZAP-E', 'ZV-PO-L', 1); -- gear cam keeper in single sashes only (system 2102 only); in stulp sashes the neighbouring sash takes the cam
INSERT INTO FrnSchl (CatalogID, Item, ItemComplectID, Number) VALUES ('ZV110409', 'ZV-PL-ZAP', 'ZV-PO-R', 1); -- gear cam keeper in single sashes only (system 2101 only); in stulp sashes the neighbouring sash takes the cam
INSERT INTO FrnSchl (CatalogID, Item, ItemComplectID, Number) VALUES ('ZV110409', 'ZV-PL-ZAP-E', 'ZV-PO-R', 1); -- gear cam keeper in single sashes only (system 2102 only); in stulp sashes the neighbouring sash takes the cam
INSERT INTO FrnSchl (CatalogID, Item, ItemComplectID, Number) VALUES ('ZV110609', 'ZV-PL-ZAP', 'ZV-PO-L', 1); -- gear cam keeper in single sashes only (system 2101 only); in stulp sashes the neighbouring sash takes the cam
INSERT INTO FrnSchl (CatalogID, Item, ItemComplectID, Number) VALUES ('ZV110609', 'ZV-PL-ZAP-E', 'ZV-PO-L', 1); -- gear cam keeper in single sashes only (system 2102 only); in stulp sashes the neighbouring sash takes the cam
INSERT INTO FrnSchl (CatalogID, Item, ItemComplectID, Number) VALUES ('ZV110609', 'ZV-PL-ZAP', 'ZV-PO-R', 1); -- gear cam keeper in single sashes only (system 2101 only); in stulp sashes the neighbouring sash takes the cam
INSERT INTO FrnSchl (CatalogID, Item, ItemComplectID, Number) VALUES ('ZV110609', 'ZV-PL-ZAP-E', 'ZV-PO-R', 1); -- gear cam keeper in single sashes only (system 2102 only); in stulp sashes the neighbouring sash takes the cam
INSERT INTO FrnSchl (CatalogID, Item, ItemComplectID, Number) VALUES ('ZV110809', 'ZV-PL-ZAP', 'ZV-PO-L', 1); -- gear cam keeper in single sashes only (system 2101 only); in stulp sashes the neighbouring sash takes the cam
INSERT INTO FrnSchl (CatalogID, Item, ItemComplectID, Number) VALUES ('ZV110809', 'ZV-PL-ZAP-E', 'ZV-PO-L', 1); -- gear cam keeper in single sashes only (system 2102 only); in stulp sashes the neighbouring sash takes the cam
INSERT INTO FrnSchl (CatalogID, Item, ItemComplectID, Number) VALUES ('ZV110809', 'ZV-PL-ZAP', 'ZV-PO-R', 1); -- gear cam keeper in single sashes only (system 2101 only); in stulp sashes the neighbouring sash takes the cam
INSERT INTO FrnSchl (CatalogID, Item, ItemComplectID, Number) VALUES ('ZV110809', 'ZV-PL-ZAP-E', 'ZV-PO-R', 1); -- gear cam keeper in single sashes only (system 2102 only); in stulp sashes the neighbouring sash takes the cam
INSERT INTO FrnSchl (CatalogID, Item, ItemComplectID, Number) VALUES ('ZV111209', 'ZV-PL-ZAP', 'ZV-PO-L', 1); -- gear cam keeper in single sashes only (system 2101 only); in stulp sashes the neighbouring sash takes the cam
INSERT INTO FrnSchl (CatalogID, Item, ItemComplectID, Number) VALUES ('ZV111209', 'ZV-PL-ZAP-E', 'ZV-PO-L', 1); -- gear cam keeper in single sashes only (system 2102 only); in stulp sashes the neighbouring sash takes the cam
INSERT INTO FrnSchl (CatalogID, Item, ItemComplectID, Number) VALUES ('ZV111209', 'ZV-PL-ZAP', 'ZV-PO-R', 1); -- gear cam keeper in single sashes only (system 2101 only); in stulp sashes the neighbouring sash takes the cam
INSERT INTO FrnSchl (CatalogID, Item, ItemComplectID, Number) VALUES ('ZV111209', 'ZV-PL-ZAP-E', 'ZV-PO-R', 1); -- gear cam keeper in single sashes only (system 2102 only); in stulp sashes the neighbouring sash takes the cam
INSERT INTO FrnSchl (CatalogID, Item, ItemComplectID, Number) VALUES ('ZV111609', 'ZV-PL-ZAP', 'ZV-PO-L', 1); -- gear cam keeper in single sashes only (system 2101 only); in stulp sashes the neighbouring sash takes the cam
INSERT INTO FrnSchl (CatalogID, Item, ItemComplectID, Number) VALUES ('ZV111609', 'ZV-PL-ZAP-E', 'ZV-PO-L', 1); -- gear cam keeper in single sashes only (system 2102 only); in stulp sashes the neighbouring sash takes the cam
INSERT INTO FrnSchl (CatalogID, Item, ItemComplectID, Number) VALUES ('ZV111609', 'ZV-PL-ZAP', 'ZV-PO-R', 1); -- gear cam keeper in single sashes only (system 2101 only); in stulp sashes the neighbouring sash takes the cam
INSERT INTO FrnSchl (CatalogID, Item, ItemComplectID, Number) VALUES ('ZV111609', 'ZV-PL-ZAP-E', 'ZV-PO-R', 1); -- gear cam keeper in single sashes only (system 2102 only); in stulp sashes the neighbouring sash takes the cam
INSERT INTO FrnSchl (CatalogID, Item, ItemComplectID, Number) VALUES ('ZV110413', 'ZV-PL-ZAP', 'ZV-PO-L', 1); -- gear cam keeper in single sashes only (system 2101 only); in stulp sashes the neighbouring sash takes the cam
INSERT INTO FrnSchl (CatalogID, Item, ItemComplectID, Number) VALUES ('ZV110413', 'ZV-PL-ZAP-E', 'ZV-PO-L', 1); -- gear cam keeper in single sashes only (system 2102 only); in stulp sashes the neighbouring sash takes the cam
INSERT INTO FrnSchl (CatalogID, Item, ItemComplectID, Number) VALUES ('ZV110413', 'ZV-PL-ZAP', 'ZV-PO-R', 1); -- gear cam keeper in single sashes only (system 2101 only); in stulp sashes the neighbouring sash takes the cam
INSERT INTO FrnSchl (CatalogID, Item, ItemComplectID, Number) VALUES ('ZV110413', 'ZV-PL-ZAP-E', 'ZV-PO-R', 1); -- gear cam keeper in single sashes only (system 2102 only); in stulp sashes the neighbouring sash takes the cam
INSERT INTO FrnSchl (CatalogID, Item, ItemComplectID, Number) VALUES ('ZV110613', 'ZV-PL-ZAP', 'ZV-PO-L', 1); -- gear cam keeper in single sashes only (system 2101 only); in stulp sashes the neighbouring sash takes the cam
INSERT INTO FrnSchl (CatalogID, Item, ItemComplectID, Number) VALUES ('ZV110613', 'ZV-PL-ZAP-E', 'ZV-PO-L', 1); -- gear cam keeper in single sashes only (system 2102 only); in stulp sashes the neighbouring sash takes the cam
INSERT INTO FrnSchl (CatalogID, Item, ItemComplectID, Number) VALUES ('ZV110613', 'ZV-PL-ZAP', 'ZV-PO-R', 1); -- gear cam keeper in single sashes only (system 2101 only); in stulp sashes the neighbouring sash takes the cam
INSERT INTO FrnSchl (CatalogID, Item, ItemComplectID, Number) VALUES ('ZV110613', 'ZV-PL-ZAP-E', 'ZV-PO-R', 1); -- gear cam keeper in single sashes only (system 2102 only); in stulp sashes the neighbouring sash takes the cam
INSERT INTO FrnSchl (CatalogID, Item, ItemComplectID, Number) VALUES ('ZV110813', 'ZV-PL-ZAP', 'ZV-PO-L', 1); -- gear cam keeper in single sashes only (system 2101 only); in stulp sashes the neighbouring sash takes the cam
INSERT INTO FrnSchl (CatalogID, Item, ItemComplectID, Number) VALUES ('ZV110813', 'ZV-PL-ZAP-E', 'ZV-PO-L', 1); -- gear cam keeper in single sashes only (system 2102 only); in stulp sashes the neighbouring sash takes the cam
INSERT INTO FrnSchl (CatalogID, Item, ItemComplectID, Number) VALUES ('ZV110813', 'ZV-PL-ZAP', 'ZV-PO-R', 1); -- gear cam keeper in single sashes only (system 2101 only); in stulp sashes the neighbouring sash takes the cam
INSERT INTO FrnSchl (CatalogID, Item, ItemComplectID, Number) VALUES ('ZV110813', 'ZV-PL-ZAP-E', 'ZV-PO-R', 1); -- gear cam keeper in single sashes only (system 2102 only); in stulp sashes the neighbouring sash takes the cam
INSERT INTO FrnSchl (CatalogID, Item, ItemComplectID, Number) VALUES ('ZV111213', 'ZV-PL-ZAP', 'ZV-PO-L', 1); -- gear cam keeper in single sashes only (system 2101 only); in stulp sashes the neighbouring sash takes the cam
INSERT INTO FrnSchl (CatalogID, Item, ItemComplectID, Number) VALUES ('ZV111213', 'ZV-PL-ZAP-E', 'ZV-PO-L', 1); -- gear cam keeper in single sashes only (system 2102 only); in stulp sashes the neighbouring sash takes the cam
INSERT INTO FrnSchl (CatalogID, Item, ItemComplectID, Number) VALUES ('ZV111213', 'ZV-PL-ZAP', 'ZV-PO-R', 1); -- gear cam keeper in single sashes only (system 2101 only); in stulp sashes the neighbouring sash takes the cam
INSERT INTO FrnSchl (CatalogID, Item, ItemComplectID, Number) VALUES ('ZV111213', 'ZV-PL-ZAP-E', 'ZV-PO-R', 1); -- gear cam keeper in single sashes only (system 2102 only); in stulp sashes the neighbouring sash takes the cam
INSERT INTO FrnSchl (CatalogID, Item, ItemComplectID, Number) VALUES ('ZV111613', 'ZV-PL-ZAP', 'ZV-PO-L', 1); -- gear cam keeper in single sashes only (system 2101 only); in stulp sashes the neighbouring sash takes the cam
INSERT INTO FrnSchl (CatalogID, Item, ItemComplectID, Number) VALUES ('ZV111613', 'ZV-PL-ZAP-E', 'ZV-PO-L', 1); -- gear cam keeper in single sashes only (system 2102 only); in stulp sashes the neighbouring sash takes the cam
INSERT INTO FrnSchl (CatalogID, Item, ItemComplectID, Number) VALUES ('ZV111613', 'ZV-PL-ZAP', 'ZV-PO-R', 1); -- gear cam keeper in single sashes only (system 2101 only); in stulp sashes the neighbouring sash takes the cam
INSERT INTO FrnSchl (CatalogID, Item, ItemComplectID, Number) VALUES ('ZV111613', 'ZV-PL-ZAP-E', 'ZV-PO-R', 1); -- gear cam keeper in single sashes only (system 2102 only); in stulp sashes the neighbouring sash takes the cam
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ZV120409', 'ZV-PL-ZAP', 1); -- system 2101 only
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ZV120409', 'ZV-PL-ZAP-E', 1); -- system 2102 only
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ZV120809', 'ZV-PL-ZAP', 1); -- system 2101 only
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ZV120809', 'ZV-PL-ZAP-E', 1); -- system 2102 only
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ZV121209', 'ZV-PL-ZAP', 1); -- system 2101 only
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ZV121209', 'ZV-PL-ZAP-E', 1); -- system 2102 only
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ZV121809', 'ZV-PL-ZAP', 1); -- system 2101 only
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ZV121809', 'ZV-PL-ZAP-E', 1); -- system 2102 only
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ZV120413', 'ZV-PL-ZAP', 1); -- system 2101 only
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ZV120413', 'ZV-PL-ZAP-E', 1); -- system 2102 only
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ZV120813', 'ZV-PL-ZAP', 1); -- system 2101 only
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ZV120813', 'ZV-PL-ZAP-E', 1); -- system 2102 only
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ZV121213', 'ZV-PL-ZAP', 1); -- system 2101 only
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ZV121213', 'ZV-PL-ZAP-E', 1); -- system 2102 only
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ZV121813', 'ZV-PL-ZAP', 1); -- system 2101 only
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ZV121813', 'ZV-PL-ZAP-E', 1); -- system 2102 only
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ZV140100', 'ZV-PL-ZAP', 1); -- system 2101 only
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ZV140100', 'ZV-PL-ZAP-E', 1); -- system 2102 only
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ZV140200', 'ZV-PL-ZAP', 1); -- system 2101 only
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ZV140200', 'ZV-PL-ZAP-E', 1); -- system 2102 only
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ZV140300', 'ZV-PL-ZAP', 1); -- system 2101 only
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ZV140300', 'ZV-PL-ZAP-E', 1); -- system 2102 only
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ZV130100', 'ZV-PL-ZAP', 1); -- system 2101 only
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ZV130100', 'ZV-PL-ZAP-E', 1); -- system 2102 only
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ZV130200', 'ZV-PL-ZAP', 1); -- system 2101 only
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ZV130200', 'ZV-PL-ZAP-E', 1); -- system 2102 only
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ZV130300', 'ZV-PL-ZAP', 1); -- system 2101 only
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ZV130300', 'ZV-PL-ZAP-E', 1); -- system 2102 only
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ZV152100', 'ZV-PL-ZAP', 2); -- top and bottom cams of the stulp gear (system 2101 only)
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ZV152100', 'ZV-PL-ZAP-E', 2); -- top and bottom cams of the stulp gear (system 2102 only)
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ZV152200', 'ZV-PL-ZAP', 2); -- top and bottom cams of the stulp gear (system 2101 only)
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ZV152200', 'ZV-PL-ZAP-E', 2); -- top and bottom cams of the stulp gear (system 2102 only)
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ZV153100', 'ZV-PL-ZAP', 2); -- top and bottom cams of the stulp gear (system 2101 only)
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ZV153100', 'ZV-PL-ZAP-E', 2); -- top and bottom cams of the stulp gear (system 2102 only)
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ZV153200', 'ZV-PL-ZAP', 2); -- top and bottom cams of the stulp gear (system 2101 only)
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ZV153200', 'ZV-PL-ZAP-E', 2); -- top and bottom cams of the stulp gear (system 2102 only)
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ZV154100', 'ZV-PL-ZAP', 2); -- top and bottom cams of the stulp gear (system 2101 only)
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ZV154100', 'ZV-PL-ZAP-E', 2); -- top and bottom cams of the stulp gear (system 2102 only)
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ZV154200', 'ZV-PL-ZAP', 2); -- top and bottom cams of the stulp gear (system 2101 only)
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ZV154200', 'ZV-PL-ZAP-E', 2); -- top and bottom cams of the stulp gear (system 2102 only)
INSERT INTO FrnSchl (CatalogID, Item, PropKey, Number) VALUES ('ZV200012', 'ZV-PL-POV', 15, 1); -- corner keeper in the basic execution (property key 15)
INSERT INTO FrnSchl (CatalogID, Item, PropKey, Number) VALUES ('ZV200012', 'ZV-PL-RC', 11, 1); -- steel corner keeper for RC1/RC2 (property key 11)
INSERT INTO FrnSchl (CatalogID, Item, PropKey, Number) VALUES ('ZV200004', 'ZV-PL-POV', 15, 1); -- corner keeper in the basic execution (property key 15)
INSERT INTO FrnSchl (CatalogID, Item, PropKey, Number) VALUES ('ZV200004', 'ZV-PL-RC', 11, 1); -- steel corner keeper for RC1/RC2 (property key 11)
INSERT INTO FrnSchl (CatalogID, Item, PropKey, Number) VALUES ('ZV201020', 'ZV-PL-POV', 15, 1); -- corner keeper in the basic execution (property key 15)
INSERT INTO FrnSchl (CatalogID, Item, PropKey, Number) VALUES ('ZV201020', 'ZV-PL-RC', 11, 1); -- steel corner keeper for RC1/RC2 (property key 11)
INSERT INTO FrnSchl (CatalogID, Item, PropKey, Number) VALUES ('ZV201060', 'ZV-PL-POV', 15, 1); -- corner keeper in the basic execution (property key 15)
INSERT INTO FrnSchl (CatalogID, Item, PropKey, Number) VALUES ('ZV201060', 'ZV-PL-RC', 11, 1); -- steel corner keeper for RC1/RC2 (property key 11)
INSERT INTO FrnSchl (CatalogID, Item, PropKey, Number) VALUES ('ZV201090', 'ZV-PL-POV', 15, 1); -- corner keeper in the basic execution (property key 15)
INSERT INTO FrnSchl (CatalogID, Item, PropKey, Number) VALUES ('ZV201090', 'ZV-PL-RC', 11, 1); -- steel corner keeper for RC1/RC2 (property key 11)
INSERT INTO FrnSchl (CatalogID, Item, PropKey, Number) VALUES ('ZV201135', 'ZV-PL-POV', 15, 1); -- corner keeper in the basic execution (property key 15)
INSERT INTO FrnSchl (CatalogID, Item, PropKey, Number) VALUES ('ZV201135', 'ZV-PL-RC', 11, 1); -- steel corner keeper for RC1/RC2 (property key 11)
INSERT INTO FrnSchl (CatalogID, Item, PropKey, Number) VALUES ('ZV220800', 'ZV-PL-ZAP', 15, 1); -- system 2101 only
INSERT INTO FrnSchl (CatalogID, Item, PropKey, Number) VALUES ('ZV220800', 'ZV-PL-ZAP-E', 15, 1); -- system 2102 only
INSERT INTO FrnSchl (CatalogID, Item, PropKey, Number) VALUES ('ZV220800', 'ZV-PL-RC', 11, 1); -- RC1/RC2
INSERT INTO FrnSchl (CatalogID, Item, PropKey, Number) VALUES ('ZV220600', 'ZV-PL-ZAP', 15, 1); -- system 2101 only
INSERT INTO FrnSchl (CatalogID, Item, PropKey, Number) VALUES ('ZV220600', 'ZV-PL-ZAP-E', 15, 1); -- system 2102 only
INSERT INTO FrnSchl (CatalogID, Item, PropKey, Number) VALUES ('ZV220600', 'ZV-PL-RC', 11, 1); -- RC1/RC2
INSERT INTO FrnSchl (CatalogID, Item, PropKey, Number) VALUES ('ZV220400', 'ZV-PL-ZAP', 15, 1); -- system 2101 only
INSERT INTO FrnSchl (CatalogID, Item, PropKey, Number) VALUES ('ZV220400', 'ZV-PL-ZAP-E', 15, 1); -- system 2102 only
INSERT INTO FrnSchl (CatalogID, Item, PropKey, Number) VALUES ('ZV220400', 'ZV-PL-RC', 11, 1); -- RC1/RC2
INSERT INTO FrnSchl (CatalogID, Item, PropKey, Number) VALUES ('ZV220700', 'ZV-PL-ZAP', 15, 1); -- system 2101 only
INSERT INTO FrnSchl (CatalogID, Item, PropKey, Number) VALUES ('ZV220700', 'ZV-PL-ZAP-E', 15, 1); -- system 2102 only
INSERT INTO FrnSchl (CatalogID, Item, PropKey, Number) VALUES ('ZV220700', 'ZV-PL-RC', 11, 1); -- RC1/RC2
INSERT INTO FrnSchl (CatalogID, Item, PropKey, Number) VALUES ('ZV220900', 'ZV-PL-ZAP', 15, 1); -- system 2101 only
INSERT INTO FrnSchl (CatalogID, Item, PropKey, Number) VALUES ('ZV220900', 'ZV-PL-ZAP-E', 15, 1); -- system 2102 only
INSERT INTO FrnSchl (CatalogID, Item, PropKey, Number) VALUES ('ZV220900', 'ZV-PL-RC', 11, 1); -- RC1/RC2
INSERT INTO FrnSchl (CatalogID, Item, PropKey, Number) VALUES ('ZV221000', 'ZV-PL-ZAP', 15, 1); -- system 2101 only
INSERT INTO FrnSchl (CatalogID, Item, PropKey, Number) VALUES ('ZV221000', 'ZV-PL-ZAP-E', 15, 1); -- system 2102 only
INSERT INTO FrnSchl (CatalogID, Item, PropKey, Number) VALUES ('ZV221000', 'ZV-PL-RC', 11, 1); -- RC1/RC2
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ZV220950', 'ZV-PL-RC', 1); -- mushroom cam keeper
INSERT INTO FrnSchl (CatalogID, Item, ItemSideNo, Number) VALUES ('ZV230012', 'ZV-PL-BLOK-1', 1, 1); -- blocker on the left side of the sash: keeper for the left frame side
INSERT INTO FrnSchl (CatalogID, Item, ItemSideNo, Number) VALUES ('ZV230012', 'ZV-PL-BLOK-3', 3, 1); -- blocker on the right side: keeper for the right frame side
INSERT INTO FrnSchl (CatalogID, Item, ItemSideNo, Number) VALUES ('ZV230004', 'ZV-PL-BLOK-1', 1, 1); -- blocker on the left side of the sash: keeper for the left frame side
INSERT INTO FrnSchl (CatalogID, Item, ItemSideNo, Number) VALUES ('ZV230004', 'ZV-PL-BLOK-3', 3, 1); -- blocker on the right side: keeper for the right frame side
INSERT INTO FrnSchl (CatalogID, Item, StulpType, Number) VALUES ('ZV240100', 'ZV-PL-MIKRO', 6, 1); -- frame keeper of the microlift on single sashes only (stulp kind 6)
INSERT INTO FrnSchl (CatalogID, Item, Number, StulpType) VALUES ('ZV280202', 'ZV-PL-SHPING', 2, 2); -- bolt keepers for a PVC stulp (kind 2)
INSERT INTO FrnSchl (CatalogID, Item, Number, StulpType) VALUES ('ZV280202', 'ZV-PL-SHPING', 2, 4); -- bolt keepers for a moving mullion (kind 4)
INSERT INTO FrnSchl (CatalogID, Item, Number, StulpType) VALUES ('ZV280202', 'ZV-PL-SHPING-AL', 2, 3); -- bolt keepers for an aluminium stulp (kind 3)
INSERT INTO FrnSchl (CatalogID, Item, Number, StulpType) VALUES ('ZV280203', 'ZV-PL-SHPING', 2, 2); -- bolt keepers for a PVC stulp (kind 2)
INSERT INTO FrnSchl (CatalogID, Item, Number, StulpType) VALUES ('ZV280203', 'ZV-PL-SHPING', 2, 4); -- bolt keepers for a moving mullion (kind 4)
INSERT INTO FrnSchl (CatalogID, Item, Number, StulpType) VALUES ('ZV280203', 'ZV-PL-SHPING-AL', 2, 3); -- bolt keepers for an aluminium stulp (kind 3)
INSERT INTO FrnSchl (CatalogID, Item, Number, StulpType) VALUES ('ZV280204', 'ZV-PL-SHPING', 2, 2); -- bolt keepers for a PVC stulp (kind 2)
INSERT INTO FrnSchl (CatalogID, Item, Number, StulpType) VALUES ('ZV280204', 'ZV-PL-SHPING', 2, 4); -- bolt keepers for a moving mullion (kind 4)
INSERT INTO FrnSchl (CatalogID, Item, Number, StulpType) VALUES ('ZV280204', 'ZV-PL-SHPING-AL', 2, 3); -- bolt keepers for an aluminium stulp (kind 3)
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ZV232100', 'ZV-PL-ZASCH-B', 1); -- balcony latch keeper (system group 0: every system)
INSERT INTO FrnSchl (CatalogID, Item, StulpType, Number) VALUES ('ZV401125', 'ZV-PL-DV-ZASH', 6, 1); -- latch keeper in the frame of a single door (stulp kind 6)
INSERT INTO FrnSchl (CatalogID, Item, StulpType, Number) VALUES ('ZV401125', 'ZV-PL-DV-RIG', 6, 1); -- bolt keeper in the frame of a single door (stulp kind 6)
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ZV401125', 'ZV-PL-DV-CAPF', 4); -- cam keepers
INSERT INTO FrnSchl (CatalogID, Item, StulpType, Number) VALUES ('ZV402125', 'ZV-PL-DV-ZASH', 6, 1); -- latch keeper in the frame of a single door (stulp kind 6)
INSERT INTO FrnSchl (CatalogID, Item, StulpType, Number) VALUES ('ZV402125', 'ZV-PL-DV-RIG', 6, 1); -- bolt keeper in the frame of a single door (stulp kind 6)
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ZV402125', 'ZV-PL-DV-CAPF', 6); -- cam keepers
INSERT INTO FrnSchl (CatalogID, Item, StulpType, Number) VALUES ('ZV401130', 'ZV-PL-DV-ZASH', 6, 1); -- latch keeper in the frame of a single door (stulp kind 6)
INSERT INTO FrnSchl (CatalogID, Item, StulpType, Number) VALUES ('ZV401130', 'ZV-PL-DV-RIG', 6, 1); -- bolt keeper in the frame of a single door (stulp kind 6)
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ZV401130', 'ZV-PL-DV-CAPF', 4); -- cam keepers
INSERT INTO FrnSchl (CatalogID, Item, StulpType, Number) VALUES ('ZV402130', 'ZV-PL-DV-ZASH', 6, 1); -- latch keeper in the frame of a single door (stulp kind 6)
INSERT INTO FrnSchl (CatalogID, Item, StulpType, Number) VALUES ('ZV402130', 'ZV-PL-DV-RIG', 6, 1); -- bolt keeper in the frame of a single door (stulp kind 6)
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ZV402130', 'ZV-PL-DV-CAPF', 6); -- cam keepers
INSERT INTO FrnSchl (CatalogID, Item, StulpType, Number) VALUES ('ZV401135', 'ZV-PL-DV-ZASH', 6, 1); -- latch keeper in the frame of a single door (stulp kind 6)
INSERT INTO FrnSchl (CatalogID, Item, StulpType, Number) VALUES ('ZV401135', 'ZV-PL-DV-RIG', 6, 1); -- bolt keeper in the frame of a single door (stulp kind 6)
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ZV401135', 'ZV-PL-DV-CAPF', 4); -- cam keepers
INSERT INTO FrnSchl (CatalogID, Item, StulpType, Number) VALUES ('ZV402135', 'ZV-PL-DV-ZASH', 6, 1); -- latch keeper in the frame of a single door (stulp kind 6)
INSERT INTO FrnSchl (CatalogID, Item, StulpType, Number) VALUES ('ZV402135', 'ZV-PL-DV-RIG', 6, 1); -- bolt keeper in the frame of a single door (stulp kind 6)
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ZV402135', 'ZV-PL-DV-CAPF', 6); -- cam keepers
INSERT INTO FrnSchl (CatalogID, Item, StulpType, Number) VALUES ('ZV401145', 'ZV-PL-DV-ZASH', 6, 1); -- latch keeper in the frame of a single door (stulp kind 6)
INSERT INTO FrnSchl (CatalogID, Item, StulpType, Number) VALUES ('ZV401145', 'ZV-PL-DV-RIG', 6, 1); -- bolt keeper in the frame of a single door (stulp kind 6)
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ZV401145', 'ZV-PL-DV-CAPF', 4); -- cam keepers
INSERT INTO FrnSchl (CatalogID, Item, StulpType, Number) VALUES ('ZV402145', 'ZV-PL-DV-ZASH', 6, 1); -- latch keeper in the frame of a single door (stulp kind 6)
INSERT INTO FrnSchl (CatalogID, Item, StulpType, Number) VALUES ('ZV402145', 'ZV-PL-DV-RIG', 6, 1); -- bolt keeper in the frame of a single door (stulp kind 6)
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ZV402145', 'ZV-PL-DV-CAPF', 6); -- cam keepers
INSERT INTO FrnSchl (CatalogID, Item, StulpType, Number) VALUES ('ZV403125', 'ZV-PL-DV-ZASH', 6, 1);
INSERT INTO FrnSchl (CatalogID, Item, StulpType, Number) VALUES ('ZV403125', 'ZV-PL-DV-RIG', 6, 1);
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ZV403125', 'ZV-PL-DV-KR', 4); -- hook keepers
INSERT INTO FrnSchl (CatalogID, Item, StulpType, Number) VALUES ('ZV403130', 'ZV-PL-DV-ZASH', 6, 1);
INSERT INTO FrnSchl (CatalogID, Item, StulpType, Number) VALUES ('ZV403130', 'ZV-PL-DV-RIG', 6, 1);
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ZV403130', 'ZV-PL-DV-KR', 4); -- hook keepers
INSERT INTO FrnSchl (CatalogID, Item, StulpType, Number) VALUES ('ZV403135', 'ZV-PL-DV-ZASH', 6, 1);
INSERT INTO FrnSchl (CatalogID, Item, StulpType, Number) VALUES ('ZV403135', 'ZV-PL-DV-RIG', 6, 1);
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ZV403135', 'ZV-PL-DV-KR', 4); -- hook keepers
INSERT INTO FrnSchl (CatalogID, Item, StulpType, Number) VALUES ('ZV403145', 'ZV-PL-DV-ZASH', 6, 1);
INSERT INTO FrnSchl (CatalogID, Item, StulpType, Number) VALUES ('ZV403145', 'ZV-PL-DV-RIG', 6, 1);
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ZV403145', 'ZV-PL-DV-KR', 4); -- hook keepers
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ZV404130', 'ZV-PL-DV-ZASH', 1);
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ZV404130', 'ZV-PL-DV-RIG', 1);
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ZV404135', 'ZV-PL-DV-ZASH', 1);
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ZV404135', 'ZV-PL-DV-RIG', 1);
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ZV404145', 'ZV-PL-DV-ZASH', 1);
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ZV404145', 'ZV-PL-DV-RIG', 1);
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ZV405135', 'ZV-PL-DV-ZASH', 1);
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ZV405145', 'ZV-PL-DV-ZASH', 1);
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ZV450100', 'ZV-PL-DV-SHPING', 1); -- floor/head keeper for each door bolt
INSERT INTO FrnSchl (CatalogID, Item, Number) VALUES ('ZV460500', 'ZV-PL-DV-CAPF', 1); -- top lock keeper

-- Covers per article and cover colour; an empty colour serves when the chosen colour has none.
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV210100', 'SL', 'ZV270101', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV210100', 'WH', 'ZV270102', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV210100', 'BR', 'ZV270103', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV210100', 'GD', 'ZV270105', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV210100', '', 'ZV270100', 1); -- uncoloured: serves every other cover colour
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV210200', 'SL', 'ZV270101', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV210200', 'WH', 'ZV270102', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV210200', 'BR', 'ZV270103', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV210200', 'GD', 'ZV270105', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV210200', '', 'ZV270100', 1); -- uncoloured: serves every other cover colour
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV211100', 'SL', 'ZV270101', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV211100', 'WH', 'ZV270102', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV211100', 'BR', 'ZV270103', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV211100', 'GD', 'ZV270105', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV211100', '', 'ZV270100', 1); -- uncoloured: serves every other cover colour
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV211200', 'SL', 'ZV270101', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV211200', 'WH', 'ZV270102', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV211200', 'BR', 'ZV270103', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV211200', 'GD', 'ZV270105', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV211200', '', 'ZV270100', 1); -- uncoloured: serves every other cover colour
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV212100', 'SL', 'ZV270101', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV212100', 'WH', 'ZV270102', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV212100', 'BR', 'ZV270103', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV212100', 'GD', 'ZV270105', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV212100', '', 'ZV270100', 1); -- uncoloured: serves every other cover colour
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV212200', 'SL', 'ZV270101', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV212200', 'WH', 'ZV270102', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV212200', 'BR', 'ZV270103', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV212200', 'GD', 'ZV270105', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV212200', '', 'ZV270100', 1); -- uncoloured: serves every other cover colour
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV213100', 'SL', 'ZV270101', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV213100', 'WH', 'ZV270102', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV213100', 'BR', 'ZV270103', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV213100', 'GD', 'ZV270105', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV213100', '', 'ZV270100', 1); -- uncoloured: serves every other cover colour
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV213200', 'SL', 'ZV270101', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV213200', 'WH', 'ZV270102', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV213200', 'BR', 'ZV270103', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV213200', 'GD', 'ZV270105', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV213200', '', 'ZV270100', 1); -- uncoloured: serves every other cover colour
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV262020', 'SL', 'ZV270101', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV262020', 'WH', 'ZV270102', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV262020', 'BR', 'ZV270103', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV262020', 'GD', 'ZV270105', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV262020', '', 'ZV270100', 1); -- uncoloured: serves every other cover colour
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV262018', 'SL', 'ZV270101', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV262018', 'WH', 'ZV270102', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV262018', 'BR', 'ZV270103', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV262018', 'GD', 'ZV270105', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV262018', '', 'ZV270100', 1); -- uncoloured: serves every other cover colour
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV260112', 'SL', 'ZV270201', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV260112', 'WH', 'ZV270202', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV260112', 'BR', 'ZV270203', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV260112', 'TI', 'ZV270204', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV260112', 'GD', 'ZV270205', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV260112', '', 'ZV270200', 1); -- uncoloured: serves every other cover colour
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV260104', 'SL', 'ZV270201', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV260104', 'WH', 'ZV270202', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV260104', 'BR', 'ZV270203', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV260104', 'TI', 'ZV270204', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV260104', 'GD', 'ZV270205', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV260104', '', 'ZV270200', 1); -- uncoloured: serves every other cover colour
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV260212', 'SL', 'ZV270201', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV260212', 'WH', 'ZV270202', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV260212', 'BR', 'ZV270203', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV260212', 'TI', 'ZV270204', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV260212', 'GD', 'ZV270205', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV260212', '', 'ZV270200', 1); -- uncoloured: serves every other cover colour
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV260204', 'SL', 'ZV270201', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV260204', 'WH', 'ZV270202', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV260204', 'BR', 'ZV270203', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV260204', 'TI', 'ZV270204', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV260204', 'GD', 'ZV270205', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV260204', '', 'ZV270200', 1); -- uncoloured: serves every other cover colour
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV261112', 'SL', 'ZV270201', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV261112', 'WH', 'ZV270202', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV261112', 'BR', 'ZV270203', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV261112', 'TI', 'ZV270204', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV261112', 'GD', 'ZV270205', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV261112', '', 'ZV270200', 1); -- uncoloured: serves every other cover colour
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV261212', 'SL', 'ZV270201', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV261212', 'WH', 'ZV270202', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV261212', 'BR', 'ZV270203', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV261212', 'TI', 'ZV270204', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV261212', 'GD', 'ZV270205', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV261212', '', 'ZV270200', 1); -- uncoloured: serves every other cover colour
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV310501', 'WH', 'ZV270602', 1); -- a cover for a strike plate: found in the cover stage
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV310501', 'BR', 'ZV270603', 1); -- a cover for a strike plate: found in the cover stage
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV310501', '', 'ZV270600', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV310502', 'WH', 'ZV270602', 1); -- a cover for a strike plate: found in the cover stage
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV310502', 'BR', 'ZV270603', 1); -- a cover for a strike plate: found in the cover stage
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV310502', '', 'ZV270600', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV310503', 'WH', 'ZV270602', 1); -- a cover for a strike plate: found in the cover stage
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV310503', 'BR', 'ZV270603', 1); -- a cover for a strike plate: found in the cover stage
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV310503', '', 'ZV270600', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV310504', 'WH', 'ZV270602', 1); -- a cover for a strike plate: found in the cover stage
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV310504', 'BR', 'ZV270603', 1); -- a cover for a strike plate: found in the cover stage
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV310504', '', 'ZV270600', 1);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV410002', 'SL', 'ZV270701', 2);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV410002', 'WH', 'ZV270702', 2);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV410002', 'BR', 'ZV270703', 2);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV410002', 'AN', 'ZV270706', 2);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV410002', '', 'ZV270700', 2);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV410006', 'SL', 'ZV270701', 2);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV410006', 'WH', 'ZV270702', 2);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV410006', 'BR', 'ZV270703', 2);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV410006', 'AN', 'ZV270706', 2);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV410006', '', 'ZV270700', 2);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV410000', 'SL', 'ZV270701', 2);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV410000', 'WH', 'ZV270702', 2);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV410000', 'BR', 'ZV270703', 2);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV410000', 'AN', 'ZV270706', 2);
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, Number) VALUES ('ZV410000', '', 'ZV270700', 2);

-- Accessories per article.
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV290101', 'ZV900540', 2);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV290102', 'ZV900540', 2);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV290103', 'ZV900540', 2);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV290104', 'ZV900540', 2);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV290105', 'ZV900540', 2);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV290112', 'ZV900540', 2);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV290201', 'ZV900540', 2);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV290202', 'ZV900540', 2);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV290203', 'ZV900540', 2);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV290301', 'ZV900540', 2);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV290302', 'ZV900540', 2);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV290401', 'ZV900540', 2);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV290402', 'ZV900540', 2);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV290403', 'ZV900540', 2);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number, ItemComplectID) VALUES ('ZV290501', 'ZV900319', 2, 'ZV-RUCHKA-BALK'); -- fixing screws only when it comes from the balcony handle set
INSERT INTO FrnDop (CatalogID, AccessoryID, Number, ItemComplectID) VALUES ('ZV290502', 'ZV900319', 2, 'ZV-RUCHKA-BALK'); -- fixing screws only when it comes from the balcony handle set
INSERT INTO FrnDop (CatalogID, AccessoryID, Number, ItemComplectID) VALUES ('ZV290503', 'ZV900319', 2, 'ZV-RUCHKA-BALK'); -- fixing screws only when it comes from the balcony handle set
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV310101', 'ZV900325', 2);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV310102', 'ZV900325', 2);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV310103', 'ZV900325', 2);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV310104', 'ZV900430', 2);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV310201', 'ZV900325', 2);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV310202', 'ZV900325', 2);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV310203', 'ZV900325', 2);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV310204', 'ZV900430', 2);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV310301', 'ZV900325', 2);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV310302', 'ZV900325', 2);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV310303', 'ZV900325', 2);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV310304', 'ZV900430', 2);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV310401', 'ZV900325', 2);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV310402', 'ZV900325', 2);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV310403', 'ZV900325', 2);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV310404', 'ZV900430', 2);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV310405', 'ZV900650', 2);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV310501', 'ZV900325', 3);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV310502', 'ZV900325', 3);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV310503', 'ZV900325', 3);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV310504', 'ZV900430', 3);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV310601', 'ZV900325', 2);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV310602', 'ZV900325', 2);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV310603', 'ZV900325', 2);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV310604', 'ZV900430', 2);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV310701', 'ZV900325', 2);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV310702', 'ZV900325', 2);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV310703', 'ZV900325', 2);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV310704', 'ZV900430', 2);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV310801', 'ZV900325', 2);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV310802', 'ZV900325', 2);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV310803', 'ZV900325', 2);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV310804', 'ZV900430', 2);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV311001', 'ZV900325', 2);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV311002', 'ZV900325', 2);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV311003', 'ZV900325', 2);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV311004', 'ZV900430', 2);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV311101', 'ZV900325', 2);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV311102', 'ZV900325', 2);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV311103', 'ZV900325', 2);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV311104', 'ZV900430', 2);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV311105', 'ZV900650', 2);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV470105', 'ZV900650', 2);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV470205', 'ZV900650', 2);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV470305', 'ZV900650', 2);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV470405', 'ZV900650', 2);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number, PropKey) VALUES ('ZV200012', 'ZV900325', 2, 11); -- reinforced fixing for RC1/RC2 (property key 11)
INSERT INTO FrnDop (CatalogID, AccessoryID, Number, PropKey) VALUES ('ZV200004', 'ZV900325', 2, 11); -- reinforced fixing for RC1/RC2 (property key 11)
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV270201', 'ZV900010', 2); -- screw caps of a cover: found in the accessory stage
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV270202', 'ZV900010', 2); -- screw caps of a cover: found in the accessory stage
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV270203', 'ZV900010', 2); -- screw caps of a cover: found in the accessory stage
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV270204', 'ZV900010', 2); -- screw caps of a cover: found in the accessory stage
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV270205', 'ZV900010', 2); -- screw caps of a cover: found in the accessory stage
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV270200', 'ZV900010', 2);
INSERT INTO FrnDop (CatalogID, AccessoryID, StulpType, Number) VALUES ('ZV312003', 'ZV900020', 3, 1); -- adapter for the aluminium stulp only (stulp kind 3)
INSERT INTO FrnDop (CatalogID, AccessoryID, StulpType, Number) VALUES ('ZV312002', 'ZV900040', 2, 1); -- stulp seal with PVC stulp plates (stulp kind 2)
INSERT INTO FrnDop (CatalogID, AccessoryID, StulpType, Number) VALUES ('ZV312003', 'ZV900040', 2, 1); -- stulp seal with PVC stulp plates (stulp kind 2)
INSERT INTO FrnDop (CatalogID, AccessoryID, StulpType, Number) VALUES ('ZV312004', 'ZV900040', 2, 1); -- stulp seal with PVC stulp plates (stulp kind 2)
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV401125', 'ZV900650', 4);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV402125', 'ZV900650', 4);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV401130', 'ZV900650', 4);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV402130', 'ZV900650', 4);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV401135', 'ZV900650', 4);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV402135', 'ZV900650', 4);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV401145', 'ZV900650', 4);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV402145', 'ZV900650', 4);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV403125', 'ZV900650', 4);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV403130', 'ZV900650', 4);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV403135', 'ZV900650', 4);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV403145', 'ZV900650', 4);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV404130', 'ZV900650', 4);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV404135', 'ZV900650', 4);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV404145', 'ZV900650', 4);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV405135', 'ZV900650', 4);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV405145', 'ZV900650', 4);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV403125', 'ZV900030', 1);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV403130', 'ZV900030', 1);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV403135', 'ZV900030', 1);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV403145', 'ZV900030', 1);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV440100', 'ZV900580', 1);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV440110', 'ZV900580', 1);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV440120', 'ZV900580', 1);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV440200', 'ZV900580', 1);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV440210', 'ZV900580', 1);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number) VALUES ('ZV440220', 'ZV900580', 1);
INSERT INTO FrnDop (CatalogID, AccessoryID, Number, PropKey) VALUES ('ZV460200', 'ZV900325', 6, 51); -- threshold fixing for the low threshold (door property key 51)
