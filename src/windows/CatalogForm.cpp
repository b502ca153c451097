#include "CatalogForm.h"

#include "DBGrid.h"
#include "DisplayFormats.h"
#include "core/Data.h"
#include "core/DataEditor.h"
#include "reports/ReportExport.h"
#include "reports/ReportLayout.h"
#include "reports/ReportTemplate.h"
#include "tools/Errors.h"
#include "tools/Messages.h"
#include "tools/Win1251.h"

#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QToolBar>
#include <QVBoxLayout>

namespace kv {

namespace {

// The stored list: the titles of the first nine columns, then a line per
// article, all in Arial.
const char *const CatalogTemplate = R"kvrep(<!DOCTYPE html>
<html><head><meta charset="utf-8">
<style>
body { font-family: Arial; font-size: 8pt; }
th { font-family: Arial; font-size: 8pt; font-weight: bold; background-color: #e3e8f0; }
td { font-family: Arial; font-size: 8pt; }
</style></head>
<body>
<!--#page size=A4 orientation=landscape margin=10-->
<!--#band Catalog-->
<!--#header--><table border="1" cellspacing="0" cellpadding="2" width="100%">
<thead><tr><th width="9%">Артикул</th><th width="10%">Артикул производителя #1</th><th width="10%">Артикул производителя #2</th><th width="10%">Артикул производителя #3</th><th width="8%">Цена</th><th width="5%">Цена</th><th width="10%">Ценовая группа</th><th width="32%">Наименование</th><th width="6%">Ед.изм.</th></tr></thead>
<!--#row--><tr><td>[Article]</td><td>[ProdArticle]</td><td>[ProdArticle2]</td><td>[ProdArticle3]</td><td align="right">[Price #M4]</td><td>[CurrencyLookup]</td><td>[PriceGroupLookup]</td><td>[Name]</td><td>[Unit]</td></tr>
<!--#footer--></table>
<!--#endband-->
</body></html>
)kvrep";

// The catalogue table as the list's record source: the fields of the
// current article by name.
class CatalogReportData : public ReportDataSource, public ReportRecordSource
{
public:
    explicit CatalogReportData(TDataTable &t) : m_table(t) {}

    ReportRecordSource *recordSource(const QString &name) override
    {
        return name.compare(QLatin1String("Catalog"), Qt::CaseInsensitive) == 0 ? this : nullptr;
    }
    std::optional<ReportValue> value(const QString &name) override
    {
        const TField *f = m_table.findField(name);
        if (!f)
            return std::nullopt;
        if (m_table.eof() && m_table.bof())
            return ReportValue::text(QString());
        if (f->dataType() == FieldType::Money)
            return ReportValue::money(f->asMoney());
        return ReportValue::text(f->asString());
    }
    std::optional<ReportValue> call(const QString &, const ExprArguments &, ReportServices &) override
    {
        return std::nullopt;
    }
    void first() override { m_table.first(); }
    void next() override { m_table.next(); }
    bool eof() const override { return m_table.eof(); }

private:
    TDataTable &m_table;
};

struct Export
{
    QString filter;
    void (*write)(const PreparedReport &, const QString &);
};

void writeTextFile(const PreparedReport &r, const QString &path) { writeText(r, path); }
void writeCsvFile(const PreparedReport &r, const QString &path) { writeCsv(r, path); }

const Export Exports[] = {
    {QStringLiteral("Документ PDF (*.pdf)"), &writePdf},
    {QStringLiteral("Документ OpenDocument (*.odt)"), &writeOdt},
    {QStringLiteral("Страница HTML (*.html)"), &writeHtml},
    {QStringLiteral("Таблица CSV (*.csv)"), &writeCsvFile},
    {QStringLiteral("Текст (*.txt)"), &writeTextFile},
};

} // namespace

PreparedReport PrepareCatalogReport(TDataTable &catalog)
{
    static const ReportTemplate tmpl =
        ReportTemplate::parse(QString::fromUtf8(CatalogTemplate), QStringLiteral("Справочник комплектующих"));
    DisabledControls off(catalog);
    const qint64 current = catalog.bookmark();
    CatalogReportData data(catalog);
    PreparedReport report;
    try {
        report = prepareReport(tmpl, data);
    } catch (...) {
        catalog.gotoBookmark(current);
        throw;
    }
    catalog.gotoBookmark(current);
    return report;
}

void PreviewReport(const PreparedReport &report, QWidget *parent)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);
    printer.setPageLayout(QPageLayout(QPageSize(report.page.size), report.page.orientation, QMarginsF()));
    printer.setDocName(report.name);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setObjectName(QStringLiteral("ReportPreview"));
    preview.setWindowTitle(report.name);
    const QSize area = parent ? parent->window()->size() : QSize(1000, 750);
    preview.resize(std::max(area.width(), 800), std::max(area.height(), 600));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&report](QPrinter *p) {
        p->setFullPage(true);
        try {
            const ReportLayout pages(report, p);
            QPainter painter(p);
            for (int i = 0; i < pages.pageCount(); ++i) {
                if (i > 0)
                    p->newPage();
                pages.paintPage(painter, i);
            }
        } catch (const Error &e) {
            ShowErrorBox(e.text());
        }
    });
    if (QToolBar *bar = preview.findChild<QToolBar *>()) {
        bar->addSeparator();
        QAction *save = bar->addAction(QStringLiteral("Сохранить..."));
        save->setObjectName(QStringLiteral("ExportAction"));
        save->setToolTip(QStringLiteral("Сохранить в файл"));
        QObject::connect(save, &QAction::triggered, &preview, [&report, &preview] {
            QStringList filters;
            for (const Export &e : Exports)
                filters << e.filter;
            QString chosen;
            const QString path = QFileDialog::getSaveFileName(&preview, QStringLiteral("Сохранить отчет"), report.name,
                                                              filters.join(QStringLiteral(";;")), &chosen);
            if (path.isEmpty())
                return;
            for (const Export &e : Exports) {
                if (e.filter != chosen)
                    continue;
                try {
                    e.write(report, path);
                } catch (const Error &err) {
                    ShowErrorBox(err.text());
                }
            }
        });
    }
    preview.exec();
}

// ================================================================ dialog

TCatalogDlg::TCatalogDlg(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CatalogDlg"));
    setWindowTitle(QStringLiteral("Справочник комплектующих"));
    setSizeGripEnabled(true);

    TDM &dm = DM();
    const TDBGridColumn currency = TDBGridColumn::lookup(QStringLiteral("CurrencyLookup"), QStringLiteral("Цена"), 6,
                                                         &dm.T_Currency, QStringLiteral("Name"), QStringLiteral("ID"));
    const TDBGridColumn priceGroup =
        TDBGridColumn::lookup(QStringLiteral("PriceGroupLookup"), QStringLiteral("Ценовая группа"), 14, &dm.T_PriceGrp,
                              QStringLiteral("Name"), QStringLiteral("GroupID"));
    Grid = new TDBGrid(dm.T_Catalog,
                       {TDBGridColumn{QStringLiteral("Article"), QStringLiteral("Артикул"), 14},
                        TDBGridColumn{QStringLiteral("ProdArticle"), QStringLiteral("Артикул производителя #1"), 14},
                        TDBGridColumn{QStringLiteral("ProdArticle2"), QStringLiteral("Артикул производителя #2"), 14},
                        TDBGridColumn{QStringLiteral("ProdArticle3"), QStringLiteral("Артикул производителя #3"), 14},
                        TDBGridColumn{QStringLiteral("Price"), QStringLiteral("Цена"), 12}, currency, priceGroup,
                        TDBGridColumn{QStringLiteral("Name"), QStringLiteral("Наименование"), 45},
                        TDBGridColumn{QStringLiteral("Unit"), QStringLiteral("Ед.изм."), 7},
                        TDBGridColumn{QStringLiteral("Virtual"), QStringLiteral("Фиктивный"), 4}},
                       this);
    Grid->setObjectName(QStringLiteral("CatalogGrid"));
    Grid->setFixedColumns(2);
    // Articles are keyed by a code the grid does not show: no new rows here.
    Grid->setAllowInsert(false);
    Grid->setConfirmDelete(true);

    Navigator = new TDBNavigator(this);
    Navigator->setObjectName(QStringLiteral("Navigator"));
    Navigator->setVisibleButtons({TDBNavigator::First, TDBNavigator::PriorPage, TDBNavigator::Prior,
                                  TDBNavigator::Next, TDBNavigator::NextPage, TDBNavigator::Last,
                                  TDBNavigator::Edit, TDBNavigator::Post, TDBNavigator::Cancel,
                                  TDBNavigator::Refresh});
    Navigator->setGrid(Grid);

    SearchFieldCombo = new QComboBox(this);
    SearchFieldCombo->setObjectName(QStringLiteral("SearchFieldCombo"));
    SearchFieldCombo->addItem(QStringLiteral("Артикул"), QStringLiteral("Article"));
    SearchFieldCombo->addItem(QStringLiteral("Артикул производителя #1"), QStringLiteral("ProdArticle"));
    SearchFieldCombo->addItem(QStringLiteral("Артикул производителя #2"), QStringLiteral("ProdArticle2"));
    SearchFieldCombo->addItem(QStringLiteral("Артикул производителя #3"), QStringLiteral("ProdArticle3"));
    SearchFieldCombo->addItem(QStringLiteral("Наименование"), QStringLiteral("Name"));
    SearchEdit = new QLineEdit(this);
    SearchEdit->setObjectName(QStringLiteral("SearchEdit"));
    SearchEdit->setClearButtonEnabled(true);
    SearchEdit->setPlaceholderText(QStringLiteral("Enter — найти следующий"));
    // Narrow enough that the dialog fits a main window of the smallest size.
    SearchFieldCombo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    SearchFieldCombo->setMinimumContentsLength(10);
    SearchEdit->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('0')) * 10);
    auto *searchLabel = new QLabel(QStringLiteral("&Поиск:"), this);
    searchLabel->setBuddy(SearchEdit);
    connect(SearchEdit, &QLineEdit::textEdited, this, &TCatalogDlg::searchTextChanged);
    connect(SearchEdit, &QLineEdit::returnPressed, this, [this] {
        const bool found = Find(SearchEdit->text(), true);
        SearchEdit->setStyleSheet(found || SearchEdit->text().isEmpty() ? QString()
                                                                         : QStringLiteral("color: #b00000"));
    });
    connect(SearchFieldCombo, &QComboBox::currentIndexChanged, this,
            [this] { searchTextChanged(SearchEdit->text()); });

    PrintBut = new QPushButton(QStringLiteral("Печать"), this);
    PrintBut->setObjectName(QStringLiteral("PrintBut"));
    PrintBut->setAutoDefault(false);
    connect(PrintBut, &QPushButton::clicked, this, &TCatalogDlg::Print);
    OkBut = new QPushButton(QStringLiteral("OK"), this);
    OkBut->setObjectName(QStringLiteral("OkBut"));
    OkBut->setAutoDefault(false);
    connect(OkBut, &QPushButton::clicked, this, &QDialog::accept);

    auto *top = new QHBoxLayout;
    top->addWidget(Navigator);
    top->addSpacing(8);
    top->addWidget(searchLabel);
    top->addWidget(SearchFieldCombo);
    top->addWidget(SearchEdit, 1);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(PrintBut);
    bottom->addStretch();
    bottom->addWidget(OkBut);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(Grid, 1);
    layout->addLayout(bottom);
    resize(900, 600);
}

void TCatalogDlg::showEvent(QShowEvent *event)
{
    displayFormats().CurrencyString = QStringLiteral(" ");
    QDialog::showEvent(event);
}

void TCatalogDlg::PlaceOver(QWidget *client)
{
    if (!client)
        return;
    resize(std::max(100, client->width() - 100), std::max(100, client->height() - 100));
    move(client->mapToGlobal(QPoint(50, 50)));
}

void TCatalogDlg::searchTextChanged(const QString &text)
{
    const bool found = text.isEmpty() || Find(text, false);
    SearchEdit->setStyleSheet(found ? QString() : QStringLiteral("color: #b00000"));
}

bool TCatalogDlg::Find(const QString &text, bool next)
{
    TDataTable &t = Grid->table();
    if (text.isEmpty() || !t.isActive() || !Grid->postPending())
        return false;
    const TField *f = t.findField(SearchFieldCombo->currentData().toString());
    const int count = t.recordCount();
    if (!f || count == 0)
        return false;
    const QString wanted = cp1251::toUpper(text);
    const int start = next ? t.recNo() : 0; // the row after the current one (0-based)
    for (int k = 0; k < count; ++k) {
        const int vi = (start + k) % count;
        if (cp1251::toUpper(f->valueAt(vi).toString()).contains(wanted)) {
            t.setRecNo(vi + 1);
            return true;
        }
    }
    return false;
}

void TCatalogDlg::Print()
{
    if (!Grid->postPending())
        return;
    try {
        const PreparedReport report = PrepareCatalogReport(Grid->table());
        PreviewReport(report, this);
    } catch (const Error &e) {
        ShowErrorBox(e.text());
    }
}

void TCatalogDlg::done(int result)
{
    if (!Grid->postPending())
        return;
    QDialog::done(result);
}

void ShowCatalogDlg(QWidget *parent)
{
    TCatalogDlg dlg(parent);
    QWidget *client = parent;
    if (auto *main = qobject_cast<QMainWindow *>(parent); main && main->centralWidget())
        client = main->centralWidget();
    dlg.PlaceOver(client);
    dlg.exec();
}

} // namespace kv
