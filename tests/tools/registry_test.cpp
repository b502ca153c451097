#include "support/TestSupport.h"
#include "tools/Errors.h"
#include "tools/OleDate.h"
#include "tools/Registry.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QtEndian>
#include <climits>

using kv::RegistryKey;

namespace {

QString u(const char *s) { return QString::fromUtf8(s); }

const char *const kBase = "\\SoftWare\\Velmar\\Karvelo\\Zurozirod380";

QString base(const char *tail = "")
{
    return u(kBase) + u(tail);
}

// Points the registry at another file for the life of the object.
class RegistryFile
{
public:
    explicit RegistryFile(const QString &path) : m_saved(qgetenv("KARVELO_REGISTRY"))
    {
        qputenv("KARVELO_REGISTRY", path.toLocal8Bit());
    }
    ~RegistryFile() { qputenv("KARVELO_REGISTRY", m_saved); }

private:
    QByteArray m_saved;
};

class Registry : public ::testing::Test
{
protected:
    void SetUp() override
    {
        RegistryKey::deleteKey(u("\\SoftWare"));
        ASSERT_FALSE(RegistryKey::keyExists(u("\\SoftWare")));
    }

    // What is on disk, read by a QSettings of its own.
    static QSettings diskCopy() { return QSettings(RegistryKey::backingFile(), QSettings::IniFormat); }
};

} // namespace

TEST_F(Registry, BackingFileFollowsTheEnvironment)
{
    EXPECT_EQ(RegistryKey::backingFile(), qEnvironmentVariable("KARVELO_REGISTRY"));
    EXPECT_TRUE(RegistryKey::backingFile().startsWith(kvtest::scratchDir()));
    {
        RegistryFile none{QString()};
        const QString expected = QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
                                     .filePath(u("Karvelo/registry.ini"));
        EXPECT_EQ(RegistryKey::backingFile(), expected);
    }
}

TEST_F(Registry, OpenCreatesKeysThatSurviveWithoutValues)
{
    const QString key = base("\\DBConfig\\ZUVI");
    EXPECT_EQ(RegistryKey::open(key), nullptr);
    EXPECT_FALSE(RegistryKey::keyExists(key));

    auto k = RegistryKey::open(key, true);
    ASSERT_NE(k, nullptr);
    EXPECT_EQ(k->path(), key);
    EXPECT_TRUE(k->valueNames().isEmpty());
    for (const char *part : {"\\SoftWare", "\\SoftWare\\Velmar", "\\SoftWare\\Velmar\\Karvelo\\Zurozirod380\\DBConfig"})
        EXPECT_TRUE(RegistryKey::keyExists(u(part))) << part;
    EXPECT_TRUE(RegistryKey::keyExists(key + u("\\"))); // trailing separator
    EXPECT_TRUE(RegistryKey::keyExists(QString()));      // the root
    EXPECT_NE(RegistryKey::open(key), nullptr);
    EXPECT_FALSE(RegistryKey::keyExists(key + u("\\Other")));

    // The empty key is on disk, as groups separated by "/", not "\".
    const QByteArray file = kvtest::readFile(RegistryKey::backingFile());
    EXPECT_TRUE(file.contains("[SoftWare]")) << file.constData();
    EXPECT_TRUE(file.contains("Velmar\\Karvelo\\Zurozirod380\\DBConfig\\ZUVI\\")) << file.constData();
    EXPECT_FALSE(file.contains("%5C")) << file.constData();
    QSettings disk = diskCopy();
    disk.beginGroup(u("SoftWare/Velmar/Karvelo/Zurozirod380/DBConfig"));
    EXPECT_EQ(disk.childGroups(), QStringList{u("ZUVI")});
}

TEST_F(Registry, ValuesOfEveryTypeWithDefaults)
{
    auto k = RegistryKey::open(base("\\Values"), true);
    ASSERT_NE(k, nullptr);

    // Missing values give the defaults.
    EXPECT_FALSE(k->valueExists(u("S")));
    EXPECT_EQ(k->readString(u("S")), QString());
    EXPECT_EQ(k->readString(u("S"), u("def")), u("def"));
    EXPECT_EQ(k->readInteger(u("I")), 0);
    EXPECT_EQ(k->readInteger(u("I"), -7), -7);
    EXPECT_FALSE(k->readBool(u("B")));
    EXPECT_TRUE(k->readBool(u("B"), true));
    EXPECT_FALSE(k->readDateTime(u("D")).isValid());
    const QDateTime someDay(QDate(2001, 2, 3), QTime(4, 5, 6));
    EXPECT_EQ(k->readDateTime(u("D"), someDay), someDay);

    const char *const strings[] = {"ZUVI", "", "a, b; \"q\" = [x]", "  padded  ", "line1\r\nline2",
                                   "@Variant(x)", "C:\\Karvelo\\Каталог\\", "%U0041 %25"};
    for (const char *s : strings) {
        k->writeString(u("S"), u(s));
        EXPECT_TRUE(k->valueExists(u("S")));
        EXPECT_EQ(k->readString(u("S"), u("def")), u(s)) << s;
    }
    for (int i : {0, 1, -1, 42, INT_MAX, INT_MIN}) {
        k->writeInteger(u("I"), i);
        EXPECT_EQ(k->readInteger(u("I"), 5), i);
    }
    for (bool b : {true, false}) {
        k->writeBool(u("B"), b);
        EXPECT_EQ(k->readBool(u("B"), !b), b);
    }
    const QDateTime moments[] = {
        QDateTime(QDate(2019, 12, 26), QTime(23, 59, 58, 999)),
        QDateTime(QDate(1899, 12, 30), QTime(0, 0)),
        QDateTime(QDate(2024, 3, 31), QTime(2, 30, 0, 1), Qt::UTC),
        QDateTime(QDate(2024, 7, 1), QTime(12, 0, 0, 500), Qt::OffsetFromUTC, 3 * 3600),
    };
    for (const QDateTime &m : moments) {
        k->writeDateTime(u("D"), m);
        const QDateTime back = k->readDateTime(u("D"));
        EXPECT_EQ(back, m) << m.toString(Qt::ISODateWithMs).toStdString();
        EXPECT_EQ(back.offsetFromUtc(), m.offsetFromUtc());
        EXPECT_EQ(back.time().msec(), m.time().msec());
    }
    k->writeDateTime(u("D"), QDateTime());
    EXPECT_EQ(k->readDateTime(u("D"), someDay), someDay);
}

TEST_F(Registry, ValuesOfAnotherTypeGiveTheDefault)
{
    auto k = RegistryKey::open(base("\\Mixed"), true);
    ASSERT_NE(k, nullptr);
    k->writeString(u("Text"), u("abc"));
    k->writeString(u("Big"), u("99999999999"));
    k->writeString(u("Padded"), u(" 12 "));
    k->writeString(u("Word"), u("TRUE"));
    k->writeInteger(u("Num"), 42);
    k->writeBool(u("Flag"), true);

    EXPECT_EQ(k->readInteger(u("Text"), -1), -1);
    EXPECT_EQ(k->readInteger(u("Big"), -1), -1);
    EXPECT_EQ(k->readInteger(u("Padded"), -1), 12);
    EXPECT_EQ(k->readInteger(u("Flag")), 1);
    EXPECT_TRUE(k->readBool(u("Word")));
    EXPECT_TRUE(k->readBool(u("Num")));
    EXPECT_TRUE(k->readBool(u("Text"), true));
    EXPECT_FALSE(k->readBool(u("Text"), false));
    EXPECT_EQ(k->readString(u("Num")), u("42"));
    const QDateTime def(QDate(2000, 1, 1), QTime(0, 0));
    EXPECT_EQ(k->readDateTime(u("Text"), def), def);
    EXPECT_EQ(k->readDateTime(u("Num"), def), def);
}

TEST_F(Registry, KeyAndValueNamesIgnoreLetterCase)
{
    auto created = RegistryKey::open(base("\\DBConfig\\Конфигурация Ёлка"), true);
    ASSERT_NE(created, nullptr);
    created->writeString(u("DefaultConfig"), u("ZUVI"));
    created->writeString(u("Имя"), u("Первая"));

    auto k = RegistryKey::open(u("\\SOFTWARE\\velmar\\KARVELO\\zurozirod380\\dbconfig\\КОНФИГУРАЦИЯ ёЛКА"));
    ASSERT_NE(k, nullptr);
    EXPECT_EQ(k->path(), base("\\DBConfig\\Конфигурация Ёлка")); // stored spelling
    EXPECT_EQ(k->readString(u("DEFAULTCONFIG")), u("ZUVI"));
    EXPECT_EQ(k->readString(u("имя")), u("Первая"));
    EXPECT_TRUE(k->valueExists(u("defaultconfig")));

    // Writing under another spelling replaces the value, keeping the first name.
    k->writeString(u("defaultCONFIG"), u("Second"));
    k->writeString(u("ИМЯ"), u("Вторая"));
    EXPECT_EQ(k->valueNames(), QStringList({u("DefaultConfig"), u("Имя")}));
    EXPECT_EQ(created->readString(u("DefaultConfig")), u("Second"));
    EXPECT_EQ(created->readString(u("Имя")), u("Вторая"));

    // Opening with create under another spelling adds nothing.
    ASSERT_NE(RegistryKey::open(u("\\software\\VELMAR\\karvelo\\Zurozirod380\\DBCONFIG\\конфигурация ёлка"), true),
              nullptr);
    EXPECT_EQ(RegistryKey::open(base("\\DBConfig"))->subKeys(), QStringList{u("Конфигурация Ёлка")});
    EXPECT_EQ(RegistryKey::open(u("\\"))->subKeys(), QStringList{u("SoftWare")});
}

TEST_F(Registry, SubKeysAndValueNamesAreListedInRegistryOrder)
{
    auto k = RegistryKey::open(base("\\List"), true);
    ASSERT_NE(k, nullptr);
    for (const char *name : {"b", "Б", "A", "c", "а"})
        ASSERT_NE(RegistryKey::open(base("\\List\\") + u(name), true), nullptr);
    ASSERT_NE(RegistryKey::open(base("\\List\\b\\deeper"), true), nullptr);
    EXPECT_EQ(k->subKeys(), QStringList({u("A"), u("b"), u("c"), u("а"), u("Б")}));
    EXPECT_TRUE(k->valueNames().isEmpty());

    k->writeInteger(u("zeta"), 1);
    k->writeInteger(u("Alpha"), 2);
    k->writeInteger(u("beta"), 3);
    EXPECT_EQ(k->valueNames(), QStringList({u("Alpha"), u("beta"), u("zeta")}));
    EXPECT_EQ(RegistryKey::open(base("\\List\\b"))->subKeys(), QStringList{u("deeper")});
    EXPECT_TRUE(RegistryKey::open(base("\\List\\c"))->subKeys().isEmpty());
}

TEST_F(Registry, DeletingValues)
{
    auto k = RegistryKey::open(base("\\Del"), true);
    ASSERT_NE(k, nullptr);
    k->writeString(u("One"), u("1"));
    k->writeString(u("Two"), u("2"));
    EXPECT_TRUE(k->deleteValue(u("ONE")));
    EXPECT_FALSE(k->deleteValue(u("One")));
    EXPECT_FALSE(k->deleteValue(u("Missing")));
    EXPECT_FALSE(k->valueExists(u("One")));
    EXPECT_EQ(k->readString(u("One"), u("gone")), u("gone"));
    EXPECT_EQ(k->valueNames(), QStringList{u("Two")});

    // The key stays after its last value is gone, also on disk.
    EXPECT_TRUE(k->deleteValue(u("two")));
    EXPECT_TRUE(k->valueNames().isEmpty());
    EXPECT_TRUE(RegistryKey::keyExists(base("\\Del")));
    QSettings disk = diskCopy();
    disk.beginGroup(u("SoftWare/Velmar/Karvelo/Zurozirod380"));
    EXPECT_TRUE(disk.childGroups().contains(u("Del")));
}

TEST_F(Registry, DeletingKeysIsRecursive)
{
    auto top = RegistryKey::open(base("\\Tree"), true);
    ASSERT_NE(top, nullptr);
    RegistryKey::open(base("\\Tree\\A\\B\\C"), true)->writeString(u("Deep"), u("x"));
    RegistryKey::open(base("\\Tree\\A"))->writeInteger(u("Own"), 1);
    RegistryKey::open(base("\\Tree\\Keep"), true)->writeInteger(u("Stay"), 2);

    EXPECT_TRUE(RegistryKey::deleteKey(base("\\tree\\a")));
    for (const char *gone : {"\\Tree\\A", "\\Tree\\A\\B", "\\Tree\\A\\B\\C"})
        EXPECT_FALSE(RegistryKey::keyExists(base(gone))) << gone;
    EXPECT_FALSE(RegistryKey::deleteKey(base("\\Tree\\A")));
    EXPECT_EQ(RegistryKey::open(base("\\Tree\\Keep"))->readInteger(u("Stay")), 2);
    EXPECT_EQ(top->subKeys(), QStringList{u("Keep")});

    // A parent left without anything still exists.
    EXPECT_TRUE(RegistryKey::deleteKey(base("\\Tree\\Keep")));
    EXPECT_TRUE(RegistryKey::keyExists(base("\\Tree")));
    EXPECT_TRUE(top->subKeys().isEmpty());
    EXPECT_FALSE(QString::fromUtf8(kvtest::readFile(RegistryKey::backingFile())).contains(u("Deep")));

    // A re-created key starts empty.
    auto again = RegistryKey::open(base("\\Tree\\A"), true);
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(again->valueNames().isEmpty());
    EXPECT_TRUE(again->subKeys().isEmpty());

    // The whole registry is never deleted through the root.
    EXPECT_FALSE(RegistryKey::deleteKey(u("\\")));
    EXPECT_FALSE(RegistryKey::deleteKey(QString()));
    EXPECT_TRUE(RegistryKey::keyExists(base("\\Tree")));
}

TEST_F(Registry, WhatIsWrittenIsOnDiskForAnyReader)
{
    {
        auto k = RegistryKey::open(base("\\DBConfig"), true);
        ASSERT_NE(k, nullptr);
        k->writeString(u("DefaultConfig"), u("Основная"));
        k->writeInteger(u("Count"), 3);
        k->writeBool(u("Flag"), true);
    }
    QSettings disk = diskCopy();
    disk.beginGroup(u("SoftWare/Velmar/Karvelo/Zurozirod380/DBConfig"));
    EXPECT_EQ(disk.value(u("DefaultConfig")).toString(), u("Основная"));
    EXPECT_EQ(disk.value(u("Count")).toInt(), 3);
    EXPECT_EQ(disk.value(u("Flag")).toInt(), 1);
    disk.endGroup();

    // Another program's copy of the file is read the same way.
    const QString copy = QDir(kvtest::scratchDir()).filePath(u("registry-copy.ini"));
    QFile::remove(copy);
    ASSERT_TRUE(QFile::copy(RegistryKey::backingFile(), copy));
    RegistryFile other(copy);
    auto k = RegistryKey::open(u("\\software\\velmar\\karvelo\\zurozirod380\\dbconfig"));
    ASSERT_NE(k, nullptr);
    EXPECT_EQ(k->readString(u("defaultconfig")), u("Основная"));
    EXPECT_EQ(k->readInteger(u("COUNT")), 3);
    EXPECT_TRUE(k->readBool(u("flag")));
}

TEST_F(Registry, HandWrittenAndOlderValuesAreRead)
{
    const QString path = QDir(kvtest::scratchDir()).filePath(u("registry-hand.ini"));
    kvtest::writeFile(path, "[TBM]\nList=a, b\nWhen=2019-12-26T10:20:30.040\nFlag=true\nNum= 17 \n");
    {
        // An older program kept dates as the 8-byte day count.
        QSettings s(path, QSettings::IniFormat);
        QByteArray bytes(8, '\0');
        qToLittleEndian(kv::toOleDate(QDateTime(QDate(2015, 10, 6), QTime(12, 0))), bytes.data());
        s.setValue(u("TBM/Binary"), bytes);
    }
    RegistryFile hand(path);
    auto k = RegistryKey::open(u("\\tbm"));
    ASSERT_NE(k, nullptr);
    EXPECT_EQ(k->readString(u("List")), u("a, b"));
    EXPECT_EQ(k->readDateTime(u("When")), QDateTime(QDate(2019, 12, 26), QTime(10, 20, 30, 40)));
    EXPECT_EQ(k->readDateTime(u("Binary")), QDateTime(QDate(2015, 10, 6), QTime(12, 0)));
    EXPECT_TRUE(k->readBool(u("Flag")));
    EXPECT_EQ(k->readInteger(u("Num")), 17);
}

TEST_F(Registry, NamesThatCannotBeStoredAreRefused)
{
    auto k = RegistryKey::open(base("\\Names"), true);
    ASSERT_NE(k, nullptr);
    for (const char *bad : {"", "a/b", "a\\b", "~key~", "~KEY~"}) {
        EXPECT_THROW(k->writeString(u(bad), u("x")), kv::Error) << bad;
        EXPECT_FALSE(k->valueExists(u(bad))) << bad;
        EXPECT_EQ(k->readString(u(bad), u("def")), u("def")) << bad;
        EXPECT_FALSE(k->deleteValue(u(bad))) << bad;
    }
    EXPECT_TRUE(k->valueNames().isEmpty());
    EXPECT_TRUE(k->subKeys().isEmpty());
    // Both separators split key names.
    ASSERT_NE(RegistryKey::open(base("\\Names\\x/y"), true), nullptr);
    EXPECT_TRUE(RegistryKey::keyExists(base("\\Names\\X\\Y")));
}

TEST_F(Registry, AFileThatCannotBeWrittenIsAnError)
{
    const QString blocker = QDir(kvtest::scratchDir()).filePath(u("not-a-directory"));
    kvtest::writeFile(blocker, "x");
    RegistryFile broken(blocker + u("/registry.ini"));
    EXPECT_THROW(RegistryKey::open(u("\\SoftWare\\Velmar"), true), kv::Error);
    EXPECT_FALSE(RegistryKey::keyExists(u("\\SoftWare\\Velmar")));
    EXPECT_EQ(RegistryKey::open(u("\\SoftWare\\Velmar")), nullptr);
}
