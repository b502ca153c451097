#pragma once
// The desktop program's side of the start: splash window, report data module,
// catalogue data module, main window and export holder, created in that order
// and freed newest first.
#include "core/Startup.h"

#include <memory>

namespace kv {

class TDM;
class TDM_Report;
class TFR_Export;
class TMainForm;
class TSplashForm;

class TDesktopStartup : public StartupModules
{
public:
    TDesktopStartup();
    ~TDesktopStartup() override;

    void showSplash() override;
    void setSplashStatus(const QString &text) override;
    void setSplashProgress(int percent) override;
    void closeSplash() override;
    void setApplicationTitle(const QString &title) override;
    void createReportData() override;
    void createCatalogData() override;
    void createMainForm() override;
    void createExportHolder() override;
    void runStartUpSequence() override;
    void runMessageLoop() override;
    void releaseModules() override;

    TSplashForm *splash() const { return m_splash.get(); }
    TMainForm *mainForm() const { return m_main.get(); }

private:
    std::unique_ptr<TSplashForm> m_splash;
    std::unique_ptr<TDM_Report> m_report;
    std::unique_ptr<TDM> m_catalog;
    std::unique_ptr<TMainForm> m_main;
    std::unique_ptr<TFR_Export> m_export;
};

} // namespace kv
