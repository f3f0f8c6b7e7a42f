#pragma once
#include <QFrame>

namespace vintora::shell {

class TcoDBEdit;
class TcoLabel;

// A caption and two data-aware edits side by side.
class TBASEDBEditDBEditSF : public QFrame {
    Q_OBJECT
public:
    explicit TBASEDBEditDBEditSF(QWidget* parent = nullptr);

    TcoLabel* laField;
    TcoDBEdit* edField1;
    TcoDBEdit* edField2;
};

} // namespace vintora::shell
