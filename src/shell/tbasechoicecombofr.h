#pragma once
#include "platform/db/dataset.h"
#include "shell/tbaserootfr.h"

class QLabel;

namespace vintora::ui {
class DataSource;
}

namespace vintora::shell {

class TcoDBLookupCombo;

// Choose one row from a drop-down list; the descendant names the list's source and gives the
// append and edit buttons their work.
class TBASEChoiceComboFR : public TBASERootFR {
    Q_OBJECT
public:
    explicit TBASEChoiceComboFR(QWidget* owner);

    QLabel* laTitle;
    TcoDBLookupCombo* cbChoice;
    TcoButton* btChoice;
    TcoButton* btAppend;
    TcoButton* btEdit;
    db::DataSet* taChoice;
    ui::DataSource* dsChoice;

    std::function<void(const QVariant& key)> onChosenKey;
    std::function<void()> onCancel;

    // The choose button's work: hands the chosen key on, then closes.
    void choose();

protected:
    void cancelClicked() override;

private:
    void keyChanged();
};

} // namespace vintora::shell
