#include "tools/Files.h"
#include "tools/RecordingMessages.h"
#include "support/TestSupport.h"

#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTimeZone>

#include <cerrno>
#include <cstring>
#include <unistd.h>

using namespace kv;

namespace {
QString u(const char *s) { return QString::fromUtf8(s); }

QString freshDir(const QString &name)
{
    const QString path = QDir(kvtest::scratchDir()).filePath(name);
    QDir(path).removeRecursively();
    QDir().mkpath(path);
    return path;
}
} // namespace

TEST(Files, FileNamePartsEveryCombination)
{
    struct Case { const char *file; bool p, n, e; const char *result; };
    const Case cases[] = {
        {"C:\\D\\f.txt", true, true, true, "C:\\D\\f.txt"},
        {"C:\\D\\f.txt", true, false, false, "C:\\D\\"},
        {"C:\\D\\f.txt", true, false, true, ""},
        {"C:\\D\\f.txt", false, true, true, "f.txt"},
        {"C:\\D\\f.txt", false, false, true, ".txt"},
        {"C:\\D\\f.txt", true, true, false, "C:\\D\\f"},
        {"C:\\D\\f.txt", false, true, false, "f"},
        {"C:\\D\\f.txt", false, false, false, ""},
        {"/home/u/a.tar.gz", false, true, false, "a.tar"},   // only the last dot
        {"/home/u/a.tar.gz", true, false, false, "/home/u/"},
        {"/home/u/a.tar.gz", false, false, true, ".gz"},
        {"dir.d/file", false, false, true, ""},              // a dot in the path is no extension
        {"dir.d/file", true, true, false, "dir.d/file"},
        {"dir.d\\sub/x.y", true, false, false, "dir.d\\sub/"}, // both separators
        {"plain", true, false, false, ""},
        {"plain", false, true, true, "plain"},
        {"C:\\D\\", false, true, true, ""},
        {"Заказ №5.kfo370", false, true, false, "Заказ №5"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(FileNameParts(u(c.file), c.p, c.n, c.e), u(c.result))
            << c.file << " " << c.p << c.n << c.e;
}

TEST(Files, DeleteDirectoryTreeRemovesEverythingSilently)
{
    RecordingMessages messages;
    const QString root = freshDir(u("tree"));
    QDir().mkpath(root + u("/a/b/c"));
    kvtest::writeFile(root + u("/a/b/c/deep.txt"), "x");
    kvtest::writeFile(root + u("/a/.hidden"), "x");
    kvtest::writeFile(root + u("/Заказ.kfo370"), "x");
    QFile::setPermissions(root + u("/Заказ.kfo370"), QFileDevice::ReadOwner);

    EXPECT_TRUE(DeleteDirectoryTree(root));
    EXPECT_FALSE(QFileInfo::exists(root));
    EXPECT_TRUE(messages.isEmpty());
}

TEST(Files, DeleteDirectoryTreeNothingToDo)
{
    RecordingMessages messages;
    const QString before = QDir::currentPath();
    kvtest::writeFile(QDir(before).filePath(u("keep-me.txt")), "x");
    EXPECT_TRUE(DeleteDirectoryTree(QString())); // never the current directory
    EXPECT_TRUE(QFileInfo::exists(QDir(before).filePath(u("keep-me.txt"))));
    EXPECT_TRUE(DeleteDirectoryTree(QDir(kvtest::scratchDir()).filePath(u("no/such/dir"))));
    EXPECT_TRUE(messages.isEmpty());
}

TEST(Files, DeleteDirectoryTreeRefusesWhatIsNoDirectory)
{
    RecordingMessages messages;
    const QString dir = freshDir(u("refuse"));
    const QString file = dir + u("/file.txt");
    kvtest::writeFile(file, "x");
    EXPECT_FALSE(DeleteDirectoryTree(file));
    EXPECT_TRUE(QFileInfo::exists(file));
    ASSERT_EQ(messages.calls().size(), 1);
    EXPECT_EQ(messages.calls().at(0).kind, RecordingMessageSink::Kind::Error);
    EXPECT_EQ(messages.calls().at(0).text,
              QString::fromLocal8Bit(std::strerror(ENOTDIR)) + u("\r\n") + file);

    // A link to a directory: following it would empty the target.
    const QString target = freshDir(u("target"));
    kvtest::writeFile(target + u("/precious.txt"), "x");
    const QString link = dir + u("/link");
    ASSERT_TRUE(QFile::link(target, link));
    messages.clear();
    EXPECT_FALSE(DeleteDirectoryTree(link));
    EXPECT_TRUE(QFileInfo::exists(target + u("/precious.txt")));
    EXPECT_EQ(messages.count(RecordingMessageSink::Kind::Error), 1);

    messages.clear();
    EXPECT_FALSE(DeleteDirectoryTree(u("/")));
    EXPECT_EQ(messages.count(RecordingMessageSink::Kind::Error), 1);
}

TEST(Files, DeleteDirectoryTreeReportsTheSystemError)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may delete anything: no permission failure to provoke";
    RecordingMessages messages;
    const QString root = freshDir(u("locked"));
    QDir().mkpath(root + u("/sub"));
    kvtest::writeFile(root + u("/sub/f.txt"), "x");
    QFile::setPermissions(root + u("/sub"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    EXPECT_FALSE(DeleteDirectoryTree(root));
    QFile::setPermissions(root + u("/sub"), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                | QFileDevice::ExeOwner);
    ASSERT_EQ(messages.calls().size(), 1);
    EXPECT_EQ(messages.calls().at(0).text,
              QString::fromLocal8Bit(std::strerror(EACCES)) + u("\r\n") + root);
    QDir(root).removeRecursively();
}

TEST(Files, FileDateTime)
{
    const QString dir = freshDir(u("dates"));
    const QString file = dir + u("/f.txt");
    kvtest::writeFile(file, "x");
    const QDateTime when(QDate(2019, 12, 26), QTime(13, 45, 30, 250));
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(when, QFileDevice::FileModificationTime));
    }
    EXPECT_NEAR(FileDateTime(file), toOleDate(when), 1.0 / 86400000.0);
    EXPECT_NEAR(FileDateTime(file), 43825.0 + (13 * 3600 + 45 * 60 + 30.25) / 86400.0, 1e-8);
    EXPECT_EQ(FileDateTime(dir + u("/missing.txt")), 0.0);
    EXPECT_EQ(FileDateTime(dir), 0.0);
    EXPECT_EQ(FileDateTime(QString()), 0.0);
}

TEST(Files, VersionComesFromTheBuild)
{
    EXPECT_EQ(ProgramVersion(), QStringLiteral(KARVELO_VERSION));
    EXPECT_TRUE(QRegularExpression(u("^\\d+\\.\\d+\\.\\d+\\.\\d+$")).match(ProgramVersion()).hasMatch())
        << ProgramVersion().toStdString();
    EXPECT_EQ(FileVersionString(QCoreApplication::applicationFilePath()), ProgramVersion());
    const QString other = QDir(kvtest::scratchDir()).filePath(u("other.exe"));
    kvtest::writeFile(other, "MZ");
    EXPECT_EQ(FileVersionString(other), QString());
    EXPECT_EQ(FileVersionString(u("/no/such/file")), QString());
    EXPECT_EQ(FileVersionString(QString()), QString());
}

TEST(Files, UniqueStampIsTimeThenBoundedRandom)
{
    const QString before = QDateTime::currentDateTime().toString(u("yyyyMMddhhmmsszzz"));
    const QString stamp = UniqueStamp(3);
    const QString after = QDateTime::currentDateTime().toString(u("yyyyMMddhhmmsszzz"));
    ASSERT_TRUE(QRegularExpression(u("^\\d{20,21}$")).match(stamp).hasMatch()) << stamp.toStdString();
    EXPECT_GE(stamp.left(17), before);
    EXPECT_LE(stamp.left(17), after);

    // n = 1: below 99, at least one digit; over many draws both widths occur.
    bool sawTwoDigits = false, sawOneDigit = false;
    for (int i = 0; i < 2000; ++i) {
        const QString tail = UniqueStamp(1).mid(17);
        ASSERT_TRUE(tail.size() == 1 || tail.size() == 2) << tail.toStdString();
        ASSERT_LT(tail.toInt(), 99);
        (tail.size() == 2 ? sawTwoDigits : sawOneDigit) = true;
    }
    EXPECT_TRUE(sawTwoDigits);
    EXPECT_TRUE(sawOneDigit);

    // n = 0: a single digit below 9; out-of-range n is limited instead of overflowing.
    for (int i = 0; i < 200; ++i) {
        const QString tail = UniqueStamp(0).mid(17);
        ASSERT_EQ(tail.size(), 1);
        ASSERT_NE(tail, u("9"));
    }
    EXPECT_EQ(UniqueStamp(-5).size(), 18);
    const QString big = UniqueStamp(40).mid(17);
    EXPECT_GE(big.size(), 17);
    EXPECT_LE(big.size(), 18);
}
