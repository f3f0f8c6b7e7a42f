#pragma once
#include <QCheckBox>

namespace vintora::shell {

// A check box whose box stands left or right of its caption; not a tab stop by default.
class TcoCheckBox : public QCheckBox {
    Q_OBJECT
public:
    enum class Layout { BoxLeft, BoxRight };
    explicit TcoCheckBox(const QString& caption = {}, QWidget* parent = nullptr);
    void setBoxLayout(Layout layout);
    Layout boxLayout() const { return m_layout; }

private:
    Layout m_layout = Layout::BoxLeft;
};

} // namespace vintora::shell
