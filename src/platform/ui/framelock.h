#pragma once
#include <QList>
#include <QPointer>
#include <QWidget>

namespace vintora::ui {

// Frame hosting: an overlay laid over its parent locks the parent's other controls while it is
// open and hands them back afterwards, with the focus where it was.
class FrameLock {
public:
    // Disables every enabled, visible child control of parent except keep, and remembers them
    // and the parent's focused control.
    void lock(QWidget* parent, QWidget* keep);
    // Enables the remembered controls again.
    void unlock();
    // Focus back to the control that had it when locked (ignored when it is gone).
    void restoreFocus();
    bool isLocked() const { return m_locked; }
    const QList<QPointer<QWidget>>& disabled() const { return m_disabled; }

    // Where an anchored overlay goes inside a client area (left/top/right/bottom margins of 5,
    // top offset for the window's tool bar).
    static QRect place(const QRect& frame, const QSize& client, Qt::Edges anchors, int topOffset);

private:
    QList<QPointer<QWidget>> m_disabled;
    QPointer<QWidget> m_focus;
    bool m_locked = false;
};

} // namespace vintora::ui
