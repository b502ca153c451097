// Upload against a real FTP server (pyftpdlib on a loopback port with a
// throw-away account and directory).
#include "export/FtpUpload.h"
#include "export/VbhExport.h"

#include "FakeCatalog.h"
#include "support/QStringPrinter.h"
#include "support/TestSupport.h"
#include "tools/RecordingMessages.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <csignal>
#include <sys/types.h>

using namespace kv;
using namespace kvtest;
using Kind = RecordingMessageSink::Kind;

namespace {

const QString User = QStringLiteral("exporter");
const QString Password = QStringLiteral("S3cret-pw-7731");
const QString FailurePrefix = QStringLiteral("Неудачная попытка отправки файла на сервер. ");
const QString Stored = QStringLiteral("Заявка сохранена на сервер FTP.");

QString freshDir(const QString &name)
{
    const QString dir = QDir(scratchDir()).filePath(name);
    QDir(dir).removeRecursively();
    QDir().mkpath(dir);
    return dir;
}

// Every file below dir, relative to it.
QStringList filesBelow(const QString &dir)
{
    QStringList out;
    QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        out << QDir(dir).relativeFilePath(it.next());
    out.sort();
    return out;
}

class FtpServer
{
public:
    explicit FtpServer(const QString &root) : m_root(root) {}
    ~FtpServer() { stop(); }

    bool start()
    {
        m_process.setProgram(QStringLiteral("/usr/bin/python3"));
        m_process.setArguments({QStringLiteral("-m"), QStringLiteral("pyftpdlib"),
                                QStringLiteral("-i"), QStringLiteral("127.0.0.1"),
                                QStringLiteral("-p"), QStringLiteral("0"), QStringLiteral("-w"),
                                QStringLiteral("-d"), m_root, QStringLiteral("-u"), User,
                                QStringLiteral("-P"), Password});
        m_process.setProcessChannelMode(QProcess::MergedChannels);
        m_process.start();
        if (!m_process.waitForStarted(10000))
            return false;
        static const QRegularExpression started(QStringLiteral(">>> starting FTP server on 127\\.0\\.0\\.1:(\\d+)"));
        QDeadlineTimer deadline(15000);
        while (!deadline.hasExpired()) {
            const auto match = started.match(log());
            if (match.hasMatch()) {
                m_port = match.captured(1).toInt();
                return true;
            }
            if (m_process.state() == QProcess::NotRunning)
                return false;
            m_process.waitForReadyRead(100);
        }
        return false;
    }

    // Stops the server by its process id and waits until it is gone.
    void stop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        const pid_t pid = pid_t(m_process.processId());
        ::kill(pid, SIGTERM);
        QDeadlineTimer deadline(5000);
        while (!m_process.waitForFinished(100) && !deadline.hasExpired()) {
        }
        if (m_process.state() != QProcess::NotRunning) {
            ::kill(pid, SIGKILL);
            m_process.waitForFinished(5000);
        }
    }

    int port() const { return m_port; }
    QString root() const { return m_root; }

    QString log()
    {
        m_log += QString::fromUtf8(m_process.readAll());
        return m_log;
    }
    // The log once it holds text count times (the server writes it a moment
    // after its reply).
    QString waitForLog(const QString &text, qsizetype count = 1)
    {
        QDeadlineTimer deadline(10000);
        while (log().count(text) < count && !deadline.hasExpired())
            m_process.waitForReadyRead(100);
        return m_log;
    }

    FtpSettings settings(const QString &remoteDir = QString()) const
    {
        FtpSettings s;
        s.host = QStringLiteral("127.0.0.1");
        s.port = m_port;
        s.userName = User;
        s.password = Password;
        s.remoteDir = remoteDir;
        s.timeoutSeconds = 20;
        return s;
    }

private:
    QString m_root;
    QProcess m_process;
    QString m_log;
    int m_port = 0;
};

class FtpUploadTest : public testing::Test
{
protected:
    void SetUp() override
    {
        const QString base = freshDir(QStringLiteral("ftp-") + QString::fromLatin1(
            testing::UnitTest::GetInstance()->current_test_info()->name()));
        QDir().mkpath(base + QStringLiteral("/root/in/orders"));
        m_local = base + QStringLiteral("/local");
        QDir().mkpath(m_local);
        m_server = std::make_unique<FtpServer>(base + QStringLiteral("/root"));
        ASSERT_TRUE(m_server->start()) << m_server->log().toStdString();

        // Every byte value, bare LF and CR LF: a text-mode transfer would change it.
        for (int i = 0; i < 800; ++i) {
            for (int b = 0; b < 256; ++b)
                m_payload.append(char(b));
            m_payload.append("\n\r\n");
        }
    }

    QString localFile(const QString &name = QStringLiteral("Z00010001.xml"))
    {
        const QString path = m_local + QLatin1Char('/') + name;
        writeFile(path, m_payload);
        return path;
    }

    FtpServer &server() { return *m_server; }

    QString m_local;
    QByteArray m_payload;
    std::unique_ptr<FtpServer> m_server;
};

} // namespace

TEST_F(FtpUploadTest, StoresUnderTemporaryNameThenRenames)
{
    const struct { const char *remoteDir; bool passive; const char *arrivesIn; } cases[] = {
        {"in", true, "in"},
        {"/in/orders", true, "in/orders"},
        {"in/orders/", false, "in/orders"},
        {"", true, ""},
    };
    const QString file = localFile();
    int sessions = 0;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.remoteDir);
        RecordingMessages rec;
        FtpSettings settings = server().settings(QString::fromLatin1(c.remoteDir));
        settings.passive = c.passive;
        EXPECT_TRUE(UploadExportFile(settings, file));
        EXPECT_EQ(rec.texts(), QStringList{Stored});
        EXPECT_EQ(rec.count(Kind::Info), 1);

        const QString dir = QString::fromLatin1(c.arrivesIn);
        const QString arrived = (dir.isEmpty() ? QString() : dir + QLatin1Char('/')) + QStringLiteral("Z00010001.xml");
        EXPECT_EQ(filesBelow(server().root()), QStringList{arrived});
        EXPECT_TRUE(readFile(server().root() + QLatin1Char('/') + arrived) == m_payload);

        // Stored as "name~" first, then renamed.
        ++sessions;
        const QString log = server().waitForLog(QStringLiteral("FTP session closed"), sessions);
        const QStringList lines = log.split(QLatin1Char('\n'));
        qsizetype stor = -1, rnfr = -1, rnto = -1;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (lines[i].contains(QStringLiteral(" STOR ")) && lines[i].contains(QStringLiteral("/Z00010001.xml~ completed=1")))
                stor = i;
            if (lines[i].contains(QStringLiteral(" RNFR ")) && lines[i].contains(QStringLiteral("/Z00010001.xml~ 350")))
                rnfr = i;
            if (lines[i].contains(QStringLiteral(" RNTO ")) && lines[i].contains(QStringLiteral("/Z00010001.xml 250")))
                rnto = i;
        }
        EXPECT_GE(stor, 0) << log.toStdString();
        EXPECT_LT(stor, rnfr);
        EXPECT_LT(rnfr, rnto);
        EXPECT_FALSE(log.contains(Password));

        QFile::remove(server().root() + QLatin1Char('/') + arrived);
    }
}

TEST_F(FtpUploadTest, MissingRemoteDirectoryFailsBeforeAnythingIsStored)
{
    RecordingMessages rec;
    EXPECT_FALSE(UploadExportFile(server().settings(QStringLiteral("in/absent")), localFile()));
    ASSERT_EQ(rec.calls().size(), 1);
    EXPECT_EQ(rec.calls().at(0).kind, Kind::Error);
    EXPECT_TRUE(rec.calls().at(0).text.startsWith(FailurePrefix)) << rec.calls().at(0).text.toStdString();
    EXPECT_GT(rec.calls().at(0).text.size(), FailurePrefix.size());
    EXPECT_TRUE(filesBelow(server().root()).isEmpty());
    const QString log = server().waitForLog(QStringLiteral("FTP session closed"));
    EXPECT_TRUE(log.contains(QStringLiteral("absent 550"))) << log.toStdString();
    EXPECT_FALSE(log.contains(QStringLiteral(" STOR ")));
}

TEST_F(FtpUploadTest, WrongPasswordFailsWithoutShowingAnyPassword)
{
    RecordingMessages rec;
    FtpSettings settings = server().settings(QStringLiteral("in"));
    settings.password = QStringLiteral("Wrong-pw-9931");
    EXPECT_FALSE(UploadExportFile(settings, localFile()));
    ASSERT_EQ(rec.calls().size(), 1);
    const QString text = rec.calls().at(0).text;
    EXPECT_EQ(rec.calls().at(0).kind, Kind::Error);
    EXPECT_TRUE(text.startsWith(FailurePrefix)) << text.toStdString();
    EXPECT_GT(text.size(), FailurePrefix.size());
    EXPECT_FALSE(text.contains(settings.password));
    EXPECT_FALSE(text.contains(Password));
    EXPECT_TRUE(filesBelow(server().root()).isEmpty());
}

TEST_F(FtpUploadTest, BadSettingsAndMissingFileFailWithoutConnecting)
{
    const int port = server().port();
    const struct { const char *host; int port; const char *password; const char *file; } cases[] = {
        {"", 21, nullptr, nullptr},
        {"   ", port, nullptr, nullptr},
        {"127.0.0.1", 65536, nullptr, nullptr},
        {"127.0.0.1", 0, nullptr, nullptr},
        {"127.0.0.1", -21, nullptr, nullptr},
        {"exporter@127.0.0.1", port, nullptr, nullptr},
        {"127.0.0.1/in", port, nullptr, nullptr},
        {"127.0.0.1", port, "pw\r\nDELE x", nullptr},
        {"127.0.0.1", port, nullptr, "absent.xml"},
    };
    const QString file = localFile();
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.host << ":" << c.port);
        RecordingMessages rec;
        FtpSettings settings = server().settings(QStringLiteral("in"));
        settings.host = QString::fromLatin1(c.host);
        settings.port = c.port;
        if (c.password)
            settings.password = QString::fromLatin1(c.password);
        const QString upload = c.file ? m_local + QLatin1Char('/') + QString::fromLatin1(c.file) : file;
        EXPECT_FALSE(UploadExportFile(settings, upload));
        ASSERT_EQ(rec.calls().size(), 1);
        EXPECT_EQ(rec.calls().at(0).kind, Kind::Error);
        EXPECT_TRUE(rec.calls().at(0).text.startsWith(FailurePrefix)) << rec.calls().at(0).text.toStdString();
        EXPECT_GT(rec.calls().at(0).text.size(), FailurePrefix.size());
        EXPECT_FALSE(rec.calls().at(0).text.contains(settings.password));
    }
    {
        RecordingMessages rec;
        FtpSettings settings;
        EXPECT_FALSE(UploadExportFile(settings, file));
        EXPECT_EQ(rec.texts(), QStringList{FailurePrefix + QStringLiteral("Не задан сервер FTP")});
    }
    // A good upload afterwards is the only session the server saw.
    RecordingMessages rec;
    EXPECT_TRUE(UploadExportFile(server().settings(QStringLiteral("in")), file));
    const QString log = server().waitForLog(QStringLiteral(" RNTO "));
    EXPECT_EQ(log.count(QStringLiteral("FTP session opened")), 1) << log.toStdString();
    EXPECT_EQ(filesBelow(server().root()), QStringList{QStringLiteral("in/Z00010001.xml")});
}

TEST_F(FtpUploadTest, XmlExportUploadsWrittenOrKeptFileButNotAfterAFailure)
{
    FakeCatalog catalog;
    catalog.add(QStringLiteral("A-100"), {QStringLiteral("P-100"), QString(), QStringLiteral("Ручка"), QStringLiteral("шт")});
    ExportRequest request;
    request.firmId = QStringLiteral("0001");
    request.number = 1;
    request.date = QDate(2024, 3, 5);
    const QString file = exportFileName(m_local + QStringLiteral("/export"), request.firmId, 1, QStringLiteral("xml"));
    const QString remote = server().root() + QStringLiteral("/in/Z00010001.xml");
    const FtpSettings settings = server().settings(QStringLiteral("in"));
    ExportMaterials materials;
    ExportMaterial m;
    m.article = QStringLiteral("A-100");
    m.quantity = 2;
    materials << m;
    const auto provider = [&] { return materials; };

    {
        RecordingMessages rec;
        EXPECT_EQ(exportVbhAndUpload(file, request, provider, catalog, &settings), ExportResult::Written);
        EXPECT_EQ(rec.texts(), QStringList{Stored});
        EXPECT_EQ(readFile(remote), readFile(file));
        EXPECT_TRUE(readFile(file).contains("Article=\"P-100\""));
    }
    {
        // Kept after the overwrite question: the kept file goes up.
        writeFile(file, "<Order kept=\"1\"/>");
        RecordingMessages rec;
        rec.queueAnswer(false);
        EXPECT_EQ(exportVbhAndUpload(file, request, provider, catalog, &settings), ExportResult::Declined);
        EXPECT_EQ(rec.count(Kind::OkCancel), 1);
        EXPECT_EQ(rec.texts(Kind::Info), QStringList{Stored});
        EXPECT_EQ(readFile(remote), QByteArray("<Order kept=\"1\"/>"));
    }
    {
        // A failed export uploads nothing.
        m.article = QStringLiteral("X-404");
        materials << m;
        RecordingMessages rec;
        rec.queueAnswer(true);
        EXPECT_EQ(exportVbhAndUpload(file, request, provider, catalog, &settings), ExportResult::Failed);
        EXPECT_EQ(rec.count(Kind::Error), 1);
        EXPECT_EQ(rec.count(Kind::Info), 0);
        EXPECT_EQ(readFile(remote), QByteArray("<Order kept=\"1\"/>"));
    }
    // A plain upload afterwards makes the third session; the failed export had none.
    RecordingMessages rec;
    EXPECT_TRUE(UploadExportFile(settings, file));
    const QString log = server().waitForLog(QStringLiteral(" RNTO "), 3);
    EXPECT_EQ(log.count(QStringLiteral("FTP session opened")), 3) << log.toStdString();
}
