// Installing the demo configuration: the program starts on it (configuration
// choice, settings, every catalogue table), its defaults make a new order
// usable, running it again is harmless, and a failed install leaves nothing
// behind.
#include "core/Config.h"
#include "core/Data.h"
#include "core/DemoInstaller.h"
#include "core/Globals.h"
#include "core/IniFile.h"
#include "core/Setup.h"
#include "support/QStringPrinter.h"
#include "support/TestSupport.h"
#include "tools/Errors.h"
#include "tools/RecordingMessages.h"
#include "tools/Registry.h"
#include "tools/Win1251.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <gtest/gtest.h>

using namespace kv;

namespace {

class PickName : public ConfigChooser
{
public:
    explicit PickName(QString name) : m_name(std::move(name)) {}
    std::optional<QString> choose(const QStringList &names, int) override
    {
        offered = names;
        return m_name;
    }
    QStringList offered;

private:
    QString m_name;
};

QString configValue(const QString &name, const QString &value)
{
    const std::unique_ptr<RegistryKey> key = RegistryKey::open(ConfigKey + QLatin1Char('\\') + name, false);
    return key ? key->readString(value) : QStringLiteral("<no key>");
}

QString defaultConfig()
{
    const std::unique_ptr<RegistryKey> key = RegistryKey::open(ConfigKey, false);
    return key ? key->readString(QStringLiteral("DefaultConfig")) : QString();
}

class DemoInstall : public ::testing::Test
{
protected:
    void SetUp() override
    {
        RegistryKey::deleteKey(QStringLiteral("\\SoftWare\\Velmar"));
        ClearGlobals();
        root = QDir(kvtest::scratchDir()).filePath(QStringLiteral("install_%1").arg(++counter));
        files = readDemoFiles(kvtest::sourcePath(QStringLiteral("data/demo")));
    }
    void TearDown() override { ClearGlobals(); }

    QString root;
    QList<DemoFile> files;
    static int counter;
};
int DemoInstall::counter = 0;

TEST_F(DemoInstall, TheProgramStartsOnTheInstalledConfiguration)
{
    const DemoInstallResult r = installDemoConfiguration(root, QStringLiteral("Демо"), files);
    EXPECT_TRUE(r.madeDefault);
    EXPECT_EQ(defaultConfig(), QStringLiteral("Демо"));
    EXPECT_EQ(configValue(QStringLiteral("Демо"), QStringLiteral("KVFCatalogDir")), root + QStringLiteral("/catalog"));
    EXPECT_EQ(configValue(QStringLiteral("Демо"), QStringLiteral("KVFServerName")), root + QStringLiteral("/data"));
    EXPECT_EQ(configValue(QStringLiteral("Демо"), QStringLiteral("KVFReportDir")), root + QStringLiteral("/reports"));
    EXPECT_EQ(configValue(QStringLiteral("Демо"), QStringLiteral("KVFTempDir")), root + QStringLiteral("/temp"));

    RecordingMessages messages;
    PickName chooser(QStringLiteral("Демо"));
    ASSERT_TRUE(ChooseConfiguration(chooser));
    EXPECT_EQ(chooser.offered, QStringList{QStringLiteral("Демо")});
    EXPECT_EQ(CatalogDir, r.catalogDir);
    EXPECT_TRUE(QFileInfo(TempDir).isDir());

    // The settings file: Windows-1251 with CR LF, every section of the firm read.
    const QByteArray bytes = kvtest::readFile(SettingsFile);
    EXPECT_EQ(bytes.count("\n"), bytes.count("\r\n"));
    EXPECT_TRUE(bytes.contains(cp1251::encode(QStringLiteral("[Firm]\r\nName=ООО «Окна Ладвинска»\r\n"))));
    {
        TkvfSetup setup;
        ASSERT_TRUE(setup.SettingsLoaded);
        EXPECT_EQ(setup.Firm.Name, QStringLiteral("ООО «Окна Ладвинска»"));
        EXPECT_FALSE(setup.Firm.Director.isEmpty());
        EXPECT_EQ(setup.GetPhonesLine(), QStringLiteral("(81652) 5-12-30,5-12-31,5-12-32"));
        EXPECT_EQ(setup.PriceGroupNames.value(0), QStringLiteral("Розница"));
        EXPECT_DOUBLE_EQ(setup.NDSTax, 20.0);

        // The catalogue opens table by table without a single error, and the
        // defaults of a new order name rows that exist.
        TDM dm;
        dm.OpenDatabases(CatalogDir, RegistryDir, ReportDir);
        EXPECT_TRUE(dm.OpenCatalogTables());
        QSqlQuery q(QSqlDatabase::database(dm.connectionName(DatabaseKind::Catalog)));
        const std::pair<QString, QString> defaults[] = {
            {QStringLiteral("select count(*) from SysList where Use = 1 and \"Group\" = 1 and ID = '%1'"), setup.DefFurnSys},
            {QStringLiteral("select count(*) from SysProf where SchlSysID = '%1' and FurnSysID = '2100'"), setup.DefProfSys},
            {QStringLiteral("select count(*) from SysColor where System = '2101' and ID = '%1'"), setup.DefFurnColor},
            {QStringLiteral("select count(*) from COLORSET where Color = '%1'"), setup.DefInnerProfColor},
            {QStringLiteral("select count(*) from COLORSET where Color = '%1'"), setup.DefOuterProfColor},
            {QStringLiteral("select count(*) from FrnComp where \"Group\" = 30 and ID = '%1'"), setup.DefHandle},
            {QStringLiteral("select count(*) from Currency where ID = %1"), QString::number(setup.CurCurrency)},
            {QStringLiteral("select count(*) from Material where ID = %1"), QString::number(setup.DefMaterial)},
            {QStringLiteral("select count(*) from ParamList where ID between 100 and 199 and ID = %1"), QString::number(setup.DefFalzType)},
            {QStringLiteral("select count(*) from ParamList where ID between 200 and 299 and ID = %1"), QString::number(setup.DefDornType)},
            {QStringLiteral("select count(*) from ParamList where ID between 300 and 399 and ID = %1"), QString::number(setup.DefStulpFalzType)},
            {QStringLiteral("select count(*) from ParamList where ID between 400 and 499 and ID = %1"), QString::number(setup.DefFlugelType)},
        };
        for (const auto &[sql, value] : defaults) {
            ASSERT_TRUE(q.exec(sql.arg(value)));
            ASSERT_TRUE(q.next());
            EXPECT_EQ(q.value(0).toInt(), 1) << sql.arg(value).toStdString();
        }
        EXPECT_GT(setup.DefProfWidth, 0.0f);
        EXPECT_GT(setup.DefProfThickness, 0.0f);
        // The report list of orders and selections.
        QSqlQuery rq(QSqlDatabase::database(dm.connectionName(DatabaseKind::Report)));
        ASSERT_TRUE(rq.exec(TDM::ReportListSql(11, false)));
        EXPECT_TRUE(rq.next());
        dm.CloseDatabases();
    }
    EXPECT_TRUE(messages.isEmpty()) << messages.texts().join(QLatin1Char('\n')).toStdString();
    // Every directory the program expects, the register's included.
    for (const QString &d : {OrdersDir, SelectionDir, RecycledDir, ArchiveDir, RegistryDir, ExportDir})
        EXPECT_TRUE(QFileInfo(d).isDir()) << d.toStdString();
    EXPECT_TRUE(QFileInfo::exists(r.samplesDir + QStringLiteral("/01_rectangle.json")));
}

TEST_F(DemoInstall, RunningAgainKeepsWhatIsThere)
{
    const DemoInstallResult first = installDemoConfiguration(root, QStringLiteral("Демо"), files);
    EXPECT_TRUE(first.kept.isEmpty());
    // The user works with the configuration: edits the settings and the catalogue.
    const QString ini = first.catalogDir + QStringLiteral("/KVFurniture.ini");
    IniFile settings;
    settings.load(ini);
    settings.writeString(QStringLiteral("Firm"), QStringLiteral("Name"), QStringLiteral("ООО «Другая фирма»"));
    settings.save(ini);
    const QByteArray editedSettings = kvtest::readFile(ini);
    const QString catalogue = first.catalogDir + QStringLiteral("/catalog.sqlite");
    {
        openDatabase(DatabaseKind::Catalog, first.catalogDir, QStringLiteral("edit"));
        QSqlQuery(QSqlDatabase::database(QStringLiteral("edit"))).exec(QStringLiteral("delete from Catalog where ID = 'ZV999003'"));
        closeDatabase(QStringLiteral("edit"));
    }
    const QByteArray editedCatalogue = kvtest::readFile(catalogue);
    // Another configuration has become the default meanwhile.
    RegistryKey::open(ConfigKey, true)->writeString(QStringLiteral("DefaultConfig"), QStringLiteral("Цех"));

    const DemoInstallResult again = installDemoConfiguration(root, QStringLiteral("Демо"), files);
    EXPECT_TRUE(again.created.isEmpty()) << again.created.join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(kvtest::readFile(ini), editedSettings);
    EXPECT_EQ(kvtest::readFile(catalogue), editedCatalogue);
    EXPECT_FALSE(again.madeDefault);
    EXPECT_EQ(defaultConfig(), QStringLiteral("Цех"));
    EXPECT_EQ(configValue(QStringLiteral("Демо"), QStringLiteral("KVFCatalogDir")), first.catalogDir);
}

TEST_F(DemoInstall, NeverRedirectsAnotherConfigurationOfTheSameName)
{
    installDemoConfiguration(root, QStringLiteral("Демо"), files);
    const QString elsewhere = root + QStringLiteral("-elsewhere");
    EXPECT_THROW(installDemoConfiguration(elsewhere, QStringLiteral("Демо"), files), Error);
    EXPECT_FALSE(QFileInfo::exists(elsewhere));
    EXPECT_EQ(configValue(QStringLiteral("Демо"), QStringLiteral("KVFCatalogDir")), root + QStringLiteral("/catalog"));
    // Under another name it is a second configuration; the default stays.
    installDemoConfiguration(elsewhere, QStringLiteral("Демо 2"), files);
    EXPECT_EQ(configValue(QStringLiteral("Демо 2"), QStringLiteral("KVFCatalogDir")), elsewhere + QStringLiteral("/catalog"));
    EXPECT_EQ(defaultConfig(), QStringLiteral("Демо"));
}

TEST_F(DemoInstall, AFailedCatalogueLeavesNothingBehind)
{
    QList<DemoFile> broken = files;
    broken.append({QStringLiteral("99_broken.sql"), QByteArrayLiteral("INSERT INTO Catalog (ID, Nothing) VALUES ('X', 1);\n")});
    try {
        installDemoConfiguration(root, QStringLiteral("Демо"), broken);
        ADD_FAILURE() << "a broken script was installed";
    } catch (const Error &e) {
        EXPECT_TRUE(e.text().contains(QStringLiteral("Nothing"))) << e.text().toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(root + QStringLiteral("/catalog/catalog.sqlite")));
    EXPECT_FALSE(QFileInfo::exists(root + QStringLiteral("/catalog/.demo-install")));
    EXPECT_FALSE(RegistryKey::keyExists(ConfigKey + QStringLiteral("\\Демо")));
    // A later good run completes the same directory.
    installDemoConfiguration(root, QStringLiteral("Демо"), files);
    EXPECT_TRUE(QFileInfo::exists(root + QStringLiteral("/catalog/catalog.sqlite")));
}

TEST_F(DemoInstall, RefusesNamesThatAreNoRegistryKey)
{
    for (const QString &name : {QString(), QStringLiteral("  "), QStringLiteral("a\\b"), QStringLiteral("a/b")}) {
        EXPECT_THROW(installDemoConfiguration(root, name, files), Error) << name.toStdString();
        EXPECT_FALSE(QFileInfo::exists(root)) << name.toStdString();
    }
    EXPECT_FALSE(anyConfigurationRegistered());
}

} // namespace
