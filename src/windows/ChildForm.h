#pragma once
// What the main window expects of its document windows: order windows,
// selection windows and the order register. Each child lives in its own
// sub-window of the frame; the main window calls only the operations that
// the child's kind supports.
#include <QList>
#include <QString>
#include <QWidget>

class QMenu;

namespace kv {

class TMainForm;

class TChildForm : public QWidget
{
    Q_OBJECT
public:
    enum class Kind { Order, Selection, Register };

    explicit TChildForm(QWidget *parent = nullptr) : QWidget(parent) {}

    virtual Kind kind() const = 0;
    // The child's own menus, merged into the frame's menu bar in this order
    // between "&Файл" and "&Установки" while the child is active.
    virtual QList<QMenu *> childMenus() const = 0;
    // Enables the frame's and the child's commands for the child's state.
    virtual void UpdateCommands() = 0;
    // Called when the child becomes the active sub-window.
    virtual void Activated() {}

    // Documents (orders and selections).
    virtual bool IsNewDocument() const { return false; }
    virtual QString GetDefaultFileName() const { return {}; }
    virtual QString FileName() const { return {}; }
    // An empty name saves under the current name. True when written.
    virtual bool SaveDocument(const QString &) { return false; }
    virtual void LoadDocument(const QString &) {}
    virtual void AddPosition() {}
    virtual void EditPosition() {}
    virtual void DeletePosition() {}
    virtual void ShowProperties() {}
    virtual void PrintDocument() {}

    // The close answer: 0 when the window closed, 1 when it refused.
    int Tag = 0;
};

} // namespace kv
