#include "Splash.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

namespace kv {

namespace {

// A two-sash window with a tilt-and-turn handle, as the product's mark.
QPixmap productPicture(int size)
{
    QPixmap pm(size, size);
    pm.fill(Qt::white);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor frame(0x2f, 0x4f, 0x7f);
    const QColor glass(0xd8, 0xe8, 0xf6);
    const qreal m = size * 0.08, w = size - 2 * m, t = size * 0.07;
    const QRectF outer(m, m, w, w);
    p.setPen(Qt::NoPen);
    p.setBrush(frame);
    p.drawRoundedRect(outer, 3, 3);
    const qreal half = (w - 3 * t) / 2;
    for (int i = 0; i < 2; ++i) {
        const QRectF sash(m + t + i * (half + t), m + t, half, w - 2 * t);
        p.setBrush(glass);
        p.drawRect(sash);
        p.setPen(QPen(Qt::white, size * 0.012));
        p.drawLine(sash.topLeft() + QPointF(half * 0.2, sash.height() * 0.15),
                   sash.topLeft() + QPointF(half * 0.55, sash.height() * 0.05));
        p.setPen(Qt::NoPen);
    }
    // Handle on the right sash.
    p.setBrush(QColor(0xc0, 0xc0, 0xc0));
    const QRectF handle(m + t + half + t + size * 0.03, m + w / 2 - size * 0.02, size * 0.04, size * 0.16);
    p.drawRoundedRect(handle, 2, 2);
    return pm;
}

} // namespace

TSplashForm::TSplashForm(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("SplashForm"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setAutoFillBackground(true);

    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameShape(QFrame::Box);
    panel->setStyleSheet(QStringLiteral("QFrame#Panel1 { background: white; border: 1px solid #7f8fa8; }"));

    Picture = new QLabel(panel);
    Picture->setObjectName(QStringLiteral("Image1"));
    Picture->setPixmap(productPicture(128));

    auto *brand = new QLabel(QStringLiteral("KARVELO"), panel);
    brand->setObjectName(QStringLiteral("BrandLab"));
    brand->setStyleSheet(QStringLiteral("color: #2f4f7f; font-size: 15pt; font-weight: bold; letter-spacing: 3px;"));
    ProductLab = new QLabel(QStringLiteral("ФУРНИТУРА "), panel);
    ProductLab->setObjectName(QStringLiteral("ProductLab"));
    ProductLab->setStyleSheet(QStringLiteral("color: #1c2f4f; font-size: 24pt; font-weight: bold;"));
    VersionLab = new QLabel(QStringLiteral("ВЕРСИЯ 3.80"), panel);
    VersionLab->setObjectName(QStringLiteral("VersionLab"));
    VersionLab->setStyleSheet(QStringLiteral("color: #505a66; font-size: 10pt;"));

    LoadLab = new QLabel(QStringLiteral("Загрузка..."), panel);
    LoadLab->setObjectName(QStringLiteral("LoadLab"));
    LoadLab->setStyleSheet(QStringLiteral("color: #303030;"));
    ProgressBar = new QProgressBar(panel);
    ProgressBar->setObjectName(QStringLiteral("ProgressBar"));
    ProgressBar->setRange(0, 100);
    ProgressBar->setValue(0);
    ProgressBar->setTextVisible(false);
    ProgressBar->setFixedHeight(14);

    auto *texts = new QVBoxLayout;
    texts->addStretch();
    texts->addWidget(brand);
    texts->addWidget(ProductLab);
    texts->addWidget(VersionLab);
    texts->addStretch();

    auto *top = new QHBoxLayout;
    top->addWidget(Picture);
    top->addSpacing(16);
    top->addLayout(texts, 1);

    auto *inner = new QVBoxLayout(panel);
    inner->setContentsMargins(20, 20, 20, 16);
    inner->addLayout(top);
    inner->addSpacing(12);
    inner->addWidget(LoadLab);
    inner->addWidget(ProgressBar);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(panel);
    setFixedSize(440, 250);
}

void TSplashForm::showCentred()
{
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    show();
    // Let the window system map it before the long work starts.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    repaint();
}

void TSplashForm::setStatus(const QString &text)
{
    LoadLab->setText(text);
    LoadLab->repaint();
}

void TSplashForm::setProgress(int percent)
{
    ProgressBar->setValue(percent);
    ProgressBar->repaint();
}

} // namespace kv
