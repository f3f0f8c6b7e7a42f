#pragma once
#include <QFrame>

namespace vintora::shell {

class TcoDBMemo;
class TcoLabel;

// A caption and a read-only memo that shows a long name.
class TBASEDBMemoSF : public QFrame {
    Q_OBJECT
public:
    explicit TBASEDBMemoSF(QWidget* parent = nullptr);

    TcoLabel* laField;
    TcoDBMemo* meFieldText;
};

} // namespace vintora::shell
