-- Catalogue database (KMDB_Catalog): the article catalogue and the fittings
-- documentation of one hardware maker. File catalog.sqlite in the catalogue
-- directory.
--
-- Every text column is NOT NULL DEFAULT '' and every numeric column NOT NULL
-- DEFAULT 0, so an INSERT may name only the columns it fills. "Key" columns
-- are assigned by the database when omitted and keep the insertion order.
-- Usable with the sqlite3 shell: sqlite3 catalog.sqlite < catalog.sql

PRAGMA user_version = 1;

-- Colours.
CREATE TABLE IF NOT EXISTS "COLORSET" (
  "Color" TEXT NOT NULL DEFAULT '' PRIMARY KEY,
  "Name"  TEXT NOT NULL DEFAULT ''
);

-- Currencies; "Value" is the rate against the base currency.
CREATE TABLE IF NOT EXISTS "Currency" (
  "ID"                INTEGER NOT NULL DEFAULT 0 PRIMARY KEY,
  "Name"              TEXT    NOT NULL DEFAULT '',
  "Value"             REAL    NOT NULL DEFAULT 0,
  "Dec"               INTEGER NOT NULL DEFAULT 0,
  "Nominative"        TEXT    NOT NULL DEFAULT '',
  "Genitive"          TEXT    NOT NULL DEFAULT '',
  "GenitivePlural"    TEXT    NOT NULL DEFAULT '',
  "Gender"            INTEGER NOT NULL DEFAULT 0,
  "DecNominative"     TEXT    NOT NULL DEFAULT '',
  "DecGenitive"       TEXT    NOT NULL DEFAULT '',
  "DecGenitivePlural" TEXT    NOT NULL DEFAULT '',
  "DecGender"         INTEGER NOT NULL DEFAULT 0
);

-- Price groups: percentage columns Reduce_1 .. Reduce_10.
CREATE TABLE IF NOT EXISTS "PriceGrp" (
  "GroupID"   INTEGER NOT NULL DEFAULT 0 PRIMARY KEY,
  "Name"      TEXT    NOT NULL DEFAULT '',
  "Reduce_1"  REAL    NOT NULL DEFAULT 0,
  "Reduce_2"  REAL    NOT NULL DEFAULT 0,
  "Reduce_3"  REAL    NOT NULL DEFAULT 0,
  "Reduce_4"  REAL    NOT NULL DEFAULT 0,
  "Reduce_5"  REAL    NOT NULL DEFAULT 0,
  "Reduce_6"  REAL    NOT NULL DEFAULT 0,
  "Reduce_7"  REAL    NOT NULL DEFAULT 0,
  "Reduce_8"  REAL    NOT NULL DEFAULT 0,
  "Reduce_9"  REAL    NOT NULL DEFAULT 0,
  "Reduce_10" REAL    NOT NULL DEFAULT 0
);

-- Fittings systems.
CREATE TABLE IF NOT EXISTS "SysList" (
  "ID"        TEXT    NOT NULL DEFAULT '' PRIMARY KEY,
  "Group"     INTEGER NOT NULL DEFAULT 0,
  "Name"      TEXT    NOT NULL DEFAULT '',
  "ShortName" TEXT    NOT NULL DEFAULT '',
  "Use"       INTEGER NOT NULL DEFAULT 0,
  "CommonGrp" INTEGER NOT NULL DEFAULT 0,
  "BaseColor" TEXT    NOT NULL DEFAULT ''
);

-- Colours per system; "ID" is the colour code.
CREATE TABLE IF NOT EXISTS "SysColor" (
  "ID"      TEXT NOT NULL DEFAULT '',
  "System"  TEXT NOT NULL DEFAULT '',
  "Article" TEXT NOT NULL DEFAULT '',
  PRIMARY KEY ("ID", "System")
);
CREATE INDEX IF NOT EXISTS "SysColor_SysIndex" ON "SysColor" ("System" COLLATE NOCASE, "ID" COLLATE NOCASE);

-- Property values; ID div 10 * 10 is the property group.
CREATE TABLE IF NOT EXISTS "SysProp" (
  "ID"        INTEGER NOT NULL DEFAULT 0 PRIMARY KEY,
  "GroupName" TEXT    NOT NULL DEFAULT '',
  "ValueName" TEXT    NOT NULL DEFAULT '',
  "Printable" INTEGER NOT NULL DEFAULT 0,
  "Use"       INTEGER NOT NULL DEFAULT 0,
  "PrintName" TEXT    NOT NULL DEFAULT ''
);

-- Strike-plate systems per fittings system.
CREATE TABLE IF NOT EXISTS "SysProf" (
  "SchlSysID" TEXT NOT NULL DEFAULT '',
  "FurnSysID" TEXT NOT NULL DEFAULT '',
  "Name"      TEXT NOT NULL DEFAULT '',
  PRIMARY KEY ("SchlSysID", "FurnSysID")
);

-- Articles. The columns after "Virtual" are kept for the maker's tools; the
-- program does not read them.
CREATE TABLE IF NOT EXISTS "Catalog" (
  "ID"               TEXT    NOT NULL DEFAULT '' PRIMARY KEY,
  "Group"            INTEGER NOT NULL DEFAULT 0,
  "System"           TEXT    NOT NULL DEFAULT '',
  "Article"          TEXT    NOT NULL DEFAULT '',
  "ProdArticle"      TEXT    NOT NULL DEFAULT '',
  "ProdArticle2"     TEXT    NOT NULL DEFAULT '',
  "ProdArticle3"     TEXT    NOT NULL DEFAULT '',
  "UseArticle"       INTEGER NOT NULL DEFAULT 0,
  "Name"             TEXT    NOT NULL DEFAULT '',
  "Unit"             TEXT    NOT NULL DEFAULT '',
  "Integer"          INTEGER NOT NULL DEFAULT 0,
  "MinTrade"         REAL    NOT NULL DEFAULT 0,
  "Price"            REAL    NOT NULL DEFAULT 0,
  "PriceGrp"         INTEGER NOT NULL DEFAULT 0,
  "Currency"         INTEGER NOT NULL DEFAULT 0,
  "Use"              INTEGER NOT NULL DEFAULT 0,
  "CommonUse"        INTEGER NOT NULL DEFAULT 0,
  "Virtual"          INTEGER NOT NULL DEFAULT 0,
  "FrontColor"       TEXT    NOT NULL DEFAULT '',
  "GOST"             TEXT    NOT NULL DEFAULT '',
  "ShortName"        TEXT    NOT NULL DEFAULT '',
  "AltUnit_1"        TEXT    NOT NULL DEFAULT '',
  "AltUnit_2"        TEXT    NOT NULL DEFAULT '',
  "Coef"             REAL    NOT NULL DEFAULT 0,
  "AltCoef_1"        REAL    NOT NULL DEFAULT 0,
  "AltCoef_2"        REAL    NOT NULL DEFAULT 0,
  "AltInteger_1"     INTEGER NOT NULL DEFAULT 0,
  "AltInteger_2"     INTEGER NOT NULL DEFAULT 0,
  "RoundedTotal"     INTEGER NOT NULL DEFAULT 0,
  "MinLength"        INTEGER NOT NULL DEFAULT 0,
  "MinWidth"         INTEGER NOT NULL DEFAULT 0,
  "MinHeight"        INTEGER NOT NULL DEFAULT 0,
  "MaxLength"        INTEGER NOT NULL DEFAULT 0,
  "MaxWidth"         INTEGER NOT NULL DEFAULT 0,
  "MaxHeight"        INTEGER NOT NULL DEFAULT 0,
  "Thickness"        REAL    NOT NULL DEFAULT 0,
  "Weight"           REAL    NOT NULL DEFAULT 0,
  "Volume"           REAL    NOT NULL DEFAULT 0,
  "CutAvailable"     INTEGER NOT NULL DEFAULT 0,
  "CalcPrinciple"    INTEGER NOT NULL DEFAULT 0,
  "DustGrp"          INTEGER NOT NULL DEFAULT 0,
  "PriceList"        INTEGER NOT NULL DEFAULT 0,
  "PriceMethod"      INTEGER NOT NULL DEFAULT 0,
  "CustomGrp"        INTEGER NOT NULL DEFAULT 0,
  "GetCustom"        INTEGER NOT NULL DEFAULT 0,
  "GetNDS"           INTEGER NOT NULL DEFAULT 0,
  "ScreenColor"      INTEGER NOT NULL DEFAULT 0,
  "SizeToSquare"     INTEGER NOT NULL DEFAULT 0,
  "ArcPriceCoef"     REAL    NOT NULL DEFAULT 0,
  "NotStdPriceCoef"  REAL    NOT NULL DEFAULT 0,
  "CombinePriceCoef" REAL    NOT NULL DEFAULT 0,
  "IncludeToComp"    INTEGER NOT NULL DEFAULT 0,
  "GarantGrp"        INTEGER NOT NULL DEFAULT 0,
  "Laminating"       INTEGER NOT NULL DEFAULT 0,
  "Reserve1"         TEXT    NOT NULL DEFAULT '',
  "Reserve2"         TEXT    NOT NULL DEFAULT '',
  "Mark"             INTEGER NOT NULL DEFAULT 0,
  "PrintGroup"       INTEGER NOT NULL DEFAULT 0,
  "SingleLam"        INTEGER NOT NULL DEFAULT 0,
  "Export"           INTEGER NOT NULL DEFAULT 0,
  "SubSetID"         TEXT    NOT NULL DEFAULT '',
  "LamSqExt"         REAL    NOT NULL DEFAULT 0,
  "LamSqInn"         REAL    NOT NULL DEFAULT 0,
  "LamSqFull"        REAL    NOT NULL DEFAULT 0,
  "AutoChange"       INTEGER NOT NULL DEFAULT 0,
  "LenToSquare"      INTEGER NOT NULL DEFAULT 0,
  "SinkDeltaW"       INTEGER NOT NULL DEFAULT 0,
  "SinkDeltaL"       INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX IF NOT EXISTS "Catalog_ProdArtIndex"  ON "Catalog" ("ProdArticle" COLLATE NOCASE);
CREATE INDEX IF NOT EXISTS "Catalog_ProdArt2Index" ON "Catalog" ("ProdArticle2" COLLATE NOCASE);
CREATE INDEX IF NOT EXISTS "Catalog_SysIndex"      ON "Catalog" ("System" COLLATE NOCASE);
CREATE INDEX IF NOT EXISTS "Catalog_NameIndex"     ON "Catalog" ("Name" COLLATE NOCASE);
CREATE INDEX IF NOT EXISTS "Catalog_GrpIndex"      ON "Catalog" ("Group");
CREATE INDEX IF NOT EXISTS "Catalog_ArtIndex"      ON "Catalog" ("Article" COLLATE NOCASE);

-- Materials.
CREATE TABLE IF NOT EXISTS "Material" (
  "ID"   INTEGER NOT NULL DEFAULT 0 PRIMARY KEY,
  "Name" TEXT    NOT NULL DEFAULT ''
);

-- Rebate parameters (IDs 100-199), dorn sizes (200-299), stulp types
-- (300-399) and sash opening types (400-499) in one table.
CREATE TABLE IF NOT EXISTS "ParamList" (
  "ID"        INTEGER NOT NULL DEFAULT 0 PRIMARY KEY,
  "Group"     INTEGER NOT NULL DEFAULT 0,
  "Name"      TEXT    NOT NULL DEFAULT '',
  "FalzLuft"  INTEGER NOT NULL DEFAULT 0,
  "FalzSize"  INTEGER NOT NULL DEFAULT 0,
  "FalzPos"   INTEGER NOT NULL DEFAULT 0,
  "DornMass"  REAL    NOT NULL DEFAULT 0,
  "OpenType"  INTEGER NOT NULL DEFAULT 0,
  "StulpType" INTEGER NOT NULL DEFAULT 0
);

-- Fitting sets.
CREATE TABLE IF NOT EXISTS "FrnComp" (
  "ID"               TEXT    NOT NULL DEFAULT '' PRIMARY KEY,
  "Group"            INTEGER NOT NULL DEFAULT 0,
  "SubGroup"         INTEGER NOT NULL DEFAULT 0,
  "Kipp"             INTEGER NOT NULL DEFAULT 0,
  "Name"             TEXT    NOT NULL DEFAULT '',
  "SymmetricID"      TEXT    NOT NULL DEFAULT '',
  "MultiSysID"       TEXT    NOT NULL DEFAULT '',
  "Image"            INTEGER NOT NULL DEFAULT 0,
  "MaxWeight"        INTEGER NOT NULL DEFAULT 0,
  "ScrColor"         INTEGER NOT NULL DEFAULT 0,
  "TFlugelAvailable" INTEGER NOT NULL DEFAULT 0,
  "Use"              INTEGER NOT NULL DEFAULT 0,
  "CommonGrp"        INTEGER NOT NULL DEFAULT 0,
  "Direct"           INTEGER NOT NULL DEFAULT 0,
  "Note"             TEXT    NOT NULL DEFAULT '',
  "Printable"        INTEGER NOT NULL DEFAULT 0,
  "PrintName"        TEXT    NOT NULL DEFAULT '',
  "Alert"            TEXT    NOT NULL DEFAULT '',
  "PropKey"          INTEGER NOT NULL DEFAULT 0,
  "DispHingeNum"     INTEGER NOT NULL DEFAULT 0,
  "CompectImage"     INTEGER NOT NULL DEFAULT 0,
  "Material"         INTEGER NOT NULL DEFAULT 0,
  "HingeT"           INTEGER NOT NULL DEFAULT 0,
  "HingeB"           INTEGER NOT NULL DEFAULT 0,
  "HingeC"           INTEGER NOT NULL DEFAULT 0
);

-- Limits of a set per sash side (sides numbered from 1).
CREATE TABLE IF NOT EXISTS "FrnSide" (
  "ID"            TEXT    NOT NULL DEFAULT '',
  "Side"          INTEGER NOT NULL DEFAULT 0,
  "MinSize"       INTEGER NOT NULL DEFAULT 0,
  "MaxSize"       INTEGER NOT NULL DEFAULT 0,
  "MinAngle"      REAL    NOT NULL DEFAULT 0,
  "MaxAngle"      REAL    NOT NULL DEFAULT 0,
  "MinRadius"     INTEGER NOT NULL DEFAULT 0,
  "MaxRadius"     INTEGER NOT NULL DEFAULT 0,
  "FullRadius"    INTEGER NOT NULL DEFAULT 0,
  "HalfRadius"    INTEGER NOT NULL DEFAULT 0,
  "EllipseRadius" INTEGER NOT NULL DEFAULT 0,
  "OpenMode"      INTEGER NOT NULL DEFAULT 0,
  "RotSide"       INTEGER NOT NULL DEFAULT 0,
  "Handled"       INTEGER NOT NULL DEFAULT 0,
  "HandleDirect"  INTEGER NOT NULL DEFAULT 0,
  "Banded"        INTEGER NOT NULL DEFAULT 0,
  "Drived"        INTEGER NOT NULL DEFAULT 0,
  PRIMARY KEY ("ID", "Side")
);

-- Fitting elements and their test flags.
CREATE TABLE IF NOT EXISTS "FrnItem" (
  "ID"             TEXT    NOT NULL DEFAULT '' PRIMARY KEY,
  "Name"           TEXT    NOT NULL DEFAULT '',
  "HasDornMass"    INTEGER NOT NULL DEFAULT 0,
  "HasProfSys"     INTEGER NOT NULL DEFAULT 0,
  "CheckWeight"    INTEGER NOT NULL DEFAULT 0,
  "HasColor"       INTEGER NOT NULL DEFAULT 0,
  "HasFalzLuft"    INTEGER NOT NULL DEFAULT 0,
  "HasFalzSize"    INTEGER NOT NULL DEFAULT 0,
  "HasFalzPos"     INTEGER NOT NULL DEFAULT 0,
  "CheckThickness" INTEGER NOT NULL DEFAULT 0,
  "CheckProfWidth" INTEGER NOT NULL DEFAULT 0,
  "CheckStulpType" INTEGER NOT NULL DEFAULT 0,
  "CheckDirect"    INTEGER NOT NULL DEFAULT 0,
  "Virtual"        INTEGER NOT NULL DEFAULT 0,
  "CommonGrp"      INTEGER NOT NULL DEFAULT 0
);

-- Set contents: one row per element of a set with its conditions.
CREATE TABLE IF NOT EXISTS "FrnSet" (
  "ID"                 TEXT    NOT NULL DEFAULT '',
  "Item"               TEXT    NOT NULL DEFAULT '',
  "Key"                INTEGER PRIMARY KEY AUTOINCREMENT,
  "PropKey"            INTEGER NOT NULL DEFAULT 0,
  "Number"             INTEGER NOT NULL DEFAULT 0,
  "Side1No"            INTEGER NOT NULL DEFAULT 0,
  "Side2No"            INTEGER NOT NULL DEFAULT 0,
  "AngleNo"            INTEGER NOT NULL DEFAULT 0,
  "FFBMin"             INTEGER NOT NULL DEFAULT 0,
  "FFBMax"             INTEGER NOT NULL DEFAULT 0,
  "FFHMin"             INTEGER NOT NULL DEFAULT 0,
  "FFHMax"             INTEGER NOT NULL DEFAULT 0,
  "FFL1No"             INTEGER NOT NULL DEFAULT 0,
  "FFL1Min"            INTEGER NOT NULL DEFAULT 0,
  "FFL1Max"            INTEGER NOT NULL DEFAULT 0,
  "FFL2No"             INTEGER NOT NULL DEFAULT 0,
  "FFL2Min"            INTEGER NOT NULL DEFAULT 0,
  "FFL2Max"            INTEGER NOT NULL DEFAULT 0,
  "FFL21No"            INTEGER NOT NULL DEFAULT 0,
  "FFL21Min"           INTEGER NOT NULL DEFAULT 0,
  "FFL21Max"           INTEGER NOT NULL DEFAULT 0,
  "FFL22No"            INTEGER NOT NULL DEFAULT 0,
  "FFL22Min"           INTEGER NOT NULL DEFAULT 0,
  "FFL22Max"           INTEGER NOT NULL DEFAULT 0,
  "FFANo"              INTEGER NOT NULL DEFAULT 0,
  "FFAMin"             REAL    NOT NULL DEFAULT 0,
  "FFAMax"             REAL    NOT NULL DEFAULT 0,
  "FFR1No"             INTEGER NOT NULL DEFAULT 0,
  "FFR1Min"            INTEGER NOT NULL DEFAULT 0,
  "FFR1Max"            INTEGER NOT NULL DEFAULT 0,
  "FFR1Type"           INTEGER NOT NULL DEFAULT 0,
  "FFR2No"             INTEGER NOT NULL DEFAULT 0,
  "FFR2Min"            INTEGER NOT NULL DEFAULT 0,
  "FFR2Max"            INTEGER NOT NULL DEFAULT 0,
  "FFR2Type"           INTEGER NOT NULL DEFAULT 0,
  "Condition"          INTEGER NOT NULL DEFAULT 0,
  "ScaleCondition"     INTEGER NOT NULL DEFAULT 0,
  "ScaleStep"          INTEGER NOT NULL DEFAULT 0,
  "ScaleStart"         INTEGER NOT NULL DEFAULT 0,
  "ScaleNum"           INTEGER NOT NULL DEFAULT 0,
  "ScaleScheme"        TEXT    NOT NULL DEFAULT '',
  "ColorCondition"     INTEGER NOT NULL DEFAULT 0,
  "DefineHandleHeight" INTEGER NOT NULL DEFAULT 0,
  "HandleSideNo"       INTEGER NOT NULL DEFAULT 0,
  "StulpType"          INTEGER NOT NULL DEFAULT 0,
  "Required"           INTEGER NOT NULL DEFAULT 0,
  "UseLen"             INTEGER NOT NULL DEFAULT 0,
  "LenFormula"         TEXT    NOT NULL DEFAULT '',
  "Note"               TEXT    NOT NULL DEFAULT '',
  "AlertIfNoArt"       TEXT    NOT NULL DEFAULT '',
  "AlertIfIgnore"      TEXT    NOT NULL DEFAULT '',
  "MinLen"             INTEGER NOT NULL DEFAULT 0,
  "UseIfArt"           TEXT    NOT NULL DEFAULT '',
  "ItemSideNo"         INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX IF NOT EXISTS "FrnSet_ID" ON "FrnSet" ("ID", "Item", "Key");

-- Candidate articles per element.
CREATE TABLE IF NOT EXISTS "FrnArt" (
  "ID"           TEXT    NOT NULL DEFAULT '',
  "CatalogID"    TEXT    NOT NULL DEFAULT '',
  "Key"          INTEGER PRIMARY KEY AUTOINCREMENT,
  "FalzLuft"     INTEGER NOT NULL DEFAULT 0,
  "FalzSize"     INTEGER NOT NULL DEFAULT 0,
  "FalzPos"      INTEGER NOT NULL DEFAULT 0,
  "DornMassMin"  REAL    NOT NULL DEFAULT 0,
  "DornMassMax"  REAL    NOT NULL DEFAULT 0,
  "HandleMin"    INTEGER NOT NULL DEFAULT 0,
  "HandleMax"    INTEGER NOT NULL DEFAULT 0,
  "HandleHeight" INTEGER NOT NULL DEFAULT 0,
  "WeightMin"    REAL    NOT NULL DEFAULT 0,
  "WeightMax"    REAL    NOT NULL DEFAULT 0,
  "ThicknessMin" INTEGER NOT NULL DEFAULT 0,
  "ThicknessMax" INTEGER NOT NULL DEFAULT 0,
  "ProfWidthMin" INTEGER NOT NULL DEFAULT 0,
  "ProfWidthMax" INTEGER NOT NULL DEFAULT 0,
  "ProfSys"      TEXT    NOT NULL DEFAULT '',
  "FFBMin"       INTEGER NOT NULL DEFAULT 0,
  "FFBMax"       INTEGER NOT NULL DEFAULT 0,
  "FFHMin"       INTEGER NOT NULL DEFAULT 0,
  "FFHMax"       INTEGER NOT NULL DEFAULT 0,
  "FFL1Min"      INTEGER NOT NULL DEFAULT 0,
  "FFL1Max"      INTEGER NOT NULL DEFAULT 0,
  "FFL2Min"      INTEGER NOT NULL DEFAULT 0,
  "FFL2Max"      INTEGER NOT NULL DEFAULT 0,
  "FFAMin"       REAL    NOT NULL DEFAULT 0,
  "FFAMax"       REAL    NOT NULL DEFAULT 0,
  "FFR1Min"      INTEGER NOT NULL DEFAULT 0,
  "FFR1Max"      INTEGER NOT NULL DEFAULT 0,
  "FFR2Min"      INTEGER NOT NULL DEFAULT 0,
  "FFR2Max"      INTEGER NOT NULL DEFAULT 0,
  "Color"        TEXT    NOT NULL DEFAULT '',
  "StulpType"    INTEGER NOT NULL DEFAULT 0,
  "Direct"       INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX IF NOT EXISTS "FrnArt_ID" ON "FrnArt" ("ID", "CatalogID", "Key");

-- Strike plates per article.
CREATE TABLE IF NOT EXISTS "FrnSchl" (
  "CatalogID"      TEXT    NOT NULL DEFAULT '',
  "Item"           TEXT    NOT NULL DEFAULT '',
  "Key"            INTEGER PRIMARY KEY AUTOINCREMENT,
  "Number"         INTEGER NOT NULL DEFAULT 0,
  "StulpType"      INTEGER NOT NULL DEFAULT 0,
  "PropKey"        INTEGER NOT NULL DEFAULT 0,
  "ItemSideNo"     INTEGER NOT NULL DEFAULT 0,
  "ItemComplectID" TEXT    NOT NULL DEFAULT ''
);
CREATE INDEX IF NOT EXISTS "FrnSchl_CatalogID" ON "FrnSchl" ("CatalogID");

-- Accessories per article.
CREATE TABLE IF NOT EXISTS "FrnDop" (
  "CatalogID"      TEXT    NOT NULL DEFAULT '',
  "AccessoryID"    TEXT    NOT NULL DEFAULT '',
  "Key"            INTEGER PRIMARY KEY AUTOINCREMENT,
  "Number"         INTEGER NOT NULL DEFAULT 0,
  "PropKey"        INTEGER NOT NULL DEFAULT 0,
  "StulpType"      INTEGER NOT NULL DEFAULT 0,
  "ItemSideNo"     INTEGER NOT NULL DEFAULT 0,
  "ItemComplectID" TEXT    NOT NULL DEFAULT ''
);
CREATE INDEX IF NOT EXISTS "FrnDop_CatalogID" ON "FrnDop" ("CatalogID");

-- Covers per article (Color '' serves every colour).
CREATE TABLE IF NOT EXISTS "FrnAbd" (
  "CatalogID"      TEXT    NOT NULL DEFAULT '',
  "Color"          TEXT    NOT NULL DEFAULT '',
  "AccessoryID"    TEXT    NOT NULL DEFAULT '',
  "Number"         INTEGER NOT NULL DEFAULT 0,
  "ItemSideNo"     INTEGER NOT NULL DEFAULT 0,
  "ItemComplectID" TEXT    NOT NULL DEFAULT ''
);
CREATE INDEX IF NOT EXISTS "FrnAbd_CatalogID" ON "FrnAbd" ("CatalogID");

-- Property conditions: the values a property key admits.
CREATE TABLE IF NOT EXISTS "FrnProp" (
  "PropKey" INTEGER NOT NULL DEFAULT 0,
  "ID"      INTEGER NOT NULL DEFAULT 0,
  "Default" INTEGER NOT NULL DEFAULT 0,
  PRIMARY KEY ("PropKey", "ID")
);

-- Parts of composite elements.
CREATE TABLE IF NOT EXISTS "FrnItoI" (
  "ID"             TEXT    NOT NULL DEFAULT '',
  "Item"           TEXT    NOT NULL DEFAULT '',
  "PropKey"        INTEGER NOT NULL DEFAULT 0,
  "Number"         INTEGER NOT NULL DEFAULT 0,
  "StulpType"      INTEGER NOT NULL DEFAULT 0,
  "ColorCondition" INTEGER NOT NULL DEFAULT 0,
  "Required"       INTEGER NOT NULL DEFAULT 0,
  "AlertIfNoArt"   TEXT    NOT NULL DEFAULT '',
  "AlertIfIgnore"  TEXT    NOT NULL DEFAULT '',
  "Note"           TEXT    NOT NULL DEFAULT '',
  "ItemSideNo"     INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX IF NOT EXISTS "FrnItoI_ID" ON "FrnItoI" ("ID", "Item");
