#pragma once
#include <QFrame>

namespace vintora::shell {

class TcoDBEdit;
class TcoLabel;

// A caption and three data-aware edits side by side.
class TBASEDBEditDBEditDBEditSF : public QFrame {
    Q_OBJECT
public:
    explicit TBASEDBEditDBEditDBEditSF(QWidget* parent = nullptr);

    TcoLabel* laField;
    TcoDBEdit* edField1;
    TcoDBEdit* edField2;
    TcoDBEdit* edField3;
};

} // namespace vintora::shell
