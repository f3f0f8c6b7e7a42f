#pragma once
#include "platform/ui/framelock.h"

#include <QFrame>
#include <functional>

class QHBoxLayout;
class QLabel;
class QVBoxLayout;

namespace vintora::shell {

class TcoButton;

// The base of overlay frames: laid over its window by its anchors, it locks the rest of the
// window while open and gives it back (controls and focus) when closed.
class TBASERootFR : public QFrame {
    Q_OBJECT
public:
    explicit TBASERootFR(QWidget* owner, std::function<void()> onClose = {});

    QVBoxLayout* content;   // descendants put their controls here
    QHBoxLayout* blButton;  // the bottom bar; buttons go to its right end
    TcoButton* btCancel;

    void setAnchors(Qt::Edges anchors) { m_anchors = anchors; }
    Qt::Edges anchors() const { return m_anchors; }
    void setCloseNotify(std::function<void()> notify) { m_onClose = std::move(notify); }

    virtual void OpenFrame();
    virtual void CloseFrame();
    bool isOpen() const { return m_lock.isLocked(); }

protected:
    // The cancel button: closes the frame (descendants cancel their edits first).
    virtual void cancelClicked();
    int topOffset() const;
    // The frame's title band, in the selection colours; the caller places it.
    QLabel* makeTitle(const QString& text);

private:
    ui::FrameLock m_lock;
    Qt::Edges m_anchors = Qt::RightEdge | Qt::BottomEdge;
    std::function<void()> m_onClose;
};

} // namespace vintora::shell
