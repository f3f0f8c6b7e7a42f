#pragma once
#include <QToolButton>

namespace vintora::shell {

// A flat button with an image of the tool-bar images and its caption; hot on hover. An inert
// one (NoClick) only shows its caption, as the caption buttons of single-field frames do.
class TcoButton : public QToolButton {
    Q_OBJECT
public:
    explicit TcoButton(QWidget* parent = nullptr);
    TcoButton(const QString& caption, int imageIndex, QWidget* parent = nullptr);

    void setImageIndex(int index);
    int imageIndex() const { return m_imageIndex; }
    void setNoClick(bool noClick);
    bool noClick() const { return m_noClick; }
    // Width from the caption (default on).
    void setAutoSize(bool autoSize);
    int widthText() const;
    void setAlignment(Qt::Alignment alignment);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int m_imageIndex = -1;
    bool m_noClick = false;
    bool m_autoSize = true;
};

} // namespace vintora::shell
