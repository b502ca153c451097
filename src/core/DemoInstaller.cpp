#include "DemoInstaller.h"

#include "core/Database.h"
#include "core/Globals.h"
#include "core/IniFile.h"
#include "tools/Errors.h"
#include "tools/Registry.h"
#include "tools/Win1251.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace kv {

namespace {

void makeDir(const QString &path)
{
    if (!QFileInfo(path).isDir() && !QDir().mkpath(path))
        throw Error(QStringLiteral("Не удалось создать каталог [%1]").arg(path));
}

void writeWhole(const QString &path, const QByteArray &data)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(data) != data.size() || !f.commit())
        throw Error(QStringLiteral("Ошибка записи файла [%1]").arg(path));
}

// The catalogue is built beside its place and moved in only when every script
// ran, so an interrupted or failed install never leaves half a catalogue.
void buildCatalogue(const QString &catalogDir, const QList<DemoFile> &scripts)
{
    const QString staging = QDir(catalogDir).filePath(QStringLiteral(".demo-install"));
    QDir(staging).removeRecursively();
    makeDir(staging);
    const QString conn = QStringLiteral("kv_demo_install");
    try {
        createDatabase(DatabaseKind::Catalog, staging);
        openDatabase(DatabaseKind::Catalog, staging, conn);
        QString all;
        for (const DemoFile &f : scripts)
            all += QString::fromUtf8(f.data) + QLatin1Char('\n');
        runSqlScript(conn, all, QStringLiteral("demo"));
        closeDatabase(conn);
    } catch (const Error &) {
        closeDatabase(conn);
        QDir(staging).removeRecursively();
        throw;
    }
    const QString target = databasePath(DatabaseKind::Catalog, catalogDir);
    const bool moved = QFile::rename(databasePath(DatabaseKind::Catalog, staging), target);
    QDir(staging).removeRecursively();
    if (!moved)
        throw Error(QStringLiteral("Ошибка записи файла [%1]").arg(target));
}

// The settings file as the program reads it: Windows-1251 with CR LF.
QByteArray settingsFileBytes(const QByteArray &utf8)
{
    QString text = QString::fromUtf8(utf8);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    bool lossy = false;
    const QByteArray bytes = cp1251::encode(text, &lossy);
    if (lossy)
        throw Error(QStringLiteral("Файл настроек демо-конфигурации содержит символы вне кодовой страницы Windows-1251"));
    return bytes;
}

QString configKey(const QString &name) { return ConfigKey + QLatin1Char('\\') + name; }

} // namespace

QList<DemoFile> readDemoFiles(const QString &dir)
{
    QList<DemoFile> files;
    const QDir base(dir);
    QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            throw Error(QStringLiteral("Ошибка чтения файла [%1]").arg(path));
        files.append({base.relativeFilePath(path), f.readAll()});
    }
    std::sort(files.begin(), files.end(), [](const DemoFile &a, const DemoFile &b) { return a.path < b.path; });
    return files;
}

bool anyConfigurationRegistered()
{
    if (!RegistryKey::keyExists(ConfigKey))
        return false;
    const std::unique_ptr<RegistryKey> key = RegistryKey::open(ConfigKey, false);
    return key && !key->subKeys().isEmpty();
}

DemoInstallResult installDemoConfiguration(const QString &dir, const QString &name, const QList<DemoFile> &files)
{
    if (name.trimmed().isEmpty() || name.contains(QLatin1Char('\\')) || name.contains(QLatin1Char('/')))
        throw Error(QStringLiteral("Недопустимое имя конфигурации [%1]").arg(name));
    const QString root = QDir::cleanPath(QDir(dir).absolutePath());
    DemoInstallResult r;
    r.catalogDir = root + QStringLiteral("/catalog");
    r.dataDir = root + QStringLiteral("/data");
    r.reportDir = root + QStringLiteral("/reports");
    r.tempDir = root + QStringLiteral("/temp");
    r.samplesDir = root + QStringLiteral("/samples");

    // A configuration of this name that points elsewhere belongs to someone:
    // never redirect it.
    if (const std::unique_ptr<RegistryKey> existing = RegistryKey::open(configKey(name), false)) {
        const QString current = NormaliseDirectory(existing->readString(QStringLiteral("KVFCatalogDir")));
        if (!current.isEmpty() && QDir::cleanPath(current) != r.catalogDir)
            throw Error(QStringLiteral("Конфигурация [%1] уже существует и использует каталог [%2]").arg(name, current));
    }

    QList<DemoFile> scripts, templates, samples;
    const DemoFile *settings = nullptr, *reportList = nullptr;
    for (const DemoFile &f : files) {
        if (f.path == QLatin1String("KVFurniture.ini"))
            settings = &f;
        else if (f.path == QLatin1String("reports.sql"))
            reportList = &f;
        else if (f.path.startsWith(QLatin1String("reports/")))
            templates.append(f);
        else if (f.path.startsWith(QLatin1String("orders/")) && f.path.endsWith(QLatin1String(".json")))
            samples.append(f);
        else if (!f.path.contains(QLatin1Char('/')) && f.path.endsWith(QLatin1String(".sql")))
            scripts.append(f);
    }
    if (scripts.isEmpty() || !settings)
        throw Error(QStringLiteral("Нет данных демо-конфигурации"));
    std::sort(scripts.begin(), scripts.end(), [](const DemoFile &a, const DemoFile &b) { return a.path < b.path; });

    auto note = [&r](bool made, const QString &what) { (made ? r.created : r.kept) << what; };

    for (const QString &d : {r.catalogDir, r.dataDir, r.reportDir, r.tempDir})
        makeDir(d);
    // The directories the program expects in the data directory; the register's
    // is not created by the program itself.
    for (const char *sub : {"Orders", "Selection", "Recycled", "Archive", "Registry", "Export"})
        makeDir(r.dataDir + QLatin1Char('/') + QLatin1String(sub));

    const QString catalogue = databasePath(DatabaseKind::Catalog, r.catalogDir);
    const bool newCatalogue = !QFileInfo::exists(catalogue);
    if (newCatalogue)
        buildCatalogue(r.catalogDir, scripts);
    note(newCatalogue, catalogue);

    const QString settingsPath = r.catalogDir + QLatin1Char('/') + QStringLiteral("KVFurniture.ini");
    const bool newSettings = !QFileInfo::exists(settingsPath);
    if (newSettings)
        IniFile(settingsFileBytes(settings->data)).save(settingsPath);
    note(newSettings, settingsPath);

    const QString registerDir = r.dataDir + QStringLiteral("/Registry");
    const bool newRegister = !QFileInfo::exists(databasePath(DatabaseKind::Registry, registerDir));
    if (newRegister)
        createDatabase(DatabaseKind::Registry, registerDir);
    note(newRegister, databasePath(DatabaseKind::Registry, registerDir));

    const QString reports = databasePath(DatabaseKind::Report, r.reportDir);
    const bool newReports = !QFileInfo::exists(reports);
    if (newReports) {
        createDatabase(DatabaseKind::Report, r.reportDir);
        if (reportList) {
            const QString conn = QStringLiteral("kv_demo_reports");
            try {
                openDatabase(DatabaseKind::Report, r.reportDir, conn);
                runSqlScript(conn, QString::fromUtf8(reportList->data), reportList->path);
                closeDatabase(conn);
            } catch (const Error &) {
                closeDatabase(conn);
                QFile::remove(reports);
                throw;
            }
        }
    }
    note(newReports, reports);
    for (const DemoFile &t : templates) {
        const QString path = r.reportDir + t.path.mid(QStringLiteral("reports").size());
        const bool make = !QFileInfo::exists(path);
        if (make) {
            makeDir(QFileInfo(path).absolutePath());
            writeWhole(path, t.data);
        }
        note(make, path);
    }
    if (!samples.isEmpty())
        makeDir(r.samplesDir);
    for (const DemoFile &s : samples) {
        const QString path = r.samplesDir + QLatin1Char('/') + QFileInfo(s.path).fileName();
        const bool make = !QFileInfo::exists(path);
        if (make)
            writeWhole(path, s.data);
        note(make, path);
    }

    // Registered last: the program offers the configuration only once it is complete.
    const std::unique_ptr<RegistryKey> key = RegistryKey::open(configKey(name), true);
    const std::unique_ptr<RegistryKey> configs = RegistryKey::open(ConfigKey, true);
    if (!key || !configs)
        throw Error(QStringLiteral("Ошибка записи в системный реестр!\r\n(%1)").arg(configKey(name)));
    key->writeString(QStringLiteral("KVFCatalogDir"), r.catalogDir);
    key->writeString(QStringLiteral("KVFServerName"), r.dataDir);
    key->writeString(QStringLiteral("KVFReportDir"), r.reportDir);
    key->writeString(QStringLiteral("KVFTempDir"), r.tempDir);
    if (configs->readString(QStringLiteral("DefaultConfig")).isEmpty()) {
        configs->writeString(QStringLiteral("DefaultConfig"), name);
        r.madeDefault = true;
    }
    return r;
}

} // namespace kv
