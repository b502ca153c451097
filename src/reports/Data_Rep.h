#pragma once
// The report data module: the single source through which every printed
// document gets its data (record sources, report variables and functions of
// the templates in the report directory). One per process, created at start
// before the catalogue data module.
#include <QObject>

namespace kv {

class TDM_Report : public QObject
{
    Q_OBJECT
public:
    explicit TDM_Report(QObject *parent = nullptr);
    ~TDM_Report() override;
};

// The report data module of the running process (nullptr while there is none).
TDM_Report *DM_Report();

} // namespace kv
