#pragma once
#include "platform/db/dataset.h"
#include "platform/ui/datasource.h"
#include "shell/tbaserootfm.h"

class QLabel;
class QLineEdit;
class QFormLayout;

namespace vintora::shell {

class TcoDBGridEh;

// A window that edits one dictionary table: the grid above, the edit panel laid over its
// bottom right while a row is inserted or edited, navigation and edit commands in the tool bar.
class TBASETableEditFM : public TBASERootFM {
    Q_OBJECT
public:
    explicit TBASETableEditFM(QWidget* parent = nullptr);

    TcoDBGridEh* grTable;
    QFrame* pnEdit;
    QLabel* laCaption;
    QFormLayout* editFields; // descendants add their field rows here
    QLineEdit* edFind;
    db::DataSet* taTable;
    ui::DataSource* dsTable;
    QAction *acDataFirst, *acDataPageUp, *acDataPrior, *acDataNext, *acDataPageDown, *acDataLast;
    QAction *acDataInsert, *acDataEdit, *acDataDelete, *acRefresh, *acDataPost, *acDataCancel, *imPrint;

    bool editing() const { return m_editing; }
    void SetEditing(bool on);
    // Deletes the current row without asking and stays next to it.
    void deleteRow();
    // Positions on the first row whose first grid column starts with text.
    bool find(const QString& text);
    void PlaceEditPanel();

protected:
    // The create step of a descendant, after it named the table: opens it and places the panel.
    void openTable();
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    int visibleRows() const;

private:
    void print();
    bool m_editing = false;
    bool m_fitting = false;
};

} // namespace vintora::shell
