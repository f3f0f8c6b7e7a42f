#pragma once
#include <QFrame>

namespace vintora::shell {

class TcoDBCheckBox;
class TcoLabel;

// A caption and a data-aware check box ("True"/"False" in a text field).
class TBASEDBCheckBoxSF : public QFrame {
    Q_OBJECT
public:
    explicit TBASEDBCheckBoxSF(QWidget* parent = nullptr);

    TcoLabel* laDisplayLable;
    TcoDBCheckBox* cbField;
};

} // namespace vintora::shell
