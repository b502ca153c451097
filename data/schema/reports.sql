-- Report register database (KMDB_Report): the list of printable documents.
-- File reports.sqlite in the report directory. "Group" 11 = documents of an
-- order, 12 = documents of an order selection; "FileName" is relative to the
-- report directory when it begins with "%".

PRAGMA user_version = 1;

CREATE TABLE IF NOT EXISTS "Report" (
  "Name"     TEXT    NOT NULL DEFAULT '',
  "FileName" TEXT    NOT NULL DEFAULT '',
  "Default"  INTEGER NOT NULL DEFAULT 0,
  "Copies"   INTEGER NOT NULL DEFAULT 0,
  "Group"    INTEGER NOT NULL DEFAULT 0,
  "SubGroup" INTEGER NOT NULL DEFAULT 0,
  "USE"      INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX IF NOT EXISTS "Report_Group" ON "Report" ("Group", "SubGroup");
