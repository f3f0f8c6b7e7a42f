#include "shell/tcomemo.h"

#include "shell/tcocolors.h"

#include <QEvent>

namespace vintora::shell {

TcoMemo::TcoMemo(QWidget* parent)
    : QPlainTextEdit(parent)
{
    setFrameShape(QFrame::NoFrame);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    recolour();
}

void TcoMemo::setReadOnly(bool readOnly)
{
    QPlainTextEdit::setReadOnly(readOnly);
    recolour();
}

void TcoMemo::changeEvent(QEvent* event)
{
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::ReadOnlyChange)
        recolour();
}

void TcoMemo::recolour()
{
    TcoColors::applyInput(this, isReadOnly() || !isEnabled());
}

} // namespace vintora::shell
