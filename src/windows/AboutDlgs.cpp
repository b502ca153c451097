#include "windows/AboutDlgs.h"

#include "tools/SpecStream.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kv {

TAboutDlg::TAboutDlg(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("О программе"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    auto *product = new QLabel(QStringLiteral("KARVELO ФУРНИТУРА"), this);
    QFont f = product->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 6);
    product->setFont(f);
    product->setAlignment(Qt::AlignCenter);

    const QString build = QCoreApplication::applicationVersion().isEmpty() ? QStringLiteral(KARVELO_VERSION)
                                                                           : QCoreApplication::applicationVersion();
    const QList<QPair<QString, QString>> rows = {
        {QStringLiteral("Версия"), QStringLiteral("3.81")},
        {QStringLiteral("Сборка"), build},
        {QStringLiteral("Редакция"), QStringLiteral("Русская")},
        {QStringLiteral("Формат заказа"), stamps::Order},
        {QStringLiteral("Формат выборки"), stamps::Selection},
        {QStringLiteral("Модификация"), QStringLiteral("3.81.5.400")},
    };
    Grid = new QTableWidget(int(rows.size()), 2, this);
    Grid->horizontalHeader()->hide();
    Grid->verticalHeader()->hide();
    Grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid->setSelectionMode(QAbstractItemView::NoSelection);
    Grid->setFocusPolicy(Qt::NoFocus);
    for (int r = 0; r < rows.size(); ++r) {
        Grid->setItem(r, 0, new QTableWidgetItem(rows[r].first));
        Grid->setItem(r, 1, new QTableWidgetItem(rows[r].second));
    }
    Grid->resizeColumnsToContents();
    Grid->horizontalHeader()->setStretchLastSection(true);
    Grid->setFixedHeight(Grid->verticalHeader()->length() + 4);
    Grid->setMinimumWidth(300);

    OkBut = new QPushButton(QStringLiteral("OK"), this);
    OkBut->setDefault(true);
    connect(OkBut, &QPushButton::clicked, this, &QDialog::accept);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(product);
    layout->addWidget(Grid);
    layout->addWidget(OkBut, 0, Qt::AlignCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

namespace {

// A drawn logo: a coloured square with the initials.
QPixmap logo(const QString &initials, const QColor &colour)
{
    QPixmap pm(64, 64);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(colour);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 10, 10);
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(26);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(pm.rect(), Qt::AlignCenter, initials);
    return pm;
}

QWidget *firmBlock(const QString &initials, const QColor &colour, const QStringList &lines, QWidget *parent)
{
    auto *w = new QWidget(parent);
    auto *l = new QHBoxLayout(w);
    auto *pic = new QLabel(w);
    pic->setPixmap(logo(initials, colour));
    l->addWidget(pic, 0, Qt::AlignTop);
    auto *text = new QLabel(lines.join(QLatin1Char('\n')), w);
    l->addWidget(text, 1);
    return w;
}

} // namespace

TPresentationZuviDlg::TPresentationZuviDlg(QWidget *parent) : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);

    auto *title1 = new QLabel(QStringLiteral("Система автоматизированного подбора фурнитуры"), this);
    auto *title2 = new QLabel(QStringLiteral("ZUVI"), this);
    QFont f = title1->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 3);
    title1->setFont(f);
    f.setPointSize(f.pointSize() + 10);
    title2->setFont(f);
    title2->setStyleSheet(QStringLiteral("color: #0a3d91"));
    title1->setAlignment(Qt::AlignCenter);
    title2->setAlignment(Qt::AlignCenter);

    // Invented firms: the distributor of the fittings and the software maker.
    QWidget *distributor = firmBlock(
        QStringLiteral("ЗФ"), QColor(0x0a, 0x3d, 0x91),
        {QStringLiteral("ООО «Зувифурнитура» — поставщик оконной фурнитуры"),
         QStringLiteral("123456, г. Москва, ул. Оконная, д. 7"), QStringLiteral("Отдел продаж: +7 (495) 000-00-01"),
         QStringLiteral("Техническая поддержка: +7 (495) 000-00-02")},
        this);
    QWidget *maker = firmBlock(
        QStringLiteral("КВ"), QColor(0xb0, 0x30, 0x20),
        {QStringLiteral("«Карвело Софт» — разработчик программы"), QStringLiteral("г. Санкт-Петербург, пр. Проектный, д. 3"),
         QStringLiteral("Служба сопровождения: support@karvelo.example")},
        this);

    auto *note = new QLabel(
        QStringLiteral("* При подборе фурнитуры следует учитывать диаграммы применения и допустимые\n"
                       "соотношения сторон в соответствии с официальной технической документацией\n"
                       "производителя фурнитуры"),
        this);
    note->setStyleSheet(QStringLiteral("color: #800000"));

    OkBut = new QPushButton(QStringLiteral("OK"), this);
    OkBut->setDefault(true);
    connect(OkBut, &QPushButton::clicked, this, &QDialog::accept);

    auto *frame = new QFrame(this);
    frame->setFrameShape(QFrame::Box);
    auto *inner = new QVBoxLayout(frame);
    inner->addWidget(title1);
    inner->addWidget(title2);
    inner->addSpacing(8);
    inner->addWidget(distributor);
    inner->addWidget(maker);
    inner->addSpacing(8);
    inner->addWidget(note);
    inner->addWidget(OkBut, 0, Qt::AlignCenter);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(frame);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace kv
