#pragma once
// The configuration dialog of the start: one drop-down list of the
// configurations found in the registry.
#include "core/Config.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

namespace kv {

class TConfigListDlg : public QDialog
{
    Q_OBJECT
public:
    explicit TConfigListDlg(QWidget *parent = nullptr);

    QLabel *Label1;
    QComboBox *ConfigCombo;
    QPushButton *OkBut;
    QPushButton *CancelBut;
};

// The desktop program's answer to the configuration question: TConfigListDlg,
// shown modally even for a single configuration.
class TConfigListChooser : public ConfigChooser
{
public:
    std::optional<QString> choose(const QStringList &names, int selected) override;
};

} // namespace kv
