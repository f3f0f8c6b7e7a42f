#pragma once
#include "shell/tbaseeditfr.h"

namespace vintora::shell {

// An edit frame with a read-only header row beside the edited one (what the row belongs to);
// the header set follows the same rules as the edited one.
class TBASEEditInfoFR : public TBASEEditFR {
    Q_OBJECT
public:
    TBASEEditInfoFR(QWidget* owner, SavedKey onSavedKey = {});

    db::DataSet* taInfo;
    ui::DataSource* dsInfo;
};

} // namespace vintora::shell
