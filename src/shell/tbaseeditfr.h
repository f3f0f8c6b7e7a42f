#pragma once
#include "platform/db/dataset.h"
#include "platform/ui/datasource.h"
#include "shell/tbaserootfr.h"

class QLabel;

namespace vintora::shell {

// The base of record editors: one row of taData edited over the window. Save is enabled
// exactly while the row is being edited or inserted; empty texts are stored as null; the
// remembered field values fill a new row and are saved after each post.
class TBASEEditFR : public TBASERootFR {
    Q_OBJECT
public:
    using SavedKey = std::function<void(const QVariant& id)>;
    TBASEEditFR(QWidget* owner, SavedKey onSavedKey = {});

    TcoButton* btSave;
    QLabel* laTitle;
    db::DataSet* taData;
    ui::DataSource* dsData;

    std::function<void()> onAfterSave;
    SavedKey onSavedKey;
    std::function<void()> onAfterCancel;

    // The save button's work (also for tests): post, notify, close.
    void save();

protected:
    void cancelClicked() override;
    // Empty texts stored as null; remembered values fill a new row and are kept after a post.
    void hookRowRules(db::DataSet* dataSet);
};

} // namespace vintora::shell
