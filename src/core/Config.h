#pragma once
// Choice of the database configuration at start-up and the directories
// derived from it.
#include <QString>
#include <QStringList>
#include <optional>

namespace kv {

// Asks the user for one of the configurations. The desktop program shows the
// configuration dialog; tests answer with a fake.
class ConfigChooser
{
public:
    virtual ~ConfigChooser() = default;
    // names is not empty; selected indexes the pre-selected name. Returns the
    // chosen name, or nothing when the user cancelled.
    virtual std::optional<QString> choose(const QStringList &names, int selected) = 0;
};

// Lets the user choose a configuration and sets the directory values from it;
// creates the run's temporary directory. False (after its own message, or
// silently when cancelled) when no configuration was loaded.
bool ChooseConfiguration(ConfigChooser &chooser);

} // namespace kv
