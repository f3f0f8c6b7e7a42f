#pragma once
#include <QLineEdit>

namespace vintora::shell {

// A flat edit in the input colour; read-only or disabled it takes the button face.
class TcoEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TcoEdit(QWidget* parent = nullptr);
    // Hides QLineEdit::setReadOnly so that the colour follows.
    void setReadOnly(bool readOnly);

protected:
    void changeEvent(QEvent* event) override;
    void recolour();
};

} // namespace vintora::shell
