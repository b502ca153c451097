#include "core/Config.h"
#include "core/Globals.h"
#include "core/Setup.h"
#include "core/Startup.h"
#include "support/TestSupport.h"
#include "tools/Errors.h"
#include "tools/RecordingMessages.h"
#include "tools/Registry.h"

#include <QDir>
#include <QFileInfo>
#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

using namespace kv;

namespace {

class FakeChooser : public ConfigChooser
{
public:
    bool cancel = false;
    std::optional<QString> choose(const QStringList &names, int selected) override
    {
        if (cancel)
            return std::nullopt;
        return names.at(selected);
    }
};

// Records the calls of the sequence; one step can be made to fail.
class FakeModules : public StartupModules
{
public:
    QStringList calls;
    QString failAt;
    bool settingsAliveAtRelease = false;
    const RecordingMessageSink *messages = nullptr;
    qsizetype messagesWhenSplashClosed = -1;

    void step(const QString &name)
    {
        calls << name;
        if (name == failAt)
            throw Error(QStringLiteral("Сбой: ") + name);
    }
    void showSplash() override { step(QStringLiteral("splash")); }
    void setSplashStatus(const QString &text) override { step(QStringLiteral("status ") + text); }
    void setSplashProgress(int percent) override { step(QStringLiteral("progress %1").arg(percent)); }
    void closeSplash() override
    {
        if (messages)
            messagesWhenSplashClosed = messages->calls().size();
        step(QStringLiteral("close splash"));
    }
    void setApplicationTitle(const QString &title) override { step(QStringLiteral("title ") + title); }
    void createReportData() override { step(QStringLiteral("report data")); }
    void createCatalogData() override { step(QStringLiteral("catalog data")); }
    void createMainForm() override { step(QStringLiteral("main form")); }
    void createExportHolder() override { step(QStringLiteral("export holder")); }
    void runStartUpSequence() override { step(QStringLiteral("StartUpSequence")); }
    void runMessageLoop() override { step(QStringLiteral("loop")); }
    void releaseModules() override
    {
        settingsAliveAtRelease = kvfSetup() != nullptr;
        if (kvfSetup())
            kvfSetup()->VoderivarMainWinState = 2; // what the main window stores when it goes
        step(QStringLiteral("release"));
    }
};

const QStringList fullRun = {
    "splash", "progress 0", "status Загрузка системы...", "progress 2", "title Karvelo ФУРНИТУРА",
    "report data", "catalog data", "progress 20", "main form", "progress 40", "export holder",
    "StartUpSequence", "progress 100", "close splash", "loop", "release"};

class StartupTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        RegistryKey::deleteKey(QStringLiteral("\\SoftWare\\Velmar"));
        ClearGlobals();
        root = QDir(kvtest::scratchDir()).filePath(QStringLiteral("startup_%1").arg(++counter));
        QDir().mkpath(root + QStringLiteral("/cat"));
        auto key = RegistryKey::open(ConfigKey + QStringLiteral("\\Demo"), true);
        key->writeString(QStringLiteral("KVFCatalogDir"), root + QStringLiteral("/cat"));
        key->writeString(QStringLiteral("KVFServerName"), root + QStringLiteral("/data"));
        key->writeString(QStringLiteral("KVFReportDir"), root + QStringLiteral("/rep"));
        key->writeString(QStringLiteral("KVFTempDir"), root + QStringLiteral("/tmp"));
    }
    void TearDown() override { ClearGlobals(); }

    void writeSettings(const QByteArray &content = QByteArray())
    {
        kvtest::writeFile(root + QStringLiteral("/cat/KVFurniture.ini"), content);
    }
    // A previous run's temporary directory with something in it.
    QString previousTempDir(const QString &name)
    {
        const QString dir = root + QStringLiteral("/tmp/") + name;
        QDir().mkpath(dir + QStringLiteral("/sub"));
        kvtest::writeFile(dir + QStringLiteral("/sub/file.tmp"), "x");
        RegistryKey::open(ConfigKey, true)->writeString(QStringLiteral("KVFLastTempDir"), dir);
        return dir;
    }
    static QString storedLastTempDir()
    {
        auto key = RegistryKey::open(ConfigKey, false);
        return key && key->valueExists(QStringLiteral("KVFLastTempDir"))
                   ? key->readString(QStringLiteral("KVFLastTempDir"))
                   : QStringLiteral("<none>");
    }

    QString root;
    static int counter;
};
int StartupTest::counter = 0;

} // namespace

TEST(ProcessInitialise, SwitchesAreCaseInsensitiveSubstrings)
{
    struct Case { QStringList args; bool developer, presentation; };
    const Case cases[] = {
        {{"karvelo"}, false, true},
        {{"karvelo", "/developer"}, true, true},
        {{"karvelo", "X/DEVELOPER:1"}, true, true},
        {{"karvelo", "/Developer", "/NOPRESENTATION"}, true, false},
        {{"karvelo", "--nopresentation-please"}, false, true},   // no "/" before the name
        {{"karvelo", "a", "b/nopresentationc"}, false, false},
        {{"karvelo", "/develop"}, false, true},
        {{"/opt/developer/karvelo"}, false, true},                // the program itself is no argument
    };
    for (const Case &c : cases) {
        ProcessInitialise(c.args);
        EXPECT_EQ(DeveloperMode, c.developer) << c.args.join(' ').toStdString();
        EXPECT_EQ(PresentationEnabled, c.presentation) << c.args.join(' ').toStdString();
    }
}

TEST_F(StartupTest, InitialisationReadsThePreviousTempDir)
{
    ProcessInitialise(QStringList{"karvelo"});
    EXPECT_TRUE(LastTempDir.isEmpty());
    RegistryKey::open(ConfigKey, true)->writeString(QStringLiteral("KVFLastTempDir"), QStringLiteral("/x/123"));
    ProcessInitialise(QStringList{"karvelo"});
    EXPECT_EQ(LastTempDir, QStringLiteral("/x/123"));
}

TEST_F(StartupTest, AFullRunInItsOrder)
{
    writeSettings();
    const QString previous = previousTempDir(QStringLiteral("4711"));
    RecordingMessages messages;
    ProcessInitialise(QStringList{"karvelo"});
    FakeChooser chooser;
    FakeModules modules;
    RunMainSequence(chooser, modules);
    EXPECT_EQ(modules.calls, fullRun);
    EXPECT_TRUE(messages.isEmpty()) << messages.texts().join('|').toStdString();
    EXPECT_FALSE(QFileInfo::exists(previous));
    // The modules went while the settings still existed, and what they left was stored.
    EXPECT_TRUE(modules.settingsAliveAtRelease);
    EXPECT_EQ(kvfSetup(), nullptr);
    EXPECT_EQ(RegistryKey::open(TkvfSetup::RegistryKeyName)->readInteger(QStringLiteral("VoderivarMainWinState")), 2);

    const QString thisRun = TempDir;
    EXPECT_TRUE(QFileInfo(thisRun).isDir()); // lives on until the next start
    ProcessFinalise();
    EXPECT_EQ(storedLastTempDir(), thisRun);
    EXPECT_TRUE(TempDir.isEmpty());
    EXPECT_TRUE(ConfigName.isEmpty());
}

TEST_F(StartupTest, ACancelledStartStoresAnEmptyTempDir)
{
    writeSettings();
    const QString previous = previousTempDir(QStringLiteral("815"));
    RecordingMessages messages;
    ProcessInitialise(QStringList{"karvelo"});
    FakeChooser chooser;
    chooser.cancel = true;
    FakeModules modules;
    RunMainSequence(chooser, modules);
    ProcessFinalise();
    EXPECT_TRUE(modules.calls.isEmpty());
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(previous)); // deleted before the choice
    EXPECT_EQ(storedLastTempDir(), QString());
}

TEST_F(StartupTest, OnlyTheProgramsOwnTempDirsAreDeleted)
{
    writeSettings();
    const QString notOurs = previousTempDir(QStringLiteral("Documents"));
    ProcessInitialise(QStringList{"karvelo"});
    FakeChooser chooser;
    chooser.cancel = true;
    FakeModules modules;
    RunMainSequence(chooser, modules);
    EXPECT_TRUE(QFileInfo::exists(notOurs + QStringLiteral("/sub/file.tmp")));

    struct Case { const char *dir; bool ours; };
    for (const Case &c : {Case{"/tmp/123", true}, Case{"C:\\Temp\\0", true}, Case{"/tmp/999999/", true},
                          Case{"/tmp/1234567", false}, Case{"/tmp/12a", false}, Case{"123", false},
                          Case{"/home/user", false}, Case{"/", false}})
        EXPECT_EQ(IsRunTempDirName(QString::fromLatin1(c.dir)), c.ours) << c.dir;
}

TEST_F(StartupTest, MissingSettingsFileEndsWithAWarning)
{
    RecordingMessages messages;
    ProcessInitialise(QStringList{"karvelo"});
    FakeChooser chooser;
    FakeModules modules;
    RunMainSequence(chooser, modules);
    EXPECT_TRUE(modules.calls.isEmpty());
    EXPECT_EQ(messages.texts(RecordingMessageSink::Kind::Warning),
              QStringList{QStringLiteral("Не найден файл конфигурации! Переустановите программу или произведите "
                                         "настройку вручную!")});
    EXPECT_EQ(messages.calls().size(), 1);
    EXPECT_FALSE(QFileInfo::exists(root + QStringLiteral("/cat/KVFurniture.ini")));
    // A configuration was loaded: its temporary directory is handed on.
    const QString thisRun = TempDir;
    ProcessFinalise();
    EXPECT_EQ(storedLastTempDir(), thisRun);
}

TEST_F(StartupTest, AFailingModuleIsShownAndTheLoopStillRuns)
{
    for (const char *failing : {"catalog data", "StartUpSequence", "splash"}) {
        SetUp();
        writeSettings();
        RecordingMessages messages;
        ProcessInitialise(QStringList{"karvelo"});
        FakeChooser chooser;
        FakeModules modules;
        modules.failAt = QString::fromUtf8(failing);
        modules.messages = &messages;
        RunMainSequence(chooser, modules);
        EXPECT_EQ(modules.messagesWhenSplashClosed, 0) << "the splash goes before the message comes";
        const qsizetype at = fullRun.indexOf(modules.failAt);
        const QStringList expected = fullRun.mid(0, at + 1) + QStringList{"close splash", "loop", "release"};
        EXPECT_EQ(modules.calls, expected) << failing;
        EXPECT_EQ(messages.texts(RecordingMessageSink::Kind::Error),
                  QStringList{QStringLiteral("Сбой: ") + modules.failAt});
        // The settings were still stored.
        EXPECT_TRUE(RegistryKey::open(TkvfSetup::RegistryKeyName)->valueExists(QStringLiteral("AutoReg")));
    }
}

TEST_F(StartupTest, AMalformedSettingsFileEndsTheRun)
{
    writeSettings("[Tax]\r\nNDSTax=abc\r\n");
    RecordingMessages messages;
    ProcessInitialise(QStringList{"karvelo"});
    FakeChooser chooser;
    FakeModules modules;
    RunMainSequence(chooser, modules);
    EXPECT_TRUE(modules.calls.isEmpty());
    const QStringList errors = messages.texts(RecordingMessageSink::Kind::Error);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(QStringLiteral("abc")));
    EXPECT_EQ(kvfSetup(), nullptr);
}
