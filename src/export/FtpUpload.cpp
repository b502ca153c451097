#include "FtpUpload.h"

#include "tools/Errors.h"
#include "tools/Messages.h"
#include "tools/WaitCursor.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <curl/curl.h>
#include <memory>
#include <mutex>

namespace kv {
namespace {

void initCurl()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct CurlDeleter
{
    void operator()(CURL *c) const { curl_easy_cleanup(c); }
};
struct SlistDeleter
{
    void operator()(curl_slist *l) const { curl_slist_free_all(l); }
};

bool hasControlChars(const QString &s)
{
    for (QChar c : s) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return true;
    }
    return false;
}

// Host names and IPv4 addresses only: anything that would change the meaning
// of the URL (user part, path, port, IPv6 brackets) is refused.
void checkHost(const QString &host)
{
    if (host.trimmed().isEmpty())
        throw Error(QStringLiteral("Не задан сервер FTP"));
    for (QChar c : host) {
        const ushort u = c.unicode();
        const bool ok = (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9')
                        || u == '.' || u == '-' || u == '_';
        if (!ok)
            throw Error(QStringLiteral("Недопустимое имя сервера FTP [%1]").arg(host));
    }
}

QByteArray escaped(CURL *curl, const QString &segment)
{
    const QByteArray utf8 = segment.toUtf8();
    char *e = curl_easy_escape(curl, utf8.constData(), int(utf8.size()));
    if (!e)
        throw Error(QStringLiteral("Недостаточно памяти"));
    QByteArray result(e);
    curl_free(e);
    return result;
}

size_t readFromFile(char *buffer, size_t size, size_t count, void *userData)
{
    auto *file = static_cast<QFile *>(userData);
    const qint64 n = file->read(buffer, qint64(size * count));
    return n < 0 ? CURL_READFUNC_ABORT : size_t(n);
}

} // namespace

void ftpUpload(const FtpSettings &settings, const QString &localFile)
{
    if (settings.port < 1 || settings.port > 65535)
        throw Error(QStringLiteral("Недопустимый номер порта FTP [%1]").arg(settings.port));
    checkHost(settings.host);
    if (hasControlChars(settings.remoteDir) || hasControlChars(settings.userName)
        || hasControlChars(settings.password))
        throw Error(QStringLiteral("Недопустимые символы в настройках FTP"));

    const QString name = QFileInfo(localFile).fileName();
    if (name.isEmpty() || hasControlChars(name))
        throw Error(QStringLiteral("Недопустимое имя файла [%1]").arg(name));
    const QString partName = name + QLatin1Char('~');

    QFile file(localFile);
    if (!file.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("%1: %2").arg(localFile, file.errorString()));

    initCurl();
    std::unique_ptr<CURL, CurlDeleter> curl(curl_easy_init());
    if (!curl)
        throw Error(QStringLiteral("Не удалось создать клиент FTP"));
    CURL *c = curl.get();

    // The remote directory, one URL segment per part; a leading "/" makes it
    // absolute rather than relative to the login directory.
    QByteArray path = "/";
    const QString dir = settings.remoteDir.trimmed();
    if (dir.startsWith(QLatin1Char('/')))
        path += "%2F/";
    const QStringList parts = dir.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString &part : parts)
        path += escaped(c, part) + '/';
    path += escaped(c, partName);

    const QByteArray url = "ftp://" + settings.host.toLatin1() + ':'
                           + QByteArray::number(settings.port) + path;
    const QByteArray user = settings.userName.toUtf8();
    const QByteArray password = settings.password.toUtf8();

    std::unique_ptr<curl_slist, SlistDeleter> rename;
    for (const QByteArray &cmd : {"RNFR " + partName.toUtf8(), "RNTO " + name.toUtf8()}) {
        curl_slist *l = curl_slist_append(rename.get(), cmd.constData());
        if (!l)
            throw Error(QStringLiteral("Недостаточно памяти"));
        rename.release();
        rename.reset(l);
    }

    char errorText[CURL_ERROR_SIZE] = {};
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, errorText);
    curl_easy_setopt(c, CURLOPT_URL, url.constData());
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "ftp");
    curl_easy_setopt(c, CURLOPT_IPRESOLVE, long(CURL_IPRESOLVE_V4));
    curl_easy_setopt(c, CURLOPT_PROXY, "");
    curl_easy_setopt(c, CURLOPT_NOPROXY, "*");
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_USERNAME, user.constData());
    curl_easy_setopt(c, CURLOPT_PASSWORD, password.constData());
    curl_easy_setopt(c, CURLOPT_NETRC, long(CURL_NETRC_IGNORED));
    curl_easy_setopt(c, CURLOPT_FTP_CREATE_MISSING_DIRS, long(CURLFTP_CREATE_DIR_NONE));
    curl_easy_setopt(c, CURLOPT_FTP_FILEMETHOD, long(CURLFTPMETHOD_MULTICWD));
    if (!settings.passive)
        curl_easy_setopt(c, CURLOPT_FTPPORT, "-");
    const long timeout = settings.timeoutSeconds > 0 ? settings.timeoutSeconds : 60;
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, timeout);
    curl_easy_setopt(c, CURLOPT_SERVER_RESPONSE_TIMEOUT, timeout);
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME, timeout);
    curl_easy_setopt(c, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(c, CURLOPT_INFILESIZE_LARGE, curl_off_t(file.size()));
    curl_easy_setopt(c, CURLOPT_READFUNCTION, readFromFile);
    curl_easy_setopt(c, CURLOPT_READDATA, &file);
    curl_easy_setopt(c, CURLOPT_POSTQUOTE, rename.get());

    const CURLcode rc = curl_easy_perform(c);
    if (rc != CURLE_OK) {
        const QString text = QString::fromUtf8(errorText).trimmed();
        throw Error(text.isEmpty() ? QString::fromUtf8(curl_easy_strerror(rc)) : text);
    }
}

bool UploadExportFile(const FtpSettings &settings, const QString &localFile)
{
    bool stored = false;
    QString failure;
    {
        WaitCursor wait;
        try {
            ftpUpload(settings, localFile);
            stored = true;
        } catch (const Error &e) {
            failure = e.text();
        }
    }
    if (stored)
        ShowInfoBox(QStringLiteral("Заявка сохранена на сервер FTP."));
    else
        ShowErrorBox(QStringLiteral("Неудачная попытка отправки файла на сервер. ") + failure);
    return stored;
}

} // namespace kv
