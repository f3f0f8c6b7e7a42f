#pragma once
#include <QFrame>

namespace vintora::shell {

class TcoButton;
class TcoDBEdit;

// A caption button (the owner gives its click a meaning) and a data-aware edit.
class TBASEDBEditButtonSF : public QFrame {
    Q_OBJECT
public:
    explicit TBASEDBEditButtonSF(QWidget* parent = nullptr);

    TcoButton* btLabel;
    TcoDBEdit* edField;
};

} // namespace vintora::shell
