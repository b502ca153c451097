#include "core/Globals.h"
#include "core/IniFile.h"
#include "core/Setup.h"
#include "support/TestSupport.h"
#include "tools/Errors.h"
#include "tools/RecordingMessages.h"
#include "tools/Registry.h"
#include "tools/Win1251.h"

#include <QDir>
#include <QFileInfo>
#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

using namespace kv;

namespace {

QByteArray cp(const QString &s) { return cp1251::encode(s); }

class SetupTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        RegistryKey::deleteKey(QStringLiteral("\\SoftWare\\Velmar"));
        root = QDir(kvtest::scratchDir()).filePath(QStringLiteral("setup_%1").arg(++counter));
        ClearGlobals();
        CatalogDir = root + QStringLiteral("/cat");
        DataDir = root + QStringLiteral("/data");
        ReportDir = root + QStringLiteral("/rep");
        SettingsFile = CatalogDir + QStringLiteral("/KVFurniture.ini");
        OrdersDir = DataDir + QStringLiteral("/Orders");
        SelectionDir = DataDir + QStringLiteral("/Selection");
        RecycledDir = DataDir + QStringLiteral("/Recycled");
        ArchiveDir = DataDir + QStringLiteral("/Archive");
        RegistryDir = DataDir + QStringLiteral("/Registry");
        ExportDir = DataDir + QStringLiteral("/Export");
        QDir().mkpath(CatalogDir);
    }
    void TearDown() override { ClearGlobals(); }

    void writeSettings(const QString &text) { kvtest::writeFile(SettingsFile, cp(text)); }
    QByteArray settingsBytes() const { return kvtest::readFile(SettingsFile); }
    static std::unique_ptr<RegistryKey> prefs() { return RegistryKey::open(TkvfSetup::RegistryKeyName, true); }

    QString root;
    static int counter;
};
int SetupTest::counter = 0;

} // namespace

TEST_F(SetupTest, MissingSettingsFileReadsAndWritesNothing)
{
    RecordingMessages messages;
    {
        TkvfSetup setup;
        EXPECT_FALSE(setup.SettingsLoaded);
        EXPECT_EQ(kvfSetup(), &setup);
        setup.AutoReg = true;
        setup.DefProfSys = QStringLiteral("X");
    }
    EXPECT_EQ(kvfSetup(), nullptr);
    EXPECT_FALSE(QFileInfo::exists(SettingsFile));
    EXPECT_FALSE(QFileInfo::exists(DataDir));
    EXPECT_FALSE(prefs()->valueExists(QStringLiteral("AutoReg")));
    EXPECT_TRUE(messages.isEmpty());

    SettingsFile.clear(); // no configuration at all
    TkvfSetup none;
    EXPECT_FALSE(none.SettingsLoaded);
}

TEST_F(SetupTest, DefaultsOfAnEmptyFileAndAnEmptyRegistry)
{
    writeSettings(QString());
    TkvfSetup s;
    ASSERT_TRUE(s.SettingsLoaded);
    QStringList names;
    for (int i = 1; i <= 10; ++i)
        names << QStringLiteral("?????? #%1").arg(i);
    EXPECT_EQ(s.PriceGroupNames, names);
    EXPECT_EQ(s.NDSTax, 18.0);
    EXPECT_EQ(s.CurCurrency, 0);
    EXPECT_TRUE(s.TotalNDS);
    EXPECT_TRUE(s.ShowIncludingNDS);
    EXPECT_EQ(s.PriceGrpNo, 0);
    EXPECT_EQ(s.DefMaterial, 1);
    EXPECT_EQ(s.DefFalzType, 0);
    EXPECT_EQ(s.DefProfWidth, 0.0f);
    EXPECT_TRUE(s.UserDefineHeight);
    EXPECT_EQ(s.Ftp.ftpPort, 21);
    EXPECT_FALSE(s.Ftp.ftpUpload);
    EXPECT_TRUE(s.Firm.Name.isEmpty());

    EXPECT_EQ(s.VoderivarMainWinState, 0);
    EXPECT_EQ(s.VoderivarDesignFormW, 640);
    EXPECT_EQ(s.VoderivarDesignFormH, 480);
    EXPECT_TRUE(s.AlertIfNotFull);
    EXPECT_TRUE(s.AutoReg);
    EXPECT_TRUE(s.AutoOpenReg);
    EXPECT_TRUE(s.MoveToRecycled);
    EXPECT_TRUE(s.AutoLoadCurrency);
    EXPECT_FALSE(s.DebugMode);
}

TEST_F(SetupTest, ReadsEveryKey)
{
    writeSettings(QStringLiteral(
        "[Firm]\r\nName=ООО \"Окна\"\r\nLogo=firm.bmp\r\nAddress=ул. Мира, 1\r\nJustAddress=пр. Ленина, 2\r\n"
        "ZipCode=17\r\nPhone1=22\r\nPhone2=33\r\nPhone3=44\r\nFax=55\r\nEMail=a@b.c\r\nInternet=www.b.c\r\n"
        "INN=123\r\nAccount=456\r\nDirector=Иванов\r\nBookKeeper=Петрова\r\n"
        "[Money]\r\nCurCurrency=3\r\n"
        "[Tax]\r\nNDSTax=20\r\nTotalNDS=0\r\nShowIncludingNDS=0\r\nPriceGrpNo=4\r\n"
        "[PriceGroupNames]\r\n1=Розница\r\n10=Опт\r\n"
        "[Defaults]\r\nDefProfSys=PS\r\nDefFurnSys=FS\r\nDefFurnSysGroup=1\r\nDefInnerProfColor=Белый\r\n"
        "DefOuterProfColor=Дуб\r\nDefFurnColor=Серебро\r\nDefHandle=H1\r\nDefMaterial=2\r\nDefFalzType=5\r\n"
        "DefDornType=6\r\nDefStulpFalzType=7\r\nDefFlugelType=8\r\nDefProfWidth=68,5\r\nDefProfThickness=70\r\n"
        "UserDefineHeight=0\r\n"
        "[Report]\r\nLogo=report.bmp\r\n"
        "[FTP]\r\nftpHost=ftp.b.c\r\nftpPort=2121\r\nftpUserName=75736572\r\nftpPassword=EFE0F0EEEBFC\r\n"
        "ftpDir=/in\r\nftpUpload=1\r\n"));
    auto key = prefs();
    key->writeInteger(QStringLiteral("VoderivarMainWinState"), 2);
    key->writeInteger(QStringLiteral("VoderivarDesignFormW"), 800);
    key->writeBool(QStringLiteral("AutoReg"), false);
    key->writeBool(QStringLiteral("AutoLoadCurrency"), false);

    TkvfSetup s;
    EXPECT_EQ(s.Firm.Name, QStringLiteral("ООО \"Окна\""));
    EXPECT_EQ(s.Firm.Logo, QStringLiteral("firm.bmp"));
    EXPECT_EQ(s.Firm.JustAddress, QStringLiteral("пр. Ленина, 2"));
    EXPECT_EQ(s.Firm.BookKeeper, QStringLiteral("Петрова"));
    EXPECT_EQ(s.CurCurrency, 3);
    EXPECT_EQ(s.NDSTax, 20.0);
    EXPECT_FALSE(s.TotalNDS);
    EXPECT_FALSE(s.ShowIncludingNDS);
    EXPECT_EQ(s.PriceGrpNo, 4);
    EXPECT_EQ(s.PriceGroupNames.value(0), QStringLiteral("Розница"));
    EXPECT_EQ(s.PriceGroupNames.value(1), QStringLiteral("?????? #2"));
    EXPECT_EQ(s.PriceGroupNames.value(9), QStringLiteral("Опт"));
    EXPECT_EQ(s.DefProfSys, QStringLiteral("PS"));
    EXPECT_EQ(s.DefFurnSysGroup, 1);
    EXPECT_EQ(s.DefOuterProfColor, QStringLiteral("Дуб"));
    EXPECT_EQ(s.DefMaterial, 2);
    EXPECT_EQ(s.DefFlugelType, 8);
    EXPECT_EQ(s.DefProfWidth, 68.5f);
    EXPECT_EQ(s.DefProfThickness, 70.0f);
    EXPECT_FALSE(s.UserDefineHeight);
    EXPECT_EQ(s.ReportLogo, QStringLiteral("report.bmp"));
    EXPECT_EQ(s.Ftp.ftpHost, QStringLiteral("ftp.b.c"));
    EXPECT_EQ(s.Ftp.ftpPort, 2121);
    EXPECT_EQ(s.Ftp.ftpUserName, QStringLiteral("user"));
    EXPECT_EQ(s.Ftp.ftpPassword, QStringLiteral("пароль"));
    EXPECT_EQ(s.Ftp.ftpDir, QStringLiteral("/in"));
    EXPECT_TRUE(s.Ftp.ftpUpload);

    EXPECT_EQ(s.VoderivarMainWinState, 2);
    EXPECT_EQ(s.VoderivarDesignFormW, 800);
    EXPECT_EQ(s.VoderivarDesignFormH, 480);
    EXPECT_FALSE(s.AutoReg);
    EXPECT_FALSE(s.AutoLoadCurrency);
    EXPECT_TRUE(s.AutoOpenReg);
}

TEST_F(SetupTest, VatIsReadAsTextWithoutBlanks)
{
    struct Case { const char *line; double vat; };
    for (const Case &c : {Case{"NDSTax= 1 8 ", 18}, Case{"NDSTax=1 8,5", 18.5}, Case{"NDSTax=18.5", 18.5},
                          Case{"NDSTax=", 0}, Case{"NDSTax=   ", 0}, Case{"", 18}}) {
        writeSettings(QStringLiteral("[Tax]\r\n") + QString::fromLatin1(c.line) + QStringLiteral("\r\n"));
        TkvfSetup s;
        EXPECT_EQ(s.NDSTax, c.vat) << c.line;
    }
    writeSettings(QStringLiteral("[Tax]\r\nNDSTax=восемнадцать\r\n"));
    EXPECT_THROW(TkvfSetup s, Error);
    EXPECT_EQ(kvfSetup(), nullptr);
}

TEST_F(SetupTest, FtpAccountIsHexEncoded)
{
    EXPECT_EQ(TkvfSetup::HexEncode(QStringLiteral("a")), QStringLiteral("61"));
    EXPECT_EQ(TkvfSetup::HexEncode(QStringLiteral("Пароль 1")), QStringLiteral("CFE0F0EEEBFC2031"));
    EXPECT_EQ(TkvfSetup::HexEncode(QString()), QString());
    struct Case { const char *hex; QString text; };
    for (const Case &c : {Case{"61", QStringLiteral("a")}, Case{"6a6B", QStringLiteral("jk")},
                          Case{"616", QStringLiteral("a")},            // a dangling digit is dropped
                          Case{"CFE0F0EEEBFC2031", QStringLiteral("Пароль 1")}, Case{"", QString()}})
        EXPECT_EQ(TkvfSetup::HexDecode(QString::fromLatin1(c.hex)), c.text) << c.hex;

    writeSettings(QStringLiteral("[FTP]\r\nftpPassword=61\r\n"));
    {
        TkvfSetup s;
        EXPECT_EQ(s.Ftp.ftpPassword, QStringLiteral("a"));
    }
    IniFile ini;
    ini.load(SettingsFile);
    EXPECT_EQ(ini.readString(QStringLiteral("FTP"), QStringLiteral("ftpPassword")), QStringLiteral("61"));
}

TEST_F(SetupTest, SavingKeepsEverythingItDoesNotWrite)
{
    // Only-read keys with odd spacing, comments, an unknown section and the
    // written keys already holding what will be written back.
    const QString original = QStringLiteral(
        "; общие настройки\r\n"
        "[Firm]\r\nName=Фирма\r\nLogo=\r\nAddress=\r\nJustAddress=\r\nZipCode=17\r\nPhone1=\r\nPhone2=\r\n"
        "Phone3=\r\nFax=\r\nEMail=\r\nInternet=\r\nINN=\r\nAccount=\r\nDirector=\r\nBookKeeper=\r\n"
        "\r\n"
        "[Tax]\r\n"
        "TotalNDS =  0\r\n"
        "ShowIncludingNDS=0\n"
        "PriceGrpNo=  2\r\n"
        "NDSTax=20\r\n"
        "[PriceGroupNames]\r\n1=Опт\r\n2 = \"Крупный опт\"\r\n"
        "[Defaults]\r\n"
        "DefFurnSysGroup=1\r\nUserDefineHeight=0\r\n"
        "DefProfSys=PS\r\nDefInnerProfColor=\r\nDefOuterProfColor=\r\nDefFurnSys=FS\r\nDefFurnColor=\r\n"
        "DefHandle=\r\nDefMaterial=1\r\nDefFalzType=0\r\nDefStulpFalzType=0\r\nDefFlugelType=0\r\nDefDornType=0\r\n"
        "DefProfWidth=0\r\nDefProfThickness=0\r\n"
        "[Money]\r\nCurCurrency=0\r\n"
        "[Report]\r\nLogo=report.bmp\r\n"
        "[Склад]\r\nАдрес=где-то\r\n"
        "[FTP]\r\nftpHost=\r\nftpPort=21\r\nftpUserName=\r\nftpPassword=\r\nftpDir=\r\nftpUpload=0\r\n"
        "; конец");
    writeSettings(original);
    {
        TkvfSetup s;
        ASSERT_TRUE(s.SettingsLoaded);
    }
    EXPECT_EQ(settingsBytes(), cp(original));

    // Changed values replace their own lines only.
    {
        TkvfSetup s;
        s.DefHandle = QStringLiteral("Ручка");
        s.NDSTax = 18.5;
        s.Ftp.ftpPassword = QStringLiteral("a");
    }
    QString expected = original;
    expected.replace(QStringLiteral("DefHandle=\r\n"), QStringLiteral("DefHandle=Ручка\r\n"));
    expected.replace(QStringLiteral("NDSTax=20\r\n"),
                     QStringLiteral("NDSTax=18") + TkvfSetup::DecimalSeparator() + QStringLiteral("5\r\n"));
    expected.replace(QStringLiteral("ftpPassword=\r\n"), QStringLiteral("ftpPassword=61\r\n"));
    EXPECT_EQ(cp1251::decode(settingsBytes()), expected);
}

TEST_F(SetupTest, WrittenKeysOfANewFileComeInTheirOrder)
{
    writeSettings(QString());
    {
        TkvfSetup s;
        s.Firm.Name = QStringLiteral("Окна");
        s.DefProfWidth = 68.5f;
        s.Ftp.ftpUserName = QStringLiteral("u");
    }
    const QChar sep = TkvfSetup::DecimalSeparator();
    const QString expected = QString(QStringLiteral(
        "[Defaults]\r\nDefProfSys=\r\nDefInnerProfColor=\r\nDefOuterProfColor=\r\nDefFurnSys=\r\nDefFurnColor=\r\n"
        "DefHandle=\r\nDefMaterial=1\r\nDefFalzType=0\r\nDefStulpFalzType=0\r\nDefFlugelType=0\r\nDefDornType=0\r\n"
        "DefProfWidth=68<sep>5\r\nDefProfThickness=0\r\n"
        "[Money]\r\nCurCurrency=0\r\n"
        "[Tax]\r\nNDSTax=18\r\n"
        "[Firm]\r\nName=Окна\r\nLogo=\r\nAddress=\r\nJustAddress=\r\nZipCode=\r\nPhone1=\r\nPhone2=\r\nPhone3=\r\n"
        "Fax=\r\nEMail=\r\nInternet=\r\nINN=\r\nAccount=\r\nDirector=\r\nBookKeeper=\r\n"
        "[FTP]\r\nftpHost=\r\nftpPort=21\r\nftpUserName=75\r\nftpPassword=\r\nftpDir=\r\nftpUpload=0\r\n"))
                               .replace(QStringLiteral("<sep>"), sep);
    EXPECT_EQ(cp1251::decode(settingsBytes()), expected);
}

TEST_F(SetupTest, AnotherWorkplacesChangesToReadOnlyKeysSurvive)
{
    writeSettings(QStringLiteral("[Tax]\r\nPriceGrpNo=1\r\n"));
    {
        TkvfSetup s;
        // Meanwhile someone else edits the shared file.
        writeSettings(QStringLiteral("[Tax]\r\nPriceGrpNo=7\r\n[PriceGroupNames]\r\n1=Новая\r\n"));
    }
    IniFile ini;
    ini.load(SettingsFile);
    EXPECT_EQ(ini.readInteger(QStringLiteral("Tax"), QStringLiteral("PriceGrpNo")), 7);
    EXPECT_EQ(ini.readString(QStringLiteral("PriceGroupNames"), QStringLiteral("1")), QStringLiteral("Новая"));
    EXPECT_EQ(ini.readString(QStringLiteral("Tax"), QStringLiteral("NDSTax")), QStringLiteral("18"));
}

TEST_F(SetupTest, RegistryValuesAreStoredAtTheEnd)
{
    writeSettings(QString());
    {
        TkvfSetup s;
        s.VoderivarMainWinState = 2;
        s.VoderivarOrderWinState = 1;
        s.AutoReg = false;
        s.MoveToRecycled = false;
        // Nothing reaches the registry during the run.
        EXPECT_FALSE(prefs()->valueExists(QStringLiteral("AutoReg")));
    }
    auto key = prefs();
    EXPECT_EQ(key->readInteger(QStringLiteral("VoderivarMainWinState")), 2);
    EXPECT_EQ(key->readInteger(QStringLiteral("VoderivarOrderWinState")), 1);
    EXPECT_EQ(key->readInteger(QStringLiteral("VoderivarDesignWinState")), 0);
    EXPECT_EQ(key->readInteger(QStringLiteral("VoderivarDesignFormW")), 640);
    EXPECT_EQ(key->readInteger(QStringLiteral("VoderivarDesignFormH")), 480);
    EXPECT_FALSE(key->readBool(QStringLiteral("AutoReg"), true));
    EXPECT_FALSE(key->readBool(QStringLiteral("MoveToRecycled"), true));
    EXPECT_TRUE(key->readBool(QStringLiteral("AutoOpenReg"), false));
    EXPECT_TRUE(key->readBool(QStringLiteral("AlertIfNotFull"), false));
    EXPECT_TRUE(key->readBool(QStringLiteral("AutoLoadCurrency"), false));
}

TEST_F(SetupTest, ASettingsFileThatCannotBeWrittenIsReported)
{
    writeSettings(QString());
    RecordingMessages messages;
    {
        TkvfSetup s;
        s.AutoReg = false;
        QDir(CatalogDir).removeRecursively();
    }
    const QStringList errors = messages.texts(RecordingMessageSink::Kind::Error);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith(QStringLiteral("Ошибка записи файла ") + SettingsFile)) << errors[0].toStdString();
    // The registry was stored first.
    EXPECT_FALSE(prefs()->readBool(QStringLiteral("AutoReg"), true));
}

TEST_F(SetupTest, MissingDirectoriesAreCreated)
{
    writeSettings(QString());
    TkvfSetup s;
    for (const QString *dir : {&DataDir, &OrdersDir, &RecycledDir, &ArchiveDir, &SelectionDir, &ReportDir, &ExportDir})
        EXPECT_TRUE(QFileInfo(*dir).isDir()) << dir->toStdString();
    EXPECT_FALSE(QFileInfo::exists(RegistryDir));
}

TEST_F(SetupTest, NoDirectoriesInTheRootWithoutADataDirectory)
{
    writeSettings(QString());
    DataDir.clear();
    OrdersDir = QStringLiteral("/Orders");
    RecycledDir = QStringLiteral("/Recycled");
    ArchiveDir = QStringLiteral("/Archive");
    SelectionDir = QStringLiteral("/Selection");
    ExportDir = QStringLiteral("/Export");
    TkvfSetup s;
    EXPECT_TRUE(s.SettingsLoaded);
    EXPECT_TRUE(QFileInfo(ReportDir).isDir());
    for (const char *dir : {"/Orders", "/Recycled", "/Archive", "/Selection", "/Export"})
        EXPECT_FALSE(QFileInfo::exists(QString::fromLatin1(dir))) << dir;
}

TEST_F(SetupTest, PhoneLine)
{
    struct Case { const char *zip, *p1, *p2, *p3, *fax; const char *line; };
    const Case cases[] = {
        {"17", "22", "33", "", "44", "17 22,33,44"},
        {"17", "", "", "", "44", "17 44"},
        {"17", "", "33", "", "", "17 33"},
        {"17", "22", "33", "55", "44", "17 22,33,55,44"},
        {"", "22", "", "", "", " 22"},
        {"17", "", "", "", "", ""},
    };
    writeSettings(QString());
    TkvfSetup s;
    for (const Case &c : cases) {
        s.Firm.ZipCode = QString::fromLatin1(c.zip);
        s.Firm.Phone1 = QString::fromLatin1(c.p1);
        s.Firm.Phone2 = QString::fromLatin1(c.p2);
        s.Firm.Phone3 = QString::fromLatin1(c.p3);
        s.Firm.Fax = QString::fromLatin1(c.fax);
        EXPECT_EQ(s.GetPhonesLine(), QString::fromLatin1(c.line)) << c.line;
    }
}

TEST_F(SetupTest, PricingContextIsTheProcessWideOne)
{
    TkvfSetup s;
    s.CurrentCurrency = 5;
    s.CurrentVAT = 20.0f;
    EXPECT_EQ(pricingContext().CurrentCurrency, 5);
    EXPECT_EQ(pricingContext().CurrentVAT, 20.0f);
    pricingContext().CurrentCurrency = 0;
    EXPECT_EQ(s.CurrentCurrency, 0);
    pricingContext().CurrentVAT = 0;
}
