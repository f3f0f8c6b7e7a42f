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

// Choose one row from a grid; the descendant names the list's source and gives insert, edit
// and delete their work.
class TBASEChoiceDBGridFR : public TBASERootFR {
    Q_OBJECT
public:
    explicit TBASEChoiceDBGridFR(QWidget* owner);

    QLabel* laTitle;
    TcoDBGridEh* grChoice;
    TcoButton* btChoice;
    TcoButton* btAppend;
    TcoButton* btEdit;
    TcoButton* btDelete;
    ui::ActionList* alChoice;
    QAction* acInsert;
    QAction* acEdit;
    QAction* acDelete;
    db::DataSet* taChoice;
    ui::DataSource* dsChoice;

    // The field whose value is the chosen key (ID unless a descendant says otherwise).
    QString keyField = QStringLiteral("ID");
    std::function<void(QObject* sender)> onChoice;
    std::function<void(const QVariant& key)> onChosenKey;
    std::function<void(const QVariant& key)> onAfterClose;
    std::function<void()> onCancel;

    // The key of the current row; null when there is none.
    QVariant chosenKey() const;
    // The choose button's work.
    void choose();

protected:
    void cancelClicked() override;
};

} // namespace vintora::shell
