#pragma once
#include "platform/db/dataset.h"
#include "platform/ui/actionlist.h"
#include "shell/tbaserootfr.h"

class QLabel;

namespace vintora::ui {
class DataSource;
}

namespace vintora::shell {

class TcoDBGridEh;

// The rows of a detail table in a grid over the window, with insert, edit and delete buttons
// whose work the descendant gives.
class TBASETableEditFR : public TBASERootFR {
    Q_OBJECT
public:
    explicit TBASETableEditFR(QWidget* owner);

    QLabel* laTitle;
    TcoDBGridEh* grData;
    TcoButton* btInsert;
    TcoButton* btEdit;
    TcoButton* btDelete;
    ui::ActionList* alData;
    QAction* acInsert;
    QAction* acEdit;
    QAction* acDelete;
    db::DataSet* taData;
    ui::DataSource* dsData;

    std::function<void()> onCancel;

protected:
    void cancelClicked() override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void fitWholeRows();
    bool m_fitting = false;
};

} // namespace vintora::shell
