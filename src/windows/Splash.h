#pragma once
// The splash window shown while the data modules and the main window are
// created: no border, white, centred on the screen, with a progress bar.
#include <QWidget>

class QLabel;
class QProgressBar;

namespace kv {

class TSplashForm : public QWidget
{
    Q_OBJECT
public:
    explicit TSplashForm(QWidget *parent = nullptr);

    // Shows the window centred on the screen and paints it at once.
    void showCentred();
    void setStatus(const QString &text);
    void setProgress(int percent);

    QLabel *Picture;
    QLabel *ProductLab;
    QLabel *VersionLab;
    QLabel *LoadLab;
    QProgressBar *ProgressBar;
};

} // namespace kv
