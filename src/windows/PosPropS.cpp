#include "windows/PosPropS.h"

#include "model/Construction.h"
#include "tools/Errors.h"
#include "tools/Geometry.h"
#include "tools/Messages.h"
#include "tools/SpecStream.h"
#include "windows/NumEdit.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace kv {

namespace {

const char *const FigureNames[TSimplePosPropDlg::FigureCount] = {
    "Комплект стандартный", "Комплект штульповый", "Комплект штульповый", "Комплект трапеция",
    "Комплект трапеция",    "Комплект треугольный", "Комплект треугольный", "Комплект арка",
};

// A field's value while the user is typing: an unfinished text counts as 0.
double valueOf(const TNumEdit *e)
{
    try {
        return e->asFloat();
    } catch (const Error &) {
        return 0;
    }
}

qint32 intOf(const TNumEdit *e)
{
    try {
        return e->asInteger();
    } catch (const Error &) {
        return 0;
    }
}

QLabel *makeLabel(const QString &text, QWidget *buddy, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setBuddy(buddy);
    return l;
}

} // namespace

QString TSimplePosPropDlg::FigureName(int figure)
{
    return figure >= 0 && figure < FigureCount ? QString::fromUtf8(FigureNames[figure]) : QString();
}

QPixmap TSimplePosPropDlg::FigurePicture(int figure)
{
    QPixmap pm(FigureSize, FigureSize);
    pm.fill(QColor(0, 0, 96)); // dark blue: the yellow outline stands out
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor yellow(255, 255, 0);
    p.setPen(QPen(yellow, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);

    // The outline sits in a 62 x 70 box, centred.
    const qreal l = 12, r = 74, t = 8, b = 78, w = r - l, h = b - t;
    auto handle = [&](qreal x, qreal y) {
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 0, 0));
        p.drawEllipse(QPointF(x, y), 3.5, 3.5);
        p.restore();
    };
    auto mullion = [&]() {
        const qreal m = (l + r) / 2;
        p.drawLine(QPointF(m - 2, t), QPointF(m - 2, b));
        p.drawLine(QPointF(m + 2, t), QPointF(m + 2, b));
    };
    QPolygonF poly;
    switch (figure) {
    case 0:
        p.drawRect(QRectF(l, t, w, h));
        break;
    case 1: // handle on the right-hand sash
        p.drawRect(QRectF(l, t, w, h));
        mullion();
        handle((l + r) / 2 + 8, (t + b) / 2);
        break;
    case 2: // handle on the left-hand sash
        p.drawRect(QRectF(l, t, w, h));
        mullion();
        handle((l + r) / 2 - 8, (t + b) / 2);
        break;
    case 3: // top edge rising to the right
        poly << QPointF(l, b) << QPointF(l, t + h * 0.45) << QPointF(r, t) << QPointF(r, b);
        p.drawPolygon(poly);
        break;
    case 4: // top edge falling to the right
        poly << QPointF(l, b) << QPointF(l, t) << QPointF(r, t + h * 0.45) << QPointF(r, b);
        p.drawPolygon(poly);
        break;
    case 5: // vertical side on the right
        poly << QPointF(l, b) << QPointF(r, t) << QPointF(r, b);
        p.drawPolygon(poly);
        break;
    case 6: // vertical side on the left
        poly << QPointF(l, b) << QPointF(l, t) << QPointF(r, b);
        p.drawPolygon(poly);
        break;
    case 7: {
        const qreal rise = w / 2; // a semicircle over the full width
        QPainterPath path;
        path.moveTo(l, b);
        path.lineTo(l, t + rise);
        path.arcTo(QRectF(l, t, w, 2 * rise), 180, -180);
        path.lineTo(r, b);
        path.closeSubpath();
        p.drawPath(path);
        break;
    }
    default:
        break;
    }
    return pm;
}

TSimplePosPropDlg::TSimplePosPropDlg(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Новая позиция"));
    // Fixed dialog border without system buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    PosNoEdit = new QLineEdit(this);
    PosNoEdit->setObjectName(QStringLiteral("PosNoEdit"));
    NameEdit = new QLineEdit(this);
    NameEdit->setObjectName(QStringLiteral("NameEdit"));
    NumEdit = new TNumEdit(TNumEdit::nsInteger, 5, 0, this);
    NumEdit->setObjectName(QStringLiteral("NumEdit"));
    ObjTypeCombo = new QComboBox(this);
    ObjTypeCombo->setObjectName(QStringLiteral("ObjTypeCombo"));
    ObjTypeCombo->addItems({QStringLiteral("Окно"), QStringLiteral("Дверь с порогом")});

    FigScroll = new QScrollBar(Qt::Vertical, this);
    FigScroll->setObjectName(QStringLiteral("FigScroll"));
    FigScroll->setRange(0, FigureCount - 1);
    FigScroll->setPageStep(3);
    FigScroll->setSingleStep(1);
    FigImage = new QLabel(this);
    FigImage->setObjectName(QStringLiteral("FigImage"));
    FigImage->setAlignment(Qt::AlignCenter);
    FigImage->setFixedSize(FigureSize + 4, FigureSize + 4);
    FigImage->setFrameShape(QFrame::Panel);
    FigImage->setFrameShadow(QFrame::Sunken);

    WidthEdit = new TNumEdit(TNumEdit::nsInteger, 5, 0, this);
    WidthEdit->setObjectName(QStringLiteral("WidthEdit"));
    HeightEdit = new TNumEdit(TNumEdit::nsInteger, 5, 0, this);
    HeightEdit->setObjectName(QStringLiteral("HeightEdit"));
    HXEdit = new TNumEdit(TNumEdit::nsInteger, 5, 0, this);
    HXEdit->setObjectName(QStringLiteral("HXEdit"));
    HYEdit = new TNumEdit(TNumEdit::nsInteger, 5, 0, this);
    HYEdit->setObjectName(QStringLiteral("HYEdit"));
    RadiusEdit = new TNumEdit(TNumEdit::nsFloat, 5, 1, this);
    RadiusEdit->setObjectName(QStringLiteral("RadiusEdit"));
    RadiusEdit->installEventFilter(this);

    OkBut = new QPushButton(QStringLiteral("&OK"), this);
    OkBut->setObjectName(QStringLiteral("OkBut"));
    OkBut->setDefault(true);
    CancelBut = new QPushButton(QStringLiteral("&Cancel"), this);
    CancelBut->setObjectName(QStringLiteral("CancelBut"));
    connect(OkBut, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBut, &QPushButton::clicked, this, &QDialog::reject);

    // Left: what the position is; right: its figure and sizes.
    auto *posNoLabel = makeLabel(QStringLiteral("Позиция №"), PosNoEdit, this);
    QFont bold = posNoLabel->font();
    bold.setBold(true);
    posNoLabel->setFont(bold);
    auto *head = new QGridLayout;
    head->addWidget(posNoLabel, 0, 0);
    head->addWidget(PosNoEdit, 0, 1);
    head->addWidget(makeLabel(QStringLiteral("Кол-во, комп."), NumEdit, this), 0, 2);
    head->addWidget(NumEdit, 0, 3);
    head->addWidget(makeLabel(QStringLiteral("Тип изделия"), ObjTypeCombo, this), 1, 0);
    head->addWidget(ObjTypeCombo, 1, 1, 1, 3);
    head->addWidget(makeLabel(QStringLiteral("Наименование"), NameEdit, this), 2, 0);
    head->addWidget(NameEdit, 2, 1, 1, 3);
    head->setColumnStretch(1, 1);
    PosNoEdit->setMaximumWidth(110);
    NumEdit->setMaximumWidth(70);
    NameEdit->setMinimumWidth(320);

    auto *figBox = new QGroupBox(QStringLiteral("Тип"), this);
    auto *figLayout = new QHBoxLayout(figBox);
    figLayout->addWidget(FigImage);
    figLayout->addWidget(FigScroll);
    FigScroll->setFixedHeight(FigureSize + 4);

    auto *sizes = new QGridLayout;
    auto addSize = [&](int row, const QString &caption, TNumEdit *edit) {
        QLabel *label = makeLabel(caption, edit, this);
        sizes->addWidget(label, row, 0);
        sizes->addWidget(edit, row, 1);
        edit->setFixedWidth(80);
        edit->setAlignment(Qt::AlignRight);
        return label;
    };
    addSize(0, QStringLiteral("Размер B"), WidthEdit);
    m_heightLabel = addSize(1, QStringLiteral("Размер H"), HeightEdit);
    m_xLabel = addSize(2, QStringLiteral("Размер X"), HXEdit);
    m_yLabel = addSize(3, QStringLiteral("Размер Y"), HYEdit);
    m_rLabel = addSize(4, QStringLiteral("Радиус R"), RadiusEdit);
    sizes->setRowStretch(5, 1);

    auto *middle = new QHBoxLayout;
    middle->addWidget(figBox);
    middle->addSpacing(12);
    middle->addLayout(sizes);
    middle->addStretch();

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OkBut);
    buttons->addWidget(CancelBut);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(head);
    layout->addLayout(middle);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(FigScroll, &QScrollBar::valueChanged, this, [this] { FigureChanged(); });
    connect(WidthEdit, &QLineEdit::textEdited, this, [this] { WidthChanged(); });
    connect(HXEdit, &QLineEdit::textEdited, this, [this] { XChanged(); });
    connect(HYEdit, &QLineEdit::textEdited, this, [this] { YChanged(); });
    connect(RadiusEdit, &QLineEdit::textEdited, this, [this] { RadiusChanged(); });
}

int TSimplePosPropDlg::figure() const
{
    return FigScroll->value();
}

void TSimplePosPropDlg::setFigure(int figure)
{
    FigScroll->setValue(figure); // runs FigureChanged when it moves
}

void TSimplePosPropDlg::Open(const PositionDefaults &order, int objectType)
{
    m_order = order;
    NumEdit->setInteger(1);
    PosNoEdit->setText(QStringLiteral("%1").arg(order.PositionCount + 1, 3, 10, QLatin1Char('0')));
    NameEdit->setText(FigureName(0));
    ObjTypeCombo->setCurrentIndex(qBound(0, objectType, ObjTypeCombo->count() - 1));
    const bool door = ObjTypeCombo->currentIndex() != 0;
    m_defaultWidth = door ? 900 : 700;
    m_defaultHeight = door ? 2100 : 1400;
    FigScroll->setRange(0, FigureCount - 1);
    FigureChanged();
    PosNoEdit->setFocus();
}

bool TSimplePosPropDlg::Run(const PositionDefaults &order, TkvfConstruction *position, int objectType)
{
    if (!position)
        return false;
    Open(order, objectType);
    if (exec() != QDialog::Accepted)
        return false;
    return Apply(*position);
}

void TSimplePosPropDlg::FigureChanged()
{
    const int fig = figure();
    FigImage->setPixmap(FigurePicture(fig));
    WidthEdit->setInteger(m_defaultWidth);
    HeightEdit->setInteger(m_defaultHeight);
    HeightEdit->setEnabled(true);
    m_heightLabel->setEnabled(true);

    const bool twoSash = fig == 1 || fig == 2;
    const bool trapezoid = fig == 3 || fig == 4;
    const bool arch = fig == 7;
    HXEdit->setNumStyle(arch ? TNumEdit::nsFloat : TNumEdit::nsInteger);
    HXEdit->setDecimals(arch ? 1 : 0);
    if (twoSash) {
        HXEdit->setInteger(m_defaultWidth / 2);
        HYEdit->setInteger(m_defaultWidth - m_defaultWidth / 2);
    } else if (trapezoid) {
        HXEdit->setInteger(m_defaultHeight / 2);
        HYEdit->setInteger(0);
    } else {
        HXEdit->setInteger(0);
        HYEdit->setInteger(0);
    }
    RadiusEdit->setFloat(0);
    if (arch)
        SetRadius(m_defaultWidth / 2.0);
    const bool xOn = twoSash || trapezoid || arch;
    HXEdit->setEnabled(xOn);
    m_xLabel->setEnabled(xOn);
    HYEdit->setEnabled(twoSash);
    m_yLabel->setEnabled(twoSash);
    RadiusEdit->setEnabled(arch);
    m_rLabel->setEnabled(arch);

    const QString prefix = ObjTypeCombo->currentIndex() != 0 ? QStringLiteral("Дверь с порогом: ") : QStringLiteral("Окно: ");
    NameEdit->setText(prefix + FigureName(fig));
}

// The arch's radius and rise always describe the same arc: writing one
// writes the other, so the outline never gets a rise its radius cannot have.
void TSimplePosPropDlg::SetRadius(double r)
{
    RadiusEdit->setFloat(r);
    HXEdit->setFloat(ChordHeight(RadiusEdit->asFloat(), intOf(WidthEdit)));
}

void TSimplePosPropDlg::SetRise(double x)
{
    HXEdit->setFloat(x);
    RadiusEdit->setFloat(RadiusFromChord(HXEdit->asFloat(), intOf(WidthEdit)));
}

void TSimplePosPropDlg::WidthChanged()
{
    const qint32 b = intOf(WidthEdit);
    switch (figure()) {
    case 7:
        SetRadius(b / 2.0);
        break;
    case 1:
    case 2:
        HXEdit->setInteger(b / 2);
        if (b > intOf(HXEdit))
            HYEdit->setInteger(b - intOf(HXEdit));
        break;
    default:
        break;
    }
}

void TSimplePosPropDlg::XChanged()
{
    const qint32 b = intOf(WidthEdit);
    switch (figure()) {
    case 7: {
        const double x = valueOf(HXEdit);
        if (x <= b / 2.0)
            RadiusEdit->setFloat(RadiusFromChord(x, b));
        else
            SetRise(b / 2.0);
        break;
    }
    case 1:
    case 2:
        if (b > intOf(HXEdit))
            HYEdit->setInteger(b - intOf(HXEdit));
        break;
    default:
        break;
    }
}

void TSimplePosPropDlg::YChanged()
{
    const int fig = figure();
    if (fig != 1 && fig != 2)
        return;
    const qint32 b = intOf(WidthEdit);
    const qint32 y = intOf(HYEdit);
    if (y < b)
        HXEdit->setInteger(b - y);
}

void TSimplePosPropDlg::RadiusChanged()
{
    if (figure() == 7)
        HXEdit->setFloat(ChordHeight(valueOf(RadiusEdit), intOf(WidthEdit)));
}

void TSimplePosPropDlg::EnforceMinRadius()
{
    if (figure() != 7)
        return;
    const double half = intOf(WidthEdit) / 2.0;
    if (valueOf(RadiusEdit) < half)
        SetRadius(half);
}

QString TSimplePosPropDlg::SizeError() const
{
    const int fig = figure();
    const qint32 b = intOf(WidthEdit), h = intOf(HeightEdit), x = intOf(HXEdit), y = intOf(HYEdit);
    if (b <= 0 || h <= 0 || ((fig == 1 || fig == 2) && (x <= 0 || y <= 0)))
        return QStringLiteral("Размеры изделия должны быть больше нуля!");
    if ((fig == 3 || fig == 4) && (x <= 0 || x > h))
        return QStringLiteral("Размер X должен быть больше нуля и не больше размера H!");
    return {};
}

void TSimplePosPropDlg::accept()
{
    // An outline with a zero or negative size cannot be built into a product.
    const QString error = SizeError();
    if (!error.isEmpty()) {
        ShowWarningBox(error);
        return;
    }
    QDialog::accept();
}

bool TSimplePosPropDlg::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == RadiusEdit && event->type() == QEvent::FocusOut)
        EnforceMinRadius();
    return QDialog::eventFilter(watched, event);
}

bool TSimplePosPropDlg::Apply(TkvfConstruction &position)
{
    TSpecStream backup;
    try {
        position.Backup(backup);
    } catch (const Error &e) {
        ShowErrorBox(e.text());
        return false;
    }
    try {
        EnforceMinRadius();
        const int fig = figure();
        // The outline's arc is built from R; its rise must be the one R gives.
        if (fig == 7)
            HXEdit->setFloat(ChordHeight(RadiusEdit->asFloat(), WidthEdit->asInteger()));
        position.PosNo = PosNoEdit->text();
        position.PosName = NameEdit->text();
        position.Count = NumEdit->asInteger();
        position.ObjectType = quint8(qMax(0, ObjTypeCombo->currentIndex()));
        position.Arrangement = fig == 1 ? TkvfConstruction::RightMain
                             : fig == 2 ? TkvfConstruction::LeftMain
                                        : TkvfConstruction::SingleSash;
        position.ProfSys = m_order.ProfSys;
        position.FurnSys = m_order.FurnSys;
        position.FurnColor = m_order.FurnColor;
        position.FalzType = m_order.FalzType;
        position.StulpType = m_order.StulpType;
        position.OpenType = m_order.OpenType;
        TShapeRecord shape;
        shape.B = WidthEdit->asInteger();
        shape.H = HeightEdit->asInteger();
        shape.Kind = quint8(fig);
        shape.X = fig == 7 ? RoundHalfAway(HXEdit->asFloat()) : HXEdit->asInteger();
        shape.Y = HYEdit->asInteger();
        shape.R1 = shape.R2 = float(RadiusEdit->asFloat());
        position.SetShape(shape, m_order.DornType);
    } catch (const Error &e) {
        try {
            position.Restore(backup);
        } catch (const Error &) {
            // Restore leaves the position as it was when it fails.
        }
        ShowErrorBox(e.text());
        return false;
    }
    return true;
}

} // namespace kv
