#pragma once
// A configuration for the window tests: folders under the scratch directory,
// the settings object, the three databases with a small catalogue, a
// recorder for the message boxes and scripted answers for the file dialogs
// and the Yes / No / Cancel question.
#include "core/Data.h"
#include "core/Database.h"
#include "core/Globals.h"
#include "core/Setup.h"
#include "support/TestSupport.h"
#include "tools/RecordingMessages.h"
#include "windows/Main.h"
#include "windows/YesNoCancel.h"

#include <QDir>
#include <deque>

namespace kvtest {

inline const char *const kSmallCatalog =
    "insert into Currency(ID, Name, Value, Dec) values (1,'RUB',1,2),(2,'EUR',90,2),(3,'USD',80,2);"
    "insert into SysList(ID, \"Group\", Name, Use, CommonGrp, BaseColor) values"
    " ('1101',1,'Система А',1,1100,'WH'),('1201',1,'Система Б',0,1200,'BR'),('1301',1,'Система В',1,1300,'BR'),"
    " ('2101',2,'Профиль Х',1,0,'BR');"
    "insert into SysProf(SchlSysID, FurnSysID, Name) values ('P1','1100','Планки 1100'),('P2','1200','Планки 1200');"
    "insert into COLORSET(Color, Name) values ('WH','Белый'),('BR','Коричневый');"
    "insert into SysColor(ID, System) values ('WH','1101'),('BR','1101'),('BR','1301');"
    "insert into FrnComp(ID, \"Group\", Use, CommonGrp, Name) values"
    " ('H1',30,1,1101,'Ручка своя'),('H2',31,1,0,'Ручка общая'),('H3',30,1,1200,'Ручка чужая'),"
    " ('H4',10,1,1101,'Не ручка'),('H5',32,1,1100,'Ручка сотни'),('H6',30,0,1101,'Ручка вне каталога');"
    "insert into ParamList(ID, Name) values (101,'Фальц 12'),(102,'Фальц 14'),(201,'Дорн 7,5'),(202,'Дорн 15'),"
    " (301,'Штульп обычный'),(401,'Поворотно-откидная'),(402,'Поворотная');"
    "insert into Material(ID, Name) values (1,'ПВХ'),(2,'Дерево');";

class WindowsFixture
{
public:
    WindowsFixture()
    {
        static int serial = 0;
        kv::ClearGlobals();
        root = QDir(scratchDir()).filePath(QStringLiteral("win%1").arg(++serial));
        kv::ConfigName = QStringLiteral("Тест");
        kv::CatalogDir = root + QStringLiteral("/cat");
        kv::DataDir = root + QStringLiteral("/data");
        kv::OrdersDir = kv::DataDir + QStringLiteral("/Orders");
        kv::SelectionDir = kv::DataDir + QStringLiteral("/Selection");
        kv::RegistryDir = kv::DataDir + QStringLiteral("/Registry");
        kv::ReportDir = root + QStringLiteral("/rep");
        kv::SettingsFile = kv::CatalogDir + QStringLiteral("/KVFurniture.ini");
        for (const QString &d : {kv::CatalogDir, kv::OrdersDir, kv::SelectionDir, kv::RegistryDir, kv::ReportDir})
            QDir().mkpath(d);
        setup = std::make_unique<kv::TkvfSetup>();
        setup->DefFurnSys = QStringLiteral("1101");
        setup->DefProfSys = QStringLiteral("P1");
        setup->CurCurrency = 2;
        setup->NDSTax = 20;
        setup->DefFalzType = 101;
        setup->DefDornType = 201;
        setup->DefStulpFalzType = 301;
        setup->DefFlugelType = 401;
        setup->AutoReg = false;
        dm = std::make_unique<kv::TDM>();
        dm->OpenDatabases(kv::CatalogDir, kv::RegistryDir, kv::ReportDir);
        kv::runSqlScript(dm->connectionName(kv::DatabaseKind::Catalog), QString::fromUtf8(kSmallCatalog),
                         QStringLiteral("fixture"));
        dm->OpenCatalogTables();
        kv::setYesNoCancelAnswerer([this](const QString &text) {
            questions << text;
            if (answers.empty())
                return kv::YesNoCancel::Cancel;
            const kv::YesNoCancel a = answers.front();
            answers.pop_front();
            return a;
        });
    }
    ~WindowsFixture()
    {
        main.reset();
        kv::setYesNoCancelAnswerer({});
        dm.reset();
        setup.reset();
        kv::ClearGlobals();
    }

    // The frame, created on first use; file dialogs answer from fileAnswers.
    kv::TMainForm &mainForm()
    {
        if (!main) {
            main = std::make_unique<kv::TMainForm>();
            main->modalRunner = [](QDialog &) { return 0; };
            main->fileDialogRunner = [this](kv::FileDialogSetup &s) {
                dialogs << s;
                if (fileAnswers.empty())
                    return false;
                s.selected = fileAnswers.front().first;
                if (fileAnswers.front().second > 0)
                    s.filterIndex = fileAnswers.front().second;
                fileAnswers.pop_front();
                return true;
            };
            main->show();
        }
        return *main;
    }
    void registerSql(const QString &script)
    {
        kv::runSqlScript(dm->connectionName(kv::DatabaseKind::Registry), script, QStringLiteral("fixture"));
        dm->T_OrderList.close();
    }

    QString root;
    kv::RecordingMessages messages;
    std::unique_ptr<kv::TkvfSetup> setup;
    std::unique_ptr<kv::TDM> dm;
    std::unique_ptr<kv::TMainForm> main;
    std::deque<kv::YesNoCancel> answers;
    QStringList questions;
    std::deque<std::pair<QStringList, int>> fileAnswers; // files, filter index (0 keeps it)
    QList<kv::FileDialogSetup> dialogs;
};

} // namespace kvtest
