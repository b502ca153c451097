#pragma once
// Installs the demo configuration: the directory tree of a configuration with
// the demo documentation as its catalogue, the settings file of the demo firm,
// an empty order register, the report list, and the registry entry that makes
// the program offer it at start. Running it again keeps what is there.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace kv {

// One file of the demo data, by its path relative to the demo directory:
// "NN_*.sql" (catalogue scripts, run in name order), "KVFurniture.ini" (UTF-8),
// "reports.sql" (report list), "reports/..." (report templates),
// "orders/*.json" (sample orders).
struct DemoFile
{
    QString path;
    QByteArray data;
};

// Every file below dir, with paths relative to it.
QList<DemoFile> readDemoFiles(const QString &dir);

struct DemoInstallResult
{
    QString catalogDir, dataDir, reportDir, tempDir, samplesDir;
    QStringList created; // what this run made
    QStringList kept;    // what was there already and stays as it was
    bool madeDefault = false;
};

// The configuration lives below dir: catalog (catalogue database and settings
// file), data (orders and the register), reports, temp, samples. Throws
// kv::Error when a configuration of that name already points elsewhere, when
// name is not usable as a registry key, or when a file cannot be made; a
// catalogue that fails to load leaves no database behind.
DemoInstallResult installDemoConfiguration(const QString &dir, const QString &name, const QList<DemoFile> &files);

// Whether the registry holds any configuration.
bool anyConfigurationRegistered();

} // namespace kv
