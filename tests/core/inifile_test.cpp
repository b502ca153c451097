#include "core/IniFile.h"
#include "tools/Errors.h"
#include "tools/Win1251.h"
#include "support/TestSupport.h"

#include <QDir>
#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

using kv::IniFile;

namespace {

// A settings file as another installation may have left it: comments, blank
// lines, an unknown section, odd spacing, a bare LF line end, Cyrillic text in
// Windows-1251 and no line end after the last line.
QByteArray sampleFile()
{
    return kv::cp1251::encode(QStringLiteral(
               "; настройки фирмы\r\n"
               "[Firm]\r\n"
               "Name=ООО \"Окна\"\r\n"
               "  Phone1 = 22-33 \r\n"
               "\r\n"
               "; цены\r\n"
               "[Tax]\r\n"
               "NDSTax= 1 8 \r\n"
               "TotalNDS=0\n"
               "[Unknown]\r\n"
               "Whatever=x=y\r\n"
               "no equals sign here\r\n"
               "[Defaults]\r\n"
               "DefMaterial=3"));
}

} // namespace

TEST(IniFile, ContentSurvivesByteForByte)
{
    const QByteArray original = sampleFile();
    EXPECT_EQ(IniFile(original).content(), original);
    const QByteArray withFinalEnd = original + "\r\n";
    EXPECT_EQ(IniFile(withFinalEnd).content(), withFinalEnd);
    EXPECT_EQ(IniFile(QByteArray()).content(), QByteArray());
}

TEST(IniFile, ReadsLikeTheProfileFunctions)
{
    IniFile ini(sampleFile() + kv::cp1251::encode(QStringLiteral(
                                   "\r\n[firm]\r\nName=second\r\n[Quoted]\r\nA=\"  padded  \"\r\nB='x'\r\nC=\"x'\r\n"
                                   ";Hidden=1\r\n")));
    struct Case { const char *section, *key; QString expected; };
    const Case cases[] = {
        {"Firm", "Name", QStringLiteral("ООО \"Окна\"")}, // first section of that name wins
        {"FIRM", "phone1", QStringLiteral("22-33")},       // names ignore case, blanks trimmed
        {"Tax", "NDSTax", QStringLiteral("1 8")},
        {"Unknown", "Whatever", QStringLiteral("x=y")},    // only the first "=" separates
        {"Quoted", "A", QStringLiteral("  padded  ")},     // enclosing quotes stripped
        {"Quoted", "B", QStringLiteral("x")},
        {"Quoted", "C", QStringLiteral("\"x'")},          // unmatched quotes stay
        {"Quoted", ";Hidden", QStringLiteral("<none>")},   // a comment is no entry
        {"Firm", "Fax", QStringLiteral("<none>")},
        {"Nowhere", "Name", QStringLiteral("<none>")},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ini.readString(QString::fromLatin1(c.section), QString::fromLatin1(c.key), QStringLiteral("<none>")),
                  c.expected)
            << c.section << "/" << c.key;
    EXPECT_EQ(ini.sections(), (QStringList{"Firm", "Tax", "Unknown", "Defaults", "firm", "Quoted"}));
    EXPECT_EQ(ini.keys(QStringLiteral("Quoted")), (QStringList{"A", "B", "C"}));
}

TEST(IniFile, IntegersBooleansAndReals)
{
    IniFile ini(QByteArray("[N]\r\ndec=12\r\nneg= -3 \r\nhex1=$1F\r\nhex2=0x1f\r\ntext=abc\r\nempty=\r\n"
                           "big=99999999999\r\nr1=18,5\r\nr2=18.5\r\nr3=1.\r\nr4=,5\r\nr5=1e2\r\n"
                           "r6=1,2,3\r\nr7=1 8\r\nr8=nan\r\n"));
    struct IntCase { const char *key; int expected; };
    for (const IntCase &c : {IntCase{"dec", 12}, {"neg", -3}, {"hex1", 31}, {"hex2", 31}, {"text", 77},
                             {"empty", 77}, {"big", 77}, {"missing", 77}})
        EXPECT_EQ(ini.readInteger(QStringLiteral("N"), QString::fromLatin1(c.key), 77), c.expected) << c.key;
    EXPECT_TRUE(ini.readBool(QStringLiteral("N"), QStringLiteral("dec"), false));
    EXPECT_FALSE(ini.readBool(QStringLiteral("N"), QStringLiteral("text"), false));
    EXPECT_TRUE(ini.readBool(QStringLiteral("N"), QStringLiteral("missing"), true));

    struct RealCase { const char *key; double expected; };
    for (const RealCase &c : {RealCase{"r1", 18.5}, {"r2", 18.5}, {"r3", 1.0}, {"r4", 0.5}, {"r5", 100.0},
                              {"r6", -1.0}, {"r7", -1.0}, {"r8", -1.0}, {"text", -1.0}, {"empty", -1.0}})
        EXPECT_DOUBLE_EQ(ini.readFloat(QStringLiteral("N"), QString::fromLatin1(c.key), -1.0), c.expected) << c.key;
}

TEST(IniFile, WritingChangesOnlyTheWrittenEntries)
{
    IniFile ini(sampleFile());
    ini.writeString(QStringLiteral("firm"), QStringLiteral("PHONE1"), QStringLiteral("44"));  // existing: in place
    ini.writeString(QStringLiteral("Firm"), QStringLiteral("Fax"), QStringLiteral("55"));     // new: after the last entry
    ini.writeInteger(QStringLiteral("Defaults"), QStringLiteral("DefFalzType"), 2);           // after a last line without end
    ini.writeFloat(QStringLiteral("Tax"), QStringLiteral("NDSTax"), 18.5, QLatin1Char(','));
    ini.writeBool(QStringLiteral("FTP"), QStringLiteral("ftpUpload"), true);                  // new section at the end
    const QByteArray expected = kv::cp1251::encode(QStringLiteral(
        "; настройки фирмы\r\n"
        "[Firm]\r\n"
        "Name=ООО \"Окна\"\r\n"
        "  Phone1 =44\r\n"
        "Fax=55\r\n"
        "\r\n"
        "; цены\r\n"
        "[Tax]\r\n"
        "NDSTax=18,5\r\n"
        "TotalNDS=0\n"
        "[Unknown]\r\n"
        "Whatever=x=y\r\n"
        "no equals sign here\r\n"
        "[Defaults]\r\n"
        "DefMaterial=3\r\n"
        "DefFalzType=2\r\n"
        "[FTP]\r\n"
        "ftpUpload=1\r\n"));
    EXPECT_EQ(ini.content(), expected);
}

TEST(IniFile, LineBreaksInAValueCannotAddEntries)
{
    IniFile ini;
    ini.writeString(QStringLiteral("Firm"), QStringLiteral("Address"), QStringLiteral("ул. Мира, 1\r\n[Tax]\nNDSTax=0"));
    EXPECT_EQ(ini.readString(QStringLiteral("Firm"), QStringLiteral("Address")),
              QStringLiteral("ул. Мира, 1 [Tax] NDSTax=0"));
    EXPECT_FALSE(ini.sectionExists(QStringLiteral("Tax")));
}

TEST(IniFile, RealTexts)
{
    EXPECT_EQ(IniFile::floatText(18, QLatin1Char(',')), QStringLiteral("18"));
    EXPECT_EQ(IniFile::floatText(18.5, QLatin1Char(',')), QStringLiteral("18,5"));
    EXPECT_EQ(IniFile::floatText(0.1, QLatin1Char('.')), QStringLiteral("0.1"));
    EXPECT_EQ(IniFile::singleText(0.1f, QLatin1Char(',')), QStringLiteral("0,1"));
    EXPECT_EQ(IniFile::singleText(68.0f, QLatin1Char(',')), QStringLiteral("68"));
    double v = 0;
    ASSERT_TRUE(IniFile::parseFloat(IniFile::singleText(1.3f, QLatin1Char(',')), &v));
    EXPECT_EQ(float(v), 1.3f);
}

TEST(IniFile, FilesOnDisk)
{
    const QString path = QDir(kvtest::scratchDir()).filePath(QStringLiteral("ini_on_disk.ini"));
    QFile::remove(path);
    IniFile missing;
    EXPECT_FALSE(missing.load(path));
    EXPECT_TRUE(missing.content().isEmpty());

    kvtest::writeFile(path, sampleFile());
    IniFile ini;
    ASSERT_TRUE(ini.load(path));
    ini.writeString(QStringLiteral("Firm"), QStringLiteral("Name"), QStringLiteral("Другая"));
    ini.save(path);
    const QByteArray written = kvtest::readFile(path);
    EXPECT_EQ(written, ini.content());
    EXPECT_TRUE(written.contains(kv::cp1251::encode(QStringLiteral("Name=Другая\r\n"))));

    EXPECT_THROW(ini.save(QDir(kvtest::scratchDir()).filePath(QStringLiteral("no/such/dir/x.ini"))), kv::Error);
}
