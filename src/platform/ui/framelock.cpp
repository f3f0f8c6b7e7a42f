#include "platform/ui/framelock.h"

#include <QApplication>

namespace vintora::ui {

void FrameLock::lock(QWidget* parent, QWidget* keep)
{
    unlock();
    m_focus = parent->focusWidget() ? parent->focusWidget() : QApplication::focusWidget();
    for (QObject* child : parent->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (!w || w == keep || w->isWindow() || !w->isEnabled() || !w->isVisible())
            continue;
        w->setEnabled(false);
        m_disabled << w;
    }
    m_locked = true;
}

void FrameLock::unlock()
{
    for (const QPointer<QWidget>& w : std::as_const(m_disabled)) {
        if (w)
            w->setEnabled(true);
    }
    m_disabled.clear();
    m_locked = false;
}

void FrameLock::restoreFocus()
{
    if (m_focus && m_focus->isEnabled() && m_focus->isVisible())
        m_focus->setFocus();
    m_focus = nullptr;
}

QRect FrameLock::place(const QRect& frame, const QSize& client, Qt::Edges anchors, int topOffset)
{
    QRect r = frame;
    if (anchors & Qt::RightEdge)
        r.moveLeft(client.width() - r.width() - 5);
    if (anchors & Qt::BottomEdge)
        r.moveTop(client.height() - r.height() - 5);
    if (anchors & Qt::LeftEdge) {
        r.moveLeft(5);
        if (anchors & Qt::RightEdge)
            r.setWidth(client.width() - 10);
    }
    if (anchors & Qt::TopEdge)
        r.moveTop(topOffset + 5);
    return r;
}

} // namespace vintora::ui
