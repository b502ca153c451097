#include "core/Globals.h"
#include "core/Setup.h"
#include "windows/Options.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QTimer>
#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

#include <functional>

using namespace kv;

namespace {

void whenShown(std::function<void(TOptionsDlg *)> act)
{
    QTimer::singleShot(0, [act] {
        auto *dlg = qobject_cast<TOptionsDlg *>(QApplication::activeModalWidget());
        ASSERT_NE(dlg, nullptr) << "the options dialog was not shown";
        act(dlg);
    });
}

struct Prefs
{
    bool alert, currency, reg, openReg, recycled;
    bool operator==(const Prefs &) const = default;
};

Prefs prefsOf(const TkvfSetup &s)
{
    return {s.AlertIfNotFull, s.AutoLoadCurrency, s.AutoReg, s.AutoOpenReg, s.MoveToRecycled};
}

Prefs boxesOf(const TOptionsDlg *d)
{
    return {d->AlertIfNotFullCheck->isChecked(), d->AutoLoadCurrencyCheck->isChecked(), d->AutoRegCheck->isChecked(),
            d->AutoOpenRegCheck->isChecked(), d->MoveToRecycledCheck->isChecked()};
}

void toggleAll(TOptionsDlg *d)
{
    for (QCheckBox *b : {d->AlertIfNotFullCheck, d->AutoLoadCurrencyCheck, d->AutoRegCheck, d->AutoOpenRegCheck,
                         d->MoveToRecycledCheck})
        b->click();
}

// A settings object without a settings file: nothing of it is ever stored.
struct DetachedSetup
{
    DetachedSetup() { SettingsFile.clear(); }
    TkvfSetup setup;
};

} // namespace

TEST(OptionsDlg, LooksAsDesigned)
{
    TOptionsDlg d;
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Параметры"));
    EXPECT_EQ(d.GeneralGroup->title(), QStringLiteral("Общие"));
    EXPECT_EQ(d.RegistryGroup->title(), QStringLiteral("Реестр и файлы заказов"));
    EXPECT_EQ(d.AlertIfNotFullCheck->text(), QStringLiteral("Выдавать сообщение при расчете неполного заказа"));
    EXPECT_EQ(d.AutoLoadCurrencyCheck->text(), QStringLiteral("Автозагрузка курсов валют"));
    EXPECT_EQ(d.AutoRegCheck->text(), QStringLiteral("Авторегистрация и обновление при сохранении заказа"));
    EXPECT_EQ(d.AutoOpenRegCheck->text(), QStringLiteral("Автоматическая загрузка реестра при загрузке"));
    EXPECT_EQ(d.MoveToRecycledCheck->text(), QStringLiteral("Перемещать удаленные из реестра заказы в мусорку"));
    EXPECT_EQ(d.AlertIfNotFullCheck->parentWidget(), d.GeneralGroup);
    EXPECT_EQ(d.AutoLoadCurrencyCheck->parentWidget(), d.GeneralGroup);
    EXPECT_EQ(d.MoveToRecycledCheck->parentWidget(), d.RegistryGroup);
    EXPECT_EQ(d.OKBut->text(), QStringLiteral("&OK"));
    EXPECT_TRUE(d.OKBut->isDefault());
    EXPECT_EQ(d.CancelBut->text(), QStringLiteral("&Cancel"));
}

TEST(OptionsDlg, OkCopiesTheBoxesBack)
{
    DetachedSetup ds;
    TkvfSetup &s = ds.setup;
    for (const Prefs &start : {Prefs{true, false, true, false, true}, Prefs{false, true, false, true, false}}) {
        s.AlertIfNotFull = start.alert;
        s.AutoLoadCurrency = start.currency;
        s.AutoReg = start.reg;
        s.AutoOpenReg = start.openReg;
        s.MoveToRecycled = start.recycled;
        Prefs shown{};
        whenShown([&](TOptionsDlg *d) {
            shown = boxesOf(d);
            toggleAll(d);
            d->OKBut->click();
        });
        TOptionsDlg d;
        EXPECT_TRUE(d.Execute(s));
        EXPECT_EQ(shown, start);
        EXPECT_EQ(prefsOf(s), (Prefs{!start.alert, !start.currency, !start.reg, !start.openReg, !start.recycled}));
    }
}

TEST(OptionsDlg, CancelChangesNothing)
{
    DetachedSetup ds;
    TkvfSetup &s = ds.setup;
    s.AlertIfNotFull = true;
    s.AutoLoadCurrency = false;
    s.AutoReg = true;
    s.AutoOpenReg = false;
    s.MoveToRecycled = true;
    const Prefs before = prefsOf(s);
    for (bool viaEscape : {false, true}) {
        whenShown([viaEscape](TOptionsDlg *d) {
            toggleAll(d);
            viaEscape ? d->reject() : d->CancelBut->click();
        });
        TOptionsDlg d;
        EXPECT_FALSE(d.Execute(s));
        EXPECT_EQ(prefsOf(s), before);
    }
}

TEST(OptionsDlg, WorksOnTheProcessSettings)
{
    DetachedSetup ds;
    ds.setup.AutoReg = false;
    whenShown([](TOptionsDlg *d) {
        d->AutoRegCheck->setChecked(true);
        d->OKBut->click();
    });
    TOptionsDlg d;
    EXPECT_TRUE(d.Execute());
    EXPECT_TRUE(ds.setup.AutoReg);
}
