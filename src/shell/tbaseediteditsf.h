#pragma once
#include <QFrame>

namespace vintora::shell {

class TcoEdit;
class TcoLabel;

// A caption and two plain edits side by side.
class TBASEEditEditSF : public QFrame {
    Q_OBJECT
public:
    explicit TBASEEditEditSF(QWidget* parent = nullptr);

    TcoLabel* laField;
    TcoEdit* edField1;
    TcoEdit* edField2;
};

} // namespace vintora::shell
