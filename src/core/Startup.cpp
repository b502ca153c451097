#include "Startup.h"

#include "Config.h"
#include "Globals.h"
#include "Setup.h"
#include "tools/Errors.h"
#include "tools/Files.h"
#include "tools/Messages.h"
#include "tools/Registry.h"
#include "tools/Strings.h"
#include "tools/WaitCursor.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>

#include <exception>
#include <memory>

namespace kv {

namespace {

const QString sLastTempDir = QStringLiteral("KVFLastTempDir");

QString errorText(const std::exception &e)
{
    if (const auto *err = dynamic_cast<const Error *>(&e))
        return err->text();
    return QString::fromLocal8Bit(e.what());
}

void createModules(StartupModules &m)
{
    m.showSplash();
    m.setSplashProgress(0);
    m.setSplashStatus(QStringLiteral("Загрузка системы..."));
    m.setSplashProgress(2);
    m.setApplicationTitle(QStringLiteral("Karvelo ФУРНИТУРА"));
    m.createReportData();
    m.createCatalogData();
    m.setSplashProgress(20);
    m.createMainForm();
    m.setSplashProgress(40);
    m.createExportHolder();
    m.runStartUpSequence();
    m.setSplashProgress(100);
}

} // namespace

bool IsRunTempDirName(const QString &dir)
{
    QString d = dir;
    while (d.endsWith(QLatin1Char('/')) || d.endsWith(QLatin1Char('\\')))
        d.chop(1);
    const qsizetype cut = std::max(d.lastIndexOf(QLatin1Char('/')), d.lastIndexOf(QLatin1Char('\\')));
    const QString name = d.mid(cut + 1);
    if (name.isEmpty() || name.size() > 6 || cut < 0)
        return false;
    for (QChar c : name)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

void ProcessInitialise() { ProcessInitialise(QCoreApplication::arguments()); }

void ProcessInitialise(const QStringList &arguments)
{
    DeveloperMode = IsSwitchPresent(QStringLiteral("/developer"), arguments).found;
    PresentationEnabled = !IsSwitchPresent(QStringLiteral("/nopresentation"), arguments).found;
    // The clock, and the process id for runs started within the same millisecond.
    seedProcessRandom(quint64(QDateTime::currentMSecsSinceEpoch())
                      ^ (quint64(QCoreApplication::applicationPid()) << 40));

    WaitCursor wait;
    try {
        std::unique_ptr<RegistryKey> key = RegistryKey::open(ConfigKey, true);
        LastTempDir = key && key->valueExists(sLastTempDir) ? key->readString(sLastTempDir) : QString();
    } catch (const std::exception &e) {
        ShowErrorBox(errorText(e));
    }
}

void RunMainSequence(ConfigChooser &chooser, StartupModules &modules)
{
    try {
        if (!LastTempDir.isEmpty() && QFileInfo(LastTempDir).isDir() && IsRunTempDirName(LastTempDir))
            DeleteDirectoryTree(LastTempDir); // reports its own failure; the start goes on

        if (!ChooseConfiguration(chooser))
            return;

        auto setup = std::make_unique<TkvfSetup>();
        if (!setup->SettingsLoaded) {
            ShowWarningBox(QStringLiteral("Не найден файл конфигурации! Переустановите программу "
                                          "или произведите настройку вручную!"));
            return;
        }

        QString failure;
        try {
            createModules(modules);
        } catch (const std::exception &e) {
            failure = errorText(e);
            if (failure.isEmpty())
                failure = QStringLiteral("Ошибка загрузки системы");
        }
        // Also after a failure, and before its message: the splash must
        // neither hide the message box nor stay over the main window.
        modules.closeSplash();
        if (!failure.isEmpty())
            ShowErrorBox(failure);

        modules.runMessageLoop();
        modules.releaseModules();
        setup.reset(); // stores the settings
    } catch (const std::exception &e) {
        ShowErrorBox(errorText(e));
    }
}

void ProcessFinalise()
{
    {
        WaitCursor wait;
        try {
            std::unique_ptr<RegistryKey> key = RegistryKey::open(ConfigKey, true);
            if (!key)
                throw Error(QStringLiteral("Раздел ") + ConfigKey + QStringLiteral(" не открыт"));
            key->writeString(sLastTempDir, LastTempDir);
        } catch (const std::exception &e) {
            ShowErrorBox(errorText(e));
        }
    }
    ClearGlobals();
}

} // namespace kv
