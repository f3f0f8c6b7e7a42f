#pragma once
#include "shell/tbasetableeditfm.h"

#include <QPointer>

namespace vintora::shell {

class TcoDBEdit;

// Word substitutions of titles ("Замена в названиях").
class TSubstituteListFM : public TBASETableEditFM {
    Q_OBJECT
public:
    explicit TSubstituteListFM(QWidget* parent = nullptr);
    ~TSubstituteListFM() override;
    static TSubstituteListFM* instance();
    TcoDBEdit* edOld;
    TcoDBEdit* edNew;
};

void ShowSubstituteList();

} // namespace vintora::shell
