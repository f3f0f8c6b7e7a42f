#pragma once
#include <QFrame>

class QLabel;

namespace vintora::shell {

class TcoDBEdit;
class TcoLabel;

// A caption, a data-aware edit and the unit it is counted in.
class TBASEDBEditLabelSF : public QFrame {
    Q_OBJECT
public:
    explicit TBASEDBEditLabelSF(QWidget* parent = nullptr);

    TcoLabel* laField;
    TcoDBEdit* edField;
    QLabel* laUnit;
};

} // namespace vintora::shell
