#include "windows/CfgList.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

#include <functional>

using namespace kv;

namespace {

// Runs act on the configuration dialog once it is shown modally.
void whenShown(std::function<void(TConfigListDlg *)> act)
{
    QTimer::singleShot(0, [act] {
        auto *dlg = qobject_cast<TConfigListDlg *>(QApplication::activeModalWidget());
        ASSERT_NE(dlg, nullptr) << "the configuration dialog was not shown";
        act(dlg);
    });
}

} // namespace

TEST(ConfigListDlg, LooksAsDesigned)
{
    TConfigListDlg dlg;
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Конфигурация"));
    EXPECT_EQ(dlg.Label1->text(), QStringLiteral("Конфигурация"));
    EXPECT_EQ(dlg.ConfigCombo->maxVisibleItems(), 15);
    EXPECT_FALSE(dlg.ConfigCombo->isEditable());
    EXPECT_EQ(dlg.OkBut->text(), QStringLiteral("OK"));
    EXPECT_TRUE(dlg.OkBut->isDefault());
    EXPECT_EQ(dlg.CancelBut->text(), QStringLiteral("Cancel"));
    EXPECT_FALSE(dlg.CancelBut->isDefault());
}

TEST(ConfigListDlg, OfferesTheNamesWithThePreselectedOne)
{
    QStringList seen;
    int current = -1;
    whenShown([&](TConfigListDlg *dlg) {
        for (int i = 0; i < dlg->ConfigCombo->count(); ++i)
            seen << dlg->ConfigCombo->itemText(i);
        current = dlg->ConfigCombo->currentIndex();
        dlg->OkBut->click();
    });
    TConfigListChooser chooser;
    EXPECT_EQ(chooser.choose({"Alpha", "Beta", "Gamma"}, 1), std::optional<QString>(QStringLiteral("Beta")));
    EXPECT_EQ(seen, (QStringList{"Alpha", "Beta", "Gamma"}));
    EXPECT_EQ(current, 1);
}

TEST(ConfigListDlg, ReturnsTheNameTheUserPicked)
{
    whenShown([](TConfigListDlg *dlg) {
        dlg->ConfigCombo->setCurrentIndex(2);
        dlg->OkBut->click();
    });
    TConfigListChooser chooser;
    EXPECT_EQ(chooser.choose({"Alpha", "Beta", "Цех 2"}, 0), std::optional<QString>(QStringLiteral("Цех 2")));
}

TEST(ConfigListDlg, ASingleNameIsShownToo)
{
    bool shown = false;
    whenShown([&](TConfigListDlg *dlg) {
        shown = true;
        dlg->OkBut->click();
    });
    TConfigListChooser chooser;
    EXPECT_EQ(chooser.choose({"Only"}, 0), std::optional<QString>(QStringLiteral("Only")));
    EXPECT_TRUE(shown);
}

TEST(ConfigListDlg, CancelAndEscapeGiveNothing)
{
    TConfigListChooser chooser;
    whenShown([](TConfigListDlg *dlg) { dlg->CancelBut->click(); });
    EXPECT_EQ(chooser.choose({"Alpha", "Beta"}, 0), std::nullopt);
    whenShown([](TConfigListDlg *dlg) { dlg->reject(); });
    EXPECT_EQ(chooser.choose({"Alpha", "Beta"}, 0), std::nullopt);
}
