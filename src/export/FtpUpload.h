#pragma once
// Upload of an export file to the supplier's FTP server. The file is stored
// under its name followed by "~" and renamed when complete, so the receiver
// never picks up a partial file under the final name.
#include <QString>

namespace kv {

// The FTP part of the settings. There is deliberately no way to print one:
// the password must not reach any log or message.
struct FtpSettings
{
    QString host;
    int port = 21;
    QString userName;
    QString password;
    QString remoteDir;       // changed into before storing; empty: the login directory
    bool uploadAfterExport = false; // initial state of the export dialog's check box
    bool passive = true;
    int timeoutSeconds = 60;  // connecting, and any pause of the server
};

// Stores localFile on the server. Throws kv::Error with the reason (the FTP
// client's text or a check of the settings); shows nothing.
void ftpUpload(const FtpSettings &settings, const QString &localFile);

// The upload as the user sees it: busy cursor, then "Заявка сохранена на
// сервер FTP." or the failure with its reason. True when the file was stored.
bool UploadExportFile(const FtpSettings &settings, const QString &localFile);

} // namespace kv
