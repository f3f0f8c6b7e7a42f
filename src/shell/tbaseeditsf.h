#pragma once
#include <QFrame>

namespace vintora::shell {

class TcoEdit;
class TcoLabel;

// A caption and a plain edit.
class TBASEEditSF : public QFrame {
    Q_OBJECT
public:
    explicit TBASEEditSF(QWidget* parent = nullptr);

    TcoLabel* laField;
    TcoEdit* edField;
};

} // namespace vintora::shell
