#pragma once
// Process entry and exit: start-up switches, removal of the previous run's
// temporary directory, the configuration, the settings, the creation of the
// data modules and the main window behind a splash window, the message loop,
// and on the way out the settings and the name of this run's temporary
// directory for the next start.
#include <QString>

namespace kv {

class ConfigChooser;

// What the desktop program does around the settings: the splash window, the
// data modules, the main window and the message loop. Any step may throw.
class StartupModules
{
public:
    virtual ~StartupModules() = default;
    virtual void showSplash() = 0;
    virtual void setSplashStatus(const QString &text) = 0;
    virtual void setSplashProgress(int percent) = 0;
    virtual void closeSplash() = 0;
    virtual void setApplicationTitle(const QString &title) = 0;
    virtual void createReportData() = 0;
    virtual void createCatalogData() = 0;
    virtual void createMainForm() = 0;
    virtual void createExportHolder() = 0;
    // The main window's own start-up: databases, catalogue tables, start-up messages.
    virtual void runStartUpSequence() = 0;
    // Runs until the main window closes; returns at once without a main window.
    virtual void runMessageLoop() = 0;
    // Frees the main window and the modules (newest first) while the settings
    // still exist, so that what they store on destruction is saved.
    virtual void releaseModules() = 0;
};

// Reads the switches, seeds the random numbers and reads the previous run's
// temporary directory from the registry. Runs before RunMainSequence.
void ProcessInitialise();
// The same with the program's arguments given (the first is the program).
void ProcessInitialise(const QStringList &arguments);

// The whole run between initialisation and finalisation. Every failure is
// shown through the message boxes; nothing escapes.
void RunMainSequence(ConfigChooser &chooser, StartupModules &modules);

// Stores this run's temporary directory ("" when no configuration was loaded)
// for deletion at the next start, then clears the process-wide strings.
void ProcessFinalise();

// Whether dir looks like a temporary directory this program made (its last
// name a decimal number), so a changed registry value can never have an
// unrelated tree deleted.
bool IsRunTempDirName(const QString &dir);

} // namespace kv
