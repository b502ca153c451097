#pragma once
// The dialog of a new position: product type, one of eight figures with its
// sizes, quantity, label and name. OK writes the values into the position,
// hands it the order's technical choices and has it build its outlines.
#include <QDialog>
#include <QPixmap>
#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace kv {

class TNumEdit;
class TkvfConstruction;

// What a new position takes over from its order.
struct PositionDefaults
{
    int PositionCount = 0; // positions the order holds already
    QString ProfSys;
    QString FurnSys;
    QString FurnColor;
    qint32 FalzType = 0;
    qint32 StulpType = 0;
    qint32 OpenType = 0;
    qint32 DornType = 0;
};

class TSimplePosPropDlg : public QDialog
{
    Q_OBJECT
public:
    static constexpr int FigureCount = 8;
    static constexpr int FigureSize = 86;

    explicit TSimplePosPropDlg(QWidget *parent = nullptr);

    // Shows the dialog for a new position of an order; objectType is the
    // product type proposed first (0 window, 1 door with threshold). True
    // when the user pressed OK and the position took the values; false on
    // Cancel, without a position, or when the outline could not be built
    // (the position is then as it was and the error has been shown).
    bool Run(const PositionDefaults &order, TkvfConstruction *position, int objectType);

    // The steps of Run, for callers that show the dialog themselves.
    void Open(const PositionDefaults &order, int objectType);
    bool Apply(TkvfConstruction &position);

    int figure() const;
    void setFigure(int figure);
    // The picture of a figure as the dialog shows it.
    static QPixmap FigurePicture(int figure);
    // Name suffix of a figure ("Комплект стандартный", ...).
    static QString FigureName(int figure);
    // Why the sizes cannot make an outline; empty when they can.
    QString SizeError() const;

    QLineEdit *PosNoEdit;
    QLineEdit *NameEdit;
    TNumEdit *NumEdit;
    QComboBox *ObjTypeCombo;
    QScrollBar *FigScroll;
    QLabel *FigImage;
    TNumEdit *WidthEdit;
    TNumEdit *HeightEdit;
    TNumEdit *HXEdit;
    TNumEdit *HYEdit;
    TNumEdit *RadiusEdit;
    QPushButton *OkBut;
    QPushButton *CancelBut;

public Q_SLOTS:
    void accept() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FigureChanged();
    void WidthChanged();
    void XChanged();
    void YChanged();
    void RadiusChanged();
    // R at least B / 2 for the arch, with the rise following.
    void EnforceMinRadius();
    void SetRadius(double r);
    void SetRise(double x);

    QLabel *m_heightLabel;
    QLabel *m_xLabel;
    QLabel *m_yLabel;
    QLabel *m_rLabel;
    PositionDefaults m_order;
    qint32 m_defaultWidth = 700;
    qint32 m_defaultHeight = 1400;
};

} // namespace kv
