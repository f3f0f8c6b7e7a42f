#pragma once
#include <QFrame>

namespace vintora::shell {

// A dividing line between groups of fields.
class TBASEBevelSF : public QFrame {
    Q_OBJECT
public:
    explicit TBASEBevelSF(QWidget* parent = nullptr);

    QFrame* bvBevel;
};

} // namespace vintora::shell
