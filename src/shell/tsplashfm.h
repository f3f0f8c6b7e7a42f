#pragma once
#include <QWidget>

class QLabel;

namespace vintora::shell {

// The start-up window: borderless, on top, centred, grey, with the title and version caption.
class TSplashFM : public QWidget {
    Q_OBJECT
public:
    explicit TSplashFM(QWidget* parent = nullptr);
    QLabel* laTitle;
    QLabel* laVersion;

protected:
    void resizeEvent(QResizeEvent* event) override;
};

} // namespace vintora::shell
