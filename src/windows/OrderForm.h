#pragma once
// The order window: one order with its positions as a list, the selected
// position drawn with its dimension chains and described in a memo, and the
// order commands (properties, positions, recalculation, registration,
// sorting, supplier export). Order files always land in the orders folder.
#include "windows/ChildForm.h"

#include <QTreeWidget>
#include <memory>

class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QSplitter;

namespace kv {

class TMainForm;
class TkvfConstruction;
class TkvfOrder;

// The list of positions: rows are dragged onto other rows to move them.
class TOrderListView : public QTreeWidget
{
    Q_OBJECT
public:
    explicit TOrderListView(QWidget *parent = nullptr);

Q_SIGNALS:
    void rowMoved(int from, int to);
    void spaceReleased();

protected:
    void dropEvent(QDropEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
};

// Draws one position with its dimension chains.
class TPositionView : public QWidget
{
public:
    explicit TPositionView(QWidget *parent = nullptr);
    void setPosition(const TkvfConstruction *p) { m_position = p; update(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const TkvfConstruction *m_position = nullptr;
};

class TOrderForm : public TChildForm
{
    Q_OBJECT
public:
    static const QString NewFileName; // "NewOrder.kfo370"

    explicit TOrderForm(TMainForm &main, QWidget *parent = nullptr);
    ~TOrderForm() override;

    Kind kind() const override { return Kind::Order; }
    QList<QMenu *> childMenus() const override;
    void UpdateCommands() override;
    void Activated() override;

    bool IsNewDocument() const override { return m_new; }
    QString GetDefaultFileName() const override;
    QString FileName() const override { return m_fileName; }
    bool SaveDocument(const QString &fileName) override;
    void LoadDocument(const QString &fileName) override;
    void AddPosition() override;
    void EditPosition() override;
    void DeletePosition() override;
    void ShowProperties() override;
    void PrintDocument() override;

    void DeleteAll();
    void SelectAll();
    void ToggleAllChecks();
    void SortByPositions();
    void SortByProducts();
    void MovePosition(int from, int to);
    void Recalculate();
    // "Зарегистрировать": asks first. The automatic registration after a save does not.
    void Register(bool ask);
    void MergeFromFile();
    void Export(int format); // SupplierExport
    // Publishes the order's rates, currency and VAT for price lookups and
    // makes the money format show the order's currency.
    void PublishPricingContext();

    TkvfOrder &order() const { return *m_order; }
    bool isSaved() const { return m_saved; }
    int rememberedRow() const { return m_rememberedRow; }
    QString lastOrderNo() const { return m_lastNo; }
    // The seven texts of a position's row after the check box column.
    QStringList RowTexts(const TkvfConstruction &p) const;
    // The lines of the description memo for a position.
    QStringList DescriptionLines(const TkvfConstruction &p) const;
    void RebuildList();

    QWidget *StatusBar;
    QLabel *StatusPanels[4];
    TOrderListView *ListView;
    QSplitter *Splitter1;
    QWidget *Panel1;
    TPositionView *PaintBox;
    QPlainTextEdit *ConstructionInfo;
    QMenu *EditMenu, *OrderMenu, *ServiceMenu, *SortMenu, *ExportMenu;
    QAction *CopyItem, *PasteItem, *SelectAllItem, *ClearItem, *AddFromFileItem;
    QAction *PropsItem, *NewPosItem, *EditPosItem, *DeletePosItem, *RecalcItem, *RegisterItem, *SortByPosItem,
        *SortByNameItem;
    QAction *ExportTBMItem, *ExportVorneItem, *ExportXMLItem;

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void CreateMenus();
    void ShowStatus();
    void SetCaption();
    void Modified();
    void WriteRow(int row);
    void InsertRow(int row);
    void RewriteAllRows();
    void FitMoneyColumns();
    void SelectionChanged();
    void TakeOverCheckMarks();
    void RunProperties();
    void RegisterOrder();
    int SelectedRow() const;

    TMainForm &m_main;
    std::unique_ptr<TkvfOrder> m_order;
    QString m_fileName;
    bool m_new = true;
    bool m_saved = true;
    int m_rememberedRow = 0;
    QString m_lastNo, m_lastCustomer, m_lastObject;
    bool m_filling = false;
};

} // namespace kv
