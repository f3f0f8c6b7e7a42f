#pragma once
#include <QFrame>

namespace vintora::shell {

class TcoButton;
class TcoDBEdit;
class TcoLabel;

// A caption, a data-aware edit and a button that offers the values entered earlier under a
// two-letter unit code ("RL" for the role of a credit).
class TBASEDBEditMRUSF : public QFrame {
    Q_OBJECT
public:
    explicit TBASEDBEditMRUSF(QWidget* parent = nullptr);

    TcoLabel* laField;
    TcoDBEdit* edField;
    TcoButton* btMRU;

    void setUnit(const QString& unit) { m_unit = unit; }
    const QString& unit() const { return m_unit; }

private:
    QString m_unit;
};

} // namespace vintora::shell
