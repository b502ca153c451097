// The dialog of a new position: defaults, figure changes, the linked size
// fields, and what OK writes into the position.
#include "windows/PosPropS.h"
#include "windows/NumEdit.h"
#include "model/Construction.h"
#include "tools/RecordingMessages.h"
#include "support/QStringPrinter.h"
#include "WindowsTestSupport.h"

#include <gtest/gtest.h>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

using namespace kv;
using kvtest::leaveField;

namespace {

QString u(const char *s) { return QString::fromUtf8(s); }

// Replaces the field's text by typing, key by key, as a user would.
void retype(TNumEdit *e, const QString &text)
{
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Delete);
    QTest::keyClicks(e, text);
}

PositionDefaults orderDefaults(int count = 0)
{
    PositionDefaults d;
    d.PositionCount = count;
    d.ProfSys = QStringLiteral("PS1");
    d.FurnSys = QStringLiteral("FS2");
    d.FurnColor = QStringLiteral("C3");
    d.FalzType = 101;
    d.StulpType = 301;
    d.OpenType = 401;
    d.DornType = 201;
    return d;
}

} // namespace

TEST(PositionDialog, OpeningProposesLabelQuantityTypeAndSizes)
{
    const struct
    {
        int count;
        const char *label;
    } labels[] = {{0, "001"}, {11, "012"}, {998, "999"}, {1000, "1001"}};
    for (const auto &c : labels) {
        TSimplePosPropDlg dlg;
        dlg.Open(orderDefaults(c.count), 0);
        EXPECT_EQ(dlg.PosNoEdit->text(), QString::fromUtf8(c.label));
    }

    TSimplePosPropDlg window;
    window.Open(orderDefaults(), 0);
    EXPECT_EQ(window.windowTitle(), u("Новая позиция"));
    EXPECT_EQ(window.NumEdit->text(), QStringLiteral("1"));
    EXPECT_EQ(window.ObjTypeCombo->currentText(), u("Окно"));
    EXPECT_EQ(window.figure(), 0);
    EXPECT_EQ(window.NameEdit->text(), u("Окно: Комплект стандартный"));
    EXPECT_EQ(window.WidthEdit->text(), QStringLiteral("700"));
    EXPECT_EQ(window.HeightEdit->text(), QStringLiteral("1400"));
    EXPECT_FALSE(window.HXEdit->isEnabled());
    EXPECT_FALSE(window.HYEdit->isEnabled());
    EXPECT_FALSE(window.RadiusEdit->isEnabled());

    TSimplePosPropDlg door;
    door.Open(orderDefaults(), 1);
    EXPECT_EQ(door.ObjTypeCombo->currentText(), u("Дверь с порогом"));
    EXPECT_EQ(door.NameEdit->text(), u("Дверь с порогом: Комплект стандартный"));
    EXPECT_EQ(door.WidthEdit->text(), QStringLiteral("900"));
    EXPECT_EQ(door.HeightEdit->text(), QStringLiteral("2100"));
}

TEST(PositionDialog, EachFigureSetsItsExtraSizesAndName)
{
    const struct
    {
        int figure;
        const char *x, *y, *r;
        bool xOn, yOn, rOn;
        const char *name;
    } cases[] = {
        {1, "350", "350", "0,0", true, true, false, "Окно: Комплект штульповый"},
        {2, "350", "350", "0,0", true, true, false, "Окно: Комплект штульповый"},
        {3, "700", "0", "0,0", true, false, false, "Окно: Комплект трапеция"},
        {4, "700", "0", "0,0", true, false, false, "Окно: Комплект трапеция"},
        {5, "0", "0", "0,0", false, false, false, "Окно: Комплект треугольный"},
        {6, "0", "0", "0,0", false, false, false, "Окно: Комплект треугольный"},
        // The arch opens as a half circle: rise and radius half the width.
        {7, "350,0", "0", "350,0", true, false, true, "Окно: Комплект арка"},
        {0, "0", "0", "0,0", false, false, false, "Окно: Комплект стандартный"},
    };
    TSimplePosPropDlg dlg;
    dlg.Open(orderDefaults(), 0);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.figure);
        dlg.WidthEdit->setInteger(1234); // every figure change goes back to the defaults
        dlg.NameEdit->setText(QStringLiteral("typed by the user"));
        dlg.setFigure(c.figure);
        EXPECT_EQ(dlg.WidthEdit->text(), QStringLiteral("700"));
        EXPECT_EQ(dlg.HeightEdit->text(), QStringLiteral("1400"));
        EXPECT_EQ(dlg.HXEdit->text(), QString::fromUtf8(c.x));
        EXPECT_EQ(dlg.HYEdit->text(), QString::fromUtf8(c.y));
        EXPECT_EQ(dlg.RadiusEdit->text(), QString::fromUtf8(c.r));
        EXPECT_EQ(dlg.HXEdit->isEnabled(), c.xOn);
        EXPECT_EQ(dlg.HYEdit->isEnabled(), c.yOn);
        EXPECT_EQ(dlg.RadiusEdit->isEnabled(), c.rOn);
        EXPECT_TRUE(dlg.HeightEdit->isEnabled());
        EXPECT_EQ(dlg.NameEdit->text(), QString::fromUtf8(c.name));
        EXPECT_FALSE(dlg.FigImage->pixmap().isNull());
    }
    // The scroll bar moves by three on a page step.
    dlg.setFigure(0);
    dlg.FigScroll->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(dlg.figure(), 3);
}

TEST(PositionDialog, ChangingTheTypeChangesThePrefixAtTheNextFigureButNotTheSizes)
{
    TSimplePosPropDlg dlg;
    dlg.Open(orderDefaults(), 0);
    dlg.ObjTypeCombo->setCurrentIndex(1);
    EXPECT_EQ(dlg.NameEdit->text(), u("Окно: Комплект стандартный"));
    dlg.setFigure(5);
    EXPECT_EQ(dlg.NameEdit->text(), u("Дверь с порогом: Комплект треугольный"));
    EXPECT_EQ(dlg.WidthEdit->text(), QStringLiteral("700"));
    EXPECT_EQ(dlg.HeightEdit->text(), QStringLiteral("1400"));
}

TEST(PositionDialog, TwoSashWidthsFollowEachOther)
{
    TSimplePosPropDlg dlg;
    dlg.Open(orderDefaults(), 0);
    dlg.setFigure(1);
    retype(dlg.WidthEdit, QStringLiteral("1301"));
    EXPECT_EQ(dlg.HXEdit->text(), QStringLiteral("650"));
    EXPECT_EQ(dlg.HYEdit->text(), QStringLiteral("651"));
    retype(dlg.HXEdit, QStringLiteral("500"));
    EXPECT_EQ(dlg.HYEdit->text(), QStringLiteral("801"));
    retype(dlg.HYEdit, QStringLiteral("300"));
    EXPECT_EQ(dlg.HXEdit->text(), QStringLiteral("1001"));
    // A sash wider than the whole leaves the other field alone: Y keeps
    // what the last keystroke that still fitted ("140") gave it.
    retype(dlg.HXEdit, QStringLiteral("1400"));
    EXPECT_EQ(dlg.HYEdit->text(), QStringLiteral("1161"));
}

TEST(PositionDialog, ArchRiseAndRadiusDescribeOneArc)
{
    TSimplePosPropDlg dlg;
    dlg.Open(orderDefaults(), 0);
    dlg.setFigure(7);
    retype(dlg.WidthEdit, QStringLiteral("1000"));
    EXPECT_EQ(dlg.RadiusEdit->text(), QStringLiteral("500,0"));
    EXPECT_EQ(dlg.HXEdit->text(), QStringLiteral("500,0"));

    retype(dlg.HXEdit, QStringLiteral("100"));
    EXPECT_EQ(dlg.RadiusEdit->text(), QStringLiteral("1300,0"));

    // A rise above half the width is cut to the half circle.
    retype(dlg.HXEdit, QStringLiteral("600"));
    EXPECT_EQ(dlg.HXEdit->text(), QStringLiteral("500,0"));
    EXPECT_EQ(dlg.RadiusEdit->text(), QStringLiteral("500,0"));

    // A radius typed in gives its rise; too small a radius is raised to half
    // the width when the field is left.
    retype(dlg.RadiusEdit, QStringLiteral("700"));
    EXPECT_EQ(dlg.HXEdit->text(), QStringLiteral("210,1"));
    retype(dlg.RadiusEdit, QStringLiteral("300"));
    leaveField(dlg.RadiusEdit);
    EXPECT_EQ(dlg.RadiusEdit->text(), QStringLiteral("500,0"));
    EXPECT_EQ(dlg.HXEdit->text(), QStringLiteral("500,0"));
}

TEST(PositionDialog, OkWritesThePositionAndBuildsItsOutline)
{
    RecordingMessages messages;
    {
        TSimplePosPropDlg dlg;
        dlg.Open(orderDefaults(4), 0);
        dlg.setFigure(1);
        retype(dlg.WidthEdit, QStringLiteral("1300"));
        retype(dlg.HXEdit, QStringLiteral("600"));
        dlg.NumEdit->setInteger(3);
        TkvfConstruction pos;
        ASSERT_TRUE(dlg.Apply(pos));
        EXPECT_EQ(pos.PosNo, QStringLiteral("005"));
        EXPECT_EQ(pos.PosName, u("Окно: Комплект штульповый"));
        EXPECT_EQ(pos.Count, 3);
        EXPECT_EQ(pos.ObjectType, 0);
        EXPECT_EQ(pos.Arrangement, TkvfConstruction::RightMain);
        EXPECT_EQ(pos.ProfSys, QStringLiteral("PS1"));
        EXPECT_EQ(pos.FurnSys, QStringLiteral("FS2"));
        EXPECT_EQ(pos.FurnColor, QStringLiteral("C3"));
        EXPECT_EQ(pos.FalzType, 101);
        EXPECT_EQ(pos.StulpType, 301);
        EXPECT_EQ(pos.OpenType, 401);
        EXPECT_EQ(pos.Sash1().Dorn, 201);
        EXPECT_EQ(pos.Sash2().Dorn, 201);
        EXPECT_EQ(pos.Sash1().RebateSize().Width, 600);
        EXPECT_EQ(pos.Sash2().RebateSize().Width, 700);
        EXPECT_EQ(pos.RebateSize().Height, 1400);
    }
    {
        TSimplePosPropDlg dlg;
        dlg.Open(orderDefaults(), 1);
        dlg.setFigure(2);
        TkvfConstruction pos;
        ASSERT_TRUE(dlg.Apply(pos));
        EXPECT_EQ(pos.ObjectType, 1);
        EXPECT_EQ(pos.Arrangement, TkvfConstruction::LeftMain);
    }
    {
        // The arch: the radius is raised to half the width on OK, and the
        // outline's top side is an arc of that radius (0.1 mm).
        TSimplePosPropDlg dlg;
        dlg.Open(orderDefaults(), 0);
        dlg.setFigure(7);
        retype(dlg.WidthEdit, QStringLiteral("1000"));
        dlg.RadiusEdit->setFloat(200);
        TkvfConstruction pos;
        ASSERT_TRUE(dlg.Apply(pos));
        EXPECT_EQ(pos.Arrangement, TkvfConstruction::SingleSash);
        ASSERT_EQ(pos.Sash1().LineCount(), 4);
        EXPECT_FLOAT_EQ(pos.Sash1().Line(1).R1, 5000.0f);
        EXPECT_EQ(pos.RebateSize().Width, 1000);
        EXPECT_EQ(pos.RebateSize().Height, 1400);
    }
    EXPECT_TRUE(messages.isEmpty());
}

TEST(PositionDialog, AFailureOnOkRestoresThePositionAndShowsTheError)
{
    RecordingMessages messages;
    TSimplePosPropDlg dlg;
    dlg.Open(orderDefaults(), 0);
    TkvfConstruction pos;
    pos.PosNo = QStringLiteral("old");
    pos.Count = 9;
    dlg.NumEdit->setText(QStringLiteral("x")); // a text no user can type
    EXPECT_FALSE(dlg.Apply(pos));
    EXPECT_EQ(pos.PosNo, QStringLiteral("old"));
    EXPECT_EQ(pos.Count, 9);
    EXPECT_EQ(pos.Sash1().PointCount(), 0);
    ASSERT_EQ(messages.count(RecordingMessageSink::Kind::Error), 1);
    EXPECT_TRUE(messages.texts().first().contains(QStringLiteral("'x'")));
}

TEST(PositionDialog, RunShowsTheDialogAndReportsTheButton)
{
    RecordingMessages messages;
    TkvfConstruction pos;
    TSimplePosPropDlg none;
    EXPECT_FALSE(none.Run(orderDefaults(), nullptr, 0));
    EXPECT_FALSE(none.isVisible());

    {
        TSimplePosPropDlg dlg;
        kvtest::ModalDriver driver([](QWidget *w) {
            auto *d = qobject_cast<TSimplePosPropDlg *>(w);
            kvtest::saveShot(d, QStringLiteral("position_dialog"));
            d->CancelBut->click();
        });
        EXPECT_FALSE(dlg.Run(orderDefaults(), &pos, 0));
        EXPECT_TRUE(driver.ran());
        EXPECT_EQ(pos.PosNo, QString());
    }
    {
        // A zero size keeps the dialog open with a warning; fixed, OK goes through.
        TSimplePosPropDlg dlg;
        bool stayedOpen = false;
        kvtest::ModalDriver driver([&](QWidget *w) {
            auto *d = qobject_cast<TSimplePosPropDlg *>(w);
            d->setFigure(7);
            kvtest::saveShot(d, QStringLiteral("position_dialog_arch"));
            d->WidthEdit->setInteger(0);
            d->OkBut->click();
            stayedOpen = d->isVisible();
            d->WidthEdit->setInteger(800);
            d->OkBut->click();
        });
        EXPECT_TRUE(dlg.Run(orderDefaults(2), &pos, 1));
        EXPECT_TRUE(stayedOpen);
        EXPECT_EQ(messages.texts(RecordingMessageSink::Kind::Warning),
                  QStringList{u("Размеры изделия должны быть больше нуля!")});
        EXPECT_EQ(pos.PosNo, QStringLiteral("003"));
        EXPECT_EQ(pos.PosName, u("Дверь с порогом: Комплект арка"));
        EXPECT_EQ(pos.RebateSize().Width, 800);
        EXPECT_EQ(pos.RebateSize().Height, 2100);
    }
}

TEST(PositionDialog, FigurePicturesAreDistinctYellowOutlines)
{
    QList<QImage> images;
    for (int f = 0; f < TSimplePosPropDlg::FigureCount; ++f) {
        const QImage img = TSimplePosPropDlg::FigurePicture(f).toImage();
        EXPECT_EQ(img.size(), QSize(86, 86));
        int yellow = 0, red = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QColor c = img.pixelColor(x, y);
                yellow += c.red() > 200 && c.green() > 200 && c.blue() < 80;
                red += c.red() > 200 && c.green() < 60 && c.blue() < 60;
            }
        SCOPED_TRACE(f);
        EXPECT_GT(yellow, 100);
        // Only the two-sash figures carry the red handle mark.
        EXPECT_EQ(red > 0, f == 1 || f == 2);
        for (const QImage &other : images)
            EXPECT_NE(img, other);
        images << img;
    }
    // The handle dot sits right of the mullion in figure 1, left of it in 2.
    auto redX = [](const QImage &img) {
        for (int x = 0; x < img.width(); ++x)
            for (int y = 0; y < img.height(); ++y) {
                const QColor c = img.pixelColor(x, y);
                if (c.red() > 200 && c.green() < 60 && c.blue() < 60)
                    return x;
            }
        return -1;
    };
    EXPECT_GT(redX(images[1]), 43);
    EXPECT_LT(redX(images[2]), 43);

    QPixmap strip(86 * 8 + 7 * 4, 86);
    strip.fill(Qt::white);
    QPainter p(&strip);
    for (int f = 0; f < images.size(); ++f)
        p.drawImage(f * 90, 0, images[f]);
    p.end();
    QLabel view;
    view.setPixmap(strip);
    view.resize(strip.size());
    kvtest::saveShot(&view, QStringLiteral("position_figures"));
}
