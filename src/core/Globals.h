#pragma once
// Process-wide values of the run: the chosen configuration, the directories
// derived from it and the start-up switches. Set once during start-up and only
// read afterwards. Directory values carry no trailing separator.
#include <QRandomGenerator>
#include <QString>

namespace kv {

// Registry key of the configurations (one sub-key per configuration).
inline const QString ConfigKey = QStringLiteral("\\SoftWare\\Velmar\\Karvelo\\Zurozirod380\\DBConfig\\ZUVI");

extern QString ConfigName;
extern QString CatalogDir;   // fittings catalogue and the settings file
extern QString DataDir;      // orders, register, archive
extern QString ReportDir;    // report templates
extern QString TempDir;      // this run's private temporary directory
extern QString LastTempDir;  // the previous run's, until a configuration is chosen; then TempDir
extern QString SettingsFile; // CatalogDir/KVFurniture.ini
extern QString OrdersDir;    // DataDir/Orders
extern QString SelectionDir; // DataDir/Selection
extern QString RecycledDir;  // DataDir/Recycled
extern QString ArchiveDir;   // DataDir/Archive
extern QString RegistryDir;  // DataDir/Registry: the order register database
extern QString ExportDir;    // DataDir/Export
extern bool DeveloperMode;       // "/developer" given
extern bool PresentationEnabled; // "/nopresentation" not given

// Blanks around removed, then one trailing "\" or "/" (only one).
QString NormaliseDirectory(const QString &value);

// dir + "/" + name with exactly one separator between them.
QString JoinPath(const QString &dir, const QString &name);

// Empties every string above.
void ClearGlobals();

// The run's random numbers (temporary directory names); seeded at start-up.
QRandomGenerator &processRandom();
void seedProcessRandom(quint64 seed);

} // namespace kv
