#include "Main.h"

#include "core/Data.h"
#include "core/Globals.h"
#include "core/Setup.h"
#include "tools/OleDate.h"

#include <QCoreApplication>
#include <QFile>
#include <QtEndian>

#include <cmath>
#include <cstring>

namespace kv {

namespace {
TMainForm *g_main = nullptr;

Qt::WindowStates stateFromSetting(int value)
{
    switch (value) {
    case 1: return Qt::WindowMinimized;
    case 2: return Qt::WindowMaximized;
    default: return Qt::WindowNoState;
    }
}

int settingFromState(Qt::WindowStates state)
{
    if (state & Qt::WindowMinimized)
        return 1;
    if (state & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return 2;
    return 0;
}
} // namespace

const QString TMainForm::DesignCaption = QStringLiteral("Karvelo ФУРНИТУРА");

TMainForm *MainForm() { return g_main; }

TMainForm::TMainForm(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(DesignCaption + QStringLiteral(": [") + ConfigName + QLatin1Char(']'));
    setMinimumSize(640, 480);
    setGeometry(0, 0, 640, 480);
    g_main = this;
}

TMainForm::~TMainForm()
{
    if (TDM *dm = TDM::instance())
        dm->CloseDatabases();
    if (TkvfSetup *setup = kvfSetup())
        setup->VoderivarMainWinState = settingFromState(windowState());
    if (g_main == this)
        g_main = nullptr;
}

void TMainForm::OpenDatabases()
{
    TDM &dm = DM();
    dm.OpenDatabases(CatalogDir, RegistryDir, ReportDir);
    dm.OpenCatalogTables(); // reports each table that fails itself
}

void TMainForm::StartUpSequence()
{
    OpenDatabases();

    TkvfSetup *setup = kvfSetup();
    setWindowState(stateFromSetting(setup ? setup->VoderivarMainWinState : 0));
    update();

    if (setup && setup->AutoOpenReg)
        QCoreApplication::postEvent(this, new QEvent(eventType(UM_OPENORDERLIST)));
    if (PresentationEnabled)
        QCoreApplication::postEvent(this, new QEvent(eventType(UM_PRESENTATION)));
    if (setup && setup->AutoLoadCurrency && QDate::currentDate() > ReadLastCurrencyDate())
        QCoreApplication::postEvent(this, new QEvent(eventType(UM_CURRENCYRATES)));
    QCoreApplication::postEvent(this, new QEvent(eventType(UM_CHECKNEWS)));
}

QString TMainForm::LastCurrencyFile()
{
    const QString dir = DataDir.isEmpty() ? QCoreApplication::applicationDirPath() : DataDir;
    return JoinPath(dir, QStringLiteral("Karvelo.lcu"));
}

QDate TMainForm::ReadLastCurrencyDate()
{
    const QDate yesterday = QDate::currentDate().addDays(-1);
    QFile f(LastCurrencyFile());
    if (!f.open(QIODevice::ReadOnly))
        return yesterday;
    const QByteArray bytes = f.read(8);
    if (bytes.size() != 8)
        return yesterday;
    const quint64 bits = qFromLittleEndian<quint64>(bytes.constData());
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    if (!std::isfinite(value) || std::fabs(value) > 2958465.0) // beyond 31.12.9999
        return yesterday;
    const QDate date = dateFromOle(value);
    return date.isValid() ? date : yesterday;
}

} // namespace kv
