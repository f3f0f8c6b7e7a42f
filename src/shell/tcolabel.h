#pragma once
#include <QLabel>

namespace vintora::shell {

// A field caption: right-aligned, vertically centred, 20 pixels high.
class TcoLabel : public QLabel {
    Q_OBJECT
public:
    explicit TcoLabel(const QString& text = {}, QWidget* parent = nullptr);
    // Hides QLabel::setText so that textChanged follows every caption change.
    void setText(const QString& text);
    // Width of the caption in the label's font.
    int widthText() const;

signals:
    void textChanged(const QString& text);
};

} // namespace vintora::shell
