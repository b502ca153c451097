-- Order register database (KMDB_Registry): one row per registered order file.
-- File register.sqlite in the register directory, shared by every workplace
-- of a configuration; the program opens it in WAL mode with a busy timeout.
-- "RegDate" is an ISO date (YYYY-MM-DD), '' when unknown.

PRAGMA user_version = 1;

CREATE TABLE IF NOT EXISTS "OrderLst" (
  "No"        TEXT    NOT NULL DEFAULT '' PRIMARY KEY,
  "RegDate"   TEXT    NOT NULL DEFAULT '',
  "Customer"  TEXT    NOT NULL DEFAULT '',
  "Object"    TEXT    NOT NULL DEFAULT '',
  "Address"   TEXT    NOT NULL DEFAULT '',
  "Phone"     TEXT    NOT NULL DEFAULT '',
  "Cost"      REAL    NOT NULL DEFAULT 0,
  "Currency"  INTEGER NOT NULL DEFAULT 0,
  "OrderFile" TEXT    NOT NULL DEFAULT '',
  "Note"      TEXT    NOT NULL DEFAULT ''
);
CREATE INDEX IF NOT EXISTS "OrderLst_Date"     ON "OrderLst" ("RegDate");
CREATE INDEX IF NOT EXISTS "OrderLst_CustName" ON "OrderLst" ("Customer" COLLATE NOCASE);
CREATE INDEX IF NOT EXISTS "OrderLst_ObjName"  ON "OrderLst" ("Object" COLLATE NOCASE);
