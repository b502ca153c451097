#pragma once
// The settings object of the process: user preferences and window states from
// the per-user registry, the company's details and the defaults of new orders
// from the settings file of the catalogue directory (shared by every workplace
// of the configuration), and the run-time pricing context and debug flag.
// Stored settings are read once at creation and written once at destruction.
#include "core/PricingContext.h"

#include <QString>
#include <QStringList>

namespace kv {

class IniFile;

// Company details: shown in the firm dialog and printed in reports.
struct TFirmInfo
{
    QString Name, Logo, Address, JustAddress, ZipCode, Phone1, Phone2, Phone3, Fax, EMail,
        Internet, INN, Account, Director, BookKeeper;
};

struct TFtpSettings
{
    QString ftpHost;
    int ftpPort = 21;
    QString ftpUserName, ftpPassword; // stored hex-encoded
    QString ftpDir;
    bool ftpUpload = false;
};

class TkvfSetup
{
public:
    // Registry key of the preferences.
    static const QString RegistryKeyName;
    static const QString SettingsFileName; // "KVFurniture.ini"

    // Reads the settings file SettingsFile (see Globals.h) and the registry
    // and creates missing directories; SettingsLoaded tells whether the file
    // existed. Registry failures are shown and leave defaults; a malformed
    // "NDSTax" throws kv::Error.
    TkvfSetup();
    // When SettingsLoaded: stores the registry values and the written-back keys
    // of the settings file; failures are shown in the error box.
    ~TkvfSetup();
    TkvfSetup(const TkvfSetup &) = delete;
    TkvfSetup &operator=(const TkvfSetup &) = delete;

    // Stores now what the destructor would store (at most once); throws
    // kv::Error when the settings file cannot be written.
    void Store();

    // Company phone line for reports: city code, a blank, then the non-empty
    // phones and the fax separated by ",".
    QString GetPhonesLine() const;

    // Hex form of the FTP user name and password: two upper-case digits per
    // Windows-1251 byte.
    static QString HexEncode(const QString &text);
    static QString HexDecode(const QString &hex);

    // Decimal separator of reals written to the settings file (the user's locale).
    static QChar DecimalSeparator();

    // Run time.
    bool SettingsLoaded = false;
    QStringList PriceGroupNames; // captions of the ten price-group columns
    bool DebugMode = false;
    // The process-wide pricing context: whatever document window is active
    // sets it, every price lookup reads it.
    const TkvfCurrencyList *&CurrentRates;
    qint32 &CurrentCurrency;
    float &CurrentVAT;

    // Settings file: company, money and tax.
    TFirmInfo Firm;
    qint32 CurCurrency = 0;
    double NDSTax = 18;
    bool TotalNDS = true;
    bool ShowIncludingNDS = true;
    qint32 PriceGrpNo = 0;

    // Settings file: defaults of new orders.
    QString DefProfSys, DefFurnSys;
    qint32 DefFurnSysGroup = 0;
    QString DefInnerProfColor, DefOuterProfColor, DefFurnColor, DefHandle;
    qint32 DefMaterial = 1;
    qint32 DefFalzType = 0, DefDornType = 0, DefStulpFalzType = 0, DefFlugelType = 0;
    float DefProfWidth = 0, DefProfThickness = 0;
    bool UserDefineHeight = true;

    QString ReportLogo; // "Report" "Logo"
    TFtpSettings Ftp;

    // Registry. Window states: 0 normal, 1 minimised, 2 maximised.
    qint32 VoderivarMainWinState = 0;
    qint32 VoderivarOrderWinState = 0;
    qint32 VoderivarDesignWinState = 0;
    qint32 VoderivarDesignFormW = 0;
    qint32 VoderivarDesignFormH = 0;
    bool AlertIfNotFull = false;
    bool AutoReg = false;
    bool AutoOpenReg = false;
    bool MoveToRecycled = false;
    bool AutoLoadCurrency = false;

private:
    bool LoadSettings();
    void LoadIniFile();
    void LoadRegistry();
    void SaveRegistry();
    void SaveIniFile();
    void WriteIniValues(IniFile &ini) const;
    static void CreateDirectories();

    bool m_stored = false;
};

// The settings object of the running process (nullptr while there is none).
TkvfSetup *kvfSetup();

} // namespace kv
