#include "shell/tcobutton.h"

#include "shell/tbasedatadm.h"

#include <QFontMetrics>
#include <QMouseEvent>

namespace vintora::shell {

TcoButton::TcoButton(QWidget* parent)
    : QToolButton(parent)
{
    setAutoRaise(true);
    setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    setIconSize(QSize(16, 16));
    setFocusPolicy(Qt::TabFocus);
}

TcoButton::TcoButton(const QString& caption, int imageIndex, QWidget* parent)
    : TcoButton(parent)
{
    setText(caption);
    setImageIndex(imageIndex);
}

void TcoButton::setImageIndex(int index)
{
    m_imageIndex = index;
    setIcon(index >= 0 ? TBASEDataDM::toolIcon(index) : QIcon());
    setToolButtonStyle(text().isEmpty() ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextBesideIcon);
}

void TcoButton::setNoClick(bool noClick)
{
    m_noClick = noClick;
    setAutoRaise(true);
    setFocusPolicy(noClick ? Qt::NoFocus : Qt::TabFocus);
    setAttribute(Qt::WA_Hover, !noClick);
}

void TcoButton::setAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    if (autoSize)
        adjustSize();
}

int TcoButton::widthText() const
{
    return QFontMetrics(font()).horizontalAdvance(text());
}

void TcoButton::setAlignment(Qt::Alignment alignment)
{
    setLayoutDirection(alignment & Qt::AlignRight ? Qt::RightToLeft : Qt::LeftToRight);
}

void TcoButton::mousePressEvent(QMouseEvent* event)
{
    if (m_noClick) {
        event->ignore();
        return;
    }
    QToolButton::mousePressEvent(event);
}

void TcoButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_noClick) {
        event->ignore();
        return;
    }
    QToolButton::mouseReleaseEvent(event);
}

void TcoButton::keyPressEvent(QKeyEvent* event)
{
    if (m_noClick) {
        event->ignore();
        return;
    }
    QToolButton::keyPressEvent(event);
}

} // namespace vintora::shell
