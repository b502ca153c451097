#include "core/Config.h"
#include "core/Data.h"
#include "core/Globals.h"
#include "core/Setup.h"
#include "core/Startup.h"
#include "reports/Data_Rep.h"
#include "reports/FR_Export.h"
#include "support/TestSupport.h"
#include "tools/Errors.h"
#include "tools/OleDate.h"
#include "tools/RecordingMessages.h"
#include "tools/Registry.h"
#include "windows/DesktopStartup.h"
#include "windows/Main.h"
#include "windows/Splash.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QtEndian>
#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace kv;

namespace {

// Remembers the window messages that reach the main window, in order.
class MessageLog : public QObject
{
public:
    QList<int> types;
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() >= QEvent::User && e->type() <= QEvent::MaxUser)
            types << int(e->type());
        return false;
    }
};

void writeLcu(const QString &path, double value)
{
    QByteArray bytes(8, '\0');
    quint64 bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    qToLittleEndian(bits, bytes.data());
    kvtest::writeFile(path, bytes);
}

class MainFormTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ClearGlobals();
        root = QDir(kvtest::scratchDir()).filePath(QStringLiteral("main_%1").arg(++counter));
        CatalogDir = root + QStringLiteral("/cat");
        DataDir = root + QStringLiteral("/data");
        RegistryDir = DataDir + QStringLiteral("/Registry");
        ReportDir = root + QStringLiteral("/rep");
        for (const QString &dir : {CatalogDir, RegistryDir, ReportDir})
            QDir().mkpath(dir);
        ConfigName = QStringLiteral("Демо");
    }
    void TearDown() override { ClearGlobals(); }
    QString root;
    static int counter;
};
int MainFormTest::counter = 0;

} // namespace

TEST_F(MainFormTest, CaptionAndSize)
{
    TMainForm form;
    EXPECT_EQ(MainForm(), &form);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Karvelo ФУРНИТУРА: [Демо]"));
    EXPECT_EQ(form.size(), QSize(640, 480));
    EXPECT_EQ(form.pos(), QPoint(0, 0));
    EXPECT_EQ(form.minimumSize(), QSize(640, 480));
}

TEST_F(MainFormTest, LastCurrencyDate)
{
    const QDate today = QDate::currentDate();
    const QString lcu = TMainForm::LastCurrencyFile();
    EXPECT_EQ(lcu, DataDir + QStringLiteral("/Karvelo.lcu"));
    EXPECT_EQ(TMainForm::ReadLastCurrencyDate(), today.addDays(-1)); // missing
    writeLcu(lcu, toOleDate(today));
    EXPECT_EQ(TMainForm::ReadLastCurrencyDate(), today);
    writeLcu(lcu, toOleDate(QDate(2019, 12, 26)));
    EXPECT_EQ(TMainForm::ReadLastCurrencyDate(), QDate(2019, 12, 26));
    writeLcu(lcu, std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(TMainForm::ReadLastCurrencyDate(), today.addDays(-1));
    kvtest::writeFile(lcu, "abc"); // too short
    EXPECT_EQ(TMainForm::ReadLastCurrencyDate(), today.addDays(-1));

    DataDir.clear();
    EXPECT_EQ(TMainForm::LastCurrencyFile(), QCoreApplication::applicationDirPath() + QStringLiteral("/Karvelo.lcu"));
}

TEST_F(MainFormTest, StartUpSequencePostsTheStartMessagesInOrder)
{
    enum Lcu { None, Today, Yesterday };
    struct Case { bool openReg, presentation, autoCurrency; Lcu lcu; QList<int> expected; };
    const Case cases[] = {
        {true, true, true, None, {UM_OPENORDERLIST, UM_PRESENTATION, UM_CURRENCYRATES, UM_CHECKNEWS}},
        {true, true, true, Yesterday, {UM_OPENORDERLIST, UM_PRESENTATION, UM_CURRENCYRATES, UM_CHECKNEWS}},
        {true, true, true, Today, {UM_OPENORDERLIST, UM_PRESENTATION, UM_CHECKNEWS}},
        {false, true, false, None, {UM_PRESENTATION, UM_CHECKNEWS}},
        {true, false, false, None, {UM_OPENORDERLIST, UM_CHECKNEWS}},
        {false, false, true, None, {UM_CURRENCYRATES, UM_CHECKNEWS}},
    };
    const QString lcu = TMainForm::LastCurrencyFile();
    for (const Case &c : cases) {
        QFile::remove(lcu);
        if (c.lcu != None)
            writeLcu(lcu, toOleDate(QDate::currentDate().addDays(c.lcu == Today ? 0 : -1)));
        TkvfSetup setup; // no settings file: only the fields below matter
        TDM dm;
        setup.AutoOpenReg = c.openReg;
        setup.AutoLoadCurrency = c.autoCurrency;
        PresentationEnabled = c.presentation;
        TMainForm form;
        form.modalRunner = [](QDialog &) { return 0; }; // the presentation is not shown here
        MessageLog log;
        form.installEventFilter(&log);
        form.StartUpSequence();
        EXPECT_TRUE(log.types.isEmpty()) << "posted, not sent";
        QCoreApplication::processEvents();
        EXPECT_EQ(log.types, c.expected) << c.openReg << c.presentation << c.autoCurrency << c.lcu;
    }
}

TEST_F(MainFormTest, StartUpSequenceOpensTheDatabasesAndClosesThemAtTheEnd)
{
    TkvfSetup setup;
    TDM dm;
    {
        TMainForm form;
        form.StartUpSequence();
        for (DatabaseKind kind : {DatabaseKind::Catalog, DatabaseKind::Registry, DatabaseKind::Report})
            EXPECT_TRUE(dm.isDatabaseOpen(kind));
        EXPECT_EQ(dm.databaseDir(DatabaseKind::Catalog), CatalogDir);
        EXPECT_EQ(dm.databaseDir(DatabaseKind::Registry), RegistryDir);
        EXPECT_EQ(dm.databaseDir(DatabaseKind::Report), ReportDir);
        EXPECT_TRUE(dm.T_FrnSet.isActive());
    }
    for (DatabaseKind kind : {DatabaseKind::Catalog, DatabaseKind::Registry, DatabaseKind::Report})
        EXPECT_FALSE(dm.isDatabaseOpen(kind));
}

TEST_F(MainFormTest, ADatabaseThatCannotBeOpenedStopsTheSequence)
{
    TkvfSetup setup;
    setup.AutoOpenReg = true;
    setup.VoderivarMainWinState = 2;
    PresentationEnabled = true;
    TDM dm;
    RegistryDir = DataDir + QStringLiteral("/NoSuchDir");
    TMainForm form;
    MessageLog log;
    form.installEventFilter(&log);
    EXPECT_THROW(form.StartUpSequence(), Error);
    QCoreApplication::processEvents();
    EXPECT_TRUE(log.types.isEmpty());
    EXPECT_EQ(form.windowState(), Qt::WindowNoState);
    EXPECT_TRUE(dm.isDatabaseOpen(DatabaseKind::Catalog));
    EXPECT_FALSE(dm.isDatabaseOpen(DatabaseKind::Report));
}

TEST_F(MainFormTest, WithoutTheCatalogueModuleTheSequenceFails)
{
    TkvfSetup setup;
    TMainForm form;
    EXPECT_THROW(form.StartUpSequence(), Error);
}

TEST_F(MainFormTest, WindowStateComesFromAndGoesToTheSettings)
{
    TkvfSetup setup;
    TDM dm;
    struct Case { int stored; Qt::WindowStates state; };
    for (const Case &c : {Case{2, Qt::WindowMaximized}, Case{1, Qt::WindowMinimized}, Case{0, Qt::WindowNoState}}) {
        setup.VoderivarMainWinState = c.stored;
        {
            TMainForm form;
            form.StartUpSequence();
            EXPECT_EQ(form.windowState(), c.state) << c.stored;
            setup.VoderivarMainWinState = -1;
        }
        EXPECT_EQ(setup.VoderivarMainWinState, c.stored);
    }
}

TEST(SplashForm, TextsAndProgress)
{
    TSplashForm splash;
    EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(splash.LoadLab->text(), QStringLiteral("Загрузка..."));
    EXPECT_EQ(splash.ProductLab->text(), QStringLiteral("ФУРНИТУРА "));
    EXPECT_EQ(splash.VersionLab->text(), QStringLiteral("ВЕРСИЯ 3.80"));
    EXPECT_EQ(splash.ProgressBar->minimum(), 0);
    EXPECT_EQ(splash.ProgressBar->maximum(), 100);
    EXPECT_FALSE(splash.Picture->pixmap().isNull());
    splash.showCentred();
    EXPECT_TRUE(splash.isVisible());
    splash.setStatus(QStringLiteral("Загрузка системы..."));
    splash.setProgress(40);
    EXPECT_EQ(splash.LoadLab->text(), QStringLiteral("Загрузка системы..."));
    EXPECT_EQ(splash.ProgressBar->value(), 40);
}

namespace {
class FirstChooser : public ConfigChooser
{
public:
    std::optional<QString> choose(const QStringList &names, int selected) override { return names.at(selected); }
};
} // namespace

// The desktop start as the program runs it, with the main window closed by a timer.
TEST_F(MainFormTest, DesktopStartCreatesTheModulesAndFreesThemInReverse)
{
    RegistryKey::deleteKey(QStringLiteral("\\SoftWare\\Velmar"));
    QDir().mkpath(root + QStringLiteral("/data/Registry"));
    kvtest::writeFile(root + QStringLiteral("/cat/KVFurniture.ini"), QByteArray());
    auto key = RegistryKey::open(ConfigKey + QStringLiteral("\\Demo"), true);
    key->writeString(QStringLiteral("KVFCatalogDir"), root + QStringLiteral("/cat"));
    key->writeString(QStringLiteral("KVFServerName"), root + QStringLiteral("/data"));
    key->writeString(QStringLiteral("KVFReportDir"), root + QStringLiteral("/rep"));
    key->writeString(QStringLiteral("KVFTempDir"), root + QStringLiteral("/tmp"));

    RecordingMessages messages;
    ProcessInitialise(QStringList{"karvelo", "/nopresentation"});
    FirstChooser chooser;
    TDesktopStartup modules;
    bool modulesExisted = false;
    QString titleDuringRun;
    // Acts once the message loop runs: the main window is then shown.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!MainForm() || !MainForm()->isVisible())
            return;
        poll.stop();
        modulesExisted = DM_Report() && TDM::instance() && FR_Export() && !modules.splash()
                         && TDM::instance()->isDatabaseOpen(DatabaseKind::Registry);
        titleDuringRun = MainForm()->windowTitle();
        MainForm()->showMaximized();
        MainForm()->close();
    });
    poll.start(10);
    RunMainSequence(chooser, modules);
    EXPECT_TRUE(messages.isEmpty()) << messages.texts().join('|').toStdString();
    EXPECT_TRUE(modulesExisted);
    EXPECT_EQ(titleDuringRun, QStringLiteral("Karvelo ФУРНИТУРА: [Demo]"));
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QStringLiteral("Karvelo ФУРНИТУРА"));
    EXPECT_EQ(DM_Report(), nullptr);
    EXPECT_EQ(MainForm(), nullptr);
    EXPECT_EQ(FR_Export(), nullptr);
    EXPECT_EQ(TDM::instance(), nullptr);
    // The main window's state reached the registry with the settings.
    EXPECT_EQ(RegistryKey::open(TkvfSetup::RegistryKeyName)->readInteger(QStringLiteral("VoderivarMainWinState")), 2);
    ProcessFinalise();
}
