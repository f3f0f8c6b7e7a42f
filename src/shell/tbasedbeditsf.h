#pragma once
#include <QFrame>

namespace vintora::shell {

class TcoDBEdit;
class TcoLabel;

// A caption and one data-aware edit.
class TBASEDBEditSF : public QFrame {
    Q_OBJECT
public:
    explicit TBASEDBEditSF(QWidget* parent = nullptr);

    TcoLabel* laField;
    TcoDBEdit* edField;
};

} // namespace vintora::shell
