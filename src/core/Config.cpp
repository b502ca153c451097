#include "Config.h"

#include "Globals.h"
#include "tools/Errors.h"
#include "tools/Messages.h"
#include "tools/Registry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <exception>

namespace kv {

namespace {

// Chooses a directory name below base that no other run is using: a random
// decimal number, drawn again while such a directory already exists.
QString newTempDir(const QString &base)
{
    QString dir;
    for (int attempt = 0; attempt < 100; ++attempt) {
        dir = JoinPath(base, QString::number(processRandom().bounded(1000000)));
        if (!QFileInfo::exists(dir))
            break;
    }
    return dir;
}

void readDirectories(const QString &name)
{
    std::unique_ptr<RegistryKey> key = RegistryKey::open(ConfigKey + QLatin1Char('\\') + name, false);
    if (!key)
        throw Error(QStringLiteral("Ошибка открытия конфигурации ") + name
                    + QStringLiteral("!\r\nУказанная конфигурация не числиться в списке."));
    try {
        CatalogDir = NormaliseDirectory(key->readString(QStringLiteral("KVFCatalogDir")));
        DataDir = NormaliseDirectory(key->readString(QStringLiteral("KVFServerName")));
        ReportDir = NormaliseDirectory(key->readString(QStringLiteral("KVFReportDir")));
        const QString tempBase = NormaliseDirectory(key->readString(QStringLiteral("KVFTempDir")));

        SettingsFile = CatalogDir + QStringLiteral("/KVFurniture.ini");
        OrdersDir = DataDir + QStringLiteral("/Orders");
        SelectionDir = DataDir + QStringLiteral("/Selection");
        RecycledDir = DataDir + QStringLiteral("/Recycled");
        ArchiveDir = DataDir + QStringLiteral("/Archive");
        RegistryDir = DataDir + QStringLiteral("/Registry");
        ExportDir = DataDir + QStringLiteral("/Export");

        TempDir = tempBase.isEmpty() ? newTempDir(QCoreApplication::applicationDirPath())
                                     : newTempDir(tempBase);
        if (!QFileInfo(TempDir).isDir() && !QDir().mkpath(TempDir))
            throw Error(QStringLiteral("Не удалось создать каталог ") + TempDir);

        LastTempDir = TempDir;
        // The storage engine keeps its temporary files in the run's directory;
        // it reads this before it opens its first database.
        qputenv("SQLITE_TMPDIR", QFile::encodeName(TempDir));
        ConfigName = name;
    } catch (const Error &e) {
        throw Error(QStringLiteral("Ошибка чтения системного реестра!\r\n(") + e.text() + QLatin1Char(')'));
    } catch (const std::exception &e) {
        throw Error(QStringLiteral("Ошибка чтения системного реестра!\r\n(")
                    + QString::fromLocal8Bit(e.what()) + QLatin1Char(')'));
    }
}

} // namespace

bool ChooseConfiguration(ConfigChooser &chooser)
{
    CatalogDir.clear();
    DataDir.clear();
    ReportDir.clear();
    TempDir.clear();
    LastTempDir.clear();
    ExportDir = QStringLiteral("/Export");

    QStringList names;
    QString defaultConfig;
    if (RegistryKey::keyExists(ConfigKey)) {
        if (std::unique_ptr<RegistryKey> key = RegistryKey::open(ConfigKey, false)) {
            names = key->subKeys();
            if (key->valueExists(QStringLiteral("DefaultConfig")))
                defaultConfig = key->readString(QStringLiteral("DefaultConfig"));
        }
    }

    QString name;
    if (!names.isEmpty()) {
        const int selected = std::max<int>(0, int(names.indexOf(defaultConfig)));
        const std::optional<QString> chosen = chooser.choose(names, selected);
        if (!chosen)
            return false;
        name = *chosen;
    }
    if (name.isEmpty()) {
        ShowErrorBox(QStringLiteral("В системе не установлены пути доступа к базам данных!\r\n"
                                    "Инсталлируйте заново программу!"));
        return false;
    }

    try {
        readDirectories(name);
    } catch (const Error &e) {
        ShowErrorBox(e.text());
        return false;
    }
    return true;
}

} // namespace kv
