#include "Setup.h"

#include "Globals.h"
#include "IniFile.h"
#include "tools/Errors.h"
#include "tools/Messages.h"
#include "tools/Registry.h"
#include "tools/Strings.h"
#include "tools/WaitCursor.h"
#include "tools/Win1251.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

#include <exception>

namespace kv {

const QString TkvfSetup::RegistryKeyName = QStringLiteral("\\SoftWare\\Velmar\\Karvelo\\Zurozirod380");
const QString TkvfSetup::SettingsFileName = QStringLiteral("KVFurniture.ini");

namespace {

TkvfSetup *g_setup = nullptr;

const QString sFirm = QStringLiteral("Firm");
const QString sMoney = QStringLiteral("Money");
const QString sTax = QStringLiteral("Tax");
const QString sPriceGroupNames = QStringLiteral("PriceGroupNames");
const QString sDefaults = QStringLiteral("Defaults");
const QString sReport = QStringLiteral("Report");
const QString sFtp = QStringLiteral("FTP");

// The company fields in their file order.
struct FirmKey
{
    const char *key;
    QString TFirmInfo::*field;
};
const FirmKey firmKeys[] = {
    {"Name", &TFirmInfo::Name},         {"Logo", &TFirmInfo::Logo},
    {"Address", &TFirmInfo::Address},   {"JustAddress", &TFirmInfo::JustAddress},
    {"ZipCode", &TFirmInfo::ZipCode},   {"Phone1", &TFirmInfo::Phone1},
    {"Phone2", &TFirmInfo::Phone2},     {"Phone3", &TFirmInfo::Phone3},
    {"Fax", &TFirmInfo::Fax},           {"EMail", &TFirmInfo::EMail},
    {"Internet", &TFirmInfo::Internet}, {"INN", &TFirmInfo::INN},
    {"Account", &TFirmInfo::Account},   {"Director", &TFirmInfo::Director},
    {"BookKeeper", &TFirmInfo::BookKeeper},
};

QString errorText(const std::exception &e)
{
    if (const auto *err = dynamic_cast<const Error *>(&e))
        return err->text();
    return QString::fromLocal8Bit(e.what());
}

} // namespace

TkvfSetup *kvfSetup() { return g_setup; }

TkvfSetup::TkvfSetup()
    : CurrentRates(pricingContext().CurrentRates),
      CurrentCurrency(pricingContext().CurrentCurrency),
      CurrentVAT(pricingContext().CurrentVAT)
{
    for (int i = 1; i <= 10; ++i)
        PriceGroupNames << QStringLiteral("?????? #%1").arg(i);
    SettingsLoaded = LoadSettings();
    g_setup = this;
}

TkvfSetup::~TkvfSetup()
{
    try {
        Store();
    } catch (const std::exception &e) {
        ShowErrorBox(errorText(e));
    }
    if (g_setup == this)
        g_setup = nullptr;
}

void TkvfSetup::Store()
{
    if (!SettingsLoaded || m_stored)
        return;
    m_stored = true;
    SaveRegistry();
    SaveIniFile();
}

bool TkvfSetup::LoadSettings()
{
    if (SettingsFile.isEmpty() || !QFileInfo::exists(SettingsFile))
        return false;
    LoadIniFile();
    LoadRegistry();
    CreateDirectories();
    return true;
}

QChar TkvfSetup::DecimalSeparator()
{
    const QString point = QLocale::system().decimalPoint();
    return point.isEmpty() ? QLatin1Char('.') : point.front();
}

QString TkvfSetup::HexEncode(const QString &text)
{
    return QString::fromLatin1(cp1251::encode(text).toHex().toUpper());
}

QString TkvfSetup::HexDecode(const QString &hex)
{
    QByteArray bytes;
    bytes.reserve(hex.size() / 2);
    for (qsizetype i = 0; i + 1 < hex.size(); i += 2) {
        const int hi = HexDigitValue(hex.at(i));
        const int lo = HexDigitValue(hex.at(i + 1));
        // A pair that is no hexadecimal number counts as 0, as an old file may hold one.
        bytes.append(char(hi < 0 || lo < 0 ? 0 : hi * 16 + lo));
    }
    return cp1251::decode(bytes);
}

void TkvfSetup::LoadIniFile()
{
    WaitCursor wait;
    IniFile ini;
    ini.load(SettingsFile);

    for (const FirmKey &k : firmKeys)
        Firm.*k.field = ini.readString(sFirm, QString::fromLatin1(k.key));

    CurCurrency = ini.readInteger(sMoney, QStringLiteral("CurCurrency"), 0);

    const QString taxText = RemoveSpaces(ini.readString(sTax, QStringLiteral("NDSTax"), QStringLiteral("18")));
    if (!IniFile::parseFloat(taxText, &NDSTax))
        throw Error(QStringLiteral("'") + taxText + QStringLiteral("' - неверное значение NDSTax в файле ")
                    + SettingsFile);
    TotalNDS = ini.readBool(sTax, QStringLiteral("TotalNDS"), true);
    ShowIncludingNDS = ini.readBool(sTax, QStringLiteral("ShowIncludingNDS"), true);
    PriceGrpNo = ini.readInteger(sTax, QStringLiteral("PriceGrpNo"), 0);

    for (int i = 1; i <= 10; ++i)
        PriceGroupNames[i - 1] =
            ini.readString(sPriceGroupNames, QString::number(i), QStringLiteral("?????? #%1").arg(i));

    DefProfSys = ini.readString(sDefaults, QStringLiteral("DefProfSys"));
    DefFurnSys = ini.readString(sDefaults, QStringLiteral("DefFurnSys"));
    DefFurnSysGroup = ini.readInteger(sDefaults, QStringLiteral("DefFurnSysGroup"), 0);
    DefInnerProfColor = ini.readString(sDefaults, QStringLiteral("DefInnerProfColor"));
    DefOuterProfColor = ini.readString(sDefaults, QStringLiteral("DefOuterProfColor"));
    DefFurnColor = ini.readString(sDefaults, QStringLiteral("DefFurnColor"));
    DefHandle = ini.readString(sDefaults, QStringLiteral("DefHandle"));
    DefMaterial = ini.readInteger(sDefaults, QStringLiteral("DefMaterial"), 1);
    DefFalzType = ini.readInteger(sDefaults, QStringLiteral("DefFalzType"), 0);
    DefDornType = ini.readInteger(sDefaults, QStringLiteral("DefDornType"), 0);
    DefStulpFalzType = ini.readInteger(sDefaults, QStringLiteral("DefStulpFalzType"), 0);
    DefFlugelType = ini.readInteger(sDefaults, QStringLiteral("DefFlugelType"), 0);
    DefProfWidth = float(ini.readFloat(sDefaults, QStringLiteral("DefProfWidth"), 0));
    DefProfThickness = float(ini.readFloat(sDefaults, QStringLiteral("DefProfThickness"), 0));
    UserDefineHeight = ini.readBool(sDefaults, QStringLiteral("UserDefineHeight"), true);

    ReportLogo = ini.readString(sReport, QStringLiteral("Logo"));

    Ftp.ftpHost = ini.readString(sFtp, QStringLiteral("ftpHost"));
    Ftp.ftpPort = ini.readInteger(sFtp, QStringLiteral("ftpPort"), 21);
    Ftp.ftpUserName = HexDecode(ini.readString(sFtp, QStringLiteral("ftpUserName")));
    Ftp.ftpPassword = HexDecode(ini.readString(sFtp, QStringLiteral("ftpPassword")));
    Ftp.ftpDir = ini.readString(sFtp, QStringLiteral("ftpDir"));
    Ftp.ftpUpload = ini.readBool(sFtp, QStringLiteral("ftpUpload"), false);
}

void TkvfSetup::LoadRegistry()
{
    WaitCursor wait;
    try {
        std::unique_ptr<RegistryKey> key = RegistryKey::open(RegistryKeyName, true);
        if (!key)
            throw Error(QStringLiteral("Раздел ") + RegistryKeyName + QStringLiteral(" не открыт"));
        const auto readInt = [&](const char *name, qint32 &field, int def) {
            const QString n = QString::fromLatin1(name);
            field = key->valueExists(n) ? key->readInteger(n) : def;
        };
        const auto readBool = [&](const char *name, bool &field) {
            const QString n = QString::fromLatin1(name);
            field = key->valueExists(n) ? key->readBool(n) : true;
        };
        readInt("VoderivarMainWinState", VoderivarMainWinState, 0);
        readInt("VoderivarOrderWinState", VoderivarOrderWinState, 0);
        readInt("VoderivarDesignWinState", VoderivarDesignWinState, 0);
        readInt("VoderivarDesignFormW", VoderivarDesignFormW, 640);
        readInt("VoderivarDesignFormH", VoderivarDesignFormH, 480);
        readBool("AlertIfNotFull", AlertIfNotFull);
        readBool("AutoReg", AutoReg);
        readBool("AutoOpenReg", AutoOpenReg);
        readBool("MoveToRecycled", MoveToRecycled);
        readBool("AutoLoadCurrency", AutoLoadCurrency);
    } catch (const std::exception &e) {
        ShowErrorBox(QStringLiteral("Ошибка чтения из системного реестра!\r\n(") + errorText(e) + QLatin1Char(')'));
    }
}

void TkvfSetup::SaveRegistry()
{
    WaitCursor wait;
    try {
        std::unique_ptr<RegistryKey> key = RegistryKey::open(RegistryKeyName, true);
        if (!key)
            throw Error(QStringLiteral("Раздел ") + RegistryKeyName + QStringLiteral(" не открыт"));
        key->writeInteger(QStringLiteral("VoderivarMainWinState"), VoderivarMainWinState);
        key->writeInteger(QStringLiteral("VoderivarOrderWinState"), VoderivarOrderWinState);
        key->writeInteger(QStringLiteral("VoderivarDesignWinState"), VoderivarDesignWinState);
        key->writeInteger(QStringLiteral("VoderivarDesignFormW"), VoderivarDesignFormW);
        key->writeInteger(QStringLiteral("VoderivarDesignFormH"), VoderivarDesignFormH);
        key->writeBool(QStringLiteral("AlertIfNotFull"), AlertIfNotFull);
        key->writeBool(QStringLiteral("AutoReg"), AutoReg);
        key->writeBool(QStringLiteral("AutoOpenReg"), AutoOpenReg);
        key->writeBool(QStringLiteral("MoveToRecycled"), MoveToRecycled);
        key->writeBool(QStringLiteral("AutoLoadCurrency"), AutoLoadCurrency);
    } catch (const std::exception &e) {
        ShowErrorBox(QStringLiteral("Ошибка записи в системный реестр!\r\n(") + errorText(e) + QLatin1Char(')'));
    }
}

void TkvfSetup::WriteIniValues(IniFile &ini) const
{
    const QChar sep = DecimalSeparator();
    ini.writeString(sDefaults, QStringLiteral("DefProfSys"), DefProfSys);
    ini.writeString(sDefaults, QStringLiteral("DefInnerProfColor"), DefInnerProfColor);
    ini.writeString(sDefaults, QStringLiteral("DefOuterProfColor"), DefOuterProfColor);
    ini.writeString(sDefaults, QStringLiteral("DefFurnSys"), DefFurnSys);
    ini.writeString(sDefaults, QStringLiteral("DefFurnColor"), DefFurnColor);
    ini.writeString(sDefaults, QStringLiteral("DefHandle"), DefHandle);
    ini.writeInteger(sDefaults, QStringLiteral("DefMaterial"), DefMaterial);
    ini.writeInteger(sDefaults, QStringLiteral("DefFalzType"), DefFalzType);
    ini.writeInteger(sDefaults, QStringLiteral("DefStulpFalzType"), DefStulpFalzType);
    ini.writeInteger(sDefaults, QStringLiteral("DefFlugelType"), DefFlugelType);
    ini.writeInteger(sDefaults, QStringLiteral("DefDornType"), DefDornType);
    ini.writeSingle(sDefaults, QStringLiteral("DefProfWidth"), DefProfWidth, sep);
    ini.writeSingle(sDefaults, QStringLiteral("DefProfThickness"), DefProfThickness, sep);

    ini.writeInteger(sMoney, QStringLiteral("CurCurrency"), CurCurrency);
    ini.writeFloat(sTax, QStringLiteral("NDSTax"), NDSTax, sep);

    for (const FirmKey &k : firmKeys)
        ini.writeString(sFirm, QString::fromLatin1(k.key), Firm.*k.field);

    ini.writeString(sFtp, QStringLiteral("ftpHost"), Ftp.ftpHost);
    ini.writeInteger(sFtp, QStringLiteral("ftpPort"), Ftp.ftpPort);
    ini.writeString(sFtp, QStringLiteral("ftpUserName"), HexEncode(Ftp.ftpUserName));
    ini.writeString(sFtp, QStringLiteral("ftpPassword"), HexEncode(Ftp.ftpPassword));
    ini.writeString(sFtp, QStringLiteral("ftpDir"), Ftp.ftpDir);
    ini.writeBool(sFtp, QStringLiteral("ftpUpload"), Ftp.ftpUpload);
}

void TkvfSetup::SaveIniFile()
{
    WaitCursor wait;
    // The file as it is now, not as it was at start: other workplaces may have
    // changed what this one only reads.
    IniFile ini;
    ini.load(SettingsFile);
    WriteIniValues(ini);
    ini.save(SettingsFile);
}

void TkvfSetup::CreateDirectories()
{
    for (const QString *dir : {&DataDir, &OrdersDir, &RecycledDir, &ArchiveDir, &SelectionDir, &ReportDir,
                               &ExportDir}) {
        // Without a data directory the derived ones would land in the file system's root.
        if (dir->isEmpty() || (DataDir.isEmpty() && dir != &ReportDir))
            continue;
        QDir().mkpath(*dir); // a directory that cannot be made shows up when it is used
#ifdef Q_OS_WIN
        if (dir == &RecycledDir) {
            const std::wstring native = QDir::toNativeSeparators(*dir).toStdWString();
            const DWORD attrs = GetFileAttributesW(native.c_str());
            if (attrs != INVALID_FILE_ATTRIBUTES && !(attrs & FILE_ATTRIBUTE_HIDDEN))
                SetFileAttributesW(native.c_str(), attrs | FILE_ATTRIBUTE_HIDDEN);
        }
#endif
    }
}

QString TkvfSetup::GetPhonesLine() const
{
    QString line;
    for (const QString *phone : {&Firm.Phone1, &Firm.Phone2, &Firm.Phone3, &Firm.Fax}) {
        if (phone->isEmpty())
            continue;
        if (line.isEmpty())
            line = Firm.ZipCode + QLatin1Char(' ') + *phone;
        else
            line += QLatin1Char(',') + *phone;
    }
    return line;
}

} // namespace kv
