#pragma once
#include <QFrame>

namespace vintora::shell {

class TcoDBLookupCombo;
class TcoLabel;

// A caption and a data-aware lookup combo.
class TBASEDBLookupComboLabelSF : public QFrame {
    Q_OBJECT
public:
    explicit TBASEDBLookupComboLabelSF(QWidget* parent = nullptr);

    TcoLabel* laField;
    TcoDBLookupCombo* cbField;
};

} // namespace vintora::shell
