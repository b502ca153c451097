#include "DesktopStartup.h"

#include "Main.h"
#include "Splash.h"
#include "core/Data.h"
#include "reports/Data_Rep.h"
#include "reports/FR_Export.h"

#include <QApplication>

namespace kv {

TDesktopStartup::TDesktopStartup() = default;

TDesktopStartup::~TDesktopStartup() { releaseModules(); }

void TDesktopStartup::showSplash()
{
    m_splash = std::make_unique<TSplashForm>();
    m_splash->showCentred();
}

void TDesktopStartup::setSplashStatus(const QString &text)
{
    if (m_splash)
        m_splash->setStatus(text);
}

void TDesktopStartup::setSplashProgress(int percent)
{
    if (m_splash)
        m_splash->setProgress(percent);
}

void TDesktopStartup::closeSplash()
{
    if (m_splash)
        m_splash->hide();
    m_splash.reset();
}

void TDesktopStartup::setApplicationTitle(const QString &title)
{
    QGuiApplication::setApplicationDisplayName(title);
}

void TDesktopStartup::createReportData() { m_report = std::make_unique<TDM_Report>(); }

void TDesktopStartup::createCatalogData() { m_catalog = std::make_unique<TDM>(); }

void TDesktopStartup::createMainForm() { m_main = std::make_unique<TMainForm>(); }

void TDesktopStartup::createExportHolder() { m_export = std::make_unique<TFR_Export>(); }

void TDesktopStartup::runStartUpSequence()
{
    if (m_main)
        m_main->StartUpSequence();
}

void TDesktopStartup::runMessageLoop()
{
    if (!m_main)
        return;
    m_main->show();
    QApplication::exec();
}

void TDesktopStartup::releaseModules()
{
    m_export.reset();
    m_main.reset();
    m_catalog.reset();
    m_report.reset();
}

} // namespace kv
