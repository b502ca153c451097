#pragma once
// Holder of the report export filters. Creating it once at start makes the
// export formats available to every report preview of the run.
#include <QObject>

namespace kv {

class TFR_Export : public QObject
{
    Q_OBJECT
public:
    explicit TFR_Export(QObject *parent = nullptr);
    ~TFR_Export() override;
};

// The holder of the running process (nullptr while there is none).
TFR_Export *FR_Export();

} // namespace kv
