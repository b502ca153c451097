#include "core/Config.h"
#include "core/Globals.h"
#include "support/TestSupport.h"
#include "tools/Registry.h"
#include "tools/RecordingMessages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <functional>
#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

using namespace kv;

namespace {

// Answers the configuration question like a user would, and remembers what it was asked.
class FakeChooser : public ConfigChooser
{
public:
    std::optional<QString> answer; // nothing: cancel; empty: take the pre-selected name
    std::function<void()> beforeAnswer;
    int calls = 0;
    QStringList names;
    int selected = -1;

    std::optional<QString> choose(const QStringList &n, int s) override
    {
        ++calls;
        names = n;
        selected = s;
        if (beforeAnswer)
            beforeAnswer();
        if (!answer)
            return std::nullopt;
        return answer->isEmpty() ? n.at(s) : *answer;
    }
};

struct ConfigValues
{
    QString catalog, server, report, temp;
};

class ChooseConfigurationTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        RegistryKey::deleteKey(QStringLiteral("\\SoftWare\\Velmar"));
        root = QDir(kvtest::scratchDir()).filePath(QStringLiteral("cfg_%1").arg(++counter));
        QDir().mkpath(root);
        ClearGlobals();
    }

    void addConfig(const QString &name, const ConfigValues &v)
    {
        auto key = RegistryKey::open(ConfigKey + QLatin1Char('\\') + name, true);
        ASSERT_TRUE(key);
        key->writeString(QStringLiteral("KVFCatalogDir"), v.catalog);
        key->writeString(QStringLiteral("KVFServerName"), v.server);
        key->writeString(QStringLiteral("KVFReportDir"), v.report);
        key->writeString(QStringLiteral("KVFTempDir"), v.temp);
    }

    void setDefault(const QString &name)
    {
        RegistryKey::open(ConfigKey, true)->writeString(QStringLiteral("DefaultConfig"), name);
    }

    ConfigValues plain() const
    {
        return {root + QStringLiteral("/cat"), root + QStringLiteral("/data"), root + QStringLiteral("/rep"),
                root + QStringLiteral("/tmp")};
    }

    QString root;
    static int counter;
};
int ChooseConfigurationTest::counter = 0;

const QString noPaths = QStringLiteral("В системе не установлены пути доступа к базам данных!\r\n"
                                       "Инсталлируйте заново программу!");

// The last name of TempDir: a decimal number below 1000000 without leading zeros.
bool isRandomName(const QString &name)
{
    bool ok = false;
    const int n = name.toInt(&ok);
    return ok && n >= 0 && n < 1000000 && QString::number(n) == name;
}

} // namespace

TEST(NormaliseDirectory, BlanksAndOneTrailingSeparator)
{
    struct Case { QString in, out; };
    const Case cases[] = {
        {QStringLiteral("  C:\\Karvelo\\Catalog\\  "), QStringLiteral("C:\\Karvelo\\Catalog")},
        {QStringLiteral("C:\\Karvelo\\\\"), QStringLiteral("C:\\Karvelo\\")}, // only one goes
        {QStringLiteral("/srv/karvelo/"), QStringLiteral("/srv/karvelo")},
        {QStringLiteral("/srv/karvelo//"), QStringLiteral("/srv/karvelo/")},
        {QStringLiteral("\t/srv/karvelo \r\n"), QStringLiteral("/srv/karvelo")},
        {QStringLiteral("/srv/karvelo"), QStringLiteral("/srv/karvelo")},
        {QStringLiteral("   "), QString()},
        {QString(), QString()},
        {QStringLiteral("/srv/Каталог Заказов/"), QStringLiteral("/srv/Каталог Заказов")},
    };
    for (const Case &c : cases)
        EXPECT_EQ(NormaliseDirectory(c.in), c.out) << c.in.toStdString();
}

TEST_F(ChooseConfigurationTest, SetsEveryDirectoryFromTheChosenConfiguration)
{
    RecordingMessages messages;
    addConfig(QStringLiteral("Цех"), {QStringLiteral("  ") + root + QStringLiteral("/cat\\ "),
                                      root + QStringLiteral("/data/"), QStringLiteral(" ") + root + QStringLiteral("/rep"),
                                      root + QStringLiteral("/tmp/")});
    FakeChooser chooser;
    chooser.answer = QString();
    ASSERT_TRUE(ChooseConfiguration(chooser));
    EXPECT_TRUE(messages.isEmpty()) << messages.texts().join(QStringLiteral(" | ")).toStdString();

    EXPECT_EQ(ConfigName, QStringLiteral("Цех"));
    EXPECT_EQ(CatalogDir, root + QStringLiteral("/cat"));
    EXPECT_EQ(SettingsFile, root + QStringLiteral("/cat/KVFurniture.ini"));
    EXPECT_EQ(DataDir, root + QStringLiteral("/data"));
    EXPECT_EQ(ReportDir, root + QStringLiteral("/rep"));
    EXPECT_EQ(OrdersDir, root + QStringLiteral("/data/Orders"));
    EXPECT_EQ(SelectionDir, root + QStringLiteral("/data/Selection"));
    EXPECT_EQ(RecycledDir, root + QStringLiteral("/data/Recycled"));
    EXPECT_EQ(ArchiveDir, root + QStringLiteral("/data/Archive"));
    EXPECT_EQ(RegistryDir, root + QStringLiteral("/data/Registry"));
    EXPECT_EQ(ExportDir, root + QStringLiteral("/data/Export"));

    const QFileInfo temp(TempDir);
    EXPECT_EQ(temp.path(), root + QStringLiteral("/tmp"));
    EXPECT_TRUE(isRandomName(temp.fileName())) << TempDir.toStdString();
    EXPECT_TRUE(temp.isDir());
    EXPECT_EQ(LastTempDir, TempDir);
    EXPECT_EQ(qEnvironmentVariable("SQLITE_TMPDIR"), TempDir);
    // Choosing touches nothing but the temporary directory.
    EXPECT_FALSE(QFileInfo::exists(DataDir));
    EXPECT_FALSE(QFileInfo::exists(CatalogDir));
}

TEST_F(ChooseConfigurationTest, PreselectsDefaultConfigOrTheFirst)
{
    struct Case { const char *defaultConfig; int selected; };
    // Sub-keys come in the registry's order; the match is exact and case-sensitive.
    for (const Case &c : {Case{"Beta", 1}, Case{"Alpha", 0}, Case{"beta", 0}, Case{"Gone", 0}, Case{nullptr, 0}}) {
        SetUp();
        addConfig(QStringLiteral("Alpha"), plain());
        addConfig(QStringLiteral("Beta"), plain());
        if (c.defaultConfig)
            setDefault(QString::fromUtf8(c.defaultConfig));
        FakeChooser chooser;
        chooser.answer = QString();
        RecordingMessages messages;
        ASSERT_TRUE(ChooseConfiguration(chooser));
        EXPECT_EQ(chooser.names, (QStringList{"Alpha", "Beta"}));
        EXPECT_EQ(chooser.selected, c.selected) << (c.defaultConfig ? c.defaultConfig : "(none)");
        EXPECT_EQ(ConfigName, chooser.names.at(c.selected));
    }
}

TEST_F(ChooseConfigurationTest, ASingleConfigurationIsStillOffered)
{
    addConfig(QStringLiteral("Only"), plain());
    FakeChooser chooser;
    chooser.answer = QString();
    EXPECT_TRUE(ChooseConfiguration(chooser));
    EXPECT_EQ(chooser.calls, 1);
    EXPECT_EQ(chooser.names, QStringList{QStringLiteral("Only")});
}

TEST_F(ChooseConfigurationTest, TheUsersChoiceWins)
{
    addConfig(QStringLiteral("Alpha"), plain());
    ConfigValues other = plain();
    other.catalog = root + QStringLiteral("/other");
    addConfig(QStringLiteral("Beta"), other);
    setDefault(QStringLiteral("Alpha"));
    FakeChooser chooser;
    chooser.answer = QStringLiteral("Beta");
    ASSERT_TRUE(ChooseConfiguration(chooser));
    EXPECT_EQ(ConfigName, QStringLiteral("Beta"));
    EXPECT_EQ(CatalogDir, root + QStringLiteral("/other"));
}

TEST_F(ChooseConfigurationTest, CancellingEndsWithoutAMessage)
{
    addConfig(QStringLiteral("Alpha"), plain());
    LastTempDir = QStringLiteral("/previous/123");
    RecordingMessages messages;
    FakeChooser chooser; // answers Cancel
    EXPECT_FALSE(ChooseConfiguration(chooser));
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_TRUE(LastTempDir.isEmpty());
    EXPECT_TRUE(TempDir.isEmpty());
    EXPECT_TRUE(ConfigName.isEmpty());
    EXPECT_EQ(ExportDir, QStringLiteral("/Export"));
}

TEST_F(ChooseConfigurationTest, NoConfigurationIsAnError)
{
    // Neither the key nor, in the second round, any sub-key of it.
    for (bool keyExists : {false, true}) {
        SetUp();
        if (keyExists)
            setDefault(QStringLiteral("Alpha"));
        RecordingMessages messages;
        FakeChooser chooser;
        chooser.answer = QString();
        EXPECT_FALSE(ChooseConfiguration(chooser));
        EXPECT_EQ(chooser.calls, 0);
        EXPECT_EQ(messages.texts(RecordingMessageSink::Kind::Error), QStringList{noPaths});
        EXPECT_EQ(messages.calls().size(), 1);
    }
}

TEST_F(ChooseConfigurationTest, AConfigurationThatVanishedMeanwhile)
{
    addConfig(QStringLiteral("Alpha"), plain());
    FakeChooser chooser;
    chooser.answer = QString();
    chooser.beforeAnswer = [] { RegistryKey::deleteKey(ConfigKey + QStringLiteral("\\Alpha")); };
    RecordingMessages messages;
    EXPECT_FALSE(ChooseConfiguration(chooser));
    EXPECT_EQ(messages.texts(RecordingMessageSink::Kind::Error),
              QStringList{QStringLiteral("Ошибка открытия конфигурации Alpha!\r\n"
                                         "Указанная конфигурация не числиться в списке.")});
    EXPECT_TRUE(LastTempDir.isEmpty());
}

TEST_F(ChooseConfigurationTest, EmptyTempBasePutsTheDirectoryBesideTheProgram)
{
    ConfigValues v = plain();
    v.temp = QStringLiteral("   ");
    addConfig(QStringLiteral("Alpha"), v);
    FakeChooser chooser;
    chooser.answer = QString();
    ASSERT_TRUE(ChooseConfiguration(chooser));
    const QString exeDir = QCoreApplication::applicationDirPath();
    ASSERT_TRUE(TempDir.startsWith(exeDir + QLatin1Char('/')));
    const QString name = TempDir.mid(exeDir.size() + 1);
    EXPECT_TRUE(isRandomName(name)) << TempDir.toStdString();
    EXPECT_TRUE(QFileInfo(TempDir).isDir());
    QDir(TempDir).removeRecursively();
}

TEST_F(ChooseConfigurationTest, TempDirNamesAreRandomAndNeverReused)
{
    addConfig(QStringLiteral("Alpha"), plain());
    QSet<QString> seen;
    for (int i = 0; i < 20; ++i) {
        FakeChooser chooser;
        chooser.answer = QString();
        ASSERT_TRUE(ChooseConfiguration(chooser));
        seen.insert(TempDir);
    }
    // Every run got a directory of its own, even though all 20 still exist.
    EXPECT_EQ(seen.size(), 20);
}

TEST_F(ChooseConfigurationTest, TempDirThatCannotBeMadeIsAReadError)
{
    ConfigValues v = plain();
    v.temp = root + QStringLiteral("/afile");
    kvtest::writeFile(v.temp, "not a directory");
    addConfig(QStringLiteral("Alpha"), v);
    FakeChooser chooser;
    chooser.answer = QString();
    RecordingMessages messages;
    EXPECT_FALSE(ChooseConfiguration(chooser));
    const QStringList errors = messages.texts(RecordingMessageSink::Kind::Error);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith(QStringLiteral("Ошибка чтения системного реестра!\r\n(")));
    EXPECT_TRUE(errors[0].contains(root + QStringLiteral("/afile/")));
    EXPECT_TRUE(errors[0].endsWith(QLatin1Char(')')));
    EXPECT_TRUE(LastTempDir.isEmpty());
    // What was read before the failure stays.
    EXPECT_EQ(CatalogDir, root + QStringLiteral("/cat"));
}
