#pragma once
#include "platform/ui/actionlist.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>

class QMenu;
class QToolBar;
class QToolButton;
class QFrame;

namespace vintora::db {
class DataSet;
}

namespace vintora::shell {

// The base of every top-level window: own task-bar entry, the command menu copied into its
// tool bar, layout kept under its section, the return-a-chosen-value mechanism, staying on the
// screen, and the rule that closing the last window ends the program.
class TBASERootFM : public QMainWindow {
    Q_OBJECT
public:
    explicit TBASERootFM(QWidget* parent = nullptr);
    ~TBASERootFM() override;

    QFrame* pnBase;
    QToolBar* tbMain;     // the window's dock and tool bar
    QToolButton* imRootEx; // the command menu
    QMenu* rootMenu;
    ui::ActionList* alMain;
    QAction* acBack;
    QAction* acHelp;
    QAction* acBackForm;

    // The layout section: the class name without "T" and without its last two characters.
    QString layoutSection() const;
    // The class name without "T" (PerformerListFM); the window's name once shown.
    QString componentName() const;
    // Every window alive, shown or hidden.
    static QList<TBASERootFM*> windows();

    // Copies a popup menu into target: separators, sub-menus and items bound to the same actions.
    static void CopyMenuToToolbar(QMenu* target, const QMenu* source);
    // Disables every copied entry of the command menu bound to action.
    void DisableOwnCommand(QAction* action);

    struct FieldRef {
        QPointer<db::DataSet> dataSet;
        QString field;
        bool isSet() const { return dataSet && !field.isEmpty(); }
    };
    void SetReturnTarget(QWidget* callingWindow, const FieldRef& callingField);
    void ReturnValue(const QVariant& value);
    QWidget* callingWindow() const { return m_callingWindow; }
    void setBeforeBack(std::function<void()> notify) { m_beforeBack = std::move(notify); }
    // Executes every checked action of the window (after a layout restored their states).
    void ExecuteCheckedActions();

    // Where a window goes to stay on a screen of the given size.
    static QRect keepOnScreen(const QRect& frame, const QSize& screen, bool normalState);

protected:
    // Extra layout properties of a descendant.
    virtual void saveLayout(QVariantMap& values) const;
    virtual void loadLayout(const QVariantMap& values);
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void storeLayout();
    void stayOnScreen();

    QPointer<QWidget> m_callingWindow;
    FieldRef m_callingField;
    std::function<void()> m_beforeBack;
    bool m_layoutLoaded = false;
    bool m_adjusting = false;
};

} // namespace vintora::shell
