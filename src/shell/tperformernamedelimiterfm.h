#pragma once
#include "shell/tbasetableeditfm.h"

namespace vintora::shell {

class TcoDBEdit;

// The strings that separate the members of a performer name (read afresh at every use).
class TPerformerNameDelimiterFM : public TBASETableEditFM {
    Q_OBJECT
public:
    explicit TPerformerNameDelimiterFM(QWidget* parent = nullptr);
    static TPerformerNameDelimiterFM* instance();
    TcoDBEdit* edDelimiter;
};

void ShowDelimiterNameList();

} // namespace vintora::shell
